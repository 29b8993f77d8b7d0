// Weld resistance and stress checks: the worked numbers of EN 1993-1-8
// 4.5.3 and the exact report lines at print levels 0, 1 and 2.
#include <gtest/gtest.h>

#include <cmath>

#include "weldcheck/weld_fixture.h"
#include "weldcheck/weldfile.h"
#include "weldcheck/weldgroup_internal.h"
#include "weldcheck/weldres.h"

namespace {

const std::string DOT = "\xCE/.\xCEr";

TEST(WeldStrength, ShearStrengthWorkedExample) {
    WeldCase c(5.0);
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Shear_Strength(&c.g, l.f(), 1), 0);
    EXPECT_NEAR(c.g.f_vw_d, 207.846, 0.001);
    EXPECT_NEAR(c.g.F_w_Rd, 207.846 * 5.0, 0.01);  // N/mm
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

// A weld's strength lines come again unchanged at every end point of every
// load case; each call still writes the lines of its own values: a = 5, 7,
// 5 mm (F_w,Rd = 207.846 a / 100 kN/cm), then t1 = 50 mm with f_u = 340
// N/mm² (f_vw,d = 340 / sqrt(3) / (0.8 * 1.25) = 196.30 N/mm²), then a
// line prefix of its own.
TEST(WeldStrength, StrengthLinesFollowTheirValuesFromCallToCall) {
    struct Step {
        double a, t1;
        const char* prefix;
        const char* strength;
        const char* resistance;
    };
    const Step steps[] = {
        {5.0, 10.0, "", "207.85 N/mm\xFD,  f\xCE\\u\xCEr = 360.0", "10.39"},
        {7.0, 10.0, "", "207.85 N/mm\xFD,  f\xCE\\u\xCEr = 360.0", "14.55"},
        {5.0, 10.0, "", "207.85 N/mm\xFD,  f\xCE\\u\xCEr = 360.0", "10.39"},
        {5.0, 50.0, "", "196.30 N/mm\xFD,  f\xCE\\u\xCEr = 340.0", "9.81"},
        {5.0, 50.0, "> ", "196.30 N/mm\xFD,  f\xCE\\u\xCEr = 340.0", "9.81"},
    };
    const char* const saved_prefix = Check_Line_Prefix;
    for (const Step& s : steps) {
        WeldCase c(s.a, s.t1);
        Check_Line_Prefix = s.prefix;
        ListCapture l;
        EXPECT_EQ(Calc_Weld_Shear_Strength(&c.g, l.f(), 2), 0);
        const auto lines = Text_Lines(l.Take());
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], std::string(s.prefix) + "Scherfestigkeit:  f\xCE\\vw,d\xCEr = (f\xCE\\u\xCEr/3\xCE/1/2\xCEr) / (\xBB\xCE\\w\xCEr" +
                                DOT + "\xC0\xCE\\M2\xCEr) = " + s.strength + " N/mm\xFD,  \xBB\xCE\\w\xCEr = 0.80")
            << s.a << " " << s.t1;
        EXPECT_EQ(lines[1], std::string(s.prefix) + "Tragf\x84higkeit einer Schwei\xE1naht:  F\xCE\\w,Rd\xCEr = f\xCE\\vw,d\xCEr" +
                                DOT + "a = " + s.resistance + " kN/cm")
            << s.a << " " << s.t1;
    }
    Check_Line_Prefix = saved_prefix;
}

