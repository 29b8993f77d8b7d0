// The six internal forces of a load case and the factors of their units.
#include <gtest/gtest.h>

#include <cmath>

#include "base/schnittkraefte.h"

namespace {

// One force of 1 N and one moment of 1 Nmm in each unit pair of the load
// table, by hand: 1 N = 0.001 kN; 1 Nmm = 1e-6 kNm = 1e-4 kNcm = 0.001 Nm.
TEST(Schnittkraefte, ScreenUnitsOfTheLoadUnitCodes) {
    struct Row {
        int code;
        double kN_per_N, moment_per_Nmm, N_per_unit, Nmm_per_unit;
    } const rows[] = {
        {0, 0.001, 1e-6, 1000.0, 1e6},   // kN, kNm
        {1, 0.001, 1e-4, 1000.0, 1e4},   // kN, kNcm
        {2, 1.0, 0.001, 1.0, 1000.0},    // N, Nm
        {3, 1.0, 1.0, 1.0, 1.0},         // N, Nmm
        {-1, 1.0, 1.0, 1.0, 1.0},        // any other code: N, Nmm
    };
    for (const Row& r : rows) {
        const Schnittkraefte_Units to = Load_Unit_To_Screen(r.code), back = Load_Unit_From_Screen(r.code);
        EXPECT_EQ(to.force, r.kN_per_N) << r.code;
        EXPECT_EQ(to.moment, r.moment_per_Nmm) << r.code;
        EXPECT_EQ(back.force, r.N_per_unit) << r.code;
        EXPECT_EQ(back.moment, r.Nmm_per_unit) << r.code;
    }
    EXPECT_EQ(SCHNITTKRAEFTE_TO_KN.force, 0.001);
    EXPECT_EQ(SCHNITTKRAEFTE_TO_KN.moment, 1e-6);
    EXPECT_EQ(SCHNITTKRAEFTE_FROM_KN.force, 1000.0);
    EXPECT_EQ(SCHNITTKRAEFTE_FROM_KN.moment, 1e6);
}

// Each member keeps its own value and takes the factor of its kind: a
// force scaled as a moment, or two members swapped, shows.
TEST(Schnittkraefte, ScalesForcesAndMomentsByName) {
    const Schnittkraefte f = {-450e3, 8e3, 40e3, 0.5e6, 60e6, 12e6};  // N, V_y, V_z, M_x, M_y, M_z
    const Schnittkraefte k = Scale_Schnittkraefte(f, {0.001, 1e-6});
    EXPECT_EQ(k.N, -450.0);
    EXPECT_EQ(k.V_y, 8.0);
    EXPECT_EQ(k.V_z, 40.0);
    EXPECT_EQ(k.M_x, 0.5);
    EXPECT_EQ(k.M_y, 60.0);
    EXPECT_EQ(k.M_z, 12.0);
}

// Load is a magnitude above the limit in any member; a value that is no
// number is none.
TEST(Schnittkraefte, ExceedsTheLimitInAnyMember) {
    double Schnittkraefte::*const members[6] = {&Schnittkraefte::N,   &Schnittkraefte::V_y, &Schnittkraefte::V_z,
                                                &Schnittkraefte::M_x, &Schnittkraefte::M_y, &Schnittkraefte::M_z};
    for (auto m : members) {
        Schnittkraefte f{};
        EXPECT_EQ(Schnittkraefte_Exceed(f, 0.001), 0);
        f.*m = -0.0011;
        EXPECT_EQ(Schnittkraefte_Exceed(f, 0.001), 1);
        f.*m = 0.001;
        EXPECT_EQ(Schnittkraefte_Exceed(f, 0.001), 0);
        f.*m = std::nan("");
        EXPECT_EQ(Schnittkraefte_Exceed(f, 0.001), 0);
    }
}

}  // namespace
