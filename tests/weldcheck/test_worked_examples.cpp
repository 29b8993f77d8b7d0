// The worked examples of the weld checks as one table: each example runs at
// print levels 0, 1 and 2 and must write exactly the report lines given for
// that level (code page 850 bytes, markup escapes, markers). The detailing
// examples map the print level to the "print all" switch of the group check
// (level 2). A second group of tests holds the closing verdicts that must
// never call a weld proven without a real check.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "weldcheck/weld_fixture.h"
#include "weldcheck/weldfile.h"
#include "weldcheck/weldlen.h"
#include "weldcheck/weldres.h"

namespace {

using Lines = std::vector<std::string>;

std::string T(const char* cp) { return std::string(cp); }

std::string Fixed1(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

struct Example {
    const char* name;
    std::function<int(FILE*, int)> run;  // the check at a print level
    int result;
    std::array<Lines, 3> lines;          // report of levels 0, 1, 2
};

void Run_Table(const std::vector<Example>& table) {
    for (const Example& e : table) {
        for (int level = 0; level <= 2; ++level) {
            SCOPED_TRACE(std::string(e.name) + ", print level " + std::to_string(level));
            ListCapture l;
            EXPECT_EQ(e.run(l.f(), level), e.result);
            EXPECT_EQ(Text_Lines(l.Take()), e.lines[level]);
        }
    }
}

// Lines shared by several examples.
const std::string kShear2 = T("Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = "
                              "207.85 N/mm²,  f╬\\u╬r = 360.0 N/mm²,  ╗╬\\w╬r = 0.80"_cp);
const std::string kRd = T("Tragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r╬/.╬ra = "_cp);
const std::string kBed1 = T("Tragfähigkeit einer Schweißnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = "
                            "360.00 N/mm²"_cp);
const std::string kBed2 = T("f╬\\2w,d╬r = 0.9╬/.╬rf╬\\u╬r / └╬\\M2╬r = 259.20 N/mm²"_cp);
const std::string kFu = T(",  f╬\\u╬r = 360.0 N/mm²"_cp);
const std::string kBeta = T(",  ╗╬\\w╬r = 0.80"_cp);

// The group of the worked numbers: f_u 360, beta_w 0.8, gamma_M2 1.25.
int Shear_Strength(FILE* f, int level, double t, int variant, double* f_vw_d) {
    AnnexVariant v(variant);
    WeldCase c(5.0, t, t);
    const int r = Calc_Weld_Shear_Strength(&c.g, f, level);
    *f_vw_d = c.g.f_vw_d;
    return r;
}

TEST(WorkedExamples, StrengthsAndStressChecks) {
    const std::string r1 = T("╠╬\\1,w,Ed╬r = 191.57 N/mm²  <  f╬\\1w,d╬r = 360.00 N/mm²  ê  U╬\\w╬r = 0.532  <  1  "_cp) + Ok();
    const std::string r2 = T("╠╬\\2,w,Ed╬r = 100.00 N/mm²  <  f╬\\2w,d╬r = 259.20 N/mm²  ê  U╬\\w╬r = 0.386  <  1  "_cp) + Ok();
    const std::string s1 = T("╠╬\\1,w,Ed╬r = (╠╬\\s╬r² + 3╬/.╬r(Í╬\\s╬r² + Í╬\\p╬r²))╬/1/2╬r = 191.57 N/mm²"_cp);
    const std::string s2 = T("╠╬\\2,w,Ed╬r = |╠╬\\s╬r| = 100.00 N/mm²"_cp);
    // 360.18 / 360.00 = 1.0005: counted as 1, and the line says so (never
    // ">" beside "ok").
    const std::string u1 = T("╠╬\\1,w,Ed╬r = 360.18 N/mm²  ≈  f╬\\1w,d╬r = 360.00 N/mm²  ê  U╬\\╬r = 1.0005  ≈  1  "_cp) +
                           Ok() + "\xCEr (< 1.001 z\x84hlt als 1)";
    const std::string u2 = T("╠╬\\2,w,Ed╬r = 0.00 N/mm²  <  f╬\\2w,d╬r = 259.20 N/mm²  ê  U╬\\╬r = 0.000  <  1  "_cp) + Ok();
    const std::string us1 = T("╠╬\\1,w,Ed╬r = (╠╬\\s╬r² + 3╬/.╬r(Í╬\\s╬r² + Í╬\\p╬r²))╬/1/2╬r = 360.18 N/mm²"_cp);
    const std::string us2 = T("╠╬\\2,w,Ed╬r = |╠╬\\s╬r| = 0.00 N/mm²"_cp);

    const std::vector<Example> table = {
        {"f_vw,d and F_w,Rd",
         [](FILE* f, int level) {
             double fvw = 0;
             const int r = Shear_Strength(f, level, 10.0, 0, &fvw);
             EXPECT_NEAR(fvw, 207.846, 0.001);
             return r;
         },
         0,
         {Lines{},
          Lines{kRd + T("10.39 kN/cm,  f╬\\vw,d╬r = 207.85 N/mm²,  a = 5.0 mm"_cp)},
          Lines{kShear2, kRd + "10.39 kN/cm"}}},
        {"annex variant: the 50 mm plate with the f_u up to 40 mm (360)",
         [](FILE* f, int level) {
             double fvw = 0;
             const int r = Shear_Strength(f, level, 50.0, 1, &fvw);
             EXPECT_NEAR(fvw, 207.846, 0.001);
             return r;
         },
         0,
         {Lines{},
          Lines{kRd + T("10.39 kN/cm,  f╬\\vw,d╬r = 207.85 N/mm²,  a = 5.0 mm"_cp)},
          Lines{kShear2, kRd + "10.39 kN/cm"}}},
        {"no annex variant: f_u of the 50 mm plate",
         [](FILE* f, int level) {
             double fvw = 0;
             const int r = Shear_Strength(f, level, 50.0, 0, &fvw);
             EXPECT_NEAR(fvw, 196.299, 0.001);
             return r;
         },
         0,
         {Lines{},
          Lines{kRd + T("9.81 kN/cm,  f╬\\vw,d╬r = 196.30 N/mm²,  a = 5.0 mm"_cp)},
          Lines{T("Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 196.30 N/mm²,  "
                  "f╬\\u╬r = 340.0 N/mm²,  ╗╬\\w╬r = 0.80"_cp),
                kRd + "9.81 kN/cm"}}},
        {"f_1w,d and f_2w,d without the check flag",
         [](FILE* f, int level) {
             WeldCase c(5.0);
             c.g.check = 0;
             c.g.method = WELD_METHOD_DIRECTIONAL;
             const int r = Check_Weld_Directional(&c.g, f, level, "");
             EXPECT_NEAR(c.g.f_1w_d, 360.0, 1e-9);
             EXPECT_NEAR(c.g.f_2w_d, 259.2, 1e-9);
             return r;
         },
         0,
         {Lines{T("Tragfähigkeiten einer Schweißnaht:  f╬\\1w,d╬r = 360.00 N/mm², f╬\\2w,d╬r = 259.20 N/mm²"_cp)},
          Lines{kBed1, kBed2},
          Lines{kBed1 + kFu + kBeta, kBed2 + kFu}}},
        {"directional method, sigma 100, tau 50 and 80",
         [](FILE* f, int level) {
             WeldCase c(5.0);
             c.g.method = WELD_METHOD_DIRECTIONAL;
             c.g.force_mode = WELD_STRESS_GIVEN;
             c.g.sigma_perp = 100.0;
             c.g.tau_perp = 50.0;
             c.g.tau_par = 80.0;
             const int r = Check_Weld_Directional(&c.g, f, level, "w");
             EXPECT_NEAR(c.g.sigma_1_w_Ed, 191.572, 0.001);
             EXPECT_EQ(c.g.sigma_2_w_Ed, 100.0);
             EXPECT_NEAR(c.g.U_max, 191.572 / 360.0, 1e-5);
             return r;
         },
         0,
         {Lines{r1, r2}, Lines{s1, kBed1, r1, s2, kBed2, r2},
          Lines{"Bedingung 1:", s1, kBed1 + kFu + kBeta, r1, "Bedingung 2:", s2, kBed2 + kFu, r2}}},
        {"U = 1.0005 counts as 1",
         [](FILE* f, int level) {
             WeldCase c(5.0);
             c.g.method = WELD_METHOD_DIRECTIONAL;
             c.g.force_mode = WELD_STRESS_GIVEN;
             c.g.tau_par = 360.0 * 1.0005 / std::sqrt(3.0);
             const int r = Check_Weld_Directional(&c.g, f, level, "");
             EXPECT_EQ(c.g.U_max, 1.0);
             EXPECT_NEAR(c.g.U_max_computed, 1.0005, 1e-12);
             EXPECT_NEAR(Weld_Group_Computed_U(&c.g), 1.0005, 1e-12);
             return r;
         },
         0,
         {Lines{u1, u2}, Lines{us1, kBed1, u1, us2, kBed2, u2},
          Lines{"Bedingung 1:", us1, kBed1 + kFu + kBeta, u1, "Bedingung 2:", us2, kBed2 + kFu, u2}}},
    };
    Run_Table(table);
}

TEST(WorkedExamples, ForcesAndButtWelds) {
    const std::string two = T("bezogen auf 2 Nähte  ê  l╬\\eff╬r = 200.0 mm"_cp);
    const std::string fn = T("F╬\\N,Ed╬r = N╬\\Ed╬r / l╬\\eff╬r = 5.00 kN/cm"_cp);
    const std::string c1 = T("F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 3.54 kN/cm"_cp);
    const std::string c2 = T("F╬\\Ed╬r(Í╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 3.54 kN/cm"_cp);
    const std::string c3 = T("F╬\\Ed╬r(Í╬\\p╬r) = 0"_cp);
    const std::string res = T("F╬\\w,Ed╬r = (F╬\\Ed╬r(╠╬\\s╬r)² + F╬\\Ed╬r(Í╬\\s╬r)² + F╬\\Ed╬r(Í╬\\p╬r)²)╬/1/2╬r = "
                              "5.00 kN/cm"_cp);
    const std::string resultant = T("Bemessungswert der auf die wirksame Nahtfläche einwirkenden resultierenden Kraft:"_cp);
    const std::string fillet = T("F╬\\w,Ed╬r = 5.00 kN/cm  <  F╬\\w,Rd╬r = 10.39 kN/cm  ê  U╬\\╬r = 0.481  <  1  "_cp) + Ok();

    const std::string butt90 = T("F╬\\w,Ed╬r = 18.00 kN/cm  <  F╬\\w,Rd╬r = 24.94 kN/cm  ê  U╬\\╬r = 0.722  <  1  "_cp) + Ok();
    const std::string butt0 = T("F╬\\w,Ed╬r = 12.00 kN/cm  <  F╬\\w,Rd╬r = 16.63 kN/cm  ê  U╬\\╬r = 0.722  <  1  "_cp) + Ok();
    auto butt = [](double angle, FILE* f, int level) {
        WeldCase c(0.0, 8.0, 12.0);
        c.g.kind = WELD_BUTT;
        c.g.full_penetration = 1;
        c.g.angle = angle;
        c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0;
        const int r = Check_Butt_Weld(&c.g, f, level, "");
        EXPECT_NEAR(c.g.U_max, 0.7217, 0.0001);
        EXPECT_EQ(c.g.a, 0.0);
        return r;
    };

    const std::vector<Example> table = {
        {"two-sided fillet weld with a normal force",
         [](FILE* f, int level) {
             WeldCase c(5.0);
             c.g.one_sided = 0;
             c.g.l_eff = 100.0;
             c.g.N_Ed = 100000.0;
             const int r = Check_Weld_Directional(&c.g, f, level, "");
             EXPECT_EQ(c.g.l_eff, 100.0);
             EXPECT_NEAR(c.g.F_w_Ed, 500.0, 1e-9);  // N/mm over 2 x 100 mm
             EXPECT_NEAR(c.g.U_max, 5.0 / 10.3923, 1e-4);
             return r;
         },
         0,
         {Lines{fillet},
          Lines{two, fn, c1, c2, c3, res, kRd + T("10.39 kN/cm,  f╬\\vw,d╬r = 207.85 N/mm²,  a = 5.0 mm"_cp), fillet},
          Lines{two, T("Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:"_cp), fn,
                T("Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):"_cp), c1, c2, c3,
                resultant, res, kShear2, kRd + "10.39 kN/cm", fillet}}},
        {"full-penetration butt weld at 90 degrees",
         [butt](FILE* f, int level) { return butt(90.0, f, level); },
         0,
         {Lines{butt90},
          Lines{T("resultierende Nahtkraft F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 18.00 kN/cm"_cp),
                kRd + T("24.94 kN/cm,  f╬\\vw,d╬r = 207.85 N/mm²,  a = 12.0 mm"_cp), butt90},
          Lines{resultant, T("F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 18.00 kN/cm"_cp), kShear2, kRd + "24.94 kN/cm", butt90}}},
        {"full-penetration butt joint in line",
         [butt](FILE* f, int level) { return butt(0.0, f, level); },
         0,
         {Lines{butt0},
          Lines{T("resultierende Nahtkraft F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 12.00 kN/cm"_cp),
                kRd + T("16.63 kN/cm,  f╬\\vw,d╬r = 207.85 N/mm²,  a = 8.0 mm"_cp), butt0},
          Lines{resultant, T("F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 12.00 kN/cm"_cp), kShear2, kRd + "16.63 kN/cm", butt0}}},
    };
    Run_Table(table);
}

// The detailing rules: print level 2 of the group check writes every rule
// ("print all"), levels 0 and 1 only the rules that are not met.
std::function<int(FILE*, int)> Detailing(NahtElement w, double t1, double t2, int mode, int variant,
                                         int expect_flag) {
    return [=](FILE* f, int level) {
        AnnexVariant v(variant);
        EC3_Detailing_Warning_Flag = 0;
        NahtElement copy = w;
        const int r = Check_Weld_Detailing_Limits(&copy, t1, t2, mode, 0, f, 0, "", level > 1);
        EXPECT_EQ(EC3_Detailing_Warning_Flag, expect_flag);
        EC3_Detailing_Warning_Flag = 0;
        return r;
    };
}

NahtElement Weld(int kind, double a, double angle) {
    NahtElement w;
    Default_Weld(&w);
    w.kind = kind;
    w.a = a;
    w.angle = angle;
    return w;
}

TEST(WorkedExamples, DetailingLimits) {
    auto plate = [](int i, double t) {
        return T("Blechdicke t╬\\"_cp) + std::to_string(i) + T("╬r = "_cp) + Fixed1(t) + " mm > 4 mm  " + Ok();
    };
    auto partial = [&](double angle, int mode, const char* text) {
        const std::string line = T(text) + "  " + NotOk();
        return Example{text, Detailing(Weld(WELD_BUTT, 12.0, angle), 20.0, 12.0, mode, 0, 0), 1,
                       {Lines{line}, Lines{line}, Lines{plate(1, 20.0), plate(2, 12.0), line}}};
    };
    const std::string amax = T("Nahtdicke a = 4.0 mm > a╬\\max╬r = 0.7╬/.╬rt╬\\min╬r = 2.1 mm "
                               "(Schweißtechnik, s. DIN 18800)  "_cp) + Alert();
    const std::string thin = T("Blechdicke t╬\\1╬r = 3.0 mm < 4 mm  "_cp) + NotOk();
    const std::string root = T("NA-DE: Blechdicke t╬\\max╬r ‗ 3 mm: Nahtdicke a = 4.0 mm > a╬\\min╬r = "
                               "t╬\\max╬r╬/1/2╬r - 0.5 = 2.66 mm  "_cp) + Ok();
    const std::string min3 = T("Nahtdicke a = 2.5 mm < a╬\\min╬r = 3 mm  "_cp) + EC3();
    const std::string r30 = T("NA-DE: Blechdicke t╬\\max╬r ‗ 30 mm: Nahtdicke a = 2.0 mm < a╬\\min╬r = 5 mm  "_cp) + Alert();

    const std::vector<Example> table = {
        partial(90.0, 0, "nicht durchgeschweißt: Nahtdicke a = 12.0 mm > (t-út)/2 = 4.5 mm, t = 12.0 mm, út = 3.0 mm"_cp),
        partial(60.0, 0, "nicht durchgeschweißt: Nahtdicke a = 12.0 mm > (t-út)/2 = 5.4 mm, t = 13.9 mm, út = 3.0 mm"_cp),
        partial(0.0, 0, "nicht durchgeschweißt: Nahtdicke a = 12.0 mm > (t-út)/2 = 8.0 mm, t = 20.0 mm, út = 4.0 mm"_cp),
        partial(90.0, 1, "nicht durchgeschweißt: Nahtdicke a = 12.0 mm > t-út = 9.6 mm, t = 12.0 mm, út = 2.4 mm"_cp),
        {"annex: 3 mm plate, a_min by t_max, a_max by t_min", Detailing(Weld(WELD_FILLET, 4.0, 90.0), 3.0, 10.0, 0, 1, 0),
         1,
         {Lines{thin, amax}, Lines{thin, amax},
          Lines{thin, plate(2, 10.0), root, amax, T("Nahtdicke a = 4.0 mm > a╬\\min╬r = 3 mm  "_cp) + Ok()}}},
        {"annex: t_max 30 mm needs 5 mm", Detailing(Weld(WELD_FILLET, 2.0, 90.0), 30.0, 30.0, 0, 1, 0), 0,
         {Lines{r30}, Lines{r30},
          Lines{plate(1, 30.0), plate(2, 30.0), r30,
                T("Nahtdicke a = 2.0 mm < a╬\\max╬r = 0.7╬/.╬rt╬\\min╬r = 21.0 mm (Schweißtechnik, s. DIN 18800)  "_cp) +
                    Ok()}}},
        {"no annex: only the 3 mm rule", Detailing(Weld(WELD_FILLET, 2.5, 90.0), 10.0, 10.0, 0, 0, 1), 0,
         {Lines{min3}, Lines{min3}, Lines{plate(1, 10.0), plate(2, 10.0), min3}}},
        {"no annex: a thick throat is not limited", Detailing(Weld(WELD_FILLET, 12.0, 90.0), 10.0, 10.0, 0, 0, 0), 0,
         {Lines{}, Lines{},
          Lines{plate(1, 10.0), plate(2, 10.0), T("Nahtdicke a = 12.0 mm > a╬\\min╬r = 3 mm  "_cp) + Ok()}}},
    };
    Run_Table(table);
}

// ---- closing verdicts: "Nachweis erbracht" only after a real check ----

const std::string kProven = std::string("\xCE\x42") + "\xCE{C 1 40 140 255}Nachweis erbracht\xCE{C 768}";
const std::string kFailed = std::string("\xCE\x42") + "\xCE{C 1 230 0 0}Tragf\x84higkeit nicht gew\x84hrleistet !!\xCE{C 768}";

struct Verdict {
    int result;
    double U_max;
    std::string text;
};

Verdict Group_Verdict(WeldCase& c, int level) {
    c.g.skip_detailing = 1;
    c.g.summary = 1;
    ListCapture l;
    Verdict v;
    v.result = Check_Weld_Group(&c.g, l.f(), level, 0, "");
    v.U_max = c.g.U_max;
    v.text = l.Take();
    return v;
}

TEST(ClosingVerdict, WorkedExampleIsProvenAboveLevelZero) {
    for (int level = 0; level <= 2; ++level) {
        WeldCase c(5.0);
        c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0;
        const Verdict v = Group_Verdict(c, level);
        EXPECT_EQ(v.result, 0);
        const Lines lines = Text_Lines(v.text);
        ASSERT_FALSE(lines.empty());
        if (level == 0) {
            EXPECT_EQ(v.text.find("Nachweis erbracht"), std::string::npos);
            continue;
        }
        ASSERT_GE(lines.size(), 2u);
        const std::string max = level == 2 ? "\xCEHmaximale Ausnutzung U\xCE\\max\xCEr\xCEH" : "maximale Ausnutzung U\xCE\\max\xCEr";
        EXPECT_EQ(lines[lines.size() - 2], max + " = 0.722  <  1  " + Ok());
        EXPECT_EQ(lines.back(), kProven);
    }
}

TEST(ClosingVerdict, ZeroTensileStrengthIsNeverProven) {
    for (int method : {0, (int)WELD_METHOD_DIRECTIONAL}) {
        for (int level = 0; level <= 2; ++level) {
            SCOPED_TRACE(std::to_string(method) + "/" + std::to_string(level));
            WeldCase c(5.0);
            Steel_Plate(&c.g.plate1, 10.0, 0.0, 0.0);
            Steel_Plate(&c.g.plate2, 10.0, 0.0, 0.0);
            c.g.method = method;
            c.g.force_mode = WELD_STRESS_GIVEN;
            c.g.sigma_w_Ed = 50.0;
            c.g.sigma_perp = 50.0;
            const Verdict v = Group_Verdict(c, level);
            EXPECT_EQ(v.result, 1);
            EXPECT_EQ(v.U_max, -1.0);
            EXPECT_EQ(c.g.result_flags, WELD_RESULT_CHECK_REFUSED);
            EXPECT_NE(v.text.find("Nachweis wird nicht gef\x81hrt " + Note()), std::string::npos);
            EXPECT_EQ(v.text.find("Nachweis erbracht"), std::string::npos);
            EXPECT_EQ(Text_Lines(v.text).back(), kFailed);
        }
    }
}

TEST(ClosingVerdict, ZeroResistanceOfAButtWeldIsNeverProven) {
    // A full butt weld without load still has no resistance to prove.
    WeldCase c(0.0, 10.0, 10.0);
    Steel_Plate(&c.g.plate1, 10.0, 0.0, 0.0);
    c.g.kind = WELD_BUTT;
    c.g.full_penetration = 1;
    c.g.force_mode = WELD_STRESS_GIVEN;
    const Verdict v = Group_Verdict(c, 1);
    EXPECT_EQ(v.result, 1);
    EXPECT_NE(v.text.find(T("F╬\\w,Rd╬r = 0  ê  Nachweis wird nicht geführt "_cp) + Note()), std::string::npos);
    EXPECT_EQ(Text_Lines(v.text).back(), kFailed);
}

TEST(ClosingVerdict, NoResistanceCheckIsJudgedByTheDetailingRules) {
    // The caller switched the resistance check off: no utilisation, and the
    // verdict covers the detailing rules that did run.
    for (int level = 0; level <= 2; ++level) {
        WeldCase c(5.0);
        c.g.method = WELD_METHOD_NO_CHECK;
        c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0;
        const Verdict v = Group_Verdict(c, level);
        EXPECT_EQ(v.result, 0);
        EXPECT_EQ(v.U_max, 0.0);
        EXPECT_EQ(v.text.find("maximale Ausnutzung"), std::string::npos) << level;
        if (level == 0) EXPECT_EQ(v.text.find("Nachweis erbracht"), std::string::npos);
        else EXPECT_EQ(Text_Lines(v.text), Lines{kProven}) << level;
    }
    // A failed detailing rule still ends red.
    WeldCase c(5.0, 3.0, 10.0);
    c.g.method = WELD_METHOD_NO_CHECK;
    c.g.summary = 1;
    c.g.l_w = 100.0;
    ListCapture l;
    EXPECT_EQ(Check_Weld_Group(&c.g, l.f(), 0, 0, ""), 1);
    EXPECT_EQ(Text_Lines(l.Take()).back(), kFailed);
}

TEST(ClosingVerdict, OtherWeldKindHasNoValidResult) {
    for (int level = 0; level <= 2; ++level) {
        WeldCase c(5.0);
        c.g.kind = WELD_OTHER;
        c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0;
        const Verdict v = Group_Verdict(c, level);
        EXPECT_EQ(v.result, 1);
        EXPECT_EQ(v.U_max, -1.0);
        EXPECT_EQ(Text_Lines(v.text).back(), kFailed) << level;
    }
    // Without utilisations there is nothing to refuse.
    WeldCase c(5.0);
    c.g.kind = WELD_OTHER;
    c.g.check = 0;
    EXPECT_EQ(Check_Weld_Group(&c.g, nullptr, 0, 0, ""), 0);
}

TEST(ClosingVerdict, TooThinThroatAtAPackingPlateIsNotProven) {
    // t_p 4 mm, U 0.722, a 5 mm: a_erf 6.4 mm. U_max stays, the verdict is
    // red, and the result and the flag say so too.
    for (int level = 0; level <= 2; ++level) {
        WeldCase c(5.0);
        c.g.one_sided = 1;
        c.g.packing = 1;
        c.g.t_p = 4.0;
        c.g.force_mode = WELD_STRESS_GIVEN;
        c.g.sigma_w_Ed = 150.0;
        const Verdict v = Group_Verdict(c, level);
        EXPECT_EQ(v.result, 1);
        EXPECT_EQ(c.g.result_flags, WELD_RESULT_PACKING_THROAT);
        EXPECT_NEAR(v.U_max, 0.7217, 0.0001);
        EXPECT_NE(v.text.find(T("Nahtdicke a = 5.0 mm  <  a╬\\erf╬r = 6.4 mm  "_cp) + NotOk()), std::string::npos);
        EXPECT_EQ(v.text.find("Nachweis erbracht"), std::string::npos) << level;
        EXPECT_EQ(Text_Lines(v.text).back(), kFailed) << level;
    }
    // A throat of 7 mm is enough: proven.
    WeldCase c(7.0);
    c.g.packing = 1;
    c.g.t_p = 4.0;
    c.g.force_mode = WELD_STRESS_GIVEN;
    c.g.sigma_w_Ed = 100.0;
    EXPECT_EQ(Text_Lines(Group_Verdict(c, 1).text).back(), kProven);
}

// ---- the normal force per length at the root ----

TEST(RootForces, FullPenetrationTakesBothFibres) {
    // N = +120 kN and M_p = -240000 Nmm on a 12 mm joint, 100 mm long: the
    // far fibre carries 120 kN + 6 * 240000 Nmm / 12 mm = 240 kN, i.e. 2400
    // N/mm or 24 kN/cm.
    WeldCase c(0.0, 12.0, 12.0);
    c.g.kind = WELD_BUTT;
    c.g.full_penetration = 1;
    c.g.one_sided = 1;
    c.g.l_eff = 100.0;
    c.g.N_Ed = 120000.0;
    c.g.M_p_Ed = -240000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    EXPECT_NEAR(c.g.F_sigma_perp, 2400.0, 1e-9);
    EXPECT_EQ(Text_Lines(l.Take())[0],
              T("F╬\\N,Ed╬r = (N╬\\Ed╬r + M╬\\p,Ed╬r╬/.╬r6/t╬\\2╬r) / l╬\\eff╬r = 24.00 kN/cm"_cp));
    // In line the thinner part (8 mm) carries the moment.
    WeldCase d(0.0, 8.0, 12.0);
    d.g.kind = WELD_BUTT;
    d.g.full_penetration = 1;
    d.g.angle = 0.0;
    d.g.l_eff = 100.0;
    d.g.M_p_Ed = 100000.0;
    EXPECT_EQ(Calc_Weld_Forces(&d.g, nullptr, 0), 0);
    EXPECT_NEAR(d.g.F_sigma_perp, 6.0 * 100000.0 / 8.0 / 100.0, 1e-9);  // normal to the throat at every angle
}

TEST(RootForces, MomentAlongATwoSidedWeldIsSharedByBothWelds) {
    // M_s = 500000 Nmm over two welds of 100 mm: 250000 Nmm each, 6 M / l² =
    // 150 N/mm = 1.5 kN/cm.
    WeldCase c(5.0);
    c.g.one_sided = 0;
    c.g.l_eff = 100.0;
    c.g.M_s_Ed = 500000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    EXPECT_NEAR(c.g.F_sigma_perp, 150.0 * std::sqrt(0.5), 1e-9);
    const Lines lines = Text_Lines(l.Take());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], T("F╬\\N,Ed╬r = (2╬/.╬rM╬\\s,Ed╬r╬/.╬r6/l╬\\eff╬r) / l╬\\eff╬r = 1.50 kN/cm"_cp));
    // A single weld of the same length takes all of it: 3 kN/cm.
    c.g.one_sided = 1;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, nullptr, 0), 0);
    EXPECT_NEAR(c.g.F_sigma_perp, 300.0 * std::sqrt(0.5), 1e-9);
}