TEST(WeldStrength, WeakerPlateGovernsWithTheFuOfItsThickness) {
    WeldCase c(5.0, 50.0, 10.0);
    double fu = 0, bw = 0;
    // t1 = 50 mm: the 340 N/mm² of 40 < t <= 80 mm under the recommended
    // values, the 360 of t <= 40 mm under a national variant.
    for (const auto& [variant, want] : {std::pair(1, 360.0), std::pair(0, 340.0)}) {
        AnnexVariant v(variant);
        Weld_Governing_Strength(&c.g.plate1, &c.g.plate2, &fu, &bw);
        EXPECT_EQ(fu, want) << variant;
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

// Condition 1 with tau_par = 360 u / sqrt(3) alone: sigma_1 = 360 u against
// f_1w,d = 360, U = u. A U above 1 by less than 0.001 counts as 1, and its
// line says so with the value as computed; 1.001 and above are results
// above 1, not refusals.
TEST(WeldDirectional, UtilisationJustAboveOnePrintsOk) {
    const struct {
        double u, counted;
        const char* tail;
    } rows[] = {{1.0, 1.0, "  \xF3  f\xCE\\1w,d\xCEr = 360.00 N/mm\xFD  \x88  U\xCE\\\xCEr = 1.000  \xF3  1  "},
                {1.0005, 1.0, "  \xF7  f\xCE\\1w,d\xCEr = 360.00 N/mm\xFD  \x88  U\xCE\\\xCEr = 1.0005  \xF7  1  "},
                {1.001, 1.001, "= 1.001  >  1  "}, {1.0011, 1.0011, "= 1.001  >  1  "}, {1.002, 1.002, "= 1.002  >  1  "}};
    for (const auto& r : rows) {
        Directional c;
        c.g.sigma_perp = 0.0;
        c.g.tau_perp = 0.0;
        c.g.tau_par = 360.0 * r.u / std::sqrt(3.0);
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 0);
        EXPECT_NEAR(c.g.U_max, r.counted, 1e-12) << r.u;
        const auto lines = Text_Lines(l.Take());
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NE(lines[0].find(r.tail + (r.counted == 1.0 ? Ok() : NotOk())), std::string::npos) << lines[0];
    }
}

// Of the two conditions, both counted as 1, the group keeps the larger as
// computed, whichever comes first: sigma_perp = 259.2 u_2 (condition 2,
// f_2w,d = 259.2) and tau_perp from sigma_1 = 360 u_1 = (sigma_perp² + 3
// tau_perp²)^1/2 (condition 1, f_1w,d = 360).
TEST(WeldDirectional, OfTwoConditionsCountedAsOneTheLargerAsComputed) {
    const struct {
        double u1, u2;
    } rows[] = {{1.0003, 1.0008}, {1.0008, 1.0003}, {1.0, 1.0006}};
    for (const auto& r : rows) {
        Directional c;
        c.g.sigma_perp = 259.2 * r.u2;
        c.g.tau_perp = std::sqrt((std::pow(360.0 * r.u1, 2) - std::pow(c.g.sigma_perp, 2)) / 3);
        c.g.tau_par = 0.0;
        EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0);
        EXPECT_EQ(c.g.U_max, 1.0) << r.u1;
        EXPECT_NEAR(Weld_Group_Computed_U(&c.g), std::max(r.u1, r.u2), 1e-12) << r.u1;
    }
}

