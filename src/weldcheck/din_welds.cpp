// Weld sections and weld checks of the DIN 18800 path: the weld ring of a
// circular tube or round bar, the four side welds of a flat bar and the
// weld lines of the I family, rectangular tube, channel, T and angle, each
// with the stresses of the welds (and of the tube, flat and round profile)
// and their utilisations.
//
// The throat areas of fillet welds are folded into the connection plane at
// their root lines (the faces of the profile), where they are lines of
// their length; a partial-penetration butt weld's throat lies in the part
// it joins, from the welded face in.
// A weld point carries the normal stress of N, M_y and M_z over the weld
// group (N acts at the profile's centroid: with its lever to the group's
// centroid it bends the group too), the shear stress of the shear force
// its weld takes (V_z the welds along the height, V_y those along the
// width), and the shear stress of the torsion: M_x and the moment of V_y
// and V_z, which act at the profile's centroid too, less that of their
// split to the welds; sigma_w,v = sqrt(sigma² + tau²) is checked against
// alpha_w f_y,k / gamma_M.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/geometry.h"
#include "base/kept_by_inputs.h"
#include "profiles/catalogue_outline.h"
#include "weldcheck/din_check.h"
#include "weldcheck/din_internal.h"

namespace {

enum { MAX_LINES = KEHLNAHT_POINTS, LINE_POINTS = 9 };

// The lines of a connection as they are collected.
struct Weld_Lines {
    Din_Weld_Line line[MAX_LINES];
    int n;
};

// Weld positions of the families T = 0..8 (the flat bar's four sides).
const int POSITIONS[9] = {0, 8, 4, 6, 5, 4, 0, 4, 0};

const int ROLES[6][ANSCHLUSS_WELD_POSITIONS] = {
    {0, 0, 0, 0, 0, 0, 0, 0}, {2, 2, 2, 1, 1, 2, 2, 2}, {2, 1, 1, 2, 0, 0, 0, 0},
    {2, 2, 1, 1, 2, 2, 0, 0}, {2, 2, 2, 1, 1, 0, 0, 0}, {1, 1, 2, 2, 0, 0, 0, 0},
};

// The effective length (cm) of a weld of length l and throat a (cm).
double Effective(const GeschweissterAnschluss* r, double l, double a) {
    return r->end_crater == ANSCHLUSS_END_CRATERS ? l - 2 * a : l;
}

// Appends a weld centred on the segment (y1, z1)-(y2, z2) (cm) with its
// own length l and throat a; the stress points run over the segment.
// position: of a weld by position, 0 of one all round.
void Add_Line(Weld_Lines* w, double y1, double z1, double y2, double z2, double l, double a, int role,
              int position) {
    const double dy = y2 - y1, dz = z2 - z1, len = std::hypot(dy, dz);
    if (w->n >= MAX_LINES || !(len > 1e-6) || !(a > 0.0) || !(l > 0.0)) return;
    Din_Weld_Line& k = w->line[w->n++];
    k = {y1, z1, y2, z2, (y1 + y2) / 2, (z1 + z2) / 2, dy / len, dz / len, l, a, role, position, l, false, false, {}};
}

// Whether (y, z) lies inside the polygon of the n points py, pz.
bool Inside(const double* py, const double* pz, int n, double y, double z) {
    bool in = false;
    for (int i = 0, j = n - 1; i < n; j = i++)
        if ((pz[i] > z) != (pz[j] > z) && y < py[j] + (py[i] - py[j]) * (z - pz[j]) / (pz[i] - pz[j])) in = !in;
    return in;
}

// The edge (from point e to e + 1) of the n points py, pz nearest to (y, z),
// and its distance.
int Nearest_Edge(const double* py, const double* pz, int n, double y, double z, double* distance = nullptr) {
    int best = 0;
    double least = HUGE_VAL;
    for (int e = 0; e < n; e++) {
        const int f = (e + 1) % n;
        const double dy = py[f] - py[e], dz = pz[f] - pz[e], L2 = dy * dy + dz * dz;
        const double t = L2 > 0.0 ? std::clamp(((y - py[e]) * dy + (z - pz[e]) * dz) / L2, 0.0, 1.0) : 0.0;
        const double d = std::hypot(py[e] + t * dy - y, pz[e] + t * dz - z);
        if (d < least) least = d, best = e;
    }
    if (distance) *distance = least;
    return best;
}

// The rolled outline of the profile (Din_Rolled_Outline: a catalogue
// profile's record's, a typed rolled one's of its radii; cm, its slopes,
// toes and fillets as rolled), in the frame of the drawn outline (py, pz, n
// points): turned and mirrored as the drawing stands the profile (the way
// that puts its centroid where the drawing has it and the drawing's
// corners nearest to it), its extent on the drawing's. Empty where the
// profile has none or no way fits the drawing's extent.
struct Rings {
    std::vector<double> y[2], z[2];
    int n;
};
Rings Rolled_Rings_Of(const GeschweissterAnschluss* r, const double* py, const double* pz, int n) {
    Rings out{};
    Catalogue_Outline o;
    std::vector<Outline_Ring> rings;
    if (n < 3 || !Din_Rolled_Outline(r, &o)) return out;
    // Its roundings in as many steps as the welds along it may have lines.
    for (int steps = 8; steps >= 1; steps /= 2) {
        if (!Catalogue_Outline_Polygons(&o, steps, &rings)) return out;
        size_t most = 0;
        for (const Outline_Ring& ring : rings) most = std::max(most, ring.size());
        if (most <= static_cast<size_t>(MAX_LINES)) break;
        if (steps == 1) return out;
    }
    if (rings.empty() || rings.size() > 2) return out;
    double lo[2] = {HUGE_VAL, HUGE_VAL}, hi[2] = {-HUGE_VAL, -HUGE_VAL};
    for (int i = 0; i < n; i++)
        lo[0] = std::min(lo[0], py[i]), hi[0] = std::max(hi[0], py[i]), lo[1] = std::min(lo[1], pz[i]), hi[1] = std::max(hi[1], pz[i]);
    const double mid[2] = {(lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2};
    const double kSame = 0.01;  // cm: the catalogue keeps floats
    // The centroid of a polygon's area (the origin for a polygon of none).
    auto centroid = [](const double* y, const double* z, int count, double c[2]) {
        Polygon_Centroid(count, y, z, &c[0], &c[1]);
        if (!std::isfinite(c[0]) || !std::isfinite(c[1])) c[0] = c[1] = 0.0;
    };
    double drawn[2];
    centroid(py, pz, n, drawn);
    // The ways that stand the profile as drawn put its centroid where the
    // drawing has it: a mirrored channel or angle, a tee upside down, puts
    // it a good share of the extent away, where its corners may well lie
    // on the drawing's sharp ones (a typed channel's drawn toes and root
    // corners all lie on the outline mirrored). Of those, the way that
    // puts the drawing's corners nearest to the outline.
    const double kMoved = 0.05 * std::max(hi[0] - lo[0], hi[1] - lo[1]);
    struct Way {
        Rings rings;
        double moved, off;
    };
    std::vector<Way> ways;
    // The eight ways: across and up each either way, or the two swapped.
    for (int way = 0; way < 8; way++) {
        const bool swap = way & 4;
        const double sy = way & 1 ? -1.0 : 1.0, sz = way & 2 ? -1.0 : 1.0;
        Rings t{};
        t.n = static_cast<int>(rings.size());
        double c_lo[2] = {HUGE_VAL, HUGE_VAL}, c_hi[2] = {-HUGE_VAL, -HUGE_VAL};
        for (size_t k = 0; k < rings.size(); k++)
            for (const Outline_Point& q : rings[k]) {
                const double y = sy * (swap ? q.z : q.y), z = sz * (swap ? q.y : q.z);
                t.y[k].push_back(y), t.z[k].push_back(z);
                c_lo[0] = std::min(c_lo[0], y), c_hi[0] = std::max(c_hi[0], y);
                c_lo[1] = std::min(c_lo[1], z), c_hi[1] = std::max(c_hi[1], z);
            }
        if (std::fabs((hi[0] - lo[0]) - (c_hi[0] - c_lo[0])) > kSame || std::fabs((hi[1] - lo[1]) - (c_hi[1] - c_lo[1])) > kSame)
            continue;
        for (size_t k = 0; k < rings.size(); k++)
            for (size_t i = 0; i < t.y[k].size(); i++)
                t.y[k][i] += mid[0] - (c_lo[0] + c_hi[0]) / 2, t.z[k][i] += mid[1] - (c_lo[1] + c_hi[1]) / 2;
        const int m = static_cast<int>(t.y[0].size());
        double c[2];
        centroid(t.y[0].data(), t.z[0].data(), m, c);
        // How far the drawing's corners lie from the record's outline.
        double off = 0.0;
        for (int i = 0; i < n; i++) {
            double d = 0.0;
            Nearest_Edge(t.y[0].data(), t.z[0].data(), m, py[i], pz[i], &d);
            off += d;
        }
        ways.push_back({t, std::hypot(c[0] - drawn[0], c[1] - drawn[1]), off});
    }
    double least = HUGE_VAL, best = HUGE_VAL;
    for (const Way& w : ways) least = std::min(least, w.moved);
    for (const Way& w : ways)
        if (w.moved <= least + kMoved && w.off < best) best = w.off, out = w.rings;
    // The outer contour first (the largest area), a tube's bore after it.
    auto area = [&out](int k) {
        double A = 0;
        for (size_t i = 0, j = out.y[k].size() - 1; i < out.y[k].size(); j = i++)
            A += out.y[k][j] * out.z[k][i] - out.y[k][i] * out.z[k][j];
        return std::fabs(A);
    };
    if (out.n == 2 && area(1) > area(0)) std::swap(out.y[0], out.y[1]), std::swap(out.z[0], out.z[1]);
    return out;
}

// Rolled_Rings_Of, kept with the record's name, its dimensions and radii
// (a typed profile's outline is theirs) and the drawn outline: the
// connection's (every load case asks again); null where there is none.
const Rings* Rolled_Rings(const GeschweissterAnschluss* r, const double* py, const double* pz, int n) {
    static Kept_By_Inputs<Rings> kept;
    bool fresh = false;
    const size_t count = static_cast<size_t>(std::max(n, 0));
    Rings& rings = kept.At(0, &fresh, r->catalogue, r->family, r->profile_name, r->h, r->b, r->t, r->s, r->r, r->r_inner,
                           r->r_toe, Inputs_Of(py, count), Inputs_Of(pz, count));
    if (fresh) rings = Rolled_Rings_Of(r, py, pz, n);
    return rings.n > 0 ? &rings : nullptr;
}

// The normal into the part of a throat in the part: where its centre lies
// off its face.
void Normal_Into_Part(const Din_Weld_Line& L, double* ny, double* nz) {
    *ny = (L.yc - (L.y1 + L.y2) / 2) / (L.a / 2), *nz = (L.zc - (L.z1 + L.z2) / 2) / (L.a / 2);
}

// The wedge between the bands of two throats in the part, each depth deep,
// that meet where the outline turns away from the part (the steps of a
// root fillet's rounding, along which a weld all round runs on): from
// their corner out to the throat, between their normals into the part.
// False where the lines do not meet so.
bool Wedge_Between(const Din_Weld_Line& k, const Din_Weld_Line& m, double depth, Throat_Polygon* wedge) {
    if (std::hypot(k.y2 - m.y1, k.z2 - m.z1) > 1e-9 || !(k.a > 0.0) || std::fabs(k.a - m.a) > 1e-12) return false;
    double ky, kz, my, mz;
    Normal_Into_Part(k, &ky, &kz), Normal_Into_Part(m, &my, &mz);
    if (!(ky * m.c + kz * m.s < -1e-9)) return false;  // the next face turns towards the part: no gap
    const double by = ky + my, bz = kz + mz, b = std::hypot(by, bz), a = depth;
    if (!(b > 1e-9)) return false;
    *wedge = {4, {k.y2, k.y2 + a * ky, k.y2 + a * by / b, k.y2 + a * my}, {k.z2, k.z2 + a * kz, k.z2 + a * bz / b, k.z2 + a * mz}};
    return true;
}

// The shares of the steel of the throats in the parts (Into_The_Parts):
// the welds along y first, whose corners they are, then the others, each
// a band l_A long about its centre, from its face a deep (deep where that
// is more), held to the outline: the rolled one (Rolled_Rings), else the
// drawn one (py, pz, n points, cm); with wedges, those between the throats
// of a weld all round that runs on along the rolled outline's roundings
// (Wedge_Between), each with the throat before it. They depend on the
// connection alone: kept from case to case.
void Share_The_Throats(Weld_Lines* w, const double* py, const double* pz, int n, const Rings* rolled, bool wedges,
                       double deep) {
    int order[MAX_LINES], m = 0;
    for (bool along_y : {true, false})
        for (int i = 0; i < w->n; i++)
            if (w->line[i].in_part && (std::fabs(w->line[i].c) >= std::fabs(w->line[i].s)) == along_y) order[m++] = i;
    if (m == 0) return;
    Throat_Polygon throats[2 * MAX_LINES];
    int owner[2 * MAX_LINES];
    for (int j = 0; j < m; j++) {
        const Din_Weld_Line& k = w->line[order[j]];
        double ny, nz;
        Normal_Into_Part(k, &ny, &nz);
        const double hy = k.c * k.l_A / 2, hz = k.s * k.l_A / 2, d = std::max(k.a, deep);
        const double fy = k.yc - ny * k.a / 2, fz = k.zc - nz * k.a / 2;  // the face's middle
        throats[j] = Throat_Behind(fy - hy, fz - hz, fy + hy, fz + hz, ny, nz, d);
        owner[j] = j;
    }
    int t = m;
    for (int j = 0; wedges && j < m; j++)
        for (int i = 0; i < m && t < 2 * MAX_LINES; i++)
            if (Wedge_Between(w->line[order[j]], w->line[order[i]], std::max(w->line[order[j]].a, deep), &throats[t]))
                owner[t++] = j;
    Throat_Ring rings[2] = {{py, pz, n}, {}};
    int n_rings = n >= 3 ? 1 : 0;
    if (rolled) {
        n_rings = rolled->n;
        for (int k = 0; k < rolled->n; k++)
            rings[k] = {rolled->y[k].data(), rolled->z[k].data(), static_cast<int>(rolled->y[k].size())};
    }
    struct Shares {
        Throat_Sums s[2 * MAX_LINES];
    };
    static Kept_By_Inputs<Shares> kept;
    bool fresh = false;
    const size_t c0 = static_cast<size_t>(std::max(rings[0].n, 0)), c1 = static_cast<size_t>(std::max(rings[1].n, 0));
    Shares& shares = kept.At(0, &fresh, n_rings, Inputs_Of(throats, static_cast<size_t>(t)), Inputs_Of(rings[0].y, c0),
                             Inputs_Of(rings[0].z, c0), Inputs_Of(rings[1].y, c1), Inputs_Of(rings[1].z, c1));
    if (fresh) Throat_Shares(throats, t, rings, n_rings, shares.s);
    for (int j = 0; j < m; j++) w->line[order[j]].shared = true, w->line[order[j]].part = {};
    for (int j = 0; j < t; j++) {
        Throat_Sums& p = w->line[order[owner[j]]].part;
        const Throat_Sums& q = shares.s[j];
        p = {p.A + q.A, p.S_y + q.S_y, p.S_z + q.S_z, p.I_yy + q.I_yy, p.I_zz + q.I_zz, p.I_yz + q.I_yz};
    }
}

// Partial-penetration butt welds lie in the parts they join, as the
// Eurocode path lays them: each throat from its face into the side where
// the outline (py, pz, n points, cm) lies, its centre half a throat inside,
// with its own moment across the line; the stress points stay on the face,
// where the stresses are largest. Where throats meet (the corner of a tube
// or a bar, the many short welds round a rolled profile's rounded toes and
// fillets), the steel counts once, with the weld along y; and only within
// the outline (Share_The_Throats). On the face, half of each throat stood
// outside the member: an RHS 200 x 120 x 10 with a = 5 all round had I_y
// 1671.6 cm⁴ for 1617.5; the welds of an IPN 200 all round, their bands
// laid over each other at the sloped flanges' tips, I_z 85.5 cm⁴ for 77.0.
void Into_The_Parts(Weld_Lines* w, const double* py, const double* pz, int n, const Rings* rolled = nullptr,
                    bool wedges = false, double deep = 0.0) {
    const double probe = 1e-4;  // cm off the face
    for (int i = 0; i < w->n; i++) {
        Din_Weld_Line& k = w->line[i];
        const double ny = -k.s, nz = k.c;
        const bool left = Inside(py, pz, n, k.yc + probe * ny, k.zc + probe * nz);
        const bool right = Inside(py, pz, n, k.yc - probe * ny, k.zc - probe * nz);
        // A line within the outline, or off it, has no side of its own.
        if (left == right) continue;
        const double d = (left ? 0.5 : -0.5) * k.a;
        k.yc += d * ny, k.zc += d * nz;
        k.in_part = true;
    }
    Share_The_Throats(w, py, pz, n, rolled, wedges, deep);
}

// The area a ring of partial-penetration throats encloses on their midline:
// that of its convex outline (area A, perimeter U, cm) offset inwards by
// half the throat a, A - U a / 2 + (a / 2)² times the sum of tan(θ / 2)
// over the outline's turns θ (4 at a rectangle's corners), not below 0.
double Throat_Midline_Area(const double* py, const double* pz, int n, double a) {
    double A = 0, U = 0, turns = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n, k = (i + 2) % n;
        A += py[i] * pz[j] - py[j] * pz[i];
        const double ey = py[j] - py[i], ez = pz[j] - pz[i], fy = py[k] - py[j], fz = pz[k] - pz[j];
        U += std::hypot(ey, ez);
        const double theta = std::fabs(std::atan2(ey * fz - ez * fy, ey * fy + ez * fz));
        if (std::hypot(ey, ez) > 0.0 && std::hypot(fy, fz) > 0.0) turns += std::tan(theta / 2);
    }
    const double d = a / 2;
    return std::max(std::fabs(A) / 2 - U * d + d * d * turns, 0.0);
}

// Edge e (from outline point e to e + 1) lies in the range first..last of
// outline points, counted forwards around the n points.
bool In_Range(int e, int first, int last, int n) {
    if (first == last || n <= 0) return false;
    for (int i = first; i != last; i = (i + 1) % n)
        if (i == e) return true;
    return false;
}

// The role of outline edge e of a weld all round: the drawing marks per
// weld position the edges along the height (V_z) and along the width (V_y).
int Edge_Role(const Kehlnaht_Geometry& t, int e, int n) {
    for (int p = 1; p <= ANSCHLUSS_WELD_POSITIONS; p++) {
        if (In_Range(e, t.height_first[p], t.height_last[p], n)) return 1;
        if (In_Range(e, t.width_first[p], t.width_last[p], n)) return 2;
    }
    return 0;
}

// Whether the point (mm) is a re-entrant corner of the outline of g.
bool At_Root(const Kehlnaht_Geometry& g, double x, double y) {
    for (int j = 0; j < std::min(g.n, static_cast<int>(KEHLNAHT_POINTS)); j++)
        if (std::hypot(g.X[j] - x, g.Y[j] - y) < 0.01 && Din_Reentrant(g, j)) return true;
    return false;
}

// Where a weld of length l (mm) lies on the drawn line d (x1, y1, x2, y2,
// mm) of its face: on the face's straight part. A line drawn into a sharp
// re-entrant corner (a profile by its dimensions) runs the root radius r
// into the root fillet there; one drawn to the tip of a flange or leg
// whose toe is rounded (toe > 0) runs the toe's radius into the rounding.
// Within the straight part a weld that meets a root fillet at one end only
// is welded from its other end (the web of a T by its dimensions, drawn
// from the flange, from its tip); any other is centred. A weld as long as
// the drawn line, or longer, covers it. (Placed on the drawn line, the
// inner leg welds of an angle L 100 x 10 sat up to their toe's 6 mm off.)
struct Weld_Extent {
    double x1, y1, x2, y2;
};

Weld_Extent Extent_On_Face(const Kehlnaht_Geometry& g, const double* d, double l, double r, double toe) {
    Weld_Extent e = {d[0], d[1], d[2], d[3]};
    const double L = std::hypot(d[2] - d[0], d[3] - d[1]);
    if (!(l > 0.0) || !(L > l + 0.001)) return e;
    const bool root_1 = At_Root(g, d[0], d[1]), root_2 = At_Root(g, d[2], d[3]);
    const double ux = (d[2] - d[0]) / L, uy = (d[3] - d[1]) / L;
    double s0 = 0.0, s1 = L;
    if (root_1) s0 += std::max(r, 0.0);
    if (root_2) s1 -= std::max(r, 0.0);
    if (toe > 0.0 && Din_At_Tip(g, d[0], d[1])) s0 += toe;
    if (toe > 0.0 && Din_At_Tip(g, d[2], d[3])) s1 -= toe;
    // Its start along the line from the first point, within the line.
    double from = root_1 == root_2 ? s0 + (s1 - s0 - l) / 2 : root_1 ? s1 - l : s0;
    from = std::clamp(from, 0.0, L - l);
    e.x1 = d[0] + from * ux, e.y1 = d[1] + from * uy;
    e.x2 = e.x1 + l * ux, e.y2 = e.y1 + l * uy;
    return e;
}

// The toe radius (mm) the inner face of weld line i of a flange or leg ends
// in; 0 for the other lines (webs, outer faces).
double Toe_Of_Line(const GeschweissterAnschluss* r, const Kehlnaht_Geometry& g, int i) {
    if (!Din_Toe_Line(g, i)) return 0.0;
    return std::max(g.catalogue ? g.toe_radius : r->r_toe, 0.0);
}

// Whether the geometry lays its flanges' faces as the record's rolled
// outline has them sloped (Build_Kehlnaht_Geometry): its weld lines are the
// straight parts of the faces.
bool Sloped_Faces(const Kehlnaht_Geometry& g) { return g.catalogue && g.rolled && g.faces.slope > 0.0; }

// The weld lines of the I family .. angle: by position along the
// geometry's weld lines (mm), or all round along the outline (cm) with
// throat a (mm).
void Line_Welds(const GeschweissterAnschluss* r, const int* roles, const Din_Outline& o, double a, Weld_Lines* w) {
    w->n = 0;
    const Kehlnaht_Geometry& g = *o.geometry;
    const int n_drawn = std::clamp(o.n, 0, static_cast<int>(KEHLNAHT_POINTS));
    const Rings* rolled = r->partial_penetration ? Rolled_Rings(r, o.y, o.z, n_drawn) : nullptr;
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND) {
        const double ac = 0.1 * Din_Throat_Taken(r, a);
        const int n = std::clamp(o.n, 0, static_cast<int>(MAX_LINES));
        // A throat that reaches through every wall of a tube takes the
        // whole wall: where the rolled outline holds the bore, each band
        // goes to the tube's middle (no steel lies farther from its outer
        // faces; the bore ends it), so that the rounded corners, thicker
        // than the flat walls, are welded through as well (held to the flat
        // wall's depth they kept a sliver of steel out of the weld).
        const bool through = rolled && rolled->n == 2 && a >= std::max(r->t2, r->s2);
        const double deep = through ? 0.05 * std::min(r->h2, r->b2) : 0.0;
        // A partial penetration runs on round the outline as rolled (the
        // drawn one stands an IPN's flanges parallel, an angle's toes
        // square, a typed profile's corners sharp): along the rolled
        // outline, each edge taking the part of the drawn edge nearest to
        // it. Welds that stop short of their ends by their craters are the
        // drawn outline's, their throats held to the rolled one.
        if (!rolled || r->end_crater != ANSCHLUSS_FULL_LENGTH) {
            for (int e = 0; e < n; e++) {
                const int f = (e + 1) % n;
                const double len = std::hypot(o.y[f] - o.y[e], o.z[f] - o.z[e]);
                Add_Line(w, o.y[e], o.z[e], o.y[f], o.z[f], Effective(r, len, ac), ac, Edge_Role(g, e, n), 0);
            }
            if (r->partial_penetration) Into_The_Parts(w, o.y, o.z, n, rolled, false, deep);
            return;
        }
        const std::vector<double>&y = rolled->y[0], &z = rolled->z[0];
        const int m = static_cast<int>(y.size());  // at most MAX_LINES (Rolled_Rings_Of)
        for (int e = 0; e < m; e++) {
            const int f = (e + 1) % m;
            const double len = std::hypot(y[f] - y[e], z[f] - z[e]);
            const int role = Edge_Role(g, Nearest_Edge(o.y, o.z, n, (y[e] + y[f]) / 2, (z[e] + z[f]) / 2), n);
            Add_Line(w, y[e], z[e], y[f], z[f], Effective(r, len, ac), ac, role, 0);
        }
        Into_The_Parts(w, y.data(), z.data(), m, rolled, true, deep);
        return;
    }
    const int count = std::min(g.line_count, static_cast<int>(ANSCHLUSS_WELD_POSITIONS));
    for (int i = 0; i < count; i++) {
        // A throat below 0.1 mm is no weld.
        if (!(r->a_pos[i] >= 0.1)) continue;
        // A typed profile's outline is drawn without its fillets: their
        // radius is the record's.
        const double root = g.catalogue ? 0.0 : r->r;
        // Flanges that slope are laid as rolled: each line is the straight
        // part of its face, and no weld on it is longer (the length typed
        // is the plates' face's, longer: an IPN 200's inner welds counted
        // 33.75 mm of a face 31.2 mm long).
        const double* d = g.line[i];
        const double typed = Sloped_Faces(g) ? std::min(r->l_pos[i], std::hypot(d[2] - d[0], d[3] - d[1])) : r->l_pos[i];
        const Weld_Extent x = Extent_On_Face(g, d, typed, root, Toe_Of_Line(r, g, i));
        const double ac = 0.1 * r->a_pos[i];
        Add_Line(w, -0.1 * x.x1, 0.1 * x.y1, -0.1 * x.x2, 0.1 * x.y2, Effective(r, 0.1 * typed, ac), ac,
                 roles ? roles[i] : 0, i + 1);
    }
    if (r->partial_penetration) Into_The_Parts(w, o.y, o.z, n_drawn, rolled);
}

