// The main sheet and the editing loop of the window path.
#include "weldapp/editing_loop.h"

#include <cstdio>

#include "base/filenames.h"
#include "base/stored_text.h"
#include "codes/material.h"
#include "codes/nad_selection_sheet.h"
#include "codes/sicherheit.h"
#include "dialogs/buttonbar.h"
#include "dialogs/buttons.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/helpview.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_view.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "profiles/profile_register.h"
#include "weldapp/component_output.h"
#include "weldapp/input_page.h"
#include "weldapp/partpick.h"
#include "weldapp/exchange.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/loadpick.h"
#include "weldapp/oliprops.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/profile_manager.h"
#include "weldapp/profile_picker.h"
#include "weldapp/program_context.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/shell_dialogs.h"
#include "weldapp/shell_pages.h"
#include "weldapp/user_comment.h"

namespace {

// The main sheet's pieces, built once per run.
struct Main_Sheet {
    int area = -1;          // the working area
    int work_escape = 0;    // escape area over the working area (code 100)
    int dx = 0, dy = 0;     // the sheet's displacement
    int members[3] = {0, 0, 0};
};
Main_Sheet g_main;

// The image button bar: code, tool tip, source x and offset x of each
// button, 42 x 37 pixels, its four looks at y 51, 89, 127 and 165.
char g_tip_annex[] = "nationaler Anhang zum EC", g_tip_print_control[] = "Druckeinstellung",
     g_tip_preview[] = "Vorschau", g_tip_print[] = "drucken", g_tip_plot[] = "plotten", g_tip_help[] = "Hilfe",
     g_tip_end[] = "Ende";
char g_bar_bitmap[] = "Buttons.bmp";
Image_Button g_buttons[7];
Image_Button_Bar g_bar = {7, 0, 3, 0, 42, g_bar_bitmap, g_buttons};

void Build_Button_Bar(int x_max) {
    const struct { int code; char* tip; int source_x, offset_x; } kButtons[7] = {
        {BUTTON_ANNEX, g_tip_annex, 302, -10},  {BUTTON_PRINT_CONTROL, g_tip_print_control, 259, 45},
        {BUTTON_PREVIEW, g_tip_preview, 216, 90}, {BUTTON_PRINT, g_tip_print, 1, 135},
        {BUTTON_PLOT, g_tip_plot, 44, 180},     {BUTTON_HELP, g_tip_help, 130, 225},
        {BUTTON_END, g_tip_end, 173, 270}};
    for (int i = 0; i < 7; i++) {
        const int sx = kButtons[i].source_x;
        g_buttons[i] = Image_Button{42, 37, sx, 51, sx, 89, sx, 127, sx, 165, kButtons[i].offset_x, 6, 1,
                                    kButtons[i].code, kButtons[i].tip, nullptr};
    }
    g_bar.x = x_max - 320;
    g_bar.x2 = x_max - 5;
}

SchweissnahtAnschluss* Record() { return &Schweissnaht_Anschluss; }

// The record exchange of the pages, for the data exchange through TEMP.
void Sheets_to_Record() { Connection_Sheet_to_Record(Record()); }
void Record_to_Sheets() { Connection_Record_to_Sheet(Record()); }
void Refresh_Record() { Refresh_Connection_Record(Record()); }

// The profile manager opens at the connection's profile (the stand-in of
// the older manager finds it in its environment).
const char* Select_Profile_at_Connection(int mode) {
    return Select_Profile_at_Current(Schweissnaht_Anschluss.naht.profile.name, mode);
}

// The window path's services to the layers and modules that call up.
void Install_Window_Services() {
    Set_Connection_Sheet_Exchange(Sheets_to_Record, Record_to_Sheets, Refresh_Record);
    Set_Profile_Manager_Selector(Select_Profile_at_Connection);
    const Lasttabelle_Services table = {Show_Question_Sheet, Import_Component_Loads, Count_Import_Protocol_Lines,
                                        Import_Protocol_Callback};
    Set_Lasttabelle_Services(&table);
    Set_User_Comment_Help(Helpview);
}

// The register member of the editing state.
void Select_State_Member() {
    const int state = Kontext.editing_state;
    Set_Selected_Register_Member(g_main.members[state == STATE_LOADS ? 1 : state == STATE_CHART ? 2 : 0]);
}

void Build_Main_Sheet(int X, int Y) {
    Set_NoFrameFlag_to_Next_PropSheet();
    Define_Prop_Sheet(0, 0, X - 1, Y - 1, 0, 0, "", 120, 1);
    pxFgc(GetVEKColor(-1));
    pxRect(0, 0, X - 1, Y - 1);
    // The register heads are the bitmap's top 552 x 48 pixels; the rows below
    // hold the looks of the button bar, which must not be squeezed in.
    pxDrawPartialTransparentDIB("Buttons.bmp", 0, 0, 551, 47, 6, 7, 557, 54, 201, -1, 219, 213, 203);
    const int reg = Add_Register_to_PS(4, 6, X - 6, Y - 6, 50);
    g_main.members[0] = Add_Member_to_Register(reg, 4, 74, 1, CODE_REGISTER_INPUT);
    g_main.members[1] = Add_Member_to_Register(reg, 75, 145, 1, CODE_REGISTER_LOADS);
    g_main.members[2] = Add_Member_to_Register(reg, 146, 216, 1, CODE_REGISTER_CHART);
    Select_State_Member();
    Build_Button_Bar(X - 1);
    Set_Escape_Area_to_MouseMoveEvent(Add_Escape_Area_to_PS(g_bar.x, g_bar.y, g_bar.x2, g_bar.y2, CODE_BUTTON_BAR));
    g_main.work_escape = Add_Escape_Area_to_PS(9, 55, X - 26, Y - 26, CODE_WORKING_AREA);
    Set_Escape_Area_to_MouseMoveEvent(g_main.work_escape);
    g_main.area = Define_Scrollable_View_Area(9, 55, X - 14, Y - 14, 1, 1);
    Set_Scrollable_Area_Activity(g_main.area, 0);
    // The text buttons and tool tips of the pages need their area known.
    Register_Sheet_Area(g_main.work_escape, g_main.area, 9, 55, X - 14, Y - 14, &g_main.dx, &g_main.dy);
}

bool Lasttabelle_Request_Pending() {
    const Lasttabelle_Requests& q = Lasttabelle_Request;
    return q.import_component || q.import_info || q.read_text_file || q.clear_table;
}

// Whether the pointer is on the working area's escape (moved with the sheet).
bool Pointer_On_Working_Area() {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!VEK_Element_Rectangle(g_main.work_escape, &x1, &y1, &x2, &y2)) return false;
    const int x = M_XPOS - g_main.dx, y = M_YPOS - g_main.dy;
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

// The page of the editing state into the working area.
void Draw_State_Page() {
    const int X = NPIXEL_X, Y = NPIXEL_Y;
    Draw_Image_Button_Bar(&g_bar);
    Set_Scrollable_Area_Activity(g_main.area, 1);
    Clear_Scrollable_View_Area(g_main.area);
    switch (Kontext.editing_state) {
    case STATE_LOADS: Draw_Loads_Register(g_main.area, g_main.dx, g_main.dy, X - 1, Y - 1); break;
    case STATE_CHART: Draw_Utilisation_Chart(g_main.area); break;
    default: Draw_Input_Register(g_main.area, g_main.dx, g_main.dy, X - 1, Y - 1); break;
    }
    Change_Activity_PS(g_main.work_escape, 1);
    Update_Scrollable_View_Area(g_main.area);
}

// The question before many load cases are printed, once per run; false
// when it was left with Break (no output).
bool Confirm_Many_Loadcases() {
    if (!Kontext.ask_once) return true;
    SchweissnahtAnschluss* r = Record();
    Connection_Sheet_to_Record(r);
    const int extent = r->print.ergebnisumfang;
    if (extent != ERGEBNISUMFANG_TABELLARISCH && extent != ERGEBNISUMFANG_MASSGEBEND && r->load_count > 10) {
        const int ok = Show_Question_Sheet(1, 390, 115, nullptr, nullptr, Many_Loadcases_Callback);
        Kontext.ask_once = 0;
        Connection_Record_to_Sheet(r);
        return ok != 0;
    }
    Connection_Record_to_Sheet(r);
    return true;
}

// Saves the input file and writes the print list; the exit code of a batch
// run: PROGRAM_EXIT_WRITTEN with the list written (its folder's sync may
// have failed: the list stands, a box says so), _LIST_NOT_WRITTEN when it
// could not be (the list then says so, or is gone). The list is made
// from the file just saved as the save read it back: the file holds six
// decimals, the record the catalogue's single-precision values, and the
// desktop's refresh ("-refresh") of the saved file must write the very list
// the user saved (a weld number's label placed by a difference in the
// seventh digit moved otherwise). A save whose folder sync failed has put
// the new file in place all the same: its list is written too, so that no
// list of the old input stands beside it. An input file that could not be
// saved (a full disc, a value the file's reader refuses; one that could not
// be opened at start is never saved over) ends nothing: its box says why,
// the edits stay for another try (or an export), and no list is written,
// which would stand for input that no file holds; -1 then.
int Save_And_End() {
    SchweissnahtAnschluss* r = Record();
    Connection_Sheet_to_Record(r);
    const int saved = Save_Input_File();
    Connection_Record_to_Sheet(r);
    if (saved != COMPONENT_FILE_DONE && saved != COMPONENT_FILE_UNCONFIRMED) return -1;
    return Write_Saved_Print_List() != COMPONENT_FILE_FAILED ? PROGRAM_EXIT_WRITTEN : PROGRAM_EXIT_LIST_NOT_WRITTEN;
}

}  // namespace

