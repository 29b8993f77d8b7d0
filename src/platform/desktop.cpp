/* desktop.cpp -- desktop services of the headless stand-in.
 *
 * Everything the desktop would answer is taken from the process
 * environment and the file system (see desktop.h for the entries).  Tools
 * are started with posix_spawn, never through a shell; the stand-in keeps
 * the children it started so that FindVEKWindow can follow their windows.
 * Time is virtual headless: nothing here ever sleeps for the clock's sake;
 * only while a window is open (display_sdl.h) does the clock run in real
 * time and a sleep really wait.
 */
#include "platform/desktop.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/posix.h"

extern char** environ;

VEKStdioFctTable* VEK_STDIO_FCT = nullptr;

static const int DEFAULT_APPLICATION_NUMBER = 156;

/* ---- environment ---- */

static const char* env_or_null(const char* name)
{
    if (!name || !*name) return nullptr;
    const char* v = std::getenv(name);
    return v && *v ? v : nullptr;
}

const char* VEKGetEnv(const char* name)
{
    return env_or_null(name);
}

int VEKGetUserString(const char* key, char* buffer, int size)
{
    if (!key || !*key || !buffer || size < 1) return 0;
    std::string entry = std::string("VEK_USER_") + key;
    const char* v = std::getenv(entry.c_str());
    if (!v) return 0;
    std::snprintf(buffer, (size_t)size, "%s", v);
    return 1;
}

static int env_int(const char* name, int fallback)
{
    const char* v = env_or_null(name);
    if (!v) return fallback;
    char* end = nullptr;
    long n = std::strtol(v, &end, 10);
    if (end == v || *end != '\0' || n < -2147483647L || n > 2147483647L) return fallback;
    return (int)n;
}

int CurOb_Application_Number(void) { return env_int("VEK_APPLICATION_NUMBER", DEFAULT_APPLICATION_NUMBER); }
int CurOb_Object_Id(void) { return env_int("VEK_OBJECT_ID", 0); }

const char* CurOb_Privat_Datapath(void)
{
    const char* v = env_or_null("VEK_PRIVAT_DATAPATH");
    return v ? v : env_or_null("DRAM");
}

const char* CurOb_Filername(void) { return env_or_null("VEK_FILERNAME"); }
const char* CurOb_Basicname(void) { return env_or_null("VEK_BASICNAME"); }
const char* CurOb_Suffixname(void) { return env_or_null("VEK_SUFFIXNAME"); }
const char* CurOb_Programstring(void) { return env_or_null("VEK_PROGRAMSTRING"); }
const char* CurOb_Versionstring(void) { return env_or_null("VEK_VERSIONSTRING"); }

const char* CurOb_Programname(void)
{
    const char* v = env_or_null("VEK_PROGRAMNAME");
    return v ? v : "Q7-ZO3";
}

void VEKSetStdioFctPtr(VEKStdioFctTable* table)
{
    VEK_STDIO_FCT = table;
}

/* ---- files ---- */

/* Copies the whole stream `context` into f; 1 when every byte got there. */
static int copy_stream(FILE* f, void* context)
{
    FILE* in = static_cast<FILE*>(context);
    char buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        if (std::fwrite(buffer, 1, n, f) != n) return 0;
    return std::ferror(in) ? 0 : 1;
}

int VEKCopyFile(const char* source, const char* target, int fail_if_exists)
{
    if (!source || !target || !*source || !*target) return 0;
    std::string src = VEK_Native_String(source), dst = VEK_Native_String(target);
    if (fail_if_exists && access(dst.c_str(), F_OK) == 0) return 0;
    /* What is copied are a component's files: a FIFO or a device as the
     * source would hang or fill the copy. */
    FILE* in = VEK_Open_Reading(src.c_str(), VEK_READ_CAP_LIST, nullptr);
    if (!in) return 0;
    /* An empty source gives an empty target; a failed copy leaves none. */
    const int ok = VEK_Write_File_Replacing(dst.c_str(), copy_stream, in);
    std::fclose(in);
    return ok;
}

int VEKRemoveFile(const char* name)
{
    if (!name || !*name) return -1;
    return unlink(VEK_Native_String(name).c_str()) == 0 ? 0 : -1;
}

namespace {
struct FindState {
    std::vector<std::string> names;
    size_t next = 0;
};
}

