// Screen drawing primitives: the pixel rounding, and one test picture of
// every primitive drawn on the headless screen, read back pixel by pixel at
// positions worked out by hand and written to a PNG in the build directory
// for a person to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/valuecheck.h"
#include "drawings/screen_primitives.h"
#include "platform/font.h"
#include "platform/png.h"
#include "platform/screen.h"
#include "support/testutil.h"

namespace {

TEST(ScreenPrimitives, RoundingAndSnapping) {
    struct Round {
        double v;
        int pixel;
    } rounds[] = {{0.45, 1},  {-0.45, -1}, {0.44, 0}, {2.5, 3},         {-2.44, -2},
                  {-2.45, -3}, {0.0, 0},   {NAN, 0},  {1e300, 1000000}, {-INFINITY, -1000000}};
    for (const Round& r : rounds) EXPECT_EQ(Round_To_Pixel(r.v), r.pixel) << r.v;
    struct Snap {
        double v, snapped;
    } snaps[] = {{0.9995, 1.0}, {-0.0009, 0.0}, {0.998, 0.998}, {-1.0008, -1.0}, {0.5, 0.5}};
    for (const Snap& s : snaps) EXPECT_EQ(Snap_Unit_Value(s.v), s.snapped) << s.v;
}

struct Pixel {
    int x, y, colour;
};

void Expect_Pixels(const std::vector<Pixel>& pixels) {
    for (const Pixel& p : pixels) EXPECT_EQ(pxGetPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(ScreenPrimitives, TestPictureReadBackAndWrittenAsPng) {
    pxInitScreen(400, 300);
    Init_Screen_Colors();
    const int bg = pxGetPixel(0, 0), black = Screen_Black, white = Screen_White;
    const int depth = RFont_Stack_Depth();
    pxFgc(BLUE_CI);

    // Circle r 30 about (50, 50): corner 0 at (80, 50), corner 8 of 32 at
    // (50, 80), both on the black outline.
    Draw_Filled_Circle(50, 50, 30, 32, RED_CI, 1, BLACK_CI);
    Draw_Filled_Circle(50, 250, 30, 65, RED_CI, 1, BLACK_CI);  // too many corners
    // Ring 30 / 15 about (130, 50): the hole is not filled, both circles are
    // stroked (outer corner 8 at (130, 80), inner one at (130, 65)).
    Draw_Filled_Ring(130, 50, 30, 15, 32, GREEN_CI, 1, BLACK_CI);
    // Two corners enclose nothing: before, the degenerate ring was drawn as a
    // green bar along its slit and read past its corners.
    Draw_Filled_Ring(300, 120, 30, 15, 2, GREEN_CI, 1, BLACK_CI);
    // Inner radius not below the outer one: a plain filled circle.
    Draw_Filled_Ring(240, 250, 20, 20, 16, GREEN_CI, -1, BLACK_CI);
    // Square outlined only, width 2 (rows 19 and 20 on the top edge).
    const int sx[4] = {180, 240, 240, 180}, sy[4] = {20, 20, 80, 80};
    Draw_Filled_Polygon(4, sx, sy, -1, 2, DMAGENTA_CI);
    // Triangle filled only.
    const int tx[3] = {260, 320, 290}, ty[3] = {80, 80, 20};
    Draw_Filled_Polygon(3, tx, ty, BLUE_CI, -1, BLACK_CI);
    // No corner: nothing drawn and nothing read (the closing edge once took
    // the corner before the first).
    std::vector<int> one(1, 390);
    Draw_Filled_Polygon(0, one.data(), one.data(), RED_CI, 1, RED_CI);
    Draw_Filled_Rect(340, 20, 380, 80, YELLOW_CI);
    Draw_Filled_Rect(340, 90, 380, 100, -1);
    // Quarter arc r 40 at (60, 160): corners k pi/16, k = 0 .. 8, at
    // (60 - R(40 cos), 160 + R(40 sin)): (20, 160) ... (32, 188) ...
    // (60, 200); no closing edge, so the chord keeps the fill colour.
    Draw_Filled_Arc(60, 160, 40, 0.0, 90.0, CYAN_CI, 1);
    // Two full turns: held at one turn (33 corners) instead of running past
    // the corner arrays; the disc about (160, 160) is filled.
    Draw_Filled_Arc(160, 160, 30, 0.0, 720.0, CYAN_CI, 1);
    Draw_Filled_Arc(160, 250, 30, 0.0, 0.0005, CYAN_CI, 1);  // too short
    // Corner (300, 200) rounded by r 30 about (330, 170): the arc runs from
    // (300, 170) to (330, 200), its middle point at (309, 191).
    Draw_Corner_Fillet(300, 200, 30, 0, MAGENTA_CI, 1);
    EXPECT_EQ(pxQFgc(), BLUE_CI);  // every filled shape gives the colour back

    pxFgc(RED_CI);
    // Arrow of 27 to the left from (380, 250): shaft (353, 250)-(380, 250)
    // of width 2 (rows 249, 250), head (350, 250), (359, 253), (359, 247).
    Draw_Arrow_With_Text(380, 250, 27, "y", 0.0);
    // pi/2 points down: shaft (300, 230)-(300, 257).
    Draw_Arrow_With_Text(300, 230, 27, "z", M_PI / 2);
    // Head pointing left with its point at (395, 140), its base at x = 410
    // beyond the screen's edge.
    Draw_Arrow_Head(395, 140, 0, M_PI);
    Draw_Axis_Arrow(250, 140, 27, 0, "x", M_PI);
    Draw_Arc_Arrow_With_Text(250, 190, 30, 1, 1, 0.0);
    // Marked line: black, a white dot ringed in black at each end.
    Draw_Marked_Line(20, 280, 120, 280, "l = 100", 0);
    Draw_Text_At(200, 280, "Text", 1, BLACK_CI, 0);
    EXPECT_EQ(RFont_Stack_Depth(), depth);

    Expect_Pixels({
        {50, 50, RED_CI},     {80, 50, black},      {50, 80, black},      {85, 50, bg},
        {50, 250, bg},                                                    // n 65
        {130, 50, bg},        {130, 28, GREEN_CI},  {130, 70, GREEN_CI},  // hole, ring
        {130, 80, black},     {130, 65, black},
        {280, 120, bg},       {315, 120, bg},                             // n 2
        {240, 250, GREEN_CI},                                             // no hole
        {210, 19, DMAGENTA_CI}, {210, 20, DMAGENTA_CI}, {210, 50, bg},    // outline only
        {290, 60, BLUE_CI},   {290, 80, BLUE_CI},                         // fill only
        {390, 290, bg},       {360, 50, YELLOW_CI}, {340, 80, YELLOW_CI}, {360, 95, bg},
        {20, 160, black},     {60, 200, black},     {32, 188, black},
        {40, 180, CYAN_CI},   {36, 184, CYAN_CI},   {35, 170, bg},        // arc segment
        {160, 160, CYAN_CI},  {160, 250, bg},
        {305, 195, MAGENTA_CI}, {309, 191, black},  {300, 185, BLUE_CI},  // fillet
        {370, 250, RED_CI},   {370, 249, RED_CI},   {356, 250, RED_CI},   {351, 253, bg},
        {300, 245, RED_CI},   {393, 140, bg},       {399, 140, RED_CI},
        {70, 280, black},     {20, 280, white},     {21, 279, white},     {22, 280, black},
    });

    EXPECT_EQ(Screen_Write_PNG((testutil::Test_Dir() + "/drawings_screen_primitives.png").c_str()), 1);
}

}  // namespace
