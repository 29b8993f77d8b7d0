// Butt welds laid out and checked through the program: the throats the
// layout gives a fully penetrated weld on each family's faces, the partial
// penetration of the rectangular tube, and connections of every family run
// the batch way with their utilisation worked out by hand (S235: f_u 360,
// beta_w 0.8, gamma_M2 1.25: f_1w,d = 360, f_2w,d = 259.2 N/mm²; a fully
// penetrated weld no stronger than the weaker part it joins, EN 1993-1-8
// 4.7.1: (sigma² + 3 tau²)^1/2 against f_y / gamma_M0 = 235 / 1.0, 215 for
// the round bar of 60 mm, beyond 40 mm; that governs all of them).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weldelem.h"

namespace {

struct Shape {
    int type;
    double h, t_w, b, t_f;
};

void Set_Profile(Stahlprofil* p, const Shape& s) {
    p->kind = STAHLPROFIL_KIND_DIMENSIONS;
    p->type = s.type;
    p->rolled = 0;
    p->h = s.h, p->t_w = s.t_w, p->b_fo = p->b_fu = s.b, p->t_fo = p->t_fu = s.t_f;
    Calc_Profile_Cross_Section(p, nullptr, 0, "");
}

// The welds of the profile's faces, each with throat a, then laid out.
void Lay_Out(Nahtbild* n, const Shape& s, int full_penetration, double a, int no_throat_check = 0) {
    Init_Profile(&n->profile);
    Set_Profile(&n->profile, s);
    n->weld_kind = WELD_BUTT;
    n->full_penetration = full_penetration;
    n->all_round = full_penetration;
    n->no_throat_check = no_throat_check;
    const int count = Get_Profile_Plate_Elements(&n->profile, n->length, n->number);
    n->weld_count = count > 0 ? count : 0;
    for (int k = 0; k < NAHT_SLOTS; ++k) n->throat[k] = a;
    Update_Weld_Layout(n, nullptr, 0);
}

}  // namespace

// A fully penetrated weld takes on each face the share of the plate it
// joins; a rectangular tube's walls, welded from outside only, are reduced
// by max(0.2 t, 3 mm) each when partly penetrated, as every part is.
TEST(WeldLayout, ButtWeldThroatsByFamily) {
    struct Case {
        const char* what;
        Shape s;
        int full, no_check;
        std::vector<std::pair<int, double>> throats;  // slot, throat
    } const cases[] = {
        {"flat bar 250 x 12: the long faces half the bar each", {PROFILTYP_FLACH, 250, 12, 0, 0}, 1, 0,
         {{0, 0.0}, {1, 6.0}, {2, 6.0}, {3, 0.0}}},
        {"flat bar lying, 12 high: its top and bottom", {PROFILTYP_FLACH, 12, 250, 0, 0}, 1, 0,
         {{0, 6.0}, {1, 0.0}, {2, 0.0}, {3, 6.0}}},
        {"angle, legs 14 (b) and 6 (h) mm", {PROFILTYP_L, 100, 6, 150, 14}, 1, 0,
         {{0, 7.0}, {1, 7.0}, {2, 3.0}, {6, 3.0}}},
        {"channel, web 6, flanges 12 mm", {PROFILTYP_U, 200, 6, 75, 12}, 1, 0,
         {{0, 6.0}, {1, 6.0}, {2, 3.0}, {6, 3.0}, {3, 6.0}, {4, 6.0}}},
        {"zed, web 8, flanges 11 mm", {PROFILTYP_Z, 200, 8, 150, 11}, 1, 0,
         {{0, 5.5}, {1, 5.5}, {2, 4.0}, {6, 4.0}, {3, 5.5}, {4, 5.5}}},
        {"box, walls 12 and 6 mm", {PROFILTYP_RECHTECK, 200, 6, 120, 12}, 1, 0,
         {{0, 12.0}, {3, 12.0}, {1, 6.0}, {2, 6.0}}},
        {"box partly penetrated: 12 - 3, 8 - 3", {PROFILTYP_RECHTECK, 200, 8, 120, 12}, 0, 0,
         {{0, 9.0}, {3, 9.0}, {1, 5.0}, {2, 5.0}}},
        {"box partly penetrated, 20 mm: 20 - 4", {PROFILTYP_RECHTECK, 200, 20, 120, 20}, 0, 0,
         {{0, 16.0}, {1, 16.0}}},
        {"box partly penetrated, throat check off: the walls", {PROFILTYP_RECHTECK, 200, 8, 120, 12}, 0, 1,
         {{0, 12.0}, {1, 8.0}}},
    };
    for (const Case& c : cases) {
        Nahtbild n{};
        Lay_Out(&n, c.s, c.full, 30.0, c.no_check);
        for (const auto& [slot, a] : c.throats) EXPECT_DOUBLE_EQ(n.throat[slot], a) << c.what << ", slot " << slot;
    }
}

