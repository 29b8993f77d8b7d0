// The full-penetration butt weld all round of the DIN 18800 path: the weld
// is the section it joins, so its section values are the profile's own
// (the section model's, with the catalogue's root fillets where it has
// them; a profile typed in is its plates), without any throat. Its
// stresses: N' (the normal force less its share by contact), M_y and M_z
// over that section at the corners of the profile's outline (the extremes
// of a plane stress field over a polygon lie at its corners); the shear
// force of each plate taken evenly by the plates along it (V_z by the
// webs, V_y by the flanges); the torsion, M_x with the moment of that
// shear split about the centroid, by St. Venant over the plates of an open
// section (tau = M_t t / I_T, the plates' I_T without the fillets, each
// plate with its own thickness) and by Bredt in a closed one. The limits
// are DIN 18800-1's for butt welds whose quality is not proven: alpha_w
// f_y,k / gamma_M in tension and shear (alpha_w 0.95 up to the f_y,k of St
// 37, 0.80 above), f_y,k / gamma_M in compression, of the weaker part
// joined; a point's comparison value sqrt(sigma² + tau²) takes each
// stress against its own limit. Those limits lie above what the base metal
// takes in shear (0.95 f_y,k against f_y,k / sqrt 3): every point is also
// held against the weaker part joined, its comparison stress sqrt(sigma² +
// 3 tau²) against f_y,k / gamma_M, and the weld's utilisation is the
// larger.
#include <algorithm>
#include <cmath>

#include "profiles/parametric_section_values.h"
#include "weldcheck/din_check.h"
#include "weldcheck/din_internal.h"

