// catalogue_plausibility: the outlines of the catalogue families and the
// comparison of a record's section values with them.
//
// An outline is a set of polygons (material counter-clockwise, holes
// clockwise) whose corners are rounded with the record's radii, so that
// fillets at sloped flanges are true circles tangent to both faces. Area,
// centroid and second moments are the exact integrals over the polygons;
// the plastic moduli come from the axis that halves the area, found by
// clipping the polygons; the extreme fibres are the outline's own points.
// Torsion and warping constants have no exact closed form for rolled
// shapes: the published torsion constants follow the sum with the fillets'
// share within a band of each family, and the profile file holds the
// thin-walled sum of the plates where no table gives one.
//
// Beyond the outline, a record's dimensions keep the rules of their
// standards (its ties): a tube's width is its diameter, an angle's and a
// hollow section's walls stand in both thickness values, toe and corner
// radii go with the root radius and the wall, a sloped flange has a slope a
// standard gives. A record that does not agree is named by the one value
// that, set to what the others give, makes it agree.
#include "profiles/catalogue_plausibility.h"

#include "profiles/catalogue_designation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

constexpr double PI = 3.14159265358979323846;

// Highest slope of an inner flange face the catalogues hold (the American
// channels' and beams' 1:6), with room for rounding.
constexpr double MAX_SLOPE = 0.2;
// Segments of a quarter circle: the chords miss 0.25 % of a spandrel's area.
constexpr int ARC_STEPS = 24;

// The dimension of an outline that makes none.
enum Bad_Dimension { DIM_NONE = -1, DIM_H, DIM_B, DIM_TW, DIM_TF, DIM_R1, DIM_R2, DIM_SLOPE, DIM_FAMILY };

struct Pt {
    double y, z;
};
using Ring = std::vector<Pt>;

// A corner of a polygon before rounding; radius above 0 rounds it, and
// `which` names that radius when it does not fit.
struct Corner {
    double y, z, radius;
    Bad_Dimension which;
};

// The outline: its polygons with rounded corners, and the corners before
// rounding (the sharp outline's extreme fibres). A rounded corner takes
// arc_steps pieces per quarter circle; with `inside` they stay within the
// material (chords where the circle's inside is material, tangents where it
// is void), else they are chords throughout.
struct Shape {
    std::vector<Ring> rings;
    std::vector<Pt> sharp;
    int arc_steps = ARC_STEPS;
    bool inside = false;
};

Pt Unit(double y, double z) {
    const double n = std::hypot(y, z);
    return n > 0 ? Pt{y / n, z / n} : Pt{0, 0};
}

// The polygon of the corners with each rounded corner replaced by its arc,
// tangent to both edges. DIM_NONE, or the radius that does not fit (its
// tangent points would pass each other or the corner is a spike).
Bad_Dimension Round_Corners(const std::vector<Corner>& c, Shape* shape) {
    const size_t n = c.size();
    std::vector<double> d(n, 0.0), half(n, 0.0);
    std::vector<Pt> back(n), ahead(n);
    for (size_t i = 0; i < n; i++) {
        const Corner &p = c[i], &a = c[(i + n - 1) % n], &b = c[(i + 1) % n];
        shape->sharp.push_back({p.y, p.z});
        back[i] = Unit(a.y - p.y, a.z - p.z);
        ahead[i] = Unit(b.y - p.y, b.z - p.z);
        if (!(p.radius > 0)) continue;
        const double cosine = std::clamp(back[i].y * ahead[i].y + back[i].z * ahead[i].z, -1.0, 1.0);
        half[i] = std::acos(cosine) / 2;
        if (!(half[i] > 1e-6) || (back[i].y == 0 && back[i].z == 0) || (ahead[i].y == 0 && ahead[i].z == 0))
            return p.which;
        d[i] = p.radius / std::tan(half[i]);
    }
    for (size_t i = 0; i < n; i++) {
        const size_t j = (i + 1) % n;
        if (d[i] + d[j] > std::hypot(c[j].y - c[i].y, c[j].z - c[i].z) * (1 + 1e-9)) return d[i] > 0 ? c[i].which : c[j].which;
    }
    Ring ring;
    for (size_t i = 0; i < n; i++) {
        const Corner& p = c[i];
        if (d[i] < 1e-12) {
            ring.push_back({p.y, p.z});
            continue;
        }
        const Pt bisector = Unit(back[i].y + ahead[i].y, back[i].z + ahead[i].z);
        const double to_centre = p.radius / std::sin(half[i]);
        const Pt centre{p.y + bisector.y * to_centre, p.z + bisector.z * to_centre};
        const double a1 = std::atan2(p.z + back[i].z * d[i] - centre.z, p.y + back[i].y * d[i] - centre.y);
        const double a2 = std::atan2(p.z + ahead[i].z * d[i] - centre.z, p.y + ahead[i].y * d[i] - centre.y);
        const double sweep = std::remainder(a2 - a1, 2 * PI);
        const int steps =
            std::max(2, static_cast<int>(std::ceil(shape->arc_steps * std::fabs(sweep) / (PI / 2) - 1e-9)));
        // Material lies left of every ring: a left turn has the circle's
        // centre in the material, a right turn (a fillet, a hollow's inner
        // corner) outside it, where chords would add to the material.
        const bool tangents = shape->inside && back[i].y * ahead[i].z - back[i].z * ahead[i].y > 0;
        const auto point = [&](double a, double radius) {
            ring.push_back({centre.y + radius * std::cos(a), centre.z + radius * std::sin(a)});
        };
        if (tangents) {
            const double piece = sweep / steps;
            point(a1, p.radius);
            for (int k = 1; k <= steps; k++) point(a1 + piece * (k - 0.5), p.radius / std::cos(piece / 2));
            point(a2, p.radius);
            continue;
        }
        for (int k = 0; k <= steps; k++) point(a1 + sweep * k / steps, p.radius);
    }
    shape->rings.push_back(ring);
    return DIM_NONE;
}

// Integrals over the outline: area, first moments (of y and z) and second
// moments (of z^2, y^2 and y z), exact for polygons.
struct Moments {
    double a = 0, sy = 0, sz = 0, zz = 0, yy = 0, yz = 0;
};

void Add_Ring(const Ring& r, Moments* m) {
    for (size_t i = 0, n = r.size(); i < n; i++) {
        const Pt &p = r[i], &q = r[(i + 1) % n];
        const double c = p.y * q.z - q.y * p.z;
        m->a += c / 2;
        m->sy += (p.y + q.y) * c / 6;
        m->sz += (p.z + q.z) * c / 6;
        m->zz += (p.z * p.z + p.z * q.z + q.z * q.z) * c / 12;
        m->yy += (p.y * p.y + p.y * q.y + q.y * q.y) * c / 12;
        m->yz += (p.y * q.z + 2 * p.y * p.z + 2 * q.y * q.z + q.y * p.z) * c / 24;
    }
}

Moments Shape_Moments(const Shape& s) {
    Moments m;
    for (const Ring& r : s.rings) Add_Ring(r, &m);
    return m;
}

double Along(const Pt& p, bool y) { return y ? p.y : p.z; }

// The part of a ring on the side coordinate >= c (y or z). A concave ring
// gives a polygon with edges to and fro along the cut, whose integrals are
// still those of the part.
Ring Clip_Above(const Ring& r, bool y, double c) {
    Ring out;
    for (size_t i = 0, n = r.size(); i < n; i++) {
        const Pt &p = r[i], &q = r[(i + 1) % n];
        const double dp = Along(p, y) - c, dq = Along(q, y) - c;
        if (dp >= 0) out.push_back(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double t = dp / (dp - dq);
            out.push_back({p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)});
        }
    }
    return out;
}

// Plastic modulus for bending about the axis across the coordinate (y:
// about a vertical axis): the axis halves the area, W is the first moment
// of both halves about it. A section symmetric to the centroidal axis at c
// has it there.
double Plastic_Modulus(const Shape& s, bool y, const Moments& whole, bool symmetric, double c) {
    double lo = INFINITY, hi = -INFINITY;
    for (const Ring& r : s.rings)
        for (const Pt& p : r) lo = std::min(lo, Along(p, y)), hi = std::max(hi, Along(p, y));
    const auto above = [&](double at) {
        Moments up;
        for (const Ring& r : s.rings) Add_Ring(Clip_Above(r, y, at), &up);
        return up;
    };
    for (int k = 0; k < 48 && !symmetric; k++) {
        c = (lo + hi) / 2;
        (above(c).a > whole.a / 2 ? lo : hi) = c;
    }
    const Moments up = above(c);
    const double first_up = (y ? up.sy : up.sz) - c * up.a;
    const double first_down = (y ? whole.sy - up.sy : whole.sz - up.sz) - c * (whole.a - up.a);
    return first_up - first_down;
}

// A flange's thickness at the tip and at the root, its outstand c long.
struct Flange {
    double tip, root;
};
Flange Taper(const Catalogue_Outline& o, double c) {
    return {o.t_f - o.slope * o.nominal_from_tip, o.t_f + o.slope * (c - o.nominal_from_tip)};
}

// The integral of t^3 along a straight outstand c long from t1 to t2.
double Cubed_Length(double c, Flange f) { return c * (f.tip + f.root) * (f.tip * f.tip + f.root * f.root) / 4; }

// The torsion constant's gain over the thin plates at a junction with a
// root radius r: alpha D^4 with D the diameter of the circle inscribed in
// the junction. A web into the middle of a flange (double-T, tee) after the
// fillet formula for rolled sections; a corner (channel, angle, zed) with
// the inscribed circle of the corner and alpha 0.15, more than the corners
// of the published tables gain.
double Tee_Junction_Gain(double t_f, double t_w, double r) {
    const double D = ((t_f + r) * (t_f + r) + t_w * (r + t_w / 4)) / (2 * r + t_f);
    const double alpha = -0.042 + 0.2204 * t_w / t_f + 0.1355 * r / t_f - 0.0865 * r * t_w / (t_f * t_f) -
                         0.0725 * t_w * t_w / (t_f * t_f);
    return std::max(alpha, 0.0) * D * D * D * D;
}
double Corner_Junction_Gain(double t_1, double t_2, double r) {
    const double D = 2 * ((3 * r + t_1 + t_2) - std::sqrt(2 * (2 * r + t_1) * (2 * r + t_2)));
    return 0.15 * D * D * D * D;
}

// The producers' torsion constant of a rolled double-T section with
// parallel flanges: the plates, the flange ends' loss and the fillets'
// gain after the formula their section tables quote. The design tables
// take the junction of Tee_Junction_Gain instead; the two differ by up to
// 8 % (the thin HE AA sections), and honest tables give either.
double Producer_Double_T_Torsion(double h, double b, double t_w, double t_f, double r) {
    const double D = ((r + t_w / 2) * (r + t_w / 2) + (r + t_f) * (r + t_f) - r * r) / (2 * r + t_f);
    return 2.0 / 3 * (b - 0.63 * t_f) * t_f * t_f * t_f + (h - 2 * t_f) * t_w * t_w * t_w / 3 +
           2 * (t_w / t_f) * (0.145 + 0.1 * r / t_f) * D * D * D * D;
}
constexpr double THIN_TORSION_TOLERANCE = 0.002;

