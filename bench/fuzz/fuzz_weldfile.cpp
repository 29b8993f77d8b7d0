// Fuzz target: the weld and weld-group records. The first byte picks the
// reader; the rest is the record. A record that was read is printed and
// checked, as the program does next.
#include "fuzz_common.h"

#include "weldcheck/weldelem.h"
#include "weldcheck/weldfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    static FILE* sink = std::fopen("/dev/null", "w");
    if (data[0] & 1) {
        NahtGruppe g;
        Clear_Weld_Group(&g);
        if (Read_Weld_Group(f, &g) == 0) {
            Print_Connection_Headings(&g, sink, 2);
            (void)Calc_Weld_Shear_Strength_Checked(&g, sink, 2);
        }
    } else {
        NahtElement w;
        Clear_Weld(&w);
        if (Read_Weld(f, &w) == 0) {
            for (int mode = 0; mode < 4; ++mode) (void)Print_Weld_Description(&w, mode & 1, mode >> 1, sink, mode);
        }
    }
    std::fclose(f);
    return 0;
}
