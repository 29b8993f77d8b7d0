// outline_plastic: the plastic resistance of a section's real outline; see
// the header.
//
// The utilisation is found from the other side: for every straight neutral
// axis, the fully plastic stress block on it gives the largest value that
// the forces, weighted by the axis (the normal force by its offset, each
// moment by a component of its direction), can take; the utilisation is
// the largest ratio of the acting forces' weighted value to that bound over
// all axes. That ratio is quasi-concave in the axis, so an ascent from a
// guess finds its maximum; at the maximum the stress block's resultant is
// parallel to the forces, which the result is checked against. Each step
// integrates the polygons once, exactly, with the line integrals along the
// neutral axis that give the second derivatives.
#include "memberchecks/outline_plastic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "profiles/parametric_section_values.h"
#include "profiles/profil.h"

namespace {

constexpr double PI = 3.14159265358979323846;
// Pieces per quarter circle of a rounded corner; the pieces stay within the
// material, so that a coarser rounding only errs on the safe side (for a
// root fillet r = 12 mm about 1 mm² of its area).
constexpr int ARC_PIECES = 12;

// ---- integration over the polygons ----------------------------------------

// The integrals of one neutral axis psi = u0 + u1 z - u2 y (tension where
// psi > 0) over the bands, each weighted by its strength: the plastic
// bound h = integral of w |psi|, the stress block's resultant P = (N, M_y,
// M_z), and the second derivatives of h by u.
struct Axis_Integrals {
    double h;
    double P[3];
    double H[3][3];
};

// The area and first moments of a clipped polygon, its points taken one by
// one as the clipping emits them.
struct Clipped {
    bool any = false;
    Outline_Point first{}, last{};
    double a = 0, sy = 0, sz = 0;
    void Edge(const Outline_Point& p, const Outline_Point& q) {
        const double c = p.y * q.z - q.y * p.z;
        a += c / 2;
        sy += (p.y + q.y) * c / 6;
        sz += (p.z + q.z) * c / 6;
    }
    void Add(const Outline_Point& p) {
        if (any) Edge(last, p);
        else first = p, any = true;
        last = p;
    }
    void Close() {
        if (any) Edge(last, first);
    }
};

// Integrates the outline (coordinates times scale) for the axis u.
void Integrate(const Plastic_Outline& o, const double w[OUTLINE_BANDS], double scale, const double u[3],
               Axis_Integrals* out) {
    const double gy = -u[2], gz = u[1], g = std::hypot(gy, gz);
    const double ny = g > 0 ? gy / g : 0, nz = g > 0 ? gz / g : 0, d = g > 0 ? -u[0] / g : 0;
    const double ty = -nz, tz = ny;
    double N = 0, Sy = 0, Sz = 0, L = 0, Lt = 0, Ltt = 0;
    for (int k = 0; k < OUTLINE_BANDS; k++) {
        if (!(w[k] > 0)) continue;
        double a = 0, sy = 0, sz = 0, ap = 0, syp = 0, szp = 0, l = 0, lt = 0, ltt = 0;
        for (const Outline_Ring& ring : o.bands[k]) {
            const size_t n = ring.size();
            if (n < 3) continue;
            Clipped plus;
            for (size_t i = 0; i < n; i++) {
                const Outline_Point p{ring[i].y * scale, ring[i].z * scale};
                const Outline_Point q{ring[(i + 1) % n].y * scale, ring[(i + 1) % n].z * scale};
                const double c = p.y * q.z - q.y * p.z;
                a += c / 2;
                sy += (p.y + q.y) * c / 6;
                sz += (p.z + q.z) * c / 6;
                const double sp = u[0] + u[1] * p.z - u[2] * p.y, sq = u[0] + u[1] * q.z - u[2] * q.y;
                if (sp >= 0) plus.Add(p);
                if ((sp >= 0) == (sq >= 0)) continue;
                const double f = sp / (sp - sq);
                const Outline_Point x{p.y + f * (q.y - p.y), p.z + f * (q.z - p.z)};
                plus.Add(x);
                // The chord along the axis: its ends as the edges cross it.
                const double t = ty * x.y + tz * x.z, sign = sq > sp ? -1.0 : 1.0;
                l += sign * t, lt += sign * t * t / 2, ltt += sign * t * t * t / 3;
            }
            plus.Close();
            ap += plus.a, syp += plus.sy, szp += plus.sz;
        }
        N += w[k] * (2 * ap - a);
        Sy += w[k] * (2 * syp - sy);
        Sz += w[k] * (2 * szp - sz);
        L += w[k] * l, Lt += w[k] * lt, Ltt += w[k] * ltt;
    }
    out->P[0] = N, out->P[1] = Sz, out->P[2] = -Sy;
    out->h = u[0] * N + u[1] * Sz - u[2] * Sy;
    const double v0[3] = {1, d * nz, -d * ny}, v1[3] = {0, tz, -ty};
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++)
            out->H[i][j] = g > 0 ? 2 * (v0[i] * v0[j] * L + (v0[i] * v1[j] + v1[i] * v0[j]) * Lt + v1[i] * v1[j] * Ltt) / g
                                 : 0;
}

