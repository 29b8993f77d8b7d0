// catalogue_outline: the outline of a catalogue record's family, worked out
// from its dimensions, and the section values it has.
//
// An outline is a set of polygons (material counter-clockwise, holes
// clockwise) whose corners are rounded with the record's radii, so that
// fillets at sloped flanges are true circles tangent to both faces; tubes,
// elliptical hollow sections, flat and round bars have closed forms. Area,
// centroid and second moments are exact integrals, the plastic moduli come
// from the axis that halves the area, the extreme fibres are the outline's
// own points; the torsion and warping constants are the closed forms that
// the published tables follow within a band of each family (how far is the
// business of catalogue_bands.h).
//
// Units are those of the records: cm, cm², cm³, cm⁴, cm⁶. Pure functions, no
// state.
#ifndef PROFILES_CATALOGUE_OUTLINE_H
#define PROFILES_CATALOGUE_OUTLINE_H

#include <vector>

// What the outline of a record needs. For angles t_w is the thickness of
// the leg h and t_f that of the leg b; for hollow sections t_w is the side
// walls' thickness and t_f that of the top and bottom; for tubes t_w is the
// wall and h the diameter; for round bars h is the diameter; for flat bars h
// is the thickness and b the width; for zeds b is the width from tip to
// tip, each flange (b + t_w) / 2 wide, the upper one to the left.
struct Catalogue_Outline {
    char letter;             // 'D', 'T', 'U', 'L', 'R', 'K', 'Z', 'E', 'F', 'O'
    double h, b, t_w, t_f;
    double r_1, r_2;         // root and toe radius; hollow sections: outside and inside corner
    double slope;            // rise of a sloped inner flange face per unit run; 0 for parallel flanges
    double nominal_from_tip; // distance from the flange tip at which t_f holds
};

// The values of a section that a record gives, as its outline has them. The
// profile stands upright as the catalogue draws it (y to the right, z up).
// Where honest tables differ by their method (the extreme fibre at the
// sharp corner or on the rounded toe, the producers' or the design tables'
// fillet term of a double-T's torsion constant), a value is a range
// {least, most}. The torsion and warping constants are the closed forms as
// such; how far the tables lie from them is the judgement's business.
struct Catalogue_Section {
    double A;
    double e_y, e_z;        // centroid from the left and from the bottom edge
    double I_y, I_z;        // about the horizontal and the vertical centroidal axis
    double tan_alpha;       // angle of the major principal axis from y; 0 where y and z are principal
    double I_1, I_2;        // about the first and second principal axis (I_y and I_z where those are)
    double W_1_top[2], W_1_bottom[2], W_2_left[2], W_2_right[2];  // elastic moduli at the extreme fibres
    double W_pl_y, W_pl_z;  // plastic moduli about the horizontal and the vertical axis
    double I_t[2], I_w[2];  // torsion and warping constant
    double I_t_thin;        // open sections: the thin-walled sum of the plates without fillets that the
                            // profile file holds where no table gives I_t; 0 where it has none
    double I_w_plates;      // double-T, channels and zeds: the thin-walled closed form of parallel flanges
                            // of nominal thickness (double-T as I_w); 0 for the others
};

// The section of the outline. 1 when worked out; 0 when the family has no
// outline here or the dimensions make none (a dimension not above 0, a web
// not narrower than the flange, walls that meet, a radius that does not fit).
int Catalogue_Outline_Section(const Catalogue_Outline* outline, Catalogue_Section* section);
// The same, only A, I_y and I_z.
int Catalogue_Outline_Values(const Catalogue_Outline* outline, double* A, double* I_y, double* I_z);

// A corner of an outline polygon, and a closed polygon (its first point not
// repeated at the end).
struct Outline_Point {
    double y, z;
};
using Outline_Ring = std::vector<Outline_Point>;

// The polygons of the outline, standing as Catalogue_Section has it, with
// the material left of every ring (outer contours counter-clockwise, holes
// clockwise). A rounded corner becomes arc_steps straight pieces per quarter
// circle that stay within the material: chords where the circle's inside is
// material (a rounded tip, an outer corner), tangents where it is void (a
// root fillet, a hollow section's inner corner), so that the polygons never
// hold more than the outline. 1 when built; 0 (rings empty) for the
// families with a closed form (tubes, elliptical hollow sections, flat and
// round bars) and for dimensions that make no outline.
int Catalogue_Outline_Polygons(const Catalogue_Outline* outline, int arc_steps, std::vector<Outline_Ring>* rings);

// The family letters of the catalogue: double-T, tee, channel, angle,
// rectangular hollow section, tube, zed, elliptical hollow section, flat and
// round bar. A record with another letter cannot be judged and is damaged.
constexpr char CATALOGUE_FAMILY_LETTERS[] = "DTULRKZEFO";
// 1 when letter is one of them, else 0 (also for NUL).
int Is_Catalogue_Family_Letter(char letter);

namespace catalogue {

// Highest slope of an inner flange face the catalogues hold (the American
// channels' and beams' 1:6), with room for rounding.
constexpr double MAX_SLOPE = 0.2;
// The families whose inner flange faces may slope: double-T, tee and
// channel. False for NUL.
constexpr bool Flanges_May_Slope(char letter) { return letter == 'D' || letter == 'T' || letter == 'U'; }

// The dimension of an outline that makes none (DIM_NONE: it is made;
// DIM_FAMILY: the letter is of no family).
enum Bad_Dimension { DIM_NONE = -1, DIM_H, DIM_B, DIM_TW, DIM_TF, DIM_R1, DIM_R2, DIM_SLOPE, DIM_FAMILY };

// The section of an outline, as Catalogue_Outline_Section has it; with
// moments_only just its area, centroid, second moments and thin-walled
// torsion sum (the moduli and the warping constant left 0), which costs a
// fraction of the whole. DIM_NONE when worked out, else the first
// dimension that makes no outline (*section then undefined).
Bad_Dimension Outline_Section(const Catalogue_Outline& outline, Catalogue_Section* section, bool moments_only = false);

}  // namespace catalogue

#endif
