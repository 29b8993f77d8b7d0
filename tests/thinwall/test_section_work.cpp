// The work record's one code word shared by the three accessor families, and
// the shear shares of a line for given forces.
#include <gtest/gtest.h>

#include <cmath>

#include "thinwall/plo.h"
#include "thinwall/section_work.h"

namespace {

TEST(SectionWork, OneCodeWordForAllFamilies) {
    Section_Work_Record w{};
    Set_Section_Work_Code(nullptr, &w.head, 0x1000013);
    EXPECT_EQ(Get_Section_Work_Code_2(nullptr, &w.head), 0x1000013);
    Set_Section_Work_Code_3(nullptr, &w.head, 0x1000005);  // the filler that ran last owns the word
    EXPECT_EQ(Get_Section_Work_Code(nullptr, &w.head), 0x1000005);
    EXPECT_EQ(Get_Section_Work_Payload(nullptr, &w.head), w.payload);
    EXPECT_EQ(Get_Section_Work_Payload_2(nullptr, &w.head), w.payload);
    EXPECT_EQ(reinterpret_cast<char*>(Get_Section_Work_Payload_3(nullptr, &w.head)) - reinterpret_cast<char*>(&w),
              42 * 4);
    double F[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    Scale_Forces(F, 0);
    for (double v : F) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(Scale_Forces(nullptr, 2), nullptr);
}

TEST(SectionWork, TransformForces) {
    DWQB_PLO_Linie line{};
    line.number = 4, line.y = 1, line.z = 2, line.angle = 0.5;
    line.vy_y = 0.5, line.vz_z = 0.25, line.torsion_share = 0.1, line.torsion_factor = 2;
    line.inv_area_y = line.inv_area_z = 0.1;
    const double F[8] = {0, 10, 20, 30, 0, 0, 0, 0};
    TSG_Eintrag e;
    ASSERT_EQ(Transform_Forces(F, &line, 23.5, &e), 1);
    // shares 0.5 * 10 = 5 and 0.25 * 20 = 5, torsion 0.1 * 30 = 3; a = 0.5 * 2 * 3 = 3,
    // tau = 3 + sqrt(0.5^2 + 0.5^2 + 3^2), u = sqrt3 tau / 23.5
    EXPECT_EQ(e.number, 4);
    EXPECT_EQ(e.angle, 0.5);
    EXPECT_DOUBLE_EQ(e.vy_share, 5);
    EXPECT_DOUBLE_EQ(e.vz_share, 5);
    EXPECT_DOUBLE_EQ(e.tau, 3 + std::sqrt(9.5));
    EXPECT_DOUBLE_EQ(e.u, std::sqrt(3.0) * (3 + std::sqrt(9.5)) / 23.5);
    ASSERT_EQ(Transform_Forces(F, &line, 0, &e), 1);
    EXPECT_EQ(e.u, 0.0);
    EXPECT_EQ(Transform_Forces(F, &line, 23.5, nullptr), 0);
}

}  // namespace
