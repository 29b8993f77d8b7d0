// Print-list picture of the profile with its welds: frame (scale, window,
// reference point, marks, end) and the outlines, welds and dimension lines
// of every profile family.
#include "drawings/xs_weld_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/ctools.h"
#include "base/geometry.h"
#include "base/vesk.h"
#include "drawings/oli_pens.h"
#include "drawings/shape_routines.h"
#include "drawings/sloped_flanges.h"
#include "drawings/xs_weld_internal.h"
#include "platform/oli_graphic_records.h"
#include "platform/oli_layout.h"
#include "printlist/ioliplot.h"

int XS_Plot_Height_cm = 5;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int OUTER_MAX = 50, INNER_MAX = 30;

// The two point lists of the outline, overwritten by every drawing.
double g_outer_x[OUTER_MAX], g_outer_y[OUTER_MAX];
double g_inner_x[INNER_MAX], g_inner_y[INNER_MAX];

// The edges of the outline drawn (x1 y1 x2 y2 each): the welds lie on
// them, so the labels of the marks keep off them; and the world mm per
// paper cm they were drawn at (0: nothing drawn).
std::vector<double> g_edges;
double g_edges_mmpc = 0.0;

// The points the marks' letters keep clear of in the next drawing (x, y
// pairs), and how far (paper cm): the weld check's dots of 0.15 cm and a
// little more.
std::vector<double> g_keep_clear, g_keep_now;  // set for the next drawing; read by this one
std::vector<double> g_letters;  // page boxes of the marks' letters of the last drawing (XS_Plot_Mark_Letters)
constexpr size_t kKeepClearMost = 64;
constexpr double kKeepClearCm = 0.1;

// The area of the last drawing, for XS_Plot_Inside: the corners of its outer
// and inner contour in the point lists above (0: none), or a disc or ring.
struct Drawn_Area {
    int outer = 0, inner = 0;
    bool round = false;
    double cx = 0.0, cy = 0.0, r_out = 0.0, r_in = 0.0;
} g_area;

// Offsets of the three middle points of a quarter circle (22.5, 45 and 67.5
// degrees from its start).
constexpr double ARC_C[3] = {0.9238795325112867, 0.7071067811865476, 0.3826834323650898};
constexpr double ARC_S[3] = {0.3826834323650898, 0.7071067811865476, 0.9238795325112867};

// Everything one drawing needs, gathered once.
struct Plot {
    const Stahlprofil* p;
    double xr, yr;     // reference point
    double angle;      // local rotation, radians (0 in a picture of its own)
    double mmpc;       // world mm per paper cm
    double o_top, o_bot, o_tip;
    int rolled;
    int fill_pen, pattern, line_pen, line_width;
    int flip_x, flip_y, mode;
    double d;          // offset of the dimension lines from the profile, mm
    // A catalogue profile whose flanges slope: its faces as rolled, which
    // its outline follows (the welds lie on them).
    bool sloped;
    Rolled_Flange_Faces faces;
};


void Set(double* x, double* y, int i, double px, double py) {
    x[i] = px;
    y[i] = py;
}

// The points of a sloped flange (Sloped_Flange_Picture_Points) from index i
// on, the flange's tip at x_tip and its outer face at y_face: x runs from the
// tip by dx (+1, -1), y into the flange by dy, in the order given (forward
// from the tip to the web, or back from the web).
void Sloped_Flange(const Plot& g, double* x, double* y, int i, double x_tip, double y_face, double dx, double dy,
                   bool forward) {
    double fx[SLOPED_FLANGE_PICTURE_POINTS], fz[SLOPED_FLANGE_PICTURE_POINTS];
    Sloped_Flange_Picture_Points(&g.faces, fx, fz);
    for (int k = 0; k < SLOPED_FLANGE_PICTURE_POINTS; k++) {
        const int j = forward ? k : SLOPED_FLANGE_PICTURE_POINTS - 1 - k;
        Set(x, y, i + k, x_tip + dx * fx[j], y_face + dy * fz[j]);
    }
}

// The three middle points i..i+2 of a corner: on the quarter circle of
// radius r about (cx, cy) from direction u to direction v when rounded,
// else all three at the corner (kx, ky).
void Arc3(double* x, double* y, int i, bool rounded, double kx, double ky, double cx, double cy,
          double r, double ux, double uy, double vx, double vy) {
    for (int k = 0; k < 3; k++) {
        if (rounded)
            Set(x, y, i + k, cx + r * (ux * ARC_C[k] + vx * ARC_S[k]),
                cy + r * (uy * ARC_C[k] + vy * ARC_S[k]));
        else
            Set(x, y, i + k, kx, ky);
    }
}

// Points a picture can hold: finite numbers within 10^9 mm.
bool Usable(int n, const double* x, const double* y) {
    for (int i = 0; i < n; i++)
        if (!(std::fabs(x[i]) <= 1e9) || !(std::fabs(y[i]) <= 1e9)) return false;
    return true;
}

bool Usable(double v) { return std::fabs(v) <= 1e9; }

// Area of n points in the fill pen and pattern (when there is a fill pen),
// an element of its own.
void Area(const Plot& g, int n, const double* x, const double* y) {
    if (g.fill_pen < 0) return;
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)g.fill_pen);
    Oli_Fill_Record(g.pattern);
    Oli_Filled_Polygon(n, x, y);
    Oli_Element_End();
}

// The closed outline of n points, each edge a line element of its own.
void Outline(const Plot& g, int n, const double* x, const double* y) {
    for (int i = 1; i <= n; i++) {
        Oli_Pen_Line(x[i - 1], y[i - 1], x[i % n], y[i % n], g.line_pen, g.line_width);
        g_edges.insert(g_edges.end(), {x[i - 1], y[i - 1], x[i % n], y[i % n]});
    }
}

// Mode of XS_Plot_Corner_Triangle whose far corner lies in the direction
// (dx, dy) from its point.
int Corner_Mode(double dx, double dy) {
    if (dx < 0) return dy > 0 ? 0 : 3;
    return dy > 0 ? 1 : 2;
}

void Weld_Triangle(const Plot& g, int i, double leg, double start) {
    XS_Plot_Weld_Triangle(g_outer_x[i], g_outer_y[i], leg, g.angle + start, PI / 2.0,
                          OliRole_Weld_Section_Pen, 1, g.line_pen);
}

void Joint_Line(const Plot& g, int i, int j) {
    Oli_Pen_Line(g_outer_x[i], g_outer_y[i], g_outer_x[j], g_outer_y[j], g.line_pen, g.line_width);
    g_edges.insert(g_edges.end(), {g_outer_x[i], g_outer_y[i], g_outer_x[j], g_outer_y[j]});
}

// Mirrors, turns, fills and outlines the n outer points; false (nothing
// drawn) when a damaged dimension made them unusable.
bool Polygon_Family(const Plot& g, int n) {
    double* x = g_outer_x;
    double* y = g_outer_y;
    for (int i = 0; i < n; i++) {
        if (g.flip_x) x[i] = 2.0 * g.xr - x[i];
        if (g.flip_y) y[i] = 2.0 * g.yr - y[i];
    }
    XS_Plot_Rotate_Points(x, y, n, g.xr, g.yr, g.angle);
    if (!Usable(n, x, y)) return false;
    g_area.outer = n;
    Area(g, n, x, y);
    Oli_Select_Pen((unsigned)g.line_pen);
    Outline(g, n, x, y);
    return true;
}

// Point 2m-1-k := point k mirrored about the vertical through xr.
void Mirror_X(double xr, int half) {
    for (int k = 0; k < half; k++)
        Set(g_outer_x, g_outer_y, 2 * half - 1 - k, 2.0 * xr - g_outer_x[k], g_outer_y[k]);
}

double Tip(const Plot& g) { return g.o_tip > 0.01 ? g.o_tip : 0.0; }

// ---- families drawn as one polygon ---------------------------------------

