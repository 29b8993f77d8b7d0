// xs_check_by_class: the cross-section check of a profile that stands in the
// section library's record, by the member design check run once (spatial,
// EN 1993-1-1), with its print-list text.
#ifndef MEMBERCHECKS_XS_CHECK_BY_CLASS_H
#define MEMBERCHECKS_XS_CHECK_BY_CLASS_H

#include <cstdint>
#include <cstdio>

#include "profiles/profilquerschnitt.h"

// The eight internal forces of a cross-section check: N [kN], M_y, M_z
// [kNm], V_y, V_z [kN], T_t, T_w [kNm], B [kNm²]; compression negative.
struct XS_Check_Forces {
    double N, M_y, M_z, V_y, V_z, T_t, T_w, B;
};

// What a cross-section check returns besides its bits.
struct XS_Check_Result {
    double U_total;              // overall utilisation
    double U_sigma;              // stresses
    double U_ct;                 // c/t, all parts
    double sigma_max, sigma_min; // the larger and the smaller extreme normal stress [N/mm²]
    double tau, sigma_v;         // shear and comparison stress [N/mm²]
    double M_pl;                 // plastic limit moment M_pl,N,Q [kNm]
    // U_sigma and U_c/t as computed, where the rule of Round_Utilisation
    // counted a value just above 1 as 1 (U_sigma, U_ct hold it counted);
    // read only beside a U of 1 (Utilisation_As_Computed): a check that does not
    // fill them leaves its counted values standing.
    double U_sigma_computed, U_ct_computed;
};

// The output addresses of the checks in the order of their positional
// forms; a null address is an output not asked for, which for U_sigma and
// U_c/t also leaves that check out of the result.
enum {
    XS_OUT_TOTAL,
    XS_OUT_U_SIGMA,
    XS_OUT_U_CT,
    XS_OUT_SIGMA_MAX,
    XS_OUT_SIGMA_MIN,
    XS_OUT_TAU,
    XS_OUT_SIGMA_V,
    XS_OUT_M_PL,
    XS_OUT_U_SIGMA_COMPUTED,  // not in the positional forms (which pass 8)
    XS_OUT_U_CT_COMPUTED,
    XS_OUTPUTS,
};
// A section beyond the class 3 limits needs the effective section, which
// the checks here do not form: they print this line in place of the
// utilisation of their gross-section stresses, and add the bit of a section
// that cannot be verified (0x8000) to their result together with
// XS_CLASS_4_NOT_COVERED, which tells this case from a section the member
// check itself could not verify.
void Print_Class_4_Not_Covered(FILE* file);
enum : uint32_t { XS_CLASS_4_NOT_COVERED = 0x40000000u };
// A section with no plastic check of its own, asked for one, is checked
// elastically: this line says so, as a note and not as a fault.
void Print_Elastic_Only_Note(FILE* file);

// The addresses of every field of *result, in that order.
void XS_Result_Addresses(XS_Check_Result* result, double* out[XS_OUTPUTS]);

// options: word 0 mode (<= 0 elastic, >= 1 plastic), 1 normal-stress check,
// 2 shear-stress check, 9 c/t check; check 1 stress check, 0 stresses only;
// level 0 summary, 1 short, >= 2 full text. Returns the member check's
// result bits; 0 when the check was not carried out. The outputs not asked
// for are not written.
uint32_t Check_XS_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                           int circular_hollow, const XS_Check_Forces* forces, double* const out[XS_OUTPUTS],
                           FILE* file, int level);
// The same with the forces and the output addresses one by one.
uint32_t Calc_XS_Check_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                                int circular_hollow, double N, double M_y, double M_z, double V_y, double V_z,
                                double T_t, double T_w, double B, double* out1, double* out2, double* out3,
                                double* out4, double* out5, double* out6, double* out7, double* out8, FILE* file,
                                int level);

#endif
