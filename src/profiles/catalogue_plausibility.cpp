// catalogue_plausibility: the outlines of the catalogue families and the
// comparison of a record's section values with them.
#include "profiles/catalogue_plausibility.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double PI = 3.14159265358979323846;

// The spandrel between a quarter circle of radius r and the square corner it
// rounds: area (1 - pi/4) r^2, centroid e r from both straight sides, second
// moment about its own centroidal axes parallel to them k r^4. About a side:
// r^4/3 of the square less the quarter disc's pi r^4/4 - 2 r^4/3 + pi r^4/16,
// that is (1 - 5 pi/16) r^4; the first moment (5/6 - pi/4) r^3.
constexpr double SPANDREL_AREA = 1.0 - PI / 4.0;
constexpr double SPANDREL_E = (5.0 / 6.0 - PI / 4.0) / SPANDREL_AREA;
constexpr double SPANDREL_OWN = (1.0 - 5.0 * PI / 16.0) - SPANDREL_AREA * SPANDREL_E * SPANDREL_E;

// Highest slope of an inner flange face the catalogues hold (the American
// channels' and beams' 1:6), with room for rounding.
constexpr double MAX_SLOPE = 0.2;

// A sum of parts, each with its area, centroid and second moments about its
// own centroidal axes (horizontal: integral of z^2, vertical: of y^2).
// Material taken away (a hole, a rounded corner) is a part of negative area.
class Composite {
public:
    void Part(double a, double y, double z, double own_y, double own_z) {
        area_ += a;
        sy_ += a * y;
        sz_ += a * z;
        iyy_ += own_y + a * z * z;
        izz_ += own_z + a * y * y;
    }
    void Rect(double y0, double y1, double z0, double z1, double sign = 1) {
        const double w = std::fabs(y1 - y0), h = std::fabs(z1 - z0);
        Part(sign * w * h, (y0 + y1) / 2, (z0 + z1) / 2, sign * w * h * h * h / 12, sign * h * w * w * w / 12);
    }
    // Right triangle with its right angle at (y, z) and legs ly along y and
    // lz along z (signed: the side they run to).
    void Triangle(double y, double z, double ly, double lz) {
        const double a = std::fabs(ly * lz) / 2;
        Part(a, y + ly / 3, z + lz / 3, a * lz * lz / 18, a * ly * ly / 18);
    }
    // The spandrel of radius r in the corner at (y, z), lying towards (sy, sz).
    void Spandrel(double y, double z, double sy, double sz, double r, double sign) {
        if (r <= 0) return;
        const double own = sign * SPANDREL_OWN * r * r * r * r;
        Part(sign * SPANDREL_AREA * r * r, y + sy * SPANDREL_E * r, z + sz * SPANDREL_E * r, own, own);
    }
    // A flange outstand from the root at y = root to the tip at y = tip, its
    // outer face at z = face and its material towards dir (+1 up, -1 down),
    // t_root thick at the root and t_tip at the tip (t_root >= t_tip).
    void Outstand(double root, double tip, double face, double dir, double t_root, double t_tip) {
        Rect(root, tip, face, face + dir * t_tip);
        if (t_root > t_tip) Triangle(root, face + dir * t_tip, tip - root, dir * (t_root - t_tip));
    }
    bool Values(double* A, double* I_y, double* I_z) const {
        if (!(area_ > 0)) return false;
        const double yc = sy_ / area_, zc = sz_ / area_;
        *A = area_;
        *I_y = iyy_ - area_ * zc * zc;
        *I_z = izz_ - area_ * yc * yc;
        return std::isfinite(*A) && std::isfinite(*I_y) && std::isfinite(*I_z);
    }

private:
    double area_ = 0, sy_ = 0, sz_ = 0, iyy_ = 0, izz_ = 0;
};

// The dimension of an outline that makes none.
enum Bad_Dimension { DIM_NONE = -1, DIM_H, DIM_B, DIM_TW, DIM_TF, DIM_R1, DIM_R2, DIM_SLOPE, DIM_FAMILY };

// A flange's thickness at the tip and at the root, its outstand c long.
struct Flange {
    double tip, root;
};
Flange Taper(const Catalogue_Outline& o, double c) {
    return {o.t_f - o.slope * o.nominal_from_tip, o.t_f + o.slope * (c - o.nominal_from_tip)};
}

