// plane_solvers: the strain plane in equilibrium with given forces and the
// strain plane at the limit utilisation whose forces point along given
// forces, both by the hybrid method with analytic Jacobian, and the solver
// context their callbacks share.
//
// Unknowns x = (-e0, ky, kz) or, when the section's linear fields are in use,
// (-e0, ky, kz, w); results are polar planes with the angle in 0 .. 2 pi.
#ifndef SECTION_PLANE_SOLVERS_H
#define SECTION_PLANE_SOLVERS_H

#include "section/section_model.h"
#include "section/strain_plane.h"

// Null record: tolerance 1e-4, maxfev 100. The callbacks stop at a squared
// residual norm of tolerance²; the hybrid method gets 0.001 x tolerance.
struct Loeser_Toleranz {
    double toleranz;
    int maxfev;
};

struct Loeser_Kontext {
    Querschnitt* querschnitt;
    double lambda;
    double* ziel;              // the solver's scaled copy of the target (4)
    double ziel_kopie[4];
    double ey, ez;             // reference point of the moments
    double s[4];               // scale factors of N, My', Mz', B
    double basis[4][4];        // t, b1, b2, b3
    int basis_ok;
    double schwelle;           // stop threshold on the squared residual norm
    double rho;                // target utilisation
    double sicherheit;         // safety setting of the limit-load callback
    double log_grenzen[2];     // bounds of the logarithmic load factor
    double teiler_grenzen[2];  // bounds of the difference divisor
    int stufe;                 // residual form of the parameter search
    double w0, w1;
    int zaehler[2];            // residual and Jacobian evaluations
    int zaehlung;
};

// The one context of the program.
Loeser_Kontext* Get_Loeser_Kontext(void);
// The forces r about the context's reference point in its scaled units
// (N, M_y, M_z, B into f): what the solvers and the limit searches measure.
void Loeser_Skaliert(const Schnittgroessen& r, double f[4]);

struct Gleichgewicht_Ergebnis {
    double ebene[4];
    double norm;
    int iterationen;
    int status;
};

struct Grenzdehnung_Ergebnis {
    double ebene[4];
    Schnittgroessen kraefte;
    double norm;
    int iterationen;
    double lastfaktor;
    double rho;
    int status;
};

// Status: 0 stopped by the residual threshold (success); otherwise the
// hybrid method's info + 1.
int Calc_Dehnungsebene_Gleichgewicht(Querschnitt* section, const double* target,
                                     const Loeser_Toleranz* tolerance, double lambda,
                                     Gleichgewicht_Ergebnis* result, int options);
int Calc_Grenzebene_Kraftrichtung(Querschnitt* section, const double* target,
                                  const Loeser_Toleranz* tolerance, double lambda,
                                  const double* reference, double ey, double ez,
                                  Grenzdehnung_Ergebnis* result, int options, double rho);
void Set_Loeser_Basis(const double* target);
int Set_Loeser_Skalierung(const double* target);
int Calc_Startebene(const double* target, double* out);

void Gleichgewicht_Callback_3(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
void Gleichgewicht_Callback_4(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
void Kraftrichtung_Callback_3(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
void Kraftrichtung_Callback_4(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);
void Traglast_Callback(int* n, double* x, double* fvec, double* fjac, int* ldfjac, int* iflag);

void Reset_Loeser_Zaehler(void);
void Get_Loeser_Zaehler(int* residuals, int* jacobians);
int Set_Loeser_Zaehlung(int on);

// Helpers shared by the solvers of the section model.
// Polar plane of the unknowns (w = 0 for three unknowns).
void Loeser_Ebene(int n, const double* x, double* plane);
// Unknowns of a polar plane.
void Loeser_Variablen(int n, const double* plane, double* x);
// Largest ratio of strain to limit of a plane; 0 when it cannot be had.
int Loeser_Ausnutzung(Querschnitt* section, const double* plane, double* u);
// The safety factor of the steel strain: 1.75 from 3 per mille on, 2.1 for
// none or compression.
double Loeser_Sicherheit_Stahl(double steel_strain);
void Loeser_Zaehlen(int which);
// A callback that ends the solve at a trial point keeps that point here: the
// hybrid method hands back the previous iterate in that case. Merken stores
// it; Holen puts it into x and fvec when info says the callback ended the
// solve.
void Loeser_Stopp_Merken(int n, const double* x, const double* fvec);
void Loeser_Stopp_Holen(int n, int info, double* x, double* fvec);

#endif
