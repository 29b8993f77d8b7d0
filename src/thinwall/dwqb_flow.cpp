// dwqb_flow: shear-flow and warping passes of the several-part calculation.
#include "thinwall/dwqb_flow.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "base/vesk.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_plate.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/dwqb_warping.h"

namespace {

const double kX[5] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640, 0.9061798459386640};
const double kW[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665, 0.2369268850561891,
                      0.2369268850561891};

// Integral of f(s) along the line's length from s0 to s1: five Gauss points
// on each of min(chords, 4) pieces of an arc, one piece for a straight line.
template <typename F>
double Line_Integral(const DWQB_Linie* l, double s0, double s1, F f) {
    const int m = l->geo.n_chords > 0 ? std::min(static_cast<int>(l->geo.n_chords), 4) : 1;
    const double width = (s1 - s0) / m;
    double sum = 0;
    for (int j = 0; j < m; j++) {
        const double mid = s0 + width * (j + 0.5);
        for (int i = 0; i < 5; i++) sum += kW[i] * width / 2 * f(mid + kX[i] * width / 2);
    }
    return sum * l->geo.length / 2;
}

double Inverse_T(const DWQB_Linie* l, double s) {
    const double t = DWQB_Line_Thickness(l, s);
    return t != 0 ? 1 / t : 0;
}

DWQB_Linienergebnis* Result_Of(void* member) {
    return member && DWQB_Member_Kind(member) != DWQB_MEMBER_PART ? static_cast<DWQB_Linienergebnis*>(member) : nullptr;
}

// Registers the closed cells of a part; their count.
int Register_Cell(DWQB_Linie* key, uint32_t flags, void*) { return REALLOC_DWQB_CELLS_BUFFER(key, static_cast<int>(flags)); }

int Register_Part_Cells(DWQB_Teil* part) {
    Reset_DWQB_Cells();
    const DWQB_Cell_Callbacks cb{Register_Cell, nullptr, nullptr, nullptr};
    Walk_DWQB_Cells(part, &cb);
    return DWQB_Zellen.n;
}

void Clear_Cases(DWQB_Teil* part) {
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r) continue;
        std::memset(r->case_values, 0, sizeof r->case_values);
        r->warping_value = 0;
    }
}

// Resultants and moment about the origin of a flow distribution along a
// line: integral of q dy, q dz and q (y dz - z dy).
void Flow_Resultants(const DWQB_Linie* l, const double* flow, double* ry, double* rz, double* moment) {
    const int m = l->geo.n_chords > 0 ? std::min(static_cast<int>(l->geo.n_chords), 4) : 1;
    double sy = 0, sz = 0, sm = 0;
    for (int j = 0; j < m; j++) {
        const double mid = -1 + (2.0 * j + 1) / m;
        for (int i = 0; i < 5; i++) {
            const double s = mid + kX[i] / m, w = kW[i] / m;
            double dy, dz, y, z;
            Segment_Tangent(s, 0, &l->geo, &dy, &dz);
            Segment_Point(s, 0, &l->geo, &y, &z);
            const double q = DWQB_Distribution_Value(flow, s);
            sy += w * q * dy;
            sz += w * q * dz;
            sm += w * q * (y * dz - z * dy);
        }
    }
    *ry = sy;
    *rz = sz;
    *moment = sm;
}

struct Shear_Walk {
    DWQB_Open_Shear_State state;
    DWQB_Flow_Sums sums;
};

int Begin_Shear_Section(DWQB_Teil*, void*) {
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        n->s_y = n->s_z = 0;
        n->link_mark &= ~0x1000;
    }
    return 1;
}

int Open_Shear_Entry(DWQB_Schublinie* entry, void* data) {
    return DWQB_Open_Shear_Line(entry, &static_cast<Shear_Walk*>(data)->state);
}

int Part_Shear_End(DWQB_Teil* part, void* data) {
    Calc_DWQB_Part_Shear_Flow(part, &static_cast<Shear_Walk*>(data)->sums);
    return 1;
}

int Scale_Entry(DWQB_Schublinie* entry, void* factor) {
    return Scale_DWQB_Line_Flow_Callback(entry, static_cast<const double*>(factor));
}

