// Distribution of the internal forces of one load case to the weld line
// cross-section: the symmetric shortcut, the admission of the torsional
// moment, the moments about the weld centroid, the forces of each weld part
// under the three shear splits with their equilibrium test, and the stress
// terms of the whole line cross-section. Forces in N, moments in Nmm as the
// record holds them; the report shows kN and kNm (Weld_kN, Weld_kNm).
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
#include <algorithm>
#include <cmath>

#include "base/cp850.h"
#include "base/rounding.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weld_check_internal.h"
#include "weldcheck/weldelem.h"

// A section value (mm², mm³, mm⁴) counts above this.
static const double EPS = 0.001;

// Beyond this (kN, kNm) a force or moment is no load of a symmetric half.
static const double kSymmetricLimit = 0.01;

// The refusal of a torsion that neither a closed ring nor the polar moment
// of the welds can carry.
static const char* const kTorsionNotCarried =
    "%sDas Torsionsmoment M╬\\x,Ed╬r kann von den Nähten nicht aufgenommen werden, %s\n"_cp;

void Wc_Design_Forces(WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    const Schnittkraefte& F = r->forces;
    w->N = F.N;
    w->My = F.M_y;
    w->Mz = F.M_z;
    w->Vy = F.V_y;
    w->Vz = F.V_z;
    w->Mx = F.M_x;
    // Whether the symmetric shortcut may be taken is known only once the
    // welds are laid out (Wc_Decide_Symmetry).
    w->symmetric = Is_Profile_Type_In(PROFILTYP_MASK_I, r->profile.type) && r->full_treatment == 0 &&
                   std::fabs(Weld_kNm(w->Mz)) <= kSymmetricLimit && std::fabs(Weld_kN(w->Vy)) <= kSymmetricLimit &&
                   std::fabs(Weld_kNm(w->Mx)) <= kSymmetricLimit && r->shear_split != WELD_SHEAR_SPLIT_CONSISTENT;
}

// Whether the weld lines as laid out mirror about one axis along z: each
// weld and its mirror alike in direction, throat, length and height, and
// their centres as far on either side of the axis; a weld without a mirror
// (an undivided flange weld) on the axis.
static bool Lines_Mirror(const WeldCheckWork* w) {
    const double kTol = 0.01;  // mm
    static const int pairs[][2] = {
        {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT},       {WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT},
        {WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT}, {WELD_FACE_TOP_END_LEFT, WELD_FACE_TOP_END_RIGHT},
        {WELD_FACE_BOTTOM_END_LEFT, WELD_FACE_BOTTOM_END_RIGHT},     {WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT},
        {WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_OUTER_RIGHT}};
    bool have_axis = false;
    double twice_axis = 0.0;
    auto on_axis = [&](double y_sum) {
        if (!have_axis) return have_axis = true, twice_axis = y_sum, true;
        return std::fabs(y_sum - twice_axis) <= kTol;
    };
    for (const auto& p : pairs) {
        const WeldCheckLine &a = w->line[p[0]], &b = w->line[p[1]];
        if (a.dir == WC_NONE && b.dir == WC_NONE) continue;
        if (b.dir == WC_NONE && (p[0] == WELD_FACE_TOP_OUTER || p[0] == WELD_FACE_BOTTOM_OUTER)) {
            if (!on_axis(2.0 * a.y_c)) return false;
            continue;
        }
        if (a.dir != b.dir || std::fabs(a.a - b.a) > kTol || std::fabs(a.l - b.l) > kTol ||
            std::fabs(a.z_c - b.z_c) > kTol || !on_axis(a.y_c + b.y_c))
            return false;
    }
    return true;
}

void Wc_Decide_Symmetry(WeldCheckWork* w) {
    if (!w->symmetric) return;
    w->symmetric = Lines_Mirror(w);
    if (w->symmetric) w->Mz = w->Vy = w->Mx = 0.0;
}

