// tsv: evaluation and load-factor search of the partial-internal-forces
// method; the report is in tsv_print.cpp, the plate description of profiles
// in tsv_profil.cpp.
#include "thinwall/tsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/invariant.h"
#include "base/rounding.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/engine_faults.h"
#include "thinwall/tsv_internal.h"

namespace {

const double kInvSqrt3 = 0.5773502691896258;
const double kSqrt3 = 1.732050807568877;
const double kPi = 3.141592653589793;

// Every stage limit and the accepted band compare with the relative
// tolerance of Compare_To_Limit: forces computed on the resistance are on
// it, not a rounding error beyond it.
bool Beyond_One(double u) { return Compare_To_Limit(u, 1.0) > 0; }
// The share of the yield strength a shear area keeps under the shear
// utilisation u (shear force over its plastic shear resistance), as the
// steel rules reduce it: none up to half the resistance, beyond it by
// rho = (2u - 1)^2; 0 on the resistance.
double Shear_Strength_Share(double u) {
    if (u <= 0.5) return 1.0;
    const double rho = (2 * u - 1) * (2 * u - 1);
    return std::max(0.0, 1 - rho);
}

// Every evaluation starts from this: flags 0, the partial forces and limits
// 0, rho_s and the utilisations -1 (not computed), U 0.
TSV_Ergebnis Default_Result() {
    TSV_Ergebnis r{};
    r.rho_s = -1.0;
    r.U_tau = r.U_tau_o = r.U_tau_u = r.U_tau_s = -1.0;
    r.U_MS = r.U_MS_o = r.U_MS_u = -1.0;
    r.U_N = r.U_My = -1.0;
    return r;
}

// Utilisation of value within [lo, hi] measured from the middle of the range
// towards the bound on its side. 0 when the range gives no measure.
int Range_Utilisation(double value, double lo, double hi, double* u) {
    const double mid = (lo + hi) / 2, l = lo - mid, h = hi - mid, n = value - mid;
    if (n < l) {
        if (l < 0) return *u = n / l, 1;
        return 0;
    }
    if (n > h) {
        if (h > 0) return *u = n / h, 1;
        return 0;
    }
    // + 0.0: an acting value in the middle reads 0, never -0.
    if (n <= 0 && l < 0) return *u = n / l + 0.0, 1;
    if (n >= 0 && h > 0) return *u = n / h, 1;
    return 0;
}

// Shear forces and moments turned by the angle of the principal axes.
void Principal_Forces(const double* F, double alpha, double* Vy, double* Vz, double* My, double* Mz) {
    *Vy = F[1], *Vz = F[2], *My = F[4], *Mz = F[5];
    if (alpha == 0) return;
    const double c = std::cos(alpha), s = std::sin(alpha);
    *Vy = F[1] * c - F[2] * s;
    *Vz = F[1] * s + F[2] * c;
    *My = F[4] * c - F[5] * s;
    *Mz = F[4] * s + F[5] * c;
}

struct Plate {
    double y, z, b, t, a;   // centre relative to the reference point, width, thickness, area
    bool present;
};

Plate Make_Plate(double y, double z, double b, double t, double y_r, double z_r) {
    Plate p{y - y_r, z - z_r, b, t, 0, b > 0 && t > 0};
    if (p.present) p.a = b * t;
    return p;
}

// Limits of the normal force of a flange bent in its own plane by M_Sa with
// the eccentricity of its centre; false when the bending alone exceeds it.
void Flange_Limits(const Plate& p, double f_y, double rho, double M_Sa, double* u, double* n_min, double* n_max) {
    *u = 0;
    *n_min = *n_max = 0;
    if (!p.present) return;
    const double e = p.b != 0 ? 2 * p.y / p.b : 0;
    const double n_pl = p.a * f_y * rho;
    const double den = p.b * n_pl;
    // A flange whose shear took all its strength carries no moment of its
    // own: any moment beyond rounding overloads it (as its utilisation
    // rises without bound while its strength runs out), rather than
    // reading 0 and passing the section with a flange bent by nothing.
    const double full = p.b * p.a * f_y;
    const double m_full = full != 0 ? 4 * M_Sa / full : 0;
    const double m = den != 0 ? 4 * M_Sa / den : std::fabs(m_full) > LIMIT_TOLERANCE ? 1000.0 : 0.0;
    *u = std::fabs(m) / (1 + e * e);
    if (Beyond_One(*u)) return;
    const double lo = std::sqrt(std::max(0.0, 1 + e * e + m)), hi = std::sqrt(std::max(0.0, 1 + e * e - m));
    *n_min = m < 2 * e ? n_pl * (e - lo) : -n_pl * (hi + e);
    *n_max = -m < 2 * e ? n_pl * (hi - e) : n_pl * (lo + e);
}

int Eval_Circle(const double* F, double f_y, const TSV_Querschnitt* q, double Vy, double Vz, double My0, double Mz0,
                TSV_Ergebnis* r) {
    const double R = q->h_s / 2, rr = R - q->t_s;
    if (q->t_s <= 0 || q->h_s <= 0 || (q->h_s - q->t_s) / 2 <= 0) return 1;
    const double inner = std::max(rr, 0.0);
    r->flags = 0xC00010;
    const double V = std::sqrt(Vy * Vy + Vz * Vz), M = std::sqrt(My0 * My0 + Mz0 * Mz0);
    r->V_s = V;
    r->M_xp_s = F[3];
    r->N = F[0];
    r->M_y_r = r->M_y_s = M;
    const double D2 = R * R - inner * inner, D3 = R * R * R - inner * inner * inner;
    double tau = D2 != 0 ? 0.5 * V / D2 : 0;
    if (2.0943951023931953 * D3 != 0) tau += 0.477464829275686 * std::fabs(F[3]) / D3;
    r->f_y = f_y;
    r->tau_R = kInvSqrt3 * f_y;
    double rho = 1;
    if (r->tau_R != 0) {
        r->U_tau = r->U_tau_s = tau * kSqrt3 / f_y;
        if (Beyond_One(r->U_tau)) return 1;
        // The whole wall keeps the share of its shear area (2A/pi, the
        // shear stress above): never more than the steel rules leave it.
        rho = Shear_Strength_Share(r->U_tau);
    } else {
        r->U_tau = r->U_tau_s = 0;
    }
    r->flags = 0xC00011;
    const double N_pl = f_y * kPi * D2 * rho;
    r->N_s_min = r->N_min = -N_pl;
    r->N_s_max = r->N_max = N_pl;
    r->rho_s = rho;
    // A section without strength carries nothing: any force overloads it.
    r->U_N = N_pl > 0 ? std::fabs(F[0]) / N_pl : (F[0] != 0 ? 1000.0 : 0.0);
    if (Beyond_One(r->U_N)) return 1;
    const double M_pl = f_y * 1.3333333333333333 * D3 * rho;
    const double M_N = M_pl * std::sin((1 - r->U_N) * 1.5707963267948966);
    r->M_min = r->M_s_min = -M_N;
    r->M_max = r->M_s_max = M_N;
    const double m = M_pl > 0 ? M / M_pl : (M != 0 ? 1000.0 : 0.0);
    const double g = m <= 1 ? 0.6366197723675814 * std::asin(m) : m;
    r->U_My = std::max(m, g + r->U_N);
    r->U = std::max({r->U_My, r->U_N, r->U_tau});
    r->flags = 0x1C0001F;
    return 0;
}

int Eval_Rectangle(const double* F, double f_y, const TSV_Querschnitt* q, double Vy, double Vz, double My0,
                   double Mz0, TSV_Ergebnis* r) {
    if (q->h_s <= 0 || q->t_s <= 0) return 1;
    r->flags = 0x148001F;
    const double V = std::sqrt(Vy * Vy + Vz * Vz);
    r->V_s = V;
    r->M_xp_s = F[3];
    r->N = F[0];
    r->M_Sa_o = r->M_Sa_u = Mz0;
    r->M_y_r = r->M_y_s = My0;
    const bool upright = q->t_s <= q->h_s;
    const double H = upright ? q->h_s : q->t_s, T = upright ? q->t_s : q->h_s;
    const double M1 = upright ? My0 : Mz0, M2 = upright ? Mz0 : My0;
    const double w_t = T * T * (2 * H - T);
    const double tau_T = w_t != 0 ? 2 * std::fabs(F[3]) / w_t : 0;
    const double tau_V = V / (T * H);
    const double tau = std::sqrt(tau_V * tau_V + tau_T * tau_T) + tau_T;
    r->U_tau = r->U_tau_s = f_y != 0 ? tau * kSqrt3 / f_y : 0;
    r->f_y = f_y;
    r->tau_R = kInvSqrt3 * f_y;
    const double N_pl = f_y * T * H;
    r->N_s_min = r->N_min = -N_pl;
    r->N_s_max = r->N_max = N_pl;
    r->rho_s = 1.0;
    // A section without strength: every force overloads it.
    const double big = 1000.0;
    r->U_N = N_pl != 0 ? std::fabs(F[0]) / N_pl : (F[0] != 0 ? big : 0);
    const double u1 = N_pl != 0 ? std::fabs(M1) * 0.5 / (H * 0.25 * N_pl) : (M1 != 0 ? big : 0);
    const double U1 = std::sqrt(r->U_N * r->U_N + u1 * u1) + u1;
    const double u2 = N_pl != 0 ? std::fabs(M2) * 0.5 / (0.25 * T * N_pl) : (M2 != 0 ? big : 0);
    const double U2 = std::sqrt(U1 * U1 + u2 * u2) + u2;
    r->U = std::sqrt(U2 * U2 + r->U_tau * r->U_tau);
    r->U_My = upright ? U1 : U2;
    r->U_MS = upright ? U2 : U1;
    return 0;
}

// Web moment term of the main-moment limits for the web's share n of N.
double Web_Term(double h_s, double n_pl_s, double n) {
    return n_pl_s != 0 ? h_s * (n_pl_s * n_pl_s - n * n) / (4 * n_pl_s) : 0;
}

// The three plates of a section about its reference point, and the
// centroid's height z_c.
struct Three_Plates {
    Plate o, u, s;
    double z_c;
};

// The plates' partial forces: shear forces and flange moments of the
// flanges from the shear-centre torsion and the warping moment, the torsion
// shared by the plates' stiffness, the main moment about the reference
// point. False when the section lacks a web or both flanges.
bool Partial_Forces(const double* F, const TSV_Querschnitt* q, TSV_Ergebnis* r, Three_Plates* p) {
    const Plate& o = p->o;
    const Plate& u = p->u;
    const Plate& s = p->s;
    const double y_M = q->y_M - q->y_r, z_M = q->z_M - q->z_r;
    const double a_sum = o.a + u.a + s.a;
    const double omega = a_sum != 0 ? -(o.y * o.z * o.a + u.y * u.z * u.a) / a_sum : 0;
    double Vy, Vz, My, Mz;
    Principal_Forces(F, q->alpha, &Vy, &Vz, &My, &Mz);
    const double N = F[0];
    if (o.present) r->flags |= TSV_TOP_FLANGE;
    if (u.present) r->flags |= TSV_BOTTOM_FLANGE;
    if (s.present) r->flags |= TSV_WEB;
    const double y_c = a_sum != 0 ? (o.y * o.a + u.y * u.a + s.y * s.a) / a_sum : 0;
    const double z_c = a_sum != 0 ? (o.z * o.a + u.z * u.a + s.z * s.a) / a_sum : 0;
    p->z_c = z_c;
    const double it_o = o.a * o.t * o.t / 3, it_u = u.a * u.t * u.t / 3, it_s = s.a * s.t * s.t / 3;
    const double it = it_o + it_u + it_s;
    if (!s.present || (!o.present && !u.present)) return false;
    r->flags |= TSV_PARTIAL_FORCES;

    const double M_y_r = My + N * z_c, M_z_c = Mz - N * y_c;
    double V_o = 0, V_u = 0, MSa_o = 0, MSa_u = 0;
    if (o.present && u.present) {
        const double a = u.z - o.z;
        if (a != 0) {
            const double M_xs = F[6] + y_M * Vz - z_M * Vy;
            // The bimoment about the web's line: the flanges' moments are
            // taken about it, so that a flange beside the web (a Z's, a
            // channel's) carrying its uniform share of N has the moment of
            // that share about the line, which omega N gives; with the
            // flanges' limits (their eccentricity e) that is no bending.
            const double M_w = F[7] + omega * N + y_M * My + z_M * Mz;
            V_o = (M_xs + u.z * Vy) / a;
            V_u = -(M_xs + o.z * Vy) / a;
            MSa_o = (u.z * M_z_c - M_w) / a;
            MSa_u = (M_w - o.z * M_z_c) / a;
        }
    } else if (o.present) {
        V_o = Vy;
        MSa_o = M_z_c;
    } else {
        V_u = Vy;
        MSa_u = M_z_c;
    }
    r->V_o = V_o;
    r->V_u = V_u;
    r->V_s = Vz;
    r->M_xp_o = it != 0 ? F[3] * it_o / it : 0;
    r->M_xp_u = it != 0 ? F[3] * it_u / it : 0;
    r->M_xp_s = it != 0 ? F[3] * it_s / it : 0;
    r->M_Sa_o = MSa_o;
    r->M_Sa_u = MSa_u;
    r->N = N;
    r->M_y_r = M_y_r;
    r->M_y_s = M_y_r - N * z_c;
    return true;
}

// Shear stage: each plate's shear stress - its shear force over its shear
// area plus the St. Venant stress at its face - against tau_R, and the share
// of the yield strength each keeps for normal stress; false when one is
// beyond 1. The shear areas are the steel rules' where the section record
// gives them: the web's (which may reach into the flanges: their strength
// then falls by the web's reduction on that part), the flanges' where
// smaller than the plates'.
bool Shear_Stage(const Three_Plates& p, const TSV_Querschnitt* q, double f_y, TSV_Ergebnis* r) {
    const double a_f = p.o.a + p.u.a;
    const double web_area = q->A_v_s > 0 ? q->A_v_s : p.s.a;
    const double flange_scale = q->A_v_f > 0 && a_f > 0 ? std::min(1.0, q->A_v_f / a_f) : 1.0;
    auto shear = [](const Plate& pl, double area, double V, double M_xp) {
        const double tv = area != 0 ? V / area : 0;
        const double w = (2 * pl.b - pl.t) * pl.t * pl.t;
        const double tt = w != 0 ? 2 * std::fabs(M_xp) / w : 0;
        return std::sqrt(tv * tv + tt * tt) + tt;
    };
    const double tau_o = shear(p.o, p.o.a * flange_scale, r->V_o, r->M_xp_o);
    const double tau_u = shear(p.u, p.u.a * flange_scale, r->V_u, r->M_xp_u);
    const double tau_s = shear(p.s, web_area, r->V_s, r->M_xp_s);
    r->f_y = f_y;
    r->tau_R = kInvSqrt3 * f_y;
    if (r->tau_R == 0) {
        r->U_tau_o = r->U_tau_u = r->U_tau_s = r->U_tau = r->tau_R = 0;
        r->rho_o = r->rho_u = r->rho_s = 1;
    } else {
        r->U_tau_o = tau_o * kSqrt3 / f_y;
        r->U_tau_u = tau_u * kSqrt3 / f_y;
        r->U_tau_s = tau_s * kSqrt3 / f_y;
        r->U_tau = std::max({r->U_tau_o, r->U_tau_u, r->U_tau_s});
        if (Beyond_One(r->U_tau)) return false;
        r->rho_s = Shear_Strength_Share(r->U_tau_s);
        // The web's shear area in the flanges, spread over both by area.
        const double lost = q->A_v_sf > 0 && a_f > 0 ? (1 - r->rho_s) * q->A_v_sf / a_f : 0;
        r->rho_o = std::max(0.0, Shear_Strength_Share(r->U_tau_o) - lost);
        r->rho_u = std::max(0.0, Shear_Strength_Share(r->U_tau_u) - lost);
    }
    r->flags |= TSV_SHEAR_PASSED;
    return true;
}

// The main-moment limits M_min, M_max about the reference point for the
// acting N: plastic stress blocks with the neutral axis in the top flange,
// the bottom flange or the web (also at a flange lying within the web).
void Main_Moment_Limits(const Three_Plates& p, double N, double npl_s, const TSV_Ergebnis* r, double* M_lo,
                        double* M_hi) {
    const double zo = p.o.z, zu = p.u.z, hs = p.s.b;
    const double No_min = r->N_o_min, No_max = r->N_o_max, Nu_min = r->N_u_min, Nu_max = r->N_u_max;
    auto w = [&](double n) { return Web_Term(hs, npl_s, n); };
    double M_min, M_max;
    if (No_max + Nu_min - npl_s > N)
        M_min = (N + npl_s - Nu_min) * zo + zu * Nu_min;
    else if (No_max + Nu_min + npl_s <= N)
        M_min = (N - No_max - npl_s) * zu + zo * No_max;
    else
        M_min = zo * No_max + zu * Nu_min - w(N - No_max - Nu_min);
    if (Nu_max + No_min - npl_s > N)
        M_max = zo * No_min + (N + npl_s - No_min) * zu;
    else if (Nu_max + No_min + npl_s <= N)
        M_max = (N - Nu_max - npl_s) * zo + zu * Nu_max;
    else
        M_max = zo * No_min + zu * Nu_max + w(N - No_min - Nu_max);
    const bool top_inside = std::fabs(2 * zo) < 0.99999 * hs;
    const bool bottom_inside = std::fabs(2 * zu) < 0.99999 * hs;
    // The web's plastic axis at the height of a flange lying within the web:
    // that flange takes what the other and the web leave of N.
    auto axis_at_flange = [&](double z_in, double in_min, double in_max, double z_other, double other_min,
                              double other_max) {
        if (npl_s == 0 || hs == 0) return;
        const double e = 2 * z_in * npl_s / hs;
        for (double other : {other_min, other_max}) {
            double x = N - e - other;
            if (in_min <= x && x <= in_max) M_min = std::min(M_min, x * z_in + z_other * other - w(e));
            x = N + e - other;
            if (in_min <= x && x <= in_max) M_max = std::max(M_max, x * z_in + z_other * other + w(-e));
        }
    };
    if (top_inside) axis_at_flange(zo, No_min, No_max, zu, Nu_min, Nu_max);
    if (bottom_inside) axis_at_flange(zu, Nu_min, Nu_max, zo, No_min, No_max);
    if (top_inside || bottom_inside) {
        for (double No : {No_min, No_max})
            for (double Nu : {Nu_min, Nu_max}) {
                const double n = N - No - Nu;
                if (std::fabs(n) <= npl_s) {
                    M_min = std::min(M_min, zo * No + zu * Nu - w(n));
                    M_max = std::max(M_max, zo * No + zu * Nu + w(n));
                }
            }
    }
    *M_lo = M_min;
    *M_hi = M_max;
}

// The main moment's utilisation within its limits about the centroid.
void Moment_Stage(const Three_Plates& p, double N, double npl_s, TSV_Ergebnis* r) {
    double M_min, M_max;
    Main_Moment_Limits(p, N, npl_s, r, &M_min, &M_max);
    const double z_c = p.z_c;
    r->M_min = M_min;
    r->M_max = M_max;
    r->M_s_min = M_min - N * z_c;
    r->M_s_max = M_max - N * z_c;
    if (Range_Utilisation(r->M_y_s, r->M_s_min, r->M_s_max, &r->U_My)) return;
    // With N on its plastic resistance the range has collapsed to the
    // one moment the fully yielded plates give; an acting moment on it
    // (within the limit tolerance of the plates' moment scale) sits in
    // the middle of that range, any other lies beyond it.
    const double zo = p.o.z, zu = p.u.z, hs = p.s.b;
    const double scale = std::fabs(zo) * std::max(-r->N_o_min, r->N_o_max) +
                         std::fabs(zu) * std::max(-r->N_u_min, r->N_u_max) + npl_s * hs / 4 + std::fabs(N * z_c);
    const double band = LIMIT_TOLERANCE * scale;
    const bool on_point =
        r->M_s_max - r->M_s_min <= band && std::fabs(r->M_y_s - (r->M_s_min + r->M_s_max) / 2) <= band;
    r->U_My = on_point ? 0.0 : 1000.0;
}

int Eval_Plates(const double* F, double f_y, const TSV_Querschnitt* q, TSV_Ergebnis* r) {
    Three_Plates p{Make_Plate(q->y_o, q->z_o, q->b_o, q->t_o, q->y_r, q->z_r),
                   Make_Plate(q->y_u, q->z_u, q->b_u, q->t_u, q->y_r, q->z_r),
                   Make_Plate(q->y_w, q->z_w, q->h_s, q->t_s, q->y_r, q->z_r), 0.0};
    if (!Partial_Forces(F, q, r, &p)) return 1;
    if (!Shear_Stage(p, q, f_y, r)) return 1;
    Flange_Limits(p.o, f_y, r->rho_o, r->M_Sa_o, &r->U_MS_o, &r->N_o_min, &r->N_o_max);
    Flange_Limits(p.u, f_y, r->rho_u, r->M_Sa_u, &r->U_MS_u, &r->N_u_min, &r->N_u_max);
    r->U_MS = std::max(r->U_MS_o, r->U_MS_u);
    if (Beyond_One(r->U_MS)) return 1;
    r->flags |= TSV_SHEAR_PASSED | TSV_FLANGE_PASSED;
    const double N = F[0];
    const double npl_s = f_y * p.s.a * r->rho_s;
    r->N_s_min = -npl_s;
    r->N_s_max = npl_s;
    r->N_min = r->N_o_min - npl_s + r->N_u_min;
    r->N_max = r->N_o_max + npl_s + r->N_u_max;
    if (!Range_Utilisation(N, r->N_min, r->N_max, &r->U_N)) {
        r->U_N = 1000.0;
        return 1;
    }
    if (Beyond_One(r->U_N)) return 1;
    r->flags |= TSV_NORMAL_PASSED;
    Moment_Stage(p, N, npl_s, r);
    r->U = std::max({r->U_N, r->U_My, std::max(r->U_tau, r->U_MS)});
    r->flags = (r->flags & (TSV_TOP_FLANGE | TSV_BOTTOM_FLANGE | TSV_WEB)) | 0x100001F;
    return 0;
}

// The utilisation a trial stands for: the overall U when all four stages
// passed and it is not negative, else the largest stage utilisation.
double Trial_U(const TSV_Ergebnis* r, bool* passed) {
    *passed = (r->flags & TSV_ALL_PASSED) == TSV_ALL_PASSED;
    if (*passed && r->U >= 0) return r->U;
    return std::max({r->U_N, r->U_My, r->U_tau, r->U_MS, 0.0});
}

}  // namespace