namespace {

// The governing utilisation the list's final result gives, -1 without one.
double Final_U(const std::string& list) {
    const size_t at = list.find("Maximale Ausnutzung:");
    const size_t u = at == std::string::npos ? at : list.find("U\xCE\\w\xCEr = ", at);
    return u == std::string::npos ? -1.0 : std::atof(list.c_str() + u + 9);
}

}  // namespace

// Connections through the batch run; each list's governing utilisation
// against the hand calculation.
TEST(BatchRun, FullPenetrationButtWeldsOfEveryFamily) {
    Desktop d;
    testutil::ScopedEnv data("DATA", d.dir.file("data"));
    const double pi = 3.14159265358979323846, f1 = 360.0, fy = 235.0, fy60 = 215.0;
    const double tube_A = pi * (100.0 * 100 - 92.0 * 92), tube_I = pi * (std::pow(100.0, 4) - std::pow(92.0, 4)) / 4;
    struct Case {
        const char* id;
        Shape s;
        int full;
        double a;  // throat typed for each weld
        double N, My, Vz, Mx;  // kN, kNm
        double U;
    } const cases[] = {
        // Flat bar 250 x 12: the weld is the bar, A = 3000 mm² (it was
        // 62500 mm² with the bar's half height as throat).
        {"F001", {PROFILTYP_FLACH, 250, 12, 0, 0}, 1, 5, 500, 0, 0, 0, 500e3 / 3000 / fy},
        // Its torsion is the bar's: the rectangle 250 x 12 of the exact
        // series, K = 250 12³ / 3 (1 - 192 12 / (pi⁵ 250) 1.004523) =
        // 139644 mm⁴ (sum 1/n⁵ over odd n, tanh = 1 here), tau = M_x 12 / K
        // = 85.93 N/mm² for 1 kNm, sqrt(3) tau / f_y (the polar moment
        // of the two halves gave 0.038).
        {"F002", {PROFILTYP_FLACH, 250, 12, 0, 0}, 1, 5, 0, 0, 0, 1, std::sqrt(3.0) * 85.93 / fy},
        // I 300 x 8, flanges 200 x 12: the plates by the same series, each
        // flange 200 12³ / 3 (1 - 192 12 / (pi⁵ 200) 1.004523) = 110844, the
        // web 276 8³ / 3 (1 - 192 8 / (pi⁵ 276) 1.004523) = 46243.5: I_T =
        // 267931 mm⁴, tau = M_x 12 / I_T at the flanges' faces.
        {"I001", {PROFILTYP_I, 300, 8, 200, 12}, 1, 5, 0, 0, 0, 2, std::sqrt(3.0) * 2e6 * 12 / 267931 / fy},
        // Round tube 200 x 8: its wall, A = pi (100² - 92²), I = pi (100⁴ -
        // 92⁴) / 4, sigma = N / A + M_y 100 / I at the top.
        {"K001", {PROFILTYP_ROHR, 200, 8, 0, 0}, 1, 5, 500, 20, 0, 0, (500e3 / tube_A + 20e6 * 100 / tube_I) / fy},
        // Round bar 60: the disc, A = pi 30².
        {"S001", {PROFILTYP_RUND, 60, 0, 0, 0}, 1, 5, 200, 0, 0, 0, 200e3 / (pi * 900) / fy60},
        // Box 200 x 120, sides 6 mm between the 12 mm flanges: V_z on 2 x 176
        // x 6 mm², sqrt(3) tau / f_y (it was the 12 mm walls' throat,
        // then the sides over the full 200 mm).
        {"B001", {PROFILTYP_RECHTECK, 200, 6, 120, 12}, 1, 5, 0, 0, 300, 0, std::sqrt(3.0) * 300e3 / 2112 / fy},
        // The same box under M_y: I_y = (120 200³ - 108 176³) / 12, the
        // section's own (the walls on their outer faces gave 19 % more).
        {"B002", {PROFILTYP_RECHTECK, 200, 6, 120, 12}, 1, 5, 0, 50, 0, 0,
         50e6 * 100 / ((120 * std::pow(200.0, 3) - 108 * std::pow(176.0, 3)) / 12) / fy},
        // Box 200 x 120, walls 8 mm, partly penetrated with 8 mm typed: laid
        // out 8 - 3 = 5 mm, within the check's 8 - 1.6; the throats in the
        // walls, each corner once: A_w = 5 (2 x 120 + 2 x 190) = 3100 mm²
        // (the corners twice: 3200), sigma = 64.52; a fillet weld's check
        // at 45°: sigma_perp = tau_perp = sigma / sqrt 2, condition 1
        // sqrt(4) sigma / sqrt 2 / 360.
        {"P001", {PROFILTYP_RECHTECK, 200, 8, 120, 8}, 0, 8, 200, 0, 0, 0, 2 * 200e3 / 3100 / std::sqrt(2.0) / f1},
    };
    for (const Case& c : cases) {
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        r->weld_method = 1;  // directional
        Nahtbild* n = &r->naht;
        n->contact_fraction = 0.0;
        Lay_Out(n, c.s, c.full, c.a);
        n->a_w = c.a;
        Alloc_Lasten(r, 1);
        std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
        r->loads[0].forces.N = c.N * 1e3, r->loads[0].forces.M_y = c.My * 1e6, r->loads[0].forces.V_z = c.Vz * 1e3;
        r->loads[0].forces.M_x = c.Mx * 1e6;
        d.Add_Connection(c.id, r, "Position\n1\nStumpfnaht\n");
        ASSERT_EQ(d.Run(std::string(c.id) + " 0 1 1 -refresh"), 1) << c.id << d.err;
        const std::string list = d.File(std::string(c.id) + "_01.OLI");
        EXPECT_NEAR(Final_U(list), c.U, 0.0005) << c.id;
        EXPECT_EQ(list.find("Fehler bei der Berechnung des Schwei\xE1nahtnachweises"), std::string::npos) << c.id;
    }
}

