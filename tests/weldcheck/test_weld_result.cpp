// What the weld check's result says: a fully penetrated butt weld checked
// against the weaker part it joins too (EN 1993-1-8 4.7.1), the largest of
// the points the rule counts as 1, the first of equal maxima, and a weld its
// end craters take whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace {

// Steel of its own values: f_y up to 40 mm and above, f_u, beta_w.
void Own_Steel(Materialparameter_Record* m, double f_y1, double f_y2, double f_u, double beta_w) {
    m->kind = 0;
    m->own_values = 1;
    m->f_y1 = m->f_y = f_y1;
    m->f_y2 = m->f_y3 = f_y2;
    m->f_u1 = m->f_u2 = m->f_u3 = m->f_u = f_u;
    m->beta_w = beta_w;
}

// A fully penetrated butt weld all round the typed profile, plate 20 mm,
// gamma_M0 1.0, gamma_M2 1.25; forces in kN and kNm.
SchweissnahtNachweis Butt(int type, double h, double t_w, double b, double t_f, const double F[6], int method = 1) {
    SchweissnahtNachweis r;
    EXPECT_EQ(Typed_Profile_Record(&r, type, h, t_w, b, t_f, b, t_f), 0);
    r.gamma_M0 = 1.0;
    for (int k = 0; k < 12; ++k) r.number[k] = k + 1, r.a[k] = 99.0;
    r.weld_kind = WELD_BUTT;
    r.full_penetration = 1;
    r.all_round = r.full_treatment = r.check_field = 1;
    r.method = method;
    r.forces.N = F[0] * 1e3, r.forces.M_y = F[1] * 1e6, r.forces.M_z = F[2] * 1e6;
    r.forces.V_y = F[3] * 1e3, r.forces.V_z = F[4] * 1e3, r.forces.M_x = F[5] * 1e6;
    return r;
}

// The number after key in line; NaN without key.
double Number_After(const std::string& line, const std::string& key) {
    const size_t at = line.find(key);
    return at == std::string::npos ? std::nan("") : std::atof(line.c_str() + at + key.size());
}

}  // namespace

// The flat bar 200 x 10 in S355 (f_y 355, f_u 490, beta_w 0.9) on a plate of
// S355, V_z = 450 kN: tau = 450e3 / 2000 = 225 N/mm². The weld metal takes
// it: (3 tau²)^1/2 = 389.71 against f_u / (beta_w gamma_M2) = 435.56 (the
// simplified method: 225 against 251.47), U 0.895; the bar does not:
// V_pl,Rd = 2000 355 / 3^1/2 = 409.92 kN, U = 450 / 409.92 = 1.098, by
// either method. Under N = 600 kN (sigma 300) the weld's condition 2,
// 300 / (0.9 490 / 1.25) = 0.850, governs the bar's 300 / 355 = 0.845 by
// the directional method; the simplified one's 300 / 251.47 = 1.193 too.
TEST(WeakerPart, AFullyPenetratedWeldIsNoStrongerThanThePartItJoins) {
    const double V[6] = {0, 0, 0, 0, 450, 0}, N[6] = {600, 0, 0, 0, 0, 0}, U_V = 450 / (2000 * 355 / std::sqrt(3.0) / 1e3);
    const std::string part = "maßgebend: schwächeres verbundenes Bauteil (Profil, t = 10.0 mm; EN 1993-1-8, 4.7.1)\n"_cp;
    const std::string weld = "maßgebend: Naht (EN 1993-1-8, 4.5.3)\n"_cp;
    const struct {
        const double* F;
        int method;
        double U;
        std::string words;
    } cases[] = {{V, 1, U_V, part}, {V, 0, U_V, part}, {N, 1, 300 / (0.9 * 490 / 1.25), weld},
                 {N, 0, 300 / (490 / (std::sqrt(3.0) * 0.9 * 1.25)), weld}};
    for (const auto& c : cases) {
        SchweissnahtNachweis r = Butt(PROFILTYP_FLACH, 200, 10, 0, 0, c.F, c.method);
        Own_Steel(&r.profile.material, 355, 335, 490, 0.9);
        Own_Steel(&r.plate.material, 355, 335, 490, 0.9);
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
        const std::string text = l.Take();
        EXPECT_NEAR(r.U_w, c.U, 1e-5) << c.words;
        EXPECT_EQ(r.governing_check, c.words == part ? WELD_GOVERNS_WEAKER_PART : WELD_GOVERNS_WELD);
        EXPECT_NE(text.find(c.words), std::string::npos) << text;
        if (c.words == part) {
            EXPECT_NE(text.find("Max:  ╬t╠╬\\v,Ed╬r = 389.71 N/mm²  >  f╬\\y╬r/└╬\\M0╬r = 355.00 N/mm²  ê  U╬\\w╬r = "
                                "1.098  >  1  "_cp + std::string(Mark_Not_Ok())),
                      std::string::npos);
        }
    }
}

