// Screen helpers of the tool module.
#include "weldapp/tool_screen.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/cp850.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/screen.h"
#include "platform/sheets.h"

int Text_Width_in_Font(const char* text, int font) {
    if (!text) return 0;
    Pop_RFont(font);
    int left = 0, right = 0;
    pxQTxX(text, -1, &left, &right);
    Push_RFont();
    return right - left;
}

// ---- hit test ----

static int s_hit_tolerance = 3;

void Set_Hit_Tolerance(int pixels) { s_hit_tolerance = pixels; }
int Get_Hit_Tolerance(void) { return s_hit_tolerance; }

int Point_Near_Segment(int x0, int y0, int x1, int y1, int px, int py) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return 0;
    const int t = s_hit_tolerance;
    if (px < std::min(x0, x1) - t || px > std::max(x0, x1) + t || py < std::min(y0, y1) - t ||
        py > std::max(y0, y1) + t)
        return 0;
    const double distance = std::fabs(dx * (py - y0) - dy * (px - x0)) / length;
    return distance <= t ? 1 : 0;
}

// ---- zoom animation ----

static int s_zoom_steps = 10, s_zoom_delay = 15;

void Set_Zoom_Animation(int steps, int delay_ms) {
    if (steps < 0) {
        s_zoom_steps = 10;
        s_zoom_delay = 15;
        return;
    }
    s_zoom_steps = steps;
    s_zoom_delay = delay_ms;
}

static void outline(int x1, int y1, int x2, int y2) {
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

void Animate_Zoom_Rectangle(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3) {
    const int colour = pxQFgc();
    pxSBop(PX_OP_XOR);
    pxFgc(100);
    for (int k = 0; k <= s_zoom_steps; ++k) {
        const double f = static_cast<double>(k) / (s_zoom_steps + 1);
        auto at = [f](int a, int b) { return static_cast<int>(std::lround(a + f * (b - a))); };
        const int a1 = at(x0, x2), b1 = at(y0, y2), a2 = at(x1, x3), b2 = at(y1, y3);
        outline(a1, b1, a2, b2);
        pxFlsh();
        VEKSleep(s_zoom_delay);
        outline(a1, b1, a2, b2);  // exclusive or: the second drawing erases
    }
    pxFgc(colour);
    pxSBop(PX_OP_COPY);
}

// ---- rubber rectangle ----

void Drag_Rubber_Rectangle(int x0, int y0, int* x1_out, int* y1_out) {
    const int colour = pxQFgc();
    Get_Mouse_Event();
    msVisi(-1);
    pxSBop(PX_OP_XOR);
    pxFgc(2);
    int x = M_XPOS, y = M_YPOS;
    outline(x0, y0, x, y);
    // The stand-in lets a held button go when no event is left, so the
    // loop ends by itself.
    while (M_LEFT) {
        if (Get_Mouse_Event() == VEK_MSG_CLOSE) break;
        if (M_XPOS == x && M_YPOS == y) continue;
        outline(x0, y0, x, y);
        x = M_XPOS;
        y = M_YPOS;
        outline(x0, y0, x, y);
    }
    outline(x0, y0, x, y);
    pxSBop(PX_OP_COPY);
    pxFgc(colour);
    msVisi(0);
    if (x1_out) *x1_out = x;
    if (y1_out) *y1_out = y;
}

// ---- picture sheet ----

// The face of its button: "OK" in 32 x 21 pixels, one bit each, the left
// pixel in the high bit.
static const VEKRaster* ok_face() {
    static const char* const rows[21] = {
        "", "", "", "",
        "      #######     ##     ##",
        "     ##     ##    ##    ##",
        "    ##       ##   ##   ##",
        "    ##       ##   ##  ##",
        "    ##       ##   ## ##",
        "    ##       ##   ####",
        "    ##       ##   ## ##",
        "    ##       ##   ##  ##",
        "    ##       ##   ##   ##",
        "     ##     ##    ##    ##",
        "      #######     ##     ##",
        "", "", "", "", "", "",
    };
    static unsigned char bits[21 * 4];
    static const VEKRaster face = {32, 21, bits};
    for (int row = 0; row < 21; ++row)
        for (int col = 0; rows[row][col] && col < 32; ++col)
            if (rows[row][col] == '#') bits[row * 4 + col / 8] |= static_cast<unsigned char>(0x80 >> (col % 8));
    return &face;
}

void Show_Picture_Sheet(const char* title, const char* bitmap, int width, int height) {
    const int w = width + 4, h = height + 66;
    const int cx = pxScreenWidth() / 2, cy = pxScreenHeight() / 2;
    const int x1 = cx - w / 2, y1 = cy - h / 2, x2 = x1 + w - 1, y2 = y1 + h - 1;
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title ? title : "", 10, 1)) return;
    const int button = Add_Single_Button_to_PS(cx - 18, y2 - 29, 1, 1, nullptr, ok_face(), 0);
    Activate_Prop_Sheet();
    if (bitmap) pxDrawTransparentDIB(bitmap, x1 + 2, y1 + 32, x1 + 1 + width, y1 + 31 + height, 0, -1, -1, -1, -1);
    pxFlsh();
    Move_Mouse_Cursor_to_Button_of_PS(button);
    Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
}