int Eval_TSV(const double* forces, const double* yield, const TSV_Querschnitt* q, TSV_Ergebnis* r, int* error) {
    if (error) *error = 1;
    if (!r) return 0;
    *r = Default_Result();
    if (!yield || !q || !forces) return 1;
    const double f_y = yield[1];
    const double* F = forces;
    int failed = 1;
    switch (q->kind) {
    case TSV_KIND_ONE_FLANGE:
    case TSV_KIND_TWO_FLANGES:
        failed = Eval_Plates(F, f_y, q, r);
        break;
    case TSV_KIND_CIRCLE:
    case TSV_KIND_ROUND_BAR:
    case TSV_KIND_RECTANGLE: {
        double Vy, Vz, My, Mz;
        Principal_Forces(F, q->alpha, &Vy, &Vz, &My, &Mz);
        const double My0 = My + F[0] * (q->z_s - q->z_r), Mz0 = Mz - F[0] * (q->y_s - q->y_r);
        failed = q->kind == TSV_KIND_RECTANGLE ? Eval_Rectangle(F, f_y, q, Vy, Vz, My0, Mz0, r)
                                               : Eval_Circle(F, f_y, q, Vy, Vz, My0, Mz0, r);
        break;
    }
    default:
        break;
    }
    if (error) *error = failed;
    return 1;
}

