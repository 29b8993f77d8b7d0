// dwqb_geometry: the centre line and thickness course of a line (straight or
// circular), its point, inverse and tangent evaluations, and the winged-edge
// topology of the model: the cyclic order of the lines at every node, the
// connected parts and the faces of the plane graph walked as outlines, each
// classified as a closed cell or as the outer boundary of a part.
#ifndef THINWALL_DWQB_GEOMETRY_H
#define THINWALL_DWQB_GEOMETRY_H

#include <cstdint>

#include "thinwall/dwqb.h"

// Fills out for the segment from (y1, z1) to (y2, z2) with sagitta f and end
// thicknesses t_a, t_b. A sagitta of at most tolerance times the chord gives a
// straight line. Cannot fail; a zero chord leaves a straight point segment.
void Set_Segment_Geometry(double y1, double z1, double y2, double z2, double f, double t_a,
                          double t_b, double tolerance, DWQB_Segment_Geometrie* out);
// Point at parameter s on face u; either output may be null.
void Segment_Point(double s, double u, const DWQB_Segment_Geometrie* geo, double* out_y, double* out_z);
// Inverse of Segment_Point: s and u of a point (0 where a divisor is 0).
void Segment_Local_Coordinates(double y, double z, const DWQB_Segment_Geometrie* geo, double* out_s,
                               double* out_u);
// Derivative of Segment_Point by s; either output may be null.
void Segment_Tangent(double s, double u, const DWQB_Segment_Geometrie* geo, double* out_dy, double* out_dz);

typedef int (*DWQB_Chord_Callback)(double y_prev, double z_prev, double y, double z, double s_prev,
                                   double s, void* context);
// Calls callback for chords 1 .. max(1, n) of the centre line (n below 0: the
// geometry's chord count). Stops with 0 when a callback returns 0, else
// returns the last callback's result; 0 without geometry or callback.
int Walk_Segment_Chords(const DWQB_Segment_Geometrie* geo, int n, DWQB_Chord_Callback callback,
                        void* context);

// Leaving direction of a line at a node of it, in [0, 2 pi).
double DWQB_Leaving_Direction(const DWQB_Linie* line, const DWQB_Knoten* node);

// Builds the topology of the current model. Reports inconsistencies on
// standard output and never stops.
void _Winged_Edge_Structure(void);
// Walks one outline from a side of line; returns its class (DWQB_SIDE_CELL,
// DWQB_SIDE_OUTER, or 0 when the walk met an assigned side or a broken link).
uint32_t _Winged_Edge_Outline(DWQB_Linie* line, uint32_t start_flags);

// Counts of the last topology build; the Euler sum nodes + cells - lines -
// parts is 0 for a plane graph.
struct DWQB_Topologie {
    int n_nodes, n_lines, n_parts, n_cells;
    int faults;     // messages printed: broken links, failed outline walks,
                    // unlinked sides, a non-zero Euler sum
};
extern DWQB_Topologie DWQB_Topologie_Zaehler;

#endif