void Draw_I(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, ot = Tip(g), xw = xr - p.t_w / 2.0;
    const double yb = yr + p.h - p.t_fu, xl = xr - p.b_fo / 2.0, xlb = xr - p.b_fu / 2.0;
    const double o = g.o_top, u = g.o_bot;
    const bool tip = ot > 0.0, root = g.rolled != 0;
    if (g.sloped) {
        // The flanges as rolled, their inner faces sloping.
        Set(x, y, 0, xl, yr);
        Sloped_Flange(g, x, y, 1, xl, yr, 1.0, 1.0, true);
        Sloped_Flange(g, x, y, 11, xl, yr + p.h, 1.0, -1.0, false);
        Set(x, y, 21, xl, yr + p.h);
        Mirror_X(xr, 22);
        Polygon_Family(g, 44);
        return;
    }
    Set(x, y, 0, xl, yr);
    Set(x, y, 1, xl, yr + p.t_fo - ot);
    Arc3(x, y, 2, tip, xl, yr + p.t_fo, xl + ot, yr + p.t_fo - ot, ot, -1, 0, 0, 1);
    Set(x, y, 5, xl + ot, yr + p.t_fo);
    Set(x, y, 6, xw - o, yr + p.t_fo);
    Arc3(x, y, 7, root, xw, yr + p.t_fo, xw - o, yr + p.t_fo + o, o, 0, -1, 1, 0);
    Set(x, y, 10, xw, yr + p.t_fo + o);
    Set(x, y, 11, xw, yb - u);
    Arc3(x, y, 12, root, xw, yb, xw - u, yb - u, u, 1, 0, 0, 1);
    Set(x, y, 15, xw - u, yb);
    Set(x, y, 16, xlb + ot, yb);
    Arc3(x, y, 17, tip, xlb, yb, xlb + ot, yb + ot, ot, 0, -1, -1, 0);
    Set(x, y, 20, xlb, yb + ot);
    Set(x, y, 21, xlb, yr + p.h);
    Mirror_X(xr, 22);
    if (!Polygon_Family(g, 44) || g.rolled) return;
    // Welded from plates: the joint of web and flange, and the fillet welds
    // in the corners beside it (a full-penetration weld has no leg).
    Joint_Line(g, 8, 35);
    if (p.weld_kind_top == 0 && o >= 0.001) {
        Weld_Triangle(g, 8, o, PI);
        Weld_Triangle(g, 35, o, 1.5 * PI);
    }
    Joint_Line(g, 13, 30);
    if (p.weld_kind_bottom == 0 && u >= 0.001) {
        Weld_Triangle(g, 13, u, PI / 2.0);
        Weld_Triangle(g, 30, u, 0.0);
    }
}

void Draw_T(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, ot = Tip(g), xw = xr - p.t_w / 2.0, xl = xr - p.b_fo / 2.0;
    const double o = g.o_top;
    if (g.sloped) {
        Set(x, y, 0, xl, yr);
        Sloped_Flange(g, x, y, 1, xl, yr, 1.0, 1.0, true);
        Set(x, y, 11, xw, yr + p.h);
        Mirror_X(xr, 12);
        Polygon_Family(g, 24);
        return;
    }
    Set(x, y, 0, xl, yr);
    Set(x, y, 1, xl, yr + p.t_fo - ot);
    Arc3(x, y, 2, ot > 0.0, xl, yr + p.t_fo, xl + ot, yr + p.t_fo - ot, ot, -1, 0, 0, 1);
    Set(x, y, 5, xl + ot, yr + p.t_fo);
    Set(x, y, 6, xw - o, yr + p.t_fo);
    Arc3(x, y, 7, g.rolled != 0, xw, yr + p.t_fo, xw - o, yr + p.t_fo + o, o, 0, -1, 1, 0);
    Set(x, y, 10, xw, yr + p.t_fo + o);
    Set(x, y, 11, xw, yr + p.h);
    Mirror_X(xr, 12);
    if (!Polygon_Family(g, 24) || g.rolled) return;
    if (o >= 0.001) {
        // Mirrored, the corners under the flange open upward.
        Weld_Triangle(g, 8, o, g.flip_y ? PI / 2.0 : PI);
        Weld_Triangle(g, 15, o, g.flip_y ? 0.0 : 1.5 * PI);
    }
    Joint_Line(g, 8, 15);
}

// Channels: web at the left, flanges to +x, centred on y_ref.
void Draw_C(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, ot = Tip(g), o = g.o_top;
    const double yt = yr - (double)(float)(p.h / 2.0), xi = xr + p.t_w, yi = yt + p.t_fo;
    if (g.sloped) {
        // The upper flange from the web to its tip, mirrored below.
        Sloped_Flange(g, x, y, 0, xr + p.b_fo, yt, -1.0, 1.0, false);
        Set(x, y, 10, xr + p.b_fo, yt);
        Set(x, y, 11, xr, yt);
        for (int k = 0; k < 12; k++) Set(x, y, 23 - k, x[k], 2.0 * yr - y[k]);
        Polygon_Family(g, 24);
        return;
    }
    Set(x, y, 0, xi, yi + o);
    Arc3(x, y, 1, g.rolled != 0, xi, yi, xi + o, yi + o, o, -1, 0, 0, -1);
    Set(x, y, 4, xi + o, yi);
    Set(x, y, 5, xr + p.b_fo - ot, yi);
    Arc3(x, y, 6, ot > 0.0, xr + p.b_fo, yi, xr + p.b_fo - ot, yi - ot, ot, 0, 1, 1, 0);
    Set(x, y, 9, xr + p.b_fo, yi - ot);
    Set(x, y, 10, xr + p.b_fo, yt);
    Set(x, y, 11, xr, yt);
    for (int k = 0; k < 12; k++) Set(x, y, 23 - k, x[k], 2.0 * yr - y[k]);
    if (!Polygon_Family(g, 24)) return;
    if (p.a_o > 0.1 && p.t_w >= 0.001 && p.t_fo >= 0.001) {
        const double sx = g.flip_x ? 1.0 : -1.0;
        XS_Plot_Corner_Triangle(Corner_Mode(sx, -1), OliRole_Weld_Section_Pen, g.line_pen, x[2], y[2],
                                p.t_w, p.t_fo, g.angle);
        XS_Plot_Corner_Triangle(Corner_Mode(sx, 1), OliRole_Weld_Section_Pen, g.line_pen, x[21],
                                y[21], p.t_w, p.t_fo, g.angle);
    }
}

void Draw_Z(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, ot = Tip(g), o = g.o_top;
    const double xw = xr - p.t_w / 2.0, yi = yr + p.t_fo, xl = xr - p.b_fo / 2.0;
    Set(x, y, 0, xw, yi + o);
    Arc3(x, y, 1, g.rolled != 0, xw, yi, xw - o, yi + o, o, 1, 0, 0, -1);
    Set(x, y, 4, xw - o, yi);
    Set(x, y, 5, xl + ot, yi);
    Arc3(x, y, 6, ot > 0.0, xl, yi, xl + ot, yi - ot, ot, 0, 1, -1, 0);
    Set(x, y, 9, xl, yi - ot);
    Set(x, y, 10, xl, yr);
    Set(x, y, 11, xr + p.t_w / 2.0, yr);
    for (int k = 0; k < 12; k++) Set(x, y, 12 + k, 2.0 * xr - x[k], 2.0 * yr + p.h - y[k]);
    if (!Polygon_Family(g, 24)) return;
    if (p.a_o > 0.1 && p.t_w >= 0.001 && p.t_fo >= 0.001) {
        XS_Plot_Corner_Triangle(Corner_Mode(1, -1), OliRole_Weld_Section_Pen, g.line_pen, x[2], y[2],
                                p.t_w, p.t_fo, g.angle);
        XS_Plot_Corner_Triangle(Corner_Mode(-1, 1), OliRole_Weld_Section_Pen, g.line_pen, x[14],
                                y[14], p.t_w, p.t_fo, g.angle);
    }
}

// Angle: heel at the reference point, leg h upward (thickness t_w) and leg b
// along +x (thickness t_fo), as the profile file and the section values
// describe it: the long leg upright, y to the left and z downward.
void Draw_L(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, ot = Tip(g), o = g.o_top, b = p.b_fo, h = p.h;
    const double xi = xr + p.t_w, yi = yr - p.t_fo;
    Set(x, y, 0, xr, yr - h);
    Set(x, y, 1, xr, yr);
    Set(x, y, 2, xr + b, yr);
    Set(x, y, 3, xr + b, yi + ot);
    Arc3(x, y, 4, ot > 0.0, xr + b, yi, xr + b - ot, yi + ot, ot, 1, 0, 0, -1);
    Set(x, y, 7, xr + b - ot, yi);
    Set(x, y, 8, xi + o, yi);
    Arc3(x, y, 9, g.rolled != 0, xi, yi, xi + o, yi - o, o, 0, 1, -1, 0);
    Set(x, y, 12, xi, yi - o);
    Set(x, y, 13, xi, yr - h + ot);
    Arc3(x, y, 14, ot > 0.0, xi, yr - h, xi - ot, yr - h + ot, ot, 1, 0, 0, -1);
    Set(x, y, 17, xi - ot, yr - h);
    if (!Polygon_Family(g, 18)) return;
    if (g.mode & XS_PLOT_LEG_LABELS) {
        Oli_Text_At((x[0] + x[12]) / 2.0, (y[0] + y[1]) / 2.0, "1");
        Oli_Text_At((x[1] + x[2]) / 2.0, (y[1] + y[8]) / 2.0, "2");
    }
    if (!g.rolled && p.a_o > 0.1)
        XS_Plot_Corner_Triangle(Corner_Mode(g.flip_x ? 1 : -1, g.flip_y ? -1 : 1),
                                OliRole_Weld_Section_Pen, g.line_pen, x[10], y[10], p.t_w, p.t_fo,
                                g.angle);
}

void Draw_Flat(const Plot& g) {
    const Stahlprofil& p = *g.p;
    Set(g_outer_x, g_outer_y, 0, g.xr, g.yr);
    Set(g_outer_x, g_outer_y, 1, g.xr, g.yr + p.h);
    Set(g_outer_x, g_outer_y, 2, g.xr + p.t_w, g.yr + p.h);
    Set(g_outer_x, g_outer_y, 3, g.xr + p.t_w, g.yr);
    Polygon_Family(g, 4);
}

