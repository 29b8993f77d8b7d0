// profile_catalogue: look-ups in ProfilData.bin and PROFIL, the selection
// record, the ProfilData.bin cache and the profile manager's switches.
#include "profiles/profile_catalogue.h"
#include "profiles/profile_switches.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/kept_by_inputs.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "dialogs/messages.h"
#include "platform/desktop.h"
#include "platform/posix.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil.h"
#include "profiles/profil_file.h"

namespace {

Katalogprofil katalog;              // the one result record
char katalog_for[512];              // the trimmed name katalog was found for
char katalog_key[PROFILAUSWAHL_NAME_SIZE];  // its designation as the catalogue stores it
int manager_switch = 0;             // set by Enable_Profile_Manager
int manager_present = -1;           // -1 not tested, 0 absent, 1 present
int kantfeld_present = -1;
int selection_initialised = 0;
int newer_manager = 0;
ProfilDataEintrag* cache_head = nullptr;
ProfilDataEintrag* cache_tail = nullptr;
char* manager_default = nullptr;
char* manager_filter = nullptr;
// Why the last look-up gave no record, beyond a designation the catalogue
// lacks (Catalogue_Profile_Trouble); the profile files named to the user
// as unreadable in this run; why ProfilData.bin could not be opened last.
std::string trouble;
std::set<std::string> files_named;
std::set<std::string> missing_named;  // designations told as missing in this run
std::string profildata_refusal;
unsigned long files_generation = 0;  // calls of Forget_Profile_Files_Read

const char TYPE_LETTERS[] = "DUTLRKZEFO";  // type codes 0..9 of ProfilData.bin

// Copy without leading and trailing blanks (at most 511 characters), in a
// static buffer.
const char* Trim_Both_Copy(const char* text) {
    static char buffer[512];
    Copy_Trimmed(text, buffer, sizeof buffer, 3);
    return buffer;
}

// Exactly n characters (n at most 511): cut or blank-padded; static buffer.
const char* Fit_String_Width(const char* text, int n) {
    static char buffer[512];
    if (n > 511) n = 511;
    Copy_Trimmed(text, buffer, n + 1, 4);
    return buffer;
}

// Case-insensitive comparison in the order of both texts folded to lower case.
int Compare_No_Case(const char* a, const char* b) {
    for (;; a++, b++) {
        int ca = std::tolower(static_cast<unsigned char>(*a)), cb = std::tolower(static_cast<unsigned char>(*b));
        if (ca != cb || !ca) return ca - cb;
    }
}

int Present_In_Exec(const char* name) {
    const char* exec = VEKGetEnv("EXEC");
    char path[VEK_MAX_PATH + 1];
    if (!exec || !VEK_Join_Path(path, sizeof path, exec, name)) return 0;
    return _access(path, 1) == 0 ? 1 : 0;
}

char* Keep_Copy(char* old, const char* text) {
    Mem_Free(__FILE__, __LINE__, "null", old);
    return text ? Mem_Strdup(__FILE__, __LINE__, "null", text) : nullptr;
}

// A new string of the n bytes at text, or null for n = 0 (or no memory).
char* New_String(const unsigned char* text, int n) {
    if (n <= 0) return nullptr;
    char* s = static_cast<char*>(Mem_Malloc(__FILE__, __LINE__, "null", static_cast<size_t>(n) + 1));
    if (!s) return nullptr;
    std::memcpy(s, text, static_cast<size_t>(n));
    s[n] = '\0';
    return s;
}

// Byte b stored rotated with k: turned back by rotating it left by 8 - k.
// k = 0 and k of 8 and more leave it as stored.
unsigned char Unrotate(unsigned char b, int k) {
    if (k <= 0 || k >= 8) return b;
    return static_cast<unsigned char>((b << (8 - k)) | (b >> k));
}

FILE* Open_ProfilData(void) { return Open_Profile_Data_File(VEKGetEnv("DATA"), "ProfilData.bin", &profildata_refusal); }

// A profile file that cannot be read leaves every catalogue profile without
// its values: the user is told once per run and file, and the look-up
// keeps why for the print list.
void File_Trouble(const char* file, const std::string& words) {
    trouble = std::string("Profildatei ") + file + " " + words;
    if (!files_named.insert(file).second) return;
    Message_in_Mode(MESSAGE_MODE_BOX, "%s - die Katalogprofile werden nicht verwendet", trouble.c_str());
}

// Why a name has no record, for the print list: the profile file lacks
// the designation, or it is longer than any the file can hold. The notice
// comes when a connection's profile is the one (Catalogue_Profile_Trouble):
// a name typed on the input page has its own box.
bool name_trouble = false;
void Name_Trouble(const std::string& words) {
    trouble = words;
    name_trouble = true;
}
void Missing_Trouble(const char* file) { Name_Trouble(std::string("nicht in der Profildatei ") + file); }

bool Read_At(FILE* file, long index, ProfilDataEintrag* record) {
    return std::fseek(file, index * PROFILDATA_RECORD_SIZE, SEEK_SET) == 0 && Read_ProfilData_Record(file, record) == 1;
}

bool Name_Is(const ProfilDataEintrag* record, const char* key) {
    return record->name && Compare_No_Case(record->name, key) == 0;
}

// The record's name or alias is the designation `key`, blanks and case
// aside ("HE 280 A" for "HE280A").
bool Designates(const ProfilDataEintrag* record, const char* key) {
    return (record->name && Same_Profile_Designation(record->name, key)) ||
           (record->alias && Same_Profile_Designation(record->alias, key));
}

void Clear_Profile_Values(Stahlprofil* p) {
    p->rolled = 0;
    p->h = p->t_w = p->b_fo = p->t_fo = p->b_fu = p->t_fu = p->r_1 = p->r_2 = 0;
    p->A = p->y_s = p->z_s = p->y_M = p->z_M = 0;
    p->I_y = p->I_z = p->I_yz = p->I_T = p->I_w = p->alpha = p->W_pl_y = p->W_pl_z = 0;
}

// Copies a name into a selection or profile name field, bounded, then pads it.
void Set_Padded_Name(char* field, const char* name) {
    Copy_Trimmed(name, field, PROFILAUSWAHL_NAME_SIZE, 0);
    Pad_Blank(field, PROFILAUSWAHL_NAME_SIZE);
}

// The record of name in ProfilData.bin into r: by name through
// bisection, else by alias, else by name or alias with other blanks.
bool Search_ProfilData(FILE* file, const char* name, ProfilDataEintrag* r) {
    long count = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) count = std::ftell(file) / PROFILDATA_RECORD_SIZE;
    if (count <= 0) return false;
    if (Read_At(file, 0, r) && Name_Is(r, name)) return true;
    const long last = count - 1;
    if (Read_At(file, last, r) && Name_Is(r, name)) return true;
    long lo = 0, hi = last, previous = 0;
    for (;;) {
        const long mid = (lo + hi) / 2;
        if (mid == previous || !Read_At(file, mid, r) || !r->name) break;
        const int order = Compare_No_Case(r->name, name);
        if (order == 0) return true;
        (order < 0 ? lo : hi) = mid;
        previous = mid;
    }
    std::rewind(file);
    while (Read_ProfilData_Record(file, r) == 1)
        if (r->alias && Compare_No_Case(r->alias, name) == 0) return true;
    // Typed with other blanks than the stored name or alias.
    std::rewind(file);
    while (Read_ProfilData_Record(file, r) == 1)
        if (Designates(r, name)) return true;
    return false;
}