// The four side welds of a flat bar h x t (cm) about its centre: 1 and 4
// along the width at the two ends of the height, 2 and 3 along the height.
void Flat_Welds(const GeschweissterAnschluss* r, double a, Weld_Lines* w) {
    w->n = 0;
    const double h = 0.1 * r->h2, t = 0.1 * r->t2;
    const bool all_round = r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
    const double ac = 0.1 * (a < 0.001 ? 1.0 : Din_Throat_Taken(r, a));
    const struct {
        double y1, z1, y2, z2, length;
        int role;
    } sides[4] = {{t / 2, -h / 2, -t / 2, -h / 2, t, 2},
                  {t / 2, -h / 2, t / 2, h / 2, h, 1},
                  {-t / 2, -h / 2, -t / 2, h / 2, h, 1},
                  {t / 2, h / 2, -t / 2, h / 2, t, 2}};
    for (int i = 0; i < 4; i++) {
        const auto& d = sides[i];
        const double throat = all_round ? ac : 0.1 * r->a_pos[i];
        const double l = Effective(r, all_round ? d.length : 0.1 * r->l_pos[i], throat);
        // A side whose throat times length is below 0.01 mm² does not count.
        if (!(throat * l * 100.0 >= 0.01)) continue;
        // The stress points run over the weld itself, centred on its face.
        const double dy = d.y2 - d.y1, dz = d.z2 - d.z1, len = std::hypot(dy, dz);
        const double ym = (d.y1 + d.y2) / 2, zm = (d.z1 + d.z2) / 2, half = l / 2;
        Add_Line(w, ym - half * dy / len, zm - half * dz / len, ym + half * dy / len, zm + half * dz / len, l,
                 throat, d.role, all_round ? 0 : i + 1);
    }
    const double by[4] = {t / 2, t / 2, -t / 2, -t / 2}, bz[4] = {-h / 2, h / 2, h / 2, -h / 2};
    if (r->partial_penetration) Into_The_Parts(w, by, bz, 4);
}

