// catalogue_plausibility: the check of a catalogue record's section values
// against its own dimensions.
//
// A catalogue record carries both the dimensions of a profile and its
// section values; one damaged value (a flipped bit in I_y, a doubled
// principal moment, a halved centroid distance or torsion constant) would
// otherwise reach the checks unseen and could make a failing connection
// pass. The outline of the record's family is worked out from its
// dimensions with its root and toe radii, its corner radii and the slope of
// its flanges, and every section value that a reader of the catalogue takes
// from the record must agree with it: area, centroid, second moments about
// the axes and the principal axes with their angle, the elastic moduli at
// the extreme fibres, the plastic moduli, and the torsion and warping
// constants within the band that the published tables span about their own
// formulas. Each value is held as closely as the tables of its family and
// series agree with the outline (the measured spread is written down where
// the tolerances are defined). The record is held to what its designation
// states as well (catalogue_designation.h): another size's values under the
// name are refused. Unknown family letters are not judged here: a reader
// refuses such a record (Is_Catalogue_Family_Letter).
//
// Units are those of the records: cm, cm², cm³, cm⁴, cm⁶. Pure functions, no
// state.
#ifndef PROFILES_CATALOGUE_PLAUSIBILITY_H
#define PROFILES_CATALOGUE_PLAUSIBILITY_H

#include "profiles/catalogue_outline.h"

// The stored value of a record that does not fit the others. A record's
// values tie each other: the section values follow from the dimensions, and
// the dimensions keep the rules of their family's standards (a tube is as
// wide as it is high, an angle's toe radius is half its root radius, a
// hollow section's corner radii go with its wall, a flange slope is one the
// standards give). The value named is the one which, set to what the others
// give, makes the whole record agree; where several values each would, they are
// named (up to three), the likelier first.
// A designation states sizes too (catalogue_designation.h): a record that
// holds another size's values under the name, however well they agree
// among themselves, disagrees with it (by_designation) and is named by the
// value which, set to the size the designation gives (its area following
// its outline), makes every size agree; a record off in several is named by
// the first size it contradicts, a sum of two (h - 2 t_f) by the one of
// them contradicted on its own as well. A designation of another family
// names the type letter (value CATALOGUE_TYPE_LETTER, stored and expected
// the two letters).
enum { CATALOGUE_TYPE_LETTER = -2 };
struct Catalogue_Disagreement {
    int value;        // index of the value in the record's own order; -1 when none disagrees
    double stored;    // the value as stored
    double expected;  // what the other values give (the nearer end of a range); not a number when
                      // the value is a dimension that makes no outline and no other value tells it
    // Values that would make the record agree as well (index -1: none),
    // when the record cannot tell which of them is damaged.
    int also[2] = {-1, -1};
    double also_stored[2] = {0, 0}, also_expected[2] = {0, 0};
    bool by_designation = false;  // the value is not what the designation states
};

// Judges a record of the profile file PROFIL (35 values, data/README order)
// or of the profile manager's ProfilData.bin (39 values, one place further
// from value 9 on, with the flange slope in per cent as value 37 and
// PROFIL's value 27 as value 29, either where given: see
// Complete_ProfilData_Flanges). Letters without an outline here
// give no disagreement. The designation (name, or null when not known)
// tells the series whose tables the values come from (the American shapes
// W, S, M, HP and C are held more loosely) and the sizes the record must
// have (catalogue_designation.h; a ProfilData.bin record's alias as well);
// a record of unknown designation is held by the row of each series whose
// shape it has, one at a time. The values tie among themselves besides
// (Section_Value_Ties, catalogue_ties.h).
// Finding the value costs a few hundred outlines: a reader asks the
// *_Agrees functions first.
Catalogue_Disagreement Check_Profil_Outline(char letter, const float* values, const char* name = nullptr);
// The outline of a PROFIL record as that judgement reads it: dimensions and
// radii of the record, the slope of sloped flanges from value 27 with t_f
// standing at a fixed share of the width (double-T and tees b/4 from the
// tip, channels b/2). 1 for the families with a polygon outline (D, T, U,
// L, R, Z), 0 for the others and for null arguments; *outline is filled
// whenever both arguments are given.
int Catalogue_Record_Outline(char letter, const float* values, Catalogue_Outline* outline);
Catalogue_Disagreement Check_ProfilData_Outline(char letter, int code, const float* values,
                                                const char* name = nullptr, const char* alias = nullptr);
// A ProfilData.bin record of a double-T, tee or channel tells its flanges'
// slope by value 37 (the inner face's slope in per cent; 0 for parallel
// flanges or none given) and by value 29 (PROFIL's value 27: t_f + r_1 +
// the slope's rise from where t_f stands to where the root fillet begins),
// either of which a file may leave out (0 or below). The judgement reads
// the slope from value 37, else from value 29, else from the slope the
// designation states, else from the standard slope the record's values fit
// (parallel flanges where they fit those). This fills in the one left out,
// so that every reader of the record sees the flanges it was judged with:
// value 37 with that slope, value 29 as PROFIL's value 27 (where the
// flange's run from t_f to its root fillet is long enough to tell it). The
// readers call it for a record they have judged and taken (a refused one
// is of no use whatever it holds); parallel flanges keep value 37 at 0 and
// get value 29 as t_f + r_1. 1 when a value
// was filled in; 0 when none was (both given, a slope untold and not
// fitted, another family, values not all numbers, null values).
int Complete_ProfilData_Flanges(char letter, int code, float* values, const char* name = nullptr,
                                const char* alias = nullptr);
// 1 when the record agrees with its dimensions or its family is not judged,
// else 0; as quick as one or two outlines.
int Profil_Outline_Agrees(char letter, const float* values, const char* name = nullptr);
int ProfilData_Outline_Agrees(char letter, int code, const float* values, const char* name = nullptr,
                              const char* alias = nullptr);

#endif