double Dot(const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const double* a) { return std::sqrt(Dot(a, a)); }

// A step of the ascent from the axis u (unit) with the ratio c and the
// integrals there: the two directions across u, a1 and a2, in whose plane
// u + x a1 + y a2 the ratio's level sets are convex, and the Newton step
// (x, y) on F.u - c h(u), or one along its slope where the step's model is
// not concave. Returns the gain the step promises, 0 at the top.
double Ascent_Step(const double u[3], const Axis_Integrals& at, const double F[3], double c, double a1[3],
                   double a2[3], double step[2]) {
    const double e[3] = {std::fabs(u[0]) < 0.9 ? 1.0 : 0.0, std::fabs(u[0]) < 0.9 ? 0.0 : 1.0, 0.0};
    const double eu = Dot(e, u);
    for (int i = 0; i < 3; i++) a1[i] = e[i] - eu * u[i];
    const double n1 = Norm(a1);
    for (int i = 0; i < 3; i++) a1[i] /= n1;
    a2[0] = u[1] * a1[2] - u[2] * a1[1], a2[1] = u[2] * a1[0] - u[0] * a1[2], a2[2] = u[0] * a1[1] - u[1] * a1[0];
    double G[3], gx[2], Hx[2][2];
    for (int i = 0; i < 3; i++) G[i] = F[i] - c * at.P[i];
    const double* basis[2] = {a1, a2};
    for (int i = 0; i < 2; i++) {
        gx[i] = Dot(basis[i], G);
        for (int j = 0; j < 2; j++) {
            double sum = 0;
            for (int p = 0; p < 3; p++)
                for (int q = 0; q < 3; q++) sum += basis[i][p] * at.H[p][q] * basis[j][q];
            Hx[i][j] = -c * sum;
        }
    }
    const double gn = std::hypot(gx[0], gx[1]);
    if (!(gn > 0)) return 0;
    const double det = Hx[0][0] * Hx[1][1] - Hx[0][1] * Hx[1][0];
    if (Hx[0][0] < 0 && det > 1e-30 * std::fabs(Hx[0][0] * Hx[1][1])) {
        step[0] = (-gx[0] * Hx[1][1] + gx[1] * Hx[0][1]) / det;
        step[1] = (-gx[1] * Hx[0][0] + gx[0] * Hx[1][0]) / det;
    } else {
        step[0] = 0.1 * gx[0] / gn, step[1] = 0.1 * gx[1] / gn;
    }
    return std::fabs(step[0] * gx[0] + step[1] * gx[1]);
}

// The ascent from the axis u: the largest ratio of F's weighted value to the
// bound, and the stress block's resultant at the axis it ends on. Each step
// is halved until the ratio grows; it ends where no step makes it grow.
double Ascend(const Plastic_Outline& o, const double w[OUTLINE_BANDS], double scale, const double F[3], double u[3],
              double P[3]) {
    const double n0 = Norm(u);
    for (int i = 0; i < 3; i++) u[i] /= n0;
    Axis_Integrals at;
    Integrate(o, w, scale, u, &at);
    double value = Dot(u, F) / at.h;
    for (int iteration = 0; iteration < 100; iteration++) {
        double a1[3], a2[3], step[2] = {0, 0};
        // a gain not worth a pass ends the ascent
        if (Ascent_Step(u, at, F, value, a1, a2, step) <= 1e-15 * std::fabs(value) * at.h) break;
        double factor = 1, next[3] = {0, 0, 0}, next_value = value;
        Axis_Integrals trial;
        bool better = false;
        for (int halving = 0; halving < 40 && !better; halving++, factor /= 2) {
            for (int i = 0; i < 3; i++) next[i] = u[i] + factor * (step[0] * a1[i] + step[1] * a2[i]);
            const double nn = Norm(next);
            for (double& x : next) x /= nn;
            Integrate(o, w, scale, next, &trial);
            next_value = trial.h > 0 ? Dot(next, F) / trial.h : -1;
            better = next_value > value;
        }
        if (!better) break;
        const bool done = next_value - value <= 1e-14 * std::fabs(next_value);
        std::memcpy(u, next, sizeof next);
        at = trial;
        value = next_value;
        if (done) break;
    }
    std::memcpy(P, at.P, sizeof at.P);
    return value;
}

// Whether the stress block's resultant P carries F at the utilisation U
// the ascent found: P parallel to F and |F| / |P| = U, within 1e-6.
bool Agree(const double F[3], const double P[3], double U) {
    const double nf = Norm(F), np = Norm(P);
    if (!(nf > 0) || !(np > 0) || Dot(F, P) <= 0) return false;
    const double cross[3] = {F[1] * P[2] - F[2] * P[1], F[2] * P[0] - F[0] * P[2], F[0] * P[1] - F[1] * P[0]};
    return Norm(cross) <= 1e-6 * nf * np && std::fabs(nf / np - U) <= 1e-6 * U;
}