// Section values of the lines; each a line of length l and throat a turned
// to its direction (its own moment a l³ / 12 along it), with its Steiner
// terms. The stresses of a fillet weld are taken on its root line, so its
// throat has no moment of its own across the line: that would take part of
// a moment off the welds' forces, which then no longer balance the
// internal forces. A throat in the part it joins has its own l a³ / 12
// across, as its stresses run across it.
Din_Weld_Group Group_Of(const Weld_Lines& w) {
    Din_Weld_Group g = {};
    double Sy = 0, Sz = 0, Sy_z = 0, Sz_y = 0;
    for (int i = 0; i < w.n; i++) {
        const Din_Weld_Line& k = w.line[i];
        const double A = k.shared ? k.part.A : k.a * k.l_A;
        const double S_y = k.shared ? k.part.S_y : A * k.yc, S_z = k.shared ? k.part.S_z : A * k.zc;
        g.L += k.l;
        g.A += A;
        Sy += S_y;
        Sz += S_z;
        if (k.role == DIN_ROLE_V_Z) g.A_z += A, Sy_z += S_y;
        if (k.role == DIN_ROLE_V_Y) g.A_y += A, Sz_y += S_z;
        g.a_min = i == 0 ? k.a : std::min(g.a_min, k.a);
    }
    if (!(g.A > 0.0)) return g;
    g.y_s = Sy / g.A;
    g.z_s = Sz / g.A;
    g.y_Az = g.A_z > 0.0 ? Sy_z / g.A_z : g.y_s;
    g.z_Ay = g.A_y > 0.0 ? Sz_y / g.A_y : g.z_s;
    for (int i = 0; i < w.n; i++) {
        const Din_Weld_Line& k = w.line[i];
        if (k.shared) {
            // Its share's moments about the origin, taken to the centroid.
            const Throat_Sums& p = k.part;
            g.I_y += p.I_zz - 2 * g.z_s * p.S_z + g.z_s * g.z_s * p.A;
            g.I_z += p.I_yy - 2 * g.y_s * p.S_y + g.y_s * g.y_s * p.A;
            g.I_yz += p.I_yz - g.y_s * p.S_z - g.z_s * p.S_y + g.y_s * g.z_s * p.A;
            continue;
        }
        const double A = k.a * k.l_A, il = k.a * k.l_A * k.l_A * k.l_A / 12;
        const double ia = k.in_part ? k.l_A * k.a * k.a * k.a / 12 : 0.0;
        const double dy = k.yc - g.y_s, dz = k.zc - g.z_s;
        g.I_y += il * k.s * k.s + ia * k.c * k.c + A * dz * dz;
        g.I_z += il * k.c * k.c + ia * k.s * k.s + A * dy * dy;
        g.I_yz += (il - ia) * k.c * k.s + A * dy * dz;
    }
    return g;
}

