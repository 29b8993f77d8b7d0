// Cross-section resistance check of the connected steel profile for one set
// of internal forces: refusals, the elastic check of flat and round bars in
// closed form, or the class-based check on the section model; with its
// print-list text.
#ifndef MEMBERCHECKS_XS_RESISTANCE_H
#define MEMBERCHECKS_XS_RESISTANCE_H

#include <cstdio>

#include "base/schnittkraefte.h"
#include "memberchecks/xs_check_by_class.h"
#include "profiles/stahlprofil.h"

// Result bits.
enum : unsigned {
    XS_CHECK_DONE = 0x100u,
    XS_CHECK_PLASTIC_LIMIT = 0x4000u,
    XS_CHECK_NOT_VERIFIABLE = 0x8000u,  // also a class 4 section: the check has no effective section
    XS_CHECK_GRADE_MISMATCH = 0x80000u,
    // Beside XS_CHECK_NOT_VERIFIABLE: the section is class 4, which the
    // check does not cover; nothing failed.
    XS_CHECK_CLASS_4 = XS_CLASS_4_NOT_COVERED,
    // Beside XS_CHECK_NOT_VERIFIABLE, without XS_CHECK_DONE: a plate that
    // carries shear lies beyond the shear-buckling limit, whose verification
    // the check does not make.
    XS_CHECK_SHEAR_BUCKLING = 0x20000000u,
};

// 1 when gamma_M0 is a factor the check can divide by (as an annex may hold
// it); else 0 after the line that refuses the check, with a file at any
// level.
int XS_Gamma_M0_Usable(double gamma_M0, FILE* file);

// The six forces of a load case, in kN and kNm, as the check's eight: M_x
// is the St. Venant torsion; no warping torsion, no bimoment.
inline XS_Check_Forces XS_Check_Forces_Of(const Schnittkraefte& kn) {
    return {kn.N, kn.M_y, kn.M_z, kn.V_y, kn.V_z, kn.M_x, 0.0, 0.0};
}

// The class-based road: builds the section model of the profile with the
// orientation code, compares the grade's yield strength with the profile's
// (more than 1 N/mm2 apart: XS_CHECK_GRADE_MISMATCH, no text) and runs the
// stress check by class with the ten option words, the check flag, gamma_M0,
// the circular-hollow flag, the forces and the output addresses (each may
// be null). Returns its result bits; 0 when the model cannot be built. The
// member-check layer installs it; without it every profile that needs this
// road is not checked (result 0, no text).
typedef unsigned (*XS_Class_Check_Road)(const Stahlprofil* profile, int orientation, const int options[10],
                                        int check, double gamma_M0, int circular_hollow,
                                        const XS_Check_Forces* forces, double* const outputs[XS_OUTPUTS],
                                        FILE* file, int level);
// Returns the previous road.
XS_Class_Check_Road Set_XS_Class_Check_Road(XS_Class_Check_Road road);

// The request of a cross-section check. ct_options: no-raise flag and
// use-E flag of Classify_Section. check 1: stress check; 0: stresses only.
// mode 0 elastic, 1 plastic, 2 and more class-based.
struct XS_Check_Input {
    double gamma_M0;
    int ct_options[2];
    int check;
    int mode;
    XS_Check_Forces forces;
};

// A partial factor that is no usable factor refuses the check (result 0). A
// plate that carries shear beyond its shear-buckling limit makes the section
// one the check cannot verify, in every mode: its line, and
// XS_CHECK_NOT_VERIFIABLE | XS_CHECK_SHEAR_BUCKLING.
// Flat and round bars have only their elastic check: in modes 1 and above
// they get it after the note that the section cannot be verified
// plastically, with XS_CHECK_PLASTIC_LIMIT set as for a section whose
// plastic check fell back on the elastic one. Fills every field of *result
// (all 0 when nothing was checked). Returns XS_CHECK_* bits; 0 when nothing
// was checked.
unsigned Check_XS_Resistance(const Stahlprofil* profile, const XS_Check_Input* input, XS_Check_Result* result,
                             FILE* file, int level);
// The same with the request and the outputs one by one; an output address
// may be null (XS_OUT_U_CT null: no c/t check).
unsigned Calc_XS_Resistance_Check(const Stahlprofil* profile, double gamma_M0, const int ct_options[2], int check,
                                  int mode, double N, double M_y, double M_z, double V_y, double V_z, double T_t,
                                  double T_w, double B, double* out1, double* out2, double* out3, double* out4,
                                  double* out5, double* out6, double* out7, double* out8, FILE* file, int level);
// For a check that ran without a list and gave `flags` without
// XS_CHECK_DONE: the lines it would have written of the two reasons that
// have one, an unusable gamma_M0 and the plates beyond their shear-buckling
// limit (as at level 0), with the forces as the check counts them. Nothing
// for another reason, a null argument or a check that was done.
void Print_XS_Refusal_Reason(const Stahlprofil* profile, const XS_Check_Input* input, unsigned flags, FILE* file);

// A result index kept for callers that name result files; formatted as
// "_%d".
void Set_XS_Result_Index(int index);
const char* Get_XS_Result_Suffix(void);

#endif
