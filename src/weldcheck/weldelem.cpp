// Weld elements and weld groups: clearing, and the check of a group in the
// order detailing, resistance by weld kind, packing plate, closing block.
//
// The closing verdict "Nachweis erbracht" never covers a check that could
// not be made: a weld of kind 4 (which no method covers) counts as refused
// when utilisations are asked for, and a packing plate that needs a thicker
// throat than the given one ends in the red verdict, its result flag and
// the result 1, although U_max stays as computed: whoever reads the group
// learns what the list says. A group whose caller switched the resistance check off (method
// bit 16) is judged by the checks that did run, the detailing rules.
#include "weldcheck/weldelem.h"

#include <cmath>

#include "base/cp850.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weldgroup_internal.h"
#include "weldcheck/weldlen.h"
#include "weldcheck/weldres.h"

static const double PI = 3.14159265358979323846;


const char* Weld_Kind_Name(int kind) {
    static const char* const kNames[5] = {"Kehlnaht", "Schlitznaht", "Stumpfnaht", "Lochschweißung"_cp,
                                          "sonstige Naht"};
    return kind >= WELD_FILLET && kind <= WELD_OTHER ? kNames[kind] : kNames[WELD_OTHER];
}

void Clear_Weld(NahtElement* w) {
    if (!w) return;
    *w = NahtElement{};
    w->angle = 90.0;
}

void Clear_Weld_Group(NahtGruppe* g) {
    if (!g) return;
    *g = NahtGruppe{};
    g->angle = 90.0;
    Clear_Plate(&g->plate1);
    Clear_Plate(&g->plate2);
}

// A fillet weld, checked at both angles when it is two-sided and oblique.
// checked: the group's inputs were found valid just before, unchanged since.
static int check_fillet(NahtGruppe* g, FILE* f, int print_level, const char* prefix, bool checked) {
    const double gamma = g->angle;
    const bool oblique = g->one_sided == WELD_TWO_SIDED && gamma > 0.1 && std::fabs(gamma - 90.0) > 0.001;
    if (!oblique && checked) return Check_Weld_Directional_Checked(g, f, print_level, prefix);
    if (!oblique) return Check_Weld_Directional(g, f, print_level, prefix);
    const char* bold = print_level > 1 ? "╬H"_cp : "";
    int refused = 0;
    if (f) OLI_printf(f, "%s%sSchweißnahtwinkel ┌ = %.1lf°:\n"_cp, Check_Line_Prefix, bold, gamma);
    refused |= Check_Weld_Directional(g, f, print_level, prefix);
    g->angle = 180.0 - gamma;
    if (f) OLI_printf(f, "%s%sSchweißnahtwinkel ┌ = %.1lf°:\n"_cp, Check_Line_Prefix, bold, g->angle);
    refused |= Check_Weld_Directional(g, f, print_level, prefix);
    g->angle = gamma;
    return refused;
}

