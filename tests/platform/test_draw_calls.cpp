// Window-library calls of the connection pictures on the headless screen:
// the pointer form of the colour query, byte masks in a rectangle and boxed
// labels, read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/draw_calls.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

struct Pixel {
    int x, y, colour;
};

void Expect_Pixels(std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels) EXPECT_EQ(pxGetPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(DrawCalls, ColourQueryAndByteMask) {
    pxInitScreen(64, 48);
    const int bg = pxGetPixel(0, 0);
    pxFgc(RED_CI);
    int colour = -99;
    pxQFgc(&colour);
    pxQFgc(nullptr);
    EXPECT_EQ(colour, RED_CI);

    // A 5 x 5 dot, the left pixel in bit 7: rows 0x70 (three middle
    // pixels) and 0xF8 (all five).
    const unsigned char dot[5] = {0x70, 0xF8, 0xF8, 0xF8, 0x70};
    pxMask(14, 14, 10, 10, dot, 1);          // corners in any order
    pxMask(30, 10, 30, 80, dot, 1);          // more rows than the mask holds
    pxMask(40, 10, 44, 14, nullptr, 1);
    Expect_Pixels({{10, 10, bg},     {11, 10, RED_CI}, {13, 10, RED_CI}, {14, 10, bg},
                   {10, 11, RED_CI}, {14, 12, RED_CI}, {15, 12, bg},     {12, 14, RED_CI},
                   {14, 14, bg},     {30, 10, bg},     {42, 12, bg}});
}

TEST(DrawCalls, BoxedLabelsTurnInQuarterTurns) {
    pxInitScreen(200, 100);
    const int bg = pxGetPixel(0, 0);
    pxFgc(RED_CI);
    const int font = pxQFnt();
    // "AB" in the small font: 2 x 6 - 1 = 11 pixels long, 8 + 2 = 10
    // across; with margin 3 the box is 17 x 16 about (50, 50):
    // (42, 42)-(58, 57).
    Draw_Line_Box_Text(50, 50, 10, 3, 0.0, "AB", BLACK_CI, WHITE_CI, 1);
    // Turned by 90 (and 45, rounded to 90): 16 x 17, (142, 42)-(157, 58).
    Draw_Line_Box_Text(150, 50, 10, 3, 45.0, "AB", BLACK_CI, WHITE_CI, 1);
    Draw_Line_Box_Text(100, 90, 10, 3, 0.0, "", BLACK_CI, WHITE_CI, 1);
    Expect_Pixels({{42, 42, BLACK_CI},   {58, 57, BLACK_CI}, {43, 43, WHITE_CI}, {41, 42, bg},
                   {59, 57, bg},         {58, 58, bg},
                   {157, 58, BLACK_CI},  {158, 57, bg},      {143, 57, WHITE_CI},
                   {100, 90, bg}});
    int text_pixels = 0;
    for (int y = 45; y <= 54; y++)
        for (int x = 45; x <= 55; x++) text_pixels += pxGetPixel(x, y) == BLACK_CI;
    EXPECT_GT(text_pixels, 10);
    EXPECT_EQ(pxQFgc(), RED_CI);
    EXPECT_EQ(pxQFnt(), font);
}

}  // namespace