// The weaker part governing one evaluation is not left in the record for
// the next: the same bar evaluated again without load, with a gamma_M0 an
// annex cannot hold (refused), or as a fillet weld names no weaker part.
TEST(WeakerPart, AnEvaluationKeepsNoWeakerPartOfTheOneBefore) {
    const double V[6] = {0, 0, 0, 0, 450, 0}, none[6] = {};
    const struct {
        const char* what;
        const double* F;
        double gamma_M0;
        int weld_kind;
    } cases[] = {{"no load", none, 1.0, WELD_BUTT}, {"gamma_M0 0.1", V, 0.1, WELD_BUTT}, {"fillet", V, 1.0, WELD_FILLET}};
    for (const auto& c : cases) {
        SchweissnahtNachweis r = Butt(PROFILTYP_FLACH, 200, 10, 0, 0, V);
        Own_Steel(&r.profile.material, 355, 335, 490, 0.9);
        Own_Steel(&r.plate.material, 355, 335, 490, 0.9);
        ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
        ASSERT_EQ(r.governing_check, WELD_GOVERNS_WEAKER_PART);
        const SchweissnahtNachweis before = Butt(PROFILTYP_FLACH, 200, 10, 0, 0, c.F);
        r.forces = before.forces;
        r.gamma_M0 = c.gamma_M0;
        r.weld_kind = c.weld_kind;
        if (c.weld_kind == WELD_FILLET)
            for (int k = 0; k < 12; ++k) r.a[k] = 4.0;
        Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0);
        EXPECT_EQ(r.governing_check, WELD_GOVERNS_WELD) << c.what;
        EXPECT_EQ(r.weaker_part, WELD_PART_NONE) << c.what;
        EXPECT_EQ(r.weaker_t, 0.0) << c.what;
    }
}

// The weaker part is the one of lower yield strength, the plate (20 mm,
// or 50 mm: f_y of its range above 40 mm) or the profile's part at its own
// thickness (the flat bar 200 x 10, or 200 x 60 above 40 mm): under N the
// bar's sigma = N / (200 t) against that part's f_y / 1.0 (the weld metal
// of f_u 510, beta_w 0.8 stays below it: 0.9 510 / 1.25 = 367.2).
TEST(WeakerPart, TheLowerYieldStrengthOfPlateAndPartAtTheirThicknesses) {
    const struct {
        double t_bar, t_plate, plate_fy[2], bar_fy[2];
        int part;
        double t, f_y;
    } cases[] = {
        {10, 20, {235, 215}, {355, 335}, WELD_PART_PLATE, 20, 235},
        {10, 20, {355, 335}, {235, 215}, WELD_PART_PROFILE, 10, 235},
        {10, 50, {355, 335}, {355, 335}, WELD_PART_PLATE, 50, 335},
        {60, 20, {355, 335}, {355, 335}, WELD_PART_PROFILE, 60, 335},
        {60, 50, {345, 340}, {355, 335}, WELD_PART_PROFILE, 60, 335},
    };
    for (const auto& c : cases) {
        const double F[6] = {200 * c.t_bar * 0.2, 0, 0, 0, 0, 0};  // sigma = 200 N/mm²
        SchweissnahtNachweis r = Butt(PROFILTYP_FLACH, 200, c.t_bar, 0, 0, F);
        Own_Steel(&r.profile.material, c.bar_fy[0], c.bar_fy[1], 510, 0.8);
        Own_Steel(&r.plate.material, c.plate_fy[0], c.plate_fy[1], 510, 0.8);
        r.plate.t = c.t_plate;
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0) << c.t_bar << " " << c.t_plate;
        EXPECT_NEAR(r.U_w, 200 / c.f_y, 1e-9) << c.t_bar << " " << c.t_plate;
        EXPECT_EQ(r.governing_check, WELD_GOVERNS_WEAKER_PART);
        EXPECT_EQ(r.weaker_part, c.part);
        EXPECT_EQ(r.weaker_t, c.t);
        char line[160];
        std::snprintf(line, sizeof line, "schwächeres Bauteil: %s, t = %.1f mm:  f╬\\y╬r/└╬\\M0╬r = %.1f/1.00 = %.2f N/mm²\n"_cp,
                      c.part == WELD_PART_PLATE ? "Blech" : "Profil", c.t, c.f_y, c.f_y);
        EXPECT_NE(l.Take().find(line), std::string::npos) << line;
    }
}

