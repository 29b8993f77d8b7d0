// The editor sheets of the EN 1996 and EN 1999 blocks (they serve the
// separate annex editor): rows of chapter, parameter and explanation on
// shaded bands, value fields editable only when the sheet is.
#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_sheet.h"
#include "dialogs/scrollarea.h"
#include "platform/screen.h"

enum { FONT_HEAD = 0x11000, FONT_PLAIN = 0x1000, FONT_EXPLAIN = 0x1002 };

// One sheet row: the shaded bands of the chapter and explanation columns
// when the row has a height, then the three texts in black.
static int sheet_row(int slot, int colour, int y, int h, const char* chapter, const char* parameter,
                     const char* explanation, int font) {
    if (h) {
        Add_Rectangle_to_Scrollable_Area(slot, 4, y - 5, 56, y + h, colour);
        Add_Rectangle_to_Scrollable_Area(slot, 200, y - 5, 382, y + h, colour);
    }
    if (chapter && *chapter) Add_Text_to_Scrollable_Area(slot, 10, y, chapter, font, BLACK_CI, 0);
    if (parameter && *parameter) Add_Text_to_Scrollable_Area(slot, 67, y, parameter, font, BLACK_CI, 0);
    if (explanation && *explanation) Add_Text_to_Scrollable_Area(slot, 206, y, explanation, FONT_EXPLAIN, BLACK_CI, 0);
    return y + h;
}

static int g_ec9_colour = -1;
static int g_ec9_editable = 0;

int NAD_EC9_Sheet_Row(int slot, int y, int h, const char* chapter, const char* parameter, const char* explanation,
                      int font) {
    if (g_ec9_colour < 0) g_ec9_colour = Nearest_RGB_Color(234, 255, 251);
    return sheet_row(slot, g_ec9_colour, y, h, chapter, parameter, explanation, font);
}

// A factor row of the EN 1999 sheet: gamma with its subscript and the field.
static void ec9_factor(int slot, int y, const char* subscript, double* value, const char* explanation) {
    NAD_EC9_Sheet_Row(slot, y, 18, "", "", explanation, FONT_PLAIN);
    Add_Text_to_Scrollable_Area(slot, 67, y, "\xC0", FONT_PLAIN, BLACK_CI, 0);
    Add_Text_to_Scrollable_Area(slot, 75, y + 2, subscript, FONT_PLAIN, BLACK_CI, 0);
    Add_Float_to_Scrollable_Area(slot, 136, y, value, "%5.2f", FONT_PLAIN, BLACK_CI, &g_ec9_editable);
}

