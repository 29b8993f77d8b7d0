// Print-list layout library stand-in: the keyword blocks of the layout
// calls, visible lengths of marked-up texts, and tables read back from a
// print list and shown in a (recorded) sheet.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "support/testutil.h"

namespace {

std::string Written(void (*calls)(FILE*)) {
    FILE* f = std::tmpfile();
    calls(f);
    std::string out = testutil::Stream_All(f);
    std::fclose(f);
    return out;
}

TEST(OliLayout, KeywordBlocks) {
    EXPECT_EQ(Written([](FILE* f) {
                  OLI_setYPositionCM(f, 1, -0.25);
                  OLI_setYPositionCM(f, 4, 0.0);
                  OLI_setYPositionCM(f, 1, 1.0);
                  OLI_setMarginsCM(f, 1, 13.0, 0.0);
                  OLI_setMarginsCM(f, 0x10001, 9.5, 0.0);
                  OLI_setFlags(f, 4295);
                  OLI_reserveSpaceCM(f, 3.0f);
                  OLI_storeYPosition(f, 1);
                  OLI_restoreYPosition(f, 1);
                  OLI_setBookmark(f, 16, "\xCE@1. Eingabe");
                  OLI_setBookmark(f, 17, nullptr);
                  OLI_setLayout(f, 0x1013);
                  OLI_setConvertionFlags(f, 1);
                  OLI_pushMargins(f);
                  OLI_popMargins(f, 0x100000);
                  OLI_resetMaxMargin(f);
              }),
              "#SETYPOS\n256 -0.25\n#SETYPOS\n4 0\n#SETYPOS\n256 1\n"
              "#SETMARGINS\n257 13.000000 0\n#SETMARGINS\n65537 9.500000 0\n"
              "#SETFLAGS\n 4295\n\n#RESERVESPACE\n3\n#STOREYPOS\n1\n#RESTOREYPOS\n1\n"
              "#SETBOOKMARK\n16\n \xCE@1. Eingabe\n#SETBOOKMARK\n17\n \n#SETLAYOUT\n 4115\n"
              "#SETCONVERTIONFLAGS\n 1\n#PUSHMARGINS\n#POPMARGINS\n 1048576\n#RESETMAXMARGIN\n");
    EXPECT_EQ(OLI_setFlags(nullptr, 1), 0);
    EXPECT_EQ(OLI_setYPositionCM(nullptr, 1, 1.0), 0);
}

TEST(OliLayout, VisibleLength) {
    EXPECT_EQ(MT_String_Length(nullptr), 0);
    EXPECT_EQ(MT_String_Length(""), 0);
    EXPECT_EQ(MT_String_Length("Tragf\x84higkeit"), 13);
    EXPECT_EQ(MT_String_Length("\xCEu\xCE" "bNr\xCEr\xCEu"), 2);
    EXPECT_EQ(MT_String_Length("cm\xCE/2\xCEr"), 3);
    EXPECT_EQ(MT_String_Length("y\xCE\\min\xCEr"), 4);
    EXPECT_EQ(MT_String_Length("\xCE@1.1.\xCEtTitel"), 9);
    // Frame and colour groups are invisible; the blanks around them are not.
    EXPECT_EQ(MT_String_Length("ab \xCE{\xCEL 0 -1 -1 1.000000 1.000000 }"), 3);
    EXPECT_EQ(MT_String_Length(" \xCE{\xCER 3 0.5 0.5 0.2 0.8 } x"), 3);
    EXPECT_EQ(MT_String_Length("\xCE{C 1 230 0 0}rot\xCE{C 1}"), 3);
    EXPECT_EQ(MT_String_Length("offen\xCE{ohne Ende"), 5);
    EXPECT_EQ(MT_String_Length("x\xCE"), 1);
}

TEST(OliLayout, ReadsTableBlocksWithCrlf) {
    FILE* f = testutil::Stream_With(
        "#CONTENTS\r\n POS. 1\r\n#SHOWTABLE\r\n 0 1 0\r\n \xCEH\xCE_Punkte\xCEr\r\n 0 0 -1 -1 2\r\n 4.5 9\r\n"
        " a\tb\r\n c\r\n#END_OF_TEXT\r\n#SHOWTABLE\n 0 0 1\n Nur Titel\n 0 0 0 0\n");
    OLITable* t = readOLITableFromFILE(f);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->title_counts[1], 1);
    ASSERT_EQ(t->title_line_count, 1);
    EXPECT_STREQ(t->title_lines[0], "\xCEH\xCE_Punkte\xCEr");
    EXPECT_EQ(t->column_count, 2);
    EXPECT_DOUBLE_EQ(t->column_positions[0], 4.5);
    EXPECT_DOUBLE_EQ(t->column_positions[1], 9.0);
    ASSERT_EQ(t->row_count, 2);
    EXPECT_STREQ(t->rows[0], "a\tb");
    EXPECT_STREQ(t->rows[1], "c");

