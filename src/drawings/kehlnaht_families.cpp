// The profile families of the scaled fillet-weld drawing: outline, tables,
// section, weld bands and labels of each.
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/vesk.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/kehlnaht_internal.h"

namespace {

const char* const WELDED_TITLE = "Blechträger      "_cp;

void Put(FILE* f, const char* text) { Safe_Fprintf(f, "%s", text); }

// The outline into the drawing's arrays and its count into the table.
void Set_Outline(Kehlnaht_Context& c, int n, const double* x, const double* y) {
    for (int i = 0; i < n; i++) c.X[i] = x[i], c.Y[i] = y[i];
    c.n = n;
    Anschluss_Outline.count = n;
}

// The section of a family with its seam before it when welded all round,
// closed by "20 0".
void Seam_And_Section(Kehlnaht_Context& c, double d) {
    if (c.all_round) Kehlnaht_Seam(c, c.n, c.X, c.Y, d);
    Kehlnaht_Section(c, c.n, c.X, c.Y);
    Put(c.f, "20 0\n");
}

// Weld line p and its edge along the height or the width.
void Line_H(int p, double x1, double y1, double x2, double y2, int first, int last) {
    Kehlnaht_Weld_Line(p, x1, y1, x2, y2);
    Kehlnaht_Edge_Height(p, first, last);
}

void Line_W(int p, double x1, double y1, double x2, double y2, int first, int last) {
    Kehlnaht_Weld_Line(p, x1, y1, x2, y2);
    Kehlnaht_Edge_Width(p, first, last);
}

// A band and its screen marks on a face along x (dir 0) from xa to xb at
// height y, or along y (dir 1) from ya to yb at x, centred on the face.
void Band_X(Kehlnaht_Context& c, int p, double xa, double xb, double y, double t, double o, double screen_l) {
    const double l = Kehlnaht_Welds.l[p], x1 = (xa + xb) / 2 - l / 2;
    Plot_Weld_Band_Edge(c.f, l, 0, x1, x1 + l, y, y, t, o);
    const double ls = screen_l * l;
    Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, (xa + xb) / 2 - ls / 2, y, (xa + xb) / 2 + ls / 2, y, ls, o);
}

void Band_Y(Kehlnaht_Context& c, int p, double x, double ya, double yb, double t, double o, double screen_l) {
    const double l = Kehlnaht_Welds.l[p], y1 = (ya + yb) / 2 - l / 2;
    Plot_Weld_Band_Edge(c.f, l, 1, x, x, y1, y1 + l, t, o);
    const double ls = screen_l * l;
    Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, (ya + yb) / 2 - ls / 2, x, (ya + yb) / 2 + ls / 2, ls, o);
}

// A band along an oblique face (dir -1: shallow, else steep); the screen
// marks follow the same face.
void Band_Oblique(Kehlnaht_Context& c, int p, int dir, double x1, double x2, double y1, double y2, double t,
                  double o) {
    const double l = Kehlnaht_Welds.l[p];
    Plot_Weld_Band_Edge(c.f, l, dir, x1, x2, y1, y2, t, o);
    Kehlnaht_Note_Mark(c, p, dir == -1 ? KEHLNAHT_MARK_SHALLOW : KEHLNAHT_MARK_STEEP, x1, y1, x2, y2, l, o);
}

// The points of a circle of radius R: angle (i + 1) 6.28/49.
void Circle(double R, double* x, double* y) {
    for (int i = 0; i < KEHLNAHT_POINTS; i++) {
        const double a = (i + 1) * 0.12816326530612246;
        x[i] = R * std::cos(a), y[i] = R * std::sin(a);
    }
}

}  // namespace

// ---- flat bar, round bar, circular tube ------------------------------------------

void Kehlnaht_Flat(Kehlnaht_Context& c) {
    const double h = c.h, t = c.t, e = c.e, xc = c.x_min + (c.x_max - c.x_min) / 2;
    const double x[4] = {-t / 2, -t / 2, t / 2, t / 2}, y[4] = {0, h, h, 0};
    for (int i = 0; i < 4; i++) c.X[i] = x[i], c.Y[i] = y[i];
    c.n = 4;
    c.title = "Flachstahl      ";
    Kehlnaht_Seam(c, 4, c.X, c.Y, e >= 0.3 ? -0.3 : -e / 2);
    Kehlnaht_Section(c, 4, c.X, c.Y);
    Put(c.f, "20 0\n");
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", xc, -e / 3, 135);
        return;
    }
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, xc - w.l[1] / 2, xc + w.l[1] / 2, 0, 0.02 * h, -0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", xc, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, -t / 2, 0, h, 0.02 * h, -0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 2, "-90", -t / 2 - e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, t / 2, 0, h, 0.02 * h, 0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 3, "90", t / 2 + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, xc - w.l[4] / 2, xc + w.l[4] / 2, h, 0.02 * h, 0.01 * h, 1.0);
        Kehlnaht_Position_Label(c, 4, "45.", xc, h + e / 3, 0);
    }
}

void Kehlnaht_Round(Kehlnaht_Context& c, bool tube) {
    const double h = c.h, e = c.e, xc = c.x_min + h / 2, yc = h / 2;
    Circle(h / 2, c.X, c.Y);
    Circle(h / 2 - (tube ? c.s : c.t), c.XI, c.YI);
    c.n = KEHLNAHT_POINTS;
    c.n_inner = tube ? KEHLNAHT_POINTS : 0;
    c.cx = xc, c.cy = yc;
    c.title = tube ? "Rohrprofil    " : "Rundstahl      ";
    const double d = tube ? c.s / 4 : (e >= 1.0 ? 1.0 : e / 2);
    Kehlnaht_Seam(c, KEHLNAHT_POINTS, c.X, c.Y, d, xc, yc);
    Kehlnaht_Section(c, KEHLNAHT_POINTS, c.X, c.Y, xc, yc);
    Put(c.f, "20 0\n");
    if (tube) Kehlnaht_Write_Points(c.f, KEHLNAHT_POINTS, c.XI, c.YI, xc, yc);
    if (c.all_round) Kehlnaht_All_Round_Label(c, "150", xc, -e / 3, 135);
}

