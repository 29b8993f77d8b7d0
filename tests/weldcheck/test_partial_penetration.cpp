// Partial-penetration butt welds, whose throats lie in the parts they join:
// the check reads each throat where it is most stressed, at its face or at
// its root, by both codes. The throats are written down here as rectangles
// (mm: d from the profile's left edge, z' down from its top; where a throat
// along z runs into one along y the corner is the latter's), their section
// values, the stress field of N, M_y and M_z acting at the profile's
// centroid and its largest |sigma| over every corner of every throat
// (the field is linear, so a rectangle's largest |sigma| is at a corner)
// are computed from first principles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "printlist/list_capture.h"
#include "profiles/geschweisster_anschluss.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace test_partial_penetration {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

struct Rect {
    double d0, d1, z0, z1;
};

struct Load {
    double N, M_y, M_z;  // kN, kNm
};

// The largest |sigma| (N/mm²) over the corners of the throats under the
// forces at the centroid of the plates: sigma = N/A + c_z z + c_y y about
// the throats' centroid (y = -d, to the left), with int sigma z dA = M_y'
// and -int sigma y dA = M_z', the moments about that centroid.
double Largest_Corner_Stress(const std::vector<Rect>& plates, const std::vector<Rect>& throats, const Load& F) {
    auto centroid = [](const std::vector<Rect>& rs, double* A, double* d, double* z) {
        double Sd = 0, Sz = 0;
        *A = 0;
        for (const Rect& r : rs) {
            const double a = (r.d1 - r.d0) * (r.z1 - r.z0);
            *A += a, Sd += a * (r.d0 + r.d1) / 2, Sz += a * (r.z0 + r.z1) / 2;
        }
        *d = Sd / *A, *z = Sz / *A;
    };
    double A_p, d_P, z_P, A, d_w, z_w;
    centroid(plates, &A_p, &d_P, &z_P);
    centroid(throats, &A, &d_w, &z_w);
    double I_y = 0, I_z = 0, I_yz = 0;
    for (const Rect& r : throats) {
        const double b = r.d1 - r.d0, h = r.z1 - r.z0, y = d_w - (r.d0 + r.d1) / 2, z = (r.z0 + r.z1) / 2 - z_w;
        I_y += b * h * h * h / 12 + b * h * z * z;
        I_z += h * b * b * b / 12 + b * h * y * y;
        I_yz += b * h * y * z;
    }
    const double N = F.N * 1e3, dy = d_P - d_w, dz = z_w - z_P;
    const double M_y = F.M_y * 1e6 - N * dz, M_z = F.M_z * 1e6 + N * dy;
    const double D = I_y * I_z - I_yz * I_yz;
    const double c_z = (M_y * I_z + M_z * I_yz) / D, c_y = (-M_z * I_y - M_y * I_yz) / D;
    double largest = 0;
    for (const Rect& r : throats)
        for (double d : {r.d0, r.d1})
            for (double z : {r.z0, r.z1}) largest = std::max(largest, std::fabs(N / A + c_z * (z - z_w) + c_y * (d_w - d)));
    return largest;
}

const Load kLoads[] = {{0, 1, 0}, {0, 0, 1}, {0, -0.6, 2.2}, {60, -2, 0.5}, {-40, 1.5, -1}, {80, 0.4, 0.3}};

// A typed welded profile: its type and measures, its plates, the throat
// of each welded face and the throats as they lie.
struct Family {
    const char* name;
    int type;
    double h, t_w, b_fo, t_fo, b_fu, t_fu;
    std::vector<Rect> plates;
    std::vector<std::pair<int, double>> welds;  // face, throat
    std::vector<Rect> throats;
    double scale;  // of the loads
};

// Angle 150 x 100 x 10 (upright leg at the left), a 4 on its four faces:
// the back's throat stops at the heel's; 0.8 kN and kNm per unit.
const std::vector<Rect> kAnglePlates = {{0, 10, 0, 140}, {0, 100, 140, 150}};
const std::vector<Rect> kAngleThroats = {{0, 100, 146, 150}, {10, 100, 140, 144}, {0, 4, 0, 146}, {6, 10, 0, 140}};

