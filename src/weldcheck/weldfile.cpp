// Weld and group records in text files, copy and comparison, the default
// weld, two older strength helpers and the print-list descriptions.
//
// Records are text: every value written with one blank before it, read back
// with fscanf (any whitespace, so CRLF files read as well). A group record
// keeps its moments in Nm and its forces per length in N/m; the group holds
// them in Nmm and N/mm (weldelem.h), converted here on the way in and out.
#include "weldcheck/weldfile.h"

#include <cmath>
#include <initializer_list>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "platform/msgbox.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weldgroup_internal.h"
#include "weldcheck/weldres.h"

enum { WELD_RECORD_VERSION = 2, GROUP_RECORD_VERSION = 6 };

// A group's moment (Nmm) and force per length (N/mm) in the units of its
// record, and back (exact factors both ways, not reciprocals).
static double moment_to_file(double Nmm) { return Nmm * 0.001; }
static double moment_from_file(double Nm) { return Nm * 1000.0; }
static double per_length_to_file(double N_per_mm) { return N_per_mm * 1000.0; }
static double per_length_from_file(double N_per_m) { return N_per_m * 0.001; }


void Default_Weld(NahtElement* w) {
    if (!w) return;
    Clear_Weld(w);
    w->a = 4.0;
    w->full_length = 1;
}

void Copy_Weld(const NahtElement* source, NahtElement* target) {
    if (!target) return;
    Clear_Weld(target);
    if (source) *target = *source;
}

static bool near(double x, double y) { return std::fabs(x - y) <= 0.01; }

int Welds_Equal(const NahtElement* a, const NahtElement* b) {
    if (!a || !b) return 0;
    return a->kind == b->kind && a->full_penetration == b->full_penetration && a->full_length == b->full_length &&
           near(a->a, b->a) && near(a->e, b->e) && near(a->l_w, b->l_w) && near(a->angle, b->angle) &&
           near(a->d, b->d) && near(a->l, b->l);
}

// The weld line of a record (item 2).
static int write_weld_line(FILE* f, const NahtElement* w) {
    return fprintf(f, " %d %lf %lf %lf %d %d %lf %lf %d %lf\n", w->kind, w->a, w->d, w->l, w->full_penetration, 0,
                   w->angle, w->l_w, w->full_length, w->e) < 0;
}

int Write_Weld(FILE* f, const NahtElement* w) {
    if (!f || !w) return 1;
    if (fprintf(f, " %d\n", WELD_RECORD_VERSION) < 0) return 1;
    return write_weld_line(f, w);
}

// Reads the weld line of the given version into w (after the version).
static int read_weld_body(FILE* f, int version, NahtElement* w) {
    int reserved = 0;
    if (fscanf(f, "%d%lf%lf%lf%d%d%lf", &w->kind, &w->a, &w->d, &w->l, &w->full_penetration, &reserved,
               &w->angle) != 7)
        return 1;
    w->l_w = 0.0;
    w->full_length = 0;
    w->e = 0.0;
    if (version >= 1 && fscanf(f, "%lf%d", &w->l_w, &w->full_length) != 2) return 1;
    if (version >= 2 && fscanf(f, "%lf", &w->e) != 1) return 1;
    return 0;
}

int Read_Weld(FILE* f, NahtElement* w) {
    if (!f || !w) return 1;
    int version = 0;
    if (fscanf(f, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, WELD_RECORD_VERSION, 0)) return 1;
    return read_weld_body(f, version, w);
}

void Copy_Weld_Group(const NahtGruppe* source, NahtGruppe* target) {
    if (!target) return;
    Clear_Weld_Group(target);
    if (!source) return;
    const NahtElement weld = Group_Weld(source);
    Set_Group_Weld(target, &weld);
    target->one_sided = source->one_sided;
    Copy_Plate(&source->plate1, &target->plate1);
    Copy_Plate(&source->plate2, &target->plate2);
    target->packing = source->packing;
    target->t_p = source->t_p;
    target->method = source->method;
    target->force_mode = source->force_mode;
    target->N_Ed = source->N_Ed;
    target->M_p_Ed = source->M_p_Ed;
    target->M_s_Ed = source->M_s_Ed;
    target->V_p_Ed = source->V_p_Ed;
    target->V_s_Ed = source->V_s_Ed;
    target->F_sigma_perp = source->F_sigma_perp;
    target->F_tau_perp = source->F_tau_perp;
    target->F_tau_par = source->F_tau_par;
    target->sigma_perp = source->sigma_perp;
    target->tau_perp = source->tau_perp;
    target->tau_par = source->tau_par;
    target->F_w_Ed = source->F_w_Ed;
    target->sigma_w_Ed = source->sigma_w_Ed;
}

