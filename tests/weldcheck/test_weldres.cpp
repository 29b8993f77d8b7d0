// Weld resistance and stress checks: the worked numbers of EN 1993-1-8
// 4.5.3 and the exact report lines at print levels 0, 1 and 2.
#include <gtest/gtest.h>

#include <cmath>

#include "weldcheck/weld_fixture.h"
#include "weldcheck/weldres.h"

namespace {

const std::string DOT = "\xCE/.\xCEr";

TEST(WeldStrength, ShearStrengthWorkedExample) {
    WeldCase c(5.0);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Shear_Strength(&c.g, l.f(), 1), 0);
    EXPECT_NEAR(c.g.f_vw_d, 207.846, 0.001);
    EXPECT_NEAR(c.g.F_w_Rd * 1e-5, 10.392, 0.001);
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Tragf\x84higkeit einer Schwei\xE1naht:  F\xCE\\w,Rd\xCEr = f\xCE\\vw,d\xCEr" + DOT +
                            "a = 10.39 kN/cm,  f\xCE\\vw,d\xCEr = 207.85 N/mm\xFD,  a = 5.0 mm");

    Calc_Weld_Shear_Strength(&c.g, l.f(), 2);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Scherfestigkeit:  f\xCE\\vw,d\xCEr = (f\xCE\\u\xCEr/3\xCE/1/2\xCEr) / (\xBB\xCE\\w\xCEr" + DOT +
                            "\xC0\xCE\\M2\xCEr) = 207.85 N/mm\xFD,  f\xCE\\u\xCEr = 360.0 N/mm\xFD,  \xBB\xCE\\w\xCEr = 0.80");
    EXPECT_EQ(lines[1], "Tragf\x84higkeit einer Schwei\xE1naht:  F\xCE\\w,Rd\xCEr = f\xCE\\vw,d\xCEr" + DOT +
                            "a = 10.39 kN/cm");
    Calc_Weld_Shear_Strength(&c.g, l.f(), 0);
    EXPECT_TRUE(Text_Lines(l.Take()).empty());
}

TEST(WeldStrength, WeakerPlateGovernsAndAnnexTakesFuBelow40) {
    WeldCase c(5.0, 50.0, 10.0);
    double fu = 0, bw = 0;
    {
        AnnexVariant v(1);
        Weld_Governing_Strength(&c.g.plate1, &c.g.plate2, &fu, &bw);
        EXPECT_EQ(fu, 360.0);  // t1 = 50 mm, annex: f_u for t <= 40 mm
    }
    {
        AnnexVariant v(0);
        Weld_Governing_Strength(&c.g.plate1, &c.g.plate2, &fu, &bw);
        EXPECT_EQ(fu, 340.0);
    }
    // Plate 2 weaker: its f_u and beta_w.
    Steel_Plate(&c.g.plate1, 10.0);
    Steel_Plate(&c.g.plate2, 10.0, 300.0, 300.0, 0.9);
    Weld_Governing_Strength(&c.g.plate1, &c.g.plate2, &fu, &bw);
    EXPECT_EQ(fu, 300.0);
    EXPECT_EQ(bw, 0.9);
}

// The directional method with the three stresses given.
struct Directional : WeldCase {
    Directional() : WeldCase(5.0) {
        g.method = WELD_METHOD_DIRECTIONAL;
        g.force_mode = WELD_STRESS_GIVEN;
        g.sigma_perp = 100.0;
        g.tau_perp = 50.0;
        g.tau_par = 80.0;
    }
};

