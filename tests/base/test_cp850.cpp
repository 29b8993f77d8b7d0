#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/cp850.h"

namespace {

std::string Bytes(const char* s) { return std::string(s); }

}  // namespace

TEST(Cp850, UmlautsAndSharpS) {
    EXPECT_EQ(Bytes("Tragfähigkeit"_cp), "Tragf\x84higkeit");
    EXPECT_EQ(Bytes("äöüÄÖÜß"_cp), "\x84\x94\x81\x8E\x99\x9A\xE1");
    EXPECT_EQ(Bytes("Schweißnahtanschluss"_cp), "Schwei\xE1nahtanschluss");
}

TEST(Cp850, MarkupEscapeGuillemetsAndPrintFontSigns) {
    EXPECT_EQ(Bytes("╬b!!"_cp), "\xCE" "b!!");
    EXPECT_EQ(Bytes("«Name»"_cp), "\xAEName\xAF");
    EXPECT_EQ(Bytes("≤≥≈"_cp), "\xF3\xF2\xF7");
    EXPECT_EQ(Bytes("°²³µ±"_cp), "\xF8\xFD\xFC\xE6\xF1");
}

TEST(Cp850, AsciiUnchangedAndLengthExact) {
    EXPECT_EQ(Bytes(" POS. %s"_cp), " POS. %s");
    EXPECT_EQ(std::strlen("a╬b"_cp), 3u);
    EXPECT_EQ(std::strlen(""_cp), 0u);
}

TEST(Cp850, RawPrintFontBytePassesThrough) {
    // A lone high byte is a print-font symbol, not UTF-8.
    EXPECT_EQ(Bytes("\xE5=1"_cp), "\xE5=1");
    EXPECT_EQ(Bytes("x\xF2"_cp), "x\xF2");
}

TEST(Cp850, SameTextSameStorage) {
    EXPECT_EQ("Lesefehler"_cp, "Lesefehler"_cp);
}