TEST(RootForces, SlotWeldsAreNeverReckonedAsTwoWelds) {
    WeldCase c(5.0);
    c.g.kind = WELD_SLOT;
    c.g.one_sided = 0;  // detailing skipped, flag left two-sided
    c.g.l_eff = 100.0;
    c.g.V_p_Ed = 10000.0;
    ListCapture l;
    EXPECT_EQ(Calc_Weld_Forces(&c.g, l.f(), 1), 0);
    EXPECT_NEAR(c.g.F_tau_par, 100.0, 1e-9);  // N/mm
    EXPECT_EQ(Text_Lines(l.Take())[0], T("F╬\\Vp,Ed╬r = V╬\\p,Ed╬r / l╬\\eff╬r = 1.00 kN/cm"_cp));
}

// ---- forces per length given to the directional method ----

// The worked stresses (100, 50, 80 N/mm² on a = 5 mm) as forces per length
// (N/mm).
void Worked_Components(WeldCase& c) {
    c.g.method = WELD_METHOD_DIRECTIONAL;
    c.g.force_mode = WELD_FORCE_PER_LENGTH_GIVEN;
    c.g.l_w = 100.0;
    c.g.F_sigma_perp = 500.0;
    c.g.F_tau_perp = 250.0;
    c.g.F_tau_par = 400.0;
}

