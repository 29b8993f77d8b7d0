/* msgbox.cpp -- recorded message boxes of the headless stand-in.
 *
 * A box that waits is answered at once and never drawn; a box shown without
 * waiting (Show_Message) stays on the screen until Quit_Message, so it is
 * drawn and the screen under it is put back afterwards.  The box being built is kept until it is shown; each
 * shown box is appended to the record that tests read.  A box shown while
 * the batch flag is set is a fault of the program: it is recorded with its
 * batch mark, counted and reported on stderr, and never waits.
 */
#include "platform/msgbox.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/events.h"
#include "platform/font.h"
#include "platform/format.h"
#include "platform/screen.h"

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

/* The rectangle of the box on the screen while one is shown. */
static bool box_shown = false;
static int box_x1, box_y1, box_x2, box_y2;

/* Draws the box being built centred on the screen: lines 16 pixels apart,
 * each centred, the first baseline 24 pixels below the top (so a box of n
 * lines is 16 n + 40 high); the title, when set, above its frame. */
static void draw_shown_box(void)
{
    size_t widest = 0;
    for (const std::string& l : building.lines) widest = l.size() > widest ? l.size() : widest;
    int n = (int)building.lines.size();
    int w = (int)widest * 8 + 40;
    if (w < 300) w = 300;
    int h = 16 * n + 40;
    box_x1 = NPIXEL_X / 2 - w / 2;
    box_y1 = NPIXEL_Y / 2 - h / 2;
    box_x2 = box_x1 + w - 1;
    box_y2 = box_y1 + h - 1;
    int title_h = building.title.empty() ? 0 : 20;
    box_y1 -= title_h;
    Save_Screen_Rectangle(box_x1, box_y1, box_x2, box_y2);
    box_shown = true;
    int colour = pxQFgc();
    int style = pxQSLn();
    pxSLn(PX_LINE_SOLID);
    Pop_RFont(RFONT_NORMAL);
    pxFgc(-1);
    pxRect(box_x1, box_y1, box_x2, box_y2);
    if (title_h) {
        pxFgc(-7);
        pxRect(box_x1, box_y1, box_x2, box_y1 + title_h - 1);
        pxFgc(-8);
        pxText(box_x1 + 6, box_y1 + 14, building.title.c_str(), (int)building.title.size());
    }
    pxFgc(-4);
    pxLine(box_x1, box_y1, box_x2, box_y1);
    pxLine(box_x2, box_y1, box_x2, box_y2);
    pxLine(box_x2, box_y2, box_x1, box_y2);
    pxLine(box_x1, box_y2, box_x1, box_y1);
    pxFgc(-6);
    for (int i = 0; i < n; ++i) {
        const std::string& l = building.lines[(size_t)i];
        int lw = RFont_Text_Width(RFONT_NORMAL, l.c_str(), (int)l.size());
        pxText((box_x1 + box_x2 + 1 - lw) / 2, box_y1 + title_h + 24 + 16 * i, l.c_str(), (int)l.size());
    }
    Push_RFont();
    pxSLn(style);
    pxFgc(colour);
    pxFlsh();
}

int Show_Message(void)
{
    record(VEK_MSG_SHOW, 1);
    if (!batch_flag) {
        Quit_Message();
        draw_shown_box();
    }
    return 1;
}

void Quit_Message(void)
{
    if (!box_shown) return;
    box_shown = false;
    Restore_Screen_Rectangle(box_x1, box_y1, box_x2, box_y2);
    pxFlsh();
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