bool Wc_Welds_Close_Loop(const WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    if (w->n_lines == 0 || w->n_lines != w->n_positions) return false;
    // An all-round weld follows the outline round every corner; a fully
    // penetrated rectangular tube welded on every wall is the tube itself.
    if (r->all_round) return true;
    if (w->type == PROFILTYP_RECHTECK && Wc_Full_Penetration(r)) return true;
    if (w->type != PROFILTYP_FLACH && w->type != PROFILTYP_RECHTECK) return false;
    // Single welds on the faces close the loop only where each runs to the
    // corners and meets the next there: at a sharp corner, over the whole
    // face. A rolled tube's welds stop at its rounded corners, a weld typed
    // shorter than its face stops short of them; the group is open there.
    // The weld as laid runs its length before the end craters are deducted,
    // about the line's centre.
    // Ends this close (mm) meet at their corner: the rounding of typed and
    // stored lengths; a weld that stops short of a corner by more leaves
    // the group open there.
    const double kMeet = 0.1;
    struct End {
        double y, z;
        int k;
    } ends[2 * WELD_CHECK_WELDS];
    int n = 0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const WeldCheckLine& L = w->line[k];
        if (L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z) continue;
        const double half = std::max(w->detail_test[k].base_len, L.l) / 2.0;
        // On its face: a butt weld's throat lies inside it.
        const double y = L.dir == WC_ALONG_Y ? L.lay_c : L.face, z = L.dir == WC_ALONG_Y ? L.face : L.lay_c;
        const double dy = L.dir == WC_ALONG_Y ? half : 0.0, dz = L.dir == WC_ALONG_Z ? half : 0.0;
        ends[n++] = {y - dy, z - dz, k};
        ends[n++] = {y + dy, z + dz, k};
    }
    for (int i = 0; i < n; ++i) {
        bool met = false;
        for (int j = 0; j < n && !met; ++j)
            met = ends[j].k != ends[i].k && std::fabs(ends[j].y - ends[i].y) <= kMeet &&
                  std::fabs(ends[j].z - ends[i].z) <= kMeet;
        if (!met) return false;
    }
    return true;
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

// The block of the design forces at the profile centroid and the line that
// says how M_x is carried (or that it cannot be).
static void Design_Force_Block(const WeldCheckWork* w, bool requested, bool ring, bool plates, bool carried) {
    FILE* f = w->f;
    OLI_printf(f, "%s╬HBemessungsgrößen bezogen auf den Schwerpunkt des Profils:\n"_cp, Check_Line_Prefix);
    const double indent = OLI_Get_Para_Indent();
    if (w->level == 2) OLI_Set_Para_Indent(indent + 0.3);
    struct Item {
        const char* fmt;
        double v;  // kN, kNm
    };
    const Item items[] = {{"N╬\\Ed╬r = %.2lf kN"_cp, Weld_kN(w->N)},    {"M╬\\y,Ed╬r = %.2lf kNm"_cp, Weld_kNm(w->My)},
                          {"V╬\\z,Ed╬r = %.2lf kN"_cp, Weld_kN(w->Vz)}, {"M╬\\z,Ed╬r = %.2lf kNm"_cp, Weld_kNm(w->Mz)},
                          {"V╬\\y,Ed╬r = %.2lf kN"_cp, Weld_kN(w->Vy)}, {"M╬\\x,Ed╬r = %.2lf kNm"_cp, Weld_kNm(w->Mx)}};
    bool first = true;
    for (const Item& it : items) {
        if (!Wc_Present(it.v)) continue;
        OLI_printf(f, "%s", first ? Check_Line_Prefix : ",  ");
        OLI_printf(f, it.fmt, Unsigned_Zero(it.v, 2));
        first = false;
    }
    if (!first) OLI_printf(f, "\n");
    // A sentence of the notes below takes two rows: they stay on one page.
    if (requested && (!carried || !ring || !w->r->all_round)) OLI_Keep_Space(f, 2 * Wc_kRowCm);
    if (requested && !carried)
        OLI_printf(f, kTorsionNotCarried, Check_Line_Prefix, Mark_Not_Ok());
    else if (requested && plates)
        OLI_printf(f, "%sDurchgeschweißte Naht: M╬\\x,Ed╬r wird wie im offenen Querschnitt über das Torsionsträgheitsmoment I╬\\w,T╬r der Bleche aufgenommen %s\n"_cp,
                   Check_Line_Prefix, Mark_Note());
    else if (requested && ring && !w->r->all_round)
        OLI_printf(f, "%sDas Torsionswiderstandsmoments W╬\\t,w╬r wird für ein geschlossenes Hohlprofil ermittelt %s\n"_cp,
                   Check_Line_Prefix, Mark_Note());
    else if (requested && !ring)
        OLI_printf(f, "%sKein geschlossener Nahtring: M╬\\x,Ed╬r wird über das polare Trägheitsmoment I╬\\w,p╬r der Nähte aufgenommen %s\n"_cp,
                   Check_Line_Prefix, Mark_Note());
    if (w->level == 2) OLI_Set_Para_Indent(indent);
}

