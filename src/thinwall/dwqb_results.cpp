// dwqb_results: walks over the result tree of the several-part calculation.
#include "thinwall/dwqb_results.h"

#include <cmath>

#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_warping.h"

int Walk_DWQB_Part(DWQB_Teil* part, const DWQB_Result_Visitor* v) {
    if (!part || part->kind != DWQB_MEMBER_PART || !v) return 0;
    if (v->on_part_begin && !v->on_part_begin(part, v->data2)) return 0;
    for (int i = 0; i < part->n_members; i++) {
        void* member = part->members ? part->members[i] : nullptr;
        if (!member || DWQB_Member_Kind(member) == DWQB_MEMBER_PART) continue;
        auto* result = static_cast<DWQB_Linienergebnis*>(member);
        if (v->on_line && !v->on_line(result->line, result->kind, v->data3)) return 0;
    }
    for (int i = 0; i < part->n_shear_lines && part->shear_lines; i++)
        if (v->on_shear_entry && !v->on_shear_entry(&part->shear_lines[i], v->data4)) return 0;
    if (v->on_part_end && !v->on_part_end(part, v->data2)) return 0;
    return 1;
}

int Walk_DWQB_Result(const DWQB_Result_Visitor* v) {
    DWQB_Teil* head = DWQB_Aktueller_Teil;
    if (!head || head->kind != DWQB_MEMBER_PART || !v) return 0;
    if (v->on_section && !v->on_section(head, v->data1)) return 0;
    for (int i = 0; i < head->n_members; i++) {
        auto* part = static_cast<DWQB_Teil*>(head->members ? head->members[i] : nullptr);
        if (!Walk_DWQB_Part(part, v)) return 0;
    }
    if (v->on_section_end) return v->on_section_end(head, v->data1) != 0;
    return 1;
}

double DWQB_Distribution_Value(const double* v, double s) {
    const double chord = ((1 - s) * v[0] + (1 + s) * v[1]) / 2;
    const double bubble = (0.36 - s * s) * 8.138020833333336 * ((0.2 - s) * v[3] + (0.2 + s) * v[4]) +
                          (0.04 - s * s) * (-4.069010416666667) * ((0.6 - s) * v[2] + (0.6 + s) * v[5]);
    return chord + (1 - s * s) * bubble;
}

double DWQB_Line_Thickness(const DWQB_Linie* line, double s) { return ((1 - s) * line->t_a + (1 + s) * line->t_b) / 2; }

static double Torsion_Constant(void) {
    const DWQB_Teil* head = DWQB_Aktueller_Teil;
    return head ? head->v.torsion[0] + head->v.torsion[1] : 0;
}

int Calc_DWQB_Line_Shear_Values(const DWQB_Linie* line, int axis_mode, double* out, double s, double angle, int stress) {
    if (!line || !out) return 0;
    const DWQB_Linienergebnis* r = line->result;
    if (!r) return 1;
    const double t = DWQB_Line_Thickness(line, s), inv_t = t != 0 ? 1 / t : 0;
    double q1 = DWQB_Distribution_Value(r->flow[0], s), q2 = DWQB_Distribution_Value(r->flow[1], s);
    double q3 = r->cell_flow;
    // The principal axes the point evaluation and the forces take: those of
    // the values given in place of the model's own where there are (a
    // catalogue record's, a closed form's). Its own axes may lie elsewhere:
    // a little (the plates' angle beside the rolled outline's) or a quarter
    // turn away (an equal angle, whose two axes the model and the record may
    // order either way); the flows turned by the model's own angle then
    // carried V_y the way of V_z.
    double a;
    Transform_DWQB_Angle(axis_mode, angle, &a);
    if (a != 0) {
        const double c = std::cos(a), sn = std::sin(a);
        const double p1 = c * q1 + sn * q2, p2 = -sn * q1 + c * q2;
        q1 = p1;
        q2 = p2;
    }
    if (stress) {
        q1 *= inv_t;
        q2 *= inv_t;
        q3 *= inv_t;
    }
    const double i_t = Torsion_Constant();
    if (DWQB_Aktueller_Teil && i_t > 0) {
        const double len = line->geo.length;
        out[3] = stress ? t / i_t : (len != 0 ? r->torsion_share / (len * i_t) : 0);
    }
    out[0] = q1;
    out[1] = q2;
    out[2] = q3;
    out[4] = inv_t;
    return 1;
}

