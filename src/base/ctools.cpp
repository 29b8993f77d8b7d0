// Plane and polygon tools: the small geometry kit of the material and
// profile code. Everything works in doubles with an absolute tolerance of
// 1e-6 on coordinates (EPS below) unless a routine says otherwise; those
// tolerances are part of the results callers have seen for years, so they
// are kept. Only whether a polygon has an area at all is judged relative to
// its size: an absolute area threshold would wipe out real polygons drawn
// in large units.
#include "base/ctools.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

static const double EPS = 1e-6;

// Parameter range of a point "on" a segment: a hair beyond both ends.
static const double T_LOW = -1e-6;
static const double T_HIGH = 1.000001;

static double Sign_Of(double v) { return v < 0.0 ? -1.0 : (v > 0.0 ? 1.0 : 0.0); }

// Signed area, summed about the first point so that a small polygon far
// from the origin keeps its digits.
static double Signed_Area(int n, const double *xs, const double *ys) {
    double a = 0.0;
    for (int i = 0; i < n; i++) {
        int j = (i == 0) ? n - 1 : i - 1;
        a += (xs[j] - xs[0]) * (ys[i] - ys[0]) - (xs[i] - xs[0]) * (ys[j] - ys[0]);
    }
    return 0.5 * a;
}

static bool Same_Point(double x1, double y1, double x2, double y2) {
    return std::fabs(x1 - x2) <= EPS && std::fabs(y1 - y2) <= EPS;
}

// ---- lines and small numbers ----------------------------------------------

int Line_Y_At_X(double x1, double y1, double x2, double y2, double x, double *y) {
    assert(y != nullptr);
    double v;
    if (std::fabs(x2 - x1) >= EPS) {
        v = y1 + (x - x1) / (x2 - x1) * (y2 - y1);
    } else if (std::fabs(x - x1) < EPS) {
        v = (y1 + y2) / 2.0;
    } else if (std::fabs(y2 - y1) < EPS) {
        v = y1 + (x - x1);
    } else {
        *y = 0.0;
        return 0;
    }
    *y = v;
    return ((x - x1) * (x2 - x) >= -1e-4 * std::fabs(v)) ? 1 : 0;
}

int Interpolate_Between_Segments(double t1, double xa1, double xb1, double ya1, double yb1,
                                 double t2, double xa2, double xb2, double ya2, double yb2,
                                 double t, double *y, double *x, int mode) {
    assert(y != nullptr && x != nullptr);
    double v1 = 0.0, v2 = 0.0;
    int on1, on2;
    if (mode == 1) {
        on1 = Line_Y_At_X(xa1, ya1, xb1, yb1, *x, &v1);
        on2 = Line_Y_At_X(xa2, ya2, xb2, yb2, *x, &v2);
    } else {
        on1 = Line_Y_At_X(ya1, xa1, yb1, xb1, *y, &v1);
        on2 = Line_Y_At_X(ya2, xa2, yb2, xb2, *y, &v2);
    }
    double v;
    if (std::fabs(t2 - t1) < EPS) {
        if (std::fabs(t - t1) < EPS)
            v = (v1 + v2) / 2.0;
        else if (std::fabs(v2 - v1) < EPS)
            v = v1 + (t - t1);
        else
            return 0;
    } else {
        v = v1 + (t - t1) / (t2 - t1) * (v2 - v1);
    }
    if (!on1 || !on2) return 0;
    if (mode == 1)
        *y = v;
    else
        *x = v;
    return ((t - t1) * (t2 - t) >= -1e-4 * std::fabs(v)) ? 1 : 0;
}

double Sqr(double x) { return x * x; }

double Cube(double x) { return x * x * x; }

double Sign_Tol(double x) {
    if (x < -EPS) return -1.0;
    if (x > EPS) return 1.0;
    return 0.0;
}

double Point_Distance(double x1, double y1, double x2, double y2) {
    double q = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    return q > 0.0 ? std::sqrt(q) : 0.0;
}

double *Swap_Values(double *a, double *b) {
    assert(a != nullptr && b != nullptr);
    double t = *a;
    *a = *b;
    *b = t;
    return a;
}

double Round_To_Step(double x, double step) {
    double s = (step == 0.0) ? 1.0 : 1.0 / step;
    double k = std::trunc(std::fabs(x) * s + 0.5555555555555556);
    return (x < 0.0 ? -1.0 : 1.0) * k / s;
}

