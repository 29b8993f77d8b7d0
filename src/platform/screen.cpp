// Headless screen of the stand-in window library: the pixel grid, palette,
// scheme colours, drawing state and every px call.
//
// All state is one process-wide instance made on first use (or afresh by
// pxInitScreen).  Drawing goes through Plot, which applies the viewport, the
// raster operation and (for filled shapes) the fill pattern, so that every
// primitive clips the same way.
#include "platform/screen.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/font.h"
#include "platform/font_internal.h"
#include "platform/posix.h"

int BLACK_CI = 0, DBLUE_CI = 1, DGREEN_CI = 2, DCYAN_CI = 3, DRED_CI = 4, DMAGENTA_CI = 5,
    BROWN_CI = 6, LGREY_CI = 7, DGREY_CI = 8, BLUE_CI = 9, GREEN_CI = 10, CYAN_CI = 11,
    RED_CI = 12, MAGENTA_CI = 13, YELLOW_CI = 14, WHITE_CI = 15;
int MENUE_CI = 16, BUTTON_CI = 17;

namespace {

enum { kPaletteMax = 4096, kSchemeCount = 31, kDefaultWidth = 1280, kDefaultHeight = 1024 };

struct Rgb {
    int r, g, b;
};

// The 16 named colours, the menu background and the button face.
const Rgb kNamed[18] = {
    {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0},
    {128, 0, 128},   {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255},
    {0, 255, 0},     {0, 255, 255},   {255, 0, 0},     {255, 0, 255},   {255, 255, 0},
    {255, 255, 255}, {212, 208, 200}, {240, 240, 240},
};

// Desktop scheme colours -1 .. -31.
const Rgb kScheme[kSchemeCount] = {
    {212, 208, 200},  // -1 desktop and sheet background
    {255, 255, 255},  // -2 panel highlight
    {64, 64, 64},     // -3 panel dark shadow
    {0, 0, 0},        // -4 window frame
    {255, 255, 255},  // -5 window background
    {0, 0, 0},        // -6 window text
    {10, 36, 106},    // -7 active title
    {255, 255, 255},  // -8 active title text
    {128, 128, 128},  // -9 inactive title
    {212, 208, 200},  // -10 inactive title text
    {10, 36, 106},    // -11 selection
    {255, 255, 255},  // -12 selected text
    {212, 208, 200},  // -13 button face
    {0, 0, 0},        // -14 button text
    {128, 128, 128},  // -15 panel shadow
    {128, 128, 128},  // -16 grey text
    {255, 255, 225},  // -17 tool-tip background
    {0, 0, 0},        // -18 tool-tip text
    {241, 239, 226},  // -19 light face
    {58, 110, 165},   // -20 desktop
    {0, 78, 152},     // -21 program colour
    {166, 202, 240},  // -22 gradient of the active title
    {192, 192, 192},  // -23 gradient of the inactive title
    {0, 0, 128},      // -24 link
    {236, 233, 216},  // -25 menu bar
    {49, 106, 197},   // -26 menu highlight
    {255, 251, 240},  // -27 paper
    {160, 160, 164},  // -28 disabled frame
    {255, 0, 0},      // -29 alarm
    {0, 128, 0},      // -30 success
    {255, 128, 0},    // -31 warning
};

struct SavedRect {
    int key[4];              // the coordinates as given
    int x1, y1, x2, y2;      // cut to the screen
    std::vector<int> pixels;
};

struct Screen {
    bool made = false;
    int width = 0, height = 0;
    std::vector<int> pixels;
    std::vector<Rgb> palette;
    std::unordered_map<uint32_t, int> exact;  // rgb -> first palette entry
    int scheme[kSchemeCount] = {};
    int fg = 0;
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    int dash_style = 0;
    uint32_t dash_pattern = 0xFFFFFFFFu;
    unsigned dash_phase = 0;
    int bop = PX_OP_COPY;
    int fill_style = 0;
    int fill_pattern[16] = {};
    int buffer = 0;
    long flushes = 0;
    std::vector<SavedRect> saved;
    double char_height = 12.0, expansion = 1.0, spacing = 0.1, orientation = 0.0;
    // Bitmaps not drawn whole: their number, the latest file's name, and
    // the names already reported.
    int bitmap_faults = 0;
    std::string last_bitmap_fault;
    std::set<std::string> reported_bitmaps;
};

Screen S;
// The waiting animation draws from a second thread.
std::mutex bitmap_fault_mutex;

uint32_t Pack(int r, int g, int b) {
    return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
           static_cast<uint32_t>(b);
}

int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

int Add_Palette_Entry(int r, int g, int b) {
    int index = static_cast<int>(S.palette.size());
    S.palette.push_back({r, g, b});
    S.exact.emplace(Pack(r, g, b), index);  // keeps an earlier entry of the same colour
    return index;
}

int Nearest_Entry(int r, int g, int b) {
    int best = 0;
    long best_d = -1;
    for (size_t i = 0; i < S.palette.size(); i++) {
        long dr = S.palette[i].r - r, dg = S.palette[i].g - g, db = S.palette[i].b - b;
        long d = dr * dr + dg * dg + db * db;
        if (best_d < 0 || d < best_d) {
            best_d = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void Make_Screen(int width, int height) {
    if (width < 1 || height < 1) {
        width = kDefaultWidth;
        height = kDefaultHeight;
        if (const char *e = std::getenv("VEK_SCREEN")) {
            int w = 0, h = 0;
            char tail = 0;
            if (std::sscanf(e, "%dx%d%c", &w, &h, &tail) == 2 && w > 0 && h > 0 && w <= 16384 &&
                h <= 16384) {
                width = w;
                height = h;
            }
        }
    }
    S = Screen();
    S.made = true;
    S.width = width;
    S.height = height;
    for (const Rgb &c : kNamed) Add_Palette_Entry(c.r, c.g, c.b);
    static const int levels[6] = {0, 51, 102, 153, 204, 255};
    for (int r = 0; r < 6; r++)
        for (int g = 0; g < 6; g++)
            for (int b = 0; b < 6; b++) Add_Palette_Entry(levels[r], levels[g], levels[b]);
    for (int k = 0; k < 24; k++) Add_Palette_Entry(8 + 10 * k, 8 + 10 * k, 8 + 10 * k);
    for (int k = 0; k < kSchemeCount; k++)
        S.scheme[k] = Nearest_RGB_Color(kScheme[k].r, kScheme[k].g, kScheme[k].b);
    S.pixels.assign(static_cast<size_t>(width) * height, S.scheme[0]);
    S.vx1 = 0;
    S.vy1 = 0;
    S.vx2 = width - 1;
    S.vy2 = height - 1;
    S.fg = BLACK_CI;
    RFont_Reset();
}

void Ensure(void) {
    if (!S.made) Make_Screen(0, 0);
}

// Palette index of a colour index (scheme resolved); -1 for an unknown one.
int Resolve(int colour) {
    if (colour < 0) return colour >= -kSchemeCount ? S.scheme[-colour - 1] : -1;
    return colour < static_cast<int>(S.palette.size()) ? colour : -1;
}

int Resolve_Or_Black(int colour) {
    int c = Resolve(colour);
    return c < 0 ? BLACK_CI : c;
}

int Floor_Div(int a, int b) {
    assert(b > 0);
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// One pixel in palette index c, through viewport and raster operation.
void Plot(int x, int y, int c) {
    if (x < S.vx1 || x > S.vx2 || y < S.vy1 || y > S.vy2) return;
    int &p = S.pixels[static_cast<size_t>(y) * S.width + x];
    if (S.bop == PX_OP_XOR) p ^= c;
    else p = c;
}

// A pixel of a filled shape: the user fill pattern decides which are drawn.
void Plot_Filled(int x, int y, int c) {
    if (S.fill_style != 0) {
        int row = S.fill_pattern[y & 15];
        if (!(row & (1 << (15 - (x & 15))))) return;
    }
    Plot(x, y, c);
}

void Span(int x1, int x2, int y, int c) {
    if (y < S.vy1 || y > S.vy2) return;
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, S.vx1);
    x2 = std::min(x2, S.vx2);
    for (int x = x1; x <= x2; x++) Plot_Filled(x, y, c);
}

void Fill_Rect(int x1, int y1, int x2, int y2, int c) {
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, S.vy1);
    y2 = std::min(y2, S.vy2);
    for (int y = y1; y <= y2; y++) Span(x1, x2, y, c);
}

// A rectangle without the user fill pattern: panels and placeholders are solid.
void Fill_Rect_Solid(int x1, int y1, int x2, int y2, int c) {
    int saved_fill = S.fill_style;
    S.fill_style = 0;
    Fill_Rect(x1, y1, x2, y2, c);
    S.fill_style = saved_fill;
}

// Orders the corners and cuts the rectangle to the screen; false when
// nothing of it is left.
bool Cut_To_Screen(int *x1, int *y1, int *x2, int *y2) {
    if (*x1 > *x2) std::swap(*x1, *x2);
    if (*y1 > *y2) std::swap(*y1, *y2);
    *x1 = std::max(*x1, 0);
    *y1 = std::max(*y1, 0);
    *x2 = std::min(*x2, S.width - 1);
    *y2 = std::min(*y2, S.height - 1);
    return *x1 <= *x2 && *y1 <= *y2;
}

// Visits the pixels of the Bresenham line from (x1, y1) to (x2, y2) in order,
// both ends included; every line-shaped primitive steps the same way, so
// thin lines, thick lines and polygon outlines meet pixel for pixel.
template <typename Visit>
void Walk_Line(int x1, int y1, int x2, int y2, Visit visit) {
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        visit(x1, y1);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

// Bresenham line; dashed applies the current dash pattern.
void Thin_Line(int x1, int y1, int x2, int y2, int c, bool dashed) {
    Walk_Line(x1, y1, x2, y2, [&](int x, int y) {
        bool on = true;
        if (dashed) {
            on = (S.dash_pattern >> (31 - (S.dash_phase & 31))) & 1u;
            S.dash_phase++;
        }
        if (on) Plot(x, y, c);
    });
}

void Fill_Polygon(int n, const int *xs, const int *ys, int c) {
    if (n < 3 || !xs || !ys) return;
    int ymin = ys[0], ymax = ys[0];
    for (int i = 1; i < n; i++) {
        ymin = std::min(ymin, ys[i]);
        ymax = std::max(ymax, ys[i]);
    }
    ymin = std::max(ymin, S.vy1);
    ymax = std::min(ymax, S.vy2);
    std::vector<double> cross;
    for (int y = ymin; y <= ymax; y++) {
        cross.clear();
        for (int i = 0; i < n; i++) {
            int j = (i + 1) % n;
            int ya = ys[i], yb = ys[j];
            if (ya == yb) continue;
            if ((ya <= y && y < yb) || (yb <= y && y < ya)) {
                double t = static_cast<double>(y - ya) / (yb - ya);
                cross.push_back(xs[i] + t * (xs[j] - xs[i]));
            }
        }
        std::sort(cross.begin(), cross.end());
        for (size_t k = 0; k + 1 < cross.size(); k += 2) {
            int xa = static_cast<int>(std::ceil(cross[k] - 1e-9));
            int xb = static_cast<int>(std::floor(cross[k + 1] + 1e-9));
            if (xa <= xb) Span(xa, xb, y, c);
        }
    }
    // The outline belongs to the polygon, also where the even-odd rule left
    // a bottom or right edge open.
    for (int i = 0; i < n; i++) {
        int j = (i + 1) % n;
        Walk_Line(xs[i], ys[i], xs[j], ys[j], [&](int x, int y) { Plot_Filled(x, y, c); });
    }
}

// Raster text with its origin (first cell's left, baseline) at (x, y),
// rotated by rot (0, 90, 180, 270 counter-clockwise).
void Raster_Text(int x, int y, const char *text, size_t n, int rot, int c) {
    const RFontMetrics *m = RFont_Metrics(pxQFnt());
    bool bold = (pxQFnt() & RFONT_NUMBER_BITS) == (RFONT_BOLD & RFONT_NUMBER_BITS);
    int advance = m->width + m->space;
    for (size_t i = 0; i < n; i++) {
        const unsigned char *g = RFont_Glyph(static_cast<unsigned char>(text[i]));
        int cell = static_cast<int>(i) * advance;
        for (int row = 0; row < 11; row++) {
            int bits = g[row];
            if (!bits) continue;
            int dy = row - 9;
            for (int col = 0; col < 5; col++) {
                if (!(bits & (0x10 >> col))) continue;
                for (int b = 0; b <= (bold ? 1 : 0); b++) {
                    int dx = cell + col + b;
                    int px = x, py = y;
                    switch (rot) {
                    case 90: px += dy; py -= dx; break;
                    case 180: px -= dx; py -= dy; break;
                    case 270: px -= dy; py += dx; break;
                    default: px += dx; py += dy; break;
                    }
                    Plot(px, py, c);
                }
            }
        }
    }
}

// Origin of a text of width w (ascent a, descent d) whose rotated bounding
// box has its top left at (bx, by).
void Origin_From_Box(int rot, int bx, int by, int w, int a, int d, int *ox, int *oy) {
    switch (rot) {
    case 90: *ox = bx + a; *oy = by + w - 1; break;
    case 180: *ox = bx + w - 1; *oy = by + d - 1; break;
    case 270: *ox = bx + d - 1; *oy = by; break;
    default: *ox = bx; *oy = by + a; break;
    }
}

int Rotation_Of(int alignment) {
    if (alignment & PX_TURN_90) return 90;
    if (alignment & PX_TURN_180) return 180;
    if (alignment & PX_TURN_270) return 270;
    return 0;
}

// Top left of a box of size bw x bh placed in (x1, y1)-(x2, y2).
void Place_Box(int x1, int y1, int x2, int y2, int bw, int bh, int alignment, int *bx, int *by) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    switch (alignment & PX_ALIGN_HORIZONTAL) {
    case PX_ALIGN_LEFT: *bx = x1; break;
    case PX_ALIGN_RIGHT: *bx = x2 - bw + 1; break;
    default: *bx = x1 + Floor_Div(x2 - x1 + 1 - bw, 2); break;
    }
    switch (alignment & PX_ALIGN_VERTICAL) {
    case PX_ALIGN_BOTTOM: *by = y2 - bh + 1; break;
    case PX_ALIGN_BASELINE: *by = y2 - bh + 1; break;
    case PX_ALIGN_MIDDLE: *by = y1 + Floor_Div(y2 - y1 + 1 - bh, 2); break;
    default: *by = y1; break;
    }
}

// ---- bitmaps ---------------------------------------------------------------

struct Bitmap {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // row by row, top row first
};

uint32_t Le32(const unsigned char *p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t Le16(const unsigned char *p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

constexpr long long kMaxBitmapBytes = 64LL << 20;  // no bitmap of ours is that large

// The bytes of a bitmap file; false with *refusal set (platform/posix.h)
// when it is no regular file within the cap or cannot be read.
bool Read_Whole(const std::string &name, std::vector<unsigned char> *out, int *refusal) {
    FILE *f = VEK_Open_Reading(name.c_str(), kMaxBitmapBytes, refusal);
    if (!f) return false;
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out->insert(out->end(), buf, buf + n);
    const bool read = !std::ferror(f);
    std::fclose(f);
    if (!read) *refusal = VEK_READ_DENIED;
    return read;
}

// The file as named, else under DATA. When neither is read, *refusal says
// why the first one that is there was refused.
bool Find_Bitmap_File(const char *file, std::vector<unsigned char> *bytes, int *refusal) {
    *refusal = VEK_READ_MISSING;
    if (!file || !*file) return false;
    std::string name = VEK_Native_String(file);
    if (Read_Whole(name, bytes, refusal)) return true;
    if (name[0] != '/') {
        if (const char *data = std::getenv("DATA")) {
            bytes->clear();
            int second = VEK_READ_OK;
            if (Read_Whole(VEK_Join_String(data, name.c_str()), bytes, &second)) return true;
            if (*refusal == VEK_READ_MISSING) *refusal = second;
        }
    }
    return false;
}

// Uncompressed BMP (BI_RGB, or BI_BITFIELDS with 32 bits) of 1, 4, 8, 24 or
// 32 bits.  Returns false for anything else or a truncated file.
bool Load_Bitmap(const char *file, Bitmap *bm, int *refusal = nullptr) {
    std::vector<unsigned char> d;
    int why = VEK_READ_OK;
    if (!Find_Bitmap_File(file, &d, &why)) {
        if (refusal) *refusal = why;
        return false;
    }
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') return false;
    uint32_t data_off = Le32(&d[10]);
    uint32_t hsize = Le32(&d[14]);
    long w, h;
    int bpp;
    uint32_t compression = 0, colours = 0;
    size_t pal_off = 14 + hsize;
    int pal_entry = 4;
    if (hsize == 12) {
        w = Le16(&d[18]);
        h = static_cast<int16_t>(Le16(&d[20]));
        bpp = Le16(&d[24]);
        pal_entry = 3;
    } else if (hsize >= 40 && d.size() >= 54) {
        w = static_cast<int32_t>(Le32(&d[18]));
        h = static_cast<int32_t>(Le32(&d[22]));
        bpp = Le16(&d[28]);
        compression = Le32(&d[30]);
        colours = Le32(&d[46]);
        if (compression == 3 && hsize == 40) pal_off += 12;  // the three masks
    } else {
        return false;
    }
    bool top_down = h < 0;
    if (top_down) h = -h;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
    if (!(compression == 0 || (compression == 3 && bpp == 32))) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;
    std::vector<Rgb> pal;
    if (bpp <= 8) {
        uint32_t n = colours ? colours : (1u << bpp);
        if (n > 256) return false;
        for (uint32_t i = 0; i < n; i++) {
            size_t o = pal_off + static_cast<size_t>(i) * pal_entry;
            if (o + 3 > d.size()) return false;
            pal.push_back({d[o + 2], d[o + 1], d[o]});
        }
    }
    size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    if (data_off + stride * static_cast<size_t>(h) > d.size()) return false;
    bm->width = static_cast<int>(w);
    bm->height = static_cast<int>(h);
    bm->pixels.assign(static_cast<size_t>(w) * h, {0, 0, 0});
    for (long row = 0; row < h; row++) {
        const unsigned char *src = &d[data_off + stride * static_cast<size_t>(row)];
        long y = top_down ? row : h - 1 - row;
        Rgb *dst = &bm->pixels[static_cast<size_t>(y) * w];
        for (long x = 0; x < w; x++) {
            switch (bpp) {
            case 24: dst[x] = {src[3 * x + 2], src[3 * x + 1], src[3 * x]}; break;
            case 32: dst[x] = {src[4 * x + 2], src[4 * x + 1], src[4 * x]}; break;
            default: {
                int index;
                if (bpp == 8) index = src[x];
                else if (bpp == 4) index = (src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
                else index = (src[x / 8] >> (7 - x % 8)) & 1;
                dst[x] = index < static_cast<int>(pal.size()) ? pal[index] : Rgb{0, 0, 0};
                break;
            }
            }
        }
    }
    return true;
}

void Placeholder(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    Fill_Rect_Solid(x1, y1, x2, y2, LGREY_CI);
    Thin_Line(x1, y1, x2, y1, DGREY_CI, false);
    Thin_Line(x2, y1, x2, y2, DGREY_CI, false);
    Thin_Line(x2, y2, x1, y2, DGREY_CI, false);
    Thin_Line(x1, y2, x1, y1, DGREY_CI, false);
    Thin_Line(x1, y1, x2, y2, DGREY_CI, false);
    Thin_Line(x1, y2, x2, y1, DGREY_CI, false);
}

// Counts a bitmap that is not drawn whole; a run driven by a script file
// tells the first fault of every file on stderr, for the script's author.
void Note_Bitmap_Fault(const char *file, const char *what) {
    std::lock_guard<std::mutex> lock(bitmap_fault_mutex);
    S.bitmap_faults++;
    S.last_bitmap_fault = file ? file : "";
    const char *script = std::getenv("VEK_SCRIPT");
    if (script && *script && S.reported_bitmaps.insert(S.last_bitmap_fault).second)
        std::fprintf(stderr, "bitmap \"%s\" %s\n", S.last_bitmap_fault.c_str(), what);
}

int Draw_Bitmap(const char *file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2,
                int y2, int mode, int ci, int r, int g, int b) {
    Ensure();
    Bitmap bm;
    int refusal = VEK_READ_OK;
    if (!Load_Bitmap(file, &bm, &refusal)) {
        const std::string what = refusal == VEK_READ_OK
                                     ? std::string("cannot be read: placeholder drawn")
                                     : std::string("cannot be read (") + VEK_Read_Refusal_Text(refusal) +
                                           "): placeholder drawn";
        Note_Bitmap_Fault(file, what.c_str());
        Placeholder(x1, y1, x2, y2);
        return 0;
    }
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (sx2 < 0) sx2 = bm.width - 1;
    if (sy2 < 0) sy2 = bm.height - 1;
    if (sx1 > sx2) std::swap(sx1, sx2);
    if (sy1 > sy2) std::swap(sy1, sy2);
    const bool whole = sx1 >= 0 && sy1 >= 0 && sx2 < bm.width && sy2 < bm.height;
    sx1 = std::max(sx1, 0);
    sy1 = std::max(sy1, 0);
    sx2 = std::min(sx2, bm.width - 1);
    sy2 = std::min(sy2, bm.height - 1);
    if (sx1 > sx2 || sy1 > sy2) {
        Note_Bitmap_Fault(file, "holds nothing of the cut: placeholder drawn");
        Placeholder(x1, y1, x2, y2);
        return 0;
    }
    if (!whole) Note_Bitmap_Fault(file, "is smaller than the cut: drawn in part");
    bool transparent = false;
    Rgb key{0, 0, 0};
    if (ci >= 0) {
        transparent = pxQCR(ci, &key.r, &key.g, &key.b) != 0;
    } else if (r >= 0) {
        transparent = true;
        key = {Clamp255(r), Clamp255(g), Clamp255(b)};
    }
    int sw = sx2 - sx1 + 1, sh = sy2 - sy1 + 1;
    int tw = x2 - x1 + 1, th = y2 - y1 + 1;
    int dx = x1, dy = y1, dw = sw, dh = sh;  // destination of the whole source
    switch (mode & 3) {
    case 1:
        dw = tw;
        dh = th;
        break;
    case 2: {
        double s = std::min(static_cast<double>(tw) / sw, static_cast<double>(th) / sh);
        dw = std::max(1, static_cast<int>(sw * s));
        dh = std::max(1, static_cast<int>(sh * s));
        dx = x1 + (tw - dw) / 2;
        dy = y1 + (th - dh) / 2;
        break;
    }
    default: break;
    }
    std::unordered_map<uint32_t, int> cache;
    int save_bop = S.bop;
    S.bop = PX_OP_COPY;
    for (int ty = std::max(dy, y1); ty < dy + dh && ty <= y2; ty++) {
        int sy = sy1 + static_cast<int>(static_cast<long>(ty - dy) * sh / dh);
        for (int tx = std::max(dx, x1); tx < dx + dw && tx <= x2; tx++) {
            int sx = sx1 + static_cast<int>(static_cast<long>(tx - dx) * sw / dw);
            const Rgb &p = bm.pixels[static_cast<size_t>(sy) * bm.width + sx];
            if (transparent && p.r == key.r && p.g == key.g && p.b == key.b) continue;
            uint32_t k = Pack(p.r, p.g, p.b);
            auto it = cache.find(k);
            int c = it != cache.end() ? it->second : (cache[k] = Nearest_Entry(p.r, p.g, p.b));
            Plot(tx, ty, c);
        }
    }
    S.bop = save_bop;
    return 1;
}

}  // namespace

// ---------------------------------------------------------------------------

void pxInitScreen(int width, int height) { Make_Screen(width, height); }

int pxScreenWidth(void) {
    Ensure();
    return S.width;
}

int pxScreenHeight(void) {
    Ensure();
    return S.height;
}

int pxGetPixel(int x, int y) {
    Ensure();
    if (x < 0 || y < 0 || x >= S.width || y >= S.height) return -1;
    return S.pixels[static_cast<size_t>(y) * S.width + x];
}

const int *pxScreenPixels(void) {
    Ensure();
    return S.pixels.data();
}

void pxScreenRGB(unsigned *out) {
    Ensure();
    std::vector<unsigned> colour(S.palette.size());
    for (size_t i = 0; i < colour.size(); i++)
        colour[i] = Pack(S.palette[i].r, S.palette[i].g, S.palette[i].b);
    for (int p : S.pixels) *out++ = p >= 0 && static_cast<size_t>(p) < colour.size() ? colour[p] : 0u;
}

long pxFlushCount(void) {
    Ensure();
    return S.flushes;
}

int Nearest_RGB_Color(int r, int g, int b) {
    Ensure();
    r = Clamp255(r);
    g = Clamp255(g);
    b = Clamp255(b);
    auto it = S.exact.find(Pack(r, g, b));
    if (it != S.exact.end()) return it->second;
    if (S.palette.size() >= kPaletteMax) return Nearest_Entry(r, g, b);
    return Add_Palette_Entry(r, g, b);
}

int Nearest_Color_Index(int r, int g, int b) {
    Ensure();
    return Nearest_Entry(Clamp255(r), Clamp255(g), Clamp255(b));
}

int GetVEKColor(int colour) {
    Ensure();
    return Resolve_Or_Black(colour);
}

int pxQCR(int colour, int *r, int *g, int *b) {
    Ensure();
    int c = Resolve(colour);
    Rgb v = c < 0 ? Rgb{0, 0, 0} : S.palette[c];
    if (r) *r = v.r;
    if (g) *g = v.g;
    if (b) *b = v.b;
    return c < 0 ? 0 : 1;
}

void pxFgc(int colour) {
    Ensure();
    S.fg = colour;
}

int pxQFgc(void) {
    Ensure();
    return S.fg;
}

void pxView(int x1, int y1, int x2, int y2) {
    Ensure();
    Cut_To_Screen(&x1, &y1, &x2, &y2);
    S.vx1 = x1;
    S.vy1 = y1;
    S.vx2 = x2;
    S.vy2 = y2;
}

void pxQVwp(int *x1, int *y1, int *x2, int *y2) {
    Ensure();
    if (x1) *x1 = S.vx1;
    if (y1) *y1 = S.vy1;
    if (x2) *x2 = S.vx2;
    if (y2) *y2 = S.vy2;
}

void pxSLn(int style) {
    Ensure();
    static const uint32_t kStyles[5] = {0xFFFFFFFFu, 0xFFF0FFF0u, 0xAAAAAAAAu, 0xFF18FF18u,
                                        0xFFFFFF00u};
    S.dash_style = style;
    S.dash_pattern = (style >= PX_LINE_SOLID && style <= PX_LINE_LONG_DASHES) ? kStyles[style]
                                                                             : static_cast<uint32_t>(style);
    S.dash_phase = 0;
}

int pxQSLn(void) {
    Ensure();
    return S.dash_style;
}

void pxSBop(int op) {
    Ensure();
    S.bop = op == PX_OP_XOR ? PX_OP_XOR : PX_OP_COPY;
}

void pxSFA(int style) {
    Ensure();
    S.fill_style = style;
}

int pxSUFA(const int *pattern) {
    Ensure();
    if (!pattern) {
        S.fill_style = 0;
        return 0;
    }
    for (int i = 0; i < 16; i++) S.fill_pattern[i] = pattern[i] & 0xFFFF;
    S.fill_style = 1;
    return 1;
}

int pxBuff(int buffer) {
    Ensure();
    int previous = S.buffer;
    if (buffer != -1) S.buffer = buffer;
    return previous;
}

void pxFlsh(void) {
    Ensure();
    S.flushes++;
    VEK_Display_Flush();
}

void pxDot(int x, int y) {
    Ensure();
    Plot(x, y, Resolve_Or_Black(S.fg));
}

void pxLine(int x1, int y1, int x2, int y2) {
    Ensure();
    Thin_Line(x1, y1, x2, y2, Resolve_Or_Black(S.fg), S.dash_pattern != 0xFFFFFFFFu);
}

void pxTkLn(int x1, int y1, int x2, int y2, int w) {
    Ensure();
    int c = Resolve_Or_Black(S.fg);
    if (w < 2) {
        Thin_Line(x1, y1, x2, y2, c, false);
        return;
    }
    int lo = -(w / 2), hi = w - 1 - w / 2;
    // The squares overlap; each pixel is drawn once so that exclusive or
    // does not flip it back.
    std::vector<std::pair<int, int>> pts;
    Walk_Line(x1, y1, x2, y2, [&](int x, int y) {
        for (int yy = y + lo; yy <= y + hi; yy++)
            for (int xx = x + lo; xx <= x + hi; xx++) pts.emplace_back(yy, xx);
    });
    std::sort(pts.begin(), pts.end());
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    for (auto &p : pts) Plot(p.second, p.first, c);
}

void pxRect(int x1, int y1, int x2, int y2) {
    Ensure();
    Fill_Rect(x1, y1, x2, y2, Resolve_Or_Black(S.fg));
}

void pxFill(int n, const int *xs, const int *ys) {
    Ensure();
    Fill_Polygon(n, xs, ys, Resolve_Or_Black(S.fg));
}

void pxTri(int x1, int y1, int x2, int y2, int x3, int y3) {
    int xs[3] = {x1, x2, x3}, ys[3] = {y1, y2, y3};
    pxFill(3, xs, ys);
}

void pxCrcl(int x, int y, int r) {
    Ensure();
    int c = Resolve_Or_Black(S.fg);
    if (r <= 0) {
        Plot(x, y, c);
        return;
    }
    // Midpoint circle; the eight octant points are collected first so that
    // no pixel is drawn twice (which matters under exclusive or).
    std::vector<std::pair<int, int>> pts;
    int px = r, py = 0, err = 1 - r;
    while (px >= py) {
        const int o[8][2] = {{px, py}, {py, px}, {-py, px}, {-px, py},
                             {-px, -py}, {-py, -px}, {py, -px}, {px, -py}};
        for (auto &p : o) pts.emplace_back(x + p[0], y + p[1]);
        py++;
        if (err < 0) {
            err += 2 * py + 1;
        } else {
            px--;
            err += 2 * (py - px) + 1;
        }
    }
    std::sort(pts.begin(), pts.end());
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    for (auto &p : pts) Plot(p.first, p.second, c);
}

void pxArc(int x, int y, int r, double a1, double a2) {
    Ensure();
    int c = Resolve_Or_Black(S.fg);
    if (r <= 0) {
        Plot(x, y, c);
        return;
    }
    while (a2 < a1) a2 += 360.0;
    double step = 0.5 / r;  // radians: under a pixel between samples
    double from = a1 * M_PI / 180.0, to = a2 * M_PI / 180.0;
    int lx = 0, ly = 0;
    bool first = true;
    for (double a = from;; a += step) {
        if (a > to) a = to;
        int px = x + static_cast<int>(std::lround(r * std::cos(a)));
        int py = y - static_cast<int>(std::lround(r * std::sin(a)));
        if (first || px != lx || py != ly) Plot(px, py, c);
        first = false;
        lx = px;
        ly = py;
        if (a >= to) break;
    }
}

void pxMask(int x, int y, const int *mask) {
    Ensure();
    if (!mask) return;
    int w = mask[0], h = mask[1];
    if (w <= 0 || h <= 0 || w > 32) return;
    int top = 8 * ((w + 7) / 8) - 1;
    int c = Resolve_Or_Black(S.fg);
    for (int row = 0; row < h; row++) {
        unsigned bits = static_cast<unsigned>(mask[2 + row]);
        for (int col = 0; col < w; col++)
            if (bits & (1u << (top - col))) Plot(x + col, y + row, c);
    }
}

void pxText(int x, int y, const char *text, int length) {
    Ensure();
    Raster_Text(x, y, text, RFont_Text_Length(text, length), 0, Resolve_Or_Black(S.fg));
}

void pxBTxt(int x1, int y1, int x2, int y2, const char *text, int length, int alignment) {
    Ensure();
    size_t n = RFont_Text_Length(text, length);
    if (n == 0) return;
    const RFontMetrics *m = RFont_Metrics(pxQFnt());
    int w = RFont_Text_Width(pxQFnt(), text, static_cast<int>(n));
    int rot = Rotation_Of(alignment);
    int a = m->ascent, d = m->descent;
    int bw = (rot == 90 || rot == 270) ? a + d : w;
    int bh = (rot == 90 || rot == 270) ? w : a + d;
    int bx, by;
    Place_Box(x1, y1, x2, y2, bw, bh, alignment, &bx, &by);
    if ((alignment & PX_ALIGN_VERTICAL) == PX_ALIGN_BASELINE && rot == 0) by = std::max(y1, y2) - a;  // baseline on y2
    int ox, oy;
    Origin_From_Box(rot, bx, by, w, a, d, &ox, &oy);
    Raster_Text(ox, oy, text, n, rot, Resolve_Or_Black(S.fg));
}

void pxRTxt(int x, int y, const char *text, int length, int direction) {
    Ensure();
    Raster_Text(x, y, text, RFont_Text_Length(text, length), direction == 1 ? 90 : 0,
                Resolve_Or_Black(S.fg));
}

// ---- vector texts ----------------------------------------------------------

void pxChH(double height) {
    Ensure();
    if (height > 0) S.char_height = height;
}
void pxExpF(double factor) {
    Ensure();
    if (factor > 0) S.expansion = factor;
}
void pxSpac(double spacing) {
    Ensure();
    S.spacing = spacing;
}
void pxOrnt(double radians) {
    Ensure();
    S.orientation = radians;
}

void pxQGTX(const char *text, int length, double *width, double *height) {
    Ensure();
    size_t n = RFont_Text_Length(text, length);
    double cw = 0.6 * S.char_height * S.expansion;
    double w = n ? n * cw + (n - 1) * S.spacing * S.char_height : 0.0;
    if (width) *width = w;
    if (height) *height = n ? S.char_height : 0.0;
}

void pxGBTt(int x1, int y1, int x2, int y2, const char *text, int length, int alignment) {
    Ensure();
    size_t n = RFont_Text_Length(text, length);
    if (n == 0) return;
    double w, h;
    pxQGTX(text, static_cast<int>(n), &w, &h);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // Anchor in the box, and the text's own offset from it (unrotated frame,
    // y down): the anchor's place on the text follows the same alignment.
    double ax, ay, ox, oy;
    switch (alignment & PX_ALIGN_HORIZONTAL) {
    case PX_ALIGN_LEFT: ax = x1; ox = 0; break;
    case PX_ALIGN_RIGHT: ax = x2; ox = -w; break;
    default: ax = 0.5 * (x1 + x2); ox = -0.5 * w; break;
    }
    switch (alignment & PX_ALIGN_VERTICAL) {
    case PX_ALIGN_BOTTOM: case PX_ALIGN_BASELINE: ay = y2; oy = -h; break;
    case PX_ALIGN_MIDDLE: ay = 0.5 * (y1 + y2); oy = -0.5 * h; break;
    default: ay = y1; oy = 0; break;
    }
    double cw = 0.6 * S.char_height * S.expansion;
    double adv = cw + S.spacing * S.char_height;
    double sx = cw / 5.0, sy = S.char_height / 7.0;
    double co = std::cos(S.orientation), si = std::sin(S.orientation);
    int c = Resolve_Or_Black(S.fg);
    for (size_t i = 0; i < n; i++) {
        const unsigned char *g = RFont_Glyph(static_cast<unsigned char>(text[i]));
        for (int row = 0; row < 11; row++)
            for (int col = 0; col < 5; col++) {
                if (!(g[row] & (0x10 >> col))) continue;
                // The cell's corners in the text frame (body rows 2..8 span h).
                double lx = ox + i * adv + col * sx, ly = oy + (row - 2) * sy;
                double cx[4] = {lx, lx + sx, lx + sx, lx}, cy[4] = {ly, ly, ly + sy, ly + sy};
                int px[4], py[4];
                for (int k = 0; k < 4; k++) {
                    // Counter-clockwise on the screen: y points down.
                    px[k] = static_cast<int>(std::lround(ax + cx[k] * co + cy[k] * si));
                    py[k] = static_cast<int>(std::lround(ay - cx[k] * si + cy[k] * co));
                }
                Fill_Polygon(4, px, py, c);
            }
    }
}

// ---- saved rectangles ------------------------------------------------------

int Save_Screen_Rectangle(int x1, int y1, int x2, int y2) {
    Ensure();
    SavedRect s;
    s.key[0] = x1;
    s.key[1] = y1;
    s.key[2] = x2;
    s.key[3] = y2;
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    if (Cut_To_Screen(&s.x1, &s.y1, &s.x2, &s.y2)) {
        for (int y = s.y1; y <= s.y2; y++)
            for (int x = s.x1; x <= s.x2; x++)
                s.pixels.push_back(S.pixels[static_cast<size_t>(y) * S.width + x]);
    }
    S.saved.push_back(std::move(s));
    return 1;
}

int Restore_Screen_Rectangle(int x1, int y1, int x2, int y2) {
    Ensure();
    for (size_t i = S.saved.size(); i-- > 0;) {
        SavedRect &s = S.saved[i];
        if (s.key[0] != x1 || s.key[1] != y1 || s.key[2] != x2 || s.key[3] != y2) continue;
        size_t k = 0;
        if (!s.pixels.empty())
            for (int y = s.y1; y <= s.y2; y++)
                for (int x = s.x1; x <= s.x2; x++)
                    S.pixels[static_cast<size_t>(y) * S.width + x] = s.pixels[k++];
        S.saved.erase(S.saved.begin() + static_cast<long>(i));
        return 1;
    }
    return 0;
}

size_t pxQSvR(int x1, int y1, int x2, int y2) {
    Ensure();
    if (!Cut_To_Screen(&x1, &y1, &x2, &y2)) return 0;
    return static_cast<size_t>(x2 - x1 + 1) * (y2 - y1 + 1) * sizeof(int);
}

void pxSvRc(int x1, int y1, int x2, int y2, void *buffer) {
    Ensure();
    if (!buffer || !Cut_To_Screen(&x1, &y1, &x2, &y2)) return;
    int *out = static_cast<int *>(buffer);
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) *out++ = S.pixels[static_cast<size_t>(y) * S.width + x];
}

void pxStRc(int x1, int y1, int x2, int y2, const void *buffer) {
    Ensure();
    if (!buffer || !Cut_To_Screen(&x1, &y1, &x2, &y2)) return;
    const int *in = static_cast<const int *>(buffer);
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) S.pixels[static_cast<size_t>(y) * S.width + x] = *in++;
}

// ---- bitmap calls ----------------------------------------------------------

int pxDrawTransparentDIB(const char *file, int x1, int y1, int x2, int y2, int mode, int ci, int r,
                         int g, int b) {
    return Draw_Bitmap(file, 0, 0, -1, -1, x1, y1, x2, y2, mode, ci, r, g, b);
}

int pxDrawPartialTransparentDIB(const char *file, int sx1, int sy1, int sx2, int sy2, int x1,
                                int y1, int x2, int y2, int mode, int ci, int r, int g, int b) {
    return Draw_Bitmap(file, sx1, sy1, sx2, sy2, x1, y1, x2, y2, mode, ci, r, g, b);
}

int pxBitmapFaults(void) {
    std::lock_guard<std::mutex> lock(bitmap_fault_mutex);
    return S.bitmap_faults;
}

const char *pxLastBitmapFault(void) {
    std::lock_guard<std::mutex> lock(bitmap_fault_mutex);
    return S.last_bitmap_fault.c_str();
}

int pxQDIBSize(const char *file, int *width, int *height) {
    Bitmap bm;
    if (!Load_Bitmap(file, &bm)) return 0;
    if (width) *width = bm.width;
    if (height) *height = bm.height;
    return 1;
}

// ---- panels ----------------------------------------------------------------

void Draw_Funny_Area_to_PS(int look, int x1, int y1, int x2, int y2, int fill) {
    Ensure();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int light = Resolve_Or_Black(-2), dark = Resolve_Or_Black(-3), shadow = Resolve_Or_Black(-15);
    if (fill) Fill_Rect_Solid(x1, y1, x2, y2, Resolve_Or_Black(-1));
    auto frame = [](int a1, int b1, int a2, int b2, int top_left, int bottom_right) {
        Thin_Line(a1, b1, a2, b1, top_left, false);
        Thin_Line(a1, b1, a1, b2, top_left, false);
        Thin_Line(a1, b2, a2, b2, bottom_right, false);
        Thin_Line(a2, b1, a2, b2, bottom_right, false);
    };
    switch (look) {
    case 1: frame(x1, y1, x2, y2, shadow, light); break;
    case 2: frame(x1, y1, x2, y2, light, shadow); break;
    case 3:
    case 4:
        frame(x1, y1, x2, y2, shadow, light);
        frame(x1 + 1, y1 + 1, x2 - 1, y2 - 1, dark, Resolve_Or_Black(-13));
        break;
    case 5:
        frame(x1, y1, x2, y2, light, dark);
        frame(x1 + 1, y1 + 1, x2 - 1, y2 - 1, Resolve_Or_Black(-13), shadow);
        break;
    default:
        if (look >= 6) {
            frame(x1 + 1, y1 + 1, x2, y2, light, light);
            frame(x1, y1, x2 - 1, y2 - 1, shadow, shadow);
        }
        break;
    }
}
