// Rolled-profile designations, the 148-entry name table and table helpers.
#include "profiles/rolled_profile_names.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kHe[] = {"100", "120", "140", "160", "180", "200", "220", "240", "260", "280", "300", "320",
                           "340", "360", "400", "450", "500", "550", "600", "650", "700", "800", "900", "1000"};
const char* const kIpea[] = {"140", "160", "180", "200", "220", "240", "270", "300",
                             "330", "360", "400", "450", "500", "550", "600"};
const char* const kIpe[] = {"80",  "100", "120", "140", "160", "180", "200", "220", "240",
                            "270", "300", "330", "360", "400", "450", "500", "550", "600"};
const char* const kIpeo[] = {"180", "200", "220", "240", "270", "300", "330", "360", "400", "450", "500", "550", "600"};
const char* const kIpev[] = {"400", "450", "500", "550", "600"};
const char* const kSmallAngles[] = {"90x9", "100x10", "100x12", "120x12"};
const char* const kLargeAngles[] = {"150x75x9", "180x90x10", "180x90x12", "200x100x12"};

struct Series {
    const char* format;
    const char* const* sizes;
    int count;
};

template <int N>
constexpr Series Make(const char* format, const char* const (&sizes)[N]) {
    return {format, sizes, N};
}

const Series kSeries[ROLLED_SERIES_COUNT + 1] = {
    {nullptr, nullptr, 0},
    Make("HE%sA", kHe),
    Make("IPEA%s", kIpea),
    Make("IPE%s", kIpe),
    Make("IPEO%s", kIpeo),
    Make("IPEV%s", kIpev),
    Make("HE%sAA", kHe),
    Make("HE%sB", kHe),
    Make("HE%sM", kHe),
    Make("L%s", kSmallAngles),
    Make("L%s", kLargeAngles),
};

// The 148 designations, blank-padded to 8 characters.
const std::vector<std::string>& Name_Table() {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t;
        auto add = [&t](const std::string& name) { t.push_back(name + std::string(8 - name.size(), ' ')); };
        for (const char* suffix : {"A", "AA", "B", "M"})
            for (const char* s : kHe) add(std::string("HE") + s + suffix);
        for (const char* s : kIpe) add(std::string("IPE") + s);
        add("IPEA120");
        for (const char* s : kIpea) add(std::string("IPEA") + s);
        for (const char* s : kIpeo) add(std::string("IPEO") + s);
        for (const char* s : kIpev) add(std::string("IPEV") + s);
        return t;
    }();
    return table;
}

// The value tables: main, then the four a caller selects. Left without
// values: every entry is −1.
short Table_Entry(int /*table*/, int /*row*/, int /*column*/) { return -1; }

int Size_Index_Of(const Series& s, long size) {
    for (int i = 0; i < s.count; i++)
        if (std::atol(s.sizes[i]) == size) return i;
    return s.count;
}

}  // namespace

int Format_Rolled_Profile_Name(int size_index, int series, char* buffer) {
    if (series == 0) return 0;
    if (series < 0 || series > ROLLED_SERIES_COUNT) return series;
    const Series& s = kSeries[series];
    if (buffer == nullptr || size_index < 0 || size_index >= s.count) return -1;
    return std::snprintf(buffer, ROLLED_NAME_BUFFER, s.format, s.sizes[size_index]);
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
            const Series& s = kSeries[found];
            index = s.count;
            for (int i = 0; i < s.count; i++)
                if (std::strncmp(name + 1, s.sizes[i], std::strlen(s.sizes[i])) == 0) {
                    index = i;
                    break;
                }
        }
        if (found > 0 && found != 9 && found != 10) index = Size_Index_Of(kSeries[found], size);
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
    for (int row = 0; row < ROLLED_NAME_TABLE_SIZE; row++) {
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
