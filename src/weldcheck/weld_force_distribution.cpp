// Distribution of the internal forces of one load case to the weld line
// cross-section: forces in report units, the symmetric shortcut, the
// admission of the torsional moment, the moments about the weld centroid,
// the forces of each weld part under the three shear splits with their
// equilibrium test, and the stress terms of the whole line cross-section.
//
// The normal stress follows the linear field of the line cross-section about
// its own centroid, coupled through the product moment where the welds are
// not symmetric: the parts and the end points use the same field, and the
// equilibrium test compares the parts with the moments about the weld
// centroid, the moments that field carries. With a single line (or lines in
// one row) the field has no coupling and an axis without inertia carries no
// moment; the equilibrium test then refuses what cannot be carried.
//
// The shear split puts each shear force on welds of its choice, where it
// has a moment about the weld centroid; the forces act at the profile
// centroid. What the split leaves of M_x and of the shear forces' moments
// about the weld centroid, the torsion M_T, is carried by a closed ring of
// welds as a closed hollow section, and by welds that close no ring as a
// rigid plate turning about their centroid, with the polar moment of their
// throat areas: the welds' stresses give back every force and moment. A
// torsion neither can carry refuses the check.
#include <cmath>

#include "base/cp850.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check_internal.h"

static const double EPS = 0.001;

void Wc_Design_Forces(WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    const Schnittkraefte kn = Scale_Schnittkraefte(r->forces, SCHNITTKRAEFTE_TO_KN);
    w->N = kn.N;
    w->My = kn.M_y;
    w->Mz = kn.M_z;
    w->Vy = kn.V_y;
    w->Vz = kn.V_z;
    w->Mx = kn.M_x;
    w->symmetric = false;
    if (!Is_Profile_Type_In(PROFILTYP_MASK_I, r->profile.type) || r->full_treatment != 0) return;
    if (std::fabs(w->Mz) > 0.01 || std::fabs(w->Vy) > 0.01 || std::fabs(w->Mx) > 0.01 || r->shear_split == 2) return;
    static const int pairs[3][2] = {{1, 5}, {2, 6}, {4, 7}};
    for (const auto& p : pairs)
        if (std::fabs(r->a[p[0]] - r->a[p[1]]) > 0.01 || std::fabs(r->l[p[0]] - r->l[p[1]]) > 0.01) return;
    w->symmetric = true;
    w->Mz = w->Vy = w->Mx = 0.0;
}

// Polar moment of the throat areas about the weld centroid, from the sums
// the lines left (the section values proper come after the design-force
// block that reports how M_x is carried).
static double Polar_Moment(const WeldCheckWork* w) {
    if (w->A_w <= EPS) return 0.0;
    const double I_p = w->I_y0 + w->I_z0 - (w->S_y * w->S_y + w->S_z * w->S_z) / w->A_w;
    // What the subtraction leaves of a zero moment is no moment.
    return I_p > 1e-9 * (w->I_y0 + w->I_z0) ? I_p : 0.0;
}

