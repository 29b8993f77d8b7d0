// Concrete grades: every class against the published DIN 1045-1 Table 9
// (strains, secant modulus, tensile strength), the lightweight factors of 11.3, the time function, the DIN 1045 (7.88)
// conversion, the text form with its refusals, and the factor cache of the
// active annex.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "annex_fixture.h"
#include "base/cp850.h"
#include "codes/betonguete.h"
#include "codes/versioned_text.h"
#include "dialogs/messages.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace {

const testutil::Global_Reset reset_versioned_text(Reset_Versioned_Text);
const testutil::Global_Reset reset_factor_cache(Reset_EC2_Factor_Cache);

// DIN 1045-1 Table 9 as printed: f_ck and f_ctm in MN/m², the secant
// modulus E_cm = α_i E_c0m in MN/m², strains in ‰ (C12/15 to C100/115).
struct Published {
    const char* name;
    double f_ck, f_ctm, E_cm;
    double eps_c1, eps_c1u, n, eps_c2, eps_c2u;
};
const Published kTable9[BETONGUETE_COUNT] = {
    {"C12/15", 12, 1.6, 21800, 1.8, 3.5, 2.0, 2.0, 3.5},     {"C16/20", 16, 1.9, 23400, 1.9, 3.5, 2.0, 2.0, 3.5},
    {"C20/25", 20, 2.2, 24900, 2.1, 3.5, 2.0, 2.0, 3.5},     {"C25/30", 25, 2.6, 26700, 2.2, 3.5, 2.0, 2.0, 3.5},
    {"C30/37", 30, 2.9, 28300, 2.3, 3.5, 2.0, 2.0, 3.5},     {"C35/45", 35, 3.2, 29900, 2.4, 3.5, 2.0, 2.0, 3.5},
    {"C40/50", 40, 3.5, 31400, 2.5, 3.5, 2.0, 2.0, 3.5},     {"C45/55", 45, 3.8, 32800, 2.55, 3.5, 2.0, 2.0, 3.5},
    {"C50/60", 50, 4.1, 34300, 2.6, 3.5, 2.0, 2.0, 3.5},     {"C55/67", 55, 4.2, 35700, 2.65, 3.4, 1.9, 2.03, 3.1},
    {"C60/75", 60, 4.4, 37000, 2.7, 3.3, 1.8, 2.06, 2.7},    {"C70/85", 70, 4.6, 39700, 2.8, 3.2, 1.7, 2.1, 2.5},
    {"C80/95", 80, 4.8, 42300, 2.9, 3.1, 1.6, 2.14, 2.4},    {"C90/105", 90, 5.0, 43800, 2.95, 3.0, 1.55, 2.17, 2.3},
    {"C100/115", 100, 5.2, 45200, 3.0, 3.0, 1.5, 2.2, 2.2},
};

// EN 1992-1-1:2004 Table 3.1 as printed: f_ck, f_cm, f_ctm, f_ctk,0.05 and
// f_ctk,0.95 in MN/m², E_cm in GN/m², strains in ‰.
struct Published31 {
    const char* name;
    double f_ck, f_cm, f_ctm, f_ctk005, f_ctk095, E_cm;
    double eps_c1, eps_cu1, eps_c2, eps_cu2, n, eps_c3, eps_cu3;
};
const Published31 kTable31[] = {
    {"C12/15", 12, 20, 1.6, 1.1, 2.0, 27, 1.8, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C16/20", 16, 24, 1.9, 1.3, 2.5, 29, 1.9, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C20/25", 20, 28, 2.2, 1.5, 2.9, 30, 2.0, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C25/30", 25, 33, 2.6, 1.8, 3.3, 31, 2.1, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C30/37", 30, 38, 2.9, 2.0, 3.8, 33, 2.2, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C35/45", 35, 43, 3.2, 2.2, 4.2, 34, 2.25, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C40/50", 40, 48, 3.5, 2.5, 4.6, 35, 2.3, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C45/55", 45, 53, 3.8, 2.7, 4.9, 36, 2.4, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C50/60", 50, 58, 4.1, 2.9, 5.3, 37, 2.45, 3.5, 2.0, 3.5, 2.0, 1.75, 3.5},
    {"C55/67", 55, 63, 4.2, 3.0, 5.5, 38, 2.5, 3.2, 2.2, 3.1, 1.75, 1.8, 3.1},
    {"C60/75", 60, 68, 4.4, 3.1, 5.7, 39, 2.6, 3.0, 2.3, 2.9, 1.6, 1.9, 2.9},
    {"C70/85", 70, 78, 4.6, 3.2, 6.0, 41, 2.7, 2.8, 2.4, 2.7, 1.45, 2.0, 2.7},
    {"C80/95", 80, 88, 4.8, 3.4, 6.3, 42, 2.8, 2.8, 2.5, 2.6, 1.4, 2.2, 2.6},
    {"C90/105", 90, 98, 5.0, 3.5, 6.6, 44, 2.8, 2.8, 2.6, 2.6, 1.4, 2.3, 2.6},
};
// The table prints its rows to 0.1 (a few strains to 0.05): a derived value
// agrees when it lies within half of 0.1 of the print, E_cm within half a
// GN/m².
void Expect_Printed(double derived, double printed, double half, const std::string& what) {
    EXPECT_LE(std::fabs(derived - printed), half + 1e-9) << what << ": derived " << derived << ", printed " << printed;
}

