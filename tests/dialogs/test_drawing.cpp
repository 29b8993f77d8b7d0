// Colour shading and the screen drawing helpers: shaded colours worked out
// by hand in the hue-lightness-saturation model, the screen view and its
// rounding, the line rule by width and style, arrow heads cut to the line,
// the length dimension's texts, the text helpers and the zoom animation.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "dialogs/drawing.h"
#include "dialogs/shading.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

std::vector<int> Screen() { return std::vector<int>(pxScreenPixels(), pxScreenPixels() + pxScreenWidth() * pxScreenHeight()); }

struct Shade_Case {
    int r, g, b;
    double p;
    int R, G, B;
};

}  // namespace

// Each case by hand: red (l 0.5, s 1, h 1) at -50 %: l 0.25, v 0.5, so
// 127.5 -> 128. RGB 0, 88, 176 (l 0.3451, s 1, h 7/12) at +10 %: l 0.3796,
// v 0.7592, sextant 3 with f = 0.5: 0, 96.8, 193.6. Greys keep r = g = b = l;
// white at +50 % has l 1.5 and stays unclamped; -100 % or less is black.
TEST(Shading, WorkedCases) {
    const Shade_Case cases[] = {
        {255, 0, 0, -50.0, 128, 0, 0},     {0, 88, 176, 10.0, 0, 97, 194},
        {0, 88, 176, 0.0, 0, 88, 176},     {10, 200, 30, 0.0, 10, 200, 30},
        {0, 0, 0, 80.0, 0, 0, 0},          {128, 128, 128, -25.0, 96, 96, 96},
        {255, 255, 255, 50.0, 383, 383, 383}, {90, 40, 200, -100.0, 0, 0, 0},
        {90, 40, 200, -150.0, 0, 0, 0},
    };
    for (const Shade_Case& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        Shade_RGB(&r, &g, &b, c.p);
        EXPECT_EQ(r, c.R) << c.r << "," << c.g << "," << c.b << " " << c.p;
        EXPECT_EQ(g, c.G) << c.r << "," << c.g << "," << c.b << " " << c.p;
        EXPECT_EQ(b, c.B) << c.r << "," << c.g << "," << c.b << " " << c.p;
    }
    pxInitScreen(64, 48);
    EXPECT_EQ(Shade_Color(RED_CI, -50.0), Nearest_RGB_Color(128, 0, 0));
    EXPECT_EQ(Shade_Color(BLACK_CI, 40.0), BLACK_CI);
}

// The start view maps a world point to the same pixel, halves away from
// zero; a single y is a length times sy.
TEST(Screen_View, MappingAndRounding) {
    pxInitScreen(64, 48);
    Set_Screen_View(0.0, 0.0, 0.0, 1.0, 1.0);
    Set_Screen_Line_Width(1);
    Set_Screen_Line_Style(0);
    pxFgc(RED_CI);
    Draw_World_Line(2.5, 3.5, 2.5, 3.5);
    EXPECT_EQ(pxGetPixel(3, 4), RED_CI);
    Set_Screen_View(10.0, 20.0, 0.0, 2.0, -3.0);
    double y = 4.0;
    Screen_View_From_World(nullptr, &y);
    EXPECT_DOUBLE_EQ(y, -12.0);
    double px = 11.0, py = 21.0;
    Screen_View_From_World(&px, &py);
    EXPECT_DOUBLE_EQ(px, 2.0);
    EXPECT_DOUBLE_EQ(py, -3.0);
    Screen_View_To_World(&px, &py);
    EXPECT_DOUBLE_EQ(px, 11.0);
    EXPECT_DOUBLE_EQ(py, 21.0);
    EXPECT_DOUBLE_EQ(Screen_View_Distance(10.0, 20.0, 13.0, 20.0), 6.0);
    Set_Screen_View(0.0, 0.0, 0.0, 1.0, 1.0);
    Draw_World_Line(-2.5, 0.0, -2.5, 0.0);  // -3: off the screen, nothing drawn
    EXPECT_EQ(pxGetPixel(0, 0), GetVEKColor(-1));
}

