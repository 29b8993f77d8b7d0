// Bearing resistance of a bolt in a plate after DIN 18800 and small helpers
// of the sizing routines: rounding of a weld throat, the ratio of two edge
// stresses and a utilisation with running maxima.
#ifndef ENDPLATE_BOLT_BEARING_H
#define ENDPLATE_BOLT_BEARING_H

#include "endplate/schraube.h"

// Codes of the bearing check.
enum {
    BEARING_OK = 0,
    BEARING_SHORT_END = 1,         // end distance e1 below 1.2 d_L (also: friction of SLV exceeded)
    BEARING_SHORT_EDGE_2 = 2,      // e2 below 1.2 d_L
    BEARING_SHORT_SPACING = 3,     // e3 below 2.4 d_L
    BEARING_SHORT_SIDE = 4,        // side distance e below 2.2 d_L
    BEARING_DATA_ERROR = 103,      // the data cannot give a resistance
};

// V_l (kN) of the bolt in a plate of the grade and thickness t (cm),
// towards the end edge (direction 1, distance e1) or a side edge (distance
// e), with e2, e3 (cm); preloaded bolts (SLV, GV) in a plate stressed to
// sigma >= 0.999 f/gamma_M get a higher factor, SLV after its friction
// check against the bolt's tension N and the shear V (kN per bolt; V of
// either sign, N only where it pulls). A plate above 40 mm takes the
// grade's f_y for thick plates. Returns the code of short distances (the
// resistance is computed all the same), 1 when the friction of an SLV bolt
// is exceeded (V_l not written), or BEARING_DATA_ERROR after the message
// "Datenfehler !!!" with V_l 0 for a gamma_M outside the plausible range of
// partial factors, a bolt or grade that fails its check, a thickness or
// edge distance e1 (e) not above 0, e2 or e3 below 0, or values that are
// not finite. The factor alpha_l is held within 0 .. 3.0.
int Calc_Bolt_Bearing(const Schraube_Record *bolt, const Stahlsorte_Record *plate, double gamma_M,
                      int direction, double t, double e, double e1, double e2, double e3,
                      double sigma, double N, double V, double *V_l);
// *out = a (mm) rounded up to 0.5 mm, at least 1.5 mm.
void Round_Up_Throat(double a, double *out);
// sigma_ref = the stress of the larger magnitude, psi = the other over it
// within -1..1; both 0 when both are below 0.1 or either is 0. Returns 0.
int Calc_Stress_Ratio(double sigma_1, double sigma_2, double *sigma_ref, double *psi);
// *u = |F / R| (999 for R = 0 with a force); *max_b and *max_a raised to it.
// Returns 0.
int Update_Utilisation(float F, float *u, float R, float *max_a, float *max_b);

#endif
