// Pixel-drawing routines of the connection pictures.
#include "drawings/screen_primitives.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "dialogs/valuecheck.h"
#include "platform/draw_calls.h"
#include "platform/font.h"
#include "platform/screen.h"

// Pixel coordinates derived from doubles are held within a million pixels,
// far beyond any screen, so that no conversion to int and no line walk over
// them overflows whatever a damaged input holds.
static const double PIXEL_LIMIT = 1e6;

int Round_To_Pixel(double v) {
    if (std::isnan(v)) return 0;
    double a = std::fmin(std::fabs(v) + 0.5555555555555556, PIXEL_LIMIT);
    int m = (int)a;
    return v < 0.0 ? -m : m;
}

// Truncation toward zero, held like Round_To_Pixel.
static int Trunc_Pixel(double v) {
    if (std::isnan(v)) return 0;
    return (int)std::fmax(-PIXEL_LIMIT, std::fmin(v, PIXEL_LIMIT));
}

double Snap_Unit_Value(double v) {
    if (std::fabs(v) < 0.001) return 0.0;
    if (std::fabs(v - 1.0) < 0.001) return 1.0;
    if (std::fabs(v + 1.0) < 0.001) return -1.0;
    return v;
}

// The closed outline of n corners with the line width; the first edge runs
// from corner first.
static void Stroke_Closed(int n, const int xs[], const int ys[], int width) {
    for (int i = 1; i <= n; i++) pxTkLn(xs[i - 1], ys[i - 1], xs[i % n], ys[i % n], width);
}

// The n corners filled in the fill colour and the closed outline stroked
// in the line colour, where those are >= 0; the colour is given back.
static void Fill_And_Stroke(int n, const int xs[], const int ys[], int fill_colour, int line_width,
                            int line_colour) {
    int kept = pxQFgc();
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(n, xs, ys);
    }
    if (line_width >= 0 && line_colour >= 0) {
        pxFgc(line_colour);
        Stroke_Closed(n, xs, ys, line_width);
    }
    pxFgc(kept);
}

void Draw_Filled_Polygon(int n, const int xs[], const int ys[], int fill_colour, int line_width,
                         int line_colour) {
    // Without a corner there is not even the closing edge to draw.
    if (n < 1 || !xs || !ys) return;
    Fill_And_Stroke(n, xs, ys, fill_colour, line_width, line_colour);
}

// n corners of a circle from angle 0, truncated toward zero.
static void Circle_Corners(int x, int y, int r, int n, int xs[], int ys[]) {
    const double step = 2.0 * M_PI / n;
    for (int i = 0; i < n; i++) {
        xs[i] = Trunc_Pixel(x + r * std::cos(i * step));
        ys[i] = Trunc_Pixel(y + r * std::sin(i * step));
    }
}

void Draw_Filled_Circle(int x, int y, int r, int n, int fill_colour, int line_width,
                        int line_colour) {
    if (n > 64 || n < 1) return;
    int xs[64], ys[64];
    Circle_Corners(x, y, r, n, xs, ys);
    Fill_And_Stroke(n, xs, ys, fill_colour, line_width, line_colour);
}

void Draw_Filled_Ring(int x, int y, int r_outer, int r_inner, int n, int fill_colour,
                      int line_width, int line_colour) {
    // Fewer than three corners enclose nothing, and the arrays hold 64.
    if (n > 64 || n < 3) return;
    bool ring = (0 < r_inner && r_inner < r_outer) || (r_outer < r_inner && r_inner < 0);
    if (!ring) {
        Draw_Filled_Circle(x, y, r_outer, n, fill_colour, line_width, line_colour);
        return;
    }
    int xs[2 * 64 + 2], ys[2 * 64 + 2];
    int ix[64], iy[64];
    Circle_Corners(x, y, r_outer, n, xs, ys);
    Circle_Corners(x, y, r_inner, n, ix, iy);
    xs[n] = Trunc_Pixel((double)x + r_outer), ys[n] = y;
    xs[n + 1] = Trunc_Pixel((double)x + r_inner), ys[n + 1] = y;
    // The inner circle runs backwards, so the hole stays out of the fill.
    for (int k = 0; k < n; k++) xs[2 * n + 1 - k] = ix[k], ys[2 * n + 1 - k] = iy[k];

    int kept = pxQFgc();
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(2 * n + 2, xs, ys);
    }
    if (line_width >= 0 && line_colour >= 0) {
        pxFgc(line_colour);
        Stroke_Closed(n, xs, ys, line_width);
        // The inner run and its closing edge; the slit is left unstroked.
        for (int k = n + 2; k <= 2 * n + 1; k++) pxTkLn(xs[k - 1], ys[k - 1], xs[k], ys[k], line_width);
        pxTkLn(xs[2 * n + 1], ys[2 * n + 1], xs[n + 1], ys[n + 1], line_width);
    }
    pxFgc(kept);
}

