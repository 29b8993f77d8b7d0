// Fault shim for the tests: a library put in front of the C library with
// LD_PRELOAD into a program the tests run, that makes one file operation of
// that program fail, or kills or stops the program just before it, and logs the
// operations that decide whether a file survives a crash.
//
//   WELD_FAULT_OP     rename, fsync, fclose, write (the program's own
//                     write(2) and writev(2) calls: those of a stream whose
//                     writes the program makes itself) or open (open, open64, fopen
//                     and fopen64, as other libraries make them too): the
//                     operation to hit; or pthread_create (no path:
//                     WELD_FAULT_MATCH is left empty), which fails with
//                     EAGAIN as where the memory the run may take has no
//                     room for a thread's stack
//   WELD_FAULT_MATCH  a text the file's path must hold (a rename's target;
//                     for fsync and fclose the file the descriptor names);
//                     ending in "$": the text the path must end with (a
//                     folder's own sync, not those of the files in it);
//                     none: every file
//   WELD_FAULT_AT     the how-many-th matching call to hit, from 1; none or
//                     0: every matching call
//   WELD_FAULT_ERROR  the error a failing call gives: EIO (the default;
//                     ENOENT for open), ENOSPC, EDQUOT or ENOENT
//   WELD_FAULT_ACTION fail (the default: the call fails with that error; a
//                     failing fclose still closes the stream, as a failed
//                     close does), kill (SIGKILL just before the call, as
//                     a power cut or kill -9 there would end the run),
//                     stop (SIGSTOP just before the call, which is made
//                     once the run is continued: Ctrl+Z there) or
//                     hold (just before the call, the file WELD_FAULT_HOLD
//                     with ".held" appended is made, and the run waits
//                     until the file WELD_FAULT_HOLD is there, at most two
//                     minutes; then the call is made: a second run can be
//                     let through the same steps meanwhile) or
//                     full (the call fails with ENOSPC, unless
//                     WELD_FAULT_ERROR names another error, and the disc of
//                     the file's folder stays full: every later write,
//                     writev or fsync of a file in that folder fails with
//                     ENOSPC while the program holds open a file there that
//                     is removed and still has bytes, whose room a removal
//                     does not free; once it holds none, the room is back)
//   WELD_FAULT_NOLOCKS  1: a folder that keeps no locks, as some network
//                     folders: every flock fails with ENOLCK, whatever the
//                     operation to hit
//   WELD_FAULT_LOG    a file that gets one line per rename ("rename FROM
//                     TO"), fsync ("fsync PATH") and unlink or remove
//                     ("unlink PATH"), in the order made
//
// The operation may also be pread (pread and pread64 of the program's own:
// the print-list viewer reads a list again where it draws it), to fail or
// to hold it at a counted read; with it the log gets a line for each
// matching read, "pread PATH OFFSET", before it is made.
//
// Only the program's own calls pass through here; what the C library does
// inside itself does not.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

template <typename F>
F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

