// dwqb_warping: the sectorial (warping) coordinate of the thin-walled model,
// its normalisation, the warping constant, the sectorial products and the
// shear centre. d omega = (y - y_p) dz - (z - z_p) dy along a line from its
// start to its end: positive counter-clockwise about the pole.
#ifndef THINWALL_DWQB_WARPING_H
#define THINWALL_DWQB_WARPING_H

#include "thinwall/dwqb.h"

// Whole model, pole at the working centroid: omega over all lines (with the
// circulations of the closed cells of the one-part calculation), its mean
// taken off, I_w, I_wy, I_wz, the warping moment about the centroid, omega
// about the shear centre and its extremes, the ratio of the integral of
// omega r^2 to I_w, and the polar radius of gyration squared. A given
// warping constant (option bit 0x8) scales omega to it. Reads the working
// area, centroid, I_T and shear centre.
void Calc_DWQB_Warping(void);
// Makes omega continuous over the lines of one part along its shear-line
// order; prints a message when not every entry could be joined.
void _Calc_Part_Warping(DWQB_Teil* part);
// Omega at parameter s of a line, from the start value and cell term of its
// line result (or its own end value without one).
double Calc_DWQB_Line_Warping_Ordinate(const DWQB_Linie* line, double s);

// DWQB_Schubmittelpunkt layout (9 values): y_M, z_M, omega_1, omega_2, I_w,
// I_w,2, p_z, p_y, q. From the set-2 area sums, the warping sums (pole at the
// origin) and the torsion sums of a part. Returns 0.
enum { DWQB_SCHUBMITTELPUNKT = 9 };
int Calc_DWQB_Schubmittelpunkt(const DWQB_Teil* part, double* out);
// Part callback of the result walks: the part's DWQB_Schubmittelpunkt record
// into context (9 values). Returns 1.
int Calc_DWQB_Schubmittelpunkt_Callback(DWQB_Teil* part, void* context);
// Same, and clears the work values of every node; context holds the nine
// values followed by two more, of which the first keeps the larger of the
// two.
int Calc_DWQB_Schubmittelpunkt_Reset_Callback(DWQB_Teil* part, void* context);
// Takes the mean ordinate of a part off its warping sums (and the same
// amounts off the parent's, when given): values gets the part's centre-line
// centroid and the mean taken off. Returns 1.
int Normalize_DWQB_Teil_Warping(DWQB_Teil* part, DWQB_Teil* parent, double* values);
// Part callback of the sectorial pass: Normalize_DWQB_Teil_Warping of the
// part into the three values in context. Returns 1.
int Normalize_DWQB_Teil_Warping_Callback(DWQB_Teil* part, void* context);
// Multiplies the cell flow of an entry's line result by factor; returns 1.
int Scale_DWQB_Line_Flow_Callback(DWQB_Schublinie* entry, const double* factor);

#endif
