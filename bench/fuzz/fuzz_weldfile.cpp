// Fuzz target: the weld and weld-group records. The first byte picks the
// reader; the rest is the record.
#include "fuzz_common.h"

#include "weldcheck/weldelem.h"
#include "weldcheck/weldfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    if (data[0] & 1) {
        NahtGruppe g;
        Clear_Weld_Group(&g);
        (void)Read_Weld_Group(f, &g);
    } else {
        NahtElement w;
        Clear_Weld(&w);
        (void)Read_Weld(f, &w);
    }
    std::fclose(f);
    return 0;
}
