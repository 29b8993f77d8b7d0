// Bolt pictures in both back ends.
#include "drawings/bolt_pictures.h"

#include <cmath>
#include <initializer_list>

#include "base/vesk.h"
#include "dialogs/valuecheck.h"
#include "drawings/further_shapes.h"
#include "drawings/oli_pens.h"
#include "drawings/screen_primitives.h"
#include "drawings/shape_routines.h"
#include "platform/draw_calls.h"
#include "platform/oli_graphic_records.h"
#include "platform/screen.h"
#include "printlist/ioliplot.h"

namespace {

// Dash pattern 2 of the hole circle, and the return to solid lines.
void Dash_Record(int pattern, const char* values) {
    Safe_Fprintf(Oli_Get_Picture_State()->stream, " %d %d %s %d\n", OLI_REC_DASH, pattern, values, 0);
}

bool Usable(int n, const double* v) {
    for (int i = 0; i < n; i++)
        if (!(std::fabs(v[i]) <= 1e9)) return false;
    return true;
}

// The side view's parts in a frame along the bolt axis: lx across the bolt,
// ly along it from the face (x1, y1); the frame is turned a quarter turn for
// directions 0 and 2.
template <typename T>
struct Side_Frame {
    T ox, oy;
    bool turned;
    void Map(T lx, T ly, T* wx, T* wy) const {
        if (turned)
            *wx = ox - ly, *wy = oy + lx;
        else
            *wx = ox + lx, *wy = oy + ly;
    }
};

// Heights of a head or nut: lower chamfer a, straight part b, upper chamfer c.
template <typename T>
struct Hex_Heights {
    T a, b, c;
};

// The parts of a side view in the frame: rectangles (shank and washers)
// as two corners, the bases of head, nut and protruding end.
template <typename T>
struct Side_Parts {
    T shank[4];              // lx1, ly1, lx2, ly2
    T washer_head[4], washer_nut[4];
    T head_base, nut_base, strip_base, strip_length;  // ly of the bases, length of the end
    Hex_Heights<T> head, nut;
};

// Direction 1 (3: head beyond the far face) with the given proportions of
// head and nut; T is double or int.
template <typename T>
Side_Parts<T> Side_View_Parts(bool head_far, T L, T r, T k, T m, T wh, T wn, T ws, T strip_length,
                              Hex_Heights<T> head_near, Hex_Heights<T> head_far_heights, Hex_Heights<T> nut) {
    Side_Parts<T> p;
    if (!head_far) {
        const T shank[4] = {-r, -wh, r, L + wn};
        const T wh4[4] = {-ws, 0, ws, -wh};
        const T wn4[4] = {-ws, L, ws, L + wn};
        for (int i = 0; i < 4; i++) p.shank[i] = shank[i], p.washer_head[i] = wh4[i], p.washer_nut[i] = wn4[i];
        p.head_base = -wh;
        p.head = head_near;
        p.nut_base = L + wn + m;
        p.strip_base = L + wn + m;
    } else {
        const T shank[4] = {-r, -wn, r, L + wh};
        const T wn4[4] = {-ws, 0, ws, -wn};
        const T wh4[4] = {-ws, L, ws, L + wh};
        for (int i = 0; i < 4; i++) p.shank[i] = shank[i], p.washer_head[i] = wh4[i], p.washer_nut[i] = wn4[i];
        p.head_base = L + wh + k;
        p.head = head_far_heights;
        p.nut_base = -wn;
        p.strip_base = -wn - m;
    }
    p.strip_length = strip_length;
    p.nut = nut;
    return p;
}

// A rectangle of the frame as world corners x1, y1, x2, y2.
template <typename T>
void Map_Rect(const Side_Frame<T>& f, const T rect[4], T out[4]) {
    f.Map(rect[0], rect[1], &out[0], &out[1]);
    f.Map(rect[2], rect[3], &out[2], &out[3]);
}

}  // namespace

// ---- end views --------------------------------------------------------------