// ---- the saved rectangle ----

static std::vector<unsigned char> s_saved;
static int s_saved_rect[4];
static bool s_has_saved = false;

static void save_rectangle(int x0, int y0, int x1, int y1) {
    s_saved.assign(pxQSvR(x0, y0, x1, y1), 0);
    pxSvRc(x0, y0, x1, y1, s_saved.data());
    s_saved_rect[0] = x0;
    s_saved_rect[1] = y0;
    s_saved_rect[2] = x1;
    s_saved_rect[3] = y1;
    s_has_saved = true;
}

void Save_And_Clear_Rectangle(int x0, int y0, int x1, int y1) {
    save_rectangle(x0, y0, x1, y1);
    const int colour = pxQFgc();
    pxFgc(GetVEKColor(-1));
    pxRect(x0, y0, x1, y1);
    pxFgc(colour);
}

void Restore_Saved_Rectangle(void) {
    if (!s_has_saved) return;
    pxStRc(s_saved_rect[0], s_saved_rect[1], s_saved_rect[2], s_saved_rect[3], s_saved.data());
    s_has_saved = false;
}

// ---- progress bars ----

struct ProgressBar {
    int in_use, x, y, width, framed, filled;
    double delay;
};
static ProgressBar s_bars[PROGRESS_BAR_SLOTS];
static int s_bar_colour[8];
static int s_bar_black, s_bar_light, s_bar_empty;

static void fill_colour(int colour, int x1, int y1, int x2, int y2) {
    pxFgc(colour);
    pxRect(x1, y1, x2, y2);
}

int Open_Progress_Bar(int x, int y, int width, int framed) {
    int slot = -1;
    for (int i = 0; i < PROGRESS_BAR_SLOTS && slot < 0; ++i)
        if (!s_bars[i].in_use) slot = i;
    if (slot < 0) return -1;
    static const int rgb[8][3] = {{32, 96, 192},  {0, 127, 207},   {113, 175, 229}, {166, 202, 240},
                                  {113, 175, 229}, {0, 127, 207}, {32, 96, 192},   {32, 64, 128}};
    for (int i = 0; i < 8; ++i) s_bar_colour[i] = Nearest_Color_Index(rgb[i][0], rgb[i][1], rgb[i][2]);
    s_bar_black = Nearest_Color_Index(0, 0, 0);
    s_bar_light = Nearest_Color_Index(255, 251, 240);
    s_bar_empty = Nearest_Color_Index(235, 245, 225);
    s_bars[slot] = {1, x, y, width, framed, 0, 0.0};
    const int colour = pxQFgc();
    if (framed) {
        Save_And_Clear_Rectangle(x - 10, y - 10, x + width + 20, y + 28);
        Draw_Prop_Sheet_Box(x - 10, y - 10, x + width + 10, y + 18);
    }
    fill_colour(s_bar_empty, x, y, x + width, y + 7);
    pxFgc(s_bar_black);
    pxLine(x - 1, y - 1, x + width + 1, y - 1);
    pxLine(x - 1, y - 1, x - 1, y + 8);
    pxFgc(s_bar_light);
    pxLine(x - 1, y + 8, x + width + 1, y + 8);
    pxLine(x + width + 1, y - 1, x + width + 1, y + 8);
    pxFgc(colour);
    return slot;
}