TEST(ConcreteGrades, EveryClassHasTheValuesOfTable31) {
    for (const Published31& p : kTable31) {
        Betonkennwerte_Record k;
        ASSERT_EQ(Get_Betonkennwerte(p.f_ck * 1000.0, 0, 2200.0, &k), 1);
        const std::string c = p.name;
        EXPECT_DOUBLE_EQ(k.f_cm, p.f_cm * 1000.0) << c;
        Expect_Printed(k.f_ctm / 1000.0, p.f_ctm, 0.05, c + " f_ctm");
        // C60/75: the table prints 3.1 where its own relation 0.7 f_ctm gives
        // 0.7 × 4.355 = 3.05; the library keeps the relation's lower value.
        if (c == "C60/75")
            EXPECT_NEAR(k.f_ctk005 / 1000.0, 3.048, 0.001);
        else
            Expect_Printed(k.f_ctk005 / 1000.0, p.f_ctk005, 0.05, c + " f_ctk,0.05");
        Expect_Printed(k.f_ctk095 / 1000.0, p.f_ctk095, 0.05, c + " f_ctk,0.95");
        Expect_Printed(k.E_cm / 1e6, p.E_cm, 0.5, c + " E_cm");
        Expect_Printed(-k.eps_c1 * 1000.0, p.eps_c1, 0.05, c + " eps_c1");
        Expect_Printed(-k.eps_cu1 * 1000.0, p.eps_cu1, 0.05, c + " eps_cu1");
        Expect_Printed(-k.eps_c2 * 1000.0, p.eps_c2, 0.05, c + " eps_c2");
        Expect_Printed(-k.eps_cu2 * 1000.0, p.eps_cu2, 0.05, c + " eps_cu2");
        Expect_Printed(k.n_exp, p.n, 0.05, c + " n");
        Expect_Printed(-k.eps_c3 * 1000.0, p.eps_c3, 0.05, c + " eps_c3");
        Expect_Printed(-k.eps_cu3 * 1000.0, p.eps_cu3, 0.05, c + " eps_cu3");
        EXPECT_EQ(k.eta1, 1.0);
        EXPECT_EQ(k.eta_E, 1.0);
    }
    // C100/115, beyond the table: the strength relations go on (f_ctm = 2.12
    // ln(1 + 108 / 10) = 5.2324, E_cm = 22 × 10.8^0.3 = 44.921); the strain
    // relations would turn back (ε_cu2 = 2.6 + 35 × 0.1^4 would fall below
    // ε_c2 = 2.0 + 0.085 × 50^0.53 = 2.68), so the strains stay at C90/105.
    Betonkennwerte_Record k;
    ASSERT_EQ(Get_Betonkennwerte(100000.0, 0, 2200.0, &k), 1);
    EXPECT_NEAR(k.f_ctm, 5232.4, 0.1);
    EXPECT_NEAR(k.E_cm, 44.921e6, 0.001e6);
    EXPECT_DOUBLE_EQ(k.eps_c1, -0.0028);
    EXPECT_DOUBLE_EQ(k.eps_cu1, -0.0028);
    EXPECT_NEAR(k.eps_c2, -0.0026, 1e-6);
    EXPECT_NEAR(k.eps_cu2, -0.0026, 1e-9);
    EXPECT_NEAR(k.n_exp, 1.4, 1e-9);
    EXPECT_NEAR(k.eps_c3, -0.0023, 1e-12);
    // Nothing to derive from a strength that is none.
    EXPECT_EQ(Get_Betonkennwerte(0.0, 0, 2200.0, &k), 0);
    EXPECT_EQ(k.f_cm, 0.0);
    EXPECT_EQ(Get_Betonkennwerte(NAN, 0, 2200.0, &k), 0);
    EXPECT_EQ(Get_Betonkennwerte(25000.0, 1, 0.0, &k), 0);
}