void XS_Plot_Bolt_End_View(double x, double y, double r1, double r2, double r3, int fill_pen, int fill_pattern,
                           int line_pen, int line_width) {
    if (fill_pen < 0) fill_pen = 0;
    if (r3 > 0.1) {
        if (line_pen >= 0)
            XS_Plot_Circle16(line_pen, OliRole_Bolt_Pattern, line_width, x, y, r3, line_pen);
        else
            XS_Plot_Circle16(fill_pen, OliRole_Bolt_Pattern, line_width, x, y, r3, OliRole_Weld_Section_Pen);
    }
    if (r2 > 0.1) {
        int pen = line_pen < 0 ? OliRole_Weld_Section_Pen : (r1 > 0.1 ? fill_pen : line_pen);
        XS_Plot_Hexagon(fill_pen, fill_pattern, line_width, x, y, r2, pen);
    }
    if (r1 > 0.1) {
        Dash_Record(2, "0.03 0.05");
        if (line_pen >= 0) XS_Plot_Circle16(-1, 0, line_width, x, y, r1, line_pen);
        Dash_Record(0, " ");
    }
}

void XS_Screen_Bolt_End_View(int x, int y, int r1, int r2, int r3, int fill_colour, int line_colour) {
    int a = Screen_Grey130, b = Screen_Grey130;
    if (line_colour >= 0) {
        a = r1 > 0 ? Screen_Grey130 : Screen_Black;
        b = r1 > 0 ? Screen_Black : Screen_Grey130;
    }
    if (r3 > 0) XS_Screen_Circle16(x, y, r3, fill_colour, 1, a);
    if (r2 > 0) XS_Screen_Hexagon(x, y, r2, fill_colour, 1, b);
    if (r1 > 0) {
        pxSLn(PX_LINE_LONG_DASHES);
        XS_Screen_Circle16(x, y, r1, -1, 1, line_colour);
        pxSLn(PX_LINE_SOLID);
    }
}

void XS_Plot_Bolt_End_Outline(double x, double y, double r1, double r2, double r3, int line_width, int line_pen) {
    if (r3 > 0.1) XS_Plot_Circle16(-1, 0, line_width, x, y, r3, line_pen);
    if (r2 > 0.1) XS_Plot_Hexagon(-1, 0, line_width, x, y, r2, line_pen);
    if (r1 > 0.1) XS_Plot_Circle16(-1, 0, line_width, x, y, r1, line_pen);
}

void XS_Screen_Bolt_End_Outline(int x, int y, int r1, int r2, int r3, int line_width, int line_colour) {
    if (r3 > 0) XS_Screen_Circle16(x, y, r3, -1, line_width, line_colour);
    if (r2 > 0) XS_Screen_Hexagon(x, y, r2, -1, line_width, line_colour);
    if (r1 >= 1) XS_Screen_Circle16(x, y, r1, -1, line_width, line_colour);
}

// ---- side views -------------------------------------------------------------

