// The EN 1996 block of a national annex parameter set: the material partial
// factors gamma_M of masonry. This module holds the record, its recommended
// values and the variant set; its "#EC6" text form is read and written
// elsewhere, so a set without a reader keeps these values.
#ifndef CODES_NAD_EC6_H
#define CODES_NAD_EC6_H

struct NAD_EC6_Block {
    int variant;
    double gamma_M_persistent;  // 2.4.3(1) persistent and transient
    double gamma_M_accidental;  // 2.4.3(1) accidental
    double gamma_M_seismic;     // 2.4.3(1) seismic
    double gamma_M_ser;         // 2.4.4 serviceability
};

// variant 0 and 1.5, 1.5, 1.5, 1.0. Null ignored.
void Default_NAD_EC6(NAD_EC6_Block* b);
// variant 1 and 1.5, 1.3, 1.2, 1.0; returns b.
NAD_EC6_Block* Default_NAD_EC6_Variant1(NAD_EC6_Block* b);
void Set_NAD_EC6_Variant(NAD_EC6_Block* b, int variant);

#endif
