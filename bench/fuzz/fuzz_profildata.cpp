// Fuzz target: the reader of the profile manager's database ProfilData.bin.
// The input is written as DATA/ProfilData.bin under a private directory with
// a stand-in of the manager in EXEC; it is read record by record from a
// stream, then searched (first, last, bisection, alias scan) for the name of
// its first record and for a name it does not hold. A record whose type code
// names no family (10 to 15) is read without numbers; a designation that
// stands on two records (by name or alias) is not taken. A record taken
// hands its flanges' slope on in both values that tell it (37 and 29).
#include "fuzz_common.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "base/vesk.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/profile_catalogue.h"

// A record taken hands its flanges on as it was judged: whatever of values
// 37 and 29 its file left out is filled in, nothing is left to fill in
// after, the record read so is judged as it was, and its two values tell
// one slope (value 29 as PROFIL's value 27 tells it).
void Check_Flanges_Handed_On(const ProfilDataEintrag& r) {
    const char letter = static_cast<char>(r.type_letter);
    if (!letter || !std::strchr("DTU", letter)) return;
    // A value that is no number leaves the record untaken (Profil_Values_Usable).
    for (float v : r.values)
        if (!std::isfinite(v)) return;
    float again[PROFILDATA_VALUE_COUNT];
    std::memcpy(again, r.values, sizeof again);
    if (Complete_ProfilData_Flanges(letter, r.code, again, r.name, r.alias) != 0)
        fuzz::Fail("fuzz_profildata", "a record taken has flanges left to fill in");
    if (ProfilData_Outline_Agrees(letter, r.code, r.values, r.name, r.alias) != 1)
        fuzz::Fail("fuzz_profildata", "a record taken is refused with its flanges filled in");
    const float p = r.values[37], reach = r.values[29];
    if (!(p > 0) || !(reach > 0)) return;
    // Value 29 = t_f + r_1 + slope (read_at - nominal): double-T b/4 from
    // the tip, read where the root fillet begins; tees read at the web;
    // channels b/2, read where the root fillet begins.
    const double b = r.values[1], t_w = r.values[2], t_f = r.values[3], r_1 = std::max(r.values[26], 0.0f);
    const double run = letter == 'D'   ? (b - t_w) / 2 - r_1 - b / 4
                       : letter == 'T' ? (b - t_w) / 2 - b / 4
                                       : b - t_w - r_1 - b / 2;
    if (std::fabs(run) > 0.01 && std::fabs((reach - t_f - r_1) / run - p / 100) > 0.0031)
        fuzz::Fail("fuzz_profildata", "values 37 and 29 of a record taken tell two slopes");
}

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
            Check_Flanges_Handed_On(r);
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
