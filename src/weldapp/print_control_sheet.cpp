// The sheet "Ausdrucksteuerung": the print-control record edited in place,
// with its dependent controls and the preface editor.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "weldapp/oliprops.h"
#include "weldapp/tool_text.h"
#include "weldapp/user_comment.h"

namespace {

enum { CODE_AREA = 1, CODE_OK = 8, CODE_BREAK = 9, WRAP_COLUMN = 110, MIN_PREFACE = 5 };

// The sheet's half width and half height around its centre. The raster
// font's 8 pixels a character need 420 pixels across: the widest row,
// "maßgebende Lastkombination detailliert" at x 75 of the area, ends at
// 376 and the area keeps 10 pixels on either side.
enum { HALF_WIDTH = 210, HALF_HEIGHT = 292, BAND_MARGIN = 10 };

// The sheet's state: its centre for the run; the detail state and the
// button flag while it is open; the preface's line count.
struct Sheet_State {
    bool placed = false;
    int cx = 0, cy = 0;
    int detail_mode = 1;
    double detail_number = 1.0;
    int preface_button = 0;
    int preface_lines = 0;
    // The values the limited fields had before the user's edit.
    double scale_before = 0.0, number_before = 1.0, tolerance_before = 0.0;
    OliProps* props = nullptr;
    // The connection's load combinations: the highest number shown in
    // detail (0: not known, no upper limit).
    int load_count = 0;
};

Sheet_State sheet;

void Detail_From_Record(const OliProps* p) {
    if (p->detailausgabe < 0) {
        sheet.detail_mode = 2;
        sheet.detail_number = -static_cast<double>(p->detailausgabe);
    } else {
        sheet.detail_mode = p->detailausgabe == 0 ? 0 : 1;
        if (sheet.detail_number < 0.1) sheet.detail_number = 1.0;
    }
}

void Detail_To_Record(OliProps* p) {
    if (sheet.detail_mode == 1) p->detailausgabe = 1;
    else if (sheet.detail_mode == 2) p->detailausgabe = -static_cast<int>(sheet.detail_number + 0.1);
    else p->detailausgabe = 0;
}

// A limited field keeps its old value when the new one is out of bounds.
void* Refuse(double* value, double before, const char* text) {
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\nDer bisherige Wert bleibt erhalten.", text);
    *value = before;
    return value;
}

void* Check_Scale(void* v) {
    auto* value = static_cast<double*>(v);
    if (value && !(*value >= Input_Range_Of(RANGE_SCALE).minimum)) return Refuse(value, sheet.scale_before, "Der Maßstab darf nicht negativ sein."_cp);
    if (value && *value > OLIPROPS_MAX_SCALE) {
        char text[96];
        std::snprintf(text, sizeof text, "Der Maßstab darf höchstens 1 : %.0f sein."_cp, OLIPROPS_MAX_SCALE);
        return Refuse(value, sheet.scale_before, text);
    }
    return v;
}

void* Check_Detail_Number(void* v) {
    auto* value = static_cast<double*>(v);
    if (value && !(*value >= 1.0 && *value < 2147483647.0))
        return Refuse(value, sheet.number_before, "Die Nummer der Lastkombination muss mindestens 1 sein.");
    // Beyond the last combination the list would have no case to show.
    if (value && sheet.load_count > 0 && static_cast<int>(*value + 0.1) > sheet.load_count) {
        char text[128];
        if (sheet.load_count == 1)
            std::snprintf(text, sizeof text, "%s", "Es gibt nur 1 Lastkombination: die Nummer muss 1 sein.");
        else
            std::snprintf(text, sizeof text, "Es gibt nur %d Lastkombinationen: die Nummer muss zwischen 1 und %d liegen.",
                          sheet.load_count, sheet.load_count);
        return Refuse(value, sheet.number_before, text);
    }
    return v;
}

void* Check_Tolerance(void* v) {
    auto* value = static_cast<double*>(v);
    if (value && !Input_Range_Holds(RANGE_TOLERANCE, *value))
        return Refuse(value, sheet.tolerance_before, "Die Toleranz im Endergebnis muss zwischen 0 und 10 % liegen.");
    return v;
}

// Where the next row of controls goes.
struct Rows {
    int area;
    int y;
};

void Band(int area, int y, const char* heading) {
    int width = 0, height = 0;
    Inquire_Scrollable_View_Area_Size(area, &width, &height);
    Add_Rectangle_to_Scrollable_Area(area, BAND_MARGIN, y, width - BAND_MARGIN, y + 20, Nearest_RGB_Color(203, 248, 235));
    Add_Text_to_Scrollable_Area(area, 35, y + 15, heading, Screen_Font_Bold, Screen_Black, 0);
}

void Check(Rows& r, const char* label, int* value) {
    Add_Check_Box_to_Scrollable_Area(r.area, 55, r.y, label, Screen_Font_Normal, Screen_Black, value,
                                     &Screen_Flag_On);
    r.y += 22;
}

// The place of an item that follows a text at x: where the layout puts it,
// or further right when the screen font's text would reach under it (a
// field's box begins 8 pixels left of its place and ends 8 right of its
// text: a text after a field keeps a character's width more).
enum { GAP_TEXT = 8, GAP_FIELD = 14, GAP_AFTER_FIELD = 16 };
int After(int x_layout, int x_text, const char* text, int gap) {
    const int end = x_text + RFont_Text_Width(Screen_Font_Normal & RFONT_WORD_BITS, text, -1) + gap;
    return end > x_layout ? end : x_layout;
}

bool Tabular_Offered(int application) {
    return application != 150 && application != 152 && application != 162;
}

}  // namespace

