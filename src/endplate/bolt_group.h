// A group of bolts (points) under shear and torsion in its plane: the
// centroid and second moments of the points, and the bolt forces by the
// elastic method about the centroid, with the derivation written into the
// print list.
//
// Coordinates in mm, forces in N and Nmm; the print list shows kN, kNm and
// cm². Module state: the values of the last group worked out by
// Calc_Bolt_Group, from which its derivation lines are printed.
#ifndef ENDPLATE_BOLT_GROUP_H
#define ENDPLATE_BOLT_GROUP_H

#include <cstdio>

// Centroid (weighted by w, null: every weight 1), A = sum of the weights
// (n without weights) and the second moments sum w (z - z_ref)²,
// sum w (y - y_ref)² and their sum I_p about the centroid (mode 0), the
// origin (mode 1) or (y0, z0) (other modes). The centroid is divided by A
// only when A > 0.001. n < 1 gives 0 in every output. Null outputs are
// skipped; the arrays are only read.
void Calc_Point_Group_Inertia(int n, const double *y, const double *z, const double *w, double *y_s,
                              double *z_s, double *A, double *I_zz, double *I_yy, double *I_p, int mode,
                              double y0, double z0);

// The bolt forces of shear V_y, V_z acting at (y_F, z_F) and torsion M_x:
// shear shares f_i V / A' and the moment about the centroid shared in
// proportion to the distances (mode 1: a row along y, moment only into T_z;
// mode 2: a row along z, only into T_y; else both with I_p'). Returns the
// largest bolt force (k < 0, the first of equal ones counts), or the force
// of bolt k (k from 0; with T_y_k and T_z_k its components), in N.
//
// A group that cannot take the moment (no polar moment, one bolt, bolts on
// one point) takes the shear only: the whole moment about the centroid is
// refused, M_rest = -M' (M_x - M' when no torsion acts; never 0 for a
// refusal, so that the caller sees it) and the print list gets the violet
// warning with the moment M' about the centroid (as its derivation gives
// M_x'). No bolts or a value that is not a
// finite number: result 0, outputs 0, and with forces the line that the
// largest force cannot be worked out. No forces: 0 and nothing printed.
// k outside 0..n-1 counts as -1, and so does a null T_y_k or T_z_k.
// With a print list: at level > 0 and mode <= 0 the derivation, then the
// largest force or bolt k's line.
double Calc_Bolt_Group(int n, const double *y, const double *z, const double *w, double V_y, double V_z,
                       double M_x, double y_F, double z_F, int k, int mode, double *T_y_k, double *T_z_k,
                       double *M_rest, FILE *oli, int level);

#endif
