// Design formulas of the connection library: buckling and lateral-torsional
// reduction against the closed forms and published values, bolt shear and
// bearing resistances by hand, the plate b/t limits of DIN 18800 and the
// small helpers.
#include <gtest/gtest.h>

#include <cmath>

#include "endplate/bolt_bearing.h"
#include "endplate/design_formulas.h"
#include "endplate/input_limits.h"
#include "endplate/plate_limits.h"
#include "platform/msgbox.h"

namespace {

Schraube_Record Bolt(int size, int klasse, int kind, float clearance) {
    Schraube_Record b = {};
    Set_Schraube(&b, size, klasse, kind, clearance);
    return b;
}

TEST(DesignFormulas, BucklingAndLateralTorsionalReduction) {
    double chi = -1;
    // Curve b at lambda 1.0: phi = 0.5 (1 + 0.34 x 0.8 + 1) = 1.136,
    // chi = 1 / (1.136 + (1.136² - 1)^1/2) = 0.5970 (the published 0.597).
    Calc_Buckling_Chi(CURVE_B, 1.0, 0.0, &chi);
    EXPECT_NEAR(chi, 0.5970, 5e-5);
    Calc_Buckling_Chi(CURVE_A, 0.2, 0.0, &chi);
    EXPECT_EQ(chi, 1.0);
    // Beyond 3.0: 1 / (lambda (lambda + alpha)) = 1 / (3.5 x 3.71).
    Calc_Buckling_Chi(CURVE_A, 3.5, 0.0, &chi);
    EXPECT_NEAR(chi, 1.0 / (3.5 * 3.71), 1e-15);
    // A curve outside 0..3 counts as d: lambda 1: phi = 0.5 (2 + 0.76 x
    // 0.8) = 1.304, chi = 1 / (1.304 + 0.8370) = 0.4671 (published 0.467).
    Calc_Buckling_Chi(9, 1.0, 0.0, &chi);
    EXPECT_NEAR(chi, 0.467, 5e-4);
    EXPECT_NEAR(chi, 1.0 / (1.304 + std::sqrt(1.304 * 1.304 - 1.0)), 1e-12);
    Calc_Buckling_Chi(CURVE_B, NAN, 0.0, &chi);
    EXPECT_EQ(chi, 0.0);
    double kappa = -1;
    Calc_LTB_Kappa_M(2.5, 0.4, 0, 0, 0, 0, &kappa);
    EXPECT_EQ(kappa, 1.0);
    // n 2.5, lambda_M 1: (1 / 2)^(1/2.5) = 0.7579.
    Calc_LTB_Kappa_M(2.5, 1.0, 0, 0, 0, 0, &kappa);
    EXPECT_NEAR(kappa, std::pow(0.5, 0.4), 1e-15);
    Calc_LTB_Kappa_M(0.0, 1.0, 0, 0, 0, 0, &kappa);
    EXPECT_EQ(kappa, 0.0);

    int c[3] = {7, 7, 7};
    Select_Buckling_Curves(5, 30, 30, 1, &c[0], &c[1], &c[2]);  // unknown code: unchanged
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 777);
    Select_Buckling_Curves(1, 30, 30, 1.5, &c[0], &c[1], &c[2]);  // h/b 1 <= 1.2, t <= 8: b, c, c
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 122);
    Select_Buckling_Curves(1, 60, 20, 2, &c[0], &c[1], &c[2]);  // h/b 3, t 2: a, b, b
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 11);
    Select_Buckling_Curves(1, 60, 20, 8, &c[0], &c[1], &c[2]);  // 40 < t <= 80 mm: b, c, c
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 122);
    Select_Buckling_Curves(1, 60, 20, 9, &c[0], &c[1], &c[2]);  // t > 8: d, d, d
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 333);
    Select_Buckling_Curves(-1, 60, 20, 5, &c[0], &c[1], &c[2]);  // welded, t > 4: c, d, d
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 233);
    Select_Buckling_Curves(1, 60, 0, 2, &c[0], &c[1], &c[2]);  // no width: a narrow section
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 11);
    Select_Buckling_Curves(6, 60, 20, 2, &c[0], &c[1], &c[2]);
    EXPECT_EQ(c[0] * 100 + c[1] * 10 + c[2], 0);

    EXPECT_EQ(Max_Abs6(1, -7, 3, 2, 0, -6.5), 7.0);
    EXPECT_EQ(Round_Up_Tenth(0), 0.0);
    EXPECT_NEAR(Round_Up_Tenth(1.2005), 1.2, 1e-12);  // within 0.001 above: stays
    EXPECT_NEAR(Round_Up_Tenth(1.202), 1.3, 1e-12);
}