void Fill_Print_Control_Sheet(OliProps* p, int area) {
    if (!p) return;
    Clear_Scrollable_View_Area(area);
    const int application = CurOb_Application_Number();
    const int font = Screen_Font_Normal, black = Screen_Black;
    sheet.scale_before = p->massstab;
    sheet.number_before = sheet.detail_number;
    sheet.tolerance_before = p->toleranz;

    Band(area, 5, "Eingabeprotokoll");
    Add_Action_Button(area, 55, 47, &sheet.preface_button, "Vorbemerkungen", 0);
    char lines[32];
    std::snprintf(lines, sizeof lines, "(%d Zeilen)", sheet.preface_lines);
    Add_Text_to_Scrollable_Area(area, After(175, 55, "Vorbemerkungen", GAP_TEXT), 47, lines, font, black, 0);

    Rows r = {area, 69};
    if (p->grafik) {
        // The scale stands in the row of its switch.
        const int x_scale = After(95, 55, "Grafik", GAP_TEXT);
        Add_Text_to_Scrollable_Area(area, x_scale, r.y, "im Maßstab  1 :"_cp, font, black, 0);
        Add_Float_to_Scrollable_Area(area, After(195, x_scale, "im Maßstab  1 :"_cp, GAP_FIELD), r.y, &p->massstab, "%5.1f", font,
                                     black, &Screen_Flag_On);
        Set_Last_Item_Check_Function(area, Check_Scale);
    }
    Check(r, "Grafik", &p->grafik);
    Check(r, "Eingabeparameter", &p->eingabeparameter);
    if (application == 152) Check(r, "Bemessungskräfte"_cp, &p->bemessungsgroessen);
    else Check(r, "Materialsicherheitsbeiwerte", &p->sicherheitsbeiwerte);
    Check(r, "zusätzliche Informationen"_cp, &p->zusatzinfo);
    Check(r, "Parameter des nationalen Anhangs", &p->na_parameter);
    Check(r, "Vorschriften", &p->vorschriften);

    const int L = r.y;
    Band(area, L - 5, "Ergebnisse");
    int y = L + 10 + 27;
    auto radio = [&](int x, const char* label, int value, int* selector) {
        Add_Radio_Button_to_Scrollable_Area(area, x, y, label, font, black, value, selector, &Screen_Flag_On);
        y += 18;
    };
    radio(55, "ausführlich"_cp, ERGEBNISUMFANG_AUSFUEHRLICH, &p->ergebnisumfang);
    radio(55, "standard", ERGEBNISUMFANG_STANDARD, &p->ergebnisumfang);
    radio(55, "minimal", ERGEBNISUMFANG_MINIMAL, &p->ergebnisumfang);
    if (application == 162) {
        radio(55, "maßgebender Kerbpunkt"_cp, ERGEBNISUMFANG_MASSGEBEND, &p->ergebnisumfang);
    } else if (Tabular_Offered(application)) {
        radio(55, "tabellarisch", ERGEBNISUMFANG_TABELLARISCH, &p->ergebnisumfang);
        if (p->ergebnisumfang == ERGEBNISUMFANG_TABELLARISCH) {
            radio(75, "maßgebende Lastkombination detailliert"_cp, 1, &sheet.detail_mode);
            if (sheet.detail_mode == 2) {
                // Within the area, even where its label is wider.
                int width = 0, height = 0;
                Inquire_Scrollable_View_Area_Size(area, &width, &height);
                const int x_number = std::min(After(265, 75, "Lastkombination detailliert: Nr.", GAP_FIELD), width - 40);
                Add_Float_to_Scrollable_Area(area, x_number, y, &sheet.detail_number, "%4.0f", font, black,
                                             &Screen_Flag_On);
                Set_Last_Item_Check_Function(area, Check_Detail_Number);
            }
            radio(75, "Lastkombination detailliert: Nr.", 2, &sheet.detail_mode);
            radio(75, "keine detaillierte Ausgabe", 0, &sheet.detail_mode);
        }
        radio(55, "maßgebende Lastkombination"_cp, ERGEBNISUMFANG_MASSGEBEND, &p->ergebnisumfang);
    }

    r.y = y - 18 + 27;
    if (application == 164 || application == 166 || application == 180)
        Check(r, "optimierte Tabelle (FEM-Ergebnisse)", &p->bemessungsgroessen);
    if (application == 153 || application == 154 || application == 155 || application == 157 || application == 158 ||
        application == 161 || application == 168)
        Check(r, "Bemessungsgrößen"_cp, &p->bemessungsgroessen);
    Check(r, "Zwischenergebnisse", &p->zwischenergebnisse);
    Check(r, "Erläuterungsskizzen"_cp, &p->skizzen);
    Check(r, "Abschnittsnummerierung unterdrücken"_cp, &p->ohne_nummerierung);

    if (application != 150 && application != 152) {
        const int yt = r.y - 22 + 27;
        Add_Text_to_Scrollable_Area(area, 35, yt, "Toleranz im Endergebnis", font, black, 0);
        const int x_field = After(190, 35, "Toleranz im Endergebnis", GAP_FIELD);
        Add_Float_to_Scrollable_Area(area, x_field, yt, &p->toleranz, "%4.1f", font, black, &Screen_Flag_On);
        Set_Last_Item_Check_Function(area, Check_Tolerance);
        Add_Text_to_Scrollable_Area(area, After(235, x_field, "99.9", GAP_AFTER_FIELD), yt, "%", font, black, 0);
    }
    Update_Scrollable_View_Area(area);
}

