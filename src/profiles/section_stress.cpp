#include "profiles/section_stress.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/invariant.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_invariants.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb_transfer.h"

Section_Stress_Extremes Profil_DWQB_Extremes = {0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1};

namespace {

double point_sigma[PROFIL_DWQB_POSITIONS], point_tau[PROFIL_DWQB_POSITIONS], point_sv[PROFIL_DWQB_POSITIONS];
// The normal force of the last evaluation (kN, tension positive).
double last_N = 0;

int Point_Count(void) {
    const int n = Profil_DWQB_Linienwerte.n33;
    return n < 0 ? 0 : std::min(n, static_cast<int>(PROFIL_DWQB_POSITIONS));
}

int Part_Count(void) {
    const int n = Profil_DWQB_Linienwerte.n;
    return n < 0 ? 0 : std::min(n, static_cast<int>(PROFIL_DWQB_LINES));
}

double Plane(int plane, int i) { return Profil_DWQB_Linienwerte.planes[plane][i]; }

// Larger magnitude of a maximum and a minimum; a tie keeps the maximum.
void Larger(double max, int i_max, double min, int i_min, double* out, int32_t* index) {
    if (std::fabs(min) > std::fabs(max)) {
        *out = std::fabs(min);
        *index = i_min;
    } else {
        *out = std::fabs(max);
        *index = i_max;
    }
}

}  // namespace

int Rotate_Forces_To_Section(double* N, double* V_y, double* V_z, double* M_x, double* M_y, double* M_z, double* M_w,
                             double* B, double angle, int kind) {
    const double c = std::cos(angle), s = std::sin(angle);
    auto rotate = [c, s](double* a, double* b) {
        const double x = *a, y = *b;
        *a = c * x + s * y;
        *b = c * y - s * x;
    };
    switch (kind) {
    case 1:
    case 3:
    case 4:
        break;
    case 2:
        rotate(V_y, V_z);
        rotate(M_y, M_z);
        break;
    case 6:
        rotate(M_y, M_z);
        [[fallthrough]];
    case 5:
        *V_z = std::hypot(*V_y, *V_z);
        *V_y = 0;
        *M_x = std::fabs(*M_x);
        break;
    case 7:
        *M_y = std::hypot(*M_y, *M_z);
        *M_z = 0;
        *V_z = std::hypot(*V_y, *V_z);
        *V_y = 0;
        *M_x = std::fabs(*M_x);
        break;
    default:
        *N = *V_y = *V_z = *M_x = *M_y = *M_z = *M_w = *B = 0;
        break;
    }
    return 1;
}

int Calc_Section_Stress_Extremes(double N, double V_y, double V_z, double M_x, double M_y, double M_z, double M_w,
                                 double B) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    const int mode = Profil_DWQB_Store.mode;
    const double angle = std::atan2(Profil_DWQB_Linienwerte.sin_a, Profil_DWQB_Linienwerte.cos_a);
    Rotate_Forces_To_Section(&N, &V_y, &V_z, &M_x, &M_y, &M_z, &M_w, &B, angle, mode);
    last_N = N;
    Section_Stress_Extremes& e = Profil_DWQB_Extremes;
    std::memset(&e, 0, sizeof e);
    e.i_sigma_min = e.i_sigma_max = e.i_tau_min = e.i_tau_max = e.i_sv_min = e.i_sv_max = -1;
    e.i_sigma_abs = e.i_tau_abs = e.i_sv_abs = -1;
    const int n = Point_Count();
    for (int i = 0; i < n; i++) {
        const double s = Plane(PROFIL_PLANE_M1, i) * M_y + Plane(PROFIL_PLANE_N, i) * N +
                         Plane(PROFIL_PLANE_B, i) * B + Plane(PROFIL_PLANE_M2, i) * M_z;
        const double t = Plane(PROFIL_PLANE_MW, i) * M_w + Plane(PROFIL_PLANE_MX, i) * M_x +
                         Plane(PROFIL_PLANE_V2, i) * V_z + Plane(PROFIL_PLANE_V1, i) * V_y;
        const double v = std::sqrt(s * s + 3 * t * t);
        point_sigma[i] = s;
        point_tau[i] = t;
        point_sv[i] = v;
        if (i == 0 || s < e.sigma_min) e.sigma_min = s, e.i_sigma_min = i;
        if (i == 0 || s > e.sigma_max) e.sigma_max = s, e.i_sigma_max = i;
        if (i == 0 || t < e.tau_min) e.tau_min = t, e.i_tau_min = i;
        if (i == 0 || t > e.tau_max) e.tau_max = t, e.i_tau_max = i;
        if (i == 0 || v < e.sv_min) e.sv_min = v, e.i_sv_min = i;
        if (i == 0 || v > e.sv_max) e.sv_max = v, e.i_sv_max = i;
    }
    Larger(e.sigma_max, e.i_sigma_max, e.sigma_min, e.i_sigma_min, &e.sigma_abs, &e.i_sigma_abs);
    Larger(e.tau_max, e.i_tau_max, e.tau_min, e.i_tau_min, &e.tau_abs, &e.i_tau_abs);
    Larger(e.sv_max, e.i_sv_max, e.sv_min, e.i_sv_min, &e.sv_abs, &e.i_sv_abs);
    return 0;
}

