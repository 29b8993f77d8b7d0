// Circles, rings, arcs, sectors and slots of pictures. The print list gets
// them as polygons and chains of chords on fixed angle grids; the plot file
// gets circles and rings as areas with true arc edges and arcs as groups of
// line entities.
//
// The chord grid of arcs and sectors is walked from angle 0 by repeated
// addition of the step (not as k times the step), so a full circle reaches
// its last grid angle a few units of the last place above 2 pi and leaves
// it to the closing chord.
#include <cassert>
#include <cmath>
#include <vector>

#include "base/rounding.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/plotfile.h"

using ioliplot::PI;
using ioliplot::S;

// Start and end of an arc in radians: start lifted to 0 or above, end
// lifted to the start or above, by whole turns. Angles of more than ten
// thousand turns are first reduced at once, so that no value makes the
// lifting run for ever; false (nothing to draw) for angles that are not
// numbers.
static bool Normalize_Arc(double start_deg, double sweep_deg, double* start, double* end) {
    const double turn = 2.0 * PI, far = 1e4 * turn;
    *start = start_deg * PI / 180.0;
    *end = *start + sweep_deg * PI / 180.0;
    if (!std::isfinite(*start) || !std::isfinite(*end)) return false;
    if (*start < -far) *start = std::fmod(*start, turn);
    while (*start < 0.0) *start += turn;
    if (*start - *end > far) *end = *start - std::fmod(*start - *end, turn);
    while (*end < *start) *end += turn;
    return true;
}

// The grid angles a with start < a <= end, walked from 0 by additions of
// step, at most max_steps of them and only those below limit, up to the
// first a at or beyond end.
static std::vector<double> Grid_Angles(double start, double end, double step, int max_steps,
                                       double limit) {
    std::vector<double> angles;
    double a = 0.0;
    for (int i = 0; i < max_steps && a < limit; i++) {
        if (a > start && a <= end) angles.push_back(a);
        if (Round_To_Decimals(a - end, 5) >= 0.0) break;
        a += step;
    }
    return angles;
}

// count points of a circle on the grid k pi/16 about a paper point, with
// the paper radii rx and ry.
static void Write_Paper_Circle_Points(int count, double ox, double oy, double rx, double ry) {
    FILE* f = S().stream;
    for (int k = 0; k < count; k++) {
        double phi = k * PI / 16.0;
        const double v[2] = {ox + rx * std::cos(phi), oy + ry * std::sin(phi)};
        Safe_Write_Fixed(f, nullptr, v, 2, nullptr);
    }
}

// count points of a circle on the grid k pi/16 about a turned world point,
// each point's coordinates taken times the scale of their axis.
static void Write_World_Circle_Points(int count, double cx, double cy, double r) {
    const Oli_Picture_State& s = S();
    for (int k = 0; k < count; k++) {
        double phi = k * PI / 16.0;
        const double v[2] = {(cx + r * std::cos(phi)) * s.scale_x, (cy + r * std::sin(phi)) * s.scale_y};
        Safe_Write_Fixed(s.stream, nullptr, v, 2, nullptr);
    }
}

// The 32-point polygon of a circle about a turned world point.
static void Write_Circle_Record(double cx, double cy, double r) {
    Safe_Fprintf(S().stream, " 18 %d", 32);
    Write_World_Circle_Points(32, cx, cy, r);
    Safe_Fprintf(S().stream, "\n");
}

void Oli_Filled_Circle(double cx, double cy, double d) {
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    ioliplot::Turn(&cx, &cy);
    double r = d / 2.0;
    Write_Circle_Record(cx, cy, r);
    PlotFile_Circle(cx, cy, r);
}

void Oli_Filled_Circle_Round(double cx, double cy, double d) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    ioliplot::Turn(&cx, &cy);
    double r = d / 2.0, rp = r * s.scale_x;
    Safe_Fprintf(s.stream, " 18 %d", 32);
    Write_Paper_Circle_Points(32, cx * s.scale_x, cy * s.scale_y, rp, rp);
    Safe_Fprintf(s.stream, "\n");
    PlotFile_Circle(cx, cy, r);
}