TEST(WeldDirectional, UnusableFactorOrNanNeverPrintsOk) {
    // Outside what an annex can hold, 0.5 .. 3, as the cross-section check
    // and the annex reader refuse it (0.1 made the weld ten times stronger).
    const struct {
        double gamma;
        const char* shown;  // as the refusal names it (null: not a number, its own line)
    } factors[] = {{0.0, "0.00"}, {-1.25, "-1.25"}, {0.1, "0.10"}, {0.499, "0.50"}, {3.01, "3.01"},
                   {1e300, "1.00e+300"}, {(double)NAN, nullptr}};
    for (const auto& f : factors) {
        Directional c;
        c.factors.gamma_M2 = f.gamma;
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 0, ""), 1) << f.gamma;
        const std::string out = l.Take();
        EXPECT_EQ(out.find(Ok()), std::string::npos) << f.gamma;
        EXPECT_NE(out.find(NotOk()), std::string::npos) << f.gamma;
        if (!f.shown) continue;
        // Built in steps: clang 14 cannot take _cp literals in a long
        // concatenation.
        const char* const head = "Teilsicherheitsbeiwert └╬\\M2╬r = "_cp;
        const char* const tail = " ungültig (nicht zwischen 0.5 und 3)  ê  Nachweis nicht möglich "_cp;
        std::string line = head;
        line += f.shown;
        line += tail;
        line += NotOk();
        EXPECT_NE(out.find(line), std::string::npos) << out;
    }
    for (double gamma : {0.5, 3.0}) {  // the bounds themselves are usable: f_1w,d = 360 / (0.8 gamma)
        Directional c;
        c.factors.gamma_M2 = gamma;
        EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0) << gamma;
        EXPECT_NEAR(c.g.f_1w_d, 360.0 / (0.8 * gamma), 1e-9) << gamma;
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
    // F_N = 100000 N / 200 mm = 500 N/mm; 90° fillet: theta 45°.
    EXPECT_NEAR(c.g.F_sigma_perp, 500.0 * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(c.g.F_tau_perp, 500.0 * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(c.g.F_w_Ed, 500.0, 1e-9);
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
    EXPECT_NEAR(c.g.F_w_Ed, 500.0, 1e-9);
}

TEST(WeldForces, OneSidedWeldCarriesTheWholeNormalForce) {
    Forces c(1);
    c.g.M_p_Ed = 100000.0;  // Nmm over t2 = 10 mm: 10000 N
    c.g.M_s_Ed = 500000.0;  // Nmm, 6 / l_eff
    c.g.V_p_Ed = 20000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    const double L = 100.0;  // mm
    // A single weld has no partner to share N with: all of it, not N / 2.
    const double F_N = (100000.0 + 100000.0 / 10.0 + 6.0 * 500000.0 / L) / L;  // 1400 N/mm
    EXPECT_NEAR(c.g.F_sigma_perp, F_N * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(c.g.F_tau_par, 200.0, 1e-9);
    const auto lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "F\xCE\\N,Ed\xCEr = (N\xCE\\Ed\xCEr + M\xCE\\p,Ed\xCEr/t\xCE\\2\xCEr + M\xCE\\s,Ed\xCEr" + DOT +
                            "6/l\xCE\\eff\xCEr) / l\xCE\\eff\xCEr = 14.00 kN/cm");
    EXPECT_EQ(lines[1], "F\xCE\\Vp,Ed\xCEr = V\xCE\\p,Ed\xCEr / l\xCE\\eff\xCEr = 2.00 kN/cm");
}

TEST(WeldForces, EccentricityMomentInOneUnit) {
    // N = 100 kN on t2 = 10 mm: N t2 / 2 = 500000 Nmm; M_p = 100000 Nmm;
    // one-sided: dM = 400000 Nmm, dM / a = 80000 N.
    Forces c(1);
    c.g.method = WELD_METHOD_DIRECTIONAL | WELD_METHOD_MIN_LENGTH;
    c.g.M_p_Ed = 100000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    const double F_N = (100000.0 + 400000.0 / 5.0) / 100.0;  // N/mm
    EXPECT_NEAR(c.g.F_sigma_perp, F_N * std::sqrt(0.5), 1e-9);
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

// The joint is checked as a whole (a = t, one-sided, fully penetrated),
// but the caller's weld keeps its own inputs throughout the check: every
// line the check writes finds them as they were (it set a = t and one-sided
// on the caller's weld for the time of the call), and the results come back.
TEST(ButtWeld, CallersWeldKeepsItsInputsThroughoutTheCheck) {
    // The weld as given; every write counts the lines that met another.
    static const NahtGruppe* weld;
    static int lines, changed;
    cookie_io_functions_t io = {};
    io.write = [](void*, const char*, size_t size) -> ssize_t {
        lines++;
        changed += weld->a != 6.0 || weld->one_sided != WELD_TWO_SIDED || weld->full_penetration != 0;
        return static_cast<ssize_t>(size);
    };
    // Simplified: 150 N/mm² on the 8 mm joint against f_vw,d = 360 / sqrt 3
    // / (0.8·1.25) = 207.85 N/mm². Directional: sigma_perp = tau_par = 100
    // N/mm², sqrt(100² + 3·100²) = 200 against f_u / (beta_w gamma_M2) = 360
    // (and 100 against 0.9·360 / 1.25 = 259.2).
    const struct {
        int method;
        double U;
    } cases[] = {{0, 150.0 / (360.0 / std::sqrt(3.0) / (0.8 * 1.25))}, {WELD_METHOD_DIRECTIONAL, 200.0 / 360.0}};
    for (const auto& m : cases) {
        WeldCase c(6.0, 8.0, 12.0);  // two-sided, a = t / 2: counts as the whole joint
        c.g.kind = WELD_BUTT, c.g.method = m.method, c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0, c.g.sigma_perp = c.g.tau_par = 100.0;
        weld = &c.g, lines = changed = 0;
        FILE* f = fopencookie(nullptr, "w", io);
        ASSERT_NE(f, nullptr);
        std::setvbuf(f, nullptr, _IONBF, 0);
        EXPECT_EQ(Check_Butt_Weld(&c.g, f, 2, ""), 0);
        std::fclose(f);
        EXPECT_GT(lines, 0) << m.method;
        EXPECT_EQ(changed, 0) << m.method;
        weld = nullptr;
        EXPECT_EQ(c.g.a, 6.0);
        EXPECT_EQ(c.g.one_sided, WELD_TWO_SIDED);
        EXPECT_NEAR(c.g.U_max, m.U, 1e-9) << m.method;
    }
}

TEST(ButtWeld, FullPenetrationWithForcesTakesTheWholeNormalForce) {
    // N = 120 kN on a 100 mm long, 12 mm thick full butt weld: 100 N/mm².
    WeldCase c(0.0, 12.0, 12.0);
    c.g.kind = WELD_BUTT;
    c.g.full_penetration = 1;
    c.g.l_eff = 100.0;
    c.g.N_Ed = 120000.0;
    EXPECT_EQ(Check_Butt_Weld(&c.g, nullptr, 0, ""), 0);
    EXPECT_NEAR(c.g.F_w_Ed, 1200.0, 1e-9);  // N/mm
    EXPECT_NEAR(c.g.U_max, 1200.0 / (207.84609690826525 * 12.0), 1e-9);
}

// ---- the sign of the forces across the weld (directional method) ----

// S460 N/NL as own values: f_u 540 N/mm², beta_w 1.0; gamma_M2 1.25, so
// f_1w,d = 540 / 1.25 = 432 and f_2w,d = 0.9 * 540 / 1.25 = 388.8 N/mm².
// 90° fillet weld, a = 5 mm, l_eff = 100 mm per weld, theta = 45°.
struct S460Fillet : WeldCase {
    S460Fillet(int one_sided) : WeldCase(5.0) {
        Steel_Plate(&g.plate1, 10.0, 540.0, 540.0, 1.0);
        Steel_Plate(&g.plate2, 10.0, 540.0, 540.0, 1.0);
        g.method = WELD_METHOD_DIRECTIONAL;
        g.one_sided = one_sided;
        g.l_eff = 100.0;
    }
};

TEST(GoverningWeld, BothWeldsWithTheirOwnSigns) {
    // Forces per length, worked by hand (kN/cm). Two-sided: both welds,
    // 2 x 100 mm, so 100 kN gives 5 kN/cm; M_s = 1 kNm is shared, each weld
    // 0.5 kNm over l² / 6: 3 kN/cm at its ends, +3 at one, -3 at the other.
    // One-sided: 100 kN / 100 mm = 10 kN/cm; M_s = 1 kNm: 6 kN/cm at the ends.
    // The left weld takes +V_s, the right one -V_s. On the 45° throat
    // sigma = (n + v) / sqrt 2, tau = (n - v) / sqrt 2, over a = 5 mm
    // (1 kN/cm = 100 N/mm, so /5 gives 20 N/mm² per kN/cm).
    // U = max((sigma² + 3 tau²)^½ / 432, |sigma| / 388.8).
    struct Row {
        const char* name;
        int one_sided;
        double N, M_p, M_s, V_s;  // kN, kNm, kNm, kN
        double n, v;         // kN/cm, the governing weld's values
        const char* weld;    // governing weld named, or null (no line)
        double U;
    };
    const Row rows[] = {
        // sigma 0, tau 10/sqrt2*20 = 141.42: sqrt3*141.42/432 = 0.567 (the
        // left weld has sigma 141.42, tau 0: 141.42/388.8 = 0.364)
        {"two-sided N+ V+", 0, 100, 0, 0, 100, 5, -5, "rechte", 0.567},
        {"two-sided N+ V-", 0, 100, 0, 0, -100, 5, -5, "linke", 0.567},
        {"two-sided N- V+", 0, -100, 0, 0, 100, -5, 5, "linke", 0.567},
        {"two-sided N- V-", 0, -100, 0, 0, -100, -5, 5, "rechte", 0.567},
        // sigma 20/sqrt2*20 = 282.84: 282.84/388.8 = 0.727
        {"left weld N+ V+", 1, 100, 0, 0, 100, 10, 10, nullptr, 0.727},
        // tau 282.84: sqrt3*282.84/432 = 1.134
        {"right weld N+ V+", 2, 100, 0, 0, 100, 10, -10, "rechte", 1.134},
        {"left weld N- V+", 1, -100, 0, 0, 100, -10, 10, "linke", 1.134},
        // M_p = 0.1 kNm over t2 = 10 mm: 10 kN, 1 kN/cm; ends 11 and 9. The
        // end with 11 governs: sigma 21/sqrt2*20 = 296.98, /388.8 = 0.764;
        // these are the values printed, so no weld is named.
        {"left weld N+ M_p+ V+", 1, 100, 0.1, 0, 100, 11, 10, nullptr, 0.764},
        // end with n = -6: sigma 4/sqrt2*20 = 56.57, tau -16/sqrt2*20 =
        // -226.27: (56.57² + 3*226.27²)^½ = 395.97, /432 = 0.917 (the end
        // with +6 gives only 0.582)
        {"left weld M_s+ V+", 1, 0, 0, 1, 100, -6, 10, "linke", 0.917},
        {"left weld M_s- V+", 1, 0, 0, -1, 100, -6, 10, "linke", 0.917},
        // n = -3, v = 5 or n = 3, v = -5: sigma 28.28, tau 113.14:
        // (28.28² + 3*113.14²)^½ = 197.99, /432 = 0.458
        {"two-sided M_s+ V+", 0, 0, 0, 1, 100, -3, 5, "linke", 0.458},
        {"two-sided M_s- V-", 0, 0, 0, -1, -100, 3, -5, "linke", 0.458},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        S460Fillet c(r.one_sided);
        c.g.N_Ed = r.N * 1000.0;
        c.g.M_p_Ed = r.M_p * 1e6;
        c.g.M_s_Ed = r.M_s * 1e6;
        c.g.V_s_Ed = r.V_s * 1000.0;
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 2, ""), 0);
        const double k = std::sqrt(0.5) * 20.0;  // kN/cm on the 45° throat -> N/mm²
        EXPECT_NEAR(c.g.sigma_perp, (r.n + r.v) * k, 1e-9);
        EXPECT_NEAR(c.g.tau_perp, (r.n - r.v) * k, 1e-9);
        EXPECT_NEAR(c.g.U_max, r.U, 5e-4);
        const std::string out = l.Take();
        const size_t at = out.find("ma\xE1gebend: ");
        if (!r.weld) {
            EXPECT_EQ(at, std::string::npos);
            continue;
        }
        char line[160];
        std::snprintf(line, sizeof line, "ma\xE1gebend: %s Naht  \x88  F\xCE\\N,Ed\xCEr = %.2f kN/cm,  F\xCE\\Vs,Ed\xCEr = %.2f kN/cm\n",
                      r.weld, r.n, r.v);
        EXPECT_NE(out.find(line), std::string::npos) << out;
    }
}

