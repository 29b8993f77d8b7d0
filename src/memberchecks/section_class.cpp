// Cross-section classification of a steel profile by the c/t of its parts.
#include "memberchecks/section_class.h"

#include <cmath>
#include <cstdio>

#include "base/cp850.h"
#include "memberchecks/ct_check.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

namespace {

struct PartCheck {
    const char* name;
    int kind;
    double c_t;
    double alpha, sigma;
    int slot;  // 0 top, 1 bottom, 2 web
    double alpha_pl;  // of the plastic distribution
    double t;  // the plate's thickness, which decides its yield strength
};

double Ratio(double c, double t) { return t > 0 ? c / t : 0.0; }

// The stresses of the parts: elastic alpha and largest compression, plastic
// alpha, of the top and bottom flange and the web.
struct Part_Stresses {
    double a_top, a_bot, a_web, s_top, s_bot, s_web;
    double p_top, p_bot, p_web;
    bool compressed;  // no point of the section in tension
};

// What the steps of one classification share.
struct Classification {
    const Stahlprofil* p;
    double f_y, E, gamma_M0;   // gamma_M0 0: no raised class 3 limit
    int target_class;
    FILE* stream;              // null: silent
    int level;
    int cls[3];                // top, bottom, web
    double U;                  // the largest part utilisation as computed, counted at the end
    double U_computed;         // U before the rule of Round_Utilisation counted it
    bool own_epsilons = false; // the parts' yield strengths differ: each part's line names its epsilon
};

// The heading: the target class at level 1; the class line with epsilon
// (none where the parts' own differ: each part's line names its own) and
// the target at level 2 and above.
void Print_Classification_Heading(const Stahlprofil* p, double f_y, double E, int target_class, FILE* stream,
                                  int level, const char* heading, bool own_epsilons) {
    const char* pre = Check_Line_Prefix;
    if (level == 1) {
        if (target_class > 0) {
            OLI_printf(stream, "%s╬Sc/t-Ausnutzung bzgl. Q-Klasse %d\n"_cp, pre, target_class);
        }
        return;
    }
    const double eps = Print_Epsilon(f_y, E, nullptr);
    OLI_printf(stream, "%sQuerschnittsklasse", pre);
    if (heading) OLI_printf(stream, "%s", heading);
    if (!own_epsilons) OLI_printf(stream, " (¥ = %.2lf)"_cp, eps);
    if (target_class > 0) OLI_printf(stream, ",  c/t-Ausnutzung bzgl. Q-Klasse %d", target_class);
    OLI_printf(stream, ": ");
    if (p->type != PROFILTYP_RUND) OLI_printf(stream, "\n");
}

// The parts of an angle: the legs as outstands under their own stresses,
// and, where the whole section is in compression, the two conditions of
// the angle rule besides them (why there: Calc_Ct_Winkel).
int Angle_Parts(const Stahlprofil* p, const Part_Stresses& d, PartCheck* parts) {
    int n = 0;
    parts[n++] = {"Schenkel 2", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), d.a_top, d.s_top, 0, d.p_top, p->t_fo};
    parts[n++] = {"Schenkel 1", CT_PART_OUTSTAND, Ratio(p->h_w, p->t_w), d.a_web, d.s_web, 2, d.p_web, p->t_w};
    if (d.compressed) {
        const double r_b = Ratio(p->b_fo, p->t_fo), r_h = Ratio(p->h, p->t_w);
        // the section's largest compression, both conditions as for the
        // section in uniform compression; both legs count, with the
        // strength of the thinner one
        const double s_com = std::fmax(d.s_top, d.s_web), t = std::fmin(p->t_w, p->t_fo);
        parts[n++] = {"Bedingung 1", CT_PART_ANGLE_1, std::fmax(r_h, r_b), CT_ALPHA_UNIFORM, s_com, 0,
                      CT_ALPHA_UNIFORM, t};
        parts[n++] = {"Bedingung 2", CT_PART_ANGLE_2, (r_b + r_h) / 2, CT_ALPHA_UNIFORM, s_com, 2, CT_ALPHA_UNIFORM,
                      t};
    }
    return n;
}

