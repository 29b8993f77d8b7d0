// Further shape routines of the connection pictures: marks, plates, shanks,
// heads and nuts in both back ends.
#include "drawings/further_shapes.h"

#include <cmath>
#include <initializer_list>

#include "base/vesk.h"
#include "drawings/oli_pens.h"
#include "drawings/screen_primitives.h"
#include "drawings/shape_routines.h"
#include "drawings/xs_weld_plot.h"
#include "platform/draw_calls.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"
#include "printlist/ioliplot.h"

void XS_Plot_Rotate_Point(double* x, double* y, double cx, double cy, double angle) {
    XS_Plot_Rotate_Points(x, y, 1, cx, cy, angle);
}

double* XS_Plot_Rotate_Point_Ret(double* x, double* y, double cx, double cy, double angle) {
    XS_Plot_Rotate_Points(x, y, 1, cx, cy, angle);
    return x;
}

void XS_Plot_Rotate_4_Points(double x[4], double y[4], double cx, double cy, double angle) {
    XS_Plot_Rotate_Points(x, y, 4, cx, cy, angle);
}

void XS_Plot_Rotate_6_Points(double x[6], double y[6], double cx, double cy, double angle) {
    XS_Plot_Rotate_Points(x, y, 6, cx, cy, angle);
}

namespace {

// Sines of the corners of the marks, corner k at k x 60 or k x 22.5 degrees.
const double HEX_SIN[6] = {0.0, 0.8660254037844386, 0.8660254037844386, 0.0, -0.8660254037844386,
                           -0.8660254037844386};
const double HEX_COS[6] = {1.0, 0.5, -0.5, -1.0, -0.5, 0.5};
const double C16_SIN[16] = {0.0,
                            0.3826834323650898,
                            0.7071067811865476,
                            0.9238795325112867,
                            1.0,
                            0.9238795325112867,
                            0.7071067811865476,
                            0.3826834323650898,
                            0.0,
                            -0.3826834323650898,
                            -0.7071067811865476,
                            -0.9238795325112867,
                            -1.0,
                            -0.9238795325112867,
                            -0.7071067811865476,
                            -0.3826834323650898};
// cos(k phi) = sin((k + 4) phi).
double C16_Cos(int k) { return C16_SIN[(k + 4) % 16]; }

// Values a print record can hold: finite and within 10^9.
bool Usable(int n, const double* v) {
    for (int i = 0; i < n; i++)
        if (!(std::fabs(v[i]) <= 1e9)) return false;
    return true;
}

void Line_Width_Record(int width) {
    Safe_Fprintf(Oli_Get_Picture_State()->stream, " %d %d\n", OLI_REC_PEN, width);
}

// The mark of n corners in one element (print back end).
void Plot_Mark(int n, const double* xs, const double* ys, int fill_pen, int fill_pattern, int line_width,
               int line_pen) {
    if (!Usable(n, xs) || !Usable(n, ys)) return;
    Oli_Element_Begin();
    if (fill_pen >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(fill_pen));
        Oli_Fill_Record(fill_pattern);
        Oli_Filled_Polygon(n, xs, ys);
        Line_Width_Record(1);
    }
    if (line_pen >= 0) {
        if (line_width >= 0) {
            Line_Width_Record(line_width);
            Oli_Select_Pen(static_cast<unsigned>(line_pen));
        }
        Oli_Polyline(n, xs, ys);
    }
    Oli_Element_End();
}

void Plot_Hex_Or_16(int corners, int fill_pen, int fill_pattern, int line_width, double x, double y, double r,
                    int line_pen) {
    double xs[16], ys[16];
    for (int k = 0; k < corners; k++) {
        double s = corners == 6 ? HEX_SIN[k] : C16_SIN[k];
        double c = corners == 6 ? HEX_COS[k] : C16_Cos(k);
        xs[k] = x + r * s;
        ys[k] = y + r * c;
    }
    Plot_Mark(corners, xs, ys, fill_pen, fill_pattern, line_width, line_pen);
}

