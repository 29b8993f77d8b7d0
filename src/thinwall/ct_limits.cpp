// ct_limits: c/t limits per part and the class utilisations of a section.
#include "thinwall/ct_limits.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/invariant.h"
#include "thinwall/dwqb_invariants.h"

namespace {

const Ct_Part_Services* part_services;

void Initial(Ct_Grenzwerte* out) {
    *out = Ct_Grenzwerte{1.0, 1.0, 1.0, 1.0, 0.0, {0, 0, 0}};
}

struct Beta {
    double outstand[3], internal[3];
};

// Aluminium beta limits by buckling class and welding.
const Beta& Aluminium_Beta(int32_t flags) {
    static const Beta table[4] = {
        {{3, 4.5, 6}, {11, 16, 22}},      // class A, without welds
        {{2.5, 4, 5}, {9, 13, 18}},       // class A, welded
        {{3.5, 4.5, 5}, {13, 16.5, 18}},  // class B, without welds
        {{3, 3.5, 4}, {10, 13.5, 15}},    // class B, welded
    };
    return table[((flags & CT_ALU_CLASS_B) ? 2 : 0) + ((flags & CT_ALU_WELDED) ? 1 : 0)];
}

// epsilon and the epsilon_3 of the class 3 limit under the largest
// compression c_max (> 0).
void Epsilons(int rules, int32_t flags, double f_y, double E, double sigma_ref, double eps_factor, double c_max,
              double* eps_out, double* eps3_out) {
    double eps = (flags & CT_EPS_FACTOR) ? eps_factor : 1.0;
    if (f_y > 0) eps *= std::sqrt((rules == CT_RULES_DIN ? 240.0 : rules == CT_RULES_ALUMINIUM ? 250.0 : 235.0) / f_y);
    if (E > 0) eps *= std::sqrt(E * (rules == CT_RULES_ALUMINIUM ? 1.4285714285714285e-05 : 4.7619047619047615e-06));
    double eps3 = eps;
    if (rules != CT_RULES_DIN && rules != CT_RULES_ALUMINIUM && sigma_ref > 0 && (flags & CT_RAISED_EPS3) &&
        c_max < sigma_ref)
        eps3 = eps * std::sqrt(sigma_ref / c_max);
    else if (rules == CT_RULES_DIN && sigma_ref > c_max)
        eps3 = eps * std::sqrt(sigma_ref / c_max);
    *eps_out = eps;
    *eps3_out = eps3;
}

// The buckling factor k_sigma of a part of the kind under the stress ratio
// psi (1 for a tube and a part that is not checked).
double Buckling_Factor(int32_t kind, double psi) {
    switch (kind) {
    case CT_OUTSTAND_TIP: return 0.57 - 0.21 * psi + 0.07 * psi * psi;
    case CT_OUTSTAND_ROOT: return psi >= 0 ? 0.578 / (psi + 0.34) : 1.7 - 5 * psi + 17.1 * psi * psi;
    case CT_INTERNAL: return psi > 0 ? 8.2 / (psi + 1.05) : 7.81 - 6.29 * psi + 9.78 * psi * psi;
    default: return 1.0;
    }
}

// What the limits of classes 1 to 3 are made of for one part.
struct Part_Terms {
    int32_t kind;
    bool full;              // fully compressed by the check's choice
    double eps, eps3, alpha, psi, k;
};

// The c/t limits of the aluminium rules, by buckling class and welding.
void Aluminium_Limits(const Part_Terms& t, int32_t flags, double ct[3]) {
    const double g = t.psi >= -1 ? 0.7 + 0.3 * t.psi : 0.8 / (1 - t.psi);
    const Beta& beta = Aluminium_Beta(flags);
    for (int i = 0; i < 3; i++) {
        const double e = i == 2 ? t.eps3 : t.eps;
        if (t.kind == CT_OUTSTAND_TIP)
            ct[i] = beta.outstand[i] * t.eps;
        else if (t.kind == CT_OUTSTAND_ROOT)
            ct[i] = beta.outstand[i] * t.eps / g;
        else if (t.kind == CT_INTERNAL)
            ct[i] = beta.internal[i] * t.eps / g;
        else if (t.kind == CT_TUBE)
            ct[i] = (beta.internal[i] * e) * (beta.internal[i] * e) / 9;
    }
}

// The b/t limits of DIN 18800; an outstand's limits of classes 1 and 2
// take no alpha unless the part is fully compressed (alpha_out 1 then).
void Din_Limits(const Part_Terms& t, double ct[3], double* alpha_out) {
    const double sk = std::sqrt(t.k);
    if (t.kind == CT_OUTSTAND_TIP) {
        ct[0] = 9 * t.eps, ct[1] = 11 * t.eps, ct[2] = 19.6876 * t.eps3 * sk;
        *alpha_out = 1;
    } else if (t.kind == CT_OUTSTAND_ROOT) {
        const double d = t.full ? t.alpha * std::sqrt(t.alpha) : 1.0;
        if (!t.full) *alpha_out = 1;
        ct[0] = 9 * t.eps / d, ct[1] = 11 * t.eps / d, ct[2] = 19.6876 * t.eps3 * sk;
    } else if (t.kind == CT_INTERNAL) {
        const double a = (t.alpha < 0.5 && !t.full) ? 0.5 : t.alpha;
        ct[0] = 32 * t.eps / a, ct[1] = 37 * t.eps / a;
        ct[2] = 27.1367 * t.eps3 * sk * (t.psi > 0 ? 1 - 0.278 * t.psi - 0.025 * t.psi * t.psi : 1.0);
    } else if (t.kind == CT_TUBE) {
        ct[0] = 50 * t.eps * t.eps, ct[1] = 70 * t.eps * t.eps, ct[2] = (90 - 10 * (t.psi + 1)) * t.eps3 * t.eps3;
    }
}

// The c/t limits of the steel classification table.
void Steel_Limits(const Part_Terms& t, double ct[3]) {
    const double sk = std::sqrt(t.k);
    if (t.kind == CT_OUTSTAND_TIP) {
        ct[0] = 9 * t.eps / t.alpha, ct[1] = 10 * t.eps / t.alpha, ct[2] = 21 * t.eps3 * sk;
    } else if (t.kind == CT_OUTSTAND_ROOT) {
        const double d = t.alpha * std::sqrt(t.alpha);
        ct[0] = 9 * t.eps / d, ct[1] = 10 * t.eps / d, ct[2] = 21 * t.eps3 * sk;
    } else if (t.kind == CT_INTERNAL) {
        if (t.alpha <= 0.5)
            ct[0] = 36 * t.eps / t.alpha, ct[1] = 41.5 * t.eps / t.alpha;
        else
            ct[0] = 396 * t.eps / (13 * t.alpha - 1), ct[1] = 456 * t.eps / (13 * t.alpha - 1);
        ct[2] = t.psi < -1 ? 62 * t.eps3 * (1 - t.psi) * std::sqrt(-t.psi) : 42 * t.eps3 / (0.67 + 0.33 * t.psi);
    } else if (t.kind == CT_TUBE) {
        ct[0] = 50 * t.eps * t.eps, ct[1] = 70 * t.eps * t.eps, ct[2] = 90 * t.eps3 * t.eps3;
    }
}

// Limits of one part with code, flags and strengths of the input but the
// given kind and stresses; the body shared by the part and the section.
void Limits(int32_t code, int32_t flags, int32_t kind, double f_y, double E, double sigma_ref, double eps_factor,
            double sigma_1, double sigma_2, Ct_Grenzwerte* out) {
    Initial(out);
    if (kind == CT_NO_CHECK) {
        out->k_sigma = 1.0;
        return;
    }
    const int rules = code & 0xFFFF;
    double c1 = -sigma_1, c2 = -sigma_2;
    if (c2 > c1) {
        std::swap(c1, c2);
        if (kind == CT_OUTSTAND_TIP)
            kind = CT_OUTSTAND_ROOT;
        else if (kind == CT_OUTSTAND_ROOT)
            kind = CT_OUTSTAND_TIP;
    }
    const double c_max = c1, c_o = c2;
    if (c_max <= 1e-5 * f_y) {
        *out = Ct_Grenzwerte{1.0, 1.0, 0.0, -1000.0, 1.0, {0, 0, 0}};
        return;
    }
    Part_Terms t{kind, (flags & CT_FULLY_COMPRESSED) != 0, 0, 0, 0, c_o / c_max, 0};
    Epsilons(rules, flags, f_y, E, sigma_ref, eps_factor, c_max, &t.eps, &t.eps3);
    // The stress blocks of the plastic distribution give the compressed
    // fraction itself, however small: a web or stem that the neutral axis
    // leaves mostly in tension is held by 36 eps / alpha, not by the limit
    // of a web in pure bending (an unequal I under its moment, a tee under
    // tension and M_z lost their plastic resistance to that).
    const double alpha_blocks = (t.psi >= 0 || t.full) ? 1.0 : 1.0 / (1.0 - t.psi);
    // A ratio below -1 is taken as -1: for internal parts this keeps the
    // class 3 limit at 42 eps / 0.34 = 123.5 eps where the steel table would
    // allow 62 eps (1 - psi) sqrt(-psi); on the safe side, and kept so.
    if (t.psi < -1) {
        t.psi = -1;
        t.alpha = t.full ? 1.0 : 0.5;
    } else {
        t.alpha = alpha_blocks;
    }
    if ((flags & CT_PLASTIC_ENDS) && rules != CT_RULES_DIN && rules != CT_RULES_ALUMINIUM) t.alpha = alpha_blocks;
    t.k = Buckling_Factor(kind, t.psi);
    double ct[3] = {0, 0, 0};
    double alpha_out = t.alpha;
    if (rules == CT_RULES_ALUMINIUM)
        Aluminium_Limits(t, flags, ct);
    else if (rules == CT_RULES_DIN)
        Din_Limits(t, ct, &alpha_out);
    else
        Steel_Limits(t, ct);
    *out = Ct_Grenzwerte{t.eps, t.eps3, alpha_out, t.psi, t.k, {ct[0], ct[1], ct[2]}};
}

// The utilisations of a part of ratio c in its group and overall: class 3
// against the limits g, classes 1 and 2 against gp.
void Account(double c, const Ct_Grenzwerte& g, const Ct_Grenzwerte& gp, int32_t flags, double* group,
             Ct_Ausnutzung* r) {
    for (int k = 0; k < 3; k++) {
        const Ct_Grenzwerte& l = k == 2 ? g : gp;
        if (l.ct[k] <= 0) continue;
        const double u = c / l.ct[k];
        if (u > group[k]) {
            group[k] = u;
            if (u > r->overall[k]) {
                r->overall[k] = u;
                r->eps[k] = k == 2 ? l.eps_3 : l.eps;
            }
        }
    }
    if ((flags & CT_RAISED_EPS3) && g.eps_3 > 0) {
        const double u3 = group[2];
        if (g.eps * u3 / g.eps_3 > 1 && u3 * u3 > r->raised_squared) r->raised_squared = u3 * u3;
    }
}

}  // namespace

