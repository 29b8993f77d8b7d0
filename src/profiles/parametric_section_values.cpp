// Closed-form section values of rectangles, simple bar sections and the
// parametric shapes of the section library.
#include "profiles/parametric_section_values.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "profiles/catalogue_outline.h"
#include "profiles/profil.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPi5 = 306.01968478528136;          // π⁵
constexpr double kEightOverPi2 = 0.8105694691387022; // 8/π²

// An axis-parallel rectangle of a composed section: centre and sides.
struct Plate {
    double y, z;  // centre
    double w, h;  // extent across (y) and down (z)
};

struct Composed {
    double area = 0, y_s = 0, z_s = 0;
    double I_1 = 0, I_2 = 0, I_yz = 0;  // about the centroid: Σz², Σy², Σyz
};

// Area, centroid and second moments of plates by the parallel-axis rule.
Composed Compose(const std::vector<Plate>& plates) {
    Composed c;
    double sy = 0, sz = 0;
    for (const Plate& p : plates) {
        double a = p.w * p.h;
        c.area += a;
        sy += a * p.y;
        sz += a * p.z;
    }
    if (c.area == 0) return c;
    c.y_s = sy / c.area;
    c.z_s = sz / c.area;
    for (const Plate& p : plates) {
        double a = p.w * p.h, dy = p.y - c.y_s, dz = p.z - c.z_s;
        c.I_1 += p.w * p.h * p.h * p.h / 12 + a * dz * dz;
        c.I_2 += p.h * p.w * p.w * p.w / 12 + a * dy * dy;
        c.I_yz += a * dy * dz;
    }
    return c;
}

double Over(double I, double e) { return e != 0 ? I / e : 0.0; }

// Moduli of a non-rotated section: distances to the outline box faces,
// positive side first.
void Box_Moduli(Parametric_Section_Values* r, double b, double h) {
    r->W_1_pos = Over(r->I_1, h / 2 - r->z_s);
    r->W_1_neg = Over(r->I_1, -h / 2 - r->z_s);
    r->W_2_pos = Over(r->I_2, b / 2 - r->y_s);
    r->W_2_neg = Over(r->I_2, -b / 2 - r->y_s);
}

// Principal axes of an unsymmetric shape (L, Z) and its moduli over the
// outline corners. The angle is kept within ±π/4; every quarter turn of the
// axes exchanges the two principal values.
void Principal_Moduli(Parametric_Section_Values* r, const Composed& c, const double (*corners)[2], int n, double b,
                      double h) {
    double I_1 = c.I_1, I_2 = c.I_2, angle = 0;
    if (std::fabs(c.I_yz) > 1e-6 * (std::fabs(c.I_1) + std::fabs(c.I_2))) {
        angle = 0.5 * std::atan2(-2 * c.I_yz, c.I_1 - c.I_2);
        double mean = 0.5 * (c.I_1 + c.I_2);
        double root = 0.5 * std::sqrt((c.I_1 - c.I_2) * (c.I_1 - c.I_2) + 4 * c.I_yz * c.I_yz);
        I_1 = mean + root;
        I_2 = mean - root;
        // A half turn leaves both values where they are.
        if (angle >= kPi / 2) angle -= kPi;
        if (angle <= -kPi / 2) angle += kPi;
        const double quarter = kPi / 4 + 1e-12;  // an equal-legged angle stays at ±π/4
        if (angle > quarter || angle < -quarter) {
            angle += angle > 0 ? -kPi / 2 : kPi / 2;
            std::swap(I_1, I_2);
        }
    } else {
        r->I_1 = I_1;
        r->I_2 = I_2;
        Box_Moduli(r, b, h);
        return;
    }
    r->angle = angle;
    r->I_1 = I_1;
    r->I_2 = I_2;
    // I_1 is the moment Σζ² about the η axis: η = y cos + z sin, ζ = −y sin + z cos.
    double ca = std::cos(angle), sa = std::sin(angle);
    double eta_max = -HUGE_VAL, eta_min = HUGE_VAL, zeta_max = -HUGE_VAL, zeta_min = HUGE_VAL;
    for (int i = 0; i < n; i++) {
        double y = corners[i][0] - c.y_s, z = corners[i][1] - c.z_s;
        double eta = y * ca + z * sa, zeta = -y * sa + z * ca;
        eta_max = std::max(eta_max, eta), eta_min = std::min(eta_min, eta);
        zeta_max = std::max(zeta_max, zeta), zeta_min = std::min(zeta_min, zeta);
    }
    r->W_1_pos = Over(I_1, zeta_max);
    r->W_1_neg = Over(I_1, zeta_min);
    r->W_2_pos = Over(I_2, eta_max);
    r->W_2_neg = Over(I_2, eta_min);
}

