// Cross-section class of a steel profile under an axial force and two
// bending moments: which plate parts the profile type has, the stress
// distribution of each (Calc_Alpha_Elastic), the class of each
// (Check_Ct_Part), and the class and largest c/t utilisation of the section,
// with the classification block of the print list.
#ifndef MEMBERCHECKS_SECTION_CLASS_H
#define MEMBERCHECKS_SECTION_CLASS_H

#include <cstdio>

#include "profiles/stahlprofil.h"

// N compression positive (N), moments in Nmm. Returns the section class
// (largest part class), 0 when nothing is checked (kind 2, no compression or
// bending), -1 for an unknown type (outputs then untouched). The part
// classes are 0 where not checked; every output may be null. no_raise set:
// no raised class 3 limit; use_E set: E of the profile's material, else
// 210000. target_class <= 0: no utilisation. heading may be null.
int Classify_Section(const Stahlprofil* profile, double N, double M_y, double M_z, double gamma_M0, int no_raise,
                     int use_E, int* class_top, int* class_bottom, int* class_web, int target_class, double* U_ct,
                     FILE* stream, int level, const char* heading);
// The same with U_ct as computed beside it: U_ct_computed (may be null)
// gets the largest part utilisation before the rule of Round_Utilisation
// counted one just above 1 as 1 (U_ct holds it counted); the lines show it
// as computed.
int Classify_Section_Computed(const Stahlprofil* profile, double N, double M_y, double M_z, double gamma_M0,
                              int no_raise, int use_E, int* class_top, int* class_bottom, int* class_web,
                              int target_class, double* U_ct, double* U_ct_computed, FILE* stream, int level,
                              const char* heading);

// U_c/t of Classify_Section against class 2 (class2 nonzero) or class 3;
// 0 for a negative class2 flag or a kind 2 profile.
double Ct_Utilisation_For_Class(const Stahlprofil* profile, int class2, double N, double M_y, double M_z,
                                double gamma_M0, int no_raise, int use_E, FILE* stream, int level);

#endif
