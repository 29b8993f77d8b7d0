// dwqb_flow: the shear-flow and warping passes of the several-part
// calculation. Per unit load (shear force along y, along z, torque, warping
// torsion) every line result gets its flow distribution (six values each),
// the resultants and the shear-deformation integrals; the closed cells of
// each part get their circulations from one linear system; the sectorial
// coordinate is normalised per part and gives the shear centre and the
// warping constant. Also the line records of the plastic load factor.
//
// Shear flows are positive in the line's direction (start to end) and
// follow q = -V S / I, so that a positive shear force gives flows that point
// its way.
#ifndef THINWALL_DWQB_FLOW_H
#define THINWALL_DWQB_FLOW_H

#include <cstdint>

#include "thinwall/dwqb.h"
#include "thinwall/plo.h"

// Sums of a section over its parts.
struct DWQB_Flow_Sums {
    int32_t n_cells;
    double resultants[6];      // as DWQB_Teilwerte::resultants
    double moments[3];
    double deformation[3];     // integrals of q_y^2/t, q_z^2/t, q_y q_z/t
    double cell_torsion;       // closed-cell torsion constant
    double w_min, w_max;       // warping ordinate about the shear centre
    int w_first;
};

// First driver: open flows, cells, resultants, torsion; then the sectorial
// integrals, the shear centre and the warping constant. Returns 1.
int Calc_DWQB_Shear_Flow(void);
// Second driver: warping statical moments, warping shear flows with their
// cells and resultants. Returns 1.
int Calc_DWQB_Warping_Flow(void);
// Sectorial integrals of every line, normalised per part, then the shear
// centre and warping constant of the section. Returns 1.
int Calc_DWQB_Sectorial_Integrals(void);
// Part-end steps of the two drivers.
DWQB_Teil* Calc_DWQB_Part_Shear_Flow(DWQB_Teil* part, DWQB_Flow_Sums* sums);
int Calc_DWQB_Part_Warping_Flow(DWQB_Teil* part, DWQB_Flow_Sums* sums);
// Shear-entry step of the second driver: the warping statical moment of the
// line carried on from the entry node. Returns 1.
int Fit_DWQB_Line_Warping_Flow(DWQB_Schublinie* entry, DWQB_Flow_Sums* sums);
// Takes values[2] off the line's warping ordinate, makes (values[0],
// values[1]) its reference point and corrects its sectorial integrals.
// Returns 1.
int Shift_DWQB_Line_Warping(DWQB_Schublinie* entry, const double* values);

// ---- line records of the plastic load factor --------------------------------

// Clears and fills a record from a line (arcs of two and more pieces also
// get their sub-records). 1, or 0 for a null argument.
int Fill_DWQB_PLO_Record(const DWQB_Linie* line, DWQB_PLO_Linie* record);
// The next free record of the block, filled; 0 when the block is full.
int Fill_DWQB_PLO_Record_Callback(DWQB_PLO_Block* list, const DWQB_Linie* line);
// Adds a, b, c, d times its area (field 13) to fields 4 to 7 of every record
// and sub-record.
void Add_DWQB_PLO_Record_Moments(DWQB_PLO_Block* list, double a, double b, double c, double d);

#endif
