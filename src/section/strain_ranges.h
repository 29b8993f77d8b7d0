// strain_ranges: the strain range of a section for a plane or a direction,
// the use of the strain limits by a plane, the convex hull of the fibres'
// limit points and the one-parameter family of ultimate strain planes.
//
// Every routine looks along a direction by turning the section's placement
// for the duration of the call; the placement is the same afterwards.
#ifndef SECTION_STRAIN_RANGES_H
#define SECTION_STRAIN_RANGES_H

#include "section/section_model.h"

// Strain range record: direction; smallest and largest strain of the
// compression-only groups; the same of the two-sided groups; then the
// transformed y of these four extremes.
enum {
    DB_RICHTUNG = 0, DB_BETON_MIN = 1, DB_BETON_MAX = 2, DB_STAHL_MIN = 3, DB_STAHL_MAX = 4,
    DB_Y_BETON_MIN = 5, DB_Y_BETON_MAX = 6, DB_Y_STAHL_MIN = 7, DB_Y_STAHL_MAX = 8, DB_ANZAHL = 9
};

// One limit point of the hull: transformed y, limit strain, class word,
// group.
struct Huellpunkt {
    double y, grenze;
    unsigned wort;
    const Querschnittsgruppe* gruppe;
};

// Why the last build of a hull failed.
enum {
    HUELLE_OK = 0,
    HUELLE_KEINE_DIAGONALE = 1,  // no upper point lies beyond a lower one in the direction
    HUELLE_DRUCK_UEBER_ZUG = 2,  // the diagonal's lower limit is not below its upper one
};

// The hull cache of a section (one block: the record, then its arrays).
struct Querschnitt_Huelle {
    double winkel;
    unsigned wort;
    Huellpunkt* druck;  // compression (lower) points, then their hull
    Huellpunkt* zug;    // tension (upper) points, then their hull
    double* druck_steigung;
    double* zug_steigung;
    double k_start, k_diagonale, k_ende;
    int kapazitaet;
    int n_druck, n_zug;
    int druck_erster, druck_letzter, zug_erster, zug_letzter;
    int fehler;  // HUELLE_*
};

// Adds one group (curve of law kind 1 or 2) to the range; always 1.
int Calc_Gruppe_Dehnungsbereich(Querschnitt* section, const double* plane,
                                Querschnittsgruppe* group, double* range);
// 1 when every group was added; 0 for a missing argument.
int Calc_Querschnitt_Dehnungsbereich(Querschnitt* section, const double* plane, double* range);
int Calc_Querschnitt_Dehnungsbereich_Richtung(Querschnitt* section, double direction,
                                              double* range);
// out = (direction, smallest, largest ratio of strain to limit); the largest
// is the plane's utilisation. 0 for a missing argument or a failed range.
int Calc_Dehnungsausnutzung(Querschnitt* section, const double* plane, double* out);
// Builds the hull cache of the current placement: 1, or 0 when the cache
// cannot be had (none then), a member of a group is missing, the point
// arrays are full, or the family has no diagonal (the cache then keeps its
// points and says why in fehler; the section's hull is not marked valid).
int Convex_Hull(Querschnitt* section);
int Update_Querschnitt_Huelle(Querschnitt* section);
// in = (direction, t in 0 .. 33); out polar (direction, e0, k, 0); 0 (out
// (direction, 0, 0, 0)) when an argument is missing or the hull fails.
int Calc_Grenzdehnungsebene_Huelle(Querschnitt* section, const double* in, double* out);
// in = (direction, strain at the first fibre, strain at the second fibre);
// options 0x2: first fibre at the two-sided groups' least y (else the
// compression-only groups'), 0x10: second fibre at the two-sided groups'
// greatest y (else the compression-only groups').
int Calc_Dehnungsebene_Zwei_Fasern(Querschnitt* section, const double* in, int options,
                                   double* out);
// out = the ultimate plane (4) and its resultants N, My, Mz, B at factor 1.
int Calc_Grenzdehnungsebene_Auswertung(Querschnitt* section, const double* in, double* out);
int Calc_Grenzdehnungsebene(Querschnitt* section, const double* in, double* out);
// out = derivatives of the Cartesian plane (e0, ky, kz, w) by the direction
// (4 values), then by the parameter (4 values).
int Calc_Grenzdehnungsebene_Ableitung(Querschnitt* section, const double* in, double h,
                                      double* out);

#endif
