// Points on lines, lines, circles and their intersections. Two habits run
// through the whole unit and are relied upon by the polygon routines:
//   - a line is held in slope form, its slope taken as 1e100 when it is
//     vertical (|dx| < 1e-5), and two lines are parallel when their slopes
//     differ by less than 1e-5;
//   - whether a point lies within a segment is decided on differences
//     rounded with Round_To_Decimals (5 decimals unless stated), so a point
//     on an end, or beyond it by rounding only, counts as inside.
#include <cassert>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "base/geometry.h"
#include "base/geometry_internal.h"
#include "base/rounding.h"
#include "base/vesk.h"

static const double VERTICAL_TOL = 1e-5;
static const double STEEP = 1e100;

// ---- helpers shared with geometry_polygons.cpp (geometry_internal.h) ------

bool Geo_In_Range(double p, double a, double b, int decimals) {
    if (Round_To_Decimals(a - p, decimals) <= 0.0 && Round_To_Decimals(p - b, decimals) <= 0.0)
        return true;
    return Round_To_Decimals(b - p, decimals) <= 0.0 && Round_To_Decimals(p - a, decimals) <= 0.0;
}

int Geo_Slope_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double *xs, double *ys) {
    bool v1 = -VERTICAL_TOL < x1 - x2 && x1 - x2 < VERTICAL_TOL;
    bool v2 = -VERTICAL_TOL < x3 - x4 && x3 - x4 < VERTICAL_TOL;
    double m1 = v1 ? STEEP : (y2 - y1) / (x2 - x1);
    double m2 = v2 ? STEEP : (y4 - y3) / (x4 - x3);
    double b1 = y1 - m1 * x1, b2 = y3 - m2 * x3;
    if (-VERTICAL_TOL < m1 - m2 && m1 - m2 < VERTICAL_TOL) {
        *xs = *ys = 0.0;
        return 1;
    }
    if (v1) {
        *xs = x1;
        *ys = m2 * x1 + b2;
    } else if (v2) {
        *xs = x3;
        *ys = m1 * x3 + b1;
    } else {
        *xs = (b2 - b1) / (m1 - m2);
        *ys = m1 * *xs + b1;
    }
    return 0;
}

bool Geo_In_Box(double x, double y, double xa, double ya, double xb, double yb, int decimals) {
    return Geo_In_Range(x, xa, xb, decimals) && Geo_In_Range(y, ya, yb, decimals);
}

bool Geo_Same_At(double x1, double y1, double x2, double y2, int decimals) {
    return Round_To_Decimals(x1 - x2, decimals) == 0.0 && Round_To_Decimals(y1 - y2, decimals) == 0.0;
}

// The length of a ray piece long enough to leave any drawing: 1000 times
// the largest coordinate, at least 1000.
static double Ray_Length(std::initializer_list<double> coords) {
    double m = 1000.0;
    for (double c : coords)
        if (std::fabs(c) > m) m = std::fabs(c);
    return 1000.0 * m;
}

// ---- points and lines -----------------------------------------------------

void Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                      double *xo, double *yo) {
    assert(xo != nullptr && yo != nullptr);
    double a = Line_Angle(x1, y1, x2, y2);
    double c = std::cos(a), s = std::sin(a);
    double u = from_end ? x2 * c + y2 * s : x1 * c + y1 * s;
    double v = y1 * c - x1 * s;
    u += d;
    *xo = u * c - v * s;
    *yo = u * s + v * c;
}

int Point_On_Segment_At(double x1, double y1, double x2, double y2, double d, double *xo,
                        double *yo) {
    Point_Along_Line(x1, y1, x2, y2, d, d > 0.0 ? 0 : 1, xo, yo);
    double len = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    return std::fabs(d) > len ? 1 : 0;
}

int Point_On_Line_Test(double x1, double y1, double x2, double y2, double x, double y,
                       int decimals) {
    double ly;
    if (x1 == x2)
        ly = (y1 == y2) ? y2 : (x >= 0.0 ? STEEP : -STEEP);
    else
        ly = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
    return Round_To_Decimals(ly - y, decimals) == 0.0 ? 1 : 0;
}

