// Recommended values of the EN 1999 block.
#include "codes/nad_ec9.h"

void Default_NAD_EC9(NAD_EC9_Block* b) {
    if (!b) return;
    b->variant = 0;
    b->version = 4;
    b->gamma_M0 = 1.10;
    b->gamma_M1 = 1.10;
    b->gamma_M2 = 1.25;
    b->gamma_Mp = 1.25;
    b->gamma_Mw = 1.25;
    b->gamma_Ms_ser = 1.10;
    b->gamma_Ms_ult = 1.25;
    b->gamma_Ma = 3.0;
    b->gamma_Mp_ser = 1.0;
    b->C = 1.2;
}

NAD_EC9_Block* Default_NAD_EC9_Variant1(NAD_EC9_Block* b) {
    Default_NAD_EC9(b);
    if (b) b->variant = 1;
    return b;
}

void Set_NAD_EC9_Variant(NAD_EC9_Block* b, int variant) {
    if (b) b->variant = variant;
}
