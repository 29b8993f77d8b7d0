// Limit-state routines on a steel rectangle: safety factor from the steel
// strain, check and load factor of given forces through the driver, and the
// point values of a section with more points than the block holds; the
// ultimate plane of a direction and its lever arm, and the load level at
// which the ultimate load factor is the safety factor, on a steel rectangle
// and on a reinforced concrete one against their stress blocks.
#include <gtest/gtest.h>

#include <cmath>

#include "section/limit_states.h"
#include "section/section_model.h"
#include "section/section_update.h"
#include "section/stress_strain.h"
#include "section/ultimate_load.h"
#include "section_fixture.h"

namespace {

using section_fixture::Add_Polygon;
using section_fixture::Add_Rectangle;
using section_fixture::Add_Steel;

// f_y 235 N/mm² = 235000 kN/m², yield strain 235 / 210 ‰, limit 150 ‰.
constexpr double kF = 235000, kEy = 235.0 / 210, kEu = 150;

// Lets a load level scale the group (a steel-kind one).
void Scaled_By_Level(Querschnittsgruppe* g) {
    Querschnittsgruppe_Einstellung on{1, 1.0}, old;
    Swap_Gruppe_Einstellung(&old, g, &on);
}

TEST(LimitStates, SafetyFactorFromTheSteelStrain) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2);
    // gamma = 2.1 - 0.35 e_s / 3 between 1.75 and 2.1.
    const struct { double e_s, gamma; } cases[] = {{0, 2.1}, {1.5, 1.925}, {3, 1.75}, {8, 1.75}, {-1, 2.1}};
    for (const auto& c : cases) {
        Grenzdehnung_Ergebnis r{};
        r.ebene[1] = c.e_s;  // uniform strain
        double gamma = 0, range[9];
        ASSERT_EQ(Calc_Sicherheitsbeiwert(q, &r, 0, &gamma, range), 1);
        EXPECT_NEAR(gamma, c.gamma, 1e-12) << c.e_s;
    }
    double gamma = 0;
    EXPECT_EQ(Calc_Sicherheitsbeiwert(nullptr, nullptr, 1.5, &gamma, nullptr), 1);
    EXPECT_EQ(gamma, 1.5);
    Free_Querschnitt(q);
}

TEST(LimitStates, CheckAndLoadFactorThroughTheDriver) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2);
    ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 1, 1), 1);
    // M_pl = 235000 x 0.1 x 0.2² / 4 = 235 kNm.
    Grenzzustand_Block b;
    const double forces[3] = {0, 47, 0};
    ASSERT_EQ(Calc_Grenzzustand(3, forces, &b), 1);
    EXPECT_NEAR(b.v[6], 235.0 / 47, 2e-3 * 5);
    EXPECT_NEAR(b.v[4], 47, 0.05);
    ASSERT_EQ(Calc_Grenzzustand(2, forces, &b), 1);
    EXPECT_NEAR(b.v[4], 47, 0.01);
    EXPECT_NEAR(b.v[3], 0, 0.01);
    // Beyond the capacity by more than 20 %: no plane, the block is cleared.
    const double too_much[3] = {0, 300, 0};
    ASSERT_EQ(Calc_Grenzzustand(2, too_much, &b), 1);
    EXPECT_EQ(b.v[4], 0);
    EXPECT_EQ(Release_Grenzzustand_Querschnitt(), 1);
    EXPECT_EQ(Release_Grenzzustand_Querschnitt(), 0);
    Free_Querschnitt(q);
}