double Calc_Drawing_Scale(double w, double h, double W, double H, int exact) {
    double rw = (W > 0.999) ? 100.0 * w / W : 0.0;
    double rh = (H > 0.999) ? 100.0 * h / H : 0.0;
    // Without a usable extent of the space there is nothing to fit into;
    // the old 100/0 gave an infinite factor that callers drew with.
    if (W <= 0.999 && H <= 0.999) return 0.0;
    double n = std::trunc((rw > rh ? rw : rh) + 0.999);
    if (exact) return n >= 1.0 ? 100.0 / n : 0.0;
    static const double series[] = {1, 2, 3, 4, 5, 10, 15, 20, 25, 30};
    double m = 0.0;
    for (double v : series) {
        if (v >= n) {
            m = v;
            break;
        }
    }
    if (m == 0.0) m = std::ceil(n / 5.0) * 5.0;
    return 100.0 / m;
}

int Quadratic_Roots(double p, double q, double *x1, double *x2) {
    assert(x1 != nullptr && x2 != nullptr);
    double d = p * p / 4.0 - q;
    if (d < 0.0) {
        *x1 = *x2 = 0.0;
        return 1;
    }
    double r = std::sqrt(d);
    *x1 = -p / 2.0 + r;
    *x2 = -p / 2.0 - r;
    return 0;
}

double Simpson_Integral(double a, double b, int n, const double *values) {
    if (a == b || n < 1) return 0.0;
    assert(values != nullptr);
    if (n == 1) return values[0];
    if (n == 2) return (values[0] + values[1]) / 2.0;
    int m = ((n - 1) / 2) * 2;
    double h = (b - a) / m;
    double sum = values[0] + values[m];
    for (int i = 1; i < m; i++) sum += (i % 2 ? 4.0 : 2.0) * values[i];
    return h / 3.0 * sum;
}

// ---- points against lines and polygons ------------------------------------

// Distance of (px, py) from the nearest point of the segment 1-2: the foot
// of the perpendicular clamped to the segment. Unlike Point_Segment_Distance
// it has no zone near the second end where a point on the segment is
// measured from the end points instead.
static double Distance_To_Segment(double x1, double y1, double x2, double y2, double px,
                                  double py) {
    double dx = x2 - x1, dy = y2 - y1;
    double l2 = dx * dx + dy * dy;
    double t = (l2 > 0.0) ? ((px - x1) * dx + (py - y1) * dy) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return Point_Distance(x1 + t * dx, y1 + t * dy, px, py);
}

// Even-odd count of the crossings of a ray from (px, py) towards +x with the
// closed polygon: true when odd (inside). A point on the boundary may come
// out either way.
static bool Crossing_Parity(size_t n, const double *xs, const double *ys, double px, double py) {
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if ((ys[i] > py) != (ys[j] > py)) {
            double xc = xs[j] + (py - ys[j]) / (ys[i] - ys[j]) * (xs[i] - xs[j]);
            if (px < xc) inside = !inside;
        }
    }
    return inside;
}

int Point_In_Polygon(int n, const double *xs, const double *ys, double px, double py,
                     double tol) {
    if (n < 1) return 0;
    assert(xs != nullptr && ys != nullptr);
    for (int i = 0; i < n; i++) {
        int j = (i + 1) % n;
        if (Distance_To_Segment(xs[i], ys[i], xs[j], ys[j], px, py) <= tol) return 1;
    }
    return Crossing_Parity((size_t)n, xs, ys, px, py) ? 1 : 0;
}

int Points_Collinear(double x0, double y0, double x1, double y1, double x2, double y2,
                     double tol) {
    auto near = [tol](double ax, double ay, double bx, double by) {
        return std::fabs(ax - bx) < tol && std::fabs(ay - by) < tol;
    };
    if (near(x0, y0, x1, y1) || near(x0, y0, x2, y2) || near(x1, y1, x2, y2)) return 1;
    bool v1 = std::fabs(x1 - x0) < tol;
    bool v2 = std::fabs(x2 - x0) < tol;
    if (v1 || v2) return (v1 && v2) ? 1 : 0;
    double m1 = (y1 - y0) / (x1 - x0);
    double m2 = (y2 - y0) / (x2 - x0);
    return std::fabs(m1 - m2) < tol * 0.01 ? 1 : 0;
}

