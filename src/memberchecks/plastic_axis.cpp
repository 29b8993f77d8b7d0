// plastic_axis: the plastic neutral axis of a section under a normal force
// and bending moments together.
//
// For a direction n of the axis' normal the offset d of the field n.r + d
// follows from the normal force: the tension block less the compression
// block is N / f_y, which grows with d. The blocks' moments then point some
// way; as n turns round, the point of the resistance they stand for runs
// round the section's moment resistances under N, and their direction
// turns with it. The axis sought is the one whose blocks' moments point the
// way the forces' do: a root in the angle of n, bracketed from the normal
// of the forces' elastic distribution and closed in on by interpolation,
// with halving where that does not close in fast enough.
#include "memberchecks/plastic_axis.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "thinwall/dwqb.h"

namespace {

constexpr double PI = 3.14159265358979323846;

// Area and first moments (about the origin) of a region.
struct Moments {
    double a = 0, s_y = 0, s_z = 0;
};

// The moments of a polygon, positive for the orientation sign given.
void Add_Polygon(const double* y, const double* z, int n, double sign, Moments* m) {
    double a = 0, sy = 0, sz = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double c = y[i] * z[j] - y[j] * z[i];
        a += c;
        sy += (y[i] + y[j]) * c;
        sz += (z[i] + z[j]) * c;
    }
    m->a += sign * a / 2;
    m->s_y += sign * sy / 6;
    m->s_z += sign * sz / 6;
}

double Orientation(const Stress_Quad& q) {
    double a = 0;
    for (int i = 0; i < 4; i++) {
        const int j = (i + 1) % 4;
        a += q.y[i] * q.z[j] - q.y[j] * q.z[i];
    }
    return a > 0 ? 1.0 : a < 0 ? -1.0 : 0.0;
}

// The section as the search sees it: its quads, their orientation, its
// whole moments and its size.
struct Quads {
    const Stress_Quad* q;
    int n;
    std::vector<double> sign;
    std::vector<Moments> own;  // each quad's
    Moments total;
    double I_yy, I_yz, I_zz;   // second moments about the origin
    double size;  // the largest distance of a corner from the origin
};

// Adds the second moments of a polygon (positive for the orientation sign).
void Add_Second_Moments(const double* y, const double* z, int n, double sign, Quads* s) {
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        const double c = sign * (y[i] * z[j] - y[j] * z[i]);
        s->I_yy += c * (y[i] * y[i] + y[i] * y[j] + y[j] * y[j]) / 12;
        s->I_zz += c * (z[i] * z[i] + z[i] * z[j] + z[j] * z[j]) / 12;
        s->I_yz += c * (y[i] * z[j] + 2 * y[i] * z[i] + 2 * y[j] * z[j] + y[j] * z[i]) / 24;
    }
}

// The search's view of the quads; its vectors are the caller's scratch,
// kept from call to call so that a load case allocates nothing.
void Read(const Stress_Quad* q, int n, Quads* s) {
    s->q = q, s->n = n;
    s->sign.resize(static_cast<size_t>(n));
    s->own.assign(static_cast<size_t>(n), Moments{});
    s->total = Moments{}, s->size = 0;
    s->I_yy = s->I_yz = s->I_zz = 0;
    for (int i = 0; i < n; i++) {
        s->sign[i] = Orientation(q[i]);
        Add_Polygon(q[i].y, q[i].z, 4, s->sign[i], &s->own[i]);
        Add_Second_Moments(q[i].y, q[i].z, 4, s->sign[i], s);
        s->total.a += s->own[i].a, s->total.s_y += s->own[i].s_y, s->total.s_z += s->own[i].s_z;
        for (int c = 0; c < 4; c++) s->size = std::max(s->size, std::hypot(q[i].y[c], q[i].z[c]));
    }
}