int Begin_Warping_Section(DWQB_Teil*, void* data) {
    for (DWQB_Knoten* n = dwqb_model.first_node; n; n = n->next) {
        n->omega = 0;
        n->link_mark &= ~0x1000;
    }
    static_cast<DWQB_Flow_Sums*>(data)->w_first = 1;
    return 1;
}

int Fit_Entry(DWQB_Schublinie* entry, void* data) {
    return Fit_DWQB_Line_Warping_Flow(entry, static_cast<DWQB_Flow_Sums*>(data));
}

int Part_Warping_End(DWQB_Teil* part, void* data) {
    return Calc_DWQB_Part_Warping_Flow(part, static_cast<DWQB_Flow_Sums*>(data));
}

}  // namespace

DWQB_Teil* Calc_DWQB_Part_Shear_Flow(DWQB_Teil* part, DWQB_Flow_Sums* sums) {
    if (!part || !sums) return part;
    const double* g = DWQB_Aktuelle_Grundwerte;
    const double alpha = g ? g[11] : 0, i_xi = g ? g[12] : 0, i_eta = g ? g[13] : 0;
    const double c = std::cos(alpha), s = std::sin(alpha);
    const double floor = 1e-7 * (std::fabs(i_xi) + std::fabs(i_eta));
    // Row 1 holds the static moment of xi (bending about eta), row 2 that of
    // eta; a unit V_y has the components (c, -s) along (xi, eta).
    const double k1 = std::fabs(i_eta) > floor ? 1 / i_eta : 0, k2 = std::fabs(i_xi) > floor ? 1 / i_xi : 0;
    const double m[2][2] = {{-c * k1, s * k2}, {-s * k1, -c * k2}};
    double part_def[3] = {};
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r || !r->line) continue;
        const DWQB_Linie* l = r->line;
        for (int k = 0; k < 6; k++) {
            const double a = r->flow[0][k], b = r->flow[1][k];
            r->flow[0][k] = m[0][0] * a + m[0][1] * b;
            r->flow[1][k] = m[1][0] * a + m[1][1] * b;
        }
        auto qy = [r](double x) { return DWQB_Distribution_Value(r->flow[0], x); };
        auto qz = [r](double x) { return DWQB_Distribution_Value(r->flow[1], x); };
        r->ds_over_t = Line_Integral(l, -1, 1, [&](double x) { return Inverse_T(l, x); });
        r->length_over_t = r->ds_over_t;
        r->cell_terms[0] = Line_Integral(l, -1, 1, [&](double x) { return qy(x) * Inverse_T(l, x); });
        r->cell_terms[1] = Line_Integral(l, -1, 1, [&](double x) { return qz(x) * Inverse_T(l, x); });
        r->cell_flow = 0;
    }
    const int n_cells = Register_Part_Cells(part);
    double cell_torsion = 0;
    if (n_cells >= 1) {
        Clear_DWQB_Cell_System();
        const DWQB_Cell_Callbacks assemble{nullptr, Add_DWQB_Cell_Warping_Terms, nullptr, nullptr};
        Walk_DWQB_Cells(part, &assemble);
        Solve_DWQB_Linear(DWQB_Zellen.matrix, DWQB_Zellen.rhs[0], DWQB_Zellen.rhs[1], DWQB_Zellen.rhs[2], n_cells, 3);
        Clear_Cases(part);
        const DWQB_Cell_Callbacks spread{nullptr, Apply_DWQB_Cell_Warping_Solution, nullptr, nullptr};
        Walk_DWQB_Cells(part, &spread);
        for (int i = 0; i < part->n_members; i++) {
            DWQB_Linienergebnis* r = Result_Of(part->members[i]);
            if (!r) continue;
            for (int k = 0; k < 2; k++) {
                r->flow[k][0] += r->case_values[k][0];
                r->flow[k][1] += r->case_values[k][1];
            }
            // Circulation per unit twist in the line's direction.
            const double q = r->case_values[2][0];
            cell_torsion += q * (r->omega_b - r->omega_a);
            r->cell_flow = q;
            r->psi = q;
            r->omega_b += r->warping_value;
        }
    }
    Reset_DWQB_Cells();
    _Calc_Part_Warping(part);
    part->v.n_cells = n_cells;
    part->v.torsion[1] = cell_torsion;
    part->v.torsion[3] = cell_torsion;
    sums->n_cells += n_cells;
    sums->cell_torsion += cell_torsion;
    for (double& v : part->v.resultants) v = 0;
    for (double& v : part->v.moments) v = 0;
    // Shear deformation from the compatible flows.
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r || !r->line) continue;
        const DWQB_Linie* l = r->line;
        auto qy = [r](double x) { return DWQB_Distribution_Value(r->flow[0], x); };
        auto qz = [r](double x) { return DWQB_Distribution_Value(r->flow[1], x); };
        r->v.alpha_y = Line_Integral(l, -1, 1, [&](double x) { return qy(x) * qy(x) * Inverse_T(l, x); });
        r->v.alpha_z = Line_Integral(l, -1, 1, [&](double x) { return qz(x) * qz(x) * Inverse_T(l, x); });
        r->v.alpha_yz = Line_Integral(l, -1, 1, [&](double x) { return qy(x) * qz(x) * Inverse_T(l, x); });
        part_def[0] += r->v.alpha_y;
        part_def[1] += r->v.alpha_z;
        part_def[2] += r->v.alpha_yz;
    }
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r || !r->line) continue;
        Flow_Resultants(r->line, r->flow[0], &r->v.resultants[0], &r->v.resultants[2], &r->v.moments[0]);
        Flow_Resultants(r->line, r->flow[1], &r->v.resultants[1], &r->v.resultants[3], &r->v.moments[1]);
        for (int k = 0; k < 4; k++) part->v.resultants[k] += r->v.resultants[k];
        for (int k = 0; k < 2; k++) part->v.moments[k] += r->v.moments[k];
    }
    for (int k = 0; k < 4; k++) sums->resultants[k] += part->v.resultants[k];
    for (int k = 0; k < 2; k++) sums->moments[k] += part->v.moments[k];
    for (int k = 0; k < 3; k++) sums->deformation[k] += part_def[k];
    const double a = part->v.set1.a;
    part->v.alpha_y = part_def[0] * a;
    part->v.alpha_z = part_def[1] * a;
    part->v.alpha_yz = part_def[2] * a;
    return part;
}