void Draw_Filled_Rect(int x1, int y1, int x2, int y2, int colour) {
    if (colour < 0) return;
    const int xs[4] = {x1, x1, x2, x2}, ys[4] = {y1, y2, y2, y1};
    int kept = pxQFgc();
    pxFgc(colour);
    pxFill(4, xs, ys);
    pxFgc(kept);
}

void Draw_Text_At(int x, int y, const char* text, int right_aligned, int colour, int size) {
    if (!text) return;
    int n = (int)std::strlen(text);
    int font = size == 1 ? 0x1002 : (size == 2 ? 0x1001 : 0x1000);
    double per_character = size == 1 ? 5.0 : (size == 2 ? 8.0 : 6.5);
    if (right_aligned == 1) x -= Trunc_Pixel(per_character * n);
    if (colour >= 0) pxFgc(colour);
    Pop_RFont(font);
    pxBTxt(x, y, x, y, text, n, 17);
    Push_RFont();
}

// Shaft and head of an axis arrow from (x, y) towards (-cos, sin) on screen;
// the point of the head into *hx, *hy.
static void Arrow_Shaft_And_Head(int x, int y, int length, double angle, int* hx, int* hy) {
    double c = Snap_Unit_Value(std::cos(angle)), s = Snap_Unit_Value(std::sin(angle));
    int third = length / 3, ninth = length / 9;
    int tx = x - Trunc_Pixel(length * c), ty = y + Trunc_Pixel(length * s);
    pxTkLn(tx, ty, x, y, 2);
    *hx = tx - Trunc_Pixel(ninth * c), *hy = ty + Trunc_Pixel(ninth * s);
    int bx = *hx + Trunc_Pixel(third * c), by = *hy - Trunc_Pixel(third * s);
    int ox = Trunc_Pixel(ninth * s), oy = Trunc_Pixel(ninth * c);
    pxTri(*hx, *hy, bx + ox, by + oy, bx - ox, by - oy);
}

void Draw_Arrow_With_Text(int x, int y, int length, const char* text, double angle) {
    int hx, hy;
    Arrow_Shaft_And_Head(x, y, length, angle, &hx, &hy);
    if (!text) return;
    double c = Snap_Unit_Value(std::cos(angle)), s = Snap_Unit_Value(std::sin(angle));
    pxText(hx - Trunc_Pixel(8.0 * c), hy + Trunc_Pixel(8.0 * s), text, (int)std::strlen(text));
}

void Draw_Axis_Arrow(int x, int y, int length, int text_side, const char* text, double angle) {
    int hx, hy;
    Arrow_Shaft_And_Head(x, y, length, angle, &hx, &hy);
    if (!text) return;
    int n = (int)std::strlen(text);
    pxText(text_side == 0 ? x + 2 : x - 8 * n, y, text, n);
}

// A filled head with its point at (x, y) and its base centre length pixels
// back against the screen direction (c, -s), half_width to each side.
static void Head_At(int x, int y, double c, double s, double length, double half_width) {
    int bx = x - Trunc_Pixel(length * c), by = y + Trunc_Pixel(length * s);
    int ox = Trunc_Pixel(half_width * s), oy = Trunc_Pixel(half_width * c);
    pxTri(x, y, bx + ox, by + oy, bx - ox, by - oy);
}

void Draw_Arrow_Head(int x, int y, int unused, double angle) {
    (void)unused;
    if (!std::isfinite(angle)) return;
    // Folded into -pi/2 .. pi/2; each half turn reverses the head, so the
    // direction is kept and only the snapping sees the folded angle.
    double a = std::fmod(angle, 2.0 * M_PI), sign = 1.0;
    while (a > M_PI / 2.0) a -= M_PI, sign = -sign;
    while (a < -M_PI / 2.0) a += M_PI, sign = -sign;
    Head_At(x, y, sign * Snap_Unit_Value(std::cos(a)), sign * Snap_Unit_Value(std::sin(a)), 15.0,
            5.0);
}

