/* sheets.cpp -- property sheets of the headless stand-in.
 *
 * Sheets and their elements are records with hit rectangles; the sheet
 * stack's top receives new elements and is the one Edit_Prop_Sheet works
 * on.  Elements live in one table keyed by their id so that the element
 * calls need not know the sheet.  Drawing goes through the screen's px
 * calls; scrollable areas are painted by their owner's callback, clipped to
 * the area and run synchronously.
 */
#include "platform/sheets.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/events.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/helpview.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/tool_tip.h"

/* The faces of the symbolic buttons, 27 x 20 pixels: a tick (OK, yes) and
 * a cross (break, no); the more button is blank. */
static const unsigned char tick_bits[] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x60, 0x00,
    0x00, 0x00, 0xc0, 0x00, 0x00, 0x01, 0x80, 0x00, 0x00, 0x03, 0x00, 0x00,
    0x04, 0x06, 0x00, 0x00, 0x06, 0x0c, 0x00, 0x00, 0x03, 0x18, 0x00, 0x00,
    0x01, 0xb0, 0x00, 0x00, 0x00, 0xe0, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};
static const unsigned char cross_bits[] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xc0, 0x60, 0x00,
    0x00, 0x60, 0xc0, 0x00, 0x00, 0x31, 0x80, 0x00, 0x00, 0x1b, 0x00, 0x00,
    0x00, 0x0e, 0x00, 0x00, 0x00, 0x0e, 0x00, 0x00, 0x00, 0x1b, 0x00, 0x00,
    0x00, 0x31, 0x80, 0x00, 0x00, 0x60, 0xc0, 0x00, 0x00, 0xc0, 0x60, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};
static const VEKRaster ok_raster = {27, 20, tick_bits};
static const VEKRaster break_raster = {27, 20, cross_bits};
static const VEKRaster more_raster = {27, 20, nullptr};
static const VEKRaster yes_raster = {27, 20, tick_bits};
static const VEKRaster no_raster = {27, 20, cross_bits};
const VEKRaster* const SYMBOLIC_OK_RASTER = &ok_raster;
const VEKRaster* const SYMBOLIC_BREAK_RASTER = &break_raster;
const VEKRaster* const SYMBOLIC_MORE_RASTER = &more_raster;
const VEKRaster* const SYMBOLIC_YES_RASTER = &yes_raster;
const VEKRaster* const SYMBOLIC_NO_RASTER = &no_raster;

enum { MAX_SHEETS = 32, CHAR_W = 8, FIELD_H = 20, ROW_H = 16, SLIDER_W = 17, KEPT_TEXT = 255,
       STEP_W = 11, STEP_H = 10 };

namespace {
enum Kind { BUTTON, HELP, ESCAPE, REGISTER, MEMBER, TEXT, FLOAT, LOGICAL, STRINGLIST, AREA, VSLIDER, HSLIDER };

struct Rect {
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

struct Element {
    int id = 0;
    Kind kind = BUTTON;
    int sheet = 0;
    Rect r;
    int code = 0;
    int active = 1;
    int action_state = 0;
    bool mouse_move = false;
    const VEKRaster* raster = nullptr;
    std::string text;       /* face text, help topic, comment */
    std::string comment;
    int owner = 0;          /* register of a member, area of a slider */
    int selected = 0;       /* register: selected member */
    double* value = nullptr;
    char* buffer = nullptr;
    int width = 0;
    int scroll_length = 0;  /* text field: the most characters typed (0: width) */
    std::string format;
    int* flag = nullptr;
    std::vector<std::string> rows;
    VEKScrollDrawFct draw = nullptr;
    void* user = nullptr;
    int ox = 0, oy = 0, content_w = 0, content_h = 0, draws = 0, frame = 1;
    /* float field with step buttons: its range and step, and where the
     * buttons start (the field's own right edge + 1) */
    bool stepped = false;
    double step_min = 0.0, step = 0.0, step_max = 0.0;
    int step_x = 0;
    /* button face snapped from the screen (pxSvRc bytes) */
    std::vector<unsigned char> face;
};

/* A panel line or label drawn on a sheet (see sheets.h); a label tied to a
 * button takes its colour from the button's activity. */
struct Decoration {
    enum { LINE, TEXT, SPECIAL, BUTTON_TEXT } kind = LINE;
    int look = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0, font = 0;
    int button = 0, colour = 0, inactive_colour = 0;
    std::string text;
};

struct Sheet {
    int id = 0;
    Rect r;
    std::string title;
    bool framed = true;
    bool activated = false;
    int click_outside = 0;
    int dx = 0, dy = 0;
    bool float_auto = false;
    int windows_ok = 0;  /* id of the window's OK button, 0 when none */
    int windows_break = 0;  /* code of the window's break (Escape), 0 when none */
    std::vector<int> elements;
    std::vector<Decoration> decorations;
    std::vector<int> under;  /* the screen under the sheet when it was defined (pxSvRc) */
};
}

static std::vector<Sheet> sheets;

/* A closed sheet whose picture still stands: its rectangle, the screen
 * under it when it was defined and its own last look. */
struct Closed_Sheet {
    Rect r;
    std::vector<int> under, look;
};
static std::vector<Closed_Sheet> closed_sheets;
static int tip_element = 0;  /* the element whose comment shows as the tool tip, 0 none */
static std::map<int, Element> elements;
static int next_id = 1;
static Rect screen_base;
static bool base_set = false;
static bool no_frame_next = false;
static void (*call_always)(void) = nullptr;
static int call_always_on = 0;
static int (*call_sometimes)(void) = nullptr;
static std::string last_help;
static int min_max_size[4] = {0, 0, 0, 0};

static Rect base_rect(void)
{
    if (base_set) return screen_base;
    Rect r;
    r.x1 = 0;
    r.y1 = 0;
    r.x2 = NPIXEL_X - 1;
    r.y2 = NPIXEL_Y - 1;
    return r;
}

static Element* find(int id)
{
    auto it = elements.find(id);
    return it == elements.end() ? nullptr : &it->second;
}

/* Adds an element to the top sheet; 0 without a sheet. */
static int add(Element e)
{
    if (sheets.empty()) return 0;
    e.id = next_id++;
    e.sheet = sheets.back().id;
    elements[e.id] = e;
    sheets.back().elements.push_back(e.id);
    return e.id;
}

static Rect rect_of(int x1, int y1, int x2, int y2)
{
    Rect r;
    r.x1 = x1 < x2 ? x1 : x2;
    r.x2 = x1 < x2 ? x2 : x1;
    r.y1 = y1 < y2 ? y1 : y2;
    r.y2 = y1 < y2 ? y2 : y1;
    return r;
}

/* ---- drawing ---- */

static void repaint_area(Element& a)
{
    if (a.kind != AREA || a.active != 1 || !a.draw) return;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(a.r.x1, a.r.y1, a.r.x2, a.r.y2);
    ++a.draws;
    a.draw(a.r.x1, a.r.y1, a.r.x2, a.r.y2, a.ox, a.oy, 0, a.user);
    pxView(vx1, vy1, vx2, vy2);
}

static void draw_box(const Rect& r, int fill, int border)
{
    pxFgc(fill);
    pxRect(r.x1, r.y1, r.x2, r.y2);
    pxFgc(border);
    pxLine(r.x1, r.y1, r.x2, r.y1);
    pxLine(r.x2, r.y1, r.x2, r.y2);
    pxLine(r.x2, r.y2, r.x1, r.y2);
    pxLine(r.x1, r.y2, r.x1, r.y1);
}

/* Whether `f` may print one double; anything else is never used as a
 * format. */
static bool is_double_format(const std::string& f)
{
    return f.size() == std::strlen(f.c_str()) && VEK_Format_Takes_One(f.c_str(), "eEfFgG");
}

/* The one-bit face of a raster centred in the rectangle, in the current
 * colour. */
static void draw_raster_bits(const Rect& r, const VEKRaster* raster)
{
    if (!raster || !raster->bits) return;
    int stride = (raster->width + 7) / 8;
    int x0 = (r.x1 + r.x2 + 1 - raster->width) / 2, y0 = (r.y1 + r.y2 + 1 - raster->height) / 2;
    for (int y = 0; y < raster->height; ++y)
        for (int x = 0; x < raster->width; ++x)
            if (raster->bits[y * stride + x / 8] & (0x80 >> (x % 8))) pxDot(x0 + x, y0 + y);
}

/* An arrow of a step button in its box: pointing up or down. */
static void draw_step_button(int x1, int y1, bool up, int ink)
{
    Rect r;
    r.x1 = x1;
    r.y1 = y1;
    r.x2 = x1 + STEP_W - 1;
    r.y2 = y1 + STEP_H - 1;
    draw_box(r, BUTTON_CI, ink);
    pxFgc(ink);
    for (int k = 0; k < 3; ++k) {
        int row = up ? y1 + 3 + k : y1 + STEP_H - 4 - k;
        pxLine(x1 + 5 - k, row, x1 + 5 + k, row);
    }
}

/* A float field's value as its format prints it ("%g" for a format that
 * is not one of a double). */
static std::string float_text(const Element& e)
{
    char buf[128] = "";
    if (!e.value) return buf;
    if (is_double_format(e.format)) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        std::snprintf(buf, sizeof buf, e.format.c_str(), *e.value);
#pragma GCC diagnostic pop
    } else {
        std::snprintf(buf, sizeof buf, "%g", *e.value);
    }
    return buf;
}

