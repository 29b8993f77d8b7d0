// Polygon operations and table interpolation. These routines use the 1e-5
// tolerance on coordinate differences and Round_To_Decimals at 4 or 5
// decimals for comparisons, unlike the older plane tools of ctools.cpp
// (1e-6); results of the two groups are not meant to be mixed. Scratch
// storage is held in std::vector; only the arrays handed to a caller are
// ITools_ blocks, because the caller gives them back with ITools_Free.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "base/geometry.h"
#include "base/geometry_internal.h"
#include "base/rounding.h"
#include "base/vesk.h"

static const double TOL = 1e-5;

static double Signed_Area(int n, const double x[], const double y[]) {
    double a = 0.0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        a += x[i] * y[j] - x[j] * y[i];
    }
    return a / 2.0;
}

// ---- orientation and tests ------------------------------------------------

void Orient_Polygon(int n, double x[], double y[], int flag) {
    if (n < 1) return;
    assert(x != nullptr && y != nullptr);
    double a = Signed_Area(n, x, y);
    if ((a < 0.0 && (flag & 1)) || (a > 0.0 && !(flag & 1))) {
        std::reverse(x, x + n);
        std::reverse(y, y + n);
    }
}

void Orient_Polygon_CCW(int n, double x[], double y[]) { Orient_Polygon(n, x, y, 1); }

void Orient_Polygon_CW(int n, double x[], double y[]) { Orient_Polygon(n, x, y, 0); }

void Mirror_Polygon_Y(int n, const double x[], const double y[], double h, double xo[],
                      double yo[]) {
    if (n < 1) return;
    for (int i = 0; i < n; i++) {
        xo[i] = x[i];
        yo[i] = h - y[i];
    }
    Orient_Polygon(n, xo, yo, 1);
}

// Sign of the turn from a->b to a->c: 1 left, -1 right, 0 in line.
static int Turn_Sign(double ax, double ay, double bx, double by, double cx, double cy) {
    double t = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    return (t > 0.0) - (t < 0.0);
}

// Whether the segments a-b and c-d have a point in common (touching
// included), by the turn signs alone: no slope, so edges of nearly one
// direction are judged as surely as any others.
static bool Segments_Meet(double ax, double ay, double bx, double by, double cx, double cy,
                          double dx, double dy) {
    return Turn_Sign(ax, ay, bx, by, cx, cy) * Turn_Sign(ax, ay, bx, by, dx, dy) <= 0 &&
           Turn_Sign(cx, cy, dx, dy, ax, ay) * Turn_Sign(cx, cy, dx, dy, bx, by) <= 0;
}

// One pass of the ray count from (px, py) to the far point: the crossing
// count, -2 when the point lies on an edge, or -1 when the ray must be
// turned: it meets a vertex, or an edge of nearly its own slope that the
// slope form cannot place a crossing on.
static int Ray_Count(int n, const double x[], const double y[], double px, double py, double fx,
                     double fy) {
    int count = 0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        double len = std::hypot(x[j] - x[i], y[j] - y[i]);
        double dist = (len > 0.0)
                          ? std::fabs((y[j] - y[i]) * (px - x[i]) - (x[j] - x[i]) * (py - y[i])) / len
                          : std::hypot(px - x[i], py - y[i]);
        if (dist < TOL && Geo_In_Box(px, py, x[i], y[i], x[j], y[j], 5)) return -2;
        double cx, cy;
        if (Geo_Slope_Cross(x[i], y[i], x[j], y[j], px, py, fx, fy, &cx, &cy)) {
            if (Segments_Meet(x[i], y[i], x[j], y[j], px, py, fx, fy)) return -1;
            continue;
        }
        if (!Geo_In_Box(cx, cy, x[i], y[i], x[j], y[j], 5) || !Geo_In_Box(cx, cy, px, py, fx, fy, 5))
            continue;
        if (Geo_Same_At(cx, cy, x[i], y[i], 5) || Geo_Same_At(cx, cy, x[j], y[j], 5)) return -1;
        count++;
    }
    return count;
}

