/* events.cpp -- the one scripted event queue of the headless stand-in.
 *
 * Tests append events through the VEK_Script_ calls; a run of the program
 * can be driven by the script file named in VEK_SCRIPT, read once when the
 * queue is first consulted.  An empty queue answers every wait with a close
 * request; a run that keeps waiting on an empty queue is ended rather than
 * left spinning.  With a window open (display_sdl.h) the window's events
 * enter the same queue, and the waits block for them instead.
 */
#include "platform/events.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/display_sdl.h"
#include "platform/png.h"
#include "platform/posix.h"

static std::deque<VEKScriptEvent> queue;
static std::deque<VEKScriptEvent> hand;  /* events of a paced hand not yet given */
static bool hand_paced = false;
static int empty_waits = 0;
static bool environment_read = false;

/* An event a person's hand makes, as opposed to what an editor, a menu or
 * a box takes as its input. */
static bool from_the_hand(int kind)
{
    return kind == VEK_EV_CLICK || kind == VEK_EV_PRESS || kind == VEK_EV_RELEASE || kind == VEK_EV_MOVE ||
           kind == VEK_EV_WHEEL || kind == VEK_EV_KEY || kind == VEK_EV_CLOSE;
}

static void push(const VEKScriptEvent& e)
{
    if (hand_paced) hand.push_back(e);
    else queue.push_back(e);
}

void VEK_Script_Push_Front(const VEKScriptEvent& event)
{
    queue.push_front(event);
}

void VEK_Script_Set_Hand_Pace(int on)
{
    hand_paced = on != 0;
    if (hand_paced) return;
    queue.insert(queue.end(), hand.begin(), hand.end());
    hand.clear();
}

int VEK_Script_Hand_Next(void)
{
    if (!hand_paced || hand.empty() || !queue.empty()) return 0;
    queue.push_back(hand.front());
    hand.pop_front();
    return 1;
}

/* With an empty queue, what the paced hand holds for an editor, a menu or
 * a box is there at once. */
static void hand_gives_input(void)
{
    if (queue.empty() && !hand.empty() && !from_the_hand(hand.front().kind)) {
        queue.push_back(hand.front());
        hand.pop_front();
    }
}

void VEK_Script_Click(int x, int y, int button, int clicks)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_CLICK;
    e.x = x;
    e.y = y;
    e.button = button;
    e.value = clicks;
    push(e);
}

void VEK_Script_Press(int x, int y, int button, int clicks)
{
    VEK_Script_Click(x, y, button, clicks);
    queue.back().kind = VEK_EV_PRESS;
}

void VEK_Script_Release(int button)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_RELEASE;
    e.button = button;
    push(e);
}

void VEK_Script_Move(int x, int y)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_MOVE;
    e.x = x;
    e.y = y;
    push(e);
}

static void push_value(int kind, int value)
{
    VEKScriptEvent e;
    e.kind = kind;
    e.value = value;
    push(e);
}

void VEK_Script_Wheel(int delta) { push_value(VEK_EV_WHEEL, delta); }
void VEK_Script_Key(int key) { push_value(VEK_EV_KEY, key); }
void VEK_Script_Menu(int entry) { push_value(VEK_EV_MENU, entry); }
void VEK_Script_Answer(int yes) { push_value(VEK_EV_ANSWER, yes ? 1 : 0); }
void VEK_Script_Close(void) { push_value(VEK_EV_CLOSE, 0); }

void VEK_Script_Snapshot(const char* file)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_SNAPSHOT;
    e.text = file ? file : "";
    push(e);
}

void VEK_Script_Call(std::function<void()> call)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_CALL;
    e.call = std::move(call);
    push(e);
}

/* Snapshots and calls at the head of the queue are taken at once: the
 * screen as the wait that looks at the queue finds it. */
static void take_snapshots(void)
{
    while (!queue.empty() && (queue.front().kind == VEK_EV_SNAPSHOT || queue.front().kind == VEK_EV_CALL)) {
        VEKScriptEvent e = std::move(queue.front());
        queue.pop_front();
        if (e.kind == VEK_EV_CALL) {
            if (e.call) e.call();
        } else if (!Screen_Write_PNG(e.text.c_str())) {
            std::fprintf(stderr, "snapshot %.200s cannot be written\n", e.text.c_str());
        }
    }
}

void VEK_Script_Type(const char* text, int result)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_TYPE;
    e.text = text ? text : "";
    e.value = result;
    push(e);
}

