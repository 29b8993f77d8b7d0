// Exchange files: a whole file written byte for byte and read back by block
// and by key pattern (LF and CRLF), damaged objects refused without
// swallowing what follows, keyed result records and object queries.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/ptrarr.h"
#include "base/vekexport.h"
#include "support/testutil.h"

using testutil::Stream_All;
using testutil::Stream_With;

namespace {

std::string Crlf(const std::string& lf) {
    std::string out;
    for (char c : lf) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string Next_Line(FILE* f) {
    char line[128] = {0};
    return fgets(line, sizeof line, f) ? line : "";
}

// The component whose header the file carries.
struct CurrentObject {
    testutil::ScopedEnv app{"VEK_APPLICATION_NUMBER", "156"};
    testutil::ScopedEnv id{"VEK_OBJECT_ID", "4711"};
    testutil::ScopedEnv filer{"VEK_FILERNAME", "P1"};
    testutil::ScopedEnv basic{"VEK_BASICNAME", std::nullopt};
    testutil::ScopedEnv suffix{"VEK_SUFFIXNAME", "_01"};
    testutil::ScopedEnv program{"VEK_PROGRAMNAME", "Q7-ZO3"};
    testutil::ScopedEnv pstring{"VEK_PROGRAMSTRING", "Schwei\xE1naht"};
    testutil::ScopedEnv version{"VEK_VERSIONSTRING", "1.0"};
};

VEKExportObject* Make_Column(void) {
    VEKExportObject* o =
        Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 2, 17, "St\x81tze", VEK_CLASS_PARAM_DATA, nullptr);
    Set_VEK_Object_Head_Text(strdup("Kopf"), &o->head);
    const int ints[3] = {1, 2, 3};
    const double doubles[2] = {0.5, -1250.0};
    char hea[] = "HEA 200";
    char* strings[2] = {hea, nullptr};
    Set_VEK_Param_Values(&o->params, ints, nullptr, 3, nullptr, doubles, nullptr, 2, nullptr, strings,
                         nullptr, 2, nullptr);
    Set_VEKExport_Object_Text(o, "Zeile1\nZeile2");
    VEKClassData* cd = (VEKClassData*)o->data;
    cd->flags = 1;
    const int ci[1] = {5};
    const double cdbl[1] = {2.5};
    char s355[] = "S355";
    char* cs[1] = {s355};
    Set_VEK_Param_Values(&cd->params, ci, nullptr, 1, nullptr, cdbl, nullptr, 1, nullptr, cs, nullptr,
                         1, nullptr);
    return o;
}

const std::string kEndOfBlock1 = "\n0x1 1 \xAE" "End_Of_VEKExportBlock\xAF -1 0\n0\n0 0 0\n";
const std::string kEndOfBlock3 = "\n0x1 3 \xAE" "End_Of_VEKExportBlock\xAF -1 0\n0\n0 0 0\n";

std::string Expected_File(void) {
    std::string zeros;
    for (int i = 0; i < 12; i++) zeros += " 0.000000e+000";
    return "\n#VAZ_HEADER\n"
           "\n0x2 1 \xAEVEKExportObject_Header\xAF 0 0\n0\n3 0 6\n 1 156 4711\n"
           "\xAEP1\xAF\n\xAE\xAF\n\xAE_01\xAF\n\xAEQ7-ZO3\xAF\n\xAESchwei\xE1naht\xAF\n\xAE" "1.0\xAF\n" +
           kEndOfBlock1 +
           "\n#VAZ_OBJECTS\n"
           "\n0x3 2 \xAESt\x81tze\xAF 17 1\nTXB4\n\xAEKopf\xAF\n#EOC\n"
           "268435457\n"
           "3 2 2\n 1 2 3\n 5.000000e-001 -1.250000e+003\n\xAEHEA 200\xAF\n\xAE\xAF\n"
           "TXB13\n\xAEZeile1\x01Zeile2\xAF\n#VAZ_OBJECT_EOC\n"
           "1\n1 1 1\n 5\n 2.500000e+000\n\xAES355\xAF\n\n#VAZ_OBJECT_EOD\n" +
           kEndOfBlock3 +
           "\n<VAZ\n3|0|-1|-1|-1|-1|0\n0 1 0\n 1.000000e+000\n"
           "\n<VAZ\n3|1|-1|-1|-1|-1|2\n1 13 0\n 7\n" + zeros + " 8.000000e-001\n";
}

void Write_Example_File(FILE* f) {
    ASSERT_EQ(Write_VEKExport_Block(f, VEK_BLOCK_HEADER), 1);
    ASSERT_EQ(Write_VEKExportObject_Header(f, nullptr), 1);
    ASSERT_EQ(Write_End_Of_VEKExportBlock(f, VEK_BLOCK_HEADER), 1);
    ASSERT_EQ(Write_VEKExport_Block(f, VEK_BLOCK_OBJECTS), 1);
    VEKExportObject* column = Make_Column();
    ASSERT_EQ(Write_VEKExport_Object(f, column), 1);
    Free_VEKExport_Object(column);
    ASSERT_EQ(Write_End_Of_VEKExportBlock(f, VEK_BLOCK_OBJECTS), 1);

    VEKResultRecord* r = Create_VEKResult_Record();
    const int member_key[7] = {3, 0, -1, -1, -1, -1, 0};
    memcpy(r->key, member_key, sizeof member_key);
    Resize_VEKResult_Values(r, 0, 1, 0);
    r->values.doubles[0] = 1.0;
    ASSERT_EQ(Write_VEKResult_Record(f, r), 1);
    Init_VEKResult_Key_And_Values(r);
    const int kmod_key[7] = {3, 1, -1, -1, -1, -1, 2};
    memcpy(r->key, kmod_key, sizeof kmod_key);
    Resize_VEKResult_Values(r, 1, 13, 0);
    r->values.ints[0] = 7;
    r->values.doubles[12] = 0.8;
    ASSERT_EQ(Write_VEKResult_Record(f, r), 1);
    Free_VEKResult_Record(r);
}

void Check_Example_File(FILE* f) {
    ASSERT_EQ(Find_VEKExport_Block(f, VEK_BLOCK_HEADER, 1), 1);
    VEKExportObject* h = Read_VEKExportObject_Header(f);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->head.nr, 1);
    EXPECT_STREQ(h->head.name, "VEKExportObject_Header");
    EXPECT_EQ(Get_VEK_Param_Int(&h->params, 1), 156);
    EXPECT_EQ(Get_VEK_Param_Int(&h->params, 2), 4711);
    EXPECT_STREQ(Get_VEK_Param_String(&h->params, 0), "P1");
    EXPECT_STREQ(Get_VEK_Param_String(&h->params, 1), "");
    EXPECT_STREQ(Get_VEK_Param_String(&h->params, 4), "Schwei\xE1naht");
    Free_VEKExport_Object(h);
    VEKExportObject* end = Read_VEKExport_Object(f);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->head.type, VEK_TYPE_END_OF_BLOCK);
    EXPECT_EQ(end->head.nr, VEK_BLOCK_HEADER);
    Free_VEKExport_Object(end);

    ASSERT_EQ(Find_VEKExport_Block(f, VEK_BLOCK_OBJECTS, 0), 1);
    VEKExportObject* o = Read_VEKExport_Object(f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->head.type, VEK_TYPE_PLACED_OBJECT);
    EXPECT_EQ(o->head.nr, 2);
    EXPECT_EQ(o->head.id, 17);
    EXPECT_STREQ(o->head.name, "St\x81tze");
    EXPECT_STREQ(o->head.text, "Kopf");
    ASSERT_EQ(o->params.nInt, 3);
    EXPECT_EQ(o->params.ints[2], 3);
    ASSERT_EQ(o->params.nDouble, 2);
    EXPECT_EQ(o->params.doubles[1], -1250.0);
    ASSERT_EQ(o->params.nString, 2);
    EXPECT_STREQ(o->params.strings[0], "HEA 200");
    EXPECT_STREQ(Get_VEKExport_Object_Text(o), "Zeile1\nZeile2");
    ASSERT_NE(o->cls, nullptr);
    EXPECT_EQ(o->cls->kind, 1);
    const VEKClassData* cd = (const VEKClassData*)o->data;
    ASSERT_NE(cd, nullptr);
    EXPECT_EQ(cd->flags, 1);
    EXPECT_EQ(Get_VEK_Param_Int(&cd->params, 0), 5);
    EXPECT_EQ(Get_VEK_Param_Double(&cd->params, 0), 2.5);
    EXPECT_STREQ(Get_VEK_Param_String(&cd->params, 0), "S355");
    Free_VEKExport_Object(o);
    end = Read_VEKExport_Object(f);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->head.nr, VEK_BLOCK_OBJECTS);
    Free_VEKExport_Object(end);

    rewind(f);
    const int kind2[7] = {-1, -1, -1, -1, -1, -1, 2};
    VEKResultRecord* r = Create_VEKResult_Record();
    ASSERT_EQ(Read_VEKResult_Record(f, kind2, r), 1);
    EXPECT_EQ(Get_VEKResult_Key_Field(r, 1), 1);
    EXPECT_EQ(Get_VEKResult_Kmod(r), 0.8);
    EXPECT_EQ(Get_VEKResult_First_Int(r), 7);
    EXPECT_EQ(Read_VEKResult_Record(f, kind2, r), 0);  // no second one
    rewind(f);
    ASSERT_EQ(Read_VEKResult_Record(f, nullptr, r), 1);
    EXPECT_EQ(Get_VEKResult_Key_Field(r, 6), 0);
    EXPECT_EQ(Get_VEKResult_Double(r, 0), 1.0);
    EXPECT_EQ(Get_VEKResult_Kmod(r), 0.0);
    Free_VEKResult_Record(r);
}

}  // namespace