void Draw_Trapezoid(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double slope = Calc_Profile_Flange_Slope(&p), s_w = p.t_w / std::cos(slope);
    Set(x, y, 0, g.xr - p.b_fo / 2.0, g.yr);
    Set(x, y, 1, g.xr - p.b_fu / 2.0, g.yr + p.h);
    Set(x, y, 2, g.xr - p.b_fu / 2.0 + s_w, g.yr + p.h);
    Set(x, y, 3, g.xr - p.b_fo / 2.0 + s_w - std::tan(slope) * p.t_fo, g.yr + p.t_fo);
    Mirror_X(g.xr, 4);
    Polygon_Family(g, 8);
}

// ---- round, rectangular and box sections ------------------------------------

void Draw_Round(const Plot& g, bool tube) {
    const Stahlprofil& p = *g.p;
    const double D = p.h, cx = g.xr, cy = g.yr + (double)(float)(D / 2.0);
    const double Di = D - 2.0 * p.t_w;
    if (!Usable(D) || !Usable(Di) || !Usable(cx) || !Usable(cy)) return;
    // A wall that fills the whole tube leaves no hole to draw.
    const bool hole = tube && Di > 0.0 && Di < D;
    g_area.round = true, g_area.cx = cx, g_area.cy = cy, g_area.r_out = D / 2.0, g_area.r_in = hole ? Di / 2.0 : 0.0;
    if (g.fill_pen >= 0) {
        Oli_Element_Begin();
        Oli_Select_Pen((unsigned)g.fill_pen);
        Oli_Fill_Record(g.pattern);
        if (hole)
            Oli_Ring(cx, cy, D, Di);
        else
            Oli_Filled_Circle(cx, cy, D);
        Oli_Element_End();
    }
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)g.line_pen);
    // The outline of an all-round weld is drawn in the throat's width.
    if (g.line_width >= 0) Safe_Fprintf(Oli_Get_Picture_State()->stream, " %d %d\n", OLI_REC_PEN, g.line_width);
    Oli_Arc(cx, cy, D, 0.0, 360.0);
    if (hole && !(g.mode & XS_PLOT_OUTER_ONLY)) Oli_Arc(cx, cy, Di, 0.0, 360.0);
    Oli_Element_End();
}

// One contour of the rectangular hollow section: right half of 10 points
// from (xr_edge - o, y0), mirrored about xr.
void Rect_Contour(double* x, double* y, double xr, double xe, double y0, double h, double o,
                  bool rounded) {
    Set(x, y, 0, xe - o, y0);
    Arc3(x, y, 1, rounded, xe, y0, xe - o, y0 + o, o, 0, -1, 1, 0);
    Set(x, y, 4, xe, y0 + o);
    Set(x, y, 5, xe, y0 + h - o);
    Arc3(x, y, 6, rounded, xe, y0 + h, xe - o, y0 + h - o, o, 1, 0, 0, 1);
    Set(x, y, 9, xe - o, y0 + h);
    for (int k = 0; k < 10; k++) Set(x, y, 19 - k, 2.0 * xr - x[k], y[k]);
}

void Draw_Rectangle(const Plot& g) {
    const Stahlprofil& p = *g.p;
    const bool rolled = g.rolled != 0;
    Rect_Contour(g_outer_x, g_outer_y, g.xr, g.xr + p.b_fo / 2.0, g.yr, p.h, rolled ? g.o_top : 0.0,
                 rolled);
    Rect_Contour(g_inner_x, g_inner_y, g.xr, g.xr + p.b_fo / 2.0 - p.t_w, g.yr + p.t_fo,
                 p.h - 2.0 * p.t_fo, rolled ? g.o_tip : 0.0, rolled);
    XS_Plot_Rotate_Points(g_outer_x, g_outer_y, 20, g.xr, g.yr, g.angle);
    XS_Plot_Rotate_Points(g_inner_x, g_inner_y, 20, g.xr, g.yr, g.angle);
    if (!Usable(20, g_outer_x, g_outer_y) || !Usable(20, g_inner_x, g_inner_y)) return;
    g_area.outer = g_area.inner = 20;
    double ax[40], ay[40];
    for (int i = 0; i < 20; i++) Set(ax, ay, i, g_outer_x[i], g_outer_y[i]);
    Set(ax, ay, 20, g_outer_x[0], g_outer_y[0]);
    Set(ax, ay, 21, g_inner_x[0], g_inner_y[0]);
    for (int i = 19; i >= 2; i--) Set(ax, ay, 22 + 19 - i, g_inner_x[i], g_inner_y[i]);
    Area(g, 40, ax, ay);
    Oli_Select_Pen((unsigned)g.line_pen);
    Outline(g, 20, g_outer_x, g_outer_y);
    if (!(g.mode & XS_PLOT_OUTER_ONLY)) Outline(g, 20, g_inner_x, g_inner_y);
    if (rolled || p.t_w < 0.001 || p.t_fo < 0.001) return;
    // Welded from four plates: each wall corner split on its diagonal.
    static const int CORNER[4] = {2, 7, 12, 17};
    static const int MODE[4] = {2, 1, 0, 3};
    for (int k = 0; k < 4; k++)
        XS_Plot_Corner_Triangle(MODE[k], OliRole_Weld_Section_Pen, g.line_pen, g_inner_x[CORNER[k]],
                                g_inner_y[CORNER[k]], p.t_w, p.t_fo, g.angle);
}

void Draw_Box(const Plot& g) {
    const Stahlprofil& p = *g.p;
    double* x = g_outer_x;
    double* y = g_outer_y;
    const double xr = g.xr, yr = g.yr, y1 = yr + p.t_fo, y2 = yr + p.h - p.t_fu;
    const double dh = p.h - p.t_fo - p.t_fu, db = (p.b_fo - p.b_fu) / 2.0;
    Set(x, y, 0, xr - p.b_fo / 2.0 - p.b_ueo, yr);
    Set(x, y, 1, xr - p.b_fo / 2.0 - p.b_ueo, y1);
    Set(x, y, 2, xr - p.b_fo / 2.0, y1);
    Set(x, y, 3, xr - p.b_fu / 2.0, y2);
    Set(x, y, 4, xr - p.b_fu / 2.0 - p.b_ueu, y2);
    Set(x, y, 5, xr - p.b_fu / 2.0 - p.b_ueu, yr + p.h);
    Mirror_X(xr, 6);
    XS_Plot_Rotate_Points(x, y, 12, xr, yr, g.angle);
    if (!Usable(12, x, y)) return;
    // Flanges that leave no web height between them close the cell: the
    // section is drawn solid, without inner lines or weld triangles (the
    // horizontal web thickness would divide by that height).
    double w = 0.0, slope = 0.0;
    bool cell = dh >= 0.001;
    if (cell) {
        slope = std::atan2(db, dh);
        w = p.t_w * std::sqrt(dh * dh + db * db) / dh;
        double* ix = g_inner_x;
        double* iy = g_inner_y;
        Set(ix, iy, 0, xr - p.b_fo / 2.0 + w, y1);
        Set(ix, iy, 1, xr + p.b_fo / 2.0 - w, y1);
        Set(ix, iy, 2, xr + p.b_fu / 2.0 - w, y2);
        Set(ix, iy, 3, xr - p.b_fu / 2.0 + w, y2);
        XS_Plot_Rotate_Points(ix, iy, 4, xr, yr, g.angle);
        cell = Usable(4, ix, iy) && Usable(w);
    }
    g_area.outer = 12, g_area.inner = cell ? 4 : 0;
    double ax[18], ay[18];
    for (int i = 0; i < 12; i++) Set(ax, ay, i, x[i], y[i]);
    Set(ax, ay, 12, x[0], y[0]);
    for (int i = 0; i < 5 && cell; i++) Set(ax, ay, 13 + i, g_inner_x[i % 4], g_inner_y[i % 4]);
    Area(g, cell ? 18 : 12, ax, ay);
    Oli_Select_Pen((unsigned)g.line_pen);
    Outline(g, 12, x, y);
    if (!cell) return;
    if (!(g.mode & XS_PLOT_OUTER_ONLY)) Outline(g, 4, g_inner_x, g_inner_y);
    const double a = g.angle;
    XS_Plot_Weld_Triangle(x[2], y[2], w, a, slope - PI / 2.0, OliRole_Weld_Section_Pen, 1, g.line_pen);
    XS_Plot_Weld_Triangle(x[9], y[9], w, a + PI, PI / 2.0 - slope, OliRole_Weld_Section_Pen, 1,
                          g.line_pen);
    XS_Plot_Weld_Triangle(x[3], y[3], w, a, slope + PI / 2.0, OliRole_Weld_Section_Pen, 1, g.line_pen);
    XS_Plot_Weld_Triangle(x[8], y[8], w, a + PI, -PI / 2.0 - slope, OliRole_Weld_Section_Pen, 1,
                          g.line_pen);
}

