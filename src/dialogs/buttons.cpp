// Text buttons, bitmap buttons and tool tips (see buttons.h): the sheet-area
// registry, the hover and tool-tip tables and the call-always function that
// reads them.
#include "dialogs/buttons.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "dialogs/dialog_draw_internal.h"
#include "dialogs/fields.h"
#include "dialogs/fields_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

struct Registry_Entry {
    int element_id, slot, x1, y1, x2, y2;
    int *screen_x, *screen_y;
};
Registry_Entry registry[SHEET_AREA_REGISTRY];
int registry_count = 0;
bool hook_on = false;

// Where the widgets being added go, and how a mouse position becomes a
// position in the field area's content.
struct Hover_Context {
    int element_id = 0;
    int origin_x = -1000, origin_y = -1000;
    int width = 0, height = 0;
    int *screen_x = nullptr, *screen_y = nullptr;
};
Hover_Context context;

struct Hover_Entry {
    int element_id;
    std::string normal, hover;  // bitmap files, empty for none
    int x1, x2, y1, y2;         // content coordinates
    int transparent;
    std::string text;
    bool has_text;
    int font;
    int text_x, text_y;
    int text_colour;
};
std::vector<Hover_Entry> hovers;

enum { TIP_LINES = 5, TIP_LINE = 99 };
struct Tool_Tip {
    int element_id;
    int x1, x2, y1, y2;
    std::vector<std::string> lines;
    int width, height;
    int placement, alignment;
};
std::vector<Tool_Tip> tips;

// A rectangle of the screen with the pixels it covered.
struct Saved_Screen {
    bool shown = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<unsigned char> pixels;
    int which = -1;  // the entry shown
};
Saved_Screen tip_shown, look_shown;

int (*loadpick_test)(void) = nullptr;

// Activity words of the import buttons: the items read them at every
// repaint, so they outlive the call.
int component_word = 0;
int file_word = 0;

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

int Placed(double at, double size, int mode, int end_mode) {
    if (mode == end_mode) return Trunc(at - size);
    if (mode == 4) return Trunc(at - std::trunc(size / 2.0));
    return Trunc(at);
}

void Save(Saved_Screen &s, int x1, int y1, int x2, int y2, int which) {
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.pixels.assign(pxQSvR(x1, y1, x2, y2), 0);
    if (!s.pixels.empty()) pxSvRc(x1, y1, x2, y2, s.pixels.data());
    s.shown = true;
    s.which = which;
}

void Restore(Saved_Screen &s) {
    if (!s.shown) return;
    if (!s.pixels.empty()) pxStRc(s.x1, s.y1, s.x2, s.y2, s.pixels.data());
    s.shown = false;
    s.which = -1;
    pxFlsh();
}

bool Sheet_Active(int element_id) { return ActivState_of_Button_PS(element_id) == 1; }

// The screen position of the field area's content origin.
void Content_Origin(int *x, int *y) {
    int ox = 0, oy = 0;
    Inquire_Scrollable_View_Area_Origin(Current_Field_Area(), &ox, &oy);
    *x = (context.screen_x ? *context.screen_x : 0) + context.origin_x - ox;
    *y = (context.screen_y ? *context.screen_y : 0) + context.origin_y - oy;
}

bool Strictly_Inside(int x, int y, int x1, int x2, int y1, int y2) {
    return x > x1 && x < x2 && y > y1 && y < y2;
}

void Show_Tip(const Tool_Tip &t, int index, int cx, int cy) {
    int left = Trunc((t.x1 + t.x2) / 2.0) + cx - (t.alignment == 3 ? t.width : 0);
    int top = t.placement == 0 ? t.y1 + cy - 5 - t.height : t.y2 + cy + 5;
    int right = left + t.width, bottom = top + t.height;
    Save(tip_shown, left, top, right, bottom, index);
    int kept = pxQFgc();
    Draw_Framed_Box(left, top, right, bottom, WHITE_CI, Nearest_Color_Index(64, 64, 64));
    Pop_RFont(RFONT_NORMAL);
    pxFgc(BLACK_CI);
    for (size_t i = 0; i < t.lines.size(); ++i)
        pxText(left + 3, top + 12 * static_cast<int>(i + 1), t.lines[i].c_str(), -1);
    Push_RFont();
    pxFgc(kept);
    pxFlsh();
}

