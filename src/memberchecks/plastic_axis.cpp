// plastic_axis: the shift of the elastic zero line to the plastic neutral
// axis under a normal force.
#include "memberchecks/plastic_axis.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "thinwall/dwqb_transfer.h"

namespace {

// Signed area of a polygon (shoelace).
double Area(const double* y, const double* z, int n) {
    double a = 0;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        a += y[i] * z[j] - y[j] * z[i];
    }
    return a / 2;
}

// Area of the part of the quad where sigma + delta < 0; the stress runs
// linearly along every edge, so the edges are cut where it changes sign.
double Compressed_Area(const Stress_Quad& q, double delta) {
    double y[8], z[8];
    int n = 0;
    for (int i = 0; i < 4; i++) {
        const int j = (i + 1) % 4;
        const double gi = q.sigma[i] + delta, gj = q.sigma[j] + delta;
        if (gi < 0) y[n] = q.y[i], z[n] = q.z[i], n++;
        if ((gi < 0) != (gj < 0)) {
            const double t = gi / (gi - gj);
            y[n] = q.y[i] + t * (q.y[j] - q.y[i]);
            z[n] = q.z[i] + t * (q.z[j] - q.z[i]);
            n++;
        }
    }
    return n >= 3 ? std::fabs(Area(y, z, n)) : 0.0;
}

// Area in tension less area in compression at the shift delta.
double Balance(const Stress_Quad* q, const double* area, int n, double delta) {
    double b = 0;
    for (int i = 0; i < n; i++) b += area[i] - 2 * Compressed_Area(q[i], delta);
    return b;
}

}  // namespace

int Calc_Plastic_Axis_Shift(const Stress_Quad* quads, int n, double area_balance, double* delta) {
    if (!quads || n <= 0 || !delta) return 0;
    std::vector<double> area(static_cast<size_t>(n));
    double total = 0, lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int i = 0; i < n; i++) {
        area[i] = std::fabs(Area(quads[i].y, quads[i].z, 4));
        total += area[i];
        if (area[i] <= 0) continue;
        for (double s : quads[i].sigma) lo = std::min(lo, s), hi = std::max(hi, s);
    }
    if (!(total > 0) || !std::isfinite(lo) || !std::isfinite(hi)) return 0;
    const double scale = std::max(std::fabs(lo), std::fabs(hi));
    if (hi - lo <= 1e-9 * scale) return 0;
    // Below -hi every corner is compressed, above -lo every corner in tension;
    // the balance grows with the shift.
    const double margin = hi - lo;
    double a = -hi - margin, b = -lo + margin;
    if (area_balance <= -total) {
        *delta = a;
        return 1;
    }
    if (area_balance >= total) {
        *delta = b;
        return 1;
    }
    // False position on the bracket, the end that stays halved in its
    // weight (Illinois) and every third step a bisection, so that both ends
    // close in: a few dozen balances where halving alone takes seventy.
    double f_a = Balance(quads, area.data(), n, a) - area_balance, f_b = Balance(quads, area.data(), n, b) - area_balance;
    int kept = 0;  // -1: a stayed last, +1: b stayed last
    for (int it = 0; it < 200 && b - a > 1e-13 * (scale + margin); it++) {
        double m = it % 3 == 2 || !(f_b > f_a) ? (a + b) / 2 : (a * f_b - b * f_a) / (f_b - f_a);
        if (!(m > a && m < b)) m = (a + b) / 2;
        const double f_m = Balance(quads, area.data(), n, m) - area_balance;
        if (f_m < 0) {
            a = m, f_a = f_m;
            if (kept == 1) f_b /= 2;
            kept = 1;
        } else {
            b = m, f_b = f_m;
            if (kept == -1) f_a /= 2;
            kept = -1;
        }
    }
    *delta = (a + b) / 2;
    return 1;
}

int Calc_Model_Plastic_Axis_Shift(double N, double f_y, double* delta) {
    if (!(f_y > 0)) return 0;
    const int lines = Get_Section_Part_Count(), points = Get_Section_Point_Count();
    std::vector<Stress_Quad> quads;
    quads.reserve(static_cast<size_t>(lines) * 10);
    for (int i = 0; i < lines; i++) {
        for (int k = 0; k < 10; k++) {
            // the two plate faces at the tenths k and k + 1 of the line
            const int at[4] = {33 * i + 3 * k + 1, 33 * i + 3 * (k + 1) + 1, 33 * i + 3 * (k + 1) + 2,
                               33 * i + 3 * k + 2};
            Stress_Quad q{};
            bool ok = true;
            for (int c = 0; c < 4 && ok; c++)
                ok = at[c] < points &&
                     Get_Section_Point_Stress(at[c], &q.y[c], &q.z[c], &q.sigma[c], nullptr, nullptr) == 1;
            if (ok) quads.push_back(q);
        }
    }
    return Calc_Plastic_Axis_Shift(quads.data(), static_cast<int>(quads.size()), N / f_y, delta);
}