// The sharp outline's corners of an angle and a Z in the model's axes,
// where their moduli are taken (the stresses are read there too).
int Sharp_Corners(int family, double h, double b, double tw, double tf, double (*k)[2]) {
    if (family == PROFIL_FAMILY_L) {
        const double c[6][2] = {{b / 2, -h / 2},      {b / 2, h / 2},           {-b / 2, h / 2},
                                {-b / 2, h / 2 - tf}, {b / 2 - tw, h / 2 - tf}, {b / 2 - tw, -h / 2}};
        std::copy(&c[0][0], &c[0][0] + 12, &k[0][0]);
        return 6;
    }
    const double c[8][2] = {{b / 2, -h / 2},       {b / 2, -h / 2 + tf}, {tw / 2, -h / 2 + tf}, {tw / 2, h / 2},
                            {-b / 2, h / 2},       {-b / 2, h / 2 - tf}, {-tw / 2, h / 2 - tf}, {-tw / 2, -h / 2}};
    std::copy(&c[0][0], &c[0][0] + 16, &k[0][0]);
    return 8;
}

// Basic values of the open shapes I, T, U, L, Z.
void Open_Shape_Values(int family, double h, double b, double tw, double tf, Parametric_Section_Values* r) {
    std::vector<Plate> plates;
    double hw = h - 2 * tf;
    switch (family) {
    case PROFIL_FAMILY_I:
        plates = {{0, -(h - tf) / 2, b, tf}, {0, (h - tf) / 2, b, tf}, {0, 0, tw, hw}};
        break;
    case PROFIL_FAMILY_T:
        plates = {{0, -(h - tf) / 2, b, tf}, {0, tf / 2, tw, h - tf}};
        break;
    case PROFIL_FAMILY_U:
        plates = {{0, -(h - tf) / 2, b, tf}, {0, (h - tf) / 2, b, tf}, {(b - tw) / 2, 0, tw, hw}};
        break;
    case PROFIL_FAMILY_L:
        plates = {{(b - tw) / 2, 0, tw, h}, {-tw / 2, (h - tf) / 2, b - tw, tf}};
        break;
    default: {  // 6: Z
        double fw = (b + tw) / 2;
        plates = {{(-tw / 2 + b / 2) / 2, -(h - tf) / 2, fw, tf},
                  {(-b / 2 + tw / 2) / 2, (h - tf) / 2, fw, tf},
                  {0, 0, tw, hw}};
        break;
    }
    }
    Composed c = Compose(plates);
    r->area = c.area;
    r->y_s = c.y_s;
    r->z_s = c.z_s;
    r->width = b;
    r->height = h;
    if (family == PROFIL_FAMILY_L || family == PROFIL_FAMILY_Z) {
        double corners[8][2];
        const int n = Sharp_Corners(family, h, b, tw, tf, corners);
        Principal_Moduli(r, c, corners, n, b, h);
    } else {
        r->I_1 = c.I_1;
        r->I_2 = c.I_2;
        Box_Moduli(r, b, h);
    }
}

// The fillet term α·D⁴ of a web-to-flange junction of an I or T.
double I_Junction_Term(double tw, double tf) {
    double tmin = std::min(tw, tf), tmax = std::max(tw, tf);
    double alpha = tmax != 0 ? 0.145 * tmin / tmax : 0.0;
    double D = tf != 0 ? (tw * tw / 4 + tf * tf) / tf : 0.0;
    return alpha * D * D * D * D;
}

