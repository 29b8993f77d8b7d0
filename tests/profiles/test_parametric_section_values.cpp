// Closed-form section values: each expected number is worked out here by a
// different route (outer box minus cut-outs, moments about an outer face,
// invariants of the principal axes, Bredt's formula for thin tubes).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "profiles/parametric_section_values.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

Parametric_Section_Values Values(int family, std::initializer_list<float> v, int options = 6) {
    float buffer[8] = {};
    int i = 0;
    for (float x : v) buffer[i++] = x;
    Parametric_Section_Values r;
    EXPECT_EQ(Calc_Parametric_Section_Values(family, buffer, options, &r), 1);
    return r;
}

TEST(RectangleTorsion, SquareAndTwoToOneAgainstTheClassicalCoefficients) {
    struct Row {
        double a, b, k_IT, k_WT, tol_IT, tol_WT;  // I_T = k_IT·b·t³, W_T = k_WT·b·t², t the short side
    } rows[] = {
        {10, 10, 0.1406, 0.208, 0.00005, 0.0005},  // square
        {5, 10, 0.2287, 0.246, 0.00005, 0.0005},   // 2:1, either order
        {10, 5, 0.2287, 0.246, 0.00005, 0.0005},
    };
    for (const Row& r : rows) {
        double t = std::min(r.a, r.b), h = std::max(r.a, r.b);
        double it = 0;
        double wt = Calc_Rectangle_Torsion(&it, r.a, r.b);
        EXPECT_NEAR(it / (h * t * t * t), r.k_IT, r.tol_IT) << r.a << "x" << r.b;
        EXPECT_NEAR(wt / (h * t * t), r.k_WT, r.tol_WT) << r.a << "x" << r.b;
    }
    double it = 5;
    EXPECT_EQ(Calc_Rectangle_Torsion(&it, 0, 10), 0);
    EXPECT_EQ(it, 0);
    EXPECT_EQ(Calc_Rectangle_Torsion(nullptr, 10, -1), 0);
}

TEST(ParametricSections, IAndUByBoxMinusCutOutsAndTheirTorsionByHand) {
    const double h = 30, b = 15, tw = 0.71, tf = 1.07;
    auto i = Values(1, {30, 15, 0.71f, 1.07f});
    double hi = h - 2 * tf;
    EXPECT_EQ(i.flags, 6);
    EXPECT_NEAR(i.area, b * h - (b - tw) * hi, 1e-4);
    double Iy = (b * h * h * h - (b - tw) * hi * hi * hi) / 12;
    EXPECT_NEAR(i.I_1, Iy, 1e-3);
    EXPECT_NEAR(i.I_2, (2 * tf * b * b * b + hi * tw * tw * tw) / 12, 1e-3);
    EXPECT_NEAR(i.W_1_pos, Iy / 15, 1e-3);
    EXPECT_NEAR(i.W_1_neg, -Iy / 15, 1e-3);
    EXPECT_NEAR(i.y_s, 0, 1e-9);
    EXPECT_NEAR(i.z_s, 0, 1e-9);
    // α = 0.145·0.71/1.07 = 0.0962150, D = (0.71²/4 + 1.07²)/1.07 = 1.187780,
    // 2αD⁴ = 0.383017; (2·(15 − 0.6741)·1.07³ + 27.86·0.71³)/3 = 15.023690.
    EXPECT_NEAR(i.I_T, 15.40671, 2e-4);

    // Channel 20 × 8, web 1, flanges 1.5, web on the +y side: about the back
    // face I = 2·t_f·b³/3 + h_w·t_w³/3, back-face distance of the centroid e.
    auto u = Values(3, {20, 8, 1, 1.5f}, 2);
    double A = 2 * 1.5 * 8 + 17 * 1;
    double e = (2 * 1.5 * 8 * 4 + 17 * 1 * 0.5) / A;
    double Iback = 2 * 1.5 * 512 / 3 + 17.0 / 3;
    EXPECT_EQ(u.flags, 2);
    EXPECT_NEAR(u.area, A, 1e-6);
    EXPECT_NEAR(u.y_s, 4 - e, 1e-6);
    EXPECT_NEAR(u.I_2, Iback - A * e * e, 1e-4);
    EXPECT_NEAR(u.I_1, (8 * 8000 - 7 * 17 * 17 * 17) / 12.0, 1e-3);
    EXPECT_NEAR(u.W_2_pos, u.I_2 / e, 1e-4);         // web face
    EXPECT_NEAR(u.W_2_neg, -u.I_2 / (8 - e), 1e-4);  // flange tips
    EXPECT_EQ(u.I_T, 0);
}