// Stores the weld group into the record: lengths, area, moments, the
// principal axes (degrees) and the shear areas.
void Store_Group(GeschweissterAnschluss* r, Din_Weld_Group g) {
    // Sums of a symmetric group leave rounding dust where 0 belongs.
    const double dust = 1e-9 * (std::fabs(g.I_y) + std::fabs(g.I_z) + 1.0);
    if (std::fabs(g.I_yz) < dust) g.I_yz = 0.0;
    if (std::fabs(g.y_s) < 1e-9) g.y_s = 0.0;
    if (std::fabs(g.z_s) < 1e-9) g.z_s = 0.0;
    Anschluss_Nahtwerte& v = r->weld_values;
    v.L = g.L, v.A_w = g.A, v.y_s = g.y_s, v.z_s = g.z_s;
    v.I_y = g.I_y, v.I_z = g.I_z, v.I_yz = g.I_yz;
    r->A_w_y = g.A_y, r->A_w_z = g.A_z;
    Din_Principal_Axes(v);
}

// The extreme stresses of a set of points (kN/cm²) with the point of each,
// relative to the centroid; a later point replaces a kept one only when
// strictly larger (smaller for the smallest normal stress).
struct Extremes {
    bool any = false;
    double s_max = 0, s_min = 0, t_max = 0, t_T = 0, sv_max = 0;
    double at[4][2] = {};
    void Take(double s, double t, double t_T_here, double y, double z) {
        const double sv = std::sqrt(s * s + t * t);
        if (!any || s > s_max) s_max = s, at[0][0] = y, at[0][1] = z;
        if (!any || s < s_min) s_min = s, at[1][0] = y, at[1][1] = z;
        if (!any || t > t_max) t_max = t, at[2][0] = y, at[2][1] = z;
        if (!any || sv > sv_max) sv_max = sv, at[3][0] = y, at[3][1] = z;
        t_T = std::max(t_T, t_T_here);
        any = true;
    }
};

// The record's forces as the welds take them, about the profile's centroid.
Din_Weld_Forces Forces_Of(const GeschweissterAnschluss* r) {
    const double* f = r->load;
    return {Din_Weld_Normal_Force(r), 100.0 * f[ANSCHLUSS_M_Y], 100.0 * f[ANSCHLUSS_M_Z], Din_Torsion_kNcm(r),
            f[ANSCHLUSS_V_Y], f[ANSCHLUSS_V_Z]};
}

// How the welds of a group take the torsion: as a closed ring (Bredt, with
// the modulus 2 A_m a, cm³) and, where the welds may not close a ring, as
// a group turning about its centroid (polar: tau = M_t rho / I_p); the
// larger of the two governs at every point.
struct Torsion_Rule {
    double W_ring;   // > 0: Bredt's ring
    bool polar;
};

// Sets the status words of a shear force no weld can take.
void Shear_Status(GeschweissterAnschluss* r, double V, double A, int word) {
    if (std::fabs(V) > 0.01 && A < 0.01) {
        r->status.word[ANSCHLUSS_INPUT_ERROR] = 1;
        r->status.word[word] = 1;
    }
}

