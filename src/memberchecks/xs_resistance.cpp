// Cross-section resistance check of the connected profile: which road a
// profile takes, the closed-form elastic check of flat and round bars, and
// its print-list text.
#include "memberchecks/xs_resistance.h"

#include <cmath>
#include <string>

#include "base/cp850.h"
#include "base/invariant.h"
#include "codes/material.h"
#include "codes/nad_file.h"
#include "codes/stguete.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/member_invariants.h"
#include "memberchecks/plate_buckling.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_check_by_class.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/stahlprofil_library.h"

namespace {

// The class-based road: the section model of the profile, the grade's
// yield strength against the profile's, then the stress check by class.
unsigned Class_Road(const Stahlprofil* profile, int orientation, const int options[10], int check, double gamma_M0,
                    int circular_hollow, const XS_Check_Forces* forces, double* const outputs[XS_OUTPUTS],
                    FILE* file, int level) {
    Profilquerschnitt* section = Setup_Stahlprofil_DWQB(profile, orientation, 0);
    if (!section) return 0;
    const double f_y = Get_Stahlguete_fy(static_cast<unsigned>(Get_Profile_Material_Handle(&profile->material)),
                                         Get_Profile_Max_Dimension(profile));
    if (!(std::fabs(f_y - profile->material.f_y) <= 1.0)) return XS_CHECK_GRADE_MISMATCH;
    return Check_XS_By_Class(section, options, check, gamma_M0, circular_hollow, forces, outputs, file, level);
}

XS_Class_Check_Road class_road = Class_Road;
int result_index = 0;

void Store_Output(double* p, double v) {
    if (p) *p = v;
}

double Zero_Below(double v, double limit) { return std::fabs(v) < limit ? 0.0 : v; }

// The forces as the check takes them: each one below its threshold is none.
XS_Check_Forces Counted_Forces(const XS_Check_Forces& given) {
    XS_Check_Forces f;
    f.N = Zero_Below(given.N, 0.01);
    f.M_y = Zero_Below(given.M_y, 0.0001);
    f.M_z = Zero_Below(given.M_z, 0.0001);
    f.V_y = Zero_Below(given.V_y, 0.01);
    f.V_z = Zero_Below(given.V_z, 0.01);
    f.T_t = Zero_Below(given.T_t, 0.0001);
    f.T_w = Zero_Below(given.T_w, 0.0001);
    f.B = Zero_Below(given.B, 0.000001);
    return f;
}

void Warping_Note(FILE* file, int level, int type) {
    if (!file || level < 1) return;
    const char* what = type == PROFILTYP_ROHR ? "Hohlprofil" : type == PROFILTYP_FLACH ? "Flachstahl" : "Rundstahl";
    OLI_printf(file, "%s%s: Wölbkrafttorsion wird nach EC 3-1-1, 6.2.7(7) nicht berücksichtigt.\n"_cp,
               Check_Line_Prefix, what);
}

// The check takes the shear forces through the shear centre and twists the
// section only by the torsion it is given; where the shear centre lies off
// the centroid, the load's shear forces (at the centroid) have a torsion
// about it that only M_x can bring in. The list says so.
void Shear_Centre_Note(FILE* file, int level, const Stahlprofil* p, const XS_Check_Forces& f) {
    const double kOffCentroid = 0.1;  // mm
    if (!file || level < 1 || (f.V_y == 0.0 && f.V_z == 0.0)) return;
    if (std::fabs(p->y_M) <= kOffCentroid && std::fabs(p->z_M) <= kOffCentroid) return;
    OLI_printf(file,
               "%sDie Querkräfte werden im Schubmittelpunkt angesetzt (y╬\\M╬r = %.1lf mm,  z╬\\M╬r = %.1lf mm); "
               "die Torsion aus ihrem Abstand zum Schwerpunkt muss in M╬\\x,Ed╬r enthalten sein %s\n"_cp,
               Check_Line_Prefix, p->y_M, p->z_M, Mark_Note());
}

unsigned Refuse(FILE* file, int level, const char* format) {
    if (file && level >= 1) OLI_printf(file, format, Check_Line_Prefix, Mark_Alert());
    return 0;
}

// The list of non-zero forces of the compact-bar heading: a separator before
// every item but the first, the line broken before a fifth item.
struct ForceList {
    FILE* file;
    int count = 0;
    const char* sep = "";
    void item(const char* format, double v, const char* axis = nullptr) {
        if (std::fabs(v) <= 0.001) return;
        if (count == 4) {
            OLI_printf(file, "\n%s  ", Check_Line_Prefix);
            sep = "";
        }
        if (axis) {
            OLI_printf(file, format, sep, axis, v);
        } else {
            OLI_printf(file, format, sep, v);
        }
        sep = ", ";
        count++;
    }
};

// The stresses of a compact bar's elastic check (N/mm2) and its
// utilisations; the forces as its heading lists them (a round bar's moments
// and shear forces as their resultants).
struct Bar_Check {
    bool round;
    double N, M_y, M_z, V_y, V_z, T_t;
    double sigma_Rd, sigma_max, sigma_min, tau, sigma_v;
    double U, U_ct;
    double U_computed, U_ct_computed;  // U, U_ct before a value just above 1 was counted as 1
    bool class4;  // beyond the class 3 limits: the check does not cover it
};

void Bar_Stresses(const Stahlprofil* p, double gamma_M0, const XS_Check_Forces& f, Bar_Check* b) {
    b->N = f.N, b->M_y = f.M_y, b->M_z = f.M_z, b->V_y = f.V_y, b->V_z = f.V_z, b->T_t = f.T_t;
    b->round = p->type == PROFILTYP_RUND;
    b->sigma_Rd = Divide(p->material.f_y, gamma_M0);
    const double a = p->h, t = p->t_w;
    const double sigma_N = 1000.0 * f.N / p->A;
    // A round bar bends about the resultant axis: both moments act on the
    // same extreme fibre d/2.
    const double sigma_M = b->round ? 1e6 * std::sqrt(f.M_y * f.M_y + f.M_z * f.M_z) / p->I_y * a / 2
                                    : 1e6 * (std::fabs(f.M_y) / p->I_y * a / 2 + std::fabs(f.M_z) / p->I_z * t / 2);
    b->sigma_max = sigma_N + sigma_M, b->sigma_min = sigma_N - sigma_M;
    const double sigma = std::fmax(std::fabs(b->sigma_max), std::fabs(b->sigma_min));
    double W_t = 0.0, tau_V;
    if (b->round) {
        b->M_y = std::sqrt(f.M_y * f.M_y + f.M_z * f.M_z);
        b->V_z = std::sqrt(f.V_y * f.V_y + f.V_z * f.V_z);
        b->M_z = b->V_y = 0.0;
        const double r = a / 2;
        W_t = M_PI / 2 * r * r * r;
        tau_V = 1333.3333333333333 * b->V_z / p->A;
    } else {
        tau_V = 1500.0 * std::sqrt(f.V_z * f.V_z + f.V_y * f.V_y) / p->A;
        Calc_Rect_Torsion_Coeff(t, a, &W_t);
    }
    b->tau = tau_V;
    if (W_t > 0.001) b->tau += 1e6 * std::fabs(f.T_t) / W_t;
    // Normal and shear stress combined by the yield criterion; both extremes
    // are taken at the same point, which never understates it.
    b->sigma_v = std::sqrt(sigma * sigma + 3.0 * b->tau * b->tau);
}

// The compact bar's text: heading with its forces, stresses, the check
// line and the utilisations; a class 4 bar the note that the check does not
// cover it in place of its utilisation.
void Print_Bar_Check(const Bar_Check& b, int check, FILE* file, int level) {
    const char* pre = Check_Line_Prefix;
    if (level >= 1) {
        OLI_printf(file, "%s", pre);
        OLI_printf(file, "elastischer Spannungsnachweis");
        OLI_printf(file, "%s", " für  "_cp);
        ForceList list{file};
        const char* y = b.round ? "" : "y";
        const char* z = b.round ? "" : "z";
        list.item("%sN╬\\Ed╬r = %.2lf kN"_cp, b.N);
        list.item("%sM╬\\%s,Ed╬r = %.2lf kNm"_cp, b.M_y, y);
        list.item("%sV╬\\%s,Ed╬r = %.2lf kN"_cp, b.V_z, z);
        list.item("%sM╬\\%s,Ed╬r = %.2lf kNm"_cp, b.M_z, z);
        list.item("%sV╬\\%s,Ed╬r = %.2lf kN"_cp, b.V_y, y);
        list.item("%sT╬\\t,Ed╬r = %.2lf kNm"_cp, b.T_t);
        OLI_printf(file, "\n");
    }
    if (level >= 2) {
        OLI_printf(file, "%selastische Spannungen: ", pre);
        OLI_printf(file,
                   "min / max ╠╬\\x╬r = %.2lf / %.2lf N/mm², max Í = %.2lf N/mm²,  max ╠╬\\v╬r = %.2lf N/mm²\n"_cp,
                   b.sigma_min, b.sigma_max, b.tau, b.sigma_v);
    }
    if (b.class4) {
        Print_Class_4_Not_Covered(file);
        // the classification said it above the summary level only
        if (level < 1) {
            OLI_printf(file, "%sU╬\\c/t╬r = %s"_cp, pre, Utilisation_Digits_Without_Tolerance(b.U_ct_computed));
            Print_Utilisation_Verdict(file, b.U_ct_computed);
            OLI_printf(file, "\n");
        }
        return;
    }
    if (level >= 2 && check) {
        OLI_printf(file, "%szul. ", pre);
        OLI_printf(file, "Vergleichsspannung: ");
        OLI_printf(file, "╠╬\\v,Rd╬r = %.1lf N/mm²\n"_cp, b.sigma_Rd);
    }
    // The utilisations as computed: one just above 1 shows the rule that
    // counts it as 1 (b.U and b.U_ct hold them counted).
    const double tab = 8.0, U = b.U_computed, U_ct = b.U_ct_computed;
    OLI_Set_Tabs(2, nullptr, &tab, 1);
    OLI_printf(file, "%s", pre);
    if (level >= 1) OLI_printf(file, "Nachweis: ╬t"_cp);
    const Compared_Pair pair = Utilisation_Pair(b.sigma_v, b.sigma_Rd, 2);
    OLI_printf(file, "╠╬\\v╬r = %.*lf N/mm²  %s  ╠╬\\v,Rd╬r = %.*lf N/mm²  ê  U%s = %s%s\n"_cp, pair.value_places, pair.value, pair.sign,
               pair.limit_places, pair.limit, level >= 2 ? "╬\\╠v╬r"_cp : "", Utilisation_Digits(U), Utilisation_Verdict_Computed(U));
    if (U > 0.001 && U_ct > 0.001) {
        OLI_printf(file, "%s", pre);
        if (level >= 1) {
            OLI_printf(file, "Ausnutzungen: ");
            OLI_printf(file, "%s", "Tragfähigkeit "_cp);
        }
        OLI_printf(file, "U╬\\╠╬r = %s%s╬r"_cp, Utilisation_Digits(U), Utilisation_Verdict_Computed(U));
        OLI_printf(file, ",  ");
        if (level >= 1) OLI_printf(file, "%s", "c/t-Verhältnis "_cp);
        OLI_printf(file, "U╬\\c/t╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(U_ct));
        Print_Utilisation_Verdict(file, U_ct);
        OLI_printf(file, "\n");
    }
    OLI_End_Tabs();
}

// Elastic check of a flat bar or round bar.
unsigned Compact_Bar_Check(const Stahlprofil* p, double gamma_M0, const int ct_options[2], int check,
                           XS_Check_Forces f, double* const outs[XS_OUTPUTS], FILE* file, int level) {
    if (p->A <= 0 || p->I_y <= 0 || (p->type != PROFILTYP_RUND && p->I_z <= 0)) {
        return Refuse(file, level, "%sNachweis nicht möglich %s\n"_cp);
    }
    Bar_Check b{};
    Bar_Stresses(p, gamma_M0, f, &b);
    if (outs[XS_OUT_U_CT]) {
        Classify_Section_Computed(p, -1000.0 * f.N, -1e6 * f.M_y, -1e6 * f.M_z, gamma_M0, ct_options[0],
                                  ct_options[1], nullptr, nullptr, nullptr, 3, nullptr, &b.U_ct_computed, file, level,
                                  "");
    }
    b.U_computed = b.sigma_Rd > 0 ? b.sigma_v / b.sigma_Rd : 0.0;
    b.U = Round_Utilisation(b.U_computed);
    b.U_ct = Round_Utilisation(b.U_ct_computed);
    // the stresses are the gross section's: a bar beyond the class 3 limits
    // needs its effective section
    b.class4 = check && !Utilisation_Ok(b.U_ct);
    Store_Output(outs[XS_OUT_TOTAL], std::fmax(std::fmax(b.U, 0.0), b.U_ct));
    Store_Output(outs[XS_OUT_U_SIGMA], b.U);
    Store_Output(outs[XS_OUT_U_CT], b.U_ct);
    Store_Output(outs[XS_OUT_SIGMA_MAX], b.sigma_max);
    Store_Output(outs[XS_OUT_SIGMA_MIN], b.sigma_min);
    Store_Output(outs[XS_OUT_TAU], b.tau);
    Store_Output(outs[XS_OUT_SIGMA_V], b.sigma_v);
    Store_Output(outs[XS_OUT_M_PL], 0.0);
    Store_Output(outs[XS_OUT_U_SIGMA_COMPUTED], b.U_computed);
    Store_Output(outs[XS_OUT_U_CT_COMPUTED], b.U_ct_computed);
    if (file) Print_Bar_Check(b, check, file, level);
    return b.class4 ? XS_CHECK_DONE | XS_CHECK_NOT_VERIFIABLE | XS_CHECK_CLASS_4 : XS_CHECK_DONE;
}

}  // namespace

int XS_Gamma_M0_Usable(double gamma_M0, FILE* file) {
    if (NAD_Factor_Usable(gamma_M0)) return 1;
    if (file)
        OLI_printf(file, "%sTeilsicherheitsbeiwert └╬\\M0╬r = %s ungültig (nicht zwischen %.1lf und %.0lf)  ê  "
                         "Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, NAD_Factor_Text(gamma_M0).c_str(), NAD_FACTOR_MIN, NAD_FACTOR_MAX, Mark_Alert());
    return 0;
}

XS_Class_Check_Road Set_XS_Class_Check_Road(XS_Class_Check_Road road) {
    XS_Class_Check_Road previous = class_road;
    class_road = road;
    return previous;
}

namespace {

// The check with the output addresses the caller asked for.
unsigned XS_Resistance(const Stahlprofil* p, const XS_Check_Input& in, double* const outs[XS_OUTPUTS], FILE* file,
                       int level) {
    WELD_CHECK_AT_EXIT(Check_Member_Check_Invariants());
    // A factor of 0 or below, or none at all, divided the strength into a
    // utilisation of 0 that read as a pass.
    if (!XS_Gamma_M0_Usable(in.gamma_M0, file)) return 0;
    XS_Check_Forces f = Counted_Forces(in.forces);
    bool zero = true;
    for (double v : {f.N, f.M_y, f.M_z, f.V_y, f.V_z, f.T_t, f.T_w, f.B}) zero = zero && std::fabs(v) < 0.001;
    const int mode = in.mode;
    if (in.check && zero) {
        if (file && level >= 1) {
            OLI_printf(file, "%sSchnittgrößen = 0: Nachweis nicht erforderlich %s\n"_cp, Check_Line_Prefix,
                       Mark_Note());
        }
        // Nothing to carry is a check passed with zero utilisations, not a
        // check that could not be made.
        for (int k = 0; k < XS_OUTPUTS; k++) Store_Output(outs[k], 0.0);
        return mode >= 1 ? XS_CHECK_DONE | XS_CHECK_PLASTIC_LIMIT : XS_CHECK_DONE;
    }

    // A user section of the cross-section program has no section model here
    // that would describe it; checking it as its nominal type would check a
    // different section.
    if (p->kind == STAHLPROFIL_KIND_FOREIGN)
        return Refuse(file, level, "%sQ7-VUVE-Profil: Nachweis nicht möglich %s\n"_cp);

    const int type = p->type;
    const bool bar = type == PROFILTYP_FLACH || type == PROFILTYP_RUND;
    if (type == PROFILTYP_ROHR || bar) {
        if (std::fabs(f.T_w) > 0.0001 || std::fabs(f.B) > 0.000001) Warping_Note(file, level, type);
        f.T_w = f.B = 0.0;
    }
    // A plate in shear beyond the shear-buckling limit (EN 1993-1-5 5.1)
    // buckles before the stresses reach their strength: neither the elastic
    // nor the plastic check proves it. Its line says that the more exact
    // verification is needed.
    if (Check_Profile_Shear_Buckling(p, f.V_y, f.V_z, file, level, 0))
        return XS_CHECK_NOT_VERIFIABLE | XS_CHECK_SHEAR_BUCKLING;
    if (bar) {
        // Flat and round bars have only the elastic check. Asked for a
        // plastic one they get it with a note, as the class-based road does
        // for a section its plastic methods cannot describe: a refusal would
        // fail every load case of a connection whose bar is far from its
        // limit.
        if (mode >= 1 && file && level >= 1) Print_Elastic_Only_Note(file);
        const unsigned done = Compact_Bar_Check(p, in.gamma_M0, in.ct_options, in.check, f, outs, file, level);
        return mode >= 1 && done ? done | XS_CHECK_PLASTIC_LIMIT : done;
    }
    // Hollow sections take the class-based road in every mode: its plastic
    // methods check a circular tube by its closed form and a rectangular
    // one by the stress blocks of its outline.
    const int orientation = mode <= 0 ? 1 : 0;
    if (!class_road) return 0;
    Shear_Centre_Note(file, level, p, f);
    const int options[10] = {mode, 0, 0, 1, 0, 0, 0, 0, 1, 1};
    return class_road(p, orientation, options, in.check, in.gamma_M0, type == PROFILTYP_ROHR ? 1 : 0, &f, outs,
                      file, level);
}

}  // namespace

unsigned Check_XS_Resistance(const Stahlprofil* p, const XS_Check_Input* input, XS_Check_Result* result, FILE* file,
                             int level) {
    XS_Check_Result scratch;
    XS_Check_Result* r = result ? result : &scratch;
    *r = XS_Check_Result{};
    if (!p || !input) return 0;
    double* outs[XS_OUTPUTS];
    XS_Result_Addresses(r, outs);
    return XS_Resistance(p, *input, outs, file, level);
}

unsigned Calc_XS_Resistance_Check(const Stahlprofil* p, double gamma_M0, const int ct_options[2], int check,
                                  int mode, double N, double M_y, double M_z, double V_y, double V_z, double T_t,
                                  double T_w, double B, double* out1, double* out2, double* out3, double* out4,
                                  double* out5, double* out6, double* out7, double* out8, FILE* file, int level) {
    if (!p) return 0;
    XS_Check_Input in{gamma_M0, {0, 0}, check, mode, {N, M_y, M_z, V_y, V_z, T_t, T_w, B}};
    if (ct_options) in.ct_options[0] = ct_options[0], in.ct_options[1] = ct_options[1];
    double* const outs[XS_OUTPUTS] = {out1, out2, out3, out4, out5, out6, out7, out8};
    return XS_Resistance(p, in, outs, file, level);
}

void Print_XS_Refusal_Reason(const Stahlprofil* p, const XS_Check_Input* in, unsigned flags, FILE* file) {
    if (!p || !in || !file || (flags & XS_CHECK_DONE)) return;
    XS_Gamma_M0_Usable(in->gamma_M0, file);
    if (!(flags & XS_CHECK_SHEAR_BUCKLING)) return;
    const XS_Check_Forces f = Counted_Forces(in->forces);
    Check_Profile_Shear_Buckling(p, f.V_y, f.V_z, file, 0, 0);
}

void Set_XS_Result_Index(int index) { result_index = index; }

const char* Get_XS_Result_Suffix(void) {
    static char buffer[16];
    std::snprintf(buffer, sizeof buffer, "_%d", result_index);
    return buffer;
}
