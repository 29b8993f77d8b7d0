// Level, support and clamped-edge symbols of structural drawings, placed at
// one world point of a picture. Sizes are a factor z: every offset is so
// many cm of paper times z. The level markers and the support keep their
// shape upright on the page whichever way the picture's axes run.
//
// Each symbol is one element. Refused with a message (oli_checks.h): no
// picture open, a point or size that is not a finite number or reaches
// beyond 1 km of paper, a negative factor, a fill pattern outside 0..64, a
// text of more than 255 characters or with a line break or « ».
#ifndef PRINTLIST_IOLIPLOT_SUPPORTS_H
#define PRINTLIST_IOLIPLOT_SUPPORTS_H

// A level marker (a triangle on its apex at (x, y)) with a level line of w
// cm, the upper text above the triangle and the side text beside it; the
// triangle filled with the pattern.
void Oli_Level_Marker_Line(double x, double y, double w, const char* upper, const char* side, int pattern,
                           double z);
// A level marker with its text; filled: the triangle black.
void Oli_Level_Marker(double x, double y, const char* text, int filled, double z);
// A filled level marker with the two lines of a water level under it.
void Oli_Water_Level_Marker(double x, double y, const char* text, double z);
// A support triangle with its apex at (x, y) turned by angle degrees,
// filled with the pattern; with circle the hinge at the apex, with
// base_line the roller line under it.
void Oli_Support_Symbol(double x, double y, double angle, int pattern, int circle, int base_line, double z);
// A clamped edge: a base line with six hatch strokes, turned by angle
// degrees about (x, y).
void Oli_Clamped_Edge(double x, double y, double angle, double z);

#endif
