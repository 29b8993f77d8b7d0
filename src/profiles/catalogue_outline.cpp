// catalogue_outline: the outlines of the catalogue families and their
// section values.
//
// Torsion and warping constants have no exact closed form for rolled
// shapes: the published torsion constants follow the sum with the fillets'
// share within a band of each family, and the profile file holds the
// thin-walled sum of the plates where no table gives one.
#include "profiles/catalogue_outline.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "profiles/parametric_section_values.h"

namespace catalogue {

namespace {

constexpr double PI = 3.14159265358979323846;

// Segments of a quarter circle: the chords miss 0.25 % of a spandrel's area.
constexpr int ARC_STEPS = 24;

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
    if (tee) {
        // The tables of tees give either: the sum without fillets (the
        // profile file's), the sum with them, or, for a tee cut from a beam
        // of parallel flanges, half its beam's producers' value (1/2 IPE 300:
        // 7.85, 9.96 and 10.06 cm^4).
        const double halved = o.slope == 0 ? Producer_Double_T_Torsion(2 * h, o.b, o.t_w, o.t_f, r1) / 2 : fillets;
        v->I_t[0] = std::min({fillets, halved, v->I_t_thin});
        v->I_t[1] = std::max({fillets, halved, v->I_t_thin});
    }
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
// the inside corners with r_2. Its torsion constant is the closed tube's,
// from the one routine every check and print takes it from.
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
    Closed_Tube_Torsion torsion;
    const double it = Calc_Closed_Tube_Torsion(h, b, tw, tf, r1, r2, &torsion) ? torsion.I_T : 0.0;
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
    if (!Flanges_May_Slope(o->letter)) o->slope = 0;
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

}  // namespace

Bad_Dimension Outline_Section(const Catalogue_Outline& given, Catalogue_Section* v, bool moments_only) {
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

}  // namespace catalogue

using namespace catalogue;

int Catalogue_Outline_Section(const Catalogue_Outline* outline, Catalogue_Section* section) {
    if (!outline || !section) return 0;
    Catalogue_Section v;
    if (Outline_Section(*outline, &v) != DIM_NONE) return 0;
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

int Is_Catalogue_Family_Letter(char letter) { return letter && std::strchr(CATALOGUE_FAMILY_LETTERS, letter) ? 1 : 0; }