// Formatting into bounded buffers and growing strings, and writing through
// the stdio table.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/format.h"
#include "support/fixed6_cases.h"
#include "support/testutil.h"

namespace {

__attribute__((format(printf, 3, 4))) int Bounded(char* buffer, size_t size, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Format_Bounded_V(buffer, size, format, ap);
    va_end(ap);
    return n;
}

__attribute__((format(printf, 1, 2))) std::string Whole(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::string out = "stale";
    EXPECT_TRUE(VEK_Format_String_V(out, format, ap));
    va_end(ap);
    return out;
}

int table_writes = 0;
int Counting_Fprintf(FILE* stream, const char* format, ...) {
    ++table_writes;
    va_list ap;
    va_start(ap, format);
    const int n = std::vfprintf(stream, format, ap);
    va_end(ap);
    return n;
}

size_t Counting_Fwrite(const void* data, size_t size, size_t count, FILE* stream) {
    ++table_writes;
    return std::fwrite(data, size, count, stream);
}

// The text of VEK_Format_Once and of the C library for the same call (not
// checked as a format call: some formats here are malformed on purpose).
std::pair<std::string, std::string> Once_And_Libc(const char* format, ...) {
    va_list ap, again;
    va_start(ap, format);
    va_copy(again, ap);
    VEK_Formatted f;
    VEK_Format_Once(&f, format, ap);  // false, and the empty text, for a malformed format
    std::string want;
    VEK_Format_String_V(want, format, again);
    va_end(again);
    va_end(ap);
    return {std::string(f.text, f.size), want};
}

}  // namespace

TEST(Format, BoundedBufferIsCutAndTerminated) {
    const struct {
        size_t size;
        const char* expect;
        int length;
    } cases[] = {
        {16, "ab-12-xyz", 9},  // fits
        {10, "ab-12-xyz", 9},  // fits exactly: 9 characters and the terminator
        {9, "ab-12-xy", 9},    // cut; the whole length tells
        {1, "", 9},
    };
    for (const auto& c : cases) {
        char buffer[16] = "old";
        EXPECT_EQ(Bounded(buffer, c.size, "%s-%d-%s", "ab", 12, "xyz"), c.length) << c.size;
        EXPECT_STREQ(buffer, c.expect) << c.size;
    }
    char buffer[8] = "old";
    EXPECT_EQ(Bounded(buffer, sizeof buffer, nullptr), 0);
    EXPECT_STREQ(buffer, "");
    // Every size, fast conversions and one left to the C library alike.
    for (size_t size = 1; size <= 48; size++) {
        char got[64], want[64];
        EXPECT_EQ(VEK_Format_Bounded(got, size, "%.2f|%g|%5d|%-3s|%lf|%e", -1.005, 0.25, 42, "a", 2.5, 1e3),
                  std::snprintf(want, size, "%.2f|%g|%5d|%-3s|%lf|%e", -1.005, 0.25, 42, "a", 2.5, 1e3));
        EXPECT_STREQ(got, want) << size;
    }
}

TEST(Format, GrowingStringHoldsTheWholeText) {
    EXPECT_EQ(Whole("%d|%s", 7, "x"), "7|x");
    EXPECT_EQ(Whole(nullptr), "");
    const std::string long_text(2500, 'q');  // beyond the first attempt's buffer
    EXPECT_EQ(Whole("<%s>", long_text.c_str()), "<" + long_text + ">");
    EXPECT_EQ(Whole("a%cb", 0), std::string("a\0b", 3));
}