namespace {

// The kind and end stresses (N/mm2) of every part of the standing model.
struct Part_Ends {
    int kind;
    double s_a, s_b;
};

std::vector<Part_Ends> Read_Part_Ends(void) {
    std::vector<Part_Ends> ends(static_cast<size_t>(Get_Section_Part_Count()));
    for (size_t i = 0; i < ends.size(); i++)
        ends[i].kind = Get_Section_Point(static_cast<int>(i), nullptr, &ends[i].s_a, &ends[i].s_b);
    return ends;
}

void Evaluate(const double f[8]) { Calc_Section_Stress_Extremes(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]); }

// The rotation from the forces' axes into the principal axes in which the
// stress services evaluate the model (its mode): false where the model
// keeps the bending as one resultant or has no mode.
bool Principal_Rotation(double* c, double* s) {
    *c = 1, *s = 0;
    switch (Profil_DWQB_Store.mode) {
    case 1: case 3: case 4: case 5:
        return true;
    case 2: case 6: {
        const double angle = std::atan2(Profil_DWQB_Linienwerte.sin_a, Profil_DWQB_Linienwerte.cos_a);
        *c = std::cos(angle), *s = std::sin(angle);
        return true;
    }
    default:
        return false;
    }
}

// Accounts part i's utilisations under the ends plus the shift.
void Account_Part(const Part_Ends& e, int i, double shift, Plastic_Part_Utilisation fn, void* context,
                  Own_Stress_Utilisations* out) {
    double U[2] = {0, 0};
    if (!fn(context, i, e.s_a + shift, e.s_b + shift, U)) return;
    const bool outstand = e.kind == CT_OUTSTAND_FREE_AT_START || e.kind == CT_OUTSTAND_FREE_AT_END;
    double* group = outstand ? out->outstand : out->internal;
    for (int k = 0; k < 2; k++) group[k] = std::max(group[k], U[k]);
}

}  // namespace

int Calc_Own_Stress_Utilisations(const double forces[8], double f_y, Plastic_Part_Utilisation part_utilisation,
                                 void* context, Own_Stress_Utilisations* out) {
    if (out) *out = Own_Stress_Utilisations{};
    double c = 1, s = 0;
    if (!forces || !part_utilisation || !out || !(f_y > 0) || !Principal_Rotation(&c, &s)) return 0;
    const std::vector<Part_Ends> full = Read_Part_Ends();
    double scale = 0;
    for (const Part_Ends& e : full) scale = std::max({scale, std::fabs(e.s_a), std::fabs(e.s_b)});
    // what counts as the same stress: far below any stress that classifies
    const double same = 1e-7 * scale + 1e-9;
    const double m[2] = {c * forces[4] + s * forces[5], c * forces[5] - s * forces[4]};
    int count = 0;
    for (int drop = 0; drop < 2; drop++) {
        if (std::fabs(m[drop]) < 1e-6 || std::fabs(m[1 - drop]) + std::fabs(forces[0]) < 1e-6) continue;
        const double kept[2] = {drop == 0 ? 0.0 : m[0], drop == 1 ? 0.0 : m[1]};
        double f[8];
        std::copy(forces, forces + 8, f);
        f[4] = c * kept[0] - s * kept[1];
        f[5] = s * kept[0] + c * kept[1];
        Evaluate(f);
        const std::vector<Part_Ends> without = Read_Part_Ends();
        // N alone keeps its uniform stresses, as the section's own
        // classification does
        double shift = 0;
        if (Calc_Model_Plastic_Axis_Shift(f[0], f_y, &shift)) shift *= 10;
        for (size_t i = 0; i < full.size() && i < without.size(); i++) {
            const Part_Ends& a = full[i];
            const Part_Ends& b = without[i];
            if (a.kind == CT_NO_PART || std::fabs(a.s_a - b.s_a) > same || std::fabs(a.s_b - b.s_b) > same) continue;
            Account_Part(b, static_cast<int>(i), shift, part_utilisation, context, out);
            count++;
        }
    }
    Evaluate(forces);
    return count;
}