TEST(DesignFormulas, BoltShearResistance) {
    // M20 4.6, clearance 2.0 (shank), one plane, gamma_M 1.1:
    // 0.6 x 40 x 0.7854 x 2.0² / 1.1 = 68.54 kN.
    double V = 0;
    Schraube_Record m20 = Bolt(2, 0, 0, 2.0f);
    Calc_Bolt_Shear_Resistance(&m20, 1.1, 1, &V);
    EXPECT_NEAR(V, 0.6 * 40 * M_PI / 4 * 4.0 / 1.1, 1e-9);
    EXPECT_NEAR(V, 68.54, 0.005);
    // Fitted M20 10.9 (clearance 0.3: the hole diameter 21 mm), two planes:
    // 0.55 x 100 x 2 x 0.7854 x 2.1² / 1.1 = 346.36 kN.
    Schraube_Record fitted = Bolt(2, 3, 1, 0.3f);
    Calc_Bolt_Shear_Resistance(&fitted, 1.1, 2, &V);
    EXPECT_NEAR(V, 0.55 * 100 * 2 * M_PI / 4 * 2.1 * 2.1 / 1.1, 1e-6);
    Calc_Bolt_Shear_Resistance(&m20, 0.0, 1, &V);
    EXPECT_EQ(V, 0.0);
    Calc_Bolt_Shear_Resistance(&m20, 1.1, 0, &V);
    EXPECT_EQ(V, 0.0);
}

