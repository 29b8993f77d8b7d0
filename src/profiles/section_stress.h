// section_stress: stresses of the current section model at its stress
// points, their extremes, the end stresses of its plate parts and the c/t
// utilisations of those parts for the three cross-section classes.
//
// The stress points are the line values the model builder transferred
// (33 per line, then a point at each sloped flange's root); the per-unit
// stresses are those of the engine. Units of the
// model: lengths cm, forces kN, moments kNcm, stresses kN/cm². Only
// Get_Section_Point hands stresses out in N/mm² (times 10).
//
// Forces of the stress services, in this order: N, V_y, V_z, M_x (primary
// torsion), M_y, M_z, M_w (secondary torsion), B; kN, kNcm, kNcm².
#ifndef PROFILES_SECTION_STRESS_H
#define PROFILES_SECTION_STRESS_H

#include <cstdint>

// Results of the last evaluation (kN/cm²) with the stress point index where
// each was first reached (-1 when there were no points).
struct Section_Stress_Extremes {
    double sigma_min, sigma_max, tau_min, tau_max, sv_min, sv_max;
    double sigma_abs, tau_abs, sv_abs;
    int32_t i_sigma_min, i_sigma_max, i_tau_min, i_tau_max, i_sv_min, i_sv_max;
    int32_t i_sigma_abs, i_tau_abs, i_sv_abs;
};
extern Section_Stress_Extremes Profil_DWQB_Extremes;

int Calc_Section_Stress_Extremes(double N, double V_y, double V_z, double M_x, double M_y, double M_z, double M_w,
                                 double B);
int Calc_Section_Stress_Extremes_7(double N, double V_y, double V_z, double M_x, double M_y, double M_z, double B);
// Transforms the forces in place by kind (0 none, 1 and 3 as they are, 2
// rotated by angle into the principal axes, 5 resultant shear, 6 rotated
// and resultant shear, 7 resultant bending and shear); returns 1.
int Rotate_Forces_To_Section(double* N, double* V_y, double* V_z, double* M_x, double* M_y, double* M_z, double* M_w,
                             double* B, double angle, int kind);
// Number of stress points of the standing model.
int Get_Section_Point_Count(void);
// Coordinates (cm, relative to the centroid) and the stresses of the last
// evaluation at point i (kN/cm²); 0 for an index without a point.
int Get_Section_Point_Stress(int i, double* y, double* z, double* sigma, double* tau, double* sigma_v);
// Plate part i: its c/t code (-2 none or out of range) with max(c/t, 1) and
// the stresses at its two ends in N/mm². Any output may be null.
int Get_Section_Point(int i, double* factor, double* sigma_a, double* sigma_b);
int Get_Section_Part_Count(void);
// The two ends of plate part i, where its c ends (the points whose
// stresses Get_Section_Point gives, on the plate's centre line):
// coordinates relative to the centroid in cm, y[0], z[0] the end of
// sigma_a. Returns the part's c/t code, CT_NO_PART (nothing written) for an
// index without a part.
int Get_Section_Part_Ends(int i, double y[2], double z[2]);
// The thickness of plate part i (cm; of a tapered plate its mean), the t of
// its c/t; 0 for an index without a part.
double Get_Section_Part_Thickness(int i);
double Get_Section_Part_Ratio(int i);
// When the standing model is an angle: its two leg ratios (h/t, b/t), the
// axial stress N/A of the last evaluation and its smallest and largest
// stress over all stress points (N/mm², tension positive), and 1; else 0
// and zeros. Any output may be null.
int Get_Section_Angle(double legs[2], double* sigma_axial, double* sigma_min, double* sigma_max);

// Shift between two reference points (y, z of each) and rotation by angle,
// in the two orders; forces in place as above. Each returns 0.
int Transform_Forces_Shift_Rotate(const double* from, const double* to, double eccentricity, double angle,
                                  double* forces);
int Transform_Forces_Rotate_Shift(const double* from, const double* to, double eccentricity, double angle,
                                  double* forces);

// c/t utilisations of all parts. Code low half 1: EN 1993-1-1, else the
// DIN 18800 rules. Flags: 1 raise epsilon below the design strength (EN:
// the class 3 limit only), 2 alpha = 1 without its rule, 4 multiply epsilon
// by factor, 8 (EN) the class 1 and 2 limits take alpha from the plastic
// stress distribution: the end stresses plastic_ends of each part. The
// class 3 limit always takes psi from the elastic stresses. Each part takes
// epsilon from its own yield strength where part_f_y gives one (the design
// strength of the raised class 3 limit in proportion). An angle in
// compression adds the two conditions of the angle rule (Calc_Ct_Winkel)
// to its outstands under EN 1993-1-1, with the higher strength of its legs.
enum { SECTION_CLASS_PLASTIC = 0x8 };
struct Section_Class_Request {
    int32_t code;
    int32_t flags;
    double f_y;          // N/mm²
    double divisor;      // > 0: design strength f_y / divisor
    double factor;
    const void* store;   // null: the standing model
    // Per part of the standing model (part_count entries; null: none): the
    // yield strength of the part's own thickness (N/mm², 0: f_y), and the
    // end stresses of the plastic distribution (N/mm², tension positive,
    // in the order of Get_Section_Point), read with SECTION_CLASS_PLASTIC.
    int32_t part_count;
    const double* part_f_y;
    const double (*plastic_ends)[2];
};
// U_1..U_3 of outstands, of internal and round parts, overall maxima.
struct Section_Class_Result {
    double outstand[3], internal[3], overall[3];
};
int Calc_Section_Class_Limits(const Section_Class_Request* request, Section_Class_Result* result);

// One part: limits and utilisations in seven doubles (l_1, l_2, l_3, U_1,
// U_2, U_3, epsilon); without compression the limits 1, -1000, 0 and
// epsilon 1.
struct Section_Part_Request {
    int32_t code, flags, part_code;
    double f_y, divisor, sigma_a, sigma_b, factor, ratio;
};
int Calc_Part_Class_Limits(const Section_Part_Request* request, double* result);

// Lets the c/t classification of the thin-walled layer see the parts of the
// standing model.
void Install_Section_Part_Services(void);

#endif