// The weights of the bands (strength over the largest) and that largest.
double Weights(const double strength[OUTLINE_BANDS], double w[OUTLINE_BANDS]) {
    double f = 0;
    for (int k = 0; k < OUTLINE_BANDS; k++) f = std::max(f, strength[k]);
    for (int k = 0; k < OUTLINE_BANDS; k++) w[k] = f > 0 ? std::max(strength[k], 0.0) / f : 0;
    return f;
}

// The outline's share of a resistance (1 where it is not set).
double Share(const Plastic_Outline& o, int k) {
    return o.k_catalogue[k] > 0 && o.k_catalogue[k] < 1 ? o.k_catalogue[k] : 1;
}

// ---- building -----------------------------------------------------------

// The part of a ring with lo <= z <= hi; a concave ring leaves edges to and
// fro along a cut, whose integrals cancel.
Outline_Ring Clip_Band(const Outline_Ring& ring, double lo, double hi) {
    Outline_Ring r = ring;
    for (int side = 0; side < 2; side++) {
        Outline_Ring out;
        const size_t n = r.size();
        for (size_t i = 0; i < n; i++) {
            const Outline_Point &p = r[i], &q = r[(i + 1) % n];
            const double dp = side == 0 ? p.z - lo : hi - p.z, dq = side == 0 ? q.z - lo : hi - q.z;
            if (dp >= 0) out.push_back(p);
            if ((dp >= 0) != (dq >= 0)) {
                const double f = dp / (dp - dq);
                out.push_back({p.y + f * (q.y - p.y), p.z + f * (q.z - p.z)});
            }
        }
        r = out;
    }
    return r;
}

double Ring_Area(const Outline_Ring& r, double* sy, double* sz) {
    double a = 0;
    for (size_t i = 0, n = r.size(); i < n; i++) {
        const Outline_Point &p = r[i], &q = r[(i + 1) % n];
        const double c = p.y * q.z - q.y * p.z;
        a += c / 2, *sy += (p.y + q.y) * c / 6, *sz += (p.z + q.z) * c / 6;
    }
    return a;
}

// Turns the rings of the catalogue's upright drawing (y right, z up) into
// the model's axes (the half turn keeps their sense), moves them to their
// centroid and cuts them into the bands: flanges t_f deep at the top and,
// unless the section is a tee, at the bottom.
int Set_Bands(const std::vector<Outline_Ring>& rings, bool bottom_flange, Plastic_Outline* o) {
    double a = 0, sy = 0, sz = 0, z_min = INFINITY, z_max = -INFINITY;
    for (const Outline_Ring& r : rings) {
        a += Ring_Area(r, &sy, &sz);
        for (const Outline_Point& p : r) z_min = std::min(z_min, -p.z), z_max = std::max(z_max, -p.z);
    }
    if (!(a > 0) || !std::isfinite(a)) return 0;
    const double yc = -sy / a, zc = -sz / a;
    for (std::vector<Outline_Ring>& band : o->bands) band.clear();
    for (double& band_A : o->band_A) band_A = 0;
    const double cuts[4] = {z_min - zc, z_min - zc + o->t_f, bottom_flange ? z_max - zc - o->t_f : z_max - zc,
                            z_max - zc};
    for (const Outline_Ring& r : rings) {
        Outline_Ring turned;
        for (const Outline_Point& p : r) turned.push_back({-p.y - yc, -p.z - zc});
        for (int k = 0; k < OUTLINE_BANDS; k++) {
            if (!(cuts[k + 1] > cuts[k])) continue;
            Outline_Ring part = Clip_Band(turned, cuts[k], cuts[k + 1]);
            double sy = 0, sz = 0;
            if (part.size() >= 3) o->band_A[k] += Ring_Area(part, &sy, &sz), o->bands[k].push_back(part);
        }
    }
    o->A = a;
    // the plastic moduli for the guess of the ascent
    const double f[OUTLINE_BANDS] = {1, 1, 1};
    o->W_pl_y = o->W_pl_z = std::sqrt(a) * a / 4;
    const double u_y = Calc_Outline_Utilisation(o, f, 0, 1, 0), u_z = Calc_Outline_Utilisation(o, f, 0, 0, 1);
    if (!(u_y > 0) || !(u_z > 0)) return 0;
    o->W_pl_y = 1 / u_y, o->W_pl_z = 1 / u_z;
    return 1;
}

