// The message list of the welded-connection library (Anschluss_Messages):
// collecting message numbers, the sheet "Fehlermeldungen und Warnungen" that
// shows them, the sheet element with an icon that shows that there are
// some, and further screen and plot members of the library's drawings
// (triple lines, stacked arcs, rings, red frames, a section box and the ring
// of a round section with its seam).
//
// Screen members draw with the window library; every double turned into a
// pixel is truncated toward zero, and the circle members use 6.28 for a full
// turn. Plot members write picture records into the stream they are given
// (nothing for a null stream). Nothing here reports a failure.
#ifndef DRAWINGS_ANSCHLUSS_MESSAGES_H
#define DRAWINGS_ANSCHLUSS_MESSAGES_H

#include <cstdio>

// The icon of the message element and its four palette colours.
extern int Anschluss_Message_Icon;
extern int Anschluss_Message_Icon_Palette[4];

// Stores the code (up to 30; later ones are dropped) and sets the error flag
// for a code of 999 or less.
void Add_Error_Code(int code);
// With a message element (Anschluss_Message_Button >= 0) and a code
// collected: activates the element and draws the icon at (x + 11, y + 7).
void Show_Error_Button(int x, int y);
// The modal sheet "Fehlermeldungen und Warnungen" with one row per code
// (errors in black, warnings in blue); closes on whatever ends the edit.
void Show_Error_List(void);
// The icon palette, on the first call only.
void Init_Message_Icon_Palette(void);

// Three lines, each moved by (dx, dy) from the one before.
void Draw_Triple_Line(int x1, int y1, int x2, int y2, int dx, int dy);
// n arcs of radius r from a1 to a2 (radians) about (cx - i, cy - i), each of
// 100 chords; returns n (nothing drawn for n < 1).
int Draw_Arc_Stack(int n, double a1, double a2, int cx, int cy, int r);
// A ring of the given diameter and wall t (the inner radius stays the outer
// one unless 0 < t <= R): mode 1 fills the n corners of both circles into
// the arrays first. The outer polygon filled light and hatched dark,
// outlined in black; with inner 1 the bore filled light and outlined.
void Draw_Ring_Px(int mode, int inner, int *xo, int *yo, int *xi, int *yi, int n, int cx, int cy,
                  int diameter, int t);
// Three red circles of radii r + 1 .. r + 3 (n corners, left in the arrays);
// returns r + 3.
int Draw_Red_Circle_Frame(int *xs, int *ys, int n, int cx, int cy, int r);
// Three red outlines of the polygon, its first four corners moved one pixel
// outward before each (the caller's corners end three pixels out).
void Draw_Red_Polygon_Frame(int *xs, int *ys, int n);

// " 21 1", "20 58", "20 42" and the box (s x1, s (y1 - y0)) .. (s x6,
// s (y6 - y0)); the other coordinates are not read.
void Plot_Section_Box(FILE *f, double x1, double x2, double x3, double x4, double x5, double x6,
                      double y1, double y2, double y3, double y4, double y5, double y6, double c,
                      double y0, double s);
// The section of a round profile (mode 1: built from its radii, read from
// the arrays) or of the given polygon of n corners (at most 49), scaled by
// s: with band the seam outside it, offset by dist (a quarter of the wall
// of a tube), then the section, "20 0" and with inner 1 the bore.
void Plot_Offset_Ring(FILE *f, int mode, int inner, double *xo, double *yo, double *xi, double *yi,
                      int n, double s, double dist, int band);

// The palette flag and icon as at the start of the run (for tests).
void Reset_Anschluss_Messages(void);

#endif
