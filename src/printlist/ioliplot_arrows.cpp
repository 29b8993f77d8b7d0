// Arrow symbols of pictures: arrows, labelled arrows, moment arcs, point
// loads and line loads.
//
// Each symbol is one element. A symbol made of arrows (a moment arc, the
// rows of a line load) draws them inside its own element, without an
// element of their own: the bracket keeps one level only.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/geometry.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_arrows.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

using ioliplot::DEGREES;
using ioliplot::PI;
using ioliplot::S;

namespace {

constexpr int kArrowPattern = 55;
constexpr int kMaxArrows = 1000;
constexpr size_t kMaxLabel = 255;

// The points of an arrow's frame turned by angle and moved to the tip.
void Place(double* x, double* y, int n, double tip_x, double tip_y, double angle) {
    Inverse_Transform_Points(x, y, n, 0.0, 0.0, angle, 1.0);
    Inverse_Transform_Points(x, y, n, tip_x, tip_y, 0.0, 1.0);
}

// Vertical and horizontal codes of an arrow's label by the arrow's angle,
// so that the label stands clear of the tail.
void Label_Codes(double angle, int* v, int* h) {
    if (angle < PI / 4.0) *v = 4, *h = 1;
    else if (angle < 3.0 * PI / 4.0) *v = 2, *h = 4;
    else if (angle < 5.0 * PI / 4.0) *v = 4, *h = 3;
    else if (angle < 7.0 * PI / 4.0) *v = 0, *h = 4;
    else *v = 4, *h = 1;
}

// The arrow with its label, inside the caller's element.
void Labelled_Arrow(double x, double y, double angle, double L, double h, double w, int style, double text_height,
                    const char* label) {
    if (angle < 0.0) angle = std::fmod(angle, 2.0 * PI) + 2.0 * PI;
    if (angle >= 2.0 * PI) angle -= 2.0 * PI;  // an angle just below 0 may round up to a whole turn
    ioliplot::Arrow_Shape(x, y, angle, L, h, w, style);
    double px = -L - w, py = 0.0;
    Place(&px, &py, 1, x, y, angle);
    ioliplot::Height_Record(text_height);
    ioliplot::Text_Style_Record(6);
    Oli_Set_Text_Angle(0.0);
    int v, hc;
    Label_Codes(angle, &v, &hc);
    Oli_Text_At_Printf(px, py, v, hc, "%s", label ? label : "");
}

// The common checks of an arrow: picture, tip, angle, sizes.
Oli_Input_Check& Arrow_Checks(Oli_Input_Check& check, double x, double y, double angle, double L, double h,
                              double w) {
    return check.Picture().Point(x, y).Number(angle, 1e6).Length(L).Length(h).Length(w);
}

// A row of load arrows pointing down onto the line (x1, y1)-(x2, y2); the
// length of arrow i is `first + i * step` (turned by sign).
void Arrow_Row(double x1, double y1, double x2, double y2, int n, double first, double step) {
    const double sx = (x2 - x1) / n, sy = (y2 - y1) / n;
    for (int i = 0; i <= n; i++) {
        const double l = first + i * step;
        ioliplot::Arrow_Shape(x1 + i * sx, y1 + i * sy, 1.5 * PI, l, 0.15 * l, 0.15 * l, OLI_ARROW_FILLED);
    }
}

}  // namespace

