// profil_file: the one record reader of the profile file PROFIL.
#include "profiles/profil_file.h"

#include <cctype>
#include <cstdint>
#include <climits>
#include <cstring>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>

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
    Profil_Record_Plausible(record->name, record->code[PROFIL_CODE_BYTES - 1], 0, record->values, PROFIL_VALUE_COUNT,
                            index + 1);
    return 1;
}

namespace {

// The letter byte as the notices show it: its value, and the character
// where it is a printable one.
std::string Letter_Words(unsigned char letter) {
    char text[24];
    if (letter > 0x20 && letter < 0x7F) std::snprintf(text, sizeof text, "0x%02X '%c'", letter, letter);
    else std::snprintf(text, sizeof text, "0x%02X", letter);
    return text;
}

// A stored designation as the notices show it, from its key: a designation
// the survey passed (Name_Printable, Name_Upright) is its own key.
std::string Stored_Name(const char* key) {
    const std::string name(key, PROFIL_KEY_LENGTH);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

// What one pass over the whole file finds: why its whole records are
// damaged as a file ("" when they are not), why its size is ("" when it is
// a whole number of records), the first record of no family ("" when there
// is none), and the keys of its records in file order (they ascend where
// the file is not damaged; a designation the survey passes is its own
// key).
// Keys compare as the unsigned bytes the file is sorted by.
using Key_Bytes = std::array<unsigned char, PROFIL_KEY_LENGTH>;

struct Profil_Survey {
    std::string damage, size, stray;
    std::vector<Key_Bytes> keys;
    // The records (0-based, ascending) whose designation fills all 16
    // bytes: longer than the 15 a look-up compares.
    std::vector<long> overlong;
    // The words for the user: a wrong size first, the cause of the rest.
    std::string Words() const { return !size.empty() ? size : !damage.empty() ? damage : stray; }
    // The records (0-based) whose key is key, found by bisection.
    std::vector<long> Matches(const char* key) const {
        Key_Bytes k;
        std::memcpy(k.data(), key, PROFIL_KEY_LENGTH);
        const auto [first, last] = std::equal_range(keys.begin(), keys.end(), k);
        std::vector<long> found;
        for (auto at = first; at != last; ++at) found.push_back(static_cast<long>(at - keys.begin()));
        return found;
    }
};

// Whether a designation is of printable characters only: one that is not
// is a record put in or shifted.
bool Name_Printable(const unsigned char* raw) {
    for (int k = 0; k < PROFIL_NAME_BYTES; k++)
        if (raw[k] < 0x20 || raw[k] == 0x7F) return false;
    return true;
}

// Whether a designation is in capitals from its first byte with blanks
// only after them: the bisection compares designations as stored.
bool Name_Upright(const unsigned char* raw) {
    if (raw[0] == ' ') return false;
    for (int k = 0, blank = 0; k < PROFIL_KEY_LENGTH; k++) {
        if ((raw[k] >= 'a' && raw[k] <= 'z') || (blank && raw[k] != ' ')) return false;
        blank |= raw[k] == ' ';
    }
    return true;
}

// Why the designation of record `number` (1-based), one not printable or
// not upright, makes it no profile (the words are made only for a
// designation that is damaged: every record of the file is judged).
std::string Name_Damage(const unsigned char* raw, long number) {
    char text[160];
    if (!Name_Printable(raw)) {
        std::snprintf(text, sizeof text, "beschädigt: Satz %ld ist kein Profil (Name nicht lesbar)"_cp, number);
        return text;
    }
    std::snprintf(text, sizeof text,
                  "beschädigt: Satz %ld ist kein Profil (Name \"%.15s\" klein geschrieben oder mit Leerzeichen)"_cp,
                  number, reinterpret_cast<const char*>(raw));
    return text;
}

// The size of the file, or why it has none that can be read.
bool Surveyed_Size(FILE* file, Profil_Survey* survey, long long* size) {
    char text[160];
    if (!file || std::fseek(file, 0, SEEK_END) != 0) {
        survey->damage = "beschädigt: nicht lesbar"_cp;
        return false;
    }
    *size = std::ftell(file);
    if (*size <= 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        survey->damage = "beschädigt: nicht lesbar"_cp;
        if (*size == 0) survey->size = "beschädigt: 0 Bytes, keine ganze Zahl von Sätzen zu 160 Bytes"_cp;
        return false;
    }
    if (*size % PROFIL_RECORD_SIZE != 0) {
        std::snprintf(text, sizeof text, "beschädigt: %lld %s, keine ganze Zahl von Sätzen zu %d Bytes"_cp, *size,
                      *size == 1 ? "Byte" : "Bytes", PROFIL_RECORD_SIZE);
        survey->size = text;
    }
    return true;
}

// Judges record i (0-based) of the survey, raw its bytes: false with the
// damage kept when it makes the file damaged.
bool Surveyed_Record(const unsigned char* raw, long i, Profil_Survey* survey) {
    char text[160];
    if (!Name_Printable(raw) || !Name_Upright(raw)) {
        survey->damage = Name_Damage(raw, i + 1);
        return false;
    }
    Key_Bytes stored;
    std::memcpy(stored.data(), raw, PROFIL_KEY_LENGTH);
    const char* name = reinterpret_cast<const char*>(raw);
    if (i > 0 && stored < survey->keys.back()) {
        const std::string before = Stored_Name(reinterpret_cast<const char*>(survey->keys.back().data()));
        std::snprintf(text, sizeof text,
                      "beschädigt: Satz %ld \"%s\" steht nach Satz %ld \"%s\", nicht nach Namen sortiert"_cp, i + 1,
                      Stored_Name(name).c_str(), i, before.c_str());
        survey->damage = text;
        return false;
    }
    const unsigned char letter = raw[PROFIL_RECORD_SIZE - 1];
    if (!Is_Catalogue_Family_Letter(static_cast<char>(letter)) && survey->stray.empty()) {
        std::snprintf(text, sizeof text, "beschädigt: Satz %ld \"%s\" ist kein Profil (Typbuchstabe, Byte 159: %s)"_cp,
                      i + 1, Stored_Name(name).c_str(), Letter_Words(letter).c_str());
        survey->stray = text;
    }
    if (raw[PROFIL_KEY_LENGTH] != ' ') survey->overlong.push_back(i);
    survey->keys.push_back(stored);
    return true;
}

// Reads the file front to back once, in blocks. Its records are damaged as
// a file when a designation makes a record no profile (Name_Damage) or the
// designations do not ascend: the look-ups by bisection rely on the order,
// and a record moved or put in would have them miss the profile asked for
// or find another. A designation that stands twice in a row keeps the
// order; it is found as two matches. A record whose type letter is of no
// family is damaged on its own: it is refused where it is read
// (Profil_Record_Plausible).
Profil_Survey Survey_Profil_File(FILE* file) {
    Profil_Survey survey;
    long long size = 0;
    if (!Surveyed_Size(file, &survey, &size)) return survey;
    constexpr long BLOCK = 400;
    std::vector<unsigned char> block(BLOCK * PROFIL_RECORD_SIZE);
    const long count = static_cast<long>(size / PROFIL_RECORD_SIZE);
    survey.keys.reserve(static_cast<size_t>(count));
    for (long i = 0; i < count; i += BLOCK) {
        const long n = std::min(BLOCK, count - i);
        if (std::fread(block.data(), PROFIL_RECORD_SIZE, static_cast<size_t>(n), file) != static_cast<size_t>(n)) {
            survey.damage = "beschädigt: nicht lesbar"_cp;
            return survey;
        }
        for (long k = 0; k < n; k++)
            if (!Surveyed_Record(block.data() + k * PROFIL_RECORD_SIZE, i + k, &survey)) return survey;
    }
    return survey;
}

// The survey of the file last surveyed, and what that file was then.
Kept_File_Survey<Profil_Survey> kept_survey;

// The survey of the file as it is now.
const Profil_Survey& Survey_Of(FILE* file) { return kept_survey.Of(file, Survey_Profil_File); }

Profile_File_Identity Identity_Of(const struct stat& st) {
    return {static_cast<unsigned long long>(st.st_dev),   static_cast<unsigned long long>(st.st_ino),
            static_cast<long long>(st.st_size),           static_cast<long long>(st.st_mtim.tv_sec),
            static_cast<long long>(st.st_mtim.tv_nsec),   static_cast<long long>(st.st_ctim.tv_sec),
            static_cast<long long>(st.st_ctim.tv_nsec)};
}

}  // namespace

int Profile_File_Identity_Of(FILE* file, Profile_File_Identity* identity) {
    struct stat st;
    if (!file || !identity || fstat(fileno(file), &st) != 0) return 0;
    *identity = Identity_Of(st);
    return 1;
}

int Profil_File_Identity_At(const char* data_dir, Profile_File_Identity* identity) {
    char path[VEK_MAX_PATH + 1];
    struct stat st;
    if (!identity || !data_dir || !*data_dir || !VEK_Join_Path(path, sizeof path, data_dir, "PROFIL") ||
        stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    *identity = Identity_Of(st);
    return 1;
}

void Forget_Profil_Surveys(void) { kept_survey = {}; }

std::string Profil_File_Damage(FILE* file) { return Survey_Of(file).Words(); }

void Profil_Key(const char* text, char* key) {
    int n = 0;
    for (; text && n < PROFIL_KEY_LENGTH && text[n]; n++)
        key[n] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[n])));
    for (; n < PROFIL_KEY_LENGTH; n++) key[n] = ' ';
    key[PROFIL_KEY_LENGTH] = '\0';
}

