// The DIN 18800 evaluation of one load case through the welded-connection
// library.
#include "weldapp/din_anschluss.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "codes/material.h"
#include "codes/nad_file.h"
#include "codes/stguete.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/geschweisster_anschluss.h"
#include "profiles/stahlprofil.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weldelem.h"

namespace {

// The DIN catalogue's row of the steel DIN 18800 checks a grade of the weld
// grade table with: the row of the steel list's entry the window takes for
// it. The list lacks S450 and the S420 grades, whose strengths DIN 18800
// does not give; they are checked as the list's steel of the same delivery
// condition below them (S450 as S355 (St52)), in the batch as in the window,
// so that one file gives one answer. -1 for a grade the table lacks.
int Din_Row_Of_Grade(int grade) { return Steel_Choice_To_Stahlguete_Code(Grade_Index_To_Steel_Choice(grade)); }

// Grade code of a material: own strengths (and stainless steel) 14 with the
// own f_y; a grade of the weld grade table or of the steel choice list its
// row of the DIN catalogue. Aluminium has no DIN 18800 strengths: code 14
// without strength, which the checks refuse.
int Grade_Code(const Materialparameter_Record& m, float* own_f_y) {
    if (m.kind == 2) {
        *own_f_y = 0.0f;
        return DIN_GRADE_OWN_VALUES;
    }
    if (m.own_values || (m.kind == 0 && m.grade == WELD_GRADE_STAINLESS)) {
        *own_f_y = static_cast<float>(m.f_y);
        return DIN_GRADE_OWN_VALUES;
    }
    return m.kind == 1 ? Steel_Choice_To_Stahlguete_Code(m.grade) : Din_Row_Of_Grade(m.grade);
}

// The welds at the library's positions by the face each lies on, as the
// Eurocode check places them: a slot is a face of the profile, and its
// position is the number the program gives that face. The number a file
// gives the weld is its name only (kept for the lines that name it); taken
// as the position, a file numbered otherwise moved welds to other faces
// and their shear to welds that do not take it.
void Place_Welds_By_Face(const Nahtbild& n, GeschweissterAnschluss* r) {
    double face[STAHLPROFIL_EDGES];
    int position[STAHLPROFIL_EDGES];
    if (Get_Profile_Plate_Elements(&n.profile, face, position) <= 0) return;
    static_assert(static_cast<int>(NAHT_SLOTS) <= static_cast<int>(STAHLPROFIL_EDGES),
                  "every weld slot is a face of the edge table");
    for (int i = 0; i < NAHT_SLOTS; i++) {
        const int k = position[i];
        if (n.number[i] <= 0 || k < 1 || k > ANSCHLUSS_WELD_POSITIONS) continue;
        r->l_pos[k - 1] = n.length[i];
        r->a_pos[k - 1] = n.throat[i];
        r->number_pos[k - 1] = n.number[i];
    }
}

}  // namespace

int Din_Profile_Described(const Stahlprofil* p, const char** why) {
    const char* refused = nullptr;
    const int family = p ? Anschluss_Family_Of_Profile_Type(p->type) : -1;
    if (family < 0) {
        refused = "Profil nicht implementiert";
    } else if (family == ANSCHLUSS_I &&
               (std::fabs(p->b_fu - p->b_fo) > 0.001 || std::fabs(p->t_fu - p->t_fo) > 0.001)) {
        refused = "Profil mit ungleichen Flanschen nicht implementiert";
    }
    if (why) *why = refused;
    return refused ? 0 : 1;
}