const std::vector<Family>& Families() {
    // I 300, flanges 150 x 12 and 200 x 15, web 8 on the axis d = 100; T
    // 200 x 150, flange 12, stem 8; U 200 x 80, web 7, flanges 11; Z 200 x
    // 150, flanges 10, web 8 (d 71..79); flat bar 100 x 10; RHS 200 x 100 x
    // 8 with sharp corners.
    static const std::vector<Family> table = {
        {"angle, four faces", 3, 150, 10, 100, 10, 0, 0, kAnglePlates, {{0, 4}, {1, 4}, {2, 4}, {6, 4}}, kAngleThroats,
         0.8},
        {"angle, inner faces", 3, 150, 10, 100, 10, 0, 0, kAnglePlates, {{1, 4}, {6, 4}},
         {{10, 100, 140, 144}, {6, 10, 0, 140}}, 0.4},
        {"I, inner flange faces", 4, 300, 8, 150, 12, 200, 15, {{25, 175, 0, 12}, {96, 104, 12, 285}, {0, 200, 285, 300}},
         {{1, 4}, {5, 4}, {4, 4}, {7, 4}},
         {{25, 96, 8, 12}, {104, 175, 8, 12}, {0, 96, 285, 289}, {104, 200, 285, 289}}, 6},
        {"I, every face", 4, 300, 8, 150, 12, 200, 15, {{25, 175, 0, 12}, {96, 104, 12, 285}, {0, 200, 285, 300}},
         {{0, 3.5}, {1, 3.5}, {5, 3.5}, {2, 3.5}, {6, 3.5}, {3, 3.5}, {4, 3.5}, {7, 3.5}},
         {{25, 175, 0, 3.5}, {25, 96, 8.5, 12}, {104, 175, 8.5, 12}, {96, 99.5, 12, 285}, {100.5, 104, 12, 285},
          {0, 200, 296.5, 300}, {0, 96, 285, 288.5}, {104, 200, 285, 288.5}},
         8},
        {"T, every face", 11, 200, 8, 150, 12, 0, 0, {{0, 150, 0, 12}, {71, 79, 12, 200}},
         {{0, 3.5}, {1, 3.5}, {5, 3.5}, {2, 3.5}, {6, 3.5}},
         {{0, 150, 0, 3.5}, {0, 71, 8.5, 12}, {79, 150, 8.5, 12}, {71, 74.5, 12, 200}, {75.5, 79, 12, 200}}, 3},
        {"U, inner faces", 12, 200, 7, 80, 11, 0, 0, {{0, 80, 0, 11}, {0, 7, 11, 189}, {0, 80, 189, 200}},
         {{1, 3}, {4, 3}, {6, 3}}, {{7, 80, 8, 11}, {7, 80, 189, 192}, {4, 7, 11, 189}}, 2},
        {"Z, every face", 14, 200, 8, 150, 10, 0, 0, {{0, 79, 0, 10}, {71, 79, 10, 190}, {71, 150, 190, 200}},
         {{0, 3}, {1, 3}, {2, 3}, {6, 3}, {3, 3}, {4, 3}},
         {{0, 79, 0, 3}, {0, 71, 7, 10}, {71, 74, 10, 197}, {76, 79, 3, 190}, {71, 150, 197, 200}, {79, 150, 190, 193}},
         3},
        {"flat bar, every face", 1, 100, 10, 0, 0, 0, 0, {{0, 10, 0, 100}}, {{0, 4}, {3, 4}, {1, 4}, {2, 4}},
         {{0, 10, 0, 4}, {0, 10, 96, 100}, {0, 4, 4, 96}, {6, 10, 4, 96}}, 1},
        {"RHS, every face", 8, 200, 8, 100, 8, 0, 0, {{0, 100, 0, 8}, {0, 100, 192, 200}, {0, 8, 8, 192}, {92, 100, 8, 192}},
         {{0, 3}, {3, 3}, {1, 3}, {2, 3}}, {{0, 100, 0, 3}, {0, 100, 197, 200}, {0, 3, 3, 197}, {97, 100, 3, 197}}, 8},
    };
    return table;
}