double *Shift_Line_Parallel(double *x1, double *y1, double *x2, double *y2, double d) {
    assert(x1 && y1 && x2 && y2);
    double a = Line_Angle(*x1, *y1, *x2, *y2);
    double mx = -std::sin(a) * d, my = std::cos(a) * d;
    *x1 += mx;
    *y1 += my;
    *x2 += mx;
    *y2 += my;
    return y2;
}

double Distance_Point_Line(double x, double y, double x1, double y1, double x2, double y2) {
    double len = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    if (!(len > 0.0)) return std::sqrt((x - x1) * (x - x1) + (y - y1) * (y - y1));
    return std::fabs((y2 - y1) * (x - x1) - (x2 - x1) * (y - y1)) / len;
}

// ---- circles --------------------------------------------------------------

int Point_Circle_Relation(double x, double y, double r, double cx, double cy) {
    double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - r;
    if (Round_To_Decimals(std::fabs(d), 5) == 0.0) return 2;
    return Round_To_Decimals(d, 5) < 0.0 ? 1 : 0;
}

static double Clamped_Asin(double v) { return std::asin(v > 1.0 ? 1.0 : (v < -1.0 ? -1.0 : v)); }

int Circle_Lens(double r1, double r2, double d, double *area, double *width, double *chord) {
    double a = 0.0, w = 0.0, c = 0.0;
    int rc = 0;
    const double pi = 3.14159265358979323846;
    if (r1 + r2 - d >= 0.0) {
        rc = 1;
        w = r1 + r2 - d;
        if (r2 >= r1 + d) {
            a = pi * r1 * r1;
            w = c = 2.0 * r1;
        } else if (r1 >= r2 + d) {
            a = pi * r2 * r2;
            w = c = 2.0 * r2;
        } else {
            double s = (r1 + r2 + d) / 2.0;
            double q = s * (s - d) * (s - r1) * (s - r2);
            c = (4.0 / d) * std::sqrt(q > 0.0 ? q : 0.0);
            double a1 = Clamped_Asin(c / (2.0 * r1)), a2 = Clamped_Asin(c / (2.0 * r2));
            double s1 = (2.0 * a1 - std::sin(2.0 * a1)) * r1 * r1 / 2.0;
            double s2 = (2.0 * a2 - std::sin(2.0 * a2)) * r2 * r2 / 2.0;
            // A centre inside the other circle beyond the chord: that
            // circle's part of the lens is its larger segment. The width
            // along the centre line stays r1 + r2 - d: the sagitta of the
            // other circle plus the larger segment's height, which reaches
            // past the small centre by its distance from the chord.
            double reach = std::sqrt(c * c / 4.0 + d * d);
            if (r1 > r2 && r1 > reach)
                s2 = pi * r2 * r2 - s2;
            else if (r2 > r1 && r2 > reach)
                s1 = pi * r1 * r1 - s1;
            a = s1 + s2;
        }
    }
    if (area) *area = a;
    if (width) *width = w;
    if (chord) *chord = c;
    return rc;
}

double Circle_Lens_Area(double r1, double r2, double d) {
    double a;
    Circle_Lens(r1, r2, d, &a, nullptr, nullptr);
    return a;
}

// ---- crossings of lines and segments --------------------------------------

int Intersect_Infinite_Lines(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double *xs, double *ys) {
    assert(xs != nullptr && ys != nullptr);
    return Geo_Slope_Cross(x1, y1, x2, y2, x3, y3, x4, y4, xs, ys);
}

int Intersect_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                       double x4, double y4, double *xs, double *ys) {
    assert(xs != nullptr && ys != nullptr);
    if (Geo_Slope_Cross(x1, y1, x2, y2, x3, y3, x4, y4, xs, ys)) return 0;
    return (Geo_In_Box(*xs, *ys, x1, y1, x2, y2, 5) && Geo_In_Box(*xs, *ys, x3, y3, x4, y4, 5))
               ? 1
               : 0;
}

