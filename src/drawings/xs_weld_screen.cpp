// Screen picture of the profile end with its welds: scale and reference
// point, the outline of every profile type in pixels (corners rounded by
// quarter arcs of five points, symmetric halves mirrored), rotation, fill
// and stroke, the weld marks of sections welded from plates, stiffener and
// insert plates of I sections, and the principal axes.
#include "drawings/xs_weld_screen.h"

#include <algorithm>
#include <cmath>

#include "base/geometry.h"
#include "dialogs/valuecheck.h"
#include "drawings/screen_primitives.h"
#include "drawings/shape_routines.h"
#include "drawings/sloped_flanges.h"
#include "platform/screen.h"
#include "profiles/stahlprofil.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double DEG = 0.017453292519943295;
constexpr double SQRT2 = 1.4142135623730951;  // fillet weld leg per throat
constexpr int OUTER_MAX = 56, INNER_MAX = 24;

// The outlines of the last drawing (scratch, overwritten by every call).
int g_x[OUTER_MAX], g_y[OUTER_MAX], g_n = 0;
int g_ix[INNER_MAX], g_iy[INNER_MAX], g_in = 0;

int R(double v) { return Round_To_Pixel(v); }

// Everything one drawing needs, gathered once.
struct Screen {
    const XSScreenOptions* o;
    const Stahlprofil* p;
    double s;          // pixels per mm
    int ox, oy;        // reference point
    int cx, cy;        // pixel of the centroid
    double theta;      // rotation, radians
    double r_o, r_u, r_t;
    int background;
    int pass;
    // A catalogue profile whose flanges slope: its faces as rolled, which
    // its outline follows (the welds lie on them).
    bool sloped;
    Rolled_Flange_Faces faces;
};

// How a corner is drawn (see Corner).
enum Corner_Look { SHARP, ROUNDED, KEEP_FIRST, KEEP_LAST };

// Five points i..i+4 of the corner K, from the face along u to the face
// along v (unit directions away from K): the tangent point K + r u, three
// points of the quarter arc about K + r (u + v) at 22.5, 45 and 67.5
// degrees, the tangent point K + r v. A sharp corner repeats K; a welded
// root corner keeps one tangent point (where the weld leg ends) and puts
// the others on K.
void Corner(int* x, int* y, int i, int kx, int ky, int ux, int uy, int vx, int vy, int r, Corner_Look look) {
    static const double kAngles[3] = {22.5, 45.0, 67.5};
    const int cx = kx + r * (ux + vx), cy = ky + r * (uy + vy);
    x[i] = kx + r * ux;
    y[i] = ky + r * uy;
    for (int k = 0; k < 3; k++) {
        const int c = R(std::cos(kAngles[k] * DEG) * r), sn = R(std::sin(kAngles[k] * DEG) * r);
        x[i + 1 + k] = cx - (vx * c + ux * sn);
        y[i + 1 + k] = cy - (vy * c + uy * sn);
    }
    x[i + 4] = kx + r * vx;
    y[i + 4] = ky + r * vy;
    const bool keep_first = look == KEEP_FIRST, keep_last = look == KEEP_LAST;
    if (look == ROUNDED) return;
    for (int k = 0; k < 5; k++) {
        if ((k == 0 && keep_first) || (k == 4 && keep_last)) continue;
        x[i + k] = kx;
        y[i + k] = ky;
    }
}

// A root corner: rounded for a rolled section, sharp with its flange-side
// tangent point for a welded one.
Corner_Look Root(const Screen& g, Corner_Look welded) { return g.p->rolled ? ROUNDED : welded; }
// A toe corner: rounded with a toe radius above 0.01 mm.
Corner_Look Toe(const Screen& g) { return g.r_t > 0.01 ? ROUNDED : SHARP; }

void Set(int i, int x, int y) {
    g_x[i] = x;
    g_y[i] = y;
}

// Points n-1-i := point i mirrored about the vertical through ox.
void Mirror_Half(int ox, int half) {
    for (int i = 0; i < half; i++) Set(2 * half - 1 - i, 2 * ox - g_x[i], g_y[i]);
}

// The ten points of a sloped flange (Sloped_Flange_Picture_Points) from
// index i on, in pixels: from the tip (x_tip, its outer face at y_face) x
// runs by dx, y into the flange by dy, from the tip to the web (forward) or
// back.
void Sloped_Flange(const Screen& g, int i, int x_tip, int y_face, int dx, int dy, bool forward) {
    double fx[SLOPED_FLANGE_PICTURE_POINTS], fz[SLOPED_FLANGE_PICTURE_POINTS];
    Sloped_Flange_Picture_Points(&g.faces, fx, fz);
    for (int k = 0; k < SLOPED_FLANGE_PICTURE_POINTS; k++) {
        const int j = forward ? k : SLOPED_FLANGE_PICTURE_POINTS - 1 - k;
        Set(i + k, x_tip + dx * R(g.s * fx[j]), y_face + dy * R(g.s * fz[j]));
    }
}

