// The steel profile's block of the connection's input file (every older
// block version is read; catalogue profiles of the oldest files are rebuilt
// from the catalogue) and its print text: the description by profile type
// and, on request, the section values, each in a compact and a full form.
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/input_ranges.h"
#include "platform/msgbox.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/profile_catalogue.h"
#include "profiles/stahlprofil.h"

namespace {

// Once per program run each.
int notice_missing_shown = 0;
int notice_present_shown = 0;

void Notice_Once(int* shown, const char* text) {
    if (*shown || VEK_Batch_Mode()) return;
    *shown = 1;
    PrintMessage("%s", text);
}

// Reads one word into a field of size bytes. A longer word than the field
// holds (no program writes one) is refused with its length, not cut: the
// designation is the user's; so is one holding the print list's markup
// escape (Last_Input_Value_Refusal names either). 1 when a word was read.
int Read_Word(FILE* f, char* field, int size) {
    char format[16];
    std::snprintf(format, sizeof format, " %%%ds", size - 1);
    if (std::fscanf(f, format, field) != 1) return 0;
    int c;
    long more = 0;
    while ((c = std::fgetc(f)) != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r') ++more;
    if (c != EOF) std::ungetc(c, f);
    if (more > 0)
        return Note_Input_Text_Too_Long(std::strlen(field) + static_cast<size_t>(more), static_cast<size_t>(size - 1),
                                        "Profilname", "profile name");
    return Input_Text_Free_Of_Markup(field, std::strlen(field), "Profilname", "profile name");
}

// The oldest files name catalogue profiles only: rebuild them from the
// catalogue, keeping the name and the material read.
void Rebuild_From_Catalogue(Stahlprofil* p) {
    char name[STAHLPROFIL_NAME_SIZE];
    std::memcpy(name, p->name, sizeof name);
    if (Init_Profile_From_Name(p, name) != 0) {
        // No catalogue shape fits: no profile, in the default steel. The
        // name read stays, so that what shows or checks the profile names
        // the designation the catalogue lacks (not the catalogue's "???").
        p->type = 0;
        Default_Material_Params(&p->material);
        std::memcpy(p->name, name, sizeof name);
    }
}

bool Differ(double a, double b) { return std::fabs(a - b) >= 0.001; }

const char* Made(const Stahlprofil* p) { return p->hot_finished ? "warm" : "kalt"; }

// The radius items of a compact line: r_1, then r_2, each above 0.1 mm.
void Compact_Radii(FILE* f, const Stahlprofil* p) {
    if (!p->rolled) return;
    if (p->r_1 > 0.1) OLI_printf(f, ",  r = %.1lf mm", p->r_1);
    if (p->r_2 > 0.1) OLI_printf(f, ",  r╬\\2╬r = %.1lf mm"_cp, p->r_2);
}

bool Welds_Differ(const Stahlprofil* p) {
    return p->weld_kind_top != p->weld_kind_bottom || Differ(p->a_o, p->a_u);
}

// The two flanges' welds of an I section whose welds differ.
void Top_And_Bottom_Welds(FILE* f, const Stahlprofil* p, const char* separator, const char* penetration_note) {
    if (p->weld_kind_top == 0) OLI_printf(f, "oben Kehlnaht a╬\\o╬r = %.1lf mm"_cp, p->a_o);
    else OLI_printf(f, "oben durchgeschweißt%s"_cp, penetration_note);
    OLI_printf(f, "%s", separator);
    if (p->weld_kind_bottom == 0) OLI_printf(f, "unten Kehlnaht a╬\\u╬r = %.1lf mm"_cp, p->a_u);
    else OLI_printf(f, "unten durchgeschweißt%s"_cp, penetration_note);
}

bool Has_Throat(const Stahlprofil* p) { return !p->rolled && (p->a_o > 0.1 || p->a_u > 0.1); }

void Full_Manufacture(FILE* f, const Stahlprofil* p) {
    const char* P = Check_Line_Prefix;
    const bool two_radii = p->r_1 > 0.1 && p->r_2 > 0.1;
    if (p->rolled && (p->r_1 > 0.1 || p->r_2 > 0.1)) {
        OLI_printf(f, "%sgewalztes Profil, Ausrundungsradi%s", P, two_radii ? "en" : "us");
        if (p->r_1 > 0.1) OLI_printf(f, " r = %.1lf mm", p->r_1);
        if (two_radii) OLI_printf(f, ",");
        if (p->r_2 > 0.1) OLI_printf(f, " r╬\\2╬r = %.1lf mm"_cp, p->r_2);
        OLI_printf(f, "\n");
    } else if (Has_Throat(p)) {
        OLI_printf(f, "%sgeschweißtes Profil"_cp, P);
        const int t = p->type;
        if (Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_C, PROFILTYP_RECHTECK, PROFILTYP_U, PROFILTYP_KASTEN})) {
            OLI_printf(f, " (durchgeschweißt)"_cp);
        } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, t) && Welds_Differ(p)) {
            OLI_printf(f, ": ");
            Top_And_Bottom_Welds(f, p, ", ", " (DHV-Naht)");
        } else if (p->weld_kind_top == 0) {
            OLI_printf(f, ", Kehlnahtdicke a = %.1lf mm", p->a_o);
        } else {
            OLI_printf(f, ", durchgeschweißt (DHV-Naht)"_cp);
        }
        OLI_printf(f, "\n");
    }
}

