// Rigid-plastic stress blocks by hand on a welded section's rectangles,
// for the compressed fraction alpha of a web or stem on the z axis: an
// integration of its own, apart from the program's section search.
#pragma once

#include <array>
#include <cmath>
#include <vector>

namespace testutil {

// A plate of a section symmetric about the z axis (z down from its top):
// its half-width w and its depths z1 to z2; f_y its own yield strength (0:
// the section's).
struct Rect {
    double w, z1, z2;
    double f_y = 0;
};

// The part from z_1 to z_2 on the z axis under the rigid-plastic blocks of
// N held (N, tension positive) and M_y, M_z (Nmm about the plates'
// centroid: M_y the integral of sigma z, M_z that of -sigma y) raised
// together in their direction: each rectangle cut by the axis (its
// compressed part by Sutherland-Hodgman, area and first moments by the
// shoelace formula) at its own strength; for each angle of the axis'
// normal the offset that carries N (halving); the angle where the blocks'
// moments point the way of the forces' (a scan in 5 degree steps, then
// halving). Returns the compressed fraction (1 for a part compressed
// wholly, 0 for one without compression); *z_2_more (may be null) whether
// its z_2 end is the more compressed.
inline double Fibre_Alpha(const std::vector<Rect>& plates, double f_y, double N, double M_y, double M_z, double z_1,
                          double z_2, bool* z_2_more = nullptr) {
    double area = 0, first = 0, strength = 0;
    for (const Rect& r : plates) {
        area += 2 * r.w * (r.z2 - r.z1), first += r.w * (r.z2 * r.z2 - r.z1 * r.z1);
        strength += 2 * r.w * (r.z2 - r.z1) * (r.f_y > 0 ? r.f_y : f_y);
    }
    const double z_c = first / area;
    // the blocks (tension where cos t y + sin t z + d > 0): N, M_y, M_z
    auto blocks = [&](double t, double d, double out[3]) {
        const double c = std::cos(t), s = std::sin(t);
        out[0] = strength, out[1] = out[2] = 0;  // all in tension, less twice the compressed part
        for (const Rect& r : plates) {
            const double f = r.f_y > 0 ? r.f_y : f_y;
            const double y[4] = {-r.w, r.w, r.w, -r.w}, z[4] = {r.z1 - z_c, r.z1 - z_c, r.z2 - z_c, r.z2 - z_c};
            std::array<std::array<double, 2>, 8> cut;
            int n = 0;
            for (int k = 0; k < 4; k++) {
                const int l = (k + 1) % 4;
                const double g_k = c * y[k] + s * z[k] + d, g_l = c * y[l] + s * z[l] + d;
                if (g_k < 0) cut[n++] = {y[k], z[k]};
                if ((g_k < 0) != (g_l < 0))
                    cut[n++] = {y[k] + g_k / (g_k - g_l) * (y[l] - y[k]), z[k] + g_k / (g_k - g_l) * (z[l] - z[k])};
            }
            for (int k = 0; k < n; k++) {
                const auto &p = cut[k], &q = cut[(k + 1) % n];
                const double x = p[0] * q[1] - q[0] * p[1];
                out[0] -= f * x, out[1] -= f * x * (p[1] + q[1]) / 3, out[2] += f * x * (p[0] + q[0]) / 3;
            }
        }
    };
    auto offset = [&](double t) {
        double lo = -1e4, hi = 1e4, R[3];
        for (int it = 0; it < 60; it++) {
            blocks(t, (lo + hi) / 2, R);
            (R[0] < N ? lo : hi) = (lo + hi) / 2;
        }
        return (lo + hi) / 2;
    };
    auto turn = [&](double t) {  // the forces' direction to the blocks'
        double R[3];
        blocks(t, offset(t), R);
        return std::atan2(M_y * R[2] - M_z * R[1], M_y * R[1] + M_z * R[2]);
    };
    double t = NAN, t_prev = -M_PI, f_prev = turn(t_prev);
    for (int k = 1; k <= 72 && std::isnan(t); k++) {
        const double t_k = -M_PI + k * M_PI / 36, f_k = turn(t_k);
        // a change of sign, not the jump where the blocks point against them
        if ((f_k > 0) != (f_prev > 0) && std::fabs(f_k) < M_PI / 2 && std::fabs(f_prev) < M_PI / 2) {
            double lo = t_prev, hi = t_k;
            for (int it = 0; it < 40; it++) ((turn((lo + hi) / 2) > 0) == (f_prev > 0) ? lo : hi) = (lo + hi) / 2;
            t = (lo + hi) / 2;
        }
        t_prev = t_k, f_prev = f_k;
    }
    const double d = offset(t);
    const double at_1 = -(std::sin(t) * (z_1 - z_c) + d), at_2 = -(std::sin(t) * (z_2 - z_c) + d);
    if (z_2_more) *z_2_more = at_2 >= at_1;
    const double c = std::max(at_1, at_2), o = std::min(at_1, at_2);
    if (!(c > 0)) return 0;
    return o >= 0 ? 1.0 : c / (c - o);
}

// The class 2 utilisation (EN 1993-1-1 Table 5.2) of a part of c/t and
// epsilon eps compressed over the fraction alpha: internal 456 eps/(13
// alpha - 1) for alpha > 0.5, else 41.5 eps/alpha; an outstand 10
// eps/alpha with its tip the more compressed, 10 eps/(alpha alpha^0.5)
// with it less compressed. 0 without compression.
inline double Table_Class_2(double alpha, double c_t, double eps, bool outstand, bool tip_more) {
    if (!(alpha > 0)) return 0;
    double limit = alpha > 0.5 ? 456 * eps / (13 * alpha - 1) : 41.5 * eps / alpha;
    if (outstand) limit = tip_more || alpha == 1 ? 10 * eps / alpha : 10 * eps / (alpha * std::sqrt(alpha));
    return c_t / limit;
}

// The class 2 utilisation of the part from z_1 to z_2 (c/t, epsilon; an
// outstand's tip at z_2) under the blocks of Fibre_Alpha.
inline double Fibre_Class_2(const std::vector<Rect>& plates, double f_y, double N, double M_y, double M_z, double c_t,
                            double eps, double z_1, double z_2, bool outstand) {
    bool tip_more = false;
    const double alpha = Fibre_Alpha(plates, f_y, N, M_y, M_z, z_1, z_2, &tip_more);
    return Table_Class_2(alpha, c_t, eps, outstand, tip_more);
}

}  // namespace testutil
