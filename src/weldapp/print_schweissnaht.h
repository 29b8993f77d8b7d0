// The evaluation of a whole connection: every load case through the
// cross-section check of the profile (when switched on) and the weld check,
// the maximum and the verdict, and, with an open print list, the body of the
// list: title, preface, input protocol with the sketch (and the plot file),
// one chapter per load case, result table, final result and the closing
// chapters.
#ifndef WELDAPP_PRINT_SCHWEISSNAHT_H
#define WELDAPP_PRINT_SCHWEISSNAHT_H

#include <cstdio>
#include <string>
#include <vector>

#include "memberchecks/xs_resistance.h"
#include "profiles/stahlprofil.h"
#include "weldapp/schweissnaht.h"

// Evaluates the connection and leaves the results in the record; writes the
// body of the print list when list is not null. The caller's record gets
// refreshed safety factors and weld layout, loses its cases without load,
// and receives maximum, c/t maximum, governing case, error flag and the
// utilisations of every case.
void Print_Schweissnaht(SchweissnahtAnschluss* conn, FILE* list);

// What the checks say of a throat they hold to its part (a tube's wall, a
// round bar's centre, half a part an all-round butt weld joins from both
// faces), as the final result of every evaluation words it ("Naht 1:
// Nahtdicke a = 12.0 mm > t = 8.0 mm (Wand, nicht durchgeschweißt),
// gerechnet mit a = 8.0 mm"), under the code the record is checked by.
// The welds are laid as for a case without reading the record's cases; the
// notes of the last evaluation are cleared. Empty when no throat is held,
// and for null.
std::vector<std::string> Held_Throat_Notes(const SchweissnahtAnschluss* conn);

// The scale 1:n of the sketch of a profile of width x height mm: the print
// options' scale when one is set (above 0.001), else the smallest round
// scale of the drawing series (1, 2, 3, 4, 5, 10, 15, 20, 25, 30, then
// multiples of 5) at which the profile fits a 6 cm square (1:1 for one of
// no size).
double Sketch_Scale(double scale, double width, double height);

// Why the last evaluation without print list (the one the utilisation chart
// shows) found no result, as one line of screen text (code page 850, no
// markup): the first refused input, else the first load case without a
// result. Empty when every case has its result; an evaluation that writes a
// print list leaves it as it is.
const char* Evaluation_Refusal_Reason(void);
// Forgets it, as at the start of a run (for tests).
void Reset_Evaluation_Refusal_Reason(void);

// The cross-section check of the profile for one load case (forces in kN
// and kNm) is reached through this seam, which tests replace. Result flags:
// 0x100 checked, 0x80000 grade not covered, 0x8000 failed, 0x4000 plastic
// check done; the evaluation reads U_sigma and U_c/t of the result. Without
// one installed the check counts as not computable.
typedef unsigned (*XS_Check_Function)(const Stahlprofil* profile, const XS_Check_Input* input,
                                      XS_Check_Result* result, FILE* list, int level);
XS_Check_Function Set_XS_Check_Seam(XS_Check_Function check);

// Name of the plot file the sketch is written to (the component's
// "%s%04d.SPF"); the batch path points it at a temporary name. Empty: no
// plot file.
void Set_Plot_File_Name(const char* name);
// What became of the plot file named last: 0 not written (no sketch, or the
// picture switch off), 1 written completely, -1 it could not be opened or
// completed (an incomplete file is removed).
int Plot_File_Result(void);
// Why the plot file named last could not be opened or completed (errno);
// 0 when it could, or when the system gave no reason.
int Plot_File_Error(void);

// A print list that would pass the most bytes a list may have
// (VEK_Print_List_Limit: what the viewer and the program's readers take) is
// not written on: the evaluation watches its load cases' chapters as they
// are written and stops as soon as the bytes written, with as many again
// for each case to come as the cases so far took on average, pass the
// limit. The bytes the last print's list would have had when it stopped so
// (the estimate; 0 when it did not stop), and the load cases of the
// connection in *cases (when given).
long long Print_List_Oversize(int* cases);
// Forgets it, before a list is written by whatever print is installed.
void Reset_Print_List_Oversize(void);

#endif
