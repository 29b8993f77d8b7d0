// dwqb_integrals: section integrals and section values of the thin-walled model.
#include "thinwall/dwqb_integrals.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/engine_faults.h"

static const double kPi = 3.14159265358979323846;

static double Quotient(double a, double b) { return b != 0 ? a / b : 0; }

// Principal axes of centroidal moments; the axis xi is the one within 45
// degrees of y.
static void Principal_Axes(double iy, double iz, double iyz, double* alpha, double* ixi, double* ieta) {
    if (std::fabs(iyz) <= 1e-6 * (std::fabs(iy) + std::fabs(iz))) {
        *alpha = 0;
        *ixi = iy;
        *ieta = iz;
        return;
    }
    double a = std::atan2(-2 * iyz, iy - iz) / 2;
    const double w = std::sqrt(4 * iyz * iyz + (iy - iz) * (iy - iz));
    const double imax = (iy + iz + w) / 2, imin = (iy + iz - w) / 2;
    *ixi = imax;
    *ieta = imin;
    if (a > kPi / 4 || a < -kPi / 4) {
        a += a > 0 ? -kPi / 2 : kPi / 2;
        *ixi = imin;
        *ieta = imax;
    }
    *alpha = a;
}

int Calc_DWQB_Grundwerte(const DWQB_Teil_Summen* s, double* out) {
    std::memset(out, 0, DWQB_GRUNDWERTE * sizeof(double));
    const double a = s->a;
    const double ys = a > 0 ? s->y / a : 0, zs = a > 0 ? s->z / a : 0;
    out[0] = a;
    out[1] = ys;
    out[2] = zs;
    out[3] = s->y;
    out[4] = s->z;
    out[5] = s->zz;
    out[6] = s->yy;
    out[7] = s->yz;
    out[8] = s->zz - a * zs * zs;
    out[9] = s->yy - a * ys * ys;
    out[10] = s->yz - a * ys * zs;
    Principal_Axes(out[8], out[9], out[10], &out[11], &out[12], &out[13]);
    return 0;
}

int Calc_DWQB_Teil_Werte(const DWQB_Teil_Summen* s, double* out) {
    std::memset(out, 0, DWQB_GESAMTWERTE * sizeof(double));
    double g[DWQB_GRUNDWERTE];
    Calc_DWQB_Grundwerte(s, g);
    std::memcpy(out, g, sizeof g);
    const double a = s->a, ys = g[1], zs = g[2];
    // Cubic sums about the centroid, then turned onto the principal axes.
    const double yyy = s->yyy - 3 * ys * s->yy + 3 * ys * ys * s->y - ys * ys * ys * a;
    const double zzz = s->zzz - 3 * zs * s->zz + 3 * zs * zs * s->z - zs * zs * zs * a;
    const double yyz = s->yyz - 2 * ys * s->yz - zs * s->yy + ys * ys * s->z + 2 * ys * zs * s->y - ys * ys * zs * a;
    const double yzz = s->yzz - 2 * zs * s->yz - ys * s->zz + zs * zs * s->y + 2 * ys * zs * s->z - ys * zs * zs * a;
    const double y_rr = yyy + yzz, z_rr = yyz + zzz;
    const double c = std::cos(out[11]), sn = std::sin(out[11]);
    const double xi_rr = c * y_rr + sn * z_rr, eta_rr = c * z_rr - sn * y_rr;
    if (out[12] > 0) out[14] = eta_rr / out[12];
    if (out[13] > 0) out[15] = xi_rr / out[13];
    out[16] = s->y_min - ys;
    out[17] = s->y_max - ys;
    out[18] = s->z_min - zs;
    out[19] = s->z_max - zs;
    out[20] = s->t_min;
    out[21] = s->t_max;
    out[22] = Quotient(out[8], out[18]);
    out[23] = Quotient(out[8], out[19]);
    out[24] = Quotient(out[9], out[16]);
    out[25] = Quotient(out[9], out[17]);
    return 0;
}