// ---- stiffeners and doubler plates (I family, T and half I) ------------------

// A plate area of n points in the stiffener pen and pattern; its face (four
// points, none when fx is null) in the face pen, each an element of its own,
// then the face's edges in the weld-section pen. Areas only, so nothing
// without a fill pen.
void Plate_Area(const Plot& g, int n, double* x, double* y, double* fx, double* fy) {
    XS_Plot_Rotate_Points(x, y, n, g.xr, g.yr, g.angle);
    if (fx) XS_Plot_Rotate_Points(fx, fy, 4, g.xr, g.yr, g.angle);
    if (g.fill_pen < 0 || !Usable(n, x, y) || (fx && !Usable(4, fx, fy))) return;
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)OliRole_Stiffener_Pen);
    Oli_Fill_Record(OliRole_Profile_Pattern);
    Oli_Filled_Polygon(n, x, y);
    Oli_Element_End();
    if (!fx) return;
    Oli_Element_Begin();
    Oli_Select_Pen((unsigned)OliRole_Stiffener_Face_Pen);
    Oli_Fill_Record(OliRole_Profile_Pattern);
    Oli_Filled_Polygon(4, fx, fy);
    Oli_Element_End();
    for (int i = 1; i <= 4; i++)
        Oli_Pen_Line(fx[i - 1], fy[i - 1], fx[i % 4], fy[i % 4], OliRole_Weld_Section_Pen, 1);
}

// Stiffeners stand beside the web between the flanges; their corners at the
// web and flanges are coped by a quarter circle about the corner, clear of
// the profile's root radius or weld, and the band of the weld leg around the
// face shows their own welds.
void Draw_Stiffeners(const Plot& g, const XSPlotOptions& o) {
    const Stahlprofil& p = *g.p;
    const Blech_Record* s = o.stiffener_plate;
    const bool i_family = Is_Profile_Type_Family(PROFILTYP_I, p.type) != 0;
    if (o.stiffener_count <= 0 || !s || (i_family && s->t < 0.1)) return;
    const double t_fu = i_family ? p.t_fu : 0.0;
    const double clear = p.h - p.t_fo - t_fu;
    if (!(clear > 0.0)) return;
    const double len = (s->l >= 0.1 && s->l <= clear) ? s->l : clear;
    const double width = s->b >= 0.1 ? s->b : (p.b_fo - p.t_w + std::fmin(0.0, p.b_fo - p.b_fu)) / 2.0;
    double top = o.stiffener_weld, bot = o.stiffener_weld;
    if (!(o.stiffener_weld > 0.001)) {
        top = (double)(float)(1.5 * g.o_top);
        bot = (double)(float)(1.5 * g.o_bot);
    }
    const double y_top = o.stiffener_at_top ? g.yr + p.t_fo : g.yr + p.t_fo + clear - len;
    const double y_bot = y_top + len;
    const double c_top = g.rolled ? g.o_top : p.a_o * std::sqrt(2.0);
    const double c_bot = g.rolled ? g.o_bot : p.a_u * std::sqrt(2.0);
    const int count = o.stiffener_count > 1 ? 2 : 1;
    for (int side = 0; side < count; side++) {
        const double sx = side == 0 ? -1.0 : 1.0, xw = g.xr + sx * p.t_w / 2.0;
        double x[12], y[12], fx[4], fy[4];
        Set(x, y, 0, xw + sx * width, y_top);
        Set(x, y, 1, xw + sx * c_top, y_top);
        Arc3(x, y, 2, top > 0.1, xw, y_top, xw, y_top, c_top, sx, 0, 0, 1);
        Set(x, y, 5, xw, y_top + c_top);
        Set(x, y, 6, xw, y_bot - c_bot);
        Arc3(x, y, 7, bot > 0.1, xw, y_bot, xw, y_bot, c_bot, 0, -1, sx, 0);
        Set(x, y, 10, xw + sx * c_bot, y_bot);
        Set(x, y, 11, xw + sx * width, y_bot);
        const double xa = xw + sx * std::fmax(c_top, c_bot), xb = xw + sx * (width - top);
        Set(fx, fy, 0, xa, y_top + top);
        Set(fx, fy, 1, xb, y_top + top);
        Set(fx, fy, 2, xb, y_bot - bot);
        Set(fx, fy, 3, xa, y_bot - bot);
        Plate_Area(g, 12, x, y, fx, fy);
    }
}

// Doubler plates against both web faces, welded along their upper and
// lower edges to the web.
void Draw_Doublers(const Plot& g, const XSPlotOptions& o) {
    const Stahlprofil& p = *g.p;
    const Blech_Record* d = o.doubler_plate;
    if (o.doubler_count <= 0 || !d) return;
    const bool i_family = Is_Profile_Type_Family(PROFILTYP_I, p.type) != 0;
    const double t = d->t >= 0.1 ? d->t : p.t_w;
    const double clear = p.h - p.t_fo - (i_family ? p.t_fu : 0.0) - g.o_top - g.o_bot;
    if (!(clear > 0.0)) return;
    const double height = d->b >= 0.1 && d->b < clear ? d->b : clear;
    const double y_top = g.yr + p.t_fo + g.o_top + (clear - height) / 2.0, y_bot = y_top + height;
    double weld = o.doubler_weld;
    if (!(weld >= 0.1)) weld = o.doubler_weld_kind == 2 ? t / 1.0 : t / std::sqrt(2.0);
    for (int side = 0; side < 2; side++) {
        const double sx = side == 0 ? -1.0 : 1.0, xw = g.xr + sx * p.t_w / 2.0;
        double x[4] = {xw, xw + sx * t, xw + sx * t, xw}, y[4] = {y_top, y_top, y_bot, y_bot};
        Plate_Area(g, 4, x, y, nullptr, nullptr);
        if (g.fill_pen < 0 || !Usable(4, x, y)) continue;
        // Upper weld in the corner above the plate edge, lower one below it.
        const double a = g.angle;
        XS_Plot_Weld_Triangle(x[0], y[0], std::fmin(weld, t), a + (side == 0 ? PI / 2.0 : 0.0),
                              PI / 2.0, OliRole_Weld_Section_Pen, 1, g.line_pen);
        XS_Plot_Weld_Triangle(x[3], y[3], std::fmin(weld, t), a + (side == 0 ? PI : 1.5 * PI),
                              PI / 2.0, OliRole_Weld_Section_Pen, 1, g.line_pen);
    }
}

// ---- dimension lines ----------------------------------------------------------

// While set, the dimension lines are not drawn: the ground under them is
// cleared (XS_Plot_Dimension_Ground).
bool g_ground = false;
constexpr double kDimH = 0.1;          // the dimension writer's unit h, paper cm
constexpr double kDimOffset = 0.6;     // paper cm from the profile to its dimension lines
constexpr double kGroundHalf = 0.06;   // cm of clear ground beside a dimension's lines
// Paper cm from a dimension line to the far side of its text (the text's
// offset 0.16 cm and its height 0.21 cm, and a little more).
constexpr double kDimTextReach = 0.4;

// World width of the text of a dimension of `length` mm as the dimension
// writer measures it (two units h a character; a whole length without its
// decimal).
double Dim_Text_Width(double length, double mmpc) {
    if (!(std::fabs(length) < 1e15)) return 1e300;
    char text[64];
    Oli_Dimension_Decimal_Text(length, text, sizeof text);
    return static_cast<double>(std::strlen(text)) * 2.0 * kDimH * mmpc;
}

// The ground of one dimension: bands along its line (h beyond both ends) and
// its two extension lines, placed as the dimension writer places them.
void Dim_Ground(double x1, double y1, double x2, double y2) {
    const Oli_Picture_State* st = Oli_Get_Picture_State();
    const double sx = st->scale_x, sy = st->scale_y, h = kDimH;
    if (!(std::fabs(sx) > 0.0) || !(std::fabs(sy) > 0.0)) return;
    const double a = Line_Angle(x1, y1, x2, y2), c = std::cos(a), s = std::sin(a);
    Oli_Clear_Band(x1 - c * h / sx, y1 - s * h / sy, x2 + c * h / sx, y2 + s * h / sy, kGroundHalf);
    for (int end = 0; end < 2; end++) {
        const double px = end ? x2 : x1, py = end ? y2 : y1;
        Oli_Clear_Band(px - 4.0 * s * h / sx, py + 4.0 * c * h / sy, px + 2.0 * s * h / sx, py - 2.0 * c * h / sy,
                       kGroundHalf);
    }
}

void Dim(double x1, double y1, double x2, double y2, int side = -2) {
    if (std::fabs(x2 - x1) + std::fabs(y2 - y1) < 0.01) return;
    if (!Usable(x1) || !Usable(y1) || !Usable(x2) || !Usable(y2)) return;
    if (g_ground)
        Dim_Ground(x1, y1, x2, y2);
    else
        Oli_Dimension_Line_Decimal(x1, y1, x2, y2, kDimH, side);
}

