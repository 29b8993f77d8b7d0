// Fuzz target: the material, plate and safety-factor blocks of the input
// files. The first byte picks the reader; the rest is the block.
#include "fuzz_common.h"

#include "codes/blech.h"
#include "codes/material.h"
#include "codes/sicherheit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    switch (data[0] % 3) {
    case 0: {
        Materialparameter_Record m;
        Clear_Material_Params(&m);
        (void)Read_Material_Params(f, &m);
        break;
    }
    case 1: {
        Blech_Record p;
        Clear_Plate(&p);
        (void)Read_Plate(f, &p);
        break;
    }
    default: {
        Sicherheitsbeiwerte_Record s;
        Clear_Safety_Factors(&s);
        (void)Read_Safety_Factors(f, &s);
        break;
    }
    }
    std::fclose(f);
    return 0;
}
