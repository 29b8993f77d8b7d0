// plastic_shear: the plastic moment resistance of simple section kinds under
// a normal force and a shear force, in closed form, and the utilisation of
// N, V and M together. Keeps no state, calls nothing.
#ifndef THINWALL_PLASTIC_SHEAR_H
#define THINWALL_PLASTIC_SHEAR_H

#include <cstdint>

enum {
    PLAST_KIND_DIN_I = 1,        // s1 A, s2 * s3 shear area, s4 W_pl
    PLAST_KIND_UNEQUAL_I = 2,    // s1, s2 flange areas, s3 A_w, s4 flange distance
    PLAST_KIND_SYMMETRIC_I = 3,  // s1 A, s2 A_w, s3 depth
    PLAST_KIND_TWO_PLATES = 4,   // s1 one shear plate, s2 plate on the axis, s3 width, s6 W_el
    PLAST_KIND_TUBE = 5,         // s1 mean diameter, s2 wall, s6 W_el
};

// values: s1 .. s6, f_y in s5 (the fifth). Results: 0 computed (the flag set
// when U reaches 1 or M_Rd is below |M|); 1 N above N_pl; 2 V above V_pl; 3
// (kind 2) N above N_pl; 4 (kind 5) M above M_pl (kind 1 stops with 2
// above 0.9 V_pl already, where its interaction ends); -1 an unknown kind (U = 0,
// nothing else written). On a stop U = ratio / limit and pair, when given,
// receives both. M_Rd carries the sign of M.
int Calc_Plast_Widerstand_Schub(int32_t unused, double N, double M, double V, const double* values, int kind,
                                double* M_Rd, int32_t* exceeded, double* U, double* pair);

#endif
