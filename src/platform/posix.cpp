/* posix.cpp -- the Windows and C runtime calls the program makes, on POSIX.
 *
 * Names handed in may use "\" or "/"; everything handed to the system uses
 * "/".  Every copy into a caller's buffer is bounded by the size given.
 */
#include "platform/posix.h"

#include <atomic>
#include <cassert>
#include <climits>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <functional>
#include <new>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

#include "platform/desktop.h"
#include "platform/file_locks.h"

/* Copies src into a buffer of `size` bytes; 1 when it fitted, else 0 with
 * the first size - 1 bytes kept. */
static int copy_bounded(char* buffer, size_t size, const std::string& src)
{
    assert(buffer && size > 0);
    size_t n = src.size() < size ? src.size() : size - 1;
    src.copy(buffer, n);
    buffer[n] = '\0';
    return src.size() < size;
}

std::string VEK_Native_String(const char* name)
{
    std::string s(name ? name : "");
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string VEK_Join_String(const char* dir, const char* name)
{
    std::string d = VEK_Native_String(dir), n = VEK_Native_String(name);
    while (!n.empty() && n[0] == '/' && !d.empty()) n.erase(0, 1);
    if (!d.empty() && d.back() != '/') d += '/';
    return d + n;
}

/* Whether the text s lies (partly) within the buffer: then the joins below
 * would read what they have just written, and go through a string. */
static bool overlaps(const char* buffer, size_t size, const char* s)
{
    const std::less<const char*> before;
    return !before(s, buffer) && before(s, buffer + size);
}

/* Appends s to the buffer at *at with "\" turned into "/"; false (the
 * buffer terminated after what fits) when it does not fit. */
static bool append_native(char* buffer, size_t size, size_t* at, const char* s)
{
    for (; *s; ++s) {
        if (*at + 1 >= size) { buffer[*at] = '\0'; return false; }
        buffer[(*at)++] = *s == '\\' ? '/' : *s;
    }
    buffer[*at] = '\0';
    return true;
}

/* Both joins work in the caller's buffer: the program joins a path for
 * every file it opens, some of them for every load case. */
char* VEK_Native_Path(char* buffer, size_t size, const char* name)
{
    if (!buffer || size < 1) return nullptr;
    if (!name) { buffer[0] = '\0'; return nullptr; }
    if (overlaps(buffer, size, name)) return copy_bounded(buffer, size, VEK_Native_String(name)) ? buffer : nullptr;
    size_t at = 0;
    return append_native(buffer, size, &at, name) ? buffer : nullptr;
}

char* VEK_Join_Path(char* buffer, size_t size, const char* dir, const char* name)
{
    if (!buffer || size < 1) return nullptr;
    if (!dir || !name) { buffer[0] = '\0'; return nullptr; }
    if (overlaps(buffer, size, dir) || overlaps(buffer, size, name))
        return copy_bounded(buffer, size, VEK_Join_String(dir, name)) ? buffer : nullptr;
    size_t at = 0;
    buffer[0] = '\0';
    if (!append_native(buffer, size, &at, dir)) return nullptr;
    if (at > 0) {
        while (*name == '/' || *name == '\\') ++name;
        if (buffer[at - 1] != '/' && !append_native(buffer, size, &at, "/")) return nullptr;
    }
    return append_native(buffer, size, &at, name) ? buffer : nullptr;
}

unsigned int GetTempFileNameA(const char* dir, const char* prefix, unsigned int unique, char* buffer)
{
    if (!dir || !buffer) return 0;
    std::string d = VEK_Native_String(dir), p = prefix ? std::string(prefix).substr(0, 3) : std::string();
    if (!d.empty() && d.back() != '/') d += '/';
    char hex[16];
    if (unique != 0) {
        std::snprintf(hex, sizeof hex, "%X", unique & 0xFFFFu);
        return copy_bounded(buffer, VEK_MAX_PATH + 1, d + p + hex + ".TMP") ? unique : 0;
    }
    /* Start from the clock and the process id so that two runs rarely meet. */
    unsigned int start = (unsigned int)(getpid() * 7919u + (unsigned int)VEK_Clock_ms()) & 0xFFFFu;
    for (unsigned int i = 0; i < 0x10000u; ++i) {
        unsigned int n = ((start + i) & 0xFFFFu);
        if (n == 0) continue;
        std::snprintf(hex, sizeof hex, "%X", n);
        std::string name = d + p + hex + ".TMP";
        if (name.size() > VEK_MAX_PATH) return 0;
        int fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd >= 0) {
            close(fd);
            copy_bounded(buffer, VEK_MAX_PATH + 1, name);
            return n;
        }
        if (errno != EEXIST) return 0;
    }
    return 0;
}

