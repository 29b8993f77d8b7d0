// Test values of the "%lf" formatter: case i of a fixed mixture of exact
// ties at the seventh decimal, their neighbours, values on both sides of
// the formatter's own limits, decimal-looking values of picture
// coordinates, and random bit patterns over every exponent. The same i
// always gives the same value; each value is checked against snprintf.
#ifndef TESTS_SUPPORT_FIXED6_CASES_H
#define TESTS_SUPPORT_FIXED6_CASES_H

#include <cmath>
#include <cstdint>
#include <cstring>

inline uint64_t Fixed6_Mix(uint64_t x) {  // splitmix64
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

inline double Fixed6_Case(uint64_t i) {
    const uint64_t r = Fixed6_Mix(i), s = Fixed6_Mix(r);
    const double sign = (s & 1) ? -1.0 : 1.0;
    switch (r % 8) {
    case 0: {  // a tie: an odd multiple of 1/128 (the seventh decimal a 5, nothing after it)
        const double whole = static_cast<double>((s >> 1) % (uint64_t{1} << (s % 40)));
        return sign * (whole + static_cast<double>(2 * ((s >> 20) % 64) + 1) / 128.0);
    }
    case 1: {  // a neighbour of a tie
        const double tie = static_cast<double>(2 * (s % (uint64_t{1} << 30)) + 1) / 128.0;
        return sign * std::nextafter(tie, (s & 2) ? 0.0 : HUGE_VAL);
    }
    case 2: {  // about the formatter's limits: 2^43 and 2^-75
        const double edge = (s & 2) ? 8796093022208.0 : std::ldexp(1.0, -75);
        return sign * std::ldexp(edge, static_cast<int>((s >> 2) % 7) - 3) *
               (1.0 + static_cast<double>(s >> 12) * 0x1p-52);
    }
    case 3:  // a coordinate with few decimals, as pictures have
        return sign * static_cast<double>((s >> 1) % 100000000) / 1000.0 * 0.1;
    case 4:  // a value in millionths plus a half, not exactly held
        return sign * (static_cast<double>((s >> 1) % 1000000000000) + 0.5) / 1e6;
    default: {  // any bit pattern: all exponents, subnormals, infinities, NaN
        double v;
        std::memcpy(&v, &s, sizeof v);
        return v;
    }
    }
}

#endif