TEST(GoverningWeld, SimplifiedMethodAndLoneForcesKeepTheirLines) {
    // Without V_s, or with V_s alone, every sign gives the same throat
    // stresses: no weld is named.
    for (double N : {100.0, 0.0}) {
        S460Fillet c(0);
        c.g.N_Ed = N * 1000.0;
        c.g.V_s_Ed = (100.0 - N) * 1000.0;
        ListCapture l;
        EXPECT_EQ(Check_Weld_Directional(&c.g, l.f(), 2, ""), 0);
        EXPECT_EQ(l.Take().find("ma\xE1gebend"), std::string::npos);
    }
    // The input chapter says which side is checked: the worse one here, the
    // left one where the caller gives the stresses of one weld.
    S460Fillet c(0);
    ListCapture l;
    Print_Connection_Headings(&c.g, l.f(), 2);
    c.g.force_mode = WELD_STRESS_GIVEN;
    Print_Connection_Headings(&c.g, l.f(), 2);
    const std::string out = l.Take();
    EXPECT_NE(out.find("beidseitige Schwei\xE1naht, Nachweisf\x81hrung f\x81r die ung\x81nstigere Seite\n"),
              std::string::npos);
    EXPECT_NE(out.find("beidseitige Schwei\xE1naht, Nachweisf\x81hrung nur f\x81r die linke Seite\n"), std::string::npos);
    // The simplified method takes the resultant: 5 and 5 kN/cm -> 7.07 kN/cm
    // whatever the signs.
    c.g.force_mode = WELD_FORCES_GIVEN;
    c.g.method = 0;
    c.g.N_Ed = -100000.0;
    c.g.V_s_Ed = 100000.0;
    EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0);
    EXPECT_NEAR(c.g.F_w_Ed, std::sqrt(2.0) * 500.0, 1e-9);  // N/mm
}

