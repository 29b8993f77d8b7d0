// Shape routines shared by the print-list picture and the screen preview of
// the profile end with its welds: rotation of point lists, the fillet-weld
// triangle, the corner triangle, the inner points of a quarter ellipse and
// the screen line.
//
// Every shape has a print back end (XS_Plot_: world millimetres as doubles,
// graphic records of the picture open in the print list through the pen
// writers of oli_pens.h) and, where the pictures need one, a screen back end
// (XS_Screen_: whole pixels, px calls of the window library, every pixel
// derived from a double rounded by Round_To_Pixel). Both use one geometry:
// a point (x, y) turned about (cx, cy) by a becomes
// (cx + (x - cx) cos a + (y - cy) sin a, cy + (y - cy) cos a - (x - cx) sin a),
// with exact sines and cosines for angles within 0.001 of 0, pi, pi/2 and
// 3 pi/2 (tested in that order; negative angles and angles from 2 pi up are
// not snapped).
//
// Nothing is reported. The caller's arrays are changed only by the rotation
// and arc-point members, which exist to change them. Screen members leave
// the foreground colour as they found it.
#ifndef DRAWINGS_SHAPE_ROUTINES_H
#define DRAWINGS_SHAPE_ROUTINES_H

// Turns the n points in place about (cx, cy). A count of 0 or below, or an
// angle that is not a finite number, leaves them as they are.
void XS_Plot_Rotate_Points(double x[], double y[], int n, double cx, double cy, double angle);
// The same for pixel points, each result rounded by Round_To_Pixel.
void XS_Screen_Rotate_Points(int cx, int cy, int x[], int y[], int n, double angle);
void XS_Screen_Rotate_Point(int cx, int cy, int *x, int *y, double angle);
void XS_Screen_Rotate_4_Points(int cx, int cy, int x[4], int y[4], double angle);

// One element with the fillet-weld triangle of root (x, y) and corners at
// the leg along the directions start and start + sweep (radians, y of the
// world growing downward): the fill pen (kept colour when outside 0..29),
// fill pattern 64, the filled triangle, and with line_width >= 0 its three
// edges as lines of line_pen (none for a negative pen). A leg below 0.001,
// or corners that are not finite numbers of at most 10^9, write nothing.
void XS_Plot_Weld_Triangle(double x, double y, double leg, double start, double sweep, int fill_pen,
                           int line_width, int line_pen);
// The weld triangle with start quadrant x pi/2 and sweep pi/2: legs along
// +x and -y (quadrant 0), -y and -x, -x and +y, +y and +x. Any other
// quadrant writes nothing.
void XS_Plot_Weld_Triangle_Quadrant(double x, double y, double leg, int quadrant, int fill_pen,
                                    int line_width, int line_pen);
// The pixel weld triangle: root (x, y), the other corners at (x + R(leg cos),
// y - R(leg sin)) of start and start + sweep; filled in the fill colour and
// outlined with the line width in the line colour where those are >= 0.
void XS_Screen_Weld_Triangle(int x, int y, int leg, double start, double sweep, int fill_colour,
                             int line_width, int line_colour);

// One element with the right triangle (x, y), P1, P2, its right angle at P1,
// turned about (x, y) by angle: mode 0 P1 = (x - w, y), P2 = (x - w, y + h);
// 1 (x + w, y), (x + w, y + h); 2 (x + w, y), (x + w, y - h); any other
// (x - w, y), (x - w, y - h). Fill pen, pattern 64, filled triangle, then its
// edges as lines of line_pen with width 1. Corners that are not finite
// numbers of at most 10^9 write nothing.
void XS_Plot_Corner_Triangle(int mode, int fill_pen, int line_pen, double x, double y, double w,
                             double h, double angle);
// The pixel triangle (x, y), (x - w, y + h) and (x, y + h) for mode 0 or
// (x - w, y) for any other, turned about (x, y): filled in the fill colour,
// edges of width 1 in the line colour (neither colour is tested).
void XS_Screen_Corner_Triangle(int x, int y, int w, int h, double angle, int mode, int fill_colour,
                               int line_colour);

// The n inner points k = first_step + 1 .. first_step + n of an ellipse of
// radii rx, ry about (x0, y0), at theta = k (pi/2) / (n + 1):
// (x0 + rx sin theta, y0 - ry cos theta), into xs[0 .. n-1]; reversed when
// direction < 0. Nothing for n <= 0.
void XS_Plot_Arc_Points(double x0, double y0, double rx, double ry, double xs[], double ys[],
                        int first_step, int n, int direction);

// One line of the width in the colour; nothing when either is negative.
void XS_Screen_Line(int x1, int y1, int x2, int y2, int colour, int width);

#endif