// The weld stresses at the nine points of every line; the extremes into
// e. Shear of a role-1 line |V_z| / A_z, of a role-2 line |V_y| / A_y. A
// partial penetration's throat lies in the part, its root a throat inside
// the face: its points are taken at the face and at the root too, as the
// stresses are linear across the throat and its most stressed point may
// lie at either (at the root of an inner face or a leg's free end).
void Evaluate_Lines(const Din_Weld_Line* lines, int n, const Din_Weld_Group& g, const Din_Weld_Forces& f,
                    const Torsion_Rule& rule, Extremes* e, double* tau_y_max, double* tau_z_max) {
    const double t_ring = rule.W_ring > 0.0 ? std::fabs(f.M_t) / rule.W_ring : 0.0;
    for (int i = 0; i < n; i++) {
        const Din_Weld_Line& k = lines[i];
        // The throat's centre lies half a throat off the face along the
        // line's normal (-s, c); the root twice that.
        const double ny = -k.s, nz = k.c;
        const double inset = k.in_part ? (k.yc - (k.y1 + k.y2) / 2) * ny + (k.zc - (k.z1 + k.z2) / 2) * nz : 0.0;
        // The points along the face, then (in the part) along the root.
        for (int pass = 0; pass < (k.in_part ? 2 : 1); pass++) {
            const double in = pass == 0 ? 0.0 : 2.0 * inset, in_y = in * ny, in_z = in * nz;
            for (int j = 0; j < LINE_POINTS; j++) {
                const double q = j / 8.0;
                const double dy = k.y1 + q * (k.y2 - k.y1) + in_y - g.y_s;
                const double dz = k.z1 + q * (k.z2 - k.z1) + in_z - g.z_s;
                const Din_Weld_Shear s = Din_Weld_Shear_At(g, f, k.role, dy, dz);
                const double t_V = std::hypot(s.V_y, s.V_z);
                if (pass == 0 && j == 0 && k.role == DIN_ROLE_V_Z && tau_z_max) *tau_z_max = std::max(*tau_z_max, t_V);
                if (pass == 0 && j == 0 && k.role == DIN_ROLE_V_Y && tau_y_max) *tau_y_max = std::max(*tau_y_max, t_V);
                const double t_T = rule.polar ? std::max(t_ring, std::hypot(s.T_y, s.T_z)) : t_ring;
                e->Take(Din_Weld_Sigma(g, f, dy, dz), t_V + t_T, t_T, dy, dz);
            }
        }
    }
}

// The weld results into the record (N/mm²) and the three utilisations.
void Store_Weld_Results(GeschweissterAnschluss* r, const Extremes& e, double sigma_w_R_d, double* U) {
    Anschluss_Nahtwerte& v = r->weld_values;
    v.sigma_R_d = sigma_w_R_d;
    v.sigma_max = 10 * e.s_max, v.sigma_min = 10 * e.s_min, v.tau = 10 * e.t_max, v.tau_T = 10 * e.t_T;
    v.sigma_v = 10 * e.sv_max;
    for (int i = 0; i < 4; i++) v.point[i][0] = e.at[i][0], v.point[i][1] = e.at[i][1];
    U[0] = std::max(std::fabs(v.sigma_max), std::fabs(v.sigma_min)) / sigma_w_R_d;
    U[1] = v.tau / sigma_w_R_d;
    U[2] = v.sigma_v / sigma_w_R_d;
    for (int i = 0; i < 3; i++) r->U_w[i] = U[i];
}

// Records that the weld of position p (0: all round, the ring) breaks the
// limit of the word, with its throat, the limit and the thickness; a weld
// keeps the values it was first judged with.
void Judged(GeschweissterAnschluss* r, int word, int p, double a, double limit, double t) {
    if (p < 0 || p > ANSCHLUSS_WELD_POSITIONS) return;
    QuerschnittWarnungen& w = r->warnings;
    if (w.breaking[word] & 1u << p) return;
    w.breaking[word] |= 1u << p;
    w.judged[word][p] = {p, a, limit, t};
}

// Warning word (ANSCHLUSS_ABOVE_PLATE, _PROFILE or _WEB) of the weld of
// position p whose throat a (mm) is above 0.7 t of the part of thickness t
// it joins; the first such weld of each word is kept. DIN 18800-1 element
// 519 limits fillet welds: a partial-penetration butt weld lies in its part,
// whose thickness holds its throat (Din_Throat_Taken, the weld layout).
void Throat_Above(GeschweissterAnschluss* r, int word, int p, double a, double t) {
    if (r->partial_penetration || !(a > 0.7001 * t)) return;
    QuerschnittWarnungen& w = r->warnings;
    if (!w.word[word]) w.above[word - ANSCHLUSS_ABOVE_PLATE] = {p, a, t};
    w.word[word] = 1;
    Judged(r, word, p, a, 0.7 * t, t);
}

// The detailing rule of one throat of position p (0: a weld all round or a
// ring), taken at its least buildable 2 mm: above 0.7 t of the end plate,
// of the profile (its flange) or of its web.
void Throat_Warnings(GeschweissterAnschluss* r, int p, double a, double t_profile, double t_web) {
    a = std::max(a, 2.0);
    Throat_Above(r, ANSCHLUSS_ABOVE_PLATE, p, a, r->t_p);
    Throat_Above(r, ANSCHLUSS_ABOVE_PROFILE, p, a, t_profile);
    if (t_web > 0.0) Throat_Above(r, ANSCHLUSS_ABOVE_WEB, p, a, t_web);
}

// A weld of position p (0: the weld all round, the ring) with throat a (mm)
// that joins a part of thickness t_part to the end plate, against the
// least throats of a fillet weld: 2 mm, and sqrt(max t) - 0.5 of the
// thickest part it joins (mm), which parts of DIN_THICK_PART mm and more
// let go for a throat of DIN_THICK_PART_THROAT mm. The first weld below
// each is kept. Element 519's least throats are a fillet weld's: none for a
// partial-penetration butt weld.
void Least_Throat(GeschweissterAnschluss* r, int p, double a, double t_part) {
    if (r->partial_penetration) return;
    QuerschnittWarnungen& w = r->warnings;
    const double t_max = std::max(r->t_p, t_part);
    const double root = Din_Thick_Part_Rule(t_max) ? DIN_THICK_PART_THROAT : std::sqrt(t_max) - 0.5;
    int* word = w.word;
    if (a < 2.0 - 0.001 && !word[ANSCHLUSS_BELOW_2MM]) word[ANSCHLUSS_BELOW_2MM] = 1, w.below_2mm = {p, a, 2.0, t_max};
    if (a < root - 0.001 && !word[ANSCHLUSS_BELOW_ROOT_RULE])
        word[ANSCHLUSS_BELOW_ROOT_RULE] = 1, w.below_root_rule = {p, a, root, t_max};
    if (a < 2.0 - 0.001) Judged(r, ANSCHLUSS_BELOW_2MM, p, a, 2.0, t_max);
    if (a < root - 0.001) Judged(r, ANSCHLUSS_BELOW_ROOT_RULE, p, a, root, t_max);
}

// Profile stresses of the closed shapes into the record (kN/cm² in).
void Store_Profile(GeschweissterAnschluss* r, const Din_Strengths& s, double s_max, double s_min, double t_V,
                   double sv) {
    Anschluss_Profilwerte& p = r->profile_values;
    p.sigma_max = 10 * s_max, p.sigma_min = 10 * s_min, p.tau = 10 * t_V, p.sigma_v = 10 * sv;
    p.sigma_R_d = s.sigma_R_d, p.tau_R_d = s.tau_R_d;
    r->U_sigma = std::max(std::fabs(p.sigma_max), std::fabs(p.sigma_min)) / s.sigma_R_d;
    r->U_tau = p.tau / s.tau_R_d;
    r->U_v = p.sigma_v / s.sigma_R_d;
}

// Ring values (cm powers) of the weld ring of throat a (mm) on the
// diameter d (mm): a fillet weld's a thin ring on the face; a partial
// penetration's the annulus of its throat inside the wall (wall mm thick;
// a throat deeper than the wall ends at the bore), with the annulus's
// second moments and torsion modulus I_p / R at the face. On the face,
// half the throat stood outside the member: CHS 168.3 x 8 with a = 5 had
// A 26.4 cm² and I 936 cm⁴ for 25.65 and 855.8.
void Ring_Values(GeschweissterAnschluss* r, double d, double a, double wall) {
    if (a < 0.001) a = 1.0;
    Anschluss_Nahtwerte& v = r->weld_values;
    v.perimeter = 0.1 * M_PI * d;
    v.L = v.perimeter;
    if (r->partial_penetration) {
        const double R = d / 2, r_i = std::max(R - std::min(Din_Throat_Taken(r, a), wall), 0.0);
        const double R2 = R * R, r2 = r_i * r_i, R4 = R2 * R2 - r2 * r2;
        v.A_w = M_PI * (R2 - r2) / 100;
        v.I_y = v.I_z = M_PI * R4 / 4 * 1e-4;
        v.W_y = v.W_z = R > 0.0 ? v.I_y * 20.0 / d : 0.0;
        v.W_t = R > 0.0 ? M_PI * R4 / (2 * R) * 0.001 : 0.0;
        v.I_t = 2 * v.I_y;
    } else {
        v.A_w = M_PI * d * a / 100;
        v.I_y = v.I_z = M_PI * d * d * d * a / 8 * 1e-4;
        v.W_y = v.W_z = v.I_y * 20.0 / d;
        v.W_t = M_PI * a * d * d / 2 * 0.001;
        v.I_t = M_PI * a * d * d * d / 4 * 1e-4;
    }
    v.I_1 = v.I_y, v.I_2 = v.I_z;
    v.y_s = v.z_s = v.I_yz = v.angle = 0.0;
}

