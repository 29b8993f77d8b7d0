// Fuzz target: the script file of the headless stand-in's event queue. The
// input is written as a script file and loaded; a file is taken whole or not
// at all, so the queue must then hold exactly the events of its lines, or
// nothing when one line is not understood. Each line is also parsed on its
// own. The message naming a refused file's bad line goes to /dev/null (the
// fuzzer's own output stays on stderr).
#include "fuzz_common.h"

#include <fcntl.h>

#include <cstdlib>
#include <string>

#include "platform/events.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::Dir() + "/run.vks";
    static const int null_fd = open("/dev/null", O_WRONLY);
    if (!fuzz::Write(path, data, size)) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    int events = 0;
    bool bad = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        VEKScriptEvent e;
        // A NUL ends the line for the parser as for the file reader's C string.
        int r = VEK_Script_Parse_Line(text.substr(start, end - start).c_str(), &e);
        if (r < 0) bad = true;
        if (r == 1) ++events;
        start = end + 1;
    }
    VEK_Script_Clear();
    std::fflush(stderr);
    const int saved_fd = dup(2);
    dup2(null_fd, 2);
    int loaded = VEK_Script_Load_File(path.c_str());
    std::fflush(stderr);
    dup2(saved_fd, 2);
    close(saved_fd);
    int pending = VEK_Script_Pending();
    if (bad ? (loaded != -1 || pending != 0) : (loaded != events || pending != events)) std::abort();
    VEK_Script_Clear();
    return 0;
}
