// Text writer: layout state, headings with numbers and bookmarks, text
// lines, check lines, comparison texts, markup replacement, tabbed lists and
// the version line, byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/list_capture.h"
#include "printlist/version_file.h"
#include "support/testutil.h"

namespace {

const std::string kEnd = "#END_OF_TEXT\n0x0\n-1\n";
const std::string kHeadingMoves = "#SETMARGINS\n257 0 0\n#SETYPOS\n256 0.254\n#RESERVESPACE\n3\n";

TEST(TextWriterState, ChapterCountersCharsPerLineAndHangingIndent) {
    ListCapture list;
    EXPECT_EQ(Oli_Get_Chapter_Counter(1), 0);
    Oli_Set_Chapter_Counter(0, 4);  // level 0 reads and writes level 1
    Oli_Set_Chapter_Counter(9, 2);  // level 9 is level 6
    Oli_Next_Chapter_Counter(6);
    EXPECT_EQ(Oli_Get_Chapter_Counter(1), 4);
    EXPECT_EQ(Oli_Get_Chapter_Counter(6), 3);

    EXPECT_EQ(Oli_Chars_Per_Line(4), 96);
    EXPECT_EQ(Oli_Chars_Per_Line(11), 96);
    EXPECT_EQ(Oli_Chars_Per_Line(2), 165);
    Oli_Set_Left_Margin(nullptr, 8.5);  // stored even without a list
    EXPECT_FLOAT_EQ(Oli_Get_Left_Margin(), 8.5f);
    EXPECT_EQ(Oli_Chars_Per_Line(4), 48);
    Oli_Set_Left_Margin(nullptr, 0.0);

    Oli_Writer_Init(3, 0, 0);
    EXPECT_NEAR(Oli_Hanging_Indent(), 1.74, 1e-12);
    Oli_Writer_Init(4, 1, 0);
    EXPECT_NEAR(Oli_Hanging_Indent(), 4 * 0.28 + 0.2, 1e-12);
    Oli_Writer_Init(0, 1, 0);
    EXPECT_NEAR(Oli_Hanging_Indent(), 0.35, 1e-12);
    const int kinds[2] = {1, 2};
    Oli_Writer_Init(2, 1, 0);
    Oli_Set_Level_Kinds(kinds);
    EXPECT_NEAR(Oli_Hanging_Indent(), 0.28 + 0.48 + 0.35, 1e-12);
}

TEST(TextWriterState, PositionIndicesAndLayoutCalls) {
    ListCapture list;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(Oli_Store_Y_Position(list.f()), i);
    EXPECT_EQ(Oli_Store_Y_Position(list.f()), -1);
    EXPECT_EQ(Oli_Store_Y_Position(nullptr), -1);
    Oli_Restore_Y_Position(list.f(), 3);
    Oli_Restore_Y_Position(list.f(), 3);  // free now: nothing
    Oli_Return_To_Y_Position(list.f(), 4);
    Oli_Restore_Y_Position(list.f(), -1);
    EXPECT_EQ(Oli_Store_Y_Position(list.f()), 3);
    Oli_Reset_Position_Indices();
    EXPECT_EQ(Oli_Store_Y_Position(list.f()), 0);
    std::string out = list.Take();
    const std::string tail = "#STOREYPOS\n9\n#RESTOREYPOS\n3\n#RESTOREYPOS\n4\n#STOREYPOS\n3\n#STOREYPOS\n0\n";
    ASSERT_GE(out.size(), tail.size());
    EXPECT_EQ(out.substr(out.size() - tail.size()), tail);

    Oli_Move_Lines(list.f(), 2.0);
    Oli_Move_Y(list.f(), -0.5);
    Oli_Y_To_Top(list.f());
    Oli_Reserve_Lines(list.f(), 10.0);
    Oli_Reserve_Small_Lines(list.f(), 10.0);
    Oli_Set_Right_Margin(list.f(), 2.0);
    Oli_Set_Right_Margin(list.f(), 0.0);
    EXPECT_EQ(list.Take(),
              "#SETYPOS\n256 0.76\n#SETYPOS\n256 -0.5\n#SETYPOS\n4 0\n#RESERVESPACE\n3.8\n#RESERVESPACE\n2.86\n"
              "#SETMARGINS\n257 0 2.000000\n#SETMARGINS\n257 0 0\n");
}

// Stored positions of one list are not taken over by the next one.
TEST(TextWriterState, NewListFreesStoredPositions) {
    {
        ListCapture first;
        EXPECT_EQ(Oli_Store_Y_Position(first.f()), 0);
        EXPECT_EQ(Oli_Store_Y_Position(first.f()), 1);
    }
    ListCapture second;
    EXPECT_EQ(Oli_Store_Y_Position(second.f()), 0);
}

TEST(Headings, LevelOneAndTwoWithTheWeldProgramsStartValues) {
    ListCapture list;
    Oli_Heading(list.f(), 1, "%s", "Eingabe");
    EXPECT_EQ(list.Take(), kHeadingMoves + "#SETBOOKMARK\n16\n \xCE@1. Eingabe\n"
                                           "\n#SHOWPARA\n0x0\n5\n-1\n \xCE@1. Eingabe\n"
                                           "#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
                                           "#SETYPOS\n256 0.1\n#SETMARGINS\n257 0 0\n#SETYPOS\n256 -0.19\n");
    Oli_Heading(list.f(), 2, "Profil %d", 3);
    EXPECT_EQ(list.Take(), kHeadingMoves + "#SETBOOKMARK\n0\n \xCE@1.1. Profil 3\n"
                                           "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@1.1. Profil 3\xCEr\n" +
                               kEnd + "#SETMARGINS\n257 0 0\n");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.1.");
}

TEST(Headings, NumberingAndBookmarkLevels) {
    ListCapture list;
    Oli_Heading(list.f(), 1, "A");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.");
    list.Take();
    Oli_Heading(list.f(), 1, "B");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "2.");
    // The sibling's bookmark level is closed first.
    EXPECT_EQ(list.Take().substr(0, 19), "#SETBOOKMARK\n17\n \n#");
    Oli_Heading(list.f(), 2, "C");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "2.1.");
    Oli_Heading(list.f(), 1, "D");
    Oli_Heading(list.f(), 2, "E");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "3.1.");
    list.Take();
    Oli_Close_Bookmarks(list.f());
    EXPECT_EQ(list.Take(), "#SETBOOKMARK\n17\n \n");

    Oli_Numbering_Off();
    EXPECT_EQ(Oli_Get_Heading_Number(), nullptr);
    Oli_Heading_Simple(list.f(), 2, "Ohne");
    EXPECT_EQ(list.Take(), kHeadingMoves + "\n#SHOWPARA\n0x0\n4\n-1\n \xCEHOhne\xCEr\n" + kEnd +
                               "#SETMARGINS\n257 0 0\n");
    Oli_Numbering_On();
    Oli_Heading_Bookmark(list.f(), 2, 19, "M");
    EXPECT_NE(list.Take().find("#SETBOOKMARK\n19\n \xCE@3.3. M\n"), std::string::npos);
}

