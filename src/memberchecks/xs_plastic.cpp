// Plastic cross-section check as a chain of partial checks.
#include "memberchecks/xs_plastic.h"

#include <algorithm>
#include <cmath>

#include "base/cp850.h"
#include "codes/material.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/plate_buckling.h"
#include "memberchecks/section_class.h"
#include "memberchecks/xs_resistance.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/parametric_section_values.h"

namespace {

enum Shape { SHAPE_I, SHAPE_RHS, SHAPE_CHS, SHAPE_FLAT };

double Zero_Below(double v, double limit) { return std::fabs(v) < limit ? 0.0 : v; }

// u1/u2 with a vanishing resistance counting as 1000.
double Quotient(double e, double r) { return r > 0.001 ? std::fabs(e) / r : (std::fabs(e) > 0 ? 1000.0 : 0.0); }

double Sqrt_Or_0(double x) { return x > 0 ? std::sqrt(x) : 0.0; }

double Shear_Rho(double V, double V_Rd) {
    if (!(std::fabs(V) > 0.5 * V_Rd + 0.001)) return 0.0;
    if (V_Rd <= 0.001) return 1.0;
    const double rho = std::pow(std::fabs(V) / (0.5 * V_Rd) - 1.0, 2);
    return std::min(rho, 1.0);
}


struct Chain {
    FILE* file;
    int level;
    double max_u = 0.0;
    // Prints (as computed, with the rule where it counts u as 1) and records
    // one partial check (counted); false when it fails (ends the chain).
    bool check(const char* quotient, double u) {
        if (file && level >= 1) {
            OLI_printf(file, "%sNachweis: %s = %s%s╬r\n"_cp, Check_Line_Prefix, quotient, Utilisation_Digits(u),
                       Utilisation_Verdict_Computed(u));
        }
        u = Round_Utilisation(u);
        if (u > max_u) max_u = u;
        // A step within the tolerance passes, and the steps after it still
        // count towards the maximum.
        return Utilisation_Passes(u);
    }
    void heading(const char* text) const {
        if (file && level >= 1) OLI_printf(file, "%s╬_%s\n"_cp, Check_Line_Prefix, text);
    }
    bool on() const { return file && level >= 1; }
};

// The section values recomputed with the plastic moduli on a copy; where
// the model gives no plastic modulus the caller's value stays. The caller's
// record is never modified; its values stay when the recomputation fails.
Stahlprofil Plastic_Section_Values(const Stahlprofil* p) {
    Stahlprofil copy;
    Copy_Profile(p, &copy);
    Set_Section_Calc_Mode(1);
    const int failed = Calc_Profile_Cross_Section(&copy, nullptr, 0, nullptr);
    Set_Section_Calc_Mode(0);
    if (failed) Copy_Profile(p, &copy);
    if (copy.W_pl_y <= 0) copy.W_pl_y = p->W_pl_y;
    if (copy.W_pl_z <= 0) copy.W_pl_z = p->W_pl_z;
    return copy;
}

// The forces of the check, N and Nmm.
struct Plastic_Forces {
    double N, M_y, M_z, V_y, V_z, T_t, T_w, B;
};

// What the steps of one plastic check share: the profile with its plastic
// values, the forces as the steps adjust them, the resistances and the
// reduction factors as they are found, and the outputs.
struct Plastic_Check {
    const Stahlprofil* p;
    Shape shape;
    Plastic_Forces f;
    FILE* file;
    int level;
    bool text;
    const char* pre;
    double o1, o2, o3;
    double fyd, tau_Rd;
    double N_pl, M_pl_y, M_pl_z, V_pl_y, V_pl_z;
    double t_f;                 // the thicker flange
    double tau_t, t_ratio;      // torsional shear stress and its share of tau_Rd
    double V_z_Rd, V_y_Rd;      // shear resistances reduced by torsion
    double rho_z, rho_y, rho;   // shear reduction factors
    double A_f, A_w, N_V;
    double M_V_y, M_V_z;        // moment resistances reduced by shear
    double n, M_N_y, M_N_z;     // ... and by the axial force
};

// The refusal line (format with the prefix and the alert marker); 2.
int Refuse(const Plastic_Check& c, const char* format) {
    if (c.text) OLI_printf(c.file, format, c.pre, Mark_Alert());
    return 2;
}

bool All_Forces_Zero(const Plastic_Forces& f) {
    return std::fabs(f.N) < 0.001 && std::fabs(f.M_y) < 0.001 && std::fabs(f.M_z) < 0.001 &&
           std::fabs(f.V_y) < 0.001 && std::fabs(f.V_z) < 0.001 && std::fabs(f.T_t) < 0.001 &&
           std::fabs(f.T_w) < 0.001 && std::fabs(f.B) < 0.001;
}

// The shape the chain knows the profile as; the refusal text when it knows
// none (an I with flanges more than 10 % apart neither).
const char* Shape_Of(const Stahlprofil* p, Shape* shape) {
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, p->type)) {
        *shape = SHAPE_I;
    } else if (p->type == PROFILTYP_RECHTECK) {
        *shape = SHAPE_RHS;
    } else if (p->type == PROFILTYP_ROHR) {
        *shape = SHAPE_CHS;
    } else if (p->type == PROFILTYP_FLACH) {
        *shape = SHAPE_FLAT;
    } else {
        return "%sBerechnung nach EC 3-1-1, 6.2 für dieses Profil nicht möglich %s\n"_cp;
    }
    if (*shape != SHAPE_I) return nullptr;
    const double b_max = std::max(p->b_fo, p->b_fu), t_max = std::max(p->t_fo, p->t_fu);
    if (std::fabs(p->b_fo - p->b_fu) > 0.1 * b_max || std::fabs(p->t_fo - p->t_fu) > 0.1 * t_max)
        return "%sI-Profil mit ungleichen Flanschen: Berechnung nach EC 3-1-1, 6.2 nicht möglich %s\n"_cp;
    return nullptr;
}