int Calc_Section_Stress_Extremes_7(double N, double V_y, double V_z, double M_x, double M_y, double M_z, double B) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    return Calc_Section_Stress_Extremes(N, V_y, V_z, M_x, M_y, M_z, 0, B);
}

int Get_Section_Point_Count(void) { return Point_Count(); }

int Get_Section_Point_Stress(int i, double* y, double* z, double* sigma, double* tau, double* sigma_v) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    const bool ok = i >= 0 && i < Point_Count();
    const Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    if (y) *y = ok ? Plane(PROFIL_PLANE_Y, i) - p.y_c : 0;
    if (z) *z = ok ? Plane(PROFIL_PLANE_Z, i) - p.z_c : 0;
    if (sigma) *sigma = ok ? point_sigma[i] : 0;
    if (tau) *tau = ok ? point_tau[i] : 0;
    if (sigma_v) *sigma_v = ok ? point_sv[i] : 0;
    return ok ? 1 : 0;
}

int Get_Section_Part_Ends(int i, double y[2], double z[2]) {
    if (i < 0 || i >= Part_Count()) return CT_NO_PART;
    const Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const int code = p.support_kind[i];
    if (code == CT_NO_PART) return CT_NO_PART;
    double py[2] = {0, 0}, pz[2] = {0, 0};
    for (int e = 0; e < 2; e++) {
        const int k = p.end_position[i][e];
        if (k < 0 || k >= Point_Count()) return CT_NO_PART;
        py[e] = Plane(PROFIL_PLANE_Y, k) - p.y_c;
        pz[e] = Plane(PROFIL_PLANE_Z, k) - p.z_c;
    }
    // where c ends, as Get_Section_Point takes the stresses there
    for (int e = 0; e < 2; e++) {
        const double f = p.reduction[i][e];
        y[e] = (1 - f) * py[e] + f * py[1 - e];
        z[e] = (1 - f) * pz[e] + f * pz[1 - e];
    }
    return code;
}

double Get_Section_Part_Thickness(int i) {
    if (i < 0 || i >= Part_Count() || Profil_DWQB_Linienwerte.support_kind[i] == CT_NO_PART) return 0;
    return Profil_DWQB_Linienwerte.thickness[i];
}

int Get_Section_Part_Count(void) { return Part_Count(); }

double Get_Section_Part_Ratio(int i) { return i >= 0 && i < Part_Count() ? Profil_DWQB_Linienwerte.ratio[i] : 0; }

int Get_Section_Angle(double legs[2], double* sigma_axial, double* sigma_min, double* sigma_max) {
    if (legs) legs[0] = legs[1] = 0;
    if (sigma_axial) *sigma_axial = 0;
    if (sigma_min) *sigma_min = 0;
    if (sigma_max) *sigma_max = 0;
    const double* l = Profil_DWQB_Store.angle_legs;
    const int n = Point_Count();
    if (Profil_DWQB_Store.mode == 0 || n == 0 || !(l[0] > 0) || !(l[1] > 0)) return 0;
    // the most compressive of the points' axial stresses (all N/A of one
    // material), and the extremes of their stresses
    double axial = 0, lowest = 0, highest = 0;
    for (int i = 0; i < n; i++) {
        const double a = 10 * Plane(PROFIL_PLANE_N, i) * last_N, s = 10 * point_sigma[i];
        axial = i == 0 ? a : std::min(axial, a);
        lowest = i == 0 ? s : std::min(lowest, s);
        highest = i == 0 ? s : std::max(highest, s);
    }
    if (legs) legs[0] = l[0], legs[1] = l[1];
    if (sigma_axial) *sigma_axial = axial;
    if (sigma_min) *sigma_min = lowest;
    if (sigma_max) *sigma_max = highest;
    return 1;
}

