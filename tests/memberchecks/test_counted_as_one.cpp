// A utilisation above 1 by less than 0.001 counts as 1: every check of the
// profile returns it as 1 and shows it as computed (four decimals) with the
// approximately-equal sign, "ok" and the rule that counted it, never ">"
// beside "ok" nor a bare "1.000 ok"; 1.0011 lies beyond the rule and fails
// as before. Each case is set up by hand so that U = 1.0005 (S235, f_y =
// 235 N/mm², gamma_M0 = 1.0, epsilon = 1):
//  - stress check by class, welded I 300 x 200 x 8 x 15 without weld
//    fillets: A = 2 * 200 * 15 + 270 * 8 = 8160 mm², N = 1.0005 * 8160 *
//    235 N = 1918.56 kN in tension, sigma = 235.1175 N/mm² (elastic road);
//    the plastic road's plates carry N_max = A f_y = 1917.60 kN, U_N =
//    N / N_max;
//  - the stress blocks of the outline, welded box 200 x 100 x 10: A = 2 *
//    200 * 10 + 2 * 80 * 10 = 5600 mm², N = 1.0005 * 5600 * 235 N;
//  - c/t of the class check, welded I with web t_w = 5 and flanges 200 x 15
//    under N = -A * 100 N/mm²: the web's class 3 limit 42 raised by
//    (235/100)^0.5, its clear depth c = 5 * 1.0005 * 42 * 2.35^0.5;
//  - c/t of the classification: web c/t = 1.0005 * 42 = 42.021 under
//    uniform compression (no raised limit): a flat bar 420.21 x 10, a rolled
//    I 480.21 x 200 x 10 x 20 with root radius 10 (c = 480.21 - 40 - 20),
//    whose flanges c/t = (200 - 10 - 20)/2 / 20 = 4.25, 4.25/14 = 0.304;
//  - the plastic chain, flat bar 200 x 10: N_pl,Rd = 2000 * 235 = 470 kN,
//    N = 1.0005 * 470 kN.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp850.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_plastic.h"
#include "memberchecks/xs_resistance.h"
#include "printlist/list_capture.h"
#include "printlist/verdict.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/stahlprofil.h"

namespace {

std::string Text(ListCapture& list) {
    OLI_End_Text(list.f());
    return list.Take();
}

// "  ~  1  ok" and the rule's note: the verdict of a value the rule counts.
std::string Counted() {
    const char* const note = "╬r (< 1.001 zählt als 1)"_cp;
    return std::string("  \xF7  1  ") + Mark_Ok() + note;
}

// "  >  1  nicht ok !!": the verdict of 1.0011, beyond the rule.
std::string Fails() { return std::string("  >  1  ") + Mark_Not_Ok(); }

Stahlprofil Typed(int type, double h, double t_w, double b, double t_f, double r = 0) {
    Stahlprofil p = testutil::Typed_Profile(type, h, t_w, b, t_f);
    p.rolled = r > 0 ? 1 : 0;
    p.r_1 = r;
    p.a_o = p.a_u = 0;
    Default_Material_Params(&p.material);
    EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, nullptr), 0);
    EXPECT_EQ(p.material.f_y, 235.0);
    return p;
}

struct Checked {
    unsigned bits;
    XS_Check_Result r;
    std::string text;
};

Checked Check(const Stahlprofil& p, int mode, double N_kN, int level, int no_raise = 0) {
    XS_Check_Input in{1.0, {no_raise, 0}, 1, mode, {N_kN, 0, 0, 0, 0, 0, 0, 0}};
    Checked run{};
    ListCapture list;
    run.bits = Check_XS_Resistance(&p, &in, &run.r, list.f(), level);
    run.text = Text(list);
    return run;
}

}  // namespace

