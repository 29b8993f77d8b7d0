// dwqb_point: section results, point stresses and line values.
#include "thinwall/dwqb_point.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_plate.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/dwqb_warping.h"

static double Over(double a, double b, double fallback) { return b != 0 ? a / b : fallback; }

int Get_DWQB_Section_Values(DWQB_Werte* out) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!out) return 0;
    std::memset(out, 0, sizeof *out);
    const DWQB_Teil* t = DWQB_Aktueller_Teil;
    const double* g = DWQB_Aktuelle_Gesamtwerte;
    const double* m = DWQB_Aktueller_Schubmittelpunkt;
    if (!t || !g || !m) return 0;
    double* w = out->w;
    out->n_parts = t->n_members;
    out->n_cells = t->second_count;
    const double a = g[0], inv_a = std::fabs(a) > 0.001 ? 1 / a : 0;
    w[0] = t->v.set1.y_min, w[1] = t->v.set1.y_max, w[2] = t->v.set1.z_min, w[3] = t->v.set1.z_max;
    for (int k = 0; k < 4; k++) w[4 + k] = g[16 + k], w[8 + k] = g[30 + k];
    w[12] = w[1] - w[0], w[13] = w[3] - w[2];
    w[14] = g[31] - g[30], w[15] = g[33] - g[32];
    w[16] = t->v.set1.t_min, w[17] = t->v.set1.t_max;
    w[18] = t->v.perimeter_free, w[19] = t->v.perimeter_cell, w[20] = w[18] + w[19];
    w[21] = a, w[22] = g[1], w[23] = g[2], w[24] = g[11];
    for (int k = 0; k < 6; k++) w[25 + k] = g[5 + k];
    for (int k = 0; k < 3; k++) w[31 + k] = std::sqrt(std::fabs(g[8 + k] * inv_a));
    w[34] = std::fabs(g[23]), w[35] = std::fabs(g[22]), w[36] = std::fabs(g[25]), w[37] = std::fabs(g[24]);
    w[38] = std::min(std::fabs(g[22]), std::fabs(g[23]));
    w[39] = std::min(std::fabs(g[24]), std::fabs(g[25]));
    w[40] = g[12], w[41] = g[13], w[42] = g[12] + g[13];
    const double c = std::cos(g[11]), s = std::sin(-g[11]);
    const double dy = m[0] - g[1], dz = m[1] - g[2];
    const double e1 = c * dy - s * dz, e2 = s * dy + c * dz;
    w[43] = w[42] + a * (e1 * e1 + e2 * e2);
    w[44] = std::sqrt(std::fabs(g[12] * inv_a)), w[45] = std::sqrt(std::fabs(g[13] * inv_a)), w[46] = std::sqrt(std::fabs(w[42] * inv_a));
    w[47] = std::fabs(g[35]), w[48] = std::fabs(g[34]), w[49] = std::fabs(g[37]), w[50] = std::fabs(g[36]);
    w[51] = std::min(std::fabs(g[34]), std::fabs(g[35]));
    w[52] = std::min(std::fabs(g[36]), std::fabs(g[37]));
    w[53] = m[0], w[54] = m[1], w[55] = dy, w[56] = dz, w[57] = e1, w[58] = e2;
    w[59] = m[5], w[60] = m[4];
    w[61] = w[43] != 0 ? std::sqrt(std::fabs(m[4] / w[43])) : 0;
    w[62] = m[7], w[63] = m[6], w[64] = m[2], w[65] = m[3];
    w[66] = std::fabs(Over(m[4], m[2], 0)), w[67] = std::fabs(Over(m[4], m[3], 0));
    w[68] = std::min(w[66], w[67]);
    w[70] = t->v.torsion[0], w[71] = t->v.torsion[1], w[69] = w[70] + w[71];
    const double ay = t->v.alpha_y, az = t->v.alpha_z, ayz = t->v.alpha_yz;
    w[72] = ay, w[73] = az, w[74] = ayz;
    w[75] = Over(a, ay, a), w[76] = Over(a, az, a);
    w[77] = c * c * ay + s * s * az - 2 * ayz * c * s;
    w[78] = 2 * ayz * c * s + c * c * az + s * s * ay;
    w[79] = Over(a, w[77], a), w[80] = Over(a, w[78], a);
    w[81] = std::sqrt(std::fabs(w[43] * inv_a));
    w[82] = g[14] - 2 * e1, w[83] = g[15] - 2 * e2;
    w[84] = m[8];
    return 1;
}

int Transform_DWQB_Point(int kind, double y, double z, double* out_y, double* out_z) {
    double dy = 0, dz = 0;
    int ok = 1;
    if (kind == 1 && DWQB_Aktuelle_Gesamtwerte) dy = DWQB_Arbeits_Gesamtwerte[1], dz = DWQB_Arbeits_Gesamtwerte[2];
    else if (kind == 2 && DWQB_Aktueller_Schubmittelpunkt) dy = DWQB_Aktueller_Schubmittelpunkt[0], dz = DWQB_Aktueller_Schubmittelpunkt[1];
    else if (kind != 0 && kind != 1 && kind != 2) ok = 0;
    if (out_y) *out_y = y + dy;
    if (out_z) *out_z = z + dz;
    return ok;
}

