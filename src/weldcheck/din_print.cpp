// The print block "Stahlprofil" of the DIN 18800 check of one load case:
// the profile end (dimensions, section values, stresses and utilisations),
// its welds (section values, governing stresses with their points,
// utilisations against sigma_w,R,d), the throat warnings and the verdict.
// The block computes nothing; it formats what the section evaluation left
// in the record and counts the exceeded utilisations.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "codes/stguete.h"
#include "platform/format.h"
#include "platform/oli_layout.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_notes.h"
#include "weldcheck/din_check.h"
#include "weldcheck/din_internal.h"

namespace {

// Letters of the print font.
const char* const SIGMA = "\xCC";
const char* const TAU = "\xD6";
const char* const ALPHA = "\xBA";
const char* const SUM = "\xB2";
const char* const ETA = "\xC1";
const char* const ZETA = "\xD3";

// A value as the block prints it with one or two decimals: one that shows
// zero shows no sign.
double U1(double x) { return Unsigned_Zero(x, 1); }
double U2(double x) { return Unsigned_Zero(x, 2); }

// One utilisation (the text before it formatted with a, b and its digits,
// "%5s") in its "<" form (below 1; on 1 with the less-or-equal sign), just
// above 1 where the rule counts it as 1 (as the case's result does) or
// within the list's tolerance with the verdict every line of the list gives
// it, or in its ">" form with the failure marker, which is counted; then the
// line's end when `ends` is set. Its digits are two places and as many more
// as its verdict needs to be true as printed (Utilisation_Digits_Places).
// *wider holds the characters a marker added before it: the blanks that
// lead the text before it give way to them and to its own further places,
// so that the ratios of a line keep their columns and the line its width;
// it receives those of this ratio.
// A verdict's note (the rule that counts a value as 1, a tolerance) stands
// in a row of its own under the ratios: in the row it made the row the
// block's widest by far, and the whole block was set smaller to fit it.
void Ratio(FILE* f, const char* head, const char* a, const char* b, double u, bool ends, int* wider) {
    static char notes[96];
    const char* digits = Utilisation_Digits_Places(u, 2);
    const int longer = std::max(static_cast<int>(std::strlen(digits)) - 5, 0);
    for (int k = 0; k < *wider + longer && head[0] == ' ' && head[1] == ' '; ++k) ++head;
    Safe_Fprintf(f, head, a, b, digits);
    *wider = 0;
    if (Utilisation_Ok(u)) {
        Safe_Fprintf(f, "  %s  1╬r"_cp, Limit_Compare_Symbol(u, 1.0));
    } else if (Utilisation_Counted_As_One(u) || Utilisation_Passes(u)) {
        const Utilisation_Verdict_Parts verdict = Utilisation_Verdict_Computed_Parts(u);
        Safe_Fprintf(f, "%s", verdict.head);
        *wider = MT_String_Length(verdict.head) - 6;
        if (!std::strstr(notes, verdict.note))
            VEK_Format_Bounded(notes + std::strlen(notes), sizeof notes - std::strlen(notes), notes[0] ? ", %s" : "%s",
                               verdict.note);
    } else {
        Anschluss_Exceeded_Checks++;
        Safe_Fprintf(f, "  >  1╬r  %s╬r"_cp, Mark_Alert());
        *wider = 4;
    }
    if (!ends) return;
    Safe_Fprintf(f, "\n");
    if (notes[0]) Safe_Fprintf(f, "   %s\n", notes);
    notes[0] = '\0';
}

// W_y as the stresses reach the extreme fibre: the smaller of the moduli
// of the two fibres (the stem tip of a tee, not its flange); one that is
// not there (0) does not count.
double Governing_W_y(const Anschluss_Profilwerte& p) {
    const double a = std::fabs(p.W_y), b = std::fabs(p.W_y_2);
    return a > 0.0 && b > 0.0 ? std::min(a, b) : std::max(a, b);
}

void Profile_Part(FILE* f, const GeschweissterAnschluss* r) {
    const Anschluss_Profilwerte& p = r->profile_values;
    const int type = r->family;
    Safe_Fprintf(f, " ╬b╬uStahlprofil\n"_cp);
    if (type == ANSCHLUSS_CHS)
        Safe_Fprintf(f, " ╬bAbmessungen und Querschnittswerte (dickwandig)\n"_cp);
    else if (type == ANSCHLUSS_FLAT || type == ANSCHLUSS_ROUND)
        Safe_Fprintf(f, " ╬bAbmessungen und Querschnittswerte\n"_cp);
    else
        Safe_Fprintf(f, " ╬bAbmessungen und Querschnittswerte (dünnwandig)\n"_cp);
    const double h = r->h2, b = r->b2, t = r->t2, s = r->s2, rr = r->r2;
    const double W_y = Governing_W_y(p), W_z = std::fabs(p.W_z);
    switch (type) {
    case ANSCHLUSS_I:
        Safe_Fprintf(f, "   h = %6.1lf mm       b = %6.1lf mm       t = %6.1lf mm        s = %5.1lf mm      r = %5.1lf mm\n",
                     h, b, t, s, rr);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r      I╬\\y╬r = %8.1lf cm╬/4╬r   I╬\\z╬r = %8.1lf cm╬/4╬r    I╬\\T╬r = %6.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.1lf cm╬/3╬r     W╬\\z╬r = %6.1lf cm╬/3\n"_cp, W_y, W_z);
        break;
    case ANSCHLUSS_RHS:
        Safe_Fprintf(f, "   h = %6.1lf mm        b = %6.1lf mm         t╬r = %6.1lf mm        s╬r = %6.1lf mm\n"_cp, h, b,
                     t, s);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r       I╬\\y╬r = %7.1lf cm╬/4╬r      I╬\\z╬r = %7.1lf cm╬/4╬r     I╬\\T╬r = %7.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.1lf cm╬/3╬r      W╬\\z╬r = %6.1lf cm╬/3\n"_cp, W_y, W_z);
        break;
    case ANSCHLUSS_CHANNEL:
        Safe_Fprintf(f, "   h = %6.1lf mm       b = %6.1lf mm       t╬r = %6.1lf mm         s╬r = %5.1lf mm       r = %5.1lf mm\n"_cp,
                     h, b, t, s, rr);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r      I╬\\y╬r = %8.1lf cm╬/4╬r   I╬\\z╬r = %8.1lf cm╬/4╬r     I╬\\T╬r = %6.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.1lf cm╬/3╬r     W╬\\z╬r = %6.1lf cm╬/3\n "_cp, W_y, W_z);
        break;
    case ANSCHLUSS_TEE:
        Safe_Fprintf(f, "   h = %6.1lf mm        b = %6.1lf mm         t╬r = %6.1lf mm         s╬r = %6.1lf mm      r = %6.1lf mm\n"_cp,
                     h, b, t, s, rr);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r       I╬\\y╬r = %8.1lf cm╬/4╬r     I╬\\z╬r = %8.1lf cm╬/4╬r     I╬\\T╬r = %6.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.1lf cm╬/3╬r      W╬\\z╬r = %6.1lf cm╬/3╬r\n ╬r"_cp, W_y, W_z);
        break;
    case ANSCHLUSS_ANGLE:
        Safe_Fprintf(f, "   h = %6.1lf mm       b = %6.1lf mm         t╬r = %6.1lf mm         s╬r = %6.1lf mm      r = %6.1lf mm\n"_cp,
                     h, b, t, s, rr);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r      I╬\\y╬r = %8.1lf cm╬/4╬r     I╬\\z╬r = %8.1lf cm╬/4╬r     I╬\\T╬r = %6.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        break;
    case ANSCHLUSS_CHS:
        Safe_Fprintf(f, "   d = %6.1lf mm      t = %6.1lf mm\n", h, s);
        Safe_Fprintf(f, "   A = %6.1lf cm╬/2╬r     I╬\\y╬r = %7.1lf cm╬/4╬r    I╬\\z╬r = %7.1lf cm╬/4╬r    I╬\\T╬r = %6.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.1lf cm╬/3╬r    W╬\\z╬r = %6.1lf cm╬/3╬r\n"_cp, p.W_y, p.W_z);
        break;
    case ANSCHLUSS_FLAT:
        Safe_Fprintf(f, "   h = %5.1lf mm       s = %5.1lf mm\n", h, t);
        Safe_Fprintf(f, "   A = %5.1lf cm╬/2╬r      I╬\\y╬r = %6.1lf cm╬/4╬r    I╬\\z╬r = %6.1lf cm╬/4╬r    I╬\\T╬r = %5.1lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %5.1lf cm╬/3╬r     W╬\\z╬r = %5.1lf cm╬/3╬r\n"_cp, p.W_y, p.W_z);
        break;
    case ANSCHLUSS_ROUND:
        Safe_Fprintf(f, "   d = %5.1lf mm\n", h);
        Safe_Fprintf(f, "   A = %6.2lf cm╬/2╬r    I╬\\y╬r = %7.2lf cm╬/4╬r   I╬\\z╬r = %7.2lf cm╬/4╬r    I╬\\T╬r = %6.2lf cm╬/4╬r\n"_cp,
                     p.A, p.I_y, p.I_z, p.I_T);
        Safe_Fprintf(f, "   W╬\\y╬r = %6.2lf cm╬/3╬r   W╬\\z╬r = %7.2lf cm╬/3\n ╬r"_cp, p.W_y, p.W_z);
        break;
    default:
        break;
    }
    Safe_Fprintf(f, " \n ╬bSpannungen\n"_cp);
    Safe_Fprintf(f, "   %s╬\\max╬r = %5.1lf N/mm╬/2╬r   %s╬\\min╬r = %5.1lf N/mm╬/2╬r    %s╬\\max╬r = %5.1lf N/mm╬/2╬r"_cp,
                 SIGMA, U1(p.sigma_max), SIGMA, U1(p.sigma_min), TAU, U1(p.tau));
    Safe_Fprintf(f, "   %s╬\\v╬r = %5.1lf N/mm╬/2╬r\n"_cp, SIGMA, U1(p.sigma_v));
    Safe_Fprintf(f, " \n ╬bAusnutzung    ╬r(%s╬\\R,d╬r = %5.1lf N/mm╬/2╬r   %s╬\\R,d╬r = %5.1lf N/mm╬/2╬r)\n"_cp, SIGMA,
                 p.sigma_R_d, TAU, p.tau_R_d);
    int wider = 0;
    Ratio(f, "   %s/%s╬\\R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_sigma, false, &wider);
    Ratio(f, "              %s/%s╬\\R,d╬r = %5s"_cp, TAU, TAU, r->U_tau, false, &wider);
    Ratio(f, "              %s╬\\v╬r/%s╬\\R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_v, true, &wider);
}

// The plate of the profile end beyond DIN 18800-1's limit of b/t for its
// stresses (a circular tube's wall beyond its d/t, a shell), in words with
// its values, and the buckling check it needs (of a shell by DIN 18800-4);
// counted as a check not met. Nothing for a section within its limits.
void Plate_Buckling_Lines(FILE* f, const GeschweissterAnschluss* r) {
    if (!Din_Plate_Buckling_Check_Needed(r)) return;
    const Anschluss_Beulgrenze& b = r->plate_buckling;
    Anschluss_Exceeded_Checks++;
    const Compared_Pair pair = Compare_Pair(b.b_t, 1, ">", b.limit, 1);
    const char* ratio = b.kind == ANSCHLUSS_PLATE_TUBE ? "d/t" : "b/t";
    Safe_Fprintf(f, "   %s = %.*lf %s grenz(%s) = %.*lf nach DIN 18800-1, "_cp, ratio, pair.value_places, pair.value,
                 pair.sign, ratio, pair.limit_places, pair.limit);
    if (b.kind == ANSCHLUSS_PLATE_TUBE)
        Safe_Fprintf(f, "Kreiszylinderschale unter Druck %s╬\\1╬r = %.1lf N/mm╬/2╬r"_cp, SIGMA, b.stress);
    else if (b.kind == ANSCHLUSS_PLATE_SHEAR)
        Safe_Fprintf(f, "beidseitig gelagerter Plattenstreifen unter Schub %s = %.1lf N/mm╬/2╬r"_cp, TAU, b.stress);
    else
        Safe_Fprintf(f, "%s gelagerter Plattenstreifen unter Druck %s╬\\1╬r = %.1lf N/mm╬/2╬r"_cp,
                     b.kind == ANSCHLUSS_PLATE_OUTSTAND ? "einseitig" : "beidseitig", SIGMA, b.stress);
    Safe_Fprintf(f, "  %s╬r\n"_cp, Mark_Alert());
    Safe_Fprintf(f, "\n ╬b╬u  Beulsicherheitsnachweis nach %s erforderlich!\n"_cp, Din_Buckling_Standard(r->family));
}

void Weld_Section_Values(FILE* f, const GeschweissterAnschluss* r) {
    const Anschluss_Nahtwerte& v = r->weld_values;
    const int type = r->family;
    const bool all_round = r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
    if (type >= ANSCHLUSS_I && type <= ANSCHLUSS_ANGLE) {
        Safe_Fprintf(f, "   A╬\\w╬r = %5.1lf cm╬/2╬r      A╬\\%syw╬r = %5.1lf cm╬/2╬r    A╬\\%szw╬r = %5.1lf cm╬/2╬r\n"_cp,
                     v.A_w, TAU, r->A_w_y, TAU, r->A_w_z);
        Safe_Fprintf(f, "   %sl╬\\w╬r = %5.1lf cm╬r      y╬\\sw╬r = %5.1lf cm╬r      z╬\\sw╬r = %5.1lf cm      %s = %5.1lf╬/╬/╬/°╬r\n"_cp,
                     SUM, v.L, U1(v.y_s), U1(v.z_s), ALPHA, U1(v.angle));
        if (type == ANSCHLUSS_I)
            Safe_Fprintf(f, "   I╬\\yw╬r = %7.1lf cm╬/4╬r   I╬\\zw╬r = %7.1lf cm╬/4╬r   I╬\\yzw╬r = %7.1lf cm╬/4╬r  I╬\\%sw╬r = %7.1lf cm╬/4╬r   I╬\\%sw╬r = %7.1lf cm╬/4╬r\n"_cp,
                         v.I_y, v.I_z, U1(v.I_yz), ETA, v.I_1, ZETA, v.I_2);
        else
            Safe_Fprintf(f, "   I╬\\yw╬r = %6.1lf cm╬/4╬r    I╬\\zw╬r = %6.1lf cm╬/4╬r    I╬\\yzw╬r = %6.1lf cm╬/4╬r   I╬\\%sw╬r = %6.1lf cm╬/4╬r   I╬\\%sw╬r = %6.1lf cm╬/4╬r\n"_cp,
                         v.I_y, v.I_z, U1(v.I_yz), ETA, v.I_1, ZETA, v.I_2);
        if (type == ANSCHLUSS_RHS && all_round)
            Safe_Fprintf(f, "   I╬\\Tw╬r = %.1lf cm╬/4╬r   W╬\\Tw╬r = %.1lf cm╬/3╬r\n"_cp, v.I_t, v.W_t);
    } else if (type == ANSCHLUSS_CHS) {
        Safe_Fprintf(f, "   A╬\\w╬r = %.1lf cm╬/2╬r    I╬\\yw╬r = %.1lf cm╬/4╬r    I╬\\zw╬r = %.1lf cm╬/4╬r    I╬\\Tw╬r = %.1lf cm╬/4╬r    W╬\\Tw╬r = %.1lf cm╬/3╬r\n"_cp,
                     v.A_w, v.I_y, v.I_z, v.I_t, v.W_t);
    } else if (type == ANSCHLUSS_FLAT) {
        Safe_Fprintf(f, "   l╬\\w╬r = %5.1lf cm╬r      A╬\\w╬r = %5.1lf cm╬/2╬r     y╬\\w╬r = %5.1lf cm      z╬\\w╬r = %5.1lf cm\n   I╬\\yw╬r = %6.1lf cm╬/4╬r   I╬\\zw╬r = %6.1lf cm╬/4╬r"_cp,
                     v.L, v.A_w, U1(v.y_s), U1(v.z_s), v.I_y, v.I_z);
        if (v.W_y < 0.0 || v.W_z < 0.0)
            Safe_Fprintf(f, "\n");
        else
            Safe_Fprintf(f, "   W╬\\yw╬r = %6.1lf cm╬/3╬r   W╬\\zw╬r = %6.1lf cm╬/3╬r\n"_cp, v.W_y, v.W_z);
        if (all_round) Safe_Fprintf(f, "   I╬\\Tw╬r = %6.1lf cm╬/4╬r   W╬\\Tw╬r = %6.1lf cm╬/3╬r\n"_cp, v.I_t, v.W_t);
    } else if (type == ANSCHLUSS_ROUND) {
        Safe_Fprintf(f, "   A╬\\w╬r = %.1lf cm╬/2╬r    I╬\\yw╬r = %.1lf cm╬/4╬r   I╬\\zw╬r = %.1lf cm╬/4╬r   I╬\\Tw╬r = %.1lf cm╬/4╬r   W╬\\Tw╬r = %.1lf cm╬/3╬r\n"_cp,
                     v.A_w, v.I_y, v.I_z, v.I_t, v.W_t);
    }
}

// The lines of sigma_max, sigma_min, tau and sigma_v with their points
// (line[k] takes the symbol, the stress and y, z): the stresses with
// stress_decimals, the points with point_decimals, from the profile's
// reference point (stored from the weld centroid).
void Point_Lines(FILE* f, const Anschluss_Nahtwerte& v, const char* const (&line)[4], int stress_decimals,
                 int point_decimals) {
    const char* const symbol[4] = {SIGMA, SIGMA, TAU, SIGMA};
    const double stress[4] = {v.sigma_max, v.sigma_min, v.tau, v.sigma_v};
    for (int k = 0; k < 4; k++)
        Safe_Fprintf(f, line[k], symbol[k], Unsigned_Zero(stress[k], stress_decimals),
                     Unsigned_Zero(v.point[k][0] + v.y_s, point_decimals),
                     Unsigned_Zero(v.point[k][1] + v.z_s, point_decimals));
}

void Weld_Stresses(FILE* f, const GeschweissterAnschluss* r) {
    const Anschluss_Nahtwerte& v = r->weld_values;
    const int type = r->family;
    switch (type) {
    case ANSCHLUSS_I: {
        // Room for a sign and three places before the point: the columns
        // stay where they are at y = -10.00 cm.
        const char* const lines[4] = {
            "   %s╬\\wmax╬r = %7.2lf N/mm╬/2╬r     y = %6.2lf cm    z = %6.2lf cm         Koordinatenbezugspunkt:  \n"_cp,
            "   %s╬\\wmin╬r = %7.2lf N/mm╬/2╬r     y = %6.2lf cm    z = %6.2lf cm         Mitte der Flanschoberseite\n"_cp,
            "   %s╬\\wmax╬r = %7.2lf N/mm╬/2╬r     y = %6.2lf cm    z = %6.2lf cm\n"_cp,
            "   %s╬\\vwmax╬r = %7.2lf N/mm╬/2╬r    y = %6.2lf cm    z = %6.2lf cm\n"_cp};
        Point_Lines(f, v, lines, 2, 2);
        break;
    }
    case ANSCHLUSS_RHS: {
        const char* const lines[4] = {
            "   %s╬\\wmax╬r = %7.2lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm          Koordinatenbezugspunkt:\n"_cp,
            "   %s╬\\wmin╬r = %7.2lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm          Mitte der Rohroberseite\n"_cp,
            "   %s╬\\wmax╬r =  %7.2lf N/mm╬/2╬r   y = %5.1lf cm    z = %5.1lf cm\n"_cp,
            "   %s╬\\vwmax╬r = %7.2lf N/mm╬/2╬r   y = %5.1lf cm    z = %5.1lf cm\n"_cp};
        Point_Lines(f, v, lines, 2, 1);
        break;
    }
    case ANSCHLUSS_CHANNEL:
    case ANSCHLUSS_TEE:
    case ANSCHLUSS_ANGLE: {
        const char* const lines[4] = {
            "   %s╬\\wmax╬r = %7.1lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm           Koordinatenbezugspunkt:\n"_cp,
            type == ANSCHLUSS_TEE
                ? "   %s╬\\wmin╬r = %7.1lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm           Mitte der Flanschoberseite\n"_cp
                : "   %s╬\\wmin╬r = %7.1lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm           Profileckpunkt links oben\n"_cp,
            "   %s╬\\wmax╬r = %7.1lf N/mm╬/2╬r    y = %5.1lf cm    z = %5.1lf cm\n"_cp,
            "   %s╬\\vwmax╬r = %7.1lf N/mm╬/2╬r   y = %5.1lf cm    z = %5.1lf cm\n"_cp};
        Point_Lines(f, v, lines, 1, 1);
        break;
    }
    case ANSCHLUSS_CHS:
        Safe_Fprintf(f, "   %s╬\\w,max╬r = %7.2lf N/mm╬/2╬r     %s╬\\w,min╬r = %7.2lf N/mm╬/2╬r     %s╬\\w╬r = %7.2lf N/mm╬/2╬r     %s╬\\Tw╬r = %7.2lf N/mm╬/2╬r\n   %s╬\\w,v╬r = %7.2lf N/mm╬/2╬r \n"_cp,
                     SIGMA, U2(v.sigma_max), SIGMA, U2(v.sigma_min), TAU, U2(v.tau), TAU, U2(v.tau_T), SIGMA,
                     U2(v.sigma_v));
        break;
    case ANSCHLUSS_ROUND:
        Safe_Fprintf(f, "   %s╬\\w,max╬r = %7.2lf N/mm╬/2╬r    %s╬\\w,min╬r = %7.2lf N/mm╬/2╬r   %s╬\\w╬r = %7.2lf N/mm╬/2╬r   %s╬\\Tw╬r = %7.2lf N/mm╬/2╬r\n   %s╬\\w,v╬r = %7.2lf N/mm╬/2╬r \n"_cp,
                     SIGMA, U2(v.sigma_max), SIGMA, U2(v.sigma_min), TAU, U2(v.tau), TAU, U2(v.tau_T), SIGMA,
                     U2(v.sigma_v));
        break;
    case ANSCHLUSS_FLAT:
        Safe_Fprintf(f, "   %s╬\\wmax╬r = %8.2lf N/mm╬/2╬r    %s╬\\wmin╬r = %8.2lf N/mm╬/2╬r   %s╬\\ywmax╬r = %8.2lf N/mm╬/2╬r   \n   %s╬\\zwmax╬r = %8.2lf N/mm╬/2╬r   %s╬\\Tw╬r = %8.2lf N/mm╬/2╬r     %s╬\\w,v╬r = %8.2lf N/mm╬/2╬r \n"_cp,
                     SIGMA, U2(v.sigma_max), SIGMA, U2(v.sigma_min), TAU, U2(v.tau_y), TAU, U2(v.tau_z), TAU,
                     U2(v.tau_T), SIGMA,
                     U2(v.sigma_v));
        break;
    default:
        break;
    }
}

// The warning words (bits 2 to 4) of the throats above 0.7 t (0.7 d) that
// the block names for the record's family (a tube's wall is its profile's
// part, as a bar is); none when the throat design reached its 30 mm, which
// the block names instead.
unsigned Upper_Limits_Named(const GeschweissterAnschluss* r) {
    const int* word = r->warnings.word;
    if (word[ANSCHLUSS_THROAT_AT_30MM]) return 0;
    unsigned named = word[ANSCHLUSS_ABOVE_PLATE] ? 1u << ANSCHLUSS_ABOVE_PLATE : 0;
    if (word[ANSCHLUSS_ABOVE_PROFILE]) named |= 1u << ANSCHLUSS_ABOVE_PROFILE;
    if (r->family != ANSCHLUSS_FLAT && r->family != ANSCHLUSS_ROUND && r->family != ANSCHLUSS_RHS &&
        r->family != ANSCHLUSS_CHS && word[ANSCHLUSS_ABOVE_WEB])
        named |= 1u << ANSCHLUSS_ABOVE_WEB;
    return named;
}

// The name of a weld in the lines of the throat limits: "aw" with the
// number the connection gives the weld at the position (the position's own
// where it gives none), "aw" alone of a weld all round or a ring.
const char* Weld_Name(const GeschweissterAnschluss* r, int position, char* out, size_t size) {
    if (position > 0 && position <= ANSCHLUSS_WELD_POSITIONS && r->number_pos[position - 1] > 0)
        std::snprintf(out, size, "aw%d", r->number_pos[position - 1]);
    else if (position > 0)
        std::snprintf(out, size, "aw%d", position);
    else
        std::snprintf(out, size, "aw");
    return out;
}

// The welds below their least throats, each limit with its first weld;
// each counts as a check not met.
void Least_Throat_Lines(FILE* f, const GeschweissterAnschluss* r) {
    const QuerschnittWarnungen& w = r->warnings;
    char weld[16];
    if (w.word[ANSCHLUSS_BELOW_2MM]) {
        Anschluss_Exceeded_Checks++;
        Safe_Fprintf(f, "\n ╬b╬u  Mindestnahtdicke 2 mm unterschritten! (%s = %.1lf mm)\n"_cp,
                     Weld_Name(r, w.below_2mm.position, weld, sizeof weld), w.below_2mm.a);
    }
    if (w.word[ANSCHLUSS_BELOW_ROOT_RULE]) {
        const Anschluss_Throat_Shortfall& s = w.below_root_rule;
        Anschluss_Exceeded_Checks++;
        Weld_Name(r, s.position, weld, sizeof weld);
        // Of a thick part the lesser throat that lets the root rule go.
        if (Din_Thick_Part_Rule(s.t_max))
            Safe_Fprintf(f, "\n ╬b╬u  Mindestnahtdicke %.0lf mm für max t ≥ %.0lf mm unterschritten! (%s = %.1lf mm, max t = %.1lf mm)\n"_cp,
                         s.a_min, DIN_THICK_PART, weld, s.a, s.t_max);
        else
            Safe_Fprintf(f, "\n ╬b╬u  Mindestnahtdicke (max t)^0.5 - 0.5 = %.2lf mm unterschritten! (%s = %.1lf mm, max t = %.1lf mm)\n"_cp,
                         s.a_min, weld, s.a, s.t_max);
    }
}

// The part of the profile a throat is judged against, as the weld notes
// name it (Weld_Note_Text): a bar's whole section, a tube's wall, else the
// flange.
int Judged_Part(int family) {
    switch (family) {
    case ANSCHLUSS_FLAT: return 1;
    case ANSCHLUSS_ROUND: return 2;
    case ANSCHLUSS_RHS: case ANSCHLUSS_CHS: return 3;
    default: return 0;
    }
}
const char* Judged_Part_Name(int family) {
    static const char* const names[4] = {"Flansch", "Stahlprofil", "Stahlprofil", "Wand"};
    return names[Judged_Part(family)];
}

// The line of a throat above 0.7 t (0.7 d of a round bar) of the named
// part, with its limit, its first weld and the part's thickness.
void Upper_Limit_Line(FILE* f, const GeschweissterAnschluss* r, const Anschluss_Throat_Excess& e, const char* part,
                      bool diameter) {
    char weld[16];
    Safe_Fprintf(f, "\n ╬b╬u  Zulässige Nahtdicke 0.7%c = %.2lf mm überschritten! (%s, %s = %.1lf mm, %c = %.1lf mm)\n"_cp,
                 diameter ? 'd' : 't', 0.7 * e.t, part, Weld_Name(r, e.position, weld, sizeof weld), e.a,
                 diameter ? 'd' : 't', e.t);
}

// The number the connection gives the weld of a position (the position's
// own where it gives none), as the final result names it.
int Weld_Number(const GeschweissterAnschluss* r, int position) {
    return position > 0 && position <= ANSCHLUSS_WELD_POSITIONS && r->number_pos[position - 1] > 0
               ? r->number_pos[position - 1]
               : position;
}

// The welds by position left out of the weld section because their end
// craters take them whole, each in the words of its note; they are not
// checks failed, as on the Eurocode path.
void Not_Effective_Lines(FILE* f, const GeschweissterAnschluss* r) {
    const QuerschnittWarnungen& w = r->warnings;
    for (int p = 1; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
        if (!(w.not_effective >> p & 1u)) continue;
        char text[160];
        Weld_Note note = {{w.l_eff[p], 0.0, r->a_pos[p - 1], 0.0}};
        Safe_Fprintf(f, "   Naht %d: %s  %s╬r\n"_cp, Weld_Number(r, p),
                     Weld_Note_Text(WELD_RULE_NOT_EFFECTIVE, note, text, sizeof text),
                     Weld_Note_Marker(WELD_RULE_NOT_EFFECTIVE));
    }
}

// A partial penetration deeper than a tube's wall or a round bar's radius,
// or all round deeper than half the thinnest part, in the words of its
// note: what the weld's section takes.
void Throat_Wall_Line(FILE* f, const GeschweissterAnschluss* r) {
    double wall;
    const double a = r->a_w_designed;
    if (!(Din_Throat_Taken(r, a, &wall) < a)) return;
    char text[160];
    Weld_Note note = {{a, wall, static_cast<double>(Din_Throat_Held_By(r)), 0.0}};
    Safe_Fprintf(f, "   Umlaufende Naht: %s  %s╬r\n"_cp, Weld_Note_Text(WELD_RULE_THROAT_WALL, note, text, sizeof text),
                 Weld_Note_Marker(WELD_RULE_THROAT_WALL));
}

// The closing lines of the weld part: the block's verdict.
void Verdict_Lines(FILE* f, const GeschweissterAnschluss* r) {
    if (Anschluss_Exceeded_Checks != 0)
        Safe_Fprintf(f, "\n ╬b╬u  Achtung, einzelne Nachweise konnten nicht geführt werden!\n"_cp);
    else if (!r->warnings.word[ANSCHLUSS_ANY_WARNING])
        Safe_Fprintf(f, "\n ╬bAlle erforderlichen Spannungsnachweise wurden erfolgreich geführt!╬r\n"_cp);
}

// The words of the limit that governs a full-penetration butt weld.
const char* Butt_Limit_Words(int governs) {
    switch (governs) {
    case ANSCHLUSS_BUTT_TENSION: return "Zugspannung senkrecht zur Naht gegen \xBA╬\\w╬r f╬\\y,k╬r/\xC0╬\\M╬r"_cp;
    case ANSCHLUSS_BUTT_COMPRESSION: return "Druckspannung senkrecht zur Naht gegen f╬\\y,k╬r/\xC0╬\\M╬r"_cp;
    case ANSCHLUSS_BUTT_SHEAR: return "Schubspannung gegen \xBA╬\\w╬r f╬\\y,k╬r/\xC0╬\\M╬r"_cp;
    case ANSCHLUSS_BUTT_COMPARISON:
        return "Vergleichswert aus Normal- und Schubspannung, jede gegen ihren Grenzwert"_cp;
    default: return "keine Spannung";
    }
}

// The weaker part a full-penetration butt weld joins: which it is, its
// f_y,k / gamma_M, the base metal's comparison stress where it is largest
// (with the stresses there) and its ratio, counted as the weld's are.
void Base_Metal_Lines(FILE* f, const GeschweissterAnschluss* r) {
    const Anschluss_Grundwerkstoff& b = r->base_metal;
    Safe_Fprintf(f, " \n ╬bSchwächeres verbundenes Bauteil   ╬r(%s, t = %.1lf mm:  %s╬\\R,d╬r = f╬\\y,k╬r/\xC0╬\\M╬r = %.1lf/%.2lf = %.1lf N/mm╬/2╬r)\n"_cp,
                 b.part == ANSCHLUSS_PART_PLATE ? "Anschlussplatte" : "Profil", b.t, SIGMA, b.f_y,
                 r->load[ANSCHLUSS_GAMMA_M], b.sigma_R_d);
    Safe_Fprintf(f, "   %s = %.1lf N/mm╬/2╬r    %s = %.1lf N/mm╬/2╬r    %s╬\\v╬r = (%s╬/2╬r + 3 %s╬/2╬r)╬/1/2╬r = %.1lf N/mm╬/2╬r\n"_cp,
                 SIGMA, U1(b.sigma), TAU, U1(b.tau), SIGMA, SIGMA, TAU, U1(b.sigma_v));
    int wider = 0;
    Ratio(f, "   %s╬\\v╬r/%s╬\\R,d╬r = %5s"_cp, SIGMA, SIGMA, b.U, true, &wider);
}

// The line that says what governs a full-penetration butt weld: the weaker
// part joined, or the weld with the limit that governs it.
void Butt_Governs_Line(FILE* f, const GeschweissterAnschluss* r) {
    if (r->base_metal.governs)
        Safe_Fprintf(f, "   maßgebend: schwächeres verbundenes Bauteil (%s), Vergleichsspannung gegen f╬\\y,k╬r/\xC0╬\\M╬r\n"_cp,
                     r->base_metal.part == ANSCHLUSS_PART_PLATE ? "Anschlussplatte" : "Profil");
    else if (r->butt_governs == ANSCHLUSS_BUTT_NONE)
        Safe_Fprintf(f, "   maßgebend: %s\n"_cp, Butt_Limit_Words(r->butt_governs));
    else
        Safe_Fprintf(f, "   maßgebend: Naht, %s\n"_cp, Butt_Limit_Words(r->butt_governs));
}

// The weld part of a full-penetration butt weld: the joined section's
// values (no throat: the weld is the section), its stresses and
// utilisations against the butt-weld limits and against the weaker part
// joined, and in words what governs.
void Butt_Weld_Part(FILE* f, const GeschweissterAnschluss* r) {
    const Anschluss_Nahtwerte& v = r->weld_values;
    const int type = r->family;
    Safe_Fprintf(f, " \n ╬b╬uSchweißnähte╬r\n"_cp);
    Safe_Fprintf(f, " ╬bDurchgeschweißte Stumpfnaht: Querschnittswerte des angeschlossenen Querschnitts╬r\n"_cp);
    const bool ring = type == ANSCHLUSS_CHS || type == ANSCHLUSS_ROUND;
    // A ring takes each shear force round its whole circumference.
    if (ring)
        Safe_Fprintf(f, "   A╬\\w╬r = %.2lf cm╬/2╬r\n"_cp, v.A_w);
    else
        Safe_Fprintf(f, "   A╬\\w╬r = %.2lf cm╬/2╬r    A╬\\%syw╬r = %.2lf cm╬/2╬r    A╬\\%szw╬r = %.2lf cm╬/2╬r\n"_cp,
                     v.A_w, TAU, r->A_w_y, TAU, r->A_w_z);
    Safe_Fprintf(f, "   I╬\\yw╬r = %.2lf cm╬/4╬r    I╬\\zw╬r = %.2lf cm╬/4╬r    I╬\\yzw╬r = %.2lf cm╬/4╬r\n"_cp, v.I_y,
                 v.I_z, U2(v.I_yz));
    if (type == ANSCHLUSS_RHS || ring)
        Safe_Fprintf(f, "   I╬\\Tw╬r = %.2lf cm╬/4╬r    W╬\\Tw╬r = %.2lf cm╬/3╬r  (%s)\n"_cp, v.I_t, v.W_t,
                     type == ANSCHLUSS_RHS ? "geschlossenes Hohlprofil" : "Kreisquerschnitt");
    else
        Safe_Fprintf(f, "   I╬\\Tw╬r = %.2lf cm╬/4╬r  (St. Venant, Bleche ohne Ausrundungen)\n"_cp, v.I_t);
    if (r->status.word[ANSCHLUSS_INPUT_ERROR] > 0) {
        Safe_Fprintf(f, "\n ╬b╬u  Achtung, schwerer Eingabefehler! \n ╬b╬u  Ergebnisse nicht brauchbar!\n"_cp);
        return;
    }
    Safe_Fprintf(f, " \n ╬bSchweißnaht-Spannungen\n"_cp);
    Safe_Fprintf(f, "   %s╬\\w,max╬r = %.1lf N/mm╬/2╬r    %s╬\\w,min╬r = %.1lf N/mm╬/2╬r    %s╬\\w,max╬r = %.1lf N/mm╬/2╬r    %s╬\\w,v╬r = %.1lf N/mm╬/2╬r\n"_cp,
                 SIGMA, U1(v.sigma_max), SIGMA, U1(v.sigma_min), TAU, U1(v.tau), SIGMA, U1(v.sigma_v));
    Safe_Fprintf(f, " \n ╬bAusnutzung   ╬r(%s╬\\w╬r = %4.2lf: %s╬\\w,R,d╬r = %.1lf N/mm╬/2╬r für Zug und Schub,  %s╬\\w,R,d╬r = %.1lf N/mm╬/2╬r für Druck)\n"_cp,
                 ALPHA, r->alpha_w, SIGMA, v.sigma_R_d, SIGMA, r->sigma_w_R_d_compression);
    int wider = 0;
    Ratio(f, "   %s╬\\w╬r/%s╬\\w,R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_w[0], false, &wider);
    Ratio(f, "            %s╬\\w╬r/%s╬\\w,R,d╬r = %5s"_cp, TAU, SIGMA, r->U_w[1], false, &wider);
    Ratio(f, "           %s╬\\w,v╬r/%s╬\\w,R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_w[2], true, &wider);
    Base_Metal_Lines(f, r);
    Butt_Governs_Line(f, r);
    Verdict_Lines(f, r);
}

void Weld_Part(FILE* f, const GeschweissterAnschluss* r) {
    const int type = r->family;
    Safe_Fprintf(f, " \n ╬b╬uSchweißnähte╬r\n"_cp);
    if (r->end_crater == ANSCHLUSS_END_CRATERS)
        Safe_Fprintf(f, " ╬bQuerschnittswerte (mit Endkraterabzug)╬r\n"_cp);
    else
        Safe_Fprintf(f, " ╬bQuerschnittswerte╬r\n"_cp);
    Weld_Section_Values(f, r);
    Not_Effective_Lines(f, r);
    Throat_Wall_Line(f, r);
    if (r->status.word[ANSCHLUSS_INPUT_ERROR] > 0) {
        Safe_Fprintf(f, "\n ╬b╬u  Achtung, schwerer Eingabefehler! \n ╬b╬u  Ergebnisse nicht brauchbar!\n"_cp);
        if (r->status.word[ANSCHLUSS_NO_WELD_V_Z])
            Safe_Fprintf(f, "\n ╬b╬u  Es gibt keine nutzbaren Schweißnähte zur Aufnahme der Querkraft Vz,d!\n"_cp);
        if (r->status.word[ANSCHLUSS_NO_WELD_V_Y])
            Safe_Fprintf(f, "\n ╬b╬u  Es gibt keine nutzbaren Schweißnähte zur Aufnahme der Querkraft Vy,d!\n"_cp);
        return;
    }
    Safe_Fprintf(f, " \n ╬bSchweißnaht-Spannungen\n"_cp);
    if (r->weld_kind != ANSCHLUSS_WELD_ALL_ROUND) Safe_Fprintf(f, "   Es werden die Querschnittseckspannungen nachgewiesen.\n");
    Weld_Stresses(f, r);
    Safe_Fprintf(f, " \n ╬bAusnutzung   ╬r(%s╬\\w╬r = %4.2lf     %s╬\\w,R,d╬r = %5.1lf N/mm╬/2╬r)\n"_cp, ALPHA, r->alpha_w,
                 SIGMA, r->weld_values.sigma_R_d);
    int wider = 0;
    Ratio(f, "   %s╬\\w╬r/%s╬\\w,R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_w[0], false, &wider);
    Ratio(f, "            %s╬\\w╬r/%s╬\\w,R,d╬r = %5s"_cp, TAU, SIGMA, r->U_w[1], false, &wider);
    Ratio(f, "           %s╬\\w,v╬r/%s╬\\w,R,d╬r = %5s"_cp, SIGMA, SIGMA, r->U_w[2], true, &wider);
    const QuerschnittWarnungen& w = r->warnings;
    if (w.word[ANSCHLUSS_THROAT_AT_30MM]) {
        Safe_Fprintf(f, "\n ╬b╬u Achtung, maximal ausführbare Nahtdicke von 30mm erreicht! \n ╬b╬u  Lastabtrag nicht möglich!\n"_cp);
    } else {
        const unsigned named = Upper_Limits_Named(r);
        auto above = [&w](int word) -> const Anschluss_Throat_Excess& { return w.above[word - ANSCHLUSS_ABOVE_PLATE]; };
        if (named & 1u << ANSCHLUSS_ABOVE_PLATE)
            Upper_Limit_Line(f, r, above(ANSCHLUSS_ABOVE_PLATE), "Anschlussplatte", false);
        if (named & 1u << ANSCHLUSS_ABOVE_PROFILE)
            Upper_Limit_Line(f, r, above(ANSCHLUSS_ABOVE_PROFILE), Judged_Part_Name(type), type == ANSCHLUSS_ROUND);
        if (named & 1u << ANSCHLUSS_ABOVE_WEB) Upper_Limit_Line(f, r, above(ANSCHLUSS_ABOVE_WEB), "Steg", false);
        // With the throat checks on, a throat above its limit is a check not
        // met, as one below its least throat is.
        if (!r->no_throat_check) Anschluss_Exceeded_Checks += std::popcount(named);
    }
    Least_Throat_Lines(f, r);
    Verdict_Lines(f, r);
}

// The weld part of a case whose welds have no alpha_w of DIN 18800 (a
// part of own strengths beyond its list): why they are not checked, with
// the f_y,k of each such part, counted as a check not made.
void Welds_Not_Checked_Part(FILE* f, const GeschweissterAnschluss* r) {
    Safe_Fprintf(f, " \n ╬b╬uSchweißnähte╬r\n"_cp);
    Safe_Fprintf(f, "   Kein Nachweis (");
    const double f_y_max = Get_Din_Own_F_Y_Max();
    const char* separator = "";
    const struct {
        int code;
        double f_y;
        const char* part;
    } parts[] = {{r->grades.grade, r->grades.user_f_y, "Profil"},
                 {r->grades.weld_grade, r->grades.weld_f_y, "Anschlussplatte"}};
    for (const auto& p : parts)
        if (p.code == DIN_GRADE_OWN_VALUES && p.f_y > f_y_max) {
            Safe_Fprintf(f, "%s%s f╬\\y,k╬r = %.1lf N/mm╬/2╬r"_cp, separator, p.part, p.f_y);
            separator = ", ";
        }
    Safe_Fprintf(f, "): %s, kein %s╬\\w╬r  %s\n"_cp, Din_Beyond_The_List_Text(), ALPHA, Mark_Alert());
    Anschluss_Exceeded_Checks++;
    Verdict_Lines(f, r);
}

}  // namespace

const char* Din_Beyond_The_List_Text(void) {
    static char text[160];
    std::snprintf(text, sizeof text, "DIN 18800 kennt keine Stahlsorte mit f╬\\y,k╬r > %.0lf N/mm²"_cp,
                  Get_Din_Own_F_Y_Max());
    return text;
}

void Din_Weld_Notes(const GeschweissterAnschluss* r, Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1],
                    int numbers[ANSCHLUSS_WELD_POSITIONS + 1]) {
    if (!notes || !numbers) return;
    for (int p = 0; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
        notes[p] = Weld_Notes{};
        numbers[p] = r ? Weld_Number(r, p) : p;
    }
    if (!r) return;
    const QuerschnittWarnungen& w = r->warnings;
    const unsigned named = Upper_Limits_Named(r);
    // The profile's part of a bar is the bar itself, of a round bar its
    // diameter, of a tube its wall.
    const double part = Judged_Part(r->family);
    for (int p = 0; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
        auto breaks = [&](int word) { return (w.breaking[word] >> p & 1u) != 0; };
        const Anschluss_Throat_Shortfall* v = nullptr;
        if (breaks(ANSCHLUSS_BELOW_2MM))
            v = &w.judged[ANSCHLUSS_BELOW_2MM][p], Add_Weld_Note(&notes[p], WELD_RULE_DIN_BELOW_2MM, v->a);
        if (breaks(ANSCHLUSS_BELOW_ROOT_RULE)) {
            v = &w.judged[ANSCHLUSS_BELOW_ROOT_RULE][p];
            Add_Weld_Note(&notes[p], WELD_RULE_DIN_BELOW_ROOT, v->a, v->a_min, v->t_max,
                          Din_Thick_Part_Rule(v->t_max) ? 1.0 : 0.0);
        }
        const struct {
            int word, rule;
        } above[3] = {{ANSCHLUSS_ABOVE_PLATE, WELD_RULE_DIN_ABOVE_PLATE},
                      {ANSCHLUSS_ABOVE_PROFILE, WELD_RULE_DIN_ABOVE_PROFILE},
                      {ANSCHLUSS_ABOVE_WEB, WELD_RULE_DIN_ABOVE_WEB}};
        for (const auto& a : above)
            if ((named & 1u << a.word) && breaks(a.word))
                v = &w.judged[a.word][p], Add_Weld_Note(&notes[p], a.rule, v->a, v->t_max, part);
        if (p > 0 && (w.not_effective >> p & 1u))
            Add_Weld_Note(&notes[p], WELD_RULE_NOT_EFFECTIVE, w.l_eff[p], 0.0, r->a_pos[p - 1]);
        double wall;
        if (p == 0 && Din_Throat_Taken(r, r->a_w_designed, &wall) < r->a_w_designed)
            Add_Weld_Note(&notes[p], WELD_RULE_THROAT_WALL, r->a_w_designed, wall, Din_Throat_Held_By(r));
    }
}

int Din_Throat_Limits_Broken(const GeschweissterAnschluss* r) {
    if (!r) return 0;
    if (r->warnings.word[ANSCHLUSS_BELOW_2MM] || r->warnings.word[ANSCHLUSS_BELOW_ROOT_RULE]) return 1;
    return !r->no_throat_check && Upper_Limits_Named(r) != 0;
}

void Print_Stahlprofil(FILE* list, GeschweissterAnschluss* record, int pass_on, int section_check) {
    if (!list || !record) return;
    // The block shows numbers only, whatever record it is given.
    GeschweissterAnschluss shown = *record;
    Din_Sanitize_Results(&shown);
    const bool eurocode = record->grades.design_code == ANSCHLUSS_CODE_EC3;
    if (section_check) {
        if (eurocode) {
            Print_Querschnittstragfaehigkeit(section_check, list, record, pass_on);
        } else {
            Profile_Part(list, &shown);
            Plate_Buckling_Lines(list, &shown);
        }
    }
    if (eurocode)
        Print_Anschluss_Schweissnaehte(list, record, pass_on);
    else if (shown.status.word[ANSCHLUSS_WELDS_NOT_CHECKED])
        Welds_Not_Checked_Part(list, &shown);
    else if (shown.full_penetration)
        Butt_Weld_Part(list, &shown);
    else
        Weld_Part(list, &shown);
}

const char* Din_Buckling_Standard(int family) { return family == ANSCHLUSS_CHS ? "DIN 18800-4" : "DIN 18800-3"; }

int Din_Plate_Buckling_Check_Needed(const GeschweissterAnschluss* r) {
    if (!r || r->plate_buckling.kind == ANSCHLUSS_PLATE_NONE) return 0;
    const Anschluss_Beulgrenze& b = r->plate_buckling;
    return std::isfinite(b.b_t) && std::isfinite(b.limit) && b.limit > 0.0 && b.b_t > b.limit;
}
