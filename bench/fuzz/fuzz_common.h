// Shared by the fuzz harnesses: the input bytes as a read-only stream, and
// as a file under a private temporary directory for readers that open a
// file by name. Both put a damaged file in front of the reader exactly as
// a user or another program would.
#ifndef BENCH_FUZZ_COMMON_H
#define BENCH_FUZZ_COMMON_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/msgbox.h"

namespace fuzz {

// A stream over a copy of the bytes. fmemopen refuses a zero size, so an
// empty input comes from an empty temporary file instead.
inline FILE* Stream(const uint8_t* data, size_t size) {
    if (size == 0) return std::tmpfile();
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    return f;
}

// A private directory for this process (created once).
inline const std::string& Dir() {
    static std::string dir = [] {
        char pattern[] = "/tmp/weldfuzzXXXXXX";
        const char* d = mkdtemp(pattern);
        return std::string(d ? d : "/tmp");
    }();
    return dir;
}

// Writes the bytes to path (truncating). 1 on success.
inline int Write(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    const size_t n = size ? std::fwrite(data, 1, size, f) : 0;
    return std::fclose(f) == 0 && n == size;
}

// Message boxes must not wait for a scripted answer while fuzzing.
inline void Quiet() {
    static bool done = false;
    if (!done) {
        VEK_Set_Batch_Mode(1);
        done = true;
    }
}

}  // namespace fuzz

#endif