void Show_Look(const Hover_Entry &h, int index, int cx, int cy) {
    int x1 = h.x1 + cx, y1 = h.y1 + cy, x2 = h.x2 + cx, y2 = h.y2 + cy;
    Save(look_shown, x1, y1, x2, y2, index);
    int kept = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    int ax = (context.screen_x ? *context.screen_x : 0) + context.origin_x;
    int ay = (context.screen_y ? *context.screen_y : 0) + context.origin_y;
    pxView(ax, ay, ax + context.width, ay + context.height);
    if (!h.hover.empty()) {
        int r = -1, g = -1, b = -1;
        if (h.transparent >= 0) pxQCR(h.transparent, &r, &g, &b);
        pxDrawPartialTransparentDIB(h.hover.c_str(), 0, 0, -1, -1, x1, y1, x2, y2, 201, -1, r, g, b);
    }
    if (h.has_text) {
        Pop_RFont(h.font & ~0x10000);
        pxFgc(h.text_colour);
        pxText(h.text_x + cx, h.text_y + cy, h.text.c_str(), -1);
        if (h.font & 0x10000) pxText(h.text_x + cx + 1, h.text_y + cy, h.text.c_str(), -1);
        Push_RFont();
    }
    pxView(vx1, vy1, vx2, vy2);
    pxFgc(kept);
    pxFlsh();
}

// A hover entry for the button just placed; it counts when it has what
// `counts` says.
void Add_Hover(const char *normal, const char *hover, int x1, int x2, int y1, int y2, int transparent,
               const char *text, int font, int tx, int ty, int colour, bool counts) {
    if (!counts || hovers.size() >= HOVER_BUTTONS) return;
    Hover_Entry h;
    h.element_id = context.element_id;
    h.normal = normal ? normal : "";
    h.hover = hover ? hover : "";
    h.x1 = x1;
    h.x2 = x2;
    h.y1 = y1;
    h.y2 = y2;
    h.transparent = transparent;
    h.has_text = text != nullptr;
    h.text = text ? text : "";
    h.font = font;
    h.text_x = tx;
    h.text_y = ty;
    h.text_colour = colour;
    hovers.push_back(h);
}

void Add_Click(int slot, int x1, int y1, int x2, int y2, int value, int *selector) {
    Add_Click_Area_to_Scrollable_Area(slot, x1, y1, x2, y2, value, selector);
    Set_Click_Area_Mode(slot, 18);
}

// The framed text of a text button: frame lines, the centred text; fills in
// the hover entry's text. Returns the text's position through tx, ty.
void Framed_Text(int slot, int x1, int y1, int x2, int y2, double width, const char *text,
                 int text_colour, int frame_colour, int *tx, int *ty) {
    For_Rect_Sides(x1, y1, x2, y2, [&](int ax, int ay, int bx, int by) {
        Add_Line_to_Scrollable_Area(slot, ax, ay, bx, by, frame_colour);
    });
    int n = text ? static_cast<int>(std::strlen(text)) : 0;
    int w = RFont_Text_Width(RFONT_NORMAL, text, n);
    double free_space = w > 0 ? (width - 1) - (w + 3) : width - 1;
    *tx = x1 + Trunc(free_space / 2.0);
    *ty = y1 + 14;
    Add_Text_to_Scrollable_Area(slot, *tx, *ty, text ? text : "", 0, text_colour, 0);
}

// The rectangle of a text button.
void Text_Button_Rect(double x, double y, double width, int vertical, int horizontal, int *x1,
                      int *y1, int *x2, int *y2) {
    *x1 = Placed(x, width - 1, horizontal, 1);
    *y1 = vertical == 2 ? Trunc(y - 18) : vertical == 4 ? Trunc(y - 9) : Trunc(y);
    *x2 = Trunc(*x1 + width - 1);
    *y2 = *y1 + 18;
}

}  // namespace

// ---- internal ----------------------------------------------------------------------

void Clear_Button_Tables(void) {
    // What a shown tip or look covers comes back before its entry goes.
    Restore(tip_shown);
    Restore(look_shown);
    hovers.clear();
    tips.clear();
}

// The latest registry entry that names the slot, null when none does.
static const Registry_Entry *Entry_Naming(int slot) {
    for (int i = registry_count - 1; i >= 0; --i)
        if (registry[i].slot == slot) return &registry[i];
    return nullptr;
}

