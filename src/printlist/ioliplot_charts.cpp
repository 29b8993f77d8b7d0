// Chart pictures and value diagrams.
//
// A chart's picture is drawn in value coordinates: its scales are the cm
// of paper per value unit, so the caller's curves go in as they are.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/cp850.h"
#include "base/rounding.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_charts.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

using ioliplot::PI;
using ioliplot::S;

namespace {

int chart_drawn = 1;  // the last chart was drawn (or none was begun)

constexpr double kMaxTicks = 1000.0;
constexpr double kValueLimit = 1e15;
constexpr size_t kMaxText = 255;

// Decimals of the tick labels of a step.
int Step_Decimals(double step) {
    if (Round_To_Decimals(step, 2) < 0.1) return 2;
    if (Round_To_Decimals(step, 1) < 1.0) return 1;
    return 0;
}

void Grid_Dash(void) { ioliplot::Dash_Record(2, "0.03 0.05"); }

// The ticks of one axis at -s, -2s, ... above lo and s, 2s, ... below hi;
// `along_x` for the x axis (tick across y), else the y axis.
void Axis_Ticks(const OliChartAxes& a, bool along_x, double ax, double ay) {
    const double step = along_x ? a.x_step : a.y_step;
    if (!(step > 0.0)) return;
    const double lo = along_x ? a.xmin : a.ymin, hi = along_x ? a.xmax : a.ymax;
    const int decimals = Step_Decimals(step);
    ioliplot::Height_Record(0.2);
    auto tick = [&](double v, bool negative) {
        char label[64];
        std::snprintf(label, sizeof label, "%.*f", decimals, v);
        if (along_x) {
            if (negative) {
                if (a.y_orientation != 0) Oli_Text_At_Printf(v, 1.5 * ay, 0, 4, "%s", label);
                else Oli_Text_At_Printf(v, -2.0 * ay, 2, 4, "%s", label);
            } else {
                if (a.y_orientation != 0) Oli_Text_At_Printf(v, -1.5 * ay, 2, 4, "%s", label);
                else Oli_Text_At_Printf(v, -2.0 * ay, 0, 4, "%s", label);
            }
        } else {
            if (a.x_orientation != 1) Oli_Text_At_Printf(1.5 * ax, v, 4, 3, "%s", label);
            else Oli_Text_At_Printf(-1.5 * ax, v, 4, 1, "%s", label);
        }
        ioliplot::Pen_Record(2);
        Oli_Dash_Pattern(0);
        if (along_x) Oli_Line(v, -ay, v, ay);
        else Oli_Line(-ax, v, ax, v);
        if (!a.grid) return;
        ioliplot::Pen_Record(1);
        Grid_Dash();
        if (along_x) Oli_Line(v, a.ymin, v, a.ymax);
        else Oli_Line(a.xmin, v, a.xmax, v);
    };
    for (int k = 1; -k * step > lo; k++) tick(-k * step, true);
    for (int k = 1; k * step < hi; k++) tick(k * step, false);
}

// Ticks an axis of the range would need at the step.
double Tick_Count(double lo, double hi, double step) {
    return step > 0.0 ? (std::fabs(lo) + std::fabs(hi)) / step : 0.0;
}

bool Title_Is_Sound(Oli_Input_Check& check, const char (&title)[100]) {
    check.Require(std::memchr(title, 0, sizeof title) != nullptr, "Titel ohne Ende");
    return check.Ok() && check.Text(title, sizeof title - 1).Ok();
}

}  // namespace

OliChartAxes* Oli_Chart_Axes_Init(OliChartAxes* a) {
    *a = OliChartAxes{};
    a->width = a->height = 5.0;
    for (double& m : a->margin) m = 0.5;
    a->xmax = a->ymax = 100.0;
    a->x_orientation = 1;
    a->y_orientation = 0;
    a->x_step = a->y_step = -1.0;
    return a;
}