int Wc_Torsion_Admission_And_Block(WeldCheckWork* w) {
    const bool requested = Wc_Present(w->Mx);
    const bool ring = w->W_wt > EPS;  // a closed ring of lines, or the round section's
    w->I_wp = ring ? 0.0 : Polar_Moment(w);
    if (!(w->I_wp > EPS)) w->I_wp = 0.0;
    w->polar = false;  // until a torsion is left for the polar moment
    const bool carried = ring || w->I_wp > 0.0;
    if (w->report) {
        FILE* f = w->f;
        OLI_printf(f, "%s╬HBemessungsgrößen bezogen auf den Schwerpunkt des Profils:\n"_cp, Check_Line_Prefix);
        const double indent = OLI_Get_Para_Indent();
        if (w->level == 2) OLI_Set_Para_Indent(indent + 0.3);
        struct Item {
            const char* fmt;
            double v;
        };
        const Item items[] = {{"N╬\\Ed╬r = %.2lf kN"_cp, w->N},    {"M╬\\y,Ed╬r = %.2lf kNm"_cp, w->My},
                              {"V╬\\z,Ed╬r = %.2lf kN"_cp, w->Vz}, {"M╬\\z,Ed╬r = %.2lf kNm"_cp, w->Mz},
                              {"V╬\\y,Ed╬r = %.2lf kN"_cp, w->Vy}, {"M╬\\x,Ed╬r = %.2lf kNm"_cp, w->Mx}};
        bool first = true;
        for (const Item& it : items) {
            if (!Wc_Present(it.v)) continue;
            OLI_printf(f, "%s", first ? Check_Line_Prefix : ",  ");
            OLI_printf(f, it.fmt, it.v);
            first = false;
        }
        if (!first) OLI_printf(f, "\n");
        if (requested && !carried)
            OLI_printf(f, "%sDas Torsionsmoment M╬\\x,Ed╬r kann von den Nähten nicht aufgenommen werden, %s\n"_cp,
                       Check_Line_Prefix, Mark_Not_Ok());
        else if (requested && ring && !w->r->all_round)
            OLI_printf(f, "%sDas Torsionswiderstandsmoments W╬\\t,w╬r wird für ein geschlossenes Hohlprofil ermittelt %s\n"_cp,
                       Check_Line_Prefix, Mark_Note());
        else if (requested && !ring)
            OLI_printf(f, "%sKein geschlossener Nahtring: M╬\\x,Ed╬r wird über das polare Trägheitsmoment I╬\\w,p╬r der Nähte aufgenommen %s\n"_cp,
                       Check_Line_Prefix, Mark_Note());
        if (w->level == 2) OLI_Set_Para_Indent(indent);
    }
    if (!requested) {
        w->Mx = 0.0;
    } else if (!carried) {
        // A moment the welds cannot carry is never dropped: the case has no
        // result.
        w->r->U_w = -1.0;
        if (w->f) OLI_Add_Para_Offset(0.3);
        return 1;
    }
    return 0;
}

void Wc_Weld_Centroid_Moments(WeldCheckWork* w) {
    const double dz = std::fabs(w->dz_w) > EPS ? w->dz_w : 0.0;
    const double dy = std::fabs(w->dy_w) > EPS ? w->dy_w : 0.0;
    // N acts at the profile centroid, which lies at -dy, -dz from the weld
    // centroid; with sigma = ... + M_y z / I_y - M_z y / I_z its moments
    // about the weld centroid are -N dz and +N dy.
    w->Mwy = w->My - w->N * dz * 0.001;
    w->Mwz = w->Mz + w->N * dy * 0.001;
    if (w->detailed && (std::fabs(w->Mwy - w->My) > EPS || std::fabs(w->Mwz - w->Mz) > EPS)) {
        OLI_printf(w->f, "%sM╬\\w,y╬r = M╬\\y,Ed╬r - N╬\\Ed╬r%súz╬\\w╬r = %.2lf kNm\n"_cp, Check_Line_Prefix,
                   Report_Times_Sign, w->Mwy);
        OLI_printf(w->f, "%sM╬\\w,z╬r = M╬\\z,Ed╬r + N╬\\Ed╬r%súy╬\\w╬r = %.2lf kNm\n"_cp, Check_Line_Prefix,
                   Report_Times_Sign, w->Mwz);
    }
}

