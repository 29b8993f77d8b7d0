// c/t check of one plate part, epsilon and the elastic stress distribution
// over the parts of a steel profile.
#include "memberchecks/ct_check.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/ctools.h"
#include "base/rounding.h"
#include "memberchecks/plastic_axis.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "thinwall/ct_limits.h"

namespace {

const double kInv210000 = 4.7619047619047615e-06;
const double kOutstandMinLimit3 = 13.770620901034201;  // 21 * sqrt(0.43)

// The yield strength the profile's material gives a plate of thickness t
// (mm); 0 where it gives none.
double Material_Strength(const Stahlprofil* p, double t) {
    Materialparameter_Record plate;
    Copy_Material_Params(&p->material, &plate);
    Check_Material_Params(&plate, t, nullptr, 0, nullptr);
    return plate.f_y > 0 ? plate.f_y : 0.0;
}

}  // namespace

double Plate_Yield_Strength(const Stahlprofil* p, double t) {
    if (!p) return 0.0;
    const double own = p->material.f_y;
    if (!(t > 0)) return own;
    // The profile's f_y is its material's for its thickest plate; where it
    // is not (a strength given to the record itself) it holds for every
    // plate.
    if (std::fabs(Material_Strength(p, Get_Profile_Max_Dimension(p)) - own) > 0.5) return own;
    const double f_y = Material_Strength(p, t);
    return f_y > 0 ? f_y : own;
}

double Rhs_Clear_Width(double outer, double t_a, double t_b, double t_own, double c_record) {
    return std::fmax(c_record, outer - t_a - t_b - std::fmin(t_own, std::fmin(t_a, t_b)));
}

int Ct_Class_Of(double r, const double L[3]) {
    // From the top: an outstand's class 3 limit may lie below its class 2
    // limit, and a ratio beyond it is class 4 whatever the others say.
    for (int k = 2; k >= 0; k--)
        if (Compare_To_Limit(r, L[k]) > 0) return k + 2;
    return 1;
}

void Print_Utilisation_Verdict(FILE* stream, double U) {
    // A c/t ratio has its class limit, which no tolerance moves.
    if (Utilisation_Counted_As_One(U)) OLI_printf(stream, "%s", Utilisation_Verdict_Computed_With(U, 0.0));
    else OLI_printf(stream, "  %s  1  %s╬r"_cp, Limit_Compare_Symbol(U, 1.0), Mark_Utilisation(U));
}

Compared_Pair Ct_Limit_Pair(double r, const char* sign, double L, double eps_k) {
    return Compare_Pair(r * eps_k, 2, sign, L * eps_k, 2);
}

void Print_Ct_Limit(FILE* stream, const Compared_Pair& pair, double L, const char* suffix) {
    if (!stream) return;
    OLI_printf(stream, " %s %.*lf%s¥%s = %.*lf"_cp, pair.sign, pair.limit_places, L, Report_Times_Sign, suffix, pair.limit_places, pair.limit);
}

double Print_Epsilon(double f_y, double E, FILE* stream) {
    if (f_y < 0.001) return 0.0;
    if (E < 0.001) E = 210000.0;
    const double eps = std::sqrt(235.0 / f_y * E * kInv210000);
    if (stream) {
        OLI_printf(stream, "%s", "¥"_cp);
        bool opened = false;
        if (235.0 / f_y > 0.1) {
            OLI_printf(stream, " = (");
            OLI_printf(stream, "235/%.0lf", f_y);
            opened = true;
        }
        if (std::fabs(E - 210000.0) > 1.0) {
            if (opened) {
                OLI_printf(stream, "%s", Report_Times_Sign);
            } else {
                OLI_printf(stream, " = (");
            }
            OLI_printf(stream, "%.0lf/210000", E);
            opened = true;
        }
        if (opened) OLI_printf(stream, ")╬/0.5╬r"_cp);
        OLI_printf(stream, " = %.3lf", eps);
    }
    return eps;
}

