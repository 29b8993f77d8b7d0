// Section values, equilibrium planes and ultimate load factors of steel
// rectangles against hand values: stiffness-weighted area and second
// moments, the plane that carries given forces, the rigid-plastic moment
// and the plastic interaction n² + m = 1 of a rectangle.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "section/internal_forces.h"
#include "section/limit_planes.h"
#include "section/section_update.h"
#include "section/section_values.h"
#include "section/strain_ranges.h"
#include "section/stress_strain.h"
#include "section/ultimate_load.h"
#include "section_fixture.h"

namespace test_section_solvers {
namespace {

using section_fixture::Add_Polygon;
using section_fixture::Add_Steel;

// 210000 N/mm² = 210000 kN/m² per ‰; f_d 235 N/mm² = 235000 kN/m².
constexpr double kE = 210000, kF = 235000;

// Steel rectangle y in [y0, y0 + b], z in [z0, z0 + h].
Querschnitt* Rectangle(double y0, double z0, double b, double h) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Polygon(q, Add_Steel(q, 235), {y0, y0 + b, y0 + b, y0}, {z0, z0, z0 + h, z0 + h});
    return q;
}

TEST(SectionValues, StiffnessWeightedRectangle) {
    struct Case { double y0, z0, b, h; } cases[] = {{-0.05, -0.1, 0.1, 0.2}, {0.2, 0.1, 0.1, 0.2}};
    for (const Case& c : cases) {
        Querschnitt* q = Rectangle(c.y0, c.z0, c.b, c.h);
        const double A = c.b * c.h, ys = c.y0 + c.b / 2, zs = c.z0 + c.h / 2;
        Querschnittswerte w;
        ASSERT_EQ(Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 0, &w), 1);
        EXPECT_NEAR(w.v[QW_A], kE * A, 1e-9);
        EXPECT_NEAR(w.v[QW_YS], ys, 1e-12);
        EXPECT_NEAR(w.v[QW_ZS], zs, 1e-12);
        // About the origin: I = A (s² + d²/12); centroidal: b h³ / 12.
        EXPECT_NEAR(w.v[QW_IY], kE * A * (zs * zs + c.h * c.h / 12), 1e-9);
        EXPECT_NEAR(w.v[QW_IZ], kE * A * (ys * ys + c.b * c.b / 12), 1e-9);
        EXPECT_NEAR(w.v[QW_IYZ], kE * A * ys * zs, 1e-9);
        EXPECT_NEAR(w.v[QW_I1], kE * c.b * c.h * c.h * c.h / 12, 1e-9);
        EXPECT_NEAR(w.v[QW_I2], kE * c.h * c.b * c.b * c.b / 12, 1e-9);
        EXPECT_EQ(w.v[QW_ALPHA], 0);
        // Stage 1 leaves the second moments at 0; steel is not selected by
        // the compression-only bit.
        ASSERT_EQ(Calc_Querschnittswerte(q, QW_AUSWAHL_ALLE, 1, &w), 1);
        EXPECT_EQ(w.v[QW_IY], 0);
        ASSERT_EQ(Calc_Querschnittswerte(q, QW_AUSWAHL_BETON, 0, &w), 1);
        EXPECT_EQ(w.v[QW_A], 0);
        Free_Querschnitt(q);
    }
}

// Gives curve c of q the pre-strain eps (‰).
void Set_Pre_Strain(Querschnitt* q, Spannungsdehnungslinie* c, double eps) {
    Spannungsdehnungslinie_Parameter p = c->p;
    p.epsV = eps;
    Set_Spannungsdehnungslinie_Parameter(q, c, &p);
}

