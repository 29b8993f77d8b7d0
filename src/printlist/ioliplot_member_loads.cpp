// Distributed loads on members given in a y-down frame.
//
// Points are worked in the caller's frame and negated in y only where they
// are drawn. Each arrow is an open arrow from its tail to its tip, as an
// element of its own.
#include <algorithm>
#include <cmath>

#include "printlist/ioliplot.h"
#include "printlist/ioliplot_member_loads.h"
#include "printlist/ioliplot_symbols_internal.h"
#include "printlist/oli_checks.h"

namespace {

enum Ordinate { kAxial, kGlobalX, kGlobalY, kPerpendicular };

constexpr double kMaxStations = 1000.0;

// One open arrow from tail to tip (caller's frame), drawn with y negated;
// nothing for an arrow of no length.
void Arrow(double tail_x, double tail_y, double tip_x, double tip_y, double h, double w) {
    const double dx = tip_x - tail_x, dy = -(tip_y - tail_y);
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0)) return;
    Oli_Element_Begin();
    ioliplot::Arrow_Shape(tip_x, -tip_y, std::atan2(dy, dx), length, h, w, 0);
    Oli_Element_End();
}

void Member_Load(double x1, double y1, double x2, double y2, double q1, double q2, Ordinate kind,
                 const char* writer) {
    Oli_Input_Check check(writer);
    check.Picture().Point(x1, -y1).Point(x2, -y2).Length(q1, true).Length(q2, true);
    if (!check.Ok()) return;
    const double L = std::hypot(x2 - x1, y2 - y1);
    const double stations = std::trunc(kind == kAxial ? L / 300.0 : 0.005 * L);
    if (!check.Require(stations <= kMaxStations, "mehr als 1000 Lastpfeile").Ok()) return;
    // A member shorter than one spacing still shows its load: one station
    // spacing from end to end.
    const int n = std::max(1, static_cast<int>(stations));
    const double s = L / n;
    const double theta = std::atan2(-(y2 - y1), x2 - x1);
    const double c = std::cos(theta), sn = std::sin(theta);
    const double q_step = (q2 - q1) / n;

    Oli_Line(x1, -y1, x2, -y2);
    if (!(L > 0.0)) return;
    if (kind == kAxial) {
        const double h = std::fabs(0.35 * s), w = std::fabs(0.22 * s);
        // n arrows of one spacing each cover the member from end to end.
        for (int i = 0; i < n; i++) {
            const double q = q1 + i * q_step;
            if (q2 == 0.0 && std::fabs(q) <= 1e-6) break;
            const double ax = x1 + i * s * c, ay = y1 - i * s * sn;
            const double bx = ax + s * c, by = ay - s * sn;
            if (q > 0.0) Arrow(ax, ay, bx, by, h, w);
            else Arrow(bx, by, ax, ay, h, w);
        }
        return;
    }
    // The load point of the ordinate q at the member point (px, py).
    auto load_point = [&](double px, double py, double q, double* lx, double* ly) {
        switch (kind) {
        case kGlobalX: *lx = px - q, *ly = py; break;
        case kGlobalY: *lx = px, *ly = py - q; break;
        default: *lx = px - q * sn, *ly = py - q * c; break;
        }
    };
    double ax, ay, bx, by;
    load_point(x1, y1, q1, &ax, &ay);
    load_point(x2, y2, q2, &bx, &by);
    Oli_Line(ax, -ay, bx, -by);
    const double w = kind == kPerpendicular ? std::fabs(0.22 * s) : 0.2 * s;
    for (int i = 0; i <= n; i++) {
        const double q = q1 + i * q_step;
        const double px = x1 + i * s * c, py = y1 - i * s * sn;
        double lx, ly;
        load_point(px, py, q, &lx, &ly);
        Arrow(lx, ly, px, py, std::fabs(0.35 * q), w);
    }
}

}  // namespace

void Oli_Member_Load_Axial(double x1, double y1, double x2, double y2, double q1, double q2) {
    Member_Load(x1, y1, x2, y2, q1, q2, kAxial, "Oli_Member_Load_Axial");
}

void Oli_Member_Load_X(double x1, double y1, double x2, double y2, double q1, double q2) {
    Member_Load(x1, y1, x2, y2, q1, q2, kGlobalX, "Oli_Member_Load_X");
}

void Oli_Member_Load_Y(double x1, double y1, double x2, double y2, double q1, double q2) {
    Member_Load(x1, y1, x2, y2, q1, q2, kGlobalY, "Oli_Member_Load_Y");
}

void Oli_Member_Load_Perpendicular(double x1, double y1, double x2, double y2, double q1, double q2) {
    Member_Load(x1, y1, x2, y2, q1, q2, kPerpendicular, "Oli_Member_Load_Perpendicular");
}
