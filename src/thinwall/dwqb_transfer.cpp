// dwqb_transfer: line results into the profile catalogue's store.
#include "thinwall/dwqb_transfer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/invariant.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_internal.h"
#include "thinwall/dwqb_invariants.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_plate.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_results.h"
#include "thinwall/engine_faults.h"

Profil_DWQB_Linienwerte_Record Profil_DWQB_Linienwerte;

static double Inverse(double v) { return v != 0 ? 1 / v : 0; }

static bool Snapshot_Usable(const char* who) {
    if (!DWQB_Tabellen.overflow) return true;
    Record_Engine_Fault(ENGINE_FAULT_TABLE_FULL, "%s: mehr als 100 Knoten oder Linien, Tabellen unvollstaendig\n", who);
    return false;
}

static void Header(void) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const double* q = DWQB_Querschnittswerte;
    p.alpha = q[DWQB_QW_ALPHA];
    p.n = DWQB_Tabellen.n_lines;
    p.n11 = 11 * p.n;
    p.n33 = 33 * p.n;
    p.y_c = q[DWQB_QW_YC];
    p.z_c = q[DWQB_QW_ZC];
    p.y_m = q[DWQB_QW_YM];
    p.z_m = q[DWQB_QW_ZM];
    p.cos_a = std::cos(p.alpha);
    p.sin_a = std::sin(p.alpha);
}

static void Put(int plane, int position, double value) { Profil_DWQB_Linienwerte.planes[plane][position] = value; }

static int Transfer_Classic(void) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const double* q = DWQB_Querschnittswerte;
    const double inv_a = Inverse(q[DWQB_QW_A]), inv_i1 = Inverse(q[DWQB_QW_I1]), inv_i2 = Inverse(q[DWQB_QW_I2]);
    const double inv_it = Inverse(q[DWQB_QW_IT]);
    const double inv_iw = std::fabs(q[DWQB_QW_IW]) > 1e-10 ? 1 / q[DWQB_QW_IW] : 0;
    const double c = p.cos_a, s = p.sin_a;
    for (int i = 0; i < DWQB_Tabellen.n_lines; i++) {
        const DWQB_Tabellen_Linie& tl = DWQB_Tabellen.line[i];
        const DWQB_Linie* l = Find_DWQB_Line(tl.number);
        if (!l || tl.a < 0 || tl.b < 0) return DWQB_TRANSFER_MISSING_LINE;
        const double t = tl.t, h = t / 2, inv_t = t > 0 ? 1 / t : 0;
        p.line_values[i][0] = l->torsion_flow;
        p.line_values[i][1] = l->omega_a;
        p.line_values[i][2] = l->omega_b;
        static const int blocks[3] = {DWQB_SAMPLE_QY, DWQB_SAMPLE_QZ, DWQB_SAMPLE_QW};
        for (int b = 0; b < 3; b++)
            for (int k = 0; k < 11; k++) p.flows[i][b][k] = -l->samples[blocks[b]][k];
        const DWQB_Tabellen_Knoten& na = DWQB_Tabellen.node[tl.a + 1];
        const DWQB_Tabellen_Knoten& nb = DWQB_Tabellen.node[tl.b + 1];
        const double dy = nb.y - na.y, dz = nb.z - na.z, len = std::hypot(dy, dz);
        const double oy = len > 0 ? -h * dz / len : 0, oz = len > 0 ? h * dy / len : 0;
        for (int k = 0; k <= 10; k++) {
            const double x = 0.1 * k;
            const double cy = na.y + x * dy, cz = na.z + x * dz;
            const double om = l->omega_a + x * (l->omega_b - l->omega_a);
            const double qy = l->samples[DWQB_SAMPLE_QY][k], qz = l->samples[DWQB_SAMPLE_QZ][k];
            const double torsion = l->torsion_flow * inv_t;
            for (int pos = 0; pos < 3; pos++) {
                const double side = pos == 0 ? 0 : pos == 1 ? 1 : -1;
                const double y = cy + side * oy, z = cz + side * oz;
                const int at = 33 * i + 3 * k + pos;
                const double eta = c * (y - q[DWQB_QW_YC]) + s * (z - q[DWQB_QW_ZC]);
                const double zeta = c * (z - q[DWQB_QW_ZC]) - s * (y - q[DWQB_QW_YC]);
                Put(PROFIL_PLANE_Y, at, y);
                Put(PROFIL_PLANE_Z, at, z);
                Put(PROFIL_PLANE_OMEGA, at, om);
                Put(PROFIL_PLANE_T, at, t);
                Put(PROFIL_PLANE_N, at, inv_a);
                Put(PROFIL_PLANE_M1, at, zeta * inv_i1);
                Put(PROFIL_PLANE_M2, at, -eta * inv_i2);
                Put(PROFIL_PLANE_B, at, om * inv_iw);
                Put(PROFIL_PLANE_V1, at, (-qy * c - qz * s) * inv_t);
                Put(PROFIL_PLANE_V2, at, (-qz * c + qy * s) * inv_t);
                Put(PROFIL_PLANE_MX, at, torsion - side * t * inv_it);
                Put(PROFIL_PLANE_MW, at, -l->samples[DWQB_SAMPLE_QW][k] * inv_t);
            }
        }
    }
    return 0;
}

