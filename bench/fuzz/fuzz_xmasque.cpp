// Fuzz target: the section mask reader. A section that was read is written
// again, dumped, and its internal forces are computed for a bent plane, as
// a caller would do next.
#include "fuzz_common.h"

#include "section/internal_forces.h"
#include "section/xmasque.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    static FILE* sink = std::fopen("/dev/null", "w");
    Querschnitt* q = Read_Querschnitt(f);
    std::fclose(f);
    if (!q) return 0;
    (void)Write_Querschnitt(sink, q);
    Print_Querschnitt(sink, q);
    const double plane[4] = {0.7, -0.5, 3.0, 0};
    Schnittgroessen_Steifigkeit s;
    (void)Calc_Schnittgroessen_Steifigkeit(q, plane, 1.0, &s);
    double zd[6];
    (void)Calc_Zug_Druck_Resultierende(q, plane, 1.0, zd);
    Free_Querschnitt(q);
    return 0;
}
