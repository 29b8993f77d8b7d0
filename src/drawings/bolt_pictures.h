// Bolt pictures of bolted connections, built from the shape routines: a
// bolt seen end on (its shank circle, head or nut and hole), a bolt with
// head, washers and nut seen from the side (along an axis direction or at
// any angle), a rotated rectangle and a slotted hole, each in the print-list
// back end (world doubles, graphic records of the open picture) and the
// screen back end (pixels).
//
// Bolt dimensions are plain numbers: shank radius r, half width across
// corners of head and nut e, head height k, nut height m, washer thickness
// on the head side and on the nut side (below 0.1 a washer is left out),
// washer half size. Conventions of shape_routines.h; nothing is reported.
#ifndef DRAWINGS_BOLT_PICTURES_H
#define DRAWINGS_BOLT_PICTURES_H

// End view about (x, y): r3 the hatched round mark (OliRole_Bolt_Pattern),
// r2 the six-cornered mark in the fill pen and pattern, r1 a dashed
// sixteen-cornered outline; a radius of 0.1 or less leaves its mark out. A
// negative fill pen counts as pen 0. Screen: r1 dashed in the line colour,
// the marks outlined in Screen_Grey130 and Screen_Black.
void XS_Plot_Bolt_End_View(double x, double y, double r1, double r2, double r3, int fill_pen,
                           int fill_pattern, int line_pen, int line_width);
void XS_Screen_Bolt_End_View(int x, int y, int r1, int r2, int r3, int fill_colour, int line_colour);

// Outlines only: the round mark r3, the six-cornered mark r2, the round
// mark r1, each above 0.1 (screen: r3 > 0, r2 > 0, r1 >= 1).
void XS_Plot_Bolt_End_Outline(double x, double y, double r1, double r2, double r3, int line_width,
                              int line_pen);
void XS_Screen_Bolt_End_Outline(int x, int y, int r1, int r2, int r3, int line_width,
                                int line_colour);

// Side view between the faces (x1, y1) (head side) and (x2, y2) (nut
// side) of the clamped parts. Direction 1: axis along +y, head below y1,
// nut above y2; 3: head beyond y2 and nut before y1; 0 and 2: the quarter
// turns of 1 and 3, axis along -x from x1 to x2; other values write only an
// empty element. The parts are elements side by side: the shank's fill, its
// two long edges, then washers, head, end and nut as their shapes draw them.
// With outline_flag >= 0 the outlines take OliRole_Outline_Pen and the
// washers OliRole_Other_Weld_Pen (screen: Screen_Black, Screen_Grey130),
// else both the fill pen (fill colour).
void XS_Plot_Bolt_Side_View(double x1, double y1, double x2, double y2, double r, double e,
                            double k, double m, double washer_head, double washer_nut,
                            double washer_half, int direction, int fill_pen, int fill_pattern,
                            int outline_flag);
void XS_Screen_Bolt_Side_View(int x1, int y1, int x2, int y2, int r, int e, int k, int m,
                              int washer_head, int washer_nut, int washer_half, int direction,
                              int fill_colour, int outline_flag);

// The bolt about the middle (x, y) of its grip length L at any angle: at
// angle 0 the head stands on the +x side, the nut and the protruding end of
// length p on the -x side; the whole bolt turned about (x, y) by angle
// (radians, the rotation of shape_routines.h). Each part is an element of
// its own, its inner edges line elements after it.
void XS_Plot_Bolt_Side_View_Rotated(double x, double y, double L, double r, double e, double k,
                                    double m, double washer_head, double washer_nut,
                                    double washer_half, double p, double angle, int fill_pen,
                                    int fill_pattern, int outline_flag);
void XS_Screen_Bolt_Side_View_Rotated(int x, int y, int L, int r, int e, int k, int m,
                                      int washer_head, int washer_nut, int washer_half, int p,
                                      double angle, int fill_colour, int outline_flag);

// The rectangle w x h about (x, y) turned by angle: its fill (fill pen >= 0)
// and, with outline switch and line pen >= 0, its outline, in one element.
void XS_Plot_Rotated_Rectangle(double x, double y, double w, double h, double angle, int fill_pen,
                               int fill_pattern, int outline_switch, int line_pen);
void XS_Screen_Rotated_Rectangle(int x, int y, int w, int h, double angle, int fill_colour,
                                 int line_width, int line_colour);

// A slotted hole about (x, y): half circles of radius r about (+-L/2, 0),
// corners every 22.5 degrees, turned by angle degrees. Nothing when r is
// below 0.1 or L below r - 0.01 (screen: r below 1 or above L).
void XS_Plot_Slot(double x, double y, double r, double L, double angle, int fill_pen,
                  int fill_pattern, int line_width, int line_pen);
void XS_Screen_Slot(int x, int y, int r, int L, double angle, int fill_colour, int line_width,
                    int line_colour);

// The sixteen-cornered mark; a radius below 1 draws nothing.
void XS_Screen_Round_Mark(int x, int y, int r, int fill_colour, int line_width, int line_colour);

#endif