SchweissnahtNachweis Record(const Family& c, const Load& F) {
    SchweissnahtNachweis r;
    EXPECT_EQ(Typed_Profile_Record(&r, c.type, c.h, c.t_w, c.b_fo, c.t_fo, c.b_fu, c.t_fu), 0) << c.name;
    for (size_t j = 0; j < c.welds.size(); ++j) {
        r.a[c.welds[j].first] = c.welds[j].second;
        r.number[c.welds[j].first] = static_cast<int>(j) + 1;
    }
    r.weld_kind = WELD_BUTT;
    r.no_length_check = r.no_throat_check = 1;
    r.full_treatment = 1;
    r.check_field = 1;
    r.method = 1;
    r.forces.N = F.N * c.scale * 1e3, r.forces.M_y = F.M_y * c.scale * 1e6, r.forces.M_z = F.M_z * c.scale * 1e6;
    return r;
}

// A DIN connection of S235 with gamma_M 1.1 on a plate t_p thick, its welds
// counted over their full length: the family, its sizes (h, flange b and
// t, web s, the same at both ends).
GeschweissterAnschluss Din_Connection(int family, double h, double b, double t, double s, double t_p) {
    GeschweissterAnschluss r;
    Init_Geschweisster_Anschluss(&r);
    r.family = family;
    r.h = r.h2 = h, r.b = r.b2 = b, r.t = r.t2 = t, r.s = r.s2 = s;
    r.grades.grade = r.grades.weld_grade = 5;  // S235
    r.load[ANSCHLUSS_GAMMA_M] = 1.1;
    r.t_p = t_p;
    r.end_crater = ANSCHLUSS_FULL_LENGTH;
    return r;
}

}  // namespace

// Without shear every point's check rises with its |sigma_w,x| alone, so
// the governing point's is the largest any checked point has: never below
// the throats' largest (it was read at the faces only: the angle's four
// faces under M_y -0.6, M_z 2.2 gave the face's where the inner leg's root
// carries more), and never beyond them.
TEST(PartialPenetration, CheckedAtTheThroatsMostStressedCorner) {
    for (const Family& c : Families()) {
        for (const Load& L : kLoads) {
            const Load F{L.N * c.scale, L.M_y * c.scale, L.M_z * c.scale};
            SCOPED_TRACE(std::string(c.name) + ", N " + std::to_string(F.N) + ", M_y " + std::to_string(F.M_y) +
                         ", M_z " + std::to_string(F.M_z));
            SchweissnahtNachweis r = Record(c, L);
            ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
            const double largest = Largest_Corner_Stress(c.plates, c.throats, F);
            EXPECT_NEAR(std::fabs(r.line_values[WELD_CHECK_VALUE_SIGMA_X]), largest, 1e-6 * largest + 1e-6);
        }
    }
}