TEST(ParametricSections, TeeAndAnglesByMomentsAboutTheirOuterFaces) {
    // Tee 10 × 10 × 1: top-face distance of the centroid e = 54.5/19,
    // I about the top face = 10·1³/3 + 1·(10³ − 1³)/3.
    auto t = Values(2, {10, 10, 1, 1}, 2);
    double e = 54.5 / 19, I = 1009.0 / 3 - 19 * e * e;
    EXPECT_NEAR(t.area, 19, 1e-9);
    EXPECT_NEAR(t.z_s, e - 5, 1e-9);
    EXPECT_NEAR(t.I_1, I, 1e-4);
    EXPECT_NEAR(t.W_1_pos, I / (10 - e), 1e-4);
    EXPECT_NEAR(t.W_1_neg, -I / e, 1e-4);

    // The same plates as an equal-legged angle: I_y = I_z = I, the product
    // moment about the outer corner 10·0.5·5 + 9·5.5·0.5 = 49.75, so
    // |I_yz| = 19e² − 49.75 and the principal values are I ± |I_yz| at 45°.
    auto l = Values(5, {10, 10, 1, 1}, 2);
    double Iyz = 19 * e * e - 49.75;
    EXPECT_NEAR(std::fabs(l.angle), kPi / 4, 1e-9);
    EXPECT_NEAR(l.I_1, I + Iyz, 1e-4);
    EXPECT_NEAR(l.I_2, I - Iyz, 1e-4);
    // I_1 is taken about the symmetry axis, across which the tips lie 10/√2
    // from the centroid; along it lie the heel at e·√2 and the inner ends of
    // the legs at (11 − 2e)/√2, the distances of I_2.
    EXPECT_NEAR(l.W_1_pos, l.I_1 / (10 / std::sqrt(2.0)), 1e-4);
    EXPECT_NEAR(l.W_1_neg, -l.I_1 / (10 / std::sqrt(2.0)), 1e-4);
    double heel = std::min(std::fabs(l.W_2_pos), std::fabs(l.W_2_neg));  // the farther point
    double ends = std::max(std::fabs(l.W_2_pos), std::fabs(l.W_2_neg));
    EXPECT_NEAR(heel, l.I_2 / (e * std::sqrt(2.0)), 1e-4);
    EXPECT_NEAR(ends, l.I_2 / ((11 - 2 * e) / std::sqrt(2.0)), 1e-4);
    EXPECT_LT(l.W_2_pos * l.W_2_neg, 0) << "one modulus per side, signed";
}

