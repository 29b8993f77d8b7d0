// Offset of a closed polygon along the bisectors of its corners.
#include "drawings/polyverg.h"

#include <cmath>

#include "platform/msgbox.h"

namespace {

// What the offset of one corner found.
enum Corner_Result { CORNER_OK, CORNER_EDGE_IN, CORNER_EDGE_OUT, CORNER_SPIKE, CORNER_NO_DIRECTION };

// A squared length that is 0 or not a number: the edge has no direction.
bool Zero_Length(double len2) { return !(len2 > 0.0); }

// The offset (ox, oy) of corner (x, y) between the edge from (xp, yp) and
// the edge to (xq, yq). Both zero-length tests come before any division.
Corner_Result Offset_Corner(double xp, double yp, double x, double y, double xq, double yq, double dist,
                            double* ox, double* oy) {
    double e1x = x - xp, e1y = y - yp;
    double l1 = e1x * e1x + e1y * e1y;
    if (Zero_Length(l1)) return CORNER_EDGE_IN;
    double e2x = xq - x, e2y = yq - y;
    double l2 = e2x * e2x + e2y * e2y;
    if (Zero_Length(l2)) return CORNER_EDGE_OUT;
    l1 = std::sqrt(l1);
    l2 = std::sqrt(l2);
    double u1x = e1x / l1, u1y = e1y / l1, u2x = e2x / l2, u2y = e2y / l2;
    if (std::fabs(u1x * u2x + u1y * u2y + 1.0) < 1e-6 && std::fabs(u1y * u2x - u1x * u2y) < 1e-6)
        return CORNER_SPIKE;
    // The sum of the right-hand normals (u.y, -u.x) of both edges.
    double bx = u1y + u2y, by = -u1x - u2x;
    double lb = bx * bx + by * by;
    if (Zero_Length(lb)) return CORNER_NO_DIRECTION;
    lb = std::sqrt(lb);
    double wx = bx / lb, wy = by / lb;
    double pr = u1y * wx - u1x * wy;  // w along the first edge's normal
    if (pr == 0.0) return CORNER_NO_DIRECTION;
    double k = dist / pr;
    *ox = x + k * wx;
    *oy = y + k * wy;
    return CORNER_OK;
}

// The result code of a corner, after its message when `report` is set.
int Corner_Code(Corner_Result r, int n, bool report) {
    switch (r) {
    case CORNER_OK: return 0;
    case CORNER_EDGE_IN:
        if (report) PrintMessage("Fehler polyverg_d 2_1");
        return 2;
    case CORNER_EDGE_OUT:
        if (report) PrintMessage("Fehler polyverg_d 2_2, NP= %d", n);
        return 2;
    case CORNER_SPIKE: return 3;
    case CORNER_NO_DIRECTION:
        if (report) PrintMessage("Fehler polyverg_d -1");
        return -1;
    }
    return -1;
}

// Half away from zero, held within the int range; a value that is not a
// number gives 0.
int Round_Half_Away(double v) {
    if (!(std::fabs(v) < 2.0e9)) return std::isnan(v) ? 0 : (v > 0 ? 2000000000 : -2000000000);
    return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5);
}

template <typename T, typename Store>
int Offset(int n, const T* x, const T* y, double dist, T* xo, T* yo, bool report, Store store) {
    if (n <= 0) {
        if (report) PrintMessage("Fehler polyverg_d 1");
        return 1;
    }
    for (int i = 0; i < n; i++) xo[i] = x[i], yo[i] = y[i];
    if (n <= 2) {
        if (report) PrintMessage("Fehler polyverg_d 1");
        return 1;
    }
    for (int i = 0; i < n; i++) {
        int p = i == 0 ? n - 1 : i - 1, q = i == n - 1 ? 0 : i + 1;
        double ox = 0.0, oy = 0.0;
        Corner_Result r = Offset_Corner(x[p], y[p], x[i], y[i], x[q], y[q], dist, &ox, &oy);
        if (r != CORNER_OK) return Corner_Code(r, n, report);
        store(&xo[i], ox);
        store(&yo[i], oy);
    }
    return 0;
}

}  // namespace

int polyverg_d(int n, const double* x, const double* y, double dist, double* xo, double* yo) {
    return Offset(n, x, y, dist, xo, yo, true, [](double* to, double v) { *to = v; });
}

int polyverg_i(int n, const int* x, const int* y, double dist, int* xo, int* yo) {
    return Offset(n, x, y, dist, xo, yo, false, [](int* to, double v) { *to = Round_Half_Away(v); });
}
