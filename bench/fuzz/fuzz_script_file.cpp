// Fuzz target: the script file of the headless stand-in's event queue. The
// input is written as a script file and loaded; the queue is emptied after
// each run. Each line is also parsed on its own.
#include "fuzz_common.h"

#include <string>

#include "platform/events.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::Dir() + "/run.vks";
    if (!fuzz::Write(path, data, size)) return 0;
    VEK_Script_Clear();
    (void)VEK_Script_Load_File(path.c_str());
    VEK_Script_Clear();
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        VEKScriptEvent e;
        (void)VEK_Script_Parse_Line(text.substr(start, end - start).c_str(), &e);
        start = end + 1;
    }
    return 0;
}
