// Weld marks, weld bands and section outlines of the scaled drawing of the
// fillet-weld connection.
#include <cmath>

#include "base/vesk.h"
#include "drawings/kehlnaht_drawing.h"
#include "drawings/kehlnaht_internal.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"

namespace {

bool Carries(double l, double a) { return l > 0.001 && a > 0.001; }

// "18 5" and the five corners of a band (the first corner closes it); a
// band with a corner that is not finite is left out.
void Write_Band(FILE* f, const double x[5], const double y[5]) {
    for (int i = 0; i < 5; i++)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return;
    Kehlnaht_Write_Points(f, 5, x, y);
}

void Band_Head(FILE* f) { Safe_Fprintf(f, " %d 0\n%d 44\n", OLI_REC_SECTION_MARK, OLI_REC_FILL_PATTERN); }

// A band of length l along x centred at c between the lines n (near) and
// far, or along y.
void Band_Along_X(FILE* f, double c, double l, double n, double far) {
    const double x[5] = {c - l / 2, c + l / 2, c + l / 2, c - l / 2, c - l / 2}, y[5] = {n, n, far, far, n};
    Write_Band(f, x, y);
}

void Band_Along_Y(FILE* f, double c, double l, double n, double far) {
    const double x[5] = {n, n, far, far, n}, y[5] = {c - l / 2, c + l / 2, c + l / 2, c - l / 2, c - l / 2};
    Write_Band(f, x, y);
}

// The bands of the flanges common to the I and the T section (1 to 3).
void Flange_Bands(FILE* f, double x1, double x2, double x5, double x6, double y1, double y2, double th) {
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (Carries(w.l[1], w.a[1])) Band_Along_X(f, (x1 + x6) / 2, w.l[1], y1 - th / 2, y1 - 3 * th / 2);
    if (Carries(w.l[2], w.a[2])) Band_Along_X(f, (x1 + x2) / 2, w.l[2], y2 + th / 2, y2 + 3 * th / 2);
    if (Carries(w.l[3], w.a[3])) Band_Along_X(f, (x5 + x6) / 2, w.l[3], y2 + th / 2, y2 + 3 * th / 2);
}

// Web bands (positions 4 and 5) centred between ya and yb.
void Web_Bands(FILE* f, double x3, double x4, double ya, double yb, double tv) {
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    if (Carries(w.l[4], w.a[4])) Band_Along_Y(f, (ya + yb) / 2, w.l[4], x3 - tv / 2, x3 - 3 * tv / 2);
    if (Carries(w.l[5], w.a[5])) Band_Along_Y(f, (ya + yb) / 2, w.l[5], x4 + tv / 2, x4 + 3 * tv / 2);
}

}  // namespace

void Draw_Weld_Marks_H(double a, double l, double s, int x, int y, int d) {
    if (!Carries(l, a)) return;
    const int X = Kehlnaht_Trunc(x + l * s);
    for (int k = 2; k <= 4; k++) pxLine(x, y + k * d, X, y + k * d);
}

void Draw_Weld_Marks_V(double a, double l, double s, int x, int y, int d) {
    if (!Carries(l, a)) return;
    const int Y = Kehlnaht_Trunc(y + l * s);
    for (int k = 2; k <= 4; k++) pxLine(x + k * d, y, x + k * d, Y);
}

void Draw_Weld_Marks_Edge(int mode, double a, double l, int x1, int y1, int x2, int y2, int d) {
    if (!Carries(l, a)) return;
    if (mode == 1) {
        for (int k = 3; k <= 5; k++) pxLine(x1 + k * d, y1, x2 + k * d, y2);
        return;
    }
    if (mode == 0) {
        for (int k = 2; k <= 4; k++) pxLine(x1, y1 + k * d, x2, y2 + k * d);
        return;
    }
    const double w = 0.9 * l;
    const int dx = x2 - x1, dy = y2 - y1;
    if (mode == -1) {
        if (dx == 0) return;  // no shallow direction: nothing to divide by
        const int m = Kehlnaht_Trunc(dy * w / dx);
        const int X1 = x1 + Kehlnaht_Trunc((dx - w) * 0.5), X2 = Kehlnaht_Trunc(X1 + w);
        const int Y1 = y1 + Kehlnaht_Trunc((dy - m) * 0.5), Y2 = Y1 + m;
        for (int k = 2; k <= 4; k++) pxLine(X1, Y1 + k * d, X2, Y2 + k * d);
        return;
    }
    if (dy == 0) return;
    const int m = Kehlnaht_Trunc(dx * w / dy);
    const int X1 = x1 + Kehlnaht_Trunc((dx - m) * 0.5), X2 = X1 + m;
    const int half = Kehlnaht_Trunc((dy - w) * 0.5);
    const int Y1 = y1 + half, Y2 = y1 + Kehlnaht_Trunc(w + half);
    for (int k = 2; k <= 4; k++) pxLine(X1 + k * d, Y1, X2 + k * d, Y2);
}

