// The screen picture of the profile with its welds: the fitted scale and
// frame, outline points worked out by hand, weld marks of welded sections,
// the two passes of a tube, what is refused, and one snapshot of every
// family.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialogs/snapshot.h"
#include "dialogs/valuecheck.h"
#include "drawings/xs_weld_screen.h"
#include "platform/draw_calls.h"
#include "platform/screen.h"
#include "profiles/stahlprofil.h"

namespace {

// A profile given by its dimensions (welded unless rolled is set).
Stahlprofil Profile(int type, double h, double t_w, double b, double t_f, int rolled = 0, double r_1 = 0) {
    Stahlprofil p;
    Init_Profile(&p);
    Default_Material_Params(&p.material);
    p.kind = 0;
    p.type = type;
    p.h = h, p.t_w = t_w, p.b_fo = p.b_fu = b, p.t_fo = p.t_fu = t_f;
    p.rolled = rolled;
    p.r_1 = r_1;
    return p;
}

class XSScreen : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        Init_Screen_Colors();
        Init_XS_Screen_Options(&o_);
        o_.fill_colour = Screen_Light_Blue;
        o_.line_width = 1;
        o_.line_colour = Screen_Black;
    }
    XSScreenOptions o_;
};

std::vector<int> Screen() { return std::vector<int>(pxScreenPixels(), pxScreenPixels() + 640 * 480); }

}  // namespace

TEST_F(XSScreen, ClearedOptions) {
    std::memset(&o_, 0x55, sizeof o_);
    Init_XS_Screen_Options(&o_);
    EXPECT_EQ(o_.x + o_.y + o_.x2 + o_.y2 + o_.line_width + o_.stiffener_mode + o_.insert_mode, 0);
    EXPECT_EQ(o_.fill_colour, -1);
    EXPECT_EQ(o_.line_colour, -1);
    EXPECT_EQ(o_.background_colour, -1);
    EXPECT_EQ(o_.profile, nullptr);
    EXPECT_EQ(o_.scale, 0.0);
    EXPECT_EQ(o_.angle, 0.0);
}

// A box of 200 x 100 pixels and an I section 300 high and 150 wide: across
// (190 - 110) / 150 = 1.2, down (190 - 110) / 300 = 0.2667, so the height
// decides; the frame's right edge is 100 + 20 + R(0.2667 x 150 = 40) = 160,
// the reference point 110 + R(20) = 130, and the section reaches from
// (110, 110) to (150, 190).
TEST_F(XSScreen, FittedIntoItsBox) {
    Stahlprofil p = Profile(4, 300, 10, 150, 15);
    o_.profile = &p;
    o_.x = 100, o_.y = 100, o_.x2 = 300, o_.y2 = 200;
    Draw_XS_Weld_Screen(&o_, 1);
    const int* x = nullptr;
    const int* y = nullptr;
    ASSERT_EQ(XS_Screen_Outline(&x, &y), 44);
    EXPECT_EQ(x[0], 110);
    EXPECT_EQ(y[0], 110);
    EXPECT_EQ(y[21], 190);
    EXPECT_EQ(x[43], 150);
    EXPECT_EQ(pxGetPixel(101, 101), Screen_Desktop_Colour);
    EXPECT_EQ(pxGetPixel(160, 101), Screen_Desktop_Colour);
    EXPECT_NE(pxGetPixel(161, 101), Screen_Desktop_Colour);
    EXPECT_EQ(pxGetPixel(130, 150), Screen_Light_Blue);  // the web
}

TEST_F(XSScreen, RefusedSectionsDrawNothing) {
    const std::vector<int> before = Screen();
    Stahlprofil thin = Profile(1, 100, 0.5, 0, 0);  // a flat bar 0.5 mm wide, fitted
    o_.profile = &thin;
    o_.x = 10, o_.y = 10, o_.x2 = 200, o_.y2 = 200;
    Draw_XS_Weld_Screen(&o_, 1);
    Stahlprofil none = Profile(0, 100, 10, 100, 10);
    o_.profile = &none;
    o_.scale = 1.0;
    Draw_XS_Weld_Screen(&o_, 1);
    Draw_XS_Weld_Screen(nullptr, 1);
    EXPECT_EQ(XS_Screen_Outline(nullptr, nullptr), 0);
    EXPECT_TRUE(Screen() == before);
}

// A rolled I at 1 pixel per mm from (400, 100): web face at 400 - R(5.25) =
// 395, flange underside at 118. The root corner of radius 24 about (371,
// 142): its points at 22.5, 45 and 67.5 degrees lie R(24 sin) and R(24 cos)
// from the centre (9 and 22, 17 and 17, 22 and 9). The toes have no radius
// and repeat the corner (260, 118) five times.
TEST_F(XSScreen, RolledCornersAndSharpToes) {
    Stahlprofil p = Profile(4, 280, 10.5, 280, 18, 1, 24);
    o_.profile = &p;
    o_.x = 400, o_.y = 100, o_.scale = 1.0;
    Draw_XS_Weld_Screen(&o_, 1);
    const int* x = nullptr;
    const int* y = nullptr;
    ASSERT_EQ(XS_Screen_Outline(&x, &y), 44);
    const int want[5][2] = {{371, 118}, {380, 120}, {388, 125}, {393, 133}, {395, 142}};
    for (int k = 0; k < 5; k++) {
        EXPECT_EQ(x[6 + k], want[k][0]) << k;
        EXPECT_EQ(y[6 + k], want[k][1]) << k;
        EXPECT_EQ(x[1 + k], 260) << k;
        EXPECT_EQ(y[1 + k], 118) << k;
    }
    // Rolled: no weld marks in the corner beside the web.
    EXPECT_NE(pxGetPixel(393, 119), Screen_Grey130);
}

