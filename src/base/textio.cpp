// Text I/O helpers, text blocks and the stdio table. See textio.h for the
// contracts. Every reader here takes the bytes of its stream one at a time
// (Next_Byte) and gives one back with ungetc; none of them ever uses data
// as a format.
#include "base/textio.h"

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "platform/desktop.h"

// The stdio table handed to the window library: the count, then the entries
// in the order the library expects.
static VEKStdioFctTable s_stdio_table = {
    18,          &std::fopen,  &std::fclose,  &std::fread,   &std::fwrite,  &std::ferror,
    &std::fscanf, &std::fprintf, &std::fseek,  &std::ftell,   &std::fsetpos, &std::fgetpos,
    &std::fgets,  &std::fgetc,   &std::fputs,  &std::fputc,   &std::ungetc,  &std::sscanf,
    &std::sprintf,
};

// The next byte of a stream, as fgetc gives it but without taking the
// stream's lock for it: the input's load cases and the annex files are read
// a byte at a time, and the call that takes the lock was most of the cost.
// A stream is read only by the thread that opened it.
static inline int Next_Byte(FILE* stream) { return getc_unlocked(stream); }

void Set_VEK_Stdio_Table(void) {
    VEKSetStdioFctPtr(&s_stdio_table);
}

// Blank, tab, line feed and the carriage return of a CRLF line end.
static bool Is_Name_Space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int Fgetc_Skip_Blanks(FILE* stream) {
    if (!stream) return EOF;
    int c;
    do {
        c = Next_Byte(stream);
    } while (Is_Name_Space(c));
    return c;
}

int Read_Guillemet_Name(FILE* stream, char* buffer) {
    assert(buffer);
    if (!buffer) return 0;
    buffer[0] = '\0';
    if (!stream || Fgetc_Skip_Blanks(stream) != GUILLEMET_OPEN) return 0;
    int count = 0;
    for (;;) {
        const int c = Next_Byte(stream);
        if (c == EOF || c == GUILLEMET_CLOSE) break;
        if (count == GUILLEMET_NAME_SIZE - 1) break;  // the 100th character: cut here
        buffer[count++] = static_cast<char>(c);
    }
    buffer[count] = '\0';
    return count;
}

static int Digit_Value(int c, int radix) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < radix ? d : -1;
}

int Parse_Int(const char* text, int base, int* value, const char** end) {
    assert(text && value && (base == 0 || base == 10));
    const char* p = text;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    int radix = 10;
    if (base == 0 && p[0] == '0') {
        if ((p[1] == 'x' || p[1] == 'X') && Digit_Value(static_cast<unsigned char>(p[2]), 16) >= 0) {
            radix = 16;
            p += 2;
        } else {
            radix = 8;
        }
    }
    if (Digit_Value(static_cast<unsigned char>(*p), radix) < 0) {
        if (end) *end = text;
        return 0;
    }
    // Hexadecimal numbers carry the int's 32 bits; the others its value.
    const unsigned long long limit = radix == 16 ? 0xFFFFFFFFull : negative ? 2147483648ull : 2147483647ull;
    unsigned long long magnitude = 0;
    bool too_large = false;
    for (int d; (d = Digit_Value(static_cast<unsigned char>(*p), radix)) >= 0; ++p) {
        magnitude = magnitude * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (magnitude > limit) {
            too_large = true;
            magnitude = limit;  // the digits go on being taken, not added
        }
    }
    if (end) *end = p;
    if (too_large) return INT_TOO_LARGE;
    if (radix == 16) {
        const std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
        *value = static_cast<int>(negative ? 0u - bits : bits);
    } else {
        *value = negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
    }
    return 1;
}

// The first character after white space (as " %d" skips it), or EOF.
static int First_After_Space(FILE* stream) {
    int c;
    do {
        c = Next_Byte(stream);
    } while (c != EOF && std::isspace(c));
    return c;
}