// Double-T, tee and channel: y across, z up; the web centred on y = 0
// (channels: its back at y = 0, flanges to +y).
Bad_Dimension Flanged(const Catalogue_Outline& o, Shape* s, Catalogue_Section* v) {
    const bool channel = o.letter == 'U', tee = o.letter == 'T';
    const double c = channel ? o.b - o.t_w : (o.b - o.t_w) / 2;
    if (!(c > 0)) return DIM_TW;
    if (!(o.slope >= 0 && o.slope <= MAX_SLOPE)) return DIM_SLOPE;
    const Flange f = Taper(o, c);
    if (!(f.tip > 0)) return DIM_TF;
    if (!(f.root * (tee ? 1 : 2) < o.h)) return DIM_TF;
    if (!(o.r_1 < c) || !(o.r_1 < o.h - (tee ? 1 : 2) * f.root)) return DIM_R1;
    if (!(o.r_2 <= f.tip) || !(o.r_2 < c)) return DIM_R2;
    const double r1 = o.r_1, r2 = o.r_2, h = o.h, w = o.t_w / 2, e = o.b / 2;
    std::vector<Corner> k;
    if (channel) {
        k = {{0, 0, 0, DIM_NONE},          {o.b, 0, 0, DIM_NONE},          {o.b, f.tip, r2, DIM_R2},
             {o.t_w, f.root, r1, DIM_R1},  {o.t_w, h - f.root, r1, DIM_R1}, {o.b, h - f.tip, r2, DIM_R2},
             {o.b, h, 0, DIM_NONE},        {0, h, 0, DIM_NONE}};
    } else if (tee) {
        k = {{-w, 0, 0, DIM_NONE},         {w, 0, 0, DIM_NONE},            {w, h - f.root, r1, DIM_R1},
             {e, h - f.tip, r2, DIM_R2},   {e, h, 0, DIM_NONE},            {-e, h, 0, DIM_NONE},
             {-e, h - f.tip, r2, DIM_R2},  {-w, h - f.root, r1, DIM_R1}};
    } else {
        k = {{-e, 0, 0, DIM_NONE},         {e, 0, 0, DIM_NONE},            {e, f.tip, r2, DIM_R2},
             {w, f.root, r1, DIM_R1},      {w, h - f.root, r1, DIM_R1},    {e, h - f.tip, r2, DIM_R2},
             {e, h, 0, DIM_NONE},          {-e, h, 0, DIM_NONE},           {-e, h - f.tip, r2, DIM_R2},
             {-w, h - f.root, r1, DIM_R1}, {-w, f.root, r1, DIM_R1},       {-e, f.tip, r2, DIM_R2}};
    }
    if (const Bad_Dimension bad = Round_Corners(k, s); bad != DIM_NONE) return bad;
    // Torsion: the plates integrated along their slope, with each
    // junction's fillet.
    const int flanges = tee ? 1 : 2, outstands = channel ? 1 : 2;
    const double t_mean = (f.tip + f.root) / 2, web = h - flanges * t_mean, web_cubed = web * o.t_w * o.t_w * o.t_w;
    const double sloped = (flanges * (outstands * Cubed_Length(c, f) + o.t_w * f.root * f.root * f.root) + web_cubed) / 3;
    const double gain = channel ? Corner_Junction_Gain(o.t_w, t_mean, r1) : Tee_Junction_Gain(t_mean, o.t_w, r1);
    const double ends = (tee ? 0.21 : 0.42) * t_mean * t_mean * t_mean * t_mean;
    const double fillets = sloped + flanges * gain - ends;
    v->I_t[0] = v->I_t[1] = fillets;
    if (o.letter == 'D' && o.slope == 0) {
        const double producers = Producer_Double_T_Torsion(h, o.b, o.t_w, o.t_f, r1);
        v->I_t[0] = std::min(fillets, producers);
        v->I_t[1] = std::max(fillets, producers);
    }
    // The profile file's sum: the flanges at their mean thickness over the
    // whole width, the web between the nominal flanges.
    const double web_between = h - (tee ? o.t_f / 2 : 2 * o.t_f);
    v->I_t_thin = (flanges * o.b * t_mean * t_mean * t_mean + web_between * o.t_w * o.t_w * o.t_w) / 3;
    return DIM_NONE;
}

// Angle: the longer leg h upright with its back at y = 0, t_w thick; the
// shorter leg b at the bottom with its back at z = 0, t_f thick.
Bad_Dimension Angle(const Catalogue_Outline& o, Shape* s, Catalogue_Section* v) {
    const double tw = o.t_w, tf = o.t_f, h = o.h, b = o.b;
    if (!(tw < b)) return DIM_TW;
    if (!(tf < h)) return DIM_TF;
    if (!(o.r_1 < b - tw) || !(o.r_1 < h - tf)) return DIM_R1;
    if (!(o.r_2 <= std::min(tw, tf))) return DIM_R2;
    const std::vector<Corner> k = {{0, 0, 0, DIM_NONE}, {b, 0, 0, DIM_NONE},      {b, tf, o.r_2, DIM_R2},
                                   {tw, tf, o.r_1, DIM_R1}, {tw, h, o.r_2, DIM_R2}, {0, h, 0, DIM_NONE}};
    if (const Bad_Dimension bad = Round_Corners(k, s); bad != DIM_NONE) return bad;
    const double thin = ((h - tf / 2) * tw * tw * tw + (b - tw / 2) * tf * tf * tf) / 3;
    v->I_t_thin = thin;
    v->I_t[0] = v->I_t[1] = thin + Corner_Junction_Gain(tw, tf, o.r_1);
    return DIM_NONE;
}

// A Z section: the web upright between the upper flange, to the left, and the lower
// one, to the right; b from tip to tip.
Bad_Dimension Z_Section(const Catalogue_Outline& o, Shape* s, Catalogue_Section* v) {
    const double c = (o.b - o.t_w) / 2, h = o.h, t = o.t_f;
    if (!(c > 0)) return DIM_TW;
    if (!(2 * t < h)) return DIM_TF;
    if (!(o.r_1 < c) || !(o.r_1 < h - 2 * t)) return DIM_R1;
    if (!(o.r_2 <= t) || !(o.r_2 < c)) return DIM_R2;
    const double right = c + o.t_w;
    const std::vector<Corner> k = {{c, 0, 0, DIM_NONE},         {o.b, 0, 0, DIM_NONE},    {o.b, t, o.r_2, DIM_R2},
                                   {right, t, o.r_1, DIM_R1},   {right, h, 0, DIM_NONE},  {0, h, 0, DIM_NONE},
                                   {0, h - t, o.r_2, DIM_R2},   {c, h - t, o.r_1, DIM_R1}};
    if (const Bad_Dimension bad = Round_Corners(k, s); bad != DIM_NONE) return bad;
    const double thin = (2 * (c + o.t_w) * t * t * t + (h - 2 * t) * o.t_w * o.t_w * o.t_w) / 3;
    v->I_t[0] = thin;
    v->I_t[1] = thin + 2 * Corner_Junction_Gain(o.t_w, t, o.r_1);
    return DIM_NONE;
}

// Rectangular hollow section b wide and h high, its side walls t_w and its
// top and bottom walls t_f thick, its outside corners rounded with r_1 and
// the inside corners with r_2. Its torsion constant is the closed tube's on
// the walls' mid-line.
Bad_Dimension Hollow(const Catalogue_Outline& o, Shape* s, Catalogue_Section* v) {
    const double tw = o.t_w, tf = o.t_f, b = o.b, h = o.h;
    if (!(2 * tw < b)) return DIM_TW;
    if (!(2 * tf < h)) return DIM_TF;
    if (!(2 * o.r_1 <= std::min(b, h))) return DIM_R1;
    if (!(2 * o.r_2 <= std::min(b - 2 * tw, h - 2 * tf))) return DIM_R2;
    const double r1 = o.r_1, r2 = o.r_2;
    const std::vector<Corner> outside = {{0, 0, r1, DIM_R1}, {b, 0, r1, DIM_R1}, {b, h, r1, DIM_R1}, {0, h, r1, DIM_R1}};
    const std::vector<Corner> inside = {{tw, tf, r2, DIM_R2}, {tw, h - tf, r2, DIM_R2}, {b - tw, h - tf, r2, DIM_R2},
                                        {b - tw, tf, r2, DIM_R2}};
    if (const Bad_Dimension bad = Round_Corners(outside, s); bad != DIM_NONE) return bad;
    if (const Bad_Dimension bad = Round_Corners(inside, s); bad != DIM_NONE) return bad;
    s->sharp.resize(4);
    // The mid-line: straight walls shortened by the corners' arcs, each wall
    // with its own thickness.
    const double r_mid = std::max((r1 + r2) / 2, 0.0), cut = r_mid * (4 - PI);
    const double sides = 2 * (h - tf) - cut, ends = 2 * (b - tw) - cut;
    const double enclosed = (b - tw) * (h - tf) - r_mid * r_mid * (4 - PI);
    const double around = sides / tw + ends / tf;
    const double it = (sides * tw * tw * tw + ends * tf * tf * tf) / 3 + 4 * enclosed * enclosed / around;
    v->I_t[0] = v->I_t[1] = it;
    return DIM_NONE;
}

// The families with a closed form: tube, elliptical hollow section, flat and
// round bar.
Bad_Dimension Closed_Form(const Catalogue_Outline& o, Catalogue_Section* v) {
    double A = 0, iy = 0, iz = 0, half_h = o.h / 2, half_b = o.b / 2, wy = 0, wz = 0, it = 0, iw = 0;
    switch (o.letter) {
    case 'K':
    case 'O': {
        const double D = o.h, d = o.letter == 'K' ? o.h - 2 * o.t_w : 0;
        if (!(d >= 0)) return DIM_TW;
        A = PI / 4 * (D * D - d * d);
        iy = iz = PI / 64 * (D * D * D * D - d * d * d * d);
        wy = wz = (D * D * D - d * d * d) / 6;
        it = 2 * iy;
        half_b = half_h;
        break;
    }
    case 'E': {
        const double a = half_h, c = half_b, t = o.t_w;  // semi-axes: a upright, c across
        if (!(t < a) || !(t < c)) return DIM_TW;
        A = PI * (a * c - (a - t) * (c - t));
        iy = PI / 4 * (c * a * a * a - (c - t) * (a - t) * (a - t) * (a - t));
        iz = PI / 4 * (a * c * c * c - (a - t) * (c - t) * (c - t) * (c - t));
        wy = 4.0 / 3 * (a * a * c - (a - t) * (a - t) * (c - t));
        wz = 4.0 / 3 * (c * c * a - (c - t) * (c - t) * (a - t));
        // Closed tube on the mid-line; its perimeter after Ramanujan.
        const double p = a - t / 2, q = c - t / 2;
        const double perimeter = PI * (3 * (p + q) - std::sqrt((3 * p + q) * (p + 3 * q)));
        it = 4 * (PI * p * q) * (PI * p * q) * t / perimeter;
        break;
    }
    default: {  // 'F': h thick, b wide
        const double L = std::max(o.b, o.h), S = std::min(o.b, o.h);
        A = o.b * o.h;
        iy = o.b * o.h * o.h * o.h / 12;
        iz = o.h * o.b * o.b * o.b / 12;
        wy = o.b * o.h * o.h / 4;
        wz = o.h * o.b * o.b / 4;
        it = L * S * S * S * (1.0 / 3 - 0.21 * S / L * (1 - S * S * S * S / (12 * L * L * L * L)));
        iw = L * L * L * S * S * S / 144;
        break;
    }
    }
    v->A = A;
    v->e_y = half_b, v->e_z = half_h;
    v->I_y = v->I_1 = iy, v->I_z = v->I_2 = iz, v->tan_alpha = 0;
    for (double* w : {v->W_1_top, v->W_1_bottom}) w[0] = w[1] = iy / half_h;
    for (double* w : {v->W_2_left, v->W_2_right}) w[0] = w[1] = iz / half_b;
    v->W_pl_y = wy, v->W_pl_z = wz;
    v->I_t[0] = v->I_t[1] = it;
    v->I_w[0] = 0, v->I_w[1] = iw;
    return DIM_NONE;
}

