// Object heads and parameter blocks: exact file lines, round trips, growth
// and refusal of damaged blocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vekparam.h"
#include "support/testutil.h"

using testutil::Stream_All;
using testutil::Stream_With;

namespace {

struct Block {
    VEKParamBlock b;
    Block() { Init_VEK_Param_Block(&b); }
    ~Block() { Free_VEK_Param_Block(&b); }
};

}  // namespace

TEST(VekParamBlock, WritesFiveLinesAndReadsThemBack) {
    Block w;
    ASSERT_TRUE(Resize_VEK_Param_Block(&w.b, 2, 1, 2));
    w.b.ints[0] = 1;
    w.b.ints[1] = -3;
    w.b.doubles[0] = 0.5;
    char s235[] = "S235";
    char* strings[2] = {s235, nullptr};
    ASSERT_TRUE(Set_VEK_Param_Values(&w.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0,
                                     nullptr, strings, nullptr, 2, nullptr));
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEK_Param_Block(f, &w.b), 1);
    EXPECT_EQ(Stream_All(f), "2 1 2\n 1 -3\n 5.000000e-001\n\xAES235\xAF\n\xAE\xAF\n");

    rewind(f);
    Block r;
    ASSERT_EQ(Read_VEK_Param_Block(f, 0, 0, 0, &r.b, 1), 1);
    ASSERT_EQ(r.b.nInt, 2);
    ASSERT_EQ(r.b.nDouble, 1);
    ASSERT_EQ(r.b.nString, 2);
    EXPECT_EQ(r.b.ints[0], 1);
    EXPECT_EQ(r.b.ints[1], -3);
    EXPECT_EQ(r.b.doubles[0], 0.5);
    EXPECT_STREQ(r.b.strings[0], "S235");
    EXPECT_STREQ(r.b.strings[1], "");  // a null slot comes back empty
    fclose(f);
}

TEST(VekParamBlock, StringOnlyBlockAndExponentWidths) {
    Block w;
    char one[] = "Stahl S235";
    char* strings[1] = {one};
    Set_VEK_Param_Values(&w.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, strings,
                         nullptr, 1, nullptr);
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEK_Param_Block(f, &w.b), 1);
    EXPECT_EQ(Stream_All(f), "0 0 1\n\xAEStahl S235\xAF\n");
    fclose(f);

    // Two-digit exponents of other writers and CRLF line ends read as well.
    f = Stream_With("1 3 0\r\n 7\r\n 2.5e+02 -1.000000e-001 1.25E+103\r\n");
    Block r;
    ASSERT_EQ(Read_VEK_Param_Block(f, 0, 0, 0, &r.b, 1), 1);
    EXPECT_EQ(r.b.ints[0], 7);
    EXPECT_EQ(r.b.doubles[0], 250.0);
    EXPECT_EQ(r.b.doubles[1], -0.1);
    EXPECT_EQ(r.b.doubles[2], 1.25e103);
    fclose(f);
}

TEST(VekParamBlock, RefusesShortAndAbsurdBlocks) {
    const char* damaged[] = {
        "0 3 0\n 1.0 2.0\n",                     // three doubles announced, two held
        "2000000000 0 0\n 1 2 3\n",              // a count no file of this size holds
        "0 2000000000 0\n",                      //
        "0 0 1500000000\n\xAE" "a\xAF\n",        //
        "0 -1 0\n",                              // negative double count
        "0 0 -2\n",                              // negative string count
        "2 0 0\n 1 x\n",                         // an int that is not one
        "1 0\n",                                 // count line cut short
        "0 0 2\n\xAE" "a\xAF\n",                 // one string missing
        "-1 0 1\n\xAE" "a\xAF\n",               // negative int count
        "99999999999 0 0\n",                    // counts that no int holds
        "0 4294967297 0\n 1.0\n",               // (2^32 + 1 would wrap to 1)
        "2 0 0\n 1 2147483648\n",               // an int beyond 2^31 - 1
        "0 0 1\n\xAE" "abc",                    // a string without its »
    };
    for (const char* bytes : damaged) {
        FILE* f = Stream_With(bytes);
        Block r;
        EXPECT_EQ(Read_VEK_Param_Block(f, 0, 0, 0, &r.b, 1), 0) << bytes;
        fclose(f);
    }
}

