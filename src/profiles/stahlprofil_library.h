// stahlprofil_library: the weld program's steel profile handed to the
// section library - its material as a grade handle of the library's grade
// tables, its shape as the library's single global cross-section record,
// and the thin-walled model of that record - and the stress extremes of
// that model.
#ifndef PROFILES_STAHLPROFIL_LIBRARY_H
#define PROFILES_STAHLPROFIL_LIBRARY_H

#include <cstdio>

#include "profiles/profilquerschnitt.h"
#include "profiles/stahlprofil.h"

enum {
    USER_GRADE_KIND0 = 101,   // user grade of a weld-table material with own values
    USER_GRADE_KIND1 = 100,   // user grade of a steel-table material with own values
};

// The library's global cross-section record (filled by Setup_Stahlprofil_DWQB).
extern Profilquerschnitt Stahlprofil_Querschnitt;

// Grade handle of the material; -1 for a kind or grade without one.
// Registers nothing.
int Get_Profile_Material_Handle(const Materialparameter_Record* material);
// Registers an own-value material as user grade, fills the global record
// and builds its model at the middle of the member. The global record, or
// null when the profile cannot be handed over or the model failed. A
// profile of kind 2 (a user section of the sibling program) is refused: the
// text "Q7-VUVE-Profil: Nachweis nicht möglich" with the alert marker goes to
// list behind prefix (both may be null).
Profilquerschnitt* Setup_Stahlprofil_DWQB(const Stahlprofil* profile, int flat_bar_mode, FILE* list = nullptr,
                                          const char* prefix = nullptr);
// Extreme stresses (N/mm²) of the profile's model under the forces f_1..f_8
// (N, M_y, M_z, V_y, V_z in kN, kNm; T_t, T_w kNm; B kNm²): out_1 largest
// |σ|, out_2 largest |τ|, out_3 largest σ_v, out_4 the stress point of the
// largest σ_v. 0, or 1 when the model could not be built. Any output may be
// null.
int Calc_Profile_Stress_Extremes(const Stahlprofil* profile, double f_1, double f_2, double f_3, double f_4, double f_5,
                                 double f_6, double f_7, double f_8, double* out_1, double* out_2, double* out_3,
                                 double* out_4);
// The forces f_1..f_8 above in the order and units of the stress services
// (Calc_Section_Stress_Extremes: N, V_y, V_z in kN, T_t, M_y, M_z, T_w in
// kNcm, B in kNcm²).
void Profile_Model_Forces(const double f[8], double model[8]);

#endif