namespace {

// The limits of a part for one stress distribution, as multiples of epsilon
// (of epsilon squared for a tube), with the texts of the distribution.
struct Part_Limits {
    bool checked = false;       // the distribution compresses the part
    double alpha = 0;           // 1 for uniform compression
    double L[3] = {0, 0, 0};
    char load_text[48] = "";
};

Part_Limits Limits_For(int kind, double alpha) {
    Part_Limits out;
    bool tip_less = false;
    if (kind >= 1 && alpha < 0) {
        alpha = -alpha;
        tip_less = true;
    }
    if (alpha < 0.01) return out;
    out.checked = true;
    double psi;
    if (alpha >= CT_ALPHA_UNIFORM) {
        alpha = 1.0;
        psi = 1.0;
    } else {
        psi = 1.0 - 1.0 / alpha;
        if (psi < -3.0) psi = -3.0;
    }
    out.alpha = alpha;
    double* L = out.L;
    if (kind == CT_PART_TUBE) {
        L[0] = 50, L[1] = 70, L[2] = 90;
    } else if (kind == CT_PART_OUTSTAND || kind == CT_PART_ANGLE_1 || kind == CT_PART_ANGLE_2) {
        if (alpha > 0.99) {
            std::snprintf(out.load_text, sizeof out.load_text, "Druck");
            L[0] = 9, L[1] = 10, L[2] = 14;
        } else {
            double k_sigma, d;
            if (tip_less) {
                k_sigma = 1.7 - 5 * psi + 17.1 * psi * psi;
                d = alpha * std::sqrt(alpha);
            } else {
                k_sigma = 0.57 - 0.21 * psi + 0.07 * psi * psi;
                d = alpha;
            }
            if (k_sigma < 0.43) {
                k_sigma = 0.43;
                L[2] = kOutstandMinLimit3;
            } else {
                L[2] = 21.0 * std::sqrt(k_sigma);
            }
            L[0] = 9.0 / d;
            L[1] = 10.0 / d;
            std::snprintf(out.load_text, sizeof out.load_text, "Druck+Biegung (Ê = %.2lf, k╬\\╠╬r = %.2lf)"_cp,
                          psi, k_sigma);
        }
        if (kind == CT_PART_ANGLE_1) L[2] = 15;
        if (kind == CT_PART_ANGLE_2) L[2] = 11.5;
    } else {
        if (alpha > 0.99) {
            std::snprintf(out.load_text, sizeof out.load_text, "Druck");
            L[0] = 33, L[1] = 38, L[2] = 42;
        } else if (alpha > 0.49 && alpha <= 0.5 + 1e-6) {
            // Pure bending's limits stand for a part compressed over a
            // little less than one half, whose own lie above them; over a
            // little more its own lie below (456/(13 alpha - 1) down to 81,
            // 42/(0.67 + 0.33 psi) down to 119 at 0.51), and they decide.
            std::snprintf(out.load_text, sizeof out.load_text, "Biegung");
            L[0] = 72, L[1] = 83, L[2] = 124;
        } else {
            // The class 3 limit of an internal part with psi > -1 is
            // 42/(0.67 + 0.33 psi); the smoother 126/(psi + 2) lies above it
            // and would pass sections that are class 4.
            L[2] = psi <= -1.0 ? 62.0 * (1.0 - psi) * std::sqrt(-psi) : 42.0 / (0.67 + 0.33 * psi);
            std::snprintf(out.load_text, sizeof out.load_text, "Druck+Biegung (Ê = %.2lf)"_cp, psi);
            if (alpha <= 0.5) {
                L[0] = 36.0 / alpha, L[1] = 41.5 / alpha;
            } else {
                L[0] = 396.0 / (13 * alpha - 1), L[1] = 456.0 / (13 * alpha - 1);
            }
        }
    }
    return out;
}

}  // namespace

int Check_Ct_Part(int kind, int target_class, double* U, double c_t, double f_y, double E, double alpha,
                  double sigma_com, double gamma_M0, FILE* stream, int level, const char* part_name) {
    return Check_Ct_Part_Pl(kind, target_class, U, c_t, f_y, E, alpha, alpha, sigma_com, gamma_M0, stream, level,
                            part_name);
}