TEST(VekParamBlock, StringsReadBackAsWrittenOrAreRefused) {
    // 99 characters are the most a string can carry; one more would be read
    // cut with the rest taken for the next string, so the writer refuses it
    // before writing anything, and the reader refuses it in a file.
    const std::string s99(99, 's'), s100(100, 't');
    const std::string s_close = "a\xAF" "b";
    struct Case {
        std::string first, second;
        int writes;
    } cases[] = {{s99, "zwei", 1}, {s100, "zwei", 0}, {"eins", s_close, 0}};
    for (const Case& c : cases) {
        Block w;
        char* strings[2] = {const_cast<char*>(c.first.c_str()), const_cast<char*>(c.second.c_str())};
        ASSERT_EQ(Set_VEK_Param_Values(&w.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr,
                                       strings, nullptr, 2, nullptr), 1);
        FILE* f = tmpfile();
        EXPECT_EQ(Write_VEK_Param_Block(f, &w.b), c.writes) << c.first;
        if (!c.writes) {
            EXPECT_EQ(Stream_All(f), "") << c.first;
        } else {
            rewind(f);
            Block r;
            ASSERT_EQ(Read_VEK_Param_Block(f, 0, 0, 0, &r.b, 1), 1);
            EXPECT_EQ(std::string(r.b.strings[0]), c.first);
            EXPECT_EQ(std::string(r.b.strings[1]), c.second);
        }
        fclose(f);
    }
    FILE* f = Stream_With("0 0 2\n\xAE" + s100 + "\xAF\n\xAEzwei\xAF\n");
    Block r;
    EXPECT_EQ(Read_VEK_Param_Block(f, 0, 0, 0, &r.b, 1), 0);
    fclose(f);
}

TEST(VekParamBlock, SizedByArgumentsDropsSurplusValues) {
    FILE* f = Stream_With("3 1 2\n 4 5 6\n 1.5e+000\n\xAEone\xAF\n\xAEtwo\xAF\n");
    Block r;
    ASSERT_EQ(Read_VEK_Param_Block(f, 2, 2, 1, &r.b, 0), 1);
    ASSERT_EQ(r.b.nInt, 2);
    EXPECT_EQ(r.b.ints[1], 5);
    ASSERT_EQ(r.b.nDouble, 2);
    EXPECT_EQ(r.b.doubles[0], 1.5);
    EXPECT_EQ(r.b.doubles[1], 0.0);
    ASSERT_EQ(r.b.nString, 1);
    EXPECT_STREQ(r.b.strings[0], "one");
    fclose(f);

    // A negative argument: that count is not in the file at all.
    f = Stream_With("2 0\n 8 9\n");
    Block n;
    ASSERT_EQ(Read_VEK_Param_Block(f, 2, 0, -1, &n.b, 1), 1);
    EXPECT_EQ(n.b.nString, 0);
    EXPECT_EQ(n.b.ints[1], 9);
    fclose(f);
}

TEST(VekParamBlock, ResizeCopyClearAndIsSet) {
    Block b;
    char a[] = "a", c[] = "c", d[] = "d";
    char* strings[3] = {a, c, d};
    Set_VEK_Param_Values(&b.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, strings,
                         nullptr, 3, nullptr);
    ASSERT_EQ(Resize_VEK_Param_Block(&b.b, 0, 0, 1), 1);
    EXPECT_EQ(b.b.nString, 1);
    EXPECT_STREQ(b.b.strings[0], "a");
    ASSERT_EQ(Resize_VEK_Param_Block(&b.b, 2, -5, 3), 1);
    EXPECT_EQ(b.b.ints[0], 0);
    EXPECT_EQ(b.b.doubles, nullptr);
    EXPECT_EQ(b.b.strings[2], nullptr);

    Block copy;
    ASSERT_EQ(Copy_VEK_Param_Block(&copy.b, &b.b), 1);
    EXPECT_NE(copy.b.strings[0], b.b.strings[0]);
    EXPECT_STREQ(copy.b.strings[0], "a");
    EXPECT_EQ(copy.b.strings[1], nullptr);
    EXPECT_EQ(VEK_Param_Block_Is_Set(&copy.b), 1);
    Clear_VEK_Param_Block(&copy.b);
    EXPECT_EQ(copy.b.nString, 3);
    EXPECT_EQ(VEK_Param_Block_Is_Set(&copy.b), 0);
    EXPECT_EQ(VEK_Param_Block_Is_Set(nullptr), 0);
    ASSERT_EQ(Copy_VEK_Param_Block(&copy.b, nullptr), 1);
    EXPECT_EQ(copy.b.nString, 0);
    EXPECT_EQ(copy.b.strings, nullptr);
}