TEST(SectionValues, MeanPreStrainOfNegativeStiffnessIsZero) {
    Querschnitt* q = Rectangle(-0.05, -0.1, 0.1, 0.2);
    Set_Pre_Strain(q, Get_Spannungsdehnungslinie(q, 0), 0.05);
    double plane[4];
    ASSERT_EQ(Calc_Eigendehnungsebene(q, QW_AUSWAHL_ALLE, plane), 1);
    // One group: its own pre-strain, counted once.
    EXPECT_NEAR(plane[1], 0.05, 1e-12);
    // A negative weight makes the summed stiffness negative: no mean plane.
    Querschnittsgruppe_Einstellung s{0, -1.0}, old;
    Swap_Gruppe_Einstellung(&old, Get_Querschnittsgruppe(q, 0), &s);
    ASSERT_EQ(Calc_Eigendehnungsebene(q, QW_AUSWAHL_ALLE, plane), 1);
    for (double v : plane) EXPECT_EQ(v, 0);
    Free_Querschnitt(q);
}

// Two steel rectangles, 0.1 x 0.2 centred at z = 0.1 with a pre-strain of
// 0.3 ‰ and 0.1 x 0.1 at the origin without: e0 = 0.3 x 0.02 / 0.03 =
// 0.2 ‰; M_y = E 0.02 x 0.3 x 0.1 over A = E 0.03 gives 0.02 in the
// direction of +z (pi/2).
TEST(SectionValues, MeanPreStrainCountsEachCurveOnce) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* pre = Add_Steel(q, 235);
    Add_Polygon(q, pre, {-0.05, 0.05, 0.05, -0.05}, {0.0, 0.0, 0.2, 0.2});
    Add_Polygon(q, Add_Steel(q, 235), {-0.05, 0.05, 0.05, -0.05}, {-0.05, -0.05, 0.05, 0.05});
    Set_Pre_Strain(q, pre, 0.3);
    double plane[4];
    ASSERT_EQ(Calc_Eigendehnungsebene(q, QW_AUSWAHL_ALLE, plane), 1);
    EXPECT_NEAR(plane[1], 0.2, 1e-12);
    EXPECT_NEAR(plane[2], 0.02, 1e-12);
    EXPECT_NEAR(plane[0], M_PI / 2, 1e-12);
    EXPECT_EQ(Vordehnung_Faktor, 1.0);
    Free_Querschnitt(q);
}

TEST(StrainRanges, UltimatePlaneFamilyOfASteelRectangle) {
    // Steel only: L = -150, U = 150 at the fibres y = -0.05 and y = 0.05 of
    // direction 0. t = 16: L and U at the two edges, k = 300 / 0.1; t = 24.5:
    // the compression edge at L + 8.5/17 (U - L) = 0, the other at U; t = 33:
    // uniform U.
    Querschnitt* q = Rectangle(-0.05, -0.1, 0.1, 0.2);
    const struct { double t, e0, k; } cases[] = {{16, 0, 3000}, {24.5, 75, 1500}, {33, 150, 0}, {40, 150, 0}};
    for (const auto& c : cases) {
        const double in[2] = {0, c.t};
        double plane[4];
        ASSERT_EQ(Calc_Grenzdehnungsebene(q, in, plane), 1);
        EXPECT_NEAR(plane[1], c.e0, 1e-9) << c.t;
        EXPECT_NEAR(plane[2], c.k, 1e-9) << c.t;
    }
    Free_Querschnitt(q);
}

