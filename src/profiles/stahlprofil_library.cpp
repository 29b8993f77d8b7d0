#include "profiles/stahlprofil_library.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/invariant.h"
#include "codes/material.h"
#include "codes/stguete.h"
#include "printlist/verdict.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_invariants.h"
#include "profiles/profile_switches.h"
#include "profiles/section_stress.h"
#include "thinwall/dwqb.h"

Profilquerschnitt Stahlprofil_Querschnitt;

namespace {

bool record_initialised = false;
// The user grades this run created (negative: not yet).
int user_grade_kind0 = -1, user_grade_kind1 = -1;

enum { STAINLESS_GRADE = 26, EN_FAMILY = 0x10000 };

bool Own_Values(const Materialparameter_Record& m) {
    return m.own_values != 0 || (m.grade == STAINLESS_GRADE && (m.kind == 0 || m.kind == 1));
}

// An own-value material of the steel table (kind 1) is checked under the
// Eurocode: its user grade belongs to that family, so that the check finds
// the material's own strengths and not a default row.
void Register_User_Grade(const Materialparameter_Record& m, double t) {
    const bool table = m.kind == 1;
    int& created = table ? user_grade_kind1 : user_grade_kind0;
    const unsigned int code = (table ? 0u + USER_GRADE_KIND1 : 0u + USER_GRADE_KIND0) | 0x8000u | 0x10000u;
    Stahlguete_Record row;
    if (created < 0) {
        row = *Get_Default_Stahlguete_Record(1);
        row.name = "frei";
        row.t_lim = 40.0;
        row.t_max = 80.0;
    } else {
        row = *Get_Stahlguete_Record(code);
    }
    row.code = code;
    Materialparameter_Record calc;
    Init_Material_Params_For_Thickness(&m, &calc, t);
    row.E = m.E;
    row.G = m.G;
    row.nu = m.nu;
    row.alpha_T = m.alpha_T * 1e-5;
    row.f_y1 = row.f_y2 = calc.f_y > 0 ? calc.f_y : m.f_y1;
    row.f_u = calc.f_u > 0 ? calc.f_u : m.f_u1;
    row.alpha_w = m.beta_w;
    if (Set_User_Stahlguete(&row) != 0) created = table ? USER_GRADE_KIND1 : USER_GRADE_KIND0;
}

double Plate_Thickness(const Stahlprofil& p) {
    double t = p.t_w;
    for (double x : {p.t_fo, p.t_fu})
        if (x > t) t = x;
    return t;
}

// Shape code and the ten dimensions in cm; -1 for a type outside the table.
int Shape_Of(const Stahlprofil& p, int flat_bar_mode, double* d) {
    const double h = 0.1 * p.h, tw = 0.1 * p.t_w, bo = 0.1 * p.b_fo, to = 0.1 * p.t_fo;
    const double bu = 0.1 * p.b_fu, tu = 0.1 * p.t_fu;
    for (int k = 0; k < PQ_DIMENSIONS; k++) d[k] = 0;
    switch (p.type) {
    case PROFILTYP_FLACH:
        if (flat_bar_mode == 2 || flat_bar_mode == 3) {
            d[0] = h;
            d[1] = tw;
            d[2] = flat_bar_mode == 2 ? tw / 2 : 0.001;
            d[3] = flat_bar_mode == 2 ? 0.001 : h / 2;
            return PQ_SHAPE_RHS;
        }
        d[0] = h, d[2] = tw;
        return PQ_SHAPE_FLAT;
    case PROFILTYP_RUND: d[2] = h; return PQ_SHAPE_ROUND;
    case PROFILTYP_L: d[0] = h, d[1] = bo, d[2] = tw, d[3] = to; return PQ_SHAPE_ANGLE;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        if (p.b_fo == p.b_fu && p.t_fo == p.t_fu) {
            d[0] = h, d[1] = bu, d[2] = tw, d[3] = to;
            return PQ_SHAPE_I;
        }
        d[0] = h, d[2] = tw, d[4] = bo, d[5] = bu, d[8] = to, d[9] = tu;
        return PQ_SHAPE_Q22;
    case PROFILTYP_C: case PROFILTYP_U: d[0] = h, d[1] = bo, d[2] = tw, d[3] = to; return PQ_SHAPE_CHANNEL;
    case PROFILTYP_RECHTECK: d[0] = h, d[1] = bo, d[2] = tw, d[3] = to; return PQ_SHAPE_RHS;
    case PROFILTYP_ROHR: d[0] = h, d[1] = h, d[2] = tw, d[3] = tw; return PQ_SHAPE_TUBE;
    case PROFILTYP_T: case PROFILTYP_HALB_I: d[0] = h, d[1] = bo, d[2] = tw, d[3] = to; return PQ_SHAPE_TEE;
    case PROFILTYP_Z: d[0] = h, d[1] = (bo + tw) / 2, d[2] = tw, d[3] = to; return PQ_SHAPE_Z;
    case PROFILTYP_KASTEN:
        d[0] = h, d[2] = tw, d[4] = bo, d[5] = bu, d[6] = 0.1 * p.b_ueo, d[8] = to, d[9] = tu;
        return PQ_SHAPE_Q24;
    case PROFILTYP_TRAPEZ: d[0] = bo, d[1] = h, d[2] = to, d[3] = tw; return PQ_SHAPE_CHANNEL;
    default: return -1;
    }
}

// Where the profile's clear widths end at its top and bottom flange (cm):
// its own root radius or weld leg, the inner corner radius of a hollow
// section - the offsets its closed forms take too; a rolled profile says
// so (its shear areas count the fillets), and hands the radius of its
// outer corners as well, a hollow section's corners, the toes of a tee's,
// a channel's, an angle's or a Z's flanges: the section the list prints
// has them.
void Own_Corners(const Stahlprofil& p, Profilquerschnitt* q) {
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(&p, &o_o, &o_u, &r);
    q->outer_corner = 0;
    if (p.type == PROFILTYP_RECHTECK) {
        if (p.rolled) q->outer_corner = 0.1 * o_o;
        o_o = o_u = r;
    } else {
        if (p.rolled) q->outer_corner = 0.1 * std::max(r, 0.0);
        if (!Is_Profile_Type_In(PROFILTYP_MASK_TWO_FLANGES, p.type)) o_u = o_o;
    }
    q->own_corners = p.rolled ? PQ_CORNERS_ROLLED : PQ_CORNERS_GIVEN;
    q->corners[0] = 0.1 * o_o;
    q->corners[1] = 0.1 * o_u;
}

// A box's bottom flange, for which the shape it is handed as has no slots:
// its width over the webs and its overhang (cm); none for another type.
void Box_Flange(const Stahlprofil& p, Profilquerschnitt* q) {
    const bool box = p.type == PROFILTYP_KASTEN;
    q->box_flange[0] = box ? 0.1 * p.b_fu : 0;
    q->box_flange[1] = box ? 0.1 * p.b_ueu : 0;
}

}  // namespace

