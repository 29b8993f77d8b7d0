// Annotated lines of pictures: bar labels, dimension arrows, section lines.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/geometry.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_annotated.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

using ioliplot::PI;
using ioliplot::S;

namespace {

constexpr size_t kMaxText = 255;
// Bar diameters in mm by diameter index (no 10 mm; the last two slots 0).
constexpr int kDiameters[12] = {6, 8, 12, 14, 16, 18, 20, 22, 25, 28, 0, 0};
constexpr const char* kGrades[3] = {"BSt 220/340", "BSt 420S", "BSt 500S"};

const char* Or_Empty(const char* text) { return text ? text : ""; }

// A line through P in the direction a, r/sx and r/sy either side of it.
void Cross_Line(double px, double py, double a, double r) {
    const Oli_Picture_State& s = S();
    const double dx = r * std::cos(a) / s.scale_x, dy = r * std::sin(a) / s.scale_y;
    Oli_Line(px - dx, py - dy, px + dx, py + dy);
}

}  // namespace

void Oli_Rebar_Label(double x1, double y1, double x2, double y2, double u, int grade, int diameter, double spacing,
                     double area, double cover, double v, int bar_number) {
    Oli_Input_Check check("Oli_Rebar_Label");
    check.Picture().Point(x1, y1).Point(x2, y2).Size(u).Range(grade, 0, 2).Range(diameter, 0, 11);
    if (!check.Number(spacing, 1e9).Number(area, 1e9).Number(cover, 1e7).Number(v, 1e9).Ok()) return;
    if ((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1) < 25.0) return;
    const Oli_Picture_State& s = S();
    const double sx = s.scale_x, sy = s.scale_y;
    Oli_Element_Begin();
    ioliplot::Pen_Record(1);
    Oli_Dash_Pattern(0);
    const double theta = Line_Angle(x1, y1, x2, y2), c = std::cos(theta), sn = std::sin(theta);
    Oli_Line(x1 - c * u / sx, y1 - sn * u / sy, x2 + c * u / sx, y2 + sn * u / sy);
    for (const double* p : {&x1, &x2}) {
        const double px = *p, py = p == &x1 ? y1 : y2;
        Oli_Line(px - 6.0 * sn * u / sx, py + 6.0 * c * u / sy, px + 4.4 * sn * u / sx, py - 4.4 * c * u / sy);
    }
    const double r = 1.5 * 0.4 * std::sqrt(2.0) * u;
    Cross_Line(x1, y1, theta + PI / 4.0, r);
    Cross_Line(x2, y2, theta + PI / 4.0, r);
    Oli_Set_Text_Angle(theta);
    ioliplot::Height_Record(2.1 * u);
    ioliplot::Text_Style_Record(6);

    const double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    auto at = [&](double d, double* tx, double* ty) { *tx = mx - sn * d / sy, *ty = my + c * d / sy; };
    char text[256];
    double tx, ty;
    at(1.6 * u, &tx, &ty);
    std::snprintf(text, sizeof text, "%5.2f cm²"_cp, area);
    Oli_Text_At(tx, ty, text);
    at(4.8 * u, &tx, &ty);
    Safe_Fprintf(s.stream, " %d %.1f %.1f %%FONT%%\\%s\n", OLI_REC_SYMBOL, sx * (tx - 8.48 * u / sx), sy * (ty + 1.3 * u / sy),
                 "DURCHM.OCM");
    std::snprintf(text, sizeof text, "   %d/%4.1f", kDiameters[diameter], spacing);
    Oli_Text_At(tx, ty, text);
    ioliplot::Height_Record(1.8 * u);
    at(-1.6 * u, &tx, &ty);
    std::snprintf(text, sizeof text, "C=%.0fcm V=%.0f", cover * 100.0, v);
    Oli_Text_At(tx, ty, text);
    at(-4.0 * u, &tx, &ty);
    if (bar_number >= 1) std::snprintf(text, sizeof text, "%s Nr. %i", kGrades[grade], bar_number);
    else std::snprintf(text, sizeof text, "%s", kGrades[grade]);
    Oli_Text_At(tx, ty, text);
    Oli_Element_End();
}

