// plastic_axis: the plastic neutral axis of a section under a normal force
// and bending moments together, and the section it is found on.
//
// For a direction n of the axis' normal the offset d of the field n.r + d
// follows from the normal force: the tension block less the compression
// block is N / f_y, which grows with d. The blocks' moments then point some
// way; as n turns round, the point of the resistance they stand for runs
// round the section's moment resistances under N, and their direction
// turns with it. The axis sought is the one whose blocks' moments point the
// way the forces' do: a root in the angle of n, bracketed from the normal
// of the forces' elastic distribution and closed in on by interpolation,
// with halving where that does not close in fast enough.
//
// The section is the one the check stands for: a rolled profile's outline
// as the catalogue draws it, turned into the axes of the plates it is
// checked with (the plates say where each piece of it lies, and which
// yield strength it has), a welded profile's plates as they are.
#include "memberchecks/plastic_axis.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/kept_by_inputs.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_transfer.h"

namespace {

constexpr double PI = 3.14159265358979323846;
// Pieces per quarter circle of a rounded corner of an outline; they stay
// within the material (the catalogue's polygons), so that a coarser
// rounding only leaves out a sliver of a fillet.
constexpr int ARC_PIECES = 8;

// Area, first and second moments (about the origin) of a region.
struct Moments {
    double a = 0, s_y = 0, s_z = 0;
    double J_yy = 0, J_zz = 0, J_yz = 0;  // the integrals of y^2, z^2, y z
};

// The signed moments of a polygon (with second moments where asked), times
// w, added to *m.
void Add_Polygon(const Outline_Point* p, int n, double w, Moments* m, bool second = false) {
    for (int i = 0; i < n; i++) {
        const Outline_Point &u = p[i], &v = p[(i + 1) % n];
        const double c = w * (u.y * v.z - v.y * u.z);
        m->a += c / 2, m->s_y += (u.y + v.y) * c / 6, m->s_z += (u.z + v.z) * c / 6;
        if (!second) continue;
        m->J_yy += c * (u.y * u.y + u.y * v.y + v.y * v.y) / 12;
        m->J_zz += c * (u.z * u.z + u.z * v.z + v.z * v.z) / 12;
        m->J_yz += c * (u.y * v.z + 2 * u.y * u.z + 2 * v.y * v.z + v.y * u.z) / 24;
    }
}

double Signed_Area(const Outline_Point* p, int n, double* sy, double* sz) {
    Moments m;
    Add_Polygon(p, n, 1.0, &m);
    if (sy) *sy += m.s_y;
    if (sz) *sz += m.s_z;
    return m.a;
}

// The part of a ring where ny y + nz z + d < 0 into *out: the field runs
// linearly along every edge, so the edges are cut where it changes sign (a
// concave ring leaves edges to and fro along the cut, whose integrals
// cancel).
void Clip_Below(const Outline_Point* p, int n, double ny, double nz, double d, std::vector<Outline_Point>* out) {
    out->clear();
    for (int i = 0; i < n; i++) {
        const Outline_Point &u = p[i], &v = p[(i + 1) % n];
        const double g_u = ny * u.y + nz * u.z + d, g_v = ny * v.y + nz * v.z + d;
        if (g_u < 0) out->push_back(u);
        if ((g_u < 0) != (g_v < 0)) {
            const double t = g_u / (g_u - g_v);
            out->push_back({u.y + t * (v.y - u.y), u.z + t * (v.z - u.z)});
        }
    }
}

// The section as the search sees it: its rings, their weighted moments,
// its whole moments (with the second ones) and its size.
struct Section {
    const Plastic_Ring* r;
    int n;
    std::vector<Moments> own;  // each ring's
    Moments total;
    double size;               // the largest distance of a corner from the origin
};

// The search's view of the rings (second moments only where asked); its
// vectors are the caller's scratch, kept from call to call so that a load
// case allocates nothing.
void Read(const Plastic_Ring* r, int n, Section* s, bool second = true) {
    s->r = r, s->n = n;
    s->own.assign(static_cast<size_t>(n), Moments{});
    s->total = Moments{}, s->size = 0;
    for (int i = 0; i < n; i++) {
        Moments& own = s->own[static_cast<size_t>(i)];
        Add_Polygon(r[i].points, r[i].n, r[i].share, &own);
        if (second) {
            Add_Polygon(r[i].points, r[i].n, r[i].share, &s->total, true);
        } else {
            s->total.a += own.a, s->total.s_y += own.s_y, s->total.s_z += own.s_z;
        }
        for (int k = 0; k < r[i].n; k++) s->size = std::max(s->size, std::hypot(r[i].points[k].y, r[i].points[k].z));
    }
}

// The moments of the compressed block, where n.r + d < 0.
Moments Compressed(const Section& s, double ny, double nz, double d) {
    Moments m;
    // the cut ring's corners, kept for the next call
    static std::vector<Outline_Point> cut;
    for (int k = 0; k < s.n; k++) {
        const Plastic_Ring& r = s.r[k];
        int below = 0;
        for (int c = 0; c < r.n; c++) below += ny * r.points[c].y + nz * r.points[c].z + d < 0;
        // most rings lie wholly on one side of the axis
        if (below == 0) continue;
        if (below == r.n) {
            const Moments& o = s.own[static_cast<size_t>(k)];
            m.a += o.a, m.s_y += o.s_y, m.s_z += o.s_z;
            continue;
        }
        Clip_Below(r.points, r.n, ny, nz, d, &cut);
        if (cut.size() >= 3) Add_Polygon(cut.data(), static_cast<int>(cut.size()), r.share, &m);
    }
    return m;
}

// A root of f on [a, b], where f(a) and f(b) differ in sign, to within
// tol: inverse quadratic interpolation or the secant while they close in
// fast enough, else halving - fast where f is smooth near the root (the
// blocks' integrals are, between the corners the axis passes), never much
// slower than halving where it is not.
template <typename F>
double Root(F f, double a, double b, double f_a, double f_b, double tol) {
    double c = a, f_c = f_a, d = b - a, e = d;
    for (int it = 0; it < 200; it++) {
        if ((f_b > 0) == (f_c > 0)) c = a, f_c = f_a, d = e = b - a;
        if (std::fabs(f_c) < std::fabs(f_b)) {
            a = b, b = c, c = a;
            f_a = f_b, f_b = f_c, f_c = f_a;
        }
        const double m = (c - b) / 2, t = tol / 2 + 4e-16 * std::fabs(b);
        if (std::fabs(m) <= t || f_b == 0) return b;
        if (std::fabs(e) >= t && std::fabs(f_a) > std::fabs(f_b)) {
            double p, q;
            const double s = f_b / f_a;
            if (a == c) {
                p = 2 * m * s, q = 1 - s;
            } else {
                const double r = f_b / f_c, u = f_a / f_c;
                p = s * (2 * m * u * (u - r) - (b - a) * (r - 1));
                q = (u - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            else p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(t * q), std::fabs(e * q))) {
                e = d, d = p / q;
            } else {
                d = m, e = m;
            }
        } else {
            d = m, e = m;
        }
        a = b, f_a = f_b;
        b += std::fabs(d) > t ? d : (m > 0 ? t : -t);
        f_b = f(b);
    }
    return b;
}

// The offset d for the normal direction (ny, nz) at which the tension block
// less the compression block is `balance` (within the section's weighted
// area). *near (NaN: none) is where to look first, the offset found for a
// direction close by; it gets the offset found.
double Offset(const Section& s, double ny, double nz, double balance, double* near) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int k = 0; k < s.n; k++)
        for (int c = 0; c < s.r[k].n; c++) {
            const double p = ny * s.r[k].points[c].y + nz * s.r[k].points[c].z;
            lo = std::min(lo, p), hi = std::max(hi, p);
        }
    // At -hi every corner is compressed, at -lo every corner in tension.
    auto f = [&](double d) { return s.total.a - 2 * Compressed(s, ny, nz, d).a - balance; };
    double a = -hi, b = -lo, f_a = -s.total.a - balance, f_b = s.total.a - balance;
    if (std::isfinite(*near) && *near > a && *near < b) {
        // a bracket widened from there until it holds the root
        double step = 1e-3 * s.size, x = *near, f_x = f(x);
        const double toward = f_x < 0 ? 1 : -1;
        for (int k = 0; k < 60; k++, step *= 4) {
            const double y = std::clamp(x + toward * step, a, b), f_y = y == a ? f_a : y == b ? f_b : f(y);
            if ((f_y < 0) != (f_x < 0)) {
                if (toward > 0) a = x, f_a = f_x, b = y, f_b = f_y;
                else a = y, f_a = f_y, b = x, f_b = f_x;
                break;
            }
            x = y, f_x = f_y;
        }
    }
    *near = Root(f, a, b, f_a, f_b, 1e-10 * s.size);
    return *near;
}

