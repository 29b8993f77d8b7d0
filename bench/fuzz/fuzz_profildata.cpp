// Fuzz target: the reader of the profile manager's database ProfilData.bin.
// The input is written as DATA/ProfilData.bin under a private directory with
// a stand-in of the manager in EXEC; it is read record by record from a
// stream, then searched (first, last, bisection, alias scan) for the name of
// its first record and for a name it does not hold. A record whose type code
// names no family (10 to 15) is read without numbers; a designation that
// stands on two records (by name or alias) is not taken.
#include "fuzz_common.h"

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "base/vesk.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        fuzz::Quiet();
        const std::string d = fuzz::Dir();
        setenv("DATA", d.c_str(), 1);
        setenv("EXEC", d.c_str(), 1);
        const std::string exe = d + "/ProfDesk.exe";
        fuzz::Write(exe, reinterpret_cast<const uint8_t*>("#!/bin/sh\n"), 10);
        chmod(exe.c_str(), 0755);
        return d + "/ProfilData.bin";
    }();
    if (!fuzz::Write(path, data, size)) return 0;
    std::string first;
    // The records each designation stands on (name or alias, blanks and
    // case aside).
    std::map<std::string, std::set<int>> designated;
    if (FILE* f = fuzz::Stream(data, size)) {
        ProfilDataEintrag r{};
        for (int n = 0; Read_ProfilData_Record(f, &r) == 1; n++) {
            if (r.name && std::strlen(r.name) > 39) __builtin_trap();
            if ((data[static_cast<size_t>(n) * PROFILDATA_RECORD_SIZE] >> 4) > 9)
                for (float v : r.values)
                    if (!std::isnan(v)) fuzz::Fail("fuzz_profildata", "a record of no family is read with numbers");
            if (n == 0 && r.name) first = r.name;
            for (const char* text : {r.name, r.alias}) {
                char key[64];
                Profile_Designation_Key(text, key, sizeof key);
                if (text && key[0]) designated[key].insert(n);
            }
        }
        Mem_Free(__FILE__, __LINE__, "null", r.name);
        Mem_Free(__FILE__, __LINE__, "null", r.alias);
        std::fclose(f);
    }
    Reset_Profile_Catalogue();
    Reset_Profil_Library();
    Enable_Profile_Manager();
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    Get_Profil_Values(first.c_str(), values, code);
    char key[64];
    Profile_Designation_Key(first.c_str(), key, sizeof key);
    if (designated[key].size() > 1 && Get_Profile_Record(first.c_str()))
        fuzz::Fail("fuzz_profildata", "a designation on two records is taken");
    Get_Profile_Record("NOT-THERE");
    Get_Profil_Family(first.c_str());
    return 0;
}
