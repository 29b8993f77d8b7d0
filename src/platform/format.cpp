/* format.cpp -- formatting into buffers and writing through the stdio table
 * (see format.h). */
#include "platform/format.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(__GLIBC__)
#include <link.h>
#endif

#include "platform/desktop.h"
#include "platform/posix.h"

namespace {
int Fast_Format(char* out, size_t size, const char* format, va_list ap, bool no_zero_byte = false);
}  // namespace

int VEK_Format_Bounded_V(char* buffer, size_t size, const char* format, va_list ap)
{
    assert(buffer && size >= 1);
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!format) return 0;
    // The common conversions without the C library; a text that does not
    // fit (it is cut) and every other format with it.
    va_list fast;
    va_copy(fast, ap);
    const int quick = Fast_Format(buffer, size, format, fast);
    va_end(fast);
    if (quick >= 0) return quick;
    const int n = std::vsnprintf(buffer, size, format, ap);
    if (n < 0) buffer[0] = '\0';
    return n;
}

int VEK_Format_Bounded(char* buffer, size_t size, const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Format_Bounded_V(buffer, size, format, ap);
    va_end(ap);
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

constexpr uint64_t kPowersOfTen[20] = {1,
                                   10,
                                   100,
                                   1000,
                                   10000,
                                   100000,
                                   1000000,
                                   10000000,
                                   100000000,
                                   1000000000,
                                   10000000000ull,
                                   100000000000ull,
                                   1000000000000ull,
                                   10000000000000ull,
                                   100000000000000ull,
                                   1000000000000000ull,
                                   10000000000000000ull,
                                   100000000000000000ull,
                                   1000000000000000000ull,
                                   10000000000000000000ull};

// The number of decimal digits of v (1 for 0).
inline int Digit_Count(uint64_t v)
{
    // 1233 / 4096 is just above log10(2): the guess is the count or one
    // less. v | 1 has the digits of v (no power of ten above 1 is odd) and
    // gives 0 one digit.
    const uint64_t w = v | 1;
    const int guess = ((64 - __builtin_clzll(w)) * 1233) >> 12;
    return guess + (w >= kPowersOfTen[guess]);
}

// "000" to "999", four bytes apart: three decimal digits at a time.
struct Digit_Triples {
    char text[4000];
    constexpr Digit_Triples() : text()
    {
        for (int i = 0; i < 1000; i++) {
            text[4 * i] = static_cast<char>('0' + i / 100);
            text[4 * i + 1] = static_cast<char>('0' + i / 10 % 10);
            text[4 * i + 2] = static_cast<char>('0' + i % 10);
        }
    }
};
constexpr Digit_Triples kDigitTriples;

// The last count decimal digits of v, zeros in front, ending at end. In
// 32 bits where the value allows: the divisions are cheaper there.
template <typename Word>
inline void Put_Digits_Before(char* end, Word v, int count)
{
#pragma GCC unroll 10
    for (; count >= 3; count -= 3) {
        const Word rest = v / 1000;
        const unsigned triple = static_cast<unsigned>(v - rest * 1000) * 4;
        v = rest;
        end -= 3;
        std::memcpy(end, kDigitTriples.text + triple, 3);
    }
    if (count == 2) std::memcpy(end - 2, kDigitTriples.text + 4 * static_cast<unsigned>(v % 100) + 1, 2);
    else if (count == 1) end[-1] = static_cast<char>('0' + v % 10);
}

// Put_Unsigned for 1000 and more, out of line: the usual numbers are
// shorter, and their path keeps few registers.
__attribute__((noinline)) char* Put_Long_Unsigned(char* out, uint64_t v)
{
    const int n = Digit_Count(v);
    if (v >> 32) Put_Digits_Before(out + n, v, n);
    else Put_Digits_Before(out + n, static_cast<uint32_t>(v), n);
    return out + n;
}

// The decimal digits of v, no sign, no padding, written straight into out;
// returns the end.
inline char* Put_Unsigned(char* out, uint64_t v)
{
    if (v < 10) {
        *out = static_cast<char>('0' + v);
        return out + 1;
    }
    if (v < 100) {
        std::memcpy(out, kDigitTriples.text + 4 * v + 1, 2);
        return out + 2;
    }
    if (v < 1000) {
        std::memcpy(out, kDigitTriples.text + 4 * v, 3);
        return out + 3;
    }
    return Put_Long_Unsigned(out, v);
}

// The quotient of scaled by 2^k (k from 65 to 127), whether the bit below
// it is set (half) and whether any bit below that is (below); apart from
// Fixed_Units so that its usual path keeps few registers.
__attribute__((noinline)) uint64_t Tiny_Units(unsigned __int128 scaled, int k, bool* half, bool* below)
{
    const unsigned __int128 doubled = scaled >> (k - 1);
    *half = doubled & 1;
    *below = (scaled & ((static_cast<unsigned __int128>(1) << (k - 1)) - 1)) != 0;
    return static_cast<uint64_t>(doubled >> 1);
}

// |v| in units of 10^-precision (scale = 10^precision, precision at most 9),
// rounded as the C library rounds by default: to nearest, a tie to the even
// neighbour. v = m 2^-k with an integer m below 2^53; for k >= 10 the scaled
// value m scale (below 2^83) is exact in 128 bits and its quotient by 2^k is
// the result; from k = 128 on the value is below half a unit. False for
// everything this cannot do exactly (k below 10: 2^43 and more, a result of
// 2^64 or more, infinities, NaN); negative gets the sign bit in any case.
inline bool Fixed_Units(double v, uint64_t scale, uint64_t* units, bool* negative)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    *negative = bits >> 63;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t m = bits & ((uint64_t{1} << 52) - 1);
    int k;
    if (biased == 0) {
        k = 1074;  // zero and the subnormals
    } else {
        m |= uint64_t{1} << 52;
        k = 1075 - biased;
    }
    if (k < 10 || biased == 0x7FF) return false;
    if (k >= 128) {
        *units = 0;
        return true;
    }
    const unsigned __int128 scaled = static_cast<unsigned __int128>(m) * scale;
    uint64_t u;
    bool half, below;
    if (k <= 64) {
        // Most values (2^-11 and more): the shift by k - 1 in two words.
        const int s = k - 1;
        const uint64_t hi = static_cast<uint64_t>(scaled >> 64), lo = static_cast<uint64_t>(scaled);
        const uint64_t doubled_hi = hi >> s, doubled_lo = (lo >> s) | (hi << (64 - s));
        if (doubled_hi > 1) return false;
        u = (doubled_lo >> 1) | (doubled_hi << 63);
        half = doubled_lo & 1;
        below = (lo << (64 - s)) != 0;
    } else {
        u = Tiny_Units(scaled, k, &half, &below);
    }
    if (half && (below || (u & 1))) {
        if (++u == 0) return false;
    }
    *units = u;
    return true;
}