TEST(ParametricSections, ZByThePrincipalInvariantsTubesByBredtAndTheRing) {
    // Z 20 × 10 × 1 × 1: flanges 5.5 × 1 centred at (±2.25, ∓9.5).
    double Iy = 2 * (5.5 / 12 + 5.5 * 9.5 * 9.5) + 18.0 * 18 * 18 / 12;
    double Iz = 2 * (5.5 * 5.5 * 5.5 / 12 + 5.5 * 2.25 * 2.25) + 18.0 / 12;
    double Iyz = -2 * 5.5 * 2.25 * 9.5;
    auto z = Values(6, {20, 10, 1, 1}, 2);
    EXPECT_NEAR(z.area, 29, 1e-9);
    EXPECT_NEAR(z.y_s, 0, 1e-9);
    EXPECT_NEAR(z.I_1 + z.I_2, Iy + Iz, 1e-3);
    EXPECT_NEAR(z.I_1 * z.I_2, Iy * Iz - Iyz * Iyz, 1);
    EXPECT_GT(z.I_1, z.I_2);
    EXPECT_LE(std::fabs(z.angle), kPi / 4);

    // Rectangular hollow 20 × 10 × 1: the closed tube's I_T = 4·A_m²·t/s +
    // s·t³/3 (EN 10210-2: 2 K A_p + t³ h_p / 3), A_m = 19·9, s = 2·(19 + 9).
    auto rhs = Values(4, {20, 10, 1, 1});
    EXPECT_NEAR(rhs.area, 200 - 18 * 8, 1e-9);
    EXPECT_NEAR(rhs.I_1, (10 * 8000 - 8 * 5832) / 12.0, 1e-6);
    EXPECT_NEAR(rhs.I_2, (20 * 1000 - 18 * 512) / 12.0, 1e-6);
    EXPECT_NEAR(rhs.W_1_pos, rhs.I_1 / 10, 1e-9);
    EXPECT_NEAR(rhs.W_2_neg, -rhs.I_2 / 5, 1e-9);
    EXPECT_NEAR(rhs.I_T, 4 * 171.0 * 171 * 1 / 56 + 56.0 / 3, 1e-6);

    // Round tube 10 × 1: I = π(D⁴ − d⁴)/64, I_T = 2I.
    auto chs = Values(7, {10, 0, 1});
    double Ichs = kPi * (10000 - 4096) / 64;
    EXPECT_NEAR(chs.area, kPi * (100 - 64) / 4, 1e-9);
    EXPECT_NEAR(chs.I_1, Ichs, 1e-9);
    EXPECT_NEAR(chs.W_1_pos, Ichs / 5, 1e-9);
    EXPECT_NEAR(chs.I_T, 2 * Ichs, 1e-9);

    // I with unequal flanges, equal here: the same as family 1.
    auto q = Values(13, {30, 1.07f, 1.07f, 0.71f, 15, 15});
    auto i = Values(1, {30, 15, 0.71f, 1.07f});
    EXPECT_NEAR(q.I_1, i.I_1, 1e-6);
    EXPECT_NEAR(q.I_T, i.I_T, 1e-9);

    for (int family : {8, 9, 10, 11, 12, 0}) {
        Parametric_Section_Values r;
        std::memset(&r, 0x55, sizeof r);
        float v[8] = {10, 10, 1, 1};
        EXPECT_EQ(Calc_Parametric_Section_Values(family, v, 6, &r), 0);
        EXPECT_EQ(r.flags, 0);
        EXPECT_EQ(r.area, 0);
    }
    EXPECT_EQ(Calc_Parametric_Section_Values(1, nullptr, 6, &q), 0);
    EXPECT_EQ(q.I_1, 0);
}

TEST(SimpleSections, RectangleRingAndSiValues) {
    double r[20];
    std::fill(r, r + 20, 7.0);
    float rect[] = {2, 6};  // 2 wide, 6 high
    EXPECT_EQ(Calc_Simple_Section_Values(1, rect, r, 20), 0);
    double expected[17] = {12, 0, 36.0 / 3, -36.0 / 3, 4.0 / 1, -4.0 / 1, 8, 8, 36, 4, 0, 0, 3, -1, 1, 0, 6};
    double it;
    expected[1] = Calc_Rectangle_Torsion(&it, 2, 6);
    expected[10] = it;
    for (int k = 0; k < 17; k++) EXPECT_NEAR(r[k], expected[k], 1e-9) << k;
    EXPECT_EQ(r[17], 0);
    EXPECT_EQ(r[19], 0);

    float solid[] = {4, 0}, ring[] = {4, 2};
    Calc_Simple_Section_Values(4, solid, r, 17);
    EXPECT_NEAR(r[0], 4 * kPi, 1e-9);
    EXPECT_NEAR(r[6], 0.75 * r[0], 1e-9);
    EXPECT_NEAR(r[8], kPi * 16 / 4, 1e-9);  // π r⁴/4
    EXPECT_NEAR(r[1], 2 * r[8] / 2, 1e-9);  // I_T / r_a
    Calc_Simple_Section_Values(4, ring, r, 17);
    EXPECT_NEAR(r[6], 0.5 * r[0], 1e-9);

    // SI values: A 0.01 m², I 1e-4 m⁴, W 1e-3 m³ → extreme distance 10 cm.
    float si[13] = {0.01f, 1e-4f, 1e-4f, 2e-5f, 0.1f, 0.2f, 0, 0, 0, 1e-3f, 0, 0, 0};
    Calc_Simple_Section_Values(99, si, r, 17);
    EXPECT_NEAR(r[0], 100, 1e-3);
    EXPECT_NEAR(r[2], 1000, 1e-1);   // 10000 cm⁴ / 10 cm
    EXPECT_NEAR(r[3], -1000, 1e-1);  // no modulus given: H/2 = 10 cm
    EXPECT_NEAR(r[4], 2000, 1e-1);   // w/2 = 5 cm
    EXPECT_NEAR(r[10], 2000, 1e-2);
    EXPECT_EQ(r[1], 0);

    r[0] = 9;
    Calc_Simple_Section_Values(1, rect, r, 0);
    EXPECT_EQ(r[0], 9);

    int32_t words[3] = {1, 2, 3};
    EXPECT_EQ(Match_Second_Word(words, 2) + Match_Third_Word(words, 3), 2);
    EXPECT_EQ(Match_Second_Word(words, 3) + Match_Third_Word(nullptr, 3), 0);
}

}  // namespace

