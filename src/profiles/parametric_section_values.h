// Section values of profiles given by a few dimensions, in closed form:
// solid rectangles (torsion by the series of the St. Venant solution), the
// simple bar sections the thin-walled model builder takes without a line
// model (flat bar, round bar, T and I of plates, values given in SI units),
// and the parametric shapes I, T, U, rectangular hollow, L, Z, round tube and
// the I with unequal flanges.
//
// Lengths cm, areas cm², second moments and torsion constants cm⁴, section
// moduli cm³. Section moduli carry the sign of their extreme distance: the
// first of a pair belongs to the positive side and is positive, the second
// to the negative side and is negative, as the catalogue values are kept.
// Nothing here keeps state or writes a message.
#ifndef PROFILES_PARAMETRIC_SECTION_VALUES_H
#define PROFILES_PARAMETRIC_SECTION_VALUES_H

#include <cstdint>

enum {
    SIMPLE_SECTION_RESULTS = 17,    // results of Calc_Simple_Section_Values
    PARAMETRIC_BASIC_VALUES = 2,    // option and flag bit: basic values
    PARAMETRIC_TORSION = 4,         // option and flag bit: torsion constant
};

// Kinds of Calc_Simple_Section_Values.
enum {
    SIMPLE_SECTION_RECTANGLE = 1,
    SIMPLE_SECTION_T = 2,
    SIMPLE_SECTION_I = 3,
    SIMPLE_SECTION_CIRCLE = 4,
    SIMPLE_SECTION_SI_VALUES = 99,
};

// Result record of Calc_Parametric_Section_Values (zeroed by every call).
// The model's outline box is centred at the origin, y across, z down the
// height; the first axis is the one the height bends about.
struct Parametric_Section_Values {
    int32_t flags;              // PARAMETRIC_BASIC_VALUES | PARAMETRIC_TORSION as computed
    double width, height;
    double area;
    double y_s, z_s;            // centroid
    double I_T;
    double angle;               // principal-axis angle, radians, within ±π/4
    double I_1, I_2;            // principal second moments
    double W_1_pos, W_1_neg;    // I_1 over its extreme distances in the second axis direction
    double W_2_pos, W_2_neg;    // I_2 over its extreme distances in the first axis direction
    double W_pl_1, W_pl_2;      // not provided by these formulas: stay 0
    double I_w;                 // not provided: stays 0
};

// Torsion constant of a solid a × b rectangle into *I_T (may be null); returns
// the torsion section modulus. Both 0 when a or b is not positive.
double Calc_Rectangle_Torsion(double* I_T, double a, double b);

// Writes the first min(count, 17) results of a simple section of the given
// kind (see the enum; any other kind takes an area and two moduli in SI
// units) and zeros results 17 … count − 1. Nothing for count < 1 or null
// arguments. Always returns 0.
//   r[0] A, r[1] W_T, r[2]/r[3] I_1 over the positive/negative extreme
//   distance, r[4]/r[5] the same for I_2, r[6]/r[7] shear areas, r[8]/r[9]
//   I_1/I_2, r[10] I_T, r[11] 0, r[12] centroid from the reference edge of the
//   first direction, r[13]/r[14] −w/2 and w/2, r[15] 0, r[16] height H.
int Calc_Simple_Section_Values(int kind, const float* values, double* results, int count);

// Basic values (options & 2) and torsion constant (options & 4) of a
// parametric shape of family 1 I, 2 T, 3 U, 4 rectangular hollow, 5 L, 6 Z,
// 7 round tube or 13 I with unequal flanges, from its model values (h, b,
// t_w, t_f for the open shapes and the hollow one; D, -, t for the tube;
// h, t_fo, t_fu, t_w, b_o, b_u for family 13). The record is zeroed first
// when given. Returns 1 for those families, 0 for null arguments and any
// other family.
int Calc_Parametric_Section_Values(int family, const float* values, int options, Parametric_Section_Values* result);

