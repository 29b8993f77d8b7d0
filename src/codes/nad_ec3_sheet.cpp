// The annex editor's sheets of the EN 1993 block: EN 1993-1-1 with
// EN 1993-1-2, then EN 1993-1-8, -1-5, -1-9 and -6, one below the other in
// one scrollable view area. Each part is a section under a title that opens
// and closes it; its rows show chapter, parameter and explanation in three
// columns, the values as fields bound to the block.
#include "base/cp850.h"
#include "codes/nad_print.h"
#include "codes/nad_sheet.h"
#include "codes/nad_sheet_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/screen.h"

namespace {

enum { FONT_HEAD = 0x11000, FONT_PLAIN = 0x1000, FONT_SMALL = 0x1002 };
// Columns: chapter, parameter (symbol, subscript, field), explanation; the
// shaded bands of the chapter and explanation columns; the right edge.
enum {
    X_CHAPTER = 10, X_PARAMETER = 74, X_FIELD = 176, X_FIELD_2 = 238, X_EXPLANATION = 290,
    BAND_CHAPTER_RIGHT = 56, BAND_EXPLANATION_LEFT = 284, X_RIGHT = 520
};
// Row heights: a chapter heading, a value row, a row with two text lines.
enum { ROW_HEADING = 22, ROW_VALUE = 20, ROW_TWO_LINES = 26 };

int g_row_colour = -1, g_bar_colour = -1;
int g_editable = 0;    // every field and switch of the sheet
int g_f_editable = 0;  // the factor f: only while it is given
int g_kc_editable = 0; // k_c: only while it is not taken from Table 6.6
int g_always = 1;      // the section titles
// Open state of the sections: 1-1, 1-2, 1-8, 1-5, 1-9, 6.
int g_open[6] = {1, 1, 1, 1, 1, 1};

struct Sheet {
    int slot;
    int y;  // baseline of the next row
};

// A row: the bands from 13 pixels above the baseline, h high, then the
// chapter and parameter in the plain font and the explanation (one or two
// lines) in the small font. The next row follows h lower.
void Row(Sheet& s, int h, const char* chapter, const char* parameter, const char* explanation,
         const char* explanation2 = nullptr) {
    const int top = s.y - 13;
    Add_Rectangle_to_Scrollable_Area(s.slot, 4, top, BAND_CHAPTER_RIGHT, top + h - 1, g_row_colour);
    Add_Rectangle_to_Scrollable_Area(s.slot, BAND_EXPLANATION_LEFT, top, X_RIGHT, top + h - 1, g_row_colour);
    if (chapter) Add_Text_to_Scrollable_Area(s.slot, X_CHAPTER, s.y, chapter, FONT_PLAIN, BLACK_CI, 0);
    if (parameter) Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y, parameter, FONT_PLAIN, BLACK_CI, 0);
    if (explanation) {
        const int y = explanation2 ? s.y - 3 : s.y;
        Add_Text_to_Scrollable_Area(s.slot, X_EXPLANATION, y, explanation, FONT_SMALL, BLACK_CI, 0);
        if (explanation2) Add_Text_to_Scrollable_Area(s.slot, X_EXPLANATION, y + 10, explanation2, FONT_SMALL, BLACK_CI, 0);
    }
    s.y += h;
}

// A symbol with its subscript 8 pixels right and 2 lower in the small font.
void Symbol(const Sheet& s, int x, int y, const char* symbol, const char* subscript) {
    Add_Text_to_Scrollable_Area(s.slot, x, y, symbol, FONT_PLAIN, BLACK_CI, 0);
    if (subscript) Add_Text_to_Scrollable_Area(s.slot, x + 8, y + 2, subscript, FONT_SMALL, BLACK_CI, 0);
}

void Field(const Sheet& s, int x, int y, double* value, const char* format, int* enabled = &g_editable) {
    Add_Float_to_Scrollable_Area(s.slot, x, y, value, format, FONT_PLAIN, BLACK_CI, enabled);
}

// A value row: symbol, subscript, field and explanation.
void Value_Row(Sheet& s, const char* symbol, const char* subscript, double* value, const char* format,
               const char* explanation) {
    Symbol(s, X_PARAMETER, s.y, symbol, subscript);
    Field(s, X_FIELD, s.y, value, format);
    Row(s, ROW_VALUE, nullptr, nullptr, explanation);
}

void Gamma_Row(Sheet& s, const char* subscript, double* value, const char* explanation) {
    Value_Row(s, "\xC0", subscript, value, "%5.2f", explanation);
}

