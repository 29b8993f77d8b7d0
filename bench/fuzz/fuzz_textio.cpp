// Fuzz target: the text I/O helpers every reader is built on. The first
// byte picks the reader and a buffer size; the rest is the file. Each
// reader is called repeatedly until the stream ends, so a reader that
// stops consuming shows up as a hang. The int readers are checked against
// strtoll: a number is taken only when it fits, never wrapped. Text blocks
// and «» strings that were read go through their writer and must read back
// equal.
#include <vector>

#include "fuzz_common.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <climits>

#include "base/filenames.h"
#include "base/stored_text.h"
#include "base/textio.h"

namespace {

// Parse_Int of base 10 against strtoll on the same text.
void Check_Parse_Int(const std::string& text) {
    int value = 0;
    const char* end = nullptr;
    const int got = Parse_Int(text.c_str(), 10, &value, &end);
    if (got == 0) return;
    errno = 0;
    char* ref_end = nullptr;
    const long long ref = std::strtoll(text.c_str(), &ref_end, 10);
    if (ref_end != end) __builtin_trap();
    const bool fits = errno != ERANGE && ref >= INT_MIN && ref <= INT_MAX;
    if ((got == 1) != fits) __builtin_trap();
    if (got == 1 && value != ref) __builtin_trap();
}

// Parse_Double takes a decimal number only, and the same value that strtod
// gives for the very characters it took; what it refuses as too large is
// beyond any double to strtod as well. Scan_Double on a stream of the text
// stops where the parser does.
void Check_Parse_Double(const std::string& text) {
    double value = 0.0;
    const char* end = nullptr;
    const int got = Parse_Double(text.c_str(), &value, &end);
    const size_t n = static_cast<size_t>(end - text.c_str());
    FILE* f = fuzz::Stream(text);
    if (f) {
        double scanned = 0.0;
        const int s = Scan_Double(f, &scanned);
        // A stream cannot give back an exponent mark without digits behind
        // it ("1e+x"): the scanner refuses what the parser reads as "1".
        const bool mark = got == 1 && (text[n] == 'e' || text[n] == 'E') && s == 0;
        if (s != (text.empty() ? EOF : got) && !mark) __builtin_trap();
        if (s == 1 && (scanned != value || std::ftell(f) != static_cast<long>(n))) __builtin_trap();
        std::fclose(f);
    }
    if (got == 0) return;
    for (size_t i = 0; i < n; ++i)
        if (!std::strchr("0123456789.+-eE", text[i])) __builtin_trap();
    const std::string number = text.substr(0, n);
    const double ref = std::strtod(number.c_str(), nullptr);
    if (got == 1 && (value != ref || !std::isfinite(value))) __builtin_trap();
    // Out of range: beyond any double, or a mantissa with a digit that is
    // not 0 that strtod takes as 0.
    const bool mantissa_not_zero = number.substr(0, number.find_first_of("eE")).find_first_of("123456789") !=
                                   std::string::npos;
    if (got == NUMBER_OUT_OF_RANGE && n <= 400 && std::isfinite(ref) && !(ref == 0.0 && mantissa_not_zero))
        __builtin_trap();
    if (got == 1 && value == 0.0 && mantissa_not_zero) __builtin_trap();
    // The whole-text parser takes exactly the texts that are one number
    // with white space around it.
    double word = 0.0;
    const int whole = Parse_Double_Word(text.c_str(), &word);
    const std::string c_text(text.c_str());  // what the parsers see
    const bool only_space = c_text.find_first_not_of(" \t\n\v\f\r", n) == std::string::npos;
    if (whole == 1 && (!only_space || word != value)) __builtin_trap();
    if (got == 1 && only_space && whole != 1) __builtin_trap();
    // The word scanner takes the number only when white space or the end
    // of the stream follows it.
    if (FILE* w = fuzz::Stream(text)) {
        double scanned = 0.0;
        const int s = Scan_Double_Word(w, &scanned);
        const bool word_end = n == text.size() || std::isspace(static_cast<unsigned char>(text[n]));
        if (s == 1 && (got != 1 || !word_end || scanned != value)) __builtin_trap();
        if (got == 1 && word_end && s != 1) __builtin_trap();
        std::fclose(w);
    }
}

void Text_Blocks_Round_Trip(const std::vector<std::string>& first) {
    fuzz::Records_Round_Trip(
        "text block", first, [](FILE* out, const std::string& t) { return Write_Text_Block(out, t.c_str()) == 1; },
        [](FILE* in, std::string* t) {
            char* text = Read_Text_Block(in);
            if (text) *t = text;
            std::free(text);
            return text != nullptr;
        },
        [](const fuzz::Round_Trip& rt, const std::string& a, const std::string& b) {
            rt.Text("text", a.c_str(), b.c_str());
        },
        [](std::string*) {});
}

// A «» text read whole (shorter than the reader's limit) is written and
// read back with the same reader.
template <class Read>
void Guillemet_Round_Trip(const char* what, int index, const char* text, Read read) {
    const std::string bytes = fuzz::Written([&](FILE* out) { (void)Write_Guillemet_String(out, text); });
    FILE* back = fuzz::Stream(bytes);
    if (!back) return;
    char again[GUILLEMET_STRING_MAX + 1] = "";
    read(back, again);
    fuzz::Round_Trip{what, index}.Text("text", text, again);
    std::fclose(back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    const int pick = data[0];
    const int bufsize = 1 + (pick >> 3);  // 1..32
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    // Every reader must make progress; more calls than input bytes mean a hang.
    const size_t limit = size + 4;
    size_t calls = 0;
    switch (pick & 7) {
    case 0: {
        std::vector<std::string> blocks;
        while (calls++ < limit && !std::feof(f)) {
            char* t = Read_Text_Block(f);
            if (!t) break;
            if (t[0]) blocks.push_back(t);  // an empty text is written as no block
            std::free(t);
        }
        Text_Blocks_Round_Trip(blocks);
        break;
    }
    case 1: {
        char name[GUILLEMET_NAME_SIZE];
        while (calls++ < limit && !std::feof(f)) {
            const int n = Read_Guillemet_Name(f, name);
            if (n > 0 && n < GUILLEMET_NAME_SIZE - 1)
                Guillemet_Round_Trip("guillemet name", (int)calls, name,
                                     [](FILE* s, char* b) { (void)Read_Guillemet_Name(s, b); });
        }
        break;
    }
    case 2: {
        char* buf = static_cast<char*>(std::malloc(bufsize));
        while (calls++ < limit && Read_Delimited_String(f, buf, bufsize, '<', '>') >= 0 && !std::feof(f)) {
        }
        std::free(buf);
        break;
    }
    case 3: {
        char* buf = static_cast<char*>(std::malloc(bufsize));
        while (calls++ < limit && Read_Line(f, buf, bufsize) > 0) {
        }
        std::free(buf);
        break;
    }
    case 4:
        (void)Find_Keyword_Line(f, "#EC3", 1);
        (void)Find_Keyword_Line(f, "NAD/Version", 1);
        break;
    case 5: {
        char buf[GUILLEMET_STRING_MAX + 1];
        while (calls++ < limit && !std::feof(f)) {
            const int n = Read_Guillemet_String(f, buf);
            if (n >= 0 && n < GUILLEMET_STRING_MAX)
                Guillemet_Round_Trip("guillemet string", (int)calls, buf,
                                     [](FILE* s, char* b) { (void)Read_Guillemet_String(s, b); });
        }
        break;
    }
    case 6: {
        int n = 0;
        (void)Find_Keyword_Int("VERSION", f, &n);
        (void)Find_Keyword_Int("#", f, nullptr);
        std::rewind(f);
        int values[4];
        while (calls++ < limit && Read_Line_Ints(f, values, 4) != 0) {
        }
        std::rewind(f);
        (void)Read_Ints(f, values, 4);
        for (int got; calls++ < limit && (got = Scan_Int(f, pick & 8 ? 0 : 10, &n)) != EOF;)
            if (got == 0) (void)std::fgetc(f);  // not a number: step over it
        break;
    }
    default: {
        std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
        std::string copy = bytes;
        (void)Trim_String(copy.data(), 3);
        char target[33];
        (void)Copy_Trimmed(bytes.c_str(), target, bufsize, 7);
        copy = bytes;
        (void)Strip_Markup_To_Ansi(copy.data(), 1, pick & 8);
        (void)Fgetc_Skip_Blanks(f);
        const size_t start = bytes.find_first_not_of(" \t\n\r\f\v");
        Check_Parse_Int(start == std::string::npos ? std::string() : bytes.substr(start));
        Check_Parse_Double(start == std::string::npos ? std::string() : bytes.substr(start));
        const std::string path = fuzz::Dir() + "/position.txt";
        if (fuzz::Write(path, data + 1, size - 1)) (void)Read_Code_and_Text_Path(path.c_str());
        break;
    }
    }
    if (calls > limit) __builtin_trap();
    std::fclose(f);
    return 0;
}