static void draw_element(const Element& e)
{
    int ink = e.active == 1 ? BLACK_CI : DGREY_CI;
    switch (e.kind) {
    case BUTTON:
    case HELP:
    case LOGICAL:
        if (e.kind == BUTTON && !e.face.empty()) {
            pxStRc(e.r.x1, e.r.y1, e.r.x2, e.r.y2, e.face.data());
            if (e.action_state) {
                pxFgc(ink);
                pxLine(e.r.x1, e.r.y1, e.r.x2, e.r.y1);
                pxLine(e.r.x2, e.r.y1, e.r.x2, e.r.y2);
                pxLine(e.r.x2, e.r.y2, e.r.x1, e.r.y2);
                pxLine(e.r.x1, e.r.y2, e.r.x1, e.r.y1);
            }
            break;
        }
        draw_box(e.r, BUTTON_CI, ink);
        pxFgc(ink);
        draw_raster_bits(e.r, e.raster);
        if (e.kind == BUTTON && !e.text.empty()) {
            pxFgc(ink);
            pxText(e.r.x1 + CHAR_W, e.r.y2 - 6, e.text.c_str(), (int)e.text.size());
        }
        if (e.kind == HELP) {
            pxFgc(ink);
            pxText(e.r.x1 + 7, e.r.y2 - 6, "?", 1);
        }
        if (e.kind == LOGICAL && e.flag && *e.flag) {
            pxFgc(ink);
            pxLine(e.r.x1 + 3, e.r.y1 + 3, e.r.x2 - 3, e.r.y2 - 3);
            pxLine(e.r.x1 + 3, e.r.y2 - 3, e.r.x2 - 3, e.r.y1 + 3);
        }
        break;
    case TEXT:
    case FLOAT: {
        draw_box(e.r, WHITE_CI, ink);
        char buf[128] = "";
        if (e.kind == FLOAT) std::snprintf(buf, sizeof buf, "%s", float_text(e).c_str());
        if (e.kind == TEXT && e.buffer) std::snprintf(buf, sizeof buf, "%.*s", e.width, e.buffer);
        pxFgc(ink);
        pxText(e.r.x1 + 3, e.r.y2 - 5, buf, (int)std::strlen(buf));
        if (e.stepped) {
            draw_step_button(e.step_x, e.r.y1, true, ink);
            draw_step_button(e.step_x, e.r.y1 + STEP_H, false, ink);
        }
        break;
    }
    case STRINGLIST:
        draw_box(e.r, WHITE_CI, ink);
        pxFgc(ink);
        for (size_t i = 0; i < e.rows.size() && e.r.y1 + 2 + (int)(i + 1) * ROW_H <= e.r.y2 + 1; ++i)
            pxText(e.r.x1 + 3, e.r.y1 + (int)(i + 1) * ROW_H - 2, e.rows[i].c_str(), (int)e.rows[i].size());
        break;
    case MEMBER: {
        const Element* reg = find(e.owner);
        const bool chosen = reg && reg->selected == e.id;
        if (e.face.empty()) {
            draw_box(e.r, chosen ? WHITE_CI : BUTTON_CI, ink);
            break;
        }
        /* A tab over its picture: the picture, framed; the chosen tab with
         * a double frame and a bar of the program colour along its top. */
        pxStRc(e.r.x1, e.r.y1, e.r.x2, e.r.y2, e.face.data());
        pxFgc(chosen ? ink : DGREY_CI);
        for (int k = 0; k < (chosen ? 2 : 1); ++k) {
            pxLine(e.r.x1 + k, e.r.y1 + k, e.r.x2 - k, e.r.y1 + k);
            pxLine(e.r.x1 + k, e.r.y1 + k, e.r.x1 + k, e.r.y2);
            pxLine(e.r.x2 - k, e.r.y1 + k, e.r.x2 - k, e.r.y2);
        }
        if (chosen) {
            pxFgc(GetVEKColor(-21));
            pxRect(e.r.x1 + 2, e.r.y1 + 2, e.r.x2 - 2, e.r.y1 + 4);
        }
        break;
    }
    case VSLIDER:
    case HSLIDER:
        draw_box(e.r, LGREY_CI, ink);
        break;
    case REGISTER:
        pxFgc(BLACK_CI);
        pxLine(e.r.x1, e.r.y1 + e.width, e.r.x2, e.r.y1 + e.width);
        break;
    case ESCAPE:
    case AREA:
        break;
    }
}