namespace {

// Gradients of the normal stress field (N/mm² per mm) about the weld
// centroid: sigma = sigma_N + g_z dz + g_y dy.
void Stress_Gradients(const WeldCheckWork* w, double* g_z, double* g_y) {
    const double D = w->I_wy * w->I_wz - w->I_wyz * w->I_wyz;
    if (D > EPS) {
        *g_z = 1e6 * (w->Mwy * w->I_wz + w->Mwz * w->I_wyz) / D;
        *g_y = -1e6 * (w->Mwy * w->I_wyz + w->Mwz * w->I_wy) / D;
    } else {
        *g_z = w->I_wy > EPS ? 1e6 * w->Mwy / w->I_wy : 0.0;
        *g_y = w->I_wz > EPS ? -1e6 * w->Mwz / w->I_wz : 0.0;
    }
}

// Shear forces (kN in, N out) of part i: split 0 and 2 in step with the
// normal force, split 1 by the parts' own stiffnesses.
void Part_Shear(const WeldCheckWork* w, int i, double Vy, double Vz, double sK[3], double* vy, double* vz) {
    const WeldCheckLine& L = w->line[i];
    const double dz = L.z_c - w->dz_w, dy = L.y_c - w->dy_w;
    const int mode = w->r->shear_split;
    if (mode == 1) {
        const double Ky = L.I_y, Kz = L.I_z, Kyz = L.I_yz;
        const double DK = sK[0] * sK[1] - sK[2] * sK[2];
        if (DK > EPS) {
            *vy = 1000.0 / DK * ((Kz * sK[0] - sK[2] * Kyz) * Vy + (sK[1] * Kyz - sK[2] * Kz) * Vz);
            *vz = 1000.0 / DK * ((sK[1] * Ky - sK[2] * Kyz) * Vz + (Kyz * sK[0] - sK[2] * Ky) * Vy);
        } else {
            *vy = sK[1] > EPS ? 1000.0 * Vy * Kz / sK[1] : 0.0;
            *vz = sK[0] > EPS ? 1000.0 * Vz * Ky / sK[0] : 0.0;
        }
        return;
    }
    const double Iy = w->I_wy, Iz = w->I_wz, Iyz = w->I_wyz;
    const double D = Iy * Iz - Iyz * Iyz;
    if (D > EPS) {
        const double c = 1000.0 / D * ((Iz * dz - Iyz * dy) * Vz + (Iy * dy - Iyz * dz) * Vy);
        *vy = 1000.0 / D * ((Iy * L.I_z - Iyz * L.I_yz) * Vy + (Iz * L.I_yz - Iyz * L.I_z) * Vz) + dy * L.A * c;
        *vz = 1000.0 / D * ((Iz * L.I_y - Iyz * L.I_yz) * Vz + (Iy * L.I_yz - Iyz * L.I_y) * Vy) + dz * L.A * c;
    } else {
        *vy = Iz > EPS ? 1000.0 * Vy * (L.I_z + L.A * dy * dy) / Iz : 0.0;
        *vz = Iy > EPS ? 1000.0 * Vz * (L.I_y + L.A * dz * dz) / Iy : 0.0;
    }
}

int Refuse(WeldCheckWork* w, const char* line, double indent, bool raised) {
    if (w->report) OLI_printf(w->f, line, Check_Line_Prefix, Mark_Not_Ok());
    if (raised) OLI_Set_Para_Indent(indent);
    w->r->U_w = -1.0;
    if (w->f) OLI_Add_Para_Offset(0.3);
    return 1;
}

}  // namespace

