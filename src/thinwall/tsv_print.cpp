// tsv_print: the report of a partial-internal-forces result. Moments are
// printed in kNm (the result holds kNcm); formula letters are single bytes
// of the print font handed in through "%s".
#include <cstdio>

#include "base/cp850.h"
#include "base/invariant.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/tsv.h"

namespace {

const char* const kLe = "\xF3";     // less-or-equal sign
const char* const kArrow = "\x88";  // arrow before a utilisation
const char* const kTau = "\xD6";
const char* const kRho = "\xC1";
const char* const kSigma = "\xCC";
const double kNm = 0.01;

void Print_Shear_Line(FILE* f, const char* p, const TSV_Ergebnis* r) {
    std::fprintf(f, "%sAusnutzung aus Schub:  V = %.2f kN,  M╬\\xp╬r = %.2f kNm  %s  U╬\\%s╬r = %.3f\n"_cp, p, r->V_s,
                 r->M_xp_s * kNm, kArrow, kTau, r->U_tau);
}

void Print_Circle(FILE* f, const char* p, const TSV_Ergebnis* r) {
    Print_Shear_Line(f, p, r);
    if (!(r->flags & TSV_SHEAR_PASSED)) return;
    std::fprintf(f, "%sReduktionsfaktor der Streckgrenze:  %s╬\\y,%s╬r = %.3f\n"_cp, p, kRho, kTau, r->rho_s);
    if (!(r->flags & TSV_FLANGE_PASSED)) return;
    std::fprintf(f, "%sAusnutzung Normalkraft:  %.2f kN %s N %s %.2f kN,  N = %.2f kN  %s  U╬\\N╬r = %.3f\n"_cp, p,
                 r->N_min, kLe, kLe, r->N_max, r->N, kArrow, r->U_N);
    if (!(r->flags & TSV_NORMAL_PASSED)) return;
    std::fprintf(f, "%sAusnutzung Moment:  %.2f kNm %s M %s %.2f kNm,  M = %.2f kNm  %s  U╬\\My╬r = %.3f\n"_cp, p,
                 r->M_min * kNm, kLe, kLe, r->M_max * kNm, r->M_y_r * kNm, kArrow, r->U_My);
    if ((r->flags & TSV_FILLED) && (r->flags & TSV_MOMENT_PASSED))
        std::fprintf(f, "%sAusnutzung aus Teilschnittgrößenverfahren:  U╬\\%s╬r = %.3f\n"_cp, p, kSigma, r->U);
}

void Print_Rectangle(FILE* f, const char* p, const TSV_Ergebnis* r) {
    Print_Shear_Line(f, p, r);
    std::fprintf(f, "%sAusnutzung aus y-Biegung:  N = %.2f kN,  M╬\\y╬r = %.2f kNm  %s  U╬\\My╬r = %.3f\n"_cp, p, r->N,
                 r->M_y_r * kNm, kArrow, r->U_My);
    std::fprintf(f, "%sAusnutzung aus y/z-Biegung:  M╬\\z╬r = %.2f kNm,  U╬\\My╬r = %.3f  %s  U╬\\Myz╬r = %.3f\n"_cp, p,
                 r->M_Sa_u * kNm, r->U_My, kArrow, r->U_MS);
    std::fprintf(f, "%sAusnutzung aus Schub und Biegung:  U╬\\%s╬r = %.3f\n"_cp, p, kSigma, r->U);
}

void Print_Plates(FILE* f, const char* p, const TSV_Ergebnis* r) {
    const bool top = r->flags & TSV_TOP_FLANGE, bottom = r->flags & TSV_BOTTOM_FLANGE, web = r->flags & TSV_WEB;
    if (top)
        std::fprintf(f,
                     "%sTeilschnittgrößen Gurt oben:  V╬\\o╬r = %.2f kN,  M╬\\xp,o╬r = %.2f kNm,  M╬\\Sa,o╬r = %.2f kNm\n"_cp,
                     p, r->V_o, r->M_xp_o * kNm, r->M_Sa_o * kNm);
    if (bottom)
        std::fprintf(
            f, "%sTeilschnittgrößen Gurt unten:  V╬\\u╬r = %.2f kN,  M╬\\xp,u╬r = %.2f kNm,  M╬\\Sa,u╬r = %.2f kNm\n"_cp, p,
            r->V_u, r->M_xp_u * kNm, r->M_Sa_u * kNm);
    if (web)
        std::fprintf(f, "%sTeilschnittgrößen Steg:  V╬\\s╬r = %.2f kN,  M╬\\xp,s╬r = %.2f kNm\n"_cp, p, r->V_s,
                     r->M_xp_s * kNm);
    std::fprintf(f, "%sTeilschnittgrößen Hauptbiegung (Schwerpunkt):  N = %.2f kN,  M╬\\y,s╬r = %.2f kNm\n"_cp, p, r->N,
                 r->M_y_s * kNm);

    // One item per present plate; the items after the first are set off by a comma.
    struct Item {
        bool present;
        const char* index;
        double u, rho;
    };
    const Item plates[3] = {{top, "o", r->U_tau_o, r->rho_o},
                            {bottom, "u", r->U_tau_u, r->rho_u},
                            {web, "s", r->U_tau_s, r->rho_s}};
    std::fprintf(f, "%sAusnutzung aus Schub:"_cp, p);
    const char* sep = "";
    for (const Item& it : plates)
        if (it.present) {
            std::fprintf(f, "%s  U╬\\%s,%s╬r = %.3f"_cp, sep, kTau, it.index, it.u);
            sep = ",";
        }
    std::fprintf(f, "  %s  U╬\\%s╬r = %.3f\n"_cp, kArrow, kTau, r->U_tau);
    if (!(r->flags & TSV_SHEAR_PASSED)) return;

    std::fprintf(f, "%sReduktionsfaktoren der Streckgrenzen: "_cp, p);
    sep = "";
    for (const Item& it : plates)
        if (it.present) {
            std::fprintf(f, "%s  %s╬\\y,%s,%s╬r = %.3f"_cp, sep, kRho, kTau, it.index, it.rho);
            sep = ",";
        }
    std::fputc('\n', f);
    std::fprintf(f, "%sAusnutzung aus Gurtbiegung M╬\\Sa╬r: "_cp, p);
    sep = "";
    if (top) {
        std::fprintf(f, "%s  U╬\\MS,o╬r = %.3f"_cp, sep, r->U_MS_o);
        sep = ",";
    }
    if (bottom) std::fprintf(f, "%s  U╬\\MS,u╬r = %.3f"_cp, sep, r->U_MS_u);
    std::fprintf(f, "  %s  U╬\\MS╬r = %.3f\n"_cp, kArrow, r->U_MS);
    if (!(r->flags & TSV_FLANGE_PASSED)) return;

    if (top)
        std::fprintf(f, "%sGrenznormalkräfte Gurt oben:  %.2f kN %s N╬\\o╬r %s %.2f kN\n"_cp, p, r->N_o_min, kLe, kLe,
                     r->N_o_max);
    if (bottom)
        std::fprintf(f, "%sGrenznormalkräfte Gurt unten:  %.2f kN %s N╬\\u╬r %s %.2f kN\n"_cp, p, r->N_u_min, kLe, kLe,
                     r->N_u_max);
    if (web)
        std::fprintf(f, "%sGrenznormalkräfte Steg:  %.2f kN %s N╬\\s╬r %s %.2f kN\n"_cp, p, r->N_s_min, kLe, kLe,
                     r->N_s_max);
    std::fprintf(f, "%sAusnutzung Normalkraft:  %.2f kN %s N %s %.2f kN  %s  U╬\\N╬r = %.3f\n"_cp, p, r->N_min, kLe, kLe,
                 r->N_max, kArrow, r->U_N);
    if (!(r->flags & TSV_NORMAL_PASSED)) return;
    std::fprintf(f, "%sAusnutzung y-Moment (Schwerpunkt):  %.2f kNm %s M╬\\y,s╬r %s %.2f kNm  %s  U╬\\My╬r = %.3f\n"_cp,
                 p, r->M_s_min * kNm, kLe, kLe, r->M_s_max * kNm, kArrow, r->U_My);
}

}  // namespace

int Print_TSV_Result(FILE* stream, int, const char* prefix, const TSV_Ergebnis* r) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!stream || !r) return 0;
    const char* p = prefix ? prefix : "";
    if (r->flags & TSV_PARTIAL_FORCES) {
        if (r->flags & TSV_CIRCLE)
            Print_Circle(stream, p, r);
        else if (r->flags & TSV_RECTANGLE)
            Print_Rectangle(stream, p, r);
        else
            Print_Plates(stream, p, r);
    }
    if ((r->flags & TSV_FILLED) && !(r->flags & TSV_RECTANGLE))
        std::fprintf(stream, "%sAusnutzung aus Laststeigerung der Teilschnittgrößen:  U╬\\%s,pl╬r = %.3f\n"_cp, p,
                     kSigma, r->U);
    return 1;
}