// The full description of a type 1..17.
void Full_Dimensions(FILE* f, const Stahlprofil* p) {
    const char* P = Check_Line_Prefix;
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const int t = p->type;
    if (t == PROFILTYP_L) {
        if (Differ(t_w, t_o)) {
            OLI_printf(f, "%sSchenkellänge 1 l╬\\1╬r = %.1lf mm,  "_cp, P, h);
            OLI_printf(f, "Schenkeldicke 1 t╬\\1╬r = %.1lf mm\n"_cp, t_w);
            OLI_printf(f, "%sSchenkellänge 2 l╬\\2╬r = %.1lf mm,  "_cp, P, b_o);
            OLI_printf(f, "Schenkeldicke 2 t╬\\2╬r = %.1lf mm\n"_cp, t_o);
        } else {
            OLI_printf(f, "%sSchenkellängen l╬\\1╬r = %.1lf mm,  l╬\\2╬r = %.1lf mm,  "_cp, P, h, b_o);
            OLI_printf(f, "Schenkeldicke t = %.1lf mm\n", t_w);
        }
    } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, t) || t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        OLI_printf(f, "%sGesamthöhe h = %.1lf mm,  "_cp, P, h);
        OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm\n"_cp, t_w);
        if (Is_Profile_Type_In(PROFILTYP_MASK_I, t) && (Differ(b_o, b_u) || Differ(t_o, t_u))) {
            OLI_printf(f, "%sFlanschbreite oben b╬\\fo╬r = %.1lf mm,  "_cp, P, b_o);
            OLI_printf(f, "Flanschdicke oben t╬\\fo╬r = %.1lf mm\n"_cp, t_o);
            OLI_printf(f, "%sFlanschbreite unten b╬\\fu╬r = %.1lf mm,  "_cp, P, b_u);
            OLI_printf(f, "Flanschdicke unten t╬\\fu╬r = %.1lf mm\n"_cp, t_u);
        } else {
            OLI_printf(f, "%sFlanschbreite b╬\\f╬r = %.1lf mm,  "_cp, P, b_o);
            OLI_printf(f, "Flanschdicke t╬\\f╬r = %.1lf mm\n"_cp, t_o);
        }
    } else if (t == PROFILTYP_FLACH) {
        OLI_printf(f, "%sHöhe h = %.1lf mm,  "_cp, P, h);
        OLI_printf(f, "Dicke t = %.1lf mm\n", t_w);
    } else if (t == PROFILTYP_RUND) {
        OLI_printf(f, "%sDurchmesser d = %.1lf mm\n", P, h);
    } else if (t == PROFILTYP_ROHR) {
        OLI_printf(f, "%sDurchmesser d = %.1lf mm,  ", P, h);
        OLI_printf(f, "Wanddicke t = %.1lf mm", t_w);
        OLI_printf(f, ",  %sgefertigt\n", Made(p));
    } else if (t == PROFILTYP_RECHTECK) {
        OLI_printf(f, "%sGesamthöhe h = %.1lf mm,  "_cp, P, h);
        OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm\n"_cp, t_w);
        OLI_printf(f, "%sGesamtbreite b = %.1lf mm,  ", P, b_o);
        OLI_printf(f, "Flanschdicke t╬\\f╬r = %.1lf mm"_cp, t_o);
        OLI_printf(f, ",  %sgefertigt\n", Made(p));
    } else if (t == PROFILTYP_Z) {
        OLI_printf(f, "%sProfilhöhe h = %.1lf mm,  "_cp, P, h);
        if (Differ(t_o, t_w)) {
            OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm\n"_cp, t_w);
            OLI_printf(f, "%sProfilbreite b = %.1lf mm (Flanschbreite b╬\\f╬r = %.1lf mm),  "_cp, P, b_o, (b_o + t_w) / 2);
            OLI_printf(f, "Flanschdicke t╬\\f╬r = %.1lf mm\n"_cp, t_o);
        } else {
            OLI_printf(f, "Profilbreite b = %.1lf mm (Flanschbreite b╬\\f╬r = %.1lf mm),  "_cp, b_o, (b_o + t_w) / 2);
            OLI_printf(f, "Flansch-, Stegdicke t = %.1lf mm\n", t_w);
        }
    } else if (t == PROFILTYP_C || t == PROFILTYP_U) {
        OLI_printf(f, "%sProfilhöhe h = %.1lf mm,  "_cp, P, h);
        if (Differ(t_o, t_w)) {
            OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm\n"_cp, t_w);
            OLI_printf(f, "%sSchenkellängen l = %.1lf mm,  "_cp, P, b_o);
            OLI_printf(f, "Schenkeldicken t╬\\f╬r = %.1lf mm\n"_cp, t_o);
        } else {
            OLI_printf(f, "Schenkellängen l = %.1lf mm,  "_cp, b_o);
            OLI_printf(f, "Profildicke t = %.1lf mm\n", t_w);
        }
    } else if (t == PROFILTYP_KASTEN) {
        OLI_printf(f, "%sGesamthöhe h = %.1lf mm,  "_cp, P, h);
        OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm,  "_cp, t_w);
        if (Differ(b_o, b_u)) OLI_printf(f, "Flanschbreiten b╬\\fo╬r = %.1lf mm,  b╬\\fu╬r = %.1lf mm"_cp, b_o, b_u);
        else OLI_printf(f, "Flanschbreite b╬\\f╬r = %.1lf mm"_cp, b_o);
        OLI_printf(f, "\n%s", P);
        if (Differ(t_o, t_u) || Differ(p->b_ueo, p->b_ueu)) {
            OLI_printf(f, "Flanschdicken t╬\\fo╬r = %.1lf mm,  t╬\\fu╬r = %.1lf mm,  "_cp, t_o, t_u);
            OLI_printf(f, "Überstande b╬\\üo╬r = %.1lf mm,  b╬\\üu╬r = %.1lf mm"_cp, p->b_ueo, p->b_ueu);
        } else {
            OLI_printf(f, "Überstand b╬\\ü╬r = %.1lf mm,  "_cp, p->b_ueo);
            OLI_printf(f, "Flanschdicke t╬\\f╬r = %.1lf mm"_cp, t_o);
        }
        OLI_printf(f, "\n");
    } else if (t == PROFILTYP_TRAPEZ) {
        OLI_printf(f, "%sProfilhöhe h = %.1lf mm,  "_cp, P, h);
        if (Differ(t_o, t_w)) {
            OLI_printf(f, "Stegdicke t╬\\w╬r = %.1lf mm\n"_cp, t_w);
            OLI_printf(f, "%sFlanschbreite b╬\\f╬r = %.1lf mm,  "_cp, P, b_o);
            OLI_printf(f, "Flanschdicke t╬\\f╬r = %.1lf mm"_cp, t_o);
        } else {
            OLI_printf(f, "Flanschbreite b╬\\f╬r = %.1lf mm,  "_cp, b_o);
            OLI_printf(f, "Profildicke t = %.1lf mm", t_w);
        }
        OLI_printf(f, ",  Fußbreite b = %.1lf mm\n"_cp, b_u);
    }
    if (!Is_Profile_Type_One_Of(t, {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_ROHR, PROFILTYP_TRAPEZ}))
        Full_Manufacture(f, p);
}