double Eval_TSV_Residual(void* context, int* error, double lambda) {
    auto* ctx = static_cast<TSV_Residual_Context*>(context);
    if (!ctx || !ctx->result || !ctx->forces) {
        if (error) *error = 1;
        return 10.0;
    }
    double scaled[8];
    for (int i = 0; i < 8; i++) scaled[i] = ctx->forces[i] * lambda;
    int failed = 1;
    Eval_TSV(scaled, ctx->yield, ctx->section, ctx->result, &failed);
    const TSV_Ergebnis* r = ctx->result;
    if (failed && (r->flags & TSV_ALL_PASSED) != TSV_ALL_PASSED) {
        if (error) *error = 1;
        return 10.0;
    }
    const double u = r->U >= 0 ? r->U : std::max({r->U_N, r->U_My, r->U_tau, r->U_MS, 0.0});
    return u - ctx->target;
}

namespace {

const int kTrials = 100;
// U at the forces as given is taken as it stands inside this band; the
// search for the limit load factor, once needed, aims at the limit itself:
// a factor taken anywhere inside the band would report 1/lambda up to
// 0.5 % high.
const double kLow = 0.995, kHigh = 1.0;

bool Accepted(double u) { return Compare_To_Limit(u, kLow) >= 0 && Compare_To_Limit(u, kHigh) <= 0; }
bool On_Limit(double u) { return Compare_To_Limit(u, 1.0) == 0; }
// A bracket of factors narrower than this is the limit factor.
bool Closed(double lo, double hi) { return std::fabs(hi - lo) <= 1e-12 * std::max(std::fabs(lo), std::fabs(hi)); }

// The limit load factor: the largest factor on the forces that the plates
// carry (every stage passed, U within the limit). A trial that stops at a
// stage (a flange whose shear leaves it no strength for its moment, say)
// gives no U to interpolate with but still bounds the factor from above;
// the bracket between a carried and an overloaded factor is narrowed until
// it closes on the limit, so that the factor follows the forces without a
// gap where the governing stage changes.
struct Search {
    const TSV_Trial* trial;
    double lo, u_lo, hi, u_hi;
    bool has_lo, has_hi, hi_passed;
    double factor;       // accepted factor, or the lower bracket when not converged
    bool has_factor, converged;

