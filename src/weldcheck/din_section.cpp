// Section values and stresses of the profile end of the welded connection
// (DIN 18800 path): the profile taken over from the profile file or built
// from its dimensions, its section model, its stresses under the six
// internal forces and their utilisations, then the welds by family, and the
// design strengths the weld checks share.
#include "weldcheck/din_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/textio.h"
#include "codes/nad_file.h"
#include "codes/stguete.h"
#include "profiles/kehlnaht_geometry.h"
#include "profiles/catalogue_outline.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/profil_file.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profil_reader.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_switches.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/section_stress.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb.h"
#include "weldcheck/din_internal.h"
#include "weldcheck/joined_section.h"

namespace {

constexpr double kInvSqrt3 = 0.5773502691896258;

bool Positive(double v) { return std::isfinite(v) && v > 0.0; }

// f_y,k and alpha_w of a grade code for thickness t; own values where the
// code says so. An own alpha_w is never more than that of the listed grade
// of its f_y,k's band (Get_Din_Own_Alpha_w): a larger one would claim a
// weld stronger than the standard gives that steel's.
void Grade_Values(int code, double t, double own_f_y, double own_alpha_w, double* f_y, double* alpha_w) {
    if (code == DIN_GRADE_OWN_VALUES) {
        *f_y = own_f_y;
        *alpha_w = std::min(own_alpha_w, Get_Din_Own_Alpha_w(own_f_y));
        return;
    }
    const unsigned int c = static_cast<unsigned int>(code);
    *f_y = Get_Stahlguete_fy(c, t);
    *alpha_w = Get_Stahlguete_Record(c)->alpha_w;
}

// The name of the record as a catalogue name: at most 55 characters, no
// trailing blanks.
void Catalogue_Name(const GeschweissterAnschluss* r, char* out, size_t size) {
    std::snprintf(out, size, "%.*s", static_cast<int>(strnlen(r->profile_name, ANSCHLUSS_NAME_SIZE)), r->profile_name);
    for (size_t n = std::strlen(out); n > 0 && out[n - 1] == ' '; n--) out[n - 1] = '\0';
}

// The section model's values (cm) of the table qw into the record's
// profile values, and the joined section's (A and the second moments in
// the model's own axes) into joined.
void Take_Model_Values(GeschweissterAnschluss* r, int T, const double* qw, Din_Joined_Section* joined) {
    Anschluss_Profilwerte& p = r->profile_values;
    p.A = qw[DWQB_QW_A];
    p.I_y = T == KEHLNAHT_ANGLE ? qw[DWQB_QW_I1] : qw[DWQB_QW_IY];
    p.I_z = T == KEHLNAHT_ANGLE ? qw[DWQB_QW_I2] : qw[DWQB_QW_IZ];
    p.I_T = qw[DWQB_QW_IT];
    p.W_y = qw[DWQB_QW_W1];
    p.W_y_2 = qw[DWQB_QW_W1 + 1];
    // W_z as the model's stresses reach the extreme fibre: the smaller of
    // its two moduli (the closed I formula of the record's dimensions is
    // no modulus of a tube, channel or tee).
    const double W_a = std::fabs(qw[DWQB_QW_W1 + 2]), W_b = std::fabs(qw[DWQB_QW_W1 + 3]);
    if (W_a > 0.0 || W_b > 0.0) p.W_z = W_a > 0.0 && W_b > 0.0 ? std::min(W_a, W_b) : std::max(W_a, W_b);
    *joined = {qw[DWQB_QW_A], qw[DWQB_QW_IY], qw[DWQB_QW_IZ], qw[DWQB_QW_IYZ]};
}

// A catalogue profile's centroid as the profile file gives it (a tee's
// from the tip of its web, a channel's from the back of its web, an
// angle's from the backs of its legs), in the outline's axes (cm; the
// outline's top edge at 0, its height h mm): the outline draws each root
// fillet with two or three chords, which put the centroid of 1/2 IPE 300
// 0.2 mm nearer its flange and the lever of N on its welds that much off.
void Catalogue_Centroid(const char* name, int T, double h, Din_Outline* o) {
    if (T != KEHLNAHT_TEE && T != KEHLNAHT_CHANNEL && T != KEHLNAHT_ANGLE) return;
    float x[PROFIL_VALUES] = {};
    char code[PROFIL_CODE_SIZE] = {};
    if (Get_Profil_Values(name, x, code) <= 0) return;
    const double e_z = x[6], e_y = x[7];
    if (T != KEHLNAHT_CHANNEL && e_z > 0.0 && e_z < 0.1 * h) o->z_c = 0.1 * h - e_z;
    if (T != KEHLNAHT_TEE && e_y > 0.0) o->y_c = -e_y;
}

// Profile stresses of the section model under the record's forces.
void Model_Stresses(GeschweissterAnschluss* r, int T, const Din_Strengths& s) {
    Anschluss_Profilwerte& p = r->profile_values;
    const double* f = r->load;
    const double N = f[ANSCHLUSS_N], V_y = f[ANSCHLUSS_V_Y], V_z = f[ANSCHLUSS_V_Z];
    Calc_Section_Stress_Extremes(N, V_y, V_z, Din_Torsion_kNcm(r), 100.0 * f[ANSCHLUSS_M_Y], 100.0 * f[ANSCHLUSS_M_Z],
                                 0.0, 0.0);
    const Section_Stress_Extremes& e = Profil_DWQB_Extremes;
    p.sigma_max = 10.0 * e.sigma_max;
    p.sigma_min = 10.0 * e.sigma_min;
    p.tau = 10.0 * std::fabs(e.tau_abs);
    p.sigma_v = 10.0 * e.sv_max;
    if (T == KEHLNAHT_ROUND) {
        // Solid circle: the largest shear stress of the shear force is 4/3
        // of its mean.
        const double rr = 0.5 * r->h2;
        p.tau = 4.0 * std::hypot(V_y, V_z) / (3.0 * M_PI * rr * rr) * 1000.0;
        p.sigma_v = std::sqrt(p.sigma_max * p.sigma_max + 3.0 * p.tau * p.tau);
    }
    r->U_sigma = std::max(std::fabs(p.sigma_max), std::fabs(p.sigma_min)) / s.sigma_R_d;
    r->U_tau = p.tau / s.tau_R_d;
    r->U_v = p.sigma_v / s.sigma_R_d;
}

// The weld line section of a connection depends on its profile end (the
// outline and its family's roles), its welds' input and the throat, not on
// the load. It is kept beside the kept profile end, which forgets it when
// it is made anew, under the welds' input, the throat and the weld results
// it found in the record (which the section's own values overwrite); a
// load case that finds them the same takes it and the values it left in
// the record.
struct Kept_Weld_Section {
    bool valid;
    double a;
    int weld_kind, end_crater, partial_penetration;
    double l_pos[ANSCHLUSS_WELD_POSITIONS], a_pos[ANSCHLUSS_WELD_POSITIONS];
    Anschluss_Nahtwerte before, after;
    double A_w_y, A_w_z;         // after
    Din_Weld_Line_Section section;
};

Kept_Weld_Section kept_welds = {};

bool Same_Weld_Input(const Kept_Weld_Section& k, const GeschweissterAnschluss* r, double a) {
    return k.valid && k.a == a && k.weld_kind == r->weld_kind && k.end_crater == r->end_crater &&
           k.partial_penetration == r->partial_penetration &&
           std::memcmp(k.l_pos, r->l_pos, sizeof k.l_pos) == 0 && std::memcmp(k.a_pos, r->a_pos, sizeof k.a_pos) == 0 &&
           std::memcmp(&k.before, &r->weld_values, sizeof k.before) == 0;
}

// Calc_Weld_Line_Section of the record with the kept profile end's outline
// o and its family's roles, kept.
const Din_Weld_Line_Section& Weld_Line_Section(GeschweissterAnschluss* r, const Din_Outline& o, const int* roles,
                                               double a) {
    Kept_Weld_Section& k = kept_welds;
    if (Same_Weld_Input(k, r, a)) {
        r->weld_values = k.after;
        r->A_w_y = k.A_w_y, r->A_w_z = k.A_w_z;
        return k.section;
    }
    k.valid = false;
    k.a = a;
    k.weld_kind = r->weld_kind, k.end_crater = r->end_crater, k.partial_penetration = r->partial_penetration;
    std::memcpy(k.l_pos, r->l_pos, sizeof k.l_pos);
    std::memcpy(k.a_pos, r->a_pos, sizeof k.a_pos);
    k.before = r->weld_values;
    k.section = Calc_Weld_Line_Section(r, o, roles, a);
    k.after = r->weld_values;
    k.A_w_y = r->A_w_y, k.A_w_z = r->A_w_z;
    k.valid = true;
    return k.section;
}

// The welds of family T with throat a (the record's designed throat)
// against the strengths s; the three utilisations. The welds of the lines
// take the outline.
void Welds(GeschweissterAnschluss* r, const Din_Strengths& s, int T, double a, const Din_Outline& o, double U[3]) {
    switch (T) {
    case KEHLNAHT_CHS:
        Calc_Tube_Weld_Section(r);
        Check_Tube(r, s, a, &U[0], &U[1], &U[2]);
        break;
    case KEHLNAHT_FLAT:
        Calc_Flat_Section(r);
        Check_Flat(r, s, a, &U[0], &U[1], &U[2]);
        break;
    case KEHLNAHT_ROUND:
        Calc_Round_Section(r);
        Check_Round(r, s, a, &U[0], &U[1], &U[2]);
        break;
    default: {
        const int* roles = Din_Weld_Roles(T);
        const Din_Weld_Line_Section& section = Weld_Line_Section(r, o, roles, a);
        Check_Weld_Lines(r, s, section, o, roles, U, a, T);
        break;
    }
    }
}

// The section values and stresses of the profile of the round shapes and
// the flat bar, which their fillet-weld checks work out beside their welds
// (the section model's of the others stand).
void Bar_Profile(GeschweissterAnschluss* r, const Din_Strengths& s, int T) {
    switch (T) {
    case KEHLNAHT_CHS:
        Calc_Tube_Weld_Section(r);
        Din_Tube_Profile(r, s);
        break;
    case KEHLNAHT_FLAT:
        Calc_Flat_Section(r);
        Din_Flat_Profile(r, s);
        break;
    case KEHLNAHT_ROUND:
        Calc_Round_Section(r);
        Din_Round_Profile(r, s);
        break;
    default: break;
    }
}

// The full-penetration butt weld of family T: the profile's stresses of
// the round shapes and the flat bar (Bar_Profile), then the joined section
// sv against the butt-weld limits.
void Joined_Welds(GeschweissterAnschluss* r, const Din_Strengths& s, int T, Din_Joined_Section sv,
                  const Din_Outline& o, double U[3]) {
    const Anschluss_Profilwerte& p = r->profile_values;
    Bar_Profile(r, s, T);
    switch (T) {
    case KEHLNAHT_FLAT:
        sv = {p.A, p.I_y, p.I_z, 0.0};
        break;
    case KEHLNAHT_RHS: {
        // A typed tube with rounded corners: the section model has them
        // sharp, with the corners' steel.
        Tube_Section rounded;
        if (!r->catalogue && r->r > 0.0 &&
            Rounded_Tube_Section(r->h2, r->b2, r->t2, r->s2, r->r, r->r_inner, &rounded))
            sv = {0.01 * rounded.A, 1e-4 * rounded.I_y, 1e-4 * rounded.I_z, 0.0};
        break;
    }
    default: break;
    }
    Check_Full_Penetration(r, s, sv, o, T, U);
}

// The product moment (cm⁴) of the outline's section about its centroid,
// in the evaluation's axes; 0 without an area.
double Outline_I_yz(const Din_Outline& o) {
    const int n = std::min(o.n, static_cast<int>(KEHLNAHT_POINTS));
    double A = 0, Sy = 0, Sz = 0, Iyz = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double c = o.y[i] * o.z[j] - o.y[j] * o.z[i];
        A += c / 2, Sy += (o.y[i] + o.y[j]) * c / 6, Sz += (o.z[i] + o.z[j]) * c / 6;
        Iyz += c * (o.y[i] * o.z[j] + 2 * o.y[i] * o.z[i] + 2 * o.y[j] * o.z[j] + o.y[j] * o.z[i]) / 24;
    }
    if (A == 0.0) return 0.0;
    return (Iyz - Sy * Sz / A) * (A > 0 ? 1.0 : -1.0);
}

