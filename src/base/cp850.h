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

namespace cp850 {

// Unicode code point of the bytes 0x80..0xFF of code page 850.
inline constexpr char32_t kHighHalf[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 0x80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 0x88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 0x90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 0x98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // 0xA0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // 0xA8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // 0xB0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // 0xB8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // 0xC0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // 0xC8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // 0xD0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // 0xD8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // 0xE0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // 0xE8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // 0xF0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // 0xF8
};

// The print font puts these signs where code page 850 has others.
inline constexpr struct { char32_t code; unsigned char byte; } kPrintFontSigns[] = {
    {0x2264, 0xF3},  // less or equal
    {0x2265, 0xF2},  // greater or equal
    {0x2248, 0xF7},  // approximately equal
};

template <std::size_t N>
struct Utf8Literal {
    char text[N];
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

// Not constexpr on purpose: reaching it during constant evaluation is what
// turns an unmappable character into a compile error.
void character_has_no_code_page_850_byte();

struct Step {
    unsigned char byte;  // the code page 850 byte written
    std::size_t length;  // source bytes consumed
};

consteval int Byte_For_Code_Point(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (const auto& s : kPrintFontSigns)
        if (s.code == cp) return s.byte;
    for (int i = 0; i < 128; ++i)
        if (kHighHalf[i] == cp) return 0x80 + i;
    return -1;
}

consteval Step Next_Step(const char* s, std::size_t i, std::size_t n) {
    const unsigned char b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; }
    if (len == 0 || i + len > n) return {b0, 1};  // raw print-font byte
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char bk = static_cast<unsigned char>(s[i + k]);
        if ((bk & 0xC0) != 0x80) return {b0, 1};  // raw print-font byte
        cp = (cp << 6) | (bk & 0x3F);
    }
    const int byte = Byte_For_Code_Point(cp);
    if (byte < 0) character_has_no_code_page_850_byte();
    return {static_cast<unsigned char>(byte), len};
}

template <Utf8Literal S>
consteval std::size_t Encoded_Length() {
    constexpr std::size_t n = sizeof(S.text) - 1;  // without the terminator
    std::size_t count = 0;
    for (std::size_t i = 0; i < n;) {
        i += Next_Step(S.text, i, n).length;
        ++count;
    }
    return count;
}

template <Utf8Literal S>
consteval std::array<char, Encoded_Length<S>() + 1> Encode() {
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
    static constexpr auto bytes = Encode<S>();
};

}  // namespace cp850

// "Tragfähigkeit"_cp: the code page 850 bytes of the text, terminated, with
// static storage duration.
template <cp850::Utf8Literal S>
constexpr const char* operator""_cp() {
    return cp850::Encoded<S>::bytes.data();
}

#endif
