// Labels of print-list pictures of the profile end and its outline points:
// a fillet-weld symbol with its throat (on one or both sides of the
// reference line), a radius label, and the corners of the profile's outline
// into the caller's arrays.
//
// World coordinates of the open picture, y growing downward; a label's size
// s sets its unit u = s / 10. Pens and the element structure as in
// shape_routines.h; the texts are drawn in OliRole_Outline_Pen. Nothing is
// reported.
#ifndef DRAWINGS_WELD_LABELS_H
#define DRAWINGS_WELD_LABELS_H

#include "profiles/stahlprofil.h"

// One element (nothing nested in it): the leader from (x, y) to its knee, the reference line 5 u
// long (6 u for throats above 9.45) towards +x in modes 0 and 3 and -x in
// modes 1 and 2, the text "a%.0lf" at the knee and the weld triangle at the
// end of the reference line (filled with fill_pen >= 0, outlined in
// line_pen >= 0). Leader lines only with line_width >= 0. A throat below
// 0.001, a mode outside 0..3 or an unusable size writes nothing.
void XS_Plot_Fillet_Weld_Symbol(double x, double y, double a, int mode, double s, int fill_pen,
                                int line_width, int line_pen);
// The same with the triangle on both sides of the reference line.
void XS_Plot_Double_Fillet_Weld_Symbol(double x, double y, double a, int mode, double s,
                                       int fill_pen, int line_width, int line_pen);
// The text "r%.0lf" beside (x, y) by mode 0..3, in one element; a radius
// below 0.001 or another mode writes nothing. The three ints are not read.
void XS_Plot_Radius_Label(double x, double y, double r, int mode, double s, int unused_1,
                          int unused_2, int unused_3);

// The outline corners of the profile's end (y downward from its top) about
// the reference point (x, y) (both given, else (0, 0)) moved to the
// profile's own origin, turned by angle degrees about that origin, into xs
// and ys (at most 44 corners: the caller's arrays hold 44), their number
// into *count (0 for a round bar or an unknown type). Root radii of rolled
// profiles and the tips are rounded by three inner points each (sharp
// corners repeat the corner instead, so the counts stay). flip_tee turns a
// T or half I with its flange at the bottom; inner_tube takes the inner
// circle of a tube; the second switch is not read. *x, *y and, when given,
// *qx, *qy are turned with the corners. A null profile or count does
// nothing.
void XS_Plot_Profile_Outline_Points(const Stahlprofil *profile, int flip_tee, int unused,
                                    int inner_tube, double *x, double *y, double angle,
                                    int *count, double xs[], double ys[], double *qx, double *qy);

enum { XS_OUTLINE_POINTS_MAX = 44 };

#endif
