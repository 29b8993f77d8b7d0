// Internal forces from strain planes against hand values: steel and
// concrete rectangles, a disc, the orientation sign of areas, lines and
// points, weights, load factor, resultant factors, plane conversions,
// transformations, neutral axis, and the reinforced-concrete builder.
#include <gtest/gtest.h>

#include <cmath>

#include "section/internal_forces.h"
#include "section/rc_builder.h"
#include "section/section_update.h"
#include "section/strain_plane.h"
#include "section/stress_strain.h"
#include "section_fixture.h"

namespace {

using section_fixture::Add_Rectangle;
using section_fixture::Add_Steel;

// Bilinear steel of 235 N/mm²: 210000 kN/m² per ‰ below the yield strain.
constexpr double kE = 210000;

Schnittgroessen Forces(Querschnitt* q, double angle, double e0, double k, double lambda = 1) {
    const double plane[4] = {angle, e0, k, 0};
    Schnittgroessen s{};
    EXPECT_EQ(Calc_Schnittgroessen_Aus_Dehnung(q, plane, lambda, &s), 1);
    return s;
}

TEST(InternalForces, SteelRectangleUniformAndBending) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.2, 0.4);
    // Uniform 0.5 ‰: N = E eps A = 210000 x 0.5 x 0.08.
    Schnittgroessen s = Forces(q, 0, 0.5, 0);
    EXPECT_NEAR(s.N, 8400, 1e-9);
    EXPECT_NEAR(s.My, 0, 1e-9);
    EXPECT_NEAR(s.Mz, 0, 1e-9);
    // Curvature 2.5 ‰/m about y (plane along z): My = E k Iy, Iy = 0.2 x 0.4³ / 12.
    s = Forces(q, M_PI / 2, 0, 2.5);
    EXPECT_NEAR(s.N, 0, 1e-9);
    EXPECT_NEAR(s.My, kE * 2.5 * 0.2 * 0.064 / 12, 1e-9);
    EXPECT_NEAR(s.Mz, 0, 1e-9);
    // Along y: Mz = -E k Iz, Iz = 0.4 x 0.2³ / 12.
    s = Forces(q, 0, 0, 2.5);
    EXPECT_NEAR(s.Mz, -kE * 2.5 * 0.4 * 0.008 / 12, 1e-9);
    // Yield strain reached 0.1 from the axis: fy b (h²/4 - c²/3) with c = 0.1.
    s = Forces(q, M_PI / 2, 0, 1000 * 235.0 / kE / 0.1);
    EXPECT_NEAR(s.My, 235000 * 0.2 * (0.04 - 0.01 / 3), 1e-8);
    // Far into yielding: the plastic moment fy b h² / 4 (elastic core of 1 mm).
    s = Forces(q, M_PI / 2, 0, 1000);
    EXPECT_NEAR(s.My, 235000 * 0.2 * 0.16 / 4, 0.1);
    // The placement is as it was.
    EXPECT_EQ(q->lage[2], 0.0);
    Free_Querschnitt(q);
}

TEST(InternalForces, StiffnessOfElasticRectangle) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.2, 0.4);
    const double plane[4] = {0.7, 0.1, 1.0, 0};  // strains within +-0.4 ‰: elastic
    Schnittgroessen_Steifigkeit st;
    ASSERT_EQ(Calc_Schnittgroessen_Steifigkeit(q, plane, 1, &st), 1);
    const double A = 0.08, Iy = 0.2 * 0.064 / 12, Iz = 0.4 * 0.008 / 12;
    EXPECT_NEAR(st.d[0][0], kE * A, 1e-6);    // dN/de0
    EXPECT_NEAR(st.d[2][1], kE * Iy, 1e-6);   // dMy/dkz
    EXPECT_NEAR(st.d[1][2], -kE * Iz, 1e-6);  // dMz/dky
    EXPECT_NEAR(st.d[1][0], 0, 1e-6);
    EXPECT_NEAR(st.d[2][2], 0, 1e-6);
    // Linear law: N = EA e0, My = E Iy kz, Mz = -E Iz ky.
    EXPECT_NEAR(st.s.N, kE * A * 0.1, 1e-6);
    EXPECT_NEAR(st.s.My, kE * Iy * std::sin(0.7), 1e-6);
    EXPECT_NEAR(st.s.Mz, -kE * Iz * std::cos(0.7), 1e-6);
    Free_Querschnitt(q);
}

