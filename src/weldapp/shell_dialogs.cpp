// The end dialog and the question sheet of the shell.
#include "weldapp/shell_dialogs.h"

#include <algorithm>

#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

enum { CODE_BREAK = 1, CODE_OK = 2, CODE_AREA = 20 };

// Where the two sheets stood last (their centres); -1: the screen centre.
struct Place {
    int x = -1, y = -1;
};
Place g_end_place, g_question_place;

// The size of a text area on this screen: held within the screen's width
// less 40, and when the screen is too low for it, as high as it allows with
// a vertical slider that takes 17 pixels of the width.
void Fit_Area(int* width, int* height, bool* slider) {
    *width = std::min(*width, pxScreenWidth() - 40);
    *slider = pxScreenHeight() - 104 <= *height;
    if (*slider) {
        *height = pxScreenHeight() - 105;
        *width -= 17;
    }
}

// A modal sheet whose body is one scrollable area, with Break and OK (and
// help) buttons below it, standing at its remembered place.
struct Modal_Sheet {
    int area = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int ok = 0, brk = 0;
    Place* place = nullptr;

    // Returns false when no sheet could be made.
    bool Open(Place* where, const char* title, int area_width, int area_height, bool slider, bool with_ok,
              const char* help_key) {
        place = where;
        const int w = area_width + 20 + (slider ? 17 : 0), h = area_height + 85;
        const int cx = where->x >= 0 ? where->x : pxScreenWidth() / 2;
        const int cy = where->y >= 0 ? where->y : pxScreenHeight() / 2;
        x1 = cx - w / 2;
        y1 = cy - h / 2;
        x2 = x1 + w - 1;
        y2 = y1 + h - 1;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
        if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title, 10, 1)) return false;
        const int ax1 = x1 + 10, ay1 = y1 + 35, ax2 = ax1 + area_width + (slider ? 17 : 0), ay2 = ay1 + area_height;
        Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(ax1, ay1, ax2, ay2, CODE_AREA));
        area = Define_Scrollable_View_Area(ax1, ay1, ax2, ay2, 0, slider ? 1 : 0);
        // A key ends the area's wait and is left to the sheet, so that Enter
        // confirms (and Escape breaks) with the pointer resting on the
        // choices too.
        Set_Scrollable_Area_Key_Hover_End(area, 1);
        brk = Add_Single_Button_to_PS(x1 + 15, y2 - 32, 1, CODE_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 0);
        if (with_ok) ok = Add_Single_Button_to_PS(x2 - 42, y2 - 32, 1, CODE_OK, nullptr, SYMBOLIC_OK_RASTER, 0);
        if (help_key) Add_Help_to_PS((x1 + x2) / 2 - 11, y2 - 33, 1, 0, 0, help_key);
        Activate_Prop_Sheet();
        return true;
    }

    // Passes of the area filled by fill and the sheet's edit, the area's own
    // loop for its clicks, until OK (true) or Break, the close request or
    // no sheet (false).
    template <class Fill>
    bool Run(Fill fill) {
        for (;;) {
            Clear_Scrollable_View_Area(area);
            fill();
            Update_Scrollable_View_Area(area);
            const int code = Edit_Prop_Sheet();
            if (code == CODE_OK && ok) return true;
            if (code == CODE_AREA) Edit_Scrollable_View_Area(area);
            else if (code == CODE_BREAK || code == VEK_CLOSE_CODE || code == 0) return false;
        }
    }

    // The sheet's centre is kept for the next call; the sheet goes.
    void Close() {
        int dx = 0, dy = 0;
        Prop_Sheet_Displacement(&dx, &dy);
        place->x = (x1 + x2) / 2 + dx;
        place->y = (y1 + y2) / 2 + dy;
        Undefine_Scrollable_View_Area(area);
        Undefine_Prop_Sheet();
    }
};

// Opens the sheet and, when the items (filled once by fill) reach beyond
// its area, opens it again as wide as they need within the screen: the
// widths the callers give were measured for narrower fonts than the
// stand-in's.
template <class Fill>
bool Open_Fitting(Modal_Sheet& sheet, Place* where, const char* title, int width, int height, bool slider,
                  bool with_ok, const char* help_key, Fill fill) {
    if (!sheet.Open(where, title, width, height, slider, with_ok, help_key)) return false;
    Clear_Scrollable_View_Area(sheet.area);
    fill();
    int content = 0;
    Inquire_Scrollable_View_Area_Content(sheet.area, &content, nullptr);
    const int wanted = std::min(content + 10, pxScreenWidth() - 40 - (slider ? 17 : 0));
    if (wanted <= width) return true;
    const Place kept = *where;
    sheet.Close();
    *where = kept;
    return sheet.Open(where, title, wanted, height, slider, with_ok, help_key);
}

}  // namespace

