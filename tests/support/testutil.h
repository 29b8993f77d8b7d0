// Small helpers shared by the test suites: temporary directories, whole-file
// reads and writes, streams with given bytes, test bitmaps and scoped
// environment entries.
#ifndef TESTS_SUPPORT_TESTUTIL_H
#define TESTS_SUPPORT_TESTUTIL_H

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <time.h>

namespace testutil {

// A fresh directory below $WELD_TEST_TMP (or the system's temp directory),
// its name starting with prefix and unique to this process; the path.
inline std::filesystem::path Make_Unique_Dir(const std::string& prefix) {
    const char* base = std::getenv("WELD_TEST_TMP");
    std::filesystem::path root = base ? base : std::filesystem::temp_directory_path().string();
    std::filesystem::create_directories(root);
    std::string templ = (root / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(templ.data())) std::abort();
    return templ;
}

// A fresh directory below $WELD_TEST_TMP (or the system's temp directory),
// removed with everything in it when the object goes.
class TempDir {
public:
    TempDir() : path_(Make_Unique_Dir("weldtest")) {}
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The running test's own directory, for what it writes that a person may
// want to look at (screens, print lists, pictures): below $WELD_TEST_TMP
// (or the system's temporary directory), named after the test and unique to
// this process, so that two runs of a test never share a file. Made at the
// first call in a test; removed at the end of the test when it passed, kept
// (and named on stderr) when it failed or WELD_KEEP_TEST_DIRS=1 is set.
// test_main.cpp holds it.
std::string Test_Dir();

inline std::string Read_File(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void Write_File(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary);
    out << bytes;
}

// A temporary stream holding the bytes, to be read from the start; the
// caller closes it.
inline FILE* Stream_With(const std::string& bytes) {
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

// The bytes written to a stream up to its current position (everything, for
// a stream that was only written); the stream is left at that position.
inline std::string Stream_Text(FILE* f) {
    std::fflush(f);
    std::string s(static_cast<size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    EXPECT_EQ(std::fread(s.data(), 1, s.size(), f), s.size());
    return s;
}

// The bytes of a stream from its current position to the end.
inline std::string Stream_Rest(FILE* f) {
    std::string out;
    for (int c; (c = std::fgetc(f)) != EOF;) out.push_back(static_cast<char>(c));
    return out;
}

// All bytes of a stream, whatever its position; the stream is left at the end.
inline std::string Stream_All(FILE* f) {
    std::fflush(f);
    std::rewind(f);
    return Stream_Rest(f);
}

// A 24-bit BMP file of w x h pixels (rows stored bottom-up, padded to four
// bytes); colour(x, y) gives pixel (x, y), top row 0, as 0xRRGGBB.
template <class F>
inline std::string Bmp24(int w, int h, F colour) {
    int stride = (w * 3 + 3) / 4 * 4;
    std::string d(54 + stride * h, '\0');
    auto le32 = [&](int at, unsigned v) {
        for (int i = 0; i < 4; i++) d[at + i] = static_cast<char>(v >> (8 * i));
    };
    d[0] = 'B';
    d[1] = 'M';
    le32(2, static_cast<unsigned>(d.size()));
    le32(10, 54);
    le32(14, 40);
    le32(18, w);
    le32(22, h);
    d[26] = 1;
    d[28] = 24;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            unsigned c = colour(x, y);
            size_t at = 54 + static_cast<size_t>(h - 1 - y) * stride + x * 3;
            d[at] = static_cast<char>(c & 0xFF);
            d[at + 1] = static_cast<char>((c >> 8) & 0xFF);
            d[at + 2] = static_cast<char>((c >> 16) & 0xFF);
        }
    return d;
}

// Sets (or unsets, with nullopt) an environment entry for the scope.
class ScopedEnv {
public:
    ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        if (value) setenv(name_.c_str(), value->c_str(), 1);
        else unsetenv(name_.c_str());
    }
    ~ScopedEnv() {
        if (old_) setenv(name_.c_str(), old_->c_str(), 1);
        else unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Lets the files of this process grow to at most `bytes` for the scope, as
// a full disc would: a write beyond fails (EFBIG) instead of raising SIGXFSZ.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

// Source-tree path of a fixture below tests/data.
inline std::string Fixture(const std::string& name) {
    return std::string(WELD_SOURCE_DIR) + "/tests/data/" + name;
}

// Processor time of the process so far, in seconds: timing tests compare two
// sizes by it, because a busy machine stretches wall time but not this.
inline double Cpu_Seconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

}  // namespace testutil

#endif
