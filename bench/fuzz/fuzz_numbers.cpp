// Fuzz target: the number readers of the input files. The first byte picks
// the reader (low two bits) and how many numbers a call asks for (1..16);
// the rest is the file. Each reader is called until it reads nothing more.
// Checked: no call reports more numbers than asked, the numbers not read are
// 0, a line reader consumes a line per call and a reader that reads nothing
// stops the loop within the input's length.
#include <vector>

#include "fuzz_common.h"

#include "base/filenames.h"
#include "base/textio.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("number reader", what); }

// Reads with read(f, values, n) until it gives 0; line readers must move on.
template <class T, class Read>
void Loop(FILE* f, int n, size_t limit, bool per_line, Read read) {
    std::vector<T> values(n);  // exactly n: a write beyond them is caught
    for (size_t calls = 0;; ++calls) {
        if (calls > limit) Fail("more calls than input bytes");
        const long before = std::ftell(f);
        for (T& v : values) v = (T)7;
        int got = read(f, values.data(), n);
        // A line reader answers INT_TOO_LARGE for a line whose parsing
        // stopped at a number its type cannot hold (an int beyond the int,
        // a decimal number beyond any double): the line is read all the
        // same, and the number and those after it are 0.
        const bool too_large = per_line && got == INT_TOO_LARGE;
        if (too_large) got = 1;
        if (got < 0 || got > n) Fail("result beyond the numbers asked for");
        if (per_line) {
            if (got == 0) {
                for (T v : values)
                    if (v != 0) Fail("a value left set at the end of the file");
                break;
            }
            if (got != 1) Fail("a line reader gave neither 0 nor 1");
            if (std::ftell(f) <= before) Fail("a line was read without consuming it");
        } else {
            for (int i = got; i < n; ++i)
                if (values[i] != 0) Fail("a value not read is not 0");
            if (got == 0) break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const int pick = data[0];
    const int n = 1 + ((pick >> 2) & 15);
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    const size_t limit = size + 4;
    switch (pick & 3) {
    case 0: Loop<double>(f, n, limit, true, Read_Line_Doubles); break;
    case 1: Loop<int>(f, n, limit, true, Read_Line_Ints); break;
    case 2: Loop<double>(f, n, limit, false, Read_Doubles); break;
    default: Loop<int>(f, n, limit, false, Read_Ints); break;
    }
    // Null arrays and counts below 1 read nothing and touch nothing.
    std::rewind(f);
    if (Read_Doubles(f, nullptr, 3) != 0 || Read_Ints(f, nullptr, 3) != 0) Fail("null array read");
    double one = 5.0;
    if (Read_Doubles(f, &one, 0) != 0 || one != 5.0) Fail("count 0 read");
    std::fclose(f);
    return 0;
}