TEST(ForcesPerLength, DirectionalMethodTakesTheGivenComponents) {
    // With or without their resultant, the components give the worked
    // stresses and utilisations; they stay as given.
    for (double F_w : {0.0, 5.0 * std::sqrt(100.0 * 100.0 + 50.0 * 50.0 + 80.0 * 80.0)}) {
        WeldCase c(5.0);
        Worked_Components(c);
        c.g.F_w_Ed = F_w;
        EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0);
        EXPECT_NEAR(c.g.sigma_perp, 100.0, 1e-9);
        EXPECT_NEAR(c.g.tau_perp, 50.0, 1e-9);
        EXPECT_NEAR(c.g.tau_par, 80.0, 1e-9);
        EXPECT_NEAR(c.g.sigma_1_w_Ed, 191.572, 0.001);
        EXPECT_NEAR(c.g.U_max, 0.5321, 0.0001);
        EXPECT_EQ(c.g.F_sigma_perp, 500.0);
        EXPECT_EQ(c.g.F_tau_par, 400.0);
    }
}

TEST(ForcesPerLength, ResultantAloneIsTakenAlongTheWeld) {
    // Half the resistance of the worked weld (5.196 kN/cm) without a
    // direction: along the weld condition 1 gives U = 0.5, as the
    // simplified method does; it is never 0.
    for (int method : {0, (int)WELD_METHOD_DIRECTIONAL}) {
        WeldCase c(5.0);
        c.g.method = method;
        c.g.force_mode = WELD_FORCE_PER_LENGTH_GIVEN;
        c.g.l_w = 100.0;
        c.g.F_w_Ed = 0.5 * 5.0 * 360.0 / std::sqrt(3.0);
        EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0);
        EXPECT_NEAR(c.g.U_max, 0.5, 1e-9) << method;
        EXPECT_EQ(c.g.F_tau_par, 0.0);  // the given components stay
    }
    // A resultant larger than the given components governs as well.
    WeldCase c(5.0);
    Worked_Components(c);
    c.g.F_w_Ed = 2.0 * 5.0 * std::sqrt(100.0 * 100.0 + 50.0 * 50.0 + 80.0 * 80.0);
    EXPECT_EQ(Check_Weld_Directional(&c.g, nullptr, 0, ""), 0);
    EXPECT_NEAR(c.g.tau_par, 2.0 * std::sqrt(18900.0), 1e-9);
    EXPECT_EQ(c.g.sigma_perp, 0.0);
}

