// Fuzz target: the record a run puts beside its temporaries where the
// folder keeps no locks (platform/file_locks.h). The input is the record's
// file, judged by VEK_Owner_State; its text is parsed, written again by the
// record's writer and read back.
#include "fuzz_common.h"

#include <cstring>

#include "platform/file_locks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz::Dir() + "/A001_01.OLI.run";
    if (!fuzz::Write(path, data, size)) return 0;
    const int state = VEK_Owner_State(path.c_str());
    if (state != VEK_OWNER_UNKNOWN && state != VEK_OWNER_LIVE && state != VEK_OWNER_GONE)
        fuzz::Fail("fuzz_owner_record", "a state that is none of the three");
    VEK_Owner_Record record;
    if (!VEK_Parse_Owner_Record(reinterpret_cast<const char*>(data), size, &record)) return 0;
    // What is read is a record its writer writes back to the same bytes.
    char text[256];
    const size_t n = VEK_Format_Owner_Record(&record, text, sizeof text);
    if (n != size || std::memcmp(text, data, size) != 0)
        fuzz::Fail("fuzz_owner_record", "a record read is not written back to its bytes");
    VEK_Owner_Record again;
    if (!VEK_Parse_Owner_Record(text, n, &again) || again.pid != record.pid || again.start != record.start ||
        std::strcmp(again.boot, record.boot) != 0 || std::strcmp(again.space, record.space) != 0 ||
        std::strcmp(again.host, record.host) != 0)
        fuzz::Fail("fuzz_owner_record", "a record written does not read back");
    return 0;
}