// A rounded rectangle from (y0, z0) to (y1, z1): counter-clockwise for the
// material, clockwise for a hole, its corners in pieces within the material.
Outline_Ring Rounded_Rectangle(double y0, double z0, double y1, double z1, double r, bool hole) {
    Outline_Ring ring;
    const double centres[4][2] = {{y1 - r, z0 + r}, {y1 - r, z1 - r}, {y0 + r, z1 - r}, {y0 + r, z0 + r}};
    const double start[4] = {-PI / 2, 0, PI / 2, PI};
    const double piece = PI / 2 / ARC_PIECES;
    for (int c = 0; c < 4; c++) {
        if (!(r > 0)) {
            ring.push_back({c == 0 || c == 1 ? y1 : y0, c == 1 || c == 2 ? z1 : z0});
            continue;
        }
        // A hole's corner is void inside its circle: tangents keep the
        // pieces in the material.
        const double radius = hole ? r / std::cos(piece / 2) : r;
        if (hole) ring.push_back({centres[c][0] + r * std::cos(start[c]), centres[c][1] + r * std::sin(start[c])});
        for (int k = hole ? 1 : 0; k <= ARC_PIECES; k++) {
            const double a = start[c] + piece * (hole ? k - 0.5 : k);
            ring.push_back({centres[c][0] + radius * std::cos(a), centres[c][1] + radius * std::sin(a)});
        }
        if (hole) ring.push_back({centres[c][0] + r * std::cos(start[c] + PI / 2), centres[c][1] + r * std::sin(start[c] + PI / 2)});
    }
    if (hole) std::reverse(ring.begin(), ring.end());
    return ring;
}

Plastic_Outline kept;
std::string kept_key;
bool kept_valid = false;

void Append(std::string* key, const void* data, size_t size) { key->append(static_cast<const char*>(data), size); }

// The largest share by which the outline's area and plastic moduli differ
// from the published values (cm², cm³; a value not given is left out).
double Misfit(const Plastic_Outline& o, const double given[3]) {
    const double mine[3] = {o.A / 100, o.W_pl_y / 1000, o.W_pl_z / 1000};
    double worst = 0;
    for (int k = 0; k < 3; k++)
        if (given[k] > 0) worst = std::max(worst, std::fabs(mine[k] / given[k] - 1));
    return worst;
}

// The outline of a catalogue record: its family, its values (cm). A sloped
// flange's t_f stands a fixed share of the width from the tip (double-T and
// tees b/4, channels b/2), except on the channels whose standard takes it
// halfway along the flange's centre line, b/2 - t_w/4 from the tip (the
// American channels and the 5 % channels, whose t_f is the flange's
// average); the record does not say which standard it follows, so the
// channel's outline that fits its published values is taken. Where those
// values are smaller than the outline's, they count.
bool Build_Catalogue(const char* name, Plastic_Outline* o) {
    float v[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    if (Get_Profil_Values(name, v, code) < 1) return false;
    const int family = Get_Profil_Family(name);
    const double given[3] = {v[4], v[16], v[21]};
    if (family == PROFIL_FAMILY_RHS) {
        if (!Build_Hollow_Outline(10 * v[0], 10 * v[1], 10 * v[2], 10 * v[2], 10 * v[25], 10 * v[26], o)) return false;
    } else {
        const char letter = family == PROFIL_FAMILY_I ? 'D' : family == PROFIL_FAMILY_T ? 'T'
                            : family == PROFIL_FAMILY_U ? 'U' : 0;
        Catalogue_Outline c;
        if (!letter || !Catalogue_Record_Outline(letter, v, &c) || !(c.slope >= 0)) return false;
        // A channel with parallel flanges keeps its plates: its web plate
        // stops at the flanges, so they never hold more than the outline.
        if (letter == 'U' && !(c.slope > 0)) return false;
        for (double* x : {&c.h, &c.b, &c.t_w, &c.t_f, &c.r_1, &c.r_2, &c.nominal_from_tip}) *x *= 10;
        const bool fixed = Build_Flanged_Outline(&c, o) != 0;
        Plastic_Outline middle;
        c.nominal_from_tip = (c.b - c.t_w / 2) / 2;
        if (letter == 'U' && Build_Flanged_Outline(&c, &middle) && (!fixed || Misfit(middle, given) < Misfit(*o, given)))
            *o = middle;
        else if (!fixed)
            return false;
    }
    const double mine[3] = {o->A / 100, o->W_pl_y / 1000, o->W_pl_z / 1000};
    for (int k = 0; k < 3; k++)
        if (given[k] > 0 && mine[k] > 0) o->k_catalogue[k] = std::min(1.0, given[k] / mine[k]);
    return true;
}

}  // namespace

