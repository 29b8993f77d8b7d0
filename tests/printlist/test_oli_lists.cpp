// Symbol pictures, legend, literature, collection lists with their output
// styles and frames, frame escapes, factor tables and the fill-pattern
// chart, byte for byte from their forms, read back by the viewer's reader,
// and their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/messages.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliwrt.h"
#include "printlist/list_capture.h"
#include "printlist/list_reader.h"
#include "printlist/oli_collect.h"
#include "printlist/oli_factor_table.h"
#include "printlist/oli_fill_chart.h"
#include "printlist/oli_frames.h"
#include "printlist/oli_legend.h"
#include "printlist/oli_symbol_picture.h"
#include "support/testutil.h"

namespace test_oli_lists {
namespace {

const std::string kEnd = "#END_OF_TEXT\n0x0\n-1\n";

// A small paragraph (font mode 3) of one line, as Oli_Text_Paragraph writes it.
std::string Small(const std::string& line) { return "\n#SHOWPARA\n0x0\n3\n-1\n " + line + "\n" + kEnd; }

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) n++;
    return n;
}

// ---- symbol pictures ------------------------------------------------------------

TEST(SymbolPicture, PrefixedAndFramedForms) {
    ListCapture list;
    Oli_Set_Table_Title("SYM\\");
    Oli_Picture_Symbol(list.f(), 3.5, 2.5, "PFEIL.OCM");
    const std::string head = "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 3.5 0 2.5\n";
    const std::string up = "#SETYPOS\n256 -0.3\n";
    EXPECT_EQ(list.Take(), head + " 27 0 2.5 %FONT%\\SYM\\PFEIL.OCM\n-1\n" + up);
    Oli_Framed_Symbol_Picture(list.f(), 3.5, 2.5, "PFEIL.OCM");
    EXPECT_EQ(list.Take(), head + " 27 0 2.5 %FONT%\\PFEIL.OCM\n" +
                               " 1  0.000000 0.000000 0.000000 2.500000\n"
                               " 1  0.000000 2.500000 3.500000 2.500000\n"
                               " 1  3.500000 2.500000 3.500000 0.000000\n"
                               " 1  3.500000 0.000000 0.000000 0.000000\n-1\n" +
                               up);
    Oli_Set_Table_Title("");

    Oli_Picture_Symbol(list.f(), -1.0, 2.0, "A.OCM");
    Oli_Picture_Symbol(list.f(), NAN, 2.0, "A.OCM");
    Oli_Picture_Symbol(list.f(), 1.0, 2.0, nullptr);
    Oli_Picture_Symbol(list.f(), 1.0, 2.0, "A\nB");
    Oli_Picture_Symbol(nullptr, 1.0, 2.0, "A.OCM");
    EXPECT_EQ(list.Take(), "");
}

// ---- legend and literature ---------------------------------------------------------

class LegendTest : public ::testing::Test {
protected:
    void SetUp() override {
        Oli_Legend_Clear();
        Oli_Literature_Clear();
    }
    void TearDown() override {
        Oli_Legend_Clear();
        Oli_Literature_Clear();
        Oli_Set_Left_Margin(nullptr, 0.0);
    }
    ListCapture list_;
};

