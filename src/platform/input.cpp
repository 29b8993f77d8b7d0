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

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
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
/* The press the last wait returned, as it came (its place not confined);
 * kind VEK_EV_NONE when that wait returned something else. */
static VEKScriptEvent last_press;
static int last_press_clicks = 1;
static int key_mask = 0;
static int reported_key_mask = 0;  /* as the last VEK_MSG_KEYMASK told it */
static int wheel_on = 1;
static int cursor_shape = 0;
static int cursor_visible = 1;
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
    last_press = VEKScriptEvent();
    last_press_clicks = 1;
    key_mask = reported_key_mask = 0;
    text_scroll_length = 0;
    LAST_SHEET_EDIT_KEY = 0;
    restriction_base = {0, 0, 1 << 20, 1 << 20};
    restriction = restriction_base;
    restriction_stack.clear();
    wheel_on = 1;
    cursor_shape = 0;
    cursor_visible = 1;
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

/* What one event of the queue, or its absence, does to a wait: nothing yet
 * (the wait goes on) or the wait's result. */
struct Wait_Step {
    bool done;
    int event;
};
static const Wait_Step wait_goes_on = {false, 0};
static Wait_Step wait_ends(int event) { return {true, event}; }

/* Buttons held by a click (or by the program) come up first; a wait for
 * releases alone with none held ends at once. */
static Wait_Step release_held_buttons(int mask, VEKMessage* message)
{
    for (int b = 1; b <= 3; b++) {
        int* state = button_state(b);
        if (*state && !held_by_press[b]) {
            *state = 0;
            int ev = button_event(b, 0);
            if (mask & ev) return wait_ends(finish(message, ev, 0, 0, b));
        }
        if (!*state) held_by_press[b] = 0;
    }
    const int releases = VEK_MASK_LEFT_UP | VEK_MASK_RIGHT_UP | VEK_MASK_MIDDLE;
    if ((mask & releases) && !(mask & ~(releases | VEK_MASK_TIMEOUT))) {
        bool held = ((mask & VEK_MASK_LEFT_UP) && M_LEFT) || ((mask & VEK_MASK_RIGHT_UP) && M_RIGHT) ||
                    ((mask & VEK_MASK_MIDDLE) && M_MIDDLE);
        if (!held) return wait_ends(finish(message, VEK_MSG_NONE));
    }
    return wait_goes_on;
}

/* The queue is empty. A script's slow hand may have its next event; a
 * person at the window is waited for (up to the time-out on the real
 * clock, *deadline once set); else the user has gone: the mouse leaves the
 * screen, no button held. */
static Wait_Step empty_queue(int mask, VEKMessage* message, long long* deadline)
{
    if (VEK_Script_Hand_Next()) return wait_goes_on;
    if (VEK_Display_Active()) {
        long long left = -1;
        if (mask & VEK_MASK_TIMEOUT) {
            if (*deadline < 0)
                *deadline = VEK_Clock_ms() + clamp(message ? message->timeout : 0, 0, VEK_MAX_TIMEOUT_MS);
            left = *deadline > VEK_Clock_ms() ? *deadline - VEK_Clock_ms() : 0;
        }
        if (VEK_Display_Wait(left)) return wait_goes_on;
        if (mask & VEK_MASK_TIMEOUT) return wait_ends(finish(message, VEKTimerActive() ? VEK_MSG_TIMER : VEK_MSG_TIMEOUT));
        if (VEK_Display_Active()) return wait_goes_on;
    }
    VEKScriptEvent e;
    VEK_Script_Take(&e); /* counts the empty wait */
    M_XPOS = M_YPOS = -1;
    M_LEFT = M_RIGHT = M_MIDDLE = 0;
    for (int& h : held_by_press) h = 0;
    return wait_ends(nothing_for_the_wait(mask, message));
}

/* A press (or click) or a release of the queue: the button's state, and
 * the event when the wait takes it. */
