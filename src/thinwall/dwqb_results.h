// dwqb_results: walks over the result tree of a several-part calculation: the
// whole-section record, its parts, their line results and shear-line
// entries, visited through one record of optional callbacks.
#ifndef THINWALL_DWQB_RESULTS_H
#define THINWALL_DWQB_RESULTS_H

#include <cstdint>

#include "thinwall/dwqb.h"

// Every callback may be null; one that returns 0 stops the walk. The data
// words are passed back unchanged.
struct DWQB_Result_Visitor {
    int (*on_section)(DWQB_Teil* head, void* data1);
    int (*on_part_begin)(DWQB_Teil* part, void* data2);
    int (*on_line)(DWQB_Linie* line, int32_t type, void* data3);
    int (*on_shear_entry)(DWQB_Schublinie* entry, void* data4);
    int (*on_part_end)(DWQB_Teil* part, void* data2);
    int (*on_section_end)(DWQB_Teil* head, void* data1);
    void* data1;
    void* data2;
    void* data3;
    void* data4;
};

// Visits DWQB_Aktueller_Teil. 0 without a head, for a head or part that is
// not of kind 3, or when a callback returned 0; else whether the section-end
// callback returned non-zero (1 without one).
int Walk_DWQB_Result(const DWQB_Result_Visitor* visitor);
// One part: part begin, its line results, its shear entries, part end. 0
// for a missing part or one not of kind 3, or when a callback returned 0.
int Walk_DWQB_Part(DWQB_Teil* part, const DWQB_Result_Visitor* visitor);

#endif