TEST_F(LegendTest, EntriesKeysMarksAndRefusals) {
    // "f" 0xCE "\" "y" 0xCE "r" (6 bytes), 0xCE "r - " (5), the
    // explanation filled in (16), 0xCE "r" (2): 29 bytes.
    EXPECT_EQ(Oli_Legend_Add("f\xCE\\y\xCEr", "Streckgrenze %d", 235), 29);
    EXPECT_EQ(Oli_Legend_Add("f\xCE\\y\xCEr", "%s", "anders"), 0);
    EXPECT_EQ(Oli_Legend_Count(), 1);
    // A key from a value; the explanation is taken as it is ("%" stays).
    EXPECT_EQ(Oli_Legend_Add_Value("l%.0f", "Länge in %"_cp, 2.0), 2 + 5 + 10 + 2);
    Oli_Legend_Mark();
    EXPECT_EQ(Oli_Legend_Add("b", "%s", "Breite"), 1 + 5 + 6 + 2);
    Oli_Legend_Reset_To_Mark();
    EXPECT_EQ(Oli_Legend_Count(), 2);
    Oli_Legend_Drop(-1);
    EXPECT_EQ(Oli_Legend_Count(), 2);
    Oli_Legend_Drop(5);
    EXPECT_EQ(Oli_Legend_Count(), 0);

    // Formats for other values than the one given, texts beyond their
    // limits, line breaks and a 76th entry are refused.
    EXPECT_EQ(Oli_Legend_Add_Value("l%s", "x", 1.0), -1);
    EXPECT_EQ(Oli_Legend_Add_Value("l%.0f%d", "x", 1.0), -1);
    EXPECT_EQ(Oli_Legend_Add_Value("l%.999f", "x", 1.0), -1);
    EXPECT_EQ(Oli_Legend_Add_Value("l%.0f", "x", NAN), -1);
    EXPECT_EQ(Oli_Legend_Add(std::string(26, 'k').c_str(), "%s", "x"), -1);
    EXPECT_EQ(Oli_Legend_Add("k", "%s", std::string(201, 'e').c_str()), -1);
    EXPECT_EQ(Oli_Legend_Add("k", "%s", "zwei\nZeilen"), -1);
    EXPECT_EQ(Oli_Legend_Add(nullptr, "%s", "x"), -1);
    EXPECT_EQ(Oli_Legend_Count(), 0);
    for (int i = 0; i < 75; i++) EXPECT_GT(Oli_Legend_Add(std::to_string(i).c_str(), "%s", "x"), 0);
    EXPECT_EQ(Oli_Legend_Add("76", "%s", "x"), -1);
    EXPECT_EQ(Oli_Legend_Count(), 75);
}

TEST_F(LegendTest, CitationsNumberTheirReferencesOnce) {
    EXPECT_GT(Oli_Legend_Add_Citation("a", "nach [%d]", "EN 1990"), 0);
    EXPECT_GT(Oli_Legend_Add_Citation("b", "nach [%d]", "EN 1993-1-8"), 0);
    EXPECT_GT(Oli_Legend_Add_Citation_Value("c%.0f", "nach [%d]", 3.0, "EN 1990"), 0);
    EXPECT_EQ(Oli_Literature_Add("EN 1993-1-8"), 2);
    // A refused format adds no reference.
    EXPECT_EQ(Oli_Legend_Add_Citation("d", "nach [%s]", "EN 1992"), -1);
    EXPECT_EQ(Oli_Literature_Add("EN 1992"), 3);
    EXPECT_EQ(Oli_Literature_Add(std::string(201, 'r').c_str()), 0);
    EXPECT_EQ(Oli_Literature_Add(nullptr), 0);
    for (int i = 4; i <= 20; i++) EXPECT_EQ(Oli_Literature_Add(("Norm " + std::to_string(i)).c_str()), i);
    EXPECT_EQ(Oli_Literature_Add("Norm 21"), 0);

    Oli_Legend_Write(list_.f());
    const std::string out = list_.Take();
    EXPECT_NE(out.find("a\xCEr - nach [1]\xCEr"), std::string::npos) << out;
    EXPECT_NE(out.find("c3\xCEr - nach [1]\xCEr"), std::string::npos) << out;
}

TEST_F(LegendTest, PackedLinesTakeTheWidthOfTheLine) {
    // Entries of 100, 50 and 20 bytes ("k╬r - " 6, explanation, "╬r" 2) at
    // 160 characters a line: 100 + 5 + 50 + 4 = 159 fits, the third starts
    // a new line; the first line keeps two of the five blanks, the last too.
    const std::string e1(92, 'a'), e2(42, 'b'), e3(12, 'c');
    Oli_Legend_Add("k", "%s", e1.c_str());
    Oli_Legend_Add("l", "%s", e2.c_str());
    Oli_Legend_Add("m", "%s", e3.c_str());
    const std::string t1 = "k\xCEr - " + e1 + "\xCEr", t2 = "l\xCEr - " + e2 + "\xCEr", t3 = "m\xCEr - " + e3 + "\xCEr";
    Oli_Legend_Write(list_.f());
    EXPECT_EQ(list_.Take(), "#SETYPOS\n256 0.1\n" + Small(t1 + "     " + t2 + "  ") + Small(t3 + "  ") +
                                "#SETYPOS\n256 0.4\n");
    // At a left margin of 8.5 cm a line holds round(8.5 x 160 / 17) = 80:
    // the first entry alone (however long), the second starts a line
    // (105 + 50 + 4 > 80) that holds the third (55 + 20 + 4 = 79).
    Oli_Set_Left_Margin(nullptr, 8.5);
    Oli_Legend_Write(list_.f());
    EXPECT_EQ(list_.Take(), "#SETYPOS\n256 0.1\n" + Small(t1 + "  ") + Small(t2 + "     " + t3 + "  ") +
                                "#SETYPOS\n256 0.4\n");
    Oli_Legend_Clear();
    Oli_Legend_Write(list_.f());
    Oli_Legend_Write_Table(list_.f());
    EXPECT_EQ(list_.Take(), "");
}