TEST(VekExportFile, WholeFileByteForByteAndBack) {
    CurrentObject current;
    FILE* f = tmpfile();
    Write_Example_File(f);
    ASSERT_EQ(Stream_All(f), Expected_File());
    Check_Example_File(f);
    fclose(f);
}

TEST(VekExportFile, ReadsTheOriginalProgramsCrlfLines) {
    CurrentObject current;
    FILE* f = Stream_With(Crlf(Expected_File()));
    Check_Example_File(f);
    fclose(f);
}

TEST(VekExportObject, SmallObjectWithClassDataAndText) {
    VEKExportObject* o =
        Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 2, 17, "Knoten", VEK_CLASS_PARAM_DATA, nullptr);
    ASSERT_NE(o, nullptr);
    VEKClassData* cd = (VEKClassData*)o->data;
    cd->flags = 1;
    Resize_VEK_Param_Block(&cd->params, 1, 0, 0);
    cd->params.ints[0] = 42;
    Set_VEKExport_Object_Text(o, "Zeile1\n");
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEKExport_Object(f, o), 1);
    EXPECT_EQ(Stream_All(f), "\n0x3 2 \xAEKnoten\xAF 17 0\n268435457\n0 0 0\nTXB7\n\xAEZeile1\x01\xAF\n"
                          "#VAZ_OBJECT_EOC\n1\n1 0 0\n 42\n\n#VAZ_OBJECT_EOD\n");
    rewind(f);
    VEKExportObject* r = Read_VEKExport_Object(f);
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r->text, "Zeile1\n");
    EXPECT_EQ(r->params.nInt, 0);
    EXPECT_EQ(Get_VEK_Param_Int(&((VEKClassData*)r->data)->params, 0), 42);
    FILE* g = tmpfile();
    ASSERT_EQ(Write_VEKExport_Object(g, r), 1);
    EXPECT_EQ(Stream_All(g), Stream_All(f));
    fclose(g);
    fclose(f);
    Free_VEKExport_Object(r);
    Free_VEKExport_Object(o);

    // A data pointer without a class is kept and not freed with the object.
    static int outside = 3;
    VEKExportObject* plain = Create_VEKExport_Object(VEK_TYPE_AXIS_FRAME, 0, 0, nullptr, VEK_CLASS_NONE, &outside);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->cls, nullptr);
    EXPECT_EQ(plain->data, &outside);
    Free_VEKExport_Object(plain);
}