// The section model's values in the outline's axes: the model's product
// moment takes the sign the outline gives it (the model may count y the
// other way round).
Din_Joined_Section In_Outline_Axes(Din_Joined_Section sv, const Din_Outline& o) {
    const double I_yz = Outline_I_yz(o);
    sv.I_yz = std::fabs(sv.I_yz) > 1e-9 * (std::fabs(sv.I_y) + std::fabs(sv.I_z)) ? std::copysign(sv.I_yz, I_yz) : 0.0;
    return sv;
}

// A value the library can work with: finite and within the limit.
bool Within(double v, double limit) { return std::isfinite(v) && std::fabs(v) <= limit; }

}  // namespace

// ---- shared by the weld checks --------------------------------------------------

bool Din_Reentrant(const Kehlnaht_Geometry& g, int j) {
    const int n = std::min(g.n, static_cast<int>(KEHLNAHT_POINTS));
    if (n < 3 || j < 0 || j >= n) return false;
    double area = 0;
    for (int i = 0; i < n; i++) area += g.X[i] * g.Y[(i + 1) % n] - g.X[(i + 1) % n] * g.Y[i];
    const int p = (j + n - 1) % n, q = (j + 1) % n;
    const double ax = g.X[j] - g.X[p], ay = g.Y[j] - g.Y[p], bx = g.X[q] - g.X[j], by = g.Y[q] - g.Y[j];
    const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
    if (!(la > 0.0) || !(lb > 0.0) || area == 0.0) return false;
    // A corner, not the kink of a face drawn in two pieces: turned by more
    // than 30 degrees.
    const double turn = (ax * by - ay * bx) / (la * lb);
    return (area > 0.0 ? -turn : turn) > 0.5;
}

