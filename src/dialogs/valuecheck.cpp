// Value-check clamps, latched buttons, screen settings, the ring of enable
// flags, text widths, the clock deadline, the framed text field and the
// start-up call of the window library.
//
// A latched button reports a click at the next refill of its area: the
// click area stores the button's identity into the latch during
// Edit_Scrollable_View_Area, and the adder, run again by the refill, finds
// it there, clears it and sets the caller's int.  The identity is the
// caller's int (its address), numbered in a small registry so that it fits
// the int that a click area stores.
#include "dialogs/valuecheck.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/textio.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"

int Screen_Flag_On = 1, Screen_Flag_Off = 0;
int Screen_Font_Normal = RFONT_NORMAL, Screen_Font_Small = RFONT_SMALL,
    Screen_Font_Bold = RFONT_NORMAL | AREA_FONT_BOLD, Screen_Font_Bold_Alt = RFONT_BOLD | AREA_FONT_BOLD;
int Screen_Black, Screen_White, Screen_Grey130, Screen_Desktop_Colour, Screen_Desktop_Background,
    Screen_Grey192, Screen_Brown, Screen_Blue, Screen_Brown_2, Screen_Red, Screen_Green,
    Screen_Orange, Screen_Dark_Red, Screen_Rose, Screen_Light_Blue, Screen_Pale_Blue,
    Screen_Pale_Green, Screen_Mid_Green, Screen_Light_Green, Screen_Faint_Green, Screen_Peach,
    Screen_Pink, Screen_Light_Pink, Screen_Light_Red, Screen_Light_Yellow, Screen_Khaki,
    Screen_Grey224, Screen_Grey180, Screen_Grey233, Screen_Lavender, Screen_Apricot,
    Screen_Grey160;

namespace {

// Latch kinds: action button, work button, up half, down half, click area.
enum { kAction, kWork, kUp, kDown, kClick, kLatchKinds };

int latch[kLatchKinds];
std::vector<const int *> registry;

int flags[1000];
int flag_index = -1;

// In whole milliseconds of the clock: seconds as doubles summed onto the
// clock miss an exact deadline at some clock values (0.7 + 1.0 > 1.7).
long long deadline_ms = 0;

// The number of a caller's int (1 and up); the registry keeps 4096 at most
// and then starts again, which only matters for a dialog that has that many
// buttons at once.
int Identity(const int *pressed) {
    for (size_t i = 0; i < registry.size(); i++)
        if (registry[i] == pressed) return static_cast<int>(i) + 1;
    if (registry.size() >= 4096) registry.clear();
    registry.push_back(pressed);
    return static_cast<int>(registry.size());
}

// Reports a click that the last event stored into the latch by setting
// *pressed to value.
void Take_Latch(int kind, int id, int *pressed, int value = 1) {
    assert(kind >= 0 && kind < kLatchKinds);
    if (latch[kind] == id) {
        latch[kind] = 0;
        if (pressed) *pressed = value;
    }
}

double *As_Double(void *value) { return static_cast<double *>(value); }

void Button(int slot, int x, int y, int *pressed, const char *label, bool show_label,
            const char *bitmap, int kind) {
    int id = Identity(pressed);
    Take_Latch(kind, id, pressed);
    Add_Picture_to_Scrollable_Area(slot, bitmap, x - 20, y - 9, x - 7, y + 4, Screen_White);
    int x2 = x - 7;
    bool has_label = label && *label;
    if (has_label && show_label) {
        Add_Text_to_Scrollable_Area(slot, x, y, label, Screen_Font_Normal, Screen_Black, 0);
        x2 += 6 * static_cast<int>(std::strlen(label));
    }
    Add_Click_Area_to_Scrollable_Area(slot, x - 20, y - 9, x2, y + 4, id, &latch[kind]);
    Set_Click_Area_Mode(slot, VEK_CURSOR_HAND);
    if (has_label) Set_Tool_Tip_of_Last_Click_Area(slot, label, Screen_Font_Normal, Screen_Black, 0);
}

}  // namespace

void Init_Screen_Colors(void) {
    Screen_Flag_On = 1;
    Screen_Flag_Off = 0;
    Screen_Font_Normal = RFONT_NORMAL;
    Screen_Font_Small = RFONT_SMALL;
    Screen_Font_Bold = RFONT_NORMAL | AREA_FONT_BOLD;
    Screen_Font_Bold_Alt = RFONT_BOLD | AREA_FONT_BOLD;
    Screen_Black = Nearest_RGB_Color(0, 0, 0);
    Screen_White = Nearest_RGB_Color(255, 255, 255);
    Screen_Grey130 = Nearest_RGB_Color(130, 130, 130);
    Screen_Desktop_Colour = GetVEKColor(-21);
    Screen_Desktop_Background = GetVEKColor(-1);
    Screen_Grey192 = Nearest_RGB_Color(192, 192, 192);
    Screen_Brown = Nearest_RGB_Color(128, 64, 0);
    Screen_Blue = Nearest_RGB_Color(4, 2, 252);
    Screen_Brown_2 = Nearest_RGB_Color(128, 64, 0);
    Screen_Red = Nearest_RGB_Color(255, 0, 0);
    Screen_Green = Nearest_RGB_Color(0, 128, 0);
    Screen_Orange = Nearest_RGB_Color(255, 128, 0);
    Screen_Dark_Red = Nearest_RGB_Color(170, 0, 0);
    Screen_Rose = Nearest_RGB_Color(177, 99, 99);
    Screen_Light_Blue = Nearest_RGB_Color(213, 213, 255);
    Screen_Pale_Blue = Nearest_RGB_Color(196, 196, 255);
    Screen_Pale_Green = Nearest_RGB_Color(196, 217, 196);
    Screen_Mid_Green = Nearest_RGB_Color(125, 172, 125);
    Screen_Light_Green = Nearest_RGB_Color(219, 232, 219);
    Screen_Faint_Green = Nearest_RGB_Color(230, 238, 230);
    Screen_Peach = Nearest_RGB_Color(255, 231, 206);
    Screen_Pink = Nearest_RGB_Color(255, 196, 196);
    Screen_Light_Pink = Nearest_RGB_Color(255, 231, 231);
    Screen_Light_Red = Nearest_RGB_Color(255, 100, 100);
    Screen_Light_Yellow = Nearest_RGB_Color(255, 255, 196);
    Screen_Khaki = Nearest_RGB_Color(228, 228, 196);
    Screen_Grey224 = Nearest_RGB_Color(224, 224, 224);
    Screen_Grey180 = Nearest_RGB_Color(180, 180, 180);
    Screen_Grey233 = Nearest_RGB_Color(233, 233, 233);
    Screen_Lavender = Nearest_RGB_Color(192, 192, 214);
    Screen_Apricot = Nearest_RGB_Color(255, 219, 183);
    Screen_Grey160 = Nearest_RGB_Color(160, 160, 160);
}