// ---- outlines by type ------------------------------------------------------

void Outline_Flat(const Screen& g) {
    const int w = R(g.s * g.p->t_w), h = R(g.s * g.p->h);
    Set(0, g.ox, g.oy);
    Set(1, g.ox, g.oy + h);
    Set(2, g.ox + w, g.oy + h);
    Set(3, g.ox + w, g.oy);
    g_n = 4;
}

// Heel at the reference point: leg h upright (thickness t_w), leg b along
// the bottom (thickness t_fo), as the print list draws the angle.
void Outline_Angle(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int rt = R(g.s * g.r_t), ro = R(g.s * g.r_o);
    const int xe = g.ox + R(g.s * p.b_fo), yi = g.oy - R(g.s * p.t_fo), xi = g.ox + R(g.s * p.t_w);
    const int yt = g.oy - R(g.s * p.h);
    Set(0, g.ox, yt);
    Set(1, g.ox, g.oy);
    Set(2, xe, g.oy);
    Corner(g_x, g_y, 3, xe, yi, 0, 1, -1, 0, rt, Toe(g));
    Corner(g_x, g_y, 8, xi, yi, 1, 0, 0, -1, ro, Root(g, KEEP_FIRST));
    Corner(g_x, g_y, 13, xi, yt, 0, 1, -1, 0, rt, Toe(g));
    g_n = 18;
}

void Outline_I(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int rt = R(g.s * g.r_t), ro = R(g.s * g.r_o), ru = R(g.s * g.r_u);
    const int xl = g.ox - R(g.s * p.b_fo / 2.0), xlb = g.ox - R(g.s * p.b_fu / 2.0);
    const int xw = g.ox - R(g.s * p.t_w / 2.0), yf = g.oy + R(g.s * p.t_fo);
    const int yh = g.oy + R(g.s * p.h), yb = yh - R(g.s * p.t_fu);
    Set(0, xl, g.oy);
    if (g.sloped) {
        // The flanges as rolled, their inner faces sloping.
        Sloped_Flange(g, 1, xl, g.oy, 1, 1, true);
        Sloped_Flange(g, 11, xlb, yh, 1, -1, false);
        Set(21, xlb, yh);
        Mirror_Half(g.ox, 22);
        g_n = 44;
        return;
    }
    Corner(g_x, g_y, 1, xl, yf, 0, -1, 1, 0, rt, Toe(g));
    Corner(g_x, g_y, 6, xw, yf, -1, 0, 0, 1, ro, Root(g, KEEP_FIRST));
    Corner(g_x, g_y, 11, xw, yb, 0, -1, -1, 0, ru, Root(g, KEEP_LAST));
    Corner(g_x, g_y, 16, xlb, yb, 1, 0, 0, 1, rt, Toe(g));
    Set(21, xlb, yh);
    Mirror_Half(g.ox, 22);
    g_n = 44;
}

void Outline_Channel(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int rt = R(g.s * g.r_t), ro = R(g.s * g.r_o);
    const int xi = g.ox + R(g.s * p.t_w), xt = g.ox + R(g.s * p.b_fo);
    const int yt = g.oy - R(g.s * p.h / 2.0), yf = yt + R(g.s * p.t_fo);
    if (g.sloped) Sloped_Flange(g, 0, xt, yt, -1, 1, false);
    else Corner(g_x, g_y, 0, xi, yf, 0, 1, 1, 0, ro, Root(g, KEEP_LAST));
    if (!g.sloped) Corner(g_x, g_y, 5, xt, yf, -1, 0, 0, -1, rt, Toe(g));
    Set(10, xt, yt);
    Set(11, g.ox, yt);
    for (int k = 0; k < 12; k++) Set(12 + k, g_x[11 - k], 2 * g.oy - g_y[11 - k]);
    g_n = 24;
}

// The twenty points of a rectangle contour centred on ox, from oy down:
// half width hw, height h, corners rounded by r when rolled.
void Rect_Contour(int* x, int* y, int ox, int top, int hw, int h, int r, Corner_Look look) {
    Corner(x, y, 0, ox + hw, top, -1, 0, 0, 1, r, look);
    Corner(x, y, 5, ox + hw, top + h, 0, -1, -1, 0, r, look);
    for (int i = 0; i < 10; i++) {
        x[19 - i] = 2 * ox - x[i];
        y[19 - i] = y[i];
    }
}