// Double-T, tee and channel: y across, z up; the web centred on y = 0
// (channels: its back at y = 0, flanges to +y).
Bad_Dimension Flanged(const Catalogue_Outline& o, Composite& s) {
    const bool channel = o.letter == 'U', tee = o.letter == 'T';
    const double c = channel ? o.b - o.t_w : (o.b - o.t_w) / 2;
    if (!(c > 0)) return DIM_TW;
    if (!(o.slope >= 0 && o.slope <= MAX_SLOPE)) return DIM_SLOPE;
    const Flange f = Taper(o, c);
    if (!(f.tip > 0)) return DIM_TF;
    if (!(f.root * (tee ? 1 : 2) < o.h)) return DIM_TF;
    if (!(o.r_1 < c) || !(o.r_1 < o.h - (tee ? 1 : 2) * f.root)) return DIM_R1;
    if (!(o.r_2 <= f.tip) || !(o.r_2 < c)) return DIM_R2;
    const double r1 = o.r_1, r2 = o.r_2;
    if (channel) {
        s.Rect(0, o.t_w, 0, o.h);
        s.Outstand(o.t_w, o.b, 0, 1, f.root, f.tip);
        s.Outstand(o.t_w, o.b, o.h, -1, f.root, f.tip);
        s.Spandrel(o.t_w, f.root, 1, 1, r1, 1);
        s.Spandrel(o.t_w, o.h - f.root, 1, -1, r1, 1);
        s.Spandrel(o.b, f.tip, -1, -1, r2, -1);
        s.Spandrel(o.b, o.h - f.tip, -1, 1, r2, -1);
        return DIM_NONE;
    }
    s.Rect(-o.t_w / 2, o.t_w / 2, 0, o.h);
    for (double side : {-1.0, 1.0}) {
        const double root = side * o.t_w / 2, tip = side * o.b / 2;
        s.Outstand(root, tip, o.h, -1, f.root, f.tip);
        s.Spandrel(root, o.h - f.root, side, -1, r1, 1);
        s.Spandrel(tip, o.h - f.tip, -side, 1, r2, -1);
        if (tee) continue;
        s.Outstand(root, tip, 0, 1, f.root, f.tip);
        s.Spandrel(root, f.root, side, 1, r1, 1);
        s.Spandrel(tip, f.tip, -side, -1, r2, -1);
    }
    return DIM_NONE;
}

// Angle: the longer leg h upright with its back at y = 0, the shorter leg b
// at the bottom with its back at z = 0, both t thick.
Bad_Dimension Angle(const Catalogue_Outline& o, Composite& s) {
    const double t = o.t_w;
    if (!(t < o.b) || !(t < o.h)) return DIM_TW;
    if (!(o.r_1 < o.b - t) || !(o.r_1 < o.h - t)) return DIM_R1;
    if (!(o.r_2 <= t)) return DIM_R2;
    s.Rect(0, t, 0, o.h);
    s.Rect(t, o.b, 0, t);
    s.Spandrel(t, t, 1, 1, o.r_1, 1);
    s.Spandrel(t, o.h, -1, -1, o.r_2, -1);
    s.Spandrel(o.b, t, -1, -1, o.r_2, -1);
    return DIM_NONE;
}

// Rectangular hollow section b wide and h high with the wall t, its outside
// corners rounded with r_1 and the inside corners with r_2.
Bad_Dimension Hollow(const Catalogue_Outline& o, Composite& s) {
    const double t = o.t_w, b = o.b, h = o.h;
    if (!(2 * t < b) || !(2 * t < h)) return DIM_TW;
    if (!(2 * o.r_1 <= std::min(b, h))) return DIM_R1;
    if (!(2 * o.r_2 <= std::min(b, h) - 2 * t)) return DIM_R2;
    s.Rect(0, b, 0, h);
    s.Rect(t, b - t, t, h - t, -1);
    for (double sy : {-1.0, 1.0})
        for (double sz : {-1.0, 1.0}) {
            const double y = sy < 0 ? b : 0, z = sz < 0 ? h : 0;
            s.Spandrel(y, z, sy, sz, o.r_1, -1);
            s.Spandrel(y + sy * t, z + sz * t, sy, sz, o.r_2, 1);
        }
    return DIM_NONE;
}