// The throat needed with a packing plate, compared with the given one. It
// never changes U_max or the result; returns 1 when the check flag is set
// and the given throat is too thin (the verdict must then not be "proven").
static int check_packing(NahtGruppe* g, FILE* f, int print_level) {
    const bool lines = f && print_level > 0;
    if (f && print_level > 1) OLI_printf(f, "%s╬HSchweißen mit Futterblechen\n"_cp, Check_Line_Prefix);
    const double gp = g->angle > 90.0 ? 180.0 - g->angle : g->angle;
    if (lines && std::fabs(gp - 90.0) * PI / 180.0 > 0.001)
        OLI_printf(f, "%sminimaler Neidungswinkel ┌ = %.0lf°\n"_cp, Check_Line_Prefix, gp);
    double a_erf;
    if (g->U_max >= 0.001) {
        a_erf = g->U_max * g->a;
        if (lines)
            OLI_printf(f, "%serforderliche Schweißnahtdicke a╬\\erf╬r = U╬\\max╬r%sa = %.1lf mm,  U╬\\max╬r = %.3lf\n"_cp,
                       Check_Line_Prefix, Report_Times_Sign, a_erf, g->U_max);
    } else {
        a_erf = g->a;
        if (lines) OLI_printf(f, "%sSchweißnahtdicke a╬\\erf╬r = a = %.1lf mm\n"_cp, Check_Line_Prefix, a_erf);
    }
    if (a_erf < 3.0 - 0.001) {
        if (lines)
            OLI_printf(f, "%sNahtdicke a╬\\erf╬r = %.1lf mm < %.1lf mm  ê  a╬\\erf╬r = %.1lf mm\n"_cp,
                       Check_Line_Prefix, a_erf, 3.0, 3.0);
        a_erf = 3.0;
    }
    const double c = std::cos(gp / 2.0 * PI / 180.0);
    const double a_1 = a_erf / c;
    if (lines)
        OLI_printf(f, "%serforderliche Schenkellänge der Schweißnaht a╬\\1╬r = a╬\\erf╬r/cos(┌/2) = %.1lf mm,  cos(┌/2) = %.3lf\n"_cp,
                   Check_Line_Prefix, a_1, c);
    const bool separate = g->t_p > a_1 - 0.001;
    if (separate) {
        if (lines) {
            OLI_printf(f, "%sFutterblechdicke ‗ erforderliche Schenkellänge der Schweißnaht  ê  \n"_cp,
                       Check_Line_Prefix);
            OLI_printf(f, "Verbindung der Bauteile mit dem Futterblech mittels separater Schweißnähte der Dicke 2 x a╬\\erf╬r = %.1lf mm.\n"_cp,
                       a_erf);
        }
    } else {
        a_erf = (a_1 + g->t_p) * c;
        if (lines) {
            OLI_printf(f, "%sFutterblechdicke < erforderliche Schenkellänge der Schweißnaht  ê  \n"_cp,
                       Check_Line_Prefix);
            OLI_printf(f, "erforderliche Schweißnahtdicke  a╬\\erf╬r = (a╬\\1╬r+t╬\\p╬r)%scos(┌/2) = %.1lf mm\n"_cp,
                       Report_Times_Sign, a_erf);
        }
    }
    if (g->check) {
        const double ratio = g->a > 0.001 ? a_erf / g->a : 1000.0;
        const bool met = ratio <= 1.0 + 0.001;
        if (f) {
            OLI_printf(f, "%sNahtdicke a = %.1lf mm  %s  a╬\\erf╬r = %.1lf mm"_cp, Check_Line_Prefix, g->a,
                       Get_Compare_Symbol_GE((float)g->a, (float)a_erf), a_erf);
            OLI_printf(f, "  %s\n", met ? Mark_Ok() : Mark_Not_Ok());
        }
        return met ? 0 : 1;
    }
    if (f)
        OLI_printf(f, separate ? "%s2 x a╬\\erf╬r = %.1lf mm\n"_cp : "%sa╬\\erf╬r = %.1lf mm\n"_cp, Check_Line_Prefix,
                   a_erf);
    return 0;
}

// Plug welds: the resistance of the weld area per length of the hole's
// perimeter.
static int check_plug(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    g->A_w = PI * g->d * g->d / 4.0 + (g->l - g->d) * g->d;
    if (f && print_level > 0)
        OLI_printf(f, "%swirksame Schweißnahtfläche:  A╬\\w╬r = ╔%sd²/4 + (l-d)%sd = %.2lf cm²\n"_cp, Check_Line_Prefix,
                   Report_Times_Sign, Report_Times_Sign, g->A_w * 0.01);
    if (g->check && Calc_Weld_Forces(g, f, print_level)) return 1;
    if (Calc_Weld_Shear_Strength(g, f, print_level) && g->F_w_Rd >= -WELD_PER_LENGTH_ZERO) return 1;  // unusable factors
    const double perimeter = PI * g->d + 2.0 * (g->l - g->d);
    g->F_w_Rd = perimeter > 0.001 ? g->f_vw_d * g->A_w / perimeter : 0.0;
    if (f && print_level > 0)
        OLI_printf(f, "%sTragfähigkeit bezogen auf die Nahtlänge:  F╬\\w,Rd╬r = f╬\\vw,d╬r%sA╬\\w╬r/(╔%sd+2%s(l-d)) = %.2lf kN/cm\n"_cp,
                   Check_Line_Prefix, Report_Times_Sign, Report_Times_Sign, Report_Times_Sign,
                   Weld_kN_per_cm(g->F_w_Rd));
    if (!g->check) return 0;
    if (g->F_w_Ed < -WELD_PER_LENGTH_ZERO) {
        if (f) OLI_printf(f, "%s╬HFehler╬r: F╬\\w,Ed╬r < 0 %s\n"_cp, Check_Line_Prefix, Mark_Alert());
        return 1;
    }
    return Weld_Resistance_Result(g, f, prefix);
}

