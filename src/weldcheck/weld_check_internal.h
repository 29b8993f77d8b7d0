// Working state of one weld check of one load case, shared by its stages:
// the weld line cross-section and its section values, the force
// distribution, the end-point stresses and checks. Lives for one call of
// Calc_Weld_Check only. Not for other modules.
//
// Coordinates: y to the left, z down, both relative to the profile centroid
// (y_c, z_c of a line); end points as y' (like y) and z' (below the top
// edge). Lengths mm, forces N and Nmm, stresses N/mm².
#ifndef WELDCHECK_WELD_CHECK_INTERNAL_H
#define WELDCHECK_WELD_CHECK_INTERNAL_H

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/invariant.h"
#include "platform/format.h"
#include "printlist/oli_para.h"
#include "profiles/rolled_flange_faces.h"
#include "weldcheck/weld_check_record.h"
#include "weldcheck/weldelem.h"

// The closed ring of a round section: its points of extreme bending and
// shear (0..3), the point where the weld's check governs, and for a fully
// penetrated weld checked by the simplified method, whose weld check weighs
// the shear otherwise than the weaker part's, the point where that part's
// does.
enum { WC_POINTS = 8, WC_RING_GOVERNING = 4, WC_RING_GOVERNING_PART = 5 };
enum { WC_NONE = 0, WC_ALONG_Y = 1, WC_ALONG_Z = 2, WC_RING = 3 };

struct WeldCheckLine {
    int dir;        // WC_NONE .. WC_RING
    double out;     // sign of the outward normal of the face the weld lies on (+1/-1 along the axis across it)
    double t_part;  // thickness of the joined part
    double a, l, A;
    double l_flow;  // closed ring: the length of the ring whose shear flow the line carries (l, or the
                    // whole face where the check shortens a weld that runs on all round)
    double I_y, I_z, I_yz;  // own second moments about the line's centre
    double y_c, z_c;        // centre: on the face, or inside it for a half of a solid section
    double face;            // the face the line lies on: its z (along y) or y (along z) from the centroid
    double lay_c;           // the centre of the weld as laid on its face: its y (along y) or z (along z)
    bool both_shears;       // a half of a solid section: takes V_y and V_z in the conventional split
    double A_vy, A_vz;      // its shares of the shear areas A_w,y and A_w,z
    double k_T;             // a fully penetrated open section: tau_T = M_T k_T / I_T at the line's face
    int n_arcs;             // a fully penetrated line that is its face's piece: the arcs of the outline
                            // the piece holds (WeldCheckWork::arc)
};

// An arc of the outline in the check's coordinates: centre y', z',
// radius, and the unit directions (y, z) of its ends out of the centre; a
// root fillet's first end lies on the flange face (Joined_Arc).
struct WeldCheckArc {
    double y, z, r;
    double u0_y, u0_z, u1_y, u1_z;
    bool fillet;
};
enum { WC_ARCS = 2 };

// The stretch of its plate that a fully penetrated line fuses (plate -1:
// none), for the open section's torsion: plate, side (0 or 1: the plate's
// halves), extent along the plate.
struct WeldCheckStretch {
    int plate, side;
    double lo, hi;
};

struct Wc_Name;

struct WeldCheckWork {
    SchweissnahtNachweis* r;
    FILE* f;          // null: evaluation only
    int level;        // print level 0..2
    int additional;   // detailing block switch
    int sketches, intermediate;
    bool report;      // list and level above 0
    bool detailed;    // list and level above 1
    bool line_mode;
    const char* label;  // "Naht" or "Linie"
    const Wc_Name* names;  // per position, see Wc_Weld_Names
    int type;
    bool round;       // round bar or tube: one closed line
    bool symmetric;   // symmetric shortcut of the I family
    bool neglect_short;  // the short pieces of an all-round weld are neglected
    bool detailing_failed;
    // The detailing and length test of each position as the layout made it,
    // so that its lines are written in the order of the weld numbers.
    struct DetailTest {
        bool made;
        double a, base_len, craters, t_part;
        bool hollow;
        int penetration;
        bool length_check;
    } detail_test[WELD_CHECK_WELDS];
    bool end_outside;  // a straight weld has an end outside the profile: it cannot be checked
    bool corners_once;  // partial-penetration throats: a corner's area counted with the weld along y only
    bool within_outline;  // partial-penetration throats: counted only within the rolled outline, which cut some

