// The section a fully penetrated butt weld makes of a profile's end: the
// profile's own section (its outline with the root fillets and rounded toes
// of a rolled profile), cut into one piece for each face a weld can lie on,
// so that the welds of all faces together are the section, and the welds of
// some faces the part of it they fuse. A weld on a face of a plate fuses
// the half of the plate next to that face; where a plate meets another,
// the junction goes with the plate whose shear it carries as the profile's
// shear areas count it (the flanges of an I, channel or Z over the web, the
// lower half of a tee's junction with the web), a root fillet with the web
// or leg it stands on, a rounded toe with the flange face it rounds. Each
// piece is a flange piece (along y, carrying V_y) or a web piece (along z,
// carrying V_z); a flat bar's two halves carry both.
//
// Coordinates: d from the profile's left outer face (the reference edge of
// the weld layout) to the right, z below its top edge, mm. Products of
// inertia with y to the left (y = e - d), as the weld check and the profile
// record count them.
//
// Torsion: the welds of an open section twist with the plates they make
// (St. Venant), each plate a rectangle as thick as the halves that lie on
// it, its torsion constant the rectangle's own (the series of the exact
// solution: the thin-walled b t³/3 overrates a thick plate, by a third for
// a square one); a closed section (the rectangular tube) by Bredt.
//
// Extreme fibres: the normal stress of the section is a plane over it, so
// its largest and smallest values lie on the convex hull of its outline:
// on the straight faces, at their sharp corners, or on a convex arc (a
// rounded toe, a tube's rounded corner), anywhere along it. A root fillet
// (concave) lies inside the hull; it carries the weld of its web or leg
// round to the flange face, where the piece's outline ends. Each piece
// keeps the arcs of its outline.
//
// Sloped flanges of rolled catalogue profiles (the inner faces of the
// older I, channel and half-I series) are laid with their slope, which the
// catalogue record gives. The section depends on the profile alone: one
// section is kept (Kept_Joined_Section) under the profile's record, so
// that the load cases of a connection build it once (single-threaded).
// Nothing allocates or writes.
#ifndef WELDCHECK_JOINED_SECTION_H
#define WELDCHECK_JOINED_SECTION_H

#include "profiles/stahlprofil.h"
#include "weldcheck/weld_check_record.h"

// Integrals over a part of the section about the reference corner (d = 0,
// z = 0): area, first and second moments, and the part of the area that
// counts as a shear area along y and along z (its straight plate, with the
// material a rounded toe takes off it; root fillets carry no shear).
struct Joined_Sums {
    double A, S_d, S_z, I_dd, I_zz, I_dz;
    double A_vy, A_vz;
};

// An arc of the outline: centre (d, z) and radius r, from the direction
// (u0_d, u0_z) to the direction (u1_d, u1_z) out of the centre (unit
// vectors, less than a half turn apart). A root fillet's first end lies on
// the face of the other plate (the flange), its second on its piece's own.
struct Joined_Arc {
    double d, z, r;
    double u0_d, u0_z, u1_d, u1_z;
    bool fillet;  // concave: a root fillet; else convex
};
enum { JOINED_ARCS = 2 };

// The piece of one face (index WELD_FACE_*): its integrals, and the stretch
// of its plate it fuses for the torsion: plate index, side (0 or 1: the two
// halves of the plate) and extent along the plate (d for a plate along y,
// z for one along z). plate -1: no torsion of its own (a closed section's
// wall). Its arcs of the outline (n_arcs of them).
struct Joined_Piece {
    bool present;
    Joined_Sums sums;
    int plate, side;
    double lo, hi;
    double t;     // the thickness of plate it fills (half the plate's)
    double edge;  // the length of its face as the profile's weld edges give it
    int n_arcs;
    Joined_Arc arc[JOINED_ARCS];
};

// A part's values about its own centroid: area, centroid (d, z), second
// moments and product (y to the left), shear areas.
struct Joined_Part {
    double A, d, z, I_y, I_z, I_yz, A_vy, A_vz;
};

