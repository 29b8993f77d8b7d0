// The weld line cross-section of a welded profile end: every weld becomes a
// straight line of throat a and effective length l on the face of the
// profile it runs along, tested first against the detailing limits and the
// minimum effective length; then the section values of the lines about
// their own centroid and the torsion modulus of a closed weld ring.
//
// The halves of a flange weld split at the web axis (numbers n and n + 20)
// are built alike, each from the web axis outwards with one end crater
// deducted, so that the two carry the same share.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "base/cp850.h"
#include "base/kept_by_inputs.h"
#include "base/rounding.h"
#include "codes/nad.h"
#include "platform/format.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/joined_section.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_check_internal.h"
#include "weldcheck/weldelem.h"
#include "weldcheck/weldlen.h"

namespace {

// One weld position of a layout. The centre of a horizontal line (or the
// face of a vertical one) lies d0 + dL * L from the reference edge, L being
// the effective length; zp is z' of a horizontal line or the z' of the
// centre of a vertical one.
struct Pos {
    int k;
    int dir;
    double d0, dL;
    double zp;
    double len;    // default length (all-round: the fixed length)
    double t;      // thickness of the joined part
    double out;    // outward normal across the weld: +1 towards +y/+z
    double crater; // all-round: end craters deducted whatever the switch (0 or 2)
    bool solid_half = false;  // the fully penetrated weld of one half of a solid section (Add_Line)
    double depth = 0.0;       // a wall of a closed section: its centre this far inside the face (Add_Line)
    // A sloped flange's inner face (along y): z' rises by slope per unit of
    // d, zp is z' at d0, and the length runs along the slope.
    double slope = 0.0;
    // A rolled face shorter than the plates' (len against whole): no weld
    // on it is longer than len.
    double whole = 0.0;
};

bool In_I_Family(int type) { return Is_Profile_Type_In(PROFILTYP_MASK_I, type) != 0; }

// The straight part of a rolled flange's inner face, along its slope.
double Inner_Face_Length(const Wc_Flange_Faces& f) { return (f.x_root - f.x_toe) * std::hypot(1.0, f.slope); }

// Effective length of one weld after the detailing limits and the length
// check; 0 when it does not count (a failed detailing limit also marks the
// check as refused).
// The test writes its lines to out (null: none).
double Effective_Length_Test(WeldCheckWork* w, int k, const WeldCheckWork::DetailTest& test, FILE* out) {
    SchweissnahtNachweis* r = w->r;
    const double a = test.a, base_len = test.base_len, craters = test.craters, t_part = test.t_part;
    const bool hollow = test.hollow, length_check = test.length_check;
    const int penetration = test.penetration;
    if (a <= 0.1) return 0.0;
    const bool print_flag = out && w->additional && !(r->no_throat_check && r->no_length_check && !r->all_round);
    FILE* lf = print_flag ? out : nullptr;
    const int print_all = print_flag ? 1 : 0;
    const char* prefix = Wc_Weld_Name(w, k).prefix;
    if (!r->no_throat_check) {
        // The test may change the element it is given: a fresh one each time.
        auto detailing_failed = [&](FILE* list, int all) {
            NahtElement el;
            Clear_Weld(&el);
            el.kind = r->weld_kind;
            el.angle = r->weld_angle;
            el.full_penetration = r->full_penetration;
            el.full_length = r->deduct_craters ? 0 : 1;
            el.a = a;
            el.l_w = base_len;
            return Check_Weld_Detailing_Limits(&el, r->plate.t, t_part, penetration, hollow ? 1 : 0, list, 0, prefix,
                                               all, &r->notes[k]) != 0;
        };
        if (detailing_failed(lf, print_all)) {
            // A refused check names the limit it failed, also when the
            // detailing block is not printed.
            if (!lf && out) detailing_failed(out, 0);
            w->detailing_failed = true;
            return 0.0;
        }
    }
    double l_eff = base_len;
    if (r->weld_kind == WELD_FILLET && craters > 0.0) l_eff -= craters * a;
    FILE* length_lines = w->level > 0 ? lf : nullptr;
    if (length_check && !r->no_length_check &&
        Check_Effective_Weld_Length(r->weld_kind, r->full_penetration, a, l_eff, length_lines, prefix, print_all) == 1) {
        // A weld left out says so at every print level, in one line when
        // the detailing block does not show its limits.
        if (!length_lines) Weld_Not_Effective_Line(out, prefix, a, l_eff);
        Add_Weld_Note(&r->notes[k], WELD_RULE_NOT_EFFECTIVE, l_eff, l_eff < 30.0 ? 30.0 : 6.0 * a, a);
        return 0.0;
    }
    return l_eff > 0.0 ? l_eff : 0.0;
}

// The outcome of a position's test (Effective_Length) as it is kept: the
// length, whether it refused, and the notes it gave the weld.
struct Detail_Outcome {
    double l;
    bool failed;
    Weld_Notes notes;
};

// The test of position k while the layout is built: its lines come after
// the layout, in the order of the weld numbers (Detail_Lines_In_Weld_Order).
// It depends on the connection alone: its outcome is kept per position and
// taken over by the next load case while everything it is decided by is
// the same: the test's own values, the weld's kind, angle, penetration and
// crater rule, the plate, the two switches and the annex's variant (the
// throat rules of a national one).
double Effective_Length(WeldCheckWork* w, int k, double a, double base_len, double craters, double t_part,
                        bool hollow, int penetration, bool length_check) {
    SchweissnahtNachweis* r = w->r;
    w->detail_test[k] = {true, a, base_len, craters, t_part, hollow, penetration, length_check};
    const NAD_EC3_Block* annex = Get_NAD_EC3();
    const int variant = annex ? annex->variant : 0;
    static Kept_By_Inputs<Detail_Outcome, WELD_CHECK_WELDS> kept;
    Weld_Notes& notes = r->notes[k];
    // Only the notes of the test itself can be kept: a weld noted before
    // is tested afresh, and what it gives is not kept.
    bool fresh = true;
    Detail_Outcome* o = nullptr;
    if (notes.rules == 0 && notes.count == 0)
        o = &kept.At(k, &fresh, a, base_len, craters, t_part, r->weld_angle, r->plate.t, hollow, penetration,
                     length_check, r->weld_kind, r->full_penetration, r->deduct_craters, r->no_throat_check,
                     r->no_length_check, variant);
    if (!fresh) {
        notes = o->notes;
        if (o->failed) w->detailing_failed = true;
        return o->l;
    }
    const bool failed_before = w->detailing_failed;
    w->detailing_failed = false;
    const double l = Effective_Length_Test(w, k, w->detail_test[k], nullptr);
    const bool failed = w->detailing_failed;
    w->detailing_failed = failed_before || failed;
    if (o) *o = {l, failed, notes};
    return l;
}

// The lines of the detailing and length tests, weld by weld in the order of
// their numbers (a half of a split weld after the other): the tests run
// again with the list, to the same results.
void Detail_Lines_In_Weld_Order(WeldCheckWork* w) {
    if (!w->f) return;
    int order[WELD_CHECK_WELDS], n = 0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        if (w->detail_test[k].made) order[n++] = k;
    const SchweissnahtNachweis* r = w->r;
    std::sort(order, order + n, [r](int a, int b) { return Wc_Report_Key(r, a) < Wc_Report_Key(r, b); });
    for (int j = 0; j < n; ++j) Effective_Length_Test(w, order[j], w->detail_test[order[j]], w->f);
}

// Line L's area, shear areas, first and second moments about the
// reference axes added to the sums of the line cross-section.
void Add_To_Sums(WeldCheckWork* w, const WeldCheckLine& L) {
    w->A_wy += L.A_vy;
    w->A_wz += L.A_vz;
    w->A_w += L.A;
    w->S_y += L.A * L.y_c;
    w->S_z += L.A * L.z_c;
    w->I_y0 += L.A * L.z_c * L.z_c + L.I_y;
    w->I_z0 += L.A * L.y_c * L.y_c + L.I_z;
    w->I_yz0 += L.A * L.y_c * L.z_c + L.I_yz;
}

// A line lies on its face: y_c (along z) or z' = zp (along y) is the face,
// where its end points are. A butt weld lies in the part it joins, depth
// inside its face: a partial penetration's throat, the weld of one half of
// a solid section (half its throat, both_shears) or a wall of a closed one.
// It has its own inertia across, and its end points stay on the face, where
// the section's stresses are largest. The half of a solid section carries
// the shear forces of both axes, as the whole section does. A fully
// penetrated weld that is its face's piece of the joined section (part)
// takes the piece's area, centre and second moments.
void Add_Line(WeldCheckWork* w, int k, int dir, double y_c, double zp, double l, double a, double t_part,
              double out, double depth = 0.0, bool both_shears = false, const Joined_Part* part = nullptr) {
    WeldCheckLine& L = w->line[k];
    L.dir = dir;
    L.out = out;
    L.t_part = t_part;
    L.a = a;
    L.l = l;
    L.l_flow = l;
    L.A = a * l;
    const double I_own_l = a * l * l * l / 12.0;
    const double I_own_t = w->line_mode || depth > 0.0 ? l * a * a * a / 12.0 : 0.0;
    L.both_shears = both_shears;
    L.oblique = false;
    L.face = dir == WC_ALONG_Z ? y_c : zp - w->z_s;
    L.lay_c = dir == WC_ALONG_Y ? y_c : zp - w->z_s;
    w->stretch[k].plate = -1;
    // Inwards is against the outward normal.
    const double inset = -out * depth;
    w->n_y[k] = dir == WC_ALONG_Z ? -out : 0.0;
    w->n_z[k] = dir == WC_ALONG_Y ? -out : 0.0;
    L.y_c = dir == WC_ALONG_Z ? y_c + inset : y_c;
    L.z_c = zp - w->z_s + (dir == WC_ALONG_Y ? inset : 0.0);
    if (dir == WC_ALONG_Y) {
        L.I_z = I_own_l;
        L.I_y = I_own_t;
        w->py[k][0] = y_c + l / 2.0;
        w->py[k][1] = y_c - l / 2.0;
        w->pz[k][0] = w->pz[k][1] = zp;
    } else {
        L.I_y = I_own_l;
        L.I_z = I_own_t;
        w->py[k][0] = w->py[k][1] = y_c;
        w->pz[k][0] = zp - l / 2.0;
        w->pz[k][1] = zp + l / 2.0;
    }
    L.I_yz = 0.0;
    L.A_vy = dir == WC_ALONG_Y || both_shears ? L.A : 0.0;
    L.A_vz = dir == WC_ALONG_Z || both_shears ? L.A : 0.0;
    if (part) {
        L.A = part->A;
        L.y_c = w->e_ref - part->d;
        L.z_c = part->z - w->z_s;
        L.I_y = part->I_y;
        L.I_z = part->I_z;
        L.I_yz = part->I_yz;
        L.A_vy = part->A_vy;
        L.A_vz = part->A_vz;
    }
    Add_To_Sums(w, L);
    w->n_lines += 1;
    w->a_min = std::min(w->a_min, a);
}

// The throat of an all-round line by family.
double All_Round_Throat(const SchweissnahtNachweis* r, int k) {
    const int type = r->profile.type;
    const double top = r->a[WELD_FACE_TOP_OUTER], web = r->a[WELD_FACE_WEB_LEFT];
    if (In_I_Family(type)) {
        if (k == WELD_FACE_TOP_OUTER || k == WELD_FACE_TOP_INNER_LEFT || k == WELD_FACE_TOP_INNER_RIGHT ||
            k == WELD_FACE_TOP_END_LEFT || k == WELD_FACE_TOP_END_RIGHT)
            return top;
        if (k == WELD_FACE_WEB_LEFT || k == WELD_FACE_WEB_RIGHT) return web;
        return r->a[WELD_FACE_BOTTOM_OUTER];
    }
    if (type == PROFILTYP_T || type == PROFILTYP_HALB_I)
        return k == WELD_FACE_WEB_LEFT || k == WELD_FACE_WEB_RIGHT || k == WELD_FACE_BOTTOM_END_LEFT ? web : top;
    return top;
}

bool Present(const SchweissnahtNachweis* r, std::initializer_list<int> slots) {
    for (int k : slots)
        if (r->a[k] > 0.1) return true;
    return false;
}

// Penetration mode of the detailing test of position k: a partial
// penetration from one face of the part the weld joins may go deeper than
// one from both faces. As the weld layout limits the throats, a part is
// welded from both faces when its outer face and one of its inner faces
// carry a weld (the flat bar: both ends, both long faces); with the
// all-round weld every part is.
int Penetration_Mode(const WeldCheckWork* w, int k) {
    const SchweissnahtNachweis* r = w->r;
    if (r->all_round) return 0;
    bool both;
    if (w->type == PROFILTYP_FLACH) {
        // A flat bar's ends are its top and bottom faces; its long faces
        // take the slots of the I family's first inner flange face and web.
        const int long_left = WELD_FACE_TOP_INNER_LEFT, long_right = WELD_FACE_WEB_LEFT;
        const bool end = k == WELD_FACE_TOP_OUTER || k == WELD_FACE_BOTTOM_OUTER;
        both = end ? Present(r, {WELD_FACE_TOP_OUTER}) && Present(r, {WELD_FACE_BOTTOM_OUTER})
                   : Present(r, {long_left}) && Present(r, {long_right});
    } else if (k == WELD_FACE_TOP_OUTER || k == WELD_FACE_TOP_OUTER_RIGHT || k == WELD_FACE_TOP_INNER_LEFT ||
               k == WELD_FACE_TOP_INNER_RIGHT) {
        both = Present(r, {WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT}) &&
               Present(r, {WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT});
    } else if (k == WELD_FACE_WEB_LEFT || k == WELD_FACE_WEB_RIGHT) {
        both = Present(r, {WELD_FACE_WEB_LEFT}) && Present(r, {WELD_FACE_WEB_RIGHT});
    } else {
        both = Present(r, {WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_OUTER_RIGHT}) &&
               Present(r, {WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT});
    }
    return both ? 0 : 1;
}

// The thickness a partial-penetration butt weld goes into: the part across
// the face it lies on, which at the end faces of a flat bar is its height.
double Penetration_Thickness(const WeldCheckWork* w, const Pos& p) {
    const bool bar_end = w->type == PROFILTYP_FLACH && (p.k == WELD_FACE_TOP_OUTER || p.k == WELD_FACE_BOTTOM_OUTER);
    return bar_end && w->r->weld_kind == WELD_BUTT ? w->r->profile.h : p.t;
}

// A fully penetrated weld over its whole face, the length typed or not,
// is its face's piece of the joined section; a length typed as the face's
// own counts as the whole face, as the stored files keep lengths in single
// precision.
bool Whole_Face(double typed, const Joined_Piece& q) {
    const double kSameLength = 0.001;  // mm
    return typed <= 0.1 || typed >= q.edge - kSameLength;
}

// The arcs of the outline a piece holds, for its line k, in the check's
// coordinates (y' = e - d: y runs to the left).
static_assert(static_cast<int>(WC_ARCS) == static_cast<int>(JOINED_ARCS), "a line keeps every arc of its piece");
void Take_Arcs(WeldCheckWork* w, int k, const Joined_Piece& q) {
    const int n = std::clamp(q.n_arcs, 0, static_cast<int>(WC_ARCS));
    for (int j = 0; j < n; ++j) {
        const Joined_Arc& a = q.arc[j];
        w->arc[k][j] = {w->e_ref - a.d, a.z, a.r, -a.u0_d, a.u0_z, -a.u1_d, a.u1_z, a.fillet};
    }
    w->line[k].n_arcs = n;
}

// The stretch of its plate a fully penetrated line fuses: the piece's when
// the line is its face's piece, else the line as laid (lo..hi along the
// plate, d from the reference edge or z').
void Set_Plate_Stretch(WeldCheckStretch& s, const Joined_Piece& q, bool whole, double lo, double hi) {
    s = {q.plate, q.side, whole ? q.lo : lo, whole ? q.hi : hi};
}

// An all-round partial penetration welds every part from both faces (a
// tube's wall from outside only): its throats lie in the part, so none goes
// deeper than half the part (the whole wall), as the weld layout holds the
// throats of single welds; deeper throats would count the part's steel
// twice, or steel that is not there. The throat taken; a weld held keeps
// the throat typed and the one taken, for the note that names it.
double Held_In_Part(WeldCheckWork* w, int k, double a, double t, bool hollow) {
    const double limit = hollow ? t : t / 2.0;
    if (!(a > limit) || !(limit > 0.0)) return a;
    w->held[k] = {a, limit, hollow ? WELD_THROAT_HELD_WALL : WELD_THROAT_HELD_HALF};
    return limit;
}

// Line k, laid along y, stands on a face whose z' rises by slope per unit
// of d (run = its cosine): its ends on the face, its normal into the part
// turned with it, and its own second moments turned with it: along the
// face a l³ / 12, across it l a³ / 12 where the line has them (Add_Line),
// each split between the axes by the face's direction (1, -slope) run in
// y', z'. (Laid level, an IPN 200's inner flange welds kept all of their
// own a l³ / 12 about z, 2 % more than their slope leaves there.) A
// partial penetration's throat takes its band's section afterwards
// (Wc_Partial_Penetration_Throats). Its normal, kept with the line, gives
// every load case its direction (Wc_Oblique) without working it out again.
void Lay_On_Slope(WeldCheckWork* w, int k, double slope, double run) {
    WeldCheckLine& L = w->line[k];
    const double half = L.l / 2.0 * run, zp = L.face + w->z_s;
    // y' runs against d: the end at y' + half lies at d - half.
    w->py[k][0] = L.lay_c + half;
    w->py[k][1] = L.lay_c - half;
    w->pz[k][0] = zp - slope * half;
    w->pz[k][1] = zp + slope * half;
    w->n_y[k] = -L.out * slope * run;
    w->n_z[k] = -L.out * run;
    const double along = L.I_z, across = L.I_y, level_yz = L.I_yz;  // as Add_Line laid them level
    const double uy = run, uz = -slope * run;
    L.oblique = true;
    const double I_z = along * uy * uy + across * uz * uz, I_y = along * uz * uz + across * uy * uy;
    const double I_yz = (along - across) * uy * uz;
    w->I_z0 += I_z - L.I_z;
    w->I_y0 += I_y - L.I_y;
    w->I_yz0 += I_yz - level_yz;
    L.I_z = I_z, L.I_y = I_y, L.I_yz = I_yz;
}

void Take_Position(WeldCheckWork* w, const Pos& p, bool hollow) {
    SchweissnahtNachweis* r = w->r;
    const bool all_round = r->all_round != 0;
    // A fully penetrated weld is the part it joins, whatever throat the
    // caller gave: every face of an all-round weld, else the faces the
    // caller welds.
    double a = all_round ? All_Round_Throat(r, p.k) : r->a[p.k];
    const bool full = Wc_Full_Penetration(r);
    if (full) a = all_round || a > 0.1 ? Full_Penetration_Throat(&r->profile, p.k) : 0.0;
    const int penetration = Penetration_Mode(w, p.k);
    const double t = Penetration_Thickness(w, p);
    if (all_round && r->weld_kind == WELD_BUTT && !full) a = Held_In_Part(w, p.k, a, t, hollow);
    double l;
    if (all_round) {
        l = Effective_Length(w, p.k, a, p.len, p.crater, t, hollow, penetration, false);
    } else {
        double base = r->l[p.k] > 0.1 ? r->l[p.k] : p.len;
        // No weld runs past the rolled face it lies on: a length given as
        // the plates' face, or any longer than the rolled face, is that face.
        if (p.whole > 0.0) base = std::min(base, p.len);
        l = Effective_Length(w, p.k, a, base, r->deduct_craters ? 2.0 : 0.0, t, hollow, penetration, true);
    }
    if (l <= 0.001) return;
    // Along a sloped face the length runs along the slope.
    const double run = 1.0 / std::sqrt(1.0 + p.slope * p.slope);
    const double d = p.d0 + p.dL * l * run, zp = p.zp + p.slope * (d - p.d0);
    // A butt weld lies in the part it joins: a partial penetration's throat
    // from the face in, a fully penetrated weld the half of its plate.
    double depth = p.depth;
    if (r->weld_kind == WELD_BUTT && !(full && p.depth > 0.0)) depth = a / 2.0;
    const Joined_Piece* q = full && w->joined && w->joined->piece[p.k].present ? &w->joined->piece[p.k] : nullptr;
    const bool whole = q && Whole_Face(r->l[p.k], *q);
    Joined_Part part;
    if (whole) part = Joined_Part_Of(q->sums);
    Add_Line(w, p.k, p.dir, w->e_ref - d, zp, l, a, p.t, p.out, depth, p.solid_half, whole ? &part : nullptr);
    if (p.slope != 0.0) Lay_On_Slope(w, p.k, p.slope, run);
    if (whole) Take_Arcs(w, p.k, *q);
    if (q) {
        const double c = p.dir == WC_ALONG_Y ? d : p.zp;
        Set_Plate_Stretch(w->stretch[p.k], *q, whole, c - l / 2.0, c + l / 2.0);
    }
    // An all-round weld runs on where the check deducts its end craters:
    // the flow of a ring goes through the whole face.
    if (all_round) w->line[p.k].l_flow = std::max(l, p.len);
}

// One half of a split outer flange weld: from the web axis outwards (side
// +1 left, -1 right), its own input length or half the flange, one crater.
// The halves meet at the axis, where the weld runs on; the crater is the
// outer end's, so the effective line starts at the axis and its centre lies
// half the effective length out. A fully penetrated half over the whole
// half flange is its half of the joined section's outer flange piece.
void Take_Half(WeldCheckWork* w, int k, double axis, double zp, double width, double t, double out, int side) {
    SchweissnahtNachweis* r = w->r;
    double a = r->a[k];
    const bool full = Wc_Full_Penetration(r);
    if (full && a > 0.1) a = Full_Penetration_Throat(&r->profile, k);
    const double half = r->l[k] > 0.1 ? r->l[k] : width / 2.0;
    const double l =
        Effective_Length(w, k, a, half, r->deduct_craters ? 1.0 : 0.0, t, false, Penetration_Mode(w, k), true);
    if (l <= 0.001) return;
    const bool top = k == WELD_FACE_TOP_OUTER || k == WELD_FACE_TOP_OUTER_RIGHT;
    const int outer = top ? WELD_FACE_TOP_OUTER : WELD_FACE_BOTTOM_OUTER;
    const int right = top ? WELD_FACE_TOP_OUTER_RIGHT : WELD_FACE_BOTTOM_OUTER_RIGHT;
    const Joined_Section* j = full ? w->joined : nullptr;
    const bool pieces = j && j->piece[outer].present && j->piece[right].present;
    const bool whole = pieces && Whole_Face(r->l[k], j->piece[right]);
    Joined_Piece q{};
    Joined_Part part;
    if (pieces) {
        q = j->piece[right];
        if (side > 0) {
            // The left half: the whole face's piece less the right one's.
            const Joined_Sums& all = j->piece[outer].sums;
            Joined_Sums& s = q.sums;
            s = {all.A - s.A,       all.S_d - s.S_d,   all.S_z - s.S_z,   all.I_dd - s.I_dd,
                 all.I_zz - s.I_zz, all.I_dz - s.I_dz, all.A_vy - s.A_vy, all.A_vz - s.A_vz};
            q.lo = j->piece[outer].lo, q.hi = j->piece[right].lo;
        }
        if (whole) part = Joined_Part_Of(q.sums);
    }
    const double depth = r->weld_kind == WELD_BUTT ? a / 2.0 : 0.0;
    Add_Line(w, k, WC_ALONG_Y, w->e_ref - (axis - side * l / 2.0), zp, l, a, t, out, depth, false,
             whole ? &part : nullptr);
    if (pieces) Set_Plate_Stretch(w->stretch[k], q, whole, side > 0 ? axis - l : axis, side > 0 ? axis : axis + l);
}

// The section values of the one closed weld of a round section. A butt
// weld lies in the wall it joins, from the outer face in, as it does in
// every other family: a fully penetrated one is the section itself, the
// tube's wall or the bar's disc, a partial penetration the ring of its
// throat inside the outer face (laid on the outer face, half of it stood
// outside the member: CHS 168.3 x 8 with a = 5 had I 936.1 cm⁴ for the
// ring's 855.8). Such a ring of outer radius R and inner radius r_i (0 for
// the bar) has the area, second moment and torsion modulus I_p / R of an
// annulus; its shear area is the one that gives the ring's largest shear,
// V / A_s at the neutral axis, the annulus's own there, 4 V (R² + R r_i +
// r_i²) / (3 I), which is 2 V / A for a thin wall and 4 V / (3 A) for the
// bar. A fillet weld's throat lies on the outer face, a thin ring of radius
// R. The stress points stay on the circumference, where bending and
// torsion are largest.
void Build_Round(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    const Stahlprofil& p = r->profile;
    const double R = p.h / 2.0;
    const bool tube = p.type == PROFILTYP_ROHR, full = Wc_Full_Penetration(r);
    double a = full ? Full_Penetration_Throat(&p, 0) : r->a[0];
    const double t_part = tube ? p.t_w : p.h;
    const double l = Effective_Length(w, 0, a, 2.0 * M_PI * R, 0.0, t_part, tube, 0, false);
    if (l <= 0.001) return;
    WeldCheckLine& L = w->line[0];
    L.dir = WC_RING;
    L.l = L.l_flow = l;
    L.t_part = t_part;
    if (r->weld_kind == WELD_BUTT) {
        // A throat deeper than the wall (the throat limits unchecked) ends
        // at the bore, one deeper than a bar's radius at its centre: no weld
        // lies in the tube's hollow or beyond the bar. The list, its force
        // lines and the final result take and say the throat taken.
        const double wall = tube ? std::min(p.t_w, R) : R;
        if (!full && a > wall) {
            w->held[0] = {a, wall, tube ? WELD_THROAT_HELD_WALL : WELD_THROAT_HELD_RADIUS};
            a = wall;
        }
        const double ri = std::max(R - std::min(a, wall), 0.0), R2 = R * R, r2 = ri * ri, R4 = R2 * R2 - r2 * r2;
        L.A = M_PI * (R2 - r2);
        L.I_y = L.I_z = M_PI * R4 / 4.0;
        w->A_wy = w->A_wz = 3.0 * M_PI * R4 / (4.0 * (R2 + R * ri + r2));
        w->W_wt = M_PI * R4 / (2.0 * R);
    } else {
        L.A = 2.0 * M_PI * R * a;
        L.I_y = L.I_z = M_PI * a * R * R * R;
        w->A_wy = w->A_wz = L.A / 2.0;
        w->W_wt = 2.0 * M_PI * R * R * a;
    }
    L.a = a;
    w->A_w = L.A;
    w->I_y0 = w->I_z0 = L.I_y;
    w->n_lines = 1;
    w->a_min = a;
    // Stress points where the bending and the shear stresses are extreme.
    const double My = w->My, Mz = w->Mz, Vy = w->Vy, Vz = w->Vz;
    const double M = std::hypot(My, Mz), V = std::hypot(Vy, Vz);
    if (!Wc_Moment_Present(M) && !Wc_Force_Present(V)) {
        // The stresses are the same all round: the points stand on the
        // weld where a moment M_y and a force V_z would put them (a point
        // at the centre would lie on no weld).
        const double y[4] = {0.0, 0.0, R, -R}, z[4] = {R, -R, 0.0, 0.0};
        for (int i = 0; i < 4; ++i) {
            w->py[0][i] = y[i];
            w->pz[0][i] = w->z_s + z[i];
        }
        return;
    }
    if (Wc_Moment_Present(M)) {
        w->py[0][0] = -R * Mz / M;
        w->pz[0][0] = w->z_s + R * My / M;
        w->py[0][1] = R * Mz / M;
        w->pz[0][1] = w->z_s - R * My / M;
    }
    if (Wc_Force_Present(V)) {
        w->py[0][2] = R * Vz / V;
        w->pz[0][2] = w->z_s - R * Vy / V;
        w->py[0][3] = -R * Vz / V;
        w->pz[0][3] = w->z_s + R * Vy / V;
    }
}

// The weld positions of one profile family as its layout offers them. Each
// is counted and marked as offered before its line is built or left out, so
// that a weld of the input that the layout does not offer can be named, and
// a ring of welds is recognised by every offered position having its line.
struct Layout {
    WeldCheckWork* w;
    const Stahlprofil& p;
    bool all_round;
    bool short_out;  // the short pieces of an all-round weld are neglected
    double s_o, s_u, s_r;
    // A rolled flange whose welds lie on its faces as they stand (sloped,
    // their toes and roots rounded); null: the plates'.
    const Wc_Flange_Faces* faces = nullptr;