static Wait_Step button_step(int mask, VEKMessage* message)
{
    VEKScriptEvent e;
    VEK_Script_Take(&e);
    int b = normal_button(e.button);
    if (e.kind == VEK_EV_RELEASE) {
        held_by_press[b] = 0;
        if (!*button_state(b)) return wait_goes_on;
        *button_state(b) = 0;
        int ev = button_event(b, 0);
        return mask & ev ? wait_ends(finish(message, ev, 0, 0, b)) : wait_goes_on;
    }
    place_mouse(e.x, e.y);
    *button_state(b) = 1;
    held_by_press[b] = e.kind == VEK_EV_PRESS;
    last_press_clicks = e.value > 1 ? e.value : 1;
    int ev = button_event(b, 1);
    if (!(mask & ev)) return wait_goes_on;
    last_press = e;
    return wait_ends(finish(message, ev, 0, 0, b));
}

/* A key, or an event meant for an editor, a menu or a box (left for it). */
static Wait_Step key_or_other_step(int mask, VEKMessage* message, int kind)
{
    if (kind == VEK_EV_KEY && !(mask & VEK_MASK_KEY) && VEK_Display_Active()) {
        /* Typed at the window while nothing wants a key: dropped, as a
         * window drops keys its dialog does not take. */
        VEKScriptEvent e;
        VEK_Script_Take(&e);
        return wait_goes_on;
    }
    VEK_Script_Note_Stall();
    if (kind == VEK_EV_KEY && (mask & VEK_MASK_KEY)) return wait_ends(finish(message, VEK_MSG_KEY, hitkey()));
    if (int ev = let_go_of_presses(mask, message)) return wait_ends(ev);
    return wait_ends(nothing_for_the_wait(mask, message));
}

/* One event of the queue. */
static Wait_Step queue_step(int mask, VEKMessage* message, long long* deadline)
{
    VEKScriptEvent e;
    const int kind = VEK_Script_Peek_Kind();
    switch (kind) {
    case VEK_EV_NONE: return empty_queue(mask, message, deadline);
    case VEK_EV_CLOSE:
        VEK_Script_Take(&e);
        /* The window's close request goes to the program's close handler
         * whatever it waits in; when the handler says no, the wait goes on
         * as if nothing had happened. */
        if (VEKGetCloseFct() && !VEK_Close_Handler_Running() && VEK_Close_Request() == 0) return wait_goes_on;
        return wait_ends(finish(message, VEK_MSG_CLOSE));
    case VEK_EV_CLICK:
    case VEK_EV_PRESS:
    case VEK_EV_RELEASE: return button_step(mask, message);
    case VEK_EV_MOVE:
        VEK_Script_Take(&e);
        place_mouse(e.x, e.y);
        return mask & VEK_MASK_MOVE ? wait_ends(finish(message, VEK_MSG_MOVE)) : wait_goes_on;
    case VEK_EV_WHEEL:
        VEK_Script_Take(&e);
        if (!wheel_on) return wait_goes_on;
        M_SCROLL = e.value;
        return mask & VEK_MASK_WHEEL ? wait_ends(finish(message, VEK_MSG_WHEEL, 0, e.value)) : wait_goes_on;
    default: return key_or_other_step(mask, message, kind);
    }
}

static int wait_for_event(int mask, VEKMessage* message)
{
    last_press = VEKScriptEvent();
    const Wait_Step released = release_held_buttons(mask, message);
    if (released.done) return released.event;
    long long deadline = -1; /* of the real clock, with a window */
    for (;;) {
        if ((mask & VEK_MASK_KEYMASK) && key_mask != reported_key_mask) {
            reported_key_mask = key_mask;
            return finish(message, VEK_MSG_KEYMASK);
        }
        const Wait_Step step = queue_step(mask, message, &deadline);
        if (step.done) return step.event;
    }
}

int VEK_Last_Press_Place(int* x, int* y)
{
    if (last_press.kind == VEK_EV_NONE) return 0;
    if (x) *x = last_press.x;
    if (y) *y = last_press.y;
    return 1;
}

int VEK_Give_Back_Press(void)
{
    if (last_press.kind == VEK_EV_NONE) return 0;
    const int b = normal_button(last_press.button);
    *button_state(b) = 0;
    held_by_press[b] = 0;
    VEK_Script_Push_Front(last_press);
    last_press = VEKScriptEvent();
    return 1;
}

int VEK_Press_Clicks(void) { return last_press_clicks; }

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

