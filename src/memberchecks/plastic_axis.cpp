// plastic_axis: the shift of the elastic zero line to the plastic neutral
// axis under a normal force.
#include "memberchecks/plastic_axis.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "profiles/section_stress.h"

namespace {

// Signed area of a polygon (shoelace).
double Area(const double* y, const double* z, int n) {
    double a = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        a += y[i] * z[j] - y[j] * z[i];
    }
    return a / 2;
}

// Area of the part of the quad where sigma + delta < 0; the stress runs
// linearly along every edge, so the edges are cut where it changes sign.
double Compressed_Area(const Stress_Quad& q, double delta) {
    double y[8], z[8];
    int n = 0;
    for (int i = 0; i < 4; i++) {
        const int j = (i + 1) % 4;
        const double gi = q.sigma[i] + delta, gj = q.sigma[j] + delta;
        if (gi < 0) y[n] = q.y[i], z[n] = q.z[i], n++;
        if ((gi < 0) != (gj < 0)) {
            const double t = gi / (gi - gj);
            y[n] = q.y[i] + t * (q.y[j] - q.y[i]);
            z[n] = q.z[i] + t * (q.z[j] - q.z[i]);
            n++;
        }
    }
    return n >= 3 ? std::fabs(Area(y, z, n)) : 0.0;
}

// Area in tension less area in compression at the shift delta.
double Balance(const Stress_Quad* q, const double* area, int n, double delta) {
    double b = 0;
    for (int i = 0; i < n; i++) b += area[i] - 2 * Compressed_Area(q[i], delta);
    return b;
}

}  // namespace

int Calc_Plastic_Axis_Shift(const Stress_Quad* quads, int n, double area_balance, double* delta) {
    if (!quads || n <= 0 || !delta) return 0;
    std::vector<double> area(static_cast<size_t>(n));
    double total = 0, lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int i = 0; i < n; i++) {
        area[i] = std::fabs(Area(quads[i].y, quads[i].z, 4));
        total += area[i];
        if (area[i] <= 0) continue;
        for (double s : quads[i].sigma) lo = std::min(lo, s), hi = std::max(hi, s);
    }
    if (!(total > 0) || !std::isfinite(lo) || !std::isfinite(hi)) return 0;
    const double scale = std::max(std::fabs(lo), std::fabs(hi));
    if (hi - lo <= 1e-9 * scale) return 0;
    // Below -hi every corner is compressed, above -lo every corner in tension;
    // the balance grows with the shift.
    const double margin = hi - lo;
    double a = -hi - margin, b = -lo + margin;
    if (area_balance <= -total) {
        *delta = a;
        return 1;
    }
    if (area_balance >= total) {
        *delta = b;
        return 1;
    }
    for (int it = 0; it < 200 && b - a > 1e-11 * (scale + margin); it++) {
        const double m = (a + b) / 2;
        (Balance(quads, area.data(), n, m) < area_balance ? a : b) = m;
    }
    *delta = (a + b) / 2;
    return 1;
}

int Calc_Model_Plastic_Axis_Shift(double N, double f_y, double* delta) {
    if (!(f_y > 0)) return 0;
    const int lines = Get_Section_Part_Count(), points = Get_Section_Point_Count();
    std::vector<Stress_Quad> quads;
    quads.reserve(static_cast<size_t>(lines) * 10);
    for (int i = 0; i < lines; i++) {
        for (int k = 0; k < 10; k++) {
            // the two plate faces at the tenths k and k + 1 of the line
            const int at[4] = {33 * i + 3 * k + 1, 33 * i + 3 * (k + 1) + 1, 33 * i + 3 * (k + 1) + 2,
                               33 * i + 3 * k + 2};
            Stress_Quad q{};
            bool ok = true;
            for (int c = 0; c < 4 && ok; c++)
                ok = at[c] < points &&
                     Get_Section_Point_Stress(at[c], &q.y[c], &q.z[c], &q.sigma[c], nullptr, nullptr) == 1;
            if (ok) quads.push_back(q);
        }
    }
    return Calc_Plastic_Axis_Shift(quads.data(), static_cast<int>(quads.size()), N / f_y, delta);
}