namespace {

constexpr double kSqrt3 = 1.7320508075688772;

// St. Venant's torsion constant of a plate (cm⁴): the rectangle's exact
// series, as the Eurocode's joined section takes it; below L s³ / 3 by its
// free ends, as a thick plate must be taken.
double Rectangle_I_T(const Din_Plate& p) {
    double I_T = 0.0;
    Calc_Rectangle_Torsion(&I_T, p.y1 - p.y0, p.z1 - p.z0);
    return I_T;
}

// The plate's thickness: its lesser side (cm).
double Thickness(const Din_Plate& p) { return std::min(p.y1 - p.y0, p.z1 - p.z0); }

double Area(const Din_Plate& p) { return (p.y1 - p.y0) * (p.z1 - p.z0); }

// The distance (cm) of the point from the plate's rectangle; 0 inside.
double Distance(const Din_Plate& p, double y, double z) {
    const double dy = std::max({p.y0 - y, 0.0, y - p.y1}), dz = std::max({p.z0 - z, 0.0, z - p.z1});
    return std::hypot(dy, dz);
}

// The shear stress (kN/cm²) at a point of the joined section: that of the
// plate it lies on; a point between plates (a root fillet, a rounded
// corner) takes the larger of the plates nearest to it.
double Shear_At(const Din_Plates& P, const double* tau, double y, double z, double reach) {
    double nearest = 1e300;
    for (int i = 0; i < P.n; i++) nearest = std::min(nearest, Distance(P.p[i], y, z));
    double t = 0.0;
    for (int i = 0; i < P.n; i++)
        if (Distance(P.p[i], y, z) <= nearest + reach) t = std::max(t, tau[i]);
    return t;
}

// A point's ratios against the limits: its normal stress (tension or
// compression), and its comparison value, each stress against its own
// limit (kN/cm²).
struct Limits {
    double t, c;  // tension and shear; compression
    double b;     // the base metal: f_y,k / gamma_M of the weaker part
};

double Normal_Ratio(const Limits& R, double sigma) { return sigma >= 0.0 ? sigma / R.t : -sigma / R.c; }

double Comparison_Ratio(const Limits& R, double sigma, double tau) {
    return std::hypot(Normal_Ratio(R, sigma), tau / R.t);
}

// The extremes over the points of the section: the stresses (kN/cm²) and
// points (cm from the centroid) of sigma_max, sigma_min, tau and the
// governing comparison value, with the three ratios and what governs each;
// and the point of the base metal's largest comparison stress with its
// ratio.
struct Butt_Extremes {
    bool any = false;
    double s_max = 0, s_min = 0, t_max = 0, t_T = 0, sv = 0;
    double at[4][2] = {};
    double U[3] = {0, 0, 0};
    bool tension_governs = true;
    double base_s = 0, base_t = 0, base_U = 0, base_at[2] = {};
    void Take(const Limits& R, double s, double t, double t_T_here, double y, double z) {
        // hypot: squared, a stress near the smallest double would vanish
        const double u_b = std::hypot(s, kSqrt3 * t) / R.b;
        if (!any || u_b > base_U) base_U = u_b, base_s = s, base_t = t, base_at[0] = y, base_at[1] = z;
        if (!any || s > s_max) s_max = s, at[0][0] = y, at[0][1] = z;
        if (!any || s < s_min) s_min = s, at[1][0] = y, at[1][1] = z;
        if (!any || t > t_max) t_max = t, at[2][0] = y, at[2][1] = z;
        const double u1 = Normal_Ratio(R, s), u3 = Comparison_Ratio(R, s, t);
        if (!any || u1 > U[0]) U[0] = u1, tension_governs = s >= 0.0;
        U[1] = std::max(U[1], t / R.t);
        if (!any || u3 > U[2]) U[2] = u3, sv = std::hypot(s, t), at[3][0] = y, at[3][1] = z;
        t_T = std::max(t_T, t_T_here);
        any = true;
    }
};

// Stores the extremes (kN/cm² in, N/mm² out) and the utilisations; names
// the limit that governs.
void Store(GeschweissterAnschluss* r, const Butt_Extremes& e, const Limits& R, double* U) {
    Anschluss_Nahtwerte& v = r->weld_values;
    v.sigma_R_d = 10 * R.t;
    r->sigma_w_R_d_compression = 10 * R.c;
    v.sigma_max = 10 * e.s_max, v.sigma_min = 10 * e.s_min, v.tau = 10 * e.t_max, v.tau_T = 10 * e.t_T;
    v.sigma_v = 10 * e.sv;
    for (int k = 0; k < 4; k++) v.point[k][0] = e.at[k][0], v.point[k][1] = e.at[k][1];
    for (int k = 0; k < 3; k++) U[k] = r->U_w[k] = e.U[k];
    Anschluss_Grundwerkstoff& b = r->base_metal;
    b.sigma = 10 * e.base_s, b.tau = 10 * e.base_t, b.sigma_v = 10 * std::hypot(e.base_s, kSqrt3 * e.base_t);
    b.point[0] = e.base_at[0], b.point[1] = e.base_at[1];
    b.U = e.base_U;
    // Where both say the same (a compression the weld takes as its parts
    // do), the weld is named.
    b.governs = e.base_U > std::max({e.U[0], e.U[1], e.U[2]}) * (1.0 + 1e-9);
    // A comparison value that only repeats one of its stresses names that
    // stress.
    const double single = std::max(e.U[0], e.U[1]);
    if (!(e.U[2] > single * (1.0 + 1e-9)) && single > 0.0)
        r->butt_governs = e.U[1] > e.U[0]           ? ANSCHLUSS_BUTT_SHEAR
                          : e.tension_governs       ? ANSCHLUSS_BUTT_TENSION
                                                    : ANSCHLUSS_BUTT_COMPRESSION;
    else
        r->butt_governs = e.U[2] > 0.0 ? ANSCHLUSS_BUTT_COMPARISON : ANSCHLUSS_BUTT_NONE;
}

// The corner radii (cm) of a rectangular tube: a catalogue tube's those its
// record gives, a typed one's as it was given; 0 for sharp corners.
struct Tube_Corners {
    double r_o, r_i;
};
Tube_Corners Corners_Of(const GeschweissterAnschluss* r) {
    const Din_Corners c = Din_Corners_Of(r, KEHLNAHT_RHS);
    return {0.1 * c.outer, 0.1 * c.bottom};
}

// The joined section as a weld group about its centroid (y_c, z_c), with
// the plates' shear split: the section's values, the shear areas of its
// plates, no more in all than the section's area.
Din_Weld_Group Group_Of_Section(const Din_Joined_Section& sv, const Din_Plates& P, double y_c, double z_c) {
    Din_Weld_Group g = {};
    g.A = sv.A, g.y_s = y_c, g.z_s = z_c, g.I_y = sv.I_y, g.I_z = sv.I_z, g.I_yz = sv.I_yz;
    double Sy = 0, Sz = 0;
    for (int i = 0; i < P.n; i++) {
        const Din_Plate& p = P.p[i];
        const double A = Area(p);
        if (p.role & DIN_ROLE_V_Z) g.A_z += A, Sy += A * (p.y0 + p.y1) / 2;
        if (p.role & DIN_ROLE_V_Y) g.A_y += A, Sz += A * (p.z0 + p.z1) / 2;
    }
    g.y_Az = g.A_z > 0.0 ? Sy / g.A_z : y_c;
    g.z_Ay = g.A_y > 0.0 ? Sz / g.A_y : z_c;
    // Rounded corners make the section less than its plates.
    const double share = P.n > 1 && g.A_y + g.A_z > sv.A ? sv.A / (g.A_y + g.A_z) : 1.0;
    g.A_y *= share, g.A_z *= share;
    return g;
}

// The torsion stress (kN/cm² per kNcm) of each plate: St. Venant over the
// plates of an open section; round the walls of a rectangular tube the
// closed tube's at the faces of each wall, its cell's flow over the wall
// and the wall's own St. Venant share (A_m on the walls' midline, rounded
// at the corners, as the tube's own torsion values have it; Bredt's flow
// alone put an MSH 140 x 140 x 16's 18 % low); the torsion values into the
// weld values.
void Torsion_Per_Plate(GeschweissterAnschluss* r, int T, const Din_Plates& P, double* per_unit) {
    Anschluss_Nahtwerte& v = r->weld_values;
    if (T == KEHLNAHT_RHS) {
        const Tube_Corners c = Corners_Of(r);
        Closed_Tube_Torsion tube;
        if (P.n == 0 || !Calc_Closed_Tube_Torsion(0.1 * r->h2, 0.1 * r->b2, 0.1 * r->s2, 0.1 * r->t2, c.r_o, c.r_i, &tube))
            return;
        for (int i = 0; i < P.n; i++) per_unit[i] = Closed_Tube_Wall_Shear(&tube, Thickness(P.p[i]));
        v.W_t = tube.W_T;
        v.I_t = tube.I_T;
        return;
    }
    double I_T = 0.0, t_max = 0.0;
    for (int i = 0; i < P.n; i++) I_T += Rectangle_I_T(P.p[i]), t_max = std::max(t_max, Thickness(P.p[i]));
    for (int i = 0; i < P.n; i++) per_unit[i] = I_T > 0.0 ? Thickness(P.p[i]) / I_T : 0.0;
    v.I_t = I_T;
    v.W_t = t_max > 0.0 ? I_T / t_max : 0.0;
}

// The section of the families with an outline of plates: the corners of
// the outline.
void Outline_Points(GeschweissterAnschluss* r, int T, const Limits& R, const Din_Joined_Section& sv,
                    const Din_Outline& o, double* U) {
    const Din_Plates P = Din_Plates_Of(r, T);
    Din_Weld_Group g = Group_Of_Section(sv, P, o.y_c, o.z_c);
    if (T == KEHLNAHT_RHS && Corners_Of(r).r_o > 0.0) {
        // A rounded tube's walls carry their shear between the walls across
        // them: the flanges over the full width with the corners took V_y on
        // a fifth more than there is (MSH 80 x 80 x 8.8).
        const double h = 0.1 * r->h2, b = 0.1 * r->b2, t = 0.1 * r->t2, s = 0.1 * r->s2;
        g.A_y = 2 * std::max(b - 2 * s, 0.0) * t, g.A_z = 2 * std::max(h - 2 * t, 0.0) * s;
    }
    Anschluss_Nahtwerte& v = r->weld_values;
    v.A_w = g.A, v.I_y = g.I_y, v.I_z = g.I_z, v.I_yz = g.I_yz, v.y_s = g.y_s, v.z_s = g.z_s;
    r->A_w_y = g.A_y, r->A_w_z = g.A_z;
    Din_Principal_Axes(v);
    double per_unit[DIN_PLATES_MAX] = {}, tau[DIN_PLATES_MAX] = {}, tau_T[DIN_PLATES_MAX] = {};
    Torsion_Per_Plate(r, T, P, per_unit);
    const Din_Weld_Forces f = Din_Forces_About(r, g, o.y_c, o.z_c);
    for (int i = 0; i < P.n; i++) {
        const int role = P.p[i].role;
        const double t_y = role & DIN_ROLE_V_Y && g.A_y > 0.0 ? f.V_y / g.A_y : 0.0;
        const double t_z = role & DIN_ROLE_V_Z && g.A_z > 0.0 ? f.V_z / g.A_z : 0.0;
        tau_T[i] = std::fabs(f.M_t) * per_unit[i];
        tau[i] = std::hypot(t_y, t_z) + tau_T[i];
    }
    // Points between plates lie within a root fillet or a rounded corner.
    const double reach = 0.1 * std::max(r->r2, 0.0) + 0.15 * std::max(r->t2, r->s2) + 1e-4;
    Butt_Extremes e;
    for (int j = 0; j < std::min(o.n, static_cast<int>(KEHLNAHT_POINTS)); j++) {
        const double dy = o.y[j] - g.y_s, dz = o.z[j] - g.z_s;
        const double t = Shear_At(P, tau, o.y[j], o.z[j], reach);
        e.Take(R, Din_Weld_Sigma(g, f, dy, dz), t, Shear_At(P, tau_T, o.y[j], o.z[j], reach), dy, dz);
    }
    Store(r, e, R, U);
}

// The circular tube (its wall of diameter d, thickness t, cm): 73 points
// round the outer face; the shear of each shear force as in a thin ring
// (2 V / A at its largest, above V Q / (I b) of any thick tube), the
// torsion M_t r / I_p.
void Tube_Points(GeschweissterAnschluss* r, const Limits& R, double* U) {
    const double d = 0.1 * r->h2, t = 0.1 * r->s2, di = std::max(d - 2 * t, 0.0), rr = d / 2;
    Anschluss_Nahtwerte& v = r->weld_values;
    v.A_w = M_PI * (d * d - di * di) / 4;
    v.I_y = v.I_z = v.I_1 = v.I_2 = M_PI * (d * d * d * d - di * di * di * di) / 64;
    v.I_t = 2 * v.I_y, v.W_t = rr > 0.0 ? v.I_t / rr : 0.0;
    v.perimeter = M_PI * d;
    r->A_w_y = r->A_w_z = v.A_w;
    if (!(v.A_w > 0.0) || !(v.I_y > 0.0)) return;
    const double* f = r->load;
    const double N = Din_Weld_Normal_Force(r), M_y = 100 * f[ANSCHLUSS_M_Y], M_z = 100 * f[ANSCHLUSS_M_Z];
    const double t_T = std::fabs(Din_Torsion_kNcm(r)) / v.W_t;
    Butt_Extremes e;
    for (int i = 0; i <= 72; i++) {
        const Din_Ring_Point at = Din_Ring_At(i, rr, f[ANSCHLUSS_V_Y], f[ANSCHLUSS_V_Z], v.A_w);
        e.Take(R, N / v.A_w + M_y / v.I_y * at.z - M_z / v.I_z * at.y, at.t_V + t_T, t_T, at.y, at.z);
    }
    Store(r, e, R, U);
}

// The round bar of diameter d (cm): along the radius of the resultant
// moment as the profile's check takes it (torsion growing with the radius,
// the shear force's 4/3 V / A falling off to the face), on the tension and
// the compression side, and round the face.
void Round_Points(GeschweissterAnschluss* r, const Limits& R, double* U) {
    const double d = 0.1 * r->h2, rr = d / 2;
    Anschluss_Nahtwerte& v = r->weld_values;
    v.A_w = M_PI * d * d / 4;
    v.I_y = v.I_z = v.I_1 = v.I_2 = M_PI * d * d * d * d / 64;
    v.I_t = 2 * v.I_y, v.W_t = rr > 0.0 ? v.I_t / rr : 0.0;
    v.perimeter = M_PI * d;
    r->A_w_y = r->A_w_z = v.A_w;
    if (!(v.A_w > 0.0)) return;
    const double* f = r->load;
    const double s_N = Din_Weld_Normal_Force(r) / v.A_w;
    const double s_M = std::hypot(100 * f[ANSCHLUSS_M_Y], 100 * f[ANSCHLUSS_M_Z]) * rr / v.I_y;
    const double t_V = 4.0 / 3.0 * std::hypot(f[ANSCHLUSS_V_Y], f[ANSCHLUSS_V_Z]) / v.A_w;
    const double t_T = std::fabs(Din_Torsion_kNcm(r)) / v.W_t;
    Butt_Extremes e;
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i <= 10; i++) {
            const double rho = 1.0 - 0.1 * i;
            e.Take(R, s_N + side * rho * s_M, rho * t_T + (1 - rho * rho) * t_V, rho * t_T, side * rho * rr, 0.0);
        }
    // Round the face, where the bending stress meets the shear of a force
    // across it: (4/3) V / A times the cosine of the angle from the force's
    // neutral axis (a force along y shears the face at the top and bottom
    // fully, where M_y bends it most; the line above gave it none there).
    const double M_y = 100 * f[ANSCHLUSS_M_Y], M_z = 100 * f[ANSCHLUSS_M_Z], k_V = 4.0 / (3.0 * v.A_w);
    for (int i = 0; i < 72; i++) {
        const double phi = i * 5.0 * M_PI / 180.0, y = rr * std::cos(phi), z = rr * std::sin(phi);
        const double t = k_V * (std::fabs(f[ANSCHLUSS_V_Z] * y) + std::fabs(f[ANSCHLUSS_V_Y] * z)) / rr + t_T;
        e.Take(R, s_N + (M_y * z - M_z * y) / v.I_y, t, t_T, y, z);
    }
    Store(r, e, R, U);
}

}  // namespace