TEST(Format, StdioWriteGoesThroughTheTableOnceHandedOver) {
    VEKStdioFctTable* const saved = VEK_STDIO_FCT;
    table_writes = 0;
    VEKStdioFctTable table = {};
    table.count = 18;
    table.fprintf_fct = &Counting_Fprintf;
    table.fwrite_fct = &Counting_Fwrite;
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    VEKSetStdioFctPtr(nullptr);
    EXPECT_EQ(VEK_Stdio_Write(f, "50% "), 4);  // a text, never a format
    EXPECT_EQ(VEK_Stdio_Write_Bytes(f, "a\0b", 3), 3);  // any byte, the count given
    VEKSetStdioFctPtr(&table);
    EXPECT_EQ(VEK_Stdio_Write(f, "%d"), 2);
    EXPECT_EQ(VEK_Stdio_Write(f, nullptr), 0);
    EXPECT_EQ(VEK_Stdio_Write_Bytes(f, "%s|", 3), 3);
    EXPECT_EQ(VEK_Stdio_Write_Bytes(f, nullptr, 0), 0);
    EXPECT_EQ(table_writes, 3);
    EXPECT_EQ(VEK_Stdio_Write(nullptr, "x"), -1);
    EXPECT_EQ(VEK_Stdio_Write_Bytes(nullptr, "x", 1), -1);
    VEKSetStdioFctPtr(saved);
    EXPECT_EQ(testutil::Stream_All(f), std::string("50% a\0b%d%s|", 12));
    std::fclose(f);
}

// VEK_Format_Once writes the texts of the program mostly without the C
// library's printf: every conversion it takes itself, with widths, '-',
// precisions and length modifiers, and those it leaves to the C library,
// give the C library's bytes.
TEST(Format, FormatOnceGivesTheBytesOfTheCLibrary) {
    const std::string long_text(1500, 'w');  // beyond the buffer on the stack
    const std::pair<std::string, std::string> calls[] = {
        Once_And_Libc("plain 100%% text"),
        Once_And_Libc("%d|%5d|%-5d|%i|%ld|%lld|%u|%x|%X|%lx", -42, 7, -7, 0, -1234567890123L, 9223372036854775807LL,
                      4000000000u, 0xBEEFu, 0xBEEFu, 0xFFFFFFFFFFUL),
        Once_And_Libc("%c%c|%3c|%-3c|", 'a', '\xCE', 'b', 'c'),
        Once_And_Libc("%s|%8s|%-8s|%.2s|%*s|%.*s", "abc", "abc", "abc", "abc", 6, "x", 1, "yz"),
        Once_And_Libc("%f|%.0f|%.1f|%.2f|%.3f|%9.2f|%-9.2f|%lf", 0.125, 2.5, -0.05, 1.005, 1e-4, 3.14159, -2.0, 1e15),
        Once_And_Libc("%.2f %.2f %.9f %.4f", 0.375, 0.625, 1.0 / 3, -0.0),
        // The precision from the arguments, 0 to 9 (others left to the C library).
        Once_And_Libc("%.*lf|%.*f|%.*lf|%.*f|%.*lf", 0, 2.5, 2, 359.999964, 5, 359.999964, 9, 1.0 / 3, 10, 0.1),
        Once_And_Libc("%.*lf|%.*f|x%.*lf", -1, 0.375, 7, -1.0299999, 3, 1e300),
        // Left to the C library: other flags, conversions and modifiers, a
        // null text, non-finite values, long texts.
        Once_And_Libc("%+d|%05d|% d|%#x|%e|%g|%.6g|%hd|%zu|%p", 5, 5, 5, 255u, 1.5, 0.1, 1e-7, 3, sizeof(int),
                      static_cast<void*>(nullptr)),
        Once_And_Libc("%.12f|%f|%f|%s", 0.1, HUGE_VAL, std::nan(""), static_cast<const char*>(nullptr)),
        Once_And_Libc("<%s>", long_text.c_str()),
        Once_And_Libc("%5%|%"),
    };
    for (const auto& [got, want] : calls) EXPECT_EQ(got, want);
    VEK_Formatted f;
    va_list none{};
    EXPECT_TRUE(VEK_Format_Once(&f, nullptr, none));
    EXPECT_EQ(f.size, 0u);
}