// The angle from the moments L of the forces to those of the blocks whose
// normal points at theta (positive counter-clockwise in y, z); *near as for
// Offset.
double Turn_To_Blocks(const Section& s, double theta, double balance, const double L[2], double* near) {
    const double ny = std::cos(theta), nz = std::sin(theta);
    const Moments c = Compressed(s, ny, nz, Offset(s, ny, nz, balance, near));
    const double R[2] = {s.total.s_y - 2 * c.s_y, s.total.s_z - 2 * c.s_z};
    return std::atan2(L[0] * R[1] - L[1] * R[0], L[0] * R[0] + L[1] * R[1]);
}

// The angle of the axis' normal whose blocks' moments point the way of L:
// from the normal of the elastic distribution of L (within a right angle of
// L, as the plastic one is, and mostly close to that) the turn to the
// blocks is followed in growing steps until it changes its sign, then the
// change is closed in on. The turn grows with the angle but for the jump
// where the blocks' moments point against L, which the search, walking
// towards zero, meets only past the root.
double Axis_Angle(const Section& s, double balance, const double L[2]) {
    double near = NAN;
    // the elastic normal: the second moments' inverse applied to L (about
    // the origin: near enough for a start)
    const Moments& t = s.total;
    const double D = t.J_yy * t.J_zz - t.J_yz * t.J_yz;
    const double e_y = t.J_zz * L[0] - t.J_yz * L[1], e_z = t.J_yy * L[1] - t.J_yz * L[0];
    const double start = D > 0 && std::hypot(e_y, e_z) > 0 ? std::atan2(e_z, e_y) : std::atan2(L[1], L[0]);
    double a = start;
    double f_a = Turn_To_Blocks(s, a, balance, L, &near);
    if (f_a == 0) return a;
    double step = (f_a > 0 ? -1 : 1) * PI / 64;
    double b = a, f_b = f_a;
    for (int k = 0; k < 12 && (f_b > 0) == (f_a > 0); k++, step *= 2) {
        a = b, f_a = f_b;
        b = std::max(start - PI, std::min(start + PI, a + step));
        f_b = Turn_To_Blocks(s, b, balance, L, &near);
        if (f_b == 0) return b;
    }
    if ((f_b > 0) == (f_a > 0)) return std::atan2(L[1], L[0]);
    if (a > b) std::swap(a, b), std::swap(f_a, f_b);
    auto f = [&](double theta) { return Turn_To_Blocks(s, theta, balance, L, &near); };
    return Root(f, a, b, f_a, f_b, 1e-9);
}

// The field n.r + d as plane, its largest magnitude over the rings' corners
// f_y; 0 where it has none.
int Scaled_Plane(const Plastic_Ring* rings, int n, double ny, double nz, double d, double f_y, double plane[3]) {
    double largest = 0;
    for (int k = 0; k < n; k++)
        for (int c = 0; c < rings[k].n; c++)
            largest = std::max(largest, std::fabs(ny * rings[k].points[c].y + nz * rings[k].points[c].z + d));
    if (!(largest > 0)) return 0;
    const double scale = f_y / largest;
    plane[0] = d * scale, plane[1] = ny * scale, plane[2] = nz * scale;
    return 1;
}

// ---- the section of the blocks ------------------------------------------

// Extents and second moments of a set of rings about a point: the measure
// by which an outline is laid onto plates.
struct Shape_Measure {
    double lo[2], hi[2];  // y, z
    double J[3];          // integral y^2, z^2, y z
    double a;
};