TEST(WeldDirectional, WorkedExampleAtEveryLevel) {
    const std::string r1 = "\xCC\xCE\\1,w,Ed\xCEr = 191.57 N/mm\xFD  <  f\xCE\\1w,d\xCEr = 360.00 N/mm\xFD  \x88  U\xCE\\w\xCEr = 0.532  <  1  " + Ok();
    const std::string r2 = "\xCC\xCE\\2,w,Ed\xCEr = 100.00 N/mm\xFD  <  f\xCE\\2w,d\xCEr = 259.20 N/mm\xFD  \x88  U\xCE\\w\xCEr = 0.386  <  1  " + Ok();
    for (int level = 0; level <= 2; ++level) {
        Directional c;
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), level, "w"), 0);
        EXPECT_NEAR(c.g.sigma_1_w_Ed, 191.572, 0.001);
        EXPECT_EQ(c.g.sigma_2_w_Ed, 100.0);
        EXPECT_NEAR(c.g.f_1w_d, 360.0, 1e-9);
        EXPECT_NEAR(c.g.f_2w_d, 259.2, 1e-9);
        EXPECT_NEAR(c.g.U_max, 0.5321, 0.0001);
        const auto lines = Text_Lines(l.Take());
        if (level == 0) {
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0], r1);
            EXPECT_EQ(lines[1], r2);
        } else if (level == 1) {
            ASSERT_EQ(lines.size(), 6u);
            EXPECT_EQ(lines[0], "\xCC\xCE\\1,w,Ed\xCEr = (\xCC\xCE\\s\xCEr\xFD + 3" + DOT +
                                    "(\xD6\xCE\\s\xCEr\xFD + \xD6\xCE\\p\xCEr\xFD))\xCE/1/2\xCEr = 191.57 N/mm\xFD");
            EXPECT_EQ(lines[1], "Tragf\x84higkeit einer Schwei\xE1naht (Bed.1):  f\xCE\\1w,d\xCEr = f\xCE\\u\xCEr / (\xBB\xCE\\w\xCEr" +
                                    DOT + "\xC0\xCE\\M2\xCEr) = 360.00 N/mm\xFD");
            EXPECT_EQ(lines[2], r1);
            EXPECT_EQ(lines[3], "\xCC\xCE\\2,w,Ed\xCEr = |\xCC\xCE\\s\xCEr| = 100.00 N/mm\xFD");
            EXPECT_EQ(lines[4], "f\xCE\\2w,d\xCEr = 0.9" + DOT + "f\xCE\\u\xCEr / \xC0\xCE\\M2\xCEr = 259.20 N/mm\xFD");
            EXPECT_EQ(lines[5], r2);
        } else {
            ASSERT_EQ(lines.size(), 8u);
            EXPECT_EQ(lines[0], "Bedingung 1:");
            EXPECT_EQ(lines[2], "Tragf\x84higkeit einer Schwei\xE1naht (Bed.1):  f\xCE\\1w,d\xCEr = f\xCE\\u\xCEr / (\xBB\xCE\\w\xCEr" +
                                    DOT + "\xC0\xCE\\M2\xCEr) = 360.00 N/mm\xFD,  f\xCE\\u\xCEr = 360.0 N/mm\xFD,  \xBB\xCE\\w\xCEr = 0.80");
            EXPECT_EQ(lines[3], r1);
            EXPECT_EQ(lines[4], "Bedingung 2:");
            EXPECT_EQ(lines[6], "f\xCE\\2w,d\xCEr = 0.9" + DOT +
                                    "f\xCE\\u\xCEr / \xC0\xCE\\M2\xCEr = 259.20 N/mm\xFD,  f\xCE\\u\xCEr = 360.0 N/mm\xFD");
            EXPECT_EQ(lines[7], r2);
        }
    }
}

TEST(WeldDirectional, UtilisationJustAboveOnePrintsOk) {
    Directional c;
    c.g.sigma_perp = 0.0;
    c.g.tau_perp = 0.0;
    c.g.tau_par = 360.0 * 1.0005 / std::sqrt(3.0);  // U = 1.0005 in condition 1
    ListCapture l;
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 0);
    EXPECT_EQ(c.g.U_max, 1.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("U\xCE\\\xCEr = 1.000  \xF3  1  " + Ok()), std::string::npos) << lines[0];
    // 1.002 is a result above 1, not a refusal.
    c.g.tau_par = 360.0 * 1.002 / std::sqrt(3.0);
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 0);
    EXPECT_NE(Text_Lines(l.Take())[0].find("= 1.002  >  1  " + NotOk()), std::string::npos);
}

