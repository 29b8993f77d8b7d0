// Locks of files between processes (file_locks.h). A lock that another run
// holds while it is stopped (Ctrl+Z, SIGSTOP) or hung is held for as long
// as it stays so: a run that waited for it without a bound waited for ever,
// and without a word. The one who holds it is found in the kernel's table
// of locks (/proc/locks), by the file's device and inode.
#include "platform/file_locks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

bool VEK_File_Held(const char* path)
{
    if (!path) return false;
    // Opened for writing where it may be: a file system that locks by
    // byte ranges (a network folder) takes an exclusive lock only so.
    int fd = open(path, O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) fd = open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}

int VEK_Lock_Wait_Seconds(void)
{
    const char* given = std::getenv("VEK_LOCK_WAIT");
    if (!given || !*given) return 60;
    char* end = nullptr;
    const long seconds = std::strtol(given, &end, 10);
    return *end == '\0' && seconds >= 0 && seconds <= 3600 ? static_cast<int>(seconds) : 60;
}

namespace {

// The whole of a small file of /proc ("" when it cannot be read).
std::string Proc_File(const std::string& path)
{
    std::string text;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    char chunk[4096];
    for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0 && text.size() < (1u << 20);)
        text.append(chunk, static_cast<size_t>(n));
    close(fd);
    return text;
}

// The id of the process that holds a lock on the file of fd, from the
// kernel's table; -1 when none is listed there (a lock of another machine).
long Holder_Of(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0) return -1;
    char file[64];
    std::snprintf(file, sizeof file, "%02x:%02x:%lu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long>(st.st_ino));
    const std::string table = Proc_File("/proc/locks");
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234567 0 EOF"; a process that
    // waits for the lock is listed with "->" and holds nothing.
    for (size_t from = 0; from < table.size();) {
        size_t to = table.find('\n', from);
        if (to == std::string::npos) to = table.size();
        const std::string line = table.substr(from, to - from);
        from = to + 1;
        char kind[16], pid[24], where[64];
        if (line.find("->") != std::string::npos ||
            std::sscanf(line.c_str(), "%*s %15s %*s %*s %23s %63s", kind, pid, where) != 3)
            continue;
        if (std::strcmp(where, file) == 0) return std::strtol(pid, nullptr, 10);
    }
    return -1;
}

// Whether the process is stopped (Ctrl+Z, SIGSTOP, a debugger), from its
// state in /proc.
bool Stopped(long pid)
{
    if (pid <= 0) return false;
    const std::string stat = Proc_File("/proc/" + std::to_string(pid) + "/stat");
    const size_t close = stat.rfind(") ");
    return close != std::string::npos && close + 2 < stat.size() && (stat[close + 2] == 'T' || stat[close + 2] == 't');
}

// Who holds a lock, in the console's words: "run 4242 (schweissnaht C001 0
// 1 1 -refresh, stopped)", or "another process".
std::string Holder_Text(long pid)
{
    if (pid <= 0) return "another process (none of this machine's that can be named)";
    const std::string id = std::to_string(pid);
    std::string command = Proc_File("/proc/" + id + "/cmdline");
    if (!command.empty() && command.back() == '\0') command.pop_back();
    const size_t program_end = command.find('\0');
    const size_t slash = command.find_last_of('/', program_end);
    if (slash != std::string::npos) command.erase(0, slash + 1);
    for (char& c : command)
        if (c == '\0') c = ' ';
    if (command.size() > 200) command = command.substr(0, 200) + " ...";
    const bool stopped = Stopped(pid);
    std::string text = "run " + id;
    if (!command.empty() || stopped)
        text += " (" + command + (stopped ? (command.empty() ? "stopped" : ", stopped") : "") + ")";
    return text;
}

// The files whose lock this run has given up on: device and inode.
std::vector<std::pair<dev_t, ino_t>> given_up;

bool Given_Up(int fd, bool note)
{
    struct stat st;
    if (fstat(fd, &st) != 0) return false;
    for (const auto& f : given_up)
        if (f.first == st.st_dev && f.second == st.st_ino) return true;
    if (note) given_up.emplace_back(st.st_dev, st.st_ino);
    return false;
}

// One try: taken, none to take there, or held by another.
int Try_Lock(int fd)
{
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? VEK_LOCK_REFUSED : VEK_LOCK_NONE;
    }
    return VEK_LOCK_TAKEN;
}

// The holder of fd's lock while it is refused. A run of this machine is
// listed in the kernel's table only while it holds the lock, and one that
// holds it for a moment may let go between a refused try and the reading
// of the table, another run taking it next: so the table is read again
// after each refused try, until a holder is listed or the lock is taken
// (*result then says so). -1 when none of this machine is listed through
// all the tries: one of another machine holds it.
long Holder_While_Refused(int fd, int* result)
{
    for (int tries = 0; tries < 20; ++tries) {
        const long pid = Holder_Of(fd);
        if (pid > 0) return pid;
        *result = Try_Lock(fd);
        if (*result != VEK_LOCK_REFUSED) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return -1;
}

// Concurrent runs of one component hold the folder for milliseconds each:
// a wait is told on the console only once it is long enough to notice.
constexpr auto kNotice = std::chrono::seconds(1);

void Tell_Wait(const char* name, long holder, int seconds)
{
    std::fprintf(stderr, "%s: waiting for its lock, held by %s, at most %d s\n", name, Holder_Text(holder).c_str(),
                 seconds);
    std::fflush(stderr);
}

}  // namespace

int VEK_Take_Lock(int fd, const char* what)
{
    if (fd < 0) return VEK_LOCK_NONE;
    int result = Try_Lock(fd);
    if (result != VEK_LOCK_REFUSED) return result;
    if (Given_Up(fd, false)) {
        errno = EWOULDBLOCK;
        return VEK_LOCK_REFUSED;
    }
    const int seconds = VEK_Lock_Wait_Seconds();
    const char* name = what ? what : "";
    const auto begun = std::chrono::steady_clock::now();
    const auto end = begun + std::chrono::seconds(seconds);
    // A stopped holder goes on only when somebody continues it: that wait
    // is told at once, whatever its length.
    const long first = Holder_Of(fd);
    bool told = Stopped(first);
    if (told) Tell_Wait(name, first, seconds);
    auto step = std::chrono::milliseconds(5);
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(step);
        if (step < std::chrono::milliseconds(100)) step *= 2;
        result = Try_Lock(fd);
        if (result != VEK_LOCK_REFUSED) return result;
        if (!told && std::chrono::steady_clock::now() - begun >= kNotice) {
            const long holder = Holder_While_Refused(fd, &result);
            if (result != VEK_LOCK_REFUSED) return result;
            Tell_Wait(name, holder, seconds);
            told = true;
        }
    }
    const long holder = Holder_While_Refused(fd, &result);
    if (result != VEK_LOCK_REFUSED) return result;
    Given_Up(fd, true);
    std::fprintf(stderr, "%s: its lock is still held by %s after %d s: nothing is changed there\n", name,
                 Holder_Text(holder).c_str(), seconds);
    errno = EWOULDBLOCK;
    return VEK_LOCK_REFUSED;
}