// A circular hollow section takes the resultant shear force and moment,
// printed, as V_z and M_y.
void Take_Tube_Resultants(Plastic_Check& c) {
    Plastic_Forces& f = c.f;
    const double V = std::hypot(f.V_y, f.V_z), M = std::hypot(f.M_y, f.M_z);
    if (c.text && V > 0 && M > 0) {
        OLI_printf(c.file, "%sKreis-Hohlprofil:  ", c.pre);
        OLI_printf(c.file, "V = (V╬\\y╬r²+V╬\\z╬r²)╬/1/2╬r = %.2lf kN"_cp, V * 1e-3);
        OLI_printf(c.file, ",  ");
        OLI_printf(c.file, "M = (M╬\\y╬r²+M╬\\z╬r²)╬/1/2╬r = %.2lf kNm\n"_cp, M * 1e-6);
    }
    f.V_z = V, f.M_y = M, f.V_y = f.M_z = 0;
}

// The heading with the forces that are not zero, four to a line.
void Print_Plastic_Heading(const Plastic_Check& c) {
    FILE* file = c.file;
    const char* pre = c.pre;
    const Plastic_Forces& f = c.f;
    const bool tube = c.shape == SHAPE_CHS;
    OLI_printf(file, "%s", pre);
    OLI_printf(file, "plastischer Spannungsnachweis");
    OLI_printf(file, "%s", " für  "_cp);
    const char* sep = "";
    int count = 0;
    auto item = [&](double v, double scale, const char* format, const char* axis) {
        if (std::fabs(v) <= 0.001) return;
        if (count > 0 && count % 4 == 0) {
            OLI_printf(file, "\n%s  ", pre);
            sep = "";
        }
        if (axis) {
            OLI_printf(file, format, sep, axis, v * scale);
        } else {
            OLI_printf(file, format, sep, v * scale);
        }
        sep = ", ";
        count++;
    };
    item(f.N, 1e-3, "%sN╬\\Ed╬r = %.2lf kN"_cp, nullptr);
    item(f.M_y, 1e-6, tube ? "%sM╬\\Ed╬r = %.2lf kNm"_cp : "%sM╬\\%s,Ed╬r = %.2lf kNm"_cp, tube ? nullptr : "y");
    item(f.V_z, 1e-3, tube ? "%sV╬\\Ed╬r = %.2lf kN"_cp : "%sV╬\\%s,Ed╬r = %.2lf kN"_cp, tube ? nullptr : "z");
    item(f.M_z, 1e-6, "%sM╬\\%s,Ed╬r = %.2lf kNm"_cp, "z");
    item(f.V_y, 1e-3, "%sV╬\\%s,Ed╬r = %.2lf kN"_cp, "y");
    item(f.T_t, 1e-6, "%sT╬\\t,Ed╬r = %.2lf kNm"_cp, nullptr);
    item(f.T_w, 1e-6, "%sM╬\\ð,Ed╬r = %.2lf kNm"_cp, nullptr);
    item(f.B, 1e-9, "%sB╬\\Ed╬r = %.2lf kNm²"_cp, nullptr);
    OLI_printf(file, "\n");
}

