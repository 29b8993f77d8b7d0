// The joined section of a fully penetrated butt weld, piece by piece; see
// the header.
#include "weldcheck/joined_section.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/kept_by_inputs.h"
#include "base/textio.h"
#include "profiles/parametric_section_values.h"
#include "profiles/profil.h"

namespace {

// A spandrel, the material of a rolled fillet at a root or what a rounded
// toe takes off a corner: (1 - pi/4) r², its centroid this far (per unit
// radius) from both faces of its corner; its own second moment is left out,
// as the profile's closed forms leave it out.
const double kSpandrel = 1.0 - M_PI / 4.0;
const double kSpandrelCentre = 0.22337;

bool In_I_Family(int type) { return Is_Profile_Type_In(PROFILTYP_MASK_I, type) != 0; }

void Add(Joined_Sums* s, const Joined_Sums& o, double sign = 1.0) {
    s->A += sign * o.A, s->S_d += sign * o.S_d, s->S_z += sign * o.S_z;
    s->I_dd += sign * o.I_dd, s->I_zz += sign * o.I_zz, s->I_dz += sign * o.I_dz;
    s->A_vy += sign * o.A_vy, s->A_vz += sign * o.A_vz;
}

// Copies an arc member by member into its cleared place: a braced
// temporary's padding is indeterminate, and the kept section is compared
// with a fresh one byte for byte.
void Put_Arc(Joined_Arc* to, const Joined_Arc& a) {
    to->d = a.d, to->z = a.z, to->r = a.r;
    to->u0_d = a.u0_d, to->u0_z = a.u0_z, to->u1_d = a.u1_d, to->u1_z = a.u1_z;
    to->fillet = a.fillet;
}

// The piece being built for one face.
struct Piece_Maker {
    Joined_Piece* p;
    int along;  // WELD_FACE direction: 1 along y, 2 along z, 3 both (a flat bar's half)
    // A straight plate part d0..d1 x z0..z1: it counts as shear area along
    // the piece.
    Piece_Maker& Rect(double d0, double d1, double z0, double z1) {
        const double w = d1 - d0, h = z1 - z0, A = w * h, d = (d0 + d1) / 2, z = (z0 + z1) / 2;
        if (!(w > 0.0 && h > 0.0)) return *this;
        Joined_Sums& s = p->sums;
        s.A += A, s.S_d += A * d, s.S_z += A * z;
        s.I_dd += A * d * d + h * w * w * w / 12.0;
        s.I_zz += A * z * z + w * h * h * h / 12.0;
        s.I_dz += A * d * z;
        if (along & 1) s.A_vy += A;
        if (along & 2) s.A_vz += A;
        return *this;
    }
    // A straight plate part between d0 and d1 whose edges run straight
    // from z = a0 to a1 and from b0 to b1 (a sloped flange face): the
    // integrals of its polygon.
    Piece_Maker& Quad(double d0, double d1, double a0, double a1, double b0, double b1) {
        const double d[4] = {d0, d1, d1, d0}, z[4] = {a0, a1, b1, b0};
        Joined_Sums q{};
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            const double c = d[i] * z[j] - d[j] * z[i];
            q.A += c / 2.0;
            q.S_d += (d[i] + d[j]) * c / 6.0;
            q.S_z += (z[i] + z[j]) * c / 6.0;
            q.I_dd += (d[i] * d[i] + d[i] * d[j] + d[j] * d[j]) * c / 12.0;
            q.I_zz += (z[i] * z[i] + z[i] * z[j] + z[j] * z[j]) * c / 12.0;
            q.I_dz += (d[i] * z[j] + 2.0 * d[i] * z[i] + 2.0 * d[j] * z[j] + d[j] * z[i]) * c / 24.0;
        }
        const double sign = q.A < 0.0 ? -1.0 : 1.0;
        if (!(std::fabs(q.A) > 0.0)) return *this;
        q.A_vy = (along & 1) ? sign * q.A : 0.0;
        q.A_vz = (along & 2) ? sign * q.A : 0.0;
        Add(&p->sums, {sign * q.A, sign * q.S_d, sign * q.S_z, sign * q.I_dd, sign * q.I_zz, sign * q.I_dz, q.A_vy,
                       q.A_vz});
        return *this;
    }
    // An arc of the outline the piece holds.
    Piece_Maker& Arc(const Joined_Arc& a) {
        if (p->n_arcs < JOINED_ARCS) Put_Arc(&p->arc[p->n_arcs++], a);
        return *this;
    }
    // A spandrel of radius r in the corner at (d, z) whose faces run from it
    // towards sd and sz (+1 or -1): added (a root fillet) or taken off (a
    // rounded toe, which also takes off the plate's shear area). Either way
    // the outline runs round the quarter circle about (d + sd r, z + sz r)
    // from one face to the other.
    Piece_Maker& Spandrel(double r, double d, double z, double sd, double sz, bool fillet) {
        if (!(r > 0.0)) return *this;
        Arc({d + sd * r, z + sz * r, r, 0.0, -sz, -sd, 0.0, fillet});
        const double A = (fillet ? 1.0 : -1.0) * kSpandrel * r * r;
        const double dc = d + sd * kSpandrelCentre * r, zc = z + sz * kSpandrelCentre * r;
        Joined_Sums& s = p->sums;
        s.A += A, s.S_d += A * dc, s.S_z += A * zc;
        s.I_dd += A * dc * dc, s.I_zz += A * zc * zc, s.I_dz += A * dc * zc;
        if (!fillet && (along & 1)) s.A_vy += A;
        if (!fillet && (along & 2)) s.A_vz += A;
        return *this;
    }
    // The part of the piece that counts as shear area, where that is not
    // its whole straight plate (a rounded tube's wall without its corners).
    Piece_Maker& Shear_Area(double A_v) {
        if (along & 1) p->sums.A_vy = A_v;
        if (along & 2) p->sums.A_vz = A_v;
        return *this;
    }
};