int msVisi(int visible)
{
    const int previous = cursor_visible;
    if (visible != VEK_CURSOR_QUERY) cursor_visible = visible >= 0;
    return previous;
}

/* ---- inline editors ---- */

/* Reads a whole number text (blanks around allowed) in the C locale; a
 * value that is not finite is no number for a field.  A German decimal
 * comma ("25,5", the number pad's decimal key) is the decimal point; a
 * text with a comma and a point, or two commas (a thousands separator),
 * is no number: which one is the decimal mark cannot be told. */
static int parse_double(const std::string& typed, double* out)
{
    std::string text = typed;
    const size_t comma = text.find(',');
    if (comma != std::string::npos) {
        if (text.find(',', comma + 1) != std::string::npos || text.find('.') != std::string::npos) return 0;
        text[comma] = '.';
    }
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

/* The significant digits of a number's text (leading and trailing zeros
 * aside): beyond DBL_DIG a double may not hold the number typed. */
static int significant_digits(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c == 'e' || c == 'E') break;
        if (c >= '0' && c <= '9') digits += c;
    }
    const size_t a = digits.find_first_not_of('0');
    if (a == std::string::npos) return 0;
    return (int)(digits.find_last_not_of('0') - a + 1);
}

/* The one conversion of a double in a field's format ("%6.1f" of
 * "%6.1f mm"), "%g" when the format has none or anything else that would
 * read an argument: a field's format is never used unchecked. */
static std::string number_conversion(const char* format)
{
    size_t start = 0, end = 0;
    if (!VEK_Format_Takes_One(format, "eEfFgG") || VEK_Next_Conversion(format, 0, &start, &end) != 1) return "%g";
    return std::string(format + start, end - start + 1);
}

/* The value as the conversion prints it, without the blanks of its width. */
static std::string print_number(const std::string& conversion, double v)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::snprintf(nullptr, 0, conversion.c_str(), v);
    std::string s(n > 0 ? (size_t)n : 0, '\0');
    if (n > 0) std::snprintf(s.data(), s.size() + 1, conversion.c_str(), v);
#pragma GCC diagnostic pop
    const size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
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

int VEK_Refuse_Foreign_Key(int key, const char* kept)
{
    if (key < VEK_KEY_FOREIGN) return 0;
    PrintTitledMessage(VEK_REFUSAL_TITLE, "Das Zeichen U+%04X kann nicht eingegeben werden:\n"
                       "der Zeichensatz der Eingabedaten (Codepage 850) hat es nicht.\n%s",
                       (unsigned)(key - VEK_KEY_FOREIGN), kept ? kept : "");
    return 1;
}

/* The box for a text longer than its field. */
#define TEXT_TOO_LONG "Der Text ist zu lang: h\x94" "chstens %d Zeichen."

/* One inline edit: the text, the caret and the selection, which runs from
 * `anchor` to the caret (none when both are equal).  An edit starts with
 * its whole text selected, so that what is typed first replaces the old
 * value instead of being added to it. */
struct Line_Edit {
    std::string text;
    size_t caret = 0, anchor = 0;
    size_t limit = 0;       /* the most characters the field takes */
    bool refused = false;   /* a character was refused for length (said once an edit) */
    bool typed = false;     /* a key changed the text (or a scripted text replaced it) */
};

static void begin_edit(Line_Edit& e, const std::string& text, size_t limit)
{
    e.text = text.substr(0, limit);
    e.limit = limit;
    e.anchor = 0;
    e.caret = e.text.size();
    e.refused = e.typed = false;
}

/* Applies one key at the caret.  Returns the key when it ends the edit
 * (Enter, Tab, Shift+Tab, Up, Down, Escape), else -1.  A character
 * replaces the selection; one that would make the text longer than the
 * field takes is refused, and a box says so once an edit. */