double Open_Shape_Torsion(int family, double h, double b, double tw, double tf) {
    double tw3 = tw * tw * tw, tf3 = tf * tf * tf;
    if (family == PROFIL_FAMILY_I)
        return 2 * I_Junction_Term(tw, tf) + (2 * (b - 0.63 * tf) * tf3 + (h - 2 * tf) * tw3) / 3;
    if (family == PROFIL_FAMILY_T)
        return I_Junction_Term(tw, tf) + ((h - tf - 0.315 * tw) * tw3 + (b - 0.63 * tf) * tf3) / 3;
    double tmin = std::min(tw, tf), tmax = std::max(tw, tf);
    double alpha = tmax != 0 ? 0.076 * tmin / tmax : 0.0;
    double D = 2 * ((tw + tf) - std::sqrt(2 * std::fabs(tw * tf)));
    double aD4 = alpha * D * D * D * D;
    if (family == PROFIL_FAMILY_U) return 2 * aD4 + (2 * (b - 0.315 * tf) * tf3 + (h - 2 * tf) * tw3) / 3;
    if (family == PROFIL_FAMILY_L) return aD4 + ((h - tf - 0.315 * tw) * tw3 + (b - 0.315 * tf) * tf3) / 3;
    return 2 * aD4 + (2 * ((b + tw) / 2 - 0.315 * tf) * tf3 + (h - 2 * tf) * tw3) / 3;
}

void Hollow_Rectangle_Values(double h, double b, double tw, double tf, int options, Parametric_Section_Values* r) {
    double hi = h - 2 * tf, bi = b - 2 * tw;
    if (options & PARAMETRIC_BASIC_VALUES) {
        r->width = b;
        r->height = h;
        r->area = h * b - hi * bi;
        // First axis: bending in the height (the faces at ±h/2).
        r->I_1 = (h * h * h * b - hi * hi * hi * bi) / 12;
        r->I_2 = (b * b * b * h - bi * bi * bi * hi) / 12;
        Box_Moduli(r, b, h);
        r->flags |= PARAMETRIC_BASIC_VALUES;
    }
    if (options & PARAMETRIC_TORSION) {
        // The closed tube's values, as every road takes them: Bredt's
        // closed part with the walls' own t³ s / 3 (EN 10210-2 and EN
        // 10219-2 publish I_t = t³ h_p / 3 + 2 K A_p), the tube's St.
        // Venant constant, which the cell and the walls stiffen together.
        Closed_Tube_Torsion c;
        r->I_T = Calc_Closed_Tube_Torsion(h, b, tw, tf, 0.0, 0.0, &c) ? c.I_T : 0.0;
        r->flags |= PARAMETRIC_TORSION;
    }
}

// The four corner spandrels of radius r (area (1 - pi/4) r^2 each, their
// centroid (10 - 3 pi) / (3 (4 - pi)) r from the corner along both faces)
// about an axis at distance e of the corners: their parallel-axis term and
// their own second moments. About a face of its corner a spandrel has
// r^4 / 3 of the square less (5 pi / 16 - 2 / 3) r^4 of the quarter disc,
// (1 - 5 pi / 16) r^4; about its centroid that less its area times the
// centroid's distance squared, 0.0075451 r^4. Left out, a rounded tube's
// second moments kept the outer corners' own share that is not there
// (100 x 100 x 25 with radii 37.5 and 25: I 592.3 cm^4 for 587.5).
constexpr double kSpandrels = 4 - kPi;  // four spandrels: (4 - pi) r^2
constexpr double kSpandrelCentroid = (10 - 3 * kPi) / (3 * (4 - kPi));
constexpr double kSpandrelOwn =
    1 - 5 * kPi / 16 - (1 - kPi / 4) * kSpandrelCentroid * kSpandrelCentroid;  // one spandrel, times r^4
