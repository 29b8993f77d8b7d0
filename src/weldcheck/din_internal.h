// What the modules of the DIN 18800 check of the welded connection share:
// the design strengths of the profile and of the welds, the normal force
// the welds carry, the outline of the profile end in the evaluation's axes,
// the weld lines with their section, and the weld routines by family. Not
// for other modules.
#ifndef WELDCHECK_DIN_INTERNAL_H
#define WELDCHECK_DIN_INTERNAL_H

#include "profiles/geschweisster_anschluss.h"
#include "profiles/kehlnaht_geometry.h"
#include "weldcheck/throat_union.h"

struct Catalogue_Outline;

// Design strengths in N/mm².
struct Din_Strengths {
    double f_y;           // f_y,k of the profile for its governing thickness
    double sigma_R_d;     // f_y / gamma_M
    double tau_R_d;       // sigma_R_d / sqrt 3
    double f_y_plate;     // f_y,k of the end plate for its thickness
    double alpha_w;       // of the weaker of the two joined parts
    double sigma_w_R_d;   // alpha_w f_y,k / gamma_M of the weaker part
    int usable;           // 0: a strength is no positive number, or gamma_M lies
                          // outside NAD_FACTOR_MIN .. NAD_FACTOR_MAX
    bool welds;           // false: a part lies beyond the DIN list (Din_Welds_Beyond_The_List),
                          // alpha_w and sigma_w_R_d are 0 and the welds are not checked
};

// The governing thickness (mm) of the profile of family T = 1..8 for its
// yield strength: the larger of flange and web, the wall of a tube, the
// thickness of a flat bar, the diameter of a round bar; from the record's
// working dimensions.
double Din_Governing_Thickness(const GeschweissterAnschluss *r, int T);

// The strengths of the record for the profile's governing thickness t.
// Stores f_y of the profile and of the plate and alpha_w (0 without welds
// checked) into the record.
Din_Strengths Din_Get_Strengths(GeschweissterAnschluss *r, double t);

// The normal force the welds carry (kN): a compressive N less the share
// that passes by contact, a tensile N in full.
double Din_Weld_Normal_Force(const GeschweissterAnschluss *r);

// Sets the input-error word of the record's status.
void Din_Input_Error(GeschweissterAnschluss *r);

// Every result the block shows (and the working dimensions) a number: a
// value that is none becomes 0. 1 when one was changed.
int Din_Sanitize_Results(GeschweissterAnschluss *r);

// Torsion of the welds and of the profile in kNcm (100 M_x).
double Din_Torsion_kNcm(const GeschweissterAnschluss *r);

// ---- weld sections and weld checks by profile family --------------------------

// Section values of the profile and of its weld ring or sides into the
// record: circular tube, flat bar, round bar.
void Calc_Tube_Weld_Section(GeschweissterAnschluss *record);
void Calc_Flat_Section(GeschweissterAnschluss *record);
void Calc_Round_Section(GeschweissterAnschluss *record);

// Stresses and utilisations of the profile (tube, flat and round bar) and
// of the welds with throat a (mm, for the ring and the all-round weld)
// against the strengths s (usable); the three weld utilisations (normal
// stress, shear stress, comparison value) into U_w. The record's U_w fields
// and stresses are written too.
void Check_Tube(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                double *U_w3);
void Check_Flat(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                double *U_w3);
void Check_Round(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                 double *U_w3);

// What the welds of a position take: V_z (the welds along the height),
// V_y (along the width) or neither shear force.
enum { DIN_ROLE_NONE = 0, DIN_ROLE_V_Z = 1, DIN_ROLE_V_Y = 2 };

// One straight weld: its ends for the stress points and its section line
// (centre, direction, effective length and throat), cm. A fillet weld's
// throat is folded onto its root line, the face; a partial-penetration
// butt weld's lies in the part it joins (in_part), its centre half a throat
// inside the face, its stress points on the face, and its area takes l_A
// of its length (less a corner that the throat of another weld holds).
struct Din_Weld_Line {
    double y1, z1, y2, z2;  // stress points from here to there
    double yc, zc, c, s;    // centre and direction (cos, sin)
    double l, a;            // effective length and throat
    int role;               // DIN_ROLE_*
    int position;           // its weld position 1..8; 0 of a weld all round
    double l_A;             // the length its area takes
    bool in_part;           // a partial penetration's throat, in the part
    // A throat in the part: its share of the steel (where throats meet, the
    // steel counts once; only within the outline), cm powers about the
    // axes' origin; shared false: the band a l_A as laid.
    bool shared;
    Throat_Sums part;
};

