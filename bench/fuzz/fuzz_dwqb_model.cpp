// The thin-walled section engine on line models decoded from the bytes, as
// the profile catalogue builds them from a user's section file: any node
// coordinates, numbers that repeat or are missing, arcs, zero and tapered
// thicknesses, cut rotations and fillet radii, in either calculation (flag
// bit 0x4: the several-part one with outlines, result records, point
// stresses and the transfer). The calculation must neither crash nor hang,
// and every section value it reports as computed must be a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_cells.h"
#include "thinwall/dwqb_geometry.h"
#include "thinwall/dwqb_outline.h"
#include "thinwall/dwqb_point.h"
#include "thinwall/dwqb_transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    const int flags = next();
    Init_DWQB_Model();
    DWQB_Optionen = flags & 1;
    DWQB_Erweitert = (flags & 4) ? 1 : 0;
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
        if (flags & 8) {
            const int extra = next();
            values[3 + (extra & 1)] = static_cast<int8_t>(next()) / 64.0;   // a cut rotation
            values[5 + ((extra >> 1) & 3)] = next() / 32.0;                 // a fillet radius
        }
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
    if (DWQB_Erweitert && status == 0) {
        DWQB_Werte w;
        if (Get_DWQB_Section_Values(&w))
            for (double v : w.w)
                if (!std::isfinite(v)) std::abort();
        DWQB_Linie* first = First_DWQB_Line();
        DWQB_Punkt p;
        if (first && Calc_DWQB_Strain_State(first->number, first->geo.y1, first->geo.z1, 0, 1, 0, 0, 1, 0, 2, 0, 0, &p))
            for (double v : p.c)
                if (!std::isfinite(v)) std::abort();
        double e[4];
        Get_DWQB_Extents(&e[0], &e[1], &e[2], &e[3]);
        Transfer_DWQB_Line_Results();
        Transfer_DWQB_Line_Kinds();
    }
    Fill_DWQB_Tabellen();
    DWQB_Erweitert = 0;
    return 0;
}