// The digits of units with the last precision of them after a point, the
// C library's "%.<precision>f"; the divisions by the constant 10^precision
// are multiplications. Returns the end.
template <int precision>
inline char* Put_Fixed(char* p, uint64_t units)
{
    constexpr uint64_t unit = kPowersOfTen[precision];
    const uint64_t whole = units / unit;
    p = Put_Unsigned(p, whole);
    if constexpr (precision > 0) {
        *p++ = '.';
        Put_Digits_Before(p + precision, static_cast<uint32_t>(units - whole * unit), precision);
        p += precision;
    }
    return p;
}

// VEK_Format_Fixed past its checks of the arguments: the C library where
// Fixed_Units cannot be exact or size is below 40.
__attribute__((noinline)) int Format_Fixed_Library(char* out, size_t size, double v, int precision)
{
    const int n = std::snprintf(out, size, "%.*f", precision, v);
    return n < 0 || static_cast<size_t>(n) >= size ? -1 : n;
}

// VEK_Format_Fixed for one precision, size at least 40.
template <int precision>
inline __attribute__((always_inline)) int Format_Fixed_P(char* out, size_t size, double v)
{
    uint64_t units;
    bool negative;
    if (!Fixed_Units(v, kPowersOfTen[precision], &units, &negative))
        return Format_Fixed_Library(out, size, v, precision);
    char* p = out;
    if (negative) *p++ = '-';
    p = Put_Fixed<precision>(p, units);
    *p = '\0';
    return static_cast<int>(p - out);
}

char* Put_Fixed_Units(char* p, uint64_t units, int precision)
{
    switch (precision) {
    case 0: return Put_Fixed<0>(p, units);
    case 1: return Put_Fixed<1>(p, units);
    case 2: return Put_Fixed<2>(p, units);
    case 3: return Put_Fixed<3>(p, units);
    case 4: return Put_Fixed<4>(p, units);
    case 5: return Put_Fixed<5>(p, units);
    case 6: return Put_Fixed<6>(p, units);
    case 7: return Put_Fixed<7>(p, units);
    case 8: return Put_Fixed<8>(p, units);
    default: return Put_Fixed<9>(p, units);
    }
}