int Wc_Torsion_Admission_And_Block(WeldCheckWork* w) {
    const bool requested = Wc_Moment_Present(w->Mx);
    const bool ring = w->W_wt > EPS;  // a closed ring of lines, or the round section's
    // A fully penetrated open section twists as the section it is; the
    // polar moment of a group is for welds that are not.
    const bool plates = !ring && w->I_T > EPS;
    w->I_wp = ring || plates ? 0.0 : Polar_Moment(w);
    if (!(w->I_wp > EPS)) w->I_wp = 0.0;
    const bool carried = ring || plates || w->I_wp > 0.0;
    if (w->report) Design_Force_Block(w, requested, ring, plates, carried);
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

// The moments about the weld centroid.
static void Centroid_Moments(const WeldCheckWork* w, double* Mwy, double* Mwz) {
    const double dz = std::fabs(w->dz_w) > EPS ? w->dz_w : 0.0;
    const double dy = std::fabs(w->dy_w) > EPS ? w->dy_w : 0.0;
    // N acts at the profile centroid, which lies at -dy, -dz from the weld
    // centroid; with sigma = ... + M_y z / I_y - M_z y / I_z its moments
    // about the weld centroid are -N dz and +N dy.
    *Mwy = w->My - w->N * dz;
    *Mwz = w->Mz + w->N * dy;
}

void Wc_Weld_Centroid_Moments(WeldCheckWork* w) {
    Centroid_Moments(w, &w->Mwy, &w->Mwz);
    const double Mwy = Weld_kNm(w->Mwy), Mwz = Weld_kNm(w->Mwz);
    if (w->detailed && (Wc_Present(Mwy - Weld_kNm(w->My)) || Wc_Present(Mwz - Weld_kNm(w->Mz)))) {
        OLI_printf(w->f, "%sM╬\\w,y╬r = M╬\\y,Ed╬r - N╬\\Ed╬r%súz╬\\w╬r = %.2lf kNm\n"_cp, Check_Line_Prefix,
                   Report_Times_Sign, Unsigned_Zero(Mwy, 2));
        OLI_printf(w->f, "%sM╬\\w,z╬r = M╬\\z,Ed╬r + N╬\\Ed╬r%súy╬\\w╬r = %.2lf kNm\n"_cp, Check_Line_Prefix,
                   Report_Times_Sign, Unsigned_Zero(Mwz, 2));
    }
}

namespace {

// Gradients of the normal stress field (N/mm² per mm) of the moments
// Mwy, Mwz about the weld centroid: sigma = sigma_N + g_z dz + g_y dy.
void Stress_Gradients(const WeldCheckWork* w, double Mwy, double Mwz, double* g_z, double* g_y) {
    const double D = w->I_wy * w->I_wz - w->I_wyz * w->I_wyz;
    if (D > EPS) {
        *g_z = (Mwy * w->I_wz + Mwz * w->I_wyz) / D;
        *g_y = -(Mwy * w->I_wyz + Mwz * w->I_wy) / D;
    } else {
        *g_z = w->I_wy > EPS ? Mwy / w->I_wy : 0.0;
        *g_y = w->I_wz > EPS ? -Mwz / w->I_wz : 0.0;
    }
}

// The stress of the normal force, even over the line cross-section.
double Normal_Force_Stress(const WeldCheckWork* w) {
    return Wc_Force_Present(w->N) && w->A_w > EPS ? w->N / w->A_w : 0.0;
}

// Shear forces (N) of part i: the consistent split in step with the normal
// force, the split by stiffnesses by the parts' own second moments (their
// sums sK: y, z, yz).
void Part_Shear(const WeldCheckWork* w, int i, double Vy, double Vz, const double sK[3], double* vy, double* vz) {
    const WeldCheckLine& L = w->line[i];
    const double dz = L.z_c - w->dz_w, dy = L.y_c - w->dy_w;
    if (w->r->shear_split == WELD_SHEAR_SPLIT_STIFFNESS) {
        const double Ky = L.I_y, Kz = L.I_z, Kyz = L.I_yz;
        const double DK = sK[0] * sK[1] - sK[2] * sK[2];
        if (DK > EPS) {
            *vy = 1.0 / DK * ((Kz * sK[0] - sK[2] * Kyz) * Vy + (sK[1] * Kyz - sK[2] * Kz) * Vz);
            *vz = 1.0 / DK * ((sK[1] * Ky - sK[2] * Kyz) * Vz + (Kyz * sK[0] - sK[2] * Ky) * Vy);
        } else {
            *vy = sK[1] > EPS ? Vy * Kz / sK[1] : 0.0;
            *vz = sK[0] > EPS ? Vz * Ky / sK[0] : 0.0;
        }
        return;
    }
    const double Iy = w->I_wy, Iz = w->I_wz, Iyz = w->I_wyz;
    const double D = Iy * Iz - Iyz * Iyz;
    if (D > EPS) {
        const double c = 1.0 / D * ((Iz * dz - Iyz * dy) * Vz + (Iy * dy - Iyz * dz) * Vy);
        *vy = 1.0 / D * ((Iy * L.I_z - Iyz * L.I_yz) * Vy + (Iz * L.I_yz - Iyz * L.I_z) * Vz) + dy * L.A * c;
        *vz = 1.0 / D * ((Iz * L.I_y - Iyz * L.I_yz) * Vz + (Iy * L.I_yz - Iyz * L.I_y) * Vy) + dz * L.A * c;
    } else {
        *vy = Iz > EPS ? Vy * (L.I_z + L.A * dy * dy) / Iz : 0.0;
        *vz = Iy > EPS ? Vz * (L.I_y + L.A * dz * dz) / Iy : 0.0;
    }
}

// The refusal of the distribution: its line (with the red marker), the
// indent back where the block raised it, U_w -1. Returns 1.
int Refuse(WeldCheckWork* w, const char* line, double indent, bool raised) {
    if (w->report) OLI_printf(w->f, line, Check_Line_Prefix, Mark_Not_Ok());
    if (raised) OLI_Set_Para_Indent(indent);
    w->r->U_w = -1.0;
    if (w->f) OLI_Add_Para_Offset(0.3);
    return 1;
}

// The moment (Nmm) that the shear split's shear, even along each weld, has
// about the weld centroid; sets the parts' shear of the splits other than
// the conventional one.
double Split_Moment(WeldCheckWork* w) {
    const bool conventional = w->r->shear_split == WELD_SHEAR_SPLIT_CONVENTIONAL;
    double sK[3] = {0.0, 0.0, 0.0};
    for (const WeldCheckLine& L : w->line) {
        sK[0] += L.I_y;
        sK[1] += L.I_z;
        sK[2] += L.I_yz;
    }
    double M_split = 0.0;
    for (int i = 0; i < WELD_CHECK_WELDS; ++i) {
        const WeldCheckLine& L = w->line[i];
        w->Vyw[i] = w->Vzw[i] = 0.0;
        if (L.dir == WC_NONE) continue;
        double vy, vz;
        if (conventional) {
            vy = L.dir == WC_ALONG_Y ? w->tau_Vy * L.A : 0.0;
            vz = L.dir == WC_ALONG_Z ? w->tau_Vz * L.A : 0.0;
        } else {
            Part_Shear(w, i, w->Vy, w->Vz, sK, &w->Vyw[i], &w->Vzw[i]);
            vy = w->Vyw[i];
            vz = w->Vzw[i];
        }
        M_split += (L.y_c - w->dy_w) * vz - (L.z_c - w->dz_w) * vy;
    }
    return M_split;
}

}  // namespace

int Wc_Shear_And_Torsion(WeldCheckWork* w) {
    w->tau_Vy = Wc_Force_Present(w->Vy) && w->A_wy > EPS ? w->Vy / w->A_wy : 0.0;
    w->tau_Vz = Wc_Force_Present(w->Vz) && w->A_wz > EPS ? w->Vz / w->A_wz : 0.0;
    w->M_T = w->q_T = w->tau_T = 0.0;
    w->polar = w->st_venant = false;
    if (w->round) {
        // The ring's own shear flow balances the shear forces, which act at
        // its centre: only M_x is left.
        if (Wc_Moment_Present(w->Mx) && w->W_wt > EPS) {
            w->M_T = w->Mx;
            w->tau_T = w->Mx / w->W_wt;
        } else {
            w->W_wt = 0.0;
        }
        return 0;
    }
    // M_x about the weld centroid: V_y and V_z act at the profile centroid,
    // -dy_w, -dz_w from it.
    const double M_xw = w->Mx - w->dy_w * w->Vz + w->dz_w * w->Vy;
    const double M_T = M_xw - Split_Moment(w);
    if (!Wc_Moment_Present(M_T)) {
        w->W_wt = 0.0;
        return 0;
    }
    w->M_T = M_T;
    if (w->ring) {
        w->q_T = M_T / w->Omega;
        w->tau_T = M_T / w->W_wt;
        return 0;
    }
    w->W_wt = 0.0;
    if (w->I_T > EPS) {
        w->st_venant = true;
        // The largest shear, at the faces of the thickest plate.
        double k_max = 0.0;
        for (const WeldCheckLine& L : w->line)
            if (L.dir != WC_NONE) k_max = std::max(k_max, L.k_T);
        w->tau_T = std::fabs(M_T) * k_max / w->I_T;
        return 0;
    }
    if (w->I_wp > 0.0) {
        w->polar = true;
        return 0;
    }
    return Refuse(w, kTorsionNotCarried, 0.0, false);
}

namespace {

// The block "Schnittgrößenverteilung" of one call: opened (heading, indent,
// tabs) before its first line, only when it is shown, and closed at the end.
struct Distribution_Block {
    WeldCheckWork* w;
    bool show;
    double indent;
    bool open = false;
    void Open() {
        if (open || !show) return;
        open = true;
        if (w->level == 2) OLI_Add_Para_Offset(0.3);
        OLI_printf(w->f, "%s╬HSchnittgrößenverteilung:\n"_cp, Check_Line_Prefix);
        OLI_Set_Para_Indent(indent + 0.3);
        // The normal force, then one column per axis: the moment about it
        // and, in a second row, the shear force along it.
        const double q = (indent + 0.3) / 0.3;
        const double tabs[3] = {q + 7, q + 20, q + 33};
        OLI_Set_Tabs(2, nullptr, tabs, 3);
    }
    void Close() {
        if (!open) return;
        OLI_Set_Para_Indent(indent);
        OLI_End_Tabs();
    }
    int Refuse(const char* line) { return ::Refuse(w, line, indent, open); }
};

// Whether a force (kN, kNm) shows as other than zero with two decimals.
bool Shown(double v) { return std::fabs(v) >= 0.005; }

// The line of part i with its forces (kN, kNm: N, M_y, M_z, V_y, V_z) that
// show, each in its column: N, then the moment and the shear force of
// each axis one under the other.
void Part_Line(Distribution_Block& b, int i, const double kN[5]) {
    WeldCheckWork* w = b.w;
    b.Open();
    Wc_Line out(w->f);
    out.Add("%s%s: ", Check_Line_Prefix, Wc_Weld_Name(w, i).text);
    // Each row up to its last value: the first N and the moments, the
    // second (under the moments) the shear forces.
    for (int row = 0; row < 2; ++row) {
        const int from = row == 0 ? 0 : 3, to = row == 0 ? 3 : 5;
        int last = -1;
        for (int j = from; j < to; ++j)
            if (Shown(kN[j])) last = j;
        if (last < 0) continue;
        if (row == 1) out.Add_Text("\n╬t"_cp);
        for (int j = from; j <= last; ++j) {
            if (!Shown(kN[j])) {
                out.Add_Text("╬t"_cp);
                continue;
            }
            const double v = Unsigned_Zero(kN[j], 2);
            switch (j) {
            case 0: out.Add("╬tN╬\\w╬r = %.2lf kN "_cp, v); break;
            case 1: out.Add("╬tM╬\\y,w╬r = %.2lf kNm "_cp, v); break;
            case 2: out.Add("╬tM╬\\z,w╬r = %.2lf kNm "_cp, v); break;
            case 3: out.Add("╬tV╬\\y,w╬r = %.2lf kN "_cp, v); break;
            default: out.Add("╬tV╬\\z,w╬r = %.2lf kN "_cp, v); break;
            }
        }
    }
    out.Add_Text("\n");
    out.Put();
}

// Normal force, moments and (but with the conventional split) shear of each
// part, their lines and the equilibrium test. 0, or 1 when refused.
int Distribute_To_Parts(Distribution_Block& b) {
    WeldCheckWork* w = b.w;
    const bool conventional = w->r->shear_split == WELD_SHEAR_SPLIT_CONVENTIONAL;
    const bool any = Wc_Force_Present(w->N) || Wc_Moment_Present(w->Mwy) || Wc_Moment_Present(w->Mwz) ||
                     (!conventional && (Wc_Force_Present(w->Vy) || Wc_Force_Present(w->Vz)));
    if (!any) return 0;
    const double g_z = w->g_z, g_y = w->g_y;
    const double sN = w->A_w > EPS ? w->N / w->A_w : 0.0;
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
        const double kN[5] = {Weld_kN(w->Nw[i]), Weld_kNm(w->Myw[i]), Weld_kNm(w->Mzw[i]), Weld_kN(w->Vyw[i]),
                              Weld_kN(w->Vzw[i])};
        bool listed = false;
        for (double v : kN) listed = listed || Shown(v);
        if (listed && b.show) Part_Line(b, i, kN);
    }
    const bool nm_ok = !Wc_Present(Weld_kN(sumN) - Weld_kN(w->N)) && !Wc_Present(Weld_kNm(sumMy) - Weld_kNm(w->Mwy)) &&
                       !Wc_Present(Weld_kNm(sumMz) - Weld_kNm(w->Mwz));
    if (!nm_ok) return b.Refuse("%sNormalkraft/Momente können nicht aufgenommen werden, %s\n"_cp);
    if (!conventional && (Wc_Present(Weld_kN(sumVy) - Weld_kN(w->Vy)) || Wc_Present(Weld_kN(sumVz) - Weld_kN(w->Vz))))
        return b.Refuse("%sQuerkräfte können nicht aufgenommen werden, %s\n"_cp);
    return 0;
}

// The conventional split: each shear force needs welds along it. 0, or 1
// when refused.
int Conventional_Split(Distribution_Block& b) {
    WeldCheckWork* w = b.w;
    const bool Vy = Wc_Force_Present(w->Vy), Vz = Wc_Force_Present(w->Vz);
    if (Vy && w->A_wy <= EPS)
        return b.Refuse("%sQuerkraft V╬\\y╬r aus der konventionellen Aufteilungsmethode kann nicht aufgenommen werden, %s\n"_cp);
    if (Vz && w->A_wz <= EPS)
        return b.Refuse("%sQuerkraft V╬\\z╬r aus der konventionellen Aufteilungsmethode kann nicht aufgenommen werden, %s\n"_cp);
    if (b.show && (Vy || Vz)) {
        b.Open();
        OLI_printf(w->f, "%saus konventioneller Querkraftaufteilung:", Check_Line_Prefix);
        if (Vy) OLI_printf(w->f, "  V╬\\y,w╬r = %.2lf kN"_cp, Unsigned_Zero(Weld_kN(w->Vy), 2));
        if (Vz) OLI_printf(w->f, "  V╬\\z,w╬r = %.2lf kN"_cp, Unsigned_Zero(Weld_kN(w->Vz), 2));
        OLI_printf(w->f, "\n");
    }
    return 0;
}

}  // namespace