// Every point of every family, at three sizes (the last with plates of t/h
// 0.3 and more), under all six forces, by both methods: the weaker part's
// utilisation is sigma_v gamma_M0 / f_y of the weaker part exactly, sigma_v
// = (sigma_perp² + 3 (tau_perp² + tau_par²))^1/2 of the point's stresses on
// the throat as its lines give them (at 0° sigma_perp is sigma_w,x), the
// weaker part's f_y the lower of the plate's (20 mm: 345) and the profile
// part's at the thickness the line names (355 up to 40 mm, 335 above); the
// same at each point by either method; and U_w the larger of the weld's and
// the part's utilisations, never below the part's; the largest sigma_v the
// same by either method (on a ring too, where the weld's own check of the
// simplified method governs elsewhere). Whatever the weld section is, this
// holds.
TEST(WeakerPart, EveryPointOfEveryFamilyByBothMethods) {
    const struct {
        int type;
        double h, t_w, b, t_f;
    } shapes[] = {
        {PROFILTYP_FLACH, 250, 12, 0, 0},     {PROFILTYP_FLACH, 100, 40, 0, 0},    {PROFILTYP_FLACH, 60, 50, 0, 0},
        {PROFILTYP_RECHTECK, 200, 6, 120, 12}, {PROFILTYP_RECHTECK, 100, 10, 100, 10}, {PROFILTYP_RECHTECK, 150, 45, 150, 45},
        {PROFILTYP_ROHR, 200, 8, 0, 0},       {PROFILTYP_ROHR, 114.3, 4, 0, 0},    {PROFILTYP_ROHR, 120, 45, 0, 0},
        {PROFILTYP_RUND, 24, 0, 0, 0},        {PROFILTYP_RUND, 60, 0, 0, 0},       {PROFILTYP_RUND, 80, 0, 0, 0},
        {PROFILTYP_I, 300, 8, 200, 12},       {PROFILTYP_I, 200, 10, 150, 20},     {PROFILTYP_I, 150, 45, 150, 45},
        {PROFILTYP_T, 200, 8, 150, 12},       {PROFILTYP_T, 100, 10, 100, 40},     {PROFILTYP_T, 150, 45, 150, 45},
        {PROFILTYP_U, 200, 6, 75, 12},        {PROFILTYP_U, 100, 10, 60, 30},      {PROFILTYP_U, 150, 45, 150, 45},
        {PROFILTYP_L, 100, 6, 150, 14},       {PROFILTYP_L, 60, 20, 60, 20},       {PROFILTYP_L, 150, 45, 150, 45},
        {PROFILTYP_Z, 200, 8, 150, 11},       {PROFILTYP_Z, 100, 10, 100, 30},     {PROFILTYP_Z, 150, 45, 150, 45},
        {PROFILTYP_HALB_I, 150, 7, 150, 10},  {PROFILTYP_HALB_I, 100, 30, 100, 30}, {PROFILTYP_HALB_I, 150, 45, 150, 45},
    };
    const double F[6] = {150, 8, 3, 40, 60, 1};
    int checked = 0;
    for (const auto& s : shapes) {
        SCOPED_TRACE(std::to_string(s.type) + ": " + std::to_string(s.h) + " x " + std::to_string(s.t_w));
        std::vector<double> sigma_v[2], U[2];
        for (int method : {1, 0}) {
            SchweissnahtNachweis r = Butt(s.type, s.h, s.t_w, s.b, s.t_f, F, method);
            Own_Steel(&r.profile.material, 355, 335, 490, 0.9);
            Own_Steel(&r.plate.material, 345, 335, 490, 0.9);
            ListCapture l;
            if (Calc_Weld_Check(&r, l.f(), 2, 0, 0, 0) != 0) continue;
            double sp = 0, tp = 0, tpar = 0, f_y = 0, t = 0;
            for (const std::string& line : Text_Lines(l.Take())) {
                // The throat's stresses, the last number of their lines.
                const size_t eq = line.rfind(" = ");
                const double last = eq == std::string::npos ? 0.0 : std::atof(line.c_str() + eq + 3);
                if (line.rfind("╠╬\\s╬r = "_cp, 0) == 0) sp = last;
                if (line.rfind("Í╬\\s╬r = "_cp, 0) == 0) tp = last;
                if (line.rfind("Í╬\\p╬r = "_cp, 0) == 0) tpar = last;
                if (line.find(":  f╬\\y╬r = "_cp) != std::string::npos) {
                    const bool plate = line.rfind("Blech, ", 0) == 0;
                    ASSERT_TRUE(plate || line.rfind("Profil, ", 0) == 0) << line;
                    t = Number_After(line, "t = ");
                    f_y = Number_After(line, "f╬\\y╬r = "_cp);
                    EXPECT_EQ(f_y, plate ? 345.0 : t > 40.0 ? 335.0 : 355.0) << line;
                    EXPECT_TRUE(plate ? t == 20.0 && t <= 40.0 : f_y < 345.0) << line;  // the lower of the two
                }
                if (line.rfind("╠╬\\v,Ed╬r = "_cp, 0) != 0 || line.find(" U = ") == std::string::npos) continue;
                const double sv = Number_After(line, "╠╬\\v,Ed╬r = "_cp), u = Number_After(line, " U = ");
                EXPECT_NEAR(Number_After(line, "f╬\\y╬r/└╬\\M0╬r = "_cp), f_y / 1.0, 0.005) << line;
                EXPECT_NEAR(u, sv / f_y, 5e-4 + 0.005 / f_y) << line;
                if (method == 1) {
                    EXPECT_NEAR(sv, std::sqrt(sp * sp + 3 * (tp * tp + tpar * tpar)), 0.15 + 1e-4 * sv) << line;
                }
                sigma_v[method].push_back(sv);
                U[method].push_back(u);
                EXPECT_GE(r.U_w, u - 5e-4) << line;
            }
            ASSERT_FALSE(U[method].empty());
            const double U_part = *std::max_element(U[method].begin(), U[method].end());
            if (r.governing_check == WELD_GOVERNS_WEAKER_PART) {
                EXPECT_NEAR(r.U_w, U_part, 5e-4);
            }
            ++checked;
        }
        if (U[0].empty() || U[1].empty()) continue;
        // The ring of a round section has, by the simplified method, a
        // point more: the weaker part's own, where the weld's is elsewhere.
        EXPECT_EQ(*std::max_element(sigma_v[0].begin(), sigma_v[0].end()),
                  *std::max_element(sigma_v[1].begin(), sigma_v[1].end()));
        if (s.type != PROFILTYP_RUND && s.type != PROFILTYP_ROHR) {
            EXPECT_EQ(sigma_v[0], sigma_v[1]);
            EXPECT_EQ(U[0], U[1]);
        }
    }
    EXPECT_GE(checked, 50);
}