// "%.<precision>g" of v (no flags) in the C library's bytes where the value
// takes the fixed form with at most nine decimals: precision significant
// digits, trailing zeros and a bare point dropped. -1 for the exponent form
// and everything Fixed_Units cannot do, which the caller leaves to the C
// library. out needs room for 40 bytes.
int Format_General(char* out, double v, int precision)
{
    const int digits = precision < 0 ? 6 : precision == 0 ? 1 : precision;
    if (digits > 10) return -1;
    const double a = std::fabs(v);
    if (!(a < 1e12)) return -1;  // also infinities and NaN
    // The decimal exponent x of v rounded to digits figures; the fixed form
    // is used for -4 <= x < digits and has digits - 1 - x decimals. A guess
    // from the magnitude, then set right by the exact units: there are
    // digits of them unless the rounding carried into one more.
    int x = 0;
    if (a != 0.0) {
        x = a >= 1.0 ? 0 : -1;
        for (; x < 12 && a >= static_cast<double>(kPowersOfTen[x + 1]); ++x) {
        }
        for (double bound = 0.1; x > -6 && a < bound; --x, bound /= 10) {
        }
    }
    uint64_t units = 0;
    bool negative = false;
    for (int tries = 0;; ++tries) {
        if (x < -4 || x >= digits || tries == 3) return -1;
        const int decimals = digits - 1 - x;
        if (decimals > 9 || !Fixed_Units(v, kPowersOfTen[decimals], &units, &negative)) return -1;
        if (a == 0.0 || (units >= kPowersOfTen[digits - 1] && units < kPowersOfTen[digits])) break;
        x += units >= kPowersOfTen[digits] ? 1 : -1;
    }
    int decimals = digits - 1 - x;
    while (decimals > 0 && units % 10 == 0) units /= 10, --decimals;
    char* p = out;
    if (negative) *p++ = '-';
    p = Put_Fixed_Units(p, units, decimals);
    *p = '\0';
    return static_cast<int>(p - out);
}

// A conversion as read from its format: what follows the '%'.
struct Spec {
    char conversion;  // '\0' where the format ends after the '%'
    bool left;
    bool width_star;
    bool precision_star;
    short longs;
    short width;      // without width_star
    short precision;  // -1: none; without precision_star
};

// A width or precision at f: '*' (star set) or decimal digits added to
// *count. Returns what follows, or null above 1000.
inline const char* Read_Count(const char* f, bool* star, short* count)
{
    if (*f == '*') {
        *star = true;
        return f + 1;
    }
    for (; *f >= '0' && *f <= '9'; ++f) {
        *count = static_cast<short>(*count * 10 + (*f - '0'));
        if (*count > 1000) return nullptr;
    }
    return f;
}

// Reads the conversion after a '%' at f into s; returns what follows it, or
// null for what Fast_Format declines whatever the arguments (flags other
// than '-', widths and precisions above 1000, more than two 'l').
inline const char* Read_Spec(const char* f, Spec* s)
{
    s->left = s->width_star = s->precision_star = false;
    s->longs = 0, s->width = 0, s->precision = -1;
    // Most conversions stand bare ("%d", "%s", "%lf"): no flags, width or
    // precision to read.
    if (*f >= 'a' && *f != 'l') {
        s->conversion = *f;
        return f + 1;
    }
    if (f[0] == 'l' && f[1] == 'f') {
        s->conversion = 'f', s->longs = 1;
        return f + 2;
    }
    if (*f == '-') s->left = true, ++f;
    switch (*f) {
    case '-':
    case '+':
    case ' ':
    case '#':
    case '0':
    case '\'':
        return nullptr;
    default:
        break;
    }
    f = Read_Count(f, &s->width_star, &s->width);
    if (!f) return nullptr;
    if (*f == '.') {
        s->precision = 0;
        f = Read_Count(f + 1, &s->precision_star, &s->precision);
        if (!f) return nullptr;
    }
    for (; *f == 'l'; ++f) ++s->longs;
    if (s->longs > 2) return nullptr;
    s->conversion = *f;
    return *f ? f + 1 : f;
}

// The steps of Put_Conversion, each inlined into it: the arguments a '*'
// gives, the text of the value, its place with the padding. Each returns
// false (null) for what Fast_Format declines.

// The width and precision, from the arguments where a '*' gives them.
inline __attribute__((always_inline)) bool Take_Stars(const Spec& s, va_list* ap, int* width, int* precision)
{
    *width = s.width, *precision = s.precision;
    if (s.width_star) {
        *width = va_arg(*ap, int);
        if (*width < 0) return false;
    }
    if (s.precision_star) {
        *precision = va_arg(*ap, int);
        if (*precision < 0) return false;
    }
    return true;
}

