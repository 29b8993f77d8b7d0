// Further shape routines, bolt pictures, weld symbol labels and the outline
// points of the profile end: corners worked out by hand from the shapes'
// rules, records read back from the picture, screen shapes by their pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialogs/valuecheck.h"
#include "drawings/bolt_pictures.h"
#include "drawings/further_shapes.h"
#include "drawings/oli_pens.h"
#include "drawings/weld_labels.h"
#include "drawings/xs_weld_plot.h"
#include "platform/screen.h"
#include "printlist/picture_capture.h"

namespace {

class Shapes : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        Init_Oli_Pens();
        Open(-100, -100, 100, 100);
        Oli_Set_Color_Mode(1);
    }
    // The numbers of the first polygon record (record 18) in the records.
    static std::vector<double> Polygon(const std::string& records) {
        std::vector<double> v;
        size_t at = records.find(" 18 ");
        if (at == std::string::npos) return v;
        std::istringstream in(records.substr(at + 4, records.find('\n', at) - at - 4));
        double n, x;
        in >> n;
        while (in >> x) v.push_back(x);
        return v;
    }
    static bool Near(const std::vector<double>& a, const std::vector<double>& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); i++)
            if (std::fabs(a[i] - b[i]) > 1e-6) return false;
        return true;
    }
};

TEST_F(Shapes, MarksPlatesAndStrips) {
    // Hexagon r 2 about (0, 0): corner k at (2 sin 60k, 2 cos 60k).
    XS_Plot_Hexagon(5, 64, 1, 0, 0, 2, 0);
    const double s = 1.7320508075688772;
    EXPECT_TRUE(Near(Polygon(Take()), {0, 2, s, 1, s, -1, 0, -2, -s, -1, -s, 1}));
    // Below 0.1 nothing; the round mark needs more than 0.1.
    XS_Plot_Hexagon(5, 64, 1, 0, 0, 0.05, 0);
    XS_Plot_Round_Mark(0, 0, 0.1, 5, 64, 1, 0);
    EXPECT_EQ(Take(), "");
    XS_Plot_Hexagon(5, 64, 1, 0, 0, 0.1, 0);
    EXPECT_NE(Take(), "");
    // Capped strip mode 1 at (0, 0), w 10, h 20: the cap 1.5 beyond the end.
    XS_Plot_Capped_Strip(1, 5, 64, 0, 0, 10, 20, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {-5, 0, -5, 20, -3.5, 21.5, 3.5, 21.5, 5, 20, 5, 0}));
    // Mode 0 turns it a quarter: (x + dx, y + dy) -> (x - dy, y + dx).
    XS_Plot_Capped_Strip(0, 5, 64, 0, 0, 10, 20, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {0, -5, -20, -5, -21.5, -3.5, -21.5, 3.5, -20, 5, 0, 5}));
    XS_Plot_Capped_Strip(1, 5, 64, 0, 0, 10, -20, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {-5, 0, -5, -20, -3.5, -21.5, 3.5, -21.5, 5, -20, 5, 0}));
    // Band from (0, 0) to (10, 0), dx 0, dy 2: the rectangle -1 .. 1.
    XS_Plot_Band(0, 0, 10, 0, 0, 2, 5, 64, -1, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {0, -1, 10, -1, 10, 1, 0, 1}));
    // Head side view: w 12, a 0, b 8, c 2: t = 1 at the upper chamfer.
    XS_Plot_Hex_Side_View(1, 5, 64, 0, 0, 8, 2, 0, 12, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {-6, 0, -6, -8, -5, -10, 5, -10, 6, -8, 6, 0, 5, 0, -5, 0}));
    // A polygon without corners writes nothing.
    XS_Plot_Polygon(0, nullptr, nullptr, 5, 64, 1, 0);
    EXPECT_EQ(Take(), "");
}