void Screen_Hex_Or_16(int corners, int x, int y, int r, int fill_colour, int line_width, int line_colour) {
    if (r < 1) return;
    int xs[16], ys[16];
    const double phi = 2.0 * M_PI / corners;
    for (int k = 0; k < corners; k++) {
        xs[k] = x + Round_To_Pixel(r * std::sin(k * phi));
        ys[k] = y + Round_To_Pixel(r * std::cos(k * phi));
    }
    Draw_Filled_Polygon(corners, xs, ys, fill_colour, line_width, line_colour);
}

// The fill of n world corners in one element, then its closed edges as line
// elements of their own after it (elements do not nest).
void Plot_Closed_Area(int n, const double* xs, const double* ys, int fill_pen, int fill_pattern, int line_width,
                      int line_pen) {
    if (n < 1 || !Usable(n, xs) || !Usable(n, ys)) return;
    if (fill_pen >= 0) {
        Oli_Element_Begin();
        Oli_Select_Pen(static_cast<unsigned>(fill_pen));
        Oli_Fill_Record(fill_pattern);
        Oli_Filled_Polygon(n, xs, ys);
        Oli_Element_End();
    }
    if (line_width >= 0 && line_pen >= 0)
        for (int i = 1; i <= n; i++)
            Oli_Pen_Line(xs[i - 1], ys[i - 1], xs[i % n], ys[i % n], line_pen, line_width);
}

// The closed edges of n pixel corners with pxTkLn of the width.
void Screen_Closed_Edges(int n, const int* xs, const int* ys, int width) {
    for (int i = 1; i <= n; i++) pxTkLn(xs[i - 1], ys[i - 1], xs[i % n], ys[i % n], width);
}

// A quarter turn about (x, y): (x + dx, y + dy) becomes (x - dy, y + dx).
template <typename T>
void Quarter_Turn(int n, T* xs, T* ys, T x, T y) {
    for (int i = 0; i < n; i++) {
        T dx = xs[i] - x, dy = ys[i] - y;
        xs[i] = x - dy;
        ys[i] = y + dx;
    }
}

bool Turned_Mode(int mode) { return mode == 0 || mode == 2; }

// The six corners of the capped strip.
template <typename T>
void Strip_Corners(T y, T w, T h, T x0, T t, T xs[6], T ys[6]) {
    T s = h >= 0 ? t : -t;
    const T cx[6] = {x0, x0, x0 + t, x0 + w - t, x0 + w, x0 + w};
    const T cy[6] = {y, y + h, y + h + s, y + h + s, y + h, y};
    for (int i = 0; i < 6; i++) xs[i] = cx[i], ys[i] = cy[i];
}

// The eight corners of the head or nut.
template <typename T>
void Hex_Side_Corners(T x, T y, T b, T c, T a, T half, T t, T xs[8], T ys[8]) {
    const T cx[8] = {x - half, x - half, x - half + t, x + half - t, x + half, x + half, x + half - t, x - half + t};
    const T cy[8] = {y - a, y - a - b, y - a - b - c, y - a - b - c, y - a - b, y - a, y, y};
    for (int i = 0; i < 8; i++) xs[i] = cx[i], ys[i] = cy[i];
}

}  // namespace

void XS_Plot_Hexagon(int fill_pen, int fill_pattern, int line_width, double x, double y, double r, int line_pen) {
    if (!(r >= 0.1)) return;
    Plot_Hex_Or_16(6, fill_pen, fill_pattern, line_width, x, y, r, line_pen);
}

void XS_Plot_Circle16(int fill_pen, int fill_pattern, int line_width, double x, double y, double r, int line_pen) {
    if (!(r >= 0.1)) return;
    Plot_Hex_Or_16(16, fill_pen, fill_pattern, line_width, x, y, r, line_pen);
}

void XS_Plot_Round_Mark(double x, double y, double r, int fill_pen, int fill_pattern, int line_width,
                        int line_pen) {
    if (!(r > 0.1)) return;
    Plot_Hex_Or_16(16, fill_pen, fill_pattern, line_width, x, y, r, line_pen);
}

void XS_Screen_Hexagon(int x, int y, int r, int fill_colour, int line_width, int line_colour) {
    Screen_Hex_Or_16(6, x, y, r, fill_colour, line_width, line_colour);
}