// "%d", "%i": the signed integer at `at`; *n its length.
inline __attribute__((always_inline)) bool Signed_Text(const Spec& s, int precision, va_list* ap, char* at, size_t* n)
{
    if (precision >= 0) return false;
    const int longs = s.longs;
    const long long v = longs == 0 ? va_arg(*ap, int) : longs == 1 ? va_arg(*ap, long) : va_arg(*ap, long long);
    char* q = at;
    if (v < 0) *q++ = '-';
    q = Put_Unsigned(q, v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
    *n = static_cast<size_t>(q - at);
    return true;
}

// "%u" at `at`, "%x" and "%X" at the end of tmp[kRoom]: *text and *n the
// digits written.
template <size_t kRoom>
inline __attribute__((always_inline)) bool Unsigned_Text(const Spec& s, int precision, va_list* ap, char* at, char (&tmp)[kRoom],
                               const char** text, size_t* n)
{
    if (precision >= 0) return false;
    const int longs = s.longs;
    const unsigned long long v = longs == 0   ? va_arg(*ap, unsigned)
                                 : longs == 1 ? va_arg(*ap, unsigned long)
                                              : va_arg(*ap, unsigned long long);
    if (s.conversion == 'u') {
        *n = static_cast<size_t>(Put_Unsigned(at, v) - at);
        return true;
    }
    const char* digits = s.conversion == 'x' ? "0123456789abcdef" : "0123456789ABCDEF";
    char* q = tmp + kRoom;
    unsigned long long rest = v;
    do *--q = digits[rest & 15], rest >>= 4;
    while (rest);
    *text = q, *n = static_cast<size_t>(tmp + kRoom - q);
    return true;
}

// "%f" and "%g": the number at `at` (room bytes); *n its length.
inline __attribute__((always_inline)) bool Number_Text(const Spec& s, int precision, va_list* ap, char* at, size_t room, size_t* n)
{
    if (s.longs > 1) return false;
    const double v = va_arg(*ap, double);
    const int written = s.conversion == 'f' ? VEK_Format_Fixed(at, room, v, precision < 0 ? 6 : precision)
                                            : Format_General(at, v, precision);
    if (written < 0) return false;
    *n = static_cast<size_t>(written);
    return true;
}

// The text of n bytes at p with the padding of width (on the right with
// left), end as for Put_Conversion; a text already at p is moved right for
// padding on the left. Returns the end of what it wrote.
inline __attribute__((always_inline)) char* Place(char* p, char* const end, const char* text, size_t n, int width, bool left)
{
    const size_t pad = static_cast<size_t>(width) > n ? static_cast<size_t>(width) - n : 0;
    if (n + pad > static_cast<size_t>(end - p)) return nullptr;
    if (text == p) {
        // Already in place.
        if (pad && !left) std::memmove(p + pad, p, n), std::memset(p, ' ', pad);
        else if (pad) std::memset(p + n, ' ', pad);
        return p + n + pad;
    }
    if (pad && !left) std::memset(p, ' ', pad), p += pad;
    std::memcpy(p, text, n), p += n;
    if (pad && left) std::memset(p, ' ', pad), p += pad;
    return p;
}

// Writes the conversion s at p with its arguments from *ap (a width or
// precision given by '*' first), end being the last byte of the buffer
// (kept for the terminator). Returns the end of what it wrote, or null for
// what Fast_Format declines.
inline __attribute__((always_inline)) char* Put_Conversion(const Spec& s, va_list* ap, char* p, char* const end, bool no_zero_byte)
{
    int width, precision;
    if (!Take_Stars(s, ap, &width, &precision)) return nullptr;
    const int longs = s.longs;
    const bool left = s.left;
    // Numbers are written in place when there is room; the text is moved
    // right afterwards when a width pads it on the left.
    constexpr size_t kNumberRoom = 64;
    char tmp[kNumberRoom];
    const bool in_place = static_cast<size_t>(end - p) >= kNumberRoom;
    char* const at = in_place ? p : tmp;
    const char* text = at;
    size_t n = 0;
    switch (s.conversion) {
    case '%':
        if (longs || width || precision >= 0 || left) return nullptr;
        at[0] = '%', n = 1;
        break;
    case 'd':
    case 'i':
        if (!Signed_Text(s, precision, ap, at, &n)) return nullptr;
        break;
    case 'u':
    case 'x':
    case 'X':
        if (!Unsigned_Text(s, precision, ap, at, tmp, &text, &n)) return nullptr;
        break;
    case 'c':
        if (longs || precision >= 0) return nullptr;
        at[0] = static_cast<char>(va_arg(*ap, int)), n = 1;
        if (no_zero_byte && at[0] == '\0') return nullptr;
        break;
    case 's':
        if (longs) return nullptr;
        text = va_arg(*ap, const char*);
        if (!text) return nullptr;
        if (precision < 0 && width == 0 && end - p >= 16) {
            // Most texts put in are short: copied as they are scanned.
            int i = 0;
            for (; i < 16 && text[i]; ++i) p[i] = text[i];
            if (i < 16) return p + i;
        }
        n = precision >= 0 ? strnlen(text, static_cast<size_t>(precision)) : std::strlen(text);
        break;
    case 'f':
    case 'g':
        if (!Number_Text(s, precision, ap, at, kNumberRoom, &n)) return nullptr;
        break;
    default:
        return nullptr;
    }
    return Place(p, end, text, n, width, left);
}

// Fast_Format reading the format as it goes.
int Scan_Format(char* out, size_t size, const char* format, va_list* ap, bool no_zero_byte)
{
    char* p = out;
    char* const end = out + size - 1;
    for (const char* f = format; *f;) {
        if (*f != '%') {
            // Most runs of text between conversions are a few bytes (a
            // blank, a line end): copied as they are scanned; the rest of a
            // longer one is found with strchr and copied whole.
            constexpr int kShort = 6;
            int scanned = 0;
            if (end - p >= kShort) {
                for (; *f != '%' && *f && scanned < kShort; ++f, ++scanned) *p++ = *f;
            } else {
                for (; *f != '%' && *f && scanned < kShort; ++f, ++scanned) {
                    if (p == end) return -1;
                    *p++ = *f;
                }
            }
            if (scanned == kShort && *f != '%' && *f) {
                const char* next = std::strchr(f, '%');
                if (!next) next = f + std::strlen(f);
                const size_t n = static_cast<size_t>(next - f);
                if (n > static_cast<size_t>(end - p)) return -1;
                std::memcpy(p, f, n);
                p += n, f = next;
            }
            continue;
        }
        Spec spec;
        f = Read_Spec(f + 1, &spec);
        if (!f) return -1;
        p = Put_Conversion(spec, ap, p, end, no_zero_byte);
        if (!p) return -1;
    }
    *p = '\0';
    return static_cast<int>(p - out);
}

// A format read once: the runs of text between its conversions (places in
// its copy) and the conversions. The texts of the program come from a few
// hundred formats, string constants written again and again (the lines of
// each load case); a format is kept only where it lies in the program's own
// read-only memory, so that the text found again at the same place is the
// same text. Formats built in buffers are read as they go.
constexpr size_t kProgramText = 191;  // longer formats are read as they go
constexpr int kProgramConversions = 12;
// The conversions taken without Put_Conversion's widths, stars and
// padding: a bare "%s", "%f" or "%lf" with at most a precision of 0 to 9
// (or one that "%.*lf" gives, which the print lists' compared pairs use), a
// bare "%d" or "%i".
enum Quick : uint8_t { kQuickNone, kQuickText, kQuickFixed, kQuickFixedStar, kQuickInt };
struct Format_Step {
    uint8_t at, size;  // the text before the conversion
    Quick quick;
    Spec spec;
};

// The kind of quick path of a conversion (kQuickNone: Put_Conversion).
Quick Quick_Of(const Spec& s)
{
    if (s.left || s.width_star || s.width != 0) return kQuickNone;
    if (s.precision_star) return s.conversion == 'f' && s.longs <= 1 ? kQuickFixedStar : kQuickNone;
    if (s.conversion == 's' && s.longs == 0 && s.precision < 0) return kQuickText;
    if (s.conversion == 'f' && s.longs <= 1 && s.precision <= 9) return kQuickFixed;
    if ((s.conversion == 'd' || s.conversion == 'i') && s.longs == 0 && s.precision < 0) return kQuickInt;
    return kQuickNone;
}

template <int precision>
int Format_Fixed_Call(char* out, size_t size, double v);
int (*const kFixedByPrecision[10])(char*, size_t, double) = {
    Format_Fixed_Call<0>, Format_Fixed_Call<1>, Format_Fixed_Call<2>, Format_Fixed_Call<3>, Format_Fixed_Call<4>,
    Format_Fixed_Call<5>, Format_Fixed_Call<6>, Format_Fixed_Call<7>, Format_Fixed_Call<8>, Format_Fixed_Call<9>,
};

// A quick conversion at p (end as for Put_Conversion): the same bytes and
// result as Put_Conversion gives it.
inline __attribute__((always_inline)) char* Put_Quick(const Format_Step& step, va_list* ap, char* p, char* const end)
{
    constexpr size_t kNumberRoom = 64;
    switch (step.quick) {
    case kQuickText: {
        const char* text = va_arg(*ap, const char*);
        if (!text) return nullptr;
        if (end - p >= 16) {
            // Most texts put in are short: copied as they are scanned.
            int i = 0;
            for (; i < 16 && text[i]; ++i) p[i] = text[i];
            if (i < 16) return p + i;
        }
        const size_t n = std::strlen(text);
        if (n > static_cast<size_t>(end - p)) return nullptr;
        std::memcpy(p, text, n);
        return p + n;
    }
    case kQuickFixed:
    case kQuickFixedStar: {
        // A precision from the arguments outside 0 to 9 is declined, as
        // Put_Conversion declines it.
        const int precision = step.quick == kQuickFixedStar ? va_arg(*ap, int)
                              : step.spec.precision < 0     ? 6
                                                            : step.spec.precision;
        if (precision < 0 || precision > 9) return nullptr;
        const double v = va_arg(*ap, double);
        if (static_cast<size_t>(end - p) >= kNumberRoom) {
            const int n = kFixedByPrecision[precision](p, kNumberRoom, v);
            return n < 0 ? nullptr : p + n;
        }
        char tmp[kNumberRoom];
        const int n = kFixedByPrecision[precision](tmp, kNumberRoom, v);
        if (n < 0 || n > end - p) return nullptr;
        std::memcpy(p, tmp, static_cast<size_t>(n));
        return p + n;
    }
    default: {
        const int v = va_arg(*ap, int);
        char tmp[kNumberRoom];
        const bool in_place = static_cast<size_t>(end - p) >= kNumberRoom;
        char* const at = in_place ? p : tmp;
        char* q = at;
        if (v < 0) *q++ = '-';
        q = Put_Unsigned(q, v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
        const size_t n = static_cast<size_t>(q - at);
        if (in_place) return q;
        if (n > static_cast<size_t>(end - p)) return nullptr;
        std::memcpy(p, tmp, n);
        return p + n;
    }
    }
}
struct Format_Program {
    uint8_t conversions;  // the last step is the text after the last one
    bool declined;        // whatever the arguments
    bool scan;            // too long or too many conversions to keep: read as it goes
    Format_Step step[kProgramConversions + 1];
    char text[kProgramText + 1 + 16];  // the format; room to copy 16 bytes from any place of it
};
// The kept programs of a thread (the program's second thread may format
// too), found by the place of their format in an open-addressed table. A
// format once kept stays kept: which formats share a slot of the table
// follows from where the linker put them, and a table that let them push
// each other out made a run's work depend on that (a build from another
// folder read other formats again at every use). The few hundred formats
// of a run fill a quarter of the table at most; formats past the last
// program are read as they go, the same ones in every build.
constexpr int kProgramSlotBits = 11;
constexpr int kPrograms = 512;
struct Program_Table {
    struct Slot {
        const char* key;
        Format_Program* program;
    };
    Slot slot[1 << kProgramSlotBits];
    int used;
    Format_Program program[kPrograms];
};
// Taken with calloc: a block this large comes zeroed from the system
// instead of being cleared byte by byte.
struct Free_Table {
    void operator()(Program_Table* table) const { std::free(table); }
};
thread_local std::unique_ptr<Program_Table, Free_Table> program_table;
// The segments of the program's own file mapped without write access.
struct Read_Only_Memory {
    int count = 0;
    uintptr_t begin[8] = {}, end[8] = {};
};

#if defined(__GLIBC__)
int Add_Read_Only_Segments(dl_phdr_info* info, size_t, void* data)
{
    auto* memory = static_cast<Read_Only_Memory*>(data);
    for (int i = 0; i < info->dlpi_phnum && memory->count < 8; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W)) continue;
        memory->begin[memory->count] = info->dlpi_addr + segment.p_vaddr;
        memory->end[memory->count] = info->dlpi_addr + segment.p_vaddr + segment.p_memsz;
        ++memory->count;
    }
    return 1;  // the first object is the program itself
}
#endif

