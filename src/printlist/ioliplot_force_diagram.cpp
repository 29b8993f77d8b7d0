// Member force diagram of pictures.
//
// The stations are worked in the member's frame (x along the member from
// its start, y the ordinate) and turned back into the world for drawing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/geometry.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_force_diagram.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

using ioliplot::S;

static double* New_Doubles(int n) {
    return static_cast<double*>(ITools_Realloc(nullptr, static_cast<size_t>(n) * sizeof(double), 1));
}

void Oli_Force_Diagram_Init(OliForceDiagram* d, int n) {
    *d = OliForceDiagram{};
    d->fill_pattern = 11;
    d->dashed_fibre = 1;
    d->second_switch = 2;
    d->n = n;
    d->value_scale = 1.0;
    d->label_offset = 0.3;
    d->decimals = 2;
    d->side = 1;
    if (n > 0) {
        d->positions = New_Doubles(n);
        d->values = New_Doubles(n);
    }
}

void Oli_Force_Diagram_Copy(OliForceDiagram* dst, const OliForceDiagram* src) {
    if (dst == src) return;
    double* positions = dst->positions;
    double* values = dst->values;
    if (src->n < 1) {
        ITools_Free(&positions);
        ITools_Free(&values);
    } else {
        const size_t bytes = static_cast<size_t>(src->n) * sizeof(double);
        positions = static_cast<double*>(ITools_Realloc(positions, bytes, 1));
        values = static_cast<double*>(ITools_Realloc(values, bytes, 1));
        if (src->positions) std::memcpy(positions, src->positions, bytes);
        if (src->values) std::memcpy(values, src->values, bytes);
    }
    *dst = *src;
    dst->name[sizeof dst->name - 1] = '\0';  // the name as a string, whatever src held
    dst->positions = positions;
    dst->values = values;
}

void Oli_Force_Diagram_Free(OliForceDiagram* d) {
    ITools_Free(&d->positions);
    ITools_Free(&d->values);
}

// The checks of a diagram before anything is drawn.
static bool Diagram_Is_Sound(const OliForceDiagram& d) {
    Oli_Input_Check check("Oli_Force_Diagram_Draw");
    check.Picture().Point(d.x1, d.y1).Point(d.x2, d.y2);
    check.Require(d.n >= 1 && d.positions && d.values, "keine Stationen");
    check.Number(d.value_scale).Size(d.label_offset, true).Range(d.decimals, 0, 10).Range(d.fill_pattern, -1000000, 64);
    check.Require(std::memchr(d.name, 0, sizeof d.name) != nullptr, "Name ohne Ende");
    if (!check.Ok()) return false;
    for (int i = 0; i < d.n; i++) check.Length(d.positions[i], true).Length(d.value_scale * d.values[i], true);
    return check.Ok();
}

void Oli_Force_Diagram_Draw(const OliForceDiagram* diagram) {
    if (!diagram || !Diagram_Is_Sound(*diagram)) return;
    const OliForceDiagram& d = *diagram;
    const Oli_Picture_State& s = S();
    const double L = std::hypot(d.x2 - d.x1, d.y2 - d.y1);
    if (L * std::fabs(s.scale_y) < 0.1) return;
    const int n = d.n;
    std::vector<double> X(static_cast<size_t>(n) + 2), Y(static_cast<size_t>(n) + 2);  // ordinate ends, P2, P1
    std::vector<double> A(static_cast<size_t>(n)), B(static_cast<size_t>(n)), C(static_cast<size_t>(n)),
        D(static_cast<size_t>(n));  // base and label points
    const double theta = Line_Angle(d.x1, d.y1, d.x2, d.y2);
    X[n] = d.x2, Y[n] = d.y2, X[n + 1] = d.x1, Y[n + 1] = d.y1;
    Transform_Points(&X[n], &Y[n], 2, 0.0, 0.0, theta, 1.0);
    const double sign = d.side ? -1.0 : 1.0, off = d.label_offset / s.scale_y;
    const double sx = X[n + 1], sy = Y[n + 1];  // the start in the member's frame
    for (int i = 0; i < n; i++) {
        const double pos = std::min(d.positions[i], L), v = d.values[i];
        A[i] = sx + pos, B[i] = sy;
        X[i] = A[i], Y[i] = sy + d.value_scale * sign * v;
        C[i] = X[i], D[i] = Y[i] + (v > 0.0 ? sign * off : -sign * off);
    }
    Transform_Points(X.data(), Y.data(), n + 2, 0.0, 0.0, -theta, 1.0);
    Transform_Points(A.data(), B.data(), n, 0.0, 0.0, -theta, 1.0);
    Transform_Points(C.data(), D.data(), n, 0.0, 0.0, -theta, 1.0);

    Oli_Dash_Pattern(0);
    ioliplot::Pen_Record(1);
    if (d.fill_pattern >= 0) Oli_Fill_Record(d.fill_pattern);
    if (s.fill_mode) Oli_Polygon_Record(n + 2, X.data(), Y.data());
    Oli_Polyline(n + 2, X.data(), Y.data());
    const double circle = 0.25 / s.scale_y;
    for (int i = 0; i < n; i++) {
        const double before = i > 0 ? d.values[i] - d.values[i - 1] : 0.0;
        const double after = i + 1 < n ? d.values[i + 1] - d.values[i] : before;
        const bool turns = (before < 0.0) != (after < 0.0);
        Oli_Line(A[i], B[i], X[i], Y[i]);
        if (i == 0 || i == n - 1 || turns) {
            char label[64];
            std::snprintf(label, sizeof label, "%.*f", d.decimals, d.values[i]);
            Oli_Text_Box_Printf(C[i], D[i], 4, 4, "%s", label);
        }
        if (!turns) continue;
        const double mx = (A[i] + X[i]) / 2.0, my = (B[i] + Y[i]) / 2.0;
        Oli_Fill_Record(0);
        Oli_Filled_Circle(mx, my, circle);
        ioliplot::Pen_Record(1);
        Oli_Arc(mx, my, circle, 0.0, 360.0);
        Oli_Text_Box_Printf(mx, my, 4, 4, "%s", d.values[i] < 0.0 ? "-" : "+");
    }
    Oli_Dash_Pattern(0);
    ioliplot::Pen_Record(3);
    Oli_Line(d.x1, d.y1, d.x2, d.y2);
    if (d.dashed_fibre) {
        double fx[2] = {d.x1, d.x2}, fy[2] = {d.y1, d.y2};
        Transform_Points(fx, fy, 2, 0.0, 0.0, theta, 1.0);
        fy[0] -= 0.1 / s.scale_y, fy[1] -= 0.1 / s.scale_y;
        Transform_Points(fx, fy, 2, 0.0, 0.0, -theta, 1.0);
        ioliplot::Pen_Record(1);
        ioliplot::Dash_Record(2, "0.1 0.1");
        Oli_Line(fx[0], fy[0], fx[1], fy[1]);
    }
}
