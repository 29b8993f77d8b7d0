// ultimate_load: the ultimate load factor of a section for a load direction
// (the plane at the target strain utilisation whose forces point along the
// target, and the factor by which they exceed it), with probing, scaling of
// small targets and a continuation over the load factor when the direct
// solves fail; and the equilibrium plane with a fallback start from the
// ultimate state.
#ifndef SECTION_ULTIMATE_LOAD_H
#define SECTION_ULTIMATE_LOAD_H

#include "section/plane_solvers.h"

// Options: bit 0 start from the result's plane; bit 1 no fallback; bit 2 no
// parameter search. 1 when a plane was found; the load factor (-1.0 when not
// found) is always multiplied back by the target's scale factor.
int Calc_Querschnitt_Gleichgewicht(Querschnitt* section, const double* target, double lambda,
                                   const Loeser_Toleranz* tolerance, Grenzdehnung_Ergebnis* result,
                                   int options, double rho);
int Calc_Querschnitt_Gleichgewicht_1(Querschnitt* section, const double* target, double lambda,
                                     const Loeser_Toleranz* tolerance,
                                     Grenzdehnung_Ergebnis* result, int options);
// The pre-strain factor is the same afterwards as before.
int Calc_Dehnungsebene_Gleichgewicht_Fallback(Querschnitt* section, const double* target,
                                              double lambda, const Loeser_Toleranz* tolerance,
                                              Gleichgewicht_Ergebnis* result, int options);

#endif