TEST(ConcreteGrades, EveryRecordHoldsThePrintedStrainsAndItsModulus) {
    const double light_density = 1800.0;
    for (int i = 0; i < BETONGUETE_COUNT; ++i) {
        const Published& p = kTable9[i];
        Betonguete_Record r;
        std::memset(&r, 0x5A, sizeof r);
        Get_Betonguete_Record(&r, i, 0, 1234.0);
        const std::string c = p.name;
        EXPECT_STREQ(r.name, p.name);
        EXPECT_EQ(r.f_ck, p.f_ck * 1000.0) << c;
        EXPECT_EQ(r.alpha, 0.85);
        EXPECT_DOUBLE_EQ(r.eps_c1, -p.eps_c1 / 1000.0) << c;
        EXPECT_DOUBLE_EQ(r.eps_c1u, -p.eps_c1u / 1000.0) << c;
        EXPECT_DOUBLE_EQ(r.eps_c2, -p.eps_c2 / 1000.0) << c;
        EXPECT_DOUBLE_EQ(r.eps_c2u, -p.eps_c2u / 1000.0) << c;
        // The records' last class repeats n = 1.55 of C90/105 where the
        // table prints 1.5.
        EXPECT_DOUBLE_EQ(r.n_exp, i == 14 ? 1.55 : p.n) << c;
        EXPECT_EQ(r.lightweight, 0);
        EXPECT_EQ(r.density, 2200.0);
        EXPECT_EQ(r.auto_E, 1);
        EXPECT_NEAR(r.E_cm, p.E_cm * 1000.0, 50e3) << c;
        EXPECT_NEAR(Get_f_lctm(r.f_ck, 2200.0), p.f_ctm * 1000.0, 1e-6) << c;

        // The lightweight twin: η1 = 0.4 + 0.6 × 1800 / 2200, η_E = (1800 /
        // 2200)² (EN 1992-1-1 11.3).
        const double eta1 = 0.4 + 0.6 * 9.0 / 11.0;
        const double eta_E = (9.0 / 11.0) * (9.0 / 11.0);
        Betonguete_Record l;
        Get_Betonguete_Record(&l, i, 1, light_density);
        EXPECT_EQ(l.lightweight, 1);
        EXPECT_EQ(l.density, light_density);
        EXPECT_EQ(l.alpha, 0.80);
        EXPECT_DOUBLE_EQ(l.eps_c2, r.eps_c2);
        EXPECT_NEAR(l.eps_c2u, std::min(r.eps_c2u * eta1, r.eps_c2), 1e-12) << c;
        EXPECT_NEAR(l.E_cm, r.E_cm * eta_E, 1e-6) << c;
    }
    const char* const light[] = {"LC12/13", "LC16/18", "LC20/22", "LC25/28", "LC30/33", "LC35/38",
                                 "LC40/44", "LC45/50", "LC50/55", "LC55/60", "LC60/66", "", "", "", ""};
    for (int i = 0; i < BETONGUETE_COUNT; ++i) {
        Betonguete_Record l;
        Get_Betonguete_Record(&l, i, 1, 1600.0);
        EXPECT_STREQ(l.name, light[i]);
    }
}