int Point_On_Segment(double x0, double y0, double x1, double y1, double px, double py,
                     double tol) {
    if (!Points_Collinear(x0, y0, x1, y1, px, py, tol)) return 0;
    double len = Point_Distance(x0, y0, x1, y1);
    double dp = Point_Distance(x0, y0, px, py);
    if (dp <= tol || dp >= len - tol) return 0;
    double t = ((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0)) / (len * len);
    return (t >= T_LOW && t <= T_HIGH) ? 1 : 0;
}

// Whether a signed area counts as none for a polygon whose larger box side
// is extent: the edge sums about a vertex of the polygon round at about
// 1e-16 of extent², so anything within 1e-10 of it is a flat outline, while
// a small but real polygon keeps its area whatever its units.
static bool Zero_Area(double a, double extent) { return std::fabs(a) <= 1e-10 * extent * extent; }

// The larger side of the bounding box of the points.
static double Box_Extent(size_t n, const double *xs, const double *ys) {
    if (n == 0) return 0.0;
    double x0 = xs[0], x1 = xs[0], y0 = ys[0], y1 = ys[0];
    for (size_t i = 1; i < n; i++) {
        x0 = std::min(x0, xs[i]);
        x1 = std::max(x1, xs[i]);
        y0 = std::min(y0, ys[i]);
        y1 = std::max(y1, ys[i]);
    }
    return std::max(x1 - x0, y1 - y0);
}

int Polygon_Measures(int n, const double *xs, const double *ys, double *area, double *xc,
                     double *yc, double *perimeter) {
    std::vector<double> x, y;
    if (n > 0) {
        assert(xs != nullptr && ys != nullptr);
        x.assign(xs, xs + n);
        y.assign(ys, ys + n);
    }
    // Sums about the first point: far from the frame's origin the cross
    // terms would otherwise swallow the area of a small polygon.
    double ox = (n > 0) ? x[0] : 0.0, oy = (n > 0) ? y[0] : 0.0;
    for (int i = 0; i < n; i++) {
        x[i] -= ox;
        y[i] -= oy;
    }
    double a = (n >= 3) ? Signed_Area(n, x.data(), y.data()) : 0.0;
    bool flat = n < 3 || Zero_Area(a, Box_Extent(x.size(), x.data(), y.data()));
    if (!flat && a < 0.0) {  // one point order for everything below
        std::reverse(x.begin(), x.end());
        std::reverse(y.begin(), y.end());
        a = -a;
    }
    if (n > 0) {
        x.push_back(x[0]);
        y.push_back(y[0]);
    }
    double per = 0.0, sx = 0.0, sy = 0.0, mx = 0.0, my = 0.0;
    for (int i = 0; i < n; i++) {
        double c = x[i] * y[i + 1] - x[i + 1] * y[i];
        sx += (x[i] + x[i + 1]) * c;
        sy += (y[i] + y[i + 1]) * c;
        per += Point_Distance(x[i], y[i], x[i + 1], y[i + 1]);
        mx += x[i];
        my += y[i];
    }
    if (flat) {
        a = 0.0;
        if (n > 0) {
            mx /= n;
            my /= n;
        }
    } else {
        mx = sx / (6.0 * a);
        my = sy / (6.0 * a);
    }
    if (area) *area = std::fabs(a);
    if (xc) *xc = mx + ox;
    if (yc) *yc = my + oy;
    if (perimeter) *perimeter = per;
    return flat ? 1 : 0;
}

// ---- offset ---------------------------------------------------------------

// Index of the nearest point before (step -1) or after (step +1) i that
// differs from point i, walking round the closed polygon; -1 when all agree.
static int Distinct_Neighbour(int n, const double *xs, const double *ys, int i, int step) {
    for (int k = 1; k < n; k++) {
        int j = ((i + step * k) % n + n) % n;
        if (!Same_Point(xs[i], ys[i], xs[j], ys[j])) return j;
    }
    return -1;
}