TEST_F(Shapes, BoltPictures) {
    // r1 0.1, r2 0, r3 8: only the sixteen-cornered outline of radius 8,
    // one element: its line width, pen 0 and the 16 edges, no fill.
    XS_Plot_Bolt_End_Outline(0, 0, 0.1, 0, 8, 1, 0);
    std::string r = Take();
    EXPECT_EQ(std::count(r.begin(), r.end(), '\n'), 2 + 1 + 1 + 16 + 2) << r;
    EXPECT_NE(r.find(" 1  0.000000 8.000000 3.061467 7.391036\n"), std::string::npos) << r;
    EXPECT_EQ(r.find(" 18 "), std::string::npos);
    // Side view with washers of 0.05: shank, head, end and nut, no washer
    // rectangle in the other weld pen 13 (128, 64, 0).
    XS_Plot_Bolt_Side_View(0, 0, 0, 30, 8, 15, 10, 12, 0.05, 0.05, 14, 1, 5, 64, 0);
    r = Take();
    EXPECT_EQ(r.find("50 128 64 0"), std::string::npos);
    XS_Plot_Bolt_Side_View(0, 0, 0, 30, 8, 15, 10, 12, 3, 3, 14, 1, 5, 64, 0);
    EXPECT_NE(Take().find("50 128 64 0"), std::string::npos);
    // A direction outside 0..3: the empty element only.
    XS_Plot_Bolt_Side_View(0, 0, 0, 30, 8, 15, 10, 12, 3, 3, 14, 7, 5, 64, 0);
    EXPECT_EQ(Take(), " 30\n 52\n 31\n 53\n");
    // Rotated rectangle 4 x 2 by pi/2 about (0, 0): (2, 1) -> (1, -2).
    XS_Plot_Rotated_Rectangle(0, 0, 4, 2, M_PI / 2, 5, 64, 0, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {1, -2, -1, -2, -1, 2, 1, 2}));
    // Slot r 2, L 6 at (10, 0): corner 0 at (13, 0), corner 8 at (1, 0)... the
    // ninth the start of the second half circle (7, 0) minus r.
    XS_Plot_Slot(10, 0, 2, 6, 0, 5, 64, -1, 0);
    const std::vector<double> p = Polygon(Take());
    ASSERT_EQ(p.size(), 36u);
    EXPECT_NEAR(p[0], 15, 1e-9);
    EXPECT_NEAR(p[16], 11, 1e-9);
    EXPECT_NEAR(p[18], 5, 1e-9);
    XS_Plot_Slot(0, 0, 2, 1.5, 0, 5, 64, -1, 0);  // L below r - 0.01
    EXPECT_EQ(Take(), "");
}

TEST_F(Shapes, WeldSymbolLabels) {
    XS_Plot_Fillet_Weld_Symbol(0, 0, 0.0005, 0, 10, 2, 1, 0);
    EXPECT_EQ(Take(), "");
    // u = 1; mode 0: knee (1, -1); reference line 5 long for 9.4, 6 for 9.5.
    XS_Plot_Fillet_Weld_Symbol(0, 0, 9.4, 0, 10, 2, 1, 0);
    std::string r = Take();
    EXPECT_NE(r.find(" 1  1.000000 -1.000000 6.000000 -1.000000\n"), std::string::npos) << r;
    EXPECT_NE(r.find("\xAE" "a9\xAF"), std::string::npos) << r;
    XS_Plot_Fillet_Weld_Symbol(0, 0, 9.5, 0, 10, 2, 1, 0);
    EXPECT_NE(Take().find(" 1  1.000000 -1.000000 7.000000 -1.000000\n"), std::string::npos);
    // Line width -1: no leader lines, the text and the triangle all the same.
    XS_Plot_Fillet_Weld_Symbol(0, 0, 5, 1, 10, 2, -1, 0);
    r = Take();
    EXPECT_EQ(r.find(" 1  0.000000 0.000000"), std::string::npos) << r;
    EXPECT_NE(r.find(" 18 3 "), std::string::npos);
    EXPECT_NE(r.find("\xAE" "a5\xAF"), std::string::npos);
    // Both sides of the reference line: two triangles.
    XS_Plot_Double_Fillet_Weld_Symbol(0, 0, 5, 3, 10, 2, 1, 0);
    r = Take();
    EXPECT_EQ(r.find(" 18 3 ", r.find(" 18 3 ") + 1) != std::string::npos, true);
    XS_Plot_Radius_Label(0, 0, 12, 3, 10, 0, 0, 0);
    EXPECT_NE(Take().find("\xAE" "r12\xAF"), std::string::npos);
    XS_Plot_Radius_Label(0, 0, 0.0005, 3, 10, 0, 0, 0);
    EXPECT_EQ(Take(), "");
}