// The first dimension that a family uses and that is not above 0.
Bad_Dimension Positive_Dimensions(const Catalogue_Outline& o) {
    const bool uses_b = o.letter != 'K' && o.letter != 'O';
    const bool uses_tw = o.letter != 'F' && o.letter != 'O';
    const bool uses_tf = std::strchr("DTUZLR", o.letter) != nullptr;
    if (!(o.h > 0) || !std::isfinite(o.h)) return DIM_H;
    if (uses_b && (!(o.b > 0) || !std::isfinite(o.b))) return DIM_B;
    if (uses_tw && (!(o.t_w > 0) || !std::isfinite(o.t_w))) return DIM_TW;
    if (uses_tf && (!(o.t_f > 0) || !std::isfinite(o.t_f))) return DIM_TF;
    if (!std::isfinite(o.r_1)) return DIM_R1;
    if (!std::isfinite(o.r_2)) return DIM_R2;
    if (!std::isfinite(o.slope)) return DIM_SLOPE;
    return DIM_NONE;
}

// Distances of the outline's points from the principal axes through the
// centroid (yc, zc), the first at theta from y: above and below the first,
// left of and right of the second.
struct Fibres {
    double top = 0, bottom = 0, left = 0, right = 0;
};
template <class Points>
Fibres Extreme_Fibres(const Points& points, double yc, double zc, double theta) {
    Fibres f;
    const double s = std::sin(theta), c = std::cos(theta);
    for (const Pt& p : points) {
        const double u = -(p.y - yc) * s + (p.z - zc) * c, w = (p.y - yc) * c + (p.z - zc) * s;
        f.top = std::max(f.top, u), f.bottom = std::max(f.bottom, -u);
        f.left = std::max(f.left, -w), f.right = std::max(f.right, w);
    }
    return f;
}

// The moduli at the extreme fibres: from the sharp corner to the rounded
// outline's point.
void Elastic_Moduli(const Shape& s, double yc, double zc, double theta, Catalogue_Section* v) {
    std::vector<Pt> round;
    for (const Ring& r : s.rings) round.insert(round.end(), r.begin(), r.end());
    const Fibres sharp = Extreme_Fibres(s.sharp, yc, zc, theta), rounded = Extreme_Fibres(round, yc, zc, theta);
    const auto range = [](double* w, double I, double far, double near) {
        w[0] = far > 0 ? I / far : INFINITY;
        w[1] = near > 0 ? I / near : INFINITY;
    };
    range(v->W_1_top, v->I_1, sharp.top, rounded.top);
    range(v->W_1_bottom, v->I_1, sharp.bottom, rounded.bottom);
    range(v->W_2_left, v->I_2, sharp.left, rounded.left);
    range(v->W_2_right, v->I_2, sharp.right, rounded.right);
}

// A point of a wall's centre line with the wall's thickness there.
struct Wall_Point {
    double y, z, t;
};

// Warping constant of an open thin-walled section about its shear centre,
// its walls along the chain of centre-line points. The sectorial coordinate
// about any pole differs from the one about the shear centre by a + b y +
// c z, and the shear centre is the pole that leaves it orthogonal to 1, y
// and z: I_w is what remains of the integral of omega^2 t ds once its
// weighted projection onto 1, y and z is taken away. omega and t are linear
// along each straight piece, so two Gauss points per piece integrate the
// cubic exactly.
double Open_Warping(const std::vector<Wall_Point>& line) {
    double m[3][4] = {}, omega = 0, sum_wo2 = 0;
    const double g[2] = {0.5 - 0.5 / std::sqrt(3.0), 0.5 + 0.5 / std::sqrt(3.0)};
    for (size_t i = 1; i < line.size(); i++) {
        const Wall_Point &a = line[i - 1], &b = line[i];
        const double next = omega + a.y * b.z - a.z * b.y, ds = std::hypot(b.y - a.y, b.z - a.z);
        for (double u : g) {
            const double x[3] = {1, a.y + u * (b.y - a.y), a.z + u * (b.z - a.z)};
            const double w = ds * (a.t + u * (b.t - a.t)) / 2, o = omega + u * (next - omega);
            for (int r = 0; r < 3; r++) {
                for (int c = 0; c < 3; c++) m[r][c] += w * x[r] * x[c];
                m[r][3] += w * x[r] * o;
            }
            sum_wo2 += w * o * o;
        }
        omega = next;
    }
    // The projection's share r' M^-1 r (r the right-hand side): with M = L
    // D L' the elimination leaves L^-1 r beside D, and the share is the sum
    // of its squares over D.
    for (int i = 0; i < 3; i++) {
        if (!(m[i][i] > 0)) return NAN;
        for (int r = i + 1; r < 3; r++) {
            const double f = m[r][i] / m[i][i];
            for (int c = i; c < 4; c++) m[r][c] -= f * m[i][c];
        }
    }
    double share = 0;
    for (int i = 0; i < 3; i++) share += m[i][3] * m[i][3] / m[i][i];
    return sum_wo2 - share;
}

// A channel's warping constant on the centre line of its outline: the
// flanges with their slope (thinner at the tips, where the sectorial
// coordinate is largest), their centre lines half their thickness inside
// the outer faces, the web between them on its own centre line.
double Channel_Warping(const Catalogue_Outline& o) {
    constexpr int STEPS = 32;
    const double c = o.b - o.t_w, length = o.b - o.t_w / 2;
    const Flange f = Taper(o, c);
    const auto flange = [&](double side, double x) {  // x from the tip
        const double t = f.tip + (f.root - f.tip) * std::min(x, c) / c;
        return Wall_Point{length - x, side * (o.h - t) / 2, t};
    };
    std::vector<Wall_Point> chain;
    for (int i = 0; i <= STEPS; i++) chain.push_back(flange(1, length * i / STEPS));
    // The thickness changes at the corners, not along the web's first and
    // last pieces: the web begins and ends with its own (the pieces of no
    // length between count nothing).
    const double top = chain.back().z, bottom = -top;
    for (int i = 0; i <= STEPS; i++) chain.push_back({0, top + (bottom - top) * i / STEPS, o.t_w});
    for (int i = STEPS; i >= 0; i--) chain.push_back(flange(-1, length * i / STEPS));
    return Open_Warping(chain);
}

// The section values of a polygon outline: integrals, principal axes (only
// angles and zeds have them turned), moduli, and the warping constant.
void Polygon_Values(const Catalogue_Outline& o, const Shape& s, Catalogue_Section* v, bool moments_only) {
    const Moments m = Shape_Moments(s);
    const double yc = m.sy / m.a, zc = m.sz / m.a;
    double y_min = INFINITY, z_min = INFINITY;
    for (const Pt& p : s.sharp) y_min = std::min(y_min, p.y), z_min = std::min(z_min, p.z);
    v->A = m.a;
    v->e_y = yc - y_min, v->e_z = zc - z_min;
    v->I_y = m.zz - m.a * zc * zc;
    v->I_z = m.yy - m.a * yc * yc;
    const double i_yz = m.yz - m.a * yc * zc;
    double theta = 0;
    v->I_1 = v->I_y, v->I_2 = v->I_z;
    if (o.letter == 'L' || o.letter == 'Z') {
        // The major axis at theta from y: tan 2 theta = -2 I_yz / (I_y - I_z).
        theta = 0.5 * std::atan2(-2 * i_yz, v->I_y - v->I_z);
        const double mid = (v->I_y + v->I_z) / 2, radius = std::hypot((v->I_y - v->I_z) / 2, i_yz);
        v->I_1 = mid + radius, v->I_2 = mid - radius;
    }
    v->tan_alpha = std::tan(theta);
    if (moments_only) return;
    Elastic_Moduli(s, yc, zc, theta, v);
    v->W_pl_y = Plastic_Modulus(s, false, m, std::strchr("DURZ", o.letter) != nullptr, zc);
    v->W_pl_z = Plastic_Modulus(s, true, m, std::strchr("DTRZ", o.letter) != nullptr, yc);
    // Warping: flanges at their mid-planes (distance d apart) about the
    // shear centre; zeds after the thin-walled closed form of parallel
    // flanges of nominal thickness, channels on the centre line of their
    // outline with the flanges' slope. The closed form of a channel's
    // parallel flanges stands beside it for the tables that follow it.
    const double d = o.h - o.t_f;
    v->I_w[0] = v->I_w[1] = v->I_w_plates = 0;
    if (o.letter == 'D') {
        v->I_w[0] = v->I_w[1] = v->I_w_plates = v->I_z * d * d / 4;
    } else if (o.letter == 'U' || o.letter == 'Z') {
        const double bf = o.letter == 'U' ? o.b - o.t_w / 2 : o.b / 2, tf = o.t_f, tw = o.t_w;
        v->I_w_plates = o.letter == 'U'
                            ? tf * bf * bf * bf * d * d / 12 * (3 * bf * tf + 2 * d * tw) / (6 * bf * tf + d * tw)
                            : tf * bf * bf * bf * d * d / 12 * (bf * tf + 2 * d * tw) / (2 * bf * tf + d * tw);
        v->I_w[0] = v->I_w[1] = o.letter == 'U' ? Channel_Warping(o) : v->I_w_plates;
    } else if (o.letter == 'T' || o.letter == 'L') {
        // Only the plates' own warping, a small amount a table may give.
        const double web = o.letter == 'T' ? o.h - o.t_f / 2 : o.h - o.t_w / 2;
        const double flange = o.letter == 'T' ? o.b : o.b - o.t_w / 2, tf = o.letter == 'T' ? o.t_f : o.t_w;
        v->I_w[1] = 1.5 * (flange * flange * flange * tf * tf * tf / 144 +
                           web * web * web * o.t_w * o.t_w * o.t_w / 36);
    }
}

// The outline as given, its radii below 0 taken as none and a slope only for
// the flanged families; the first dimension that makes none.
Bad_Dimension Normalised(const Catalogue_Outline& given, Catalogue_Outline* o) {
    if (!Is_Catalogue_Family_Letter(given.letter)) return DIM_FAMILY;
    *o = given;
    // A radius below 0 stands for none, as the profile manager's database
    // writes it (the profile file holds none: a tie refuses it there).
    o->r_1 = std::max(o->r_1, 0.0);
    o->r_2 = std::max(o->r_2, 0.0);
    if (o->letter != 'D' && o->letter != 'T' && o->letter != 'U') o->slope = 0;
    return Positive_Dimensions(*o);
}

// The polygons of a family with a polygon outline (not a closed form).
Bad_Dimension Polygon_Shape(const Catalogue_Outline& o, Shape* s, Catalogue_Section* v) {
    switch (o.letter) {
    case 'L': return Angle(o, s, v);
    case 'R': return Hollow(o, s, v);
    case 'Z': return Z_Section(o, s, v);
    default: return Flanged(o, s, v);
    }
}