int Calc_Ct_Winkel(const Ct_Grenzwert_Eingabe* in, const double legs[2], double sigma_max, Ct_Winkel* out) {
    if (out) *out = Ct_Winkel{};
    if (!in || !legs || !out) return 0;
    const int rules = in->code & 0xFFFF;
    if (rules == CT_RULES_DIN || rules == CT_RULES_ALUMINIUM) return 0;
    if (!(legs[0] > 0) || !(legs[1] > 0) || !std::isfinite(legs[0] + legs[1])) return 0;
    const double axial = -in->sigma_1;
    if (!(axial > 0) || axial <= 1e-5 * in->f_y) return 0;
    // The rule is that of an angle in compression: it holds while no point
    // of the section is in tension, however unevenly compressed - so an
    // angle under compression and bending is never classed more leniently
    // than the rule for compression. Once bending puts part of the section
    // in tension it is an angle in bending, whose legs the outstand rule
    // classes under their own stresses (the compression rule would class
    // a mostly bent angle by a uniform compression it does not have).
    if (!(sigma_max <= 1e-5 * in->f_y)) return 0;
    // epsilon_3 follows the section's largest compression, never less than
    // the axial one
    const double c_max = std::max(axial, -in->sigma_2);
    double eps, eps3;
    Epsilons(rules, in->flags, in->f_y, in->E, in->sigma_ref, in->eps_factor, c_max, &eps, &eps3);
    out->ratio[0] = std::max(legs[0], legs[1]);
    out->ratio[1] = (legs[0] + legs[1]) / 2;
    static const double limit[2] = {15.0, 11.5};
    for (int j = 0; j < 2; j++)
        out->limits[j] = Ct_Grenzwerte{eps, eps3, 1.0, 1.0, 0.0, {limit[j] * eps, limit[j] * eps, limit[j] * eps3}};
    return 1;
}