int Build_Hollow_Outline(double h, double b, double t_w, double t_f, double r_o, double r_i, Plastic_Outline* o) {
    if (!o) return 0;
    *o = Plastic_Outline{};
    r_o = std::max(r_o, 0.0), r_i = std::max(r_i, 0.0);
    if (!(t_w > 0) || !(t_f > 0) || !(2 * t_w < b) || !(2 * t_f < h) || !std::isfinite(h + b + r_o + r_i)) return 0;
    if (!(2 * r_o <= std::min(b, h)) || !(2 * r_i <= std::min(b - 2 * t_w, h - 2 * t_f))) return 0;
    o->h = h, o->b = b, o->t_w = t_w, o->t_f = t_f, o->r_o = r_o, o->r_i = r_i;
    const std::vector<Outline_Ring> rings = {Rounded_Rectangle(0, 0, b, h, r_o, false),
                                             Rounded_Rectangle(t_w, t_f, b - t_w, h - t_f, r_i, true)};
    o->k_catalogue[0] = o->k_catalogue[1] = o->k_catalogue[2] = 1;
    if (!Set_Bands(rings, true, o)) return 0;
    o->kind = OUTLINE_HOLLOW;
    return 1;
}

int Build_Flanged_Outline(const Catalogue_Outline* c, Plastic_Outline* o) {
    if (!o) return 0;
    *o = Plastic_Outline{};
    std::vector<Outline_Ring> rings;
    if (!c || !std::strchr("DTU", c->letter) || !Catalogue_Outline_Polygons(c, ARC_PIECES, &rings)) return 0;
    o->h = c->h, o->b = c->b, o->t_w = c->t_w, o->t_f = c->t_f;
    o->k_catalogue[0] = o->k_catalogue[1] = o->k_catalogue[2] = 1;
    if (!Set_Bands(rings, c->letter != 'T', o)) return 0;
    o->kind = c->slope > 0 ? OUTLINE_SLOPED : OUTLINE_ROOTS;
    return 1;
}

const Plastic_Outline* Get_Section_Outline(const Profilquerschnitt* s) {
    if (!s || s->turned || s->type == PQ_USER_SECTION) return nullptr;
    // The key's buffer is kept: every load case asks again.
    static std::string key;
    key.assign(1, s->by_dimensions ? 'd' : 'c');
    char name[PQ_NAME_SIZE + 1] = {};
    if (!s->by_dimensions) {
        std::memcpy(name, s->name, strnlen(s->name, PQ_NAME_SIZE));
        for (size_t k = std::strlen(name); k > 0 && name[k - 1] == ' '; k--) name[k - 1] = 0;
        float v[PROFIL_VALUES] = {};
        char code[PROFIL_CODE_SIZE] = {};
        if (!name[0] || Get_Profil_Values(name, v, code) < 1) return nullptr;
        key += name;
        Append(&key, v, sizeof v);
    } else {
        if (s->type != PQ_SHAPE_RHS) return nullptr;
        Append(&key, s->start, sizeof s->start);
        Append(&key, &s->own_corners, sizeof s->own_corners);
        Append(&key, s->corners, sizeof s->corners);
        Append(&key, &s->outer_corner, sizeof s->outer_corner);
    }
    if (key == kept_key) return kept_valid ? &kept : nullptr;
    kept_key = key;
    if (!s->by_dimensions) {
        kept_valid = Build_Catalogue(name, &kept);
    } else {
        // The record keeps a hollow rectangle's flanges in slot 5, its webs
        // in slot 6 (cm); a rolled one its outer corner radius beside the
        // inner one, else the outer corner lies a wall further out.
        const double h = 10 * s->start[0], b = 10 * s->start[1], t_w = 10 * s->start[6], t_f = 10 * s->start[5];
        const double t = std::min(t_w, t_f), r_i = s->own_corners ? 10 * s->corners[0] : t;
        const double r_o = s->own_corners == PQ_CORNERS_ROLLED ? 10 * s->outer_corner : r_i > 0 ? r_i + t : 0;
        kept_valid = Build_Hollow_Outline(h, b, t_w, t_f, r_o, r_i, &kept) != 0;
    }
    return kept_valid ? &kept : nullptr;
}

bool Plates_Reach_Outline(const Plastic_Outline* o, double A, double W_pl_y) {
    if (!o) return false;
    const double mine[2] = {A, W_pl_y}, outline[2] = {o->A, o->W_pl_y};
    for (int k = 0; k < 2; k++)
        if (!(mine[k] < 0.99 * outline[k] * Share(*o, k))) return true;
    return false;
}