// The detailed list of butt welds: the formula lines of a joint checked with
// another throat than its weld's name that throat, so that their numbers
// multiply out.
TEST(BatchRun, ButtWeldListsNameWhatTheyMultiply) {
    Desktop d;
    testutil::ScopedEnv data("DATA", d.dir.file("data"));
    // The texts are named first: clang 14 crashes on a _cp literal inside
    // the braces of a std::vector.
    const std::string joint_Ed = "F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 8.56 kN/cm,  a = t = 12.0 mm\n"_cp;
    const std::string joint_Rd = "Tragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r╬/.╬ra = 24.94 kN/cm,  a = t = 12.0 mm\n"_cp;
    const std::string wall_Ed = "F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 3.23 kN/cm\n"_cp;
    const std::string wall_Rd = "Tragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r╬/.╬ra = 10.39 kN/cm\n"_cp;
    struct Case {
        const char* id;
        Shape s;
        int full, no_check;
        double a, N, Vz;                  // mm, kN
        std::vector<std::string> has;     // lines of the list (without the leading blank)
        const char* lacks;
        bool in_result;                   // the lines stand in the result block
    } const cases[] = {
        // I 300 x 8, flanges 200 x 12, N 500 kN: sigma = 500000 / (2 200 12
        // + 276 8) = 500000 / 7008 = 71.35 N/mm²; a flange's face weld (a =
        // 6) is checked as the joint, a = t = 12: F_w,Ed = 71.35 x 12 = 8.56
        // kN/cm, F_w,Rd = 360 / sqrt 3 / (0.8 1.25) x 12 = 207.85 x 12 =
        // 24.94 kN/cm.
        {"E003", {PROFILTYP_I, 300, 8, 200, 12}, 1, 0, 5, 500, 0,
         {joint_Ed, joint_Rd}, nullptr, false},
        // Box 200 x 120 x 10 partly penetrated, a 5 typed, throat check off:
        // a wall welded from outside with half its thickness is not
        // penetrated; A_w = 5 (2 x 120 + 2 x 190) = 3100 mm², N 200 kN:
        // sigma = 64.52 N/mm², F_w,Ed = 64.52 x 5 = 3.23 kN/cm (not 6.45
        // with a = t = 10), F_w,Rd = 207.85 x 5 = 10.39 kN/cm.
        {"E004", {PROFILTYP_RECHTECK, 200, 10, 120, 10}, 0, 1, 5, 200, 0,
         {wall_Ed, wall_Rd}, "Die Naht ist durchgeschwei", false},
    };
    for (const Case& c : cases) {
        testutil::Record k;
        SchweissnahtAnschluss* r = &k.r;
        Default_Schweissnaht(r);
        r->weld_method = 0;  // simplified
        r->print.ergebnisumfang = ERGEBNISUMFANG_AUSFUEHRLICH;
        Nahtbild* n = &r->naht;
        n->contact_fraction = 0.0;
        Lay_Out(n, c.s, c.full, c.a, c.no_check);
        n->a_w = c.a;
        Alloc_Lasten(r, 1);
        std::snprintf(r->loads[0].name, sizeof r->loads[0].name, "LK 1");
        r->loads[0].forces.N = c.N * 1e3, r->loads[0].forces.V_z = c.Vz * 1e3;
        d.Add_Connection(c.id, r, "Position\n1\nStumpfnaht\n");
        ASSERT_EQ(d.Run(std::string(c.id) + " 0 1 1 -refresh"), 1) << c.id << d.err;
        const std::string list = d.File(std::string(c.id) + "_01.OLI");
        const size_t from = c.in_result ? list.find("Ergebnis:") : 0;
        ASSERT_NE(from, std::string::npos) << c.id;
        for (const std::string& line : c.has) EXPECT_NE(list.find(" " + line, from), std::string::npos) << c.id << ": " << line;
        if (c.lacks) {
            EXPECT_EQ(list.find(c.lacks), std::string::npos) << c.id;
        }
    }
}