void Write_Loop_Print_List(char* path, int size) {
    Write_Print_List();
    if (path && size > 0 && !Make_Base_Path(path, Kontext.list_name, size)) path[0] = '\0';
}

int Run_Main_Button(int button) {
    SchweissnahtAnschluss* r = Record();
    char path[FILE_BASE_MAX + 64];
    switch (button) {
    case BUTTON_PRINT_CONTROL:
        // The load table's rows first: the sheet takes no case number
        // beyond them.
        Connection_Sheet_to_Record(r);
        Set_Print_Control_Load_Count(r->load_count);
        Edit_Print_Control_Sheet(&r->print);
        Connection_Record_to_Sheet(r);
        break;
    case BUTTON_PREVIEW:
    case BUTTON_PRINT:
        if (!Confirm_Many_Loadcases()) break;
        // A list of its own, in the temporary directory: the component's
        // list and plot file stay those of the saved input until the user
        // saves.
        if (Write_Temporary_Print_List(path, sizeof path) != COMPONENT_FILE_DONE) {
            PrintMessage("%s", "Die Druckliste konnte nicht geschrieben werden.");
            break;
        }
        if (button == BUTTON_PREVIEW) Quick_OLI_View(Kontext.identifier, path);
        else Quick_OLI_Print(Kontext.identifier, path);
        break;
    case BUTTON_PLOT:
        // The plan editor takes the component's list and plot file as the
        // edits make them; once it has closed those of the saved input are
        // put back: edits not saved never remain in the component's files.
        // When they cannot be kept, the editor is not started.
        if (Keep_Saved_Output() != COMPONENT_FILE_DONE) break;
        Write_Loop_Print_List(path, sizeof path);
        Run_Plan_Editor_Default(Kontext.identifier);
        Put_Back_Saved_Output();
        break;
    case BUTTON_HELP:
        Helpview(Kontext.editing_state == STATE_LOADS   ? "kx417_register4"
                 : Kontext.editing_state == STATE_CHART ? "kx417_register5"
                                                        : "kx417_register1");
        break;
    case BUTTON_END: {
        const int choice = Edit_End_Dialog();
        if (choice == 1) return Save_And_End();
        if (choice == 0) return PROGRAM_EXIT_UNCHANGED;
        break;
    }
    case BUTTON_ANNEX:
        NAD_Selection_Entry();
        Update_Safety_Factors_From_NAD(&r->safety);
        break;
    default: break;
    }
    return -1;
}