// The section of an outline; with moments_only just its area, centroid,
// second moments and thin-walled torsion sum (the moduli and the warping
// constant left 0), which costs a fraction of the whole.
Bad_Dimension Outline(const Catalogue_Outline& given, Catalogue_Section* v, bool moments_only = false) {
    Catalogue_Outline o;
    if (const Bad_Dimension bad = Normalised(given, &o); bad != DIM_NONE) return bad;
    *v = Catalogue_Section{};
    if (std::strchr("KEFO", o.letter)) return Closed_Form(o, v);
    Shape s;
    if (const Bad_Dimension bad = Polygon_Shape(o, &s, v); bad != DIM_NONE) return bad;
    Polygon_Values(o, s, v, moments_only);
    if (moments_only) return v->A > 0 && v->I_2 > 0 && std::isfinite(v->A) && std::isfinite(v->I_2) ? DIM_NONE : DIM_H;
    const bool finite = std::isfinite(v->A) && std::isfinite(v->I_1) && std::isfinite(v->I_2) && std::isfinite(v->W_pl_y) &&
                        std::isfinite(v->W_pl_z);
    return v->A > 0 && v->I_2 > 0 && finite ? DIM_NONE : DIM_H;
}

// ---- judging a record ----------------------------------------------------------

// The quantities a record gives, in the order of the profile file.
enum Quantity {
    Q_A, Q_E_Z, Q_E_Y, Q_TAN, Q_I_Y, Q_I_Z, Q_I_1, Q_W_1_TOP, Q_W_1_BOTTOM, Q_W_PL_Y, Q_W_PL_1, Q_I_2,
    Q_W_2_LEFT, Q_W_2_RIGHT, Q_W_PL_Z, Q_W_PL_2, Q_I_T, Q_I_W, Q_COUNT
};

constexpr int MAX_VALUES = 39;

// Where a record holds its dimensions and quantities, and what its file
// promises beyond the outline.
struct Layout {
    int dimension[DIM_SLOPE + 1];  // value index of h, b, t_w, t_f, r_1, r_2 and the slope's source
    int quantity[Q_COUNT];
    bool negative_is_none;         // a warping constant below 0 stands for none
    bool profil;                   // PROFIL: the slope told by value 27, the documented zeros and sums
    int reach;                     // t_f + r_1 (+ the slope's rise): PROFIL's value 27, where ProfilData.bin has it
};

const Layout PROFIL_LAYOUT = {{0, 1, 2, 3, 25, 26, 27},
                              {4, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24},
                              false, true, 27};
const Layout PROFILDATA_LAYOUT = {{0, 1, 2, 3, 26, 27, 37},
                                  {4, 6, 7, 8, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                                  true, false, 29};

// The tables a record's values come from, told by its designation: the
// American shapes (W, S, M and HP beams, C channels) take their root radius
// from the design distance k, which the outline can hold only loosely; the
// European tables agree with the outline far more closely. The W, S and HP
// shapes each have their own tolerances, the M shapes (none in the
// catalogue) those of all American beams. A record whose designation is not
// known (none, or empty) may stand for any.
enum Series { SERIES_ANY, SERIES_EUROPEAN, SERIES_AMERICAN, SERIES_W, SERIES_S, SERIES_HP };

Series Series_Of(char letter, const char* name) {
    while (name && *name == ' ') name++;
    if (!name || !*name) return SERIES_ANY;
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    const char second = first ? static_cast<char>(std::toupper(static_cast<unsigned char>(name[1]))) : 0;
    if (letter == 'D' && first == 'W') return SERIES_W;
    if (letter == 'D' && first == 'S') return SERIES_S;
    if (letter == 'D' && first == 'H' && second == 'P') return SERIES_HP;
    if (letter == 'D' && first == 'M') return SERIES_AMERICAN;
    if (letter == 'U' && first == 'C') return SERIES_AMERICAN;
    return SERIES_EUROPEAN;
}

// How closely a record's values are held to its outline, per family and
// series. A value may lie `below` under the outline's value (or under the
// lower end of its range: the extreme fibre between the sharp corner and
// the rounded toe) or `above` over it, as shares of it. Torsion and warping
// constants have no exact form for rolled shapes: the tables' values lie
// within a band of the closed forms (stored / closed form), and may lie
// beyond the band by MARGIN.
//
// Each tolerance is the spread of the shipped catalogue, measured over all
// its 2246 records against the outline of their own dimensions, and a
// margin of 0.5 % (the rounding of a table of three significant figures,
// the coarsest of the tables the records come from), rounded up to 0.1 %.
// A value out by more than that is no table's. The spread, stored / outline
// - 1 in per cent (the records that set it):
//
//  family, series        A                 centroid          I_y, I_z, I_1, I_2  W_el              W_pl
//  D European            -0.58 +0.33       0     0           -0.83 +0.51         -0.83 +0.50       -0.56 +0.93
//   (HE, HD, HL, IPE,    IPE80, I140                         I475, I120          I475, I200        I300, I600
//   IPN, I)
//  D W                   -0.81 +0.70       0     0           -1.73 +1.33         -1.31 +1.08       -1.27 +1.22
//                        W690X250X125,                       W920X310X201,       W310X310X283,     W610X325X155,
//                        W360X410X818                        W530X315X165        W530X315X165      W530X315X165
//  D S                   -1.78 -0.49       0     0           -2.51 +2.07         -1.94 +2.13       -2.24 +2.40
//                        S100X70X11.5,                       S100X70X11.5,       S100X70X11.5,     S100X70X11.5,
//                        S310X125X47.3                       S310X125X52         S310X125X52       S310X125X47.3
//  D HP                  -1.68 +0.38       0     0           -2.20 +1.59         -2.14 +1.33       -2.30 +1.03
//                        HP250X250X62,                       HP250X250X62,       HP250X250X62,     HP250X250X62,
//                        HP200X200X53                        HP310X310X79        HP310X310X79      HP310X310X79
//  D American            the widest of W, S and HP: the M shapes (none in the catalogue) and records whose
//                        designation is not known
//  T (half I)            -0.20 +0.22       -0.12 +0.35       -1.93 +0.93         -2.27 +1.04       -0.56 +0.10
//                        1/2I500, 1/2I400  1/2I400, 1/2I500  1/2I500,1/2IPBL360  1/2I500, 1/2I400  1/2I300
//  U European (U)        -0.36 +0.67       -2.20 +0.14       -0.63 +0.89         -0.92 +2.48       -1.66 +2.08
//                        U65, U40X20       U80, U350         U50X25, U65         U400, U80         U50, U350
//  U American (C)        -2.25 -0.66       -0.49 +0.75       -2.77 -0.68         -2.85 -0.58       -2.68 -0.66
//                        C150X51X12.2      C380X86X74,       C230X64X22          C230X64X22        C230X64X22
//                                          C230X64X19.9
//  L                     -0.41 +0.46       -0.55 +0.57       -1.65 +1.16         -1.72 +0.59       -0.03 +0.03
//                        L75X8, L100X50X8  L45X30X4, L30X3   L20X3, L50X40X5     L20X3, L140X13
//  R (MSH)               -0.03 +0.04       0     0           -0.05 +0.06         -0.03 +0.06       -0.03 +0.06
//  K (tubes)             -0.05 +0.05       0     0           -0.05 +0.05         -0.05 +0.04       -0.05 +0.05
//
// The angle of an angle's principal axes lies within 0.0005 radians of the
// outline's (L200X100X14), the tables' three decimals of tan alpha; it is
// held to 0.001.
//
// Bands, stored / closed form. Torsion constant: double-T with parallel
// flanges against the range of the producers' and the design tables'
// formulas (the two kinds of table differ by up to 8 %, HE 100 AA), else
// against the plates integrated along their slope with the fillets' gain;
// the American channels against the thin-walled sum of their plates at
// their nominal thickness, (2 b t_f^3 + (h - 2 t_f) t_w^3) / 3, which they
// follow far more closely than any sum with fillets (the band of the
// fillets' sum spans 17 %: a torsion constant 10 % high passed in 9 of
// them); hollow sections and tubes against the closed tube. Records without a
// published torsion constant hold the thin-walled sum of their plates
// (THIN_TORSION_TOLERANCE): 24 double-T, 3 channels, 48 angles, all tees.
// Warping constant: double-T I_z (h - t_f)^2 / 4 with the outline's I_z
// (sloped I and IPN 0.9917, I475, to 1.0050, IPN200), channels the
// sectorial integral over the centre line of their outline with the
// flanges' slope (Channel_Warping), the American channels the thin-walled
// closed form of parallel flanges of nominal thickness, which their tables
// follow (against the integral they lie 1.20 to 1.30). The closed form of
// parallel flanges held the European channels only between 0.854 (U100)
// and 0.939 (U320), the 5 % and 8 % channels apart, and U100 with its
// warping constant 10 % high passed; the integral holds U100 to U400
// within 0.9906 and 1.0063 (U120 to U300 within 0.9987 and 1.0008), and
// U50, U65 and U80, whose tables give two decimals of 10^3 cm^6 (0.03,
// 0.08, 0.18), up to 1.0802.
//
//  family, series        torsion, parallel flanges  torsion, sloped flanges    warping
//  D European            0.9925 (HL1000AA)          1.0282 (I550)              0.9890 (IPE100)
//                        1.0026 (IPE120)            1.0807 (I380)              1.0106 (IPE80)
//  D W                   0.9864 (W200X135X31.3)     -                          0.9783 (W250X145X44.8)
//                        1.0076 (W250X200X67)                                  1.0160 (W530X315X165)
//  D S                   -                          0.8117 (S100X70X11.5)      0.9853 (S100X70X11.5)
//                                                   0.9290 (S310X125X52)       1.0182 (S310X125X52)
//  D HP                  0.8792 (HP250X250X62)      -                          0.9865 (HP250X250X62)
//                        0.9509 (HP360X410X231)                                1.0151 (HP310X310X93)
//  D American            the widest of W, S and HP
//  U European            -                          0.9183 (U300)              0.9906 (U100)
//                                                   0.9510 (U350)              1.0802 (U50)
//  U American            -                          1.0999 (C380X86X50.4)      0.9962 (C250X67X37)
//                        (the plates' sum)          1.1793 (C180X54X18.2)      1.0168 (C150X51X15.6)
//                                                                              (parallel flanges)
//  L                     0.9212 (L25X4) 0.9895 (L45X4)
//  R                     0.9996 1.0004
//  K                     0.9995 1.0005
//
// Not measured, for want of records in the catalogue: the published
// torsion constants of tees and of channels with parallel flanges (the
// catalogue's are worked out or sloped) keep the bands of their formulas,
// 0.81 to 1.08 and 0.80 to 0.98; zeds, elliptical hollow sections, flat and
// round bars keep 5 % beyond their closed forms, zeds' torsion constant
// 0.92 of the plates' sum to 1.12 of the sum with the corners' gain.
struct Share {
    double below, above;
};
struct Band {
    double lo, hi;  // stored / closed form
};
struct Tolerances {
    char letter;
    Series series;
    Share area, centroid, second, elastic, plastic;
    Band torsion, torsion_sloped, warping;
    double angle;  // the principal axes' angle, radians
    bool torsion_of_plates = false;  // the torsion bands are of the plates' thin-walled sum
    bool warping_of_plates = false;  // the warping band is of the closed form of parallel flanges
};
constexpr double MARGIN = 0.005;
constexpr Tolerances TOLERANCES[] = {
    // letter, series, A, centroid, second moments, elastic and plastic
    // moduli; torsion (parallel, sloped flanges), warping; angle
    {'D', SERIES_EUROPEAN, {0.011, 0.009}, {0.005, 0.005}, {0.014, 0.011}, {0.014, 0.010}, {0.011, 0.015},
     {0.9925, 1.0026}, {1.0282, 1.0807}, {0.9890, 1.0106}, 0.001},
    {'D', SERIES_W, {0.014, 0.012}, {0.005, 0.005}, {0.023, 0.019}, {0.019, 0.016}, {0.018, 0.018},
     {0.9864, 1.0076}, {0.9864, 1.0076}, {0.9783, 1.0160}, 0.001},
    {'D', SERIES_S, {0.023, 0.005}, {0.005, 0.005}, {0.031, 0.026}, {0.025, 0.027}, {0.028, 0.029},
     {0.8117, 0.9290}, {0.8117, 0.9290}, {0.9853, 1.0182}, 0.001},
    {'D', SERIES_HP, {0.022, 0.009}, {0.005, 0.005}, {0.027, 0.021}, {0.027, 0.019}, {0.029, 0.016},
     {0.8792, 0.9509}, {0.8792, 0.9509}, {0.9865, 1.0151}, 0.001},
    {'D', SERIES_AMERICAN, {0.023, 0.012}, {0.005, 0.005}, {0.031, 0.026}, {0.027, 0.027}, {0.029, 0.030},
     {0.8792, 1.0076}, {0.8117, 0.9290}, {0.9783, 1.0182}, 0.001},
    {'T', SERIES_EUROPEAN, {0.007, 0.008}, {0.007, 0.009}, {0.025, 0.015}, {0.028, 0.016}, {0.011, 0.006},
     {0.81, 1.08}, {0.81, 1.08}, {1, 1}, 0.001},
    {'U', SERIES_EUROPEAN, {0.009, 0.012}, {0.027, 0.007}, {0.012, 0.014}, {0.015, 0.030}, {0.022, 0.026},
     {0.80, 0.98}, {0.9183, 0.9510}, {0.9906, 1.0802}, 0.001},
    {'U', SERIES_AMERICAN, {0.028, 0.005}, {0.010, 0.013}, {0.033, 0.005}, {0.034, 0.005}, {0.032, 0.005},
     {1.0999, 1.1793}, {1.0999, 1.1793}, {0.9962, 1.0168}, 0.001, true, true},
    {'L', SERIES_EUROPEAN, {0.010, 0.010}, {0.011, 0.011}, {0.022, 0.017}, {0.023, 0.011}, {0.006, 0.006},
     {0.9212, 0.9895}, {0.9212, 0.9895}, {1, 1}, 0.001},
    {'R', SERIES_EUROPEAN, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006},
     {0.9996, 1.0004}, {0.9996, 1.0004}, {1, 1}, 0.001},
    {'K', SERIES_EUROPEAN, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006}, {0.006, 0.006},
     {0.9995, 1.0005}, {0.9995, 1.0005}, {1, 1}, 0.001},
    {'Z', SERIES_EUROPEAN, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05},
     {0.92, 1.12}, {0.92, 1.12}, {0.8, 1.08}, 0.0175},
    {0, SERIES_EUROPEAN, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05}, {0.05, 0.05},
     {1 / 1.03, 1.03}, {1 / 1.03, 1.03}, {1, 1.2}, 0.0175},
};