int Init_Print_Props_Texts(OliProps* p) {
    if (!p) return 0;
    int result = 0;
    if (sheet.preface_button) {
        Detail_To_Record(p);
        char* given = nullptr;
        if (p->vorbemerkungen) {
            const size_t n = std::strlen(p->vorbemerkungen);
            given = static_cast<char*>(Weld_Calloc_Or_Exit(__FILE__, __LINE__, n + 1, 1));
            std::memcpy(given, p->vorbemerkungen, n);
        }
        Mem_Free(__FILE__, __LINE__, "null", p->vorbemerkungen);
        p->vorbemerkungen = nullptr;
        char* edited = Edit_User_Comment(given, "Vorbemerkungen");
        if (edited && std::strlen(edited) >= MIN_PREFACE) {
            const size_t n = std::strlen(edited);
            p->vorbemerkungen = static_cast<char*>(Weld_Calloc_Or_Exit(__FILE__, __LINE__, n + 1, 1));
            std::memcpy(p->vorbemerkungen, edited, n);
        }
        Mem_Free(__FILE__, __LINE__, "null", edited);
        Detail_From_Record(p);
        sheet.preface_button = 0;
        result = 1;
    }
    // Lines longer than the print list's column break at their last blank.
    int lines = 0;
    if (char* text = p->vorbemerkungen) {
        size_t start = 0;
        for (;;) {
            const char* lf = std::strchr(text + start, '\n');
            if (!lf) break;
            const size_t end = static_cast<size_t>(lf - text);
            if (end - start > WRAP_COLUMN) {
                size_t blank = start + WRAP_COLUMN;
                while (blank > start && text[blank - 1] != ' ') --blank;
                if (blank > start) {
                    text[blank - 1] = '\n';
                    start = blank;
                    continue;
                }
            }
            start = end + 1;
        }
        // Every line counts, the last one too when no line feed ends it.
        for (const char* c = text; *c; ++c) lines += *c == '\n' || c[1] == '\0';
    }
    sheet.preface_lines = lines;
    return result;
}