void VEK_Script_Keys(const std::vector<int>& keys)
{
    VEKScriptEvent e;
    e.kind = VEK_EV_KEYS;
    e.keys = keys;
    push(e);
}

void VEK_Script_Clear(void)
{
    queue.clear();
    hand.clear();
    hand_paced = false;
    empty_waits = 0;
}

int VEK_Script_Pending(void)
{
    return (int)(queue.size() + hand.size());
}

/* Reads one integer (decimal, or hexadecimal after 0x) at *p and moves *p
 * behind it.  0 when no number stands there or it lies outside the range
 * of an int (such a line is damaged; wrapping would turn it into another,
 * valid-looking event). */
static int read_int(const char** p, int* out)
{
    while (**p == ' ' || **p == '\t') ++*p;
    char* end = nullptr;
    long v = std::strtol(*p, &end, 0);
    if (end == *p) return 0;
    if (*end && *end != ' ' && *end != '\t') return 0;
    if (v < INT_MIN || v > INT_MAX) return 0;
    *out = (int)v;
    *p = end;
    return 1;
}

static int at_end(const char* p)
{
    while (*p == ' ' || *p == '\t') ++p;
    return *p == '\0';
}

int VEK_Script_Parse_Line(const char* line, VEKScriptEvent* event)
{
    if (!line || !event) return -1;
    std::string s(line);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos || s[first] == '#') return 0;
    const char* p = s.c_str() + first;
    char word[16];
    size_t n = 0;
    while (p[n] && p[n] != ' ' && p[n] != '\t' && n < sizeof word - 1) {
        word[n] = (char)std::tolower((unsigned char)p[n]);
        ++n;
    }
    word[n] = '\0';
    if (p[n] && p[n] != ' ' && p[n] != '\t') return -1;
    p += n;
    *event = VEKScriptEvent();
    if (!std::strcmp(word, "click") || !std::strcmp(word, "press")) {
        event->kind = word[0] == 'c' ? VEK_EV_CLICK : VEK_EV_PRESS;
        if (!read_int(&p, &event->x) || !read_int(&p, &event->y)) return -1;
        if (!at_end(p) && !read_int(&p, &event->button)) return -1;
        return at_end(p) ? 1 : -1;
    }
    if (!std::strcmp(word, "release")) {
        event->kind = VEK_EV_RELEASE;
        if (!at_end(p) && !read_int(&p, &event->button)) return -1;
        return at_end(p) ? 1 : -1;
    }
    if (!std::strcmp(word, "move")) {
        event->kind = VEK_EV_MOVE;
        if (!read_int(&p, &event->x) || !read_int(&p, &event->y)) return -1;
        return at_end(p) ? 1 : -1;
    }
    if (!std::strcmp(word, "wheel") || !std::strcmp(word, "key") || !std::strcmp(word, "menu")) {
        event->kind = word[0] == 'w' ? VEK_EV_WHEEL : word[0] == 'k' ? VEK_EV_KEY : VEK_EV_MENU;
        if (!read_int(&p, &event->value)) return -1;
        return at_end(p) ? 1 : -1;
    }
    if (!std::strcmp(word, "type")) {
        event->kind = VEK_EV_TYPE;
        if (!read_int(&p, &event->value)) return -1;
        /* One separating blank; the rest of the line is the text as typed. */
        if (*p == ' ' || *p == '\t') ++p;
        event->text = p;
        return 1;
    }
    if (!std::strcmp(word, "keys")) {
        event->kind = VEK_EV_KEYS;
        for (int code; !at_end(p);) {
            if (!read_int(&p, &code)) return -1;
            event->keys.push_back(code);
        }
        return event->keys.empty() ? -1 : 1;
    }
    if (!std::strcmp(word, "answer")) {
        event->kind = VEK_EV_ANSWER;
        while (*p == ' ' || *p == '\t') ++p;
        std::string a(p);
        while (!a.empty() && (a.back() == ' ' || a.back() == '\t')) a.pop_back();
        for (char& c : a) c = (char)std::tolower((unsigned char)c);
        if (a == "yes" || a == "ok") event->value = 1;
        else if (a == "no") event->value = 0;
        else return -1;
        return 1;
    }
    if (!std::strcmp(word, "close")) {
        event->kind = VEK_EV_CLOSE;
        return at_end(p) ? 1 : -1;
    }
    if (!std::strcmp(word, "snapshot")) {
        event->kind = VEK_EV_SNAPSHOT;
        while (*p == ' ' || *p == '\t') ++p;
        event->text = p;
        while (!event->text.empty() && (event->text.back() == ' ' || event->text.back() == '\t')) event->text.pop_back();
        return event->text.empty() ? -1 : 1;
    }
    return -1;
}

