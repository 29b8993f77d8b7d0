// dwqb_calc: the section calculation of the thin-walled model. It validates
// the model and computes either one connected part from its centre lines
// (the one-part calculation) or any number of parts with their plate
// outlines (the several-part calculation): area, centroid, second moments,
// principal axes, the closed cells, the unit shear flows, the torsion
// constant (open plates plus the cells), the shear centre, the sectorial
// coordinate with the warping constant, and the plastic moduli.
#ifndef THINWALL_DWQB_CALC_H
#define THINWALL_DWQB_CALC_H

// 0 when computed; else the status code (1 no node or line, 2 a line of
// length 0, 3 a line of mean thickness <= 0, 4 a node not connected, 6 an
// unknown node number, 7 out of memory from construction or for the result
// buffers), or 5 when a principal second moment is below 1e-4 in the
// one-part calculation (the values are computed all the same). Results go to
// DWQB_Querschnittswerte and to the line records; the several-part
// calculation (DWQB_Erweitert or option bit 0x1000) also to the result
// records, and computes on over broken topology or outlines, which it notes
// in DWQB_Warnung.
int Calc_DWQB_Section(void);
// Lays out the result buffer of the several-part calculation (records of
// the section, of all lines, of every part and line, and the shear-line
// order of every part). 0 when a buffer could not be had: then there is no
// current part.
int _Init_Result_Buffer(void);
// Calc_DWQB_Section, then the installed invalidation hook, so that a cache
// of built models above this layer builds its next model afresh.
int Calc_DWQB(void);
// Installs the hook Calc_DWQB calls after every calculation; returns the
// previous one. Null: none.
void (*Set_DWQB_Invalidate_Hook(void (*hook)(void)))(void);

#endif
