/* input.h -- mouse, keys, event waits, inline editors and menus of the
 * headless stand-in.
 *
 * All input comes from the scripted event queue (events.h).  The mouse state
 * lives in plain writable globals that every event updates; dialogs also
 * write them to fake a click (for example the row above after an Up key).
 *
 * Event masks of GetVEKMessage.  The bits are the ones the program's dialogs
 * pass as plain numbers, so a caller hands its mask over unchanged:
 *   VEK_MASK_LEFT_UP     0x00000001  the left button went up
 *   VEK_MASK_LEFT_DOWN   0x00000002  the left button went down
 *   VEK_MASK_RIGHT_UP    0x00000004  the right button went up
 *   VEK_MASK_RIGHT_DOWN  0x00000008  the right button went down
 *   VEK_MASK_MIDDLE      0x00000010  the middle button went down or up
 *   VEK_MASK_MOVE        0x00000020  the mouse moved
 *   VEK_MASK_WHEEL       0x00004000  the wheel turned
 *   VEK_MASK_KEY         0x00010000  a key waits
 *   VEK_MASK_KEYMASK     0x00080000  the modifier keys changed
 *   VEK_MASK_TIMEOUT     0x40000000  the record's time-out applies
 The masks the dialogs wait with are named below (VEK_WAIT_).
 * With the window open (display_sdl.h) the waits block for the window's
 * events and time-outs run on the real clock; see GetVEKMessage.
 * With the time-out bit the wait ends after `timeout` ms of virtual time
 * (bounded to VEK_MAX_TIMEOUT_MS) when the queue holds no event for it; it
 * reports a timer tick instead of a time-out while VEKSetTimer is on.
 */
#ifndef PLATFORM_INPUT_H
#define PLATFORM_INPUT_H

#include <string>
#include <vector>

#include "platform/events.h"  /* VEK_CLOSE_CODE */

/* ---- mouse state ---- */

extern int M_XPOS, M_YPOS;       /* position on the screen */
extern int M_LEFT, M_RIGHT, M_MIDDLE;  /* buttons held (1) or not (0) */
extern int M_SCROLL;             /* wheel turn of the last wheel event; callers reset it */
/* The last key that ended an inline edit or sheet edit (0 when none). */
extern int LAST_SHEET_EDIT_KEY;

/* Key codes as getkey reports them: characters by their code, control keys
 * by their control character, the other keys as 0x100 + scan code. */
enum {
    VEK_KEY_CTRL_A = 0x01,
    VEK_KEY_CTRL_C = 0x03,
    VEK_KEY_BACKSPACE = 0x08,
    VEK_KEY_TAB = 0x09,
    VEK_KEY_ENTER = 0x0D,
    VEK_KEY_CTRL_V = 0x16,
    VEK_KEY_CTRL_X = 0x18,
    VEK_KEY_ESC = 0x1B,
    VEK_KEY_BACKTAB = 0x10F,  /* Shift+Tab */
    VEK_KEY_F1 = 0x13B,
    VEK_KEY_HOME = 0x147,
    VEK_KEY_UP = 0x148,
    VEK_KEY_PGUP = 0x149,
    VEK_KEY_LEFT = 0x14B,
    VEK_KEY_RIGHT = 0x14D,
    VEK_KEY_END = 0x14F,
    VEK_KEY_DOWN = 0x150,
    VEK_KEY_PGDN = 0x151,
    VEK_KEY_DELETE = 0x153,
    VEK_KEY_CTRL_END = 0x175,
    VEK_KEY_CTRL_HOME = 0x177,
    /* A character typed that code page 850 has no byte for: this plus its
     * Unicode code point.  No editor takes it into a text; each refuses it
     * with a box (VEK_Refuse_Foreign_Key). */
    VEK_KEY_FOREIGN = 0x1000000
};

/* The box that refuses a character without a code page 850 byte (a key of
 * VEK_KEY_FOREIGN + code point): "Das Zeichen U+20AC kann nicht eingegeben
 * werden: der Zeichensatz der Eingabedaten (Codepage 850) hat es nicht.",
 * then `kept`.  1 when key is such a key (the box shown), else 0. */
int VEK_Refuse_Foreign_Key(int key, const char* kept);

/* Modifier bits of getkeymask. */
enum { VEK_KEYMASK_SHIFT = 1, VEK_KEYMASK_CTRL = 2, VEK_KEYMASK_ALT = 4 };