std::string Fd_Path(int fd) {
    char link[64], target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

void Log(const std::string& line) {
    const char* log = std::getenv("WELD_FAULT_LOG");
    if (!log || !*log) return;
    static auto real_open = Real<int (*)(const char*, int, ...)>("open");
    const int fd = real_open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::string text = line + "\n";
    if (write(fd, text.data(), text.size()) < 0) {
        // Nothing to do: the log is the test's, not the program's.
    }
    close(fd);
}

// The folder whose disc the action "full" filled ("" none yet).
std::string full_folder;

// The folder part of a path.
std::string Folder_Of(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Whether a write or sync of the file of fd finds the disc full: the file
// lies in the full folder, and the process holds open a removed file there
// that still has bytes.
bool Finds_Disc_Full(int fd) {
    if (full_folder.empty()) return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || Folder_Of(Fd_Path(fd)) != full_folder) return false;
    DIR* fds = opendir("/proc/self/fd");
    if (!fds) return false;
    bool full = false;
    while (const dirent* e = readdir(fds)) {
        const int open_fd = std::atoi(e->d_name);
        if (e->d_name[0] < '0' || e->d_name[0] > '9' || open_fd == dirfd(fds)) continue;
        std::string path = Fd_Path(open_fd);
        const std::string removed = " (deleted)";
        if (path.size() <= removed.size() || path.compare(path.size() - removed.size(), removed.size(), removed) != 0)
            continue;
        path.erase(path.size() - removed.size());
        if (Folder_Of(path) == full_folder && fstat(open_fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 0 &&
            st.st_size > 0)
            full = true;
    }
    closedir(fds);
    return full;
}

// True when this call is the one to hit; kills the process at once when
// the action says so.
bool Hit(const char* op, const std::string& path) {
    const char* want = std::getenv("WELD_FAULT_OP");
    if (!want || std::strcmp(want, op) != 0) return false;
    const char* match = std::getenv("WELD_FAULT_MATCH");
    if (match && *match) {
        std::string text(match);
        const bool at_end = text.back() == '$';
        if (at_end) text.pop_back();
        const size_t at = at_end ? path.rfind(text) : path.find(text);
        if (at == std::string::npos || (at_end && at + text.size() != path.size())) return false;
    }
    static long seen = 0;
    const char* at = std::getenv("WELD_FAULT_AT");
    const long n = at ? std::atol(at) : 0;
    if (n > 0 && ++seen != n) return false;
    const char* action = std::getenv("WELD_FAULT_ACTION");
    if (action && std::strcmp(action, "kill") == 0) {
        Log(std::string("killed before ") + op + " " + path);
        kill(getpid(), SIGKILL);
    }
    if (action && std::strcmp(action, "stop") == 0) {
        Log(std::string("stopped before ") + op + " " + path);
        raise(SIGSTOP);
        return false;
    }
    if (action && std::strcmp(action, "hold") == 0) {
        const char* hold = std::getenv("WELD_FAULT_HOLD");
        if (!hold || !*hold) return false;
        static auto real_open = Real<int (*)(const char*, int, ...)>("open");
        const int fd = real_open((std::string(hold) + ".held").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0) close(fd);
        for (int waited = 0; waited < 24000 && access(hold, F_OK) != 0; ++waited) usleep(5000);
        return false;
    }
    if (action && std::strcmp(action, "full") == 0) full_folder = Folder_Of(path);
    return true;
}

// The error a failing call gives (WELD_FAULT_ERROR), `fallback` unless set.
int Error(int fallback) {
    const char* action = std::getenv("WELD_FAULT_ACTION");
    if (action && std::strcmp(action, "full") == 0) fallback = ENOSPC;
    const char* name = std::getenv("WELD_FAULT_ERROR");
    if (!name || !*name) return fallback;
    static const struct {
        const char* name;
        int error;
    } kErrors[] = {{"EIO", EIO}, {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"ENOENT", ENOENT}};
    for (const auto& e : kErrors)
        if (std::strcmp(name, e.name) == 0) return e.error;
    return fallback;
}

// Whether the operation to hit is `op`: asked before the path of a call
// made as often as a write is worked out.
bool Wanted(const char* op) {
    const char* want = std::getenv("WELD_FAULT_OP");
    return want && std::strcmp(want, op) == 0;
}

// What an open that is hit gives: `failed`, errno as a missing file's
// (or WELD_FAULT_ERROR's).
template <typename T>
T Refused(T failed) {
    errno = Error(ENOENT);
    return failed;
}

// An open through `real` with the mode its flags carry in `ap`, unless hit.
int Opened(int (*real)(const char*, int, ...), const char* path, int flags, va_list ap) {
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(ap, int)) : 0;
    if (Wanted("open") && Hit("open", path)) return Refused(-1);
    return real(path, flags, mode);
}

// The reads of a file at an offset: counted, logged and hit only while the
// operation to hit is pread (the viewer makes many).
ssize_t Pread(ssize_t (*real)(int, void*, size_t, off_t), int fd, void* data, size_t n, off_t offset) {
    if (Wanted("pread")) {
        const std::string path = Fd_Path(fd);
        const char* match = std::getenv("WELD_FAULT_MATCH");
        if (!match || !*match || path.find(match) != std::string::npos)
            Log("pread " + path + " " + std::to_string(static_cast<long long>(offset)));
        if (Hit("pread", path)) {
            errno = Error(EIO);
            return -1;
        }
    }
    return real(fd, data, n, offset);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t n) {
    static auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    if (Wanted("write") && Hit("write", Fd_Path(fd))) {
        errno = Error(EIO);
        return -1;
    }
    if (Finds_Disc_Full(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, n);
}

ssize_t writev(int fd, const struct iovec* part, int count) {
    static auto real = Real<ssize_t (*)(int, const struct iovec*, int)>("writev");
    if (Wanted("write") && Hit("write", Fd_Path(fd))) {
        errno = Error(EIO);
        return -1;
    }
    if (Finds_Disc_Full(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, part, count);
}

ssize_t pread(int fd, void* data, size_t n, off_t offset) {
    static auto real = Real<ssize_t (*)(int, void*, size_t, off_t)>("pread");
    return Pread(real, fd, data, n, offset);
}

ssize_t pread64(int fd, void* data, size_t n, off_t offset) {
    static auto real = Real<ssize_t (*)(int, void*, size_t, off_t)>("pread64");
    return Pread(real, fd, data, n, offset);
}

// The opens: a file that cannot be opened, as a file that is missing.
int open(const char* path, int flags, ...) {
    static auto real = Real<int (*)(const char*, int, ...)>("open");
    va_list ap;
    va_start(ap, flags);
    const int fd = Opened(real, path, flags, ap);
    va_end(ap);
    return fd;
}

int open64(const char* path, int flags, ...) {
    static auto real = Real<int (*)(const char*, int, ...)>("open64");
    va_list ap;
    va_start(ap, flags);
    const int fd = Opened(real, path, flags, ap);
    va_end(ap);
    return fd;
}

FILE* fopen(const char* path, const char* mode) {
    static auto real = Real<FILE* (*)(const char*, const char*)>("fopen");
    return Wanted("open") && Hit("open", path ? path : "") ? Refused<FILE*>(nullptr) : real(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
    static auto real = Real<FILE* (*)(const char*, const char*)>("fopen64");
    return Wanted("open") && Hit("open", path ? path : "") ? Refused<FILE*>(nullptr) : real(path, mode);
}

int rename(const char* from, const char* to) {
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    if (Hit("rename", to ? to : "")) {
        errno = Error(EIO);
        return -1;
    }
    const int result = real(from, to);
    if (result == 0) Log(std::string("rename ") + from + " " + to);
    return result;
}

int fsync(int fd) {
    static auto real = Real<int (*)(int)>("fsync");
    const std::string path = Fd_Path(fd);
    if (Hit("fsync", path)) {
        errno = Error(EIO);
        return -1;
    }
    if (Finds_Disc_Full(fd)) {
        errno = ENOSPC;
        return -1;
    }
    const int result = real(fd);
    if (result == 0) Log("fsync " + path);
    return result;
}

int fclose(FILE* stream) {
    static auto real = Real<int (*)(FILE*)>("fclose");
    const std::string path = stream ? Fd_Path(fileno(stream)) : std::string();
    const bool hit = Hit("fclose", path);
    const int result = real(stream);
    if (hit) {
        errno = Error(EIO);
        return EOF;
    }
    return result;
}

// Declared with untyped pointers: the shim does not take <pthread.h>, whose
// declaration carries attributes a definition here would have to repeat.
int pthread_create(void* thread, const void* attr, void* (*start)(void*), void* arg) {
    static auto real = Real<int (*)(void*, const void*, void* (*)(void*), void*)>("pthread_create");
    if (Hit("pthread_create", "")) return EAGAIN;
    return real(thread, attr, start, arg);
}

// A folder without locks (WELD_FAULT_NOLOCKS).
int flock(int fd, int operation) {
    static auto real = Real<int (*)(int, int)>("flock");
    const char* none = std::getenv("WELD_FAULT_NOLOCKS");
    if (none && std::strcmp(none, "1") == 0) {
        errno = ENOLCK;
        return -1;
    }
    return real(fd, operation);
}

int unlink(const char* path) {
    static auto real = Real<int (*)(const char*)>("unlink");
    const int result = real(path);
    if (result == 0) Log(std::string("unlink ") + path);
    return result;
}

int remove(const char* path) {
    static auto real = Real<int (*)(const char*)>("remove");
    const int result = real(path);
    if (result == 0) Log(std::string("unlink ") + path);
    return result;
}

}  // extern "C"