TEST(VekExportObject, UnknownClassSkippedAndHeaderTypeChecked) {
    FILE* f = Stream_With("\n0x3 1 \xAEx\xAF 1 0\n5\n0 0 0\nfremde Daten\n#EOC\n\n#VAZ_OBJECT_EOD\nNEXT\n");
    VEKExportObject* o = Read_VEKExport_Object(f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->cls, nullptr);
    EXPECT_EQ(Next_Line(f), "NEXT\n");
    Free_VEKExport_Object(o);
    fclose(f);

    f = Stream_With("\n0x3 1 \xAEx\xAF 1 0\n0\n0 0 0\n");
    EXPECT_EQ(Read_VEKExportObject_Header(f), nullptr);
    fclose(f);

    // An accepted header is brought to 3 ints, no doubles and 6 strings.
    f = Stream_With("\n0x2 1 \xAEh\xAF 0 0\n0\n1 1 0\n 1\n 2.0\n");
    VEKExportObject* h = Read_VEKExportObject_Header(f);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->params.nInt, 3);
    EXPECT_EQ(h->params.nDouble, 0);
    EXPECT_EQ(h->params.nString, 6);
    Free_VEKExport_Object(h);
    fclose(f);
}

TEST(VekExportObject, DamagedObjectsDoNotSwallowTheNextBlock) {
    // Object text without its end line, then the next block.
    FILE* f = Stream_With("\n0x3 1 \xAEx\xAF 1 0\n268435456\n0 0 0\nTXB3\n\xAE" "abc\xAF\n"
                        "\n#VAZ_PARAM\n\n0x5 1 \xAEy\xAF 2 0\n0\n0 0 0\n");
    EXPECT_EQ(Read_VEKExport_Object(f), nullptr);
    ASSERT_EQ(Find_VEKExport_Block(f, VEK_BLOCK_PARAM, 0), 1);
    VEKExportObject* next = Read_VEKExport_Object(f);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->head.type, 5);
    Free_VEKExport_Object(next);
    fclose(f);

    // Each damaged object is refused, but for class data that cannot be read
    // between its lines: the object stays, without its data.
    const struct {
        const char* bytes;
        bool kept;
    } damaged[] = {
        // class data without "#VAZ_OBJECT_EOD" up to the end of the file
        {"\n0x3 1 \xAEx\xAF 1 0\n1\n0 0 0\n1\n1 0 0\n 4\n", false},
        // text block cut off in its chunk
        {"\n0x3 1 \xAEx\xAF 1 0\n268435456\n0 0 0\nTXB50\n\xAE" "abc", false},
        // absurd counts of the object's block and of its class data
        {"\n0x3 1 \xAEx\xAF 1 0\n0\n2000000000 0 0\n 1\n", false},
        {"\n0x3 1 \xAEx\xAF 1 0\n1\n0 0 0\n1\n0 2000000000 0\n\n#VAZ_OBJECT_EOD\n", true},
        // cut before the flags line
        {"\n0x3 1 \xAEx\xAF 1 0\n", false},
        {"", false},
    };
    for (const auto& d : damaged) {
        f = Stream_With(d.bytes);
        VEKExportObject* o = Read_VEKExport_Object(f);
        EXPECT_EQ(o != nullptr, d.kept) << d.bytes;
        if (o) {
            EXPECT_NE(o->cls, nullptr) << d.bytes;
            EXPECT_EQ(o->data, nullptr) << d.bytes;
        }
        Free_VEKExport_Object(o);
        fclose(f);
    }
}

