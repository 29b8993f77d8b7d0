/* events.h -- the one scripted event queue of the headless stand-in.
 *
 * Every waiting call of the stand-in (Edit_Prop_Sheet, GetVEKMessage,
 * Get_Mouse_Event, getkey, the inline editors, menus and message boxes)
 * takes its input from this queue.  Tests fill it through the VEK_Script_
 * calls below; a whole run of the program can be driven by a script file
 * named by the environment entry VEK_SCRIPT, read once when the queue is
 * first consulted.
 *
 * Script file: one event per line; blank lines and lines starting with '#'
 * are ignored; numbers are decimal or 0x hexadecimal; CRLF is accepted.
 *   click X Y [BUTTON]   press and release mouse button (1 left, 2 right)
 *   press X Y [BUTTON]   press a mouse button and hold it (for drags)
 *   release [BUTTON]     let a held button go where the mouse is
 *   move X Y             move the mouse
 *   wheel DELTA          turn the wheel (positive away from the user)
 *   key CODE             press a key (character code, or 0x100 + scan code)
 *   type RESULT TEXT     the next inline edit receives TEXT (rest of the
 *                        line, may be empty) and ends with RESULT
 *   keys CODE...         the next inline edit receives these keys one by
 *                        one, as if typed at the window's editor (which
 *                        starts with its text selected)
 *   menu N               the next menu returns entry N (negative: none)
 *   answer yes|no|ok     the next message box is answered
 *   close                the user closes the window
 *   snapshot FILE        the screen as it stands when the next wait looks at
 *                        the queue is written to FILE (PNG); not an event
 *                        of its own: no wait sees it
 * A file with a line that is not understood is refused as a whole; the
 * first such line is named on stderr with its number.
 *
 * When the queue is empty, a waiting call receives a close request, so a
 * run never blocks.  After VEK_MAX_EMPTY_WAITS consecutive waits on an empty
 * queue the run is ended (exit code VEK_SCRIPT_EXIT_CODE) instead of looping
 * for ever; so is a run whose VEK_SCRIPT file cannot be used.
 */
#ifndef PLATFORM_EVENTS_H
#define PLATFORM_EVENTS_H

#include <functional>
#include <string>
#include <vector>

enum VEKEventKind {
    VEK_EV_NONE = 0,
    VEK_EV_CLICK,
    VEK_EV_MOVE,
    VEK_EV_WHEEL,
    VEK_EV_KEY,
    VEK_EV_TYPE,
    VEK_EV_MENU,
    VEK_EV_ANSWER,
    VEK_EV_CLOSE,
    VEK_EV_PRESS,
    VEK_EV_RELEASE,
    VEK_EV_SNAPSHOT,
    VEK_EV_KEYS,
    VEK_EV_CALL
};

/* One scripted event.  Only the fields of its kind are meaningful. */
struct VEKScriptEvent {
    int kind = VEK_EV_NONE;
    int x = 0, y = 0;      /* click, move */
    int button = 1;        /* click, press, release: 1 left, 2 right, 3 middle */
    int value = 0;         /* wheel delta, key code, menu entry, answer (1 yes, 0 no), type result, clicks of a press */
    std::string text;      /* type; snapshot: the file */
    std::vector<int> keys; /* keys: the key codes in order */
    std::function<void()> call; /* call: what is done */
};

enum {
    VEK_MAX_EMPTY_WAITS = 10000,
    VEK_SCRIPT_EXIT_CODE = 3,  /* the run ended: the script cannot drive it */
    VEK_CLOSE_CODE = 32768     /* close request: the handler's "yes, end", the sheet's code */
};

/* Appending events; none of them can fail. */
void VEK_Script_Click(int x, int y, int button = 1, int clicks = 1);
/* A press held until a VEK_Script_Release of the same button. */
void VEK_Script_Press(int x, int y, int button = 1, int clicks = 1);
void VEK_Script_Release(int button = 1);
void VEK_Script_Move(int x, int y);
void VEK_Script_Wheel(int delta);
void VEK_Script_Key(int key);
void VEK_Script_Type(const char* text, int result = 0);
/* The next inline edit receives the keys one by one as the window's editor
 * does (characters by their code page 850 byte, the other keys by their
 * VEK_KEY_ code); the first key that ends an edit ends it, and keys that
 * run out first end it with 0, as a click elsewhere would. */