TEST_F(LegendTest, TableBehindTheWidestKey) {
    // Widest visible key "fy" (2) + 1: one tab stop at 3 (kind 2, code 2),
    // the first cell at the margin, in paragraph mode 3.
    Oli_Legend_Add("f\xCE\\y\xCEr", "%s", "Streckgrenze");
    Oli_Legend_Add("A", "%s", "Fläche"_cp);
    Oli_Legend_Write_Table(list_.f());
    EXPECT_EQ(list_.Take(), "#SETYPOS\n256 0.1\n\n#SHOWPARA\n0x40\n3\n0x0 1\n2 3\n-1\n"
                            " f\xCE\\y\xCEr\xCEtStreckgrenze\n A\xCEtFl\x84" "che\n" + kEnd);
    EXPECT_EQ(Oli_Get_Line_Font_Code(), 7);
}

TEST_F(LegendTest, LiteratureListReadsAsTwoTables) {
    Oli_Literature_Add("EN 1990");
    Oli_Literature_Add("EN 1993-1-8");
    Oli_Literature_List(list_.f());
    // Room for (2 + 3) small lines: 1.43 cm.
    const std::string out = list_.Take();
    EXPECT_EQ(out, "#RESERVESPACE\n1.43\n#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n"
                   "#SETYPOS\n256 -0.8\n#SETCONVERTIONFLAGS\n 1\n"
                   "#SHOWTABLE\n 0 0 2\n  [1] EN 1990\n  [2] EN 1993-1-8\n0 0 -1 -1\n#END_OF_TEXT\n"
                   "#SETCONVERTIONFLAGS\n 0\n");
    ReadList r = Read_List(out);
    EXPECT_EQ(r.damaged, 0);
    std::vector<ReadBlock> tables = Blocks_Of(r, "TABLE");
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].titles, std::vector<std::string>{"Literatur und Normen:"});
    EXPECT_EQ(tables[1].titles, (std::vector<std::string>{" [1] EN 1990", " [2] EN 1993-1-8"}));
    Oli_Literature_Clear();
    Oli_Literature_List(list_.f());
    EXPECT_EQ(list_.Take(), "");
}

// ---- collection lists ----------------------------------------------------------------

// List k with a line, its continuation, a blank line and another line.
void Four_Lines(int k) {
    Oli_List_Open(k);
    Oli_List_Add(k, "%s", "eins");
    Oli_List_Add(k, "%s", "+weiter");
    Oli_List_Add(k, "%s", "");
    Oli_List_Add(k, "%s", "zwei");
}

TEST(CollectionList, CountsWidthsAndLines) {
    EXPECT_EQ(Oli_List_Is_Open(11), 0);
    Oli_List_Open_2Col(5, 0.0, 10.0);
    Oli_List_Add(5, "abc");
    Oli_List_Add(5, "abcdef");  // second line: 6 + 10 = 16
    Oli_List_Add(5, "   ");      // a format of blanks: a blank line
    Oli_List_Add(5, "x");
    Oli_List_Add(5, "xy");      // fourth text line: 2 + 10 < 16
    Oli_List_Add(5, "%s", std::string(300, 'z').c_str());
    Oli_List_Add(5, "%s", "zwei\nZeilen");
    EXPECT_EQ(Oli_List_Line_Count(5), 5);
    EXPECT_STREQ(Oli_List_Line(5, 2), "   ");
    EXPECT_STREQ(Oli_List_Line(5, 4), "xy");
    EXPECT_STREQ(Oli_List_Line(5, -7), "abc");
    EXPECT_STREQ(Oli_List_Line(6, 0), "?????");
    EXPECT_EQ(Oli_List_Line_Count(42), 0);
    // The frame of width -1 takes the widest line, 16 x 0.18 cm.
    ListCapture list;
    EXPECT_EQ(Oli_List_Write(list.f(), 5, -1.0), 0);
    EXPECT_NE(list.Take().find("0.000000 2.880000 0.000000 "), std::string::npos);
    EXPECT_STREQ(Oli_List_Line(5, 0), "?????");

    // 100 lines at most.
    Oli_List_Open(7);
    for (int i = 0; i < 101; i++) Oli_List_Add(7, "%d", i);
    EXPECT_EQ(Oli_List_Line_Count(7), 100);
    Oli_Message_List(7, 0, nullptr);
    EXPECT_EQ(Oli_List_Is_Open(7), 0);
}