long Find_Profil_Record(FILE* file, const char* key, ProfilRecord* record, std::string* refusal) {
    if (refusal) refusal->clear();
    if (!file || !key || !record) return -1;
    // Only the record asked for is read whole and judged: a damaged value
    // elsewhere in the file neither hides this one nor is named for it, nor
    // does a record cut short at the end. A file out of order or holding a
    // record that is no profile is damaged for every look-up
    // (Profil_File_Damage tells why).
    for (int attempt = 0; attempt < 2; attempt++) {
        const Profil_Survey& survey = Survey_Of(file);
        if (!survey.damage.empty()) return -1;
        const std::vector<long> matches = survey.Matches(key);
        if (matches.empty()) return -1;
        if (matches.size() > 1) {
            Profil_Name_Twice("PROFIL", key, matches);
            if (refusal) *refusal = Profil_Refusal(key);
            return -1;
        }
        const long i = matches[0];
        if (std::binary_search(survey.overlong.begin(), survey.overlong.end(), i)) {
            char stored[PROFIL_NAME_BYTES + 1] = {};
            Read_Record_Bytes(file, i, 0, reinterpret_cast<unsigned char*>(stored), PROFIL_NAME_BYTES);
            Profil_Name_Overlong(key, i, stored);
            if (refusal) *refusal = Profil_Refusal(key);
            return -1;
        }
        unsigned char stored[PROFIL_KEY_LENGTH];
        // A file changed in place within the resolution of its times keeps
        // its identity: the record found must still be the one surveyed.
        if (!Read_Record_Bytes(file, i, 0, stored, sizeof stored) || std::memcmp(stored, key, PROFIL_KEY_LENGTH) != 0) {
            Forget_Profil_Surveys();
            continue;
        }
        ProfilRecord r;
        if (!Read_Profil_Record(file, i, &r) || !Profil_Values_Usable(r.name, r.values, PROFIL_VALUE_COUNT)) {
            if (refusal) *refusal = Profil_Refusal(r.name);
            return -1;
        }
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
    long record;  // 1-based number in the file, or -1
    std::vector<float> values;
    std::string name, alias;  // as read: the designations the record is held to
};
std::map<std::string, Refused_Record> refused;
constexpr size_t REFUSED_KEPT = 1000;
// The judgement of each record read in this process, by everything it
// depends on (letter, type code, the values' bytes, name and alias): a run
// reads one record a dozen times and more (every look-up of the profile),
// and judging it costs a few hundred thousand instructions each time.
// Bounded; when full it starts afresh.
std::map<std::string, bool> judged;
constexpr size_t JUDGED_KEPT = 4096;
long judgements = 0;  // records judged in this process (Profil_Records_Judged)

std::string Judgement_Key(const char* name, char letter, int code, const float* values, int count, const char* alias) {
    std::string key(1, letter);
    key.append(reinterpret_cast<const char*>(&code), sizeof code);
    key.append(reinterpret_cast<const char*>(values), sizeof(float) * static_cast<size_t>(count));
    // Name and alias each ended by a NUL, so that no two pairs give one key.
    key.append(name ? name : "").push_back('\0');
    key.append(alias ? alias : "").push_back('\0');
    return key;
}

// Whether the record agrees with its outline and designation, judged once
// per record in the process.
bool Outline_Agrees(const char* name, const std::string& shown, char letter, int code, const float* values, int count,
                    const char* alias) {
    std::string key = Judgement_Key(name, letter, code, values, count, alias);
    if (const auto found = judged.find(key); found != judged.end()) return found->second;
    const bool agrees = count == PROFIL_VALUE_COUNT ? Profil_Outline_Agrees(letter, values, shown.c_str())
                                                    : ProfilData_Outline_Agrees(letter, code, values, name, alias);
    judgements++;
    if (judged.size() >= JUDGED_KEPT) judged.clear();
    judged.emplace(std::move(key), agrees);
    return agrees;
}

// The name as the notices show it: at most 39 characters (the longest
// name of ProfilData.bin; a PROFIL designation has 16), no trailing blanks.
std::string Shown_Name(const char* name) {
    char shown[40];
    std::snprintf(shown, sizeof shown, "%.39s", name ? name : "");
    for (size_t n = std::strlen(shown); n > 0 && shown[n - 1] == ' '; --n) shown[n - 1] = '\0';
    return shown;
}

}  // namespace