// The families with a closed form: tube, elliptical hollow section, flat and
// round bar.
Bad_Dimension Closed_Form(const Catalogue_Outline& o, double* A, double* I_y, double* I_z) {
    switch (o.letter) {
    case 'K': {
        const double D = o.h, d = o.h - 2 * o.t_w;
        if (!(d >= 0)) return DIM_TW;
        *A = PI / 4 * (D * D - d * d);
        *I_y = *I_z = PI / 64 * (D * D * D * D - d * d * d * d);
        return DIM_NONE;
    }
    case 'E': {
        const double a = o.h / 2, c = o.b / 2, t = o.t_w;  // semi-axes: a upright, c across
        if (!(t <= a) || !(t <= c)) return DIM_TW;
        *A = PI * (a * c - (a - t) * (c - t));
        *I_y = PI / 4 * (c * a * a * a - (c - t) * (a - t) * (a - t) * (a - t));
        *I_z = PI / 4 * (a * c * c * c - (a - t) * (c - t) * (c - t) * (c - t));
        return DIM_NONE;
    }
    case 'F':
        *A = o.b * o.h;
        *I_y = o.b * o.h * o.h * o.h / 12;
        *I_z = o.h * o.b * o.b * o.b / 12;
        return DIM_NONE;
    default: {  // 'O'
        const double D = o.h;
        *A = PI / 4 * D * D;
        *I_y = *I_z = PI / 64 * D * D * D * D;
        return DIM_NONE;
    }
    }
}

// The first dimension that a family uses and that is not above 0.
Bad_Dimension Positive_Dimensions(const Catalogue_Outline& o) {
    const bool uses_b = o.letter != 'K' && o.letter != 'O';
    const bool uses_tw = o.letter != 'F' && o.letter != 'O';
    const bool uses_tf = o.letter == 'D' || o.letter == 'T' || o.letter == 'U';
    if (!(o.h > 0) || !std::isfinite(o.h)) return DIM_H;
    if (uses_b && (!(o.b > 0) || !std::isfinite(o.b))) return DIM_B;
    if (uses_tw && (!(o.t_w > 0) || !std::isfinite(o.t_w))) return DIM_TW;
    if (uses_tf && (!(o.t_f > 0) || !std::isfinite(o.t_f))) return DIM_TF;
    if (!std::isfinite(o.r_1)) return DIM_R1;
    if (!std::isfinite(o.r_2)) return DIM_R2;
    if (!std::isfinite(o.slope)) return DIM_SLOPE;
    return DIM_NONE;
}

Bad_Dimension Outline(const Catalogue_Outline& given, double* A, double* I_y, double* I_z) {
    static const char families[] = "DTULRKEFO";
    if (!given.letter || !std::strchr(families, given.letter)) return DIM_FAMILY;
    Catalogue_Outline o = given;
    // A radius below 0 stands for none, as every user of the record reads it.
    o.r_1 = std::max(o.r_1, 0.0);
    o.r_2 = std::max(o.r_2, 0.0);
    if (const Bad_Dimension bad = Positive_Dimensions(o); bad != DIM_NONE) return bad;
    if (std::strchr("KEFO", o.letter)) return Closed_Form(o, A, I_y, I_z);
    Composite s;
    const Bad_Dimension bad = o.letter == 'L' ? Angle(o, s) : o.letter == 'R' ? Hollow(o, s) : Flanged(o, s);
    if (bad != DIM_NONE) return bad;
    return s.Values(A, I_y, I_z) ? DIM_NONE : DIM_H;
}

bool Agrees(double stored, double expected) {
    return std::fabs(stored - expected) <= CATALOGUE_OUTLINE_TOLERANCE * std::fabs(expected);
}

// The values compared and where each dimension stands in a record's order.
struct Layout {
    int dimension[DIM_SLOPE + 1];   // value index of h, b, t_w, t_f, r_1, r_2 and the slope's source
    int area, i_y, i_z;
};

Catalogue_Disagreement Judge_One(const Catalogue_Outline& o, const float* values, const Layout& at,
                                 double slope_source_expected) {
    double A = 0, I_y = 0, I_z = 0;
    const Bad_Dimension bad = Outline(o, &A, &I_y, &I_z);
    if (bad == DIM_FAMILY) return {-1, 0, 0};
    if (bad != DIM_NONE) {
        const int index = at.dimension[bad];
        return {index, values[index], bad == DIM_SLOPE ? slope_source_expected : NAN};
    }
    const struct {
        int index;
        double expected;
    } compared[] = {{at.area, A}, {at.i_y, I_y}, {at.i_z, I_z}};
    for (const auto& c : compared)
        if (!Agrees(values[c.index], c.expected)) return {c.index, values[c.index], c.expected};
    return {-1, 0, 0};
}