int Calc_Ct_Grenzwerte(const Ct_Grenzwert_Eingabe* in, Ct_Grenzwerte* out) {
    if (out) Initial(out);
    if (!in) return 0;
    if (!out) return 1;
    Limits(in->code, in->flags, in->kind, in->f_y, in->E, in->sigma_ref, in->eps_factor, in->sigma_1, in->sigma_2,
           out);
    return 1;
}

const Ct_Part_Services* Set_Ct_Part_Services(const Ct_Part_Services* services) {
    const Ct_Part_Services* previous = part_services;
    part_services = services;
    return previous;
}

int Calc_Querschnittsklasse(const Ct_Klassifizierung* in, Ct_Ausnutzung* r) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (r) *r = Ct_Ausnutzung{};
    if (!r || !in) return 0;
    const Ct_Part_Services* sv = part_services;
    if (!sv || !sv->count || !sv->ct || !sv->point) return 1;
    const int n = sv->count(in->model);
    const int rules = in->code & 0xFFFF;
    const bool plastic = (in->flags & CT_PLASTIC_ENDS) && in->plastic_ends && rules != CT_RULES_DIN &&
                         rules != CT_RULES_ALUMINIUM;
    double f_y_angle = in->f_y;
    for (int i = 0; i < n; i++) {
        double factor = 0, s1 = 0, s2 = 0;
        const int kind = sv->point(in->model, i, &factor, &s1, &s2);
        if (kind == CT_NO_CHECK) continue;
        const bool given = i < in->part_count;
        const double f_y = given && in->part_f_y && in->part_f_y[i] > 0 ? in->part_f_y[i] : in->f_y;
        const double sigma_ref = in->f_y > 0 ? in->sigma_ref * f_y / in->f_y : in->sigma_ref;
        f_y_angle = std::max(f_y_angle, f_y);
        Ct_Grenzwerte g, gp;
        const int32_t elastic_flags = in->flags & ~CT_PLASTIC_ENDS;
        Limits(in->code, elastic_flags, kind, f_y, in->E, sigma_ref, in->eps_factor, s1, s2, &g);
        gp = g;
        if (plastic && given && std::isfinite(in->plastic_ends[i][0]) && std::isfinite(in->plastic_ends[i][1])) {
            Limits(in->code, elastic_flags | CT_PLASTIC_ENDS, kind, f_y, in->E, sigma_ref, in->eps_factor,
                   in->plastic_ends[i][0], in->plastic_ends[i][1], &gp);
        }
        const double c = std::max(sv->ct(in->model, i), 0.0);
        const bool outstand = kind == CT_OUTSTAND_TIP || kind == CT_OUTSTAND_ROOT;
        Account(c, g, gp, in->flags, outstand ? r->outstand : r->internal, r);
    }
    // An angle's conditions belong to its legs, the outstands.
    double legs[2] = {0, 0}, axial = 0, lowest = 0, highest = 0;
    if (sv->angle && sv->angle(in->model, legs, &axial, &lowest, &highest)) {
        const double sigma_ref = in->f_y > 0 ? in->sigma_ref * f_y_angle / in->f_y : in->sigma_ref;
        const Ct_Grenzwert_Eingabe a{in->code, in->flags, CT_NO_CHECK, f_y_angle, in->E, sigma_ref,
                                     axial,    lowest,    0,           in->eps_factor};
        Ct_Winkel w;
        if (Calc_Ct_Winkel(&a, legs, highest, &w))
            for (int j = 0; j < 2; j++) Account(w.ratio[j], w.limits[j], w.limits[j], in->flags, r->outstand, r);
    }
    return 1;
}
