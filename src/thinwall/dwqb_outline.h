// dwqb_outline: points on the outline segments of a line's plate and the walk
// of a segment in pieces.
#ifndef THINWALL_DWQB_OUTLINE_H
#define THINWALL_DWQB_OUTLINE_H

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_geometry.h"

// A segment is active when it is present and its slot is not empty.
bool DWQB_Segment_Active(const DWQB_Outline_Segment* segment);
// Point at xi in [-1, 1]: straight segments by their end points, curved ones
// on the owner line's plate, or on their own arc without an owner. (0, 0)
// for a null segment; either output may be null.
void Calc_DWQB_Segment_Point(double xi, const DWQB_Outline_Segment* segment, double* y, double* z);
// Calls callback for n equal pieces of the segment (at least one) with the
// pieces' end points and their line parameters (the owner's s, else xi).
// Returns the last callback result; 0 stops the walk.
int Walk_DWQB_Segment_Pieces(const DWQB_Outline_Segment* segment, int n, DWQB_Chord_Callback callback, void* user);
// The same; 0 for a null segment or callback.
int Walk_DWQB_Segment(const DWQB_Outline_Segment* segment, int n, DWQB_Chord_Callback callback, void* user);

#endif
