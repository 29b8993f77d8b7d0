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

#endif