TEST(DesignFormulas, BoltBearingResistance) {
    // M20 4.6, clearance 1.0: D = 2.0 + 0.1 = 2.1 cm, shank 2.0 cm; plate
    // f_y 240 (f = 24 kN/cm²), t 1.0 cm, gamma_M 1.1, towards the end edge.
    Schraube_Record b = Bolt(2, 0, 0, 1.0f);
    Stahlsorte_Record plate = {};
    Set_Stahlsorte(&plate, 0);
    // V_l = alpha x 2.0 x 1.0 x 24 / 1.1 = alpha x 43.636 kN.
    struct Case {
        double e1, e2, e3;
        int code;
        double alpha;
    } cases[] = {
        // e1/D = 2.0, e2/D = 1.905 > 1.5, e3/D = 3.33 > 3: alpha 1.1 x 2 - 0.3
        // = 1.9: 82.91 kN.
        {4.2, 4.0, 7.0, BEARING_OK, 1.9},
        // e2/D = 1.2 exactly: still allowed (the limit is 1.2 d_L); alpha_red
        // = 0.73 x 2 - 0.2 = 1.26: 54.98 kN.
        {4.2, 2.52, 7.0, BEARING_OK, 1.26},
        // e2/D = 2.5/2.1 = 1.1905: short (code 2); alpha = 1.26 + (1.1905 -
        // 1.2) x 3.333 x (1.9 - 1.26) = 1.2397.
        {4.2, 2.5, 7.0, BEARING_SHORT_EDGE_2, 1.26 + (2.5 / 2.1 - 1.2) * 10.0 / 3.0 * 0.64},
        // e1/D = 3.5: alpha 1.1 x 3.5 - 0.3 = 3.55, held at 3.0: 130.91 kN.
        {7.35, 4.0, 7.0, BEARING_OK, 3.0},
        // e1/D = 0.476 < 1.2: code 1; alpha 1.1 x 0.476 - 0.3 = 0.2238.
        {1.0, 4.0, 7.0, BEARING_SHORT_END, 1.1 / 2.1 - 0.3},
    };
    for (const Case& c : cases) {
        double V = 0;
        EXPECT_EQ(Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 1.0, 0, c.e1, c.e2, c.e3, 0, 0, 10, &V), c.code) << c.e2;
        EXPECT_NEAR(V, c.alpha * 48 / 1.1, 1e-9) << c.e1 << " " << c.e2;
    }
    // The first case in kN.
    double V1 = 0;
    Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 1.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V1);
    EXPECT_NEAR(V1, 82.91, 0.005);
    // A tiny end distance would give a negative factor: no resistance.
    double V = 5;
    Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 1.0, 0, 0.2, 4.0, 7.0, 0, 0, 10, &V);
    EXPECT_EQ(V, 0.0);
    // An SLV bolt in a fully stressed plate beyond its friction: 1, V_l kept.
    Schraube_Record slv = Bolt(2, 2, 1, 1.0f);
    V = 7;
    EXPECT_EQ(Calc_Bolt_Bearing(&slv, &plate, 1.1, 1, 1.0, 0, 4.2, 4.0, 7.0, 24.0, 0, 60, &V), BEARING_SHORT_END);
    EXPECT_EQ(V, 7.0);
    // Within its friction (112 x 0.4348 / 1.1 = 44.3 kN): alpha 1.9 + 0.5.
    EXPECT_EQ(Calc_Bolt_Bearing(&slv, &plate, 1.1, 1, 1.0, 0, 4.2, 4.0, 7.0, 24.0, 0, 40, &V), BEARING_OK);
    EXPECT_NEAR(V, 2.4 * 2.0 * 24 / 1.1, 1e-9);
    // The friction of that bolt, mu F_v / (1.15 gamma_M) = 0.5 x 112 /
    // (1.15 x 1.1) = 44.27 kN, holds against the shear either way; a
    // tension of 56 kN leaves (112 - 56) x 0.5 / 1.265 = 22.13 kN, and a
    // pressing force adds nothing to the preload (still 44.27 kN).
    struct Friction {
        double N, V;
        int code;
    } friction[] = {{0, 40, BEARING_OK},         {0, -40, BEARING_OK},         {0, 60, BEARING_SHORT_END},
                    {0, -60, BEARING_SHORT_END}, {0, -1000, BEARING_SHORT_END}, {56, 20, BEARING_OK},
                    {56, -25, BEARING_SHORT_END}, {-56, 44, BEARING_OK},        {-56, -50, BEARING_SHORT_END}};
    for (const Friction& c : friction) {
        V = 7;
        EXPECT_EQ(Calc_Bolt_Bearing(&slv, &plate, 1.1, 1, 1.0, 0, 4.2, 4.0, 7.0, 24.0, c.N, c.V, &V), c.code)
            << c.N << " " << c.V;
        EXPECT_NEAR(V, c.code == BEARING_OK ? 2.4 * 2.0 * 24 / 1.1 : 7.0, 1e-9) << c.N << " " << c.V;
    }
    // A plate above 40 mm takes f_y of thick plates, 215 N/mm² for S235:
    // t 5 cm: 1.9 x 2.0 x 5.0 x 21.5 / 1.1 = 371.36 kN; 40 mm still 240:
    // 1.9 x 2.0 x 4.0 x 24 / 1.1 = 331.64 kN.
    Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 5.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V);
    EXPECT_NEAR(V, 371.36, 0.005);
    Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 4.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V);
    EXPECT_NEAR(V, 331.64, 0.005);
    // Bad data: the library's message, 103 and no resistance.
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Calc_Bolt_Bearing(&b, &plate, 1.1, 1, 0.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V), BEARING_DATA_ERROR);
    EXPECT_EQ(V, 0.0);
    EXPECT_EQ(Calc_Bolt_Bearing(&b, &plate, 1.1, 2, 1.0, -3, 4.2, 4.0, 7.0, 0, 0, 10, &V), BEARING_DATA_ERROR);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], "Datenfehler !!!");
    // Without a window: no box and nothing on the console; the caller finds
    // the refusal's lines.
    VEK_Clear_Recorded_Messages();
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Calc_Bolt_Bearing(&b, &plate, 0.2, 1, 1.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V), BEARING_DATA_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr(), "");
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
    EXPECT_STREQ(Endplate_Last_Refusal(0), "Datenfehler !!!");
    EXPECT_NE(std::string(Endplate_Last_Refusal(1)).find("gamma_M = 0.2 liegt nicht zwischen 0.5 und 3"),
              std::string::npos)
        << Endplate_Last_Refusal(1);
}

