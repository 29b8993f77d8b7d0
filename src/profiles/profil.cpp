// profil: the profile name library (catalogue values and family of a name,
// round-tube names, the used-profiles table).
#include "profiles/profil.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/invariant.h"
#include "base/textio.h"
#include "base/vesk.h"
#include "platform/desktop.h"
#include "platform/sheets.h"
#include "profiles/profil_file.h"
#include "profiles/profile_catalogue.h"
#include "profiles/profile_invariants.h"
#include "profiles/profilquerschnitt.h"

const Tube_Diameter Tube_Diameter_Table[TUBE_DIAMETER_COUNT] = {
    {"  10.2", 0, 7},   {"  13.5", 0, 10},  {"  16.0", 0, 11},  {"  17.2", 0, 12},  {"  19.0", 0, 13},
    {"  20.0", 0, 13},  {"  21.3", 0, 13},  {"  25.0", 0, 15},  {"  26.9", 0, 16},  {"  30.0", 0, 16},
    {"  31.8", 0, 17},  {"  33.7", 0, 17},  {"  38.0", 0, 18},  {"  42.4", 1, 19},  {"  44.5", 1, 20},
    {"  48.3", 1, 21},  {"  51.0", 1, 22},  {"  54.0", 1, 22},  {"  57.0", 1, 23},  {"  60.3", 1, 23},
    {"  63.5", 2, 23},  {"  70.0", 3, 24},  {"  73.0", 3, 24},  {"  76.1", 3, 25},  {"  82.5", 3, 26},
    {"  88.9", 3, 27},  {" 101.6", 5, 28},  {" 108.0", 5, 29},  {" 114.3", 5, 30},  {" 127.0", 5, 31},
    {" 133.0", 5, 31},  {" 139.7", 5, 32},  {" 152.4", 5, 33},  {" 159.0", 5, 33},  {" 168.3", 8, 34},
    {" 177.8", 8, 35},  {" 193.7", 8, 36},  {" 219.1", 9, 37},  {" 244.5", 9, 37},  {" 273.0", 9, 37},
    {" 298.5", 9, 37},  {" 323.9", 9, 37},  {" 355.6", 9, 37},  {" 406.4", 10, 37}, {" 457.0", 10, 37},
    {" 508.0", 10, 37}, {" 559.0", 12, 37}, {" 610.0", 12, 37}, {" 660.0", 12, 37}, {" 711.0", 12, 30},
    {" 762.0", 12, 31}, {" 813.0", 12, 32}, {" 864.0", 12, 32}, {" 914.0", 12, 32}, {"1016.0", 12, 32},
};

const char* const Tube_Wall_Table[TUBE_WALL_COUNT] = {
    " 1.0", " 1.2", " 1.4", " 1.6", " 1.8", " 2.0", " 2.3", " 2.6", " 2.9", " 3.2", " 3.6", " 4.0", " 4.5",
    " 5.0", " 5.6", " 6.3", " 7.1", " 8.0", " 8.8", "10.0", "11.0", "12.5", "14.2", "16.0", "17.5", "20.0",
    "22.2", "25.0", "28.0", "30.0", "32.0", "36.0", "40.0", "45.0", "50.0", "55.0", "60.0", "65.0",
};