namespace {

// One part's classification as it is printed: its slenderness over
// epsilon, the limits of its classes, the class, the limit shown and the
// utilisation against the target class.
struct Part_Class {
    int kind, target_class;
    double r, eps, eps_k;
    double L[3];
    double alpha_shown;
    const char* load_text;
    const char* support;
    const char* suffix;
    char note[100];
    int cls;
    double shown, u, L_target;
    double u_computed;  // u before the rule of Round_Utilisation
};

// Under a compression below the yield strength the class-3 limit grows by
// sqrt(f_y / (sigma_com gamma_M0)) (a tube's by the plain ratio); the note
// tells the raised limit.
void Raise_Class_3_Limit(Part_Class& c, double f_y, double sigma_com, double gamma_M0) {
    double f = f_y / (sigma_com * gamma_M0);
    if (c.kind != CT_PART_TUBE) f = std::sqrt(f);
    if (!(f > 1.0)) return;
    const double old = c.L[2];
    c.L[2] *= f;
    std::snprintf(c.note, sizeof c.note, "╠╬\\com,Ed╬r = %.2lf N/mm²:  max c/t = %.2f%s%.2lf%s¥%s = %.2lf%s¥%s = %.2lf"_cp,
                  sigma_com, f, Report_Times_Sign, old, Report_Times_Sign, c.suffix, c.L[2], Report_Times_Sign,
                  c.suffix, c.L[2] * c.eps_k);
}

// The class, the limit shown beside it (its own, or the next one that the
// part's distributions set) and the utilisation against the target class.
// A ratio whose utilisation the rule of Round_Utilisation counts as 1 lies
// on the target class's limit: the part has that class, as the utilisation
// beside it says and the checks by class take it (a part of "Q-Klasse 4"
// with "U = 1.0005 ~ 1 ok" said both). Every other limit keeps its strict
// bound (72.01 epsilon of a web in bending is class 2).
void Classify(Part_Class& c) {
    c.cls = Ct_Class_Of(c.r, c.L);
    c.u = c.u_computed = c.L_target = 0.0;
    if (c.target_class > 0) {
        const int target = c.target_class > 3 ? 3 : c.target_class;
        c.L_target = c.L[target - 1];
        c.u_computed = std::isfinite(c.L_target) ? c.r / c.L_target : 0.0;
        c.u = Round_Utilisation(c.u_computed);
        if (c.cls == target + 1 && Utilisation_Counted_As_One(c.u_computed)) c.cls = target;
    }
    c.shown = c.cls >= 3 ? c.L[2] : c.L[c.cls - 1];
    if (!std::isfinite(c.shown)) c.shown = c.cls >= 3 ? c.L[1] : c.L[2];
}

// The detailed line: what the part is, its c/t against the class's limit,
// the raised limit and the utilisation.
void Print_Part_Details(FILE* stream, const Part_Class& c) {
    const char* pre = Check_Line_Prefix;
    // On the limit by the rule: the approximately-equal sign, as its
    // utilisation has.
    const Compared_Pair pair = Ct_Limit_Pair(c.r, Utilisation_Compare_Symbol(c.r, c.shown), c.shown, c.eps_k);
    OLI_printf(stream, "%s", " für"_cp);
    if (c.kind == CT_PART_ANGLE_1) {
        OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
        OLI_printf(stream, "%s", " (knickstabähnl. Verhalten)"_cp);
    } else if (c.kind == CT_PART_TUBE) {
        OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
        OLI_printf(stream, " (runder Hohlquerschnitt)");
    } else {
        // the compressed fraction: a part compressed wholly has 1, however
        // its two ends' stresses differ
        if (c.alpha_shown > 0.99) OLI_printf(stream, " ║ = %.3lf, "_cp, std::fmin(c.alpha_shown, 1.0));
        OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
        OLI_printf(stream, " (%s gestützt"_cp, c.support);
        if (std::strlen(c.load_text) > 5) OLI_printf(stream, ", %s", c.load_text);
        OLI_printf(stream, ")");
    }
    Print_Ct_Limit(stream, pair, c.shown, c.suffix);
    if (c.target_class > 2 && c.note[0]) OLI_printf(stream, "\n%s  %s", pre, c.note);
    if (c.u > 0.001) {
        OLI_printf(stream, "\n%s  ", pre);
        OLI_printf(stream, "Ausnutzung ");
        OLI_printf(stream, "U╬\\c/t╬r"_cp);
        OLI_printf(stream, " = (c/t) / (max c/t)");
        // as computed: one the rule counts as 1 says so
        OLI_printf(stream, " = %s%s", Utilisation_Digits_Without_Tolerance(c.u_computed),
                   Counted_As_One_Verdict(c.u_computed));
        if (c.target_class < 3 || !c.note[0]) {
            OLI_printf(stream, ",  max c/t = %.2lf%s¥%s"_cp, c.L_target, Report_Times_Sign, c.suffix);
            OLI_printf(stream, " = %.2lf", c.L_target * c.eps_k);
        }
    }
}

// The part's line: its name and class, the details above the summary level
// (a named part's on a line of their own), else the utilisation alone.
void Print_Part_Class(FILE* stream, int level, const char* part_name, const Part_Class& c) {
    const char* pre = Check_Line_Prefix;
    OLI_printf(stream, "%s", pre);
    bool details;
    if (!part_name || !*part_name) {
        OLI_printf(stream, "Q-Klasse %d", c.cls);
        details = level != 1;
    } else {
        OLI_printf(stream, "%s", part_name);
        if (level == 1) {
            OLI_printf(stream, ": ");
            OLI_printf(stream, "Q-Klasse %d", c.cls);
            details = false;
        } else {
            OLI_printf(stream, "\n%s  ", pre);
            OLI_printf(stream, "Q-Klasse %d", c.cls);
            details = true;
        }
    }
    if (details) {
        Print_Part_Details(stream, c);
    } else if (c.u > 0.001) {
        OLI_printf(stream, ",  ");
        OLI_printf(stream, "Ausnutzung ");
        OLI_printf(stream, "U╬\\c/t╬r"_cp);
        OLI_printf(stream, " = %s%s", Utilisation_Digits_Without_Tolerance(c.u_computed),
                   Counted_As_One_Verdict(c.u_computed));
    }
}

}  // namespace

int Check_Ct_Part_Pl(int kind, int target_class, double* U, double c_t, double f_y, double E, double alpha,
                     double alpha_pl, double sigma_com, double gamma_M0, FILE* stream, int level,
                     const char* part_name) {
    return Check_Ct_Part_Computed(kind, target_class, U, nullptr, c_t, f_y, E, alpha, alpha_pl, sigma_com, gamma_M0,
                                  stream, level, part_name);
}

