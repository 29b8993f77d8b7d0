/* input.cpp -- mouse, keys, event waits, inline editors and menus of the
 * headless stand-in.
 *
 * Every wait reads the scripted queue of events.h and never blocks.  A
 * click from the script is delivered in two steps, the button going down
 * and, at the following wait, up again, so that the program's "wait until
 * the button is released" loops end by themselves; a scripted press stays
 * down until its release, so that drags can be scripted.
 */
#include "platform/input.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/sheets.h"

int M_XPOS = 0, M_YPOS = 0, M_LEFT = 0, M_RIGHT = 0, M_MIDDLE = 0, M_SCROLL = 0;
int LAST_SHEET_EDIT_KEY = 0;

namespace {
struct Rect {
    int x1, y1, x2, y2;
};
}

static Rect restriction_base = {0, 0, 1 << 20, 1 << 20};
static std::vector<Rect> restriction_stack;  /* saved rectangles */
static Rect restriction = restriction_base;
static int held_by_press[4];  /* [button]: held by a scripted press until its release */
static int key_mask = 0;
static int reported_key_mask = 0;  /* as the last VEK_MSG_KEYMASK told it */
static int wheel_on = 1;
static int cursor_shape = 0;
static int text_scroll_length = 0;
static std::vector<VEKRecordedMenuEntry> last_menu;  /* as shown last */

static int clamp(int v, int lo, int hi)
{
    if (lo > hi) return v;
    return v < lo ? lo : v > hi ? hi : v;
}

static void place_mouse(int x, int y)
{
    M_XPOS = clamp(x, restriction.x1, restriction.x2);
    M_YPOS = clamp(y, restriction.y1, restriction.y2);
}

static int* button_state(int button)
{
    return button == 2 ? &M_RIGHT : button == 3 ? &M_MIDDLE : &M_LEFT;
}

static int normal_button(int button)
{
    return button == 2 || button == 3 ? button : 1;
}

/* The event bits of a button going down or up. */
static int button_event(int button, int down)
{
    if (button == 3) return VEK_MSG_MIDDLE;
    if (button == 2) return down ? VEK_MSG_RIGHT_DOWN : VEK_MSG_RIGHT_UP;
    return down ? VEK_MSG_LEFT_DOWN : VEK_MSG_LEFT_UP;
}

static int finish(VEKMessage* message, int event, int key = 0, int wheel = 0, int button = 0)
{
    if (message) {
        message->event = event;
        message->x = M_XPOS;
        message->y = M_YPOS;
        message->key = key;
        message->keymask = key_mask;
        message->wheel = wheel;
        if (button) message->button = button;
    }
    return event;
}

/* The wait found nothing for it: a time-out (a timer tick while the timer
 * events are on) when one was asked for, the clock advancing by the bounded
 * time-out; else the close request. */
static int nothing_for_the_wait(int mask, VEKMessage* message)
{
    if (mask & VEK_MASK_TIMEOUT) {
        int t = message ? message->timeout : 0;
        VEK_Advance_Clock(clamp(t, 0, VEK_MAX_TIMEOUT_MS));
        return finish(message, VEKTimerActive() ? VEK_MSG_TIMER : VEK_MSG_TIMEOUT);
    }
    return finish(message, VEK_MSG_CLOSE);
}

/* A wait stalls on an event that is not for it: a button held by a scripted
 * press is let go first, so that no "while the button is held" loop waits
 * for ever on a queue whose head is for someone else.  Returns the release
 * event when the mask asks for it, else 0. */
static int let_go_of_presses(int mask, VEKMessage* message)
{
    int found = 0;
    for (int b = 1; b <= 3; b++) {
        if (!held_by_press[b]) continue;
        held_by_press[b] = 0;
        *button_state(b) = 0;
        int ev = button_event(b, 0);
        if (!found && (mask & ev)) found = finish(message, ev, 0, 0, b);
    }
    return found;
}

void InitVEKMessage(VEKMessage* message)
{
    if (message) *message = VEKMessage{};
}

void VEK_Input_Reset(void)
{
    M_LEFT = M_RIGHT = M_MIDDLE = M_SCROLL = 0;
    M_XPOS = M_YPOS = 0;
    for (int& h : held_by_press) h = 0;
    key_mask = reported_key_mask = 0;
    text_scroll_length = 0;
    LAST_SHEET_EDIT_KEY = 0;
    restriction_base = {0, 0, 1 << 20, 1 << 20};
    restriction = restriction_base;
    restriction_stack.clear();
    wheel_on = 1;
    cursor_shape = 0;
    last_menu.clear();
}

static int wait_for_event(int mask, VEKMessage* message);

int GetVEKMessage(int mask, VEKMessage* message)
{
    int event = wait_for_event(mask, message);
    /* Every pass of the library's event wait runs the call-always function,
     * which sees the mouse where the event left it. */
    VEK_Run_Call_Allways_Function();
    return event;
}