int Run_Window_Path(void) {
    Init_Grafik_Mode();
    Init_Prop_Sheets();
    const int X = NPIXEL_X, Y = NPIXEL_Y;
    char title[POSITION_CODE_SIZE + POSITION_TEXT_SIZE + 16];
    std::snprintf(title, sizeof title, "Position %s: %s", Position_Code, Position_Text);
    VEKSetFrameTitle(title);
    WHITE_CI = Nearest_Color_Index(255, 255, 255);
    Init_Mouse_Move_Restriction(0, 0, X - 1, Y - 1);
    Init_Mouse_Position(X / 2, Y / 2);
    Set_Prop_Sheet_Screen_Base(2, 2, X - 10, Y - 10);
    VEKSetCloseFct(Close_Request_Callback);
    Init_Helpview(Kontext.private_data_path, "WLDH_156.HLP");
    Install_Window_Services();
    Build_Main_Sheet(X, Y);
    SchweissnahtAnschluss* r = Record();
    Init_Screen_Colors();
    Load_Input_File();
    Tell_Position_Text_Notice();
    Note_Opened_Input();
    Init_Grade_Names();
    Run_Pending_Import_Export();
    Refresh_Connection_Record(r);
    Activate_Prop_Sheet();
    Prop_Sheet_Displacement(&g_main.dx, &g_main.dy);
    Show_Filed_Record(r, g_main.area, g_main.dx, g_main.dy, X - 1, Y - 1);

    int exit_code = -1;
    while (exit_code < 0) {
        Draw_State_Page();
        const int code = Edit_Prop_Sheet();
        Prop_Sheet_Displacement(&g_main.dx, &g_main.dy);
        switch (code) {
        case CODE_REGISTER_INPUT: Kontext.editing_state = STATE_INPUT; break;
        case CODE_REGISTER_LOADS: Kontext.editing_state = STATE_LOADS; break;
        case CODE_REGISTER_CHART:
            Connection_Sheet_to_Record(r);
            Print_Schweissnaht(r, nullptr);
            Connection_Record_to_Sheet(r);
            Kontext.editing_state = STATE_CHART;
            break;
        case CODE_WORKING_AREA:
            // The load-case table takes its clicks first; when it acted the
            // page is drawn again at once.
            if (Kontext.editing_state == STATE_LOADS) {
                if (Edit_Lasttabelle() != 0) break;
                // The table's wait ended as the pointer left the page: the
                // press that came with it (on a register tab or the bar, in
                // the instant the pointer arrived) is the sheet's, not the
                // page's.
                if (!M_LEFT && !Pointer_On_Working_Area()) break;
            }
            if (Edit_Scrollable_View_Area(g_main.area) == 0) break;
            // A button of the load page asked for its action: it runs now,
            // not when the pointer next moves over the page.
            if (Kontext.editing_state == STATE_LOADS && Lasttabelle_Request_Pending()) Edit_Lasttabelle();
            if (Kontext.editing_state == STATE_INPUT) {
                // The page's buttons report their clicks while it is built.
                Clear_Scrollable_View_Area(g_main.area);
                Draw_Input_Register(g_main.area, g_main.dx, g_main.dy, X - 1, Y - 1);
            }
            Run_Pending_Import_Export();
            Refresh_Connection_Record(r);
            // An imported record is shown as the file that gave it.
            Show_Filed_Record(r, g_main.area, g_main.dx, g_main.dy, X - 1, Y - 1);
            break;
        case CODE_BUTTON_BAR: exit_code = Run_Main_Button(Run_Image_Button_Bar(&g_bar)); break;
        default: break;
        }
        Select_State_Member();
    }
    Unregister_Sheet_Area();
    Undefine_Scrollable_View_Area(g_main.area);
    Undefine_Prop_Sheet();
    Exit_Grafik_Mode();
    return exit_code;
}
