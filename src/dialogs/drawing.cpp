// Screen drawing helpers (see drawing.h).
#include "dialogs/drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/geometry.h"
#include "base/rounding.h"
#include "dialogs/dialog_draw_internal.h"
#include "dialogs/fields_internal.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

const double PI = 3.14159265358979323846;

struct Screen_View {
    double x0 = 0.0, y0 = 0.0, angle = 0.0, sx = 1.0, sy = 1.0;
    int line_width = 1;
    int line_style = 0;
};
Screen_View view;

int Pixel(double v) { return static_cast<int>(v >= 0.0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5)); }

void To_Screen(double x, double y, double *X, double *Y) {
    double c = std::cos(view.angle), d = std::sin(view.angle);
    double dx = x - view.x0, dy = y - view.y0;
    *X = (c * dx + d * dy) * view.sx;
    *Y = (c * dy - d * dx) * view.sy;
}

void To_Pixel(double x, double y, int *X, int *Y) {
    double sx, sy;
    To_Screen(x, y, &sx, &sy);
    *X = Pixel(sx);
    *Y = Pixel(sy);
}

void Pixel_Line(int X1, int Y1, int X2, int Y2) {
    const int w = view.line_width;
    if (w <= 0) return;
    if (w == 1) {
        pxLine(X1, Y1, X2, Y2);
        return;
    }
    if ((w == 2 || w == 3) && view.line_style != 0) {
        // Thin copies side by side, across the line's longer direction.
        const bool offset_y = X2 - X1 > Y2 - Y1;
        for (int k = 1; k >= 2 - w; --k) {
            pxSLn(view.line_style);
            if (offset_y) pxLine(X1, Y1 + k, X2, Y2 + k);
            else pxLine(X1 + k, Y1, X2 + k, Y2);
        }
        return;
    }
    pxTkLn(X1, Y1, X2, Y2, w);
}

// A filled polygon of n world points.
void Fill_World(int n, const double *x, const double *y) {
    if (n < 1) return;
    std::vector<int> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) To_Pixel(x[i], y[i], &xs[static_cast<size_t>(i)], &ys[static_cast<size_t>(i)]);
    pxFill(n, xs.data(), ys.data());
}

// The 72 corners of a circle of radius r around (xc, yc) in world units.
void Circle_Corners(double xc, double yc, double r, double *x, double *y) {
    for (int i = 0; i < 72; ++i) {
        double a = i * 5.0 * PI / 180.0;
        x[i] = xc + r * std::cos(a);
        y[i] = yc + r * std::sin(a);
    }
}

void Load_Pattern(const int *words, int *pattern) { std::memcpy(pattern, words, 16 * sizeof(int)); }

int Text_Length(const char *text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

}  // namespace

// ---- view and state ---------------------------------------------------------

void Set_Screen_View(double x0, double y0, double angle, double sx, double sy) {
    view.x0 = x0;
    view.y0 = y0;
    view.angle = angle;
    view.sx = sx;
    view.sy = sy;
}

double Screen_View_Scale_X(void) { return view.sx; }
double Screen_View_Scale_Y(void) { return view.sy; }

void Screen_View_From_World(double *x, double *y) {
    if (x && y) To_Screen(*x, *y, x, y);
    else if (x) *x *= view.sx;
    else if (y) *y *= view.sy;
}

void Screen_View_To_World(double *x, double *y) {
    double u = (x ? *x : 0.0) / view.sx, v = (y ? *y : 0.0) / view.sy;
    double c = std::cos(view.angle), d = std::sin(view.angle);
    if (x) *x = c * u - d * v + view.x0;
    if (y) *y = d * u + c * v + view.y0;
}

double Screen_View_Distance(double x1, double y1, double x2, double y2) {
    double X1, Y1, X2, Y2;
    To_Screen(x1, y1, &X1, &Y1);
    To_Screen(x2, y2, &X2, &Y2);
    return std::sqrt((X2 - X1) * (X2 - X1) + (Y2 - Y1) * (Y2 - Y1));
}

void Set_Screen_Line_Width(int width) { view.line_width = width; }

void Set_Screen_Line_Style(int style) {
    view.line_style = style;
    pxSLn(style);
}

int Screen_Line_Style(void) { return view.line_style; }

int Set_Fill_Pattern_Dots(void) {
    int p[16];
    for (int i = 0; i < 16; ++i) p[i] = i % 2 == 0 ? 0x5555 : 0;
    return pxSUFA(p);
}

