// The weld part of a weld group: NahtGruppe starts with the nine fields of
// NahtElement, and the group's file, print and check code hands that part
// to the element functions and takes it back; with it the result reset and
// the factor test that the group's checks share.  Not for other modules.
#ifndef WELDCHECK_WELDGROUP_INTERNAL_H
#define WELDCHECK_WELDGROUP_INTERNAL_H

#include <cmath>

#include "weldcheck/weldelem.h"

// 1/sqrt(3), the shear share of f_u in the directional strengths.
inline constexpr double WELD_INV_SQRT3 = 0.5773502691896258;

// A partial factor or correlation factor that can divide a strength: finite
// and above zero.
inline bool Usable_Weld_Factor(double x) { return std::isfinite(x) && x > 0.0; }

// Sets every result of a group check to zero; the input is left alone.
inline void Clear_Group_Results(NahtGruppe* g) {
    g->result_flags = 0;
    g->sigma_1_w_Ed = g->sigma_2_w_Ed = 0.0;
    g->f_1w_d = g->f_2w_d = 0.0;
    g->F_w_Ed_result = g->F_w_Rd = g->f_vw_d = 0.0;
    g->A_w = 0.0;
    g->U_max = g->U_max_computed = 0.0;
}

// The weld part of a group as an element.
inline NahtElement Group_Weld(const NahtGruppe* g) {
    NahtElement w;
    w.kind = g->kind;
    w.a = g->a;
    w.e = g->e;
    w.l_w = g->l_w;
    w.angle = g->angle;
    w.d = g->d;
    w.l = g->l;
    w.full_penetration = g->full_penetration;
    w.full_length = g->full_length;
    return w;
}

// Puts an element into the weld part of a group; the rest of the group is
// left alone.
inline void Set_Group_Weld(NahtGruppe* g, const NahtElement* w) {
    g->kind = w->kind;
    g->a = w->a;
    g->e = w->e;
    g->l_w = w->l_w;
    g->angle = w->angle;
    g->d = w->d;
    g->l = w->l;
    g->full_penetration = w->full_penetration;
    g->full_length = w->full_length;
}

// Beyond these magnitudes an input is no weld of a real connection: lengths
// and thicknesses in mm; forces (N), moments (Nmm), forces per length (N/mm)
// and stresses (N/mm²), the bound of the weld check's own forces.
inline constexpr double WELD_MAX_LENGTH = 1e6, WELD_MAX_FORCE = 1e15;

// The thickness of the joint a fully penetrated butt weld fills: the
// abutting part (t2) at an opening angle, the thinner part in line.
inline double Butt_Joint_Thickness(const NahtGruppe* g) {
    return g->angle >= 0.001 ? g->plate2.t : std::fmin(g->plate1.t, g->plate2.t);
}

// 1 when an input of the group that a check reads is not a finite number
// (the weld's dimensions, the plate thicknesses, the forces, the given
// components, stresses and resultants, l_eff, gamma_M2 of factors that do
// not follow the annex), or beyond the magnitudes above, or when a fully
// penetrated butt weld has a joint thickness of 0. Each such input gets a
// failure line naming it when a list is given; no value is printed, so no
// "nan" or "inf" reaches the report. Every check runs this first, before
// any line of its own.
int Weld_Group_Input_Invalid(const NahtGruppe* g, FILE* f);

// Check_Weld_Directional of a group whose inputs Weld_Group_Input_Invalid
// found valid just before, the group unchanged since: the same lines and
// result without that second look (a group is checked once per end point
// of every load case).
int Check_Weld_Directional_Checked(NahtGruppe* g, FILE* f, int print_level, const char* prefix);
// Check_Butt_Weld of such a group: the same lines and result without a
// second look at its inputs (the joint it checks differs from the group
// only by a throat that is one of the group's thicknesses).
int Check_Butt_Weld_Checked(NahtGruppe* g, FILE* f, int print_level, const char* prefix);

#endif
