// dwqb_point: what callers read from a section computed by the several-part
// calculation: the section values in one record, the unit-stress
// coefficients of a point of a plate, the stresses of such a point for given
// internal forces, the values along a line and extreme values over the
// lines. Nothing here changes the model.
//
// Coordinate kinds of a given point: 0 the model's axes, 1 relative to the
// centroid, 2 relative to the shear centre. Angle kinds: 1 measured from the
// first principal axis, else from the y axis.
#ifndef THINWALL_DWQB_POINT_H
#define THINWALL_DWQB_POINT_H

#include <cstdint>

#include "thinwall/dwqb.h"

// Section values: the part count, the cell count, then 85 values W0 .. W84
// (extents, perimeters, A, centroid, second moments, radii of gyration,
// moduli, shear centre, warping and torsion constants, shear areas, q).
struct DWQB_Werte {
    int32_t n_parts;
    int32_t n_cells;
    double w[85];
};
// 1; 0 with the record zeroed without a record, a current part or the
// summary records.
int Get_DWQB_Section_Values(DWQB_Werte* out);

// Unit-stress coefficients of a point of a plate. The internal forces, in
// this order, are N, M_1, M_2 (moments about the force axes), V_1, V_2,
// M_x (primary torsion), the bimoment and the warping torsion moment;
// c[k] is the stress per unit of force k (normal for 0, 1, 2, 6; shear for
// 3, 4, 5, 7).
enum : int32_t { DWQB_PUNKT_NO_NORMAL = 0x1, DWQB_PUNKT_NO_SHEAR = 0x2, DWQB_PUNKT_NO_WARPING = 0x4 };
struct DWQB_Punkt {
    int32_t flags;
    int32_t line;
    double y, z;                  // the point, model axes
    double xi, eta;               // along the line, across the thickness
    double ref_y, ref_z;          // point of action of N and the moments, as given
    double angle;                 // angle of the force axes, as given
    double pole_y, pole_z;        // pole of the sectorial coordinate, as given
    double ref_model_y, ref_model_z;
    double pole_model_y, pole_model_z;
    double t, inv_t;
    double omega;
    double c[8];
    int32_t ref_kind, angle_kind, pole_kind;
};
// 1; 0 for a null record or a line number no line has.
int Calc_DWQB_Strain_State(int line, double y, double z, int flags, int ref_kind, double ref_y, double ref_z,
                           int angle_kind, double angle, int pole_kind, double pole_y, double pole_z, DWQB_Punkt* out);
// sigma, tau and sqrt(sigma^2 + 3 tau^2) for the eight internal forces in
// the order of DWQB_Punkt. 1; 0 with out zeroed for a null argument.
int Calc_Line_Stress(const DWQB_Punkt* point, const double* forces, double* out);
// Normal stress per unit N, M_1, M_2 at (y, z) for forces acting at the
// reference point along the force axes. 1 (zeros without summary records);
// 0 for a null out.
int Calc_DWQB_Axial_Coefficients(double y, double z, int ref_kind, double ref_y, double ref_z, int angle_kind,
                                 double angle, double* out);
// A point of the given kind in the model's axes: 1 for kinds 0, 1, 2, else 0
// (the point passed through).
int Transform_DWQB_Point(int kind, double y, double z, double* out_y, double* out_z);
int Transform_DWQB_Angle(int angle_kind, double angle, double* out);

// Values along a line at xi (five each): flows, stresses, warping about a
// reference point, warping per unit bimoment. 1; 0 for a null argument.
int Calc_DWQB_Line_Shear_Flow(const DWQB_Linie* line, double xi, int angle_kind, double angle, double* out);
int Calc_DWQB_Line_Shear_Stress(const DWQB_Linie* line, double xi, int angle_kind, double angle, double* out);
int Calc_DWQB_Line_Warping(const DWQB_Linie* line, double xi, int ref_kind, double ref_y, double ref_z, double* out);
int Calc_DWQB_Line_Warping_M(const DWQB_Linie* line, double xi, int w1, int w2, int w3, int w4, int w5, double* out);

// Extremes over one line (by number) or over all (line 0). Returns 1.
int Walk_DWQB_Line_Extremes(int line, double dy, double dz, int ref_kind, double theta, double* min3, double* max3);
int Walk_DWQB_Flow_Extremes(int line, double angle, int n, double* min5, double* max5);
int Walk_DWQB_Flow_Extremes_Abs(int line, double angle, int n, double* min5, double* max5);
int Walk_DWQB_Stress_Extremes(int line, double y0, double z0, int n, double* min5, double* max5);
int Walk_DWQB_Stress_Extremes_Abs(int line, double y0, double z0, int n, double* min5, double* max5);

#endif
