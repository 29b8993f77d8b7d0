// messages: the message service (see messages.h).
//
// One text travels like this: formatted into a block of at most 500
// characters, then by the message mode to a message box, the console, a line
// of the current category, nowhere, or the message list. Categories keep
// their lines until they are closed. In batch mode (no window) a message box
// is never opened: its text goes to stderr and a question is answered with
// its default.
#include "dialogs/messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/vesk.h"
#include "dialogs/message_dialogs.h"
#include "platform/format.h"
#include "platform/msgbox.h"

enum { TEXT_SIZE = 500 };

struct Message_Category {
    int free = 1;
    char title[MESSAGE_TITLE_SIZE] = "";
    std::vector<std::string> lines;  // each the text plus "\n", at most 499 bytes
    int symbol = -1;
};

static int enabled = 1;
static int message_mode = MESSAGE_MODE_BOX;
static int console = 0;
static Message_Category categories[MESSAGE_CATEGORIES];
static int current_category = 0;
static int list_x = 0, list_y = 0;
static int list_background = -1;

static bool valid_category(int c) { return c >= 0 && c < MESSAGE_CATEGORIES; }

static bool in_use(int c) { return valid_category(c) && !categories[c].free; }

const char* Skip_Message_Control_Pairs(const char* text) {
    if (!text) return "";
    while (text[0] == '^' && text[1] != '\0') text += 2;
    return text;
}

// Bounded copy of text into the fixed field dest of size bytes.
static void copy_bounded(char* dest, size_t size, const char* text) {
    std::snprintf(dest, size, "%s", text ? text : "");
}

static int stderr_written = 0;  // set when a text went to stderr

// Texts that would open a message box in batch mode go to stderr instead.
static void batch_console(const char* text) {
    std::fputs(Skip_Message_Control_Pairs(text), stderr);
    std::fputc('\n', stderr);
    stderr_written = 1;
}

// Stores text as the next line of the current category; a text of more than
// two characters equal to a whole stored line is dropped.
static void store_line(const char* text) {
    if (!in_use(current_category)) return;
    Message_Category& cat = categories[current_category];
    std::string line(text);
    if (line.size() > TEXT_SIZE - 2) line.resize(TEXT_SIZE - 2);  // room for "\n" and terminator
    line += '\n';
    if (line.size() > 3) {
        for (const std::string& stored : cat.lines)
            if (stored == line) return;
    }
    cat.lines.push_back(line);
}

// Sends one formatted text in mode.
static void send_text(const char* text, int mode) {
    if (console && (mode == MESSAGE_MODE_BOX || mode == MESSAGE_MODE_LIST)) mode = MESSAGE_MODE_CONSOLE;
    switch (mode) {
    case MESSAGE_MODE_CONSOLE:
        std::puts(Skip_Message_Control_Pairs(text));
        break;
    case MESSAGE_MODE_COLLECT:
        store_line(text);
        break;
    case MESSAGE_MODE_DROP:
        break;
    case MESSAGE_MODE_LIST:
        Draw_Message_List_Text(text);
        break;
    default:
        if (VEK_Batch_Mode()) batch_console(text);
        else PrintMessage("%s", Skip_Message_Control_Pairs(text));
        break;
    }
}

// Formats into a counted block of 501 bytes and sends it in mode; wrap, when
// given, is a pattern with one "%s" that the formatted text is put into.
static void format_and_send(int mode, const char* wrap, const char* format, va_list ap) {
    if (!enabled || !format || !*format) return;
    char* text = static_cast<char*>(ITools_Realloc(nullptr, TEXT_SIZE + 1, 0));
    VEK_Format_Bounded_V(text, TEXT_SIZE + 1, format, ap);
    if (wrap) {
        std::string inner = text;
        std::snprintf(text, TEXT_SIZE + 1, wrap, inner.c_str());
    }
    send_text(text, mode);
    ITools_Free(&text);
}

void Collect_Message(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(message_mode, nullptr, format, ap);
    va_end(ap);
}

void Message_in_Mode(int mode, const char* format, ...) {
    const int saved = message_mode;
    message_mode = mode;
    va_list ap;
    va_start(ap, format);
    format_and_send(mode, nullptr, format, ap);
    va_end(ap);
    message_mode = saved;
}

void Store_Message(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(MESSAGE_MODE_COLLECT, nullptr, format, ap);
    va_end(ap);
}

static int mode_or_current(int mode) { return mode == -1 ? message_mode : mode; }

void Error_Message(int mode, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(mode_or_current(mode), "^bFEHLER: %s!", format, ap);
    va_end(ap);
}

void Warning_Message(int mode, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(mode_or_current(mode), "^bWARNUNG: %s!", format, ap);
    va_end(ap);
}

void Note_Message(int mode, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(mode_or_current(mode), "^bHINWEIS: %s.", format, ap);
    va_end(ap);
}

void Error_Message_Default(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(message_mode, "^bFEHLER: %s!", format, ap);
    va_end(ap);
}

void Warning_Message_Default(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(message_mode, "^bWARNUNG: %s!", format, ap);
    va_end(ap);
}

void Note_Message_Default(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    format_and_send(message_mode, "^bHINWEIS: %s.", format, ap);
    va_end(ap);
}

// ---- Switches --------------------------------------------------------------

void Set_Message_Mode(int mode) {
    message_mode = mode;
    if (mode == MESSAGE_MODE_LIST) {
        list_x = 15;
        list_y = 20;
    }
}

