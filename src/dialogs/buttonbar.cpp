// Image button bar: draws a bar of picture buttons from one bitmap and runs
// its mouse loop (hover look, tool tip at rest, pressed look, pop-down
// panels with a second bar that runs the same loop recursively).
//
// Drawing goes straight to the screen.  What the loop covers (the pop-down
// panel and the tool tip) is saved first and put back when it goes away;
// that saved state survives between calls so that a stale panel is put back
// before the next one is saved.
//
// The pop-down panel closes after one second off its button.  The deadline
// runs on the window library's millisecond clock (virtual when headless),
// never on processor time, which hardly advances while the loop waits.
#include "dialogs/buttonbar.h"

#include <cassert>
#include <cstring>

#include "dialogs/dialog_draw_internal.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/tool_tip.h"

namespace {

// Event mask of the loop: mouse moves and presses, with the record's
// time-out so that a mouse at rest still produces events.
const int BAR_EVENT_MASK = VEK_WAIT_BAR;
const int BAR_EVENT_TIMEOUT_MS = 100;

struct Saved_Rect {
    int saved;
    int x1, y1, x2, y2;
};

int erase_mode = 1;
Saved_Rect panel = {0, 0, 0, 0, 0};

// Gives the timer setting back on every way out of one loop.
struct Timer_Guard {
    int previous;
    Timer_Guard() : previous(VEKSetTimer(1)) {}
    ~Timer_Guard() { VEKSetTimer(previous); }
    Timer_Guard(const Timer_Guard &) = delete;
    Timer_Guard &operator=(const Timer_Guard &) = delete;
};

struct Button_Rect {
    int left, top, right, bottom;
};

Button_Rect Rect_Of(const Image_Button_Bar *bar, const Image_Button *b) {
    int left = bar->x + b->offset_x;
    int top = bar->y + b->offset_y;
    return {left, top, left + b->width - 1, top + b->height - 1};
}

bool Inside_Bar(const Image_Button_Bar *bar) {
    return bar->x <= M_XPOS && M_XPOS <= bar->x2 && bar->y <= M_YPOS && M_YPOS <= bar->y2;
}

// Entering needs the mouse one pixel inside the border ...
bool Strictly_Inside(const Button_Rect &r) {
    return r.left < M_XPOS && M_XPOS < r.right && r.top < M_YPOS && M_YPOS < r.bottom;
}

// ... staying on it counts the border too.
bool On_Button(const Button_Rect &r) {
    return r.left <= M_XPOS && M_XPOS <= r.right && r.top <= M_YPOS && M_YPOS <= r.bottom;
}

void Wait_Left_Button_Up(void) {
    while (M_LEFT) Get_Mouse_Event();
}

// The resting look: normal, or inactive for a switched-off button (which
// Draw_Image_Button picks by itself).
void Draw_Plain(const Image_Button_Bar *bar, const Image_Button *b) {
    Draw_Image_Button(bar->x, bar->y, b, bar->bitmap, IMAGE_BUTTON_NORMAL);
}

// Puts back what a box covered, once.
void Put_Back(Saved_Rect *box) {
    if (!box->saved) return;
    Restore_Screen_Rectangle(box->x1, box->y1, box->x2, box->y2);
    box->saved = 0;
}

// The tip is the window library's, as the sheets' buttons show theirs.
void Hide_Tool_Tip_Box(void) { VEK_Hide_Tool_Tip(); }
void Show_Tool_Tip_Box(const char *tip) {
    if (tip) VEK_Show_Tool_Tip(tip);
}

void Close_Panel(void) { Put_Back(&panel); }

// Rolls the panel of a sub-bar down in four steps, draws its buttons and
// starts the one-second deadline.
void Open_Panel(const Image_Button_Bar *sub) {
    Close_Panel();
    const int panel_grey = Nearest_RGB_Color(158, 158, 158);
    int x1 = sub->x - 7, y1 = sub->y - 2, x2 = sub->x2 + 7, y2 = sub->y2 + 2;
    Save_Screen_Rectangle(x1, y1, x2, y2);
    panel = {1, x1, y1, x2, y2};
    int colour = pxQFgc();
    for (int k = 1; k <= 4; ++k) {
        int yk = y1 + (y2 - y1) * k / 4;
        pxFgc(GetVEKColor(-1));
        pxRect(x1, y1 + 1, x2, yk);
        pxFgc(-15);
        pxLine(x1 + 1, yk - 1, x2 - 1, yk - 1);
        pxLine(x2 - 1, y1 + 1, x2 - 1, yk - 1);
        pxLine(x1, y1, x2, y1);
        pxFgc(-3);
        pxLine(x1, yk, x2, yk);
        pxLine(x2, y1, x2, yk);
        pxFgc(-2);
        pxLine(x1 + 1, y1 + 1, x1 + 1, y2 - 1);
        pxFgc(panel_grey);
        pxLine(x1 + 1, y1 + 1, x2 - 2, y1 + 1);
        pxLine(x1 + 1, y1 + 2, x2 - 2, y1 + 2);
        pxFlsh();
        Wait_Seconds(0.05);
    }
    pxFgc(colour);
    Draw_Image_Button_Bar(sub);
    Start_Clock_Timeout(1.0);
}

// Outcome of hovering one button.
enum Hover_End { HOVER_LEFT_BUTTON, HOVER_RETURN };

// The press on button b: its code, shown pressed until the button comes up.
Hover_End Press_Plain(const Image_Button_Bar *bar, const Image_Button *b, int *result) {
    *result = b->code;
    Hide_Tool_Tip_Box();
    Draw_Image_Button(bar->x, bar->y, b, bar->bitmap, IMAGE_BUTTON_PRESSED);
    Wait_Left_Button_Up();
    Draw_Plain(bar, b);
    return HOVER_RETURN;
}

// Hover loop of a button without sub-bar.  Returns HOVER_RETURN with
// *result set when the loop must end.  A press that found the button (the
// mouse came onto it with the press itself) counts at once: waiting for
// another event first would let its release go by unseen.
Hover_End Hover_Plain(const Image_Button_Bar *bar, const Image_Button *b, VEKMessage *event,
                      int *result) {
    if (M_LEFT) return Press_Plain(bar, b, result);
    Button_Rect r = Rect_Of(bar, b);
    int last_x = M_XPOS, last_y = M_YPOS;
    int rest = 0;
    for (;;) {
        GetVEKMessage(BAR_EVENT_MASK, event);
        if (!On_Button(r)) {
            Hide_Tool_Tip_Box();
            Draw_Plain(bar, b);
            if (M_LEFT) {
                Wait_Left_Button_Up();
                return HOVER_RETURN;
            }
            return HOVER_LEFT_BUTTON;
        }
        if (M_XPOS == last_x && M_YPOS == last_y) {
            if (rest == 0) Show_Tool_Tip_Box(b->tip);
            ++rest;
        }
        if (M_LEFT) return Press_Plain(bar, b, result);
        last_x = M_XPOS;
        last_y = M_YPOS;
    }
}

// Hover loop of a button with a pop-down bar.
Hover_End Hover_Sub_Bar(const Image_Button_Bar *bar, const Image_Button *b, VEKMessage *event,
                        int *result) {
    const Image_Button_Bar *sub = b->sub_bar;
    Button_Rect r = Rect_Of(bar, b);
    int last_y = M_YPOS;
    bool clicked = false, open = false;
    if (M_LEFT) {
        // Pressed as the mouse came onto it: the panel opens and stays.
        Open_Panel(sub);
        open = true;
        Wait_Left_Button_Up();
        clicked = true;
    }
    for (;;) {
        GetVEKMessage(BAR_EVENT_MASK, event);
        bool on = On_Button(r);
        bool close = false;
        if (!open) {
            Open_Panel(sub);
            open = true;
        }
        // Already on the opening event: a mouse that left the button upwards
        // or sideways at once does not leave the panel standing.
        if (!on && !clicked) {
            close = M_YPOS < last_y || M_XPOS < sub->x - 7 || M_XPOS > sub->x2 + 7 ||
                    Clock_Timeout_Reached();
        }
        // The user has gone (headless: the script ran out): nothing would
        // ever close a clicked panel, so it closes now.
        if (M_XPOS < 0 || M_YPOS < 0) close = true;
        if (!close && M_LEFT) {
            if (clicked && !on) {
                close = true;
            } else {
                Wait_Left_Button_Up();
                clicked = true;
            }
        }
        last_y = M_YPOS;
        if (!close && sub->x < M_XPOS && M_XPOS < sub->x2 && sub->y < M_YPOS &&
            M_YPOS < sub->y2) {
            *result = Run_Image_Button_Bar(sub);
            if (*result != 0) close = true;
        }
        if (close) {
            Close_Panel();
            Draw_Plain(bar, b);
            if (M_LEFT) {
                Wait_Left_Button_Up();
                return HOVER_RETURN;
            }
            return HOVER_LEFT_BUTTON;
        }
    }
}

}  // namespace