int Din_Hand_Over(const SchweissnahtAnschluss* c, const LastfallErgebnis* e, GeschweissterAnschluss* r) {
    if (!c || !e || !r) return 0;
    Init_Geschweisster_Anschluss(r);
    const Nahtbild& n = c->naht;
    const Stahlprofil& p = n.profile;
    double* load = r->load;
    load[ANSCHLUSS_GAMMA_M] = c->gamma_M;
    const Schnittkraefte kn = Scale_Schnittkraefte(e->forces, SCHNITTKRAEFTE_TO_KN);
    load[ANSCHLUSS_N] = kn.N;
    load[ANSCHLUSS_V_Z] = kn.V_z;
    load[ANSCHLUSS_V_Y] = kn.V_y;
    load[ANSCHLUSS_M_Z] = kn.M_z;
    load[ANSCHLUSS_M_Y] = kn.M_y;
    load[ANSCHLUSS_M_X] = kn.M_x;
    // The connection keeps the share as a fraction, the library in per cent.
    load[ANSCHLUSS_CONTACT] = n.contact_fraction * 100.0;
    r->grades.grade = Grade_Code(p.material, &r->grades.user_f_y);
    // A full-penetration butt weld is the section it joins: it has no
    // throat (the input page shows none), and a hidden one must not decide.
    r->full_penetration = n.weld_kind == WELD_BUTT && n.full_penetration;
    r->partial_penetration = n.weld_kind == WELD_BUTT && !n.full_penetration;
    if (!r->full_penetration) {
        Place_Welds_By_Face(n, r);
        r->a_w = n.a_w;
    }
    r->family = Anschluss_Family_Of_Profile_Type(p.type);
    if (!Din_Profile_Described(&p, nullptr)) return 0;
    Copy_Trimmed(p.name, r->profile_name, ANSCHLUSS_NAME_SIZE, 2);
    std::memcpy(r->drawing_name, r->profile_name, sizeof r->drawing_name);
    // The library's dimensions: height (diameter), width, flange or bar
    // thickness, web or wall thickness. A flat bar of the weld program keeps
    // its thickness as t_w, a tube its wall, a round bar only its diameter.
    // A profile welded from plates has no root radius: the one the page kept
    // from "gewalzt" is no input of it.
    const bool radius = p.kind == STAHLPROFIL_KIND_CATALOGUE || p.rolled;
    double h = p.h, b = p.b_fo, t = p.t_fo > 0.0 ? p.t_fo : p.t_w, s = p.t_w, rr = radius ? p.r_1 : 0.0;
    switch (r->family) {
    case ANSCHLUSS_FLAT: b = t = s = p.t_w; break;
    case ANSCHLUSS_CHS: b = h, t = s = p.t_w; break;
    case ANSCHLUSS_ROUND: b = h, t = s = 0.0; break;
    default: break;
    }
    r->h = r->h2 = h, r->b = r->b2 = b, r->t = r->t2 = t, r->s = r->s2 = s, r->r = r->r2 = rr;
    r->catalogue = p.kind == STAHLPROFIL_KIND_CATALOGUE;
    // A typed tube has the corners it was given: rolled, its radii (r_1
    // outside, r_2 inside), else sharp ones. Taken sharp, a rounded tube's
    // section had the corners' steel too.
    const bool toes = r->family == ANSCHLUSS_ANGLE || r->family == ANSCHLUSS_CHANNEL || r->family == ANSCHLUSS_TEE;
    if (toes && !r->catalogue && p.rolled) r->r_toe = std::max(p.r_2, 0.0);
    if (r->family == ANSCHLUSS_RHS && !r->catalogue) {
        r->r = r->r2 = p.rolled ? std::max(p.r_1, 0.0) : 0.0;
        r->r_inner = r->r > 0.0 ? std::max(p.r_2, 0.0) : 0.0;
    }
    // A profile welded of plates: its plates' clear widths end at the toes
    // of the welds that join them.
    if (!r->catalogue && !p.rolled) {
        double top = 0.0, bottom = 0.0;
        Calc_Profile_Weld_Offsets(&p, &top, &bottom, nullptr);
        r->weld_leg_top = std::max(top, 0.0), r->weld_leg_bottom = std::max(bottom, 0.0);
    }
    r->throat_design = 0;
    r->t_p = n.plate.t;
    r->weld_kind = n.all_round || r->full_penetration ? ANSCHLUSS_WELD_ALL_ROUND : ANSCHLUSS_WELDS_BY_POSITION;
    r->end_crater = n.full_length ? ANSCHLUSS_FULL_LENGTH : ANSCHLUSS_END_CRATERS;
    r->no_throat_check = n.no_throat_check;
    r->grades.weld_grade = Grade_Code(n.plate.material, &r->grades.weld_f_y);
    // alpha_w of DIN 18800-1 Table 21 by the band of the own f_y,k (0
    // beyond the list). The material's beta_w is the Eurocode's correlation
    // factor, which grows as the weld gets weaker: taken as alpha_w it made
    // the weld of a weaker steel the stronger one.
    r->grades.weld_alpha_w = static_cast<float>(Get_Din_Own_Alpha_w(r->grades.weld_f_y));
    return 1;
}

