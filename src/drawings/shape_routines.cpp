// Shape routines of the connection pictures, print and screen back ends.
#include "drawings/shape_routines.h"

#include <cmath>
#include <utility>

#include "drawings/oli_pens.h"
#include "drawings/screen_primitives.h"
#include "platform/draw_calls.h"
#include "platform/screen.h"
#include "printlist/ioliplot.h"

// Cosine and sine of a rotation, exact for the right angles the pictures
// turn by.
static void Rotation_Cos_Sin(double angle, double* c, double* s) {
    if (std::fabs(angle) < 0.001)
        *c = 1.0, *s = 0.0;
    else if (std::fabs(angle - M_PI) < 0.001)
        *c = -1.0, *s = 0.0;
    else if (std::fabs(angle - M_PI / 2.0) < 0.001)
        *c = 0.0, *s = 1.0;
    else if (std::fabs(angle - 3.0 * M_PI / 2.0) < 0.001)
        *c = 0.0, *s = -1.0;
    else
        *c = std::cos(angle), *s = std::sin(angle);
}

static void Turn(double cx, double cy, double c, double s, double* x, double* y) {
    double dx = *x - cx, dy = *y - cy;
    *x = cx + dx * c + dy * s;
    *y = cy + dy * c - dx * s;
}

void XS_Plot_Rotate_Points(double x[], double y[], int n, double cx, double cy, double angle) {
    if (n <= 0 || !std::isfinite(angle)) return;
    double c, s;
    Rotation_Cos_Sin(angle, &c, &s);
    for (int i = 0; i < n; i++) Turn(cx, cy, c, s, &x[i], &y[i]);
}

void XS_Screen_Rotate_Points(int cx, int cy, int x[], int y[], int n, double angle) {
    if (n <= 0 || !std::isfinite(angle)) return;
    double c, s;
    Rotation_Cos_Sin(angle, &c, &s);
    for (int i = 0; i < n; i++) {
        double px = x[i], py = y[i];
        Turn(cx, cy, c, s, &px, &py);
        x[i] = Round_To_Pixel(px);
        y[i] = Round_To_Pixel(py);
    }
}

void XS_Screen_Rotate_Point(int cx, int cy, int* x, int* y, double angle) {
    XS_Screen_Rotate_Points(cx, cy, x, y, 1, angle);
}

void XS_Screen_Rotate_4_Points(int cx, int cy, int x[4], int y[4], double angle) {
    XS_Screen_Rotate_Points(cx, cy, x, y, 4, angle);
}

// Corners a picture can hold: finite numbers within 10^9 (a thousand
// kilometres of drawing), so that no record gets "inf" or "nan".
static bool Usable(const double v[3]) {
    for (int i = 0; i < 3; i++)
        if (!(std::fabs(v[i]) <= 1e9)) return false;
    return true;
}

// One element of a filled triangle in pattern 64, then its three edges as
// line elements of their own after it (elements do not nest); edges only
// with line_width >= 0.
static void Plot_Triangle(const double px[3], const double py[3], int fill_pen, int line_width,
                          int line_pen) {
    // A damaged input must not put "nan" into the print list.
    if (!Usable(px) || !Usable(py)) return;
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)fill_pen);
    Oli_Fill_Record(64);
    Oli_Filled_Polygon(3, px, py);
    Oli_Element_End();
    if (line_width >= 0) {
        Oli_Pen_Line(px[0], py[0], px[1], py[1], line_pen, line_width);
        Oli_Pen_Line(px[0], py[0], px[2], py[2], line_pen, line_width);
        Oli_Pen_Line(px[1], py[1], px[2], py[2], line_pen, line_width);
    }
}

void XS_Plot_Weld_Triangle(double x, double y, double leg, double start, double sweep, int fill_pen,
                           int line_width, int line_pen) {
    if (!(leg >= 0.001)) return;  // also a leg that is not a number
    double c0 = Snap_Unit_Value(std::cos(start)), s0 = Snap_Unit_Value(std::sin(start));
    double c1 = Snap_Unit_Value(std::cos(start + sweep)), s1 = Snap_Unit_Value(std::sin(start + sweep));
    const double px[3] = {x, x + leg * c0, x + leg * c1}, py[3] = {y, y - leg * s0, y - leg * s1};
    Plot_Triangle(px, py, fill_pen, line_width, line_pen);
}