// Horizontal dimension from xa to xb at y, mirrored about xr with flip_x.
void Dim_H(const Plot& g, double xa, double xb, double y) {
    if (g.flip_x) xa = 2.0 * g.xr - xa, xb = 2.0 * g.xr - xb;
    Dim(xa, y, xb, y);
}

void Dim_V(const Plot& g, double x, double ya, double yb) {
    if (g.flip_x) x = 2.0 * g.xr - x;
    Dim(x, ya, x, yb);
}

void Dimensions(const Plot& g) {
    const Stahlprofil& p = *g.p;
    const double xr = g.xr, yr = g.yr, d = g.d, h = p.h;
    Oli_Select_Pen((unsigned)OliRole_Outline_Pen);
    switch (p.type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: {
        // The top width above the number of a weld on the top face (which
        // stands up to 0.5 cm above it), not through it.
        Dim_V(g, xr - std::fmax(p.b_fo, p.b_fu) / 2.0 - 0.8 * d, yr, yr + h);
        Dim_H(g, xr + p.b_fo / 2.0, xr - p.b_fo / 2.0, yr - 0.8 * d);
        if (std::fabs(p.b_fu - p.b_fo) > 0.1)
            Dim_H(g, xr + p.b_fu / 2.0, xr - p.b_fu / 2.0, yr - 0.4 * d + h - p.t_fu);
        break;
    }
    case PROFILTYP_TRAPEZ:
        Dim_V(g, xr - std::fmax(p.b_fo, p.b_fu) / 2.0 - 0.8 * d, yr, yr + h);
        Dim_H(g, xr + p.b_fo / 2.0, xr - p.b_fo / 2.0, yr - 0.8 * d);
        Dim_H(g, xr + p.b_fu / 2.0, xr - p.b_fu / 2.0, yr + h - 0.8 * d);
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I: {
        const double s = g.flip_y ? -1.0 : 1.0;
        Dim_V(g, xr - p.b_fo / 2.0 - 0.8 * d, g.flip_y ? yr - h : yr, g.flip_y ? yr : yr + h);
        Dim_H(g, xr + p.b_fo / 2.0, xr - p.b_fo / 2.0, yr - s * 0.8 * d);
        break;
    }
    case PROFILTYP_L: {
        // Leg h up the left (down with flip_y), leg b beyond the tip of leg h.
        const double s = g.flip_y ? -1.0 : 1.0;
        Dim_V(g, xr - 0.8 * d, g.flip_y ? yr : yr - h, g.flip_y ? yr + h : yr);
        Dim_H(g, xr + p.b_fo, xr, yr - s * (h + 0.8 * d));
        break;
    }
    case PROFILTYP_Z:
        Dim_V(g, xr - p.b_fo / 2.0 - 0.8 * d, yr, yr + h);
        Dim_H(g, xr + p.b_fo / 2.0, xr - p.b_fo / 2.0, yr - 0.8 * d);
        break;
    case PROFILTYP_C: case PROFILTYP_U: {
        // The height beyond the flange tips, its text between them: at the
        // back of the web the shear centre and the axis cross stand in
        // its way, and a line moved past them left the picture. The width
        // above the top flange, as for the other families: between the
        // flanges it would read as the size of the gap, and it met the
        // number of the weld on the flange's inner face.
        const double h2 = (double)(float)(h / 2.0);
        Dim_V(g, xr + p.b_fo + 0.8 * d, yr - h2, yr + h2);
        Dim_H(g, xr + p.b_fo, xr, yr - h2 - 0.8 * d);
        break;
    }
    case PROFILTYP_FLACH:
        // The thickness above the bar, as the flange width of a T: inside
        // the bar its text would stand on the profile's hatch.
        Dim_V(g, xr - 0.8 * d, yr, yr + h);
        Dim_H(g, xr + p.t_w, xr, yr - 0.8 * d);
        break;
    case PROFILTYP_RUND:
        Dim(xr - h / 2.0 - d, yr, xr - h / 2.0 - d, yr + h);
        break;
    case PROFILTYP_ROHR:
        Dim(xr + h / 2.0 + d, yr, xr + h / 2.0 + d, yr + h);
        Dim(xr - h / 2.0 - d, yr + p.t_w, xr - h / 2.0 - d, yr + h - p.t_w);
        break;
    case PROFILTYP_RECHTECK: {
        Dim(xr + p.b_fo / 2.0 + d, yr, xr + p.b_fo / 2.0 + d, yr + h);
        Dim(xr - p.b_fo / 2.0 - d, yr + p.t_fo, xr - p.b_fo / 2.0 - d, yr + h - p.t_fo);
        // The outer width above the tube, as the width of an I: inside it
        // would read as a clear size. The clear width keeps clear of the
        // axis cross at the centre, whose arms run left and down with their
        // letters at the ends: a whole offset above the centre, its text
        // above its line; left out where its text finds no room inside
        // (the heights give the walls).
        const double reach = kDimTextReach * g.mmpc;
        Dim(xr + p.b_fo / 2.0, yr - 0.8 * d, xr - p.b_fo / 2.0, yr - 0.8 * d);
        const double clear = p.b_fo - 2.0 * p.t_w;
        if (Dim_Text_Width(clear, g.mmpc) <= clear && h / 2.0 - d - reach >= p.t_fo)
            Dim(xr + p.b_fo / 2.0 - p.t_w, yr + h / 2.0 - d, xr - p.b_fo / 2.0 + p.t_w, yr + h / 2.0 - d);
        break;
    }
    case PROFILTYP_KASTEN: {
        const double half = std::fmax(p.b_fu + 2.0 * p.b_ueu, p.b_fo + 2.0 * p.b_ueo) / 2.0;
        const double y = yr - 0.8 * d;
        Dim(xr - half - 0.8 * d, yr, xr - half - 0.8 * d, yr + h);
        for (int flange = 0; flange < 2; flange++) {
            const double b = flange ? p.b_fu : p.b_fo, e = flange ? p.b_ueu : p.b_ueo;
            const double yy = flange ? yr - 0.4 * d + h - p.t_fu : y;
            if (flange && std::fabs(p.b_fu - p.b_fo) <= 0.1 && std::fabs(p.b_ueu - p.b_ueo) <= 0.1) break;
            Dim(xr + b / 2.0 + e, yy, xr + b / 2.0, yy);
            Dim(xr + b / 2.0, yy, xr - b / 2.0, yy);
            Dim(xr - b / 2.0, yy, xr - b / 2.0 - e, yy, 2);
        }
        break;
    }
    default:
        break;
    }
}

// ---- marks ----------------------------------------------------------------------

// The mark of a point ("S", "M"): a filled dot with its outline and the
// letter beside it, one element in the annotation pen. The letter stands
// 0.15 cm right of the dot, or, where a dimension text, a face of the
// profile or another mark stands, left of it or diagonally beside it; else
// at the nearest free place around the dot, never further than kMarkReach
// from it: a letter further away reads as the name of whatever it stands
// beside (a weld, a face). The least covered place within that reach when
// none is free.
constexpr double kMarkReach = 0.35;  // paper cm from the dot to the letter's near edge
// A mark whose dot lies on the profile (the centroid in the web of a T) may
// put its letter this far off to find a place beside the profile: on the
// hatch, between the weld lines and their end points, it reads poorly.
constexpr double kMarkReachOff = 0.5;
// Whether a point of the letter's ink (as the picture writer measures it,
// at the current text height) at a place of Mark lies on the profile's
// area.
bool Letter_On_Area(const char* text, double x, double y, double right, double down_cm, int v, int h, double s,
                    double down) {
    const double th = Oli_Get_Picture_State()->text_height > 0.0 ? Oli_Get_Picture_State()->text_height : 0.3;
    double ink[4];
    Oli_Text_Ink_Box(text, v, h, th, ink);
    const double inset = 0.02;
    const double x0 = right + ink[0], w = ink[2] - ink[0], y0 = down_cm - ink[3], t = ink[3] - ink[1];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const double px = x0 + inset + (w - 2.0 * inset) * i / 2.0, py = y0 + inset + (t - 2.0 * inset) * j / 2.0;
            if (XS_Plot_Inside(x + px / s, y + py * down)) return true;
        }
    return false;
}

// The boxes the picture writer noted from the `from`-th to before the
// `to`-th (the texts written in between).
std::vector<Text_Box> Noted_Boxes(size_t from, size_t to) {
    Oli_Writer_State st;
    Oli_Get_Writer_State(&st);
    std::vector<Text_Box> out;
    for (size_t i = from; i < to && 4 * i + 3 < st.taken.size(); ++i)
        out.push_back({st.taken[4 * i], st.taken[4 * i + 1], st.taken[4 * i + 2], st.taken[4 * i + 3]});
    return out;
}

// The page box of `text` at the world point (x, y) with the alignment (v, h).
Text_Box Label_Page_Box(double x, double y, int v, int h, const char* text) {
    double b[4];
    Oli_Label_Page_Box(x, y, v, h, text, b);
    return {b[0], b[1], b[2], b[3]};
}