// The tolerances of a family and series (a series the family has no own
// row for takes the European one); the last row for the families without
// a record in the catalogue.
const Tolerances& Tolerances_Of(char letter, Series series) {
    const Tolerances* european = nullptr;
    for (const Tolerances& t : TOLERANCES) {
        if (t.letter != letter) continue;
        if (t.series == series) return t;
        if (t.series == SERIES_EUROPEAN) european = &t;
    }
    return european ? *european : TOLERANCES[std::size(TOLERANCES) - 1];
}

// The series a record is judged by: its own, or each its family has a row
// for when the designation is not known. The number of them.
int Series_To_Judge(char letter, Series series, Series out[2]) {
    out[0] = series == SERIES_ANY ? SERIES_EUROPEAN : series;
    if (series != SERIES_ANY || &Tolerances_Of(letter, SERIES_AMERICAN) == &Tolerances_Of(letter, SERIES_EUROPEAN))
        return 1;
    out[1] = SERIES_AMERICAN;
    return 2;
}

// A record under judgement; repairs are tried on copies.
struct Record {
    char letter;
    int code;                        // ProfilData.bin's type code
    Series series;
    const Layout* at;
    std::array<double, MAX_VALUES> x;
    // What the designation (and a ProfilData.bin record's alias) states of
    // the record; judged unless `statements` is 0.
    Designation_Statement stated[2];
    int statements = 0;
    double& Dim(Bad_Dimension d) { return x[at->dimension[d]]; }
    double Dim(Bad_Dimension d) const { return x[at->dimension[d]]; }
};

// Slopes of inner flange faces the standards of the catalogue give:
// parallel, 5 % and 8 % (channels), 14 % (I beams), 1:6 (American beams and
// channels). PROFIL holds a sloped flange's thickness where its root fillet
// begins (value 27), from which the slope follows to a few millionths.
constexpr double STANDARD_SLOPES[] = {0, 0.05, 0.08, 0.14, 1.0 / 6};
constexpr double SLOPE_TOLERANCE = 0.003;

// Where PROFIL's t_f stands and where value 27 reads the flange: double-T
// at b/4 from the tip, read where the root fillet begins; tees the same,
// read at the web; channels at b/2, read where the root fillet begins.
// The distance between the two: the run over which value 27 tells the
// slope.
double Slope_Run(char letter, double b, double t_w, double r_1, double* nominal_from_tip) {
    double read_at = 0;
    *nominal_from_tip = 0;
    if (letter == 'D') *nominal_from_tip = b / 4, read_at = (b - t_w) / 2 - r_1;
    else if (letter == 'T') *nominal_from_tip = b / 4, read_at = (b - t_w) / 2;
    else if (letter == 'U') *nominal_from_tip = b / 2, read_at = b - t_w - r_1;
    return read_at - *nominal_from_tip;
}

// The slope of a record's flanges told by its value 27 (PROFIL; ProfilData.bin's
// value 29 where it has one); 0 for parallel flanges and families without a
// slope.
double Profil_Slope(const Record& r, double* nominal_from_tip) {
    const double r_1 = std::max(r.Dim(DIM_R1), 0.0);
    const double run = Slope_Run(r.letter, r.Dim(DIM_B), r.Dim(DIM_TW), r_1, nominal_from_tip);
    if (!r.letter || !std::strchr("DTU", r.letter) || !(std::fabs(run) > 0.01)) return 0;
    const double slope = (r.x[r.at->reach] - (r.Dim(DIM_TF) + r_1)) / run;
    // Stored in single precision: parallel flanges come back with a slope
    // of a few millionths either way.
    return std::fabs(slope) < 1e-4 ? 0 : slope;
}

// ProfilData.bin's value 37, the inner face's slope in per cent, as the
// standards state it (14 for I and IPN, 8 and 5 for U, 16.67 for S and C).
// 0 and below stand for none given, as the profile manager's outline model
// reads them (a radius below 0 is none as well).
double Percent_Slope(double p) { return p > 0 ? p / 100 : 0; }

// The slope a designation states for the flanges; false when it states none.
bool Stated_Slope(const Record& r, double* slope) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++) {
            const Stated_Range& s = r.stated[k].stated[i];
            if (s.kind != STATED_SLOPE) continue;
            *slope = std::isfinite(s.value) ? s.value : (s.lo + s.hi) / 2;
            return true;
        }
    return false;
}

// A ProfilData.bin record of a flanged family may leave its flanges' slope
// untold: value 37 (per cent) and value 29 (PROFIL's value 27) both 0 or
// below. Where its designation states no slope either, the slope is the
// standard one its values fit (Evaluate).
bool Slope_Untold(const Record& r) {
    double stated;
    return !r.at->profil && r.letter && std::strchr("DTU", r.letter) && !(r.Dim(DIM_SLOPE) > 0) &&
           !(r.x[r.at->reach] > 0) && !Stated_Slope(r, &stated);
}

// The slope of a record's flanges: PROFIL's from value 27; ProfilData.bin's
// from value 37, where that is not given from value 29, where neither is
// the slope its designation states (parallel where it states none).
double Record_Slope(const Record& r) {
    double nominal, stated;
    if (r.at->profil) return Profil_Slope(r, &nominal);
    const double p = r.Dim(DIM_SLOPE);
    if (p > 0 || !r.letter || !std::strchr("DTU", r.letter)) return Percent_Slope(p);
    if (r.x[r.at->reach] > 0) return Profil_Slope(r, &nominal);
    return Stated_Slope(r, &stated) ? stated : 0;
}

// The outlines a record may stand for: one, or two for a sloped flange,
// whose t_f stands where the standard of the profile puts it: the European
// beams and 8 % channels at a fixed share of the width, the American shapes
// and the 5 % channels (their thickness the flange's average) in the middle
// of the outstand. A record does not say which standard it follows.
int Record_Outlines(const Record& r, Catalogue_Outline out[2]) {
    const double h = r.Dim(DIM_H), b = r.Dim(DIM_B), t_w = r.Dim(DIM_TW), t_f = r.Dim(DIM_TF);
    Catalogue_Outline o{r.letter, h, b, t_w, t_f, std::max(r.Dim(DIM_R1), 0.0), r.Dim(DIM_R2), 0, 0};
    if (r.at->profil) {
        o.slope = Profil_Slope(r, &o.nominal_from_tip);
    } else {
        if (r.letter == 'E') o.t_w = t_f;  // the elliptical section's wall stands as t_f
        if (r.letter && std::strchr("DTU", r.letter)) {
            o.slope = Record_Slope(r);
            o.nominal_from_tip = b / 4;
            if (r.letter == 'U') {
                const bool half = r.code == 16 || ((r.code == 15 || r.code == 54) && h > 300);
                o.nominal_from_tip = half ? (b - t_w / 2) / 2 : b / 2;
            }
        }
    }
    out[0] = o;
    if (!(o.slope > 0)) return 1;
    out[1] = o;
    out[1].nominal_from_tip = (r.letter == 'U' ? b - t_w : (b - t_w) / 2) / 2;
    return 2;
}

// How far a value is from agreeing: 0 agrees exactly, 1 at the limit,
// beyond 1 it does not agree.
constexpr double BROKEN = 1e6;

// The promises among a record's dimensions that the outline does not keep
// by itself, each as its residual over the values it ties.
struct Tie {
    double residual;
    int index[3];
};

double Ratio_Residual(double stored, double expected, Share share) {
    if (!std::isfinite(stored) || !(std::fabs(expected) > 0)) return stored == expected ? 0 : BROKEN;
    const double ratio = stored / expected - 1;
    return std::fabs(ratio) / (ratio < 0 ? share.below : share.above);
}

// An equal value: within 0.01 mm and the float's rounding.
double Same_Residual(double a, double b) { return std::isfinite(a - b) ? std::fabs(a - b) / (0.001 + 1e-5 * std::fabs(b)) : BROKEN; }