static int find_first(const char* pattern, DOSFindRecord* record, bool directories)
{
    if (!record) return -1;
    record->name = nullptr;
    record->search = nullptr;
    if (!pattern || !*pattern) return -1;
    std::string p = VEK_Native_String(pattern);
    std::string dir = ".", mask = p;
    size_t slash = p.find_last_of('/');
    if (slash != std::string::npos) {
        dir = slash == 0 ? "/" : p.substr(0, slash);
        mask = p.substr(slash + 1);
    }
    if (mask == "*.*") mask.resize(1);  /* "*": the desktop's "all files", dot or not */
    DIR* d = opendir(dir.c_str());
    if (!d) return -1;
    auto* state = new FindState;
    while (struct dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        if (fnmatch(mask.c_str(), n.c_str(), FNM_CASEFOLD) != 0) continue;
        struct stat st;
        if (stat((dir + "/" + n).c_str(), &st) != 0) continue;
        if (directories != (bool)S_ISDIR(st.st_mode)) continue;
        state->names.push_back(n);
    }
    closedir(d);
    /* A stable order keeps runs reproducible. */
    std::sort(state->names.begin(), state->names.end());
    record->search = state;
    return DOSFindNext(record);
}

int DOSFindFirstFile(const char* pattern, DOSFindRecord* record)
{
    return find_first(pattern, record, false);
}

int DOSFindFirstDirectory(const char* pattern, DOSFindRecord* record)
{
    return find_first(pattern, record, true);
}

int DOSFindNext(DOSFindRecord* record)
{
    if (!record || !record->search) return -1;
    auto* state = static_cast<FindState*>(record->search);
    if (state->next >= state->names.size()) {
        record->name = nullptr;
        return -1;
    }
    record->name = state->names[state->next++].data();
    return 0;
}

void DOSFindClose(DOSFindRecord* record)
{
    if (!record) return;
    delete static_cast<FindState*>(record->search);
    record->search = nullptr;
    record->name = nullptr;
}

/* ---- tools ---- */

namespace {
struct Child {
    pid_t pid;
    std::string title;
    bool running;
    int status;  /* exit status once ended; -1 killed by a signal or lost */
};
}
static std::vector<Child> children;
/* The outcome of the last start with mode 1 or 2: -2 running, -1 not
 * started, killed or lost, else the exit status. */
static int last_spawn_index = -1;
static int last_spawn_failed = 0;