TEST(VekParamBlock, SetAndGetByPositions) {
    Block b;
    const int values[3] = {10, 20, 30};
    const int targets[3] = {4, -1, 0};
    ASSERT_EQ(Set_VEK_Param_Values(&b.b, values, nullptr, 3, targets, nullptr, nullptr, 0, nullptr,
                                   nullptr, nullptr, 0, nullptr),
              1);
    ASSERT_EQ(b.b.nInt, 5);
    EXPECT_EQ(b.b.ints[4], 10);
    EXPECT_EQ(b.b.ints[0], 30);
    EXPECT_EQ(b.b.ints[1], 0);

    // Sources only: slot k is emptied even when its source is negative.
    char x[] = "x", y[] = "y";
    char* strings[2] = {x, y};
    const int sources[2] = {1, -1};
    Set_VEK_Param_Values(&b.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, strings,
                         nullptr, 2, nullptr);
    Set_VEK_Param_Values(&b.b, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, strings,
                         sources, 2, nullptr);
    EXPECT_STREQ(b.b.strings[0], "y");
    EXPECT_EQ(b.b.strings[1], nullptr);

    int ints[4] = {9, 9, 9, 9};
    Block two;
    const int two_values[2] = {7, 8};
    Set_VEK_Param_Values(&two.b, two_values, nullptr, 2, nullptr, nullptr, nullptr, 0, nullptr,
                         nullptr, nullptr, 0, nullptr);
    ASSERT_EQ(Get_VEK_Param_Values(&two.b, ints, nullptr, 4, nullptr, nullptr, 0, nullptr, nullptr,
                                   0),
              1);
    EXPECT_EQ(ints[0], 7);
    EXPECT_EQ(ints[1], 8);
    EXPECT_EQ(ints[2], 0);
    EXPECT_EQ(ints[3], 0);
    const double ddef[2] = {1.5, 2.5};
    double d[2];
    char* s[1];
    Get_VEK_Param_Values(&two.b, nullptr, nullptr, 0, d, ddef, 2, s, nullptr, 1);
    EXPECT_EQ(d[1], 2.5);
    EXPECT_STREQ(s[0], "");
    EXPECT_EQ(Get_VEK_Param_Int(&two.b, 5), 0);
    EXPECT_EQ(Get_VEK_Param_Double(nullptr, 0), 0.0);
    EXPECT_STREQ(Get_VEK_Param_String(&two.b, 0), "");
}

TEST(VekObjectHead, EndOfBlockHeadLineReadsBack) {
    VEKObjectHead h;
    Init_VEK_Object_Head(&h);
    ASSERT_EQ(Set_VEK_Object_Head(1, 3, -1, "End_Of_VEKExportBlock", &h), 1);
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEK_Object_Head(f, &h), 1);
    EXPECT_EQ(Stream_All(f), "0x1 3 \xAE" "End_Of_VEKExportBlock\xAF -1 0\n");
    Free_VEK_Object_Head(&h);
    rewind(f);
    VEKObjectHead r;
    ASSERT_EQ(Read_VEK_Object_Head(f, &r), 1);
    EXPECT_EQ(r.type, 1);
    EXPECT_EQ(r.nr, 3);
    EXPECT_EQ(r.id, -1);
    EXPECT_STREQ(r.name, "End_Of_VEKExportBlock");
    EXPECT_EQ(r.text, nullptr);
    // The head's own name given back to it stays valid.
    ASSERT_EQ(Set_VEK_Object_Head(2, 0, 0, r.name, &r), 1);
    EXPECT_STREQ(r.name, "End_Of_VEKExportBlock");
    Free_VEK_Object_Head(&r);
    fclose(f);
}

