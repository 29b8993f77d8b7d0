// Bolt group under eccentric shear, elastic method: forces worked out by
// hand, the derivation lines of the print list, and the refusals of groups
// that cannot take the moment or have no bolts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/cp850.h"
#include "endplate/bolt_group.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"

namespace {

// Four bolts at (+-40, +-60) mm; V_z = 100 kN acting at y_F = 150 mm.
const double Y4[4] = {40, 40, -40, -40}, Z4[4] = {60, -60, 60, -60};

class BoltGroup : public ::testing::Test {
protected:
    void SetUp() override {
        OLI_Reset_Writer();
        list_ = std::tmpfile();
    }
    void TearDown() override { std::fclose(list_); }
    std::string List() {
        OLI_End_Text(list_);
        return testutil::Stream_Text(list_);
    }
    FILE* list_ = nullptr;
};

TEST_F(BoltGroup, EccentricShearByHand) {
    // Centroid (0, 0); I_p' = 4 (40² + 60²) = 20800 mm² = 208 cm²;
    // M' = V_z (y_F - y_s) = 100000 N x 150 mm = 1.5e7 Nmm.
    // Bolt 1 (40, 60): T_y = -60 x 1.5e7 / 20800 = -43269.23 N,
    // T_z = 100000 / 4 + 40 x 1.5e7 / 20800 = 25000 + 28846.15 = 53846.15 N,
    // T = (43269.23² + 53846.15²)^1/2 = 69077.02 N; bolt 2 (40, -60) has
    // the same force and the first one counts; bolts 3, 4: 43440 N.
    double T_y = 0, T_z = 0, M_rest = -1;
    const double max_T = Calc_Bolt_Group(4, Y4, Z4, nullptr, 0, 100000, 0, 150, 0, -1, 0, &T_y, &T_z, &M_rest, list_, 1);
    EXPECT_NEAR(max_T, 69077.02, 0.01);
    EXPECT_EQ(M_rest, 0.0);
    const std::string list = List();
    for (const char* line :
         {"Schwerpunktskoordinaten  y╬\\s╬r' = 0.0 mm,  z╬\\s╬r' = 0.0 mm"_cp,
          "Querschnittsfläche  A' = n╬\\x╬r╬/.╬rn╬\\z╬r = 4,  polares Trägheitsmoment I╬\\p╬r' = ▓y╬\\i╬r'² + ▓z╬\\i╬r'² = 208.00 cm²"_cp,
          "Schnittgrößen im Schwerpunkt  V╬\\y╬r' = 0.0 kN,  V╬\\z╬r' = 100.0 kN,  M╬\\x╬r' = 15.00 kNm"_cp,
          "Maximale Beanspruchung  max T╬\\i╬r = T╬\\1╬r = 69.08 kN  bei 4 Schrauben"_cp})
        EXPECT_NE(list.find(line), std::string::npos) << line << "\n" << list;

    // Bolt 3 alone: T_y = -43269.23 N, T_z = 25000 - 28846.15 = -3846.15 N.
    const double T3 = Calc_Bolt_Group(4, Y4, Z4, nullptr, 0, 100000, 0, 150, 0, 2, 0, &T_y, &T_z, nullptr, nullptr, 0);
    EXPECT_NEAR(T_y, -43269.23, 0.01);
    EXPECT_NEAR(T_z, -3846.15, 0.01);
    EXPECT_NEAR(T3, std::hypot(43269.23, 3846.15), 0.01);
    // Without the component outputs bolt k is not evaluated: the largest.
    EXPECT_NEAR(Calc_Bolt_Group(4, Y4, Z4, nullptr, 0, 100000, 0, 150, 0, 2, 0, nullptr, &T_z, nullptr, nullptr, 0),
                69077.02, 0.01);
    // Pure torsion of 10 kNm on the square of bolts at (+-50, +-50):
    // every bolt M r / sum r² = 1e7 x 70.71 / 20000 = 35355.34 N.
    const double Ys[4] = {50, 50, -50, -50}, Zs[4] = {50, -50, 50, -50};
    EXPECT_NEAR(Calc_Bolt_Group(4, Ys, Zs, nullptr, 0, 0, 1e7, 0, 0, -1, 0, nullptr, nullptr, nullptr, nullptr, 0),
                35355.34, 0.01);
    // A row along y (mode 1) with V_y only: V_y / n each, no moment term.
    const double Yr[3] = {-80, 0, 80}, Zr[3] = {0, 0, 0};
    EXPECT_NEAR(Calc_Bolt_Group(3, Yr, Zr, nullptr, 30000, 0, 0, 0, 0, -1, 1, nullptr, nullptr, nullptr, nullptr, 0),
                10000.0, 1e-9);
    // Factors 2, 1, 1 on the row: A' = 4, bolt 1 gets 2 x 30000 / 4.
    const double w[3] = {2, 1, 1};
    EXPECT_NEAR(Calc_Bolt_Group(3, Yr, Zr, w, 30000, 0, 0, 40, 0, -1, 1, nullptr, nullptr, nullptr, nullptr, 0),
                15000.0, 1e-9);
}

TEST_F(BoltGroup, OneBoltAndItsEccentricity) {
    const double y = 0, z = 0;
    // The load at the bolt: T_1 = V_z = 20 kN.
    double T_y = 0, T_z = 0, M_rest = -1;
    EXPECT_DOUBLE_EQ(Calc_Bolt_Group(1, &y, &z, nullptr, 0, 20000, 0, 0, 0, 0, 0, &T_y, &T_z, &M_rest, list_, 0),
                     20000.0);
    EXPECT_NE(List().find("T╬\\1╬r = T╬\\z,1╬r = 20.00 kN\n"_cp), std::string::npos);
    // 50 mm off the bolt: M' = 1e6 Nmm cannot be taken (I_p' = 0) and is
    // named; the bolt takes the shear, the rest moment M_x - M' = -1e6 Nmm.
    std::fclose(list_);
    list_ = std::tmpfile();
    EXPECT_DOUBLE_EQ(Calc_Bolt_Group(1, &y, &z, nullptr, 0, 20000, 0, 50, 0, -1, 0, &T_y, &T_z, &M_rest, list_, 0),
                     20000.0);
    EXPECT_DOUBLE_EQ(M_rest, -1e6);
    const std::string list = List();
    EXPECT_NE(list.find("I╬\\p╬r' = 0: Das Exzentrizitätsmoment M' = 1.00 kNm kann nicht aufgenommen werden "
                        "(n╬\\x╬r╬/.╬rn╬\\z╬r < 2)"_cp),
              std::string::npos)
        << list;
    // Two bolts on one point behave as one.
    const double y2[2] = {10, 10}, z2[2] = {5, 5};
    EXPECT_DOUBLE_EQ(Calc_Bolt_Group(2, y2, z2, nullptr, 0, 20000, 0, 60, 5, -1, 0, nullptr, nullptr, &M_rest, nullptr, 0),
                     10000.0);
    EXPECT_DOUBLE_EQ(M_rest, -1e6);
}

// A group without polar moment takes no part of the moment about its
// centroid, M' = M_x + V_z (y_F - y_s) + V_y (z_s - z_F): all of it is
// refused and named as M', the M_x' of the derivation above it (the rest
// moment is -M', M_x - M' when M_x = 0), and the bolts take the shear
// alone.
TEST_F(BoltGroup, AGroupWithoutPolarMomentRefusesTheWholeMoment) {
    const double y1[1] = {0}, z1[1] = {0}, y2[2] = {10, 10}, z2[2] = {5, 5};
    struct Case {
        int n;
        const double *y, *z;
        double V_y, V_z, M_x, y_F, z_F;
        double T, rest;       // N, Nmm
        const char* shown;    // the refused moment in kNm
    } cases[] = {
        // One bolt twisted by 5 kNm: no shear, M' = 5e6 Nmm.
        {1, y1, z1, 0, 0, 5e6, 0, 0, 0, -5e6, "5.00"},
        // 2 kNm and 20 kN at 50 mm: M' = 2e6 + 20000 x 50 = 3e6 Nmm.
        {1, y1, z1, 0, 20000, 2e6, 50, 0, 20000, -3e6, "3.00"},
        // Two bolts on one point, 1 kNm and V_y 10 kN at z_F = 35:
        // M' = 1e6 + 10000 (5 - 35) = 7e5 Nmm; 5 kN to each bolt.
        {2, y2, z2, 10000, 0, 1e6, 10, 35, 5000, -7e5, "0.70"},
        // Torsion against the eccentricity, 1e6 - 20000 x 50 = 0: nothing
        // is refused.
        {1, y1, z1, 0, 20000, -1e6, 50, 0, 20000, 0, nullptr},
    };
    for (const Case& c : cases) {
        std::fclose(list_);
        list_ = std::tmpfile();
        double M_rest = 99;
        EXPECT_DOUBLE_EQ(Calc_Bolt_Group(c.n, c.y, c.z, nullptr, c.V_y, c.V_z, c.M_x, c.y_F, c.z_F, -1, 0, nullptr,
                                         nullptr, &M_rest, list_, 1),
                         c.T);
        EXPECT_DOUBLE_EQ(M_rest, c.rest);
        const std::string list = List();
        const size_t refusal = list.find("Exzentrizitätsmoment M' = "_cp);
        if (!c.shown) {
            EXPECT_EQ(refusal, std::string::npos) << list;
            continue;
        }
        EXPECT_NE(list.find(std::string("Exzentrizitätsmoment M' = "_cp) + c.shown + " kNm kann nicht"),
                  std::string::npos)
            << list;
        EXPECT_NE(list.find(std::string("M╬\\x╬r' = "_cp) + c.shown + " kNm\n"), std::string::npos) << list;
        // Without shear there is no bolt force to give.
        if (c.T == 0) {
            EXPECT_NE(list.find("Maximale Beanspruchung nicht ermittelbar"), std::string::npos) << list;
        }
    }
}

TEST_F(BoltGroup, NoBoltsOrNoNumbersAreRefused) {
    const double y[2] = {0, 100}, z[2] = {0, 0};
    double T_y = 1, T_z = 1, M_rest = 1;
    // No forces: 0, nothing printed.
    EXPECT_EQ(Calc_Bolt_Group(2, y, z, nullptr, 0, 0, 0, 0, 0, -1, 0, &T_y, &T_z, &M_rest, list_, 1), 0.0);
    EXPECT_EQ(T_y + T_z + M_rest, 0.0);
    // Forces on no bolts, or a value that is no number: 0 and the line that
    // the largest force cannot be given, never "nan".
    EXPECT_EQ(Calc_Bolt_Group(0, y, z, nullptr, 0, 5000, 0, 0, 0, -1, 0, nullptr, nullptr, nullptr, list_, 1), 0.0);
    EXPECT_EQ(Calc_Bolt_Group(2, y, z, nullptr, NAN, 5000, 0, 0, 0, 1, 0, &T_y, &T_z, nullptr, list_, 1), 0.0);
    const double bad[2] = {0, INFINITY};
    EXPECT_EQ(Calc_Bolt_Group(2, bad, z, nullptr, 0, 5000, 0, 0, 0, -1, 0, nullptr, nullptr, nullptr, list_, 1), 0.0);
    const std::string list = List();
    size_t n = 0;
    for (size_t at = list.find("Maximale Beanspruchung nicht ermittelbar"); at != std::string::npos;
         at = list.find("Maximale Beanspruchung nicht ermittelbar", at + 1))
        n++;
    EXPECT_EQ(n, 3u) << list;
    EXPECT_EQ(list.find("nan"), std::string::npos);
    // The centroid and moments of no points are 0.
    double ys = 1, zs = 1, A = 1, Izz = 1, Iyy = 1, Ip = 1;
    Calc_Point_Group_Inertia(0, y, z, nullptr, &ys, &zs, &A, &Izz, &Iyy, &Ip, 0, 0, 0);
    EXPECT_EQ(ys + zs + A + Izz + Iyy + Ip, 0.0);
    // About the origin (mode 1) and a given point (mode 2): sum of y².
    Calc_Point_Group_Inertia(2, y, z, nullptr, &ys, nullptr, nullptr, nullptr, &Iyy, nullptr, 1, 0, 0);
    EXPECT_EQ(ys * 100000 + Iyy, 50 * 100000 + 10000.0);
    Calc_Point_Group_Inertia(2, y, z, nullptr, nullptr, nullptr, nullptr, nullptr, &Iyy, nullptr, 2, 100, 0);
    EXPECT_EQ(Iyy, 10000.0);
}

}  // namespace