    void Offer(int k) {
        w->n_positions += 1;
        w->offered[k] = true;
    }
    void Take(const Pos& q, bool hollow = false) {
        Offer(q.k);
        if (short_out && q.k >= WELD_FACE_TOP_END_LEFT) return;
        Take_Position(w, q, hollow);
    }
    double Input_Or(int k, double def, double whole = 0.0) const {
        const double typed = w->r->l[k];
        return typed > 0.1 && !(whole > 0.0 && typed >= whole - 0.001) ? typed : def;
    }
    // The outer flange weld at z' along the flange of the given width, the
    // web axis at d = axis. The shear split consistent with N and M splits
    // it at the axis into k (left) and k_right, as the caller filled them;
    // an all-round weld is never split.
    void Outer_Flange(int k, int k_right, double axis, double zp, double width, double t, double out) {
        if (all_round || w->r->shear_split != WELD_SHEAR_SPLIT_CONSISTENT) {
            Take({k, WC_ALONG_Y, axis, 0, zp, width, t, out, 0});
            return;
        }
        Offer(k);
        Take_Half(w, k, axis, zp, width, t, out, +1);
        Offer(k_right);
        Take_Half(w, k_right, axis, zp, width, t, out, -1);
    }
};

void Flat_Bar(Layout& L) {
    const double h = L.p.h, t_w = L.p.t_w;
    // A fully penetrated weld is the bar: the welds of its two long faces
    // are its halves (Full_Penetration_Throat), the short faces take none,
    // and the part they join is as thick as the bar.
    const bool solid = Wc_Full_Penetration(L.w->r);
    const double t = solid ? std::min(h, t_w) : t_w;
    // The ends are the short pieces of a bar thinner than high.
    if (L.short_out && t_w < h - 0.001) {
        L.Offer(0);
        L.Offer(3);
    } else {
        L.Take({0, WC_ALONG_Y, t_w / 2, 0, 0.0, t_w, t, -1, 0, solid});
        L.Take({3, WC_ALONG_Y, t_w / 2, 0, h, t_w, t, +1, 0, solid});
    }
    L.Take({1, WC_ALONG_Z, 0, 0, h / 2, h, t, +1, 0, solid});
    L.Take({2, WC_ALONG_Z, t_w, 0, h / 2, h, t, -1, 0, solid});
}

void Angle(Layout& L) {
    const Stahlprofil& p = L.p;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, h_w = p.h_w, c_fo = p.c_o, s_r = L.s_r;
    L.Take({0, WC_ALONG_Y, b_fo / 2, 0, h, b_fo, t_fo, +1, 0});
    L.Take({1, WC_ALONG_Y, b_fo - (c_fo + s_r) / 2, 0, h - t_fo, c_fo - s_r, t_fo, -1, 0});
    L.Take({2, WC_ALONG_Z, 0, 0, h / 2, h, t_w, +1, 0});
    L.Take({6, WC_ALONG_Z, t_w, 0, (h_w + s_r) / 2, h_w - s_r, t_w, -1, 0});
    if (L.all_round) {
        L.Take({8, WC_ALONG_Z, b_fo, 0, h - (t_fo - s_r) / 2, t_fo - s_r, t_fo, -1, 0});
        L.Take({9, WC_ALONG_Y, (t_w - s_r) / 2, 0, 0.0, t_w - s_r, t_w, -1, 0});
    }
}

void I_Family(Layout& L, bool line_mode) {
    const Stahlprofil& p = L.p;
    const SchweissnahtNachweis* r = L.w->r;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, b_fu = p.b_fu, t_fu = p.t_fu;
    const double h_w = p.h_w, c_fo = p.c_o, c_fu = p.c_u, s_o = L.s_o, s_u = L.s_u, s_r = L.s_r;
    const bool all_round = L.all_round;
    const double axis = std::max(b_fo, b_fu) / 2;
    // The inner flange faces from their root ends (this far beside the web,
    // at z'), their slope and length; the tips' and the web's faces.
    const Wc_Flange_Faces* f = L.faces;
    const double s = f ? f->slope : 0.0, face = f ? Inner_Face_Length(*f) : 0.0;
    const double root_o = f ? (b_fo - t_w) / 2 - f->x_root : s_o, root_u = f ? (b_fu - t_w) / 2 - f->x_root : s_u;
    const double z_o = f ? f->z_root : t_fo, z_u = f ? h - f->z_root : h - t_fu;
    const double len_o = f ? face : c_fo - s_r, len_u = f ? face : c_fu - s_r;
    const double tip_o = f ? f->tip : t_fo - s_r, tip_u = f ? f->tip : t_fu - s_r;
    const double web_c = f ? h / 2 : t_fo + s_o + h_w / 2, web = f ? h - 2 * f->web : h_w;
    // A length given as the plates' face is the rolled face, shorter.
    const double whole_o = f ? c_fo - s_r : 0.0, whole_u = f ? c_fu - s_r : 0.0, whole_w = f ? h_w : 0.0;
    L.Outer_Flange(WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT, axis, 0.0, b_fo, t_fo, -1);
    L.Take({WELD_FACE_TOP_INNER_LEFT, WC_ALONG_Y, axis - t_w / 2 - root_o, -0.5, z_o, len_o, t_fo, +1, 0, false, 0.0, s,
            whole_o});
    L.Take({WELD_FACE_TOP_INNER_RIGHT, WC_ALONG_Y, axis + t_w / 2 + root_o, +0.5, z_o,
            all_round ? L.Input_Or(WELD_FACE_TOP_INNER_RIGHT, len_o, whole_o) : len_o, t_fo, +1, 0, false, 0.0, -s,
            whole_o});
    const bool butt_axis = line_mode && Wc_Full_Penetration(r);
    L.Take({WELD_FACE_WEB_LEFT, WC_ALONG_Z, butt_axis ? axis : axis - t_w / 2, 0, web_c, web, t_w, +1, 0, false, 0.0, 0.0,
            whole_w});
    L.Take({WELD_FACE_WEB_RIGHT, WC_ALONG_Z, axis + t_w / 2, 0, web_c,
            all_round ? L.Input_Or(WELD_FACE_WEB_RIGHT, web, whole_w) : web, t_w, -1, 0, false, 0.0, 0.0, whole_w});
    L.Outer_Flange(WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_OUTER_RIGHT, axis, h, b_fu, t_fu, +1);
    L.Take({WELD_FACE_BOTTOM_INNER_LEFT, WC_ALONG_Y, axis - t_w / 2 - root_u, -0.5, z_u, len_u, t_fu, -1, 0, false, 0.0, -s,
            whole_u});
    L.Take({WELD_FACE_BOTTOM_INNER_RIGHT, WC_ALONG_Y, axis + t_w / 2 + root_u, +0.5, z_u,
            all_round ? L.Input_Or(WELD_FACE_BOTTOM_INNER_RIGHT, len_u, whole_u) : len_u, t_fu, -1, 0, false, 0.0, s,
            whole_u});
    if (!all_round) return;
    L.Take({WELD_FACE_TOP_END_LEFT, WC_ALONG_Z, axis - b_fo / 2, 0, tip_o / 2, tip_o, t_fo, +1, 0});
    L.Take({WELD_FACE_TOP_END_RIGHT, WC_ALONG_Z, axis + b_fo / 2, 0, tip_o / 2, tip_o, t_fo, -1, 0});
    L.Take({WELD_FACE_BOTTOM_END_LEFT, WC_ALONG_Z, axis - b_fu / 2, 0, h - tip_u / 2, tip_u, t_fu, +1, 0});
    L.Take({WELD_FACE_BOTTOM_END_RIGHT, WC_ALONG_Z, axis + b_fu / 2, 0, h - tip_u / 2, tip_u, t_fu, -1, 0});
}

void Channel(Layout& L) {
    const Stahlprofil& p = L.p;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, h_w = p.h_w, c_fo = p.c_o;
    const double s_o = L.s_o, s_r = L.s_r;
    // The inner flange faces about their middles (this far from the tips,
    // at z'), their slope and length; the tips' and the web's faces.
    const Wc_Flange_Faces* f = L.faces;
    const double s = f ? f->slope : 0.0;
    const double mid = f ? (f->x_toe + f->x_root) / 2 : (c_fo + s_r) / 2, z_mid = f ? (f->z_toe + f->z_root) / 2 : t_fo;
    const double face = f ? Inner_Face_Length(*f) : c_fo - s_r, tip = f ? f->tip : t_fo - s_r;
    const double web_c = f ? h / 2 : t_fo + s_o + h_w / 2, web = f ? h - 2 * f->web : h_w;
    // A length given as the plates' face is the rolled face, shorter.
    const double whole_f = f ? c_fo - s_r : 0.0, whole_w = f ? h_w : 0.0;
    L.Take({0, WC_ALONG_Y, b_fo / 2, 0, 0.0, b_fo, t_fo, -1, 0});
    L.Take({1, WC_ALONG_Y, b_fo - mid, 0, z_mid, face, t_fo, +1, 0, false, 0.0, -s, whole_f});
    L.Take({2, WC_ALONG_Z, 0, 0, h / 2, h, t_w, +1, 0});
    L.Take({6, WC_ALONG_Z, t_w, 0, web_c, web, t_w, -1, L.all_round ? 2.0 : 0.0, false, 0.0, 0.0, whole_w});
    L.Take({3, WC_ALONG_Y, b_fo / 2, 0, h, b_fo, t_fo, +1, 0});
    L.Take({4, WC_ALONG_Y, b_fo - mid, 0, h - z_mid, face, t_fo, -1, 0, false, 0.0, s, whole_f});
    if (!L.all_round) return;
    L.Take({8, WC_ALONG_Z, b_fo, 0, tip / 2, tip, t_fo, -1, 0});
    L.Take({9, WC_ALONG_Z, b_fo, 0, h - tip / 2, tip, t_fo, -1, 0});
}

void Rectangular_Tube(Layout& L) {
    const Stahlprofil& p = L.p;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, s_o = L.s_o;
    Tube_Walls walls;
    if (Wc_Full_Penetration(L.w->r) && Full_Penetration_Tube_Walls(p, s_o, &walls)) {
        Pos q[4] = {{0, WC_ALONG_Y, b_fo / 2, 0, 0.0, walls.L_f, t_fo, -1, 0},
                    {3, WC_ALONG_Y, b_fo / 2, 0, h, walls.L_f, t_fo, +1, 0},
                    {1, WC_ALONG_Z, 0, 0, h / 2, walls.L_w, t_w, +1, 0},
                    {2, WC_ALONG_Z, b_fo, 0, h / 2, walls.L_w, t_w, -1, 0}};
        for (Pos& w : q) {
            w.depth = w.dir == WC_ALONG_Y ? walls.depth_f : walls.depth_w;
            L.Take(w, true);
        }
        return;
    }
    const double side_h = L.all_round ? b_fo - 0.7853981633974483 * s_o : b_fo - 2 * s_o;
    const double side_v = L.all_round ? h - 0.7853981633974483 * s_o : h - 2 * s_o;
    L.Take({0, WC_ALONG_Y, b_fo / 2, 0, 0.0, side_h, t_fo, -1, 0}, true);
    L.Take({3, WC_ALONG_Y, b_fo / 2, 0, h, side_h, t_fo, +1, 0}, true);
    L.Take({1, WC_ALONG_Z, 0, 0, h / 2, side_v, t_w, +1, 0}, true);
    L.Take({2, WC_ALONG_Z, b_fo, 0, h / 2, side_v, t_w, -1, 0}, true);
}

void Tee(Layout& L) {
    const Stahlprofil& p = L.p;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, h_w = p.h_w, c_fo = p.c_o;
    const double s_o = L.s_o, s_r = L.s_r;
    // The inner flange faces about their middles (this far from the tips,
    // at z'), their slope and length; the tips' and the stem's faces.
    const Wc_Flange_Faces* f = L.faces;
    const double s = f ? f->slope : 0.0;
    const double mid = f ? (f->x_toe + f->x_root) / 2 : (c_fo + s_r) / 2, z_mid = f ? (f->z_toe + f->z_root) / 2 : t_fo;
    const double face = f ? Inner_Face_Length(*f) : c_fo - s_r, tip = f ? f->tip : t_fo - s_r;
    const double stem_c = f ? (f->web + h) / 2 : t_fo + s_o + h_w / 2, stem = f ? h - f->web : h_w;
    // A length given as the plates' face is the rolled face, shorter.
    const double whole_f = f ? c_fo - s_r : 0.0, whole_w = f ? h_w : 0.0;
    L.Outer_Flange(WELD_FACE_TOP_OUTER, WELD_FACE_TOP_OUTER_RIGHT, b_fo / 2, 0.0, b_fo, t_fo, -1);
    L.Take({1, WC_ALONG_Y, mid, 0, z_mid, face, t_fo, +1, 0, false, 0.0, s, whole_f});
    L.Take({5, WC_ALONG_Y, b_fo - mid, 0, z_mid, face, t_fo, +1, 0, false, 0.0, -s, whole_f});
    L.Take({2, WC_ALONG_Z, (b_fo - t_w) / 2, 0, stem_c, stem, t_w, +1, 0, false, 0.0, 0.0, whole_w});
    L.Take({6, WC_ALONG_Z, (b_fo + t_w) / 2, 0, stem_c, stem, t_w, -1, 0, false, 0.0, 0.0, whole_w});
    if (!L.all_round) return;
    L.Take({8, WC_ALONG_Z, 0, 0, tip / 2, tip, t_fo, +1, 0});
    L.Take({10, WC_ALONG_Z, b_fo, 0, tip / 2, tip, t_fo, -1, 0});
    L.Take({9, WC_ALONG_Y, b_fo / 2, 0, h, t_w, t_w, +1, 0});
}

void Z_Section(Layout& L) {
    const Stahlprofil& p = L.p;
    const double h = p.h, t_w = p.t_w, b_fo = p.b_fo, t_fo = p.t_fo, c_fo = p.c_o, s_o = L.s_o, s_r = L.s_r;
    const double web = h - t_fo - s_o;
    L.Take({0, WC_ALONG_Y, (b_fo + t_w) / 4, 0, 0.0, (b_fo + t_w) / 2, t_fo, -1, 0});
    L.Take({1, WC_ALONG_Y, (c_fo + s_r) / 2, 0, t_fo, c_fo - s_r, t_fo, +1, 0});
    L.Take({2, WC_ALONG_Z, (b_fo - t_w) / 2, 0, t_fo + s_o + web / 2, web, t_w, +1, 0});
    L.Take({6, WC_ALONG_Z, (b_fo + t_w) / 2, 0, web / 2, L.all_round ? L.Input_Or(6, web) : web, t_w, -1,
            L.all_round ? 2.0 : 0.0});
    L.Take({3, WC_ALONG_Y, (3 * b_fo - t_w) / 4, 0, h, (b_fo + t_w) / 2, t_fo, +1, 0});
    L.Take({4, WC_ALONG_Y, b_fo - (c_fo + s_r) / 2, 0, h - t_fo, c_fo - s_r, t_fo, -1, 0});
    if (!L.all_round) return;
    L.Take({8, WC_ALONG_Z, 0, 0, (t_fo - s_r) / 2, t_fo - s_r, t_fo, +1, 0});
    L.Take({9, WC_ALONG_Z, b_fo, 0, h - (t_fo - s_r) / 2, t_fo - s_r, t_fo, -1, 0});
}

// End points outside the profile height are not in use; those just
// outside by rounding are put on its edge.
void Clamp_End_Points(WeldCheckWork* w, double h) {
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        for (int i = 0; i < WC_POINTS; ++i) {
            double& z = w->pz[k][i];
            if (z < -0.1 || z > h + 0.1) z = -1.0;
            else if (z < 0.0) z = 0.0;
            else if (z > h) z = h;
        }
    }
}

