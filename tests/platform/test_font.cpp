// The built-in raster fonts: documented metrics, text extents, the font
// stack, and where pxText and pxBTxt put their pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>

#include "platform/font.h"
#include "platform/screen.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Of_Colour(int c) {
    Pixels p;
    for (int y = 0; y < NPIXEL_Y; y++)
        for (int x = 0; x < NPIXEL_X; x++)
            if (pxGetPixel(x, y) == c) p.insert({x, y});
    return p;
}

// Bounding box of a pixel set: {x1, y1, x2, y2}.
std::array<int, 4> Box(const Pixels &p) {
    std::array<int, 4> b = {100000, 100000, -100000, -100000};
    for (auto &q : p) {
        b[0] = std::min(b[0], q.first);
        b[1] = std::min(b[1], q.second);
        b[2] = std::max(b[2], q.first);
        b[3] = std::max(b[3], q.second);
    }
    return b;
}

class Font : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(160, 80);
        pxFgc(BLACK_CI);
    }
};

TEST_F(Font, MetricsOfTheFourFonts) {
    const RFontMetrics *m = RFont_Metrics(0x1000);
    EXPECT_EQ(m->width + m->space, 8);
    EXPECT_EQ(m->height, 12);
    EXPECT_EQ(RFont_Metrics(0)->width, 5);
    EXPECT_EQ(RFont_Metrics(0x1001)->width + RFont_Metrics(0x1001)->space, 9);
    EXPECT_EQ(RFont_Metrics(0x1002)->width + RFont_Metrics(0x1002)->space, 6);
    EXPECT_EQ(RFont_Metrics(0x1003)->height, 14);
    EXPECT_EQ(RFont_Metrics(0x10057), RFont_Metrics(0));  // unknown number: font 0
    Pop_RFont(0);
    EXPECT_EQ(RFONT_WIDTH + RFONT_SPACE, 8);
    EXPECT_EQ(RFONT_HEIGHT, 12);
    Push_RFont();
}

TEST_F(Font, ExtentIsAdvanceTimesCountLessOneSpace) {
    int l = -1, r = -1;
    pxQTxX("Hallo", -1, &l, &r);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 37);  // 8 x 5 - 3
    pxQTxX("Hallo", 2, &l, &r);
    EXPECT_EQ(r, 13);
    pxQTxX("Hi", 10, &l, &r);  // the terminator ends the text
    EXPECT_EQ(r, 13);
    pxQTxX("", -1, &l, &r);
    EXPECT_EQ(r, 0);
    pxQTxX(nullptr, -1, &l, &r);
    EXPECT_EQ(r, 0);
    // Every byte counts one cell, umlauts and blanks too.
    pxQTxX("N\x84hte 1", -1, &l, &r);
    EXPECT_EQ(r, 8 * 7 - 3);
    Pop_RFont(0x1002);
    pxQTxX("Hallo", -1, &l, &r);
    EXPECT_EQ(r, 29);
    Push_RFont();
    EXPECT_EQ(RFont_Text_Width(0x1001, "ab", -1), 15);
    EXPECT_EQ(RFont_Text_Width(0x1003, "abc", -1), 19);
}

TEST_F(Font, StackPopSelectsAndPushReturns) {
    pxSFnt(0x1000);
    int depth = RFont_Stack_Depth();
    Pop_RFont(0x1002);
    EXPECT_EQ(pxQFnt(), 0x1002);
    Pop_RFont(0x1001);
    EXPECT_EQ(pxQFnt(), 0x1001);
    Push_RFont();
    EXPECT_EQ(pxQFnt(), 0x1002);
    Push_RFont();
    EXPECT_EQ(pxQFnt(), 0x1000);
    EXPECT_EQ(RFont_Stack_Depth(), depth);
    Push_RFont();  // empty stack: nothing happens
    EXPECT_EQ(pxQFnt(), 0x1000);
    EXPECT_EQ(RFont_Stack_Depth(), 0);
}

TEST_F(Font, CapitalIStandsOnTheBaseline) {
    pxText(20, 30, "I", -1);
    Pixels want;
    for (int x = 21; x <= 23; x++) want.insert({x, 23});  // top bar, 7 rows above
    for (int y = 24; y <= 28; y++) want.insert({22, y});
    for (int x = 21; x <= 23; x++) want.insert({x, 29});  // bottom bar, row above y
    EXPECT_EQ(Of_Colour(BLACK_CI), want);
}