int Wc_Shear_And_Torsion(WeldCheckWork* w) {
    w->tau_Vy = Wc_Present(w->Vy) && w->A_wy > EPS ? w->Vy * 1000.0 / w->A_wy : 0.0;
    w->tau_Vz = Wc_Present(w->Vz) && w->A_wz > EPS ? w->Vz * 1000.0 / w->A_wz : 0.0;
    w->M_T = w->q_T = w->tau_T = 0.0;
    w->polar = false;
    if (w->round) {
        // The ring's own shear flow balances the shear forces, which act at
        // its centre: only M_x is left.
        if (Wc_Present(w->Mx) && w->W_wt > EPS) {
            w->M_T = w->Mx;
            w->tau_T = w->Mx * 1e6 / w->W_wt;
        } else {
            w->W_wt = 0.0;
        }
        return 0;
    }
    const int mode = w->r->shear_split;
    double sK[3] = {0.0, 0.0, 0.0};
    for (const WeldCheckLine& L : w->line) {
        sK[0] += L.I_y;
        sK[1] += L.I_z;
        sK[2] += L.I_yz;
    }
    // The moment (Nmm) the split's shear has about the weld centroid; each
    // weld's shear is even along it.
    double M_split = 0.0;
    for (int i = 0; i < WELD_CHECK_WELDS; ++i) {
        const WeldCheckLine& L = w->line[i];
        w->Vyw[i] = w->Vzw[i] = 0.0;
        if (L.dir == WC_NONE) continue;
        double vy, vz;
        if (mode == 0) {
            vy = L.dir == WC_ALONG_Y ? w->tau_Vy * L.A : 0.0;
            vz = L.dir == WC_ALONG_Z ? w->tau_Vz * L.A : 0.0;
        } else {
            Part_Shear(w, i, w->Vy, w->Vz, sK, &w->Vyw[i], &w->Vzw[i]);
            vy = w->Vyw[i];
            vz = w->Vzw[i];
        }
        M_split += (L.y_c - w->dy_w) * vz - (L.z_c - w->dz_w) * vy;
    }
    // M_x about the weld centroid: V_y and V_z act at the profile centroid,
    // -dy_w, -dz_w from it.
    const double M_xw = w->Mx - w->dy_w * w->Vz * 0.001 + w->dz_w * w->Vy * 0.001;
    const double M_T = M_xw - M_split * 1e-6;
    if (!Wc_Present(M_T)) {
        w->W_wt = 0.0;
        return 0;
    }
    w->M_T = M_T;
    if (w->ring) {
        w->q_T = M_T * 1e6 / w->Omega;
        w->tau_T = w->q_T / w->a_min;
        return 0;
    }
    w->W_wt = 0.0;
    if (w->I_wp > 0.0) {
        w->polar = true;
        return 0;
    }
    if (w->report)
        OLI_printf(w->f, "%sDas Torsionsmoment M╬\\x,Ed╬r kann von den Nähten nicht aufgenommen werden, %s\n"_cp,
                   Check_Line_Prefix, Mark_Not_Ok());
    w->r->U_w = -1.0;
    if (w->f) OLI_Add_Para_Offset(0.3);
    return 1;
}