// Width 0 draws nothing; width 1 one thin line whatever the style; width 3
// with a dotted style three thin lines, each starting its pattern afresh.
TEST(Screen_View, LineRule) {
    pxInitScreen(64, 48);
    Set_Screen_View(0.0, 0.0, 0.0, 1.0, 1.0);
    pxFgc(RED_CI);
    const std::vector<int> blank = Screen();
    Set_Screen_Line_Width(0);
    Draw_World_Line(5, 10, 40, 10);
    EXPECT_EQ(Screen(), blank);
    Set_Screen_Line_Width(3);
    Set_Screen_Line_Style(PX_LINE_DOTTED);
    Draw_World_Line(5, 20, 40, 20);
    for (int row = 19; row <= 21; ++row) {
        EXPECT_EQ(pxGetPixel(5, row), RED_CI) << row;
        EXPECT_NE(pxGetPixel(6, row), RED_CI) << row;
        EXPECT_EQ(pxGetPixel(7, row), RED_CI) << row;
    }
    EXPECT_NE(pxGetPixel(5, 18), RED_CI);
    EXPECT_NE(pxGetPixel(5, 22), RED_CI);
    Set_Screen_Line_Width(1);
    Draw_World_Line(5, 30, 40, 30);
    EXPECT_NE(pxGetPixel(6, 30), RED_CI);  // dotted
    EXPECT_NE(pxGetPixel(5, 31), RED_CI);  // thin
    Set_Screen_Line_Style(0);
}

// A head longer than the line is cut to the line's length: the barbs of a
// 10-pixel arrow with a 50 x 20 head start at its tail, 5 either side.
TEST(Screen_View, ArrowHeadCutToTheLine) {
    pxInitScreen(64, 48);
    Set_Screen_View(-20.0, -20.0, 0.0, 1.0, 1.0);
    Set_Screen_Line_Width(1);
    Set_Screen_Line_Style(0);
    pxFgc(RED_CI);
    Draw_World_Arrow(0.0, 0.0, 10.0, 0.0, 50.0, 20.0, 0);
    EXPECT_EQ(pxGetPixel(20, 15), RED_CI);
    EXPECT_EQ(pxGetPixel(20, 25), RED_CI);
    EXPECT_NE(pxGetPixel(20, 14), RED_CI);
    EXPECT_NE(pxGetPixel(20, 26), RED_CI);
}

// The length dimension draws what the dimension draws with the texts the
// rule gives: 0.125 m as "12" raised "5", 0.5 as "50", 2.0 as "2.00",
// 1.2375 as "1.24", 0.004 nothing.
TEST(Screen_View, LengthDimensionTexts) {
    struct Case {
        double length;
        const char *text, *raised;
    };
    const Case cases[] = {{0.125, "12", "5"}, {0.5, "50", ""}, {2.0, "2.00", ""}, {1.2375, "1.24", ""}};
    for (const Case& c : cases) {
        pxInitScreen(400, 200);
        Set_Screen_View(-0.1, -0.5, 0.0, 150.0, 150.0);
        pxFgc(BLACK_CI);
        Draw_World_Dimension(2, 0.0, 0.0, c.length, 0.0, c.text, c.raised, 20.0);
        const std::vector<int> want = Screen();
        pxInitScreen(400, 200);
        pxFgc(BLACK_CI);
        Draw_World_Length_Dimension(2, 0.0, 0.0, c.length, 0.0, 20.0);
        EXPECT_EQ(Screen(), want) << c.length;
    }
    pxInitScreen(400, 200);
    const std::vector<int> blank = Screen();
    Draw_World_Length_Dimension(2, 0.0, 0.0, 0.004, 0.0, 20.0);
    EXPECT_EQ(Screen(), blank);
}

TEST(Screen_Texts, WidthsColoursAndBackgrounds) {
    pxInitScreen(200, 100);
    EXPECT_EQ(Font_Text_Width("abc", RFONT_NORMAL), 21 + 3);
    EXPECT_EQ(Font_Text_Width("abc", 0x11000), 21 + 5);
    EXPECT_EQ(Font_Text_Width("abc", 0x11002), 17 + 5);
    pxFgc(RED_CI);
    Draw_Text_By_State(10, 30, "I", RFONT_NORMAL, -1);
    EXPECT_EQ(pxGetPixel(12, 24), GetVEKColor(-6));
    Draw_Text_By_State(30, 30, "I", RFONT_NORMAL, 1);
    EXPECT_EQ(pxGetPixel(32, 24), GetVEKColor(-9));
    EXPECT_EQ(pxQFgc(), RED_CI);
    Draw_Text_Background(50, 50, 2.0, GREEN_CI);
    EXPECT_EQ(pxGetPixel(49, 40), GREEN_CI);
    EXPECT_EQ(pxGetPixel(66, 53), GREEN_CI);
    EXPECT_NE(pxGetPixel(67, 53), GREEN_CI);
    pxFgc(RED_CI);
    Clear_Text_Background(50, 50, 2.0);
    EXPECT_EQ(pxGetPixel(55, 45), GetVEKColor(-1));
    EXPECT_EQ(pxQFgc(), RED_CI);
}

