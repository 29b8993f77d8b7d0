// Paragraph writer: block heads, change groups, paragraph ends and their
// kind words, tab lines, long texts and refused writes, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp850.h"
#include "printlist/list_capture.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"

namespace {

const std::string kHead = "\n#SHOWPARA\n0x0\n4\n-1\n";

TEST(ParagraphWriter, DefaultParagraphAndItsEnd) {
    ListCapture list;
    EXPECT_EQ(OLI_printf(list.f(), "Hallo %d\n", 7), 0);
    EXPECT_EQ(OLI_End_Text(list.f()), 0);
    EXPECT_EQ(list.Take(), kHead + " Hallo 7\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(ParagraphWriter, LineBuiltFromTwoWritesAndEmptyPieces) {
    ListCapture list;
    OLI_printf(list.f(), "erster");
    OLI_printf(list.f(), " zweiter\n");
    OLI_printf(list.f(), "\n\nx");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " erster zweiter\n \n \n x\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(ParagraphWriter, EmptyTextStillOpensABlock) {
    ListCapture list;
    EXPECT_EQ(OLI_printf(list.f(), "%s", ""), 0);
    EXPECT_EQ(list.Take(), kHead);
}

TEST(ParagraphWriter, SpaceAfterLastTextTravelsInTheEndGroup) {
    ListCapture list;
    OLI_printf(list.f(), "a\n");
    OLI_Add_Para_Offset(-0.38);
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " a\n#END_OF_TEXT\n0x1000\n2 -0.38\n-1\n");
}

TEST(ParagraphWriter, SpaceBeforeFirstTextGoesIntoTheFieldLinesOnce) {
    ListCapture list;
    OLI_Add_Para_Offset(0.3);
    OLI_printf(list.f(), "t\n");
    OLI_New_Paragraph();
    OLI_printf(list.f(), "u\n");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x10\n4\n2 0.3\n-1\n t\n#END_OF_TEXT\n0x4\n0x0\n4\n-1\n u\n");
}

TEST(ParagraphWriter, IndentInOpenParagraphWritesChangeGroup) {
    ListCapture list;
    OLI_printf(list.f(), "a");
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 1.3);
    OLI_Set_Para_Mode(3);
    OLI_printf(list.f(), "b\n");
    EXPECT_EQ(list.Take(), kHead + " a\n#END_OF_TEXT\n0x4\n0x20\n3\n2 1.3 2 0\n-1\n b\n");
}

TEST(ParagraphWriter, TabListsSetAndCleared) {
    ListCapture list;
    OLI_printf(list.f(), "x\n");
    const double pos[2] = {2.5, 7.25};
    const int kinds[2] = {2, 17};
    OLI_Set_Tabs(50, kinds, pos, 2);
    OLI_printf(list.f(), "y\n");
    OLI_End_Tabs();
    OLI_printf(list.f(), "z\n");
    EXPECT_EQ(list.Take(), kHead +
                               " x\n#END_OF_TEXT\n0x4\n0x40\n4\n0x0 2\n2 2.5\n1 7.25\n-1\n y\n"
                               "#END_OF_TEXT\n0x4\n0x40\n4\n0x0 0\n-1\n z\n");
}

TEST(ParagraphWriter, SingleHangingTabAndCutAt100Stops) {
    ListCapture list;
    OLI_Set_Single_Tab(17, 1.5);
    OLI_printf(list.f(), "h\n");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x40\n4\n0x2\n1 1.5\n-1\n h\n");

    OLI_End_Text(list.f());
    std::vector<double> many(150);
    for (size_t i = 0; i < many.size(); ++i) many[i] = 0.5 * static_cast<double>(i + 1);
    OLI_Set_Tabs(2, nullptr, many.data(), 150);
    OLI_printf(list.f(), "t\n");
    std::string out = list.Take();
    EXPECT_NE(out.find("0x40\n4\n0x0 100\n2 0.5\n"), std::string::npos);
    EXPECT_NE(out.find("\n2 50\n-1\n t\n"), std::string::npos);  // stop 100 is the last
    EXPECT_EQ(out.find("2 50.5"), std::string::npos);
}