bool Din_At_Tip(const Kehlnaht_Geometry& g, double x, double y) {
    const int n = std::min(g.n, static_cast<int>(KEHLNAHT_POINTS));
    if (n < 3) return false;
    double area = 0;
    for (int i = 0; i < n; i++) area += g.X[i] * g.Y[(i + 1) % n] - g.X[(i + 1) % n] * g.Y[i];
    auto same = [&g](int i, double px, double py) { return std::hypot(g.X[i] - px, g.Y[i] - py) < 0.01; };
    for (int j = 0; j < n; j++) {
        if (!same(j, x, y)) continue;
        int p = (j + n - 1) % n, q = (j + 1) % n;
        for (int k = 0; k < n && same(p, x, y); k++) p = (p + n - 1) % n;
        for (int k = 0; k < n && same(q, x, y); k++) q = (q + 1) % n;
        const double ax = x - g.X[p], ay = y - g.Y[p], bx = g.X[q] - x, by = g.Y[q] - y;
        const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
        if (!(la > 0.0) || !(lb > 0.0)) return false;
        // Turned outwards by more than 30 degrees: a corner, not the kink
        // of a face drawn in two pieces.
        const double turn = (ax * by - ay * bx) / (la * lb);
        return (area > 0.0 ? turn : -turn) > 0.5;
    }
    return false;
}

bool Din_Toe_Line(const Kehlnaht_Geometry& g, int i) {
    const int line = i + 1;
    return (g.family == KEHLNAHT_ANGLE && (line == 2 || line == 3)) ||
           (g.family == KEHLNAHT_CHANNEL && (line == 2 || line == 5)) ||
           (g.family == KEHLNAHT_TEE && (line == 2 || line == 3));
}

namespace {

// The centroid (mm) of the section of a profile given by its dimensions
// with a root radius: its outline is drawn of plates, and each re-entrant
// corner of it gets its root fillet, (1 - pi/4) r² at 0.22337 r from both
// faces, as the profile's own section values count it; the tip of each
// flange or leg with a toe radius loses as much of its corner to the toe's
// rounding. 0 when g is no such profile (x, y unchanged).
int Centroid_With_Root_Fillets(const Kehlnaht_Geometry& g, double toe, double* x, double* y) {
    const bool open_family = g.family >= KEHLNAHT_I && g.family <= KEHLNAHT_ANGLE && g.family != KEHLNAHT_RHS;
    const int n = std::min(g.n, static_cast<int>(KEHLNAHT_POINTS));
    if (g.catalogue || !open_family || !(g.r > 0.0 || toe > 0.0) || n < 3) return 0;
    double A = 0, Sx = 0, Sy = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double cross = g.X[i] * g.Y[j] - g.X[j] * g.Y[i];
        A += cross / 2, Sx += (g.X[i] + g.X[j]) * cross / 6, Sy += (g.Y[i] + g.Y[j]) * cross / 6;
    }
    if (A < 0) A = -A, Sx = -Sx, Sy = -Sy;
    if (!(A > 0.0)) return 0;
    // The spandrel of radius rr at corner k, added (+1) or taken off (-1):
    // its centroid lies along both faces away from the corner.
    auto spandrel = [&](int k, double rr, double sign) {
        const int p = (k + n - 1) % n, q = (k + 1) % n;
        const double lp = std::hypot(g.X[p] - g.X[k], g.Y[p] - g.Y[k]);
        const double lq = std::hypot(g.X[q] - g.X[k], g.Y[q] - g.Y[k]);
        if (!(lp > 0.0) || !(lq > 0.0) || !(rr > 0.0)) return;
        const double A_f = sign * (1.0 - M_PI / 4.0) * rr * rr, e = 0.22337 * rr;
        const double fx = g.X[k] + e * ((g.X[p] - g.X[k]) / lp + (g.X[q] - g.X[k]) / lq);
        const double fy = g.Y[k] + e * ((g.Y[p] - g.Y[k]) / lp + (g.Y[q] - g.Y[k]) / lq);
        A += A_f, Sx += A_f * fx, Sy += A_f * fy;
    };
    for (int k = 0; k < n; k++)
        if (Din_Reentrant(g, k)) spandrel(k, g.r, +1.0);
    for (int i = 0; toe > 0.0 && i < std::min(g.line_count, static_cast<int>(ANSCHLUSS_WELD_POSITIONS)); i++) {
        if (!Din_Toe_Line(g, i)) continue;
        for (int end = 0; end < 2; end++) {
            const double px = g.line[i][2 * end], py = g.line[i][2 * end + 1];
            if (!Din_At_Tip(g, px, py)) continue;
            for (int k = 0; k < n; k++)
                if (std::hypot(g.X[k] - px, g.Y[k] - py) < 0.01) {
                    spandrel(k, toe, -1.0);
                    break;
                }
        }
    }
    if (!(A > 0.0)) return 0;
    *x = Sx / A, *y = Sy / A;
    return 1;
}

}  // namespace

Din_Outline Din_Outline_Of(const Kehlnaht_Geometry& g, double toe) {
    Din_Outline o = {};
    o.geometry = &g;
    o.n = g.n;
    for (int i = 0; i < KEHLNAHT_POINTS; i++) o.y[i] = -0.1 * g.X[i], o.z[i] = 0.1 * g.Y[i];
    double x = 0, y = 0;
    o.has_centroid = Centroid_With_Root_Fillets(g, toe, &x, &y) || Kehlnaht_Section_Centroid(&g, &x, &y);
    if (o.has_centroid) o.y_c = -0.1 * x, o.z_c = 0.1 * y;
    return o;
}