// The zoom animation leaves the screen as it was (every frame is drawn and
// erased by exclusive or) after seven frames of 10 ms.
TEST(Zoom_Animation, LeavesTheScreenAndTakesSeventyMilliseconds) {
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    pxRect(20, 20, 60, 60);
    const std::vector<int> before = Screen();
    const long long start = VEK_Clock_ms();
    dialogs::Animate_Zoom_Rectangle(10, 10, 20, 20, 100, 40, 180, 90);
    EXPECT_EQ(VEK_Clock_ms() - start, 70);
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(pxQFgc(), RED_CI);
}

// The shapes at world positions, on the identity view of a small screen:
// each one by the pixels it must set and those it must leave.
TEST(Screen_View, ShapesByTheirPixels) {
    pxInitScreen(64, 48);
    Set_Screen_View(0.0, 0.0, 0.0, 2.0, -3.0);
    EXPECT_EQ(Screen_View_Scale_X(), 2.0);
    EXPECT_EQ(Screen_View_Scale_Y(), -3.0);
    Set_Screen_View(0.0, 0.0, 0.0, 1.0, 1.0);
    Set_Screen_Line_Width(1);
    Set_Screen_Line_Style(PX_LINE_DOTTED);
    EXPECT_EQ(Screen_Line_Style(), PX_LINE_DOTTED);
    Set_Screen_Line_Style(0);
    const int desk = GetVEKColor(-1);
    struct Case {
        const char* what;
        void (*draw)();
        std::vector<std::pair<int, int>> set, clear;
    } cases[] = {
        // Sides only: corners and mid-sides, not the inside.
        {"rectangle", [] { Draw_World_Rectangle(5, 5, 20, 15); }, {{5, 5}, {20, 15}, {12, 5}, {5, 10}}, {{12, 10}}},
        {"rectangle centred", [] { Draw_World_Rectangle_Centred(12.5, 10, 15, 10); },
         {{5, 5}, {20, 15}, {12, 15}}, {{12, 10}}},
        // Filled.
        {"box", [] { Draw_World_Box(5, 5, 20, 15); }, {{5, 5}, {12, 10}, {20, 15}}, {{21, 10}}},
        {"box centred", [] { Draw_World_Box_Centred(12.5, 10, 15, 10); }, {{12, 10}}, {{25, 10}}},
        // 72 chords of radius 10: on the circle, not at the centre.
        {"circle", [] { Draw_World_Circle(32, 24, 10); }, {{42, 24}, {22, 24}, {32, 14}, {32, 34}}, {{32, 24}}},
        {"filled circle", [] { Fill_World_Circle(32, 24, 10); }, {{32, 24}, {40, 24}}, {{44, 24}}},
        // Two segments, no closing one.
        {"polyline",
         [] {
             const double x[] = {5, 30, 30}, y[] = {5, 5, 30};
             Draw_World_Polyline(3, x, y);
         },
         {{17, 5}, {30, 17}},
         {{17, 17}}},
        {"polygon",
         [] {
             const double x[] = {5, 30, 30}, y[] = {5, 5, 30};
             Fill_World_Polygon(3, x, y);
         },
         {{25, 10}},
         {{10, 25}}},
        // 6 wide about the segment y = 24: rows 21 .. 27.
        {"band", [] { Fill_World_Band(10, 24, 50, 24, 6, nullptr); }, {{30, 22}, {30, 26}}, {{30, 29}, {55, 24}}},
        // Width 1: one pixel; width 6: a disc of radius 3.
        {"dot", [] { Draw_World_Dot(10, 10); }, {{10, 10}}, {{11, 10}}},
        {"thick dot",
         [] {
             Set_Screen_Line_Width(6);
             Draw_World_Dot(20, 20);
             Set_Screen_Line_Width(1);
         },
         {{20, 20}, {22, 20}},
         {{24, 20}}},
    };
    for (const Case& c : cases) {
        pxInitScreen(64, 48);
        pxFgc(RED_CI);
        c.draw();
        for (auto [x, y] : c.set) EXPECT_EQ(pxGetPixel(x, y), RED_CI) << c.what << " " << x << "," << y;
        for (auto [x, y] : c.clear) EXPECT_EQ(pxGetPixel(x, y), desk) << c.what << " " << x << "," << y;
    }
    // The box in the desktop colour over a red one: cleared, and the
    // foreground is red again.
    Draw_World_Box(0, 0, 63, 47);
    Draw_World_Box_Colour_Minus_1(5, 5, 20, 15);
    EXPECT_EQ(pxGetPixel(12, 10), desk);
    EXPECT_EQ(pxGetPixel(30, 10), RED_CI);
    EXPECT_EQ(pxQFgc(), RED_CI);
}

