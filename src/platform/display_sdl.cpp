/* display_sdl.cpp -- the real window of the stand-in screen, on SDL2.
 *
 * The screen stays the one grid of colour indices of screen.cpp; the window
 * only shows it.  Window events are turned into the events of the scripted
 * queue (events.h), so that every waiting call of the stand-in works the
 * same whether a script or a person drives it.  SDL is initialised only by
 * Init_Grafik_Mode: a headless run never touches it.
 */
#include "platform/display_sdl.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/cp850_table.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/library_calls.h"
#include "platform/msgbox.h"
#include "platform/png.h"
#include "platform/screen.h"

namespace {

/* SDL is opened by the first Init_Grafik_Mode that may open a window
 * (library_calls.h): a run without a window never loads it. */
#define DISPLAY_SDL_CALLS(X) \
    X(SDL_CreateWindow) \
    X(SDL_Delay) \
    X(SDL_DestroyWindow) \
    X(SDL_EventState) \
    X(SDL_GetError) \
    X(SDL_GetWindowFlags) \
    X(SDL_GetWindowSurface) \
    X(SDL_InitSubSystem) \
    X(SDL_LockSurface) \
    X(SDL_MapRGB) \
    X(SDL_PollEvent) \
    X(SDL_Quit) \
    X(SDL_QuitSubSystem) \
    X(SDL_SetHint) \
    X(SDL_SetWindowInputFocus) \
    X(SDL_SetWindowSize) \
    X(SDL_SetWindowTitle) \
    X(SDL_StartTextInput) \
    X(SDL_StopTextInput) \
    X(SDL_UnlockSurface) \
    X(SDL_UpdateWindowSurface)

struct Sdl_Calls {
    DISPLAY_SDL_CALLS(VEK_CALL_SLOT)
};
Sdl_Calls sdl;

/* 1 when SDL's calls are there; the first call opens it and says on
 * stderr why it cannot. */
int Load_Sdl(void)
{
    static const int loaded = [] {
        static const char* const libraries[] = {"libSDL2-2.0.so.0"};
        std::string why;
        if (VEK_LOAD_CALLS(sdl, DISPLAY_SDL_CALLS, libraries, &why)) return 1;
        std::fprintf(stderr, "no window: %s\n", why.c_str());
        return 0;
    }();
    return loaded;
}

using Clock = std::chrono::steady_clock;

/* The waits poll the window every kPollMs.  SDL's own blocking wait is not
 * used: it wakes itself with an event sent to the window over a second
 * connection, which can reach the X server after the window is gone and
 * then ends the program with an X error as it closes the window. */
enum { kMaxScale = 8, kFlushEveryMs = 10, kPollShowEveryMs = 30 };
constexpr long long kPollMs = 10;

struct Shown_Window {
    SDL_Window* window = nullptr;
    int scale = 1;
    int width = 0, height = 0;     /* the screen's size the window was made for */
    std::vector<int> shown;        /* colour indices as last shown */
    std::vector<Uint32> mapped;    /* work buffer: a row as the window's surface takes it */
    std::string title;             /* window title as set, code page 850 */
    Clock::time_point opened;
    Clock::time_point last_show;
    bool exposed = false;          /* the window lost its contents */
    bool png_behind = false;       /* the window changed since VEK_WINDOW_PNG was written */
    /* The presses in quick succession at one place, by the display's own
     * times of them (see Count_Click). */
    unsigned long last_press_time = 0;
    int last_press_button = 0, last_press_x = 0, last_press_y = 0, clicks = 0;
    int next_press_clicks = 0;     /* for the press the display told of, 0: none told */
    int pushed_x = 0, pushed_y = 0;  /* the mouse as the queue knows it */
};

Shown_Window D;
long long elapsed_before = 0;  /* ms of earlier windows */

/* The rests told through VEK_WINDOW_IDLE (display_sdl.h). */
struct Rest_Report {
    long long taken = 0;   /* presses, releases and keys taken from the window */
    long long rests = 0;   /* rests told */
    bool busy = true;      /* events taken or a sleep since the last rest told */
};
Rest_Report rest;
bool exit_handler_set = false;

long long Ms_Since(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

int Scale_From_Environment(void)
{
    const char* e = std::getenv("VEK_SCALE");
    if (!e || !*e) return 1;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(e, &end, 10);
    if (errno || *end || v < 1 || v > kMaxScale) return 1;
    return (int)v;
}

bool Has_Display(void)
{
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

/* UTF-8 of a code page 850 text, for the window title. */
std::string Utf8_From_Cp850(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        char32_t cp = c < 0x80 ? c : cp850::kHighHalf[c - 0x80];
        if (cp < 0x80) {
            out += (char)cp;
        } else if (cp < 0x800) {
            out += (char)(0xC0 | (cp >> 6));
            out += (char)(0x80 | (cp & 0x3F));
        } else {
            out += (char)(0xE0 | (cp >> 12));
            out += (char)(0x80 | ((cp >> 6) & 0x3F));
            out += (char)(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

void Update_Title(void)
{
    std::string want = VEKGetFrameTitle();
    if (want.empty()) want = program_invocation_short_name;
    if (want == D.title) return;
    D.title = want;
    sdl.SDL_SetWindowTitle(D.window, Utf8_From_Cp850(want).c_str());
}

/* Copies one row of mapped pixels `scale` times wide into the surface row. */
void Put_Row(unsigned char* row, const Uint32* mapped, int w, int bpp, int scale)
{
    if (bpp == 4 && scale == 1) {
        std::memcpy(row, mapped, (size_t)w * 4);
        return;
    }
    for (int x = 0; x < w; ++x)
        for (int k = 0; k < scale; ++k, row += bpp) {
            if (bpp == 4) std::memcpy(row, &mapped[x], 4);
            else if (bpp == 2) {
                Uint16 v = (Uint16)mapped[x];
                std::memcpy(row, &v, 2);
            } else {
                /* three bytes: the value's bytes in memory order */
                Uint32 v = mapped[x];
                if (SDL_BYTEORDER == SDL_BIG_ENDIAN) v <<= 8;
                std::memcpy(row, &v, 3);
            }
        }
}

/* Draws the screen into the window's surface and shows it.  False when the
 * window has no surface of the expected size (it is then tried again at
 * the next showing).  A run of one colour index (most of a screen) is
 * mapped once. */
bool Paint(void)
{
    SDL_Surface* surface = sdl.SDL_GetWindowSurface(D.window);
    const int w = NPIXEL_X, h = NPIXEL_Y, s = D.scale;
    if (!surface || surface->w < w * s || surface->h < h * s) return false;
    const int bpp = surface->format->BytesPerPixel;
    if (bpp < 2 || bpp > 4) return false;
    if (SDL_MUSTLOCK(surface) && sdl.SDL_LockSurface(surface) != 0) return false;
    D.mapped.resize((size_t)w);
    Uint32* mapped = D.mapped.data();
    const int* pixels = pxScreenPixels();
    bool any = false;
    int last_index = 0;
    Uint32 last_mapped = 0;
    for (int y = 0; y < h; ++y) {
        const int* row = pixels + (size_t)y * w;
        for (int x = 0; x < w; ++x) {
            if (!any || row[x] != last_index) {
                int r = 0, g = 0, b = 0;
                pxQCR(row[x], &r, &g, &b);
                last_index = row[x];
                last_mapped = sdl.SDL_MapRGB(surface->format, (Uint8)r, (Uint8)g, (Uint8)b);
                any = true;
            }
            mapped[x] = last_mapped;
        }
        for (int k = 0; k < s; ++k)
            Put_Row((unsigned char*)surface->pixels + (size_t)(y * s + k) * surface->pitch, mapped, w, bpp, s);
    }
    if (SDL_MUSTLOCK(surface)) sdl.SDL_UnlockSurface(surface);
    return sdl.SDL_UpdateWindowSurface(D.window) == 0;
}

/* Shows the screen: always when `force`, else only when it changed. */
void Show(bool force)
{
    if (!D.window) return;
    D.last_show = Clock::now();
    Update_Title();
    const int w = NPIXEL_X, h = NPIXEL_Y;
    if (w != D.width || h != D.height) {
        /* A new screen size (pxInitScreen): the window follows it. */
        D.width = w;
        D.height = h;
        sdl.SDL_SetWindowSize(D.window, w * D.scale, h * D.scale);
        D.shown.clear();
    }
    const int* pixels = pxScreenPixels();
    const size_t n = (size_t)w * h;
    bool changed = D.shown.size() != n || std::memcmp(D.shown.data(), pixels, n * sizeof(int)) != 0;
    if (!changed && !force && !D.exposed) return;
    if (!Paint()) return;
    D.exposed = false;
    if (!changed) return;
    D.shown.assign(pixels, pixels + n);
    D.png_behind = true;
}

/* The file of VEK_WINDOW_PNG follows the window when the program waits:
 * a test looks at it once the program has come to rest, and a file for
 * every change of a busy screen (a text typed key by key) only costs time. */
void Write_Window_Png(void)
{
    if (!D.png_behind) return;
    D.png_behind = false;
    if (const char* png = std::getenv("VEK_WINDOW_PNG"); png && *png) Screen_Write_PNG(png);
}

int Key_Mask_From(SDL_Keymod mod)
{
    return (mod & KMOD_SHIFT ? VEK_KEYMASK_SHIFT : 0) | (mod & KMOD_CTRL ? VEK_KEYMASK_CTRL : 0) |
           (mod & KMOD_ALT ? VEK_KEYMASK_ALT : 0);
}

int Window_To_Screen(int v)
{
    return v < 0 ? v : v / D.scale;
}

/* What one drain of the window's events did. */
struct Batch {
    bool queued = false;      /* something entered the queue */
    bool keymask = false;     /* the modifier keys changed */
    bool stop = false;        /* the program is to see this before the next event */
    bool move = false;        /* a move waits to be queued */
    int move_x = 0, move_y = 0;
};

/* Queues the move that waits in the batch: consecutive moves of one drain
 * become one, so that a slow program is not flooded by them. */
void Flush_Move(Batch& b)
{
    if (!b.move) return;
    b.move = false;
    if (b.move_x == D.pushed_x && b.move_y == D.pushed_y) return;
    VEK_Script_Move(b.move_x, b.move_y);
    D.pushed_x = b.move_x;
    D.pushed_y = b.move_y;
    b.queued = true;
}

void Note_Move(Batch& b, int x, int y)
{
    b.move = true;
    b.move_x = x;
    b.move_y = y;
}

/* A double click is two presses of one button within kDoubleClickMs and
 * kDoubleClickPx of each other, as the user made them: by the X server's
 * times of the presses, not by when a busy program gets round to reading
 * them (SDL counts by the latter). */
constexpr unsigned long kDoubleClickMs = 500;
constexpr int kDoubleClickPx = 4;

void Count_Click(const SDL_SysWMmsg* m)
{
    if (!m || m->subsystem != SDL_SYSWM_X11 || m->msg.x11.event.type != ButtonPress) return;
    const XButtonEvent& b = m->msg.x11.event.xbutton;
    const bool again = D.clicks > 0 && (int)b.button == D.last_press_button && b.time - D.last_press_time <= kDoubleClickMs &&
                       std::abs(b.x - D.last_press_x) <= kDoubleClickPx && std::abs(b.y - D.last_press_y) <= kDoubleClickPx;
    D.clicks = again ? D.clicks + 1 : 1;
    D.last_press_time = b.time;
    D.last_press_button = (int)b.button;
    D.last_press_x = b.x;
    D.last_press_y = b.y;
    D.next_press_clicks = D.clicks;
}

int Button_Of(Uint8 sdl_button)
{
    switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
    }
}

void Queue_Key(Batch& b, int code)
{
    Flush_Move(b);
    VEK_Script_Key(code);
    b.queued = b.stop = true;
}

/* Turns one window event into queue events. */
void Translate(const SDL_Event& e, Batch& b)
{
    switch (e.type) {
    case SDL_MOUSEMOTION:
        Note_Move(b, Window_To_Screen(e.motion.x), Window_To_Screen(e.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button = Button_Of(e.button.button);
        if (!button) break;
        int x = Window_To_Screen(e.button.x), y = Window_To_Screen(e.button.y);
        if (e.type == SDL_MOUSEBUTTONDOWN) {
            /* A press in the window gives it the keyboard, as a click
             * does on a desktop: after a tool's window (the profile
             * manager, say) has closed, the keyboard may be left with no
             * window at all, and what the user then types into the field
             * just clicked would be lost. */
            if (!(sdl.SDL_GetWindowFlags(D.window) & SDL_WINDOW_INPUT_FOCUS)) sdl.SDL_SetWindowInputFocus(D.window);
            /* The pointer reaches the press's place before the press, as
             * a program sees it arrive when the hand moves slower: a wait
             * that watches a region ends on the move out of it and leaves
             * the press to the element under it (a pointer that jumped
             * onto a button and clicked at once). */
            Note_Move(b, x, y);
            Flush_Move(b);
            VEK_Script_Press(x, y, button, D.next_press_clicks > 0 ? D.next_press_clicks : e.button.clicks);
            D.next_press_clicks = 0;
        } else {
            Note_Move(b, x, y);
            Flush_Move(b);
            VEK_Script_Release(button);
        }
        D.pushed_x = x;
        D.pushed_y = y;
        b.queued = b.stop = true;
        break;
    }
    case SDL_MOUSEWHEEL: {
        int steps = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
        if (!steps) break;
        Flush_Move(b);
        VEK_Script_Wheel(steps);
        b.queued = b.stop = true;
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        /* The state with this event's own modifier key counted. */
        int mask = Key_Mask_From((SDL_Keymod)e.key.keysym.mod);
        if (mask != getkeymask()) {
            VEK_Set_Key_Mask(mask);
            b.keymask = b.stop = true;
        }
        if (e.type == SDL_KEYDOWN) {
            if (int code = VEK_Key_Code(e.key.keysym.sym, e.key.keysym.mod)) Queue_Key(b, code);
        }
        break;
    }
    case SDL_TEXTINPUT: {
        int keys[SDL_TEXTINPUTEVENT_TEXT_SIZE];
        const int n = VEK_Keys_From_Utf8(e.text.text, keys, SDL_TEXTINPUTEVENT_TEXT_SIZE);
        for (int i = 0; i < n; ++i) Queue_Key(b, keys[i]);
        break;
    }
    case SDL_SYSWMEVENT:
        Count_Click(e.syswm.msg);
        break;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            Flush_Move(b);
            VEK_Script_Close();
            b.queued = b.stop = true;
            break;
        case SDL_WINDOWEVENT_LEAVE:
            Note_Move(b, -1, -1);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
            D.exposed = true;
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

/* The program waits for the user with nothing left to handle: the file of
 * VEK_WINDOW_IDLE says so, once per rest. */
void Tell_Rest(void)
{
    if (!rest.busy) return;
    rest.busy = false;
    static const char* const file = std::getenv("VEK_WINDOW_IDLE");
    if (!file || !*file) return;
    ++rest.rests;
    const std::string part = std::string(file) + ".part";
    FILE* f = std::fopen(part.c_str(), "w");
    if (!f) return;
    const bool written = std::fprintf(f, "%lld %lld\n", rest.taken, rest.rests) > 0;
    if (std::fclose(f) == 0 && written) std::rename(part.c_str(), file);
}

/* Takes the window's waiting events into the queue up to the first that
 * the program must see before the next one (not a move): a key, a button,
 * the wheel, the close box, a change of the modifier keys, so that the
 * modifier state the program reads is the one of the event it handles.
 * Shows the screen again when the window lost its contents. */
Batch Drain(void)
{
    Batch b;
    SDL_Event e;
    while (!b.stop && sdl.SDL_PollEvent(&e)) {
        if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP || e.type == SDL_KEYDOWN) ++rest.taken;
        Translate(e, b);
    }
    Flush_Move(b);
    if (b.queued || b.keymask) rest.busy = true;
    if (D.exposed) Show(true);
    return b;
}

/* At the end of the process the window goes with its connection: nothing
 * is asked of the window library then.  The end may come from inside it
 * (the X library's handler of a lost display exits the process), and a
 * window closed on a lost display waits for ever for the display's answer. */
void Forget_Window(void)
{
    if (!D.window) return;
    elapsed_before += Ms_Since(D.opened);
    D = Shown_Window();
}

}  // namespace

int Init_Grafik_Mode(void)
{
    if (D.window) return 1;
    const char* script = std::getenv("VEK_SCRIPT");
    if ((script && *script) || VEK_Batch_Mode() || !Has_Display()) return 0;
    if (!Load_Sdl()) return 0;
    /* A signal ends the run as it would headless; SDL must not catch it. */
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    /* The window's surface goes straight to the X server: the screen is
     * copied as it is, with no graphics driver in between. */
    sdl.SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (sdl.SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "no window: %s\n", sdl.SDL_GetError());
        return 0;
    }
    D = Shown_Window();
    D.scale = Scale_From_Environment();
    D.width = NPIXEL_X;
    D.height = NPIXEL_Y;
    D.window = sdl.SDL_CreateWindow(program_invocation_short_name, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    D.width * D.scale, D.height * D.scale, SDL_WINDOW_SHOWN);
    if (!D.window) {
        std::fprintf(stderr, "no window: %s\n", sdl.SDL_GetError());
        sdl.SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return 0;
    }
    sdl.SDL_StartTextInput();
    sdl.SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    D.opened = Clock::now();
    D.pushed_x = M_XPOS;
    D.pushed_y = M_YPOS;
    if (!exit_handler_set) {
        exit_handler_set = true;
        std::atexit(Forget_Window);
    }
    Show(true);
    return 1;
}

void Exit_Grafik_Mode(void)
{
    if (!D.window) return;
    /* Forgotten first, so that nothing is closed twice. */
    SDL_Window* window = D.window;
    elapsed_before += Ms_Since(D.opened);
    D = Shown_Window();
    sdl.SDL_StopTextInput();
    sdl.SDL_DestroyWindow(window);
    sdl.SDL_Quit();
}

int VEK_Display_Active(void)
{
    return D.window != nullptr;
}

void VEK_Display_Show(void)
{
    Show(false);
}

void VEK_Display_Flush(void)
{
    if (!D.window) return;
    if (Ms_Since(D.last_show) >= kFlushEveryMs) Show(false);
    Drain();
}

void VEK_Display_Poll(void)
{
    if (!D.window) return;
    if (Ms_Since(D.last_show) >= kPollShowEveryMs) Show(false);
    Drain();
}

int VEK_Display_Wait(long long timeout_ms)
{
    if (!D.window) return 0;
    Show(false);
    const Clock::time_point start = Clock::now();
    for (;;) {
        Batch b = Drain();
        if (b.queued || b.keymask) return 1;
        long long left = timeout_ms < 0 ? kPollMs : timeout_ms - Ms_Since(start);
        if (left <= 0) return 0;
        Write_Window_Png();
        Tell_Rest();
        sdl.SDL_Delay((Uint32)(left < kPollMs ? left : kPollMs));
    }
}

void VEK_Display_Sleep(long long ms)
{
    if (!D.window || ms <= 0) return;
    rest.busy = true;
    Show(false);
    const Clock::time_point start = Clock::now();
    for (long long left = ms; left > 0; left = ms - Ms_Since(start)) {
        Drain();
        sdl.SDL_Delay((Uint32)(left < kPollMs ? left : kPollMs));
    }
}

long long VEK_Display_Elapsed_ms(void)
{
    return elapsed_before + (D.window ? Ms_Since(D.opened) : 0);
}

int VEK_Key_Code(int sym, int mod)
{
    const bool ctrl = (mod & KMOD_CTRL) != 0, shift = (mod & KMOD_SHIFT) != 0;
    const bool num = (mod & KMOD_NUM) != 0;
    /* The keypad without Num Lock stands for the cursor keys. */
    if (!num) {
        static const struct { int keypad, key; } kKeypad[] = {
            {SDLK_KP_7, SDLK_HOME},  {SDLK_KP_8, SDLK_UP},        {SDLK_KP_9, SDLK_PAGEUP},
            {SDLK_KP_4, SDLK_LEFT},  {SDLK_KP_6, SDLK_RIGHT},     {SDLK_KP_1, SDLK_END},
            {SDLK_KP_2, SDLK_DOWN},  {SDLK_KP_3, SDLK_PAGEDOWN},  {SDLK_KP_0, SDLK_INSERT},
            {SDLK_KP_PERIOD, SDLK_DELETE},
        };
        for (const auto& k : kKeypad)
            if (sym == k.keypad) sym = k.key;
    }
    if (ctrl && sym >= SDLK_a && sym <= SDLK_z) return sym - SDLK_a + 1;
    static const struct { int sym, code, ctrl_code; } kKeys[] = {
        {SDLK_RETURN, VEK_KEY_ENTER, VEK_KEY_ENTER}, {SDLK_KP_ENTER, VEK_KEY_ENTER, VEK_KEY_ENTER},
        {SDLK_BACKSPACE, VEK_KEY_BACKSPACE, VEK_KEY_BACKSPACE},
        {SDLK_ESCAPE, VEK_KEY_ESC, VEK_KEY_ESC}, {SDLK_HOME, VEK_KEY_HOME, VEK_KEY_CTRL_HOME},
        {SDLK_UP, VEK_KEY_UP, VEK_KEY_UP},
        {SDLK_PAGEUP, VEK_KEY_PGUP, 0x184}, {SDLK_LEFT, VEK_KEY_LEFT, 0x173}, {SDLK_RIGHT, VEK_KEY_RIGHT, 0x174},
        {SDLK_END, VEK_KEY_END, VEK_KEY_CTRL_END}, {SDLK_DOWN, VEK_KEY_DOWN, VEK_KEY_DOWN},
        {SDLK_PAGEDOWN, VEK_KEY_PGDN, 0x176},
        {SDLK_INSERT, 0x152, 0x152}, {SDLK_DELETE, VEK_KEY_DELETE, VEK_KEY_DELETE}, {SDLK_F11, 0x185, 0x185},
        {SDLK_F12, 0x186, 0x186},
    };
    for (const auto& k : kKeys)
        if (sym == k.sym) return ctrl ? k.ctrl_code : k.code;
    if (sym == SDLK_TAB) return shift ? VEK_KEY_BACKTAB : VEK_KEY_TAB;
    if (sym >= SDLK_F1 && sym <= SDLK_F10) return VEK_KEY_F1 + (sym - SDLK_F1);
    return 0;
}

/* The next character of a UTF-8 text at *p (which moves past it) as its
 * code page 850 byte, VEK_KEY_FOREIGN + its code point for a printable
 * character without one, or -1 (control character, malformed sequence). */
static int Next_Key_From_Utf8(const unsigned char** at)
{
    const unsigned char* p = *at;
    int len = *p < 0x80 ? 1 : (*p & 0xE0) == 0xC0 ? 2 : (*p & 0xF0) == 0xE0 ? 3 : (*p & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0) {
        *at = p + 1;
        return -1;
    }
    char32_t cp = len == 1 ? *p : *p & (0x7F >> len);
    int k = 1;
    for (; k < len && (p[k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (p[k] & 0x3F);
    *at = p + k;
    if (k < len) return -1;  /* cut short: the next byte starts afresh */
    if (cp >= 0x20 && cp < 0x7F) return (int)cp;
    for (int i = 0; cp >= 0x80 && i < 128; ++i)
        if (cp850::kHighHalf[i] == cp) return 0x80 + i;
    return cp >= 0xA0 && cp <= 0x10FFFF ? VEK_KEY_FOREIGN + (int)cp : -1;
}

int VEK_Cp850_From_Utf8(const char* text, char* out, int size)
{
    if (!text || !out || size < 1) return 0;
    int n = 0;
    const unsigned char* p = (const unsigned char*)text;
    while (*p && n < size - 1) {
        const int key = Next_Key_From_Utf8(&p);
        if (key >= 0 && key <= 0xFF) out[n++] = (char)key;
    }
    out[n] = '\0';
    return n;
}

int VEK_Keys_From_Utf8(const char* text, int* out, int size)
{
    if (!text || !out || size < 1) return 0;
    int n = 0;
    const unsigned char* p = (const unsigned char*)text;
    while (*p && n < size) {
        const int key = Next_Key_From_Utf8(&p);
        if (key >= 0) out[n++] = key;
    }
    return n;
}
