// Helpers shared by the modules of the section model, not called from
// outside it.
#ifndef SECTION_SECTION_INTERNAL_H
#define SECTION_SECTION_INTERNAL_H

#include "section/section_model.h"

// Frees the section even when it is flagged static: for objects that a failed
// creation or read never handed out.
void Free_Querschnitt_Erzwungen(Querschnitt* section);

// Stress (and tangent, either may be null) of one segment at strain e; an
// empty segment (kind below 0) gives 0, 0.
void Segment_Spannung(const Spannungsdehnungslinie_Segment* seg, double e, double* stress,
                      double* tangent);

// The segment serving strain e: the first used one whose end is at least e;
// null above the last one.
const Spannungsdehnungslinie_Segment* Finde_Segment(const Spannungsdehnungslinie* curve, double e);

// Strain limits of a curve, as Get_Spannungsdehnungslinie_Grenzen (1: only
// compression carries stress beyond the tension plateau; 2: two-sided).
int Kurven_Klasse(const Spannungsdehnungslinie* curve, double* lower, double* upper);

// Adds to the polar plane eff the group's field, placed like the section
// and scaled by f; returns the placed field.
Querschnittsgruppe_Feld Feld_Addieren(const Querschnitt* section, const Querschnittsgruppe* group, double f, double* eff);
// Adds to eff the pre-strain plane vd of a curve (scaled by
// Vordehnung_Faktor), which belongs to the section's own axes, expressed in
// the current placement. 0, eff untouched, for a pre-strain without
// curvature.
int Vordehnung_Addieren(const Querschnitt* section, const double* vd, double* eff);

#endif
