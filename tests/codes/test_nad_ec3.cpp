// The EN 1993 annex block: its "#ZO3" text, the versions its reader takes,
// compare and copy.
#include <gtest/gtest.h>

#include <cmath>

#include <cstdio>
#include <string>

#include "codes/nad_ec3.h"
#include "support/testutil.h"

namespace {

std::string Write_To_String(const NAD_EC3_Block& b) {
    FILE* f = std::tmpfile();
    Write_NAD_EC3(f, &b);
    std::string s = testutil::Stream_Text(f);
    std::fclose(f);
    return s;
}

const char kStandardZO3[] =
    " ZO3-1 Parameter\n"
    " 4 1.000000 1.000000 1.250000 1.000000 1.000000 1.250000 0 1.000000\n"
    " 0.400000 0.750000 0 1.000000 1 1.000000\n"
    " ZO3-8 Parameter\n"
    " 4 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n"
    " 3 1.200000\n"
    " 1.000000 1.150000 1.150000 1.350000\n"
    " 1.000000\n";

TEST(NadEc3, StandardBlockIsWrittenAsEightLines) {
    NAD_EC3_Block b;
    Default_NAD_EC3(&b);
    EXPECT_EQ(b.variant, 0);
    EXPECT_EQ(Write_To_String(b), kStandardZO3);
}

TEST(NadEc3, GermanVariantDiffersInThreeFieldsOnly) {
    NAD_EC3_Block std_b, de;
    Default_NAD_EC3(&std_b);
    Default_NAD_EC3_Variant1(&de);
    EXPECT_EQ(de.variant, 1);
    EXPECT_DOUBLE_EQ(de.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(de.ec3_1.gamma_M2_acc, 1.15);
    EXPECT_EQ(de.ec3_1.apply_f_general, 1);
    de.ec3_1.gamma_M1 = 1.0;
    de.ec3_1.gamma_M2_acc = 1.25;
    de.ec3_1.apply_f_general = 0;
    de.variant = 0;
    EXPECT_EQ(NAD_EC3_Differs(&std_b, &de), 0);
}

TEST(NadEc3, WrittenBlockReadsBackEqual) {
    NAD_EC3_Block a, b;
    Default_NAD_EC3_Variant1(&a);
    a.ec3_1.k_c = 0.86;
    a.ec3_8.gamma_Mser = 1.05;
    a.ec3_8.shear_lag_note = 2;
    FILE* f = testutil::Stream_With(std::string("#ZO3\n") + Write_To_String(a));
    Read_NAD_EC3(f, &b, 1);
    std::fclose(f);
    EXPECT_EQ(b.ec3_1.version, 4);
    EXPECT_EQ(b.ec3_8.version, 4);
    EXPECT_EQ(b.variant, 0);  // the variant lives in the file's head line
    b.variant = a.variant;
    EXPECT_EQ(NAD_EC3_Differs(&a, &b), 0);
    EXPECT_DOUBLE_EQ(b.ec3_1.k_c, 0.86);
    EXPECT_EQ(b.ec3_8.shear_lag_note, 2);
}

TEST(NadEc3, Version1RecordKeepsRecommendedValuesBehindIt) {
    NAD_EC3_Block b;
    FILE* f = testutil::Stream_With(" ZO3-1 Parameter\n 1 1.05 1.1 1.3 1.01 1.02 1.2\n");
    Read_NAD_EC3(f, &b, 1);
    std::fclose(f);
    EXPECT_EQ(b.ec3_1.version, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M0, 1.05);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2_acc, 1.2);
    EXPECT_EQ(b.ec3_1.apply_f_general, 0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M_fi, 1.0);
    EXPECT_DOUBLE_EQ(b.ec3_1.lambda_LT0, 0.4);
    EXPECT_DOUBLE_EQ(b.ec3_1.beta, 0.75);
    EXPECT_EQ(b.ec3_1.kc_from_table, 1);
    // No ZO3-8 title: that record keeps its values with version 0.
    EXPECT_EQ(b.ec3_8.version, 0);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M7, 1.1);
}

TEST(NadEc3, Version4LineBrokenAfterBetaIsAccepted) {
    NAD_EC3_1_Record r;
    FILE* f = testutil::Stream_With(" 4 1 1.1 1.25 1 1 1.15 1 1.0\n 0.3 0.8\n");
    EXPECT_EQ(Read_NAD_EC3_1(f, &r), 0);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(r.lambda_LT0, 0.3);
    EXPECT_DOUBLE_EQ(r.beta, 0.8);
    EXPECT_EQ(r.f_given, 0);
    EXPECT_DOUBLE_EQ(r.k_c, 1.0);
    EXPECT_EQ(r.version, 4);
}

TEST(NadEc3, NumbersThatNoIntHoldsAreReadErrors) {
    // 2147483648 = 2^31 would wrap to -2^31, a version below every layout,
    // and the record would pass as version 0.
    const char* records[] = {" 2147483648 1 1.1 1.25\n",
                             " 4 1 1.1 1.25 1 1 1.15 1 1.0\n 0.3 0.8 99999999999 1.0 1 1.0\n"};
    for (const char* bytes : records) {
        NAD_EC3_1_Record r;
        FILE* f = testutil::Stream_With(bytes);
        EXPECT_EQ(Read_NAD_EC3_1(f, &r), 1) << bytes;
        EXPECT_EQ(r.f_given, 0) << bytes;  // never the wrapped value
        std::fclose(f);
    }
    NAD_EC3_8_Record r8;
    FILE* f = testutil::Stream_With(" -4294967292 1.3 1.0 1.0 1.0 1.1 1.1\n");
    EXPECT_EQ(Read_NAD_EC3_8(f, &r8), 1);
    EXPECT_EQ(r8.version, 0);
    std::fclose(f);
}

