// Version text of a program of the desktop.
//
// The file "VERSION" in the program's directory under "EXEC" holds the
// version text on its first line; a later line may patch its last two
// characters with "<" followed by two characters (a build letter pair).
#include "printlist/version_file.h"

#include <cstdio>
#include <cstring>

#include "base/textio.h"
#include "platform/desktop.h"
#include "platform/posix.h"

namespace {

char version_text[256];

}  // namespace

char* Read_Program_Version_File(const char* directory) {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec || !directory) return nullptr;
    char dir[VEK_MAX_PATH + 1];
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(dir, sizeof dir, exec, directory) || !VEK_Join_Path(path, sizeof path, dir, "VERSION"))
        return nullptr;
    // A directory, FIFO or device in its place is no version file.
    FILE* f = VEK_Open_Reading(path, VEK_READ_CAP_SMALL, nullptr);
    if (!f) return nullptr;

    // The first line holds the text; only a real line end is cut, so a last
    // line without one keeps its last character.
    Read_Line(f, version_text, sizeof version_text);
    size_t len = std::strlen(version_text);
    // Only a "<" with two characters after it on its line patches the text;
    // a text shorter than two characters is left alone.
    char line[1024];
    while (Read_Line(f, line, sizeof line) != READ_LINE_EOF) {
        for (size_t i = 0; line[i] && line[i + 1] && line[i + 2]; ++i) {
            if (line[i] != '<' || len < 2) continue;
            version_text[len - 2] = line[i + 1];
            version_text[len - 1] = line[i + 2];
        }
    }
    std::fclose(f);
    return version_text;
}