double Spandrel_Term(double r, double e) {
    const double d = r * (e - kSpandrelCentroid * r);
    return kSpandrels * d * d + 4 * kSpandrelOwn * r * r * r * r;
}

// The two root fillets of radius r where a web t_w thick, centred on y =
// 0, meets a flange face at z = face, the flange on the side -dir: two
// spandrels, each (1 - pi/4) r^2 with its own second moments about both
// axes, their centroids kSpandrelCentroid r from the web and the flange
// faces, added to the composed section. (The pair is symmetric about the
// web: no product moment.)
void Add_Root_Fillets(Composed* c, double t_w, double face, double r, int dir) {
    if (!(r > 0) || !(c->area > 0)) return;
    const double a = kSpandrels / 4 * r * r, own = kSpandrelOwn * r * r * r * r, e = kSpandrelCentroid * r;
    const double y = t_w / 2 + e, z = face + dir * e;
    // about the origin, the fillets added, back about the new centroid
    const double A = c->area + 2 * a;
    const double sy = c->area * c->y_s, sz = c->area * c->z_s + 2 * a * z;
    double zz = c->I_1 + c->area * c->z_s * c->z_s + 2 * (own + a * z * z);
    double yy = c->I_2 + c->area * c->y_s * c->y_s + 2 * (own + a * y * y);
    double yz = c->I_yz + c->area * c->y_s * c->z_s;
    c->area = A, c->y_s = sy / A, c->z_s = sz / A;
    c->I_1 = zz - A * c->z_s * c->z_s;
    c->I_2 = yy - A * c->y_s * c->y_s;
    c->I_yz = yz - A * c->y_s * c->z_s;
}

}  // namespace

int Calc_Rounded_Hollow_Rectangle_Values(double h, double b, double tw, double tf, double r_o, double r_i,
                                         int options, Parametric_Section_Values* r) {
    if (!r) return 0;
    std::memset(r, 0, sizeof *r);
    r_o = std::max(r_o, 0.0), r_i = std::max(r_i, 0.0);
    if (!(tw > 0) || !(tf > 0) || !(2 * tw < b) || !(2 * tf < h) || !(2 * r_o <= std::min(b, h)) ||
        !(2 * r_i <= std::min(b - 2 * tw, h - 2 * tf)))
        return 0;
    Hollow_Rectangle_Values(h, b, tw, tf, options & PARAMETRIC_BASIC_VALUES, r);
    if (options & PARAMETRIC_BASIC_VALUES) {
        // the outer corners' spandrels cut off, the inner ones filled
        r->area += kSpandrels * (r_i * r_i - r_o * r_o);
        r->I_1 += Spandrel_Term(r_i, h / 2 - tf) - Spandrel_Term(r_o, h / 2);
        r->I_2 += Spandrel_Term(r_i, b / 2 - tw) - Spandrel_Term(r_o, b / 2);
        Box_Moduli(r, b, h);
    }
    if (options & PARAMETRIC_TORSION) {
        Closed_Tube_Torsion c;
        r->I_T = Calc_Closed_Tube_Torsion(h, b, tw, tf, r_o, r_i, &c) ? c.I_T : 0.0;
        r->flags |= PARAMETRIC_TORSION;
    }
    return 1;
}

int Calc_Closed_Tube_Torsion(double h, double b, double t_w, double t_f, double r_o, double r_i,
                             Closed_Tube_Torsion* out) {
    if (!out) return 0;
    *out = Closed_Tube_Torsion{};
    if (!(t_w > 0) || !(t_f > 0) || !(2 * t_w < b) || !(2 * t_f < h) || !std::isfinite(h) || !std::isfinite(b))
        return 0;
    // The mid-line's corners round with the mean of the two radii, never
    // further than its straight parts reach.
    const double R = std::clamp((std::max(r_o, 0.0) + std::max(r_i, 0.0)) / 2, 0.0, std::min(b - t_w, h - t_f) / 2);
    const double t_c = (t_w + t_f) / 2;
    const double across = b - t_w - 2 * R, down = h - t_f - 2 * R, arcs = 2 * kPi * R;
    out->A_m = (b - t_w) * (h - t_f) - kSpandrels * R * R;
    out->ds_t = 2 * across / t_f + 2 * down / t_w + arcs / t_c;
    out->I_T_closed = 4 * out->A_m * out->A_m / out->ds_t;
    out->I_T = out->I_T_closed + (2 * across * t_f * t_f * t_f + 2 * down * t_w * t_w * t_w + arcs * t_c * t_c * t_c) / 3;
    out->K = 2 * out->A_m / out->ds_t;
    out->W_T = out->I_T / std::max(out->K / t_w + t_w, out->K / t_f + t_f);
    return 1;
}

