/* format.cpp -- formatting into buffers and writing through the stdio table
 * (see format.h). */
#include "platform/format.h"

#include <cassert>
#include <cstdint>
#include <cstring>

#include "platform/desktop.h"

int VEK_Format_Bounded_V(char* buffer, size_t size, const char* format, va_list ap)
{
    assert(buffer && size >= 1);
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!format) return 0;
    const int n = std::vsnprintf(buffer, size, format, ap);
    if (n < 0) buffer[0] = '\0';
    return n;
}

bool VEK_Format_String_V(std::string& out, const char* format, va_list ap)
{
    out.clear();
    if (!format) return true;
    char small[1000];  /* most texts fit; only longer ones are formatted twice */
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(small, sizeof small, format, ap);
    if (n >= 0 && static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else if (n >= 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(n));
    }
    va_end(again);
    return n >= 0;
}

namespace {

// Two decimal digits at a time, "00" to "99".
const char kDigitPairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The decimal digits of v, no sign, no padding; returns the end.
char* Put_Unsigned(char* out, uint64_t v)
{
    char tmp[24];
    char* p = tmp + sizeof tmp;
    while (v >= 100) {
        const unsigned pair = static_cast<unsigned>(v % 100) * 2;
        v /= 100;
        *--p = kDigitPairs[pair + 1];
        *--p = kDigitPairs[pair];
    }
    if (v >= 10) {
        *--p = kDigitPairs[v * 2 + 1];
        *--p = kDigitPairs[v * 2];
    } else {
        *--p = static_cast<char>('0' + v);
    }
    const size_t n = static_cast<size_t>(tmp + sizeof tmp - p);
    std::memcpy(out, p, n);
    return out + n;
}

const uint64_t kPowersOfTen[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// The conversions most texts of the program use, in the C library's exact
// bytes: %d %i %u %x %X (with l or ll), %c, %s, %f (precision 0 to 9), %%,
// each with a width or '*' and the flag '-'; a precision for %s and %f.
// Returns the length written into out (terminated), or -1 for anything
// else (other flags, conversions or modifiers, a null %s, non-finite or huge
// values, a text that does not fit), which the caller formats with the C
// library from the start.
int Fast_Format(char* out, size_t size, const char* format, va_list ap)
{
    char* p = out;
    char* const end = out + size - 1;
    for (const char* f = format; *f;) {
        if (*f != '%') {
            const char* next = std::strchr(f, '%');
            const size_t n = next ? static_cast<size_t>(next - f) : std::strlen(f);
            if (n > static_cast<size_t>(end - p)) return -1;
            std::memcpy(p, f, n);
            p += n, f += n;
            continue;
        }
        ++f;
        bool left = false;
        if (*f == '-') left = true, ++f;
        if (std::strchr("-+ #0'", *f) && *f) return -1;
        int width = 0;
        if (*f == '*') {
            width = va_arg(ap, int);
            ++f;
            if (width < 0) return -1;
        } else {
            for (; *f >= '0' && *f <= '9'; ++f) {
                width = width * 10 + (*f - '0');
                if (width > 1000) return -1;
            }
        }
        int precision = -1;
        if (*f == '.') {
            ++f;
            precision = 0;
            if (*f == '*') {
                precision = va_arg(ap, int);
                ++f;
                if (precision < 0) return -1;
            } else {
                for (; *f >= '0' && *f <= '9'; ++f) {
                    precision = precision * 10 + (*f - '0');
                    if (precision > 1000) return -1;
                }
            }
        }
        int longs = 0;
        for (; *f == 'l'; ++f) ++longs;
        if (longs > 2) return -1;
        const char conversion = *f ? *f++ : '\0';
        char tmp[64];
        const char* text = tmp;
        size_t n = 0;
        switch (conversion) {
        case '%':
            if (longs || width || precision >= 0 || left) return -1;
            tmp[0] = '%', n = 1;
            break;
        case 'd':
        case 'i': {
            if (precision >= 0) return -1;
            const long long v = longs == 0 ? va_arg(ap, int) : longs == 1 ? va_arg(ap, long) : va_arg(ap, long long);
            char* q = tmp;
            if (v < 0) *q++ = '-';
            q = Put_Unsigned(q, v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
            n = static_cast<size_t>(q - tmp);
            break;
        }
        case 'u':
        case 'x':
        case 'X': {
            if (precision >= 0) return -1;
            const unsigned long long v = longs == 0   ? va_arg(ap, unsigned)
                                         : longs == 1 ? va_arg(ap, unsigned long)
                                                      : va_arg(ap, unsigned long long);
            if (conversion == 'u') {
                n = static_cast<size_t>(Put_Unsigned(tmp, v) - tmp);
            } else {
                const char* digits = conversion == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
                char* q = tmp + sizeof tmp;
                unsigned long long rest = v;
                do *--q = digits[rest & 15], rest >>= 4;
                while (rest);
                text = q, n = static_cast<size_t>(tmp + sizeof tmp - q);
            }
            break;
        }
        case 'c':
            if (longs || precision >= 0) return -1;
            tmp[0] = static_cast<char>(va_arg(ap, int)), n = 1;
            break;
        case 's':
            if (longs) return -1;
            text = va_arg(ap, const char*);
            if (!text) return -1;
            n = precision >= 0 ? strnlen(text, static_cast<size_t>(precision)) : std::strlen(text);
            break;
        case 'f': {
            if (longs > 1) return -1;
            const int written = VEK_Format_Fixed(tmp, sizeof tmp, va_arg(ap, double), precision < 0 ? 6 : precision);
            if (written < 0) return -1;
            n = static_cast<size_t>(written);
            break;
        }
        default:
            return -1;
        }
        const size_t pad = static_cast<size_t>(width) > n ? static_cast<size_t>(width) - n : 0;
        if (n + pad > static_cast<size_t>(end - p)) return -1;
        if (!left) std::memset(p, ' ', pad), p += pad;
        std::memcpy(p, text, n), p += n;
        if (left) std::memset(p, ' ', pad), p += pad;
    }
    *p = '\0';
    return static_cast<int>(p - out);
}

}  // namespace

int VEK_Format_Fixed(char* out, size_t size, double v, int precision)
{
    if (!out || size == 0 || precision < 0 || precision > 9) return -1;
    // v = m 2^-k with an integer m below 2^53. For k >= 10 the scaled value
    // m 10^precision (below 2^83) is held exactly in 128 bits, its quotient
    // by 2^k is the result in units of the last decimal and the remainder
    // decides that digit as the C library does in its default rounding: to
    // nearest, a tie to the even neighbour. From k = 128 on the value is
    // below half a unit and gives zero. Everything else (k below 10: 2^43
    // and more, infinities, NaN) is left to the C library itself.
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const bool negative = bits >> 63;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t m = bits & ((uint64_t{1} << 52) - 1);
    int k;
    if (biased == 0) {
        k = 1074;  // zero and the subnormals
    } else {
        m |= uint64_t{1} << 52;
        k = 1075 - biased;
    }
    unsigned __int128 units = 0;
    if (biased != 0x7FF && k >= 10 && k < 128) {
        const unsigned __int128 one = 1;
        const unsigned __int128 scaled = static_cast<unsigned __int128>(m) * kPowersOfTen[precision];
        const unsigned __int128 rest = scaled & ((one << k) - 1), half = one << (k - 1);
        units = scaled >> k;
        if (rest > half || (rest == half && (units & 1))) units++;
    }
    if (biased == 0x7FF || k < 10 || units >> 64 || size < 40) {
        const int n = std::snprintf(out, size, "%.*f", precision, v);
        return n < 0 || static_cast<size_t>(n) >= size ? -1 : n;
    }
    const uint64_t u = static_cast<uint64_t>(units), unit = kPowersOfTen[precision];
    char* p = out;
    if (negative) *p++ = '-';
    p = Put_Unsigned(p, u / unit);
    if (precision > 0) {
        *p++ = '.';
        uint64_t fraction = u % unit;
        for (int i = precision - 1; i >= 0; --i) p[i] = static_cast<char>('0' + fraction % 10), fraction /= 10;
        p += precision;
    }
    *p = '\0';
    return static_cast<int>(p - out);
}

bool VEK_Format_Once(VEK_Formatted* f, const char* format, va_list ap)
{
    f->text = f->small;
    f->size = 0;
    f->small[0] = '\0';
    if (!format) return true;
    va_list fast;
    va_copy(fast, ap);
    const int quick = Fast_Format(f->small, sizeof f->small, format, fast);
    va_end(fast);
    if (quick >= 0) {
        f->size = static_cast<size_t>(quick);
        return true;
    }
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(f->small, sizeof f->small, format, ap);
    if (n >= static_cast<int>(sizeof f->small)) {
        VEK_Format_String_V(f->large, format, again);
        f->text = f->large.c_str();
        f->size = f->large.size();
    } else if (n > 0) {
        f->size = static_cast<size_t>(n);
    } else {
        f->small[0] = '\0';
    }
    va_end(again);
    return n >= 0;
}

int VEK_Stdio_Write(FILE* stream, const char* text)
{
    if (!stream) return -1;
    if (!text) text = "";
    if (VEK_STDIO_FCT && VEK_STDIO_FCT->fprintf_fct) return VEK_STDIO_FCT->fprintf_fct(stream, "%s", text);
    return std::fprintf(stream, "%s", text);
}

int VEK_Stdio_Write_Bytes(FILE* stream, const char* text, size_t n)
{
    if (!stream) return -1;
    if (n == 0) return 0;
    const size_t done = VEK_STDIO_FCT && VEK_STDIO_FCT->fwrite_fct ? VEK_STDIO_FCT->fwrite_fct(text, 1, n, stream)
                                                                   : std::fwrite(text, 1, n, stream);
    return done == n ? static_cast<int>(n) : -1;
}