// The designations of ProfilData.bin (names and aliases without their
// blanks, upper-cased) with the records (0-based) that carry each, from one
// pass over the file's headers and texts; kept while the file is unchanged.
using Designation_Survey = std::unordered_map<std::string, std::vector<long>>;
Kept_File_Survey<Designation_Survey> designations;

Designation_Survey Survey_Designations(FILE* file) {
    Designation_Survey survey;
    std::rewind(file);
    unsigned char raw[PROFILDATA_RECORD_SIZE];
    for (long i = 0; std::fread(raw, 1, sizeof raw, file) == sizeof raw; i++) {
        const int k = raw[0] & 0x0F, n = raw[1], m = raw[2];
        if (n + m > PROFILDATA_TEXT_BYTES) continue;  // corrupt: neither name nor alias (Read_ProfilData_Record)
        char text[PROFILDATA_TEXT_BYTES + 1], key[PROFILDATA_TEXT_BYTES + 1];
        std::string first;
        for (int part = 0, at = 0, length = n; part < 2; part++, at += n, length = m) {
            if (length == 0) continue;
            for (int b = 0; b < length; b++) text[b] = static_cast<char>(Unrotate(raw[5 + at + b], k));
            text[length] = '\0';
            Profile_Designation_Key(text, key, sizeof key);
            // A record's name and alias of one designation are one record.
            if (!key[0] || (part == 1 && first == key)) continue;
            survey[key].push_back(i);
            if (part == 0) first = key;
        }
    }
    return survey;
}