// The title of a section on its bar, with the check box that opens and
// closes it; when open, the column heads and the line below them. Returns
// whether the section is open.
bool Section(Sheet& s, const char* title, int* open) {
    s.y += 8;
    Add_Rectangle_to_Scrollable_Area(s.slot, 4, s.y - 13, X_RIGHT, s.y + 6, g_bar_colour);
    Add_Check_Box_to_Scrollable_Area(s.slot, 26, s.y, title, FONT_HEAD, BLACK_CI, open, &g_always);
    s.y += 30;
    if (!*open) return false;
    Add_Text_to_Scrollable_Area(s.slot, X_CHAPTER, s.y, "Kapitel", FONT_HEAD, BLACK_CI, 0);
    Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y, "Parameter", FONT_HEAD, BLACK_CI, 0);
    Add_Text_to_Scrollable_Area(s.slot, X_EXPLANATION, s.y, "Erläuterung"_cp, FONT_HEAD, BLACK_CI, 0);
    Add_Line_to_Scrollable_Area(s.slot, 4, s.y + 6, X_RIGHT, s.y + 6, BLACK_CI);
    s.y += 26;
    return true;
}

// EN 1993-1-1 6.1 and 6.3.2, with EN 1993-1-2.
void Sheet_EN1993_1_1_General(Sheet& s, NAD_EC3_1_Record* r) {
    const bool show_6_1 = NAD_EC3_Print_Flag(EC3_SHOW_6_1), m2 = NAD_EC3_Print_Flag(EC3_SHOW_GAMMA_M2);
    const bool bolts = NAD_EC3_Print_Flag(EC3_BOLTS_HEADING), ltb = NAD_EC3_Print_Flag(EC3_SHOW_LTB);
    if ((show_6_1 || ltb) && Section(s, "EN 1993-1-1 (Eurocode 3, Grundnorm)", &g_open[0])) {
        if (show_6_1) {
            Row(s, ROW_HEADING, "6.1", nullptr, "Allgemeines");
            if (bolts) {
                Row(s, ROW_TWO_LINES, "(1)", nullptr, "Teilsicherheitsbeiwerte für"_cp, "Baustahl");
            } else {
                Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y - 3, "ständige und vorüber-"_cp, FONT_SMALL,
                                            BLACK_CI, 0);
                Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y + 7, "gehende Situation", FONT_SMALL, BLACK_CI, 0);
                Row(s, ROW_TWO_LINES, "(1)", nullptr, "Teilsicherheitsbeiwerte für"_cp, "Baustahl");
            }
            Gamma_Row(s, "M0", &r->gamma_M0, "Querschnittsversagen");
            Gamma_Row(s, "M1", &r->gamma_M1, "Stabilitätsversagen"_cp);
            if (m2) {
                Gamma_Row(s, "M2", &r->gamma_M2, "Bruchversagen infolge Zug");
                if (bolts)
                    Row(s, ROW_TWO_LINES, nullptr, nullptr, "Beanspruchbarkeit von Schraube,",
                        "Schweißnaht, Blech auf Lochleibung"_cp);
            }
            if (NAD_EC3_Print_Flag(EC3_SHOW_ACCIDENTAL)) {
                Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y - 3, "außergewöhnliche"_cp, FONT_SMALL,
                                            BLACK_CI, 0);
                Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y + 7, "Situation", FONT_SMALL, BLACK_CI, 0);
                Row(s, ROW_TWO_LINES, nullptr, nullptr, "Teilsicherheitsbeiwerte für"_cp, "Baustahl");
                Gamma_Row(s, "M0", &r->gamma_M0_acc, "Querschnittsversagen");
                Gamma_Row(s, "M1", &r->gamma_M1_acc, "Stabilitätsversagen"_cp);
                if (m2) Gamma_Row(s, "M2", &r->gamma_M2_acc, "Bruchversagen infolge Zug");
            }
        }
        if (ltb) {
            Row(s, ROW_HEADING, "6.3.2.2", nullptr, "Biegedrillknicken");
            Add_Check_Box_to_Scrollable_Area(s.slot, X_PARAMETER + 20, s.y, "von \xBC      ansetzen", FONT_PLAIN, BLACK_CI,
                                             &r->apply_f_general, &g_editable);
            Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER + 60, s.y + 2, "LT", FONT_SMALL, BLACK_CI, 0);
            Row(s, ROW_TWO_LINES, "(2)", nullptr, "Faktor f zur Modifizierung", "Allgemeiner Fall");
            Row(s, ROW_TWO_LINES, "6.3.2.3", nullptr, "Biegedrillknicken gewalzter oder",
                "gleichartig geschweißter Querschnitte"_cp);
            Symbol(s, X_PARAMETER, s.y, "\xC5", "LT,0");
            Field(s, X_FIELD, s.y, &r->lambda_LT0, "%5.2f");
            Row(s, ROW_VALUE, "(1)", nullptr, "Schlankheitsgrad Gl. (6.57)");
            Value_Row(s, "\xBB", nullptr, &r->beta, "%5.2f", "Korrekturfaktor Gl. (6.57)");
            g_f_editable = g_editable && r->f_given;
            Add_Check_Box_to_Scrollable_Area(s.slot, X_PARAMETER + 20, s.y, "Faktor f vorgeben", FONT_PLAIN, BLACK_CI,
                                             &r->f_given, &g_editable);
            Field(s, X_FIELD_2, s.y, &r->f, "%5.3f", &g_f_editable);
            Row(s, ROW_VALUE, "(2)", nullptr, "Abminderungsfaktor \xBC");
            Add_Text_to_Scrollable_Area(s.slot, X_EXPLANATION + 120, s.y - ROW_VALUE + 2, "LT", FONT_SMALL, BLACK_CI, 0);
            Add_Radio_Button_to_Scrollable_Area(s.slot, X_PARAMETER + 20, s.y, "aus Tabelle 6.6", FONT_PLAIN, BLACK_CI,
                                                1, &r->kc_from_table, &g_editable);
            Row(s, ROW_VALUE, nullptr, nullptr, "Korrekturbeiwert k");
            // After the row: its band would cover the subscript.
            Add_Text_to_Scrollable_Area(s.slot, X_EXPLANATION + 108, s.y - ROW_VALUE + 2, "c", FONT_SMALL, BLACK_CI, 0);
            g_kc_editable = g_editable && !r->kc_from_table;
            Add_Radio_Button_to_Scrollable_Area(s.slot, X_PARAMETER + 20, s.y, "k   vorgeben", FONT_PLAIN, BLACK_CI, 0,
                                                &r->kc_from_table, &g_editable);
            Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER + 28, s.y + 2, "c", FONT_SMALL, BLACK_CI, 0);
            Field(s, X_FIELD_2, s.y, &r->k_c, "%5.3f", &g_kc_editable);
            Row(s, ROW_VALUE, nullptr, nullptr, nullptr);
        }
    }
    if (NAD_EC3_Print_Flag(EC3_SHOW_FIRE) && Section(s, "EN 1993-1-2 (Eurocode 3, Brandfall)", &g_open[1])) {
        Row(s, ROW_HEADING, "2.3", nullptr, "Mechanisches Verhalten");
        Symbol(s, X_PARAMETER, s.y, "\xC0", "M,fi");
        Field(s, X_FIELD, s.y, &r->gamma_M_fi, "%5.2f");
        Row(s, ROW_VALUE, "(1)", nullptr, "Materialsicherheit (Brandfall)");
    }
}