// Levels 3 to 6 and a level beyond 6 (counted on level 6, without
// clearing anything); deeper levels get bookmark level 0 and no bookmark
// closes; a level-1 heading clears every deeper counter.
TEST(Headings, DeepLevels) {
    ListCapture list;
    Oli_Heading(list.f(), 1, "A");
    Oli_Heading(list.f(), 2, "B");
    list.Take();
    Oli_Heading(list.f(), 3, "Tiefe %d", 3);
    EXPECT_EQ(list.Take(), kHeadingMoves + "#SETBOOKMARK\n0\n \xCE@1.1.1. Tiefe 3\n"
                                           "\n#SHOWPARA\n0x0\n4\n-1\n \xCEH\xCE@1.1.1. Tiefe 3\xCEr\n" +
                               kEnd + "#SETMARGINS\n257 0 0\n");
    Oli_Heading(list.f(), 4, "D");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.1.1.1.");
    Oli_Heading(list.f(), 5, "E");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.1.1.1.1.");
    Oli_Heading(list.f(), 6, "F");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.1.1.1.1.1.");
    Oli_Heading(list.f(), 9, "G");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.1.1.1.1.2.");
    std::string out = list.Take();
    EXPECT_NE(out.find("#SETBOOKMARK\n0\n \xCE@1.1.1.1.1.2. G\n"), std::string::npos);
    EXPECT_EQ(out.find("#SETBOOKMARK\n17\n"), std::string::npos);
    Oli_Heading(list.f(), 1, "H");
    EXPECT_EQ(Oli_Get_Chapter_Counter(2), 0);
    EXPECT_EQ(Oli_Get_Chapter_Counter(6), 0);
    Oli_Heading(list.f(), 3, "I");  // a skipped level counts from 0
    EXPECT_STREQ(Oli_Get_Heading_Number(), "2.0.1.");
}

