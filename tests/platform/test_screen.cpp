// Pixel-exact checks of the headless screen: lines and dash styles, filled
// shapes, viewport clipping, raster operations, palette, saved rectangles,
// bitmap files and PNG snapshots.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/font.h"
#include "platform/png.h"
#include "platform/screen.h"
#include "support/testutil.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of colour c in the rectangle.
Pixels Of_Colour(int c, int x1, int y1, int x2, int y2) {
    Pixels p;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (pxGetPixel(x, y) == c) p.insert({x, y});
    return p;
}

class Screen : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(200, 100);
        pxFgc(RED_CI);
    }
};

TEST_F(Screen, FreshScreenHasDesktopBackgroundAndFullViewport) {
    EXPECT_EQ(NPIXEL_X, 200);
    EXPECT_EQ(NPIXEL_Y, 100);
    EXPECT_EQ(pxGetPixel(0, 0), GetVEKColor(-1));
    EXPECT_EQ(pxGetPixel(199, 99), GetVEKColor(-1));
    EXPECT_EQ(pxGetPixel(200, 0), -1);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(x2, 199);
    EXPECT_EQ(y2, 99);
    EXPECT_EQ(pxBuff(PX_BUFFER_QUERY), 0);
}

TEST(ScreenSize, EnvironmentEntrySetsSizeAndBadValueKeepsDefault) {
    {
        testutil::ScopedEnv env("VEK_SCREEN", "800x600");
        pxInitScreen(0, 0);
        EXPECT_EQ(NPIXEL_X, 800);
        EXPECT_EQ(NPIXEL_Y, 600);
    }
    {
        testutil::ScopedEnv env("VEK_SCREEN", "800x");
        pxInitScreen(0, 0);
        EXPECT_EQ(NPIXEL_X, 1280);
        EXPECT_EQ(NPIXEL_Y, 1024);
    }
}

TEST_F(Screen, LineIsBresenhamWithBothEnds) {
    pxLine(10, 10, 15, 12);
    Pixels want = {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}, {15, 12}};
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99), want);
    // Reversed end points draw the same pixels on this line.
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    pxLine(15, 12, 10, 10);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 6u);
    pxLine(3, 3, 3, 3);
    EXPECT_EQ(pxGetPixel(3, 3), RED_CI);
}

TEST_F(Screen, DashPatternRunsOnAcrossLinesAndRestartsAtEachStyleCall) {
    pxSLn(1);  // 12 on, 4 off
    pxLine(0, 0, 9, 0);
    pxLine(0, 1, 9, 1);  // phase 10: 2 on, 4 off, 4 on
    std::string row0, row1;
    for (int x = 0; x < 10; x++) {
        row0 += pxGetPixel(x, 0) == RED_CI ? '#' : '.';
        row1 += pxGetPixel(x, 1) == RED_CI ? '#' : '.';
    }
    EXPECT_EQ(row0, "##########");
    EXPECT_EQ(row1, "##....####");
    pxSLn(1);
    pxLine(0, 2, 9, 2);
    EXPECT_EQ(pxGetPixel(2, 2), RED_CI);
    // A raw pattern: every second pixel (the dotted frame of value fields).
    pxSLn(static_cast<int>(0xaaaaaaaau));
    pxLine(0, 5, 7, 5);
    std::string row5;
    for (int x = 0; x < 8; x++) row5 += pxGetPixel(x, 5) == RED_CI ? '#' : '.';
    EXPECT_EQ(row5, "#.#.#.#.");
    EXPECT_EQ(pxQSLn(), static_cast<int>(0xaaaaaaaau));
    pxSLn(0);
    pxLine(0, 6, 7, 6);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 6, 199, 6).size(), 8u);
}

