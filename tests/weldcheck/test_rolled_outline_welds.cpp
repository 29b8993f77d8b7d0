// Welds on the rolled outline, each against a hand calculation written out
// here. By DIN 18800, a partial penetration all round a channel typed in as
// rolled: its band of steel is the closed form of the rolled channel less
// the rolled channel that stands a further in, stood as the channel is
// drawn (its web at the back) and with the channel's own toes. By the
// Eurocode, fillet welds on an IPN 200's sloped inner faces: a typed length
// is held to the rolled face, and a sloped line's own product moment has
// the sign of its face's slope in a weld set symmetric about neither axis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "printlist/list_capture.h"
#include "profiles/profil.h"
#include "profiles/stahlprofil_library.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace test_rolled_outline_welds {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

// A quarter circle's spandrel (the square r x r less the quarter circle
// tangent to two of its sides): area (1 - pi/4) r², its centroid
// r (10 - 3 pi) / (12 - 3 pi) = 0.22337 r from both sides.
const double kSpandrel = 1.0 - M_PI / 4.0;
const double kSpandrelAt = (10.0 - 3.0 * M_PI) / (12.0 - 3.0 * M_PI);

// A channel with parallel flanges (mm): h x b, web t_w, flanges t_f, root
// fillets r_1, toes r_2.
struct Channel {
    double h, b, t_w, t_f, r_1, r_2;
};

// Area and first moment about the back of the rolled channel: the web h x
// t_w, two flanges (b - t_w) x t_f beside it, a root fillet's spandrel added
// in each corner between web and flange, the inner corner of each tip
// rounded off by the toe's.
struct Sums {
    double A, S;
};
Sums Rolled(const Channel& c) {
    const double flange = (c.b - c.t_w) * c.t_f, root = kSpandrel * c.r_1 * c.r_1, toe = kSpandrel * c.r_2 * c.r_2;
    return {c.h * c.t_w + 2 * flange + 2 * root - 2 * toe,
            c.h * c.t_w * c.t_w / 2 + 2 * flange * (c.t_w + c.b) / 2 + 2 * root * (c.t_w + kSpandrelAt * c.r_1) -
                2 * toe * (c.b - kSpandrelAt * c.r_2)};
}

// DIN's band all round: the steel within a of the outline, the channel less
// the one that stands a in from every face. That one is again a rolled
// channel, h - 2a by b - 2a, web and flanges 2a thinner, its root fillets a
// larger and its toes a smaller (sharp once a passes r_2), its outer
// corners sharp as before, its back a from the channel's. Area (mm²) and
// centroid from the back (mm).
struct Band {
    double A, x;
};
Band Band_Of(const Channel& c, double a) {
    const Sums o = Rolled(c);
    const Sums e =
        Rolled({c.h - 2 * a, c.b - 2 * a, c.t_w - 2 * a, c.t_f - 2 * a, c.r_1 + a, std::max(c.r_2 - a, 0.0)});
    const double A = o.A - e.A;
    return {A, (o.S - (e.S + a * e.A)) / A};
}

// The channel typed in as rolled, its DIN record welded all round with a
// partial penetration of throat a under N 100 kN, worked out.
GeschweissterAnschluss Din_All_Round(const Channel& c, double a) {
    Stahlprofil p;
    Init_Profile(&p);
    Default_Material_Params(&p.material);
    p.kind = STAHLPROFIL_KIND_DIMENSIONS, p.type = PROFILTYP_U, p.rolled = 1, p.r_1 = c.r_1, p.r_2 = c.r_2;
    p.h = c.h, p.t_w = c.t_w, p.b_fo = p.b_fu = c.b, p.t_fo = p.t_fu = c.t_f;
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    GeschweissterAnschluss r = Din_Record_Of(p, 5, a);
    r.partial_penetration = 1;
    r.load[ANSCHLUSS_N] = 100;
    EXPECT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
    return r;
}

// The drawing stands a channel with its back at x = 0 and its tips at b;
// DIN's y runs against x (cm). The band's 8 chords per quarter circle keep
// its area within 0.05 % and its centroid within 0.02 mm of the closed form.
void Expect_Band(const GeschweissterAnschluss& r, const Band& band) {
    EXPECT_NEAR(r.weld_values.A_w * 100, band.A, 5e-4 * band.A) << "A_w (mm2)";
    EXPECT_NEAR(-10 * r.weld_values.y_s, band.x, 0.02) << "the welds' centroid from the back (mm)";
}

}  // namespace