TEST(Headings, TabbedNumberWithHangingIndent) {
    ListCapture list;
    Oli_Writer_Init(3, 0, 0);
    Oli_Heading_Simple(list.f(), 2, "Naht");
    EXPECT_EQ(list.Take(), kHeadingMoves + "\n#SHOWPARA\n0x40\n4\n0x0 1\n1 1.74\n-1\n \xCEH\xCE@0.1.\xCEtNaht\xCEr\n" +
                               kEnd + "#SETMARGINS\n257 1.740000 0\n");
    EXPECT_FLOAT_EQ(Oli_Get_Left_Margin(), 1.74f);
    Oli_Set_Left_Margin(nullptr, 0.0);
}

TEST(Headings, PlainTitleSilentHeadingAndNullStream) {
    ListCapture list;
    Oli_Heading(list.f(), 0, "Titel");
    EXPECT_EQ(list.Take(), "#SETYPOS\n256 0.114\n\n#SHOWPARA\n0x0\n4\n-1\n \xCEHTitel\xCEr\n" + kEnd);
    EXPECT_EQ(Oli_Get_Chapter_Counter(1), 0);

    Oli_Heading_Silent(list.f(), 1, "Still");
    EXPECT_EQ(Oli_Get_Chapter_Counter(1), 1);
    EXPECT_EQ(list.Take(), "#SETBOOKMARK\n16\n \xCE@1. Still\n#SETYPOS\n256 -0.19\n");

    Oli_Heading(nullptr, 1, "x");
    Oli_Heading(list.f(), -1, "x");
    EXPECT_EQ(Oli_Get_Chapter_Counter(1), 1);
    Oli_Chapter_Heading(nullptr, 2, "x", 1, 0);  // counts, writes nothing
    EXPECT_EQ(Oli_Get_Chapter_Counter(2), 1);
    EXPECT_EQ(list.Take(), "");
}

TEST(TextLines, EmptyLineTrailingZerosAndCheckMark) {
    ListCapture list;
    Oli_Text_Line(list.f(), "%s", "");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n \n" + kEnd);

    Oli_Set_Strip_Zeros(1);
    Oli_Text_Line(list.f(), "F = %.3f kN, a = 3.000 m, Nr. 3. Zeile, 3.", 12.5);
    Oli_Set_Strip_Zeros(0);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n F = 12.5 kN, a = 3 m, Nr. 3 Zeile, 3.\n" + kEnd);

    Oli_Text_Line_Check(list.f(), "Zeile 100%", 0);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n Zeile 100%\n" + kEnd +
                               "#SETYPOS\n256 -0.38\n#SETMARGINS\n257 17.000000 0\n"
                               "\n#SHOWPARA\n0x0\n7\n-1\n \xCE" "b!!\n" + kEnd + "#SETMARGINS\n257 0 0\n");
}

// Superscript bytes used to be cut after four replacements.
TEST(TextLines, EveryPowerByteIsReplaced) {
    ListCapture list;
    Oli_Text_Line(list.f(), "m\xFD m\xFD m\xFD m\xFD m\xFD m\xFA");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n m\xCE/2\xCEr m\xCE/2\xCEr m\xCE/2\xCEr m\xCE/2\xCEr "
                           "m\xCE/2\xCEr m\xCE/3\xCEr\n" + kEnd);
}

TEST(TextLines, ParagraphsBigTextAndTextAtTab) {
    ListCapture list;
    Oli_Text_Small(list.f(), "klein");
    Oli_Text_Paragraph(list.f(), "%s\n", "normal");
    Oli_Text_Big(list.f(), "gro\xE1");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n3\n-1\n klein\n" + kEnd + "\n#SHOWPARA\n0x0\n3\n-1\n normal\n" + kEnd +
                               "\n#SHOWPARA\n0x0\n5\n-1\n gro\xE1\n" + kEnd);
    Oli_Text_At_Tab(list.f(), 12.5, "rechts");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 12.5\n-1\n rechts\n" + kEnd);
    Oli_Text_Paragraph(nullptr, "x");
    Oli_Text_Line(nullptr, "x");
    EXPECT_EQ(list.Take(), "");
}