TEST(VekExportObject, DamagedObjectsDoNotSwallowTheNextObject) {
    const std::string next = "\n0x5 9 \xAEnext\xAF 2 0\n268435456\n0 0 0\nTXB2\n\xAEok\xAF\n#VAZ_OBJECT_EOC\n";
    const char* damaged[] = {
        // object text without its end line
        "\n0x3 1 \xAEx\xAF 1 0\n268435456\n0 0 0\nTXB3\n\xAE" "abc\xAF\n",
        // text block holding fewer bytes than it announces, end line present
        "\n0x3 1 \xAEx\xAF 1 0\n268435456\n0 0 0\nTXB50\n\xAE" "abc\xAF\n#VAZ_OBJECT_EOC\n",
        // the same with class data behind it
        "\n0x3 1 \xAEx\xAF 1 0\n268435457\n0 0 0\nTXB50\n\xAE" "abc\xAF\n#VAZ_OBJECT_EOC\n"
        "1\n1 0 0\n 4\n\n#VAZ_OBJECT_EOD\n",
        // class data without "#VAZ_OBJECT_EOD"
        "\n0x3 1 \xAEx\xAF 1 0\n1\n0 0 0\n1\n1 0 0\n 4\n",
        // head text without "#EOC"
        "\n0x3 1 \xAEx\xAF 1 1\nTXB4\n\xAEKopf\xAF\n0\n0 0 0\n",
    };
    for (const char* bytes : damaged) {
        FILE* f = Stream_With(bytes + next);
        EXPECT_EQ(Read_VEKExport_Object(f), nullptr) << bytes;
        VEKExportObject* o = Read_VEKExport_Object(f);
        ASSERT_NE(o, nullptr) << bytes;
        EXPECT_EQ(o->head.type, 5);
        EXPECT_EQ(o->head.nr, 9);
        EXPECT_STREQ(o->text, "ok");
        Free_VEKExport_Object(o);
        fclose(f);
    }
    // A head text cut short is refused as well.
    FILE* f = Stream_With("\n0x3 1 \xAEx\xAF 1 1\nTXB9\n\xAEKopf\xAF\n#EOC\n0\n0 0 0\n");
    EXPECT_EQ(Read_VEKExport_Object(f), nullptr);
    fclose(f);

    // A missing text block is no damage: the object comes without text.
    f = Stream_With("\n0x3 1 \xAEx\xAF 1 0\n268435456\n0 0 0\n#VAZ_OBJECT_EOC\n" + next);
    VEKExportObject* o = Read_VEKExport_Object(f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->text, nullptr);
    Free_VEKExport_Object(o);
    o = Read_VEKExport_Object(f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->head.type, 5);
    Free_VEKExport_Object(o);
    fclose(f);
}

