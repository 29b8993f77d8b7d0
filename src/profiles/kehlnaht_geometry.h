// The geometry of the profile end of the welded connection (a profile
// welded to its end plate): the outline of the section (and the bore of a
// tube), one straight line per weld position along the face that position
// welds, the outline edges each position covers, and the points of the
// family's form that weld bands and labels follow.
//
// The record describes the profile; the geometry is worked out from it
// alone (and, for a catalogue profile, from the profile file), as data that
// the scaled drawing (drawings) draws and the DIN 18800 section evaluation
// (weldcheck) checks. It lives here, beside the record, because those two
// share a level and use nothing of each other.
//
// World coordinates are mm: x across the profile, y from the lower outer
// face of the profile (0) to its top (H).
#ifndef PROFILES_KEHLNAHT_GEOMETRY_H
#define PROFILES_KEHLNAHT_GEOMETRY_H

#include "profiles/geschweisster_anschluss.h"
#include "profiles/rolled_flange_faces.h"

// Profile families of the geometry: the record's family code + 1.
enum {
    KEHLNAHT_NONE = 0,
    KEHLNAHT_I = 1,
    KEHLNAHT_RHS = 2,
    KEHLNAHT_CHANNEL = 3,
    KEHLNAHT_TEE = 4,
    KEHLNAHT_ANGLE = 5,
    KEHLNAHT_CHS = 6,
    KEHLNAHT_FLAT = 7,
    KEHLNAHT_ROUND = 8,
};

// The family of the geometry and the drawing of a record's family code
// (ANSCHLUSS_*): the code + 1; KEHLNAHT_NONE for a code outside them.
int Kehlnaht_Family(int anschluss_family);

enum { KEHLNAHT_POINTS = ANSCHLUSS_OUTLINE_POINTS };

// What Build_Kehlnaht_Geometry could build.
enum {
    KEHLNAHT_BUILT = 0,               // everything below is the profile's
    KEHLNAHT_UNUSABLE_DIMENSIONS = 1, // a dimension not a number of 0 to 10^6 mm
    KEHLNAHT_NOT_IN_FILE = 2,         // a catalogue profile the profile file does not hold
    KEHLNAHT_NO_EXTENT = 3,           // under 0.001 mm high or wide: nothing to draw or weld
};

// The forms of an I and of a T.
enum { KEHLNAHT_I_DIMENSIONS, KEHLNAHT_I_CATALOGUE, KEHLNAHT_I_TAPERED };
enum { KEHLNAHT_TEE_DIMENSIONS, KEHLNAHT_TEE_SLOPED, KEHLNAHT_TEE_CUT, KEHLNAHT_TEE_TAPERED };

// An I: flange ends, root fillet ends and web faces (x1 .. x6), the heights
// of the flange faces and fillet ends (y1 .. y6), and of a tapered catalogue
// I the toe radius r2, the height cc where the web's straight face begins,
// the straight part of the lower sloped inner faces from the toe's
// rounding (xt from the web axis, at height yu) to the root fillet's (xr,
// at yr), and the height yo of the upper faces' toe end.
struct Kehlnaht_I_Form {
    int form;                       // KEHLNAHT_I_*
    double x1, x2, x3, x4, x5, x6;
    double y1, y2, y3, y4, y5, y6;
    double r2, cc, xt, yu, yo, xr, yr;
    int face[8][2];                 // outline points of the faces of positions 2, 3, 6, 7
    int mean_height;                // 1: those faces slope (labels at their mean height)
};

// A T or half I: its flange ends, the points of a sloped or tapered
// catalogue T, and the label places of welds 2, 3 and 4/5.
struct Kehlnaht_Tee_Form {
    int form;                       // KEHLNAHT_TEE_*
    double xl, xr;
    // Sloped T (flange and web at 2 %): the height of the flange top where
    // the rounding of its tips ends; the web faces' x where the root fillet
    // meets them (root) and where the rounding of the web tip begins (tip);
    // y_f, the height where the root fillets meet the flange.
    double y_toe_sloped;
    double x_web_left_root, x_web_left_tip, x_web_right_tip, x_web_right_root;
    double y_f;
    // Tapered T (a half beam, its flange sloped): the straight part of the
    // inner flange faces from the toe's rounding (x_toe from the web axis,
    // at y_toe_tapered) to the root fillet's (x_root, at y_root), and the
    // height y_web where the stem's straight face begins.
    double y_toe_tapered, x_toe, x_root, y_root, y_web;
    double mid2, mid3, mid_web;
};

