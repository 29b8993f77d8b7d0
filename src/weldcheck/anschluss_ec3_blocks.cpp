// The Eurocode mode of the welded-connection record: its cross-section
// block (EN 1993-1-1 6.2 through the cross-section check of the profile)
// and its weld block (EN 1993-1-8 4.5 through the weld check), each
// building the weld program's records from the library record; and the
// torsion coefficients of a rectangle. (The fixed test case of the weld
// check record lives with the record.)
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "codes/blech.h"
#include "codes/material.h"
#include "codes/sicherheit.h"
#include "memberchecks/xs_resistance.h"
#include "platform/oli_layout.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/geschweisster_anschluss.h"
#include "profiles/profile_catalogue.h"
#include "profiles/stahlprofil.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weldelem.h"

namespace {

const char* const TABLE_HEAD = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n";

// The material of a grade code of the record (14: own f_y).
void Material_Of(int code, double own_f_y, Materialparameter_Record* m) {
    Default_Material_Params(m);
    if (code == DIN_GRADE_OWN_VALUES) {
        m->own_values = 1;
        m->f_y1 = m->f_y2 = m->f_y3 = m->f_y = own_f_y;
        return;
    }
    const int grade = Stahlguete_Code_To_Grade_Index(code);
    if (grade >= 0) m->grade = grade;
}

// The weld program's profile of the record, with its section values.
int Build_Profile(const GeschweissterAnschluss* r, Stahlprofil* p) {
    Init_Profile(p);
    if (r->catalogue == 1) {
        Profilauswahl selection;
        Init_Profile_Selection(&selection);
        char name[ANSCHLUSS_NAME_SIZE];
        std::snprintf(name, sizeof name, "%.*s", static_cast<int>(strnlen(r->profile_name, ANSCHLUSS_NAME_SIZE)),
                      r->profile_name);
        Set_Profile_By_Name(&selection, name);
        Load_Profile_Values(&selection, p);
        p->kind = STAHLPROFIL_KIND_CATALOGUE;
        Get_Profile_Type_From_Name(p->name, &p->type);
    } else {
        p->type = Profile_Type_Of_Anschluss_Family(r->family);
        p->h = r->h;
        p->t_w = r->s;
        p->b_fo = p->b_fu = r->b;
        p->t_fo = p->t_fu = r->t;
        p->r_1 = r->r;
    }
    Material_Of(r->grades.grade, r->grades.user_f_y, &p->material);
    return Calc_Profile_Cross_Section(p, nullptr, 0, "");
}

// The forces of the record in kN and kNm: N, M_y, M_z, V_y, V_z, M_x.
Schnittkraefte Forces(const GeschweissterAnschluss* r) {
    const double* l = r->load;
    Schnittkraefte f;
    f.N = l[ANSCHLUSS_N];
    f.V_y = l[ANSCHLUSS_V_Y];
    f.V_z = l[ANSCHLUSS_V_Z];
    f.M_x = l[ANSCHLUSS_M_X];
    f.M_y = l[ANSCHLUSS_M_Y];
    f.M_z = l[ANSCHLUSS_M_Z];
    return f;
}

// The block's end: the text closed and an empty table opened again for the
// caller's table end.
void Reopen_Table(FILE* f) {
    if (!f) return;
    OLI_End_Text(f);
    Safe_Fprintf(f, "%s", TABLE_HEAD);
}

// A heading of the block after the caller's table was closed.
void Block_Heading(FILE* f, const char* heading) {
    if (!f) return;
    Safe_Fprintf(f, "\n#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_printf(f, "%s", heading);
}

// Weld positions of the check by profile type: pairs of (weld number,
// library position 1..8, 0 for a weld of throat 0), in slot order; slot -1
// ends the list.
struct Slot {
    int slot, number, position;
};

const Slot* Slots_Of(int type, int* count) {
    static const Slot BOX[] = {{0, 1, 1}, {1, 2, 2}, {2, 3, 3}, {3, 4, 4}};
    static const Slot ANGLE[] = {{0, 4, 4}, {1, 3, 3}, {2, 1, 1}, {6, 2, 2}, {8, 6, 0}, {9, 5, 0}};
    static const Slot I_FAMILY[] = {{0, 1, 1}, {1, 2, 2}, {2, 4, 4},  {3, 8, 8},   {4, 6, 6},  {5, 3, 3},
                                    {6, 5, 5}, {7, 7, 7}, {8, 11, 0}, {10, 10, 0}, {11, 12, 0}};
    static const Slot CHANNEL[] = {{0, 1, 1}, {1, 2, 2}, {2, 3, 3}, {3, 6, 6}, {4, 5, 5}, {6, 4, 4}, {8, 7, 0}, {9, 8, 0}};
    static const Slot TEE[] = {{0, 1, 1}, {1, 2, 2}, {2, 4, 4}, {5, 3, 3}, {6, 5, 5}, {8, 6, 0}, {9, 8, 0}, {10, 7, 0}};
    switch (type) {
    case PROFILTYP_FLACH: case PROFILTYP_RECHTECK: *count = 4; return BOX;
    case PROFILTYP_L: *count = 6; return ANGLE;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        *count = 11;
        return I_FAMILY;
    case PROFILTYP_C: case PROFILTYP_U: case PROFILTYP_Z: *count = 8; return CHANNEL;
    case PROFILTYP_T: case PROFILTYP_HALB_I: *count = 8; return TEE;
    default: *count = 0; return nullptr;
    }
}

}  // namespace

// ---- torsion coefficients of a rectangle -----------------------------------------

void Get_Rect_Torsion_Coefficients(double n, double* alpha, double* beta) {
    static const double TABLE[10][3] = {{1, 0.141, 0.208},   {1.5, 0.196, 0.231}, {2, 0.229, 0.246},
                                        {3, 0.263, 0.267},   {4, 0.281, 0.282},   {6, 0.299, 0.299},
                                        {8, 0.307, 0.307},   {10, 0.313, 0.313},  {1000, 0.332, 0.332},
                                        {10000, 0.333, 0.333}};
    if (n == 0.0) n = 100.0;
    else if (n < 1.0) n = 1.0 / n;
    for (int i = 0; i + 1 < 10; i++) {
        const double* lo = TABLE[i];
        const double* hi = TABLE[i + 1];
        if (n >= lo[0] && n < hi[0]) {
            const double q = (n - lo[0]) / (hi[0] - lo[0]);
            if (alpha) *alpha = lo[1] + q * (hi[1] - lo[1]);
            if (beta) *beta = lo[2] + q * (hi[2] - lo[2]);
            return;
        }
    }
}

// ---- cross-section block ---------------------------------------------------------

// The verdict behind a utilisation of the summary, as computed: where the
// rule counted it as 1 the verdict that says so, else its sign and marker.
static void Summary_Verdict(FILE* f, double U) {
    if (Utilisation_Counted_As_One(U))
        OLI_printf(f, "%s", Counted_As_One_Verdict(U));
    else
        OLI_printf(f, "  %s  1  %s╬r"_cp, Limit_Compare_Symbol(U, 1.0), Mark_Utilisation(U));
}

int Print_Querschnittstragfaehigkeit(int detail, FILE* f, GeschweissterAnschluss* r, int pass_on) {
    (void)pass_on;
    if (!r) return 0;
    Block_Heading(f, "╬H╬uStahlprofil╬r\n"_cp);
    const int level = r->settings[0];
    const bool details = detail && f && level > 0;
    Stahlprofil p;
    const int section = Build_Profile(r, &p);
    if (details) {
        OLI_printf(f, "%s", "╬HAbmessungen und Querschnittswerte\n");
        Print_Profile_Parameters(&p, f, 0, 1, 0);
        OLI_Add_Para_Offset(0.3);
        OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 0.3);
    }
    auto finish = [&](int result) {
        if (details) OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
        Reopen_Table(f);
        return result;
    };
    const Schnittkraefte F = Forces(r);
    if (!Schnittkraefte_Exceed(F, 0.001)) {
        r->U_sigma = 0.0;  // nothing to carry
        return finish(section);
    }
    double gamma[9] = {};
    Get_NAD_Safety_Factors(0, gamma);
    const bool with_file = detail && f;
    if (with_file) OLI_printf(f, "%s", "╬HQuerschnittstragfähigkeit╬r\n"_cp);
    XS_Check_Input in{};
    in.gamma_M0 = gamma[0];
    in.check = 1;
    in.mode = 0;
    in.forces = XS_Check_Forces_Of(F);
    XS_Check_Result out;
    const unsigned flags = Check_XS_Resistance(&p, &in, &out, with_file ? f : nullptr, level);
    // A check without a result, or of a section it cannot verify (a class 4
    // one, a web that buckles in shear), leaves the record no utilisation:
    // -1, never the 0 of a pass or the value of an earlier call.
    const bool verified = (flags & XS_CHECK_DONE) && !(flags & XS_CHECK_NOT_VERIFIABLE);
    r->U_sigma = verified ? Round_Utilisation(out.U_sigma) : -1.0;
    if (!(flags & XS_CHECK_DONE)) {
        if (!f) return finish(static_cast<int>(flags));
        // The summary names the reason the check gave in its text.
        if (!with_file) Print_XS_Refusal_Reason(&p, &in, flags, f);
        OLI_printf(f,
                   (flags & XS_CHECK_GRADE_MISMATCH) ? "Für diese Stahlgüte kann der Nachweis nicht geführt werden %s\n"_cp
                                                     : "Der Nachweis kann nicht geführt werden %s\n"_cp,
                   Mark_Alert());
        return finish(static_cast<int>(flags));
    }
    // As computed: one the rule counted as 1 shows it with the rule.
    const double U_sigma = Utilisation_As_Computed(r->U_sigma, out.U_sigma_computed);
    const double U_ct = Utilisation_As_Computed(out.U_ct, out.U_ct_computed);
    if (!detail && f && (U_sigma > 0.001 || U_ct > 0.001 || !verified)) {
        const double tab = 12.0;
        OLI_Set_Tabs(2, nullptr, &tab, 1);
        OLI_printf(f, "max ╠╬\\x╬r = %.1lf N/mm²,  min ╠╬\\x╬r = %.1lf N/mm²,  "_cp, Unsigned_Zero(out.sigma_max, 1),
                   Unsigned_Zero(out.sigma_min, 1));
        OLI_printf(f, "max Í = %.1lf N/mm²,  "_cp, Unsigned_Zero(out.tau, 1));
        OLI_printf(f, "max ╠╬\\v╬r = %.1lf N/mm²"_cp, out.sigma_v);
        OLI_printf(f, "\n");
        if (flags & XS_CHECK_CLASS_4) Print_Class_4_Not_Covered(f);
        else if (!verified) OLI_printf(f, "Der Querschnitt kann nicht nachgewiesen werden %s\n", Mark_Alert());
        OLI_printf(f, "%s", "Ausnutzungen: ╬t"_cp);
        if (verified) {
            OLI_printf(f, "U╬\\╠╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(U_sigma));
            Summary_Verdict(f, U_sigma);
            OLI_printf(f, ",  ");
        }
        OLI_printf(f, "U╬\\c/t╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(U_ct));
        Summary_Verdict(f, U_ct);
        OLI_printf(f, "\n");
    }
    return finish(static_cast<int>(flags));
}

// ---- weld block ---------------------------------------------------------------------

void Print_Anschluss_Schweissnaehte(FILE* f, GeschweissterAnschluss* r, int pass_on) {
    if (!r) return;
    Block_Heading(f, "╬H╬uSchweißnähte╬r\n"_cp);
    const int level = r->settings[0];
    FILE* out = level > 0 ? f : nullptr;
    SchweissnahtNachweis rec;
    Init_Weld_Check_Record(&rec);
    if (rec.gamma_M2 < 0.1) {
        double gamma[9] = {};
        Get_NAD_Safety_Factors(0, gamma);
        rec.gamma_M2 = gamma[2];
    }
    Build_Profile(r, &rec.profile);
    Clear_Plate(&rec.plate);
    Material_Of(r->grades.weld_grade, r->grades.weld_f_y, &rec.plate.material);
    rec.plate.t = r->t_p;
    Check_Plate_And_Material(&rec.plate, nullptr, 0, PLATE_MATERIAL, "");
    rec.forces = Scale_Schnittkraefte(Forces(r), SCHNITTKRAEFTE_FROM_KN);
    rec.all_round = r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND || r->full_penetration;
    // A full-penetration butt weld is the section itself, whatever throat
    // the record holds.
    if (r->full_penetration) rec.weld_kind = WELD_BUTT, rec.full_penetration = 1;
    rec.check_field = 1;  // the points are checked, not only their stresses listed
    rec.deduct_craters = r->end_crater == ANSCHLUSS_END_CRATERS;
    int count = 0;
    const Slot* slots = Slots_Of(rec.profile.type, &count);
    for (int i = 0; i < count; i++) {
        const Slot& s = slots[i];
        rec.number[s.slot] = s.number;
        if (s.position > 0) {
            rec.a[s.slot] = r->a_pos[s.position - 1];
            rec.l[s.slot] = r->l_pos[s.position - 1];
        }
    }
    // The check works out the lengths of a weld all round. Welds that close
    // no ring carry M_x by their polar moment: it is never dropped. A
    // full-penetration weld covers every face, with no throat of its own.
    if (rec.all_round) {
        for (int i = 0; i < WELD_CHECK_WELDS; i++) {
            if (r->full_penetration && rec.number[i] > 0) rec.a[i] = 1.0, rec.l[i] = 0.0;
            else if (rec.a[i] > 0.01) rec.a[i] = r->a_w, rec.l[i] = 0.0;
        }
    }
    Calc_Weld_Check(&rec, out, level, pass_on, level > 0, level > 0);
    const double* v = rec.line_values;
    if (!f || level <= 0 ||
        !(std::fabs(v[WELD_CHECK_VALUE_SIGMA_X]) > 0.001 || std::fabs(v[WELD_CHECK_VALUE_SIGMA_PERP]) > 0.001)) {
        Reopen_Table(f);
        return;
    }
    const bool chs = rec.profile.type == PROFILTYP_ROHR;
    const double tab = 12.0;
    OLI_Set_Tabs(2, nullptr, &tab, 1);
    OLI_printf(f, "%s", "Spannungen: ╬t"_cp);
    auto v1 = [&v](int k) { return Unsigned_Zero(v[k], 1); };  // printed with one decimal
    OLI_printf(f, "╠╬\\w,x╬r = %.1lf N/mm²,  "_cp, v1(WELD_CHECK_VALUE_SIGMA_X));
    OLI_printf(f, "Í╬\\w,%s╬r = %.1lf N/mm²,  "_cp, chs ? "r" : "y", v1(WELD_CHECK_VALUE_TAU_Y));
    OLI_printf(f, "Í╬\\w,%s╬r = %.1lf N/mm²   "_cp, chs ? "t" : "z", v1(WELD_CHECK_VALUE_TAU_Z));
    OLI_printf(f, "\n");
    OLI_printf(f, "%s", "Nachweis: ╬t"_cp);
    OLI_printf(f, "╠╬\\%s╬r = %.1lf N/mm²,  "_cp, "s", v1(WELD_CHECK_VALUE_SIGMA_PERP));
    OLI_printf(f, "Í╬\\%s╬r = %.1lf N/mm²,  "_cp, "s", v1(WELD_CHECK_VALUE_TAU_PERP));
    OLI_printf(f, "Í╬\\%s╬r = %.1lf N/mm²"_cp, "p", v1(WELD_CHECK_VALUE_TAU_PAR));
    // As computed: one the rule counted as 1 shows it with the rule.
    const double U = Weld_Check_Computed_U(&rec);
    if (U > 0.001 && Utilisation_Counted_As_One(U)) {
        OLI_printf(f, "  ê  U = %s%s"_cp, Utilisation_Digits(U), Counted_As_One_Verdict(U));
    } else if (U > 0.001) {
        OLI_printf(f, "  ê  U = %s  %s  1"_cp, Utilisation_Digits_Without_Tolerance(U), Limit_Compare_Symbol(U, 1.0));
        OLI_printf(f, "  %s", Mark_Utilisation(U));
    }
    OLI_printf(f, "\n");
    Reopen_Table(f);
}
