// Fuzz target: the readers of the profile file PROFIL. The input after the
// first byte is written as DATA/PROFIL under a private directory; the first
// byte picks the reader: catalogue look-up (a designation it cannot give
// must be named), the name library's bisection, the end-plate library's
// reader, the round-tube scan, the DIN check's reader, the outline check of
// the first record (its quick judgement and its naming agree; a record of
// no family is refused; what its designation states is a set of ranges).
// The key is the first stored designation (its 15 bytes, or all 16), so a
// match is reached as well as a miss, and a name longer than the key. The look-up front to back and the bisection must refuse or
// give the same record: a name on two records, a file out of order or with
// a record put in is refused by both.
#include "fuzz_common.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/textio.h"
#include "profiles/catalogue_designation.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/profil_file.h"
#include "profiles/profil_reader.h"
#include "profiles/profile_catalogue.h"
#include "weldcheck/din_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        fuzz::Quiet();
        const std::string d = fuzz::Dir();
        setenv("DATA", d.c_str(), 1);
        return d + "/PROFIL";
    }();
    if (size < 1 || !fuzz::Write(path, data + 1, size - 1)) return 0;
    // The key is the stored designation's first 15 bytes, or all 16 (a name
    // longer than the file's key, which none of its records may answer).
    char key[40] = "HE280A";
    const size_t key_length = data[0] & 0x40 ? 16 : 15;
    if (size > key_length) {
        std::memcpy(key, data + 1, key_length);
        key[key_length] = '\0';
    }
    Reset_Profile_Catalogue();
    Reset_Profil_Library();
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    switch (data[0] % 7) {
    case 0: {
        const Katalogprofil* k = Get_Profile_Record(key);
        if (k && std::strlen(k->name) > 18) __builtin_trap();
        // A designation the catalogue cannot give is named, whether the file
        // lacks it, is damaged or holds a refused record. A name of blanks
        // and line controls only is no designation (the input reader and
        // the profile choice refuse it); the look-up trims it away too.
        char trimmed[40], compact[64];
        Copy_Trimmed(key, trimmed, sizeof trimmed, 3);
        Profile_Designation_Key(trimmed, compact, sizeof compact);
        Stahlprofil p{};
        p.kind = STAHLPROFIL_KIND_CATALOGUE;
        std::snprintf(p.name, sizeof p.name, "%s", key);
        const size_t n = std::strlen(compact);
        if (!k && n >= 1 && !std::strchr(key, '\t') && !*Catalogue_Profile_Trouble(&p))
            fuzz::Fail("fuzz_profil", "a designation the catalogue cannot give is not named");
        break;
    }
    case 6: {
        // The quick judgement and the naming agree; a value named is one of
        // the record's.
        if (size < 1 + PROFIL_RECORD_SIZE) break;
        ProfilRecord r;
        FILE* f = std::fopen(path.c_str(), "rb");
        if (!f) break;
        unsigned char raw[PROFIL_RECORD_SIZE];
        const bool whole = std::fread(raw, 1, sizeof raw, f) == sizeof raw;
        std::fclose(f);
        if (!whole) break;
        for (int i = 0; i < PROFIL_VALUE_COUNT; i++) std::memcpy(&r.values[i], raw + 16 + 4 * i, 4);
        const char letter = static_cast<char>(raw[PROFIL_RECORD_SIZE - 1]);
        bool finite = true;
        for (float v : r.values) finite = finite && std::isfinite(v);
        if (!finite) break;
        // The designation picks the series whose tables the record is held
        // to (the stored one, or none).
        const char* name = data[0] & 0x80 ? reinterpret_cast<const char*>(raw) : nullptr;
        char stored[PROFIL_NAME_BYTES + 1] = {};
        if (name) std::memcpy(stored, raw, PROFIL_NAME_BYTES), name = stored;
        // What the designation states is a set of ranges of the record's values.
        Designation_Statement stated;
        if (Designation_Statement_Of(name, &stated)) {
            for (int i = 0; i < stated.count; i++)
                if (!(stated.stated[i].lo <= stated.stated[i].hi) || !std::isfinite(stated.stated[i].lo))
                    fuzz::Fail("fuzz_profil", "a designation states an empty range");
        }
        const Catalogue_Disagreement d = Check_Profil_Outline(letter, r.values, name);
        if ((d.value == -1) != (Profil_Outline_Agrees(letter, r.values, name) == 1))
            fuzz::Fail("fuzz_profil", "the quick judgement and the naming of a record disagree");
        if (d.value == CATALOGUE_TYPE_LETTER && (!d.by_designation || !stated.letter))
            fuzz::Fail("fuzz_profil", "a type letter named where no designation gives one");
        for (int named : {d.value, d.also[0], d.also[1]})
            if ((named < -1 && named != CATALOGUE_TYPE_LETTER) || named >= PROFIL_VALUE_COUNT)
                fuzz::Fail("fuzz_profil", "a value named beyond the record");
        const bool agrees = d.value == -1;
        if (Profil_Record_Plausible(stored, letter, 0, r.values, PROFIL_VALUE_COUNT, 1) !=
            (agrees && Is_Catalogue_Family_Letter(letter) ? 1 : 0))
            fuzz::Fail("fuzz_profil", "a record of no family, or one that disagrees, is taken");
        break;
    }
    case 1: {
        const int found = Get_Profil_Values(key, values, code);
        if (std::strlen(code) > 4) __builtin_trap();
        // A name longer than a designation is none of the file's.
        char compact[64];
        Profile_Designation_Key(key, compact, sizeof compact);
        if (found > 0 && std::strlen(compact) > PROFIL_KEY_LENGTH)
            fuzz::Fail("fuzz_profil", "a name longer than the key found a record");
        const Katalogprofil* k = Get_Profile_Record(key);
        if ((found > 0) != (k != nullptr))
            fuzz::Fail("fuzz_profil", "the look-up front to back and the bisection disagree");
        if (k && std::memcmp(k->values, values, sizeof k->values) != 0)
            fuzz::Fail("fuzz_profil", "the look-up front to back and the bisection give other values");
        Register_Used_Profil("HE280A");
        break;
    }
    case 2: {
        double a, b, t;
        int h, n;
        Read_Profil_from_File(' ', key, sizeof key, &a, &b, &t, &h, &n);
        if (std::strlen(key) >= sizeof key) __builtin_trap();
        Get_Profil_Masse(3, 1, key);
        break;
    }
    case 3: {
        char name[TUBE_NAME_SIZE];
        Find_Round_Tube_Name(data[0] % 55, 5 + data[0] % 20, name);
        if (std::strlen(name) >= sizeof name) __builtin_trap();
        break;
    }
    case 4: {
        // The name comes back as the 15-character key, the values as what
        // the record holds (any float, widened).
        char name[16];
        std::memcpy(name, key, sizeof name);
        name[15] = '\0';
        double v[11];
        if (Read_Profil_from_File_2(data[0] & 0x80 ? 'D' : ' ', name, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                                    &v[7], &v[8], &v[9], &v[10]) &&
            std::strlen(name) != 15)
            __builtin_trap();
        break;
    }
    default: {
        int d, p, w;
        Parse_Round_Tube_Name(key, &d, &p, &w);
        break;
    }
    }
    return 0;
}