TEST(ConcreteGrades, LightweightConcreteTakesTheFactorsOf113) {
    // LC25/28 at 1800 kg/m³ by hand: f_lctm = 0.3 × 25^(2/3) × 0.890909 =
    // 2.2851; E_lcm = 22 × 3.3^0.3 × 0.669421 = 21.0706 GN/m²; ε_lc1 =
    // 1.1 × 33 / (1.05 × 31476 × 0.669421) = 1.6407 ‰; ε_lcu2 = 3.5 ×
    // 0.890909 = 3.1182 ‰.
    Betonkennwerte_Record k;
    ASSERT_EQ(Get_Betonkennwerte(25000.0, 1, 1800.0, &k), 1);
    EXPECT_NEAR(k.eta1, 0.890909, 1e-6);
    EXPECT_NEAR(k.eta_E, 0.669421, 1e-6);
    EXPECT_NEAR(k.f_ctm, 2285.1, 0.1);
    EXPECT_NEAR(k.f_ctk005, 0.7 * 2285.15, 0.1);
    EXPECT_NEAR(k.E_cm, 21.0706e6, 100.0);
    EXPECT_NEAR(k.eps_c1, -0.0016407, 1e-7);
    EXPECT_EQ(k.eps_cu1, k.eps_c1);
    EXPECT_NEAR(k.eps_cu2, -0.0031182, 1e-7);
    EXPECT_NEAR(k.eps_cu3, -0.0031182, 1e-7);

    // LC25/28 at 1800 kg/m³ by hand: η1 = 0.4 + 0.6 × 1800 / 2200 =
    // 0.890909, η_E = (1800 / 2200)² = 0.669421; f_lctm = 2.6 × η1 (the
    // class's f_ctm as printed); ε_lc1 = 1.1 × 33 / (1.05 × 22 × 3.3^0.3 ×
    // η_E) = 1.1 × 33 / (1.05 × 31476 × 0.669421) = 1.6407 ‰; ε_lcu2 = 3.5 ×
    // η1 = 3.1182 ‰.
    EXPECT_NEAR(Get_f_lctm(25000.0, 1800.0), 2600.0 * 0.890909, 0.01);
    Betonguete_Record r;
    Get_Betonguete_Record(&r, 3, 1, 1800.0);
    EXPECT_STREQ(r.name, "LC25/28");
    EXPECT_NEAR(r.eps_c1, -0.0016407, 1e-7);
    EXPECT_EQ(r.eps_c1u, r.eps_c1);
    EXPECT_NEAR(r.eps_c2u, -0.0031182, 1e-7);
    // E_lcm = 26.6626e6 × 0.669421 with the records' secant modulus.
    EXPECT_NEAR(r.E_cm, 17.8485e6, 100.0);
    // LC60/66 at 1000 kg/m³: 2.7 × 0.672727 = 1.82 ‰ would fall below
    // ε_lc2 = 2.06 ‰, which holds then.
    Get_Betonguete_Record(&r, 10, 1, 1000.0);
    EXPECT_DOUBLE_EQ(r.eps_c2u, -0.00206);

    // η1 never exceeds 1: no lightweight concrete is stronger in tension.
    EXPECT_NEAR(Eta1_Lightweight(1100.0), 0.7, 1e-12);
    EXPECT_EQ(Eta1_Lightweight(2200.0), 1.0);
    EXPECT_EQ(Eta1_Lightweight(2600.0), 1.0);
}

TEST(ConcreteGrades, TensileStrengthsAsTheTablePrintsThem) {
    struct {
        double f_ck, density, f_ctm;
    } const cases[] = {
        {25000, 2200, 2600},  // 0.3 × 25^(2/3) = 2.565 -> 2.6
        {50000, 2200, 4100},  // 4.072 -> 4.1
        // Below C55/67 the power relation holds: 0.3 × 52^(2/3) = 4.178 ->
        // 4.2 (the logarithmic one would give 2.12 ln 7 = 4.125 -> 4.1).
        {52000, 2200, 4200},
        {55000, 2200, 4200},   // 2.12 ln 7.3 = 4.214
        {90000, 2200, 5000},   // 2.12 ln 10.8 = 5.045
        {30000, 1600, 2900 * 0.8363636363636364},  // η1 = 0.4 + 0.6 × 1600 / 2200
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Get_f_lctm(c.f_ck, c.density), c.f_ctm, 1e-6) << c.f_ck;
        EXPECT_NEAR(Get_f_lctk005(c.f_ck, c.density), 0.7 * c.f_ctm, 1e-6) << c.f_ck;
    }
}

