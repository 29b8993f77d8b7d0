// dwqb_warping: sectorial coordinate, warping constant and shear centre.
#include "thinwall/dwqb_warping.h"

#include <cmath>
#include <initializer_list>
#include <cstdio>
#include <cstring>

#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/engine_faults.h"

// Cell terms of a line left from node: the omega correction factor sum of
// s psi_k (s = +1 when the cell passes the line leaving that node) and the
// torsional flow sum of s' psi_k (s' = +1 when it passes from the start node).
static void Cell_Terms(const DWQB_Linie* line, const DWQB_Knoten* from, double* along, double* flow) {
    *along = 0;
    *flow = 0;
    for (int k = 0; k < DWQB_Anzahl_Zellen_Listen && k < dwqb_work.n_cells; k++) {
        for (const DWQB_Zelle* e = DWQB_Zellen_Listen[k]; e; e = e->next) {
            if (e->line != line) continue;
            *along += (e->a == from ? 1 : -1) * dwqb_work.psi[k];
            *flow += (e->a == line->a ? 1 : -1) * dwqb_work.psi[k];
            break;
        }
    }
}

static void Omega_Extremes(double* lo, double* hi) {
    bool first = true;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        for (double w : {l->omega_a, l->omega_b}) {
            if (first || w < *lo) *lo = w;
            if (first || w > *hi) *hi = w;
            first = false;
        }
    }
}

static void Remove_Mean_Omega(double a) {
    double sum = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) sum += (l->omega_a + l->omega_b) / 2 * l->t_m * l->L;
    const double mean = a != 0 ? sum / a : 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        l->omega_a -= mean;
        l->omega_b -= mean;
    }
}

static void Clear_Warping(void) {
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        n->omega = 0;
        n->link_mark = 0;
    }
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        l->omega_a = l->omega_b = l->torsion_flow = 0;
        l->warp_mark = 0;
    }
}

// The unit warping about the centroid, node by node from the first node
// along the lines, with the closed cells' torsion flow taken off; each
// line's torsion flow on the way.
static void Sweep_Omega(void) {
    const DWQB_Arbeitswerte& w = dwqb_work;
    const double yp = w.y_c, zp = w.z_c;
    dwqb_model.first_node->link_mark = 1;
    for (bool swept = true; swept;) {
        swept = false;
        for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
            if (n->link_mark != 1) continue;
            swept = true;
            for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
                if (l->warp_mark || !l->a || !l->b || (l->a != n && l->b != n)) continue;
                l->warp_mark = 1;
                DWQB_Knoten* far = l->a == n ? l->b : l->a;
                double om = n->omega + (far->y - n->y) * (zp - n->z) - (far->z - n->z) * (yp - n->y);
                double along, flow;
                Cell_Terms(l, n, &along, &flow);
                if (l->t_m != 0) om -= l->L * along / l->t_m;
                if (w.i_t != 0) l->torsion_flow += flow / w.i_t;
                if (l->a == n) {
                    l->omega_a = n->omega;
                    l->omega_b = om;
                } else {
                    l->omega_b = n->omega;
                    l->omega_a = om;
                }
                if (far->link_mark == 0) {
                    far->omega = om;
                    far->link_mark = 1;
                }
            }
            n->link_mark = 2;
        }
    }
}

// The warping values as they are stored.
struct Warping_Values {
    double flow_lo = 0, flow_hi = 0;
    double i_wy = 0, i_wz = 0, i_w = 0;
    double om_lo = 0, om_hi = 0;
    double rr_sum = 0, ratio = 0;
};

static void Torsion_Flow_Extremes(Warping_Values* v) {
    bool first = true;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (first || l->torsion_flow < v->flow_lo) v->flow_lo = l->torsion_flow;
        if (first || l->torsion_flow > v->flow_hi) v->flow_hi = l->torsion_flow;
        first = false;
    }
}

// The products of the warping with y and z and its square, about the
// centroid; from them the warping constant about the shear centre.
static void Warping_Integrals(Warping_Values* v) {
    const DWQB_Arbeitswerte& w = dwqb_work;
    double i_ww = 0;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double ta = l->t_m * l->L, oa = l->omega_a, ob = l->omega_b;
        const double ya = l->a->y - w.y_c, yb = l->b->y - w.y_c, za = l->a->z - w.z_c, zb = l->b->z - w.z_c;
        v->i_wz += ta * (2 * oa * za + 2 * ob * zb + oa * zb + ob * za) / 6;
        v->i_wy += ta * (2 * oa * ya + 2 * ob * yb + oa * yb + ob * ya) / 6;
        i_ww += ta * (oa * oa + oa * ob + ob * ob) / 3;
    }
    v->i_w = i_ww + v->i_wy * (w.z_m - w.z_c) + v->i_wz * (w.y_c - w.y_m);
    if (std::fabs(v->i_w) < 1e-6) v->i_w = 0;
}