// A weld of the input at a position the profile's layout does not offer
// carries nothing in the check; the list says so rather than lose it
// silently.
void Name_Welds_Not_Offered(const WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    if (!w->f) return;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        if (r->number[k] <= 0 || !(r->a[k] > 0.1) || w->offered[k]) continue;
        OLI_printf(w->f, "%s%s: keine Nahtposition dieses Profils, rechnerisch nicht berücksichtigt %s\n"_cp,
                   Check_Line_Prefix, Wc_Weld_Name(w, k).text, Mark_Note());
    }
}

// A straight weld longer than its face may reach past the profile: an end
// there is not in use, so the weld would count in the group's areas and
// moments and never be checked at that end (at neither, when both lie
// outside). It is named, and the check refused.
void Name_Welds_Outside(WeldCheckWork* w) {
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const WeldCheckLine& L = w->line[k];
        if (L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z) continue;
        if (w->pz[k][0] >= 0.0 && w->pz[k][1] >= 0.0) continue;
        w->end_outside = true;
        if (w->f)
            OLI_printf(w->f, "%s%s: Nahtende außerhalb des Profils (l╬\\w╬r = %.1lf mm)  ê  Naht nicht nachgewiesen %s\n"_cp,
                       Check_Line_Prefix, Wc_Weld_Name(w, k).text, L.l, Mark_Not_Ok());
    }
}