Shape_Measure Measure(const std::vector<Outline_Ring>& rings, double y0, double z0) {
    Shape_Measure m{{HUGE_VAL, HUGE_VAL}, {-HUGE_VAL, -HUGE_VAL}, {0, 0, 0}, 0};
    Moments sum;
    std::vector<Outline_Point> moved;
    for (const Outline_Ring& r : rings) {
        moved.clear();
        for (const Outline_Point& p : r) {
            moved.push_back({p.y - y0, p.z - z0});
            m.lo[0] = std::min(m.lo[0], p.y - y0), m.hi[0] = std::max(m.hi[0], p.y - y0);
            m.lo[1] = std::min(m.lo[1], p.z - z0), m.hi[1] = std::max(m.hi[1], p.z - z0);
        }
        Add_Polygon(moved.data(), static_cast<int>(moved.size()), 1.0, &sum, true);
    }
    m.a = sum.a, m.J[0] = sum.J_yy, m.J[1] = sum.J_zz, m.J[2] = sum.J_yz;
    return m;
}

// One of the eight turns and mirrors of the upright drawing into the
// plates' axes: y' = a y or a z, z' = b z or b y.
struct Turn {
    bool swap;
    double a, b;
    Outline_Point Apply(const Outline_Point& p) const {
        return swap ? Outline_Point{a * p.z, b * p.y} : Outline_Point{a * p.y, b * p.z};
    }
    // whether it reverses the sense of a ring
    bool Mirrors() const { return (a * b > 0) == swap; }
};

// How far a turn's outline lies from the plates: its extents (relative to
// the section's size) and its second moments (relative to their sum).
double Misfit(const Shape_Measure& outline, const Shape_Measure& plates, const Turn& t, double size,
              double parts[2] = nullptr) {
    double lo[2], hi[2];
    for (int k = 0; k < 2; k++) {
        const int from = t.swap ? 1 - k : k;
        const double f = k == 0 ? t.a : t.b;
        lo[k] = f > 0 ? f * outline.lo[from] : f * outline.hi[from];
        hi[k] = f > 0 ? f * outline.hi[from] : f * outline.lo[from];
    }
    double extents = 0;
    for (int k = 0; k < 2; k++)
        extents = std::max({extents, std::fabs(lo[k] - plates.lo[k]), std::fabs(hi[k] - plates.hi[k])});
    const double J_yy = t.swap ? outline.J[1] : outline.J[0], J_zz = t.swap ? outline.J[0] : outline.J[1];
    const double J_yz = t.a * t.b * outline.J[2];
    const double sum = plates.J[0] + plates.J[1];
    const double moments = sum > 0 ? (std::fabs(J_yy - plates.J[0]) + std::fabs(J_zz - plates.J[1]) +
                                      std::fabs(J_yz - plates.J[2])) / sum
                                   : HUGE_VAL;
    if (parts) parts[0] = extents / size, parts[1] = moments;
    return extents / size + moments;
}

// The part of a ring with lo <= z <= hi.
Outline_Ring Clip_Band(const Outline_Ring& ring, double lo, double hi) {
    Outline_Ring below, band;
    Clip_Below(ring.data(), static_cast<int>(ring.size()), 0, 1, -hi, &below);
    Clip_Below(below.data(), static_cast<int>(below.size()), 0, -1, lo, &band);
    return band;
}

// The rings the blocks stand on, kept for the next call with the same
// plates and outline (every load case of a connection asks again): the
// plates' points (the rings when no outline lies on them), and the
// outline's pieces with their shares.
struct Kept_Section {
    std::vector<Outline_Point> plate_points;
    std::vector<Outline_Ring> pieces;
    std::vector<double> piece_shares;
    std::vector<Plastic_Ring> rings;
};

// The turn of the outline (about its centroid) that lays it onto the plates
// (about theirs, the origin); false where none does.
bool Best_Turn(const Shape_Measure& own, const Shape_Measure& target, double size, Turn* best) {
    double least = HUGE_VAL;
    for (int s = 0; s < 8; s++) {
        const Turn t{s >= 4, s & 1 ? -1.0 : 1.0, s & 2 ? -1.0 : 1.0};
        const double m = Misfit(own, target, t, size);
        if (m < least) least = m, *best = t;
    }
    // The outline's faces are the plates' (the model's sloped flanges reach
    // a little beyond), the fillets and toes change the second moments by a
    // few per cent; a turn that lies further off is none that fits.
    double parts[2];
    Misfit(own, target, *best, size, parts);
    return parts[0] <= 0.03 && parts[1] <= 0.1 && own.a < 1.2 * target.a && own.a > 0.85 * target.a;
}

// The drawn rings turned, centroid on centroid, then face on face: where
// both faces of a direction lie equally far from the plates' (the model's
// centroid is the catalogue's, given to a tenth of a millimetre), the
// outline moves onto them, so that the parts end where the model's do.
std::vector<Outline_Ring> Place(const std::vector<Outline_Ring>& drawn, double y0, double z0, const Turn& t,
                                const Shape_Measure& target, double size) {
    std::vector<Outline_Ring> placed;
    double lo[2] = {HUGE_VAL, HUGE_VAL}, hi[2] = {-HUGE_VAL, -HUGE_VAL};
    for (const Outline_Ring& r : drawn) {
        Outline_Ring p;
        for (const Outline_Point& q : r) {
            p.push_back(t.Apply({q.y - y0, q.z - z0}));
            lo[0] = std::min(lo[0], p.back().y), hi[0] = std::max(hi[0], p.back().y);
            lo[1] = std::min(lo[1], p.back().z), hi[1] = std::max(hi[1], p.back().z);
        }
        if (t.Mirrors()) std::reverse(p.begin(), p.end());
        placed.push_back(p);
    }
    double shift[2] = {0, 0};
    for (int k = 0; k < 2; k++) {
        const double d_lo = target.lo[k] - lo[k], d_hi = target.hi[k] - hi[k];
        if (std::fabs(d_lo - d_hi) <= 1e-4 * size && std::fabs(d_lo) <= 0.01 * size) shift[k] = (d_lo + d_hi) / 2;
    }
    for (Outline_Ring& r : placed)
        for (Outline_Point& q : r) q.y += shift[0], q.z += shift[1];
    return placed;
}

