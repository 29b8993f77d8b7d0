// The annex selection sheet: the list of annexes with their flags, the
// button that starts the separate annex editor, the activation of the
// chosen annex; the flag drawing of an annex number and the entry points of
// the weld program.
#include "codes/nad_selection_sheet.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_rules.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

const char kTitle[] = "Nationale Anwendungsdokumente";
const char kFlags[] = "NAD\\EuroFlags.bmp";
const char kButtons[] = "NAD\\Buttons.bmp";

// Sheet codes: the list area, OK, abbrechen, the header area.
enum { CODE_LIST = 1, CODE_OK = 2, CODE_BREAK = 3, CODE_HEADER = 4 };

enum { ROW_TEXT_WIDTH = 180, FONT_NAME = 0x11000, FONT_PLAIN = 0x1000 };

int g_centre_x = -1, g_centre_y = -1;
int g_warning_x = -1, g_warning_y = -1;
int g_pick = 0;  // list index + 1 of the row clicked last; 0 none
int g_white = -1, g_blue = -1;

// The name of a row as shown: cut at its end and closed with "..." while
// it is wider than the row leaves room for. The list keeps the full name.
std::string Row_Text(const char* name) {
    std::string base = name ? name : "";
    std::string text = base;
    Pop_RFont(FONT_PLAIN);
    while (!base.empty() && Text_Width_in_Pixels(text.c_str()) > ROW_TEXT_WIDTH) {
        base.pop_back();
        text = base + "...";
    }
    Push_RFont();
    return text;
}

void Show_Lines(const char* title, const char* first, const char* second, const char* third) {
    Init_Message();
    Set_Message_Title(title);
    Fill_Message("%s", first);
    Fill_Message("%s", second);
    if (third) Fill_Message("%s", third);
    Draw_Message();
}

// Starts the annex editor and waits for its end. A missing EXEC or an
// editor that cannot be started is named in a box, as the desktop's other
// tools are; the list is read again either way.
void Run_Annex_Editor() {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec) {
        Show_Lines("Installationsfehler", "Das EXEC-Verzeichnis", "ist nicht ermittelbar!", nullptr);
        return;
    }
    char path[VEK_MAX_PATH + 1];
    const char* name = Get_Requested_NAD_Name();
    const char* const argv[] = {path, name ? name : "", nullptr};
    if (!VEK_Join_Path(path, sizeof path, exec, "AnnexEdit") || VEKSpawnv(0, path, argv) < 0)
        Show_Lines("Installationsproblem", "Das VEK-Werkzeug", "- AnnexEdit -", "ist nicht installiert!");
}

// The header row: "Auswahl:" and, at its right end, the picture and the
// button that ask for the annex editor (*request becomes 1).
void Fill_Header(int area, int* request) {
    static int never = 0, always = 1;
    Clear_Scrollable_View_Area(area);
    Set_Scrollable_Area_Background(area, GetVEKColor(-1));
    Set_Scrollable_Area_Frame(area, 0);
    Add_Text_to_Scrollable_Area(area, 3, 13, "Auswahl:", FONT_PLAIN, BLACK_CI, 0);
    const int background = Nearest_RGB_Color(212, 208, 200);
    Add_Bitmap_Button_to_Scrollable_Area(area, 206, 6, 42, 8, kButtons, 577, background, 0, nullptr, 1, request,
                                         &never);
    Add_Bitmap_Button_to_Scrollable_Area(area, 251, 7, 9, 7, kButtons, 587, background, 0,
                                         "Anwendungs-\ndokumente\nbearbeiten", 1, request, &always);
    Update_Scrollable_View_Area(area);
}

}  // namespace

void Draw_EuroFlag(int x1, int y1, int x2, int y2, int value, int k) {
    // Flags beyond the bitmap's twenty show the neutral flag 17.
    const int top = k > 19 ? 19 * 17 : 19 * k;
    pxDrawPartialTransparentDIB(kFlags, 0, top, 25, top + 18, x1, y1, x2, y2, value, -1, 255, 251, 240);
}

void Draw_NAD_List_Flag(int x1, int y1, int, int, int id) {
    const char* data = VEKGetEnv("DATA");
    char path[VEK_MAX_PATH + 1];
    if (!data || !VEK_Join_Path(path, sizeof path, data, kFlags)) return;
    pxDrawPartialTransparentDIB(path, 0, 19 * id, 25, 19 * id + 18, x1, y1, x1 + 24, y1 + 18, 201, -1, 255, 251,
                                240);
}