namespace {

// What the DIN check takes of a material: its grade code, the own f_y,k
// (own values) and alpha_w of its fillet welds (own values: that of the
// listed grade of its band, 0 beyond the list).
struct Din_Material {
    int code;
    float own_f_y;
    double alpha_w;
};

Din_Material Din_Values(const Materialparameter_Record& m) {
    Din_Material d = {};
    d.code = Grade_Code(m, &d.own_f_y);
    d.alpha_w = d.code == DIN_GRADE_OWN_VALUES ? Get_Din_Own_Alpha_w(d.own_f_y)
                                               : Get_Stahlguete_Record(static_cast<unsigned int>(d.code))->alpha_w;
    return d;
}

// Steel of own strengths above the DIN list: DIN 18800 gives its welds no
// alpha_w (Din_Welds_Beyond_The_List).
bool Beyond_The_List(const Materialparameter_Record& m, const Din_Material& d) {
    return m.kind != 2 && d.code == DIN_GRADE_OWN_VALUES && d.own_f_y > Get_Din_Own_F_Y_Max();
}

// A grade of the weld grade table that DIN 18800 checks as another steel
// of its list (Din_Row_Of_Grade).
bool Checked_As_Another_Steel(const Materialparameter_Record& m, const Din_Material& d) {
    return m.kind == 0 && d.code != DIN_GRADE_OWN_VALUES && d.code != Grade_Index_To_Stahlguete_Code(m.grade);
}

// One material of the protocol: its head (as the Eurocode protocol names
// it), f_y,k up to 40 mm and above (one value of own strengths) and alpha_w
// as the check takes them, of fillet welds or of a full-penetration butt
// weld (the same value, which holds there in tension and shear). An
// aluminium material has no DIN strengths: its head alone.
void Print_Din_Material(FILE* list, const Materialparameter_Record& m, const Din_Material& d, bool butt) {
    const bool own = d.code == DIN_GRADE_OWN_VALUES;
    if (own && m.kind != 2) {
        char name[MATERIAL_NAME_SIZE + 1];
        Copy_Trimmed(m.name, name, sizeof name, 2);
        const bool named = std::strlen(name) > 1;
        OLI_printf(list, "%s%s%sStahlparameter:\n", Check_Line_Prefix, named ? name : "", named ? ", " : "");
    } else {
        Print_Material_Params_Text(&m, list, 0, 0, "");
    }
    if (m.kind == 2) return;
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 0.3);
    if (Checked_As_Another_Steel(m, d))
        OLI_printf(list, "%sDIN 18800 kennt die Stahlsorte %s nicht; nachgewiesen mit %s\n", Check_Line_Prefix,
                   Get_Weld_Grade_Name(0, m.grade), Get_Stahlguete_Name(static_cast<unsigned int>(d.code)));
    if (own) {
        OLI_printf(list, "%schar. Streckgrenze f╬\\y,k╬r = %.1lf N/mm²\n"_cp, Check_Line_Prefix, d.own_f_y);
    } else {
        const unsigned int code = static_cast<unsigned int>(d.code);
        OLI_printf(list, "%schar. Streckgrenze f╬\\y,k,t¾40mm╬r = %.1lf N/mm²,  f╬\\y,k,t>40mm╬r = %.1lf N/mm²\n"_cp,
                   Check_Line_Prefix, Get_Stahlguete_fy(code, 40.0), Get_Stahlguete_fy(code, 80.0));
    }
    if (Beyond_The_List(m, d))
        OLI_printf(list, "%s%s: kein \xBA╬\\w╬r, Schweißnähte nicht nachgewiesen\n"_cp, Check_Line_Prefix,
                   Din_Beyond_The_List_Text());
    else if (butt)
        OLI_printf(list, "%sBeiwert für Stumpfnähte (Zug und Schub, Nahtgüte nicht nachgewiesen) \xBA╬\\w╬r = %.2lf\n"_cp,
                   Check_Line_Prefix, d.alpha_w);
    else
        OLI_printf(list, "%sBeiwert für Kehlnähte \xBA╬\\w╬r = %.2lf\n"_cp, Check_Line_Prefix, d.alpha_w);
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
}

}  // namespace