void Set_Screen_Color_Slot(int colour) { Screen_Desktop_Colour = colour; }

void *Clamp_Not_Negative(void *value) {
    if (double *v = As_Double(value)) {
        if (*v < 0.0) *v = 0.0;
    }
    return value;
}

void *Clamp_Min_One(void *value) {
    if (double *v = As_Double(value)) {
        if (*v < 1.0) *v = 1.0;
    }
    return value;
}

void *Clamp_Zero_One(void *value) {
    if (double *v = As_Double(value)) {
        if (*v < 0.0) *v = 0.0;
        if (*v > 1.0) *v = 1.0;
    }
    return value;
}

void *Make_Absolute(void *value) {
    if (double *v = As_Double(value)) {
        if (*v < 0.0) *v = -*v;
    }
    return value;
}

void Add_Action_Button(int slot, int x, int y, int *pressed, const char *label, int no_label) {
    Button(slot, x, y, pressed, label, no_label == 0, "act_but.bmp", kAction);
}

void Add_Work_Button(int slot, int x, int y, int *pressed, const char *label) {
    Button(slot, x, y, pressed, label, true, "work_but.bmp", kWork);
}

void Add_UpDown_Button(int slot, int x, int y, int *result) {
    int id = Identity(result);
    Take_Latch(kUp, id, result, 1);
    Take_Latch(kDown, id, result, 2);
    Add_Picture_to_Scrollable_Area(slot, "updown_but.bmp", x, y - 12, x + 15, y + 5, -1);
    Add_Click_Area_to_Scrollable_Area(slot, x, y - 12, x + 15, y - 3, id, &latch[kUp]);
    Add_Click_Area_to_Scrollable_Area(slot, x, y - 3, x + 15, y + 5, id, &latch[kDown]);
}

void Add_Latched_Click_Area(int slot, int x1, int y1, int x2, int y2, int *pressed,
                            const char *tool_tip) {
    int id = Identity(pressed);
    Take_Latch(kClick, id, pressed);
    Add_Click_Area_to_Scrollable_Area(slot, x1, y1, x2, y2, id, &latch[kClick]);
    if (tool_tip && *tool_tip) {
        Set_Click_Area_Mode(slot, VEK_CURSOR_HAND);
        Set_Tool_Tip_of_Last_Click_Area(slot, tool_tip, Screen_Font_Normal, Screen_Black, 0);
    }
}

int Reset_Register_Field_Table(void) {
    flag_index = -1;
    std::memset(flags, 0, sizeof flags);
    return 0;
}

int *Next_Register_Field_Flag(int on) {
    flag_index = (flag_index + 1) % 1000;
    flags[flag_index] = on;
    return &flags[flag_index];
}

int Text_Width_in_Pixels(const char *text) {
    if (!text) return 0;
    int l = 0, r = 0;
    pxQTxX(text, -1, &l, &r);
    return r - l;
}

int Text_Width_of_Length(const char *text, int n) {
    if (!text || n <= 0) return 0;
    int l = 0, r = 0;
    pxQTxX(text, n, &l, &r);
    return r - l;
}

void Start_Clock_Timeout(double seconds) {
    deadline_ms = VEK_Clock_ms() + std::llround(seconds * 1000.0);
}

int Clock_Timeout_Reached(void) {
    return VEK_Clock_ms() >= deadline_ms ? 1 : 0;
}

void Draw_Framed_Text_Field(int x1, int y1, int x2, int y2, const char *text, int alignment,
                            int look, int font, int text_colour, int fill_colour) {
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    int inset = 0;
    if (look > 0) {
        Draw_Funny_Area_to_PS(look, x1, y1, x2, y2, 0);
        inset = look <= 2 ? 1 : 2;
    }
    if (fill_colour != DRAW_NO_COLOUR) {
        pxFgc(fill_colour);
        pxRect(x1 + inset, y1 + inset, x2 - inset, y2 - inset);
    }
    if (text && text_colour != DRAW_NO_COLOUR) {
        if (font >= 0) Pop_RFont(font);
        pxFgc(text_colour);
        int tx1 = look > 0 ? x1 + inset + 3 : x1, tx2 = look > 0 ? x2 - 1 - inset : x2;
        pxBTxt(tx1, y1 + inset, tx2, y2 - inset, text, -1, alignment);
        if (font >= 0) Push_RFont();
    }
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

void Init_VEK_Library(void) {
    Set_VEK_Stdio_Table();
    Set_MouseWheel_Activity(1);
}

void Init_VEK_Library_2(void) { Init_VEK_Library(); }