/* ---- drawings on the sheet ---- */

/* A text in the current colour at (x, y), bold by a second copy one pixel
 * to the right when the font word asks for it. */
static void styled_text(int x, int y, const std::string& text, int font)
{
    Pop_RFont(font & RFONT_WORD_BITS);
    pxText(x, y, text.c_str(), (int)text.size());
    if (font & 0x10000) pxText(x + 1, y, text.c_str(), (int)text.size());
    Push_RFont();
}

/* Draws a marked-up label piece by piece (see Draw_Special_Text_to_PS). */
static void draw_special(int x, int y, const std::string& text, int font)
{
    const int small = RFONT_SMALL | (font & 0x10000);
    bool sub = false, sup = false, bold = (font & 0x10000) != 0;
    std::string piece;
    auto flush = [&]() {
        if (piece.empty()) return;
        int f = sub || sup ? small : font;
        if (bold) f |= 0x10000;
        else f &= ~0x10000;
        int dy = sub ? 3 : sup ? -5 : 0;
        styled_text(x, y + dy, piece, f);
        x += RFont_Text_Width(f & RFONT_WORD_BITS, piece.c_str(), (int)piece.size()) +
             RFont_Metrics(f & RFONT_WORD_BITS)->space + (bold ? 1 : 0);
        piece.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = (unsigned char)text[i];
        if (c != 0xCE) {
            piece += (char)c;
            continue;
        }
        flush();
        if (++i >= text.size()) break;
        switch (text[i]) {
        case '\\': sub = true; sup = false; break;
        case '/': sup = true; sub = false; break;
        case 'b': bold = true; break;
        case 'r': sub = sup = false; bold = (font & 0x10000) != 0; break;
        case 't': piece += ' '; break;
        case '{': {
            size_t end = text.find('}', i);
            i = end == std::string::npos ? text.size() : end;
            break;
        }
        default: break;
        }
    }
    flush();
}

static void draw_decoration(const Decoration& d)
{
    int kept = pxQFgc();
    if (d.kind == Decoration::LINE) {
        int style = pxQSLn();
        pxSLn(PX_LINE_SOLID);
        bool sunken = d.look == 1 || d.look == 3 || d.look == 4;
        bool raised = d.look == 2 || d.look == 5;
        bool flat = (d.y2 - d.y1) * (d.y2 - d.y1) <= (d.x2 - d.x1) * (d.x2 - d.x1);
        int ox = flat ? 0 : 1, oy = flat ? 1 : 0;
        pxFgc(raised ? -2 : -15);
        pxLine(d.x1, d.y1, d.x2, d.y2);
        if (sunken || raised) {
            pxFgc(raised ? -15 : -2);
            pxLine(d.x1 + ox, d.y1 + oy, d.x2 + ox, d.y2 + oy);
        }
        pxSLn(style);
    } else if (d.kind == Decoration::BUTTON_TEXT) {
        const Element* b = find(d.button);
        pxFgc(b && b->active == 1 ? d.colour : d.inactive_colour);
        styled_text(d.x1, d.y1, d.text, d.font);
    } else {
        pxFgc(d.look == 1 ? DGREY_CI : -6);
        if (d.kind == Decoration::TEXT) styled_text(d.x1, d.y1, d.text, d.font);
        else draw_special(d.x1, d.y1, d.text, d.font);
    }
    pxFgc(kept);
}

/* Keeps the drawing with the top sheet and draws it unless the sheet still
 * waits for its activation. */
static void decorate(const Decoration& d)
{
    if (!sheets.empty()) sheets.back().decorations.push_back(d);
    if (sheets.empty() || sheets.back().activated) draw_decoration(d);
}

void Draw_Funny_Line_to_PS(int look, int x1, int y1, int x2, int y2)
{
    Decoration d;
    d.kind = Decoration::LINE;
    d.look = look;
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    decorate(d);
}

static void decorate_text(int kind, int x, int y, const char* text, int font, int look)
{
    if (!text) return;
    Decoration d;
    d.kind = kind == Decoration::TEXT ? Decoration::TEXT : Decoration::SPECIAL;
    d.x1 = x;
    d.y1 = y;
    d.font = font;
    d.look = look;
    d.text.assign(text, strnlen(text, KEPT_TEXT));
    decorate(d);
}

void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int look)
{
    decorate_text(Decoration::TEXT, x, y, text, font, look);
}

void Draw_Special_Text_to_PS(int x, int y, const char* text, int font, int look)
{
    decorate_text(Decoration::SPECIAL, x, y, text, font, look);
}

void Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour,
                                                int inactive_colour)
{
    const Element* b = find(button);
    if (!text || !b) return;
    Decoration d;
    d.kind = Decoration::BUTTON_TEXT;
    /* A face wider than the program reckoned with must not cover its label. */
    d.x1 = x > b->r.x2 + 3 ? x : b->r.x2 + 4;
    d.y1 = y;
    d.font = font;
    d.button = button;
    d.colour = colour;
    d.inactive_colour = inactive_colour;
    d.text.assign(text, strnlen(text, KEPT_TEXT));
    decorate(d);
}

