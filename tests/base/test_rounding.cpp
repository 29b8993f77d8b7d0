// Rounding of printed numbers, tolerant comparison and the sorts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/rounding.h"

TEST(RoundToDecimals, HalvesRoundUpward) {
    EXPECT_DOUBLE_EQ(Round_To_Decimals(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-0.125, 2), -0.12);
}

// What "%.nf" prints of the value returned: no sign where the print is
// zero, the value itself otherwise. The stored double nearest 0.05 lies
// above it (0.05000000000000000277...) and prints -0.1 at one decimal;
// -0.5 at no decimals rounds to the even 0.
TEST(UnsignedZero, PrintsWithoutTheSignOfAZero) {
    const struct {
        double x;
        int n;
        const char* printed;
    } cases[] = {
        {-0.0, 1, "0.0"},    {-0.004, 2, "0.00"}, {-0.049, 1, "0.0"}, {-0.05, 1, "-0.1"}, {-0.005, 2, "-0.01"},
        {-0.5, 0, "0"},      {-0.7, 0, "-1"},     {-12.3, 1, "-12.3"}, {0.004, 2, "0.00"}, {-1e-9, 6, "0.000000"},
        {-6e-6, 5, "-0.00001"}, {-0.2, -1, "0"},
    };
    for (const auto& c : cases) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", c.n < 0 ? 0 : c.n, Unsigned_Zero(c.x, c.n));
        EXPECT_STREQ(text, c.printed) << c.x << " " << c.n;
    }
    EXPECT_TRUE(std::isnan(Unsigned_Zero(std::nan(""), 2)));
}

TEST(RoundToDecimals, WorkedExamples) {
    // -0.04 at one decimal is floor(-0.4 + 0.5) / 10: zero, not a negative one.
    EXPECT_EQ(Round_To_Decimals(-0.04, 1), 0.0);
    EXPECT_FALSE(std::signbit(Round_To_Decimals(-0.04, 1)));
    // Rounding works on the stored double: the one nearest 1.005 lies below
    // it (1.00499999999999989...), the one nearest 2.345 above it
    // (2.34500000000000019...).
    EXPECT_EQ(Round_To_Decimals(1.005, 2), 1.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(2.345, 2), 2.35);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(123.456789, 3), 123.457);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(235.0, 0), 235.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(1.0 / 3.0, 13), 0.3333333333333);
}

TEST(RoundToDecimals, ManyDecimalsGoThroughPrinting) {
    EXPECT_DOUBLE_EQ(Round_To_Decimals(0.123456789012345678, 14), 0.12345678901235);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(1.5, 20), 1.5);
    // A count far beyond the old 200-byte buffer: a huge number printed with
    // 300 decimals must neither overflow nor change.
    EXPECT_DOUBLE_EQ(Round_To_Decimals(1e300, 300), 1e300);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-7.25, 100000), -7.25);
}

TEST(RoundToDecimals, NegativeCountActsAsZero) {
    EXPECT_DOUBLE_EQ(Round_To_Decimals(2.5, -1), 3.0);
    EXPECT_DOUBLE_EQ(Round_To_Decimals(7.4, -100), 7.0);
}

TEST(Compare, ToleranceIsStrict) {
    double a = 1.0, b = 1.0 + 0.9e-5, c = 1.0 + 1.1e-5;
    EXPECT_EQ(Compare_Doubles_Asc(&a, &b), 0);
    EXPECT_EQ(Compare_Doubles_Asc(&b, &a), 0);
    EXPECT_EQ(Compare_Doubles_Asc(&a, &c), -1);
    EXPECT_EQ(Compare_Doubles_Asc(&c, &a), 1);
    EXPECT_EQ(Compare_Doubles_Desc(&a, &c), 1);
    EXPECT_EQ(Compare_Doubles_Desc(&c, &a), -1);
    double d = 2.0, e = 1.0;
    EXPECT_EQ(Compare_Doubles_Asc(&d, &e), 1);
}

TEST(Compare, QsortWithTheComparisons) {
    double v[] = {3.0, -1.0, 2.0, 10.0};
    std::qsort(v, 4, sizeof(double), Compare_Doubles_Desc);
    EXPECT_EQ(v[0], 10.0);
    EXPECT_EQ(v[3], -1.0);
}

