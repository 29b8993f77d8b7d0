// The window tests' virtual display: Xvfb started on a free display number,
// programs started on it, xdotool to click and type at their windows, and
// Xlib to capture a window and to close it as a window manager would.
#ifndef TESTS_SUPPORT_XVFB_H
#define TESTS_SUPPORT_XVFB_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <png.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/testutil.h"

extern char** environ;

namespace testutil {

// The environment entry that gives the programs of the window tests the
// suppressions of leaks in system libraries (lsan_suppressions.txt).
inline const std::string kLeakSuppressions =
    "LSAN_OPTIONS=suppressions=" WELD_SOURCE_DIR "/tests/support/lsan_suppressions.txt";

// Starts argv[0] (looked up in PATH) with the process environment, the
// entries of `env` ("NAME=value") in place of those of the same name, in
// the directory `dir` when named; stdout and stderr go to the files when
// named.  -1 when it cannot start.
inline pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const std::string& out = "", const std::string& err = "", const std::string& dir = "") {
    std::vector<std::string> entries;
    for (char** e = environ; *e; ++e) {
        std::string s = *e;
        bool replaced = false;
        for (const std::string& n : env) replaced |= s.compare(0, n.find('=') + 1, n, 0, n.find('=') + 1) == 0;
        if (!replaced) entries.push_back(s);
    }
    entries.insert(entries.end(), env.begin(), env.end());
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : entries) envp.push_back(const_cast<char*>(e.c_str()));
    args.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!out.empty()) posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!err.empty()) posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Asks pred() every 20 ms until it holds or timeout_ms have passed; its
