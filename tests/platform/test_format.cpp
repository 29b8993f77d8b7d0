// Formatting into bounded buffers and growing strings, and writing through
// the stdio table.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/desktop.h"
#include "platform/format.h"
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