// EN 1993-1-8, -1-5, -1-9 and -6.
void Sheet_EN1993_1_8_Joints(Sheet& s, NAD_EC3_8_Record* r) {
    if (NAD_EC3_Print_Flag(EC3_SHOW_6_1) && NAD_EC3_Print_Flag(EC3_SHOW_1_8) &&
        Section(s, "EN 1993-1-8 (Eurocode 3, Anschlüsse)"_cp, &g_open[2])) {
        Row(s, ROW_HEADING, "2.2", nullptr, "Allgemeine Anforderungen");
        Row(s, ROW_TWO_LINES, "(2)", nullptr, "Teilsicherheitsbeiwerte für"_cp, "Anschlüsse"_cp);
        Gamma_Row(s, "M3", &r->gamma_M3, "Gleitfestigkeit (Kat.C, GZT)");
        Gamma_Row(s, "M3,ser", &r->gamma_M3ser, "Gleitfestigkeit (Kat.B, GZG)");
        Gamma_Row(s, "M4", &r->gamma_M4, "Injektionsschrauben");
        Gamma_Row(s, "M6,ser", &r->gamma_M6ser, "Bolzen (GZG)");
        Gamma_Row(s, "M7", &r->gamma_M7, "Vorspannung hochfester Schrauben");
        Gamma_Row(s, "M5", &r->gamma_M5, "Hohlprofile in Fachwerken");
    }
    if (NAD_EC3_Print_Flag(EC3_SHOW_1_5) && Section(s, "EN 1993-1-5 (Eurocode 3, Plattenbeulen)", &g_open[3])) {
        Row(s, ROW_HEADING, "3.3", nullptr, "Schubverzerrungen");
        Add_Radio_Button_to_Scrollable_Area(s.slot, X_PARAMETER + 84, s.y, "2", FONT_PLAIN, BLACK_CI, 2,
                                            &r->shear_lag_note, &g_editable);
        Add_Radio_Button_to_Scrollable_Area(s.slot, X_PARAMETER + 124, s.y, "3", FONT_PLAIN, BLACK_CI, 3,
                                            &r->shear_lag_note, &g_editable);
        Row(s, ROW_VALUE, "(1)", "Anmerk.", "Anmerkungen");
        Row(s, ROW_HEADING, "5.1", nullptr, "Schubbeulen");
        Symbol(s, X_PARAMETER, s.y, "\xC1", nullptr);
        Field(s, X_FIELD, s.y, &r->eta, "%5.2f");
        Row(s, ROW_VALUE, "(2)", nullptr, "Beiwert");
    }
    if (NAD_EC3_Print_Flag(EC3_SHOW_1_9) && Section(s, "EN 1993-1-9 (Eurocode 3, Ermüdung)"_cp, &g_open[4])) {
        Row(s, ROW_HEADING, "3", nullptr, "Bemessungskonzepte");
        Row(s, ROW_TWO_LINES, "(7)", nullptr, "Teilsicherheitsbeiwerte für"_cp, "die Ermüdungsfestigkeit"_cp);
        Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y - 3, "     Schadensfolgen       ", FONT_SMALL, BLACK_CI, 0);
        Add_Text_to_Scrollable_Area(s.slot, X_PARAMETER, s.y + 7, "  niedrig             hoch", FONT_SMALL, BLACK_CI, 0);
        Row(s, ROW_TWO_LINES, nullptr, nullptr, nullptr);
        struct {
            double* low;
            double* high;
            const char* text;
        } rows[2] = {{&r->gamma_Mf_dt_low, &r->gamma_Mf_dt_high, "Schadenstoleranz"},
                     {&r->gamma_Mf_sl_low, &r->gamma_Mf_sl_high, "Versagen ohne Vorankündigung"_cp}};
        for (auto& row : rows) {
            Field(s, X_PARAMETER + 14, s.y, row.low, "%5.2f");
            Field(s, X_PARAMETER + 124, s.y, row.high, "%5.2f");
            Row(s, ROW_VALUE, nullptr, nullptr, row.text);
        }
    }
    if (NAD_EC3_Print_Flag(EC3_SHOW_6) && Section(s, "EN 1993-6 (Eurocode 3, Kranbahnen)", &g_open[5])) {
        Row(s, ROW_HEADING, "7.5", nullptr, "Elastisches Verhalten");
        Symbol(s, X_PARAMETER, s.y, "\xC0", "M,ser");
        Field(s, X_FIELD, s.y, &r->gamma_Mser, "%5.2f");
        Row(s, ROW_VALUE, "(1)", nullptr, "Materialsicherheit (GZG)");
    }
}

}  // namespace

void Draw_NAD_EC3_Sheet(int slot, int* y, NAD_EC3_Block* b, int editable) {
    if (!y || !b) return;
    Set_NAD_EC3_Print_Flags();
    if (g_row_colour < 0) {
        g_row_colour = Nearest_RGB_Color(234, 255, 251);
        g_bar_colour = Nearest_RGB_Color(205, 254, 244);
    }
    g_editable = editable ? 1 : 0;
    Clear_Scrollable_View_Area(slot);
    Sheet s{slot, *y};
    Sheet_EN1993_1_1_General(s, &b->ec3_1);
    Sheet_EN1993_1_8_Joints(s, &b->ec3_8);
    *y = s.y;
    Update_Scrollable_View_Area(slot);
}

void Reset_NAD_EC3_Sheet() {
    g_row_colour = g_bar_colour = -1;
    g_editable = g_f_editable = g_kc_editable = 0;
    for (int& open : g_open) open = 1;
}

void Reset_NAD_Sheets() {
    Reset_NAD_EC0_Sheet();
    Reset_NAD_EC2_Sheet();
    Reset_NAD_EC3_Sheet();
    Reset_NAD_EC5_Sheet();
}