TEST(WeldDirectional, UnusableFactorOrNanNeverPrintsOk) {
    for (double gamma : {0.0, -1.25, (double)NAN}) {
        Directional c;
        c.factors.gamma_M2 = gamma;
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 1);
        const std::string out = l.Take();
        EXPECT_EQ(out.find(Ok()), std::string::npos);
        EXPECT_NE(out.find(NotOk()), std::string::npos);
    }
    Directional c;
    c.g.factors = nullptr;
    EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 1);
    Directional n;
    n.g.tau_par = NAN;
    ListCapture l;
    EXPECT_EQ(Check_Weld_Directional(&n.g, l.f(), 0, ""), 1);
    const std::string out = l.Take();
    EXPECT_EQ(out.find(Ok()), std::string::npos);
    EXPECT_NE(out.find(NotOk()), std::string::npos);
}

TEST(WeldDirectional, ZeroStrengthWritesNoteAndRefuses) {
    // f_u = 0: the blue note, no utilisation, and the check is refused so
    // that no verdict can call the weld proven.
    Directional c;
    Steel_Plate(&c.g.plate1, 10.0, 0.0, 0.0);
    Steel_Plate(&c.g.plate2, 10.0, 0.0, 0.0);
    ListCapture l;
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 1);
    EXPECT_EQ(c.g.U_max, 0.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "f\xCE\\1w,d\xCEr = 0  \x88  Nachweis wird nicht gef\x81hrt " + Note());
}

TEST(WeldDirectional, WithoutCheckFlagOnlyStrengths) {
    Directional c;
    c.g.check = 0;
    ListCapture l;
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Tragf\x84higkeiten einer Schwei\xE1naht:  f\xCE\\1w,d\xCEr = 360.00 N/mm\xFD, f\xCE\\2w,d\xCEr = 259.20 N/mm\xFD");
}

// Forces N, M, V on a fillet weld.
struct Forces : WeldCase {
    Forces(int one_sided) : WeldCase(5.0) {
        g.one_sided = one_sided;
        g.force_mode = WELD_FORCES_GIVEN;
        g.l_eff = 100.0;
        g.N_Ed = 100000.0;  // 100 kN
    }
};