// Where the DIN check's weld utilisation governs: the point of its largest
// stress ratio, as the case's list gives it (from the reference point), for
// the families whose list gives the points.
static void Din_Governing_Point(const GeschweissterAnschluss* r, LastfallErgebnis* result) {
    result->at_yz = false;
    const int f = r->family;
    if (f != ANSCHLUSS_I && f != ANSCHLUSS_RHS && f != ANSCHLUSS_CHANNEL && f != ANSCHLUSS_TEE && f != ANSCHLUSS_ANGLE)
        return;
    const Anschluss_Nahtwerte& v = r->weld_values;
    // The points of sigma_max, sigma_min, tau and sigma_v, by the ratio
    // each gives.
    int k = std::fabs(v.sigma_min) > std::fabs(v.sigma_max) ? 1 : 0;
    if (r->U_w[1] > r->U_w[0]) k = 2;
    if (r->U_w[2] > std::max(r->U_w[0], r->U_w[1])) k = 3;
    result->at_yz = true;
    // A full-penetration weld the weaker part joined governs: that part's
    // point.
    const bool base = r->full_penetration && r->base_metal.governs;
    result->y = (base ? r->base_metal.point[0] : v.point[k][0]) + v.y_s;
    result->z = (base ? r->base_metal.point[1] : v.point[k][1]) + v.z_s;
}

int Print_Zeichnung_und_Profil(const SchweissnahtAnschluss* conn, LastfallErgebnis* result, FILE* list) {
    if (!conn || !result) return 1;
    GeschweissterAnschluss record;
    GeschweissterAnschluss* r = &record;
    if (!Din_Hand_Over(conn, result, r)) return 1;
    const int status = Calc_Anschluss_Querschnitt(r);
    if (list) {
        OLI_End_Text(list);
        Safe_Fprintf(list, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
        Anschluss_Exceeded_Checks = 0;
        if (status >= 0)
            Print_Stahlprofil(list, r, 1, conn->section_check);
        else {
            Safe_Fprintf(list, " Fehler in der Profildatenbank!\n");
            // The designation the profile file lacks, named as the input
            // page names a typed one.
            if (status == -1 && r->catalogue)
                Safe_Fprintf(list, " Das Profil \"%s\" ist in der Bibliothek nicht vorhanden.\n", r->profile_name);
        }
        Safe_Fprintf(list, "#END_OF_TEXT\n");
    }
    // A profile the library could not take has no result at all; a
    // switched-off cross-section check has none to report (the block
    // printed none).
    if (status != 0) result->U_sigma = Ausnutzung_Fehler();
    else if (!conn->section_check) result->U_sigma = Ausnutzung{0.0, ERGEBNIS_NICHT_GEFUEHRT};
    // A plate beyond its b/t limit leaves the proof of the case incomplete
    // until its buckling is checked: the case is not covered. Its stresses
    // were checked all the same, and their utilisation (printed in its
    // block) counts in the final result as every other case's does.
    else if (Din_Plate_Buckling_Check_Needed(r))
        result->U_sigma = Ausnutzung_Beulnachweis(std::max({r->U_sigma, r->U_tau, r->U_v}));
    else result->U_sigma = Ausnutzung_Gerundet(std::max({r->U_sigma, r->U_tau, r->U_v}));
    result->U_w = Ausnutzung_Gerundet(Din_Weld_Utilisation(r));
    Din_Governing_Point(r, result);
    if (status != 0) {
        result->U_w = Ausnutzung_Fehler();
        return status;
    }
    // Welds DIN 18800 gives no strength (a part beyond its list) are not
    // checked: refused as their input, the case not verified.
    if (r->status.word[ANSCHLUSS_WELDS_NOT_CHECKED]) {
        result->U_w = Ausnutzung{0.0, ERGEBNIS_EINGABE_ABGELEHNT};
        result->at_yz = false;
        return 0;
    }
    // A throat beyond its limits fails the case, and the welds' stresses
    // still stand beside it: whoever mends the throat sees whether the
    // welds carry the load. The block and the final result name the limits.
    result->limits_broken = Din_Throat_Limits_Broken(r) != 0;
    Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1];
    int numbers[ANSCHLUSS_WELD_POSITIONS + 1];
    Din_Weld_Notes(r, notes, numbers);
    for (int p = 0; p <= ANSCHLUSS_WELD_POSITIONS; p++) Add_Weld_Notes(numbers[p], notes[p]);
    return 0;
}

const char* Din_Buckling_Standard_Of(const SchweissnahtAnschluss* conn) {
    return Din_Buckling_Standard(conn ? Anschluss_Family_Of_Profile_Type(conn->naht.profile.type) : -1);
}

double Din_Fillet_Alpha_w(const Materialparameter_Record* m) { return m ? Din_Values(*m).alpha_w : 0.95; }

bool Din_Material_Beyond_The_List(const Materialparameter_Record* m) {
    return m && Beyond_The_List(*m, Din_Values(*m));
}