// The list version of the picture state, set for one test and put back.
class ListVersion {
public:
    explicit ListVersion(int version) : keep_(Oli_Get_List_Version()) { Oli_Set_List_Version(version); }
    ~ListVersion() { Oli_Set_List_Version(keep_); }
    ListVersion(const ListVersion&) = delete;
    ListVersion& operator=(const ListVersion&) = delete;

private:
    int keep_;
};

// Below list version 335 the text writers write their older blocks: a
// paragraph is a block that holds only its title, a text line a table
// block; the failure mark takes the same road.
TEST(TextLines, OlderFormsBelowVersion335) {
    ListCapture list;
    {
        ListVersion older(334);
        Oli_Text_Paragraph(list.f(), "%s", "Titel");
        EXPECT_EQ(list.Take(), "#SHOWTABLE\n 0 0 1\n Titel\n 0 0 0 0\n#SETYPOS\n256 -0.85\n");
        Oli_Text_Big(list.f(), "Gro%c", 'S');
        EXPECT_EQ(list.Take(), "#SHOWTABLE\n 1 0 0\n GroS\n 0 0 0 0\n#SETYPOS\n256 -0.9\n");
        Oli_Text_Line_Check(list.f(), "A = 2 m\xFD", 0);
        EXPECT_EQ(list.Take(), "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n A = 2 m\xCE/2\xCEr\n#END_OF_TEXT\n"
                               "#SETYPOS\n256 -0.601133\n#SETYPOS\n256 -0.38\n#SETMARGINS\n257 17.000000 0\n"
                               "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n \xCE" "b!!\n#END_OF_TEXT\n"
                               "#SETYPOS\n256 -0.601133\n#SETMARGINS\n257 0 0\n");
    }
    ListVersion current(335);
    Oli_Text_Paragraph(list.f(), "%s", "Titel");
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n3\n-1\n Titel\n" + kEnd);
}

// Below list version 335 a heading is a small picture of text records:
// with the weld program's start values one record of number and title;
// numbered with a hanging indent one record per level and the title at the
// indent, levels 2 and 3 each four times for bold print.
TEST(Headings, OlderFormsBelowVersion335) {
    ListCapture list;
    ListVersion older(334);
    Oli_Heading(list.f(), 1, "%s", "Eingabe");
    EXPECT_EQ(list.Take(), "#SETMARGINS\n257 0 0\n#RESERVESPACE\n3\n"
                           "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.800000\n 7 5\n"
                           " 2 0.000000 0.200000 \xAE" "1. Eingabe\xAF\n -1\n"
                           "#SETBOOKMARK\n16\n 1. Eingabe\n#SETBOOKMARK\n15\n \n"
                           "#SETYPOS\n256 -0.6\n#SETMARGINS\n257 0 0\n#SETYPOS\n256 -0.19\n");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.");

    Oli_Writer_Init(3, 0, 0);
    Oli_Set_Chapter_Counter(1, 2);
    Oli_Heading_Simple(list.f(), 2, "Naht");
    std::string records;
    const char* texts[3][2] = {{"0.000000", "2."}, {"0.480000", "1."}, {"1.740000", "Naht"}};
    for (const auto& r : texts) {
        double x = std::atof(r[0]);
        char line[80];
        for (int i = 0; i < 4; ++i) {
            std::snprintf(line, sizeof line, " 2 %f %f \xAE%s\xAF\n", x + (i & 1 ? 0.01 : 0.0),
                          0.1 + (i & 2 ? 0.01 : 0.0), r[1]);
            records += line;
        }
    }
    EXPECT_EQ(list.Take(), "#SETMARGINS\n257 0 0\n#RESERVESPACE\n3\n"
                           "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.700000\n 7 4\n" +
                               records + " -1\n#SETYPOS\n256 -0.6\n#SETMARGINS\n257 1.740000 0\n");
    EXPECT_STREQ(Oli_Get_Heading_Number(), "1.");  // not changed by this form
    EXPECT_EQ(Oli_Get_Chapter_Counter(2), 1);
    Oli_Set_Left_Margin(nullptr, 0.0);

    Oli_Numbering_Off();
    Oli_Chapter_Heading(list.f(), 4, "Ohne", 1, 0);
    Oli_Numbering_On();
    EXPECT_EQ(list.Take(), "#SETMARGINS\n257 0 0\n#RESERVESPACE\n3\n"
                           "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n 0.000000 17.000000 0.000000 0.700000\n 7 4\n"
                           " 2 0.000000 0.100000 \xAEOhne\xAF\n -1\n"
                           "#SETBOOKMARK\n0\n Ohne\n#SETBOOKMARK\n15\n \n#SETYPOS\n256 -0.6\n#SETMARGINS\n257 0 0\n");
    Oli_Chapter_Heading(nullptr, 4, "x", 1, 0);  // counts, writes nothing
    EXPECT_EQ(Oli_Get_Chapter_Counter(4), 2);
    EXPECT_EQ(list.Take(), "");
}

