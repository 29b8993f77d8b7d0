/* msgbox.cpp -- recorded message boxes of the headless stand-in.
 *
 * The box being built is kept until it is shown; each shown box is appended
 * to the record that tests read.  A box shown while the batch flag is set is
 * a fault of the program: it is recorded with its batch mark, counted and
 * reported on stderr, and never waits.  A box shown without waiting
 * (Show_Message) is drawn in the middle of the screen until Quit_Message
 * puts back what it covered, headless too; with a window open
 * (display_sdl.h) a waiting box is drawn as well and waits for its buttons
 * or keys.
 */
#include "platform/msgbox.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/format.h"
#include "platform/input.h"
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

/* ---- the box drawn in the window ---- */

namespace {

struct Area {
    int x1, y1, x2, y2;
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

/* Buttons of a drawn box: text and answer. */
struct BoxButton {
    const char* text;
    int answer;
    Area r;
};

constexpr int BOX_MIN_WIDTH = 260, BOX_MARGIN = 20, BOX_TITLE_HEIGHT = 20, BOX_LINE_HEIGHT = 16,
              BOX_BUTTON_WIDTH = 80, BOX_BUTTON_HEIGHT = 23, BOX_BUTTON_GAP = 12;

}  // namespace

static Area shown_box = {0, 0, -1, -1};  /* the box of Show_Message on the screen */

static int text_width(const std::string& text)
{
    int left = 0, right = 0;
    pxQTxX(text.c_str(), (int)text.size(), &left, &right);
    return right - left;
}

/* Draws the box being built in the middle of the screen, saving what it
 * covers, with the buttons (none for Show_Message) placed into *buttons;
 * the one whose answer is `fallback` (Enter's) framed in black.  Returns
 * the box's rectangle. */
static Area draw_box(BoxButton* buttons, int count, int fallback = -1)
{
    Pop_RFont(0x1000);
    int width = text_width(building.title) + 2 * BOX_MARGIN;
    for (const std::string& l : building.lines) width = std::max(width, text_width(l) + 2 * BOX_MARGIN);
    width = std::max(width, count * (BOX_BUTTON_WIDTH + BOX_BUTTON_GAP) + 2 * BOX_MARGIN);
    width = std::min(std::max(width, BOX_MIN_WIDTH), NPIXEL_X);
    // A shown box without title has no title bar: the wait box's lines then
    // stay clear of the band its texts take below them.
    const int title_height = count == 0 && building.title.empty() ? 0 : BOX_TITLE_HEIGHT;
    int height = title_height + 14 + (int)building.lines.size() * BOX_LINE_HEIGHT + 14;
    if (count) height += BOX_BUTTON_HEIGHT + 12;
    height = std::min(height, NPIXEL_Y);
    Area box = {(NPIXEL_X - width) / 2, (NPIXEL_Y - height) / 2, 0, 0};
    box.x2 = box.x1 + width - 1;
    box.y2 = box.y1 + height - 1;
    Save_Screen_Rectangle(box.x1, box.y1, box.x2, box.y2);
    int fg = pxQFgc();
    Draw_Funny_Area_to_PS(5, box.x1, box.y1, box.x2, box.y2, 1);
    if (title_height) {
        pxFgc(-7);
        pxRect(box.x1 + 2, box.y1 + 2, box.x2 - 2, box.y1 + title_height - 1);
        pxFgc(-8);
        pxText(box.x1 + 8, box.y1 + 15, building.title.c_str(), (int)building.title.size());
    }
    pxFgc(-6);
    int y = box.y1 + title_height + 14 + 9;
    for (const std::string& l : building.lines) {
        pxText(box.x1 + BOX_MARGIN, y, l.c_str(), (int)l.size());
        y += BOX_LINE_HEIGHT;
    }
    int x = (box.x1 + box.x2 + 1 - count * BOX_BUTTON_WIDTH - (count - 1) * BOX_BUTTON_GAP) / 2;
    for (int i = 0; i < count; ++i, x += BOX_BUTTON_WIDTH + BOX_BUTTON_GAP) {
        BoxButton& b = buttons[i];
        b.r = {x, box.y2 - 12 - BOX_BUTTON_HEIGHT + 1, x + BOX_BUTTON_WIDTH - 1, box.y2 - 12};
        Draw_Funny_Area_to_PS(5, b.r.x1, b.r.y1, b.r.x2, b.r.y2, 1);
        if (count > 1 && b.answer == fallback) {
            pxFgc(-6);
            pxLine(b.r.x1 - 2, b.r.y1 - 2, b.r.x2 + 2, b.r.y1 - 2);
            pxLine(b.r.x2 + 2, b.r.y1 - 2, b.r.x2 + 2, b.r.y2 + 2);
            pxLine(b.r.x2 + 2, b.r.y2 + 2, b.r.x1 - 2, b.r.y2 + 2);
            pxLine(b.r.x1 - 2, b.r.y2 + 2, b.r.x1 - 2, b.r.y1 - 2);
        }
        pxFgc(-14);
        pxBTxt(b.r.x1, b.r.y1, b.r.x2, b.r.y2, b.text, -1, PX_ALIGN_CENTRE | PX_ALIGN_MIDDLE);
    }
    pxFgc(fg);
    Push_RFont();
    VEK_Display_Show();
    return box;
}

/* Waits at the drawn box for its answer: a click released on a button,
 * Enter for the default, Escape or the window's close box for the last
 * button (no, or OK), J and N for yes and no when the box asks.  The blank
 * answers nothing: typed on in a field, it would take a box away unread.
 * Then the box goes from the screen. */
static int answer_at_box(const BoxButton* buttons, int count, int fallback, const Area& box)
{
    int answer = -1;
    while (answer < 0) {
        int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_KEY, nullptr);
        if (ev == VEK_MSG_CLOSE) {
            answer = buttons[count - 1].answer;
        } else if (ev == VEK_MSG_KEY) {
            int k = getkey();
            if (k == VEK_KEY_ENTER) answer = fallback;
            else if (k == VEK_KEY_ESC) answer = buttons[count - 1].answer;
            else if (count == 2 && (k == 'j' || k == 'J')) answer = 1;
            else if (count == 2 && (k == 'n' || k == 'N')) answer = 0;
        } else if (ev == VEK_MSG_LEFT_DOWN) {
            for (int i = 0; i < count; ++i)
                if (buttons[i].r.contains(M_XPOS, M_YPOS)) {
                    GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
                    if (buttons[i].r.contains(M_XPOS, M_YPOS)) answer = buttons[i].answer;
                }
        } else if (!VEK_Display_Active()) {
            answer = fallback;
        }
    }
    Restore_Screen_Rectangle(box.x1, box.y1, box.x2, box.y2);
    return answer;
}