namespace {

// The utilisation of Calc_Outline_Utilisation, unbounded where no band has
// a strength left or the ascent gives no finite value.
double Outline_Utilisation(const Plastic_Outline* o, const double strength[OUTLINE_BANDS], double N, double M_y,
                           double M_z) {
    if (N == 0 && M_y == 0 && M_z == 0) return 0;
    double w[OUTLINE_BANDS];
    const double f = Weights(strength, w);
    if (!(f > 0)) return INFINITY;
    // Lengths in sqrt(A), forces in f A: the ascent's numbers stay near 1.
    const double L = std::sqrt(o->A), scale = 1 / L;
    // Each force enlarged by the share the catalogue leaves of its resistance.
    const double F[3] = {N / (f * o->A * Share(*o, 0)), M_y / (f * o->A * L * Share(*o, 1)),
                         M_z / (f * o->A * L * Share(*o, 2))};
    const double m_y = o->W_pl_y / (o->A * L), m_z = o->W_pl_z / (o->A * L);
    double u[3] = {F[0], F[1] / (m_y * m_y), F[2] / (m_z * m_z)}, P[3];
    double U = Ascend(*o, w, scale, F, u, P);
    if (Agree(F, P, U)) return U;
    // Once more from the forces' own direction.
    double v[3] = {F[0], F[1], F[2]}, Q[3];
    const double second = Ascend(*o, w, scale, F, v, Q);
    if (Agree(F, Q, second)) return std::max(U, second);
    // Without a stress block that carries the forces, the sum of the three
    // forces' own utilisations, which never falls below the utilisation of
    // a convex set of resistances.
    double sum = 0;
    for (int k = 0; k < 3; k++) {
        if (F[k] == 0) continue;
        double e[3] = {0, 0, 0}, R[3], axis[3] = {0, 0, 0};
        e[k] = F[k] > 0 ? 1 : -1;
        axis[k] = k == 0 ? e[k] : e[k] / (k == 1 ? m_y * m_y : m_z * m_z);
        sum += std::fabs(F[k]) * Ascend(*o, w, scale, e, axis, R);
    }
    U = std::max({U, second, sum});
    return std::isfinite(U) ? U : INFINITY;
}

// The factor lambda at which the bands, at the strengths that
// strengths(lambda, s) gives them, just carry lambda N and lambda M, given
// that the unfactored N and moments are not carried at lambda 1 (their
// utilisation there U > 1); its reciprocal. lambda U_1(lambda), with U_1
// the utilisation of the unfactored N and moments at the strengths of
// lambda, grows with lambda (the strengths only fall), so the factor is the
// root of 1 / U_1(lambda) - lambda, which falls with lambda and stays
// bounded where a band's strength runs out: regula falsi (Illinois) within
// a bracket, every third step halving it. Unbounded where no factor is
// carried.
template <class Strengths>
double Limit_Factor_Reciprocal(const Plastic_Outline* o, Strengths strengths, double U, double N, double M_y,
                               double M_z) {
    double s[OUTLINE_BANDS];
    const auto reach = [&](double lambda) {
        strengths(lambda, s);
        return 1 / Outline_Utilisation(o, s, N, M_y, M_z) - lambda;
    };
    // An upper factor whose forces are not carried, and below it a carried
    // one: 1 / U_1 at the upper factor (the bands no weaker there), or,
    // where the upper one leaves a needed band nothing, half of it.
    double hi = 1, r_hi = 1 / U - 1, lo = r_hi + hi;
    while (!(lo > 0)) {
        if (!(hi > 1e-9)) return INFINITY;
        const double half = hi / 2, r = reach(half);
        if (r >= 0) {
            lo = half;
            break;
        }
        hi = half, r_hi = r, lo = r + half;
    }
    double r_lo = reach(lo);
    int kept = 0;  // the side a step kept last: -1 the lower, 1 the upper
    for (int step = 0; step < 100 && r_lo > 0 && hi - lo > 1e-12 * hi; step++) {
        double lambda = step % 3 == 2 ? (lo + hi) / 2 : (lo * r_hi - hi * r_lo) / (r_hi - r_lo);
        if (!(lambda > lo && lambda < hi)) lambda = (lo + hi) / 2;
        const double r = reach(lambda);
        if (r >= 0) {
            lo = lambda, r_lo = r;
            if (kept == 1) r_hi /= 2;
            kept = 1;
        } else {
            hi = lambda, r_hi = r;
            if (kept == -1) r_lo /= 2;
            kept = -1;
        }
    }
    return 1 / lo;
}

// The utilisation of N and the moments on the bands at the strengths that
// shear(v, t, s) gives them under v times the shear forces and t times the
// torsion: up to 1 its value at the forces as they act; beyond it the
// reciprocal of the largest factor on all of them together - N, the
// moments, the shear forces and the torsion - at which the bands, at the
// strengths the factored shear and torsion leave them, still carry the
// factored N and moments. So the value goes on continuously from 1 and
// never falls as any of them grows, where the utilisation at the acting
// forces ran up without bound once the shear or the torsion used a band
// all but up (and stood still at what the bands it left could carry).
template <class Shear>
double Load_Factor_Utilisation(const Plastic_Outline* o, Shear shear, double N, double M_y, double M_z) {
    double s[OUTLINE_BANDS];
    shear(1.0, 1.0, s);
    const double U = Outline_Utilisation(o, s, N, M_y, M_z);
    if (!(U > 1)) return U;
    return Limit_Factor_Reciprocal(o, [&](double lambda, double* at) { shear(lambda, lambda, at); }, U, N, M_y, M_z);
}

}  // namespace