// The closing block: maximum utilisation and the verdict line; not_proven
// forces the red verdict.
static void closing_block(NahtGruppe* g, FILE* f, int print_level, bool not_proven) {
    if (!f || !g->check || !g->summary) return;
    if (print_level > 0 && g->U_max > 0.001 && g->U_max < 999.999) {
        OLI_Add_Para_Offset(0.3);
        OLI_printf(f, "%s", Check_Line_Prefix);
        if (print_level == 2) OLI_printf(f, "%s", "╬Hmaximale Ausnutzung U╬\\max╬r╬H"_cp);
        else OLI_printf(f, "%s", "maximale Ausnutzung U╬\\max╬r"_cp);
        const double U = Weld_Group_Computed_U(g);
        OLI_printf(f, " = %s%s\n", Utilisation_Digits(U), Utilisation_Verdict_Computed(U));
    }
    if (!Utilisation_Passes(g->U_max) || g->U_max < -0.001 || g->result_flags || not_proven) {
        OLI_Add_Para_Offset(0.3);
        OLI_printf(f, "%s╬B%s\n"_cp, Check_Line_Prefix, Line_Proof_Failed());
    } else if (print_level > 0) {
        // Proven within the tolerance: the verdict says so, as the final
        // result does.
        OLI_Add_Para_Offset(0.3);
        if (Utilisation_Counted_As_One(Weld_Group_Computed_U(g)))
            OLI_printf(f, "%s╬B%s╬r  (%s)\n"_cp, Check_Line_Prefix, Line_Proof_Ok(), Counted_As_One_Rule_Text());
        else if (Utilisation_Ok(g->U_max))
            OLI_printf(f, "%s╬B%s\n"_cp, Check_Line_Prefix, Line_Proof_Ok());
        else
            OLI_printf(f, "%s╬B%s╬r  (%s%% Toleranz)\n"_cp, Check_Line_Prefix, Line_Proof_Ok(),
                       Verdict_Digits(Get_Verdict_Tolerance()));
    }
    Line_EC3_Condition_Warning(f);
}

int Check_Weld_Group(NahtGruppe* g, FILE* f, int print_level, int show_message, const char* prefix) {
    if (!g) return 1;
    if (!prefix) prefix = "";
    Clear_Group_Results(g);
    // An input that is not a finite number would pass every rule and every
    // comparison unnoticed: the group is refused before anything else.
    if (Weld_Group_Input_Invalid(g, f)) {
        g->result_flags |= WELD_RESULT_CHECK_REFUSED;
        g->U_max = -1.0;
        closing_block(g, f, print_level, true);
        return 1;
    }
    if (!g->skip_detailing && Check_Weld_Group_Detailing(g, f, show_message, print_level > 1)) {
        g->result_flags |= WELD_RESULT_DETAILING_FAILED;
        g->U_max = -1.0;
        closing_block(g, f, print_level, true);
        return 1;
    }
    if (g->method & WELD_METHOD_NO_CHECK) {
        closing_block(g, f, print_level, false);
        return 0;
    }

    const char* heading = nullptr;
    switch (g->kind) {
    case WELD_FILLET: heading = "%s╬HTragfähigkeit einer Kehlnaht\n"_cp; break;
    case WELD_SLOT: heading = "%s╬HTragfähigkeit einer Schlitznaht\n"_cp; break;
    case WELD_BUTT:
        heading = g->full_penetration ? "%s╬HTragfähigkeit einer durchgeschweißten Stumpfnaht\n"_cp
                                      : "%s╬HTragfähigkeit einer nicht durchgeschweißten Stumpfnaht\n"_cp;
        break;
    case WELD_PLUG: heading = "%s╬HTragfähigkeit von Lochschweißungen\n"_cp; break;
    default: break;
    }
    const bool indented = heading && f && print_level > 1;
    const double indent = OLI_Get_Para_Indent();
    if (indented) {
        OLI_printf(f, heading, Check_Line_Prefix);
        OLI_Set_Para_Indent(indent + 0.3);
    }
    int refused = 0;
    switch (g->kind) {
    // The detailing rules may set the weld's length and angle: without them
    // the group is as its inputs were checked above.
    case WELD_FILLET: refused = check_fillet(g, f, print_level, prefix, g->skip_detailing != 0); break;
    case WELD_SLOT: refused = Check_Weld_Directional(g, f, print_level, prefix); break;
    case WELD_BUTT:
        refused = g->skip_detailing ? Check_Butt_Weld_Checked(g, f, print_level, prefix)
                                    : Check_Butt_Weld(g, f, print_level, prefix);
        break;
    case WELD_PLUG: refused = check_plug(g, f, print_level, prefix); break;
    default: refused = g->check ? 1 : 0; break;  // no method for this kind: no valid result
    }
    if (indented) OLI_Set_Para_Indent(indent);
    if (refused) {
        g->result_flags |= WELD_RESULT_CHECK_REFUSED;
        g->U_max = -1.0;
    }
    int packing_failed = 0;
    if (g->kind == WELD_FILLET && g->packing && !g->result_flags) packing_failed = check_packing(g, f, print_level);
    if (packing_failed) g->result_flags |= WELD_RESULT_PACKING_THROAT;
    closing_block(g, f, print_level, packing_failed != 0);
    return refused || packing_failed ? 1 : 0;
}