    double s_o, s_u, s_r;  // transition widths of the profile
    double e_ref;          // distance of the centroid from the reference edge
    double z_s;

    WeldCheckLine line[WELD_CHECK_WELDS];
    double py[WELD_CHECK_WELDS][WC_POINTS], pz[WELD_CHECK_WELDS][WC_POINTS];  // pz < 0: not in use

    // section values
    double A_w, A_wy, A_wz, S_y, S_z, I_y0, I_z0, I_yz0, a_min;
    int n_positions, n_lines;  // positions the layout offered, lines built
    bool offered[WELD_CHECK_WELDS];
    double W_wt, l_w, dy_w, dz_w, I_wy, I_wz, I_wyz;
    // The torsion about the weld centroid that the shear split leaves
    // (M_T) is carried by a closed ring of welds as a constant shear flow
    // q_T = M_T / Omega (Omega twice the area the ring encloses: that of its
    // lines or of the profile, whichever gives the larger flow; the round
    // section's ring by its own modulus), by any other group elastically,
    // as a rigid plate turning about the weld centroid, with the polar
    // moment I_wp of the throat areas about it. polar: the polar moment
    // carries a torsion.
    bool ring;
    double Omega;
    double I_wp;
    bool polar;
    // A fully penetrated weld of an open section is that section: its
    // torsion is the section's (St. Venant), the plates' torsion constant
    // I_T with the shear M_T k_T / I_T at each plate's faces, along them.
    // st_venant: I_T carries a torsion. That of a rectangular tube is the
    // tube: a ring whose flow is its cell's (Omega = I_T / K of the closed
    // tube), I_T the tube's, each wall adding M_T a / I_T at its faces, and
    // W_wt the tube's modulus at the faces of the wall where the shear is
    // largest.
    double I_T;
    bool st_venant;

    // forces (N, Nmm) and stress terms
    double N, My, Mz, Vy, Vz, Mx;
    double Mwy, Mwz;  // about the weld centroid
    double M_T;  // torsion about the weld centroid left by the shear split
    double q_T;  // shear flow of a closed ring, N/mm
    double sigma_N, tau_Vy, tau_Vz, tau_T;
    double g_z, g_y;  // gradients of the normal stress about the weld centroid, N/mm² per mm

    // per position: distributed forces (N, Nmm)
    double Nw[WELD_CHECK_WELDS], Myw[WELD_CHECK_WELDS], Mzw[WELD_CHECK_WELDS];
    double Vyw[WELD_CHECK_WELDS], Vzw[WELD_CHECK_WELDS];

    // positions in report order (base number, then position) and their count
    int order[WELD_CHECK_WELDS];
    int n_order;

    // per point: stresses (shear without torsion; torsion separately). The
    // point checks write every one of them before any is read, so they are
    // not cleared when a call starts (Calc_Weld_Check); they stay last.
    double sx[WELD_CHECK_WELDS][WC_POINTS], ty[WELD_CHECK_WELDS][WC_POINTS], tz[WELD_CHECK_WELDS][WC_POINTS];
    double tT[WELD_CHECK_WELDS][WC_POINTS];   // signed torsion shear along the weld
    double tTc[WELD_CHECK_WELDS][WC_POINTS];  // signed torsion shear across it (polar moment only), in the
                                              // axis across the weld (z for a weld along y, else y)
    // Set as the line cross-section is built, before anything reads them,
    // and so not cleared when a call starts either (what the call clears is
    // cleared inline while it stays within a few kilobytes): each line's
    // unit normal into the part across its face (a sloped flange's tilted),
    // and a partial penetration deeper than its part, by weld position: the
    // throat it was given, the throat it takes (0: none held) and what holds
    // it (WELD_THROAT_HELD_*: a tube's wall, half the part an all-round weld
    // joins from both faces, a round bar's radius).
    double n_y[WELD_CHECK_WELDS], n_z[WELD_CHECK_WELDS];
    struct Held {
        double typed, taken;
        int by;
    } held[WELD_CHECK_WELDS];
    bool contact[WELD_CHECK_WELDS][WC_POINTS];
    bool checked[WELD_CHECK_WELDS][WC_POINTS];  // in use and carrying a stress on the throat
    bool in_detail[WELD_CHECK_WELDS][WC_POINTS];  // checked, and its check shown in the detailed report
    // Set with every line built and read only for lines built, so not
    // cleared either: each line's stretch of its plate, and the joined
    // section of a fully penetrated weld while the layout is built (null
    // otherwise).
    WeldCheckStretch stretch[WELD_CHECK_WELDS];
    const struct Joined_Section* joined;
    WeldCheckArc arc[WELD_CHECK_WELDS][WC_ARCS];
};