enum {
    VEK_MASK_LEFT_UP = 0x00000001,
    VEK_MASK_LEFT_DOWN = 0x00000002,
    VEK_MASK_RIGHT_UP = 0x00000004,
    VEK_MASK_RIGHT_DOWN = 0x00000008,
    VEK_MASK_MIDDLE = 0x00000010,
    VEK_MASK_MOVE = 0x00000020,
    VEK_MASK_WHEEL = 0x00004000,
    VEK_MASK_KEY = 0x00010000,
    VEK_MASK_KEYMASK = 0x00080000,
    VEK_MASK_TIMEOUT = 0x40000000,
    /* every mouse event: what Get_Mouse_Event waits for */
    VEK_MASK_MOUSE = 0x0000403F,
    /* older name of bit 1 in tests that settle the buttons before they
     * start: a click's button comes up, and with none held the wait
     * returns at once (VEK_Input_Reset does it fully) */
    VEK_MASK_FLUSH = VEK_MASK_LEFT_UP
};

/* The masks the program's dialogs wait with, named once for them and their
 * tests. */
enum {
    /* a scroll area's hover wait: keys, wheel, moves, a left press and a
     * modifier change; a dialog adds VEK_MASK_RIGHT_DOWN when the right
     * button ends it, takes VEK_MASK_KEY away when no key does and adds
     * VEK_MASK_TIMEOUT (100 ms) while a stop flag is watched */
    VEK_WAIT_HOVER = VEK_MASK_KEY | VEK_MASK_KEYMASK | VEK_MASK_WHEEL | VEK_MASK_MOVE | VEK_MASK_LEFT_DOWN,
    /* a drop-down list: keys, wheel, moves, a left press */
    VEK_WAIT_LIST = VEK_MASK_KEY | VEK_MASK_WHEEL | VEK_MASK_MOVE | VEK_MASK_LEFT_DOWN,
    /* the multi-line editor: keys, wheel, a press of either button */
    VEK_WAIT_EDITOR = VEK_MASK_KEY | VEK_MASK_WHEEL | VEK_MASK_RIGHT_DOWN | VEK_MASK_LEFT_DOWN,
    /* a held button (drag, scroll arrow): moves and the release, with the
     * record's time-out */
    VEK_WAIT_DRAG = VEK_MASK_TIMEOUT | VEK_MASK_MOVE | VEK_MASK_LEFT_UP,
    /* the image button bar: moves and a left press, with the time-out */
    VEK_WAIT_BAR = VEK_MASK_TIMEOUT | VEK_MASK_MOVE | VEK_MASK_LEFT_DOWN
};

/* What GetVEKMessage returns and stores in `event`: the mask bit of the
 * event that ended the wait, or one of the three without a bit. */
enum {
    VEK_MSG_NONE = 0,             /* nothing to wait for (see GetVEKMessage) */
    VEK_MSG_LEFT_UP = VEK_MASK_LEFT_UP,
    VEK_MSG_LEFT_DOWN = VEK_MASK_LEFT_DOWN,
    VEK_MSG_RIGHT_UP = VEK_MASK_RIGHT_UP,
    VEK_MSG_RIGHT_DOWN = VEK_MASK_RIGHT_DOWN,
    VEK_MSG_MIDDLE = VEK_MASK_MIDDLE,
    VEK_MSG_MOVE = VEK_MASK_MOVE,
    VEK_MSG_WHEEL = VEK_MASK_WHEEL,
    VEK_MSG_KEY = VEK_MASK_KEY,
    VEK_MSG_KEYMASK = VEK_MASK_KEYMASK,
    VEK_MSG_TIMEOUT = VEK_MASK_TIMEOUT,
    VEK_MSG_TIMER = 0x20000000,   /* a time-out while the timer events are on */
    VEK_MSG_CLOSE = 0x08000000    /* the window's close request */
};

enum { VEK_MAX_TIMEOUT_MS = 60000 };

/* Event record.  The seventh word is the time-out in milliseconds. */
struct VEKMessage {
    int event;      /* VEK_MSG_ value */
    int x, y;       /* mouse position */
    int button;     /* 1 left, 2 right, 3 middle */
    int key;        /* key code of a key event */
    int keymask;    /* modifier state */
    int timeout;    /* ms, with VEK_MASK_TIMEOUT */
    int wheel;      /* wheel turn */
};

/* Clears the record; the time-out becomes 0.  Null is ignored. */
void InitVEKMessage(VEKMessage* message);