TEST_F(Screen, ThickLineIsSolidSquareStamp) {
    pxSLn(2);
    pxTkLn(10, 10, 14, 10, 3);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 7u * 3u);  // x 9..15, y 9..11
    EXPECT_EQ(pxGetPixel(9, 9), RED_CI);
    EXPECT_EQ(pxGetPixel(15, 11), RED_CI);
    EXPECT_NE(pxGetPixel(16, 10), RED_CI);
    // Width 2: from -1 to 0 around each pixel.
    pxInitScreen(200, 100);
    pxFgc(BLUE_CI);
    pxTkLn(5, 5, 5, 8, 2);
    EXPECT_EQ(Of_Colour(BLUE_CI, 0, 0, 199, 99),
              (Pixels{{4, 4}, {5, 4}, {4, 5}, {5, 5}, {4, 6}, {5, 6}, {4, 7}, {5, 7}, {4, 8}, {5, 8}}));
}

TEST_F(Screen, RectIsFilledInAnyCornerOrderAndClippedByViewport) {
    pxRect(12, 8, 10, 5);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 3u * 4u);
    EXPECT_EQ(pxGetPixel(10, 5), RED_CI);
    EXPECT_EQ(pxGetPixel(12, 8), RED_CI);
    pxView(50, 50, 52, 51);
    pxFgc(GREEN_CI);
    pxRect(0, 0, 199, 99);
    EXPECT_EQ(Of_Colour(GREEN_CI, 0, 0, 199, 99).size(), 6u);
    // A viewport reaching off the screen is cut to it.
    pxView(-10, -10, 500, 500);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y2, 99);
    pxRect(-5, -5, 1000, 1000);  // never writes outside the screen
    EXPECT_EQ(Of_Colour(GREEN_CI, 0, 0, 199, 99).size(), 200u * 100u);
}

TEST_F(Screen, PolygonFillIncludesOutlineAndTriangle) {
    int xs[4] = {10, 20, 20, 10}, ys[4] = {10, 10, 15, 15};
    pxFill(4, xs, ys);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 11u * 6u);
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    pxTri(0, 0, 4, 0, 0, 4);
    // Rows of a right triangle: 5, 4, 3, 2, 1 pixels.
    for (int y = 0; y <= 4; y++) EXPECT_EQ(Of_Colour(RED_CI, 0, y, 199, y).size(), 5u - y) << y;
    pxFill(2, xs, ys);  // fewer than three points: nothing
    EXPECT_EQ(pxGetPixel(15, 12), GetVEKColor(-1));
}

TEST_F(Screen, UserFillPatternLeavesClearBitsAlone) {
    int pattern[16];
    for (int i = 0; i < 16; i++) pattern[i] = (i % 2) ? 0 : 0x5555;
    EXPECT_EQ(pxSUFA(pattern), 1);
    pxRect(0, 0, 3, 1);
    EXPECT_NE(pxGetPixel(0, 0), RED_CI);
    EXPECT_EQ(pxGetPixel(1, 0), RED_CI);
    EXPECT_EQ(pxGetPixel(3, 0), RED_CI);
    EXPECT_NE(pxGetPixel(1, 1), RED_CI);
    pxSFA(0);
    pxRect(0, 5, 3, 5);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 5, 3, 5).size(), 4u);
}

TEST_F(Screen, MaskDotAndExclusiveOr) {
    const int dot[7] = {5, 5, 0x70, 0xF8, 0xF8, 0xF8, 0x70};
    pxMask(20, 20, dot);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 3u + 5u + 5u + 5u + 3u);
    EXPECT_NE(pxGetPixel(20, 20), RED_CI);
    EXPECT_EQ(pxGetPixel(21, 20), RED_CI);
    EXPECT_EQ(pxGetPixel(24, 22), RED_CI);
    EXPECT_NE(pxGetPixel(25, 22), RED_CI);
    // Drawing twice under exclusive or gives the screen back.
    int before = pxGetPixel(40, 40);
    pxSBop(PX_OP_XOR);
    pxFgc(2);
    pxTkLn(30, 30, 50, 45, 4);
    pxCrcl(40, 40, 6);
    EXPECT_NE(pxGetPixel(40, 40), before);
    pxTkLn(30, 30, 50, 45, 4);
    pxCrcl(40, 40, 6);
    pxSBop(PX_OP_COPY);
    EXPECT_EQ(pxGetPixel(40, 40), before);
    EXPECT_EQ(Of_Colour(GetVEKColor(-1), 25, 25, 55, 50).size(), 31u * 26u);
}

