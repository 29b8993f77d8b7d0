// Texts of the system are 8-bit code page 850 bytes (print list, input and
// annex files, messages, dialog texts). The sources stay readable UTF-8:
// "Tragfähigkeit"_cp is converted at compile time and yields the byte 0x84
// for the "ä". A character that has no byte in code page 850 (nor among the
// print font's extra signs) stops the build.
//
// Conversion rules, in this order:
//   - ASCII stays as it is;
//   - "≤" "≥" "≈" become the print font's signs 0xF3, 0xF2, 0xF7;
//   - every other well-formed UTF-8 character becomes its code page 850 byte;
//   - a byte of 0x80 or above that does not begin a well-formed UTF-8
//     sequence is taken as it stands, so "\xE5" still writes the print
//     font's sigma where a text needs one of its symbol bytes.
#ifndef BASE_CP850_H
#define BASE_CP850_H

#include <array>
#include <cstddef>

#include "platform/cp850_table.h"

namespace cp850 {

// The print font puts these signs where code page 850 has others.
inline constexpr struct { char32_t code; unsigned char byte; } kPrintFontSigns[] = {
    {0x2264, 0xF3},  // less or equal
    {0x2265, 0xF2},  // greater or equal
    {0x2248, 0xF7},  // approximately equal
};

template <std::size_t N>
struct Utf8Literal {
    char text[N];
    constexpr Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

// The helpers are constexpr rather than consteval: clang 14 refuses a
// consteval call with a loop variable as argument inside another consteval
// function. They are reached only from Encoded<S>::bytes, a constant, so the
// conversion still happens at compile time; the static_assert there is what
// refuses an unmappable character.
struct Step {
    unsigned char byte;  // the code page 850 byte written
    std::size_t length;  // source bytes consumed
    bool mapped;         // false: the character has no byte
};

constexpr int Byte_For_Code_Point(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (const auto& s : kPrintFontSigns)
        if (s.code == cp) return s.byte;
    for (int i = 0; i < 128; ++i)
        if (kHighHalf[i] == cp) return 0x80 + i;
    return -1;
}

constexpr Step Next_Step(const char* s, std::size_t i, std::size_t n) {
    const unsigned char b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; }
    if (len == 0 || i + len > n) return {b0, 1, true};  // raw print-font byte
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char bk = static_cast<unsigned char>(s[i + k]);
        if ((bk & 0xC0) != 0x80) return {b0, 1, true};  // raw print-font byte
        cp = (cp << 6) | (bk & 0x3F);
    }
    const int byte = Byte_For_Code_Point(cp);
    if (byte < 0) return {'?', len, false};
    return {static_cast<unsigned char>(byte), len, true};
}

template <Utf8Literal S>
constexpr std::size_t Encoded_Length() {
    constexpr std::size_t n = sizeof(S.text) - 1;  // without the terminator
    std::size_t count = 0;
    for (std::size_t i = 0; i < n;) {
        i += Next_Step(S.text, i, n).length;
        ++count;
    }
    return count;
}

template <Utf8Literal S>
constexpr bool All_Mapped() {
    constexpr std::size_t n = sizeof(S.text) - 1;
    for (std::size_t i = 0; i < n;) {
        const Step st = Next_Step(S.text, i, n);
        if (!st.mapped) return false;
        i += st.length;
    }
    return true;
}

template <Utf8Literal S>
constexpr std::array<char, Encoded_Length<S>() + 1> Encode() {
    constexpr std::size_t n = sizeof(S.text) - 1;
    std::array<char, Encoded_Length<S>() + 1> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i < n;) {
        const Step st = Next_Step(S.text, i, n);
        out[o++] = static_cast<char>(st.byte);
        i += st.length;
    }
    out[o] = '\0';
    return out;
}

template <Utf8Literal S>
struct Encoded {
    static_assert(All_Mapped<S>(), "text has a character with no code page 850 byte");
    static constexpr auto bytes = Encode<S>();
};

}  // namespace cp850

// "Tragfähigkeit"_cp: the code page 850 bytes of the text, terminated, with
// static storage duration.
// clang 14 crashes when it prints such a literal in a note, as it does for a
// _cp literal inside the braces of a std::vector or bound directly to a
// const std::string& parameter: name the text first, or take it by value.
template <cp850::Utf8Literal S>
constexpr const char* operator""_cp() {
    return cp850::Encoded<S>::bytes.data();
}

#endif