// ---- angle --------------------------------------------------------------------------

void Kehlnaht_Angle(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r, e = c.e;
    double c2, c3;
    if (c.catalogue) {
        const double x[15] = {0, 0, b, b, b, b, b, s + r, s + 0.5 * r, s + 0.13397 * r, s, s, s, s, s};
        const double yt = h - s, yr = h - s - r;
        const double y[15] = {0, h, h, yt, yt, yt, yt, yt, yr + 0.86602 * r, yr + 0.5 * r, yr, 0, 0, 0, 0};
        Set_Outline(c, 15, x, y);
        Line_H(1, 0, 0, 0, h, 0, 1);
        Line_H(2, s, 0, s, h - s - r, 10, 11);
        Line_W(3, b, h - s, s + r, h - s, 6, 7);
        c2 = (h - s - r) / 2, c3 = (s + r) + (b - s - r) / 2;
    } else {
        const double x[6] = {0, 0, b, b, s, s}, y[6] = {0, h, h, h - t, h - t, 0};
        Set_Outline(c, 6, x, y);
        Line_H(1, 0, 0, 0, h, 0, 1);
        Line_H(2, s, 0, s, h - t, 4, 5);
        Line_W(3, b, h - t, s, h - t, 3, 4);
        c2 = (h - t) / 2, c3 = s + (b - s) / 2;
    }
    Line_W(4, b, h, 0, h, 1, 2);
    Kehlnaht_Weld_Line_Count(4);
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", s + e / 3, h / 2, 135);
        return;
    }
    const double bt = 0.25 * t, o = 0.125 * t;
    if (Kehlnaht_Carries(1)) {
        Band_Y(c, 1, 0, 0, h, bt, -o, 1.0);
        Kehlnaht_Position_Label(c, 1, "-90", -e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, s, c2, c2, bt, o, 1.0);
        Kehlnaht_Position_Label(c, 2, "90", s + e / 3, c2, 90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_X(c, 3, c3, c3, h - t, bt, -o, 1.0);
        Kehlnaht_Position_Label(c, 3, "135", c3, h - t - e / 3, 135);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, 0, b, h, bt, o, 1.0);
        Kehlnaht_Position_Label(c, 4, "45", b / 2, h + e / 3, 45);
    }
}

// ---- T and half I -----------------------------------------------------------------