TEST(CollectionList, FiveStylesOfOneColumn) {
    const std::string head = "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n", end = "#END_OF_TEXT\n";
    const std::string expected[5] = {
        head + " eins\n weiter\n \n zwei\n" + end,
        head + " \xCE/o\xCEr eins\n   weiter\n \n \xCE/o\xCEr zwei\n" + end,
        head + "  0 eins\n    weiter\n \n  3 zwei\n" + end,
        head + " >>> eins !\n     weiter !\n \n >>> zwei !\n" + end,
        Small("eins") + "\n#SHOWPARA\n0x0\n3\n-1\n \n" + kEnd + Small("zwei"),
    };
    for (int style = 0; style <= 4; style++) {
        ListCapture list;
        Four_Lines(1);
        Oli_Message_List(1, style, list.f());
        const std::string out = list.Take();
        EXPECT_EQ(out, expected[style]) << "style " << style;
        EXPECT_EQ(Read_List(out).damaged, 0);
        // Written once: the list is closed.
        Oli_Message_List(1, style, list.f());
        EXPECT_EQ(list.Take(), "");
    }
    ListCapture list;
    Oli_List_Open(1);
    Oli_Message_List(1, 9, list.f());
    Oli_List_Open(1);
    Oli_Message_List(1, 4, list.f());
    EXPECT_EQ(list.Take(), head + end);
}

TEST(CollectionList, TwoColumnsAsTabbedParagraphs) {
    ListCapture list;
    Oli_List_Open_2Col(6, 0.0, 12.0);
    for (const char* t : {"a", "b", "", "c"}) Oli_List_Add(6, "%s", t);
    Oli_Message_List(6, 0, list.f());
    // The first stop rounds to 0: the first cell stands at the margin, the
    // second at the stop 12; the blank line is half a line of space before
    // the next paragraph (a change group with 0x1000).
    const std::string fields = "0x40\n7\n0x0 1\n2 12\n";
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n" + fields + "-1\n a\xCEtb\n#END_OF_TEXT\n0x1004\n2 0.19\n" + fields +
                               "-1\n c\n" + kEnd);
    // The column mode went back to 1.
    Four_Lines(6);
    Oli_Message_List(6, 0, list.f());
    EXPECT_EQ(list.Take().rfind("#SHOWTABLE", 0), 0u);
}

// Three columns: the width comes from every third line with the
// three-column spacing (3 + 7 = 10, then 7 + 7 = 14), never with the
// two-column one (7 + 10 would be 17). Framed with width -1: 14 x 0.18 =
// 2.52 cm; six text lines in three columns, no blank line: h = (6 / 3 +
// 0.8) x 0.38 = 1.064, reserved with the 0.5 cm below: 1.564.
TEST(CollectionList, ThreeColumnsWidthFromEveryThirdLine) {
    Oli_List_Open_3Col(4, 0.0, 10.0, 7.0);
    EXPECT_EQ(Oli_List_Is_Open(4), 1);
    for (const char* t : {"a", "abcd", "xyz", "1", "22", "4444444"}) Oli_List_Add(4, "%s", t);
    ListCapture list;
    EXPECT_EQ(Oli_List_Write(list.f(), 4, -1.0), 0);
    const std::string out = list.Take();
    EXPECT_EQ(out.rfind("#RESERVESPACE\n1.564\n", 0), 0u) << out.substr(0, 80);
    EXPECT_NE(out.find("0.000000 2.520000 0.000000 1.064000\n"), std::string::npos) << out;
    // The column mode went back to 1: every line counts now.
    Oli_List_Open(4);
    for (const char* t : {"a", "abcd"}) Oli_List_Add(4, "%s", t);
    EXPECT_EQ(Oli_List_Write(list.f(), 4, -1.0), 0);
    EXPECT_NE(list.Take().find("0.000000 0.720000 0.000000 "), std::string::npos);  // 4 x 0.18
    // A spacing that is no number refuses the call: the list stays closed.
    Oli_List_Open_3Col(3, 0.0, 10.0, std::nan(""));
    EXPECT_EQ(Oli_List_Is_Open(3), 0);
}