void Calc_DWQB_Rectangle_Integrals(double* out, double y1, double y2, double z1, double z2, double t) {
    out[0] = out[1] = out[2] = 0;
    const double dy = y2 - y1, dz = z2 - z1, l = std::hypot(dy, dz);
    if (l == 0) return;
    const double ny = -dz / l * t / 2, nz = dy / l * t / 2;
    const double py[4] = {y1 - ny, y2 - ny, y2 + ny, y1 + ny};
    const double pz[4] = {z1 - nz, z2 - nz, z2 + nz, z1 + nz};
    double izz = 0, iyy = 0, iyz = 0;
    for (int i = 0; i < 4; i++) {
        const int j = (i + 1) % 4;
        const double cr = py[i] * pz[j] - py[j] * pz[i];
        izz += cr * (pz[i] * pz[i] + pz[i] * pz[j] + pz[j] * pz[j]);
        iyy += cr * (py[i] * py[i] + py[i] * py[j] + py[j] * py[j]);
        iyz += cr * (py[i] * pz[j] + 2 * py[i] * pz[i] + 2 * py[j] * pz[j] + py[j] * pz[i]);
    }
    out[0] = izz / 12;
    out[1] = iyy / 12;
    out[2] = iyz / 24;
}

// Principal coordinates of a point about the working centroid.
static void To_Principal(double y, double z, double* xi, double* eta) {
    const double dy = y - dwqb_work.y_c, dz = z - dwqb_work.z_c;
    const double c = std::cos(dwqb_work.alpha), s = std::sin(dwqb_work.alpha);
    *xi = dy * c + dz * s;
    *eta = dz * c - dy * s;
}

// Second moments of the lines about the origin and about the centroid
// (Iyy, Izz, Iyz each): as lines, and with the exact rectangles where the
// thickness counts.
struct Second_Moments {
    double raw[3] = {}, cen[3] = {}, raw_x[3] = {}, cen_x[3] = {};
};

static void Sum_Second_Moments(int exact, Second_Moments* m) {
    const double yc = dwqb_work.y_c, zc = dwqb_work.z_c;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double ta = l->t_m * l->L;
        const double ya = l->a->y, za = l->a->z, yb = l->b->y, zb = l->b->z;
        m->raw[0] += ta * (za * za + za * zb + zb * zb) / 3;
        m->raw[1] += ta * (ya * ya + ya * yb + yb * yb) / 3;
        m->raw[2] += ta * (2 * ya * za + 2 * yb * zb + ya * zb + yb * za) / 6;
        const double ya_ = ya - yc, za_ = za - zc, yb_ = yb - yc, zb_ = zb - zc;
        m->cen[0] += ta * (za_ * za_ + za_ * zb_ + zb_ * zb_) / 3;
        m->cen[1] += ta * (ya_ * ya_ + ya_ * yb_ + yb_ * yb_) / 3;
        m->cen[2] += ta * (2 * ya_ * za_ + 2 * yb_ * zb_ + ya_ * zb_ + yb_ * za_) / 6;
        if (exact) {
            double r[3];
            Calc_DWQB_Rectangle_Integrals(r, ya, yb, za, zb, l->t_m);
            for (int k = 0; k < 3; k++) m->raw_x[k] += r[k];
            Calc_DWQB_Rectangle_Integrals(r, ya_, yb_, za_, zb_, l->t_m);
            for (int k = 0; k < 3; k++) m->cen_x[k] += r[k];
        }
    }
}

// The published second moments and principal axes: the caller's given
// principal values turned into the axes' ones, or the sums' principal
// values. The working record takes the principal axes.
static void Publish_Second_Moments(int exact, const Second_Moments& m) {
    double* qw = DWQB_Querschnittswerte;
    dwqb_work.i_yy = m.cen[0];
    dwqb_work.i_zz = m.cen[1];
    dwqb_work.i_yz = m.cen[2];
    const double* pub_raw = exact ? m.raw_x : m.raw;
    const double* pub_cen = exact ? m.cen_x : m.cen;
    double alpha, ixi, ieta;
    if (DWQB_Optionen & DWQB_OPT_GIVEN_VALUES) {
        alpha = qw[DWQB_QW_ALPHA];
        ixi = qw[DWQB_QW_I1];
        ieta = qw[DWQB_QW_I2];
        const double c = std::cos(alpha), s = std::sin(alpha), a = qw[DWQB_QW_A];
        qw[DWQB_QW_IY] = c * c * ixi + s * s * ieta;
        qw[DWQB_QW_IZ] = c * c * ieta + s * s * ixi;
        qw[DWQB_QW_IYZ] = (ieta - ixi) * s * c;
        qw[DWQB_QW_IYY0] = qw[DWQB_QW_IY] + a * qw[DWQB_QW_ZC] * qw[DWQB_QW_ZC];
        qw[DWQB_QW_IZZ0] = qw[DWQB_QW_IZ] + a * qw[DWQB_QW_YC] * qw[DWQB_QW_YC];
        qw[DWQB_QW_IYZ0] = qw[DWQB_QW_IYZ] + a * qw[DWQB_QW_YC] * qw[DWQB_QW_ZC];
    } else {
        for (int k = 0; k < 3; k++) {
            qw[DWQB_QW_IYY0 + k] = pub_raw[k];
            qw[DWQB_QW_IY + k] = pub_cen[k];
        }
        Principal_Axes(pub_cen[0], pub_cen[1], pub_cen[2], &alpha, &ixi, &ieta);
        qw[DWQB_QW_ALPHA] = alpha;
        qw[DWQB_QW_I1] = ixi;
        qw[DWQB_QW_I2] = ieta;
    }
    qw[DWQB_QW_IP] = ixi + ieta;
    dwqb_work.alpha = alpha;
    dwqb_work.i_xi = ixi;
    dwqb_work.i_eta = ieta;
}