int Calc_DWQB_Shear_Flow(void) {
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    if (!head) return 1;
    Shear_Walk walk{};
    const double* g = DWQB_Aktuelle_Grundwerte;
    if (g) walk.state = {g[11], g[1], g[2]};
    DWQB_Result_Visitor v{};
    v.on_section = Begin_Shear_Section;
    v.on_shear_entry = Open_Shear_Entry;
    v.on_part_end = Part_Shear_End;
    v.data2 = v.data4 = &walk;
    Walk_DWQB_Result(&v);
    const DWQB_Flow_Sums& s = walk.sums;
    head->second_count = s.n_cells;
    head->v.n_cells = s.n_cells;
    for (int k = 0; k < 4; k++) head->v.resultants[k] = s.resultants[k];
    for (int k = 0; k < 2; k++) head->v.moments[k] = s.moments[k];
    const double a = head->v.set1.a;
    head->v.alpha_y = s.deformation[0] * a;
    head->v.alpha_z = s.deformation[1] * a;
    head->v.alpha_yz = s.deformation[2] * a;
    head->v.torsion[1] = s.cell_torsion;
    head->v.torsion[3] = s.cell_torsion;
    // Cell flows per unit twist become flows per unit torque.
    double factor = s.cell_torsion != 0 ? 1 / s.cell_torsion : 0;
    DWQB_Result_Visitor scale{};
    scale.on_shear_entry = Scale_Entry;
    scale.data4 = &factor;
    Walk_DWQB_Result(&scale);
    Calc_DWQB_Sectorial_Integrals();
    return 1;
}