void XS_Plot_Bolt_Side_View(double x1, double y1, double x2, double y2, double r, double e, double k, double m,
                            double washer_head, double washer_nut, double washer_half, int direction, int fill_pen,
                            int fill_pattern, int outline_flag) {
    // Elements do not nest: the shank is an element of its own and every
    // shape below writes its own; a direction outside 0..3 leaves only the
    // empty element.
    if (direction < 0 || direction > 3) {
        Oli_Element_Begin();
        Oli_Element_End();
        return;
    }
    const bool turned = direction == 0 || direction == 2, head_far = direction == 2 || direction == 3;
    const Side_Frame<double> f{x1, y1, turned};
    const double L = turned ? x1 - x2 : y2 - y1;
    const double strip = direction == 1 ? k / 2 : direction == 0 ? m / 2 : -m / 2;
    const Side_Parts<double> p = Side_View_Parts<double>(
        head_far, L, r, k, m, washer_head, washer_nut, washer_half, strip, {0.0, 0.8 * k, 0.2 * k},
        {0.2 * k, 0.8 * k, 0.0}, {0.15 * m, 0.7 * m, 0.15 * m});
    const int outline = outline_flag >= 0 ? OliRole_Outline_Pen : fill_pen;
    const int washer = outline_flag >= 0 ? OliRole_Other_Weld_Pen : fill_pen;
    const int mode = turned ? 0 : 1;
    double w[4];
    Map_Rect(f, p.shank, w);
    if (Usable(4, w)) {
        Oli_Element_Begin();
        Oli_Select_Pen(static_cast<unsigned>(fill_pen));
        Oli_Fill_Record(fill_pattern);
        Oli_Filled_Rect(w[0], w[1], w[2], w[3]);
        Oli_Element_End();
        double ex[2], ey[2];
        for (double lx : {p.shank[0], p.shank[2]}) {
            f.Map(lx, p.shank[1], &ex[0], &ey[0]);
            f.Map(lx, p.shank[3], &ex[1], &ey[1]);
            Oli_Pen_Line(ex[0], ey[0], ex[1], ey[1], outline, 1);
        }
    }
    if (washer_head > 0.1) {
        Map_Rect(f, p.washer_head, w);
        XS_Plot_Rectangle(w[0], w[1], w[2], w[3], washer, fill_pattern, 1, outline);
    }
    double bx, by;
    f.Map(0.0, p.head_base, &bx, &by);
    XS_Plot_Hex_Side_View(mode, fill_pen, fill_pattern, bx, by, p.head.b, p.head.c, p.head.a, 2 * e,
                          outline_flag);
    if (washer_nut > 0.1) {
        Map_Rect(f, p.washer_nut, w);
        XS_Plot_Rectangle(w[0], w[1], w[2], w[3], washer, fill_pattern, 1, outline);
    }
    f.Map(0.0, p.strip_base, &bx, &by);
    XS_Plot_Capped_Strip(mode, fill_pen, fill_pattern, bx, by, 2 * r, p.strip_length, outline_flag);
    f.Map(0.0, p.nut_base, &bx, &by);
    XS_Plot_Hex_Side_View(mode, fill_pen, fill_pattern, bx, by, p.nut.b, p.nut.c, p.nut.a, 2 * e, outline_flag);
}

void XS_Screen_Bolt_Side_View(int x1, int y1, int x2, int y2, int r, int e, int k, int m, int washer_head,
                              int washer_nut, int washer_half, int direction, int fill_colour, int outline_flag) {
    if (direction < 0 || direction > 3) return;
    const bool turned = direction == 0 || direction == 2, head_far = direction == 2 || direction == 3;
    const Side_Frame<int> f{x1, y1, turned};
    const int L = turned ? x1 - x2 : y2 - y1;
    const int strip = direction == 1 ? k / 2 : direction == 0 ? m / 2 : -m / 2;
    const int kb = 4 * k / 5, mb = 7 * m / 10, ma = (m - mb) / 2;
    const Side_Parts<int> p = Side_View_Parts<int>(head_far, L, r, k, m, washer_head, washer_nut, washer_half, strip,
                                                   {0, kb, k - kb}, {k - kb, kb, 0}, {ma, mb, m - mb - ma});
    const int outline = outline_flag >= 0 ? Screen_Black : fill_colour;
    const int washer = outline_flag >= 0 ? Screen_Grey130 : fill_colour;
    const int mode = turned ? 0 : 1;
    int w[4];
    Map_Rect(f, p.shank, w);
    Draw_Filled_Rect(w[0], w[1], w[2], w[3], fill_colour);
    int kept;
    pxQFgc(&kept);
    if (outline >= 0) {
        pxFgc(outline);
        for (int lx : {p.shank[0], p.shank[2]}) {
            int ax, ay, bx, by;
            f.Map(lx, p.shank[1], &ax, &ay);
            f.Map(lx, p.shank[3], &bx, &by);
            pxLine(ax, ay, bx, by);
        }
    }
    pxFgc(kept);
    if (washer_head > 0) {
        Map_Rect(f, p.washer_head, w);
        XS_Screen_Rectangle(w[0], w[1], w[2], w[3], washer, 1, outline);
    }
    int bx, by;
    f.Map(0, p.head_base, &bx, &by);
    XS_Screen_Hex_Side_View(bx, by, p.head.b, p.head.c, p.head.a, 2 * e, mode, fill_colour, outline_flag, outline);
    if (washer_nut > 0) {
        Map_Rect(f, p.washer_nut, w);
        XS_Screen_Rectangle(w[0], w[1], w[2], w[3], washer, 1, outline);
    }
    f.Map(0, p.strip_base, &bx, &by);
    XS_Screen_Capped_Strip(bx, by, 2 * r, p.strip_length, mode, fill_colour, outline_flag, outline);
    f.Map(0, p.nut_base, &bx, &by);
    XS_Screen_Hex_Side_View(bx, by, p.nut.b, p.nut.c, p.nut.a, 2 * e, mode, fill_colour, outline_flag, outline);
}

