// What the modules of the DIN 18800 check of the welded connection share:
// the design strengths of the profile and of the welds, the normal force
// the welds carry, and the input-error status. Not for other modules.
#ifndef WELDCHECK_DIN_INTERNAL_H
#define WELDCHECK_DIN_INTERNAL_H

#include "profiles/geschweisster_anschluss.h"

// Design strengths in N/mm².
struct Din_Strengths {
    double f_y;           // f_y,k of the profile for its governing thickness
    double sigma_R_d;     // f_y / gamma_M
    double tau_R_d;       // sigma_R_d / sqrt 3
    double f_y_plate;     // f_y,k of the end plate for its thickness
    double alpha_w;       // of the weaker of the two joined parts
    double sigma_w_R_d;   // alpha_w f_y,k / gamma_M of the weaker part
    int usable;           // 0: a strength or gamma_M is no positive number
};

// The governing thickness (mm) of the profile of family T = 1..8 for its
// yield strength: the larger of flange and web, the wall of a tube, the
// thickness of a flat bar, the diameter of a round bar; from the record's
// working dimensions.
double Din_Governing_Thickness(const GeschweissterAnschluss *r, int T);

// The strengths of the record for the profile's governing thickness t.
// Stores f_y of the profile and of the plate and alpha_w into the record.
Din_Strengths Din_Get_Strengths(GeschweissterAnschluss *r, double t);

// The normal force the welds carry (kN): a compressive N less the share
// that passes by contact, a tensile N in full.
double Din_Weld_Normal_Force(const GeschweissterAnschluss *r);

// Sets the input-error word of Kehlnaht_Status.
void Din_Input_Error(void);

// Every result the block shows (and the working dimensions) a number: a
// value that is none becomes 0. 1 when one was changed.
int Din_Sanitize_Results(GeschweissterAnschluss *r);

// Torsion of the welds and of the profile in kNcm (100 M_x).
double Din_Torsion_kNcm(const GeschweissterAnschluss *r);

// ---- weld sections and weld checks by profile family --------------------------

// Section values of the profile and of its weld ring or sides into the
// record: circular tube, flat bar, round bar.
void Calc_Tube_Weld_Section(GeschweissterAnschluss *record);
void Calc_Flat_Section(GeschweissterAnschluss *record);
void Calc_Round_Section(GeschweissterAnschluss *record);

// Stresses and utilisations of the profile (tube, flat and round bar) and
// of the welds with throat a (mm, for the ring and the all-round weld)
// against the strengths s (usable); the three weld utilisations (normal
// stress, shear stress, comparison value) into U_w. The record's U_w fields
// and stresses are written too.
void Check_Tube(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                double *U_w3);
void Check_Flat(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                double *U_w3);
void Check_Round(GeschweissterAnschluss *record, const Din_Strengths &s, double a, double *U_w1, double *U_w2,
                 double *U_w3);
// The weld lines of the I family, rectangular tube, channel, T and angle
// (welds by position or one weld all round along the outline of n nodes,
// cm); roles[k] of position k + 1: 1 takes V_z, 2 takes V_y, 0 neither.
// Stores the section values of the weld group into the record, then
// U_w1..U_w3 into out[0..2]; a is the throat of an all-round weld, T the
// family 1..5. Applies the detailing rule of the throats.
void Check_Weld_Lines(GeschweissterAnschluss *record, const Din_Strengths &s, int n, const double *y,
                      const double *z, const int *roles, double *out, double a, int T);

// The positions' roles of family T = 1..5 (null for any other).
const int *Din_Weld_Roles(int T);

#endif
