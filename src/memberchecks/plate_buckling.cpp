// Plate and shear buckling: whether a more exact verification is needed.
#include "memberchecks/plate_buckling.h"

#include <cmath>

#include "base/cp850.h"
#include "codes/nad.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/section_class.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

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

int Check_Shear_Buckling(double h_p, double t_p, double f_y, double E, FILE* stream, int level) {
    const NAD_EC3_Block* block = Get_NAD_EC3();
    double eta = block ? block->ec3_8.eta : 1.0;
    if (!(eta > 0)) eta = 1.0;
    const double eps = Print_Epsilon(f_y, E, nullptr);
    const double limit = 72.0 * eps / eta;
    const double r = t_p > 0 ? h_p / t_p : 0.0;
    const bool ok = r <= limit + 0.001;
    if (stream) {
        const char* pre = Check_Line_Prefix;
        OLI_printf(stream, "%sSchubbeulen: ", pre);
        OLI_printf(stream, "h╬\\p╬r/t╬\\p╬r = %.2lf"_cp, r);
        if (ok) {
            OLI_printf(stream, " ¾ "_cp);
        } else {
            OLI_printf(stream, " %s╬H>╬r%s "_cp, Color_Red_Begin(), Color_End());
        }
        OLI_printf(stream, "72%s¥/┴ = %.2lf"_cp, Report_Times_Sign, limit);
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
            OLI_printf(stream, "%s", " für"_cp);
            if (kind == CT_PART_TUBE) {
                OLI_printf(stream, " c/t = %.2lf", r * eps * eps);
                OLI_printf(stream, " (runder Hohlquerschnitt)");
                OLI_printf(stream, " %s %.2lf%s¥"_cp, Limit_Compare_Symbol(r, shown), shown,
                           Report_Times_Sign);
                OLI_printf(stream, "%s", "²"_cp);
                OLI_printf(stream, " = %.2lf", shown * eps * eps);
                return cls;
            }
            if (kind == CT_PART_ANGLE_1) {
                OLI_printf(stream, " c/t = %.2lf", r * eps);
                OLI_printf(stream, "%s", " (knickstabähnl. Verhalten)"_cp);
            } else {
                OLI_printf(stream, " ║ = %.3lf, "_cp, 1.0);
                OLI_printf(stream, " c/t = %.2lf", r * eps);
                OLI_printf(stream, " (%s gestützt"_cp, outstand ? "einseitig" : "beidseitig");
                OLI_printf(stream, ")");
            }
            OLI_printf(stream, " %s %.2lf%s¥"_cp, Limit_Compare_Symbol(r, shown), shown,
                       Report_Times_Sign);
            OLI_printf(stream, " = %.2lf", shown * eps);
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