int Wc_Distribute(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    const int mode = r->shear_split;
    if (r->contact_share > 0.75) r->contact_share = 0.75;

    // Stress terms of the whole line cross-section (those of the shear
    // forces and the torsion are set with the shear split).
    w->sigma_N = Wc_Present(w->N) && w->A_w > EPS ? w->N * 1000.0 / w->A_w : 0.0;

    Stress_Gradients(w, &w->g_z, &w->g_y);

    const bool show = w->report && w->intermediate;
    bool block_open = false;
    const double indent = OLI_Get_Para_Indent();
    auto open_block = [&]() {
        if (block_open || !show) return;
        block_open = true;
        if (w->level == 2) OLI_Add_Para_Offset(0.3);
        OLI_printf(w->f, "%s╬HSchnittgrößenverteilung:\n"_cp, Check_Line_Prefix);
        OLI_Set_Para_Indent(indent + 0.3);
        const double q = (indent + 0.3) / 0.3;
        const double tabs[6] = {q + 7, q + 21, q + 35, q + 49, q + 63, q + 77};
        OLI_Set_Tabs(2, nullptr, tabs, 6);
    };

    if (!w->round) {
        const double Vy = mode == 0 ? 0.0 : w->Vy, Vz = mode == 0 ? 0.0 : w->Vz;
        const bool any = Wc_Present(w->N) || Wc_Present(w->Mwy) || Wc_Present(w->Mwz) ||
                         (mode != 0 && (Wc_Present(Vy) || Wc_Present(Vz)));
        if (any) {
            const double g_z = w->g_z, g_y = w->g_y;
            const double sN = w->A_w > EPS ? w->N * 1000.0 / w->A_w : 0.0;
            double sumN = 0, sumMy = 0, sumMz = 0, sumVy = 0, sumVz = 0;
            for (int o = 0; o < w->n_order; ++o) {
                const int i = w->order[o];
                const WeldCheckLine& L = w->line[i];
                if (L.dir == WC_NONE) continue;
                const double dz = L.z_c - w->dz_w, dy = L.y_c - w->dy_w;
                w->Nw[i] = L.A * (sN + g_z * dz + g_y * dy);
                w->Myw[i] = g_z * L.I_y + g_y * L.I_yz;
                w->Mzw[i] = -(g_z * L.I_yz + g_y * L.I_z);
                sumN += w->Nw[i];
                sumMy += w->Nw[i] * dz + w->Myw[i];
                sumMz += -w->Nw[i] * dy + w->Mzw[i];
                sumVy += w->Vyw[i];
                sumVz += w->Vzw[i];
                const double kN[5] = {w->Nw[i] * 0.001, w->Myw[i] * 1e-6, w->Mzw[i] * 1e-6, w->Vyw[i] * 0.001,
                                      w->Vzw[i] * 0.001};
                bool listed = false;
                for (double v : kN) listed = listed || Wc_Present(v);
                if (!listed || !show) continue;
                open_block();
                OLI_printf(w->f, "%s%s %d: ", Check_Line_Prefix, w->label, Wc_Base_Number(r->number[i]));
                static const char* const fmts[5] = {"╬tN╬\\w╬r = %.2lf kN "_cp, "╬tM╬\\y,w╬r = %.2lf kNm "_cp,
                                                    "╬tM╬\\z,w╬r = %.2lf kNm "_cp, "╬tV╬\\y,w╬r = %.2lf kN "_cp,
                                                    "╬tV╬\\z,w╬r = %.2lf kN "_cp};
                for (int j = 0; j < 5; ++j)
                    if (Wc_Present(kN[j])) OLI_printf(w->f, fmts[j], kN[j]);
                OLI_printf(w->f, "\n");
            }
            const bool nm_ok = std::fabs(sumN * 0.001 - w->N) <= EPS && std::fabs(sumMy * 1e-6 - w->Mwy) <= EPS &&
                               std::fabs(sumMz * 1e-6 - w->Mwz) <= EPS;
            if (!nm_ok)
                return Refuse(w, "%sNormalkraft/Momente können nicht aufgenommen werden, %s\n"_cp, indent, block_open);
            if (mode != 0 && (std::fabs(sumVy * 0.001 - w->Vy) > EPS || std::fabs(sumVz * 0.001 - w->Vz) > EPS))
                return Refuse(w, "%sQuerkräfte können nicht aufgenommen werden, %s\n"_cp, indent, block_open);
        }
    }
    if (mode == 0 && !w->round) {
        if (Wc_Present(w->Vy) && w->A_wy <= EPS)
            return Refuse(w, "%sQuerkraft V╬\\y╬r aus der konventionellen Aufteilungsmethode kann nicht aufgenommen werden, %s\n"_cp,
                          indent, block_open);
        if (Wc_Present(w->Vz) && w->A_wz <= EPS)
            return Refuse(w, "%sQuerkraft V╬\\z╬r aus der konventionellen Aufteilungsmethode kann nicht aufgenommen werden, %s\n"_cp,
                          indent, block_open);
        if (show && (Wc_Present(w->Vy) || Wc_Present(w->Vz))) {
            open_block();
            OLI_printf(w->f, "%saus konventioneller Querkraftaufteilung:", Check_Line_Prefix);
            if (Wc_Present(w->Vy)) OLI_printf(w->f, "  V╬\\y,w╬r = %.2lf kN"_cp, w->Vy);
            if (Wc_Present(w->Vz)) OLI_printf(w->f, "  V╬\\z,w╬r = %.2lf kN"_cp, w->Vz);
            OLI_printf(w->f, "\n");
        }
    }
    if (show && (w->ring || w->polar) && std::fabs(w->M_T - w->Mx) > EPS) {
        open_block();
        OLI_printf(w->f, "%sverbleibende Torsion um den Schwerpunkt der Nähte:  M╬\\w,T╬r = %.2lf kNm\n"_cp,
                   Check_Line_Prefix, w->M_T);
    }
    if (block_open) {
        OLI_Set_Para_Indent(indent);
        OLI_End_Tabs();
    }
    return 0;
}
