// Plate and shear buckling: whether a more exact verification is needed.
#include "memberchecks/plate_buckling.h"

#include <algorithm>
#include <cmath>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/stguete.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/section_class.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/stahlprofil_library.h"

namespace {

const char* const kMore = "  ê  genauer Nachweis erforderlich %s"_cp;

// web: judge the web class (-1 when the type reports none) instead of the
// section class.
int Plate_Buckling(const Stahlprofil* p, int method, double N, double M_y, double M_z, double gamma_M0,
                   FILE* stream, int level, bool web) {
    if (method < 0 || !p) return 0;
    const int allowed = method == 0 ? 3 : 2;
    if (p->kind == STAHLPROFIL_KIND_FOREIGN) return 0;
    const char* pre = Check_Line_Prefix;
    if (stream && level > 1) {
        OLI_printf(stream, "%s", pre);
        OLI_printf(stream, "Nachweisverfahren '%s' ê zul. Q-Klasse %d"_cp,
                   method == 0 ? "Elastisch-Elastisch" : "Elastisch-Plastisch", allowed);
        OLI_printf(stream, "\n");
    }
    int web_class = -1;
    int cls = Classify_Section(p, N, M_y, M_z, gamma_M0, 1, 0, nullptr, nullptr, &web_class, 0, nullptr, nullptr,
                               level, "");
    if (web) cls = web_class;
    const char* what = web ? "%sPlattenbeulen: Q-Klasse des Stegblechs %d" : "%sPlattenbeulen: Q-Klasse des Profils %d";
    if (cls > allowed) {
        if (!stream) return 1;
        OLI_printf(stream, what, pre, cls);
        OLI_printf(stream, " %s╬H>╬r%s "_cp, Color_Red_Begin(), Color_End());
        OLI_printf(stream, "%d", allowed);
        OLI_printf(stream, kMore, Mark_Alert());
        OLI_printf(stream, "\n");
        return 1;
    }
    if (!stream) return 0;
    OLI_printf(stream, what, pre, cls);
    OLI_printf(stream, " ¾ "_cp);
    OLI_printf(stream, "%d", allowed);
    OLI_printf(stream, "  %s", Mark_Ok());
    OLI_printf(stream, "\n");
    return 0;
}

}  // namespace

int Check_Plate_Buckling_Profile(const Stahlprofil* p, int method, double N, double M_y, double M_z,
                                 double gamma_M0, FILE* stream, int level) {
    return Plate_Buckling(p, method, N, M_y, M_z, gamma_M0, stream, level, false);
}

int Check_Plate_Buckling_Web(const Stahlprofil* p, int method, double N, double M_y, double M_z, double gamma_M0,
                             FILE* stream, int level) {
    return Plate_Buckling(p, method, N, M_y, M_z, gamma_M0, stream, level, true);
}