TEST(ConcreteGrades, ModuliStrainsAndFactors) {
    // Tangent and secant modulus of C25/30: 9.5e6 × 33^(1/3) = 30.4716e6,
    // times α_i = 0.8 + 33 / 440 = 0.875.
    EXPECT_NEAR(Get_E_c0m(25000.0), 30.4716e6, 100.0);
    EXPECT_NEAR(Get_E_cm(25000.0), 26.66263e6, 10.0);
    EXPECT_NEAR(Get_E_cm(90000.0), 9.5e6 * std::cbrt(98.0), 1e-3);  // α_i held at 1

    // Halfway between C50/60 (2.6, 3.5 ‰) and C55/67 (2.65, 3.4 ‰).
    double e1 = 0.0, e1u = 0.0;
    Interpolate_Eps_c1(&e1, &e1u, 52500.0);
    EXPECT_NEAR(e1, -0.002625, 1e-12);
    EXPECT_NEAR(e1u, -0.00345, 1e-12);
    Interpolate_Eps_c1(&e1, &e1u, 5000.0);
    EXPECT_DOUBLE_EQ(e1, -0.0018);
    EXPECT_DOUBLE_EQ(e1u, -0.0035);
    Interpolate_Eps_c1(&e1, &e1u, 150000.0);
    EXPECT_DOUBLE_EQ(e1, -0.003);
    EXPECT_DOUBLE_EQ(e1u, -0.003);

    // β_cc(t) = exp(s (1 - √(28 / t))), EN 1992-1-1 3.1.2(6).
    for (int cls : {0, 1, 2, 3, 9}) EXPECT_DOUBLE_EQ(Beta_cc(28.0, cls), 1.0);
    EXPECT_NEAR(Beta_cc(7.0, 2), std::exp(-0.25), 1e-15);
    EXPECT_NEAR(Beta_cc(7.0, 3), std::exp(-0.20), 1e-15);
    EXPECT_NEAR(Beta_cc(7.0, 5), std::exp(-0.21), 1e-15);
    // Half a day old concrete of slow cement has 8.5 % of its strength, not
    // all of it: exp(0.38 × (1 - √56)) = 0.085123.
    EXPECT_NEAR(Beta_cc(0.5, 1), 0.085123, 1e-6);
    EXPECT_NEAR(Beta_cc(1.0, 2), std::exp(0.25 * (1.0 - std::sqrt(28.0))), 1e-15);
    EXPECT_EQ(Beta_cc(0.0, 1), 1.0);  // no age given

    // γc with the high-strength factor 1 / (1.1 - f_ck / 500).
    EXPECT_DOUBLE_EQ(Gamma_c_High_Strength(50000.0, 0), 1.5);
    EXPECT_NEAR(Gamma_c_High_Strength(60000.0, 0), 1.5 / 0.98, 1e-12);
    EXPECT_NEAR(Gamma_c_High_Strength(100000.0, 1), 1.3 / 0.9, 1e-12);
    EXPECT_DOUBLE_EQ(Gamma_c_High_Strength(30000.0, 4), 1.0);

    EXPECT_EQ(Guarded_Neg_Ratio(2.0, 3.0, 4.0), -1.5);
    EXPECT_EQ(Guarded_Neg_Ratio(2.0, 3.0, 0.000009), 0.0);
    EXPECT_EQ(Guarded_Neg_Ratio(2.0, 3.0, -0.000009), 0.0);
}

