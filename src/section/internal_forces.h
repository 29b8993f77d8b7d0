// internal_forces: the internal forces of a section from a strain plane,
// with their tangent stiffness, and small companions (plane and force
// transformations between placements, strain at a point, neutral axis,
// tension and compression resultants, node extent, stress of a law).
//
// Planes are polar (phi, e0, k, w): strain e0 + k (y cos phi + z sin phi).
// N = integral of sigma dA, My = integral of sigma z dA, Mz = -integral of
// sigma y dA; a force N at (y, z) gives My = N z and Mz = -N y.
#ifndef SECTION_INTERNAL_FORCES_H
#define SECTION_INTERNAL_FORCES_H

#include "section/section_model.h"
#include "section/strain_plane.h"

// Forces of the whole section at load factor lambda (lambda scales only
// flagged groups of steel-kind curves). 1, or 0 for a missing argument or a
// failed group (out still written; zeros for a missing section or plane).
int Calc_Schnittgroessen_Aus_Dehnung(Querschnitt* section, const double* plane, double lambda,
                                     Schnittgroessen* out);
int Calc_Schnittgroessen(Querschnitt* section, const double* plane, Schnittgroessen* out,
                         double lambda);
int Calc_Schnittgroessen_Steifigkeit(Querschnitt* section, const double* plane, double lambda,
                                     Schnittgroessen_Steifigkeit* out);
// One group with the given curve and weight, added into sum.
int Calc_Gruppe_Schnittgroessen(Querschnitt* section, Spannungsdehnungslinie* curve,
                                const double* plane, Querschnittsgruppe* group, double weight,
                                Schnittgroessen_Steifigkeit* sum, int options);
int Add_Schnittgroessen(const Schnittgroessen* a, const Schnittgroessen* b, Schnittgroessen* out);
int Add_Schnittgroessen_Steifigkeit(const Schnittgroessen_Steifigkeit* a,
                                    const Schnittgroessen_Steifigkeit* b,
                                    Schnittgroessen_Steifigkeit* out);
// Option bit 0: the placement is inverted first. out may equal the input.
int Dehnungsebene_Transformieren(const double* plane, double y0, double z0, double alpha,
                                 double* out, int options);
int Dehnungsebene_Transformieren_Vektor(const double* plane, const double* placement, double* out,
                                        int options);
int Schnittgroessen_Transformieren(const Schnittgroessen* forces, double y0, double z0,
                                   double alpha, Schnittgroessen* out, int options);
int Schnittgroessen_Transformieren_Vektor(const Schnittgroessen* forces, const double* placement,
                                          Schnittgroessen* out, int options);
int Schnittgroessen_Ruecktransformieren(const Schnittgroessen* forces, double y0, double z0,
                                        double alpha, Schnittgroessen* out, int options);
int Schnittgroessen_Ruecktransformieren_Vektor(const Schnittgroessen* forces,
                                               const double* placement, Schnittgroessen* out,
                                               int options);
// out = (direction of the neutral axis, foot of the perpendicular from the
// origin y, z). A plane without curvature and strain has no axis: distance 0.
int Calc_Nulllinie(const Querschnitt* section, const double* plane, double* out);
int Calc_Punkt_Dehnung(const Querschnitt* section, const double* plane, double y, double z,
                       double* out);
// out = N of the tension side and its point y, z; then the same for the
// compression side.
int Calc_Zug_Druck_Resultierende(Querschnitt* section, const double* plane, double lambda,
                                 double* out);
int Calc_Knoten_Ausdehnung(const Querschnitt* section, double* out, int transformed);
// Stress of the curve at a strain (prepared on a copy with default options).
int Calc_Linie_Spannung(const Spannungsdehnungslinie* curve, double strain, double* out);
// Stress and tangent of a prepared law, both times factor.
int Calc_Linie_Spannung_Tangente(const Spannungsdehnungslinie* law, double factor, double strain,
                                 double* stress_out, double* tangent_out);

#endif