    double Trial(double lambda, bool* passed) { return trial->evaluate(trial->context, lambda, passed); }
    static bool Carried(bool passed, double u) { return passed && !Beyond_One(u); }
    void Accept(double lambda) {
        factor = lambda;
        has_factor = converged = true;
    }
    void Give_Up_With_Lower() {
        factor = lo;
        has_factor = true;
        converged = false;
    }
    // Takes a trial into the bracket; true when it is the limit itself.
    bool Take(double lambda, double u, bool passed) {
        if (passed && On_Limit(u)) {
            Accept(lambda);
            return true;
        }
        if (Carried(passed, u)) {
            lo = lambda, u_lo = u, has_lo = true;
        } else {
            hi = lambda, u_hi = u, hi_passed = passed, has_hi = true;
        }
        return false;
    }

    // A carried lower and an overloaded upper factor: interpolated where
    // both gave their U, halved every other trial (and where the upper one
    // stopped at a stage), so that the bracket at least halves in two.
    void Narrow() {
        for (int i = 0; i < 3 * kTrials; i++) {
            if (Closed(lo, hi)) return Accept(lo);
            double lambda = (lo + hi) / 2;
            if (i % 2 == 0 && hi_passed && u_hi > u_lo) {
                const double t = std::clamp((1 - u_lo) / (u_hi - u_lo), 0.02, 0.98);
                lambda = lo + t * (hi - lo);
            }
            if (!(lo < lambda && lambda < hi)) lambda = (lo + hi) / 2;
            if (!(lo < lambda && lambda < hi)) return Accept(lo);
            bool passed;
            const double u = Trial(lambda, &passed);
            if (Take(lambda, u, passed)) return;
        }
        Give_Up_With_Lower();
    }