namespace {

// The dimensions of a T or half I and the points its variants are drawn by.
struct Tee_Geometry {
    double h, b, t, s, r, c1, c2, c3;
    double k;                       // band width and label distance
    double xl, xr;                  // flange ends
    double F, w1, w2, w3, w4, y_f;  // sloped catalogue T
    double G;                       // tapered catalogue T
    double mid2, mid3, mid_web;     // label places of welds 2, 3 and 4/5
};

// The outline of a T given by its dimensions, with its wall thicknesses.
void Tee_Outline_Parametric(Kehlnaht_Context& c, Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double x[10] = {xl, xl, -s / 2 - 0.001, -s / 2, -s / 2, s / 2, s / 2, s / 2 + 0.001, xr, xr};
    const double y[10] = {0, t, t + 0.001, h / 2, h, h, h / 2, t + 0.001, t, 0};
    Set_Outline(c, 10, x, y);
    const double wall[10] = {0.1 * t, 0.1 * t, 0.05 * (t + s), 0.1 * s, 0.1 * s,
                             0.1 * s, 0.1 * s, 0.05 * (t + s), 0.1 * t, 0.1 * t};
    for (int i = 0; i < 10; i++) Anschluss_Wall_Thickness[i] = wall[i];
    Kehlnaht_Edge_Width(1, 9, 0);
    Line_W(2, -s / 2 - 0.001, t + 0.001, xl, t, 1, 2);
    Line_W(3, xr, t, s / 2 + 0.001, t + 0.001, 7, 8);
    Line_H(4, -s / 2 - 0.001, t + 0.001, -s / 2, h, 2, 4);
    Line_H(5, s / 2 + 0.001, t + 0.001, s / 2, h, 5, 7);
    g.mid2 = (xl - (s / 2 + r)) / 2, g.mid3 = (s / 2 + r + xr) / 2, g.mid_web = (t + 0.001 + h) / 2;
}

// The outline of a catalogue T with sloped flanges and web.
void Tee_Outline_Sloped(Kehlnaht_Context& c, Tee_Geometry& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, c1 = g.c1, c2 = g.c2, c3 = g.c3, xl = g.xl, xr = g.xr,
                 F = g.F, w1 = g.w1, w2 = g.w2, w3 = g.w3, w4 = g.w4, y_f = g.y_f;
    const double x[30] = {xl,
                          xl,
                          xl + c1 - 0.86602 * c1,
                          xl + 0.5 * c1,
                          xl + c1,
                          -b / 4,
                          w1 - r,
                          w1 - 0.5 * r,
                          w1 - 0.13397 * r,
                          w1,
                          -s / 2,
                          w2,
                          w2 + 0.13397 * c3,
                          w2 + 0.5 * c3,
                          w2 + c3,
                          w3 - c3,
                          w3 - 0.5 * c3,
                          w3 - 0.13397 * c3,
                          w3,
                          s / 2,
                          w4,
                          w4 + 0.13397 * r,
                          w4 + 0.5 * r,
                          w4 + r,
                          b / 4,
                          xr - c1,
                          xr - 0.5 * c1,
                          xr - 0.13397 * c1,
                          xr,
                          xr};
    const double y[30] = {0,
                          F - c1,
                          F - 0.5 * c1,
                          F - 0.13397 * c1,
                          F,
                          t,
                          y_f,
                          c2 - 0.86602 * r,
                          c2 - 0.5 * r,
                          c2,
                          h / 2,
                          h - c3,
                          h - 0.5 * c3,
                          h - 0.13397 * c3,
                          h,
                          h,
                          h - 0.13397 * c3,
                          h - 0.5 * c3,
                          h - c3,
                          h / 2,
                          c2,
                          c2 - 0.5 * r,
                          c2 - 0.86602 * r,
                          y_f,
                          t,
                          F,
                          F - 0.13397 * c1,
                          F - 0.5 * c1,
                          F - c1,
                          0};
    Set_Outline(c, 30, x, y);
    Kehlnaht_Edge_Width(1, 29, 0);
    Line_W(2, w1 - r, y_f, xl + c1, F, 4, 6);
    Line_W(3, xr - c1, F, w4 + r, y_f, 23, 25);
    Line_H(4, w1, c2, w2, h - c3, 9, 11);
    Line_H(5, w4, c2, w3, h - c3, 18, 20);
    g.mid2 = ((xl + c1) + (w1 - r)) / 2, g.mid3 = ((w4 + r) + (xr - c1)) / 2, g.mid_web = (c2 + h - c3) / 2;
}

// The outline of a half I cut from a rolled I.
void Tee_Outline_Cut(Kehlnaht_Context& c, Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr;
    const double q = 0.707 * r;
    const double x[12] = {xl, xl, -(s / 2 + r), -(s / 2 + r) + q, -s / 2, -s / 2,
                          s / 2, s / 2, s / 2 + r - q, s / 2 + r, xr, xr};
    const double y[12] = {0, t, t, t + r - q, t + r, h, h, t + r, t + r - q, t, t, 0};
    Set_Outline(c, 12, x, y);
    Kehlnaht_Edge_Width(1, 11, 0);
    Line_W(2, -(s / 2 + r), t, xl, t, 1, 2);
    Line_W(3, xr, t, s / 2 + r, t, 9, 10);
    Line_H(4, -s / 2, t + r, -s / 2, h, 4, 5);
    Line_H(5, s / 2, t + r, s / 2, h, 6, 7);
    g.mid2 = (xl - s / 2 - r) / 2, g.mid3 = (s / 2 + r + xr) / 2, g.mid_web = (r + t) + (h - r - t) / 2;
}

// The outline of a catalogue T with tapered flanges.
void Tee_Outline_Tapered(Kehlnaht_Context& c, Tee_Geometry& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, c1 = g.c1, c2 = g.c2, xl = g.xl, xr = g.xr, G = g.G;
    const double x[22] = {xl,
                          xl,
                          xl + c1 - 0.86602 * c1,
                          xl + 0.5 * c1,
                          xl + c1,
                          -b / 4,
                          -s / 2 - r,
                          -s / 2 - 0.5 * r,
                          -s / 2 - 0.13397 * r,
                          -s / 2,
                          -s / 2,
                          s / 2,
                          s / 2,
                          s / 2 + 0.13397 * r,
                          s / 2 + 0.5 * r,
                          s / 2 + r,
                          b / 4,
                          xr - c1,
                          xr - 0.5 * c1,
                          xr - 0.13397 * c1,
                          xr,
                          xr};
    const double y[22] = {0,      G - c1,          G - 0.5 * c1, G - 0.13397 * c1, G,
                          t,      c2 - r,          c2 - 0.86602 * r, c2 - 0.5 * r, c2,
                          h,      h,               c2,           c2 - 0.5 * r,     c2 - 0.86602 * r,
                          c2 - r, t,               G,            G - 0.13397 * c1, G - 0.5 * c1,
                          G - c1, 0};
    Set_Outline(c, 22, x, y);
    Kehlnaht_Edge_Width(1, 21, 0);
    Line_W(2, -s / 2 - r, c2 - r, xl + c1, G, 4, 6);
    Line_W(3, xr - c1, G, s / 2 + r, c2 - r, 15, 17);
    Line_H(4, -s / 2, c2, -s / 2, h, 9, 10);
    Line_H(5, s / 2, c2, s / 2, h, 11, 12);
    g.mid2 = ((xl + c1) + (-s / 2 - r)) / 2, g.mid3 = ((s / 2 + r) + (xr - c1)) / 2, g.mid_web = c2 + (h - c2) / 2;
}

// The weld bands and marks of a T given by its dimensions.
void Tee_Bands_Parametric(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Bands_T(c.f, xl, -(s / 2 + r), -s / 2, s / 2, s / 2 + r, xr, 0, t, t + r, h - t - r, h - t,
                               h, k, k);
    for (int p = 1; p <= 3; p++) {
        const double centre = p == 1 ? 0 : p == 2 ? (xl - (s / 2 + r)) / 2 : (s / 2 + r + xr) / 2;
        const double y = p == 1 ? 0 : t;
        if (Kehlnaht_Carries(p))
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, centre - w.l[p] / 2, y, centre + w.l[p] / 2, y, w.l[p],
                               p == 1 ? -1 : 1);
    }
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2, centre = (t + r + h) / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, centre - w.l[p] / 2, x, centre + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

// The weld bands and marks of a sloped catalogue T.
void Tee_Bands_Sloped(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, r = g.r, c1 = g.c1, c2 = g.c2, c3 = g.c3, xl = g.xl, xr = g.xr, F = g.F, w1 = g.w1, w2 = g.w2,
                 w3 = g.w3, w4 = g.w4, y_f = g.y_f, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.75 * k, 1);
    if (Kehlnaht_Carries(1))
        Kehlnaht_Note_Mark(c, 1, KEHLNAHT_MARK_H, -w.l[1] / 2, 0, w.l[1] / 2, 0, w.l[1], -1);
    Band_Oblique(c, 2, -1, xl + c1, w1 - r, F, y_f, k, 0.5 * k);
    Band_Oblique(c, 3, -1, w4 + r, xr - c1, y_f, F, k, 0.5 * k);
    Band_Oblique(c, 4, -2, w1, w2, c2, h - c3, -k, -1.5 * k);
    Band_Oblique(c, 5, -2, w4, w3, c2, h - c3, k, 0.5 * k);
}