// ---- butt welds: N normal to the throat, V_s in it, at every angle ----

TEST(ButtWeld, NormalForceAndShearAtEveryAngle) {
    // S460 (f_u 540, beta_w 1.0): f_1w,d 432, f_2w,d 388.8 N/mm².
    // Full penetration, t = 10 mm, l = 100 mm: 100 kN gives 100 N/mm².
    // Two-sided partial penetration a = 4 mm: 100 kN over 2 x 100 x 4 mm gives
    // 125 N/mm².
    struct Row {
        int full;
        double a, N, V_s;  // mm, kN, kN
        double sigma, tau; // N/mm², worked by hand
        double U;
    };
    const Row rows[] = {
        {1, 0.0, 0, 100, 0, 100, 0.401},     // sqrt3*100/432
        {1, 0.0, 100, 0, 100, 0, 0.257},     // 100/388.8
        {1, 0.0, 100, 100, 100, 100, 0.463}, // 200/432
        {0, 4.0, 0, 100, 0, 125, 0.501},     // sqrt3*125/432
        {0, 4.0, 100, 0, 125, 0, 0.322},     // 125/388.8
    };
    for (double angle : {0.0, 45.0, 90.0}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::to_string(angle) + "° full " + std::to_string(r.full) + " N " + std::to_string(r.N));
            S460Fillet c(0);
            c.g.kind = WELD_BUTT;
            c.g.full_penetration = r.full;
            c.g.a = r.a;
            c.g.angle = angle;
            c.g.N_Ed = r.N * 1000.0;
            c.g.V_s_Ed = r.V_s * 1000.0;
            EXPECT_EQ(Check_Butt_Weld(&c.g, nullptr, 0, ""), 0);
            EXPECT_NEAR(c.g.sigma_perp, r.sigma, 1e-9);
            EXPECT_NEAR(std::fabs(c.g.tau_perp), r.tau, 1e-9);
            EXPECT_NEAR(c.g.U_max, r.U, 5e-4);
        }
    }
}