// The compact description of a type 1..17.
void Compact_Dimensions(FILE* f, const Stahlprofil* p, int options) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const int t = p->type;
    OLI_printf(f, "%s", Check_Line_Prefix);
    if (t == PROFILTYP_L) {
        if (Differ(t_w, t_o)) {
            OLI_printf(f, "l╬\\1╬r = %.1lf mm,  t╬\\1╬r = %.1lf mm,  "_cp, h, t_w);
            OLI_printf(f, "l╬\\2╬r = %.1lf mm,  t╬\\2╬r = %.1lf mm"_cp, b_o, t_o);
        } else {
            OLI_printf(f, "l╬\\1╬r = %.1lf mm,  l╬\\2╬r = %.1lf mm,  t = %.1lf mm"_cp, h, b_o, t_w);
        }
        Compact_Radii(f, p);
    } else if (Is_Profile_Type_In(PROFILTYP_MASK_I, t)) {
        const bool differ = Differ(b_o, b_u) || Differ(t_o, t_u);
        OLI_printf(f, "h = %.1lf mm,  t╬\\w╬r = %.1lf mm,  "_cp, h, t_w);
        if (differ)
            OLI_printf(f, "b╬\\fo╬r = %.1lf mm,  t╬\\fo╬r = %.1lf mm,  b╬\\fu╬r = %.1lf mm,  t╬\\fu╬r = %.1lf mm"_cp, b_o,
                       t_o, b_u, t_u);
        else
            OLI_printf(f, "b╬\\f╬r = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, b_o, t_o);
        if (Has_Throat(p)) {
            if (differ) OLI_printf(f, ",  ");
            else OLI_printf(f, "\n%s", Check_Line_Prefix);
            if (Welds_Differ(p)) {
                Top_And_Bottom_Welds(f, p, ",  ", "");
            } else if (p->weld_kind_top == 0) {
                OLI_printf(f, "Kehlnaht a = %.1lf mm", p->a_o);
            } else {
                OLI_printf(f, "durchgeschweißt"_cp);
            }
        }
        if (p->rolled && p->r_1 > 0.1) OLI_printf(f, ",  r = %.1lf mm", p->r_1);
    } else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        OLI_printf(f, "h = %.1lf mm,  t╬\\w╬r = %.1lf mm,  b╬\\f╬r = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, h, t_w, b_o, t_o);
        Compact_Radii(f, p);
        if (Has_Throat(p)) {
            if (p->weld_kind_top == 0) OLI_printf(f, ",  Kehlnaht a = %.1lf mm", p->a_o);
            else OLI_printf(f, ",  durchgeschweißt"_cp);
        }
    } else if (t == PROFILTYP_FLACH) {
        OLI_printf(f, "h = %.1lf mm,  t = %.1lf mm", h, t_w);
        // A material print that follows continues the line.
        if (options > 0) {
            OLI_printf(f, ",  ");
            return;
        }
    } else if (t == PROFILTYP_RUND) {
        OLI_printf(f, "d = %.1lf mm", h);
    } else if (t == PROFILTYP_ROHR) {
        OLI_printf(f, "d = %.1lf mm,  t = %.1lf mm", h, t_w);
        OLI_printf(f, ",  %sgefertigt", Made(p));
    } else if (t == PROFILTYP_RECHTECK) {
        OLI_printf(f, "h = %.1lf mm,  t╬\\w╬r = %.1lf mm,  b = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, h, t_w, b_o, t_o);
        Compact_Radii(f, p);
        OLI_printf(f, ",  %sgefertigt", Made(p));
    } else if (t == PROFILTYP_Z) {
        OLI_printf(f, "h = %.1lf mm,  ", h);
        if (Differ(t_o, t_w))
            OLI_printf(f, "t╬\\w╬r = %.1lf mm,  b = %.1lf mm (b╬\\f╬r = %.1lf mm),  t╬\\f╬r = %.1lf mm"_cp, t_w, b_o,
                       (b_o + t_w) / 2, t_o);
        else
            OLI_printf(f, "b = %.1lf mm (b╬\\f╬r = %.1lf mm),  t = %.1lf mm"_cp, b_o, (b_o + t_w) / 2, t_w);
        Compact_Radii(f, p);
    } else if (t == PROFILTYP_C || t == PROFILTYP_U) {
        OLI_printf(f, "h = %.1lf mm,  ", h);
        if (Differ(t_o, t_w)) OLI_printf(f, "t╬\\w╬r = %.1lf mm,  l = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, t_w, b_o, t_o);
        else OLI_printf(f, "l = %.1lf mm,  t = %.1lf mm", b_o, t_w);
        if (p->rolled && p->r_1 > 0.1) OLI_printf(f, ",  r = %.1lf mm", p->r_1);
    } else if (t == PROFILTYP_KASTEN) {
        OLI_printf(f, "h = %.1lf mm,  t╬\\w╬r = %.1lf mm (2x),  "_cp, h, t_w);
        if (Differ(b_o, b_u)) OLI_printf(f, "b╬\\fo╬r = %.1lf mm,  b╬\\fu╬r = %.1lf mm"_cp, b_o, b_u);
        else OLI_printf(f, "b╬\\f╬r = %.1lf mm"_cp, b_o);
        OLI_printf(f, "\n%s", Check_Line_Prefix);
        if (Differ(t_o, t_u) || Differ(p->b_ueo, p->b_ueu)) {
            OLI_printf(f, "b╬\\üo╬r = %.1lf mm,  t╬\\fo╬r = %.1lf mm,  "_cp, p->b_ueo, t_o);
            OLI_printf(f, "b╬\\üu╬r = %.1lf mm,  t╬\\fu╬r = %.1lf mm"_cp, p->b_ueu, t_u);
        } else {
            OLI_printf(f, ",  b╬\\ü╬r = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, p->b_ueo, t_o);
        }
    } else if (t == PROFILTYP_TRAPEZ) {
        OLI_printf(f, "h = %.1lf mm,  ", h);
        if (Differ(t_o, t_w)) OLI_printf(f, "t╬\\w╬r = %.1lf mm,  b╬\\f╬r = %.1lf mm,  t╬\\f╬r = %.1lf mm"_cp, t_w, b_o, t_o);
        else OLI_printf(f, "b╬\\f╬r = %.1lf mm,  t = %.1lf mm"_cp, b_o, t_w);
        OLI_printf(f, ",  b = %.1lf mm\n", b_u);
        return;
    }
    OLI_printf(f, "\n");
}

void Full_Values(FILE* f, const Stahlprofil* p) {
    const char* P = Check_Line_Prefix;
    const int t = p->type;
    if (t == PROFILTYP_TRAPEZ) {
        OLI_printf(f, "%slichte Profilhöhe d╬\\w╬r = %.1lf mm"_cp, P, p->h_w);
        OLI_printf(f, ",  lichte Flanschbreite c╬\\f╬r = %.1lf mm\n"_cp, p->c_o);
    } else if (t == PROFILTYP_KASTEN) {
        OLI_printf(f, "%slichte Profilhöhe d╬\\w╬r = %.1lf mm,  "_cp, P, p->h_w);
        if (Differ(p->b_fo, p->b_fu))
            OLI_printf(f, "lichte Flanschbreiten c╬\\fo╬r = %.1lf mm,  c╬\\fu╬r = %.1lf mm"_cp, p->c_o, p->c_u);
        else
            OLI_printf(f, "lichte Flanschbreite b╬\\f╬r = %.1lf mm"_cp, p->c_o);
        OLI_printf(f, "\n");
    } else if (!Is_Profile_Type_One_Of(t, {PROFILTYP_FLACH, PROFILTYP_RUND, PROFILTYP_ROHR})) {
        OLI_printf(f, "%sSteghöhe ohne Ausrundung/Schweißnaht d╬\\w╬r = %.1lf mm\n"_cp, P, p->h_w);
        if (t != PROFILTYP_RECHTECK) {
            if (std::fabs(p->c_o - p->c_u) <= 0.001)
                OLI_printf(f, "%sBreite einer Flanschseite ohne Ausrundung/Schweißnaht c╬\\f╬r = %.1lf mm\n"_cp, P, p->c_o);
            else
                OLI_printf(f,
                           "%sBreiten einer Flanschseite ohne Ausrundung/Schweißnaht c╬\\fo╬r = %.1lf mm,  "
                           "c╬\\fu╬r = %.1lf mm\n"_cp,
                           P, p->c_o, p->c_u);
        }
    }
    if (Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_C, PROFILTYP_U}))
        OLI_printf(f, "%sSchwerpunktabstand von links oben y╬\\s╬r = %.1lf mm,  z╬\\s╬r = %.1lf mm\n"_cp, P, p->y_s, p->z_s);
    else
        OLI_printf(f, "%sSchwerpunktabstand von oben z╬\\s╬r = %.1lf mm\n"_cp, P, p->z_s);
    if (std::fabs(p->y_M) > 0.01 || std::fabs(p->z_M) > 0.01)
        OLI_printf(f, "%sAbstand des Schubmittelpunkts vom Schwerpunkt y╬\\M╬r = %.1lf mm,  z╬\\M╬r = %.1lf mm\n"_cp, P,
                   p->y_M, p->z_M);
    OLI_printf(f, "%sQuerschnittsfläche A = %.2lf cm²"_cp, P, p->A / 100);
    if (p->U > 0.1) OLI_printf(f, ",  Umfang U = %.2lf cm", p->U / 10);
    OLI_printf(f, "\n");
    OLI_printf(f, "%sFlächenträgheitsmomente I╬\\y╬r = %.2lf cm╬/4╬r,  I╬\\z╬r = %.2lf cm╬/4╬r"_cp, P, p->I_y / 1e4,
               p->I_z / 1e4);
    if (std::fabs(p->I_yz) > 0.01) OLI_printf(f, ",  I╬\\yz╬r = %.2lf cm╬/4╬r"_cp, p->I_yz / 1e4);
    if (std::fabs(p->alpha) > 0.01) {
        double phi = std::atan(-2 * p->I_yz / (p->I_y - p->I_z));
        double m = (p->I_y + p->I_z) / 2, d = (p->I_y - p->I_z) / 2 * std::cos(phi) - p->I_yz * std::sin(phi);
        OLI_printf(f, "\n%s", P);
        OLI_printf(f, "Hauptträgheitsmomente I╬\\┴╬r = %.2lf cm╬/4╬r,  I╬\\Ë╬r = %.2lf cm╬/4╬r"_cp, (m + d) / 1e4,
                   (m - d) / 1e4);
        OLI_printf(f, ",  Hauptachsendrehwinkel ║ = %.2lf°"_cp, p->alpha);
    }
    OLI_printf(f, "\n");
    if (p->W_pl_y / 1000 > 0.001 || p->W_pl_z / 1000 > 0.001)
        OLI_printf(f, "%splastische Widerstandsmomente W╬\\pl,y╬r = %.2lf cm·,  W╬\\pl,z╬r = %.2lf cm·\n"_cp, P,
                   p->W_pl_y / 1000, p->W_pl_z / 1000);
    OLI_printf(f, "%swirksame Schubflächen A╬\\vy╬r = %.2lf cm²,  A╬\\vz╬r = %.2lf cm²\n"_cp, P, p->A_vy / 100,
               p->A_vz / 100);
    if (p->I_T / 1e4 > 0.001) OLI_printf(f, "%sTorsionsträgheitsmoment I╬\\T╬r = %.2lf cm╬/4╬r\n"_cp, P, p->I_T / 1e4);
    if (p->I_w / 1e6 > 0.001) OLI_printf(f, "%sWölbträgheitsmoment I╬\\ð╬r = %.2lf cm╬/6╬r\n"_cp, P, p->I_w / 1e6);
}

void Compact_Values(FILE* f, const Stahlprofil* p) {
    const char* P = Check_Line_Prefix;
    OLI_printf(f, "%s", P);
    OLI_printf(f, "A = %.2lf cm²"_cp, p->A / 100);
    OLI_printf(f, ",  I╬\\y╬r = %.2lf cm╬/4╬r,  I╬\\z╬r = %.2lf cm╬/4╬r"_cp, p->I_y / 1e4, p->I_z / 1e4);
    int items = 3;
    if (std::fabs(p->I_yz) > 0.01) {
        OLI_printf(f, ",  I╬\\yz╬r = %.2lf cm╬/4╬r"_cp, p->I_yz / 1e4);
        items++;
    }
    if (std::fabs(p->alpha) > 0.01) {
        OLI_printf(f, ",  ║ = %.2lf°"_cp, p->alpha);
        items++;
    }
    auto separate = [&]() {
        if (items >= 5) {
            OLI_printf(f, "\n%s", P);
            items = 1;
        } else {
            OLI_printf(f, ",  ");
            items++;
        }
    };
    if (p->I_T / 1e4 > 0.001) {
        separate();
        OLI_printf(f, "I╬\\T╬r = %.2lf cm╬/4╬r"_cp, p->I_T / 1e4);
    }
    if (std::fabs(p->y_s) > 0.01) {
        separate();
        OLI_printf(f, "y╬\\s╬r = %.1lf mm"_cp, p->y_s);
    }
    if (std::fabs(p->z_s) > 0.01) {
        separate();
        OLI_printf(f, "z╬\\s╬r = %.1lf mm"_cp, p->z_s);
    }
    if (std::fabs(p->y_M) > 0.01 || std::fabs(p->z_M) > 0.01) {
        separate();
        OLI_printf(f, "y╬\\M╬r = %.1lf mm,  z╬\\M╬r = %.1lf mm"_cp, p->y_M, p->z_M);
    }
    OLI_printf(f, "\n");
}

}  // namespace