// A mark's letter on one line of text with another letter of the marks (an
// axis letter, the other mark's), closer than this, reads as one word with
// it ("M" and "y" as "My"), the dot between them or not.
constexpr double kLettersApart = 0.15;  // paper cm

// `letters`: the boxes of the letters written before (the axis cross's,
// the other mark's); the mark's own is added.
void Mark(double x, double y, double dm, const char* text, double s, std::vector<Text_Box>* letters) {
    if (!Usable(x) || !Usable(y)) return;
    Oli_Element_Begin();
    Oli_Fill_Record(64);
    Oli_Select_Pen((unsigned)OliRole_Annotation_Pen);
    Oli_Filled_Circle(x, y, dm);
    Oli_Arc(x, y, dm, 0.0, 360.0);
    // The dot is no place for a label drawn later (the weld numbers beside
    // the faces).
    Oli_Take_Area(x - dm / 2.0, y - dm / 2.0, x + dm / 2.0, y + dm / 2.0);
    // A paper step down the page, in world units.
    const double down = (Oli_Get_Picture_State()->y_direction == 2 ? 1.0 : -1.0) / s;
    struct Place {
        double right, down;
        int v, h;
    };
    static const Place kFirst[4] = {{0.15, 0, 4, 3}, {-0.15, 0, 4, 1}, {0.1, -0.12, 2, 3}, {0.1, 0.12, 0, 3}};
    // Around the dot: a direction and the alignment that puts the letter's
    // near edge (or corner) at the given distance in that direction.
    static const Place kAround[8] = {{1, 0, 4, 3},  {-1, 0, 4, 1},         {0, -1, 2, 4},        {0, 1, 0, 4},
                                     {0.7071, -0.7071, 2, 3}, {-0.7071, -0.7071, 2, 1}, {0.7071, 0.7071, 0, 3},
                                     {-0.7071, 0.7071, 0, 1}};
    Place use = kFirst[0];
    double least = 1e300;
    // The first free place whose letter keeps off the profile's area; where
    // the dot lies on the area, the search goes on to kMarkReachOff for one.
    // Else the first free place, else the least covered: `use` keeps the
    // least covered, and the first free place is that one once it is found.
    // A place where the letter reads as one word with another counts as
    // covered (more than most overlaps).
    auto consider = [&](const Place& p) {
        const double px = x + p.right / s, py = y + p.down * down;
        const double c = Oli_Label_Covered(px, py, p.v, p.h, text) +
                         (Runs_Together(Label_Page_Box(px, py, p.v, p.h, text), *letters, kLettersApart) ? 1.0 : 0.0);
        if (c < least) least = c, use = p;
        if (c != 0.0) return false;
        if (Letter_On_Area(text, x, y, p.right, p.down, p.v, p.h, s, down)) return false;
        use = p;
        return true;
    };
    const double reach = XS_Plot_Inside(x, y) ? kMarkReachOff : kMarkReach;
    bool done = false;
    for (const Place& p : kFirst)
        if ((done = consider(p))) break;
    for (double r = 0.1; !done && r <= reach + 1e-9; r += 0.05)
        for (const Place& a : kAround)
            if ((done = consider({a.right * r, a.down * r, a.v, a.h}))) break;
    Oli_Text_Box_Printf(x + use.right / s, y + use.down * down, use.v, use.h, "%s", text);
    letters->push_back(Label_Page_Box(x + use.right / s, y + use.down * down, use.v, use.h, text));
    Oli_Element_End();
}

// The outline's edges (where the welds are drawn) marked as taken, in
// pieces of 0.2 cm, 0.06 cm on either side: half the widest weld line
// (0.05 cm) and a little more.
void Take_Edges(double mmpc) {
    const double half = 0.06 * mmpc, piece = 0.2 * mmpc;
    for (size_t i = 0; i + 3 < g_edges.size(); i += 4) {
        const double x1 = g_edges[i], y1 = g_edges[i + 1], x2 = g_edges[i + 2], y2 = g_edges[i + 3];
        const double len = std::hypot(x2 - x1, y2 - y1);
        if (!Usable(len)) continue;
        const int n = std::min(200, static_cast<int>(std::ceil(len / piece)) + 1);
        for (int k = 0; k < n; ++k) {
            const double a = static_cast<double>(k) / n, b = static_cast<double>(k + 1) / n;
            const double ax = x1 + (x2 - x1) * a, ay = y1 + (y2 - y1) * a, bx = x1 + (x2 - x1) * b,
                         by = y1 + (y2 - y1) * b;
            Oli_Take_Area(std::fmin(ax, bx) - half, std::fmin(ay, by) - half, std::fmax(ax, bx) + half,
                          std::fmax(ay, by) + half);
        }
    }
}

// The points of the marks: the centroid (cx, cy) and the shear centre
// (mx, my), and whether "M" is drawn (the shear centre off the centroid);
// false when the centroid is no usable point.
struct Mark_Points {
    double cx, cy, mx, my;
    bool m;
};
bool Find_Mark_Points(const Plot& g, Mark_Points* out) {
    const Stahlprofil& p = *g.p;
    const double fy = g.flip_y ? -1.0 : 1.0;
    double x0 = g.xr, y0 = g.yr;
    switch (p.type) {
    case PROFILTYP_C: case PROFILTYP_U: y0 = g.yr - (double)(float)(p.h / 2.0); break;
    case PROFILTYP_Z: x0 = g.xr + p.y_s; break;
    case PROFILTYP_TRAPEZ: x0 = g.xr - std::fmax(p.b_fo, p.b_fu) / 2.0; break;
    case PROFILTYP_T: case PROFILTYP_HALB_I: case PROFILTYP_RECHTECK: x0 = g.xr - p.b_fo / 2.0; break;
    case PROFILTYP_RUND: case PROFILTYP_ROHR: x0 = g.xr - p.h / 2.0; break;
    case PROFILTYP_KASTEN:
        x0 = g.xr - std::fmax(p.b_fu + 2.0 * p.b_ueu, p.b_fo + 2.0 * p.b_ueo) / 2.0;
        break;
    case PROFILTYP_L: y0 = g.yr - fy * p.h; break;  // the tip of leg h, the top
    default:
        if (Is_Profile_Type_Family(PROFILTYP_I, p.type)) x0 = g.xr - std::fmax(p.b_fo, p.b_fu) / 2.0;
        break;
    }
    Mark_Points& m = *out;
    m.cx = x0 - p.y_s, m.cy = y0 + fy * p.z_s;
    m.mx = m.cx - p.y_M, m.my = m.cy + fy * p.z_M;
    if (g.flip_x) m.cx = 2.0 * g.xr - m.cx, m.mx = 2.0 * g.xr - m.mx;
    m.m = std::fabs(p.y_M) > 0.1 || std::fabs(p.z_M) > 0.1;
    return Usable(m.cx) && Usable(m.cy);
}

// The room the marks take, paper cm from their point (x to the right, y
// down the page): a mark's dot with its letter (0.3 cm high, 0.27 cm wide)
// 0.15 cm beside it on either side and the gap labels keep; the axis
// cross's arms (0.5 or 1.0 cm, to the left and down) with their letters
// (0.1875 cm high) beyond the tips or beside them.
constexpr double kLetterRoomX = 0.45, kLetterRoomY = 0.2;
double Cross_Size(int marks) { return marks == 1 ? 0.5 : 1.0; }
void Cross_Room(int marks, double room[4]) {
    const double size = Cross_Size(marks), reach = marks == 1 ? size + 0.25 : size + 0.1, side = 0.25;
    room[0] = -reach, room[1] = -side, room[2] = side, room[3] = reach;
}

// The box (world, y down the page) that the marks of marks 1..3 take with
// the room for their letters; false when none would be drawn.
bool Marks_Box(const Plot& g, int marks, double box[4]) {
    Mark_Points m;
    if (marks < 1 || marks > 3 || !Find_Mark_Points(g, &m)) return false;
    const double u = g.mmpc;
    double room[4] = {-kLetterRoomX, -kLetterRoomY, kLetterRoomX, kLetterRoomY};
    if (marks != 3) {
        double cross[4];
        Cross_Room(marks, cross);
        for (int i = 0; i < 2; ++i) room[i] = std::fmin(room[i], cross[i]), room[i + 2] = std::fmax(room[i + 2], cross[i + 2]);
    }
    box[0] = m.cx + room[0] * u, box[1] = m.cy + room[1] * u, box[2] = m.cx + room[2] * u, box[3] = m.cy + room[3] * u;
    if (m.m && Usable(m.mx) && Usable(m.my)) {
        box[0] = std::fmin(box[0], m.mx - kLetterRoomX * u), box[2] = std::fmax(box[2], m.mx + kLetterRoomX * u);
        box[1] = std::fmin(box[1], m.my - kLetterRoomY * u), box[3] = std::fmax(box[3], m.my + kLetterRoomY * u);
    }
    return true;
}