// The torsion of a fully penetrated open section, which is that section:
// St. Venant's, the constant of the plates the welds make, and the shear
// M_T k_T / I_T at each line's face, along it (the torsion the group's
// polar moment gave a flat bar 250 x 12 was a tenth of the bar's). Each
// line is the half of its plate next to its face: where the halves of both
// faces lie, the plate is whole; where one lies, the plate is that half.
void Open_Section_Torsion(WeldCheckWork* w) {
    Joined_Strip strips[WELD_CHECK_WELDS];
    int line_of[WELD_CHECK_WELDS], n = 0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        WeldCheckLine& L = w->line[k];
        L.k_T = 0.0;
        const WeldCheckStretch& q = w->stretch[k];
        if ((L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z) || q.plate < 0) continue;
        strips[n] = {q.plate, q.side, q.lo, q.hi, L.a};
        line_of[n++] = k;
    }
    // The plates and their stretches are the connection's: worked out once
    // and kept under the strips (every member set, so their bytes compare).
    struct Torsion {
        double I_T, k_T[WELD_CHECK_WELDS];
    };
    static Kept_By_Inputs<Torsion> kept;
    bool fresh = false;
    Torsion& t = kept.At(0, &fresh, n, Inputs_Of(strips, static_cast<size_t>(n)));
    if (fresh) t.I_T = Joined_Torsion(strips, n, t.k_T);
    for (int i = 0; i < n; ++i) w->line[line_of[i]].k_T = t.k_T[i];
    w->I_T = t.I_T > 0.001 ? t.I_T : 0.0;
}

}  // namespace

