// Bearing resistance of a bolt and helpers of the sizing routines.
#include "endplate/bolt_bearing.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/stored_text.h"
#include "endplate/input_limits.h"

namespace {

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// f_y of the plate for its thickness t (cm): the grade's value for thick
// plates above 40 mm, where the grade has one; 0 without a grade.
double Plate_Yield_Strength(const Stahlsorte_Record* plate, double t) {
    if (!plate) return 0.0;
    if (t > 4.0 && plate->f_y_thick > 0.0f) return std::min(plate->f_y, plate->f_y_thick);
    return plate->f_y;
}

}  // namespace

int Calc_Bolt_Bearing(const Schraube_Record* bolt, const Stahlsorte_Record* plate, double gamma_M, int direction,
                      double t, double e, double e1, double e2, double e3, double sigma, double N, double V,
                      double* V_l) {
    const double edge = direction == 1 ? e1 : e;
    if (!Partial_Factor_Usable(gamma_M, "Lochleibung")) {
        if (V_l) *V_l = 0.0;
        return BEARING_DATA_ERROR;
    }
    const double f_y = Plate_Yield_Strength(plate, t);
    if (Check_Schraube(bolt) || !(f_y > 0.0) || !(t > 0.0) || !(edge > 0.0) || !(e2 >= 0.0) || !(e3 >= 0.0) ||
        !Finite({t, edge, e2, e3, sigma, N, V, f_y})) {
        if (V_l) *V_l = 0.0;
        Data_Error_Message();
        return BEARING_DATA_ERROR;
    }
    const double f = 0.1 * f_y;
    double D_s, D;
    if (Fitted_Bolt(*bolt))
        D_s = D = 0.1 * bolt->d_L;  // a fitted bolt fills its hole
    else
        D_s = 0.1 * bolt->d, D = 0.1 * bolt->d + 0.1 * bolt->clearance;
    const double r = edge / D, r2 = e2 / D, r3 = e3 / D;
    int code = BEARING_OK;
    if (direction == 1 && r < 1.2)
        code = BEARING_SHORT_END;
    else if (direction != 1 && r < 2.2)
        code = BEARING_SHORT_SIDE;
    else if (r3 < 2.4)
        code = BEARING_SHORT_SPACING;
    else if (r2 < 1.2)
        code = BEARING_SHORT_EDGE_2;
    const double a_full = direction == 1 ? 1.1 * r - 0.3 : 1.08 * r - 0.77;
    const double a_red = direction == 1 ? 0.73 * r - 0.2 : 0.72 * r - 0.51;
    double alpha = a_full;
    if (!(r2 > 1.5 && r3 > 3.0)) alpha = a_red + (std::min(r2, 1.5) - 1.2) * 3.3333333333333335 * (a_full - a_red);
    if ((bolt->kind == SCHRAUBE_KIND_SLV || bolt->kind == SCHRAUBE_KIND_GV) && sigma >= 0.999 * f / gamma_M) {
        if (bolt->kind == SCHRAUBE_KIND_SLV) {
            // Friction of the preloaded bolt; a normal force that takes the
            // whole preload leaves no friction. The shear acts either way,
            // and a pressing force adds no clamping to the preload.
            const double tension = std::max(N, 0.0);
            const double friction = (1.0 - tension / bolt->F_v) * bolt->F_v * 0.4347826086956522;
            if (!(friction > 0.0) || std::fabs(V) / friction * gamma_M > 1.0) return BEARING_SHORT_END;
        }
        alpha += 0.5;
    }
    // A negative factor would be a negative resistance; none is left then.
    alpha = std::clamp(alpha, 0.0, 3.0);
    if (V_l) *V_l = alpha * D_s * t * f / gamma_M;
    return code;
}

void Round_Up_Throat(double a, double* out) {
    if (!out) return;
    if (!std::isfinite(a)) a = 0.0;
    a = std::clamp(a, -1e6, 1e6);
    long n = static_cast<long>(10.0 * a);
    if (n % 5 != 0) n = (n + 4) / 5 * 5;
    *out = 0.1 * std::max(n, 15L);
}

int Calc_Stress_Ratio(double sigma_1, double sigma_2, double* sigma_ref, double* psi) {
    double ref = 0.0, ratio = 0.0;
    const bool small = std::fabs(sigma_1) < 0.1 && std::fabs(sigma_2) < 0.1;
    if (!small && sigma_1 != 0.0 && sigma_2 != 0.0 && Finite({sigma_1, sigma_2})) {
        const bool first = std::fabs(sigma_1) >= std::fabs(sigma_2);
        ref = first ? sigma_1 : sigma_2;
        ratio = std::clamp((first ? sigma_2 : sigma_1) / ref, -1.0, 1.0);
    }
    if (sigma_ref) *sigma_ref = ref;
    if (psi) *psi = ratio;
    return 0;
}

int Update_Utilisation(float F, float* u, float R, float* max_a, float* max_b) {
    float v = R != 0.0f ? std::fabs(F / R) : (F == 0.0f ? 0.0f : 999.0f);
    if (!std::isfinite(v)) v = 999.0f;
    if (u) *u = v;
    if (max_b && v > *max_b) *max_b = v;
    if (max_a && v > *max_a) *max_a = v;
    return 0;
}
