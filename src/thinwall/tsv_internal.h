// What the partial-internal-forces modules share among themselves; not for
// callers outside src/thinwall.
#ifndef THINWALL_TSV_INTERNAL_H
#define THINWALL_TSV_INTERNAL_H

// The family code of the catalogue name behind the name record's leading
// character, through the installed profile services; 0 without them.
int TSV_Catalogue_Family(const char* name);

// The dimensions and plates of a section are kept in single-precision
// slots (the catalogue's values, the work record's); they stand for decimal
// numbers. A value read for the method is the shortest decimal its float
// stands for, taken in double: forces computed from the section's own
// dimensions (M = M_pl) then meet the limit they were computed on, not one
// the float's last bits moved.
double TSV_Decimal(float value);

// Payload positions of the shear areas behind the plate description and its
// shape factors (cm²; 0: the plates' own), as the section record takes them.
enum {
    TSV_PAYLOAD_SHEAR_WEB = 16,
    TSV_PAYLOAD_SHEAR_WEB_IN_FLANGES = 17,
    TSV_PAYLOAD_SHEAR_FLANGES = 18,
    TSV_PAYLOAD_COUNT = 19,
};

// The limit-factor search of Calc_TSV on a trial function: evaluate gives
// the utilisation the forces times lambda stand for (the overall U where
// every stage passed, else the largest stage utilisation) and whether
// every stage passed. The search starts from the forces as given (u0,
// passed0) and finds the largest factor they are carried at; a trial that
// stops at a stage is never carried, whatever utilisation it reads.
struct TSV_Trial {
    double (*evaluate)(void* context, double lambda, bool* passed);
    void* context;
};
struct TSV_Limit_Factor {
    double factor;    // the limit factor, or the last carried one where the search gave up
    bool has_factor;  // false: the search found no factor above 0
    bool converged;   // false: the search gave up
};
TSV_Limit_Factor Search_TSV_Limit_Factor(const TSV_Trial* trial, double u0, bool passed0);
// The utilisation U of the forces as given after the search: the larger
// of U and 1 / factor where the search converged, 1 / factor where both are
// beyond the limit; forces that stop at a stage (*filled false) take 1 /
// factor only where it is at least 1 (*filled then true).
double TSV_Searched_U(double U, bool* filled, const TSV_Limit_Factor* found);

#endif