double Closed_Tube_Wall_Shear(const Closed_Tube_Torsion* c, double t) {
    if (!c || !(t > 0) || !(c->I_T > 0)) return 0.0;
    return (c->K / t + t) / c->I_T;
}

namespace {

void Tube_Values(double D, double t, int options, Parametric_Section_Values* r) {
    double ra2 = D * D / 4, ri2 = (D - 2 * t) * (D - 2 * t) / 4;
    if (options & PARAMETRIC_BASIC_VALUES) {
        r->width = D;
        r->height = D;
        r->area = kPi * (ra2 - ri2);
        r->I_1 = r->I_2 = r->area * (ra2 + ri2) / 4;
        Box_Moduli(r, D, D);
        r->flags |= PARAMETRIC_BASIC_VALUES;
    }
    if (options & PARAMETRIC_TORSION) {
        r->I_T = (ra2 * ra2 - ri2 * ri2) * kPi / 2;
        r->flags |= PARAMETRIC_TORSION;
    }
}

// An I with unequal flanges (h, t_fo, t_fu, t_w, b_o, b_u), its root
// fillets r_o at the top flange and r_u at the bottom one (0: none).
void Unequal_I_Values(const float* v, int options, Parametric_Section_Values* r, double r_o = 0, double r_u = 0) {
    double h = v[0], tfo = v[1], tfu = v[2], tw = v[3], bo = v[4], bu = v[5];
    double hw = h - tfo - tfu;
    double width = std::max(bo, bu);
    if (options & PARAMETRIC_BASIC_VALUES) {
        Composed c = Compose({{0, -h / 2 + tfo / 2, bo, tfo}, {0, -h / 2 + tfo + hw / 2, tw, hw},
                              {0, h / 2 - tfu / 2, bu, tfu}});
        Add_Root_Fillets(&c, tw, -h / 2 + tfo, r_o, 1);
        Add_Root_Fillets(&c, tw, h / 2 - tfu, r_u, -1);
        r->width = width;
        r->height = h;
        r->area = c.area;
        r->y_s = c.y_s;
        r->z_s = c.z_s;
        r->I_1 = c.I_1;
        r->I_2 = c.I_2;
        Box_Moduli(r, width, h);
        r->flags |= PARAMETRIC_BASIC_VALUES;
    }
    if (options & PARAMETRIC_TORSION) {
        r->I_T = ((bo - 0.63 * tfo) * tfo * tfo * tfo + (bu - 0.63 * tfu) * tfu * tfu * tfu + tw * tw * tw * hw) / 3 +
                 I_Junction_Term(tw, tfo) + I_Junction_Term(tw, tfu);
        r->flags |= PARAMETRIC_TORSION;
    }
}

// Shear area I·t/S of a web of thickness t where S is the static moment of
// the part on the reference side of the centroid.
double Web_Shear_Area(double I, double t, double S) { return S > 0 ? I * t / S : 0.0; }

}  // namespace