int Transform_DWQB_Angle(int angle_kind, double angle, double* out) {
    const double alpha = DWQB_Aktuelle_Gesamtwerte ? DWQB_Arbeits_Gesamtwerte[11] : 0;
    if (out) *out = angle + (angle_kind == 1 ? alpha : 0);
    return angle_kind == 0 || angle_kind == 1;
}

int Calc_DWQB_Axial_Coefficients(double y, double z, int ref_kind, double ref_y, double ref_z, int angle_kind,
                                 double angle, double* out) {
    if (!out) return 0;
    out[0] = out[1] = out[2] = 0;
    if (!DWQB_Aktuelle_Gesamtwerte) return 1;
    const double* g = DWQB_Arbeits_Gesamtwerte;
    double ry, rz, phi;
    Transform_DWQB_Point(ref_kind, ref_y, ref_z, &ry, &rz);
    Transform_DWQB_Angle(angle_kind, angle, &phi);
    const double alpha = g[11], a = g[0], i1 = g[12], i2 = g[13];
    double r1 = ry - g[1], r2 = rz - g[2], p1 = y - g[1], p2 = z - g[2];
    if (alpha != 0) {
        const double c = std::cos(alpha), s = std::sin(alpha);
        const double a1 = c * r1 + s * r2, a2 = -s * r1 + c * r2, b1 = c * p1 + s * p2, b2 = -s * p1 + c * p2;
        r1 = a1, r2 = a2, p1 = b1, p2 = b2;
    }
    out[0] = (a != 0 ? 1 / a : 0) - (i1 != 0 ? r2 * p2 / i1 : 0) - (i2 != 0 ? r1 * p1 / i2 : 0);
    double c1 = i1 != 0 ? p2 / i1 : 0, c2 = i2 != 0 ? -p1 / i2 : 0;
    const double beta = phi - alpha;
    if (beta != 0) {
        const double cb = std::cos(beta), sb = std::sin(beta);
        const double t1 = cb * c1 + sb * c2, t2 = cb * c2 - sb * c1;
        c1 = t1, c2 = t2;
    }
    out[1] = c1;
    out[2] = c2;
    return 1;
}

int Calc_DWQB_Strain_State(int line, double y, double z, int flags, int ref_kind, double ref_y, double ref_z,
                           int angle_kind, double angle, int pole_kind, double pole_y, double pole_z, DWQB_Punkt* p) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!p) return 0;
    std::memset(p, 0, sizeof *p);
    const DWQB_Linie* l = Find_DWQB_Line(line);
    if (!l) return 0;
    p->flags = flags, p->line = line, p->y = y, p->z = z;
    p->ref_y = ref_y, p->ref_z = ref_z, p->angle = angle, p->pole_y = pole_y, p->pole_z = pole_z;
    p->ref_kind = ref_kind, p->angle_kind = angle_kind, p->pole_kind = pole_kind;
    Transform_DWQB_Point(ref_kind, ref_y, ref_z, &p->ref_model_y, &p->ref_model_z);
    Transform_DWQB_Point(pole_kind, pole_y, pole_z, &p->pole_model_y, &p->pole_model_z);
    if (!(flags & DWQB_PUNKT_NO_NORMAL) && !(l->result && l->result->kind == DWQB_MEMBER_LINE_NO_NORMAL))
        Calc_DWQB_Axial_Coefficients(y, z, ref_kind, ref_y, ref_z, angle_kind, angle, p->c);
    if ((flags & DWQB_PUNKT_NO_SHEAR) && (flags & DWQB_PUNKT_NO_WARPING)) return 1;
    double s, u;
    Segment_Local_Coordinates(y, z, &l->geo, &s, &u);
    p->xi = s;
    p->eta = std::clamp(u, -1.0, 1.0);
    p->t = DWQB_Line_Thickness(l, s);
    p->inv_t = p->t != 0 ? 1 / p->t : 0;
    const double* given = DWQB_Vorgaben;
    if (!(flags & DWQB_PUNKT_NO_SHEAR)) {
        double v[5] = {};
        Calc_DWQB_Line_Shear_Values(l, angle_kind, v, s, angle, 1);
        p->c[3] = v[0];
        p->c[4] = v[1];
        double k_t = v[3];
        if ((DWQB_Optionen & DWQB_OPT_GIVEN_IT) && given[DWQB_QW_IT] > 0 && p->inv_t != 0)
            k_t = 1 / (given[DWQB_QW_IT] * p->inv_t);
        p->c[5] = v[2] - p->eta * k_t;
    }
    if (!(flags & DWQB_PUNKT_NO_WARPING)) {
        double v[5];
        Calc_DWQB_Line_Warping_Values(l, pole_kind, v, s, pole_y, pole_z, 1);
        p->c[7] = v[3];
        p->c[6] = v[0];
        Calc_DWQB_Line_Warping_Values(l, pole_kind, v, s, pole_y, pole_z, 0);
        p->omega = v[0];
        if ((DWQB_Optionen & DWQB_OPT_GIVEN_IW) && given[DWQB_QW_IW] > 0) p->c[6] = p->omega / given[DWQB_QW_IW];
    }
    return 1;
}