// The nodes' principal coordinates, and the section moduli from the
// extreme fibres (with the plates' faces where the thickness counts).
static void Principal_Extents(int exact) {
    double* qw = DWQB_Querschnittswerte;
    double xi_min = 0, xi_max = 0, eta_min = 0, eta_max = 0;
    bool first = true;
    auto widen = [&](double y, double z) {
        double xi, eta;
        To_Principal(y, z, &xi, &eta);
        if (first || xi < xi_min) xi_min = xi;
        if (first || xi > xi_max) xi_max = xi;
        if (first || eta < eta_min) eta_min = eta;
        if (first || eta > eta_max) eta_max = eta;
        first = false;
    };
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        To_Principal(n->y, n->z, &n->work_values[0], &n->work_values[1]);
        widen(n->y, n->z);
    }
    if (exact) {
        for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
            if (!l->a || !l->b || l->L == 0) continue;
            const double ny = -(l->b->z - l->a->z) / l->L * l->t_m / 2;
            const double nz = (l->b->y - l->a->y) / l->L * l->t_m / 2;
            for (const DWQB_Knoten* n : {l->a, l->b}) {
                widen(n->y + ny, n->z + nz);
                widen(n->y - ny, n->z - nz);
            }
        }
    }
    const double ixi = dwqb_work.i_xi, ieta = dwqb_work.i_eta;
    if (!(DWQB_Optionen & DWQB_OPT_GIVEN_VALUES)) {
        qw[16] = std::fabs(eta_max) > 0.001 ? ixi / eta_max : 0;
        qw[17] = std::fabs(eta_min) > 0.001 ? ixi / eta_min : 0;
        qw[18] = std::fabs(xi_max) > 0.001 ? ieta / xi_max : 0;
        qw[19] = std::fabs(xi_min) > 0.001 ? ieta / xi_min : 0;
    }
}

// The Wagner coefficients (the third moments over the principal second
// moments) of the principal axes.
static void Wagner_Coefficients(void) {
    double* qw = DWQB_Querschnittswerte;
    const double ixi = dwqb_work.i_xi, ieta = dwqb_work.i_eta;
    double sum_eta = 0, sum_xi = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double ta = l->t_m * l->L;
        const double xa = l->a->work_values[0], ea = l->a->work_values[1];
        const double xb = l->b->work_values[0], eb = l->b->work_values[1];
        sum_eta += ta * ((3 * (ea * ea + eb * eb) + (xa + xb) * (xa + xb)) * (ea + eb) + 2 * (ea * xa * xa + eb * xb * xb));
        sum_xi += ta * ((3 * (xa * xa + xb * xb) + (ea + eb) * (ea + eb)) * (xa + xb) + 2 * (xa * ea * ea + xb * eb * eb));
    }
    dwqb_work.wagner_xi = std::fabs(ixi) > 0.001 ? sum_eta / (12 * ixi) : 0;
    dwqb_work.wagner_eta = std::fabs(ieta) > 0.001 ? sum_xi / (12 * ieta) : 0;
    qw[DWQB_QW_R1] = dwqb_work.wagner_xi;
    qw[DWQB_QW_R2] = dwqb_work.wagner_eta;
}

void Calc_DWQB_Section_Integrals(void) {
    const int exact = dwqb_work.exact && !(DWQB_Optionen & DWQB_OPT_GIVEN_VALUES);
    Second_Moments m;
    Sum_Second_Moments(exact, &m);
    Publish_Second_Moments(exact, m);
    Principal_Extents(exact);
    if (std::fabs(dwqb_work.i_xi) < 0.0001 || std::fabs(dwqb_work.i_eta) < 0.0001) DWQB_Status = DWQB_STATUS_SINGULAR;
    Wagner_Coefficients();
}

