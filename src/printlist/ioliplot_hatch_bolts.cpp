// Hatched strips and bolt symbols of pictures.
//
// The print list fills their areas with the viewer's hatch patterns; the
// plot file has none, so the strip draws its hatch there as lines and the
// bolt layers carry the plot file's own fillings.
#include <algorithm>
#include <cmath>

#include "base/geometry.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_hatch_bolts.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"
#include "printlist/plotfile.h"

using ioliplot::PI;
using ioliplot::S;

namespace {

constexpr int kMaxHatchLines = 1000;

// The part of the line p + s d (s in 0..1) inside the convex polygon of n
// corners; false when none is.
bool Clip_To_Convex(const double* x, const double* y, int n, double px, double py, double dx, double dy, double* s0,
                    double* s1) {
    double lo = 0.0, hi = 1.0;
    // The polygon's orientation, so that "inside" is the same side of every edge.
    double area = 0.0;
    for (int i = 0; i < n; i++) area += x[i] * y[(i + 1) % n] - x[(i + 1) % n] * y[i];
    const double turn = area >= 0.0 ? 1.0 : -1.0;
    for (int i = 0; i < n; i++) {
        const double ex = x[(i + 1) % n] - x[i], ey = y[(i + 1) % n] - y[i];
        // Inside: turn * cross(e, q - corner) >= 0 for q = p + s d.
        const double at_p = turn * (ex * (py - y[i]) - ey * (px - x[i]));
        const double rate = turn * (ex * dy - ey * dx);
        if (rate == 0.0) {
            if (at_p < 0.0) return false;
            continue;
        }
        const double s = -at_p / rate;
        if (rate > 0.0) lo = std::max(lo, s);
        else hi = std::min(hi, s);
    }
    *s0 = lo, *s1 = hi;
    return lo < hi;
}

// The hatch of the strip in the plot file: lines along the hatch vector,
// one every strip width along the edge, clipped to the strip (turned
// corners, unscaled).
void Plot_Hatch(const double* cx, const double* cy, double hx, double hy, double spacing) {
    PlotFile_Set_Linetype(0);
    PlotFile_Set_Pen(0);
    const double ex = cx[1] - cx[0], ey = cy[1] - cy[0], len = std::hypot(ex, ey);
    const double hl = std::hypot(hx, hy);
    if (!(len > 0.0) || !(hl > 0.0)) return;
    spacing = std::max(spacing, len / kMaxHatchLines);
    // Start far enough back that the lines cover the whole strip.
    const double reach = 2.0 * (hl + len);
    const double ux = hx / hl, uy = hy / hl;
    for (double t = -hl; t <= len + hl; t += spacing) {
        const double px = cx[0] + ex * t / len - ux * reach / 2.0, py = cy[0] + ey * t / len - uy * reach / 2.0;
        double s0, s1;
        if (!Clip_To_Convex(cx, cy, 4, px, py, ux * reach, uy * reach, &s0, &s1)) continue;
        PlotFile_Line(px + s0 * ux * reach, py + s0 * uy * reach, px + s1 * ux * reach, py + s1 * uy * reach);
    }
}

// One filled layer of a bolt: its pattern, the plot file's line type, pen 1
// and filling, and the polygon in fill mode.
void Layer(int pattern, int plot_filling, int n, const double* x, const double* y) {
    if (PlotFile_Is_Open()) {
        PlotFile_Set_Linetype(0);
        PlotFile_Set_Pen(1);
        PlotFile_Set_Filling(plot_filling);
    }
    Oli_Fill_Record(pattern);
    if (S().fill_mode) Oli_Polygon_Record(n, x, y);
}

void Box_Layer(int pattern, int plot_filling, double x1, double y1, double x2, double y2) {
    const double x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
    Layer(pattern, plot_filling, 4, x, y);
}

// The three layers of a shank from xa to xb: patterns from below (swapped
// in a picture whose y runs down), plot fillings with them.
void Shank(double xa, double xb, double y, double a) {
    const bool down = S().y_direction == 2;
    Box_Layer(down ? 1 : 19, down ? 4 : 1, xa, y - a / 2.0, xb, y - a / 4.0);
    Box_Layer(11, 3, xa, y - a / 4.0, xb, y + a / 4.0);
    Box_Layer(down ? 19 : 1, down ? 1 : 4, xa, y + a / 4.0, xb, y + a / 2.0);
}

void Axis(double xa, double xb, double y) {
    ioliplot::Line_Width_Record(0.015);
    Oli_Dash_Pattern(3);
    if (PlotFile_Is_Open()) PlotFile_Set_Linetype(2);
    Oli_Line(xa, y, xb, y);
}

// A hexagon of circumradius r (corner offset c across) as a layer, corners
// as the nut drawing gives them.
void Hexagon(double x, double y, double r, double c, int pattern, int plot_filling) {
    const double hy = r / 2.0;
    const double hx[6] = {x + c, x, x - c, x - c, x, x + c};
    const double hyv[6] = {y - hy, y - r, y - hy, y + hy, y + r, y + hy};
    Layer(pattern, plot_filling, 6, hx, hyv);
}

// The thin solid line of the bolt symbols' crosses: in the list 0.035 cm, in
// the plot file pen 3.
void Select_Thin_Solid_Pen(void) {
    ioliplot::Line_Width_Record(0.035);
    Oli_Dash_Pattern(0);
    if (PlotFile_Is_Open()) {
        PlotFile_Set_Pen(3);
        PlotFile_Set_Linetype(0);
    }
}

}  // namespace