int Scan_Int(FILE* stream, int base, int* value) {
    assert(stream && value);
    int c = First_After_Space(stream);
    if (c == EOF) return EOF;
    // The number's characters as the parser takes them; digits beyond what
    // any int needs only mark the number as too large.
    char text[48];
    size_t n = 0;
    bool overlong = false;
    if (c == '+' || c == '-') {
        text[n++] = static_cast<char>(c);
        c = Next_Byte(stream);
    }
    int radix = 10;
    if (base == 0 && c == '0') {
        text[n++] = '0';
        c = Next_Byte(stream);
        if (c == 'x' || c == 'X') {
            const int next = Next_Byte(stream);
            if (Digit_Value(next, 16) >= 0) {
                text[n++] = 'x';
                radix = 16;
            }
            c = next;  // a lone "0x" reads as 0 with the x taken
        } else {
            radix = 8;
        }
    }
    for (; c != EOF && Digit_Value(c, radix) >= 0; c = Next_Byte(stream)) {
        if (n < sizeof text - 1) text[n++] = static_cast<char>(c);
        else overlong = true;
    }
    if (c != EOF) std::ungetc(c, stream);
    text[n] = '\0';
    if (overlong) return INT_TOO_LARGE;
    return Parse_Int(text, base, value, nullptr);
}

// The longest number text taken whole: "%lf" of the largest double has 316
// characters; a longer text is a damaged file.
enum { NUMBER_TEXT_MAX = 400 };

// 1 when a digit of the number's mantissa (before any exponent) is not 0.
static bool Mantissa_Not_Zero(const char* text) {
    for (const char* p = text; *p && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '1' && *p <= '9') return true;
    return false;
}

// Converts a complete decimal number text (as Parse_Double accepted it). A
// value that a double cannot hold is refused both ways: beyond its range,
// and so small that it would come out as 0 ("1e-400" is no zero a file
// means).
static int Convert_Decimal(const char* text, double* value) {
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (!std::isfinite(v)) return NUMBER_OUT_OF_RANGE;
    if (v == 0.0 && Mantissa_Not_Zero(text)) return NUMBER_OUT_OF_RANGE;
    *value = v;
    return 1;
}

// Length of the decimal number at text, 0 when none stands there.
static size_t Decimal_Length(const char* text) {
    const char* p = text;
    if (*p == '+' || *p == '-') ++p;
    size_t digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) ++digits;
    if (*p == '.') {
        ++p;
        for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) ++digits;
    }
    if (digits == 0) return 0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') ++q;
        if (std::isdigit(static_cast<unsigned char>(*q))) {
            while (std::isdigit(static_cast<unsigned char>(*q))) ++q;
            p = q;
        }
    }
    return static_cast<size_t>(p - text);
}

int Parse_Double(const char* text, double* value, const char** end) {
    assert(text && value);
    const size_t n = Decimal_Length(text);
    if (end) *end = text + n;
    if (n == 0) return 0;
    if (n > NUMBER_TEXT_MAX) return NUMBER_TOO_LARGE;
    const std::string number(text, n);
    return Convert_Decimal(number.c_str(), value);
}

int Scan_Double(FILE* stream, double* value) {
    assert(stream && value);
    int c = First_After_Space(stream);
    if (c == EOF) return EOF;
    char text[NUMBER_TEXT_MAX + 1];  // on the stack: a long number of the file takes no allocation
    size_t size = 0;
    bool overlong = false;
    auto take = [&](int ch) {
        if (size < NUMBER_TEXT_MAX) text[size++] = static_cast<char>(ch);
        else overlong = true;
    };
    if (c == '+' || c == '-') {
        take(c);
        c = Next_Byte(stream);
    }
    size_t digits = 0;
    for (; c != EOF && std::isdigit(c); c = Next_Byte(stream), ++digits) take(c);
    if (c == '.') {
        take(c);
        for (c = Next_Byte(stream); c != EOF && std::isdigit(c); c = Next_Byte(stream), ++digits) take(c);
    }
    if (digits == 0) {
        if (c != EOF) std::ungetc(c, stream);
        return 0;
    }
    if (c == 'e' || c == 'E') {
        take(c);
        c = Next_Byte(stream);
        if (c == '+' || c == '-') {
            take(c);
            c = Next_Byte(stream);
        }
        // An exponent mark must carry digits; the stream cannot give back
        // what was taken, so "1e" is no number, as with the C library.
        if (c == EOF || !std::isdigit(c)) {
            if (c != EOF) std::ungetc(c, stream);
            return 0;
        }
        for (; c != EOF && std::isdigit(c); c = Next_Byte(stream)) take(c);
    }
    if (c != EOF) std::ungetc(c, stream);
    if (overlong) return NUMBER_TOO_LARGE;
    text[size] = '\0';
    return Convert_Decimal(text, value);
}

// Reads the rest of a word that is no number up to the next white space,
// which stays in the stream.
static void Drop_Rest_Of_Word(FILE* stream) {
    int c;
    while ((c = Next_Byte(stream)) != EOF && !std::isspace(c)) {
    }
    if (c != EOF) std::ungetc(c, stream);
}