int Check_Ct_Part_Computed(int kind, int target_class, double* U, double* U_computed, double c_t, double f_y,
                           double E, double alpha, double alpha_pl, double sigma_com, double gamma_M0, FILE* stream,
                           int level, const char* part_name) {
    const double eps = Print_Epsilon(f_y, E, nullptr);
    double r = eps > 0 ? c_t / eps : 0.0;
    if (U) *U = 0.0;
    if (U_computed) *U_computed = 0.0;
    if (r < 0.001) return 0;
    // Class 3 takes the elastic stress ratio, classes 1 and 2 the plastic
    // compressed fraction; a distribution that leaves the part without
    // compression sets no limit of its classes.
    const Part_Limits el = Limits_For(kind, alpha), pl = Limits_For(kind, alpha_pl);
    if (!el.checked && !pl.checked) return 0;
    const Part_Limits& text = el.checked ? el : pl;
    Part_Class c{};
    c.kind = kind;
    c.target_class = target_class;
    c.eps = eps;
    c.alpha_shown = text.alpha;
    c.load_text = text.load_text;
    c.L[0] = pl.checked ? pl.L[0] : HUGE_VAL;
    c.L[1] = pl.checked ? pl.L[1] : HUGE_VAL;
    c.L[2] = el.checked ? el.L[2] : HUGE_VAL;
    c.support = "";
    if (kind == CT_PART_TUBE) {
        r /= eps;
    } else if (kind == CT_PART_OUTSTAND || kind == CT_PART_ANGLE_1 || kind == CT_PART_ANGLE_2) {
        c.support = "einseitig";
    } else {
        c.support = "beidseitig";
    }
    c.r = r;
    c.suffix = kind == CT_PART_TUBE ? "²"_cp : "";
    c.eps_k = kind == CT_PART_TUBE ? eps * eps : eps;
    if (el.checked && sigma_com > 0.1 && gamma_M0 > 0.001) Raise_Class_3_Limit(c, f_y, sigma_com, gamma_M0);
    Classify(c);
    if (stream && level >= 1) Print_Part_Class(stream, level, part_name, c);
    if (U) *U = c.u;
    if (U_computed) *U_computed = c.u_computed;
    return c.cls;
}

// ---- elastic stress distribution -------------------------------------------

namespace {

// Plane stress field sigma(y, z) = s_N + c_y y + c_z z, tension positive,
// with its zero line through two points.
struct Field {
    double s_N, c_y, c_z;
    double zy1, zz1, zy2, zz2;
    double at(double y, double z) const { return s_N + c_y * y + c_z * z; }
};

struct PartResult {
    double alpha = 0, sigma = 0;
};

// One part between end a and end b; outstand: a is the tip (free end), b the
// supported end, and alpha turns negative when b is the more compressed.
PartResult Eval_Part(const Field& f, double ya, double za, double yb, double zb, bool outstand) {
    PartResult out;
    const double s_a = f.at(ya, za), s_b = f.at(yb, zb);
    double x, y;
    if (Intersect_Lines(f.zy1, f.zz1, f.zy2, f.zz2, ya, za, yb, zb, &x, &y) != 0) {
        out.alpha = s_a < 0 ? CT_ALPHA_UNIFORM : 0.0;
        out.sigma = s_a;
        return out;
    }
    const bool b_more = s_b < s_a;
    const double s_c = b_more ? s_b : s_a, s_o = b_more ? s_a : s_b;
    out.sigma = s_c;
    if (s_c >= 0) {
        out.alpha = 0;
    } else if (s_c == s_o) {
        out.alpha = CT_ALPHA_UNIFORM;
    } else {
        // Both ends compressed, the ratio 1/(1 - psi): ends that differ by
        // a rounding of their stresses are one uniform compression, not a
        // ratio of 1e14.
        out.alpha = std::fmin(s_c / (s_c - s_o), CT_ALPHA_UNIFORM);
        if (out.alpha <= 0.01) out.alpha = 0;
    }
    if (outstand && b_more) out.alpha = -out.alpha;
    return out;
}

// An open flange at height z of width b: the side whose tip is the more
// compressed, from its tip to its inner end at t_w/2 + offset.
PartResult Eval_Open_Flange(const Field& f, double z, double b, double inner) {
    const double s_left = f.at(-b / 2, z), s_right = f.at(b / 2, z);
    const double side = s_left < s_right ? -1.0 : 1.0;
    PartResult out;
    double x, y;
    if (Intersect_Lines(f.zy1, f.zz1, f.zy2, f.zz2, -b / 2, z, b / 2, z, &x, &y) != 0) {
        out.alpha = s_left < 0 ? CT_ALPHA_UNIFORM : 0.0;
        out.sigma = s_left;
        return out;
    }
    return Eval_Part(f, side * b / 2, z, side * inner, z, true);
}

PartResult More_Compressed(const PartResult& a, const PartResult& b) { return b.sigma < a.sigma ? b : a; }

void Put(double* p, double v) {
    if (p) *p = v;
}

}  // namespace

