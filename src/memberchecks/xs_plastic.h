// Plastic cross-section check of a steel profile as a chain of partial
// checks (torsion, shear, shear reduction, axial force, bending with shear
// and axial force), each printed with its formula. For I sections with equal
// flanges, rectangular and circular hollow sections and flat bars.
#ifndef MEMBERCHECKS_XS_PLASTIC_H
#define MEMBERCHECKS_XS_PLASTIC_H

#include <cstdio>

#include "profiles/stahlprofil.h"

// Forces in N, Nmm, Nmm2 (compression negative). check 0: resistances only.
// factor2 nonzero: the c/t utilisation without the raised class 3 limit.
// Outputs (each may be null, all start at 0): overall, plastic (largest
// partial check; -1 when the axial resistance vanishes), U_c/t. Returns 0
// (done or nothing to do) or 2 (check not possible, with its text).
int Calc_XS_Plastic_Check(const Stahlprofil* profile, double gamma_M0, double factor2, int check, double N,
                          double M_y, double M_z, double V_y, double V_z, double T_t, double T_w, double B,
                          double* out1, double* out2, double* out3, FILE* file, int level);

#endif