// Field lines of a format written again are those of its format and stops
// as they are now: a stop moved, a kind changed, a hanging width instead of
// a list of one stop, an indent of -0 instead of 0 (the lines differ only
// in what changed).
TEST(ParagraphWriter, RepeatedFormatsFollowTheirStops) {
    ListCapture list;
    const double at[2] = {2.5, 7.25}, moved[2] = {2.5, 7.5};
    const int kinds[2] = {2, 17}, other[2] = {2, 4};
    const struct {
        void (*set)(const double*, const int*);
        const double* positions;
        const int* kinds;
        const char* fields;
    } steps[] = {
        {[](const double* p, const int* k) { OLI_Set_Tabs(0, k, p, 2); }, at, kinds, "0x40\n4\n0x0 2\n2 2.5\n1 7.25\n"},
        {[](const double* p, const int* k) { OLI_Set_Tabs(0, k, p, 2); }, moved, kinds, "0x40\n4\n0x0 2\n2 2.5\n1 7.5\n"},
        {[](const double* p, const int* k) { OLI_Set_Tabs(0, k, p, 2); }, at, other, "0x40\n4\n0x0 2\n2 2.5\n4 7.25\n"},
        {[](const double* p, const int* k) { OLI_Set_Tabs(0, k, p, 2); }, at, kinds, "0x40\n4\n0x0 2\n2 2.5\n1 7.25\n"},
        {[](const double* p, const int* k) { OLI_Set_Tabs(0, k, p, 1); }, at, kinds, "0x40\n4\n0x0 1\n2 2.5\n"},
        {[](const double*, const int*) { OLI_Set_Single_Tab(2, 2.5); }, at, kinds, "0x40\n4\n0x2\n2 2.5\n"},
        {[](const double*, const int*) { OLI_Set_Para_Indent(-0.0); }, at, kinds, "0x0\n4\n"},
        {[](const double*, const int*) { OLI_Set_Para_Indent(0.0); }, at, kinds, "0x0\n4\n"},
        {[](const double*, const int*) { OLI_Set_Para_Second_Indent(-0.0); }, at, kinds, "0x0\n4\n"},
    };
    OLI_printf(list.f(), "a\n");
    list.Take();
    for (int round = 0; round < 2; ++round) {
        for (const auto& s : steps) {
            OLI_New_Paragraph();
            s.set(s.positions, s.kinds);
            OLI_printf(list.f(), "t\n");
            EXPECT_EQ(list.Take(), std::string("#END_OF_TEXT\n0x4\n") + s.fields + "-1\n t\n") << s.fields;
        }
    }
}

// Stops set before the first text of a freshly opened list (the writer
// not yet used) belong to that text's block.
TEST(ParagraphWriter, TabsSetBeforeFirstUseAreKept) {
    const double pos[2] = {1.5, 4.0};
    const struct {
        void (*set)(const double*);
        const char* fields;
    } cases[] = {
        {[](const double* p) { OLI_Set_Tabs(2, nullptr, p, 2); }, "0x40\n4\n0x0 2\n2 1.5\n2 4\n"},
        {[](const double*) { OLI_Set_Single_Tab(17, 2.25); }, "0x40\n4\n0x2\n1 2.25\n"},
        {[](const double* p) {
             OLI_Set_Tabs(50, nullptr, p, 1);
             OLI_End_Tabs();
         },
         "0x40\n4\n0x0 0\n"},
    };
    for (const auto& c : cases) {
        ListCapture list;
        c.set(pos);
        OLI_printf(list.f(), "x\n");
        EXPECT_EQ(list.Take(), std::string("\n#SHOWPARA\n") + c.fields + "-1\n x\n");
    }
}