/* Waits for the next event of `mask` and returns its VEK_MSG_ value (also
 * stored in *message when given), then runs the sheets' call-always
 * function (sheets.h) once.  Never blocks:
 *   - a button that is held but not by a scripted "press" (a scripted click,
 *     or one the program set in M_LEFT, M_RIGHT or M_MIDDLE) goes up at the
 *     next wait, so "wait until the button is up" loops end by themselves;
 *   - a wait for nothing but button releases (and the time-out) returns
 *     VEK_MSG_NONE at once when none of those buttons is held;
 *   - mouse events outside the mask are taken and only update the state;
 *   - a waiting key ends a wait whose mask has VEK_MASK_KEY as VEK_MSG_KEY
 *     and stays waiting until getkey takes it;
 *   - a key outside the mask, or an event meant for an editor, menu or box,
 *     ends the wait as a time-out (with the time-out bit) or a close
 *     request, without being taken; a button held by a scripted press is
 *     let go first (reported as its release when the mask asks for it);
 *   - a scripted close request is taken and returned as VEK_MSG_CLOSE;
 *   - an empty queue gives a time-out when the mask asks for one (the clock
 *     advances by the record's time-out), else VEK_MSG_CLOSE; the mouse then
 *     counts as having left the screen (-1, -1) with no button held.
 * With the window open an empty queue instead waits for the window's next
 * event, until the record's time-out on the real clock when the mask asks
 * for one; a key that the mask does not take is dropped. */
int GetVEKMessage(int mask, VEKMessage* message);

/* Waits for the next mouse event (VEK_MASK_MOUSE) and returns its VEK_MSG_
 * value; VEK_MSG_CLOSE as GetVEKMessage does. */
int Get_Mouse_Event(void);

/* The place of the press that the last wait returned, as the user made it:
 * where the mouse was, not where the move restriction holds the mouse
 * state.  1 and *x, *y set (null pointers skipped); 0 when the last wait
 * returned no press. */
int VEK_Last_Press_Place(int* x, int* y);
/* Gives the press that the last wait returned back to the head of the
 * queue, as it came, its button up again: the next wait takes it anew.
 * For a wait that learns only from the press that it is not for it (a
 * drop-down list pressed outside closes and leaves the press to what lies
 * there).  1 when a press was given back, 0 when the last wait returned
 * none. */
int VEK_Give_Back_Press(void);
/* How many presses at one place in quick succession the last press taken
 * from the queue ends: 1 for a single click, 2 for the second press of a
 * double click, as the window tells it (VEK_Script_Click and _Press take
 * the count, 1 by default; a script file's lines are single clicks).  An
 * action that the first click carried out and that a second one would
 * repeat on something else (the row that moved up under the pointer) asks
 * it. */
int VEK_Press_Clicks(void);

/* Puts the input state back to the start of the process: no button held,
 * no wheel turn, no modifier keys, no pending scroll mode of the text
 * editor, no last edit key, the mouse at (0, 0) and free to go anywhere,
 * wheel events on, the normal cursor, no menu shown.  For tests. */
void VEK_Input_Reset(void);

/* The waiting key or -1; the key is not taken. */
int hitkey(void);
/* Takes the waiting key and returns it; -1 when none waits. */
int getkey(void);
/* The modifier keys held (1 Shift, 2 Ctrl, 4 Alt); 0 headless unless set
 * with VEK_Set_Key_Mask.  A change is reported once by the next wait whose
 * mask has VEK_MASK_KEYMASK. */
int getkeymask(void);
void VEK_Set_Key_Mask(int mask);

/* Sets the position of the mouse (bounded by the current restriction). */
void Init_Mouse_Position(int x, int y);
void msStCu(int x, int y);
/* Reads the mouse position and buttons (1 left, 2 right, 4 middle); returns
 * the buttons.  Null pointers are skipped. */
int msStat(int* x, int* y);
/* Mouse-wheel events on (non-zero) or off; returns the previous setting. */
int Set_MouseWheel_Activity(int on);

/* Mouse-move restriction: a stack of rectangles that confine the mouse.
 * Init sets the base rectangle and empties the stack.  Pop_ saves the
 * current rectangle and confines to the new one; Push_ returns to the saved
 * one (the names are the library's).  Push_ on an empty stack keeps the base. */
void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Push_Mouse_Move_Restriction(void);
/* The current restriction rectangle. */
void Inquire_Mouse_Move_Restriction(int* x1, int* y1, int* x2, int* y2);