// 1 when the designation `name` stands on more than one record of
// ProfilData.bin; the user is told once (Profil_Name_Twice).
bool Designated_Twice(FILE* file, const char* name) {
    const Designation_Survey& records = designations.Of(file, Survey_Designations);
    char key[512];
    Profile_Designation_Key(name, key, sizeof key);
    const auto found = records.find(key);
    if (found == records.end() || found->second.size() < 2) return false;
    Profil_Name_Twice("ProfilData.bin", key, found->second);
    return true;
}

}  // namespace

// ---- selection ----

namespace {

void Free_Cache(void) {
    while (cache_head) {
        ProfilDataEintrag* next = cache_head->next;
        Free_ProfilData_Eintrag(cache_head);
        cache_head = next;
    }
    cache_tail = nullptr;
}

}  // namespace

int Init_Profile_Selection(Profilauswahl* selection) {
    if (!selection_initialised) {
        Enable_Profile_Manager();
        newer_manager = Is_Profile_Manager_Available() ? 1 : 0;
        Init_Profil_DWQB_Switches();
        selection_initialised = 1;
    }
    if (selection) {
        selection->name[0] = '\0';
        selection->record = nullptr;
    }
    return newer_manager;
}

void Set_Profile_By_Name(Profilauswahl* selection, const char* name) {
    if (!selection || !name) return;
    char trimmed[PROFILAUSWAHL_NAME_SIZE];
    Copy_Trimmed(Trim_Both_Copy(name), trimmed, sizeof trimmed, 0);
    selection->record = Get_Profile_Record(trimmed);
    // The name kept is the designation as the catalogue stores it, however
    // it was typed ("ipe 300" becomes "IPE300"), so files keep one form.
    if (selection->record) Copy_Trimmed(katalog_key, selection->name, PROFILAUSWAHL_NAME_SIZE, 0);
    Pad_Blank(selection->name, PROFILAUSWAHL_NAME_SIZE);
}

double Catalogue_Measure_mm(float cm) {
    // The catalogue's tables give their measures to a few decimals; kept in
    // single precision, 2.4 cm is 2.4000000954 cm. Its shortest decimal of
    // single precision, moved one place, is the measure in mm as published
    // (24 mm, not 24.000001 mm, which weld lengths and files would carry).
    if (!std::isfinite(cm)) return 10.0 * cm;
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", FLT_DIG - 1, static_cast<double>(cm));
    char* e = std::strchr(text, 'e');
    if (!e) return 10.0 * cm;
    const long exponent = std::strtol(e + 1, nullptr, 10) + 1;
    std::snprintf(e, sizeof text - static_cast<size_t>(e - text), "e%ld", exponent);
    return std::strtod(text, nullptr);
}

void Load_Profile_Values(Profilauswahl* selection, Stahlprofil* profile) {
    if (!selection) return;
    // The shared record holds the profile of the last look-up, which may
    // have been made for another selection since: look this one up again
    // rather than give it another profile's values.
    if (selection->record == &katalog && !Same_Profile_Designation(katalog_for, selection->name))
        selection->record = nullptr;
    if (!selection->record) Set_Profile_By_Name(selection, selection->name);
    if (!profile) return;
    const Katalogprofil* k = selection->record;
    if (!k) {
        Set_Padded_Name(profile->name, "???");
        Clear_Profile_Values(profile);
        return;
    }
    const float* x = k->values;
    profile->h = Catalogue_Measure_mm(x[0]);
    profile->b_fo = profile->b_fu = Catalogue_Measure_mm(x[1]);
    profile->t_w = Catalogue_Measure_mm(x[2]);
    profile->t_fo = profile->t_fu = Catalogue_Measure_mm(x[3]);
    profile->rolled = 1;
    profile->r_1 = 10.0 * x[25] < 0.01 ? profile->t_fo : Catalogue_Measure_mm(x[25]);
    profile->r_2 = 10.0 * x[26] < 0 ? 0 : Catalogue_Measure_mm(x[26]);
    Set_Padded_Name(profile->name, selection->name);
    profile->A = 100.0 * x[4];
    profile->y_s = -10.0 * x[7];
    profile->z_s = 10.0 * (x[0] - x[6]);
    profile->I_y = 10000.0 * x[9];
    profile->I_z = 10000.0 * x[10];
    profile->alpha = std::atan(x[8]) * 57.29577951308232;
    profile->I_yz = std::fabs(profile->alpha) > 0.01
                        ? std::sin(profile->alpha * -0.03490658503988659) * (x[13] - x[18]) * 5000.0
                        : 0.0;
    profile->I_T = 10000.0 * x[23];
    profile->I_w = 1000000.0 * x[24];
    profile->W_pl_y = 1000.0 * x[16];
    profile->W_pl_z = 1000.0 * x[21];
    profile->y_M = profile->z_M = 0;
}

