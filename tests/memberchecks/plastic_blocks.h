// Rigid-plastic stress blocks by hand on a section's real outline (a
// welded section's rectangles, a rolled one's fillets), for the compressed
// fraction alpha of its parts: an integration of its own, apart from the
// program's section search.
#pragma once

#include <algorithm>
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

// A piece of a section's real outline (z down from its top, y across, mm):
// a polygon of its corners (either sense) and its own yield strength.
struct Piece {
    std::vector<std::array<double, 2>> p;  // (y, z)
    double f_y;
};

// The rigid-plastic stress blocks of a section of pieces under N held
// (tension positive, N) and M_y, M_z (Nmm about the pieces' centroid of
// area, where N acts: M_y the integral of sigma z, M_z that of -sigma y)
// raised together in their direction: each piece cut by the axis (its
// compressed part by Sutherland-Hodgman), area and first moments by the
// shoelace formula at the piece's own strength, the whole section's first
// moments of strength included (they are not zero about the centroid of
// area where the pieces' strengths differ); for each angle of the axis'
// normal the offset that carries N (halving); the angle where the blocks'
// moments point the way of the forces' (a scan in 5 degree steps, then
// halving). g gets the field g[0] + g[1] (y - c[0]) + g[2] (z - c[1]),
// negative in the compressed block, and c the centroid. false where the
// section is one block (N beyond its strength) or without a moment.
inline bool Plastic_Blocks(const std::vector<Piece>& pieces, double N, double M_y, double M_z, double g[3],
                           double c[2]) {
    using Ring = std::vector<std::array<double, 2>>;
    // area, integral of z and of -y of a polygon, signed by its sense
    auto moments = [](const Ring& r, double out[3]) {
        out[0] = out[1] = out[2] = 0;
        for (size_t k = 0; k < r.size(); k++) {
            const auto &p = r[k], &q = r[(k + 1) % r.size()];
            const double x = p[0] * q[1] - q[0] * p[1];
            out[0] += x / 2, out[1] += x * (p[1] + q[1]) / 6, out[2] -= x * (p[0] + q[0]) / 6;
        }
    };
    double area = 0, sy = 0, sz = 0, strength = 0, whole[3] = {0, 0, 0}, size = 0;
    std::vector<Ring> rings;
    for (const Piece& piece : pieces) {
        double m[3];
        Ring r = piece.p;
        moments(r, m);
        if (m[0] < 0) r.assign(piece.p.rbegin(), piece.p.rend()), moments(r, m);
        rings.push_back(r);
        area += m[0], sz += m[1], sy -= m[2];
    }
    c[0] = sy / area, c[1] = sz / area;
    for (size_t i = 0; i < rings.size(); i++) {
        for (auto& p : rings[i]) p[0] -= c[0], p[1] -= c[1], size = std::max(size, std::hypot(p[0], p[1]));
        double m[3];
        moments(rings[i], m);
        for (int k = 0; k < 3; k++) whole[k] += pieces[i].f_y * m[k];
    }
    strength = whole[0];
    if (!(std::fabs(N) < strength) || (M_y == 0 && M_z == 0)) return false;
    // N, M_y, M_z of the blocks: tension where cos t y + sin t z + d > 0
    Ring cut;
    auto blocks = [&](double t, double d, double out[3]) {
        const double cy = std::cos(t), cz = std::sin(t);
        for (int k = 0; k < 3; k++) out[k] = whole[k];
        for (size_t i = 0; i < rings.size(); i++) {
            const Ring& r = rings[i];
            cut.clear();
            for (size_t k = 0; k < r.size(); k++) {
                const auto &p = r[k], &q = r[(k + 1) % r.size()];
                const double g_p = cy * p[0] + cz * p[1] + d, g_q = cy * q[0] + cz * q[1] + d;
                if (g_p < 0) cut.push_back(p);
                if ((g_p < 0) != (g_q < 0))
                    cut.push_back({p[0] + g_p / (g_p - g_q) * (q[0] - p[0]), p[1] + g_p / (g_p - g_q) * (q[1] - p[1])});
            }
            double m[3];
            moments(cut, m);
            for (int k = 0; k < 3; k++) out[k] -= 2 * pieces[i].f_y * m[k];
        }
    };
    auto offset = [&](double t) {
        double lo = -2 * size, hi = 2 * size, R[3];
        for (int it = 0; it < 48; it++) {
            blocks(t, (lo + hi) / 2, R);
            (R[0] < N ? lo : hi) = (lo + hi) / 2;
        }
        return (lo + hi) / 2;
    };
    auto turn = [&](double t) {
        double R[3];
        blocks(t, offset(t), R);
        return std::atan2(M_y * R[2] - M_z * R[1], M_y * R[1] + M_z * R[2]);
    };
    double t = NAN, t_prev = -M_PI, f_prev = turn(t_prev);
    for (int k = 1; k <= 72 && std::isnan(t); k++) {
        const double t_k = -M_PI + k * M_PI / 36, f_k = turn(t_k);
        if ((f_k > 0) != (f_prev > 0) && std::fabs(f_k) < M_PI / 2 && std::fabs(f_prev) < M_PI / 2) {
            double lo = t_prev, hi = t_k;
            for (int it = 0; it < 36; it++) ((turn((lo + hi) / 2) > 0) == (f_prev > 0) ? lo : hi) = (lo + hi) / 2;
            t = (lo + hi) / 2;
        }
        t_prev = t_k, f_prev = f_k;
    }
    if (std::isnan(t)) return false;
    g[0] = offset(t), g[1] = std::cos(t), g[2] = std::sin(t);
    return true;
}