void Outline_Rectangle_Tube(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const Corner_Look look = p.rolled ? ROUNDED : SHARP;
    const int hw = R(g.s * p.b_fo / 2.0), h = R(g.s * p.h), tw = R(g.s * p.t_w), tf = R(g.s * p.t_fo);
    Rect_Contour(g_x, g_y, g.ox, g.oy, hw, h, R(g.s * g.r_o), look);
    Rect_Contour(g_ix, g_iy, g.ox, g.oy + tf, hw - tw, h - 2 * tf, R(g.s * g.r_t), look);
    g_n = 20;
    g_in = 20;
}

void Outline_Tee(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int rt = R(g.s * g.r_t), ro = R(g.s * g.r_o);
    // The half width is formed in single precision, as the tee's reference.
    const int xl = g.ox - R(static_cast<float>(g.s * p.b_fo / 2.0));
    const int xw = g.ox - R(g.s * p.t_w / 2.0), yf = g.oy + R(g.s * p.t_fo);
    Set(0, xl, g.oy);
    if (g.sloped) {
        Sloped_Flange(g, 1, xl, g.oy, 1, 1, true);
    } else {
        Corner(g_x, g_y, 1, xl, yf, 0, -1, 1, 0, rt, Toe(g));
        Corner(g_x, g_y, 6, xw, yf, -1, 0, 0, 1, ro, Root(g, KEEP_FIRST));
    }
    Set(11, xw, g.oy + R(g.s * p.h));
    Mirror_Half(g.ox, 12);
    g_n = 24;
}

void Outline_Z(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int rt = R(g.s * g.r_t), ro = R(g.s * g.r_o);
    const int hw = R(g.s * p.t_w / 2.0), hb = R(g.s * p.b_fo / 2.0), tf = R(g.s * p.t_fo);
    const int yh = g.oy + R(g.s * p.h);
    Corner(g_x, g_y, 0, g.ox - hw, g.oy + tf, 0, 1, -1, 0, ro, Root(g, KEEP_LAST));
    Corner(g_x, g_y, 5, g.ox - hb, g.oy + tf, 1, 0, 0, -1, rt, Toe(g));
    Set(10, g.ox - hb, g.oy);
    Set(11, g.ox + hw, g.oy);
    Corner(g_x, g_y, 12, g.ox + hw, yh - tf, 0, -1, 1, 0, ro, Root(g, KEEP_LAST));
    Corner(g_x, g_y, 17, g.ox + hb, yh - tf, -1, 0, 0, 1, rt, Toe(g));
    Set(22, g.ox + hb, yh);
    Set(23, g.ox - hw, yh);
    g_n = 24;
}

// Horizontal web thickness of the box girder's inclined webs, pixels.
int Box_Web_Width(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const double d = (p.b_fo - p.b_fu) / 2.0, e = p.h - p.t_fo - p.t_fu;
    return e > 0.0 ? R(g.s * p.t_w * std::sqrt(d * d + e * e) / e) : R(g.s * p.t_w);
}

void Outline_Box(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int bo = R(g.s * p.b_fo / 2.0), bu = R(g.s * p.b_fu / 2.0), w = Box_Web_Width(g);
    const int yf = g.oy + R(g.s * p.t_fo), yh = g.oy + R(g.s * p.h), yb = yh - R(g.s * p.t_fu);
    Set(0, g.ox - bo - R(g.s * p.b_ueo), g.oy);
    Set(1, g_x[0], yf);
    Set(2, g.ox - bo, yf);
    Set(3, g.ox - bu, yb);
    Set(4, g.ox - bu - R(g.s * p.b_ueu), yb);
    Set(5, g_x[4], yh);
    Mirror_Half(g.ox, 6);
    g_ix[0] = g.ox - bo + w, g_iy[0] = yf;
    g_ix[1] = g.ox - bu + w, g_iy[1] = yb;
    g_ix[2] = 2 * g.ox - g_ix[1], g_iy[2] = yb;
    g_ix[3] = 2 * g.ox - g_ix[0], g_iy[3] = yf;
    g_n = 12;
    g_in = 4;
}

void Outline_Trough(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const double a = Calc_Profile_Flange_Slope(&p);
    const int web = R(g.s * p.t_w / std::cos(a));
    Set(0, g.ox - R(g.s * p.b_fo / 2.0), g.oy);
    Set(1, g.ox - R(g.s * p.b_fu / 2.0), g.oy + R(g.s * p.h));
    Set(2, g_x[1] + web, g_y[1]);
    Set(3, g_x[0] + web - R(g.s * p.t_fo * std::tan(a)), g.oy + R(g.s * p.t_fo));
    Mirror_Half(g.ox, 4);
    g_n = 8;
}