int Get_Section_Point(int i, double* factor, double* sigma_a, double* sigma_b) {
    if (factor) *factor = 0;
    if (sigma_a) *sigma_a = 0;
    if (sigma_b) *sigma_b = 0;
    if (i < 0 || i >= Part_Count()) return CT_NO_PART;
    const Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const int code = p.support_kind[i];
    if (code == CT_NO_PART) return CT_NO_PART;
    auto stress = [](int k) { return k >= 0 && k < Point_Count() ? point_sigma[k] : 0.0; };
    // A tube's wall is compressed most at a face, the outer one in bending,
    // not on its mid-line (by about t/D less): its ends take the most
    // compressive of the three points across the wall (mid-line and faces)
    // of their station.
    auto wall = [&stress](int k) {
        if (k < 0 || k % 3 != 0 || k + 2 >= Point_Count()) return stress(k);
        return std::min({stress(k), stress(k + 1), stress(k + 2)});
    };
    const double s_a = code == CT_ROUND ? wall(p.end_position[i][0]) : stress(p.end_position[i][0]);
    const double s_b = code == CT_ROUND ? wall(p.end_position[i][1]) : stress(p.end_position[i][1]);
    const double f_a = p.reduction[i][0], f_b = p.reduction[i][1];
    if (factor) *factor = std::max(p.ratio[i], 1.0);
    if (f_a == 0 && f_b == 0) {
        if (sigma_a) *sigma_a = 10 * s_a;
        if (sigma_b) *sigma_b = 10 * s_b;
    } else {
        if (sigma_a) *sigma_a = 10 * ((1 - f_a) * s_a + f_a * s_b);
        if (sigma_b) *sigma_b = 10 * ((1 - f_b) * s_b + f_b * s_a);
    }
    return code;
}

// ---- shifts between reference points --------------------------------------

namespace {

// forces: N, V_y, V_z, M_x, M_y, M_z, M_w, B; from/to: y_s, z_s, y_M, z_M.
void Shift(const double* from, const double* to, double e, double* f) {
    const double dys = to[0] - from[0], dzs = to[1] - from[1];
    const double dym = to[2] - from[2], dzm = to[3] - from[3];
    if (dym != 0) f[3] -= f[2] * dym;
    if (dzm != 0) f[3] += f[1] * dzm;
    if (dzs != 0) f[4] += f[0] * dzs;
    if (dys != 0) f[5] -= f[0] * dys;
    if (dys != 0) f[7] += f[4] * dys;
    if (dzs != 0) f[7] -= f[5] * dzs;
    if (e != 0) f[7] += f[0] * e;
}

void Rotate(double angle, double* f) {
    if (angle == 0) return;
    Rotate_Forces_To_Section(&f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], angle, 2);
}

}  // namespace

int Transform_Forces_Shift_Rotate(const double* from, const double* to, double eccentricity, double angle,
                                  double* forces) {
    if (!from || !to || !forces) return 0;
    Shift(from, to, eccentricity, forces);
    Rotate(angle, forces);
    return 0;
}

int Transform_Forces_Rotate_Shift(const double* from, const double* to, double eccentricity, double angle,
                                  double* forces) {
    if (!from || !to || !forces) return 0;
    Rotate(angle, forces);
    Shift(from, to, eccentricity, forces);
    return 0;
}

// ---- c/t limits ------------------------------------------------------------