namespace {

enum { KEY_SIZE = 37, PASSES = 11 };

struct Used_Profil_Entry {
    int handle;
    int family;
    char name[PROFIL_NAME_LIMIT + 1];
    float values[PROFIL_VALUES];
};

struct Used_Profil_Table {
    int capacity;
    int count;
    Used_Profil_Entry* entries;
};

// The remembered last look-up.
char last_name[KEY_SIZE];
int last_result;
float last_values[PROFIL_VALUES];
char last_code[PROFIL_CODE_SIZE];

Used_Profil_Table used_table;

// The family of the name asked last (Get_Profil_Family) and whether the
// profile manager's file told it; kept as the values of the last look-up
// are (forgotten with them).
constexpr size_t FAMILY_MEMO_SIZE = 64;
char family_name[FAMILY_MEMO_SIZE];
int family_of_name;
bool family_name_known = false;
int family_by_manager;

void Fail_Values(float* values, char* code) {
    if (values) std::memset(values, 0, sizeof(float) * PROFIL_VALUES);
    if (code) std::strcpy(code, "ERR");
}

void Forget_Last(void) {
    last_result = 0;
    last_name[0] = '\0';
    family_name_known = false;
}

bool Equal_No_Case(const char* a, const char* b) {
    for (; *a && *b; a++, b++)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

// Stored name of record k (1-based): 16 bytes cut at the first blank and to
// 15 characters. False when the record cannot be read.
bool Record_Name(FILE* file, int k, char* name) {
    char raw[PROFIL_NAME_BYTES];
    if (k < 1 || std::fseek(file, static_cast<long>(k - 1) * PROFIL_RECORD_SIZE, SEEK_SET) != 0 ||
        std::fread(raw, 1, sizeof raw, file) != sizeof raw)
        return false;
    int n = 0;
    while (n < PROFIL_KEY_LENGTH && raw[n] != ' ' && raw[n] != '\0') name[n] = raw[n], n++;
    name[n] = '\0';
    return true;
}

// Whether the query sorts after the stored name: the upper-case query bytes
// against the stored bytes, unsigned; a stored name that ends first is before
// the query; a query that ends first (or is empty) is before the name.
bool Query_After(const char* query, const char* stored) {
    for (int i = 0;; i++) {
        unsigned char q = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(query[i])));
        unsigned char s = static_cast<unsigned char>(stored[i]);
        if (!q) return false;
        if (!s) return true;
        if (q != s) return q > s;
    }
}

// The family of a catalogue record's type letter; none for a letter of no
// family here (an elliptical hollow section).
int Family_Of_Type_Letter(int letter) {
    switch (letter) {
    case 'D': return PROFIL_FAMILY_I;
    case 'T': return PROFIL_FAMILY_T;
    case 'U': return PROFIL_FAMILY_U;
    case 'R': return PROFIL_FAMILY_RHS;
    case 'L': return PROFIL_FAMILY_L;
    case 'Z': return PROFIL_FAMILY_Z;
    case 'K': return PROFIL_FAMILY_TUBE;
    case 'F': return PROFIL_FAMILY_FLAT;
    case 'O': return PROFIL_FAMILY_ROUND;
    default: return PROFIL_FAMILY_NONE;
    }
}

// Family by the first characters of a name (no catalogue asked).
int Family_By_Letter(const char* name) {
    int c = std::toupper(static_cast<unsigned char>(name[0]));
    int second = std::toupper(static_cast<unsigned char>(name[0] ? name[1] : '\0'));
    if (c < '1' || c > 0xAB) return PROFIL_FAMILY_NONE;
    switch (c) {
    case '1': case 'T': case 0xAB: return PROFIL_FAMILY_T;
    case 'C': case 'U': return PROFIL_FAMILY_U;
    case 'D': case 'H': case 'I': case 'S': case 'W': return PROFIL_FAMILY_I;
    case 'F': return PROFIL_FAMILY_FLAT;
    case 'L': return PROFIL_FAMILY_L;
    case 'M': return PROFIL_FAMILY_RHS;
    case 'Q': return second == 'R' ? PROFIL_FAMILY_RHS : PROFIL_FAMILY_NONE;
    case 'R': return second == 'R' ? PROFIL_FAMILY_RHS : PROFIL_FAMILY_TUBE;
    case 'Z': return PROFIL_FAMILY_Z;
    default: return PROFIL_FAMILY_NONE;
    }
}

// A name of at most 35 characters taken from a buffer of explicit length.
void Name_From_Ref(const char* name, const int* name_length, char* key) {
    int n = name && name_length ? *name_length : 0;
    if (n > PROFIL_NAME_LIMIT) n = PROFIL_NAME_LIMIT;
    int i = 0;
    for (; i < n && name[i]; i++) key[i] = name[i];
    key[i] = '\0';
}

void Copy_Entry_Values(const Used_Profil_Entry& e, float* values, int n, int* family) {
    if (values && n >= 1) {
        int copied = n < PROFIL_VALUES ? n : PROFIL_VALUES;
        std::memcpy(values, e.values, sizeof(float) * copied);
        for (int i = PROFIL_VALUES; i < n; i++) values[i] = 0;
    }
    if (family) *family = e.family;
}

