// The thin-walled section engine on line models decoded from the bytes, as
// the profile catalogue builds them from a user's section file: any node
// coordinates, numbers that repeat or are missing, arcs, zero and tapered
// thicknesses. The calculation must neither crash nor hang, and every
// section value it reports as computed must be a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    const int flags = next();
    Init_DWQB_Model();
    DWQB_Optionen = flags & 1;
    const int nodes = next() % 24;
    for (int k = 0; k < nodes; k++) {
        const int number = next() % 32;
        const double y = static_cast<int8_t>(next()) / 4.0, z = static_cast<int8_t>(next()) / 4.0;
        Add_DWQB_Node(number, y, z);
    }
    const int lines = next() % 32;
    for (int k = 0; k < lines; k++) {
        double values[9] = {};
        const int number = next(), kind = next() % 3, a = next() % 32, b = next() % 32;
        values[0] = next() / 16.0;
        values[1] = next() / 16.0;
        values[2] = static_cast<int8_t>(next()) / 8.0;
        Add_DWQB_Line(number, kind, a, b, values);
    }
    const int status = Calc_DWQB_Section();
    if (status == 0 || status == DWQB_STATUS_SINGULAR) {
        for (double v : DWQB_Querschnittswerte)
            if (!std::isfinite(v)) std::abort();
    }
    if (status == 0 || status == DWQB_STATUS_SINGULAR || status == DWQB_STATUS_NOT_CONNECTED) {
        _Winged_Edge_Structure();
        Calc_DWQB_Plate_Runs(1, flags & 2);
    }
    Fill_DWQB_Tabellen();
    return 0;
}