int Din_Usable_Input(const GeschweissterAnschluss* r) {
    if (!r) return 0;
    // A dimension is 0 (not there) or at least 0.001 mm; the height at
    // least 0.01 mm. The radii a typed profile hands over beside its root
    // radius (a tube's inner corners, the toes) are dimensions as well.
    for (double d : {r->h, r->b, r->t, r->s, r->r, r->r_inner, r->r_toe})
        if (!Within(d, 1e6) || d < 0.0 || (d > 0.0 && d < 0.001)) return 0;
    for (double d : {r->t_p, r->a_w, r->weld_leg_top, r->weld_leg_bottom})
        if (!Within(d, 1e6) || d < 0.0) return 0;
    for (int i = 0; i < ANSCHLUSS_WELD_POSITIONS; i++)
        if (!Within(r->a_pos[i], 1e6) || !Within(r->l_pos[i], 1e6)) return 0;
    for (double f : r->load)
        if (!Within(f, 1e12)) return 0;
    return r->h >= 0.01;
}

double Din_Governing_Thickness(const GeschweissterAnschluss* r, int T) {
    switch (T) {
    case KEHLNAHT_CHS: return r->s2;
    case KEHLNAHT_FLAT: return std::min(r->h2, r->t2);
    case KEHLNAHT_ROUND: return r->h2;
    default: return std::max(r->t2, r->s2);
    }
}

Din_Corners Din_Corners_Of(const GeschweissterAnschluss* r, int T) {
    Din_Corners c = {};
    if (!r || T < KEHLNAHT_I || T > KEHLNAHT_ANGLE) return c;
    auto radius = [](double v) { return std::isfinite(v) ? std::max(v, 0.0) : 0.0; };
    if (T == KEHLNAHT_RHS) {
        // A catalogue tube's radii as its record gives them (r2 outside),
        // a typed one's as typed; a welded tube has sharp corners.
        const double outer = radius(r->catalogue == 1 ? r->r2 : r->r);
        const double inner = outer > 0.0 ? radius(r->catalogue == 1 ? r->r2_inner : r->r_inner) : 0.0;
        return {inner, inner, outer};
    }
    if (r->catalogue == 1) return {radius(r->r2), radius(r->r2), 0.0};
    if (r->r > 0.0) return {radius(r->r), radius(r->r), 0.0};
    return {radius(r->weld_leg_top), radius(r->weld_leg_bottom), 0.0};
}

bool Din_Rolled_Outline(const GeschweissterAnschluss* r, Catalogue_Outline* o) {
    if (!r || !o) return false;
    const int T = Kehlnaht_Family(r->family);
    if (T < KEHLNAHT_I || T > KEHLNAHT_ANGLE) return false;
    const char letter = "\0DRUTL"[T];
    if (r->catalogue == 1) {
        char name[ANSCHLUSS_NAME_SIZE];
        Copy_Trimmed(r->profile_name, name, sizeof name, 3);
        float v[PROFIL_VALUES] = {};
        char code[PROFIL_CODE_SIZE] = {};
        Catalogue_Outline record;
        if (Get_Profil_Values(name, v, code) < 1 || !Catalogue_Record_Outline(letter, v, &record)) return false;
        *o = record;
        return true;
    }
    // Typed in: rolled where it has its radii (a welded profile hands over
    // none); a tube's second radius is its inner corner's, the open
    // families' their toes'. An angle's leg h is s thick, its leg b t.
    auto radius = [](double v) { return std::isfinite(v) ? 0.1 * std::max(v, 0.0) : 0.0; };
    const double root = radius(r->r), second = radius(T == KEHLNAHT_RHS ? r->r_inner : r->r_toe);
    if (!(root > 0.0) && !(T != KEHLNAHT_RHS && second > 0.0)) return false;
    *o = {letter, 0.1 * r->h, 0.1 * r->b, 0.1 * r->s, 0.1 * r->t, root, second, 0.0, 0.0};
    return true;
}

int Din_Welds_Beyond_The_List(const GeschweissterAnschluss* r) {
    if (!r) return 0;
    const double f_y_max = Get_Din_Own_F_Y_Max();
    const auto beyond = [f_y_max](int code, double f_y) { return code == DIN_GRADE_OWN_VALUES && f_y > f_y_max; };
    return beyond(r->grades.grade, r->grades.user_f_y) || beyond(r->grades.weld_grade, r->grades.weld_f_y);
}

Din_Strengths Din_Get_Strengths(GeschweissterAnschluss* r, double t) {
    Din_Strengths s = {};
    const double gamma = r->load[ANSCHLUSS_GAMMA_M];
    double alpha_profile = 0.0, alpha_plate = 0.0;
    // Own values of the profile have no alpha_w of their own: the plate's
    // own (or its grade's) stands for both, within the band of the
    // profile's f_y,k.
    double own_alpha = r->grades.weld_alpha_w;
    if (r->grades.weld_grade != DIN_GRADE_OWN_VALUES)
        own_alpha = Get_Stahlguete_Record(static_cast<unsigned int>(r->grades.weld_grade))->alpha_w;
    Grade_Values(r->grades.grade, t, r->grades.user_f_y, own_alpha, &s.f_y, &alpha_profile);
    Grade_Values(r->grades.weld_grade, r->t_p, r->grades.weld_f_y, r->grades.weld_alpha_w, &s.f_y_plate,
                 &alpha_plate);
    // A part beyond the DIN list has no alpha_w: its welds are not checked,
    // the profile end is.
    s.welds = !Din_Welds_Beyond_The_List(r);
    // The partial factors the Eurocode checks take: a factor outside them
    // makes every utilisation a fraction of what it is (or overflows).
    s.usable = NAD_Factor_Usable(gamma) && Positive(s.f_y) && Positive(s.f_y_plate) &&
               (!s.welds || (Positive(alpha_profile) && Positive(alpha_plate)));
    if (!s.usable) return s;
    s.sigma_R_d = s.f_y / gamma;
    s.tau_R_d = s.sigma_R_d * kInvSqrt3;
    r->f_y_profile = s.f_y;
    r->f_y_weld = s.f_y_plate;
    r->alpha_w = 0.0;
    if (!s.welds) return s;
    // The weld is as strong as the weaker of the parts it joins.
    const double w_plate = alpha_plate * s.f_y_plate, w_profile = alpha_profile * s.f_y;
    s.alpha_w = w_profile < w_plate ? alpha_profile : alpha_plate;
    s.sigma_w_R_d = std::min(w_plate, w_profile) / gamma;
    r->alpha_w = s.alpha_w;
    return s;
}