bool I_Family(int type) { return Is_Profile_Type_Family(PROFILTYP_I, type) != 0; }

// ---- scale, reference point and centroid --------------------------------

// Width and height of the section in mm; false when it has none.
bool Extent(const Stahlprofil& p, double* w, double* h) {
    const int t = p.type;
    *h = p.h;
    if (I_Family(t) || t == PROFILTYP_TRAPEZ) *w = std::max(p.b_fo, p.b_fu);
    else if (Is_Profile_Type_One_Of(
                 t, {PROFILTYP_C, PROFILTYP_RECHTECK, PROFILTYP_T, PROFILTYP_U, PROFILTYP_Z, PROFILTYP_HALB_I}))
        *w = p.b_fo;
    else if (t == PROFILTYP_L) *w = p.b_fo;
    else if (t == PROFILTYP_FLACH) *w = p.t_w;
    else if (t == PROFILTYP_RUND || t == PROFILTYP_ROHR) *w = p.h;
    else if (t == PROFILTYP_KASTEN) *w = std::max(2.0 * p.b_ueu + p.b_fu, 2.0 * p.b_ueo + p.b_fo);
    else return false;
    return true;
}

// Fits the section into the box: scale, frame, and the reference point
// moved from the inner box's corner by type. False when it has no extent.
bool Fit(Screen& g) {
    const XSScreenOptions& o = *g.o;
    const Stahlprofil& p = *g.p;
    double w = 0, h = 0;
    if (!Extent(p, &w, &h) || !(w >= 1.0) || !(h >= 1.0)) return false;
    const int x0 = o.x + 10, y0 = o.y + 10;
    const double sx = ((o.x2 - 10) - x0) / w, sy = ((o.y2 - 10) - y0) / h;
    int right = o.x2, bottom = o.y2;
    if (sx < sy) {
        g.s = sx;
        bottom = o.y + 20 + R(g.s * h);
    } else {
        g.s = sy;
        right = o.x + 20 + R(g.s * w);
    }
    pxFgc(Screen_Desktop_Colour);
    pxRect(o.x, o.y, right, bottom);
    g.ox = x0;
    g.oy = y0;
    const int t = p.type;
    if (I_Family(t) || t == PROFILTYP_KASTEN || t == PROFILTYP_TRAPEZ) g.ox += R(g.s * w / 2.0);
    else if (t == PROFILTYP_RECHTECK || t == PROFILTYP_Z) g.ox += R(g.s * p.b_fo / 2.0);
    else if (t == PROFILTYP_RUND || t == PROFILTYP_ROHR) g.ox += R(g.s * p.h / 2.0);
    else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        g.ox += R(static_cast<float>(g.s * p.b_fo / 2.0));
        if (o.mirror_vertical) g.oy += R(g.s * p.h);
    } else if (t == PROFILTYP_L && !o.mirror_vertical) g.oy += R(g.s * p.h);
    else if (t == PROFILTYP_C || t == PROFILTYP_U) g.oy += R(g.s * p.h / 2.0);
    return true;
}

void Centroid(Screen& g) {
    const Stahlprofil& p = *g.p;
    const XSScreenOptions& o = *g.o;
    const int t = p.type, ys = R(g.s * p.y_s), zs = R(g.s * p.z_s);
    double w = 0, h = 0;
    Extent(p, &w, &h);
    g.cx = g.ox;
    g.cy = g.oy + zs;
    if (t == PROFILTYP_L) {
        // z from the tip of leg h, at the top (at the bottom mirrored).
        g.cx = g.ox - ys;
        g.cy = o.mirror_vertical ? g.oy + R(g.s * p.h) - zs : g.oy - R(g.s * p.h) + zs;
    } else if (t == PROFILTYP_C || t == PROFILTYP_U) {
        g.cx = g.ox - ys;
        g.cy = g.oy - R(g.s * p.h / 2.0) + zs;
    } else if (I_Family(t) || t == PROFILTYP_KASTEN) {
        g.cx = g.ox - R(g.s * w / 2.0) - ys;
    } else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        g.cx = g.ox - R(g.s * p.b_fo / 2.0) - ys;
        if (o.mirror_vertical) g.cy = g.oy - R(g.s * p.h) + zs;
    } else if (t == PROFILTYP_RECHTECK) {
        g.cx = g.ox - R(g.s * p.b_fo / 2.0) - ys;
    } else if (t == PROFILTYP_RUND || t == PROFILTYP_ROHR) {
        g.cx = g.ox - R(g.s * p.h / 2.0) - ys;
    } else if (t == PROFILTYP_FLACH) {
        g.cx = g.ox - ys;
    }
}

// ---- drawing ---------------------------------------------------------------