static int wait_for_event(int mask, VEKMessage* message)
{
    /* A button held by a click (or by the program) comes up now. */
    for (int b = 1; b <= 3; b++) {
        int* state = button_state(b);
        if (*state && !held_by_press[b]) {
            *state = 0;
            int ev = button_event(b, 0);
            if (mask & ev) return finish(message, ev, 0, 0, b);
        }
        if (!*state) held_by_press[b] = 0;
    }
    const int releases = VEK_MASK_LEFT_UP | VEK_MASK_RIGHT_UP | VEK_MASK_MIDDLE;
    if ((mask & releases) && !(mask & ~(releases | VEK_MASK_TIMEOUT))) {
        bool held = ((mask & VEK_MASK_LEFT_UP) && M_LEFT) || ((mask & VEK_MASK_RIGHT_UP) && M_RIGHT) ||
                    ((mask & VEK_MASK_MIDDLE) && M_MIDDLE);
        if (!held) return finish(message, VEK_MSG_NONE);
    }
    if ((mask & VEK_MASK_KEYMASK) && key_mask != reported_key_mask) {
        reported_key_mask = key_mask;
        return finish(message, VEK_MSG_KEYMASK);
    }
    for (;;) {
        VEKScriptEvent e;
        switch (VEK_Script_Peek_Kind()) {
        case VEK_EV_NONE:
            VEK_Script_Take(&e);  /* counts the empty wait */
            /* The user has gone: the mouse leaves the screen, no button held. */
            M_XPOS = M_YPOS = -1;
            M_LEFT = M_RIGHT = M_MIDDLE = 0;
            for (int& h : held_by_press) h = 0;
            return nothing_for_the_wait(mask, message);
        case VEK_EV_CLOSE:
            VEK_Script_Take(&e);
            return finish(message, VEK_MSG_CLOSE);
        case VEK_EV_CLICK:
        case VEK_EV_PRESS: {
            VEK_Script_Take(&e);
            int b = normal_button(e.button);
            place_mouse(e.x, e.y);
            *button_state(b) = 1;
            held_by_press[b] = e.kind == VEK_EV_PRESS;
            int ev = button_event(b, 1);
            if (mask & ev) return finish(message, ev, 0, 0, b);
            continue;
        }
        case VEK_EV_RELEASE: {
            VEK_Script_Take(&e);
            int b = normal_button(e.button);
            held_by_press[b] = 0;
            if (!*button_state(b)) continue;
            *button_state(b) = 0;
            int ev = button_event(b, 0);
            if (mask & ev) return finish(message, ev, 0, 0, b);
            continue;
        }
        case VEK_EV_MOVE:
            VEK_Script_Take(&e);
            place_mouse(e.x, e.y);
            if (mask & VEK_MASK_MOVE) return finish(message, VEK_MSG_MOVE);
            continue;
        case VEK_EV_WHEEL:
            VEK_Script_Take(&e);
            if (!wheel_on) continue;
            M_SCROLL = e.value;
            if (mask & VEK_MASK_WHEEL) return finish(message, VEK_MSG_WHEEL, 0, e.value);
            continue;
        case VEK_EV_KEY:
            VEK_Script_Note_Stall();
            if (mask & VEK_MASK_KEY) return finish(message, VEK_MSG_KEY, hitkey());
            if (int ev = let_go_of_presses(mask, message)) return ev;
            return nothing_for_the_wait(mask, message);
        default:
            /* Meant for an editor, a menu or a box: left for it. */
            VEK_Script_Note_Stall();
            if (int ev = let_go_of_presses(mask, message)) return ev;
            return nothing_for_the_wait(mask, message);
        }
    }
}

int Get_Mouse_Event(void)
{
    return GetVEKMessage(VEK_MASK_MOUSE, nullptr);
}

int hitkey(void)
{
    if (VEK_Script_Peek_Kind() != VEK_EV_KEY) return -1;
    return VEK_Script_Peek_Value();
}

int getkey(void)
{
    VEKScriptEvent e;
    if (!VEK_Script_Take_If(VEK_EV_KEY, &e)) return -1;
    return e.value;
}

int getkeymask(void) { return key_mask; }
void VEK_Set_Key_Mask(int mask) { key_mask = mask; }

void Init_Mouse_Position(int x, int y) { place_mouse(x, y); }
void msStCu(int x, int y) { place_mouse(x, y); }

int msStat(int* x, int* y)
{
    if (x) *x = M_XPOS;
    if (y) *y = M_YPOS;
    return (M_LEFT ? 1 : 0) | (M_RIGHT ? 2 : 0) | (M_MIDDLE ? 4 : 0);
}