// An I's plates against local buckling and the plates that carry shear
// against shear buckling, which the plastic check does not cover: 1 when one
// of them needs a check it cannot make.
int Needs_Buckling_Check(const Plastic_Check& c, double gamma_M0) {
    const Stahlprofil* p = c.p;
    const Plastic_Forces& f = c.f;
    int need = 0;
    if (c.shape == SHAPE_I && (std::fabs(f.N) > 10 || std::fabs(f.M_y) > 10 || std::fabs(f.M_z) > 10))
        need |= Check_Plate_Buckling_Profile(p, 1, -f.N, -f.M_y, -f.M_z, gamma_M0, c.file, c.level);
    need |= Check_Profile_Shear_Buckling(p, f.V_y, f.V_z, c.file, c.level, 1);
    return need;
}

// Warping torsion: left out, with a note, for tubes and flats (6.2.7(7));
// false when it remains and the check cannot be made.
bool Without_Warping_Torsion(Plastic_Check& c) {
    Plastic_Forces& f = c.f;
    if ((std::fabs(f.T_w) > 100 || std::fabs(f.B) > 1000) && (c.shape == SHAPE_CHS || c.shape == SHAPE_FLAT)) {
        if (c.text) {
            OLI_printf(c.file, "%s%s: Wölbkrafttorsion wird nach EC 3-1-1, 6.2.7(7) nicht berücksichtigt.\n"_cp, c.pre,
                       c.shape == SHAPE_CHS ? "Hohlprofil" : "Flachstahl");
        }
        f.T_w = f.B = 0;
    }
    return !(std::fabs(f.T_w) > 0.001 || std::fabs(f.B) > 0.001);
}

// The plastic resistances N_pl, M_pl and V_pl of the section, printed.
void Set_Plastic_Resistances(Plastic_Check& c, double gamma_M0) {
    const Stahlprofil* p = c.p;
    const double f_y = p->material.f_y;
    c.fyd = Divide(f_y, gamma_M0);
    c.tau_Rd = Divide_Sqrt3(f_y, gamma_M0);
    c.N_pl = p->A * c.fyd, c.M_pl_y = p->W_pl_y * c.fyd, c.M_pl_z = p->W_pl_z * c.fyd;
    c.V_pl_y = p->A_vy * c.tau_Rd, c.V_pl_z = p->A_vz * c.tau_Rd;
    if (!c.text) return;
    FILE* file = c.file;
    const char* x = Report_Times_Sign;
    OLI_printf(file, "%splastische Kenngrößen: "_cp, c.pre);
    OLI_printf(file, "%sN╬\\pl,Rd╬r = A%sf╬\\y╬r/└╬\\M0╬r = %.2lf kN"_cp, "", x, c.N_pl * 1e-3);
    if (c.shape == SHAPE_CHS) {
        OLI_printf(file, "%sM╬\\pl,Rd╬r = W╬\\pl╬r%sf╬\\y╬r/└╬\\M0╬r = %.2lf kNm"_cp, ", ", x, c.M_pl_y * 1e-6);
        OLI_printf(file, "%sV╬\\pl,Rd╬r = A╬\\v╬r%sf╬\\y╬r/(3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kN"_cp, ", ", x, x,
                   c.V_pl_z * 1e-3);
    } else {
        OLI_printf(file, "%sM╬\\pl,y,Rd╬r = W╬\\pl,y╬r%sf╬\\y╬r/└╬\\M0╬r = %.2lf kNm"_cp, ", ", x, c.M_pl_y * 1e-6);
        OLI_printf(file, "%sV╬\\pl,z,Rd╬r = A╬\\vz╬r%sf╬\\y╬r/(3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kN"_cp, "\n  ", x, x,
                   c.V_pl_z * 1e-3);
        OLI_printf(file, "%sM╬\\pl,z,Rd╬r = W╬\\pl,z╬r%sf╬\\y╬r/└╬\\M0╬r = %.2lf kNm"_cp, "\n  ", x,
                   c.M_pl_z * 1e-6);
        OLI_printf(file, "%sV╬\\pl,y,Rd╬r = A╬\\vy╬r%sf╬\\y╬r/(3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kN"_cp, "\n  ", x, x,
                   c.V_pl_y * 1e-3);
    }
    OLI_printf(file, "\n");
}