// The weld ring of a tube or round bar at the 73 points of its
// circumference; shear of each shear force as in a thin ring, torsion
// M_t / W_w,t.
void Ring_Welds(GeschweissterAnschluss* r, const Din_Strengths& s, double* U) {
    const Anschluss_Nahtwerte& v = r->weld_values;
    const Din_Weld_Forces f = Forces_Of(r);
    const double rr = 0.05 * r->h2;
    Extremes e;
    const double t_T = v.W_t > 0.0 ? std::fabs(f.M_t) / v.W_t : 0.0;
    double t_V_max = 0;
    for (int i = 0; i <= 72; i++) {
        const Din_Ring_Point at = Din_Ring_At(i, rr, f.V_y, f.V_z, v.A_w);
        const double sigma = f.N / v.A_w + f.M_y / v.I_y * at.z - f.M_z / v.I_z * at.y;
        t_V_max = std::max(t_V_max, at.t_V);
        e.Take(sigma, at.t_V + t_T, t_T, at.y, at.z);
    }
    Store_Weld_Results(r, e, s.sigma_w_R_d, U);
    // The shear utilisation of the ring is that of the shear force.
    r->weld_values.tau = 10 * t_V_max;
    U[1] = r->U_w[1] = r->weld_values.tau / s.sigma_w_R_d;
}

}  // namespace

bool Din_Throat_In_Half_Part(const GeschweissterAnschluss* r) {
    if (!r || !r->partial_penetration || r->weld_kind != ANSCHLUSS_WELD_ALL_ROUND) return false;
    switch (r->family) {
    case ANSCHLUSS_I: case ANSCHLUSS_CHANNEL: case ANSCHLUSS_TEE: case ANSCHLUSS_ANGLE: case ANSCHLUSS_FLAT: return true;
    default: return false;
    }
}

int Din_Throat_Held_By(const GeschweissterAnschluss* r) {
    if (r && r->partial_penetration && r->family == ANSCHLUSS_ROUND) return WELD_THROAT_HELD_RADIUS;
    return Din_Throat_In_Half_Part(r) ? WELD_THROAT_HELD_HALF : WELD_THROAT_HELD_WALL;
}

double Din_Throat_Taken(const GeschweissterAnschluss* r, double a, double* wall) {
    if (wall) *wall = 0.0;
    if (!r || !r->partial_penetration) return a;
    const bool all_round = r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND;
    double t;
    if (r->family == ANSCHLUSS_CHS) t = r->s2;
    else if (r->family == ANSCHLUSS_ROUND) t = r->h2 / 2;
    else if (r->family == ANSCHLUSS_RHS && all_round) t = std::min(r->t2, r->s2);
    else if (Din_Throat_In_Half_Part(r)) t = 0.5 * std::min(r->t2, r->family == ANSCHLUSS_FLAT ? r->h2 : r->s2);
    else return a;
    if (wall) *wall = t;
    return t > 0.0 ? std::min(a, t) : a;
}

Din_Ring_Point Din_Ring_At(int i, double rr, double V_y, double V_z, double A) {
    const double phi = i * 5.0 * M_PI / 180.0, z = rr * std::sin(phi), y = rr * std::cos(phi);
    const double q_z = 1 - (z / rr) * (z / rr), q_y = 1 - (y / rr) * (y / rr);
    const double t_V = 2 * std::fabs(V_z) / A * (q_z > 0 ? std::sqrt(q_z) : 0.0) +
                       2 * std::fabs(V_y) / A * (q_y > 0 ? std::sqrt(q_y) : 0.0);
    return {y, z, t_V};
}

Din_Weld_Forces Din_Forces_About(const GeschweissterAnschluss* r, const Din_Weld_Group& g, double y_P, double z_P) {
    Din_Weld_Forces f = Forces_Of(r);
    // N' at (y_P, z_P) is N' at the group's centroid with the moments N' z
    // and -N' y of its lever, in the signs of sigma = M_y z / I_y - M_z y / I_z.
    // Levers of rounding dust (the centroids of a symmetric section and its
    // welds) are none: they would only decide between equal stresses.
    auto lever = [](double d) { return std::fabs(d) < 1e-6 ? 0.0 : d; };
    f.M_y += f.N * lever(z_P - g.z_s);
    f.M_z -= f.N * lever(y_P - g.y_s);
    // V_y and V_z at (y_P, z_P) bring their moment about the group's
    // centroid, V_z (y_P - y_s) - V_y (z_P - z_s), to M_x; the shear split
    // has V_z (y_Az - y_s) - V_y (z_Ay - z_s) there. The rest turns the
    // group. A force no weld takes has no split (the check refuses it).
    const double y_V = g.A_z > DIN_SHEAR_AREA_MIN ? g.y_Az : g.y_s;
    const double z_V = g.A_y > DIN_SHEAR_AREA_MIN ? g.z_Ay : g.z_s;
    f.M_t += f.V_z * lever(y_P - y_V) - f.V_y * lever(z_P - z_V);
    return f;
}

Din_Weld_Shear Din_Weld_Shear_At(const Din_Weld_Group& g, const Din_Weld_Forces& f, int role, double dy, double dz) {
    Din_Weld_Shear s = {};
    if (role == DIN_ROLE_V_Z && g.A_z > DIN_SHEAR_AREA_MIN) s.V_z = f.V_z / g.A_z;
    if (role == DIN_ROLE_V_Y && g.A_y > DIN_SHEAR_AREA_MIN) s.V_y = f.V_y / g.A_y;
    const double I_p = g.I_y + g.I_z;
    if (I_p > 0.0) s.T_y = -f.M_t * dz / I_p, s.T_z = f.M_t * dy / I_p;
    return s;
}

double Din_Weld_Sigma(const Din_Weld_Group& g, const Din_Weld_Forces& f, double dy, double dz) {
    if (!(g.A > 0.0)) return 0.0;
    const double D = g.I_y * g.I_z - g.I_yz * g.I_yz;
    if (!(D > 0.0)) return f.N / g.A;
    const double g_z = (f.M_y * g.I_z + f.M_z * g.I_yz) / D, g_y = -(f.M_y * g.I_yz + f.M_z * g.I_y) / D;
    return f.N / g.A + g_z * dz + g_y * dy;
}

void Din_Principal_Axes(Anschluss_Nahtwerte& v) {
    const double diff = v.I_y - v.I_z;
    double angle = 0.0;
    if (std::fabs(diff) < 0.001) {
        angle = std::fabs(v.I_yz) >= 0.001 ? 45.0 : 0.0;
    } else {
        const double ratio = 2 * v.I_yz / diff;
        angle = 0.5 * std::atan(ratio) * 180.0 / M_PI;
        if (ratio < 0 && std::fabs(v.I_yz) > 0.0001) angle += 90.0;
    }
    const double phi = 2 * angle * M_PI / 180.0, mean = (v.I_y + v.I_z) / 2;
    const double d = diff / 2 * std::cos(phi) + v.I_yz * std::sin(phi);
    v.angle = angle, v.I_1 = mean + d, v.I_2 = mean - d;
}

bool Din_Thick_Part_Rule(double t_max) {
    return t_max >= DIN_THICK_PART - 0.001 && DIN_THICK_PART_THROAT < std::sqrt(t_max) - 0.5;
}

const int* Din_Weld_Roles(int T) { return T >= KEHLNAHT_I && T <= KEHLNAHT_ANGLE ? ROLES[T] : nullptr; }

void Din_Least_Throats(GeschweissterAnschluss* r, int T, double a) {
    if (!r || r->no_throat_check || T < KEHLNAHT_I || T > KEHLNAHT_ROUND) return;
    const double t_f = r->t2, t_w = r->s2, t_bar = std::min(r->h2, r->t2);
    if (T == KEHLNAHT_CHS || T == KEHLNAHT_ROUND) {
        Least_Throat(r, 0, a, T == KEHLNAHT_CHS ? r->s2 : r->h2);
        return;
    }
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND) {
        Least_Throat(r, 0, a, T == KEHLNAHT_FLAT ? t_bar : std::max(t_f, t_w));
        return;
    }
    const int* roles = Din_Weld_Roles(T);
    for (int i = 0; i < POSITIONS[T]; i++) {
        if (!(r->l_pos[i] > 0.01 && r->a_pos[i] > 0.001)) continue;
        const int role = roles ? roles[i] : 0;
        const double t = T == KEHLNAHT_FLAT        ? t_bar
                         : role == DIN_ROLE_V_Y ? t_f
                         : role == DIN_ROLE_V_Z ? t_w
                                                : std::max(t_f, t_w);
        Least_Throat(r, i + 1, r->a_pos[i], t);
    }
}

void Din_Welds_Not_Effective(GeschweissterAnschluss* r, int T) {
    if (!r || T < KEHLNAHT_I || T > KEHLNAHT_ROUND) return;
    QuerschnittWarnungen& w = r->warnings;
    w.not_effective = 0;
    for (double& l : w.l_eff) l = 0.0;
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND || r->end_crater != ANSCHLUSS_END_CRATERS) return;
    for (int i = 0; i < POSITIONS[T]; i++) {
        const double a = r->a_pos[i], l = r->l_pos[i];
        if (!(a >= 0.1) || !(l > 0.0) || l - 2 * a > 0.0) continue;
        w.not_effective |= 1u << (i + 1);
        w.l_eff[i + 1] = l - 2 * a;
    }
}