    // Brent's root finding on U(lambda) - 1 inside [lo, hi]; true when it
    // found the limit factor (U on the limit, or the bracket closed on it).
    bool Brent() {
        double a = lo, b = hi, fa = u_lo - 1, fb = u_hi - 1;
        double c = b, fc = fb, d = b - a, e = d;
        for (int iter = 0; iter < kTrials; iter++) {
            if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
                c = a;
                fc = fa;
                e = d = b - a;
            }
            if (std::fabs(fc) < std::fabs(fb)) {
                a = b;
                b = c;
                c = a;
                fa = fb;
                fb = fc;
                fc = fa;
            }
            const double tol = 2e-12 * std::fabs(b) + 5e-13;
            const double xm = 0.5 * (c - b);
            if (std::fabs(xm) <= tol) {
                Accept(b);
                return true;
            }
            if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
                const double s = fb / fa;
                double p, q;
                if (a == c) {
                    p = 2 * xm * s;
                    q = 1 - s;
                } else {
                    const double qq = fa / fc, r = fb / fc;
                    p = s * (2 * xm * qq * (qq - r) - (b - a) * (r - 1));
                    q = (qq - 1) * (r - 1) * (s - 1);
                }
                if (p > 0) q = -q;
                p = std::fabs(p);
                if (2 * p < std::min(3 * xm * q - std::fabs(tol * q), std::fabs(e * q))) {
                    e = d;
                    d = p / q;
                } else {
                    d = xm;
                    e = d;
                }
            } else {
                d = xm;
                e = d;
            }
            a = b;
            fa = fb;
            b += std::fabs(d) > tol ? d : (xm > 0 ? tol : -tol);
            bool passed;
            fb = Trial(b, &passed) - 1;
            if (!passed) return false;
            if (On_Limit(fb + 1)) {
                Accept(b);
                return true;
            }
        }
        return false;
    }

    void Both_Brackets() {
        const bool straddle = hi_passed && (u_lo - 1) * (u_hi - 1) < 0;
        if (straddle) {
            const double lo0 = lo, u_lo0 = u_lo, hi0 = hi, u_hi0 = u_hi;
            if (Brent()) return;
            lo = lo0, u_lo = u_lo0, hi = hi0, u_hi = u_hi0, hi_passed = true;
        }
        Narrow();
    }

    // Raise the factor from a carried one until an overloaded one bounds it.
    void Raise() {
        for (int i = 0; i < kTrials; i++) {
            if (has_hi) return Both_Brackets();
            const double lambda = u_lo > 0 && 1 / u_lo > lo ? 1.1 / u_lo : 2 * lo;
            bool passed;
            const double u = Trial(lambda, &passed);
            if (Take(lambda, u, passed)) return;
        }
        Give_Up_With_Lower();
    }

    // Reduce the factor from the overloaded forces as given (the upper
    // bracket) until one is carried.
    void Reduce(double u0, bool passed0) {
        hi = 1, u_hi = u0, hi_passed = passed0, has_hi = true;
        double lambda = 1, u = u0;
        for (int i = 0; i < kTrials; i++) {
            lambda = u > 0 && lambda > 1 / u ? 0.9 / u : lambda / 2;
            bool passed;
            u = Trial(lambda, &passed);
            if (Take(lambda, u, passed)) return;
            if (has_lo) return Both_Brackets();
        }
    }
};