// The same by DIN 18800: the angle by position (1 the back, 2 and 3 the
// inner faces, 4 the heel's face), full lengths (no end craters); the
// largest |sigma| of the welds is the throats'.
TEST(PartialPenetration, DinChecksTheThroatsMostStressedCorner) {
    const struct {
        const char* name;
        double a[4];
        std::vector<Rect> throats;
    } cases[] = {
        {"four faces", {4, 4, 4, 4}, kAngleThroats},
        {"inner faces", {0, 4, 4, 0}, {{6, 10, 0, 140}, {10, 100, 140, 144}}},
    };
    const double lengths[4] = {150, 140, 90, 100};
    for (const auto& c : cases) {
        for (const Load& F : kLoads) {
            SCOPED_TRACE(std::string(c.name) + ", N " + std::to_string(F.N) + ", M_y " + std::to_string(F.M_y) +
                         ", M_z " + std::to_string(F.M_z));
            GeschweissterAnschluss r = Din_Connection(ANSCHLUSS_ANGLE, 150, 100, 10, 10, 20.0);
            r.weld_kind = ANSCHLUSS_WELDS_BY_POSITION;
            r.partial_penetration = 1;
            for (int k = 0; k < 4; k++) r.a_pos[k] = c.a[k], r.l_pos[k] = c.a[k] > 0 ? lengths[k] : 0.0;
            r.load[ANSCHLUSS_N] = F.N, r.load[ANSCHLUSS_M_Y] = F.M_y, r.load[ANSCHLUSS_M_Z] = F.M_z;
            ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
            const double largest = Largest_Corner_Stress(kAnglePlates, c.throats, F);
            const Anschluss_Nahtwerte& v = r.weld_values;
            EXPECT_NEAR(std::max(v.sigma_max, -v.sigma_min), largest, 1e-6 * largest + 1e-6);
        }
    }
}

// The report names a point taken at the root, and the result block shows
// it with its stress (its magnitude: the top flange is compressed): the
// I's inner flange faces under M_y 6 kNm, whose roots lie 4 mm farther
// from the centroid than their faces.
TEST(PartialPenetration, ThePointAtTheRootIsNamed) {
    const Family& I = Families()[2];
    SchweissnahtNachweis r = Record(I, kLoads[0]);
    ListCapture l;
    ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
    const std::string text = l.Take();
    const std::string root = "╬t(an der Nahtwurzel)"_cp;
    EXPECT_NE(text.find(root + "╬tê  U╬\\w╬r = "_cp), std::string::npos) << text;
    const size_t result = text.find("╬HErgebnis:\n"_cp);
    ASSERT_NE(result, std::string::npos);
    char sigma[64];
    std::snprintf(sigma, sizeof sigma, "%.2f N/mm² "_cp, Largest_Corner_Stress(I.plates, I.throats, {0, 6, 0}));
    EXPECT_NE(text.find(sigma + root + "\n", result), std::string::npos) << sigma << text.substr(result);
    EXPECT_GE(r.governing_point, 2);
    // Under N alone the tube's throats, symmetric about its centroid, are
    // stressed alike at their faces and roots: no point at a root.
    SchweissnahtNachweis tube = Record(Families()[8], {60, 0, 0});
    ListCapture t;
    ASSERT_EQ(Calc_Weld_Check(&tube, t.f(), 1, 0, 0, 0), 0);
    EXPECT_EQ(t.Take().find(root), std::string::npos);
}