namespace {

// An axis-parallel rectangle of the rotated bolt (u along the axis, v
// across) as four corners turned about (x, y).
void Rotated_Box(double x, double y, double u1, double u2, double v, double angle, double cx[4], double cy[4]) {
    const double ux[4] = {u1, u1, u2, u2}, vy[4] = {-v, v, v, -v};
    for (int i = 0; i < 4; i++) cx[i] = x + ux[i], cy[i] = y + vy[i];
    XS_Plot_Rotate_4_Points(cx, cy, x, y, angle);
}

// A head or nut of the rotated bolt: the eight corners of the side view
// at the base (x + u, y), turned by `turn` about the base and by angle
// about (x, y), and its six inner edge points.
void Rotated_Hex(double x, double y, double u, double w, Hex_Heights<double> hh, double turn, double angle,
                 double cx[8], double cy[8], double ex[6], double ey[6]) {
    const double bx = x + u, t = std::round(w / 12.0);
    const double hx[8] = {bx - w / 2, bx - w / 2, bx - w / 2 + t, bx + w / 2 - t,
                          bx + w / 2, bx + w / 2, bx + w / 2 - t, bx - w / 2 + t};
    const double hy[8] = {y - hh.a, y - hh.a - hh.b, y - hh.a - hh.b - hh.c, y - hh.a - hh.b - hh.c,
                          y - hh.a - hh.b, y - hh.a, y, y};
    for (int i = 0; i < 8; i++) cx[i] = hx[i], cy[i] = hy[i];
    // The two visible edges of the body and the line where the straight
    // part meets the upper chamfer.
    const double lx[6] = {bx - w / 4, bx - w / 4, bx + w / 4, bx + w / 4, bx - w / 2, bx + w / 2};
    const double ly[6] = {y - hh.a, y - hh.a - hh.b, y - hh.a, y - hh.a - hh.b, y - hh.a - hh.b, y - hh.a - hh.b};
    for (int i = 0; i < 6; i++) ex[i] = lx[i], ey[i] = ly[i];
    XS_Plot_Rotate_Points(cx, cy, 8, bx, y, turn);
    XS_Plot_Rotate_6_Points(ex, ey, bx, y, turn);
    XS_Plot_Rotate_Points(cx, cy, 8, x, y, angle);
    XS_Plot_Rotate_6_Points(ex, ey, x, y, angle);
}

void Plot_Filled_Outlined(int n, const double* xs, const double* ys, int fill_pen, int fill_pattern, int outline) {
    if (!Usable(n, xs) || !Usable(n, ys)) return;
    Oli_Element_Begin();
    Oli_Select_Pen(static_cast<unsigned>(fill_pen));
    Oli_Fill_Record(fill_pattern);
    Oli_Filled_Polygon(n, xs, ys);
    Oli_Select_Pen(static_cast<unsigned>(outline));
    Oli_Polyline(n, xs, ys);
    Oli_Element_End();
}

}  // namespace