// Hot-finished hollow rectangles (outer corners 1.5 t, inner t) against the
// published tables (cm, cm2, cm3, cm4), each value within half a unit of
// its last published digit: the corners' spandrels cut the area and the
// second moments with their own second moments (without them 260 x 180 x
// 12.5 had I_1 9299.7, 140 x 140 x 16 1916.9, 100 x 100 x 10 462.21); the
// torsion constant is the closed wall's on its rounded mid-line with the
// walls' own part. The thick 100 x 100 x 25 with radii 37.5 and 25 against
// its outline summed in strips across its height (587.5 cm4; without the
// spandrels' own moments 592.3). Radii that do not fit in the walls make
// no section.
TEST(ParametricSectionValues, RoundedHollowRectanglesAgainstThePublishedTables) {
    const struct {
        double h, b, t, A, I_1, I_2, W_1, I_T;
        double u_A, u_I, u_W;  // the unit of the last digit of A, I and W
    } rows[] = {
        {14, 14, 1.6, 76.61, 1916, 1916, 273.7, 3196, 0.01, 1, 0.1},
        {20, 10, 0.8, 44.75, 2234, 739, 223.4, 1804, 0.01, 1, 0.1},
        {26, 18, 1.25, 102.1, 9299, 5196, 715.3, 10643, 0.1, 1, 0.1},
        {10, 10, 1.0, 34.93, 462.1, 462.1, 92.42, 761, 0.01, 0.1, 0.01},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.h);
        Parametric_Section_Values v;
        ASSERT_EQ(Calc_Rounded_Hollow_Rectangle_Values(r.h, r.b, r.t, r.t, 1.5 * r.t, r.t, 6, &v), 1);
        EXPECT_NEAR(v.area, r.A, r.u_A / 2);
        EXPECT_NEAR(v.I_1, r.I_1, r.u_I / 2);
        EXPECT_NEAR(v.I_2, r.I_2, r.u_I / 2);
        EXPECT_NEAR(v.W_1_pos, r.W_1, r.u_W / 2);
        EXPECT_NEAR(v.W_1_neg, -r.W_1, r.u_W / 2);
        EXPECT_NEAR(v.I_T, r.I_T, 2e-3 * r.I_T);
        EXPECT_EQ(v.flags, 6);
    }
    // The width of a w x w square rounded with r at u from its middle.
    auto width = [](double w, double r, double u) {
        const double into = std::fabs(u) - (w / 2 - r);
        return std::fabs(u) >= w / 2 ? 0.0 : into <= 0 ? w : w - 2 * (r - std::sqrt(r * r - into * into));
    };
    double I = 0;
    const int n = 100000;
    for (int i = 0; i < n; i++) {
        const double u = -5 + (i + 0.5) * 10 / n;
        I += u * u * (width(10, 3.75, u) - width(5, 2.5, u)) * 10 / n;
    }
    Parametric_Section_Values thick;
    ASSERT_EQ(Calc_Rounded_Hollow_Rectangle_Values(10, 10, 2.5, 2.5, 3.75, 2.5, 2, &thick), 1);
    EXPECT_NEAR(I, 587.545, 1e-3);
    EXPECT_NEAR(thick.I_1, I, 1e-4 * I);
    EXPECT_NEAR(thick.I_2, I, 1e-4 * I);
    Parametric_Section_Values v;
    EXPECT_EQ(Calc_Rounded_Hollow_Rectangle_Values(10, 10, 1, 1, 5.1, 1, 6, &v), 0);
    EXPECT_EQ(Calc_Rounded_Hollow_Rectangle_Values(10, 10, 1, 1, 1.5, 4.1, 6, &v), 0);
    EXPECT_EQ(v.area, 0);
}