// A root fillet of radius r in the corner (y, z) where two plates' faces
// meet, filling the quarter (s_y, s_z = +1 or -1) away from both: the
// corner, the two ends of its arc on the faces, the arc in 64 pieces.
inline Piece Fillet(double y, double z, double s_y, double s_z, double r, double f_y) {
    Piece f{{{y, z}}, f_y};
    for (int k = 0; k <= 64; k++) {
        const double th = k * M_PI / 128;
        f.p.push_back({y + s_y * r * (1 - std::sin(th)), z + s_z * r * (1 - std::cos(th))});
    }
    return f;
}

// The part from z_1 to z_2 on the z axis under the rigid-plastic blocks of
// N held (N, tension positive) and M_y, M_z (Nmm about the plates'
// centroid: M_y the integral of sigma z, M_z that of -sigma y) raised
// together in their direction (Plastic_Blocks on the rectangles). Returns
// the compressed fraction (1 for a part compressed wholly, 0 for one
// without compression); *z_2_more (may be null) whether its z_2 end is the
// more compressed.
inline double Fibre_Alpha(const std::vector<Rect>& plates, double f_y, double N, double M_y, double M_z, double z_1,
                          double z_2, bool* z_2_more = nullptr) {
    std::vector<Piece> pieces;
    for (const Rect& r : plates)
        pieces.push_back({{{-r.w, r.z1}, {r.w, r.z1}, {r.w, r.z2}, {-r.w, r.z2}}, r.f_y > 0 ? r.f_y : f_y});
    double g[3], c[2];
    if (!Plastic_Blocks(pieces, N, M_y, M_z, g, c)) g[0] = N < 0 ? -1 : 1, g[1] = g[2] = 0, c[0] = c[1] = 0;
    const double at_1 = g[0] + g[2] * (z_1 - c[1]), at_2 = g[0] + g[2] * (z_2 - c[1]);
    if (z_2_more) *z_2_more = at_2 <= at_1;
    const double lo = std::min(at_1, at_2), hi = std::max(at_1, at_2);
    if (!(lo < 0)) return 0;
    return hi <= 0 ? 1.0 : lo / (lo - hi);
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
