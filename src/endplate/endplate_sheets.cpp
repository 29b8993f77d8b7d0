// The input sheets of the welded end-plate library.
#include "endplate/endplate_sheets.h"

#include <cstddef>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/stguete.h"
#include "endplate/anschluss_print.h"
#include "endplate/endplate_services.h"
#include "endplate/schraube.h"
#include "platform/events.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "printlist/oli_para.h"

namespace {

const int NORMAL = 4096, SMALL = 4098;
const int LOOK_NORMAL = 2, LOOK_GREY = 1;

// Where a sheet opens: where the user last left it, first the screen centre.
struct Sheet_Place {
    int x = 0, y = 0;
    int set = 0;
};
Sheet_Place g_belastung, g_stahlsorte, g_traeger, g_naht;

// The sheet's corners around its stored centre, moved wholly onto the
// screen; the centre follows the fitted rectangle.
void Place_Sheet(Sheet_Place& p, int left, int right, int top, int bottom, int* x1, int* y1, int* x2, int* y2) {
    if (!p.set) p.x = NPIXEL_X / 2, p.y = NPIXEL_Y / 2, p.set = 1;
    *x1 = p.x - left, *x2 = p.x + right, *y1 = p.y - top, *y2 = p.y + bottom;
    Check_Prop_Sheet_Frames(x1, y1, x2, y2);
    p.x = *x1 + left, p.y = *y1 + top;
}

// Removes the sheet after its centre has followed the user's moving.
void Close_Sheet(Sheet_Place& p) {
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    p.x += dx, p.y += dy;
    Undefine_Prop_Sheet();
}

// An edit that the window's close or an empty queue ends is a break.
bool Ends_As_Break(int code) { return code == VEK_CLOSE_CODE || code == 0; }

void Heading(int x, int y, const char* text) {
    Draw_Funny_Text_to_PS(x, y, text, NORMAL, LOOK_NORMAL);
    Draw_Funny_Text_to_PS(x + 1, y, text, NORMAL, LOOK_NORMAL);
}

void Label(int x, int y, const char* text, int font = NORMAL) { Draw_Funny_Text_to_PS(x, y, text, font, LOOK_NORMAL); }

// "N/mm" with a raised "2".
void Unit_N_mm2(int x, int y, int x2, int y2) {
    Label(x, y, "N/mm");
    Label(x2, y2, "2", SMALL);
}

}  // namespace

// ---- Belastung ----------------------------------------------------------------------