TEST(InternalForces, ConcreteRectangleAtPeakAndParabolicBlock) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Dup_Spannungsdehnungslinie(Find_Builtin_Spannungsdehnungslinie("B25"));
    Add_Spannungsdehnungslinie(q, c);
    Add_Rectangle(q, c, 0.3, 0.5);
    EXPECT_NEAR(Forces(q, 0, -2.0, 0).N, -17500 * 0.15, 1e-9);
    EXPECT_NEAR(Forces(q, 0, 1.0, 0).N, 0, 1e-12);
    // From 0 at the bottom to -2 ‰ at the top: the full parabola, resultant
    // 2/3 fc b d at 5/8 d above the bottom.
    const Schnittgroessen s = Forces(q, 3 * M_PI / 2, -1.0, 4.0);
    const double N = -17500 * 0.3 * 0.5 * 2 / 3;
    EXPECT_NEAR(s.N, N, 1e-9);
    EXPECT_NEAR(s.My, N * (-0.25 + 5.0 / 8 * 0.5), 1e-9);
    EXPECT_NEAR(s.Mz, 0, 1e-9);
    Free_Querschnitt(q);
}

// Counter-clockwise outlines in (y, z) count positively, clockwise ones
// negatively (so a clockwise outline inside can cut a hole).
TEST(InternalForces, AreaOrientationSign) {
    for (int ccw = 0; ccw < 2; ++ccw) {
        Querschnitt* q = New_Querschnitt(1, 0);
        Spannungsdehnungslinie* c = Add_Steel(q, 235);
        if (ccw)
            section_fixture::Add_Polygon(q, c, {0, 1, 0}, {0, 0, 1});
        else
            section_fixture::Add_Polygon(q, c, {0, 0, 1}, {0, 1, 0});
        EXPECT_NEAR(Forces(q, 0, 0.5, 0).N, (ccw ? 1 : -1) * 105000 * 0.5, 1e-9);
        Free_Querschnitt(q);
    }
}

TEST(InternalForces, DiscLinesAndPoints) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Add_Steel(q, 235);
    Querschnittsknoten* centre = New_Querschnittsknoten(1, 0, 0);
    Add_Querschnittsknoten(q, centre);
    Querschnittsgruppe* disc = New_Querschnittsgruppe_Kreis(1, c, centre, 0.1);
    Add_Querschnittsgruppe(q, disc);
    const double I = M_PI * 1e-4 / 4;
    EXPECT_NEAR(Forces(q, 0, 0.5, 0).N, 105000 * M_PI * 0.01, 1e-8);
    EXPECT_NEAR(Forces(q, 0, 0, 2.5).Mz, -kE * 2.5 * I, 1e-9);
    // Yielding everywhere: fy A, Mpl = fy 4 r³ / 3.
    EXPECT_NEAR(Forces(q, 0, 5, 0).N, 235000 * M_PI * 0.01, 1e-7);
    EXPECT_NEAR(Forces(q, M_PI / 2, 0, 1e6).My, 235000 * 4e-3 / 3, 1e-3);
    Remove_Querschnittsgruppe_At(q, 0);
    Free_Querschnittsgruppe(disc);

    // A line of length 0.3 and thickness 0.01 along z: My = E k t L³ / 12.
    Querschnittsknoten* a = New_Querschnittsknoten(2, 0, -0.15);
    Querschnittsknoten* b = New_Querschnittsknoten(3, 0, 0.15);
    Add_Querschnittsknoten(q, a);
    Add_Querschnittsknoten(q, b);
    Querschnittskante* e = New_Querschnittskante(1, a, b, 0);
    Add_Querschnittskante(q, e);
    Querschnittsgruppe* line = New_Querschnittsgruppe_Linien(2, c);
    Add_Linie_To_Gruppe(line, e, 0.01);
    Add_Querschnittsgruppe(q, line);
    EXPECT_NEAR(Forces(q, M_PI / 2, 0, 2).My, kE * 2 * 0.01 * 0.027 / 12, 1e-9);
    EXPECT_NEAR(Forces(q, 0, -0.5, 0).N, -105000 * 0.003, 1e-9);

    // Two points of 1e-3 at z = +-0.1 added: My of the pair = 2 E k z² A.
    Querschnittsgruppe* pts = New_Querschnittsgruppe_Punkte(3, c);
    Add_Punkt_To_Gruppe(pts, a, 1e-3);
    Add_Punkt_To_Gruppe(pts, b, 1e-3);
    Add_Querschnittsgruppe(q, pts);
    const double my_line = kE * 2 * 0.01 * 0.027 / 12;
    EXPECT_NEAR(Forces(q, M_PI / 2, 0, 2).My, my_line + 2 * kE * 2 * 0.0225 * 1e-3, 1e-9);
    Free_Querschnitt(q);
}