// The share of the plates that hold the most of a band lo <= z <= hi.
double Band_Share(const Plastic_Ring* plates, int n, double lo, double hi) {
    std::vector<std::pair<double, double>> areas;  // share, area
    for (int i = 0; i < n; i++) {
        const Outline_Ring part = Clip_Band(Outline_Ring(plates[i].points, plates[i].points + plates[i].n), lo, hi);
        const double a = part.size() < 3 ? 0 : std::fabs(Signed_Area(part.data(), static_cast<int>(part.size()), nullptr, nullptr));
        size_t k = 0;
        while (k < areas.size() && areas[k].first != plates[i].share) k++;
        if (k == areas.size()) areas.push_back({plates[i].share, 0});
        areas[k].second += a;
    }
    std::pair<double, double> most{1, -1};
    for (const auto& a : areas)
        if (a.second > most.second) most = a;
    return most.first;
}

// The placed outline as the kept section's pieces: whole where the plates
// have one strength, else cut into bands between the levels where plates
// begin and end, each with the share of the plates that hold the most of
// it (a flange's band its flange's, though the web reaches into it).
void Cut_By_Strength(const std::vector<Outline_Ring>& placed, const Plastic_Ring* plates, int n, double size,
                     Kept_Section* k) {
    k->pieces.clear(), k->piece_shares.clear();
    bool one_share = true;
    for (int i = 1; i < n; i++) one_share = one_share && plates[i].share == plates[0].share;
    if (one_share) {
        k->pieces = placed;
        k->piece_shares.assign(placed.size(), plates[0].share);
        return;
    }
    std::vector<double> levels;
    for (int i = 0; i < n; i++)
        for (int c = 0; c < plates[i].n; c++) levels.push_back(plates[i].points[c].z);
    std::sort(levels.begin(), levels.end());
    std::vector<double> cuts;
    for (double z : levels)
        if (cuts.empty() || z - cuts.back() > 1e-9 * size) cuts.push_back(z);
    cuts.front() = -HUGE_VAL, cuts.back() = HUGE_VAL;
    for (size_t b = 0; b + 1 < cuts.size(); b++) {
        const double share = Band_Share(plates, n, cuts[b], cuts[b + 1]);
        for (const Outline_Ring& r : placed) {
            Outline_Ring piece = Clip_Band(r, cuts[b], cuts[b + 1]);
            const double a = piece.size() < 3 ? 0 : Signed_Area(piece.data(), static_cast<int>(piece.size()), nullptr, nullptr);
            if (std::fabs(a) <= 1e-12 * size * size) continue;
            k->piece_shares.push_back(share);
            k->pieces.push_back(piece);
        }
    }
}

// The outline turned and mirrored onto the plates and cut where their
// strengths differ, into the kept section's pieces; false where no turn
// lays it onto them (the plates then stand for the section).
bool Lay_Outline(const Catalogue_Outline& outline, const Plastic_Ring* plates, int n, Kept_Section* k) {
    std::vector<Outline_Ring> drawn;
    if (n <= 0 || !Catalogue_Outline_Polygons(&outline, ARC_PIECES, &drawn) || drawn.empty()) return false;
    double a = 0, sy = 0, sz = 0;
    for (const Outline_Ring& r : drawn) a += Signed_Area(r.data(), static_cast<int>(r.size()), &sy, &sz);
    if (!(a > 0)) return false;
    const Shape_Measure own = Measure(drawn, sy / a, sz / a);
    std::vector<Outline_Ring> plate_rings;
    for (int i = 0; i < n; i++) {
        plate_rings.emplace_back(plates[i].points, plates[i].points + plates[i].n);
        if (Signed_Area(plates[i].points, plates[i].n, nullptr, nullptr) < 0)
            std::reverse(plate_rings.back().begin(), plate_rings.back().end());
    }
    // the plates about the origin, where the section's centroid is
    const Shape_Measure target = Measure(plate_rings, 0, 0);
    const double size = std::max(target.hi[0] - target.lo[0], target.hi[1] - target.lo[1]);
    Turn turn{false, 1, 1};
    if (!(target.a > 0) || !(size > 0) || !Best_Turn(own, target, size, &turn)) return false;
    Cut_By_Strength(Place(drawn, sy / a, sz / a, turn, target, size), plates, n, size, k);
    return !k->pieces.empty();
}

// ---- the standing model ---------------------------------------------------

struct Collect {
    std::vector<Outline_Point>* points;
    double y0, z0;
};

int Add_Edge(double y_prev, double z_prev, double y, double z, double, double, void* context) {
    Collect* c = static_cast<Collect*>(context);
    if (c->points->empty()) c->points->push_back({y_prev - c->y0, z_prev - c->z0});
    c->points->push_back({y - c->y0, z - c->z0});
    return 1;
}

// A line's plate from the stress points on its two faces, where the engine
// has no outline of it (a model of one part): false without them.
bool Line_Strip(int line, std::vector<Outline_Point>* one) {
    one->clear();
    for (int side = 1; side <= 2; side++)
        for (int k = 0; k <= 10; k++) {
            const int at = 33 * line + 3 * (side == 1 ? k : 10 - k) + side;
            double y = 0, z = 0;
            if (!Get_Section_Point_Stress(at, &y, &z, nullptr, nullptr, nullptr)) return false;
            one->push_back({y, z});
        }
    return true;
}

// A line's end at a node: its direction leaving the node (unit), its
// thickness there and its part's kind.
struct Line_End {
    int line;
    double dy, dz, t;
    int kind;
};