void Draw_Arc_Arrow_With_Text(int x, int y, int size, int label, int sense, double angle) {
    int r = size / 2;
    if (!std::isfinite(angle) || r <= 0) return;
    double sweep = sense < 0 ? -3.2 : 3.2, end = angle + sweep;
    double from = std::fmin(angle, end), to = std::fmax(angle, end);
    pxArc(x, y, r, from * 180.0 / M_PI, to * 180.0 / M_PI);
    // The head points along the arc at its end: the tangent turned a
    // quarter from the radius, in the sense of the sweep.
    double c = Snap_Unit_Value(std::cos(end)), s = Snap_Unit_Value(std::sin(end));
    int ex = x + Trunc_Pixel(r * c), ey = y - Trunc_Pixel(r * s);
    double dir = sense < 0 ? -1.0 : 1.0;
    Head_At(ex, ey, -dir * s, dir * c, 0.8 * r, 0.4 * r);
    double lc = Snap_Unit_Value(std::cos(angle + 1.64 * dir)),
           ls = Snap_Unit_Value(std::sin(angle + 1.64 * dir));
    char number[16];
    std::snprintf(number, sizeof number, "%d", label);
    int lx = x + Trunc_Pixel((r + 8) * lc), ly = y - Trunc_Pixel((r + 8) * ls);
    pxBTxt(lx, ly, lx, ly, number, -1, 0xC0);
}

void Draw_Corner_Fillet(int x, int y, int r, int orientation, int fill_colour, int line_width) {
    // cos(i pi / 16) for i = 0 .. 8.
    static const double COS[9] = {1.0,
                                  0.9807852804032304,
                                  0.9238795325112867,
                                  0.8314696123025452,
                                  0.7071067811865476,
                                  0.5555702330196022,
                                  0.3826834323650898,
                                  0.1950903220161282,
                                  0.0};
    int sx = (orientation == 1 || orientation == 2) ? -1 : 1;
    int sy = (orientation == 2 || orientation == 3) ? 1 : -1;
    int cx = x + sx * r, cy = y + sy * r;
    // Point 0 is the corner; 1 .. 9 run along the arc from the leg along y
    // to the leg along x.
    int xs[10] = {x}, ys[10] = {y};
    for (int i = 0; i <= 8; i++) {
        xs[1 + i] = cx - sx * Round_To_Pixel(r * COS[i]);
        ys[1 + i] = cy - sy * Round_To_Pixel(r * COS[8 - i]);
    }
    int kept = pxQFgc();
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(10, xs, ys);
    }
    pxFgc(kept);
    if (line_width >= 0) {
        pxTkLn(x, y, xs[1], ys[1], line_width);
        pxTkLn(x, y, xs[9], ys[9], line_width);
        pxFgc(Screen_Black);
        for (int i = 2; i <= 9; i++) pxTkLn(xs[i - 1], ys[i - 1], xs[i], ys[i], line_width);
        pxFgc(kept);
    }
}

void Draw_Marked_Line(int x1, int y1, int x2, int y2, const char* text, int text_position) {
    static const unsigned char DOT[5] = {0x70, 0xF8, 0xF8, 0xF8, 0x70};
    pxFgc(Screen_Black);
    pxSFnt(0x1000);
    pxTkLn(x1, y1, x2, y2, 1);
    const int ends[2][2] = {{x1, y1}, {x2, y2}};
    for (const auto& e : ends) {
        if (Screen_White >= 0) {
            pxFgc(Screen_White);
            pxMask(e[0] - 2, e[1] - 2, e[0] + 2, e[1] + 2, DOT, 1);
        }
        pxFgc(Screen_Black);
        pxCrcl(e[0], e[1], 2);
    }
    if (!text) return;
    int n = (int)std::strlen(text), mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    if (text_position == 1)
        pxText(x1 + 4, my + 3, text, n);
    else if (text_position == 2)
        pxText(mx + 2, my + 2, text, n);
    else
        pxText(mx - 3 * n, y1 - 2, text, n);
}

void Draw_Filled_Arc(int x, int y, int r, double start, double sweep, int fill_colour,
                     int line_width) {
    if (!std::isfinite(start) || !std::isfinite(sweep) || std::fabs(start) > 1e6) return;
    if (sweep < 0.001) return;
    // More than a full turn would only repeat corners and overrun the
    // corner arrays, which hold one turn and its closing corner.
    if (sweep > 360.0) sweep = 360.0;
    const int CAPACITY = 34;
    int k0 = (int)((start + 0.001) * 0.08888888888888889);
    int k1 = (int)((start + sweep + 0.001) * 0.08888888888888889 + 1.0);
    int count = k1 - k0 < CAPACITY ? k1 - k0 : CAPACITY;
    if (count < 1) return;
    int xs[CAPACITY], ys[CAPACITY];
    for (int j = 0; j < count; j++) {
        double a = (k0 + j) * M_PI / 16.0;
        xs[j] = x - Round_To_Pixel(r * std::cos(a));
        ys[j] = y + Round_To_Pixel(r * std::sin(a));
    }
    int kept = pxQFgc();
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(count, xs, ys);
    }
    if (line_width >= 0 && count >= 2) {
        pxFgc(Screen_Black);
        for (int j = 1; j < count; j++) pxTkLn(xs[j - 1], ys[j - 1], xs[j], ys[j], line_width);
    }
    pxFgc(kept);
}