static int edit_key(Line_Edit& e, int k)
{
    const size_t lo = std::min(e.anchor, e.caret), hi = std::max(e.anchor, e.caret);
    if (VEK_Refuse_Foreign_Key(k, "Der Text bleibt ohne dieses Zeichen.")) return -1;
    if (k >= 0x20 && k <= 0xFF && k != 0x7F) {
        if (e.text.size() - (hi - lo) < e.limit) {
            e.text.replace(lo, hi - lo, 1, (char)k);
            e.caret = lo + 1;
            e.typed = true;
        } else {
            e.caret = hi;
            if (!e.refused) PrintTitledMessage(VEK_REFUSAL_TITLE, TEXT_TOO_LONG, (int)e.limit);
            e.refused = true;
        }
    } else if (k == VEK_KEY_BACKSPACE || k == VEK_KEY_DELETE) {
        const size_t length = e.text.size();
        if (lo != hi) {
            e.text.erase(lo, hi - lo);
            e.caret = lo;
        } else if (k == VEK_KEY_BACKSPACE && e.caret > 0) {
            e.text.erase(--e.caret, 1);
        } else if (k == VEK_KEY_DELETE && e.caret < e.text.size()) {
            e.text.erase(e.caret, 1);
        }
        e.typed |= e.text.size() != length;
    } else if (k == VEK_KEY_LEFT) {
        e.caret = lo != hi ? lo : e.caret ? e.caret - 1 : 0;
    } else if (k == VEK_KEY_RIGHT) {
        e.caret = lo != hi ? hi : std::min(e.caret + 1, e.text.size());
    } else if (k == VEK_KEY_HOME || k == VEK_KEY_END) {
        e.caret = k == VEK_KEY_HOME ? 0 : e.text.size();
    } else if (k == VEK_KEY_ESC || k == VEK_KEY_ENTER || k == VEK_KEY_TAB || k == VEK_KEY_BACKTAB ||
               k == VEK_KEY_UP || k == VEK_KEY_DOWN) {
        return k;
    } else {
        return -1;  /* other keys leave text and selection alone */
    }
    e.anchor = e.caret;
    return -1;
}

/* The inline editor of the window: a field drawn at (x, y), `visible`
 * characters wide, with the selection shown inverted and a caret; the
 * window's keys edit it (edit_key).  A press of a button or the close
 * request ends it with 0 and stays in the queue for the caller.  Returns
 * the key that ended it.  What the field covered is put back. */
static int edit_in_window(int x, int y, Line_Edit& e, int visible)
{
    if (visible < 1) visible = 1;
    const int x2 = x + visible * 8 + 7, y2 = y + 19;
    Save_Screen_Rectangle(x, y, x2, y2);
    const int fg = pxQFgc();
    int result = -1;
    while (result < 0) {
        pxFgc(-5);
        pxRect(x, y, x2, y2);
        Draw_Funny_Area_to_PS(3, x, y, x2, y2, 0);
        const size_t first = e.caret >= (size_t)visible ? e.caret - visible + 1 : 0;
        const size_t shown = std::min(e.text.size() - std::min(first, e.text.size()), (size_t)visible);
        const size_t lo = std::max(std::min(e.anchor, e.caret), first);
        const size_t hi = std::min(std::max(e.anchor, e.caret), first + shown);
        Pop_RFont(0x1000);
        pxFgc(-6);
        pxText(x + 4, y + 14, e.text.c_str() + first, (int)shown);
        if (lo < hi) {
            pxFgc(-26);
            pxRect(x + 4 + (int)(lo - first) * 8, y + 3, x + 3 + (int)(hi - first) * 8, y2 - 3);
            pxFgc(-12);
            pxText(x + 4 + (int)(lo - first) * 8, y + 14, e.text.c_str() + lo, (int)(hi - lo));
        }
        Push_RFont();
        pxFgc(-6);
        const int cx = x + 3 + (int)(e.caret - first) * 8;
        pxLine(cx, y + 4, cx, y2 - 4);
        switch (VEK_Script_Peek_Kind()) {
        case VEK_EV_NONE:
            if (!VEK_Display_Wait(-1) && !VEK_Display_Active()) result = 0;
            continue;
        case VEK_EV_MOVE:
        case VEK_EV_WHEEL:
        case VEK_EV_RELEASE:
            GetVEKMessage(VEK_MASK_MOVE | VEK_MASK_WHEEL | VEK_MASK_LEFT_UP | VEK_MASK_RIGHT_UP | VEK_MASK_MIDDLE,
                          nullptr);
            continue;
        case VEK_EV_KEY:
            result = edit_key(e, getkey());
            continue;
        default:
            result = 0;
            continue;
        }
    }
    Restore_Screen_Rectangle(x, y, x2, y2);
    pxFgc(fg);
    return result;
}