// Omega about the shear centre, again with zero mean.
static void Shift_Omega_To_Shear_Centre(void) {
    const DWQB_Arbeitswerte& w = dwqb_work;
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        l->omega_a += (l->a->y - w.y_c) * (w.z_m - w.z_c) - (l->a->z - w.z_c) * (w.y_m - w.y_c);
        l->omega_b += (l->b->y - w.y_c) * (w.z_m - w.z_c) - (l->b->z - w.z_c) * (w.y_m - w.y_c);
    }
    Remove_Mean_Omega(w.a);
}

// The warping's product with the squared distance in the principal axes,
// and its ratio to the warping constant.
static void Warping_Radius_Ratio(Warping_Values* v) {
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        if (!l->a || !l->b) continue;
        const double xa = l->a->work_values[0], ea = l->a->work_values[1];
        const double xb = l->b->work_values[0], eb = l->b->work_values[1];
        const double oa = l->omega_a, ob = l->omega_b;
        v->rr_sum += l->t_m * l->L *
                     (2 * ((xa * xa + ea * ea) * oa + (xb * xb + eb * eb) * ob) +
                      (oa + ob) * ((xa + xb) * (xa + xb) + (ea + eb) * (ea + eb)));
    }
    v->ratio = v->i_w > 0.001 ? v->rr_sum / (12 * v->i_w) : 0;
}

// A warping constant the caller gives scales the warping to it.
static void Scale_To_Given_Warping_Constant(Warping_Values* v, double given) {
    const double f = std::sqrt(std::fabs(given / v->i_w));
    for (DWQB_Linie* l = dwqb_model.first_line; l; l = l->next) {
        l->omega_a *= f;
        l->omega_b *= f;
    }
    v->om_lo *= f;
    v->om_hi *= f;
    v->i_wy *= f;
    v->i_wz *= f;
    v->rr_sum *= f;
    v->i_w = given;
    v->ratio = std::fabs(given) > 0.001 ? v->rr_sum / (12 * given) : 0;
}

static void Store_Warping_Values(const Warping_Values& v) {
    double* qw = DWQB_Querschnittswerte;
    DWQB_Arbeitswerte& w = dwqb_work;
    w.i_w = v.i_w;
    w.i_wy = v.i_wy;
    w.i_wz = v.i_wz;
    w.omega_moment = v.i_w + (w.y_m - w.y_c) * v.i_wz + (w.z_c - w.z_m) * v.i_wy;
    w.omega_rr_ratio = v.ratio;
    w.omega_min = v.om_lo;
    w.omega_max = v.om_hi;
    w.flow_min = v.flow_lo;
    w.flow_max = v.flow_hi;
    qw[DWQB_QW_IW] = v.i_w;
    qw[DWQB_QW_IW2] = w.omega_moment;
    qw[DWQB_QW_PY] = v.i_wy;
    qw[DWQB_QW_PZ] = v.i_wz;
    qw[DWQB_QW_Q] = v.ratio;
    qw[DWQB_QW_OMEGA1] = v.om_lo;
    qw[DWQB_QW_OMEGA2] = v.om_hi;
    qw[38] = v.flow_lo;
    qw[39] = v.flow_hi;
    qw[DWQB_QW_IP_A] = std::fabs(w.a) > 0.001 ? (w.i_xi + w.i_eta) / w.a : 0;
}

void Calc_DWQB_Warping(void) {
    Clear_Warping();
    if (!dwqb_model.first_node) return;
    Sweep_Omega();
    Remove_Mean_Omega(dwqb_work.a);
    Warping_Values v;
    Torsion_Flow_Extremes(&v);
    Warping_Integrals(&v);
    Shift_Omega_To_Shear_Centre();
    Omega_Extremes(&v.om_lo, &v.om_hi);
    Warping_Radius_Ratio(&v);
    const double given = DWQB_Querschnittswerte[DWQB_QW_IW];
    if ((DWQB_Optionen & DWQB_OPT_GIVEN_IW) && given > 0 && std::fabs(v.i_w) > 0.001)
        Scale_To_Given_Warping_Constant(&v, given);
    Store_Warping_Values(v);
}