struct Joined_Section {
    // Indexed by face; the right halves of the outer flange faces of the
    // I family and of tees (WELD_FACE_TOP_OUTER_RIGHT, _BOTTOM_OUTER_RIGHT)
    // are the pieces of a weld split at the web axis: the left half is the
    // outer face's piece less the right one.
    Joined_Piece piece[WELD_CHECK_WELDS];
    bool closed;  // a rectangular tube: the closed tube's torsion, A_m
    // The whole section about its centroid (d_s, z_s): area, second
    // moments and product, St. Venant's constant (open: the plates'; closed:
    // the tube's, its cell and its walls), the largest torsion shear per
    // unit of torsion moment (1/mm³; closed: at the faces of its walls,
    // 1 / W_T of Calc_Closed_Tube_Torsion), and of a closed section Bredt's
    // area A_m, its thinnest wall and K = 2 A_m / ∮ds/t: the cell's shear
    // flow is M_x K / I_T, a wall t thick has M_x (K / t + t) / I_T at its
    // faces.
    double A, d_s, z_s, I_y, I_z, I_yz, I_T, tau_T_per_M_x;
    double A_m, t_min, K;
};

// Builds the joined section of the profile's family. Returns 1 with the
// section filled for a flat bar, angle, the I family, channel, rectangular
// tube, tee, half I or Z whose dimensions leave every plate a length;
// 0 (section cleared, no piece present) for a null profile, any other type
// or dimensions without such plates. Where the outline's area or second
// moments exceed the profile record's own (a catalogue profile whose
// published values the outline's spandrels miss, a sloped flange without
// its catalogue record), every piece is scaled down alike until none
// does: the weld never carries more than the section. Never modifies the
// profile.
int Build_Joined_Section(const Stahlprofil* p, Joined_Section* s);
// The joined section of the profile as Build_Joined_Section builds it, or
// null where that builds none. Kept under the whole profile record (every
// value the section is built from lies in it; a catalogue's flange slope
// is what the catalogue gives the name for the run) and built again as
// soon as a byte of the record differs. The section stays valid until the
// next call; never modifies the profile.
const Joined_Section* Kept_Joined_Section(const Stahlprofil* p);

// The walls of a fully penetrated rectangular tube: the weld is the tube's
// section, its area and second moments the section's own, never more (the
// walls at full length on the outer faces overlapped at the four corners
// and stood their whole thickness out at the faces: a tube 200 x 120 with
// walls of 6 and 12 mm had 5280 mm² for 4992 and 19 % more I_y). A
// sharp-cornered tube is its flanges over the full width and its webs
// between them, each wall's centre at the middle of its thickness. A
// rounded tube (outer corner radius r_o, inner r_i) has the straight parts
// of its walls and shares each corner between the two walls it joins by
// the corner's area; each wall's centre then lies where the walls give the
// section its own second moments, a little nearer the centroid than the
// middle of the wall, as the corners' material lies nearer the centroid
// than a straight wall's. The section's values come from the tube's
// dimensions, a rounded tube as the outer rounded rectangle less the inner
// one. False (walls untouched) for dimensions that leave no hollow.
struct Tube_Walls {
    double L_f, L_w;          // lengths of the flanges (top, bottom) and the webs (sides)
    double depth_f, depth_w;  // their centres inside the outer faces
    double r_o, r_i;          // corner radii (0: sharp)
};
bool Full_Penetration_Tube_Walls(const Stahlprofil& p, double s_o, Tube_Walls* walls);

// A rectangular tube h deep and b wide, its flanges t_f and its webs t_w
// thick, its corners rounded to r_o outside and r_i inside (mm; 0: sharp):
// the area and the second moments about its centre (I_y across the depth)
// of its outline less its bore. False (section untouched) for dimensions
// that leave no hollow.
struct Tube_Section {
    double A, I_y, I_z;
};
bool Rounded_Tube_Section(double h, double b, double t_f, double t_w, double r_o, double r_i, Tube_Section* s);

// The values of a part about its own centroid; all 0 for no area.
Joined_Part Joined_Part_Of(const Joined_Sums& sums);

// One half (or a stretch of a half) of a plate that a weld makes, for the
// torsion: plate, side, extent along the plate and the thickness it fills.
struct Joined_Strip {
    int plate, side;
    double lo, hi, t;
};

// St. Venant's torsion of the strips: along each plate the stretches where
// the strips of both sides lie make the plate's thickness, those where one
// lies its own; each run of one thickness is a rectangle of its own
// constant. Returns the sum of the constants (mm⁴) and sets k[i] of each
// strip to the ratio I_T / W_T of the thickest-stressed run it lies on, so
// that the shear at its face is M_T k[i] / I_T (mm). n at most
// WELD_CHECK_WELDS; k may be null.
double Joined_Torsion(const Joined_Strip* strips, int n, double* k);

#endif