// The parts of the profile's type to classify (at most five); their count.
int Section_Parts(const Stahlprofil* p, const Part_Stresses& d, PartCheck* parts) {
    int n = 0;
    const double h_t = Ratio(p->h_w, p->t_w);
    switch (p->type) {
    case PROFILTYP_FLACH:
        parts[n++] = {nullptr, CT_PART_INTERNAL, Ratio(p->h, p->t_w), d.a_web, d.s_web, 2, d.p_web,
                      std::fmin(p->h, p->t_w)};
        break;
    case PROFILTYP_L:
        n = Angle_Parts(p, d, parts);
        break;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        parts[n++] = {"Flansch oben", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), d.a_top, d.s_top, 0, d.p_top, p->t_fo};
        parts[n++] = {"Flansch unten", CT_PART_OUTSTAND, Ratio(p->c_u, p->t_fu), d.a_bot, d.s_bot, 1, d.p_bot,
                      p->t_fu};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, d.a_web, d.s_web, 2, d.p_web, p->t_w};
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        // both flanges: M_y compresses either
        parts[n++] = {"Flansch oben", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), d.a_top, d.s_top, 0, d.p_top, p->t_fo};
        parts[n++] = {"Flansch unten", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), d.a_bot, d.s_bot, 1, d.p_bot,
                      p->t_fo};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, d.a_web, d.s_web, 2, d.p_web, p->t_w};
        break;
    case PROFILTYP_RECHTECK:
        parts[n++] = {"Flansch oben", CT_PART_INTERNAL,
                      Ratio(Rhs_Clear_Width(p->b_fo, p->t_w, p->t_w, p->t_fo, p->c_o), p->t_fo), d.a_top, d.s_top, 0,
                      d.p_top, p->t_fo};
        parts[n++] = {"Flansch unten", CT_PART_INTERNAL,
                      Ratio(Rhs_Clear_Width(p->b_fu, p->t_w, p->t_w, p->t_fu, p->c_u), p->t_fu), d.a_bot, d.s_bot, 1,
                      d.p_bot, p->t_fu};
        parts[n++] = {"Stege", CT_PART_INTERNAL, Ratio(Rhs_Clear_Width(p->h, p->t_fo, p->t_fu, p->t_w, p->h_w), p->t_w),
                      d.a_web, d.s_web, 2, d.p_web, p->t_w};
        break;
    case PROFILTYP_KASTEN:
        parts[n++] = {"Flansch oben", CT_PART_INTERNAL, Ratio(p->c_o, p->t_fo), d.a_top, d.s_top, 0, d.p_top, p->t_fo};
        parts[n++] = {"Flansch unten", CT_PART_INTERNAL, Ratio(p->c_u, p->t_fu), d.a_bot, d.s_bot, 1, d.p_bot,
                      p->t_fu};
        parts[n++] = {"Stege", CT_PART_INTERNAL, h_t, d.a_web, d.s_web, 2, d.p_web, p->t_w};
        break;
    case PROFILTYP_ROHR:
        parts[n++] = {nullptr, CT_PART_TUBE, Ratio(p->h, p->t_w), d.a_web, d.s_web, 2, d.a_web, p->t_w};
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        parts[n++] = {"Flansch", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), d.a_top, d.s_top, 0, d.p_top, p->t_fo};
        parts[n++] = {"Steg", CT_PART_OUTSTAND, h_t, d.a_web, d.s_web, 2, d.p_web, p->t_w};
        break;
    case PROFILTYP_Z:
        parts[n++] = {"Flansche", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), 1.0, 0.0, 0, 1.0, p->t_fo};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, 1.0, 0.0, 2, 1.0, p->t_w};
        break;
    default:  // trapezoid: no parts
        break;
    }
    return n;
}