void Stroke(int n, const int* x, const int* y, int width, int colour) {
    if (colour < 0) return;
    pxFgc(colour);
    for (int i = 1; i <= n; i++) pxTkLn(x[i - 1], y[i - 1], x[i % n], y[i % n], width);
}

void Stroke_Outline(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    if (o.line_colour < 0) return;
    if (o.line_width < 3) {
        Stroke(g_n, g_x, g_y, o.line_width, o.line_colour);
    } else {
        // A wide outline lies outside the section: its middle line is the
        // outline moved by half the width.
        double dx[OUTER_MAX], dy[OUTER_MAX];
        int ix[OUTER_MAX], iy[OUTER_MAX];
        for (int i = 0; i < g_n; i++) dx[i] = g_x[i], dy[i] = g_y[i];
        Offset_Polygon_Edges(dx, dy, g_n, o.line_width * 0.5);
        for (int i = 0; i < g_n; i++) ix[i] = static_cast<int>(dx[i]), iy[i] = static_cast<int>(dy[i]);
        Stroke(g_n, ix, iy, o.line_width, o.line_colour);
        Stroke(g_n, g_x, g_y, 1, Screen_Black);
    }
    pxFgc(Screen_Black);
}

void Fill_Section(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    const int t = g.p->type;
    if (o.fill_colour < 0) return;
    pxFgc(o.fill_colour);
    if (t == PROFILTYP_RECHTECK && g_in > 0 && !(g.pass & 2)) {
        // The ring joined along one seam, so that the cell stays open.
        int x[2 * OUTER_MAX], y[2 * OUTER_MAX], n = 0;
        for (int i = 0; i < g_n; i++) x[n] = g_x[i], y[n++] = g_y[i];
        x[n] = g_x[0], y[n++] = g_y[0];
        x[n] = g_ix[0], y[n++] = g_iy[0];
        for (int i = g_in - 1; i >= 0; i--) x[n] = g_ix[i], y[n++] = g_iy[i];
        pxFill(n, x, y);
        return;
    }
    pxFill(g_n, g_x, g_y);
    if (t == PROFILTYP_KASTEN && g_in > 0 && !(g.pass & 2)) {
        pxFgc(g.background);
        pxFill(g_in, g_ix, g_iy);
    }
}

void Stroke_Inner(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    if (g_in == 0 || (g.pass & 2) || o.line_colour < 0) return;
    Stroke(g_in, g_ix, g_iy, o.line_width >= 3 ? 1 : o.line_width, Screen_Black);
}

void Weld_Triangle(const Screen& g, int i, int leg, double start) {
    if (leg < 1) return;
    XS_Screen_Weld_Triangle(g_x[i], g_y[i], leg, g.theta + start, PI / 2.0, Screen_Grey130, 1, g.o->line_colour);
}

void Corner_Mark(const Screen& g, const int* x, const int* y, int i, int w, int h, double start, int mode) {
    if (w < 1 || h < 1) return;
    XS_Screen_Corner_Triangle(x[i], y[i], w, h, g.theta + start, mode, Screen_Grey130, g.o->line_colour);
}

void Seam_Line(const Screen& g, int i, int j) {
    XS_Screen_Line(g_x[i], g_y[i], g_x[j], g_y[j], g.o->line_colour, 1);
}