int Write_Weld_Group(FILE* f, const NahtGruppe* g) {
    if (!f || !g) return 1;
    if (fprintf(f, " %d\n", GROUP_RECORD_VERSION) < 0) return 1;
    if (fprintf(f, " %d\n", WELD_RECORD_VERSION) < 0) return 1;
    const NahtElement weld = Group_Weld(g);
    if (write_weld_line(f, &weld)) return 1;
    if (Write_Plate(f, &g->plate1) || Write_Plate(f, &g->plate2)) return 1;
    Blech_Record packing;
    Clear_Plate(&packing);
    packing.t = g->t_p;
    if (Write_Plate(f, &packing)) return 1;
    if (fprintf(f, " %d %d %lf %lf %lf %lf %lf %lf %lf", g->method, g->force_mode, g->N_Ed, g->V_p_Ed,
                moment_to_file(g->M_s_Ed), g->V_s_Ed, per_length_to_file(g->F_sigma_perp),
                per_length_to_file(g->F_tau_perp), per_length_to_file(g->F_tau_par)) < 0)
        return 1;
    if (fprintf(f, " %lf %lf %lf %lf %lf %d %d", g->sigma_perp, g->tau_perp, g->tau_par, per_length_to_file(g->F_w_Ed),
                g->sigma_w_Ed, g->one_sided, g->packing) < 0)
        return 1;
    if (fprintf(f, " %lf\n", moment_to_file(g->M_p_Ed)) < 0) return 1;
    return 0;
}

// The group record; *forces_rescaled tells that the forces of an older
// file were converted. 1 on a failed read.
static int read_group(FILE* f, NahtGruppe* g, bool* forces_rescaled) {
    int version = 0, weld_version = 0;
    if (fscanf(f, "%d", &version) != 1 || !Check_File_Version(version, GROUP_RECORD_VERSION, 0)) return 1;
    if (fscanf(f, "%d", &weld_version) != 1 || !Check_File_Version(weld_version, WELD_RECORD_VERSION, 0)) return 1;
    NahtElement w;
    Clear_Weld(&w);
    if (read_weld_body(f, weld_version, &w)) return 1;
    Set_Group_Weld(g, &w);
    Blech_Record packing;
    Clear_Plate(&packing);
    if (Read_Plate(f, &g->plate1) || Read_Plate(f, &g->plate2) || Read_Plate(f, &packing)) return 1;
    g->t_p = packing.t;
    if (fscanf(f, "%d%d%lf%lf%lf", &g->method, &g->force_mode, &g->N_Ed, &g->V_p_Ed, &g->M_s_Ed) != 5) return 1;
    double v = 0.0;
    if (fscanf(f, "%lf", &v) != 1) return 1;
    if (version == 0) {
        g->l_w = v;  // the oldest records kept the weld length here
        g->V_s_Ed = 0.0;
    } else {
        g->V_s_Ed = v;
    }
    if (fscanf(f, "%lf%lf%lf", &g->F_sigma_perp, &g->F_tau_perp, &g->F_tau_par) != 3) return 1;
    if (fscanf(f, "%lf%lf%lf%lf%lf", &g->sigma_perp, &g->tau_perp, &g->tau_par, &g->F_w_Ed, &g->sigma_w_Ed) != 5)
        return 1;
    g->one_sided = WELD_TWO_SIDED;
    if (version >= 2) {
        int stored = 0;
        if (fscanf(f, "%d", &stored) != 1) return 1;
        g->one_sided = version < 6 ? 1 - stored : stored;  // older files kept the two-sided flag
    }
    if (version >= 3) {
        if (fscanf(f, "%d", &g->packing) != 1) return 1;
    } else {
        g->packing = g->t_p > 0.1;
    }
    g->M_p_Ed = 0.0;
    if (version >= 4 && fscanf(f, "%lf", &g->M_p_Ed) != 1) return 1;
    g->M_p_Ed = moment_from_file(g->M_p_Ed);
    g->M_s_Ed = moment_from_file(g->M_s_Ed);
    for (double* F : {&g->F_sigma_perp, &g->F_tau_perp, &g->F_tau_par, &g->F_w_Ed}) *F = per_length_from_file(*F);
    if (version <= 4 && g->one_sided == WELD_TWO_SIDED && g->force_mode == WELD_FORCE_PER_LENGTH_GIVEN) {
        // Older files gave the forces of one weld root; they now refer to the
        // whole weld length of both sides.
        g->F_sigma_perp *= 2.0;
        g->F_tau_perp *= 2.0;
        g->F_tau_par *= 2.0;
        g->F_w_Ed *= 2.0;
        *forces_rescaled = true;
    }
    return 0;
}