// last answer. For waits on something other than a program at work (the
// display server starting, a program that must not come).
template <class F>
bool Wait_Until(F pred, int timeout_ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        if (pred()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// A /proc file's bytes, or none: a process may end between the listing
// and the read, and its file then fails to read (ESRCH), which a stream
// iterator would throw.
inline std::string Read_Proc_File(const std::string& name) {
    std::string bytes;
    if (FILE* f = std::fopen(name.c_str(), "rb")) {
        char buf[1024];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
        std::fclose(f);
    }
    return bytes;
}

// The processor time, in clock ticks, that the processes this test started
// have used so far: those of its process group (a shell's background job
// too) and its descendants, the test itself not counted.
inline long long Programs_Cpu_Ticks() {
    std::map<pid_t, pid_t> parent;
    std::map<pid_t, long long> ticks;
    std::map<pid_t, pid_t> group;
    DIR* proc = opendir("/proc");
    if (!proc) return 0;
    while (dirent* e = readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atol(e->d_name));
        if (pid <= 0) continue;
        const std::string stat = Read_Proc_File("/proc/" + std::string(e->d_name) + "/stat");
        const size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        long long ppid = 0, pgrp = 0, utime = 0, stime = 0;
        // Fields after the name: state ppid pgrp session tty tpgid flags
        // minflt cminflt majflt cmajflt utime stime.
        if (std::sscanf(stat.c_str() + close + 1, " %c %lld %lld %*s %*s %*s %*s %*s %*s %*s %*s %lld %lld", &state,
                        &ppid, &pgrp, &utime, &stime) != 5)
            continue;
        parent[pid] = static_cast<pid_t>(ppid);
        group[pid] = static_cast<pid_t>(pgrp);
        ticks[pid] = utime + stime;
    }
    closedir(proc);
    const pid_t self = getpid(), own_group = getpgrp();
    long long sum = 0;
    for (const auto& [pid, t] : ticks) {
        bool ours = pid != self && group[pid] == own_group;
        for (pid_t p = parent[pid], hops = 0; !ours && p > 1 && hops < 64; p = parent[p], ++hops) ours = p == self;
        if (ours) sum += t;
    }
    return sum;
}

// How long the programs a window test started may show no sign of work
// before a wait for them gives up (a hang, not a slow machine), and how
// much processor time is a sign of work: a program that waits for events
// polls the window and uses a few hundredths of a second a second, one at
// work, even on a busy machine, many times that.
constexpr int kStallMs = 120000;
constexpr long long kWorkTicks = 200;

// Waits until pred() holds, however slowly a busy machine and a sanitizer
// let the programs the test started do their work: it gives up only when
// they have shown no sign of work (kWorkTicks of processor time, or one of
// them ending) for kStallMs. pred()'s last answer.
template <class F>
bool Wait_While_Working(F pred) {
    using Clock = std::chrono::steady_clock;
    long long base = Programs_Cpu_Ticks();
    Clock::time_point last_sign = Clock::now(), last_look = last_sign;
    for (;;) {
        if (pred()) return true;
        const Clock::time_point now = Clock::now();
        if (now - last_look >= std::chrono::milliseconds(500)) {
            last_look = now;
            const long long ticks = Programs_Cpu_Ticks();
            if (ticks < base || ticks - base >= kWorkTicks) base = ticks, last_sign = now;
        }
        if (now - last_sign >= std::chrono::milliseconds(kStallMs)) return pred();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// The exit code of the child, 128 + the signal's number when a signal
// ended it; -1 when it did not end within timeout_ms (it is then killed).
inline int Wait_Exit(pid_t pid, int timeout_ms) {
    int status = 0;
    if (!Wait_Until([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeout_ms)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The exit code of the child once it has ended, waiting while it works (as
// Wait_While_Working); -1 when it hung (it is then killed).
inline int Wait_Exit_While_Working(pid_t pid) {
    int status = 0;
    if (!Wait_While_Working([&] { return waitpid(pid, &status, WNOHANG) == pid; })) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// An 8-bit RGB or RGBA PNG file as 0xRRGGBB values, row by row.
inline bool Read_PNG_RGB(const std::string& file, std::vector<unsigned>* rgb, int* w, int* h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
    *w = static_cast<int>(image.width);
    *h = static_cast<int>(image.height);
    rgb->resize(static_cast<size_t>(*w) * *h);
    for (size_t i = 0; i < rgb->size(); ++i)
        (*rgb)[i] = (unsigned)bytes[3 * i] << 16 | (unsigned)bytes[3 * i + 1] << 8 | bytes[3 * i + 2];
    return true;
}

// A window's capture, read once for the pixels a test looks at.
struct Picture {
    std::vector<unsigned> rgb;
    int w = 0, h = 0;
    explicit Picture(const std::string& png) {
        if (!Read_PNG_RGB(png, &rgb, &w, &h)) w = h = 0;
    }
    // The colour of pixel (x, y), or 1 << 24 when the capture could not be
    // read or has no such pixel (no colour of the screen has bit 24).
    unsigned At(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h) return 1u << 24;
        return rgb[static_cast<size_t>(y) * w + x];
    }
};

// The colour of pixel (x, y) of a window's capture, as Picture::At.
inline unsigned Pixel(const std::string& png, int x, int y) { return Picture(png).At(x, y); }

class Xvfb {
public:
    // Starts Xvfb with one screen of width x height pixels, 24 bits.
    Xvfb(int width, int height) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            why_ = "no pipe";
            return;
        }
        fcntl(fds[1], F_SETFD, 0);  // the server writes its display number here
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"},
                     {}, "/dev/null", log_.file("xvfb.log"));
        close(fds[1]);
        if (pid_ < 0) why_ = "Xvfb is not installed";
        std::string number;
        pollfd p = {fds[0], POLLIN, 0};
        auto readable = [&] { return poll(&p, 1, 0) == 1; };
        for (char c; pid_ > 0 && Wait_While_Working(readable) && read(fds[0], &c, 1) == 1 && c != '\n';) number += c;
        close(fds[0]);
        if (pid_ > 0 && number.empty()) why_ = "Xvfb did not start: " + Read_File(log_.file("xvfb.log"));
        if (number.empty()) return;
        display_ = ":" + number;
        x_ = XOpenDisplay(display_.c_str());
        if (!x_) why_ = "no connection to Xvfb on " + display_;
    }
    ~Xvfb() {
        if (x_) XCloseDisplay(x_);
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            Wait_Exit(pid_, 5000);
        }
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool ok() const { return x_ != nullptr; }
    const std::string& why() const { return why_; }
    // The environment entry that puts a program on this display.
    std::string Env() const { return "DISPLAY=" + display_; }

    // Runs a command line on the display (xdotool, setxkbmap); its exit code.
    int Run(const std::string& command) const {
        return std::system(("DISPLAY=" + display_ + " " + command + " >/dev/null 2>&1").c_str());
    }

    // The visible window of exactly this title; 0 when there is none.
    // With `wait`, waits for it while the programs work (Wait_While_Working).
    unsigned long Find_Window(const std::string& title, bool wait = true) const {
        unsigned long id = 0;
        const std::string command = "DISPLAY=" + display_ + " xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null";
        auto found = [&] {
            FILE* p = popen(command.c_str(), "r");
            if (!p) return false;
            if (std::fscanf(p, "%lu", &id) != 1) id = 0;
            pclose(p);
            return id != 0;
        };
        if (wait) Wait_While_Working(found);
        else found();
        return id;
    }

    // The window's pixels as 0xRRGGBB, row by row.
    bool Capture(unsigned long window, std::vector<unsigned>* rgb, int* w, int* h) const {
        XWindowAttributes a;
        if (!XGetWindowAttributes(x_, window, &a) || a.map_state != IsViewable) return false;
        XImage* image = XGetImage(x_, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
        if (!image) return false;
        const bool rgb24 = image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 && image->blue_mask == 0xFF;
        *w = a.width;
        *h = a.height;
        rgb->resize(static_cast<size_t>(a.width) * a.height);
        for (int y = 0; rgb24 && y < a.height; ++y)
            for (int x = 0; x < a.width; ++x)
                (*rgb)[static_cast<size_t>(y) * a.width + x] = XGetPixel(image, x, y) & 0xFFFFFF;
        XDestroyImage(image);
        return rgb24;
    }

    // Presses and releases the key `keycode` bound to the keysym (both
    // levels of group 1) for the press; 0 when the server refused the
    // binding or the test extension is missing. xdotool binds a keysym the
    // keyboard lacks to a spare key, presses it and unbinds it at once: a
    // program slow to read the press (a sanitizer build, a busy machine)
    // looks the key up unbound and gets nothing. Here the binding stays
    // until the next press of another keysym on that key.
    bool Press_Bound_Key(int keycode, unsigned long keysym) const {
        using Fake = int (*)(Display*, unsigned, int, unsigned long);
        static void* xtst = dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
        const Fake fake = xtst ? reinterpret_cast<Fake>(dlsym(xtst, "XTestFakeKeyEvent")) : nullptr;
        if (!fake) return false;
        int per = 0;
        KeySym* now = XGetKeyboardMapping(x_, static_cast<KeyCode>(keycode), 1, &per);
        if (now) XFree(now);
        if (per < 2) return false;
        std::vector<KeySym> syms(static_cast<size_t>(per), NoSymbol);
        syms[0] = syms[1] = keysym;
        XChangeKeyboardMapping(x_, keycode, per, syms.data(), 1);
        XSync(x_, False);
        KeySym* after = XGetKeyboardMapping(x_, static_cast<KeyCode>(keycode), 1, &per);
        const bool bound = after && after[0] == keysym;
        if (after) XFree(after);
        if (!bound) return false;
        fake(x_, static_cast<unsigned>(keycode), True, CurrentTime);
        fake(x_, static_cast<unsigned>(keycode), False, CurrentTime);
        XSync(x_, False);
        return true;
    }

    // What a window manager sends when the user clicks the close box.
    void Close_Window(unsigned long window) const {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = window;
        e.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(x_, window, False, NoEventMask, &e);
        XFlush(x_);
    }

private:
    TempDir log_;
    pid_t pid_ = -1;
    std::string display_, why_;
    Display* x_ = nullptr;
};

// "" when the window's capture shows the picture (each picture pixel as a
// scale x scale square), else where they first differ.
inline std::string Window_Differs(const Xvfb& x, unsigned long window, const std::string& png, int scale) {
    std::vector<unsigned> shot, picture;
    int sw = 0, sh = 0, pw = 0, ph = 0;
    if (!Read_PNG_RGB(png, &picture, &pw, &ph)) return "no picture " + png;
    if (!x.Capture(window, &shot, &sw, &sh)) return "no capture of the window";
    if (sw != pw * scale || sh != ph * scale)
        return "window " + std::to_string(sw) + "x" + std::to_string(sh) + ", picture " + std::to_string(pw) + "x" +
               std::to_string(ph);
    for (int y = 0; y < sh; ++y)
        for (int x1 = 0; x1 < sw; ++x1) {
            unsigned s = shot[static_cast<size_t>(y) * sw + x1], p = picture[static_cast<size_t>(y / scale) * pw + x1 / scale];
            if (s != p) {
                char where[96];
                std::snprintf(where, sizeof where, "window pixel %d,%d is %06X, picture %06X", x1, y, s, p);
                return where;
            }
        }
    return "";
}

}  // namespace testutil

#endif