void Take_Hover_Context(int slot) {
    const Registry_Entry *e = Entry_Naming(slot);
    if (!e) {
        context.origin_x = -1000;
        context.origin_y = -1000;
        return;
    }
    context.element_id = e->element_id;
    context.origin_x = e->x1;
    context.origin_y = e->y1;
    context.width = e->x2 - e->x1;
    context.height = e->y2 - e->y1;
    context.screen_x = e->screen_x;
    context.screen_y = e->screen_y;
}

int Registry_X_Range(int slot, int *x1, int *x2) {
    const Registry_Entry *e = Entry_Naming(slot);
    if (!e) return 0;
    *x1 = e->x1;
    *x2 = e->x2;
    return 1;
}

// ---- registry -----------------------------------------------------------------------

void Register_Sheet_Area(int element_id, int slot, int x1, int y1, int x2, int y2, int *screen_x,
                         int *screen_y) {
    if (registry_count >= SHEET_AREA_REGISTRY) return;
    registry[registry_count++] = Registry_Entry{element_id, slot, x1, y1, x2, y2, screen_x, screen_y};
    if (registry_count == 1) {
        Define_Call_Allways_Function(Draw_Table_Sheet_Button);
        Activate_Call_Allways_Function(1);
        hook_on = true;
    }
}

void Set_Sheet_Hook_Activity(int flag) { Activate_Call_Allways_Function(flag && hook_on ? 1 : 0); }

void Unregister_Sheet_Area(void) {
    if (registry_count > 0) --registry_count;
    if (registry_count == 0) {
        Restore(tip_shown);
        Restore(look_shown);
        Activate_Call_Allways_Function(0);
        hook_on = false;
    }
}

int Registered_Sheet_Area_Count(void) { return registry_count; }

// ---- buttons --------------------------------------------------------------------------

void Add_Bitmap_Click_Area(int slot, double x, double y, double height, double width, int vertical,
                           int horizontal, const char *active_bitmap, const char *inactive_bitmap,
                           int transparent, int value, int *selector, int active) {
    int x1 = Placed(x, width, horizontal, 1), y1 = Placed(y, height, vertical, 2);
    int x2 = Trunc(x1 + width), y2 = Trunc(y1 + height);
    const char *bitmap = active ? active_bitmap : inactive_bitmap;
    if (bitmap) Add_Picture_to_Scrollable_Area(slot, bitmap, x1, y1, x2, y2, transparent);
    if (active) Add_Click(slot, x1, y1, x2, y2, value, selector);
    Set_Last_Field_Rectangle(x1, x2, y1, y2, active);
}

// A radio button or check box as a 12 x 12 bitmap chosen by state.
static void Small_Bitmap(int slot, int x, int y, bool on, bool active, const char *on_active,
                         const char *off_active, const char *on_inactive, const char *off_inactive) {
    const char *bitmap = active ? (on ? on_active : off_active) : (on ? on_inactive : off_inactive);
    if (bitmap) Add_Picture_to_Scrollable_Area(slot, bitmap, x, y - 10, x + 11, y + 1, WHITE_CI);
    Set_Last_Field_Rectangle(x, x + 12, y - 10, y + 2, active);
}

int Add_Bitmap_Radio_Button(int slot, double x, double y, int value, int *selector,
                            const char *on_active, const char *off_active, const char *on_inactive,
                            const char *off_inactive, int *active) {
    int X = Trunc(x), Y = Trunc(y);
    Add_Radio_Button_to_Scrollable_Area(slot, X + 20, Y, "", 0, WHITE_CI, value, selector, active);
    const bool on_state = active && *active;
    Small_Bitmap(slot, X, Y, selector && *selector == value, on_state, on_active, off_active,
                 on_inactive, off_inactive);
    return active ? *active : 0;
}

int Add_Bitmap_Check_Box(int slot, double x, double y, int *variable, const char *on_active,
                         const char *off_active, const char *on_inactive, const char *off_inactive,
                         int *active) {
    int X = Trunc(x), Y = Trunc(y);
    Add_Check_Box_to_Scrollable_Area(slot, X + 20, Y, "", 0, WHITE_CI, variable, active);
    const bool on_state = active && *active;
    Small_Bitmap(slot, X, Y, variable && *variable, on_state, on_active, off_active, on_inactive,
                 off_inactive);
    return active ? *active : 0;
}

