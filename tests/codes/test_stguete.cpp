// Steel grade catalogue: rows by code and family, thickness limits, default
// rows, design strengths, and the user grade list (replace, delete, names).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "codes/stguete.h"

namespace {

class UserSteelGrades : public ::testing::Test {
protected:
    void SetUp() override { Free_User_Stahlguete(); }
    void TearDown() override { Free_User_Stahlguete(); }
    static Stahlguete_Record Grade(unsigned int code, const char* name, double f_y1) {
        Stahlguete_Record r = *Get_Stahlguete_Record(0x10007);
        r.code = code;
        r.name = name;
        r.f_y1 = f_y1;
        return r;
    }
};

TEST(SteelGrades, FamiliesNameTheirRows) {
    EXPECT_STREQ(Get_Stahlguete_Name(0x10005), "S235");
    EXPECT_STREQ(Get_Stahlguete_Name(5), "S235 (St37)");
    EXPECT_STREQ(Get_Stahlguete_Name(6), "S275 (St44)");
    EXPECT_STREQ(Get_Stahlguete_Name(7), "S355 (St52)");
    EXPECT_STREQ(Get_Stahlguete_Name(0x10007), "S355");
    EXPECT_STREQ(Get_Stahlguete_Name(12), "S460 N/NL");
    EXPECT_STREQ(Get_Stahlguete_Name(13), "S460 M/ML");
    EXPECT_STREQ(Get_Stahlguete_Name(0x10000 + 27), "FK 8.8");
    EXPECT_STREQ(Get_Stahlguete_Name(0x10000 + 43), "S550GD");
    EXPECT_STREQ(Get_Stahlguete_Name(0x10000 + 14), "S 240 GP");
    // Family 2 and -1 read the DIN table.
    EXPECT_STREQ(Get_Stahlguete_Name(0x20005), "S235 (St37)");
    EXPECT_STREQ(Get_Stahlguete_Name(0xFFFF0005u), "S235 (St37)");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x20000, 10.0), 240.0);

    const Stahlguete_Record* r = Get_Stahlguete_Record(0x10000 + 31);
    EXPECT_EQ(r->code, 31u);
    EXPECT_STREQ(r->name, "S355 (1052)");
    EXPECT_DOUBLE_EQ(r->f_y1, 360.0);
    EXPECT_DOUBLE_EQ(r->f_y2, 335.0);
    EXPECT_DOUBLE_EQ(r->f_u, 510.0);
    EXPECT_DOUBLE_EQ(r->alpha_w, 0.8);
    EXPECT_DOUBLE_EQ(r->t_max, 80.0);
    EXPECT_DOUBLE_EQ(r->E, 210000.0);
    EXPECT_DOUBLE_EQ(r->G, 81000.0);
    EXPECT_DOUBLE_EQ(r->nu, 0.3);
    EXPECT_DOUBLE_EQ(r->alpha_T, 1.2e-5);
    double G = 0.0;
    EXPECT_DOUBLE_EQ(Get_Stahlguete_E(7, &G), 210000.0);
    EXPECT_DOUBLE_EQ(G, 81000.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_E(7, nullptr), 210000.0);
}

// DIN 18800-1 Table 1: S235 (St 37) 240 N/mm² up to 40 mm, 215 above;
// S355 (St 52-3 and the fine-grain 355) 360 up to 40 mm, 325 above.
TEST(SteelGrades, DinTableDiffersOnlyInTheS235AndS355YieldStrengths) {
    for (unsigned int row = 0; row < 44; ++row) {
        const Stahlguete_Record* ec = Get_Stahlguete_Record(0x10000 + row);
        const Stahlguete_Record* din = Get_Stahlguete_Record(row);
        SCOPED_TRACE(row);
        double expected = ec->f_y1, expected_thick = ec->f_y2;
        if (row == 0 || row == 1 || row == 2 || row == 3 || row == 5) expected = 240.0, expected_thick = 215.0;
        if (row == 4 || row == 7 || row == 10 || row == 11) expected = 360.0, expected_thick = 325.0;
        EXPECT_DOUBLE_EQ(din->f_y1, expected);
        EXPECT_DOUBLE_EQ(din->f_y2, expected_thick);
        EXPECT_DOUBLE_EQ(din->f_u, ec->f_u);
        EXPECT_DOUBLE_EQ(din->alpha_w, ec->alpha_w);
        EXPECT_DOUBLE_EQ(din->t_lim, ec->t_lim);
        EXPECT_EQ(din->code, row);
        if (row < 5 || row > 7) {
            EXPECT_STREQ(din->name, ec->name);
        }
    }
}