// A partial penetration all round joins every part from both faces: no
// throat goes deeper than half its part, else the part's steel counts twice
// (and steel that is not there). N 100 kN on symmetric sections, so that
// sigma_w = N / A_w. Flat bar 100 x 10, a 8: the long faces held to 10 / 2
// = 5 fill the thickness, the ends 8 deep into the 100 mm height: A_w = the
// bar, 1000 mm² (taken as typed, 2 8 84 + 2 8 10 = 1504). I 300 x 8 x 150
// x 12, a 8, by the Eurocode each part held to its own half: a flange 6
// from each face fills it but for the web's 8 x 6 (150 12 - 48 = 1752
// twice), the web 4 from each face fills its 8 x 276: A_w = 3504 + 2208 =
// 5712 mm². By DIN 18800 the one throat of the weld is held to half the
// thinnest part, 4: a flange's outer strip 150 x 4, its inner ones 2 x 71
// x 4, its tips 2 x 4 x 4 (1200 mm²), the web as before: A_w = 2400 + 2208
// = 4608 mm². T 200 x 8 x 150 x 12 by DIN 18800, a 8 held to 4: the flange
// 600 + 568 + 32 as the I's, its stem 8 x 188 (the end's throat within):
// A_w = 2704 mm² (its flange tips were counted with the inner strips too,
// the underside drawn 0.001 mm off the level: 2740). By the Eurocode each
// weld held is noted with its own throat taken (the bar's long faces 1, 2
// at 5; the I's webs 2, 6 at 4), the others not at all (the bar's ends,
// 8 deep into its height; the I's flange welds at 6 from their 12 mm):
// the I's weld 1 was noted with the web's 4 mm.
TEST(PartialPenetration, AllRoundThroatsHeldToHalfThePart) {
    const struct {
        const char* what;
        bool din;
        int type;  // EN profile type; the DIN family follows it
        double h, t_w, b, t_f;
        double A_w, taken;  // mm², the throat the note names
        std::vector<int> held;  // EN: the weld positions noted with it
    } cases[] = {
        {"flat bar, EN", false, 1, 100, 10, 0, 0, 1000, 5, {1, 2}},
        {"I, EN", false, 4, 300, 8, 150, 12, 5712, 4, {2, 6}},
        {"flat bar, DIN", true, 1, 100, 10, 0, 0, 1000, 5, {}},
        {"I, DIN", true, 4, 300, 8, 150, 12, 4608, 4, {}},
        {"T, DIN", true, 11, 200, 8, 150, 12, 2704, 4, {}},
    };
    const double N = 100e3, a = 8;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.din) {
            SchweissnahtNachweis r;
            ASSERT_EQ(Typed_Profile_Record(&r, c.type, c.h, c.t_w, c.b, c.t_f, c.b, c.t_f), 0);
            r.all_round = 1, r.weld_kind = WELD_BUTT;
            r.a[WELD_FACE_TOP_OUTER] = r.a[WELD_FACE_WEB_LEFT] = r.a[WELD_FACE_BOTTOM_OUTER] = a;
            r.no_length_check = r.no_throat_check = 1;
            r.check_field = 1, r.method = 1;
            r.forces.N = N;
            ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
            EXPECT_NEAR(r.line_values[WELD_CHECK_VALUE_SIGMA_X], N / c.A_w, 1e-9 * N / c.A_w);
            for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
                const Weld_Note* v = Weld_Note_Values(r.notes[k], WELD_RULE_THROAT_WALL);
                const bool held = std::find(c.held.begin(), c.held.end(), k) != c.held.end();
                const bool flange = c.type == 4 && k != 2 && k != 6 && k < 12;  // the flanges' faces and tips
                if (!held && !flange) {
                    EXPECT_EQ(v, nullptr) << k;
                    continue;
                }
                ASSERT_NE(v, nullptr) << k;
                EXPECT_EQ(v->v[0], a);
                EXPECT_EQ(v->v[1], held ? c.taken : c.t_f / 2) << k;
                EXPECT_EQ(v->v[2], WELD_THROAT_HELD_HALF);
            }
            continue;
        }
        GeschweissterAnschluss r =
            Din_Connection(c.type == 1 ? ANSCHLUSS_FLAT : c.type == 4 ? ANSCHLUSS_I : ANSCHLUSS_TEE, c.h,
                           c.type == 1 ? c.t_w : c.b, c.type == 1 ? c.t_w : c.t_f, c.t_w, 20.0);
        r.weld_kind = ANSCHLUSS_WELD_ALL_ROUND, r.a_w = a, r.partial_penetration = 1;
        r.load[ANSCHLUSS_N] = N / 1e3;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
        EXPECT_NEAR(r.weld_values.A_w, c.A_w / 100, 1e-5 * c.A_w / 100);  // the outline steps 0.001 mm
        if (c.type != 11) {  // symmetric: sigma_w = N / A_w
            EXPECT_NEAR(r.weld_values.sigma_max, N / c.A_w, 1e-6 * N / c.A_w);
        }
        Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1];
        int numbers[ANSCHLUSS_WELD_POSITIONS + 1];
        Din_Weld_Notes(&r, notes, numbers);
        const Weld_Note* v = Weld_Note_Values(notes[0], WELD_RULE_THROAT_WALL);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->v[1], c.taken);
        EXPECT_EQ(v->v[2], 1.0);
    }
}