// Partial factors outside 0.5 .. 3 are refused by every routine that
// divides by one, with the message naming the factor (never "nan"); the
// limits themselves are taken. Shear of M20 4.6 (shank 2.0 cm), one plane:
// 0.6 x 40 x pi/4 x 2.0² / gamma_M = 75.40 / gamma_M kN.
TEST(DesignFormulas, PartialFactorsOutsideTheirRangeAreRefused) {
    Schraube_Record m20 = Bolt(2, 0, 0, 2.0f);
    Stahlsorte_Record plate = {};
    Set_Stahlsorte(&plate, 0);
    for (double gamma : {1e-300, 1e300, double(NAN), -1.1, 0.0, 0.49, 3.01, -double(INFINITY)}) {
        VEK_Clear_Recorded_Messages();
        double V = 5, V_R = 5, L = 999;
        EXPECT_EQ(Calc_Bolt_Bearing(&m20, &plate, gamma, 1, 1.0, 0, 4.2, 4.0, 7.0, 0, 0, 10, &V), BEARING_DATA_ERROR);
        EXPECT_EQ(V, 0.0);
        Calc_Bolt_Shear_Resistance(&m20, gamma, 1, &V_R);
        EXPECT_EQ(V_R, 0.0);
        Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, 240, -24, -24, gamma);
        EXPECT_EQ(L, 0.0);  // no limit: no part passes
        double bt[3], lim[3] = {999, 999, 999};
        Calc_Profile_Bt_Limits(BT_I, 240, gamma, 1.5, 20, 1.2, 20, 1.2, 40, 0.8, -100, 1000, 100, 50, 500, 80, 600, 0,
                               0, &bt[0], &bt[1], &bt[2], &lim[0], &lim[1], &lim[2], BT_ELASTIC);
        EXPECT_EQ(lim[0] + lim[1] + lim[2], 0.0);
        const auto& boxes = VEK_Recorded_Messages();
        ASSERT_EQ(boxes.size(), 4u) << gamma;
        for (const auto& box : boxes) {
            ASSERT_EQ(box.lines.size(), 2u);
            EXPECT_EQ(box.lines[0], "Datenfehler !!!");
            EXPECT_NE(box.lines[1].find("gamma_M = "), std::string::npos) << box.lines[1];
            EXPECT_NE(box.lines[1].find("nicht zwischen 0.5 und 3"), std::string::npos) << box.lines[1];
            EXPECT_EQ(box.lines[1].find("nan"), std::string::npos) << box.lines[1];
        }
    }
    for (double gamma : {0.5, 3.0}) {
        double V_R = 0;
        Calc_Bolt_Shear_Resistance(&m20, gamma, 1, &V_R);
        EXPECT_NEAR(V_R, 75.398 / gamma, 0.001);
    }
}

TEST(DesignFormulas, SizingHelpers) {
    double a = 0;
    for (auto [in, out] : {std::pair{3.04, 3.0}, {3.21, 3.5}, {0.4, 1.5}, {4.5, 4.5}, {NAN, 1.5}}) {
        Round_Up_Throat(in, &a);
        EXPECT_NEAR(a, out, 1e-12) << in;
    }
    double ref = 1, psi = 1;
    Calc_Stress_Ratio(-10, 5, &ref, &psi);
    EXPECT_EQ(ref * 10 + psi, -100.5);
    Calc_Stress_Ratio(-5, 10, &ref, &psi);
    EXPECT_EQ(ref * 10 + psi, 99.5);
    Calc_Stress_Ratio(-10, 0, &ref, &psi);
    EXPECT_EQ(ref + psi, 0.0);
    Calc_Stress_Ratio(0.05, -0.05, &ref, &psi);
    EXPECT_EQ(ref + psi, 0.0);
    float u = 0, max_a = 0.5f, max_b = 0.9f;
    Update_Utilisation(-8, &u, 10, &max_a, &max_b);
    EXPECT_FLOAT_EQ(u, 0.8f);
    EXPECT_FLOAT_EQ(max_a, 0.8f);
    EXPECT_FLOAT_EQ(max_b, 0.9f);
    Update_Utilisation(5, &u, 0, &max_a, &max_b);  // no resistance: far beyond 1
    EXPECT_FLOAT_EQ(u, 999.0f);
}