    const int sheet[13] = {512, 5, 5, 1268, 1012, 636, 508, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(OLITablePropSheet("Fehlermeldungen", 0, t, sheet), 1);
    const OLITableSheetRecord* rec = OLI_Last_Table_Sheet();
    EXPECT_EQ(rec->shown, 1);
    EXPECT_STREQ(rec->title, "Fehlermeldungen");
    EXPECT_EQ(rec->row_count, 2);
    EXPECT_EQ(rec->sheet[3], 1268);
    deleteOLITable(t);

    OLITable* titles = readOLITableFromFILE(f);
    ASSERT_NE(titles, nullptr);
    EXPECT_EQ(titles->title_counts[2], 1);
    EXPECT_EQ(titles->row_count, 0);
    EXPECT_EQ(titles->column_count, 0);
    deleteOLITable(titles);
    EXPECT_EQ(readOLITableFromFILE(f), nullptr);
    EXPECT_EQ(readOLITableFromFILE(nullptr), nullptr);
    EXPECT_EQ(OLITablePropSheet("x", 0, nullptr, nullptr), 0);
    deleteOLITable(nullptr);
    std::fclose(f);
}

// Damaged table heads found by fuzzing: counts and layout words that no int
// holds, and a column count far beyond its position line, are refused; the
// next intact block is still found.
TEST(OliLayout, DamagedTableHeadsAreRefused) {
    const char* damaged[] = {
        "#CO\n#SHOWTABLE\r\n 0333333333333 1 0\r\n 1 \r\n\n0",
        "#SHOWTABLE\n 0 0 0\n 0 1e300 0 0 1\n 5\n a\n",
        "#SHOWTABLE\n 0 0 0\n 0 0 0 0 nan\n 5\n a\n",
        "#SHOWTABLE\n 0 0 0\n 0 0 0 0 2000000000\n 4.5 9\n a\n",
    };
    for (const char* bytes : damaged) {
        FILE* f = testutil::Stream_With(bytes);
        OLITable* t = readOLITableFromFILE(f);
        EXPECT_EQ(t, nullptr) << bytes;
        deleteOLITable(t);
        std::fclose(f);
    }
    FILE* f = testutil::Stream_With("#SHOWTABLE\n 1e10 0 0\n#SHOWTABLE\n 0 0 0\n 0 0 0 0 2\n 4.5 9\n a\n");
    EXPECT_EQ(readOLITableFromFILE(f), nullptr);
    OLITable* t = readOLITableFromFILE(f);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->column_count, 2);
    EXPECT_DOUBLE_EQ(t->column_positions[1], 9.0);
    ASSERT_EQ(t->row_count, 1);
    EXPECT_STREQ(t->rows[0], "a");
    deleteOLITable(t);
    std::fclose(f);

    // A title count beyond the lines before the next block (or the end) is
    // damage: that block is refused and the next one is read intact.
    const char* greedy[] = {
        "#SHOWTABLE\n 0 2147483647 0\n t\n#SHOWTABLE\n 0 0 1\n Nur Titel\n 0 0 0 0\n",
        "#SHOWTABLE\r\n 2147483647 2147483647 2147483647\r\n t\r\n#SHOWTABLE\r\n 0 0 1\r\n Nur Titel\r\n 0 0 0 0\r\n",
        "#SHOWTABLE\n 2 0 0\n t\n",
    };
    for (const char* bytes : greedy) {
        f = testutil::Stream_With(bytes);
        EXPECT_EQ(readOLITableFromFILE(f), nullptr) << bytes;
        t = readOLITableFromFILE(f);
        if (std::string(bytes).find("Nur Titel") != std::string::npos) {
            ASSERT_NE(t, nullptr) << bytes;
            ASSERT_EQ(t->title_line_count, 1);
            EXPECT_STREQ(t->title_lines[0], "Nur Titel");
        } else {
            EXPECT_EQ(t, nullptr);
        }
        deleteOLITable(t);
        std::fclose(f);
    }
}

