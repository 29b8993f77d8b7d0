// Area properties of a plane region bounded by one closed polygon, by
// Green's theorem over its edges. Each edge i -> j (j = i + 1, the closing
// edge last) contributes its cross term c = x_i*y_j - x_j*y_i; all moments
// are sums of c times a polynomial of the edge's end points. The moments are
// signed with the point order on purpose: callers that add and subtract
// holes rely on a clockwise outline giving negated values.
#include <cassert>
#include <cmath>

#include "base/geometry.h"

// Cross term of the edge from vertex i to its successor.
static double Edge_Cross(int n, const double x[], const double y[], int i, int *j) {
    *j = (i + 1 < n) ? i + 1 : 0;
    return x[i] * y[*j] - x[*j] * y[i];
}

int Polygon_Centroid(int n, const double x[], const double y[], double *xs, double *ys) {
    assert(xs != nullptr && ys != nullptr);
    double sc = 0.0, sx = 0.0, sy = 0.0;
    for (int i = 0; i < n; i++) {
        int j;
        double c = Edge_Cross(n, x, y, i, &j);
        sc += c;
        sx += (x[i] + x[j]) * c;
        sy += (y[i] + y[j]) * c;
    }
    if (n < 1) {
        *xs = *ys = NAN;
        return 0;
    }
    *xs = sx / (3.0 * sc);
    *ys = sy / (3.0 * sc);
    return 0;
}

Plane_Point Polygon_Centroid_Point(int n, const double x[], const double y[]) {
    Plane_Point p;
    Polygon_Centroid(n, x, y, &p.x, &p.y);
    return p;
}

double Polygon_Area(int n, const double x[], const double y[]) {
    double sc = 0.0;
    for (int i = 0; i < n; i++) {
        int j;
        sc += Edge_Cross(n, x, y, i, &j);
    }
    return std::fabs(sc / 2.0);
}

double Polygon_Perimeter(int n, const double x[], const double y[]) {
    double p = 0.0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        p += std::sqrt((x[i] - x[j]) * (x[i] - x[j]) + (y[i] - y[j]) * (y[i] - y[j]));
    }
    return p;
}

// Sum over the edges of the cross term times term(xi, yi, xj, yj).
template <class Term>
static double Edge_Sum(int n, const double x[], const double y[], Term term) {
    double s = 0.0;
    for (int i = 0; i < n; i++) {
        int j;
        double c = Edge_Cross(n, x, y, i, &j);
        s += c * term(x[i], y[i], x[j], y[j]);
    }
    return s;
}

double Polygon_Moment_Sx(int n, const double x[], const double y[]) {
    return Edge_Sum(n, x, y, [](double, double yi, double, double yj) { return yi + yj; }) / 6.0;
}

double Polygon_Moment_Sy(int n, const double x[], const double y[]) {
    return Edge_Sum(n, x, y, [](double xi, double, double xj, double) { return xi + xj; }) / 6.0;
}

double Polygon_Inertia_Ix(int n, const double x[], const double y[]) {
    return Edge_Sum(n, x, y,
                    [](double, double yi, double, double yj) { return yi * yi + yi * yj + yj * yj; }) /
           12.0;
}

double Polygon_Inertia_Iy(int n, const double x[], const double y[]) {
    return Edge_Sum(n, x, y,
                    [](double xi, double, double xj, double) { return xi * xi + xi * xj + xj * xj; }) /
           12.0;
}

double Polygon_Inertia_Ixy(int n, const double x[], const double y[]) {
    return Edge_Sum(n, x, y,
                    [](double xi, double yi, double xj, double yj) {
                        return xi * yj + 2.0 * xi * yi + 2.0 * xj * yj + xj * yi;
                    }) /
           24.0;
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
