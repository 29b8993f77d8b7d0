// World-to-drawing frame changes and direction angles. Every picture writer
// maps its model through Transform_Points and measures directions with
// Line_Angle, so both keep their historical conventions exactly: the frame
// change turns by -a about the origin before scaling, and Line_Angle answers
// in (-pi/2, 3pi/2] with the 1e-5 vertical tolerance.
#include <cassert>
#include <cmath>

#include "base/geometry.h"
#include "base/rounding.h"

static const double PI = 3.14159265358979323846;
static const double VERTICAL_TOL = 1e-5;

static bool Is_Vertical(double dx) { return -VERTICAL_TOL < dx && dx < VERTICAL_TOL; }

void Transform_Points(double x[], double y[], int n, double x0, double y0, double a, double s) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    double c = std::cos(a), d = std::sin(a);
    for (int i = 0; i < n; i++) {
        double dx = x[i] - x0, dy = y[i] - y0;
        x[i] = (c * dx + d * dy) * s;
        y[i] = (c * dy - d * dx) * s;
    }
}

void Inverse_Transform_Points(double x[], double y[], int n, double x0, double y0, double a,
                              double s) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    double k = 1.0 / s, c = std::cos(a), d = std::sin(a);
    for (int i = 0; i < n; i++) {
        double u = x[i] * k, v = y[i] * k;
        x[i] = c * u - d * v + x0;
        y[i] = d * u + c * v + y0;
    }
}

// Half away from zero, as the pixel grid has always been addressed.
static int Round_Half_Away(double v) {
    return (int)(v >= 0.0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5));
}

void Transform_Points_Int(double x[], double y[], int n, double x0, double y0, double a, double s,
                          int ix[], int iy[]) {
    if (n < 1) return;
    assert(ix != nullptr && iy != nullptr);
    Transform_Points(x, y, n, x0, y0, a, s);
    for (int i = 0; i < n; i++) {
        ix[i] = Round_Half_Away(x[i]);
        iy[i] = Round_Half_Away(y[i]);
    }
}

double Line_Angle(double x1, double y1, double x2, double y2) {
    double dx = x2 - x1;
    if (Is_Vertical(dx)) return (y2 > y1) ? PI / 2.0 : 3.0 * PI / 2.0;
    double t = std::atan((y2 - y1) / dx);
    return (x1 > x2) ? t + PI : t;
}

double Line_Angle_2Pi(double x1, double y1, double x2, double y2) {
    double dx = x2 - x1, dy = y2 - y1;
    if (Is_Vertical(dx)) return (dy > 0.0) ? PI / 2.0 : 3.0 * PI / 2.0;
    if (Is_Vertical(dy)) return (dx > 0.0) ? 0.0 : PI;
    double t = std::atan2(dy, dx);
    return (t < 0.0) ? t + 2.0 * PI : t;
}

double Angle_Between_Lines(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4) {
    double ux = x2 - x1, uy = y2 - y1, wx = x4 - x3, wy = y4 - y3;
    double nn = (ux * ux + uy * uy) * (wx * wx + wy * wy);
    if (!(nn > 0.0)) return 0.0;  // a line without direction
    double q = (ux * wx + uy * wy) / std::sqrt(nn);
    if (q > 1.0) q = 1.0;  // rounding of (anti)parallel lines
    if (q < -1.0) q = -1.0;
    return std::atan2(std::sqrt(1.0 - q * q), q);
}

static bool Negative_When_Rounded_To_Thousandths(double v) { return Round_To_Decimals(v, 3) < 0.0; }

// Brings a far angle near zero before the whole-turn loops, so a huge value
// cannot keep them running; an infinite one is left to the caller's NaN.
static double Near_Zero(double a, double turn) {
    if (a < -100.0 * turn || a > 100.0 * turn) a = std::fmod(a, turn);
    return a;
}

double Mean_Direction_Deg(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b)) return NAN;
    a = Near_Zero(a, 360.0);
    b = Near_Zero(b, 360.0);
    // Both directions into one turn first: 370 is the direction 10, and
    // halving 10 and 370 as they stand would give the opposite direction.
    while (Negative_When_Rounded_To_Thousandths(a)) a += 360.0;
    while (Negative_When_Rounded_To_Thousandths(b)) b += 360.0;
    while (a >= 360.0) a -= 360.0;
    while (b >= 360.0) b -= 360.0;
    double p = a > b ? a : b;
    double q = a > b ? b : a;
    double m = (p + q) / 2.0;
    if (Round_To_Decimals(p - q - 180.0, 3) > 0.0) m -= 180.0;
    while (Negative_When_Rounded_To_Thousandths(m)) m += 360.0;
    return m;
}

double Mean_Direction_Rad(double a, double b) {
    return Mean_Direction_Deg(a * 57.29577951308232, b * 57.29577951308232) *
           0.017453292519943295;
}

double Normalize_Angle_Rad(double a) {
    if (!std::isfinite(a)) return NAN;
    a = Near_Zero(a, 2.0 * PI);
    while (Round_To_Decimals(a, 4) < 0.0) a += 2.0 * PI;
    return a;
}