const char* Din_Welds_Refused(const SchweissnahtAnschluss* conn, bool markup) {
    if (!conn || conn->code_setting != CODE_SETTING_DIN18800) return nullptr;
    const Nahtbild& n = conn->naht;
    if (!Din_Material_Beyond_The_List(&n.profile.material) && !Din_Material_Beyond_The_List(&n.plate.material))
        return nullptr;
    static char list[128], plain[128];
    std::snprintf(list, sizeof list, "f╬\\y,k╬r > %.0lf N/mm², kein \xBA╬\\w╬r nach DIN 18800"_cp, Get_Din_Own_F_Y_Max());
    std::snprintf(plain, sizeof plain, "Schweißnähte: DIN 18800 kennt keine Stahlsorte mit fy,k > %.0lf N/mm²"_cp,
                  Get_Din_Own_F_Y_Max());
    return markup ? list : plain;
}

void Print_Din_Materials(const SchweissnahtAnschluss* conn, FILE* list) {
    if (!conn || !list) return;
    const Materialparameter_Record &profile = conn->naht.profile.material, &plate = conn->naht.plate.material;
    Din_Material p = Din_Values(profile);
    const Din_Material w = Din_Values(plate);
    // Own values of the profile weld with the plate's alpha_w, within the
    // band of their own f_y,k (as the check takes them).
    if (p.code == DIN_GRADE_OWN_VALUES && w.alpha_w > 0.0) p.alpha_w = std::min(p.alpha_w, w.alpha_w);
    const bool butt = conn->naht.weld_kind == WELD_BUTT && conn->naht.full_penetration;
    OLI_printf(list, "%s╬HMaterial\n"_cp, Check_Line_Prefix);
    // Two grades DIN checks as one steel are named each (the one a list
    // lacks with the steel it is checked as).
    const bool renamed = Checked_As_Another_Steel(profile, p) || Checked_As_Another_Steel(plate, w);
    if (p.code == w.code && p.own_f_y == w.own_f_y && p.alpha_w == w.alpha_w && profile.kind == plate.kind &&
        (!renamed || profile.grade == plate.grade)) {
        Print_Din_Material(list, plate, w, butt);
        return;
    }
    OLI_printf(list, "%sProfil: ", Check_Line_Prefix);
    Print_Din_Material(list, profile, p, butt);
    OLI_printf(list, "%sPlatte: ", Check_Line_Prefix);
    Print_Din_Material(list, plate, w, butt);
}

namespace {

// A partial factor as the protocol gives it: two decimals, more where the
// value has them (0.009 is no 0.01), a huge one in exponent form, a value
// that is no number in words.
std::string Factor_Digits(double gamma) {
    if (!std::isfinite(gamma)) return "keine Zahl";
    char text[64];
    if (std::fabs(gamma) >= 1e9) {
        std::snprintf(text, sizeof text, "%.3e", gamma);
        return text;
    }
    for (int digits = 2; digits <= 6; digits++) {
        std::snprintf(text, sizeof text, "%.*f", digits, gamma);
        if (std::fabs(std::strtod(text, nullptr) - gamma) <= 1e-9 * std::max(1.0, std::fabs(gamma))) return text;
    }
    std::snprintf(text, sizeof text, "%.6g", gamma);
    return text;
}

}  // namespace

void Print_Din_Gamma_M(const SchweissnahtAnschluss* conn, FILE* list) {
    if (!conn || !list) return;
    const std::string marker = NAD_Factor_Usable(conn->gamma_M) ? std::string() : std::string("  ") + Mark_Not_Ok();
    OLI_printf(list, "%sMaterialsicherheitsbeiwert \xC0╬\\M╬r = %s%s\n"_cp, Check_Line_Prefix,
               Factor_Digits(conn->gamma_M).c_str(), marker.c_str());
}

int Check_Din_Gamma_M(const SchweissnahtAnschluss* conn, FILE* list) {
    if (!conn) return 1;
    if (NAD_Factor_Usable(conn->gamma_M)) return 0;
    if (list)
        OLI_printf(list, "%sTeilsicherheitsbeiwert \xC0╬\\M╬r = %s ungültig (nicht zwischen %.1lf und %.0lf)  %s\n"_cp,
                   Check_Line_Prefix, Factor_Digits(conn->gamma_M).c_str(), NAD_FACTOR_MIN, NAD_FACTOR_MAX,
                   Mark_Not_Ok());
    return 1;
}