TEST(LimitStates, PointValuesStopAtTheBlocksEnd) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Add_Steel(q, 235);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, c);
    Add_Querschnittsgruppe(q, g);
    for (int i = 0; i < 300; ++i) {
        Querschnittsknoten* n = New_Querschnittsknoten(i + 1, 0.001 * i, 0);
        Add_Querschnittsknoten(q, n);
        Add_Punkt_To_Gruppe(g, n, 1e-4);
    }
    struct {
        Grenzzustand_Block b;
        double after = -7;
    } guarded;
    const double plane[4] = {0, 0.5, 0, 0};
    ASSERT_EQ(Calc_Grenzzustand_Punktwerte(q, plane, &guarded.b), 1);
    EXPECT_EQ(guarded.b.v[GZ_DEHNUNG + 255], 0.5);
    EXPECT_NEAR(guarded.b.v[GZ_SPANNUNG + 255], 0.5 * 210000, 1e-6);
    EXPECT_EQ(guarded.after, -7);
    Free_Querschnitt(q);
}

// Fully plastic rectangle of width w bent over its depth d between -150 and
// +150 ‰ at its edges: each half carries f w (a - e/2) (a = d/2, elastic
// core e = a eps_y / 150) at a / 2-ish from the axis; the two halves'
// forces are the tension and compression resultants, their distance the
// lever arm 2 (a²/2 - e²/6) / (a - e/2), and the moment f w (a² - e²/3).
struct Halves {
    double force, arm, moment;
};
Halves Plastic_Halves(double w, double d) {
    const double a = d / 2, e = a * kEy / kEu;
    return {kF * w * (a - e / 2), 2 * (a * a / 2 - e * e / 6) / (a - e / 2), kF * w * (a * a - e * e / 3)};
}