TEST(InternalForces, WeightsLoadFactorAndResultantFactors) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Querschnittsgruppe* g = Add_Rectangle(q, Add_Steel(q, 235), 0.2, 0.4);
    EXPECT_NEAR(Forces(q, 0, 0.5, 0, 3).N, 8400, 1e-9);  // unflagged: lambda ignored
    g->einstellung.flag = 1;
    EXPECT_NEAR(Forces(q, 0, 0.5, 0, 3).N, 3 * 8400, 1e-9);
    g->einstellung = {0, 0.0};
    EXPECT_EQ(Forces(q, 0, 0.5, 0).N, 0);
    g->einstellung = {0, 1.0};
    const double f[4] = {2, 1, 1, 1};
    Set_Querschnitt_Faktoren(f);
    Schnittgroessen s = Forces(q, 0.3, 0.5, 1);
    Set_Querschnitt_Faktoren(nullptr);
    const Schnittgroessen plain = Forces(q, 0.3, 0.5, 1);
    EXPECT_NEAR(s.N, 2 * plain.N, 1e-9);
    EXPECT_NEAR(s.My, plain.My, 1e-9);
    double out[4];
    EXPECT_EQ(Get_Querschnitt_Faktoren(out), nullptr);
    EXPECT_EQ(out[0], 1.0);
    Free_Querschnitt(q);
}

// A pre-strain curvature about another axis than the plane's turns the group
// on its own; a second curve adds its weighted share.
TEST(InternalForces, PreStrainAndSecondCurve) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Add_Steel(q, 235);
    Add_Rectangle(q, c, 0.2, 0.4);
    const double Iy = 0.2 * 0.064 / 12, Iz = 0.4 * 0.008 / 12;
    Spannungsdehnungslinie_Parameter p = c->p;
    p.epsV = 0.2;  // corner strain 0.2 + 0.25 + 0.5 stays elastic
    p.vkruemmung = 2.5;
    p.vrichtung = M_PI / 2;
    Set_Spannungsdehnungslinie_Parameter(q, c, &p);
    Schnittgroessen s = Forces(q, 0, 0, 2.5);
    EXPECT_NEAR(s.N, kE * 0.2 * 0.08, 1e-9);
    EXPECT_NEAR(s.My, kE * 2.5 * Iy, 1e-9);
    EXPECT_NEAR(s.Mz, -kE * 2.5 * Iz, 1e-9);
    EXPECT_TRUE(q->flags & QS_VORDEHNUNG);
    p.epsV = p.vkruemmung = 0;
    Set_Spannungsdehnungslinie_Parameter(q, c, &p);
    Spannungsdehnungslinie* half = Add_Steel(q, 235);
    Set_Spannungsdehnungslinie_Bezug(c, half, 0.5);
    EXPECT_NEAR(Forces(q, 0, 0.5, 0).N, 1.5 * 8400, 1e-9);
    Free_Querschnitt(q);
}