void Oli_Ring(double cx, double cy, double d_outer, double d_inner) {
    Oli_Picture_State& s = S();
    ioliplot::Extend_Box(cx - d_outer, cy - d_outer);
    ioliplot::Extend_Box(cx + d_outer, cy + d_outer);
    ioliplot::Turn(&cx, &cy);
    double R = d_outer / 2.0, rho = d_inner / 2.0;
    Safe_Fprintf(s.stream, " 18 %d", 66);
    // Both loops closed: 33 points each, the last one on the first.
    for (double radius : {R, rho}) Write_World_Circle_Points(33, cx, cy, radius);
    Safe_Fprintf(s.stream, "\n");
    PlotFile_Ring(cx, cy, R, rho);
}

// The chords of an arc: from its start over the grid angles to its end.
// Each chord goes to draw(previous point, next point).
template <typename Draw>
static void Walk_Arc(double cx, double cy, double d, double start_deg, double sweep_deg, Draw draw) {
    double r = d / 2.0, start, end;
    double step = sweep_deg <= 180.0 ? PI / 32.0 : PI / 16.0;
    if (!Normalize_Arc(start_deg, sweep_deg, &start, &end)) return;
    double px = cx + r * std::cos(start), py = cy + r * std::sin(start);
    // The grid angles below 4 pi.
    for (double a : Grid_Angles(start, end, step, (int)(4.0 * PI / step) + 2, 4.0 * PI)) {
        double qx = cx + r * std::cos(a), qy = cy + r * std::sin(a);
        draw(px, py, qx, qy);
        px = qx, py = qy;
    }
    draw(px, py, cx + r * std::cos(end), cy + r * std::sin(end));
}

void Oli_Arc(double cx, double cy, double d, double start, double sweep) {
    PlotFile_Open_Group();
    Walk_Arc(cx, cy, d, start, sweep,
             [](double x1, double y1, double x2, double y2) { Oli_Line(x1, y1, x2, y2); });
    PlotFile_Close_Group();
}

void Oli_Arc_Lines(double cx, double cy, double d, double start, double sweep) {
    Oli_Picture_State& s = S();
    double tcx = cx, tcy = cy;
    ioliplot::Turn(&tcx, &tcy);
    PlotFile_Open_Group();
    Walk_Arc(cx, cy, d, start, sweep, [&](double x1, double y1, double x2, double y2) {
        ioliplot::Extend_Box(x1, y1);
        ioliplot::Extend_Box(x2, y2);
        // Offsets from the centre, turned and scaled by scale x on both axes:
        // the arc stays circular on paper.
        double ox1 = x1 - cx, oy1 = y1 - cy, ox2 = x2 - cx, oy2 = y2 - cy;
        ioliplot::Turn(&ox1, &oy1);
        ioliplot::Turn(&ox2, &oy2);
        const double v[4] = {tcx * s.scale_x + ox1 * s.scale_x, tcy * s.scale_y + oy1 * s.scale_x,
                             tcx * s.scale_x + ox2 * s.scale_x, tcy * s.scale_y + oy2 * s.scale_x};
        Safe_Write_Fixed(s.stream, " 1 ", v, 4, "\n");
    });
    PlotFile_Close_Group();
}

void Oli_Filled_Sector(double cx, double cy, double d, double start_deg, double sweep_deg) {
    ioliplot::Extend_Box(cx - d, cy - d);
    ioliplot::Extend_Box(cx + d, cy + d);
    double r = d / 2.0, start, end;
    if (!Normalize_Arc(start_deg, sweep_deg, &start, &end)) return;
    std::vector<double> grid = Grid_Angles(start, end, PI / 16.0, 65, HUGE_VAL);
    std::vector<double> x{cx, cx + r * std::cos(start)}, y{cy, cy + r * std::sin(start)};
    for (double a : grid) x.push_back(cx + r * std::cos(a)), y.push_back(cy + r * std::sin(a));
    x.push_back(cx + r * std::cos(end)), y.push_back(cy + r * std::sin(end));
    PlotFile_Open_Group();
    ioliplot::Write_Area_Record((int)x.size(), x.data(), y.data(), "\n");
    PlotFile_Close_Group();
}