TEST(VekExportObject, WriteFailuresAreReported) {
    // Objects that would not read back as they are: refused before the first
    // byte, so that no half object stands in the file.
    for (int spoil = 0; spoil < 4; spoil++) {
        VEKExportObject* bad = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 1, 1, "x", VEK_CLASS_PARAM_DATA,
                                                       nullptr);
        VEKClassData* data = static_cast<VEKClassData*>(bad->data);
        char* long_string[1] = {const_cast<char*>("0123456789012345678901234567890123456789012345678901234567890"
                                                  "123456789012345678901234567890123456789")};  // 100
        if (spoil == 0) Set_VEKExport_Object_Text(bad, "a\xAF" "b");
        if (spoil == 1) Set_VEK_Object_Head_Text(strdup("Kopf\x01"), &bad->head);
        if (spoil == 2)
            Set_VEK_Param_Values(&bad->params, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr,
                                 long_string, nullptr, 1, nullptr);
        if (spoil == 3) {
            data->flags = VEK_CLASS_DATA_HAS_BLOCK;
            Set_VEK_Param_Values(&data->params, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr,
                                 long_string, nullptr, 1, nullptr);
        }
        FILE* f = tmpfile();
        EXPECT_EQ(Write_VEKExport_Object(f, bad), 0) << spoil;
        EXPECT_EQ(Stream_All(f), "") << spoil;
        fclose(f);
        f = tmpfile();
        EXPECT_EQ(Write_VEKExport_Object_Body(f, bad), spoil == 1 ? 1 : 0) << spoil;  // no head here
        EXPECT_EQ(Stream_All(f).empty(), spoil != 1) << spoil;
        fclose(f);
        Free_VEKExport_Object(bad);
    }
    VEKExportObject* o = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 1, 1, "x", VEK_CLASS_NONE, nullptr);
    Set_VEKExport_Object_Text(o, "ok");
    testutil::TempDir dir;
    testutil::Write_File(dir.file("ro.txt"), "");
    FILE* ro = fopen(dir.file("ro.txt").c_str(), "r");
    EXPECT_EQ(Write_VEKExport_Object(ro, o), 0);
    EXPECT_EQ(Write_VEKExport_Block(ro, 1), 0);
    EXPECT_EQ(Write_VEKResult_Mark(ro), 0);
    fclose(ro);
    EXPECT_EQ(Write_VEKExport_Object(nullptr, o), 0);
    EXPECT_EQ(Set_VEKExport_Object_Text(o, ""), 1);
    EXPECT_EQ(Get_VEKExport_Object_Text(o), nullptr);
    Free_VEKExport_Object(o);
}