// What must hold when a weld check leaves (base/invariant.h): positions,
// report order and line kinds within their tables, the governing weld and
// end point either both unset (-1) or in their tables, U_w -1 or a finite
// value of at least 0. A broken one ends the program. The weld check holds
// no global model; this is its working state and record.
void Check_Weld_Check_Invariants(const WeldCheckWork* w);

// Units: the weld check works in the record's units throughout, forces in
// N, moments in Nmm, lengths in mm, stresses in N/mm². The report shows
// forces in kN and moments in kNm, converted by Weld_kN and Weld_kNm alone
// (weldelem.h), as the weld groups' lines are.

// The height of a row of the report's text (cm): the room a block keeps on
// its page is counted in rows.
const double Wc_kRowCm = 0.47;

// The record without a governing point: no slot or point, and no weaker
// part that governs one (what a refused or unloaded check leaves).
inline void Wc_No_Governing_Point(SchweissnahtNachweis* r) {
    r->governing_slot = r->governing_point = -1;
    r->governing_check = WELD_GOVERNS_WELD;
    r->weaker_part = WELD_PART_NONE;
    r->weaker_t = 0.0;
}

// A fully penetrated butt weld, which is the part it joins.
inline bool Wc_Full_Penetration(const SchweissnahtNachweis* r) {
    return r->weld_kind == WELD_BUTT && r->full_penetration;
}

// Present: magnitude above 0.001 in its unit; a force above 0.001 kN, a
// moment above 0.001 kNm.
inline bool Wc_Present(double x) { return x > 0.001 || x < -0.001; }
inline bool Wc_Force_Present(double N) { return Wc_Present(Weld_kN(N)); }
inline bool Wc_Moment_Present(double Nmm) { return Wc_Present(Weld_kNm(Nmm)); }
// The key of position k in the report order: the number it is listed
// under, then the position; positions without a number after all others.
inline int Wc_Report_Key(const SchweissnahtNachweis* r, int k) {
    const int n = r->number[k];
    return (n > 0 ? Weld_Base_Number(n) : 1000) * 100 + k;
}
// The name position k is listed under: "Naht 3", a half of a split flange
// weld "Naht 1a" (left) or "Naht 1b" (right).
struct Wc_Name {
    char text[32];
    char prefix[36];  // "Naht 1a: ", as the lines of a weld's tests begin
};
// The names of all positions, made once for the numbers and label of the
// check (set on entry to names); a connection's load cases list the same
// welds, so they are made again only when the numbers or the label change.
const Wc_Name* Wc_Weld_Names(const SchweissnahtNachweis* r, const char* label);
inline const Wc_Name& Wc_Weld_Name(const WeldCheckWork* w, int k) { return w->names[k]; }