// The plate that holds the material where plates meet at a node, as a
// section is made: a plate running on through it (a flange past its web:
// the two lines on either side in one direction), else, where two plates
// meet at a corner, the outstand that an internal part ends at (a
// channel's flange at its web). -1 where none does (a plate's free end,
// the mitre between two outstands or two internal parts).
int Holder(const Line_End* e, int n) {
    if (n >= 3) {
        for (int j = 0; j < n; j++)
            for (int k = j + 1; k < n; k++)
                // within the engine's tolerance for a plate run (0.1 rad)
                if (e[j].dy * e[k].dy + e[j].dz * e[k].dz < -std::cos(0.1)) return j;
        return -1;
    }
    if (n != 2) return -1;
    const bool out[2] = {e[0].kind == CT_OUTSTAND_TIP || e[0].kind == CT_OUTSTAND_ROOT,
                         e[1].kind == CT_OUTSTAND_TIP || e[1].kind == CT_OUTSTAND_ROOT};
    if (out[0] && e[1].kind == CT_INTERNAL) return 0;
    if (out[1] && e[0].kind == CT_INTERNAL) return 1;
    return -1;
}

// The plates of the standing model: each line between its faces as the
// plates meet (the engine's plate outline; without one the strip between
// its faces), about the centroid, with the share of its part. Where plates
// of other strengths meet, the plate that holds the joint (Holder) holds
// it with its own strength within its thickness: the engine's outline
// parts the lines at a joint along its mitres, which gave the strip of a
// web between a flange's centre line and its face the web's strength (a
// web of 420 under a flange of 45 mm at 390: 1.3 cm2 of it). false where
// the engine's lines are not the model's.
bool Model_Plates(const double* part_share, int shares, std::vector<Outline_Point>* points,
                  std::vector<Plastic_Ring>* plates) {
    static std::vector<Outline_Point> one, within, beyond;
    static std::vector<std::vector<Outline_Point>> rings;
    static std::vector<double> ring_share;
    static std::vector<const DWQB_Linie*> ring_line;
    static std::vector<int> sizes, ring_part;
    points->clear(), plates->clear(), sizes.clear();
    ring_share.clear(), ring_line.clear(), ring_part.clear();
    const Profil_DWQB_Linienwerte_Record& w = Profil_DWQB_Linienwerte;
    const int lines = Get_Section_Part_Count();
    if (lines <= 0 || lines > DWQB_Tabellen.n_lines) return false;
    size_t count = 0;
    for (int i = 0; i < lines; i++) {
        const DWQB_Linie* l = Find_DWQB_Line(DWQB_Tabellen.line[i].number);
        if (!l) return false;
        if (l->kind == DWQB_LINE_NO_NORMAL) continue;
        one.clear();
        Collect c{&one, w.y_c, w.z_c};
        for (const DWQB_Outline_Segment& seg : l->outline)
            if (DWQB_Segment_Active(&seg) && !Walk_DWQB_Segment_Pieces(&seg, 2 * seg.n_sub, Add_Edge, &c)) return false;
        // the walk closes on its first point
        if (one.size() > 1 && one.front().y == one.back().y && one.front().z == one.back().z) one.pop_back();
        if (one.size() < 3 && !Line_Strip(i, &one)) continue;
        if (Signed_Area(one.data(), static_cast<int>(one.size()), nullptr, nullptr) < 0)
            std::reverse(one.begin(), one.end());
        if (rings.size() <= count) rings.emplace_back();
        rings[count++] = one;
        ring_share.push_back(part_share && i < shares && part_share[i] > 0 ? part_share[i] : 1.0);
        ring_line.push_back(l);
        ring_part.push_back(i);
    }
    auto emit = [&](const std::vector<Outline_Point>& r, double share) {
        // (a cut along a face can leave a sliver of no area)
        if (r.size() < 3 || !(std::fabs(Signed_Area(r.data(), static_cast<int>(r.size()), nullptr, nullptr)) > 1e-9))
            return;
        points->insert(points->end(), r.begin(), r.end());
        sizes.push_back(static_cast<int>(r.size()));
        plates->push_back({nullptr, 0, share});
    };
    // At a joint of plates of other strengths: the holding plate's strength
    // within its thickness, the other plate's beyond its face (a rolled
    // profile's fillet, which the engine's outline gives either plate).
    for (size_t i = 0; i < count; i++) {
        const DWQB_Linie* l = ring_line[i];
        std::vector<Outline_Point>& r = rings[i];
        for (const DWQB_Knoten* node : {l->a, l->b}) {
            if (!node || node->use_count < 2) continue;
            Line_End e[8];
            int n = 0, own = -1;
            for (size_t k = 0; k < count && n < 8; k++) {
                const DWQB_Linie* m = ring_line[k];
                if (m->a != node && m->b != node) continue;
                const DWQB_Knoten* far = m->a == node ? m->b : m->a;
                const double dy = far->y - node->y, dz = far->z - node->z, L = std::hypot(dy, dz);
                if (!(L > 0)) continue;
                if (k == i) own = n;
                e[n++] = {static_cast<int>(k), dy / L, dz / L, m->a == node ? m->t_a : m->t_b,
                          w.support_kind[ring_part[k]]};
            }
            const int h = Holder(e, n);
            if (h < 0 || own < 0) continue;
            // the lines of the holding plate, and the one it holds
            auto holding = [&](int k) { return k == h || e[k].dy * e[h].dy + e[k].dz * e[h].dz < -std::cos(0.1); };
            int held = -1, others = 0;
            for (int k = 0; k < n; k++)
                if (!holding(k)) held = k, others++;
            if (others != 1) continue;
            const double s_holder = ring_share[static_cast<size_t>(e[h].line)];
            const double s_held = ring_share[static_cast<size_t>(e[held].line)];
            if (s_holder == s_held) continue;
            // the holding plate's face towards the plate it holds
            double ny = -e[h].dz, nz = e[h].dy;
            if (ny * e[held].dy + nz * e[held].dz < 0) ny = -ny, nz = -nz;
            const double y0 = node->y - w.y_c, z0 = node->z - w.z_c, d = -(ny * y0 + nz * z0) - e[h].t / 2;
            Clip_Below(r.data(), static_cast<int>(r.size()), ny, nz, d, &within);
            Clip_Below(r.data(), static_cast<int>(r.size()), -ny, -nz, -d, &beyond);
            if (holding(own)) {
                emit(beyond, s_held);
                r = within;
            } else {
                emit(within, s_holder);
                r = beyond;
            }
        }
        emit(r, ring_share[i]);
    }
    size_t at = 0;
    for (size_t k = 0; k < plates->size(); k++) {
        (*plates)[k].points = points->data() + at, (*plates)[k].n = sizes[k];
        at += static_cast<size_t>(sizes[k]);
    }
    return !plates->empty();
}

