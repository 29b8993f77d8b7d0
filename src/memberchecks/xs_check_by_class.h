// xs_check_by_class: the cross-section check of a profile that stands in the
// section library's record, by the member design check run once (spatial,
// EN 1993-1-1), with its print-list text.
//
// Forces, in this order and unit: N [kN], M_y, M_z [kNm], V_y, V_z [kN],
// T_t, T_w [kNm], B [kNm²]. Outputs (each may be null): 1 total
// utilisation, 2 U_sigma, 3 U_c/t, 4 larger and 5 smaller extreme normal
// stress, 6 shear stress, 7 comparison stress [N/mm²], 8 plastic limit
// moment [kNm].
#ifndef MEMBERCHECKS_XS_CHECK_BY_CLASS_H
#define MEMBERCHECKS_XS_CHECK_BY_CLASS_H

#include <cstdint>
#include <cstdio>

#include "profiles/profilquerschnitt.h"

// options: word 0 mode (<= 0 elastic, >= 1 plastic), 1 normal-stress check,
// 2 shear-stress check, 9 c/t check; check 1 stress check, 0 stresses only;
// level 0 summary, 1 short, >= 2 full text. Returns the member check's
// result bits; 0 when the check was not carried out.
uint32_t Calc_XS_Check_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                                int circular_hollow, double N, double M_y, double M_z, double V_y, double V_z,
                                double T_t, double T_w, double B, double* out1, double* out2, double* out3,
                                double* out4, double* out5, double* out6, double* out7, double* out8, FILE* file,
                                int level);

#endif
