// limit_states: ultimate limit states of a reinforced section in five kinds
// (ultimate plane of a direction, check of given forces, load factor, safety
// against a load level, lever arm of the inner forces), each written into one
// result block with the plane, its forces, neutral axis, strain extremes and
// the strain and stress at every point of the section.
//
// Section in m, kN, per mille; directions in the block in degrees.
#ifndef SECTION_LIMIT_STATES_H
#define SECTION_LIMIT_STATES_H

#include "section/plane_solvers.h"

// Fields of the block: 0-2 set by the driver; 3-5 N, My, Mz about the
// centroid; 6 load factor; 7, 8 distances (kind 5) or 8 the plane's
// direction in degrees; 9 direction of the neutral axis in degrees; 10, 11 a
// point of it; 12 strain at the origin; 14-17 strain range (smallest
// two-sided, smallest and largest compression-only, largest two-sided); 18
// load level (kind 4); 20, 21 centroid; then the stresses and the strains at
// the points of the section.
enum {
    GZ_PUNKTE = 256,
    GZ_SPANNUNG = 22,
    GZ_DEHNUNG = GZ_SPANNUNG + GZ_PUNKTE,
    GZ_ANZAHL = GZ_DEHNUNG + GZ_PUNKTE,
};
struct Grenzzustand_Block {
    double v[GZ_ANZAHL];
};

// The limit-load result: the ultimate state at the found load level, the
// level and the safety factor; status bit 0x1000: an ultimate solve failed.
struct Traglast_Ergebnis {
    Grenzdehnung_Ergebnis g;
    double lambda;
    double gamma;
};
enum { TRAGLAST_FEHLER = 0x1000 };

// The first three arguments are not used.
int Set_Grenzzustand_Querschnitt(int a, int b, int c, Querschnitt* section, int reference, int reset);
int Release_Grenzzustand_Querschnitt(void);
// Kinds 1 and 5: input = (direction in degrees, parameter t, -, 1 for 16
// directions else 32); 2 and 3: (N, My, Mz); 4: (N, My, Mz, start load
// level, upper load level, c, given safety factor). Always 1; the block is
// cleared when the kind fails.
int Calc_Grenzzustand(int kind, const double* input, Grenzzustand_Block* result);

int Calc_Sicherheitsbeiwert(Querschnitt* section, const Grenzdehnung_Ergebnis* result, double gamma,
                            double* gamma_out, double* range_out);
int Calc_Gleichgewichtsebene(Querschnitt* section, const double* target, double* plane);
// Points beyond the block's 256 places are left out.
int Calc_Grenzzustand_Punktwerte(Querschnitt* section, const double* plane, Grenzzustand_Block* block);
// Kinds 1 and 5: input = (direction in radians, parameter t); the plane is
// taken in the nearest of `directions` (at least 1) evenly spaced around the
// circle.
int Calc_Grenzzustand_Richtung(Querschnitt* section, const double* input, int directions,
                               Grenzzustand_Block* block);
int Calc_Grenzzustand_Nachweis(Querschnitt* section, const double* target, Grenzzustand_Block* block);
int Calc_Grenzzustand_Lastfaktor(Querschnitt* section, const double* target, Grenzzustand_Block* block);
// limits = (start load level, upper load level, c, given safety factor).
int Calc_Grenzzustand_Sicherheit(Querschnitt* section, const double* target, const double* limits,
                                 Grenzzustand_Block* block);
// report = (section area, y, z of the point the moments are reported about).
int Calc_Grenzzustand_Sicherheit_Direkt(Querschnitt* section, const double* target, const double* limits,
                                        const double* report, Grenzzustand_Block* block);
int Calc_Grenzzustand_Hebelarm(Querschnitt* section, const double* input, int directions,
                               Grenzzustand_Block* block);
// out = the least and the greatest signed distance of the section's points
// from the neutral axis (direction, y, z) along its normal, the plane's
// direction: the extreme compression and tension fibres; 1 when found.
int Calc_Grenzzustand_Randpunkte(Querschnitt* section, const double* axis, double* out);
// The load level within the bounds at which the ultimate load factor f of
// the target is the safety factor gamma (|f / gamma - 1| <= 0.001); limits
// = (lower load level, upper load level, -, safety setting: not above 0
// takes gamma from the steel strain). 0 when there is none; status bit
// TRAGLAST_FEHLER when an ultimate solve failed.
int Calc_Traglast(Querschnitt* section, const double* target, const double* limits,
                  const Loeser_Toleranz* tolerance, Traglast_Ergebnis* result);
// Its Newton stage: from the result's plane and level, the plane and the
// level together at which the section at the utilisation 1 carries gamma
// times the target; 1 (status 0) when the solve reached its threshold.
int Calc_Traglast_Newton(Querschnitt* section, const double* target, const double* limits,
                         const Loeser_Toleranz* tolerance, Traglast_Ergebnis* result);

#endif