// Section values of a weld group, cm powers; y_Az and z_Ay: where the
// shear split puts V_z and V_y, the centroid (y of it) of the welds that
// take V_z and (z of it) of those that take V_y.
struct Din_Weld_Group {
    double L, A, y_s, z_s, I_y, I_z, I_yz, A_y, A_z, a_min;
    double y_Az, z_Ay;
};

// The principal axes of the section values I_y, I_z and I_yz of v (cm⁴)
// into v: the angle (degrees) and I_1, I_2, as the block shows them.
void Din_Principal_Axes(Anschluss_Nahtwerte &v);

// The outline of the profile end in the evaluation's axes (cm: y = -x / 10,
// z = y / 10 of the geometry), beside the geometry it comes from, whose
// weld lines and weld edges the welds of the lines take, and the centroid
// of the section it encloses, where the internal forces act.
struct Din_Outline {
    const Kehlnaht_Geometry *geometry;
    int n;
    double y[KEHLNAHT_POINTS], z[KEHLNAHT_POINTS];
    int has_centroid;     // 0: the outline encloses no area
    double y_c, z_c;      // the section's centroid, cm
};

// The outline of the geometry in the evaluation's axes; the centroid of a
// profile given by its dimensions with a root radius counts its root
// fillets, and with a toe radius toe (mm) the roundings of its toes.
Din_Outline Din_Outline_Of(const Kehlnaht_Geometry &g, double toe = 0.0);

// Whether outline point j of g is a re-entrant corner (the outline turns
// against its own turn there): where a rolled profile has its root fillet.
bool Din_Reentrant(const Kehlnaht_Geometry &g, int j);

// Whether the point (mm) is a convex corner of the outline of g: the tip
// of a flange or leg. Outline points drawn on top of each other (the
// catalogue's angle repeats its corners) are one point.
bool Din_At_Tip(const Kehlnaht_Geometry &g, double x, double y);

// Whether weld line i (0-based) of g lies on the inner face of a flange or
// leg, which ends at its tip in the toe's rounding: the inner faces of an
// angle's legs and the inner flange faces of a channel or tee.
bool Din_Toe_Line(const Kehlnaht_Geometry &g, int i);

// The forces the welds take about the centroid of their group: N' (kN, the
// normal force less its share by contact), M_y, M_z and the torsion M_t
// (kNcm), V_y and V_z (kN). M_t is what the shear split leaves to the
// group turning about its centroid (or to its ring).
struct Din_Weld_Forces {
    double N, M_y, M_z, M_t, V_y, V_z;
};

// A group's welds take a shear force only above this throat area (cm²).
constexpr double DIN_SHEAR_AREA_MIN = 0.001;

// The record's forces, which act at the profile's centroid (y_P, z_P, cm in
// the axes of the group g), moved to the centroid of g: N' with its lever
// adds to M_y and M_z; V_y and V_z bring their moment about it to M_x,
// less the moment the shear split has there (V_z even over the welds that
// take it, at y_Az; V_y at z_Ay). With the stresses of Din_Weld_Sigma and
// Din_Weld_Shear_At, integrated over the welds they give back N', V_y,
// V_z and, about the profile's centroid, the record's M_y, M_z and M_x.
Din_Weld_Forces Din_Forces_About(const GeschweissterAnschluss *r, const Din_Weld_Group &g, double y_P, double z_P);

// The normal stress (kN/cm²) of f in the group g at the point dy, dz (cm)
// from its centroid: sigma = N'/A + the bending of M_y and M_z over the
// group's moments of inertia (its product moment included). A group
// without second moments gives N'/A (0 without area).
double Din_Weld_Sigma(const Din_Weld_Group &g, const Din_Weld_Forces &f, double dy, double dz);