int Oli_Chart_Begin(FILE* stream, const OliChartAxes* axes) {
    chart_drawn = 0;
    if (!axes) return 1;
    const OliChartAxes& a = *axes;
    Oli_Input_Check check("Oli_Chart_Begin");
    check.Size(a.width).Size(a.height);
    for (double m : a.margin) check.Size(m);
    check.Number(a.xmin, kValueLimit).Number(a.xmax, kValueLimit).Number(a.ymin, kValueLimit).Number(a.ymax, kValueLimit);
    check.Number(a.x_step, kValueLimit).Number(a.y_step, kValueLimit);
    if (!check.Ok() || !Title_Is_Sound(check, a.x_title) || !Title_Is_Sound(check, a.y_title)) return 1;
    if (Round_To_Decimals(a.xmax - a.xmin, 3) <= 0.0 || Round_To_Decimals(a.ymax - a.ymin, 3) <= 0.0) return 1;
    const double kx = (a.width - a.margin[3] - a.margin[1]) / (a.xmax - a.xmin);
    const double ky = (a.height - a.margin[0] - a.margin[2]) / (a.ymax - a.ymin);
    check.Require(kx > 0.0 && ky > 0.0, "Ränder so breit wie das Diagramm"_cp);
    check.Require(Tick_Count(a.xmin, a.xmax, a.x_step) <= kMaxTicks && Tick_Count(a.ymin, a.ymax, a.y_step) <= kMaxTicks,
                  "mehr als 1000 Teilstriche");
    if (!check.Ok()) return 1;
    chart_drawn = 1;

    double x1 = a.xmin - a.margin[3] / kx, x2 = a.xmax + a.margin[1] / kx;
    double y1 = a.ymin - a.margin[0] / ky, y2 = a.ymax + a.margin[2] / ky;
    if (a.x_orientation != 1) std::swap(x1, x2);
    if (a.y_orientation != 0) std::swap(y1, y2);
    Oli_Grafik_Begin_Plain(stream, x1, y1, x2, y2, kx, ky);
    const double ax = 0.1 / kx, ay = 0.1 / ky;
    const bool fill = S().fill_mode != 0;
    ioliplot::Height_Record(0.25);
    ioliplot::Text_Length_Record(2.0);
    Oli_Dash_Pattern(0);

    Oli_Line(a.xmin, 0.0, a.xmax, 0.0);
    if (fill) {
        const double tx[3] = {a.xmax + 2.0 * ax, a.xmax, a.xmax}, ty[3] = {0.0, -ay, ay};
        Oli_Filled_Triangle(tx, ty);
    }
    if (a.x_orientation == 3) Oli_Text_At_Printf(a.xmax + 3.0 * ax, 0.0, 4, 1, "%s", a.x_title);
    else Oli_Text_At_Printf(a.xmax + 3.0 * ax, 0.0, 4, 3, "%s", a.x_title);
    Axis_Ticks(a, true, ax, ay);

    ioliplot::Pen_Record(2);
    ioliplot::Height_Record(0.25);
    Oli_Dash_Pattern(0);
    Oli_Line(0.0, a.ymin, 0.0, a.ymax);
    if (fill) {
        const double tx[3] = {0.0, -ax, ax}, ty[3] = {a.ymax + 2.0 * ay, a.ymax, a.ymax};
        Oli_Filled_Triangle(tx, ty);
    }
    if (a.y_orientation == 2) Oli_Text_At_Printf(0.0, a.ymax + 2.5 * ay, 0, 4, "%s", a.y_title);
    else Oli_Text_At_Printf(0.0, a.ymax + 2.5 * ay, 2, 4, "%s", a.y_title);
    Axis_Ticks(a, false, ax, ay);
    return 0;
}

void Oli_Grafik_End(void) {
    if (chart_drawn) Safe_Fprintf(S().stream, " -1\n");
}