// The stresses of the parts under N, M_y and M_z; the plastic alpha of the
// blocks of the design strength f_yd (its note on how the distributions
// were found to the stream, when given).
Part_Stresses Stresses_Of(const Stahlprofil* p, double N, double M_y, double M_z, double f_yd, FILE* note) {
    Part_Stresses d{};
    if (p->type == PROFILTYP_Z || p->type == PROFILTYP_TRAPEZ) return d;
    double unused[3];
    Calc_Alpha_Elastic(p, &d.a_top, &d.a_bot, N, M_y, M_z, &d.a_web, &d.s_top, &d.s_bot, &d.s_web, nullptr);
    Calc_Alpha_Plastic(p, &d.p_top, &d.p_bot, N, M_y, M_z, &d.p_web, &unused[0], &unused[1], &unused[2], f_yd, note);
    d.compressed = p->type == PROFILTYP_L && Profile_In_Compression(p, N, M_y, M_z);
    return d;
}

// Takes a part's class and utilisation (as computed) into the section's.
void Take_Part(Classification& k, int slot, int c, double u) {
    if (k.stream) OLI_printf(k.stream, "\n");
    if (u > k.U) k.U = u;
    if (c > k.cls[slot]) k.cls[slot] = c;
}

// Whether a part of the profile's type takes another yield strength than
// f_y (the plates' thicknesses fall in different ranges of the grade).
bool Parts_Of_Own_Strengths(const Stahlprofil* p, double f_y) {
    PartCheck parts[5];
    const int n = Section_Parts(p, Part_Stresses{}, parts);
    for (int i = 0; i < n; i++)
        if (std::fabs(Plate_Yield_Strength(p, parts[i].t) - f_y) > 1e-9) return true;
    return false;
}

// The name a part's lines give it: with the epsilon of its own yield
// strength where the heading names none.
const char* Part_Name(const Classification& k, const char* name, double f_y, char* out, size_t size) {
    if (!k.own_epsilons || !name || k.level < 2) return name;
    std::snprintf(out, size, "%s (¥ = %.3lf)"_cp, name, Print_Epsilon(f_y, k.E, nullptr));
    return out;
}

// Classifies each part (printed), and a box's overhangs beyond its webs
// after a checked flange.
void Check_Parts(Classification& k, const PartCheck* parts, int n) {
    const Stahlprofil* p = k.p;
    char named[64];
    for (int i = 0; i < n; i++) {
        const PartCheck& pc = parts[i];
        const double f_y = Plate_Yield_Strength(p, pc.t);
        double u = 0;
        int c = Check_Ct_Part_Computed(pc.kind, k.target_class, nullptr, &u, pc.c_t, f_y, k.E, pc.alpha, pc.alpha_pl,
                                       pc.sigma, k.gamma_M0, k.stream, k.level,
                                       Part_Name(k, pc.name, f_y, named, sizeof named));
        Take_Part(k, pc.slot, c, u);
        if (p->type != PROFILTYP_KASTEN || pc.slot >= 2 || c <= 0) continue;
        const double b_ue = pc.slot == 0 ? p->b_ueo : p->b_ueu;
        const double t_f = pc.slot == 0 ? p->t_fo : p->t_fu;
        if (b_ue <= 0.001) continue;
        double uo = 0;
        const char* name = pc.slot == 0 ? "Überstand oben"_cp : "Überstand unten"_cp;
        int co = Check_Ct_Part_Computed(CT_PART_OUTSTAND, k.target_class, nullptr, &uo, Ratio(b_ue, t_f), f_y, k.E,
                                        1.0, 1.0, pc.sigma, k.gamma_M0, k.stream, k.level,
                                        Part_Name(k, name, f_y, named, sizeof named));
        Take_Part(k, pc.slot, co, uo);
    }
}