int Intersect_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double *xs, double *ys) {
    double len = Ray_Length({x1, y1, x2, y2, x3, y3, x4, y4});
    double ex, ey;
    Point_Along_Line(x1, y1, x2, y2, len, 0, &ex, &ey);
    return Intersect_Segments(x1, y1, ex, ey, x3, y3, x4, y4, xs, ys);
}

int Intersect_Line_Segment(double *xs, double *ys, const double lx[2], const double ly[2],
                           const double sx[2], const double sy[2]) {
    assert(xs && ys && lx && ly && sx && sy);
    if (Geo_Slope_Cross(lx[0], ly[0], lx[1], ly[1], sx[0], sy[0], sx[1], sy[1], xs, ys)) {
        double d = Distance_Point_Line(sx[0], sy[0], lx[0], ly[0], lx[1], ly[1]);
        return Round_To_Decimals(d, 8) == 0.0 ? 2 : 0;
    }
    return Geo_In_Box(*xs, *ys, sx[0], sy[0], sx[1], sy[1], 8) ? 1 : 0;
}

int Overlap_Collinear_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                               double x4, double y4, double *xa, double *ya, double *xb,
                               double *yb) {
    assert(xa && ya && xb && yb);
    double ignore_x, ignore_y;
    if (!Geo_Slope_Cross(x1, y1, x2, y2, x3, y3, x4, y4, &ignore_x, &ignore_y)) return 0;
    // Parallel is not enough: two segments on different lines never overlap.
    double off = std::fmax(Distance_Point_Line(x3, y3, x1, y1, x2, y2),
                           Distance_Point_Line(x4, y4, x1, y1, x2, y2));
    if (Round_To_Decimals(off, 5) != 0.0) return 0;
    double lo_x = std::fmax(std::fmin(x1, x2), std::fmin(x3, x4));
    double hi_x = std::fmin(std::fmax(x1, x2), std::fmax(x3, x4));
    double lo_y = std::fmax(std::fmin(y1, y2), std::fmin(y3, y4));
    double hi_y = std::fmin(std::fmax(y1, y2), std::fmax(y3, y4));
    if (Round_To_Decimals(lo_x - hi_x, 5) > 0.0 || Round_To_Decimals(lo_y - hi_y, 5) > 0.0)
        return 0;
    *xa = lo_x;
    *xb = hi_x;
    *ya = lo_y;
    *yb = hi_y;
    return 1;
}

// ---- crossings with circles -----------------------------------------------

int Intersect_Line_Circle(double cx, double cy, double r, const double lx[2], const double ly[2],
                          double xo[2], double yo[2]) {
    assert(lx && ly && xo && yo);
    double a = Line_Angle(lx[0], ly[0], lx[1], ly[1]);
    double c = std::cos(a), s = std::sin(a);
    double uc = cx * c + cy * s, vc = cy * c - cx * s;
    double vl = ly[0] * c - lx[0] * s;
    double h = vc - vl;
    if (Round_To_Decimals(std::fabs(h) - r, 5) > 0.0) return 0;
    double u1 = uc, u2 = uc;
    int rc = 1;
    if (Round_To_Decimals(std::fabs(std::fabs(h) - r), 5) != 0.0) {
        double q = std::sqrt(r * r - h * h);
        u1 = uc + q;
        u2 = uc - q;
        rc = 2;
    }
    xo[0] = u1 * c - vl * s;
    yo[0] = u1 * s + vl * c;
    xo[1] = u2 * c - vl * s;
    yo[1] = u2 * s + vl * c;
    return rc;
}