namespace {

// The flat bar 250 x 12 with fillet welds a = 4 on its long faces (S235:
// f_1w,d = 360), numbered 1 and 2; N and M_y in kN and kNm.
SchweissnahtNachweis Fillet_Bar(double N, double M_y) {
    SchweissnahtNachweis r;
    EXPECT_EQ(Typed_Profile_Record(&r, PROFILTYP_FLACH, 250, 12, 0, 0, 0, 0), 0);
    r.a[WELD_FACE_SIDE_LEFT] = r.a[WELD_FACE_SIDE_RIGHT] = 4.0;
    r.number[WELD_FACE_SIDE_LEFT] = 1, r.number[WELD_FACE_SIDE_RIGHT] = 2;
    r.check_field = r.method = r.full_treatment = 1;
    r.forces.N = N * 1e3, r.forces.M_y = M_y * 1e6;
    return r;
}

}  // namespace

// Two points the rule counts as 1 give U_w the larger as computed, and
// "Max:" shows it with the rule's note: A_w = 2000 mm², I_w,y = 2 4 250³ /
// 12, sigma = N / A_w -+ M_y 125 / I_w,y at the ends, sigma_1 = 2^1/2 sigma
// at 45°. N = 509.397 kN, M_y = 0.0053 kNm: 1.0003 and 1.0008. With one
// point on 1 itself (sigma 360 / 2^1/2) and the other at 1.0005, M_y either
// way round so that either comes first, "Max:" showed 1.000 without the
// note. Of equal maxima (N alone: one stress at all four ends) the first
// point keeps U_w, weld 1's point 0.
TEST(WeldResult, MaxShowsTheLargestOfThePointsCountedAsOne) {
    const double A = 2000, I = 2 * 4 * std::pow(250.0, 3) / 12, s1 = 360 / std::sqrt(2.0), s2 = 1.0005 * s1;
    const double U = std::sqrt(2.0) * (509397 / A + 5300 * 125 / I) / 360, N = A * (s1 + s2) / 2e3;
    const double M = (s2 - s1) * I / 250 / 1e6;
    const struct {
        double N, M, U;
        const char* digits;
    } cases[] = {{509.397, 0.0053, U, "1.0008"}, {509.397, -0.0053, U, "1.0008"}, {N, M, 1.0005, "1.0005"},
                 {N, -M, 1.0005, "1.0005"}};
    for (const auto& c : cases) {
        SchweissnahtNachweis r = Fillet_Bar(c.N, c.M);
        ListCapture l;
        ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
        EXPECT_EQ(r.U_w, 1.0);
        EXPECT_NEAR(r.U_w_computed, c.U, 2e-6) << c.M;
        const std::string text = l.Take();
        EXPECT_NE(text.find("U╬\\w╬r = "_cp + std::string(c.digits) + "  \xF7  1  " + Mark_Ok() +
                            "╬r\n  ╬t(< 1.001 zählt als 1)\n"_cp, text.find("Max:")),
                  std::string::npos)
            << c.M;
    }
    SchweissnahtNachweis r = Fillet_Bar(300, 0);
    ASSERT_EQ(Calc_Weld_Check(&r, nullptr, 0, 0, 0, 0), 0);
    EXPECT_NEAR(r.U_w, std::sqrt(2.0) * 150 / 360, 1e-12);
    EXPECT_EQ(r.governing_slot, WELD_FACE_SIDE_LEFT);
    EXPECT_EQ(r.governing_point, 0);
}