// The line of the section's class and its c/t utilisation (as computed).
void Print_Section_Class(FILE* stream, int level, int section, double U) {
    OLI_printf(stream, "%s", Check_Line_Prefix);
    if (level >= 1) OLI_printf(stream, "Gesamt: ");
    OLI_printf(stream, "Q-Klasse %d", section);
    if (U > 0.001) {
        OLI_printf(stream, ",  ");
        if (level >= 1) OLI_printf(stream, "c/t-Ausnutzung ");
        OLI_printf(stream, "U╬\\c/t╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(U));
        Print_Utilisation_Verdict(stream, U);
    }
    OLI_printf(stream, "\n");
}

}  // namespace

int Classify_Section(const Stahlprofil* p, double N, double M_y, double M_z, double gamma_M0, int no_raise,
                     int use_E, int* class_top, int* class_bottom, int* class_web, int target_class, double* U_ct,
                     FILE* stream, int level, const char* heading) {
    return Classify_Section_Computed(p, N, M_y, M_z, gamma_M0, no_raise, use_E, class_top, class_bottom, class_web,
                                     target_class, U_ct, nullptr, stream, level, heading);
}

int Classify_Section_Computed(const Stahlprofil* p, double N, double M_y, double M_z, double gamma_M0, int no_raise,
                              int use_E, int* class_top, int* class_bottom, int* class_web, int target_class,
                              double* U_ct, double* U_ct_computed, FILE* stream, int level, const char* heading) {
    if (!p || p->type <= PROFILTYP_NONE || p->type > PROFILTYP_TRAPEZ) return -1;
    const bool print = stream && level > 0;
    Classification k{p, p->material.f_y, use_E ? p->material.E : 0.0, gamma_M0, target_class,
                     print ? stream : nullptr, level, {0, 0, 0}, 0.0, 0.0};
    int section = 0;
    auto store = [&]() {
        if (class_top) *class_top = k.cls[0];
        if (class_bottom) *class_bottom = k.cls[1];
        if (class_web) *class_web = k.cls[2];
        if (U_ct) *U_ct = k.U;
        if (U_ct_computed) *U_ct_computed = k.U_computed;
        return section;
    };
    if ((N <= 0.01 && std::fabs(M_y) <= 0.0001 && std::fabs(M_z) <= 0.0001) || p->kind == STAHLPROFIL_KIND_FOREIGN) return store();
    k.own_epsilons = print && Parts_Of_Own_Strengths(p, k.f_y);
    if (print) Print_Classification_Heading(p, k.f_y, k.E, target_class, stream, level, heading, k.own_epsilons);
    if (p->type == PROFILTYP_RUND) {
        k.cls[2] = section = 1;
        return store();
    }
    // The plastic stress blocks are those of the design strength.
    const double f_yd = gamma_M0 > 0.001 ? k.f_y / gamma_M0 : k.f_y;
    if (no_raise) k.gamma_M0 = 0.0;
    // its note on how the distributions were found only at level 2
    const Part_Stresses d = Stresses_Of(p, N, M_y, M_z, f_yd, print && level >= 2 ? stream : nullptr);
    PartCheck parts[5];
    const int n = Section_Parts(p, d, parts);
    Check_Parts(k, parts, n);
    for (int c : k.cls) section = c > section ? c : section;
    k.U_computed = k.U;
    k.U = Round_Utilisation(k.U);
    if (stream && section > 0 && (k.cls[0] > 0 || k.cls[1] > 0))
        Print_Section_Class(stream, level, section, k.U_computed);
    return store();
}

double Ct_Utilisation_For_Class(const Stahlprofil* p, int class2, double N, double M_y, double M_z,
                                double gamma_M0, int no_raise, int use_E, FILE* stream, int level) {
    if (class2 < 0 || !p || p->kind == STAHLPROFIL_KIND_FOREIGN) return 0.0;
    double U = 0.0;
    Classify_Section(p, N, M_y, M_z, gamma_M0, no_raise, use_E, nullptr, nullptr, nullptr, class2 ? 2 : 3, &U,
                     stream, level, "");
    return U;
}