/* The drawings of sheet `top`; with a button id only the labels tied to it. */
static void draw_decorations(size_t top, int button = 0)
{
    if (top >= sheets.size()) return;
    const std::vector<Decoration> kept = sheets[top].decorations;  /* drawing defines nothing */
    for (const Decoration& d : kept)
        if (!button || (d.kind == Decoration::BUTTON_TEXT && d.button == button)) draw_decoration(d);
}

/* ---- sheet stack ---- */

void Init_Prop_Sheets(void)
{
    Exit_Prop_Sheets();
}

void Exit_Prop_Sheets(void)
{
    sheets.clear();
    closed_sheets.clear();
    elements.clear();
    no_frame_next = false;
    call_sometimes = nullptr;
}

void VEK_Reset_Prop_Sheets(void)
{
    Exit_Prop_Sheets();
    base_set = false;
    call_always = nullptr;
    call_always_on = 0;
    last_help.clear();
    for (int& v : min_max_size) v = 0;
    tip_element = 0;
    VEK_Reset_Tool_Tip();
}

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2)
{
    screen_base = rect_of(x1, y1, x2, y2);
    base_set = true;
}

void Set_NoFrameFlag_to_Next_PropSheet(void)
{
    no_frame_next = true;
}

int Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2)
{
    if (!x1 || !y1 || !x2 || !y2) return 0;
    Rect b = base_rect();
    int ox1 = *x1, oy1 = *y1, ox2 = *x2, oy2 = *y2;
    auto fit = [](int* a, int* c, int lo, int hi) {
        if (*c - *a > hi - lo) { *a = lo; *c = hi; return; }
        if (*a < lo) { *c += lo - *a; *a = lo; }
        if (*c > hi) { *a -= *c - hi; *c = hi; }
    };
    fit(x1, x2, b.x1, b.x2);
    fit(y1, y2, b.y1, b.y2);
    return ox1 != *x1 || oy1 != *y1 || ox2 != *x2 || oy2 != *y2;
}

/* The sheet's frame, background and title. */
static void paint_frame(const Sheet& s)
{
    if (!s.framed) return;
    int kept = pxQFgc();
    draw_box(s.r, MENUE_CI, BLACK_CI);
    if (!s.title.empty()) {
        pxFgc(BLACK_CI);
        pxText(s.r.x1 + 10, s.r.y1 + 20, s.title.c_str(), (int)s.title.size());
    }
    pxFgc(kept);
}

/* The screen of a rectangle (cut to the screen) as pxSvRc gives it. */
static std::vector<int> screen_of(const Rect& r)
{
    std::vector<int> pixels(pxQSvR(r.x1, r.y1, r.x2, r.y2) / sizeof(int));
    if (!pixels.empty()) pxSvRc(r.x1, r.y1, r.x2, r.y2, pixels.data());
    return pixels;
}

/* A closed sheet stays on the screen until the page draws over it. When a
 * sheet opens first (a file dialog after the question that asked for it),
 * what lay under each closed sheet still standing as it was left is put
 * back, so that the new sheet does not stand over the old one: all are
 * looked at before any is put back, then put back in the order they closed
 * (the upper first). A closed sheet the page drew over in part is left
 * alone: what lay under it then is no longer the page. */
static void put_back_closed_sheets(void)
{
    std::vector<bool> standing;
    for (const Closed_Sheet& c : closed_sheets)
        standing.push_back(!c.under.empty() && c.under.size() == c.look.size() && screen_of(c.r) == c.look);
    for (size_t i = 0; i < closed_sheets.size(); ++i) {
        const Closed_Sheet& c = closed_sheets[i];
        if (standing[i]) pxStRc(c.r.x1, c.r.y1, c.r.x2, c.r.y2, c.under.data());
    }
    closed_sheets.clear();
}

/* The frame is painted when the sheet is defined, where the window library
 * opens it: what the program draws onto the sheet before activating it
 * (panels, pictures) stays. */
int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int, int, const char* title, int, int)
{
    if ((int)sheets.size() >= MAX_SHEETS) return 0;
    Sheet s;
    s.id = next_id++;
    s.r = rect_of(x1, y1, x2, y2);
    s.title = title ? title : "";
    s.framed = !no_frame_next;
    no_frame_next = false;
    put_back_closed_sheets();
    s.under.resize(pxQSvR(s.r.x1, s.r.y1, s.r.x2, s.r.y2) / sizeof(int));
    if (!s.under.empty()) pxSvRc(s.r.x1, s.r.y1, s.r.x2, s.r.y2, s.under.data());
    sheets.push_back(std::move(s));
    paint_frame(sheets.back());
    return sheets.back().id;
}

/* Draws every element of sheet `top`.  A draw callback may define sheets
 * (the stack then grows and may move) or elements: the sheet is reached
 * through its index and its element list by position after every element,
 * so no reference into the stack outlives a callback. */
static void draw_elements(size_t top)
{
    for (size_t i = 0; top < sheets.size() && i < sheets[top].elements.size(); ++i) {
        Element* e = find(sheets[top].elements[i]);
        if (!e) continue;
        draw_element(*e);
        repaint_area(*e);
    }
}

/* 1 when the rectangle (cut to the screen) is of one colour. */
static bool plain_rect(const Rect& r)
{
    const int first = pxGetPixel(r.x1, r.y1);
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) {
            const int c = pxGetPixel(x, y);
            if (c >= 0 && c != first) return false;
        }
    return true;
}

/* A program that draws its register heads as one picture before the
 * register (the window library draws the tabs over it, letting it show)
 * gets tabs that keep the picture under them as their face, taken when
 * the sheet is first shown.  Tabs over plain colour keep the stand-in's
 * filled look, with labels written on them. */
static void take_tab_faces(const Sheet& s)
{
    for (int id : s.elements) {
        Element* e = find(id);
        if (!e || e->kind != MEMBER || !e->face.empty() || e->r.x2 <= e->r.x1 || plain_rect(e->r)) continue;
        e->face.assign(pxQSvR(e->r.x1, e->r.y1, e->r.x2, e->r.y2), 0);
        if (!e->face.empty()) pxSvRc(e->r.x1, e->r.y1, e->r.x2, e->r.y2, e->face.data());
    }
}