int Draw_Belastung_Page(double* load, int* family) {
    if (!load || !family) return 0;
    // The family code field lies in the connection record, which also
    // holds the weld kind.
    const GeschweissterAnschluss* record = reinterpret_cast<const GeschweissterAnschluss*>(
        reinterpret_cast<const char*>(family) - offsetof(GeschweissterAnschluss, family));
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    int x1, y1, x2, y2;
    Place_Sheet(g_belastung, 308, 308, 173, 173, &x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Belastung", 20, 1)) return 0;
    Draw_Funny_Area_to_PS(1, x1 + 19, y1 + 49, x1 + 271, y1 + 296, 1);
    Draw_Funny_Line_to_PS(1, x1 + 286, y1 + 93, x1 + 605, y1 + 93);
    Draw_Funny_Line_to_PS(1, x1 + 286, y1 + 255, x1 + 605, y1 + 255);
    Draw_Funny_Line_to_PS(1, x1 + 605, y1 + 32, x1 + 605, y1 + 313);
    Draw_Funny_Line_to_PS(1, x1 + 285, y1 + 32, x1 + 285, y1 + 313);
    Heading(x1 + 297, y1 + 56, "Materialsicherheitsbeiwert");
    Heading(x1 + 297, y1 + 107, "Normalkraft");
    Heading(x1 + 451, y1 + 107, "Torsionsmoment");
    Heading(x1 + 297, y1 + 160, "Querkräfte"_cp);
    Heading(x1 + 297, y1 + 213, "Biegemomente");
    Heading(x1 + 297, y1 + 271, "Kontaktabtrag Druckkraft");
    Label(x1 + 460, y1 + 56, "(nur für Nachweise"_cp, SMALL);
    Label(x1 + 460, y1 + 67, " nach DIN 18800)", SMALL);
    Label(x1 + 460, y1 + 270, "(nur aktiv für umlaufende"_cp, SMALL);
    Label(x1 + 460, y1 + 281, " Schweißnähte)"_cp, SMALL);
    Label(x1 + 297, y1 + 129, "N,d");
    Label(x1 + 451, y1 + 129, "Mx,d");
    Label(x1 + 297, y1 + 182, "Vz,d");
    Label(x1 + 451, y1 + 182, "Vy,d");
    Label(x1 + 297, y1 + 235, "Mz,d");
    Label(x1 + 451, y1 + 235, "My,d");
    Label(x1 + 404, y1 + 129, "kN");
    Label(x1 + 404, y1 + 182, "kN");
    Label(x1 + 558, y1 + 182, "kN");
    Label(x1 + 558, y1 + 129, "kNm");
    Label(x1 + 404, y1 + 235, "kNm");
    Label(x1 + 558, y1 + 235, "kNm");
    Label(x1 + 410, y1 + 294, "%");
    Draw_Special_Text_to_PS(x1 + 297, y1 + 78, "\xC0╬\\M╬r"_cp, NORMAL, LOOK_NORMAL);
    static const char* const PICTURES[8] = {"lastko_I.bmp", "lastko_m.bmp", "lastko_u.bmp", "lastko_t.bmp",
                                            "lastko_l.bmp", "lastko_o.bmp", "lastko_fe.bmp", "lastko_re.bmp"};
    const int f = *family;
    if (f >= 0 && f < 8)
        pxDrawPartialTransparentDIB(PICTURES[f], 0, 0, -1, -1, x1 + 20, y1 + 50, x1 + 270, y1 + 295, 201, -1, 192,
                                    192, 192);
    const int break_button = Add_Single_Button_to_PS(x1 + 19, y1 + 318, 1, BELASTUNG_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 293, y1 + 318, 1, 0, 0, "BELASTUNG");
    Add_Single_Button_to_PS(x1 + 577, y1 + 318, 1, BELASTUNG_OK, nullptr, SYMBOLIC_OK_RASTER, 0);
    double copy[ANSCHLUSS_LOAD_COUNT];
    for (int i = 0; i < ANSCHLUSS_LOAD_COUNT; i++) copy[i] = load[i];
    Add_Float_to_PS(x1 + 331, y1 + 66, 6, "%6.2f", 1, BELASTUNG_GAMMA_M, &copy[ANSCHLUSS_GAMMA_M]);
    Add_Float_to_PS(x1 + 331, y1 + 116, 6, "%6.2f", 1, BELASTUNG_N, &copy[ANSCHLUSS_N]);
    Add_Float_to_PS(x1 + 331, y1 + 169, 6, "%6.2f", 1, BELASTUNG_V_Z, &copy[ANSCHLUSS_V_Z]);
    Add_Float_to_PS(x1 + 485, y1 + 169, 6, "%6.2f", 1, BELASTUNG_V_Y, &copy[ANSCHLUSS_V_Y]);
    Add_Float_to_PS(x1 + 331, y1 + 222, 6, "%6.2f", 1, BELASTUNG_M_Z, &copy[ANSCHLUSS_M_Z]);
    Add_Float_to_PS(x1 + 485, y1 + 222, 6, "%6.2f", 1, BELASTUNG_M_Y, &copy[ANSCHLUSS_M_Y]);
    const int contact = Add_Float_to_PS(x1 + 331, y1 + 280, 5, "%5.1f", 1, BELASTUNG_CONTACT, &copy[ANSCHLUSS_CONTACT]);
    Add_SingleStep_to_Float(contact, 0.0, 5.0, 100.0);
    const int torsion = Add_Float_to_PS(x1 + 485, y1 + 116, 6, "%6.2f", 1, BELASTUNG_M_X, &copy[ANSCHLUSS_M_X]);
    // Torsion is taken only by closed or solid sections welded all round.
    Change_Activity_PS(torsion, -1);
    const bool torsion_active = (f == ANSCHLUSS_RHS || f >= ANSCHLUSS_CHS) && record->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
    if (torsion_active)
        Change_Activity_PS(torsion, 1);
    else
        copy[ANSCHLUSS_M_X] = 0.0;
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer);
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == BELASTUNG_OK) {
            for (int i = 0; i < ANSCHLUSS_LOAD_COUNT; i++)
                if (i != ANSCHLUSS_M_X || torsion_active) load[i] = copy[i];
            Close_Sheet(g_belastung);
            return 1;
        }
        if (code == BELASTUNG_BREAK || Ends_As_Break(code)) break;
    }
    Close_Sheet(g_belastung);
    return 0;
}