// A typed channel's drawn corners all lie on its rolled outline mirrored
// (its toes and root corners on the mirror image's straight faces, where
// the outline as it stands rounds them off): the rolled outline stands as
// the drawing has the channel, by its centroid. U 200 x 75 (web 8.5,
// flanges 11.5, root 11.5, toes 6) a 3 and U 100 x 50 (6, 8.5, root 8.5,
// toes 4.5) a 2: the band's centroid lies near the web, 20.15 and 15.61 mm
// from the back; mirrored it lay at 54.85 and 34.39 mm.
TEST(RolledOutlineWelds, DinBandOfATypedChannelLiesAlongItsWebNotItsMirrorImage) {
    const struct {
        Channel c;
        double a;
    } cases[] = {{{200, 75, 8.5, 11.5, 11.5, 6}, 3}, {{100, 50, 6, 8.5, 8.5, 4.5}, 2}};
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << "U " << t.c.h << " x " << t.c.b << ", a " << t.a);
        const Band band = Band_Of(t.c, t.a);
        Expect_Band(Din_All_Round(t.c, t.a), band);
    }
    // The band by hand, U 200 x 75: the channel 1700 + 2 · 66.5 · 11.5 +
    // 2 · 0.2146 (11.5² - 6²) = 3270.81 mm², less the channel a in (194 x
    // 69, web 2.5, flanges 5.5, root 14.5, toes 3) 485 + 2 · 66.5 · 5.5 + 2 ·
    // 0.2146 (14.5² - 3²) = 1302.88 mm².
    EXPECT_NEAR(Band_Of(cases[0].c, 3).A, 3270.81 - 1302.88, 0.01);
}

// Two channels typed in that differ in their toes' radius alone, one after
// the other in one process: each band follows its own toes (the drawn
// outline, sharp, is the same for both). U 200 x 75 x 8.5 x 11.5, root
// 11.5, a 3: toes 8 take 2 · 0.2146 (8² - 5²) = 16.7 mm² off the band and
// pull its centroid 0.46 mm towards the back against toes 0.
TEST(RolledOutlineWelds, DinTypedChannelsDifferingInTheirToesAloneTakeEachItsOwnOutline) {
    for (const double toe : {8.0, 0.0}) {
        SCOPED_TRACE(testing::Message() << "U 200 x 75, toes of radius " << toe << " mm");
        const Channel c = {200, 75, 8.5, 11.5, 11.5, toe};
        Expect_Band(Din_All_Round(c, 3), Band_Of(c, 3));
    }
    const Channel toes = {200, 75, 8.5, 11.5, 11.5, 8}, none = {200, 75, 8.5, 11.5, 11.5, 0};
    EXPECT_NEAR(Band_Of(none, 3).A - Band_Of(toes, 3).A, 2 * kSpandrel * (64 - 25), 1e-9);
}

namespace {

// The value printed after "name = " in the list, NAN where there is none.
double Printed(const std::string& list, const std::string& name) {
    const size_t at = list.find(name + " = ");
    return at == std::string::npos ? NAN : std::atof(list.c_str() + at + name.size() + 3);
}

// The ends of every line of the last weld check as its picture gets them
// (y' to the left of the profile's centroid, z' down from the top edge).
struct Line_Ends {
    bool in_use;
    double y[2], z[2];
};
Line_Ends g_lines[WELD_CHECK_WELDS];
int Collect_Lines(const SchweissnahtNachweis*, FILE*, int) {
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        Line_Ends& e = g_lines[k];
        e.in_use = true;
        for (int i = 0; i < 2; ++i) e.in_use = Weld_Check_End_Point(k, i, &e.y[i], &e.z[i], nullptr) && e.in_use;
    }
    return 0;
}

// IPN 200 (S355's f_u 490, beta_w 0.9) on a 20 mm plate, gamma_M2 1.25, the
// directional method: fillet welds a 4 on both outer flange faces, both web
// faces and the inner faces left of the web on the top flange and right of
// it on the bottom one, the inner two of the given length (0: the face's
// own), the others their faces' own. The set is symmetric about the
// profile's centroid as a point, about neither axis.
SchweissnahtNachweis Ipn200_Welds(double inner_length) {
    SchweissnahtNachweis r;
    Init_Weld_Check_Record(&r);
    r.gamma_M2 = 1.25;
    Steel_Plate(&r.plate, 20.0, 490.0, 470.0, 0.9);
    Init_Profile(&r.profile);
    Default_Material_Params(&r.profile.material);
    EXPECT_EQ(Init_Profile_From_Name(&r.profile, "IPN200"), 0);
    r.profile.material = r.plate.material;
    r.weld_kind = WELD_FILLET;
    r.no_length_check = r.no_throat_check = 1;
    r.check_field = 1, r.method = 1;
    for (int k : {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER, WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT,
                  WELD_FACE_TOP_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT})
        r.a[k] = 4.0, r.number[k] = k + 1;
    r.l[WELD_FACE_TOP_INNER_LEFT] = r.l[WELD_FACE_BOTTOM_INNER_RIGHT] = inner_length;
    return r;
}