int Activate_Prop_Sheet(void)
{
    if (sheets.empty()) return 0;
    const size_t top = sheets.size() - 1;
    Sheet& s = sheets[top];
    if (!s.activated) take_tab_faces(s);
    /* A sheet activated again is painted afresh. */
    if (s.activated) paint_frame(s);
    s.activated = true;
    draw_elements(top);
    draw_decorations(top);
    pxFlsh();
    return 1;
}

void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2)
{
    const int colour = pxQFgc();
    draw_box(Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}, MENUE_CI, BLACK_CI);
    pxFgc(colour);
}

int Undefine_Prop_Sheet(void)
{
    if (sheets.empty()) return 0;
    for (int id : sheets.back().elements) elements.erase(id);
    Sheet& s = sheets.back();
    if (!s.under.empty() && closed_sheets.size() < MAX_SHEETS)
        closed_sheets.push_back(Closed_Sheet{s.r, std::move(s.under), screen_of(s.r)});
    sheets.pop_back();
    return 1;
}

int VEK_Prop_Sheet_Count(void) { return (int)sheets.size(); }

void Prop_Sheet_Displacement(int* dx, int* dy)
{
    if (dx) *dx = sheets.empty() ? 0 : sheets.back().dx;
    if (dy) *dy = sheets.empty() ? 0 : sheets.back().dy;
}

void Inquire_Prop_Sheet_Displacement(int* dx, int* dy) { Prop_Sheet_Displacement(dx, dy); }

void VEK_Set_Prop_Sheet_Displacement(int dx, int dy)
{
    if (sheets.empty()) return;
    sheets.back().dx = dx;
    sheets.back().dy = dy;
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode(void)
{
    if (!sheets.empty()) sheets.back().float_auto = true;
}

void VEKSetMinMaxSize(int min_width, int min_height, int max_width, int max_height)
{
    min_max_size[0] = min_width;
    min_max_size[1] = min_height;
    min_max_size[2] = max_width;
    min_max_size[3] = max_height;
}

void VEK_Window_Min_Max_Size(int* min_width, int* min_height, int* max_width, int* max_height)
{
    if (min_width) *min_width = min_max_size[0];
    if (min_height) *min_height = min_max_size[1];
    if (max_width) *max_width = min_max_size[2];
    if (max_height) *max_height = min_max_size[3];
}

/* ---- elements ---- */

static Element make(Kind kind, Rect r, int active, int code)
{
    Element e;
    e.kind = kind;
    e.r = r;
    e.active = active == -1 ? -1 : 1;
    e.code = code;
    return e;
}

int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text, const VEKRaster* raster,
                            int)
{
    int w = 35, h = 20;
    if (raster) {
        w = raster->width;
        h = raster->height;
    } else if (text && *text) {
        w = (int)std::strlen(text) * CHAR_W + 2 * CHAR_W;
        h = 23;
    }
    Element e = make(BUTTON, rect_of(x, y, x + w - 1, y + h - 1), active, code);
    e.raster = raster;
    if (text) e.text.assign(text, strnlen(text, KEPT_TEXT));
    return add(e);
}

int Add_Help_to_PS(int x, int y, int active, int, int, const char* topic)
{
    Element e = make(HELP, rect_of(x, y, x + 21, y + 21), active, 0);
    if (topic) e.text.assign(topic, strnlen(topic, KEPT_TEXT));
    return add(e);
}

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int code)
{
    return add(make(ESCAPE, rect_of(x1, y1, x2, y2), 1, code));
}

void Set_Escape_Area_to_MouseMoveEvent(int id)
{
    Element* e = find(id);
    if (e && e->kind == ESCAPE) e->mouse_move = true;
}

void Set_ClickOutsideEvent_to_PS(int code)
{
    if (!sheets.empty()) sheets.back().click_outside = code;
}

int Add_Register_to_PS(int x1, int y1, int x2, int y2, int tab_height)
{
    Element e = make(REGISTER, rect_of(x1, y1, x2, y2), 1, 0);
    e.width = tab_height > 0 ? tab_height : 0;
    return add(e);
}

int Add_Member_to_Register(int register_id, int x1, int x2, int active, int code)
{
    Element* reg = find(register_id);
    if (!reg || reg->kind != REGISTER) return 0;
    Element e = make(MEMBER, rect_of(x1, reg->r.y1, x2, reg->r.y1 + reg->width), active, code);
    e.owner = register_id;
    return add(e);
}

void Set_Selected_Register_Member(int member_id)
{
    Element* m = find(member_id);
    if (!m || m->kind != MEMBER) return;
    Element* reg = find(m->owner);
    if (!reg) return;
    reg->selected = member_id;
    /* On a sheet that is shown, every tab of the register is drawn anew
     * (the one left and the one chosen), and the labels on them. */
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i].id != m->sheet || !sheets[i].activated) continue;
        for (int id : sheets[i].elements) {
            Element* e = find(id);
            if (e && e->kind == MEMBER && e->owner == reg->id) draw_element(*e);
        }
        draw_decorations(i);
    }
}

int VEK_Selected_Register_Member(int register_id)
{
    Element* reg = find(register_id);
    return reg && reg->kind == REGISTER ? reg->selected : 0;
}

static Rect field_rect(int x, int y, int width)
{
    int w = width > 0 ? width : 1;
    return rect_of(x, y, x + w * CHAR_W + 7, y + FIELD_H - 1);
}

int Add_Text_to_PS(int x, int y, int width, char* text, int active, int code)
{
    Element e = make(TEXT, field_rect(x, y, width), active, code);
    e.buffer = text;
    e.width = width > 0 ? width : 1;
    return add(e);
}

void Set_Text_Button_to_ScrollMode(int id, int max_length)
{
    Element* e = find(id);
    if (e && e->kind == TEXT) e->scroll_length = max_length > e->width ? max_length : 0;
}

int Add_Float_to_PS(int x, int y, int width, const char* format, int active, int code, double* value)
{
    Element e = make(FLOAT, field_rect(x, y, width), active, code);
    e.value = value;
    e.width = width;
    if (format) e.format.assign(format, strnlen(format, 31));
    return add(e);
}