// A steel of own strengths under DIN 18800 takes the weld factor of the
// listed grade of its f_y,k's band, the next at or above it: S235 (St37)
// 240 N/mm² 0.95, S355 (St52) 360 0.80, S460 N/NL 460 0.60; so alpha_w f_y,k
// is never more than that grade's own (0.95 240 = 228, 0.80 360 = 288, 0.60
// 460 = 276). Above 460 the list has no grade: 0. The edges belong to the
// band below them.
TEST(SteelGrades, OwnStrengthsTakeTheWeldFactorOfTheirListedGrade) {
    EXPECT_DOUBLE_EQ(Get_Din_Own_F_Y_Max(), 460.0);
    const struct {
        unsigned int row;
        const char* name;
        double f_y, alpha_w;
    } grades[] = {{5, "S235 (St37)", 240, 0.95}, {7, "S355 (St52)", 360, 0.80}, {12, "S460 N/NL", 460, 0.60}};
    for (const auto& g : grades) {
        EXPECT_STREQ(Get_Stahlguete_Name(g.row), g.name);
        EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(g.row, 40.0), g.f_y);
        EXPECT_DOUBLE_EQ(Get_Stahlguete_Record(g.row)->alpha_w, g.alpha_w);
    }
    const struct {
        double f_y, alpha_w;
    } rows[] = {{1, 0.95},      {200, 0.95},   {240, 0.95},   {240.001, 0.80}, {300, 0.80}, {360, 0.80},
                {360.001, 0.60}, {430, 0.60}, {460, 0.60},   {460.001, 0.0},  {690, 0.0},  {0, 0.0},
                {-240, 0.0},    {NAN, 0.0},   {INFINITY, 0.0}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(Get_Din_Own_Alpha_w(r.f_y), r.alpha_w) << r.f_y;
    // Never more than the grade of its band, at every f_y,k of the list's range.
    for (double f_y = 1; f_y <= 460; f_y += 0.5) {
        const auto& g = f_y <= 240 ? grades[0] : f_y <= 360 ? grades[1] : grades[2];
        EXPECT_LE(Get_Din_Own_Alpha_w(f_y) * f_y, g.alpha_w * g.f_y + 1e-9) << f_y;
        EXPECT_GT(Get_Din_Own_Alpha_w(f_y), 0.0) << f_y;
    }
}

TEST(SteelGrades, ThicknessLimitTakesTheFirstValueUpToItself) {
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x10000, 40.0), 235.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0, 40.0), 240.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0, 40.1), 215.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x10007, 40.001), 335.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(12, 80.0), 430.0);
    // Bolt classes: the limit is 80 mm and both values agree.
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x10000 + 27, 80.0), 640.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x10000 + 27, 80.1), 640.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_Record(0x10000 + 27)->t_lim, 80.0);
}

TEST(SteelGrades, CodesThatNameNoRowAnswerFromTheFamilyDefault) {
    const Stahlguete_Record* ec = Get_Stahlguete_Record(0x10000 + 44);
    const Stahlguete_Record* din = Get_Stahlguete_Record(44);
    EXPECT_EQ(ec, Get_Default_Stahlguete_Record(1));
    EXPECT_EQ(din, Get_Default_Stahlguete_Record(0));
    EXPECT_EQ(din, Get_Default_Stahlguete_Record(2));
    EXPECT_STREQ(ec->name, "?????");
    EXPECT_EQ(ec->code, 44u);
    EXPECT_DOUBLE_EQ(ec->f_y1, 235.0);
    EXPECT_DOUBLE_EQ(din->f_y1, 240.0);
    EXPECT_DOUBLE_EQ(din->f_y2, 215.0);
    EXPECT_DOUBLE_EQ(din->f_u, 360.0);
    EXPECT_DOUBLE_EQ(din->alpha_w, 0.95);
    EXPECT_STREQ(Get_Stahlguete_Name(0xFFFF), "?????");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x10000 + 100, 40.0), 235.0);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(100, 41.0), 215.0);
}

TEST(SteelGrades, DesignStrengths) {
    double out[4] = {-1, -1, -1, -1};
    EXPECT_EQ(Get_Stahlguete_Festigkeit(0x10007, 50.0, 1.1, out), 1);
    EXPECT_DOUBLE_EQ(out[0], 335.0 / 1.1);
    EXPECT_DOUBLE_EQ(out[1], 335.0 / 1.1);
    EXPECT_DOUBLE_EQ(out[3], 335.0 / 1.1);
    EXPECT_NEAR(out[2], 335.0 / 1.1 / std::sqrt(3.0), 1e-9);
    EXPECT_EQ(Get_Stahlguete_Festigkeit(0x10007, 40.0, 0.0, out), 1);
    for (double v : out) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(Get_Stahlguete_Festigkeit(0x10007, 40.0, 1.0, nullptr), 0);
    // A built-in row above 43 answers from the default row but reports 0.
    EXPECT_EQ(Get_Stahlguete_Festigkeit(0x10000 + 44, 40.0, 1.0, out), 0);
    EXPECT_DOUBLE_EQ(out[0], 235.0);
}