// The same format as a string constant (kept once read), from a buffer
// reused for each format (read as it goes) and from the C library: the same
// bytes, also for formats too long or with too many conversions to keep.
TEST(Format, FormatsFromConstantsAndBuffersGiveTheSameBytes) {
    static char buffer[400];
    const auto three = [](const char* format, int i, double d, const char* s) {
        const auto [kept, want] = Once_And_Libc(format, i, d, s);
        std::snprintf(buffer, sizeof buffer, "%s", format);
        const auto [scanned, again] = Once_And_Libc(buffer, i, d, s);
        EXPECT_EQ(kept, want) << format;
        EXPECT_EQ(scanned, want) << format;
        for (int round = 0; round < 2; ++round) EXPECT_EQ(Once_And_Libc(format, i, d, s).first, want) << format;
    };
    three("%d %.2f %s\n", -12, 2.675, "abc");
    three("Nr. %-5d|%8.3f|%.2s|", 7, -0.0005, "xyz");
    three("%d%g%s", 1, 1e-5, "");
    three("a%%b %5d%-9.4g%s", 0, 123456.5, "long enough to be copied whole, past sixteen bytes");
    three("%+d %f %s", 5, 1.5, "declined for its flag");
    three("%d %e %s", 5, 1.5, "declined for its conversion");
    three("%d %f %s %", 5, 1.5, "ends with a bare per cent");
    three("%%|%%|%%|%%|%%|%%|%%|%%|%%|%%|%%|%%|%d %f %s", 1, 2.5, "fifteen conversions");
    three("%d ================================================================================================"
          "============================================================================================== %f %s",
          3, 0.25, "after 190 bytes");
    three("%d %f %s: the text is cut where it does not fit in a small buffer", 3, 0.25, std::string(2000, 's').c_str());
}

namespace {
// More formats in the program's constants than the formatter keeps, each
// of its own text: "<n> %d|%.2f|%s".
constexpr int kManyFormats = 1200;
struct Many_Formats {
    char text[kManyFormats][24];
};
constexpr Many_Formats Make_Many_Formats() {
    Many_Formats m{};
    for (int i = 0; i < kManyFormats; ++i) {
        char* p = m.text[i];
        for (int d = 1000; d >= 1; d /= 10) *p++ = static_cast<char>('0' + i / d % 10);
        for (const char* tail = " %d|%.2f|%s"; *tail; ++tail) *p++ = *tail;
    }
    return m;
}
constexpr Many_Formats kManyFormatsText = Make_Many_Formats();
}  // namespace

// Once the kept formats are as many as the formatter keeps, the formats
// after them are read at each use: every one, kept or not, used once or
// again after all the others, gives the C library's bytes.
TEST(Format, FormatsBeyondTheKeptOnesGiveTheSameBytes) {
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < kManyFormats; ++i) {
            const char* format = kManyFormatsText.text[i];
            const auto [got, want] = Once_And_Libc(format, i - round, i / 8.0, round ? "again" : "first");
            ASSERT_EQ(got, want) << format;
        }
    }
}

namespace {
__attribute__((format(printf, 3, 4))) int Quick(char* out, size_t size, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Format_Quick_V(out, size, format, ap);
    va_end(ap);
    return n;
}
}  // namespace

// Straight into a buffer of every size up to beyond the text: the C
// library's bytes where they fit, -1 where they do not (each conversion's
// piece both in place and formatted aside near the buffer's end), -1 for
// what the C library must format.
TEST(Format, QuickFormatWritesTheWholeTextOrNothing) {
    const char* const word = "a text longer than sixteen bytes";
    char want[200];
    const int w = std::snprintf(want, sizeof want, "<%s|%.2f|%d|%lf|%s>", word, -1234.565, -98765, 0.125, "ok");
    for (size_t size = 1; size < 200; ++size) {
        char out[200];
        const int n = Quick(out, size, "<%s|%.2f|%d|%lf|%s>", word, -1234.565, -98765, 0.125, "ok");
        if (size > static_cast<size_t>(w)) {
            EXPECT_EQ(n, w) << size;
            EXPECT_STREQ(out, want) << size;
        } else {
            EXPECT_EQ(n, -1) << size;
        }
    }
    char out[64];
    EXPECT_EQ(Quick(out, sizeof out, "%+d", 1), -1);
    EXPECT_EQ(Quick(out, 0, "x"), -1);
}