TEST(PlateLimits, ElasticLimitsByHand) {
    // Outstand in uniform compression sigma_1 = 240 N/mm² (-24 kN/cm²),
    // gamma_M 1: equal edges count edge b as the more compressed; with b
    // the free edge k_sigma = 0.57 - 0.21 + 0.07 = 0.43, L = 19.7 x
    // 0.43^1/2 = 12.918; with b supported 0.578 / 1.34 = 0.4313 (0.43 up to
    // rounding), L = 12.938.
    double L = 999;
    Calc_Plate_Bt_Limit(BT_OUTSTAND_FREE_B, &L, BT_ELASTIC, 240, -24, -24, 1.0);
    EXPECT_NEAR(L, 19.7 * std::sqrt(0.43), 1e-9);
    L = 999;
    Calc_Plate_Bt_Limit(BT_OUTSTAND_FREE_A, &L, BT_ELASTIC, 240, -24, -24, 1.0);
    EXPECT_NEAR(L, 19.7 * std::sqrt(0.578 / 1.34), 1e-9);
    // Internal part, psi 1, sigma_1 240, gamma_M 1:
    // 27.1 x 0.697 x (8.2 / 2.05)^1/2 = 37.777.
    L = 999;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, 240, -24, -24, 1.0);
    EXPECT_NEAR(L, 27.1 * 0.697 * 2.0, 1e-9);
    // Supported edge more compressed, psi 0 (free edge a at 0): 0.578 /
    // 0.34 = 1.7; sigma_1 = 100: r = (240 / 100)^1/2.
    L = 999;
    Calc_Plate_Bt_Limit(BT_OUTSTAND_FREE_A, &L, BT_ELASTIC, 240, 0, -10, 1.0);
    EXPECT_NEAR(L, 19.7 * std::sqrt(2.4) * std::sqrt(0.578 / 0.34), 1e-9);
    // Tension on both edges, elastic: the limit stays.
    L = 50;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, 240, 5, 3, 1.0);
    EXPECT_EQ(L, 50.0);
    // A running minimum is never raised.
    L = 10;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, 240, -24, -24, 1.0);
    EXPECT_EQ(L, 10.0);
}

TEST(PlateLimits, PlasticLimitsAndTheirShares) {
    double L = 999;
    // Outstand: 11 (240/f_y)^1/2 elastic-plastic, 9 plastic-plastic.
    Calc_Plate_Bt_Limit(BT_OUTSTAND_FREE_B, &L, BT_ELASTIC_PLASTIC, 240, -1, -1, 1.1);
    EXPECT_NEAR(L, 11.0, 1e-12);
    L = 999;
    Calc_Plate_Bt_Limit(BT_OUTSTAND_FREE_B, &L, BT_PLASTIC, 360, -1, -1, 1.1);
    EXPECT_NEAR(L, 9.0 * std::sqrt(240.0 / 360.0), 1e-12);
    // Internal, both compressed, plastic: 32.
    L = 999;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_PLASTIC, 240, -1, -2, 1.1);
    EXPECT_NEAR(L, 32.0, 1e-12);
    // Internal in bending -10 / +30: the compressed quarter: 37 / 0.25 = 148.
    L = 999;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC_PLASTIC, 240, -10, 30, 1.1);
    EXPECT_NEAR(L, 148.0, 1e-9);
    // Both in tension: 37 / 0.5 = 74, but not in the second form.
    L = 999;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC_PLASTIC, 240, 1, 2, 1.1);
    EXPECT_NEAR(L, 74.0, 1e-12);
    L = 999;
    Calc_Plate_Bt_Limit_2(BT_INTERNAL, 0, 240, 1, 2, 1.1, &L, BT_ELASTIC_PLASTIC);
    EXPECT_EQ(L, 999.0);
    // Input that gives no limit sets it to 0: the part cannot pass.
    for (double f_y : {0.0, -240.0, double(NAN)}) {
        L = 999;
        Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, f_y, -24, -24, 1.0);
        EXPECT_EQ(L, 0.0) << f_y;
    }
    L = 999;
    Calc_Plate_Bt_Limit(BT_INTERNAL, &L, BT_ELASTIC, 240, NAN, -24, 1.0);
    EXPECT_EQ(L, 0.0);
}

