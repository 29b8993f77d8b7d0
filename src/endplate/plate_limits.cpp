// b/t limits of plate parts.
#include "endplate/plate_limits.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "endplate/input_limits.h"

namespace {

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// k_sigma of an outstand.
double K_Sigma_Outstand(bool free_edge_more_compressed, double psi) {
    if (free_edge_more_compressed) return 0.57 - 0.21 * psi + 0.07 * psi * psi;
    if (psi >= 0.0) return 0.578 / (psi + 0.34);
    return 1.7 - 5.0 * psi + 17.1 * psi * psi;
}

}  // namespace

void Calc_Plate_Bt_Limit(int edge_case, double* limit, int method, double f_y, double sigma_a, double sigma_b,
                         double gamma_M) {
    if (!limit) return;
    // Input that gives no limit must not leave the running one: the part
    // would pass unchecked.
    if (!Partial_Factor_Usable(gamma_M, "b/t-Grenzwert") || !(f_y > 0.0) || !Finite({f_y, sigma_a, sigma_b})) {
        *limit = 0.0;
        return;
    }
    const double s_a = -10.0 * sigma_a, s_b = -10.0 * sigma_b;
    const double s_max = s_a >= s_b ? s_a : s_b;
    if (s_max <= 0.1 && method == BT_ELASTIC) return;
    const bool internal = edge_case == BT_INTERNAL;
    const double root = std::sqrt(240.0 / f_y);
    double L = 0.0;
    if (method >= 1) {
        if (!internal) {
            L = 11.0 * root;
            if (method == BT_PLASTIC) L *= 0.8181818181818182;
        } else {
            double alpha;
            if (sigma_a < 0.0 && sigma_b < 0.0)
                alpha = 1.0;
            else if (!(sigma_a < 0.0) && !(sigma_b < 0.0))
                alpha = 0.5;
            else  // opposite signs: the compressed share of the width
                alpha = std::fabs(std::min(sigma_a, sigma_b)) / (std::fabs(sigma_a) + std::fabs(sigma_b));
            L = 37.0 * root / alpha;
            if (method == BT_PLASTIC) L *= 0.8648648648648649;
        }
    } else {
        // The more compressed edge and the stress ratio.
        const bool a_more = s_a > s_b;
        const double sigma_1 = a_more ? s_a : s_b, other = a_more ? s_b : s_a;
        double psi = 0.0;
        if (std::fabs(sigma_1) >= 1.0) psi = std::max(other / sigma_1, -1.0);
        if (method < 0) {
            if (!internal) {
                L = 11.0 * root;
            } else {
                double alpha = 0.5;
                if (sigma_a < 0.0 && sigma_b < 0.0)
                    alpha = 1.0;
                else if ((sigma_a < 0.0) != (sigma_b < 0.0))
                    alpha = std::min(std::fabs(psi), 1.0);
                if (!(alpha > 0.0)) return;  // no compressed share: no limit
                L = 37.0 * root / alpha;
            }
        } else {
            if (!(sigma_1 > 0.0)) return;
            const double r = std::sqrt(240.0 / (gamma_M * sigma_1));
            if (!internal) {
                const bool free_more = edge_case == BT_OUTSTAND_FREE_B ? !a_more : (edge_case == BT_OUTSTAND_FREE_A ? a_more : true);
                L = 19.7 * r * std::sqrt(K_Sigma_Outstand(free_more, psi));
            } else if (psi >= 0.0) {
                L = 27.1 * (1.0 - 0.278 * psi - 0.025 * psi * psi) * std::sqrt(8.2 / (1.05 + psi)) * r;
            } else {
                L = 27.1 * std::sqrt(7.81 - 6.29 * psi + 9.78 * psi * psi) * r;
            }
        }
    }
    if (L < *limit) *limit = L;
}