// A group field a = 1 driven by w = 0.5 lowers the strain by 0.5 everywhere:
// N = -EA 0.5, B = a N, dB/dw = -a² EA, dN/dw = -dB/de0 = -a EA.
TEST(InternalForces, GroupFieldAndItsWorkB) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Querschnittsgruppe* g = Add_Rectangle(q, Add_Steel(q, 235), 0.2, 0.4);
    g->feld = {1.0, 0, 0, QG_FELD_AKTIV};
    const Querschnitt_Kurvenoptionen o = {0x2000, 0};
    Set_Querschnitt_Kurvenoptionen(q, &o);
    const unsigned saved = Get_Querschnitt_Modus();
    Set_Querschnitt_Modus(QS_MODUS_FELDER);
    const double plane[4] = {0, 0, 0, 0.5};
    Schnittgroessen_Steifigkeit st;
    Calc_Schnittgroessen_Steifigkeit(q, plane, 1, &st);
    const double EA = kE * 0.08;
    EXPECT_NEAR(st.s.N, -EA * 0.5, 1e-9);
    EXPECT_NEAR(st.s.B, -EA * 0.5, 1e-9);
    EXPECT_NEAR(st.d[3][3], -EA, 1e-6);
    EXPECT_NEAR(st.d[3][0], -EA, 1e-6);
    EXPECT_EQ(Has_Querschnitt_Felder(q), 1);
    Set_Querschnitt_Modus(saved);
    EXPECT_EQ(Get_Gruppe_Feldwert(&g->feld, 1, 1), 0.0);  // fields count only in field mode
    EXPECT_NEAR(Forces(q, 0, 0, 0).N, 0, 1e-12);
    Free_Querschnitt(q);
}

TEST(StrainPlane, PolarAndCartesianBothWays) {
    const struct { double cart[4], polar[4]; } rows[] = {
        {{1, 0, -1, 0}, {3 * M_PI / 2, 1, 1, 0}},
        {{1, 0, 0, 5}, {0, 1, 0, 5}},
        {{-2, 3, 4, 1}, {std::atan2(4.0, 3.0), -2, 5, 1}},
    };
    for (const auto& r : rows) {
        double p[4], c[4];
        Dehnungsebene_To_Polar(r.cart, p);
        Dehnungsebene_From_Polar(r.polar, c);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(p[i], r.polar[i], 1e-12);
            EXPECT_NEAR(c[i], r.cart[i], 1e-12);
        }
    }
    const double a[4] = {0, 1, 1, 0}, b[4] = {M_PI / 2, 1, 1, 2};
    double sum[4];
    Dehnungsebene_Polar_Summe(a, b, sum);
    EXPECT_NEAR(sum[0], M_PI / 4, 1e-12);
    EXPECT_NEAR(sum[1], 2, 1e-12);
    EXPECT_NEAR(sum[2], std::sqrt(2.0), 1e-12);
    EXPECT_EQ(sum[3], 2);
}