bool In_Read_Only_Memory(const char* text)
{
    static const Read_Only_Memory memory = [] {
        Read_Only_Memory m;
#if defined(__GLIBC__)
        dl_iterate_phdr(Add_Read_Only_Segments, &m);
#endif
        return m;
    }();
    const uintptr_t at = reinterpret_cast<uintptr_t>(text);
    for (int i = 0; i < memory.count; ++i)
        if (at >= memory.begin[i] && at < memory.end[i]) return true;
    return false;
}

// Reads format into program. A format too long or with too many
// conversions is kept as one to scan, so that its next calls neither read it
// again nor push another kept format out.
void Read_Program(const char* format, Format_Program* program)
{
    program->declined = false;
    program->scan = true;
    const size_t length = strnlen(format, kProgramText + 1);
    if (length > kProgramText) return;
    std::memcpy(program->text, format, length + 1);
    int conversions = 0;
    const char* const text = program->text;
    const char* f = text;
    for (;;) {
        const char* next = std::strchr(f, '%');
        Format_Step& step = program->step[conversions];
        step.at = static_cast<uint8_t>(f - text);
        step.size = static_cast<uint8_t>((next ? next : text + length) - f);
        if (!next) break;
        if (conversions == kProgramConversions) return;
        f = Read_Spec(next + 1, &step.spec);
        // Put_Conversion takes no other conversion letter, whatever the
        // arguments.
        if (!f || !std::strchr("%diuxXcsfg", step.spec.conversion) || !step.spec.conversion) {
            program->declined = true;
            break;
        }
        step.quick = Quick_Of(step.spec);
        ++conversions;
    }
    program->conversions = static_cast<uint8_t>(conversions);
    program->scan = false;
}