int Point_In_Polygon_Ray(int n, const double x[], const double y[], double px, double py) {
    if (n < 1) return 0;
    assert(x != nullptr && y != nullptr);
    double lx, ly, mx, my;
    Polygon_Bounding_Box(n, x, y, &lx, &ly, &mx, &my);
    if (px < lx - TOL || px > mx + TOL || py < ly - TOL || py > my + TOL) return 0;
    double fx = (2.0 * mx > 1.0) ? 2.0 * mx : 1.0;
    double fy = (2.0 * my > 1.0) ? 2.0 * my : 1.0;
    int count = 0;
    // Each retry steepens the ray; a bounded number keeps a pathological
    // outline from holding the caller forever.
    for (int attempt = 0; attempt < 60; attempt++) {
        count = Ray_Count(n, x, y, px, py, fx, fy);
        if (count == -2) return 2;
        if (count >= 0) break;
        fy *= 2.0;
        if (fy <= py) fy = std::fabs(py) * 2.0 + 1.0;
        count = 0;
    }
    return (count % 2) ? 1 : 0;
}

int Polygon_Bounding_Box(int n, const double x[], const double y[], double *xmin, double *ymin,
                         double *xmax, double *ymax) {
    assert(xmin && ymin && xmax && ymax);
    *xmin = *ymin = 1e100;
    *xmax = *ymax = -1e100;
    for (int i = 0; i < n; i++) {
        *xmin = std::min(*xmin, x[i]);
        *xmax = std::max(*xmax, x[i]);
        *ymin = std::min(*ymin, y[i]);
        *ymax = std::max(*ymax, y[i]);
    }
    return 0;
}

double Extent_In_Direction(int n, const double x[], const double y[], double angle) {
    if (n < 1) return 2e100;
    double c = std::cos(angle), s = std::sin(angle);
    double lo = 1e100, hi = -1e100;
    for (int i = 0; i < n; i++) {
        double u = x[i] * c + y[i] * s;
        lo = std::min(lo, u);
        hi = std::max(hi, u);
    }
    return hi - lo;
}

void Project_Points_On_Line(int n, double x[], double y[], double x1, double y1, double x2,
                            double y2) {
    if (n < 1) return;
    double a = Line_Angle(x1, y1, x2, y2);  // exact pi/2 or 3pi/2 when vertical
    double c = std::cos(a), s = std::sin(a);
    double v = y1 * c - x1 * s;
    for (int i = 0; i < n; i++) {
        double u = x[i] * c + y[i] * s;
        x[i] = u * c - v * s;
        y[i] = u * s + v * c;
    }
}

// ---- making and changing polygons -----------------------------------------

int Regular_Polygon(double r, double xc, double yc, int n, double xo[], double yo[]) {
    if (n < 1) return 0;
    const double pi = 3.14159265358979323846;
    double phi = 2.0 * pi / n;
    // One or two corners enclose no area to match: they sit on the circle.
    double rr = (n >= 3) ? r * std::sqrt(phi / std::sin(phi)) : r;
    for (int i = 0; i < n; i++) {
        xo[i] = xc + rr * std::cos(i * phi);
        yo[i] = yc + rr * std::sin(i * phi);
    }
    return 0;
}

double *Rectangle_Corners(double w, double h, double xc, double yc, double xo[4], double yo[4]) {
    xo[0] = xc - w / 2.0;
    yo[0] = yc - h / 2.0;
    xo[1] = xc + w / 2.0;
    yo[1] = yc - h / 2.0;
    xo[2] = xc + w / 2.0;
    yo[2] = yc + h / 2.0;
    xo[3] = xc - w / 2.0;
    yo[3] = yc + h / 2.0;
    return yo;
}

int Scale_Polygon(int n, double x[], double y[], double factor) {
    if (n < 1) return 0;
    double xs, ys;
    Polygon_Centroid(n, x, y, &xs, &ys);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return 0;  // no area, no centre
    for (int i = 0; i < n; i++) {
        x[i] = xs + (x[i] - xs) * factor;
        y[i] = ys + (y[i] - ys) * factor;
    }
    return 0;
}

int Grow_Polygon_Box(int n, double x[], double y[], double dx, double dy) {
    if (n < 1) return 0;
    double xs, ys;
    Polygon_Centroid(n, x, y, &xs, &ys);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return 0;
    for (int i = 0; i < n; i++) {
        double ex = Round_To_Decimals(x[i] - xs, 4), ey = Round_To_Decimals(y[i] - ys, 4);
        if (ex < 0.0) x[i] -= dx;
        if (ex > 0.0) x[i] += dx;
        if (ey < 0.0) y[i] -= dy;
        if (ey > 0.0) y[i] += dy;
    }
    return 0;
}