namespace {

// Steps before the parts: the field of the profile's elastic stresses, its
// zero line still to be placed. false when the outputs are final already
// (no load, N alone, round sections, degenerate section values).
bool Elastic_Field(const Stahlprofil* p, double N, double M_y, double M_z, double* const outs[6], Field* f) {
    for (int i = 0; i < 6; i++) Put(outs[i], 0.0);
    if (!p) return false;
    if (std::fabs(N) < 0.1 && std::fabs(M_y) < 0.1 && std::fabs(M_z) < 0.1) return false;
    if (std::fabs(M_y) < 0.1 && std::fabs(M_z) < 0.1) {
        if (N > 0.001) {
            const double s = p->A != 0 ? N / p->A : 0.0;
            for (int i = 0; i < 3; i++) Put(outs[i], CT_ALPHA_UNIFORM);
            for (int i = 3; i < 6; i++) Put(outs[i], s);
        }
        return false;
    }
    const double s_N = p->A != 0 ? -N / p->A : 0.0;
    if (p->type == PROFILTYP_RUND || p->type == PROFILTYP_ROHR) {
        if (p->I_y == 0) {
            Put(outs[5], -s_N);
            Put(outs[2], s_N < 0 ? CT_ALPHA_UNIFORM : 0.0);
            return false;
        }
        const double s_M = p->h / 2 * std::sqrt(M_y * M_y + M_z * M_z) / p->I_y;
        const double s_min = s_N - s_M, s_max = s_N + s_M;
        double a;
        if (s_min == s_max) {
            a = s_min < 0 ? CT_ALPHA_UNIFORM : 0.0;
        } else {
            a = s_min / (s_min - s_max);
        }
        // A part without compression carries no alpha.
        if (s_min >= 0) a = 0.0;
        Put(outs[2], a);
        Put(outs[5], -s_min);
        return false;
    }
    const double D = p->I_y * p->I_z - p->I_yz * p->I_yz;
    *f = Field{s_N, 0, 0, 0, 0, 0, 0};
    if (D != 0) {
        f->c_y = (p->I_y * M_z + p->I_yz * M_y) / D;
        f->c_z = -(p->I_z * M_y + p->I_yz * M_z) / D;
    }
    if (D == 0 || (f->c_y == 0 && f->c_z == 0)) {
        const double a = s_N < 0 ? 1.0 : 0.0;
        for (int i = 0; i < 3; i++) Put(outs[i], a);
        for (int i = 3; i < 6; i++) Put(outs[i], -s_N);
        return false;
    }
    return true;
}

void Place_Zero_Line(const Stahlprofil* p, Field* f) {
    if (f->c_y != 0) {
        // two distinct points of the zero line, whatever the centroid
        const double L = std::fmax(std::fmax(p->z_s, p->h), 1.0);
        f->zz1 = -L, f->zz2 = L;
        f->zy1 = -(f->s_N + f->c_z * f->zz1) / f->c_y;
        f->zy2 = -(f->s_N + f->c_z * f->zz2) / f->c_y;
    } else {
        const double b = p->b_fo > 0.001 ? p->b_fo : p->t_w;
        f->zy1 = -b / 2, f->zy2 = b / 2;
        f->zz1 = f->zz2 = -f->s_N / f->c_z;
    }
}

// Where a part lies in the coordinates of the field: a part between two
// ends (an outstand's first end its tip), an open flange between its two
// tips (the side whose tip is the more compressed is evaluated, to its
// inner end), or a box's two webs (the more compressed one).
enum Part_Form { PART_NONE, PART_PLAIN, PART_OUTSTAND, PART_OPEN_FLANGE, PART_TWO_WEBS };
struct Part_Place {
    int form = PART_NONE;
    double ya = 0, za = 0, yb = 0, zb = 0;
    double inner = 0;                      // open flange: its inner end's distance from the web's middle
    double y2a = 0, z2a = 0, y2b = 0, z2b = 0;  // the second web
};

// The top flange, the bottom flange and the web of the profile's type.
void Part_Places(const Stahlprofil* p, Part_Place q[3]) {
    double o_o = 0, o_u = 0, o_r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &o_r);
    const double h = p->h, t_w = p->t_w, z_s = p->z_s, y_s = p->y_s;
    const int t = p->type;
    for (int i = 0; i < 3; i++) q[i] = Part_Place{};
    auto open = [](double z, double b, double inner) {
        Part_Place r;
        r.form = PART_OPEN_FLANGE, r.ya = -b / 2, r.yb = b / 2, r.za = r.zb = z, r.inner = inner;
        return r;
    };
    auto plain = [](int form, double ya, double za, double yb, double zb) {
        Part_Place r;
        r.form = form, r.ya = ya, r.za = za, r.yb = yb, r.zb = zb;
        return r;
    };
    auto box_flange = [&](double b, double t_f, double c, double z) {
        const double e = t == PROFILTYP_RECHTECK ? Rhs_Clear_Width(b, t_w, t_w, t_f, c) / 2 : b / 2 - t_w - o_r;
        return plain(PART_PLAIN, -e, z, e, z);
    };
    switch (t) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_T: case PROFILTYP_W:
    case PROFILTYP_HALB_I:
        q[0] = open(p->t_fo / 2 - z_s, p->b_fo, t_w / 2 + o_o);
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        // a channel's flanges reach from its web, whose back lies at -y_s,
        // to their tips on one side
        q[0] = plain(PART_OUTSTAND, -y_s - p->b_fo, p->t_fo / 2 - z_s, -y_s - t_w - o_o, p->t_fo / 2 - z_s);
        q[1] = plain(PART_OUTSTAND, -y_s - p->b_fo, h - z_s - p->t_fo / 2, -y_s - t_w - o_o, h - z_s - p->t_fo / 2);
        break;
    case PROFILTYP_RECHTECK: case PROFILTYP_KASTEN:
        q[0] = box_flange(p->b_fo, p->t_fo, p->c_o, p->t_fo / 2 - z_s);
        break;
    case PROFILTYP_L: {
        const double z = h - z_s - p->t_fo / 2;
        q[0] = plain(PART_OUTSTAND, -y_s - p->b_fo, z, -y_s - t_w - o_o, z);
        break;
    }
    default:
        break;
    }
    switch (t) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        q[1] = open(h - z_s - p->t_fu / 2, p->b_fu, t_w / 2 + o_u);
        break;
    case PROFILTYP_RECHTECK: case PROFILTYP_KASTEN:
        q[1] = box_flange(p->b_fu, p->t_fu, p->c_u, h - z_s - p->t_fu / 2);
        break;
    default:
        break;
    }
    switch (t) {
    case PROFILTYP_FLACH: case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        q[2] = plain(PART_PLAIN, 0, p->t_fo + o_o - z_s, 0, h - z_s - p->t_fu - o_u);
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        q[2] = plain(PART_PLAIN, -y_s - t_w / 2, p->t_fo + o_o - z_s, -y_s - t_w / 2, h - z_s - p->t_fo - o_o);
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        // the lower end is the free tip of the stem, a half I's as a tee's
        q[2] = plain(PART_OUTSTAND, 0, h - z_s - p->t_fu - o_u, 0, p->t_fo + o_o - z_s);
        break;
    case PROFILTYP_RECHTECK: case PROFILTYP_KASTEN: {
        double z1 = p->t_fo + o_r - z_s, z2 = h - z_s - p->t_fu - o_r;
        if (t == PROFILTYP_RECHTECK) {
            const double mid = (z1 + z2) / 2, c = Rhs_Clear_Width(h, p->t_fo, p->t_fu, t_w, p->h_w);
            z1 = mid - c / 2, z2 = mid + c / 2;
        }
        const double yt = (p->b_fo - t_w) / 2, yb = (p->b_fu - t_w) / 2;
        q[2] = plain(PART_TWO_WEBS, -yt, z1, -yb, z2);
        q[2].y2a = yt, q[2].z2a = z1, q[2].y2b = yb, q[2].z2b = z2;
        break;
    }
    case PROFILTYP_L: {
        const double y = -(t_w / 2 + y_s);
        q[2] = plain(PART_OUTSTAND, y, -z_s, y, h - z_s - p->t_fo - o_o);
        break;
    }
    default:
        break;
    }
}