// The stress check by class on each of its roads: the verdict lines and the
// outputs, U_sigma counted, its computed value beside it.
TEST(CountedAsOne, StressCheckByClass) {
    const Stahlprofil I = Typed(PROFILTYP_I, 300, 8, 200, 15);
    const Stahlprofil box = Typed(PROFILTYP_RECHTECK, 200, 10, 100, 10);
    ASSERT_DOUBLE_EQ(I.A, 8160.0);
    ASSERT_DOUBLE_EQ(box.A, 5600.0);
    const char* const elastic =
        " Nachweis: ╬t╠╬\\v╬r = 235.12 N/mm²  ≈  ╠╬\\v,Rd╬r = 235.00 N/mm²  ê  U╬\\╠╬r = "_cp;
    const char* const range = "  ╬tê  U╬\\N╬r = (N - N╬\\m╬r) / (N╬\\max╬r - N╬\\m╬r) = "_cp;
    const char* const outline = "Umriss: ╬tSpannungsblöcke aus N, M╬\\y╬r, M╬\\z╬r  ê  U╬\\NM╬r = "_cp;
    const char* const sigma = "U╬\\╠╬r = "_cp;
    const struct Case {
        const char* what;
        const Stahlprofil* p;
        int mode, level;
        double u;
        std::string line;
    } cases[] = {
        {"elastic", &I, 0, 2, 1.0005, elastic + std::string("1.0005") + Counted() + "\n"},
        {"elastic, summary", &I, 0, 0, 1.0005, " " + std::string(sigma) + "1.0005" + Counted() + "╬r\n"_cp},
        {"plates, U_N", &I, 1, 2, 1.0005, range + std::string("1.0005") + Counted() + "\n"},
        {"plates, total", &I, 1, 2, 1.0005, " Gesamt (ggf. aus Laststeigerung): max U = 1.0005" + Counted() + "\n"},
        {"outline", &box, 1, 2, 1.0005, outline + std::string("1.0005") + Counted() + ",  M╬\\pl,N,Q╬r = 0.00 kNm\n"_cp},
        {"outline, verdict", &box, 1, 2, 1.0005, " Nachweis: ╬t"_cp + std::string(sigma) + "1.0005" + Counted() + "\n"},
        // beyond the rule: the value with three decimals, and failed
        {"elastic 1.0011", &I, 0, 0, 1.0011, " " + std::string(sigma) + "1.001" + Fails() + "╬r\n"_cp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Checked run = Check(*c.p, c.mode, c.u * c.p->A * 235 / 1000, c.level);
        EXPECT_TRUE(run.bits & XS_CHECK_DONE) << std::hex << run.bits;
        EXPECT_NE(run.text.find(c.line), std::string::npos) << c.line << "\n" << run.text;
        const bool counted = c.u < 1.001;
        EXPECT_EQ(run.r.U_sigma, counted ? 1.0 : run.r.U_sigma_computed);
        EXPECT_NEAR(run.r.U_sigma_computed, c.u, 1e-6);
        EXPECT_NEAR(XS_Computed_U(run.r.U_sigma, run.r.U_sigma_computed), c.u, 1e-6);
        EXPECT_EQ(run.text.find(">  1  "_cp + std::string(Mark_Ok())), std::string::npos);
    }
}

// The c/t ratio of the check by class: the parts' lines, the total and the
// summary; U_c/t counted, its computed value beside it.
TEST(CountedAsOne, CtOfTheCheckByClass) {
    const double c = 5 * 1.0005 * 42 * std::sqrt(2.35);
    const Stahlprofil I = Typed(PROFILTYP_I, 30 + c, 5, 200, 15);
    ASSERT_NEAR(I.A, 6000 + 5 * c, 1e-9);
    const char* const part = "Ausnutzung U╬\\c/t╬r = "_cp;
    const std::string internal = " ╬tbeidseitig gestützt: "_cp + std::string(part) + "1.0005" + Counted() + "\n";
    const std::string total = " ╬tgesamt: "_cp + std::string(part) + "1.0005" + Counted() + "\n";
    // sigma = 100 N/mm²: 100/235 = 0.426
    const char* const sigma = " U╬\\╠╬r = 0.426  <  1  "_cp;
    const std::string summary = sigma + std::string(Mark_Ok()) + "╬r,  U╬\\c/t╬r = 1.0005"_cp + Counted() + "\n";
    const struct Case {
        int level;
        std::string line;
    } cases[] = {{2, internal}, {2, total}, {1, internal}, {0, summary}};
    for (const Case& k : cases) {
        const Checked run = Check(I, 0, -I.A * 100 / 1000, k.level);
        EXPECT_EQ(run.bits & (XS_CHECK_DONE | XS_CHECK_NOT_VERIFIABLE), XS_CHECK_DONE) << std::hex << run.bits;
        EXPECT_NE(run.text.find(k.line), std::string::npos) << k.line << "\n" << run.text;
        EXPECT_EQ(run.r.U_ct, 1.0);
        EXPECT_NEAR(run.r.U_ct_computed, 1.0005, 1e-5);
    }
}

// The classification of the compact bar's check and of a rolled I: the
// part's line, the section's line and the bar's summary.
TEST(CountedAsOne, CtOfTheClassification) {
    const Stahlprofil bar = Typed(PROFILTYP_FLACH, 420.21, 10, 0, 0);
    const char* const detail = "   Ausnutzung U╬\\c/t╬r = (c/t) / (max c/t) = 1.0005"_cp;
    const char* const limit = ",  max c/t = 42.00╬/.╬r¥ = 42.00\n"_cp;
    // sigma = 100000 / 4202.1 = 23.80 N/mm², U = 23.80/235 = 0.101
    const char* const bar_summary =
        " Ausnutzungen: Tragfähigkeit U╬\\╠╬r = 0.101  <  1  "_cp;
    const char* const bar_ct = "╬r,  c/t-Verhältnis U╬\\c/t╬r = 1.0005"_cp;
    const Checked run = Check(bar, 0, -100, 2, 1);
    EXPECT_NE(run.text.find(detail + Counted() + limit), std::string::npos) << run.text;
    EXPECT_NE(run.text.find(bar_summary + std::string(Mark_Ok()) + bar_ct + Counted() + "\n"), std::string::npos)
        << run.text;
    EXPECT_EQ(run.r.U_ct, 1.0);
    EXPECT_NEAR(run.r.U_ct_computed, 1.0005, 1e-9);

    const Stahlprofil I = Typed(PROFILTYP_I, 480.21, 10, 200, 20, 10);
    const char* const web = " Steg: Q-Klasse 4,  Ausnutzung U╬\\c/t╬r = 1.0005"_cp;
    const char* const flange = " Flansch oben: Q-Klasse 1,  Ausnutzung U╬\\c/t╬r = 0.304\n"_cp;
    const char* const section = " Gesamt: Q-Klasse 4,  c/t-Ausnutzung U╬\\c/t╬r = 1.0005"_cp;
    for (int level : {1, 2}) {
        ListCapture list;
        double U = 0, computed = 0;
        EXPECT_EQ(Classify_Section_Computed(&I, 100e3, 0, 0, 1.0, 1, 0, nullptr, nullptr, nullptr, 3, &U, &computed,
                                            list.f(), level, ""),
                  4);
        const std::string text = Text(list);
        if (level == 1) {
            EXPECT_NE(text.find(web + Counted() + "\n"), std::string::npos) << text;
            EXPECT_NE(text.find(flange), std::string::npos) << text;
        }
        EXPECT_NE(text.find(section + Counted() + "\n"), std::string::npos) << text;
        EXPECT_EQ(U, 1.0);
        EXPECT_NEAR(computed, 1.0005, 1e-9);
    }
}

// The plastic chain's partial check of the axial force.
TEST(CountedAsOne, PlasticChain) {
    const Stahlprofil bar = Typed(PROFILTYP_FLACH, 200, 10, 0, 0);
    const char* const line = " Nachweis: |N╬\\Ed╬r|/N╬\\pl,Rd╬r = "_cp;
    const struct Case {
        double u;
        std::string tail;
        double U;
    } cases[] = {{1.0005, "1.0005" + Counted() + "╬r\n"_cp, 1.0}, {1.0011, "1.001" + Fails() + "╬r\n"_cp, 1.0011}};
    for (const Case& c : cases) {
        ListCapture list;
        double total = 0, plastic = 0;
        EXPECT_EQ(Calc_XS_Plastic_Check(&bar, 1.0, 0, 1, c.u * 470e3, 0, 0, 0, 0, 0, 0, 0, &total, &plastic, nullptr,
                                        list.f(), 2),
                  0);
        const std::string text = Text(list);
        EXPECT_NE(text.find(line + c.tail), std::string::npos) << text;
        EXPECT_NEAR(plastic, c.U, 1e-9);
        EXPECT_NEAR(total, c.U, 1e-9);
    }
}