TEST(VekObjectHead, HeadTextRoundTripAndTypeForms) {
    VEKObjectHead h;
    Init_VEK_Object_Head(&h);
    Set_VEK_Object_Head(0x1a, 2, 9, "Träger"_cp, &h);
    Set_VEK_Object_Head_Text(strdup("erste\nzweite"), &h);
    FILE* f = tmpfile();
    ASSERT_EQ(Write_VEK_Object_Head(f, &h), 1);
    EXPECT_EQ(Stream_All(f), std::string("0x1a 2 \xAETr\x84ger\xAF 9 1\nTXB12\n\xAE" "erste\x01zweite\xAF\n#EOC\n"));
    Free_VEK_Object_Head(&h);
    rewind(f);
    ASSERT_EQ(Read_VEK_Object_Head(f, &h), 1);
    EXPECT_EQ(h.type, 0x1a);
    EXPECT_STREQ(h.text, "erste\nzweite");
    Free_VEK_Object_Head(&h);
    fclose(f);

    const struct { const char* line; int type; } forms[] = {
        {"26 1 \xAEx\xAF 0 0\r\n", 26}, {"032 1 \xAEx\xAF 0 0\n", 26}, {"0x1A 1 \xAEx\xAF 0 0\n", 26}};
    for (const auto& form : forms) {
        f = Stream_With(form.line);
        ASSERT_EQ(Read_VEK_Object_Head(f, &h), 1);
        EXPECT_EQ(h.type, form.type);
        Free_VEK_Object_Head(&h);
        fclose(f);
    }
}

TEST(VekObjectHead, RefusesDamagedHeads) {
    VEKObjectHead h;
    // No number after the type.
    FILE* f = Stream_With("0x3\n");
    EXPECT_EQ(Read_VEK_Object_Head(f, &h), 0);
    Free_VEK_Object_Head(&h);
    fclose(f);
    // A head text without "#EOC" before the next block line: damaged, and
    // the block line stays readable.
    f = Stream_With("0x3 1 \xAEx\xAF 5 1\nTXB2\n\xAEok\xAF\n\n#VAZ_PARAM\n");
    EXPECT_EQ(Read_VEK_Object_Head(f, &h), 0);
    Free_VEK_Object_Head(&h);
    char line[32] = {0};
    ASSERT_NE(fgets(line, sizeof line, f), nullptr);
    EXPECT_STREQ(line, "#VAZ_PARAM\n");
    fclose(f);
    // Numbers that no int holds and names the writer would not write.
    const std::string damaged[] = {
        "0x3 2147483648 \xAEx\xAF 0 0\n",
        "0x100000003 1 \xAEx\xAF 0 0\n",
        "0x3 1 \xAEx\xAF 99999999999 0\n",
        "0x3 1 \xAE" + std::string(200, 'n') + "\xAF 0 0\n",
        "0x3 1 \xAEohne Ende",
    };
    for (const std::string& bytes : damaged) {
        f = Stream_With(bytes);
        EXPECT_EQ(Read_VEK_Object_Head(f, &h), 0) << bytes;
        Free_VEK_Object_Head(&h);
        fclose(f);
    }
    EXPECT_EQ(Read_VEK_Object_Head(nullptr, &h), 0);
    EXPECT_EQ(Write_VEK_Object_Head(nullptr, &h), 0);
}

TEST(VekObjectHead, NamesAndTextsReadBackAsWrittenOrAreRefused) {
    // 199 characters are the most a name can carry; a head that would not
    // read back is refused before anything is written.
    const std::string n199(199, 'n'), n200(200, 'n');
    struct Case {
        std::string name;
        const char* text;
        int writes;
    } cases[] = {{n199, "Text", 1}, {n200, nullptr, 0}, {"a\xAF" "b", nullptr, 0}, {"k", "a\x01z", 0}};
    for (const Case& c : cases) {
        VEKObjectHead h;
        Init_VEK_Object_Head(&h);
        Set_VEK_Object_Head(3, 1, 7, c.name.c_str(), &h);
        Set_VEK_Object_Head_Text(c.text ? strdup(c.text) : nullptr, &h);
        FILE* f = tmpfile();
        EXPECT_EQ(Write_VEK_Object_Head(f, &h), c.writes) << c.name;
        Free_VEK_Object_Head(&h);
        if (!c.writes) {
            EXPECT_EQ(Stream_All(f), "") << c.name;
        } else {
            rewind(f);
            ASSERT_EQ(Read_VEK_Object_Head(f, &h), 1);
            EXPECT_EQ(std::string(h.name), c.name);
            EXPECT_STREQ(h.text, c.text);
            Free_VEK_Object_Head(&h);
        }
        fclose(f);
    }
}