double Din_Weld_Utilisation(const GeschweissterAnschluss* r) {
    if (!r) return 0.0;
    const double U = std::max({r->U_w[0], r->U_w[1], r->U_w[2]});
    return r->full_penetration ? std::max(U, r->base_metal.U) : U;
}

Din_Plates Din_Plates_Of(const GeschweissterAnschluss* r, int T) {
    Din_Plates P = {};
    const double h = r->h2, b = r->b2, t = r->t2, s = r->s2;
    const Din_Corners c = Din_Corners_Of(r, T);
    // A rectangle of the geometry (x, y in mm) in the evaluation's axes,
    // with its clear width (mm).
    auto add = [&P](double x0, double x1, double y0, double y1, int role, bool internal, double clear) {
        if (P.n >= DIN_PLATES_MAX || !(x1 > x0) || !(y1 > y0)) return;
        P.p[P.n++] = {-0.1 * x1, -0.1 * x0, 0.1 * y0, 0.1 * y1, role, internal, std::max(0.1 * clear, 0.0)};
    };
    // A tube's wall: between its inner corners, or its outer face's flat
    // where that is the longer.
    auto wall = [&c](double width, double walls) {
        return std::max(width - walls - 2 * c.top, c.outer > 0.0 ? width - 2 * c.outer : 0.0);
    };
    switch (T) {
    case KEHLNAHT_I:
        add(-b / 2, b / 2, 0, t, DIN_ROLE_V_Y, false, (b - s) / 2 - c.top);
        add(-b / 2, b / 2, h - t, h, DIN_ROLE_V_Y, false, (b - s) / 2 - c.bottom);
        add(-s / 2, s / 2, t, h - t, DIN_ROLE_V_Z, true, h - 2 * t - c.top - c.bottom);
        break;
    case KEHLNAHT_RHS:
        add(-b / 2, b / 2, 0, t, DIN_ROLE_V_Y, true, wall(b, 2 * s));
        add(-b / 2, b / 2, h - t, h, DIN_ROLE_V_Y, true, wall(b, 2 * s));
        add(-b / 2, -b / 2 + s, t, h - t, DIN_ROLE_V_Z, true, wall(h, 2 * t));
        add(b / 2 - s, b / 2, t, h - t, DIN_ROLE_V_Z, true, wall(h, 2 * t));
        break;
    case KEHLNAHT_CHANNEL:
        add(0, b, 0, t, DIN_ROLE_V_Y, false, b - s - c.top);
        add(0, b, h - t, h, DIN_ROLE_V_Y, false, b - s - c.bottom);
        add(0, s, t, h - t, DIN_ROLE_V_Z, true, h - 2 * t - c.top - c.bottom);
        break;
    case KEHLNAHT_TEE:
        add(-b / 2, b / 2, 0, t, DIN_ROLE_V_Y, false, (b - s) / 2 - c.top);
        add(-s / 2, s / 2, t, h, DIN_ROLE_V_Z, false, h - t - c.top);
        break;
    case KEHLNAHT_ANGLE: {
        // The catalogue draws both legs of the thickness s.
        const double t_h = r->catalogue == 1 ? s : t;
        add(0, s, 0, h - t_h, DIN_ROLE_V_Z, false, h - t_h - c.top);
        add(0, b, h - t_h, h, DIN_ROLE_V_Y, false, b - s - c.top);
        break;
    }
    case KEHLNAHT_FLAT: add(-t / 2, t / 2, 0, h, DIN_ROLE_V_Y | DIN_ROLE_V_Z, false, h); break;
    default: break;
    }
    return P;
}

