// catalogue_plausibility: the check of a catalogue record's section values
// against its own dimensions.
//
// A catalogue record carries both the dimensions of a profile and its
// section values; one damaged value (a flipped bit in I_y, a doubled area,
// a halved flange) would otherwise reach the checks unseen and could make a
// failing connection pass. The outline of the record's family, worked out
// from its dimensions with its root and toe radii, its corner radii and the
// slope of its flanges, must give A, I_y and I_z within
// CATALOGUE_OUTLINE_TOLERANCE of the stored values. Families without an
// outline here (zed and unknown letters) are not judged.
//
// Units are those of the records: cm, cm², cm⁴. Pure functions, no state.
#ifndef PROFILES_CATALOGUE_PLAUSIBILITY_H
#define PROFILES_CATALOGUE_PLAUSIBILITY_H

// What the outline of a record needs. For angles, hollow sections and tubes
// t_w is the wall; for tubes and round bars h is the diameter; for flat bars
// h is the thickness and b the width.
struct Catalogue_Outline {
    char letter;             // 'D', 'T', 'U', 'L', 'R', 'K', 'E', 'F', 'O'
    double h, b, t_w, t_f;
    double r_1, r_2;         // root and toe radius; hollow sections: outside and inside corner
    double slope;            // rise of a sloped inner flange face per unit run; 0 for parallel flanges
    double nominal_from_tip; // distance from the flange tip at which t_f holds
};

// The section values of the outline: A, and I_y, I_z about the horizontal
// and vertical axes through the centroid (the profile upright as the
// catalogue draws it). 1 when worked out; 0 when the family has no outline
// here or the dimensions make none (a dimension not above 0, a web not
// narrower than the flange, walls that meet, a flange tip of no thickness).
int Catalogue_Outline_Values(const Catalogue_Outline* outline, double* A, double* I_y, double* I_z);

// Stored values of a record may differ from the outline by this share of the
// outline's value: the published tables round, and the outline takes fillets
// as quarter circles at right-angled corners.
constexpr double CATALOGUE_OUTLINE_TOLERANCE = 0.05;

// The first stored value of a record that disagrees with its dimensions.
struct Catalogue_Disagreement {
    int value;        // index of the value in the record's own order; -1 when none disagrees
    double stored;    // the value as stored
    double expected;  // what the dimensions give
};

// Judges a record of the profile file PROFIL (35 values, data/README order)
// or of the profile manager's ProfilData.bin (39 values, one place further
// from value 9 on, with the flange slope in per cent as value 37). Letters
// without an outline here give no disagreement.
Catalogue_Disagreement Check_Profil_Outline(char letter, const float* values);
Catalogue_Disagreement Check_ProfilData_Outline(char letter, int code, const float* values);

#endif