// The entry of a designation, blanks and case aside ("ipe 300" finds the
// entry of "IPE300").
Used_Profil_Entry* Entry_By_Name(const char* name) {
    char key[PROFIL_NAME_LIMIT + 1];
    Copy_Trimmed(name, key, sizeof key, 3);
    for (int i = 0; i < used_table.count; i++)
        if (Same_Profile_Designation(used_table.entries[i].name, key)) return &used_table.entries[i];
    return nullptr;
}

Used_Profil_Entry* Entry_By_Handle(int handle) {
    for (int i = 0; i < used_table.count; i++)
        if (used_table.entries[i].handle == handle) return &used_table.entries[i];
    return nullptr;
}

}  // namespace

void Check_Used_Profil_Table_Invariants(void) {
    WELD_INVARIANT("used profile table", used_table.count >= 0 && used_table.count <= used_table.capacity,
                   "count within capacity");
    WELD_INVARIANT("used profile table", used_table.capacity == 0 || used_table.entries, "entries present");
}

// ---- live operations ----

int Get_Profil_Values(const char* name, float* values, char* code) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!values || !code) return 0;
    char key[KEY_SIZE];
    Copy_Trimmed(name, key, sizeof key, 3);
    if (last_name[0] && std::strcmp(key, last_name) == 0) {
        std::memcpy(values, last_values, sizeof last_values);
        std::memcpy(code, last_code, sizeof last_code);
        return last_result;
    }
    int result;
    if (Is_Profile_Manager_Available() == 1) {
        const ProfilDataEintrag* r = Find_Profile(key);
        if (!r || !Profil_Values_Usable(r->name, r->values, PROFILDATA_VALUE_COUNT)) {
            Fail_Values(values, code);
            Forget_Last();
            return 0;
        }
        const float* v = r->values;
        for (int i = 0; i <= 8; i++) values[i] = v[i];
        for (int i = 9; i <= 26; i++) values[i] = v[i + 1];
        values[27] = v[29];
        values[28] = 0;
        for (int i = 29; i <= 33; i++) values[i] = v[i + 1];
        values[34] = 0;
        for (int i = 24; i <= 33; i++)
            if (values[i] < 0) values[i] = 0;
        std::strcpy(code, "0   ");
        result = PROFIL_FROM_MANAGER;
    } else {
        FILE* file = Open_Profil_File(std::getenv("DATA"));
        if (!file) {
            Forget_Last();
            return 0;
        }
        // The file's designations hold no blanks: "HE 280 A" is HE280A.
        Profile_Designation_Key(key, key, sizeof key);
        long count = Profil_Record_Count(file);
        result = Search_Profil_File(key, file, count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(count), values, code);
        std::fclose(file);
        if (result < 1) {
            Forget_Last();
            return result;
        }
    }
    std::memcpy(last_name, key, sizeof last_name);
    std::memcpy(last_values, values, sizeof last_values);
    std::memcpy(last_code, code, sizeof last_code);
    last_result = result;
    return result;
}

int Search_Profil_File(const char* name, FILE* file, int record_count, float* values, char* code) {
    char query[256];
    Copy_Trimmed(name, query, sizeof query, 0);
    query[std::strcspn(query, " ")] = '\0';
    // A designation of the file has at most 15 characters: a longer name is
    // none of them, not the one its first 15 spell.
    if (std::strlen(query) > PROFIL_KEY_LENGTH) query[0] = '\0';
    char at_l[PROFIL_KEY_LENGTH + 1], at_m[PROFIL_KEY_LENGTH + 1], at_h[PROFIL_KEY_LENGTH + 1],
        probe[PROFIL_KEY_LENGTH + 1];
    int hit = 0;
    if (file && record_count >= 1 && query[0]) {
        int l = 1, h = record_count;
        for (int pass = PASSES; !hit; ) {
            int m = l + (h - l) / 2;
            if (!Record_Name(file, l, at_l) || !Record_Name(file, m, at_m) || !Record_Name(file, h, at_h)) break;
            if (Equal_No_Case(query, at_l)) hit = l;
            else if (Equal_No_Case(query, at_m)) hit = m;
            else if (Equal_No_Case(query, at_h)) hit = h;
            if (hit || --pass == 0) break;
            if (Query_After(query, at_m)) {
                int q = m + (h - m) / 2;
                if (!Record_Name(file, q, probe)) break;
                if (Query_After(query, probe)) l = q;
                else l = m, h = q;
            } else {
                int p = l + (m - l) / 2;
                if (!Record_Name(file, p, probe)) break;
                if (Query_After(query, probe)) l = p;
                else h = p;
            }
        }
    }
    // The record found is used only when it is the one record of its name
    // in a file in order, and its values are usable: the same refusals as
    // the look-up front to back (Find_Profil_Record), so that no reader
    // takes a record another refuses.
    ProfilRecord record;
    char key[PROFIL_KEY_LENGTH + 1];
    Profil_Key(query, key);
    if (!hit || Find_Profil_Record(file, key, &record) != hit - 1) {
        Fail_Values(values, code);
        return 0;
    }
    if (values) std::memcpy(values, record.values, sizeof record.values);
    if (code) std::memcpy(code, record.code, PROFIL_CODE_SIZE);
    return hit;
}