void Check_Full_Penetration(GeschweissterAnschluss* r, const Din_Strengths& s, const Din_Joined_Section& sv,
                            const Din_Outline& o, int T, double* U) {
    U[0] = U[1] = U[2] = 0.0;
    if (!r) return;
    r->weld_values = {};
    r->A_w_y = r->A_w_z = 0.0;
    r->a_w_designed = 0.0;
    r->butt_governs = ANSCHLUSS_BUTT_NONE;
    // The weaker of the two parts joined (kN/cm²).
    const double gamma = r->load[ANSCHLUSS_GAMMA_M];
    const double f_y = std::min(s.f_y, s.f_y_plate);
    const Limits R = {0.1 * s.sigma_w_R_d, 0.1 * f_y / gamma, 0.1 * f_y / gamma};
    const bool plate = s.f_y_plate < s.f_y;
    r->base_metal = {};
    r->base_metal.part = plate ? ANSCHLUSS_PART_PLATE : ANSCHLUSS_PART_PROFILE;
    r->base_metal.t = plate ? r->t_p : Din_Governing_Thickness(r, T);
    r->base_metal.f_y = f_y;
    r->base_metal.sigma_R_d = f_y / gamma;
    if (T == KEHLNAHT_CHS) Tube_Points(r, R, U);
    else if (T == KEHLNAHT_ROUND) Round_Points(r, R, U);
    else if (sv.A > 0.0 && sv.I_y * sv.I_z - sv.I_yz * sv.I_yz > 1e-12 && o.has_centroid)
        Outline_Points(r, T, R, sv, o, U);
    else
        Din_Input_Error(r);
    // A section that could take no force is an input error.
    if (!(r->weld_values.A_w > 0.0)) Din_Input_Error(r);
}
