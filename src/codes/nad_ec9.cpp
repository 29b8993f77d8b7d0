// Recommended values of the EN 1999 block.
#include "codes/nad_ec9.h"

#include <cmath>

#include "codes/nad_text.h"

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

int Write_NAD_EC9(FILE* f, const NAD_EC9_Block* b) {
    if (!f || !b) return 0;
    std::fprintf(f, " %d\n %d\n", 4, b->variant);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->gamma_M0, b->gamma_M1, b->gamma_M2, b->gamma_Mp,
                 b->gamma_Mw, b->gamma_Ms_ser, b->gamma_Ms_ult, b->gamma_Ma, b->gamma_Mp_ser);
    std::fprintf(f, " %lf\n", b->C);
    return ferror(f) ? 0 : 1;
}

int Read_NAD_EC9(FILE* f, NAD_EC9_Block* b) {
    if (!f || !b) return 0;
    Default_NAD_EC9(b);
    NAD_Text_Reader r{f, 1};
    int v = 0;
    NAD_Read_Int(&r, &v);
    NAD_Read_Int(&r, &b->variant);
    if (!r.ok) return 0;
    b->version = v;
    if (v < 1) return 1;
    NAD_Read_Double(&r, &b->gamma_M0);
    if (v >= 4) {
        NAD_Read_Double(&r, &b->gamma_M1);
    } else if (r.ok) {
        b->gamma_M1 = b->gamma_M0;  // one factor for both in these layouts
    }
    NAD_Read_Double(&r, &b->gamma_M2);
    NAD_Read_Double(&r, &b->gamma_Mp);
    if (v < 2) return r.ok;
    double* more[] = {&b->gamma_Mw, &b->gamma_Ms_ser, &b->gamma_Ms_ult, &b->gamma_Ma, &b->gamma_Mp_ser};
    for (double* p : more) NAD_Read_Double(&r, p);
    if (v >= 3) NAD_Read_Double(&r, &b->C);
    return r.ok;
}

static int near(double a, double b) { return std::fabs(a - b) <= 0.0001; }

int Compare_NAD_EC9(const NAD_EC9_Block* a, const NAD_EC9_Block* b) {
    return a && b && a->variant == b->variant && near(a->gamma_M0, b->gamma_M0) && near(a->gamma_M1, b->gamma_M1) &&
           near(a->gamma_M2, b->gamma_M2) && near(a->gamma_Mp, b->gamma_Mp) && near(a->gamma_Mw, b->gamma_Mw) &&
           near(a->gamma_Ms_ser, b->gamma_Ms_ser) && near(a->gamma_Ms_ult, b->gamma_Ms_ult) &&
           near(a->gamma_Ma, b->gamma_Ma) && near(a->gamma_Mp_ser, b->gamma_Mp_ser) && near(a->C, b->C);
}

void Copy_NAD_EC9(NAD_EC9_Block* dst, const NAD_EC9_Block* src) {
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}
