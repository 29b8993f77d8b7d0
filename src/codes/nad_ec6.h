// The EN 1996 block of a national annex parameter set: the material partial
// factors gamma_M of masonry: the record, its recommended values, the
// variant set, its "#EC6" text form, comparison and copy.
#ifndef CODES_NAD_EC6_H
#define CODES_NAD_EC6_H

#include <cstdio>

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

// Writes the block text (layout 1). 1, or 0 for a null argument or a failed
// write.
int Write_NAD_EC6(FILE* f, const NAD_EC6_Block* b);
// Recommended values, then the text over them: layout version and variant
// (a layout below 1 ends the reading), the three gamma_M of 2.4.3 and
// gamma_M of 2.4.4; what does not convert keeps its recommended value.
// Returns 1 when the text held what its layout announces, 0 when it broke
// off (or an argument is null).
int Read_NAD_EC6(FILE* f, NAD_EC6_Block* b);
// 1 when both are present, the variants equal and each factor within
// 0.0001; else 0.
int Compare_NAD_EC6(const NAD_EC6_Block* a, const NAD_EC6_Block* b);
void Copy_NAD_EC6(NAD_EC6_Block* dst, const NAD_EC6_Block* src);

#endif
