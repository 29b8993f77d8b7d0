// Rolled-profile designations: format and parse round trips, the name
// table's order, and the table helpers on small hand tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "profiles/rolled_profile_names.h"

namespace {

TEST(RolledNames, EveryDesignationParsesBackToItsSeriesAndSize) {
    const int counts[] = {0, 24, 15, 18, 13, 5, 24, 24, 24, 4, 4};
    const char* suffixes[] = {"", "A", "EA", "E", "EO", "EV", "AA", "B", "M", "", ""};
    for (int series = 1; series <= 10; series++) {
        char buffer[ROLLED_NAME_BUFFER];
        EXPECT_EQ(Format_Rolled_Profile_Name(counts[series], series, buffer), -1) << series;
        for (int i = 0; i < counts[series]; i++) {
            int n = Format_Rolled_Profile_Name(i, series, buffer);
            ASSERT_EQ(n, static_cast<int>(std::strlen(buffer)));
            int index, parsed;
            const char* suffix = Parse_Rolled_Profile_Name(&index, &parsed, buffer);
            ASSERT_NE(suffix, nullptr) << buffer;
            EXPECT_STREQ(suffix, suffixes[series]) << buffer;
            EXPECT_EQ(parsed, series) << buffer;
            EXPECT_EQ(index, i) << buffer;
        }
    }
    char buffer[ROLLED_NAME_BUFFER] = "x";
    struct {
        int index, series, result;
        const char* text;
    } rows[] = {{3, 7, 6, "HE160B"},   {0, 10, 9, "L150x75x9"}, {0, 0, 0, "x"},      {0, 11, 11, "x"},
                {23, 6, 8, "HE1000AA"}, {0, 2, 7, "IPEA140"},    {0, 3, 5, "IPE80"},  {3, 9, 7, "L120x12"}};
    for (auto& r : rows) {
        std::strcpy(buffer, "x");
        EXPECT_EQ(Format_Rolled_Profile_Name(r.index, r.series, buffer), r.result);
        EXPECT_STREQ(buffer, r.text);
    }
}

TEST(RolledNames, ParseOfGivenNamesAndRefusals) {
    struct {
        const char* name;
        int series, index;
        const char* suffix;
    } rows[] = {
        {"HE300AA", 6, 10, "AA"}, {"IPEO400", 4, 8, "EO"}, {"IPE80", 3, 0, "E"}, {"L100x12", 9, 2, ""},
        {"HE300A  ", 1, 10, "A"}, {"HE310B", 7, 24, "B"},  {"L200x100x12", 10, 3, ""}, {"L99", 9, 4, ""},
        {"HE300C", -1, -1, nullptr}, {"U100", -1, -1, nullptr}, {"", -1, -1, nullptr}, {"I", 3, 18, "E"},
    };
    for (auto& r : rows) {
        int index = 99, series = 99;
        const char* suffix = Parse_Rolled_Profile_Name(&index, &series, r.name);
        EXPECT_EQ(series, r.series) << r.name;
        EXPECT_EQ(index, r.index) << r.name;
        if (r.suffix) EXPECT_STREQ(suffix, r.suffix) << r.name;
        else EXPECT_EQ(suffix, nullptr) << r.name;
    }
}

TEST(RolledNames, TableLookUpByTheNamesOwnLength) {
    double main_value = 5, second = 5;
    Get_Rolled_Profile_Table_Value("HE100A", 0, 0, &main_value, &second);
    EXPECT_DOUBLE_EQ(main_value, -0.1);  // found; the tables hold "no value"
    EXPECT_DOUBLE_EQ(second, -0.1);
    for (const char* name : {"IPEV600", "IPEA120", "HE1000M"}) {
        main_value = 5;
        Get_Rolled_Profile_Table_Value(name, 8, 7, &main_value, &second);
        EXPECT_DOUBLE_EQ(main_value, -0.1) << name;
    }
    second = 5;
    Get_Rolled_Profile_Table_Value("IPE750", 0, 1, &main_value, &second);
    EXPECT_DOUBLE_EQ(main_value, -1.0);
    EXPECT_EQ(second, 5);
    Get_Rolled_Profile_Table_Value("HE100A", 9, 0, &main_value, &second);
    EXPECT_DOUBLE_EQ(main_value, -1.0);
}

TEST(RolledNames, TableHelpers) {
    const double x[] = {1, 2, 4}, y[] = {10, 20, 40}, xd[] = {4, 2, 1};
    struct {
        const double* xs;
        int n;
        double at, expected;
    } rows[] = {
        {x, 3, 3, 30}, {x, 3, 0, 10}, {x, 3, 9, 40}, {xd, 3, 3, 15}, {xd, 3, 9, 10}, {xd, 3, 0.5, 40},
        {x, -3, 4.0 / 3, 15},  // 1/x: halfway between 1 and 1/2 is 3/4
    };
    for (auto& r : rows) {
        double result = -1;
        EXPECT_EQ(Interpolate_Table(y, r.xs, r.n, r.at, &result), 1);
        EXPECT_NEAR(result, r.expected, 1e-12) << r.at;
    }
    double result = 7;
    EXPECT_EQ(Interpolate_Table(y, x, 0, 1, &result), 0);
    EXPECT_EQ(result, 0);

    float f = 1.5f;
    Max_Float(1.0, &f);
    Max_Float(2.5, &f);
    EXPECT_EQ(f, 2.5f);

    const double t[] = {1, 2, 4};
    EXPECT_EQ(Next_Table_Value(t, 3, 0, 1.5, &result), 1);
    EXPECT_EQ(result, 2);
    Next_Table_Value(t, 3, 1, 1.5, &result);
    EXPECT_EQ(result, 2 + 0.5 / 2);
    Next_Table_Value(t, 3, 0, 0, &result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Next_Table_Value(t, 3, 0, 5, &result), 0);
    EXPECT_EQ(result, 8);
    int index;
    EXPECT_EQ(Table_Index_Of(t, 3, 0, 3, &index), 1);
    EXPECT_EQ(index, 2);
    Table_Index_Of(t, 3, 0, 4.003, &index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(Table_Index_Of(t, 3, 0, 4.01, &index), 0);
    EXPECT_EQ(index, -1);
}

}  // namespace
