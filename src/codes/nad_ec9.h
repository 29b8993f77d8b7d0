// The EN 1999 block of a national annex parameter set: the partial factors
// of aluminium structures and the constant C of the yield criterion: the
// record, its recommended values, its "#EC9" text form, comparison and copy.
#ifndef CODES_NAD_EC9_H
#define CODES_NAD_EC9_H

#include <cstdio>

struct NAD_EC9_Block {
    int variant;
    int version;          // 4 current
    double gamma_M0;      // 6.1.3(1) cross-sections
    double gamma_M1;      // 6.1.3(1) instability
    double gamma_M2;      // 6.1.3(1) fracture in tension
    double gamma_Mp;      // 8.1.1(2) pin connections
    double gamma_Mw;      // 8.1.1(2) welded connections
    double gamma_Ms_ser;  // 8.1.1(2) friction, serviceability
    double gamma_Ms_ult;  // 8.1.1(2) friction, ultimate
    double gamma_Ma;      // 8.1.1(2) adhesively bonded
    double gamma_Mp_ser;  // 8.1.1(2) pins, serviceability
    double C;             // 6.2.1(5) constant of Eq. (6.15)
};

// variant 0, version 4 and the recommended values. Null ignored.
void Default_NAD_EC9(NAD_EC9_Block* b);
// As Default_NAD_EC9 with variant 1; returns b.
NAD_EC9_Block* Default_NAD_EC9_Variant1(NAD_EC9_Block* b);
void Set_NAD_EC9_Variant(NAD_EC9_Block* b, int variant);

// Writes the block text (layout 4). 1, or 0 for a null argument or a failed
// write.
int Write_NAD_EC9(FILE* f, const NAD_EC9_Block* b);
// Recommended values, then the text over them by its layout version (kept
// in version; below 1 nothing more is read). What does not convert keeps
// its recommended value. Returns 1 when the text held what its layout
// announces, 0 when it broke off (or an argument is null).
int Read_NAD_EC9(FILE* f, NAD_EC9_Block* b);
// 1 when both are present, the variants equal and each factor within
// 0.0001 (the version is not compared); else 0.
int Compare_NAD_EC9(const NAD_EC9_Block* a, const NAD_EC9_Block* b);
// Copies the variant and the factors, not the version; nothing for null.
void Copy_NAD_EC9(NAD_EC9_Block* dst, const NAD_EC9_Block* src);

#endif
