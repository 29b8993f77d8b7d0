// The weld check of one load case: the welds joining a steel profile to a
// plate (EN 1993-1-8 4.5), as a line cross-section of the welds with its
// section values, the distribution of the six internal forces to the welds
// and the checks in the end points of every weld, with its report.
#ifndef WELDCHECK_WELD_CHECK_H
#define WELDCHECK_WELD_CHECK_H

#include <cstdio>

#include "weldcheck/weld_check_record.h"

// Checks the welds of the record for its forces. list null: evaluation
// only. level 0 minimal, 1 standard, 2 detailed; additional prints the
// detailing block; sketches asks for the picture of the line cross-section;
// intermediate prints the force distribution and the end points.
// Returns 0 when done; 1 when refused (a weld fails the detailing limits,
// nothing can carry a force, the forces cannot be distributed, an input is
// not a finite number, or a point has no valid result): U_w is then -1.
// U_w_status says the same by name (WELD_CHECK_DONE or
// WELD_CHECK_REFUSED). Writes U_w and its status, the per-position
// utilisations, the values of the governing point and the capped contact
// share into the record; nothing else of it is changed.
int Calc_Weld_Check(SchweissnahtNachweis* record, FILE* list, int level, int additional, int sketches,
                    int intermediate);

// The picture of the line cross-section lives in a higher layer, which
// installs its drawer at start-up. It returns 1 when it drew the picture
// with the weld legend, 0 when the weld list is to be written instead.
// Without a drawer no picture is made. Returns the previous drawer.
typedef int (*Weld_Check_Picture_Drawer)(const SchweissnahtNachweis* record, FILE* list, int level);
Weld_Check_Picture_Drawer Set_Weld_Check_Picture_Drawer(Weld_Check_Picture_Drawer drawer);

// For the drawer, during its call only (outside it they give 0 and write
// nothing). End point i (0..7) of the weld line at position k: y' to the
// left of the profile centroid and z' below the top edge, in mm, and the
// line's throat; 1 when the point is in use and drawn alike in every load
// case (0 for a point a case places on a convex arc of the outline, which
// moves with the case and the report marks instead).
enum { WELD_CHECK_END_POINTS = 8 };
int Weld_Check_End_Point(int k, int i, double* y, double* z, double* a);
// Distance of the profile centroid, where y' is 0, from the left outer face.
double Weld_Check_Centroid_From_Left(void);
// Writes the weld legend: per listed weld that has points in use the line
// "prefix ╬tlabel n: " and the texts of the weld list (throat and length,
// or the partner of a mirrored weld). Returns the number of lines.
int Weld_Check_Write_Legend(FILE* list);
// Whether a row of the weld list or of the legend shows a throat of two
// digits or more ("%.1lf" of 9.95 mm and above): such a throat reaches past
// the stop where the lengths of shorter ones stand, and the lengths of every
// row move one stop further. Weld_Check_Legend_Has_Long_Throat: 1 when a row
// of the legend Weld_Check_Write_Legend writes shows one.
int Weld_Throat_Is_Long(double a);
int Weld_Check_Legend_Has_Long_Throat(void);

// The throat (mm) of a fully penetrated butt weld at weld face `face`
// (WELD_FACE_*) of the profile: the weld is the part it joins, so the
// throat is that part's thickness, shared by the welds of its two faces
// where the part is welded on both (half each): the flanges and webs of the
// I family, tees, channels, zeds and the legs of angles, and the flat bar
// on its two long faces (its short faces get 0: the long ones take the
// whole bar). A rectangular tube's walls are welded on their outer faces
// only (the whole wall each); a round tube's one weld (face 0) takes its
// wall, a round bar's its radius, as it reaches from the circumference to
// the centre. 0 for a face the profile's welds do not use (the flange
// ends, which the weld of the flange or web already takes), a type
// without welds, or a null profile. Never modifies the profile.
double Full_Penetration_Throat(const Stahlprofil* profile, int face);

// The lengths (mm) of the faces that the check lays single fillet and
// partial-penetration welds on where they are not the plates' faces: the
// rolled faces of a catalogue double-T, channel, tee or half I whose
// flanges slope, by weld face (WELD_FACE_*): each inner flange face's
// straight part between the toe's rounding and the root fillet, along the
// slope, and the web's (a tee's stem's) face from where its root fillets
// end. A single weld of such a face longer than the rolled face is checked
// with the rolled face, a shorter one as it is given. Sets those
// faces' lengths only, the others are left; returns how many it set (0 for
// a profile whose welds lie on the plates' faces, or a null argument).
int Weld_Check_Rolled_Face_Lengths(const Stahlprofil* profile, double* lengths);

// The halves of a flange weld split at the web axis are listed under their
// weld's number with a letter: 'a' for the left half (the position that
// keeps the number), 'b' for the right one (number + 20); 0 for a weld
// that is not split.
char Weld_Half_Letter(const SchweissnahtNachweis* record, int k);

#endif