// Area on the side of larger coordinates minus the area on the other side of
// the axis coordinate x; coordinate 0 is y, 1 is z.
static double Coordinate(const DWQB_Knoten* node, int coordinate) { return coordinate == 0 ? node->y : node->z; }

static double Plastic_Balance(int coordinate, double x) {
    double f = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double ca = Coordinate(l->a, coordinate), cb = Coordinate(l->b, coordinate);
        const double t = l->t_m, len = l->L, area = t * len;
        if (std::fabs(ca - x) <= t / 2 && std::fabs(cb - x) <= t / 2) {
            const double d = (ca + cb) / 2 - x;
            f += len * (t / 2 + d) - len * (t / 2 - d);
        } else if (ca >= x && cb >= x) {
            f += area;
        } else if (ca <= x && cb <= x) {
            f -= area;
        } else {
            const double upper = (std::fmax(ca, cb) - x) / std::fabs(cb - ca);
            f += area * upper - area * (1 - upper);
        }
    }
    return f;
}

// Sum over lines of t times the length on each side times the distance of
// that piece's middle from the axis.
static double Plastic_Modulus(int coordinate, double x) {
    double w = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double da = Coordinate(l->a, coordinate) - x, db = Coordinate(l->b, coordinate) - x;
        if (da * db >= 0) {
            w += l->t_m * l->L * std::fabs(da + db) / 2;
        } else {
            const double fa = std::fabs(da) / (std::fabs(da) + std::fabs(db));
            w += l->t_m * l->L * (fa * std::fabs(da) + (1 - fa) * std::fabs(db)) / 2;
        }
    }
    return w;
}

static double Plastic_Axis(int coordinate, double a, double start) {
    double lo = 0, hi = 0;
    bool first = true;
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        const double c = Coordinate(n, coordinate);
        if (first || c < lo) lo = c;
        if (first || c > hi) hi = c;
        first = false;
    }
    double f_lo = a, f_hi = -a;
    double x = start;
    for (int k = 0; k < 50; k++) {
        const double f = Plastic_Balance(coordinate, x);
        if (std::fabs(f) < 1e-4 * std::fabs(a)) break;
        if (f > 0) {
            lo = x;
            f_lo = f;
        } else {
            hi = x;
            f_hi = f;
        }
        if (hi - lo < 0.001) break;
        const double q = f_lo != f_hi ? f_lo / (f_lo - f_hi) : 0.5;
        x = lo + (0.25 + 0.5 * q) * (hi - lo);
    }
    return x;
}

void Calc_DWQB_Plastic_Values(double a, double y_start, double z_start) {
    dwqb_work.y_pl = Plastic_Axis(0, a, y_start);
    dwqb_work.z_pl = Plastic_Axis(1, a, z_start);
    DWQB_Querschnittswerte[DWQB_QW_WPL_Z] = Plastic_Modulus(0, dwqb_work.y_pl);
    DWQB_Querschnittswerte[DWQB_QW_WPL_Y] = Plastic_Modulus(1, dwqb_work.z_pl);
}

int Regularize_DWQB_Inertia(double* a, double* b, double* c, double* d) {
    const double w = std::sqrt(4 * *c * *c + (*a - *b) * (*a - *b));
    double l1 = (*a + *b + w) / 2, l2 = (*a + *b - w) / 2;
    bool changed = false;
    if (std::fabs(l2) * 1e-6 > std::fabs(l1)) {
        l1 = std::copysign(std::fabs(l2) * 1e-6, l1);
        changed = true;
    } else if (std::fabs(l1) * 1e-6 > std::fabs(l2)) {
        l2 = std::copysign(std::fabs(l1) * 1e-6, l2);
        changed = true;
    }
    if (!changed) {
        *d = l1 * l2 > 0 ? 1 / (l1 * l2) : l1 * l2;
        return 1;
    }
    // Rebuild on the unchanged axes: l1 belongs to the axis at angle phi.
    const double phi = std::atan2(-2 * *c, *a - *b) / 2;
    const double cs = std::cos(phi), sn = std::sin(phi);
    *a = l1 * cs * cs + l2 * sn * sn;
    *b = l1 * sn * sn + l2 * cs * cs;
    *c = -(l1 - l2) * sn * cs;
    *d = 1 / (l1 * l2);
    return 0;
}

