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
// The continuation over the load factor that the driver falls back on, with
// its evaluations handed in: solve gives the equilibrium plane for mu times
// the target from a start plane (null: none), 1 when solved; utilisation
// gives the plane's largest ratio of strain to limit, 1 when it could be
// had; limit seeks the limit plane in the forces' direction from a start
// plane, 1 when found. A point: load factor, utilisation, plane, residual
// norm.
struct Fortsetzung_Punkt {
    double mu = -1.0, u = -1.0, plane[4] = {0, 0, 0, 0}, norm = 0;
    bool set = false;
};
struct Fortsetzung_Schritte {
    void* context;
    int (*solve)(void* context, double mu, const double* start, double* plane, double* norm);
    int (*utilisation)(void* context, const double* plane, double* u);
    int (*limit)(void* context, const double* start);
};
// At most 100 steps from mu towards the utilisation rho: 1 when a limit
// plane was found; otherwise the highest point below rho is left in *lo
// (unset when there is none).
int Fortsetzung_Lastfaktor(const Fortsetzung_Schritte* steps, double mu, double rho, Fortsetzung_Punkt* lo);
// The pre-strain factor is the same afterwards as before.
int Calc_Dehnungsebene_Gleichgewicht_Fallback(Querschnitt* section, const double* target,
                                              double lambda, const Loeser_Toleranz* tolerance,
                                              Gleichgewicht_Ergebnis* result, int options);

#endif