void XS_Plot_Bolt_Side_View_Rotated(double x, double y, double L, double r, double e, double k, double m,
                                    double washer_head, double washer_nut, double washer_half, double p,
                                    double angle, int fill_pen, int fill_pattern, int outline_flag) {
    if (!std::isfinite(angle)) return;
    const int outline = outline_flag >= 0 ? OliRole_Outline_Pen : fill_pen;
    const int washer = outline_flag >= 0 ? OliRole_Other_Weld_Pen : fill_pen;
    const double head_u = L / 2 + washer_head, nut_u = -L / 2 - washer_nut;
    double cx[8], cy[8], ex[6], ey[6];
    // No element around the whole bolt: its parts are elements side by side.
    Rotated_Box(x, y, nut_u, head_u, r, angle, cx, cy);
    Plot_Filled_Outlined(4, cx, cy, fill_pen, fill_pattern, outline);
    if (washer_head > 0.1) {
        Rotated_Box(x, y, L / 2, head_u, washer_half, angle, cx, cy);
        Plot_Filled_Outlined(4, cx, cy, washer, fill_pattern, outline);
    }
    if (washer_nut > 0.1) {
        Rotated_Box(x, y, nut_u, -L / 2, washer_half, angle, cx, cy);
        Plot_Filled_Outlined(4, cx, cy, washer, fill_pattern, outline);
    }
    // Head towards +u, nut towards -u.
    const struct {
        double u, turn;
        Hex_Heights<double> h;
    } hexes[2] = {{head_u, 3.0 * M_PI / 2.0, {0.0, 0.8 * k, 0.4 * k}},
                  {nut_u, M_PI / 2.0, {0.15 * m, 0.7 * m, 0.15 * m}}};
    for (const auto& hx : hexes) {
        Rotated_Hex(x, y, hx.u, 2 * e, hx.h, hx.turn, angle, cx, cy, ex, ey);
        Plot_Filled_Outlined(8, cx, cy, fill_pen, fill_pattern, outline);
        if (Usable(6, ex) && Usable(6, ey))
            for (int i = 0; i < 6; i += 2) Oli_Pen_Line(ex[i], ey[i], ex[i + 1], ey[i + 1], outline, 1);
    }
    // The protruding end beyond the nut, its cap 0.15 of its width.
    const double u0 = nut_u - m, t = 0.15 * 2 * r;
    const double su[6] = {u0, u0 - p, u0 - p - t, u0 - p - t, u0 - p, u0};
    const double sv[6] = {-r, -r, -r + t, r - t, r, r};
    for (int i = 0; i < 6; i++) cx[i] = x + su[i], cy[i] = y + sv[i];
    XS_Plot_Rotate_Points(cx, cy, 6, x, y, angle);
    if (p > 0) Plot_Filled_Outlined(6, cx, cy, fill_pen, fill_pattern, outline);
}

void XS_Screen_Bolt_Side_View_Rotated(int x, int y, int L, int r, int e, int k, int m, int washer_head, int washer_nut,
                                      int washer_half, int p, double angle, int fill_colour, int outline_flag) {
    if (!std::isfinite(angle)) return;
    const int outline = outline_flag >= 0 ? Screen_Black : fill_colour;
    const int washer = outline_flag >= 0 ? Screen_Grey130 : fill_colour;
    const int head_u = L / 2 + washer_head, nut_u = -L / 2 - washer_nut;
    auto box = [&](int u1, int u2, int v, int colour) {
        int bx[4] = {x + u1, x + u1, x + u2, x + u2}, by[4] = {y - v, y + v, y + v, y - v};
        XS_Screen_Rotate_4_Points(x, y, bx, by, angle);
        Draw_Filled_Polygon(4, bx, by, colour, 1, outline);
    };
    box(nut_u, head_u, r, fill_colour);
    if (washer_head > 0) box(L / 2, head_u, washer_half, washer);
    if (washer_nut > 0) box(nut_u, -L / 2, washer_half, washer);
    const int kb = 4 * k / 5, mb = 7 * m / 10, ma = (m - mb) / 2;
    int hx = x + head_u, hy = y;
    XS_Screen_Rotate_Point(x, y, &hx, &hy, angle);
    XS_Screen_Hex_Side_View_Rotated(hx, hy, kb, k - kb, 0, 2 * e, angle, fill_colour, outline_flag, outline);
    int nx = x + nut_u, ny = y;
    XS_Screen_Rotate_Point(x, y, &nx, &ny, angle);
    XS_Screen_Hex_Side_View_Rotated(nx, ny, mb, m - mb - ma, ma, 2 * e, angle + M_PI, fill_colour, outline_flag,
                                    outline);
    if (p <= 0) return;
    const int u0 = nut_u - m, t = 3 * 2 * r / 20;
    int sx[6] = {x + u0, x + u0 - p, x + u0 - p - t, x + u0 - p - t, x + u0 - p, x + u0};
    int sy[6] = {y - r, y - r, y - r + t, y + r - t, y + r, y + r};
    XS_Screen_Rotate_Points(x, y, sx, sy, 6, angle);
    Draw_Filled_Polygon(6, sx, sy, fill_colour, 1, outline);
}

