// The thin-walled line model of the weld program's steel profile; see the
// header. Every length of the profile (mm) is taken to cm as it enters the
// engine and every result back to mm units as it leaves.
#include "memberchecks/profile_section_model.h"

#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/invariant.h"
#include "base/kept_by_inputs.h"
#include "memberchecks/member_invariants.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_masque.h"
#include "thinwall/dwqb_point.h"

namespace {

const double kTiny = 0.001;

struct Builder {
    int nodes = 0, lines = 0;
    int Node(double y, double z) {
        Add_DWQB_Node(++nodes, 0.1 * y, 0.1 * z);
        return nodes;
    }
    // Plate line a -> b of thickness t, fillet radii at the ends on the side
    // of the adjoining plate: a-left, a-right, b-left, b-right. The left face
    // is the one to which the direction a -> b turns by +90 degrees: for a
    // line running down (+z) the face towards -y, for one running to -y the
    // face towards -z (up).
    void Line(int a, int b, double t, double al = 0, double ar = 0, double bl = 0, double br = 0) {
        Tapered(a, b, t, t, al, ar, bl, br);
    }
    // The same with the thickness t_a at a and t_b at b.
    void Tapered(int a, int b, double t_a, double t_b, double al = 0, double ar = 0, double bl = 0, double br = 0) {
        const double v[9] = {t_a, t_b, 0, 0, 0, al, ar, bl, br};
        Add_Section_Line_cm(++lines, a, b, v);
    }
};

bool Omitted(double b, double t) { return b <= kTiny || t <= kTiny; }

// The plastic section moduli of the computed model (cm³), from the plastic
// summary of the general section built from it: bending about y is its first
// block, about z its second. False when the summary cannot be had.
bool Plastic_Moduli(double* w_y, double* w_z) {
    *w_y = *w_z = 0;
    DWQB_Summary summary;
    if (!Build_DWQB_Masque(&summary)) return false;
    const double y = summary.block[0][3], z = summary.block[1][3];
    if (!std::isfinite(y) || !std::isfinite(z) || y < 0 || z < 0) return false;
    *w_y = y;
    *w_z = z;
    return true;
}

// The fillet offsets of a profile's plates: top, bottom and root.
struct Offsets {
    double o_o, o_u, r;
};

void Build_Bar(const Stahlprofil* p, Builder& m) {
    if (p->type == PROFILTYP_FLACH) {
        int a = m.Node(0, 0), b = m.Node(0, p->h);
        m.Line(a, b, p->t_w);
        return;
    }
    const double h = p->h, t_w = p->t_w;
    const double radius = p->type == PROFILTYP_RUND ? static_cast<float>(h / 4) : h / 2 - t_w / 2;
    const double t = p->type == PROFILTYP_RUND ? h / 2 : t_w;
    const double step = 0.19634954084936207;  // pi / 16
    for (int k = 0; k < 32; k++) m.Node(radius * std::sin(k * step), radius * std::cos(k * step));
    for (int k = 1; k <= 32; k++) m.Line(k, k % 32 + 1, t);
}

void Build_Angle(const Stahlprofil* p, Builder& m, int mirror, const Offsets& f) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, o_o = f.o_o, r = f.r;
    double y_v = mirror ? (t_w - b_o) / 2 : (b_o - t_w) / 2, z_j = h - t_o / 2;
    int top = m.Node(y_v, 0), corner = m.Node(y_v, z_j);
    if (Omitted(b_o, t_o)) {
        m.Line(top, corner, t_w);
        return;
    }
    // The root lies inside the corner, on the side toward the horizontal leg.
    // The toes are rounded on the inner faces too.
    m.Line(top, corner, t_w, mirror ? 0 : r, mirror ? r : 0, mirror ? 0 : o_o, mirror ? o_o : 0);
    int tip = m.Node(mirror ? b_o / 2 : -b_o / 2, z_j);
    m.Line(corner, tip, t_o, mirror ? 0 : o_o, mirror ? o_o : 0, mirror ? 0 : r, mirror ? r : 0);
}