int Get_DWQB_Line_Extremes(int axis_mode, int n_samples, double* out_min, double angle, double* out_max, int stress) {
    Walk_DWQB_Line_Samples(0, n_samples, out_min, out_max, 5, [&](const DWQB_Linie* l, double s, double* v) {
        Calc_DWQB_Line_Shear_Values(l, axis_mode, v, s, angle, stress);
    });
    return 1;
}

int Calc_DWQB_Line_Warping_Values(const DWQB_Linie* line, int pole_mode, double* out, double s, double y0, double z0,
                                  int normalised) {
    if (!line || !out) return 0;
    const DWQB_Linienergebnis* r = line->result;
    const double t = DWQB_Line_Thickness(line, s);
    out[4] = t != 0 ? 1 / t : 0;
    out[3] = r ? DWQB_Distribution_Value(r->flow[2], s) : 0;
    double yp = y0, zp = z0;
    const double* m = DWQB_Aktueller_Schubmittelpunkt;
    if (pole_mode == 1 && DWQB_Aktuelle_Gesamtwerte) yp += DWQB_Aktuelle_Gesamtwerte[1], zp += DWQB_Aktuelle_Gesamtwerte[2];
    if (pole_mode == 2 && m) yp += m[0], zp += m[1];
    double y, z;
    Segment_Point(s, 0, &line->geo, &y, &z);
    const double yr = r ? r->pole_y : 0, zr = r ? r->pole_z : 0;
    out[1] = yp;
    out[2] = zp;
    out[0] = Calc_DWQB_Line_Warping_Ordinate(line, s) + (y - yr) * zp + (zr - z) * yp;
    if (normalised) {
        out[3] *= out[4];
        if (m && m[4] > 0) {
            const double ym = m[0], zm = m[1];
            out[0] = (Calc_DWQB_Line_Warping_Ordinate(line, s) + (y - yr) * zm + (zr - z) * ym) / m[4];
        }
    }
    return 1;
}

int Sample_DWQB_Line_Warping_Extremes(DWQB_Linie* line, int32_t, void* context) {
    auto* e = static_cast<DWQB_Warping_Extremes*>(context);
    if (!line || !e) return 1;
    const int n = e->n_samples < 2 ? 11 : e->n_samples;
    for (int k = 1; k <= n; k++) {
        const double s = static_cast<double>(2 * k - n - 1) / (n - 1);
        double v[5];
        Calc_DWQB_Line_Warping_Values(line, e->pole_mode, v, s, e->y0, e->z0, e->normalised);
        for (int j = 0; j < 5; j++) {
            if (e->first || v[j] < e->min[j]) e->min[j] = v[j];
            if (e->first || v[j] > e->max[j]) e->max[j] = v[j];
        }
        e->first = 0;
    }
    return 1;
}

int Get_DWQB_Line_Kind(const DWQB_Linie* line) { return line ? line->kind : 0; }

static int Number_Entry(DWQB_Schublinie* entry, void* context) {
    return Number_DWQB_Shear_Line_Callback(entry, static_cast<DWQB_Shear_Line_Number*>(context));
}

int Find_DWQB_Line_Number_Code(int number, int* found) {
    DWQB_Shear_Line_Number n{Find_DWQB_Line(number), 0, 0, 0};
    if (found) *found = 0;
    if (!n.line) return 0;
    DWQB_Result_Visitor v{};
    v.on_shear_entry = Number_Entry;
    v.data4 = &n;
    Walk_DWQB_Result(&v);
    if (found) *found = n.code != 0;
    return n.code;
}