// The torsion section modulus of the shape at its surface, where the shear
// is largest: the circular tube's I_T / R, the rectangular tube's of the
// closed tube's values, the rectangle's coefficient, I_T over the thickest
// plate of an I. (Bredt's mean flow 2 A_m t left the walls' share out: a
// CHS 168.3 x 8 was 4.5 % low, a CHS 168.3 x 20 10 %, an MSH 140 x 140 x 16
// 18 %.)
double Torsion_Modulus(const Plastic_Check& c) {
    const Stahlprofil* p = c.p;
    double W_t = 0.0;
    switch (c.shape) {
    case SHAPE_CHS: {
        const double R = p->h / 2, r_i = std::max(R - p->t_w, 0.0);
        W_t = R > 0 ? M_PI * (R * R * R * R - r_i * r_i * r_i * r_i) / (2 * R) : 0.0;
        break;
    }
    case SHAPE_RHS: {
        Closed_Tube_Torsion torsion;
        const double r_o = p->rolled ? p->r_1 : 0.0, r_i = p->rolled ? p->r_2 : 0.0;
        W_t = Calc_Closed_Tube_Torsion(p->h, p->b_fo, p->t_w, p->t_fo, r_o, r_i, &torsion) ? torsion.W_T : 0.0;
        break;
    }
    case SHAPE_FLAT:
        Calc_Rect_Torsion_Coeff(p->t_w, p->h, &W_t);
        break;
    case SHAPE_I:
        W_t = p->I_T / std::max(p->t_w, c.t_f);
        break;
    }
    return W_t;
}

// Step 1: the torsional shear stress against tau_Rd; false when the chain
// ends there.
bool Check_Torsion(Plastic_Check& c, Chain& chain) {
    c.tau_t = 0.0;
    bool go_on = true;
    if (c.f.T_t != 0) {
        const double W_t = Torsion_Modulus(c);
        c.tau_t = W_t > 0 ? std::fabs(c.f.T_t) / W_t : 1e30;
        if (std::fabs(c.tau_t - c.tau_Rd) < 0.01) c.tau_t = c.tau_Rd;
        chain.heading("Torsion");
        go_on = chain.check("Í╬\\t,Ed╬r/Í╬\\Rd╬r"_cp, Quotient(c.tau_t, c.tau_Rd));
    }
    c.t_ratio = c.tau_Rd > 0 ? c.tau_t / c.tau_Rd : 1.0;
    return go_on;
}