int Print_Props_Preface_Lines(void) { return sheet.preface_lines; }

int Edit_Print_Control_Sheet(OliProps* p) {
    if (!p || VEK_Batch_Mode()) return 0;
    if (!sheet.placed) {
        sheet.cx = NPIXEL_X / 2;
        sheet.cy = NPIXEL_Y / 2;
        sheet.placed = true;
    }
    int x1 = sheet.cx - HALF_WIDTH, y1 = sheet.cy - HALF_HEIGHT;
    int x2 = sheet.cx + HALF_WIDTH - 1, y2 = sheet.cy + HALF_HEIGHT;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    sheet.cx = x1 + HALF_WIDTH;
    sheet.cy = y1 + HALF_HEIGHT;
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Ausdrucksteuerung", 10, 1)) return 0;
    const int break_button = Add_Single_Button_to_PS(x1 + 14, y2 - 29, 1, CODE_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS((x1 + x2) / 2 - 10, y2 - 29, 1, 0, 0, "kx411_ausdruck");
    Add_Single_Button_to_PS(x2 - 40, y2 - 29, 1, CODE_OK, nullptr, SYMBOLIC_OK_RASTER, 0);
    const int area = Define_Scrollable_View_Area(x1 + 10, y1 + 42, x2 - 10, y2 - 45, 0, 0);
    // Enter confirms (Escape breaks) with the pointer resting on the page too.
    Set_Scrollable_Area_Key_Hover_End(area, 1);
    const int escape = Add_Escape_Area_to_PS(x1 + 10, y1 + 42, x2 - 30, y2 - 45, CODE_AREA);
    Set_Escape_Area_to_MouseMoveEvent(escape);
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    sheet.props = p;
    sheet.preface_button = 0;
    Detail_From_Record(p);
    Init_Print_Props_Texts(p);
    for (;;) {
        Fill_Print_Control_Sheet(p, area);
        if (Init_Print_Props_Texts(p) == 1) Fill_Print_Control_Sheet(p, area);
        const int code = Edit_Prop_Sheet();
        if (code == CODE_AREA) {
            Edit_Scrollable_View_Area(area);
            continue;
        }
        // The window's close request leaves as Break does.
        if (code == CODE_OK || code == CODE_BREAK || code == VEK_CLOSE_CODE || code == 0) break;
    }
    Prop_Sheet_Displacement(&dx, &dy);
    sheet.cx += dx;
    sheet.cy += dy;
    Undefine_Scrollable_View_Area(area);
    Undefine_Prop_Sheet();
    Detail_To_Record(p);
    sheet.props = nullptr;
    return 0;
}

void Set_Print_Control_Load_Count(int count) { sheet.load_count = count > 0 ? count : 0; }

void Reset_Print_Control_Sheet(void) { sheet = Sheet_State{}; }