TEST(CheckLines, MetAndFailed) {
    ListCapture list;
    EXPECT_EQ(Oli_Check_Line(list.f(), "Nachweis:", 1.004, "<=", 1.00, 2, "", "erf\xFCllt", "nicht"), 1);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n Nachweis: 1.00 = 1.00\xCEr  erf\xFCllt\n" + kEnd);

    EXPECT_EQ(Oli_Check_Line(list.f(), "\xE5", 1.2, "=<", 1.0, 2, "[-]", "ok", "zu gro\xE1"), 0);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n \xE5 \xCE" "b1.20 > 1.00\xCEr [-] \xCE" "bzu gro\xE1\n" + kEnd +
                               "#SETYPOS\n256 -0.38\n#SETMARGINS\n257 17.000000 0\n"
                               "\n#SHOWPARA\n0x0\n7\n-1\n \xCE" "b!!\n" + kEnd + "#SETMARGINS\n257 0 0\n");

    // Failed without a failure text: no mark; unknown operators fail.
    EXPECT_EQ(Oli_Check_Line(list.f(), nullptr, 2.0, ">=", 1.0, 1, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(Oli_Check_Line(list.f(), nullptr, 2.0, "<", 1.0, 1, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(Oli_Check_Line(list.f(), nullptr, 0.5, "<", 1.0, 1, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(Oli_Check_Line(list.f(), nullptr, 1.5, ">", 1.0, 1, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(Oli_Check_Line(list.f(), nullptr, 0.5, "!=", 1.0, 1, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(list.Take().find("#SETYPOS"), std::string::npos);
}

TEST(CheckLines, CompareSignsAndTexts) {
    EXPECT_EQ(Compare_Sign_Tol(1.02, 1.00, 2, 0.05), '>');
    EXPECT_EQ(Compare_Sign_Tol(1.00, 1.02, 2, 0.05), '\xF7');
    EXPECT_EQ(Compare_Sign_Tol(1.00, 1.10, 2, 0.05), '<');
    EXPECT_EQ(Compare_Sign_Tol(1.004, 1.00, 2, 0.0), '=');
    EXPECT_EQ(Compare_Sign(0.996, 1.0, 2), '=');
    EXPECT_EQ(Compare_Sign(0.9, 1.0, 2), '<');

    EXPECT_STREQ(Compare_Text_Tol(1.5, 1.0, 2, 0.05, 0, "N_Rd", "kN"), "1.50 kN > 1.00 kN");
    EXPECT_STREQ(Compare_Text_Tol(1.5, 1.0, 2, 0.05, 2, "N_Rd", "kN"), "1.50 kN > 1.00 kN  \x88 N_Rd = 1.50 kN");
    EXPECT_STREQ(Compare_Text_Tol(1.5, 1.0, 2, 0.05, 4, "N_Rd", "kN"), "1.50 kN > 1.00 kN  \x88 N_Rd = 1.00 kN");
    EXPECT_STREQ(Compare_Text_Tol(0.98, 1.0, 2, 0.05, 3, "x", nullptr), "0.98 \xF7 1.00  \x88 x = 1.00 ");
    EXPECT_STREQ(Compare_Text_Tol(0.98, 1.0, 2, 0.05, 0, "x", ""), "0.98 \xF7 1.00  \x88 x = 0.98 ");

    char out[100];
    EXPECT_STREQ(Compare_Text_Op("f_y", 300, "<=", 235, 0, out, sizeof out), "300 > 235  \x88  f_y = 235");
    EXPECT_STREQ(Compare_Text_Op("x", 1, "<=", 2, 1, out, sizeof out), "1.0 < 2.0");
    EXPECT_STREQ(Compare_Text_Op("x", 3, "?", 2, 0, out, sizeof out), "3 > 2");
    // The out buffer's size is kept to.
    char small[8];
    std::memset(small, 'Z', sizeof small);
    EXPECT_STREQ(Compare_Text_Op("f_y", 300, "<=", 235, 0, small, sizeof small), "300 > 2");
}

TEST(Markup, OpenSwitchesTrimAndReplacement) {
    const char* t = "\xCE" "bfett\xCErnormal\xCE\\sub";
    EXPECT_EQ(Markup_Is_Bold_Open(t, t + 4), 1);
    EXPECT_EQ(Markup_Is_Bold_Open(t, nullptr), 0);
    EXPECT_EQ(Markup_Is_Subscript_Open(t, nullptr), 1);
    EXPECT_EQ(Markup_Is_Superscript_Open(t, nullptr), 0);
    EXPECT_EQ(Markup_Is_Underscore_Open("\xCE_x", nullptr), 1);
    EXPECT_EQ(Markup_Is_S_Open("\xCEsx\xCEr", nullptr), 0);

    EXPECT_EQ(Trimmed_Length(""), 0);
    EXPECT_EQ(Trimmed_Length("   "), 0);
    EXPECT_EQ(Trimmed_Length(" ab  "), 3);

    char buf[64] = "\xCE" "bA\xFD\xCEr m\xFD";
    Replace_With_Markup(buf, "\xFD", "\xCE/2\xCEr", sizeof buf);
    EXPECT_STREQ(buf, "\xCE" "bA\xCE/2\xCEr\xCE" "b\xCEr m\xCE/2\xCEr");
    char cut[6] = "a\xFDz";
    Replace_With_Markup(cut, "\xFD", "\xCE/2\xCEr", sizeof cut);
    EXPECT_STREQ(cut, "a\xCE/2\xCE");
}

TEST(TabbedLists, RowsCheckRowAndEnd) {
    ListCapture list;
    Oli_List_Tabs_3(0.0, 4.0, 9.0);
    Oli_List_Row_3(list.f(), "a", "b", "%d", 5);
    Oli_List_Check_Row(list.f(), "c", "d", "%.1f", 1.5, '>', "%.1f", 1.0, 0, "zu gro\xE1");
    Oli_List_End(list.f());
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 4\n2 9\n-1\n a\xCEtb\xCEt" "5\n"
                           " c\xCEtd\xCEt\xCE" "b1.5\xCE" "b > \xCE" "b1.0\xCE" "b  zu gro\xE1\n"
                           "#END_OF_TEXT\n0x1004\n2 -0.38\n0x60\n7\n2 17 2 0\n0x0 2\n2 4\n2 9\n-1\n \xCE" "b!!\n" +
                               kEnd);
    Oli_List_Cell(list.f(), "nach dem Ende");  // no list active: nothing
    EXPECT_EQ(list.Take(), "");
}

TEST(TabbedLists, AllStopsWhenFirstPositionIsNotZero) {
    ListCapture list;
    Oli_List_Tabs_2(1.0, 5.0);
    Oli_List_Space(list.f(), 1.0);
    Oli_List_Compare_Row(list.f(), "x", "y", "%.0f", 2.0, '<', "%.0f", 3.0);
    Oli_List_End(list.f());
    // Two cells: the row's third cell starts the next line.
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x50\n7\n2 0.38\n0x0 2\n2 1\n2 5\n-1\n \xCEtx\xCEty\n \xCEt" "2 < 3\n" + kEnd);
}

// A list whose stops are set while another is still active ends the
// earlier paragraph at its next cell and goes on with its own stops.
TEST(TabbedLists, RestartedListEndsTheEarlierParagraph) {
    ListCapture list;
    Oli_List_Tabs_2(0.0, 3.0);
    Oli_List_Cell(list.f(), "a");
    Oli_List_Tabs_2(0.0, 5.0);
    Oli_List_Cell(list.f(), "b");
    Oli_List_Cell(list.f(), "c");
    Oli_List_End(list.f());
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 3\n-1\n a\n" + kEnd +
                               "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 5\n-1\n b\xCEtc\n" + kEnd);
}

// No count and a first position at 0: no list. No count with a real first
// position: a list without stops in which every cell ends its line.
TEST(TabbedLists, ListWithoutCount) {
    ListCapture list;
    const double at_zero[1] = {0.004};
    Oli_List_Tabs(0, at_zero);
    Oli_List_Cell(list.f(), "weg");
    EXPECT_EQ(list.Take(), "");
    const double real[1] = {2.0};
    Oli_List_Tabs(0, real);
    Oli_List_Cell(list.f(), "a");
    Oli_List_Cell(list.f(), "b");
    Oli_List_End(list.f());
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n7\n-1\n \xCEta\n \xCEtb\n" + kEnd);
}

TEST(VersionLine, WithAndWithoutVersionFile) {
    testutil::TempDir exec;
    testutil::ScopedEnv env("EXEC", exec.str());
    ListCapture list;
    Oli_Version_Line(list.f(), "weldprog");
    EXPECT_EQ(list.Take(), "#SETMARGINS\n257 15.200070 0\n\n#SHOWPARA\n0x0\n3\n-1\n WELDPROG Version: ???\n" + kEnd +
                               "#SETMARGINS\n257 0 0\n");

    std::filesystem::create_directories(exec.path() / "Q7-KX417");
    testutil::Write_File(exec.file("Q7-KX417/VERSION"), "Prog 2.41a\r\nBuild <7b\n");
    EXPECT_STREQ(Read_Program_Version_File("Q7-KX417"), "Prog 2.47b");
    Oli_Version_Line(list.f(), "Q7-KX417");
    EXPECT_EQ(list.Take(), "#SETMARGINS\n257 16.666700 0\n\n#SHOWPARA\n0x0\n3\n-1\n Prog 2.47b\n" + kEnd +
                               "#SETMARGINS\n257 0 0\n");
}

TEST(VersionLine, VersionFileReader) {
    {
        testutil::ScopedEnv env("EXEC", std::nullopt);
        EXPECT_EQ(Read_Program_Version_File("X"), nullptr);
    }
    testutil::TempDir exec;
    testutil::ScopedEnv env("EXEC", exec.str());
    EXPECT_EQ(Read_Program_Version_File("fehlt"), nullptr);
    std::filesystem::create_directories(exec.path() / "P");
    // Windows-style directory separator in the name, long first line, and a
    // "<" without two characters after it.
    testutil::Write_File(exec.file("P/VERSION"), std::string(300, 'v') + "\n<1\nx<ab<cd\n");
    {  // an empty entry names no directory: nothing is looked for elsewhere
        testutil::ScopedEnv empty("EXEC", "");
        EXPECT_EQ(Read_Program_Version_File((exec.str() + "/P").c_str()), nullptr);
    }
    const char* v = Read_Program_Version_File("P");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(std::string(v), std::string(253, 'v') + "cd");
    testutil::Write_File(exec.file("P/VERSION"), "");
    EXPECT_STREQ(Read_Program_Version_File("P"), "");
    // A single line without line end keeps its last character.
    testutil::Write_File(exec.file("P/VERSION"), "Prog 1.0");
    EXPECT_STREQ(Read_Program_Version_File("P"), "Prog 1.0");
    testutil::Write_File(exec.file("P/VERSION"), "x\n<ab\n");
    EXPECT_STREQ(Read_Program_Version_File("P"), "x");  // too short to patch
    // A FIFO or a directory in its place is no version file: before, the
    // FIFO kept the reader waiting for a writer.
    std::filesystem::remove(exec.file("P/VERSION"));
    ASSERT_EQ(mkfifo(exec.file("P/VERSION").c_str(), 0600), 0);
    EXPECT_EQ(Read_Program_Version_File("P"), nullptr);
    std::filesystem::remove(exec.file("P/VERSION"));
    std::filesystem::create_directory(exec.file("P/VERSION"));
    EXPECT_EQ(Read_Program_Version_File("P"), nullptr);
}

}  // namespace

namespace {

// Bookmark levels managed down to level 3: a return to a higher level
// closes the sibling and every deeper level (last - level + 1 closes);
// deeper headings get bookmark level 0 and leave the bookkeeping alone;
// headings beyond the bookmark depth get no entry at all.
TEST(Headings, BookmarkLevelsClosedOnReturnToAHigherLevel) {
    ListCapture list;
    Oli_Set_Bookmark_Max_Level(3);
    const std::string close = "#SETBOOKMARK\n17\n \n";
    Oli_Heading(list.f(), 1, "A");
    Oli_Heading(list.f(), 2, "B");
    Oli_Heading(list.f(), 3, "C");
    Oli_Heading(list.f(), 4, "D");
    std::string out = list.Take();
    EXPECT_EQ(out.find(close), std::string::npos);
    EXPECT_NE(out.find("#SETBOOKMARK\n16\n \xCE@1.1.1. C\n"), std::string::npos);
    EXPECT_NE(out.find("#SETBOOKMARK\n0\n \xCE@1.1.1.1. D\n"), std::string::npos);

    Oli_Heading(list.f(), 1, "E");
    EXPECT_EQ(list.Take().substr(0, 3 * close.size() + 1), close + close + close + "#");
    Oli_Heading(list.f(), 2, "F");
    EXPECT_EQ(list.Take().substr(0, 1), "#");
    EXPECT_EQ(list.Take(), "");
    Oli_Heading(list.f(), 2, "G");
    out = list.Take();
    EXPECT_EQ(out.substr(0, close.size() + 1), close + "#");
    EXPECT_EQ(out.find(close, 1), std::string::npos);
    EXPECT_NE(out.find("#SETBOOKMARK\n16\n \xCE@2.2. G\n"), std::string::npos);
    // Two levels open (1 and 2): both closed at the end of the list.
    Oli_Close_Bookmarks(list.f());
    EXPECT_EQ(list.Take(), close + close);

    Oli_Set_Bookmark_Depth(2);
    Oli_Heading(list.f(), 3, "H");
    out = list.Take();
    EXPECT_EQ(out.find("#SETBOOKMARK"), std::string::npos);
    EXPECT_NE(out.find("\xCEH\xCE@2.2.1. H\xCEr\n"), std::string::npos);
}

}  // namespace

namespace {

// The named second part only where its mode asks for it: mode 3 when the
// value is below the limit, mode 4 and mode 2 when above, any other mode
// when below; never without a name.
TEST(CheckLines, CompareTextSecondPartOnlyWhereItsModeAsks) {
    EXPECT_STREQ(Compare_Text_Tol(1.5, 1.0, 1, 0.0, 3, "x", "m"), "1.5 m > 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(0.5, 1.0, 1, 0.0, 3, "x", "m"), "0.5 m < 1.0 m  \x88 x = 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(0.5, 1.0, 1, 0.0, 4, "x", "m"), "0.5 m < 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(0.5, 1.0, 1, 0.0, 2, "x", "m"), "0.5 m < 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(1.5, 1.0, 1, 0.0, 1, "x", "m"), "1.5 m > 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(0.5, 1.0, 1, 0.0, 1, "x", "m"), "0.5 m < 1.0 m  \x88 x = 0.5 m");
    EXPECT_STREQ(Compare_Text_Tol(1.04, 1.0, 1, 0.0, 4, "x", "m"), "1.0 m = 1.0 m");
    EXPECT_STREQ(Compare_Text_Tol(0.5, 1.0, 1, 0.0, 0, nullptr, "m"), "0.5 m < 1.0 m");
    char out[64];
    EXPECT_STREQ(Compare_Text_Op("x", 2.0, ">=", 1.0, 1, out, sizeof out), "2.0 > 1.0");
    EXPECT_STREQ(Compare_Text_Op("x", 0.5, "=>", 1.0, 1, out, sizeof out), "0.5 < 1.0  \x88  x = 1.0");
    EXPECT_STREQ(Compare_Text_Op("x", 1.5, "<", 1.0, 1, out, sizeof out), "1.5 > 1.0  \x88  x = 1.0");
}

}  // namespace
