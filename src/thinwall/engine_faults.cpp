// The faults of the section engines, recorded where they happen and handed
// to the program's reporter by the outermost engine call.
#include "thinwall/engine_faults.h"

#include <cstdarg>
#include <string>
#include <vector>

#include "platform/format.h"

namespace {

struct Fault {
    Engine_Fault_Code code;
    std::string text;
};

std::vector<Fault> recorded;
int dropped = 0;
int depth = 0;  // engine calls on the stack
Engine_Fault_Reporter reporter = nullptr;

// Hands the fault over now, or counts it when there is no one to take it.
void Report_Now(Engine_Fault_Code code, const char* line) {
    if (reporter)
        reporter(code, line);
    else
        dropped++;
}

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
    if ((depth > 0 || !reporter) && recorded.size() < kEngineFaultsKept) {
        try {
            recorded.push_back({code, std::move(line)});
            return;
        } catch (...) {
            // No room to keep it (the fault may be exhausted storage): it is
            // handed over now rather than lost.
        }
    }
    Report_Now(code, line.c_str());
}

Engine_Fault_Reporter Set_Engine_Fault_Reporter(Engine_Fault_Reporter r) {
    const Engine_Fault_Reporter previous = reporter;
    reporter = r;
    return previous;
}

int Count_Engine_Faults(void) { return static_cast<int>(recorded.size()); }

Engine_Fault_Code Engine_Fault_Code_At(int index) {
    return index >= 0 && index < Count_Engine_Faults() ? recorded[index].code : Engine_Fault_Code{};
}

const char* Engine_Fault_Text_At(int index) {
    return index >= 0 && index < Count_Engine_Faults() ? recorded[index].text.c_str() : "";
}

int Count_Dropped_Engine_Faults(void) { return dropped; }

void Report_Engine_Faults(void) {
    if (!reporter) return;
    // The reporter may run an engine itself: what it records then waits for
    // the next report.
    std::vector<Fault> faults;
    faults.swap(recorded);
    for (const Fault& f : faults) reporter(f.code, f.text.c_str());
}

void Clear_Engine_Faults(void) {
    recorded.clear();
    dropped = 0;
}

Engine_Call::Engine_Call() { depth++; }

Engine_Call::~Engine_Call() {
    if (--depth == 0) Report_Engine_Faults();
}