// A report line put together from its pieces and handed to the paragraph
// writer in one call: the same text as one call per piece, as long as no
// paragraph setting changes between the pieces. The pieces are formatted
// straight onto the end of a buffer kept from line to line, so one line is
// put together at a time: a second one would clear the first one's text
// (the checking builds stop there).
class Wc_Line {
public:
    explicit Wc_Line(FILE* f) : f_(f) {
#ifdef WELD_CHECK_INVARIANTS
        WELD_INVARIANT("report line", !open_, "one report line at a time");
        open_ = true;
#endif
        Text().size = 0;
        Text().Reserve(0);
    }
#ifdef WELD_CHECK_INVARIANTS
    ~Wc_Line() { open_ = false; }
#endif
    Wc_Line(const Wc_Line&) = delete;
    Wc_Line& operator=(const Wc_Line&) = delete;
    __attribute__((format(printf, 2, 3))) void Add(const char* format, ...) {
        Buffer& b = Text();
        b.Reserve(kPiece);
        va_list ap;
        va_start(ap, format);
        const int n = VEK_Format_Quick_V(b.data.get() + b.size, b.capacity - b.size, format, ap);
        if (n >= 0) {
            b.size += static_cast<size_t>(n);
        } else {
            // A conversion of the C library's own, or a long piece.
            b.data[b.size] = '\0';
            VEK_Formatted t;
            if (VEK_Format_Once(&t, format, ap)) {
                b.Reserve(t.size);
                std::memcpy(b.data.get() + b.size, t.text, t.size);
                b.size += t.size;
                b.data[b.size] = '\0';
            }
        }
        va_end(ap);
    }
    // A piece that needs no formatting, as it stands.
    void Add_Text(const char* text) {
        const size_t n = std::strlen(text);
        Buffer& b = Text();
        b.Reserve(n);
        std::memcpy(b.data.get() + b.size, text, n + 1);
        b.size += n;
    }
    // The line as put together so far (terminated), and its length.
    const char* Content() const { return Text().data.get(); }
    size_t Size() const { return Text().size; }
    // Writes the line (even an empty one: the writer opens its paragraph).
    void Put() {
        OLI_printf(f_, "%s", Text().data.get());
        Text().size = 0;
        Text().data[0] = '\0';
    }

private:
    // Room for the usual piece; a longer one is formatted apart and copied.
    static constexpr size_t kPiece = 512;
    struct Buffer {
        std::unique_ptr<char[]> data;
        size_t size = 0, capacity = 0;
        // Room for n more bytes and the terminator.
        void Reserve(size_t n) {
            if (data && capacity - size > n) return;
            const size_t grown = std::max(2 * capacity, size + n + 1 + 4096);
            std::unique_ptr<char[]> more(new char[grown]);
            if (data) std::memcpy(more.get(), data.get(), size);
            more[size] = '\0';
            data = std::move(more);
            capacity = grown;
        }
    };
    static Buffer& Text() {
        static Buffer text;
        return text;
    }
    FILE* f_;
#ifdef WELD_CHECK_INVARIANTS
    static inline bool open_ = false;
#endif
};

// Weld line cross-section with the detailing block (weld_line_section.cpp).
// The section of a profile end that is not round is kept from one call to
// the next while everything that decides it stays the same (a connection's
// load cases); its lines are written each time.
void Wc_Build_Line_Section(WeldCheckWork* w);
// Forgets the section kept, so that the next call works it out.
void Forget_Kept_Line_Section(void);

// The real faces of a flange of a rolled catalogue profile, whose inner
// faces may slope and whose toes and roots are rounded (x from the
// flange's tip towards the web, z from its outer face into it, mm): the
// straight part of the tip's face, from its outer corner to the toe's
// rounding; of the inner face, from the toe's rounding to the root
// fillet's; and where the web's straight face begins, below the outer face
// (profiles/rolled_flange_faces.h).
using Wc_Flange_Faces = Rolled_Flange_Faces;
// The faces of the flanges of a catalogue double-T, channel, tee or half
// I whose record gives its rolled outline with the profile's own
// dimensions: true with *f set; else false (*f untouched).
bool Wc_Rolled_Flange_Faces(const Stahlprofil& p, Wc_Flange_Faces* f);
// Partial-penetration throats lie in the parts they join, each the band of
// its depth behind its face: where two meet, the steel there counts once,
// with the weld along y (the corner of a tube or a bar, a channel's or an
// angle's back, a flange's tip); and a rolled profile's band counts only
// within the profile's real outline (its rounded toes and corners). Each
// line takes its share's area, centroid and second moments, and the sums
// of the section follow. The shares depend on the connection alone: kept
// from case to case.
void Wc_Partial_Penetration_Throats(WeldCheckWork* w);
// Whether the lines close a ring, and its torsion modulus; for a fully
// penetrated open section the torsion constant of its plates instead
// (I_T, k_T of each line). The centroid transfer, 1 when nothing can carry
// a force.
void Wc_Torsion_Modulus(WeldCheckWork* w);
// Whether the welds as laid out close a loop (weld_force_distribution.cpp):
// all round the profile, or on every face of a flat bar or a rectangular
// tube with each weld meeting the welds of the faces beside it end to end;
// and every position of the layout has its line.
bool Wc_Welds_Close_Loop(const WeldCheckWork* w);
int Wc_Section_Values(WeldCheckWork* w);
void Wc_Print_Section_Values(WeldCheckWork* w);

