/* msgbox.cpp -- recorded message boxes of the headless stand-in.
 *
 * Nothing is drawn.  The box being built is kept until it is shown; each
 * shown box is appended to the record that tests read.  A box shown while
 * the batch flag is set is a fault of the program: it is recorded with its
 * batch mark, counted and reported on stderr, and never waits.
 */
#include "platform/msgbox.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/events.h"
#include "platform/format.h"

static VEKRecordedMessage building;
static std::vector<VEKRecordedMessage> recorded;
static int batch_flag = 0;
static int batch_faults = 0;

enum { LINE_SIZE = 501 };

/* Formats into a string of at most LINE_SIZE - 1 bytes. */
static std::string format_line(const char* format, va_list ap)
{
    char buffer[LINE_SIZE];
    int n = VEK_Format_Bounded_V(buffer, sizeof buffer, format, ap);
    if (n < 0) return std::string();
    return std::string(buffer);
}

/* Takes the answer of a waiting box from the head of the queue: a scripted
 * answer is consumed; anything else stays for its own consumer. */
static int scripted_answer(int fallback)
{
    VEKScriptEvent e;
    if (VEK_Script_Take_If(VEK_EV_ANSWER, &e)) return e.value;
    return fallback;
}

/* Records the box being built as shown with `kind` and `answer`. */
static void record(int kind, int answer)
{
    VEKRecordedMessage m = building;
    m.kind = kind;
    m.answer = answer;
    m.batch = batch_flag != 0;
    if (m.batch) {
        ++batch_faults;
        std::fprintf(stderr, "message box in batch mode:");
        for (const std::string& l : m.lines) std::fprintf(stderr, " [%s]", l.c_str());
        std::fprintf(stderr, "\n");
    }
    recorded.push_back(m);
}

int PrintMessage(const char* format, ...)
{
    if (!format) return 1;
    va_list ap;
    va_start(ap, format);
    char buffer[4096];
    int n = VEK_Format_Bounded_V(buffer, sizeof buffer, format, ap);
    va_end(ap);
    Init_Message();
    if (n >= 0) {
        std::string text(buffer);
        size_t start = 0;
        for (;;) {
            size_t nl = text.find('\n', start);
            building.lines.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
            if (nl == std::string::npos) break;
            start = nl + 1;
        }
    }
    if (!batch_flag) scripted_answer(1);
    record(VEK_MSG_PRINT, 1);
    Init_Message();
    return 1;
}

void Init_Message(void)
{
    building = VEKRecordedMessage();
}

void Set_Message_Title(const char* title)
{
    building.title = title ? title : "";
}

int Fill_Message(const char* format, ...)
{
    if (!format) return 0;
    va_list ap;
    va_start(ap, format);
    building.lines.push_back(format_line(format, ap));
    va_end(ap);
    return (int)building.lines.size();
}

void Set_Message_Symbol(int symbol, int, int, int)
{
    building.symbol = symbol;
}

int Draw_Message(void)
{
    if (!batch_flag) scripted_answer(1);
    record(VEK_MSG_DRAW, 1);
    return 1;
}

int Show_Message(void)
{
    record(VEK_MSG_SHOW, 1);
    return 1;
}

void Quit_Message(void)
{
    /* Nothing is on the screen headless; the record stays. */
}

int Answer_is_Yes(int default_yes)
{
    int answer = default_yes ? 1 : 0;
    if (!batch_flag) answer = scripted_answer(answer);
    record(VEK_MSG_QUESTION, answer);
    return answer;
}

void VEK_Set_Batch_Mode(int on) { batch_flag = on != 0; }
int VEK_Batch_Mode(void) { return batch_flag; }
const std::vector<VEKRecordedMessage>& VEK_Recorded_Messages(void) { return recorded; }
int VEK_Batch_Fault_Count(void) { return batch_faults; }

void VEK_Clear_Recorded_Messages(void)
{
    recorded.clear();
    batch_faults = 0;
}