TEST(NadEc3, FactorsThatAreNoNumberAreReadErrors) {
    for (const char* bytes : {" 0 nan 1.1 1.25\n", " 0 1.0 1.1 inf\n"}) {
        NAD_EC3_1_Record r;
        FILE* f = testutil::Stream_With(bytes);
        EXPECT_EQ(Read_NAD_EC3_1(f, &r), 1) << bytes;
        std::fclose(f);
        EXPECT_TRUE(std::isfinite(r.gamma_M0) && std::isfinite(r.gamma_M2)) << bytes;
    }
    NAD_EC3_8_Record r8;
    FILE* f = testutil::Stream_With(" 0 -nan 1.0 1.0 1.0 1.1 1.1\n");
    EXPECT_EQ(Read_NAD_EC3_8(f, &r8), 1);
    std::fclose(f);
    EXPECT_TRUE(std::isfinite(r8.gamma_M3));
}

TEST(NadEc3, ShortZO3_8RecordFailsWithVersion0) {
    NAD_EC3_8_Record r;
    FILE* f = testutil::Stream_With(" 3 1.3 1.0 1.0 1.0 1.1 1.1\n 3 1.2\n 1.0 1.15\n");
    EXPECT_EQ(Read_NAD_EC3_8(f, &r), 1);
    std::fclose(f);
    EXPECT_EQ(r.version, 0);
    EXPECT_DOUBLE_EQ(r.gamma_M3, 1.3);
    EXPECT_DOUBLE_EQ(r.gamma_Mf_dt_high, 1.15);  // not reached: recommended
    EXPECT_EQ(Read_NAD_EC3_8(nullptr, nullptr), 1);
}

TEST(NadEc3, OldestListLayoutTakesUpToSixFactors) {
    NAD_EC3_Block b;
    FILE* f = testutil::Stream_With(" ZO3-8 Parameter\n 1\n 1 1.0 1.1 1.25 1.0 1.0 1.25\n 1.3 1.2 1.05\n#NAD\n");
    Read_NAD_EC3(f, &b, 0);
    std::fclose(f);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M3, 1.3);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M4, 1.2);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M5, 1.05);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M6ser, 1.0);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M7, 1.1);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M3ser, 1.1);
    EXPECT_EQ(b.ec3_8.version, 0);
}

TEST(NadEc3, OlderListLayoutStopsAtNextAnnex) {
    NAD_EC3_Block b;
    // The title belongs to the next annex: it must not be found.
    FILE* f = testutil::Stream_With(" junk\n#NAD\n ZO3 Parameter\n 1\n ZO3-1 Parameter\n 4 2 2 2 2 2 2 0 2\n");
    Read_NAD_EC3(f, &b, 0);
    std::fclose(f);
    EXPECT_EQ(b.variant, 0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M0, 1.0);
}

TEST(NadEc3, WriterAlwaysWritesVersion4) {
    NAD_EC3_Block b;
    FILE* f = testutil::Stream_With(" ZO3-1 Parameter\n 1 1.05 1.1 1.3 1.01 1.02 1.2\n");
    Read_NAD_EC3(f, &b, 1);
    std::fclose(f);
    const std::string s = Write_To_String(b);
    EXPECT_NE(s.find(" 4 1.050000 1.100000 1.300000 1.010000 1.020000 1.200000 0 1.000000\n"), std::string::npos);
}

TEST(NadEc3, CompareUsesToleranceAndIgnoresOldVersions) {
    NAD_EC3_1_Record a, b;
    Default_NAD_EC3_1(&a);
    Default_NAD_EC3_1(&b);
    b.gamma_M0 += 0.00005;
    EXPECT_EQ(NAD_EC3_1_Differs(&a, &b), 0);
    b.gamma_M0 = a.gamma_M0 + 0.0002;
    EXPECT_EQ(NAD_EC3_1_Differs(&a, &b), 1);
    b.version = 1;
    EXPECT_EQ(NAD_EC3_1_Differs(&a, &b), 0);

    NAD_EC3_8_Record c, d;
    Default_NAD_EC3_8(&c);
    Default_NAD_EC3_8(&d);
    d.shear_lag_note = 1;
    EXPECT_EQ(NAD_EC3_8_Differs(&c, &d), 1);
    d.version = 0;
    EXPECT_EQ(NAD_EC3_8_Differs(&c, &d), 0);
    EXPECT_EQ(NAD_EC3_8_Differs(&c, nullptr), 1);

    NAD_EC3_Block x, y;
    Default_NAD_EC3(&x);
    Default_NAD_EC3(&y);
    y.variant = 1;
    EXPECT_EQ(NAD_EC3_Differs(&x, &y), 1);
}

TEST(NadEc3, CopyKeepsTargetVersionAndVariant) {
    NAD_EC3_Block src, dst;
    Default_NAD_EC3_Variant1(&src);
    src.ec3_8.gamma_M7 = 1.2;
    Default_NAD_EC3(&dst);
    dst.ec3_1.version = 2;
    Copy_NAD_EC3(&dst, &src);
    EXPECT_EQ(dst.variant, 0);
    EXPECT_EQ(dst.ec3_1.version, 2);
    EXPECT_DOUBLE_EQ(dst.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(dst.ec3_8.gamma_M7, 1.2);
    Copy_NAD_EC3(&dst, nullptr);  // nothing happens
    EXPECT_DOUBLE_EQ(dst.ec3_1.gamma_M1, 1.1);
}

}  // namespace