TEST(SteelGrades, CodeByIndexFallsBackToS235) {
    const unsigned int codes[3] = {0x10007, 12, 0x10005};
    EXPECT_EQ(Get_Stahlguete_Code_By_Index(1, codes, 3), 12u);
    EXPECT_EQ(Get_Stahlguete_Code_By_Index(-1, codes, 3), 5u);
    EXPECT_EQ(Get_Stahlguete_Code_By_Index(3, codes, 3), 5u);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(1, nullptr, 3, 12), 0);
    EXPECT_EQ(Fill_Stahlguete_Stringlist(1, codes, 0, 12), 0);
}

TEST_F(UserSteelGrades, StoringTheSameNumberTwiceKeepsOneRow) {
    Stahlguete_Record a = Grade(0x18065, "Eigene A", 300.0);
    EXPECT_EQ(Set_User_Stahlguete(&a), 0x8065u);
    Stahlguete_Record b = Grade(0x18065, "Eigene B", 310.0);
    EXPECT_EQ(Set_User_Stahlguete(&b), 0x8065u);
    EXPECT_EQ(Get_User_Stahlguete_Count(), 1);
    const Stahlguete_Record* r = Get_Stahlguete_Record(0x8065);
    EXPECT_EQ(r->code, 0x8065u);
    EXPECT_STREQ(r->name, "Eigene B");
    EXPECT_NE(r->name, b.name);  // an own copy
    EXPECT_DOUBLE_EQ(r->f_y1, 310.0);
    // Family bits of the lookup only choose the default row when missing.
    EXPECT_EQ(Get_Stahlguete_Record(0x18065), r);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x8065, 39.0), 310.0);
    EXPECT_EQ(Set_User_Stahlguete(nullptr), 0u);
}

TEST_F(UserSteelGrades, MissingUserGradeAnswersFromItsFamilyDefault) {
    EXPECT_EQ(Get_Stahlguete_Record(0x18001), Get_Default_Stahlguete_Record(1));
    EXPECT_EQ(Get_Stahlguete_Record(0x8001), Get_Default_Stahlguete_Record(0));
    EXPECT_STREQ(Get_Stahlguete_Name(0x8001), "?????");
    double out[4];
    EXPECT_EQ(Get_Stahlguete_Festigkeit(0x8001, 10.0, 1.0, out), 1);
    EXPECT_DOUBLE_EQ(out[0], 240.0);
}

TEST_F(UserSteelGrades, NullNameAndPassedBackRecord) {
    Stahlguete_Record a = Grade(3, nullptr, 300.0);
    EXPECT_EQ(Set_User_Stahlguete(&a), 0x8003u);
    EXPECT_STREQ(Get_Stahlguete_Name(0x8003), "?????");

    Stahlguete_Record c = Grade(4, "Mein Stahl", 320.0);
    Set_User_Stahlguete(&c);
    // The row itself, passed back with a changed value, replaces itself and
    // keeps its name text.
    Stahlguete_Record* row = const_cast<Stahlguete_Record*>(Get_Stahlguete_Record(0x8004));
    row->f_y1 = 330.0;
    EXPECT_EQ(Set_User_Stahlguete(row), 0x8004u);
    EXPECT_EQ(Get_User_Stahlguete_Count(), 2);
    EXPECT_STREQ(Get_Stahlguete_Name(0x8004), "Mein Stahl");
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x8004, 10.0), 330.0);
}

TEST_F(UserSteelGrades, DeleteKeepsOrderAndGrowthKeepsRows) {
    for (unsigned int n = 1; n <= 3; ++n) {
        const std::string name = "G" + std::to_string(n);
        Stahlguete_Record r = Grade(n, name.c_str(), 200.0 + n);
        Set_User_Stahlguete(&r);
    }
    EXPECT_EQ(Delete_User_Stahlguete(0x8002), 1);
    EXPECT_EQ(Delete_User_Stahlguete(0x8002), 0);
    ASSERT_EQ(Get_User_Stahlguete_Count(), 2);
    EXPECT_STREQ(Get_User_Stahlguete_Record(0)->name, "G1");
    EXPECT_STREQ(Get_User_Stahlguete_Record(1)->name, "G3");
    EXPECT_EQ(Get_User_Stahlguete_Record(2), Get_Default_Stahlguete_Record(1));
    EXPECT_EQ(Get_User_Stahlguete_Record(-1), Get_Default_Stahlguete_Record(1));

    // More than one growth step: every row stays reachable by its code.
    for (unsigned int n = 10; n < 35; ++n) {
        Stahlguete_Record r = Grade(n, "x", 100.0 + n);
        Set_User_Stahlguete(&r);
    }
    EXPECT_EQ(Get_User_Stahlguete_Count(), 27);
    for (unsigned int n = 10; n < 35; ++n) EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x8000 | n, 1.0), 100.0 + n);
    EXPECT_DOUBLE_EQ(Get_Stahlguete_fy(0x8003, 1.0), 203.0);
    Free_User_Stahlguete();
    EXPECT_EQ(Get_User_Stahlguete_Count(), 0);
    EXPECT_EQ(Delete_User_Stahlguete(0x8001), 0);
}

}  // namespace
