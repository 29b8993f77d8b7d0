// Arrow symbols of structural drawings in a print-list picture: a general
// arrow in three styles, with or without a label, an arrow between two
// points, a moment arc with its arrowhead, point-load arrows and line loads
// drawn as rows of arrows between two lines.
//
// Every symbol is one element (oli_checks.h gives the refusals: a picture
// must be open; points, lengths, angles and text heights must be finite
// numbers within 1 km of paper; lengths and heights not negative where a
// size is meant; labels at most 255 characters on one line). Labels are
// written as they are, never read as a format.
#ifndef PRINTLIST_IOLIPLOT_ARROWS_H
#define PRINTLIST_IOLIPLOT_ARROWS_H

// Styles of the arrows.
enum : int {
    OLI_ARROW_OPEN = 0,      // three lines
    OLI_ARROW_OUTLINED = 1,  // shaft and outlined head
    OLI_ARROW_FILLED = 2,    // shaft and filled head (pattern 55)
};

// An arrow with its tip at (x, y) pointing in the direction angle
// (radians): length L, head length h and head width w, world units; a
// style other than 0..2 writes the element alone.
void Oli_Arrow(double x, double y, double angle, double L, double h, double w, int style);
// The same with its label beyond the tail, text height in cm; the label
// stands on the side the tail points to.
void Oli_Arrow_Label(double x, double y, double angle, double L, double h, double w, int style,
                     double text_height, const char* label);
// An arrow from (x2, y2) to its tip at (x1, y1).
void Oli_Arrow_Between(double x1, double y1, double x2, double y2, double h, double w, int style);
// An arc of radius r about (cx, cy) from angle a0 to a1 (radians) with the
// head on its end, pointing along it, and the label.
void Oli_Moment_Arrow(double cx, double cy, double r, double a0, double a1, double h, double w, int style,
                      double text_height, const char* label);
// A point load: its tip at (x, y), its tail L above (to the right of) it,
// pointing down (left) on the page also in a picture whose y runs down.
void Oli_Load_Arrow_Vertical(double x, double y, double L, const char* label);
void Oli_Load_Arrow_Horizontal(double x, double y, double L, const char* label);
// A uniform line load on the line (x1, y1)-(x2, y2): arrows of length L
// every 2 mm of paper with their tips on the line, the line through their
// tails and the label in a white box between. Nothing for a vertical line;
// refused beyond 1000 arrows.
void Oli_Line_Load(double x1, double y1, double x2, double y2, double L, double text_height, const char* label);
// A trapezoidal load from arrow length L1 to L2, an arrow every 2 cm of
// paper.
void Oli_Trapezoid_Load(double x1, double y1, double x2, double y2, double L1, double L2, double text_height,
                        const char* label);

#endif
