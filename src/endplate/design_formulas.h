// Design formulas of the connection library after DIN 18800: buckling
// reduction by buckling curve, the choice of buckling curves for a profile,
// lateral-torsional reduction, the shear resistance of a bolt, and two
// small helpers.
#ifndef ENDPLATE_DESIGN_FORMULAS_H
#define ENDPLATE_DESIGN_FORMULAS_H

#include "endplate/schraube.h"

// Buckling curves a, b, c, d.
enum { CURVE_A = 0, CURVE_B = 1, CURVE_C = 2, CURVE_D = 3 };

// chi of the curve (imperfection 0.21, 0.34, 0.49, 0.76) at the relative
// slenderness lambda: 1 up to 0.2, the curve up to 3.0, 1 / (lambda
// (lambda + alpha)) beyond; extra is added inside phi. A curve outside 0..3
// counts as curve d; a chi that is not a finite number gives 0. Returns 0.
int Calc_Buckling_Chi(int curve, double lambda, double extra, double *chi);
// The three buckling curves of a profile by its code (1 rolled I section,
// negative: welded; 2..4; 6, 7) and h, b, t (cm); other codes leave them.
int Select_Buckling_Curves(int code, double h, double b, double t, int *curve_1, int *curve_2,
                           int *curve_3);
// kappa_M = 1 up to lambda_M 0.4, else (1 / (1 + lambda_M^2n))^(1/n); the
// four ints are not read. An n that is not above 0 gives 0. Returns 0.
int Calc_LTB_Kappa_M(double n, double lambda_M, int unused_1, int unused_2, int unused_3,
                     int unused_4, double *kappa_M);
// V_R (kN) of a bolt in `planes` shear planes: alpha_a 0.55 (10.9) or 0.6
// times 0.1 f_u,b times the area of the hole (fitted bolt) or shank
// diameter, over gamma_M. A bolt that fails its check or no shear plane
// give 0; so does a gamma_M outside the plausible range of partial factors,
// after the message "Datenfehler !!!" that names it. Returns 0.
int Calc_Bolt_Shear_Resistance(const Schraube_Record *bolt, double gamma_M, int planes, double *V_R);
// The largest of six magnitudes.
double Max_Abs6(double a, double b, double c, double d, double e, double f);
// x rounded up to a tenth (a value within 0.001 above a tenth stays it);
// values beyond 10^8 or not finite are returned as they are.
double Round_Up_Tenth(double x);

#endif