namespace {

// The factor eta of the limit 72 eps/eta: the active annex's for grades up to
// 460 N/mm² nominal yield strength, at most 1.0 above them, 1.0 without an
// annex. A factor below 1 (or none at all) counts as 1.0: it would raise the
// limit above that of a web without the hardening eta stands for.
double Shear_Buckling_Eta(double f_y_nominal) {
    const NAD_EC3_Block* block = Get_NAD_EC3();
    double eta = block ? block->ec3_8.eta : 1.0;
    if (f_y_nominal > 460.0 + 0.001) eta = std::min(eta, 1.0);
    return eta >= 1.0 ? eta : 1.0;
}

// 1 when h_p/t_p exceeds 72 eps/eta, else 0; the plate's line with a
// stream, for a plate within the limit only where `all` asks for it.
int Shear_Buckling_Line(double h_p, double t_p, double f_y, double E, double eta, FILE* stream, int level,
                        bool all) {
    const double eps = Print_Epsilon(f_y, E, nullptr);
    const double limit = 72.0 * eps / eta;
    const double r = t_p > 0 ? h_p / t_p : 0.0;
    const bool ok = r <= limit + 0.001;
    if (stream && (!ok || all)) {
        const char* pre = Check_Line_Prefix;
        OLI_printf(stream, "%sSchubbeulen: ", pre);
        // Within the check's allowance of 0.001 above the limit a ratio
        // that its digits show above it is on the limit as printed.
        const Compared_Pair pair = Compare_Pair(r, 2, ok ? "\xF3" : ">", limit, 2);
        OLI_printf(stream, "h╬\\p╬r/t╬\\p╬r = %.*lf"_cp, pair.value_places, pair.value);
        if (ok) {
            OLI_printf(stream, " %s ", pair.sign);
        } else {
            OLI_printf(stream, " %s╬H%s╬r%s "_cp, Color_Red_Begin(), pair.sign, Color_End());
        }
        OLI_printf(stream, "72%s¥/┴ = %.*lf"_cp, Report_Times_Sign, pair.limit_places, pair.limit);
        if (level > 1) OLI_printf(stream, ",  h╬\\p╬r = %.1lf mm,  t╬\\p╬r = %.1lf mm"_cp, h_p, t_p);
        if (ok) {
            OLI_printf(stream, "  %s", Mark_Ok());
        } else {
            OLI_printf(stream, kMore, Mark_Alert());
        }
        OLI_printf(stream, "\n");
    }
    return ok ? 0 : 1;
}

// A plate of a profile as its shear buckling sees it: the depth between the
// plates that hold its edges (an outstand: its width) and its thickness.
struct Shear_Plate {
    double h, t;
    double Slenderness() const { return t > 0 ? h / t : 0.0; }
};

// The more slender of two plates that carry the same shear force.
Shear_Plate Slender(Shear_Plate a, Shear_Plate b) { return b.Slenderness() > a.Slenderness() ? b : a; }

// The plate that carries V_z (the webs) and the one that carries V_y (the
// flanges, the walls along y) of a profile; depth 0 where the family has
// none: a round bar and a circular tube have no plates, the trapezoidal and
// unknown types none known here. A bottom flange without dimensions of its
// own (channels, zeds, tubes) is as the top one.
void Shear_Plates(const Stahlprofil* p, Shear_Plate* z, Shear_Plate* y) {
    *z = *y = Shear_Plate{0.0, 0.0};
    const double t_fu = p->t_fu > 0 ? p->t_fu : p->t_fo;
    const double b_fu = p->b_fu > 0 ? p->b_fu : p->b_fo;
    const int type = p->type;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, type) ||
        Is_Profile_Type_One_Of(type, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z})) {
        *z = {p->h - p->t_fo - t_fu, p->t_w};
        *y = Slender({p->b_fo, p->t_fo}, {b_fu, t_fu});
    } else if (type == PROFILTYP_T || type == PROFILTYP_HALB_I) {
        *z = {p->h - p->t_fo, p->t_w};
        *y = {p->b_fo, p->t_fo};
    } else if (type == PROFILTYP_L) {
        *z = {p->h - p->t_fo, p->t_w};
        *y = {p->b_fo - p->t_w, p->t_fo};
    } else if (type == PROFILTYP_RECHTECK) {
        *z = {p->h - p->t_fo - t_fu, p->t_w};
        *y = Slender({p->b_fo - 2 * p->t_w, p->t_fo}, {b_fu - 2 * p->t_w, t_fu});
    } else if (type == PROFILTYP_KASTEN) {
        // the flanges between the webs, beyond which they stand out by b_ue
        *z = {p->h - p->t_fo - t_fu, p->t_w};
        *y = Slender({p->b_fo - 2 * (p->b_ueo + p->t_w), p->t_fo}, {b_fu - 2 * (p->b_ueu + p->t_w), t_fu});
    } else if (type == PROFILTYP_FLACH) {
        *z = {p->h, p->t_w};
        *y = {p->t_w, p->h};
    }
}

}  // namespace

int Check_Shear_Buckling(double h_p, double t_p, double f_y, double E, FILE* stream, int level) {
    return Shear_Buckling_Line(h_p, t_p, f_y, E, Shear_Buckling_Eta(f_y), stream, level, true);
}

int Check_Profile_Shear_Buckling(const Stahlprofil* p, double V_y, double V_z, FILE* stream, int level, int all) {
    if (!p || p->kind == STAHLPROFIL_KIND_FOREIGN) return 0;
    Shear_Plate plates[2];
    Shear_Plates(p, &plates[0], &plates[1]);
    const bool carries[2] = {V_z != 0.0, V_y != 0.0};
    // eta by the grade's nominal strength, which the lower one of a thick
    // product must not bring to 460 N/mm² or below
    const int grade = Get_Profile_Material_Handle(&p->material);
    const double nominal = grade >= 0 ? Get_Stahlguete_fy(static_cast<unsigned>(grade), 0.0) : 0.0;
    const double E = p->material.E;
    int need = 0;
    for (int i = 0; i < 2; ++i) {
        const Shear_Plate& s = plates[i];
        if (!carries[i] || !(s.h > 0.0) || !(s.t > 0.0)) continue;
        // each plate with the yield strength of its own thickness: a thin
        // web between thick flanges has the higher one, and the smaller eps
        const double f_y = Plate_Yield_Strength(p, s.t);
        const double eta = Shear_Buckling_Eta(std::max(nominal, f_y));
        need |= Shear_Buckling_Line(s.h, s.t, f_y, E, eta, stream, level, all != 0);
    }
    return need;
}