// The weld bands and marks of a half I.
void Tee_Bands_Cut(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s, r = g.r, xl = g.xl, xr = g.xr, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const double cx2 = (xl - s / 2 - r) / 2, cx3 = (s / 2 + r + xr) / 2, cy = (r + t) + (h - r - t) / 2;
    if (c.f) {
        Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, cx2 - w.l[2] / 2, t, cx2 + w.l[2] / 2, t, -k, -0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, cx3 - w.l[3] / 2, t, cx3 + w.l[3] / 2, t, -k, -0.5 * k, 1);
        Plot_Weld_Band_Pos1(c.f, -s / 2, cy - w.l[4] / 2, -s / 2, cy + w.l[4] / 2, k, 0.75 * k, 2);
        Plot_Weld_Band_Pos1(c.f, s / 2, cy - w.l[5] / 2, s / 2, cy + w.l[5] / 2, -k, -0.75 * k, 2);
    }
    const double centres[4] = {0, cx2, cx3, 0};
    for (int p = 1; p <= 3; p++)
        if (Kehlnaht_Carries(p))
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_H, centres[p - 1] - w.l[p] / 2, p == 1 ? 0 : t,
                               centres[p - 1] + w.l[p] / 2, p == 1 ? 0 : t, w.l[p], p == 1 ? -1 : 1);
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, cy - w.l[p] / 2, x, cy + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

// The weld bands and marks of a tapered catalogue T.
void Tee_Bands_Tapered(Kehlnaht_Context& c, const Tee_Geometry& g) {
    const double h = g.h, s = g.s, r = g.r, c1 = g.c1, c2 = g.c2, xl = g.xl, xr = g.xr, G = g.G, k = g.k;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const double cy = c2 + (h - c2) / 2;
    if (c.f) Plot_Weld_Band_Pos1(c.f, -w.l[1] / 2, 0, w.l[1] / 2, 0, k, 0.5 * k, 1);
    if (Kehlnaht_Carries(1))
        Kehlnaht_Note_Mark(c, 1, KEHLNAHT_MARK_H, -w.l[1] / 2, 0, w.l[1] / 2, 0, w.l[1], -1);
    Band_Oblique(c, 2, -1, xl + c1, -s / 2 - r, G, c2 - r, k, k);
    Band_Oblique(c, 3, -1, s / 2 + r, xr - c1, c2 - r, G, k, k);
    if (c.f) {
        Plot_Weld_Band_Pos1(c.f, -s / 2, cy - w.l[4] / 2, -s / 2, cy + w.l[4] / 2, k, 0.75 * k, 2);
        Plot_Weld_Band_Pos1(c.f, s / 2, cy - w.l[5] / 2, s / 2, cy + w.l[5] / 2, -k, -0.75 * k, 2);
    }
    for (int p = 4; p <= 5; p++)
        if (Kehlnaht_Carries(p)) {
            const double x = p == 4 ? -s / 2 : s / 2;
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, x, cy - w.l[p] / 2, x, cy + w.l[p] / 2, w.l[p],
                               p == 4 ? -1 : 1);
        }
}

}  // namespace

void Kehlnaht_Tee(Kehlnaht_Context& c) {
    Tee_Geometry g{};
    g.h = c.h, g.b = c.b, g.t = c.t, g.s = c.s, g.r = c.r, g.c1 = c.c1, g.c2 = c.c2, g.c3 = c.c3;
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, c1 = g.c1, c2 = g.c2, c3 = g.c3;
    const double k = 0.1 * t >= 4.0 ? 0.1 * t : (h > 150.0 ? 4.0 : 1.5);
    g.k = k;
    enum { PARAMETRIC, SLOPED, CUT, TAPERED } variant =
        !c.catalogue ? PARAMETRIC : c.k1 == 0 ? SLOPED : c.k2 == 0 ? CUT : TAPERED;
    const double xl = -b / 2, xr = b / 2;
    g.xl = xl, g.xr = xr;
    // Sloped catalogue T.
    g.F = t + 0.02 * (c1 - b / 4);
    g.w1 = -s / 2 + 0.02 * (c2 - h / 2), g.w2 = -s / 2 + 0.02 * (h / 2 - c3);
    g.w3 = s / 2 + 0.02 * (c3 - h / 2), g.w4 = s / 2 + 0.02 * (h / 2 - c2);
    g.y_f = ((std::fabs(0.04 * (g.w1 - r + b / 4)) - r) + (c2 + t)) / 2;
    // Tapered catalogue T.
    g.G = t + 0.12 * (c1 - b / 4);
    Kehlnaht_Weld_Line(1, xr, 0, xl, 0);
    switch (variant) {
    case PARAMETRIC: Tee_Outline_Parametric(c, g); break;
    case SLOPED: Tee_Outline_Sloped(c, g); break;
    case CUT: Tee_Outline_Cut(c, g); break;
    case TAPERED: Tee_Outline_Tapered(c, g); break;
    }
    Kehlnaht_Weld_Line_Count(5);
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Put(c.f, "20 42\n");
    if (c.all_round) Kehlnaht_Seam(c, c.n, c.X, c.Y, -2.0);
    if (variant == CUT) {
        if (c.f) Plot_Outline_T(c.f, xl, -(s / 2 + r), -s / 2, s / 2, s / 2 + r, xr, 0, t, t + r, h - t - r, h - t, h,
                                0.707 * r, 0, 1.0);
    } else {
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Put(c.f, "20 0\n");
    }
    Put(c.f, "7 1\n");
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "180", 0, -k, 180);
        return;
    }
    switch (variant) {
    case PARAMETRIC: Tee_Bands_Parametric(c, g); break;
    case SLOPED: Tee_Bands_Sloped(c, g); break;
    case CUT: Tee_Bands_Cut(c, g); break;
    case TAPERED: Tee_Bands_Tapered(c, g); break;
    }
    if (Kehlnaht_Carries(1)) Kehlnaht_Position_Label(c, 1, "180", 0, -k, 180);
    if (Kehlnaht_Carries(2)) Kehlnaht_Position_Label(c, 2, "0", g.mid2, t + k, 0);
    if (Kehlnaht_Carries(3)) Kehlnaht_Position_Label(c, 3, "0", g.mid3, t + k, 0);
    if (Kehlnaht_Carries(4)) Kehlnaht_Position_Label(c, 4, "-90", -s / 2 - k, g.mid_web, -90);
    if (Kehlnaht_Carries(5)) Kehlnaht_Position_Label(c, 5, "90", s / 2 + k, g.mid_web, 90);
}