// ---- the weaker plate with the annex rule, in either order ----

TEST(WeldStrength, WeakerPlateDoesNotDependOnThePlateOrder) {
    // S355 H at 20 mm: f_u 510 N/mm², beta_w 0.9. S420 M/ML at 50 mm: 500
    // N/mm² under the recommended values, beta_w 1.0: the weaker part is
    // the S420 plate, f_vw,d = 500 / sqrt3 / (1.0 * 1.25) = 230.94 N/mm².
    // Under a national variant the S420 plate takes the 520 of t <= 40
    // mm, and the S355 H plate is the weaker: 510 / sqrt3 / (0.9 * 1.25)
    // = 261.73 N/mm². Either way whichever plate comes first.
    for (const auto& [variant, want] : {std::pair(0, 230.94), std::pair(1, 261.73)}) {
        AnnexVariant v(variant);
        WeldCase c(5.0);
        Blech_Record s355h, s420;
        Steel_Plate(&s355h, 20.0, 510.0, 490.0, 0.9);
        Steel_Plate(&s420, 50.0, 520.0, 500.0, 1.0);
        for (int swapped = 0; swapped < 2; ++swapped) {
            c.g.plate1 = swapped ? s420 : s355h;
            c.g.plate2 = swapped ? s355h : s420;
            EXPECT_EQ(Calc_Weld_Shear_Strength(&c.g, nullptr, 0), 0);
            EXPECT_NEAR(c.g.f_vw_d, want, 0.005) << "variant " << variant << ", swapped " << swapped;
        }
    }
    AnnexVariant v(1);
    Blech_Record s355h, s420;
    // Equal tensile strengths: the larger beta_w (the lower weld strength)
    // in either order.
    Steel_Plate(&s355h, 10.0, 360.0, 340.0, 0.8);
    Steel_Plate(&s420, 10.0, 360.0, 340.0, 1.0);
    for (int swapped = 0; swapped < 2; ++swapped) {
        double fu = 0.0, bw = 0.0;
        Weld_Governing_Strength(swapped ? &s420 : &s355h, swapped ? &s355h : &s420, &fu, &bw);
        EXPECT_EQ(fu, 360.0);
        EXPECT_EQ(bw, 1.0);
    }
}

}  // namespace