TEST(ConcreteGrades, RecordsBeyondTheTableAndOldDinGrades) {
    Betonguete_Record r;
    Get_Betonguete_Record(&r, 4, 0, 0.0);
    Betonguete_Record before = r;
    for (int index : {15, 99, -1}) {
        Get_Betonguete_Record(&r, index, 1, 1500.0);
        EXPECT_EQ(r.lightweight, 1);
        EXPECT_EQ(r.density, 1500.0);
        r.lightweight = before.lightweight;
        r.density = before.density;
        EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0) << index;
    }

    Betonguete_DIN_Record d;
    Get_Betonguete_DIN(&d, 3);
    EXPECT_STREQ(d.name, "B45");
    EXPECT_EQ(d.beta_WN, 45000.0);
    EXPECT_EQ(d.beta_R, 27000.0);
    EXPECT_EQ(d.tau011, 500.0);
    EXPECT_EQ(d.tau012, 700.0);
    EXPECT_EQ(d.tau02, 2700.0);
    EXPECT_EQ(d.tau1_good, 2600.0);
    EXPECT_EQ(d.tau1_moderate, 1300.0);
    EXPECT_EQ(d.E_b, 37e6);
    Get_Betonguete_DIN(&d, 9);
    EXPECT_STREQ(d.name, "B55");
    Get_Betonguete_DIN(&d, -4);
    EXPECT_STREQ(d.name, "B15");

    testing::internal::CaptureStdout();
    EXPECT_EQ(Free_Betonguete_DIN(&d), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Freie Betondef. f\x81r DIN 1045 (7.88) nicht m\x94glich!\nIntialiesierung mit B25.");
    EXPECT_STREQ(d.name, "B25");
    EXPECT_EQ(d.E_b, 30e6);
    EXPECT_EQ(Betonguete_Stub_One(), 1);

    // B25: f_ck = 0.78125 × 25 = 19.53125 MN/m², strains interpolated
    // between C16/20 (1.9 ‰) and C20/25 (2.1 ‰) at (19531.25 - 16000) /
    // 4000 = 0.8828.
    Betonguete_From_DIN(&r, 1);
    EXPECT_STREQ(r.name, "B25 (nicht mehr genormt!)");
    EXPECT_EQ(r.f_ck, 19531.25);
    EXPECT_EQ(r.alpha, 0.85);
    EXPECT_NEAR(r.eps_c1, -(1.9 + 0.2 * 0.8828125) / 1000.0, 1e-15);
    EXPECT_NEAR(r.eps_c1u, -0.0035, 1e-15);
    EXPECT_EQ(r.eps_c2, -0.002);
    EXPECT_EQ(r.eps_c2u, -0.0035);
    EXPECT_EQ(r.n_exp, 2.0);
    EXPECT_EQ(r.lightweight, 0);
    EXPECT_EQ(r.density, 2200.0);
    EXPECT_EQ(r.auto_E, 1);
    EXPECT_EQ(r.E_cm, 30e6);

    Betonguete_Record copy;
    std::memset(&copy, 0, sizeof copy);
    std::memset(r.name, 'x', sizeof r.name);  // a field without terminator
    Copy_Betonguete_Record(&copy, &r);
    EXPECT_EQ(std::string(copy.name), std::string(BETONGUETE_NAME_SIZE - 1, 'x'));
    EXPECT_EQ(copy.E_cm, r.E_cm);
    EXPECT_EQ(copy.eps_c1, r.eps_c1);
}

// ---- Text form ----

std::string Written(void (*write)(void)) {
    FILE* f = std::tmpfile();
    EXPECT_EQ(Begin_Versioned_Write(f, 1.0), 0);
    write();
    return testutil::Stream_All(f);
}

// The record read from text (after the data version line); rc its result.
FILE* Reading(const std::string& text) {
    FILE* f = testutil::Stream_With(" 1.0  # Datenversionsnummer\n" + text);
    EXPECT_EQ(Begin_Versioned_Read(f, 1.0), 0);
    return f;
}

TEST(ConcreteText, WrittenBytesAndRoundTripOfEveryGrade) {
    const std::string text = Written([] {
        Betonguete_Record r;
        Get_Betonguete_Record(&r, 3, 0, 0.0);
        ASSERT_EQ(Write_Betonguete_Record(&r), 0);
        Betonguete_From_DIN(&r, 0);
        ASSERT_EQ(Write_Betonguete_Record(&r), 0);
    });
    EXPECT_EQ(text,
              " 1.000000  # Datenversionsnummer\n"
              " 1.200000 # Strukturversionsnummer\n"
              " C25/30  2.500000e+04  8.500000e-01  -2.000000e-03  -3.500000e-03  2.000000e+00  0  2.200000e+03 "
              " 0.000000e+00  1  2.666263e+07 \n"
              " 1.200000 # Strukturversionsnummer\n"
              " B15\x8C(nicht\x8Cmehr\x8Cgenormt!)  1.171875e+04  8.500000e-01  -2.000000e-03  -3.500000e-03 "
              " 2.000000e+00  0  2.200000e+03  0.000000e+00  1  2.600000e+07 \n");

    for (int lightweight : {0, 1})
        for (int i = 0; i < BETONGUETE_COUNT; ++i) {
            Betonguete_Record out;
            Get_Betonguete_Record(&out, i, lightweight, 1450.0);
            if (i == 5) out.auto_E = 0, out.E_cm = 31234.5e3;
            FILE* w = std::tmpfile();
            ASSERT_EQ(Begin_Versioned_Write(w, 1.0), 0);
            ASSERT_EQ(Write_Betonguete_Record(&out), 0);
            std::rewind(w);
            ASSERT_EQ(Begin_Versioned_Read(w, 1.0), 0);
            Betonguete_Record in;
            std::memset(&in, 0, sizeof in);
            ASSERT_EQ(Read_Betonguete_Record(&in), 0) << i;
            EXPECT_STREQ(in.name, out.name);
            for (double Betonguete_Record::*field :
                 {&Betonguete_Record::f_ck, &Betonguete_Record::alpha, &Betonguete_Record::eps_c1,
                  &Betonguete_Record::eps_c1u, &Betonguete_Record::eps_c2, &Betonguete_Record::eps_c2u,
                  &Betonguete_Record::n_exp, &Betonguete_Record::density, &Betonguete_Record::E_cm})
                EXPECT_NEAR(in.*field, out.*field, 1e-6 * std::fabs(out.*field)) << i;
            EXPECT_EQ(in.lightweight, out.lightweight);
            EXPECT_EQ(in.auto_E, out.auto_E);
            std::fclose(w);
        }
}

