// Line and number readers shared by the print-list layout calls and the
// viewer's reader of the print list; not for other modules.
#ifndef PLATFORM_OLI_LINES_INTERNAL_H
#define PLATFORM_OLI_LINES_INTERNAL_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Reads one line without its LF or CRLF; false at the end of the stream.
inline bool Oli_Read_Line(FILE* stream, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(stream)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
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