double Full_Penetration_Throat(const Stahlprofil* p, int face) {
    if (!p) return 0.0;
    auto is = [face](std::initializer_list<int> faces) {
        for (int f : faces)
            if (f == face) return true;
        return false;
    };
    switch (p->type) {
    case PROFILTYP_RUND: return face == WELD_FACE_TOP_OUTER ? p->h / 2.0 : 0.0;
    case PROFILTYP_ROHR: return face == WELD_FACE_TOP_OUTER ? std::min(p->t_w, p->h / 2.0) : 0.0;
    case PROFILTYP_FLACH: {
        // The long faces: the sides of a bar as thick as high or higher.
        const bool sides_long = p->t_w <= p->h;
        if (is({WELD_FACE_SIDE_LEFT, WELD_FACE_SIDE_RIGHT})) return sides_long ? p->t_w / 2.0 : 0.0;
        if (is({WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER})) return sides_long ? 0.0 : p->h / 2.0;
        return 0.0;
    }
    case PROFILTYP_RECHTECK:
        if (is({WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER})) return p->t_fo;
        return is({WELD_FACE_SIDE_LEFT, WELD_FACE_SIDE_RIGHT}) ? p->t_w : 0.0;
    case PROFILTYP_L: case PROFILTYP_C: case PROFILTYP_U: case PROFILTYP_Z: case PROFILTYP_T:
    case PROFILTYP_HALB_I:
        break;
    default:
        if (!In_I_Family(p->type)) return 0.0;
        break;
    }
    // The faces by the I family's names: the other families give the same
    // indexes to their flanges, legs and webs (profiles/stahlprofil.h);
    // channels and zeds have two flanges of the top one's thickness.
    const double t_bottom = Is_Profile_Type_One_Of(p->type, {PROFILTYP_C, PROFILTYP_U, PROFILTYP_Z}) ? p->t_fo : p->t_fu;
    if (is({WELD_FACE_TOP_OUTER, WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT, WELD_FACE_TOP_OUTER_RIGHT}))
        return p->t_fo / 2.0;
    if (is({WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT})) return p->t_w / 2.0;
    if (is({WELD_FACE_BOTTOM_OUTER, WELD_FACE_BOTTOM_INNER_LEFT, WELD_FACE_BOTTOM_INNER_RIGHT,
            WELD_FACE_BOTTOM_OUTER_RIGHT}))
        return t_bottom / 2.0;
    return 0.0;
}