// The moments of the last evaluation as first moments of its stresses about
// the centroid (the integrals of sigma y and sigma z): the gradient of its
// linear stress field (fitted to the stress points) times the model's own
// second moments, of which the engine made that field. false without
// points or second moments.
bool Model_Moments(double M[2]) {
    double S[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, r[3] = {0, 0, 0};
    const int points = Get_Section_Point_Count();
    for (int k = 0; k < points; k++) {
        double y = 0, z = 0, sigma = 0;
        if (!Get_Section_Point_Stress(k, &y, &z, &sigma, nullptr, nullptr)) continue;
        const double v[3] = {1, y, z};
        for (int i = 0; i < 3; i++) {
            r[i] += v[i] * sigma;
            for (int j = 0; j < 3; j++) S[i][j] += v[i] * v[j];
        }
    }
    // the normal equations by Cramer's rule: only the two gradients matter
    auto det = [](const double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double D = det(S);
    if (!(std::fabs(D) > 0)) return false;
    double grad[2];
    for (int col = 1; col <= 2; col++) {
        double T[3][3];
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3; j++) T[i][j] = j == col ? r[i] : S[i][j];
        grad[col - 1] = det(T) / D;
    }
    const double* qw = DWQB_Querschnittswerte;
    M[0] = qw[DWQB_QW_IZ] * grad[0] + qw[DWQB_QW_IYZ] * grad[1];
    M[1] = qw[DWQB_QW_IYZ] * grad[0] + qw[DWQB_QW_IY] * grad[1];
    return std::isfinite(M[0] + M[1]) && qw[DWQB_QW_IY] > 0 && qw[DWQB_QW_IZ] > 0;
}

// The family letter of a catalogue name's outline; 0 for a family without
// one.
char Outline_Letter(int family) {
    switch (family) {
    case PROFIL_FAMILY_I: return 'D';
    case PROFIL_FAMILY_T: return 'T';
    case PROFIL_FAMILY_U: return 'U';
    case PROFIL_FAMILY_L: return 'L';
    case PROFIL_FAMILY_RHS: return 'R';
    case PROFIL_FAMILY_Z: return 'Z';
    default: return 0;
    }
}

// A catalogue record's outline by its name (cm); 0 for a family without
// one. The record's outline is kept with its values: every load case of a
// connection asks again.
int Catalogue_Name_Outline(const char* name, Catalogue_Outline* outline) {
    struct Outline {
        Catalogue_Outline outline;
        int result;
    };
    static Kept_By_Inputs<Outline> kept;
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    const char letter = name[0] ? Outline_Letter(Get_Profil_Family(name)) : 0;
    if (!letter || Get_Profil_Values(name, v, code) < 1) return 0;
    bool fresh = false;
    Outline& o = kept.At(0, &fresh, letter, v);
    if (fresh) o.result = Catalogue_Record_Outline(letter, v, &o.outline) && o.outline.slope >= 0 ? 1 : 0;
    *outline = o.outline;
    return o.result;
}

// A rolled shape by its dimensions: the family's letter, h, b, t_w, t_f and
// the root radius (a hollow section's outer and inner corner radius), no
// toe radius, parallel flanges.
int Rolled_Shape_Outline(char letter, double h, double b, double t_w, double t_f, double r_1, double r_2,
                         Catalogue_Outline* o) {
    if (!letter || !(r_1 > 0)) return 0;
    *o = Catalogue_Outline{letter, h, b, t_w, t_f, r_1, r_2, 0.0, 0.0};
    return 1;
}

}  // namespace

int Calc_Plastic_Plane(const Plastic_Ring* rings, int n, double N, const double M[2], double f_y, double plane[3]) {
    if (!rings || n <= 0 || !M || !plane || !(f_y > 0) || !std::isfinite(N + M[0] + M[1])) return 0;
    static Section s;  // its vectors kept for the next call
    Read(rings, n, &s);
    if (!(s.total.a > 0) || !(s.size > 0)) return 0;
    const double balance = N / f_y;
    // a moment too small to turn any block counts as none
    const bool moment = std::hypot(M[0], M[1]) > 1e-10 * (std::fabs(N) + f_y * s.total.a) * s.size;
    if (!moment || std::fabs(balance) >= s.total.a) {
        if (N == 0) return 0;
        plane[0] = N > 0 ? f_y : -f_y;
        plane[1] = plane[2] = 0;
        return 1;
    }
    const double theta = Axis_Angle(s, balance, M);
    double near = NAN;
    const double ny = std::cos(theta), nz = std::sin(theta), d = Offset(s, ny, nz, balance, &near);
    return Scaled_Plane(rings, n, ny, nz, d, f_y, plane);
}

void Calc_Part_Free_Plane(const Plastic_Ring* rings, int n, double N, const double M[2], const double e[2],
                          double f_y, double free[3]) {
    const double M_e = M[0] * e[0] + M[1] * e[1];
    const double along[2] = {M[0] - M_e * e[0], M[1] - M_e * e[1]};
    // without N and the moment along it the part is not stressed
    if (!Calc_Plastic_Plane(rings, n, N, along, f_y, free)) free[0] = free[1] = free[2] = 0;
}

void Part_Plastic_Field(int kind, const double y[2], const double z[2], const double design[3], const double* free,
                        double f_y, double g[3]) {
    // The neutral axis along the part (a symmetric section's under the
    // moment across the part alone), to the search's tolerance: its
    // stresses change sign across its thickness, not along it. Such a
    // field compresses none of it, and the other one decides.
    static const double zero[3] = {0, 0, 0};
    auto along = [&](const double* field) {
        double largest = 0;
        for (int k = 0; k < 2; k++) largest = std::max(largest, std::fabs(field[0] + field[1] * y[k] + field[2] * z[k]));
        return !(largest > 1e-6 * f_y);
    };
    const double* own = free && along(free) ? zero : free;
    const double* forces = free && along(design) ? zero : design;
    const double* pick = own && Part_More_Severe(kind, y, z, forces, own) ? own : forces;
    for (int k = 0; k < 3; k++) g[k] = pick[k];
}