TEST(CollectionList, FramedOutputReservesDrawsAndIndents) {
    ListCapture list;
    Four_Lines(2);
    EXPECT_EQ(Oli_List_Write(list.f(), 2, 5.0), 0);
    // Three text lines and one blank: h = (3 + 0.8) x 0.38 + 0.38 = 1.824.
    const std::string frame = "#RESERVESPACE\n2.324\n#STOREYPOS\n0\n"
                              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 5.000000 0.000000 1.824000\n"
                              " 1  0.000000 0.000000 0.000000 1.824000\n"
                              " 1  0.000000 1.824000 5.000000 1.824000\n"
                              " 1  5.000000 1.824000 5.000000 0.000000\n"
                              " 1  5.000000 0.000000 0.000000 0.000000\n -1\n"
                              "#RESTOREYPOS\n0\n#SETYPOS\n256 0.19\n#SETMARGINS\n257 0.300000 0\n";
    const std::string out = list.Take();
    EXPECT_EQ(out, frame + "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n eins\n weiter\n \n zwei\n#END_OF_TEXT\n"
                           "#SETMARGINS\n257 0 0\n");
    EXPECT_EQ(Read_List(out).damaged, 0);

    // The small form: pitch 0.286 for text lines, h = 3.8 x 0.286 + 0.38 =
    // 1.4668, each line a small paragraph.
    Four_Lines(2);
    EXPECT_EQ(Oli_List_Write_Small(list.f(), 2, 5.0), 0);
    const std::string small = list.Take();
    EXPECT_EQ(small.rfind("#RESERVESPACE\n1.9668\n", 0), 0u) << small.substr(0, 200);
    EXPECT_NE(small.find("0.000000 5.000000 0.000000 1.466800\n"), std::string::npos);
    EXPECT_NE(small.find(Small("eins") + "\n#SHOWPARA\n0x0\n3\n-1\n \n" + kEnd + Small("zwei")), std::string::npos);

    // A closed list, a width that is no number, a null stream.
    EXPECT_EQ(Oli_List_Write(list.f(), 2, 5.0), -1);
    Four_Lines(2);
    EXPECT_EQ(Oli_List_Write(list.f(), 2, NAN), -1);
    EXPECT_EQ(Oli_List_Write(nullptr, 2, 5.0), -1);
    EXPECT_EQ(Oli_List_Is_Open(2), 0);
    EXPECT_EQ(list.Take(), "");
}

// The message service writes a category through the lists installed at
// start-up: bold lines in a frame; a line longer than a list line goes on
// as its continuation, bold again, nothing of it lost.
TEST(CollectionList, MessageCategoryIntoThePrintList) {
    const int c = Open_Message_Category();
    ASSERT_GE(c, 0);
    Store_Message("%s", "erste Meldung");
    const std::string m(400, 'm');
    Store_Message("%s", m.c_str());
    ListCapture list;
    EXPECT_EQ(Write_Messages_to_Print_List(list.f()), 0);
    const std::string out = list.Take();
    Close_Message_Category(c);
    // The widest line: the first 297 m behind the bold switch.
    EXPECT_NE(out.find("0.000000 53.460000 0.000000 "), std::string::npos);
    EXPECT_NE(out.find("#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n \xCE" "berste Meldung\n \xCE" "b" + m.substr(0, 297) +
                       "\n \xCE" "b" + m.substr(0, 103) + "\n#END_OF_TEXT\n"),
              std::string::npos)
        << out;
}

// ---- frame escapes -----------------------------------------------------------------

