// Section contour store: the closed contours of a cross-section (outer
// contours with their holes) as polygons whose edges may be circular arcs,
// grouped by outer contour; built point by point, as a round bar, or from
// the plate outlines of a profile outline model; written as picture records
// and as an extruded solid. Also the point-in-polygon test on a ring of
// contour points.
//
// Coordinates are cm: x across (the model's y), y down (the model's z). An
// arc value on a point is the sagitta of the edge that starts there: 0 for a
// straight edge, negative when the arc bulges to the right of the edge's
// direction, so that it adds to the area of a counter-clockwise contour.
// Every stored contour repeats its first point at the end; its point count
// does not include that repetition.
//
// One store, module state, single-threaded. Groups and contours are counted
// from 0 in the getters.
#ifndef PROFILES_PROFILE_CONTOURS_H
#define PROFILES_PROFILE_CONTOURS_H

#include <cstdio>

#include "profiles/profilmodell.h"

struct Contour_Punkt {
    double x, y;
    double arc;  // sagitta of the edge from here; while sampling in mode 2: 1.0 marks an arc midpoint
    Contour_Punkt* prev;
    Contour_Punkt* next;
};

// 1 when (x, y) lies inside the ring that starts at first (following next
// pointers; the last point joins the first), 0 outside, on a point (within a
// thousandth) or for a null ring. Works on integer thousandths.
int Point_In_Polygon(const Contour_Punkt* first, double x, double y);

// ---- building ----

// Empties the store and prepares n empty contours; parameter below 2 makes
// Close_Contour replace arcs by straight pieces (finer for 0 than for 1).
// 1, or 0 when memory fails (store then empty).
int Begin_Contour_Store(int n, int parameter);
// Advances the current contour number to its absolute value plus 1.
int Next_Contour(void);
// Appends a point to the current contour while its number lies in 1 … n;
// a point with a coordinate that is not a finite number is left out (an arc
// value that is not finite counts as 0).
void Add_Contour_Point(double x, double y, double arc);
// Closes the current contour: repeats its first point, computes its signed
// area with the arc segments, turns it to the asked orientation (positive:
// outer contour, negative: hole) and, for a parameter below 2, replaces its
// arcs by straight pieces.
void Close_Contour(int orientation);
// Extents and groups: every contour of positive area opens a group, every
// hole joins the first group whose outer contour holds its first point.
// Returns the number of groups.
int Finish_Contour_Store(void);
// One group of one contour: a solid round bar of diameter d (mode 1: 60
// points, mode 2: two half circles as arcs, else 24 points).
void Build_Round_Bar_Contours(double d, int mode);
// Empties the store and builds it from the plate outlines of a model (through
// the thin-walled engine). 1 when sampling and assembly both succeed, else 0.
int Build_Contour_Store_From_Model(const Profilmodell* model, int parameter);
// Frees everything.
void Clear_Contour_Store(void);

// The chains of the last sampling (2 per part), or the contours assembled
// from them. Mode 0, 1 or 2 sets how finely arcs are sampled; mode 2 keeps
// arcs as sagittas. Sample returns the number of chain slots (0 without an
// engine, when the engine refuses the model, or when memory fails);
// Assemble returns the number of groups formed in the store.
int Sample_Profilmodell_Contours(const Profilmodell* model, int mode);
int Assemble_Contours(const Profilmodell* model, int mode);

// ---- reading ----

int Contour_Store_Valid(void);  // number of groups, 0 when empty
int Get_Contour_Store_Extents(double* y_min, double* y_max, double* z_min, double* z_max);
double Get_Contour_Store_Area(void);
// Each of these gives 0 for an empty store or an index out of range.
int Get_Contour_Count(int group);                      // hole count of the group
int Get_Contour_Point_Count(int group, int contour);  // contour 0 is the outer one
int Get_Contour_Point(int group, int contour, int point, double* x, double* y, double* arc);

// ---- writing ----

// Picture records of the store fitted into the rectangle (cm on paper), the
// section mirrored in x and its y pointing up the page: outer contours
// filled green, holes white, black edges. Nothing for a null file, an empty
// store or degenerate extents.
void Draw_Contour_Store_Plot(FILE* file, double x1, double y1, double x2, double y2);

// The solid swept by the store's contours from start to end (points in m).
// axes holds three vectors: along the member, then the directions that carry
// the contour's x and y. Side faces per edge ("4 id 1", the normal, four
// corners), then per group the two end faces ("count id 0", the normal, one
// corner per point); an end face with holes runs around the outer contour
// back to its first point and then around every hole, entering it through a
// corner of code 999 and closing it at its first point, so it counts all
// points plus 1 + 2 per hole. Arcs are written as their chords. Returns the
// number of faces written.
int Write_Contour_Extrusion(FILE* file, int id, const double start[3], const double end[3], const double axes[9]);

#endif