// A closed rectangular tube's St. Venant values against the hot-finished
// hollow sections' formulas, written out: R_c = (r_o + r_i) / 2, the
// mid-line's length h_p = 2 ((b - t) + (h - t)) - 2 R_c (4 - pi), its area
// A_p = (b - t)(h - t) - R_c² (4 - pi), K = 2 A_p t / h_p, I_t = t³ h_p / 3 +
// 2 K A_p and the torsional modulus W_t = I_t / (t + K / t): the surface's
// shear, the cell's flow K / t per unit twist and the wall's own t. (Bredt's
// 2 A_p t, which the modulus was before, leaves the wall's own share out.)
// MSH 140 x 140 x 16 (radii 24 and 16) is published with I_t 3196 cm⁴ and
// W_t 393.9 cm³. A sharp tube with unequal walls (webs 6, flanges 12) by
// its circuit: 4 A_p² / (2 (b - t_w) / t_f + 2 (h - t_f) / t_w) + the
// walls' (l t³ / 3); each wall's surface has (K / t_i + t_i) / I_T per unit
// torque, K = 2 A_p / circuit, the largest at the thinner webs here.
TEST(ParametricSectionValues, ClosedTubeTorsionByTheHollowSectionFormulas) {
    const struct {
        double h, b, t, r_o, r_i;
    } tubes[] = {{14, 14, 1.6, 2.4, 1.6}, {20, 10, 0.8, 1.2, 0.8}, {16, 16, 3, 4.5, 3}, {20, 10, 1, 0, 0}};
    for (const auto& c : tubes) {
        SCOPED_TRACE(c.h * 100 + c.t);
        const double R = (c.r_o + c.r_i) / 2, t = c.t;
        const double h_p = 2 * ((c.b - t) + (c.h - t)) - 2 * R * (4 - kPi);
        const double A_p = (c.b - t) * (c.h - t) - R * R * (4 - kPi), K = 2 * A_p * t / h_p;
        Closed_Tube_Torsion v;
        ASSERT_EQ(Calc_Closed_Tube_Torsion(c.h, c.b, t, t, c.r_o, c.r_i, &v), 1);
        EXPECT_NEAR(v.A_m, A_p, 1e-9 * A_p);
        EXPECT_NEAR(v.I_T, t * t * t * h_p / 3 + 2 * K * A_p, 1e-9 * v.I_T);
        EXPECT_NEAR(v.I_T_closed, 2 * K * A_p, 1e-9 * v.I_T);
        const double I_t = t * t * t * h_p / 3 + 2 * K * A_p;
        EXPECT_NEAR(v.W_T, I_t / (t + K / t), 1e-9 * v.W_T);
        EXPECT_NEAR(Closed_Tube_Wall_Shear(&v, t), 1 / v.W_T, 1e-9 / v.W_T);
    }
    Closed_Tube_Torsion msh;
    ASSERT_EQ(Calc_Closed_Tube_Torsion(14, 14, 1.6, 1.6, 2.4, 1.6, &msh), 1);
    EXPECT_NEAR(msh.I_T, 3196, 0.5);
    EXPECT_NEAR(msh.W_T, 393.9, 0.05);
    Closed_Tube_Torsion sharp;
    ASSERT_EQ(Calc_Closed_Tube_Torsion(200, 120, 6, 12, 0, 0, &sharp), 1);
    const double A_p = 114.0 * 188, circuit = 2 * 114.0 / 12 + 2 * 188.0 / 6, K = 2 * A_p / circuit;
    const double I_T = 4 * A_p * A_p / circuit + (2 * 114.0 * 1728 + 2 * 188.0 * 216) / 3;
    EXPECT_NEAR(sharp.I_T, I_T, 1e-6 * sharp.I_T);
    // webs: K / 6 + 6 = 93.48 mm against the flanges' K / 12 + 12 = 55.74
    EXPECT_NEAR(sharp.W_T, I_T / (K / 6 + 6), 1e-6 * sharp.W_T);
    EXPECT_NEAR(Closed_Tube_Wall_Shear(&sharp, 12), (K / 12 + 12) / I_T, 1e-6 / sharp.W_T);
    EXPECT_EQ(Closed_Tube_Wall_Shear(&sharp, 0), 0);
    EXPECT_EQ(Closed_Tube_Wall_Shear(nullptr, 6), 0);
    EXPECT_EQ(Calc_Closed_Tube_Torsion(10, 10, 5, 1, 0, 0, &sharp), 0);
    EXPECT_EQ(sharp.I_T, 0);
    EXPECT_EQ(Calc_Closed_Tube_Torsion(10, 10, 1, 1, 0, 0, nullptr), 0);
}

