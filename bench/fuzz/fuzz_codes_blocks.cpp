// Fuzz target: the material, plate and safety-factor blocks of the input
// files. The first byte picks the reader; the rest is the block. What was
// read is then printed and checked, as the program does next, so a damaged
// value the reader let through shows up as well.
#include "fuzz_common.h"

#include "codes/blech.h"
#include "codes/material.h"
#include "codes/sicherheit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    static FILE* sink = std::fopen("/dev/null", "w");
    switch (data[0] % 3) {
    case 0: {
        Materialparameter_Record m;
        Clear_Material_Params(&m);
        if (Read_Material_Params(f, &m) == 0) {
            Print_Material_Params(&m, sink, 0x86, 1, "1");
            Print_Steel_Params_By_Thickness(&m, sink, 0x86, 1, "1");
            Print_Material_Params_Text(&m, sink, 0xFF, 1, "1");
            (void)Check_Material_Params(&m, 20.0, sink, 0, "x");
        }
        break;
    }
    case 1: {
        Blech_Record p;
        Clear_Plate(&p);
        if (Read_Plate(f, &p) == 0) {
            Print_Plate(&p, sink, 0xFF, 1, "1");
            (void)Check_Plate_And_Material(&p, sink, 0, 0xFF, "x");
        }
        break;
    }
    default: {
        Sicherheitsbeiwerte_Record s;
        Clear_Safety_Factors(&s);
        if (Read_Safety_Factors(f, &s) == 0) {
            Print_Safety_Factors(&s, sink, 0);
            (void)Check_Safety_Factors(&s, sink, 0);
        }
        break;
    }
    }
    std::fclose(f);
    return 0;
}