// The shares of the root radius that a family's toe radius is: the I beams
// and their halves 0.6 (of t_w, which is their r_1), the tees of their own
// standard one half, angles and channels one half. The radii stand in
// tenths, halves or whole millimetres: measured over the catalogue, the I
// beams' shares lie from 1.7 % under to 1.3 % over 0.6 (I80, I120), the
// half I sections' within 0.5 % (1/2I400, 1/2I300), the channels' from
// 9.1 % under to 6.7 % over one half (U40X20, U65), the angles' from 11.1 %
// under to 14.3 % over (L45X30X4, L40X20X4). Each is held to that and the
// margin of 0.5 % (the tees' share of one half, not in the catalogue, as
// closely as their share of 0.6).
std::vector<double> Toe_Shares(char letter) {
    if (letter == 'D') return {0.6};
    if (letter == 'T') return {0.5, 0.6};
    return {0.5};
}
Share Toe_Tolerance(char letter) {
    switch (letter) {
    case 'D': return {0.022, 0.018};
    case 'T': return {0.010, 0.010};
    case 'U': return {0.096, 0.072};
    default: return {0.116, 0.148};
    }
}

// The corner radii of hollow sections, outside and inside, as shares of the
// wall: hot finished 1.5 and 1, cold formed 2 and 1, 2.5 and 1.5, 3 and 2.
constexpr double HOLLOW_RADII[][2] = {{1.5, 1}, {2, 1}, {2.5, 1.5}, {3, 2}};
double Hollow_Radii_Residual(double r_1, double r_2, double t) {
    if (r_1 == 0 && r_2 == 0) return 0;  // sharp corners: the radii are not known
    double best = BROKEN;
    for (const auto& k : HOLLOW_RADII) {
        // The catalogue's sections hold 1.5 and 1 times the wall exactly;
        // a table gives its radii to a tenth of a millimetre.
        const double allowed = MARGIN * k[0] * t + 0.005;
        best = std::min(best, std::max(std::fabs(r_1 - k[0] * t), std::fabs(r_2 - k[1] * t)) / allowed);
    }
    return std::isfinite(best) ? best : BROKEN;
}

double Slope_Residual(double slope) {
    double best = BROKEN;
    for (double s : STANDARD_SLOPES) best = std::min(best, std::fabs(slope - s) / SLOPE_TOLERANCE);
    return std::isfinite(best) ? best : BROKEN;
}

// How far x is from the range [lo, hi]: up to 1 within it. A range without
// an upper end (a root radius) takes any value above lo.
double Range_Residual(double x, double lo, double hi) {
    if (!std::isfinite(x)) return BROKEN;
    if (!std::isfinite(hi)) return x > lo ? 0 : BROKEN;
    const double half = (hi - lo) / 2;
    return half > 0 ? std::fabs(x - (lo + hi) / 2) / half : BROKEN;
}

// A stated range as the record holds it: the value, its residual, and the
// value that names it with what that value is to be.
struct Stated_Value {
    double residual;
    int index[3];
    double expected;  // for index[0]; not a number where no value would do
};

Stated_Value Stated_Of(const Record& r, const Stated_Range& s) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], a = at.quantity[Q_A];
    // What the value is to be: the size given, else the nearer end of the band.
    const auto near = [&](double x) { return std::isfinite(s.value) ? s.value : std::clamp(x, s.lo, s.hi); };
    switch (s.kind) {
    case STATED_H: return {Range_Residual(r.x[h], s.lo, s.hi), {h, -1, -1}, near(r.x[h])};
    case STATED_B: return {Range_Residual(r.x[b], s.lo, s.hi), {b, -1, -1}, near(r.x[b])};
    case STATED_WALL: {
        const double web = Range_Residual(r.x[tw], s.lo, s.hi), flange = Range_Residual(r.x[tf], s.lo, s.hi);
        if (web >= flange) return {web, {tw, -1, -1}, near(r.x[tw])};
        return {flange, {tf, -1, -1}, near(r.x[tf])};
    }
    case STATED_INNER: {
        const double inner = r.x[h] - 2 * r.x[tf];
        return {Range_Residual(inner, s.lo, s.hi), {h, tf, -1}, near(inner) + 2 * r.x[tf]};
    }
    case STATED_OUTSTAND: {
        const double outstand = r.x[b] - r.x[tw];
        return {Range_Residual(outstand, s.lo, s.hi), {b, tw, -1}, near(outstand) + r.x[tw]};
    }
    case STATED_AREA: return {Range_Residual(r.x[a], s.lo, s.hi), {a, -1, -1}, near(r.x[a])};
    case STATED_SLOPE: {
        // Named by the value that tells the slope: PROFIL's value 27, else
        // value 37 (per cent) where given, else value 29.
        const double slope = Record_Slope(r), stated = (s.lo + s.hi) / 2;
        const bool percent = !at.profil && r.Dim(DIM_SLOPE) > 0;
        const int told = percent ? at.dimension[DIM_SLOPE] : at.reach;
        double nominal;
        const double r_1 = std::max(r.x[r1], 0.0);
        const double run = Slope_Run(r.letter, r.x[b], r.x[tw], r_1, &nominal);
        const double expected = percent ? 100 * stated : r.x[tf] + r_1 + stated * run;
        return {Range_Residual(slope, s.lo, s.hi), {told, r1, tf}, expected};
    }
    case STATED_ROOT: return {Range_Residual(r.x[r1], s.lo, s.hi), {r1, -1, -1}, NAN};
    }
    return {0, {-1, -1, -1}, NAN};
}

// The ranges the designation states, as ties (a family letter other than
// the designation's is judged before any tie).
void Designation_Ties(const Record& r, std::vector<Tie>* ties) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++) {
            const Stated_Value v = Stated_Of(r, r.stated[k].stated[i]);
            ties->push_back({v.residual, {v.index[0], v.index[1], v.index[2]}});
        }
}

// The family letter a designation gives when it is not the record's; 0
// when none contradicts it (or the record's letter is of no family, which
// the readers refuse on its own).
char Stated_Letter(const Record& r) {
    if (!Is_Catalogue_Family_Letter(r.letter)) return 0;
    for (int k = 0; k < r.statements; k++)
        if (r.stated[k].letter && r.stated[k].letter != r.letter) return r.stated[k].letter;
    return 0;
}

std::vector<Tie> Ties(const Record& r) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], r2 = at.dimension[DIM_R2], slope = at.dimension[DIM_SLOPE];
    const double x_r1 = std::max(r.x[r1], 0.0), x_r2 = std::max(r.x[r2], 0.0);
    std::vector<Tie> ties;
    switch (r.letter) {
    case 'K':  // a tube: as wide as it is high, its wall in both places, no radii
        ties.push_back({Same_Residual(r.x[b], r.x[h]), {b, h, -1}});
        ties.push_back({Same_Residual(r.x[tf], r.x[tw]), {tf, tw, -1}});
        ties.push_back({Same_Residual(x_r1, 0), {r1, -1, -1}});
        ties.push_back({Same_Residual(x_r2, 0), {r2, -1, -1}});
        break;
    case 'R': ties.push_back({Hollow_Radii_Residual(x_r1, x_r2, r.x[tw]), {r1, r2, tw}}); break;
    case 'D': case 'T': case 'U': case 'L':
        // A record without a root radius does not know its radii (its
        // readers take t_f for it): its toe radius is not held to one.
        if (x_r2 > 0 && x_r1 > 0) {
            double residual = BROKEN;
            for (double share : Toe_Shares(r.letter))
                residual = std::min(residual, Ratio_Residual(x_r2, share * x_r1, Toe_Tolerance(r.letter)));
            ties.push_back({residual, {r2, r1, -1}});
        }
        break;
    default: break;
    }
    // The profile file gives no radius below 0 (a family without one holds
    // 0): one is damage, which the readers would take for the flange's
    // thickness and the outline for none.
    if (at.profil) {
        ties.push_back({r.x[r1] < 0 ? BROKEN : 0, {r1, -1, -1}});
        ties.push_back({r.x[r2] < 0 ? BROKEN : 0, {r2, -1, -1}});
    }
    if (at.profil && r.letter && std::strchr("LRK", r.letter))  // value 27 is 0 for these
        ties.push_back({Same_Residual(r.x[slope], 0), {slope, -1, -1}});
    if (at.profil && r.letter && std::strchr("DTU", r.letter)) {
        double nominal;
        ties.push_back({Slope_Residual(Profil_Slope(r, &nominal)), {slope, r1, tf}});
    }
    // ProfilData.bin's value 29, where given, is PROFIL's value 27 (the name
    // library hands it on as such): it ties the root radius as there, and
    // the slope of value 37 where that is given.
    const int reach = at.reach;
    if (!at.profil && r.x[reach] > 0 && r.letter && std::strchr("DTU", r.letter)) {
        double nominal;
        const double told = Profil_Slope(r, &nominal), given = r.x[slope];
        double residual = Slope_Residual(told);
        if (given > 0) residual = std::max(residual, std::fabs(told - Percent_Slope(given)) / SLOPE_TOLERANCE);
        ties.push_back({residual, {reach, r1, tf}});
    }
    Designation_Ties(r, &ties);
    return ties;
}

// What a record's quantity is to be: [lo, hi], and how far beyond it a
// value may lie.
struct Expected {
    Quantity q;
    double lo, hi;
    Share share;
};

// Residual of a quantity against its expected range; *nearest the value it
// is to have.
double Quantity_Residual(const Expected& e, double stored, const Record& r, double thin, double angle,
                         double* nearest) {
    const Layout& at = *r.at;
    *nearest = std::isfinite(stored) ? std::clamp(stored, e.lo, e.hi) : e.lo;
    // Plastic moduli and warping constants are taken only when above 0: a
    // record may leave them to the section model. A torsion constant not
    // above 0 is none a section has.
    const bool optional = e.q == Q_W_PL_Y || e.q == Q_W_PL_1 || e.q == Q_W_PL_Z || e.q == Q_W_PL_2 || e.q == Q_I_W;
    if (optional && (stored == 0 || (e.q == Q_I_W && at.negative_is_none && stored < 0))) return 0;
    if (!std::isfinite(stored)) return BROKEN;
    if (e.q == Q_I_T && !(stored > 0)) return BROKEN;
    if (e.q == Q_TAN) {
        // A zed's record may draw it either way round: its angle by size.
        const double s = r.letter == 'Z' ? std::fabs(stored) : stored, x = r.letter == 'Z' ? std::fabs(e.lo) : e.lo;
        *nearest = e.lo;
        return std::fabs(std::atan(s) - std::atan(x)) / angle;
    }
    if (e.hi <= 0) {
        *nearest = 0;
        return stored >= 0 && stored <= 1e-9 * std::max(1.0, std::fabs(stored)) ? 0 : BROKEN;
    }
    const double share = stored < *nearest ? e.share.below : e.share.above;
    double residual = std::fabs(stored - *nearest) / (share * std::fabs(*nearest));
    if (e.q == Q_I_T && thin > 0) {
        // The profile file's tees are all worked out: the thin-walled sum
        // is the one value they may hold.
        const double from_thin = std::fabs(stored / thin - 1) / THIN_TORSION_TOLERANCE;
        if (at.profil && r.letter == 'T') residual = BROKEN;
        if (from_thin < residual) residual = from_thin, *nearest = thin;
    }
    return residual;
}

// A record judged: every value's residual and what the others give for it.
struct Fit {
    bool judged = false;   // false: the family has no outline here
    std::array<double, MAX_VALUES> residual{};
    std::array<double, MAX_VALUES> expected{};
    double misfit = 0;     // the sum of the squared residuals
    bool agrees = false;
    char stated_letter = 0;  // the family letter of the designation, where it is not the record's
    double slope = 0;        // the slope of the flanges the record was read with
};

