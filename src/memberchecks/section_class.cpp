// Cross-section classification of a steel profile by the c/t of its parts.
#include "memberchecks/section_class.h"

#include <cmath>

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
};

double Ratio(double c, double t) { return t > 0 ? c / t : 0.0; }

}  // namespace

int Classify_Section(const Stahlprofil* p, double N, double M_y, double M_z, double gamma_M0, int no_raise,
                     int use_E, int* class_top, int* class_bottom, int* class_web, int target_class, double* U_ct,
                     FILE* stream, int level, const char* heading) {
    if (!p || p->type <= 0 || p->type > 17) return -1;
    int cls[3] = {0, 0, 0};
    double U = 0.0;
    int section = 0;
    auto store = [&]() {
        if (class_top) *class_top = cls[0];
        if (class_bottom) *class_bottom = cls[1];
        if (class_web) *class_web = cls[2];
        if (U_ct) *U_ct = U;
        return section;
    };
    const double E = use_E ? p->material.E : 0.0;
    const double f_y = p->material.f_y;
    if ((N <= 0.01 && std::fabs(M_y) <= 0.0001 && std::fabs(M_z) <= 0.0001) || p->kind == 2) return store();

    const char* pre = Check_Line_Prefix;
    const bool print = stream && level > 0;
    if (print && level == 1) {
        if (target_class > 0) {
            OLI_printf(stream, "%s╬Sc/t-Ausnutzung bzgl. Q-Klasse %d\n"_cp, pre, target_class);
        }
    } else if (print) {
        const double eps = Print_Epsilon(f_y, E, nullptr);
        OLI_printf(stream, "%sQuerschnittsklasse", pre);
        if (heading) OLI_printf(stream, "%s", heading);
        OLI_printf(stream, " (¥ = %.2lf)"_cp, eps);
        if (target_class > 0) OLI_printf(stream, ",  c/t-Ausnutzung bzgl. Q-Klasse %d", target_class);
        OLI_printf(stream, ": ");
        if (p->type != PROFILTYP_RUND) OLI_printf(stream, "\n");
    }
    if (p->type == PROFILTYP_RUND) {
        cls[2] = section = 1;
        return store();
    }
    // The plastic stress blocks are those of the design strength.
    const double f_yd = gamma_M0 > 0.001 ? f_y / gamma_M0 : f_y;
    if (no_raise) gamma_M0 = 0.0;

    double a_top = 0, a_bot = 0, a_web = 0, s_top = 0, s_bot = 0, s_web = 0;
    double p_top = 0, p_bot = 0, p_web = 0, unused[3];
    const int t = p->type;
    if (t != PROFILTYP_Z && t != PROFILTYP_TRAPEZ) {
        Calc_Alpha_Elastic(p, &a_top, &a_bot, N, M_y, M_z, &a_web, &s_top, &s_bot, &s_web, nullptr);
        // its note on how the distributions were found only at level 2
        Calc_Alpha_Plastic(p, &p_top, &p_bot, N, M_y, M_z, &p_web, &unused[0], &unused[1], &unused[2], f_yd,
                           print && level >= 2 ? stream : nullptr);
    }

    PartCheck parts[5];
    int n = 0;
    const double h_t = Ratio(p->h_w, p->t_w);
    switch (t) {
    case PROFILTYP_FLACH:
        parts[n++] = {nullptr, CT_PART_INTERNAL, Ratio(p->h, p->t_w), a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_L: {
        // Both legs with the compression falling to zero at one end: the
        // angle's two conditions alone. Otherwise the legs as outstands and,
        // with an axial compression (a uniformly compressed leg has alpha
        // 1000, not 1), the two conditions of the angle rule besides them:
        // they hold for the section in compression, also where a moment
        // leaves part of it in tension.
        const bool legs = !(std::fabs(std::fabs(a_top) - 1) < 0.01 && std::fabs(std::fabs(a_web) - 1) < 0.01);
        if (legs) {
            parts[n++] = {"Schenkel 2", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), a_top, s_top, 0, p_top};
            parts[n++] = {"Schenkel 1", CT_PART_OUTSTAND, h_t, a_web, s_web, 2, p_web};
        }
        if (!legs || N > 0.01) {
            const double r_b = Ratio(p->b_fo, p->t_fo), r_h = Ratio(p->h, p->t_w);
            // under N: the section's largest compression, both conditions
            // as for the section in uniform compression
            const double s_com = std::fmax(s_top, s_web);
            const double a_1 = legs ? CT_ALPHA_UNIFORM : a_top, a_2 = legs ? CT_ALPHA_UNIFORM : a_web;
            parts[n++] = {"Bedingung 1", CT_PART_ANGLE_1, std::fmax(r_h, r_b), a_1, legs ? s_com : s_top, 0,
                          legs ? a_1 : p_top};
            parts[n++] = {"Bedingung 2", CT_PART_ANGLE_2, (r_b + r_h) / 2, a_2, legs ? s_com : s_web, 2,
                          legs ? a_2 : p_web};
        }
        break;
    }
    case 4: case 5: case 7: case 10: case 13:
        parts[n++] = {"Flansch oben", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), a_top, s_top, 0, p_top};
        parts[n++] = {"Flansch unten", CT_PART_OUTSTAND, Ratio(p->c_u, p->t_fu), a_bot, s_bot, 1, p_bot};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        parts[n++] = {"Flansche", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_w), a_top, s_top, 0, p_top};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_RECHTECK:
        parts[n++] = {"Flansch oben", CT_PART_INTERNAL,
                      Ratio(Rhs_Clear_Width(p->b_fo, p->t_w, p->t_w, p->t_fo, p->c_o), p->t_fo), a_top, s_top, 0, p_top};
        parts[n++] = {"Flansch unten", CT_PART_INTERNAL,
                      Ratio(Rhs_Clear_Width(p->b_fu, p->t_w, p->t_w, p->t_fu, p->c_u), p->t_fu), a_bot, s_bot, 1, p_bot};
        parts[n++] = {"Stege", CT_PART_INTERNAL, Ratio(Rhs_Clear_Width(p->h, p->t_fo, p->t_fu, p->t_w, p->h_w), p->t_w),
                      a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_KASTEN:
        parts[n++] = {"Flansch oben", CT_PART_INTERNAL, Ratio(p->c_o, p->t_fo), a_top, s_top, 0, p_top};
        parts[n++] = {"Flansch unten", CT_PART_INTERNAL, Ratio(p->c_u, p->t_fu), a_bot, s_bot, 1, p_bot};
        parts[n++] = {"Stege", CT_PART_INTERNAL, h_t, a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_ROHR:
        parts[n++] = {nullptr, CT_PART_TUBE, Ratio(p->h, p->t_w), a_web, s_web, 2, a_web};
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        parts[n++] = {"Flansch", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), a_top, s_top, 0, p_top};
        parts[n++] = {"Steg", CT_PART_OUTSTAND, h_t, a_web, s_web, 2, p_web};
        break;
    case PROFILTYP_Z:
        parts[n++] = {"Flansche", CT_PART_OUTSTAND, Ratio(p->c_o, p->t_fo), 1.0, 0.0, 0, 1.0};
        parts[n++] = {"Steg", CT_PART_INTERNAL, h_t, 1.0, 0.0, 2, 1.0};
        break;
    default:  // trapezoid: no parts
        break;
    }

    for (int i = 0; i < n; i++) {
        const PartCheck& pc = parts[i];
        double u = 0;
        int c = Check_Ct_Part_Pl(pc.kind, target_class, &u, pc.c_t, f_y, E, pc.alpha, pc.alpha_pl, pc.sigma,
                                 gamma_M0, print ? stream : nullptr, level, pc.name);
        if (print) OLI_printf(stream, "\n");
        if (u > U) U = u;
        if (c > cls[pc.slot]) cls[pc.slot] = c;
        // the overhangs of a box beyond its webs, after a checked flange
        if (t == PROFILTYP_KASTEN && pc.slot < 2 && c > 0) {
            const double b_ue = pc.slot == 0 ? p->b_ueo : p->b_ueu;
            const double t_f = pc.slot == 0 ? p->t_fo : p->t_fu;
            if (b_ue > 0.001) {
                double uo = 0;
                int co = Check_Ct_Part(CT_PART_OUTSTAND, target_class, &uo, Ratio(b_ue, t_f), f_y, E, 1.0, pc.sigma,
                                       gamma_M0, print ? stream : nullptr, level,
                                       pc.slot == 0 ? "Überstand oben"_cp : "Überstand unten"_cp);
                if (print) OLI_printf(stream, "\n");
                if (uo > U) U = uo;
                if (co > cls[pc.slot]) cls[pc.slot] = co;
            }
        }
    }
    for (int c : cls) section = c > section ? c : section;
    U = Round_Utilisation(U);

    if (stream && section > 0 && (cls[0] > 0 || cls[1] > 0)) {
        OLI_printf(stream, "%s", pre);
        if (level >= 1) OLI_printf(stream, "Gesamt: ");
        OLI_printf(stream, "Q-Klasse %d", section);
        if (U > 0.001) {
            OLI_printf(stream, ",  ");
            if (level >= 1) OLI_printf(stream, "c/t-Ausnutzung ");
            OLI_printf(stream, "U╬\\c/t╬r = %.3lf"_cp, U);
            Print_Utilisation_Verdict(stream, U);
        }
        OLI_printf(stream, "\n");
    }
    return store();
}

double Ct_Utilisation_For_Class(const Stahlprofil* p, int class2, double N, double M_y, double M_z,
                                double gamma_M0, int no_raise, int use_E, FILE* stream, int level) {
    if (class2 < 0 || !p || p->kind == 2) return 0.0;
    double U = 0.0;
    Classify_Section(p, N, M_y, M_z, gamma_M0, no_raise, use_E, nullptr, nullptr, nullptr, class2 ? 2 : 3, &U,
                     stream, level, "");
    return U;
}
