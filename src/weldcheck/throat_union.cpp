// The throats' shares of the steel; see the header.
#include "weldcheck/throat_union.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// An edge of a throat (owner its index) or of the outline (owner -1), from
// its left end to its right one.
struct Edge {
    double y0, z0, y1, z1;
    int owner;
    double At(double y) const { return y1 > y0 ? z0 + (z1 - z0) * (y - y0) / (y1 - y0) : z0; }
};

void Add_Edge(std::vector<Edge>* edges, double ya, double za, double yb, double zb, int owner) {
    if (ya == yb) return;  // upright: it bounds no strip, its ends cut them
    if (ya < yb) edges->push_back({ya, za, yb, zb, owner});
    else edges->push_back({yb, zb, ya, za, owner});
}

// Where two edges cross within both (strictly between their ends along y),
// y of the crossing; edges (nearly) parallel cross nowhere that counts.
bool Crossing(const Edge& p, const Edge& q, double* y) {
    const double dy1 = p.y1 - p.y0, dz1 = p.z1 - p.z0, dy2 = q.y1 - q.y0, dz2 = q.z1 - q.z0;
    const double cross = dy1 * dz2 - dz1 * dy2;
    if (!(std::fabs(cross) > 1e-12 * std::hypot(dy1, dz1) * std::hypot(dy2, dz2))) return false;
    const double t = ((q.y0 - p.y0) * dz2 - (q.z0 - p.z0) * dy2) / cross;
    if (!(t > 0.0 && t < 1.0)) return false;
    *y = p.y0 + t * dy1;
    return *y > q.y0 && *y < q.y1;
}

// The integrals of the piece of a strip y0 .. y1 between the lower edge
// z = lo(y) and the upper one z = hi(y), both straight: each integrand is
// a polynomial in y of at most the third degree, which Simpson's rule
// integrates exactly.
void Add_Piece(Throat_Sums* s, double y0, double y1, const double lo[3], const double hi[3]) {
    const double y[3] = {y0, (y0 + y1) / 2.0, y1}, w[3] = {1.0, 4.0, 1.0}, h = (y1 - y0) / 6.0;
    for (int i = 0; i < 3; ++i) {
        const double a = lo[i], b = hi[i], d1 = b - a, d2 = (b * b - a * a) / 2.0, d3 = (b * b * b - a * a * a) / 3.0;
        const double f = w[i] * h;
        s->A += f * d1;
        s->S_y += f * y[i] * d1;
        s->S_z += f * d2;
        s->I_yy += f * y[i] * y[i] * d1;
        s->I_zz += f * d3;
        s->I_yz += f * y[i] * d2;
    }
}

}  // namespace

Throat_Polygon Throat_Behind(double y0, double z0, double y1, double z1, double n_y, double n_z, double a) {
    return {4, {y0, y1, y1 + a * n_y, y0 + a * n_y}, {z0, z1, z1 + a * n_z, z0 + a * n_z}};
}

void Throat_Shares(const Throat_Polygon* throats, int n, const Throat_Ring* rings, int n_rings, Throat_Sums* shares) {
    if (!shares || n <= 0) return;
    for (int i = 0; i < n; ++i) shares[i] = {};
    if (!throats) return;
    std::vector<Edge> edges;
    std::vector<double> cuts;
    for (int i = 0; i < n; ++i) {
        const Throat_Polygon& p = throats[i];
        if (p.n < 3 || p.n > THROAT_CORNERS) continue;
        for (int c = 0; c < p.n; ++c) {
            const int d = (c + 1) % p.n;
            Add_Edge(&edges, p.y[c], p.z[c], p.y[d], p.z[d], i);
            cuts.push_back(p.y[c]);
        }
    }
    const bool bounded = rings && n_rings > 0;
    for (int r = 0; bounded && r < n_rings; ++r) {
        const Throat_Ring& g = rings[r];
        for (int c = 0; g.y && g.z && c < g.n; ++c) {
            const int d = (c + 1) % g.n;
            Add_Edge(&edges, g.y[c], g.z[c], g.y[d], g.z[d], -1);
            cuts.push_back(g.y[c]);
        }
    }
    if (edges.empty()) return;
    for (size_t i = 0; i < edges.size(); ++i)
        for (size_t j = i + 1; j < edges.size(); ++j) {
            if (edges[i].owner < 0 && edges[j].owner < 0) continue;  // the outline does not cross itself
            double y;
            if (Crossing(edges[i], edges[j], &y)) cuts.push_back(y);
        }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    struct Across {
        double mid, lo, hi;  // z at the strip's middle and ends
        int owner;
    };
    std::vector<Across> across;
    std::vector<char> inside(static_cast<size_t>(n));
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
        const double y0 = cuts[k], y1 = cuts[k + 1], ym = (y0 + y1) / 2.0;
        if (!(y1 > y0)) continue;
        across.clear();
        for (const Edge& e : edges)
            if (e.y0 < ym && e.y1 > ym) across.push_back({e.At(ym), e.At(y0), e.At(y1), e.owner});
        std::sort(across.begin(), across.end(), [](const Across& a, const Across& b) { return a.mid < b.mid; });
        std::fill(inside.begin(), inside.end(), 0);
        bool steel = !bounded;
        for (size_t j = 0; j + 1 < across.size(); ++j) {
            const Across& e = across[j];
            if (e.owner < 0) steel = !steel;
            else inside[static_cast<size_t>(e.owner)] ^= 1;
            if (!steel) continue;
            int first = -1;
            for (int i = 0; i < n && first < 0; ++i)
                if (inside[static_cast<size_t>(i)]) first = i;
            if (first < 0) continue;
            const Across& f = across[j + 1];
            const double lo[3] = {e.lo, e.mid, e.hi}, hi[3] = {f.lo, f.mid, f.hi};
            Add_Piece(&shares[first], y0, y1, lo, hi);
        }
    }
}