static std::string window_title_of(const std::string& path)
{
    /* A title is one short line: a title file that is no file, or larger
     * than a small one, is not read (a FIFO would hang the search). */
    if (FILE* t = VEK_Open_Reading((path + ".title").c_str(), VEK_READ_CAP_SMALL, nullptr)) {
        std::string line;
        int c;
        while ((c = std::fgetc(t)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
        const bool read = !std::ferror(t) && (c == '\n' || !line.empty());
        std::fclose(t);
        if (read) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
    }
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

static void reap_children(void)
{
    for (Child& c : children) {
        if (!c.running) continue;
        int status;
        pid_t r = waitpid(c.pid, &status, WNOHANG);
        if (r == c.pid || r < 0) {
            c.running = false;
            c.status = r == c.pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
    }
}

/* The argument vector as posix_spawn wants it; argv null or empty gives the
 * program alone. */
static std::vector<std::string> argument_store(const std::string& program, const char* const* argv)
{
    std::vector<std::string> store;
    if (argv && argv[0]) {
        for (const char* const* a = argv; *a; ++a) store.emplace_back(*a);
    } else {
        store.push_back(program);
    }
    return store;
}

/* A path without directory is looked up in EXEC; "" when it cannot be. */
static std::string program_path(const char* path)
{
    if (!path || !*path) return "";
    std::string p = VEK_Native_String(path);
    if (p.find('/') == std::string::npos) {
        const char* exec = VEKGetEnv("EXEC");
        if (!exec) return "";
        p = VEK_Join_String(exec, p.c_str());
    }
    return p;
}

static int wait_for(pid_t pid)
{
    int status;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int VEKSpawnv(int mode, const char* path, const char* const* argv)
{
    const std::string p = program_path(path);
    if (mode != 0) {
        last_spawn_index = -1;
        last_spawn_failed = 1;
    }
    if (p.empty()) return -1;
    std::vector<std::string> store = argument_store(p, argv);
    std::vector<char*> args;
    for (std::string& s : store) args.push_back(s.data());
    args.push_back(nullptr);

    pid_t pid;
    if (posix_spawn(&pid, p.c_str(), nullptr, nullptr, args.data(), environ) != 0) return -1;
    if (mode == 0) return wait_for(pid);
    children.push_back(Child{pid, window_title_of(p), true, -1});
    last_spawn_index = (int)children.size() - 1;
    last_spawn_failed = 0;
    return mode == 2 ? (int)pid : 0;
}

int VEK_Last_Spawn_Status(void)
{
    if (last_spawn_failed || last_spawn_index < 0) return -1;
    reap_children();
    const Child& c = children[(size_t)last_spawn_index];
    return c.running ? -2 : c.status;
}

int VEK_Spawn_Wait_Output(const char* path, const char* const* argv, const char* output)
{
    const std::string p = program_path(path);
    if (p.empty() || !output || !*output) return -1;
    std::vector<std::string> store = argument_store(p, argv);
    std::vector<char*> args;
    for (std::string& s : store) args.push_back(s.data());
    args.push_back(nullptr);
    const std::string out = VEK_Native_String(output);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return -1;
    int ok = posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644) == 0 &&
             posix_spawn_file_actions_adddup2(&actions, 1, 2) == 0;
    pid_t pid = 0;
    if (ok) ok = posix_spawn(&pid, p.c_str(), &actions, nullptr, args.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return ok ? wait_for(pid) : -1;
}

int FindVEKWindow(const char* title, int length)
{
    if (!title) return 0;
    size_t n = length > 0 ? (size_t)length : std::strlen(title);
    reap_children();
    for (const Child& c : children) {
        if (!c.running || c.title.size() < n) continue;
        if (std::memcmp(c.title.data(), title, n) != 0) continue;
        /* The caller polls in a loop while the tool runs: give the tool a
         * moment of real time so that the poll does not spin. */
        struct timespec ts = {0, 1000000};
        nanosleep(&ts, nullptr);
        return 1;
    }
    return 0;
}

int CheckVEKProcess(int id, char*)
{
    reap_children();
    for (const Child& c : children)
        if (c.pid == (pid_t)id) return c.running ? 0 : 1;
    return 1;
}

int ShowVEKProcessWindow(int id, int)
{
    return CheckVEKProcess(id, nullptr) ? 0 : 1;
}

/* ---- window frame ---- */

static std::string frame_title;
static int (*close_fct)(void) = nullptr;

void VEKSetFrameTitle(const char* title) { frame_title = title ? title : ""; }
const char* VEKGetFrameTitle(void) { return frame_title.c_str(); }
void VEKSetCloseFct(int (*handler)(void)) { close_fct = handler; }
int (*VEKGetCloseFct(void))(void) { return close_fct; }

/* ---- time ---- */

static long long clock_ms = 0;
static int timer_on = 0;

void VEKSleep(int ms)
{
    VEK_Advance_Clock(ms);
}

void Wait_Seconds(double seconds)
{
    if (seconds > 0.0 && seconds < 1.0e9) VEK_Advance_Clock((long long)(seconds * 1000.0 + 0.5));
}

int VEKSetTimer(int on)
{
    int old = timer_on;
    timer_on = on != 0;
    return old;
}

int VEKTimerActive(void) { return timer_on; }
/* With a window open the clock runs on in real time (display_sdl.h). */
long long VEK_Clock_ms(void) { return clock_ms + VEK_Display_Elapsed_ms(); }

void VEK_Advance_Clock(long long ms)
{
    if (ms <= 0) return;
    if (VEK_Display_Active()) VEK_Display_Sleep(ms);
    else clock_ms += ms;
}

/* ---- clipboard ---- */

static std::string clipboard;

int VEKSetClipboardText(const char* text, int)
{
    clipboard = text ? text : "";
    return 1;
}

int VEKGetClipboardText(char* buffer, int size)
{
    if (!buffer || size < 1) return 0;
    size_t n = std::min(clipboard.size(), (size_t)size - 1);
    clipboard.copy(buffer, n);
    buffer[n] = '\0';
    return (int)n;
}
