// Fuzz target: the profile file PROFIL as the stand-in of the profile
// manager reads it into families and sizes. The first byte picks the type
// letters kept (its bits over "DTULRK", none set: all); the rest is the
// file. The families read are then handed to the picker with the first
// stored designation as its preset (headless and without events it closes
// at once).
#include "fuzz_common.h"

#include <cstring>
#include <set>

#include "profiles/profil_file.h"
#include "weldapp/profile_picker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    if (size < 1) return 0;
    char filter[8] = "";
    for (int bit = 0, n = 0; bit < 6; ++bit)
        if (data[0] & (1 << bit)) filter[n++] = "DTULRK"[bit];
    FILE* f = fuzz::Stream(data + 1, size - 1);
    if (!f) return 0;
    std::vector<Profile_Family> families;
    const int count = Read_Profile_Families(f, filter, &families);
    std::fclose(f);
    if (count != static_cast<int>(families.size())) fuzz::Fail("fuzz_profile_families", "count");
    std::set<std::string> seen;
    for (const Profile_Family& family : families) {
        if (family.sizes.empty() || family.name.empty()) fuzz::Fail("fuzz_profile_families", "empty family");
        if (!std::strchr("DTULRK", family.type) || (filter[0] && !std::strchr(filter, family.type)))
            fuzz::Fail("fuzz_profile_families", "type letter not asked for");
        for (const std::string& name : family.sizes) {
            if (name.empty() || name.size() > PROFIL_KEY_LENGTH) fuzz::Fail("fuzz_profile_families", "designation");
            if (!seen.insert(std::string(1, family.type) + name).second)
                fuzz::Fail("fuzz_profile_families", "designation twice");
        }
    }
    char preset[PROFIL_KEY_LENGTH + 1] = "";
    if (size > PROFIL_KEY_LENGTH) {
        std::memcpy(preset, data + 1, PROFIL_KEY_LENGTH);
        for (char& c : preset)
            if (c == '\0') c = '~';
        preset[PROFIL_KEY_LENGTH] = '\0';
    }
    if (!Run_Profile_Picker(families, preset).empty()) fuzz::Fail("fuzz_profile_families", "taken without a user");
    return 0;
}