struct Section_Maker {
    Joined_Section* s;
    int n_plates = 0;
    // A new plate (index returned).
    int Plate() { return n_plates++; }
    // The piece of face k: a part of plate `plate` (side, lo..hi along it).
    Piece_Maker Piece(int k, int along, int plate, int side, double lo, double hi, double t) {
        Joined_Piece& p = s->piece[k];
        p.present = true;
        p.plate = plate, p.side = side, p.lo = lo, p.hi = hi, p.t = t;
        return {&p, along};
    }
};

const int kY = 1, kZ = 2, kBoth = 3;

// Radii of a rolled profile's root fillets and rounded toes (welded: none).
struct Radii {
    double root, toe, top, bottom;  // the I family's roots at the top and bottom flange
};
Radii Radii_Of(const Stahlprofil& p) {
    if (!p.rolled) return {0, 0, 0, 0};
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(&p, &o_o, &o_u, &r);
    return {std::max(p.r_1, 0.0), std::max(r, 0.0), o_o, o_u};
}

// The flanges of a rolled catalogue profile whose inner faces slope (the
// I, channel and half-I series of the older standards): their thickness
// t_f + slope (x - x_nominal) at x from the tip, and the radius of their
// rounded toes. The profile record keeps neither: the catalogue record
// does, as the thickness where the root fillet begins (channels and the I
// family: c - r_1 from the tip; tees: at the web's face) with r_1 added,
// the nominal thickness standing at half the width (channels) or a quarter
// (the others). Laid parallel, such flanges overrate I_z by up to a fifth.
struct Flange_Shape {
    double slope, x_nominal, toe;
};

bool Same_Measure(double mm, float cm) { return std::fabs(mm - 10.0 * cm) <= 0.01; }