void XS_Screen_Circle16(int x, int y, int r, int fill_colour, int line_width, int line_colour) {
    Screen_Hex_Or_16(16, x, y, r, fill_colour, line_width, line_colour);
}

void XS_Plot_Polygon(int n, const double x[], const double y[], int fill_pen, int fill_pattern, int line_width,
                     int line_pen) {
    Plot_Closed_Area(n, x, y, fill_pen, fill_pattern, line_width, line_pen);
}

void XS_Plot_Rectangle(double x1, double y1, double x2, double y2, int fill_pen, int fill_pattern, int line_width,
                       int line_pen) {
    const double xs[4] = {x1, x1, x2, x2}, ys[4] = {y1, y2, y2, y1};
    Plot_Closed_Area(4, xs, ys, fill_pen, fill_pattern, line_width, line_pen);
}

void XS_Plot_Band(double x1, double y1, double x2, double y2, double dx, double dy, int fill_pen,
                  int fill_pattern, int line_width, int line_pen) {
    const double xs[4] = {x1 - dx / 2, x2 - dx / 2, x2 + dx / 2, x1 + dx / 2};
    const double ys[4] = {y1 - dy / 2, y2 - dy / 2, y2 + dy / 2, y1 + dy / 2};
    Plot_Closed_Area(4, xs, ys, fill_pen, fill_pattern, line_width, line_pen);
}

void XS_Screen_Polygon(int n, const int x[], const int y[], int fill_colour, int line_width, int line_colour) {
    if (n < 1) return;
    int kept;
    pxQFgc(&kept);
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(n, x, y);
    }
    if (line_width >= 0 && line_colour >= 0) {
        pxFgc(line_colour);
        Screen_Closed_Edges(n, x, y, line_width);
    }
    pxFgc(kept);
}

void XS_Screen_Rectangle(int x1, int y1, int x2, int y2, int fill_colour, int line_width, int line_colour) {
    Draw_Filled_Rect(x1, y1, x2, y2, fill_colour);
    if (line_width < 0 || line_colour < 0) return;
    const int xs[4] = {x1, x1, x2, x2}, ys[4] = {y1, y2, y2, y1};
    int kept;
    pxQFgc(&kept);
    pxFgc(line_colour);
    Screen_Closed_Edges(4, xs, ys, line_width);
    pxFgc(kept);
}

void XS_Plot_Capped_Strip(int mode, int fill_pen, int fill_pattern, double x, double y, double w, double h,
                          int outline_flag) {
    double xs[6], ys[6];
    Strip_Corners(y, w, h, x - w / 2, 0.15 * w, xs, ys);
    if (Turned_Mode(mode)) Quarter_Turn(6, xs, ys, x, y);
    if (!Usable(6, xs) || !Usable(6, ys)) return;
    int outline_pen = outline_flag >= 0 ? OliRole_Outline_Pen : fill_pen;
    Oli_Element_Begin();
    Oli_Select_Pen(static_cast<unsigned>(fill_pen));
    Oli_Fill_Record(fill_pattern);
    Oli_Filled_Polygon(6, xs, ys);
    Oli_Select_Pen(static_cast<unsigned>(outline_pen));
    Oli_Polyline(6, xs, ys);
    Oli_Element_End();
}

void XS_Screen_Capped_Strip(int x, int y, int w, int h, int mode, int fill_colour, int outline_flag,
                            int outline_colour) {
    int xs[6], ys[6];
    Strip_Corners(y, w, h, x - w / 2, 3 * w / 20, xs, ys);
    if (Turned_Mode(mode)) Quarter_Turn(6, xs, ys, x, y);
    Draw_Filled_Polygon(6, xs, ys, fill_colour, 1, outline_flag >= 0 ? outline_colour : fill_colour);
}

