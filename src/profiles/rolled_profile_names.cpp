// Rolled-profile designations, the name table and table helpers. The
// designations are the catalogue's: the sizes of a series and the names of
// the table are taken from the designation lists that the build generates
// from the shipped profile tables, so a size added there is a size here.
#include "profiles/rolled_profile_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "profiles/profil.h"

namespace {

// A series: the letters before and after the size of its designations and
// the smallest size it counts; the angle series are a choice among the
// catalogue's angles, named by designation.
struct Series_Rule {
    const char* prefix;
    const char* suffix;
    long from;
    const char* const* picked;
    int n_picked;
};

const char* const kSmallAngles[] = {"L90X9", "L100X10", "L100X12", "L120X12"};
const char* const kLargeAngles[] = {"L150X75X9", "L180X90X10", "L180X90X12", "L200X100X12"};

const Series_Rule kRules[ROLLED_SERIES_COUNT + 1] = {
    {"", "", 0, nullptr, 0},
    {"HE", "A", 0, nullptr, 0},
    {"IPEA", "", 140, nullptr, 0},  // IPEA120 stands in the name table only
    {"IPE", "", 0, nullptr, 0},
    {"IPEO", "", 0, nullptr, 0},
    {"IPEV", "", 0, nullptr, 0},
    {"HE", "AA", 0, nullptr, 0},
    {"HE", "B", 0, nullptr, 0},
    {"HE", "M", 0, nullptr, 0},
    {"L", "", 0, kSmallAngles, 4},
    {"L", "", 0, kLargeAngles, 4},
};

struct Series {
    std::string format;
    std::vector<std::string> sizes;
    int count() const { return static_cast<int>(sizes.size()); }
};

// Whether a catalogue designation is the catalogue's name of a series
// member: the prefix, the size in digits, the suffix and nothing else.
// *size gets the size.
bool Member_Of(const char* name, const Series_Rule& rule, long* size) {
    const size_t p = std::strlen(rule.prefix);
    if (std::strncmp(name, rule.prefix, p) != 0) return false;
    const char* digits = name + p;
    const char* end = digits;
    while (std::isdigit(static_cast<unsigned char>(*end))) end++;
    if (end == digits || std::strcmp(end, rule.suffix) != 0) return false;
    *size = std::strtol(digits, nullptr, 10);
    return true;
}

// The sizes of a series, ascending, as the catalogue's designation lists
// hold them (the lists are generated from the shipped profile tables).
std::vector<std::string> Sizes_Of(const Series_Rule& rule) {
    std::vector<std::string> sizes;
    if (rule.picked) {
        for (const char* picked : std::vector<const char*>(rule.picked, rule.picked + rule.n_picked))
            for (int s = 1; s <= PROFIL_SERIES_COUNT; s++) {
                const Profil_Series& list = Profil_Series_Table[s];
                if (std::find_if(list.names, list.names + list.count,
                                 [picked](const char* n) { return std::strcmp(n, picked) == 0; }) ==
                    list.names + list.count)
                    continue;
                std::string size = picked + std::strlen(rule.prefix);
                std::replace(size.begin(), size.end(), 'X', 'x');
                sizes.push_back(size);
                break;
            }
        return sizes;
    }
    std::vector<long> found;
    for (int s = 1; s <= PROFIL_SERIES_COUNT; s++) {
        const Profil_Series& list = Profil_Series_Table[s];
        for (int i = 0; i < list.count; i++) {
            long size;
            if (Member_Of(list.names[i], rule, &size) && size >= rule.from) found.push_back(size);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (long size : found) sizes.push_back(std::to_string(size));
    return sizes;
}

const std::vector<Series>& All_Series() {
    static const std::vector<Series> series = [] {
        std::vector<Series> all(ROLLED_SERIES_COUNT + 1);
        for (int n = 1; n <= ROLLED_SERIES_COUNT; n++) {
            all[n].format = std::string(kRules[n].prefix) + "%s" + kRules[n].suffix;
            all[n].sizes = Sizes_Of(kRules[n]);
        }
        return all;
    }();
    return series;
}

// The name table: the I sections of the series - HE A, AA, B, M, IPE, IPEA
// (with IPEA120), IPEO, IPEV - blank-padded to ROLLED_NAME_WIDTH.
const std::vector<std::string>& Name_Table() {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t;
        Series_Rule every_ipea = kRules[2];
        every_ipea.from = 0;
        for (const Series_Rule& rule : {kRules[1], kRules[6], kRules[7], kRules[8], kRules[3], every_ipea, kRules[4],
                                        kRules[5]})
            for (const std::string& size : Sizes_Of(rule)) {
                std::string name = rule.prefix + size + rule.suffix;
                name.resize(std::max<size_t>(name.size(), ROLLED_NAME_WIDTH), ' ');
                t.push_back(name);
            }
        return t;
    }();
    return table;
}

// The value tables: main, then the four a caller selects. Left without
// values: every entry is −1.
short Table_Entry(int /*table*/, int /*row*/, int /*column*/) { return -1; }

int Size_Index_Of(const Series& s, long size) {
    for (int i = 0; i < s.count(); i++)
        if (std::atol(s.sizes[i].c_str()) == size) return i;
    return s.count();
}

}  // namespace

int Format_Rolled_Profile_Name(int size_index, int series, char* buffer) {
    if (series == 0) return 0;
    if (series < 0 || series > ROLLED_SERIES_COUNT) return series;
    const Series& s = All_Series()[series];
    if (buffer == nullptr || size_index < 0 || size_index >= s.count()) return -1;
    return std::snprintf(buffer, ROLLED_NAME_BUFFER, s.format.c_str(), s.sizes[size_index].c_str());
}

const char* Parse_Rolled_Profile_Name(int* size_index, int* series, const char* name) {
    int index = -1, found = -1;
    const char* suffix = nullptr;
    if (name != nullptr) {
        size_t len = std::strlen(name);
        long size = -1;
        if (name[0] == 'H') {
            size_t last = len;
            while (last > 0 && name[last - 1] == ' ') last--;
            char c = last > 0 ? name[last - 1] : '\0';
            char before = last > 1 ? name[last - 2] : '\0';
            if (c == 'A' && before == 'A') found = 6, suffix = "AA";
            else if (c == 'A') found = 1, suffix = "A";
            else if (c == 'B') found = 7, suffix = "B";
            else if (c == 'M') found = 8, suffix = "M";
            if (found > 0 && len > 2) size = std::strtol(name + 2, nullptr, 10);
        } else if (name[0] == 'I') {
            char fourth = len > 3 ? name[3] : '\0';
            if (fourth == 'A') found = 2, suffix = "EA";
            else if (fourth == 'O') found = 4, suffix = "EO";
            else if (fourth == 'V') found = 5, suffix = "EV";
            else found = 3, suffix = "E";
            const char* digits = found == 3 ? name + std::min<size_t>(3, len) : name + 4;
            size = std::strtol(digits, nullptr, 10);
        } else if (name[0] == 'L') {
            found = std::strtol(name + 1, nullptr, 10) > 149 ? 10 : 9;
            suffix = "";
            const Series& s = All_Series()[found];
            index = s.count();
            for (int i = 0; i < s.count(); i++)
                if (std::strncmp(name + 1, s.sizes[i].c_str(), s.sizes[i].size()) == 0) {
                    index = i;
                    break;
                }
        }
        if (found > 0 && found != 9 && found != 10) index = Size_Index_Of(All_Series()[found], size);
    }
    if (size_index != nullptr) *size_index = index;
    if (series != nullptr) *series = found;
    return suffix;
}

void Get_Rolled_Profile_Table_Value(const char* name, int column, int selector, double* main_value,
                                    double* second_value) {
    if (main_value != nullptr) *main_value = -1.0;
    if (name == nullptr || column < 0 || column >= ROLLED_TABLE_COLUMNS) return;
    size_t n = std::min<size_t>(std::strlen(name), ROLLED_NAME_WIDTH);
    const std::vector<std::string>& table = Name_Table();
    for (int row = 0; row < static_cast<int>(table.size()); row++) {
        if (table[row].compare(0, n, name, n) != 0) continue;
        if (main_value != nullptr) *main_value = Table_Entry(0, row, column) * 0.1;
        if (second_value != nullptr && selector >= 0 && selector <= 3)
            *second_value = Table_Entry(1 + selector, row, column) * 0.1;
        return;
    }
}

int Interpolate_Table(const double* y, const double* x, int n, double x_value, double* result) {
    if (result != nullptr) *result = 0;
    bool reciprocal = n < 0;
    int count = reciprocal ? -n : n;
    if (y == nullptr || x == nullptr || result == nullptr || count < 1) return 0;
    bool ascending = count < 2 || x[count - 1] >= x[0];
    int first = ascending ? 0 : count - 1, last = ascending ? count - 1 : 0;
    if (x_value <= x[first]) return *result = y[first], 1;
    if (x_value >= x[last]) return *result = y[last], 1;
    for (int i = 0; i + 1 < count; i++) {
        double xa = x[i], xb = x[i + 1], v = x_value;
        if (!((xa <= v && v <= xb) || (xb <= v && v <= xa))) continue;
        if (reciprocal) {
            if (xa == 0 || xb == 0 || v == 0) return 0;
            xa = 1 / xa, xb = 1 / xb, v = 1 / v;
        }
        *result = xb == xa ? y[i] : y[i] + (y[i + 1] - y[i]) * (v - xa) / (xb - xa);
        return 1;
    }
    return 0;
}

void Max_Float(double value, float* target) {
    if (target != nullptr && value > *target) *target = static_cast<float>(value);
}

namespace {

// Position of the first entry at or above x, searched from the near end;
// −1 beyond the far end.
int Find_At_Or_Above(const double* t, int n, double x, bool* ascending) {
    *ascending = t[n - 1] >= t[0];
    if (*ascending) {
        for (int i = 0; i < n; i++)
            if (t[i] >= x) return i;
    } else {
        for (int i = n - 1; i >= 0; i--)
            if (t[i] >= x) return i;
    }
    return -1;
}

}  // namespace

int Next_Table_Value(const double* table, int n, int fraction, double x, double* result) {
    if (result == nullptr) return 0;
    *result = 0;
    if (table == nullptr || n < 1) return 0;
    bool ascending;
    int i = Find_At_Or_Above(table, n, x, &ascending);
    if (i < 0) {
        *result = 2 * table[ascending ? n - 1 : 0];
        return 0;
    }
    *result = table[i];
    int next = ascending ? i + 1 : i - 1;
    if (fraction && next >= 0 && next < n && table[next] != table[i])
        *result += (table[i] - x) / (table[next] - table[i]);
    return 1;
}

int Table_Index_Of(const double* table, int n, int /*flag*/, double x, int* index) {
    if (index == nullptr) return 0;
    *index = -1;
    if (table == nullptr || n < 1) return 0;
    bool ascending;
    int i = Find_At_Or_Above(table, n, x, &ascending);
    if (i < 0 && ascending && x <= 1.001 * table[n - 1]) i = n - 1;
    *index = i;
    return i >= 0;
}