// The I family and the tees (a tee's stem ends free at h).
void Build_I_Or_Tee(const Stahlprofil* p, Builder& m, const Offsets& f) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const double o_o = f.o_o, o_u = f.o_u;
    const bool tee = p->type == PROFILTYP_T || p->type == PROFILTYP_HALB_I;
    int j_top;
    if (!Omitted(b_o, t_o)) {
        int right = m.Node(b_o / 2, t_o / 2);
        j_top = m.Node(0, t_o / 2);
        int left = m.Node(-b_o / 2, t_o / 2);
        const double toe = tee ? f.r : 0;  // rounded flange tips of a tee
        m.Line(right, j_top, t_o, 0, toe, 0, o_o);
        m.Line(j_top, left, t_o, 0, o_o, 0, toe);
    } else {
        j_top = m.Node(0, t_o / 2);
    }
    if (tee) {
        int end = m.Node(0, h);
        m.Line(j_top, end, t_w, o_o, o_o, 0, 0);
        return;
    }
    int j_bottom = m.Node(0, h - t_u / 2);
    m.Line(j_top, j_bottom, t_w, o_o, o_o, o_u, o_u);
    if (!Omitted(b_u, t_u)) {
        int right = m.Node(b_u / 2, h - t_u / 2), left = m.Node(-b_u / 2, h - t_u / 2);
        m.Line(right, j_bottom, t_u, 0, 0, o_u, 0);
        m.Line(j_bottom, left, t_u, o_u, 0, 0, 0);
    }
}

void Build_Channel(const Stahlprofil* p, Builder& m, const Offsets& f) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, o_o = f.o_o, r = f.r;
    // A rolled channel's flanges thicken towards the web with the slope
    // of their inner faces, t_f standing at half the width: parallel
    // flanges of t_f put the shear centre 5 to 10 % too far from the
    // centroid. (Their mid-lines are left parallel here; the shear centre
    // comes from the outline alone, Channel_Shear_Centre.)
    const double slope = Get_Catalogue_Flange_Slope(p);
    const double t_root = t_o + slope * (b_o - t_w) / 2, t_tip = t_o - slope * b_o / 2;
    double y_w = (b_o - t_w) / 2;
    int top = m.Node(y_w, t_o / 2), bottom = m.Node(y_w, h - t_o / 2);
    m.Line(top, bottom, t_w, o_o, 0, o_o, 0);
    if (!Omitted(b_o, t_o)) {
        int tip_top = m.Node(-b_o / 2, t_o / 2), tip_bottom = m.Node(-b_o / 2, h - t_o / 2);
        m.Tapered(top, tip_top, t_root, t_tip, 0, o_o, 0, r);
        m.Tapered(bottom, tip_bottom, t_root, t_tip, o_o, 0, r, 0);
    }
}

// A rectangular tube, or a box with the overhangs of its flanges: a box's
// webs where its real plates are (sloped where b_fo and b_fu differ), each
// flange out to its tip, b/2 + b_ü from the box's axis (the overhangs had
// ended t_w/2 short of it).
void Build_Tube_Or_Box(const Stahlprofil* p, Builder& m, const Offsets& f) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, b_u = p->b_fu, t_u = p->t_fu;
    const bool box = p->type == PROFILTYP_KASTEN;
    double y_o = (b_o - t_w) / 2, y_u = (b_u - t_w) / 2;
    if (box) {
        y_o = Calc_Box_Web_Centre(h, t_w, b_o, t_o, b_u, t_u, t_o / 2, nullptr);
        y_u = Calc_Box_Web_Centre(h, t_w, b_o, t_o, b_u, t_u, h - t_u / 2, nullptr);
    }
    int tl = m.Node(-y_o, t_o / 2), tr = m.Node(y_o, t_o / 2);
    int br = m.Node(y_u, h - t_u / 2), bl = m.Node(-y_u, h - t_u / 2);
    // The cell runs round with its inside on the left of every wall: the
    // inner corner radius of a rolled tube on the left faces, the outer
    // one on the right faces.
    const double c = box ? 0 : f.r, o = box ? 0 : f.o_o;
    m.Line(tl, tr, t_o, c, o, c, o);
    m.Line(tr, br, t_w, c, o, c, o);
    m.Line(br, bl, t_u, c, o, c, o);
    m.Line(bl, tl, t_w, c, o, c, o);
    if (!box) return;
    // Without an overhang an upright web's corner is the mitre of the two
    // plates; a sloped one's is the flange's end at b/2.
    const bool sloped = std::fabs(b_o - b_u) > kTiny;
    double w_o = b_o / 2 + p->b_ueo, w_u = b_u / 2 + p->b_ueu;
    if (p->b_ueo > kTiny || sloped) {
        m.Line(tl, m.Node(-w_o, t_o / 2), t_o);
        m.Line(tr, m.Node(w_o, t_o / 2), t_o);
    }
    if (p->b_ueu > kTiny || sloped) {
        m.Line(bl, m.Node(-w_u, h - t_u / 2), t_u);
        m.Line(br, m.Node(w_u, h - t_u / 2), t_u);
    }
}