void Wc_Normal_Stress_Field(const WeldCheckWork* w, double* sigma_N, double* g_z, double* g_y) {
    double Mwy, Mwz;
    Centroid_Moments(w, &Mwy, &Mwz);
    *sigma_N = Normal_Force_Stress(w);
    Stress_Gradients(w, Mwy, Mwz, g_z, g_y);
}

int Wc_Distribute(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    if (r->contact_share > 0.75) r->contact_share = 0.75;

    // Stress terms of the whole line cross-section (those of the shear
    // forces and the torsion are set with the shear split).
    w->sigma_N = Normal_Force_Stress(w);
    Stress_Gradients(w, w->Mwy, w->Mwz, &w->g_z, &w->g_y);

    Distribution_Block b{w, w->report && w->intermediate, OLI_Get_Para_Indent()};
    if (!w->round) {
        if (Distribute_To_Parts(b)) return 1;
        if (r->shear_split == WELD_SHEAR_SPLIT_CONVENTIONAL && Conventional_Split(b)) return 1;
    }
    if (b.show && (w->ring || w->polar || w->st_venant) && Wc_Present(Weld_kNm(w->M_T) - Weld_kNm(w->Mx))) {
        b.Open();
        OLI_printf(w->f, "%sverbleibende Torsion um den Schwerpunkt der Nähte:  M╬\\w,T╬r = %.2lf kNm\n"_cp,
                   Check_Line_Prefix, Unsigned_Zero(Weld_kNm(w->M_T), 2));
    }
    b.Close();
    return 0;
}