int Read_Weld_Group(FILE* f, NahtGruppe* g) {
    if (!f || !g) return 1;
    bool rescaled = false;
    if (read_group(f, g, &rescaled)) return 1;
    if (rescaled && !VEK_Batch_Mode())
        PrintMessage("%s", "*** Die Bemessungskräfte in der Nahtwurzel werden nun auf die gesamte Nahtlänge bezogen. ***"_cp);
    return 0;
}

int Calc_Weld_Shear_Strength_Checked(NahtGruppe* g, FILE* f, int print_level) {
    if (!g) return 1;
    Clear_Group_Results(g);
    return Calc_Weld_Shear_Strength(g, f, print_level);
}

// Whether f_u and beta_w of the governing plate are finite numbers; the
// failure line naming the first that is not, when a list is given.
static bool strength_data_finite(double fu, double bw, FILE* f) {
    if (std::isfinite(fu) && std::isfinite(bw)) return true;
    Weld_Invalid_Value_Line(f, "", std::isfinite(fu) ? "╗╬\\w╬r"_cp : "f╬\\u╬r"_cp);
    return false;
}

double Calc_Weld_Strength_Dir(Blech_Record* p1, Blech_Record* p2, double gamma_M2, FILE* f, int print_level) {
    double fu = 0.0, bw = 0.0;
    Weld_Governing_Strength(p1, p2, &fu, &bw);
    if (!strength_data_finite(fu, bw, f)) return 0.0;
    const double f1 = gamma_M2 >= 0.01 && Usable_Weld_Factor(gamma_M2) && Usable_Weld_Factor(bw) ? fu / (bw * gamma_M2) : 0.0;
    if (f) {
        OLI_printf(f, "%sTragfähigkeit einer Schweißnaht (Bed.1):  "_cp, Check_Line_Prefix);
        OLI_printf(f, "f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²"_cp, Report_Times_Sign, f1);
        if (print_level != 1) OLI_printf(f, ",  f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp, fu, bw);
        OLI_printf(f, "\n");
    }
    return f1;
}

double Calc_Weld_Shear_Strength_Plates(Blech_Record* p1, Blech_Record* p2, double gamma_M2, FILE* f,
                                       int print_level) {
    double fu = 0.0, bw = 0.0;
    Weld_Governing_Strength(p1, p2, &fu, &bw);
    if (!strength_data_finite(fu, bw, f)) return 0.0;
    // A factor that is 0 or not a number gives no strength rather than an
    // infinite one.
    const double fvw =
        Usable_Weld_Factor(gamma_M2) && Usable_Weld_Factor(bw) ? fu * WELD_INV_SQRT3 / (gamma_M2 * bw) : 0.0;
    if (f) {
        OLI_printf(f, "%sScherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²"_cp,
                   Check_Line_Prefix, Report_Times_Sign, fvw);
        if (print_level != 1) OLI_printf(f, ",  f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp, fu, bw);
        OLI_printf(f, "\n");
    }
    return fvw;
}

// A number of a description: the value with the given decimals, or "?" for
// a value that is not finite, so that no "nan" or "inf" reaches the report.
struct Shown_Value {
    char text[64];
};
static Shown_Value Shown(double v, int decimals) {
    Shown_Value s;
    if (std::isfinite(v)) std::snprintf(s.text, sizeof s.text, "%.*f", decimals, v);
    else std::snprintf(s.text, sizeof s.text, "?");
    return s;
}

int Print_Weld_Description(NahtElement* w, int one_sided, int short_form, FILE* f, int mode) {
    if (!w) return -1;
    if (!f) return w->kind;
    const bool kind_word = mode != 1;
    bool first = !kind_word;  // the first piece then drops its ", "
    auto piece = [&](const char* text) {
        OLI_printf(f, "%s%s", first ? "" : ", ", text);
        first = false;
    };
    char buf[128];
    switch (w->kind) {
    case WELD_FILLET:
        if (kind_word) OLI_printf(f, "%sKehlnaht", Check_Line_Prefix);
        if (mode != 3) piece(one_sided ? "einseitig" : "beidseitig");
        std::snprintf(buf, sizeof buf, "%sNahtdicke a = %s mm", w->e > 0.1 ? "wirks. " : "", Shown(w->a, 1).text);
        piece(buf);
        break;
    case WELD_SLOT:
        if (kind_word) OLI_printf(f, "%sSchlitznaht", Check_Line_Prefix);
        std::snprintf(buf, sizeof buf, "Nahtdicke a = %s mm", Shown(w->a, 1).text);
        piece(buf);
        break;
    case WELD_BUTT:
        if (kind_word) OLI_printf(f, "%sStumpfnaht (", Check_Line_Prefix);
        OLI_printf(f, "%sdurchgeschweißt"_cp, w->full_penetration ? "" : "nicht ");
        if (!w->full_penetration && !one_sided) OLI_printf(f, ", beidseitig");
        if (kind_word) OLI_printf(f, ")");
        first = false;
        std::snprintf(buf, sizeof buf, "Nahtdicke a = %s mm", Shown(w->a, 1).text);
        piece(buf);
        break;
    case WELD_PLUG:
        if (kind_word) OLI_printf(f, "%sLochschweißung"_cp, Check_Line_Prefix);
        break;
    default:
        if (kind_word) OLI_printf(f, "%ssonstige Naht", Check_Line_Prefix);
        std::snprintf(buf, sizeof buf, "Nahtdicke a = %s mm", Shown(w->a, 1).text);
        piece(buf);
        break;
    }
    if (w->kind != WELD_PLUG && !(w->l_w <= 0.1)) {  // a length that is not a number is shown
        std::snprintf(buf, sizeof buf, "Nahtlänge l╬\\w╬r = %s mm%s"_cp, Shown(w->l_w, 1).text,
                      w->kind == WELD_FILLET && w->full_length ? " (voll ausgeführt)"_cp : "");
        piece(buf);
    }
    if (w->kind == WELD_SLOT) {
        std::snprintf(buf, sizeof buf, "Schlitzdurchmesser d = %s mm", Shown(w->d, 1).text);
        piece(buf);
        std::snprintf(buf, sizeof buf, "Schlitzlänge l = %s mm"_cp, Shown(w->l, 1).text);
        piece(buf);
    }
    if (w->kind == WELD_PLUG) {
        std::snprintf(buf, sizeof buf, "Lochdurchmesser d = %s mm", Shown(w->d, 1).text);
        piece(buf);
        std::snprintf(buf, sizeof buf, "Lochlänge l = %s mm"_cp, Shown(w->l, 1).text);
        piece(buf);
        std::snprintf(buf, sizeof buf, "Dicke der Lochschweißung a = %s mm"_cp, Shown(w->a, 1).text);
        piece(buf);
    }
    if (w->kind == WELD_BUTT) {
        if (w->angle < 0.001) {
            piece("Stoß"_cp);
        } else {
            std::snprintf(buf, sizeof buf, "Öffnungswinkel ┌ = %s°"_cp, Shown(w->angle, 0).text);
            piece(buf);
            if (!one_sided) OLI_printf(f, " / %s°"_cp, Shown(180.0 - w->angle, 0).text);
        }
    }
    OLI_printf(f, "\n");
    if (w->kind == WELD_FILLET && w->e > 0.1 && !short_form) {
        // Throat at the contact point: the penetration measured across the
        // throat is taken off (a' = a - e sin(angle/2); a'' the other leg).
        const double half = w->angle / 2.0 * 3.14159265358979323846 / 180.0;
        OLI_printf(f, "%sEinbrandtiefe e = %s mm  ê  Nahtdicke im Kontaktpunkt"_cp, Check_Line_Prefix,
                   Shown(w->e, 1).text);
        OLI_printf(f, " a' = %s mm", Shown(w->a - w->e * std::sin(half), 1).text);
        if (std::fabs(w->angle - 90.0) > 0.001) OLI_printf(f, " a'' = %s mm", Shown(w->a - w->e * std::cos(half), 1).text);
        OLI_printf(f, "\n");
    }
    return w->kind;
}

void Print_Connection_Headings(NahtGruppe* g, FILE* f, int print_level) {
    if (!g || !f) return;
    (void)print_level;
    NahtElement w = Group_Weld(g);
    OLI_printf(f, "%s╬HVerbindungsmittel\n"_cp, Check_Line_Prefix);
    Print_Weld_Description(&w, g->one_sided, 0, f, 0);

    const bool two = g->plate1.t > 0.001 && g->plate2.t > 0.001;
    OLI_printf(f, two ? "%s╬HAnschlussbleche\n"_cp : "%s╬HAnschlussblech\n"_cp, Check_Line_Prefix);
    const int mask = PLATE_THICKNESS | PLATE_MATERIAL | PLATE_BETA_W;
    OLI_printf(f, "%sBlech 1 mit ", Check_Line_Prefix);
    Print_Plate(&g->plate1, f, mask, 0, "1");
    if (g->strength_table) Print_Steel_Params_By_Thickness(&g->plate1.material, f, 0x2, 0, "1");
    OLI_printf(f, "%sBlech 2 mit ", Check_Line_Prefix);
    Print_Plate(&g->plate2, f, mask, 0, "2");
    if (g->strength_table) Print_Steel_Params_By_Thickness(&g->plate2.material, f, 0x2, 0, "2");
    if (g->packing) {
        OLI_printf(f, "%sFutterblech mit ", Check_Line_Prefix);
        OLI_printf(f, "Dicke t╬\\p╬r = %s mm\n"_cp, Shown(g->t_p, 1).text);
    }

    OLI_printf(f, "%s╬HNachweise\n"_cp, Check_Line_Prefix);
    OLI_printf(f, g->method & WELD_METHOD_DIRECTIONAL ? "%srichtungsbezogenes Verfahren\n" : "%svereinfachtes Verfahren\n",
               Check_Line_Prefix);
    if (g->one_sided == WELD_TWO_SIDED && (g->method & WELD_METHOD_DIRECTIONAL) && g->force_mode == WELD_FORCES_GIVEN)
        // Both welds are checked with their own signs; the worse one is named
        // in the check.
        OLI_printf(f, "%sbeidseitige Schweißnaht, Nachweisführung für die ungünstigere Seite\n"_cp, Check_Line_Prefix);
    else if (g->one_sided == WELD_TWO_SIDED)
        OLI_printf(f, "%sbeidseitige Schweißnaht, Nachweisführung nur für die %s Seite\n"_cp, Check_Line_Prefix,
                   "linke");
    else
        OLI_printf(f, "%seinseitige Schweißnaht (%s), Zusatzspannungen aus exzentrischer Belastung berücksichtigen\n"_cp,
                   Check_Line_Prefix, g->one_sided == WELD_ONE_SIDED_OTHER ? "rechts" : "links");

    const bool directional = g->method & WELD_METHOD_DIRECTIONAL;
    if (g->force_mode == WELD_FORCES_GIVEN) {
        OLI_printf(f, "%sBemessungsschnittgrößen im Anschlussblech 2%s:\n"_cp, Check_Line_Prefix,
                   g->one_sided == WELD_TWO_SIDED ? " (gesamt)" : "");
        // Zero values are left out; a value that is not a number is shown.
        const struct {
            double value;  // N or Nmm
            double zero;   // WELD_FORCE_ZERO or WELD_MOMENT_ZERO
            double shown;  // in unit
            const char* label;
            const char* unit;
        } forces[] = {
            {g->N_Ed, WELD_FORCE_ZERO, Weld_kN(g->N_Ed), "Normalkraft  N╬\\Ed╬r"_cp, "kN"},
            {g->M_p_Ed, WELD_MOMENT_ZERO, Weld_kNm(g->M_p_Ed), "Biegemoment parallel zur Nahtachse  M╬\\p,Ed╬r"_cp, "kNm"},
            {g->M_s_Ed, WELD_MOMENT_ZERO, Weld_kNm(g->M_s_Ed), "Biegemoment senkrecht zur Nahtachse  M╬\\s,Ed╬r"_cp, "kNm"},
            {g->V_p_Ed, WELD_FORCE_ZERO, Weld_kN(g->V_p_Ed), "Querkraft parallel zur Nahtachse  V╬\\p,Ed╬r"_cp, "kN"},
            {g->V_s_Ed, WELD_FORCE_ZERO, Weld_kN(g->V_s_Ed), "Querkraft senkrecht zur Nahtachse  V╬\\s,Ed╬r"_cp, "kN"},
        };
        for (const auto& force : forces)
            if (!(std::fabs(force.value) <= force.zero))
                OLI_printf(f, "%s%s = %s %s\n", Check_Line_Prefix, force.label, Shown(force.shown, 2).text, force.unit);
    } else if (g->force_mode == WELD_FORCE_PER_LENGTH_GIVEN) {
        if (directional) {
            // The directional method takes the components; a larger given
            // resultant is taken along the weld, so it is shown as well.
            OLI_printf(f, "%sBemessungskräfte in der Schweißnaht"_cp, Check_Line_Prefix);
            if (!(std::fabs(g->F_w_Ed) <= WELD_PER_LENGTH_ZERO))
                OLI_printf(f, "  F╬\\w,Ed╬r = %s kN/cm"_cp, Shown(Weld_kN_per_cm(g->F_w_Ed), 2).text);
            OLI_printf(f, "\n");
            OLI_printf(f, "%sparallel zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r  F╬\\Ed╬r(Í╬\\%s╬r) = %s kN/cm\n"_cp,
                       Check_Line_Prefix, "p", Shown(Weld_kN_per_cm(g->F_tau_par), 2).text);
            OLI_printf(f, "%ssenkrecht zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r  F╬\\Ed╬r(Í╬\\%s╬r) = %s kN/cm\n"_cp,
                       Check_Line_Prefix, "s", Shown(Weld_kN_per_cm(g->F_tau_perp), 2).text);
        } else {
            OLI_printf(f, "%sBemessungskraft in der Schweißnaht"_cp, Check_Line_Prefix);
            OLI_printf(f, "  F╬\\w,Ed╬r = %s kN/cm"_cp, Shown(Weld_kN_per_cm(g->F_w_Ed), 2).text);
            OLI_printf(f, "\n");
        }
    } else {
        if (directional) {
            OLI_printf(f, "%sBemessungsspannungen in der Schweißnaht\n"_cp, Check_Line_Prefix);
            OLI_printf(f, "%s╠╬\\%s╬r = %s N/mm²,  Í╬\\%s╬r = %s N/mm²,  Í╬\\%s╬r = %s N/mm²\n"_cp, Check_Line_Prefix,
                       "s", Shown(g->sigma_perp, 2).text, "s", Shown(g->tau_perp, 2).text, "p",
                       Shown(g->tau_par, 2).text);
        } else {
            OLI_printf(f, "%sBemessungsspannung in der Schweißnaht"_cp, Check_Line_Prefix);
            OLI_printf(f, "  ╠╬\\w,Ed╬r = %s N/mm²\n"_cp, Shown(g->sigma_w_Ed, 2).text);
        }
    }
}