void Draw_NAD_Selection_List(int area) {
    if (g_white < 0) {
        g_white = Nearest_RGB_Color(255, 255, 255);
        g_blue = Nearest_RGB_Color(0, 100, 150);
    }
    const NAD_List* list = Get_NAD_List();
    if (g_pick > 0) {
        const int i = g_pick - 1;
        if (i < list->count && list->names[i]) Set_Requested_NAD_Name(list->names[i]);
        g_pick = 0;
    }
    Clear_Scrollable_View_Area(area);
    if (list->count == 0) {
        Scroll_Scrollable_Area_to(area, 0, -35, 100, 35);
        Update_Scrollable_View_Area(area);
        return;
    }
    const char* active = Get_Requested_NAD_Name();
    int b = 0;
    for (int i = 0; i < list->count; ++i) {
        const int y = 5 + 25 * i;
        const char* name = list->names[i];
        if (name && active && std::strcmp(name, active) == 0) {
            Add_Rectangle_to_Scrollable_Area(area, 2, y - 1, 240, y + 23, g_white);
            Add_Line_to_Scrollable_Area(area, 2, y - 1, 240, y - 1, BLACK_CI);
            Add_Line_to_Scrollable_Area(area, 240, y - 1, 240, y + 23, BLACK_CI);
            Add_Line_to_Scrollable_Area(area, 240, y + 23, 2, y + 23, BLACK_CI);
            Add_Line_to_Scrollable_Area(area, 2, y + 23, 2, y - 1, BLACK_CI);
            b = y + 25;
        }
        Add_User_Drawn_Area_to_Scrollable_Area(area, 5, y + 2, 220, y + 27, list->ids[i], Draw_NAD_List_Flag);
        const std::string text = Row_Text(name);
        Add_Text_to_Scrollable_Area(area, 37, y + 14, text.c_str(), FONT_NAME, i < 2 ? g_blue : BLACK_CI, 0);
        Add_Click_Area_to_Scrollable_Area(area, 2, y - 1, 220, y + 23, i + 1, &g_pick);
    }
    Scroll_Scrollable_Area_to(area, 0, b - 35, 100, b + 35);
    Update_Scrollable_View_Area(area);
}

