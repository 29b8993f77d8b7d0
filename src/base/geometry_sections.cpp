// Area properties of a plane region bounded by one closed polygon, by
// Green's theorem over its edges. Each edge i -> j (j = i + 1, the closing
// edge last) contributes its cross term c = x_i*y_j - x_j*y_i; all moments
// are sums of c times a polynomial of the edge's end points, taken about the
// first vertex and shifted back to the frame's axes. The moments are
// signed with the point order on purpose: callers that add and subtract
// holes rely on a clockwise outline giving negated values.
#include <cassert>
#include <cmath>

#include "base/geometry.h"

// Edge sums of one closed polygon taken about its first vertex, the local
// origin (u = x - x[0], v = y - y[0]): twice the signed area, the first
// moments and the second moments of the region in local coordinates. About
// the frame's origin the cross terms of a small polygon far from it are
// large products whose difference is the area, and lose its digits.
struct Local_Sums {
    double x0, y0;          // the local origin
    double a;               // signed area
    double su, sv;          // ∫u dA, ∫v dA
    double suu, svv, suv;   // ∫u² dA, ∫v² dA, ∫uv dA
};

static Local_Sums Sum_Edges(int n, const double x[], const double y[]) {
    Local_Sums m = {};
    if (n < 1) return m;
    assert(x != nullptr && y != nullptr);
    m.x0 = x[0];
    m.y0 = y[0];
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        double ui = x[i] - m.x0, vi = y[i] - m.y0, uj = x[j] - m.x0, vj = y[j] - m.y0;
        double c = ui * vj - uj * vi;
        m.a += c;
        m.su += c * (ui + uj);
        m.sv += c * (vi + vj);
        m.suu += c * (ui * ui + ui * uj + uj * uj);
        m.svv += c * (vi * vi + vi * vj + vj * vj);
        m.suv += c * (ui * vj + 2.0 * ui * vi + 2.0 * uj * vj + uj * vi);
    }
    m.a /= 2.0;
    m.su /= 6.0;
    m.sv /= 6.0;
    m.suu /= 12.0;
    m.svv /= 12.0;
    m.suv /= 24.0;
    return m;
}

int Polygon_Centroid(int n, const double x[], const double y[], double *xs, double *ys) {
    assert(xs != nullptr && ys != nullptr);
    if (n < 1) {
        *xs = *ys = NAN;
        return 0;
    }
    Local_Sums m = Sum_Edges(n, x, y);
    *xs = m.x0 + m.su / m.a;
    *ys = m.y0 + m.sv / m.a;
    return 0;
}

Plane_Point Polygon_Centroid_Point(int n, const double x[], const double y[]) {
    Plane_Point p;
    Polygon_Centroid(n, x, y, &p.x, &p.y);
    return p;
}

double Polygon_Area(int n, const double x[], const double y[]) {
    return std::fabs(Sum_Edges(n, x, y).a);
}

double Polygon_Perimeter(int n, const double x[], const double y[]) {
    double p = 0.0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        p += std::sqrt((x[i] - x[j]) * (x[i] - x[j]) + (y[i] - y[j]) * (y[i] - y[j]));
    }
    return p;
}

// The moments about the frame's axes follow from the local ones by the
// parallel-axis shifts (x = u + x0, y = v + y0).

double Polygon_Moment_Sx(int n, const double x[], const double y[]) {
    Local_Sums m = Sum_Edges(n, x, y);
    return m.sv + m.y0 * m.a;
}

double Polygon_Moment_Sy(int n, const double x[], const double y[]) {
    Local_Sums m = Sum_Edges(n, x, y);
    return m.su + m.x0 * m.a;
}

double Polygon_Inertia_Ix(int n, const double x[], const double y[]) {
    Local_Sums m = Sum_Edges(n, x, y);
    return m.svv + 2.0 * m.y0 * m.sv + m.y0 * m.y0 * m.a;
}

double Polygon_Inertia_Iy(int n, const double x[], const double y[]) {
    Local_Sums m = Sum_Edges(n, x, y);
    return m.suu + 2.0 * m.x0 * m.su + m.x0 * m.x0 * m.a;
}

double Polygon_Inertia_Ixy(int n, const double x[], const double y[]) {
    Local_Sums m = Sum_Edges(n, x, y);
    return m.suv + m.x0 * m.sv + m.y0 * m.su + m.x0 * m.y0 * m.a;
}

int Polygon_Equivalent_Rectangle(int n, double x[], double y[], double *b, double *h,
                                 double *phi) {
    assert(b != nullptr && h != nullptr && phi != nullptr);
    *b = *h = *phi = 0.0;
    double area = Polygon_Area(n, x, y);
    // Without an area there is no centroid: shifting by it would fill the
    // caller's arrays with NaN, so the points stay and the answer is zeros.
    if (n < 1 || !(area > 0.0)) return 0;
    double xs, ys;
    Polygon_Centroid(n, x, y, &xs, &ys);
    for (int i = 0; i < n; i++) {
        x[i] -= xs;
        y[i] -= ys;
    }
    double ix = Polygon_Inertia_Ix(n, x, y);
    double iy = Polygon_Inertia_Iy(n, x, y);
    double ixy = Polygon_Inertia_Ixy(n, x, y);
    // Equal principal moments and no product moment (a square, a regular
    // polygon): every axis is principal; 0/0 used to give NaN here.
    double scale = std::fabs(ix) + std::fabs(iy);
    if (std::fabs(ix - iy) <= 1e-12 * scale && std::fabs(ixy) <= 1e-12 * scale) {
        *h = *b = std::sqrt(area);
        return 0;
    }
    // Equal moments with a product moment: the axes lie at 45 degrees. The
    // sign of a difference that is only rounding noise must not pick the
    // side, so it is taken as +0 and the product moment decides.
    double p;
    if (std::fabs(ix - iy) <= 1e-12 * scale)
        p = (ixy > 0.0 ? 1.0 : -1.0) * std::atan(1.0);
    else
        p = std::atan(2.0 * ixy / (ix - iy)) / 2.0;
    double c2 = std::cos(2.0 * p), s2 = std::sin(2.0 * p);
    double i1 = ((ix - iy) * c2 + (ix + iy)) / 2.0 + ixy * s2;
    double i2 = ((iy - ix) * c2 + (ix + iy)) / 2.0 - ixy * s2;
    *phi = p;
    *h = std::sqrt(area * std::sqrt(i1 / i2));
    *b = area / *h;
    return 0;
}