int Set_Fill_Pattern_Tiles(void) {
    static const int tile[4] = {0x0810, 0x0660, 0x9189, 0x6006};
    int p[16];
    for (int i = 0; i < 16; ++i) p[i] = tile[i % 4];
    return pxSUFA(p);
}

int Set_Fill_Pattern_Stripes(void) {
    int p[16];
    for (int &w : p) w = 0x1111;
    return pxSUFA(p);
}

// ---- drawing at world positions ----------------------------------------------

void Draw_World_Line(double x1, double y1, double x2, double y2) {
    int X1, Y1, X2, Y2;
    To_Pixel(x1, y1, &X1, &Y1);
    To_Pixel(x2, y2, &X2, &Y2);
    Pixel_Line(X1, Y1, X2, Y2);
}

void Draw_World_Rectangle(double x1, double y1, double x2, double y2) {
    For_Rect_Sides(x1, y1, x2, y2, Draw_World_Line);
}

void Draw_World_Rectangle_Centred(double xc, double yc, double w, double h) {
    Draw_World_Rectangle(xc - w / 2.0, yc - h / 2.0, xc + w / 2.0, yc + h / 2.0);
}

void Draw_World_Box(double x1, double y1, double x2, double y2) {
    int X1, Y1, X2, Y2;
    To_Pixel(x1, y1, &X1, &Y1);
    To_Pixel(x2, y2, &X2, &Y2);
    pxRect(X1, Y1, X2, Y2);
}

void Draw_World_Box_Centred(double xc, double yc, double w, double h) {
    Draw_World_Box(xc - w / 2.0, yc - h / 2.0, xc + w / 2.0, yc + h / 2.0);
}

void Draw_World_Box_Colour_Minus_1(double x1, double y1, double x2, double y2) {
    int kept = pxQFgc();
    pxFgc(-1);
    Draw_World_Box(x1, y1, x2, y2);
    pxFgc(kept);
}

void Draw_World_Dot(double x, double y) {
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    int r = Pixel(view.line_width / 2.0);
    if (r <= 1) {
        pxDot(X, Y);
        return;
    }
    int xs[72], ys[72];
    for (int i = 0; i < 72; ++i) {
        double a = i * 5.0 * PI / 180.0;
        xs[i] = Pixel(X + r * std::cos(a));
        ys[i] = Pixel(Y + r * std::sin(a));
    }
    pxFill(72, xs, ys);
}

void Draw_World_Circle(double xc, double yc, double radius) {
    double x[72], y[72];
    Circle_Corners(xc, yc, radius, x, y);
    for (int i = 0; i < 72; ++i) Draw_World_Line(x[i], y[i], x[(i + 1) % 72], y[(i + 1) % 72]);
}

void Fill_World_Circle(double xc, double yc, double radius) {
    double x[72], y[72];
    Circle_Corners(xc, yc, radius, x, y);
    Fill_World(72, x, y);
}

void Draw_World_Polyline(int n, const double x[], const double y[]) {
    if (n < 2 || !x || !y) return;
    for (int i = 0; i + 1 < n; ++i) Draw_World_Line(x[i], y[i], x[i + 1], y[i + 1]);
}

void Fill_World_Polygon(int n, const double x[], const double y[]) {
    if (!x || !y) return;
    Fill_World(n, x, y);
}

void Fill_World_Band(double x1, double y1, double x2, double y2, double width, const int *pattern) {
    double len = std::hypot(x2 - x1, y2 - y1);
    if (!(len > 0.0)) return;
    double nx = -(y2 - y1) / len * width / 2.0, ny = (x2 - x1) / len * width / 2.0;
    double x[4] = {x1 + nx, x2 + nx, x2 - nx, x1 - nx};
    double y[4] = {y1 + ny, y2 + ny, y2 - ny, y1 - ny};
    if (pattern) {
        int p[16];
        Load_Pattern(pattern, p);
        pxSUFA(p);
    }
    Fill_World(4, x, y);
    if (pattern) pxSFA(0);
}

void Draw_World_Arrow(double x1, double y1, double x2, double y2, double head_length,
                      double head_width, int style) {
    double length = std::hypot(x2 - x1, y2 - y1);
    double L = std::min(head_length, length), W = std::min(L, head_width);
    double a = Line_Angle(x1, y1, x2, y2);
    double x[4] = {x1, x2, x2, x2}, y[4] = {y1, y2, y2, y2};
    Transform_Points(x, y, 4, 0.0, 0.0, a, 1.0);
    x[2] -= L;
    y[2] -= W / 2.0;
    x[3] -= L;
    y[3] += W / 2.0;
    Inverse_Transform_Points(x, y, 4, 0.0, 0.0, a, 1.0);
    Draw_World_Line(x[0], y[0], x[1], y[1]);
    if (style == 1) {
        double hx[3] = {x[1], x[2], x[3]}, hy[3] = {y[1], y[2], y[3]};
        Fill_World(3, hx, hy);
    } else {
        Draw_World_Line(x[2], y[2], x[1], y[1]);
        Draw_World_Line(x[3], y[3], x[1], y[1]);
    }
}

