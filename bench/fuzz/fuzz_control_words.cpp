// Fuzz target: the control-word text file of internal forces. The block
// "#S" is read as the load-case table reads it (six values and a name per
// combination); what was read is written as a plain "#S" file with every
// value in full float precision and its name, read again, and must give
// the same values and names. The column reader and the padded line reader
// run over the same bytes.
#include "fuzz_common.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "weldapp/control_words.h"

namespace {

constexpr int GROUPS = 200, NAME = 41;

struct Read_Result {
    int result = 0, count = 0;
    std::vector<double> values = std::vector<double>(6 * GROUPS, 0.0);
    std::vector<char> names = std::vector<char>(NAME * GROUPS, '\0');
};

Read_Result Read(FILE* f) {
    Read_Result r;
    r.result = Read_Ctrlword_Values_From(f, r.values.data(), &r.count, 6, 6, GROUPS, r.names.data(), NAME, 'S');
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    FILE* f = fuzz::Stream(data, size);
    if (!f) return 0;
    const Read_Result first = Read(f);
    if (first.count < 0 || first.count > GROUPS || (first.result == 1) != (first.count > 0))
        fuzz::Fail("fuzz_control_words", "count and result disagree");
    // A damaged file gives nothing, never the groups before the damage.
    if (*Ctrlword_Read_Refusal() && first.count != 0) fuzz::Fail("fuzz_control_words", "a refused file gave groups");

    std::string again = "#S written back\n";
    for (int g = 0; g < first.count; ++g) {
        char number[40];
        for (int k = 0; k < 6; ++k) {
            const double v = first.values[6 * g + k];
            if (!std::isfinite(v) || static_cast<double>(static_cast<float>(v)) != v)
                fuzz::Fail("fuzz_control_words", "a value is not a finite float");
            std::snprintf(number, sizeof number, k ? " %.9g" : "%.9g", v);
            again += number;
        }
        const char* name = &first.names[static_cast<size_t>(NAME) * g];
        if (strnlen(name, NAME) >= static_cast<size_t>(NAME)) fuzz::Fail("fuzz_control_words", "a name is not terminated");
        if (name[0]) again += std::string(" ") + name;
        again += "\n";
    }
    FILE* back = fuzz::Stream(again);
    const Read_Result second = Read(back);
    std::fclose(back);
    // Only the groups counted: an incomplete group at the end leaves its
    // values in the buffer uncounted.
    const auto counted = static_cast<size_t>(6 * first.count);
    if (second.count != first.count ||
        !std::equal(first.values.begin(), first.values.begin() + counted, second.values.begin()))
        fuzz::Fail("fuzz_control_words", "ROUND TRIP MISMATCH: values read back differ");
    for (int g = 0; g < first.count; ++g)
        if (std::strcmp(&first.names[NAME * g], &second.names[NAME * g]) != 0)
            fuzz::Fail("fuzz_control_words", "ROUND TRIP MISMATCH: a name read back differs");

    std::rewind(f);
    double c1[64], c2[64], c3[64];
    int rows = 0;
    const char letter = size > 0 ? static_cast<char>(data[0]) : 'S';
    while (Read_Ctrlword_Columns(f, c1, c2, c3, 3, &rows, 64, letter) == 1 && rows > 64)
        fuzz::Fail("fuzz_control_words", "more rows than room");
    std::rewind(f);
    for (int i = 0; i < 8 && Read_Padded_Line(f, 300); ++i) {
    }
    std::fclose(f);
    return 0;
}