// A fillet weld its end craters take whole (a = 5, l = 10: l_eff = 10 - 2 5
// = 0) does not count, and says so as one of 0.2 mm (a = 4.9) does: in the
// list without the detailing block and in the notes of the final result.
// The bar's ends (12 mm) welded by the two short welds typed 10 mm long.
TEST(WeldResult, AWeldTheCratersTakeWholeIsNamedTooShort) {
    SchweissnahtNachweis r = Fillet_Bar(100, 0);
    r.a[WELD_FACE_TOP_OUTER] = 5, r.a[WELD_FACE_BOTTOM_OUTER] = 4.9;
    r.l[WELD_FACE_TOP_OUTER] = r.l[WELD_FACE_BOTTOM_OUTER] = 10;
    r.number[WELD_FACE_TOP_OUTER] = 3, r.number[WELD_FACE_BOTTOM_OUTER] = 4;
    r.deduct_craters = 1;
    ListCapture l;
    ASSERT_EQ(Calc_Weld_Check(&r, l.f(), 1, 0, 0, 0), 0);
    const std::string text = l.Take();
    for (const auto& [k, number, l_eff] : {std::tuple{WELD_FACE_TOP_OUTER, 3, 0.0},
                                           std::tuple{WELD_FACE_BOTTOM_OUTER, 4, 10 - 2 * 4.9}}) {
        const Weld_Note* note = Weld_Note_Values(r.notes[k], WELD_RULE_NOT_EFFECTIVE);
        ASSERT_NE(note, nullptr) << number;
        EXPECT_NEAR(note->v[0], l_eff, 1e-9);
        char line[128];
        std::snprintf(line, sizeof line, "Naht %d: wirksame Nahtlänge l╬\\eff╬r = %.1f mm < 30 mm  ê  statisch nicht wirksam "_cp,
                      number, l_eff);
        EXPECT_NE(text.find(line + std::string(Mark_Note())), std::string::npos) << line;
    }
    // The two long welds carry it, 250 - 2 4 = 242 mm each.
    EXPECT_NEAR(r.U_w, std::sqrt(2.0) * 100e3 / (2 * 4 * 242) / 360, 1e-9);
}