// The moments of the compressed block, where n.r + d < 0; the field runs
// linearly along every edge, so the edges are cut where it changes sign.
Moments Compressed(const Quads& s, double ny, double nz, double d) {
    Moments m;
    for (int k = 0; k < s.n; k++) {
        const Stress_Quad& q = s.q[k];
        double y[8], z[8], g[4];
        int below = 0;
        for (int c = 0; c < 4; c++) {
            g[c] = ny * q.y[c] + nz * q.z[c] + d;
            below += g[c] < 0;
        }
        // most quads lie wholly on one side of the axis
        if (below == 0) continue;
        if (below == 4) {
            m.a += s.own[k].a, m.s_y += s.own[k].s_y, m.s_z += s.own[k].s_z;
            continue;
        }
        int n = 0;
        for (int i = 0; i < 4; i++) {
            const int j = (i + 1) % 4;
            if (g[i] < 0) y[n] = q.y[i], z[n] = q.z[i], n++;
            if ((g[i] < 0) != (g[j] < 0)) {
                const double t = g[i] / (g[i] - g[j]);
                y[n] = q.y[i] + t * (q.y[j] - q.y[i]);
                z[n] = q.z[i] + t * (q.z[j] - q.z[i]);
                n++;
            }
        }
        if (n >= 3) Add_Polygon(y, z, n, s.sign[k], &m);
    }
    return m;
}

// A root of f on [a, b], where f(a) and f(b) differ in sign, to within
// tol: inverse quadratic interpolation or the secant while they close in
// fast enough, else halving - fast where f is smooth near the root (the
// blocks' integrals are, between the corners the axis passes), never much
// slower than halving where it is not.
template <typename F>
double Root(F f, double a, double b, double f_a, double f_b, double tol) {
    double c = a, f_c = f_a, d = b - a, e = d;
    for (int it = 0; it < 200; it++) {
        if ((f_b > 0) == (f_c > 0)) c = a, f_c = f_a, d = e = b - a;
        if (std::fabs(f_c) < std::fabs(f_b)) {
            a = b, b = c, c = a;
            f_a = f_b, f_b = f_c, f_c = f_a;
        }
        const double m = (c - b) / 2, t = tol / 2 + 4e-16 * std::fabs(b);
        if (std::fabs(m) <= t || f_b == 0) return b;
        if (std::fabs(e) >= t && std::fabs(f_a) > std::fabs(f_b)) {
            double p, q;
            const double s = f_b / f_a;
            if (a == c) {
                p = 2 * m * s, q = 1 - s;
            } else {
                const double r = f_b / f_c, u = f_a / f_c;
                p = s * (2 * m * u * (u - r) - (b - a) * (r - 1));
                q = (u - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            else p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(t * q), std::fabs(e * q))) {
                e = d, d = p / q;
            } else {
                d = m, e = m;
            }
        } else {
            d = m, e = m;
        }
        a = b, f_a = f_b;
        b += std::fabs(d) > t ? d : (m > 0 ? t : -t);
        f_b = f(b);
    }
    return b;
}

// The offset d for the normal direction (ny, nz) at which the tension block
// less the compression block is `balance` (within the section's area).
// *near (NaN: none) is where to look first, the offset found for a
// direction close by; it gets the offset found.
double Offset(const Quads& s, double ny, double nz, double balance, double* near) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int k = 0; k < s.n; k++)
        for (int c = 0; c < 4; c++) {
            const double p = ny * s.q[k].y[c] + nz * s.q[k].z[c];
            lo = std::min(lo, p), hi = std::max(hi, p);
        }
    // At -hi every corner is compressed, at -lo every corner in tension.
    auto f = [&](double d) { return s.total.a - 2 * Compressed(s, ny, nz, d).a - balance; };
    double a = -hi, b = -lo, f_a = -s.total.a - balance, f_b = s.total.a - balance;
    if (std::isfinite(*near) && *near > a && *near < b) {
        // a bracket widened from there until it holds the root
        double step = 1e-3 * s.size, x = *near, f_x = f(x);
        const double toward = f_x < 0 ? 1 : -1;
        for (int k = 0; k < 60; k++, step *= 4) {
            const double y = std::clamp(x + toward * step, a, b), f_y = y == a ? f_a : y == b ? f_b : f(y);
            if ((f_y < 0) != (f_x < 0)) {
                if (toward > 0) a = x, f_a = f_x, b = y, f_b = f_y;
                else a = y, f_a = f_y, b = x, f_b = f_x;
                break;
            }
            x = y, f_x = f_y;
        }
    }
    *near = Root(f, a, b, f_a, f_b, 1e-10 * s.size);
    return *near;
}