void Calc_DWQB_Geometry_Point(const DWQB_Segment_Geometrie* geo, double* y, double* z, double s) {
    Segment_Point(s, 0, geo, y, z);
}

void Calc_DWQB_Segment_Integrals(const DWQB_Segment_Geometrie* g, double* a_out, double* sy_out, double* sz_out,
                                 double s, double* syy_out, double* szz_out, double* syz_out) {
    double r[6] = {};
    const double c1 = 2 * g->h0, c2 = 2 * g->h1;  // t(s) = c1 + c2 s
    if (g->n_chords < 1) {
        const double t0 = c1 - c2, t1 = c1 + c2 * s, tm = (t0 + t1) / 2;
        const double l = g->length * (s + 1) / 2;
        const double a = tm * l;
        const double delta = tm != 0 ? (t1 - t0) / (2 * tm) : 0;
        double ym, zm;
        Segment_Point((s - 1) / 2, 0, g, &ym, &zm);
        const double q = a * l * delta / 6, p = a * l * l / 12;
        r[0] = a;
        r[1] = a * ym + q * g->cos;
        r[2] = a * zm + q * g->sin;
        r[3] = a * ym * ym + 2 * ym * q * g->cos + p * g->cos * g->cos;
        r[4] = a * zm * zm + 2 * zm * q * g->sin + p * g->sin * g->sin;
        r[5] = a * ym * zm + q * (ym * g->sin + zm * g->cos) + p * g->sin * g->cos;
    } else {
        // Gauss-Legendre on eight pieces: the integrands are trigonometric
        // times linear, far inside the rule's accuracy.
        static const double x5[5] = {-0.9061798459386640, -0.5384693101056831, 0, 0.5384693101056831, 0.9061798459386640};
        static const double w5[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889, 0.4786286704993665, 0.2369268850561891};
        const int m = 8;
        const double span = (s + 1) / m;
        const double ds = g->length / 2;  // d(arc length) / d(s)
        for (int j = 0; j < m; j++) {
            for (int i = 0; i < 5; i++) {
                const double si = -1 + span * (j + 0.5 + x5[i] / 2);
                const double w = w5[i] / 2 * span * ds * (c1 + c2 * si);
                double y, z;
                Segment_Point(si, 0, g, &y, &z);
                r[0] += w;
                r[1] += w * y;
                r[2] += w * z;
                r[3] += w * y * y;
                r[4] += w * z * z;
                r[5] += w * y * z;
            }
        }
    }
    if (a_out) *a_out = r[0];
    if (sy_out) *sy_out = r[1];
    if (sz_out) *sz_out = r[2];
    if (syy_out) *syy_out = r[3];
    if (szz_out) *szz_out = r[4];
    if (syz_out) *syz_out = r[5];
}