enum : uint32_t { NODE_REACHED = 0x2000, ENTRY_DONE = 0x100000 };

void _Calc_Part_Warping(DWQB_Teil* part) {
    if (!part || !part->shear_lines) return;
    DWQB_Schublinie* e = part->shear_lines;
    const int n = part->n_shear_lines;
    for (DWQB_Knoten* node = dwqb_model.first_node; node; node = node->next) {
        node->link_mark &= ~NODE_REACHED;
        node->omega = 0;
    }
    for (int i = 0; i < n; i++) e[i].flags &= ~ENTRY_DONE;
    auto reference = [](const DWQB_Schublinie& entry) {
        return (entry.flags & DWQB_SHEAR_BACKWARD) ? entry.line->a : entry.line->b;
    };
    for (int i = 0; i < n; i++) {
        DWQB_Linie* l = e[i].line;
        if (!l || !l->result) continue;
        DWQB_Knoten* node;
        double value;
        if (e[i].flags & DWQB_SHEAR_CELL_CUT) node = reference(e[i]);
        else node = l->a ? l->a : l->b;
        if (!node) break;
        value = node == l->a ? l->result->omega_a : l->result->omega_b;
        node->omega = value;
        node->link_mark |= NODE_REACHED;
        break;
    }
    int done = 0;
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < n; i++) {
            DWQB_Linie* l = e[i].line;
            if ((e[i].flags & ENTRY_DONE) || !l || !l->a || !l->b || !l->result) continue;
            DWQB_Linienergebnis* r = l->result;
            const bool ra = l->a->link_mark & NODE_REACHED, rb = l->b->link_mark & NODE_REACHED;
            if (e[i].flags & DWQB_SHEAR_CELL_CUT) {
                DWQB_Knoten* ref = reference(e[i]);
                if (!(ref->link_mark & NODE_REACHED)) continue;
                const double shift = ref->omega - (ref == l->a ? r->omega_a : r->omega_b);
                r->omega_a += shift;
                r->omega_b += shift;
            } else if (ra != rb) {
                DWQB_Knoten* known = ra ? l->a : l->b;
                DWQB_Knoten* other = ra ? l->b : l->a;
                const double shift = known->omega - (ra ? r->omega_a : r->omega_b);
                r->omega_a += shift;
                r->omega_b += shift;
                other->omega = ra ? r->omega_b : r->omega_a;
                other->link_mark |= NODE_REACHED;
            } else if (ra && rb) {
                const double shift = l->a->omega - r->omega_a;
                r->omega_a += shift;
                r->omega_b += shift;
            } else {
                continue;
            }
            e[i].flags |= ENTRY_DONE;
            done++;
            changed = true;
        }
    }
    if (done != n) Record_Engine_Fault(ENGINE_FAULT_WARPING_COUNT, "_Calc_Part_Warping: mlines(=%d) != nlines(=%d)\n", done, n);
}

double Calc_DWQB_Line_Warping_Ordinate(const DWQB_Linie* line, double s) {
    const DWQB_Segment_Geometrie& g = line->geo;
    const double h = (s + 1) / 2;
    double swept;
    if (g.n_chords >= 1) {
        double y, z;
        Calc_DWQB_Geometry_Point(&g, &y, &z, s);
        // The centre line turns clockwise about the centre as s grows.
        swept = (z - g.z1) * g.yc - g.r * g.r * h * 2 * g.phi + (g.y1 - y) * g.zc;
    } else {
        swept = ((g.z2 - g.z1) * g.y1 - g.z1 * (g.y2 - g.y1)) * h;
    }
    const DWQB_Linienergebnis* r = line->result;
    double omega = swept + (r ? r->omega_a : line->omega_a);
    const double psi = r ? r->psi : 0;
    if (psi != 0) {
        static const double x[5] = {0.09382015406133615, 0.461530689894317, 1, 1.538469310105683, 1.9061798459386639};
        static const double wt[5] = {0.1184634425280945, 0.239314335249683, 0.2844444444444445, 0.239314335249683,
                                     0.1184634425280945};
        double sum = 0;
        for (int i = 0; i < 5; i++) {
            const double u = x[i] * h - 1;
            const double t = 2 * g.h0 + 2 * g.h1 * u;
            if (t != 0) sum += wt[i] / t;
        }
        omega -= psi * g.length * h * sum;
    }
    return omega;
}