// ---- look-up ----

Katalogprofil* Get_Profile_Record(const char* name) {
    trouble.clear();
    name_trouble = false;
    if (!name) return nullptr;
    if (manager_switch) {
        if (manager_present < 0) Test_Profile_Manager_Present();
        if (manager_present == 1) {
            if (!Get_Profile_From_Manager_Cache(name, &katalog)) {
                const ProfilDataEintrag* r = Find_Profile(name);
                char compact[512];
                Profile_Designation_Key(Trim_Both_Copy(name), compact, sizeof compact);
                if (r) trouble = Profil_Refusal(r->name);
                else if (!Profil_Refusal(compact).empty()) trouble = Profil_Refusal(compact);  // on two records
                else if (!profildata_refusal.empty()) File_Trouble("ProfilData.bin", profildata_refusal);
                else Missing_Trouble("ProfilData.bin");
                return nullptr;
            }
            Copy_Trimmed(Trim_Both_Copy(name), katalog_for, sizeof katalog_for, 0);
            const ProfilDataEintrag* r = Find_Profile(name);  // cached by the call before
            Copy_Trimmed(r && r->name ? r->name : katalog_for, katalog_key, sizeof katalog_key, 3);
            return &katalog;
        }
    }
    // The file's designations hold no blanks: "IPE 300" and "ipe 300" are
    // IPE300. A designation has at most 15 characters: a longer name is
    // none, not the designation its first 15 characters spell.
    const char* trimmed = Trim_Both_Copy(name);
    char compact[512];
    Profile_Designation_Key(trimmed, compact, sizeof compact);
    if (!compact[0]) return nullptr;
    if (std::strlen(compact) > PROFIL_KEY_LENGTH) {
        Name_Trouble(std::string("Bezeichnung mit ") + std::to_string(std::strlen(compact)) +
                     " Zeichen, die Profildatei PROFIL unterscheidet 15");
        return nullptr;
    }
    char key[PROFIL_KEY_LENGTH + 1];
    Profil_Key(Fit_String_Width(compact, PROFIL_KEY_LENGTH), key);
    std::string why;
    FILE* file = Open_Profil_File(VEKGetEnv("DATA"), &why);
    if (!file) {
        File_Trouble("PROFIL", why);
        return nullptr;
    }
    ProfilRecord record;
    long found = Find_Profil_Record(file, key, &record, &trouble);
    if (found < 0) {
        // A refused record is named by its value, a name on two records by
        // them; otherwise the file is damaged (cut short, shifted, out of
        // order) or lacks the designation.
        if (trouble.empty()) {
            const std::string damage = Profil_File_Damage(file);
            if (damage.empty()) Missing_Trouble("PROFIL");
            else File_Trouble("PROFIL", damage);
        }
        std::fclose(file);
        return nullptr;
    }
    std::fclose(file);
    std::memcpy(katalog.values, record.values, sizeof katalog.values);
    katalog.type_letter = record.code[PROFIL_CODE_BYTES - 1];
    Copy_Trimmed(key, katalog.name, sizeof katalog.name, 0);
    Copy_Trimmed(trimmed, katalog_for, sizeof katalog_for, 0);
    Copy_Trimmed(compact, katalog_key, sizeof katalog_key, 0);
    return &katalog;
}

void Profile_Designation_Key(const char* name, char* key, size_t size) {
    if (!key || size == 0) return;
    size_t n = 0;
    for (const char* c = name ? name : ""; *c && n + 1 < size; ++c)
        if (*c != ' ' && *c != '\t') key[n++] = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    key[n] = '\0';
}

int Same_Profile_Designation(const char* a, const char* b) {
    if (!a || !b) return 0;
    for (;; ++a, ++b) {
        while (*a == ' ' || *a == '\t') ++a;
        while (*b == ' ' || *b == '\t') ++b;
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b))) return 0;
        if (!*a) return 1;
    }
}