void Marks(const Plot& g, int marks) {
    const double s = 1.0 / g.mmpc, dm = 0.1 / s;
    const double size = marks == 1 || marks == 2 ? Cross_Size(marks) : dm;
    Oli_Select_Pen((unsigned)OliRole_Annotation_Pen);
    Mark_Points mp;
    if (!Find_Mark_Points(g, &mp)) return;
    const double cx = mp.cx, cy = mp.cy, mx = mp.mx, my = mp.my;
    // Nor is the outline, where the welds are drawn over the profile: its
    // edges are taken, in pieces, while the marks place their letters, and
    // given back after them (the weld labels stand beside the faces).
    const size_t edges_from = Oli_Taken_Count();
    Take_Edges(g.mmpc);
    // So are the points a caller marks on top.
    const double clear = kKeepClearCm * g.mmpc;
    for (size_t i = 0; i + 1 < g_keep_now.size(); i += 2)
        if (Usable(g_keep_now[i]) && Usable(g_keep_now[i + 1]))
            Oli_Take_Area(g_keep_now[i] - clear, g_keep_now[i + 1] - clear, g_keep_now[i] + clear,
                          g_keep_now[i + 1] + clear);
    const size_t edges_to = Oli_Taken_Count();
    if (marks == 3)
        Oli_Filled_Circle(cx, cy, size);
    else
        Oli_Axes_Symbol_Free(cx, cy, marks == 1 ? "z" : "", marks == 1 ? "y" : "", size, PI / 2.0);
    std::vector<Text_Box> letters = Noted_Boxes(edges_to, Oli_Taken_Count());
    if (marks != 3) {
        // The arms of the axis cross are no place for the marks' letters
        // (the cross's own letters stand beside them, and every text is
        // noted as it is written).
        const double d = size * g.mmpc, e = 0.2 * d;
        Oli_Take_Area(cx - e, cy, cx + e, cy + d);
        Oli_Take_Area(cx - d, cy - e, cx, cy + e);
    }
    Mark(cx, cy, dm, "S", s, &letters);
    if (mp.m) Mark(mx, my, dm, "M", s, &letters);
    Oli_Drop_Taken_Areas(edges_from, edges_to);
    for (const Text_Box& b : letters) g_letters.insert(g_letters.end(), {b.x1, b.y1, b.x2, b.y2});
}

// Width and height of the profile's extent, mm.
void Extent(const Stahlprofil& p, double* w, double* h) {
    *h = p.h;
    switch (p.type) {
    case PROFILTYP_L: *w = p.b_fo; break;
    case PROFILTYP_FLACH: *w = p.t_w; break;
    case PROFILTYP_RUND: case PROFILTYP_ROHR: *w = p.h; break;
    case PROFILTYP_KASTEN: *w = std::fmax(p.b_fu + 2.0 * p.b_ueu, p.b_fo + 2.0 * p.b_ueo); break;
    case PROFILTYP_TRAPEZ: *w = std::fmax(p.b_fo, p.b_fu); break;
    default:
        *w = Is_Profile_Type_Family(PROFILTYP_I, p.type) ? std::fmax(p.b_fo, p.b_fu) : p.b_fo;
        break;
    }
}

// Reference point of a picture of its own, whose window starts at (0, 0).
void Own_Reference(const XSPlotOptions& o, double w, double* xr, double* yr) {
    const Stahlprofil& p = *o.profile;
    *xr = w / 2.0, *yr = 0.0;
    switch (p.type) {
    case PROFILTYP_FLACH: *xr = o.flip_x ? p.t_w : 0.0; break;
    case PROFILTYP_L: *xr = 0.0, *yr = o.flip_y ? 0.0 : p.h; break;
    case PROFILTYP_C: case PROFILTYP_U: *xr = 0.0, *yr = (double)(float)(p.h / 2.0); break;
    case PROFILTYP_T: case PROFILTYP_HALB_I:
        *xr = p.b_fo / 2.0, *yr = o.flip_y ? p.h : 0.0;
        break;
    case PROFILTYP_RUND: case PROFILTYP_ROHR: *xr = (double)(float)(p.h / 2.0); break;
    default: break;
    }
}

}  // namespace

void XS_Plot_Extent(const Stahlprofil* p, double* w, double* h) {
    double ww = 0.0, hh = 0.0;
    if (p) Extent(*p, &ww, &hh);
    if (w) *w = ww;
    if (h) *h = hh;
}

namespace {

// An edge of a contour as the inside test reads it, worked out once per
// drawing: its start, its direction, x per y, and its box widened by the
// clearance below.
struct Side_Edge {
    double x0, y0, ex, ey, l2, dx_dy, x1, x2, y1, y2;
};
constexpr double kClear = 1e-3;  // mm: a hundred times the ray test's tolerance
std::vector<Side_Edge> g_side_edges[2];  // outer, inner contour
bool g_side_edges_stale = true;

void Side_Edges(int n, const double* x, const double* y, std::vector<Side_Edge>* out) {
    out->clear();
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const double ex = x[i] - x[j], ey = y[i] - y[j];
        out->push_back({x[j], y[j], ex, ey, ex * ex + ey * ey, ey != 0.0 ? ex / ey : 0.0,
                        std::fmin(x[i], x[j]) - kClear, std::fmax(x[i], x[j]) + kClear,
                        std::fmin(y[i], y[j]) - kClear, std::fmax(y[i], y[j]) + kClear});
    }
}

// Where the point (px, py) lies against the closed polygon of n points, as
// Point_In_Polygon_Ray answers it (0 outside, 1 inside, 2 on an edge). A
// point that keeps clear of every edge by more than the ray test's
// tolerance and rounding has its plain crossing count, which that test
// answers as well: the labels ask this thousands of times a picture, and
// the ray test's rounding makes each answer cost a hundred times as much.
// A point near an edge gets the ray test's own answer.
int Polygon_Side(int n, const double* x, const double* y, const std::vector<Side_Edge>& edges, double px,
                 double py) {
    if (n < 1) return 0;
    bool odd = false;
    for (const Side_Edge& e : edges) {
        // Only an edge whose widened box holds the point can come that near it.
        if (px >= e.x1 && px <= e.x2 && py >= e.y1 && py <= e.y2) {
            const double t =
                e.l2 > 0.0 ? std::clamp(((px - e.x0) * e.ex + (py - e.y0) * e.ey) / e.l2, 0.0, 1.0) : 0.0;
            const double dx = e.x0 + t * e.ex - px, dy = e.y0 + t * e.ey - py;
            if (!(dx * dx + dy * dy > kClear * kClear)) return Point_In_Polygon_Ray(n, x, y, px, py);
        }
        // The edge runs from (x0, y0) to (x0 + ex, y0 + ey).
        if ((e.y0 + e.ey > py) != (e.y0 > py) && px < e.x0 + e.ex + e.dx_dy * (py - e.y0 - e.ey)) odd = !odd;
    }
    return odd ? 1 : 0;
}

}  // namespace

int XS_Plot_Inside(double x, double y) {
    if (g_area.round) {
        const double r = std::hypot(x - g_area.cx, y - g_area.cy);
        return r < g_area.r_out && !(r <= g_area.r_in);
    }
    if (g_side_edges_stale) {
        Side_Edges(g_area.outer, g_outer_x, g_outer_y, &g_side_edges[0]);
        Side_Edges(g_area.inner, g_inner_x, g_inner_y, &g_side_edges[1]);
        g_side_edges_stale = false;
    }
    if (Polygon_Side(g_area.outer, g_outer_x, g_outer_y, g_side_edges[0], x, y) != 1) return 0;
    return Polygon_Side(g_area.inner, g_inner_x, g_inner_y, g_side_edges[1], x, y) == 0;
}

namespace {

// The picture of its own: its scale (cm per mm) and reference point set in
// g, its paper margins beyond the profile's extent in cm (left, top, right,
// bottom) and its window, world mm with y down the page (left, top, right,
// bottom). The margins are m cm on every side (1.0 cm with dimension lines,
// 0.4 cm below them), wider where the marks and the room for their letters
// would leave them. False when nothing would be drawn (an extent below 1
// mm, no scale).
bool Own_Window(const XSPlotOptions& o, int marks, int dimensions, Plot* g, double margins[4], double window[4],
                double* scale) {
    const Stahlprofil& p = *o.profile;
    const double m = dimensions ? 1.0 : XS_PLOT_OWN_MARGIN_CM, reduction = dimensions ? 1.2 : 0.0;
    const double d = dimensions ? kDimOffset : 0.0;
    double w, h;
    Extent(p, &w, &h);
    if (!(w >= 1.0) || !(h >= 1.0) || !Usable(w) || !Usable(h)) return false;
    const double s = Calc_Drawing_Scale(w, h, 15.2 - reduction, XS_Plot_Height_cm - 0.8 - d, 1);
    if (!(s > 0.0)) return false;
    g->p = &p;
    g->mmpc = 1.0 / s;
    g->flip_x = o.flip_x, g->flip_y = o.flip_y;
    Own_Reference(o, w, &g->xr, &g->yr);
    margins[0] = margins[1] = margins[2] = m, margins[3] = dimensions ? 0.4 : m;
    double box[4];
    if (Marks_Box(*g, marks, box)) {
        margins[0] = std::fmax(margins[0], -box[0] * s), margins[1] = std::fmax(margins[1], -box[1] * s);
        margins[2] = std::fmax(margins[2], (box[2] - w) * s), margins[3] = std::fmax(margins[3], (box[3] - h) * s);
    }
    window[0] = -margins[0] / s, window[1] = -margins[1] / s;
    window[2] = w + margins[2] / s, window[3] = h + margins[3] / s;
    *scale = s;
    return true;
}

}  // namespace