int Inflate_Polygon(int n, double x[], double y[], double d) {
    if (n < 3) return 0;
    double xs, ys;
    Polygon_Centroid(n, x, y, &xs, &ys);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return 0;
    std::vector<double> cx(n), cy(n);
    for (int i = 0; i < n; i++) {
        cx[i] = x[i] - xs;
        cy[i] = y[i] - ys;
    }
    for (int i = 0; i < n; i++) {
        int p = (i + n - 1) % n, q = (i + 1) % n;
        double a1 = Line_Angle(cx[i], cy[i], cx[p], cy[p]);
        double a2 = Line_Angle(cx[i], cy[i], cx[q], cy[q]);
        double m = Mean_Direction_Rad(a1, a2);
        double mx = d * std::cos(m), my = d * std::sin(m);
        // The bisector of the smaller angle may point in or out; the copy
        // taken before any vertex moved decides which way is outside. So the
        // move is always outwards, whatever the sign of d.
        if (Point_In_Polygon_Ray(n, cx.data(), cy.data(), cx[i] + mx, cy[i] + my) != 0) {
            mx = -mx;
            my = -my;
        }
        x[i] = cx[i] + mx + xs;
        y[i] = cy[i] + my + ys;
    }
    return 0;
}

int Offset_Polygon_Edges(double x[], double y[], int n, double d) {
    bool open = n < 0;
    int m = open ? -n : n;
    if (m > 99) return m;
    if (!open && n + 1 < 3) return n + 1;
    if (m < 2) return m;
    if (m == 2) open = true;  // two vertices: the moved segment
    int edges = open ? m - 1 : m;
    // Each edge moved parallel: start (ax, ay), end (bx, by), normal (nx, ny).
    std::vector<double> ax(edges), ay(edges), bx(edges), by(edges), nx(edges), ny(edges);
    for (int e = 0; e < edges; e++) {
        int j = (e + 1) % m;
        double dx = x[j] - x[e], dy = y[j] - y[e];
        double len = std::hypot(dx, dy);
        nx[e] = (len > 0.0) ? -dy * d / len : 0.0;
        ny[e] = (len > 0.0) ? dx * d / len : 0.0;
        ax[e] = x[e] + nx[e];
        ay[e] = y[e] + ny[e];
        bx[e] = x[j] + nx[e];
        by[e] = y[j] + ny[e];
    }
    std::vector<double> ox(m), oy(m);
    for (int i = 0; i < m; i++) {
        int in = (i == 0) ? (open ? -1 : edges - 1) : i - 1;  // edge ending at i
        int out = (open && i == m - 1) ? -1 : i;              // edge starting at i
        if (in < 0) {
            ox[i] = ax[out];
            oy[i] = ay[out];
            continue;
        }
        if (out < 0) {
            ox[i] = bx[in];
            oy[i] = by[in];
            continue;
        }
        double cx, cy;
        if (Geo_Slope_Cross(ax[in], ay[in], bx[in], by[in], ax[out], ay[out], bx[out], by[out], &cx,
                            &cy) == 0) {
            ox[i] = cx;
            oy[i] = cy;
        } else {
            // Straight on (or a zero-length edge): the vertex moves with
            // whichever edge has a direction.
            bool has_in = nx[in] != 0.0 || ny[in] != 0.0;
            ox[i] = x[i] + (has_in ? nx[in] : nx[out]);
            oy[i] = y[i] + (has_in ? ny[in] : ny[out]);
        }
    }
    for (int i = 0; i < m; i++) {
        x[i] = ox[i];
        y[i] = oy[i];
    }
    return m;
}

// Moves the vertices marked in keep to the front, in order; returns their
// count.
static int Compact_Vertices(int n, double x[], double y[], const std::vector<char> &keep) {
    int k = 0;
    for (int i = 0; i < n; i++) {
        if (!keep[i]) continue;
        x[k] = x[i];
        y[k] = y[i];
        k++;
    }
    return k;
}

int Drop_Reflex_Vertices(int n, double x[], double y[]) {
    if (n < 1) return 0;
    std::vector<char> keep(n);
    for (int i = 0; i < n; i++) {
        int p = (i + n - 1) % n, q = (i + 1) % n;
        double c = (x[i] - x[p]) * (y[q] - y[i]) - (y[i] - y[p]) * (x[q] - x[i]);
        keep[i] = c >= 0.0;
    }
    return Compact_Vertices(n, x, y, keep);
}

int Drop_Duplicate_Vertices(int n, double x[], double y[]) {
    if (n < 1) return 0;
    std::vector<char> keep(n);
    int kept = 0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1) % n;
        keep[i] = !Geo_Same_At(x[i], y[i], x[j], y[j], 5);
        kept += keep[i];
    }
    if (kept == 0) return 1;  // all one point: that point stays
    return Compact_Vertices(n, x, y, keep);
}

