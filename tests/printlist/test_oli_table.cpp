// Table writers: the listing table's column positions from visible
// lengths, its rows and frames; the general table writer's head, layout
// and position lines, cell formats and its refusal of missing columns.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "printlist/ioliwrt.h"
#include "printlist/list_capture.h"

namespace {

OliTableCell Txt(const char* text) {
    OliTableCell c{};
    c.text = text;
    return c;
}

OliTableCell Num(double value) {
    OliTableCell c{};
    c.value = value;
    return c;
}

OliTableCell Bars(int count, int bar_code, int bundle) {
    OliTableCell c{};
    c.count = count;
    c.bar_code = bar_code;
    c.bundle = bundle;
    return c;
}

TEST(SimpleTable, PositionsFromVisibleLengthsAndRows) {
    ListCapture list;
    const double v1[2] = {1.5, 2.25};
    const double v2[2] = {10.0, 0.0};
    const OliSimpleRow rows[2] = {{"A_s", "cm╬/2╬r"_cp, v1, 2, nullptr}, {"Länge"_cp, "m", v2, 1, nullptr}};
    Oli_Simple_Table(list.f(), 2, 2, rows);
    EXPECT_EQ(list.Take(), "#SETYPOS\n256 0.1\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 3\n 6.000000 11.000000 17.000000\n"
                           " ╬bA_s╬r    cm╬/2╬r 1.50 2.25 ╬{╬L 0 -1 -1 1.000000 1.000000 }\n"
                           " ╬bLänge╬r  m   10.0  0.0\n#END_OF_TEXT\n"_cp);
    Oli_Simple_Table(nullptr, 2, 2, rows);
    Oli_Simple_Table(list.f(), 0, 2, rows);
    Oli_Simple_Table(list.f(), 2, 0, rows);
    EXPECT_EQ(list.Take(), "");
}

// Rows whose unit is a column type format their cells by it: running
// numbers, texts, single characters, bar counts; a unit row keeps numbers
// and marker texts. Cell texts (width as needed): "1" "2", "  ab"
// "  Stütze", "x" "y", " 4 Œ 20" (7 visible) and blank, "  ý " " 12.5".
// N = 4 ("Text"), U = 4 ("CHAR"), C = 8 ("  Stütze"): positions 5, 5 + 4 + 2
// = 11, 11 + 8 + 1 = 20; every cell right-aligned to 8.
TEST(SimpleTable, RowsFormattedByColumnType) {
    ListCapture list;
    const OliTableCell texts[2] = {Txt("ab"), Txt("Stütze"_cp)};
    const OliTableCell chars[2] = {Txt("x"), Txt("yz")};
    const OliTableCell bars[2] = {Bars(4, 6, 0), Bars(0, 0, 0)};
    const double forces[2] = {1e100, 12.5};
    const OliSimpleRow rows[5] = {{"Pos", "ZZ", nullptr, 0, nullptr},  {"Text", "TXT", nullptr, 0, texts},
                                  {"Art", "CHAR", nullptr, 0, chars},  {"Bew", "GEW", nullptr, 0, bars},
                                  {"N", "kN", forces, 1, nullptr}};
    Oli_Simple_Table(list.f(), 5, 2, rows);
    const std::string frame = " ╬{╬L 0 -1 -1 1.000000 1.000000 }\n"_cp;
    EXPECT_EQ(list.Take(), std::string("#SETYPOS\n256 0.1\n#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 3\n 5.000000 11.000000 20.000000\n") +
                               " ╬bPos╬r   ZZ         1       2"_cp + frame +
                               " ╬bText╬r  TXT       ab  Stütze"_cp + frame +
                               " ╬bArt╬r   CHAR       x       y"_cp + frame +
                               " ╬u╬bBew╬r╬u   GEW   ╬b╬u4 \x8C 20╬r        "_cp + frame +
                               " ╬bN╬r     kN        ý     12.5\n#END_OF_TEXT\n"_cp);
}

TEST(GeneralTable, HeadLayoutPositionsAndCells) {
    ListCapture list;
    OliTableColumn* cols = nullptr;
    ASSERT_NE(Oli_Init_Columns(3, &cols), nullptr);
    EXPECT_STREQ(cols[1].head, "Nr");
    EXPECT_STREQ(cols[1].type, "ZZ");
    EXPECT_EQ(cols[1].width, 4);
    std::snprintf(cols[0].title, sizeof cols[0].title, "LK");
    cols[0].width = 3;
    std::snprintf(cols[1].title, sizeof cols[1].title, "Name");
    std::snprintf(cols[1].type, sizeof cols[1].type, "TXT");
    cols[1].width = 6;
    std::snprintf(cols[2].title, sizeof cols[2].title, "N");
    std::snprintf(cols[2].head, sizeof cols[2].head, "kN");
    std::snprintf(cols[2].type, sizeof cols[2].type, "kN");
    cols[2].width = 6;
    cols[2].decimals = 1;
    const OliTableCell cells[6] = {{}, Txt("Lf 1"), Num(12.34), {}, Txt("sehr lang"), Num(-2e100)};
    const char* lines[1] = {"╬H╬_Tabelle╬r"_cp};
    const OliTableTitle title = {{0, 1, 0}, lines};
    const char* notes[1] = {"Hinweis %d"};
    EXPECT_EQ(OliTabelle(list.f(), 3, 2, cells, nullptr, cols, &title, OLI_TABLE_LONG_FLAGS | OLI_TABLE_LAYOUT_TAIL, 1, notes, 0, -1, 0), 0);
    EXPECT_EQ(list.Take(), "#SETFLAGS\n 640\n\n#SETYPOS\n256 0.1\n#SHOWTABLE\n 0 1 0\n ╬H╬_Tabelle╬r\n"
                           " 1 1 -1 -1 3 0 0 0 0 0 0 0 2\n 4.000000 11.000000 18.000000\n"
                           " ╬u╬bLK╬r╬u  ╬u╬bName╬r╬u   ╬u╬bN╬r╬u      \n"
                           " Nr  Nr     kN     \n"
                           "   1   Lf 1     12.3 \n"
                           "   2   sehr l    --- \n"
                           "#END_OF_TEXT\n#SETFLAGS\n 896\n\n"
                           "\n#SHOWPARA\n0x0\n3\n-1\n Hinweis %d\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    Oli_Free_Columns(&cols);
}

// The option words: a hidden column (its remark is not collected), a mark
// of 2 rows giving the long-table flags, a second head row whose group
// "Schnittgrößen" spans N and V (6 + 1 + 6 = 13 characters), and the
// cell remarks written after the note, once per key.
TEST(GeneralTable, SecondHeadColumnFlagsMarkAndRemarks) {
    ListCapture list;
    Table_Remarks_Clear();
    OliTableColumn* cols = nullptr;
    ASSERT_NE(Oli_Init_Columns(4, &cols), nullptr);
    std::snprintf(cols[0].title, sizeof cols[0].title, "LK");
    cols[0].width = 3;
    std::snprintf(cols[1].title, sizeof cols[1].title, "%s", "Schnittgrößen=N"_cp);
    std::snprintf(cols[2].title, sizeof cols[2].title, "=V");
    for (int c = 1; c < 3; ++c) {
        std::snprintf(cols[c].type, sizeof cols[c].type, "kN");
        std::snprintf(cols[c].head, sizeof cols[c].head, "kN");
        cols[c].width = 6;
        cols[c].decimals = 1;
    }
    std::snprintf(cols[3].type, sizeof cols[3].type, "TXT");
    OliTableCell limited = Num(-1.5), again = Num(3.0), hidden = Txt("y");
    limited.remark_key = again.remark_key = 1;
    limited.remark_name = again.remark_name = "1)";
    limited.remark_text = "Wert begrenzt";
    again.remark_text = "gleicher Schlüssel"_cp;
    hidden.remark_key = 2;
    hidden.remark_name = "2)";
    hidden.remark_text = "verborgen";
    const OliTableCell cells[8] = {{}, Num(12.34), limited, Txt("x"), {}, again, Num(2e100), hidden};
    const int shown[4] = {OLI_COLUMN_SHOWN, OLI_COLUMN_SHOWN, OLI_COLUMN_SHOWN, 0};
    const char* notes[1] = {"Hinweis"};
    EXPECT_EQ(OliTabelle(list.f(), 4, 2, cells, shown, cols, nullptr, OLI_TABLE_NO_MOVE, 1, notes, 0, 2, 1), 0);
    EXPECT_EQ(list.Take(), "#SETFLAGS\n 640\n\n#SHOWTABLE\n 0 0 0\n 2 1 -1 -1 3\n 4.000000 11.000000 18.000000\n"
                           "     ╬u╬bSchnittgrößen╬r╬u \n"
                           " ╬u╬bLK╬r╬u  ╬u╬bN╬r╬u      ╬u╬bV╬r╬u      \n"
                           " Nr  kN     kN     \n"
                           "   1   12.3   -1.5 \n"
                           "   2    3.0   n.e. \n#END_OF_TEXT\n"
                           "\n#SHOWPARA\n0x0\n3\n-1\n Hinweis\n#END_OF_TEXT\n0x0\n-1\n"
                           "\n#SHOWPARA\n0x0\n3\n-1\n 1) Wert begrenzt\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(Table_Remark_Count(), 0);
    Oli_Free_Columns(&cols);
}

// Too few column records used to end the whole program; now nothing is
// written and the writer says so.
TEST(GeneralTable, TooFewColumnRecordsWritesNothing) {
    ListCapture list;
    OliTableColumn* cols = nullptr;
    ASSERT_NE(Oli_Init_Columns(2, &cols), nullptr);
    EXPECT_EQ(Oli_Columns_Allocated(), 2);
    const OliTableCell cells[3] = {};
    int keep_mode = Get_Message_Mode();
    int category = Open_Message_Category();
    ASSERT_GE(category, 0);
    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    EXPECT_EQ(OliTabelle(list.f(), 3, 1, cells, nullptr, cols, nullptr, 0, 0, nullptr, 0, -1, 0), -1);
    Set_Message_Mode(keep_mode);
    ASSERT_EQ(Message_Category_Count(category), 1);
    EXPECT_EQ(std::string(Message_Category_Line(category, 0)).find(
                  "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert!"),
              0u);
    Close_Message_Category(category);
    EXPECT_EQ(OliTabelle(nullptr, 2, 1, cells, nullptr, cols, nullptr, 0, 0, nullptr, 0, -1, 0), 0);
    EXPECT_EQ(OliTabelle(list.f(), 2, 0, cells, nullptr, cols, nullptr, 0, 0, nullptr, 0, -1, 0), 0);
    EXPECT_EQ(list.Take(), "");
    Oli_Free_Columns(&cols);
    EXPECT_EQ(Oli_Columns_Allocated(), 0);
}

TEST(GeneralTable, CellFormatsByColumnType) {
    OliTableColumn* cols = nullptr;
    ASSERT_NE(Oli_Init_Columns(1, &cols), nullptr);
    OliTableColumn c = cols[0];
    char out[128];
    std::snprintf(c.type, sizeof c.type, "CHAR");
    c.width = 5;
    OliTableCell cell = Txt("x");
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), "  x  ");
    std::snprintf(c.type, sizeof c.type, "GEW");
    c.width = 12;
    cell = Bars(4, 6, 0);
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), " \xCE" "b\xCEu" "4 \x8C 20\xCEr     ");
    cell = Bars(2, 9, 3);
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), " \xCE" "b\xCEu" "2 \x8C 32 3er Bnd.\xCEr");
    cell = Bars(-1, 0, 0);
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), "---         ");
    std::snprintf(c.type, sizeof c.type, "ZZ");
    c.width = 4;
    c.start = 7;
    c.underline = 1;
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 2, nullptr, out, sizeof out), " \xCEu   9\xCEr");
    std::snprintf(c.type, sizeof c.type, "cm2");  // the unit in full is the head text
    std::snprintf(c.head, sizeof c.head, "%s", "cm╬/2"_cp);
    c.width = 5;
    cell = Num(1e-9);
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), "  -  ");
    cell = Num(-1e100);
    EXPECT_STREQ(Oli_Format_Table_Cell(&c, 0, &cell, out, sizeof out), "  -\xEC ");
    Oli_Free_Columns(&cols);

    OliTableColumn t{};
    std::snprintf(t.type, sizeof t.type, "TXT1");
    EXPECT_EQ(Column_Type_Invalid(&t), 0);
    std::snprintf(t.type, sizeof t.type, "CHR");
    EXPECT_EQ(Column_Type_Invalid(&t), 1);
}