// One outline's fit of the record's quantities under the tolerances of a
// series, the ties already in f.
void Fit_Quantities(const Record& r, const Catalogue_Outline& o, const Catalogue_Section& v, Series series, Fit* f) {
    const Tolerances& t = Tolerances_Of(r.letter, series);
    const Band torsion = o.slope > 0 ? t.torsion_sloped : t.torsion;
    const Share margin{MARGIN, MARGIN};
    // The plates' thin-walled sum at their nominal thickness, for the series
    // whose tables follow it.
    const int flanges = o.letter == 'T' ? 1 : 2;
    const double plates = (flanges * o.b * o.t_f * o.t_f * o.t_f + (o.h - flanges * o.t_f) * o.t_w * o.t_w * o.t_w) / 3;
    const double it_lo = t.torsion_of_plates ? plates : v.I_t[0], it_hi = t.torsion_of_plates ? plates : v.I_t[1];
    const Expected expected[Q_COUNT] = {
        {Q_A, v.A, v.A, t.area},
        {Q_E_Z, v.e_z, v.e_z, t.centroid},
        {Q_E_Y, v.e_y, v.e_y, t.centroid},
        {Q_TAN, v.tan_alpha, v.tan_alpha, {}},
        {Q_I_Y, v.I_y, v.I_y, t.second},
        {Q_I_Z, v.I_z, v.I_z, t.second},
        {Q_I_1, v.I_1, v.I_1, t.second},
        {Q_W_1_TOP, v.W_1_top[0], v.W_1_top[1], t.elastic},
        {Q_W_1_BOTTOM, v.W_1_bottom[0], v.W_1_bottom[1], t.elastic},
        {Q_W_PL_Y, v.W_pl_y, v.W_pl_y, t.plastic},
        {Q_W_PL_1, v.W_pl_y, v.W_pl_y, t.plastic},
        {Q_I_2, v.I_2, v.I_2, t.second},
        {Q_W_2_LEFT, v.W_2_left[0], v.W_2_left[1], t.elastic},
        {Q_W_2_RIGHT, v.W_2_right[0], v.W_2_right[1], t.elastic},
        {Q_W_PL_Z, v.W_pl_z, v.W_pl_z, t.plastic},
        {Q_W_PL_2, v.W_pl_z, v.W_pl_z, t.plastic},
        {Q_I_T, torsion.lo * it_lo, torsion.hi * it_hi, margin},
        {Q_I_W, t.warping.lo * (t.warping_of_plates ? v.I_w_plates : v.I_w[0]),
         t.warping.hi * (t.warping_of_plates ? v.I_w_plates : v.I_w[1]), margin},
    };
    for (const Expected& e : expected) {
        const int index = r.at->quantity[e.q];
        // The ties already on a quantity (the area a mass per metre gives)
        // hold beside the outline's. The series held to the plates' sum
        // publish every torsion constant: none holds a worked-out one.
        const double thin = t.torsion_of_plates ? 0 : v.I_t_thin;
        f->residual[index] =
            std::max(f->residual[index], Quantity_Residual(e, r.x[index], r, thin, t.angle, &f->expected[index]));
    }
}

// The index of a dimension the outline cannot be made with.
int Dimension_Index(const Record& r, Bad_Dimension bad) {
    if (r.letter == 'E' && !r.at->profil && bad == DIM_TW) return r.at->dimension[DIM_TF];
    return r.at->dimension[bad];
}

double Misfit(const Fit& f) {
    double sum = 0;
    for (double x : f.residual) sum += std::min(x, BROKEN) * std::min(x, BROKEN);
    return sum;
}

// Judges a record: its ties, then each outline it may stand for under the
// tolerances of each series it may come from; the one that fits best
// counts. Each one's own fit goes to `each` when given.
Fit Evaluate_Outlines(const Record& r, std::vector<Fit>* each) {
    if (const char stated = Stated_Letter(r)) {
        Fit f;
        f.judged = true;
        f.stated_letter = stated;
        f.misfit = BROKEN * BROKEN;
        return f;
    }
    Catalogue_Outline outlines[2];
    const int n = Record_Outlines(r, outlines);
    Series series[2];
    const int m = Series_To_Judge(r.letter, r.series, series);
    // The ties are the record's own, whatever the outline and the series.
    Fit tied;
    tied.judged = true;
    tied.expected.fill(NAN);
    for (const Tie& t : Ties(r))
        for (int i : t.index)
            if (i >= 0) tied.residual[i] = std::max(tied.residual[i], t.residual);
    Fit best;
    for (int k = 0; k < n; k++) {
        Catalogue_Section v;
        const Bad_Dimension bad = Outline(outlines[k], &v);
        if (bad == DIM_FAMILY) return Fit{};
        for (int j = 0; j < m; j++) {
            Fit f = tied;
            if (bad != DIM_NONE) f.residual[Dimension_Index(r, bad)] = BROKEN;
            else Fit_Quantities(r, outlines[k], v, series[j], &f);
            f.misfit = Misfit(f);
            f.agrees = std::all_of(f.residual.begin(), f.residual.end(), [](double x) { return x <= 1; });
            f.slope = outlines[k].slope;
            if ((k == 0 && j == 0) || (f.agrees && !best.agrees) || (f.agrees == best.agrees && f.misfit < best.misfit))
                best = f;
            if (each) each->push_back(f);
        }
    }
    return best;
}

// Judges a record as Evaluate_Outlines does. A record whose flanges' slope
// is untold (Slope_Untold) is read with parallel flanges, as its file has
// them, where its values fit them; else with the standard slope they fit
// best.
Fit Evaluate(const Record& r, std::vector<Fit>* each = nullptr) {
    if (!Slope_Untold(r)) return Evaluate_Outlines(r, each);
    // The standards' slopes of the family: beams and their halves 14 % and
    // 1:6, channels 5 %, 8 % and 1:6.
    const std::vector<double> slopes = r.letter == 'U' ? std::vector<double>{0, 0.05, 0.08, 1.0 / 6}
                                                       : std::vector<double>{0, 0.14, 1.0 / 6};
    Fit best;
    std::vector<Fit> best_each;
    for (double slope : slopes) {
        Record t = r;
        t.Dim(DIM_SLOPE) = 100 * slope;
        std::vector<Fit> fits;
        const Fit f = Evaluate_Outlines(t, each ? &fits : nullptr);
        const bool better = f.agrees != best.agrees ? f.agrees : f.misfit < best.misfit;
        if (slope == 0 || (!best.agrees && better) || (slope > 0 && best.slope > 0 && better)) {
            best = f;
            best_each.swap(fits);
        }
        if (!f.judged) break;
    }
    if (each) each->insert(each->end(), best_each.begin(), best_each.end());
    return best;
}

// ---- naming the value that does not fit -------------------------------------------

// The quantities a dimension is solved for, and each from an outline's
// moments.
double Solved_Quantity(Quantity q, const Catalogue_Section& v) {
    switch (q) {
    case Q_A: return v.A;
    case Q_E_Z: return v.e_z;
    case Q_E_Y: return v.e_y;
    case Q_I_Y: return v.I_y;
    case Q_I_Z: return v.I_z;
    case Q_I_1: return v.I_1;
    case Q_I_T: return v.I_t_thin;
    default: return NAN;
    }
}
constexpr Quantity SOLVED[] = {Q_A, Q_E_Z, Q_E_Y, Q_I_Y, Q_I_Z, Q_I_1, Q_I_T};

// The values of dimension `index` between a quarter and four times the
// stored one that give the record's stored quantity q: a damaged dimension
// is one of them for the quantity that depends on it most.
void Solve_Dimension(const Record& r, int index, Quantity q, std::vector<double>* out) {
    const double target = r.x[r.at->quantity[q]], start = r.x[index];
    if (!(target > 0) || !(start > 0) || !std::isfinite(target) || !std::isfinite(start)) return;
    Record t = r;
    const auto gap = [&](double value) {
        t.x[index] = value;
        Catalogue_Outline outlines[2];
        Record_Outlines(t, outlines);
        Catalogue_Section v;
        return Outline(outlines[0], &v, true) == DIM_NONE ? Solved_Quantity(q, v) - target : NAN;
    };
    constexpr int STEPS = 12;
    double lo = start / 4, g_lo = gap(lo);
    for (int k = 1; k <= STEPS; k++) {
        const double hi = start / 4 * std::pow(16.0, double(k) / STEPS), g_hi = gap(hi);
        if (std::isfinite(g_lo) && std::isfinite(g_hi) && (g_lo <= 0) != (g_hi <= 0)) {
            double a = lo, b = hi, g_a = g_lo;
            for (int i = 0; i < 36; i++) {
                const double m = (a + b) / 2, g_m = gap(m);
                if (!std::isfinite(g_m)) break;
                if ((g_m <= 0) == (g_a <= 0)) a = m, g_a = g_m;
                else b = m;
            }
            out->push_back((a + b) / 2);
        }
        lo = hi, g_lo = g_hi;
    }
}

// What the ties give for dimension index, each way they may be kept.
void Tie_Repairs(const Record& r, int index, std::vector<double>* out) {
    const Layout& at = *r.at;
    const int h = at.dimension[DIM_H], b = at.dimension[DIM_B], tw = at.dimension[DIM_TW], tf = at.dimension[DIM_TF];
    const int r1 = at.dimension[DIM_R1], r2 = at.dimension[DIM_R2], slope = at.dimension[DIM_SLOPE];
    const double x_r1 = std::max(r.x[r1], 0.0), x_r2 = std::max(r.x[r2], 0.0);
    if (r.letter == 'K') {
        if (index == b) out->push_back(r.x[h]);
        if (index == h) out->push_back(r.x[b]);
        if (index == tf) out->push_back(r.x[tw]);
        if (index == tw) out->push_back(r.x[tf]);
        if (index == r1 || index == r2) out->push_back(0);
    }
    if (r.letter == 'L' || r.letter == 'R') {  // as a rule, one thickness for all walls
        if (index == tf) out->push_back(r.x[tw]);
        if (index == tw) out->push_back(r.x[tf]);
    }
    if (r.letter == 'R') {
        for (const auto& k : HOLLOW_RADII) {
            if (index == r1) out->push_back(k[0] * r.x[tw]);
            if (index == r2) out->push_back(k[1] * r.x[tw]);
        }
    }
    if (r.letter && std::strchr("DTUL", r.letter)) {
        if (index == r2) out->push_back(0);
        for (double share : Toe_Shares(r.letter)) {
            if (index == r2) out->push_back(share * x_r1);
            if (index == r1 && x_r2 > 0) out->push_back(x_r2 / share);
        }
    }
    if (at.profil && r.letter && std::strchr("LRK", r.letter) && index == slope) out->push_back(0);
    // Value 27 = t_f + r_1 + s * run, run = read_at(r_1) - nominal; solved
    // for each standard slope s (ProfilData.bin's value 29 where given).
    const int reach = at.reach;
    if ((!at.profil && !(r.x[reach] > 0)) || !r.letter || !std::strchr("DTU", r.letter)) return;
    double nominal;
    const double run = Slope_Run(r.letter, r.x[b], r.x[tw], x_r1, &nominal);
    const double run_without_r1 = run + (r.letter == 'T' ? 0 : x_r1);
    // The run is k_b b - k_t t_w - k_r r_1 (Slope_Run): a sloped flange
    // also tells b and t_w.
    const double k_b = r.letter == 'U' ? 0.5 : 0.25, k_t = r.letter == 'U' ? 1 : 0.5, k_r = r.letter == 'T' ? 0 : 1;
    for (double s : STANDARD_SLOPES) {
        if (s > 0) {
            const double needed = (r.x[reach] - r.x[tf] - x_r1) / s;
            if (index == tw) out->push_back((k_b * r.x[b] - k_r * x_r1 - needed) / k_t);
            if (index == b) out->push_back((needed + k_t * r.x[tw] + k_r * x_r1) / k_b);
        }
        if (index == reach) out->push_back(r.x[tf] + x_r1 + s * run);
        if (index == tf) out->push_back(r.x[reach] - x_r1 - s * run);
        if (index == r1) {
            const double k = r.letter == 'T' ? 1 : 1 - s;
            out->push_back((r.x[reach] - r.x[tf] - s * run_without_r1) / k);
        }
    }
}