// A one-column table may stand without its position line: its first text
// line is kept as a row, not taken for the position.
TEST(OliLayout, OneColumnTablesWithAndWithoutPositionLine) {
    struct Case {
        const char* bytes;
        double position;
        std::vector<std::string> rows;
    } cases[] = {
        {"#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n 12.5\n erste\n zweite\n#END_OF_TEXT\n", 12.5, {"erste", "zweite"}},
        {"#SHOWTABLE\n 0 0 0\n 1 1 -1 -1 1\n erste\n zweite\n#END_OF_TEXT\n", 0.0, {"erste", "zweite"}},
        {"#SHOWTABLE\r\n 0 0 0\r\n 2 0 -1 -1 1\r\n 4.0 mm\r\n#END_OF_TEXT\r\n", 0.0, {"4.0 mm"}},
        {"#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 1\n#END_OF_TEXT\n#SHOWPARA\n", 0.0, {}},
    };
    for (const Case& c : cases) {
        FILE* f = testutil::Stream_With(c.bytes);
        OLITable* t = readOLITableFromFILE(f);
        ASSERT_NE(t, nullptr) << c.bytes;
        ASSERT_EQ(t->column_count, 1);
        EXPECT_DOUBLE_EQ(t->column_positions[0], c.position) << c.bytes;
        ASSERT_EQ(t->row_count, static_cast<int>(c.rows.size())) << c.bytes;
        for (size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(t->rows[i], c.rows[i]);
        deleteOLITable(t);
        if (c.rows.empty()) {
            EXPECT_EQ(testutil::Stream_Rest(f), "#SHOWPARA\n");
        }
        std::fclose(f);
    }
}

TEST(OliLayout, TableColoursRoundTrip) {
    int c[OLI_TABLE_COLOUR_COUNT];
    EXPECT_EQ(getOLITableColours(nullptr), 0);
    ASSERT_EQ(getOLITableColours(c), 1);
    c[0] = c[1] = 200;
    c[4] = 33;
    setOLITableColours(c);
    int back[OLI_TABLE_COLOUR_COUNT];
    getOLITableColours(back);
    EXPECT_EQ(back[0], 200);
    EXPECT_EQ(back[1], 200);
    EXPECT_EQ(back[4], 33);
}

// The stand-in's tree-view picture: a frame around the centre in the
// colour, the caller's foreground colour and dash style kept, the call
// recorded.
TEST(OliLayout, TreeViewImageFrameAroundItsCentre) {
    pxInitScreen(200, 100);
    pxFgc(GREEN_CI);
    pxSLn(2);
    int before = OLI_Last_Tree_View_Image()->count;
    Draw_TreeViewImage(0x7A01, 50, 40, RED_CI);
    EXPECT_EQ(pxGetPixel(45, 35), RED_CI);
    EXPECT_EQ(pxGetPixel(55, 45), RED_CI);
    EXPECT_EQ(pxGetPixel(50, 35), RED_CI);  // solid, whatever the caller's dash style
    EXPECT_EQ(pxGetPixel(50, 40), pxGetPixel(0, 0));  // the inside is left alone
    EXPECT_EQ(pxGetPixel(44, 40), pxGetPixel(0, 0));
    EXPECT_EQ(pxQFgc(), GREEN_CI);
    EXPECT_EQ(pxQSLn(), 2);
    const OLITreeViewImageRecord* rec = OLI_Last_Tree_View_Image();
    EXPECT_EQ(rec->count, before + 1);
    EXPECT_EQ(rec->image, 0x7A01);
    EXPECT_EQ(rec->x, 50);
    EXPECT_EQ(rec->y, 40);
    EXPECT_EQ(rec->colour, RED_CI);
    pxSLn(0);
}

// A picture given a look is cut from its bitmap and drawn centred, grey
// 192 left out; without its file it is the frame again.
TEST(OliLayout, TreeViewPictureFromItsBitmap) {
    testutil::TempDir dir;
    // 6 x 3: red columns 0..2, blue 3..5 but grey 192 at (4, 1).
    testutil::Write_File(dir.file("icons.bmp"), testutil::Bmp24(6, 3, [](int x, int y) -> unsigned {
                             if (x == 4 && y == 1) return 0xC0C0C0;
                             return x < 3 ? 0xFF0000 : 0x0000FF;
                         }));
    pxInitScreen(200, 100);
    const int bg = pxGetPixel(0, 0);
    Set_Tree_View_Picture(0x7B01, dir.file("icons.bmp").c_str(), 3, 0, 3, 3);
    Draw_TreeViewImage(0x7B01, 50, 40, RED_CI);
    // Top left at (50 - 3 / 2, 40 - 3 / 2).
    for (int y = 39; y <= 41; ++y)
        for (int x = 49; x <= 51; ++x) EXPECT_EQ(pxGetPixel(x, y), x == 50 && y == 40 ? bg : BLUE_CI) << x << " " << y;
    EXPECT_EQ(pxGetPixel(48, 40), bg);
    EXPECT_EQ(pxGetPixel(52, 40), bg);
    EXPECT_EQ(OLI_Last_Tree_View_Image()->image, 0x7B01);
    std::remove(dir.file("icons.bmp").c_str());
    Draw_TreeViewImage(0x7B01, 150, 40, RED_CI);
    EXPECT_EQ(pxGetPixel(145, 35), RED_CI);
    EXPECT_EQ(pxGetPixel(150, 40), bg);
}

}  // namespace
