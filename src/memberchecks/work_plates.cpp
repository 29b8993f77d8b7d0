#include "memberchecks/work_plates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "thinwall/section_work.h"

bool Read_Work_Plates(const Profil_Model_Descriptor* d, float* values, Work_Plates* w) {
    if (!values || !w) return false;
    NachweisDatenKopf* head = reinterpret_cast<NachweisDatenKopf*>(values);
    const uint32_t code = static_cast<uint32_t>(Get_Section_Work_Code(d, head));
    if (!(code & WORK_CODE_FILLED)) return false;
    const float* p = Get_Section_Work_Payload(d, head);
    w->kind = static_cast<int>(code & WORK_CODE_KIND_MASK);
    w->y_r = p[0], w->z_r = p[1];
    for (int k = 0; k < 3; k++) w->y[k] = p[2 + 2 * k], w->z[k] = p[3 + 2 * k];
    w->b[0] = p[8], w->t[0] = p[9], w->b[1] = p[10], w->t[1] = p[11], w->b[2] = p[12], w->t[2] = p[13];
    w->A_v_web = p[16], w->A_v_web_in_flanges = p[17], w->A_v_flanges = p[18];
    return true;
}

int Work_Plate_Rectangles(const Work_Plates& w, double rz[3][3], double ry[3][3]) {
    int n = 0;
    for (int k = 0; k < 3; k++) {
        if (!w.present(k)) continue;
        const double dz = k == 1 ? w.b[k] / 2 : w.t[k] / 2, dy = k == 1 ? w.t[k] / 2 : w.b[k] / 2;
        rz[n][0] = w.z[k] - dz, rz[n][1] = w.z[k] + dz, rz[n][2] = 2 * dy;
        ry[n][0] = w.y[k] - dy, ry[n][1] = w.y[k] + dy, ry[n][2] = 2 * dz;
        n++;
    }
    return n;
}

double Plastic_Modulus(const double (*r)[3], int n) {
    double total = 0, lo = 0, hi = 0;
    for (int k = 0; k < n; k++) {
        total += (r[k][1] - r[k][0]) * r[k][2];
        lo = k == 0 ? r[k][0] : std::min(lo, r[k][0]);
        hi = k == 0 ? r[k][1] : std::max(hi, r[k][1]);
    }
    auto below = [&](double a) {
        double s = 0;
        for (int k = 0; k < n; k++) s += std::max(0.0, std::min(a, r[k][1]) - r[k][0]) * r[k][2];
        return s;
    };
    for (int i = 0; i < 100; i++) {
        const double m = (lo + hi) / 2;
        (below(m) < total / 2 ? lo : hi) = m;
    }
    const double a = (lo + hi) / 2;
    double W = 0;
    for (int k = 0; k < n; k++) {
        // integral of |x - a| w over [x0, x1]
        const double x0 = r[k][0] - a, x1 = r[k][1] - a;
        auto F = [](double x) { return x * std::fabs(x) / 2; };
        W += r[k][2] * (F(x1) - F(x0));
    }
    return W;
}