void Build_Z(const Stahlprofil* p, Builder& m, const Offsets& f) {
    const double h = p->h, t_w = p->t_w, b_o = p->b_fo, t_o = p->t_fo, o_o = f.o_o, r = f.r;
    int j_top, j_bottom;
    if (!Omitted(b_o, t_o)) {
        int tip = m.Node(b_o / 2, t_o / 2);
        j_top = m.Node(0, t_o / 2);
        m.Line(tip, j_top, t_o, 0, r, 0, o_o);
    } else {
        j_top = m.Node(0, t_o / 2);
    }
    j_bottom = m.Node(0, h - t_o / 2);
    // The top flange lies on the right of the web, the bottom one on its left.
    m.Line(j_top, j_bottom, t_w, 0, o_o, o_o, 0);
    if (!Omitted(b_o, t_o)) m.Line(j_bottom, m.Node(-b_o / 2, h - t_o / 2), t_o, o_o, 0, r, 0);
}

void Build_Trapezoid(const Stahlprofil* p, Builder& m) {
    const double h = p->h, t_w = p->t_w, t_o = p->t_fo, b_u = p->b_fu;
    double slope = Calc_Profile_Flange_Slope(p), c = std::cos(slope), t_s = t_w / c;
    double y_foot = (b_u - t_s) / 2, length = (h - t_o / 2) / c;
    int left_foot = m.Node(-y_foot, h), right_foot = m.Node(y_foot, h);
    int left_top = Build_Sloped_Part_Lines(&m.nodes, &m.lines, left_foot, -y_foot, h, length, slope, 1, t_s, 0);
    int right_top = Build_Sloped_Part_Lines(&m.nodes, &m.lines, right_foot, y_foot, h, length, slope, -1, t_s, 0);
    m.Line(left_top, right_top, t_o);
}

// The nodes and lines of the profile's type; false for a type without a
// model.
bool Build_Type(const Stahlprofil* p, int mirror, double o_o, double o_u, double r) {
    Builder m;
    const Offsets f{o_o, o_u, r};
    switch (p->type) {
    case PROFILTYP_FLACH: case PROFILTYP_RUND: case PROFILTYP_ROHR: Build_Bar(p, m); return true;
    case PROFILTYP_L: Build_Angle(p, m, mirror, f); return true;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W: case PROFILTYP_T:
    case PROFILTYP_HALB_I:
        Build_I_Or_Tee(p, m, f);
        return true;
    case PROFILTYP_C: case PROFILTYP_U: Build_Channel(p, m, f); return true;
    case PROFILTYP_RECHTECK: case PROFILTYP_KASTEN: Build_Tube_Or_Box(p, m, f); return true;
    case PROFILTYP_Z: Build_Z(p, m, f); return true;
    case PROFILTYP_TRAPEZ: Build_Trapezoid(p, m); return true;
    default: return false;
    }
}