void Oli_Dimension_Arrows(double x1, double y1, double x2, double y2, const char* upper, const char* lower) {
    Oli_Input_Check check("Oli_Dimension_Arrows");
    if (!check.Picture().Point(x1, y1).Point(x2, y2).Text(upper, kMaxText).Text(lower, kMaxText).Ok()) return;
    upper = Or_Empty(upper), lower = Or_Empty(lower);
    const Oli_Picture_State& s = S();
    const double S_ = s.scale_max;
    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.017);
    const double theta = Line_Angle(x1, y1, x2, y2), c = std::cos(theta), sn = std::sin(theta);
    const double g = *upper ? 0.0 : static_cast<double>(std::strlen(lower)) * 0.25 / (4.0 * S_);
    const double mx = (x1 + x2) / 2.0, my = (y1 + y2) / 2.0;
    Oli_Line(x1, y1, mx - g * c, my - g * sn);
    Oli_Line(mx + g * c, my + g * sn, x2, y2);
    const double r = 0.35 / S_, a = PI / 10.0;
    for (double side : {a, -a}) Oli_Line(x1 + r * std::cos(theta + side), y1 + r * std::sin(theta + side), x1, y1);
    for (double side : {a, -a}) Oli_Line(x2 - r * std::cos(theta + side), y2 - r * std::sin(theta + side), x2, y2);
    Oli_Set_Text_Angle(theta);
    ioliplot::Height_Record(0.25);
    const double d = 0.2 / s.scale_y;
    Oli_Text_At(mx - d * sn, my + d * c, upper);
    if (*upper) Oli_Text_At(mx + d * sn, my - d * c, lower);
    else Oli_Text_At(mx, my, lower);
    Oli_Element_End();
}

void Oli_Section_Line(double x1, double y1, double x2, double y2, double s, const char* first, const char* second) {
    Oli_Input_Check check("Oli_Section_Line");
    check.Picture().Point(x1, y1).Point(x2, y2).Size(s, true);
    if (!check.Text(first, kMaxText).Text(second, kMaxText).Ok()) return;
    const Oli_Picture_State& st = S();
    const double sx = st.scale_x, sy = st.scale_y;
    Oli_Element_Begin();
    ioliplot::Line_Width_Record(0.025);
    ioliplot::Dash_Record(4, "0.2 0.07 0.008 0.07");
    const double theta = Line_Angle(x1, y1, x2, y2), c = std::cos(theta), sn = std::sin(theta);
    const double ax = x1 - 2.0 * s * sn / sx, ay = y1 + 2.0 * s * c / sy;
    const double bx = x2 - 2.0 * s * sn / sx, by = y2 + 2.0 * s * c / sy;
    if (first) Oli_Line(ax, ay, x1, y1);
    Oli_Line(x1, y1, x2, y2);
    if (second) Oli_Line(x2, y2, bx, by);
    double r = 0.26 / st.scale_max;
    if (s > 0.0) r = -r;
    Oli_Fill_Record(64);
    Oli_Dash_Pattern(0);
    const double t60 = PI / 3.0, t120 = 2.0 * PI / 3.0;
    if (first && st.fill_mode) {
        const double tx[3] = {ax, ax + r * std::cos(theta + t120), ax + r * std::cos(theta + t60)};
        const double ty[3] = {ay, ay + r * std::sin(theta + t120), ay + r * std::sin(theta + t60)};
        Oli_Filled_Triangle(tx, ty);
    }
    if (second && st.fill_mode) {
        const double tx[3] = {bx, bx - r * std::cos(theta - t60), bx - r * std::cos(theta - t120)};
        const double ty[3] = {by, by - r * std::sin(theta - t60), by - r * std::sin(theta - t120)};
        Oli_Filled_Triangle(tx, ty);
    }
    ioliplot::Height_Record(0.25);
    ioliplot::Text_Style_Record(6);
    auto letter = [&](const char* text, double px, double py) {
        if (!text || !*text) return;
        double t = (static_cast<double>(std::strlen(text)) + 0.5) * 0.25 / (2.7 * sx);
        if (s < 0.0) t = -t;
        Oli_Text_At(px - t * sn, py + t * c, text);
    };
    letter(first, ax, ay);
    letter(second, bx, by);
    Oli_Element_End();
}