// Sectorial integrals of one line from its ordinate about the origin.
static void Line_Sectorial_Integrals(DWQB_Linienergebnis* r) {
    const DWQB_Linie* l = r->line;
    double w, wy, wz, ww, wrr;
    auto integral = [&](auto f) { return Line_Integral(l, -1, 1, f); };
    auto point = [l](double s, double* y, double* z) { Segment_Point(s, 0, &l->geo, y, z); };
    w = integral([&](double s) { return Calc_DWQB_Line_Warping_Ordinate(l, s) * DWQB_Line_Thickness(l, s); });
    wy = integral([&](double s) {
        double y, z;
        point(s, &y, &z);
        return Calc_DWQB_Line_Warping_Ordinate(l, s) * DWQB_Line_Thickness(l, s) * y;
    });
    wz = integral([&](double s) {
        double y, z;
        point(s, &y, &z);
        return Calc_DWQB_Line_Warping_Ordinate(l, s) * DWQB_Line_Thickness(l, s) * z;
    });
    ww = integral([&](double s) {
        const double om = Calc_DWQB_Line_Warping_Ordinate(l, s);
        return om * om * DWQB_Line_Thickness(l, s);
    });
    wrr = integral([&](double s) {
        double y, z;
        point(s, &y, &z);
        return Calc_DWQB_Line_Warping_Ordinate(l, s) * DWQB_Line_Thickness(l, s) * (y * y + z * z);
    });
    r->v.w = w, r->v.wy = wy, r->v.wz = wz, r->v.ww = ww, r->v.wrr = wrr;
    r->v.w_min = std::min(r->omega_a, r->omega_b);
    r->v.w_max = std::max(r->omega_a, r->omega_b);
}

int Shift_DWQB_Line_Warping(DWQB_Schublinie* entry, const double* values) {
    if (!entry || !entry->line || !entry->line->result || !values) return 1;
    DWQB_Linienergebnis& r = *entry->line->result;
    const double c = values[2];
    DWQB_Teilwerte& v = r.v;
    r.omega_a -= c;
    r.omega_b -= c;
    r.pole_y = values[0];
    r.pole_z = values[1];
    v.ww += c * (c * v.set2.a - 2 * v.w);
    v.w -= c * v.set2.a;
    v.wy -= c * v.set2.y;
    v.wz -= c * v.set2.z;
    v.wrr -= c * (v.set2.yy + v.set2.zz);
    v.w_min -= c;
    v.w_max -= c;
    return 1;
}

namespace {
struct Normalize_Walk {
    double values[3];        // part centroid and its mean ordinate
};
int Normalize_Part(DWQB_Teil* part, void* data) {
    return Normalize_DWQB_Teil_Warping_Callback(part, static_cast<Normalize_Walk*>(data)->values);
}
int Shift_Entry(DWQB_Schublinie* entry, void* data) {
    return Shift_DWQB_Line_Warping(entry, static_cast<Normalize_Walk*>(data)->values);
}
}  // namespace

int Calc_DWQB_Sectorial_Integrals(void) {
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    const DWQB_Teil* all = DWQB_Alle_Linien_Teil;
    if (!head || !all) return 1;
    for (int i = 0; i < all->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(all->members[i]);
        if (r && r->line) Line_Sectorial_Integrals(r);
    }
    Sum_DWQB_Teil_Torsion(head);
    Normalize_Walk walk{};
    DWQB_Result_Visitor v{};
    v.on_part_begin = Normalize_Part;
    v.on_shear_entry = Shift_Entry;
    v.data2 = v.data4 = &walk;
    Walk_DWQB_Result(&v);
    Sum_DWQB_Teil_Torsion(head);
    if (!DWQB_Aktueller_Schubmittelpunkt) return 1;
    // Separate parts twist about one axis, each with its own ordinate
    // constant (zero mean over the part, referred to the part's centroid):
    // the pole is then found with the second moments of the parts about
    // their own centroids.
    DWQB_Teil whole = *head;
    if (head->n_members >= 2) {
        DWQB_Teil_Summen& s = whole.v.set2;
        const double ys = s.a != 0 ? s.y / s.a : 0, zs = s.a != 0 ? s.z / s.a : 0;
        double iy = 0, iz = 0, iyz = 0;
        for (int i = 0; i < head->n_members; i++) {
            const auto* part = static_cast<const DWQB_Teil*>(head->members[i]);
            const DWQB_Teil_Summen& p = part->v.set2;
            if (p.a == 0) continue;
            iy += p.zz - p.z * p.z / p.a;
            iz += p.yy - p.y * p.y / p.a;
            iyz += p.yz - p.y * p.z / p.a;
        }
        s.zz = iy + s.a * zs * zs;
        s.yy = iz + s.a * ys * ys;
        s.yz = iyz + s.a * ys * zs;
    }
    Calc_DWQB_Schubmittelpunkt(&whole, DWQB_Aktueller_Schubmittelpunkt);
    return 1;
}

