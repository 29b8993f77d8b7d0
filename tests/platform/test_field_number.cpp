// How a number field shows a value and names its bounds: the decimal places
// a value has (at least the format's, at most those the field keeps), noise
// past single precision left out, bounds named towards the inside.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/field_number.h"

TEST(Field_Number, ShowsTheDigitsAValueHas) {
    const struct {
        double v;
        int least, most;
        const char* shown;
    } cases[] = {
        {4.26, 1, 6, "4.26"},
        {1.255, 2, 6, "1.255"},
        {0.004, 2, 5, "0.004"},
        {35.0, 1, 6, "35.0"},
        {50.5, 0, 4, "50.5"},
        {-0.0, 1, 6, "0.0"},
        {1e9, 2, 5, "1000000000.00"},
        {static_cast<float>(56.45), 1, 6, "56.45"},     // a catalogue's float: 56.4500007629...
        {111.99999904632568, 1, 6, "112.0"},            // 112 less a float's last digit
        {1.0 / 3.0, 1, 2, "0.33"},                      // more places than kept: rounded at the last
        {0.1234567, 0, 6, "0.123457"},
    };
    for (const auto& c : cases) EXPECT_EQ(VEK_Decimal_Text(c.v, c.least, c.most), c.shown) << c.v;
}

TEST(Field_Number, NamesBoundsAsTheFieldCanTakeThem) {
    const struct {
        double bound;
        int decimals, upper;
        double named;
    } cases[] = {
        {static_cast<float>(56.45), 6, 1, 56.45},
        {56.45, 1, 1, 56.4},  // one place: the largest value not above 56.45
        {56.45, 1, 0, 56.5},  // the smallest not below it
        {56.4537, 2, 1, 56.45},
        {56.4537, 2, 0, 56.46},
        {111.99999904632568, 6, 1, 112.0},
        {0.5, 6, 0, 0.5},
        {1e12, 5, 1, 1e12},
        {-1e12, 5, 0, -1e12},
        {INFINITY, 2, 1, INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(VEK_Shown_Bound(c.bound, c.decimals, c.upper), c.named) << c.bound;
}

TEST(Field_Number, FormatsAndTheirDecimals) {
    EXPECT_EQ(VEK_Format_Decimals("%6.1f"), 1);
    EXPECT_EQ(VEK_Format_Decimals("%3.0f %%"), 0);
    EXPECT_EQ(VEK_Format_Decimals("%f"), 6);
    EXPECT_EQ(VEK_Format_Decimals("%.3g"), -1);
    EXPECT_EQ(VEK_Format_Decimals(nullptr), -1);
    EXPECT_EQ(VEK_Format_With_Decimals("%6.1f mm", 3), "%6.3f mm");
    EXPECT_EQ(VEK_Format_With_Decimals("%f", 2), "%.2f");
    EXPECT_EQ(VEK_Format_With_Decimals("%.3g", 2), "%.3g");
    EXPECT_EQ(VEK_Decimals_Of(0.004), 3);
    EXPECT_EQ(VEK_Decimals_Of(1e9), 0);
    EXPECT_EQ(VEK_Decimals_Of(NAN), -1);
    EXPECT_EQ(VEK_Number_Text(1e12), "1e+12");
    EXPECT_EQ(VEK_Number_Text(100000), "100000");
    EXPECT_EQ(VEK_Number_Text(9999999.5), "9999999.5");
    EXPECT_EQ(VEK_Number_Text(0.0001), "0.0001");
    EXPECT_EQ(VEK_Number_Text(4e-6), "4e-06");
    EXPECT_EQ(VEK_Number_Text(-0.4), "-0.4");
}

// One rule for every format that is handed a value: a sheet field's, a
// table column's, a print-list legend's and an inline editor's.
TEST(Field_Number, OneRuleForAFormatThatTakesOneValue) {
    const struct {
        const char* format;
        const char* letters;
        bool takes;
    } cases[] = {
        {"%6.1f mm", "eEfFgG", true},  {"%lf", "eEfFgG", true},     {"%.2f %%", "eEfFgG", true},
        {"%-+ #012.10e", "eEfFgG", true}, {"%99.99g", "eEfFgG", true}, {"%123.1f", "eEfFgG", false},
        {"%6.123f", "eEfFgG", false},  {"%*f", "eEfFgG", false},    {"%.*f", "eEfFgG", false},
        {"%d", "eEfFgG", false},       {"%s", "eEfFgG", false},     {"%n", "eEfFgG", false},
        {"%6.1f %f", "eEfFgG", false}, {"%6.1", "eEfFgG", false},   {"mm", "eEfFgG", false},
        {"%%", "eEfFgG", false},       {"%llf", "eEfFgG", false},   {"%ld", "di", false},
        {"%3d", "di", true},           {"Naht %d:", "di", true},
    };
    for (const auto& c : cases) EXPECT_EQ(VEK_Format_Takes_One(c.format, c.letters), c.takes) << c.format;
    EXPECT_FALSE(VEK_Format_Takes_One(nullptr, "f"));
}