// The shear centre of a channel (y_M from the centroid, mm) on the outline
// its flanges taper to: t_f at half the width, thicker towards the web with
// the slope of their inner faces, their mid-lines half their thickness
// inside the flat outer faces, and no fillets. The fillet terms of the
// line values stiffen the roots of the flanges and put the shear centre 1
// to 1.5 % too near the web (U 350: 45.5 mm where the outline gives 46.0),
// and the torsion of eccentric shear follows it. Leaves that model in the
// engine; false when the engine fails or there are no flanges.
bool Channel_Shear_Centre(const Stahlprofil* p, double* y_M) {
    const double h = p->h, t_w = p->t_w, b = p->b_fo, t_f = p->t_fo;
    if (Omitted(b, t_f)) return false;
    const double slope = Get_Catalogue_Flange_Slope(p);
    const double t_root = t_f + slope * (b - t_w) / 2, t_tip = t_f - slope * b / 2;
    Init_DWQB_Model();
    Builder m;
    const double y_w = (b - t_w) / 2;
    const int top = m.Node(y_w, t_root / 2), bottom = m.Node(y_w, h - t_root / 2);
    m.Line(top, bottom, t_w);
    m.Tapered(top, m.Node(-b / 2, t_tip / 2), t_root, t_tip);
    m.Tapered(bottom, m.Node(-b / 2, h - t_tip / 2), t_root, t_tip);
    const double* qw = DWQB_Querschnittswerte;
    if (Calc_DWQB() != 0 || !(qw[DWQB_QW_A] >= kTiny)) return false;
    *y_M = 10 * (qw[DWQB_QW_YM] - qw[DWQB_QW_YC]);
    return std::isfinite(*y_M);
}

// Point records: the carrying line of each used record; false when a used
// record found none.
bool Locate_Points(const Stahlprofil* p, int n, Profil_Punkt* points) {
    bool all = true;
    for (int i = 0; i < n; i++) {
        Profil_Punkt& q = points[i];
        if (q.id < 0) continue;
        q.line = 0;
        double y = 0.1 * q.y, z = 0.1 * q.z;
        if (p->type == PROFILTYP_RUND || p->type == PROFILTYP_ROHR) {
            // The polygon side whose angular range holds the point.
            double angle = std::atan2(y, z);
            if (angle < 0) angle += 2 * M_PI;
            q.line = static_cast<int>(angle / 0.19634954084936207) % 32 + 1;
        } else {
            for (DWQB_Linie* l = First_DWQB_Line(); l; l = l->next) {
                if (!l->a || !l->b) continue;
                double dy = l->b->y - l->a->y, dz = l->b->z - l->a->z;
                bool vertical = std::fabs(dy) < std::fabs(dz);
                if ((q.flags & PROFIL_PUNKT_VERTICAL) && !vertical) continue;
                if ((q.flags & PROFIL_PUNKT_HORIZONTAL) && vertical) continue;
                double cross = (y - l->a->y) * dz - (z - l->a->z) * dy;
                if (std::fabs(cross) > kTiny * std::hypot(dy, dz)) continue;
                // Distances along the line from either end: both positive
                // between the ends, one negative beyond them.
                const double length = std::hypot(dy, dz);
                double from_a = ((y - l->a->y) * dy + (z - l->a->z) * dz) / length;
                double from_b = ((l->b->y - y) * dy + (l->b->z - z) * dz) / length;
                if (from_a * from_b > -kTiny) {
                    q.line = l->number;
                    break;
                }
            }
        }
        if (q.line == 0) all = false;
    }
    return all;
}

bool Has_Cutouts(const Profil_Aussparungen* cutouts) {
    if (!cutouts) return false;
    for (double w : cutouts->width)
        if (w > kTiny) return true;
    return false;
}

// What the section values of a profile take from the model, kept with what
// decides them: the profile as the build reads it, the plastic mode and the
// engine's switches. A connection asks for its profile's values several
// times per run; the same profile takes the kept values instead of a new
// model. The engine then keeps the model it holds: whoever reads the engine
// builds or sets up the model it needs (the profile's stress model has its
// own key; Run_Section builds its record's model itself).
struct Kept_Model {
    bool valid = false;
    unsigned long generation = 0;  // Kept_Inputs_Generation: a catalogue profile's record read again
    Stahlprofil in, out;
    int mode = 0, extended = 0, all_lines = 0;
    int result = 0;
};