// A catalogue channel: the straight part of its lower inner flange face
// from the toe's rounding (xt, yu) to the root fillet's (xr, yr), the
// height yo of the upper face's toe end, and the height cc where the web's
// straight face begins.
struct Kehlnaht_Channel_Form {
    double xt, yu, yo, xr, yr, cc;
};

// An angle: the middle of the inner face of its vertical leg (a height) and
// of its horizontal leg (an x), where welds 2 and 3 are labelled.
struct Kehlnaht_Angle_Form {
    double y_vertical_leg_mid, x_horizontal_leg_mid;
};

struct Kehlnaht_Geometry {
    int status;                     // KEHLNAHT_BUILT ... KEHLNAHT_NO_EXTENT
    int family;                     // KEHLNAHT_*
    double h, b, t, s, r;           // the record's dimensions
    int catalogue;                  // 1: a catalogue profile found in the catalogue in use
    // Its record's values, mm: the radius of the rounded flange tips (r_2 of
    // the profile file), the distance from the outer face of a flange to
    // where the root fillet meets the web (value 27, see data/README), and
    // the radius of a rolled T's rounded web tip; then its half-section and
    // sloped-flange flags (Read_Profil_End_Form), which choose the form.
    double toe_radius, root_fillet_end, web_tip_radius;
    int k1, k2;
    // A catalogue double-T, tee or channel: its flanges' faces as its
    // record's rolled outline has them (mm); rolled 0 where it gives none.
    // Sloped faces are laid from them.
    int rolled;
    Rolled_Flange_Faces faces;
    double nominal_from_tip;        // where its flanges' nominal thickness holds
    double H, x_min, x_max;         // extents
    int n;                          // points of the outline
    double X[KEHLNAHT_POINTS], Y[KEHLNAHT_POINTS];
    int n_inner;                    // points of the bore (a tube)
    double XI[KEHLNAHT_POINTS], YI[KEHLNAHT_POINTS];
    double cx, cy;                  // added to the points of round shapes
    int line_count;                 // weld lines of the family
    double line[ANSCHLUSS_WELD_POSITIONS][4];  // position p at p - 1: x1, y1, x2, y2
    // First and last outline point of the edges position p (1..8) covers,
    // along the height and along the width; index 0 is never set.
    int height_first[ANSCHLUSS_WELD_POSITIONS + 1], height_last[ANSCHLUSS_WELD_POSITIONS + 1];
    int width_first[ANSCHLUSS_WELD_POSITIONS + 1], width_last[ANSCHLUSS_WELD_POSITIONS + 1];
    double wall[KEHLNAHT_POINTS];   // wall thickness at each outline point, cm (a T by dimensions)
    Kehlnaht_I_Form i;
    Kehlnaht_Tee_Form tee;
    Kehlnaht_Channel_Form channel;
    Kehlnaht_Angle_Form angle;
};

// Works out the geometry of the profile of the record (its first dimension
// set h .. r): family is the record's family code + 1 (KEHLNAHT_*; 0 or
// above 8 give no outline and no weld lines); catalogue 1 with name: a
// catalogue profile, looked up in the catalogue in use (families up to the
// circular tube), its form its record's: flanges that slope (an I's, a
// half beam's, a channel's) as the record's rolled outline has them, their
// weld lines the straight parts of the faces between the toes' roundings
// and the root fillets. Everything not built is zero.
// Returns g->status; a null record or geometry gives
// KEHLNAHT_UNUSABLE_DIMENSIONS (a null geometry is not written). Never
// changes the record.
int Build_Kehlnaht_Geometry(const GeschweissterAnschluss *record, int family, int catalogue, const char *name,
                            Kehlnaht_Geometry *g);

// The centroid (mm, world coordinates) of the section the outline of g
// encloses, less its bore: where the internal forces of the profile act.
// 1 with x, y written; 0 (x, y unchanged) when the outline encloses no area
// or g is null.
int Kehlnaht_Section_Centroid(const Kehlnaht_Geometry *g, double *x, double *y);

#endif