int Fit_DWQB_Line_Warping_Flow(DWQB_Schublinie* entry, DWQB_Flow_Sums* sums) {
    if (!entry || !entry->line || !entry->line->result || !sums) return 1;
    DWQB_Linie* l = entry->line;
    DWQB_Linienergebnis& r = *l->result;
    auto wt = [l](double s) {
        double v[5];
        Calc_DWQB_Line_Warping_Values(l, 2, v, s, 0, 0, 0);
        return v[0] * DWQB_Line_Thickness(l, s);
    };
    const double j = Line_Integral(l, -1, 1, wt);
    static const double bubble[4] = {-0.6, -0.2, 0.2, 0.6};
    for (int k = 0; k < 4; k++) r.flow[2][2 + k] = Line_Integral(l, -1, bubble[k], wt) - (bubble[k] + 1) * j / 2;
    const bool backward = entry->flags & DWQB_SHEAR_BACKWARD;
    DWQB_Knoten* from = backward ? l->b : l->a;
    DWQB_Knoten* to = backward ? l->a : l->b;
    const double p = (entry->flags & DWQB_SHEAR_CELL_CUT) ? 0 : from->omega;
    if (!backward) {
        r.flow[2][0] = p;
        r.flow[2][1] = p + j;
    } else {
        r.flow[2][0] = -(p + j);
        r.flow[2][1] = -p;
    }
    to->omega += p + j;
    from->link_mark |= 0x1000;
    to->link_mark |= 0x1000;
    double lo = 0, hi = 0;
    for (int k = 0; k < 12; k++) {
        double v[5];
        Calc_DWQB_Line_Warping_Values(l, 2, v, -1 + 2.0 * k / 11, 0, 0, 0);
        if (k == 0 || v[0] < lo) lo = v[0];
        if (k == 0 || v[0] > hi) hi = v[0];
    }
    r.v.w_min = lo;
    r.v.w_max = hi;
    if (sums->w_first || lo < sums->w_min) sums->w_min = lo;
    if (sums->w_first || hi > sums->w_max) sums->w_max = hi;
    sums->w_first = 0;
    return 1;
}

int Calc_DWQB_Part_Warping_Flow(DWQB_Teil* part, DWQB_Flow_Sums* sums) {
    if (!part || !sums) return 1;
    const double* m = DWQB_Aktueller_Schubmittelpunkt;
    const double i_w = m ? m[4] : 0;
    const double f = i_w != 0 ? -1 / i_w : 0;
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r || !r->line) continue;
        const DWQB_Linie* l = r->line;
        if (i_w != 0)
            for (double& v : r->flow[2]) v *= f;
        else
            for (double& v : r->flow[2]) v = 0;
        r->cell_terms[0] = Line_Integral(l, -1, 1, [&](double x) { return DWQB_Distribution_Value(r->flow[2], x) * Inverse_T(l, x); });
    }
    const int n_cells = Register_Part_Cells(part);
    if (n_cells >= 1) {
        Clear_DWQB_Cell_System();
        const DWQB_Cell_Callbacks assemble{nullptr, Add_DWQB_Cell_Shear_Terms, nullptr, nullptr};
        Walk_DWQB_Cells(part, &assemble);
        Solve_DWQB_Linear_1(DWQB_Zellen.matrix, DWQB_Zellen.rhs[0], n_cells);
        Clear_Cases(part);
        const DWQB_Cell_Callbacks spread{nullptr, Apply_DWQB_Cell_Shear_Solution, nullptr, nullptr};
        Walk_DWQB_Cells(part, &spread);
        for (int i = 0; i < part->n_members; i++) {
            DWQB_Linienergebnis* r = Result_Of(part->members[i]);
            if (!r) continue;
            r->flow[2][0] += r->case_values[0][0];
            r->flow[2][1] += r->case_values[0][1];
        }
    }
    Reset_DWQB_Cells();
    part->v.resultants[4] = part->v.resultants[5] = part->v.moments[2] = 0;
    for (int i = 0; i < part->n_members; i++) {
        DWQB_Linienergebnis* r = Result_Of(part->members[i]);
        if (!r || !r->line) continue;
        const DWQB_Linie* l = r->line;
        r->warping_flow_value = Line_Integral(l, -1, 1, [&](double x) { return DWQB_Distribution_Value(r->flow[2], x); });
        Flow_Resultants(l, r->flow[2], &r->v.resultants[4], &r->v.resultants[5], &r->v.moments[2]);
        part->v.resultants[4] += r->v.resultants[4];
        part->v.resultants[5] += r->v.resultants[5];
        part->v.moments[2] += r->v.moments[2];
    }
    sums->resultants[4] += part->v.resultants[4];
    sums->resultants[5] += part->v.resultants[5];
    sums->moments[2] += part->v.moments[2];
    return 1;
}