static double Binomial(int n, int k) {
    static const double rows[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    return rows[n][k];
}

// x^n for the small exponents of the edge moments.  The powers 0 and 1 are
// exact and need no call of pow (most of the terms); pow(x, 0) is 1 and
// pow(x, 1) is x for every x, so the sums keep their bits.
static double Small_Power(double x, int n) {
    return n == 0 ? 1.0 : n == 1 ? x : std::pow(x, n);
}

// An edge's mid-point and half-length, with their powers up to `up_to`
// (at most 3) as Small_Power gives them.
struct Edge_Powers {
    double ym, zm, hy, hz;
    double y[4], z[4], a[4], b[4];  // ym^n, zm^n, hy^n, hz^n
};

static Edge_Powers Powers_Of(double y1, double z1, double y2, double z2, int up_to) {
    Edge_Powers e{};
    e.ym = (y1 + y2) / 2, e.zm = (z1 + z2) / 2, e.hy = (y2 - y1) / 2, e.hz = (z2 - z1) / 2;
    for (int n = 0; n <= up_to; n++) {
        e.y[n] = Small_Power(e.ym, n), e.z[n] = Small_Power(e.zm, n);
        e.a[n] = Small_Power(e.hy, n), e.b[n] = Small_Power(e.hz, n);
    }
    return e;
}

static double Edge_Moment_Of(int p, int q, const Edge_Powers& e) {
    // On the edge y = ym + t hy, z = zm + t hz, t in [-1, 1]: y dz - z dy =
    // (ym hz - zm hy) dt, so only the polynomial in t needs integrating.
    double poly = 0;
    for (int i = 0; i <= p; i++) {
        for (int j = 0; j <= q; j++) {
            const int k = i + j;
            if (k % 2) continue;
            poly += Binomial(p, i) * Binomial(q, j) * e.y[p - i] * e.a[i] * e.z[q - j] * e.b[j] * 2.0 / (k + 1);
        }
    }
    return (e.ym * e.hz - e.zm * e.hy) * poly / (p + q + 2);
}

double Calc_DWQB_Edge_Moment(int p, int q, double y1, double z1, double y2, double z2) {
    if (p < 0 || q < 0 || p > 3 || q > 3) return 0;
    return Edge_Moment_Of(p, q, Powers_Of(y1, z1, y2, z2, std::max(p, q)));
}

void Add_DWQB_Edge_Moments(double* out, int first, double y1, double z1, double y2, double z2) {
    static const int pq[10][2] = {{0, 0}, {1, 0}, {0, 1}, {2, 0}, {1, 1}, {0, 2}, {3, 0}, {2, 1}, {1, 2}, {0, 3}};
    // the powers once for all ten moments: a rounded outline has many
    // short edges
    const Edge_Powers e = Powers_Of(y1, z1, y2, z2, 3);
    for (int k = 0; k < 10; k++) out[k] += Edge_Moment_Of(pq[k][0], pq[k][1], e);
    if (first) {
        out[10] = out[11] = y1;
        out[12] = out[13] = z1;
    }
    out[10] = std::fmin(out[10], std::fmin(y1, y2));
    out[11] = std::fmax(out[11], std::fmax(y1, y2));
    out[12] = std::fmin(out[12], std::fmin(z1, z2));
    out[13] = std::fmax(out[13], std::fmax(z1, z2));
}

int Calc_DWQB_Point_Coefficients(double* out, double y, double z) {
    const double* qw = DWQB_Querschnittswerte;
    const double dy = y - qw[DWQB_QW_YC], dz = z - qw[DWQB_QW_ZC];
    const double c = std::cos(qw[DWQB_QW_ALPHA]), s = std::sin(qw[DWQB_QW_ALPHA]);
    const double xi = dy * c + dz * s, eta = dz * c - dy * s;
    out[0] = Quotient(1, qw[DWQB_QW_A]);
    out[1] = Quotient(eta, qw[DWQB_QW_I1]);
    out[2] = Quotient(-xi, qw[DWQB_QW_I2]);
    return 1;
}

static void Add_Ten_Sums(DWQB_Teil_Summen& to, const DWQB_Teil_Summen& from) {
    to.a += from.a;
    to.y += from.y;
    to.z += from.z;
    to.yy += from.yy;
    to.yz += from.yz;
    to.zz += from.zz;
    to.yyy += from.yyy;
    to.yyz += from.yyz;
    to.yzz += from.yzz;
    to.zzz += from.zzz;
}

void Sum_DWQB_Teil(DWQB_Teil* part) {
    if (!part) return;
    DWQB_Teilwerte& v = part->v;
    v.set1 = DWQB_Teil_Summen{};
    v.set2 = DWQB_Teil_Summen{};
    for (double& t : v.torsion) t = 0;
    bool extents = false;
    for (int i = 0; i < part->n_members && part->members; i++) {
        void* member = part->members[i];
        if (!member) continue;
        const int32_t kind = DWQB_Member_Kind(member);
        if (kind == DWQB_MEMBER_PART) Sum_DWQB_Teil(static_cast<DWQB_Teil*>(member));
        const DWQB_Teilwerte& c = *DWQB_Member_Values(member);
        if (kind != DWQB_MEMBER_LINE_NO_NORMAL) {
            Add_Ten_Sums(v.set1, c.set1);
            if (!extents) {
                v.set1.y_min = c.set1.y_min;
                v.set1.y_max = c.set1.y_max;
                v.set1.z_min = c.set1.z_min;
                v.set1.z_max = c.set1.z_max;
                v.set1.t_min = c.set1.t_min;
                v.set1.t_max = c.set1.t_max;
                extents = true;
            } else {
                v.set1.y_min = std::fmin(v.set1.y_min, c.set1.y_min);
                v.set1.y_max = std::fmax(v.set1.y_max, c.set1.y_max);
                v.set1.z_min = std::fmin(v.set1.z_min, c.set1.z_min);
                v.set1.z_max = std::fmax(v.set1.z_max, c.set1.z_max);
                v.set1.t_min = std::fmin(v.set1.t_min, c.set1.t_min);
                v.set1.t_max = std::fmax(v.set1.t_max, c.set1.t_max);
            }
        }
        Add_Ten_Sums(v.set2, c.set2);
        for (int k = 0; k < 4; k++) v.torsion[k] += c.torsion[k];
    }
}

void Sum_DWQB_Teil_Torsion(DWQB_Teil* part) {
    if (!part) return;
    DWQB_Teilwerte& v = part->v;
    v.w = v.wy = v.wz = v.ww = v.wrr = 0;
    bool first = true;
    for (int i = 0; i < part->n_members && part->members; i++) {
        void* member = part->members[i];
        if (!member) continue;
        if (DWQB_Member_Kind(member) == DWQB_MEMBER_PART) Sum_DWQB_Teil_Torsion(static_cast<DWQB_Teil*>(member));
        const DWQB_Teilwerte& c = *DWQB_Member_Values(member);
        v.w += c.w;
        v.wy += c.wy;
        v.wz += c.wz;
        v.ww += c.ww;
        v.wrr += c.wrr;
        v.w_min = first ? c.w_min : std::fmin(v.w_min, c.w_min);
        v.w_max = first ? c.w_max : std::fmax(v.w_max, c.w_max);
        first = false;
    }
}

int Calc_DWQB_Teil_Werte_Callback(DWQB_Teil* part, void* context) {
    if (part && context) Calc_DWQB_Teil_Werte(&part->v.set1, static_cast<double*>(context));
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next)
        for (double& w : n->work_values) w = 0;
    return 1;
}