int Offset_Polygon(int n, double *xs, double *ys, double d) {
    if (n < 1) return 1;
    assert(xs != nullptr && ys != nullptr);
    double a = Signed_Area(n, xs, ys);
    if (std::fabs(a) <= EPS) return 1;
    double s = (a > 0.0) ? -1.0 : 1.0;
    std::vector<double> nx(xs, xs + n), ny(ys, ys + n);
    // Coinciding points (a repeated closing point included) are one corner
    // and move together.
    for (int i = 0; i < n; i++) {
        int p = Distinct_Neighbour(n, xs, ys, i, -1);
        int q = Distinct_Neighbour(n, xs, ys, i, +1);
        if (p < 0 || q < 0) return 1;
        double e1x = xs[p] - xs[i], e1y = ys[p] - ys[i];
        double e2x = xs[q] - xs[i], e2y = ys[q] - ys[i];
        double l1 = std::sqrt(e1x * e1x + e1y * e1y);
        double l2 = std::sqrt(e2x * e2x + e2y * e2y);
        double lm = l1 < l2 ? l1 : l2;
        double ax = xs[i] + e1x / l1 * lm, ay = ys[i] + e1y / l1 * lm;
        double bx = xs[i] + e2x / l2 * lm, by = ys[i] + e2y / l2 * lm;
        double dx = bx - ax, dy = by - ay;
        bool flat_x = std::fabs(dx) < EPS, flat_y = std::fabs(dy) < EPS;
        if (flat_x && flat_y) return 1;  // a spike: no bisector direction
        double mx, my;
        if (flat_x) {
            mx = -Sign_Of(dy) * s * d;
            my = 0.0;
        } else if (flat_y) {
            mx = 0.0;
            my = Sign_Of(dx) * s * d;
        } else {
            double lc = std::sqrt(dx * dx + dy * dy);
            mx = -dy / lc * s * d;
            my = dx / lc * s * d;
        }
        nx[i] = xs[i] + mx;
        ny[i] = ys[i] + my;
    }
    for (int i = 0; i < n; i++) {
        xs[i] = nx[i];
        ys[i] = ny[i];
    }
    return 0;
}

// ---- crossings ------------------------------------------------------------

int Intersect_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double *x, double *y) {
    assert(x != nullptr && y != nullptr);
    double d = (y2 - y1) * (x3 - x4) + (y4 - y3) * (x2 - x1);
    if (std::fabs(d) < EPS) {
        *x = *y = 0.0;
        return 1;
    }
    *x = ((x4 - x3) * (x2 * y1 - x1 * y2) + (x2 - x1) * (y4 * x3 - y3 * x4)) / d;
    *y = ((y3 * x4 - y4 * x3) * (y1 - y2) + (y3 - y4) * (x1 * y2 - x2 * y1)) / d;
    return 0;
}

// Parameter of (x, y) along the segment a-b, from y when the segment is
// (nearly) vertical.
static double Segment_Parameter(double xa, double ya, double xb, double yb, double x, double y) {
    if (std::fabs(xb - xa) < EPS) return (y - ya) / (yb - ya);
    return (x - xa) / (xb - xa);
}

int Segment_Crossing_Point(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4, double *x, double *y) {
    assert(x != nullptr && y != nullptr);
    double px, py;
    if (Intersect_Lines(x1, y1, x2, y2, x3, y3, x4, y4, &px, &py)) {
        *x = *y = 0.0;
        return 1;
    }
    double t1 = Segment_Parameter(x1, y1, x2, y2, px, py);
    double t2 = Segment_Parameter(x3, y3, x4, y4, px, py);
    if (t1 < T_LOW || t1 > T_HIGH || t2 < T_LOW || t2 > T_HIGH) return -1;
    *x = px;
    *y = py;
    return 0;
}

double Point_Segment_Distance(double x1, double y1, double x2, double y2, double px, double py) {
    double l2 = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    double d1 = Point_Distance(x1, y1, px, py);
    if (l2 <= 0.0) return d1;
    double len = std::sqrt(l2);
    double t = ((py - y1) * (y2 - y1) + (px - x1) * (x2 - x1)) / l2;
    double foot = t * len;
    if (t >= T_LOW && t <= T_HIGH && foot > EPS && foot < len - 0.001)
        return std::fabs((y2 - y1) * (px - x1) - (x2 - x1) * (py - y1)) / len;
    double d2 = Point_Distance(x2, y2, px, py);
    return d1 < d2 ? d1 : d2;
}

