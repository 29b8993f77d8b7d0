// dwqb_plate: plate values of the lines and the section summary.
#include "thinwall/dwqb_plate.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/dwqb_warping.h"

double DWQB_Arbeits_Gesamtwerte[DWQB_GESAMTWERTE];

static const double kGaussX[5] = {0, -0.538469310105683, 0.538469310105683, -0.906179845938664, 0.906179845938664};
static const double kGaussHalfW[5] = {0.2844444444444445, 0.239314335249683, 0.239314335249683, 0.1184634425280945,
                                      0.1184634425280945};

static double Distance(double y1, double z1, double y2, double z2) { return std::hypot(y2 - y1, z2 - z1); }

// Fillet term of an active strip segment at position pos (1, 8 at the start,
// 3, 6 at the end of the line).
static double Fillet_Term(const DWQB_Linie* l, int pos) {
    const DWQB_Outline_Segment& g = l->outline[pos];
    if (!DWQB_Segment_Active(&g)) return 0;
    const bool at_start = pos == 1 || pos == 8;
    const DWQB_Outline_Segment& o = l->outline[pos == 1 ? 8 : pos == 8 ? 1 : pos == 3 ? 6 : 3];
    const double x = (pos == 1 || pos == 6) ? g.s2 : g.s1;
    const double len = l->geo.length;
    const double lx = len / 2 * std::fabs(at_start ? x + 1 : x - 1);
    double ny, nz;
    Segment_Point(at_start ? -1 : 1, 0, &l->geo, &ny, &nz);
    const bool first_near = Distance(g.y1, g.z1, ny, nz) <= Distance(g.y2, g.z2, ny, nz);
    const double pny = first_near ? g.y1 : g.y2, pnz = first_near ? g.z1 : g.z2;
    const double pfy = first_near ? g.y2 : g.y1, pfz = first_near ? g.z2 : g.z1;
    const double d = 2 * Distance(pny, pnz, ny, nz);
    double cy, cz;
    Segment_Point(x, 0, &l->geo, &cy, &cz);
    const double tf = 2 * Distance(pfy, pfz, cy, cz);
    const bool o_first = Distance(o.y1, o.z1, ny, nz) <= Distance(o.y2, o.z2, ny, nz);
    const double w = Distance(pny, pnz, o_first ? o.y1 : o.y2, o_first ? o.z1 : o.z2);
    const double m = std::min(d, w), dd = (tf + m) / 2;
    double term = (Calc_DWQB_Segment_Length(&g) + lx) / 12 * dd * (dd * dd + (tf - m) * (tf - m) / 4);
    if (pos == 6) {
        const double te = (l->t_b + tf) / 2;
        term -= lx / 6 * te * (te * te + (tf - l->t_b) * (tf - l->t_b) / 4);
    }
    return term;
}