TEST(TableHelpers, RemarksTitleAndSubSupLength) {
    Table_Remarks_Clear();
    EXPECT_EQ(Table_Remark_Add(1, "a", "Text a"), 1);
    EXPECT_EQ(Table_Remark_Add(1, "b", "gleicher Schl\x81ssel"), 0);
    EXPECT_EQ(Table_Remark_Add(2, "a", "gleicher Name"), 0);
    EXPECT_EQ(Table_Remark_Add(3, "c", "Text c"), 1);
    EXPECT_EQ(Table_Remark_Count(), 2);
    Table_Remarks_Clear();
    EXPECT_EQ(Table_Remark_Count(), 0);

    std::string longer(150, 't');
    EXPECT_EQ(std::string(Oli_Set_Table_Title(longer.c_str())), std::string(99, 't'));
    EXPECT_EQ(Visible_Length_Sub_Sup("cm\xCE/2\xCEr"), 3);           // 2 + 0.8 = 2.8
    EXPECT_EQ(Visible_Length_Sub_Sup("y\xCE\\minmax\xCEr"), 6);      // 1 + 6 x 0.8 = 5.8
}

}  // namespace

namespace {

// The list flags around a table (0x400 before it; 0x40 or rows reaching the
// table mark before it, 0x40 also after it), the layout line without the
// third head line (flag 0x1), no move with flag 0x4, and Oli_Table over the
// column records grown last with default options.
TEST(GeneralTable, ListFlagsLayoutFormsAndDefaultOptions) {
    ListCapture list;
    OliTableColumn* cols = nullptr;
    ASSERT_NE(Oli_Init_Columns(2, &cols), nullptr);
    std::snprintf(cols[0].title, sizeof cols[0].title, "Nr");
    std::snprintf(cols[1].title, sizeof cols[1].title, "L");
    std::snprintf(cols[1].type, sizeof cols[1].type, "m");
    cols[1].decimals = 2;
    const OliTableCell cells[4] = {{}, Num(1.5), {}, Num(12.0)};
    const std::string head = "#SHOWTABLE\n 0 0 0\n";
    const std::string positions = " 5.000000 10.000000\n";
    const std::string head_row = " \xCEu\xCE" "bNr\xCEr\xCEu   \xCEu\xCE" "bL\xCEr\xCEu    \n";
    EXPECT_EQ(OliTabelle(list.f(), 2, 1, cells, nullptr, cols, nullptr,
                         OLI_TABLE_NO_THIRD_HEAD | OLI_TABLE_NO_MOVE | OLI_TABLE_NORMAL_FLAGS, 0, nullptr, 0, -1, 0), 0);
    EXPECT_EQ(list.Take(), "#SETFLAGS\n 896\n\n" + head + " 1 0 -1 -1 2\n" + positions + head_row +
                               "    1 1.50 \n#END_OF_TEXT\n");

    Oli_Set_Table_Mark(2);
    EXPECT_EQ(OliTabelle(list.f(), 2, 2, cells, nullptr, cols, nullptr, 0, 0, nullptr, 5, -1, 0), 0);
    Oli_Set_Table_Mark(100);
    EXPECT_EQ(list.Take(), "#SETFLAGS\n 640\n\n#SETYPOS\n256 0.1\n" + head + " 1 1 -1 -1 2\n" + positions +
                               head_row + " Nr   Nr   \n    5 1.50 \n    6 12.00 \n#END_OF_TEXT\n");

    Oli_Table(list.f(), 1, 1, cells, nullptr);
    EXPECT_EQ(list.Take(), "#SETYPOS\n256 0.1\n" + head + " 1 1 -1 -1 1\n \xCEu\xCE" "bNr\xCEr\xCEu   \n"
                           " Nr   \n    1 \n#END_OF_TEXT\n");

    // The option record read: column flags hide "Nr", mark 1, a second
    // head row from "Feld=L".
    std::snprintf(cols[1].title, sizeof cols[1].title, "Feld=L");
    OliTableOptions options{};
    ASSERT_EQ(Oli_Init_Table_Options(&options, 2), 1);
    options.flags = OLI_TABLE_NO_THIRD_HEAD | OLI_TABLE_NO_MOVE;
    options.column_flags[0] = 0;
    options.mark = 1;
    options.second_head = 1;
    Oli_Table(list.f(), 2, 1, cells, &options);
    Oli_Free_Table_Options(&options);
    EXPECT_EQ(list.Take(), "#SETFLAGS\n 640\n\n" + head + " 2 0 -1 -1 1\n 5.000000\n \xCEu\xCE" "bFeld\xCEr\xCEu \n"
                           " \xCEu\xCE" "bL\xCEr\xCEu    \n 1.50 \n#END_OF_TEXT\n");
    Oli_Free_Columns(&cols);
}

}  // namespace