ProfilDataEintrag* Find_Profile(const char* name) {
    if (!name) return nullptr;
    for (ProfilDataEintrag* r = cache_head; r; r = r->next)
        if (Name_Is(r, name)) return r;
    for (ProfilDataEintrag* r = cache_head; r; r = r->next)
        if (r->alias && Compare_No_Case(r->alias, name) == 0) return r;
    for (ProfilDataEintrag* r = cache_head; r; r = r->next)
        if (Designates(r, name)) return r;
    ProfilDataEintrag* r = Load_Profile_from_ProfilData(name);
    if (!r) return nullptr;
    r->next = nullptr;
    if (cache_tail) cache_tail->next = r;
    else cache_head = r;
    cache_tail = r;
    return r;
}

ProfilDataEintrag* Load_Profile_from_ProfilData(const char* name) {
    if (!name) return nullptr;
    FILE* file = Open_ProfilData();
    if (!file) return nullptr;
    auto* r = static_cast<ProfilDataEintrag*>(Mem_Calloc(__FILE__, __LINE__, "null", 1, sizeof(ProfilDataEintrag)));
    if (!r) {
        std::fclose(file);
        return nullptr;
    }
    // A designation on two records is refused, whichever the search would
    // find: the other may be the genuine one.
    const bool found = Search_ProfilData(file, name, r) && !Designated_Twice(file, name);
    std::fclose(file);
    if (found) return r;
    Free_ProfilData_Eintrag(r);
    return nullptr;
}

int Read_ProfilData_Record(FILE* file, ProfilDataEintrag* record) {
    if (!file || !record) return 0;
    unsigned char raw[PROFILDATA_RECORD_SIZE];
    if (std::fread(raw, 1, sizeof raw, file) != sizeof raw) return 0;
    int type_code = raw[0] >> 4, k = raw[0] & 0x0F, n = raw[1], m = raw[2];
    // A code past the known types names no family (not the record read
    // before into the same buffer).
    record->type_letter = type_code <= 9 ? TYPE_LETTERS[type_code] : 0;
    record->code = raw[3];
    record->flag7 = (raw[4] >> 7) & 1;
    record->flag6 = (raw[4] >> 6) & 1;
    record->field3 = (raw[4] >> 3) & 7;
    record->field0 = raw[4] & 7;
    Mem_Free(__FILE__, __LINE__, "null", record->name);
    Mem_Free(__FILE__, __LINE__, "null", record->alias);
    record->name = record->alias = nullptr;
    if (n + m <= PROFILDATA_TEXT_BYTES) {
        unsigned char text[PROFILDATA_TEXT_BYTES];
        for (int i = 0; i < n + m; i++) text[i] = Unrotate(raw[5 + i], k);
        record->name = New_String(text, n);
        record->alias = New_String(text + n, m);
    }
    const unsigned char* v = raw + 5 + PROFILDATA_TEXT_BYTES;
    for (int i = 0; i < PROFILDATA_VALUE_COUNT; i++, v += 4) {
        uint32_t u = v[0] | static_cast<uint32_t>(v[1]) << 8 | static_cast<uint32_t>(v[2]) << 16 |
                     static_cast<uint32_t>(v[3]) << 24;
        std::memcpy(&record->values[i], &u, sizeof u);
    }
    record->values[12] *= 0.1f;
    record->values[13] *= 0.1f;
    if (record->type_letter == 'Z') record->values[1] = 2.0f * record->values[1] - record->values[2];
    // A type code of no family names no letter: the record's family cannot
    // be told, and it is refused. A record taken hands its flanges on as it
    // was judged: a slope its file told by one of values 37 and 29 (or by
    // its designation or values alone) is told by both to every reader of
    // the record.
    if (Profil_Record_Plausible(record->name, static_cast<char>(record->type_letter), record->code, record->values,
                                PROFILDATA_VALUE_COUNT, -1, record->alias))
        Complete_ProfilData_Flanges(static_cast<char>(record->type_letter), record->code, record->values, record->name,
                                    record->alias);
    return 1;
}