struct Candidate {
    int index;
    double value, misfit;
};

// How much worse (in the sum of squared residuals) a rule's value may fit
// than a value solved for and still be the one shown.
constexpr double RULE_PREFERRED = 0.5;

// Every single value whose repair makes the whole record agree, each value
// with its best repair, the likelier (smaller misfit) first. A quantity is
// tried at what each outline the record may stand for gives.
std::vector<Candidate> Repairs(const Record& r) {
    std::vector<Fit> outlines;
    Evaluate(r, &outlines);
    std::vector<int> indices(std::begin(r.at->dimension), std::end(r.at->dimension));
    indices.insert(indices.end(), std::begin(r.at->quantity), std::end(r.at->quantity));
    if (!r.at->profil) indices.push_back(r.at->reach);
    std::vector<Candidate> found;
    for (int index : indices) {
        std::vector<double> solved, rules;
        const bool dimension = index == r.at->reach || std::find(std::begin(r.at->dimension), std::end(r.at->dimension),
                                                                  index) != std::end(r.at->dimension);
        if (dimension) {
            if (index <= r.at->dimension[DIM_TF])
                for (Quantity q : SOLVED) Solve_Dimension(r, index, q, &solved);
            Tie_Repairs(r, index, &rules);
        } else {
            for (const Fit& f : outlines)
                if (f.residual[index] > 1 && std::isfinite(f.expected[index])) solved.push_back(f.expected[index]);
        }
        // The best repair of each kind: a rule's value (a wall in both
        // places, a radius its share) is the one shown when it fits about
        // as well as a value solved for, which carries the tables' rounding.
        Candidate best{-1, 0, INFINITY}, best_rule{-1, 0, INFINITY};
        for (const std::vector<double>* values : {&solved, &rules}) {
            for (double value : *values) {
                if (!std::isfinite(value) || value == r.x[index]) continue;
                Record t = r;
                t.x[index] = value;
                const Fit f = Evaluate(t);
                if (!f.agrees) continue;
                if (f.misfit < best.misfit) best = {index, value, f.misfit};
                if (values == &rules && f.misfit < best_rule.misfit) best_rule = {index, value, f.misfit};
            }
        }
        if (best_rule.index >= 0 && best_rule.misfit <= best.misfit + RULE_PREFERRED) best.value = best_rule.value;
        if (best.index >= 0) found.push_back(best);
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.misfit < b.misfit; });
    return found;
}

// Repairs that fit about as well as the best one are named beside it: the
// published values of a big section hardly feel its fillets, so that a
// damaged radius and a damaged value 27 explain the record about equally
// (the sum of the squared residuals within 2.5 of the best).
constexpr double NAMED_BESIDE = 2.5;

// The first value of the record that its designation contradicts, with
// what the designation gives for it. False when the designation states
// nothing the record contradicts.
bool Designation_Disagreement(const Record& r, Catalogue_Disagreement* d) {
    for (int k = 0; k < r.statements; k++)
        for (int i = 0; i < r.stated[k].count; i++) {
            const Stated_Value v = Stated_Of(r, r.stated[k].stated[i]);
            if (v.residual <= 1) continue;
            *d = Catalogue_Disagreement{v.index[0], r.x[v.index[0]], v.expected};
            d->by_designation = true;
            return true;
        }
    return false;
}

Catalogue_Disagreement Name_Disagreement(const Record& r, const Fit& base) {
    const std::vector<Candidate> found = Repairs(r);
    if (!found.empty()) {
        const Candidate& first = found[0];
        Catalogue_Disagreement d{first.index, r.x[first.index], first.value};
        for (size_t k = 1, n = 0; k < found.size() && n < 2; k++) {
            if (found[k].misfit > first.misfit + NAMED_BESIDE) break;
            d.also[n] = found[k].index, d.also_stored[n] = r.x[found[k].index], d.also_expected[n] = found[k].value;
            n++;
        }
        return d;
    }
    // No single value explains it: a record of another size under the
    // name is named by the first value the designation contradicts; else
    // the value furthest from the others, the first in the record's order
    // among equals.
    Catalogue_Disagreement named;
    if (Designation_Disagreement(r, &named)) return named;
    int worst = 0;
    for (int i = 1; i < MAX_VALUES; i++)
        if (base.residual[i] > base.residual[worst]) worst = i;
    return {worst, r.x[worst], base.expected[worst]};
}

Record Make_Record(char letter, int code, const char* name, const float* values, const Layout& at, int count,
                   const char* alias = nullptr) {
    Record r{letter, code, Series_Of(letter, name), &at, {}, {}, 0};
    r.x.fill(0);
    for (int i = 0; i < count && i < MAX_VALUES; i++) r.x[i] = values[i];
    for (const char* designation : {name, alias})
        if (Designation_Statement_Of(designation, &r.stated[r.statements])) r.statements++;
    return r;
}

Catalogue_Disagreement Judge(const Record& r) {
    const Fit base = Evaluate(r);
    if (!base.judged || base.agrees) return {-1, 0, 0};
    Catalogue_Disagreement d;
    if (base.stated_letter) {
        d.value = CATALOGUE_TYPE_LETTER;
        d.stored = r.letter, d.expected = base.stated_letter;
        d.by_designation = true;
        return d;
    }
    // A record that agrees with itself but not with its designation holds
    // another size's values: named by the designation at once.
    Record self = r;
    self.statements = 0;
    if (r.statements > 0 && Evaluate(self).agrees && Designation_Disagreement(r, &d)) return d;
    return Name_Disagreement(r, base);
}

constexpr int PROFIL_COUNT = 35, PROFILDATA_COUNT = 39;

}  // namespace

int Catalogue_Outline_Section(const Catalogue_Outline* outline, Catalogue_Section* section) {
    if (!outline || !section) return 0;
    Catalogue_Section v;
    if (Outline(*outline, &v) != DIM_NONE) return 0;
    *section = v;
    return 1;
}

int Catalogue_Outline_Values(const Catalogue_Outline* outline, double* A, double* I_y, double* I_z) {
    Catalogue_Section v;
    if (!A || !I_y || !I_z || !Catalogue_Outline_Section(outline, &v)) return 0;
    *A = v.A, *I_y = v.I_y, *I_z = v.I_z;
    return 1;
}

int Catalogue_Outline_Polygons(const Catalogue_Outline* outline, int arc_steps, std::vector<Outline_Ring>* rings) {
    if (rings) rings->clear();
    if (!outline || !rings || arc_steps < 1) return 0;
    Catalogue_Outline o;
    if (Normalised(*outline, &o) != DIM_NONE || std::strchr("KEFO", o.letter)) return 0;
    Shape s;
    s.arc_steps = arc_steps;
    s.inside = true;
    Catalogue_Section v{};
    if (Polygon_Shape(o, &s, &v) != DIM_NONE) return 0;
    for (const Ring& r : s.rings) {
        Outline_Ring ring;
        for (const Pt& p : r) ring.push_back({p.y, p.z});
        rings->push_back(ring);
    }
    return 1;
}

int Catalogue_Record_Outline(char letter, const float* values, Catalogue_Outline* outline) {
    if (!values || !outline) return 0;
    Catalogue_Outline outlines[2];
    Record_Outlines(Make_Record(letter, 0, nullptr, values, PROFIL_LAYOUT, PROFIL_COUNT), outlines);
    *outline = outlines[0];
    return letter && std::strchr("DTULRZ", letter) ? 1 : 0;
}

Catalogue_Disagreement Check_Profil_Outline(char letter, const float* values, const char* name) {
    if (!values) return {-1, 0, 0};
    return Judge(Make_Record(letter, 0, name, values, PROFIL_LAYOUT, PROFIL_COUNT));
}

Catalogue_Disagreement Check_ProfilData_Outline(char letter, int code, const float* values, const char* name,
                                                const char* alias) {
    if (!values) return {-1, 0, 0};
    return Judge(Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias));
}

int Profil_Outline_Agrees(char letter, const float* values, const char* name) {
    if (!values) return 1;
    const Fit f = Evaluate(Make_Record(letter, 0, name, values, PROFIL_LAYOUT, PROFIL_COUNT));
    return !f.judged || f.agrees ? 1 : 0;
}

int ProfilData_Outline_Agrees(char letter, int code, const float* values, const char* name, const char* alias) {
    if (!values) return 1;
    const Fit f = Evaluate(Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias));
    return !f.judged || f.agrees ? 1 : 0;
}

int Complete_ProfilData_Flanges(char letter, int code, float* values, const char* name, const char* alias) {
    if (!values || !letter || !std::strchr("DTU", letter)) return 0;
    for (int i = 0; i < PROFILDATA_COUNT; i++)
        if (!std::isfinite(values[i])) return 0;  // unusable as it is: the readers refuse it
    const Record r = Make_Record(letter, code, name, values, PROFILDATA_LAYOUT, PROFILDATA_COUNT, alias);
    const int percent = r.at->dimension[DIM_SLOPE], reach = r.at->reach;
    const bool told = values[percent] > 0;
    if (told && values[reach] > 0) return 0;
    // Told by the record or its designation, else the slope its values fit.
    double slope = Record_Slope(r);
    if (Slope_Untold(r)) {
        const Fit f = Evaluate(r);
        if (!f.judged || !f.agrees) return 0;
        slope = f.slope;
    }
    if (!(slope >= 0) || !(slope <= MAX_SLOPE)) return 0;
    int filled = 0;
    if (!told && slope > 0) values[percent] = static_cast<float>(100 * slope), filled = 1;
    double nominal;
    const double r_1 = std::max(r.Dim(DIM_R1), 0.0);
    const double run = Slope_Run(letter, r.Dim(DIM_B), r.Dim(DIM_TW), r_1, &nominal);
    // Value 29 tells only a standard's slope (Ties): a flange of another
    // slope is told by value 37 alone, and so is one whose run is too short
    // for value 29 in single precision to tell its slope back (parallel
    // flanges within the millionths Profil_Slope takes for none).
    const float told_by_reach = static_cast<float>(r.Dim(DIM_TF) + r_1 + slope * run);
    const double told_back = (told_by_reach - (r.Dim(DIM_TF) + r_1)) / run;
    if (!(values[reach] > 0) && std::fabs(run) > 0.01 && Slope_Residual(slope) <= 1 && told_by_reach > 0 &&
        std::fabs(told_back - slope) < 1e-5)
        values[reach] = told_by_reach, filled = 1;
    return filled;
}

int Is_Catalogue_Family_Letter(char letter) { return letter && std::strchr(CATALOGUE_FAMILY_LETTERS, letter) ? 1 : 0; }