// Weld marks of a section welded from plates (the box girder always).
void Weld_Marks(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int t = p.type;
    const int leg_o = R(g.s * g.r_o), leg_u = R(g.s * g.r_u);
    const int tw = R(g.s * p.t_w), tf = R(g.s * p.t_fo);
    if (t == PROFILTYP_KASTEN) {
        const double d = (p.b_fo - p.b_fu) / 2.0, e = p.h - p.t_fo - p.t_fu;
        const double a = std::atan2(d, e);
        const int w = Box_Web_Width(g);
        if (w < 1) return;
        const struct { int point; double start, sweep; } marks[4] = {
            {2, 0.0, a - PI / 2}, {9, PI, PI / 2 - a}, {3, 0.0, a + PI / 2}, {8, PI, -PI / 2 - a}};
        for (const auto& m : marks)
            XS_Screen_Weld_Triangle(g_x[m.point], g_y[m.point], w, g.theta + m.start, m.sweep, Screen_Grey130, 1,
                                    g.o->line_colour);
        return;
    }
    if (p.rolled) return;
    if (I_Family(t)) {
        Seam_Line(g, 6, 37);
        Seam_Line(g, 15, 28);
        const bool fillet_top = p.weld_kind_top == 0, fillet_bottom = p.weld_kind_bottom == 0;
        Weld_Triangle(g, 8, leg_o, fillet_top ? PI : 1.5 * PI);
        Weld_Triangle(g, 34, leg_o, fillet_top ? 1.5 * PI : PI);
        Weld_Triangle(g, 12, leg_u, fillet_bottom ? PI / 2 : 0.0);
        Weld_Triangle(g, 29, leg_u, fillet_bottom ? 0.0 : PI / 2);
    } else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) {
        const bool flip = g.o->mirror_vertical != 0;
        Weld_Triangle(g, 8, leg_o, flip ? PI / 2 : PI);
        Weld_Triangle(g, 15, leg_o, flip ? 0.0 : 1.5 * PI);
        XS_Screen_Line(g_x[2], g_y[2], g_x[5], g_y[5], g.o->line_colour, g.o->line_width);
    } else if (t == PROFILTYP_L) {
        // The wall corner at the heel split on its diagonal: below the inner
        // corner, above it when mirrored.
        if (tw >= 1 && tf >= 1)
            XS_Screen_Corner_Triangle(g_x[10], g_y[10], tw, g.o->mirror_vertical ? -tf : tf, g.theta, 0, Screen_Grey130,
                                      g.o->line_colour);
    } else if (t == PROFILTYP_C || t == PROFILTYP_U) {
        Corner_Mark(g, g_x, g_y, 21, tw, tf, 0.0, 1);
        Corner_Mark(g, g_x, g_y, 2, tw, tf, 1.5 * PI, 0);
    } else if (t == PROFILTYP_Z) {
        Corner_Mark(g, g_x, g_y, 14, tw, tf, 0.0, 1);
        Corner_Mark(g, g_x, g_y, 2, tw, tf, PI, 1);
    } else if (t == PROFILTYP_RECHTECK) {
        const double starts[4] = {PI, PI / 2, 0.0, 1.5 * PI};
        for (int k = 0; k < 4; k++) Corner_Mark(g, g_ix, g_iy, 2 + 5 * k, tf, tw, starts[k], k % 2);
    }
}

// The digit centred in the 12 x 12 box around (x, y), ringed.
void Leg_Number(int x, int y, const char* digit) {
    pxCrcl(x, y, 6);
    pxBTxt(x - 6, y - 6, x + 6, y + 6, digit, 1, 192);
}

// A quarter of the way from the free end of each leg: the numbers of the
// welds stand by the middles of the faces.
void Leg_Numbers() {
    pxFgc(Screen_Black);
    Leg_Number(static_cast<int>(static_cast<float>(g_x[0] + g_x[12]) / 2.0f),
               static_cast<int>(static_cast<float>(3 * g_y[0] + g_y[12]) / 4.0f), "1");
    Leg_Number(static_cast<int>(static_cast<float>(g_x[1] + 3 * g_x[7]) / 4.0f),
               static_cast<int>(static_cast<float>(g_y[1] + g_y[7]) / 2.0f), "2");
}

// A plate of n points filled light grey and outlined in the weld grey.
void Plate(int n, const int* x, const int* y) {
    pxFgc(Screen_Grey233);
    pxFill(n, x, y);
    Stroke(n, x, y, 1, Screen_Grey130);
}

// The insert plate between the flanges on the left of the web: copes at
// its two corners next to the web and the flanges.
void Insert_Plate(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    const Stahlprofil& p = *g.p;
    const Blech_Record& b = *o.insert_plate;
    const double outstand = (p.b_fo - p.t_w) / 2.0, clear = p.h - p.t_fo - p.t_fu;
    const int xw = g.ox - R(g.s * p.t_w / 2.0), xo = xw - R(g.s * (b.b >= 0.1 ? b.b : outstand));
    int top = g.oy + R(g.s * p.t_fo), bottom = g.oy + R(g.s * p.h) - R(g.s * p.t_fu);
    if (b.l >= 0.1 && clear - b.l > 0.1) {
        if (o.insert_end == 0) top = bottom - R(g.s * b.l);
        else bottom = top + R(g.s * b.l);
    }
    // Copes of the insert weld's size; without one, of 1.5 times the
    // section's weld offsets (chamfers beside the welds of a welded
    // section); none below -0.001.
    double c_top = 0, c_bottom = 0;
    Corner_Look look = ROUNDED;
    if (o.insert_weld > 0.1) {
        c_top = c_bottom = o.insert_weld;
    } else if (o.insert_weld >= -0.001) {
        c_top = 1.5 * g.r_o;
        c_bottom = 1.5 * g.r_u;
        if (!p.rolled) look = SHARP;
    }
    int x[12], y[12];
    const int rt = R(g.s * c_top), rb = R(g.s * c_bottom);
    Corner(x, y, 0, xw, top, -1, 0, 0, 1, rt, ROUNDED);
    Corner(x, y, 5, xw, bottom, 0, -1, -1, 0, rb, ROUNDED);
    if (look == SHARP) {
        // A chamfer: the middle points on the straight cut.
        for (int i : {0, 5})
            for (int k = 1; k <= 3; k++) {
                x[i + k] = x[i] + (x[i + 4] - x[i]) * k / 4;
                y[i + k] = y[i] + (y[i + 4] - y[i]) * k / 4;
            }
    }
    x[10] = xo, y[10] = bottom;
    x[11] = xo, y[11] = top;
    XS_Screen_Rotate_Points(g.cx, g.cy, x, y, 12, g.theta);
    Plate(12, x, y);
}