TEST(StrainPlane, NeutralAxisAndTransformations) {
    const struct { double plane[4], out[3]; } rows[] = {
        {{0, -1, 1, 0}, {M_PI / 2, 1, 0}},
        {{0, -1, 0, 0}, {M_PI / 2, 1e10, 0}},
        {{0, 0, 0, 0}, {M_PI / 2, 0, 0}},  // no axis: a finite stand-in
        {{-2, 0, 1, 0}, {-2 + 5 * M_PI / 2, 0, 0}},
    };
    for (const auto& r : rows) {
        double out[3];
        ASSERT_EQ(Calc_Nulllinie(nullptr, r.plane, out), 1);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(out[i], r.out[i], 1e-6);
    }
    // A force of 10 at (1, 2) about a system moved to (1, 2): no moment left.
    const Schnittgroessen f = {10, 10 * 2, -10 * 1, 0};
    Schnittgroessen t, back;
    Schnittgroessen_Transformieren(&f, 1, 2, 0.4, &t, 0);
    EXPECT_NEAR(t.My, 0, 1e-12);
    EXPECT_NEAR(t.Mz, 0, 1e-12);
    Schnittgroessen_Ruecktransformieren(&t, 1, 2, 0.4, &back, 0);
    EXPECT_NEAR(back.My, f.My, 1e-12);
    EXPECT_NEAR(back.Mz, f.Mz, 1e-12);
    // The strain of a plane at a point is the same in both systems.
    const double plane[4] = {0.3, 0.2, 1.5, 0};
    double moved[4], e1, e2;
    Dehnungsebene_Transformieren(plane, 1, 2, 0, moved, 0);
    Calc_Punkt_Dehnung(nullptr, plane, 1.5, 2.5, &e1);
    Calc_Punkt_Dehnung(nullptr, moved, 0.5, 0.5, &e2);
    EXPECT_NEAR(e1, e2, 1e-12);
}

TEST(RcBuilder, ReinforcedRectangle) {
    const double y[4] = {-0.15, 0.15, 0.15, -0.15}, z[4] = {-0.25, -0.25, 0.25, 0.25};
    const double by[2] = {-0.1, 0.1}, bz[2] = {-0.2, -0.2}, ba[2] = {3.14e-4, 3.14e-4};
    const Spannungsdehnungslinie* b25 = Get_Builtin_Spannungsdehnungslinie("B25");
    EXPECT_EQ(Build_RC_Querschnitt(1, 4, y, z, 2, by, bz, ba, nullptr, nullptr), nullptr);
    Querschnitt* q = Build_RC_Querschnitt(1, 4, y, z, 2, by, bz, ba, b25,
                                          Get_Builtin_Spannungsdehnungslinie("BSt 500 SA"));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(Get_Querschnittsknoten_Count(q), 6);
    EXPECT_EQ(Get_Querschnittskanten_Count(q), 4);
    EXPECT_EQ(Get_Spannungsdehnungslinien_Count(q), 2);
    ASSERT_EQ(Get_Querschnittsgruppen_Count(q), 3);
    EXPECT_EQ(Get_Querschnittsgruppe(q, 0)->art, QG_FLAECHE);
    EXPECT_EQ(Get_Querschnittsgruppe(q, 2)->header.number, 3);
    EXPECT_EQ(Get_Gruppe_Punkt(Get_Querschnittsgruppe(q, 2), 0)->wert, 3.14e-4);
    // -1 ‰: concrete -17500 x 0.75 on 0.15 m², steel -500000 / 2.5 on 6.28 cm².
    EXPECT_NEAR(Forces(q, 0, -1, 0).N, -13125 * 0.15 - 200000 * 6.28e-4, 1e-9);
    // Tension 1 ‰: only the bars, at z = -0.2.
    const Schnittgroessen s = Forces(q, 0, 1, 0);
    EXPECT_NEAR(s.N, 200000 * 6.28e-4, 1e-9);
    EXPECT_NEAR(s.My, s.N * -0.2, 1e-9);
    double zd[6];
    const double plane[4] = {0, 1, 0, 0};
    Calc_Zug_Druck_Resultierende(q, plane, 1, zd);
    EXPECT_NEAR(zd[0], s.N, 1e-9);
    EXPECT_NEAR(zd[2], -0.2, 1e-12);
    EXPECT_EQ(zd[3], 0);
    Free_Querschnitt(q);
    // No polygon and no bars: both default curves all the same.
    q = Build_RC_Querschnitt(2, 2, nullptr, nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(q, nullptr);
    EXPECT_STREQ(Get_Spannungsdehnungslinie(q, 0)->name, "B25");
    EXPECT_STREQ(Get_Spannungsdehnungslinie(q, 1)->name, "BSt 500 SA");
    EXPECT_EQ(Get_Querschnittsgruppen_Count(q), 0);
    Free_Querschnitt(q);
}

}  // namespace