void Add_Bitmap_Hover_Button(int slot, double x, double y, double height, double width,
                             int vertical, int horizontal, const char *active_bitmap,
                             const char *inactive_bitmap, const char *active_hover_bitmap,
                             const char *inactive_hover_bitmap, int transparent, int value,
                             int *selector, int active) {
    if (!hook_on) return;
    Add_Bitmap_Click_Area(slot, x, y, height, width, vertical, horizontal, active_bitmap,
                          inactive_bitmap, transparent, value, selector, active);
    int x1, x2, y1, y2;
    Get_Last_Field_Rectangle(&x1, &x2, &y1, &y2, nullptr);
    const char *hover = active ? active_hover_bitmap : inactive_hover_bitmap;
    Add_Hover(active ? active_bitmap : inactive_bitmap, hover, x1, x2, y1, y2, transparent, nullptr, 0,
              0, 0, BLACK_CI, hover != nullptr);
}

void Add_Framed_Text_Button(int slot, double x, double y, double width, int vertical,
                            int horizontal, int text_colour, int frame_colour, int,
                            const char *text, int value, int *selector, int active) {
    if (!hook_on) return;
    int x1, y1, x2, y2;
    Text_Button_Rect(x, y, width, vertical, horizontal, &x1, &y1, &x2, &y2);
    int font = 0x10000;
    if (active) {
        Add_Click(slot, x1, y1, x2, y2, value, selector);
    } else {
        frame_colour = Nearest_RGB_Color(196, 196, 196);
        text_colour = Field_Inactive_Color();
        font = 0;
    }
    int tx, ty;
    Framed_Text(slot, x1, y1, x2, y2, width, text, text_colour, frame_colour, &tx, &ty);
    Add_Hover(nullptr, nullptr, x1, x2, y1, y2, -1, text, font, tx, ty, text_colour, text != nullptr);
    Set_Last_Field_Rectangle(x1, x2, y1, y2, active);
}

void Add_Text_Button(int slot, double x, double y, double width, int vertical, int horizontal,
                     const char *text, int value, int *selector, int active) {
    if (!hook_on) return;
    int x1, y1, x2, y2;
    Text_Button_Rect(x, y, width, vertical, horizontal, &x1, &y1, &x2, &y2);
    const char *normal = active ? "TextButtonBg.bmp" : "TextButtonBgInaktive.bmp";
    const char *hover = active ? "TextButtonBg_ro.bmp" : "TextButtonBgInaktive_ro.bmp";
    Add_Picture_to_Scrollable_Area(slot, active ? "textbuttonbg.bmp" : "TextButtonBgInaktive.bmp", x1, y1,
                                   x2, y2, WHITE_CI);
    if (active) Add_Click(slot, x1, y1, x2, y2, value, selector);
    const int frame = active ? Nearest_Color_Index(144, 144, 144) : Nearest_Color_Index(196, 196, 196);
    const int colour = active ? BLACK_CI : Field_Inactive_Color();
    int tx, ty;
    Framed_Text(slot, x1, y1, x2, y2, width, text, colour, frame, &tx, &ty);
    Add_Hover(normal, hover, x1, x2, y1, y2, WHITE_CI, text, active ? 0x10000 : 0, tx, ty, colour, true);
    Set_Last_Field_Rectangle(x1, x2, y1, y2, active);
}

int Add_Delete_All_Button(int x, int y, const char *text, int value, int *selector, int *active) {
    const int area = Current_Field_Area();
    if (area < 0) return -1;
    Add_Bitmap_Button_to_Scrollable_Area(area, x, y, 51, 36, "RurGrImportButton.bmp", 36,
                                         Nearest_Color_Index(198, 222, 228), 18, text, value, selector,
                                         active);
    return Add_Labelled_Text_Field(x + 51, y + 12, ".... alle Lastkollektive löschen"_cp, active);
}

int Add_Import_from_Component_Button(int x, int y, const char *label, int value, int *selector,
                                     int *active) {
    const int area = Current_Field_Area();
    const bool available = loadpick_test && loadpick_test() == 1;
    component_word = available && active ? *active : 0;
    int xl = x + Add_Labelled_Text_Field(x, y, label ? label : "Lagergrößen importieren aus "_cp,
                                         &component_word);
    if (!active || *active == 0) Add_Labelled_Text_Field(xl, y, "Q7-", &component_word);
    else Add_Picture_to_Scrollable_Area(area, "RurQ7.bmp", xl, y - 12, xl + 55, y + 2, WHITE_CI);
    int e = xl + 21 + Add_Labelled_Text_Field(xl + 21, y, "Programmen ...", &component_word);
    Add_Bitmap_Button_to_Scrollable_Area(area, e + 3, y - 23, 51, 33, "RurGrImportButton.bmp", 0,
                                         Nearest_Color_Index(255, 255, 255), 18,
                                         "Werte aus VEK-Bauteil\nimportieren", value, selector,
                                         &component_word);
    return e + 54 - x;
}