TEST_F(Font, DescenderAndUmlautStayInsideTheCell) {
    pxText(10, 30, "g\x8E", -1);
    auto b = Box(Of_Colour(BLACK_CI));
    EXPECT_GE(b[0], 10);
    EXPECT_LE(b[2], 10 + 8 + 4);
    EXPECT_EQ(b[1], 30 - 9);  // the umlaut's dots on the top row of the ascent
    EXPECT_EQ(b[3], 30 + 1);  // the g's tail
    // A byte without a glyph shows a box, a blank shows nothing.
    pxInitScreen(160, 80);
    pxText(10, 30, " ", -1);
    EXPECT_TRUE(Of_Colour(BLACK_CI).empty());
    pxText(10, 30, "\x01", -1);
    EXPECT_FALSE(Of_Colour(BLACK_CI).empty());
}

TEST_F(Font, BoxAlignmentCentresLeftAndRight) {
    // One "I" (5 wide, cell 12 high) centred in a 100 x 24 box: cell at
    // x 47, top 6, baseline 15.
    pxBTxt(0, 0, 99, 23, "I", -1, 192);
    auto b = Box(Of_Colour(BLACK_CI));
    EXPECT_EQ(b[0], 48);
    EXPECT_EQ(b[1], 15 - 7);
    EXPECT_EQ(b[3], 15 - 1);
    // Left, centred vertically (the table cells' 209).
    pxInitScreen(160, 80);
    pxBTxt(10, 0, 99, 23, "I", -1, 209);
    EXPECT_EQ(Box(Of_Colour(BLACK_CI))[0], 11);
    // Right: the cell ends on x2.
    pxInitScreen(160, 80);
    pxBTxt(10, 0, 99, 23, "I", -1, 0xC3);
    EXPECT_EQ(Box(Of_Colour(BLACK_CI))[2], 99 - 1);
    // Left and top (17): the cell's top row on y1.
    pxInitScreen(160, 80);
    pxBTxt(10, 40, 99, 60, "I", -1, 17);
    EXPECT_EQ(Box(Of_Colour(BLACK_CI))[1], 40 + 2);
    // Zero-size box, centred (210): the text is centred on the point.
    pxInitScreen(160, 80);
    pxBTxt(80, 40, 80, 40, "III", -1, 210);
    auto c = Box(Of_Colour(BLACK_CI));
    EXPECT_EQ(c[0] + c[2], 2 * 80);  // cells 70..90, ink 71..89
}

TEST_F(Font, RotatedTextReadsUpwards) {
    pxBTxt(20, 10, 20, 70, "IIII", -1, 0x100 | 0xC0 | 1);
    auto b = Box(Of_Colour(BLACK_CI));
    EXPECT_GT(b[3] - b[1], b[2] - b[0]);  // taller than wide
    pxInitScreen(160, 80);
    pxRTxt(30, 60, "I", -1, 1);
    // The I turned: its bars are vertical, its stem horizontal; the stem row
    // is 2 left of the baseline column... drawn at x = 30 + (row - 9).
    Pixels p = Of_Colour(BLACK_CI);
    EXPECT_TRUE(p.count({30 - 7, 59}));  // top bar, first column
    EXPECT_TRUE(p.count({30 - 1, 59}));  // bottom bar
    EXPECT_EQ(p.size(), 11u);
}

TEST_F(Font, BoldFontDrawsTwice) {
    pxSFnt(0x1001);
    pxText(20, 30, "I", -1);
    pxSFnt(0x1000);
    // Top bar 4 wide, stem 2 wide.
    EXPECT_EQ(Of_Colour(BLACK_CI).size(), 4u + 5u * 2u + 4u);
}

TEST_F(Font, VectorTextMeasure) {
    pxChH(10.0);
    pxExpF(1.0);
    pxSpac(0.1);
    double w = 0, h = 0;
    pxQGTX("abc", -1, &w, &h);
    EXPECT_DOUBLE_EQ(w, 3 * 6.0 + 2 * 1.0);
    EXPECT_DOUBLE_EQ(h, 10.0);
    pxGBTt(80, 40, 80, 40, "I", -1, 210);
    auto b = Box(Of_Colour(BLACK_CI));
    EXPECT_LE(b[0], 80);
    EXPECT_GE(b[2], 79);
}

}  // namespace