// Inputs each within its bound are taken however large their sum (lengths
// of 0.9e6 mm, forces of 0.9e15 together far above the bounds of 1e6 and
// 1e15); a value that is not a number or beyond its bound among them is
// named, each in the order of the inputs.
TEST(WeldGroup, InputBoundsHoldValueByValue) {
    const auto large = [](WeldCase* c) {
        c->g.a = c->g.e = c->g.l_w = c->g.d = c->g.l = c->g.l_eff = 0.9e6;
        c->g.N_Ed = c->g.M_p_Ed = c->g.M_s_Ed = c->g.V_p_Ed = c->g.V_s_Ed = c->g.F_w_Ed = -0.9e15;
    };
    const struct {
        void (*edit)(WeldCase*);
        int result;
        const char* lines[2];  // the failure lines (null: none)
    } cases[] = {
        {[](WeldCase*) {}, 0, {}},
        {[](WeldCase* c) { c->g.l_eff = std::nan(""); }, 1, {"╬HFehler╬r: l╬\\eff╬r = keine gültige Zahl "_cp}},
        {[](WeldCase* c) { c->g.a = 1.1e6; c->g.tau_par = -1.1e15; }, 1,
         {"╬HFehler╬r: a = zu groß "_cp, "╬HFehler╬r: Í╬\\p╬r = zu groß "_cp}},
        {[](WeldCase* c) { c->g.e = HUGE_VAL; c->g.N_Ed = 1.1e15; }, 1, {"╬HFehler╬r: e = keine gültige Zahl "_cp}},
    };
    for (const auto& k : cases) {
        WeldCase c(5.0);
        large(&c);
        k.edit(&c);
        ListCapture l;
        EXPECT_EQ(Weld_Group_Input_Invalid(&c.g, l.f()), k.result);
        std::vector<std::string> want;
        for (const char* line : k.lines)
            if (line) want.push_back(std::string(line) + NotOk());
        EXPECT_EQ(Text_Lines(l.Take()), want);
    }
}

