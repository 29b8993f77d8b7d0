// Print and file helpers of the connection library.
#include "endplate/endplate_print.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "endplate/endplate_services.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "printlist/ioliwrt.h"
#include "printlist/oli_para.h"
#include "printlist/version_file.h"

namespace {

const char* const ARROW = "\x88";     // print font: arrow
const char* const ALPHA = "\xBA";     // print font: alpha
const char* const GAMMA = "\xC0";     // print font: gamma
const char* const ETA = "\xD5";       // print font: the utilisation symbol

// A utilisation the print list can show: a number that is not finite is a
// failed check and is shown far above 1. A force against its resistance
// counts whatever its sign: -2 is twice the resistance, not within it.
float Shown_Utilisation(float u) { return std::isfinite(u) ? std::fabs(u) : 999.999f; }

// The symbol record of the title block's sketch.
void Sketch_Record(FILE* f, const Titelblatt_Info* info) {
    const double h = info->picture_height;
    if (info->type != TITEL_WELDED) {
        Safe_Fprintf(f, "%d 0 %.1f %%FONT%%\\WLDH_%03d.OCM\n", OLI_REC_SYMBOL, h, info->type);
        return;
    }
    const int v = info->sketch_variant;
    if (v >= 1 && v <= 5)
        Safe_Fprintf(f, "%d 0 %.1f %%FONT%%\\SCHWEIS%d_%s.OCM\n", OLI_REC_SYMBOL, h, v,
                     info->profile_kind == 1 ? "Profil" : "Blechtrager");
    else
        Safe_Fprintf(f, "%d 0 %.1f %%FONT%%\\SCHWEIS%d.OCM\n", OLI_REC_SYMBOL, h, v == 6 || v == 7 ? v : 8);
}

void Empty_Table_Head(FILE* f) { Safe_Fprintf(f, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n"); }

// The picture block of a symbol file.
void Symbol_Picture(FILE* f, const char* symbol_file, double width, double height) {
    Safe_Fprintf(f, "\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n");
    Safe_Fprintf(f, "0 %.1f 0 %.1f\n", width, height);
    Safe_Fprintf(f, "%d 0 %.1f %%FONT%%\\%s\n", OLI_REC_SYMBOL, height, symbol_file ? symbol_file : "");
    Safe_Fprintf(f, "-1\n");
}

}  // namespace

FILE* Open_Contents_Entry(const char* position_number, const char* position_text) {
    return Open_Contents_Page(position_number, position_text, 1);
}

int Print_Titelblatt(FILE* f, Titelblatt_Info* info) {
    if (!f || !info) return 0;
    const char* version = Read_Program_Version_File("R7-AVAVE");
    OLI_storeYPosition(f, 0);
    OLI_New_Paragraph();
    OLI_Set_Para_Mode(5);
    OLI_printf(f, "Geometrie, Belastung und Materialkennwerte\n");
    OLI_Set_Para_Mode(4);
    OLI_printf(f, "%s", info->title ? info->title : "");
    if (version) OLI_printf(f, "  ╬S(%s)╬r"_cp, version);
    OLI_printf(f, "\n");
    OLI_Set_Para_Mode(3);
    OLI_printf(f, "%s", info->picture_writer ? "maßstäbliche Skizze:"_cp : "Prinzipskizze:");
    OLI_printf(f, "\n");
    OLI_Set_Para_Mode(4);
    OLI_End_Text(f);

    OLI_storeYPosition(f, 1);
    OLI_Add_Para_Offset(info->picture_height);
    const double tab = 12.0;
    OLI_Set_Tabs(2, nullptr, &tab, 1);
    if (info->code_of_practice) OLI_printf(f, "Vorschrift: ╬t%s\n"_cp, info->code_of_practice);
    const char* grade = info->grade_name ? info->grade_name : "";
    if (info->type == TITEL_WELDED) {
        OLI_printf(f, "Stahlsorte:╬t%s,  f╬\\y,k╬r = %.1f N/mm╬/2╬r\n"_cp, grade, static_cast<double>(info->f_y_k));
        if (info->f_y_k_weld > 0.1f)
            OLI_printf(f, "Schweißnähte:╬t%s,  f╬\\y,k╬r = %.1f N/mm╬/2╬r\n"_cp,
                       info->weld_material_name ? info->weld_material_name : "", static_cast<double>(info->f_y_k_weld));
        OLI_printf(f, "╬t%s╬\\w╬r = %.2f"_cp, ALPHA, static_cast<double>(info->alpha_w));
        if (info->gamma_M > 0.1f) OLI_printf(f, "        %s╬\\M╬r = %.2f"_cp, GAMMA, static_cast<double>(info->gamma_M));
        OLI_printf(f, "\n");
    } else {
        OLI_printf(f, "Stahlsorte %s,  %s╬\\M╬r = %.2f"_cp, grade, GAMMA, static_cast<double>(info->gamma_M));
        if (info->bolt_size_name && info->bolt_class_name) {
            const char* size = info->bolt_size_name;
            const char* klasse = info->bolt_class_name;
            if (info->type == TITEL_ANCHORS || info->type == TITEL_ANCHORS_2)
                OLI_printf(f, "  Anker %s,  FK %s", size, klasse);
            else if (info->type == TITEL_ANCHOR_BOLTS)
                OLI_printf(f, "  Ankerschrauben %s,  FK %s", size, klasse);
            else if (info->type != TITEL_NO_FASTENERS)
                OLI_printf(f, "  Schraube %s,  FK %s", size, klasse);
        }
        OLI_printf(f, "\n");
    }
    OLI_End_Text(f);
    OLI_restoreYPosition(f, 1);

    Safe_Fprintf(f, "#SHOWGRAFIC\n0 0 0\n0 0 0\n");
    Safe_Fprintf(f, "-1\n");
    Safe_Fprintf(f, "0 %.1f 0 %.1f\n", info->picture_width - 0.5, static_cast<double>(info->picture_height));
    if (info->picture_writer)
        info->picture_writer(f, info->user, info);
    else
        Sketch_Record(f, info);
    Safe_Fprintf(f, "-1\n");

    OLI_restoreYPosition(f, 0);
    OLI_setYPositionCM(f, OLI_Y_RELATIVE, info->offset_after_picture);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, info->picture_width, 0);
    Empty_Table_Head(f);
    if (info->table_writer) info->table_writer(f, info->user);
    Safe_Fprintf(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, OLI_Y_ABSOLUTE, 0);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, 0, 0);
    if (!info->checks_table) return 0;
    Safe_Fprintf(f, "#SHOWTABLE\n 1 0 0\n Nachweise");
    if (info->checks_text) Safe_Fprintf(f, " %s", info->checks_text);
    Safe_Fprintf(f, "\n0 0 -1 -1\n");
    return 1;
}