// ---- circular tube and round bar --------------------------------------------------

void Calc_Tube_Weld_Section(GeschweissterAnschluss* r) {
    if (!r) return;
    const double d = r->h2, t = r->s2, di = d - 2 * t;
    Anschluss_Profilwerte& p = r->profile_values;
    p.A = M_PI * (d * d - di * di) / 400;
    p.I_T = M_PI * (d * d * d * d - di * di * di * di) / 32 * 1e-4;
    p.W_T = p.I_T * 20.0 / d;
    p.I_y = p.I_z = M_PI * (d * d * d * d - di * di * di * di) / 64 * 1e-4;
    p.W_y = p.W_z = p.I_y * 20.0 / d;
    Ring_Values(r, d, r->a_w_designed, t);
}

void Calc_Round_Section(GeschweissterAnschluss* r) {
    if (!r) return;
    const double d = r->h2;
    Anschluss_Profilwerte& p = r->profile_values;
    p.A = M_PI * d * d / 400;
    p.I_y = p.I_z = M_PI * d * d * d * d / 64 * 1e-4;
    p.W_y = p.W_z = p.I_y * 20.0 / d;
    p.I_T = M_PI * d * d * d * d / 32 * 1e-4;
    p.W_T = p.I_T * 20.0 / d;
    Ring_Values(r, d, r->a_w_designed, d / 2);
}

void Din_Tube_Profile(GeschweissterAnschluss* r, const Din_Strengths& s) {
    const Anschluss_Profilwerte& p = r->profile_values;
    if (!(p.A > 0.0) || !(p.I_y > 0.0) || !(p.I_z > 0.0)) return;
    const double* f = r->load;
    const double N = f[ANSCHLUSS_N], M_y = 100 * f[ANSCHLUSS_M_Y], M_z = 100 * f[ANSCHLUSS_M_Z];
    const double rr = 0.05 * r->h2, t_T = p.W_T > 0.0 ? std::fabs(Din_Torsion_kNcm(r)) / p.W_T : 0.0;
    // The shear shown is the one the comparison stress takes: that of the
    // shear forces with the torsion's (under M_x alone the list showed
    // tau 0 beside sigma_v 112.4 = sqrt 3 tau).
    double s_max = 0, s_min = 0, t_max = 0, sv_max = 0;
    for (int i = 0; i <= 72; i++) {
        const Din_Ring_Point at = Din_Ring_At(i, rr, f[ANSCHLUSS_V_Y], f[ANSCHLUSS_V_Z], p.A);
        const double sigma = N / p.A + M_y / p.I_y * at.z - M_z / p.I_z * at.y;
        const double tau = at.t_V + t_T, sv = std::sqrt(sigma * sigma + 3 * tau * tau);
        s_max = i ? std::max(s_max, sigma) : sigma;
        s_min = i ? std::min(s_min, sigma) : sigma;
        t_max = std::max(t_max, tau);
        sv_max = std::max(sv_max, sv);
    }
    Store_Profile(r, s, s_max, s_min, t_max, sv_max);
}

void Check_Tube(GeschweissterAnschluss* r, const Din_Strengths& s, double a, double* U_w1, double* U_w2,
                double* U_w3) {
    double U[3] = {0, 0, 0};
    if (r && r->profile_values.A > 0.0 && r->weld_values.A_w > 0.0) {
        Din_Tube_Profile(r, s);
        Ring_Welds(r, s, U);
        Throat_Warnings(r, 0, a, r->s2, 0.0);
    } else if (r) {
        Din_Input_Error(r);
    }
    *U_w1 = U[0], *U_w2 = U[1], *U_w3 = U[2];
}

void Din_Round_Profile(GeschweissterAnschluss* r, const Din_Strengths& s) {
    Anschluss_Profilwerte& p = r->profile_values;
    if (!(p.A > 0.0) || !(p.W_y > 0.0)) return;
    const double* f = r->load;
    const double rr = 0.05 * r->h2;
    const double s_N = f[ANSCHLUSS_N] / p.A;
    const double s_M = std::hypot(100 * f[ANSCHLUSS_M_Y], 100 * f[ANSCHLUSS_M_Z]) / p.W_y;
    const double t_V = 4.0 / 3.0 * std::hypot(f[ANSCHLUSS_V_Y], f[ANSCHLUSS_V_Z]) / (M_PI * rr * rr);
    const double t_T = p.W_T > 0.0 ? std::fabs(Din_Torsion_kNcm(r)) / p.W_T : 0.0;
    // Along the radius rho = 2 s r: bending and torsion grow linearly,
    // the shear of the shear force falls off as 1 - (rho / r)²; the
    // normal force acts on the side where it adds to the bending.
    // The shear shown is the largest the samples take (the torsion's at
    // the surface, the shear force's at the centre).
    double sv_max = -1, s_at = 0.5, t_max = 0;
    for (int i = 0; i <= 10; i++) {
        const double q = 0.5 - 0.05 * i, rho = 2 * q;
        const double sigma = std::fabs(s_N) + rho * s_M, tau = rho * t_T + (1 - rho * rho) * t_V;
        const double sv = std::sqrt(sigma * sigma + 3 * tau * tau);
        if (sv > sv_max) sv_max = sv, s_at = q;
        t_max = std::max(t_max, tau);
    }
    Store_Profile(r, s, s_N + s_M, s_N - s_M, t_max, sv_max);
    p.s_v = s_at;
}

void Check_Round(GeschweissterAnschluss* r, const Din_Strengths& s, double a, double* U_w1, double* U_w2,
                 double* U_w3) {
    double U[3] = {0, 0, 0};
    if (r && r->profile_values.A > 0.0 && r->weld_values.A_w > 0.0) {
        Din_Round_Profile(r, s);
        Ring_Welds(r, s, U);
        Throat_Warnings(r, 0, a, r->h2, 0.0);
    } else if (r) {
        Din_Input_Error(r);
    }
    *U_w1 = U[0], *U_w2 = U[1], *U_w3 = U[2];
}

// ---- flat bar --------------------------------------------------------------------

void Calc_Flat_Section(GeschweissterAnschluss* r) {
    if (!r) return;
    const double h = r->h2, t = r->t2;
    Anschluss_Profilwerte& p = r->profile_values;
    p.A = h * t / 100;
    p.I_y = h * h * h * t / 12 * 1e-4;
    p.I_z = h * t * t * t / 12 * 1e-4;
    p.W_y = h > 0.0 ? p.I_y / (h / 20) : 0.0;
    p.W_z = t > 0.0 ? p.I_z / (t / 20) : 0.0;
    double alpha = 0.0, beta = 0.0;
    Get_Rect_Torsion_Coefficients(t > 0.0 ? h / t : 0.0, &alpha, &beta);
    const double l = std::max(h, t), s = std::min(h, t);
    p.I_T = alpha * l * s * s * s * 1e-4;
    p.W_T = beta * l * s * s * 0.001;
    Weld_Lines w;
    Flat_Welds(r, r->a_w_designed, &w);
    const Din_Weld_Group g = Group_Of(w);
    Store_Group(r, g);
    Anschluss_Nahtwerte& v = r->weld_values;
    // A modulus only where the welds lie symmetric to the bar's axis.
    double y_far = 0, z_far = 0;
    for (int i = 0; i < w.n; i++) {
        const Din_Weld_Line& k = w.line[i];
        for (double y : {k.y1, k.y2}) y_far = std::max(y_far, std::fabs(y - g.y_s));
        for (double z : {k.z1, k.z2}) z_far = std::max(z_far, std::fabs(z - g.z_s));
    }
    v.W_y = std::fabs(g.z_s) <= 0.001 && z_far > 0.0 ? g.I_y / z_far : -1.0;
    v.W_z = std::fabs(g.y_s) <= 0.001 && y_far > 0.0 ? g.I_z / y_far : -1.0;
    // Closed ring of the four sides (Bredt): 2 A_m a with the smallest throat,
    // A_m on the throats' midline (a partial penetration's inside the bar).
    const double in = r->partial_penetration ? 10 * g.a_min : 0.0;  // mm
    const double A_m = 0.01 * std::max(h - in, 0.0) * std::max(t - in, 0.0);
    v.W_t = w.n > 0 ? 2 * A_m * g.a_min : 0.0;
    v.I_t = v.W_t * 0.1 * h;
}