TEST(StrainRanges, HullOfAConcreteRectangleHasThePlateauPoint) {
    // Limits -3.5 and epsD -2.0: r = (-3.5 + 2.0) / -3.5 = 3/7 of the depth
    // from the least y; uniform compression (t = 0) stays at -2.0.
    Querschnitt* q = New_Querschnitt(1, 0);
    const Spannungsdehnungslinie* b35 = Find_Builtin_Spannungsdehnungslinie("B35");
    Add_Polygon(q, section_fixture::Add_Law(q, b35->typ & SDL_ART_MASKE, b35->p), {-0.2, 0.2, 0.2, -0.2},
                {-0.1, -0.1, 0.1, 0.1});
    Set_Querschnitt_Grenzmodus(q, 1);
    const double in[2] = {0, 0};
    double plane[4];
    ASSERT_EQ(Calc_Grenzdehnungsebene(q, in, plane), 1);
    EXPECT_NEAR(plane[1], -2.0, 1e-12);
    EXPECT_EQ(plane[2], 0);
    const auto* h = static_cast<const Querschnitt_Huelle*>(q->huelle);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->n_zug, 0);
    bool plateau = false;
    for (int i = 0; i < h->n_druck; ++i)
        plateau |= std::fabs(h->druck[i].y - (-0.2 + 3.0 / 7 * 0.4)) < 1e-12 && h->druck[i].grenze == -2.0;
    EXPECT_TRUE(plateau);
    Free_Querschnitt(q);
}

// A single bar of steel: its lower and its upper limit stand at one y, so
// no plane reaches a lower limit on one side and an upper one further on.
// The family has no diagonal: the hull and the plane are refused, with the
// reason, and nothing is written on the console (where a vertex used to be
// guessed).
TEST(StrainRanges, HullWithoutADiagonalIsRefused) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, Add_Steel(q, 235));
    Add_Querschnittsgruppe(q, g);
    Querschnittsknoten* n = New_Querschnittsknoten(1, 0.1, 0.05);
    Add_Querschnittsknoten(q, n);
    ASSERT_NE(Add_Punkt_To_Gruppe(g, n, 0.001), nullptr);
    Set_Querschnitt_Grenzmodus(q, 1);
    const double in[2] = {0, 16};
    double plane[4] = {9, 9, 9, 9};
    testing::internal::CaptureStdout();
    EXPECT_EQ(Calc_Grenzdehnungsebene(q, in, plane), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(plane[1], 0);
    EXPECT_EQ(plane[2], 0);
    const auto* h = static_cast<const Querschnitt_Huelle*>(q->huelle);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->fehler, HUELLE_KEINE_DIAGONALE);
    Free_Querschnitt(q);
}

TEST(SectionSolvers, EquilibriumPlaneCarriesTheForces) {
    Querschnitt* q = Rectangle(-0.05, -0.1, 0.1, 0.2);
    const double targets[][4] = {{-1000, 50, 10, 0}, {500, -30, 0, 0}, {0, 0, -60, 0}, {-3000, 0, 0, 0}};
    for (const auto& T : targets) {
        Gleichgewicht_Ergebnis e{};
        const Loeser_Toleranz tol{1e-8, 200};
        ASSERT_EQ(Calc_Dehnungsebene_Gleichgewicht(q, T, &tol, 1.0, &e, 0), 1);
        Schnittgroessen s{};
        Calc_Schnittgroessen_Aus_Dehnung(q, e.ebene, 1.0, &s);
        EXPECT_NEAR(s.N, T[0], 1e-4 * 4700);
        EXPECT_NEAR(s.My, T[1], 1e-4 * 235);
        EXPECT_NEAR(s.Mz, T[2], 1e-4 * 235);
    }
    Free_Querschnitt(q);
}