static int Transfer_Extended(void) {
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    const double* given = DWQB_Vorgaben;
    const bool given_it = (DWQB_Optionen & DWQB_OPT_GIVEN_IT) && given[DWQB_QW_IT] > 0;
    const bool given_iw = (DWQB_Optionen & DWQB_OPT_GIVEN_IW) && given[DWQB_QW_IW] > 0;
    for (int i = 0; i < DWQB_Tabellen.n_lines; i++) {
        const DWQB_Linie* l = Find_DWQB_Line(DWQB_Tabellen.line[i].number);
        if (!l) return DWQB_TRANSFER_MISSING_LINE;
        for (int k = 0; k <= 10; k++) {
            const double xi = 0.2 * k - 1;
            double py[3], pz[3];
            Segment_Point(xi, 0, &l->geo, &py[0], &pz[0]);
            Calc_DWQB_Line_Plate_Point(l, xi, 1, &py[1], &pz[1]);
            Calc_DWQB_Line_Plate_Point(l, xi, -1, &py[2], &pz[2]);
            double flow[5] = {}, stress[5] = {}, warp[5], warp_n[5];
            Calc_DWQB_Line_Shear_Values(l, 1, flow, xi, 0, 0);
            Calc_DWQB_Line_Shear_Values(l, 1, stress, xi, 0, 1);
            Calc_DWQB_Line_Warping_Values(l, 2, warp, xi, 0, 0, 0);
            Calc_DWQB_Line_Warping_Values(l, 2, warp_n, xi, 0, 0, 1);
            const double t = warp[4] != 0 ? 1 / warp[4] : 0;
            double k_t = stress[3];
            if (given_it) k_t = t / given[DWQB_QW_IT];
            p.flows[i][0][k] = flow[0];
            p.flows[i][1][k] = flow[1];
            p.flows[i][2][k] = warp[3];
            if (k == 0) p.line_values[i][0] = flow[2], p.line_values[i][1] = warp[0];
            if (k == 10) p.line_values[i][2] = warp[0];
            for (int pos = 0; pos < 3; pos++) {
                const int at = 33 * i + 3 * k + pos;
                const double side = pos == 0 ? 0 : pos == 1 ? 1 : -1;
                Put(PROFIL_PLANE_Y, at, py[pos]);
                Put(PROFIL_PLANE_Z, at, pz[pos]);
                if (!(l->result && l->result->kind == DWQB_MEMBER_LINE_NO_NORMAL)) {
                    double e[3];
                    Calc_DWQB_Axial_Coefficients(py[pos], pz[pos], 1, 0, 0, 1, 0, e);
                    Put(PROFIL_PLANE_N, at, e[0]);
                    Put(PROFIL_PLANE_M1, at, e[1]);
                    Put(PROFIL_PLANE_M2, at, e[2]);
                }
                Put(PROFIL_PLANE_V1, at, stress[0]);
                Put(PROFIL_PLANE_V2, at, stress[1]);
                Put(PROFIL_PLANE_MX, at, stress[2] - side * k_t);
                Put(PROFIL_PLANE_OMEGA, at, warp[0]);
                Put(PROFIL_PLANE_T, at, t);
                Put(PROFIL_PLANE_B, at, given_iw ? warp[0] / given[DWQB_QW_IW] : warp_n[0]);
                Put(PROFIL_PLANE_MW, at, warp_n[3]);
            }
        }
    }
    return 0;
}

int Transfer_DWQB_Line_Results(void) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!Snapshot_Usable("Transfer_DWQB_Line_Results")) return DWQB_TRANSFER_MISSING_LINE;
    if (DWQB_Tabellen.n_lines == 0) return 0;
    if (!dwqb_model.first_line) return DWQB_TRANSFER_MISSING_LINE;
    Header();
    const bool extended = DWQB_Erweitert || (DWQB_Optionen & DWQB_OPT_EXTENDED);
    return extended ? Transfer_Extended() : Transfer_Classic();
}

int Transfer_DWQB_Line_Kinds(void) {
    const Engine_Call engine_call;
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!Snapshot_Usable("Transfer_DWQB_Line_Kinds")) return DWQB_TRANSFER_MISSING_KIND;
    Profil_DWQB_Linienwerte_Record& p = Profil_DWQB_Linienwerte;
    for (int i = 0; i < DWQB_Tabellen.n_lines; i++) {
        p.ratio[i] = 0;
        p.thickness[i] = 0;
        p.support_kind[i] = -2;
        const DWQB_Linie* l = dwqb_model.first_line ? Find_DWQB_Line(DWQB_Tabellen.line[i].number) : nullptr;
        if (!l) return DWQB_TRANSFER_MISSING_KIND;
        int kind;
        switch (l->run[4]) {
            case 1: kind = 1; break;
            case 2: kind = 0; break;
            case 3: kind = 2; break;
            default: continue;
        }
        p.support_kind[i] = kind;
        p.end_position[i][0] = l->run[2] * 33 + (l->run[0] == 1 ? 30 : 0);
        p.end_position[i][1] = l->run[3] * 33 + (l->run[1] == 1 ? 30 : 0);
        // c is the run's clear width: its length less what the other
        // plates and their fillets take at its supported ends, the part
        // whose end stresses the reductions select.
        const double clear = l->run_L * (1 - l->run_reduction[0] - l->run_reduction[1]);
        if (l->run_t != 0) p.ratio[i] = std::fabs(std::max(clear, 0.0) / l->run_t);
        p.thickness[i] = std::fabs(l->run_t);
        p.reduction[i][0] = l->run_reduction[0];
        p.reduction[i][1] = l->run_reduction[1];
    }
    return 0;
}
