// Print-out of a welded end-plate connection.
#include "endplate/anschluss_print.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "codes/nad.h"
#include "codes/nad_norm.h"
#include "codes/nad_print.h"
#include "codes/stguete.h"
#include "drawings/kehlnaht_drawing.h"
#include "endplate/endplate_print.h"
#include "endplate/endplate_services.h"
#include "endplate/input_limits.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "profiles/kehlnaht_geometry.h"

const char* const Anschluss_Error_File_Name = "_ANSCHL.ERR";

namespace {

const unsigned GRADE_IDS[GRADE_LIST_ROWS] = {5, 6, 7, 8, 9, 10, 11, 12, 13};

// A value the print list can show.
double Shown(double v) { return std::isfinite(v) ? v : 0.0; }

// The first 16 characters of a name field of the record.
void Name16(const char* field, char out[17]) {
    const size_t n = strnlen(field, ANSCHLUSS_NAME_SIZE);
    std::snprintf(out, 17, "%.*s", static_cast<int>(n < 16 ? n : 16), field);
}

bool Usable(const GeschweissterAnschluss& r) {
    const double dims[5] = {r.h, r.b, r.t, r.s, r.r};
    for (double d : dims)
        if (!(d >= 0.0 && d <= 1e6)) return false;
    if (!(r.h > 0.0)) return false;
    for (double v : r.load)
        if (!std::isfinite(v)) return false;
    for (int i = 0; i < ANSCHLUSS_WELD_POSITIONS; i++)
        if (!std::isfinite(r.l_pos[i]) || !std::isfinite(r.a_pos[i])) return false;
    return std::isfinite(r.t_p) && std::isfinite(r.a_w) && std::isfinite(r.l_w) && std::isfinite(r.alpha_w) &&
           std::isfinite(r.f_y_profile) && std::isfinite(r.f_y_weld);
}

const char* Title(int family) {
    static const char* const TITLES[8] = {
        "Geschweißter Anschluss I-Profil/Stirnplatte"_cp,      "Geschweißter Anschluss MSH-Profil/Stirnplatte"_cp,
        "Geschweißter Anschluss U-Profil/Stirnplatte"_cp,      "Geschweißter Anschluss T-Profil/Stirnplatte"_cp,
        "Geschweißter Anschluss Winkel/Stirnplatte"_cp,        "Geschweißter Anschluss Rundrohr/Stirnplatte"_cp,
        "Geschweißter Anschluss Flachstahl/Stirnplatte"_cp,    "Geschweißter Anschluss Rundstahl/Stirnplatte"_cp};
    return family >= 0 && family < 8 ? TITLES[family] : "Geschweißter Anschluss"_cp;
}

const char* Grade_Name(int id) { return id <= GRADE_ID_LAST ? Get_Stahlguete_Name(static_cast<unsigned>(id)) : "benutzerdef."; }

void Data_Block(FILE* list, void* user) { Print_Anschlussdaten(list, static_cast<GeschweissterAnschluss*>(user)); }

// The throat or length lines of the positions 1..last, three to a line.
void Weld_Lines(FILE* f, const double* v, int last, bool throats) {
    for (int i = 0; i < last; i++) {
        const bool row_start = i % 3 == 0;
        if (throats)
            Safe_Fprintf(f, "     a╬\\w%d╬r = %4.1lf mm"_cp, i + 1, Shown(v[i]));
        else
            Safe_Fprintf(f, "%sl╬\\w%d╬r = %5.1lf mm"_cp, row_start ? "     " : "    ", i + 1, Shown(v[i]));
        if (i % 3 == 2 || i == last - 1) Safe_Fprintf(f, "\n");
    }
}

int Print_Out(GeschweissterAnschluss* record, bool status_result) {
    FILE* list = Open_Contents_Entry(Position_Code, Position_Text);
    if (!list) return status_result ? 0 : 1;
    FILE* errors = Open_Error_Table_File(Anschluss_Error_File_Name);
    const Endplate_Services* services = Get_Endplate_Services();
    char name[17] = "";
    if (record) Name16(record->drawing_name, name);
    int result = 1;
    const double gamma_M = record ? record->load[ANSCHLUSS_GAMMA_M] : 0.0;
    if (!record || !Usable(*record)) {
        // The library's own text of unusable geometry for the error lines.
        Write_Error_Line(errors, 1, "die geometrischen Angaben sind unzulässig."_cp);
    } else if (!Partial_Factor_Plausible(gamma_M)) {
        // The section evaluation divides by it, whatever the code named in
        // the title: a factor of 1e-300 would verify anything, and one of
        // 1e300 would print a number of 301 digits.
        char text[160];
        std::snprintf(text, sizeof text, "der Materialsicherheitsbeiwert gamma_M = %.3g liegt nicht zwischen %g und %g.",
                      gamma_M, PARTIAL_FACTOR_MIN, PARTIAL_FACTOR_MAX);
        Write_Error_Line(errors, 1, text);
    } else if (services->calc_section) {
        result = services->calc_section(record);
    }
    static char code_text[256];
    const int design_code = record ? record->grades.design_code : 0;
    if (design_code == ANSCHLUSS_CODE_EC3)
        std::snprintf(code_text, sizeof code_text, "%s, NA: %s", Get_Norm_Name(12, 1, 1), Get_Active_NAD_Name());
    else
        std::snprintf(code_text, sizeof code_text, "%s", Get_Norm_Name(25, 1, 0));
    Titelblatt_Info info = {};
    const int family = record ? record->family : -1;
    info.title = Title(family);
    info.type = TITEL_WELDED;
    info.picture_width = 7.65f;
    info.picture_height = 4.8f;
    info.code_of_practice = code_text;
    info.grade_name = Grade_Name(record ? record->grades.grade : 0);
    info.weld_material_name = Grade_Name(record ? record->grades.weld_grade : 0);
    const bool din = design_code != ANSCHLUSS_CODE_EC3;
    info.gamma_M = record && din && Partial_Factor_Plausible(gamma_M) ? static_cast<float>(gamma_M) : 0.0f;
    info.offset_after_picture = 1.5f;
    info.f_y_k = record ? static_cast<float>(Shown(record->f_y_profile)) : 0.0f;
    info.f_y_k_weld = record && din ? static_cast<float>(Shown(record->f_y_weld)) : 0.0f;
    info.alpha_w = record ? static_cast<float>(Shown(record->alpha_w)) : 0.0f;
    info.user = record;
    info.table_writer = record ? Data_Block : nullptr;
    info.checks_table = 1;
    info.sketch_variant = Kehlnaht_Family(family);
    info.profile_kind = record ? record->catalogue : 0;
    Anschluss_Exceeded_Checks = 0;
    const int opened = Print_Titelblatt(list, &info);
    bool appendices = result == 0;
    if (opened && result != 0) {
        Append_Proof_Failed_Text(list, errors);
    } else if (opened && services->print_profile) {
        services->print_profile(list, record, 1, 1);
    }
    Safe_Fprintf(list, "#END_OF_TEXT\n");
    if (appendices) {
        if (design_code == ANSCHLUSS_CODE_EC3 && record->annex_switch) Print_NAD_EC3(list);
        if (record->drawing_switch) {
            Anschluss_Plot_File = list;
            Draw_Kehlnahtanschluss(record, 0, 0, 100, 100, 2, 0, 0, Kehlnaht_Family(family), record->catalogue, name);
            Anschluss_Plot_File = nullptr;
        }
    }
    if (errors) std::fclose(errors);
    const int closed = std::fclose(list);
    return status_result ? closed : 0;
}

}  // namespace