TEST(LimitStates, UltimatePlaneAndLeverArmOfASampledDirection) {
    // b = 0.1 along y, h = 0.2 along z; t = 16 puts -150 and +150 ‰ at the
    // two extreme fibres of the direction. A fourth input 1 samples the
    // circle in 16 directions (22.5°), any other value in 32 (11.25°): the
    // plane takes the nearest of them.
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2);
    ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 1, 1), 1);
    const Halves y = Plastic_Halves(0.2, 0.1), z = Plastic_Halves(0.1, 0.2);
    const struct {
        double degrees, count, used;
    } cases[] = {{80, 1, 90}, {95, 0, 90}, {10, 1, 0}, {178, 0, 180}, {80, 0, 78.75}, {10, 2, 11.25}, {-5, 1, 0}};
    for (const auto& c : cases) {
        const double input[4] = {c.degrees, 16, 0, c.count};
        Grenzzustand_Block b;
        ASSERT_EQ(Calc_Grenzzustand(1, input, &b), 1);
        EXPECT_NEAR(b.v[8], c.used, 1e-9) << c.degrees << " " << c.count;
        EXPECT_NEAR(b.v[9], c.used + 90, 1e-9) << c.degrees;
        EXPECT_NEAR(b.v[3], 0, 1e-6) << c.degrees;
        EXPECT_NEAR(b.v[12], 0, 1e-9) << c.degrees;
        EXPECT_NEAR(b.v[14], -kEu, 1e-9) << c.degrees;
        EXPECT_NEAR(b.v[17], kEu, 1e-9) << c.degrees;
        // Corner strains: 150 ‰ times the corner's distance along the
        // direction over the extreme fibre's, 0.05 |cos| + 0.1 |sin|.
        const double cu = std::cos(c.used * M_PI / 180), su = std::sin(c.used * M_PI / 180);
        const double corners[4][2] = {{-0.05, -0.1}, {0.05, -0.1}, {0.05, 0.1}, {-0.05, 0.1}};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(b.v[GZ_DEHNUNG + i],
                        kEu * (corners[i][0] * cu + corners[i][1] * su) / (0.05 * std::fabs(cu) + 0.1 * std::fabs(su)),
                        1e-9)
                << c.degrees << " " << i;
        // Along an axis: M_y = f b (a² - e²/3) bending about y (tension at
        // +z), M_z = -f h (a² - e²/3) bending about z (tension at +y).
        const double s = std::cos(c.used * M_PI / 180);
        if (std::fmod(c.used, 90) != 0) continue;
        EXPECT_NEAR(b.v[4], std::fabs(s) < 0.5 ? z.moment : 0, 1e-6 * z.moment) << c.degrees;
        EXPECT_NEAR(b.v[5], std::fabs(s) < 0.5 ? 0 : -s * y.moment, 1e-6 * z.moment) << c.degrees;

        ASSERT_EQ(Calc_Grenzzustand(5, input, &b), 1);
        const Halves& h = std::fabs(s) < 0.5 ? z : y;
        const double depth = std::fabs(s) < 0.5 ? 0.2 : 0.1;
        EXPECT_NEAR(b.v[3], h.force, 1e-6 * h.force) << c.degrees;
        EXPECT_NEAR(b.v[6], -h.force, 1e-6 * h.force) << c.degrees;
        EXPECT_NEAR(b.v[9], h.arm, 1e-9) << c.degrees;
        // The tension point at half the arm on the tension side.
        EXPECT_NEAR(b.v[4], std::fabs(s) < 0.5 ? 0 : s * h.arm / 2, 1e-9) << c.degrees;
        EXPECT_NEAR(b.v[5], std::fabs(s) < 0.5 ? h.arm / 2 : 0, 1e-9) << c.degrees;
        // Extreme compression and tension fibres from the neutral axis.
        EXPECT_NEAR(b.v[7], -depth / 2, 1e-9) << c.degrees;
        EXPECT_NEAR(b.v[8], depth / 2, 1e-9) << c.degrees;
    }
    // t = 10: -150 ‰ at the compression edge, 60 ‰ at the tension edge; the
    // neutral axis lies 150/210 of the depth from the compressed edge.
    for (double degrees : {0, 90, 180, 270}) {
        const double input[4] = {degrees, 10, 0, 1}, depth = std::fmod(degrees, 180) == 0 ? 0.1 : 0.2;
        Grenzzustand_Block b;
        ASSERT_EQ(Calc_Grenzzustand(5, input, &b), 1);
        EXPECT_NEAR(b.v[7], -150.0 / 210 * depth, 1e-9) << degrees;
        EXPECT_NEAR(b.v[8], 60.0 / 210 * depth, 1e-9) << degrees;
    }
    EXPECT_EQ(Release_Grenzzustand_Querschnitt(), 1);
    Free_Querschnitt(q);
    // A single bar has no depth: the plane has no strain, neither resultant
    // exists, and the lever arm ends with nothing to report, as a success.
    q = New_Querschnitt(1, 0);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, Add_Steel(q, 235));
    Add_Querschnittsgruppe(q, g);
    Querschnittsknoten* n = New_Querschnittsknoten(1, 0.1, 0.05);
    Add_Querschnittsknoten(q, n);
    Add_Punkt_To_Gruppe(g, n, 0.001);
    const double input[2] = {0, 16};
    Grenzzustand_Block b{};
    EXPECT_EQ(Calc_Grenzzustand_Hebelarm(q, input, 16, &b), 1);
    for (int i = 3; i <= 9; ++i) EXPECT_EQ(b.v[i], 0) << i;
    Free_Querschnitt(q);
}

// Concrete 0.3 x 0.5 (B25: parabola to -2 ‰, 17500 kN/m² to -3.5 ‰) with
// 40 cm² of the 235 steel at z = -0.2 (d = 0.45 below the top edge) that
// the load level scales.
Querschnitt* Reinforced_Rectangle() {
    Querschnitt* q = New_Querschnitt(1, 0);
    const Spannungsdehnungslinie* b25 = Find_Builtin_Spannungsdehnungslinie("B25");
    Add_Rectangle(q, section_fixture::Add_Law(q, b25->typ & SDL_ART_MASKE, b25->p), 0.3, 0.5);
    Querschnittsgruppe* bars = New_Querschnittsgruppe_Punkte(2, Add_Steel(q, 235));
    Add_Querschnittsgruppe(q, bars);
    Querschnittsknoten* n = New_Querschnittsknoten(9, 0, -0.2);
    Add_Querschnittsknoten(q, n);
    Add_Punkt_To_Gruppe(bars, n, 0.004);
    Scaled_By_Level(bars);
    return q;
}