void ioliplot::Arrow_Shape(double tip_x, double tip_y, double angle, double L, double h, double w, int style) {
    // T, C1, C2, E, H: tip, head corners, tail, head base.
    double x[5] = {0.0, -h, -h, -L, -h}, y[5] = {0.0, -w / 2.0, w / 2.0, 0.0, 0.0};
    Place(x, y, 5, tip_x, tip_y, angle);
    const double tx[3] = {x[0], x[1], x[2]}, ty[3] = {y[0], y[1], y[2]};
    switch (style) {
    case OLI_ARROW_OPEN:
        Oli_Line(x[0], y[0], x[3], y[3]);
        Oli_Line(x[0], y[0], x[1], y[1]);
        Oli_Line(x[0], y[0], x[2], y[2]);
        break;
    case OLI_ARROW_OUTLINED:
        Oli_Line(x[4], y[4], x[3], y[3]);
        Oli_Polyline(3, tx, ty);
        break;
    case OLI_ARROW_FILLED:
        Oli_Fill_Record(kArrowPattern);
        Oli_Line(x[4], y[4], x[3], y[3]);
        if (S().fill_mode) Oli_Filled_Triangle(tx, ty);
        break;
    default:
        break;
    }
}

void Oli_Arrow(double x, double y, double angle, double L, double h, double w, int style) {
    Oli_Input_Check check("Oli_Arrow");
    if (!Arrow_Checks(check, x, y, angle, L, h, w).Ok()) return;
    Oli_Element_Begin();
    if (style >= OLI_ARROW_OPEN && style <= OLI_ARROW_FILLED) ioliplot::Arrow_Shape(x, y, angle, L, h, w, style);
    Oli_Element_End();
}

void Oli_Arrow_Label(double x, double y, double angle, double L, double h, double w, int style,
                     double text_height, const char* label) {
    Oli_Input_Check check("Oli_Arrow_Label");
    if (!Arrow_Checks(check, x, y, angle, L, h, w).Size(text_height).Text(label, kMaxLabel).Ok()) return;
    Oli_Element_Begin();
    Labelled_Arrow(x, y, angle, L, h, w, style >= 0 && style <= 2 ? style : -1, text_height, label);
    Oli_Element_End();
}

void Oli_Arrow_Between(double x1, double y1, double x2, double y2, double h, double w, int style) {
    Oli_Input_Check check("Oli_Arrow_Between");
    if (!check.Picture().Point(x1, y1).Point(x2, y2).Ok()) return;
    Oli_Arrow(x1, y1, std::atan2(y2 - y1, x2 - x1) + PI, std::hypot(x2 - x1, y2 - y1), h, w, style);
}

void Oli_Moment_Arrow(double cx, double cy, double r, double a0, double a1, double h, double w, int style,
                      double text_height, const char* label) {
    Oli_Input_Check check("Oli_Moment_Arrow");
    check.Picture().Point(cx, cy).Length(r, true).Number(a0, 1e6).Number(a1, 1e6).Length(h).Length(w);
    if (!check.Size(text_height).Text(label, kMaxLabel).Ok()) return;
    Oli_Element_Begin();
    Oli_Arc(cx, cy, 2.0 * std::fabs(r), a0 * DEGREES, (a1 - a0) * DEGREES);
    const double along = a1 + PI / 2.0;
    Labelled_Arrow(cx + r * std::cos(a1) + h * std::cos(along), cy + r * std::sin(a1) + h * std::sin(along), along,
                   h, h, w, style >= 0 && style <= 2 ? style : -1, text_height, label);
    Oli_Element_End();
}

// A point load along y (vertical) or x: head at the tip, shaft, label.
static void Load_Arrow(double x, double y, double L, const char* label, bool vertical, const char* writer) {
    Oli_Input_Check check(writer);
    if (!check.Picture().Point(x, y).Length(L, true).Text(label, kMaxLabel).Ok()) return;
    if (S().y_direction == 2) L = -L;
    const double h = 0.15 * L;
    Oli_Element_Begin();
    ioliplot::Pen_Record(2);
    Oli_Dash_Pattern(0);
    Oli_Fill_Record(kArrowPattern);
    if (vertical) {
        Oli_Line(x, y + h, x, y + L);
        const double tx[3] = {x, x + h / 2.0, x - h / 2.0}, ty[3] = {y, y + h, y + h};
        if (S().fill_mode) Oli_Filled_Triangle(tx, ty);
    } else {
        Oli_Line(x + h, y, x + L, y);
        const double tx[3] = {x, x + h, x + h}, ty[3] = {y, y + h / 2.0, y - h / 2.0};
        if (S().fill_mode) Oli_Filled_Triangle(tx, ty);
    }
    ioliplot::Height_Record(0.22);
    ioliplot::Text_Style_Record(6);
    if (vertical) Oli_Text_At_Printf(x, y + L + 1.5 * h, 4, 4, "%s", label ? label : "");
    else Oli_Text_At_Printf(x + L + 1.5 * h, y, 2, 4, "%s", label ? label : "");
    Oli_Element_End();
}