int Calc_DWQB_Warping_Flow(void) {
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    if (!head) return 1;
    DWQB_Flow_Sums sums{};
    DWQB_Result_Visitor v{};
    v.on_section = Begin_Warping_Section;
    v.on_shear_entry = Fit_Entry;
    v.on_part_end = Part_Warping_End;
    v.data1 = v.data2 = v.data4 = &sums;
    Walk_DWQB_Result(&v);
    head->v.resultants[4] = sums.resultants[4];
    head->v.resultants[5] = sums.resultants[5];
    head->v.moments[2] = sums.moments[2];
    if (!sums.w_first && DWQB_Aktueller_Schubmittelpunkt) {
        DWQB_Aktueller_Schubmittelpunkt[2] = sums.w_min;
        DWQB_Aktueller_Schubmittelpunkt[3] = sums.w_max;
    }
    return 1;
}

// ---- line records of the plastic load factor --------------------------------

void Free_DWQB_PLO_Linie_Children(DWQB_PLO_Linie* record) {
    if (!record || !record->sub) return;
    Mem_Free(__FILE__, __LINE__, "dwqb", record->sub);
    record->sub = nullptr;
}

// Mean of the warping ordinate about the shear centre over the line's area
// between s0 and s1, weighted with the thickness.
static double Mean_Warping(const DWQB_Linie* l, double s0, double s1, double area) {
    if (area <= 0) return 0;
    const double j = Line_Integral(l, s0, s1, [l](double s) {
        double v[5];
        Calc_DWQB_Line_Warping_Values(l, 2, v, s, 0, 0, 0);
        return v[0] * DWQB_Line_Thickness(l, s);
    });
    return j / area;
}

// The six unit-case resultants of a record (fields 4 to 9) in the order of
// a line result's resultants.
static void Resultant_Fields(DWQB_PLO_Linie& r, double* out[6]) {
    out[0] = &r.vy_y, out[1] = &r.vz_y, out[2] = &r.vy_z, out[3] = &r.vz_z, out[4] = &r.w_y, out[5] = &r.w_z;
}