// ---- STAHLSORTE ----------------------------------------------------------------------

namespace {

const VEKRaster ANNEX_FACE = {30, 23, nullptr};

// The list row of own values ("benutzerdefiniert"), after the catalogue's.
constexpr int USER_ROW = GRADE_LIST_ROWS;

// The state of one run of "STAHLSORTE".
struct Grade_Sheet {
    int x1, y1;                       // built corner
    int code_row, profile_row, weld_row;
    int profile_user, weld_user;      // bound to the on/off buttons
    int profile_list, weld_list, profile_more, weld_more, profile_switch, weld_switch, annex;
};

void Group_Panel(int x1, int y1, int x2, int y2, int bx2, int by2, int tx, int ty, const char* title) {
    Draw_Funny_Area_to_PS(6, x1, y1, x2, y2, 0);
    const int kept = pxQFgc();
    pxFgc(MENUE_CI);
    pxRect(x1 + 6, y1, bx2, by2);
    pxFgc(kept);
    Label(tx, ty, title);
}

// A grade list of catalogue grades and "benutzerdefiniert"; its row.
int Fill_Grade_List(int list, int grade_id) {
    int row = USER_ROW;
    if (grade_id == GRADE_ID_USER)
        Fill_Steel_Grade_List(list, grade_id);
    else
        row = Fill_Steel_Grade_List(list, grade_id);
    Fill_Stringlist_of_PS(list, BLACK_CI, "benutzerdefiniert");
    return row;
}

// The list row decides the user-defined switch and the more button.
void Follow_List(int row, int* user, int more) {
    *user = row == USER_ROW ? 1 : 0;
    Change_Activity_PS(more, row == USER_ROW ? 1 : -1);
}

void Refresh(Grade_Sheet& g) {
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    const int x1 = g.x1 + dx, y1 = g.y1 + dy;
    const bool din = g.code_row == 0;
    Draw_Funny_Text_to_PS(x1 + 53, y1 + 190, "Schweißnähte"_cp, NORMAL, din ? LOOK_NORMAL : LOOK_GREY);
    for (int id : {g.weld_more, g.weld_switch, g.weld_list}) Change_Activity_PS(id, din ? 1 : -1);
    Draw_Funny_Text_to_PS(x1 + 163, y1 + 79, "NA:", NORMAL, din ? LOOK_GREY : LOOK_NORMAL);
    const Endplate_Services* s = Get_Endplate_Services();
    if (s->draw_flag) s->draw_flag(x1 + 185, y1 + 62, x1 + 216, y1 + 86, 210, Get_Active_NAD_Id());
    Snap_Colored_Layout_of_Single_Button(g.annex);
    Change_Activity_PS(g.annex, din ? -1 : 1);
}

// The characteristic values of the profile grade: the library's own grade
// (index 0..4), a catalogue grade (id 5..13) or the user-defined values.
void Grade_Values(Stahlsorte_Record* r) {
    if (Default_Stahlsorte(r) == 0) return;
    if (r->grade >= GRADE_ID_FIRST && r->grade <= GRADE_ID_LAST) {
        const Stahlguete_Record* c = Get_Stahlguete_Record(static_cast<unsigned>(r->grade));
        r->f_y = static_cast<float>(c->f_y1);
        r->f_y_thick = static_cast<float>(c->f_y2);
        r->f_u = static_cast<float>(c->f_u);
        r->E = static_cast<float>(c->E);
        r->G = static_cast<float>(c->G);
        std::snprintf(r->name, sizeof r->name, "%s", Get_Stahlguete_Name(static_cast<unsigned>(r->grade)));
    } else if (r->grade == GRADE_ID_USER) {
        r->f_y = r->user_f_y;
        r->f_y_thick = r->user_f_y_thick;
        r->E = r->user_E;
        std::snprintf(r->name, sizeof r->name, "%s", "benutzerdef.");
    }
}

// The elements of the grade sheet at (x1, y1), bound to g and set from the
// grade; returns the break button.
int Build_Grade_Sheet(Grade_Sheet& g, int x1, int y1, const Stahlsorte_Record& grade) {
    g.x1 = x1, g.y1 = y1;
    Add_Single_Button_to_PS(x1 + 225, y1 + 346, 1, STAHLSORTE_OK, nullptr, SYMBOLIC_OK_RASTER, 0);
    Add_Help_to_PS(x1 + 121, y1 + 346, 1, 0, 0, "STAHLSORTE");
    const int break_button =
        Add_Single_Button_to_PS(x1 + 17, y1 + 346, 1, STAHLSORTE_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Group_Panel(x1 + 34, y1 + 50, x1 + 233, y1 + 100, x1 + 100, y1 + 70, x1 + 44, y1 + 56, "Vorschrift");
    const int code_list = Add_Stringlist_to_PS(x1 + 50, y1 + 65, 1, STAHLSORTE_CODE_LIST, 8, 2, 2, &g.code_row);
    g.annex = Add_Single_Button_to_PS(x1 + 185, y1 + 62, 1, STAHLSORTE_ANNEX, nullptr, &ANNEX_FACE, 0);
    Change_Action_State_PS(g.annex, 1);
    Reset_Button_Frame(g.annex);
    Set_Comment_to_Button_PS(g.annex, "ausgewählte Parameter des\nnationalen Anhangs bearbeiten"_cp);
    Group_Panel(x1 + 34, y1 + 110, x1 + 233, y1 + 235, x1 + 100, y1 + 120, x1 + 44, y1 + 116, "Standard");
    Label(x1 + 53, y1 + 140, "Trägerprofil"_cp);
    Label(x1 + 53, y1 + 190, "Schweißnähte"_cp);
    g.profile_list = Add_Stringlist_to_PS(x1 + 50, y1 + 150, 1, STAHLSORTE_PROFILE_LIST, 17, 10, 10, &g.profile_row);
    g.weld_list = Add_Stringlist_to_PS(x1 + 50, y1 + 200, 1, STAHLSORTE_WELD_LIST, 17, 10, 10, &g.weld_row);
    Group_Panel(x1 + 34, y1 + 245, x1 + 234, y1 + 325, x1 + 150, y1 + 255, x1 + 44, y1 + 251, "benutzerdefiniert");
    g.profile_more = Add_Single_Button_to_PS(x1 + 195, y1 + 260, 1, STAHLSORTE_PROFILE_MORE, nullptr, SYMBOLIC_MORE_RASTER, 0);
    g.profile_switch = Add_Logical_Button_to_PS(x1 + 49, y1 + 265, 1, STAHLSORTE_PROFILE_SWITCH, &g.profile_user, 0, 0,
                                                SYMBOLIC_YES_RASTER, SYMBOLIC_NO_RASTER);
    Add_Aligned_Connected_Text_to_Button_of_PS(g.profile_switch, x1 + 70, y1 + 275, "Trägerprofil"_cp, NORMAL, BLACK_CI,
                                               BLACK_CI);
    g.weld_more = Add_Single_Button_to_PS(x1 + 195, y1 + 290, 1, STAHLSORTE_WELD_MORE, nullptr, SYMBOLIC_MORE_RASTER, 0);
    g.weld_switch = Add_Logical_Button_to_PS(x1 + 49, y1 + 295, 1, STAHLSORTE_WELD_SWITCH, &g.weld_user, 0, 0,
                                             SYMBOLIC_YES_RASTER, SYMBOLIC_NO_RASTER);
    Add_Aligned_Connected_Text_to_Button_of_PS(g.weld_switch, x1 + 70, y1 + 305, "Schweißnähte"_cp, NORMAL, BLACK_CI,
                                               DGREY_CI);
    Fill_Stringlist_of_PS(code_list, 0, "DIN 18800");
    Fill_Stringlist_of_PS(code_list, 0, "EC 3");
    g.code_row = grade.design_code == ANSCHLUSS_CODE_EC3 ? 1 : 0;  // rows: DIN 18800, EC 3
    g.profile_row = Fill_Grade_List(g.profile_list, grade.grade);
    Follow_List(g.profile_row, &g.profile_user, g.profile_more);
    g.weld_row = Fill_Grade_List(g.weld_list, grade.weld_grade);
    Follow_List(g.weld_row, &g.weld_user, g.weld_more);
    return break_button;
}

}  // namespace

int Draw_Stahlsorte_Page(Stahlsorte_Record* grade) {
    if (!grade) return 0;
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    int x1, y1, x2, y2;
    Place_Sheet(g_stahlsorte, 133, 132, 187, 187, &x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "STAHLSORTE", 20, 1)) return 0;
    Grade_Sheet g = {};
    const int break_button = Build_Grade_Sheet(g, x1, y1, *grade);
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer);
    Refresh(g);
    int result = 0;
    for (bool editing = true; editing;) {
        const int code = Edit_Prop_Sheet();
        switch (code) {
        case STAHLSORTE_PROFILE_LIST:
            Follow_List(g.profile_row, &g.profile_user, g.profile_more);
            Change_Activity_PS(g.profile_switch, 1);
            break;
        case STAHLSORTE_WELD_LIST:
            Follow_List(g.weld_row, &g.weld_user, g.weld_more);
            Change_Activity_PS(g.weld_switch, 1);
            break;
        case STAHLSORTE_CODE_LIST:
            Refresh(g);
            break;
        case STAHLSORTE_OK: {
            const int profile_id = g.profile_row == USER_ROW ? GRADE_ID_USER : Steel_Grade_By_Index(g.profile_row);
            int weld_id = g.weld_row == USER_ROW ? GRADE_ID_USER : Steel_Grade_By_Index(g.weld_row);
            if (g.code_row != 0) weld_id = profile_id;
            grade->grade = profile_id;
            grade->weld_grade = weld_id;
            grade->design_code = g.code_row;
            Grade_Values(grade);
            result = 1;
            editing = false;
            break;
        }
        case STAHLSORTE_PROFILE_SWITCH:
        case STAHLSORTE_WELD_SWITCH: {
            const bool profile = code == STAHLSORTE_PROFILE_SWITCH;
            const int on = profile ? g.profile_user : g.weld_user;
            Change_Activity_PS(profile ? g.profile_more : g.weld_more, on ? 1 : -1);
            (profile ? g.profile_row : g.weld_row) = on ? USER_ROW : 0;
            Change_Activity_PS(profile ? g.profile_list : g.weld_list, 1);
            break;
        }
        case STAHLSORTE_WELD_MORE:
            Draw_Material_Naht_Page(grade);
            break;
        case STAHLSORTE_PROFILE_MORE:
            Draw_Material_Traeger_Page(grade);
            break;
        case STAHLSORTE_ANNEX: {
            const Endplate_Services* s = Get_Endplate_Services();
            if (s->select_annex) s->select_annex();
            Refresh(g);
            break;
        }
        default:
            if (code == STAHLSORTE_BREAK || Ends_As_Break(code)) editing = false;
            break;
        }
    }
    Close_Sheet(g_stahlsorte);
    return result;
}

