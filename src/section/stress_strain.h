// stress_strain: the stress-strain curves (material laws) of the section
// model, their built-in table, preparation into segment tables and the
// stress at a point of a group.
//
// A curve is described by ten parameters (Spannungsdehnungslinie_Parameter)
// and prepared into at most ten strain segments, each a closed-form stress
// function, before any integration. Strains in per mille, compression
// negative; stresses in kN/m² (a law given in N/mm² with strains in ‰ gives
// betaD = 1000 f_d).
#ifndef SECTION_STRESS_STRAIN_H
#define SECTION_STRESS_STRAIN_H

#include <cstdio>

#include "section/section_model.h"

enum {
    SDL_BETON = 1,          // compression only
    SDL_STAHL = 2,          // tension and compression
    SDL_EXTERN = 0x8000,    // built-in law: the mask file stores only its name
    SDL_MIT_BEZUG = 0x800000,  // mask file only: a second-curve line follows
    SDL_ART_MASKE = 0x7fff,
};

// The largest single-precision value: an open strain limit.
constexpr double SDL_OFFEN = 3.4028234663852886e38;

// Global factor of every curve's pre-strain (1.0).
extern double Vordehnung_Faktor;

// Null without parameters or on a failed allocation; copies name and
// parameters; no second curve, its weight -1.0.
Spannungsdehnungslinie* New_Spannungsdehnungslinie(int number, int type, const char* name,
                                                   const Spannungsdehnungslinie_Parameter* parameters);
// Frees the name, drops the reference to the second curve, frees the curve.
void Free_Spannungsdehnungslinie(Spannungsdehnungslinie* curve);
// Copies the parameters; with a section, marks its curves unprepared.
int Set_Spannungsdehnungslinie_Parameter(Querschnitt* section, Spannungsdehnungslinie* curve,
                                         const Spannungsdehnungslinie_Parameter* parameters);
// dest takes src's type, a copy of its name, its parameters and its second
// curve (counted). 0 for a null argument or a failed name copy (dest then
// unchanged).
int Copy_Spannungsdehnungslinie(Spannungsdehnungslinie* dest, const Spannungsdehnungslinie* src);
int Set_Spannungsdehnungslinie_Bezug(Spannungsdehnungslinie* curve, Spannungsdehnungslinie* other,
                                     double weight);
// A new curve equal in every field, with its own name copy. Null for null.
Spannungsdehnungslinie* Dup_Spannungsdehnungslinie(const Spannungsdehnungslinie* curve);
// The built-in law of exactly this name (shared, read-only), else null.
const Spannungsdehnungslinie* Find_Builtin_Spannungsdehnungslinie(const char* name);
// Bilinear steel law from E, f_d (N/mm²), eps_u (‰) and hardening E_h.
// 0 without a block; a block of zeros and 0 when E - E_h is not positive.
int Calc_Stahl_Bilinear_Parameter(double E, double f_d, double eps_u, double E_h,
                                  Spannungsdehnungslinie_Parameter* parameters);
// 1 compression-only (upper open), 2 two-sided; 0 for a null argument.
int Get_Spannungsdehnungslinie_Grenzen(const Spannungsdehnungslinie* curve, double* lower,
                                       double* upper);
Spannungsdehnungslinie_Parameter* Get_Gruppe_Kurvenparameter(Spannungsdehnungslinie_Parameter* out,
                                                            const Querschnittsgruppe* group);
Spannungsdehnungslinie_Parameter* Swap_Gruppe_Kurvenparameter(
    Spannungsdehnungslinie_Parameter* out, Querschnittsgruppe* group,
    const Spannungsdehnungslinie_Parameter* new_parameters);
// Strain and stress at (y, z) of a group for a polar plane (angle, e0, k, w).
// Always 1; a group without a curve has stress 0.
int Calc_Punkt_Spannung(void* context, const Querschnittsgruppe* group, const double* plane,
                        double y, double z, double* strain_out, double* stress_out);
// Builds the segment table; options may be null. Non-zero on success; 0
// for a null curve and for parameters that describe no stress law (a rise of
// kind 4 with an exponent below 1, whose stress has a pole): the table is
// then empty, so the curve carries nothing.
int Prepare_Spannungsdehnungslinie(Spannungsdehnungslinie* curve,
                                   const Querschnitt_Kurvenoptionen* options);
void Print_Spannungsdehnungslinie(FILE* stream, const Spannungsdehnungslinie* curve);

#endif