double Calc_Outline_Utilisation(const Plastic_Outline* o, const double strength[OUTLINE_BANDS], double N, double M_y,
                                double M_z) {
    if (!o || !strength || !(o->A > 0)) return 1000;
    const double U = Outline_Utilisation(o, strength, N, M_y, M_z);
    return U < INFINITY ? U : 1000;
}

double Calc_Outline_Moment_Y(const Plastic_Outline* o, const double strength[OUTLINE_BANDS], double N) {
    if (!o || !strength || !(o->A > 0)) return 0;
    double w[OUTLINE_BANDS];
    const double f = Weights(strength, w);
    if (!(f > 0)) return 0;
    const double L = std::sqrt(o->A), scale = 1 / L, n = N / (f * o->A * Share(*o, 0));
    double lo = INFINITY, hi = -INFINITY;
    for (const std::vector<Outline_Ring>& band : o->bands)
        for (const Outline_Ring& r : band)
            for (const Outline_Point& p : r) lo = std::min(lo, p.z * scale), hi = std::max(hi, p.z * scale);
    // Tension below the axis at depth d: the normal force falls as d goes
    // down. Newton's steps on the chord's length, kept within the bracket.
    Axis_Integrals at;
    double d = 0;
    for (int k = 0; k < 100; k++) {
        const double u[3] = {-d, 1, 0};
        Integrate(*o, w, scale, u, &at);
        const double r = at.P[0] - n;
        if (std::fabs(r) <= 1e-12) break;
        (r > 0 ? lo : hi) = d;
        const double slope = -at.H[0][0];  // dN/dd: twice the weighted chord
        double next = slope < 0 ? d - r / slope : (lo + hi) / 2;
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        if (hi - lo < 1e-13) break;
        d = next;
    }
    if (std::fabs(at.P[0] - n) > 1e-6) return 0;
    return std::fabs(at.P[1]) * f * o->A * L * Share(*o, 1);
}

int Calc_Hollow_Shear(const Plastic_Outline* o, double f_yd, double V_y, double V_z, double T_t, Hollow_Shear* s) {
    if (!s) return 0;
    *s = Hollow_Shear{};
    if (!o || o->kind != OUTLINE_HOLLOW) return 0;
    const double h = o->h, b = o->b, t_w = o->t_w, t_f = o->t_f, A = o->A;
    const bool uniform = std::fabs(t_w - t_f) <= 1e-9 * t_w;
    s->A_vz = uniform ? A * h / (b + h) : A - 2 * b * t_f;
    s->A_vy = uniform ? A * b / (b + h) : A - 2 * (h - 2 * t_f) * t_w;
    s->tau_Rd = f_yd / std::sqrt(3.0);
    // St. Venant torsion of the closed tube, its mid-line corners rounded,
    // at the faces of its walls.
    Closed_Tube_Torsion torsion;
    const bool closed = Calc_Closed_Tube_Torsion(h, b, t_w, t_f, o->r_o, o->r_i, &torsion) && torsion.A_m > 0;
    s->tau_t = closed ? 1e6 * std::fabs(T_t) / torsion.W_T : 0;
    const double u_t = s->tau_Rd > 0 ? s->tau_t / s->tau_Rd : (T_t != 0 ? 1000 : 0);
    const double keep = std::max(1 - u_t, 0.0);
    s->V_pl_y = keep * s->A_vy * s->tau_Rd / 1000, s->V_pl_z = keep * s->A_vz * s->tau_Rd / 1000;
    const auto ratio = [](double V, double V_pl) { return V == 0 ? 0.0 : V_pl > 0 ? std::fabs(V) / V_pl : 1000.0; };
    const double v_y = ratio(V_y, s->V_pl_y), v_z = ratio(V_z, s->V_pl_z);
    s->U_V = std::max({v_y, v_z, u_t});
    // Beyond the resistance the reciprocal of the largest factor on the
    // shear forces and the torsion that the walls carry: lambda (tau_t /
    // tau_Rd + V / V_pl) = 1 with V_pl unreduced; it meets the quotients at
    // 1 and goes on where they run up without bound as the torsion takes
    // the shear resistance.
    if (s->U_V > 1 && s->tau_Rd > 0) {
        const double V_pl_y = s->A_vy * s->tau_Rd / 1000, V_pl_z = s->A_vz * s->tau_Rd / 1000;
        const double U_V = u_t + std::max(ratio(V_y, V_pl_y), ratio(V_z, V_pl_z));
        s->U_V_raised = U_V != s->U_V;
        s->U_V = U_V;
    }
    const auto rho = [](double v) { return v > 0.5 ? std::min((2 * v - 1) * (2 * v - 1), 1.0) : 0.0; };
    s->rho_y = rho(v_y), s->rho_z = rho(v_z);
    s->k_T = u_t < 1 ? std::sqrt(1 - u_t * u_t) : 0;
    s->strength[OUTLINE_TOP] = s->strength[OUTLINE_BOTTOM] = f_yd * s->k_T * (1 - s->rho_y);
    s->strength[OUTLINE_WEB] = f_yd * s->k_T * (1 - s->rho_z);
    return 1;
}