int Fill_DWQB_PLO_Record(const DWQB_Linie* line, DWQB_PLO_Linie* record) {
    if (!line || !record) return 0;
    Free_DWQB_PLO_Linie_Children(record);
    *record = DWQB_PLO_Linie{};
    DWQB_PLO_Linie& f = *record;
    f.number = line->number;
    f.kind = line->kind;
    const DWQB_Linienergebnis* r = line->result;
    const DWQB_Segment_Geometrie& g = line->geo;
    double a = 0, sy = 0, sz = 0;
    Calc_DWQB_Segment_Integrals(&g, &a, &sy, &sz, 1, nullptr, nullptr, nullptr);
    const double len = g.length, cell = r ? r->cell_flow : 0;
    if (a > 0) f.y = sy / a, f.z = sz / a;
    f.angle = g.angle;
    f.area = a;
    f.length = len;
    f.t_mean = len != 0 ? a / len : 0;
    double* res[6];
    Resultant_Fields(f, res);
    if (r)
        for (int k = 0; k < 6; k++) *res[k] = r->v.resultants[k];
    f.c_y = std::cos(g.angle) * len * cell;
    f.c_z = std::sin(g.angle) * len * cell;
    if (a > 0) {
        f.inv_area_y = f.inv_area_z = 1 / a;
        const double tm = line->t_m, t = std::min(tm, tm != 0 ? a / tm : 0);
        if (t * (2 * a - t * t) / 4 > 0) f.torsion_factor = 4 / (t * (2 * a - t * t));
    }
    const DWQB_Teil* head = DWQB_Aktueller_Teil;
    const double i_t = head ? head->v.torsion[0] + head->v.torsion[1] : 0;
    if (head && i_t > 0 && r) f.torsion_share = r->torsion_share / i_t;
    f.warping = Mean_Warping(line, -1, 1, a);
    const int k = static_cast<int>(std::floor(16 * std::fabs(g.phi) / 3.14159265358979323846 + 0.5));
    if (g.n_chords < 2 || k < 2) return 1;
    void* block = Mem_Malloc(__FILE__, __LINE__, "dwqb", sizeof(DWQB_PLO_Block) + static_cast<size_t>(k) * sizeof(DWQB_PLO_Linie));
    if (!block) return 1;
    auto* sub = static_cast<DWQB_PLO_Block*>(block);
    sub->records = reinterpret_cast<DWQB_PLO_Linie*>(sub + 1);
    sub->count = sub->capacity = k;
    for (int i = 1; i <= k; i++) {
        DWQB_PLO_Linie& p = sub->records[i - 1];
        p = DWQB_PLO_Linie{};
        p.number = line->number;
        p.kind = line->kind;
        const double s0 = -1 + 2.0 * (i - 1) / k, s1 = -1 + 2.0 * i / k, m = (s0 + s1) / 2;
        p.angle = g.angle - g.phi * m;
        double w[5];
        Calc_DWQB_Line_Warping_Values(line, 2, w, m, 0, 0, 0);
        p.warping = w[0];
        double a0, y0, z0, a1, y1, z1;
        Calc_DWQB_Segment_Integrals(&g, &a0, &y0, &z0, s0, nullptr, nullptr, nullptr);
        Calc_DWQB_Segment_Integrals(&g, &a1, &y1, &z1, s1, nullptr, nullptr, nullptr);
        if (a1 - a0 > 0) p.y = (y1 - y0) / (a1 - a0), p.z = (z1 - z0) / (a1 - a0);
        p.area = f.area / k;
        p.length = f.length / k;
        double* pres[6];
        Resultant_Fields(p, pres);
        for (int j = 0; j < 6; j++) *pres[j] = *res[j] / k;
        p.t_mean = f.t_mean;
        p.c_y = std::cos(p.angle) * p.length * cell;
        p.c_z = std::sin(p.angle) * p.length * cell;
        p.inv_area_y = f.inv_area_y * k;
        p.inv_area_z = f.inv_area_z * k;
        p.torsion_factor = f.torsion_factor * k;
    }
    record->sub = sub;
    return 1;
}

int Fill_DWQB_PLO_Record_Callback(DWQB_PLO_Block* list, const DWQB_Linie* line) {
    if (!list || list->count >= list->capacity) return 0;
    DWQB_PLO_Linie* record = &list->records[list->count];
    if (!Fill_DWQB_PLO_Record(line, record)) return 0;
    list->count++;
    return 1;
}

void Add_DWQB_PLO_Record_Moments(DWQB_PLO_Block* list, double a, double b, double c, double d) {
    if (!list) return;
    for (int i = 0; i < list->count; i++) {
        DWQB_PLO_Linie& r = list->records[i];
        const double area = r.area;
        r.vy_y += a * area;
        r.vz_y += b * area;
        r.vy_z += c * area;
        r.vz_z += d * area;
        Add_DWQB_PLO_Record_Moments(r.sub, a, b, c, d);
    }
}
