// The desktop's print-list viewer as the stand-in offers it: the rendered
// pages on the stand-in's screen, one at a time, below a bar to go to the
// previous or next page, to zoom and to close the viewer. A page starts as
// wide as the screen, readable, and is scrolled; the screen under the
// viewer comes back when it closes. A list that another program changes
// while it is shown is read again and shown anew, and the user is told.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/oli_blocks_internal.h"
#include "platform/oli_view.h"
#include "platform/posix.h"
#include "platform/screen.h"

namespace {

enum {
    BAR_HEIGHT = 34,     // the bar of the viewer along the top of the screen
    PAGE_MARGIN = 6,     // grey room around the page
    SCROLL_BAR = 14,     // the scroll bar along the right edge (and the bottom, for a page wider than the view)
    MIN_THUMB = 20,      // the least length of a scroll bar's thumb
    BUTTON_WIDTH = 130,
    BUTTON_HEIGHT = 24,
    BUTTON_GAP = 10,
    ZOOM_BUTTON_WIDTH = 28,
    ZOOM_BUTTON_GAP = 4,
    ZOOM_TEXT_WIDTH = 108,   // room for "Seitenbreite" before the zoom buttons
    PAGES_TEXT_WIDTH = 150,  // room for "Seite n von m" before that
    VIEWER_FONT = 0x1000,
};

// The renderer's pages are A4.
constexpr double kPageWidthCm = 21.0, kPageHeightCm = 29.7, kCmPerInch = 2.54;

// Zoom levels: 0 shows the whole page; from 1 on the page's width fills the
// view (1) or is that many times the view's width. The viewer starts at 1.
constexpr double kWidthFactors[] = {0.0, 1.0, 1.5, 2.0};
constexpr int kLevels = static_cast<int>(std::size(kWidthFactors)), START_LEVEL = 1;

enum Action {
    NONE = -1,
    PREVIOUS,
    NEXT,
    FIRST,
    LAST,
    CLOSE,
    ZOOM_OUT,
    ZOOM_IN,
    LINE_UP,      // a step up, on from the previous page's foot at the top
    LINE_DOWN,    // a step down, on to the next page's top at the foot
    SIDE_LEFT,    // a step left, or the previous page when the page fits the width
    SIDE_RIGHT,   // a step right, or the next page
    SCREEN_UP,    // a view's height up or down, on this page
    SCREEN_DOWN,
    SCREEN_LEFT,
    SCREEN_RIGHT,
    DRAGGED,      // a scroll bar's thumb was dragged (and the page drawn)
};

struct Button {
    const char* text;
    Action action;
    int x1, y1, x2, y2;
    bool Contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

// The page as screen colour indices, kept while page and zoom stay.
struct Shown {
    int page = 0, level = -1;
    int width = 0, height = 0;  // 0: the page could not be drawn
    std::vector<int> pixels;
};

using Page_Set_Hold = std::unique_ptr<OliPageSet, void (*)(OliPageSet*)>;

// The list as the viewer shows it: its reading and its pages laid out (the
// set refers to the reading, and goes first).
struct Shown_List {
    std::unique_ptr<OliDocument> doc;
    Page_Set_Hold set{nullptr, OLI_Close_Page_Set};
    void Take(Shown_List&& other) {
        set.reset();
        doc = std::move(other.doc);
        set = std::move(other.set);
    }
};

// How often the viewer reads a list that changes while it reads it before
// it gives up: a list being written in place changes for a moment.
constexpr int kReadings = 3;

struct Viewer {
    std::string path;                        // the list as the caller named it
    Shown_List list;
    int page = 1, pages = 0;
    int level = START_LEVEL;
    int sx = 0, sy = 0;                      // the page's scroll offset in pixels
    double keep_fx = -1, keep_fy = -1;       // a zoom keeps the point at these fractions in the view's middle
    std::string name;                        // the list's file name, as the bar shows it
    std::vector<Button> buttons;
    std::unordered_map<unsigned, int> colour_of;  // page colour -> screen palette entry
    Shown shown;
    bool closes = false;                     // the list can no longer be shown (the user was told)
    std::string told;                        // to be said once the page is on the screen
};

enum Opened { OPENED, CANNOT_OPEN, NO_PAGE, CHANGED_WHILE_READ };

// Reads the list at `path` and lays its pages out into *out (left as it
// is unless OPENED); why it cannot be opened in *refusal. Throws
// std::bad_alloc when memory runs out.
Opened Open_List(const char* path, int* refusal, Shown_List* out) {
    auto doc = std::make_unique<OliDocument>();
    if (!OLI_Read_Document_File(path, doc.get(), refusal)) return CANNOT_OPEN;
    if (doc->out_of_memory) throw std::bad_alloc();
    if (OLI_List_Changed(*doc)) return CHANGED_WHILE_READ;
    if (!OLI_Renderer_Ready()) return CANNOT_OPEN;  // it has said why
    Page_Set_Hold set(OLI_Open_Page_Set(*doc), OLI_Close_Page_Set);
    if (!set) {
        if (errno == ENOMEM) throw std::bad_alloc();
        return OLI_List_Changed(*doc) ? CHANGED_WHILE_READ : NO_PAGE;
    }
    Shown_List opened;
    opened.doc = std::move(doc);
    opened.set = std::move(set);
    out->Take(std::move(opened));
    return OPENED;
}

// Opens the list, again while it changes as it is read, kReadings times at
// most.
Opened Open_Settled(const char* path, int* refusal, Shown_List* out) {
    Opened opened = CHANGED_WHILE_READ;
    for (int k = 0; k < kReadings && opened == CHANGED_WHILE_READ; ++k) opened = Open_List(path, refusal, out);
    return opened;
}

// Whether two readings of a list read the same bytes.
bool Same_Bytes(const OliDocument& a, const OliDocument& b) {
    return a.file && b.file && a.file->end - a.file->start == b.file->end - b.file->start &&
           a.file->sums.sums == b.file->sums.sums;
}

// Where the page stands: the view below the bar and left of the scroll bar,
// the page's upper left corner on the screen and how far it scrolls.
struct Geometry {
    int vx1, vy1, vx2, vy2;
    int x0, y0;
    int max_sx, max_sy;
    int canvas_w, canvas_h;  // the page with its grey room
    bool across;             // the page is wider than the view: a scroll bar at the bottom
};

Geometry Geometry_Of(const Viewer& v) {
    Geometry g{};
    g.vx1 = 0;
    g.vy1 = BAR_HEIGHT;
    g.vx2 = NPIXEL_X - SCROLL_BAR - 1;
    g.vy2 = NPIXEL_Y - 1;
    g.canvas_w = v.shown.width + 2 * PAGE_MARGIN;
    g.canvas_h = v.shown.height + 2 * PAGE_MARGIN;
    const int view_w = g.vx2 - g.vx1 + 1;
    g.across = g.canvas_w > view_w;
    if (g.across) g.vy2 -= SCROLL_BAR;
    const int view_h = g.vy2 - g.vy1 + 1;
    g.max_sx = std::max(0, g.canvas_w - view_w);
    g.max_sy = std::max(0, g.canvas_h - view_h);
    g.x0 = g.across ? g.vx1 + PAGE_MARGIN - v.sx : g.vx1 + (view_w - v.shown.width) / 2;
    g.y0 = g.vy1 + PAGE_MARGIN - v.sy;
    return g;
}

// The resolution of a zoom level: the whole page in the view, or the
// page's width that many times the view's width.
double Level_Dpi(int level) {
    const double room_w = NPIXEL_X - SCROLL_BAR - 2 * PAGE_MARGIN;
    const double room_h = NPIXEL_Y - BAR_HEIGHT - 2 * PAGE_MARGIN;
    const double width_dpi = room_w / (kPageWidthCm / kCmPerInch);
    const double dpi = level <= 0 ? std::min(width_dpi, room_h / (kPageHeightCm / kCmPerInch))
                                  : width_dpi * kWidthFactors[std::min(level, kLevels - 1)];
    return std::clamp(dpi, 10.0, 600.0);
}

// The screen's palette entry nearest to a page colour, looked up once per
// colour: a page holds a few thousand colours of its edges at most.
int Colour_Index(Viewer& v, unsigned rgb) {
    auto it = v.colour_of.find(rgb);
    if (it != v.colour_of.end()) return it->second;
    const int index = Nearest_Color_Index(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                                          static_cast<int>(rgb & 0xFF));
    v.colour_of.emplace(rgb, index);
    return index;
}

// The list changed on disc since it was read (another program rewrote,
// cut or replaced it): it is read again and its pages laid out anew, the
// view staying at its page where the list still has it, and the user is
// told over the new page (not when it holds the same bytes: a file only
// touched). False when it cannot be read again: the user is told why, and
// the viewer closes.
bool Read_Again(Viewer& v) {
    Shown_List fresh;
    int refusal = VEK_READ_OK;
    const Opened opened = Open_Settled(v.path.c_str(), &refusal, &fresh);
    if (opened != OPENED) {
        const char* why = opened == CHANGED_WHILE_READ ? "sie wird gerade ge\x84ndert"
                          : opened == NO_PAGE          ? "sie hat keine Seite mehr"
                          : refusal != VEK_READ_OK     ? VEK_Read_Refusal_Text(refusal)
                                                       : "sie kann nicht gelesen werden";
        PrintMessage("Die Druckliste wurde w\x84hrend der Anzeige ge\x84ndert und kann nicht neu gelesen werden.\n%s: %s",
                     v.path.c_str(), why);
        v.closes = true;
        return false;
    }
    const bool same = Same_Bytes(*v.list.doc, *fresh.doc);
    v.list.Take(std::move(fresh));
    v.pages = OLI_Page_Set_Count(v.list.set.get());
    if (v.page > v.pages) {
        v.page = v.pages;
        v.sy = 0;
    }
    if (!same)
        v.told = "Die Druckliste wurde w\x84hrend der Anzeige von einem anderen Programm ge\x84ndert.\n" + v.path +
                 ": neu gelesen, jetzt " + std::to_string(v.pages) + (v.pages == 1 ? " Seite" : " Seiten");
    return true;
}

// Draws the page at its zoom into screen colours, unless it is drawn
// already; a page that cannot be drawn is kept as 0 x 0. A list that
// changed since it was read is read again first, and again when it changes
// while the page is drawn: a page shows one list's bytes on that list's
// page breaks. Throws std::bad_alloc when memory runs out.
void Render(Viewer& v) {
    if (v.shown.page == v.page && v.shown.level == v.level) return;
    v.shown.width = v.shown.height = 0;
    OliPageImage image;
    bool drawn = false;
    for (int k = 0; !drawn && k < kReadings; ++k) {
        if (OLI_List_File_Differs(*v.list.doc, v.path.c_str()) && !Read_Again(v)) return;
        drawn = OLI_Render_Page_Image(v.list.set.get(), v.page, Level_Dpi(v.level), &image) != 0;
        if (!drawn && errno == ENOMEM) throw std::bad_alloc();
        if (!drawn && !OLI_List_Changed(*v.list.doc)) break;
    }
    v.shown.page = v.page;
    v.shown.level = v.level;
    if (!drawn) return;
    v.shown.pixels.resize(image.rgb.size());
    unsigned last = ~image.rgb.front();  // most pixels repeat the one before
    int index = 0;
    for (size_t i = 0; i < image.rgb.size(); ++i) {
        if (image.rgb[i] != last) {
            last = image.rgb[i];
            index = Colour_Index(v, last);
        }
        v.shown.pixels[i] = index;
    }
    v.shown.width = image.width;
    v.shown.height = image.height;
}

// After a page or zoom change: the offsets within the page's range, and a
// zoom keeps what was in the view's middle there.
void Place(Viewer& v) {
    const Geometry g0 = Geometry_Of(v);
    if (v.keep_fx >= 0) {
        v.sx = static_cast<int>(v.keep_fx * g0.canvas_w) - (g0.vx2 - g0.vx1 + 1) / 2;
        v.sy = static_cast<int>(v.keep_fy * g0.canvas_h) - (g0.vy2 - g0.vy1 + 1) / 2;
        v.keep_fx = v.keep_fy = -1;
    }
    const Geometry g = Geometry_Of(v);
    v.sx = std::clamp(v.sx, 0, g.max_sx);
    v.sy = std::clamp(v.sy, 0, g.max_sy);
}

void Place_Buttons(Viewer& v) {
    static const struct {
        const char* text;
        Action action;
    } kPageButtons[] = {{"< vorige Seite", PREVIOUS}, {"n\x84" "chste Seite >", NEXT}, {"schlie\xE1" "en", CLOSE}};
    v.buttons.clear();
    const int y1 = (BAR_HEIGHT - BUTTON_HEIGHT) / 2, y2 = y1 + BUTTON_HEIGHT - 1;
    // The zoom buttons first, then the page buttons at the right end.
    int x = NPIXEL_X - 3 * (BUTTON_WIDTH + BUTTON_GAP);
    const int zoom_x = x - 2 * BUTTON_GAP - 2 * ZOOM_BUTTON_WIDTH - ZOOM_BUTTON_GAP;
    v.buttons.push_back({"-", ZOOM_OUT, zoom_x, y1, zoom_x + ZOOM_BUTTON_WIDTH - 1, y2});
    v.buttons.push_back({"+", ZOOM_IN, zoom_x + ZOOM_BUTTON_WIDTH + ZOOM_BUTTON_GAP, y1,
                         zoom_x + 2 * ZOOM_BUTTON_WIDTH + ZOOM_BUTTON_GAP - 1, y2});
    for (const auto& b : kPageButtons) {
        v.buttons.push_back({b.text, b.action, x, y1, x + BUTTON_WIDTH - 1, y2});
        x += BUTTON_WIDTH + BUTTON_GAP;
    }
}

bool Enabled(const Viewer& v, Action a) {
    if (a == PREVIOUS) return v.page > 1;
    if (a == NEXT) return v.page < v.pages;
    if (a == ZOOM_OUT) return v.level > 0;
    if (a == ZOOM_IN) return v.level < kLevels - 1;
    return true;
}

void Zoom_Text(const Viewer& v, char* text, size_t size) {
    if (v.level == 0) std::snprintf(text, size, "ganze Seite");
    else if (v.level == 1) std::snprintf(text, size, "Seitenbreite");
    else std::snprintf(text, size, "%.0f %%", 100.0 * kWidthFactors[v.level]);
}

void Draw_Bar(const Viewer& v) {
    pxFgc(-1);
    pxRect(0, 0, NPIXEL_X - 1, BAR_HEIGHT - 1);
    pxFgc(-15);
    pxLine(0, BAR_HEIGHT - 1, NPIXEL_X - 1, BAR_HEIGHT - 1);
    char text[300];
    pxFgc(-6);
    const int zoom_x = v.buttons.front().x1 - ZOOM_TEXT_WIDTH, pages_x = zoom_x - PAGES_TEXT_WIDTH;
    // The list's name where the screen leaves room for it, whole or not at all.
    std::snprintf(text, sizeof text, "Vorschau: %s", v.name.c_str());
    const int room = pages_x - 20;
    const char* title = RFont_Text_Width(VIEWER_FONT, text, -1) <= room                     ? text
                        : RFont_Text_Width(VIEWER_FONT, v.name.c_str(), -1) <= room ? v.name.c_str()
                                                                                      : "";
    pxText(10, 22, title, -1);
    std::snprintf(text, sizeof text, "Seite %d von %d", v.page, v.pages);
    pxText(pages_x, 22, text, -1);
    Zoom_Text(v, text, sizeof text);
    pxText(zoom_x, 22, text, -1);
    for (const Button& b : v.buttons) {
        Draw_Funny_Area_to_PS(5, b.x1, b.y1, b.x2, b.y2, 1);
        pxFgc(Enabled(v, b.action) ? -14 : -16);
        pxBTxt(b.x1, b.y1, b.x2, b.y2, b.text, -1, PX_ALIGN_CENTRE | PX_ALIGN_MIDDLE);
    }
}

// The part [t1, t2] of a scroll bar's track [a, b] that shows the view
// over a length of `total` scrolled by `offset`.
void Thumb(int a, int b, int view, int total, int offset, int* t1, int* t2) {
    const int track = b - a + 1;
    const int length = std::max<int>(MIN_THUMB, static_cast<int>(static_cast<long long>(track) * view / std::max(1, total)));
    const int range = std::max(1, total - view);
    *t1 = a + static_cast<int>(static_cast<long long>(track - length) * offset / range);
    *t2 = std::min(b, *t1 + length - 1);
}

void Draw_Scroll_Bars(const Geometry& g, const Viewer& v) {
    const int right = NPIXEL_X - SCROLL_BAR;
    Draw_Funny_Area_to_PS(1, right, g.vy1, NPIXEL_X - 1, g.vy2, 1);
    int t1 = 0, t2 = 0;
    if (g.max_sy > 0) {
        Thumb(g.vy1, g.vy2, g.vy2 - g.vy1 + 1, g.canvas_h, v.sy, &t1, &t2);
        Draw_Funny_Area_to_PS(5, right + 1, t1, NPIXEL_X - 2, t2, 1);
    }
    if (!g.across) return;
    Draw_Funny_Area_to_PS(1, 0, g.vy2 + 1, g.vx2, NPIXEL_Y - 1, 1);
    Thumb(g.vx1, g.vx2, g.vx2 - g.vx1 + 1, g.canvas_w, v.sx, &t1, &t2);
    Draw_Funny_Area_to_PS(5, t1, g.vy2 + 2, t2, NPIXEL_Y - 2, 1);
    pxFgc(-1);
    pxRect(right, g.vy2 + 1, NPIXEL_X - 1, NPIXEL_Y - 1);
}

// The part of the page in the view, framed, on grey.
void Draw_Page(Viewer& v) {
    const Geometry g = Geometry_Of(v);
    pxFgc(Nearest_RGB_Color(96, 96, 96));
    pxRect(0, BAR_HEIGHT, NPIXEL_X - 1, NPIXEL_Y - 1);
    if (v.shown.width == 0) {
        pxFgc(WHITE_CI);
        pxText(20, BAR_HEIGHT + PAGE_MARGIN + 20, "Die Seite kann nicht gezeigt werden.", -1);
        return;
    }
    const int w = v.shown.width, h = v.shown.height;
    const int px1 = std::max(g.x0, g.vx1), py1 = std::max(g.y0, g.vy1);
    const int px2 = std::min(g.x0 + w - 1, g.vx2), py2 = std::min(g.y0 + h - 1, g.vy2);
    if (px1 <= px2 && py1 <= py2) {
        std::vector<int> part(static_cast<size_t>(px2 - px1 + 1) * static_cast<size_t>(py2 - py1 + 1));
        for (int y = py1; y <= py2; ++y)
            std::copy_n(&v.shown.pixels[static_cast<size_t>(y - g.y0) * w + static_cast<size_t>(px1 - g.x0)],
                        px2 - px1 + 1, &part[static_cast<size_t>(y - py1) * static_cast<size_t>(px2 - px1 + 1)]);
        pxStRc(px1, py1, px2, py2, part.data());
    }
    pxView(g.vx1, g.vy1, g.vx2, g.vy2);
    pxFgc(BLACK_CI);
    pxLine(g.x0 - 1, g.y0 - 1, g.x0 + w, g.y0 - 1);
    pxLine(g.x0 + w, g.y0 - 1, g.x0 + w, g.y0 + h);
    pxLine(g.x0 + w, g.y0 + h, g.x0 - 1, g.y0 + h);
    pxLine(g.x0 - 1, g.y0 + h, g.x0 - 1, g.y0 - 1);
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Draw_Scroll_Bars(g, v);
}

// Draws the viewer; false when the list can no longer be shown (the user
// has been told) and the viewer closes.
bool Draw(Viewer& v) {
    Render(v);
    if (v.closes) return false;
    Place(v);
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int fg = pxQFgc();
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Pop_RFont(VIEWER_FONT);
    Draw_Page(v);
    Draw_Bar(v);
    Push_RFont();
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
    if (!v.told.empty()) {
        const std::string told = std::move(v.told);
        v.told.clear();
        PrintTitledMessage("Hinweis", "%s", told.c_str());
    }
    return true;
}

Action Key_Action(int key) {
    switch (key) {
    case VEK_KEY_ESC: return CLOSE;
    case VEK_KEY_PGDN: case ' ': case VEK_KEY_ENTER: return NEXT;
    case VEK_KEY_PGUP: case VEK_KEY_BACKSPACE: return PREVIOUS;
    case VEK_KEY_DOWN: return LINE_DOWN;
    case VEK_KEY_UP: return LINE_UP;
    case VEK_KEY_RIGHT: return SIDE_RIGHT;
    case VEK_KEY_LEFT: return SIDE_LEFT;
    case VEK_KEY_HOME: return FIRST;
    case VEK_KEY_END: return LAST;
    case '+': return ZOOM_IN;
    case '-': return ZOOM_OUT;
    default: return NONE;
    }
}

// A wheel notch: a step up or down, sideways with Shift, a zoom step with
// Ctrl.
Action Wheel_Action(int turn) {
    const int mask = getkeymask();
    if (mask & VEK_KEYMASK_CTRL) return turn > 0 ? ZOOM_IN : ZOOM_OUT;
    if (mask & VEK_KEYMASK_SHIFT) return turn > 0 ? SIDE_LEFT : SIDE_RIGHT;
    return turn > 0 ? LINE_UP : LINE_DOWN;
}

// Follows the mouse with a thumb pressed at `from` (a coordinate along the
// bar) until the button comes up, drawing the page as it moves.
void Drag_Thumb(Viewer& v, bool vertical, int from) {
    const Geometry g = Geometry_Of(v);
    const int start = vertical ? v.sy : v.sx;
    const int track = vertical ? g.vy2 - g.vy1 + 1 : g.vx2 - g.vx1 + 1;
    const int total = vertical ? g.canvas_h : g.canvas_w;
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 50;
    int& offset = vertical ? v.sy : v.sx;
    for (int last = 0; M_LEFT;) {
        if (GetVEKMessage(VEK_WAIT_DRAG, &m) == VEK_MSG_CLOSE) break;
        const int moved = (vertical ? M_YPOS : M_XPOS) - from;
        if (moved == last) continue;
        last = moved;
        offset = start + static_cast<int>(static_cast<long long>(moved) * total / std::max(1, track));
        if (!Draw(v)) return;
    }
}

// A press on a scroll bar: its thumb is dragged, the track beside it moves
// by a view.
Action Scroll_Bar_Press(Viewer& v) {
    const Geometry g = Geometry_Of(v);
    int t1 = 0, t2 = 0;
    if (M_XPOS >= NPIXEL_X - SCROLL_BAR && M_YPOS >= g.vy1 && M_YPOS <= g.vy2 && g.max_sy > 0) {
        Thumb(g.vy1, g.vy2, g.vy2 - g.vy1 + 1, g.canvas_h, v.sy, &t1, &t2);
        if (M_YPOS < t1) return SCREEN_UP;
        if (M_YPOS > t2) return SCREEN_DOWN;
        Drag_Thumb(v, true, M_YPOS);
        return DRAGGED;
    }
    if (g.across && M_YPOS > g.vy2 && M_XPOS <= g.vx2) {
        Thumb(g.vx1, g.vx2, g.vx2 - g.vx1 + 1, g.canvas_w, v.sx, &t1, &t2);
        if (M_XPOS < t1) return SCREEN_LEFT;
        if (M_XPOS > t2) return SCREEN_RIGHT;
        Drag_Thumb(v, false, M_XPOS);
        return DRAGGED;
    }
    return NONE;
}

// The next action of the user: a key, the wheel, a press on a scroll bar
// or a click released on the button it was pressed on; the window's close
// request (and a run without events) closes the viewer.
Action Next_Action(Viewer& v) {
    for (;;) {
        const int ev = GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_KEY | VEK_MASK_WHEEL, nullptr);
        if (ev == VEK_MSG_CLOSE) return CLOSE;
        if (ev == VEK_MSG_KEY) {
            const Action a = Key_Action(getkey());
            if (a != NONE) return a;
        } else if (ev == VEK_MSG_WHEEL) {
            const int turn = M_SCROLL;
            M_SCROLL = 0;
            if (turn != 0) return Wheel_Action(turn);
        } else if (ev == VEK_MSG_LEFT_DOWN) {
            for (const Button& b : v.buttons)
                if (b.Contains(M_XPOS, M_YPOS)) {
                    GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
                    if (b.Contains(M_XPOS, M_YPOS)) return b.action;
                }
            const Action a = Scroll_Bar_Press(v);
            if (a != NONE) return a;
        }
    }
}

// The page at the offset; a step past the first or last page stays.
void Go_To_Page(Viewer& v, int page, int sy) {
    if (page < 1 || page > v.pages) return;
    v.page = page;
    v.sy = sy;
}

// Carries the action out; true when the view changed.
bool Apply(Viewer& v, Action a) {
    const Geometry g = Geometry_Of(v);
    const int line = std::max(1, (g.vy2 - g.vy1 + 1) / 8), column = std::max(1, (g.vx2 - g.vx1 + 1) / 8);
    const int page = v.page, sx = v.sx, sy = v.sy, level = v.level;
    switch (a) {
    case PREVIOUS: Go_To_Page(v, v.page - 1, 0); break;
    case NEXT: Go_To_Page(v, v.page + 1, 0); break;
    case FIRST: Go_To_Page(v, 1, 0); break;
    case LAST: Go_To_Page(v, v.pages, 0); break;
    case LINE_DOWN:
        if (v.sy < g.max_sy) v.sy = std::min(g.max_sy, v.sy + line);
        else Go_To_Page(v, v.page + 1, 0);
        break;
    case LINE_UP:
        if (v.sy > 0) v.sy = std::max(0, v.sy - line);
        else Go_To_Page(v, v.page - 1, INT_MAX / 2);  // its foot, once drawn
        break;
    case SIDE_RIGHT:
        if (g.max_sx > 0) v.sx = std::min(g.max_sx, v.sx + column);
        else Go_To_Page(v, v.page + 1, 0);
        break;
    case SIDE_LEFT:
        if (g.max_sx > 0) v.sx = std::max(0, v.sx - column);
        else Go_To_Page(v, v.page - 1, 0);
        break;
    case SCREEN_DOWN: v.sy = std::min(g.max_sy, v.sy + 7 * line); break;
    case SCREEN_UP: v.sy = std::max(0, v.sy - 7 * line); break;
    case SCREEN_RIGHT: v.sx = std::min(g.max_sx, v.sx + 7 * column); break;
    case SCREEN_LEFT: v.sx = std::max(0, v.sx - 7 * column); break;
    case ZOOM_IN:
    case ZOOM_OUT:
        v.level = std::clamp(v.level + (a == ZOOM_IN ? 1 : -1), 0, kLevels - 1);
        if (v.level != level) {
            v.keep_fx = (v.sx + (g.vx2 - g.vx1 + 1) / 2.0) / g.canvas_w;
            v.keep_fy = (v.sy + (g.vy2 - g.vy1 + 1) / 2.0) / g.canvas_h;
        }
        break;
    default: break;
    }
    return v.page != page || v.sx != sx || v.sy != sy || v.level != level;
}

std::string File_Name(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Shows the pages until the user closes the viewer; 1, or 0 when the list
// cannot be read or has no page (*changing set when it changed each time
// it was read). Throws std::bad_alloc when memory runs out (the screen
// under the viewer is given back first).
int Show_List(const char* path, int* refusal, bool* changing) {
    const std::string list = VEK_Native_String(path);
    Viewer v;
    v.path = path;
    const Opened opened = Open_Settled(path, refusal, &v.list);
    if (opened != OPENED) {
        *changing = opened == CHANGED_WHILE_READ;
        if (opened == NO_PAGE) std::fprintf(stderr, "print list %s: no page to show\n", list.c_str());
        return 0;
    }
    v.pages = OLI_Page_Set_Count(v.list.set.get());
    v.name = File_Name(list);
    Place_Buttons(v);
    Save_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    try {
        // A list that can no longer be shown (v.closes) ends the viewer.
        for (Action a = Draw(v) ? Next_Action(v) : CLOSE; a != CLOSE; a = v.closes ? CLOSE : Next_Action(v))
            if (a != DRAGGED && Apply(v, a)) Draw(v);
    } catch (...) {  // out of memory
        Restore_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
        pxFlsh();
        throw std::bad_alloc();
    }
    Restore_Screen_Rectangle(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxFlsh();
    return 1;
}

}  // namespace

int Quick_OLI_View(const char* /*prefix*/, const char* path) {
    if (!path) return 0;
    int refusal = VEK_READ_OK;
    bool no_memory = false, changing = false;
    try {
        if (Show_List(path, &refusal, &changing)) return 1;
    } catch (...) {  // out of memory: the list is not damaged, and the user is told so
        no_memory = true;
    }
    if (no_memory)
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s: zu wenig Speicher", path);
    else if (changing)
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s: sie wird gerade ge\x84ndert", path);
    else if (refusal != VEK_READ_OK)
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s: %s", path, VEK_Read_Refusal_Text(refusal));
    else
        PrintMessage("Die Druckliste kann nicht angezeigt werden.\n%s", path);
    return 0;
}