namespace {

// Limits l_1..l_3 and epsilon of one part under the end stresses s_a, s_b;
// false when they do not compress it. The raised epsilon (flag 1) serves
// the class 3 limit only under EN 1993-1-1: below the design strength a
// part may pass as class 3 instead of 4, never as class 1 or 2.
bool Limits_Of_Stresses(int code, int flags, int part, double f_y, double divisor, double factor, double s_a,
                        double s_b, double* l, double* eps_out) {
    const bool en = (code & 0xFFFF) == 1;
    const double c_a = -s_a, c_b = -s_b;
    const bool a_larger = c_a >= c_b;
    const double c_max = a_larger ? c_a : c_b;
    if (c_max <= 1e-5 * f_y || c_max <= 0) return false;
    double psi = (a_larger ? c_b : c_a) / c_max;
    // Free edge: the start node for code 0, the end node for code 1.
    const bool free_compressed = (part == 0 && a_larger) || (part == 1 && !a_larger);
    double eps = 1, eps3 = 1;
    if (f_y > 0) {
        eps = eps3 = (flags & 4 ? factor : 1.0) * std::sqrt((en ? 235.0 : 240.0) / f_y);
        const double f_d = divisor > 0 ? f_y / divisor : f_y;
        if (f_d > c_max && (!en || (flags & 1))) {
            eps3 *= std::sqrt(f_d / c_max);
            if (!en) eps = eps3;
        }
    }
    double alpha;
    // The plastic stress blocks give the compressed fraction itself, however
    // small (see Limits of the thin-walled classification).
    const double alpha_blocks = flags & 2 ? 1 : psi < 0 ? 1 / (1 - psi) : 1;
    if (psi < -1) {
        psi = -1;
        alpha = flags & 2 ? 1 : 0.5;
    } else {
        alpha = alpha_blocks;
    }
    if (en && (flags & SECTION_CLASS_PLASTIC)) alpha = alpha_blocks;
    if (part == CT_INTERNAL) {
        if (en) {
            if (alpha > 0.5) {
                l[0] = 396 * eps / (13 * alpha - 1);
                l[1] = 456 * eps / (13 * alpha - 1);
            } else {
                l[0] = 36 * eps / alpha;
                l[1] = 41.5 * eps / alpha;
            }
            l[2] = 42 * eps3 / (0.67 + 0.33 * psi);
        } else {
            if (alpha < 0.5 && !(flags & 2)) alpha = 0.5;
            l[0] = 32 * eps / alpha;
            l[1] = 37 * eps / alpha;
            l[2] = psi > 0 ? 27.1367 * eps * std::sqrt(8.2 / (1.05 + psi)) * (1 - 0.278 * psi - 0.025 * psi * psi)
                           : 27.1367 * eps * std::sqrt(7.81 - 6.29 * psi + 9.78 * psi * psi);
        }
    } else if (part == CT_ROUND) {
        l[0] = 50 * eps * eps;
        l[1] = 70 * eps * eps;
        l[2] = en ? 90 * eps3 * eps3 : eps * eps * (90 - 10 * (psi + 1));
    } else if (free_compressed) {
        const double k = 0.57 - 0.21 * psi + 0.07 * psi * psi;
        l[0] = en ? 9 * eps / alpha : 9 * eps;
        l[1] = en ? 10 * eps / alpha : 11 * eps;
        l[2] = (en ? 21 : 19.6876) * eps3 * std::sqrt(k);
    } else {
        const double k = psi >= 0 ? 0.578 / (psi + 0.34) : 1.7 - 5 * psi + 17.1 * psi * psi;
        const double d = en || (flags & 2) ? alpha * std::sqrt(alpha) : 1;
        l[0] = 9 * eps / d;
        l[1] = (en ? 10 : 11) * eps / d;
        l[2] = (en ? 21 : 19.6876) * eps3 * std::sqrt(k);
    }
    *eps_out = eps3;
    return true;
}

// The limits of one part: class 3 from its elastic stresses s_a, s_b,
// classes 1 and 2 (with SECTION_CLASS_PLASTIC under EN 1993-1-1) from the
// plastic end stresses plastic[0], plastic[1] where given. A distribution
// that does not compress the part sets no limit of its classes (0); false
// when neither does.
bool Part_Limits(int code, int flags, int part, double f_y, double divisor, double factor, const double* plastic,
                 double s_a, double s_b, double* l, double* eps_out) {
    const bool elastic =
        Limits_Of_Stresses(code, flags & ~SECTION_CLASS_PLASTIC, part, f_y, divisor, factor, s_a, s_b, l, eps_out);
    if (!((flags & SECTION_CLASS_PLASTIC) && (code & 0xFFFF) == 1 && part != CT_ROUND && plastic &&
          std::isfinite(plastic[0]) && std::isfinite(plastic[1])))
        return elastic;
    double pl[3] = {0, 0, 0}, eps_pl = 1;
    const bool compressed =
        Limits_Of_Stresses(code, (flags & ~1) | SECTION_CLASS_PLASTIC, part, f_y, divisor, factor, plastic[0],
                           plastic[1], pl, &eps_pl);
    if (!elastic) {
        l[2] = 0;
        *eps_out = eps_pl;
    }
    l[0] = compressed ? pl[0] : 0;
    l[1] = compressed ? pl[1] : 0;
    return elastic || compressed;
}

// The utilisations of a part of ratio ct against its limits l (0: none) in
// its group and overall.
void Account(double ct, const double* l, double* group, Section_Class_Result* result) {
    for (int k = 0; k < 3; k++) {
        if (l[k] <= 0) continue;
        const double u = ct / l[k];
        group[k] = std::max(group[k], u);
        result->overall[k] = std::max(result->overall[k], u);
    }
}

}  // namespace