TEST(PlateLimits, PartsOfAnISection) {
    // N -100 kN, A 50: sigma_N -2; M_y 1000 kNcm: top -2 - 1000/500 = -4,
    // bottom -2 + 1000/600 = -0.3333 kN/cm². The web (internal, elastic,
    // gamma_M 1.1): sigma_1 = 40 N/mm², psi = 0.08333,
    // L = 27.1 (1 - 0.278 psi - 0.025 psi²) (8.2 / (1.05 + psi))^1/2
    //     (240 / (1.1 x 40))^1/2 = 166.27.
    const Profile_Bt_Input in{{BT_I, 1.5, 20, 1.2, 20, 1.2, 40, 0.8, 50, 500, 80, 600}, 240, 1.1, -100, 1000, 100,
                              BT_ELASTIC};
    Profile_Bt_Result r{{}, {999, 999, 999}};
    Check_Profile_Bt_Limits(&in, &r);
    const double psi = (1.0 / 3.0) / 4.0;
    EXPECT_NEAR(r.limit[BT_GROUP_2], 27.1 * (1 - 0.278 * psi - 0.025 * psi * psi) * std::sqrt(8.2 / (1.05 + psi)) *
                                         std::sqrt(240.0 / 44.0),
                1e-6);
    // Slenderness: c = max(0.4, 1.5) = 1.5: flanges (20 - 0.8 - 3) / 2 / 1.2
    // = 6.75, web (40 - 3) / 0.8 = 46.25.
    EXPECT_NEAR(r.slenderness[BT_GROUP_1], 6.75, 1e-12);
    EXPECT_NEAR(r.slenderness[BT_GROUP_2], 46.25, 1e-12);
    EXPECT_NEAR(r.slenderness[BT_GROUP_3], 6.75, 1e-12);
    // The positional form gives the same.
    double bt[3], lim[3] = {999, 999, 999};
    Calc_Profile_Bt_Limits(BT_I, 240, 1.1, 1.5, 20, 1.2, 20, 1.2, 40, 0.8, -100, 1000, 100, 50, 500, 80, 600, 0, 0,
                           &bt[0], &bt[1], &bt[2], &lim[0], &lim[1], &lim[2], BT_ELASTIC);
    for (int g = 0; g < BT_GROUPS; g++) {
        EXPECT_EQ(bt[g], r.slenderness[g]);
        EXPECT_EQ(lim[g], r.limit[g]);
    }
    // A section without area: nothing passes.
    Calc_Profile_Bt_Limits(BT_I, 240, 1.1, 1.5, 20, 1.2, 20, 1.2, 40, 0.8, -100, 1000, 100, 0, 500, 80, 600, 0, 0,
                           &bt[0], &bt[1], &bt[2], &lim[0], &lim[1], &lim[2], BT_ELASTIC);
    EXPECT_EQ(lim[0] + lim[1] + lim[2] + bt[0] + bt[1] + bt[2], 0.0);
    // Type 5 has no parts: 0 slenderness, limits lowered to 999 at most.
    double l5[3] = {2000, 5, 999};
    Calc_Profile_Bt_Limits(5, 240, 1.1, 1, 20, 1, 20, 1, 40, 1, -100, 0, 0, 50, 500, 80, 600, 0, 0, &bt[0], &bt[1],
                           &bt[2], &l5[0], &l5[1], &l5[2], BT_ELASTIC);
    EXPECT_EQ(l5[0] * 100 + l5[1], 999 * 100 + 5.0);
}

}  // namespace