int Add_SingleStep_to_Float(int field, double minimum, double step, double maximum)
{
    Element* e = find(field);
    if (!e || e->kind != FLOAT || !(maximum >= minimum) || !(step > 0.0)) return 0;
    e->stepped = true;
    e->step_min = minimum;
    e->step = step;
    e->step_max = maximum;
    e->step_x = e->r.x2 + 1;
    return 1;
}

int Add_Logical_Button_to_PS(int x, int y, int active, int code, int* flag, int, int, const VEKRaster* on_face,
                             const VEKRaster*)
{
    int w = on_face ? on_face->width : 20, h = on_face ? on_face->height : 20;
    Element e = make(LOGICAL, rect_of(x, y, x + w - 1, y + h - 1), active, code);
    e.flag = flag;
    return add(e);
}

int Add_Stringlist_to_PS(int x, int y, int active, int code, int width, int visible_rows, int, int* row)
{
    int rows = visible_rows > 0 ? visible_rows : 1;
    Element e = make(STRINGLIST, rect_of(x, y, x + (width > 0 ? width : 1) * CHAR_W + 7, y + rows * ROW_H + 3),
                     active, code);
    e.flag = row;
    return add(e);
}

int Fill_Stringlist_of_PS(int list_id, int, const char* text)
{
    Element* e = find(list_id);
    if (!e || e->kind != STRINGLIST) return 0;
    e->rows.emplace_back(text ? std::string(text, strnlen(text, KEPT_TEXT)) : std::string());
    return (int)e->rows.size();
}

const char* VEK_Stringlist_Row(int list_id, int row)
{
    Element* e = find(list_id);
    if (!e || e->kind != STRINGLIST || row < 0 || row >= (int)e->rows.size()) return nullptr;
    return e->rows[(size_t)row].c_str();
}

int Change_Activity_PS(int id, int state)
{
    Element* e = find(id);
    if (!e) return 0;
    e->active = state == -1 ? -1 : 1;
    if (e->kind == AREA) repaint_area(*e);
    /* On a shown sheet a button, field or list takes its new look at once,
     * and so do the labels tied to it; sliders keep theirs until the sheet
     * is drawn again. */
    const bool redrawn = e->kind == BUTTON || e->kind == HELP || e->kind == LOGICAL || e->kind == TEXT ||
                         e->kind == FLOAT || e->kind == STRINGLIST;
    const int sheet = e->sheet;
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i].id != sheet || !sheets[i].activated) continue;
        if (redrawn) draw_element(*e);
        draw_decorations(i, id);
    }
    return 1;
}

int ActivState_of_Button_PS(int id)
{
    Element* e = find(id);
    return e ? e->active : 0;
}

void Change_Action_State_PS(int id, int state)
{
    if (Element* e = find(id)) e->action_state = state;
}

void Reset_Button_Frame(int id)
{
    if (Element* e = find(id)) e->action_state = 0;
}

void Set_Comment_to_Button_PS(int id, const char* text)
{
    if (Element* e = find(id)) e->comment = text ? std::string(text, strnlen(text, KEPT_TEXT)) : std::string();
}

void Snap_Colored_Layout_of_Single_Button(int id)
{
    Element* e = find(id);
    if (!e || e->kind != BUTTON) return;
    e->face.assign(pxQSvR(e->r.x1, e->r.y1, e->r.x2, e->r.y2), 0);
    if (!e->face.empty()) pxSvRc(e->r.x1, e->r.y1, e->r.x2, e->r.y2, e->face.data());
}

void Set_Windows_Break_Button(int code)
{
    if (!sheets.empty()) sheets.back().windows_break = code > 0 ? code : 0;
}

void Set_Windows_OK_Button(int code)
{
    if (sheets.empty()) return;
    Sheet& s = sheets.back();
    Element* e = s.windows_ok ? find(s.windows_ok) : nullptr;
    if (code == 0) {
        if (e) e->active = -1;
        return;
    }
    if (e) {
        e->code = code;
        e->active = 1;
        return;
    }
    /* "OK" at the right end of the title row. */
    int w = 2 * CHAR_W + 2 * CHAR_W;
    s.windows_ok = Add_Single_Button_to_PS(s.r.x2 - w - 4, s.r.y1 + 4, 1, code, "OK", nullptr, 0);
}

void Move_Mouse_Cursor_to_Button_of_PS(int id)
{
    Element* e = find(id);
    if (e) msStCu((e->r.x1 + e->r.x2) / 2, (e->r.y1 + e->r.y2) / 2);
}

int VEK_Element_Rectangle(int id, int* x1, int* y1, int* x2, int* y2)
{
    Element* e = find(id);
    if (!e) return 0;
    if (x1) *x1 = e->r.x1;
    if (y1) *y1 = e->r.y1;
    if (x2) *x2 = e->r.x2;
    if (y2) *y2 = e->r.y2;
    return 1;
}

/* ---- scrollable areas ---- */

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int active, int, int, int, VEKScrollDrawFct draw,
                              void* user, int frame)
{
    Element e = make(AREA, rect_of(x1, y1, x2, y2), active, 0);
    e.draw = draw;
    e.user = user;
    e.frame = frame;
    return add(e);
}

static int add_slider(int area, Kind kind)
{
    Element* a = find(area);
    if (!a || a->kind != AREA) return 0;
    Rect r = kind == VSLIDER ? rect_of(a->r.x2 + 1, a->r.y1, a->r.x2 + SLIDER_W, a->r.y2)
                             : rect_of(a->r.x1, a->r.y2 + 1, a->r.x2, a->r.y2 + SLIDER_W);
    Element e = make(kind, r, 1, 0);
    e.owner = area;
    return add(e);
}

int Add_VSlider_to_Scrollable_Area(int area, int, int, int, int) { return add_slider(area, VSLIDER); }
int Add_HSlider_to_Scrollable_Area(int area, int, int, int, int) { return add_slider(area, HSLIDER); }
void Set_VSlider_Speed(int, double, double) {}
void Set_HSlider_Speed(int, double, double) {}

static void clamp_origin(Element& a)
{
    int max_x = a.content_w - (a.r.x2 - a.r.x1);
    int max_y = a.content_h - (a.r.y2 - a.r.y1);
    if (a.ox > max_x) a.ox = max_x;
    if (a.oy > max_y) a.oy = max_y;
    if (a.ox < 0) a.ox = 0;
    if (a.oy < 0) a.oy = 0;
}