// ---- channel and rectangular hollow section -----------------------------------------

void Kehlnaht_Channel(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r, e = c.e;
    const double r2 = c.c1, cc = c.c2;
    // Slope of the inner flange faces of a catalogue channel and where the
    // flange has its thickness t.
    const double kk = h <= 301.0 ? 0.08 : 0.05, xm = h <= 301.0 ? b / 2 : (b - s) / 2 + s, xt = b - r2;
    const double yu = t + kk * (xm - xt), yo = (h - t) - kk * (xm - xt);
    if (c.catalogue) {
        const double x[20] = {0,          0,          b,      b,      b - 0.5 * r2, xt,          xm,
                              s + r,      s + 0.5 * r, s + 0.1339 * r, s, s,       s + 0.1339 * r, s + 0.5 * r,
                              s + r,      xm,         xt,     b - 0.5 * r2, b,      b};
        const double y[20] = {0,
                              h,
                              h,
                              yo + r2,
                              yo + 0.293 * r2,
                              yo,
                              h - t,
                              h - cc + r,
                              h - cc + 0.8661 * r,
                              h - cc + 0.5 * r,
                              h - cc,
                              cc,
                              cc - 0.5 * r,
                              cc - r + 0.1339 * r,
                              cc - r,
                              t,
                              yu,
                              yu - r2 + 0.707 * r2,
                              yu - r2,
                              0};
        Set_Outline(c, 20, x, y);
        Line_W(1, b, 0, 0, 0, 19, 0);
        Line_W(2, xt, yu, s + r, cc - r, 14, 16);
        Line_H(4, s, cc, s, h - cc, 10, 11);
        Line_W(5, xt, yo, s + r, h - cc + r, 5, 7);
    } else {
        const double x[8] = {0, 0, b, b, s, s, b, b}, y[8] = {0, h, h, h - t, h - t, t, t, 0};
        Set_Outline(c, 8, x, y);
        Line_W(1, b, 0, 0, 0, 7, 0);
        Line_W(2, b, t, s, t, 5, 6);
        Line_H(4, s, t, s, h - t, 4, 5);
        Line_W(5, b, h - t, s, h - t, 3, 4);
    }
    Line_H(3, 0, 0, 0, h, 0, 1);
    Line_W(6, b, h, 0, h, 1, 2);
    Kehlnaht_Weld_Line_Count(6);
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", (c.x_min + c.x_max) / 2, -e / 3, 135);
        return;
    }
    const double bt = t / 4;
    const double inner = c.catalogue ? 1.0 : 0.96;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, 0, b, 0, bt, -t / 8, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", b / 2, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        if (c.catalogue) {
            Band_Oblique(c, 2, -1, s + r, xt, cc - r, yu, bt, t / 8);
            Kehlnaht_Position_Label(c, 2, "45", (s + r + xt) / 2, (cc - r + yu) / 2 + e / 3, 0);
        } else {
            Band_X(c, 2, s, b, t, bt, t / 8, inner);
            Kehlnaht_Position_Label(c, 2, "45", (s + b) / 2, t + e / 3, 0);
        }
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, 0, 0, h, bt, -t / 16, 1.0);
        Kehlnaht_Position_Label(c, 3, "-90", -e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(4)) {
        const double ya = c.catalogue ? cc : t, yb = c.catalogue ? h - cc : h - t;
        Band_Y(c, 4, s, ya, yb, bt, t / 8, inner);
        Kehlnaht_Position_Label(c, 4, "90", s + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(5)) {
        if (c.catalogue) {
            Band_Oblique(c, 5, -1, s + r, xt, h - cc + r, yo, bt, -t / 8);
            Kehlnaht_Position_Label(c, 5, "135", (s + r + xt) / 2, (h - cc + r + yo) / 2 - e / 3, 180);
        } else {
            Band_X(c, 5, s, b, h - t, bt, -t / 8, inner);
            Kehlnaht_Position_Label(c, 5, "135", (s + b) / 2, h - t - e / 3, 180);
        }
    }
    if (Kehlnaht_Carries(6)) {
        Band_X(c, 6, 0, b, h, bt, t / 8, 1.0);
        Kehlnaht_Position_Label(c, 6, "45", b / 2, h + e / 3, 45);
    }
}