// The values the build sets (it clears them first).
constexpr double Stahlprofil::*kModelValues[] = {
    &Stahlprofil::A,   &Stahlprofil::y_s, &Stahlprofil::z_s,  &Stahlprofil::y_M,   &Stahlprofil::z_M,
    &Stahlprofil::I_y, &Stahlprofil::I_z, &Stahlprofil::I_yz, &Stahlprofil::I_T,   &Stahlprofil::I_w,
    &Stahlprofil::alpha, &Stahlprofil::W_pl_y, &Stahlprofil::W_pl_z};

// The profile as the build reads it: without the values it sets, and
// without those the section values set after it from the dimensions, which
// no build reads (shear areas, perimeter, the symmetry flag).
void Model_Input(const Stahlprofil* p, Stahlprofil* in) {
    std::memcpy(in, p, sizeof *in);
    for (double Stahlprofil::*value : kModelValues) in->*value = 0;
    in->A_vy = in->A_vz = in->U = 0;
    in->symmetric = 0;
}

int Model_Builder(Stahlprofil* p) {
    static Kept_Model kept;
    static Stahlprofil in;
    Model_Input(p, &in);
    const int mode = Get_Section_Calc_Mode();
    if (kept.valid && kept.generation == Kept_Inputs_Generation() && kept.mode == mode &&
        kept.extended == DWQB_Erweitert && kept.all_lines == DWQB_Alle_Linien && std::memcmp(&kept.in, &in, sizeof in) == 0) {
        for (double Stahlprofil::*value : kModelValues) p->*value = kept.out.*value;
        return kept.result;
    }
    kept.valid = false;
    const int result = Build_Section_Model_Checked(p, nullptr, nullptr, 0, 0, nullptr);
    std::memcpy(&kept.in, &in, sizeof in);
    std::memcpy(&kept.out, p, sizeof *p);
    kept.mode = mode, kept.extended = DWQB_Erweitert, kept.all_lines = DWQB_Alle_Linien;
    kept.result = result;
    kept.generation = Kept_Inputs_Generation();
    kept.valid = true;
    return result;
}

double Zero_Small(double v) { return std::fabs(v) < kTiny ? 0 : v; }

}  // namespace

void Add_Section_Line_cm(int number, int start, int end, const double* values_mm) {
    double v[9];
    for (int i = 0; i < 9; i++) v[i] = values_mm ? 0.1 * values_mm[i] : 0;
    Add_DWQB_Line(number, 0, start, end, v);
}

int Build_Sloped_Part_Lines(int* node_counter, int* line_counter, int node, double y, double z, double length,
                            double slope, int direction, double t, double r) {
    int end = ++*node_counter;
    Add_DWQB_Node(end, 0.1 * (y + direction * length * std::sin(slope)), 0.1 * (z - length * std::cos(slope)));
    const double v[9] = {t, t, 0, 0, 0, r, r, 0, 0};
    Add_Section_Line_cm(++*line_counter, node, end, v);
    return end;
}

