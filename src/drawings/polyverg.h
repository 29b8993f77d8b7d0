// Offset of a closed polygon: every corner moved along the bisector of its
// two edges so far that both edges move by the same perpendicular distance,
// to the right of the direction of travel (outward for a counter-clockwise
// polygon in a y-up system and a positive distance). The scaled drawing of
// the fillet-weld connection draws its weld seams as the band between an
// outline and such a copy of it.
//
// Results of both members:
//   0  every corner offset;
//   1  fewer than 3 corners;
//   2  an edge at a corner has zero length;
//   3  the outline turns straight back at a corner (a spike);
//  -1  no offset direction at a corner.
// On a result other than 0 the output holds the offset corners before the
// failing one and the copied corners from it on (for n <= 0 it is not
// touched). The input arrays are only read; input and output must not be
// the same arrays.
#ifndef DRAWINGS_POLYVERG_H
#define DRAWINGS_POLYVERG_H

// World outlines (double). Reports results 1, 2 and -1 in a message box
// ("Fehler polyverg_d 1", "Fehler polyverg_d 2_1" for a zero edge ending at
// the corner, "Fehler polyverg_d 2_2, NP= %d" with n for one starting
// there, "Fehler polyverg_d -1"); result 3 is silent.
int polyverg_d(int n, const double *x, const double *y, double dist, double *xo, double *yo);

// Pixel outlines (int): the same results without any message; each output
// coordinate rounded half away from zero (and held within the int range).
int polyverg_i(int n, const int *x, const int *y, double dist, int *xo, int *yo);

#endif