// Step 2: the shear resistances reduced by torsion, printed when shear
// forces act.
void Reduce_Shear_By_Torsion(Plastic_Check& c, const Chain& chain) {
    c.V_z_Rd = c.V_pl_z, c.V_y_Rd = c.V_pl_y;
    if (c.f.T_t == 0) return;
    const Stahlprofil* p = c.p;
    double f_z = 0, f_y_dir = 0;
    switch (c.shape) {
    case SHAPE_CHS:
        f_z = 1 - c.t_ratio;
        break;
    case SHAPE_RHS:
        f_z = f_y_dir = 1 - c.t_ratio;
        break;
    case SHAPE_FLAT:
        f_z = f_y_dir = Sqrt_Or_0(1 - c.t_ratio);
        break;
    case SHAPE_I: {
        const double tau_w = p->I_T > 0 ? std::fabs(c.f.T_t) * p->t_w / p->I_T : 1e30;
        const double tau_f = p->I_T > 0 ? std::fabs(c.f.T_t) * c.t_f / p->I_T : 1e30;
        f_z = Sqrt_Or_0(1 - tau_w / (1.25 * c.tau_Rd));
        f_y_dir = Sqrt_Or_0(1 - tau_f / c.tau_Rd);
        break;
    }
    }
    c.V_z_Rd = std::max(f_z, 0.0) * c.V_pl_z;
    c.V_y_Rd = std::max(f_y_dir, 0.0) * c.V_pl_y;
    if (c.f.V_y == 0 && c.f.V_z == 0) return;
    chain.heading("Querkraft und Torsion");
    if (chain.on()) {
        OLI_printf(c.file, "%sV╬\\pl,T,z,Rd╬r = %.2lf kN,  V╬\\pl,T,y,Rd╬r = %.2lf kN\n"_cp, c.pre, c.V_z_Rd * 1e-3,
                   c.V_y_Rd * 1e-3);
    }
}

// Step 3: the shear forces against their resistances; false when the chain
// ends there.
bool Check_Shear(const Plastic_Check& c, Chain& chain) {
    const Plastic_Forces& f = c.f;
    if (f.V_y == 0 && f.V_z == 0) return true;
    const char* vs = f.T_t != 0 ? "pl,T," : "pl,";
    chain.heading("Querkraft");
    char q[64];
    if (c.shape == SHAPE_CHS) {
        std::snprintf(q, sizeof q, "V╬\\Ed╬r/V╬\\%s,Rd╬r"_cp, f.T_t != 0 ? "pl,T" : "pl");
        return chain.check(q, Quotient(f.V_z, c.V_z_Rd));
    }
    if (f.V_z != 0) {
        std::snprintf(q, sizeof q, "|V╬\\z,Ed╬r|/V╬\\%sz,Rd╬r"_cp, vs);
        if (!chain.check(q, Quotient(f.V_z, c.V_z_Rd))) return false;
    }
    if (f.V_y != 0) {
        std::snprintf(q, sizeof q, "|V╬\\y,Ed╬r|/V╬\\%sy,Rd╬r"_cp, vs);
        if (!chain.check(q, Quotient(f.V_y, c.V_y_Rd))) return false;
    }
    return true;
}

// Step 4: the reduction factors rho of shear (and of torsion in hollow
// sections), printed.
void Set_Shear_Reduction(Plastic_Check& c, const Chain& chain) {
    const Plastic_Forces& f = c.f;
    c.rho_z = Shear_Rho(f.V_z, c.V_z_Rd), c.rho_y = Shear_Rho(f.V_y, c.V_y_Rd);
    if ((c.shape == SHAPE_RHS || c.shape == SHAPE_CHS) && f.T_t != 0) {
        const double rho_t = 1 - Sqrt_Or_0(1 - c.t_ratio * c.t_ratio);
        c.rho_z = std::max(c.rho_z, rho_t);
        c.rho_y = std::max(c.rho_y, rho_t);
    }
    if (!chain.on() || (f.V_y == 0 && f.V_z == 0 && f.T_t == 0)) return;
    FILE* file = c.file;
    const bool two = c.shape != SHAPE_CHS;
    OLI_printf(file, two ? "%sAbminderungsfaktoren:\n"_cp : "%sAbminderungsfaktor für "_cp, c.pre);
    auto line = [&](const char* label, double rho, double V, double V_Rd) {
        OLI_printf(file, "%s%s", two ? "  " : "", label);
        const double raw = V_Rd > 0.001 ? std::pow(std::fabs(V) / (0.5 * V_Rd) - 1.0, 2) : 1.0;
        if (rho <= 0) {
            OLI_printf(file, "keine Abminderung\n");
        } else if (raw > 1 && rho >= 1) {
            OLI_printf(file, "╦ = %s > 1  ê  ╦ = 1\n"_cp, Utilisation_Digits_As_Kept_With(raw, 0.0));
        } else {
            OLI_printf(file, "╦ = %.3lf\n"_cp, rho);
        }
    };
    if (c.shape == SHAPE_I) {
        line("Steg:  ", c.rho_z, f.V_z, c.V_z_Rd);
        line("Flansche:  ", c.rho_y, f.V_y, c.V_y_Rd);
    } else if (c.shape == SHAPE_CHS) {
        line("", c.rho_z, f.V_z, c.V_z_Rd);
    } else {
        line("z-Ri:  ", c.rho_z, f.V_z, c.V_z_Rd);
        line("y-Ri:  ", c.rho_y, f.V_y, c.V_y_Rd);
    }
}

