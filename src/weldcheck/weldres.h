// Weld resistance and stress checks of a weld group: the design shear
// strength (EN 1993-1-8 4.5.3.3), the design forces per length on the
// effective weld area, the directional (4.5.3.2) or simplified (4.5.3.3)
// check, and the butt-weld check. Each writes its formula lines into the
// print list when one is given.
#ifndef WELDCHECK_WELDRES_H
#define WELDCHECK_WELDRES_H

#include <cstdio>

#include "weldcheck/weldelem.h"

// f_vw,d and F_w,Rd = 1000 f_vw,d a (N/m) into g. 1 when F_w,Rd < -0.001,
// when the partial factor gamma_M2 is missing or not within 0.5 .. 3,
// or when an input of g is not a finite number (the strengths are then 0),
// else 0.
int Calc_Weld_Shear_Strength(NahtGruppe* g, FILE* f, int print_level);
// Forces per length on the throat by force mode. 1 when they cannot be
// determined (zero effective length or zero throat, an input that is not a
// finite number), else 0. For a butt weld N acts normal to the throat and
// V_s in it at every angle. The directional method with N (or a moment) and
// V_s takes the signed forces of the weld that governs: both welds of a
// two-sided weld, the recorded side of a one-sided one (1 left, 2 right),
// both ends of the weld; the report names it.
int Calc_Weld_Forces(NahtGruppe* g, FILE* f, int print_level);
// Directional or simplified check (method bit 8). 1 when refused (also for
// a strength or resistance of 0, after its note, and for an input that is
// not a finite number, U_max then -1), else 0; U_max in g takes
// the larger utilisation. With forces per length given, the directional
// method takes the given components, or the given resultant along the weld
// when it is the larger; the given components are never modified.
int Check_Weld_Directional(NahtGruppe* g, FILE* f, int print_level, const char* prefix);
// Butt-weld check; a and one_sided are restored before returning. As
// Check_Weld_Directional.
int Check_Butt_Weld(NahtGruppe* g, FILE* f, int print_level, const char* prefix);

// Helpers shared by the library.
// f_u and beta_w of the governing plate (EN 1993-1-8 4.5.3: the weaker part,
// each plate with its f_u as Weld_Plate_Tensile_Strength takes it; between
// equal f_u the larger beta_w), the same in either order of the plates. A
// plate whose f_u is not a number governs. Never fails; a null plate gives
// 0.
void Weld_Governing_Strength(const Blech_Record* p1, const Blech_Record* p2, double* f_u, double* beta_w);
// f_u (N/mm²) of a material as a weld joining a part of it t mm thick is
// checked with: that of its thickness range; above 40 mm, while the active
// annex's EN 1993 block is a national variant (variant not 0), that of
// its range up to 40 mm, where the grade has a value at t at all (a grade
// without one keeps 0). Reads the active annex; never modifies m; a null
// material gives 0.
double Weld_Tensile_Strength_At(const Materialparameter_Record* m, double t);
// Weld_Tensile_Strength_At of the plate's material and thickness: what a
// caller gives a group as its plate's strength (strengths_given).
double Weld_Plate_Tensile_Strength(const Blech_Record* p);
// The failure line of a value that is not a finite number: the symbol, no
// value, the red marker. Nothing for a null list.
void Weld_Invalid_Value_Line(FILE* f, const char* prefix, const char* symbol);
// The result line of the simplified method, of a butt weld and of plug
// welds: F_w,Ed against F_w,Rd in g; a zero resistance writes a note and no
// utilisation. 1 when refused (negative or zero resistance, utilisation not
// a number), else 0; U_max takes the larger utilisation.
int Weld_Resistance_Result(NahtGruppe* g, FILE* f, const char* prefix);
// The group's utilisation as its lines show it: U_max, or the value as
// computed where the rule of Round_Utilisation counted it as 1. Never
// fails; null gives 0.
double Weld_Group_Computed_U(const NahtGruppe* g);

#endif