int Intersect_Segment_Circle(double cx, double cy, double r, const double sx[2],
                             const double sy[2], int keep_ends, double xo[2], double yo[2]) {
    double px[2], py[2];
    int k = Intersect_Line_Circle(cx, cy, r, sx, sy, px, py);
    int count = 0;
    for (int i = 0; i < k; i++) {
        if (!Geo_In_Box(px[i], py[i], sx[0], sy[0], sx[1], sy[1], 5)) continue;
        if (!keep_ends && (Geo_Same_At(px[i], py[i], sx[0], sy[0], 5) ||
                           Geo_Same_At(px[i], py[i], sx[1], sy[1], 5)))
            continue;
        xo[count] = px[i];
        yo[count] = py[i];
        count++;
    }
    if (count == 1) {  // one point: both outputs hold it, as for a touching line
        xo[1] = xo[0];
        yo[1] = yo[0];
    }
    return count;
}

int Intersect_Segment_Circle_All(double cx, double cy, double r, const double sx[2],
                                 const double sy[2], double xo[2], double yo[2]) {
    return Intersect_Segment_Circle(cx, cy, r, sx, sy, 1, xo, yo);
}

int Intersect_Ray_Circle(double cx, double cy, double r, const double sx[2], const double sy[2],
                         double xo[2], double yo[2]) {
    double len = Ray_Length({sx[0], sy[0], sx[1], sy[1], cx, cy, r});
    double ex[2] = {sx[0], 0.0}, ey[2] = {sy[0], 0.0};
    Point_Along_Line(sx[0], sy[0], sx[1], sy[1], len, 0, &ex[1], &ey[1]);
    return Intersect_Segment_Circle_All(cx, cy, r, ex, ey, xo, yo);
}

// ---- crossings with polylines ---------------------------------------------

// Copies the collected points into the caller's arrays (sized by the
// caller for the limit the collector was given); returns the count.
static int Copy_Out(const std::vector<double> &px, const std::vector<double> &py, double xo[],
                    double yo[]) {
    for (size_t i = 0; i < px.size(); i++) {
        xo[i] = px[i];
        yo[i] = py[i];
    }
    return (int)px.size();
}

// Hands the collected points to the caller as ITools_ blocks (freed and
// nulled when there are none); returns the count.
static int Hand_Over(const std::vector<double> &px, const std::vector<double> &py, double **xo,
                     double **yo) {
    assert(xo != nullptr && yo != nullptr);
    int n = (int)px.size();
    if (n == 0) {
        ITools_Free(xo);
        ITools_Free(yo);
        return 0;
    }
    ITools_Copy_Doubles(n, xo, px.data());
    ITools_Copy_Doubles(n, yo, py.data());
    return n;
}

static int Edge_Count(int n, int closed) {
    if (n < 2) return 0;
    return closed ? n : n - 1;
}

static void Polyline_Circle(int n, const double x[], const double y[], double cx, double cy,
                            double r, int limit, std::vector<double> &px,
                            std::vector<double> &py) {
    for (int i = 0; i + 1 < n; i++) {
        // The limit is checked between segments only: a segment adds both
        // of its crossings, so one more point than the limit can come out.
        if (limit > 0 && (int)px.size() >= limit) break;
        const double sx[2] = {x[i], x[i + 1]}, sy[2] = {y[i], y[i + 1]};
        double ox[2], oy[2];
        int k = Intersect_Segment_Circle_All(cx, cy, r, sx, sy, ox, oy);
        for (int j = 0; j < k; j++) {
            px.push_back(ox[j]);
            py.push_back(oy[j]);
        }
    }
}

int Intersect_Polyline_Circle_Alloc(int n, const double x[], const double y[], int /*closed*/,
                                    double cx, double cy, double r, double **xo, double **yo) {
    std::vector<double> px, py;
    Polyline_Circle(n, x, y, cx, cy, r, 0, px, py);
    return Hand_Over(px, py, xo, yo);
}

int Intersect_Polyline_Circle(int n, const double x[], const double y[], int /*closed*/,
                              double cx, double cy, double r, double xo[], double yo[]) {
    std::vector<double> px, py;
    Polyline_Circle(n, x, y, cx, cy, r, 10, px, py);  // at most 11 points
    return Copy_Out(px, py, xo, yo);
}