namespace {

// A compact flat bar (neither side 5 times the other) and a round bar take
// their values in closed form (the round bar's in single precision).
void Compact_Bar_Values(Stahlprofil* p) {
    const double h = p->h, t_w = p->t_w;
    if (p->type == PROFILTYP_FLACH) {
        p->A = h * t_w;
        p->z_s = h / 2;
        p->y_s = -t_w / 2;
        p->I_y = p->A * h * h / 12;
        p->I_z = p->A * t_w * t_w / 12;
        if (Get_Section_Calc_Mode()) {
            p->W_pl_y = p->A * h / 4;
            p->W_pl_z = p->A * t_w / 4;
        }
        p->I_T = Calc_Rect_Torsion_Coeff(h, t_w, nullptr);
        p->I_w = 0;
        return;
    }
    float radius = static_cast<float>(h / 2), r2 = radius * radius;
    p->A = 3.1415927f * r2;
    p->z_s = radius;
    p->y_s = -radius;
    p->I_y = p->I_z = 0.7853982f * r2 * r2;
    if (Get_Section_Calc_Mode()) p->W_pl_y = p->W_pl_z = 1.3333334f * r2 * radius;
    p->I_T = 1.5707964f * r2 * r2;
    p->I_w = 0;
}

// y_s from the model's origin to the profile's outer edge at the largest y.
void Shift_Centroid_To_Edge(Stahlprofil* p, int mirror) {
    const double b_max = std::fmax(p->b_fo, p->b_fu);
    switch (p->type) {
    case PROFILTYP_FLACH: p->y_s -= p->t_w / 2; break;
    case PROFILTYP_ROHR: p->y_s = -p->h / 2; p->z_s = p->h / 2; break;
    case PROFILTYP_L: p->y_s = mirror ? -p->b_fo / 2 - p->y_s : p->y_s - p->b_fo / 2; break;
    case PROFILTYP_I: case PROFILTYP_H: case PROFILTYP_DIL: case PROFILTYP_S: case PROFILTYP_W:
        p->y_s -= b_max / 2;
        break;
    case PROFILTYP_C: case PROFILTYP_RECHTECK: case PROFILTYP_T: case PROFILTYP_U: case PROFILTYP_Z:
    case PROFILTYP_HALB_I:
        p->y_s -= p->b_fo / 2;
        break;
    case PROFILTYP_KASTEN: p->y_s -= std::fmax(p->b_fu + 2 * p->b_ueu, p->b_fo + 2 * p->b_ueo) / 2; break;
    default: break;
    }
}

// The torsion constant of a rolled profile whose plates are all thinner than
// its root radius, raised by the factor of its family.
void Rolled_Torsion_Factor(Stahlprofil* p) {
    if (!p->rolled) return;
    double t_max = std::fmax(p->t_w, p->t_fo), factor = 1;
    if (Is_Profile_Type_In(PROFILTYP_MASK_I, p->type)) {
        t_max = std::fmax(t_max, p->t_fu);
        factor = 1.3;
    } else if (p->type == PROFILTYP_L) {
        factor = 0.99;
    } else if (Is_Profile_Type_One_Of(p->type, {PROFILTYP_C, PROFILTYP_T, PROFILTYP_U, PROFILTYP_Z, PROFILTYP_HALB_I})) {
        factor = 1.12;
    }
    if (t_max < p->r_1) p->I_T *= factor;
}

// The engine's values of the computed model into the profile (mm), the
// channel's shear centre (when had) from its outline; with the section
// calculation mode the plastic moduli too. 0, or 1 when they were asked for
// and cannot be had.
int Take_Engine_Values(Stahlprofil* p, int mirror, const double* channel_y_M) {
    const double* qw = DWQB_Querschnittswerte;
    p->A = 100 * qw[DWQB_QW_A];
    p->y_s = 10 * qw[DWQB_QW_YC];
    p->z_s = 10 * qw[DWQB_QW_ZC];
    p->I_y = 10000 * qw[DWQB_QW_IY];
    p->I_z = 10000 * qw[DWQB_QW_IZ];
    p->I_yz = 10000 * qw[DWQB_QW_IYZ];
    p->I_T = 10000 * qw[DWQB_QW_IT];
    p->I_w = static_cast<float>(1000000 * qw[DWQB_QW_IW]);
    p->alpha = 57.29577951308232 * qw[DWQB_QW_ALPHA];
    p->y_M = channel_y_M ? *channel_y_M : 10 * (qw[DWQB_QW_YM] - qw[DWQB_QW_YC]);
    p->z_M = 10 * (qw[DWQB_QW_ZM] - qw[DWQB_QW_ZC]);
    Shift_Centroid_To_Edge(p, mirror);
    Rolled_Torsion_Factor(p);
    double* values[] = {&p->A, &p->y_s, &p->z_s, &p->I_y, &p->I_z, &p->I_yz, &p->I_T,
                        &p->I_w, &p->alpha, &p->y_M, &p->z_M};
    for (double* v : values) *v = Zero_Small(*v);
    if (!Get_Section_Calc_Mode()) return 0;
    double w_y, w_z;
    if (!Plastic_Moduli(&w_y, &w_z)) return 1;
    p->W_pl_y = Zero_Small(static_cast<float>(1000 * w_y));
    p->W_pl_z = Zero_Small(static_cast<float>(1000 * w_z));
    return 0;
}

}  // namespace

