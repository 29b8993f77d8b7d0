// Recommended values and the variant set of the EN 1996 block.
#include "codes/nad_ec6.h"

#include <cmath>

#include "codes/nad_text.h"

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

int Write_NAD_EC6(FILE* f, const NAD_EC6_Block* b) {
    if (!f || !b) return 0;
    std::fprintf(f, " %d\n %d\n", 1, b->variant);
    std::fprintf(f, " %lf %lf %lf %lf\n", b->gamma_M_persistent, b->gamma_M_accidental, b->gamma_M_seismic,
                 b->gamma_M_ser);
    return ferror(f) ? 0 : 1;
}

// A short section must not leave a factor of 0 behind (a material partial
// factor of 0 would make every resistance infinite): whatever the text
// does not give keeps its recommended value.
int Read_NAD_EC6(FILE* f, NAD_EC6_Block* b) {
    if (!f || !b) return 0;
    Default_NAD_EC6(b);
    NAD_Text_Reader r{f, 1};
    int v = 0;
    NAD_Read_Int(&r, &v);
    NAD_Read_Int(&r, &b->variant);
    if (!r.ok || v < 1) return r.ok;
    NAD_Read_Double(&r, &b->gamma_M_persistent);
    NAD_Read_Double(&r, &b->gamma_M_accidental);
    NAD_Read_Double(&r, &b->gamma_M_seismic);
    NAD_Read_Double(&r, &b->gamma_M_ser);
    return r.ok;
}

static int near(double a, double b) { return std::fabs(a - b) <= 0.0001; }

int Compare_NAD_EC6(const NAD_EC6_Block* a, const NAD_EC6_Block* b) {
    return a && b && a->variant == b->variant && near(a->gamma_M_persistent, b->gamma_M_persistent) &&
           near(a->gamma_M_accidental, b->gamma_M_accidental) && near(a->gamma_M_seismic, b->gamma_M_seismic) &&
           near(a->gamma_M_ser, b->gamma_M_ser);
}

void Copy_NAD_EC6(NAD_EC6_Block* dst, const NAD_EC6_Block* src) {
    if (dst && src) *dst = *src;
}
