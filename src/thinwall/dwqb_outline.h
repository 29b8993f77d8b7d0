// dwqb_outline: the plate outline of every line (ten segments: caps at both
// ends, the right face u = -1 from start to end, the left face u = +1 back),
// built where plates meet at a node by mitres, fillet arcs or bisector cuts;
// points on the segments and on a line's plate, line lookup by number, the
// walk of a segment in pieces and the extents of the section.
//
// Loop order of the ten positions: 0 cap from node a to the right face,
// 1 2 3 right face (start zone, middle run, end zone), 4 cap to node b,
// 5 cap from node b to the left face, 6 7 8 left face back, 9 cap to node a.
// Walked in that order the outline of a plate runs counter-clockwise.
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

// Length of a segment: its chord, or the sum of the chords of twice its
// subdivision count of pieces when curved.
double Calc_DWQB_Segment_Length(const DWQB_Outline_Segment* segment);

// Residual function of the face intersections (two unknowns: the parameters
// s of the two faces set with Set_DWQB_Outline_Faces); iflag 1 gives the
// difference of the two points and stops the solver with -1 once its
// squared length is at most the tolerance, iflag 2 the two tangents.
void Outline_Intersection_Residual(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
void Set_DWQB_Outline_Faces(const DWQB_Segment_Geometrie* g1, double u1, const DWQB_Segment_Geometrie* g2,
                            double u2, double tolerance2);
// Solves the two faces set before from (s1, s2); 1 when found (s1, s2
// written), else 0.
int Solve_DWQB_Outline_Faces(double* s1, double* s2, double tolerance2);

// Parameter s (start value in s) where the ray from the node in direction
// (-sin angle, cos angle) crosses face u of the line. 1, or 0 with a message.
int _Calc_Line_Node_Rot_Outline(const DWQB_Knoten* node, const DWQB_Linie* line, double* s, double angle, double u);
// Joins face of line1 with the face of line2 at node (line2 follows line1
// counter-clockwise round the node); either line may be null (a free end).
// Code 5: line1 ends at the node (segments 3, 4), line2 starts there (0, 1);
// code 10: line1 starts there (8, 9), line2 ends there (5, 6).
void _Line_Node_Outline(DWQB_Knoten* node, DWQB_Linie* line1, int code1, DWQB_Outline_Segment* strip1,
                        DWQB_Outline_Segment* cap1, DWQB_Linie* line2, int code2, DWQB_Outline_Segment* cap2,
                        DWQB_Outline_Segment* strip2);
// Builds the outlines of all lines (after _Winged_Edge_Structure). Failures
// are messages; a line whose outline stayed incomplete raises
// DWQB_Outline_Warnung.
void _Set_Line_Outlines(void);
// Count of the outline faults of the last build (0 when sound).
extern int DWQB_Outline_Warnung;

// Lookup by number through a one-entry cache (emptied by Clear_DWQB_Model).
DWQB_Linie* Find_DWQB_Line(int number);
DWQB_Outline_Segment* Find_DWQB_Line_Segments(int number);
void Forget_DWQB_Line_Cache(void);

// Point of a line's plate at line coordinates (s, u); (0, 0) for null.
void Calc_DWQB_Line_Plate_Point(const DWQB_Linie* line, double s, double u, double* y, double* z);
int Calc_DWQB_Line_Centre_Point(const DWQB_Linie* line, double s, double* y, double* z);
void Calc_DWQB_Line_Coordinates(const DWQB_Linie* line, double y, double z, double* s, double* u);
// Passes the outline of the line at or below s_cut, closed through the
// centre-line point at the cut; 1 when finished, 0 for a null line or when
// the callback stopped it.
typedef int (*DWQB_Cut_Callback)(double y1, double z1, double y2, double z2, double v1, double v2, void* context);
int Walk_DWQB_Line_Outline_Cut(const DWQB_Linie* line, double s_cut, DWQB_Cut_Callback callback, void* context);
// Extents of the section (y_min, z_min, y_max, z_max): 0 when the stored
// extents were returned, 1 when computed.
int Get_DWQB_Extents(double* y_min, double* z_min, double* y_max, double* z_max);
// Kind, the two cut rotations, the four fillet radii, the two thicknesses of
// a line; 1, or 0 without such a line.
int Get_DWQB_Line_Data(int number, int* kind, double* rot_a, double* rot_b, double* r_al, double* r_ar, double* r_bl,
                       double* r_br, double* t_a, double* t_b);
// Run thickness and run length of a line; 1, or 0 without such a line.
int Get_DWQB_Line_Result_Pair(int number, double* first, double* second);

#endif