int VEK_Script_Load_File(const char* name)
{
    if (!name) return -1;
    /* A FIFO or a device named as the script would hang the run or feed it
     * for ever. */
    int refusal = VEK_READ_OK;
    FILE* in = VEK_Open_Reading(name, VEK_READ_CAP_DATA, &refusal);
    if (!in) {
        if (refusal != VEK_READ_MISSING)
            std::fprintf(stderr, "script file %.200s cannot be read (%s)\n", name, VEK_Read_Refusal_Text(refusal));
        return -1;
    }
    /* All or nothing: a run must not go on with part of its script. */
    std::vector<VEKScriptEvent> events;
    std::string line;
    for (int number = 1, c = 0; c != EOF; ++number) {
        line.clear();
        while ((c = std::fgetc(in)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
        if (c == EOF && line.empty()) break;
        VEKScriptEvent e;
        int r = VEK_Script_Parse_Line(line.c_str(), &e);
        if (r < 0) {
            std::fprintf(stderr, "%.200s:%d: script line not understood\n", name, number);
            std::fclose(in);
            return -1;
        }
        if (r == 1) events.push_back(std::move(e));
    }
    const bool read = !std::ferror(in);
    std::fclose(in);
    if (!read) return -1;
    queue.insert(queue.end(), events.begin(), events.end());
    return (int)events.size();
}

void VEK_Script_From_Environment(void)
{
    if (environment_read) return;
    environment_read = true;
    const char* name = std::getenv("VEK_SCRIPT");
    if (!name || !*name) return;
    if (VEK_Script_Load_File(name) < 0) {
        std::fprintf(stderr, "script file %.200s cannot be used: run ended\n", name);
        std::fflush(nullptr);
        std::exit(VEK_SCRIPT_EXIT_CODE);
    }
}

void VEK_Script_Rearm_Environment(void)
{
    environment_read = false;
}

int VEK_Script_Peek_Kind(void)
{
    VEK_Script_From_Environment();
    hand_gives_input();
    take_snapshots();
    if (queue.empty()) VEK_Display_Poll();  /* the window's events, without waiting */
    return queue.empty() ? VEK_EV_NONE : queue.front().kind;
}

int VEK_Script_Peek_Value(void)
{
    VEK_Script_From_Environment();
    take_snapshots();
    return queue.empty() ? 0 : queue.front().value;
}

void VEK_Script_Note_Stall(void)
{
    if (++empty_waits > VEK_MAX_EMPTY_WAITS) {
        std::fprintf(stderr, "no usable event for %d waits: run ended\n", (int)VEK_MAX_EMPTY_WAITS);
        std::fflush(nullptr);
        std::exit(VEK_SCRIPT_EXIT_CODE);
    }
}

int VEK_Script_Take(VEKScriptEvent* event)
{
    VEK_Script_From_Environment();
    hand_gives_input();
    take_snapshots();
    if (queue.empty()) {
        if (event) {
            *event = VEKScriptEvent();
            event->kind = VEK_EV_CLOSE;
        }
        VEK_Script_Note_Stall();
        return 0;
    }
    empty_waits = 0;
    if (event) *event = queue.front();
    queue.pop_front();
    return 1;
}

int VEK_Script_Take_If(int kind, VEKScriptEvent* event)
{
    if (VEK_Script_Peek_Kind() != kind || kind == VEK_EV_NONE) return 0;
    return VEK_Script_Take(event);
}

static int handler_running = 0;

int VEK_Close_Handler_Running(void) { return handler_running; }

/* The queue has run dry headless: the last wait found it empty (the close
 * request it gave is the script's end), and nothing has come since. */
static bool script_ran_dry(void)
{
    return empty_waits > 0 && queue.empty() && hand.empty() && !VEK_Display_Active();
}

int VEK_Close_Request(void)
{
    int (*handler)(void) = VEKGetCloseFct();
    if (!handler) return VEK_CLOSE_CODE;
    ++handler_running;
    int r = handler();
    --handler_running;
    if (r == VEK_CLOSE_CODE) {
        std::fflush(nullptr);
        std::exit(0);
    }
    if (r == 0 && script_ran_dry()) {
        /* No one is left to go on editing: the run ends as the window
         * would close, without saving. */
        std::fprintf(stderr, "the script has ended and the program keeps editing: run ended, nothing saved\n");
        std::fflush(nullptr);
        std::exit(0);
    }
    return r;
}