void Set_Image_Button_Erase_Mode(int flag) { erase_mode = flag; }

int Last_Image_Button_Tool_Tip(int *x1, int *y1, int *x2, int *y2) { return VEK_Last_Tool_Tip(x1, y1, x2, y2); }

void Draw_Image_Button(int origin_x, int origin_y, const Image_Button *button, const char *bitmap,
                       int look) {
    if (!button || !bitmap) return;
    const Image_Button *b = button;
    if (b->state <= 0) look = IMAGE_BUTTON_INACTIVE;
    int sx, sy;
    switch (look) {
    case IMAGE_BUTTON_HOVER: sx = b->hover_x; sy = b->hover_y; break;
    case IMAGE_BUTTON_INACTIVE: sx = b->inactive_x; sy = b->inactive_y; break;
    case IMAGE_BUTTON_PRESSED: sx = b->pressed_x; sy = b->pressed_y; break;
    default: sx = b->normal_x; sy = b->normal_y; break;
    }
    int x1 = origin_x + b->offset_x, y1 = origin_y + b->offset_y;
    int x2 = x1 + b->width - 1, y2 = y1 + b->height - 1;
    if (erase_mode) {
        int colour = pxQFgc();
        pxFgc(GetVEKColor(-1));
        pxRect(x1, y1, x2, y2);
        pxFgc(colour);
    }
    pxDrawPartialTransparentDIB(bitmap, sx, sy, sx + b->width - 1, sy + b->height - 1, x1, y1, x2,
                                y2, 201, -1, 192, 192, 192);
}