// The mark goes on the paragraph being written, not on the pending one:
// the next text closes it with a change group of kind 0x4 + 0x2000 and
// continues unmarked.
TEST(ParagraphWriter, ParaFlagMarksTheParagraphBeingWritten) {
    ListCapture list;
    OLI_printf(list.f(), "a\n");
    OLI_Set_Para_Flag();
    OLI_printf(list.f(), "b\n");
    OLI_End_Text(list.f());
    EXPECT_EQ(list.Take(), kHead + " a\n#END_OF_TEXT\n0x2004\n0x0\n4\n-1\n b\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(ParagraphWriter, OptionalFieldLinesInTheirOrder) {
    ListCapture list;
    OLI_Set_Para_Second_Indent(0.5);
    OLI_Set_Para_Factor(1.25);
    OLI_Set_Para_Second_Space(0.2);
    OLI_Set_Para_Flags(OLI_PARA_VIEWER_8 | 0x4);  // only the own bits are taken
    OLI_printf(list.f(), "f\n");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0xc28\n4\n2 0 2 0.5\n1.25\n2 0.2\n-1\n f\n");
}

// Kind words of change groups (inside) and ends: flag 0x80 on both
// formats, the paragraph mark 0x2000 and a space line.
TEST(ParagraphWriter, EveryKindWord) {
    for (int bits = 0; bits < 8; ++bits) {
        bool f80 = bits & 1, mark = bits & 2, space = bits & 4;
        unsigned kind = (f80 ? 0x100u : 0u) | (mark ? 0x2000u : 0u) | (space ? 0x1000u : 0u);
        std::string fields = f80 ? "0x80\n4\n" : "0x0\n4\n";
        char buf[64];
        for (int inside = 0; inside < 2; ++inside) {
            ListCapture list;
            if (f80) OLI_Set_Para_Flags(OLI_PARA_CHAINED);
            OLI_printf(list.f(), "a\n");
            list.Take();
            if (mark) OLI_Set_Para_Flag();
            std::string expected;
            if (inside) {
                OLI_New_Paragraph();
                if (f80) OLI_Set_Para_Flags(OLI_PARA_CHAINED);
                if (space) OLI_Add_Para_Offset(0.5);
                OLI_printf(list.f(), "b\n");
                std::snprintf(buf, sizeof buf, "#END_OF_TEXT\n0x%x\n", kind | 0x4);
                expected = std::string(buf) + (space ? "2 0.5\n" : "") + fields + "-1\n b\n";
            } else {
                if (space) OLI_Add_Para_Offset(0.5);
                OLI_End_Text(list.f());
                std::snprintf(buf, sizeof buf, "#END_OF_TEXT\n0x%x\n", kind);
                expected = std::string(buf) + (space ? "2 0.5\n" : "") + "-1\n";
            }
            EXPECT_EQ(list.Take(), expected) << "bits " << bits << " inside " << inside;
        }
    }
}

TEST(ParagraphWriter, EndTextTwiceAndNullStream) {
    ListCapture list;
    OLI_printf(list.f(), "a\n");
    EXPECT_EQ(OLI_End_Text(list.f()), 0);
    list.Take();
    EXPECT_EQ(OLI_End_Text(list.f()), -1);
    EXPECT_EQ(list.Take(), "");
    EXPECT_EQ(OLI_printf(nullptr, "x\n"), -1);
    EXPECT_EQ(OLI_Write_Para_Format(nullptr, nullptr, 1), -1);
    EXPECT_EQ(OLI_Write_Para_Format(list.f(), nullptr, 1), 0);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n4\n");
}

// A text of 1,000 characters or more used to be dropped; it is written
// whole now, as one line.
TEST(ParagraphWriter, LongTextIsWrittenWhole) {
    ListCapture list;
    std::string big(1500, 'x');
    EXPECT_EQ(OLI_printf(list.f(), "%s\n", big.c_str()), 0);
    EXPECT_EQ(list.Take(), kHead + " " + big + "\n");
}

// Texts are formatted straight into the stream's buffer where they fit;
// the bytes are the same on a stream whose small buffer keeps filling up,
// and a text that is not one piece of a line (several lines, a zero byte)
// still takes the line rules.
TEST(ParagraphWriter, TextsTheSameWhateverTheStreamBuffer) {
    for (const size_t buffer : {size_t{0}, size_t{700}, size_t{1} << 16}) {
        ListCapture list;
        std::vector<char> room(buffer + 1);
        if (buffer) std::setvbuf(list.f(), room.data(), _IOFBF, buffer);
        std::string want = kHead;
        for (int i = 0; i < 40; i++) {
            EXPECT_EQ(OLI_printf(list.f(), "Zeile %d: %.2f", i, i * 0.5), 0);
            EXPECT_EQ(OLI_printf(list.f(), " cm%s", i % 3 ? "\n" : "\n\nfrei "), 0);
            EXPECT_EQ(OLI_printf(list.f(), "%s", ""), 0);
            char line[64];  // no blank after "frei ": that line goes on
            std::snprintf(line, sizeof line, "%sZeile %d: %.2f cm\n", i % 3 == 1 ? "" : " ", i, i * 0.5);
            want += line;
            if (i % 3 == 0) want += " \n frei ";
        }
        EXPECT_EQ(OLI_printf(list.f(), "a%cb\nc\n", 0), 0);  // a zero byte ends what is written of its line
        want += "a\n c\n";
        EXPECT_EQ(list.Take(), want);
    }
}

TEST(ParagraphWriter, TextIsNotReadAgainAsFormat) {
    ListCapture list;
    OLI_printf(list.f(), "%s\n", "100 %s %n %d");
    EXPECT_EQ(list.Take(), kHead + " 100 %s %n %d\n");
}

TEST(ParagraphWriter, RefusedWriteGivesMinusOne) {
    testutil::TempDir dir;
    testutil::Write_File(dir.file("ro.oli"), "");
    FILE* ro = std::fopen(dir.file("ro.oli").c_str(), "r");
    ASSERT_NE(ro, nullptr);
    Oli_Writer_Init(0, 0, OLI_WRITER_PLAIN_NUMBERS);
    EXPECT_EQ(OLI_printf(ro, "text\n"), -1);
    std::fclose(ro);
}

// An unfinished paragraph of one list must not continue in the next one.
TEST(ParagraphWriter, NewListStartsWithANewBlock) {
    ListCapture first;
    OLI_printf(first.f(), "offen");
    OLI_Set_Para_Indent(2.0);
    ListCapture second;  // opening a list initialises the writer
    OLI_printf(second.f(), "b\n");
    EXPECT_EQ(second.Take(), kHead + " b\n");
}

TEST(ParagraphWriter, CompareSymbolsAndStaticFormat) {
    EXPECT_STREQ(Get_Compare_Symbol(1.0f, 1.0f), "\xF3");
    EXPECT_STREQ(Get_Compare_Symbol(1.0f, 2.0f), "<");
    EXPECT_STREQ(Get_Compare_Symbol(3.0f, 2.0f), ">");
    EXPECT_STREQ(Get_Compare_Symbol_GE(2.0f, 1.0f), ">");
    EXPECT_STREQ(Get_Compare_Symbol_GE(1.0f, 1.0f), "\xF2");
    EXPECT_STREQ(Get_Compare_Symbol_GE(1.0f, 2.0f), "<");
    // Equal in single precision though not in double.
    EXPECT_STREQ(Get_Compare_Symbol(static_cast<float>(1.0), static_cast<float>(1.0 + 1e-12)), "\xF3");

    std::string s99(99, 'a');
    EXPECT_EQ(std::string(Format_Static("%s", s99.c_str())), s99);
    EXPECT_STREQ(Format_Static("%s", std::string(100, 'b').c_str()), "");
    EXPECT_STREQ(Format_Static("%.2f", 1.005e1), "10.05");
}

}  // namespace