int Calc_Section_Class_Limits(const Section_Class_Request* request, Section_Class_Result* result) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (result) std::memset(result, 0, sizeof *result);
    if (!request || !result) return 0;
    const int n = Part_Count();
    // the angle's conditions with the epsilon of its more slender (higher)
    // strength, as no leg may be classed below its own
    double f_y_angle = request->f_y;
    for (int i = 0; i < n; i++) {
        double ratio = 0, s_a = 0, s_b = 0;
        const int part = Get_Section_Point(i, &ratio, &s_a, &s_b);
        if (part == CT_NO_PART) continue;
        const bool own = request->part_f_y && i < request->part_count && request->part_f_y[i] > 0;
        const double f_y = own ? request->part_f_y[i] : request->f_y;
        f_y_angle = std::max(f_y_angle, f_y);
        const double* plastic = request->plastic_ends && i < request->part_count ? request->plastic_ends[i] : nullptr;
        double l[3] = {0, 0, 0}, eps = 1;
        if (!Part_Limits(request->code, request->flags, part, f_y, request->divisor, request->factor, plastic, s_a,
                         s_b, l, &eps))
            continue;
        const double ct = std::max(Profil_DWQB_Linienwerte.ratio[i], 0.0);
        Account(ct, l, part == 0 || part == 1 ? result->outstand : result->internal, result);
    }
    // An angle's two conditions belong to its legs, the outstands.
    double legs[2], axial, lowest, highest;
    if ((request->code & 0xFFFF) == 1 && Get_Section_Angle(legs, &axial, &lowest, &highest)) {
        const double f_d = request->divisor > 0 ? f_y_angle / request->divisor : f_y_angle;
        const Ct_Grenzwert_Eingabe in{1, request->flags & (CT_RAISED_EPS3 | CT_EPS_FACTOR), CT_NO_CHECK, f_y_angle,
                                      0, f_d, axial, lowest, 0, request->factor};
        Ct_Winkel w;
        if (Calc_Ct_Winkel(&in, legs, highest, &w))
            for (int j = 0; j < 2; j++) Account(w.ratio[j], w.limits[j].ct, result->outstand, result);
    }
    return 1;
}

int Calc_Part_Class_Limits(const Section_Part_Request* request, double* result) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!request || !result) return 0;
    double l[3] = {1.0, -1000.0, 0.0}, eps = 1.0;
    result[3] = result[4] = result[5] = 1.0;
    if (request->part_code != CT_NO_PART &&
        Part_Limits(request->code, request->flags & ~SECTION_CLASS_PLASTIC, request->part_code, request->f_y,
                    request->divisor, request->factor, nullptr, request->sigma_a, request->sigma_b, l, &eps)) {
        const double ct = std::max(request->ratio, 0.0);
        for (int k = 0; k < 3; k++) result[3 + k] = l[k] > 0 ? ct / l[k] : 0;
    }
    result[0] = l[0];
    result[1] = l[1];
    result[2] = l[2];
    result[6] = eps;
    return 1;
}

// ---- parts for the c/t classification of the thin-walled layer -----------

namespace {

int Services_Count(const void*) { return Part_Count(); }
double Services_Ct(const void*, int i) { return Get_Section_Part_Ratio(i); }
int Services_Point(const void*, int i, double* factor, double* s_1, double* s_2) {
    return Get_Section_Point(i, factor, s_1, s_2);
}
int Services_Angle(const void*, double legs[2], double* sigma_axial, double* sigma_min, double* sigma_max) {
    return Get_Section_Angle(legs, sigma_axial, sigma_min, sigma_max);
}
const Ct_Part_Services part_services = {Services_Count, Services_Ct, Services_Point, Services_Angle};

}  // namespace

void Install_Section_Part_Services(void) { Set_Ct_Part_Services(&part_services); }