int Add_Import_from_File_Button(int x, int y, const char *label, int value, int *selector,
                                int *active) {
    const int area = Current_Field_Area();
    file_word = active ? *active : 0;
    char text[256];
    std::snprintf(text, sizeof text, "%s Datei ...", label ? label : "Lastkollektive importieren aus");
    int xl = x + (area >= 0 ? Add_Labelled_Text_Field(x, y, text, &file_word) : 0);
    Add_Bitmap_Button_to_Scrollable_Area(area, xl + 3, y - 16, 51, 36, "RurGrImportButton.bmp", 76,
                                         Nearest_Color_Index(255, 255, 255), 18,
                                         "Werte aus ASCII-Datei\nimportieren", value, selector, &file_word);
    return xl + 54 - x;
}

void Add_Explorer_Button(int x, int y, int value, int *selector, int *active) {
    Add_Bitmap_Button_to_Scrollable_Area(Current_Field_Area(), x, y, 38, 38, "deskbuts.bmp", 250,
                                         Nearest_Color_Index(255, 251, 240), 18,
                                         "Aufruf Eplorer um Datei zu finden", value, selector, active);
}

void Add_Tool_Tip_to_Last_Field(const char *text, int placement, int alignment) {
    int x1, x2, y1, y2, state;
    Get_Last_Field_Rectangle(&x1, &x2, &y1, &y2, &state);
    if (!hook_on || state == 0 || !text || tips.size() >= FIELD_TOOL_TIPS) return;
    Tool_Tip t;
    t.element_id = context.element_id;
    t.x1 = x1;
    t.x2 = x2;
    t.y1 = y1;
    t.y2 = y2;
    t.placement = placement;
    t.alignment = alignment;
    std::string line;
    for (const char *p = text;; ++p) {
        if (*p == '\0' || *p == '\n' || line.size() == TIP_LINE) {
            if (t.lines.size() < TIP_LINES) t.lines.push_back(line);
            line.clear();
            if (*p == '\0') break;
            if (*p != '\n') line += *p;  // the long line goes on
            continue;
        }
        line += *p;
    }
    int widest = 0;
    for (const std::string &l : t.lines)
        widest = std::max(widest, l.empty() ? 0 : RFont_Text_Width(RFONT_NORMAL, l.c_str(), -1) + 3);
    t.height = 12 * static_cast<int>(t.lines.size()) + 6;
    t.width = widest + 6;
    tips.push_back(t);
}

void Draw_Table_Sheet_Button(void) {
    int cx, cy;
    Content_Origin(&cx, &cy);
    const int mx = M_XPOS - cx, my = M_YPOS - cy;

    int tip = -1;
    for (size_t i = 0; i < tips.size() && tip < 0; ++i)
        if (Sheet_Active(tips[i].element_id) &&
            Strictly_Inside(mx, my, tips[i].x1, tips[i].x2, tips[i].y1, tips[i].y2))
            tip = static_cast<int>(i);
    if (tip_shown.shown && tip_shown.which != tip) Restore(tip_shown);
    if (tip >= 0 && !tip_shown.shown) Show_Tip(tips[static_cast<size_t>(tip)], tip, cx, cy);

    int look = -1;
    for (size_t i = 0; i < hovers.size() && look < 0; ++i)
        if (Sheet_Active(hovers[i].element_id) &&
            Strictly_Inside(mx, my, hovers[i].x1, hovers[i].x2, hovers[i].y1, hovers[i].y2))
            look = static_cast<int>(i);
    if (look_shown.shown && look_shown.which != look) Restore(look_shown);
    if (look >= 0 && !look_shown.shown) Show_Look(hovers[static_cast<size_t>(look)], look, cx, cy);
}

void Set_LoadPick_Test(int (*available)(void)) { loadpick_test = available; }

void Reset_Buttons_State(void) {
    registry_count = 0;
    hook_on = false;
    context = Hover_Context{};
    hovers.clear();
    tips.clear();
    tip_shown = Saved_Screen{};
    look_shown = Saved_Screen{};
    loadpick_test = nullptr;
}
