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
#include <cmath>
#include <vector>
#include <cstring>
#include <string>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/vekparam.h"
#include "platform/msgbox.h"

namespace fuzz {

// A stream over a copy of the bytes. fmemopen refuses a zero size, so an
// empty input comes from an empty temporary file instead.
inline FILE* Stream(const uint8_t* data, size_t size) {
    if (size == 0) return std::tmpfile();
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    return f;
}

// The private directory's path, kept where no destructor reaches it: the
// tree is removed at exit, after the statics are gone.
inline char* Dir_Path() {
    static char path[] = "/tmp/weldfuzzXXXXXX";
    return path;
}

inline int Remove_Entry(const char* path, const struct stat*, int, struct FTW*) {
    std::remove(path);
    return 0;
}

// A private directory for this process (created once), removed with all it
// holds when the process ends, so that replaying the corpora leaves nothing
// behind in /tmp.
inline const std::string& Dir() {
    static std::string dir = [] {
        const char* d = mkdtemp(Dir_Path());
        if (!d) return std::string("/tmp");
        std::atexit([] { nftw(Dir_Path(), Remove_Entry, 16, FTW_DEPTH | FTW_PHYS); });
        return std::string(d);
    }();
    return dir;
}

// The user annex directory under the private directory, set as DRAM
// (created once), with its trailing slash.
inline const std::string& Annex_Dir() {
    static const std::string dir = [] {
        const std::string d = Dir();
        setenv("DRAM", d.c_str(), 1);
        mkdir((d + "/NADS").c_str(), 0700);
        return d + "/NADS/";
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

// Where the round-trip checks report: the stderr of the start (see
// Silence_Library_Output).
inline FILE* Report() {
    static FILE* const f = stderr;
    return f;
}

// A check of a harness failed: one line naming the target and the check,
// then abort, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* target, const char* what) {
    std::fprintf(Report(), "CHECK FAILED: %s: %s\n", target, what);
    std::fflush(Report());
    std::abort();
}

// Message boxes must not wait for a scripted answer while fuzzing.
inline void Quiet() {
    static bool done = false;
    if (!done) {
        VEK_Set_Batch_Mode(1);
        done = true;
    }
}

// Points the library's stdout and stderr at /dev/null for harnesses whose
// readers print on every call (batch-mode notices). libFuzzer keeps the
// stream it took at start-up and the sanitizers write to descriptor 2, so
// their reports still arrive; the library itself is not changed.
inline void Silence_Library_Output() {
    static bool done = false;
    if (done) return;
    done = true;
    Report();  // keep the real stderr for the round-trip reports
    if (FILE* null_out = std::fopen("/dev/null", "w")) {
        stdout = null_out;
        stderr = null_out;
    }
}

// ---- round trips --------------------------------------------------------

// The bytes a writer puts into a stream.
template <class F>
std::string Written(F write) {
    std::string bytes;
    FILE* f = std::tmpfile();
    if (!f) return bytes;
    write(f);
    std::rewind(f);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

// A stream over the bytes of a string, which must outlive the stream.
inline FILE* Stream(const std::string& bytes) {
    return Stream(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// How far a number may move through its text form: abs + rel * |value|.
struct Tolerance {
    double abs;
    double rel;
};
constexpr Tolerance kFixed6{1.0e-6, 1.0e-15};    // "%lf": six decimals
constexpr Tolerance kDigits7{1.0e-300, 1.0e-6};  // "%.6e": seven digits
constexpr Tolerance kExact{0.0, 0.0};

// Compares a record before it went through its writer (a) with what the
// reader gave back (b), field by field. A difference aborts with a
// line naming the record and the field, so libFuzzer keeps the input.
struct Round_Trip {
    const char* record;
    int index;

    [[noreturn]] void Mismatch(const char* field, const std::string& a, const std::string& b) const {
        std::fprintf(Report(), "ROUND TRIP MISMATCH: %s %d, %s: went in %s, came back %s\n", record, index,
                     field, a.c_str(), b.c_str());
        std::fflush(Report());
        std::abort();
    }
    void Int(const char* field, long long a, long long b) const {
        if (a != b) Mismatch(field, std::to_string(a), std::to_string(b));
    }
    void Real(const char* field, double a, double b, Tolerance t) const {
        if (std::isnan(a) && std::isnan(b)) return;
        if (a == b) return;
        const double allowed = t.abs + t.rel * std::fmax(std::fabs(a), std::fabs(b));
        if (std::fabs(a - b) <= allowed) return;
        char x[40], y[40];
        std::snprintf(x, sizeof x, "%.17g", a);
        std::snprintf(y, sizeof y, "%.17g", b);
        Mismatch(field, x, y);
    }
    // A null text counts as the empty one (the writers write it so).
    void Text(const char* field, const char* a, const char* b) const {
        const std::string x = a ? a : "", y = b ? b : "";
        if (x != y) Mismatch(field, Quoted(x), Quoted(y));
    }
    // The bytes a writer gave must be read in full: true when the reader
    // stopped at the end or before nothing but white space.
    void At_End(const char* what, FILE* f) const {
        int c;
        while ((c = std::fgetc(f)) != EOF)
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') Mismatch(what, "all read", "bytes left over");
    }
    static std::string Quoted(const std::string& s) {
        std::string q = "\"";
        for (unsigned char c : s) {
            if (c >= 0x20 && c < 0x7F && c != '\\') {
                q += (char)c;
            } else {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                q += hex;
            }
        }
        return q + "\" (" + std::to_string(s.size()) + " bytes)";
    }
};

// True when write(FILE*, const R&) takes the record (into a scratch file).
template <class R, class Write>
bool Writer_Takes(Write write, const R& record) {
    FILE* probe = std::tmpfile();
    const bool ok = probe && write(probe, record);
    if (probe) std::fclose(probe);
    return ok;
}

// Writes the records one after another with write(FILE*, const R&) (true
// on success), reads them back with read(FILE*, R*) (true on success) and
// compares each with same(Round_Trip, first, again); release(R*) frees what
// a record read back owns. The writer's bytes must be read to their end.
template <class R, class Write, class Read, class Same, class Release>
void Records_Round_Trip(const char* what, const std::vector<R>& first, Write write, Read read, Same same,
                        Release release) {
    const std::string bytes = Written([&](FILE* out) {
        for (size_t i = 0; i < first.size(); ++i)
            if (!write(out, first[i])) Round_Trip{what, (int)i}.Mismatch("write", "read", "refused");
    });
    FILE* back = Stream(bytes);
    if (!back) return;
    for (size_t i = 0; i < first.size(); ++i) {
        const Round_Trip rt{what, (int)i};
        R again{};
        if (!read(back, &again)) rt.Mismatch("read", "accepted", "refused");
        same(rt, first[i], again);
        release(&again);
    }
    Round_Trip{what, (int)first.size()}.At_End("rest", back);
    std::fclose(back);
}

// Parameter blocks: counts, then every value (doubles are written with
// seven digits).
inline void Same_Param_Block(const Round_Trip& rt, const VEKParamBlock& a, const VEKParamBlock& b) {
    rt.Int("int count", a.nInt, b.nInt);
    rt.Int("double count", a.nDouble, b.nDouble);
    rt.Int("string count", a.nString, b.nString);
    for (int i = 0; i < a.nInt; ++i) rt.Int("int", a.ints[i], b.ints[i]);
    for (int i = 0; i < a.nDouble; ++i) rt.Real("double", a.doubles[i], b.doubles[i], kDigits7);
    for (int i = 0; i < a.nString; ++i) rt.Text("string", a.strings[i], b.strings[i]);
}

// The harness input taken piece by piece: a byte, or a double from eight raw
// bytes (0 once the input is used up), so that zeros, extremes, nan and
// inf all reach the code under test.
struct Bytes {
    const uint8_t* p;
    size_t n;
    uint8_t U8() {
        if (!n) return 0;
        --n;
        return *p++;
    }
    double D() {
        double v = 0.0;
        if (n >= sizeof v) {
            std::memcpy(&v, p, sizeof v);
            p += sizeof v;
            n -= sizeof v;
        }
        return v;
    }
};

// Whether the three-letter word (lower case, e.g. "nan", "inf") stands in
// the text in any case, not as part of a longer word.
inline bool Has_Word(const std::string& text, const char* word) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        bool same = true;
        for (size_t k = 0; k < 3; ++k) same = same && (text[i + k] | 0x20) == word[k];
        if (same && (i == 0 || !letter(text[i - 1])) && (i + 3 == text.size() || !letter(text[i + 3]))) return true;
    }
    return false;
}

}  // namespace fuzz

#endif