/* A box that waits, shown in the window: OK, or Ja and Nein when it asks. */
static int box_in_window(bool question, int fallback)
{
    BoxButton buttons[2] = {{"OK", 1, {}}, {nullptr, 0, {}}};
    if (question) buttons[0] = {"Ja", 1, {}}, buttons[1] = {"Nein", 0, {}};
    const int count = question ? 2 : 1;
    Area box = draw_box(buttons, count, fallback);
    return answer_at_box(buttons, count, fallback, box);
}

/* The answer of a waiting box: from the window when one is open, else
 * scripted (not at all with the batch flag). */
static int wait_for_answer(bool question, int fallback)
{
    if (batch_flag) return fallback;
    if (VEK_Display_Active()) return box_in_window(question, fallback);
    return scripted_answer(fallback);
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
    } else if (const char* script = std::getenv("VEK_SCRIPT"); script && *script) {
        /* A run driven by a script file tells what it showed and how the
         * box was answered, for the script's author. */
        std::fprintf(stderr, "message box \"%s\":", m.title.c_str());
        for (const std::string& l : m.lines) std::fprintf(stderr, " [%s]", l.c_str());
        std::fprintf(stderr, " answer %d\n", m.answer);
    }
    recorded.push_back(m);
}

/* Builds the box of the lines of the formatted text with the title, shows
 * it and waits for its answer; no box without a format. */
static void print_message_v(const char* title, const char* format, va_list ap)
{
    if (!format) return;
    char buffer[4096];
    int n = VEK_Format_Bounded_V(buffer, sizeof buffer, format, ap);
    Init_Message();
    Set_Message_Title(title);
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
    wait_for_answer(false, 1);
    record(VEK_MSG_PRINT, 1);
    Init_Message();
}

int PrintMessage(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    print_message_v(nullptr, format, ap);
    va_end(ap);
    return 1;
}

int PrintTitledMessage(const char* title, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    print_message_v(title, format, ap);
    va_end(ap);
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
    wait_for_answer(false, 1);
    record(VEK_MSG_DRAW, 1);
    return 1;
}

int Show_Message(void)
{
    if (!batch_flag) {
        Quit_Message();
        shown_box = draw_box(nullptr, 0);
    }
    record(VEK_MSG_SHOW, 1);
    return 1;
}

void Quit_Message(void)
{
    if (shown_box.x2 < shown_box.x1) return;
    Restore_Screen_Rectangle(shown_box.x1, shown_box.y1, shown_box.x2, shown_box.y2);
    shown_box = {0, 0, -1, -1};
    pxFlsh();
}

int Answer_is_Yes(int default_yes)
{
    int answer = wait_for_answer(true, default_yes ? 1 : 0);
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