TEST(VekExportBlock, BlockLinesAndSharedEndObject) {
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEKExport_Block(f, 7), 1);
    ASSERT_EQ(Write_VEKExport_Block(f, 0), 1);
    EXPECT_EQ(Stream_All(f), "\n#VAZ_??????\n\n#VAZ_??????\n");
    fclose(f);
    EXPECT_STREQ(VEKExport_Block_Name(2), "#VAZ_EINWNCHW");
    EXPECT_STREQ(VEKExport_Block_Name(4), "#VAZ_PARAM");
    f = tmpfile();
    ASSERT_EQ(Write_End_Of_VEKExportBlock(f, 1), 1);
    ASSERT_EQ(Write_End_Of_VEKExportBlock(f, 3), 1);
    EXPECT_EQ(Stream_All(f), kEndOfBlock1 + kEndOfBlock3);
    fclose(f);
    EXPECT_EQ(Write_End_Of_VEKExportBlock(nullptr, 1), 0);
}

TEST(VekResultRecord, KeyLines) {
    int key[7];
    FILE* f = Stream_With("3|0|5\nnext\n");
    ASSERT_EQ(Read_VEKResult_Key(f, key), 1);
    const int want[7] = {3, 0, 5, -1, -1, -1, -1};
    for (int i = 0; i < 7; i++) EXPECT_EQ(key[i], want[i]);
    EXPECT_EQ(Next_Line(f), "next\n");
    fclose(f);
    for (const char* damaged : {"3;0\n", "3|99999999999|5\n", "3|2147483648\n"}) {
        f = Stream_With(damaged);
        EXPECT_EQ(Read_VEKResult_Key(f, key), 0) << damaged;
        fclose(f);
    }
    f = Stream_With("1|2|3|4|5|6|7|8|9\nnext\n");
    ASSERT_EQ(Read_VEKResult_Key(f, key), 1);
    EXPECT_EQ(key[6], 7);
    EXPECT_EQ(Next_Line(f), "next\n");
    fclose(f);
    const int pattern[7] = {3, -1, -1, -1, -1, -1, 2};
    const int k2[7] = {3, 9, 9, 9, 9, 9, 2};
    const int k0[7] = {3, 9, 9, 9, 9, 9, 0};
    EXPECT_EQ(Match_VEKResult_Key(k2, pattern), 1);
    EXPECT_EQ(Match_VEKResult_Key(k0, pattern), 0);
    EXPECT_EQ(Match_VEKResult_Key(k0, nullptr), 1);
    EXPECT_EQ(Match_VEKResult_Key(nullptr, pattern), 0);
}

