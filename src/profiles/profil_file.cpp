// profil_file: the one record reader of the profile file PROFIL.
#include "profiles/profil_file.h"

#include <cctype>
#include <cstdint>
#include <climits>
#include <cstring>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "platform/posix.h"
#include "profiles/catalogue_plausibility.h"

namespace {

std::string Open_Refusal_Words(int refusal) {
    if (refusal == VEK_READ_MISSING) return "nicht vorhanden";
    if (refusal == VEK_READ_DENIED) return "nicht lesbar";
    return std::string("nicht lesbar (") + VEK_Read_Refusal_Text(refusal) + ")";
}

}  // namespace

FILE* Open_Profile_Data_File(const char* data_dir, const char* file_name, std::string* why) {
    std::string words;
    FILE* file = nullptr;
    char path[VEK_MAX_PATH + 1];
    if (!data_dir || !*data_dir) {
        words = "nicht vorhanden (DATA nicht gesetzt)";
    } else if (!VEK_Join_Path(path, sizeof path, data_dir, file_name)) {
        words = "nicht vorhanden (Pfad zu lang)";
    } else {
        int refusal = VEK_READ_OK;
        file = VEK_Open_Reading(path, VEK_READ_CAP_DATA, &refusal);
        if (!file) words = Open_Refusal_Words(refusal);
    }
    if (why) *why = words;
    return file;
}

FILE* Open_Profil_File(const char* data_dir, std::string* why) {
    return Open_Profile_Data_File(data_dir, "PROFIL", why);
}

long Profil_Record_Count(FILE* file) {
    if (!file || std::fseek(file, 0, SEEK_END) != 0) return 0;
    long size = std::ftell(file);
    return size > 0 ? size / PROFIL_RECORD_SIZE : 0;
}

namespace {

// Reads n bytes of record index from offset; false beyond the end.
bool Read_Record_Bytes(FILE* file, long index, long offset, unsigned char* raw, size_t n) {
    if (!file || index < 0 || index > (LONG_MAX - PROFIL_RECORD_SIZE) / PROFIL_RECORD_SIZE) return false;
    return std::fseek(file, index * PROFIL_RECORD_SIZE + offset, SEEK_SET) == 0 && std::fread(raw, 1, n, file) == n;
}

}  // namespace

int Read_Profil_Record(FILE* file, long index, ProfilRecord* record) {
    unsigned char raw[PROFIL_RECORD_SIZE];
    if (!record || !Read_Record_Bytes(file, index, 0, raw, sizeof raw)) return 0;
    std::memcpy(record->name, raw, PROFIL_NAME_BYTES);
    record->name[PROFIL_NAME_BYTES] = '\0';
    for (int i = 0; i < PROFIL_VALUE_COUNT; i++) {
        const unsigned char* b = raw + PROFIL_NAME_BYTES + 4 * i;
        uint32_t u = b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
        std::memcpy(&record->values[i], &u, sizeof u);
    }
    std::memcpy(record->code, raw + PROFIL_RECORD_SIZE - PROFIL_CODE_BYTES, PROFIL_CODE_BYTES);
    record->code[PROFIL_CODE_BYTES] = '\0';
    Profil_Record_Plausible(record->name, record->code[PROFIL_CODE_BYTES - 1], 0, record->values, PROFIL_VALUE_COUNT);
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
    // Only the record asked for is read whole and judged: a damaged record
    // elsewhere in the file neither hides this one nor is named for it.
    unsigned char name[PROFIL_NAME_BYTES + 1] = {};
    char stored[PROFIL_KEY_LENGTH + 1];
    for (long i = 0; i < count; i++) {
        if (!Read_Record_Bytes(file, i, 0, name, PROFIL_NAME_BYTES)) return -1;
        Profil_Key(reinterpret_cast<const char*>(name), stored);
        if (std::memcmp(stored, key, PROFIL_KEY_LENGTH) != 0) continue;
        ProfilRecord r;
        if (!Read_Profil_Record(file, i, &r) || !Profil_Values_Usable(r.name, r.values, PROFIL_VALUE_COUNT)) return -1;
        *record = r;
        return i;
    }
    return -1;
}

namespace {

// The profiles Profil_Values_Usable has named in this run, with why.
std::map<std::string, std::string> reported;
// Why records were refused by their outline, by shown name. Bounded, so
// that a hostile file of refused records cannot grow it without end; a
// refusal beyond the bound is named as an unusable value.
std::map<std::string, Catalogue_Disagreement> disagreements;
constexpr size_t DISAGREEMENTS_KEPT = 1000;

// The name as the notices show it: at most 16 characters, no trailing blanks.
std::string Shown_Name(const char* name) {
    char shown[PROFIL_NAME_BYTES + 1];
    std::snprintf(shown, sizeof shown, "%.16s", name ? name : "");
    for (size_t n = std::strlen(shown); n > 0 && shown[n - 1] == ' '; --n) shown[n - 1] = '\0';
    return shown;
}

}  // namespace

void Forget_Profil_Value_Notices(void) {
    reported.clear();
    disagreements.clear();
}

int Profil_Record_Plausible(const char* name, char letter, int code, float* values, int count) {
    if (!values) return 1;
    // A value that is no number is named as such by Profil_Values_Usable.
    for (int i = 0; i < count; i++)
        if (!std::isfinite(values[i])) return 1;
    const Catalogue_Disagreement d = count == PROFIL_VALUE_COUNT ? Check_Profil_Outline(letter, values)
                                                                 : Check_ProfilData_Outline(letter, code, values);
    if (d.value < 0) return 1;
    const std::string shown = Shown_Name(name);
    if (disagreements.size() < DISAGREEMENTS_KEPT || disagreements.count(shown)) disagreements[shown] = d;
    for (int i = 0; i < count; i++) values[i] = NAN;
    return 0;
}

namespace {

// Why a record with the value `bad` not a finite number is refused.
std::string Refusal_Words(const std::string& shown, int bad) {
    char text[200];
    const auto why = disagreements.find(shown);
    if (why == disagreements.end())
        std::snprintf(text, sizeof text, "Wert Nr. %d ist keine gültige Zahl"_cp, bad);
    else if (std::isnan(why->second.expected))
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g ergibt keinen Querschnitt", why->second.value,
                      why->second.stored);
    else
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g passt nicht zu den Abmessungen (%.6g)",
                      why->second.value, why->second.stored, why->second.expected);
    return text;
}

}  // namespace

int Profil_Values_Usable(const char* name, const float* values, int count) {
    int bad = -1;
    for (int i = 0; values && i < count && bad < 0; i++)
        if (!std::isfinite(values[i])) bad = i;
    if (bad < 0) return 1;
    // Every look-up of the profile comes here again: one notice per name.
    const std::string shown = Shown_Name(name);
    if (reported.count(shown)) return 0;
    const std::string words = Refusal_Words(shown, bad);
    reported[shown] = words;
    Message_in_Mode(MESSAGE_MODE_BOX, "Profildatei: Profil %s, %s - das Profil wird nicht verwendet", shown.c_str(),
                    words.c_str());
    return 0;
}

std::string Profil_Refusal(const char* name) {
    const auto found = reported.find(Shown_Name(name));
    return found == reported.end() ? std::string() : found->second;
}