void Oli_Load_Arrow_Vertical(double x, double y, double L, const char* label) {
    Load_Arrow(x, y, L, label, true, "Oli_Load_Arrow_Vertical");
}

void Oli_Load_Arrow_Horizontal(double x, double y, double L, const char* label) {
    Load_Arrow(x, y, L, label, false, "Oli_Load_Arrow_Horizontal");
}

// A line load (uniform: L1 = L2, five arrows a cm; trapezoidal: one every
// two cm) with the line through the tips, the line through the tails and
// the label in a white box between them.
static void Row_Load(double x1, double y1, double x2, double y2, double L1, double L2, double text_height,
                     const char* label, bool trapezoid, const char* writer) {
    Oli_Input_Check check(writer);
    check.Picture().Point(x1, y1).Point(x2, y2).Length(L1, true).Length(L2, true);
    if (!check.Size(text_height).Text(label, kMaxLabel).Ok()) return;
    const double dx = x2 - x1;
    if (dx > -1e-5 && dx < 1e-5) return;
    const Oli_Picture_State& s = S();
    const double per_cm = trapezoid ? 0.5 : 5.0;
    const double count = std::trunc(per_cm * s.scale_max * dx + 0.0001);
    if (!check.Require(count <= kMaxArrows, "mehr als 1000 Lastpfeile").Ok()) return;
    const int n = std::max(2, static_cast<int>(count));
    // In a picture whose y runs down the trapezoid turns its arrows as a
    // whole (the point-load arrows do the same); the uniform load is drawn
    // as given.
    const double sign = trapezoid && s.y_direction == 2 ? -1.0 : 1.0;
    const double first = sign * L1, step = sign * (L2 - L1) / n;

    Oli_Element_Begin();
    ioliplot::Pen_Record(2);
    Oli_Dash_Pattern(0);
    Oli_Fill_Record(kArrowPattern);
    ioliplot::Height_Record(text_height);
    ioliplot::Text_Style_Record(6);
    Arrow_Row(x1, y1, x2, y2, n, first, step);
    Oli_Line(x1, y1, x2, y2);
    Oli_Line(x1, y1 + first, x2, y2 + first + n * step);
    Oli_Fill_Record(0);
    const double after = first + (n + 1) * step;  // the running length after the last arrow
    const double mx = (x1 + x2) / 2.0, my = (y1 + y2 + after) / 2.0;
    const double b = static_cast<double>(std::strlen(label ? label : "")) * text_height / s.scale_max * 0.75;
    const double bh = 1.3 * text_height / s.scale_max;
    Oli_Filled_Rect(mx - b / 2.0, my - bh / 2.0, mx + b / 2.0, my + bh / 2.0);
    Oli_Set_Text_Angle(0.0);
    Oli_Text_At(mx, my, label ? label : "");
    Oli_Element_End();
}

void Oli_Line_Load(double x1, double y1, double x2, double y2, double L, double text_height, const char* label) {
    Row_Load(x1, y1, x2, y2, L, L, text_height, label, false, "Oli_Line_Load");
}

void Oli_Trapezoid_Load(double x1, double y1, double x2, double y2, double L1, double L2, double text_height,
                        const char* label) {
    Row_Load(x1, y1, x2, y2, L1, L2, text_height, label, true, "Oli_Trapezoid_Load");
}