// The sums of the line cross-section from its lines as they stand.
void Sum_Lines(WeldCheckWork* w) {
    w->A_w = w->A_wy = w->A_wz = w->S_y = w->S_z = w->I_y0 = w->I_z0 = w->I_yz0 = 0.0;
    for (const WeldCheckLine& L : w->line)
        if (L.dir == WC_ALONG_Y || L.dir == WC_ALONG_Z) Add_To_Sums(w, L);
}

// The shear areas of a fully penetrated weld as the profile counts them,
// never more (a rolled profile's shear area along z takes in part of its
// flanges, which the flange pieces carry along y).
void Joined_Shear_Areas(WeldCheckWork* w) {
    const Stahlprofil& p = w->r->profile;
    if (p.A_vy > 0.0) w->A_wy = std::min(w->A_wy, p.A_vy);
    if (p.A_vz > 0.0) w->A_wz = std::min(w->A_wz, p.A_vz);
}

namespace {

// The line cross-section as the layout leaves it in the work record, and
// the notes it gives the welds.
struct Line_Section {
    WeldCheckLine line[WELD_CHECK_WELDS];
    double py[WELD_CHECK_WELDS][WC_POINTS], pz[WELD_CHECK_WELDS][WC_POINTS];
    double n_y[WELD_CHECK_WELDS], n_z[WELD_CHECK_WELDS];
    WeldCheckStretch stretch[WELD_CHECK_WELDS];
    WeldCheckArc arc[WELD_CHECK_WELDS][WC_ARCS];
    WeldCheckWork::Held held[WELD_CHECK_WELDS];
    WeldCheckWork::DetailTest detail_test[WELD_CHECK_WELDS];
    bool offered[WELD_CHECK_WELDS];
    int n_positions, n_lines;
    double A_w, A_wy, A_wz, S_y, S_z, I_y0, I_z0, I_yz0, a_min;
    bool detailing_failed, corners_once, within_outline;
    Weld_Notes notes[WELD_CHECK_WELDS];
};

// Copies the line cross-section from one record to the other (the work
// record and the one kept); the notes go apart.
template <class To, class From>
void Copy_Line_Section(To& t, const From& f) {
    std::copy(std::begin(f.line), std::end(f.line), t.line);
    std::memcpy(t.py, f.py, sizeof t.py);
    std::memcpy(t.pz, f.pz, sizeof t.pz);
    std::copy(std::begin(f.n_y), std::end(f.n_y), t.n_y);
    std::copy(std::begin(f.n_z), std::end(f.n_z), t.n_z);
    std::copy(std::begin(f.stretch), std::end(f.stretch), t.stretch);
    std::memcpy(t.arc, f.arc, sizeof t.arc);
    std::copy(std::begin(f.held), std::end(f.held), t.held);
    std::copy(std::begin(f.detail_test), std::end(f.detail_test), t.detail_test);
    std::copy(std::begin(f.offered), std::end(f.offered), t.offered);
    t.n_positions = f.n_positions, t.n_lines = f.n_lines;
    t.A_w = f.A_w, t.A_wy = f.A_wy, t.A_wz = f.A_wz, t.S_y = f.S_y, t.S_z = f.S_z;
    t.I_y0 = f.I_y0, t.I_z0 = f.I_z0, t.I_yz0 = f.I_yz0, t.a_min = f.a_min;
    t.detailing_failed = f.detailing_failed, t.corners_once = f.corners_once, t.within_outline = f.within_outline;
}

bool No_Notes(const SchweissnahtNachweis* r) {
    for (const Weld_Notes& n : r->notes)
        if (n.rules != 0 || n.count != 0) return false;
    return true;
}

Kept_By_Inputs<Line_Section> kept_section;

// The lines of the layout, their sums, end points and notes.
void Lay_Out_Lines(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    const Stahlprofil& p = r->profile;
    w->a_min = 1e30;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        for (int i = 0; i < WC_POINTS; ++i) w->pz[k][i] = -1.0;
    std::fill(std::begin(w->held), std::end(w->held), WeldCheckWork::Held{});
    const bool all_round = r->all_round != 0;
    Layout L{w, p, all_round, all_round && w->neglect_short, w->s_o, w->s_u, w->s_r};
    const int type = p.type;
    const bool round = type == PROFILTYP_RUND || type == PROFILTYP_ROHR;
    const bool partial = r->weld_kind == WELD_BUTT && !Wc_Full_Penetration(r) && !round;
    // A weld lies where its face is: on the rolled flange's real faces
    // where they are not the plates' (an inner face that slopes, as an
    // IPN's, runs from y 10.2 to 41.1 mm beside the web at 14 %, not level
    // at t_f; the web's face ends where the root fillet begins, 20.4 mm
    // from the flange's outer face), a partial penetration's throats
    // behind them on every rolled flange (toe and root rounded). Parallel
    // flanges have the plates' faces. A fully penetrated weld is the
    // joined section's.
    Wc_Flange_Faces faces;
    if (!round && !Wc_Full_Penetration(r) && Wc_Rolled_Flange_Faces(p, &faces) && (partial || faces.slope > 0.0))
        L.faces = &faces;
    // The section depends on the profile alone: kept from case to case.
    w->joined = Wc_Full_Penetration(r) && !round ? Kept_Joined_Section(&p) : nullptr;
    const bool full = w->joined != nullptr;
    if (round) {
        L.Offer(0);
        Build_Round(w);
    } else if (type == PROFILTYP_FLACH) {
        Flat_Bar(L);
    } else if (type == PROFILTYP_L) {
        Angle(L);
    } else if (In_I_Family(type)) {
        I_Family(L, w->line_mode);
    } else if (type == PROFILTYP_C || type == PROFILTYP_U) {
        Channel(L);
    } else if (type == PROFILTYP_RECHTECK) {
        Rectangular_Tube(L);
    } else if (type == PROFILTYP_T || type == PROFILTYP_HALB_I) {
        Tee(L);
    } else if (type == PROFILTYP_Z) {
        Z_Section(L);
    }
    // Other types have no weld positions: an empty line cross-section.
    w->joined = nullptr;
    if (full) Joined_Shear_Areas(w);
    if (partial) {
        Wc_Partial_Penetration_Throats(w);
        Sum_Lines(w);
    }
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        if (w->held[k].taken > 0.0)
            Add_Weld_Note(&r->notes[k], WELD_RULE_THROAT_WALL, w->held[k].typed, w->held[k].taken, w->held[k].by);
    Clamp_End_Points(w, p.h);
    if (w->n_lines == 0) w->a_min = 0.0;
}

}  // namespace

