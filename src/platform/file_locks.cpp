// Locks of files between processes (file_locks.h). A lock that another run
// holds while it is stopped (Ctrl+Z, SIGSTOP) or hung is held for as long
// as it stays so: a run that waited for it without a bound waited for ever,
// and without a word. The one who holds it is found in the kernel's table
// of locks (/proc/locks), by the file's device and inode.
#include "platform/file_locks.h"

#include "platform/posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <signal.h>
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

int VEK_File_Hold_State(const char* path)
{
    if (!path) return VEK_HOLD_FREE;
    // Opened for writing where it may be: a file system that locks by
    // byte ranges (a network folder) takes an exclusive lock only so.
    int fd = open(path, O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) fd = open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return VEK_HOLD_FREE;
    int state = VEK_HOLD_FREE;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        // Anything but a refusal (ENOLCK, ENOSYS, EOPNOTSUPP): no lock is
        // kept there, and an unheld file says nothing of its writer.
        state = errno == EWOULDBLOCK ? VEK_HOLD_HELD : VEK_HOLD_UNKNOWN;
        break;
    }
    close(fd);
    return state;
}

bool VEK_File_Held(const char* path)
{
    return VEK_File_Hold_State(path) == VEK_HOLD_HELD;
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

namespace {

// The first line of a small file of /proc or /sys without its line end
// ("" when it cannot be read).
std::string First_Line(const std::string& path)
{
    std::string text = Proc_File(path);
    const size_t end = text.find('\n');
    if (end != std::string::npos) text.erase(end);
    return text;
}

// The start time of a process (clock ticks after the boot), from the 22nd
// field of its stat line; false when it cannot be read.
bool Start_Of(long pid, unsigned long long* start)
{
    const std::string stat = Proc_File("/proc/" + std::to_string(pid) + "/stat");
    // The command between the parentheses may hold blanks and ")": the
    // fields are counted from the last one, the state being the third.
    const size_t close = stat.rfind(") ");
    if (close == std::string::npos) return false;
    const char* p = stat.c_str() + close + 2;
    for (int field = 3; field < 22; ++field) {
        p = std::strchr(p, ' ');
        if (!p) return false;
        ++p;
    }
    char* end = nullptr;
    *start = std::strtoull(p, &end, 10);
    return end != p;
}

// The record of this process; false when a part of it cannot be had (a
// record would then name a writer nobody could judge).
bool Own_Record(VEK_Owner_Record* own)
{
    *own = VEK_Owner_Record{};
    own->pid = static_cast<long>(getpid());
    const std::string boot = First_Line("/proc/sys/kernel/random/boot_id");
    char space[sizeof own->space] = "";
    const ssize_t n = readlink("/proc/self/ns/pid", space, sizeof space - 1);
    char host[sizeof own->host] = "";
    if (!Start_Of(own->pid, &own->start) || boot.empty() || boot.size() >= sizeof own->boot || n <= 0 ||
        static_cast<size_t>(n) >= sizeof space - 1 ||
        gethostname(host, sizeof host - 1) != 0 || !*host)
        return false;
    space[n] = '\0';
    std::snprintf(own->boot, sizeof own->boot, "%s", boot.c_str());
    std::snprintf(own->space, sizeof own->space, "%s", space);
    std::snprintf(own->host, sizeof own->host, "%s", host);
    return true;
}

constexpr char kOwnerHead[] = "vek-owner ";

// One word of a record's text at *p (up to a blank or its end) into a
// field of `size` bytes; false for an empty word, one too long, or one
// with a byte a word has not.
bool Take_Word(const char** p, const char* end, char* field, size_t size)
{
    size_t n = 0;
    for (; *p < end && **p != ' ' && **p != '\n'; ++*p, ++n) {
        if (**p < '!' || **p > '~' || n + 1 >= size) return false;
        field[n] = **p;
    }
    field[n] = '\0';
    return n > 0;
}

}  // namespace

int VEK_Parse_Owner_Record(const char* text, size_t size, VEK_Owner_Record* record)
{
    if (!text || !record || size < sizeof kOwnerHead || std::memcmp(text, kOwnerHead, sizeof kOwnerHead - 1) != 0)
        return 0;
    const char* p = text + sizeof kOwnerHead - 1;
    const char* end = text + size;
    VEK_Owner_Record r{};
    char pid[12], start[24];
    const bool taken = Take_Word(&p, end, pid, sizeof pid) && p < end && *p++ == ' ' &&
                       Take_Word(&p, end, start, sizeof start) && p < end && *p++ == ' ' &&
                       Take_Word(&p, end, r.boot, sizeof r.boot) && p < end && *p++ == ' ' &&
                       Take_Word(&p, end, r.space, sizeof r.space) && p < end && *p++ == ' ' &&
                       Take_Word(&p, end, r.host, sizeof r.host) && p + 1 == end && *p == '\n';
    if (!taken) return 0;
    // Whole numbers only, as the writer writes them (no leading zero): a
    // process id of this machine's range, a start time of 20 digits at most.
    for (const char* number : {pid, start}) {
        if (number[0] == '0' && number[1] != '\0') return 0;
        for (const char* c = number; *c; ++c)
            if (*c < '0' || *c > '9') return 0;
    }
    errno = 0;
    r.pid = std::strtol(pid, nullptr, 10);
    r.start = std::strtoull(start, nullptr, 10);
    if (errno != 0 || r.pid <= 0 || r.pid > 0x7fffffffL) return 0;
    *record = r;
    return 1;
}

size_t VEK_Format_Owner_Record(const VEK_Owner_Record* record, char* buffer, size_t size)
{
    if (!record || !buffer || size == 0) return 0;
    // A word each (no blank, no control byte, terminated in its field):
    // what a record's text cannot hold is no record.
    const struct {
        const char* text;
        size_t room;
    } words[] = {{record->boot, sizeof record->boot}, {record->space, sizeof record->space},
                 {record->host, sizeof record->host}};
    for (const auto& word : words) {
        const size_t length = strnlen(word.text, word.room);
        if (length == 0 || length == word.room) return 0;
        for (size_t i = 0; i < length; ++i)
            if (word.text[i] <= ' ' || word.text[i] > '~') return 0;
    }
    if (record->pid <= 0) return 0;
    const int length = std::snprintf(buffer, size, "%s%ld %llu %s %s %s\n", kOwnerHead, record->pid, record->start,
                                     record->boot, record->space, record->host);
    return length > 0 && static_cast<size_t>(length) < size ? static_cast<size_t>(length) : 0;
}

int VEK_Write_Owner_Record(const char* path)
{
    VEK_Owner_Record own;
    char text[256];
    const size_t length = path && *path && Own_Record(&own) ? VEK_Format_Owner_Record(&own, text, sizeof text) : 0;
    if (length == 0) {
        errno = path && *path ? ENOTSUP : ENOENT;
        return 0;
    }
    const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return 0;
    // Lasting before the temporaries it speaks for are written: a record
    // lost to a power cut would leave them to the age rule only.
    const bool done = write(fd, text, length) == static_cast<ssize_t>(length) && fsync(fd) == 0;
    const int error = errno;
    close(fd);
    if (!done) {
        unlink(path);
        errno = error ? error : EIO;
    }
    return done;
}

int VEK_Owner_State(const char* path)
{
    FILE* f = path ? VEK_Open_Reading(path, VEK_READ_CAP_SMALL, nullptr) : nullptr;
    if (!f) return VEK_OWNER_UNKNOWN;
    char text[256];
    const size_t n = std::fread(text, 1, sizeof text, f);
    std::fclose(f);
    VEK_Owner_Record record, own;
    if (!VEK_Parse_Owner_Record(text, n, &record) || !Own_Record(&own)) return VEK_OWNER_UNKNOWN;
    // Another machine's process (or one of another process space) cannot be
    // asked from here; nor can one of an earlier boot of a machine that
    // shares this one's name, which is not told from another machine.
    if (std::strcmp(record.host, own.host) != 0 || std::strcmp(record.boot, own.boot) != 0 ||
        std::strcmp(record.space, own.space) != 0)
        return VEK_OWNER_UNKNOWN;
    unsigned long long start = 0;
    if (Start_Of(record.pid, &start)) return start == record.start ? VEK_OWNER_LIVE : VEK_OWNER_GONE;
    // Its stat not to be read (another user's, under hidepid): only whether
    // the id is taken can be asked, and a taken id counts as the writer's.
    // (kill with signal 0 only asks; EPERM means the process is there.)
    return kill(static_cast<pid_t>(record.pid), 0) != 0 && errno == ESRCH ? VEK_OWNER_GONE : VEK_OWNER_LIVE;
}