void Draw_Image_Button_Bar(const Image_Button_Bar *bar) {
    if (!bar || !bar->buttons) return;
    for (int i = 0; i < bar->count; ++i) Draw_Plain(bar, &bar->buttons[i]);
}

int Run_Image_Button_Bar(const Image_Button_Bar *bar) {
    if (!bar) return 0;
    Timer_Guard timer;
    VEKMessage event;
    InitVEKMessage(&event);
    event.timeout = BAR_EVENT_TIMEOUT_MS;
    int result = 0;
    // Called for a press on the bar (the press that ended the caller's own
    // wait), the bar acts on that press where it was made before it waits.
    for (bool pressed = M_LEFT != 0;; pressed = false) {
        if (!Inside_Bar(bar)) {
            Wait_Left_Button_Up();
            return result;
        }
        if (!pressed) GetVEKMessage(BAR_EVENT_MASK, &event);
        const Image_Button *hit = nullptr;
        for (int i = 0; bar->buttons && i < bar->count; ++i) {
            const Image_Button *b = &bar->buttons[i];
            if (b->state > 0 && Strictly_Inside(Rect_Of(bar, b))) {
                hit = b;
                break;
            }
        }
        if (!hit) {
            if (M_LEFT) {
                Wait_Left_Button_Up();
                return result;
            }
            continue;
        }
        Draw_Image_Button(bar->x, bar->y, hit, bar->bitmap, IMAGE_BUTTON_HOVER);
        Hover_End end = hit->sub_bar ? Hover_Sub_Bar(bar, hit, &event, &result)
                                     : Hover_Plain(bar, hit, &event, &result);
        if (end == HOVER_RETURN) return result;
    }
}