PartResult Eval_Place(const Field& f, const Part_Place& q) {
    switch (q.form) {
    case PART_OPEN_FLANGE: return Eval_Open_Flange(f, q.za, q.yb - q.ya, q.inner);
    case PART_TWO_WEBS:
        return More_Compressed(Eval_Part(f, q.ya, q.za, q.yb, q.zb, false),
                               Eval_Part(f, q.y2a, q.z2a, q.y2b, q.z2b, false));
    default: return Eval_Part(f, q.ya, q.za, q.yb, q.zb, q.form == PART_OUTSTAND);
    }
}

// Part i (0 top, 1 bottom, 2 web) of the places under the field into the
// outputs; true when it got an alpha other than 1 (its distribution has a
// gradient).
bool Put_Part(const Field& f, const Part_Place& q, int i, double* const outs[6]) {
    if (q.form == PART_NONE) return false;
    const PartResult r = Eval_Place(f, q);
    Put(outs[i], r.alpha);
    Put(outs[3 + i], -r.sigma);
    return std::fabs(r.alpha - 1) > 0.01;
}

// The parts of the profile type under the field; true when one of them got
// an alpha other than 1.
bool Eval_Profile_Parts(const Stahlprofil* p, const Field& f, double* const outs[6]) {
    Part_Place q[3];
    Part_Places(p, q);
    bool gradient = false;
    for (int i = 0; i < 3; i++) gradient |= Put_Part(f, q[i], i, outs);
    return gradient;
}

// The plates of the profile (at most five), each its four corners in the
// coordinates of the parts above and the share of its yield strength in
// the profile's (by its own thickness); none for a type without a plate
// layout here. With fillets, a rolled double-T's four root fillets after
// them, at its web's strength (where no rolled outline stands for it: one
// of unequal flanges), each its corner and its arc.
constexpr int FILLET_PIECES = 16;
struct Profile_Plate_Set {
    Outline_Point corners[5][4];
    Outline_Point fillets[4][FILLET_PIECES + 2];
    Plastic_Ring rings[9];
    int n = 0;
};