int Calc_Open_Shear(const Plastic_Outline* o, const Open_Plates* plates, double f_yd, double V_y, double V_z,
                    double T_t, Open_Shear* s) {
    if (!s) return 0;
    *s = Open_Shear{};
    if (!o || o->kind == OUTLINE_HOLLOW || !plates) return 0;
    const Open_Plates& p = *plates;
    double area[OUTLINE_BANDS], stiffness[OUTLINE_BANDS], it = 0;
    for (int k = 0; k < OUTLINE_BANDS; k++) {
        const bool present = p.b[k] > 0 && p.t[k] > 0;
        area[k] = present ? p.b[k] * p.t[k] : 0;
        stiffness[k] = area[k] * p.t[k] * p.t[k] / 3;
        it += stiffness[k];
    }
    const double a_f = area[OUTLINE_TOP] + area[OUTLINE_BOTTOM];
    const double bands_f = o->band_A[OUTLINE_TOP] + o->band_A[OUTLINE_BOTTOM];
    if (!(area[OUTLINE_WEB] > 0) || !(a_f > 0) || !(it > 0) || !(bands_f > 0)) return 0;
    const double A_web = p.A_v_web > 0 ? p.A_v_web : area[OUTLINE_WEB];
    const double A_flanges = p.A_v_flanges > 0 ? std::min(p.A_v_flanges, a_f) : a_f;
    const double tau_R = f_yd / std::sqrt(3.0);
    for (int k = 0; k < OUTLINE_BANDS; k++) {
        if (!(area[k] > 0)) continue;
        const double tv = 1000 * std::fabs(k == OUTLINE_WEB ? V_z : V_y) / (k == OUTLINE_WEB ? A_web : A_flanges);
        // the plate's share of the torsion at its face, as it yields (the
        // shear force takes the core the torsion leaves)
        const double T = 1e6 * std::fabs(T_t) * stiffness[k] / it, w = (2 * p.b[k] - p.t[k]) * p.t[k] * p.t[k];
        const double tt = w > 0 ? 2 * T / w : 0;
        const double tau = std::sqrt(tv * tv + tt * tt) + tt;
        s->u[k] = tau_R > 0 ? tau / tau_R : (tau > 0 ? 1000 : 0);
    }
    const auto keep = [](double u) { return u > 0.5 ? std::max(0.0, 1 - (2 * u - 1) * (2 * u - 1)) : 1.0; };
    const double web = keep(s->u[OUTLINE_WEB]);
    const double in_flanges = std::max({p.A_v_web_in_flanges, A_web - o->band_A[OUTLINE_WEB], 0.0});
    const double lost = (1 - web) * in_flanges / bands_f;
    for (int k = 0; k < OUTLINE_BANDS; k++) {
        if (!(area[k] > 0)) continue;
        s->strength[k] = f_yd * (k == OUTLINE_WEB ? web : std::max(0.0, keep(s->u[k]) - lost));
    }
    return 1;
}

double Calc_Open_Outline_Utilisation(const Plastic_Outline* o, const Open_Plates* plates, double f_yd, double V_y,
                                     double V_z, double T_t, double N, double M_y, double M_z) {
    Open_Shear shear;
    if (!Calc_Open_Shear(o, plates, f_yd, V_y, V_z, T_t, &shear) || !(o->A > 0)) return 1000;
    const auto strengths = [&](double v, double t, double s[OUTLINE_BANDS]) {
        Calc_Open_Shear(o, plates, f_yd, v * V_y, v * V_z, t * T_t, &shear);
        std::memcpy(s, shear.strength, sizeof shear.strength);
    };
    const double U = Load_Factor_Utilisation(o, strengths, N, M_y, M_z);
    return U < INFINITY ? U : 1000;
}

double Calc_Hollow_Outline_Utilisation(const Plastic_Outline* o, double f_yd, double V_y, double V_z, double T_t,
                                       double N, double M_y, double M_z) {
    Hollow_Shear shear;
    if (!Calc_Hollow_Shear(o, f_yd, V_y, V_z, T_t, &shear) || !(o->A > 0)) return 1000;
    const auto strengths = [&](double v, double t, double s[OUTLINE_BANDS]) {
        Calc_Hollow_Shear(o, f_yd, v * V_y, v * V_z, t * T_t, &shear);
        std::memcpy(s, shear.strength, sizeof shear.strength);
    };
    const double U = Load_Factor_Utilisation(o, strengths, N, M_y, M_z);
    return U < INFINITY ? U : 1000;
}