static void Plate_Values(DWQB_Linienergebnis* r) {
    DWQB_Linie* l = r->line;
    DWQB_Teilwerte& v = r->v;
    v = DWQB_Teilwerte{};
    DWQB_Edge_Moments em{};
    em.first = 1;
    const bool start_free = !l->wing[DWQB_WING_BEFORE_A] && !l->wing[DWQB_WING_AFTER_A];
    const bool end_free = !l->wing[DWQB_WING_BEFORE_B] && !l->wing[DWQB_WING_AFTER_B];
    for (int pos = 0; pos < 10; pos++) {
        const DWQB_Outline_Segment& g = l->outline[pos];
        if (!DWQB_Segment_Active(&g)) continue;
        if (g.flags & DWQB_SEG_CURVED) {
            Walk_DWQB_Segment_Pieces(&g, 2 * std::max(1, static_cast<int>(g.n_sub)), Add_DWQB_Edge_Moments_Callback, &em);
        } else {
            Add_DWQB_Edge_Moments(em.m, em.first, g.y1, g.z1, g.y2, g.z2);
            em.first = 0;
        }
        if (r->kind != DWQB_MEMBER_LINE) continue;
        if ((pos == 0 || pos == 9) && !start_free) continue;
        if ((pos == 4 || pos == 5) && !end_free) continue;
        const int side = pos <= 3 || pos == 9 ? 1 : 0;
        const bool cell = l->outline_start[side] && (l->side_flags[side] & DWQB_SIDE_CELL);
        (cell ? v.perimeter_cell : v.perimeter_free) += Calc_DWQB_Segment_Length(&g);
    }
    DWQB_Teil_Summen& s1 = v.set1;
    s1.a = em.m[0], s1.y = em.m[1], s1.z = em.m[2], s1.yy = em.m[3], s1.yz = em.m[4], s1.zz = em.m[5];
    s1.yyy = em.m[6], s1.yyz = em.m[7], s1.yzz = em.m[8], s1.zzz = em.m[9];
    if (!em.first) s1.y_min = em.m[10], s1.y_max = em.m[11], s1.z_min = em.m[12], s1.z_max = em.m[13];
    s1.t_min = std::min(l->t_a, l->t_b);
    s1.t_max = std::max(l->t_a, l->t_b);
    DWQB_Teil_Summen& s2 = v.set2;
    Calc_DWQB_Segment_Integrals(&l->geo, &s2.a, &s2.y, &s2.z, 1, &s2.yy, &s2.zz, &s2.yz);
    const int n = std::clamp(static_cast<int>(l->geo.n_chords), 1, 4);
    const double len = l->geo.length, tm = (l->t_a + l->t_b) / 2, dt = l->t_b - l->t_a;
    for (int k = 0; k < n; k++) {
        const double mid = (2.0 * k + 1) / n - 1;
        for (int i = 0; i < 5; i++) {
            const double xi = mid + kGaussX[i] / n;
            const double g = kGaussHalfW[i] / n * (tm + xi * dt / 2) * len;
            double y, z;
            Segment_Point(xi, 0, &l->geo, &y, &z);
            s2.yyy += g * y * y * y;
            s2.yyz += g * y * y * z;
            s2.yzz += g * y * z * z;
            s2.zzz += g * z * z * z;
        }
    }
    v.torsion[0] = len / 3 * tm * (tm * tm + dt * dt / 4);
    v.torsion[2] = v.torsion[0];
    if (l->wing[DWQB_WING_BEFORE_A] || l->wing[DWQB_WING_AFTER_A]) v.torsion[2] += Fillet_Term(l, 1) + Fillet_Term(l, 8);
    if (l->wing[DWQB_WING_BEFORE_B] || l->wing[DWQB_WING_AFTER_B]) v.torsion[2] += Fillet_Term(l, 3) + Fillet_Term(l, 6);
    r->torsion_share = v.torsion[0];
}

int Calc_DWQB_Plate_Values(void) {
    DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    for (int i = 0; all && i < all->n_members; i++) {
        auto* r = static_cast<DWQB_Linienergebnis*>(all->members[i]);
        if (r && (r->kind == DWQB_MEMBER_LINE || r->kind == DWQB_MEMBER_LINE_NO_NORMAL) && r->n_members == 1 && r->line)
            Plate_Values(r);
    }
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    if (!head) return 1;
    Sum_DWQB_Teil(head);
    head->v.perimeter_free = head->v.perimeter_cell = 0;
    for (int i = 0; all && i < all->n_members; i++) {
        const auto* r = static_cast<const DWQB_Linienergebnis*>(all->members[i]);
        if (!r) continue;
        head->v.perimeter_free += r->v.perimeter_free;
        head->v.perimeter_cell += r->v.perimeter_cell;
    }
    if (DWQB_Aktuelle_Gesamtwerte) Calc_DWQB_Teil_Werte_Exakt(head, &head->v.set1, DWQB_Aktuelle_Gesamtwerte);
    if (DWQB_Aktuelle_Grundwerte) Calc_DWQB_Grundwerte(&head->v.set2, DWQB_Aktuelle_Grundwerte);
    return 1;
}

static double Tiny_To_Zero(double v) { return std::fabs(v) < 1e-10 ? 0 : v; }