void Add_Root_Fillets(const Stahlprofil* p, Profile_Plate_Set* s) {
    double top = 0, bottom = 0, root = 0;
    Calc_Profile_Weld_Offsets(p, &top, &bottom, &root);
    const double own = Plate_Yield_Strength(p, p->t_w), f_y = p->material.f_y;
    const double share = f_y > 0 && own > 0 ? own / f_y : 1.0;
    const double z_o = p->t_fo - p->z_s, z_u = p->h - p->t_fu - p->z_s;
    int k = 0;
    for (const double s_z : {1.0, -1.0})
        for (const double s_y : {1.0, -1.0}) {
            const double r = s_z > 0 ? top : bottom, y = s_y * p->t_w / 2, z = s_z > 0 ? z_o : z_u;
            if (!(r > 0)) continue;
            Outline_Point* f = s->fillets[k++];
            // the corner, then the arc from the flange's face to the web's
            f[0] = {y, z};
            for (int i = 0; i <= FILLET_PIECES; i++) {
                const double a = 0.5 * M_PI * i / FILLET_PIECES;
                f[1 + i] = {y + s_y * r * (1 - std::sin(a)), z + s_z * r * (1 - std::cos(a))};
            }
            // counter-clockwise in (y, z)
            if (s_y * s_z < 0) std::reverse(f, f + FILLET_PIECES + 2);
            s->rings[s->n++] = {f, FILLET_PIECES + 2, share};
        }
}

void Profile_Plates(const Stahlprofil* p, Profile_Plate_Set* s, bool fillets = false) {
    s->n = 0;
    const double f_y = p->material.f_y;
    auto plate = [&](double y1, double y2, double z1, double z2, double t) {
        if (y2 - y1 <= 0 || z2 - z1 <= 0 || s->n >= 5) return;
        Outline_Point* c = s->corners[s->n];
        c[0] = {y1, z1}, c[1] = {y2, z1}, c[2] = {y2, z2}, c[3] = {y1, z2};
        const double own = Plate_Yield_Strength(p, t);
        s->rings[s->n] = {c, 4, f_y > 0 && own > 0 ? own / f_y : 1.0};
        s->n++;
    };
    const double h = p->h, t_w = p->t_w, z_s = p->z_s, y_s = p->y_s, tfo = p->t_fo, tfu = p->t_fu;
    switch (p->type) {
    case PROFILTYP_FLACH:
        plate(-t_w / 2, t_w / 2, -z_s, h - z_s, std::fmin(h, t_w));
        break;
    case PROFILTYP_L:
        plate(-y_s - t_w, -y_s, -z_s, h - z_s - tfo, t_w);
        plate(-y_s - p->b_fo, -y_s, h - z_s - tfo, h - z_s, tfo);
        break;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        plate(-p->b_fo / 2, p->b_fo / 2, -z_s, tfo - z_s, tfo);
        plate(-t_w / 2, t_w / 2, tfo - z_s, h - tfu - z_s, t_w);
        plate(-p->b_fu / 2, p->b_fu / 2, h - tfu - z_s, h - z_s, tfu);
        if (fillets && p->rolled) Add_Root_Fillets(p, s);
        break;
    case PROFILTYP_C: case PROFILTYP_U:
        plate(-y_s - p->b_fo, -y_s, -z_s, tfo - z_s, tfo);
        plate(-y_s - t_w, -y_s, tfo - z_s, h - tfo - z_s, t_w);
        plate(-y_s - p->b_fo, -y_s, h - tfo - z_s, h - z_s, tfo);
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        plate(-p->b_fo / 2, p->b_fo / 2, -z_s, tfo - z_s, tfo);
        plate(-t_w / 2, t_w / 2, tfo - z_s, h - z_s, t_w);
        break;
    case PROFILTYP_RECHTECK: case PROFILTYP_KASTEN: {
        const double wo = p->b_fo / 2 + (p->type == PROFILTYP_KASTEN ? p->b_ueo : 0);
        const double wu = p->b_fu / 2 + (p->type == PROFILTYP_KASTEN ? p->b_ueu : 0);
        plate(-wo, wo, -z_s, tfo - z_s, tfo);
        plate(-wu, wu, h - tfu - z_s, h - z_s, tfu);
        const double y = (p->b_fo - t_w) / 2;
        plate(-y - t_w / 2, -y + t_w / 2, tfo - z_s, h - tfu - z_s, t_w);
        plate(y - t_w / 2, y + t_w / 2, tfo - z_s, h - tfu - z_s, t_w);
        break;
    }
    default:
        break;
    }
}

}  // namespace