static void Polyline_Line(int n, const double x[], const double y[], int closed,
                          const double lx[2], const double ly[2], int limit, int dup_decimals,
                          std::vector<double> &px, std::vector<double> &py) {
    int edges = Edge_Count(n, closed);
    for (int i = 0; i < edges; i++) {
        if (limit > 0 && (int)px.size() >= limit) break;
        int j = (i + 1) % n;
        const double sx[2] = {x[i], x[j]}, sy[2] = {y[i], y[j]};
        double qx, qy;
        if (Intersect_Line_Segment(&qx, &qy, lx, ly, sx, sy) != 1) continue;
        if (!px.empty() && Geo_Same_At(qx, qy, px.back(), py.back(), dup_decimals)) continue;
        px.push_back(qx);
        py.push_back(qy);
    }
}

int Intersect_Polyline_Line_Alloc(int n, const double x[], const double y[], int closed,
                                  const double lx[2], const double ly[2], double **xo,
                                  double **yo) {
    std::vector<double> px, py;
    Polyline_Line(n, x, y, closed, lx, ly, 0, 6, px, py);
    return Hand_Over(px, py, xo, yo);
}

int Intersect_Polyline_Line(int n, const double x[], const double y[], int closed,
                            const double lx[2], const double ly[2], double xo[], double yo[]) {
    std::vector<double> px, py;
    Polyline_Line(n, x, y, closed, lx, ly, 10, 5, px, py);
    return Copy_Out(px, py, xo, yo);
}

static void Polyline_Segment(int n, const double x[], const double y[], int closed, double x1,
                             double y1, double x2, double y2, int limit,
                             std::vector<double> &px, std::vector<double> &py) {
    int edges = Edge_Count(n, closed);
    for (int i = 0; i < edges; i++) {
        if (limit > 0 && (int)px.size() >= limit) break;
        int j = (i + 1) % n;
        double qx, qy;
        if (!Intersect_Segments(x[i], y[i], x[j], y[j], x1, y1, x2, y2, &qx, &qy)) continue;
        px.push_back(qx);
        py.push_back(qy);
    }
    // A closed walk meets the start vertex again at its end, computed from
    // another edge and so equal only at the decimals of the range tests.
    if (closed && px.size() >= 2 && Geo_Same_At(px.back(), py.back(), px.front(), py.front(), 5)) {
        px.pop_back();
        py.pop_back();
    }
}

int Intersect_Polyline_Segment_Alloc(int n, const double x[], const double y[], int closed,
                                     double x1, double y1, double x2, double y2, double **xo,
                                     double **yo) {
    std::vector<double> px, py;
    Polyline_Segment(n, x, y, closed, x1, y1, x2, y2, 0, px, py);
    return Hand_Over(px, py, xo, yo);
}

int Intersect_Polyline_Segment(int n, const double x[], const double y[], int closed, double x1,
                               double y1, double x2, double y2, double xo[], double yo[]) {
    std::vector<double> px, py;
    Polyline_Segment(n, x, y, closed, x1, y1, x2, y2, 10, px, py);
    return Copy_Out(px, py, xo, yo);
}

int Intersect_Polylines_Alloc(int n, const double x[], const double y[], int closed, int m,
                              const double bx[], const double by[], int closed_b, double **xo,
                              double **yo) {
    std::vector<double> px, py;
    int edges = Edge_Count(n, closed);
    for (int i = 0; i < edges; i++) {
        int j = (i + 1) % n;
        std::vector<double> ex, ey;
        Polyline_Segment(m, bx, by, closed_b, x[i], y[i], x[j], y[j], 0, ex, ey);
        for (size_t k = 0; k < ex.size(); k++) {
            // A vertex of the first polyline on the second is found from
            // both of its edges, in two roundings.
            if (!px.empty() && Geo_Same_At(px.back(), py.back(), ex[k], ey[k], 5)) continue;
            px.push_back(ex[k]);
            py.push_back(ey[k]);
        }
    }
    return Hand_Over(px, py, xo, yo);
}
