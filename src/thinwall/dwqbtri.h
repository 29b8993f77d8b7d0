// dwqbtri: the outline mesh of a computed thin-walled section. Every line's
// plate is meshed on its own from its ten outline segments in three strips
// (start zone, middle run, end zone); each strip is cut into cells along the
// line and each cell into four triangles about nodes along the plate's
// middle. Every node carries the point evaluation of the section (position,
// line coordinates, the eight unit-stress coefficients), so stresses for any
// forces need only the node records.
#ifndef THINWALL_DWQBTRI_H
#define THINWALL_DWQBTRI_H

#include <cstdint>

#include "thinwall/dwqb.h"

struct DWQB_OUTLINE_TRIANGULATION_NODE {
    int32_t index;
    int32_t line_position;   // position of the line in the table snapshot
    int32_t line_number;
    double y, z;
    double w;                // warping ordinate of the point evaluation
    double s, u;             // along the line, across the plate
    double c[8];             // stress per unit of N, M1, M2, V1, V2, Mx, B, Mw
};

struct DWQB_OUTLINE_TRIANGULATION_TRIANGLE {
    int32_t index, line_position, line_number;
    int32_t a, b, c;
};

struct DWQB_OUTLINE_TRIANGULATION {
    int32_t n_nodes, n_triangles;
    DWQB_OUTLINE_TRIANGULATION_NODE* nodes;
    DWQB_OUTLINE_TRIANGULATION_TRIANGLE* triangles;
    int32_t node_capacity, triangle_capacity;
};

struct DWQB_Triangulation_Options {
    int32_t middle_min, middle_max;
    int32_t end_min, end_max;
    int32_t refinement;      // <= 1 none, 3 nine-way, else four-way
    int32_t flags;           // bit 0: mesh lines of kind 1 too
};

// The eight settings of the point evaluation, handed to every node.
struct DWQB_Triangulation_Eval {
    int32_t ref_kind;
    double ref_y, ref_z;
    int32_t angle_kind;
    double angle;
    int32_t pole_kind;
    double pole_y, pole_z;
};

// A new mesh of the section (options null: the defaults), or null when the
// model is not computed in the several-part calculation, when memory runs
// out, when a listed line or its outline is missing, and when the table
// snapshot overflowed (a mesh without the lines past the hundredth would
// hand out extremes of part of the section as those of the whole).
DWQB_OUTLINE_TRIANGULATION* Calc_DWQB_OUTLINE_TRIANGULATION(int ref_kind, double ref_y, double ref_z, int angle_kind,
                                                            double angle, int pole_kind, double pole_y,
                                                            double pole_z, const DWQB_Triangulation_Options* options);
void Free_DWQB_OUTLINE_TRIANGULATION(DWQB_OUTLINE_TRIANGULATION* mesh);
// corners: A start, centre start, B start, A end, centre end, B end; below 0
// still to be made. 1, or 0 when a side corner cannot be had or memory runs out.
int Triangulate_DWQB_Outline_Strip(const DWQB_Linie* line, int position, int number, DWQB_OUTLINE_TRIANGULATION* mesh,
                                   const DWQB_Triangulation_Eval* eval, int* corners,
                                   const DWQB_Outline_Segment* side_a, const DWQB_Outline_Segment* side_b,
                                   int min_cells, int max_cells, int refinement);
// New node index, or -1 when the node array cannot grow.
int Add_DWQB_Triangulation_Node_On_Segment(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number,
                                           const DWQB_Outline_Segment* segment, double xi,
                                           const DWQB_Triangulation_Eval* eval);
int Add_DWQB_Triangulation_Node_At(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number,
                                   const DWQB_Linie* line, double s, double u, const DWQB_Triangulation_Eval* eval);
// 1, or 0 when the triangle array cannot grow.
int Add_DWQB_Triangulation_Triangle(DWQB_OUTLINE_TRIANGULATION* mesh, int position, int number, int a, int b, int c,
                                    int refinement, const DWQB_Triangulation_Eval* eval);

// Stresses at the nodes for forces in the order of the coefficients:
// sigma, tau, von Mises. 1, or 0 (nothing written) for a null argument.
int Calc_DWQB_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION_NODE* node, const double* forces, double* out);
// Extremes over all nodes / one line position / one line number; both
// triples 0 when no node is taken. 0 (triples cleared) for a null mesh or
// forces, and for nodes that cannot be read.
int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, const double* forces,
                                                  double* min3, double* max3);
int Calc_DWQB_Line_Position_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, int position, const double* forces,
                                          double* min3, double* max3);
int Calc_DWQB_Line_Number_Node_Stresses(const DWQB_OUTLINE_TRIANGULATION* mesh, int number, const double* forces,
                                        double* min3, double* max3);

#endif
