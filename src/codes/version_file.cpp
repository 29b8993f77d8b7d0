// Version text of a program of the desktop.
//
// The file "VERSION" in the program's directory under "EXEC" holds the
// version text on its first line; a later line may patch its last two
// characters with "<" followed by two characters (a build letter pair).
#include "codes/version_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/posix.h"

namespace {

char version_text[256];

// Reads one line without its LF or CRLF; false at the end of the file. Only
// a real line end is cut: a last line without one keeps its last character.
bool Read_Line(FILE* f, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace

char* Read_Program_Version_File(const char* directory) {
    const char* exec = std::getenv("EXEC");
    if (!exec || !directory) return nullptr;
    char dir[VEK_MAX_PATH + 1];
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(dir, sizeof dir, exec, directory) || !VEK_Join_Path(path, sizeof path, dir, "VERSION"))
        return nullptr;
    FILE* f = std::fopen(path, "rb");
    if (!f) return nullptr;

    std::string line;
    Read_Line(f, line);
    if (line.size() > 255) line.resize(255);
    std::memcpy(version_text, line.c_str(), line.size() + 1);
    size_t len = line.size();
    // Only a "<" with two characters after it on its line patches the text;
    // a text shorter than two characters is left alone.
    while (Read_Line(f, line)) {
        for (size_t i = 0; i + 2 < line.size(); ++i) {
            if (line[i] != '<' || len < 2) continue;
            version_text[len - 2] = line[i + 1];
            version_text[len - 1] = line[i + 2];
        }
    }
    std::fclose(f);
    return version_text;
}
