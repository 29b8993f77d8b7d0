// The showing side of the message service (messages.h) that needs the
// dialog toolkit: the lines of a message category drawn into a message list
// (message mode 4), the category dialog with or without an option such as
// "Diesen Hinweis nicht nochmal anzeigen", the category written into the
// print list, a progress window with up to five counters, and the wait box
// "Bitte etwas Geduld" with its animation.
//
// In batch mode (no window) no dialog, window or box opens: the dialogs
// give their default result at once and their texts go to stderr.
//
// Two neighbours live in higher layers and are reached through hooks that
// they install at start-up:
//   - the print list's collection lists (Set_Message_Print_List_Calls,
//     installed by printlist) for Write_Messages_to_Print_List;
//   - the waiting animation of the weld application (Set_Waiting_Animation,
//     installed by weldapp) for the wait box.
// Without them nothing is written into the print list and the wait box has
// no animation.
#ifndef DIALOGS_MESSAGE_DIALOGS_H
#define DIALOGS_MESSAGE_DIALOGS_H

#include <cstdio>

// ---- category dialogs ------------------------------------------------------------

// The dialog of the current category with the option "Diesen Hinweis nicht
// nochmal anzeigen" (grey). 0 when the user ticked it, else 1 (also when
// nothing was shown: messages disabled, a free category, batch mode).
int Ask_Dont_Show_Again(void);
// The dialog of the current category with the caller's option text: 1 when
// ticked, else 0.
int Show_Messages_With_Option(const char *text);
// The dialog of category c without option (Present_Message_Category in
// mode 4 opens it): a one-page table sheet with a "Weiter      " button,
// the category's title, its lines in a message list.
void Run_Message_Category_Dialog(int c);
// The page function of that dialog: makes the area the field area on the
// list background and sends every line of the category shown through the
// message service in mode 4, then the option's check box when one is
// offered.
void Fill_Message_List_Area(int area, int table);
// Mode 4 of the message service: one text (a trailing newline removed) as
// a line of the message list being filled; control pairs "^b" (bold), "^p"
// (plain and normal font in turn) and "^2" (half line height) act; without
// a list being filled the text goes to the console.
void Draw_Message_List_Text(const char *text);
// One line at (x, y) of the field area in the font, with the print list's
// markup: an escape 0xCE "C" (either case) and a number n draws the text
// after the number's blank in colour index n, "B" (either case) in field
// style 2; after any other escape the text up to the next escape is left
// out. Returns the x after the line.
int Draw_Marked_Up_Message_Line(int x, int y, const char *text, int font);

// ---- print list ----------------------------------------------------------------------

// The collection lists of the print list, as the message dialogs use them.
struct Message_Print_List_Calls {
    void (*list_open)(int list);                    // enables and empties collection list `list`
    void (*list_add)(int list, const char *line);   // adds one line (the text as it is, not a format)
    int (*list_write)(FILE *stream, int list, double width);  // writes it framed (width < 0: widest line)
};
// Installs the calls (copied; null removes them).
void Set_Message_Print_List_Calls(const Message_Print_List_Calls *calls);
// Collection list 4 is opened, every line of the current category (none
// for a free one) added as "╬b" + its text without its leading control
// pairs ("^b", ...) and without the newline, and the
// list written framed with width -1. Returns what the writer returns (it
// writes nothing for a null stream); -1 without the calls.
int Write_Messages_to_Print_List(FILE *stream);

// ---- progress window -----------------------------------------------------------------

enum { PROGRESS_COUNTERS = 5 };

struct Progress_Counter_Spec {
    char label[200];
    int maximum;   // below 1: the counter does not count
    int maximal;   // 1: "%d von maximal %d", else "%d von %d"
};

// The caller's description of a progress window.
struct Progress_Record {
    char title[100];
    char text[100];
    int width;  // pixels; -1 after Init_Progress_Record (the window is at least 200 wide)
    int count;  // counters shown (at most 5)
    Progress_Counter_Spec counter[PROGRESS_COUNTERS];
};

// Clears the texts, width -1, count n; the first n counters (at most five)
// get an empty label, maximum 0 and flag 0.
void Init_Progress_Record(Progress_Record *record, int n);
// Opens the window of the record (only while the display is switched on;
// in batch mode only its title goes to stderr); a window still open is
// closed first. The record must outlive the window.
void Open_Progress_Window(Progress_Record *record);
void Close_Progress_Window(void);
// 1 while a window is open and the display switched on.
int Progress_Window_Is_Open(void);
// The display switch (start: on).
void Enable_Progress_Window(void);
void Disable_Progress_Window(void);
// Counter i (0..4; others are ignored): its text (at most 99 characters),
// maximum (the value becomes 0), one step (when it counts), a text and a
// step, a value (when it counts), its value (-1 for i > 4), back to not
// counting. Every change redraws an open window.
void Set_Progress_Text(int i, const char *text);
void Set_Progress_Maximum(int i, int maximum);
void Step_Progress(int i);
void Step_Progress_Text(int i, const char *text);
void Set_Progress_Value(int i, int value);
int Progress_Value(int i);
void Reset_Progress(int i);
// Draws the counters into the window's area.
void Draw_Progress_Area(void);

// ---- wait box ---------------------------------------------------------------------------

// Shows the wait box (the first time with the animation) or puts a new text
// into it: at most 255 characters, centred under "Bitte etwas Geduld".
void Wait_Box_Printf(const char *format, ...) __attribute__((format(printf, 1, 2)));
// The same, only while the box is shown.
void Update_Wait_Box(const char *format, ...) __attribute__((format(printf, 1, 2)));
// The box with the text (Wait_Box_Printf without formatting).
void Show_Wait_Box(const char *text);
// Stops the animation, removes the box.
void Close_Wait_Box(void);
// 1 while the box is shown.
int Wait_Box_Is_Shown(void);
// The waiting animation: start at (x, y) and stop (installed by the weld
// application; null removes it).
void Set_Waiting_Animation(int (*start)(int x, int y), int (*stop)(void));

#endif