TEST(FrameEscapes, ClampedValuesStylesAndRefusals) {
    ListCapture list;
    Oli_Frame_Left(list.f(), 0.25, 2.0, 1.5, -0.5);
    Oli_Frame_Line(list.f(), 1.5);
    Oli_Frame_Double(list.f(), 0.5);
    Oli_Frame_Rect(list.f(), 0, 70, 1.0, 2.0, 0.8, 0.3);
    Oli_Frame_Rect(list.f(), 1, 5, 0.0, 0.0, -1.0, 2.0);
    Oli_Frame_Rect_Off(list.f(), 1, 70);
    EXPECT_EQ(list.Take(), " \xCE{\xCEL 0 0.250000 2.000000 1.000000 0.000000 } "
                           " \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }"
                           " \xCE{\xCEL 0 -1 -1 0.400000 0.400000 }  \xCE{\xCEL 0 -1 -1 0.600000 0.600000 } "
                           " \xCE{\xCER 0 1.000000 2.000000 0.300000 0.800000 } "
                           " \xCE{\xCER 3845 0.000000 0.000000 0.000000 1.000000 } "
                           " \xCE{\xCER 3840 -1 -1 -1 -1} ");
    Oli_Frame_Line(list.f(), NAN);
    Oli_Frame_Left(list.f(), INFINITY, 0, 0, 0);
    Oli_Frame_Rect(list.f(), 0, 1, 1e9, 0, 0, 1);
    EXPECT_EQ(list.Take(), "");
}

// ---- factor tables ---------------------------------------------------------------------

TEST(FactorTable, FormulasGroupEqualFactors) {
    OliFactorTable t;
    ASSERT_EQ(Init_Factor_Table(3, 4, &t), 1);
    EXPECT_EQ(t.numbers[2], 3);
    EXPECT_EQ(t.hide_names, 1);
    // 1.35 on load cases 1 and 2, 1.5 on 3.
    t.rows[0].factors1[0] = t.rows[0].factors1[1] = 1.35;
    t.rows[0].factors1[2] = 1.5;
    // Factors 1 and a load case left out by its second factor.
    t.rows[1].factors2[1] = 0.0;
    // Both factors, 0.9 and 1.125, on a single load case.
    t.rows[2].factors1[0] = 0.9, t.rows[2].factors2[0] = 1.125;
    t.rows[2].factors1[1] = t.rows[2].factors1[2] = 0.0;
    // Load case 2 left out by its number.
    t.numbers[1] = -1;
    Oli_Factor_Table(nullptr, &t);
    EXPECT_STREQ(Factor_Table_Row(0), "1.35\xCE/.\xCErLf1+1.50\xCE/.\xCErLf3");
    t.numbers[1] = 2;
    Oli_Factor_Table(nullptr, &t);
    EXPECT_STREQ(Factor_Table_Row(0), "1.35\xCE/.\xCEr(Lf1+Lf2)+1.50\xCE/.\xCErLf3");
    EXPECT_STREQ(Factor_Table_Row(1), "Lf1+Lf3");
    EXPECT_STREQ(Factor_Table_Row(2), "0.90\xCE/.\xCEr" "1.125\xCE/.\xCErLf1");
    EXPECT_STREQ(Factor_Table_Row(3), "Lf1+Lf2+Lf3");
    EXPECT_STREQ(Factor_Table_Row(4), "???");
    Free_Factor_Table(&t);
    EXPECT_EQ(t.m, 0);
    EXPECT_EQ(t.rows, nullptr);
    Free_Factor_Table(&t);
    Free_Factor_Table(nullptr);
    EXPECT_EQ(Init_Factor_Table(-1, 1, &t), 0);
}

const char* Situation(int code) { return code == 1 ? "ständig"_cp : "vorüb."_cp; }
const char* Load_Case(int index) { return index == 0 ? "G" : "Q"; }