// The program of a format, read now unless it is kept; null for a format
// not kept (see above).
inline const Format_Program* Program_Of(const char* format)
{
    Program_Table* table = program_table.get();
    if (!table) {
        table = static_cast<Program_Table*>(std::calloc(1, sizeof(Program_Table)));
        if (!table) return nullptr;
        program_table.reset(table);
    }
    constexpr uint64_t kMask = (1u << kProgramSlotBits) - 1;
    const uint64_t place = reinterpret_cast<uintptr_t>(format);
    uint64_t i = (place * 0x9E3779B97F4A7C15ull) >> (64 - kProgramSlotBits);
    for (;; i = (i + 1) & kMask) {
        Program_Table::Slot& slot = table->slot[i];
        if (slot.key == format) return slot.program;
        if (!slot.key) break;
    }
    if (table->used == kPrograms || !In_Read_Only_Memory(format)) return nullptr;
    Format_Program* program = &table->program[table->used++];
    Read_Program(format, program);
    table->slot[i] = {format, program};
    return program;
}

// The conversions most texts of the program use, in the C library's exact
// bytes: %d %i %u %x %X (with l or ll), %c, %s, %f (precision 0 to 9), %g
// (where it takes the fixed form), %%, each with a width or '*' and the flag
// '-'; a precision for %s, %f and %g. Returns the length written into out
// (terminated), or -1 for anything else (other flags, conversions or
// modifiers, a null %s, non-finite or huge values, a text that does not fit),
// which the caller formats with the C library from the start. With
// no_zero_byte a "%c" of the zero byte is declined too, so that the text
// holds none.
int Fast_Format(char* out, size_t size, const char* format, va_list ap_in, bool no_zero_byte)
{
    va_list ap;
    va_copy(ap, ap_in);
    const Format_Program* program = Program_Of(format);
    int result = -1;
    if (!program || program->scan) {
        result = Scan_Format(out, size, format, &ap, no_zero_byte);
    } else if (!program->declined) {
        char* p = out;
        char* const end = out + size - 1;
        for (int i = 0;; ++i) {
            const Format_Step& step = program->step[i];
            const size_t room = static_cast<size_t>(end - p);
            if (step.size <= 16 && room >= 16) {
                std::memcpy(p, program->text + step.at, 16);
            } else if (step.size <= room) {
                std::memcpy(p, program->text + step.at, step.size);
            } else {
                p = nullptr;
                break;
            }
            p += step.size;
            if (i == program->conversions) break;
            p = step.quick != kQuickNone ? Put_Quick(step, &ap, p, end)
                                         : Put_Conversion(step.spec, &ap, p, end, no_zero_byte);
            if (!p) break;
        }
        if (p) {
            *p = '\0';
            result = static_cast<int>(p - out);
        }
    }
    va_end(ap);
    return result;
}

}  // namespace

