// The table of scrollable view areas: their geometry, content extent, scroll
// origin, activity, background, frame, hover and short-key settings.
//
// The window library owns the sheet area and its sliders; this file keeps
// the record that the painter and the event loop read, and hands size and
// origin to the library only in Update_Scrollable_View_Area (and the
// animated scroll), so that the scroll helpers stay cheap record changes.
#include "dialogs/scrollarea.h"
#include "dialogs/scrollarea_internal.h"

#include <cassert>
#include <cstdio>

#include "platform/desktop.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

Scrollable_View_Area areas[SCROLLABLE_AREA_COUNT];
bool table_made = false;
bool settings_read = false;
int default_background = 0;
int break_key_switch = 0, ok_key_switch = 0, help_key_switch = 0, jump_key_switch = 0;

void Make_Table(void) {
    if (table_made) return;
    table_made = true;
    for (Scrollable_View_Area &a : areas) {
        a = Scrollable_View_Area();
        a.sheet_area_id = AREA_SLOT_FREE;
    }
}

// The short-key settings and the default background, once per process.
void Read_Settings(void) {
    if (settings_read) return;
    settings_read = true;
    default_background = Nearest_Color_Index(255, 251, 240);
    const char *keys[4] = {"UseSheetBreakShortKey", "UseSheetOkShortKey",
                           "UseSheetHelpShortKey", "UseSheetJumpShortKey"};
    int *switches[4] = {&break_key_switch, &ok_key_switch, &help_key_switch, &jump_key_switch};
    for (int i = 0; i < 4; i++) {
        char buffer[21] = {0};
        int v = 0;
        char tail = 0;
        if (VEKGetUserString(keys[i], buffer, 21) && std::sscanf(buffer, "%d %c", &v, &tail) == 1)
            *switches[i] = v;
    }
}

int First_Free_Slot(void) {
    Make_Table();
    for (int i = 0; i < SCROLLABLE_AREA_COUNT; i++)
        if (areas[i].sheet_area_id == AREA_SLOT_FREE) return i;
    std::printf("maximale Anzahl Scrollable_View_Areas erreicht\n");
    std::fflush(stdout);
    return -1;
}

void Reset_Record(Scrollable_View_Area *a) {
    *a = Scrollable_View_Area();
    a->background = default_background;
    a->frame = 1;
    a->active = 1;
    a->float_decimals = -1;
}

// A free slot with a fresh record, the key settings read first; -1 (with
// the console line) when every slot is taken.
int Claim_Free_Slot(void) {
    Read_Settings();
    int slot = First_Free_Slot();
    if (slot >= 0) Reset_Record(&areas[slot]);
    return slot;
}

// Creates the sheet area and the sliders of a slot; the rectangle is stored
// with the sliders taken off.
void Place(Scrollable_View_Area *a, int x1, int y1, int x2, int y2, int horizontal,
           int vertical) {
    if (vertical) x2 -= 17;
    if (horizontal) y2 -= 17;
    a->x1 = x1;
    a->y1 = y1;
    a->x2 = x2;
    a->y2 = y2;
    a->sheet_area_id = Add_Scrollable_Area_to_PS(x1, y1, x2, y2, 1, 0, 10, 10,
                                                 Draw_Scrollable_Area_Callback, a, 1);
    if (a->sheet_area_id < 0) a->sheet_area_id = 0;  // never mark the slot free by accident
    a->vslider_id = 0;
    a->hslider_id = 0;
    if (vertical) {
        a->vslider_id = Add_VSlider_to_Scrollable_Area(a->sheet_area_id, 5, 10, -1, 0);
        Set_VSlider_Speed(a->vslider_id, 0.1, 0.0);
    }
    if (horizontal) {
        a->hslider_id = Add_HSlider_to_Scrollable_Area(a->sheet_area_id, 5, 10, -1, 0);
        Set_HSlider_Speed(a->hslider_id, 0.1, 0.0);
    }
}

}  // namespace

Scrollable_View_Area *Scrollable_View_Area_Record(int slot) {
    Make_Table();
    if (slot < 0 || slot >= SCROLLABLE_AREA_COUNT) return nullptr;
    return &areas[slot];
}

Scrollable_View_Area *Used_Area(int slot) {
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    return (a && a->sheet_area_id >= 0) ? a : nullptr;
}