// "%.Nf" for every precision 0 to 9 on the mixture of ties, near-ties,
// limit values and random bit patterns of the "%lf" check.
TEST(Format, FormatFixedWritesWhatSnprintfWrites) {
    char got[400], want[400];
    int differ = 0;
    for (uint64_t i = 0; i < 50000; i++) {
        const int precision = static_cast<int>(i % 10);
        const double v = Fixed6_Case(i);
        const int n = VEK_Format_Fixed(got, sizeof got, v, precision);
        const int w = std::snprintf(want, sizeof want, "%.*f", precision, v);
        if ((n != w || std::strcmp(got, want) != 0) && differ++ < 5)
            ADD_FAILURE() << "case " << i << " precision " << precision << ": " << got << " for " << want;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(VEK_Format_Fixed(got, sizeof got, 1.0, 10), -1);
    EXPECT_EQ(VEK_Format_Fixed(got, 4, 1.0, 6), -1);
}

// "%g" is written without the C library where it takes the fixed form; the
// bytes stay the C library's at the bounds of that form (1e-4, 10^P), where
// the rounding carries into one more figure (9.9999995, 999999.5), for
// every precision and on the mixture of the "%lf" check. Integers at each
// power of ten check the count of digits.
TEST(Format, FormatOnceGeneralAndDigitCountsMatchTheCLibrary) {
    std::vector<double> values = {0.0, -0.0, 0.5, 2.54, 1.0 / 3, 123456.5, 9.9999995, 99999.95, 999999.5, 0.00012345};
    for (int e = -7; e <= 13; e++) {
        const double p = std::pow(10.0, e);
        for (const double v : {p, p * 0.95, p * 0.99999995, p * 0.9999995, p * 0.999995, p * 0.99995})
            for (const double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v}) values.push_back(w);
    }
    for (uint64_t i = 0; i < 20000; i++) values.push_back(Fixed6_Case(i));
    int differ = 0;
    for (size_t i = 0; i < values.size(); i++) {
        for (const int precision : {0, 1, 2, 3, 5, 6, 9, 10, 11}) {
            const auto [got, want] = Once_And_Libc("%.*g|%9.*g|%-7g|%g", precision, values[i], precision, values[i],
                                                   values[i], values[i]);
            if (got != want && differ++ < 5) ADD_FAILURE() << "value " << values[i] << ": " << got << " for " << want;
        }
    }
    EXPECT_EQ(differ, 0);
    for (uint64_t p = 1; p != 0 && p <= 10000000000000000000ull; p *= 10) {
        for (const uint64_t v : {p - 1, p, p + 1}) {
            const auto [got, want] = Once_And_Libc("%llu %lld %lld|", static_cast<unsigned long long>(v),
                                                   static_cast<long long>(v / 2), -static_cast<long long>(v / 2));
            EXPECT_EQ(got, want);
        }
        if (p == 10000000000000000000ull) break;
    }
}

namespace {
__attribute__((format(printf, 2, 3))) int Stream_Printf(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Stream_Printf_V(stream, format, ap);
    va_end(ap);
    return n;
}
__attribute__((format(printf, 2, 3))) int Stdio_Printf(FILE* stream, const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const int n = VEK_Stdio_Printf_V(stream, format, ap);
    va_end(ap);
    return n;
}
}  // namespace