long Profil_Records_Judged(void) { return judgements; }

void Forget_Profil_Value_Notices(void) {
    reported.clear();
    refused.clear();
}

int Profil_Record_Plausible(const char* name, char letter, int code, float* values, int count, long record,
                            const char* alias) {
    if (!values) return 1;
    // A record of no family known here cannot be judged: its values would
    // reach the checks unheld, whatever they are.
    const bool family = Is_Catalogue_Family_Letter(letter) != 0;
    // A value that is no number is named as such by Profil_Values_Usable.
    for (int i = 0; i < count && family; i++)
        if (!std::isfinite(values[i])) return 1;
    const std::string shown = Shown_Name(name);
    if (family && Outline_Agrees(name, shown, letter, code, values, count, alias)) return 1;
    if (refused.size() < REFUSED_KEPT || refused.count(shown))
        refused[shown] = Refused_Record{letter, code, record, std::vector<float>(values, values + count),
                                        name ? name : "", alias ? alias : ""};
    for (int i = 0; i < count; i++) values[i] = NAN;
    return 0;
}

void Profil_Name_Twice(const char* file, const char* name, const std::vector<long>& records) {
    const std::string shown = Shown_Name(name);
    if (reported.count(shown) || records.size() < 2 || !file) return;
    std::string which;
    for (size_t k = 0; k < records.size() && k < 5; k++) {
        which += k == 0 ? "Satz " : k + 1 == records.size() ? " und " : ", ";
        which += std::to_string(records[k] + 1);
    }
    if (records.size() > 5) which += ", ...";
    const std::string times = records.size() == 2 ? "zweimal" : std::to_string(records.size()) + "-mal";
    reported[shown] = "steht " + times + " in der Profildatei " + file + " (" + which + ")";
    Message_in_Mode(MESSAGE_MODE_BOX,
                    "Profildatei %s: Profil %s steht %s in der Datei (%s) - das Profil wird nicht verwendet", file,
                    shown.c_str(), times.c_str(), which.c_str());
}