int Calc_DWQB_Schubmittelpunkt(const DWQB_Teil* part, double* out) {
    std::memset(out, 0, DWQB_SCHUBMITTELPUNKT * sizeof(double));
    const DWQB_Teilwerte& v = part->v;
    const DWQB_Teil_Summen& s = v.set2;
    const double a = s.a;
    if (a == 0) return 0;
    const double ys = s.y / a, zs = s.z / a;
    const double iy = s.zz - a * zs * zs, iz = s.yy - a * ys * ys, iyz = s.yz - a * ys * zs;
    double ra = iy, rb = iz, rc = -iyz, d = 0;
    const int plain = Regularize_DWQB_Inertia(&ra, &rb, &rc, &d);
    const double i_wz = v.wz - zs * v.w, i_wy = v.wy - ys * v.w;
    double ym = ys, zm = zs;
    if (plain) {
        ym = (i_wz * iz - i_wy * iyz) * d;
        zm = (iyz * i_wz - i_wy * iy) * d;
    }
    const double mean = v.w / a;
    double i_w = v.ww - a * mean * mean - i_wz * ym + i_wy * zm;
    const double i_t = v.torsion[0] + v.torsion[1];
    const bool cut = i_w < 1e-6 * a * i_t;
    if (cut) i_w = 0;
    const double pz = v.wz + zs * s.yz - ys * s.zz - 2 * zs * v.w;
    const double py = v.wy + zs * s.yy - ys * s.yz - 2 * ys * v.w;
    double i_w2 = 0;
    if (plain) {
        i_w2 = (ym - ys) * pz - (zm - zs) * py;
        if (!cut) i_w2 += i_w;
    }
    const double y_rr = v.set1.yyy + v.set1.yzz, z_rr = v.set1.yyz + v.set1.zzz;
    const double rr = s.yy + s.zz;
    double q = 0;
    if (i_w > 0) q = (v.wrr + zm * y_rr - ym * z_rr - (ys * zm - zs * ym + mean) * rr) / i_w;
    out[0] = ym;
    out[1] = zm;
    out[2] = v.w_min;
    out[3] = v.w_max;
    out[4] = i_w;
    out[5] = i_w2;
    out[6] = pz;
    out[7] = py;
    out[8] = q;
    return 0;
}

int Calc_DWQB_Schubmittelpunkt_Callback(DWQB_Teil* part, void* context) {
    if (part && context) Calc_DWQB_Schubmittelpunkt(part, static_cast<double*>(context));
    return 1;
}

int Scale_DWQB_Line_Flow_Callback(DWQB_Schublinie* entry, const double* factor) {
    if (entry && entry->line && entry->line->result && factor) entry->line->result->cell_flow *= *factor;
    return 1;
}

int Calc_DWQB_Schubmittelpunkt_Reset_Callback(DWQB_Teil* part, void* context) {
    auto* values = static_cast<double*>(context);
    if (part && values) {
        Calc_DWQB_Schubmittelpunkt(part, values);
        values[DWQB_SCHUBMITTELPUNKT] = std::fmax(values[DWQB_SCHUBMITTELPUNKT], values[DWQB_SCHUBMITTELPUNKT + 1]);
    }
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next)
        for (double& w : n->work_values) w = 0;
    return 1;
}

int Normalize_DWQB_Teil_Warping(DWQB_Teil* part, DWQB_Teil* parent, double* values) {
    if (!part || !values) return 1;
    DWQB_Teilwerte& v = part->v;
    const double a = v.set2.a;
    const double mean = a != 0 ? v.w / a : 0;
    const double d_ww = a * mean * mean, d_wy = mean * v.set2.y, d_wz = mean * v.set2.z;
    const double d_wrr = mean * (v.set2.yy + v.set2.zz), d_w = v.w;
    for (DWQB_Teilwerte* t : {&v, parent ? &parent->v : nullptr}) {
        if (!t) continue;
        t->w -= d_w;
        t->ww -= d_ww;
        t->wy -= d_wy;
        t->wz -= d_wz;
        t->wrr -= d_wrr;
    }
    values[0] = a != 0 ? v.set2.y / a : 0;
    values[1] = a != 0 ? v.set2.z / a : 0;
    values[2] = mean;
    return 1;
}

int Normalize_DWQB_Teil_Warping_Callback(DWQB_Teil* part, void* context) {
    return Normalize_DWQB_Teil_Warping(part, nullptr, static_cast<double*>(context));
}