double Din_Weld_Normal_Force(const GeschweissterAnschluss* r) {
    const double N = r->load[ANSCHLUSS_N];
    if (N > 0.0) return N;
    const double share = std::clamp(r->load[ANSCHLUSS_CONTACT], 0.0, 100.0);
    return (1.0 - share / 100.0) * N;
}

void Din_Input_Error(GeschweissterAnschluss* r) { r->status.word[ANSCHLUSS_INPUT_ERROR] = 1; }

double Din_Torsion_kNcm(const GeschweissterAnschluss* r) { return 100.0 * r->load[ANSCHLUSS_M_X]; }

int Din_Sanitize_Results(GeschweissterAnschluss* r) {
    bool bad = false;
    auto fix = [&bad](double* v, size_t n) {
        for (size_t i = 0; i < n; i++)
            if (!std::isfinite(v[i])) {
                v[i] = 0.0;
                bad = true;
            }
    };
    fix(reinterpret_cast<double*>(&r->profile_values), sizeof r->profile_values / sizeof(double));
    fix(reinterpret_cast<double*>(&r->weld_values), sizeof r->weld_values / sizeof(double));
    double* results[] = {&r->U_sigma, &r->U_tau,        &r->U_v,   &r->U_w[0],       &r->U_w[1],
                         &r->U_w[2],  &r->A_w_y,        &r->A_w_z, &r->a_w_designed, &r->alpha_w,
                         &r->f_y_profile, &r->f_y_weld, &r->h2,    &r->b2,           &r->t2,
                         &r->s2,      &r->r2,           &r->r2_inner, &r->sigma_w_R_d_compression,
                         &r->plate_buckling.b_t, &r->plate_buckling.limit, &r->plate_buckling.stress};
    for (double* v : results) fix(v, 1);
    Anschluss_Grundwerkstoff& b = r->base_metal;
    for (double* v : {&b.t, &b.f_y, &b.sigma_R_d, &b.sigma, &b.tau, &b.sigma_v, &b.U}) fix(v, 1);
    fix(b.point, 2);
    for (Anschluss_Throat_Shortfall* t : {&r->warnings.below_2mm, &r->warnings.below_root_rule}) {
        fix(&t->a, 1);
        fix(&t->a_min, 1);
        fix(&t->t_max, 1);
    }
    for (Anschluss_Throat_Excess& t : r->warnings.above) {
        fix(&t.a, 1);
        fix(&t.t, 1);
    }
    fix(r->warnings.l_eff, ANSCHLUSS_WELD_POSITIONS + 1);
    for (auto& by_word : r->warnings.judged)
        for (Anschluss_Throat_Shortfall& t : by_word) {
            fix(&t.a, 1);
            fix(&t.a_min, 1);
            fix(&t.t_max, 1);
        }
    return bad;
}

// ---- profile file --------------------------------------------------------------

namespace {

// The values of the profile file's record (any output may be null):
// h, b, t_f, t_w and the radius in mm, the section values in cm powers.
void Profil_Outputs(const ProfilRecord& record, double* h, double* b, double* t_f, double* t_w,
                    double* I_y, double* I_z, double* I_T, double* W_y, double* W_z, double* A, double* r) {
    const float* v = record.values;
    double radius = v[25];
    // Older files kept a channel's radii in the other order: the record's
    // family tells a channel, not its name's first letter.
    if (record.code[PROFIL_CODE_BYTES - 1] == 'U' && v[26] > v[25]) radius = v[26];
    const struct {
        double* out;
        double value;
    } outs[] = {{h, 10.0 * v[0]}, {b, 10.0 * v[1]}, {t_f, 10.0 * v[3]}, {t_w, 10.0 * v[2]}, {I_y, v[9]},
                {I_z, v[10]},     {I_T, v[23]},     {W_y, v[14]},      {W_z, v[19]},      {A, v[4]},
                {r, 10.0 * radius}};
    for (const auto& o : outs)
        if (o.out) *o.out = o.value;
}

}  // namespace

int Read_Profil_from_File_2(char shape, char* name, double* h, double* b, double* t_f, double* t_w, double* I_y,
                            double* I_z, double* I_T, double* W_y, double* W_z, double* A, double* r) {
    char key[PROFIL_KEY_LENGTH + 1];
    ProfilRecord record;
    if (Look_Up_Profil(shape, name, key, &record) != PROFIL_LOOK_UP_FOUND) return 0;
    if (name) std::memcpy(name, key, sizeof key);
    Profil_Outputs(record, h, b, t_f, t_w, I_y, I_z, I_T, W_y, W_z, A, r);
    return 1;
}

// ---- closed section values -----------------------------------------------------

void Calc_I_Section_Values(double b_u, double b_o, double h_w, double t_u, double t_o, double t_w, double* A,
                           double* I_y, double* I_z, double* I_T, double* W_y_bottom, double* W_y_top, double* W_z,
                           double* S_y, double* S_z, double* S_f1, double* S_f2) {
    b_u *= 0.1, b_o *= 0.1, h_w *= 0.1, t_u *= 0.1, t_o *= 0.1, t_w *= 0.1;
    const double A_u = b_u * t_u, A_w = h_w * t_w, A_o = b_o * t_o;
    const double area = A_o + A_w + A_u;
    // Heights above the centre line of the bottom flange.
    const double z_w = (t_u + h_w) / 2, z_o = (t_o + t_u) / 2 + h_w;
    const double z_s = area > 0.0 ? (A_w * z_w + A_o * z_o) / area : 0.0;
    const double iy = b_u * t_u * t_u * t_u / 12 + t_w * h_w * h_w * h_w / 12 + b_o * t_o * t_o * t_o / 12 +
                      A_u * z_s * z_s + A_w * (z_w - z_s) * (z_w - z_s) + A_o * (z_o - z_s) * (z_o - z_s);
    const double iz = (b_o * b_o * b_o * t_o + t_w * t_w * t_w * h_w + b_u * b_u * b_u * t_u) / 12;
    auto ratio = [](double a, double b) { return b != 0.0 ? std::fabs(a / b) : 0.0; };
    const struct {
        double* out;
        double value;
    } outs[] = {{A, area},
                {I_y, iy},
                {I_z, iz},
                {I_T, (h_w * t_w * t_w * t_w + b_u * t_u * t_u * t_u + b_o * t_o * t_o * t_o) / 3},
                {W_y_bottom, ratio(iy, z_s + t_u / 2)},
                {W_y_top, ratio(iy, t_u + h_w + t_o - z_s - t_u / 2)},
                {W_z, std::min(b_o > 0.0 ? 2 * iz / b_o : 0.0, b_u > 0.0 ? 2 * iz / b_u : 0.0)},
                // Two root fillets of r = 7 mm: 0.4292 r² at 0.2607 r.
                {S_y, A_u * (t_u + h_w) / 2 + (h_w / 2 - 0.18249) * 0.210308 + h_w * h_w * t_w / 8},
                {S_z, (b_o * b_o * t_o + b_u * b_u * t_u) / 8},
                {S_f1, b_u * t_u * t_u / 8},
                {S_f2, A_u * (t_u / 2 + 0.7)}};
    for (const auto& o : outs)
        if (o.out) *o.out = o.value;
}

