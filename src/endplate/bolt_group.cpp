// Bolt group under eccentric shear, elastic method.
#include "endplate/bolt_group.h"

#include <cmath>

#include "base/cp850.h"
#include "platform/format.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

namespace {

// The last group worked out by Calc_Bolt_Group.
struct Group_Values {
    double y_s, z_s, A, I_zz, I_yy, I_p;
} g_group;

bool Finite(int n, const double* v) {
    for (int i = 0; v && i < n; i++)
        if (!std::isfinite(v[i])) return false;
    return true;
}

void Print_Derivation(FILE* oli, bool factors, double V_y, double V_z, double M) {
    const char* p = Report_Line_Prefix;
    const char* x = Report_Times_Sign;
    OLI_printf(oli, "%sSchwerpunktskoordinaten  y╬\\s╬r' = %.1lf mm,  z╬\\s╬r' = %.1lf mm\n"_cp, p, g_group.y_s,
               g_group.z_s);
    OLI_printf(oli,
               "%sQuerschnittsfläche  A' = n╬\\x╬r%sn╬\\z╬r = %.0lf,  polares Trägheitsmoment I╬\\p╬r' = ▓y╬\\i╬r'² + "
               "▓z╬\\i╬r'² = %.2lf cm²\n"_cp,
               p, x, g_group.A, 0.01 * g_group.I_p);
    OLI_printf(oli, "%sSchnittgrößen im Schwerpunkt  V╬\\y╬r' = %.1lf kN,  V╬\\z╬r' = %.1lf kN,  M╬\\x╬r' = %.2lf kNm\n"_cp,
               p, 0.001 * V_y, 0.001 * V_z, 1e-6 * M);
    if (factors)
        OLI_printf(oli,
                   "%sBeanspruchung  T╬\\y,i╬r╬r = f╬\\vt,i╬r %s (V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'%sz╬\\i╬r'),  T╬\\z,i╬r╬r = "
                   "f╬\\vt,i╬r %s (V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'%sy╬\\i╬r'),  T╬\\i╬r╬r = (T╬\\y,i╬r² + "
                   "T╬\\z,i╬r²)╬/1/2╬r\n"_cp,
                   p, x, x, x, x);
    else
        OLI_printf(oli,
                   "%sBeanspruchung  T╬\\y,i╬r╬r = V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'%sz╬\\i╬r',  T╬\\z,i╬r╬r = "
                   "V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'%sy╬\\i╬r',  T╬\\i╬r╬r = (T╬\\y,i╬r² + T╬\\z,i╬r²)╬/1/2╬r\n"_cp,
                   p, x, x);
}

void Print_Not_Found(FILE* oli) {
    OLI_printf(oli, "%sMaximale Beanspruchung nicht ermittelbar %s\n", Report_Line_Prefix, Mark_Alert());
}

}  // namespace

void Calc_Point_Group_Inertia(int n, const double* y, const double* z, const double* w, double* y_s, double* z_s,
                              double* A, double* I_zz, double* I_yy, double* I_p, int mode, double y0, double z0) {
    double a = 0, sy = 0, sz = 0;
    for (int i = 0; i < n; i++) {
        const double f = w ? w[i] : 1.0;
        a += f;
        sy += f * y[i];
        sz += f * z[i];
    }
    if (a > 0.001) sy /= a, sz /= a;
    double yr = sy, zr = sz;
    if (mode == 1) yr = zr = 0.0;
    else if (mode != 0) yr = y0, zr = z0;
    double izz = 0, iyy = 0;
    for (int i = 0; i < n; i++) {
        const double f = w ? w[i] : 1.0;
        izz += f * (z[i] - zr) * (z[i] - zr);
        iyy += f * (y[i] - yr) * (y[i] - yr);
    }
    if (y_s) *y_s = n < 1 ? 0.0 : sy;
    if (z_s) *z_s = n < 1 ? 0.0 : sz;
    if (A) *A = n < 1 ? 0.0 : a;
    if (I_zz) *I_zz = izz;
    if (I_yy) *I_yy = iyy;
    if (I_p) *I_p = izz + iyy;
}