// ---- material sheets -----------------------------------------------------------------

namespace {

// Runs a material sheet until OK (the three values stored as floats) or
// break; the fields were bound to the three doubles.
int Run_Material_Sheet(Sheet_Place& place, const double values[3], float* targets[3]) {
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == MATERIAL_OK) {
            for (int i = 0; i < 3; i++) *targets[i] = static_cast<float>(values[i]);
            Close_Sheet(place);
            return 1;
        }
        if (code == MATERIAL_BREAK || Ends_As_Break(code)) break;
    }
    Close_Sheet(place);
    return 0;
}

void Material_Buttons(int x1, int y, const char* topic) {
    const int break_button = Add_Single_Button_to_PS(x1 + 15, y, 1, MATERIAL_BREAK, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 140, y, 1, 0, 0, topic);
    Add_Single_Button_to_PS(x1 + 265, y, 1, MATERIAL_OK, nullptr, SYMBOLIC_OK_RASTER, 0);
    Move_Mouse_Cursor_to_Button_of_PS(break_button);
}

}  // namespace

int Draw_Material_Traeger_Page(Stahlsorte_Record* grade) {
    if (!grade) return 0;
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    int x1, y1, x2, y2;
    Place_Sheet(g_traeger, 153, 152, 103, 103, &x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Materialdaten fuer Trägerprofil"_cp, 6, 1)) return 0;
    Label(x1 + 23, y1 + 69, "E-Modul");
    Label(x1 + 23, y1 + 104, "Streckgrenze");
    Label(x1 + 23, y1 + 139, "Streckgrenze (t>40)");
    Unit_N_mm2(x1 + 244, y1 + 71, x1 + 280, y1 + 62);
    Unit_N_mm2(x1 + 244, y1 + 106, x1 + 280, y1 + 97);
    Unit_N_mm2(x1 + 244, y1 + 141, x1 + 280, y1 + 132);
    Draw_Funny_Area_to_PS(6, x1 + 11, y1 + 41, x1 + 295, y1 + 166, 0);
    double values[3] = {grade->user_E, grade->user_f_y, grade->user_f_y_thick};
    Add_Float_to_PS(x1 + 153, y1 + 56, 8, "%8.2f", 1, MATERIAL_E, &values[0]);
    Add_Float_to_PS(x1 + 153, y1 + 91, 8, "%8.2f", 1, MATERIAL_F_Y, &values[1]);
    Add_Float_to_PS(x1 + 153, y1 + 126, 8, "%8.2f", 1, MATERIAL_F_Y_THICK, &values[2]);
    Material_Buttons(x1, y1 + 179, "MAT027");
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer);
    float* targets[3] = {&grade->user_E, &grade->user_f_y, &grade->user_f_y_thick};
    return Run_Material_Sheet(g_traeger, values, targets);
}