TEST(SortIndex, AscendingLeavesValuesInPlaceAndKeepsTies) {
    const double v[] = {5.0, 1.0, 3.0, 1.000001, 0.5};
    int idx[5];
    Sort_Index_Ascending(v, idx, 5);
    const int want[] = {4, 1, 3, 2, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(idx[i], want[i]) << i;
    EXPECT_EQ(v[0], 5.0);

    Sort_Index_By_Value(5, v, idx, 0);
    const int down[] = {0, 2, 1, 3, 4};  // ties keep their order
    for (int i = 0; i < 5; ++i) EXPECT_EQ(idx[i], down[i]) << i;
}

TEST(SortIndex, Ints) {
    const int v[] = {4, -2, 4, 9};
    int idx[4];
    Sort_Index_By_Int(4, v, idx, 1);
    const int up[] = {1, 0, 2, 3};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(idx[i], up[i]);
    Sort_Index_By_Int(4, v, idx, 0);
    const int down[] = {3, 0, 2, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(idx[i], down[i]);
}

TEST(SortDoubles, InPlaceBothWays) {
    double v[] = {2.0, -3.5, 7.0, 0.0};
    Sort_Doubles(4, v, 1);
    EXPECT_EQ(v[0], -3.5);
    EXPECT_EQ(v[3], 7.0);
    Sort_Doubles(4, v, 0);
    EXPECT_EQ(v[0], 7.0);
    EXPECT_EQ(v[3], -3.5);
}

TEST(SortUnique, RemovesNearDuplicates) {
    double v[] = {3.0, 1.0, 1.00001, 2.0};
    ASSERT_EQ(Sort_Unique_Doubles(4, v, 1, 3), 3);
    EXPECT_EQ(v[0], 1.0);
    EXPECT_EQ(v[1], 2.0);
    EXPECT_EQ(v[2], 3.0);

    double w[] = {1.0, 1.004, 1.008, 1.2};
    // Each step of 0.004 rounds to 0 at 2 decimals, so the chain goes.
    ASSERT_EQ(Sort_Unique_Doubles(4, w, 0, 2), 2);
    EXPECT_EQ(w[0], 1.2);
    EXPECT_EQ(w[1], 1.008);
    EXPECT_EQ(Sort_Unique_Doubles(0, w, 1, 2), 0);
}

TEST(SortPairs, TiesOrderedByB) {
    double a[] = {2.0, 1.0, 2.0004, 1.0, 3.0};
    double b[] = {9.0, 5.0, 1.0, 4.0, 0.0};
    Sort_Pairs_By_Value(5, a, 1, b, 1, 3);
    const double wa[] = {1.0, 1.0, 2.0004, 2.0, 3.0};
    const double wb[] = {4.0, 5.0, 1.0, 9.0, 0.0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a[i], wa[i]) << i;
        EXPECT_EQ(b[i], wb[i]) << i;
    }
}

TEST(SortPairs, WithoutTieFlagKeepsGivenOrderOfTies) {
    double a[] = {2.0, 1.0, 2.0};
    double b[] = {9.0, 5.0, 1.0};
    Sort_Pairs_By_Value(3, a, 0, b, 0, 3);
    EXPECT_EQ(a[0], 2.0);
    EXPECT_EQ(b[0], 9.0);
    EXPECT_EQ(b[1], 1.0);
    EXPECT_EQ(b[2], 5.0);
}

TEST(Extremes, FirstIndexAndSmallN) {
    const double v[] = {2, 5, 5, 1};
    EXPECT_EQ(Index_Of_Extreme(4, v, 1), 1);
    EXPECT_EQ(Index_Of_Extreme(4, v, 0), 3);
    EXPECT_EQ(Index_Of_Extreme(1, v, 1), 0);
    double x = 1.5, y = -2.0;
    Swap_Doubles(&x, &y);
    EXPECT_EQ(x, -2.0);
    EXPECT_EQ(y, 1.5);
}

TEST(PowerPositive, Guards) {
    EXPECT_EQ(Power_Positive(-1.0, 2.0), 0.0);
    EXPECT_EQ(Power_Positive(0.0, 0.5), 0.0);
    EXPECT_EQ(Power_Positive(3.0, 2.0), 9.0);
    EXPECT_DOUBLE_EQ(Power_Positive(8.0, 1.0 / 3.0), 2.0);
}

TEST(Interpolate, ExtrapolatesBothSides) {
    const double x[] = {2.0, 0.0};
    const double y[] = {4.0, 0.0};
    EXPECT_DOUBLE_EQ(ITools_Interpolate(2, x, y, 3.0), 6.0);
    EXPECT_DOUBLE_EQ(ITools_Interpolate(2, x, y, -1.0), -2.0);
    EXPECT_DOUBLE_EQ(ITools_Interpolate(2, x, y, 1.0), 2.0);
    EXPECT_EQ(ITools_Interpolate(0, x, y, 1.0), 0.0);
    EXPECT_EQ(ITools_Interpolate(1, x, y, 1.0), 4.0);
}

TEST(Interpolate, UnsortedTableAndSteps) {
    const double x[] = {3.0, 1.0, 2.0};
    const double y[] = {30.0, 10.0, 40.0};
    EXPECT_DOUBLE_EQ(ITools_Interpolate(3, x, y, 2.5), 35.0);
    EXPECT_DOUBLE_EQ(ITools_Interpolate(3, x, y, 1.5), 25.0);
    // A vertical step: left of it the first segment, the step itself gives
    // +-1e100 by the sign of x0, equal ordinates their value.
    const double sx[] = {0.0, 1.0, 1.0};
    const double sy[] = {0.0, 0.0, 5.0};
    EXPECT_DOUBLE_EQ(ITools_Interpolate(3, sx, sy, 0.5), 0.0);
    EXPECT_EQ(ITools_Interpolate(3, sx, sy, 2.0), 1e100);
    const double nx[] = {-1.0, -1.0};
    const double ny[] = {1.0, 2.0};
    EXPECT_EQ(ITools_Interpolate(2, nx, ny, -3.0), -1e100);
    const double ex[] = {-1.0, -1.0};
    const double ey[] = {2.0, 2.0};
    EXPECT_EQ(ITools_Interpolate(2, ex, ey, -3.0), 2.0);
}