// The forces of Calc_TSV times a factor, evaluated into its result record.
struct Scaled_Forces {
    const double* forces;
    const double* yield;
    const TSV_Querschnitt* section;
    TSV_Ergebnis* result;
};

double Evaluate_Scaled(void* context, double lambda, bool* passed) {
    const Scaled_Forces& c = *static_cast<const Scaled_Forces*>(context);
    double scaled[8];
    for (int i = 0; i < 8; i++) scaled[i] = c.forces[i] * lambda;
    Eval_TSV(scaled, c.yield, c.section, c.result, nullptr);
    return Trial_U(c.result, passed);
}

}  // namespace

TSV_Limit_Factor Search_TSV_Limit_Factor(const TSV_Trial* trial, double u0, bool passed0) {
    Search s{trial, 0, 0, 0, 0, false, false, false, 0, false, false};
    if (Beyond_One(u0)) {
        s.Reduce(u0, passed0);
    } else {
        s.lo = 1;
        s.u_lo = u0;
        s.has_lo = true;
        s.Raise();
    }
    return TSV_Limit_Factor{s.factor, s.has_factor && s.factor > 0, s.converged};
}

double TSV_Searched_U(double U, bool* filled, const TSV_Limit_Factor* found) {
    if (!found->has_factor) return U;
    const double u = 1 / found->factor;
    if (!*filled) {
        // The forces as given stop at a stage: the factor found below them
        // says by how much they overload the section (a search that gave
        // up says it from its carried factor, which can only overstate
        // it). A factor above 1 for forces that stop at a stage proves
        // nothing: no value, as before.
        if (!(u >= 1.0)) return U;
        *filled = true;
        return u;
    }
    if (!found->converged) return std::max(U, u);
    if (!Beyond_One(U)) return std::max(U, u);
    return Beyond_One(u) ? u : U;
}

