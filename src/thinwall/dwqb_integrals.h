// dwqb_integrals: area integrals of lines, plates and outlines, and the section
// values built from them: centroid, second moments, principal axes, extents,
// elastic moduli, Wagner values, stress coefficients at a point and the plastic
// neutral axes with the plastic moduli. Quotients with a zero divisor give 0.
#ifndef THINWALL_DWQB_INTEGRALS_H
#define THINWALL_DWQB_INTEGRALS_H

#include "thinwall/dwqb.h"

// DWQB_Grundwerte layout (14 values): A, y_s, z_s, integral of y, of z, of
// z^2, y^2, yz about the origin, I_y, I_z, I_yz about the centroid, alpha,
// I_xi, I_eta.
enum { DWQB_GRUNDWERTE = 14, DWQB_GESAMTWERTE = 38 };

int Calc_DWQB_Grundwerte(const DWQB_Teil_Summen* sums, double* out);
// DWQB_Gesamtwerte layout (38 values); values 26 to 37 stay 0 here.
int Calc_DWQB_Teil_Werte(const DWQB_Teil_Summen* sums, double* out);

// Whole model: second moments about the origin and the centroid (exact plate
// rectangles in exact mode), principal axes, node principal coordinates
// (kept in each node's work values 0 and 1), extents, moduli, Wagner values.
// Sets status 5 when a principal moment is below 1e-4. Uses the working area
// and centroid of the calculation.
void Calc_DWQB_Section_Integrals(void);
// Plastic neutral axes (y = const, then z = const) by a bracketed regula
// falsi from the start values, and the plastic moduli about z (position 35)
// and about y (position 34).
void Calc_DWQB_Plastic_Values(double a, double y_start, double z_start);

// Symmetric 2 x 2 matrix (a, b; c): when one principal value is below 1e-6
// of the other it is raised to that size, the matrix rebuilt on the same
// axes, d = 1/(l1 l2) and the result 0. Else d = 1/(l1 l2) for a positive
// product (else the product itself), matrix untouched, result 1.
int Regularize_DWQB_Inertia(double* a, double* b, double* c, double* d);

// Integrals of the piece of a segment from -1 to s: area, integral of y and
// of z, of y^2, z^2 and yz about the origin (the plate's own second moment
// across its thickness left out). Any output may be null.
void Calc_DWQB_Segment_Integrals(const DWQB_Segment_Geometrie* geo, double* a, double* sy, double* sz,
                                 double s, double* syy, double* szz, double* syz);
void Calc_DWQB_Geometry_Point(const DWQB_Segment_Geometrie* geo, double* y, double* z, double s);
// Exact integrals of z^2, y^2 and yz over a straight plate of thickness t
// from (y1, z1) to (y2, z2).
void Calc_DWQB_Rectangle_Integrals(double* out, double y1, double y2, double z1, double z2, double t);
// Contribution of one straight edge to the area integral of y^p z^q
// (counter-clockwise outlines positive), p, q from 0 to 3.
double Calc_DWQB_Edge_Moment(int p, int q, double y1, double z1, double y2, double z2);
// Adds the ten moments (0,0) (1,0) (0,1) (2,0) (1,1) (0,2) (3,0) (2,1) (1,2)
// (0,3) of an edge into out[0..9] and keeps its extents in out[10..13]
// (y_min, y_max, z_min, z_max); a set first flag starts the extents.
void Add_DWQB_Edge_Moments(double* out, int first, double y1, double z1, double y2, double z2);
// Normal-stress coefficients at (y, z): 1/A, eta/I_xi, -xi/I_eta from the
// current section values. Returns 1.
int Calc_DWQB_Point_Coefficients(double* out, double y, double z);


// ---- Piece callbacks -------------------------------------------------------
// Each receives one piece of an outline or centre line, from (y1, z1) at line
// parameter s1 to (y2, z2) at s2, and its context; non-zero goes on.