void Plot_Weld_Band_Edge(FILE* f, double l, int dir, double x1, double x2, double y1, double y2, double t,
                         double o) {
    const double g = o == 0.0 ? 1.0 : std::fabs(o) / o, gt = g * t;
    double x[5], y[5];
    if (dir == 0) {
        const double cx[4] = {x1, x2, x2, x1}, cy[4] = {y1 + o, y1 + o, y1 + o + gt, y1 + o + gt};
        for (int i = 0; i < 4; i++) x[i] = cx[i], y[i] = cy[i];
    } else if (dir == 1) {
        const double cx[4] = {x1 + o, x1 + o, x1 + o + gt, x1 + o + gt}, cy[4] = {y1, y2, y2, y1};
        for (int i = 0; i < 4; i++) x[i] = cx[i], y[i] = cy[i];
    } else if (dir == -1) {
        const double w = 0.9 * l, m = w * (y2 - y1) / (x2 - x1);
        const double X = x1 + ((x2 - x1) - w) / 2, Y = y1 + ((y2 - y1) - m) / 2 + o;
        const double cx[4] = {X, X + w, X + w, X}, cy[4] = {Y, Y + m, Y + m + gt, Y + gt};
        for (int i = 0; i < 4; i++) x[i] = cx[i], y[i] = cy[i];
    } else {
        const double w = 0.9 * l, m = w * (x2 - x1) / (y2 - y1);
        const double X = x1 + ((x2 - x1) - m) / 2 + o, Y = y1 + ((y2 - y1) - w) / 2;
        const double cx[4] = {X, X + m, X + m + gt, X + gt}, cy[4] = {Y, Y + w, Y + w, Y};
        for (int i = 0; i < 4; i++) x[i] = cx[i], y[i] = cy[i];
    }
    x[4] = x[0], y[4] = y[0];
    for (int i = 0; i < 5; i++)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return;
    Band_Head(f);
    Kehlnaht_Write_Points(f, 5, x, y);
}

void Plot_Weld_Band_Pos1(FILE* f, double xa, double ya, double xb, double yb, double t, double o, int dir) {
    Band_Head(f);
    if (!Carries(Kehlnaht_Welds.l[1], Kehlnaht_Welds.a[1])) return;
    if (dir == 1) {
        const double x[5] = {xa, xb, xb, xa, xa}, y[5] = {ya - o, yb - o, yb - o - t, ya - o - t, ya - o};
        Write_Band(f, x, y);
    } else {
        const double x[5] = {xa - o, xb - o, xb - o - t, xa - o - t, xa - o}, y[5] = {ya, yb, yb, ya, ya};
        Write_Band(f, x, y);
    }
}

void Plot_Weld_Bands_I(FILE* f, double x1, double x2, double x3, double x4, double x5, double x6, double y1,
                       double y2, double, double, double y5, double y6, double tv, double th) {
    const Kehlnaht_Weld_Data& w = Kehlnaht_Welds;
    Band_Head(f);
    Flange_Bands(f, x1, x2, x5, x6, y1, y2, th);
    Web_Bands(f, x3, x4, y2, y5, tv);
    if (Carries(w.l[6], w.a[6])) Band_Along_X(f, (x1 + x2) / 2, w.l[6], y5 - th / 2, y5 - 3 * th / 2);
    if (Carries(w.l[7], w.a[7])) Band_Along_X(f, (x5 + x6) / 2, w.l[7], y5 - th / 2, y5 - 3 * th / 2);
    if (Carries(w.l[8], w.a[8])) Band_Along_X(f, (x1 + x6) / 2, w.l[8], y6 + th / 2, y6 + 3 * th / 2);
}

void Plot_Weld_Bands_T(FILE* f, double x1, double x2, double x3, double x4, double x5, double x6, double y1,
                       double y2, double y3, double, double, double y6, double tv, double th) {
    Band_Head(f);
    Flange_Bands(f, x1, x2, x5, x6, y1, y2, th);
    Web_Bands(f, x3, x4, y3, y6, tv);
}

void Plot_Outline_I(FILE* f, double x1, double x2, double x3, double x4, double x5, double x6, double y1,
                    double y2, double y3, double y4, double y5, double y6, double c, double y0, double s) {
    const double X1 = s * x1, X2 = s * x2, X3 = s * x3, X4 = s * x4, X5 = s * x5, X6 = s * x6;
    const double Y1 = s * (y1 - y0), Y2 = s * (y2 - y0), Y3 = s * (y3 - y0), Y4 = s * (y4 - y0),
                 Y5 = s * (y5 - y0), Y6 = s * (y6 - y0);
    const double x[20] = {X1, X1, X2, X2 + c, X3, X3, X2 + c, X2, X1, X1,
                          X6, X6, X5, X5 - c, X4, X4, X5 - c, X5, X6, X6};
    const double y[20] = {Y1, Y2, Y2, Y3 - c, Y3, Y4, Y4 + c, Y5, Y5, Y6,
                          Y6, Y5, Y5, Y4 + c, Y4, Y3, Y3 - c, Y2, Y2, Y1};
    Safe_Fprintf(f, " %d 1\n %d 3\n", OLI_REC_SECTION_MARK, OLI_REC_PEN);
    Kehlnaht_Write_Points(f, 20, x, y);
}

void Plot_Outline_T(FILE* f, double x1, double x2, double x3, double x4, double x5, double x6, double y1,
                    double y2, double y3, double, double, double y6, double c, double y0, double s) {
    const double X1 = s * x1, X2 = s * x2, X3 = s * x3, X4 = s * x4, X5 = s * x5, X6 = s * x6;
    const double Y1 = s * (y1 - y0), Y2 = s * (y2 - y0), Y3 = s * (y3 - y0), Y6 = s * (y6 - y0);
    const double x[12] = {X1, X1, X2, X2 + c, X3, X3, X4, X4, X5 - c, X5, X6, X6};
    const double y[12] = {Y1, Y2, Y2, Y3 - c, Y3, Y6, Y6, Y3, Y3 - c, Y2, Y2, Y1};
    Safe_Fprintf(f, " %d 1\n %d 3\n", OLI_REC_SECTION_MARK, OLI_REC_PEN);
    Kehlnaht_Write_Points(f, 12, x, y);
}