TEST(FactorTable, WrittenAsAGeneralTable) {
    OliFactorTable t;
    Init_Factor_Table(2, 11, &t);
    t.hide_names = 0;
    t.situation_name = Situation;
    t.load_case_name = Load_Case;
    t.rows[0].name = "Grund";
    t.rows[0].situation = 1;
    t.rows[0].factors1[0] = 1.35;
    ListCapture list;
    Oli_Factor_Table(list.f(), &t);
    const std::string out = list.Take();
    // More than ten rows: the long-table flags before, 896 after.
    EXPECT_EQ(out.rfind("#SETFLAGS\n 640\n\n", 0), 0u) << out;
    EXPECT_NE(out.find("#END_OF_TEXT\n#SETFLAGS\n 896\n\n"), std::string::npos);
    ReadList r = Read_List(out);
    EXPECT_EQ(r.damaged, 0);
    std::vector<ReadBlock> tables = Blocks_Of(r, "TABLE");
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].columns, 4);
    ASSERT_EQ(tables[0].lines.size(), 12u);  // the head row and the 11 rows
    for (const char* title : {"LK", "Bezeichnung", "Bemessungssit.", "Faktorisierung"})
        EXPECT_NE(tables[0].lines[0].find(title), std::string::npos) << title;
    const std::string& row = tables[0].lines[1];
    EXPECT_NE(row.find("Grund"), std::string::npos) << row;
    EXPECT_NE(row.find("ständig"_cp), std::string::npos) << row;
    EXPECT_NE(row.find("1.35\xCE/.\xCErG+Q"), std::string::npos) << row;
    EXPECT_NE(tables[0].lines[2].find("??? "), std::string::npos) << tables[0].lines[2];

    t.rows[3].factors2[1] = NAN;
    Oli_Factor_Table(list.f(), &t);
    EXPECT_EQ(list.Take(), "");
    Free_Factor_Table(&t);
}

// ---- fill-pattern chart -------------------------------------------------------------

TEST(FillChart, SixtyFiveNumberedBoxes) {
    ListCapture list;
    Oli_Set_Fill_Mode(1);
    Oli_Choose_Fill_Pattern(list.f());
    const std::string out = list.Take();
    const std::string start = "\n#SHOWPARA\n0x0\n7\n-1\n \xCE" "bAuswahl an F\x81llmustern zur Schichtdarstelllung im "
                              "Ausdruck:\n" + kEnd + "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
                              "0.000000 15.000000 26.000000 0.000000\n";
    EXPECT_EQ(out.substr(0, start.size()), start);
    // The first box: pattern 0, the box (y downwards: 0 before 2), its
    // outline, the white number box and its number.
    const std::string first = " 20  0\n 24  0.000000 0.000000 2.500000 2.000000\n"
                              " 1  0.000000 0.000000 0.000000 2.000000\n"
                              " 1  0.000000 2.000000 2.500000 2.000000\n"
                              " 1  2.500000 2.000000 2.500000 0.000000\n"
                              " 1  2.500000 0.000000 0.000000 0.000000\n"
                              " 20  0\n 24  1.000000 0.750000 1.500000 1.250000\n"
                              " 9 1.250000 1.000000 1.250000 1.000000 210 \xAE" "0\xAF\n";
    EXPECT_EQ(out.substr(start.size(), first.size()), first);
    // The last one, 64, stands at (10, 20); the picture ends after it.
    EXPECT_NE(out.find(" 20  64\n 24  10.000000 20.000000 12.500000 22.000000\n"), std::string::npos);
    EXPECT_NE(out.find(" 9 11.250000 21.000000 11.250000 21.000000 210 \xAE" "64\xAF\n -1\n"), std::string::npos);
    EXPECT_EQ(Count(out, " 9 "), 65);
    EXPECT_EQ(Count(out, " 24  "), 130);
    EXPECT_EQ(Count(out, " 1  "), 260);
    EXPECT_EQ(Read_List(out).damaged, 0);

    Oli_Set_Fill_Mode(0);
    Oli_Choose_Fill_Pattern(list.f());
    const std::string off = list.Take();
    EXPECT_EQ(Count(off, " 20  0\n"), 130);
    Oli_Set_Fill_Mode(1);
}

TEST(FillChart, ShownFromAFileBesideTheComponent) {
    testutil::TempDir dir;
    Set_File_Base(dir.file("POS").c_str());
    EXPECT_EQ(Show_Fill_Patterns(), 1);  // shown in the viewer
    EXPECT_TRUE(std::filesystem::exists(dir.file("POS.TMP")));
    Set_File_Base(dir.file("missing/POS").c_str());
    EXPECT_EQ(Show_Fill_Patterns(), 0);
    Set_File_Base("");
}

}  // namespace

}  // namespace test_oli_lists
