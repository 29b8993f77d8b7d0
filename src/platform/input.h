/* input.h -- mouse, keys, event waits, inline editors and menus of the
 * headless stand-in.
 *
 * All input comes from the scripted event queue (events.h).  The mouse state
 * lives in plain writable globals that every event updates; dialogs also
 * write them to fake a click (for example the row above after an Up key).
 *
 * Event masks of GetVEKMessage (bits may be combined):
 *   VEK_MASK_FLUSH      0x00000001  return at once; forget the button states
 *   VEK_MASK_DOWN       0x00000002  a mouse button went down
 *   VEK_MASK_UP         0x00000008  a mouse button went up
 *   VEK_MASK_MOVE       0x00000020  the mouse moved
 *   VEK_MASK_KEY        0x00004000  a key was pressed
 *   VEK_MASK_WHEEL      0x00010000  the wheel turned
 *   VEK_MASK_TIMER      0x20000000  a timer tick (only while VEKSetTimer is on)
 *   VEK_MASK_TIMEOUT    0x40000000  the record's time-out applies
 * With the time-out bit the wait ends after `timeout` ms of virtual time
 * (bounded to VEK_MAX_TIMEOUT_MS) when the queue holds no event for it.
 */
#ifndef PLATFORM_INPUT_H
#define PLATFORM_INPUT_H

/* ---- mouse state ---- */

extern int M_XPOS, M_YPOS;       /* position on the screen */
extern int M_LEFT, M_RIGHT, M_MIDDLE;  /* buttons held (1) or not (0) */
extern int M_SCROLL;             /* wheel turn of the last wheel event; callers reset it */
/* The last key that ended an inline edit or sheet edit (0 when none). */
extern int LAST_SHEET_EDIT_KEY;

enum {
    VEK_MASK_FLUSH = 0x00000001,
    VEK_MASK_DOWN = 0x00000002,
    VEK_MASK_UP = 0x00000008,
    VEK_MASK_MOVE = 0x00000020,
    VEK_MASK_KEY = 0x00004000,
    VEK_MASK_WHEEL = 0x00010000,
    VEK_MASK_TIMER = 0x20000000,
    VEK_MASK_TIMEOUT = 0x40000000
};

/* What GetVEKMessage returns and stores in `event`. */
enum {
    VEK_MSG_NONE = 0,
    VEK_MSG_DOWN = VEK_MASK_DOWN,
    VEK_MSG_UP = VEK_MASK_UP,
    VEK_MSG_MOVE = VEK_MASK_MOVE,
    VEK_MSG_KEY = VEK_MASK_KEY,
    VEK_MSG_WHEEL = VEK_MASK_WHEEL,
    VEK_MSG_TIMER = VEK_MASK_TIMER,
    VEK_MSG_TIMEOUT = VEK_MASK_TIMEOUT,
    VEK_MSG_CLOSE = 0x08000000
};

enum { VEK_MAX_TIMEOUT_MS = 60000, VEK_CLOSE_CODE = 32768 };

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
 * stored in *message when given).  A scripted click is a button going down
 * and, at the next wait, up again.  Mouse events outside the mask are taken
 * and only update the mouse state.  A waiting key ends every wait as
 * VEK_MSG_KEY and stays waiting until getkey takes it.  An event meant for
 * an editor, menu or box ends the wait as a time-out (with the time-out
 * bit) or a close request, without being taken.  A scripted close request
 * is taken and returned as VEK_MSG_CLOSE.  An empty queue gives a time-out when the mask asks
 * for one (the clock advances by the record's time-out), else VEK_MSG_CLOSE;
 * the mouse then counts as having left the screen (-1, -1) with no button
 * held.  Never blocks. */
int GetVEKMessage(int mask, VEKMessage* message);

/* Waits for the next mouse event (button change, move or wheel) and returns
 * its VEK_MSG_ value; VEK_MSG_CLOSE as GetVEKMessage does. */
int Get_Mouse_Event(void);

/* The waiting key or -1; the key is not taken. */
int hitkey(void);
/* Takes the waiting key and returns it; -1 when none waits. */
int getkey(void);
/* The modifier keys held (1 Shift, 2 Ctrl, 4 Alt); 0 headless unless set
 * with VEK_Set_Key_Mask. */
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

/* Cursor shape (0 normal, 6 busy, ...). */
void setMouseCursor(int shape);
int currentMouseCursor(void);

/* ---- inline editors ---- */

/* Edits a double in place at (x, y): the scripted "type" event at the head
 * of the queue gives the text; when it reads as a number (C locale) the
 * value is stored.  Returns the event's result (0 ends a chain of edits);
 * without such an event the value is kept and 0 returned. */
int Short_Edit_Float(int x, int y, const char* format, double* value);
/* Edits a text in place: the typed text replaces it, cut to the length set
 * by Set_Short_Edit_Text_Scrollmode for this edit, else to `visible`
 * characters (the buffer must hold that many plus one).  Returns as
 * Short_Edit_Float.  The scroll mode is used up by the edit. */
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
 * "menu" event for it.  The chosen entry's action runs.  Returns the chosen
 * top-level index, -1 when nothing (or a greyed or missing entry) was chosen. */
int Menue_Manager(VEKMenuItem* items, int count, int width, int x, int y);

/* The character code the user picks from the special-character table: the
 * "menu" event at the head of the queue, else -1. */
int Get_UserSelected_SpecialCharacter(void);

#endif
