// Fuzz target: the title file of a tool of the desktop stand-in. A tool
// started with VEKSpawnv owns a window whose title is the first line of
// "<program>.title" beside it (without a CR before the line end), else the
// program's file name. The input is written as that file beside a tool
// that waits (a link to sleep), the tool is started, and the window search
// must find exactly that title while the tool runs: the title and not one
// character more. The tool is stopped before the next input.
#include <csignal>
#include <sys/wait.h>

#include "fuzz_common.h"

#include "platform/desktop.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("tool title", what); }

// The title the window must carry, worked out from the file's bytes.
std::string Expected_Title(const std::string& file) {
    if (file.empty()) return "tool";
    std::string line = file.substr(0, file.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static const std::string tool = [] {
        const std::string t = fuzz::Dir() + "/tool";
        if (symlink("/bin/sleep", t.c_str()) != 0 && errno != EEXIST) Fail("no tool to start");
        return t;
    }();
    if (!fuzz::Write(tool + ".title", data, size)) return 0;
    const std::string title = Expected_Title(std::string(reinterpret_cast<const char*>(data), size));
    const char* argv[] = {"tool", "60", nullptr};
    const int pid = VEKSpawnv(2, tool.c_str(), argv);
    if (pid <= 0) Fail("the tool did not start");
    // An empty title matches any window; the length then counts from the
    // text, which is what a caller with an empty text gets.
    const int found = FindVEKWindow(title.c_str(), (int)title.size());
    std::string longer = title + '\x01';
    const int found_longer = FindVEKWindow(longer.c_str(), (int)longer.size());
    kill(pid, SIGKILL);
    int status;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!found) Fail("the window of the running tool was not found by its title");
    if (found_longer) Fail("a window was found by a title one character longer");
    if (FindVEKWindow(title.c_str(), (int)title.size()) && !title.empty())
        Fail("the window of a stopped tool was still found");
    return 0;
}