void Kehlnaht_Rhs(Kehlnaht_Context& c) {
    const double h = c.h, b = c.b, t = c.t, s = c.s, e = c.e, xl = -b / 2, xr = b / 2;
    if (c.catalogue) {
        const double x[16] = {xl + 1.5 * s,     xl + 0.75 * s, xl + 0.20085 * s, xl,
                              xl,               xl + 0.20085 * s, xl + 0.75 * s, xl + 1.5 * s,
                              xr - 1.5 * s,     xr - 0.75 * s, xr - 0.20085 * s, xr,
                              xr,               xr - 0.20085 * s, xr - 0.75 * s, xr - 1.5 * s};
        const double y[16] = {0,           0.20085 * t, 0.75 * t,     1.5 * t,   h - 1.5 * t, h - 0.75 * t,
                              h - 0.20085 * t, h,        h,            h - 0.20085 * t, h - 0.75 * t, h - 1.5 * t,
                              1.5 * t,     0.75 * t,    0.20085 * t,  0};
        const double xi[16] = {xl + 2 * s,     xl + 1.5 * s, xl + 1.1339 * s, xl + s,
                               xl + s,         xl + 1.1339 * s, xl + 1.5 * s, xl + 2 * s,
                               xr - 2 * s,     xr - 1.5 * s, xr - 1.1339 * s, xr - s,
                               xr - s,         xr - 1.1339 * s, xr - 1.5 * s, xr - 2 * s};
        const double yi[16] = {t,          1.1339 * t, 1.5 * t,    2 * t,      h - 2 * t,  h - 1.5 * t,
                               h - 1.1339 * t, h - t,  h - t,      h - 1.1339 * t, h - 1.5 * t, h - 2 * t,
                               2 * t,      1.5 * t,    1.1339 * t, t};
        Set_Outline(c, 16, x, y);
        for (int i = 0; i < 16; i++) c.XI[i] = xi[i], c.YI[i] = yi[i];
        c.n_inner = 16;
        const double y_low = 1.5 * t, y_high = h - 1.5 * t;  // the straight parts of the side walls
        Line_W(1, xr - 1.5 * s, 0, xl + 1.5 * s, 0, 15, 0);
        Line_H(2, xl, y_low, xl, y_high, 3, 4);
        Line_H(3, xr, y_high, xr, y_low, 11, 12);
        Line_W(4, xl + 1.5 * s, h, xr - 1.5 * s, h, 7, 8);
    } else {
        const double x[4] = {xl, xl, xr, xr}, y[4] = {0, h, h, 0};
        const double xi[4] = {xl + s, xl + s, xr - s, xr - s}, yi[4] = {t, h - t, h - t, t};
        Set_Outline(c, 4, x, y);
        for (int i = 0; i < 4; i++) c.XI[i] = xi[i], c.YI[i] = yi[i];
        c.n_inner = 4;
        Line_W(1, xr, 0, xl, 0, 3, 0);
        Line_H(2, xl, 0, xl, h, 0, 1);
        Line_H(3, xr, h, xr, 0, 2, 3);
        Line_W(4, xl, h, xr, h, 1, 2);
    }
    Kehlnaht_Weld_Line_Count(4);
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Seam_And_Section(c, -2.0);
    Kehlnaht_Write_Points(c.f, c.n_inner, c.XI, c.YI);
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "150", (c.x_min + c.x_max) / 2, -e / 3, 135);
        return;
    }
    const double bt = t / 4;
    if (Kehlnaht_Carries(1)) {
        Band_X(c, 1, 0, 0, 0, bt, -t / 12, 1.0);
        Kehlnaht_Position_Label(c, 1, "135", 0, -e / 3, 135);
    }
    if (Kehlnaht_Carries(2)) {
        Band_Y(c, 2, xl, h / 2, h / 2, bt, -t / 12, 1.0);
        Kehlnaht_Position_Label(c, 2, "-90", xl - e / 3, h / 2, -90);
    }
    if (Kehlnaht_Carries(3)) {
        Band_Y(c, 3, xr, h / 2, h / 2, bt, t / 12, 1.0);
        Kehlnaht_Position_Label(c, 3, "90", xr + e / 3, h / 2, 90);
    }
    if (Kehlnaht_Carries(4)) {
        Band_X(c, 4, 0, 0, h, bt, t / 12, 1.0);
        Kehlnaht_Position_Label(c, 4, "45.", 0, h + e / 3, 0);
    }
}

// ---- I family -----------------------------------------------------------------------

