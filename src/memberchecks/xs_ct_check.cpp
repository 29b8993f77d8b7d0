// c/t check of a steel profile on its section model, with its print block.
#include "memberchecks/xs_ct_check.h"

#include <algorithm>
#include <cmath>

#include "base/cp850.h"
#include "base/invariant.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/member_invariants.h"
#include "memberchecks/plastic_axis.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "profiles/stahlprofil_library.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb_transfer.h"

namespace {

// The class limits of the profile's model: its stresses under the forces,
// then the c/t utilisations of every part against EN 1993-1-1, each part
// with the epsilon of its own thickness's yield strength (alpha of the
// class 1 and 2 limits plastic, psi of the class 3 limit elastic).
int Class_Limits(const Stahlprofil* profile, const double forces[8], int options, double f_y, double gamma_M0,
                 double factor, double limits[9]) {
    if (Calc_Profile_Stress_Extremes(profile, forces[0], forces[1], forces[2], forces[3], forces[4], forces[5],
                                     forces[6], forces[7], nullptr, nullptr, nullptr, nullptr) != 0)
        return 0;
    double part_f_y[PROFIL_DWQB_LINES];
    double ends[PROFIL_DWQB_LINES][2];
    const int parts = std::min(Get_Section_Part_Count(), static_cast<int>(PROFIL_DWQB_LINES));
    for (int i = 0; i < parts; i++) part_f_y[i] = Plate_Yield_Strength(profile, 10 * Get_Section_Part_Thickness(i));
    Section_Class_Request request = {1, options, f_y, gamma_M0, factor, nullptr, parts, part_f_y, nullptr};
    // Classes 1 and 2 take alpha from the section at its plastic moment
    // resistance under N (kN, tension positive): the blocks of the design
    // strength (kN/cm2), each part's in proportion to its own, that carry N
    // and both moments in their direction on the profile's real outline.
    const double f_d = gamma_M0 > 0 ? f_y / gamma_M0 : f_y;
    double share[PROFIL_DWQB_LINES];
    for (int i = 0; i < parts; i++) share[i] = f_y > 0 && part_f_y[i] > 0 ? part_f_y[i] / f_y : 1.0;
    Catalogue_Outline outline{};
    const bool rolled = Profile_Rolled_Outline(profile, &outline) != 0;
    Scale_Outline(&outline, 0.1);  // the model's units
    if (Calc_Model_Plastic_Part_Ends(forces[0], 0.1 * f_d, ends, parts, share, rolled ? &outline : nullptr) > 0) {
        request.flags |= SECTION_CLASS_PLASTIC;
        request.plastic_ends = ends;
    }
    Section_Class_Result result;
    if (!Calc_Section_Class_Limits(&request, &result)) return 0;
    for (int k = 0; k < 3; ++k) {
        limits[k] = result.outstand[k];
        limits[3 + k] = result.internal[k];
        limits[6 + k] = result.overall[k];
    }
    return 1;
}

XS_Class_Limits_Fn class_limits = Class_Limits;

double Zero_Below(double v, double limit) { return std::fabs(v) < limit ? 0.0 : v; }

// A utilisation as computed; the check counts it with Round_Utilisation.
void Utilisation(FILE* file, double u) {
    OLI_printf(file, "Ausnutzung U╬\\c/t╬r"_cp);
    OLI_printf(file, " = %s", Utilisation_Digits_Without_Tolerance(u));
    Print_Utilisation_Verdict(file, u);
}

// The yield strengths the model's parts take (Class_Limits: each its own
// thickness's), each once in the parts' order: of the parts supported on
// one side (0) and of the others (1).
struct Part_Strengths {
    double f_y[2][PROFIL_DWQB_LINES];
    int n[2];
};

Part_Strengths Model_Part_Strengths(const Stahlprofil* p) {
    Part_Strengths s{};
    const int parts = std::min(Get_Section_Part_Count(), static_cast<int>(PROFIL_DWQB_LINES));
    for (int i = 0; i < parts; i++) {
        const int code = Get_Section_Point(i, nullptr, nullptr, nullptr);
        if (code == CT_NO_PART) continue;
        const int kind = code == CT_OUTSTAND_FREE_AT_START || code == CT_OUTSTAND_FREE_AT_END ? 0 : 1;
        const double f_y = Plate_Yield_Strength(p, 10 * Get_Section_Part_Thickness(i));
        bool known = false;
        for (int k = 0; k < s.n[kind]; k++) known = known || std::fabs(s.f_y[kind][k] - f_y) <= 1e-9;
        if (!known) s.f_y[kind][s.n[kind]++] = f_y;
    }
    return s;
}

// Whether a part of the model takes another yield strength than f_y.
bool Own_Strengths(const Part_Strengths& s, double f_y) {
    for (int kind = 0; kind < 2; kind++)
        for (int k = 0; k < s.n[kind]; k++)
            if (std::fabs(s.f_y[kind][k] - f_y) > 1e-9) return true;
    return false;
}

// The epsilon of f_y after "Materialbeiwert" (as its formula) or a part's
// label (its value), with the fire case's factor.
void Epsilon_Text(FILE* file, double f_y, int fire, double fire_factor, bool formula) {
    const double eps = Print_Epsilon(f_y, 0, formula ? file : nullptr);
    if (!formula) OLI_printf(file, "¥ = %.3lf"_cp, eps);
    if (fire && std::fabs(fire_factor - 1) > 0.01) {
        OLI_printf(file, ",  Brandfall: %.2lf%s¥ = %.3lf"_cp, fire_factor, Report_Times_Sign, eps * fire_factor);
    }
}

// A line's label ("einseitig gestützt: "): where the parts' strengths
// differ, with the epsilon of each strength its parts take.
void Part_Label(FILE* file, const char* label, const Part_Strengths* own, int kind, int fire, double fire_factor) {
    if (!own) {
        OLI_printf(file, "%s: ", label);
        return;
    }
    OLI_printf(file, "%s (", label);
    for (int k = 0; k < own->n[kind]; k++) {
        if (k) OLI_printf(file, ", ");
        Epsilon_Text(file, own->f_y[kind][k], fire, fire_factor, false);
    }
    OLI_printf(file, "): ");
}

}  // namespace