TEST(WeldForces, TwoSidedWeldCountsTwoWelds) {
    Forces c(0);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    EXPECT_EQ(c.g.l_eff, 100.0);  // a second check must not double it again
    // F_N = 100000 N / 0.2 m = 500000 N/m; 90° fillet: theta 45°.
    EXPECT_NEAR(c.g.F_sigma_perp, 500000.0 * std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(c.g.F_tau_perp, 500000.0 * std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(c.g.F_w_Ed, 500000.0, 1e-6);
    EXPECT_NEAR(c.g.sigma_w_Ed, 100.0, 1e-9);
    const auto lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "bezogen auf 2 N\x84hte  \x88  l\xCE\\eff\xCEr = 200.0 mm");
    EXPECT_EQ(lines[1], "F\xCE\\N,Ed\xCEr = N\xCE\\Ed\xCEr / l\xCE\\eff\xCEr = 5.00 kN/cm");
    EXPECT_EQ(lines[2], "F\xCE\\Ed\xCEr(\xCC\xCE\\s\xCEr) = F\xCE\\N,Ed\xCEr" + DOT + "sin(\xBA) = 3.54 kN/cm");
    EXPECT_EQ(lines[3], "F\xCE\\Ed\xCEr(\xD6\xCE\\s\xCEr) = F\xCE\\N,Ed\xCEr" + DOT + "cos(\xBA) = 3.54 kN/cm");
    EXPECT_EQ(lines[4], "F\xCE\\Ed\xCEr(\xD6\xCE\\p\xCEr) = 0");
    EXPECT_EQ(lines[5], "F\xCE\\w,Ed\xCEr = (F\xCE\\Ed\xCEr(\xCC\xCE\\s\xCEr)\xFD + F\xCE\\Ed\xCEr(\xD6\xCE\\s\xCEr)\xFD + F\xCE\\Ed\xCEr(\xD6\xCE\\p\xCEr)\xFD)\xCE/1/2\xCEr = 5.00 kN/cm");
    // Checked twice, the result stays the same.
    Calc_Weld_Forces(&c.g, nullptr, 0);
    EXPECT_NEAR(c.g.F_w_Ed, 500000.0, 1e-6);
}

TEST(WeldForces, OneSidedWeldCarriesTheWholeNormalForce) {
    Forces c(1);
    c.g.M_p_Ed = 100.0;   // Nm over t2 = 10 mm: 10000 N
    c.g.M_s_Ed = 500.0;   // Nm, 6 / l_eff
    c.g.V_p_Ed = 20000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    const double L = 0.1;
    // A single weld has no partner to share N with: all of it, not N / 2.
    const double F_N = (100000.0 + 100.0 / 0.01 + 6.0 * 500.0 / L) / L;
    EXPECT_NEAR(c.g.F_sigma_perp, F_N * std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(c.g.F_tau_par, 200000.0, 1e-6);
    const auto lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "F\xCE\\N,Ed\xCEr = (N\xCE\\Ed\xCEr + M\xCE\\p,Ed\xCEr/t\xCE\\2\xCEr + M\xCE\\s,Ed\xCEr" + DOT +
                            "6/l\xCE\\eff\xCEr) / l\xCE\\eff\xCEr = 14.00 kN/cm");
    EXPECT_EQ(lines[1], "F\xCE\\Vp,Ed\xCEr = V\xCE\\p,Ed\xCEr / l\xCE\\eff\xCEr = 2.00 kN/cm");
}

TEST(WeldForces, EccentricityMomentInOneUnit) {
    // N = 100 kN on t2 = 10 mm: N t2 / 2 = 500000 Nmm; M_p = 100 Nm = 100000
    // Nmm; one-sided: dM = 400000 Nmm, dM / a = 80000 N.
    Forces c(1);
    c.g.method = WELD_METHOD_DIRECTIONAL | WELD_METHOD_MIN_LENGTH;
    c.g.M_p_Ed = 100.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    const double F_N = (100000.0 + 400000.0 / 5.0) / 0.1;
    EXPECT_NEAR(c.g.F_sigma_perp, F_N * std::sqrt(0.5), 1e-6);
    const auto lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Zusatzmoment aus Lastexzentrizit\x84t \xA3M\xCE\\p,Ed\xCEr = N\xCE\\Ed\xCEr" + DOT +
                            "t\xCE\\2\xCEr/2 - M\xCE\\p,Ed\xCEr = 0.40 kNm");
    EXPECT_EQ(lines[1], "F\xCE\\N,Ed\xCEr = (N\xCE\\Ed\xCEr + \xA3M\xCE\\p,Ed\xCEr/a) / l\xCE\\eff\xCEr = 18.00 kN/cm");
    // Compression at the root: no additional moment.
    c.g.N_Ed = -100000.0;
    Calc_Weld_Forces(&c.g, l.f(), 1);
    EXPECT_EQ(Text_Lines(l.Take())[0],
              "Zusatzmoment aus Lastexzentrizit\x84t muss nicht ber\x81\x63ksichtigt werden (kein Zug in der Nahtwurzel)");
}

TEST(WeldForces, RefusalsWithoutLengthOrThroat) {
    Forces c(1);
    c.g.l_eff = 0.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 0), 1);
    EXPECT_EQ(Text_Lines(l.Take())[0], "wirksame Nahtl\x84nge = 0  \x88  Kr\x84\x66te nicht ermittelbar " + Alert());
    WeldCase s(0.0);
    s.g.force_mode = WELD_STRESS_GIVEN;
    s.g.sigma_w_Ed = 100.0;
    EXPECT_EQ(Calc_Weld_Forces(&s.g, l.f(), 0), 1);
    EXPECT_EQ(Text_Lines(l.Take())[0], "wirksame Nahtdicke = 0  \x88  Kraft nicht ermittelbar " + Alert());
    s.g.force_mode = WELD_FORCE_PER_LENGTH_GIVEN;
    s.g.F_w_Ed = 1000.0;
    EXPECT_EQ(Calc_Weld_Forces(&s.g, l.f(), 0), 1);
    EXPECT_EQ(s.g.F_w_Ed, 0.0);
    EXPECT_EQ(Text_Lines(l.Take())[0], "wirksame Nahtdicke = 0  \x88  Kraft nicht wirksam " + Alert());
}