TEST(VekResultRecord, ValuesByNameIds) {
    VEKResultRecord* r = Create_VEKResult_Record();
    r->key[6] = 1;
    Resize_VEKResult_Record_Values(r, 0, 13, 0);
    for (int i = 0; i < 13; i++) r->values.doubles[i] = 100.0 + i;
    const int ids[3] = {24, 12, 99};
    double out[3];
    ASSERT_EQ(Get_VEKResult_Values(r, ids, 3, out), 1);
    EXPECT_EQ(out[0], 112.0);  // kmod
    EXPECT_EQ(out[1], 100.0);  // ur
    EXPECT_EQ(out[2], 0.0);
    ASSERT_EQ(Get_VEKResult_Values(r, nullptr, 2, out), 1);
    EXPECT_EQ(out[1], 101.0);
    EXPECT_EQ(Get_VEKResult_Kmod(r), 0.0);  // kind 1 carries no kmod
    r->key[6] = 7;
    out[0] = 5;
    EXPECT_EQ(Get_VEKResult_Values(r, ids, 1, out), 0);
    EXPECT_EQ(out[0], 0.0);
    EXPECT_EQ(Get_VEKResult_Name_Table(r), nullptr);
    Free_VEKResult_Record(r);

    const VEKValueNameTable* member = VEKResult_Name_Table(2);
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->nRows, 13);
    const VEKValueName* my = Find_VEKValueName(member, 10);
    ASSERT_NE(my, nullptr);
    EXPECT_STREQ(my->name, "M\xC1");
    EXPECT_STREQ(Find_VEKValueName(member, 3)->unit, "\x89");
    EXPECT_EQ(Find_VEKValueName_Index(VEKResult_Name_Table(3), 24), 12);
    EXPECT_EQ(Find_VEKValueName_Index(member, 12), -1);
    EXPECT_STREQ(VEKResult_Name_Table(1)->rows[6].name, "APr");
}

TEST(VekExportQuery, FindByKey) {
    PtrArr* list = PtrArr_Create(2);
    VEKExportObject* a = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 0, 10, "a", VEK_CLASS_NONE, nullptr);
    VEKExportObject* b = Create_VEKExport_Object(VEK_TYPE_AXIS_FRAME, 0, 10, "b", VEK_CLASS_NONE, nullptr);
    PtrArr_Set(list, 0, a);
    PtrArr_Set(list, 1, b);
    VEKExportFile file = {list};
    const VEKExportParam_Key key = {10, 4};
    EXPECT_EQ(Find_VEKExportParam_Obj(&key, &file), b);
    EXPECT_EQ(Find_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 10, &file), a);
    const VEKExportParam_Key missing = {11, 3};
    testing::internal::CaptureStdout();
    EXPECT_EQ(Find_VEKExportParam_Obj(&missing, &file), nullptr);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Find_VEKExportParam_Obj: (type=3, ID=11) nicht gefunden\n");
    EXPECT_EQ(Find_VEKExportParam_Obj(nullptr, &file), nullptr);
    Free_VEKExport_Object(a);
    Free_VEKExport_Object(b);
    PtrArr_Destroy(list);
}