namespace {

// The dimensions of an I and the points its forms are drawn by.
struct I_Geometry {
    double h, b, t, s, r;
    double x1, x2, x3, x4, x5, x6;  // flange ends, root fillet ends, web faces
    double y1, y2, y3, y4, y5, y6;
    double r2, cc, xt, yu, yo;      // tapered catalogue I
    int face[8][2];                 // label faces of positions 2, 3, 6, 7 by outline points
    bool mean_height;               // labels at the faces' mean height (sloped faces)
};

// The outline of an I given by its dimensions.
void I_Outline_Dimensions(Kehlnaht_Context& c, I_Geometry& g) {
    const double h = g.h, t = g.t, x1 = g.x1, x3 = g.x3, x4 = g.x4, x6 = g.x6;
    const double x[12] = {x1, x1, x3, x3, x1, x1, x6, x6, x4, x4, x6, x6};
    const double y[12] = {0, t, t, h - t, h - t, h, h, h - t, h - t, t, t, 0};
    Set_Outline(c, 12, x, y);
    Line_W(1, x6, 0, x1, 0, 11, 0);
    Line_W(2, x3, t, x1, t, 1, 2);
    Line_W(3, x6, t, x4, t, 9, 10);
    Line_H(4, x3, t, x3, h - t, 2, 3);
    Line_H(5, x4, t, x4, h - t, 8, 9);
    Line_W(6, x3, h - t, x1, h - t, 3, 4);
    Line_W(7, x6, h - t, x4, h - t, 7, 8);
    Line_W(8, x6, h, x1, h, 5, 6);
    const int f[8][2] = {{0, 0}, {1, 2}, {9, 10}, {0, 0}, {0, 0}, {4, 3}, {8, 7}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
}

// The outline of a rolled catalogue I with parallel flanges.
void I_Outline_Catalogue(Kehlnaht_Context& c, I_Geometry& g) {
    const double h = g.h, t = g.t, r = g.r, x1 = g.x1, x2 = g.x2, x3 = g.x3, x4 = g.x4, x5 = g.x5, x6 = g.x6, y3 = g.y3,
                 y4 = g.y4, y5 = g.y5;
    const double q = 0.707 * r;
    const double x[20] = {x1, x1, x2, x2 + q, x3, x3, x2 + q, x2, x1, x1,
                          x6, x6, x5, x5 - q, x4, x4, x5 - q, x5, x6, x6};
    const double y[20] = {0, t, t, y3 - q, y3, y4, y4 + q, y5, y5, h, h, y5, y5, y4 + q, y4, y3, y3 - q, t, t, 0};
    Set_Outline(c, 20, x, y);
    Line_W(1, x6, 0, x1, 0, 19, 0);
    Line_W(2, x2, t, x1, t, 1, 2);
    Line_W(3, x6, t, x5, t, 17, 18);
    Line_H(4, x3, y3, x3, y4, 4, 5);
    Line_H(5, x4, y3, x4, y4, 14, 15);
    Line_W(6, x2, y5, x1, y5, 7, 8);
    Line_W(7, x6, y5, x5, y5, 11, 12);
    Line_W(8, x6, h, x1, h, 9, 10);
    const int f[8][2] = {{0, 0}, {1, 2}, {17, 18}, {0, 0}, {0, 0}, {8, 7}, {12, 11}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
}

// The outline of a catalogue I with tapered flanges.
void I_Outline_Tapered(Kehlnaht_Context& c, I_Geometry& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, r2 = g.r2, cc = g.cc, xt = g.xt, yu = g.yu, yo = g.yo;
    const double half_x[21] = {-b / 2,
                               -b / 2,
                               -b / 2 + 0.13398 * r2,
                               -b / 2 + 0.5 * r2,
                               -xt,
                               -b / 4,
                               -s / 2 - r,
                               -s / 2 - 0.5 * r,
                               -s / 2 - 0.13397 * r,
                               -s / 2,
                               -s / 2,
                               -s / 2,
                               -s / 2 - 0.13397 * r,
                               -s / 2 - 0.5 * r,
                               -s / 2 - r,
                               -b / 4,
                               -xt,
                               -b / 2 + 0.5 * r2,
                               -b / 2 + 0.13398 * r2,
                               -b / 2,
                               -b / 2};
    const double half_y[21] = {0,
                               yu - r2,
                               yu - 0.5 * r2,
                               yu - 0.13397 * r2,
                               yu,
                               t,
                               cc - r,
                               cc - 0.86602 * r,
                               cc - 0.5 * r,
                               cc,
                               h / 2,
                               h - cc,
                               h - cc + 0.5 * r,
                               h - cc + 0.86602 * r,
                               h - cc + r,
                               h - t,
                               yo,
                               yo + 0.13397 * r2,
                               yo + 0.5 * r2,
                               yo + r2,
                               h};
    double x[42], y[42];
    for (int i = 0; i < 21; i++) {
        x[i] = half_x[i], y[i] = half_y[i];
        x[41 - i] = -half_x[i], y[41 - i] = half_y[i];
    }
    // The right half mirrors the left with its own coefficient of the
    // toe rounding (0.13397 where the left side has 0.13398).
    x[39] = b / 2 - 0.13397 * r2, x[23] = b / 2 - 0.13397 * r2;
    Set_Outline(c, 42, x, y);
    Line_W(1, b / 2, 0, -b / 2, 0, 41, 0);
    Line_W(2, -s / 2 - r, cc - r, -xt, yu, 4, 6);
    Line_W(3, xt, yu, s / 2 + r, cc - r, 35, 37);
    Line_H(4, -s / 2, cc, -s / 2, h - cc, 9, 11);
    Line_H(5, s / 2, cc, s / 2, h - cc, 30, 32);
    Line_W(6, -s / 2 - r, h - cc + r, -xt, yo, 14, 16);
    Line_W(7, xt, yo, s / 2 + r, h - cc + r, 25, 27);
    Line_W(8, b / 2, h, -b / 2, h, 20, 21);
    const int f[8][2] = {{0, 0}, {4, 6}, {35, 37}, {0, 0}, {0, 0}, {16, 14}, {27, 25}, {0, 0}};
    std::memcpy(g.face, f, sizeof g.face);
    g.mean_height = true;
}

// The weld bands and marks of a tapered I along its sloped faces.
void I_Bands_Tapered(Kehlnaht_Context& c, const I_Geometry& g) {
    const double h = g.h, b = g.b, t = g.t, s = g.s, r = g.r, cc = g.cc, xt = g.xt, yu = g.yu, yo = g.yo;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    const struct {
        double factor;
        int dir;
        double xa, xb, ya, yb, th, o;
    } bands[8] = {{1.11, -1, -b / 2, b / 2, 0, 0, -t / 3, -t / 2},
                  {1.0, -1, -xt, -s / 2 - r, yu, cc - r, t / 3, t / 12},
                  {1.0, -1, s / 2 + r, xt, cc - r, yu, t / 3, t / 12},
                  {1.11, -2, -s / 2, -s / 2, cc, h - cc, -t / 3, -t / 2},
                  {1.11, -2, s / 2, s / 2, cc, h - cc, t / 3, t / 6},
                  {1.0, -1, -xt, -s / 2 - r, yo, h - cc + r, -t / 3, -1.1 * t / 3},
                  {1.0, -1, s / 2 + r, xt, h - cc + r, yo, -t / 3, -1.1 * t / 3},
                  {1.11, -1, -b / 2, b / 2, h, h, t / 3, t / 6}};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        const auto& d = bands[p - 1];
        Plot_Weld_Band_Edge(c.f, d.factor * w.l[p], d.dir, d.xa, d.xb, d.ya, d.yb, d.th, d.o);
        if (p == 4 || p == 5)
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_V, d.xa, (cc + h - cc) / 2 - w.l[p] / 2, d.xa,
                               (cc + h - cc) / 2 + w.l[p] / 2, w.l[p], d.o);
        else
            Kehlnaht_Note_Mark(c, p, KEHLNAHT_MARK_SHALLOW, d.xa, d.ya, d.xb, d.yb, w.l[p], d.o);
    }
}

// The weld bands and marks of an I with parallel flanges.
void I_Bands_Parallel(Kehlnaht_Context& c, const I_Geometry& g, bool catalogue) {
    const double h = g.h, t = g.t, x1 = g.x1, x2 = g.x2, x3 = g.x3, x4 = g.x4, x5 = g.x5, x6 = g.x6, y1 = g.y1,
                 y2 = g.y2, y3 = g.y3, y4 = g.y4, y5 = g.y5, y6 = g.y6;
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (c.f) Plot_Weld_Bands_I(c.f, x1, x2, x3, x4, x5, x6, y1, y2, y3, y4, y5, y6, t / 3, t / 3);
    // Screen: outer faces with the whole length, inner faces 0.96 of it.
    const double xa2 = catalogue ? x2 : x3, xa5 = catalogue ? x5 : x4;
    const double yw1 = catalogue ? y3 : t, yw2 = catalogue ? y4 : h - t;
    const struct {
        int kind;
        double a, b, at, side, factor;
    } marks[8] = {{KEHLNAHT_MARK_H, x1, x6, 0, -1, 1.0},      {KEHLNAHT_MARK_H, x1, xa2, t, 1, 0.96},
                  {KEHLNAHT_MARK_H, xa5, x6, t, 1, 0.96},      {KEHLNAHT_MARK_V, yw1, yw2, x3, -1, 0.96},
                  {KEHLNAHT_MARK_V, yw1, yw2, x4, 1, 0.96},    {KEHLNAHT_MARK_H, x1, xa2, h - t, -1, 0.96},
                  {KEHLNAHT_MARK_H, xa5, x6, h - t, -1, 0.96}, {KEHLNAHT_MARK_H, x1, x6, h, 1, 1.0}};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        const auto& m = marks[p - 1];
        const double centre = (m.a + m.b) / 2, l = m.factor * w.l[p];
        if (m.kind == KEHLNAHT_MARK_H)
            Kehlnaht_Note_Mark(c, p, m.kind, centre - l / 2, m.at, centre + l / 2, m.at, l, m.side);
        else
            Kehlnaht_Note_Mark(c, p, m.kind, m.at, centre - l / 2, m.at, centre + l / 2, l, m.side);
    }
}