int Part_Axis(const double J[3], const double y[2], const double z[2], double size, double e[2]) {
    // The principal directions of J; for equal second moments without a
    // product every direction is one, and the axes given are taken.
    const double d = J[0] - J[1];
    const double angle = std::fabs(J[2]) <= 1e-12 * (std::fabs(J[0]) + std::fabs(J[1])) ? 0.0 : std::atan2(2 * J[2], d) / 2;
    const double dir[2][2] = {{std::cos(angle), std::sin(angle)}, {-std::sin(angle), std::cos(angle)}};
    const double tol = 1e-6 * size;
    for (int k = 0; k < 2; k++) {
        if (std::fabs(dir[k][0] * y[0] + dir[k][1] * z[0]) > tol || std::fabs(dir[k][0] * y[1] + dir[k][1] * z[1]) > tol)
            continue;
        e[0] = dir[k][0], e[1] = dir[k][1];
        return 1;
    }
    return 0;
}

int Part_More_Severe(int kind, const double y[2], const double z[2], const double a[3], const double b[3]) {
    double ends[2][2], largest[2] = {0, 0};
    for (int k = 0; k < 2; k++) {
        ends[0][k] = a[0] + a[1] * y[k] + a[2] * z[k];
        ends[1][k] = b[0] + b[1] * y[k] + b[2] * z[k];
        for (int i = 0; i < 2; i++) largest[i] = std::max(largest[i], std::fabs(ends[i][k]));
    }
    if (!(largest[0] > 0) && !(largest[1] > 0)) return 0;
    // the class 2 limits with epsilon 1; none where a field leaves the part
    // without compression. Each field at its own size: its ends' ratio is
    // the compressed fraction, however close the axis passes (a web the
    // axis turns about under a moment of 0.001 kNm beside one the axis of
    // N and M_y alone just leaves).
    double limit[2] = {HUGE_VAL, HUGE_VAL}, alpha[2] = {0, 0};
    for (int i = 0; i < 2; i++) {
        const double f = largest[i] > 0 ? 235 / largest[i] : 0.0;
        // a field that leaves the part in tension sets no limit (as the
        // table has it, below 1e-5 f_y): under a tension mostly both
        if (!(-f * std::min(ends[i][0], ends[i][1]) > 1e-5 * 235)) continue;
        const Ct_Grenzwert_Eingabe in{CT_RULES_EN,   CT_PLASTIC_ENDS, kind, 235, 0, 0, f * ends[i][0],
                                      f * ends[i][1], 0,               1};
        Ct_Grenzwerte g;
        const bool set = Calc_Ct_Grenzwerte(&in, &g) && g.ct[1] > 0;
        limit[i] = set ? g.ct[1] : HUGE_VAL, alpha[i] = set ? g.alpha : 0;
    }
    // the same blocks found two ways (a web's middle under N = 0) are one
    // distribution: no step of the table between 0.5 - 1e-12 and 0.5 + 1e-12
    const bool same_end = (ends[0][0] < ends[0][1]) == (ends[1][0] < ends[1][1]);
    if (same_end && std::fabs(alpha[1] - alpha[0]) <= 1e-9) return 0;
    return limit[1] < limit[0] ? 1 : 0;
}

int Profile_Rolled_Outline(const Stahlprofil* p, Catalogue_Outline* outline) {
    if (!p || !outline) return 0;
    if (p->kind == STAHLPROFIL_KIND_CATALOGUE) {
        char name[STAHLPROFIL_NAME_SIZE + 1] = {};
        std::memcpy(name, p->name, strnlen(p->name, STAHLPROFIL_NAME_SIZE));
        for (size_t k = std::strlen(name); k > 0 && name[k - 1] == ' '; k--) name[k - 1] = 0;
        if (!Catalogue_Name_Outline(name, outline)) return 0;
        Scale_Outline(outline, 10);
        return 1;
    }
    if (!p->rolled || p->kind != STAHLPROFIL_KIND_DIMENSIONS) return 0;
    double top = 0, bottom = 0, root = 0;
    Calc_Profile_Weld_Offsets(p, &top, &bottom, &root);
    char letter = 0;
    switch (p->type) {
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        if (p->b_fo == p->b_fu && p->t_fo == p->t_fu) letter = 'D';
        break;
    case PROFILTYP_T: case PROFILTYP_HALB_I: letter = 'T'; break;
    case PROFILTYP_C: case PROFILTYP_U: letter = 'U'; break;
    case PROFILTYP_L: letter = 'L'; break;
    case PROFILTYP_RECHTECK: return Rolled_Shape_Outline('R', p->h, p->b_fo, p->t_w, p->t_fo, top, root, outline);
    default: break;
    }
    return Rolled_Shape_Outline(letter, p->h, p->b_fo, p->t_w, p->t_fo, top, 0, outline);
}

void Scale_Outline(Catalogue_Outline* o, double factor) {
    if (!o) return;
    for (double* x : {&o->h, &o->b, &o->t_w, &o->t_f, &o->r_1, &o->r_2, &o->nominal_from_tip}) *x *= factor;
}

int Model_Rolled_Outline(const Profil_Model_Descriptor* d, const char* name_text, const float* values,
                         Catalogue_Outline* outline) {
    if (!d || !outline) return 0;
    if (d->family == PROFIL_FAMILY_BY_NAME) {
        if (!name_text || name_text[0] == '-' || std::strlen(name_text) <= 4) return 0;
        char name[PROFIL_MODEL_NAME_SIZE] = {};
        std::memcpy(name, name_text + 4, std::min(std::strlen(name_text + 4), sizeof name - 1));
        for (size_t k = std::strlen(name); k > 0 && name[k - 1] == ' '; k--) name[k - 1] = 0;
        return Catalogue_Name_Outline(name, outline);
    }
    if (!values || static_cast<int>(values[PROFIL_MODEL_CORNER_VALUE + 2]) != PQ_CORNERS_ROLLED) return 0;
    const float* v = values + PROFIL_MODEL_FIRST_SHAPE_VALUE;
    const float r = values[PROFIL_MODEL_CORNER_VALUE];
    if (d->family == PROFIL_FAMILY_RHS)
        return Rolled_Shape_Outline('R', v[0], v[1], v[2], v[3], values[PROFIL_MODEL_OUTER_CORNER_VALUE], r, outline);
    const char letter = d->family == PROFIL_FAMILY_I ? 'D'
                        : d->family == PROFIL_FAMILY_T ? 'T'
                        : d->family == PROFIL_FAMILY_U ? 'U'
                        : d->family == PROFIL_FAMILY_L ? 'L'
                                                       : 0;
    return Rolled_Shape_Outline(letter, v[0], v[1], v[2], v[3], r, 0, outline);
}

