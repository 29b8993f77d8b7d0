// profil_file: the one record reader of the profile file PROFIL.
#include "profiles/profil_file.h"

#include <cctype>
#include <cstdint>
#include <climits>
#include <cstring>

#include <cmath>
#include <set>
#include <string>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "platform/posix.h"

FILE* Open_Profil_File(const char* data_dir) {
    if (!data_dir || !*data_dir) return nullptr;
    char path[VEK_MAX_PATH + 1];
    if (!VEK_Join_Path(path, sizeof path, data_dir, "PROFIL")) return nullptr;
    return std::fopen(path, "rb");
}

long Profil_Record_Count(FILE* file) {
    if (!file || std::fseek(file, 0, SEEK_END) != 0) return 0;
    long size = std::ftell(file);
    return size > 0 ? size / PROFIL_RECORD_SIZE : 0;
}

int Read_Profil_Record(FILE* file, long index, ProfilRecord* record) {
    if (!file || !record || index < 0 || index > (LONG_MAX - PROFIL_RECORD_SIZE) / PROFIL_RECORD_SIZE) return 0;
    unsigned char raw[PROFIL_RECORD_SIZE];
    if (std::fseek(file, index * PROFIL_RECORD_SIZE, SEEK_SET) != 0) return 0;
    if (std::fread(raw, 1, sizeof raw, file) != sizeof raw) return 0;
    std::memcpy(record->name, raw, PROFIL_NAME_BYTES);
    record->name[PROFIL_NAME_BYTES] = '\0';
    for (int i = 0; i < PROFIL_VALUE_COUNT; i++) {
        const unsigned char* b = raw + PROFIL_NAME_BYTES + 4 * i;
        uint32_t u = b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
        std::memcpy(&record->values[i], &u, sizeof u);
    }
    std::memcpy(record->code, raw + PROFIL_RECORD_SIZE - PROFIL_CODE_BYTES, PROFIL_CODE_BYTES);
    record->code[PROFIL_CODE_BYTES] = '\0';
    return 1;
}

void Profil_Key(const char* text, char* key) {
    int n = 0;
    for (; text && n < PROFIL_KEY_LENGTH && text[n]; n++)
        key[n] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[n])));
    for (; n < PROFIL_KEY_LENGTH; n++) key[n] = ' ';
    key[PROFIL_KEY_LENGTH] = '\0';
}

long Find_Profil_Record(FILE* file, const char* key, ProfilRecord* record) {
    if (!file || !key || !record) return -1;
    long count = Profil_Record_Count(file);
    ProfilRecord r;
    char stored[PROFIL_KEY_LENGTH + 1];
    for (long i = 0; i < count; i++) {
        if (!Read_Profil_Record(file, i, &r)) return -1;
        Profil_Key(r.name, stored);
        if (std::memcmp(stored, key, PROFIL_KEY_LENGTH) == 0) {
            if (!Profil_Values_Usable(r.name, r.values, PROFIL_VALUE_COUNT)) return -1;
            *record = r;
            return i;
        }
    }
    return -1;
}

// The profiles Profil_Values_Usable has named in this run.
static std::set<std::string> reported;

void Forget_Profil_Value_Notices(void) { reported.clear(); }

int Profil_Values_Usable(const char* name, const float* values, int count) {
    int bad = -1;
    for (int i = 0; values && i < count && bad < 0; i++)
        if (!std::isfinite(values[i])) bad = i;
    if (bad < 0) return 1;
    // Every look-up of the profile comes here again: one notice per name.
    char shown[PROFIL_NAME_BYTES + 1];
    std::snprintf(shown, sizeof shown, "%.16s", name ? name : "");
    for (size_t n = std::strlen(shown); n > 0 && shown[n - 1] == ' '; --n) shown[n - 1] = '\0';
    if (reported.insert(shown).second)
        Message_in_Mode(MESSAGE_MODE_BOX, "Profildatei: Profil %s, Wert Nr. %d ist keine gültige Zahl - "
                                          "das Profil wird nicht verwendet"_cp, shown, bad);
    return 0;
}
