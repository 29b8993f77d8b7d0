// Line and number readers shared by the print-list layout calls and the
// viewer's reader of the print list; not for other modules.
#ifndef PLATFORM_OLI_LINES_INTERNAL_H
#define PLATFORM_OLI_LINES_INTERNAL_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The longest line a print list holds by far (its text lines, the 128 hex
// digits of an embedded picture's line): a longer one is damage.
constexpr size_t OLI_MAX_LINE = size_t{1} << 20;

// Reads one line without its LF or CRLF; false at the end of the list. A
// NUL byte ends the list: a print list is text, and the zeros that a crash
// or a file's preallocation leave behind it are no part of it. The stream
// stays at the NUL, so that every later call gives false as well and
// Oli_Bytes_Past_End can tell. A line longer than OLI_MAX_LINE keeps its
// first OLI_MAX_LINE bytes; the rest is skipped and *cut (when given) set.
inline bool Oli_Read_Line(FILE* stream, std::string& line, bool* cut = nullptr) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::getc(stream)) != EOF) {
        if (c == '\0') {
            std::ungetc(c, stream);
            break;
        }
        any = true;
        if (c == '\n') break;
        if (line.size() < OLI_MAX_LINE) line.push_back(static_cast<char>(c));
        else if (cut) *cut = true;
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// After Oli_Read_Line gave false: the bytes from the NUL that ended the
// list to the end of the stream (none read), 0 when the stream ended.
inline long long Oli_Bytes_Past_End(FILE* stream) {
    const int c = std::getc(stream);
    if (c == EOF) return 0;
    std::ungetc(c, stream);
    const long long at = ftello(stream);
    if (at < 0 || fseeko(stream, 0, SEEK_END) != 0) return 1;
    const long long end = ftello(stream);
    fseeko(stream, at, SEEK_SET);
    return end > at ? end - at : 1;
}

// The numbers at the start of a line, at most max of them; stops at the
// first word that is none.
inline std::vector<double> Oli_Numbers(const std::string& line, size_t max = SIZE_MAX) {
    std::vector<double> out;
    const char* p = line.c_str();
    while (out.size() < max) {
        char* end = nullptr;
        double v = std::strtod(p, &end);
        if (end == p) break;
        out.push_back(v);
        p = end;
    }
    return out;
}

#endif