namespace {

// Format_Fixed_P as a function of its own for each precision.
template <int precision>
int Format_Fixed_Call(char* out, size_t size, double v)
{
    return Format_Fixed_P<precision>(out, size, v);
}

}  // namespace

int VEK_Format_Fixed(char* out, size_t size, double v, int precision)
{
    if (!out || size == 0 || precision < 0 || precision > 9) return -1;
    if (size < 40) return Format_Fixed_Library(out, size, v, precision);
    return kFixedByPrecision[precision](out, size, v);
}

size_t VEK_Format_Fixed6_Values(char* out, const double* values, int n)
{
    char* p = out;
    for (int i = 0; i < n; i++) {
        *p++ = ' ';
        p += Format_Fixed_P<6>(p, VEK_FIXED6_ROOM - 1, values[i]);
    }
    *p = '\0';
    return static_cast<size_t>(p - out);
}

int VEK_Format_Quick_V(char* out, size_t size, const char* format, va_list ap)
{
    if (!out || size < 1 || !format) return -1;
    return Fast_Format(out, size, format, ap);
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
        // n is the length: one more call into a buffer of that size.
        f->large.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(f->large.data(), f->large.size(), format, again);
        f->large.resize(static_cast<size_t>(n));
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

namespace {

// Whether the stdio table (if any) writes with the C library's own fwrite:
// then its streams may be written straight, as below.
bool Table_Is_The_Library(void)
{
    return !VEK_STDIO_FCT || !VEK_STDIO_FCT->fwrite_fct || VEK_STDIO_FCT->fwrite_fct == &std::fwrite;
}

}  // namespace

namespace {

// The free part of the stream's buffer, where the C library's own
// putc_unlocked writes; a line-buffered or unbuffered stream shows none,
// nor does a C library that does not show its buffer.
size_t Free_Bytes(FILE* stream)
{
#if defined(__GLIBC__)
    const std::ptrdiff_t free = stream->_IO_write_end - stream->_IO_write_ptr;
    return free > 0 ? static_cast<size_t>(free) : 0;
#else
    (void)stream;
    return 0;
#endif
}

}  // namespace

char* VEK_Stream_Room(FILE* stream, size_t n)
{
#if defined(__GLIBC__)
    if (stream && Free_Bytes(stream) >= n) return stream->_IO_write_ptr;
#else
    (void)stream, (void)n;
#endif
    return nullptr;
}

void VEK_Stream_Advance(FILE* stream, size_t n)
{
#if defined(__GLIBC__)
    stream->_IO_write_ptr += n;
#else
    (void)stream, (void)n;
#endif
}

namespace {

// Fast_Format straight into the free part of the stream's buffer, skip
// bytes on, when there is room for a record of usual length; the stream is
// not advanced. -1 when there is no such room or Fast_Format declined.
int Format_In_Room(FILE* stream, size_t skip, const char* format, va_list ap, char** text, bool no_zero_byte)
{
    constexpr size_t kEnough = 512;
    char* const room = VEK_Stream_Room(stream, skip + kEnough);
    if (!room) return -1;
    const int n = Fast_Format(room + skip, Free_Bytes(stream) - skip, format, ap, no_zero_byte);
    if (n >= 0) *text = room + skip;
    return n;
}

}  // namespace

// A piece of at least this many bytes goes from where it stands to the
// file, after the bytes before it, instead of through the stream's buffer:
// the kept picture of a load case (60 KB and more) is most of a list, and
// copying it into the buffer only to copy it out again was the writer's
// largest single cost.
constexpr size_t kStraightToFile = 16 * 1024;

int VEK_Stream_Put(FILE* stream, const char* text, size_t n)
{
    if (!stream) return -1;
    if (n == 0) return 0;
    if (n >= kStraightToFile) {
        const int straight = VEK_Write_Straight(stream, text, n);
        if (straight != VEK_STRAIGHT_NOT_HERE) return straight;
    }
    if (char* room = VEK_Stream_Room(stream, n)) {
        std::memcpy(room, text, n);
        VEK_Stream_Advance(stream, n);
        return static_cast<int>(n);
    }
#if defined(__GLIBC__)
    // Each stream of the program is written by one thread.
    const size_t done = fwrite_unlocked(text, 1, n, stream);
#else
    const size_t done = std::fwrite(text, 1, n, stream);
#endif
    return done == n ? static_cast<int>(n) : -1;
}

int VEK_Stream_Printf_V(FILE* stream, const char* format, va_list ap)
{
    if (!stream) return -1;
    if (!format) return 0;
    // Straight into the stream's buffer when the text fits there, else
    // through the record's buffer.
    va_list fast;
    va_copy(fast, ap);
    char* text;
    const int n = Format_In_Room(stream, 0, format, fast, &text, false);
    va_end(fast);
    if (n >= 0) {
        VEK_Stream_Advance(stream, static_cast<size_t>(n));
        return n;
    }
    VEK_Formatted f;
    if (!VEK_Format_Once(&f, format, ap)) return -1;
    return VEK_Stream_Put(stream, f.text, f.size);
}

int VEK_Stdio_Format_In_Place_V(FILE* stream, size_t skip, const char* format, va_list ap, char** text)
{
    if (!stream || !format || !Table_Is_The_Library()) return -1;
    return Format_In_Room(stream, skip, format, ap, text, true);
}

int VEK_Stdio_Printf_V(FILE* stream, const char* format, va_list ap)
{
    if (!stream) return -1;
    if (Table_Is_The_Library()) return VEK_Stream_Printf_V(stream, format, ap);
    VEK_Formatted f;
    if (!VEK_Format_Once(&f, format, ap)) return -1;
    return VEK_Stdio_Write_Bytes(stream, f.text, f.size);
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
    if (Table_Is_The_Library()) return VEK_Stream_Put(stream, text, n);
    const size_t done = VEK_STDIO_FCT->fwrite_fct(text, 1, n, stream);
    return done == n ? static_cast<int>(n) : -1;
}

int VEK_Stdio_Write_Blank_And(FILE* stream, bool blank, const char* text, size_t n)
{
    if (!stream) return -1;
    const size_t b = blank ? 1 : 0;
    if (Table_Is_The_Library()) {
        if (char* room = VEK_Stream_Room(stream, b + n)) {
            if (blank) room[0] = ' ';
            if (n) std::memcpy(room + b, text, n);
            VEK_Stream_Advance(stream, b + n);
            return static_cast<int>(b + n);
        }
    }
    if (blank && VEK_Stdio_Write_Bytes(stream, " ", 1) < 0) return -1;
    if (VEK_Stdio_Write_Bytes(stream, text, n) < 0) return -1;
    return static_cast<int>(b + n);
}