double Calc_Rectangle_Torsion(double* I_T, double a, double b) {
    if (I_T != nullptr) *I_T = 0;
    if (!(a > 0) || !(b > 0)) return 0;
    double h = std::max(a, b), t = std::min(a, b);
    double k = kPi / 2 * h / t;
    double S1 = 0, S2 = 0;
    for (int n = 1; n <= 29; n += 2) {
        double n2 = double(n) * n;
        double term1 = std::tanh(n * k) / (n2 * n2 * n);
        double term2 = 1 / (n2 * std::cosh(n * k));
        S1 += term1;
        S2 += term2;
        if (std::fabs(term1) < 1e-5 && term2 < 1e-5) break;
    }
    double it = (1 - 192 * t * S1 / (kPi5 * h)) * h * t * t * t / 3;
    if (I_T != nullptr) *I_T = it;
    return it / t / (1 - kEightOverPi2 * S2);
}

// The second moment about the first axis and its moduli to the fibres at
// e_pos and e_neg.
static void Set_First_Axis(double* r, double I, double e_pos, double e_neg) {
    r[8] = I;
    r[2] = Over(I, e_pos);
    r[3] = Over(I, e_neg);
}

static void Set_Second_Axis(double* r, double I, double e_pos, double e_neg) {
    r[9] = I;
    r[4] = Over(I, e_pos);
    r[5] = Over(I, e_neg);
}

// A solid rectangle w × H.
static void Rectangle_Values(const float* v, double* r) {
    double w = v[0], H = v[1];
    r[0] = w * H;
    Set_First_Axis(r, w * H * H * H / 12, H / 2, -H / 2);
    Set_Second_Axis(r, H * w * w * w / 12, w / 2, -w / 2);
    r[6] = r[7] = 2 * r[0] / 3;
    r[1] = Calc_Rectangle_Torsion(&r[10], w, H);
    r[12] = H / 2;
    r[13] = -w / 2, r[14] = w / 2;
    r[16] = H;
}

// A tee: a flange b × t and a web hw × tw.
static void Tee_Values(const float* v, double* r) {
    double b = v[0], t = v[3], hw = v[1], tw = v[2];
    double Af = b * t, Aw = hw * tw, A = Af + Aw, H = t + hw;
    double zs = A != 0 ? (Aw * (hw / 2 + t) + Af * t / 2) / A : 0.0;
    double I1 = b * t * t * t / 12 + Af * (zs - t / 2) * (zs - t / 2) + tw * hw * hw * hw / 12 +
                Aw * (hw / 2 + t - zs) * (hw / 2 + t - zs);
    r[0] = A;
    Set_First_Axis(r, I1, H - zs, -zs);
    Set_Second_Axis(r, (Af * b * b + Aw * tw * tw) / 12, std::max(b, tw) / 2, -std::max(b, tw) / 2);
    // Static moment of the part beyond the centroid, away from the plate.
    double below = H - zs;
    double S = zs >= t ? tw * below * below / 2 : Aw * (t + hw / 2 - zs) + b * (t - zs) * (t - zs) / 2;
    r[6] = Web_Shear_Area(I1, zs >= t ? tw : b, S);
    r[7] = 2 * A / 3;
    r[1] = Calc_Rectangle_Torsion(&r[10], H, b);
    r[12] = zs;
    double w = std::max(b, tw);
    r[13] = -w / 2, r[14] = w / 2;
    r[16] = H;
}

// An I of three plates: flange, web and the third plate.
static void I_Values(const float* v, double* r) {
    double t1 = v[0], b1 = v[1], hw = v[2], tw = v[3], t3 = v[4], b3 = v[5];
    double A1 = t1 * b1, Aw = hw * tw, A3 = t3 * b3, A = A1 + Aw + A3, H = t1 + hw + t3;
    double z1 = t3 + hw + t1 / 2, zw = t3 + hw / 2, z3 = t3 / 2;  // from the face of the third plate
    double zs = A != 0 ? (A1 * z1 + Aw * zw + A3 * z3) / A : 0.0;
    double I1 = b1 * t1 * t1 * t1 / 12 + A1 * (z1 - zs) * (z1 - zs) + tw * hw * hw * hw / 12 +
                Aw * (zw - zs) * (zw - zs) + b3 * t3 * t3 * t3 / 12 + A3 * (z3 - zs) * (z3 - zs);
    double w = std::max({b1, tw, b3});
    r[0] = A;
    Set_First_Axis(r, I1, H - zs, -zs);
    Set_Second_Axis(r, (b1 * b1 * A1 + tw * tw * Aw + b3 * b3 * A3) / 12, w / 2, -w / 2);
    double S = zs >= t3 ? A3 * (zs - t3 / 2) + tw * (zs - t3) * (zs - t3) / 2 : b3 * zs * zs / 2;
    r[6] = Web_Shear_Area(I1, zs >= t3 ? tw : b3, S);
    r[7] = 2 * A / 3;
    r[1] = Calc_Rectangle_Torsion(&r[10], tw, H);
    r[12] = zs;
    r[13] = -w / 2, r[14] = w / 2;
    r[16] = H;
}