// The word check of both scanners: a number taken (1) or out of range must
// be followed by white space or the end of the file, else the word is no
// number.
static int Word_End(FILE* stream, int result) {
    if (result != 1 && result != NUMBER_OUT_OF_RANGE) return result;
    const int c = Next_Byte(stream);
    if (c == EOF) return result;
    std::ungetc(c, stream);
    if (std::isspace(c)) return result;
    Drop_Rest_Of_Word(stream);
    return 0;
}

int Scan_Double_Word(FILE* stream, double* value) {
    assert(stream && value);
    double v = 0.0;
    int result = Scan_Double(stream, &v);
    if (result == 0) Drop_Rest_Of_Word(stream);
    result = Word_End(stream, result);
    if (result == 1) *value = v;
    return result;
}

int Scan_Int_Word(FILE* stream, int* value) {
    assert(stream && value);
    int v = 0;
    int result = Scan_Int(stream, 10, &v);
    if (result == 0) Drop_Rest_Of_Word(stream);
    result = Word_End(stream, result);
    if (result == 1) *value = v;
    return result;
}

int Number_Follows(FILE* stream) {
    assert(stream);
    const int c = First_After_Space(stream);
    if (c == EOF) return 0;
    std::ungetc(c, stream);
    return std::isdigit(c) || c == '+' || c == '-' || c == '.';
}

// The whole-text check of both parsers: only white space after the number.
static int Text_End(const char* end, int result) {
    if (result != 1 && result != NUMBER_OUT_OF_RANGE) return result;
    while (std::isspace(static_cast<unsigned char>(*end))) ++end;
    return *end ? 0 : result;
}

static const char* Skip_Space(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    return text;
}

int Parse_Double_Word(const char* text, double* value) {
    assert(text && value);
    const char* end = nullptr;
    double v = 0.0;
    const int got = Parse_Double(Skip_Space(text), &v, &end);
    const int result = Text_End(end, got);
    if (result == 1) *value = v;
    return result;
}

int Parse_Int_Word(const char* text, int* value) {
    assert(text && value);
    const char* end = nullptr;
    int v = 0;
    const int got = Parse_Int(Skip_Space(text), 10, &v, &end);
    const int result = Text_End(end, got);
    if (result == 1) *value = v;
    return result;
}

int Write_Guillemet_String(FILE* stream, const char* text) {
    return Write_Delimited_String(stream, text, GUILLEMET_OPEN, GUILLEMET_CLOSE);
}

int Read_Guillemet_String(FILE* stream, char* buffer) {
    assert(buffer);
    if (!buffer) return -1;
    buffer[0] = '\0';
    if (Fgetc_Skip_Blanks(stream) != GUILLEMET_OPEN) return -1;  // EOF for a null stream
    int count = 0;
    while (count < GUILLEMET_STRING_MAX) {
        const int c = Next_Byte(stream);
        if (c == EOF || c == GUILLEMET_CLOSE) break;
        buffer[count++] = static_cast<char>(c);
    }
    buffer[count] = '\0';
    return count;
}

int Read_Delimited_String(FILE* stream, char* buffer, int size, int open_char, int close_char) {
    if (!stream || !buffer || size < 1) return -1;
    buffer[0] = '\0';
    int c = First_After_Space(stream);
    if (c == EOF || c != (open_char & 0xFF)) return 0;
    int count = 0;
    for (;;) {
        c = Next_Byte(stream);
        if (c == EOF || c == (close_char & 0xFF)) break;
        if (count < size - 1) buffer[count++] = static_cast<char>(c);
    }
    buffer[count] = '\0';
    return count;
}

int Write_Delimited_String(FILE* stream, const char* text, int open_char, int close_char) {
    if (!stream) return 1;
    if (std::fputc(open_char, stream) == EOF) return 1;
    if (text && *text && std::fputs(text, stream) == EOF) return 1;
    if (std::fputc(close_char, stream) == EOF) return 1;
    return std::ferror(stream) ? 1 : 0;
}

// White space as isspace tells it; the blank, which pads the names of fixed
// columns trimmed for every model and load case, without the call.
static bool Is_Trimmed_Space(char c) {
    return c == ' ' || std::isspace(static_cast<unsigned char>(c));
}

int Trim_String(char* text, int flags) {
    if (!text || !*text) return 0;
    size_t len = std::strlen(text);
    if (flags & 2) {
        while (len > 0 && Is_Trimmed_Space(text[len - 1])) --len;
        text[len] = '\0';
    }
    if (flags & 1) {
        size_t lead = 0;
        while (lead < len && Is_Trimmed_Space(text[lead])) ++lead;
        if (lead > 0) {
            std::memmove(text, text + lead, len - lead + 1);
            len -= lead;
        }
    }
    return static_cast<int>(len);
}