namespace {
// Room kept for what follows: the open paragraph ends (its pending space
// travels in the end group), the room is reserved, and the next paragraph
// goes on in the format the ended one had (mode, indent, stops). With no
// paragraph open the pending space waits for the next text, and the room
// kept holds it: 0.94 + 0.3 = 1.24 cm.
TEST(ParagraphWriter, KeptSpaceEndsTheParagraphAndKeepsItsFormat) {
    ListCapture list;
    OLI_Set_Para_Mode(3);
    OLI_Set_Para_Indent(0.3);
    const double pos[2] = {2.0, 4.5};
    OLI_Set_Tabs(2, nullptr, pos, 2);
    OLI_printf(list.f(), "a\n");
    OLI_Add_Para_Offset(0.2);
    EXPECT_EQ(OLI_Keep_Space(list.f(), 1.41), 0);
    OLI_printf(list.f(), "b\n");
    OLI_End_Text(list.f());
    OLI_Add_Para_Offset(0.3);
    EXPECT_EQ(OLI_Keep_Space(list.f(), 0.94), 0);
    OLI_printf(list.f(), "c\n");
    const std::string format = "0x60\n3\n2 0.3 2 0\n0x0 2\n2 2\n2 4.5\n-1\n";
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n" + format + " a\n#END_OF_TEXT\n0x1000\n2 0.2\n-1\n#RESERVESPACE\n1.41\n" +
                               "\n#SHOWPARA\n" + format + " b\n#END_OF_TEXT\n0x0\n-1\n#RESERVESPACE\n1.24\n" +
                               "\n#SHOWPARA\n0x10\n4\n2 0.3\n-1\n c\n");
    EXPECT_EQ(OLI_Keep_Space(nullptr, 1.0), -1);
}
}  // namespace
