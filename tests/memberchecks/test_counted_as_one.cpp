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
    run.text = list.Take_Ended();
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
        EXPECT_NEAR(Utilisation_As_Computed(run.r.U_sigma, run.r.U_sigma_computed), c.u, 1e-6);
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
// part's line, the section's line and the bar's summary. A c/t whose
// utilisation against class 3 counts as 1 is class 3, the class it counts
// as (42.021 lies beyond the class 3 limit 42 by less than the rule's
// 0.001): its limit stands with the approximately-equal sign, never "Q-Klasse
// 4" beside "ok".
TEST(CountedAsOne, CtOfTheClassification) {
    const Stahlprofil bar = Typed(PROFILTYP_FLACH, 420.21, 10, 0, 0);
    const char* const bar_class =
        " Q-Klasse 3 für ║ = 1.000,  c/t = 42.02 (beidseitig gestützt) \xF7 42.00╬/.╬r¥ = 42.00\n"_cp;
    const char* const detail = "   Ausnutzung U╬\\c/t╬r = (c/t) / (max c/t) = 1.0005"_cp;
    const char* const limit = ",  max c/t = 42.00╬/.╬r¥ = 42.00\n"_cp;
    // sigma = 100000 / 4202.1 = 23.80 N/mm², U = 23.80/235 = 0.101
    const char* const bar_summary =
        " Ausnutzungen: Tragfähigkeit U╬\\╠╬r = 0.101  <  1  "_cp;
    const char* const bar_ct = "╬r,  c/t-Verhältnis U╬\\c/t╬r = 1.0005"_cp;
    const Checked run = Check(bar, 0, -100, 2, 1);
    EXPECT_NE(run.text.find(bar_class + std::string(detail) + Counted() + limit), std::string::npos) << run.text;
    EXPECT_NE(run.text.find(bar_summary + std::string(Mark_Ok()) + bar_ct + Counted() + "\n"), std::string::npos)
        << run.text;
    EXPECT_EQ(run.r.U_ct, 1.0);
    EXPECT_NEAR(run.r.U_ct_computed, 1.0005, 1e-9);

    const Stahlprofil I = Typed(PROFILTYP_I, 480.21, 10, 200, 20, 10);
    const char* const web = " Steg: Q-Klasse 3,  Ausnutzung U╬\\c/t╬r = 1.0005"_cp;
    const char* const flange = " Flansch oben: Q-Klasse 1,  Ausnutzung U╬\\c/t╬r = 0.304\n"_cp;
    const char* const section = " Gesamt: Q-Klasse 3,  c/t-Ausnutzung U╬\\c/t╬r = 1.0005"_cp;
    for (int level : {1, 2}) {
        ListCapture list;
        double U = 0, computed = 0;
        EXPECT_EQ(Classify_Section_Computed(&I, 100e3, 0, 0, 1.0, 1, 0, nullptr, nullptr, nullptr, 3, &U, &computed,
                                            list.f(), level, ""),
                  3);
        const std::string text = list.Take_Ended();
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
        const std::string text = list.Take_Ended();
        EXPECT_NE(text.find(line + c.tail), std::string::npos) << text;
        EXPECT_NEAR(plastic, c.U, 1e-9);
        EXPECT_NEAR(total, c.U, 1e-9);
    }
}

// The plastic road of the welded I 300 x 200 x 8 x 15 (plates 2 x 200 x
// 15 and 270 x 8: N_pl = 8160 x 235 N = 1917.60 kN) under N alone at its
// plastic resistance: the limit moments close on 0, no further load can be
// taken. Where the axial force passes (on its resistance, or 1.0005 times
// it, which the rule counts as 1) the line says so with the blue note
// beside an ok total; 1.002 times it fails, with the red alert beside a
// failed total.
TEST(CountedAsOne, NoFurtherLoadIsANoteWhereNothingFails) {
    const Stahlprofil I = Typed(PROFILTYP_I, 300, 8, 200, 15);
    ASSERT_DOUBLE_EQ(I.A, 8160.0);
    const std::string line = "  ╬tM╬\\y╬r = 0.00 kNm, keine weitere Lastaufnahme möglich "_cp;
    const std::string total = " Gesamt (ggf. aus Laststeigerung): max U = ";
    const struct Case {
        double u;
        std::string marker, verdict;
    } cases[] = {{1.0, Mark_Note(), "1.000  \xF3  1  " + std::string(Mark_Ok())},
                 {1.0005, Mark_Note(), "1.0005" + Counted()},
                 {1.002, Mark_Alert(), "1.002" + Fails()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.u);
        const Checked run = Check(I, 1, c.u * 8160 * 235 / 1000, 2);
        EXPECT_NE(run.text.find(line + c.marker + "\n" + total + c.verdict + "\n"), std::string::npos) << run.text;
    }
}