int Calc_DWQB_Teil_Werte_Bezug_Callback(DWQB_Teil* part, void* context) {
    if (!part || !context) return 1;
    auto& b = *static_cast<DWQB_Bezugswerte*>(context);
    Calc_DWQB_Teil_Werte(&part->v.set1, b.werte);
    double g[DWQB_GRUNDWERTE];
    Calc_DWQB_Grundwerte(&part->v.set2, g);
    b.werte[11] = g[11];
    b.y_s = g[1];
    b.z_s = g[2];
    b.i_1 = g[12];
    b.i_2 = g[13];
    const DWQB_Teil_Summen& s = part->v.set1;
    b.werte[8] = s.zz - 2 * b.z_p * s.z + b.z_p * b.z_p * s.a;
    b.werte[9] = s.yy - 2 * b.y_p * s.y + b.y_p * b.y_p * s.a;
    b.werte[10] = s.yz - b.y_p * s.z - b.z_p * s.y + b.y_p * b.z_p * s.a;
    return 1;
}

int Add_DWQB_Edge_Moments_Callback(double y1, double z1, double y2, double z2, double, double, void* context) {
    auto* e = static_cast<DWQB_Edge_Moments*>(context);
    Add_DWQB_Edge_Moments(e->m, e->first, y1, z1, y2, z2);
    e->first = 0;
    return 1;
}

int Add_DWQB_Chord_Length(double y1, double z1, double y2, double z2, double, double, void* context) {
    *static_cast<double*>(context) += std::hypot(y2 - y1, z2 - z1);
    return 1;
}

void Add_DWQB_Extents(DWQB_Extents* e, double y, double z) {
    if (e->first) {
        e->y_min = e->y_max = y;
        e->z_min = e->z_max = z;
        e->first = 0;
        return;
    }
    e->y_min = std::fmin(e->y_min, y);
    e->y_max = std::fmax(e->y_max, y);
    e->z_min = std::fmin(e->z_min, z);
    e->z_max = std::fmax(e->z_max, z);
}

int Add_DWQB_Extents_Callback(double y1, double z1, double y2, double z2, double, double, void* context) {
    auto* e = static_cast<DWQB_Extents*>(context);
    Add_DWQB_Extents(e, y1, z1);
    Add_DWQB_Extents(e, y2, z2);
    return 1;
}

int Apply_Init_Line_Shear_Constants(double y1, double z1, double y2, double z2, double s1, double s2, void* context) {
    auto* c = static_cast<DWQB_Line_Shear_Constants*>(context);
    c->sums[0] += Calc_DWQB_Edge_Moment(0, 0, y1, z1, y2, z2);
    c->sums[1] += Calc_DWQB_Edge_Moment(1, 0, y1, z1, y2, z2);
    c->sums[2] += Calc_DWQB_Edge_Moment(0, 1, y1, z1, y2, z2);
    if (c->pieces > 0) {
        const double jump = std::fabs(y1 - c->y_prev) + std::fabs(z1 - c->z_prev);
        if (jump > 1e-6)
            Record_Engine_Fault(ENGINE_FAULT_SHEAR_JUMP, "Apply_Init_Line_Shear_Constants(%d, %.2f): Sprung (%.2e)\n    vor (%.2f: %.2f,%.2f) --> (%.2f: %.2f,%.2f)\n",
                        c->number, c->value, jump, c->s_prev, c->y_prev, c->z_prev, s1, y1, z1);
    }
    c->pieces++;
    c->y_prev = y2;
    c->z_prev = z2;
    c->s_prev = s2;
    return 1;
}