TEST(OutlinePoints, CountsByProfileType) {
    struct Case {
        int type, rolled, count;
    } cases[] = {{PROFILTYP_FLACH, 0, 4},   {PROFILTYP_RUND, 0, 0},   {PROFILTYP_L, 1, 18},     {PROFILTYP_I, 1, 44},
                 {PROFILTYP_H, 0, 44},       {PROFILTYP_Z, 1, 24},     {PROFILTYP_TRAPEZ, 0, 8}, {PROFILTYP_ROHR, 0, 32},
                 {PROFILTYP_RECHTECK, 1, 20}, {PROFILTYP_T, 1, 24},    {PROFILTYP_U, 1, 24},     {0, 0, 0}};
    for (const Case& c : cases) {
        Stahlprofil p;
        Init_Profile(&p);
        p.type = c.type, p.rolled = c.rolled;
        p.h = 200, p.t_w = 8, p.b_fo = p.b_fu = 100, p.t_fo = p.t_fu = 12, p.r_1 = 10, p.r_2 = 4;
        double x = 0, y = 0, xs[XS_OUTLINE_POINTS_MAX], ys[XS_OUTLINE_POINTS_MAX];
        int count = -1;
        XS_Plot_Profile_Outline_Points(&p, 0, 0, 0, &x, &y, 0, &count, xs, ys, nullptr, nullptr);
        EXPECT_EQ(count, c.count) << c.type;
    }
    // An I about its origin at the web axis: the first corner at the left
    // flange tip (-50, 0); turned by 90 degrees about the origin (50, 0) of
    // the reference point (0, 0): (-50 + 50, 0) ... the corner (0, 0) goes
    // to (50, 50), and the reference point itself with it.
    Stahlprofil p;
    Init_Profile(&p);
    p.type = PROFILTYP_I, p.h = 200, p.t_w = 8, p.b_fo = p.b_fu = 100, p.t_fo = p.t_fu = 12;
    double x = 0, y = 0, xs[XS_OUTLINE_POINTS_MAX], ys[XS_OUTLINE_POINTS_MAX];
    int count = 0;
    XS_Plot_Profile_Outline_Points(&p, 0, 0, 0, &x, &y, 90, &count, xs, ys, nullptr, nullptr);
    EXPECT_NEAR(xs[0], 50, 1e-9);
    EXPECT_NEAR(ys[0], 50, 1e-9);
    EXPECT_NEAR(x, 50, 1e-9);
    EXPECT_NEAR(y, 50, 1e-9);
}