// The position labels, t/3 off their faces.
void I_Labels(Kehlnaht_Context& c, const I_Geometry& g) {
    const double h = g.h, t = g.t, s = g.s;
    static const char* const ANGLE[9] = {"", "180", "-45", "45", "-90", "90", "225", "135", "0"};
    static const double SCREEN_ANGLE[9] = {0, 135, 0, 0, -90, 90, 180, 180, 45};
    for (int p = 1; p <= 8; p++) {
        if (!Kehlnaht_Carries(p)) continue;
        double x = 0, y = 0;
        switch (p) {
        case 1: y = -t / 3; break;
        case 8: y = h + t / 3; break;
        case 4: x = -s / 2 - t / 3, y = h / 2; break;
        case 5: x = s / 2 + t / 3, y = h / 2; break;
        default: {
            const int i = g.face[p - 1][0], j = g.face[p - 1][1];
            x = (c.X[i] + c.X[j]) / 2;
            y = g.mean_height ? (c.Y[i] + c.Y[j]) / 2 : c.Y[i];
            y += (p == 2 || p == 3) ? t / 3 : -t / 3;
            break;
        }
        }
        Kehlnaht_Position_Label(c, p, ANGLE[p], x, y, SCREEN_ANGLE[p]);
    }
}

}  // namespace

void Kehlnaht_I(Kehlnaht_Context& c) {
    I_Geometry g{};
    const double h = c.h, b = c.b, t = c.t, s = c.s, r = c.r;
    g.h = h, g.b = b, g.t = t, g.s = s, g.r = r;
    g.x1 = -b / 2, g.x2 = -(s / 2 + r), g.x3 = -s / 2, g.x4 = s / 2, g.x5 = s / 2 + r, g.x6 = b / 2;
    g.y1 = 0, g.y2 = t, g.y3 = t + r, g.y4 = h - t - r, g.y5 = h - t, g.y6 = h;
    enum { DIMENSIONS, CATALOGUE, TAPERED } form = !c.catalogue ? DIMENSIONS : c.k2 == 1 ? TAPERED : CATALOGUE;
    g.r2 = c.c1, g.cc = c.c2, g.xt = b / 2 - g.r2;
    g.yu = t + 0.12 * (g.r2 - b / 4), g.yo = (h - t) - 0.12 * (g.r2 - b / 4);
    switch (form) {
    case DIMENSIONS: I_Outline_Dimensions(c, g); break;
    case CATALOGUE: I_Outline_Catalogue(c, g); break;
    case TAPERED: I_Outline_Tapered(c, g); break;
    }
    Kehlnaht_Weld_Line_Count(8);
    c.title = c.catalogue ? c.name : WELDED_TITLE;
    Put(c.f, "20 42\n");
    if (c.all_round) {
        Kehlnaht_Seam(c, c.n, c.X, c.Y, -2.0);
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Put(c.f, "20 0\n");
    } else if (form == TAPERED) {
        Kehlnaht_Section(c, c.n, c.X, c.Y);
        Put(c.f, "20 0\n");
    } else if (c.f) {
        Plot_Outline_I(c.f, g.x1, g.x2, g.x3, g.x4, g.x5, g.x6, g.y1, g.y2, g.y3, g.y4, g.y5, g.y6, 0.707 * r, 0, 1);
    }
    Put(c.f, "7 1\n");
    if (c.all_round) {
        Kehlnaht_All_Round_Label(c, "180", 0, -t / 3, 135);
        return;
    }
    if (form == TAPERED)
        I_Bands_Tapered(c, g);
    else
        I_Bands_Parallel(c, g, form == CATALOGUE);
    I_Labels(c, g);
}