// Web stiffeners at the middle of the clear height, left (and right).
void Stiffeners(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    const Stahlprofil& p = *g.p;
    const Blech_Record& b = *o.stiffener_plate;
    const double t = b.t >= 0.1 ? b.t : p.t_w, len = b.b >= 0.1 ? b.b : p.h_w;
    const int xw = g.ox - R(g.s * p.t_w / 2.0), ym = g.oy + R(g.s * (p.t_fo + (p.h - p.t_fo - p.t_fu) / 2.0));
    const int ht = R(g.s * t / 2.0), l = R(g.s * len);
    const bool on_web = o.stiffener_weld <= t - 0.001;
    const int leg = on_web ? R(g.s * SQRT2 * o.stiffener_weld) : R(g.s * t);
    for (int side = 0; side < (o.stiffener_mode == 1 ? 1 : 2); side++) {
        const int sign = side == 0 ? 1 : -1, xf = side == 0 ? xw : 2 * g.ox - xw;
        int x[4] = {xf, xf - sign * l, xf - sign * l, xf}, y[4] = {ym - ht, ym - ht, ym + ht, ym + ht};
        XS_Screen_Rotate_4_Points(g.cx, g.cy, x, y, g.theta);
        Plate(4, x, y);
        if (leg < 1) continue;
        // Weld triangles in the corners on the web, or at the outer end.
        const int a = on_web ? 0 : 1, b2 = on_web ? 3 : 2;
        const double up = side == 0 ? PI / 2 : 0.0, down = side == 0 ? PI : 1.5 * PI;
        const double start_up = on_web ? up : (side == 0 ? 0.0 : PI / 2);
        const double start_down = on_web ? down : (side == 0 ? 1.5 * PI : PI);
        XS_Screen_Weld_Triangle(x[a], y[a], leg, g.theta + start_up, PI / 2, Screen_Grey130, 1, Screen_Black);
        XS_Screen_Weld_Triangle(x[b2], y[b2], leg, g.theta + start_down, PI / 2, Screen_Grey130, 1, Screen_Black);
    }
}

void Axes(const Screen& g) {
    const Stahlprofil& p = *g.p;
    const int length = R(0.2 * g.s * std::max(p.b_fo, p.h));
    pxFgc(Screen_Green);
    Draw_Arrow_With_Text(g.cx, g.cy, length, "y", g.theta);
    Draw_Arrow_With_Text(g.cx, g.cy, length, "z", g.theta + PI / 2);
    pxText(g.cx + 4, g.cy, "S", 1);
    if (std::fabs(p.y_M) > 0.1 || std::fabs(p.z_M) > 0.1) {
        const double c = std::cos(g.theta), sn = std::sin(g.theta);
        const int mx = static_cast<int>(g.cx - g.s * p.y_M * c - g.s * p.z_M * sn);
        const int my = static_cast<int>(g.cy + g.s * p.z_M * c + g.s * p.y_M * sn);
        static const int dot[7] = {5, 5, 0x70, 0xF8, 0xF8, 0xF8, 0x70};
        pxText(mx + 4, my, "M", 1);
        pxMask(mx - 2, my - 2, dot);
    }
}

void Draw_Round(const Screen& g) {
    const XSScreenOptions& o = *g.o;
    const Stahlprofil& p = *g.p;
    const int r = R(static_cast<float>(g.s * p.h / 2.0)), cy = g.oy + r;
    if (p.type == PROFILTYP_RUND) {
        Draw_Filled_Circle(g.ox, cy, r, 32, o.fill_colour, o.line_width, o.line_colour);
        return;
    }
    const int ri = r - R(g.s * p.t_w);
    if (o.line_width < 3) {
        if (g.pass & 2) Draw_Filled_Circle(g.ox, cy, r, 32, o.fill_colour, o.line_width, o.line_colour);
        else Draw_Filled_Ring(g.ox, cy, r, ri, 32, o.fill_colour, o.line_width, o.line_colour);
        return;
    }
    Draw_Filled_Circle(g.ox, cy, r + o.line_width / 2, 32, o.fill_colour, o.line_width, o.line_colour);
    Draw_Filled_Circle(g.ox, cy, r, 32, -1, 1, Screen_Black);
    if (!(g.pass & 2)) Draw_Filled_Circle(g.ox, cy, ri, 32, g.background, 1, Screen_Black);
}

}  // namespace

