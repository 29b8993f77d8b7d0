// strain_plane: the strain plane of the section analysis in its two forms,
// the groups' linear strain fields, the analysis mode word and factor block,
// and the four integration kernels that integrate the stresses of one group
// for the strain line of its prepared curve.
//
// Cartesian plane: (e0, ky, kz, w); polar plane: (angle, e0, k, w) with the
// angle in 0 .. 2 pi and k not negative. Strain at (y, z) of a group:
// e0 + ky y + kz z - w (a + b y + c z) plus the curve's pre-strain.
#ifndef SECTION_STRAIN_PLANE_H
#define SECTION_STRAIN_PLANE_H

#include "section/section_model.h"

enum { QS_MODUS_FELDER = 0x10000, QG_FELD_AKTIV = 0x10000 };

// N, My, Mz and the work B of the stresses on the groups' linear fields.
struct Schnittgroessen {
    double N, My, Mz, B;
};

// The forces and d[j][i] = d force i / d variable j, variables (e0, ky, kz, w).
struct Schnittgroessen_Steifigkeit {
    Schnittgroessen s;
    double d[4][4];
};

unsigned int Get_Querschnitt_Modus(void);
void Set_Querschnitt_Modus(unsigned int word);

// Copies the four factors and switches them on; null switches them off
// (1, 1, 1, 1).
void Set_Querschnitt_Faktoren(const double* factors);
// Copies the factors into out (when given); returns out, or null while the
// factors are off; with a null out returns the internal block or null.
const double* Get_Querschnitt_Faktoren(double* out);
int Scale_By_Querschnitt_Faktoren(double* v);
void Scale_Vektor4(double* v, const double* f);

int Dehnungsebene_To_Polar(const double* cartesian, double* polar);
int Dehnungsebene_From_Polar(const double* polar, double* cartesian);
// Polar form of -f (p, q, r); w = 0.
int Dehnungsebene_Polar_Aus_Vektor(const double* v, double f, double* polar);
// Polar form of the sum of two polar planes (null counts as zero); the angle
// is atan2 without a shift, 0 when k is 0. 0 only for a null result.
int Dehnungsebene_Polar_Summe(const double* p, const double* q, double* result);

int Transform_Gruppe_Feld(const Querschnittsgruppe_Feld* field, double y0, double z0,
                          double angle, Querschnittsgruppe_Feld* out);
double Get_Gruppe_Feldwert(const Querschnittsgruppe_Feld* field, double y, double z);
int Is_Gruppe_Feld_Aktiv(const Querschnittsgruppe_Feld* field);
int Has_Querschnitt_Felder(const Querschnitt* section);
// Smallest and largest transformed y of the group; 0 when it has no members.
int Get_Gruppe_Ausdehnung(const Querschnittsgruppe* group, double* min, double* max);

// Kernels: add the group's contribution for the strain line e0 + k yt of the
// curve's prepared plane (its angle taken as 0) into out, scaled by factor.
// Option bit 0 forces, bit 1 tangent stiffness. Always 1. Area edges must run
// round the area consistently: counter-clockwise in (y, z) adds positively.
int Integriere_Linien(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                      Schnittgroessen_Steifigkeit* out, double factor, int options);
int Integriere_Kreis(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                     Schnittgroessen_Steifigkeit* out, double factor, int options);
int Integriere_Flaeche(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                       const Querschnittsgruppe_Feld* field, Schnittgroessen_Steifigkeit* out,
                       double factor, int options);
int Integriere_Punkte(const Spannungsdehnungslinie* curve, const Querschnittsgruppe* group,
                      const Querschnittsgruppe_Feld* field, Schnittgroessen_Steifigkeit* out,
                      double factor, int options);

#endif