TEST(ConcreteText, OlderFormsTakeTheirDefaults) {
    Betonguete_Record r;
    std::memset(&r, 0, sizeof r);
    // Written before structure versions: auto_E 1 and E_cm from f_ck (C30/37:
    // 0.886364 × 9.5e6 × 38^(1/3) = 28.3094e6).
    FILE* f = Reading(" C30/37 30000 0.85 -0.002 -0.0035 2 0 1800 0\n");
    ASSERT_EQ(Read_Betonguete_Record(&r), 0);
    EXPECT_STREQ(r.name, "C30/37");
    EXPECT_EQ(r.density, 2200.0);  // normal-weight concrete
    EXPECT_EQ(r.auto_E, 1);
    EXPECT_NEAR(r.E_cm, 28.30936e6, 10.0);
    EXPECT_DOUBLE_EQ(r.eps_c1, -0.0023);  // derived (C30/37), not in the text form
    EXPECT_EQ(Current_Data_Version(), 1.0);
    std::fclose(f);

    // Version 1.1 holds E_cm but not yet auto_E; a lightweight record there.
    f = Reading(" 1.1 # Strukturversionsnummer\n LC20/22 20000 0.8 -0.002 -0.0031 2 1 1650 0 9.5e6\n");
    ASSERT_EQ(Read_Betonguete_Record(&r), 0);
    EXPECT_STREQ(r.name, "LC20/22");
    EXPECT_EQ(r.lightweight, 1);
    EXPECT_EQ(r.density, 1650.0);
    EXPECT_EQ(r.auto_E, 1);
    EXPECT_EQ(r.E_cm, 9.5e6);
    EXPECT_EQ(Current_Data_Version(), 1.0);
    std::fclose(f);

    // Lightweight and unversioned: E_cm = E_cm(f_ck) × (1650 / 2200)².
    f = Reading(" # Kommentar\n LC20/22 20000 0.8 -0.002 -0.0031 2 1 1650 0\n");
    ASSERT_EQ(Read_Betonguete_Record(&r), 0);
    EXPECT_NEAR(r.E_cm, 24.9137e6 * 0.5625, 100.0);
    std::fclose(f);
}