void Draw_World_Axis_Cross(double x0, double y0, const char *label_x, const char *label_y,
                           double lx, double ly, double angle, double scale) {
    double k = 1.0 / scale, hl = 10.0 * k;
    double x[2] = {0.0, lx * k}, y[2] = {0.0, ly * k};
    Inverse_Transform_Points(x, y, 2, x0, y0, angle, 1.0);
    Draw_World_Arrow(x[0], y[0], x[1], y[0], hl, 0.8 * hl, 1);
    Draw_World_Arrow(x[0], y[0], x[0], y[1], hl, 0.8 * hl, 1);
    Draw_World_Text_Plain(x[0] + 0.6 * hl, y[1], label_y, RFONT_NORMAL);
    Draw_World_Text_Plain(x[1], y[0] - 0.6 * hl, label_x, RFONT_NORMAL);
}

void Draw_World_Dimension(int mode, double x1, double y1, double x2, double y2, const char *text,
                          const char *raised, double offset) {
    pxExpF(0.7);
    pxSpac(0.1);
    double w = 0.0;
    if (Text_Length(text) > 0) {
        double tw = 0.0;
        pxChH(12.0);
        pxOrnt(0.0);
        pxQGTX(text, Text_Length(text), &tw, nullptr);
        w += tw;
    }
    if (Text_Length(raised) > 0) {
        double tw = 0.0;
        pxChH(8.4);
        pxOrnt(0.0);
        pxQGTX(raised, Text_Length(raised), &tw, nullptr);
        w += tw;
    }
    if (mode == 0 || mode == 1) {
        // Measured along the screen: the second point takes the screen y
        // (mode 0) or x (mode 1) of the first.
        double X1, Y1, X2, Y2;
        To_Screen(x1, y1, &X1, &Y1);
        To_Screen(x2, y2, &X2, &Y2);
        if (mode == 0) Y2 = Y1;
        else X2 = X1;
        Screen_View_To_World(&X1, &Y1);
        Screen_View_To_World(&X2, &Y2);
        x1 = X1;
        y1 = Y1;
        x2 = X2;
        y2 = Y2;
    }
    double a = Line_Angle(x1, y1, x2, y2);
    double ex[2] = {x1, x2}, ey[2] = {y1, y2};
    Transform_Points(ex, ey, 2, 0.0, 0.0, a, 1.0);
    double e = 5.0 / std::fabs(view.sx), f = offset / std::fabs(view.sy);
    double g = ex[1] < ex[0] ? -1.0 : 1.0;
    double px[10], py[10];
    px[0] = ex[0], py[0] = ey[0];
    px[1] = ex[1], py[1] = ey[1];
    px[2] = ex[0], py[2] = ey[0] - e;
    px[3] = ex[0] - g * e, py[3] = ey[0];
    px[4] = ex[0], py[4] = ey[0] + f;
    px[5] = ex[1], py[5] = ey[1] - e;
    px[6] = ex[1] + g * e, py[6] = ey[1];
    px[7] = ex[1], py[7] = ey[1] + f;
    px[8] = (ex[0] + ex[1]) / 2.0, py[8] = ey[0] + 10.0 / std::fabs(view.sy);
    px[9] = px[8] - g * (w / 2.0) / std::fabs(view.sx), py[9] = py[8] + g * f / 2.0;
    Inverse_Transform_Points(px, py, 10, 0.0, 0.0, a, 1.0);
    int X[10], Y[10];
    for (int i = 0; i < 10; ++i) To_Pixel(px[i], py[i], &X[i], &Y[i]);
    pxLine(X[3], Y[3], X[6], Y[6]);
    pxLine(X[2], Y[2], X[4], Y[4]);
    pxLine(X[5], Y[5], X[7], Y[7]);
    pxOrnt(PI - a);
    if (Text_Length(text) > 0) {
        pxChH(12.0);
        pxGBTt(X[8], Y[8], X[8], Y[8], text, Text_Length(text), 210);
    }
    if (Text_Length(raised) > 0) {
        pxChH(8.4);
        pxGBTt(X[9], Y[9], X[9], Y[9], raised, Text_Length(raised), 210);
    }
}