// A round bar or a tube of outer and inner diameter.
static void Circle_Values(const float* v, double* r) {
    double ra = v[0] / 2.0, ri = v[1] / 2.0;
    double I = (ra * ra * ra * ra - ri * ri * ri * ri) * kPi / 4;
    r[0] = (ra * ra - ri * ri) * kPi;
    Set_First_Axis(r, I, ra, -ra);
    Set_Second_Axis(r, I, ra, -ra);
    r[10] = 2 * I;
    r[1] = Over(r[10], ra);
    r[6] = r[7] = (ri == 0 ? 0.75 : 0.5) * r[0];
    r[12] = ra;
    r[13] = -ra, r[14] = ra;
    r[16] = v[0];
}

// Section values given in SI units (m, m², m⁴), turned into mm.
static void Given_SI_Values(const float* v, double* r) {
    double A = 1e4 * v[0], I1 = 1e8 * v[1], I2 = 1e8 * v[2], w = 100.0 * v[4], H = 100.0 * v[5];
    auto distance = [](double I, float W, double fallback) {
        return W != 0 ? std::fabs(1e-6 * I / W) : fallback;
    };
    double e1p = distance(I1, v[9], H / 2), e1n = distance(I1, v[10], H / 2);
    double e2p = distance(I2, v[11], w / 2), e2n = distance(I2, v[12], w / 2);
    r[0] = A;
    Set_First_Axis(r, I1, e1p, -e1n);
    Set_Second_Axis(r, I2, e2p, -e2n);
    r[6] = r[7] = 2 * A / 3;
    r[10] = 1e8 * v[3];
    r[12] = e1n;
    r[13] = -w / 2, r[14] = w / 2;
    r[16] = H;
}

int Calc_Simple_Section_Values(int kind, const float* values, double* results, int count) {
    if (count < 1 || values == nullptr || results == nullptr) return 0;
    double r[SIMPLE_SECTION_RESULTS] = {};
    const float* v = values;
    switch (kind) {
    case SIMPLE_SECTION_RECTANGLE: Rectangle_Values(v, r); break;
    case SIMPLE_SECTION_T: Tee_Values(v, r); break;
    case SIMPLE_SECTION_I: I_Values(v, r); break;
    case SIMPLE_SECTION_CIRCLE: Circle_Values(v, r); break;
    case SIMPLE_SECTION_SI_VALUES: Given_SI_Values(v, r); break;
    default:
        r[0] = 1e4 * v[0];
        r[2] = 1e6 * v[3];
        r[3] = 1e6 * v[2];
        break;
    }
    for (int i = 0; i < count; i++) results[i] = i < SIMPLE_SECTION_RESULTS ? r[i] : 0.0;
    return 0;
}

