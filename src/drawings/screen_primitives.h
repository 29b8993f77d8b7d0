// Pixel-drawing routines of the connection pictures over the window
// library's px calls: rounding of millimetres to pixels, filled polygons,
// circles, rings, rectangles, arcs and corner fillets, texts, arrows and a
// marked line.
//
// Coordinates are whole pixels, x to the right and y downward. A colour
// below 0 leaves the part concerned out (no fill, no outline), as does a
// line width below 0. The filled shapes give the foreground colour back as
// they found it; the texts, arrows and the marked line leave theirs set.
// None of them can fail.
#ifndef DRAWINGS_SCREEN_PRIMITIVES_H
#define DRAWINGS_SCREEN_PRIMITIVES_H

// sign(v) times the integer part of |v| + 5/9: half a pixel is rounded
// generously (0.45 gives 1, 0.44 gives 0). A value that is not a number
// gives 0; magnitudes beyond 10^6 (far off any screen) are held there.
int Round_To_Pixel(double v);

// 0, 1 or -1 for a value within 0.001 of them, else the value: clears the
// noise of sines and cosines of right angles.
double Snap_Unit_Value(double v);

// Fills the n corners in the fill colour and strokes the closed outline
// (n - 1 edges and the closing edge from the last corner to the first) with
// the line width in the line colour. n below 1 draws nothing; n of 1 or 2
// draws no area, only its edges.
void Draw_Filled_Polygon(int n, const int xs[], const int ys[], int fill_colour, int line_width,
                         int line_colour);

// A circle as a polygon of n corners, corner i at angle i 2 pi / n from
// (x + r, y), truncated toward zero; filled and outlined like a polygon.
// n above 64 or below 1 draws nothing.
void Draw_Filled_Circle(int x, int y, int r, int n, int fill_colour, int line_width,
                        int line_colour);

// A ring (0 < inner < outer, or outer < inner < 0) as one polygon of 2 n + 2
// corners whose hole stays unfilled, the two circles joined by a slit along
// the positive x axis that is never stroked; otherwise the circle of the
// outer radius. n outside 3..64 draws nothing.
void Draw_Filled_Ring(int x, int y, int r_outer, int r_inner, int n, int fill_colour,
                      int line_width, int line_colour);

// The rectangle's four corners filled in the colour; no outline; colour
// below 0: nothing.
void Draw_Filled_Rect(int x1, int y1, int x2, int y2, int colour);

// The text with its top left at (x, y), or ending there when right_aligned
// is 1, in the raster font of size 1 (small), 2 (bold) or any other (normal);
// colour below 0 keeps the current one. The current font is given back.
void Draw_Text_At(int x, int y, const char *text, int right_aligned, int colour, int size);

// An axis arrow of the given length from (x, y) in the direction
// (-cos angle, sin angle) on screen (angle 0 points left, pi/2 down): a
// shaft of width 2, a filled head at its far end and the text beside the
// head, in the current colour. A null text draws none.
void Draw_Arrow_With_Text(int x, int y, int length, const char *text, double angle);

// Like Draw_Arrow_With_Text, with the text 2 pixels right of (x, y) for text
// side 0, else ending 8 pixels per character left of it.
void Draw_Axis_Arrow(int x, int y, int length, int text_side, const char *text, double angle);

// A filled head with its point at (x, y), 15 pixels long and 5 to each side,
// pointing along angle (counter-clockwise from the right on screen); the
// third argument is not read.
void Draw_Arrow_Head(int x, int y, int unused, double angle);

// An arc of radius size / 2 about (x, y) from angle over 3.2 radians with a
// filled head at its end, labelled with the number label ("%d") at the
// arc's middle; sense -1 runs the arc clockwise. Current colour.
void Draw_Arc_Arrow_With_Text(int x, int y, int size, int label, int sense, double angle);

// A corner at (x, y) rounded by a quarter arc of radius r whose centre lies
// at (x + r, y - r), (x - r, y - r), (x - r, y + r) or (x + r, y + r) for
// orientation 0, 1, 2, 3 (others count as 0): the corner and the nine arc
// points filled in the fill colour; with line width >= 0 the two legs from
// the corner in the current colour and the arc in the screen black.
void Draw_Corner_Fillet(int x, int y, int r, int orientation, int fill_colour, int line_width);

// A black line of width 1 with a white dot ringed in black at each end and
// the text (null: none) over its middle (position 0), beside its first end
// (1) or below right of its middle (2), in the normal font.
void Draw_Marked_Line(int x1, int y1, int x2, int y2, const char *text, int text_position);

// The arc points at the angles k pi / 16 from start over sweep (degrees),
// corner k at (x - R(r cos), y + R(r sin)), filled in the fill colour; with
// line width >= 0 the open chain of the points in the screen black. A sweep
// below 0.001 draws nothing, a sweep above 360 is held at 360, and a start or
// sweep that is not a number or beyond a million degrees draws nothing.
void Draw_Filled_Arc(int x, int y, int r, double start, double sweep, int fill_colour,
                     int line_width);

#endif
