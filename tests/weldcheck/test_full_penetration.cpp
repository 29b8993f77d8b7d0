// Fully penetrated butt welds: the weld is the section it joins. For every
// profile family the weld section is worked out here from the profile's own
// plates, each weld a strip of the plate it lies on, drawn on its face:
// half the plate on each of its two faces (flanges, webs, legs, the flat
// bar's long faces), the whole wall where a wall is welded from outside only
// (the rectangular tube), the wall or disc itself for the round sections.
// The utilisation of a single force then follows EN 1993-1-8 4.5.3.2 with
// the throat at 0 degrees: sigma_perp = sigma_w,x, the shear as tau,
// condition 1 (sigma² + 3 tau²)^1/2 <= f_u / (beta_w gamma_M2) = 360,
// condition 2 |sigma| <= 0.9 f_u / gamma_M2 = 259.2 N/mm² (S235 on both
// sides, beta_w 0.8, gamma_M2 1.25).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kF1 = 360.0 / (0.8 * 1.25), kF2 = 0.9 * 360.0 / 1.25;
// A normal stress and a shear stress of one point, as utilisation.
double U_sigma(double s) { return std::fabs(s) / kF2; }
double U_tau(double t) { return std::sqrt(3.0) * std::fabs(t) / kF1; }

struct Profile {
    int type;
    double h, t_w, b, t_f;
};

// The family's welds all round, fully penetrated, with throats the check
// must not take: the weld is the section whatever the caller says.
SchweissnahtNachweis Record(const Profile& c, double N, double My, double Mz, double Vy, double Vz, double Mx) {
    SchweissnahtNachweis r;
    EXPECT_EQ(Typed_Profile_Record(&r, c.type, c.h, c.t_w, c.b, c.t_f, c.b, c.t_f), 0);
    for (int k = 0; k < 12; ++k) r.number[k] = k + 1, r.a[k] = 99.0;
    r.weld_kind = WELD_BUTT;
    r.full_penetration = 1;
    r.all_round = 1;
    r.full_treatment = 1;
    r.check_field = 1;
    r.method = 1;
    r.forces.N = N * 1e3, r.forces.M_y = My * 1e6, r.forces.M_z = Mz * 1e6;
    r.forces.V_y = Vy * 1e3, r.forces.V_z = Vz * 1e3, r.forces.M_x = Mx * 1e6;
    return r;
}

const Profile kFlat{PROFILTYP_FLACH, 250, 12, 0, 0};   // upright bar 250 x 12
const Profile kWide{PROFILTYP_FLACH, 12, 250, 0, 0};   // the same bar lying flat
const Profile kBox{PROFILTYP_RECHTECK, 200, 6, 120, 12};
const Profile kTube{PROFILTYP_ROHR, 200, 8, 0, 0};
const Profile kBar{PROFILTYP_RUND, 60, 0, 0, 0};
const Profile kChannel{PROFILTYP_U, 200, 6, 75, 12};
const Profile kI{PROFILTYP_I, 300, 8, 200, 12};

// The tube: R 100, r 92; the bar: R 30.
const double kTubeA = kPi * (100.0 * 100 - 92.0 * 92), kTubeI = kPi * (std::pow(100.0, 4) - std::pow(92.0, 4)) / 4;
const double kBarA = kPi * 30 * 30, kBarI = kPi * std::pow(30.0, 4) / 4;
// Largest shear of V at the neutral axis, V Q / (I b), Q the static moment
// of the half section: the tube's (2/3)(R³ - r³) over its two walls, the
// bar's 2 R³ / 3 over its diameter.
const double kTubeShear = (2.0 / 3.0) * (std::pow(100.0, 3) - std::pow(92.0, 3)) / (kTubeI * 2 * 8);
const double kBarShear = (2.0 / 3.0) * std::pow(30.0, 3) / (kBarI * 60);

// The rectangular tube's walls: top and bottom 120 x 12, the sides the full
// 200 x 6, each its weld on its outer face.
const double kBoxIy = 2 * 120 * 12 * 100.0 * 100 + 2 * 6 * std::pow(200.0, 3) / 12;
// The channel's welds on the faces of its plates, half the plate each:
// flanges 75 outside and 75 - 6 = 69 inside at z = 100 and 100 - 12 = 88,
// the web 200 outside and 200 - 24 = 176 inside, 3 mm each.
const double kChannelIy = 2 * 75 * 6 * 100.0 * 100 + 2 * 69 * 6 * 88.0 * 88 + 3 * std::pow(200.0, 3) / 12 +
                          3 * std::pow(176.0, 3) / 12;