// Step 5: the axial force against the resistance N_V that shear leaves;
// false when the chain ends there.
bool Check_Axial(const Plastic_Check& c, Chain& chain) {
    if (c.f.N == 0) return true;
    if (c.rho > 0 && chain.on()) {
        OLI_printf(c.file, "%s╬_Normalkraft und Querkraft%s\n"_cp, c.pre, c.f.T_t != 0 ? "/Torsion" : "");
        OLI_printf(c.file, "%sN╬\\V,Rd╬r = %.2lf kN\n"_cp, c.pre, c.N_V * 1e-3);
    }
    chain.heading("Normalkraft");
    return chain.check(c.rho > 0 ? "|N╬\\Ed╬r|/N╬\\V,Rd╬r"_cp : "|N╬\\Ed╬r|/N╬\\pl,Rd╬r"_cp, Quotient(c.f.N, c.N_V));
}

// Step 6: the moment resistances reduced by shear, printed where it acts.
void Set_Shear_Reduced_Moments(Plastic_Check& c, const Chain& chain) {
    const Stahlprofil* p = c.p;
    double W_V_y, W_V_z;
    if (c.shape == SHAPE_I) {
        const double W_f_y = p->b_fu * p->t_fu * (p->h - p->z_s - p->t_fu / 2) + p->b_fo * p->t_fo * (p->z_s - p->t_fo / 2);
        const double W_f_z = (p->t_fu * p->b_fu * p->b_fu + p->t_fo * p->b_fo * p->b_fo) / 4;
        W_V_y = p->W_pl_y - c.rho_z * (p->W_pl_y - W_f_y);
        W_V_z = p->W_pl_z - c.rho_y * W_f_z;
    } else {
        W_V_y = (1 - c.rho_z) * p->W_pl_y;
        W_V_z = (1 - c.rho_y) * p->W_pl_z;
    }
    c.M_V_y = W_V_y * c.fyd, c.M_V_z = W_V_z * c.fyd;
    if (c.rho > 0 && chain.on()) {
        OLI_printf(c.file, "%s╬_Biegung und Querkraft\n"_cp, c.pre);
        OLI_printf(c.file, "%sM╬\\V,y,Rd╬r = %.2lf kNm,  M╬\\V,z,Rd╬r = %.2lf kNm\n"_cp, c.pre, c.M_V_y * 1e-6,
                   c.M_V_z * 1e-6);
    }
}

