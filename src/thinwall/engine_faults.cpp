// The faults of the section engines, recorded where they happen and written
// by the outermost engine call.
#include "thinwall/engine_faults.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/format.h"

namespace {

struct Fault {
    Engine_Fault_Code code;
    std::string text;
};

std::vector<Fault> recorded;
int depth = 0;  // engine calls on the stack

FILE* Stream_Of(Engine_Fault_Code code) { return code == ENGINE_FAULT_PLO_LINE ? stderr : stdout; }

}  // namespace

void Record_Engine_Fault(Engine_Fault_Code code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string line;
    try {
        VEK_Format_String_V(line, format, args);
    } catch (...) {
        line = format;  // no room for the values: at least the routine's name
    }
    va_end(args);
    if (depth > 0) {
        try {
            recorded.push_back({code, std::move(line)});
            return;
        } catch (...) {
            // No room to keep it (the fault may be exhausted storage): it is
            // written now rather than lost.
        }
    }
    std::fputs(line.c_str(), Stream_Of(code));
}

int Count_Engine_Faults(void) { return static_cast<int>(recorded.size()); }

Engine_Fault_Code Engine_Fault_Code_At(int index) {
    return index >= 0 && index < Count_Engine_Faults() ? recorded[index].code : Engine_Fault_Code{};
}

const char* Engine_Fault_Text_At(int index) {
    return index >= 0 && index < Count_Engine_Faults() ? recorded[index].text.c_str() : "";
}

void Report_Engine_Faults(void) {
    for (const Fault& f : recorded) std::fputs(f.text.c_str(), Stream_Of(f.code));
    recorded.clear();
}

void Clear_Engine_Faults(void) { recorded.clear(); }

Engine_Call::Engine_Call() { depth++; }

Engine_Call::~Engine_Call() {
    if (--depth == 0) Report_Engine_Faults();
}