int Fill_Steel_Grade_List(int list_id, int grade_id) {
    return Fill_Stahlguete_Stringlist(list_id, GRADE_IDS, GRADE_LIST_ROWS, static_cast<unsigned>(grade_id));
}

int Steel_Grade_By_Index(int index) {
    return static_cast<int>(Get_Stahlguete_Code_By_Index(index, GRADE_IDS, GRADE_LIST_ROWS));
}

void Print_Anschlussdaten(FILE* f, GeschweissterAnschluss* r) {
    if (!f || !r) return;
    const int family = r->family;
    char name[17];
    Name16(r->profile_name, name);
    const bool named = r->catalogue == 1;
    switch (family) {
    case ANSCHLUSS_I:
        if (named) Safe_Fprintf(f, "   ╬bProfil ╬r %s \n"_cp, name);
        else Safe_Fprintf(f, "   ╬bProfil ╬rBlechträger \n"_cp);
        break;
    case ANSCHLUSS_RHS: case ANSCHLUSS_CHANNEL: case ANSCHLUSS_TEE: case ANSCHLUSS_ANGLE:
        if (named) Safe_Fprintf(f, "   ╬bProfil ╬r %s \n\n"_cp, name);
        else Safe_Fprintf(f, "   ╬bProfil ╬rBlechträger \n\n"_cp);
        break;
    case ANSCHLUSS_CHS:
        if (named) Safe_Fprintf(f, "   ╬bProfil ╬r %s \n"_cp, name);
        else Safe_Fprintf(f, "   ╬bProfil ╬rAllgemeines Rohrprofil\n"_cp);
        break;
    case ANSCHLUSS_FLAT:
        Safe_Fprintf(f, "   ╬bProfil ╬r Flachstahl %4.1lf x %4.1lf\n\n"_cp, Shown(r->h), Shown(r->t));
        break;
    case ANSCHLUSS_ROUND:
        Safe_Fprintf(f, "   ╬bProfil ╬rRundstahl \n"_cp);
        break;
    default:
        break;
    }
    Safe_Fprintf(f, "   ╬bStirnplatte/Anschlussfläche: \n     t╬\\p╬r = %4.1lf mm\n"_cp, Shown(r->t_p));
    Safe_Fprintf(f, " ╬b  Schnittgrößen\n"_cp);
    const double* load = r->load;
    const double N = Shown(load[ANSCHLUSS_N]);
    if (N < 0.0 && r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND)
        Safe_Fprintf(f, "     N = %6.2lf kN (Kontaktabtrag %4.1lf kN) \n", N, N * Shown(load[ANSCHLUSS_CONTACT]) * 0.01);
    else
        Safe_Fprintf(f, "     N = %6.2lf kN \n", N);
    const double V_z = Shown(load[ANSCHLUSS_V_Z]), V_y = Shown(load[ANSCHLUSS_V_Y]);
    const double M_z = Shown(load[ANSCHLUSS_M_Z]), M_y = Shown(load[ANSCHLUSS_M_Y]), M_x = Shown(load[ANSCHLUSS_M_X]);
    const bool round = family == ANSCHLUSS_CHS || family == ANSCHLUSS_ROUND;
    if (round) {
        Safe_Fprintf(f, "     V╬\\z,d╬r = %6.2lf kN   V╬\\y,d╬r = %6.2lf kN   V╬\\,d╬r = %6.2lf kN \n"_cp, V_z, V_y,
                     std::sqrt(V_z * V_z + V_y * V_y));
        Safe_Fprintf(f, "     M╬\\z,d╬r = %6.2lf kNm  M╬\\y,d╬r = %6.2lf kNm  M╬\\,d╬r = %6.2lf kNm\n"_cp, M_z, M_y,
                     std::sqrt(M_z * M_z + M_y * M_y));
        Safe_Fprintf(f, "     M╬\\x,d╬r = %6.2lf kNm\n"_cp, M_x);
    } else {
        Safe_Fprintf(f, "     V╬\\z,d╬r = %6.2lf kN   V╬\\y,d╬r = %6.2lf kN\n"_cp, V_z, V_y);
        Safe_Fprintf(f, "     M╬\\z,d╬r = %6.2lf kNm  M╬\\y,d╬r = %6.2lf kNm\n"_cp, M_z, M_y);
        const bool torsion = (family == ANSCHLUSS_RHS || family == ANSCHLUSS_FLAT || family > ANSCHLUSS_ROUND) &&
                             r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
        Safe_Fprintf(f, "     M╬\\x,d╬r = %6.2lf kNm\n"_cp, torsion ? M_x : 0.0);
    }
    if (r->end_crater == ANSCHLUSS_END_CRATERS)
        Safe_Fprintf(f, " ╬b  Schweißnahtabmessungen (Endkrater vorhanden)\n"_cp);
    else
        Safe_Fprintf(f, " ╬b  Schweißnahtabmessungen (keine Endkrater vorhanden)\n"_cp);
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND && !round) {
        Safe_Fprintf(f, "     umlaufende Kehlnaht mit a╬\\w╬r = %5.1lf mm\n"_cp, Shown(r->a_w));
        return;
    }
    int positions = 0;
    switch (family) {
    case ANSCHLUSS_I: positions = 8; break;
    case ANSCHLUSS_RHS: case ANSCHLUSS_ANGLE: case ANSCHLUSS_FLAT: positions = 4; break;
    case ANSCHLUSS_CHANNEL: positions = 6; break;
    case ANSCHLUSS_TEE: positions = 5; break;
    case ANSCHLUSS_CHS: case ANSCHLUSS_ROUND:
        Safe_Fprintf(f, "     umlaufende Kehlnaht mit a╬\\w╬r = %5.1lf mm\n"_cp, Shown(r->a_w));
        Safe_Fprintf(f, "     l╬\\w╬r = %5.1lf mm\n"_cp, Shown(r->l_w));
        return;
    default:
        return;
    }
    Weld_Lines(f, r->a_pos, positions, true);
    Weld_Lines(f, r->l_pos, positions, false);
}

int Print_Stirnplattenanschluss(GeschweissterAnschluss* record) { return Print_Out(record, false); }

int Print_Stirnplattenanschluss_Status(GeschweissterAnschluss* record) { return Print_Out(record, true); }

int Return_One(void) { return 1; }
