// dwqb_plate: the values of every line taken as a plate of its own (outline
// integrals, centre-line integrals, third-order moments, torsion constants
// with the fillets at joined ends, free and cell perimeters), the summary of
// the section into DWQB_Querschnittswerte, the open shear-flow step of a
// shear line and the extreme unit normal stresses on a line's outline.
#ifndef THINWALL_DWQB_PLATE_H
#define THINWALL_DWQB_PLATE_H

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_integrals.h"

// Plate values of every line result, then the sums of the parts and the
// section values (DWQB_Aktuelle_Gesamtwerte, DWQB_Aktuelle_Grundwerte).
// Returns 1.
int Calc_DWQB_Plate_Values(void);
// Fills DWQB_Querschnittswerte from the summary records and applies the
// given values that the option bits protect. Returns 1 (0 without records).
int Calc_DWQB_Section_Summary(void);
// The section values with the given values put in, as the point evaluation
// reads them (DWQB_Gesamtwerte layout).
extern double DWQB_Arbeits_Gesamtwerte[DWQB_GESAMTWERTE];

// State of the open shear-flow walk: principal angle and centroid.
struct DWQB_Open_Shear_State {
    double alpha, y_c, z_c;
};
// Static moments along one shear entry in principal axes (two rows of six
// values of the line result), carried on from the entry node's running pair;
// the line's own swept sectorial value into its end values. Returns 1.
int DWQB_Open_Shear_Line(DWQB_Schublinie* entry, DWQB_Open_Shear_State* state);

// Collector of DWQB_Outline_Stress_Line.
struct DWQB_Outline_Stress {
    int first;
    int reference_mode;        // 1 centroid, 2 shear centre, else as given
    int angle_mode;            // 1: theta from the principal axis
    double dy, dz, theta;
    double min[3], max[3];     // e_N, e_1, e_2
};
// Unit normal-stress coefficients at the outline points of a line; keeps
// their extremes in the collector. Returns 1.
int DWQB_Outline_Stress_Line(DWQB_Linie* line, int32_t flags, void* collector);

#endif