// The same values of a rolled shape of family 1 I, 2 T, 3 U, 5 L, 6 Z or
// 13 I with unequal flanges, from the same model values, whose root
// fillets have the radius r_root and whose toes (the outer corners of its
// flange tips) the radius r_toe: the area, centroid and second moments of
// the exact outline with its fillets and toes (catalogue_outline; the I
// with unequal flanges its plates with the fillets' spandrels), the moduli
// at the sharp outline's extreme corners, and the outline's torsion
// constant as the tables take it (a double-T's with its fillets; the
// other shapes' not above their plates' own sum). Returns 0 (the record
// zeroed) for another family and for dimensions or radii that make no
// outline; the record may be null only then.
int Calc_Rolled_Section_Values(int family, const float* values, double r_root, double r_toe, int options,
                               Parametric_Section_Values* result);

// The same values of a rectangular hollow section h x b (webs t_w, flanges
// t_f) whose outer corners are rounded with r_o and inner ones with r_i:
// the area and second moments of that outline, exact (the corners'
// spandrels with their own second moments), the moduli at the outline
// box's faces, and
// the closed wall's torsion constant on the mid-line rounded with the mean
// radius, with the walls' own St. Venant part. Returns 0 (the record
// zeroed) for walls or radii that make no section; the record may be null
// only then.
int Calc_Rounded_Hollow_Rectangle_Values(double h, double b, double tw, double tf, double r_o, double r_i,
                                         int options, Parametric_Section_Values* result);

// St. Venant's values of a closed rectangular tube h x b, its webs t_w and
// its flanges t_f thick, its corners rounded with r_o outside and r_i
// inside (0: sharp), in any one unit of length: the wall's mid-line, its
// corners rounded with the mean radius (r_o + r_i) / 2, encloses A_m; ds_t
// is the mid-line's integral of ds / t (round the arcs with the mean of the
// two thicknesses); I_T_closed = 4 A_m² / ds_t, Bredt's closed part, and
// I_T that with the walls' own part, the integral of t³ ds / 3 (for equal
// walls the hot-finished tube's I_t = t³ h_p / 3 + 2 K A_p).
// The torque T twists the closed cell and every wall on its own by the same
// angle, so it splits between them by their stiffnesses: the cell's shear
// flow is q = T K / I_T with K = 2 A_m / ds_t, and a wall t thick has at its
// faces q / t and its own St. Venant part T t / I_T, together
// T (K / t + t) / I_T (Closed_Tube_Wall_Shear). W_T = I_T / max(K / t + t)
// over the walls (the arcs' mean thickness lies between them) is the
// modulus of the surface's largest shear stress, for equal walls the
// hot-finished tube's W_t = I_t / (t + K / t). (Bredt's mean flow over the
// thinnest wall, 2 A_m t_min, misses the walls' own part: MSH 140 x 140 x
// 16 had 481.0 cm³ for 393.9.)
// Every road and every print takes a tube's torsion from here. Returns 0
// (*out zeroed) for walls that leave no bore; 0 for null.
struct Closed_Tube_Torsion {
    double A_m, ds_t, I_T_closed, I_T, W_T;
    double K;  // 2 A_m / ds_t
};
int Calc_Closed_Tube_Torsion(double h, double b, double t_w, double t_f, double r_o, double r_i,
                             Closed_Tube_Torsion* out);
// The shear stress per unit torque at the faces of a wall t thick of the
// tube c: (K / t + t) / I_T; 0 for null, a wall not above 0 or a tube
// without I_T.
double Closed_Tube_Wall_Shear(const Closed_Tube_Torsion* c, double t);

// 1 when the second (third) 32-bit word of the record equals value, else 0;
// 0 for a null record.
int Match_Second_Word(const int32_t* record, int32_t value);
int Match_Third_Word(const int32_t* record, int32_t value);

#endif