int Calc_Parametric_Section_Values(int family, const float* values, int options, Parametric_Section_Values* result) {
    if (result == nullptr) return 0;
    std::memset(result, 0, sizeof *result);
    if (values == nullptr) return 0;
    const float* v = values;
    switch (family) {
    case PROFIL_FAMILY_I:
    case PROFIL_FAMILY_T:
    case PROFIL_FAMILY_U:
    case PROFIL_FAMILY_L:
    case PROFIL_FAMILY_Z:
        if (options & PARAMETRIC_BASIC_VALUES) {
            Open_Shape_Values(family, v[0], v[1], v[2], v[3], result);
            result->flags |= PARAMETRIC_BASIC_VALUES;
        }
        if (options & PARAMETRIC_TORSION) {
            result->I_T = Open_Shape_Torsion(family, v[0], v[1], v[2], v[3]);
            result->flags |= PARAMETRIC_TORSION;
        }
        return 1;
    case PROFIL_FAMILY_RHS:
        Hollow_Rectangle_Values(v[0], v[1], v[2], v[3], options, result);
        return 1;
    case PROFIL_FAMILY_TUBE:
        Tube_Values(v[0], v[2], options, result);
        return 1;
    case 13:
        Unequal_I_Values(v, options, result);
        return 1;
    default:
        return 0;
    }
}

namespace {

// The outline's torsion constant as the published tables have it: a
// double-T's the lower of the two fillet formulas the tables follow; the
// others the lower of the sum with their fillets and the plates' own sum
// (the corner families' fillet gain lies above their tables, and the
// profile file holds the plates' sum for tees and angles without one).
double Outline_Torsion(char letter, const Catalogue_Section& s) {
    if (letter == 'D' || !(s.I_t_thin > 0)) return s.I_t[0];
    return std::min(s.I_t[0], s.I_t_thin);
}

}  // namespace

int Calc_Rolled_Section_Values(int family, const float* values, double r_root, double r_toe, int options,
                               Parametric_Section_Values* r) {
    if (!r) return 0;
    std::memset(r, 0, sizeof *r);
    if (!values || !(r_root >= 0) || !(r_toe >= 0)) return 0;
    const float* v = values;
    if (family == PROFIL_FAMILY_Q22) {
        Unequal_I_Values(v, options, r, r_root, r_root);
        return r->flags != 0 || options == 0;
    }
    static const char kLetters[] = {0, 'D', 'T', 'U', 0, 'L', 'Z'};
    const char letter = family >= 1 && family <= 6 ? kLetters[family] : 0;
    if (!letter) return 0;
    const double h = v[0], b = v[1], tw = v[2], tf = v[3];
    const Catalogue_Outline o = {letter, h, b, tw, tf, r_root, r_toe, 0.0, 0.0};
    Catalogue_Section s;
    if (!Catalogue_Outline_Section(&o, &s)) return 0;
    if (options & PARAMETRIC_BASIC_VALUES) {
        // The outline stands with z up and its box's lower left corner at
        // the origin (a channel's back, an angle's heel, a Z's upper
        // flange to the left); the model is that outline turned half round
        // about its box's centre, y across, z down.
        Composed c;
        c.area = s.A;
        c.y_s = b / 2 - s.e_y;
        c.z_s = h / 2 - s.e_z;
        c.I_1 = s.I_y;
        c.I_2 = s.I_z;
        // the product moment from the principal axes (the half turn keeps it)
        const double theta = std::atan(s.tan_alpha);
        c.I_yz = -(s.I_1 - s.I_2) / 2 * std::sin(2 * theta);
        r->area = c.area, r->y_s = c.y_s, r->z_s = c.z_s;
        r->width = b, r->height = h;
        if (letter == 'L' || letter == 'Z') {
            double k[8][2];
            const int n = Sharp_Corners(family, h, b, tw, tf, k);
            Principal_Moduli(r, c, k, n, b, h);
        } else {
            r->I_1 = c.I_1, r->I_2 = c.I_2;
            Box_Moduli(r, b, h);
        }
        r->flags |= PARAMETRIC_BASIC_VALUES;
    }
    if (options & PARAMETRIC_TORSION) {
        r->I_T = Outline_Torsion(letter, s);
        r->flags |= PARAMETRIC_TORSION;
    }
    return 1;
}

int Match_Second_Word(const int32_t* record, int32_t value) { return record != nullptr && record[1] == value; }

int Match_Third_Word(const int32_t* record, int32_t value) { return record != nullptr && record[2] == value; }