// Forces (weld_force_distribution.cpp). Those returning int give 0, or 1
// when the check is refused (U_w -1 already set). The design forces: the
// record's, with the symmetric shortcut of the I family.
void Wc_Design_Forces(WeldCheckWork* w);
// Takes the symmetric shortcut of the I family only where the laid-out
// welds mirror about the web axis; it then drops the small M_z, V_y, M_x.
void Wc_Decide_Symmetry(WeldCheckWork* w);
// How M_x is carried: by the closed ring's torsion modulus, by the plates
// of a fully penetrated open section, else by the polar moment of the open
// group; the design-force block. Refused when M_x is present and none can
// carry it.
int Wc_Torsion_Admission_And_Block(WeldCheckWork* w);
void Wc_Weld_Centroid_Moments(WeldCheckWork* w);
// The linear field of the normal stress that the distribution forms for
// the case, sigma = sigma_N + g_z dz + g_y dy about the weld centroid
// (N/mm², per mm), from the section values (Wc_Section_Values) and the
// design forces alone; modifies nothing.
void Wc_Normal_Stress_Field(const WeldCheckWork* w, double* sigma_N, double* g_z, double* g_y);
// The shear of each weld under the shear split and the torsion about the
// weld centroid it leaves, with what carries that torsion. Refused when a
// torsion is left and nothing can carry it.
int Wc_Shear_And_Torsion(WeldCheckWork* w);
int Wc_Distribute(WeldCheckWork* w);

// End points (weld_point_checks.cpp): stresses, checks, result blocks. 0, or
// 1 when a point had no valid result.
int Wc_Point_Checks(WeldCheckWork* w);
// Whether point i of weld k is one that the case places on a convex arc
// (Wc_Place_Fibre_Points): it moves with the case's stress field, so the
// connection's picture, drawn alike for all its cases, leaves it out and
// the report marks it. Its index follows the line's ends and the ends of
// its root fillets.
inline bool Wc_Point_On_Convex_Arc(const WeldCheckWork* w, int k, int i) {
    const WeldCheckLine& L = w->line[k];
    if (L.n_arcs <= 0 || (L.dir != WC_ALONG_Y && L.dir != WC_ALONG_Z)) return false;
    int fixed = 2;
    for (int j = 0; j < L.n_arcs; ++j) fixed += w->arc[k][j].fillet ? 1 : 0;
    return i >= fixed;
}
// A partial-penetration butt weld lies in the part it joins, its root a
// throat inside the face: the throat's most stressed point is its root
// where that lies farther along the case's stress field than the face
// (an inner face, the free end of a leg). Each end of a straight line gets
// its root as a point of its own (WC_ROOT_POINT + the end's index) where
// its check there weighs more than at the face: a larger |sigma_w,x|, a
// larger equivalent stress or sigma_perp of the directional method, a larger
// resultant of the simplified one (the stresses are linear across the
// throat, and these measures convex in them, so the face and the root
// bound the throat). Needs the stress terms (Wc_Distribute); sets the
// points' stresses it compares, which the point checks form anew. A round
// section's ring keeps its points on the outer face, its root being nearer
// the centroid everywhere.
enum { WC_ROOT_POINT = 2 };
void Wc_Place_Root_Points(WeldCheckWork* w);
inline bool Wc_Point_At_Root(const WeldCheckWork* w, int k, int i) {
    const WeldCheckLine& L = w->line[k];
    return !w->round && w->r->weld_kind == WELD_BUTT && !Wc_Full_Penetration(w->r) &&
           (L.dir == WC_ALONG_Y || L.dir == WC_ALONG_Z) && (i == WC_ROOT_POINT || i == WC_ROOT_POINT + 1);
}
// The extreme fibres on the arcs of the outline that the fully penetrated
// lines' pieces hold, as points of the lines after their ends (2, ...):
// the end of each root fillet on the flange face, where the piece's
// outline ends (in every case), then where the normal stress of the case
// on the line's convex arcs rises above the largest at its points, or
// falls below the smallest. Needs the section values (Wc_Section_Values);
// sets nothing else.
void Wc_Place_Fibre_Points(WeldCheckWork* w);
// The point of the closed ring of a round section (stress terms set) where
// its check is the largest (the weld's, or with `part` the weaker part's of
// a fully penetrated weld): 1 with y', z' when that lies off the points
// already placed, else 0.
int Wc_Ring_Governing_Point(const WeldCheckWork* w, bool part, double* y, double* zp);

#endif
