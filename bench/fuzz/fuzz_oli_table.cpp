// Fuzz target: the print-list table blocks ("#SHOWTABLE") of the layout
// stand-in. Every block of the input is read in turn, also those after a
// refused one.
#include "fuzz_common.h"

#include "platform/oli_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    for (int i = 0; i < 64; ++i) {
        OLITable* t = readOLITableFromFILE(f);
        if (!t) {
            // A damaged block is refused; the blocks after it still count.
            if (std::feof(f)) break;
            continue;
        }
        for (int k = 0; k < t->title_line_count; ++k) (void)MT_String_Length(t->title_lines[k]);
        for (int k = 0; k < t->row_count; ++k) (void)MT_String_Length(t->rows[k]);
        deleteOLITable(t);
    }
    std::fclose(f);
    return 0;
}
