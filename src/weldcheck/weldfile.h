// Weld and group records in text files, copy and comparison, the default
// weld, two older strength helpers and the print-list description of a weld
// and of a group's input chapter.
#ifndef WELDCHECK_WELDFILE_H
#define WELDCHECK_WELDFILE_H

#include <cstdio>

#include "weldcheck/weldelem.h"

// Fillet weld, a = 4 mm, full_length 1, angle 90, everything else 0.
void Default_Weld(NahtElement* w);
// Clears the target, then copies the source when given. Null target: nothing.
void Copy_Weld(const NahtElement* source, NahtElement* target);
// 1 when both are given and equal (lengths and angle within 0.01), else 0.
int Welds_Equal(const NahtElement* a, const NahtElement* b);
// The weld record (version 2). 1 on a null argument or a failed write, else
// 0; the weld is never modified.
int Write_Weld(FILE* f, const NahtElement* w);
// Reads a weld record of version 0..2. 1 on a null argument, an unreadable
// value or a newer version, else 0.
int Read_Weld(FILE* f, NahtElement* w);
// Clears the target, then copies the input fields (weld, sides, plates,
// packing, method, forces, stresses, given values) when a source is given.
void Copy_Weld_Group(const NahtGruppe* source, NahtGruppe* target);
// The group record (version 6). 1 on a null argument or a failed write.
int Write_Weld_Group(FILE* f, const NahtGruppe* g);
// Reads a group record of version 0..6. 1 on error, else 0.
int Read_Weld_Group(FILE* f, NahtGruppe* g);
// Clears the result flags and the results, then Calc_Weld_Shear_Strength.
int Calc_Weld_Shear_Strength_Checked(NahtGruppe* g, FILE* f, int print_level);
// f_1w,d = f_u / (beta_w gamma_M2); 0 for gamma_M2 below 0.01 or not a number.
double Calc_Weld_Strength_Dir(Blech_Record* p1, Blech_Record* p2, double gamma_M2, FILE* f, int print_level);
// f_vw,d = f_u / (sqrt(3) beta_w gamma_M2); 0 for gamma_M2 not positive or
// not a number.
double Calc_Weld_Shear_Strength_Plates(Blech_Record* p1, Blech_Record* p2, double gamma_M2, FILE* f,
                                       int print_level);
// One description line of a weld; returns its kind (-1 for a null weld).
// mode 1 leaves out the kind word, mode 3 the sides of a fillet weld.
int Print_Weld_Description(NahtElement* w, int one_sided, int short_form, FILE* f, int mode);
// The input chapter of a group: welds, plates, method and design values.
void Print_Connection_Headings(NahtGruppe* g, FILE* f, int print_level);

#endif