int Clip_DWQB_Piece(double y1, double z1, double y2, double z2, double s1, double s2, void* context) {
    auto* c = static_cast<DWQB_Piece_Clip*>(context);
    const bool in1 = s1 <= c->bound, in2 = s2 <= c->bound;
    if (!in1 && !in2) {
        c->above = 1;
        return 1;
    }
    if (in1 && in2) {
        c->below = 1;
        return c->callback ? c->callback(y1, z1, y2, z2, s1, s2, c->context) : 1;
    }
    c->cut = 1;
    const double f = (c->bound - s1) / (s2 - s1);
    const double yc = y1 + f * (y2 - y1), zc = z1 + f * (z2 - z1);
    if (!c->callback) return 1;
    if (in1) return c->callback(y1, z1, yc, zc, s1, c->bound, c->context);
    return c->callback(yc, zc, y2, z2, c->bound, s2, c->context);
}

static void Outline_Point(DWQB_Outline_Extremes* e, double y, double z) {
    const double dy = y - e->y_s, dz = z - e->z_s;
    const double det = e->i_y * e->i_z - e->i_yz * e->i_yz;
    const double c = std::cos(e->alpha), s = std::sin(e->alpha);
    const double v[4] = {det != 0 ? (e->i_z * dz - e->i_yz * dy) / det : 0,
                         det != 0 ? (e->i_yz * dz - e->i_y * dy) / det : 0, dy * c + dz * s, dz * c - dy * s};
    for (int k = 0; k < 4; k++) {
        if (e->first || v[k] < e->min[k]) e->min[k] = v[k];
        if (e->first || v[k] > e->max[k]) e->max[k] = v[k];
    }
    e->first = 0;
}

static int Outline_Piece(double y1, double z1, double y2, double z2, double, double, void* context) {
    auto* e = static_cast<DWQB_Outline_Extremes*>(context);
    Outline_Point(e, y1, z1);
    Outline_Point(e, y2, z2);
    return 1;
}

void Walk_DWQB_Teil_Outline(DWQB_Teil* part, DWQB_Outline_Extremes* e) {
    if (!part || !e) return;
    for (int i = 0; i < part->n_members && part->members; i++) {
        void* member = part->members[i];
        if (!member) continue;
        if (DWQB_Member_Kind(member) == DWQB_MEMBER_PART) {
            Walk_DWQB_Teil_Outline(static_cast<DWQB_Teil*>(member), e);
            continue;
        }
        const DWQB_Linie* line = static_cast<DWQB_Linienergebnis*>(member)->line;
        if (!line) continue;
        for (const DWQB_Outline_Segment& g : line->outline) {
            if (!DWQB_Segment_Active(&g)) continue;
            if (g.flags & DWQB_SEG_CURVED) {
                Walk_DWQB_Segment_Pieces(&g, 2 * (g.n_sub > 0 ? g.n_sub : 1), Outline_Piece, e);
            } else {
                Outline_Point(e, g.y1, g.z1);
                Outline_Point(e, g.y2, g.z2);
            }
        }
    }
}

int Calc_DWQB_Teil_Werte_Exakt(DWQB_Teil* part, const DWQB_Teil_Summen* sums, double* out) {
    Calc_DWQB_Teil_Werte(sums, out);
    DWQB_Outline_Extremes e{out[1], out[2], out[8], out[9], out[10], out[11], 1, {}, {}};
    Walk_DWQB_Teil_Outline(part, &e);
    if (e.first) return 0;
    out[26] = Quotient(1, e.min[0]);
    out[27] = Quotient(1, e.max[0]);
    out[28] = Quotient(1, e.min[1]);
    out[29] = Quotient(1, e.max[1]);
    out[30] = e.min[2];
    out[31] = e.max[2];
    out[32] = e.min[3];
    out[33] = e.max[3];
    out[34] = Quotient(out[12], e.min[3]);
    out[35] = Quotient(out[12], e.max[3]);
    out[36] = Quotient(out[13], e.min[2]);
    out[37] = Quotient(out[13], e.max[2]);
    return 0;
}