TEST(SectionSolvers, UltimateLoadFactorOfASteelRectangle) {
    // b = 0.1, h = 0.2: N_pl = f A = 4700 kN, M_pl,y = f b h² / 4 = 235 kNm,
    // M_pl,z = f h b² / 4 = 117.5 kNm. With eps_u = 150 ‰ and the yield
    // strain 235/210 ‰ the elastic core lowers the moment by (1.12/150)²/3,
    // far below the tolerance.
    Querschnitt* q = Rectangle(-0.05, -0.1, 0.1, 0.2);
    const double Npl = kF * 0.02, Mpy = kF * 0.1 * 0.04 / 4, Mpz = kF * 0.2 * 0.01 / 4;
    // Bending with compression: f² n² + f m = 1 for the fraction (n, m) of
    // the target: f = (-m + sqrt(m² + 4 n²)) / (2 n²).
    auto f = [](double n, double m) { return n == 0 ? 1 / m : (-m + std::sqrt(m * m + 4 * n * n)) / (2 * n * n); };
    struct Case { double T[4]; double factor; } cases[] = {
        {{0, 1, 0, 0}, Mpy},
        {{0, 0, -1, 0}, Mpz},
        {{-0.5 * Npl, 0.5 * Mpy, 0, 0}, f(0.5, 0.5)},
        {{-0.8 * Npl, 0.1 * Mpy, 0, 0}, f(0.8, 0.1)},
        {{0.3 * Npl, -0.6 * Mpy, 0, 0}, f(0.3, 0.6)},
    };
    for (const Case& c : cases) {
        Grenzdehnung_Ergebnis r{};
        const Loeser_Toleranz tol{1e-6, 100};
        ASSERT_EQ(Calc_Querschnitt_Gleichgewicht_1(q, c.T, 1.0, &tol, &r, 0), 1) << c.T[0] << " " << c.T[1];
        EXPECT_NEAR(r.lastfaktor, c.factor, 2e-3 * c.factor) << c.T[0] << " " << c.T[1];
        double u[3];
        Calc_Dehnungsausnutzung(q, r.ebene, u);
        EXPECT_NEAR(u[2], 1.0, 1e-3);
    }
    Free_Querschnitt(q);
}

// The parameter search alone (the driver's first fallback) under N and M_y
// together, whose scales differ by far, on a welded I: flanges 200 x 20,
// web 460 x 10 (m below), f 235 N/mm2. While the axis stays in the web
// (|N| up to 0.46 0.01 f = 1081 kN) the plastic resistance is M_pl - N^2 /
// (4 t_w f), M_pl = f (0.2 0.02 0.48 + 0.01 0.46^2 / 4) = 575.5 kNm: the
// factor f of the target solves (N^2 / (4 t_w f)) f^2 + M f = M_pl, and the
// forces found are f times the target. Its residuals once measured the
// unscaled forces against a basis made from the scaled target: under -400
// kN and 300 kNm it reported a limit at N = -0.53 f N with the moment 1.9
// f M, as found.
TEST(SectionSolvers, ParameterSearchFindsTheLimitInTheTargetsDirection) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* steel = Add_Steel(q, 235);
    const double plates[][3] = {{0.1, -0.25, -0.23}, {0.005, -0.23, 0.23}, {0.1, 0.23, 0.25}};
    for (const auto& r : plates)
        Add_Polygon(q, steel, {-r[0], r[0], r[0], -r[0]}, {r[1], r[1], r[2], r[2]});
    const double M_pl = kF * (0.2 * 0.02 * 0.48 + 0.01 * 0.46 * 0.46 / 4), web = 4 * 0.01 * kF;
    const double targets[][2] = {{-400, 300}, {-200, 150}, {-100, 500}};
    for (const auto& T : targets) {
        const double a = T[0] * T[0] / web, m = std::fabs(T[1]);
        const double factor = (-m + std::sqrt(m * m + 4 * a * M_pl)) / (2 * a);
        ASSERT_LE(factor * std::fabs(T[0]), 0.46 * 0.01 * kF);
        const double F[4] = {T[0], T[1], 0, 0};
        Grenzzustand_Ergebnis r{};
        const Loeser_Toleranz tol{1e-6, 100};
        EXPECT_EQ(Calc_Grenzzustand_Skaliert(q, F, 1.0, &tol, &r, 0), 1) << T[0] << " " << T[1];
        EXPECT_NEAR(r.kraefte.N, factor * T[0], 2e-3 * factor * std::fabs(T[0])) << T[0] << " " << T[1];
        EXPECT_NEAR(r.kraefte.My, factor * T[1], 2e-3 * factor * m) << T[0] << " " << T[1];
        EXPECT_NEAR(r.lastfaktor, factor, 2e-3 * factor) << T[0] << " " << T[1];
    }
    Free_Querschnitt(q);
}