int Intersect_Circles(double x1, double y1, double r1, double x2, double y2, double r2, int side,
                      double *x, double *y) {
    assert(x != nullptr && y != nullptr);
    *x = (x2 - x1) / 2.0;
    *y = (y2 - y1) / 2.0;
    double dd = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    if (dd < 1e-12) return 1;
    double dist = std::sqrt(dd);
    double a = (dd + r1 * r1 - r2 * r2) / (2.0 * dist);
    double h2 = r1 * r1 - a * a;
    if (h2 < 0.0) return 1;
    double ux = (x2 - x1) / dist, uy = (y2 - y1) / dist;
    double px = x1 + a * ux, py = y1 + a * uy;
    double h = std::sqrt(h2);
    if (h < EPS) {
        *x = px;
        *y = py;
    } else if (side) {
        *x = px - h * uy;
        *y = py + h * ux;
    } else {
        *x = px + h * uy;
        *y = py - h * ux;
    }
    return 0;
}

int Segments_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4) {
    if (std::fmax(x1, x2) + EPS < std::fmin(x3, x4) || std::fmax(x3, x4) + EPS < std::fmin(x1, x2))
        return 0;
    if (std::fmax(y1, y2) + EPS < std::fmin(y3, y4) || std::fmax(y3, y4) + EPS < std::fmin(y1, y2))
        return 0;
    double rx = x2 - x1, ry = y2 - y1;
    double sx = x4 - x3, sy = y4 - y3;
    double qx = x3 - x1, qy = y3 - y1;
    double den = rx * sy - ry * sx;
    if (std::fabs(den) < EPS) return 0;
    double t = (qx * sy - qy * sx) / den;
    double u = (qx * ry - qy * rx) / den;
    return (t > EPS && t < 1.0 - EPS && u > EPS && u < 1.0 - EPS) ? 1 : 0;
}

// ---- common area of two polygons ------------------------------------------
//
// The common area is traced from pieces of the two outlines: both are cut
// wherever they meet (crossings, and vertices of one lying on the other);
// a piece of A inside B and a piece of B inside A bound the common area, as
// does a piece both outlines share when they run the same way along it (the
// two areas lie on one side); shared pieces run opposite ways where the two
// only touch. The kept pieces link up into closed loops. Two simple polygons
// have no hole in common, so every loop is an outer outline and runs
// counter-clockwise like the copies it is cut from.

// A closed outline in counter-clockwise order.
struct Clip_Outline {
    std::vector<double> x, y;
};

// Copy of a polygon in counter-clockwise order.
static void Copy_CCW(int n, const double *xs, const double *ys, Clip_Outline &o) {
    o.x.assign(xs, xs + n);
    o.y.assign(ys, ys + n);
    double a = Signed_Area(n, xs, ys);
    if (a < 0.0 && !Zero_Area(a, Box_Extent((size_t)n, xs, ys))) {
        std::reverse(o.x.begin(), o.x.end());
        std::reverse(o.y.begin(), o.y.end());
    }
}

// The outline without points that repeat their predecessor (the closing
// point included).
static Clip_Outline Without_Repeats(const Clip_Outline &o) {
    Clip_Outline r;
    for (size_t i = 0; i < o.x.size(); i++) {
        if (!r.x.empty() && Same_Point(r.x.back(), r.y.back(), o.x[i], o.y[i])) continue;
        r.x.push_back(o.x[i]);
        r.y.push_back(o.y[i]);
    }
    while (r.x.size() > 1 && Same_Point(r.x.front(), r.y.front(), r.x.back(), r.y.back())) {
        r.x.pop_back();
        r.y.pop_back();
    }
    return r;
}

// Parameters t along a-b and u along c-d of the crossing of the two lines;
// false when they are parallel, judged relative to the edge lengths so that
// short edges in small units are not all taken as parallel.
static bool Crossing_Params(double ax, double ay, double bx, double by, double cx, double cy,
                            double dx, double dy, double *t, double *u) {
    double rx = bx - ax, ry = by - ay, sx = dx - cx, sy = dy - cy;
    double den = rx * sy - ry * sx;
    if (!(std::fabs(den) > 1e-12 * std::hypot(rx, ry) * std::hypot(sx, sy))) return false;
    double qx = cx - ax, qy = cy - ay;
    *t = (qx * sy - qy * sx) / den;
    *u = (qx * ry - qy * rx) / den;
    return true;
}

// Whether t lies on a segment of length len, its ends widened by EPS.
static bool Param_Within(double t, double len) {
    double m = EPS / len;
    return t >= -m && t <= 1.0 + m;
}