struct DWQB_Edge_Moments {
    double m[14];                // ten moments, then y_min, y_max, z_min, z_max
    int first;                   // set before the first piece
};
int Add_DWQB_Edge_Moments_Callback(double y1, double z1, double y2, double z2, double s1, double s2, void* context);
// Adds the piece's length to the double in context.
int Add_DWQB_Chord_Length(double y1, double z1, double y2, double z2, double s1, double s2, void* context);

struct DWQB_Extents {
    int first;                   // set before the first point
    double y_min, y_max, z_min, z_max;
};
void Add_DWQB_Extents(DWQB_Extents* extents, double y, double z);
int Add_DWQB_Extents_Callback(double y1, double z1, double y2, double z2, double s1, double s2, void* context);

// Area and first moments of the pieces of one shear line, with a message when
// a piece does not start where the previous one ended.
struct DWQB_Line_Shear_Constants {
    int number;                  // line number and value, for the message
    double value;
    double sums[3];              // area, first moment in y, in z
    int pieces;
    double y_prev, z_prev, s_prev;
};
int Apply_Init_Line_Shear_Constants(double y1, double z1, double y2, double z2, double s1, double s2, void* context);

// Passes on only what of each piece lies at or below the line parameter
// bound (a crossing piece cut by linear interpolation), and notes whether
// pieces lay below, were cut or lay above.
struct DWQB_Piece_Clip {
    double bound;
    int below, cut, above;
    int (*callback)(double y1, double z1, double y2, double z2, double s1, double s2, void* context);
    void* context;
};
int Clip_DWQB_Piece(double y1, double z1, double y2, double z2, double s1, double s2, void* context);

// ---- Exact outline values of a part --------------------------------------

// Accumulator of the outline walk of a part: per point the stress per unit
// M_y and per unit M_z (s_y = (I_z dz - I_yz dy)/det, s_z = (I_yz dz -
// I_y dy)/det from the centroid) and the principal coordinates xi, eta; the
// first point sets the extremes.
struct DWQB_Outline_Extremes {
    double y_s, z_s, i_y, i_z, i_yz, alpha;
    int first;
    double min[4], max[4];    // s_y, s_z, xi, eta
};
// Visits the points of every active outline segment of every line of the
// part, recursing into parts: straight segments by their end points, curved
// ones in twice their subdivision count of pieces.
void Walk_DWQB_Teil_Outline(DWQB_Teil* part, DWQB_Outline_Extremes* extremes);
// Calc_DWQB_Teil_Werte, then from the part's outline the biaxial moduli
// (values 26 to 29), the principal extents (30 to 33) and the principal
// moduli (34 to 37). Returns 0.
int Calc_DWQB_Teil_Werte_Exakt(DWQB_Teil* part, const DWQB_Teil_Summen* sums, double* out);

// ---- Part sums and part values -------------------------------------------

// Adds the sums of the members into a part (members that are parts summed
// first): set 1 leaves out line results of kind 2, set 2 and the torsion
// terms take every member; the first member with set 1 sets the extents.
void Sum_DWQB_Teil(DWQB_Teil* part);
// The same for the warping sums and the extreme warping ordinates.
void Sum_DWQB_Teil_Torsion(DWQB_Teil* part);

// Part callbacks of the result walks. The first fills the DWQB_Gesamtwerte
// record (38 values) in context from the part's set 1 and clears the work
// values of every node; returns 1.
int Calc_DWQB_Teil_Werte_Callback(DWQB_Teil* part, void* context);
// Values of a part referred to a given point (y_p, z_p): the record's
// principal angle is that of set 2 and its three centroidal second moments
// are taken about the point; the set-2 centroid and principal values go
// beside it. Returns 1.
struct DWQB_Bezugswerte {
    double werte[DWQB_GESAMTWERTE];
    double y_p, z_p;             // the reference point (given)
    double y_s, z_s, i_1, i_2;   // centroid and principal values of set 2
};
int Calc_DWQB_Teil_Werte_Bezug_Callback(DWQB_Teil* part, void* context);

#endif