// Sagging at the ultimate state with the concrete at -3.5 ‰ and the bars
// yielding: the parabola-rectangle block carries alpha b f_c x with alpha =
// 17/21 at k_a x = 693/1666 x below the top, so the steel force F = lambda
// A_s f_y fixes x = F / (alpha b f_c) and M_u = F (d - k_a x); the steel
// strain is 3.5 (d - x) / x.
constexpr double kAlphaBF = 17.0 / 21 * 0.3 * 17500, kKa = 693.0 / 1666, kD = 0.45, kFs = 0.004 * kF;
double Moment_RC(double F) { return F * (kD - kKa * F / kAlphaBF); }
double Gamma_Of_Steel(double e_s) { return std::min(2.1, std::max(1.75, 2.1 - 0.35 * e_s / 3)); }

TEST(LimitStates, LoadLevelAtWhichTheLoadFactorIsTheSafetyFactor) {
    // Worked backwards from a depth x of the block and a level: the steel
    // force F = level A_s f_y and the block's C = alpha b f_c x give the
    // ultimate forces R = (F - C, -C (0.25 - k_a x) - 0.2 F) about the
    // centre, and the target R / gamma(e_s) has its level there. Level 0
    // stands for F = C (bending alone, M_u as above). x = 0.18: e_s = 5.25
    // ‰, gamma 1.75 by the rule as well, a given 2.0 stands; x = 0.45 x 3.5
    // / 5.5: e_s = 2 ‰, gamma = 2.1 - 0.35 x 2 / 3 = 1.8667 by the rule; x =
    // 0.2 at level 0.5: N = 470 - 850 = -380, e_s = 4.375 ‰.
    Querschnitt* q = Reinforced_Rectangle();
    const struct {
        double x, level, setting;
    } cases[] = {{0.18, 0, 1.75}, {0.18, 0, 2.0}, {0.18, 0, 0}, {kD * 3.5 / 5.5, 0, 0}, {0.2, 0.5, 0}};
    for (const auto& c : cases) {
        const double C = kAlphaBF * c.x, level = c.level > 0 ? c.level : C / kFs, F = level * kFs;
        const double gamma = c.setting > 0 ? c.setting : Gamma_Of_Steel(3.5 * (kD - c.x) / c.x);
        const double T[4] = {(F - C) / gamma, (-C * (0.25 - kKa * c.x) - 0.2 * F) / gamma, 0, 0};
        const double limits[4] = {0.1, 10, 0, c.setting};
        const Loeser_Toleranz tol{1e-6, 100};
        Traglast_Ergebnis r{};
        ASSERT_EQ(Calc_Traglast(q, T, limits, &tol, &r), 1) << c.x << " " << c.setting;
        EXPECT_EQ(r.g.status, 0);
        EXPECT_NEAR(r.gamma, gamma, 1e-3) << c.x;
        EXPECT_NEAR(r.g.lastfaktor / r.gamma, 1, 0.001) << c.x;
        EXPECT_NEAR(r.lambda, level, 2e-3 * level) << c.x << " " << c.setting;
        // The joint solve of plane and level from the ultimate state at
        // level 1 lands on the same level, with the forces the safety factor
        // times the target to the solver's tolerance.
        Traglast_Ergebnis n{};
        n.lambda = 1;
        ASSERT_EQ(Calc_Querschnitt_Gleichgewicht(q, T, 1.0, &tol, &n.g, 0, 1.0), 1);
        ASSERT_EQ(Calc_Traglast_Newton(q, T, limits, &tol, &n), 1) << c.x << " " << c.setting;
        EXPECT_NEAR(n.lambda, level, 1e-5 * level) << c.x << " " << c.setting;
        EXPECT_NEAR(n.gamma, gamma, 1e-5) << c.x;
        EXPECT_NEAR(n.g.lastfaktor, gamma, 1e-5) << c.x;
        EXPECT_NEAR(n.g.kraefte.N, gamma * T[0], 1e-5 * gamma * std::fabs(T[1])) << c.x;
        EXPECT_NEAR(n.g.kraefte.My, gamma * T[1], 1e-5 * gamma * std::fabs(T[1])) << c.x;
        if (T[0] != 0) continue;
        // Kind 4 with no c takes the same road; its block holds the level,
        // the load factor and the forces divided by it.
        ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 1, 1), 1);
        const double input[7] = {0, T[1], 0, 0.1, 10, 0, c.setting};
        Grenzzustand_Block b;
        ASSERT_EQ(Calc_Grenzzustand(4, input, &b), 1);
        EXPECT_NEAR(b.v[18], level, 2e-3 * level) << c.x;
        EXPECT_NEAR(b.v[6], gamma, 2e-3) << c.x;
        EXPECT_NEAR(b.v[4], T[1], 1e-3 * std::fabs(T[1])) << c.x;
        EXPECT_NEAR(b.v[3], 0, 1e-3) << c.x;
    }
    // Within the levels 0.1 to 0.5 the load factor stays below the safety
    // factor: no solution, and kind 4 clears its block.
    const double T[4] = {0, -Moment_RC(kAlphaBF * 0.18) / 1.75, 0, 0}, limits[4] = {0.1, 0.5, 0, 1.75};
    Traglast_Ergebnis r{};
    EXPECT_EQ(Calc_Traglast(q, T, limits, nullptr, &r), 0);
    EXPECT_EQ(r.g.status & TRAGLAST_FEHLER, 0);
    // Nor does the joint solve get past the upper bound (from it, with
    // bounds 0.1 to 10, it finds the level of the first case).
    Traglast_Ergebnis n{};
    n.lambda = 0.5;
    ASSERT_EQ(Calc_Querschnitt_Gleichgewicht(q, T, 0.5, nullptr, &n.g, 0, 1.0), 1);
    EXPECT_EQ(Calc_Traglast_Newton(q, T, limits, nullptr, &n), 0);
    EXPECT_NE(n.g.status, 0);
    EXPECT_LE(n.lambda, 0.5);
    const double input[7] = {0, T[1], 0, 0.1, 0.5, 0, 1.75};
    Grenzzustand_Block b;
    ASSERT_EQ(Calc_Grenzzustand(4, input, &b), 1);
    EXPECT_EQ(b.v[18], 0);
    EXPECT_EQ(b.v[6], 0);
    Release_Grenzzustand_Querschnitt();
    Free_Querschnitt(q);
}