int Get_Profil_Family(const char* name) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    if (!name) return PROFIL_FAMILY_NONE;
    // The family of a record is its own type letter on both roads: a name
    // is only a name (HE 300 B's record named FLANSCH is a double-T, not a
    // flat bar). The first letters decide only for a name no catalogue
    // holds, which has no values to compute with.
    // The name as given is the memo's key: " HE300A" is not HE300A here.
    // Blanks after it are not (no road below tells "HE300A  " from HE300A), so
    // the padded name of a model's name text and the trimmed one share the
    // memo. (A name too long for the memo is looked up each time.)
    char given[FAMILY_MEMO_SIZE];
    size_t length = std::strlen(name);
    while (length > 0 && name[length - 1] == ' ') length--;
    const bool kept = length < sizeof given;
    if (kept) {
        std::memcpy(given, name, length);
        given[length] = '\0';
    }
    const int manager = Is_Profile_Manager_Available() == 1;
    if (kept && family_name_known && manager == family_by_manager && std::strcmp(given, family_name) == 0)
        return family_of_name;
    int family = PROFIL_FAMILY_NONE;
    bool found = false;
    if (manager) {
        char manager_key[PROFIL_NAME_LIMIT + 1];
        Copy_Trimmed(name, manager_key, sizeof manager_key, 3);
        if (const ProfilDataEintrag* r = Find_Profile(manager_key)) {
            found = true;
            family = Family_Of_Type_Letter(r->type_letter);
        }
    } else if (name[0] && name[0] != ' ') {
        // A designation of the profile file begins with its first letter (a
        // name with a blank before it names none of its records).
        float values[PROFIL_VALUES];
        char code[PROFIL_CODE_SIZE];
        if (Get_Profil_Values(name, values, code) >= 1) {
            found = true;
            family = Family_Of_Type_Letter(code[PROFIL_CODE_SIZE - 2]);
        }
    }
    if (!found) family = Family_By_Letter(name);
    // Asked for every model and load case: the answer of the last name is
    // kept (a name the file lacks would be looked for in it each time).
    if (kept) std::strcpy(family_name, given);
    family_of_name = family;
    family_by_manager = manager;
    family_name_known = kept;
    return family;
}

int Profil_Series_Of_Name(const char* name) {
    if (!name) return 0;
    for (int series = 1; series <= PROFIL_SERIES_COUNT; series++) {
        const Profil_Series& list = Profil_Series_Table[series];
        for (int k = 0; k < list.count; k++)
            if (Same_Profile_Designation(list.names[k], name)) return series;
    }
    return 0;
}

char Profil_Series_Letter(int series) {
    static const char letters[] = "TUDDDLDRDTUDZ";  // half I, C, DIL, H, I, L, M, MSH, S, T, U, W, Z
    return series >= 1 && series <= PROFIL_SERIES_COUNT ? letters[series - 1] : 0;
}

int Get_Profilquerschnitt_Type_Of_Name(const char* name) {
    return Shape_Of_Profil_Family(Get_Profil_Family(name));
}

// ---- round tubes ----

int Profil_Not_In_File(const char* name, FILE* file, int record_count, float* values, char* code) {
    return Search_Profil_File(name, file, record_count, values, code) < 1 ? 1 : 0;
}

