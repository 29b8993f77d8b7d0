// Design formulas of the connection library.
#include "endplate/design_formulas.h"

#include <algorithm>
#include <cmath>

#include "endplate/input_limits.h"

int Calc_Buckling_Chi(int curve, double lambda, double extra, double* chi) {
    static const double ALPHA[4] = {0.21, 0.34, 0.49, 0.76};
    const double alpha = ALPHA[curve >= 0 && curve <= 3 ? curve : CURVE_D];
    double c = 1.0;
    if (lambda > 3.0) {
        c = 1.0 / (lambda * (lambda + alpha));
    } else if (lambda > 0.2) {
        const double phi = 0.5 * (extra + 1.0 + alpha * (lambda - 0.2) + lambda * lambda);
        c = 1.0 / (phi + std::sqrt(phi * phi - lambda * lambda));
    } else if (!(lambda <= 0.2)) {
        c = 0.0;  // a slenderness that is not a number
    }
    if (chi) *chi = std::isfinite(c) ? c : 0.0;
    return 0;
}

int Select_Buckling_Curves(int code, double h, double b, double t, int* curve_1, int* curve_2, int* curve_3) {
    int c[3];
    const int kind = code < 0 ? -code : code;
    if (kind == 1) {
        c[0] = 0, c[1] = 1, c[2] = 1;
        // A section without width counts as a narrow one.
        const double r = b > 0.0 ? h / b : HUGE_VAL;
        // Flanges of 40 to 80 mm take curves b and c, 80 mm included.
        if ((r <= 1.2 && t <= 8.0) || (r > 1.2 && t > 4.001 && t <= 8.0)) c[0] = 1, c[1] = 2, c[2] = 2;
        if (t > 8.0) c[0] = c[1] = c[2] = 3;
        if (code < 0) {
            c[0] = 1, c[1] = 2, c[2] = 2;
            if (t > 4.001) c[0] = 2, c[1] = 3, c[2] = 3;
        }
    } else if (kind >= 2 && kind <= 4) {
        c[0] = c[1] = c[2] = 2;
    } else if (kind == 6 || kind == 7) {
        c[0] = c[1] = c[2] = 0;
    } else {
        return 0;
    }
    if (curve_1) *curve_1 = c[0];
    if (curve_2) *curve_2 = c[1];
    if (curve_3) *curve_3 = c[2];
    return 0;
}

int Calc_LTB_Kappa_M(double n, double lambda_M, int, int, int, int, double* kappa_M) {
    double k = 1.0;
    if (!(lambda_M <= 0.4)) k = n > 0.0 ? std::pow(1.0 / (1.0 + std::pow(lambda_M, 2.0 * n)), 1.0 / n) : 0.0;
    if (kappa_M) *kappa_M = std::isfinite(k) ? k : 0.0;
    return 0;
}

int Calc_Bolt_Shear_Resistance(const Schraube_Record* bolt, double gamma_M, int planes, double* V_R) {
    if (!V_R) return 0;
    *V_R = 0.0;
    if (!Partial_Factor_Usable(gamma_M, "Abscheren")) return 0;
    if (Check_Schraube(bolt) || planes <= 0) return 0;
    const double D = Fitted_Bolt(*bolt) ? bolt->d_L : bolt->d;
    const double alpha_a = bolt->klasse == 3 ? 0.55 : 0.6;
    *V_R = alpha_a * 0.1 * bolt->f_u_b * (planes * 0.7853981633974483) * (0.1 * D) * (0.1 * D) / gamma_M;
    return 0;
}

double Max_Abs6(double a, double b, double c, double d, double e, double f) {
    return std::max({std::fabs(a), std::fabs(b), std::fabs(c), std::fabs(d), std::fabs(e), std::fabs(f)});
}

double Round_Up_Tenth(double x) {
    if (!(std::fabs(x) <= 1e8)) return x;
    return static_cast<long long>(10.0 * x + 0.99) * 0.1;
}
