// The designation lists against the profile tables in data/profiles: every
// designation the tables give dimensions for is in the list of its series
// (the round tubes: among the names of the diameter and wall tables), and
// the lists hold the tables' 1127 rolled designations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "profiles/profil.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) cells.emplace_back();
        else if (c != '\r') cells.back() += c;
    }
    return cells;
}

std::string Trimmed(const char* text) {
    std::string s(text);
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

TEST(ProfilNames, EveryDesignationWithDimensionsIsInItsSeriesList) {
    std::vector<fs::path> tables;
    for (const auto& e : fs::directory_iterator(fs::path(WELD_SOURCE_DIR) / "data/profiles"))
        if (e.path().extension() == ".csv" && std::isdigit(e.path().filename().string()[0]))
            tables.push_back(e.path());
    std::sort(tables.begin(), tables.end());

    std::set<std::string> tubes;
    for (const Tube_Diameter& d : Tube_Diameter_Table)
        for (int w = d.first_wall; w <= d.last_wall; w++)
            tubes.insert("R" + Trimmed(d.text) + "X" + Trimmed(Tube_Wall_Table[w]));

    int series = 0, rolled = 0, checked = 0;
    for (const fs::path& table : tables) {
        SCOPED_TRACE(table.filename().string());
        std::ifstream in(table);
        std::string line;
        ASSERT_TRUE(std::getline(in, line));
        const std::vector<std::string> head = Cells(line);
        const auto column = [&head](const char* name) {
            return std::find(head.begin(), head.end(), name) - head.begin();
        };
        const bool is_tube = column("D_mm") < static_cast<long>(head.size());
        const long dimension = is_tube ? column("D_mm") : column("h_mm");
        ASSERT_LT(dimension, static_cast<long>(head.size()));
        std::set<std::string> list;
        if (!is_tube) {
            ASSERT_LE(++series, PROFIL_SERIES_COUNT);
            const Profil_Series& s = Profil_Series_Table[series];
            list.insert(s.names, s.names + s.count);
            rolled += s.count;
        }
        while (std::getline(in, line)) {
            const std::vector<std::string> row = Cells(line);
            ASSERT_EQ(row.size(), head.size()) << line;
            if (row[dimension].empty()) continue;
            EXPECT_EQ((is_tube ? tubes : list).count(row[0]), 1u) << row[0];
            checked++;
        }
    }
    EXPECT_EQ(series, PROFIL_SERIES_COUNT);
    EXPECT_EQ(rolled, 1127);
    EXPECT_GT(checked, 2000);  // 1009 rolled and 1237 tubes when this was written
}

}  // namespace