TEST(LimitStates, SafetyAgainstALoadLevelAndItsTwin) {
    // One step from lambda0 = 1 on the reinforced rectangle: r = f(1) /
    // gamma with f(1) = M_u(A_s f_y) / M, then lambda1 = 1 / r and the block
    // holds f(lambda1) = M_u(lambda1 A_s f_y) / M. Without a given gamma the
    // rule takes the steel strain at lambda0: x = A_s f_y / (alpha b f_c).
    Querschnitt* q = Reinforced_Rectangle();
    ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 1, 1), 1);
    const double M = Moment_RC(kAlphaBF * 0.18) / 1.75, x1 = kFs / kAlphaBF;
    for (double given : {1.75, 2.0, 0.0}) {
        const double gamma = given > 0 ? given : Gamma_Of_Steel(3.5 * (kD - x1) / x1);
        const double lambda1 = gamma * M / Moment_RC(kFs), input[7] = {0, -M, 0, 1, 10, 1, given};
        Grenzzustand_Block b;
        ASSERT_EQ(Calc_Grenzzustand(4, input, &b), 1);
        EXPECT_NEAR(b.v[18], lambda1, 1e-3 * lambda1) << given;
        EXPECT_NEAR(b.v[6], Moment_RC(lambda1 * kFs) / M, 1e-3) << given;
        EXPECT_NEAR(b.v[4], -M, 1e-3 * M) << given;
    }
    Free_Querschnitt(q);

    // A steel rectangle whose level scales it all: f(lambda) = lambda f1,
    // with f1 from the plastic interaction f² n² + f m = 1 of N = -1000 and
    // M_y = 20 (n = 1000 / 4700, m = 20 / 235). One step reaches f = 1.75
    // at lambda1 = 1.75 / f1; the twin reports the moments about its point
    // (y, z) = (0.02, 0.05): M_y - z N = 70, M_z + y N = -20.
    q = New_Querschnitt(1, 0);
    Scaled_By_Level(Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2));
    const double n = 1000.0 / 4700, m = 20.0 / 235, f1 = (-m + std::sqrt(m * m + 4 * n * n)) / (2 * n * n);
    const double T[3] = {-1000, 20, 0}, report[3] = {0.02, 0.02, 0.05};
    const struct {
        double lambda0;
        int twin, ok;
        double My, Mz;
    } cases[] = {{1, 0, 1, 20, 0}, {1, 1, 1, 70, -20}, {0.1, 0, 1, 20, 0}, {0.1, 1, 0, 0, 0}};
    for (const auto& c : cases) {
        // lambda0 = 0.1 gives r = 0.1 f1 / 1.75 below 1: the limit-load
        // search finds the same level; the twin has none and fails.
        const double limits[4] = {c.lambda0, 10, 1, 1.75};
        Grenzzustand_Block blk{};
        const int ok = c.twin ? Calc_Grenzzustand_Sicherheit_Direkt(q, T, limits, report, &blk)
                              : Calc_Grenzzustand_Sicherheit(q, T, limits, &blk);
        ASSERT_EQ(ok, c.ok) << c.lambda0 << " " << c.twin;
        if (!ok) continue;
        EXPECT_NEAR(blk.v[18], 1.75 / f1, 2e-3 * 1.75 / f1) << c.lambda0 << " " << c.twin;
        EXPECT_NEAR(blk.v[6], 1.75, 2e-3) << c.lambda0;
        EXPECT_NEAR(blk.v[3], -1000, 1) << c.lambda0;
        EXPECT_NEAR(blk.v[4], c.My, 0.05) << c.lambda0 << " " << c.twin;
        EXPECT_NEAR(blk.v[5], c.Mz, 0.05) << c.lambda0 << " " << c.twin;
    }
    Release_Grenzzustand_Querschnitt();
    Free_Querschnitt(q);

    // The same rectangle with its centroid at (0.03, 0.15), the forces given
    // about the section's origin (reference 0): M_y = 20 + 0.15 (-1000) =
    // -130, M_z = 0 - 0.03 (-1000) = 30 there. The driver moves them to the
    // centroid for the load factor (kind 3: f1) and the safety search (kind
    // 4: the level 1.75 / f1) alike, and both report about the centroid.
    q = New_Querschnitt(1, 0);
    Scaled_By_Level(section_fixture::Add_Polygon(q, Add_Steel(q, 235), {-0.02, 0.08, 0.08, -0.02},
                                                 {0.05, 0.05, 0.25, 0.25}));
    ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 0, 1), 1);
    for (int kind : {3, 4}) {
        const double input[7] = {-1000, -130, 30, 1, 10, 1, 1.75};
        Grenzzustand_Block blk;
        ASSERT_EQ(Calc_Grenzzustand(kind, input, &blk), 1);
        EXPECT_NEAR(blk.v[6], kind == 3 ? f1 : 1.75, 2e-3) << kind;
        if (kind == 4) {
            EXPECT_NEAR(blk.v[18], 1.75 / f1, 2e-3 * 1.75 / f1);
        }
        EXPECT_NEAR(blk.v[3], -1000, 1) << kind;
        EXPECT_NEAR(blk.v[4], 20, 0.05) << kind;
        EXPECT_NEAR(blk.v[5], 0, 0.05) << kind;
    }
    Release_Grenzzustand_Querschnitt();
    Free_Querschnitt(q);
}

}  // namespace