void NAD_Selection_Sheet() {
    if (VEK_Batch_Mode()) {
        std::fprintf(stderr, "%s\n", kTitle);
        return;
    }
    if (g_centre_x < 0) {
        g_centre_x = NPIXEL_X / 2;
        g_centre_y = NPIXEL_Y / 2;
    }
    Scan_NAD_List();
    // The whole name, so that abbrechen finds the very annex again.
    const char* requested = Get_Requested_NAD_Name();
    const std::string before = requested ? requested : "";
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    int x1 = g_centre_x - 145, x2 = g_centre_x + 145;
    int y1 = g_centre_y - 145, y2 = g_centre_y + 144;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g_centre_x = x1 + 145;
    g_centre_y = y1 + 145;
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, kTitle, 16, 1)) return;
    const int break_button = Add_Single_Button_to_PS(x1 + 16, y1 + 261, 1, CODE_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 1);
    Add_Help_to_PS(x1 + 133, y1 + 261, 1, 0, 0, "NAD_SELECTION_SHEET");
    Add_Single_Button_to_PS(x1 + 250, y1 + 261, 1, CODE_OK, nullptr, SYMBOLIC_OK_RASTER, 1);
    // Lies under the list area, which paints over it.
    Add_Single_Button_to_PS(x1 + 237, y1 + 113, 1, CODE_HEADER, nullptr, SYMBOLIC_MORE_RASTER, 0);
    Add_Escape_Area_to_PS(x1 + 12, y1 + 60, x1 + 260, y2 - 37, CODE_LIST);
    const int list = Define_Scrollable_View_Area(x1 + 12, y1 + 60, x1 + 275, y2 - 37, 0, 1);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 12, y1 + 35, x1 + 275, y1 + 50, CODE_HEADER));
    const int header = Define_Scrollable_View_Area(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, 0);
    // A key ends either area's wait and is left to the sheet, so that Enter
    // confirms (and Escape breaks) with the pointer resting on them too.
    Set_Scrollable_Area_Key_Hover_End(list, 1);
    Set_Scrollable_Area_Key_Hover_End(header, 1);
    int request = 0;
    Fill_Header(header, &request);
    Draw_NAD_Selection_List(list);
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
    Activate_Prop_Sheet();
    pxBuff(buffer);

    bool ok = false;
    for (bool editing = true; editing;) {
        switch (Edit_Prop_Sheet()) {
        case CODE_LIST:
            if (Edit_Scrollable_View_Area(list)) Draw_NAD_Selection_List(list);
            break;
        case CODE_HEADER:
            if (Edit_Scrollable_View_Area(header) && request) {
                Run_Annex_Editor();
                Scan_NAD_List();
                Draw_NAD_Selection_List(list);
                request = 0;
                Fill_Header(header, &request);
            }
            break;
        case CODE_OK:
            ok = true;
            editing = false;
            break;
        case CODE_BREAK:
        case VEK_CLOSE_CODE:  // the window closed, or nothing left to read
        case 0:
            editing = false;
            break;
        default:
            break;
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    g_centre_x += dx;
    g_centre_y += dy;
    Undefine_Scrollable_View_Area(list);
    Undefine_Scrollable_View_Area(header);
    Undefine_Prop_Sheet();
    g_pick = 0;
    if (!ok && !before.empty()) Set_Requested_NAD_Name(before.c_str());
    if (NAD_Verbose()) {
        const char* name = Get_Requested_NAD_Name();
        std::printf("\nSELECT: Preparing %s ...\n", name ? name : "");
    }
    Activate_NAD();
}

void NAD_Warning_Sheet(const char* requested) {
    if (VEK_Batch_Mode()) return;
    if (g_warning_x < 0) {
        g_warning_x = NPIXEL_X / 2;
        g_warning_y = NPIXEL_Y / 2;
    }
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    // 150 to either side: the raster font's longest line needs 250 pixels.
    int x1 = g_warning_x - 150, x2 = g_warning_x + 150;
    int y1 = g_warning_y - 112, y2 = g_warning_y + 112;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g_warning_x = (x1 + x2) / 2;
    g_warning_y = (y1 + y2) / 2;
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Warnung", 16, 1)) return;
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(x1 + 10, y1 + 40, x2 - 10, y2 - 10, CODE_LIST));
    const int area = Define_Scrollable_View_Area(x1 + 10, y1 + 40, x2 - 10, y2 - 10, 0, 0);
    // Enter confirms with the pointer resting on the message too.
    Set_Scrollable_Area_Key_Hover_End(area, 1);
    Clear_Scrollable_View_Area(area);
    const int yellow = Nearest_RGB_Color(232, 232, 0);
    static int always = 1;
    int choose = 0;
    const int text = 0x41003, name = 0x11003;
    Add_Text_to_Scrollable_Area(area, 10, 20, "Das mit dem Programm verknüpfte NAD"_cp, text, BLACK_CI, 0);
    Add_Rectangle_to_Scrollable_Area(area, 10, 27, 230, 42, yellow);
    Add_Text_to_Scrollable_Area(area, 14, 38, requested ? requested : "", name, BLACK_CI, 0);
    Add_Text_to_Scrollable_Area(area, 10, 56, "kann nicht gefunden werden.", text, BLACK_CI, 0);
    // No other annex takes its place: the checks wait for one that exists.
    Add_Text_to_Scrollable_Area(area, 10, 79, "Die Nachweise werden nicht geführt,"_cp, text, BLACK_CI, 0);
    Add_Text_to_Scrollable_Area(area, 10, 95, "bis ein vorhandenes NAD gewählt ist."_cp, text, BLACK_CI, 0);
    Add_Bitmap_Button_to_Scrollable_Area(area, 173, 124, 40, 41, kButtons, 598, Nearest_RGB_Color(255, 251, 240), 0,
                                         "Anwendungs-\ndokument\nauswählen"_cp, 1, &choose, &always);
    Update_Scrollable_View_Area(area);
    Set_Windows_OK_Button(CODE_OK);
    Activate_Prop_Sheet();
    pxBuff(buffer);
    for (bool editing = true; editing;) {
        const int code = Edit_Prop_Sheet();
        if (code == CODE_LIST) editing = !(Edit_Scrollable_View_Area(area) && choose);
        else if (code == CODE_OK || code == VEK_CLOSE_CODE || code == 0) editing = false;
    }
    Undefine_Scrollable_View_Area(area);
    Undefine_Prop_Sheet();
    if (choose) NAD_Selection_Sheet();
}

void NAD_Selection_Entry() { NAD_Selection_Sheet(); }
void Open_NAD_Selection() { NAD_Selection_Sheet(); }

void Print_NAD_Bridge_Factors_Entry(FILE* f) { Print_NAD_Bridge_Factors_If_Used(f); }
void Print_NAD_Bridge_Factors_Entry_2(FILE* f) { Print_NAD_Bridge_Factors_If_Used(f); }

void Reset_NAD_Selection_Sheet() {
    g_centre_x = g_centre_y = -1;
    g_warning_x = g_warning_y = -1;
    g_pick = 0;
    g_white = g_blue = -1;
}