TEST_F(Screen, CircleHasItsFourExtremes) {
    pxCrcl(50, 50, 10);
    EXPECT_EQ(pxGetPixel(60, 50), RED_CI);
    EXPECT_EQ(pxGetPixel(40, 50), RED_CI);
    EXPECT_EQ(pxGetPixel(50, 40), RED_CI);
    EXPECT_EQ(pxGetPixel(50, 60), RED_CI);
    EXPECT_NE(pxGetPixel(50, 50), RED_CI);
    pxFgc(BLUE_CI);
    pxArc(100, 50, 10, 0, 90);  // right to top, y up
    EXPECT_EQ(pxGetPixel(110, 50), BLUE_CI);
    EXPECT_EQ(pxGetPixel(100, 40), BLUE_CI);
    EXPECT_NE(pxGetPixel(100, 60), BLUE_CI);
}

TEST_F(Screen, PaletteExactEntriesNearestAndScheme) {
    int c = Nearest_RGB_Color(255, 251, 240);
    EXPECT_EQ(Nearest_RGB_Color(255, 251, 240), c);
    int r, g, b;
    EXPECT_EQ(pxQCR(c, &r, &g, &b), 1);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 251);
    EXPECT_EQ(b, 240);
    EXPECT_EQ(Nearest_RGB_Color(0, 0, 0), BLACK_CI);
    EXPECT_EQ(Nearest_RGB_Color(255, 255, 255), WHITE_CI);
    EXPECT_EQ(Nearest_Color_Index(250, 2, 3), RED_CI);
    // The nearest search adds nothing: a fresh colour is not found exactly.
    int near = Nearest_Color_Index(1, 2, 250);
    EXPECT_EQ(near, BLUE_CI);
    EXPECT_EQ(Nearest_RGB_Color(300, -4, 0), RED_CI);  // clamped
    EXPECT_EQ(GetVEKColor(-1), MENUE_CI);
    EXPECT_EQ(GetVEKColor(RED_CI), RED_CI);
    EXPECT_EQ(GetVEKColor(-99), BLACK_CI);
    EXPECT_EQ(pxQCR(-15, &r, &g, &b), 1);
    EXPECT_EQ(r, 128);
    EXPECT_EQ(pxQCR(99999, &r, &g, &b), 0);
    // A scheme index draws directly and stays as set.
    pxFgc(-15);
    EXPECT_EQ(pxQFgc(), -15);
    pxDot(1, 1);
    EXPECT_EQ(pxGetPixel(1, 1), GetVEKColor(-15));
}

TEST_F(Screen, SavedRectanglesComeBackOnceByTheirCoordinates) {
    pxRect(0, 0, 20, 20);
    EXPECT_EQ(Save_Screen_Rectangle(5, 5, 10, 10), 1);
    pxFgc(GREEN_CI);
    pxRect(0, 0, 20, 20);
    EXPECT_EQ(Restore_Screen_Rectangle(5, 5, 9, 10), 0);  // other coordinates
    EXPECT_EQ(Restore_Screen_Rectangle(5, 5, 10, 10), 1);
    EXPECT_EQ(Of_Colour(RED_CI, 0, 0, 199, 99).size(), 36u);
    EXPECT_EQ(pxGetPixel(11, 11), GREEN_CI);
    EXPECT_EQ(Restore_Screen_Rectangle(5, 5, 10, 10), 0);  // already used
    // Off-screen parts are cut; the caller's-buffer variant round-trips.
    EXPECT_EQ(pxQSvR(190, 90, 250, 250), 10u * 10u * sizeof(int));
    std::vector<int> buf(pxQSvR(0, 0, 3, 3) / sizeof(int));
    pxSvRc(0, 0, 3, 3, buf.data());
    pxFgc(BLUE_CI);
    pxRect(0, 0, 3, 3);
    pxStRc(0, 0, 3, 3, buf.data());
    EXPECT_EQ(pxGetPixel(0, 0), GREEN_CI);
}

