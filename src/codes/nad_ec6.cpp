// Recommended values and the variant set of the EN 1996 block.
#include "codes/nad_ec6.h"

static void fill(NAD_EC6_Block* b, int variant, double p, double a, double s, double ser) {
    b->variant = variant;
    b->gamma_M_persistent = p;
    b->gamma_M_accidental = a;
    b->gamma_M_seismic = s;
    b->gamma_M_ser = ser;
}

void Default_NAD_EC6(NAD_EC6_Block* b) {
    if (b) fill(b, 0, 1.5, 1.5, 1.5, 1.0);
}

NAD_EC6_Block* Default_NAD_EC6_Variant1(NAD_EC6_Block* b) {
    if (b) fill(b, 1, 1.5, 1.3, 1.2, 1.0);
    return b;
}

void Set_NAD_EC6_Variant(NAD_EC6_Block* b, int variant) {
    if (b) b->variant = variant;
}