// The remaining twins by their pixels, rotations by a half turn (which the
// snap table keeps exact), and the print forms of the rectangle, the
// sixteen-cornered mark and the bolt pictures by their first polygon.
TEST(ScreenShapes, MoreTwinsAndRotations) {
    const int desk = pxGetPixel(0, 0);
    XS_Screen_Circle16(100, 100, 10, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(100, 100), RED_CI);
    EXPECT_EQ(pxGetPixel(100, 110), BLACK_CI);  // corner 0 at (x, y + r)
    const int px[] = {150, 190, 150}, py[] = {100, 100, 140};
    XS_Screen_Polygon(3, px, py, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(160, 110), RED_CI);
    EXPECT_EQ(pxGetPixel(170, 100), BLACK_CI);
    XS_Screen_Rectangle(200, 100, 240, 130, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(220, 115), RED_CI);
    EXPECT_EQ(pxGetPixel(220, 100), BLACK_CI);
    XS_Screen_Rectangle(250, 100, 290, 130, -1, 1, BLACK_CI);  // outline only
    EXPECT_EQ(pxGetPixel(270, 115), desk);
    // Shank w 20, h 40 from (300, 100): x 290 .. 310, the cap 3 beyond 140;
    // mode 0 turns it towards -x.
    XS_Screen_Capped_Strip(300, 100, 20, 40, 1, RED_CI, 0, BLACK_CI);
    EXPECT_EQ(pxGetPixel(300, 120), RED_CI);
    EXPECT_EQ(pxGetPixel(300, 143), BLACK_CI);
    EXPECT_EQ(pxGetPixel(300, 146), desk);
    XS_Screen_Capped_Strip(350, 300, 20, 40, 0, GREEN_CI, 0, BLACK_CI);
    EXPECT_EQ(pxGetPixel(330, 300), GREEN_CI);
    // Head: a 3, b 10, c 3 above the base line y 200, w 24.
    XS_Screen_Hex_Side_View(400, 200, 10, 3, 3, 24, 1, RED_CI, 0, BLACK_CI);
    EXPECT_EQ(pxGetPixel(400, 192), RED_CI);
    EXPECT_EQ(pxGetPixel(400, 180), desk);
    XS_Screen_Hex_Side_View_Rotated(400, 400, 10, 3, 3, 24, 0.0, RED_CI, 0, BLACK_CI);
    EXPECT_TRUE(pxGetPixel(392, 400) == RED_CI || pxGetPixel(408, 400) == RED_CI);
    XS_Screen_Weld_Triangle_Quadrant(500, 100, 20, 4, RED_CI, 1, BLACK_CI);  // no quadrant 4
    EXPECT_EQ(pxGetPixel(505, 95), desk);
    EXPECT_EQ(pxGetPixel(505, 105), desk);
    XS_Screen_Weld_Triangle_Quadrant(500, 100, 20, 0, RED_CI, 1, BLACK_CI);
    int changed = 0;
    for (int y = 80; y <= 120; ++y)
        for (int x = 480; x <= 520; ++x) changed += pxGetPixel(x, y) != desk;
    EXPECT_GT(changed, 20);
    // One inner point of the quarter ellipse rx 10, ry 20: theta pi/4,
    // (x0 + 7.07, y0 - 14.14) rounded.
    int ax[1] = {0}, ay[1] = {0};
    XS_Screen_Arc_Points(50, 50, 10, 20, ax, ay, 0, 1, 1);
    EXPECT_EQ(ax[0], 57);
    EXPECT_EQ(ay[0], 36);
    XS_Screen_Bolt_End_Outline(600, 100, 20, 14, 8, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(600, 120), BLACK_CI);
    EXPECT_EQ(pxGetPixel(600, 108), BLACK_CI);
    EXPECT_EQ(pxGetPixel(600, 100), desk);
    // 40 x 10 turned a quarter: it stands along y.
    XS_Screen_Rotated_Rectangle(100, 300, 40, 10, M_PI / 2, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(100, 315), RED_CI);
    EXPECT_EQ(pxGetPixel(115, 300), desk);
    XS_Screen_Bolt_Side_View_Rotated(300, 500, 40, 8, 15, 10, 12, 3, 3, 14, 5, 0.0, LGREY_CI, 0);
    EXPECT_EQ(pxGetPixel(300, 500), LGREY_CI);  // the shank at the middle

    double x = 10, y = 5;
    EXPECT_EQ(XS_Plot_Rotate_Point_Ret(&x, &y, 5, 5, M_PI), &x);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 5, 1e-12);
    XS_Plot_Rotate_Point(&x, &y, 5, 5, M_PI);
    EXPECT_NEAR(x, 10, 1e-12);
    double x4[4] = {1, 2, 3, 4}, y4[4] = {-1, -2, -3, -4};
    XS_Plot_Rotate_4_Points(x4, y4, 0, 0, M_PI);
    double x6[6] = {1, 2, 3, 4, 5, 6}, y6[6] = {0, 0, 0, 0, 0, 7};
    XS_Plot_Rotate_6_Points(x6, y6, 0, 0, M_PI);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(x4[i] + y4[i], 0, 1e-12) << i;
    EXPECT_NEAR(x4[3], -4, 1e-12);
    EXPECT_NEAR(x6[5], -6, 1e-12);
    EXPECT_NEAR(y6[5], -7, 1e-12);
}

TEST_F(Shapes, PrintFormsOfRectangleMarkAndBolts) {
    XS_Plot_Rectangle(0, 0, 10, 5, 5, 64, -1, 0);
    EXPECT_TRUE(Near(Polygon(Take()), {0, 0, 0, 5, 10, 5, 10, 0}));
    // Sixteen corners on radius 2 from (0, 2) towards +x.
    XS_Plot_Circle16(5, 64, 1, 0, 0, 2, 0);
    const std::vector<double> mark = Polygon(Take());
    ASSERT_EQ(mark.size(), 32u);
    EXPECT_NEAR(mark[0], 0, 1e-9);
    EXPECT_NEAR(mark[1], 2, 1e-9);
    EXPECT_NEAR(mark[2], 2 * std::sin(M_PI / 8), 1e-6);
    EXPECT_NEAR(mark[3], 2 * std::cos(M_PI / 8), 1e-6);
    // The end view and the turned side view write their parts; radii of
    // 0.1 or less leave all marks out.
    XS_Plot_Bolt_End_View(0, 0, 10, 7, 4, 5, 64, 0, 1);
    EXPECT_NE(Take(), "");
    XS_Plot_Bolt_End_View(0, 0, 0.1, 0.05, 0, 5, 64, 0, 1);
    EXPECT_EQ(Polygon(Take()).size(), 0u);
    XS_Plot_Bolt_Side_View_Rotated(0, 0, 40, 8, 15, 10, 12, 3, 3, 14, 5, 0.0, 5, 64, 0);
    const std::string side = Take();
    EXPECT_GE(std::count(side.begin(), side.end(), '\n'), 10) << side;
}