char* _tempnam(const char* dir, const char* prefix)
{
    std::string d = VEK_Native_String(dir);
    struct stat st;
    if (d.empty() || stat(d.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        const char* t = std::getenv("TMPDIR");
        d = t && *t ? t : "/tmp";
    }
    if (d.back() != '/') d += '/';
    std::string templ = d + (prefix ? prefix : "") + "XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    int fd = mkstemp(buf.data());
    if (fd < 0) return nullptr;
    /* Only the name is wanted, as from the original call. */
    close(fd);
    unlink(buf.data());
    return strdup(buf.data());
}

char* _getcwd(char* buffer, int size)
{
    char tmp[4096];
    if (!getcwd(tmp, sizeof tmp)) return nullptr;
    if (!buffer) return strdup(tmp);
    if (size < 1 || std::strlen(tmp) >= (size_t)size) return nullptr;
    std::memcpy(buffer, tmp, std::strlen(tmp) + 1);
    return buffer;
}

int _access(const char* path, int mode)
{
    if (!path) return -1;
    int m = F_OK;
    if (mode & 1) m |= X_OK;
    if (mode & 2) m |= W_OK;
    if (mode & 4) m |= R_OK;
    return access(VEK_Native_String(path).c_str(), m) == 0 ? 0 : -1;
}

char* _fullpath(char* absolute, const char* relative, size_t max)
{
    if (!relative) return nullptr;
    std::string r = VEK_Native_String(relative);
    if (r.empty() || r[0] != '/') {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd)) return nullptr;
        r = std::string(cwd) + "/" + r;
    }
    /* Resolve "." and ".." by text: the file need not exist. */
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= r.size()) {
        size_t j = r.find('/', i);
        if (j == std::string::npos) j = r.size();
        std::string p = r.substr(i, j - i);
        if (p == "..") { if (!parts.empty()) parts.pop_back(); }
        else if (!p.empty() && p != ".") parts.push_back(p);
        i = j + 1;
    }
    std::string out;
    for (const auto& p : parts) out += "/" + p;
    if (out.empty()) out.push_back('/');  /* not = "/": gcc 12 -O3 warns falsely (-Wrestrict) */
    if (!absolute) return strdup(out.c_str());
    if (max < 1) return nullptr;
    return copy_bounded(absolute, max, out) ? absolute : nullptr;
}

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    std::string p(path ? path : "");
    std::string dr, di, fn, ex;
    if (p.size() >= 2 && p[1] == ':') { dr = p.substr(0, 2); p.erase(0, 2); }
    size_t slash = p.find_last_of("\\/");
    if (slash != std::string::npos) { di = p.substr(0, slash + 1); p.erase(0, slash + 1); }
    size_t dot = p.find_last_of('.');
    if (dot != std::string::npos) { ex = p.substr(dot); p.erase(dot); }
    fn = p;
    if (drive) copy_bounded(drive, VEK_MAX_PATH + 1, dr);
    if (dir) copy_bounded(dir, VEK_MAX_PATH + 1, di);
    if (fname) copy_bounded(fname, VEK_MAX_PATH + 1, fn);
    if (ext) copy_bounded(ext, VEK_MAX_PATH + 1, ex);
}