int Calc_DWQB_Section_Summary(void) {
    Fill_DWQB_Tabellen();
    DWQB_Anzahl_Zellen = 0;
    const DWQB_Teil* head = DWQB_Aktueller_Teil;
    const double* sm = DWQB_Aktueller_Schubmittelpunkt;
    if (!head || !DWQB_Aktuelle_Gesamtwerte || !sm) return 0;
    double* g = DWQB_Arbeits_Gesamtwerte;
    std::memcpy(g, DWQB_Aktuelle_Gesamtwerte, sizeof DWQB_Arbeits_Gesamtwerte);
    const double* given = DWQB_Vorgaben;
    const uint32_t opt = DWQB_Optionen;
    double moduli[4] = {g[35], g[34], g[37], g[36]};
    if (opt & DWQB_OPT_GIVEN_VALUES) {
        g[0] = given[DWQB_QW_A], g[1] = given[DWQB_QW_YC], g[2] = given[DWQB_QW_ZC];
        g[11] = given[DWQB_QW_ALPHA], g[12] = given[DWQB_QW_I1], g[13] = given[DWQB_QW_I2];
        for (int k = 0; k < 4; k++) moduli[k] = given[16 + k];
        g[3] = g[0] * g[1];
        g[4] = g[0] * g[2];
        if (g[1] == 0 && g[2] == 0 && g[11] == 0) {
            g[8] = g[5] = g[12];
            g[9] = g[6] = g[13];
            g[10] = g[7] = 0;
        } else {
            const double c = std::cos(g[11]), s = std::sin(g[11]);
            g[8] = s * s * g[13] + c * c * g[12];
            g[9] = s * s * g[12] + c * c * g[13];
            g[10] = s * c * (g[13] - g[12]);
            g[5] = g[8] + g[0] * g[2] * g[2];
            g[6] = g[9] + g[0] * g[1] * g[1];
            g[7] = g[10] + g[0] * g[1] * g[2];
        }
    }
    const double ip = g[12] + g[13];
    double i_t = head->v.torsion[0] + head->v.torsion[1];
    double ym = sm[0], zm = sm[1], q = sm[8], py = sm[7], pz = sm[6], iw2 = sm[5], iw = sm[4];
    if ((opt & DWQB_OPT_GIVEN_IT) && given[DWQB_QW_IT] > 0) i_t = given[DWQB_QW_IT];
    if ((opt & DWQB_OPT_GIVEN_IW) && given[DWQB_QW_IW] > 0) {
        iw = given[DWQB_QW_IW];
        iw2 = std::max((g[2] - zm) * pz + (ym - g[1]) * py + iw, iw);
    }
    if (opt & DWQB_OPT_GIVEN_SHEAR_CENTRE) {
        iw2 = given[DWQB_QW_IW2], ym = given[DWQB_QW_YM], zm = given[DWQB_QW_ZM];
        q = given[DWQB_QW_Q], py = given[DWQB_QW_PY], pz = given[DWQB_QW_PZ];
    }
    double* qw = DWQB_Querschnittswerte;
    qw[DWQB_QW_A] = g[0];
    qw[DWQB_QW_YC] = Tiny_To_Zero(g[1]);
    qw[DWQB_QW_ZC] = Tiny_To_Zero(g[2]);
    qw[DWQB_QW_SY] = g[0] * g[1];
    qw[DWQB_QW_SZ] = g[0] * g[2];
    for (int k = 0; k < 3; k++) {
        qw[DWQB_QW_IYY0 + k] = g[5 + k];
        qw[DWQB_QW_IY + k] = g[8 + k];
    }
    qw[DWQB_QW_IT] = i_t;
    qw[DWQB_QW_IP] = ip;
    qw[DWQB_QW_ALPHA] = g[11];
    qw[DWQB_QW_I1] = g[12];
    qw[DWQB_QW_I2] = g[13];
    for (int k = 0; k < 4; k++) qw[DWQB_QW_W1 + k] = moduli[k];
    qw[DWQB_QW_R2] = g[15];
    qw[DWQB_QW_R1] = g[14];
    qw[DWQB_QW_YM] = Tiny_To_Zero(ym);
    qw[DWQB_QW_ZM] = Tiny_To_Zero(zm);
    qw[DWQB_QW_IP_A] = std::fabs(g[0]) > 0.001 ? ip / g[0] : 0;
    qw[DWQB_QW_Q] = q;
    qw[DWQB_QW_PY] = py;
    qw[DWQB_QW_PZ] = pz;
    qw[DWQB_QW_IW2] = iw2;
    qw[DWQB_QW_IW] = iw;
    qw[DWQB_QW_ALPHA_Y] = head->v.alpha_y;
    qw[DWQB_QW_ALPHA_Z] = head->v.alpha_z;
    qw[DWQB_QW_OMEGA1] = sm[2];
    qw[DWQB_QW_OMEGA2] = sm[3];
    qw[DWQB_QW_Y_MIN] = head->v.set1.y_min;
    qw[DWQB_QW_Y_MAX] = head->v.set1.y_max;
    qw[DWQB_QW_Z_MIN] = head->v.set1.z_min;
    qw[DWQB_QW_Z_MAX] = head->v.set1.z_max;
    qw[DWQB_QW_T_MAX] = head->v.set1.t_max;
    DWQB_Anzahl_Zellen = head->second_count;
    double lo[2][5], hi[2][5];
    Get_DWQB_Line_Extremes(2, 11, lo[0], 0.0, hi[0], 1);
    Get_DWQB_Line_Extremes(2, 11, lo[1], 0.0, hi[1], 0);
    qw[38] = lo[0][2];
    qw[39] = hi[0][2];
    qw[DWQB_QW_Q_MIN] = -std::max(hi[1][0], hi[1][1]);
    qw[DWQB_QW_Q_MAX] = -std::min(lo[1][0], lo[1][1]);
    qw[DWQB_QW_QT_MIN] = -std::max(hi[0][0], hi[0][1]);
    qw[DWQB_QW_QT_MAX] = -std::min(lo[0][0], lo[0][1]);
    const double given34 = given[DWQB_QW_WPL_Y], given35 = given[DWQB_QW_WPL_Z];
    Calc_DWQB_Plastic_Values(qw[DWQB_QW_A], qw[DWQB_QW_YC], qw[DWQB_QW_ZC]);
    if ((opt & DWQB_OPT_GIVEN_PLASTIC) && given34 != 0 && given35 != 0) {
        qw[DWQB_QW_WPL_Y] = given34;
        qw[DWQB_QW_WPL_Z] = given35;
    }
    return 1;
}

