// Fuzz target: the version file of a program of the desktop. The input is
// written as EXEC/P/VERSION under a private directory and read back.
#include "fuzz_common.h"

#include <cstring>

#include "printlist/version_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        const std::string d = fuzz::Dir();
        setenv("EXEC", d.c_str(), 1);
        mkdir((d + "/P").c_str(), 0700);
        return d + "/P/VERSION";
    }();
    if (!fuzz::Write(path, data, size)) return 0;
    const char* v = Read_Program_Version_File("P");
    if (v && std::strlen(v) > 255) __builtin_trap();
    return 0;
}