// The places where the outlines have points: their vertices and their
// crossings, each kept once; a point within EPS of a known one is that one,
// so both outlines are cut at exactly the same coordinates.
struct Clip_Nodes {
    std::vector<double> x, y;
    int At(double px, double py) {
        for (size_t k = 0; k < x.size(); k++)
            if (Same_Point(x[k], y[k], px, py)) return (int)k;
        x.push_back(px);
        y.push_back(py);
        return (int)x.size() - 1;
    }
};

// A piece of an outline between two nodes, in the outline's direction.
struct Clip_Piece {
    int from, to;
};

// Adds every vertex of the outline as a node; returns their node numbers.
static std::vector<int> Vertex_Nodes(const Clip_Outline &o, Clip_Nodes &nodes) {
    std::vector<int> v(o.x.size());
    for (size_t i = 0; i < v.size(); i++) v[i] = nodes.At(o.x[i], o.y[i]);
    return v;
}

// Adds the crossing of every edge of A with every edge of B as a node.
static void Add_Crossings(const Clip_Outline &a, const Clip_Outline &b, Clip_Nodes &nodes) {
    size_t na = a.x.size(), nb = b.x.size();
    for (size_t i = 0; i < na; i++) {
        size_t i2 = (i + 1) % na;
        double la = Point_Distance(a.x[i], a.y[i], a.x[i2], a.y[i2]);
        for (size_t j = 0; j < nb; j++) {
            size_t j2 = (j + 1) % nb;
            double lb = Point_Distance(b.x[j], b.y[j], b.x[j2], b.y[j2]), t, u;
            if (!Crossing_Params(a.x[i], a.y[i], a.x[i2], a.y[i2], b.x[j], b.y[j], b.x[j2], b.y[j2],
                                 &t, &u))
                continue;  // in line: their vertices on each other cut them
            if (!Param_Within(t, la) || !Param_Within(u, lb)) continue;
            nodes.At(a.x[i] + t * (a.x[i2] - a.x[i]), a.y[i] + t * (a.y[i2] - a.y[i]));
        }
    }
}

// Cuts every edge of the outline at the nodes lying on it (within EPS),
// in their order along the edge; returns the pieces round the outline.
static std::vector<Clip_Piece> Cut_Outline(const Clip_Outline &o, const std::vector<int> &vnode,
                                           const Clip_Nodes &nodes) {
    std::vector<Clip_Piece> pieces;
    size_t n = o.x.size();
    for (size_t i = 0; i < n; i++) {
        size_t i2 = (i + 1) % n;
        double x1 = o.x[i], y1 = o.y[i], dx = o.x[i2] - x1, dy = o.y[i2] - y1;
        double l2 = dx * dx + dy * dy;
        std::vector<std::pair<double, int>> on;  // parameter, node
        for (size_t k = 0; k < nodes.x.size(); k++) {
            if ((int)k == vnode[i] || (int)k == vnode[i2]) continue;
            double t = ((nodes.x[k] - x1) * dx + (nodes.y[k] - y1) * dy) / l2;
            if (!(t > 0.0 && t < 1.0)) continue;
            if (Distance_To_Segment(x1, y1, o.x[i2], o.y[i2], nodes.x[k], nodes.y[k]) > EPS)
                continue;
            on.push_back({t, (int)k});
        }
        std::sort(on.begin(), on.end());
        int from = vnode[i];
        for (const auto &p : on) {
            pieces.push_back({from, p.second});
            from = p.second;
        }
        pieces.push_back({from, vnode[i2]});
    }
    return pieces;
}

// Midpoint of a piece lies inside the outline (the pieces not shared with
// the outline never lie on it, save within EPS).
static bool Piece_Inside(const Clip_Piece &p, const Clip_Nodes &nodes, const Clip_Outline &o) {
    double mx = (nodes.x[p.from] + nodes.x[p.to]) / 2.0;
    double my = (nodes.y[p.from] + nodes.y[p.to]) / 2.0;
    return Crossing_Parity(o.x.size(), o.x.data(), o.y.data(), mx, my);
}