// Step 7: the moment resistances reduced by the axial force (6.2.9.1),
// printed where it acts.
void Set_Axial_Reduced_Moments(Plastic_Check& c, const Chain& chain) {
    const Stahlprofil* p = c.p;
    const double N = c.f.N, fyd = c.fyd, n = std::fabs(N) / c.N_V;
    c.n = n;
    double f_N_y = 1, f_N_z = 1;
    const double h_w = p->h - p->t_fo - p->t_fu;
    switch (c.shape) {
    case SHAPE_FLAT:
        f_N_y = f_N_z = 1 - n * n;
        break;
    case SHAPE_CHS:
        f_N_y = f_N_z = 1 - std::pow(n, 1.7);
        break;
    case SHAPE_I: {
        const double A_w_r = c.A_w * (1 - c.rho_z), A_f_r = c.A_f * (1 - c.rho_y);
        const double A_r = A_w_r + A_f_r;
        const double a = A_r > 0 ? std::min((A_r - A_f_r) / A_r, 0.5) : 0.5;
        const double N_lim_y = std::min(0.25 * c.N_V, 0.5 * h_w * p->t_w * (1 - c.rho_z) * fyd);
        if (std::fabs(N) > N_lim_y) f_N_y = std::min((1 - n) / (1 - 0.5 * a), 1.0);
        if (std::fabs(N) > h_w * p->t_w * fyd && n > a) f_N_z = 1 - std::pow((n - a) / (1 - a), 2);
        break;
    }
    case SHAPE_RHS: {
        const double A_r = p->A * (1 - c.rho);
        const double A_f_r = 2 * p->b_fo * p->t_fo * (1 - c.rho_y), A_w_r = 2 * h_w * p->t_w * (1 - c.rho_z);
        const double a_y = A_r > 0 ? std::clamp((A_r - A_f_r) / A_r, 0.0, 0.5) : 0.5;
        const double a_z = A_r > 0 ? std::clamp((A_r - A_w_r) / A_r, 0.0, 0.5) : 0.5;
        f_N_y = std::min((1 - n) / (1 - 0.5 * a_y), 1.0);
        f_N_z = std::min((1 - n) / (1 - 0.5 * a_z), 1.0);
        break;
    }
    }
    f_N_y = std::max(f_N_y, 0.0), f_N_z = std::max(f_N_z, 0.0);
    c.M_N_y = f_N_y * c.M_V_y, c.M_N_z = f_N_z * c.M_V_z;
    if (N != 0 && chain.on()) {
        OLI_printf(c.file, "%s╬_Biegung und Normalkraft\n"_cp, c.pre);
        OLI_printf(c.file, "%sn = %.3lf,  M╬\\N,y,Rd╬r = %.2lf kNm,  M╬\\N,z,Rd╬r = %.2lf kNm\n"_cp, c.pre, n,
                   c.M_N_y * 1e-6, c.M_N_z * 1e-6);
    }
}

// Step 8: the moments against the reduced resistances, biaxial bending by
// the exponents alpha and beta of 6.2.9.1(6).
void Check_Bending(const Plastic_Check& c, Chain& chain) {
    const double n = c.n, M_y = c.f.M_y, M_z = c.f.M_z;
    double alpha = 1, beta = 1;
    switch (c.shape) {
    case SHAPE_I:
        alpha = 2, beta = std::max(5 * n, 1.0);
        break;
    case SHAPE_RHS:
        alpha = beta = std::clamp(1.66 / (1 - 1.13 * n * n), 1.0, 6.0);
        break;
    case SHAPE_CHS:
        alpha = beta = 2;
        break;
    case SHAPE_FLAT:
        break;
    }
    const double u_y = Quotient(M_y, c.M_N_y), u_z = Quotient(M_z, c.M_N_z);
    // One moment alone is checked against its reduced resistance directly;
    // raising its ratio to the interaction exponent would report less than
    // the share of the resistance in use.
    double u;
    if (M_z == 0) {
        u = u_y;
    } else if (M_y == 0) {
        u = u_z;
    } else {
        u = std::pow(u_y, alpha) + std::pow(u_z, beta);
    }
    chain.heading("Biegung");
    chain.check(M_z == 0 ? "|M╬\\y,Ed╬r|/M╬\\N,y,Rd╬r"_cp
                : M_y == 0 ? "|M╬\\z,Ed╬r|/M╬\\N,z,Rd╬r"_cp
                           : "(|M╬\\y,Ed╬r|/M╬\\N,y,Rd╬r)╬/║╬r + (|M╬\\z,Ed╬r|/M╬\\N,z,Rd╬r)╬/╗╬r"_cp,
                u);
}

// Steps 1 to 8, each ending the chain when its check fails; false when the
// axial resistance left by shear vanishes.
bool Run_Chain_Steps(Plastic_Check& c, Chain& chain) {
    const Stahlprofil* p = c.p;
    c.t_f = std::max(p->t_fo, p->t_fu);
    if (!Check_Torsion(c, chain)) return true;
    Reduce_Shear_By_Torsion(c, chain);
    if (!Check_Shear(c, chain)) return true;
    Set_Shear_Reduction(c, chain);
    c.A_f = p->b_fo * p->t_fo + p->b_fu * p->t_fu;
    c.A_w = p->A - c.A_f;
    c.rho = std::max(c.rho_y, c.rho_z);
    c.N_V = c.shape == SHAPE_I ? (p->A - c.rho_z * c.A_w - c.rho_y * c.A_f) * c.fyd : p->A * (1 - c.rho) * c.fyd;
    // Shear alone, also beyond V_pl,Rd within the tolerance, leaves nothing
    // else to check.
    if (c.f.N == 0 && c.f.M_y == 0 && c.f.M_z == 0) return true;
    if (c.N_V <= 0.001) return false;
    if (!Check_Axial(c, chain)) return true;
    if (c.f.M_y == 0 && c.f.M_z == 0) return true;
    Set_Shear_Reduced_Moments(c, chain);
    Set_Axial_Reduced_Moments(c, chain);
    Check_Bending(c, chain);
    return true;
}