TEST(WeldSimplified, ResultLine) {
    WeldCase c(5.0);
    c.g.force_mode = WELD_STRESS_GIVEN;
    c.g.sigma_w_Ed = 150.0;  // 7.50 kN/cm against 10.39
    ListCapture l;
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 0);
    EXPECT_NEAR(c.g.U_max, 0.7217, 0.0001);
    const auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "F\xCE\\w,Ed\xCEr = 7.50 kN/cm  <  F\xCE\\w,Rd\xCEr = 10.39 kN/cm  \x88  U\xCE\\\xCEr = 0.722  <  1  " + Ok());
    // gamma_M2 = 0 gives no infinite resistance and no "ok".
    c.factors.gamma_M2 = 0.0;
    EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 1);
    const std::string out = l.Take();
    EXPECT_EQ(out.find(Ok()), std::string::npos);
    EXPECT_NE(out.find(NotOk()), std::string::npos);
}

TEST(ButtWeld, FullPenetrationWorkedExample) {
    WeldCase c(0.0, 8.0, 12.0);
    c.g.kind = WELD_BUTT;
    c.g.full_penetration = 1;
    c.g.force_mode = WELD_STRESS_GIVEN;
    c.g.sigma_w_Ed = 150.0;
    ListCapture l;
    EXPECT_EQ(Check_Butt_Weld(&c.g, l.f(), 0, ""), 0);
    EXPECT_NEAR(c.g.U_max, 0.7217, 0.0001);
    EXPECT_EQ(c.g.a, 0.0);  // restored
    EXPECT_EQ(c.g.one_sided, 0);
    auto lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "F\xCE\\w,Ed\xCEr = 18.00 kN/cm  <  F\xCE\\w,Rd\xCEr = 24.94 kN/cm  \x88  U\xCE\\\xCEr = 0.722  <  1  " + Ok());
    c.g.angle = 0.0;  // in line: the thinner part, 8 mm
    EXPECT_EQ(Check_Butt_Weld(&c.g, l.f(), 0, ""), 0);
    lines = Text_Lines(l.Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "F\xCE\\w,Ed\xCEr = 12.00 kN/cm  <  F\xCE\\w,Rd\xCEr = 16.63 kN/cm  \x88  U\xCE\\\xCEr = 0.722  <  1  " + Ok());
}

TEST(ButtWeld, PartialThroatEqualToJointCountsAsFull) {
    WeldCase c(6.0, 8.0, 12.0);  // two-sided, a = t / 2
    c.g.kind = WELD_BUTT;
    c.g.force_mode = WELD_STRESS_GIVEN;
    c.g.sigma_w_Ed = 150.0;
    ListCapture l;
    EXPECT_EQ(Check_Butt_Weld(&c.g, l.f(), 2, ""), 0);
    EXPECT_EQ(c.g.a, 6.0);
    const auto lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Die Naht ist durchgeschwei\xE1t (a = 6.0 mm)");
    EXPECT_NEAR(c.g.U_max, 0.7217, 0.0001);
}

TEST(ButtWeld, FullPenetrationWithForcesTakesTheWholeNormalForce) {
    // N = 120 kN on a 100 mm long, 12 mm thick full butt weld: 100 N/mm².
    WeldCase c(0.0, 12.0, 12.0);
    c.g.kind = WELD_BUTT;
    c.g.full_penetration = 1;
    c.g.l_eff = 100.0;
    c.g.N_Ed = 120000.0;
    EXPECT_EQ(Check_Butt_Weld(&c.g, nullptr, 0, ""), 0);
    EXPECT_NEAR(c.g.F_w_Ed, 1200000.0, 1e-6);
    EXPECT_NEAR(c.g.U_max, 1200000.0 / (1000.0 * 207.84609690826525 * 12.0), 1e-9);
}

}  // namespace