TEST_F(Screen, BufferSelectionAndFlush) {
    EXPECT_EQ(pxBuff(1), 0);
    EXPECT_EQ(pxBuff(PX_BUFFER_QUERY), 1);
    EXPECT_EQ(pxBuff(0), 1);
    long n = pxFlushCount();
    pxFlsh();
    EXPECT_EQ(pxFlushCount(), n + 1);
}

TEST_F(Screen, BitmapDrawnWithTransparentColourAndPartialSource) {
    testutil::TempDir dir;
    // 4 x 2: left half red, right half white; pixel (0, 1) is blue.
    std::string bmp = testutil::Bmp24(4, 2, [](int x, int y) -> unsigned {
        if (x == 0 && y == 1) return 0x0000FF;
        return x < 2 ? 0xFF0000 : 0xFFFFFF;
    });
    testutil::Write_File(dir.file("b.bmp"), bmp);
    int w = 0, h = 0;
    EXPECT_EQ(pxQDIBSize(dir.file("b.bmp").c_str(), &w, &h), 1);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 2);
    int bg = GetVEKColor(-1);
    EXPECT_EQ(pxDrawTransparentDIB(dir.file("b.bmp").c_str(), 10, 10, 13, 11, 201, -1, 255, 255,
                                   255),
              1);
    EXPECT_EQ(pxGetPixel(10, 10), RED_CI);
    EXPECT_EQ(pxGetPixel(11, 10), RED_CI);
    EXPECT_EQ(pxGetPixel(12, 10), bg);  // white is transparent
    EXPECT_EQ(pxGetPixel(10, 11), BLUE_CI);
    // Stretched to twice the size.
    pxDrawTransparentDIB(dir.file("b.bmp").c_str(), 20, 20, 27, 23, 1, -1, -1, -1, -1);
    EXPECT_EQ(pxGetPixel(21, 23), BLUE_CI);
    EXPECT_EQ(pxGetPixel(22, 23), RED_CI);
    EXPECT_EQ(pxGetPixel(27, 20), WHITE_CI);
    // One cell of a strip: source columns 2..3 (white) with ci transparent.
    pxDrawPartialTransparentDIB(dir.file("b.bmp").c_str(), 2, 0, 3, 1, 40, 40, 41, 41, 201,
                                WHITE_CI, -1, -1, -1);
    EXPECT_EQ(Of_Colour(bg, 40, 40, 41, 41).size(), 4u);
    // Backslashes count as separators; the DATA directory is searched.
    testutil::ScopedEnv data("DATA", dir.str());
    EXPECT_EQ(pxDrawTransparentDIB("b.bmp", 60, 60, 63, 61, 201, -1, -1, -1, -1), 1);
    EXPECT_EQ(pxGetPixel(63, 61), WHITE_CI);
    EXPECT_EQ(pxBitmapFaults(), 0);
    // Cuts reaching past the edge are counted: drawn in part, or, holding
    // nothing of the bitmap, as a placeholder.
    const struct { int sx1, sx2, drawn, faults; } cuts[] = {{2, 5, 1, 1}, {6, 7, 0, 2}, {0, 3, 1, 2}};
    for (const auto& c : cuts) {
        EXPECT_EQ(pxDrawPartialTransparentDIB("b.bmp", c.sx1, 0, c.sx2, 1, 70, 70, 73, 71, 0, -1, -1, -1, -1), c.drawn);
        EXPECT_EQ(pxBitmapFaults(), c.faults) << c.sx1;
    }
    EXPECT_STREQ(pxLastBitmapFault(), "b.bmp");
}