double Calc_Bolt_Group(int n, const double* y, const double* z, const double* w, double V_y, double V_z, double M_x,
                       double y_F, double z_F, int k, int mode, double* T_y_k, double* T_z_k, double* M_rest,
                       FILE* oli, int level) {
    if (T_y_k && T_z_k) *T_y_k = *T_z_k = 0.0;
    if (M_rest) *M_rest = 0.0;
    if (!T_y_k || !T_z_k || k >= n) k = -1;
    if (std::fabs(V_y) < 0.001 && std::fabs(V_z) < 0.001 && std::fabs(M_x) < 0.001) return 0.0;
    // Without bolts, or with a value that is no number, no bolt force can be
    // given; a result of 0 alone would read as an unloaded group.
    const double loads[5] = {V_y, V_z, M_x, y_F, z_F};
    if (n < 1 || !y || !z || !Finite(5, loads) || !Finite(n, y) || !Finite(n, z) || (w && !Finite(n, w))) {
        if (oli) Print_Not_Found(oli);
        return 0.0;
    }
    Group_Values& g = g_group;
    Calc_Point_Group_Inertia(n, y, z, w, &g.y_s, &g.z_s, &g.A, &g.I_zz, &g.I_yy, &g.I_p, 0, 0.0, 0.0);
    const double I = mode == 1 ? g.I_yy : mode == 2 ? g.I_zz : g.I_p;
    const double M = M_x + V_z * (y_F - g.y_s) + V_y * (g.z_s - z_F);
    // A group that cannot take a moment takes none of M', the torsion M_x
    // included: all of M' is the rest. It keeps the sign in which the share
    // of the eccentricity, M_x - M', is reported (that of -M'); M_x - M'
    // alone would lose the torsion, and a twisted single bolt would report a
    // rest of 0.
    const double R = -M;
    bool refused = false;
    double result = 0.0, max_T = 0.0, T_y = 0.0, T_z = 0.0;
    int max_i = 0;
    for (int i = 0; i < n; i++) {
        const double f = w ? w[i] : 1.0;
        double ty = 0.0, tz = 0.0;
        if (g.A > 0.001) ty = f * V_y / g.A, tz = f * V_z / g.A;
        if (I > 0.001) {
            if (mode != 1) ty -= (z[i] - g.z_s) * f * M / I;
            if (mode != 2) tz += (y[i] - g.y_s) * f * M / I;
        } else if (std::fabs(M) > 0.001) {
            refused = true;
        }
        const double T = std::sqrt(ty * ty + tz * tz);
        if (i == k) {
            *T_y_k = T_y = ty;
            *T_z_k = T_z = tz;
            result = T;
            break;
        }
        if (T > max_T) max_T = T, max_i = i;
    }
    if (k < 0) result = max_T;
    if (oli) {
        const char* p = Report_Line_Prefix;
        if (level > 0 && mode <= 0) Print_Derivation(oli, w != nullptr, V_y, V_z, M);
        if (k < 0) {
            if (max_T <= 0.001)
                Print_Not_Found(oli);
            else
                OLI_printf(oli, "%sMaximale Beanspruchung  max T╬\\i╬r = T╬\\%d╬r = %.2lf kN  bei %d Schrauben\n"_cp, p,
                           max_i + 1, 0.001 * max_T, n);
        } else {
            OLI_printf(oli, "%s%s %d: ╬t"_cp, p, "Punkt", k + 1);
            OLI_printf(oli, "y╬\\%d╬r' = %.1lf mm ╬tz╬\\%d╬r' = %.1lf mm ╬t"_cp, k + 1, y[k] - g.y_s, k + 1, z[k] - g.z_s);
            if (std::fabs(V_y) >= 0.001 && std::fabs(V_z) < 0.001 && std::fabs(M) < 0.001)
                OLI_printf(oli, "T╬\\%d╬r = T╬\\y,%d╬r = %.2lf kN\n"_cp, k + 1, k + 1, 0.001 * result);
            else if (std::fabs(V_y) < 0.001 && std::fabs(M) < 0.001)
                OLI_printf(oli, "T╬\\%d╬r = T╬\\z,%d╬r = %.2lf kN\n"_cp, k + 1, k + 1, 0.001 * result);
            else
                OLI_printf(oli, "T╬\\y,%d╬r = %.2lf kN ╬tT╬\\z,%d╬r = %.2lf kN ╬tT╬\\%d╬r = %.2lf kN\n"_cp, k + 1,
                           0.001 * T_y, k + 1, 0.001 * T_z, k + 1, 0.001 * result);
        }
        if (refused) {
            char text[300];
            // The moment about the centroid as the derivation names it (M_x').
            std::snprintf(text, sizeof text,
                          "I╬\\p╬r' = 0: Das Exzentrizitätsmoment M' = %.2lf kNm kann nicht aufgenommen werden "
                          "(n╬\\x╬r%sn╬\\z╬r < 2)"_cp,
                          1e-6 * M, Report_Times_Sign);
            Line_Violet_Warning(oli, text);
        }
    }
    if (M_rest && refused) *M_rest = R;
    return result;
}