int Calc_Line_Stress(const DWQB_Punkt* p, const double* f, double* out) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!out) return 0;
    out[0] = out[1] = out[2] = 0;
    if (!p || !f) return 0;
    double sigma = 0, tau = 0;
    if (!(p->flags & DWQB_PUNKT_NO_NORMAL)) sigma = p->c[0] * f[0] + p->c[1] * f[1] + p->c[2] * f[2];
    if (!(p->flags & DWQB_PUNKT_NO_SHEAR)) tau = p->c[3] * f[3] + p->c[4] * f[4] + p->c[5] * f[5];
    if (!(p->flags & DWQB_PUNKT_NO_WARPING)) {
        sigma += p->c[6] * f[6];
        tau += p->c[7] * f[7];
    }
    out[0] = sigma;
    out[1] = tau;
    out[2] = std::sqrt(sigma * sigma + 3 * tau * tau);
    return 1;
}

static int Line_Flow(const DWQB_Linie* line, double xi, int angle_kind, double angle, double* out, int stress) {
    if (!line || !out) return 0;
    for (int k = 0; k < 5; k++) out[k] = 0;
    Calc_DWQB_Line_Shear_Values(line, angle_kind, out, xi, angle, stress);
    return 1;
}

int Calc_DWQB_Line_Shear_Flow(const DWQB_Linie* line, double xi, int angle_kind, double angle, double* out) {
    return Line_Flow(line, xi, angle_kind, angle, out, 0);
}

int Calc_DWQB_Line_Shear_Stress(const DWQB_Linie* line, double xi, int angle_kind, double angle, double* out) {
    return Line_Flow(line, xi, angle_kind, angle, out, 1);
}

int Calc_DWQB_Line_Warping(const DWQB_Linie* line, double xi, int ref_kind, double ref_y, double ref_z, double* out) {
    if (!line || !out) return 0;
    return Calc_DWQB_Line_Warping_Values(line, ref_kind, out, xi, ref_y, ref_z, 0);
}

int Calc_DWQB_Line_Warping_M(const DWQB_Linie* line, double xi, int, int, int, int, int, double* out) {
    if (!line || !out) return 0;
    Calc_DWQB_Line_Warping_Values(line, 2, out, xi, 0, 0, 0);
    const double* m = DWQB_Aktueller_Schubmittelpunkt;
    if (m && m[4] > 0) out[0] /= m[4];
    out[3] *= out[4];
    return 1;
}

// ---- extremes over the lines ---------------------------------------------------

int Walk_DWQB_Line_Extremes(int line, double dy, double dz, int ref_kind, double theta, double* min3, double* max3) {
    DWQB_Outline_Stress c{1, ref_kind, 0, dy, dz, theta, {}, {}};
    const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    for (int i = 0; all && i < all->n_members; i++) {
        const auto* r = static_cast<const DWQB_Linienergebnis*>(all->members[i]);
        if (r && r->line && (line == 0 || r->line->number == line)) DWQB_Outline_Stress_Line(r->line, r->kind, &c);
    }
    for (int k = 0; k < 3; k++) {
        if (min3) min3[k] = c.min[k];
        if (max3) max3[k] = c.max[k];
    }
    return 1;
}

static int Flow_Extremes(int line, double angle, int n, double* min5, double* max5, bool absolute) {
    Walk_DWQB_Line_Samples(line, n, min5, max5, 5, [&](const DWQB_Linie* l, double s, double* v) {
        Calc_DWQB_Line_Shear_Values(l, 0, v, s, angle, 0);
        if (absolute)
            for (int k = 0; k < 5; k++) v[k] = std::fabs(v[k]);
    });
    return 1;
}

int Walk_DWQB_Flow_Extremes(int line, double angle, int n, double* min5, double* max5) {
    return Flow_Extremes(line, angle, n, min5, max5, false);
}
int Walk_DWQB_Flow_Extremes_Abs(int line, double angle, int n, double* min5, double* max5) {
    return Flow_Extremes(line, angle, n, min5, max5, true);
}

static int Stress_Extremes(int line, double y0, double z0, int n, double* min5, double* max5, bool absolute) {
    Walk_DWQB_Line_Samples(line, n, min5, max5, 5, [&](const DWQB_Linie* l, double s, double* v) {
        Calc_DWQB_Line_Warping_Values(l, 0, v, s, y0, z0, 1);
        if (absolute)
            for (int k = 0; k < 5; k++) v[k] = std::fabs(v[k]);
    });
    return 1;
}

int Walk_DWQB_Stress_Extremes(int line, double y0, double z0, int n, double* min5, double* max5) {
    return Stress_Extremes(line, y0, z0, n, min5, max5, false);
}
int Walk_DWQB_Stress_Extremes_Abs(int line, double y0, double z0, int n, double* min5, double* max5) {
    return Stress_Extremes(line, y0, z0, n, min5, max5, true);
}