void Oli_Symbol_Picture_Before_Table(FILE* f, const char* symbol_file, double width, double height,
                                     double dy_before, double dy_after, void (*row_writer)(FILE*, void*), void* arg) {
    if (!f) return;
    Safe_Fprintf(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, OLI_Y_RELATIVE, dy_before);
    OLI_storeYPosition(f, 0);
    Symbol_Picture(f, symbol_file, width - 0.5, height);
    OLI_restoreYPosition(f, 0);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, width, 0);
    Empty_Table_Head(f);
    if (row_writer) row_writer(f, arg);
    Safe_Fprintf(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, OLI_Y_ABSOLUTE, dy_after);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, 0, 0);
    Empty_Table_Head(f);
}

void Oli_Symbol_Picture_Beside_Text(FILE* f, const char* symbol_file, double width, double height, double left,
                                    double dy_before, double dy_after) {
    if (!f) return;
    Safe_Fprintf(f, "#END_OF_TEXT\n");
    OLI_storeYPosition(f, 0);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, left, left + width);
    OLI_setYPositionCM(f, OLI_Y_RELATIVE, dy_before);
    Symbol_Picture(f, symbol_file, width, height);
    OLI_restoreYPosition(f, 0);
    OLI_setMarginsCM(f, OLI_MARGINS_RELATIVE, 0, 0);
    OLI_setYPositionCM(f, OLI_Y_RELATIVE, dy_after);
    Empty_Table_Head(f);
}