void Forget_Kept_Line_Section(void) { kept_section = {}; }

void Wc_Build_Line_Section(WeldCheckWork* w) {
    SchweissnahtNachweis* r = w->r;
    // The section depends on the connection alone: worked out once and
    // taken over by the next load case while what decides it stays (the
    // profile, the plate, the welds' throats and lengths, their kind and
    // rules, the split of the shear, the switches of the tests, the
    // layout's modes, the annex's variant with the throat rules of a
    // national one, and what the check derived from the profile). A round
    // end places its points by the case's forces; only a check that starts
    // without notes takes or keeps it (the notes it gives are part of it).
    if (w->round || !No_Notes(r)) {
        Lay_Out_Lines(w);
    } else {
        const NAD_EC3_Block* annex = Get_NAD_EC3();
        const int variant = annex ? annex->variant : 0;
        bool fresh = false;
        Line_Section& k = kept_section.At(
            0, &fresh, r->profile, r->plate, r->a, r->l, r->weld_angle, w->s_o, w->s_u, w->s_r, w->z_s, w->e_ref,
            r->weld_kind, r->full_penetration, r->deduct_craters, r->all_round, r->shear_split, r->no_length_check,
            r->no_throat_check, variant, w->neglect_short, w->line_mode);
        if (fresh) {
            Lay_Out_Lines(w);
            Copy_Line_Section(k, *w);
            std::copy(std::begin(r->notes), std::end(r->notes), k.notes);
        } else {
            Copy_Line_Section(*w, k);
            std::copy(std::begin(k.notes), std::end(k.notes), r->notes);
        }
    }
    Detail_Lines_In_Weld_Order(w);
    Name_Welds_Not_Offered(w);
    Name_Welds_Outside(w);
}

// The area a ring of partial-penetration throats encloses on their
// midline, half a throat inside the outline: a flat bar's or a tube's
// rectangle less half the throats of its faces (round a tube's corners at
// the outer radius less half a throat); any other outline of area A and
// perimeter U, offset inwards by half the largest throat d, A - U d + 4 d²
// (its corners turn a right angle four times more out than in), never
// more. The outline's own area overrated the ring of an RHS 100 x 100 x 10
// with a = 7 by 16 % (100² for 93²).
double Throat_Ring_Area(const WeldCheckWork* w) {
    const Stahlprofil& p = w->r->profile;
    auto a = [w](int k) { return w->line[k].dir == WC_NONE ? 0.0 : w->line[k].a; };
    double a_max = 0.0;
    for (const WeldCheckLine& L : w->line)
        if (L.dir != WC_NONE) a_max = std::max(a_max, L.a);
    if (p.type == PROFILTYP_RECHTECK || p.type == PROFILTYP_FLACH) {
        const double width = p.type == PROFILTYP_RECHTECK ? p.b_fo : p.t_w;
        const double across = width - (a(WELD_FACE_SIDE_LEFT) + a(WELD_FACE_SIDE_RIGHT)) / 2.0;
        const double down = p.h - (a(WELD_FACE_TOP_OUTER) + a(WELD_FACE_BOTTOM_OUTER)) / 2.0;
        const double r_m = p.type == PROFILTYP_RECHTECK && w->s_o > 0.1 ? std::max(w->s_o - a_max / 2.0, 0.0) : 0.0;
        return std::max(across * down - (4.0 - M_PI) * r_m * r_m, 0.0);
    }
    const double d = a_max / 2.0;
    return p.U > 0.0 ? std::clamp(p.A - p.U * d + 4.0 * d * d, 0.0, p.A) : p.A;
}

void Wc_Torsion_Modulus(WeldCheckWork* w) {
    const SchweissnahtNachweis* r = w->r;
    const int type = r->profile.type;
    w->ring = false;
    w->Omega = 0.0;
    w->I_T = 0.0;
    if (type == PROFILTYP_RUND || type == PROFILTYP_ROHR) return;  // its modulus is set with the ring
    w->W_wt = 0.0;
    if (Wc_Full_Penetration(r) && type != PROFILTYP_RECHTECK) {
        Open_Section_Torsion(w);
        return;
    }
    if (!Wc_Welds_Close_Loop(w) || w->A_w <= 0.001) return;
    if (type == PROFILTYP_RECHTECK && Wc_Full_Penetration(r)) {
        // The fully penetrated tube is the tube: its cell's flow runs along
        // the middle of its walls, round the corners at their mean radius,
        // and each wall twists with it and takes its own St. Venant share,
        // M_T t / I_T at its faces (Wc_Point_Checks). Omega = I_T / K gives
        // the cell's flow M_T K / I_T; W_w,t is the tube's, at the faces of
        // the wall where the shear is largest. (Bredt's mean flow on the
        // lines laid where the walls give the section's second moments
        // put the shear of an MSH 140 x 140 x 16 16 % low.)
        const Joined_Section* j = Kept_Joined_Section(&r->profile);
        if (!j || !j->closed || !(j->K > 0.0) || !(j->tau_T_per_M_x > 0.0)) return;
        w->ring = true;
        w->Omega = j->I_T / j->K;
        w->I_T = j->I_T;
        w->W_wt = 1.0 / j->tau_T_per_M_x;
        return;
    }
    // Bredt: a constant shear flow q circulates with the torsion (towards -y
    // on a face whose outside is +z). Along the lines it has the moment
    // Omega_lines q about the weld centroid, Omega_lines twice the area they
    // enclose where they meet. The ring of the real weld encloses the
    // profile's area (its outline, for the rectangular tube), and its flow
    // needs Omega = 2 A. The modelled lines leave out pieces of the ring
    // (the rounded corners of a tube, the fillets of a rolled profile): they
    // take the larger flow of the two, never less than the real weld's and
    // enough to carry the torsion on their own. A line the check shortens
    // where the weld runs on (the end craters of an all-round channel's or
    // zed's inner web weld) carries the flow of its whole face, so that the
    // flow closes: its own stress is the larger by l_flow / l.
    // Each line adds its length times its distance from the centroid along
    // its face's outward normal (-n, turned by the slope of a sloped
    // flange's inner face).
    const double cy = w->S_y / w->A_w, cz = w->S_z / w->A_w;
    double lines = 0.0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k) {
        const WeldCheckLine& L = w->line[k];
        if (Wc_Oblique(w, k))
            lines -= ((L.y_c - cy) * w->n_y[k] + (L.z_c - cz) * w->n_z[k]) * L.l_flow;
        else if (L.dir == WC_ALONG_Y)
            lines += L.out * (L.z_c - cz) * L.l_flow;
        else if (L.dir == WC_ALONG_Z)
            lines += L.out * (L.y_c - cy) * L.l_flow;
    }
    const Stahlprofil& p = r->profile;
    double enclosed = 2.0 * (type == PROFILTYP_RECHTECK ? p.b_fo * p.h : p.A);
    if (r->weld_kind == WELD_BUTT) enclosed = 2.0 * Throat_Ring_Area(w);
    const double Omega = std::min(lines, enclosed);
    if (!(Omega > 0.001)) return;
    w->ring = true;
    w->Omega = Omega;
    w->W_wt = Omega * w->a_min;
}