int Draw_Material_Naht_Page(Stahlsorte_Record* grade) {
    if (!grade) return 0;
    const int buffer = pxBuff(PX_BUFFER_QUERY);
    int x1, y1, x2, y2;
    Place_Sheet(g_naht, 152, 152, 103, 102, &x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Materialdaten fuer Schweißnähte"_cp, 6, 1)) return 0;
    Draw_Funny_Area_to_PS(6, x1 + 11, y1 + 41, x1 + 295, y1 + 163, 0);
    Label(x1 + 23, y1 + 69, "E-Modul");
    Label(x1 + 23, y1 + 104, "Streckgrenze");
    Unit_N_mm2(x1 + 224, y1 + 71, x1 + 260, y1 + 62);
    Unit_N_mm2(x1 + 224, y1 + 106, x1 + 260, y1 + 97);
    Draw_Special_Text_to_PS(x1 + 26, y1 + 139, Format_Static("%s", "\xBA"), 0, LOOK_NORMAL);
    Label(x1 + 35, y1 + 143, "w");
    double values[3] = {grade->weld_E, grade->weld_f_y, grade->weld_alpha_w};
    Add_Float_to_PS(x1 + 121, y1 + 56, 8, "%8.2f", 1, MATERIAL_E, &values[0]);
    Add_Float_to_PS(x1 + 121, y1 + 91, 8, "%8.2f", 1, MATERIAL_F_Y, &values[1]);
    Add_Float_to_PS(x1 + 121, y1 + 126, 8, "%8.2f", 1, MATERIAL_ALPHA_W, &values[2]);
    Material_Buttons(x1, y1 + 178, "MAT027W");
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer);
    float* targets[3] = {&grade->weld_E, &grade->weld_f_y, &grade->weld_alpha_w};
    return Run_Material_Sheet(g_naht, values, targets);
}

void Reset_Endplate_Sheets(void) { g_belastung = g_stahlsorte = g_traeger = g_naht = Sheet_Place{}; }
