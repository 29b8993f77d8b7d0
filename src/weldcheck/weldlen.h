// Effective weld lengths and the detailing limits of EN 1993-1-8 clause 4
// and of the national annex, for one weld and for a weld group. Each rule is
// written as one check line of the print list when a list is given and may
// raise a message box; errors make the result 1 and carry the red failure
// marker, annex warnings raise EC3_Detailing_Warning_Flag.
#ifndef WELDCHECK_WELDLEN_H
#define WELDCHECK_WELDLEN_H

#include <cstdio>

#include "weldcheck/weld_notes.h"
#include "weldcheck/weldelem.h"

// Effective length in mm (0 for a weld without length). Never modifies w.
double Calc_Effective_Weld_Length(const NahtElement* w, FILE* f);
// 1 when the weld is too short to count ("statisch nicht wirksam"), also for
// an l_eff of 0 (l_w = 2a: the end craters take it whole; within 0.001 mm)
// and a negative one (l_w < 2a); 0 for welds whose length is not limited
// (slot, plug, fully penetrated butt welds). An a or l_eff that is not a
// finite number gives 1 after a failure line.
int Check_Effective_Weld_Length(int kind, int full_penetration, double a, double l_eff, FILE* f,
                                const char* prefix, int print_all);
// The one line that says a weld is too short to count and is left out of
// the calculation: the limit it fails (30 mm first, else 6a) and the blue
// note marker. Nothing without a list.
void Weld_Not_Effective_Line(FILE* f, const char* prefix, double a, double l_eff);
// Detailing limits of one weld between parts of thickness t1 and t2;
// penetration_mode 0 two-sided, 1 and 2 one-sided partial penetration;
// hollow_section forces mode 1. 1 when an error rule failed or a dimension
// or thickness is not a finite number, else 0. May set the weld angle to 90
// and lengthen a plug weld's hole to l = d. Every limit the weld breaks,
// whether it fails the weld or not, is added to *notes with its values when
// notes is not null.
int Check_Weld_Detailing_Limits(NahtElement* w, double t1, double t2, int penetration_mode, int hollow_section,
                                FILE* f, int show_message, const char* prefix, int print_all,
                                Weld_Notes* notes = nullptr);
// Detailing of a group: the rules of one weld (unless method bit 4), the
// plate data checks, the slot and plug rules, l_eff. 1 when an error rule
// failed or an input is not a finite number, else 0.
int Check_Weld_Group_Detailing(NahtGruppe* g, FILE* f, int show_message, int print_all);

#endif