FILE* VEK_Open_Reading(const char* path, long long max_bytes, int* refusal)
{
    if (refusal) *refusal = VEK_READ_OK;
    auto refuse = [refusal](int why, int error) -> FILE* {
        if (refusal) *refusal = why;
        errno = error;
        return nullptr;
    };
    if (!path || !*path) return refuse(VEK_READ_MISSING, ENOENT);
    const std::string native = VEK_Native_String(path);
    // Without O_NONBLOCK the open of a FIFO waits for a writer: the kind is
    // asked of the open descriptor, so nothing can swap the file between
    // the question and the reading.
    const int fd = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return refuse(error == ENOENT || error == ENOTDIR ? VEK_READ_MISSING : VEK_READ_DENIED, error);
    }
    struct stat st;
    int why = VEK_READ_OK, error = 0;
    if (fstat(fd, &st) != 0) {
        why = VEK_READ_DENIED;
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        why = VEK_READ_NOT_A_FILE;
        error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
    } else if (max_bytes >= 0 && static_cast<long long>(st.st_size) > max_bytes) {
        why = VEK_READ_TOO_LARGE;
        error = EFBIG;
    } else {
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            why = VEK_READ_DENIED;
            error = errno;
        }
    }
    FILE* f = why == VEK_READ_OK ? fdopen(fd, "rb") : nullptr;
    if (f) return f;
    if (why == VEK_READ_OK) {
        why = VEK_READ_DENIED;
        error = errno;
    }
    close(fd);
    return refuse(why, error);
}

long long VEK_Print_List_Limit(void)
{
    const char* given = std::getenv("VEK_LIST_LIMIT");
    if (!given || !*given) return VEK_READ_CAP_LIST;
    char* end = nullptr;
    errno = 0;
    const long long bytes = std::strtoll(given, &end, 10);
    const bool whole = errno == 0 && end != given && *end == '\0' && bytes > 0;
    return whole && bytes < VEK_READ_CAP_LIST ? bytes : VEK_READ_CAP_LIST;
}

const char* VEK_Read_Refusal_Text(int refusal)
{
    switch (refusal) {
    case VEK_READ_OK: return "";
    case VEK_READ_MISSING: return "nicht vorhanden";
    case VEK_READ_NOT_A_FILE: return "keine Datei";
    case VEK_READ_TOO_LARGE: return "zu gro\xE1";
    default: return "nicht lesbar";
    }
}