void Reset_Profile_Notices(void) { notice_missing_shown = notice_present_shown = 0; }

int Write_Profile(FILE* f, Stahlprofil* p) {
    if (!f || !p) return 1;
    if (std::fprintf(f, " %d\n", STAHLPROFIL_BLOCK_VERSION) < 0) return 1;
    if (std::fprintf(f, " %d %d %lf %lf %lf %lf %lf %lf %d %lf %lf %lf\n", p->kind, p->type, p->h, p->t_w, p->b_fo,
                     p->t_fo, p->b_fu, p->t_fu, p->rolled, p->r_1, p->a_o, p->a_u) < 0)
        return 1;
    // The name is one word in the file; an empty one is stored as a blank
    // so that the next line stays the next field.
    char name[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(p->name, name, sizeof name, 0);
    if (!name[0]) Copy_Trimmed(" ", name, sizeof name, 0);
    Blank_To_Tilde(name);
    if (std::fprintf(f, " %s\n", name) < 0) return 1;
    if (Write_Material_Params(f, &p->material) != 0) return 1;
    if (std::fprintf(f, " %lf %d\n", p->r_2, p->manager_flag) < 0) return 1;
    if (std::fprintf(f, " %lf %lf %d %d\n", p->b_ueo, p->b_ueu, p->weld_kind_top, p->weld_kind_bottom) < 0) return 1;
    if (std::fprintf(f, " %d\n", p->hot_finished) < 0) return 1;
    return 0;
}

int Read_Profile(FILE* f, Stahlprofil* p) {
    Clear_Input_Value_Refusal();
    if (!f || !p) return 1;
    Init_Profile(p);
    // Numbers in decimal form only, each a whole word: "nan", "inf" or a
    // damaged byte ("0X1", a hexadecimal number to the C library, "12abc")
    // make the block unreadable instead of a measure of the profile. (A
    // negative measure is the input check's error line.)
    auto ints = [f](std::initializer_list<int*> values) {
        for (int* v : values)
            if (Scan_Int_Word(f, v) != 1) return false;
        return true;
    };
    auto reals = [f](std::initializer_list<double*> values) {
        for (double* v : values)
            if (Scan_Double_Word(f, v) != 1) return false;
        return true;
    };
    int version = 0;
    if (!ints({&version})) return 1;
    if (version < 0 || !Check_File_Version(version, STAHLPROFIL_BLOCK_VERSION, 0)) return 1;
    // A kind, type or switch no page gives is named with its values.
    const Input_Range kinds{0.0, static_cast<double>(STAHLPROFIL_KIND_FOREIGN), ""};
    const Input_Range types{0.0, static_cast<double>(STAHLPROFIL_TYPE_COUNT - 1), ""};
    auto switches = [&ints](std::initializer_list<std::pair<int*, const char*>> values) {
        for (const auto& [v, name] : values)
            if (!ints({v}) || !Input_Value_Holds(RANGE_SWITCH, *v, name, nullptr, nullptr)) return false;
        return true;
    };
    if (!ints({&p->kind}) || !Input_Value_Within(kinds, p->kind, "Profil: Art", nullptr, "profile kind") ||
        !ints({&p->type}) || !Input_Value_Within(types, p->type, "Profil: Profiltyp", nullptr, "profile type") ||
        !reals({&p->h, &p->t_w, &p->b_fo, &p->t_fo, &p->b_fu, &p->t_fu}) ||
        !switches({{&p->rolled, "Profil: gewalzt"}}) || !reals({&p->r_1, &p->a_o, &p->a_u}))
        return 1;
    if (version >= 1) {
        if (!Read_Word(f, p->name, STAHLPROFIL_NAME_SIZE)) return 1;
        Tilde_To_Blank(p->name);
        Pad_Blank(p->name, STAHLPROFIL_NAME_SIZE);
    }
    if (Read_Material_Params(f, &p->material) != 0) return 1;
    const int available = Init_Profile_Selection(nullptr);
    if (version <= 1) {
        if (p->kind == STAHLPROFIL_KIND_CATALOGUE) Rebuild_From_Catalogue(p);
        else if (p->type > 1) p->type++;
    }
    if (version >= 3 && !reals({&p->r_2})) return 1;
    if (version >= 4) {
        int stored = 0;
        if (!ints({&stored})) return 1;
        if (!available && stored == 1 && p->kind == STAHLPROFIL_KIND_CATALOGUE) {
            p->kind = 0;
            Notice_Once(&notice_missing_shown,
                        "!! ACHTUNG !!\nDer neue Profilmanager ist nicht verfügbar.\n"
                        "Die betroffenen Profile werden parametrisiert angezeigt."_cp);
        }
        p->manager_flag = available;
    } else {
        p->manager_flag = available;
        if (available && p->kind == STAHLPROFIL_KIND_CATALOGUE)
            Notice_Once(&notice_present_shown,
                        "!! Der neue Profilmanager ist verfügbar !!\nBitte kontrollieren Sie die gewählten Profile."_cp);
    }
    if (version >= 5 && !reals({&p->b_ueo, &p->b_ueu})) return 1;
    if (version >= 6 && !switches({{&p->weld_kind_top, "Profil: Naht oben durchgeschwei\xE1t"},
                                   {&p->weld_kind_bottom, "Profil: Naht unten durchgeschwei\xE1t"}}))
        return 1;
    if (version >= 10 && !switches({{&p->hot_finished, "Profil: warmgefertigt"}})) return 1;
    // no such kind or type of profile
    if (p->kind < STAHLPROFIL_KIND_DIMENSIONS || p->kind > STAHLPROFIL_KIND_FOREIGN) return 1;
    if (p->type < 0 || p->type >= STAHLPROFIL_TYPE_COUNT) return 1;
    // A catalogue profile's measures come from the catalogue and only the
    // drawing takes them from here: no catalogue holds a negative one.
    if (p->kind == STAHLPROFIL_KIND_CATALOGUE)
        for (double v : {p->h, p->t_w, p->b_fo, p->t_fo, p->b_fu, p->t_fu, p->r_1, p->r_2, p->a_o, p->a_u})
            if (v < 0.0) return 1;
    return 0;
}

void Print_Profile_Parameters(Stahlprofil* p, FILE* f, int detail, int values, int options) {
    if (!p || !f) return;
    const char* P = Check_Line_Prefix;
    if (p->kind == STAHLPROFIL_KIND_DIMENSIONS) {
        char type_name[16];
        const char* tn = Get_Profile_Type_Name(p->type);
        Copy_Trimmed(tn ? tn : "", type_name, sizeof type_name, 2);
        OLI_printf(f, "%sProfilparameter (%s):\n", P, type_name);
    } else if (p->kind == STAHLPROFIL_KIND_CATALOGUE) {
        char name[STAHLPROFIL_NAME_SIZE];
        Copy_Trimmed(p->name, name, sizeof name, 2);
        OLI_printf(f, "%sProfil  %s%s", P, name, !values && (options & 1) ? ",  " : "\n");
    }
    const bool block = p->kind == STAHLPROFIL_KIND_DIMENSIONS || (p->kind == STAHLPROFIL_KIND_CATALOGUE && values);
    if (block) {
        OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 0.3);
        if (p->type < PROFILTYP_FLACH || p->type >= STAHLPROFIL_TYPE_COUNT) {
            OLI_printf(f, "%s╬HProfil nicht möglich %s\n"_cp, P, Mark_Alert());
            OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
            return;
        }
        if (detail) Full_Dimensions(f, p);
        else Compact_Dimensions(f, p, options);
        if (values) {
            Set_Section_Calc_Mode(1);
            Calc_Profile_Cross_Section(p, nullptr, 0, nullptr);
            Set_Section_Calc_Mode(0);
            if (detail) Full_Values(f, p);
            else Compact_Values(f, p);
        }
    }
    if (options & 1) Print_Material_Params(&p->material, f, options & 6, values, "");
    if (block) OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
}