void Oli_Quick_Curve_Picture(FILE* stream, int n, const double x[], const double y[], int x_switch, int y_switch,
                             double width, double height) {
    if (!chart_drawn) return;
    Oli_Input_Check check("Oli_Quick_Curve_Picture");
    check.Size(width).Size(height).Require(n >= 1 && x && y, "keine Punkte");
    for (int i = 0; check.Ok() && i < n; i++) check.Number(x[i], kValueLimit).Number(y[i], kValueLimit);
    if (!check.Ok()) return;
    const double xlo = std::min(0.0, *std::min_element(x, x + n)), xhi = std::max(0.0, *std::max_element(x, x + n));
    const double ylo = std::min(0.0, *std::min_element(y, y + n)), yhi = std::max(0.0, *std::max_element(y, y + n));
    const double sx = width / (xhi - xlo), sy = height / (yhi - ylo);
    check.Require(xhi > xlo && yhi > ylo && sx > 0.0 && sy > 0.0 && std::isfinite(sx) && std::isfinite(sy),
                  "Kurve ohne Ausdehnung");
    if (!check.Ok()) return;
    Oli_Picture_State& s = *Oli_Get_Picture_State();
    s.stream = stream;
    s.scale_x = sx, s.scale_y = sy;
    s.scale_min = std::min(sx, sy), s.scale_max = std::max(sx, sy);
    s.small_length = 0.3 / s.scale_max;
    s.text_angle = s.rotation = 0.0;
    s.mirror_sign = 1.0;
    double px1 = xlo * sx - 1.0, px2 = xhi * sx + 1.0, py1 = ylo * sy - 1.0, py2 = yhi * sy + 1.0;
    if (x_switch != 1) std::swap(px1, px2);
    if (y_switch != 0) std::swap(py1, py2);
    Safe_Fprintf(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n%d\n", -1);
    Safe_Fprintf(stream, "%lf %lf %lf %lf\n", px1, px2, py1, py2);
    Oli_Line(xlo, 0.0, xhi, 0.0);
    Oli_Line(0.0, ylo, 0.0, yhi);
    for (int i = 0; i + 1 < n; i++) Oli_Line(x[i], y[i], x[i + 1], y[i + 1]);
    Safe_Fprintf(stream, " -1\n");
}

// ---- value diagrams ----------------------------------------------------------------

namespace {

// The tick step of a value span and the decimals of its labels.
void Tick_Step(double span, double* step, int* decimals) {
    double r = span / 2.0;
    int k = 0;
    if (r < 1.0) {
        while (r < 1.0 && k < 1000) r *= 10.0, k++;
    } else if (r >= 10.0) {
        while (r >= 10.0 && -k < 9999) r *= 0.1, k--;
    }
    *decimals = k > 0 ? k : 0;
    *step = (std::trunc(r) + 0.0001) * std::pow(10.0, -k);
}

int Value_Diagram(double left, double bottom, double right, double top, const double* positions,
                  const double* values, int n, const char* title, const char* caption, double h, bool upright_box,
                  const char* writer) {
    Oli_Input_Check check(writer);
    check.Picture().Point(left, bottom).Point(right, top).Size(h);
    check.Text(title, kMaxText).Text(caption, kMaxText);
    check.Require(n >= 2 && n <= 100 && positions && values, "nicht 2 bis 100 Werte");
    if (!check.Ok()) return 0;
    for (int i = 0; i < n; i++) check.Length(positions[i], true).Number(values[i], kValueLimit);
    if (!check.Ok()) return 0;
    const double pmin = *std::min_element(positions, positions + n);
    const double pspan = *std::max_element(positions, positions + n) - pmin;
    const bool with_caption = caption && *caption;
    const double box_left = left + (h - 0.04), box_bottom = bottom + (with_caption ? 1.3 * h : 0.0);
    const double width = right - box_left, height = top - box_bottom;
    check.Require(pspan >= 0.1, "Stellen liegen weniger als 0.1 auseinander");
    if (!check.Require(width >= 0.1 && height >= 0.1, "Kasten zu klein").Ok()) return 0;

    // A working copy: a constant diagram closes on the zero line with its
    // first and last value 0, the caller's values stay as they are.
    std::vector<double> v(values, values + n);
    double vmin = *std::min_element(v.begin(), v.end()), vmax = *std::max_element(v.begin(), v.end());
    if (vmax - vmin <= 1e-5) {
        v.front() = v.back() = 0.0;
        vmin = *std::min_element(v.begin(), v.end()), vmax = *std::max_element(v.begin(), v.end());
    }
    const double vspan = vmax - vmin;
    const bool drawn = vspan > 1e-5;
    const double ky = height / pspan, kx = drawn ? width / vspan : 0.0;
    const bool both = vmin < 0.0 && vmax > 0.0;
    const double zero_x = both ? box_left - kx * vmin : (vmin >= 0.0 ? box_left : right);
    auto y_of = [&](double p) { return box_bottom + (p - pmin) * ky; };
    auto x_of = [&](double value) { return box_left + (value - vmin) * kx; };

    std::vector<double> ax(static_cast<size_t>(n) + 2), ay(static_cast<size_t>(n) + 2);
    ax[0] = zero_x, ay[0] = y_of(positions[0]);
    for (int i = 0; i < n; i++) ax[i + 1] = x_of(v[i]), ay[i + 1] = y_of(positions[i]);
    ax[n + 1] = zero_x, ay[n + 1] = y_of(positions[n - 1]);

    Oli_Element_Begin();
    Oli_Fill_Record(11);
    ioliplot::Line_Width_Record(0.015);
    if (drawn) {
        if (S().fill_mode) Oli_Polygon_Record(n + 2, ax.data(), ay.data());
        Oli_Polyline(n + 2, ax.data(), ay.data());
    }
    ioliplot::Line_Width_Record(0.04);
    Oli_Line(zero_x, ay[0], zero_x, ay[n + 1]);

    ioliplot::Line_Width_Record(0.01);
    Oli_Set_Text_Angle(0.0);
    ioliplot::Text_Style_Record(6);
    ioliplot::Height_Record(0.8 * h);
    // Ticks across the diagram's far end, their labels beyond them.
    const double end_y = std::max(ay[0], ay[n + 1]);
    const double label_y = end_y + 0.06 + 0.4 * h + 0.02;
    if (drawn) {
        double step;
        int decimals;
        Tick_Step(vspan, &step, &decimals);
        // The multiples of the step within the range (about 2 to 20 of
        // them), each where its value stands.
        const double m0 = std::ceil(vmin / step);
        for (int i = 0; i < 1000 && (m0 + i) * step <= vmax; i++) {
            const double m = m0 + i;
            if (m == 0.0) continue;
            const double x = x_of(m * step);
            char label[64];
            std::snprintf(label, sizeof label, "%.*lf", decimals, m * step);
            Oli_Line(x, end_y - 0.06, x, end_y + 0.06);
            Oli_Text_At(x, label_y, label);
        }
        if (both) Oli_Text_At(zero_x, label_y, "0");
    }

    ioliplot::Text_Class_Record(7);
    Oli_Fill_Record(0);
    ioliplot::Text_Mode_Record(1, 0);
    ioliplot::Height_Record(h);
    Oli_Set_Text_Angle(PI / 2.0);
    const double gap = 0.8 * h + 0.04, mid_y = (ay[0] + ay[n + 1]) / 2.0;
    const double title_x = both ? zero_x - gap : (vmin >= 0.0 ? box_left - gap : right + gap);
    if (upright_box) Oli_Text_Box_466(title_x, mid_y, title ? title : "");
    else Oli_Text_At(title_x, mid_y, title ? title : "");
    Oli_Set_Text_Angle(0.0);
    if (with_caption) {
        const double cx = (box_left + right) / 2.0, cy = box_bottom - 0.95 * h;
        if (upright_box) Oli_Text_Box(cx, cy, caption);
        else Oli_Text_At(cx, cy, caption);
    }
    Oli_Element_End();
    return 1;
}

}  // namespace

int Oli_Value_Diagram(double left, double bottom, double right, double top, const double positions[],
                      const double values[], int n, const char* title, const char* caption, double h) {
    return Value_Diagram(left, bottom, right, top, positions, values, n, title, caption, h, false,
                         "Oli_Value_Diagram");
}

int Oli_Value_Diagram_Equidistant(double left, double bottom, double right, double top, double first, double last,
                                  const double values[], int n, const char* title, const char* caption, double h) {
    Oli_Input_Check check("Oli_Value_Diagram_Equidistant");
    check.Require(n >= 2 && n <= 100, "nicht 2 bis 100 Werte");
    if (!check.Picture().Length(first, true).Length(last, true).Ok()) return 0;
    std::vector<double> positions(static_cast<size_t>(n));
    for (int i = 0; i < n; i++) positions[static_cast<size_t>(i)] = first + i * (last - first) / (n - 1);
    return Value_Diagram(left, bottom, right, top, positions.data(), values, n, title, caption, h, true,
                         "Oli_Value_Diagram_Equidistant");
}