int Check_Ct_Part_Compression(int kind, double c, double t, double f_y, double N, double gamma_M0, FILE* stream,
                              int level) {
    if (c < 0.001 || t < 0.001) return 0;
    const double eps = Print_Epsilon(f_y, 0, nullptr);
    double r = eps > 0 ? c / (t * eps) : 0.0;
    if (r < 0.001) return 0;
    double L[3];
    const bool outstand = kind == CT_PART_OUTSTAND || kind == CT_PART_ANGLE_1 || kind == CT_PART_ANGLE_2;
    if (kind == CT_PART_TUBE) {
        L[0] = 50, L[1] = 70, L[2] = 90;
        r /= eps;
    } else if (outstand) {
        L[0] = 9, L[1] = 10, L[2] = kind == CT_PART_ANGLE_1 ? 15 : kind == CT_PART_ANGLE_2 ? 11.5 : 14;
    } else {
        L[0] = 33, L[1] = 38, L[2] = 42;
    }
    const double sigma = N / (c * t);
    if (sigma > 0.1 && gamma_M0 > 0.001) {
        double f = f_y / (gamma_M0 * sigma);
        if (kind != CT_PART_TUBE) f = std::sqrt(f);
        if (f > 1) L[2] *= f;
    }
    const int cls = Ct_Class_Of(r, L);
    const double shown = cls >= 3 ? L[2] : L[cls - 1];
    if (stream && level > 0) {
        OLI_printf(stream, "%s", Check_Line_Prefix);
        OLI_printf(stream, "Q-Klasse %d", cls);
        if (level > 1) {
            const bool tube = kind == CT_PART_TUBE;
            const Compared_Pair pair = Ct_Limit_Pair(r, Limit_Compare_Symbol(r, shown), shown, tube ? eps * eps : eps);
            OLI_printf(stream, "%s", " für"_cp);
            if (tube) {
                OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
                OLI_printf(stream, " (runder Hohlquerschnitt)");
            } else if (kind == CT_PART_ANGLE_1) {
                OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
                OLI_printf(stream, "%s", " (knickstabähnl. Verhalten)"_cp);
            } else {
                OLI_printf(stream, " ║ = %.3lf, "_cp, 1.0);
                OLI_printf(stream, " c/t = %.*lf", pair.value_places, pair.value);
                OLI_printf(stream, " (%s gestützt"_cp, outstand ? "einseitig" : "beidseitig");
                OLI_printf(stream, ")");
            }
            Print_Ct_Limit(stream, pair, shown, tube ? "²"_cp : "");
        }
    }
    return cls;
}

int Check_Stiffener_Ct(double c, double t, double f_y, double unused, double N, double gamma_M0, FILE* stream,
                       int level) {
    (void)unused;
    const char* pre = Check_Line_Prefix;
    if (stream && level >= 1) {
        OLI_printf(stream, "%sVoraussetzung: Steifen nicht beulgefährdet:"_cp, pre);
        if (level == 1) {
            OLI_printf(stream, "  ");
        } else {
            OLI_printf(stream, "\n%s", pre);
        }
    }
    if (t >= 0.001 && c >= 0.001) {
        const int cls = Check_Ct_Part(CT_PART_OUTSTAND, 0, nullptr, c / t, f_y, 0, 1.0, N / (c * t), gamma_M0, stream,
                                      level, nullptr);
        if (!stream) return cls > 3;
        if (level == 0) OLI_printf(stream, "%sQ-Klasse der Steifen %d", pre, cls);
        if (cls > 3) {
            OLI_printf(stream, " %s╬H>╬r%s "_cp, Color_Red_Begin(), Color_End());
            OLI_printf(stream, "%d", 3);
            OLI_printf(stream, "  %s", Mark_Not_Ok());
            OLI_printf(stream, "\n");
            return 1;
        }
        OLI_printf(stream, "  %s", Mark_Ok());
        OLI_printf(stream, "\n");
        return 0;
    }
    if (!stream) return 0;
    if (level == 0) {
        OLI_printf(stream, "%sQ-Klasse der Steifen %d", pre, 0);
    } else {
        OLI_printf(stream, " ¾ %d"_cp, 3);
    }
    OLI_printf(stream, "  %s", Mark_Ok());
    OLI_printf(stream, "\n");
    return 0;
}