int Copy_Trimmed(const char* source, char* target, int size, int flags) {
    if (!target || size < 1) return 0;
    const size_t room = static_cast<size_t>(size) - 1;
    const size_t len = source ? strnlen(source, room) : 0;
    if (len > 0) std::memcpy(target, source, len);
    target[len] = '\0';
    size_t out = static_cast<size_t>(Trim_String(target, flags & 3));
    if (flags & 4) {
        while (out < room) target[out++] = ' ';
        target[out] = '\0';
    }
    return static_cast<int>(out);
}

void Skip_Rest_Of_Line(FILE* stream) {
    if (!stream) return;
    int c;
    do {
        c = Next_Byte(stream);
    } while (c != EOF && c != '\n');
}

int Find_Keyword_Line(FILE* stream, const char* keyword, int rewind_first) {
    if (!stream || !keyword || !*keyword) return 0;
    const size_t len = strnlen(keyword, 100);
    if (rewind_first) std::rewind(stream);
    for (;;) {
        // Compare the line's first len characters as they come; a line that
        // ends (or differs) before that never matches.
        size_t i = 0;
        int c = Next_Byte(stream);
        if (c == EOF) return 0;
        while (i < len && c != EOF && c != '\n' && c == static_cast<unsigned char>(keyword[i])) {
            ++i;
            if (i < len) c = Next_Byte(stream);
        }
        if (i == len) {
            Skip_Rest_Of_Line(stream);
            return 1;
        }
        if (c == EOF) return 0;
        if (c != '\n') Skip_Rest_Of_Line(stream);
    }
}

int Find_Keyword_Int(const char* keyword, FILE* file, int* out) {
    if (!keyword || !file) return 0;
    const size_t len = std::strlen(keyword);
    std::rewind(file);
    char line[511];  // the first 510 characters of a line
    while (Read_Line(file, line, sizeof line) != READ_LINE_EOF) {
        // Byte by byte: most lines differ at their first, and the count of
        // the C library's strncmp follows where the keyword happens to lie.
        size_t same = 0;
        while (same < len && line[same] == keyword[same]) ++same;
        if (same < len) continue;
        int value = 0;
        if (out && Parse_Int(line + len + std::strspn(line + len, " \t\r\n\v\f"), 10, &value, nullptr) == 1)
            *out = value;
        return 1;
    }
    return 0;
}

int Read_Line(FILE* stream, char* buffer, int size) {
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!stream) return READ_LINE_EOF;
    int c = Next_Byte(stream);
    if (c == EOF) return READ_LINE_EOF;
    int stored = 0;
    long total = 0;
    int last = -1;
    while (c != EOF && c != '\n') {
        if (stored < size - 1) buffer[stored++] = static_cast<char>(c);
        ++total;
        last = c;
        c = Next_Byte(stream);
    }
    // The CR of a CRLF line end was stored only when the whole line fitted.
    if (last == '\r' && total <= size - 1) --stored;
    buffer[stored] = '\0';
    return stored + 1;
}

int Text_Block_Writable(const char* text) {
    // Byte 1 stands for a newline and » ends a chunk: a text holding either
    // would not read back as written.
    for (const char* p = text; p && *p; ++p) {
        const unsigned char b = static_cast<unsigned char>(*p);
        if (b == 1 || b == GUILLEMET_CLOSE) return 0;
    }
    return 1;
}

int Write_Text_Block(FILE* stream, const char* text) {
    if (!stream || !Text_Block_Writable(text)) return 0;
    const size_t len = text ? std::strlen(text) : 0;
    if (std::fprintf(stream, "TXB%d\n", static_cast<int>(len)) < 0) return 0;
    for (size_t start = 0; start < len; start += TEXT_BLOCK_CHUNK) {
        const size_t end = start + TEXT_BLOCK_CHUNK < len ? start + TEXT_BLOCK_CHUNK : len;
        if (std::fputc(GUILLEMET_OPEN, stream) == EOF) return 0;
        for (size_t i = start; i < end; ++i) {
            const int b = text[i] == '\n' ? 1 : static_cast<unsigned char>(text[i]);
            if (std::fputc(b, stream) == EOF) return 0;
        }
        if (std::fputc(GUILLEMET_CLOSE, stream) == EOF || std::fputc('\n', stream) == EOF) return 0;
    }
    return std::ferror(stream) ? 0 : 1;
}