Scrollable_View_Area *Placed_Area(int slot) {
    Scrollable_View_Area *a = Used_Area(slot);
    return (a && a->sheet_area_id != AREA_SLOT_RESERVED) ? a : nullptr;
}

void Inquire_Scrollable_Area_Short_Keys(int *brk, int *ok, int *help, int *jump) {
    if (brk) *brk = break_key_switch;
    if (ok) *ok = ok_key_switch;
    if (help) *help = help_key_switch;
    if (jump) *jump = jump_key_switch;
}

void Reset_Scrollable_Area_Settings(void) {
    settings_read = false;
    break_key_switch = ok_key_switch = help_key_switch = jump_key_switch = 0;
}

int Define_Scrollable_View_Area(int x1, int y1, int x2, int y2, int horizontal, int vertical) {
    int slot = Claim_Free_Slot();
    if (slot < 0) return -1;
    Place(&areas[slot], x1, y1, x2, y2, horizontal, vertical);
    return slot;
}

void Update_Scrollable_View_Area(int slot) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return;
    Resize_Origin_of_Scrollable_Area_PS(a->sheet_area_id, a->content_width, a->content_height);
    Set_Scrollable_Area_PS(a->sheet_area_id, a->scroll_x, a->scroll_y);
    Inquire_Scrollable_Area_PS(a->sheet_area_id, &a->scroll_x, &a->scroll_y);
    if (a->vslider_id)
        Change_Activity_PS(a->vslider_id, a->content_height > a->y2 - a->y1 ? 1 : -1);
    if (a->hslider_id)
        Change_Activity_PS(a->hslider_id, a->content_width > a->x2 - a->x1 ? 1 : -1);
    Change_Activity_PS(a->sheet_area_id, 1);
}

void Clear_Scrollable_View_Area(int slot) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    if (a->active == 1 && a->sheet_area_id != AREA_SLOT_RESERVED)
        Inquire_Scrollable_Area_PS(a->sheet_area_id, &a->scroll_x, &a->scroll_y);
    Free_Scrollable_Area_Items(slot);
}

void Undefine_Scrollable_View_Area(int slot) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    Clear_Scrollable_View_Area(slot);
    a->sheet_area_id = AREA_SLOT_FREE;
}

void Undefine_All_Scrollable_View_Areas(void) {
    for (int i = 0; i < SCROLLABLE_AREA_COUNT; i++) Undefine_Scrollable_View_Area(i);
}

void Set_Scrollable_Area_Activity(int slot, int state) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a || a->active == state) return;
    a->active = state;
    if (a->vslider_id) Change_Activity_PS(a->vslider_id, state);
    if (a->hslider_id) Change_Activity_PS(a->hslider_id, state);
    Change_Activity_PS(a->sheet_area_id, state);
}

void Set_Scrollable_Area_Background(int slot, int colour) {
    if (Scrollable_View_Area *a = Used_Area(slot)) a->background = colour;
}

int Get_Scrollable_Area_Background(int slot) {
    Scrollable_View_Area *a = Used_Area(slot);
    return a ? a->background : -1;
}

void Set_Scrollable_Area_Frame(int slot, int flag) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    a->frame = flag;
    if (a->sheet_area_id != AREA_SLOT_RESERVED) Set_Scrollable_Area_PS_Frameflag(a->sheet_area_id, flag);
}

void Set_Break_Key_Action_of_Scrollable_Area(int slot, int value, int *target) {
    if (Scrollable_View_Area *a = Used_Area(slot)) {
        a->break_value = value;
        a->break_target = target;
    }
}

void Set_OK_Key_Action_of_Scrollable_Area(int slot, int value, int *target) {
    if (Scrollable_View_Area *a = Used_Area(slot)) {
        a->ok_value = value;
        a->ok_target = target;
    }
}

void Set_Help_Key_Action_of_Scrollable_Area(int slot, int value, int *target) {
    if (Scrollable_View_Area *a = Used_Area(slot)) {
        a->help_value = value;
        a->help_target = target;
    }
}

void Set_Scrollable_Area_Key_Hover_End(int slot, int flag) {
    if (Scrollable_View_Area *a = Used_Area(slot)) a->keys_end_hover = flag;
}

void Set_Scrollable_Area_Right_Button_Hover_End(int slot, int flag) {
    if (Scrollable_View_Area *a = Used_Area(slot)) a->right_button_ends_hover = flag;
}