void Calc_Alpha_Elastic(const Stahlprofil* p, double* alpha_top, double* alpha_bottom, double N, double M_y,
                        double M_z, double* alpha_web, double* sigma_top, double* sigma_bottom, double* sigma_web,
                        FILE* stream) {
    double* const outs[6] = {alpha_top, alpha_bottom, alpha_web, sigma_top, sigma_bottom, sigma_web};
    Field f{};
    if (!Elastic_Field(p, N, M_y, M_z, outs, &f)) return;
    Place_Zero_Line(p, &f);
    if (Eval_Profile_Parts(p, f, outs) && stream) {
        OLI_printf(stream, "%sDer Beiwert ║ wird elastisch ermittelt.\n"_cp, Check_Line_Prefix);
    }
}

bool Profile_In_Compression(const Stahlprofil* p, double N, double M_y, double M_z) {
    if (!p || !(N > 0.001)) return false;
    double* const outs[6] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    Field f{};
    // N alone, or section values that give no gradient: uniform compression
    if (!Elastic_Field(p, N, M_y, M_z, outs, &f))
        return (std::fabs(M_y) < 0.1 && std::fabs(M_z) < 0.1) || (f.c_y == 0 && f.c_z == 0 && f.s_N < 0);
    Profile_Plate_Set plates;
    Profile_Plates(p, &plates);
    if (plates.n == 0) return false;
    double highest = -HUGE_VAL;
    for (int i = 0; i < plates.n; i++)
        for (const Outline_Point& c : plates.corners[i]) highest = std::fmax(highest, f.at(c.y, c.z));
    return highest <= 1e-5 * p->material.f_y;
}

void Calc_Alpha_Plastic(const Stahlprofil* p, double* alpha_top, double* alpha_bottom, double N, double M_y,
                        double M_z, double* alpha_web, double* sigma_top, double* sigma_bottom, double* sigma_web,
                        double f_y, FILE* stream) {
    double* const outs[6] = {alpha_top, alpha_bottom, alpha_web, sigma_top, sigma_bottom, sigma_web};
    Field f{};
    if (!Elastic_Field(p, N, M_y, M_z, outs, &f)) return;
    Place_Zero_Line(p, &f);
    // the elastic stresses, and alpha where no axis is found
    const bool gradient = Eval_Profile_Parts(p, f, outs);
    Catalogue_Outline outline{};
    const bool rolled = Profile_Rolled_Outline(p, &outline) != 0;
    Profile_Plate_Set plates;
    Profile_Plates(p, &plates, !rolled);
    const Plastic_Ring* rings = nullptr;
    const int n = plates.n > 0 ? Plastic_Section_Rings(plates.rings, plates.n, rolled ? &outline : nullptr, &rings) : 0;
    double plane[3];
    // N compression positive: the blocks carry the tension force -N. The
    // field's moments, the integrals of sigma y and sigma z, are M_z and
    // -M_y (Elastic_Field).
    const double M[2] = {M_z, -M_y};
    const bool plastic = f_y > 0 && n > 0 && Calc_Plastic_Plane(rings, n, -N, M, f_y, plane);
    if (gradient && stream) {
        if (plastic)
            OLI_printf(stream, "%sDer Beiwert ║ wird für die Q-Klassen 1 und 2 plastisch, Ê für die Q-Klasse 3 "
                               "elastisch ermittelt.\n"_cp,
                       Check_Line_Prefix);
        else
            OLI_printf(stream, "%sDer Beiwert ║ wird elastisch ermittelt.\n"_cp, Check_Line_Prefix);
    }
    if (!plastic) return;
    double sigma[3] = {0, 0, 0};
    for (int i = 0; i < 3; i++) sigma[i] = outs[3 + i] ? *outs[3 + i] : 0.0;
    Part_Place places[3];
    Part_Places(p, places);
    // Each part under the blocks of the whole section; a part on a principal
    // axis through the centroid under the worse of those and the blocks of
    // the forces without the moment across it (Part_Plastic_Field).
    const double J[3] = {p->I_z, p->I_y, p->I_yz};
    const double size = std::fmax(p->h, std::fmax(p->b_fo, p->b_fu));
    for (int i = 0; i < 3; i++) {
        const Part_Place& q = places[i];
        const double y[2] = {q.ya, q.yb}, z[2] = {q.za, q.zb};
        double e[2], free[3], g[3];
        const bool on_axis = q.form != PART_TWO_WEBS && Part_Axis(J, y, z, size, e);
        if (on_axis) Calc_Part_Free_Plane(rings, n, -N, M, e, f_y, free);
        const int kind = q.form == PART_OUTSTAND ? CT_OUTSTAND_TIP : CT_INTERNAL;
        Part_Plastic_Field(kind, y, z, plane, on_axis ? free : nullptr, f_y, g);
        Field pf = f;
        pf.s_N = g[0], pf.c_y = g[1], pf.c_z = g[2];
        if (pf.c_y == 0 && pf.c_z == 0) {
            // one block over the whole section
            Put(outs[i], pf.s_N < 0 ? CT_ALPHA_UNIFORM : 0.0);
        } else {
            Place_Zero_Line(p, &pf);
            Put_Part(pf, q, i, outs);
        }
        Put(outs[3 + i], sigma[i]);
    }
}