void Din_Flat_Profile(GeschweissterAnschluss* r, const Din_Strengths& s) {
    const Anschluss_Profilwerte& p = r->profile_values;
    if (!(p.A > 0.0) || !(p.I_y > 0.0) || !(p.I_z > 0.0)) return;
    const double* f = r->load;
    const double h = 0.1 * r->h2, t = 0.1 * r->t2;
    const double N = f[ANSCHLUSS_N], M_y = 100 * f[ANSCHLUSS_M_Y], M_z = 100 * f[ANSCHLUSS_M_Z];
    const double V_y = std::fabs(f[ANSCHLUSS_V_Y]), V_z = std::fabs(f[ANSCHLUSS_V_Z]);
    const double t_T = p.W_T > 0.0 ? std::fabs(Din_Torsion_kNcm(r)) / p.W_T : 0.0;
    // The 11 x 11 grid: eta along h, zeta along t. The shear of both
    // shear forces and of the torsion add up, whatever their signs.
    double s_max = 0, s_min = 0, t_max = 0, sv_max = 0;
    bool first = true;
    for (int i = 0; i <= 10; i++) {
        const double eta = -0.5 + 0.1 * i;
        for (int j = 0; j <= 10; j++) {
            const double zeta = 0.5 - 0.1 * j;
            const double sigma = N / p.A + M_y / p.I_y * h * eta - M_z / p.I_z * t * zeta;
            const double tau = t_T + 1.5 * V_z / p.A * (1 - 4 * eta * eta) + 1.5 * V_y / p.A * (1 - 4 * zeta * zeta);
            const double sv = std::sqrt(sigma * sigma + 3 * tau * tau);
            if (first || sigma > s_max) s_max = sigma;
            if (first || sigma < s_min) s_min = sigma;
            if (first || tau > t_max) t_max = tau;
            if (first || sv > sv_max) sv_max = sv;
            first = false;
        }
    }
    Store_Profile(r, s, s_max, s_min, t_max, sv_max);
}

void Check_Flat(GeschweissterAnschluss* r, const Din_Strengths& s, double a, double* U_w1, double* U_w2,
                double* U_w3) {
    double U[3] = {0, 0, 0};
    Weld_Lines w;
    if (r) Flat_Welds(r, r->a_w_designed, &w);
    if (r && r->profile_values.A > 0.0 && w.n > 0) {
        Din_Flat_Profile(r, s);
        const Din_Weld_Group g = Group_Of(w);
        if (!(g.I_y * g.I_z - g.I_yz * g.I_yz > 1e-12)) {
            Din_Input_Error(r);
            *U_w1 = *U_w2 = *U_w3 = 0.0;
            return;
        }
        // The bar's axis is the origin of its welds.
        const Din_Weld_Forces forces = Din_Forces_About(r, g, 0.0, 0.0);
        Shear_Status(r, forces.V_z, g.A_z, ANSCHLUSS_NO_WELD_V_Z);
        Shear_Status(r, forces.V_y, g.A_y, ANSCHLUSS_NO_WELD_V_Y);
        // Welds all round close a ring; single welds may not: the larger of
        // the ring and the turning group governs.
        const Torsion_Rule rule = {r->weld_values.W_t,
                                   r->weld_kind != ANSCHLUSS_WELD_ALL_ROUND || !(r->weld_values.W_t > 0.0)};
        Extremes e;
        double t_y = 0, t_z = 0;
        Evaluate_Lines(w.line, w.n, g, forces, rule, &e, &t_y, &t_z);
        Store_Weld_Results(r, e, s.sigma_w_R_d, U);
        r->weld_values.tau_y = 10 * t_y, r->weld_values.tau_z = 10 * t_z;
        const double t_bar = std::min(r->h2, r->t2);
        if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND) Throat_Warnings(r, 0, a, t_bar, 0.0);
        else
            for (int i = 0; i < w.n; i++) Throat_Warnings(r, w.line[i].position, 10 * w.line[i].a, t_bar, 0.0);
    } else if (r) {
        Din_Input_Error(r);
    }
    *U_w1 = U[0], *U_w2 = U[1], *U_w3 = U[2];
}

// ---- weld lines of the I family, rectangular tube, channel, T and angle ---------

Din_Weld_Line_Section Calc_Weld_Line_Section(GeschweissterAnschluss* r, const Din_Outline& outline, const int* roles,
                                             double a) {
    Din_Weld_Line_Section section = {};
    if (!r || !outline.geometry) return section;
    Weld_Lines w;
    Line_Welds(r, roles, outline, a, &w);
    std::copy(w.line, w.line + w.n, section.line);
    section.n = w.n;
    section.group = Group_Of(w);
    const int n = std::clamp(outline.n, 0, static_cast<int>(KEHLNAHT_POINTS));
    // A partial penetration's ring round a tube runs round its rolled
    // corners (on the sharp ones Bredt's A_m was (4 - pi) (r - a/2)² too
    // large: 1.7 % of an RHS 100 x 100 x 10 with r 15).
    const Rings* rolled = r->partial_penetration ? Rolled_Rings(r, outline.y, outline.z, n) : nullptr;
    if (rolled && rolled->n == 2)
        section.A_ring = Throat_Midline_Area(rolled->y[0].data(), rolled->z[0].data(), static_cast<int>(rolled->y[0].size()),
                                             0.1 * Din_Throat_Taken(r, a));
    else
        section.A_ring = Throat_Midline_Area(outline.y, outline.z, n, r->partial_penetration ? 0.1 * Din_Throat_Taken(r, a) : 0.0);
    // The section values are shown even of a group that takes no force.
    Store_Group(r, section.group);
    return section;
}

void Check_Weld_Lines(GeschweissterAnschluss* r, const Din_Strengths& s, const Din_Weld_Line_Section& section,
                      const Din_Outline& outline, const int* roles, double* out, double a, int T) {
    double U[3] = {0, 0, 0};
    if (!r) {
        if (out) out[0] = out[1] = out[2] = 0.0;
        return;
    }
    const Din_Weld_Group& g = section.group;
    const double D = g.I_y * g.I_z - g.I_yz * g.I_yz;
    if (!(g.A > 0.0) || !(D > 1e-12)) {
        // No weld group that could take a force.
        Din_Input_Error(r);
        if (out) out[0] = out[1] = out[2] = 0.0;
        return;
    }
    const Din_Weld_Forces f = outline.has_centroid ? Din_Forces_About(r, g, outline.y_c, outline.z_c)
                                                   : Din_Forces_About(r, g, g.y_s, g.z_s);
    Shear_Status(r, f.V_z, g.A_z, ANSCHLUSS_NO_WELD_V_Z);
    Shear_Status(r, f.V_y, g.A_y, ANSCHLUSS_NO_WELD_V_Y);
    // Torsion: the weld all round a rectangular tube is a closed ring
    // (Bredt, A_m the area its root line encloses, a partial penetration's
    // throats' midline inside the wall); every other group turns about its
    // centroid.
    Torsion_Rule rule = {0.0, true};
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND && T == KEHLNAHT_RHS) {
        const double A_m = section.A_ring, a_ring = 0.1 * Din_Throat_Taken(r, a);
        rule = {2 * A_m * a_ring, !(A_m > 0.0)};
        r->weld_values.W_t = rule.W_ring;
        r->weld_values.I_t = 4 * A_m * A_m * a_ring / std::max(g.L, 1e-9);
    }
    Extremes e;
    Evaluate_Lines(section.line, section.n, g, f, rule, &e, nullptr, nullptr);
    Store_Weld_Results(r, e, s.sigma_w_R_d, U);
    if (out) out[0] = U[0], out[1] = U[1], out[2] = U[2];
    // Detailing rule of the throats. A rectangular tube has walls, no
    // flange or web: each weld is judged against the wall it joins (the
    // thinner one all round).
    const double t_f = r->t2, t_w = r->s2;
    if (r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND) {
        if (T != KEHLNAHT_RHS) Throat_Warnings(r, 0, a, t_f, t_w);
        else Throat_Warnings(r, 0, a, std::min(t_f, t_w), 0.0);
        return;
    }
    // The 0.7 t limits with every throat of a weld raised to its least
    // buildable 2 mm; the flanges (the tube's walls across the width) bear
    // the welds that take V_y, the web (the walls along the height) those
    // that take V_z.
    for (int i = 0; i < ANSCHLUSS_WELD_POSITIONS; i++) {
        const double a_i = r->a_pos[i] < 2.0 && r->l_pos[i] > 0.01 ? 2.0 : r->a_pos[i];
        Throat_Above(r, ANSCHLUSS_ABOVE_PLATE, i + 1, a_i, r->t_p);
        if (!roles) continue;
        const int web = T == KEHLNAHT_RHS ? ANSCHLUSS_ABOVE_PROFILE : ANSCHLUSS_ABOVE_WEB;
        if (roles[i] == DIN_ROLE_V_Y) Throat_Above(r, ANSCHLUSS_ABOVE_PROFILE, i + 1, a_i, t_f);
        if (roles[i] == DIN_ROLE_V_Z) Throat_Above(r, web, i + 1, a_i, t_w);
    }
}