const char* Catalogue_Profile_Trouble(const Stahlprofil* profile) {
    static std::string text;
    text.clear();
    if (!profile || profile->kind != STAHLPROFIL_KIND_CATALOGUE) return "";
    char trimmed[STAHLPROFIL_NAME_SIZE];
    Copy_Trimmed(profile->name, trimmed, sizeof trimmed, 3);
    if (Get_Profile_Record(trimmed) || trouble.empty()) return "";
    text = std::string("Profil \"") + trimmed + "\": " + trouble;
    // A file that cannot be read or a refused record was told when it was
    // met; a designation the file lacks is told here, once per name.
    if (name_trouble && missing_named.insert(trimmed).second)
        Message_in_Mode(MESSAGE_MODE_BOX, "%s - das Profil wird nicht verwendet", text.c_str());
    return text.c_str();
}

int Print_Catalogue_Profile_Trouble(const Stahlprofil* profile, FILE* list) {
    const char* trouble = Catalogue_Profile_Trouble(profile);
    if (!*trouble) return 0;
    if (list) OLI_printf(list, "%s%s %s\n", Check_Line_Prefix, trouble, Mark_Alert());
    return 1;
}

int Get_Profile_From_Manager_Cache(const char* name, Katalogprofil* result) {
    const ProfilDataEintrag* r = Find_Profile(name);
    if (!r || !result || !Profil_Values_Usable(r->name, r->values, PROFILDATA_VALUE_COUNT)) return 0;
    result->type_letter = static_cast<char>(r->type_letter);
    for (int i = 0; i <= 8; i++) result->values[i] = r->values[i];
    for (int i = 9; i < KATALOG_VALUE_COUNT; i++) result->values[i] = r->values[i + 1];
    Copy_Trimmed(r->alias ? r->alias : "neues Profil   ", result->name, KATALOG_NAME_SIZE, 0);
    return 1;
}

void Free_ProfilData_Eintrag(ProfilDataEintrag* record) {
    if (!record) return;
    Mem_Free(__FILE__, __LINE__, "null", record->name);
    Mem_Free(__FILE__, __LINE__, "null", record->alias);
    Mem_Free(__FILE__, __LINE__, "null", record);
}

// ---- profile manager ----

void Enable_Profile_Manager(void) {
    manager_switch = 1;
    *DWQB_Service_Switches[0] = 1;
}

int Is_Profile_Manager_Available(void) {
    if (!manager_switch) return 0;
    if (manager_present == 0 || manager_present == 1) return manager_present;
    return Test_Profile_Manager_Present();
}

int Test_Profile_Manager_Present(void) {
    manager_present = Present_In_Exec("ProfDesk.exe");
    return manager_present;
}

void Set_Profile_Manager_Default(const char* name) {
    manager_default = Keep_Copy(manager_default, name);
    if (manager_default) Blank_To_Tilde(manager_default);
}

void Set_Profile_Manager_Filter(const char* letters) { manager_filter = Keep_Copy(manager_filter, letters); }

const char* Get_Profile_Manager_Default(void) { return manager_default; }
const char* Get_Profile_Manager_Filter(void) { return manager_filter; }

int Is_Kantfeld_Present(void) {
    if (kantfeld_present < 0) kantfeld_present = Present_In_Exec("Q7-Vuve/Kantfeld.exe");
    return kantfeld_present;
}

void Reset_Profile_File_Notices(void) {
    files_named.clear();
    missing_named.clear();
}

unsigned long Profile_Files_Generation(void) { return files_generation; }

namespace {

// Every record and survey read of the profile files, and why a look-up
// failed and who was told: the shared record stays as it is, but stands
// for no name (a selection that points to it looks its name up again,
// Load_Profile_Values).
void Forget_Files_Read(void) {
    Free_Cache();
    katalog_for[0] = '\0';
    katalog_key[0] = '\0';
    trouble.clear();
    name_trouble = false;
    files_named.clear();
    missing_named.clear();
    profildata_refusal.clear();
    Forget_Profil_Value_Notices();
    Forget_Profil_Surveys();
    designations = {};
}

}  // namespace

void Forget_Profile_Files_Read(void) {
    files_generation++;
    Forget_Files_Read();
    Forget_Profil_Values_Read();
    Invalidate_Profil_DWQB_Cache();
    Forget_Kept_Inputs();
}

void Reset_Profile_Catalogue(void) {
    Forget_Files_Read();
    manager_switch = 0;
    manager_present = kantfeld_present = -1;
    selection_initialised = newer_manager = 0;
    manager_default = Keep_Copy(manager_default, nullptr);
    manager_filter = Keep_Copy(manager_filter, nullptr);
    katalog = Katalogprofil{};
}