TEST(FullPenetration, TheWeldIsTheSectionItJoins) {
    struct Case {
        const char* what;
        Profile p;
        double N, My, Mz, Vy, Vz, Mx;  // kN, kNm
        double U;
    } const cases[] = {
        // The bar 250 x 12: A 3000 mm², I_y 12 250³/12, I_z 250 12³/12.
        {"flat bar N", kFlat, 500, 0, 0, 0, 0, 0, U_sigma(500e3 / 3000)},
        {"flat bar M_y", kFlat, 0, 20, 0, 0, 0, 0, U_sigma(20e6 * 125 / (12 * std::pow(250.0, 3) / 12))},
        {"flat bar M_z across the bar", kFlat, 0, 0, 1, 0, 0, 0, U_sigma(1e6 * 6 / (250 * std::pow(12.0, 3) / 12))},
        {"flat bar V_y across the bar", kFlat, 0, 0, 0, 200, 0, 0, U_tau(200e3 / 3000)},
        {"flat bar V_z", kFlat, 0, 0, 0, 0, 200, 0, U_tau(200e3 / 3000)},
        {"flat bar lying: M_y across it", kWide, 0, 1, 0, 0, 0, 0, U_sigma(1e6 * 6 / (250 * std::pow(12.0, 3) / 12))},
        {"flat bar lying: V_z across it", kWide, 0, 0, 0, 0, 200, 0, U_tau(200e3 / 3000)},
        // Walls 12 and 6 mm: A_w 2 120 12 + 2 200 6 = 5280 mm².
        {"box N", kBox, 1000, 0, 0, 0, 0, 0, U_sigma(1000e3 / 5280)},
        {"box V_z on the 6 mm sides", kBox, 0, 0, 0, 0, 300, 0, U_tau(300e3 / (2 * 200 * 6))},
        {"box V_y on the 12 mm walls", kBox, 0, 0, 0, 300, 0, 0, U_tau(300e3 / (2 * 120 * 12))},
        {"box M_y", kBox, 0, 50, 0, 0, 0, 0, U_sigma(50e6 * 100 / kBoxIy)},
        {"tube N and M_y", kTube, 500, 20, 0, 0, 0, 0, U_sigma(500e3 / kTubeA + 20e6 * 100 / kTubeI)},
        {"tube V_z", kTube, 0, 0, 0, 0, 300, 0, U_tau(300e3 * kTubeShear)},
        {"tube M_x", kTube, 0, 0, 0, 0, 0, 20, U_tau(20e6 * 100 / (2 * kTubeI))},
        {"bar N", kBar, 200, 0, 0, 0, 0, 0, U_sigma(200e3 / kBarA)},
        {"bar M_y", kBar, 0, 2, 0, 0, 0, 0, U_sigma(2e6 * 30 / kBarI)},
        {"bar V_z", kBar, 0, 0, 0, 0, 100, 0, U_tau(100e3 * kBarShear)},
        {"bar M_x", kBar, 0, 0, 0, 0, 0, 1, U_tau(1e6 * 30 / (2 * kBarI))},
        {"channel M_y: web welds of the web's 6 mm", kChannel, 0, 30, 0, 0, 0, 0, U_sigma(30e6 * 100 / kChannelIy)},
        // The I as it always was: flanges 200 outside and 2 x 96 inside, 6
        // mm each, the web 2 x 276 x 4 mm: A_w 6912 mm².
        {"I N", kI, 500, 0, 0, 0, 0, 0, U_sigma(500e3 / 6912)},
    };
    for (const Case& c : cases) {
        SchweissnahtNachweis r = Record(c.p, c.N, c.My, c.Mz, c.Vy, c.Vz, c.Mx);
        ListCapture l;
        EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 2, 1, 0, 1), 0) << c.what;
        EXPECT_NEAR(r.U_w, c.U, 1e-6 * c.U) << c.what;
        EXPECT_FALSE(Has_Non_Finite_Text(l.Take())) << c.what;
    }
}

// The weld section's area is the plates' area, never more: for profiles
// welded from plates (no fillets) the strips of the two faces of each plate
// make the plate. Angle h 100 x b 150 with legs of 6 and 14 mm: 150 x 14 +
// (100 - 14) x 6 = 2616 mm²; channel 2 x 75 x 12 + (200 - 24) x 6 = 2856;
// zed 200 x 150 (flanges 79 wide each, over the web) with a web of 8 and
// flanges of 11 mm: 2 x 79 x 11 + (200 - 22) x 8 = 3162; the rectangular
// tube's walls as laid out 2 x 120 x 12 + 2 x 200 x 6 = 5280 mm².
TEST(FullPenetration, WeldAreaIsThePlatesArea) {
    struct Case {
        Profile p;
        const char* area;
    } const cases[] = {
        {{PROFILTYP_L, 100, 6, 150, 14}, "A╬\\w╬r = 26.16 cm²"_cp},
        {kChannel, "A╬\\w╬r = 28.56 cm²"_cp},
        {{PROFILTYP_Z, 200, 8, 150, 11}, "A╬\\w╬r = 31.62 cm²"_cp},
        {kBox, "A╬\\w╬r = 52.80 cm²"_cp},
        {kFlat, "A╬\\w╬r = 30.00 cm²"_cp},
        {kTube, "A╬\\w╬r = 48.25 cm²"_cp},  // pi (100² - 92²)
        {kBar, "A╬\\w╬r = 28.27 cm²"_cp},   // pi 30²
    };
    for (const Case& c : cases) {
        SchweissnahtNachweis r = Record(c.p, 100, 0, 0, 0, 0, 0);
        ListCapture l;
        EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0) << c.area;
        EXPECT_NE(l.Take().find(std::string("▓"_cp) + c.area), std::string::npos) << c.area;
    }
}

// A profile type without places for welds cannot be checked, and the list
// says why.
TEST(FullPenetration, NoWeldPlacesAreNamed) {
    SchweissnahtNachweis r = Record({PROFILTYP_KASTEN, 200, 8, 150, 11}, 100, 0, 0, 0, 0, 0);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 1);
    EXPECT_EQ(r.U_w, -1.0);
    EXPECT_NE(l.Take().find("╬HFehler╬r: Hohlkasten: keine Nahtpositionen  ê  Nachweis nicht möglich "_cp),
              std::string::npos);
}

}  // namespace