void Profil_Name_Overlong(const char* key, long record, const char* stored) {
    if (!key || !stored) return;
    const std::string shown = Shown_Name(key);
    if (reported.count(shown)) return;
    char words[160];
    std::snprintf(words, sizeof words, "Satz %ld \"%.16s\": die Bezeichnung hat 16 Zeichen, die Profildatei unterscheidet 15",
                  record + 1, stored);
    reported[shown] = words;
    Message_in_Mode(MESSAGE_MODE_BOX, "Profildatei PROFIL: Profil %s, %s - das Profil wird nicht verwendet",
                    shown.c_str(), words);
}

namespace {

// "Wert Nr. 13 = 27340" and what the other values give for it, or what
// the designation states.
std::string Value_Words(int index, double stored, double expected, bool first, bool by_designation = false) {
    char text[160];
    if (by_designation && std::isnan(expected))
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g passt nicht zur Bezeichnung", index, stored);
    else if (by_designation)
        std::snprintf(text, sizeof text, "Wert Nr. %d = %.6g passt nicht zur Bezeichnung (%.6g)", index, stored,
                      expected);
    else if (first && std::isnan(expected))
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
    const bool profil = r.values.size() == PROFIL_VALUE_COUNT;
    if (!Is_Catalogue_Family_Letter(r.letter)) {
        if (!profil) return "Byte 0: Typcode gehört zu keiner Profilfamilie"_cp;
        char text[120];
        if (r.record > 0)
            std::snprintf(text, sizeof text, "Satz %ld, Byte 159: Typbuchstabe %s gehört zu keiner Profilfamilie"_cp,
                          r.record, Letter_Words(static_cast<unsigned char>(r.letter)).c_str());
        else
            std::snprintf(text, sizeof text, "Byte 159: Typbuchstabe %s gehört zu keiner Profilfamilie"_cp,
                          Letter_Words(static_cast<unsigned char>(r.letter)).c_str());
        return text;
    }
    const char* alias = r.alias.empty() ? nullptr : r.alias.c_str();
    const Catalogue_Disagreement d =
        profil ? Check_Profil_Outline(r.letter, r.values.data(), shown.c_str())
               : Check_ProfilData_Outline(r.letter, r.code, r.values.data(), r.name.c_str(), alias);
    if (d.value == CATALOGUE_TYPE_LETTER) {
        char text[160];
        const std::string where = !profil ? "Byte 0: "
                                  : r.record > 0 ? "Satz " + std::to_string(r.record) + ", Byte 159: "
                                                 : "Byte 159: ";
        std::snprintf(text, sizeof text, "%sTypbuchstabe %c passt nicht zur Bezeichnung (%c)", where.c_str(),
                      static_cast<char>(d.stored), static_cast<char>(d.expected));
        return text;
    }
    std::string words = Value_Words(d.value, d.stored, d.expected, true, d.by_designation);
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