// Outline points of a slot: the half circles of diameter min(width,
// height) at both ends, each sampled on the pi/16 grid (17 points per half
// circle when closed is set, 16 otherwise), the first half at the end of
// larger x (or larger y), counter-clockwise.
static void Slot_Points(double cx, double cy, double width, double height, int per_half,
                        std::vector<double>* x, std::vector<double>* y) {
    double r = std::fmin(width, height) / 2.0;
    bool flat = width > height;
    double off = flat ? (width - height) / 2.0 : (height - width) / 2.0;
    double ax = flat ? cx + off : cx, ay = flat ? cy : cy + off;  // first half circle centre
    double bx = flat ? cx - off : cx, by = flat ? cy : cy - off;  // second half circle centre
    double a0 = flat ? -PI / 2.0 : 0.0;
    for (int k = 0; k < per_half; k++) {
        double a = a0 + k * PI / 16.0;
        x->push_back(ax + r * std::cos(a)), y->push_back(ay + r * std::sin(a));
    }
    for (int k = 0; k < per_half; k++) {
        double a = a0 + PI + k * PI / 16.0;
        x->push_back(bx + r * std::cos(a)), y->push_back(by + r * std::sin(a));
    }
}

void Oli_Slot_Outline(double cx, double cy, double width, double height) {
    std::vector<double> x, y;
    Slot_Points(cx, cy, width, height, 17, &x, &y);
    // 16 chords per half circle, the two straight sides between them.
    Oli_Polyline((int)x.size(), x.data(), y.data());
}

void Oli_Filled_Slot(double cx, double cy, double width, double height) {
    std::vector<double> x, y;
    Slot_Points(cx, cy, width, height, width > height ? 16 : 17, &x, &y);
    ioliplot::Write_Area_Record((int)x.size(), x.data(), y.data(), "\n");
}

void Oli_Filled_Polygon_With_Holes(int n, const double x[], const double y[], int holes,
                                   const int counts[], const double hx[], const double hy[],
                                   int circles, const double cx[], const double cy[],
                                   const double areas[]) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    holes = holes > 0 ? holes : 0;
    circles = circles > 0 ? circles : 0;
    assert(holes == 0 || (counts != nullptr && hx != nullptr && hy != nullptr));
    assert(circles == 0 || (cx != nullptr && cy != nullptr && areas != nullptr));
    for (int i = 0; i < n; i++) ioliplot::Extend_Box(x[i], y[i]);
    // Working copies: the caller's points are never touched.
    std::vector<double> ox(x, x + n), oy(y, y + n);
    ioliplot::Turn_Points(n, ox.data(), oy.data());
    ioliplot::Write_Area_Record(n, ox.data(), oy.data(), " \n");
    Oli_Fill_Record(0);

    int total = 0;
    for (int h = 0; h < holes; h++) total += counts[h] > 0 ? counts[h] : 0;
    std::vector<double> tx(hx, hx + total), ty(hy, hy + total);
    int at = 0;
    for (int h = 0; h < holes; h++) {
        int m = counts[h] > 0 ? counts[h] : 0;
        ioliplot::Turn_Points(m, tx.data() + at, ty.data() + at);
        ioliplot::Write_Area_Record(m, tx.data() + at, ty.data() + at, " \n");
        at += m;
    }
    std::vector<double> ccx(circles), ccy(circles), radii(circles);
    for (int c = 0; c < circles; c++) {
        radii[c] = std::sqrt(areas[c] / PI);
        ccx[c] = cx[c], ccy[c] = cy[c];
        ioliplot::Turn(&ccx[c], &ccy[c]);
        Write_Circle_Record(ccx[c], ccy[c], radii[c]);
    }
    PlotFile_Holes_Area(n, ox.data(), oy.data(), holes, counts, tx.data(), ty.data(), circles,
                        ccx.data(), ccy.data(), radii.data());
}
