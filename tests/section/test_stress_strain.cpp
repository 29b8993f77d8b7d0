// Stress-strain laws: built-in table, limits, the bilinear steel law, the
// stresses of prepared laws against hand values, segment kinds, point stress.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "section/internal_forces.h"
#include "section/section_model.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"

namespace {

double Stress(const Spannungsdehnungslinie* c, double e) {
    double s = -1;
    EXPECT_EQ(Calc_Linie_Spannung(c, e, &s), 1);
    return s;
}

TEST(StressStrain, BuiltinConcreteStressesAndNoTension) {
    const Spannungsdehnungslinie* b25 = Find_Builtin_Spannungsdehnungslinie("B25");
    ASSERT_NE(b25, nullptr);
    EXPECT_EQ(Find_Builtin_Spannungsdehnungslinie("b25"), nullptr);
    EXPECT_EQ(b25->p.betaD, 17500);
    EXPECT_EQ(b25->p.epsu, -3.5);
    // Parabola -fc x (2 - x), x = e / -2: e -0.5 gives x 0.25, 0.4375 fc.
    const struct { double e, sigma; } rows[] = {
        {-0.5, -17500 * 0.25 * 1.75}, {-1.0, -13125}, {-2.0, -17500}, {-3.0, -17500},
        {-3.5, -17500}, {-5.0, -17500}, {0.0, 0}, {0.3, 0}, {10.0, 0},
    };
    for (const auto& r : rows) EXPECT_NEAR(Stress(b25, r.e), r.sigma, 1e-9) << r.e;
    // C60/75: power law with n 1.9 up to -2.06: half way 1 - 0.5^1.9.
    const Spannungsdehnungslinie* c60 = Find_Builtin_Spannungsdehnungslinie("C60/75");
    EXPECT_NEAR(Stress(c60, -1.03), -30000 * (1 - std::pow(0.5, 1.9)), 1e-6);
    EXPECT_NEAR(Stress(c60, -2.5), -30000, 1e-9);
}

TEST(StressStrain, LimitsByLawKind) {
    Spannungsdehnungslinie_Parameter p{};
    p.epsu = -3;
    const struct { int typ; double epsu; int cls; double lower, upper; } rows[] = {
        {1, -3.5, 1, -3.5, FLT_MAX}, {2, 25, 2, -25, 25}, {5, -3, 1, -3, FLT_MAX}, {5, 4, 2, -4, 4},
    };
    for (const auto& r : rows) {
        p.epsu = r.epsu;
        Spannungsdehnungslinie* c = New_Spannungsdehnungslinie(1, r.typ, nullptr, &p);
        double lo, hi;
        EXPECT_EQ(Get_Spannungsdehnungslinie_Grenzen(c, &lo, &hi), r.cls);
        EXPECT_EQ(lo, r.lower);
        EXPECT_EQ(hi, r.upper);
        Free_Spannungsdehnungslinie(c);
    }
}

TEST(StressStrain, BilinearSteelParameters) {
    Spannungsdehnungslinie_Parameter p;
    // f_d 235/1.1, no limit strain given: 150 ‰, eps_y = 1000 f_d / E.
    const double fd = 235 / 1.1;
    ASSERT_EQ(Calc_Stahl_Bilinear_Parameter(210000, fd, 0, 0, &p), 1);
    EXPECT_DOUBLE_EQ(p.epsu, 150);
    EXPECT_NEAR(p.epsZ, 1000 * fd / 210000, 1e-12);
    EXPECT_NEAR(p.epsD, -1000 * fd / 210000, 1e-12);
    EXPECT_NEAR(p.betaD, 1000 * fd, 1e-9);
    EXPECT_EQ(p.exponent, 1.0);
    // Hardening 2100: eps_y = (235000 - 2100 x 25) / 207900 = 0.8778259; the
    // law reaches 1000 f_d exactly at eps_u.
    Calc_Stahl_Bilinear_Parameter(210000, 235, 25, 2100, &p);
    EXPECT_NEAR(p.epsZ, 182500.0 / 207900.0, 1e-12);
    EXPECT_EQ(p.steigung, 2100);
    Spannungsdehnungslinie* c = New_Spannungsdehnungslinie(1, SDL_STAHL, nullptr, &p);
    EXPECT_NEAR(Stress(c, 25), 235000, 1e-6);
    EXPECT_NEAR(Stress(c, -25), -235000, 1e-6);
    EXPECT_NEAR(Stress(c, 0.5), 210000 * 0.5, 1e-6);
    EXPECT_NEAR(Stress(c, 30), 235000, 1e-6);  // beyond eps_u: held
    Free_Spannungsdehnungslinie(c);
    Calc_Stahl_Bilinear_Parameter(210000, 235, 25, 300000, &p);
    EXPECT_DOUBLE_EQ(p.steigung, 0.9999 * 210000);
    Calc_Stahl_Bilinear_Parameter(210000, 235, 25, -5, &p);
    EXPECT_EQ(p.steigung, 0);
    // No elastic range: a cleared block, never NaN.
    EXPECT_EQ(Calc_Stahl_Bilinear_Parameter(0, 0, 25, 0, &p), 0);
    EXPECT_EQ(p.betaD, 0);
    EXPECT_EQ(p.epsZ, 0);
}

TEST(StressStrain, SegmentKindsWithTangents) {
    Spannungsdehnungslinie law{};
    law.segment_count = 1;
    auto& s = law.seg[0];
    s = {0, 0, 0, 0, 0, -17500, 1 / -2.0, 2, 2};
    s.end = 0;
    double sig, tan;
    Calc_Linie_Spannung_Tangente(&law, 1.0, -1.0, &sig, &tan);
    EXPECT_NEAR(sig, -13125, 1e-9);
    EXPECT_NEAR(tan, -17500 * (-0.5) * 1.0, 1e-9);  // A s 2 (1 - x)
    Calc_Linie_Spannung_Tangente(&law, 1.0, -2.0, &sig, &tan);
    EXPECT_NEAR(sig, -17500, 1e-9);
    EXPECT_NEAR(tan, 0, 1e-12);
    // Kinds 3 to 6 reach c + A at x = 1 and stay there.
    for (int kind = 3; kind <= 6; ++kind) {
        s = {0, 100, 0, 0, 5, 10, 1, 3, kind};
        for (double e : {1.0, 1.5}) {
            Calc_Linie_Spannung_Tangente(&law, 2.0, e, &sig, &tan);
            EXPECT_NEAR(sig, 30, 1e-12) << kind;
        }
    }
    s.kind = -1;
    Calc_Linie_Spannung_Tangente(&law, 1.0, 0.5, &sig, &tan);
    EXPECT_EQ(sig, 0);
    EXPECT_EQ(tan, 0);
}

TEST(StressStrain, PointStressOfAGroup) {
    Spannungsdehnungslinie_Parameter p;
    Calc_Stahl_Bilinear_Parameter(210000, 235, 25, 0, &p);
    Spannungsdehnungslinie* c = New_Spannungsdehnungslinie(1, SDL_STAHL, nullptr, &p);
    Prepare_Spannungsdehnungslinie(c, nullptr);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, c);
    // Plane along z (angle pi/2), e0 0.1, k 2: at z 0.2 strain 0.5.
    const double plane[4] = {M_PI / 2, 0.1, 2, 0};
    double e, sig;
    Calc_Punkt_Spannung(nullptr, g, plane, 7, 0.2, &e, &sig);
    EXPECT_NEAR(e, 0.5, 1e-12);
    EXPECT_NEAR(sig, 105000, 1e-6);
    g->kurve = nullptr;  // a group without a curve has no stress
    Calc_Punkt_Spannung(nullptr, g, plane, 7, 0.2, &e, &sig);
    EXPECT_EQ(sig, 0);
    g->kurve = c;
    Free_Querschnittsgruppe(g);
    Free_Spannungsdehnungslinie(c);
}