// The direct writes give the bytes of fwrite and fprintf in their order,
// on a buffered stream (straight into its buffer, across its end) and on
// an unbuffered one (no room shown); the table's own fwrite, when it is
// not the C library's, still gets every piece.
TEST(Format, StreamWritesGiveTheBytesInOrder) {
    for (const bool buffered : {true, false}) {
        FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        static char buffer[64];
        std::setvbuf(f, buffered ? buffer : nullptr, buffered ? _IOFBF : _IONBF, buffered ? sizeof buffer : 0);
        std::string want;
        for (int i = 0; i < 30; i++) {
            EXPECT_EQ(VEK_Stream_Put(f, "ab\0c", 4), 4);
            want.append("ab\0c", 4);
            char text[64];
            const int n = std::snprintf(text, sizeof text, "<%d %.2f %e>", i, i / 8.0, 1.5);
            EXPECT_EQ(Stream_Printf(f, "<%d %.2f %e>", i, i / 8.0, 1.5), n);
            want += text;
        }
        if (char* room = VEK_Stream_Room(f, 3)) {
            EXPECT_TRUE(buffered);
            std::memcpy(room, "xyz", 3);
            VEK_Stream_Advance(f, 2);
            want += "xy";
        } else {
            EXPECT_FALSE(buffered);
        }
        EXPECT_EQ(VEK_Stream_Put(f, "", 0), 0);
        for (int i = 0; i < 30; i++) {
            const bool blank = i % 3 != 0;
            const std::string line(static_cast<size_t>(i % 7) * 3, static_cast<char>('a' + i % 26));
            EXPECT_EQ(VEK_Stdio_Write_Blank_And(f, blank, line.data(), line.size()),
                      static_cast<int>(line.size()) + (blank ? 1 : 0));
            want += (blank ? " " : "") + line;
        }
        EXPECT_EQ(VEK_Stream_Room(f, size_t{1} << 30), nullptr);
        EXPECT_EQ(testutil::Stream_All(f), want);
        std::fclose(f);
    }
    EXPECT_EQ(VEK_Stream_Put(nullptr, "x", 1), -1);
    EXPECT_EQ(VEK_Stdio_Write_Blank_And(nullptr, true, "x", 1), -1);
    EXPECT_EQ(Stream_Printf(nullptr, "x"), -1);

    VEKStdioFctTable* const saved = VEK_STDIO_FCT;
    VEKStdioFctTable table = {};
    table.fwrite_fct = &Counting_Fwrite;
    VEKSetStdioFctPtr(&table);
    table_writes = 0;
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Stdio_Printf(f, "%s=%g", "a", 0.25), 6);
    EXPECT_EQ(VEK_Stdio_Write_Bytes(f, "|", 1), 1);
    EXPECT_EQ(VEK_Stdio_Write_Blank_And(f, true, "b", 1), 2);
    EXPECT_EQ(table_writes, 4);
    VEKSetStdioFctPtr(saved);
    EXPECT_EQ(Stdio_Printf(f, "%d", 7), 1);
    EXPECT_EQ(table_writes, 4);
    EXPECT_EQ(testutil::Stream_All(f), "a=0.25| b7");
    std::fclose(f);
}

// A list of coordinates in one call: " %lf" of each value, the C library's
// bytes, also for the values it leaves to the C library (2^43 and more).
TEST(Format, FixedValuesListIsTheTextOfLfForEach) {
    std::vector<double> values = {0.0, -0.0, 0.5e-6, -1.5e-6, 12.3456785, 1e15, -1e300, 123456.0};
    for (uint64_t i = 0; i < 3000; i++) values.push_back(Fixed6_Case(i));
    std::vector<char> out(values.size() * VEK_FIXED6_ROOM + 1);
    for (const size_t count : {size_t{0}, size_t{1}, size_t{8}, values.size()}) {
        std::string want;
        char one[400];
        for (size_t i = 0; i < count; i++) want.append(one, std::snprintf(one, sizeof one, " %lf", values[i]));
        const size_t n = VEK_Format_Fixed6_Values(out.data(), values.data(), static_cast<int>(count));
        EXPECT_EQ(std::string(out.data(), n), want);
        EXPECT_EQ(out[n], '\0');
    }
}