// Inputs whose arithmetic used to run into 0/0 or overflow. A thickness of
// 0 (not given) under N alone needs no lever arm: a two-sided fillet weld of
// l_eff 100 mm, a = 5 mm under N = 100 kN takes F = 100 / (2 x 10 cm) =
// 5 kN/cm, sigma_perp = tau_perp = 5e5 N/m / 5 mm / sqrt 2 = 70.71 N/mm²,
// sigma_1 = 141.42 and U = 141.42 / 360 = 0.393; simplified F_w,Rd =
// 360 / (sqrt 3 0.8 1.25) 5 mm = 10.39 kN/cm, U = 5 / 10.39 = 0.481. A
// fully penetrated butt weld without a joint thickness and forces beyond any
// weld are refused before any line: the first line of the report names them.
TEST(WeldGroup, ZeroThicknessAndHugeForcesNeverPrintNonNumbers) {
    struct Case {
        const char* name;
        void (*edit)(WeldCase*);
        int result;
        double U;
        const char* first_line;  // refused: the first text line
    };
    const Case cases[] = {
        {"plates of 0 under N, directional", [](WeldCase* c) { c->g.plate1.t = c->g.plate2.t = 0; }, 0, 100 * std::sqrt(2.0) / 360, ""},
        {"plates of 0 under N, simplified",
         [](WeldCase* c) { c->g.plate1.t = c->g.plate2.t = 0; c->g.method = WELD_METHOD_CALLER_RULES; }, 0,
         5.0 / (360 / (std::sqrt(3.0) * 0.8 * 1.25) * 5 * 1e-2), ""},
        {"full-penetration butt weld with an abutting plate of 0",
         [](WeldCase* c) { c->g.kind = WELD_BUTT; c->g.full_penetration = 1; c->g.plate2.t = 0; }, 1, -1,
         "╬HFehler╬r: durchgeschweißte Stumpfnaht mit Blechdicke t = 0  ê  Nachweis nicht möglich "_cp},
        {"full-penetration butt weld in line with a plate of 0, simplified",
         [](WeldCase* c) { c->g.kind = WELD_BUTT; c->g.full_penetration = 1; c->g.angle = 0; c->g.plate1.t = 0;
                           c->g.method = WELD_METHOD_CALLER_RULES; }, 1, -1,
         "╬HFehler╬r: durchgeschweißte Stumpfnaht mit Blechdicke t = 0  ê  Nachweis nicht möglich "_cp},
        {"N of 1e300", [](WeldCase* c) { c->g.N_Ed = 1e300; }, 1, -1, "╬HFehler╬r: N╬\\Ed╬r = zu groß "_cp},
        {"M_s of -1e300, simplified", [](WeldCase* c) { c->g.M_s_Ed = -1e300; c->g.method = WELD_METHOD_CALLER_RULES; },
         1, -1, "╬HFehler╬r: M╬\\s,Ed╬r = zu groß "_cp},
        {"a stress of 1e300 given", [](WeldCase* c) { c->g.force_mode = WELD_STRESS_GIVEN; c->g.sigma_perp = 1e300; },
         1, -1, "╬HFehler╬r: ╠╬\\s╬r = zu groß "_cp},
    };
    for (const Case& k : cases) {
        for (int print_level = 0; print_level <= 2; ++print_level) {
            SCOPED_TRACE(std::string(k.name) + " level " + std::to_string(print_level));
            WeldCase c(5.0);
            c.g.summary = 1;
            c.g.l_w = 110.0;
            c.g.l_eff = 100.0;
            c.g.N_Ed = 100000.0;
            c.g.method = WELD_METHOD_DIRECTIONAL | WELD_METHOD_CALLER_RULES;
            k.edit(&c);
            ListCapture l;
            EXPECT_EQ(Check_Weld_Group(&c.g, l.f(), print_level, 0, ""), k.result);
            EXPECT_NEAR(c.g.U_max, k.U, 0.0005);
            const std::string out = l.Take();
            EXPECT_FALSE(Has_Non_Finite_Text(out)) << out;
            const std::vector<std::string> lines = Text_Lines(out);
            if (*k.first_line) {
                ASSERT_FALSE(lines.empty());
                EXPECT_EQ(lines[0], std::string(k.first_line) + NotOk());
            }
        }
    }
}