void Find_Round_Tube_Name(int diameter_index, int wall_index, char* out) {
    if (!out) return;
    std::strcpy(out, " ??? ");
    if (diameter_index < 0 || diameter_index >= TUBE_DIAMETER_COUNT) return;
    const Tube_Diameter& row = Tube_Diameter_Table[diameter_index];
    if (wall_index < row.first_wall || wall_index > row.last_wall) return;
    float d, t;
    if (std::sscanf(row.text, "%f", &d) != 1 || std::sscanf(Tube_Wall_Table[wall_index], "%f", &t) != 1) return;
    FILE* file = Open_Profil_File(VEKGetEnv("DATA"));
    if (!file) return;
    // The tubes are the records named "R" and a digit, one block in the
    // sorted file.
    long count = Profil_Record_Count(file);
    bool in_block = false;
    ProfilRecord record;
    for (long i = 0; i < count && Read_Profil_Record(file, i, &record); i++) {
        char name[PROFIL_KEY_LENGTH + 1];
        std::memcpy(name, record.name, PROFIL_KEY_LENGTH);
        name[PROFIL_KEY_LENGTH] = '\0';
        if (name[0] != 'R' || !std::isdigit(static_cast<unsigned char>(name[1]))) {
            if (in_block) break;
            continue;
        }
        in_block = true;
        float rd, rt;
        if (std::sscanf(name, "R%fX%f", &rd, &rt) != 2) continue;
        if (std::fabs(rd - d) < 0.01f && std::fabs(rt - t) < 0.01f) {
            Copy_Trimmed(name, out, TUBE_NAME_SIZE, 2);
            break;
        }
    }
    std::fclose(file);
}

int Parse_Round_Tube_Name(const char* name, int* diameter_index, int* range_position, int* wall_index) {
    int di = -1, rp = -1, wi = -1, found = 0;
    if (name && name[0] == 'R') {
        char copy[101];
        Copy_Trimmed(name, copy, sizeof copy, 0);
        copy[0] = ' ';
        for (char* c = copy; *c; c++)
            if (*c == 'X') *c = ' ';
        float d, t;
        if (std::sscanf(copy, "%f%f", &d, &t) == 2) {
            for (int i = 0; i < TUBE_DIAMETER_COUNT && di < 0; i++) {
                float v;
                if (std::sscanf(Tube_Diameter_Table[i].text, "%f", &v) == 1 && std::fabs(v - d) < 0.01f) di = i;
            }
            if (di >= 0) {
                const Tube_Diameter& row = Tube_Diameter_Table[di];
                for (int i = row.first_wall; i <= row.last_wall && wi < 0; i++) {
                    float v;
                    if (std::sscanf(Tube_Wall_Table[i], "%f", &v) == 1 && std::fabs(v - t) < 0.01f) wi = i;
                }
                if (wi >= 0) rp = wi - row.first_wall, found = 1;
            }
        }
    }
    if (diameter_index) *diameter_index = di;
    if (range_position) *range_position = rp;
    if (wall_index) *wall_index = wi;
    return found;
}

void Clamp_Round_Tube_Indices(int* diameter_index, int* wall_index, int* range_position) {
    if (!diameter_index || !wall_index || !range_position) return;
    if (*diameter_index < 0) *diameter_index = 0;
    if (*diameter_index >= TUBE_DIAMETER_COUNT) *diameter_index = TUBE_DIAMETER_COUNT - 1;
    const Tube_Diameter& row = Tube_Diameter_Table[*diameter_index];
    if (*wall_index < row.first_wall) *wall_index = row.first_wall;
    if (*wall_index > row.last_wall) *wall_index = row.last_wall;
    *range_position = *wall_index - row.first_wall;
}

void Fill_Tube_Diameter_List(int list, int colour) {
    for (const Tube_Diameter& row : Tube_Diameter_Table) Fill_Stringlist_of_PS(list, colour, row.text);
}

void Fill_Tube_Wall_List(int diameter_index, int list, int colour) {
    if (diameter_index < 0 || diameter_index >= TUBE_DIAMETER_COUNT) return;
    const Tube_Diameter& row = Tube_Diameter_Table[diameter_index];
    for (int i = row.first_wall; i <= row.last_wall; i++) Fill_Stringlist_of_PS(list, colour, Tube_Wall_Table[i]);
}

