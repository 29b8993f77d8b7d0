// limit_planes: ultimate strain planes by (direction, parameter t), start
// values for a force direction and the two-variable search for the (angle,
// t) whose limit forces point along the target.
//
// t runs from 0 (uniform compression) through pure bending (16) to 33
// (uniform tension at the steel limit).
#ifndef SECTION_LIMIT_PLANES_H
#define SECTION_LIMIT_PLANES_H

#include "section/plane_solvers.h"

struct Grenzzustand_Ergebnis {
    double winkel;
    double t;
    Schnittgroessen kraefte;
    double norm;
    int iterationen;
    double lastfaktor;
    int status;
};

int Calc_Grenzzustand_Schnittgroessen(Querschnitt* section, const double* params, double lambda,
                                      Schnittgroessen* out);
// R becomes the forces about the context's reference point in its scaled
// units (Loeser_Skaliert), then a unit vector.
int Calc_Grenzzustand_Residuen(const double* params, Schnittgroessen* R, double* out);
int Calc_Grenzzustand_Winkelresiduen(const double* params, Schnittgroessen* R, double* out);
int Calc_Grenzzustand_Startwert(Querschnitt* section, const double* target, double* out,
                                double lambda, double ey, double ez);
int Calc_Grenzzustand_Parameter(Querschnitt* section, const double* target,
                                const Loeser_Toleranz* tolerance, double lambda,
                                const double* reference, double ey, double ez,
                                Grenzzustand_Ergebnis* result, int options);
int Calc_Grenzzustand_Skaliert(Querschnitt* section, const double* target, double lambda,
                               const Loeser_Toleranz* tolerance, Grenzzustand_Ergebnis* result,
                               int options);
void Grenzzustand_Parameter_Callback(int* n, double* x, double* fvec, double* fjac, int* ldfjac,
                                     int* iflag);
void Grenzzustand_Winkel_Callback(int* n, double* x, double* fvec, double* fjac, int* ldfjac,
                                  int* iflag);

// Probes shared with the ultimate load driver: reference point and the
// reference values R0..R3 of a target (moments about the section origin).
void Grenzzustand_Referenz(Querschnitt* section, const double* target, double lambda,
                           double* ey, double* ez, double* reference);
// Scales a target T whose size is below a thousandth of that of its
// reference values R up to that thousandth (by at most 1e6); returns the
// factor applied, by which the caller multiplies the load factor found.
double Grenzzustand_Ziel_Skalieren(double* target, const double* reference);

#endif