int Build_Profile_Section_Model(Stahlprofil* p, const Profil_Anbau* attachments, const Profil_Aussparungen* cutouts,
                                int mirror, int n_points, Profil_Punkt* points) {
    WELD_CHECK_AT_EXIT(Check_Member_Check_Invariants());
    if (!p) return 1;
    p->A = p->y_s = p->z_s = p->y_M = p->z_M = 0;
    p->I_y = p->I_z = p->I_yz = p->I_T = p->I_w = p->alpha = p->W_pl_y = p->W_pl_z = 0;
    if (!points) n_points = 0;
    // Attached stiffeners and cut-outs are not modelled: refuse them rather
    // than give the bare profile's values for the built-up one.
    if ((attachments && attachments->count > 0) || Has_Cutouts(cutouts)) return 1;
    double channel_y_M = 0;
    const bool channel = (p->type == PROFILTYP_C || p->type == PROFILTYP_U) && Channel_Shear_Centre(p, &channel_y_M);
    Init_DWQB_Model();
    double o_o = 0, o_u = 0, r = 0;
    Calc_Profile_Weld_Offsets(p, &o_o, &o_u, &r);
    if (!p->rolled) o_o = o_u = 0;
    if (!Build_Type(p, mirror, o_o, o_u, r)) return 1;
    int result = Calc_DWQB() != 0;
    const double h = p->h, t_w = p->t_w;
    if ((p->type == PROFILTYP_FLACH && h / t_w < 5.001 && t_w / h < 5.001) || p->type == PROFILTYP_RUND) {
        Compact_Bar_Values(p);
        if (n_points == 0) return result;
    } else if (DWQB_Querschnittswerte[DWQB_QW_A] >= kTiny && result == 0) {
        result = Take_Engine_Values(p, mirror, channel ? &channel_y_M : nullptr);
    } else {
        return 1;
    }
    if (n_points > 0 && !Locate_Points(p, n_points, points)) result = 1;
    return result;
}

int Build_Section_Model_Checked(Stahlprofil* p, const Profil_Anbau* attachments, const Profil_Aussparungen* cutouts,
                                int mirror, int n_points, Profil_Punkt* points) {
    WELD_CHECK_AT_EXIT(Check_Member_Check_Invariants());
    if (!p || p->kind == STAHLPROFIL_KIND_FOREIGN) return 0;
    return Build_Profile_Section_Model(p, attachments, cutouts, mirror, n_points, points);
}

void Install_Profile_Section_Model(void) { Set_Profile_Section_Model_Builder(Model_Builder); }

void Init_Profil_Aufbau(Profil_Aufbau* record) {
    if (!record) return;
    std::memset(record, 0, sizeof *record);
    Init_Profile(&record->base);
    for (Stahlprofil& part : record->attachments.part) Init_Profile(&part);
    for (Profil_Punkt& q : record->points) q.id = -1;
}