/* Cursor shapes the program asks for (other numbers are kept as given). */
enum { VEK_CURSOR_NORMAL = 0, VEK_CURSOR_BUSY = 6, VEK_CURSOR_HAND = 18 };
/* Sets the cursor shape; currentMouseCursor gives it back. */
void setMouseCursor(int shape);
int currentMouseCursor(void);
/* Visibility of the mouse cursor: -1 hides it, 0 (and any value above)
 * shows it again.  Returns the previous visibility (1 shown, 0 hidden);
 * the call with VEK_CURSOR_QUERY only asks.  Headless nothing is drawn: the
 * state is kept for the program's drag loops and their tests. */
enum { VEK_CURSOR_QUERY = -2 };
int msVisi(int visible);

/* ---- inline editors ----
 * An inline edit takes its text from the head of the queue: a scripted
 * "type" event replaces the text as a whole and ends with its result; a
 * scripted "keys" event (VEK_Script_Keys) is typed key by key; with the
 * window open (display_sdl.h) and neither waiting, the field is edited in
 * the window from the keyboard.  Key by key, the edit starts with the
 * whole text selected, so that typing replaces it: a character replaces
 * the selection (or goes in at the caret), Backspace and Delete take the
 * selection or the character before or at the caret, Left, Right, Home and
 * End move the caret; Enter, Tab, Shift+Tab, Up, Down or Escape end the
 * edit (that key is the result, Up and Down give 0 as a scripted edit
 * does, Escape keeps the old text or value and gives 0), and a press of a
 * mouse button elsewhere, the close request or keys that run out end it
 * with 0, keeping what was typed (the press stays for the caller).
 * Headless without such an event nothing changes and 0 is returned. */

/* Edits a double in place at (x, y).  The field's text is the value as
 * the one double conversion of `format` prints it ("%g" when the format
 * has none).  A typed text that reads as a finite number (C locale, or
 * the decimal comma) of at most DBL_DIG significant digits is stored as
 * typed, every digit of it: nothing is rounded to the format, and the
 * caller refuses what its field does not take (field_number.h).  Any
 * other text is refused with a message box and the value stays.  An edit
 * in which nothing was typed leaves the value untouched.
 * Returns the edit's result (0 ends a chain of edits). */
int Short_Edit_Float(int x, int y, const char* format, double* value);
/* Edits a text in place.  It takes at most the length set by
 * Set_Short_Edit_Text_Scrollmode for this edit, else `visible` characters
 * (the buffer must hold that many plus one).  Blanks that pad the text are
 * not part of it: the edit starts with the text up to its last other
 * character, and a text that came padded is padded again to its old length
 * when the edit stores it.  Key by key, a character that would make the
 * text too long is refused (a box says so once an edit); a scripted text
 * too long is refused with a message box naming the limit, and the text
 * stays.  Returns as Short_Edit_Float.  The scroll mode is used up by the
 * edit. */
int Short_Edit_Text(int x, int y, char* text, int visible, int flags);
void Set_Short_Edit_Text_Scrollmode(int max_length);

/* ---- menus ---- */

struct VEKMenuItem {
    const char* text;
    const char* key;              /* key text */
    int (*action)(void);          /* run when chosen, may be null */
    VEKMenuItem* submenu;         /* may be null */
    int submenu_count;
    int submenu_width;
    int enabled;                  /* 0 greyed: cannot be chosen */
};

/* Runs a menu at (x, y).  The scripted "menu" event at the head of the
 * queue chooses entry N (0-based); an entry with a sub-menu takes the next
 * "menu" event for it.  With the window open and no "menu" event waiting,
 * the menu is drawn at (x, y) and chosen with the mouse or the keys (rows
 * at least `width` characters wide; docs/platform.md).  The chosen entry's action runs.  Returns the chosen
 * top-level index, -1 when nothing (or a greyed or missing entry) was chosen. */
int Menue_Manager(VEKMenuItem* items, int count, int width, int x, int y);

/* One entry of a menu as it was shown. */
struct VEKRecordedMenuEntry {
    std::string text;
    int enabled;
};
/* The entries of the menu shown last (a sub-menu counts as shown when the
 * user opens it), oldest first; empty before any menu.  For tests. */
const std::vector<VEKRecordedMenuEntry>& VEK_Last_Menu(void);

/* The character code the user picks from the special-character table: the
 * "menu" event at the head of the queue, else -1.  With the window open and
 * no "menu" event waiting, the table of 0x80 to 0xFF is drawn at the mouse
 * and a cell chosen there (-1 for none). */
int Get_UserSelected_SpecialCharacter(void);

#endif