int Print_Maximale_Ausnutzung(FILE* f, float u) {
    if (!f) return 1;
    u = Shown_Utilisation(u);
    Safe_Fprintf(f, " \n ╬bMaximale Ausnutzung  %.3f  %s  1   %s  Nachweis "_cp, static_cast<double>(u),
                 Get_Compare_Symbol(u, 1.0f), ARROW);
    Safe_Fprintf(f, "%s", u <= 1.0f ? "erfüllt.\n"_cp : "╬_nicht erfüllt╬r╬B !\n"_cp);
    return 0;
}

int Print_Ausnutzung_Symbol(FILE* f, const char* index, char c, float u) {
    return Safe_Fprintf(f, " ==> %s╬\\%s╬r(%c)= %5.3f"_cp, ETA, index ? index : "", c,
                        static_cast<double>(Shown_Utilisation(u)));
}

int Print_Ausnutzung_Ratio(FILE* f, float* maximum, float a, float b) {
    float u = b != 0.0f ? a / b : (a == 0.0f ? 0.0f : 999.999f);
    u = Shown_Utilisation(u);
    if (maximum && u > *maximum) *maximum = u;
    return Safe_Fprintf(f, " ╬b==> ╬bAusnutzung = %.3f %s 1╬r\n"_cp, static_cast<double>(u), Get_Compare_Symbol(u, 1.0f));
}

int Read_Quoted_Name16(FILE* f, char* name) {
    if (!f || !name) return 1;
    char read[17] = "";
    if (std::fscanf(f, " «%16[^»]»"_cp, read) != 1) return 1;
    std::memcpy(name, read, sizeof read);
    return 0;
}

int Write_Quoted_Name(FILE* f, const char* name) {
    if (!f || !name) return 1;
    return Safe_Fprintf(f, "«%s»\n"_cp, name) < 0 ? 1 : 0;
}

int Pad_Name(char* dst, const char* src, int n) {
    if (!dst || n < 0) return 0;
    int i = 0;
    for (; src && i < n && src[i]; i++) dst[i] = src[i];
    for (; i < n; i++) dst[i] = ' ';
    dst[n] = '\0';
    return 0;
}

int Pad_Name16(char dst[17], const char* src) { return Pad_Name(dst, src, 16); }

int Select_Profile_Name(char* dst) {
    const Endplate_Services* s = Get_Endplate_Services();
    const char* chosen = s->select_profile ? s->select_profile(1) : nullptr;
    if (!chosen || !dst) return 1;
    return Pad_Name16(dst, chosen);
}

int Read_Profile_Name_At(FILE* profile_file, int n, char name[17]) {
    if (!name) return 0;
    name[0] = '\0';
    if (!profile_file || n < 1) return 0;
    char record[16];
    if (std::fseek(profile_file, static_cast<long>(n - 1) * 160, SEEK_SET) != 0) return 0;
    if (std::fread(record, 1, sizeof record, profile_file) != sizeof record) return 0;
    int i = 0;
    for (; i < 16 && record[i] != ' '; i++) name[i] = record[i];
    name[i] = '\0';
    return 0;
}

int Upper_Name_Not_After(const char* a, const char* b) {
    if (!a || !*a) return 1;
    if (!b || !*b) return 0;
    for (;; a++, b++) {
        const unsigned char ca = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(*a)));
        const unsigned char cb = static_cast<unsigned char>(*b);
        if (!ca) return 1;  // a ended first or both together
        if (!cb) return 0;  // b is a prefix of a
        if (ca != cb) return ca < cb;
    }
}

FILE* Open_Table_File(const char* name) {
    FILE* f = Fopen_Base(name, "w+");
    // The head of a table, with the keyword the table reader looks for.
    if (f) Empty_Table_Head(f);
    return f;
}

void Show_Ergebnisse_Table(FILE* table) {
    if (!table) return;
    static int sheet[13];
    static int sheet_done = 0;
    std::fseek(table, 0, SEEK_END);
    Safe_Fprintf(table, "#END_OF_TEXT\n");
    std::rewind(table);
    if (!sheet_done) {
        Init_Error_Table_Colours();
        const int w = NPIXEL_X, h = NPIXEL_Y;
        const int head[7] = {0x300, 5, 5, w - 12, h - 12, (w - 7) / 2, (h - 7) / 2};
        std::memcpy(sheet, head, sizeof head);
        sheet_done = 1;
    }
    OLITable* t = readOLITableFromFILE(table);
    OLITablePropSheet("Ergebnisse", 0, t, sheet);
    deleteOLITable(t);
}