void VEK_Script_Keys(const std::vector<int>& keys);
void VEK_Script_Menu(int entry);
void VEK_Script_Answer(int yes);
void VEK_Script_Close(void);
/* The screen is written to the PNG file when the next wait looks at the
 * queue (a failed write is reported on stderr). */
void VEK_Script_Snapshot(const char* file);
/* What a test does in the midst of a session (another program that writes
 * a file the session shows, say) is done when the next wait looks at the
 * queue, as a snapshot is taken: between the events before and after it,
 * and no wait sees it.  Not in script files. */
void VEK_Script_Call(std::function<void()> call);

/* Empties the queue (and the hand, below) and forgets the consecutive
 * empty waits. */
void VEK_Script_Clear(void);
/* Number of events waiting (the hand's included). */
int VEK_Script_Pending(void);

/* A person's hand is slower than the program: the moves, presses,
 * releases, wheel turns, keys and close requests appended while the hand's
 * pace is on (non-zero) reach the queue one at a time, each only when a
 * wait finds the queue empty and would block, as the window's events come
 * while the program waits for them.  What is meant for an editor, a menu
 * or a box (typed texts and keys, menu entries, answers) and snapshots
 * come as soon as the queue is empty.  Off: what the hand still holds goes
 * into the queue at once.  For tests of how the program's waits and a
 * person's moves and clicks interleave; off after VEK_Script_Clear. */
void VEK_Script_Set_Hand_Pace(int on);
/* Moves the hand's next event into the empty queue; 1 when one came, 0
 * when the hand is empty or its pace is off.  Called by a wait that would
 * block. */
int VEK_Script_Hand_Next(void);

/* Appends the events of a script file.  Returns the number of events read;
 * -1 when the file cannot be read or holds a line that is not understood
 * (the first one is named on stderr with its number); the queue is then
 * unchanged. */
int VEK_Script_Load_File(const char* name);
/* Parses one script line into *event.  1 for an event, 0 for a blank or
 * comment line, -1 for a malformed line (*event then undefined). */
int VEK_Script_Parse_Line(const char* line, VEKScriptEvent* event);

/* Reads the file named by VEK_SCRIPT the first time it is called; later
 * calls do nothing.  Every wait calls it first.  A file that cannot be used
 * ends the run (VEK_SCRIPT_EXIT_CODE) before any event is taken. */
void VEK_Script_From_Environment(void);
/* Lets the next wait read VEK_SCRIPT again (for tests of the script file). */
void VEK_Script_Rearm_Environment(void);

/* The kind of the first waiting event, VEK_EV_NONE when empty. */
int VEK_Script_Peek_Kind(void);
/* The value field of the first waiting event (0 when empty). */
int VEK_Script_Peek_Value(void);
/* Puts the event back at the head of the queue, before every other: an
 * event that a wait took and then found not to be its own goes to the
 * next wait as it came. */
void VEK_Script_Push_Front(const VEKScriptEvent& event);
/* Takes the first event into *event (may be null).  1 when one was taken;
 * on an empty queue 0, *event becomes a close request, and the count of
 * consecutive empty waits grows (the run ends past VEK_MAX_EMPTY_WAITS). */
int VEK_Script_Take(VEKScriptEvent* event);
/* Counts a wait that returned without taking an event (the run ends past
 * VEK_MAX_EMPTY_WAITS such waits in a row, as on an empty queue). */
void VEK_Script_Note_Stall(void);
/* Takes the first event only when it is of `kind`: 1 and *event filled,
 * else 0 and the queue is unchanged. */
int VEK_Script_Take_If(int kind, VEKScriptEvent* event);

/* Sends the window's close request to the handler registered with
 * VEKSetCloseFct.  When the handler returns VEK_CLOSE_CODE the run ends
 * with exit code 0 (nothing saved).  Returns the handler's result, or
 * VEK_CLOSE_CODE without a handler (the run then goes on; the caller sees
 * the close request). */
int VEK_Close_Request(void);
/* 1 while the close handler runs (a close request then reaches the wait
 * that takes it, as the answer of the handler's own question), else 0. */
int VEK_Close_Handler_Running(void);

#endif
