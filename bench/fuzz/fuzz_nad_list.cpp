// Fuzz target: the annex list. The input holds up to four user annex files,
// separated by form feeds, written as 1.NAD, 2.NAD, ... under a private DRAM
// directory; the list is scanned from them. Checked: one entry per file
// after the two built-in sets, in file order, each with a name. Then one
// entry, picked by the first byte, is made active, which loads its file.
// The registry's batch-mode notices are pointed away.
#include <vector>

#include "fuzz_common.h"

#include "codes/nad.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("annex list", what); }

const int kMaxFiles = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    fuzz::Silence_Library_Output();
    const std::string& dir = fuzz::Annex_Dir();
    if (size < 1) return 0;
    const int pick = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> files;
    for (size_t start = 0; files.size() < kMaxFiles;) {
        const size_t end = text.find('\f', start);
        files.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    for (int n = 1; n <= kMaxFiles; ++n) {
        const std::string path = dir + std::to_string(n) + ".NAD";
        if (n <= (int)files.size()) {
            if (!fuzz::Write(path, reinterpret_cast<const uint8_t*>(files[n - 1].data()), files[n - 1].size()))
                return 0;
        } else {
            std::remove(path.c_str());
        }
    }
    Reset_NAD_Registry();
    Scan_NAD_List();
    const NAD_List* list = Get_NAD_List();
    if (!list || list->count != 2 + (int)files.size()) Fail("not one entry per annex file");
    for (int i = 0; i < list->count; ++i) {
        if (!list->names[i]) Fail("an entry without a name");
        if (std::strlen(list->names[i]) >= 100) Fail("a name beyond its buffer");
        if (i >= 2 && list->file_numbers[i] != i - 1) Fail("entries out of file order");
    }
    const int entry = pick % list->count;
    Set_Active_NAD_By_Name(list->names[entry]);
    if (!Get_Active_NAD_Name() || !Get_Active_NAD_Display_Name()) Fail("no active name");
    (void)Get_NAD_EC3();
    return 0;
}