int Get_Profile_Material_Handle(const Materialparameter_Record* material) {
    if (!material) return -1;
    const Materialparameter_Record& m = *material;
    if (m.kind == 0) {
        if (m.own_values || m.grade == STAINLESS_GRADE) return USER_GRADE_KIND0 | 0x18000;
        const int code = Grade_Index_To_Stahlguete_Code(m.grade);
        return code < 0 ? -1 : code + EN_FAMILY;
    }
    if (m.kind == 1) return m.own_values ? (USER_GRADE_KIND1 | 0x18000) : m.grade;
    return -1;
}

Profilquerschnitt* Setup_Stahlprofil_DWQB(const Stahlprofil* profile, int flat_bar_mode, FILE* list,
                                          const char* prefix) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!profile) return nullptr;
    // A section of the sibling cross-section program cannot be handed over:
    // the global record would still hold the section of an earlier call.
    if (profile->kind == STAHLPROFIL_KIND_FOREIGN) {
        if (list)
            std::fprintf(list, "%s%sQ7-VUVE-Profil: Nachweis nicht m\x94glich %s\n", Check_Line_Prefix,
                         prefix ? prefix : "", Mark_Alert());
        return nullptr;
    }
    const Materialparameter_Record& m = profile->material;
    if (Own_Values(m)) Register_User_Grade(m, Plate_Thickness(*profile));
    // The option word is part of the kept model's key: a model of the same
    // section built under another word is built anew, the model of the
    // last call is taken as it stands (every load case of a connection).
    DWQB_Option_Word = 0x1E01E;
    if (!record_initialised) {
        Init_Profilquerschnitt(&Stahlprofil_Querschnitt);
        record_initialised = true;
    }
    const int handle = Get_Profile_Material_Handle(&m);
    if (profile->kind == STAHLPROFIL_KIND_CATALOGUE) {
        char name[STAHLPROFIL_NAME_SIZE];
        const size_t length = strnlen(profile->name, sizeof name - 1);
        std::memcpy(name, profile->name, length);
        name[length] = '\0';
        for (int k = static_cast<int>(std::strlen(name)) - 1; k >= 0 && name[k] == ' '; k--) name[k] = 0;
        if (!Set_Profilquerschnitt_By_Name(&Stahlprofil_Querschnitt, handle, 100, name)) return nullptr;
    } else {
        double d[PQ_DIMENSIONS];
        const int shape = Shape_Of(*profile, flat_bar_mode, d);
        if (shape < 0) return nullptr;
        if (!Set_Profilquerschnitt_By_Dimensions(&Stahlprofil_Querschnitt, handle, 100, shape, 0, d, d))
            return nullptr;
        Own_Corners(*profile, &Stahlprofil_Querschnitt);
        Box_Flange(*profile, &Stahlprofil_Querschnitt);
    }
    return Setup_Profilquerschnitt_DWQB(&Stahlprofil_Querschnitt, 0.5, nullptr, 2) == 1 ? &Stahlprofil_Querschnitt
                                                                                       : nullptr;
}

void Profile_Model_Forces(const double f[8], double model[8]) {
    const double m[8] = {f[0], f[3], f[4], 100 * f[5], 100 * f[1], 100 * f[2], 100 * f[6], 10000 * f[7]};
    std::copy(m, m + 8, model);
}

int Calc_Profile_Stress_Extremes(const Stahlprofil* profile, double f_1, double f_2, double f_3, double f_4, double f_5,
                                 double f_6, double f_7, double f_8, double* out_1, double* out_2, double* out_3,
                                 double* out_4) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    for (double* o : {out_1, out_2, out_3, out_4})
        if (o) *o = 0;
    bool any = false;
    for (double f : {f_1, f_2, f_3, f_4, f_5, f_6, f_7, f_8})
        if (std::fabs(f) >= 0.001) any = true;
    if (!any) return 0;
    if (!Setup_Stahlprofil_DWQB(profile, 0)) return 1;
    const double f[8] = {f_1, f_2, f_3, f_4, f_5, f_6, f_7, f_8};
    double m[8];
    Profile_Model_Forces(f, m);
    Calc_Section_Stress_Extremes(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]);
    const Section_Stress_Extremes& e = Profil_DWQB_Extremes;
    if (out_1) *out_1 = 10 * e.sigma_abs;
    if (out_2) *out_2 = 10 * e.tau_abs;
    if (out_3) *out_3 = 10 * e.sv_abs;
    if (out_4) *out_4 = e.i_sv_abs;
    return 0;
}