// The pieces that bound the common area: those of A inside B, those of B
// inside A, and once each piece the two share in the same direction.
static std::vector<Clip_Piece> Bounding_Pieces(const std::vector<Clip_Piece> &pa,
                                               const std::vector<Clip_Piece> &pb,
                                               const Clip_Nodes &nodes, const Clip_Outline &a,
                                               const Clip_Outline &b) {
    std::set<std::pair<int, int>> in_a, in_b;
    for (const auto &p : pa) in_a.insert({p.from, p.to});
    for (const auto &p : pb) in_b.insert({p.from, p.to});
    std::vector<Clip_Piece> kept;
    for (const auto &p : pa) {
        if (p.from == p.to) continue;
        if (in_b.count({p.from, p.to})) {
            kept.push_back(p);  // shared, same way
        } else if (!in_b.count({p.to, p.from}) && Piece_Inside(p, nodes, b)) {
            kept.push_back(p);
        }
    }
    for (const auto &p : pb) {
        if (p.from == p.to || in_a.count({p.from, p.to}) || in_a.count({p.to, p.from})) continue;
        if (Piece_Inside(p, nodes, a)) kept.push_back(p);
    }
    return kept;
}

// Links the pieces into closed loops of node numbers. Where several pieces
// leave a node (two parts of the area touching at a point) the one turning
// most to the left is taken, which keeps each loop simple. false when a
// piece leads nowhere: the outlines did not close up.
static bool Link_Loops(const std::vector<Clip_Piece> &pieces, const Clip_Nodes &nodes,
                       std::vector<std::vector<int>> &loops) {
    std::vector<std::vector<size_t>> out(nodes.x.size());
    for (size_t k = 0; k < pieces.size(); k++) out[pieces[k].from].push_back(k);
    std::vector<char> used(pieces.size(), 0);
    for (size_t first = 0; first < pieces.size(); first++) {
        if (used[first]) continue;
        used[first] = 1;
        std::vector<int> loop = {pieces[first].from};
        int prev = pieces[first].from, at = pieces[first].to;
        while (at != loop.front()) {
            loop.push_back(at);
            double ix = nodes.x[at] - nodes.x[prev], iy = nodes.y[at] - nodes.y[prev];
            size_t best = pieces.size();
            double best_turn = -10.0;
            for (size_t k : out[at]) {
                if (used[k]) continue;
                int to = pieces[k].to;
                double ox = nodes.x[to] - nodes.x[at], oy = nodes.y[to] - nodes.y[at];
                double turn = std::atan2(ix * oy - iy * ox, ix * ox + iy * oy);
                if (turn > best_turn) {
                    best_turn = turn;
                    best = k;
                }
            }
            if (best == pieces.size()) return false;
            used[best] = 1;
            prev = at;
            at = pieces[best].to;
        }
        loops.push_back(loop);
    }
    return true;
}

// The loop's points without those where the outline runs straight on.
static Clip_Outline Loop_Corners(const std::vector<int> &loop, const Clip_Nodes &nodes) {
    Clip_Outline r;
    for (int k : loop) {
        r.x.push_back(nodes.x[k]);
        r.y.push_back(nodes.y[k]);
    }
    for (bool changed = true; changed && r.x.size() > 3;) {
        changed = false;
        size_t n = r.x.size();
        for (size_t i = 0; i < n; i++) {
            size_t p = (i + n - 1) % n, q = (i + 1) % n;
            double ax = r.x[i] - r.x[p], ay = r.y[i] - r.y[p];
            double bx = r.x[q] - r.x[i], by = r.y[q] - r.y[i];
            if (ax * bx + ay * by <= 0.0) continue;
            // Only points in line to rounding go: a real corner, however
            // flat, is part of the area.
            double chord = Point_Distance(r.x[p], r.y[p], r.x[q], r.y[q]);
            if (Distance_To_Segment(r.x[p], r.y[p], r.x[q], r.y[q], r.x[i], r.y[i]) > 1e-12 * chord)
                continue;
            r.x.erase(r.x.begin() + (long)i);
            r.y.erase(r.y.begin() + (long)i);
            changed = true;
            break;
        }
    }
    return r;
}

// Both outlines cut wherever they meet.
struct Clip_Cut {
    Clip_Nodes nodes;
    std::vector<Clip_Piece> pa, pb;
};

static Clip_Cut Cut_Both(const Clip_Outline &a, const Clip_Outline &b) {
    Clip_Cut c;
    std::vector<int> va = Vertex_Nodes(a, c.nodes), vb = Vertex_Nodes(b, c.nodes);
    Add_Crossings(a, b, c.nodes);
    c.pa = Cut_Outline(a, va, c.nodes);
    c.pb = Cut_Outline(b, vb, c.nodes);
    return c;
}