void Resize_Origin_of_Scrollable_Area_PS(int id, int width, int height)
{
    Element* a = find(id);
    if (!a || a->kind != AREA) return;
    a->content_w = width > 0 ? width : 0;
    a->content_h = height > 0 ? height : 0;
    clamp_origin(*a);
}

void Set_Scrollable_Area_PS(int id, int ox, int oy)
{
    Element* a = find(id);
    if (!a || a->kind != AREA) return;
    a->ox = ox;
    a->oy = oy;
    clamp_origin(*a);
}

void Inquire_Scrollable_Area_PS(int id, int* ox, int* oy)
{
    Element* a = find(id);
    bool ok = a && a->kind == AREA;
    if (ox) *ox = ok ? a->ox : 0;
    if (oy) *oy = ok ? a->oy : 0;
}

void Reshape_Scrollable_Area_PS(int id, int x1, int y1, int x2, int y2, int, int, int, int)
{
    Element* a = find(id);
    if (!a || a->kind != AREA) return;
    a->r = rect_of(x1, y1, x2, y2);
    clamp_origin(*a);
}

void Set_Scrollable_Area_PS_Frameflag(int id, int flag)
{
    if (Element* a = find(id)) a->frame = flag;
}

int VEK_Scrollable_Area_Draw_Count(int id)
{
    Element* a = find(id);
    return a && a->kind == AREA ? a->draws : 0;
}

/* ---- call-always and call-sometimes functions ---- */

void Define_Call_Allways_Function(void (*function)(void)) { call_always = function; }
void Activate_Call_Allways_Function(int on) { call_always_on = on != 0; }
void Set_CallSometimesFunc_to_PS(int (*function)(void)) { call_sometimes = function; }

void VEK_Run_Call_Allways_Function(void)
{
    static bool running = false;
    if (running || !call_always || !call_always_on) return;
    running = true;
    call_always();
    running = false;
}

/* ---- the edit ---- */

static void scroll_by(Element& a, int dx, int dy)
{
    int ox = a.ox, oy = a.oy;
    a.ox += dx;
    a.oy += dy;
    clamp_origin(a);
    if (a.ox != ox || a.oy != oy) repaint_area(a);
}

/* Whether a click at sheet position (x, y) reaches the element: its
 * rectangle, and the step buttons of a stepped float. */
static bool reaches(const Element& e, int x, int y)
{
    if (e.r.contains(x, y)) return true;
    return e.stepped && x >= e.step_x && x < e.step_x + STEP_W && y >= e.r.y1 && y < e.r.y1 + 2 * STEP_H;
}

/* The topmost active element of the top sheet under (x, y) that reacts to
 * a click, or null.  Escape areas lie under every other element. */
static Element* hit(const Sheet& s, int x, int y)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = s.elements.rbegin(); it != s.elements.rend(); ++it) {
            Element* e = find(*it);
            if (!e || e->active != 1 || e->kind == REGISTER || e->kind == AREA) continue;
            if ((e->kind == ESCAPE) != (pass == 1)) continue;
            if (reaches(*e, x - s.dx, y - s.dy)) return e;
        }
    }
    return nullptr;
}

/* Edits a float field: a step button steps the value, else the inline
 * editor runs; a stepped field refuses a typed value outside its range. */
static void edit_float(Sheet& s, Element& e)
{
    if (!e.value) return;
    if (e.stepped && M_XPOS - s.dx >= e.step_x) {
        double v = *e.value;
        if (!(v >= e.step_min)) v = e.step_min;
        else if (v > e.step_max) v = e.step_max;
        else v += M_YPOS - s.dy < e.r.y1 + STEP_H ? e.step : -e.step;
        if (v < e.step_min) v = e.step_min;
        if (v > e.step_max) v = e.step_max;
        *e.value = v;
        return;
    }
    double typed = *e.value;
    Short_Edit_Float(e.r.x1 + s.dx, e.r.y1 + s.dy, e.format.c_str(), &typed);
    if (std::memcmp(&typed, e.value, sizeof typed) == 0) return;
    // The field takes the decimals its format shows, within its steps'
    // range: it never shows a value other than the one stored.
    const double any = HUGE_VAL;
    const VEK_Number_Rule rule = {e.stepped ? e.step_min : -any, e.stepped ? e.step_max : any,
                                  is_double_format(e.format) ? VEK_Format_Decimals(e.format.c_str()) : -1};
    const std::string kept = float_text(e);
    if (VEK_Take_Typed_Number(rule, typed, kept.substr(std::min(kept.size(), kept.find_first_not_of(' ')))))
        *e.value = typed;
}

/* The code of the first active button of the sheet with the given face. */
static int button_code_with_face(const Sheet& s, const VEKRaster* face)
{
    for (int id : s.elements) {
        Element* e = find(id);
        if (e && e->kind == BUTTON && e->active == 1 && e->raster == face) return e->code;
    }
    return 0;
}

/* Acts on a click on element e; returns the code that ends the edit or 0. */
static int click_on(Sheet& s, Element& e)
{
    switch (e.kind) {
    case BUTTON:
    case ESCAPE:
        return e.code;
    case HELP:
        // The help viewer shows the topic (the stand-in says which in a
        // box); the edit goes on.
        last_help = e.text;
        Helpview(last_help.c_str());
        return 0;
    case MEMBER:
        Set_Selected_Register_Member(e.id);
        draw_element(e);
        return e.code;
    case LOGICAL:
        if (e.flag) *e.flag = !*e.flag;
        draw_element(e);
        return e.code;
    case FLOAT:
        edit_float(s, e);
        draw_element(e);
        return e.code;
    case TEXT:
        if (e.buffer) {
            if (e.scroll_length > 0) Set_Short_Edit_Text_Scrollmode(e.scroll_length);
            Short_Edit_Text(e.r.x1 + s.dx, e.r.y1 + s.dy, e.buffer, e.width, 0);
        }
        draw_element(e);
        return e.code;
    case STRINGLIST: {
        int row = (M_YPOS - (e.r.y1 + s.dy) - 2) / ROW_H;
        if (row >= 0 && row < (int)e.rows.size() && e.flag) *e.flag = row;
        return e.code;
    }
    case VSLIDER:
    case HSLIDER: {
        Element* a = find(e.owner);
        if (!a) return 0;
        if (e.kind == VSLIDER) {
            int page = a->r.y2 - a->r.y1;
            scroll_by(*a, 0, M_YPOS < (e.r.y1 + e.r.y2) / 2 + s.dy ? -page : page);
        } else {
            int page = a->r.x2 - a->r.x1;
            scroll_by(*a, M_XPOS < (e.r.x1 + e.r.x2) / 2 + s.dx ? -page : page, 0);
        }
        return 0;
    }
    default:
        return 0;
    }
}