Flange_Shape Catalogue_Flange_Shape(const Stahlprofil& p, double toe) {
    const bool channel = p.type == PROFILTYP_C || p.type == PROFILTYP_U;
    const bool tee = p.type == PROFILTYP_T || p.type == PROFILTYP_HALB_I;
    const Flange_Shape parallel{0.0, 0.0, toe};
    if (p.kind != STAHLPROFIL_KIND_CATALOGUE || !p.rolled || !(channel || tee || In_I_Family(p.type))) return parallel;
    char name[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(p.name, name, sizeof name, 3);
    Flange_Shape shape = parallel;
    float x[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    const double b = p.b_fo, t_w = p.t_w, t_f = p.t_fo;
    // Without the catalogue the flanges are laid parallel (and the pieces
    // scaled to the record's values).
    if (Get_Profil_Values(name, x, code) <= 0) return parallel;
    if (Same_Measure(p.h, x[0]) && Same_Measure(b, x[1]) && Same_Measure(t_w, x[2]) && Same_Measure(t_f, x[3]) &&
        x[27] > 0.0f) {
        const double r_1 = 10.0 * x[25], c = channel ? b - t_w : (b - t_w) / 2;
        const double x_nominal = channel ? b / 2 : b / 4, at = tee ? c : c - r_1;
        const double slope = (10.0 * x[27] - r_1 - t_f) / (at - x_nominal);
        if (at - x_nominal > 0.1 && slope > 0.001 && slope < 0.5)
            shape = {slope, x_nominal, std::max(toe, x[26] > 0.0f ? 10.0 * x[26] : 0.0)};
    }
    return shape;
}

// The thickness of a flange of nominal thickness t at x from its tip.
double Thickness(double t, const Flange_Shape& f, double x) { return t + f.slope * (x - f.x_nominal); }

bool Flat_Bar(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t = p.t_w;
    if (!(h > 0.0 && t > 0.0)) return false;
    const int plate = m.Plate();
    if (t <= h) {  // upright: its long faces are the sides
        m.Piece(WELD_FACE_SIDE_LEFT, kBoth, plate, 0, 0, h, t / 2).Rect(0, t / 2, 0, h);
        m.Piece(WELD_FACE_SIDE_RIGHT, kBoth, plate, 1, 0, h, t / 2).Rect(t / 2, t, 0, h);
    } else {
        m.Piece(WELD_FACE_TOP_OUTER, kBoth, plate, 0, 0, t, h / 2).Rect(0, t, 0, h / 2);
        m.Piece(WELD_FACE_BOTTOM_OUTER, kBoth, plate, 1, 0, t, h / 2).Rect(0, t, h / 2, h);
    }
    return true;
}

// The horizontal leg b x t_f lies at the bottom, the vertical leg h x t_w on
// the left; the corner goes with the horizontal leg.
bool Angle(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t_w = p.t_w, b = p.b_fo, t_f = p.t_fo;
    if (!(t_w > 0.0 && t_f > 0.0 && b > t_w && h > t_f)) return false;
    const Radii r = Radii_Of(p);
    const int leg_b = m.Plate(), leg_h = m.Plate();
    m.Piece(0, kY, leg_b, 0, 0, b, t_f / 2).Rect(0, b, h - t_f / 2, h);
    m.Piece(1, kY, leg_b, 1, 0, b, t_f / 2).Rect(0, b, h - t_f, h - t_f / 2).Spandrel(r.toe, b, h - t_f, -1, +1, false);
    m.Piece(2, kZ, leg_h, 0, 0, h - t_f, t_w / 2).Rect(0, t_w / 2, 0, h - t_f);
    m.Piece(6, kZ, leg_h, 1, 0, h - t_f, t_w / 2)
        .Rect(t_w / 2, t_w, 0, h - t_f)
        .Spandrel(r.root, t_w, h - t_f, +1, -1, true)
        .Spandrel(r.toe, t_w, 0, -1, +1, false);
    return true;
}

// A flange b wide and t thick centred on the axis, its outer face at z_o
// (the top: 0, the bottom: h) and its inner face t in from it (dz +1 down,
// -1 up), the web t_w thick; the outer face's weld takes the outer half,
// the inner faces' welds (left, right) the inner half up to the axis, over
// the web. Returns the flange's thickness at the web.
double Two_Sided_Flange(Section_Maker& m, const int face[4], double axis, double b, double t, double t_w,
                        double z_o, double dz, const Flange_Shape& f) {
    const int plate = m.Plate();
    const double l = axis - b / 2, r = axis + b / 2, c = (b - t_w) / 2;
    const double z_m = z_o + dz * t / 2, tip = Thickness(t, f, 0), root = Thickness(t, f, c);
    auto band = [](double a, double b2) { return std::pair<double, double>(std::min(a, b2), std::max(a, b2)); };
    const auto [o0, o1] = band(z_o, z_m);
    const auto [j0, j1] = band(z_m, z_o + dz * root);
    m.Piece(face[0], kY, plate, 0, l, r, t / 2).Rect(l, r, o0, o1);
    m.Piece(face[1], kY, plate, 0, axis, r, t / 2).Rect(axis, r, o0, o1);
    m.Piece(face[2], kY, plate, 1, l, axis, t / 2)
        .Quad(l, l + c, z_m, z_m, z_o + dz * tip, z_o + dz * root)
        .Rect(l + c, axis, j0, j1)
        .Spandrel(f.toe, l, z_o + dz * tip, +1, -dz, false);
    m.Piece(face[3], kY, plate, 1, axis, r, t / 2)
        .Quad(r - c, r, z_m, z_m, z_o + dz * root, z_o + dz * tip)
        .Rect(axis, r - c, j0, j1)
        .Spandrel(f.toe, r, z_o + dz * tip, -1, -dz, false);
    return root;
}

bool I_Family(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t_w = p.t_w, b_o = p.b_fo, t_o = p.t_fo, b_u = p.b_fu, t_u = p.t_fu;
    if (!(t_w > 0.0 && t_o > 0.0 && t_u > 0.0 && b_o >= t_w && b_u >= t_w && h > t_o + t_u)) return false;
    const Radii r = Radii_Of(p);
    const Flange_Shape f = Catalogue_Flange_Shape(p, r.toe);
    const double axis = std::max(b_o, b_u) / 2, w0 = axis - t_w / 2, w1 = axis + t_w / 2;
    const int top[4] = {WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT, WELD_FACE_TOP_INNER_LEFT,
                        WELD_FACE_TOP_INNER_RIGHT};
    const int bottom[4] = {WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_OUTER_RIGHT, WELD_FACE_BOTTOM_INNER_LEFT,
                           WELD_FACE_BOTTOM_INNER_RIGHT};
    const double z0 = Two_Sided_Flange(m, top, axis, b_o, t_o, t_w, 0.0, +1, f);
    const double z1 = h - Two_Sided_Flange(m, bottom, axis, b_u, t_u, t_w, h, -1, f);
    const int web = m.Plate();
    m.Piece(WELD_FACE_WEB_LEFT, kZ, web, 0, t_o, h - t_u, t_w / 2)
        .Rect(w0, axis, z0, z1)
        .Spandrel(r.top, w0, z0, -1, +1, true)
        .Spandrel(r.bottom, w0, z1, -1, -1, true);
    m.Piece(WELD_FACE_WEB_RIGHT, kZ, web, 1, t_o, h - t_u, t_w / 2)
        .Rect(axis, w1, z0, z1)
        .Spandrel(r.top, w1, z0, +1, +1, true)
        .Spandrel(r.bottom, w1, z1, +1, -1, true);
    return true;
}

// The tee (and the half I): flange on top; the web's halves reach up to the
// middle of the flange, which takes the rest of the junction.
bool Tee(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t_w = p.t_w, b = p.b_fo, t_f = p.t_fo;
    if (!(t_w > 0.0 && t_f > 0.0 && b > t_w && h > t_f)) return false;
    const Radii r = Radii_Of(p);
    const Flange_Shape f = Catalogue_Flange_Shape(p, r.toe);
    const double axis = b / 2, w0 = axis - t_w / 2, w1 = axis + t_w / 2, m_f = t_f / 2;
    const double tip = Thickness(t_f, f, 0), root = Thickness(t_f, f, w0);
    const int flange = m.Plate(), web = m.Plate();
    m.Piece(WELD_FACE_TOP_OUTER, kY, flange, 0, 0, b, t_f / 2).Rect(0, b, 0, m_f);
    m.Piece(WELD_FACE_TOP_OUTER_RIGHT, kY, flange, 0, axis, b, t_f / 2).Rect(axis, b, 0, m_f);
    m.Piece(WELD_FACE_TOP_INNER_LEFT, kY, flange, 1, 0, axis, t_f / 2)
        .Quad(0, w0, m_f, m_f, tip, root)
        .Spandrel(f.toe, 0, tip, +1, -1, false);
    m.Piece(WELD_FACE_TOP_INNER_RIGHT, kY, flange, 1, axis, b, t_f / 2)
        .Quad(w1, b, m_f, m_f, root, tip)
        .Spandrel(f.toe, b, tip, -1, -1, false);
    m.Piece(WELD_FACE_WEB_LEFT, kZ, web, 0, t_f, h, t_w / 2).Rect(w0, axis, m_f, h).Spandrel(r.root, w0, root, -1, +1, true);
    m.Piece(WELD_FACE_WEB_RIGHT, kZ, web, 1, t_f, h, t_w / 2).Rect(axis, w1, m_f, h).Spandrel(r.root, w1, root, +1, +1, true);
    return true;
}

// The channel: web on the left, both flanges t_fo thick over the full width.
bool Channel(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t_w = p.t_w, b = p.b_fo, t_f = p.t_fo;
    if (!(t_w > 0.0 && t_f > 0.0 && b > t_w && h > 2 * t_f)) return false;
    const Radii r = Radii_Of(p);
    const Flange_Shape f = Catalogue_Flange_Shape(p, r.toe);
    const double tip = Thickness(t_f, f, 0), root = Thickness(t_f, f, b - t_w), m_f = t_f / 2;
    const int top = m.Plate(), web = m.Plate(), bottom = m.Plate();
    m.Piece(0, kY, top, 0, 0, b, t_f / 2).Rect(0, b, 0, m_f);
    m.Piece(1, kY, top, 1, 0, b, t_f / 2)
        .Rect(0, t_w, m_f, root)
        .Quad(t_w, b, m_f, m_f, root, tip)
        .Spandrel(f.toe, b, tip, -1, -1, false);
    m.Piece(2, kZ, web, 0, t_f, h - t_f, t_w / 2).Rect(0, t_w / 2, root, h - root);
    m.Piece(6, kZ, web, 1, t_f, h - t_f, t_w / 2)
        .Rect(t_w / 2, t_w, root, h - root)
        .Spandrel(r.root, t_w, root, +1, +1, true)
        .Spandrel(r.root, t_w, h - root, +1, -1, true);
    m.Piece(3, kY, bottom, 0, 0, b, t_f / 2).Rect(0, b, h - m_f, h);
    m.Piece(4, kY, bottom, 1, 0, b, t_f / 2)
        .Rect(0, t_w, h - root, h - m_f)
        .Quad(t_w, b, h - root, h - tip, h - m_f, h - m_f)
        .Spandrel(f.toe, b, h - tip, -1, +1, false);
    return true;
}

// The Z: b is its overall width; the top flange reaches from the left tip
// over the web, the bottom one from the web to the right tip.
bool Z_Section(const Stahlprofil& p, Section_Maker& m) {
    const double h = p.h, t_w = p.t_w, b = p.b_fo, t_f = p.t_fo;
    if (!(t_w > 0.0 && t_f > 0.0 && b > t_w && h > 2 * t_f)) return false;
    const Radii r = Radii_Of(p);
    const double w0 = (b - t_w) / 2, w1 = (b + t_w) / 2, axis = b / 2;
    const int top = m.Plate(), web = m.Plate(), bottom = m.Plate();
    m.Piece(0, kY, top, 0, 0, w1, t_f / 2).Rect(0, w1, 0, t_f / 2);
    m.Piece(1, kY, top, 1, 0, w1, t_f / 2).Rect(0, w1, t_f / 2, t_f).Spandrel(r.toe, 0, t_f, +1, -1, false);
    m.Piece(2, kZ, web, 0, t_f, h - t_f, t_w / 2).Rect(w0, axis, t_f, h - t_f).Spandrel(r.root, w0, t_f, -1, +1, true);
    m.Piece(6, kZ, web, 1, t_f, h - t_f, t_w / 2).Rect(axis, w1, t_f, h - t_f).Spandrel(r.root, w1, h - t_f, +1, -1, true);
    m.Piece(3, kY, bottom, 0, w0, b, t_f / 2).Rect(w0, b, h - t_f / 2, h);
    m.Piece(4, kY, bottom, 1, w0, b, t_f / 2).Rect(w0, b, h - t_f, h - t_f / 2).Spandrel(r.toe, b, h - t_f, -1, +1, false);
    return true;
}

}  // namespace

bool Rounded_Tube_Section(double h, double b, double t_f, double t_w, double r_o, double r_i, Tube_Section* s) {
    if (!s || !(t_f > 0.0 && t_w > 0.0 && b > 2 * t_w && h > 2 * t_f)) return false;
    const double ro = std::clamp(r_o, 0.0, std::min(b, h) / 2);
    const double ri = ro > 0.0 ? std::clamp(r_i, 0.0, std::min(b - 2 * t_w, h - 2 * t_f) / 2) : 0.0;
    Parametric_Section_Values v;
    if (!Calc_Rounded_Hollow_Rectangle_Values(h, b, t_w, t_f, ro, ri, PARAMETRIC_BASIC_VALUES, &v)) return false;
    *s = {v.area, v.I_1, v.I_2};
    return true;
}

bool Full_Penetration_Tube_Walls(const Stahlprofil& p, double s_o, Tube_Walls* walls) {
    const double h = p.h, b = p.b_fo, t_f = p.t_fo, t_w = p.t_w;
    const double r_o = s_o > 0.1 ? s_o : 0.0;
    const double r_i = r_o > 0.0 ? std::clamp(p.r_2, 0.0, std::min(b - 2 * t_w, h - 2 * t_f) / 2) : 0.0;
    Tube_Section tube;
    if (!(2 * r_o < std::min(b, h)) || !Rounded_Tube_Section(h, b, t_f, t_w, r_o, r_i, &tube)) return false;
    double L_f = b, L_w = h - 2 * t_f;
    if (r_o > 0.0) {
        const double corner = (tube.A - 2 * t_f * (b - 2 * r_o) - 2 * t_w * (h - 2 * r_o)) / 4.0;
        const double c = std::max(corner, 0.0) / (t_f + t_w);
        L_f = std::min(b - 2 * r_o + 2 * c, b);
        L_w = std::min(h - 2 * r_o + 2 * c, h);
    }
    const double I_y = tube.I_y, I_z = tube.I_z;
    // I_y = 2 (L_f t_f z_f² + L_f t_f³ / 12) + 2 t_w L_w³ / 12, and I_z alike.
    const double z2 = (I_y - L_f * t_f * t_f * t_f / 6.0 - t_w * L_w * L_w * L_w / 6.0) / (2.0 * L_f * t_f);
    const double y2 = (I_z - L_w * t_w * t_w * t_w / 6.0 - t_f * L_f * L_f * L_f / 6.0) / (2.0 * L_w * t_w);
    if (!(z2 > 0.0 && y2 > 0.0)) return false;
    *walls = {L_f, L_w, std::clamp(h / 2 - std::sqrt(z2), 0.0, t_f), std::clamp(b / 2 - std::sqrt(y2), 0.0, t_w),
              r_o, r_i};
    return true;
}

namespace {

// The rectangular tube: its walls as Full_Penetration_Tube_Walls lays them,
// each wall's shear area its own, between the walls across it (the webs'
// share of a rounded tube's corners put them 3 % above it: RHS 200 x 100 x
// 8, 30.38 cm² for 2 x 8 x 184 = 29.44); the corners of a sharp tube with
// the flanges, as the profile counts them. The closed tube's torsion on the
// middle of its walls, round the corners at their mean radius.
bool Rectangular_Tube(const Stahlprofil& p, Section_Maker& m) {
    double s_o = 0;
    Calc_Profile_Weld_Offsets(&p, &s_o, nullptr, nullptr);
    Tube_Walls w;
    if (!Full_Penetration_Tube_Walls(p, s_o, &w)) return false;
    const double h = p.h, b = p.b_fo, t_f = p.t_fo, t_w = p.t_w, r_o = w.r_o;
    const double f0 = (b - w.L_f) / 2, f1 = (b + w.L_f) / 2, v0 = (h - w.L_w) / 2, v1 = (h + w.L_w) / 2;
    const double flange_v = (r_o > 0.0 ? b - 2 * t_w : b) * t_f, web_v = (h - 2 * t_f) * t_w;
    m.Piece(WELD_FACE_TOP_OUTER, kY, -1, 0, f0, f1, t_f).Rect(f0, f1, w.depth_f - t_f / 2, w.depth_f + t_f / 2).Shear_Area(flange_v);
    m.Piece(WELD_FACE_BOTTOM_OUTER, kY, -1, 0, f0, f1, t_f)
        .Rect(f0, f1, h - w.depth_f - t_f / 2, h - w.depth_f + t_f / 2)
        .Shear_Area(flange_v);
    m.Piece(WELD_FACE_SIDE_LEFT, kZ, -1, 0, v0, v1, t_w).Rect(w.depth_w - t_w / 2, w.depth_w + t_w / 2, v0, v1).Shear_Area(web_v);
    m.Piece(WELD_FACE_SIDE_RIGHT, kZ, -1, 0, v0, v1, t_w)
        .Rect(b - w.depth_w - t_w / 2, b - w.depth_w + t_w / 2, v0, v1)
        .Shear_Area(web_v);
    Joined_Section* s = m.s;
    s->closed = true;
    Closed_Tube_Torsion torsion;
    if (!Calc_Closed_Tube_Torsion(h, b, t_w, t_f, r_o, w.r_i, &torsion)) return false;
    s->A_m = torsion.A_m;
    s->t_min = std::min(t_w, t_f);
    s->I_T = torsion.I_T;
    s->K = torsion.K;
    s->tau_T_per_M_x = 1.0 / torsion.W_T;
    // Each rounded corner: the quarter circle of its outer radius, the half
    // next to a wall with the wall.
    for (double d : {0.0, b}) {
        for (double z : {0.0, h}) {
            if (r_o <= 0.0) continue;
            const double sd = d > 0.0 ? -1 : 1, sz = z > 0.0 ? -1 : 1;
            const double cd = d + sd * r_o, cz = z + sz * r_o, m_d = -sd * M_SQRT1_2, m_z = -sz * M_SQRT1_2;
            Put_Arc(&s->piece[z > 0.0 ? WELD_FACE_BOTTOM_OUTER : WELD_FACE_TOP_OUTER].arc[d > 0.0],
                    {cd, cz, r_o, 0.0, -sz, m_d, m_z, false});
            Put_Arc(&s->piece[d > 0.0 ? WELD_FACE_SIDE_RIGHT : WELD_FACE_SIDE_LEFT].arc[z > 0.0],
                    {cd, cz, r_o, m_d, m_z, -sd, 0.0, false});
        }
    }
    if (r_o > 0.0)
        for (int k : {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER, WELD_FACE_SIDE_LEFT, WELD_FACE_SIDE_RIGHT})
            s->piece[k].n_arcs = 2;
    return true;
}

bool Build_Family(const Stahlprofil& p, Section_Maker& m) {
    switch (p.type) {
    case PROFILTYP_FLACH: return Flat_Bar(p, m);
    case PROFILTYP_L: return Angle(p, m);
    case PROFILTYP_C: case PROFILTYP_U: return Channel(p, m);
    case PROFILTYP_RECHTECK: return Rectangular_Tube(p, m);
    case PROFILTYP_T: case PROFILTYP_HALB_I: return Tee(p, m);
    case PROFILTYP_Z: return Z_Section(p, m);
    default: return In_I_Family(p.type) && I_Family(p, m);
    }
}

// The pieces that make the whole section: every face's but the right
// halves of a split outer flange face, which lie within the whole face's.
bool Whole_Section_Piece(int k) { return k != WELD_FACE_TOP_OUTER_RIGHT && k != WELD_FACE_BOTTOM_OUTER_RIGHT; }

void Totals(Joined_Section* s) {
    Joined_Sums t{};
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        if (s->piece[k].present && Whole_Section_Piece(k)) Add(&t, s->piece[k].sums);
    const Joined_Part whole = Joined_Part_Of(t);
    s->A = whole.A, s->d_s = whole.d, s->z_s = whole.z;
    s->I_y = whole.I_y, s->I_z = whole.I_z, s->I_yz = whole.I_yz;
}

// Every piece scaled down alike where the outline's area or second moments
// exceed the profile record's (a rolled profile's catalogue values).
void Never_More_Than_The_Profile(const Stahlprofil& p, Joined_Section* s) {
    double f = 1.0;
    if (p.A > 0.0 && s->A > 0.0) f = std::min(f, p.A / s->A);
    if (p.I_y > 0.0 && s->I_y > 0.0) f = std::min(f, p.I_y / s->I_y);
    if (p.I_z > 0.0 && s->I_z > 0.0) f = std::min(f, p.I_z / s->I_z);
    if (!(f < 1.0 - 1e-9) || !(f > 0.0)) return;
    for (Joined_Piece& q : s->piece) {
        Joined_Sums& u = q.sums;
        u.A *= f, u.S_d *= f, u.S_z *= f, u.I_dd *= f, u.I_zz *= f, u.I_dz *= f, u.A_vy *= f, u.A_vz *= f;
    }
    Totals(s);
}

// St. Venant's torsion of the whole open section: every face's half.
void Open_Torsion(Joined_Section* s) {
    Joined_Strip strips[WELD_CHECK_WELDS];
    double k[WELD_CHECK_WELDS];
    int n = 0;
    for (int f = 0; f < WELD_CHECK_WELDS; ++f) {
        const Joined_Piece& q = s->piece[f];
        if (q.present && q.plate >= 0 && Whole_Section_Piece(f)) strips[n++] = {q.plate, q.side, q.lo, q.hi, q.t};
    }
    s->I_T = Joined_Torsion(strips, n, k);
    double k_max = 0;
    for (int i = 0; i < n; ++i) k_max = std::max(k_max, k[i]);
    s->tau_T_per_M_x = s->I_T > 0.0 ? k_max / s->I_T : 0.0;
}

// The thickness the strips of one side give the stretch x0..x1 of the plate.
double Side_Thickness(const Joined_Strip* strips, const int* on, int m, int side, double x0, double x1) {
    double t = 0.0;
    for (int j = 0; j < m; ++j) {
        const Joined_Strip& q = strips[on[j]];
        if (q.side == side && q.lo <= x0 && q.hi >= x1) t = std::max(t, q.t);
    }
    return t;
}

// One run lo..hi of thickness t of a plate: its constant, and its ratio
// I_T / W_T for the strips on it.
double Run_Torsion(const Joined_Strip* strips, const int* on, int m, double lo, double hi, double t, double* k) {
    if (!(t > 0.0 && hi - lo > 0.0)) return 0.0;
    double K = 0.0;
    const double W = Calc_Rectangle_Torsion(&K, hi - lo, t);
    if (!(W > 0.0 && K > 0.0)) return 0.0;
    for (int j = 0; j < m; ++j) {
        const Joined_Strip& q = strips[on[j]];
        if (k && std::min(q.hi, hi) - std::max(q.lo, lo) > 0.0) k[on[j]] = std::max(k[on[j]], K / W);
    }
    return K;
}

// The torsion of one plate's strips (indexes on[0..m-1]).
double Plate_Torsion(const Joined_Strip* strips, const int* on, int m, double* k) {
    double x[2 * WELD_CHECK_WELDS];
    int nx = 0;
    for (int j = 0; j < m; ++j) x[nx++] = strips[on[j]].lo, x[nx++] = strips[on[j]].hi;
    std::sort(x, x + nx);
    nx = static_cast<int>(std::unique(x, x + nx) - x);
    const double kSame = 1e-9;  // mm, thicknesses alike
    double I_T = 0.0, run_lo = 0.0, run_t = 0.0;
    for (int i = 0; i + 1 < nx; ++i) {
        const double t = Side_Thickness(strips, on, m, 0, x[i], x[i + 1]) + Side_Thickness(strips, on, m, 1, x[i], x[i + 1]);
        if (i > 0 && std::fabs(t - run_t) <= kSame) continue;
        if (i > 0) I_T += Run_Torsion(strips, on, m, run_lo, x[i], run_t, k);
        run_lo = x[i], run_t = t;
    }
    if (nx > 1) I_T += Run_Torsion(strips, on, m, run_lo, x[nx - 1], run_t, k);
    return I_T;
}

}  // namespace

Joined_Part Joined_Part_Of(const Joined_Sums& u) {
    if (!(std::fabs(u.A) > 1e-12)) return {};
    Joined_Part p;
    p.A = u.A;
    p.d = u.S_d / u.A;
    p.z = u.S_z / u.A;
    p.I_y = u.I_zz - u.A * p.z * p.z;
    p.I_z = u.I_dd - u.A * p.d * p.d;
    // y runs to the left, against d.
    p.I_yz = -(u.I_dz - u.A * p.d * p.z);
    p.A_vy = u.A_vy;
    p.A_vz = u.A_vz;
    return p;
}

double Joined_Torsion(const Joined_Strip* strips, int n, double* k) {
    n = std::clamp(n, 0, static_cast<int>(WELD_CHECK_WELDS));
    if (k)
        for (int i = 0; i < n; ++i) k[i] = 0.0;
    if (!strips) return 0.0;
    bool done[WELD_CHECK_WELDS] = {};
    double I_T = 0.0;
    for (int i = 0; i < n; ++i) {
        if (done[i] || strips[i].plate < 0) continue;
        int on[WELD_CHECK_WELDS], m = 0;
        for (int j = i; j < n; ++j) {
            if (strips[j].plate != strips[i].plate || !(strips[j].hi > strips[j].lo) || !(strips[j].t > 0.0)) continue;
            on[m++] = j;
            done[j] = true;
        }
        I_T += Plate_Torsion(strips, on, m, k);
    }
    return I_T;
}

int Build_Joined_Section(const Stahlprofil* p, Joined_Section* s) {
    if (!s) return 0;
    auto clear = [s] {
        std::memset(static_cast<void*>(s), 0, sizeof *s);
        for (Joined_Piece& q : s->piece) q.plate = -1;
    };
    clear();
    if (!p) return 0;
    Section_Maker m{s};
    if (!Build_Family(*p, m)) {
        clear();
        return 0;
    }
    double edge[STAHLPROFIL_EDGES];
    Get_Profile_Plate_Elements(p, edge, nullptr);
    for (int k = 0; k < WELD_CHECK_WELDS && k < STAHLPROFIL_EDGES; ++k) s->piece[k].edge = edge[k];
    // The right half of a split outer flange face: half the face.
    s->piece[WELD_FACE_TOP_OUTER_RIGHT].edge = edge[WELD_FACE_TOP_OUTER] / 2;
    s->piece[WELD_FACE_BOTTOM_OUTER_RIGHT].edge = edge[WELD_FACE_BOTTOM_OUTER] / 2;
    Totals(s);
    Never_More_Than_The_Profile(*p, s);
    if (!s->closed) Open_Torsion(s);
    return 1;
}

const Joined_Section* Kept_Joined_Section(const Stahlprofil* p) {
    struct Built {
        int built = 0;
        Joined_Section section;
    };
    // Kept under the record it was built from, byte for byte.
    static Kept_By_Inputs<Built> kept;
    if (!p) return nullptr;
    bool fresh = false;
    Built& b = kept.At(0, &fresh, *p);
    if (fresh) b.built = Build_Joined_Section(p, &b.section);
    return b.built ? &b.section : nullptr;
}