// DIN 18800-1 element 519 (a >= sqrt(max t) - 0.5, a <= 0.7 t) is the
// fillet weld's rule: a partial-penetration butt weld lies in its part and
// is held by it. I 300 x 8 x 150 x 12 all round on a 30 mm plate, the
// throat checks on: a 4 < sqrt(30) - 0.5 = 4.98, a 6 > 0.7 8 = 5.6 break it
// as fillet welds only.
TEST(PartialPenetration, DinFilletThroatLimitsAreNotAButtWelds) {
    const struct {
        double a;
        int word;
    } cases[] = {{4, ANSCHLUSS_BELOW_ROOT_RULE}, {6, ANSCHLUSS_ABOVE_WEB}};
    for (const auto& c : cases) {
        for (int partial : {0, 1}) {
            SCOPED_TRACE(std::to_string(c.a) + (partial ? " partial penetration" : " fillet"));
            GeschweissterAnschluss r = Din_Connection(ANSCHLUSS_I, 300, 150, 12, 8, 30.0);
            r.weld_kind = ANSCHLUSS_WELD_ALL_ROUND, r.a_w = c.a, r.partial_penetration = partial;
            r.load[ANSCHLUSS_N] = 100;
            ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
            EXPECT_EQ(r.warnings.word[c.word] != 0, partial == 0);
        }
    }
}