// ---- the evaluation ------------------------------------------------------------------

namespace {

// ---- the profile end of a connection, kept from one load case to the next ----------
//
// What the profile end is depends on the connection alone: its profile taken
// over from the profile file (the record read and judged) or built of its
// plates, its section model in the thin-walled engine, the geometry of the
// end and its outline. A connection is evaluated for up to tens of thousands
// of load cases; all of this is worked out once, kept under what decides it
// (the family, the catalogue flag, both names, the dimensions and radii and, of a
// catalogue profile, the state of the profile file), and each load case takes
// it over. Only the stresses depend on the load.

// What decides the profile end of a record.
struct Profile_End_Key {
    int T;
    int catalogue;
    char profile_name[ANSCHLUSS_NAME_SIZE], drawing_name[ANSCHLUSS_NAME_SIZE];
    double h, b, t, s, r, r_inner, r_toe, weld_leg_top, weld_leg_bottom;
    int file_known;               // of a catalogue profile: 1 with file the state of PROFIL
    Profile_File_Identity file;
    int manager;                  // the profile manager's database is the catalogue in use
};

bool Same_Key(const Profile_End_Key& a, const Profile_End_Key& b) {
    return a.T == b.T && a.catalogue == b.catalogue && a.h == b.h && a.b == b.b && a.t == b.t && a.s == b.s &&
           a.r == b.r && a.r_inner == b.r_inner && a.r_toe == b.r_toe && a.weld_leg_top == b.weld_leg_top &&
           a.weld_leg_bottom == b.weld_leg_bottom &&
           std::strncmp(a.profile_name, b.profile_name, ANSCHLUSS_NAME_SIZE) == 0 &&
           std::strncmp(a.drawing_name, b.drawing_name, ANSCHLUSS_NAME_SIZE) == 0 && a.file_known == b.file_known &&
           (!a.file_known || a.file == b.file) && a.manager == b.manager;
}

Profile_End_Key Key_Of(const GeschweissterAnschluss* r, int T) {
    Profile_End_Key k = {};
    k.T = T;
    k.catalogue = r->catalogue;
    std::memcpy(k.profile_name, r->profile_name, sizeof k.profile_name);
    std::memcpy(k.drawing_name, r->drawing_name, sizeof k.drawing_name);
    k.h = r->h, k.b = r->b, k.t = r->t, k.s = r->s, k.r = r->r, k.r_inner = r->r_inner, k.r_toe = r->r_toe;
    k.weld_leg_top = r->weld_leg_top, k.weld_leg_bottom = r->weld_leg_bottom;
    if (r->catalogue == 1) {
        k.file_known = Profil_File_Identity_At(std::getenv("DATA"), &k.file);
        k.manager = Is_Profile_Manager_Available() == 1;
    }
    return k;
}

struct Kept_Profile_End {
    bool valid;
    Profile_End_Key key;
    // The take-over: found 0 when the profile file does not hold the
    // catalogue profile; the working dimensions and the closed values.
    int found;
    char name[ANSCHLUSS_NAME_SIZE];   // the catalogue name
    double h2, b2, t2, s2, r2, r2_inner;
    double A, I_y, I_z, I_T, W_y, W_z;
    // The section model: its record, and the engine's table as the build
    // of the model of generation `generation` left it.
    bool model_made;
    Profilquerschnitt pq;
    bool model_read;
    uint32_t generation;
    double qw[DWQB_QW_COUNT];
    // The geometry of the end and its outline (which points into it).
    bool geometry_made;
    Kehlnaht_Geometry geometry;
    Din_Outline outline;
};

Kept_Profile_End kept_end = {};

// The profile of the record taken over from the profile file (a catalogue
// profile) or built of its plates, with the closed values of its section,
// into k; k.found 0 when the profile file does not hold it.
void Take_Over_Profile(const GeschweissterAnschluss* r, int T, Kept_Profile_End* k) {
    k->found = 1;
    if (r->catalogue == 1) {
        Catalogue_Name(r, k->name, sizeof k->name);
        // The catalogue in use, as the section model and the Eurocode road
        // read it: with the profile manager installed its database, not a
        // PROFIL that happens to lie beside it.
        ProfilRecord record;
        k->found = Look_Up_Catalogue_Record(k->name, &record) == PROFIL_LOOK_UP_FOUND;
        if (!k->found) return;
        Profil_Outputs(record, &k->h2, &k->b2, &k->t2, &k->s2, &k->I_y, &k->I_z, &k->I_T, &k->W_y, &k->W_z,
                       &k->A, &k->r2);
        // A tube's record gives its inner corner radius beside the outer one
        // (r2), as its series has them.
        k->r2_inner = T == KEHLNAHT_RHS ? 10.0 * std::max(static_cast<double>(record.values[26]), 0.0) : 0.0;
        return;
    }
    double W_y_top;
    Calc_I_Section_Values(r->b, r->b, r->h - 2 * r->t, r->t, r->t, r->s, &k->A, &k->I_y, &k->I_z, &k->I_T, &k->W_y,
                          &W_y_top, &k->W_z, nullptr, nullptr, nullptr, nullptr);
    // A typed rolled profile keeps its root radius: its section model has
    // the fillets (Make_Model).
    k->h2 = r->h, k->b2 = r->b, k->t2 = r->t, k->s2 = r->s, k->r2_inner = 0.0;
    k->r2 = T == KEHLNAHT_RHS ? 0.0 : std::max(r->r, 0.0);
}

// The kept profile end of the record (made anew when what decides it
// changed), its profile taken over.
Kept_Profile_End& Profile_End_Of(const GeschweissterAnschluss* r, int T) {
    Kept_Profile_End& k = kept_end;
    const Profile_End_Key key = Key_Of(r, T);
    if (k.valid && Same_Key(k.key, key)) return k;
    if (k.model_made) Release_Profilquerschnitt(&k.pq);
    k.valid = false;
    k.model_made = k.model_read = k.geometry_made = false;
    // The weld section kept was that of the outline made anew now.
    kept_welds.valid = false;
    k.key = key;
    Take_Over_Profile(r, T, &k);
    k.valid = true;
    return k;
}

// The take-over of k into the record: working dimensions and closed values.
void Take_Profile(const Kept_Profile_End& k, GeschweissterAnschluss* r) {
    Anschluss_Profilwerte& p = r->profile_values;
    r->h2 = k.h2, r->b2 = k.b2, r->t2 = k.t2, r->s2 = k.s2, r->r2 = k.r2, r->r2_inner = k.r2_inner;
    p.A = k.A, p.I_y = k.I_y, p.I_z = k.I_z, p.I_T = k.I_T, p.W_y = k.W_y, p.W_z = k.W_z;
}

// The section model's record of the profile (cm) of the record: by the
// catalogue name, or by its dimensions (the input copy).
void Make_Model(const GeschweissterAnschluss* r, int T, Kept_Profile_End* k) {
    Profilquerschnitt& pq = k->pq;
    Init_Profilquerschnitt(&pq);
    if (r->catalogue == 1) {
        Set_Profilquerschnitt_By_Name(&pq, 5, 110, k->name);
    } else {
        static const int SHAPE[KEHLNAHT_ROUND + 1] = {
            -1, PQ_SHAPE_I, PQ_SHAPE_RHS, PQ_SHAPE_CHANNEL, PQ_SHAPE_TEE, PQ_SHAPE_ANGLE,
            PQ_SHAPE_TUBE, PQ_SHAPE_FLAT, PQ_SHAPE_ROUND};
        const double h = 0.1 * r->h, b = 0.1 * r->b, t_w = 0.1 * r->s, t_f = 0.1 * r->t;
        double d[PQ_DIMENSIONS] = {h, b, t_w, t_f, 0, 0, 0, 0, 0, 0};
        if (T == KEHLNAHT_FLAT) d[2] = b;
        if (T == KEHLNAHT_ROUND) d[2] = h;
        Set_Profilquerschnitt_By_Dimensions(&pq, 5, 110, SHAPE[T], 0, d, d);
        // Its plates' clear widths end where its own corners are, not at
        // the thinner plate's thickness. A typed rolled profile is the
        // section it prints, as its catalogue twin: the model's values of
        // its rounded outline (A, I, W, the extreme fibres; a tube's Bredt
        // round the rounded midline), with its root fillets and its toes,
        // not the sharp plates.
        if (T >= KEHLNAHT_I && T <= KEHLNAHT_ANGLE) {
            const Din_Corners c = Din_Corners_Of(r, T);
            const double toe = T == KEHLNAHT_RHS ? 0.0 : std::max(r->r_toe, 0.0);
            const bool rolled = r->r > 0.0 || toe > 0.0;
            pq.own_corners = rolled ? PQ_CORNERS_ROLLED : PQ_CORNERS_GIVEN;
            pq.corners[0] = 0.1 * c.top;
            pq.corners[1] = 0.1 * c.bottom;
            pq.outer_corner = !rolled ? 0.0 : T == KEHLNAHT_RHS ? 0.1 * c.outer : 0.1 * toe;
        }
    }
    k->model_made = true;
}

// The section model of k standing in the engine, as the stresses of the
// load case need it; 1 when it stands. The catalogue's own values where it
// gives them, as the profile check of the weld program takes them. The
// values are read from the engine's table after a build only: a model the
// engine keeps does not write the table again, and others write it between
// two load cases. A model the engine no longer holds as read (another model
// built since) is built afresh.
int Stand_Model(const GeschweissterAnschluss* r, int T, Kept_Profile_End* k) {
    if (!k->model_made) Make_Model(r, T, k);
    DWQB_Option_Word = 0x1E01E;
    const bool fresh = !k->model_read || k->generation != DWQB_Model_Generation;
    if (fresh) Invalidate_Profil_DWQB_Cache();
    const uint32_t before = DWQB_Model_Generation;
    const int stands = Setup_Profilquerschnitt_DWQB(&k->pq, 0.0, nullptr, 2) == 1;
    if (fresh || DWQB_Model_Generation != before) {
        std::memcpy(k->qw, DWQB_Querschnittswerte, sizeof k->qw);
        k->generation = DWQB_Model_Generation;
        k->model_read = true;
    }
    return stands;
}

// The outline of the profile end of the record (its geometry kept in k).
const Din_Outline& Outline_Of(const GeschweissterAnschluss* r, int T, Kept_Profile_End* k) {
    if (!k->geometry_made) {
        Build_Kehlnaht_Geometry(r, T, r->catalogue, r->drawing_name, &k->geometry);
        k->outline = Din_Outline_Of(k->geometry, r->catalogue == 1 ? 0.0 : r->r_toe);
        if (r->catalogue == 1) Catalogue_Centroid(k->name, T, r->h2, &k->outline);
        k->geometry_made = true;
    }
    return k->outline;
}

// DIN 18800-1's limits of b/t for the elastic method under the stresses of
// the load case (the section model standing with them): every compressed
// plate of the model against grenz(b/t) of its support and stress ratio,
// which grows with sqrt(f_y,k / (sigma_1 gamma_M)) below the design
// strength; and every plate held on both long edges that carries a shear
// force against the b/t up to which DIN 18800-3 asks for no buckling check
// in shear: lambda_P = sqrt(f_y,k / (tau_Pi sqrt 3)) <= 0.84 with tau_Pi =
// 5.34 sigma_e, sigma_e = 189800 (t/b)² N/mm², and the shear stress present
// in place of f_y,k / (sqrt 3 gamma_M): grenz(b/t) = 0.84 sqrt(5.34 189800
// / (tau gamma_M)). The plate nearest its limit into the record.
void Plate_Buckling(GeschweissterAnschluss* r, int T, const Din_Strengths& s) {
    Anschluss_Beulgrenze& worst = r->plate_buckling;
    worst = {};
    double U_worst = 0.0;
    const double gamma = r->load[ANSCHLUSS_GAMMA_M];
    auto take = [&](int kind, double b_t, double limit, double stress) {
        if (!(limit > 0.0) || !(b_t / limit > U_worst)) return;
        U_worst = b_t / limit;
        worst = {kind, b_t, limit, stress};
    };
    for (int i = 0; i < Get_Section_Part_Count(); i++) {
        double factor = 0, s_a = 0, s_b = 0;
        const int part = Get_Section_Point(i, &factor, &s_a, &s_b);
        if (part == CT_NO_PART) continue;
        const Section_Part_Request q = {CT_RULES_DIN, 0, part, s.f_y, gamma, s_a, s_b, 1.0, Get_Section_Part_Ratio(i)};
        double l[7] = {};
        Calc_Part_Class_Limits(&q, l);
        const bool internal = part != CT_OUTSTAND_FREE_AT_START && part != CT_OUTSTAND_FREE_AT_END;
        const int kind = part == CT_ROUND ? ANSCHLUSS_PLATE_TUBE : internal ? ANSCHLUSS_PLATE_INTERNAL : ANSCHLUSS_PLATE_OUTSTAND;
        take(kind, q.ratio, l[2], -std::min(s_a, s_b));
    }
    const Din_Plates P = Din_Plates_Of(r, T);
    double A_y = 0, A_z = 0;
    for (int i = 0; i < P.n; i++) {
        const Din_Plate& p = P.p[i];
        const double A = (p.y1 - p.y0) * (p.z1 - p.z0);
        if (p.role & DIN_ROLE_V_Y) A_y += A;
        if (p.role & DIN_ROLE_V_Z) A_z += A;
    }
    for (int i = 0; i < P.n; i++) {
        const Din_Plate& p = P.p[i];
        const double t = std::min(p.y1 - p.y0, p.z1 - p.z0);
        const double V = p.role == DIN_ROLE_V_Z ? r->load[ANSCHLUSS_V_Z] : r->load[ANSCHLUSS_V_Y];
        const double A = p.role == DIN_ROLE_V_Z ? A_z : A_y;
        const double tau = A > 0.0 ? 10.0 * std::fabs(V) / A : 0.0;  // N/mm²
        if (!p.internal || !(t > 0.0) || !(tau > 1e-6)) continue;
        take(ANSCHLUSS_PLATE_SHEAR, p.clear / t, 0.84 * std::sqrt(5.34 * 189800.0 / (tau * gamma)), tau);
    }
}

// Clears the results of the record's last evaluation.
void Clear_Results(GeschweissterAnschluss* r) {
    r->status = {};
    r->warnings = {};
    r->profile_values = {};
    r->weld_values = {};
    r->U_sigma = r->U_tau = r->U_v = 0.0;
    r->U_w[0] = r->U_w[1] = r->U_w[2] = 0.0;
    r->A_w_y = r->A_w_z = 0.0;
    r->sigma_w_R_d_compression = 0.0;
    r->butt_governs = ANSCHLUSS_BUTT_NONE;
    r->plate_buckling = {};
    r->base_metal = {};
}

// The fillet welds of family T, one pass or the throat design of the one
// throat of a weld all round or a ring, then their least throats.
void Fillet_Welds(GeschweissterAnschluss* r, const Din_Strengths& s, int T, const Din_Outline& outline) {
    double a = r->a_w >= 0.01 ? r->a_w : 2.0;
    r->a_w_designed = a;
    // Welds by position keep the throats they are given.
    const bool one_throat = r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND || T == KEHLNAHT_CHS || T == KEHLNAHT_ROUND;
    const bool design = r->throat_design == 1 && one_throat;
    double U[3] = {0, 0, 0};
    for (;;) {
        Welds(r, s, T, a, outline, U);
        if (!design || (U[0] <= 1.0 && U[1] <= 1.0 && U[2] <= 1.0)) break;
        r->a_w_designed = a + 0.5;
        if (a >= 29.5) {
            r->warnings.word[ANSCHLUSS_THROAT_AT_30MM] = 1;
            break;
        }
        a += 0.5;
    }
    if (a < 2.0 && r->weld_kind == ANSCHLUSS_WELD_ALL_ROUND) r->a_w_designed = 2.0;
    // The least throats of the throats last checked.
    Din_Least_Throats(r, T, a);
    Din_Welds_Not_Effective(r, T);
}

}  // namespace

