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
#include <vector>

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

std::string Profil_File_Damage(FILE* file) {
    if (!file || std::fseek(file, 0, SEEK_END) != 0) return "beschädigt: nicht lesbar"_cp;
    const long long size = std::ftell(file);
    char text[120];
    if (size <= 0 || size % PROFIL_RECORD_SIZE != 0) {
        std::snprintf(text, sizeof text, "beschädigt: %lld %s, keine ganze Zahl von Sätzen zu %d Bytes"_cp, size,
                      size == 1 ? "Byte" : "Bytes", PROFIL_RECORD_SIZE);
        return text;
    }
    unsigned char raw[PROFIL_RECORD_SIZE];
    for (long i = 0; i < size / PROFIL_RECORD_SIZE; i++) {
        if (!Read_Record_Bytes(file, i, 0, raw, sizeof raw)) return "beschädigt: nicht lesbar"_cp;
        bool readable = raw[PROFIL_RECORD_SIZE - 1] && std::strchr("DTULRKZEFO", raw[PROFIL_RECORD_SIZE - 1]);
        for (int k = 0; k < PROFIL_NAME_BYTES && readable; k++) readable = raw[k] >= 0x20 && raw[k] != 0x7F;
        if (!readable) {
            std::snprintf(text, sizeof text, "beschädigt: Satz %ld ist kein Profil"_cp, i + 1);
            return text;
        }
    }
    return "";
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
// Records refused by their outline, by shown name, as read: which value
// does not fit is worked out only when the record is named (it costs a few
// hundred outlines). Bounded, so that a hostile file of refused records
// cannot grow it without end; a refusal beyond the bound is named as an
// unusable value.
struct Refused_Record {
    char letter;
    int code;
    std::vector<float> values;
};
std::map<std::string, Refused_Record> refused;
constexpr size_t REFUSED_KEPT = 1000;

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
    refused.clear();
}

int Profil_Record_Plausible(const char* name, char letter, int code, float* values, int count) {
    if (!values) return 1;
    // A value that is no number is named as such by Profil_Values_Usable.
    for (int i = 0; i < count; i++)
        if (!std::isfinite(values[i])) return 1;
    const bool agrees = count == PROFIL_VALUE_COUNT ? Profil_Outline_Agrees(letter, values)
                                                    : ProfilData_Outline_Agrees(letter, code, values);
    if (agrees) return 1;
    const std::string shown = Shown_Name(name);
    if (refused.size() < REFUSED_KEPT || refused.count(shown))
        refused[shown] = Refused_Record{letter, code, std::vector<float>(values, values + count)};
    for (int i = 0; i < count; i++) values[i] = NAN;
    return 0;
}

namespace {

// "Wert Nr. 13 = 27340" and what the other values give for it.
std::string Value_Words(int index, double stored, double expected, bool first) {
    char text[160];
    if (first && std::isnan(expected))
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g ergibt keinen Querschnitt", index, stored);
    else if (first)
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g passt nicht zu den Abmessungen (%.6g)", index, stored,
                      expected);
    else
        std::snprintf(text, sizeof text, " oder Wert Nr. %d = %.6g (%.6g)", index, stored, expected);
    return text;
}

// Why a record with the value `bad` not a finite number is refused.
std::string Refusal_Words(const std::string& shown, int bad) {
    const auto why = refused.find(shown);
    if (why == refused.end()) {
        char text[80];
        std::snprintf(text, sizeof text, "Wert Nr. %d ist keine gültige Zahl"_cp, bad);
        return text;
    }
    const Refused_Record& r = why->second;
    const Catalogue_Disagreement d = r.values.size() == PROFIL_VALUE_COUNT
                                         ? Check_Profil_Outline(r.letter, r.values.data())
                                         : Check_ProfilData_Outline(r.letter, r.code, r.values.data());
    std::string words = Value_Words(d.value, d.stored, d.expected, true);
    for (int k = 0; k < 2; k++)
        if (d.also[k] >= 0) words += Value_Words(d.also[k], d.also_stored[k], d.also_expected[k], false);
    return words;
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
    Message_in_Mode(MESSAGE_MODE_BOX, "Profildatei %s: Profil %s, %s - das Profil wird nicht verwendet",
                    count == PROFIL_VALUE_COUNT ? "PROFIL" : "ProfilData.bin", shown.c_str(), words.c_str());
    return 0;
}

std::string Profil_Refusal(const char* name) {
    const auto found = reported.find(Shown_Name(name));
    return found == reported.end() ? std::string() : found->second;
}