void Init_XS_Screen_Options(XSScreenOptions* options) {
    if (!options) return;
    *options = XSScreenOptions{};
    options->fill_colour = -1;
    options->line_colour = -1;
    options->background_colour = -1;
}

void Draw_XS_Weld_Screen(const XSScreenOptions* options, int pass) {
    g_n = g_in = 0;
    if (!options || !options->profile) return;
    Stahlprofil* p = options->profile;
    if (Calc_Profile_Cross_Section(p, nullptr, 0, "") != 0) return;
    if (p->type < PROFILTYP_FLACH || p->type > PROFILTYP_TRAPEZ) return;
    const int kept = pxQFgc();
    Screen g{};
    g.o = options;
    g.p = p;
    g.pass = pass;
    g.background = options->background_colour < 0 ? Screen_Desktop_Colour : options->background_colour;
    g.theta = options->angle * DEG;
    Calc_Profile_Weld_Offsets(p, &g.r_o, &g.r_u, &g.r_t);
    g.sloped = p->rolled && Profile_Sloped_Flange_Faces(p, &g.faces);
    if (options->scale < 0.001) {
        if (!Fit(g)) {
            pxFgc(kept);
            return;
        }
    } else {
        g.s = options->scale;
        g.ox = options->x;
        g.oy = options->y;
    }
    Centroid(g);
    const int t = p->type;
    if (t == PROFILTYP_RUND || t == PROFILTYP_ROHR) {
        Draw_Round(g);
    } else {
        if (t == PROFILTYP_FLACH) Outline_Flat(g);
        else if (t == PROFILTYP_L) Outline_Angle(g);
        else if (I_Family(t)) Outline_I(g);
        else if (t == PROFILTYP_C || t == PROFILTYP_U) Outline_Channel(g);
        else if (t == PROFILTYP_RECHTECK) Outline_Rectangle_Tube(g);
        else if (t == PROFILTYP_T || t == PROFILTYP_HALB_I) Outline_Tee(g);
        else if (t == PROFILTYP_Z) Outline_Z(g);
        else if (t == PROFILTYP_KASTEN) Outline_Box(g);
        else Outline_Trough(g);
        if (options->mirror_vertical && Is_Profile_Type_One_Of(t, {PROFILTYP_L, PROFILTYP_T, PROFILTYP_HALB_I}))
            for (int i = 0; i < g_n; i++) g_y[i] = 2 * g.oy - g_y[i];
        if (options->mirror_horizontal && (t == PROFILTYP_FLACH || t == PROFILTYP_L))
            for (int i = 0; i < g_n; i++) g_x[i] = 2 * g.ox - g_x[i];
        const bool about_reference = Is_Profile_Type_One_Of(t, {PROFILTYP_FLACH, PROFILTYP_L, PROFILTYP_C, PROFILTYP_T,
                                                                PROFILTYP_U, PROFILTYP_HALB_I, PROFILTYP_TRAPEZ});
        if (about_reference) {
            XS_Screen_Rotate_Points(g.ox, g.oy, g_x, g_y, g_n, g.theta);
            XS_Screen_Rotate_Point(g.ox, g.oy, &g.cx, &g.cy, g.theta);
        } else {
            XS_Screen_Rotate_Points(g.cx, g.cy, g_x, g_y, g_n, g.theta);
            XS_Screen_Rotate_Points(g.cx, g.cy, g_ix, g_iy, g_in, g.theta);
        }
        Fill_Section(g);
        Stroke_Outline(g);
        Stroke_Inner(g);
        if (t == PROFILTYP_L && p->kind == STAHLPROFIL_KIND_DIMENSIONS && (pass & 1)) Leg_Numbers();
        Weld_Marks(g);
        if (I_Family(t)) {
            if (options->insert_mode > 0 && options->insert_plate && options->insert_plate->t >= 0.1) Insert_Plate(g);
            if (options->stiffener_mode > 0 && options->stiffener_plate) Stiffeners(g);
        }
    }
    if (options->show_axes) Axes(g);
    pxFgc(kept);
}

int XS_Screen_Outline(const int** xs, const int** ys) {
    if (xs) *xs = g_x;
    if (ys) *ys = g_y;
    return g_n;
}

int XS_Screen_Inner_Outline(const int** xs, const int** ys) {
    if (xs) *xs = g_ix;
    if (ys) *ys = g_iy;
    return g_in;
}