/* Runs one inline edit of `e` at (x, y).  A scripted "type" event at the
 * head of the queue replaces the text as a whole; a scripted
 * "keys" event is typed key by key as at the window (keys that run out
 * end the edit with 0); with the window open and neither waiting, the
 * window's keys edit it.  Returns the key that ended the edit, -1 when
 * nothing was there for it (headless, the head of the queue is for
 * another). */
static int run_edit(int x, int y, Line_Edit& e, int visible)
{
    VEKScriptEvent ev;
    if (VEK_Script_Take_If(VEK_EV_TYPE, &ev)) {
        e.text = ev.text;
        e.typed = true;
        return ev.value;
    }
    if (VEK_Script_Take_If(VEK_EV_KEYS, &ev)) {
        for (int k : ev.keys)
            if (edit_key(e, k) >= 0) return k;
        return 0;
    }
    if (VEK_Display_Active()) return edit_in_window(x, y, e, visible);
    VEK_Script_Note_Stall();
    return -1;
}

/* The end of an edit: Escape ends a chain of edits (the caller keeps the
 * old text or value). */
static int End_Window_Edit(int key)
{
    int r = End_Inline_Edit(key);
    return key == VEK_KEY_ESC ? 0 : r;
}

int Short_Edit_Float(int x, int y, const char* format, double* value)
{
    const std::string conversion = number_conversion(format);
    const std::string shown = value ? print_number(conversion, *value) : std::string();
    Line_Edit e;
    begin_edit(e, shown, 40);
    const int key = run_edit(x, y, e, std::max(10, (int)shown.size()));
    if (key < 0) return 0;
    /* An edit in which nothing was typed leaves the value as it was, all
     * its digits kept. */
    if (key != VEK_KEY_ESC && value && e.typed) {
        double v;
        if (!parse_double(e.text, &v)) {
            PrintTitledMessage(VEK_REFUSAL_TITLE, "Die Eingabe \"%s\" ist keine Zahl.\nDer bisherige Wert bleibt erhalten.", e.text.c_str());
        } else if (significant_digits(e.text) > DBL_DIG) {
            PrintTitledMessage(VEK_REFUSAL_TITLE, "Die Eingabe \"%s\" hat mehr als %d g\x81ltige Ziffern: so genau wird kein Wert gespeichert.\n"
                               "Der bisherige Wert bleibt erhalten.", e.text.c_str(), DBL_DIG);
        } else {
            /* Stored as typed, every digit: the caller refuses what its
             * field does not take (field_number.h), nothing is rounded. */
            *value = v == 0.0 ? 0.0 : v;
        }
    }
    return End_Window_Edit(key);
}

void Set_Short_Edit_Text_Scrollmode(int max_length)
{
    text_scroll_length = max_length > 0 ? max_length : 0;
}

int Short_Edit_Text(int x, int y, char* text, int visible, int)
{
    const int limit = text_scroll_length > 0 ? text_scroll_length : visible;
    text_scroll_length = 0;
    /* Blanks that pad the field to its size are no part of its text: the
     * editor starts after the last character, with room to type. */
    const std::string original = text && limit > 0 ? std::string(text, strnlen(text, (size_t)limit)) : std::string();
    const size_t content = original.find_last_not_of(' ') + 1;  /* npos + 1 == 0 */
    Line_Edit e;
    begin_edit(e, original.substr(0, content), limit > 0 ? (size_t)limit : 0);
    const int key = run_edit(x, y, e, visible);
    if (key < 0) return 0;
    if (text && limit > 0 && key != VEK_KEY_ESC) {
        if (e.text.size() > (size_t)limit) {
            /* A scripted text too long: nothing is cut, the text stays. */
            PrintTitledMessage(VEK_REFUSAL_TITLE, TEXT_TOO_LONG "\nDer bisherige Text bleibt erhalten.", limit);
        } else {
            /* A field that came padded leaves padded to the same length. */
            std::string out = e.text;
            if (content < original.size() && out.size() < original.size()) out.resize(original.size(), ' ');
            out.copy(text, out.size());
            text[out.size()] = '\0';
        }
    }
    return End_Window_Edit(key);
}