// The flanges of the plastic road: a flange moment too small to use any of
// the flange's strength (M_z = 0.0001 kNm beside N = 500 kN on the I above:
// half of it on each flange, 1.4e-6 of its plastic moment b^2 t_f f_y / 4)
// is no exhausted flange; a flange whose strength the shear has taken (V_y =
// 1000 kN: 500 kN on each flange's 200 x 15 mm, tau = 166.7 N/mm² beyond
// tau_R = 235/3^0.5 = 135.7 N/mm²) has none left for its moment (M_z = 1
// kNm, 0.50 kNm on each), beside a failed total.
TEST(CountedAsOne, ExhaustedFlangeOnlyWhereItsStrengthIsGone) {
    const Stahlprofil I = Typed(PROFILTYP_I, 300, 8, 200, 15);
    const auto run = [&](double N, double M_z, double V_y) {
        XS_Check_Input in{1.0, {0, 0}, 1, 1, {N, 0, M_z, V_y, 0, 0, 0, 0}};
        Checked out{};
        ListCapture list;
        out.bits = Check_XS_Resistance(&I, &in, &out.r, list.f(), 2);
        out.text = list.Take_Ended();
        return out;
    };
    const Checked small = run(500, 0.0001, 0);
    EXPECT_NE(small.text.find(" Obergurt: ╬tQuerkraft V╬\\O╬r = 0.00 kN, Torsion T╬\\pO╬r = 0.00 kNm\n"
                              "  ╬tGurtbiegung M╬\\╠,O╬r = 0.00 kNm\n"_cp),
              std::string::npos)
        << small.text;
    EXPECT_EQ(small.text.find("keine weitere Lastaufnahme"), std::string::npos) << small.text;
    const Checked sheared = run(0, 1.0, 1000);
    EXPECT_NE(sheared.text.find("  ╬tGurtbiegung M╬\\╠,O╬r = 0.50 kNm, keine weitere Lastaufnahme möglich "_cp +
                                std::string(Mark_Alert()) + "\n"),
              std::string::npos)
        << sheared.text;
    EXPECT_NE(sheared.text.find(Fails()), std::string::npos) << sheared.text;
    EXPECT_GT(sheared.r.U_total, 1.001);
}

// The class a part's utilisation counts as, at the target class's limit
// only (epsilon = 1, no raised limit): an internal part in compression (class
// limits 33, 38, 42) of c/t = 42 x 1.0005 is class 3 against target 3 with
// U = 1 (counted), of 42 x 1.0011 class 4 with U = 1.0011; 38 x 1.0005 is
// class 2 against target 2 (U counted as 1) but class 3 against target 3
// (U = 38.019/42 = 0.905); a web in bending (72, 83, 124) of c/t = 72.01
// stays class 2 against target 3, the limit of class 1 being strict.
TEST(CountedAsOne, ClassOfACtCountedAsOne) {
    const struct Case {
        double c_t, alpha;
        int target, cls;
        double U;
    } cases[] = {{42 * 1.0005, 1000, 3, 3, 1.0},   {42 * 1.0011, 1000, 3, 4, 1.0011},
                 {38 * 1.0005, 1000, 2, 2, 1.0},   {38 * 1.0005, 1000, 3, 3, 38 * 1.0005 / 42},
                 {72.01, 0.5, 3, 2, 72.01 / 124}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.c_t);
        double U = -1;
        EXPECT_EQ(Check_Ct_Part(CT_PART_INTERNAL, c.target, &U, c.c_t, 235, 0, c.alpha, 0, 0, nullptr, 0, nullptr),
                  c.cls);
        EXPECT_NEAR(U, c.U, 1e-9);
    }
}