// ---- used profiles ----

int Register_Used_Profil(const char* name) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    char key[PROFIL_NAME_LIMIT + 1];
    Copy_Trimmed(name, key, sizeof key, 3);
    if (const Used_Profil_Entry* e = Entry_By_Name(key)) return e->handle;
    if (used_table.count == used_table.capacity) {
        int capacity = used_table.capacity + 10;
        void* grown = Mem_Realloc(__FILE__, __LINE__, "null", used_table.entries,
                                  sizeof(Used_Profil_Entry) * static_cast<size_t>(capacity));
        if (!grown) return 0;
        used_table.entries = static_cast<Used_Profil_Entry*>(grown);
        used_table.capacity = capacity;
    }
    Used_Profil_Entry& e = used_table.entries[used_table.count];
    char code[PROFIL_CODE_SIZE];
    if (Get_Profil_Values(key, e.values, code) < 1) return 0;
    std::memcpy(e.name, key, sizeof e.name);
    e.family = Get_Profil_Family(key);
    used_table.count++;
    e.handle = USED_PROFIL_HANDLE | used_table.count;
    return e.handle;
}

int Get_Used_Profil_By_Name(const char* name, float* values, int n, int* family) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    const Used_Profil_Entry* e = Entry_By_Name(name);
    if (!e) return 0;
    Copy_Entry_Values(*e, values, n, family);
    return e->handle;
}

int Get_Used_Profil_By_Handle(int handle, char* name_out, int name_size, float* values, int n, int* family) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    const Used_Profil_Entry* e = Entry_By_Handle(handle);
    if (!e) return 0;
    Copy_Entry_Values(*e, values, n, family);
    if (name_out && name_size >= 1) Copy_Trimmed(e->name, name_out, name_size, 0);
    return e->handle;
}

void Get_Profil_Values_Ref(int* result, float* values, const char* name, const int* name_length) {
    if (!result) return;
    if (Is_Profile_Manager_Available() == 0) {
        *result = -1;
        return;
    }
    char key[PROFIL_NAME_LIMIT + 1];
    Name_From_Ref(name, name_length, key);
    float found[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    *result = Get_Profil_Values(key, found, code);
    if (*result > 0 && values) std::memcpy(values, found, sizeof found);
}

void Register_Used_Profil_Ref(int* handle, const char* name, const int* name_length) {
    if (!handle) return;
    char key[PROFIL_NAME_LIMIT + 1];
    Name_From_Ref(name, name_length, key);
    *handle = Register_Used_Profil(key);
}

void Get_Used_Profil_By_Name_Ref(int* result, float* values, const int* n, int* family, const char* name,
                                 const int* name_length) {
    if (!result) return;
    char key[PROFIL_NAME_LIMIT + 1];
    Name_From_Ref(name, name_length, key);
    *result = Get_Used_Profil_By_Name(key, values, n ? *n : 0, family);
}

void Get_Used_Profil_By_Handle_Ref(int* result, const int* handle, float* values, const int* n, int* family,
                                   char* name_out, const int* name_length) {
    if (!result) return;
    const Used_Profil_Entry* e = handle ? Entry_By_Handle(*handle) : nullptr;
    *result = e ? e->handle : 0;
    if (!e) return;
    Copy_Entry_Values(*e, values, n ? *n : 0, family);
    if (name_out && name_length && *name_length > 0) {
        int length = *name_length, used = static_cast<int>(std::strlen(e->name));
        for (int i = 0; i < length; i++) name_out[i] = i < used ? e->name[i] : ' ';
    }
}

void Forget_Profil_Values_Read(void) {
    Forget_Last();
    for (int i = 0; i < used_table.count; i++) {
        Used_Profil_Entry& e = used_table.entries[i];
        float values[PROFIL_VALUES];
        char code[PROFIL_CODE_SIZE];
        if (Get_Profil_Values(e.name, values, code) < 1) continue;
        std::memcpy(e.values, values, sizeof e.values);
        e.family = Get_Profil_Family(e.name);
    }
    Forget_Last();
}

void Reset_Profil_Library(void) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    Forget_Last();
    Mem_Free(__FILE__, __LINE__, "null", used_table.entries);
    used_table = Used_Profil_Table{};
}