/* ---- menus ---- */

const std::vector<VEKRecordedMenuEntry>& VEK_Last_Menu(void)
{
    return last_menu;
}

/* A choice among cells drawn in the window (a menu's rows, the table of
 * special characters). */
struct Choice {
    int count, columns;          /* cells, row by row */
    int cell_w, cell_h;          /* pixels */
    void (*draw)(const void* data, int cell, bool hot, int x1, int y1, int x2, int y2);
    bool (*enabled)(const void* data, int cell);
    const void* data;
};

/* Draws the cells from (*x, *y), moved wholly onto the screen (the corner
 * used is stored back), and lets the user choose: the mouse lights the
 * cell under it, a click released on an enabled cell chooses it, a click
 * elsewhere, Escape or the close request chooses nothing (-1); the cursor
 * keys move the light among the enabled cells and Enter chooses the lit
 * one.  What the cells covered is put back. */
static int choose_in_window(const Choice& c, int* x, int* y)
{
    const int rows = (c.count + c.columns - 1) / c.columns;
    const int w = c.columns * c.cell_w + 4, h = rows * c.cell_h + 4;
    *x = std::max(0, std::min(*x, NPIXEL_X - w));
    *y = std::max(0, std::min(*y, NPIXEL_Y - h));
    const int x1 = *x, y1 = *y, x2 = x1 + w - 1, y2 = y1 + h - 1;
    Save_Screen_Rectangle(x1, y1, x2, y2);
    const int fg = pxQFgc();
    Pop_RFont(0x1000);
    Draw_Funny_Area_to_PS(5, x1, y1, x2, y2, 1);
    auto cell_at = [&](int mx, int my) {
        if (mx < x1 + 2 || my < y1 + 2 || mx >= x1 + 2 + c.columns * c.cell_w || my >= y1 + 2 + rows * c.cell_h)
            return -1;
        int i = (my - y1 - 2) / c.cell_h * c.columns + (mx - x1 - 2) / c.cell_w;
        return i < c.count ? i : -1;
    };
    int hot = -1, chosen = -2;
    while (chosen == -2) {
        for (int i = 0; i < c.count; ++i) {
            int cx = x1 + 2 + i % c.columns * c.cell_w, cy = y1 + 2 + i / c.columns * c.cell_h;
            c.draw(c.data, i, i == hot, cx, cy, cx + c.cell_w - 1, cy + c.cell_h - 1);
        }
        VEKMessage m;
        InitVEKMessage(&m);
        int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_RIGHT_DOWN | VEK_MASK_KEY | VEK_MASK_MOVE, &m);
        if (ev == VEK_MSG_MOVE) {
            int i = cell_at(M_XPOS, M_YPOS);
            hot = i >= 0 && c.enabled(c.data, i) ? i : -1;
        } else if (ev == VEK_MSG_LEFT_DOWN || ev == VEK_MSG_RIGHT_DOWN) {
            int i = cell_at(M_XPOS, M_YPOS);
            GetVEKMessage(ev == VEK_MSG_LEFT_DOWN ? VEK_MASK_LEFT_UP : VEK_MASK_RIGHT_UP, nullptr);
            if (i < 0) chosen = -1;
            else if (c.enabled(c.data, i) && cell_at(M_XPOS, M_YPOS) == i) chosen = i;
        } else if (ev == VEK_MSG_KEY) {
            int k = getkey();
            int step = k == VEK_KEY_DOWN ? c.columns : k == VEK_KEY_UP ? -c.columns : k == VEK_KEY_RIGHT ? 1
                                                                          : k == VEK_KEY_LEFT          ? -1
                                                                                                       : 0;
            for (int i = hot, n = 0; step && n < c.count; ++n) {
                i = hot < 0 && i < 0 ? (step > 0 ? 0 : c.count - 1) : (i + step + c.count) % c.count;
                if (c.enabled(c.data, i)) {
                    hot = i;
                    break;
                }
            }
            if (k == VEK_KEY_ENTER && hot >= 0) chosen = hot;
            else if (k == VEK_KEY_ESC) chosen = -1;
        } else if (ev == VEK_MSG_CLOSE) {
            chosen = -1;
        }
    }
    Push_RFont();
    Restore_Screen_Rectangle(x1, y1, x2, y2);
    pxFgc(fg);
    return chosen;
}