namespace {

// The temporaries this process is writing now, in slots that a signal's
// handler may read on any thread: a save's own temporary is never stale to
// a save that runs inside its writer, and a run that a signal ends removes
// them. A slot is free (0), being filled (1) or live (2), and names the
// process that writes it (a child forked meanwhile does not).
static_assert(std::atomic<int>::is_always_lock_free);
struct Live_Slot {
    std::atomic<int> state{0};
    pid_t owner = 0;
    char path[PATH_MAX];
};
Live_Slot live_slots[16];

bool Note_Live_Temporary(const char* path)
{
    const size_t length = std::strlen(path);
    if (length >= sizeof live_slots[0].path) return false;
    for (Live_Slot& slot : live_slots) {
        int free_slot = 0;
        if (!slot.state.compare_exchange_strong(free_slot, 1)) continue;
        std::memcpy(slot.path, path, length + 1);
        slot.owner = getpid();
        slot.state.store(2);
        return true;
    }
    return false;
}

bool Is_Live_Temporary(const std::string& path)
{
    for (const Live_Slot& slot : live_slots)
        if (slot.state.load() == 2 && path == slot.path) return true;
    return false;
}

// Forgets a temporary of this process once its save has ended.
void Forget_Live_Temporary(const char* path)
{
    for (Live_Slot& slot : live_slots)
        if (slot.state.load() == 2 && std::strcmp(slot.path, path) == 0) {
            slot.state.store(0);
            return;
        }
}

// Async-signal-safe: unlink only.
void Unlink_Live_Temporaries()
{
    const pid_t self = getpid();
    for (const Live_Slot& slot : live_slots)
        if (slot.state.load() == 2 && slot.owner == self) unlink(slot.path);
}

// The handler of the signals that end a run: its temporaries go, then the
// signal ends it as it would have (SA_RESETHAND put the default back; the
// signal raised again waits until this returns).
void Remove_Live_And_End(int sig)
{
    const int error = errno;
    Unlink_Live_Temporaries();
    errno = error;
    raise(sig);
}

// Characters of the target's name in a temporary's name: ".vek-", the
// process id, "-", the name, "-XXXXXX" within the 255 bytes of a name.
constexpr size_t kTempNameRoom = 255 - 5 - 10 - 1 - 7;

// 1 when `entry` (a name in the directory `dir`) is a temporary of a save
// whose writer is gone: of the target named `stem`, or of any for an empty
// stem.
bool Stale_Temporary(const std::string& dir, const char* entry, const std::string& stem)
{
    static const char kHead[] = ".vek-";
    if (std::strncmp(entry, kHead, sizeof kHead - 1) != 0) return false;
    const char* p = entry + sizeof kHead - 1;
    char* after = nullptr;
    errno = 0;
    const long pid = std::strtol(p, &after, 10);
    if (after == p || *after != '-' || errno != 0 || pid <= 0) return false;
    const std::string rest(after + 1);
    const bool named = stem.empty() ? rest.size() > 7 && rest[rest.size() - 7] == '-'
                                    : rest.size() == stem.size() + 7 && rest.compare(0, stem.size(), stem) == 0 &&
                                          rest[stem.size()] == '-';
    if (!named) return false;
    const std::string path = dir + entry;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // Its writer's lock: a live writer's, of whatever machine or process
    // space, whatever its age.
    const int hold = VEK_File_Hold_State(path.c_str());
    if (hold == VEK_HOLD_HELD) return false;
    if (std::time(nullptr) - st.st_mtime > VEK_STALE_TEMP_SECONDS) return true;
    if (pid == static_cast<long>(getpid())) return !Is_Live_Temporary(path);
    // Where no lock is kept, an id no process of this machine has may be a
    // live writer's of another machine: its temporary waits for the age.
    if (hold == VEK_HOLD_UNKNOWN) return false;
    // A process id no process has: its writer was killed. (kill with
    // signal 0 only asks; EPERM means the process is there.)
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the stale temporaries of earlier saves of the target.
void Remove_Stale_Temporaries(const std::string& dir, const std::string& stem)
{
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return;
    std::vector<std::string> stale;
    while (const dirent* e = readdir(d))
        if (Stale_Temporary(dir, e->d_name, stem)) stale.push_back(dir + e->d_name);
    closedir(d);
    for (const std::string& name : stale) unlink(name.c_str());
}

}  // namespace

namespace {

// The directory part of a native path with its separator ("" for none).
std::string Directory_Of(const std::string& native)
{
    const size_t slash = native.find_last_of('/');
    return slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
}

// Makes what the native path names reach the disc, opened with `flags`;
// with `tolerant`, a file system that has nothing to sync for it counts as
// synced. errno says why it failed.
int Sync_Native(const char* native, int flags, bool tolerant)
{
    const int fd = open(native, flags | O_RDONLY | O_CLOEXEC);
    if (fd < 0) return VEK_WRITE_FAILED;
    const bool done = fsync(fd) == 0 || (tolerant && (errno == EINVAL || errno == ENOTSUP));
    const int error = errno;
    close(fd);
    errno = error;
    return done ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

int Sync_Directory(const std::string& dir)
{
    return Sync_Native(dir.empty() ? "." : dir.c_str(), O_DIRECTORY, true);
}

}  // namespace

void VEK_Remove_Stale_Temporaries(const char* path)
{
    if (!path || !*path) return;
    Remove_Stale_Temporaries(Directory_Of(VEK_Native_String(path)), "");
}

void VEK_Remove_Live_Temporaries(void)
{
    Unlink_Live_Temporaries();
}

void VEK_Remove_Temporaries_On_Signals(void)
{
    static const int ending[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGILL,  SIGABRT, SIGBUS,  SIGFPE,    SIGSEGV, SIGPIPE,
                                 SIGALRM, SIGTERM, SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};
    for (const int sig : ending) {
        // A signal the program (or a library, a sanitizer) handles or
        // ignores is left to it.
        struct sigaction old {};
        if (sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL) continue;
        struct sigaction act {};
        act.sa_handler = Remove_Live_And_End;
        sigemptyset(&act.sa_mask);
        act.sa_flags = SA_RESETHAND;
        sigaction(sig, &act, nullptr);
    }
}

int VEK_Sync_File(const char* path)
{
    if (!path || !*path) {
        errno = ENOENT;
        return VEK_WRITE_FAILED;
    }
    return Sync_Native(VEK_Native_String(path).c_str(), O_NOCTTY, false);
}

int VEK_Sync_Directory_Of(const char* path)
{
    if (!path) {
        errno = ENOENT;
        return VEK_WRITE_FAILED;
    }
    return Sync_Directory(Directory_Of(VEK_Native_String(path)));
}

namespace {

// The file a replace writes in place of `native`, and the mode it gets: an
// existing regular file keeps its own, anything new gets what the umask
// allows. False (errno set) when the target is refused.
bool Replace_Target(const std::string& native, int flags, std::string* target, mode_t* mode)
{
    *target = native;
    struct stat st;
    const bool there = lstat(native.c_str(), &st) == 0;
    if (there && S_ISLNK(st.st_mode) && !(flags & VEK_REPLACE_LINK)) {
        // Replacing a link would cut it: write beside the file it names.
        char* real = realpath(native.c_str(), nullptr);
        if (!real) return false;
        *target = real;
        std::free(real);
        if (stat(target->c_str(), &st) != 0) return false;
    }
    // What stands there (behind a followed link: the file it names) and is
    // not a link to be replaced.
    const bool kept = there && !S_ISLNK(st.st_mode);
    if (kept && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (kept && !S_ISREG(st.st_mode) && !(flags & VEK_REPLACE_LINK)) {
        errno = ENODEV;
        return false;
    }
    if (kept && S_ISREG(st.st_mode)) {
        *mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        *mode = 0666 & ~mask;
    }
    return true;
}

// Writes and syncs the temporary of a replace; true when it is complete and
// lasting and the check (if any) took it. *refused tells a refusal of the
// check from a failed write.
bool Fill_Temporary(int fd, const char* name, mode_t mode, int (*write)(FILE*, void*),
                    int (*check)(const char*, void*), void* context, bool* refused)
{
    FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        return false;
    }
    bool ok = write(f, context) == VEK_WRITE_DONE;
    if (std::fflush(f) != 0 || std::ferror(f)) ok = false;
    // The bytes reach the disc before the name does: after a power cut the
    // target is the old file or the whole new one, never an empty one.
    if (ok && fsync(fd) != 0) ok = false;
    // Read back while the temporary still has the mode mkstemp gave it,
    // which lets its owner read it whatever the target's mode.
    if (ok && check && check(name, context) != VEK_WRITE_DONE) {
        ok = false;
        *refused = true;
    }
    if (ok && fchmod(fd, mode) != 0) ok = false;
    if (std::fclose(f) != 0) ok = false;
    return ok;
}

}  // namespace

int VEK_Replace_File(const char* path, int (*write)(FILE* f, void* context),
                     int (*check)(const char* written, void* context), void* context, int flags)
{
    if (!path || !*path || !write) {
        errno = EINVAL;
        return VEK_REPLACE_FAILED;
    }
    std::string target;
    mode_t mode = 0;
    if (!Replace_Target(VEK_Native_String(path), flags, &target, &mode)) return VEK_REPLACE_FAILED;
    const std::string dir = Directory_Of(target);
    const std::string stem = target.substr(dir.size()).substr(0, kTempNameRoom);
    Remove_Stale_Temporaries(dir, flags & VEK_REPLACE_SWEEP_FOLDER ? std::string() : stem);
    const std::string templ = dir + ".vek-" + std::to_string(getpid()) + "-" + stem + "-XXXXXX";
    std::vector<char> name(templ.begin(), templ.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return VEK_REPLACE_FAILED;
    // Held while it is written: no other run takes it for a killed save's.
    while (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EINTR) {
    }
    if (!Note_Live_Temporary(name.data())) {
        close(fd);
        unlink(name.data());
        errno = EMFILE;
        return VEK_REPLACE_FAILED;
    }
    bool refused = false;
    bool ok = Fill_Temporary(fd, name.data(), mode, write, check, context, &refused);
    if (!ok || std::rename(name.data(), target.c_str()) != 0) {
        const int error = errno;
        unlink(name.data());
        errno = error;
        ok = false;
    }
    Forget_Live_Temporary(name.data());
    if (!ok) return refused ? VEK_REPLACE_UNREADABLE : VEK_REPLACE_FAILED;
    return Sync_Directory(dir) ? VEK_REPLACE_DONE : VEK_REPLACE_UNSYNCED;
}

int VEK_Write_File_Replacing(const char* path, int (*write)(FILE* f, void* context), void* context)
{
    return VEK_Replace_File(path, write, nullptr, context, 0) == VEK_REPLACE_DONE ? VEK_WRITE_DONE : VEK_WRITE_FAILED;
}

int _flushall(void)
{
    std::fflush(nullptr);
    return 0;
}

int DeleteFileA(const char* name)
{
    return VEKRemoveFile(name) == 0 ? 1 : 0;
}

unsigned int GetTickCount(void)
{
    return (unsigned int)(VEK_Clock_ms() & 0xFFFFFFFFll);
}

void Sleep(unsigned int ms)
{
    VEK_Advance_Clock((long long)ms);
}

namespace {
// The pool of large stream buffers: allocated on first use, kept to the end
// of the run; owner null while a buffer is free.
struct Large_Buffer {
    FILE* owner;
    char* data;
};
constexpr size_t kLargeBufferSize = size_t{1} << 20;
Large_Buffer large_buffers[4];
}  // namespace

int VEK_Give_Large_Buffer(FILE* stream)
{
    if (!stream) return 0;
    for (Large_Buffer& b : large_buffers) {
        if (b.owner) continue;
        if (!b.data) b.data = static_cast<char*>(std::malloc(kLargeBufferSize));
        if (!b.data || std::setvbuf(stream, b.data, _IOFBF, kLargeBufferSize) != 0) return 0;
        b.owner = stream;
        return 1;
    }
    return 0;
}

namespace {
// A stream of VEK_Open_Writing: its file, the error of its first write or
// close that failed (0: none), and the piece VEK_Write_Straight hands to
// the write of the buffered bytes before it (null: none), so that both go
// to the file in one system call: it follows the write of the bytes that
// end at piece_after, the end of what the stream had buffered.
struct Writing {
    int fd;
    int first_error;
    const char* piece;
    size_t piece_size;
    const char* piece_after;
};

// The first error of the stream of VEK_Open_Writing closed last, as its
// close found it.
int closed_first_error = 0;

// Writes the two pieces (either may be empty) one after the other, with
// as few system calls as the file takes; false (errno set, EIO for a
// write that took nothing) when one failed.
bool Write_Both(int fd, const char* a, size_t a_size, const char* b, size_t b_size)
{
    iovec part[2] = {{const_cast<char*>(a), a_size}, {const_cast<char*>(b), b_size}};
    int first = 0;
    for (;;) {
        while (first < 2 && part[first].iov_len == 0) ++first;
        if (first == 2) return true;
        const ssize_t k = first == 1 || part[1].iov_len == 0 ? write(fd, part[first].iov_base, part[first].iov_len)
                                                             : writev(fd, part, 2);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            if (k == 0) errno = EIO;
            return false;
        }
        // A short write (a full disc, a file size limit) goes on from the
        // byte where it stopped, as the next write finds out why.
        size_t taken = static_cast<size_t>(k);
        for (; first < 2 && taken >= part[first].iov_len; ++first) taken -= part[first].iov_len;
        if (first < 2) {
            part[first].iov_base = static_cast<char*>(part[first].iov_base) + taken;
            part[first].iov_len -= taken;
        }
    }
}

ssize_t Writing_Write(void* cookie, const char* data, size_t n)
{
    auto* w = static_cast<Writing*>(cookie);
    const bool with_piece = w->piece && data + n == w->piece_after;
    const char* piece = with_piece ? w->piece : nullptr;
    const size_t piece_size = with_piece ? w->piece_size : 0;
    if (with_piece) w->piece = nullptr;
    if (!Write_Both(w->fd, data, n, piece, piece_size)) {
        if (w->first_error == 0) w->first_error = errno;
        return -1;
    }
    return static_cast<ssize_t>(n);
}

int Writing_Seek(void* cookie, off64_t* at, int whence)
{
    const off_t to = lseek(static_cast<Writing*>(cookie)->fd, static_cast<off_t>(*at), whence);
    if (to < 0) return -1;
    *at = to;
    return 0;
}

// The streams of VEK_Open_Writing open now, for VEK_Write_Straight (one
// not listed, past the first eight, is written through its buffer).
struct Open_Writing {
    FILE* stream;
    Writing* writing;
};
Open_Writing open_writing[8];

int Writing_Close(void* cookie)
{
    auto* w = static_cast<Writing*>(cookie);
    for (Open_Writing& o : open_writing)
        if (o.writing == w) o = Open_Writing{};
    const bool closed = close(w->fd) == 0;
    if (!closed && w->first_error == 0) w->first_error = errno;
    closed_first_error = w->first_error;
    delete w;
    return closed ? 0 : -1;
}
}  // namespace

FILE* VEK_Open_Writing(const char* path)
{
    if (!path || !*path) {
        errno = ENOENT;
        return nullptr;
    }
    const int fd = open(VEK_Native_String(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    auto* w = new (std::nothrow) Writing{fd, 0, nullptr, 0, nullptr};
    FILE* stream = w ? fopencookie(w, "w", cookie_io_functions_t{nullptr, Writing_Write, Writing_Seek, Writing_Close})
                     : nullptr;
    if (!stream) {
        const int error = w ? errno : ENOMEM;
        delete w;
        close(fd);
        errno = error;
        return nullptr;
    }
    for (Open_Writing& o : open_writing) {
        if (o.stream) continue;
        o = Open_Writing{stream, w};
        break;
    }
    return stream;
}

int VEK_Write_Straight(FILE* stream, const char* text, size_t n)
{
#if defined(__GLIBC__)
    if (!stream) return VEK_STRAIGHT_NOT_HERE;
    Writing* writing = nullptr;
    for (const Open_Writing& o : open_writing)
        if (o.stream == stream) writing = o.writing;
    const int fd = writing ? -1 : fileno_unlocked(stream);
    // Being written through a full buffer: room shown past the last byte
    // put (a stream being read, line-buffered or unbuffered shows none).
    if ((!writing && fd < 0) || stream->_IO_write_end <= stream->_IO_write_ptr) return VEK_STRAIGHT_NOT_HERE;
    bool written = true;
    if (writing) {
        // The buffered bytes and the piece in one system call: the piece
        // rides along with the flush's write (a flush with nothing buffered
        // makes none, and the piece goes alone).
        writing->piece = text;
        writing->piece_size = n;
        writing->piece_after = stream->_IO_write_ptr;
        const bool flushed = fflush_unlocked(stream) == 0;
        const bool alone = writing->piece != nullptr;
        writing->piece = nullptr;
        if (!flushed) return -1;
        if (alone) written = Writing_Write(writing, text, n) == static_cast<ssize_t>(n);
    } else {
        if (fflush_unlocked(stream) != 0) return -1;
        for (size_t done = 0; written && done < n;) {
            const ssize_t k = write(fd, text + done, n - done);
            if (k < 0 && errno == EINTR) continue;
            written = k > 0;
            if (written) done += static_cast<size_t>(k);
        }
    }
    // The position the stream may keep is asked of the file when next
    // wanted (as after its own fflush).
    stream->_offset = -1;
    if (!written) {
        stream->_flags |= _IO_ERR_SEEN;
        return -1;
    }
    return static_cast<int>(n);
#else
    (void)stream, (void)text, (void)n;
    return VEK_STRAIGHT_NOT_HERE;
#endif
}

int VEK_Fclose_Buffered(FILE* stream)
{
    if (!stream) return EOF;
    closed_first_error = 0;
    // A write that failed before the close (a piece written straight to the
    // file, say) leaves nothing for the close to find: the stream's mark
    // tells it.
    const bool failed_before = std::ferror(stream) != 0;
    int result = std::fclose(stream);
    int error = errno;
    if (failed_before && result == 0) {
        result = EOF;
        error = EIO;
    }
    for (Large_Buffer& b : large_buffers)
        if (b.owner == stream) b.owner = nullptr;
    errno = closed_first_error ? closed_first_error : error;
    return result;
}
