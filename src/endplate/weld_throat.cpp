// Weld throat searches and the sizing chains of bars on end plates.
#include "endplate/weld_throat.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/cp850.h"
#include "platform/msgbox.h"

namespace {

// The refusal of a sizing: its box (none without a window; the result 2
// tells the caller).
int No_Throat(double* a_w, double a, double* sigma_w, double sigma) {
    if (!VEK_Batch_Mode())
        PrintMessage("%s", "Achtung, Probleme bei der Schweißnahtberechnung\n erf. Nahtdicke wird zu groß (erf aw > 30 mm)"_cp);
    if (a_w) *a_w = a;
    if (sigma_w) *sigma_w = sigma;
    return 2;
}

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

double Stress(double F_sigma, double F_tau, double length, double a) {
    const double sigma = F_sigma / (length * a), tau = F_tau / (length * a);
    return std::sqrt(sigma * sigma + tau * tau);
}

// The nine outputs of a sizing chain.
struct Welds {
    double a[3] = {0, 0, 0}, sigma[3] = {0, 0, 0}, F[3] = {0, 0, 0};
};

void Store(const Welds& w, double* a_1, double* a_2, double* a_3, double* s_1, double* s_2, double* s_3, double* F_1,
           double* F_2, double* F_3) {
    double* out[9] = {a_1, a_2, a_3, s_1, s_2, s_3, F_1, F_2, F_3};
    const double v[9] = {w.a[0], w.a[1], w.a[2], w.sigma[0], w.sigma[1], w.sigma[2], w.F[0], w.F[1], w.F[2]};
    for (int i = 0; i < 9; i++)
        if (out[i]) *out[i] = v[i];
}

}  // namespace

int Check_Schweissnaht_aw(double* a_w, double* sigma_w, FILE*, double l, double F_sigma, double F_tau,
                          double sigma_allowed, double a_max) {
    if (!(l > 0.0) || !Finite({l, F_sigma, F_tau, sigma_allowed, a_max})) return No_Throat(a_w, 3.0, sigma_w, 0.0);
    double a = 0.3, s = 0.0;
    for (int trial = 0; trial < 27; trial++, a += 0.1) {
        s = Stress(F_sigma, F_tau, 2.0 * l, a);
        if (s <= sigma_allowed) {
            if (a_w) *a_w = a;
            if (sigma_w) *sigma_w = s;
            return a > a_max ? 1 : 0;
        }
    }
    return No_Throat(a_w, 3.0, sigma_w, s);
}

int Check_Schweissnaht_aw_n(double l, double a_0, double F_sigma, double F_tau, double sigma_allowed, double a_max,
                            int n, double* a_w, double* sigma_w, FILE*) {
    if (a_w) *a_w = a_0;
    const double length = n * l;
    if (!(length > 0.0) || !(a_0 > 0.0) || !Finite({l, a_0, F_sigma, F_tau, sigma_allowed, a_max}))
        return No_Throat(a_w, a_0, sigma_w, 0.0);
    // A first trial beyond the last one gets one trial only.
    for (double a = a_0;; a += 0.1) {
        const double s = Stress(F_sigma, F_tau, length, a);
        if (s <= sigma_allowed) {
            if (a_w) *a_w = a;
            if (sigma_w) *sigma_w = s;
            return a > a_max ? 1 : 0;
        }
        if (a > 2.9) return No_Throat(a_w, a + 0.1, sigma_w, s);
    }
}

int Size_Welds_Single_Load(double A, double B, double t, double d, double F, double sigma_allowed, int switch_,
                           double* a_1, double* a_2, double* a_3, double* sigma_1, double* sigma_2, double* sigma_3,
                           double* F_1, double* F_2, double* F_3, FILE* trace) {
    Welds w;
    Store(w, a_1, a_2, a_3, sigma_1, sigma_2, sigma_3, F_1, F_2, F_3);
    const double a_max = 0.7 * t, h = F / 2;
    if (!(B > 0.0)) return No_Throat(nullptr, 0.0, nullptr, 0.0);  // no width to share the force
    const double T = switch_ ? h * A / B : 0.5 * A * h / B;
    // Length, normal and shear force of each weld.
    const double welds[3][3] = {{A - d, std::fabs(h), T},
                                {B - d, switch_ ? 2.0 * T : 0.0, h},
                                {A - d, 0.0, T}};
    const int count = switch_ ? 2 : 3;
    int result = 0;
    for (int i = 0; i < count; i++) {
        result = Check_Schweissnaht_aw(&w.a[i], &w.sigma[i], trace, welds[i][0], welds[i][1], welds[i][2],
                                       sigma_allowed, a_max);
        if (result > 0) return result;  // the outputs stay 0
    }
    w.F[0] = w.F[2] = T;
    w.F[1] = h;
    Store(w, a_1, a_2, a_3, sigma_1, sigma_2, sigma_3, F_1, F_2, F_3);
    return result;
}

int Size_Welds_Two_Loads(double A, double B, double t, double L_1, double L_2, double a_max, double d, double P_1,
                         double P_2, double sigma_allowed, int switch_, double* a_1, double* a_2, double* a_3,
                         double* sigma_1, double* sigma_2, double* sigma_3, double* F_1, double* F_2, double* F_3,
                         FILE* trace) {
    Welds w;
    Store(w, a_1, a_2, a_3, sigma_1, sigma_2, sigma_3, F_1, F_2, F_3);
    if (!(B > 0.0)) return No_Throat(nullptr, 0.0, nullptr, 0.0);
    const double loads[2] = {0.5 * std::min(P_1, P_2), 0.5 * std::max(P_1, P_2)};
    const int count = switch_ ? 2 : 3;
    int worst = 0;
    bool second_kept = false;
    double T_of[2] = {0, 0};
    for (int k = 0; k < 2; k++) {
        const double h = loads[k], T = switch_ ? h * A / B : h * (A - t) / B;
        T_of[k] = T;
        const double welds[3][3] = {{L_1 - d, std::fabs(h), T}, {L_2 - d, switch_ ? T : 0.0, h}, {L_1 - d, 0.0, T}};
        for (int i = 0; i < count; i++) {
            double a = 0.0, s = 0.0;
            const int r = Check_Schweissnaht_aw(&a, &s, trace, welds[i][0], welds[i][1], welds[i][2], sigma_allowed,
                                                a_max);
            worst = std::max(worst, r);
            // The first load sets every weld; the second replaces a smaller
            // throat (switch 0: an equal one as well).
            const bool take = k == 0 || a > w.a[i] || (!switch_ && a == w.a[i]);
            if (take) {
                w.a[i] = a, w.sigma[i] = s;
                if (k == 1) second_kept = true;
            }
        }
    }
    const int kept = second_kept ? 1 : 0;
    w.F[0] = w.F[2] = T_of[kept];
    w.F[1] = loads[kept];
    Store(w, a_1, a_2, a_3, sigma_1, sigma_2, sigma_3, F_1, F_2, F_3);
    return worst;
}