TEST(ForcesPerLength, InputChapterShowsWhatIsChecked) {
    WeldCase c(5.0);
    Worked_Components(c);
    c.g.F_w_Ed = 687.386;  // N/mm
    ListCapture l;
    Print_Connection_Headings(&c.g, l.f(), 1);
    Lines lines = Text_Lines(l.Take());
    auto has = [&](const std::string& line) {
        for (const std::string& x : lines)
            if (x == line) return true;
        return false;
    };
    EXPECT_TRUE(has(T("richtungsbezogenes Verfahren")));
    EXPECT_TRUE(has(T("Bemessungskräfte in der Schweißnaht  F╬\\w,Ed╬r = 6.87 kN/cm"_cp)));
    EXPECT_TRUE(has(T("parallel zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r  F╬\\Ed╬r(Í╬\\p╬r) = 4.00 kN/cm"_cp)));
    EXPECT_TRUE(has(T("senkrecht zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r  F╬\\Ed╬r(Í╬\\s╬r) = 2.50 kN/cm"_cp)));
    c.g.method = 0;
    Print_Connection_Headings(&c.g, l.f(), 1);
    lines = Text_Lines(l.Take());
    EXPECT_TRUE(has(T("vereinfachtes Verfahren")));
    EXPECT_TRUE(has(T("Bemessungskraft in der Schweißnaht  F╬\\w,Ed╬r = 6.87 kN/cm"_cp)));
    EXPECT_FALSE(has(T("parallel zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r  F╬\\Ed╬r(Í╬\\p╬r) = 4.00 kN/cm"_cp)));
}

}  // namespace