void XS_Plot_Weld_Triangle_Quadrant(double x, double y, double leg, int quadrant, int fill_pen,
                                    int line_width, int line_pen) {
    if (quadrant < 0 || quadrant > 3) return;
    XS_Plot_Weld_Triangle(x, y, leg, quadrant * M_PI / 2.0, M_PI / 2.0, fill_pen, line_width,
                          line_pen);
}

void XS_Screen_Weld_Triangle(int x, int y, int leg, double start, double sweep, int fill_colour,
                             int line_width, int line_colour) {
    double c0 = Snap_Unit_Value(std::cos(start)), s0 = Snap_Unit_Value(std::sin(start));
    double c1 = Snap_Unit_Value(std::cos(start + sweep)), s1 = Snap_Unit_Value(std::sin(start + sweep));
    const int px[3] = {x, x + Round_To_Pixel(leg * c0), x + Round_To_Pixel(leg * c1)};
    const int py[3] = {y, y - Round_To_Pixel(leg * s0), y - Round_To_Pixel(leg * s1)};
    int kept;
    pxQFgc(&kept);
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(3, px, py);
    }
    if (line_width >= 0 && line_colour >= 0) {
        pxFgc(line_colour);
        pxTkLn(px[0], py[0], px[1], py[1], line_width);
        pxTkLn(px[0], py[0], px[2], py[2], line_width);
        pxTkLn(px[1], py[1], px[2], py[2], line_width);
    }
    pxFgc(kept);
}

void XS_Plot_Corner_Triangle(int mode, int fill_pen, int line_pen, double x, double y, double w,
                             double h, double angle) {
    double dx = (mode == 1 || mode == 2) ? w : -w;
    double dy = (mode == 0 || mode == 1) ? h : -h;
    double px[3] = {x, x + dx, x + dx}, py[3] = {y, y, y + dy};
    XS_Plot_Rotate_Points(px, py, 3, x, y, angle);
    // A rotation angle that is not a number must not leave the corners
    // unturned: nothing is drawn then.
    if (!std::isfinite(angle)) return;
    Plot_Triangle(px, py, fill_pen, 1, line_pen);
}

void XS_Screen_Corner_Triangle(int x, int y, int w, int h, double angle, int mode, int fill_colour,
                               int line_colour) {
    int px[3] = {x, x - w, mode == 0 ? x : x - w}, py[3] = {y, y + h, mode == 0 ? y + h : y};
    XS_Screen_Rotate_Points(x, y, px, py, 3, angle);
    int kept;
    pxQFgc(&kept);
    pxFgc(fill_colour);
    pxFill(3, px, py);
    pxFgc(line_colour);
    pxTkLn(px[0], py[0], px[1], py[1], 1);
    pxTkLn(px[0], py[0], px[2], py[2], 1);
    pxTkLn(px[1], py[1], px[2], py[2], 1);
    pxFgc(kept);
}

void XS_Plot_Arc_Points(double x0, double y0, double rx, double ry, double xs[], double ys[],
                        int first_step, int n, int direction) {
    if (n <= 0) return;
    const double step = (M_PI / 2.0) / (n + 1);
    for (int i = 0; i < n; i++) {
        double theta = (first_step + 1 + i) * step;
        xs[i] = x0 + rx * std::sin(theta);
        ys[i] = y0 - ry * std::cos(theta);
    }
    if (direction < 0) {
        for (int i = 0; i < n / 2; i++) {
            std::swap(xs[i], xs[n - 1 - i]);
            std::swap(ys[i], ys[n - 1 - i]);
        }
    }
}

void XS_Screen_Line(int x1, int y1, int x2, int y2, int colour, int width) {
    if (colour < 0 || width < 0) return;
    int kept;
    pxQFgc(&kept);
    pxFgc(colour);
    pxTkLn(x1, y1, x2, y2, width);
    pxFgc(kept);
}
