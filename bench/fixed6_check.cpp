// Checks the "%lf" formatter of the picture writers against the C library
// on N values (default ten million) of the mixture of fixed6_cases.h and
// prints the time each took; checks "%.Nf" of the text formatter on the
// same values, the precision N running through 0 to 9. Exit status 1 on
// the first difference.
//   build/bin/fixed6_check [N]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/vesk.h"
#include "platform/format.h"
#include "support/fixed6_cases.h"

int main(int argc, char** argv) {
    const unsigned long long n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000ull;
    char got[400], want[400];
    double ours = 0, theirs = 0;
    unsigned long long bytes = 0;
    for (unsigned long long done = 0; done < n;) {
        // In blocks, so that the clock is read rarely.
        const unsigned long long end = done + 100000 < n ? done + 100000 : n;
        auto t0 = std::chrono::steady_clock::now();
        for (unsigned long long i = done; i < end; i++) bytes += Format_Fixed6(got, sizeof got, Fixed6_Case(i));
        auto t1 = std::chrono::steady_clock::now();
        for (unsigned long long i = done; i < end; i++) bytes -= std::snprintf(want, sizeof want, "%lf", Fixed6_Case(i));
        auto t2 = std::chrono::steady_clock::now();
        ours += std::chrono::duration<double>(t1 - t0).count();
        theirs += std::chrono::duration<double>(t2 - t1).count();
        for (unsigned long long i = done; i < end; i++) {
            const double v = Fixed6_Case(i);
            Format_Fixed6(got, sizeof got, v);
            std::snprintf(want, sizeof want, "%lf", v);
            if (std::strcmp(got, want) != 0) {
                std::printf("case %llu (%a): %s, the C library %s\n", i, v, got, want);
                return 1;
            }
            const int precision = static_cast<int>(i % 10);
            VEK_Format_Fixed(got, sizeof got, v, precision);
            std::snprintf(want, sizeof want, "%.*f", precision, v);
            if (std::strcmp(got, want) != 0) {
                std::printf("case %llu (%a), precision %d: %s, the C library %s\n", i, v, precision, got, want);
                return 1;
            }
        }
        done = end;
    }
    std::printf("%llu values, all equal as \"%%lf\" and as \"%%.Nf\" for N = 0 to 9 (%llu bytes apart)\n", n, bytes);
    std::printf("Format_Fixed6 %.1f ns per value, snprintf %.1f ns per value\n", 1e9 * ours / n, 1e9 * theirs / n);
    return 0;
}