// The angle from the moments L of the forces to those of the blocks whose
// normal points at theta (positive counter-clockwise in y, z); *near as for
// Offset.
double Turn_To_Blocks(const Quads& s, double theta, double balance, const double L[2], double* near) {
    const double ny = std::cos(theta), nz = std::sin(theta);
    const Moments c = Compressed(s, ny, nz, Offset(s, ny, nz, balance, near));
    const double R[2] = {s.total.s_y - 2 * c.s_y, s.total.s_z - 2 * c.s_z};
    return std::atan2(L[0] * R[1] - L[1] * R[0], L[0] * R[0] + L[1] * R[1]);
}

// The angle of the axis' normal whose blocks' moments point the way of L:
// from the normal of the elastic distribution of L (within a right angle of
// L, as the plastic one is, and mostly close to that) the turn to the
// blocks is followed in growing steps until it changes its sign, then the
// change is closed in on. The turn grows with the angle but for the jump
// where the blocks' moments point against L, which the search, walking
// towards zero, meets only past the root.
double Axis_Angle(const Quads& s, double balance, const double L[2]) {
    double near = NAN;
    // the elastic normal: the second moments' inverse applied to L (about
    // the origin: near enough for a start)
    const double D = s.I_yy * s.I_zz - s.I_yz * s.I_yz;
    const double e_y = s.I_zz * L[0] - s.I_yz * L[1], e_z = s.I_yy * L[1] - s.I_yz * L[0];
    const double start = D > 0 && std::hypot(e_y, e_z) > 0 ? std::atan2(e_z, e_y) : std::atan2(L[1], L[0]);
    double a = start;
    double f_a = Turn_To_Blocks(s, a, balance, L, &near);
    if (f_a == 0) return a;
    double step = (f_a > 0 ? -1 : 1) * PI / 64;
    double b = a, f_b = f_a;
    for (int k = 0; k < 12 && (f_b > 0) == (f_a > 0); k++, step *= 2) {
        a = b, f_a = f_b;
        b = std::max(start - PI, std::min(start + PI, a + step));
        f_b = Turn_To_Blocks(s, b, balance, L, &near);
        if (f_b == 0) return b;
    }
    if ((f_b > 0) == (f_a > 0)) return std::atan2(L[1], L[0]);
    if (a > b) std::swap(a, b), std::swap(f_a, f_b);
    auto f = [&](double theta) { return Turn_To_Blocks(s, theta, balance, L, &near); };
    return Root(f, a, b, f_a, f_b, 1e-9);
}

// The quads of the standing model: a quad per tenth of every line between
// its two plate faces, with the stresses of the last evaluation.
void Model_Quads(std::vector<Stress_Quad>* quads) {
    const int lines = Get_Section_Part_Count(), points = Get_Section_Point_Count();
    quads->clear();
    for (int i = 0; i < lines; i++) {
        for (int k = 0; k < 10; k++) {
            const int at[4] = {33 * i + 3 * k + 1, 33 * i + 3 * (k + 1) + 1, 33 * i + 3 * (k + 1) + 2,
                               33 * i + 3 * k + 2};
            Stress_Quad q{};
            bool ok = true;
            for (int c = 0; c < 4 && ok; c++)
                ok = at[c] < points &&
                     Get_Section_Point_Stress(at[c], &q.y[c], &q.z[c], &q.sigma[c], nullptr, nullptr) == 1;
            if (ok) quads->push_back(q);
        }
    }
}

