// Flexural buckling of the member with the reduction factor of the
// European buckling curves a0 .. d.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/cp850.h"
#include "codes/alguete.h"
#include "codes/stguete.h"
#include "memberchecks/member_check.h"
#include "thinwall/dwqb.h"

namespace {

#define Out Member_Check_Printf

const double imperfection[5] = {0.13, 0.21, 0.34, 0.49, 0.76};
const char* const curve_letter[5] = {"a0", "a", "b", "c", "d"};

}  // namespace

double Calc_Member_Buckling(const Member_Buckling_Input* in, uint32_t* flags) {
    if (!in || !flags) return 0;
    const char* P = Member_Check_Prefix;
    if (in->N >= 0) {
        Out("%sKnicken:  N = %.2f kN > 0,  Nachweis nicht erforderlich !!!\n", P, in->N);
        return 0;
    }
    const double* q = DWQB_Querschnittswerte;
    double G = 81000.0;
    double f_y = in->aluminium ? Get_Aluguete_f0(in->grade) : Get_Stahlguete_fy(in->grade, 10 * q[DWQB_QW_T_MAX]);
    double E = in->aluminium ? Get_Aluguete_E(in->grade, &G) : Get_Stahlguete_E(in->grade, &G);
    if (in->options & OPT_FIRE) {
        f_y *= in->values[WORK_SLOT_FIRE_F_Y];
        E *= in->values[WORK_SLOT_FIRE_E];
    }
    f_y *= 0.1;
    E *= 0.1;
    const double A = q[DWQB_QW_A];
    const double N_pld = f_y / in->gamma_M1 * A;
    const double lambda_1 = f_y > 0 ? M_PI * std::sqrt(E / f_y) : 0;
    const double dy = q[DWQB_QW_Y_MAX] - q[DWQB_QW_Y_MIN], dz = q[DWQB_QW_Z_MAX] - q[DWQB_QW_Z_MIN];
    const double h_b = !in->turned ? (dy != 0 ? dz / dy : 0) : (dz != 0 ? dy / dz : 0);
    const double t = 10 * q[DWQB_QW_T_MAX];
    double I[2];
    if (!in->spatial) {
        if (std::fabs(q[DWQB_QW_ALPHA]) <= 0.001) {
            I[0] = q[DWQB_QW_IY];
            I[1] = q[DWQB_QW_IZ];
        } else {
            I[0] = I[1] = std::min(q[DWQB_QW_I1], q[DWQB_QW_I2]);
        }
    } else {
        I[0] = q[DWQB_QW_I1];
        I[1] = q[DWQB_QW_I2];
    }
    double U_b = 0;
    for (int c = 0; c < 2; c++) {
        const uint32_t bit = c == 0 ? OPT_BUCKLING_1 : OPT_BUCKLING_2;
        if (!(in->options & bit) || I[c] <= 1e-8) continue;
        const double beta = in->values[61 + 2 * c], L = in->values[62 + 2 * c];
        const double L_cr = beta * 100 * L;
        const double i_r = std::sqrt(I[c] / A);
        const double lambda = i_r > 0 && lambda_1 > 0 ? L_cr / (i_r * lambda_1) : 0;
        const int z_axis = c == 0 ? in->turned : !in->turned;
        const int curve = Get_Buckling_Curve(z_axis, static_cast<int>(in->grade), in->family, h_b, t, in->catalogue);
        const bool known = curve >= 0 && curve <= 4;
        const double alpha = known ? imperfection[curve] : 0.76;
        const double Phi = 0.5 * (1 + alpha * (lambda - 0.2) + lambda * lambda);
        const double chi = Phi < lambda ? 1.0 : std::min(1.0, 1 / (Phi + std::sqrt(Phi * Phi - lambda * lambda)));
        const double N_bRd = chi * N_pld;
        const double U = N_bRd != 0 ? -in->N / N_bRd : 0;
        U_b = std::max(U_b, U);
        if (!in->spatial)
            Out(c == 0 ? "%sKnicken in der Ebene" : "%sKnicken aus der Ebene heraus", P);
        else
            Out("%sKnicken um die %s-Achse", P, c == 0 ? "\xC1" : "\xD3");
        Out(":  L╬\\cr╬r = %s * L = %.2f * %.0f cm = %.0f cm,  %s╬\\vuve╬r = %.3f, %s[%s] = %.2f\n"_cp, "\xBB",
            beta, 100 * L, L_cr, "\xC5", lambda, "\xBA", known ? curve_letter[curve] : "?", alpha);
        Out("%s    %s = %.3f,  N╬\\b,Rd╬r = %s * N╬\\pl,d╬r = %.3f * %.2f kN = %.2f kN  %s  U╬\\b,Rd╬r = "
            "%.3f\n"_cp,
            P, "\xDA", Phi, "\xBC", chi, N_pld, N_bRd, "\x88", U);
        *flags |= bit;
    }
    return U_b;
}
