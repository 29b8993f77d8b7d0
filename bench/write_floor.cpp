// The floor of writing a print list: the time to put the bytes of FILE into
// TARGET, either as a new file (TARGET removed first) or by replacing it as
// the program does (the bytes written to TARGET.tmp in the same folder, then
// renamed over TARGET, with the program's sync steps: the written file
// synced, its folder synced before and after the rename, so that the floor
// waits for the disk where the program waits). Both write in pieces of
// 64 KiB through fwrite, each piece one write to the file. The bytes are read into memory first, outside the
// time. Prints the seconds of wall time and of processor time (user and
// system) the writing took.
//   build/bin/write_floor new|replace FILE TARGET
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

// Opens PATH (a file or a folder) and syncs it, as the program's replace does.
static bool Sync_Path(const char* path, int flags) {
    const int fd = open(path, flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    return close(fd) == 0 && ok;
}

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "new") != 0 && std::strcmp(argv[1], "replace") != 0)) {
        std::fprintf(stderr, "usage: %s new|replace FILE TARGET\n", argv[0]);
        return 2;
    }
    const bool replace = std::strcmp(argv[1], "replace") == 0;
    std::vector<char> bytes;
    if (FILE* in = std::fopen(argv[2], "rb")) {
        char piece[1 << 16];
        for (size_t n; (n = std::fread(piece, 1, sizeof piece, in)) > 0;) bytes.insert(bytes.end(), piece, piece + n);
        std::fclose(in);
    } else {
        std::perror(argv[2]);
        return 1;
    }
    const std::string target = argv[3], temp = target + ".tmp";
    if (!replace) std::remove(target.c_str());
    auto cpu = []() {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        return u.ru_utime.tv_sec + u.ru_stime.tv_sec + 1e-6 * (u.ru_utime.tv_usec + u.ru_stime.tv_usec);
    };
    const double c0 = cpu();
    const auto t0 = std::chrono::steady_clock::now();
    FILE* out = std::fopen(replace ? temp.c_str() : target.c_str(), "wb");
    if (!out) return 1;
    bool ok = true;
    for (size_t at = 0; at < bytes.size() && ok; at += 1 << 16) {
        const size_t n = std::min(bytes.size() - at, size_t{1} << 16);
        ok = std::fwrite(bytes.data() + at, 1, n, out) == n;
    }
    ok = std::fclose(out) == 0 && ok;
    if (replace) {
        const std::string::size_type slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
        ok = ok && Sync_Path(temp.c_str(), O_RDONLY) && Sync_Path(folder.c_str(), O_RDONLY | O_DIRECTORY);
        ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
        ok = ok && Sync_Path(folder.c_str(), O_RDONLY | O_DIRECTORY);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!ok) return 1;
    std::printf("%.6f %.6f\n", seconds, cpu() - c0);
    return 0;
}