// The shear stress (kN/cm², components along y and z) of f in the group g
// at the point dy, dz (cm) from its centroid on a weld of the given role
// (DIN_ROLE_*): V_z even over the welds that take V_z, V_y over those that
// take V_y, and M_t turning the group about its centroid, M_t rho / I_p
// across the radius (I_p = I_y + I_z of g). The check adds the two
// magnitudes.
struct Din_Weld_Shear {
    double V_y, V_z;  // of the shear split
    double T_y, T_z;  // of the turning group
};
Din_Weld_Shear Din_Weld_Shear_At(const Din_Weld_Group &g, const Din_Weld_Forces &f, int role, double dy, double dz);

// The weld lines of a connection and the section values of their group;
// A_ring: the area that the ring of a weld all round encloses (cm², on its
// root line, a partial penetration's on its throat's midline).
struct Din_Weld_Line_Section {
    Din_Weld_Line line[KEHLNAHT_POINTS];
    int n;
    Din_Weld_Group group;
    double A_ring;
};

// The weld line section of the I family, rectangular tube, channel, T and
// angle: the welds by position along the geometry's weld lines with the
// record's throats and lengths (a throat below 0.1 mm is no weld), or one
// weld all round along the outline with throat a (mm); roles[k] of
// position k + 1: 1 takes V_z, 2 takes V_y, 0 neither (null: 0). Stores
// the section values of the group into the record (also of a group that
// can take no force) and returns the lines with their section.
Din_Weld_Line_Section Calc_Weld_Line_Section(GeschweissterAnschluss *record, const Din_Outline &outline,
                                             const int *roles, double a);

// The stresses and utilisations of the welds of the section (from
// Calc_Weld_Line_Section with the same outline, roles and throat):
// U_w1..U_w3 into out[0..2]; the forces act at the outline's centroid (at
// the weld group's when it has none), and the outline gives the ring of a
// weld all round a rectangular tube (T = 2); T the family 1..5. Applies
// the detailing rule of the throats. A group that can take no force is an
// input error (zeros out).
void Check_Weld_Lines(GeschweissterAnschluss *record, const Din_Strengths &s, const Din_Weld_Line_Section &section,
                      const Din_Outline &outline, const int *roles, double *out, double a, int T);

// Point i of the 73 points (5 degree steps) round a thin ring of radius rr
// (cm) and area A (cm²): its y, z and the shear stress of the two shear
// forces (kN) as in a thin ring, 2 V / A sqrt(1 - (z/r)²) of V_z and
// 2 V / A sqrt(1 - (y/r)²) of V_y, whatever their signs. The weld ring,
// the tube's profile stresses and its full-penetration weld take it.
struct Din_Ring_Point {
    double y, z, t_V;
};
Din_Ring_Point Din_Ring_At(int i, double rr, double V_y, double V_z, double A);

// ---- the full-penetration butt weld: the joined section ---------------------

// A plate of the profile end as a rectangle y0..y1 by z0..z1 (cm, the
// evaluation's axes), the shear force it takes (DIN_ROLE_V_Z, DIN_ROLE_V_Y,
// both for a flat bar), whether both its long edges are held (a web
// between flanges, a wall of a tube) and its clear width between the root
// fillets (cm).
struct Din_Plate {
    double y0, y1, z0, z1;
    int role;
    bool internal;
    double clear;
};
enum { DIN_PLATES_MAX = 4 };
struct Din_Plates {
    Din_Plate p[DIN_PLATES_MAX];
    int n;
};

// The plates of the profile of family T (I .. angle, flat bar) from the
// record's working dimensions, as its outline draws them: flanges over
// their full width, webs between them, root fillets left out; their clear
// widths between the corners of Din_Corners_Of. None for the round shapes.
Din_Plates Din_Plates_Of(const GeschweissterAnschluss *r, int T);

// Where the widths b of a profile's b/t end at the junctions of its web
// and flanges (mm; of family T = 1..5): at the top and the bottom flange
// (a tee's flange and an angle's legs at top) a rolled profile's root
// radius (the profile file's of a catalogue profile, the typed one's r),
// a welded one's weld legs a√2 (0 where butt-welded); a rectangular tube's
// inner corner radius at both and its outer one (0: sharp).
struct Din_Corners {
    double top, bottom, outer;
};
Din_Corners Din_Corners_Of(const GeschweissterAnschluss *r, int T);