int Count_Self_Crossings(int n, const double x[], const double y[], int closed) {
    if (n < 2) return 0;
    int edges = closed ? n : n - 1;
    int count = 0;
    for (int i = 0; i < edges; i++) {
        int i2 = (i + 1) % n;
        for (int j = i + 1; j < edges; j++) {
            int j2 = (j + 1) % n;
            double cx, cy;
            if (Geo_Slope_Cross(x[i], y[i], x[i2], y[i2], x[j], y[j], x[j2], y[j2], &cx, &cy))
                continue;
            if (!Geo_In_Box(cx, cy, x[i], y[i], x[i2], y[i2], 5) ||
                !Geo_In_Box(cx, cy, x[j], y[j], x[j2], y[j2], 5))
                continue;
            if (Geo_Same_At(cx, cy, x[i], y[i], 5) || Geo_Same_At(cx, cy, x[i2], y[i2], 5)) continue;
            count++;
        }
    }
    return count;
}

int Cut_Polygon_By_Line(int n, const double x[], const double y[], const double lx[2],
                        const double ly[2], int *count, double **xo, double **yo) {
    assert(count && xo && yo && lx && ly);
    *count = 0;
    if (n < 1) return 0;
    double a = Line_Angle(lx[0], ly[0], lx[1], ly[1]);
    double c = std::cos(a), s = std::sin(a);
    std::vector<double> px, py;
    int crossed = 0;
    for (int i = 0; i < n; i++) {
        int j = (i + 1 < n) ? i + 1 : 0;
        if (Round_To_Decimals(c * (y[i] - ly[0]) - s * (x[i] - lx[0]), 4) > 0.0) {
            px.push_back(x[i]);
            py.push_back(y[i]);
        }
        double qx, qy;
        if (Geo_Slope_Cross(lx[0], ly[0], lx[1], ly[1], x[i], y[i], x[j], y[j], &qx, &qy)) continue;
        if (!Geo_In_Box(qx, qy, x[i], y[i], x[j], y[j], 8)) continue;
        px.push_back(qx);
        py.push_back(qy);
        crossed = 1;
    }
    // A notched outline can give more than n + 2 points; the blocks always
    // take all of them.
    size_t cap = std::max<size_t>(n + 2, px.size());
    *xo = (double *)ITools_Realloc(*xo, cap * sizeof(double), 0);
    *yo = (double *)ITools_Realloc(*yo, cap * sizeof(double), 0);
    for (size_t k = 0; k < px.size(); k++) {
        (*xo)[k] = px[k];
        (*yo)[k] = py[k];
    }
    *count = (int)px.size();
    return crossed;
}

// ---- two polygons ---------------------------------------------------------

double Polygon_Length_Inside(int n, const double x[], const double y[], int m, const double bx[],
                             const double by[]) {
    if (n < 2 || m < 3) return 0.0;
    double total = 0.0;
    for (int i = 0; i < n; i++) {
        int i2 = (i + 1) % n;
        double ex = x[i2] - x[i], ey = y[i2] - y[i];
        double len = std::hypot(ex, ey);
        if (!(len > 0.0)) continue;
        std::vector<double> ts = {0.0};
        for (int k = 0; k < m; k++) {
            int k2 = (k + 1) % m;
            double cx, cy;
            if (!Intersect_Segments(x[i], y[i], x[i2], y[i2], bx[k], by[k], bx[k2], by[k2], &cx, &cy))
                continue;
            ts.push_back(std::clamp(((cx - x[i]) * ex + (cy - y[i]) * ey) / (len * len), 0.0, 1.0));
        }
        ts.push_back(1.0);
        // Pieces between crossings in their order along the edge; each is
        // judged by its middle, which also settles pieces that only touch.
        std::sort(ts.begin(), ts.end());
        for (size_t k = 0; k + 1 < ts.size(); k++) {
            double piece = (ts[k + 1] - ts[k]) * len;
            if (Round_To_Decimals(piece, 5) == 0.0) continue;
            double t = (ts[k] + ts[k + 1]) / 2.0;
            if (Point_In_Polygon_Ray(m, bx, by, x[i] + t * ex, y[i] + t * ey) != 0) total += piece;
        }
    }
    return total;
}