enum { MENU_ROW_HEIGHT = 18, SPECIAL_CELL = 16 };

static void draw_menu_row(const void* data, int i, bool hot, int x1, int y1, int x2, int y2)
{
    const VEKMenuItem& item = static_cast<const VEKMenuItem*>(data)[i];
    pxFgc(hot ? -26 : -1);
    pxRect(x1, y1, x2, y2);
    pxFgc(hot ? -12 : item.enabled ? -6 : -16);
    if (item.text) pxText(x1 + 8, y1 + 13, item.text, -1);
    if (item.submenu && item.submenu_count > 0) pxText(x2 - 12, y1 + 13, ">", 1);
}

static bool menu_row_enabled(const void* data, int i)
{
    return static_cast<const VEKMenuItem*>(data)[i].enabled != 0;
}

/* The character cells of the special-character table: code page 850's
 * upper half, 0x80 to 0xFF. */
static void draw_special_cell(const void*, int i, bool hot, int x1, int y1, int x2, int y2)
{
    pxFgc(hot ? -26 : -5);
    pxRect(x1, y1, x2, y2);
    pxFgc(-15);
    pxLine(x2, y1, x2, y2);
    pxLine(x1, y2, x2, y2);
    const char ch = (char)(0x80 + i);
    pxFgc(hot ? -12 : -6);
    pxText(x1 + 5, y1 + 12, &ch, 1);
}

static bool special_cell_enabled(const void*, int)
{
    return true;
}

int Menue_Manager(VEKMenuItem* items, int count, int width, int x, int y)
{
    VEKScriptEvent e;
    if (items && count > 0) {
        last_menu.clear();
        for (int i = 0; i < count; ++i)
            last_menu.push_back({items[i].text ? items[i].text : "", items[i].enabled});
    }
    if (!items || count < 1) return -1;
    int chosen = -1;
    if (VEK_Display_Active() && VEK_Script_Peek_Kind() != VEK_EV_MENU) {
        /* In the window: rows of the widest text (or `width` characters). */
        int chars = width;
        for (int i = 0; i < count; ++i)
            chars = std::max(chars, (int)(items[i].text ? std::strlen(items[i].text) : 0) + 2);
        Choice c = {count, 1, chars * 8 + 16, MENU_ROW_HEIGHT, draw_menu_row, menu_row_enabled, items};
        chosen = choose_in_window(c, &x, &y);
        x += c.cell_w - 4;
        y += chosen * MENU_ROW_HEIGHT;
    } else if (VEK_Script_Take_If(VEK_EV_MENU, &e)) {
        chosen = e.value;
    }
    if (chosen < 0 || chosen >= count || !items[chosen].enabled) return -1;
    VEKMenuItem* item = &items[chosen];
    if (item->submenu && item->submenu_count > 0) {
        if (Menue_Manager(item->submenu, item->submenu_count, item->submenu_width, x, y) < 0) return -1;
        return chosen;
    }
    if (item->action) item->action();
    return chosen;
}

int Get_UserSelected_SpecialCharacter(void)
{
    VEKScriptEvent e;
    if (VEK_Display_Active() && VEK_Script_Peek_Kind() != VEK_EV_MENU) {
        /* In the window: a table of 16 x 8 characters at the mouse. */
        Choice c = {128, 16, SPECIAL_CELL, SPECIAL_CELL, draw_special_cell, special_cell_enabled, nullptr};
        int x = M_XPOS, y = M_YPOS;
        int chosen = choose_in_window(c, &x, &y);
        return chosen < 0 ? -1 : 0x80 + chosen;
    }
    if (!VEK_Script_Take_If(VEK_EV_MENU, &e)) return -1;
    return e.value < 0 ? -1 : e.value;
}