// The check behind the outputs: 0 done or not needed, 2 refused or not
// possible (with its text).
int Run_Plastic_Check(Plastic_Check& c, const Stahlprofil* profile, double gamma_M0, double factor2, int check,
                      bool want_ct) {
    if (!XS_Gamma_M0_Usable(gamma_M0, c.file)) return 2;
    if (check && All_Forces_Zero(c.f)) {
        if (c.text) OLI_printf(c.file, "%sSchnittgrößen = 0: Nachweis nicht erforderlich %s\n"_cp, c.pre, Mark_Note());
        return 0;
    }
    if (profile->kind == STAHLPROFIL_KIND_FOREIGN) return Refuse(c, "%sQ7-VUVE-Profil: Berechnung nicht möglich %s\n"_cp);
    if (const char* refusal = Shape_Of(profile, &c.shape)) return Refuse(c, refusal);
    const Stahlprofil values = Plastic_Section_Values(profile);
    c.p = &values;
    Plastic_Forces& f = c.f;
    if (check && c.shape != SHAPE_FLAT && want_ct) {
        c.o3 = Ct_Utilisation_For_Class(c.p, 0, -f.N, -f.M_y, -f.M_z, gamma_M0, factor2 != 0 ? 1 : 0, 0, c.file,
                                        c.level);
        c.o1 = std::max(c.o1, c.o3);
        if (c.file && c.level >= 2 && c.o3 > 0.001) OLI_Add_Para_Offset(0.3);
    }
    if (c.shape == SHAPE_CHS && check) Take_Tube_Resultants(c);
    if (c.text) Print_Plastic_Heading(c);
    if (Needs_Buckling_Check(c, gamma_M0)) {
        if (c.text) OLI_printf(c.file, "%sNachweis nicht möglich %s\n"_cp, c.pre, Mark_Alert());
        return 2;
    }
    if (!Without_Warping_Torsion(c))
        return Refuse(c, "%sWölbkrafttorsion: Nachweis nach EC 3-1-1, 6.2 nicht möglich %s\n"_cp);
    Set_Plastic_Resistances(c, gamma_M0);
    if (!check) return 0;
    Chain chain{c.file, c.level};
    if (!Run_Chain_Steps(c, chain)) {
        c.o2 = -1.0;
        return 0;
    }
    c.o2 = chain.max_u;
    c.o1 = std::max(c.o1, c.o2);
    return 0;
}

}  // namespace

int Calc_XS_Plastic_Check(const Stahlprofil* profile, double gamma_M0, double factor2, int check, double N,
                          double M_y, double M_z, double V_y, double V_z, double T_t, double T_w, double B,
                          double* out1, double* out2, double* out3, FILE* file, int level) {
    if (out1) *out1 = 0;
    if (out2) *out2 = 0;
    if (out3) *out3 = 0;
    if (!profile) return 2;
    Plastic_Check c{};
    c.file = file;
    c.level = level;
    c.text = file && level >= 1;
    c.pre = Check_Line_Prefix;
    c.f = {Zero_Below(N, 10),   Zero_Below(M_y, 100), Zero_Below(M_z, 100), Zero_Below(V_y, 10),
           Zero_Below(V_z, 10), Zero_Below(T_t, 100), Zero_Below(T_w, 100), Zero_Below(B, 1000)};
    const int result = Run_Plastic_Check(c, profile, gamma_M0, factor2, check, out3 != nullptr);
    if (out1) *out1 = c.o1;
    if (out2) *out2 = c.o2;
    if (out3) *out3 = c.o3;
    return result;
}