int DWQB_Open_Shear_Line(DWQB_Schublinie* entry, DWQB_Open_Shear_State* st) {
    if (!entry || !entry->line || !entry->line->result || !st) return 1;
    DWQB_Linie* l = entry->line;
    DWQB_Linienergebnis& r = *l->result;
    const DWQB_Segment_Geometrie& g = l->geo;
    const double c = std::cos(st->alpha), sn = std::sin(st->alpha);
    for (int k = 0; k < 2; k++)
        for (double& v : r.flow[k]) v = 0;
    double a1, sy1, sz1;
    Calc_DWQB_Segment_Integrals(&g, &a1, &sy1, &sz1, 1, nullptr, nullptr, nullptr);
    const double ty = sy1 - st->y_c * a1, tz = sz1 - st->z_c * a1;
    static const double bubble[4] = {-0.6, -0.2, 0.2, 0.6};
    for (int k = 0; k < 4; k++) {
        const double xi = bubble[k];
        double a, sy, sz;
        Calc_DWQB_Segment_Integrals(&g, &a, &sy, &sz, xi, nullptr, nullptr, nullptr);
        const double dy = sy - st->y_c * a - (xi + 1) / 2 * ty, dz = sz - st->z_c * a - (xi + 1) / 2 * tz;
        r.flow[0][2 + k] = c * dy + sn * dz;
        r.flow[1][2 + k] = -sn * dy + c * dz;
    }
    const double t1 = c * ty + sn * tz, t2 = -sn * ty + c * tz;
    r.omega_a = 0;
    r.omega_b = g.n_chords >= 1 ? (g.y1 - g.y2) * g.zc + (g.z2 - g.z1) * g.yc - 2 * g.r * g.r * g.phi
                                : g.y1 * g.z2 - g.z1 * g.y2;
    r.psi = 0;
    r.pole_y = r.pole_z = 0;
    const bool cut = entry->flags & DWQB_SHEAR_CELL_CUT;
    if (!(entry->flags & DWQB_SHEAR_BACKWARD)) {
        DWQB_Knoten* from = l->a;
        const double p1 = cut ? 0 : from->s_y, p2 = cut ? 0 : from->s_z;
        r.flow[0][0] = p1, r.flow[1][0] = p2;
        r.flow[0][1] = p1 + t1, r.flow[1][1] = p2 + t2;
        l->b->s_y += p1 + t1;
        l->b->s_z += p2 + t2;
    } else {
        DWQB_Knoten* from = l->b;
        const double p1 = cut ? 0 : from->s_y, p2 = cut ? 0 : from->s_z;
        r.flow[0][0] = -(p1 + t1), r.flow[1][0] = -(p2 + t2);
        r.flow[0][1] = -p1, r.flow[1][1] = -p2;
        l->a->s_y += p1 + t1;
        l->a->s_z += p2 + t2;
    }
    l->a->link_mark |= 0x1000;
    l->b->link_mark |= 0x1000;
    return 1;
}

