// Area symbols of pictures that fill with hatch patterns: a strip along an
// edge hatched on one of four sides, and bolt symbols of eight types (side
// views of head and shank, the hexagon nut with its axis cross, elevations,
// end views). Each is one element; lengths are world units. With a plot
// file open they also set its pen, filling and line type, and the strip
// draws its hatch lines there.
//
// Refused with a message (oli_checks.h): no picture open, a point or length
// that is not a finite number or beyond 1 km of paper, a negative width or
// diameter.
#ifndef PRINTLIST_IOLIPLOT_HATCH_BOLTS_H
#define PRINTLIST_IOLIPLOT_HATCH_BOLTS_H

#include <cstdio>

// The strip of width w beside the edge (x1, y1)-(x2, y2), on side 0..3
// (another side: the element without area).
void Oli_Hatched_Strip(double x1, double y1, double x2, double y2, double w, int side);
// A bolt symbol of the type (0..7; another type: the element alone) and
// diameter a at the axis point (x, y); t is the shank length of the
// elevations 4 and 5. The stream is not read: the picture's own is used.
void Oli_Bolt_Symbol(FILE* stream, int type, double a, double x, double y, double t);

#endif