// A sloped flange's t_f stands where the standard of the profile puts it:
// the European beams and 8 % channels at a fixed share of the width, the
// American shapes and the 5 % channels (their thickness the flange's
// average) in the middle of the outstand. A record does not say which
// standard it follows, so its values may agree with either outline.
Catalogue_Disagreement Judge(Catalogue_Outline o, const float* values, const Layout& at, double slope_source_expected) {
    const Catalogue_Disagreement first = Judge_One(o, values, at, slope_source_expected);
    if (first.value < 0 || !(o.slope > 0)) return first;
    const double outstand = o.letter == 'U' ? o.b - o.t_w : (o.b - o.t_w) / 2;
    o.nominal_from_tip = outstand / 2;
    return Judge_One(o, values, at, slope_source_expected).value < 0 ? Catalogue_Disagreement{-1, 0, 0} : first;
}

}  // namespace

int Catalogue_Outline_Values(const Catalogue_Outline* outline, double* A, double* I_y, double* I_z) {
    if (!outline || !A || !I_y || !I_z) return 0;
    return Outline(*outline, A, I_y, I_z) == DIM_NONE ? 1 : 0;
}

Catalogue_Disagreement Check_Profil_Outline(char letter, const float* values) {
    if (!values) return {-1, 0, 0};
    const double h = values[0], b = values[1], t_w = values[2], t_f = values[3];
    const double r_1 = std::max(values[25], 0.0f), r_2 = values[26];
    Catalogue_Outline o{letter, h, b, t_w, t_f, r_1, r_2, 0, 0};
    // Value 27 is the flange's thickness at a known place plus r_1, so it
    // tells the slope of a flange whose t_f stands elsewhere: double-T at
    // b/4 from the tip, read where the root fillet begins; tees the same,
    // read at the web; channels at b/2, read where the root fillet begins.
    double run = 0, read_at = 0;
    if (letter == 'D') o.nominal_from_tip = b / 4, read_at = (b - t_w) / 2 - r_1;
    else if (letter == 'T') o.nominal_from_tip = b / 4, read_at = (b - t_w) / 2;
    else if (letter == 'U') o.nominal_from_tip = b / 2, read_at = b - t_w - r_1;
    run = read_at - o.nominal_from_tip;
    double parallel = t_f + r_1;   // value 27 of parallel flanges
    if (letter && std::strchr("DTU", letter) && std::fabs(run) > 0.05) {
        o.slope = (values[27] - parallel) / run;
        // Stored in single precision: parallel flanges come back with a
        // slope of a few millionths either way.
        if (std::fabs(o.slope) < 1e-4) o.slope = 0;
    }
    static const Layout layout = {{0, 1, 2, 3, 25, 26, 27}, 4, 9, 10};
    return Judge(o, values, layout, parallel);
}

Catalogue_Disagreement Check_ProfilData_Outline(char letter, int code, const float* values) {
    if (!values) return {-1, 0, 0};
    const double h = values[0], b = values[1], t_w = values[2], t_f = values[3];
    Catalogue_Outline o{letter, h, b, t_w, t_f, values[26], values[27], 0, 0};
    if (letter == 'E') o.t_w = t_f;   // the elliptical section's wall stands as t_f
    // Value 37 is the inner face's slope in per cent; the outline model turns
    // the flange's centre line by half its angle.
    const double p = values[37];
    if (letter && std::strchr("DTU", letter)) {
        o.slope = p > 0 ? 2 * std::tan(0.5 * std::atan(p / 100)) : p < 0 ? -1 : 0;
        o.nominal_from_tip = b / 4;
        if (letter == 'U') {
            const double L = b - t_w / 2;
            const bool half = code == 16 || ((code == 15 || code == 54) && h > 300);
            o.nominal_from_tip = half ? L / 2 : b / 2;
        }
    }
    static const Layout layout = {{0, 1, 2, 3, 26, 27, 37}, 4, 10, 11};
    Catalogue_Disagreement d = Judge(o, values, layout, 0);
    if (letter == 'E' && d.value == 2) d = {3, values[3], NAN};
    return d;
}