// Whether the outline lies in the other one within 0.01: its vertices and
// the midpoints of its pieces. Between two places where the outlines meet
// a piece stays on one side, so an edge that leaves through a notch of the
// other and comes back, or runs outside from vertex to vertex, is seen.
static bool Lies_Within(const Clip_Outline &o, const std::vector<Clip_Piece> &pieces,
                        const Clip_Nodes &nodes, const Clip_Outline &other) {
    int n = (int)other.x.size();
    const double *x = other.x.data(), *y = other.y.data();
    for (size_t i = 0; i < o.x.size(); i++)
        if (!Point_In_Polygon(n, x, y, o.x[i], o.y[i], 0.01)) return false;
    for (const Clip_Piece &p : pieces) {
        double mx = (nodes.x[p.from] + nodes.x[p.to]) / 2.0;
        double my = (nodes.y[p.from] + nodes.y[p.to]) / 2.0;
        if (!Point_In_Polygon(n, x, y, mx, my, 0.01)) return false;
    }
    return true;
}

// Traces the common area of two cut outlines into loops (each
// counter-clockwise, no flat ones). false when the pieces do not close up.
static bool Trace_Common_Area(const Clip_Outline &a, const Clip_Outline &b, const Clip_Cut &cut,
                              std::vector<Clip_Outline> &loops) {
    std::vector<std::vector<int>> node_loops;
    if (!Link_Loops(Bounding_Pieces(cut.pa, cut.pb, cut.nodes, a, b), cut.nodes, node_loops))
        return false;
    double extent = std::max(Box_Extent(a.x.size(), a.x.data(), a.y.data()),
                             Box_Extent(b.x.size(), b.x.data(), b.y.data()));
    for (const auto &l : node_loops) {
        Clip_Outline c = Loop_Corners(l, cut.nodes);
        if (c.x.size() < 3) continue;
        double area = Signed_Area((int)c.x.size(), c.x.data(), c.y.data());
        if (area > 0.0 && !Zero_Area(area, extent)) loops.push_back(c);
    }
    return true;
}

// One point list for several loops: each further loop is reached from the
// first point of the first loop and left back to it along the same line,
// so the bridges add nothing to area or moments and an even-odd test sees
// them twice.
static Clip_Outline Join_Loops(const std::vector<Clip_Outline> &loops) {
    Clip_Outline r;
    for (size_t k = 0; k < loops.size(); k++) {
        const Clip_Outline &l = loops[k];
        if (k > 0) {
            r.x.push_back(loops[0].x[0]);
            r.y.push_back(loops[0].y[0]);
        }
        r.x.insert(r.x.end(), l.x.begin(), l.x.end());
        r.y.insert(r.y.end(), l.y.begin(), l.y.end());
        if (k > 0) {
            r.x.push_back(l.x[0]);
            r.y.push_back(l.y[0]);
        }
    }
    return r;
}

int Intersect_Polygons(const double *xa, const double *ya, int na, const double *xb,
                       const double *yb, int nb, double *xs, double *ys, int *count,
                       int maxcount) {
    if (count) *count = 0;
    if (!xa || !ya || !xb || !yb || !xs || !ys || !count || maxcount < 1) return 1;
    for (int i = 0; i < maxcount; i++) xs[i] = ys[i] = 0.0;
    if (na < 3 || nb < 3) return 0;
    Clip_Outline a, b, r;
    Copy_CCW(na, xa, ya, a);
    Copy_CCW(nb, xb, yb, b);
    Clip_Outline ca = Without_Repeats(a), cb = Without_Repeats(b);
    if (ca.x.size() < 3 || cb.x.size() < 3) return 0;
    Clip_Cut cut = Cut_Both(ca, cb);
    // A polygon lying in the other is the answer itself, as given.
    if (Lies_Within(cb, cut.pb, cut.nodes, ca)) {
        r = b;
    } else if (Lies_Within(ca, cut.pa, cut.nodes, cb)) {
        r = a;
    } else {
        std::vector<Clip_Outline> loops;
        if (!Trace_Common_Area(ca, cb, cut, loops)) return 1;
        if (loops.empty()) return 0;
        r = Join_Loops(loops);
    }
    if ((int)r.x.size() > maxcount) return 1;
    for (size_t i = 0; i < r.x.size(); i++) {
        xs[i] = r.x[i];
        ys[i] = r.y[i];
    }
    *count = (int)r.x.size();
    return 0;
}