namespace {

// Section values of the profile, then the model once more with the built-up
// record's parts and points, which leaves that model in the engine. True
// when the values can be had.
bool Run_Section(Profil_Aufbau* record, Stahlprofil* p) {
    if (Calc_Profile_Cross_Section(p, nullptr, 0, nullptr) != 0) return false;
    if (record && Build_Section_Model_Checked(p, &record->attachments, record->cutouts, 0, PROFIL_PUNKTE,
                                              record->points) != 0)
        return false;
    return p->A > 0;
}

int Print_Failure(FILE* stream) {
    if (stream) OLI_printf(stream, "%sQuerschnittswerte nicht ermittelbar %s\n", Check_Line_Prefix, Mark_Alert());
    return 1;
}

void Print_Values(const Profil_Aufbau* record, const Stahlprofil* p, FILE* stream, int level, int plastic) {
    OLI_printf(stream, "%s", Check_Line_Prefix);
    if (level == 1) OLI_printf(stream, "%s%s", "Querschnittswerte", ": ");
    else OLI_printf(stream, "%s%s\n%s", "╬_"_cp, "Querschnittswerte", Check_Line_Prefix);
    OLI_printf(stream,
               "A = %.2lf cm²,  z╬\\s╬r = %.1lf mm, I╬\\y╬r = %.2lf cm╬/4╬r,  y╬\\s╬r = %.1lf mm, I╬\\z╬r = %.2lf cm╬/4╬r\n"_cp,
               p->A / 100, p->z_s, p->I_y / 10000, record ? record->shift[0] : 0.0, p->I_z / 10000);
    if (plastic && (p->W_pl_y > 0.1 || p->W_pl_z > 0.1))
        OLI_printf(stream, "%sW╬\\pl,y╬r = %.2lf cm╬/3╬r, W╬\\pl,z╬r = %.2lf cm╬/3╬r\n"_cp, Check_Line_Prefix,
                   p->W_pl_y / 1000, p->W_pl_z / 1000);
}

// Stresses (N/mm²: sigma, tau, von Mises) at a located point of the model
// in the engine for the eight internal forces in kN and kNm; N acts at the
// centroid, the moments and shear forces about and along y and z, warping
// about the shear centre. False when the point has no line or a stress is
// not a number.
bool Point_Stresses(const Profil_Punkt& q, const double* forces, double* out) {
    static const double to_kN_cm[8] = {1, 100, 100, 1, 1, 100, 10000, 100};
    double f[8];
    for (int k = 0; k < 8; k++) f[k] = forces[k] * to_kN_cm[k];
    DWQB_Punkt point;
    if (!Calc_DWQB_Strain_State(q.line, 0.1 * q.y, 0.1 * q.z, 0, 1, 0, 0, 0, 0, 2, 0, 0, &point)) return false;
    if (!Calc_Line_Stress(&point, f, out)) return false;
    for (int k = 0; k < 3; k++) {
        out[k] *= 10;  // kN/cm² to N/mm²
        if (!std::isfinite(out[k])) return false;
    }
    return true;
}

}  // namespace

int Print_Section_Values(Profil_Aufbau* record, Stahlprofil* p, FILE* stream, int level, int plastic) {
    if (!p) return 1;
    if (!Run_Section(record, p)) return Print_Failure(stream);
    if (stream && level >= 1) Print_Values(record, p, stream, level, plastic);
    return 0;
}

int Print_Section_Values_Checked(Profil_Aufbau* record, Stahlprofil* p, FILE* stream, int level, int plastic,
                                 const double* forces) {
    if (!p) return 1;
    if (!Run_Section(record, p)) return Print_Failure(stream);
    double stress[PROFIL_PUNKTE][3] = {};
    if (record && forces) {
        // Without the engine's section summary every coefficient would be 0:
        // no stresses rather than wrong ones.
        DWQB_Werte values;
        if (!Get_DWQB_Section_Values(&values)) return Print_Failure(stream);
        for (int i = 0; i < PROFIL_PUNKTE; i++)
            if (record->points[i].id >= 0 && !Point_Stresses(record->points[i], forces, stress[i]))
                return Print_Failure(stream);
    }
    if (!stream || level < 1) return 0;
    Print_Values(record, p, stream, level, plastic);
    if (record && forces)
        for (int i = 0; i < PROFIL_PUNKTE; i++)
            if (record->points[i].id >= 0)
                OLI_printf(stream, "%sPunkt %d:  ╠ = %.2lf N/mm²,  Í = %.2lf N/mm²,  ╠╬\\v╬r = %.2lf N/mm²\n"_cp,
                           Check_Line_Prefix, record->points[i].id, stress[i][0], stress[i][1], stress[i][2]);
    return 0;
}