/* The wheel over the active areas of sheet `top` scrolls them by a tenth of
 * their height.  Scrolling repaints through the owner's callback, which may
 * push sheets: the sheet is reached by index after each one. */
static void wheel_over_areas(size_t top, int wheel)
{
    for (size_t i = 0; top < sheets.size() && i < sheets[top].elements.size(); ++i) {
        const Sheet& s = sheets[top];
        Element* a = find(s.elements[i]);
        if (a && a->kind == AREA && a->active == 1 && a->r.contains(M_XPOS - s.dx, M_YPOS - s.dy)) {
            int step = (a->r.y2 - a->r.y1) / 10;
            scroll_by(*a, 0, wheel > 0 ? -step : step);
        }
    }
    M_SCROLL = 0;
}

/* The code of the topmost escape area of sheet s that answers mouse moves
 * and lies under the mouse, else 0. */
static int moved_into_escape(const Sheet& s)
{
    for (auto it = s.elements.rbegin(); it != s.elements.rend(); ++it) {
        Element* e = find(*it);
        if (e && e->kind == ESCAPE && e->mouse_move && e->active == 1 && e->r.contains(M_XPOS - s.dx, M_YPOS - s.dy))
            return e->code;
    }
    return 0;
}

/* The tool tip follows the mouse: the comment of the active element under
 * it is shown when the mouse comes onto the element, as the main bar's
 * buttons show theirs, and taken away when the mouse leaves it. */
static void follow_tool_tip(const Sheet& s)
{
    const Element* e = hit(s, M_XPOS, M_YPOS);
    const int id = e && !e->comment.empty() ? e->id : 0;
    if (id == tip_element) return;
    tip_element = id;
    VEK_Show_Tool_Tip(id ? e->comment.c_str() : nullptr);
}

/* Clicks, keys and the end of an edit take the tip away before anything is
 * drawn or opened over it. */
static void hide_tool_tip(void)
{
    if (!tip_element) return;
    tip_element = 0;
    VEK_Hide_Tool_Tip();
}

/* In the auto mode the float field under the mouse takes what is typed at
 * once, without a click: a scripted typed value, or in the window a key of
 * a number, which starts the field's editor as a click would.  The active
 * float field under the mouse (not its step buttons), else null. */
static Element* float_typed_at(Sheet& s)
{
    if (!s.float_auto) return nullptr;
    const int kind = VEK_Script_Peek_Kind();
    const int k = VEK_Script_Peek_Value();
    const bool number_key = kind == VEK_EV_KEY && VEK_Display_Active() &&
                            ((k >= '0' && k <= '9') || k == '-' || k == '+' || k == '.' || k == ',');
    if (kind != VEK_EV_TYPE && !number_key) return nullptr;
    Element* e = hit(s, M_XPOS, M_YPOS);
    return e && e->kind == FLOAT && e->r.contains(M_XPOS - s.dx, M_YPOS - s.dy) ? e : nullptr;
}

/* Handles one event for the top sheet and sets *code to the code that ends
 * the edit, else 0.  False when the close handler said no: the edit goes on
 * without asking the call-sometimes function. */
static bool handle_top_sheet_event(int* code)
{
    *code = 0;
    if (Element* typed = float_typed_at(sheets.back())) {
        hide_tool_tip();
        *code = click_on(sheets.back(), *typed);
        return true;
    }
    VEKMessage m;
    InitVEKMessage(&m);
    int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_RIGHT_DOWN | VEK_MASK_MIDDLE | VEK_MASK_MOVE |
                               VEK_MASK_WHEEL | VEK_MASK_KEY, &m);
    assert(!sheets.empty());  /* waits run no callbacks */
    const size_t top = sheets.size() - 1;
    if (ev != VEK_MSG_MOVE) hide_tool_tip();
    if (ev == VEK_MSG_CLOSE) {
        if (VEK_Close_Request() == 0) return false;
        *code = VEK_CLOSE_CODE;
    } else if (ev == VEK_MSG_KEY) {
        int k = getkey();
        if (k == VEK_KEY_ESC) {
            *code = button_code_with_face(sheets[top], SYMBOLIC_BREAK_RASTER);
            if (!*code) *code = sheets[top].windows_break;
        }
        else if (k == VEK_KEY_ENTER) {
            *code = button_code_with_face(sheets[top], SYMBOLIC_OK_RASTER);
            const Element* w = sheets[top].windows_ok ? find(sheets[top].windows_ok) : nullptr;
            if (!*code && w && w->active == 1) *code = w->code;
        }
    } else if (ev == VEK_MSG_WHEEL) {
        wheel_over_areas(top, m.wheel);
    } else if (ev == VEK_MSG_MOVE) {
        *code = moved_into_escape(sheets[top]);
        if (*code) hide_tool_tip();
        else follow_tool_tip(sheets[top]);
    } else if (ev == VEK_MSG_LEFT_DOWN || ev == VEK_MSG_RIGHT_DOWN || (ev == VEK_MSG_MIDDLE && M_MIDDLE)) {
        Sheet& s = sheets[top];
        if (Element* e = hit(s, M_XPOS, M_YPOS)) *code = click_on(s, *e);
        else if (!s.r.contains(M_XPOS - s.dx, M_YPOS - s.dy)) *code = s.click_outside;
    }
    return true;
}

int Edit_Prop_Sheet(void)
{
    for (;;) {
        if (sheets.empty()) return 0;
        VEK_Run_Call_Allways_Function();
        int code = 0;
        if (!handle_top_sheet_event(&code)) continue;
        if (code) {
            hide_tool_tip();
            return code;
        }
        if (call_sometimes) {
            int r = call_sometimes();
            if (r) {
                hide_tool_tip();
                return r;
            }
        }
    }
}

const char* VEK_Last_Help_Topic(void)
{
    return last_help.c_str();
}
