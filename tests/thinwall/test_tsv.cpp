// Partial-internal-forces method against plastic theory: solid rectangle,
// doubly symmetric I (centre-line plates), circular tube; the load-factor
// search; the report of the I case byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "support/testutil.h"
#include "thinwall/dwqb.h"
#include "thinwall/tsv.h"
#include "thinwall/tsv_internal.h"

namespace test_tsv {
namespace {

const double fy = 23.5;  // kN/cm2
const double yield[2] = {24.0, fy};  // the second, design value is the one used
const double kSqrt3 = std::sqrt(3.0);

// I: flanges 20 x 1.5 at z = -15 and +15, web 30 x 1.0 (flange-centre distance 30).
TSV_Querschnitt I_Section() {
    TSV_Querschnitt q{};
    q.kind = TSV_KIND_TWO_FLANGES;
    q.z_o = -15, q.b_o = 20, q.t_o = 1.5;
    q.z_u = 15, q.b_u = 20, q.t_u = 1.5;
    q.h_s = 30, q.t_s = 1.0;
    return q;
}
const double A_f = 30, A_w = 30, h = 30, t_w = 1.0;
const double N_pl_I = (2 * A_f + A_w) * fy;                 // 2115 kN
const double M_pl_I = (A_f * h + t_w * h * h / 4) * fy;     // W_pl = 1125 cm3

// One flange and a web: a T (flange 20 x 2 at z = -15 of the web centre, web
// 28 x 1), and an I turned about its weak axis (the I's web 28.5 x 1 on the
// axis, its two flanges 20 x 1.5 as one web plate of thickness 3).
TSV_Querschnitt One_Flange(double z_o, double b_o, double t_o, double z_u, double b_u, double t_u, double h_s,
                           double t_s) {
    TSV_Querschnitt q{};
    q.kind = TSV_KIND_ONE_FLANGE;
    q.z_o = z_o, q.b_o = b_o, q.t_o = t_o, q.z_u = z_u, q.b_u = b_u, q.t_u = t_u;
    q.h_s = h_s, q.t_s = t_s;
    return q;
}

TSV_Querschnitt Section(int kind, double h_s, double t_s) {
    TSV_Querschnitt q{};
    q.kind = kind;
    q.h_s = h_s, q.t_s = t_s;
    return q;
}

TSV_Ergebnis Eval(const TSV_Querschnitt& q, double N, double Vy, double Vz, double Mxp, double My, double Mz) {
    const double F[8] = {N, Vy, Vz, Mxp, My, Mz, 0, 0};
    TSV_Ergebnis r{};
    int error = -1;
    EXPECT_EQ(Eval_TSV(F, yield, &q, &r, &error), 1);
    EXPECT_EQ(error, 0);
    EXPECT_TRUE(r.flags & TSV_FILLED);
    return r;
}

struct Row {
    const char* what;
    TSV_Querschnitt q;
    double N, Vz, My, Mz;
    double U;
};

TEST(TSV, ClosedFormsAndPlates) {
    // Rectangle 10 x 20 (T x H): N_pl = f_y T H, M_pl,y = f_y T H^2/4,
    // M_pl,z = f_y H T^2/4, V_pl = f_y T H / sqrt 3. n^2 + m = 1 is the
    // plastic interaction of N with M about the strong axis.
    const double Np_r = fy * 200, Mpy_r = fy * 10 * 400 / 4, Mpz_r = fy * 20 * 100 / 4;
    // Tube D = 20, t = 1: A = pi (10^2 - 9^2), W_pl = (D^3 - d^3)/6, A_v = 2A/pi,
    // M_N = M_pl cos(pi n / 2).
    const double A_t = M_PI * (100 - 81), Np_t = fy * A_t, Mp_t = fy * (8000 - 5832) / 6.0;
    // I with N in the web: M_N = M_pl - N^2 / (4 t_w f_y); with N beyond the
    // web: M_N = (N_pl - N) h / 2.
    // T: the web (28 f_y) yields in tension, the flange takes as much in
    // compression: M_pl = 28 f_y * 15. Turned I: N up to the axis plate's N_pl
    // leaves the flanges' weak-axis M_pl = t_f b^2 f_y / 2 untouched.
    const double Mp_T = 28 * fy * 15, Np_axis = 28.5 * fy, Mp_weak = 1.5 * 400 / 2 * fy;
    const Row rows[] = {
        {"T pure M_y", One_Flange(-15, 20, 2, 0, 0, 0, 28, 1), 0, 0, 0.5 * Mp_T, 0, 0.5},
        {"T pure -M_y", One_Flange(-15, 20, 2, 0, 0, 0, 28, 1), 0, 0, -0.25 * Mp_T, 0, 0.25},
        {"turned I, N on the axis plate", One_Flange(0, 0, 0, 0, 28.5, 1, 20, 3), 0.5 * Np_axis, 0, 0.5 * Mp_weak, 0,
         0.5},
        {"rectangle n^2 + m = 1", Section(15, 20, 10), 0.6 * Np_r, 0, 0.64 * Mpy_r, 0, 1.0},
        {"rectangle turned", Section(15, 10, 20), 0.6 * Np_r, 0, 0, 0.64 * Mpy_r, 1.0},
        {"rectangle pure M_z", Section(15, 20, 10), 0, 0, 0, 0.5 * Mpz_r, 0.5},
        {"rectangle pure V_z", Section(15, 20, 10), 0, 1000, 0, 0, 1000 / (Np_r / kSqrt3)},
        {"tube N with M", Section(1, 20, 1), 0.5 * Np_t, 0, Mp_t * std::cos(M_PI / 4), 0, 1.0},
        {"tube M_y and M_z", Section(1, 20, 1), 0, 0, 0.3 * Mp_t, 0.4 * Mp_t, 0.5},
        {"tube shear A_v = 2A/pi", Section(1, 20, 1), 0, 300, 0, 0, 300 / (2 * A_t / M_PI * fy / kSqrt3)},
        {"I pure N", I_Section(), 1000, 0, 0, 0, 1000 / N_pl_I},
        {"I pure M_y", I_Section(), 0, 0, 0.5 * M_pl_I, 0, 0.5},
        {"I N in the web with M_y", I_Section(), 400, 0, 12000, 0, 12000 / (M_pl_I - 400.0 * 400 / (4 * t_w * fy))},
        {"I N beyond the web with M_y", I_Section(), 1000, 0, 8000, 0, 8000 / ((N_pl_I - 1000) * h / 2)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const TSV_Ergebnis r = Eval(row.q, row.N, 0, row.Vz, 0, row.My, row.Mz);
        EXPECT_NEAR(r.U, row.U, 1e-9 * std::max(1.0, row.U));
    }
    // The plate limits of the I under N: the web's N_pl and the flanges'.
    const TSV_Ergebnis r = Eval(I_Section(), 1000, 0, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(r.N_max, N_pl_I);
    EXPECT_DOUBLE_EQ(r.N_s_max, A_w * fy);
    EXPECT_DOUBLE_EQ(r.M_s_max, (N_pl_I - 1000) * h / 2);
}

// The search finds the limit factor itself: U = 1/lambda of the load at
// which the section reaches its resistance, not of one anywhere in the band
// 0.995 to 1 (aiming at 0.9975 put 0.25 % on every searched U).
TEST(TSV, LoadFactorSearch) {
    // Pure N scales linearly: U = N / N_pl (every raised trial beyond N_pl
    // stops at the normal-force stage).
    const double F_n[8] = {1000, 0, 0, 0, 0, 0, 0, 0};
    const TSV_Querschnitt q = I_Section();
    TSV_Ergebnis r{};
    ASSERT_EQ(Calc_TSV(F_n, yield, &q, &r), 1);
    EXPECT_NEAR(r.U, 1000 / N_pl_I, 1e-9);
    // M_y alone: U = M / M_pl, below and above the resistance.
    for (double share : {0.3, 0.8, 0.99, 1.01, 1.2}) {
        const double F[8] = {0, 0, 0, 0, share * M_pl_I, 0, 0, 0};
        ASSERT_EQ(Calc_TSV(F, yield, &q, &r), 1);
        EXPECT_NEAR(r.U, share, 1e-9) << share;
    }

    // N = 300, M_y = 12000 raised together: lambda M = M_pl - (lambda N)^2 / (4 t_w f_y)
    // (lambda N stays in the web), U = 1 / lambda.
    const double N = 300, M = 12000, a = N * N / (4 * t_w * fy);
    const double lambda = (-M + std::sqrt(M * M + 4 * a * M_pl_I)) / (2 * a);
    ASSERT_LT(lambda * N, A_w * fy);
    const double F_nm[8] = {N, 0, 0, 0, M, 0, 0, 0};
    ASSERT_EQ(Calc_TSV(F_nm, yield, &q, &r), 1);
    EXPECT_NEAR(r.U, 1 / lambda, 1e-9);

    // Overload by 1.5 in bending: U reports it.
    const double F_over[8] = {0, 0, 0, 0, 1.5 * M_pl_I, 0, 0, 0};
    ASSERT_EQ(Calc_TSV(F_over, yield, &q, &r), 1);
    EXPECT_NEAR(r.U, 1.5, 1e-9);

    // No result record: 0. No section: nothing computed, U stays 0.
    EXPECT_EQ(Calc_TSV(F_n, yield, &q, nullptr), 0);
    ASSERT_EQ(Calc_TSV(F_n, yield, nullptr, &r), 1);
    EXPECT_EQ(r.flags, 0u);
    EXPECT_EQ(r.U, 0.0);
    EXPECT_EQ(r.U_N, -1.0);
}

// Forces exactly on the resistance are accepted as they are: U = 1, not the
// reciprocal of a factor searched towards the middle of the accepted band
// (0.9975, U = 1.0025) because the last bits of M_pl put U_0 a hair above 1.
// Also a web on its plastic shear, which stops the evaluation once beyond,
// and an I at N_pl, whose range of main moments has shrunk to one moment.
TEST(TSV, ForcesOnTheResistanceGiveOne) {
    const TSV_Querschnitt I = I_Section(), tube = Section(1, 20, 1);
    const double A_t = M_PI * (100 - 81), Mp_t = fy * (8000 - 5832) / 6.0;
    struct Case {
        const char* what;
        const TSV_Querschnitt* q;
        double N, V_z, M_y;
        double U;
    } const cases[] = {
        {"I at M_pl", &I, 0, 0, M_pl_I, 1.0},
        {"I at N_pl", &I, N_pl_I, 0, 0, 1.0},
        {"I at -N_pl", &I, -N_pl_I, 0, 0, 1.0},
        {"I a rounding beyond N_pl", &I, N_pl_I * (1 + 1e-12), 0, 0, 1.0},
        {"I web at its plastic shear", &I, 0, A_w * fy / kSqrt3, 0, 1.0},
        {"tube at M_pl", &tube, 0, 0, Mp_t, 1.0},
        {"tube at N_pl", &tube, fy * A_t, 0, 0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double F[8] = {c.N, 0, c.V_z, 0, c.M_y, 0, 0, 0};
        TSV_Ergebnis r{};
        ASSERT_EQ(Calc_TSV(F, yield, c.q, &r), 1);
        EXPECT_NEAR(r.U, c.U, 1e-9);
        EXPECT_TRUE(r.flags & TSV_FILLED);
    }
    // At N_pl the moment range is the single moment 0: a moment beside it
    // (1 % of M_pl) overloads the section.
    const double F[8] = {N_pl_I, 0, 0, 0, 0.01 * M_pl_I, 0, 0, 0};
    TSV_Ergebnis r{};
    ASSERT_EQ(Calc_TSV(F, yield, &I, &r), 1);
    EXPECT_GT(r.U, 1.0);
}

// The shear areas of the section record and the reduction of the yield
// strength for shear: none up to half the plastic shear resistance, beyond
// it (1 - rho) f_y with rho = (2 V/V_pl - 1)^2 on the shear area. The I
// above (plates 30 cm2 each, N_pl 705 kN per plate, tau_R = 23.5/3^0.5):
//  - V_z = 0.8 V_pl of the web plate: rho = 0.6^2 = 0.36, the web keeps
//    0.64: N_s = 451.2 kN, M_pl = 2 15 705 + 30 451.2/4 = 24534 kNcm;
//  - a shear area of 40 cm2 for the web: V_z = 0.8 (40 tau_R) gives the same;
//  - of it 10 cm2 in the flanges: they lose 0.36 10 of their 60 cm2, keep
//    0.94: N_o = 662.7 kN, M_pl = 2 15 662.7 + 3384 = 23265 kNcm;
//  - V_z = 0.5 (40 tau_R): no reduction;
//  - the flanges' shear area 48 cm2 (smaller than their 60): V_y = 0.6 (48
//    tau_R), 0.3 (48 tau_R) per flange on 24 cm2, U = 0.6, rho = 0.04;
//    80 cm2 (larger) is not taken: 0.3 48/30 = 0.48 on the plate, no
//    reduction.
// A tube D 20, t 1 under V = 0.8 V_pl (A_v = 2A/pi) keeps 0.64 of N_pl.
TEST(TSV, ShearAreasAndTheReductionForShear) {
    const double tau_R = fy / kSqrt3, Np = 30 * fy, A_t = M_PI * (100 - 81);
    auto with = [](double A_v_s, double A_v_sf, double A_v_f) {
        TSV_Querschnitt q = I_Section();
        q.A_v_s = A_v_s, q.A_v_sf = A_v_sf, q.A_v_f = A_v_f;
        return q;
    };
    struct Row {
        const char* what;
        TSV_Querschnitt q;
        double V_y, V_z;
        double U_tau, N_o, N_s, M_max;
    } const rows[] = {
        {"web plate", with(0, 0, 0), 0, 0.8 * 30 * tau_R, 0.8, Np, 0.64 * Np, 2 * 15 * Np + 30 * 0.64 * Np / 4},
        {"web's shear area", with(40, 0, 0), 0, 0.8 * 40 * tau_R, 0.8, Np, 0.64 * Np, 2 * 15 * Np + 7.5 * 0.64 * Np},
        {"part of it in the flanges", with(40, 10, 0), 0, 0.8 * 40 * tau_R, 0.8, 0.94 * Np, 0.64 * Np,
         2 * 15 * 0.94 * Np + 7.5 * 0.64 * Np},
        {"half the resistance", with(40, 10, 0), 0, 0.5 * 40 * tau_R, 0.5, Np, Np, 2 * 15 * Np + 7.5 * Np},
        {"flanges' smaller area", with(0, 0, 48), 0.6 * 48 * tau_R, 0, 0.6, 0.96 * Np, Np,
         2 * 15 * 0.96 * Np + 7.5 * Np},
        {"flanges' larger area", with(0, 0, 80), 0.6 * 48 * tau_R, 0, 0.48, Np, Np, 2 * 15 * Np + 7.5 * Np},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const TSV_Ergebnis r = Eval(row.q, 0, row.V_y, row.V_z, 0, 0, 0);
        EXPECT_NEAR(r.U_tau, row.U_tau, 1e-9);
        EXPECT_NEAR(r.N_o_max, row.N_o, 1e-9 * Np);
        EXPECT_NEAR(r.N_s_max, row.N_s, 1e-9 * Np);
        EXPECT_NEAR(r.M_s_max, row.M_max, 1e-9 * row.M_max);
    }
    const TSV_Ergebnis r = Eval(Section(1, 20, 1), 0, 0, 0.8 * 2 * A_t / M_PI * tau_R, 0, 0, 0);
    EXPECT_NEAR(r.U_tau, 0.8, 1e-9);
    EXPECT_NEAR(r.N_max, 0.64 * fy * A_t, 1e-9 * fy * A_t);
}

// The search's rules for a trial that stops at a stage, on trials of a
// section that carries U = lambda u_1 up to lambda_s and stops beyond it
// (a stage whose own utilisation reads u_stop, below the limit, as an
// evaluation that stops for a reason of its own may): a stopped trial is
// never carried, so the limit factor is lambda_s, raised to from below or
// reduced to from forces that stop; and forces that stop take 1 / lambda
// only where lambda is below 1 (no value from a factor above it).
struct Stopping {
    double u_1, lambda_s, u_stop;
};

double Stopping_Trial(void* context, double lambda, bool* passed) {
    const Stopping& s = *static_cast<const Stopping*>(context);
    *passed = lambda < s.lambda_s;
    return *passed ? lambda * s.u_1 : s.u_stop;
}

TEST(TSV, TrialsThatStopAtAStage) {
    const struct {
        Stopping section;
        double lambda;
    } searches[] = {{{0.5, 1.6, 0.9}, 1.6}, {{1.0, 0.5, 0.7}, 0.5}, {{0.3, 0.8, 0.2}, 0.8}};
    for (const auto& c : searches) {
        SCOPED_TRACE(c.lambda);
        Stopping section = c.section;
        const TSV_Trial trial{Stopping_Trial, &section};
        bool passed0;
        const double u0 = Stopping_Trial(&section, 1, &passed0);
        const TSV_Limit_Factor found = Search_TSV_Limit_Factor(&trial, passed0 ? u0 : 1.5, passed0);
        EXPECT_TRUE(found.has_factor && found.converged);
        EXPECT_NEAR(found.factor, c.lambda, 1e-9);
    }
    const struct {
        bool filled, converged;
        double U, factor, U_after;
        bool filled_after;
    } rules[] = {
        {false, true, 0, 0.8, 1.25, true},     // forces that stop: 1 / lambda
        {false, true, 0, 1.25, 0, false},      // ... never below 1
        {true, true, 0.9, 1 / 0.95, 0.95, true},
        {true, true, 1.3, 1 / 1.2, 1.2, true},
        {true, true, 1.3, 1 / 0.99, 1.3, true},  // a factor above 1 leaves U beyond the limit
        {true, false, 1.3, 1 / 1.4, 1.4, true},
    };
    for (const auto& r : rules) {
        SCOPED_TRACE(std::to_string(r.U) + " " + std::to_string(r.factor));
        bool filled = r.filled;
        const TSV_Limit_Factor found{r.factor, true, r.converged};
        EXPECT_NEAR(TSV_Searched_U(r.U, &filled, &found), r.U_after, 1e-12);
        EXPECT_EQ(filled, r.filled_after);
    }
}

TEST(TSV, PrepareReadsTheWorkRecord) {
    Section_Work_Record w{};
    // payload: reference, top centre, web centre, bottom centre, b_o t_o h_s t_s b_u t_u
    const float p[14] = {0, 0, 0, -15, 0, 0, 0, 15, 20, 1.5f, 30, 1, 20, 1.5f};
    for (int i = 0; i < 14; i++) w.payload[i] = p[i];
    Set_Section_Work_Code(nullptr, &w.head, 3 | (7 << 4) | 0x1000000);
    Init_DWQB_Model();
    const double F[8] = {0, 0, 0, 0, 0.995 * M_pl_I, 0, 0, 0};
    TSV_Ergebnis r{};
    ASSERT_EQ(Prepare_TSV_Querschnitt(F, yield, nullptr, &w.head, "", &r), 1);
    EXPECT_NEAR(r.U, 0.995, 1e-12);
    EXPECT_EQ(Prepare_TSV_Querschnitt(F, yield, nullptr, nullptr, "", &r), 0);
}

TEST(TSV, ReportOfTheICase) {
    // V_y = 20 splits into 10 per flange; V_z = 100 on the web (A_w = 30).
    // U_tau,o = (10/30) sqrt3 / 23.5 = 0.02457, U_tau,s = (100/30) sqrt3 / 23.5 = 0.24568;
    // both below 0.5: the yield strengths stay whole, N_pl,o = N_pl,s = 30 * 23.5 = 705;
    // N limits +-3 * 705 = 2115; M_pl = 2 * 15 * 705 + 30 * 705 / 4 = 26437.5 kNcm;
    // U_My = 10000 / 26437.5 = 0.378 (one evaluation, no load-factor search).
    const TSV_Ergebnis r = Eval(I_Section(), 0, 20, 100, 0, 10000, 0);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Print_TSV_Result(f, 0, " ", &r), 1);
    const std::string expected = std::string(
        " Teilschnittgrößen Gurt oben:  V╬\\o╬r = 10.00 kN,  M╬\\xp,o╬r = 0.00 kNm,  M╬\\Sa,o╬r = 0.00 kNm\n"
        " Teilschnittgrößen Gurt unten:  V╬\\u╬r = 10.00 kN,  M╬\\xp,u╬r = 0.00 kNm,  M╬\\Sa,u╬r = 0.00 kNm\n"
        " Teilschnittgrößen Steg:  V╬\\s╬r = 100.00 kN,  M╬\\xp,s╬r = 0.00 kNm\n"
        " Teilschnittgrößen Hauptbiegung (Schwerpunkt):  N = 0.00 kN,  M╬\\y,s╬r = 100.00 kNm\n"
        " Ausnutzung aus Schub:  U╬\\" "\xD6" ",o╬r = 0.025,  U╬\\" "\xD6" ",u╬r = 0.025,  U╬\\" "\xD6"
        ",s╬r = 0.246  " "\x88" "  U╬\\" "\xD6" "╬r = 0.246\n"
        " Reduktionsfaktoren der Streckgrenzen:   " "\xC1" "╬\\y," "\xD6" ",o╬r = 1.000,  " "\xC1" "╬\\y," "\xD6"
        ",u╬r = 1.000,  " "\xC1" "╬\\y," "\xD6" ",s╬r = 1.000\n"
        " Ausnutzung aus Gurtbiegung M╬\\Sa╬r:   U╬\\MS,o╬r = 0.000,  U╬\\MS,u╬r = 0.000  " "\x88"
        "  U╬\\MS╬r = 0.000\n"
        " Grenznormalkräfte Gurt oben:  -705.00 kN ≤ N╬\\o╬r ≤ 705.00 kN\n"
        " Grenznormalkräfte Gurt unten:  -705.00 kN ≤ N╬\\u╬r ≤ 705.00 kN\n"
        " Grenznormalkräfte Steg:  -705.00 kN ≤ N╬\\s╬r ≤ 705.00 kN\n"
        " Ausnutzung Normalkraft:  -2115.00 kN ≤ N ≤ 2115.00 kN  " "\x88" "  U╬\\N╬r = 0.000\n"
        " Ausnutzung y-Moment (Schwerpunkt):  -264.38 kNm ≤ M╬\\y,s╬r ≤ 264.38 kNm  " "\x88"
        "  U╬\\My╬r = 0.378\n"
        " Ausnutzung aus Laststeigerung der Teilschnittgrößen:  U╬\\" "\xCC" ",pl╬r = 0.378\n"_cp);
    EXPECT_EQ(testutil::Stream_All(f), expected);
    std::fclose(f);
    EXPECT_EQ(Print_TSV_Result(nullptr, 0, "", &r), 0);
    EXPECT_EQ(Print_TSV_Result(stdout, 0, "", nullptr), 0);
}

}  // namespace

}  // namespace test_tsv