TEST(ConcreteText, DamagedTextIsRefusedWithItsLineAndNothingRead) {
    struct {
        const char* text;
        const char* message;
    } const cases[] = {
        {" 1.2\n C25/30 abc 0.85 -0.002 -0.0035 2 0 2200 0 1 2.6e7\n", "Zeile 3 nicht lesbar (f_ck)"},
        {" 1.2\n C25/30 25000\n nan -0.002 -0.0035 2 0 2200 0 1 2.6e7\n", "Zeile 4 nicht lesbar (alpha)"},
        {" 1.2\n C25/30 25000 0.85 -0.002 -0.0035 2 2 2200 0 1 2.6e7\n", "Zeile 3 nicht lesbar (Leichtbeton)"},
        {" 1.2\n C25/30 25000 0.85 -0.002 -0.0035 2 1 -5 0 1 2.6e7\n", "Zeile 3 nicht lesbar (Rohdichte)"},
        {" 1.2\n C25/30 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 inf\n", "Zeile 3 nicht lesbar (E_cm)"},
        {" 1.2\n C25/30 25000 0.85 -0.002 -0.0035 2 0 2200 0\n", "Zeile 3 nicht lesbar (E-Modul automatisch)"},
        {" 1.2\n C25/30 -9000 0.85 -0.002 -0.0035 2 1 1500 0 1 2.6e7\n", "Zeile 3 nicht lesbar (f_ck)"},
        {" 1.2\n C25/30 1.7e308 0.85 -0.002 -0.0035 2 1 1500 0 1 2.6e7\n", "Zeile 3 nicht lesbar (f_ck)"},
        {" 1.2\n C25\x01X 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 2.6e7\n", "Zeile 3 nicht lesbar (Name)"},
        {" 1.2\n C25/30 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 2.6e7 1e999\n", nullptr},  // the record ends before
        {" 1.3 # Strukturversionsnummer\n C25/30 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 2.6e7\n",
         "Zeile 2 nicht lesbar (Strukturversion)"},
    };
    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    for (const auto& c : cases) {
        if (!c.text) continue;
        Close_Message_Category(0);
        ASSERT_EQ(Open_Message_Category(), 0);
        Betonguete_Record r;
        Get_Betonguete_Record(&r, 6, 0, 0.0);
        const Betonguete_Record before = r;
        FILE* f = Reading(c.text);
        const long start = Tell_Read_Position();
        const int rc = Read_Betonguete_Record(&r);
        if (!c.message) {
            EXPECT_EQ(rc, 0) << c.text;
            continue;
        }
        EXPECT_EQ(rc, 1) << c.text;
        EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0) << c.text;
        EXPECT_EQ(Tell_Read_Position(), start) << c.text;
        EXPECT_EQ(Current_Data_Version(), 1.0) << c.text;
        const int n = Message_Category_Count(0);
        ASSERT_GE(n, 1) << c.text;
        const std::string last = Message_Category_Line(0, n - 1);
        EXPECT_EQ(last, "^bFEHLER: Betong\x81te in " + std::string(c.message) + "!\n") << c.text;
        std::fclose(f);
    }
    // A name longer than its field of 55 characters.
    Close_Message_Category(0);
    ASSERT_EQ(Open_Message_Category(), 0);
    Betonguete_Record r;
    Get_Betonguete_Record(&r, 6, 0, 0.0);
    FILE* f = Reading(" 1.2\n " + std::string(56, 'N') + " 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 2.6e7\n");
    EXPECT_EQ(Read_Betonguete_Record(&r), 1);
    EXPECT_STREQ(r.name, "C40/50");
    EXPECT_STREQ(Message_Category_Line(0, 0), "^bFEHLER: Betong\x81te in Zeile 3 nicht lesbar (Name)!\n");
    std::fclose(f);
    Close_Message_Category(0);
}

// ---- Factor cache ----

class ConcreteFactors : public testutil::AnnexTest {};

TEST_F(ConcreteFactors, CacheFollowsTheActiveAnnex) {
    NAD_EC2_Block* b = Get_NAD_EC2();
    // The block's order: persistent/transient, fatigue, earthquake, accidental.
    const double gc[4] = {1.51, 1.52, 1.53, 1.24};
    const double gs[4] = {1.16, 1.17, 1.18, 1.01};
    for (int i = 0; i < 4; ++i) b->gamma_c[i] = gc[i], b->gamma_s[i] = gs[i];
    b->gamma_c_sls = 1.02;
    b->gamma_s_sls = 1.03;
    b->alpha_cc = 0.85;
    b->alpha_lct = 0.75;
    b->variant = 3;

    const EC2_Factor_Cache* c = Get_EC2_Factor_Cache();
    const double want_c[5] = {1.51, 1.24, 1.53, 1.52, 1.24};
    const double want_s[5] = {1.16, 1.01, 1.18, 1.17, 1.01};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(c->gamma_c[k], want_c[k]) << k;
        EXPECT_EQ(EC2_Gamma_c(k), want_c[k]) << k;
        EXPECT_EQ(EC2_Gamma_s(k), want_s[k]) << k;
    }
    EXPECT_EQ(EC2_Gamma_c(7), 1.51);
    EXPECT_EQ(c->gamma_c_sls, 1.02);
    EXPECT_EQ(c->gamma_s_sls, 1.03);
    EXPECT_EQ(c->alpha_lct, 0.75);
    EXPECT_EQ(Get_EC2_Cached_Variant(), 3);
    EXPECT_NEAR(EC2_Design_Strength(30000.0, 0), 30000.0 * 0.85 / 1.51, 1e-9);

    // Every access refills: a change of the annex is seen at once.
    b->alpha_cc = 1.0;
    b->gamma_c[3] = 1.3;
    EXPECT_NEAR(EC2_Design_Strength(30000.0, 1), 30000.0 / 1.3, 1e-9);
    // A damaged factor gives no strength rather than an infinite one.
    b->gamma_c[0] = 0.0;
    EXPECT_EQ(EC2_Design_Strength(30000.0, 0), 0.0);
    EXPECT_EQ(Refresh_EC2_Factor_Cache(), b);
}

}  // namespace