// The rolled outline (cm) of the profile of the record, as the section
// engine draws it: a catalogue profile's from its record (sloped flanges,
// fillets and toes as rolled), a profile typed in as rolled (of family I ..
// angle, with a root radius or a toe radius; a tube with its outer and
// inner corner radii) from its dimensions. false for a welded profile, the
// round shapes and the flat bar, and a catalogue profile the profile file
// does not describe (o untouched).
bool Din_Rolled_Outline(const GeschweissterAnschluss *r, Catalogue_Outline *o);

// The welds by position of family T (1..5 and the flat bar) whose end
// craters take them whole, l - 2a not above 0 (a throat of 0.1 mm or more
// on a length above 0), into the record's warnings (not_effective, l_eff);
// the weld section leaves them out. None with full-length welds or a weld
// all round.
void Din_Welds_Not_Effective(GeschweissterAnschluss *r, int T);

// Section values of the joined section (cm², cm⁴) about its centroid in
// the evaluation's axes.
struct Din_Joined_Section {
    double A, I_y, I_z, I_yz;
};

// The full-penetration butt weld of the record checked as the joined
// section sv (the outline o gives its corners and centroid; the tube and
// the round bar are their own rings) against DIN 18800-1's butt-weld
// limits of the strengths s: U_w1..U_w3 into U, the weld values, the
// limit that governs and the compression strength into the record. A
// section that can take no force is an input error (zeros out).
void Check_Full_Penetration(GeschweissterAnschluss *r, const Din_Strengths &s, const Din_Joined_Section &sv,
                            const Din_Outline &o, int T, double *U);

// Profile stresses of the tube, flat bar and round bar (their section
// values computed before) against the strengths s, into the record.
void Din_Tube_Profile(GeschweissterAnschluss *r, const Din_Strengths &s);
void Din_Flat_Profile(GeschweissterAnschluss *r, const Din_Strengths &s);
void Din_Round_Profile(GeschweissterAnschluss *r, const Din_Strengths &s);

// The positions' roles of family T = 1..5 (null for any other).
const int *Din_Weld_Roles(int T);

// The least throats of the welds of family T (throat a of a weld all round
// or a ring, mm), unless the record switches them off: warning word 5 with
// the first weld below 2 mm, word 6 with the first below sqrt(max t) - 0.5,
// max t the thickest of the parts the weld joins (the end plate and the
// flange, web, wall, bar or the round bar's diameter it is welded to; of a
// weld all round the thickest of them all).
void Din_Least_Throats(GeschweissterAnschluss *r, int T, double a);

// A partial-penetration throat lies in the part it joins, from its welded
// face in; a tube is welded from outside only, so its throat ends at the
// bore, and a round bar's at its centre: the throat the weld all round a
// circular or rectangular tube or a round bar is checked with (mm) for
// throat a, and in *wall its wall (the thinner one of a rectangular tube;
// the bar's radius); all round another profile half its thinnest part
// (Din_Throat_In_Half_Part). a itself for any other weld.
double Din_Throat_Taken(const GeschweissterAnschluss *r, double a, double *wall = nullptr);
// 1 for the weld all round an open profile or a flat bar by partial
// penetration: every part is welded from both faces, so that its throat,
// lying in the part, is held to half the thinnest part (Din_Throat_Taken's
// *wall then that half): deeper, it would count the part's steel twice.
bool Din_Throat_In_Half_Part(const GeschweissterAnschluss *r);
// What holds the throat Din_Throat_Taken takes (WELD_THROAT_HELD_*): a
// round bar's radius, half the part, or else a tube's wall.
int Din_Throat_Held_By(const GeschweissterAnschluss *r);

// 1 where the thickest part a fillet weld joins, t_max mm, lets its least
// throat sqrt(t_max) - 0.5 go for the lesser DIN_THICK_PART_THROAT.
bool Din_Thick_Part_Rule(double t_max);

#endif