TEST_F(Screen, MissingBitmapDrawsMarkedPlaceholder) {
    EXPECT_EQ(pxDrawTransparentDIB("no_such_file.bmp", 10, 10, 20, 16, 201, -1, -1, -1, -1), 0);
    EXPECT_EQ(pxGetPixel(10, 10), DGREY_CI);
    EXPECT_EQ(pxGetPixel(20, 16), DGREY_CI);
    EXPECT_EQ(pxGetPixel(11, 13), LGREY_CI);  // off both diagonals
    EXPECT_EQ(pxGetPixel(21, 16), GetVEKColor(-1));
    EXPECT_EQ(pxBitmapFaults(), 1);
    EXPECT_STREQ(pxLastBitmapFault(), "no_such_file.bmp");
    // A broken file is a placeholder too.
    testutil::TempDir dir;
    testutil::Write_File(dir.file("bad.bmp"), "BM0000");
    EXPECT_EQ(pxDrawTransparentDIB(dir.file("bad.bmp").c_str(), 0, 0, 3, 3, 1, -1, -1, -1, -1), 0);
    int w = 7;
    EXPECT_EQ(pxQDIBSize(dir.file("bad.bmp").c_str(), &w, nullptr), 0);
    EXPECT_EQ(w, 7);
}

// Reads a PNG back with libpng: width, height and RGB rows.
bool Read_Png(const std::string &name, int *w, int *h, std::vector<unsigned char> *rgb) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, name.c_str())) return false;
    img.format = PNG_FORMAT_RGB;
    rgb->assign(PNG_IMAGE_SIZE(img), 0);
    if (!png_image_finish_read(&img, nullptr, rgb->data(), 0, nullptr)) return false;
    *w = static_cast<int>(img.width);
    *h = static_cast<int>(img.height);
    return true;
}

TEST_F(Screen, PngSnapshotHoldsThePaletteColours) {
    testutil::TempDir dir;
    pxFgc(Nearest_RGB_Color(10, 20, 30));
    pxRect(0, 0, 0, 0);
    pxFgc(WHITE_CI);
    pxDot(199, 99);
    ASSERT_EQ(Screen_Write_PNG(dir.file("s.png").c_str()), 1);
    int w, h;
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(Read_Png(dir.file("s.png"), &w, &h, &rgb));
    EXPECT_EQ(w, 200);
    EXPECT_EQ(h, 100);
    EXPECT_EQ(rgb[0], 10);
    EXPECT_EQ(rgb[1], 20);
    EXPECT_EQ(rgb[2], 30);
    EXPECT_EQ(rgb[3], 212);  // desktop background
    size_t last = (static_cast<size_t>(99) * 200 + 199) * 3;
    EXPECT_EQ(rgb[last], 255);
    // A part of the screen.
    ASSERT_EQ(Screen_Write_PNG_Rect(dir.file("p.png").c_str(), 190, 95, 400, 400), 1);
    ASSERT_TRUE(Read_Png(dir.file("p.png"), &w, &h, &rgb));
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(Screen_Write_PNG_Rect(dir.file("q.png").c_str(), 300, 300, 400, 400), 0);
    EXPECT_EQ(Screen_Write_PNG((dir.str() + "/missing/dir/s.png").c_str()), 0);
    // A snapshot the disc cannot take leaves the older one as it was.
    const std::string older = testutil::Read_File(dir.file("s.png"));
    {
        testutil::ScopedFileSizeLimit full(40);
        EXPECT_EQ(Screen_Write_PNG(dir.file("s.png").c_str()), 0);
    }
    EXPECT_EQ(testutil::Read_File(dir.file("s.png")), older);
}

}  // namespace
