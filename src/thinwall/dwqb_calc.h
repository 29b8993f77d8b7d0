// dwqb_calc: the section calculation of the thin-walled model. It validates
// the model and computes, for one connected part, the area, centroid, second
// moments, principal axes, the closed cells, the unit shear flows, the torsion
// constant (open plates plus the cells), the shear centre, the sectorial
// coordinate with the warping constant, and the plastic moduli.
#ifndef THINWALL_DWQB_CALC_H
#define THINWALL_DWQB_CALC_H

// 0 when computed; else the status code (1 no node or line, 2 a line of
// length 0, 3 a line of mean thickness <= 0, 4 a node not connected, 6 an
// unknown node number or 7 out of memory from construction), or 5 when a
// principal second moment is below 1e-4 (the values are computed all the
// same). Results go to DWQB_Querschnittswerte and to the line records.
int Calc_DWQB_Section(void);
// Calc_DWQB_Section, then the installed invalidation hook, so that a cache
// of built models above this layer builds its next model afresh.
int Calc_DWQB(void);
// Installs the hook Calc_DWQB calls after every calculation; returns the
// previous one. Null: none.
void (*Set_DWQB_Invalidate_Hook(void (*hook)(void)))(void);

#endif
