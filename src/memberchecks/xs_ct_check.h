// c/t check of a steel profile for eight internal forces on its section
// model: the class the section reaches and the c/t utilisations of its
// outstands, internal parts and in total, optionally for the fire case.
#ifndef MEMBERCHECKS_XS_CT_CHECK_H
#define MEMBERCHECKS_XS_CT_CHECK_H

#include <cstdio>

#include "profiles/stahlprofil.h"

// The class limits of the section model under the forces (kN, kNm, kNm2):
// prepares the model and its stresses, then evaluates the utilisations with
// the option word (1: raised class 3 limit; +4: fire case), f_y,
// gamma_M0 and the epsilon factor. limits: outstands for classes 1..3,
// internal parts for classes 1..3, total for classes 1..3. 1 on success, 0
// when they cannot be evaluated. The member-check layer installs it;
// without it the check reports that the limits cannot be evaluated.
typedef int (*XS_Class_Limits_Fn)(const Stahlprofil* profile, const double forces[8], int options, double f_y,
                                  double gamma_M0, double factor, double limits[9]);
// Returns the previous function.
XS_Class_Limits_Fn Set_XS_Class_Limits(XS_Class_Limits_Fn fn);

// switch_raise 0: the class 3 limit is raised for a compression below the
// design strength, else not. fire: fire case with the factor
// (below 0.001 taken as 0.85). target <= 0: utilisations for class 3, else
// class 2. U_ct may be null (set to 0 first); a total utilisation just
// above 1 counts as 1 (Round_Utilisation), as it does for the class named.
// Returns 0, or 1 when the class limits cannot be evaluated.
int Calc_XS_Ct_Check(const Stahlprofil* profile, double gamma_M0, int switch_raise, int fire, double fire_factor,
                     int target, double N, double M_y, double M_z, double V_y, double V_z, double T_t, double T_w,
                     double B, double* U_ct, FILE* file, int level);

#endif