void Calc_Plate_Bt_Limit_2(int edge_case, int, double f_y, double sigma_a, double sigma_b, double gamma_M,
                           double* limit, int method) {
    if (sigma_a > 0.0 && sigma_b > 0.0) return;
    Calc_Plate_Bt_Limit(edge_case, limit, method, f_y, sigma_a, sigma_b, gamma_M);
}

void Check_Profile_Bt_Limits(const Profile_Bt_Input* in, Profile_Bt_Result* result) {
    if (!in || !result) return;
    const Profile_Bt_Section& p = in->section;
    const int type = p.type;
    const double f_y = in->f_y, gamma_M = in->gamma_M;
    const double t_o = p.t_o, t_u = p.t_u, t_w = p.t_w;
    double bt[BT_GROUPS] = {0.0, 0.0, 0.0};
    double L[BT_GROUPS] = {999.0, 999.0, 999.0};
    auto finish = [&]() {
        for (int g = 0; g < BT_GROUPS; g++) {
            result->slenderness[g] = bt[g];
            if (L[g] < result->limit[g]) result->limit[g] = L[g];
        }
    };
    // The thicknesses each type divides by.
    const bool needs_t_o = type == BT_I || type == BT_TEE || type == BT_CHANNEL || type == BT_ANGLE ||
                           type == BT_TUBE || type == BT_BOX;
    const bool needs_t_w = type == BT_I || type == BT_TEE || type == BT_CHANNEL || type == BT_BOX;
    const bool needs_t_u = type == BT_I;
    const bool usable = Partial_Factor_Usable(gamma_M, "b/t-Grenzwerte") && f_y > 0.0 && p.A > 0.0 &&
                        Finite({f_y, p.r, p.b_o, t_o, p.b_u, t_u, p.h, t_w, in->N, in->M_y, in->M_z, p.A, p.W_o,
                                p.W_z, p.W_u}) &&
                        (!needs_t_o || t_o > 0.0) && (!needs_t_w || t_w > 0.0) && (!needs_t_u || t_u > 0.0);
    if (!usable) {
        // Nothing can be checked: no part may pass.
        L[BT_GROUP_1] = L[BT_GROUP_2] = L[BT_GROUP_3] = 0.0;
        finish();
        return;
    }
    const double M_y = in->M_y, M_z = in->M_z;
    const double sigma_N = in->N / p.A;
    const double sigma_o = p.W_o > 0.0 ? sigma_N - M_y / p.W_o : sigma_N;
    const double sigma_Mz = p.W_z > 0.0 ? M_z / p.W_z : 0.0;
    double sigma_u = p.W_u > 0.0 ? sigma_N + M_y / p.W_u : sigma_N;
    const double c = std::max(0.5 * t_w, p.r);
    // An outstand's first stress is its free tip, the second its supported edge.
    auto check = [&](int group, int edge_case, double first, double second) {
        if (first <= 0.0 || second <= 0.0)
            Calc_Plate_Bt_Limit(edge_case, &L[group], in->method, f_y, first, second, gamma_M);
    };
    const int outstand = BT_OUTSTAND_FREE_A, internal = BT_INTERNAL;
    switch (type) {
    case BT_I:
        check(BT_GROUP_1, outstand, sigma_o + sigma_Mz, sigma_o);
        check(BT_GROUP_1, outstand, sigma_o - sigma_Mz, sigma_o);
        check(BT_GROUP_2, internal, sigma_o, sigma_u);
        check(BT_GROUP_3, outstand, sigma_u + sigma_Mz, sigma_u);
        check(BT_GROUP_3, outstand, sigma_u - sigma_Mz, sigma_u);
        bt[BT_GROUP_1] = (p.b_o - t_w - 2 * c) / 2 / t_o;
        bt[BT_GROUP_2] = (p.h - 2 * c) / t_w;
        bt[BT_GROUP_3] = (p.b_u - t_w - 2 * c) / 2 / t_u;
        break;
    case BT_TEE:
        check(BT_GROUP_1, outstand, sigma_o + sigma_Mz, sigma_o);
        check(BT_GROUP_1, outstand, sigma_o - sigma_Mz, sigma_o);
        check(BT_GROUP_2, outstand, sigma_u, sigma_o);
        bt[BT_GROUP_1] = (p.b_o - t_w - 2 * c) / 2 / t_o;
        bt[BT_GROUP_2] = (p.h - c) / t_w;
        break;
    case BT_CHANNEL:
        check(BT_GROUP_1, outstand, sigma_u + sigma_Mz, sigma_o + sigma_Mz);
        check(BT_GROUP_1, outstand, sigma_u - sigma_Mz, sigma_o - sigma_Mz);
        check(BT_GROUP_2, internal, sigma_o + sigma_Mz, sigma_o - sigma_Mz);
        bt[BT_GROUP_1] = (p.b_o - c) / t_o;
        bt[BT_GROUP_2] = (p.h - 2 * t_o - 2 * c) / t_w;
        break;
    case BT_ANGLE: {
        const double tip = p.W_o > 0.0 ? sigma_N + M_y / p.W_o : sigma_N;
        check(BT_GROUP_1, outstand, tip + sigma_Mz, sigma_o);
        check(BT_GROUP_1, outstand, tip - sigma_Mz, sigma_o);
        bt[BT_GROUP_1] = (p.b_o - t_o - c) / t_o;
        break;
    }
    case BT_TUBE: {
        const double sigma_M = p.W_o > 0.0 ? std::sqrt(M_z * M_z + M_y * M_y) / p.W_o : 0.0;
        const double s = std::max(std::fabs(sigma_N + sigma_M), std::fabs(sigma_N - sigma_M));
        // Without stress there is no limit.
        if (s > 0.0)
            L[BT_GROUP_1] = s <= 0.1 * f_y / gamma_M ? (90.0 - sigma_N / s) * 24.0 / (gamma_M * s)
                                                     : 1680.0 / (gamma_M * s);
        bt[BT_GROUP_1] = p.b_o / t_o;
        break;
    }
    case BT_BOX:
        sigma_u = p.W_o > 0.0 ? sigma_N + M_y / p.W_o : sigma_N;
        check(BT_GROUP_2, internal, sigma_o + sigma_Mz, sigma_o - sigma_Mz);
        check(BT_GROUP_2, internal, sigma_u + sigma_Mz, sigma_o + sigma_Mz);
        check(BT_GROUP_2, internal, sigma_u - sigma_Mz, sigma_o - sigma_Mz);
        check(BT_GROUP_2, internal, sigma_u + sigma_Mz, sigma_u - sigma_Mz);
        bt[BT_GROUP_2] = std::max((p.b_o - 2 * t_o) / t_o, p.h / t_w);
        break;
    default:
        break;
    }
    finish();
}

void Calc_Profile_Bt_Limits(int type, double f_y, double gamma_M, double r, double b_o, double t_o, double b_u,
                            double t_u, double h, double t_w, double N, double M_y, double M_z, double A, double W_o,
                            double W_z, double W_u, int, int, double* bt_1, double* bt_2, double* bt_3,
                            double* lim_1, double* lim_2, double* lim_3, int method) {
    const Profile_Bt_Input in{{type, r, b_o, t_o, b_u, t_u, h, t_w, A, W_o, W_z, W_u}, f_y, gamma_M, N, M_y, M_z,
                              method};
    double* const bt[BT_GROUPS] = {bt_1, bt_2, bt_3};
    double* const lim[BT_GROUPS] = {lim_1, lim_2, lim_3};
    Profile_Bt_Result result;
    for (int g = 0; g < BT_GROUPS; g++) result.limit[g] = lim[g] ? *lim[g] : 999.0;
    Check_Profile_Bt_Limits(&in, &result);
    for (int g = 0; g < BT_GROUPS; g++) {
        if (bt[g]) *bt[g] = result.slenderness[g];
        if (lim[g]) *lim[g] = result.limit[g];
    }
}