// The fill patterns fill with their words (pxSUFA), the axis cross draws two
// arrows from its point, and the world texts stand where their modes say.
TEST(Screen_View, PatternsAxisCrossAndWorldTexts) {
    pxInitScreen(200, 100);
    Set_Screen_View(0.0, 0.0, 0.0, 1.0, 1.0);
    Set_Screen_Line_Width(1);
    const int desk = GetVEKColor(-1);
    pxFgc(RED_CI);
    // Stripes: 0x1111 in every row, bit 15 the left pixel: columns 3, 7, ...
    EXPECT_EQ(Set_Fill_Pattern_Stripes(), 1);
    Draw_World_Box(0, 0, 31, 3);
    EXPECT_EQ(pxGetPixel(3, 1), RED_CI);
    EXPECT_EQ(pxGetPixel(4, 1), desk);
    // Dots: 0x5555 in the even rows, 0 in the odd ones.
    EXPECT_EQ(Set_Fill_Pattern_Dots(), 1);
    Draw_World_Box(0, 10, 31, 13);
    EXPECT_EQ(pxGetPixel(1, 10) == RED_CI, true);
    EXPECT_EQ(pxGetPixel(0, 10), desk);
    EXPECT_EQ(pxGetPixel(1, 11), desk);
    EXPECT_EQ(Set_Fill_Pattern_Tiles(), 1);
    pxSFA(0);
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    // Arrows of 40 pixels to the right and down from (20, 20) (scale 1).
    Draw_World_Axis_Cross(20, 20, "y", "z", 40, 40, 0.0, 1.0);
    EXPECT_EQ(pxGetPixel(40, 20), RED_CI);
    EXPECT_EQ(pxGetPixel(20, 40), RED_CI);
    EXPECT_EQ(pxGetPixel(40, 40), desk);
    // A text, the bold copy one pixel further, the right-aligned one ending
    // at its point (its width 13 less 2: the last lit column at x).
    auto Columns = [&](int y0) {
        std::vector<int> cols;
        for (int x = 0; x < 200; ++x)
            for (int y = y0 - 10; y <= y0 + 2; ++y)
                if (pxGetPixel(x, y) == RED_CI) {
                    cols.push_back(x);
                    break;
                }
        return cols;
    };
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    Draw_World_Text_Plain(100, 20, "I", 0x1000);
    const std::vector<int> plain = Columns(20);
    ASSERT_FALSE(plain.empty());
    Draw_World_Text_Bold(100, 50, "I", 0x1000);
    const std::vector<int> bold = Columns(50);
    EXPECT_EQ(bold.back(), plain.back() + 1);
    Draw_World_Text_Right(100, 80, "II", 0x1000);
    const std::vector<int> right = Columns(80);
    ASSERT_FALSE(right.empty());
    EXPECT_EQ(right.back(), 100);
    EXPECT_GE(right.front(), 100 - 13);
    pxInitScreen(200, 100);
    pxFgc(RED_CI);
    Draw_World_Text(100, 20, "I", 0x1000, 1);
    EXPECT_EQ(Columns(20), bold);
    Draw_World_Text_Boxed(100, 60, "I", 0x1000, 4, 4);  // centred on the point
    const std::vector<int> boxed = Columns(60);
    ASSERT_FALSE(boxed.empty());
    EXPECT_LE(std::abs((boxed.front() + boxed.back()) / 2 - 100), 3);
}