// IPN 200's inner flange face by hand (mm): b 90, web 7.5, t_f 11.3 at b/4
// from the tip, root 7.5, toe 4.5, the face rising s = 14 % towards the web.
// Seen from the tip (x towards the web, z from the outer face in) the face
// is z = 8.15 + 0.14 x; the toe's circle touches the tip's face and it, the
// root fillet's it and the web's face at c = (90 - 7.5) / 2 = 41.25, so that
// its straight part runs from x = r_2 (1 - s/k) to c - r_1 (1 - s/k), k =
// sqrt(1 + s²), and is c k - (r_1 + r_2)(k - s) long along the slope.
struct Ipn_Face {
    double s, k, length, y_m, z_m;  // y_m, z_m: its middle from the centroid
};
Ipn_Face Ipn200_Face() {
    const double s = 0.14, k = std::sqrt(1 + s * s), c = (90 - 7.5) / 2, r_1 = 7.5, r_2 = 4.5;
    const double x_toe = r_2 * (1 - s / k), x_root = c - r_1 * (1 - s / k), x_m = (x_toe + x_root) / 2;
    return {s, k, c * k - (r_1 + r_2) * (k - s), 45 - x_m, 100 - (11.3 - s * 22.5 + s * x_m)};
}

}  // namespace

// A length typed for a weld on a sloped face is held to the rolled face it
// lies on, 31.215 mm on IPN 200's inner faces (41.25 · 1.00975 - 12 ·
// 0.86975), whether it is the plates' face's 33.75 (41.25 less the root
// radius) or a length between the two; a shorter one stands. The Eurocode's
// line of the weld (its ends as drawn) and the weld list.
TEST(RolledOutlineWelds, TypedLengthOnASlopedFaceIsHeldToTheRolledFace) {
    const auto env = Catalogue_Data();
    const Ipn_Face f = Ipn200_Face();
    ASSERT_NEAR(f.length, 31.215, 0.0005);
    const struct {
        double typed, laid;
        const char* listed;
    } cases[] = {{20.0, 20.0, "20.0"}, {32.5, f.length, "31.2"}, {33.75, f.length, "31.2"}};
    const Weld_Check_Picture_Drawer old = Set_Weld_Check_Picture_Drawer(Collect_Lines);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed " << c.typed << " mm on the inner faces");
        SchweissnahtNachweis r = Ipn200_Welds(c.typed);
        r.forces.M_y = 50e6;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 1, 0), 0);
        const std::string list = l.Take();
        for (int k : {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT}) {
            const Line_Ends& e = g_lines[k];
            ASSERT_TRUE(e.in_use) << k;
            EXPECT_NEAR(std::hypot(e.y[1] - e.y[0], e.z[1] - e.z[0]), c.laid, 1e-4)
                << "weld " << k + 1 << " as laid on its sloped face";
        }
        for (const char* weld : {" Naht 2: ", " Naht 8: "}) {
            const std::string row = std::string(weld) + "╬ta╬\\w╬r = 4.0 mm╬tl╬\\w╬r = "_cp + c.listed +
                                    " mm\n";
            EXPECT_NE(list.find(row), std::string::npos) << "the weld list's length of" << weld << c.listed << " mm";
        }
    }
    Set_Weld_Check_Picture_Drawer(old);
}

// The set of Ipn200_Welds at the faces' own lengths: its centroid is the
// profile's, and of its lines only the two on the inner faces lie off both
// axes. In the check's frame (y' to the left, z' down) the top one's middle
// is at (25.667, -89.143), the bottom one's at (-25.667, 89.143), each A =
// 4 · 31.215; each runs along (1, -0.14) / k (the top flange thickens
// towards the web, the bottom one too), so that its own a l³ / 12 turned by
// the slope has the product u_y u_z = -0.14 / 1.0196:
//   I_w,yz = 2 (4 · 31.215 · 25.667 · (-89.143)) + 2 · 4 · 31.215³ / 12 ·
//            (-0.14 / 1.0196) = -571 372 - 2 784 = -574 156 mm⁴ = -57.42 cm⁴
// (with the own moment's sign turned, -56.86).
TEST(RolledOutlineWelds, ASlopedLinesOwnProductMomentTurnsWithItsFace) {
    const auto env = Catalogue_Data();
    const Ipn_Face f = Ipn200_Face();
    EXPECT_NEAR(f.y_m, 25.667, 0.0005);
    EXPECT_NEAR(f.z_m, 89.143, 0.0005);
    const double a = 4, L = f.length, u_yz = -f.s / (f.k * f.k);
    const double I_yz = 2 * a * L * f.y_m * -f.z_m + 2 * a * L * L * L / 12 * u_yz;
    EXPECT_NEAR(I_yz / 1e4, -57.42, 0.005);
    SchweissnahtNachweis r = Ipn200_Welds(0.0);
    r.forces.M_y = 50e6;
    ListCapture l;
    ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
    const std::string list = l.Take();
    EXPECT_NEAR(Printed(list, "I╬\\w,yz╬r"_cp), I_yz / 1e4, 0.006)
        << "I_w,yz (cm4), the inner welds' own moments turned by the slope";
    EXPECT_NEAR(Printed(list, "úy╬\\w╬r"_cp), 0.0, 0.051);
    EXPECT_NEAR(Printed(list, "úz╬\\w╬r"_cp), 0.0, 0.051);
}

}  // namespace test_rolled_outline_welds