// ---- rectangle, slot, round mark --------------------------------------------

void XS_Plot_Rotated_Rectangle(double x, double y, double w, double h, double angle, int fill_pen, int fill_pattern,
                               int outline_switch, int line_pen) {
    double cx[4] = {x + w / 2, x + w / 2, x - w / 2, x - w / 2};
    double cy[4] = {y + h / 2, y - h / 2, y - h / 2, y + h / 2};
    XS_Plot_Rotate_4_Points(cx, cy, x, y, angle);
    if (!std::isfinite(angle) || !Usable(4, cx) || !Usable(4, cy)) return;
    Oli_Element_Begin();
    if (fill_pen >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(fill_pen));
        Oli_Fill_Record(fill_pattern);
        Oli_Filled_Polygon(4, cx, cy);
    }
    if (outline_switch >= 0 && line_pen >= 0) {
        Oli_Select_Pen(static_cast<unsigned>(line_pen));
        Oli_Polyline(4, cx, cy);
    }
    Oli_Element_End();
}

void XS_Screen_Rotated_Rectangle(int x, int y, int w, int h, double angle, int fill_colour, int line_width,
                                 int line_colour) {
    int cx[4] = {x + w / 2, x + w / 2, x - w / 2, x - w / 2};
    int cy[4] = {y + h / 2, y - h / 2, y - h / 2, y + h / 2};
    XS_Screen_Rotate_4_Points(x, y, cx, cy, angle);
    XS_Screen_Polygon(4, cx, cy, fill_colour, line_width, line_colour);
}

namespace {

const int SLOT_CORNERS = 18;  // two half circles of 9 corners each

// The corners of the slot relative to its centre, turned by angle degrees.
template <typename T, typename Offset>
void Slot_Corners(T r, T L, T xs[SLOT_CORNERS], T ys[SLOT_CORNERS], Offset offset) {
    for (int k = 0; k < SLOT_CORNERS; k++) {
        double a = (k < 9 ? k : k - 1) * M_PI / 8.0;  // 0 .. pi, then pi .. 2 pi
        T centre = k < 9 ? L / 2 : L / 2 - L;
        xs[k] = centre + offset(r * std::cos(a));
        ys[k] = offset(r * std::sin(a));
    }
}

}  // namespace

void XS_Plot_Slot(double x, double y, double r, double L, double angle, int fill_pen, int fill_pattern,
                  int line_width, int line_pen) {
    if (!(r >= 0.1) || !(L >= r - 0.01)) return;
    double xs[SLOT_CORNERS], ys[SLOT_CORNERS];
    Slot_Corners(r, L, xs, ys, [](double v) { return v; });
    if (std::fabs(angle) > 0.01) XS_Plot_Rotate_Points(xs, ys, SLOT_CORNERS, 0.0, 0.0, angle * 0.017453292519943295);
    for (int k = 0; k < SLOT_CORNERS; k++) xs[k] += x, ys[k] += y;
    XS_Plot_Polygon(SLOT_CORNERS, xs, ys, fill_pen, fill_pattern, line_width, line_pen);
}

void XS_Screen_Slot(int x, int y, int r, int L, double angle, int fill_colour, int line_width, int line_colour) {
    if (r < 1 || r > L) return;
    int xs[SLOT_CORNERS], ys[SLOT_CORNERS];
    Slot_Corners(r, L, xs, ys, [](double v) { return Round_To_Pixel(v); });
    if (std::fabs(angle) > 0.01) XS_Screen_Rotate_Points(0, 0, xs, ys, SLOT_CORNERS, angle * 0.017453292519943295);
    for (int k = 0; k < SLOT_CORNERS; k++) xs[k] += x, ys[k] += y;
    Draw_Filled_Polygon(SLOT_CORNERS, xs, ys, fill_colour, line_width, line_colour);
}

void XS_Screen_Round_Mark(int x, int y, int r, int fill_colour, int line_width, int line_colour) {
    if (r < 1) return;
    XS_Screen_Circle16(x, y, r, fill_colour, line_width, line_colour);
}