void Set_Scrollable_Area_Stop_Flag(int slot, int *flag) {
    if (Scrollable_View_Area *a = Used_Area(slot)) a->stop_flag = flag;
}

void Set_Scrollable_Area_Hover_Rectangle(int slot, int x1, int y1, int x2, int y2) {
    if (Scrollable_View_Area *a = Used_Area(slot)) {
        a->hover_rect_set = 1;
        a->hover_x1 = x1;
        a->hover_y1 = y1;
        a->hover_x2 = x2;
        a->hover_y2 = y2;
    }
}

void Inquire_Scrollable_View_Area_Size(int slot, int *width, int *height) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    if (width) *width = a->x2 - a->x1;
    if (height) *height = a->y2 - a->y1;
}

void Inquire_Scrollable_View_Area_Content(int slot, int *width, int *height) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    if (width) *width = a->content_width;
    if (height) *height = a->content_height;
}

void Inquire_Scrollable_View_Area_Screen_Origin(int slot, int *x, int *y) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    if (x) *x = a->x1 + dx;
    if (y) *y = a->y1 + dy;
}

void Read_Scrollable_View_Area_Origin(int slot) {
    if (Scrollable_View_Area *a = Placed_Area(slot))
        Inquire_Scrollable_Area_PS(a->sheet_area_id, &a->scroll_x, &a->scroll_y);
}

void Inquire_Scrollable_View_Area_Origin(int slot, int *x, int *y) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return;
    int ox = 0, oy = 0;
    Inquire_Scrollable_Area_PS(a->sheet_area_id, &ox, &oy);
    if (x) *x = ox;
    if (y) *y = oy;
}

int Reserve_Scrollable_View_Area(void) {
    int slot = Claim_Free_Slot();
    if (slot < 0) return -1;
    areas[slot].active = 0;
    areas[slot].sheet_area_id = AREA_SLOT_RESERVED;
    return slot;
}

void Place_Reserved_Scrollable_View_Area(int slot, int x1, int y1, int x2, int y2,
                                         int horizontal, int vertical) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a || a->sheet_area_id != AREA_SLOT_RESERVED) return;
    Place(a, x1, y1, x2, y2, horizontal, vertical);
}

void Reshape_Scrollable_View_Area(int slot, int x1, int y1, int x2, int y2) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return;
    Reshape_Scrollable_Area_PS(a->sheet_area_id, x1, y1, x2, y2, 5, 10, 5, 10);
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    a->x1 = x1 - dx;
    a->y1 = y1 - dy;
    a->x2 = x2 - dx;
    a->y2 = y2 - dy;
}

void Scroll_Scrollable_Area_by(int slot, int *dx, int *dy) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return;
    Read_Scrollable_View_Area_Origin(slot);
    auto move = [](int origin, int *delta, int content, int visible) {
        int target = origin + *delta;
        if (target < 0) target = 0;
        if (target > content - visible) target = content - visible;
        if (target < 0) target = 0;  // content smaller than the view
        *delta = target - origin;
        return target;
    };
    if (a->hslider_id && dx) a->scroll_x = move(a->scroll_x, dx, a->content_width, a->x2 - a->x1);
    else if (dx) *dx = 0;
    if (a->vslider_id && dy) a->scroll_y = move(a->scroll_y, dy, a->content_height, a->y2 - a->y1);
    else if (dy) *dy = 0;
}

void Set_Scrollable_Area_Scroll_Fraction(int slot, double fx, double fy) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    auto place = [](double f, int content, int visible) {
        int range = content - visible;
        if (range < 0) range = 0;
        if (f > 1.0) f = 1.0;
        return static_cast<int>(f * range);
    };
    if (a->hslider_id && fx >= 0.0) a->scroll_x = place(fx, a->content_width, a->x2 - a->x1);
    if (a->vslider_id && fy >= 0.0) a->scroll_y = place(fy, a->content_height, a->y2 - a->y1);
}

void Get_Scrollable_Area_Scroll_Fraction(int slot, double *fx, double *fy) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    auto fraction = [](int origin, int content, int visible, int slider) {
        int range = content - visible;
        return (slider && range > 0) ? static_cast<double>(origin) / range : 0.0;
    };
    if (fx) *fx = fraction(a->scroll_x, a->content_width, a->x2 - a->x1, a->hslider_id);
    if (fy) *fy = fraction(a->scroll_y, a->content_height, a->y2 - a->y1, a->vslider_id);
}