// The continuation over the load factor on made-up evaluations: the solve
// carries mu below mu_max with the plane k = mu, whose utilisation is k / 4
// (rho 1 at mu = 4) except on the call numbered fail (from 1). The limit
// plane is never found, so the steps run their course.
struct Made_Up {
    double mu_max;
    int fail, calls = 0, limits = 0;
    std::vector<double> mu;
};
int Made_Up_Solve(void* c, double mu, const double*, double* plane, double* norm) {
    Made_Up& m = *static_cast<Made_Up*>(c);
    m.mu.push_back(mu);
    plane[0] = 0, plane[1] = 0, plane[2] = mu, plane[3] = 0, *norm = 0;
    return mu < m.mu_max;
}
int Made_Up_Utilisation(void* c, const double* plane, double* u) {
    *u = plane[2] / 4;
    return ++static_cast<Made_Up*>(c)->calls != static_cast<Made_Up*>(c)->fail;
}
int Made_Up_Limit(void* c, const double*) { return ++static_cast<Made_Up*>(c)->limits, 0; }

TEST(SectionSolvers, ContinuationStepsOverTheLoadFactor) {
    struct Case {
        double mu_max, start;
        int fail;
        std::vector<double> first;
        size_t steps;
        int limits;
    } cases[] = {
        // mu 1: no utilisation, no point, so 2 mu = 2; u 0.5: lower point,
        // 2 / 0.5 = 4; u 1: lower point, 4 / 1 is no step up, 1.25 x 4 = 5;
        // u 1.25: upper point, and rho - u_lo = 0 closes the bracket.
        {100, 1, 1, {1, 2, 4, 5}, 4, 3},
        // Lower point (2, 0.5); mu 4 is not solved: 0.25 x 4 + 0.75 x 2 = 2.5;
        // u 0.625 points at 4 again: 0.25 x 4 + 0.75 x 2.5 = 2.875. Below
        // 3.9 u stays under 0.99: all 100 steps.
        {3.9, 2, 0, {2, 4, 2.5, 4, 2.875}, 100, -1},
    };
    for (const Case& c : cases) {
        Made_Up m{c.mu_max, c.fail, 0, 0, {}};
        const Fortsetzung_Schritte steps{&m, Made_Up_Solve, Made_Up_Utilisation, Made_Up_Limit};
        Fortsetzung_Punkt lo;
        EXPECT_EQ(Fortsetzung_Lastfaktor(&steps, c.start, 1.0, &lo), 0);
        ASSERT_EQ(m.mu.size(), c.steps) << c.mu_max;
        for (size_t i = 0; i < c.first.size(); ++i) EXPECT_DOUBLE_EQ(m.mu[i], c.first[i]) << c.mu_max << " " << i;
        if (c.limits >= 0) {
            EXPECT_EQ(m.limits, c.limits);
        }
        EXPECT_TRUE(lo.set);
        EXPECT_LE(lo.u, 1.0);
        EXPECT_LT(lo.mu, c.mu_max);
    }
}

TEST(SectionSolvers, FallbackKeepsThePreStrainFactor) {
    // Twice the squash load has no equilibrium plane: the fallback tries its
    // scaled ultimate planes and gives the caller's pre-strain factor back.
    Querschnitt* q = Rectangle(-0.05, -0.1, 0.1, 0.2);
    const double T[4] = {-2 * kF * 0.02, 0, 0, 0};
    Vordehnung_Faktor = 0.5;
    Gleichgewicht_Ergebnis e{};
    Calc_Dehnungsebene_Gleichgewicht_Fallback(q, T, 1.0, nullptr, &e, 0);
    EXPECT_EQ(Vordehnung_Faktor, 0.5);
    Vordehnung_Faktor = 1.0;
    Free_Querschnitt(q);
}

}  // namespace

}  // namespace test_section_solvers