// The moments of the last evaluation as first moments of its stresses about
// the centroid (the integrals of sigma y and sigma z): the gradient of its
// linear stress field (fitted to the stress points) times the model's own
// second moments, of which the engine made that field. false without
// points or second moments.
bool Model_Moments(double M[2]) {
    double S[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, r[3] = {0, 0, 0};
    const int points = Get_Section_Point_Count();
    for (int k = 0; k < points; k++) {
        double y = 0, z = 0, sigma = 0;
        if (!Get_Section_Point_Stress(k, &y, &z, &sigma, nullptr, nullptr)) continue;
        const double v[3] = {1, y, z};
        for (int i = 0; i < 3; i++) {
            r[i] += v[i] * sigma;
            for (int j = 0; j < 3; j++) S[i][j] += v[i] * v[j];
        }
    }
    // the normal equations by Cramer's rule: only the two gradients matter
    auto det = [](const double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    const double D = det(S);
    if (!(std::fabs(D) > 0)) return false;
    double grad[2];
    for (int col = 1; col <= 2; col++) {
        double T[3][3];
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3; j++) T[i][j] = j == col ? r[i] : S[i][j];
        grad[col - 1] = det(T) / D;
    }
    const double* qw = DWQB_Querschnittswerte;
    M[0] = qw[DWQB_QW_IZ] * grad[0] + qw[DWQB_QW_IYZ] * grad[1];
    M[1] = qw[DWQB_QW_IYZ] * grad[0] + qw[DWQB_QW_IY] * grad[1];
    return std::isfinite(M[0] + M[1]) && qw[DWQB_QW_IY] > 0 && qw[DWQB_QW_IZ] > 0;
}

}  // namespace

int Calc_Plastic_Plane(const Stress_Quad* quads, int n, double N, const double M[2], double f_y, double plane[3]) {
    if (!quads || n <= 0 || !M || !plane || !(f_y > 0) || !std::isfinite(N + M[0] + M[1])) return 0;
    static Quads s;  // its vectors kept for the next call
    Read(quads, n, &s);
    if (!(s.total.a > 0) || !(s.size > 0)) return 0;
    const double balance = N / f_y;
    // a moment too small to turn any block counts as none
    const bool moment = std::hypot(M[0], M[1]) > 1e-10 * (std::fabs(N) + f_y * s.total.a) * s.size;
    if (!moment || std::fabs(balance) >= s.total.a) {
        if (N == 0) return 0;
        plane[0] = N > 0 ? f_y : -f_y;
        plane[1] = plane[2] = 0;
        return 1;
    }
    const double theta = Axis_Angle(s, balance, M);
    double near = NAN;
    const double ny = std::cos(theta), nz = std::sin(theta), d = Offset(s, ny, nz, balance, &near);
    double largest = 0;
    for (int k = 0; k < n; k++)
        for (int c = 0; c < 4; c++)
            largest = std::max(largest, std::fabs(ny * quads[k].y[c] + nz * quads[k].z[c] + d));
    if (!(largest > 0)) return 0;
    const double scale = f_y / largest;
    plane[0] = d * scale, plane[1] = ny * scale, plane[2] = nz * scale;
    return 1;
}

int Calc_Model_Plastic_Part_Ends(double N, double f_y, double (*ends)[2], int max) {
    if (!ends || max <= 0) return 0;
    static std::vector<Stress_Quad> quads;  // kept for the next section: no allocation per load case
    Model_Quads(&quads);
    double M[2], plane[3];
    if (!Model_Moments(M) || !Calc_Plastic_Plane(quads.data(), static_cast<int>(quads.size()), N, M, f_y, plane))
        return 0;
    const int parts = std::min(Get_Section_Part_Count(), max);
    for (int i = 0; i < parts; i++) {
        double y[2], z[2];
        if (Get_Section_Part_Ends(i, y, z) == CT_NO_PART) {
            ends[i][0] = ends[i][1] = NAN;
            continue;
        }
        for (int e = 0; e < 2; e++) ends[i][e] = 10 * (plane[0] + plane[1] * y[e] + plane[2] * z[e]);
    }
    return parts;
}
