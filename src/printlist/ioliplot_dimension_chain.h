// Dimension chains: a row of consecutive dimensions between points that the
// caller collects one by one in a PtrArr. The chain writers project the
// points onto one dimension line, sort them, draw one dimension per
// neighbouring pair with the dimension writer of the unit ("cm": in units
// u, "mm": in whole cm of the drawing, any other or none: in m), free every
// point and empty the list.
#ifndef PRINTLIST_IOLIPLOT_DIMENSION_CHAIN_H
#define PRINTLIST_IOLIPLOT_DIMENSION_CHAIN_H

struct PtrArr;

// Appends the point (x, y) to the list. 1; 0 when the point cannot be
// allocated or is refused (not finite), the list then unchanged.
int Oli_Dimension_Point_Add(PtrArr* list, double x, double y);
// The chain along the line through (x0, y0) in the direction angle
// (radians), the points in their order along it; h the text height, u the
// unit divisor of "cm", mode -2..2 the
// text placement of the dimension writers. The largest result of the
// dimension writers (0 when nothing was drawn). With fewer than 2 points,
// or when refused (no picture, a point, angle or size that is not a finite
// number or beyond 1 km of paper, an empty slot in the list), 0 and the
// list is left as it is.
double Oli_Dimension_Chain_cm(PtrArr* list, const char* unit, double x0, double y0, double angle, double h, double u,
                              int mode);
// The chain along a horizontal (orientation 0 and 2: y = c; sorted by x
// descending or ascending) or vertical line (1 and 3: x = c; by y
// descending or ascending); pairs closer than 1e-5 along the line are
// skipped. Another orientation: 0, the list left as it is.
double Oli_Dimension_Chain(PtrArr* list, const char* unit, int orientation, double c, double h, double u, int mode);

#endif