int Set_MouseWheel_Activity(int on)
{
    int old = wheel_on;
    wheel_on = on != 0;
    return old;
}

void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    restriction_base = {x1, y1, x2, y2};
    restriction = restriction_base;
    restriction_stack.clear();
}

void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2)
{
    restriction_stack.push_back(restriction);
    restriction = {x1, y1, x2, y2};
}

void Push_Mouse_Move_Restriction(void)
{
    if (restriction_stack.empty()) {
        restriction = restriction_base;
        return;
    }
    restriction = restriction_stack.back();
    restriction_stack.pop_back();
}

void Inquire_Mouse_Move_Restriction(int* x1, int* y1, int* x2, int* y2)
{
    if (x1) *x1 = restriction.x1;
    if (y1) *y1 = restriction.y1;
    if (x2) *x2 = restriction.x2;
    if (y2) *y2 = restriction.y2;
}

void setMouseCursor(int shape) { cursor_shape = shape; }
int currentMouseCursor(void) { return cursor_shape; }

/* ---- inline editors ---- */

/* Reads a whole number text (blanks around allowed) in the C locale; a
 * value that is not finite is no number for a field. */
static int parse_double(const std::string& text, double* out)
{
    size_t a = text.find_first_not_of(" \t");
    if (a == std::string::npos) return 0;
    size_t b = text.find_last_not_of(" \t");
    const char* first = text.data() + a;
    const char* last = text.data() + b + 1;
    if (*first == '+') ++first;
    double v;
    auto r = std::from_chars(first, last, v);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) return 0;
    *out = v;
    return 1;
}

/* The key that ended an inline edit becomes LAST_SHEET_EDIT_KEY.  Up and
 * Down leave the field for the row above or below: they end the chain of
 * edits (result 0), and the caller reads the key to move; any other key
 * moves on to the next field with its own code as the result. */
static int End_Inline_Edit(int key)
{
    LAST_SHEET_EDIT_KEY = key;
    return key == VEK_KEY_UP || key == VEK_KEY_DOWN ? 0 : key;
}

int Short_Edit_Float(int, int, const char*, double* value)
{
    VEKScriptEvent e;
    if (!VEK_Script_Take_If(VEK_EV_TYPE, &e)) {
        VEK_Script_Note_Stall();
        return 0;
    }
    double v;
    if (parse_double(e.text, &v)) {
        if (value) *value = v;
    } else {
        /* A field never takes what is no number, and never silently. */
        PrintMessage("Die Eingabe \"%s\" ist keine Zahl.\nDer bisherige Wert bleibt erhalten.",
                     e.text.c_str());
    }
    return End_Inline_Edit(e.value);
}

void Set_Short_Edit_Text_Scrollmode(int max_length)
{
    text_scroll_length = max_length > 0 ? max_length : 0;
}

int Short_Edit_Text(int, int, char* text, int visible, int)
{
    int limit = text_scroll_length > 0 ? text_scroll_length : visible;
    text_scroll_length = 0;
    VEKScriptEvent e;
    if (!VEK_Script_Take_If(VEK_EV_TYPE, &e)) {
        VEK_Script_Note_Stall();
        return 0;
    }
    if (text && limit > 0) {
        if (e.text.size() > (size_t)limit) {
            /* Nothing is cut: the text stays as it was. */
            PrintMessage("Der Text ist zu lang: h\x94" "chstens %d Zeichen.\n"
                         "Der bisherige Text bleibt erhalten.",
                         limit);
        } else {
            e.text.copy(text, e.text.size());
            text[e.text.size()] = '\0';
        }
    }
    return End_Inline_Edit(e.value);
}

/* ---- menus ---- */

const std::vector<VEKRecordedMenuEntry>& VEK_Last_Menu(void)
{
    return last_menu;
}

int Menue_Manager(VEKMenuItem* items, int count, int, int, int)
{
    VEKScriptEvent e;
    if (items && count > 0) {
        last_menu.clear();
        for (int i = 0; i < count; ++i)
            last_menu.push_back({items[i].text ? items[i].text : "", items[i].enabled});
    }
    if (!items || count < 1 || !VEK_Script_Take_If(VEK_EV_MENU, &e)) return -1;
    int chosen = e.value;
    if (chosen < 0 || chosen >= count || !items[chosen].enabled) return -1;
    VEKMenuItem* item = &items[chosen];
    if (item->submenu && item->submenu_count > 0) {
        if (Menue_Manager(item->submenu, item->submenu_count, item->submenu_width, 0, 0) < 0) return -1;
        return chosen;
    }
    if (item->action) item->action();
    return chosen;
}

int Get_UserSelected_SpecialCharacter(void)
{
    VEKScriptEvent e;
    if (!VEK_Script_Take_If(VEK_EV_MENU, &e)) return -1;
    return e.value < 0 ? -1 : e.value;
}