static ProgressBar* bar_in_use(int slot) {
    if (slot < 0 || slot >= PROGRESS_BAR_SLOTS || !s_bars[slot].in_use) return nullptr;
    return &s_bars[slot];
}

void Set_Progress_Bar(int slot, double fraction) {
    ProgressBar* b = bar_in_use(slot);
    if (!b) return;
    long filled = std::lround(b->width * fraction);
    if (!(filled >= 0)) filled = 0;  // also for a fraction that is no number
    if (filled > b->width) filled = b->width;
    const int colour = pxQFgc();
    if (filled > b->filled) {
        for (int row = 0; row < 8; ++row) {
            pxFgc(s_bar_colour[row]);
            pxLine(b->x + b->filled, b->y + row, b->x + static_cast<int>(filled), b->y + row);
        }
        pxFgc(s_bar_black);
        pxLine(b->x + static_cast<int>(filled), b->y, b->x + static_cast<int>(filled), b->y + 7);
    } else if (filled < b->filled) {
        fill_colour(s_bar_empty, b->x + static_cast<int>(filled), b->y, b->x + b->filled, b->y + 7);
    }
    pxFgc(colour);
    b->filled = static_cast<int>(filled);
    pxFlsh();
    if (b->delay > 0.0) Wait_Seconds(b->delay);
}

void Set_Progress_Bar_Delay(int slot, double seconds) {
    if (ProgressBar* b = bar_in_use(slot)) b->delay = seconds;
}

void Close_Progress_Bar(int slot) {
    ProgressBar* b = bar_in_use(slot);
    if (!b) return;
    if (b->framed) {
        Restore_Saved_Rectangle();
    } else {
        const int colour = pxQFgc();
        fill_colour(GetVEKColor(-1), b->x - 1, b->y - 1, b->x + b->width + 1, b->y + 8);
        pxFgc(colour);
    }
    b->in_use = 0;
}

// ---- buttons ----

void Reset_Button_Look(int button, int snap, const char* comment) {
    Reset_Button_Frame(button);
    Change_Action_State_PS(button, 0);
    if (snap) Snap_Colored_Layout_of_Single_Button(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
}

// ---- sand-clock ----

static int s_clock_x, s_clock_y, s_clock_background, s_clock_frame;

void Start_Sandclock(int x, int y, int background) {
    s_clock_x = x;
    s_clock_y = y;
    s_clock_background = background;
    s_clock_frame = 0;
    Start_Clock_Timeout(0.0);
}

void Step_Sandclock(void) {
    if (!Clock_Timeout_Reached()) return;
    const int colour = pxQFgc();
    fill_colour(s_clock_background, s_clock_x, s_clock_y, s_clock_x + 31, s_clock_y + 61);
    pxFgc(colour);
    const int sx = 31 * s_clock_frame;
    pxDrawPartialTransparentDIB("animsandclock.bmp", sx, 0, sx + 30, 61, s_clock_x, s_clock_y, s_clock_x + 31,
                                s_clock_y + 61, 0, -1, -1, -1, -1);
    pxFlsh();
    s_clock_frame = (s_clock_frame + 1) % 12;
    Start_Clock_Timeout(0.05);
}

// ---- picture viewer ----

static int s_viewer_id = -1;

void Show_Picture_in_Viewer(const char* file) {
    char unused[8];
    if (s_viewer_id != -1 && CheckVEKProcess(s_viewer_id, unused) != 1) {
        ShowVEKProcessWindow(s_viewer_id, 4);
        return;
    }
    const char* exec = VEKGetEnv("EXEC");
    if (!exec) {
        Init_Message();
        Set_Message_Title("Installationsfehler");
        Fill_Message("%s", "Das EXEC-Verzeichnis");
        Fill_Message("%s", "ist nicht ermittelbar!");
        Draw_Message();
        return;
    }
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(path, sizeof path, exec, "BILDSCHAU.EXE") || _access(path, 1) != 0) {
        Init_Message();
        Set_Message_Title("Installationsproblem");
        Fill_Message("%s", "Das VEK-Werkzeug");
        Fill_Message("%s", "- BILDSCHAU -");
        Fill_Message("%s", "ist nicht installiert!");
        Draw_Message();
        return;
    }
    const char* argv[] = {path, file ? file : "", nullptr};
    s_viewer_id = VEKSpawnv(2, path, argv);
}