void Draw_World_Length_Dimension(int mode, double x1, double y1, double x2, double y2,
                                 double offset) {
    double len = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1), 3);
    if (len < 0.01) return;
    double v = 100.0 * len;
    int n = static_cast<int>(v + 0.0001);
    double frac = v - n;
    char text[32] = "", raised[4] = "";
    bool half = Round_To_Decimals(frac, 2) >= 0.25 && Round_To_Decimals(frac, 2) < 0.74999;
    if (len < 1.0) {
        if (half) {
            std::snprintf(text, sizeof text, "%d", n);
            std::snprintf(raised, sizeof raised, "5");
        } else {
            std::snprintf(text, sizeof text, "%.0f", v);
        }
    } else {
        if (Round_To_Decimals(frac - 0.75, 2) >= 0.0) n += 1;
        std::snprintf(text, sizeof text, "%.2f", n * 0.01);
        if (half) std::snprintf(raised, sizeof raised, "5");
    }
    Draw_World_Dimension(mode, x1, y1, x2, y2, text, raised, offset);
}

void Draw_World_Text(double x, double y, const char *text, int font, int bold) {
    if (!text) return;
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    Pop_RFont(font);
    pxText(X, Y, text, -1);
    if (bold) pxText(X + 1, Y, text, -1);
    Push_RFont();
}

void Draw_World_Text_Bold(double x, double y, const char *text, int font) {
    Draw_World_Text(x, y, text, font, 1);
}

void Draw_World_Text_Right(double x, double y, const char *text, int font) {
    if (!text) return;
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    Pop_RFont(font);
    X -= Text_Width_in_Pixels(text) + 2 * ((font & 0x10000) ? 1 : 0) - 2;
    pxText(X, Y, text, -1);
    Push_RFont();
}

void Draw_World_Text_Plain(double x, double y, const char *text, int font) {
    Draw_World_Text(x, y, text, font, 0);
}

void Draw_World_Text_Boxed(double x, double y, const char *text, int font, int vertical,
                           int horizontal) {
    if (!text) return;
    static const int codes[3][3] = {{201, 204, 202}, {209, 212, 210}, {225, 228, 226}};
    int set = vertical == 0 ? 0 : vertical == 4 ? 1 : 2;
    int pick = horizontal == 1 ? 1 : horizontal == 4 ? 2 : 0;
    int X, Y;
    To_Pixel(x, y, &X, &Y);
    Pop_RFont(font);
    pxBTxt(X, Y - 5, X, Y + 5, text, -1, codes[set][pick]);
    Push_RFont();
}

// ---- texts in screen coordinates ----------------------------------------------

int Font_Text_Width(const char *text, int font) {
    Pop_RFont(font & ~0x10000);
    int w = Text_Width_in_Pixels(text);
    Push_RFont();
    return w + 3 + ((font & 0x10000) ? 2 : 0);
}

void Draw_Text_Colored(int x, int y, const char *text, int font, int colour) {
    if (!text) return;
    int kept = pxQFgc();
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text, -1);
    Push_RFont();
    pxFgc(kept);
}

void Draw_Text_By_State(int x, int y, const char *text, int font, int state) {
    Draw_Text_Colored(x, y, text, font, state == -1 ? -6 : state == 0 ? -1 : -9);
}

void Draw_Text_Background(int x, int y, double count, int colour) {
    pxFgc(colour);
    pxRect(x - 1, y + 3, static_cast<int>(x + 8.0 * count), y - 10);
}

void Clear_Text_Background(int x, int y, double count) {
    int kept = pxQFgc();
    Draw_Text_Background(x, y, count, GetVEKColor(-1));
    pxFgc(kept);
}

// ---- zoom animation -------------------------------------------------------------

namespace dialogs {

void Animate_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2) {
    int kept = pxQFgc();
    pxFgc(1);
    pxSBop(PX_OP_XOR);
    for (int i = 0; i <= 6; ++i) {
        int a = x1 + i * (X1 - x1) / 6, b = y1 + i * (Y1 - y1) / 6;
        int c = x2 + i * (X2 - x2) / 6, d = y2 + i * (Y2 - y2) / 6;
        for (int pass = 0; pass < 2; ++pass) {  // drawn, shown, then erased
            pxLine(a, b, c, b);
            pxLine(c, b, c, d);
            pxLine(c, d, a, d);
            pxLine(a, d, a, b);
            if (pass == 0) {
                pxFlsh();
                VEKSleep(10);
            }
        }
    }
    pxFgc(kept);
    pxSBop(PX_OP_COPY);
}

}  // namespace dialogs

void Reset_Drawing_State(void) { view = Screen_View{}; }