double XS_Plot_Own_Margins(const XSPlotOptions* opts, int marks, int dimensions, double margins[4]) {
    if (!opts || !opts->profile || !margins) return 0.0;
    const int type = opts->profile->type;
    if (type < PROFILTYP_FLACH || type > PROFILTYP_TRAPEZ) return 0.0;
    Plot g{};
    double m[4], window[4], s = 0.0;
    if (!Own_Window(*opts, marks, dimensions, &g, m, window, &s)) return 0.0;
    for (int i = 0; i < 4; ++i) margins[i] = m[i];
    return g.mmpc;
}

int XS_Plot_Marks_Box(const XSPlotOptions* opts, int marks, double box[4]) {
    if (!opts || !opts->profile || !box || !(opts->mm_per_cm >= 1e-8)) return 0;
    const int type = opts->profile->type;
    if (type < PROFILTYP_FLACH || type > PROFILTYP_TRAPEZ || !(std::fabs(opts->angle_deg) < 0.001)) return 0;
    Plot g{};
    g.p = opts->profile;
    g.xr = opts->x_ref, g.yr = opts->y_ref, g.mmpc = opts->mm_per_cm;
    g.flip_x = opts->flip_x, g.flip_y = opts->flip_y;
    return Marks_Box(g, marks, box) ? 1 : 0;
}

void XS_Plot_Keep_Marks_Clear(const double* xy, int count) {
    g_keep_clear.clear();
    if (!xy || count < 1) return;
    const size_t n = std::min(static_cast<size_t>(count), kKeepClearMost);
    g_keep_clear.assign(xy, xy + 2 * n);
}

void XS_Plot_Take_Outline(void) {
    if (g_edges_mmpc > 0.0 && Usable(g_edges_mmpc)) Take_Edges(g_edges_mmpc);
}

void Init_XS_Plot_Options(XSPlotOptions* opts) {
    if (!opts) return;
    std::memset(opts, 0, sizeof *opts);
    opts->profile = nullptr;
    opts->doubler_plate = nullptr;
    opts->stiffener_plate = nullptr;
}

const std::vector<double>& XS_Plot_Mark_Letters(void) { return g_letters; }

double Draw_XS_Weld_Plot(XSPlotOptions* opts, FILE* list, int mode, int marks, int dimensions) {
    g_keep_now.clear();
    g_keep_now.swap(g_keep_clear);
    g_letters.clear();
    if (!opts) return 0.0;
    const bool own = !(opts->mm_per_cm >= 1e-8);
    const double given = own ? 0.0 : opts->mm_per_cm;
    const Stahlprofil* p = opts->profile;
    if (!p || p->type < PROFILTYP_FLACH || p->type > PROFILTYP_TRAPEZ) return given;
    std::memset(g_outer_x, 0, sizeof g_outer_x);
    std::memset(g_outer_y, 0, sizeof g_outer_y);
    std::memset(g_inner_x, 0, sizeof g_inner_x);
    std::memset(g_inner_y, 0, sizeof g_inner_y);
    g_edges.clear();
    g_edges_mmpc = 0.0;
    g_area = Drawn_Area{};
    g_side_edges_stale = true;

    const double d = dimensions ? kDimOffset : 0.0;
    const double angle = opts->angle_deg * PI / 180.0;

    Plot g;
    g.p = p;
    g.angle = own ? 0.0 : angle;
    g.xr = opts->x_ref, g.yr = opts->y_ref;
    g.flip_x = opts->flip_x, g.flip_y = opts->flip_y, g.mode = mode;
    if (own) {
        if (!list) return 0.0;
        double margins[4], window[4], s = 0.0;
        if (!Own_Window(*opts, marks, dimensions, &g, margins, window, &s)) return 0.0;
        if (Oli_Grafik_Begin(list, window[0], window[3], window[2], window[1], s, s,
                             std::isfinite(angle) ? angle : 0.0, nullptr) == OLI_GRAFIK_NO_SCALE)
            return 0.0;
        Oli_Set_Color_Mode(1);
        FILE* f = Oli_Get_Picture_State()->stream;
        // Text style 6 and class 9, pen 1, solid lines (a dash pattern of
        // no lengths).
        static constexpr OliRecordText kHead[] = {{" ", OLI_REC_TEXT_STYLE, " 6\n"}, {" ", OLI_REC_TEXT_CLASS, " 9\n"},
                                                  {" ", OLI_REC_PEN, " 1\n"}, {" ", OLI_REC_DASH, " 0   0\n"}};
        for (const OliRecordText& record : kHead) Oli_Put_Record(f, record);
        Oli_Set_Dimension_Style(OLI_DIM_DOT_MARKS);
        Oli_Select_Pen((unsigned)OliRole_Outline_Pen);
    } else {
        g.mmpc = given;
    }
    g.d = d * g.mmpc;
    g_edges_mmpc = g.mmpc;
    Calc_Profile_Weld_Offsets(p, &g.o_top, &g.o_bot, &g.o_tip);
    g.rolled = p->rolled;
    g.sloped = p->rolled && Profile_Sloped_Flange_Faces(p, &g.faces);
    g.fill_pen = opts->fill_pen, g.line_pen = opts->line_pen, g.line_width = opts->line_width;
    g.pattern = opts->fill_pen == 0 ? 0 : OliRole_Profile_Pattern;
    // Marks and dimension lines follow the axes only while the profile
    // stands upright in the caller's picture.
    const bool upright = own || std::fabs(angle) < 0.001;

    // No element around the whole: the areas, lines, triangles, dimension
    // lines and marks are elements of their own, side by side. The colour
    // the pens below select is given back to the caller's picture at the end.
    const Oli_Picture_State* state = Oli_Get_Picture_State();
    const int caller_rgb[3] = {state->line_rgb[0], state->line_rgb[1], state->line_rgb[2]};
    if (Usable(g.angle) && Usable(g.xr) && Usable(g.yr)) {
        switch (p->type) {
        case PROFILTYP_FLACH: Draw_Flat(g); break;
        case PROFILTYP_RUND: Draw_Round(g, false); break;
        case PROFILTYP_ROHR: Draw_Round(g, true); break;
        case PROFILTYP_L: Draw_L(g); break;
        case PROFILTYP_C: case PROFILTYP_U: Draw_C(g); break;
        case PROFILTYP_RECHTECK: Draw_Rectangle(g); break;
        case PROFILTYP_T: case PROFILTYP_HALB_I: Draw_T(g); break;
        case PROFILTYP_Z: Draw_Z(g); break;
        case PROFILTYP_KASTEN: Draw_Box(g); break;
        case PROFILTYP_TRAPEZ: Draw_Trapezoid(g); break;
        default: Draw_I(g); break;
        }
        if (Is_Profile_Type_Family(PROFILTYP_I, p->type) || p->type == PROFILTYP_T ||
            p->type == PROFILTYP_HALB_I) {
            Draw_Stiffeners(g, *opts);
            Draw_Doublers(g, *opts);
        }
        if (dimensions && upright) Dimensions(g);
        if (marks >= 1 && marks <= 3 && upright) Marks(g, marks);
    }
    if (!own && (state->line_rgb[0] != caller_rgb[0] || state->line_rgb[1] != caller_rgb[1] ||
                 state->line_rgb[2] != caller_rgb[2]))
        Oli_Set_Line_RGB(caller_rgb[0], caller_rgb[1], caller_rgb[2]);
    if (own) {
        Safe_Fprintf(list, " -1\n");
        OLI_setYPositionCM(list, OLI_Y_RELATIVE, -0.5);
    }
    return g.mmpc;
}

void XS_Plot_Dimension_Ground(const XSPlotOptions* opts, int marks) {
    if (!opts || !opts->profile || !(opts->mm_per_cm >= 1e-8)) return;
    const Stahlprofil* p = opts->profile;
    if (p->type < PROFILTYP_FLACH || p->type > PROFILTYP_TRAPEZ || !(std::fabs(opts->angle_deg) < 0.001)) return;
    if (!Usable(opts->x_ref) || !Usable(opts->y_ref) || !Usable(opts->mm_per_cm)) return;
    Plot g{};
    g.p = p;
    g.xr = opts->x_ref, g.yr = opts->y_ref;
    g.mmpc = opts->mm_per_cm;
    g.d = kDimOffset * g.mmpc;
    g.flip_x = opts->flip_x, g.flip_y = opts->flip_y;
    (void)marks;
    Oli_Element_Begin();
    g_ground = true;
    Dimensions(g);
    g_ground = false;
    Oli_Element_End();
}