// A throat held to its part is the throat the check takes everywhere: the
// weld list, the force lines and the note of each weld held. CHS 168.3 x 8
// with a 12, throat checks off, by the simplified method under M_y 20 kNm:
// the ring of the wall, R = 84.15, r_i = 76.15, I = pi (R⁴ - r_i⁴) / 4,
// sigma = M R / I at the top; F_w,Ed = sigma 8 and F_w,Rd = f_vw,d 8 with
// f_vw,d = 360 / sqrt 3 / (0.8 1.25) (they multiplied by 12). A round bar
// d 60 with a 44: the disc, A_w = pi 30², held to d/2 = 30 (it was cut to
// it without a word). The welded I all round with flanges 200 x 16 and 150
// x 12, web 8, a_fo 3, a_w 6, a_fu 10: the webs' welds (positions 2, 6)
// held to 4, the bottom flange's (3, 4, 7, 9, 11) to 6, the top flange's
// not (its note named weld 1 with the web's 4 mm, the bottom flange none).
TEST(PartialPenetration, TheThroatHeldIsTheThroatPrinted) {
    const std::string X = Report_Times_Sign;
    {
        SchweissnahtNachweis r;
        ASSERT_EQ(Typed_Profile_Record(&r, 9, 168.3, 8, 168.3, 8, 168.3, 8), 0);
        r.a[0] = 12, r.number[0] = 1;
        r.weld_kind = WELD_BUTT, r.no_length_check = r.no_throat_check = 1;
        r.check_field = 1, r.method = 0, r.full_treatment = 1;
        r.forces.M_y = 20e6;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 2, 0, 0, 0), 0);
        const std::string text = l.Take();
        const double R = 84.15, r_i = 76.15, I = M_PI * (std::pow(R, 4) - std::pow(r_i, 4)) / 4;
        const double sigma = 20e6 * R / I, f_vw_d = 360 / std::sqrt(3.0) / (0.8 * 1.25);
        char line[160];
        std::snprintf(line, sizeof line, "F╬\\w,Ed╬r = ╠╬\\w,Ed╬r%sa = %.2f kN/cm\n"_cp, X.c_str(), sigma * 8 / 100);
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
        std::snprintf(line, sizeof line, "F╬\\w,Rd╬r = f╬\\vw,d╬r%sa = %.2f kN/cm\n"_cp, X.c_str(), f_vw_d * 8 / 100);
        EXPECT_NE(text.find(line), std::string::npos) << line;
        EXPECT_NE(text.find("Naht 1: ╬ta╬\\w╬r = 8.0 mm"_cp), std::string::npos);
        EXPECT_NE(text.find("Naht 1: Nahtdicke a = 12.0 mm > t = 8.0 mm (Wand, nicht durchgeschweißt), gerechnet mit a = 8.0 mm"_cp),
                  std::string::npos);
    }
    {
        SchweissnahtNachweis r;
        ASSERT_EQ(Typed_Profile_Record(&r, 2, 60, 60, 60, 60, 60, 60), 0);
        r.a[0] = 44, r.number[0] = 1;
        r.weld_kind = WELD_BUTT, r.no_length_check = r.no_throat_check = 1;
        r.check_field = 1, r.method = 1;
        r.forces.N = 100e3;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
        EXPECT_NEAR(r.line_values[WELD_CHECK_VALUE_SIGMA_X], 100e3 / (M_PI * 900), 1e-9);
        const Weld_Note* v = Weld_Note_Values(r.notes[0], WELD_RULE_THROAT_WALL);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->v[0], 44.0);
        EXPECT_EQ(v->v[1], 30.0);
        EXPECT_EQ(v->v[2], WELD_THROAT_HELD_RADIUS);
        EXPECT_NE(l.Take().find("Naht 1: Nahtdicke a = 44.0 mm > d/2 = 30.0 mm (bis zur Stabmitte), gerechnet mit a = 30.0 mm"_cp),
                  std::string::npos);
        // By DIN 18800 alike.
        GeschweissterAnschluss d = Din_Connection(ANSCHLUSS_ROUND, 60, 60, 60, 60, 20.0);
        d.weld_kind = ANSCHLUSS_WELD_ALL_ROUND, d.a_w = 44, d.partial_penetration = 1;
        d.load[ANSCHLUSS_N] = 100;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&d), 0);
        EXPECT_NEAR(d.weld_values.A_w, M_PI * 9, 1e-9);
        Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1];
        int numbers[ANSCHLUSS_WELD_POSITIONS + 1];
        Din_Weld_Notes(&d, notes, numbers);
        v = Weld_Note_Values(notes[0], WELD_RULE_THROAT_WALL);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->v[1], 30.0);
        EXPECT_EQ(v->v[2], WELD_THROAT_HELD_RADIUS);
    }
    SchweissnahtNachweis r;
    ASSERT_EQ(Typed_Profile_Record(&r, 4, 300, 8, 200, 16, 150, 12), 0);
    r.all_round = 1, r.weld_kind = WELD_BUTT;
    r.a[WELD_FACE_TOP_OUTER] = 3, r.a[WELD_FACE_WEB_LEFT] = 6, r.a[WELD_FACE_BOTTOM_OUTER] = 10;
    for (int k = 0; k < 12; ++k) r.number[k] = k + 1;
    r.no_length_check = r.no_throat_check = 1;
    r.check_field = 1, r.method = 1;
    r.forces.N = 100e3;
    ListCapture l;
    ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
    const std::string text = l.Take();
    for (int k = 0; k < 12; ++k) {
        const Weld_Note* v = Weld_Note_Values(r.notes[k], WELD_RULE_THROAT_WALL);
        const bool web = k == 2 || k == 6, bottom = k == 3 || k == 4 || k == 7 || k == 9 || k == 11;
        if (!web && !bottom) {
            EXPECT_EQ(v, nullptr) << k;
            continue;
        }
        ASSERT_NE(v, nullptr) << k;
        EXPECT_EQ(v->v[0], web ? 6.0 : 10.0) << k;
        EXPECT_EQ(v->v[1], web ? 4.0 : 6.0) << k;
        char line[200];
        std::snprintf(line, sizeof line,
                      "Naht %d: Nahtdicke a = %.1f mm > t/2 = %.1f mm (von beiden Seiten, nicht durchgeschweißt), gerechnet mit a = %.1f mm"_cp,
                      k + 1, v->v[0], v->v[1], v->v[1]);
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

}  // namespace test_partial_penetration