int Get_Message_Mode(void) { return message_mode; }

void Enable_Messages(void) { enabled = 1; }

void Disable_Messages(void) { enabled = 0; }

int Messages_Enabled(void) { return enabled; }

void Set_Message_Console(int flag) { console = flag; }

void Set_Message_List_Background(int colour_index) { list_background = colour_index; }

// ---- Categories --------------------------------------------------------------

int Open_Message_Category(void) {
    for (int c = 0; c < MESSAGE_CATEGORIES; ++c) {
        if (!categories[c].free) continue;
        Message_Category& cat = categories[c];
        cat.free = 0;
        cat.title[0] = '\0';
        cat.lines.clear();
        cat.symbol = -1;
        current_category = c;
        return c;
    }
    return -1;
}

int Select_Message_Category(int c) {
    if (!valid_category(c)) return 2;
    if (categories[c].free) return 1;
    current_category = c;
    return 0;
}

int Set_Message_Category_Title(int c, const char* title) {
    if (!valid_category(c)) return 2;
    if (categories[c].free) return 1;
    copy_bounded(categories[c].title, sizeof categories[c].title, title);
    return 0;
}

void Set_Message_Category_Symbol(int c, int symbol) {
    if (valid_category(c)) categories[c].symbol = symbol;
}

int Message_Category_Count(int c) {
    if (!in_use(c)) return 0;
    return static_cast<int>(categories[c].lines.size());
}

int Current_Message_Count(void) { return Message_Category_Count(current_category); }

void Close_Message_Category(int c) {
    if (!in_use(c)) return;
    Message_Category& cat = categories[c];
    cat.title[0] = '\0';
    cat.lines.clear();
    cat.lines.shrink_to_fit();
    cat.free = 1;
}

// ---- Showing -----------------------------------------------------------------

// Line without its newline and leading control pairs.
static std::string plain_line(const std::string& line) {
    std::string text = Skip_Message_Control_Pairs(line.c_str());
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// Builds the message box of category c's lines (not yet shown).
static void fill_box(const Message_Category& cat) {
    Init_Message();
    for (const std::string& line : cat.lines) Fill_Message("%s", plain_line(line).c_str());
}

void Present_Message_Category(int c, int mode) {
    if (!enabled || !in_use(c)) return;
    Set_Message_Mode(mode);
    const Message_Category& cat = categories[c];
    if (mode == MESSAGE_MODE_CONSOLE) {
        // Sent from a copy: a line sent in another mode could land in this
        // very category and move its lines.
        const std::vector<std::string> lines = cat.lines;
        for (const std::string& line : lines) {
            std::string text = line;
            if (!text.empty() && text.back() == '\n') text.pop_back();
            Collect_Message("%s", text.c_str());
        }
        return;
    }
    if (mode == MESSAGE_MODE_LIST) {
        Run_Message_Category_Dialog(c);
        return;
    }
    if (VEK_Batch_Mode()) {
        for (const std::string& line : cat.lines) batch_console(plain_line(line).c_str());
        return;
    }
    fill_box(cat);
    if (cat.symbol > 0) Set_Message_Symbol(cat.symbol, 1, 0, 0);
    Draw_Message();
}

void Show_Message_Category(int c, int mode) { Present_Message_Category(c, mode); }

void Show_Current_Messages(int mode) { Present_Message_Category(current_category, mode); }

// Yes/no question of the current category's lines with the given default.
static int ask_current(int default_yes) {
    if (!enabled || !in_use(current_category)) return 0;
    const int mode = message_mode;
    if (mode == MESSAGE_MODE_CONSOLE ||
        (console && (mode == MESSAGE_MODE_BOX || mode == MESSAGE_MODE_LIST)))
        return 0;
    const Message_Category& cat = categories[current_category];
    if (VEK_Batch_Mode()) {
        for (const std::string& line : cat.lines) batch_console(plain_line(line).c_str());
        return default_yes;
    }
    fill_box(cat);
    return Answer_is_Yes(default_yes);
}

int Ask_Messages_Default_Yes(void) { return ask_current(1); }

int Ask_Messages_Default_No(void) { return ask_current(0); }

// ---- Access for the category dialog and the message list ----------------------

const char* Message_Category_Line(int c, int i) {
    if (!in_use(c) || i < 0 || i >= static_cast<int>(categories[c].lines.size())) return nullptr;
    return categories[c].lines[static_cast<size_t>(i)].c_str();
}

const char* Message_Category_Title(int c) {
    if (!in_use(c)) return nullptr;
    return categories[c].title;
}

int Message_Category_Symbol(int c) {
    if (!valid_category(c)) return -1;
    return categories[c].symbol;
}

int Current_Message_Category(void) { return current_category; }

void Get_Message_List_Position(int* x, int* y) {
    if (x) *x = list_x;
    if (y) *y = list_y;
}

void Set_Message_List_Position(int x, int y) {
    list_x = x;
    list_y = y;
}

int Get_Message_List_Background(void) { return list_background; }

// The stop's text goes in the current mode like any collected message; the
// stop itself puts it on stderr unless the batch console already did.
static int report_memory_stop(const char* text) {
    stderr_written = 0;
    Collect_Message("%s", text);
    return stderr_written;
}

void Install_Memory_Stop_Report(void) {
    Set_Memory_Stop_Report(report_memory_stop);
}