int Plastic_Section_Rings(const Plastic_Ring* plates, int n, const Catalogue_Outline* outline,
                          const Plastic_Ring** rings) {
    // a few sections kept, for callers that take turns (the model's check
    // and the record's classification of one profile)
    static Kept_By_Inputs<Kept_Section, 4> kept;
    if (!plates || n <= 0 || !rings) return 0;
    // The inputs in a row: the plates' sizes, shares and points, and the
    // outline's values member by member (its padding is no input).
    static std::vector<int> sizes;
    static std::vector<double> shares;
    static std::vector<Outline_Point> points;
    sizes.clear(), shares.clear(), points.clear();
    for (int i = 0; i < n; i++) {
        sizes.push_back(plates[i].n);
        shares.push_back(plates[i].share);
        points.insert(points.end(), plates[i].points, plates[i].points + plates[i].n);
    }
    const Catalogue_Outline o = outline ? *outline : Catalogue_Outline{};
    bool fresh = false;
    Kept_Section& k = kept.Take(&fresh, n, Inputs_Of(sizes.data(), sizes.size()),
                                Inputs_Of(shares.data(), shares.size()), Inputs_Of(points.data(), points.size()),
                                outline != nullptr, o.letter, o.h, o.b, o.t_w, o.t_f, o.r_1, o.r_2, o.slope,
                                o.nominal_from_tip);
    if (fresh) {
        k.plate_points = points;
        k.rings.clear();
        if (outline && Lay_Outline(*outline, plates, n, &k)) {
            for (size_t i = 0; i < k.pieces.size(); i++)
                k.rings.push_back({k.pieces[i].data(), static_cast<int>(k.pieces[i].size()), k.piece_shares[i]});
        } else {
            size_t at = 0;
            for (int i = 0; i < n; i++) {
                k.rings.push_back({k.plate_points.data() + at, plates[i].n, plates[i].share});
                at += static_cast<size_t>(plates[i].n);
            }
        }
    }
    *rings = k.rings.data();
    return static_cast<int>(k.rings.size());
}

int Model_Plastic_Rings(const double* part_share, int shares, const Catalogue_Outline* outline,
                        const Plastic_Ring** rings) {
    // kept for the next section: no allocation per load case
    static std::vector<Outline_Point> points;
    static std::vector<Plastic_Ring> plates;
    if (!rings || !Model_Plates(part_share, shares, &points, &plates)) return 0;
    return Plastic_Section_Rings(plates.data(), static_cast<int>(plates.size()), outline, rings);
}

int Calc_Model_Plastic_Part_Ends(double N, double f_y, double (*ends)[2], int max, const double* part_share,
                                 const Catalogue_Outline* outline) {
    if (!ends || max <= 0) return 0;
    double M[2], plane[3];
    const Plastic_Ring* rings = nullptr;
    const int n = Model_Plastic_Rings(part_share, max, outline, &rings);
    if (n <= 0 || !Model_Moments(M) || !Calc_Plastic_Plane(rings, n, N, M, f_y, plane)) return 0;
    const double* qw = DWQB_Querschnittswerte;
    const double J[3] = {qw[DWQB_QW_IZ], qw[DWQB_QW_IY], qw[DWQB_QW_IYZ]};
    double size = 0;
    for (int k = 0; k < n; k++)
        for (int c = 0; c < rings[k].n; c++) size = std::max(size, std::hypot(rings[k].points[c].y, rings[k].points[c].z));
    // the distributions of N and the moment along a part on a principal
    // axis, per axis (at most two)
    double free[2][3], axis[2][2];
    int axes = 0;
    const int parts = std::min(Get_Section_Part_Count(), max);
    for (int i = 0; i < parts; i++) {
        double y[2], z[2];
        const int kind = Get_Section_Part_Ends(i, y, z);
        if (kind == CT_NO_PART) {
            ends[i][0] = ends[i][1] = NAN;
            continue;
        }
        const double* own = nullptr;
        double e[2], g[3];
        if (Part_Axis(J, y, z, size, e)) {
            int k = 0;
            while (k < axes && (axis[k][0] != e[0] || axis[k][1] != e[1])) k++;
            if (k == axes && axes < 2) {
                axis[k][0] = e[0], axis[k][1] = e[1];
                Calc_Part_Free_Plane(rings, n, N, M, e, f_y, free[k]);
                axes++;
            }
            if (k < axes) own = free[k];
        }
        Part_Plastic_Field(kind, y, z, plane, own, f_y, g);
        // The blocks are f_y on either side of the axis; the field's size at
        // a part says only how far the axis lies, and its two ends' ratio
        // the compressed fraction. A part the axis passes close to (a stem
        // the axis turns about under a moment of 0.001 kNm) keeps that
        // fraction at the size the c/t limits take for a stress.
        // A part the axis parts in halves (a web under M_y alone between
        // flanges of equal strength) is parted in halves: the search's last
        // digits must not tip alpha across 0.5, where the table steps from
        // 41.5 eps/alpha to 456 eps/(13 alpha - 1), 0.1 % apart.
        double at[2], largest = 0;
        for (int e = 0; e < 2; e++) largest = std::max(largest, std::fabs(at[e] = g[0] + g[1] * y[e] + g[2] * z[e]));
        if (std::fabs(at[0] + at[1]) <= 1e-8 * largest) at[0] = at[0] < 0 ? -largest : largest, at[1] = -at[0];
        for (int e = 0; e < 2; e++) ends[i][e] = largest > 0 ? 10 * f_y * at[e] / largest : 0.0;
    }
    return parts;
}