TEST(VekExportQuery, Axes) {
    VEKExportObject* o = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 0, 1, "k", VEK_CLASS_NONE, nullptr);
    double d[14] = {0, 1, 2, 3};
    Set_VEK_Param_Values(&o->params, nullptr, nullptr, 0, nullptr, d, nullptr, 14, nullptr, nullptr,
                         nullptr, 0, nullptr);
    double out[12];
    ASSERT_EQ(Get_VEKExport_Object_Axes(o, out, 2, 0), 1);
    const double plain[12] = {1, 2, 3, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (int i = 0; i < 12; i++) EXPECT_EQ(out[i], plain[i]) << i;
    o->params.doubles[13] = M_PI / 2;
    Get_VEKExport_Object_Axes(o, out, 2, 0);
    EXPECT_NEAR(out[7], 0.0, 1e-12);
    EXPECT_NEAR(out[8], 1.0, 1e-12);
    EXPECT_NEAR(out[10], -1.0, 1e-12);
    // Mode 1 turns the stored axes about x.
    for (int i = 4; i <= 12; i++) o->params.doubles[i] = plain[i - 1];
    Get_VEKExport_Object_Axes(o, out, 1, 0);
    EXPECT_NEAR(out[7], 0.0, 1e-12);
    EXPECT_NEAR(out[8], 1.0, 1e-12);
    EXPECT_NEAR(out[10], -1.0, 1e-12);
    Free_VEKExport_Object(o);

    VEKExportObject* t = Create_VEKExport_Object(VEK_TYPE_AXIS_FRAME, 0, 1, "t", VEK_CLASS_NONE, nullptr);
    double m[12] = {0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    Set_VEK_Param_Values(&t->params, nullptr, nullptr, 0, nullptr, m, nullptr, 12, nullptr, nullptr,
                         nullptr, 0, nullptr);
    Get_VEKExport_Object_Axes(t, out, 0, 1);
    EXPECT_EQ(out[4], 4.0);
    EXPECT_EQ(out[6], 2.0);
    EXPECT_EQ(out[5], 7.0);
    EXPECT_EQ(out[9], 3.0);
    EXPECT_EQ(out[8], 8.0);
    EXPECT_EQ(out[10], 6.0);
    Free_VEKExport_Object(t);
    EXPECT_EQ(Get_VEKExport_Object_Axes(nullptr, out, 0, 0), 0);
    EXPECT_EQ(out[3], 1.0);
}

TEST(VekExportQuery, ClassValuesAndTypedValues) {
    VEKExportObject* o =
        Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 0, 1, "k", VEK_CLASS_PARAM_DATA, nullptr);
    VEKExportClassValues v;
    ASSERT_EQ(Get_VEKExport_Class_Values(o, &v), 1);
    EXPECT_EQ(v.ints[0], 0);
    VEKExportClassValues in = {{1, 2, 3, 4, 5}, {0.5, 0, 0, 0, 0, 0, 0, 8.5}, nullptr};
    char s[] = "S235";
    in.string = s;
    ASSERT_EQ(Set_VEKExport_Class_Values(o, &in), 1);
    ASSERT_EQ(Get_VEKExport_Class_Values(o, &v), 1);
    EXPECT_EQ(v.ints[4], 5);
    EXPECT_EQ(v.doubles[7], 8.5);
    EXPECT_STREQ(v.string, "S235");
    EXPECT_NE(v.string, s);
    ASSERT_EQ(Set_VEKExport_Class_Values(o, nullptr), 1);
    Get_VEKExport_Class_Values(o, &v);
    EXPECT_EQ(v.ints[4], 0);
    EXPECT_EQ(((VEKClassData*)o->data)->params.strings[0], nullptr);

    const int ints[3] = {1, 2, 33};
    Set_VEK_Param_Values(&o->params, ints, nullptr, 3, nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                         nullptr, 0, nullptr);
    EXPECT_EQ(Get_VEKExport_Typed_Int(o, VEK_TYPE_PLACED_OBJECT, 2), 33);
    EXPECT_EQ(Get_VEKExport_Typed_Int(o, VEK_TYPE_AXIS_FRAME, 2), 0);
    EXPECT_STREQ(Get_VEKExport_Typed_String(o, VEK_TYPE_PLACED_OBJECT, 0), "");
    EXPECT_EQ(Get_VEKExport_Third_Int(o), 33);
    Free_VEKExport_Object(o);

    VEKExportObject* plain = Create_VEKExport_Object(VEK_TYPE_PLACED_OBJECT, 0, 1, "p", VEK_CLASS_NONE, nullptr);
    EXPECT_EQ(Get_VEKExport_Class_Values(plain, &v), 0);
    EXPECT_EQ(Set_VEKExport_Class_Values(plain, &in), 0);
    Free_VEKExport_Object(plain);
}