// The screen twins are the print shapes in pixels: each corner offset
// rounded to a whole pixel. A hexagon of r 10 has its corners at
// (x +- round(10 sin 60) = 9, y +- 5) and (x, y +- 10): its outline runs
// through x + 9 and y + 10, the pixels one further out stay untouched; the
// round mark of r 8 reaches x + 8 (corner 4) and y + 8 (corner 0); a slot of
// r 4 and L 20 reaches L/2 + r = 14 on its axis on both sides.
TEST(ScreenShapes, PixelTwins) {
    pxFgc(BLUE_CI);
    const int empty = pxGetPixel(0, 0);
    // r 0 draws nothing and keeps the colour.
    XS_Screen_Hexagon(50, 50, 0, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(50, 50), empty);
    EXPECT_EQ(pxQFgc(), BLUE_CI);
    XS_Screen_Hexagon(50, 50, 10, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(50, 50), RED_CI);
    EXPECT_EQ(pxGetPixel(50, 60), BLACK_CI);  // corner 0 at (x, y + r)
    const struct {
        int x, y, colour;
    } hexagon[] = {{59, 50, BLACK_CI}, {60, 50, empty}, {41, 50, BLACK_CI}, {40, 50, empty},
                   {58, 50, RED_CI},   {50, 61, empty}, {50, 39, empty},    {50, 40, BLACK_CI}};
    for (const auto& p : hexagon) EXPECT_EQ(pxGetPixel(p.x, p.y), p.colour) << p.x << " " << p.y;
    XS_Screen_Round_Mark(100, 100, 8, GREEN_CI, 1, BLACK_CI);
    for (const auto& p : {std::pair{108, 100}, {100, 108}, {92, 100}, {100, 92}})
        EXPECT_EQ(pxGetPixel(p.first, p.second), BLACK_CI) << p.first << " " << p.second;
    for (const auto& p : {std::pair{109, 100}, {100, 109}, {91, 100}, {100, 91}})
        EXPECT_EQ(pxGetPixel(p.first, p.second), empty) << p.first << " " << p.second;
    XS_Screen_Slot(600, 200, 4, 20, 0.0, RED_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(614, 200), BLACK_CI);
    EXPECT_EQ(pxGetPixel(586, 200), BLACK_CI);
    EXPECT_EQ(pxGetPixel(615, 200), empty);
    EXPECT_EQ(pxGetPixel(585, 200), empty);
    // A slot with r above L draws nothing.
    XS_Screen_Slot(200, 200, 6, 4, 0, RED_CI, 1, BLACK_CI);
    EXPECT_NE(pxGetPixel(200, 200), RED_CI);
    XS_Screen_Round_Mark(300, 300, 8, GREEN_CI, 1, BLACK_CI);
    EXPECT_EQ(pxGetPixel(300, 300), GREEN_CI);
    XS_Screen_Bolt_Side_View(400, 100, 400, 160, 8, 15, 10, 12, 3, 3, 14, 1, LGREY_CI, 0);
    EXPECT_EQ(pxGetPixel(400, 130), LGREY_CI);  // the shank
    XS_Screen_Bolt_End_View(500, 500, 20, 14, 8, LGREY_CI, BLACK_CI);
    EXPECT_EQ(pxGetPixel(500, 500), LGREY_CI);
    EXPECT_EQ(pxQFgc(), BLUE_CI);
    XS_Plot_Set_Height(7.9);
    EXPECT_EQ(XS_Plot_Height_cm, 7);
    XS_Plot_Set_Height(NAN);
    EXPECT_EQ(XS_Plot_Height_cm, 7);
    XS_Plot_Set_Height(5);
}

}  // namespace