int DWQB_Outline_Stress_Line(DWQB_Linie* line, int32_t, void* collector) {
    auto* c = static_cast<DWQB_Outline_Stress*>(collector);
    if (!line || !c || (line->result && line->result->kind == DWQB_MEMBER_LINE_NO_NORMAL)) return 1;
    const double* g = DWQB_Arbeits_Gesamtwerte;
    const double* m = DWQB_Aktueller_Schubmittelpunkt;
    const double a = g[0], yc = g[1], zc = g[2], alpha = g[11], i1 = g[12], i2 = g[13];
    double ry = c->dy, rz = c->dz;
    if (c->reference_mode == 1) ry += yc, rz += zc;
    else if (c->reference_mode == 2 && m) ry += m[0], rz += m[1];
    const double beta = c->theta + (c->angle_mode == 1 ? alpha : 0);
    const double ca = std::cos(alpha), sa = std::sin(alpha);
    const double eta_r = ca * (ry - yc) + sa * (rz - zc), zeta_r = -sa * (ry - yc) + ca * (rz - zc);
    for (const DWQB_Outline_Segment& s : line->outline) {
        if (!DWQB_Segment_Active(&s)) continue;
        const int n = (s.flags & DWQB_SEG_CURVED) ? std::max(1, static_cast<int>(s.n_sub)) : 1;
        for (int k = 0; k <= n; k++) {
            double py, pz;
            Calc_DWQB_Segment_Point(2.0 * k / n - 1, &s, &py, &pz);
            const double eta_p = ca * (py - yc) + sa * (pz - zc), zeta_p = -sa * (py - yc) + ca * (pz - zc);
            double e[3] = {(a != 0 ? 1 / a : 0) - (i1 != 0 ? zeta_r * zeta_p / i1 : 0) - (i2 != 0 ? eta_r * eta_p / i2 : 0),
                           i1 != 0 ? zeta_p / i1 : 0, i2 != 0 ? -eta_p / i2 : 0};
            const double d = beta - alpha;
            if (d != 0) {
                const double e1 = e[1] * std::cos(d) + e[2] * std::sin(d), e2 = -e[1] * std::sin(d) + e[2] * std::cos(d);
                e[1] = e1;
                e[2] = e2;
            }
            for (int j = 0; j < 3; j++) {
                if (c->first || e[j] < c->min[j]) c->min[j] = e[j];
                if (c->first || e[j] > c->max[j]) c->max[j] = e[j];
            }
            c->first = 0;
        }
    }
    return 1;
}