// An I of unequal flanges typed in as rolled (h 300, web 8, flanges 200 x 12
// above and 150 x 10 below, root radius 12) has its fillets under its top
// flange and over its bottom one, beside the web: four spandrels of (1 -
// pi/4) r^2 = 30.903 mm2, their centroids (10 - 3 pi) / (3 (4 - pi)) r =
// 2.680 mm from the web's and the flange's faces, each with (1 - 5 pi / 16
// - (1 - pi/4) 0.22337^2) r^4 = 156.46 mm4 about its own centroid, summed
// here with the plates about the top face: A 6247.61 mm2, the centroid
// 129.872 mm below the top, I_y 95,437,381 and I_z 10,830,504 mm4. Set
// into the flanges (outside the section) the spandrels gave the same area
// and centroid and I_y 0.19 % more.
TEST(ParametricValues, TheFilletsOfAnUnequalRolledISitBetweenItsWebAndItsFlanges) {
    const double r = 12, a = (1 - kPi / 4) * r * r, e = (10 - 3 * kPi) / (3 * (4 - kPi)) * r;
    const double own = (1 - 5 * kPi / 16 - (1 - kPi / 4) * e * e / (r * r)) * r * r * r * r;
    struct Piece {
        double A, y, z, I_y, I_z;
    };
    std::vector<Piece> pieces = {{200 * 12, 0, 6, 200 * 1728 / 12.0, 12 * 8e6 / 12},
                                 {8 * 278, 0, 151, 8 * std::pow(278.0, 3) / 12, 278 * 512 / 12.0},
                                 {150 * 10, 0, 295, 150 * 1000 / 12.0, 10 * std::pow(150.0, 3) / 12}};
    for (const double z : {12 + e, 290 - e})
        for (const double y : {4 + e, -4 - e}) pieces.push_back({a, y, z, own, own});
    double A = 0, S = 0, I_y = 0, I_z = 0;
    for (const Piece& p : pieces)
        A += p.A, S += p.A * p.z, I_y += p.I_y + p.A * p.z * p.z, I_z += p.I_z + p.A * p.y * p.y;
    const double z_s = S / A;
    I_y -= A * z_s * z_s;
    EXPECT_NEAR(a, 30.903, 1e-3);
    EXPECT_NEAR(own, 156.46, 0.01);
    EXPECT_NEAR(A, 6247.61, 0.01);
    EXPECT_NEAR(z_s, 129.872, 1e-3);
    EXPECT_NEAR(I_y, 95437381, 1);
    EXPECT_NEAR(I_z, 10830504, 1);
    const float v[6] = {300, 12, 10, 8, 200, 150};
    Parametric_Section_Values q;
    ASSERT_EQ(Calc_Rolled_Section_Values(13, v, r, 0, PARAMETRIC_BASIC_VALUES, &q), 1);
    EXPECT_NEAR(q.area, A, 1e-6 * A);
    EXPECT_NEAR(q.z_s, z_s - 150, 1e-6 * 150);  // from mid-height
    EXPECT_NEAR(q.I_1, I_y, 1e-6 * I_y);
    EXPECT_NEAR(q.I_2, I_z, 1e-6 * I_z);
}