int Edit_End_Dialog(void) {
    const bool module_166 = CurOb_Application_Number() == 166;
    int width = std::min(pxScreenWidth(), 280) - 40, height = module_166 ? 110 : 70;
    bool slider = false;
    Fit_Area(&width, &height, &slider);
    static int choice;
    choice = 1;
    Modal_Sheet sheet;
    const int black = Screen_Black, normal = Screen_Font_Normal;
    auto fill = [&] {
        const int a = sheet.area;
        Add_Text_to_Scrollable_Area(a, 20, 20, "Bearbeitungszustand", Screen_Font_Bold, black, 0);
        if (!module_166) {
            Add_Radio_Button_to_Scrollable_Area(a, 40, 38, "speichern und beenden", normal, black, 1, &choice,
                                                &Screen_Flag_On);
            Add_Radio_Button_to_Scrollable_Area(a, 40, 56, "beenden ohne zu speichern", normal, black, 0, &choice,
                                                &Screen_Flag_On);
            return;
        }
        Add_Radio_Button_to_Scrollable_Area(a, 40, 38, "berechnen und speichern", normal, black, 1, &choice,
                                            &Screen_Flag_On);
        Add_Text_to_Scrollable_Area(a, 60, 50, "(Aktualisierung der Druckliste)", Screen_Font_Small, black, 0);
        Add_Radio_Button_to_Scrollable_Area(a, 40, 68, "speichern ohne zu rechnen", normal, black, 2, &choice,
                                            &Screen_Flag_On);
        Add_Text_to_Scrollable_Area(a, 60, 80, "(Druckliste wird nicht neu erstellt)", Screen_Font_Small, black, 0);
        Add_Radio_Button_to_Scrollable_Area(a, 40, 98, "nicht speichern", normal, black, 0, &choice, &Screen_Flag_On);
    };
    if (!Open_Fitting(sheet, &g_end_place, "BEARBEITUNG BEENDEN", width, height, slider, true, nullptr, fill))
        return -1;
    Move_Mouse_Cursor_to_Button_of_PS(sheet.ok);
    const int result = sheet.Run(fill) ? choice : -1;
    sheet.Close();
    return result;
}

int Show_Question_Sheet(int kind, int width, int height, const char* help_key, void* user_data,
                        Question_Text_Callback text) {
    bool slider = false;
    Fit_Area(&width, &height, &slider);
    const bool with_ok = kind == 0 || kind == 1;
    Modal_Sheet sheet;
    auto fill = [&] {
        int y = 20;
        if (text) text(sheet.area, 20, &y, user_data);
    };
    if (!Open_Fitting(sheet, &g_question_place, kind < 0 ? "Info" : "Nachfrage", width, height, slider, with_ok,
                      help_key && *help_key ? help_key : nullptr, fill))
        return 0;
    Move_Mouse_Cursor_to_Button_of_PS(kind == 1 ? sheet.ok : sheet.brk);
    const int result = sheet.Run(fill) ? 1 : 0;
    sheet.Close();
    return result;
}

void Many_Loadcases_Callback(int area, int x, int* y, void* user_data) {
    (void)user_data;
    if (!y) return;
    const int black = Screen_Black;
    Add_Text_to_Scrollable_Area(area, x, *y, "Es sind mehr als 10 Lastkollektive zu berechnen.", Screen_Font_Normal,
                                black, 0);
    *y += 22;
    Add_Text_to_Scrollable_Area(area, x, *y, "Sollen wirklich alle Lastkollektive ausgedruckt werden ?",
                                Screen_Font_Bold, black, 0);
    *y += 22;
    Add_Text_to_Scrollable_Area(area, x, *y, "Wenn nicht, brechen Sie hier bitte ab und aktivieren in der",
                                Screen_Font_Normal, black, 0);
    *y += 18;
    Add_Text_to_Scrollable_Area(area, x, *y, "'Ausdrucksteuerung' den Button für die tabellarische Ausgabe."_cp,
                                Screen_Font_Normal, black, 0);
    *y += 22;
    Add_Text_to_Scrollable_Area(area, x, *y, "Der Hinweis wird in dieser Sitzung nicht noch einmal angezeigt.",
                                Screen_Font_Small, Screen_Blue, 0);
}

void Reset_Shell_Dialogs(void) {
    g_end_place = Place{};
    g_question_place = Place{};
}