void Oli_Hatched_Strip(double x1, double y1, double x2, double y2, double w, int side) {
    Oli_Input_Check check("Oli_Hatched_Strip");
    if (!check.Picture().Point(x1, y1).Point(x2, y2).Length(w).Ok()) return;
    const double theta = Line_Angle(x1, y1, x2, y2), k = 1.41;
    const double s = std::sin(theta), c = std::cos(theta);
    const double q = PI / 4.0;
    double ox = 0.0, oy = 0.0, hx = 0.0, hy = 0.0;
    switch (side) {
    case 0: ox = -w * s, oy = -w * c, hx = k * w * std::sin(theta - q), hy = -k * w * std::cos(theta - q); break;
    case 1: ox = w * s, oy = w * c, hx = k * w * std::sin(theta - q), hy = k * w * std::cos(theta - q); break;
    case 2: ox = w * s, oy = -w * c, hx = k * w * std::sin(theta + q), hy = k * w * std::cos(theta + q); break;
    case 3: ox = -w * s, oy = w * c, hx = k * w * std::sin(theta - q), hy = k * w * std::cos(theta - q); break;
    default: break;
    }
    // The edge runs from the smaller to the larger x (y for an upright
    // edge; downwards on the page in a picture whose y runs down).
    const bool down = S().y_direction == 2;
    if (x1 > x2 + 1e-9 || (std::fabs(x1 - x2) <= 1e-9 && (down ? y1 < y2 : y1 > y2))) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    double cx[4] = {x1, x2, x2 + ox, x1 + ox}, cy[4] = {y1, y2, y2 + oy, y1 + oy};
    const bool has_area = ox != 0.0 || oy != 0.0;

    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.0);
    ioliplot::Dash_Record(2, "0.01 0.55");
    Oli_Fill_Record(45);
    if (has_area && PlotFile_Is_Open()) {
        double tx[4], ty[4], thx = hx, thy = hy, zx = 0.0, zy = 0.0;
        std::copy(cx, cx + 4, tx), std::copy(cy, cy + 4, ty);
        ioliplot::Turn_Points(4, tx, ty);
        ioliplot::Turn(&thx, &thy);
        ioliplot::Turn(&zx, &zy);
        Plot_Hatch(tx, ty, thx - zx, thy - zy, w);
    }
    if (has_area && S().fill_mode) {
        // The plot file has its hatch lines; the area goes to the list only.
        PlotFile_State* plot = PlotFile_Get_State();
        FILE* kept = plot->stream;
        plot->stream = nullptr;
        Oli_Polygon_Record(4, cx, cy);
        plot->stream = kept;
    }
    Oli_Element_End();
}

void Oli_Bolt_Symbol(FILE* /*stream*/, int type, double a, double x, double y, double t) {
    Oli_Input_Check check("Oli_Bolt_Symbol");
    if (!check.Picture().Point(x, y).Length(a).Length(t).Ok()) return;
    const double flip = S().y_direction == 2 ? -1.0 : 1.0;
    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.02);
    switch (type) {
    case 0:
        Box_Layer(1, 4, x - 4.0, y - a / 2.0 - 4.0, x, y + a / 2.0 + 4.0);
        Shank(x - a / 2.0 - 4.0, x - 4.0, y, a);
        Axis(x - 1.5 * a - 4.0, x + a - 4.0, y);
        break;
    case 1:
        Box_Layer(1, 4, x, y - a / 2.0 - 4.0, x + 4.0, y + a / 2.0 + 4.0);
        Shank(x + 4.0, x + 4.0 + a / 2.0, y, a);
        Box_Layer(20, 3, x + 4.0 + a / 2.0, y - a / 2.0 + 0.16 * a, x + 9.0 + a / 2.0, y + a / 2.0 - 0.16 * a);
        Axis(x + 4.0 - a, x + 4.0 + 1.5 * a, y);
        break;
    case 2:
    case 3:
        Hexagon(x, y, a / 2.0, 0.433 * a, 43, 3);
        ioliplot::Line_Width_Record(0.015);
        Oli_Dash_Pattern(0);
        if (type == 3) Hexagon(x, y, a / 4.0, 0.216 * a, 1, 4);
        Oli_Line(x - 0.8 * a, y, x + 0.8 * a, y);
        Oli_Line(x, y - 0.8 * a, x, y + 0.8 * a);
        break;
    case 4:
    case 5: {
        Select_Thin_Solid_Pen();
        const double e = x + a / 2.0 + t;
        Oli_Line(x - a / 2.0, y, e, y);
        Oli_Line(x - a / 4.0, y - a / 4.0, x - a / 4.0, y + a / 4.0);
        Oli_Line(e - a / 4.0, y - a / 4.0, e - a / 4.0, y + a / 4.0);
        if (type == 4) {
            Oli_Line(e - a / 4.0, y + flip * a / 4.0, e, y + flip * a / 2.0);
            Oli_Line(e, y + flip * a / 2.0, e + 0.12 * a, y + flip * 0.38 * a);
        }
        break;
    }
    case 6:
    case 7:
        Select_Thin_Solid_Pen();
        Oli_Line(x, y - 0.6 * a, x, y + 0.6 * a);
        Oli_Line(x - 0.6 * a, y, x + 0.6 * a, y);
        Oli_Fill_Record(64);
        if (PlotFile_Is_Open()) PlotFile_Set_Filling(0);
        Oli_Filled_Circle(x, y, 0.2 * a);
        if (type == 6) {
            Oli_Line(x, y, x + 0.426 * a, y + flip * 0.426 * a);
            Oli_Line(x + 0.426 * a, y + flip * 0.426 * a, x + 0.546 * a, y + flip * 0.246 * a);
        }
        break;
    default:
        break;
    }
    Oli_Element_End();
}