int Wc_Section_Values(WeldCheckWork* w) {
    if (w->A_w > 0.001) {
        w->dz_w = w->S_z / w->A_w;
        w->dy_w = w->S_y / w->A_w;
        w->l_w = 0.0;
        for (int k = 0; k < WELD_CHECK_WELDS; ++k) w->l_w += w->line[k].l;
        w->I_wy = w->I_y0 - w->A_w * w->dz_w * w->dz_w;
        w->I_wz = w->I_z0 - w->A_w * w->dy_w * w->dy_w;
        w->I_wyz = w->I_yz0 - w->A_w * w->dy_w * w->dz_w;
        // What the subtraction leaves of a zero inertia is no inertia.
        const double scale = 1e-9 * (w->I_y0 + w->I_z0);
        if (std::fabs(w->I_wy) <= scale) w->I_wy = 0.0;
        if (std::fabs(w->I_wz) <= scale) w->I_wz = 0.0;
        if (std::fabs(w->I_wyz) <= scale) w->I_wyz = 0.0;
    } else {
        w->dy_w = w->dz_w = w->l_w = 0.0;
        w->I_wy = w->I_y0;
        w->I_wz = w->I_z0;
        w->I_wyz = w->I_yz0;
    }
    if (w->symmetric) w->A_wy = 0.0;
    const bool nothing = w->A_w <= 0.001 && w->A_wz <= 0.001 && w->W_wt <= 0.001 && w->I_wy <= 0.001 &&
                         w->I_wz <= 0.001 && w->A_wy <= 0.001;
    return nothing ? 1 : 0;
}

namespace {

// The welds whose throats are held to their part, each with the throat it
// was given and the one it takes, in the order of their numbers.
void Name_Held_Throats(const WeldCheckWork* w) {
    int order[WELD_CHECK_WELDS], n = 0;
    for (int k = 0; k < WELD_CHECK_WELDS; ++k)
        if (w->held[k].taken > 0.0) order[n++] = k;
    const SchweissnahtNachweis* r = w->r;
    std::sort(order, order + n, [r](int a, int b) { return Wc_Report_Key(r, a) < Wc_Report_Key(r, b); });
    for (int j = 0; j < n; ++j) {
        const WeldCheckWork::Held& h = w->held[order[j]];
        char text[160];
        const Weld_Note note = {{h.typed, h.taken, static_cast<double>(h.by), 0.0}};
        OLI_printf(w->f, "%s%s: %s  %s\n", Check_Line_Prefix, Wc_Weld_Name(w, order[j]).text,
                   Weld_Note_Text(WELD_RULE_THROAT_WALL, note, text, sizeof text), Weld_Note_Marker(WELD_RULE_THROAT_WALL));
    }
}

}  // namespace

void Wc_Print_Section_Values(WeldCheckWork* w) {
    if (!w->report) return;
    FILE* f = w->f;
    const SchweissnahtNachweis* r = w->r;
    if (w->level >= 2) OLI_Add_Para_Offset(0.3);
    OLI_printf(f, "%s╬HQuerschnittswerte bezogen auf den Schwerpunkt des Linienquerschnitts:\n"_cp, Check_Line_Prefix);
    const double indent = OLI_Get_Para_Indent();
    if (w->level != 1) OLI_Set_Para_Indent(indent + 0.3);
    const int type = r->profile.type;
    // A fully penetrated weld is the section, its root fillets with it.
    if (r->all_round && r->profile.rolled && r->profile.r_1 > 0.1 && type != PROFILTYP_FLACH &&
        type != PROFILTYP_RUND && type != PROFILTYP_ROHR && !Wc_Full_Penetration(r) &&
        !(type == PROFILTYP_RECHTECK && w->s_o <= 0.1))
        OLI_printf(f, "%sBei umlaufender Schweißnaht werden die Ausrundungen nicht berücksichtigt.\n"_cp,
                   Check_Line_Prefix);
    if (w->A_w > 0.001) {
        OLI_printf(f, "%s", Check_Line_Prefix);
        OLI_printf(f, "▓A╬\\w╬r = %.2lf cm²,  "_cp, w->A_w * 0.01);
        if (r->shear_split == WELD_SHEAR_SPLIT_CONVENTIONAL) {
            if (w->A_wy > 0.001) OLI_printf(f, "A╬\\w,y╬r = %.2lf cm²,  "_cp, w->A_wy * 0.01);
            if (w->A_wz > 0.001) OLI_printf(f, "A╬\\w,z╬r = %.2lf cm²,  "_cp, w->A_wz * 0.01);
        }
        OLI_printf(f, "▓l╬\\w╬r = %.1lf cm\n"_cp, w->l_w * 0.1);
        Name_Held_Throats(w);
        // The weld list gives each weld its whole length: the area is less.
        if (w->corners_once)
            OLI_printf(f, "%s╬SNicht durchgeschweißte Stumpfnähte: In der Nahtfläche zählt jede Ecke nur einmal (bei der horizontalen Naht), in der Summe der Nahtlängen jede Naht mit ihrer ganzen Länge.\n"_cp,
                       Check_Line_Prefix);
        if (w->within_outline)
            OLI_printf(f, "%s╬SNicht durchgeschweißte Stumpfnähte: Die Nahtfläche zählt nur, soweit sie im Querschnitt des gewalzten Profils liegt (an seinen Rundungen).\n"_cp,
                       Check_Line_Prefix);
    }
    if (w->I_wy > 0.001 || w->I_wz > 0.001 || w->W_wt > 0.001) {
        OLI_printf(f, "%s", Check_Line_Prefix);
        if (w->I_wy > 0.001) OLI_printf(f, "I╬\\w,y╬r = %.2lf cm╬/4╬r,  "_cp, w->I_wy * 0.0001);
        if (w->I_wz > 0.001) OLI_printf(f, "I╬\\w,z╬r = %.2lf cm╬/4╬r,  "_cp, w->I_wz * 0.0001);
        if (std::fabs(w->I_wyz) > 0.001)
            OLI_printf(f, "I╬\\w,yz╬r = %.2lf cm╬/4╬r,  "_cp, Unsigned_Zero(w->I_wyz * 0.0001, 2));
        if (w->polar) OLI_printf(f, "I╬\\w,p╬r = %.2lf cm╬/4╬r,  "_cp, w->I_wp * 0.0001);
        if (w->st_venant) OLI_printf(f, "I╬\\w,T╬r = %.2lf cm╬/4╬r,  "_cp, w->I_T * 0.0001);
        if (w->W_wt > 0.001) OLI_printf(f, "W╬\\w,t╬r = %.2lf cm·,  "_cp, w->W_wt * 0.001);
        const double dy = std::fabs(w->dy_w) <= 0.01 ? 0.0 : w->dy_w;
        const double dz = std::fabs(w->dz_w) <= 0.01 ? 0.0 : w->dz_w;
        if (!w->symmetric) {
            OLI_printf(f, "úy╬\\w╬r = %.1lf mm"_cp, Unsigned_Zero(dy, 1));
            OLI_printf(f, ",  ");
        }
        OLI_printf(f, "úz╬\\w╬r = %.1lf mm"_cp, Unsigned_Zero(dz, 1));
        OLI_printf(f, "\n");
    }
    if (w->level != 1) OLI_Set_Para_Indent(indent);
}

int Weld_Check_Rolled_Face_Lengths(const Stahlprofil* profile, double* lengths) {
    Wc_Flange_Faces f;
    if (!profile || !lengths || !Wc_Rolled_Flange_Faces(*profile, &f) || !(f.slope > 0.0)) return 0;
    // The faces as the layouts lay them (I_Family, Channel, Tee).
    const double face = Inner_Face_Length(f), h = profile->h;
    const auto set = [&](std::initializer_list<int> faces, double length) {
        for (int k : faces) lengths[k] = length;
        return static_cast<int>(faces.size());
    };
    const int type = profile->type;
    if (In_I_Family(type))
        return set({WELD_FACE_TOP_INNER_LEFT, WELD_FACE_TOP_INNER_RIGHT, WELD_FACE_BOTTOM_INNER_LEFT,
                    WELD_FACE_BOTTOM_INNER_RIGHT}, face) +
               set({WELD_FACE_WEB_LEFT, WELD_FACE_WEB_RIGHT}, h - 2 * f.web);
    if (type == PROFILTYP_C || type == PROFILTYP_U) return set({1, 4}, face) + set({6}, h - 2 * f.web);
    if (type == PROFILTYP_T || type == PROFILTYP_HALB_I) return set({1, 5}, face) + set({2, 6}, h - f.web);
    return 0;
}