XS_Class_Limits_Fn Set_XS_Class_Limits(XS_Class_Limits_Fn fn) {
    XS_Class_Limits_Fn previous = class_limits;
    class_limits = fn;
    return previous;
}

int Calc_XS_Ct_Check(const Stahlprofil* p, double gamma_M0, int switch_raise, int fire, double fire_factor,
                     int target, double N, double M_y, double M_z, double V_y, double V_z, double T_t, double T_w,
                     double B, double* U_ct, FILE* file, int level) {
    WELD_CHECK_AT_EXIT(Check_Member_Check_Invariants());
    if (U_ct) *U_ct = 0.0;
    if (!p) return 1;
    if (fire_factor < 0.001) fire_factor = 0.85;
    const double forces[8] = {Zero_Below(N, 0.01),   Zero_Below(M_y, 0.0001), Zero_Below(M_z, 0.0001),
                              Zero_Below(V_y, 0.01), Zero_Below(V_z, 0.01),   Zero_Below(T_t, 0.0001),
                              Zero_Below(T_w, 0.0001), Zero_Below(B, 0.000001)};
    bool zero = true;
    for (double v : forces) zero = zero && std::fabs(v) < 0.001;
    const char* pre = Check_Line_Prefix;
    if (zero) {
        if (file && level >= 1) {
            OLI_printf(file, "%sSchnittgrößen = 0: Nachweis nicht erforderlich %s\n"_cp, pre, Mark_Note());
        }
        return 0;
    }
    const int options = (switch_raise == 0 ? 1 : 0) + (fire ? 4 : 0);
    double limits[9] = {0};
    if (!class_limits ||
        !class_limits(p, forces, options, p->material.f_y, gamma_M0, fire ? fire_factor : 1.0, limits)) {
        return 1;
    }
    const int target_class = target <= 0 ? 3 : 2;
    const double u_out = limits[target_class - 1], u_int = limits[3 + target_class - 1];
    const double u = limits[6 + target_class - 1];
    if (u <= 0.001) return 0;
    // Counted as the class it names is: one just above 1 counts as 1 (the
    // lines show it as computed, with the rule).
    if (U_ct) *U_ct = Round_Utilisation(u);
    if (!file) return 0;
    if (level <= 0) {
        OLI_printf(file, "%s", pre);
        OLI_printf(file, "U╬\\c/t╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(u));
        Print_Utilisation_Verdict(file, u);
        OLI_printf(file, "\n");
        return 0;
    }
    const double tab = 10.0;
    OLI_Set_Tabs(2, nullptr, &tab, 1);
    const bool tube = p->type == PROFILTYP_ROHR;
    if (level == 1) {
        OLI_printf(file, "%sc/t-Nachweis: ", pre);
    } else {
        // the class read from the top, each utilisation counted as every
        // one is: beyond the class 3 limits class 4, beyond the class 2
        // limits class 3, whatever the lower limits say
        int reached = 1;
        for (int k = 3; k >= 1; --k)
            if (!Utilisation_Ok(Round_Utilisation(limits[5 + k]))) {
                reached = k + 1;
                break;
            }
        OLI_printf(file, "%sQuerschnitt in Klasse %d", pre, reached);
        // One epsilon of the profile's f_y, or where the model's parts take
        // strengths of their own, each line its parts'.
        const Part_Strengths strengths =
            class_limits == Class_Limits ? Model_Part_Strengths(p) : Part_Strengths{};
        const Part_Strengths* own = Own_Strengths(strengths, p->material.f_y) ? &strengths : nullptr;
        if (!own) {
            OLI_printf(file, ",  Materialbeiwert ");
            Epsilon_Text(file, p->material.f_y, fire, fire_factor, true);
        }
        OLI_printf(file, "\n");
        OLI_printf(file, "%sc/t-Nachweis: ", pre);
        if (u_out > 0.001) {
            OLI_printf(file, "╬t"_cp);
            if (!tube) Part_Label(file, "einseitig gestützt"_cp, own, 0, fire, fire_factor);
            Utilisation(file, u_out);
            OLI_printf(file, "\n");
        }
        if (u_int > 0.001) {
            OLI_printf(file, "╬t"_cp);
            if (!tube) Part_Label(file, "beidseitig gestützt"_cp, own, 1, fire, fire_factor);
            Utilisation(file, u_int);
            OLI_printf(file, "\n");
        }
    }
    OLI_printf(file, "╬t"_cp);
    if (u_out > 0.001 && u_int > 0.001 && level >= 2 && !tube) OLI_printf(file, "gesamt: ");
    Utilisation(file, u);
    if (level >= 2) OLI_printf(file, "  (bzgl. Querschnittsklasse %d)", target_class);
    OLI_printf(file, "\n");
    OLI_End_Tabs();
    return 0;
}