char* Read_Text_Block(FILE* stream) {
    if (!stream) return nullptr;
    int c;
    do {
        c = Next_Byte(stream);
    } while (c == ' ' || c == '\n' || c == '\r');
    if (c != 'T' || Next_Byte(stream) != 'X' || Next_Byte(stream) != 'B') return nullptr;
    int length = 0;
    if (Scan_Int(stream, 10, &length) != 1 || length < 1) return nullptr;
    // The text grows with what the chunks really hold: a damaged head that
    // announces two gigabytes must not make us ask for them up front.
    std::string text;
    size_t remaining = static_cast<size_t>(length);
    char chunk[GUILLEMET_STRING_MAX + 1];
    for (int round = 0; round < 100000 && remaining > 0; ++round) {
        const int got = Read_Guillemet_String(stream, chunk);
        if (got < 0) break;
        // A chunk longer than announced is cut: the text never outgrows its
        // block.
        const size_t take = static_cast<size_t>(got) < remaining ? static_cast<size_t>(got) : remaining;
        for (size_t i = 0; i < take; ++i) text.push_back(chunk[i] == 1 ? '\n' : chunk[i]);
        remaining -= take;
    }
    if (remaining > 0) return nullptr;  // a cut block is a damaged one
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    if (!block) return nullptr;
    std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

char* Dup_String_N(const char* text, int n) {
    if (n < 0) return nullptr;
    if (!text) {
        // A newline and its terminator, even for n = 0.
        const size_t bytes = n + 1 < 2 ? 2 : static_cast<size_t>(n) + 1;
        char* block = static_cast<char*>(std::calloc(bytes, 1));
        if (block) block[0] = '\n';
        return block;
    }
    char* block = static_cast<char*>(std::calloc(static_cast<size_t>(n) + 1, 1));
    if (block) std::memcpy(block, text, strnlen(text, static_cast<size_t>(n)));
    return block;
}

int String_Size(const char* text) {
    return text ? static_cast<int>(std::strlen(text)) + 1 : 0;
}

void Free_If_Set(void* pointer) {
    if (pointer) std::free(pointer);
}

// Code page 850 to Windows code page 1252. Latin-1 letters keep their code
// point; the signs 1252 lacks become the nearest plain sign.
static unsigned char Ansi_Byte(int b) {
    switch (b) {
        case 0x0F: return 0xA4;
        case 0x14: return 0xB6;
        case 0x15: return 0xA7;
        case 0xB0: case 0xB1: case 0xB2: case 0xDB: case 0xDC: case 0xF2: case 0xFE: return '_';
        case 0xB3: case 0xB4: case 0xB9: case 0xBA: case 0xCC: return 0xA6;
        case 0xC4: case 0xC1: case 0xC2: case 0xCA: case 0xCB: case 0xCD: return '-';
        case 0xBB: case 0xBC: case 0xBF: case 0xC0: case 0xC3: case 0xC5: case 0xC8: case 0xC9:
        case 0xCE: case 0xD9: case 0xDA: return '+';
        case 0xD5: return 'i';
        case 0xDF: return 0xB7;
        case 0xFF: return ' ';
        default: break;
    }
    if (b < 0x80) return static_cast<unsigned char>(b);
    const char32_t cp = cp850::kHighHalf[b - 0x80];
    if (cp < 0x100) return static_cast<unsigned char>(cp);
    if (cp == 0x0192) return 0x83;  // f with hook
    return '_';
}

static void Strip_Markup(char* text) {
    const unsigned char kEscape = 0xCE;
    char* out = text;
    const char* p = text;
    while (*p) {
        if (static_cast<unsigned char>(*p) != kEscape) {
            *out++ = *p++;
            continue;
        }
        if (p[1] == '\0') break;  // a trailing escape byte goes alone
        if (p[1] != '{' || p[2] == '\n') {
            p += 2;
            continue;
        }
        const char* close = std::strchr(p + 2, '}');
        if (close) {
            p = close + 1;
        } else {
            const char* eol = std::strchr(p + 2, '\n');
            p = eol ? eol : p + std::strlen(p);
        }
    }
    *out = '\0';
}

char* Strip_Markup_To_Ansi(char* text, int strip, int translate) {
    if (!text) return nullptr;
    if (strip) Strip_Markup(text);
    if (!translate) return text;
    char* p = text;
    for (; *p; ++p) *p = static_cast<char>(Ansi_Byte(static_cast<unsigned char>(*p)));
    return p;
}