void NAD_EC9_Sheet(int slot, NAD_EC9_Block* b, int editable) {
    if (!b) return;
    Clear_Scrollable_View_Area(slot);
    int a = 1, rows_b = 1, c = 1;
    NAD_EC9_Visibility(&a, &rows_b, &c);
    g_ec9_editable = editable ? 1 : 0;
    NAD_EC9_Sheet_Row(slot, 24, 6, "", "", "", FONT_HEAD);
    NAD_EC9_Sheet_Row(slot, 30, 30, "Kapitel", "Parameter", "Erläuterung"_cp, FONT_HEAD);
    Add_Line_to_Scrollable_Area(slot, 4, 36, 382, 36, BLACK_CI);
    NAD_EC9_Sheet_Row(slot, 60, 23, "6.1.3", "", "Teilsicherheitsbeiwerte", FONT_PLAIN);
    int y = 83;
    if (a) {
        NAD_EC9_Sheet_Row(slot, 83, 18, "(1)", "", "", FONT_PLAIN);
        Add_Text_to_Scrollable_Area(slot, 206, 78, "Teilsicherheitsbeiwerte für"_cp, FONT_EXPLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 206, 89, "Querschnitte / Bauteile", FONT_EXPLAIN, BLACK_CI, 0);
        ec9_factor(slot, 112, "M0", &b->gamma_M0, "Querschnittsversagen");
        ec9_factor(slot, 130, "M1", &b->gamma_M1, "Stabilitätsversagen"_cp);
        y = 166;
        if (rows_b) {
            ec9_factor(slot, 148, "M2", &b->gamma_M2, "Bruchversagen infolge Zug");
            y = 184;
        }
    }
    NAD_EC9_Sheet_Row(slot, y, 23, "6.2", "", "Beanspruchbarkeit der Querschnitte", FONT_PLAIN);
    NAD_EC9_Sheet_Row(slot, y + 23, 18, "(5)", "C", "Konstante C, Gleichnung 6.15", FONT_PLAIN);
    Add_Float_to_Scrollable_Area(slot, 136, y + 23, &b->C, "%5.2f", FONT_PLAIN, BLACK_CI, &g_ec9_editable);
    if (a && c) {
        NAD_EC9_Sheet_Row(slot, y + 41, 23, "8", "", "Bemessung von Anschlüssen"_cp, FONT_PLAIN);
        NAD_EC9_Sheet_Row(slot, y + 64, 23, "8.1.1", "", "Einführung"_cp, FONT_PLAIN);
        NAD_EC9_Sheet_Row(slot, y + 87, 18, "(2)", "", "", FONT_PLAIN);
        Add_Text_to_Scrollable_Area(slot, 206, y + 82, "Teilsicherheitsbeiwerte für"_cp, FONT_EXPLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 206, y + 93, "Anschlüsse"_cp, FONT_EXPLAIN, BLACK_CI, 0);
        ec9_factor(slot, y + 116, "Mp", &b->gamma_Mp, "Bolzenverbindungen");
        ec9_factor(slot, y + 134, "Mw", &b->gamma_Mw, "Schweißverbindungen"_cp);
        ec9_factor(slot, y + 152, "Ms,ser", &b->gamma_Ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        ec9_factor(slot, y + 170, "Ms,ult", &b->gamma_Ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        ec9_factor(slot, y + 188, "Ma", &b->gamma_Ma, "Geklebte Verbindungen");
        ec9_factor(slot, y + 206, "Mp,ser", &b->gamma_Mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    Update_Scrollable_View_Area(slot);
}

static int g_ec6_colour = -1, g_ec6_title = -1, g_ec6_rule = -1;
static int g_ec6_editable = 0;
static int g_ec6_open = 1, g_ec6_enabled = 1;

int NAD_EC6_Sheet_Row(int slot, int y, int h, const char* chapter, const char* parameter, const char* explanation,
                      int font) {
    if (g_ec6_colour < 0) g_ec6_colour = Nearest_RGB_Color(234, 255, 251);
    return sheet_row(slot, g_ec6_colour, y, h, chapter, parameter, explanation, font);
}

void NAD_EC6_Sheet(int slot, NAD_EC6_Block* b, int editable) {
    if (!b) return;
    int a = 1, rows_b = 0;
    NAD_EC6_Visibility(&a, &rows_b);
    if (g_ec6_title < 0) {
        g_ec6_colour = Nearest_RGB_Color(234, 255, 251);
        g_ec6_title = Nearest_RGB_Color(205, 254, 244);
        g_ec6_rule = Nearest_RGB_Color(130, 130, 130);
    }
    g_ec6_editable = editable ? 1 : 0;
    Clear_Scrollable_View_Area(slot);
    Add_Rectangle_to_Scrollable_Area(slot, 4, 7, 382, 26, g_ec6_title);
    Add_Check_Box_to_Scrollable_Area(slot, 26, 20, "EN 1996-1-1 (Eurocode 6)", FONT_HEAD, BLACK_CI, &g_ec6_open,
                                     &g_ec6_enabled);
    if (g_ec6_open) {
        NAD_EC6_Sheet_Row(slot, 39, 11, "", "", "", FONT_HEAD);
        NAD_EC6_Sheet_Row(slot, 50, 30, "Kapitel", "Parameter", "Erläuterung"_cp, FONT_HEAD);
        Add_Line_to_Scrollable_Area(slot, 4, 56, 382, 56, BLACK_CI);
    }
    if (g_ec6_open && a) {
        NAD_EC6_Sheet_Row(slot, 80, 23, "2.4.3", "", "", FONT_PLAIN);
        Add_Text_to_Scrollable_Area(slot, 206, 75, "Materialsicherheitsbeiwerte", FONT_EXPLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 206, 86, "im Grenzzustand der Tragfähigkeit"_cp, FONT_EXPLAIN, BLACK_CI, 0);
        NAD_EC6_Sheet_Row(slot, 103, 24, "(1)", "", "", FONT_PLAIN);
        Add_Text_to_Scrollable_Area(slot, 127, 103, "\xC0", FONT_PLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 135, 105, "M", FONT_PLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 206, 109, "Bemessungssituation:", FONT_EXPLAIN, BLACK_CI, 0);
        Add_Line_to_Scrollable_Area(slot, 67, 110, 186, 110, g_ec6_rule);
        struct Row {
            double* value;
            const char* text;
        };
        const Row rows[3] = {{&b->gamma_M_persistent, "ständig und vorübergehend"_cp},
                             {&b->gamma_M_accidental, "außergewöhnlich"_cp},
                             {&b->gamma_M_seismic, "Erdbeben"}};
        int y = 127;
        for (int i = 0; i < (rows_b ? 3 : 1); ++i, y += 18) {
            NAD_EC6_Sheet_Row(slot, y, 18, "", "", rows[i].text, FONT_PLAIN);
            Add_Float_to_Scrollable_Area(slot, 106, y, rows[i].value, "%5.2f", FONT_PLAIN, BLACK_CI, &g_ec6_editable);
        }
        y = NAD_EC6_Sheet_Row(slot, y, 7, "", "", "", FONT_PLAIN);
        NAD_EC6_Sheet_Row(slot, y, 23, "2.4.4", "", "", FONT_PLAIN);
        Add_Text_to_Scrollable_Area(slot, 206, y - 5, "Materialsicherheitsbeiwert", FONT_EXPLAIN, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(slot, 206, y + 6, "im Grenzzustand der Gebrauchstaugl.", FONT_EXPLAIN, BLACK_CI, 0);
        Add_Float_to_Scrollable_Area(slot, 106, y, &b->gamma_M_ser, "%5.2f", FONT_PLAIN, BLACK_CI, &g_ec6_editable);
        NAD_EC6_Sheet_Row(slot, y + 18, 7, "", "", "", FONT_PLAIN);
    }
    Update_Scrollable_View_Area(slot);
}