int Calc_Anschluss_Querschnitt(GeschweissterAnschluss* r) {
    if (!r) return 1;
    Clear_Results(r);
    const int T = Kehlnaht_Family(r->family);
    if (T == KEHLNAHT_NONE || !Din_Usable_Input(r)) {
        // Nothing to evaluate: no value of the record's input is shown.
        r->h2 = r->b2 = r->t2 = r->s2 = r->r2 = 0.0;
        Din_Input_Error(r);
        return r->status.word[ANSCHLUSS_INPUT_ERROR];
    }
    Kept_Profile_End& k = Profile_End_Of(r, T);
    if (!k.found) return -1;
    Take_Profile(k, r);
    const Din_Strengths s = Din_Get_Strengths(r, Din_Governing_Thickness(r, T));
    if (!s.usable) {
        Din_Input_Error(r);
        return r->status.word[ANSCHLUSS_INPUT_ERROR];
    }
    Anschluss_Profilwerte& p = r->profile_values;
    p.sigma_R_d = s.sigma_R_d, p.tau_R_d = s.tau_R_d;
    Din_Joined_Section joined = {};
    if (Stand_Model(r, T, &k)) {
        Take_Model_Values(r, T, k.qw, &joined);
        Model_Stresses(r, T, s);
        Plate_Buckling(r, T, s);
    } else if (T <= KEHLNAHT_ANGLE) {
        // Without a section there are no stresses of the profile end.
        Din_Input_Error(r);
    }
    if (!s.welds) {
        // The profile end alone: its welds have no strength of DIN 18800.
        Bar_Profile(r, s, T);
        r->status.word[ANSCHLUSS_WELDS_NOT_CHECKED] = 1;
        if (Din_Sanitize_Results(r)) Din_Input_Error(r);
        return r->status.word[ANSCHLUSS_INPUT_ERROR];
    }
    // The geometry of the profile end and its welds, from the record alone.
    const Din_Outline& outline = Outline_Of(r, T, &k);
    if (r->full_penetration) {
        double U[3] = {0, 0, 0};
        Joined_Welds(r, s, T, In_Outline_Axes(joined, outline), outline, U);
    } else {
        Fillet_Welds(r, s, T, outline);
    }
    for (int w = ANSCHLUSS_THROAT_AT_30MM; w <= ANSCHLUSS_BELOW_ROOT_RULE; w++)
        if (r->warnings.word[w]) r->warnings.word[ANSCHLUSS_ANY_WARNING] = 1;
    if (Din_Sanitize_Results(r)) Din_Input_Error(r);
    return r->status.word[ANSCHLUSS_INPUT_ERROR];
}

void Forget_Din_Profile_End(void) {
    if (kept_end.model_made) Release_Profilquerschnitt(&kept_end.pq);
    kept_end = Kept_Profile_End{};
    kept_welds = Kept_Weld_Section{};
}
