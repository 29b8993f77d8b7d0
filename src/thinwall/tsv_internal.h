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

#endif