// Shape 1 (the rational rise (n - x) x / ((n - 2) x + 1), x = e / epsD) of
// a concrete with f 20000 kN/m² and epsD -2 ‰: at e = -1 ‰ (x = 0.5) the
// exponent 1 gives the straight line, 0.5 f; the exponent 2 the parabola
// (2 - x) x = 0.75 f. Below 1 the rise has a pole at x = 1/(2 - n) (e =
// -1.333 ‰ for n = 0.5): the curve is refused and carries nothing, and a
// section with it reports every result as failed.
TEST(StressStrain, RationalRiseBelowExponentOneIsRefused) {
    auto curve = [](double n) {
        Spannungsdehnungslinie_Parameter p{};
        p.betaD = 20000, p.epsD = -2, p.epsu = -3.5, p.exponent = n;
        return New_Spannungsdehnungslinie(1, SDL_BETON | (1 << 24), "rise", &p);
    };
    const struct { double n, sigma; } ok[] = {{1.0, -10000}, {2.0, -15000}};
    for (const auto& r : ok) {
        Spannungsdehnungslinie* c = curve(r.n);
        EXPECT_NEAR(Stress(c, -1.0), r.sigma, 1e-9) << r.n;
        Free_Spannungsdehnungslinie(c);
    }
    Spannungsdehnungslinie* c = curve(0.5);
    EXPECT_EQ(Prepare_Spannungsdehnungslinie(c, nullptr), 0);
    EXPECT_EQ(c->segment_count, 0);
    double s = 7;
    EXPECT_EQ(Calc_Linie_Spannung(c, -4.0 / 3.0, &s), 0);
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Spannungsdehnungslinie(q, c);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, c);
    Add_Querschnittsgruppe(q, g);
    Querschnittsknoten* k = New_Querschnittsknoten(1, 0, 0);
    Add_Querschnittsknoten(q, k);
    Add_Punkt_To_Gruppe(g, k, 1.0);
    for (int i = 0; i < 2; ++i) {
        const double plane[4] = {0, -4.0 / 3.0, 0, 0};
        Schnittgroessen r{};
        EXPECT_EQ(Calc_Schnittgroessen(q, plane, &r, 1.0), 0) << i;
        EXPECT_TRUE(std::isfinite(r.N)) << i;
    }
    Free_Querschnitt(q);
}

}  // namespace