int Polygon_Overlap_Raster(int n, const double x[], const double y[], int m, const double bx[],
                           const double by[], double *area, double *xs, double *ys) {
    assert(area && xs && ys);
    *area = 0.0;
    *xs = *ys = -2e100;
    if (n < 1 || m < 1) return 0;
    double x0, y0, x1, y1, u0, v0, u1, v1;
    Polygon_Bounding_Box(n, x, y, &x0, &y0, &x1, &y1);
    Polygon_Bounding_Box(m, bx, by, &u0, &v0, &u1, &v1);
    x0 = std::min(x0, u0);
    y0 = std::min(y0, v0);
    x1 = std::max(x1, u1);
    y1 = std::max(y1, v1);
    double w = x1 - x0, h = y1 - y0;
    if (!(w > 0.0) || !(h > 0.0)) return 0;
    int nx, ny;
    if (w >= h) {
        ny = 100;
        nx = (int)std::min(200.0, 100.0 * w / h);
    } else {
        nx = 100;
        ny = (int)std::min(200.0, 100.0 * h / w);
    }
    double cw = w / nx, ch = h / ny;
    long hits = 0;
    double sx = 0.0, sy = 0.0;
    for (int i = 0; i < nx; i++) {
        double px = x0 + (i + 0.5) * cw;
        for (int j = 0; j < ny; j++) {
            double py = y0 + (j + 0.5) * ch;
            if (Point_In_Polygon_Ray(n, x, y, px, py) == 0) continue;
            if (Point_In_Polygon_Ray(m, bx, by, px, py) == 0) continue;
            hits++;
            sx += px;
            sy += py;
        }
    }
    if (hits == 0) return 0;
    *area = hits * cw * ch;
    *xs = sx / hits;
    *ys = sy / hits;
    return 1;
}

double Polygon_Overlap_Area(int n, const double x[], const double y[], int m, const double bx[],
                            const double by[]) {
    double a, xs, ys;
    Polygon_Overlap_Raster(n, x, y, m, bx, by, &a, &xs, &ys);
    return a;
}

// ---- interpolation and small numbers --------------------------------------

// Linear interpolation over n abscissae X(i) with values Y(i) (Y evaluated
// only for the pair used).
template <class FX, class FY>
static double Interpolate_Pairs(int n, FX X, FY Y, double x, int extend) {
    if (n < 1) return 0.0;
    if (n == 1) return Y(0);
    bool ascending = X(n - 1) >= X(0);
    int k = -1;
    for (int i = 0; i + 1 < n && k < 0; i++) {
        double a = X(i), b = X(i + 1);
        if ((a <= x && x <= b) || (b <= x && x <= a)) k = i;
    }
    if (k < 0) {
        bool before = ascending ? x < X(0) : x > X(0);
        if (before) {
            if (!extend && std::fabs(x - X(0)) > TOL) return Y(0);
            k = 0;
        } else {
            if (!extend && std::fabs(x - X(n - 1)) > TOL) return Y(n - 1);
            k = n - 2;
        }
    }
    double x1 = X(k), x2 = X(k + 1), y1 = Y(k), y2 = Y(k + 1);
    if (std::fabs(y2 - y1) < TOL) return y1;
    if (x1 == x2) return x >= 0.0 ? 1e100 : -1e100;
    return y1 + (x - x1) / (x2 - x1) * (y2 - y1);
}

double Interpolate_Table(const double *table, int n, int stride, double x, int xcol, int ycol,
                         int extend) {
    if (n < 1) return 0.0;
    assert(table != nullptr);
    auto X = [&](int i) { return table[(size_t)i * stride + xcol]; };
    auto Y = [&](int i) { return table[(size_t)i * stride + ycol]; };
    return Interpolate_Pairs(n, X, Y, x, extend);
}

double Interpolate_Table_2D(const double *table, int rows, int cols, double y, double x,
                            int extend) {
    if (rows < 2 || cols < 2) return 0.0;
    assert(table != nullptr);
    // Column j + 1 holds abscissa table[j + 1] and, below it, its values.
    auto X = [&](int j) { return table[j + 1]; };
    auto Y = [&](int j) { return Interpolate_Table(table + cols, rows - 1, cols, y, 0, j + 1, extend); };
    return Interpolate_Pairs(cols - 1, X, Y, x, extend);
}

int Count_Integer_Digits(int v) {
    // Whole-number division: a quotient like 0.999999995 must not round up
    // to 1 and count a tenth digit for 999,999,995.
    int count = 1;
    for (int q = v; q >= 10; q /= 10) count++;
    return count;
}

double Max_Of_Doubles(int n, const double v[]) {
    double m = -1e100;
    for (int i = 0; i < n; i++) m = std::max(m, v[i]);
    return m;
}

double Min_Of_Doubles(int n, const double v[]) {
    double m = 1e100;
    for (int i = 0; i < n; i++) m = std::min(m, v[i]);
    return m;
}

double Mirror_Value(double a, double b) { return 2.0 * b - a; }
