/* msgbox.h -- message boxes of the headless stand-in.
 *
 * A box is built line by line (Init_Message, Set_Message_Title,
 * Fill_Message, Set_Message_Symbol) and then shown: Draw_Message waits for
 * the user, Show_Message does not, Answer_is_Yes asks yes or no.
 * PrintMessage is the one-call box with an OK button.  Every box shown is
 * recorded with its title, symbol and lines; a waiting box takes its answer
 * from the scripted event queue (an "answer" event at its head), else its
 * default (with a window open, docs/platform.md, it is drawn and waits
 * there).  A box shown without waiting stays on the screen until
 * Quit_Message, headless too: it is drawn in the middle of the screen (a
 * raised panel, a title bar when it has a title, the lines 20 pixels from
 * its left edge and 16 apart, the first baseline 23 pixels below the title
 * bar) and the screen under it comes back.
 *
 * While the batch flag is set (the program runs without a window), any box
 * is a fault: it is recorded with its batch mark and counted, so that tests
 * can assert that a batch run showed none.  In a run driven by a script
 * file (VEK_SCRIPT) every box is also written to stderr with its title,
 * lines and answer.
 */
#ifndef PLATFORM_MSGBOX_H
#define PLATFORM_MSGBOX_H

#include <string>
#include <vector>

enum VEKMessageKind {
    VEK_MSG_PRINT = 0,   /* PrintMessage */
    VEK_MSG_DRAW,        /* Draw_Message */
    VEK_MSG_SHOW,        /* Show_Message */
    VEK_MSG_QUESTION     /* Answer_is_Yes */
};

/* A box as shown. */
struct VEKRecordedMessage {
    int kind = VEK_MSG_PRINT;
    std::string title;
    int symbol = 0;
    std::vector<std::string> lines;
    int answer = 0;      /* question: 1 yes, 0 no; others 1 */
    bool batch = false;  /* shown while the batch flag was set */
};

/* A box of the lines of the formatted text (split at '\n') with an OK
 * button; waits for an answer like Draw_Message.  Returns 1. */
int PrintMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
/* The same box with a title (null: none), for a box whose title bar would
 * otherwise stand empty.  Returns 1. */
int PrintTitledMessage(const char* title, const char* format, ...) __attribute__((format(printf, 2, 3)));
/* The title of a box that refuses what was typed or chosen. */
constexpr const char VEK_REFUSAL_TITLE[] = "Eingabefehler";

/* Starts a new box: no title, no symbol, no lines.  Never fails. */
void Init_Message(void);
/* Sets the title of the box being built (null clears it). */
void Set_Message_Title(const char* title);
/* Appends one formatted line (at most 500 bytes) to the box being built.
 * Returns the number of lines, or 0 when no format is given. */
int Fill_Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
/* Sets the symbol of the box (0 none, 1 information, 2 warning,
 * 3 question, 4 wait ...) and where it is drawn; the position is kept
 * for nothing headless. */
void Set_Message_Symbol(int symbol, int placement, int dx, int dy);
/* Shows the box and waits until it is confirmed.  Returns 1. */
int Draw_Message(void);
/* Shows the box (drawn, see above; not in batch mode) and returns at once;
 * Quit_Message removes it.  A box still shown is removed first.  Returns 1. */
int Show_Message(void);
/* Removes a box shown with Show_Message; harmless without one. */
void Quit_Message(void);
/* Asks the box as a yes/no question.  Returns non-zero for yes: the scripted
 * answer when one waits at the head of the queue, else default_yes. */
int Answer_is_Yes(int default_yes);

/* ---- test and batch API ---- */

/* Sets or clears the batch flag (no window; every box is a fault). */
void VEK_Set_Batch_Mode(int on);
int VEK_Batch_Mode(void);
/* Every box shown since the last clear, oldest first. */
const std::vector<VEKRecordedMessage>& VEK_Recorded_Messages(void);
/* Number of boxes shown while the batch flag was set. */
int VEK_Batch_Fault_Count(void);
/* Forgets the recorded boxes and the fault count. */
void VEK_Clear_Recorded_Messages(void);

#endif