void XS_Plot_Hex_Side_View(int mode, int fill_pen, int fill_pattern, double x, double y, double b, double c,
                           double a, double w, int outline_flag) {
    const double t = w / 12.0;
    double xs[8], ys[8];
    Hex_Side_Corners(x, y, b, c, a, w / 2, t, xs, ys);
    // The visible edges of the body: at x -+ w/4 the straight part and the
    // chamfer lines of both ends, as (x1, y1, x2, y2).
    double lx[12][2], ly[12][2];
    int lines = 0;
    for (double e : {x - w / 4, x + w / 4}) {
        auto add = [&](double x1, double y1, double x2, double y2) {
            lx[lines][0] = x1, ly[lines][0] = y1, lx[lines][1] = x2, ly[lines][1] = y2;
            lines++;
        };
        add(e, y - a, e, y - a - b);
        if (c > 0) {
            add(e, y - a - b, e - t, y - a - b - c);
            add(e, y - a - b, e + t, y - a - b - c);
        }
        if (a > 0) {
            add(e, y - a, e - t, y);
            add(e, y - a, e + t, y);
        }
    }
    if (Turned_Mode(mode)) {
        Quarter_Turn(8, xs, ys, x, y);
        for (int i = 0; i < lines; i++) Quarter_Turn(2, lx[i], ly[i], x, y);
    }
    if (!Usable(8, xs) || !Usable(8, ys)) return;
    int outline_pen = outline_flag >= 0 ? OliRole_Outline_Pen : fill_pen;
    Oli_Element_Begin();
    Oli_Fill_Record(fill_pattern);
    Oli_Select_Pen(static_cast<unsigned>(fill_pen));
    Oli_Filled_Polygon(8, xs, ys);
    Oli_Select_Pen(static_cast<unsigned>(outline_pen));
    Oli_Polyline(8, xs, ys);
    for (int i = 0; i < lines; i++) Oli_Line(lx[i][0], ly[i][0], lx[i][1], ly[i][1]);
    Oli_Element_End();
}

void XS_Screen_Hex_Side_View(int x, int y, int b, int c, int a, int w, int mode, int fill_colour, int outline_flag,
                             int outline_colour) {
    int xs[8], ys[8];
    Hex_Side_Corners(x, y, b, c, a, w / 2, w / 12, xs, ys);
    if (Turned_Mode(mode)) Quarter_Turn(8, xs, ys, x, y);
    Draw_Filled_Polygon(8, xs, ys, fill_colour, 1, outline_flag >= 0 ? outline_colour : fill_colour);
}

void XS_Screen_Hex_Side_View_Rotated(int x, int y, int b, int c, int a, int w, double angle, int fill_colour,
                                     int outline_flag, int outline_colour) {
    int xs[8], ys[8];
    Hex_Side_Corners(x, y, b, c, a, w / 2, w / 12, xs, ys);
    XS_Screen_Rotate_Points(x, y, xs, ys, 8, angle + 3.0 * M_PI / 2.0);
    int line = outline_flag >= 0 ? outline_colour : fill_colour;
    int kept;
    pxQFgc(&kept);
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(8, xs, ys);
    }
    if (line >= 0) {
        pxFgc(line);
        Screen_Closed_Edges(8, xs, ys, 1);
    }
    pxFgc(kept);
}

void XS_Screen_Weld_Triangle_Quadrant(int x, int y, int leg, int quadrant, int fill_colour, int line_width,
                                      int line_colour) {
    if (quadrant < 0 || quadrant > 3) return;
    XS_Screen_Weld_Triangle(x, y, leg, quadrant * M_PI / 2.0, M_PI / 2.0, fill_colour, line_width, line_colour);
}

void XS_Screen_Arc_Points(int x0, int y0, int rx, int ry, int xs[], int ys[], int first_step, int n,
                          int direction) {
    if (n <= 0) return;
    const double step = (M_PI / 2.0) / (n + 1);
    for (int i = 0; i < n; i++) {
        double theta = (first_step + 1 + i) * step;
        xs[i] = x0 + Round_To_Pixel(rx * std::sin(theta));
        ys[i] = y0 - Round_To_Pixel(ry * std::cos(theta));
    }
    if (direction < 0)
        for (int i = 0; i < n / 2; i++) {
            int tx = xs[i], ty = ys[i];
            xs[i] = xs[n - 1 - i], ys[i] = ys[n - 1 - i];
            xs[n - 1 - i] = tx, ys[n - 1 - i] = ty;
        }
}

void XS_Plot_Set_Height(double height) {
    if (!(height >= 1.0 && height <= 1000.0)) return;
    XS_Plot_Height_cm = static_cast<int>(height);
}