int Calc_TSV(const double* forces, const double* yield, const TSV_Querschnitt* section, TSV_Ergebnis* result) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!result) return 0;
    Eval_TSV(forces, yield, section, result, nullptr);
    bool passed0;
    const double u0 = Trial_U(result, &passed0);
    const bool search = forces && yield && section && section->kind != TSV_KIND_RECTANGLE && u0 > 0.005 &&
                        !Accepted(u0);
    if (search) {
        Scaled_Forces scaled{forces, yield, section, result};
        const TSV_Trial trial{Evaluate_Scaled, &scaled};
        const TSV_Limit_Factor found = Search_TSV_Limit_Factor(&trial, u0, passed0);
        Eval_TSV(forces, yield, section, result, nullptr);
        bool filled = result->flags & TSV_FILLED;
        result->U = TSV_Searched_U(result->U, &filled, &found);
        if (filled) result->flags |= TSV_FILLED;
    }
    if (result->U > 990000.0) Record_Engine_Fault(ENGINE_FAULT_UTILISATION, "tsv: result->U > 0.99e6\n");
    return 1;
}

double TSV_Decimal(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double d = value;
    if (written.ec == std::errc()) std::from_chars(text, written.ptr, d);
    return d;
}

int Prepare_TSV_Querschnitt(const double* forces, const double* yield, const Profil_Model_Descriptor* profile,
                            NachweisDatenKopf* work, const char* name, TSV_Ergebnis* result) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    (void)name;
    if (!work || !result) return 0;
    const uint32_t code = static_cast<uint32_t>(Get_Section_Work_Code(profile, work));
    const float* p = Get_Section_Work_Payload(profile, work);
    TSV_Querschnitt q{};
    q.number = static_cast<int32_t>((code >> 4) & 0xFFFFF);
    q.kind = static_cast<int32_t>(code & WORK_CODE_KIND_MASK);
    q.alpha = DWQB_Querschnittswerte[DWQB_QW_ALPHA];
    q.y_s = DWQB_Querschnittswerte[DWQB_QW_YC];
    q.z_s = DWQB_Querschnittswerte[DWQB_QW_ZC];
    q.y_M = DWQB_Querschnittswerte[DWQB_QW_YM];
    q.z_M = DWQB_Querschnittswerte[DWQB_QW_ZM];
    double* plates[14] = {&q.y_r, &q.z_r, &q.y_o, &q.z_o, &q.y_w, &q.z_w, &q.y_u,
                          &q.z_u, &q.b_o, &q.t_o, &q.h_s, &q.t_s, &q.b_u, &q.t_u};
    for (int i = 0; i < 14; i++) *plates[i] = TSV_Decimal(p[i]);
    q.A_v_s = TSV_Decimal(p[TSV_PAYLOAD_SHEAR_WEB]);
    q.A_v_sf = TSV_Decimal(p[TSV_PAYLOAD_SHEAR_WEB_IN_FLANGES]);
    q.A_v_f = TSV_Decimal(p[TSV_PAYLOAD_SHEAR_FLANGES]);
    return Calc_TSV(forces, yield, &q, result);
}