// The same section welded with fillet welds of 5 mm: the root corner stays
// sharp but keeps the point where the weld leg R(5 x 1.414) = 7 ends, and
// the corner holds the weld triangle.
TEST_F(XSScreen, WeldedCornersWithTheirWelds) {
    Stahlprofil p = Profile(4, 280, 10.5, 280, 18);
    p.a_o = p.a_u = 5.0;
    o_.profile = &p;
    o_.x = 400, o_.y = 100, o_.scale = 1.0;
    Draw_XS_Weld_Screen(&o_, 1);
    const int* x = nullptr;
    const int* y = nullptr;
    ASSERT_EQ(XS_Screen_Outline(&x, &y), 44);
    EXPECT_EQ(x[6], 388);
    for (int k = 7; k <= 10; k++) EXPECT_TRUE(x[k] == 395 && y[k] == 118) << k;
    EXPECT_EQ(pxGetPixel(392, 120), Screen_Grey130);  // inside the triangle (395,118) (388,118) (395,125)
}

// A tube 100 x 10 at 1 pixel per mm: pass 1 fills the wall and leaves the
// hole; pass 2 strokes only the outer circle (radius 50) in the weld
// colour, 2 pixels wide.
TEST_F(XSScreen, TubeInBothPasses) {
    Stahlprofil p = Profile(9, 100, 10, 0, 0);
    o_.profile = &p;
    o_.x = 300, o_.y = 100, o_.scale = 1.0;
    const int background = pxGetPixel(300, 150);
    Draw_XS_Weld_Screen(&o_, 1);
    EXPECT_EQ(pxGetPixel(300, 150), background);  // the centre: hole not filled
    EXPECT_EQ(pxGetPixel(300, 104), Screen_Light_Blue);
    o_.fill_colour = -1;
    o_.line_width = 2;
    o_.line_colour = Screen_Blue;
    Draw_XS_Weld_Screen(&o_, 2);
    EXPECT_EQ(pxGetPixel(300, 100), Screen_Blue);
    EXPECT_NE(pxGetPixel(300, 110), Screen_Blue);  // the inner circle is left alone
    EXPECT_EQ(pxGetPixel(300, 150), background);
}

// Every family, welded and rolled, with the angle's leg numbers, a box
// girder and a trough, the outline of an all-round weld on the tube and the
// I section: looked at and checked in.
TEST_F(XSScreen, EveryFamily) {
    struct Cell {
        Stahlprofil p;
        int x, y;
        bool all_round;
    };
    std::vector<Cell> cells;
    auto add = [&](Stahlprofil p, bool all_round = false) {
        const int i = static_cast<int>(cells.size());
        cells.push_back({p, 20 + 155 * (i % 4), 20 + 150 * (i / 4), all_round});
    };
    Stahlprofil welded_i = Profile(4, 120, 6, 100, 10);
    welded_i.a_o = welded_i.a_u = 4;
    add(welded_i);
    add(Profile(5, 120, 8, 110, 12, 1, 12), true);
    add(Profile(3, 100, 10, 70, 10));
    Stahlprofil channel = Profile(12, 120, 8, 60, 10, 1, 10);
    channel.r_2 = 5;
    add(channel);
    add(Profile(8, 100, 6, 70, 6, 1, 9));
    add(Profile(9, 100, 8, 0, 0), true);
    add(Profile(2, 80, 0, 0, 0));
    Stahlprofil tee = Profile(11, 90, 8, 90, 10);
    tee.a_o = 4;
    add(tee);
    add(Profile(14, 120, 8, 100, 10));
    add(Profile(1, 110, 20, 0, 0));
    Stahlprofil box = Profile(16, 100, 6, 80, 10);
    box.b_fu = 60, box.b_ueo = box.b_ueu = 10;
    add(box);
    Stahlprofil trough = Profile(17, 60, 5, 110, 6);
    trough.b_fu = 70;
    add(trough);
    for (Cell& c : cells) {
        Init_XS_Screen_Options(&o_);
        o_.profile = &c.p;
        o_.x = c.x, o_.y = c.y, o_.x2 = c.x + 140, o_.y2 = c.y + 140;
        // The seam of an all-round weld goes over the section drawn at a
        // given scale (a fitted drawing paints its frame each time): the
        // reference point is the top middle.
        if (c.all_round) o_.x = c.x + 70, o_.y = c.y + 15, o_.scale = 1.0;
        o_.fill_colour = Screen_Light_Blue;
        o_.line_width = 1;
        o_.line_colour = Screen_Black;
        Draw_XS_Weld_Screen(&o_, 1);
        if (!c.all_round) continue;
        o_.fill_colour = -1;
        o_.line_width = 2;
        o_.line_colour = Screen_Blue;
        Draw_XS_Weld_Screen(&o_, 2);
    }
    snapshot::Expect_Screen_Matches("xs_weld_screen_families", 0, 0, 639, 479, "drawings");
}
