// Limit-state routines on a steel rectangle: safety factor from the steel
// strain, check and load factor of given forces through the driver, and the
// point values of a section with more points than the block holds.
#include <gtest/gtest.h>

#include "section/limit_states.h"
#include "section/section_model.h"
#include "section/stress_strain.h"
#include "section_fixture.h"

namespace {

using section_fixture::Add_Rectangle;
using section_fixture::Add_Steel;

TEST(LimitStates, SafetyFactorFromTheSteelStrain) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2);
    // gamma = 2.1 - 0.35 e_s / 3 between 1.75 and 2.1.
    const struct { double e_s, gamma; } cases[] = {{0, 2.1}, {1.5, 1.925}, {3, 1.75}, {8, 1.75}, {-1, 2.1}};
    for (const auto& c : cases) {
        Grenzdehnung_Ergebnis r{};
        r.ebene[1] = c.e_s;  // uniform strain
        double gamma = 0, range[9];
        ASSERT_EQ(Calc_Sicherheitsbeiwert(q, &r, 0, &gamma, range), 1);
        EXPECT_NEAR(gamma, c.gamma, 1e-12) << c.e_s;
    }
    double gamma = 0;
    EXPECT_EQ(Calc_Sicherheitsbeiwert(nullptr, nullptr, 1.5, &gamma, nullptr), 1);
    EXPECT_EQ(gamma, 1.5);
    Free_Querschnitt(q);
}

TEST(LimitStates, CheckAndLoadFactorThroughTheDriver) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Add_Rectangle(q, Add_Steel(q, 235), 0.1, 0.2);
    ASSERT_EQ(Set_Grenzzustand_Querschnitt(0, 0, 0, q, 1, 1), 1);
    // M_pl = 235000 x 0.1 x 0.2² / 4 = 235 kNm.
    Grenzzustand_Block b;
    const double forces[3] = {0, 47, 0};
    ASSERT_EQ(Calc_Grenzzustand(3, forces, &b), 1);
    EXPECT_NEAR(b.v[6], 235.0 / 47, 2e-3 * 5);
    EXPECT_NEAR(b.v[4], 47, 0.05);
    ASSERT_EQ(Calc_Grenzzustand(2, forces, &b), 1);
    EXPECT_NEAR(b.v[4], 47, 0.01);
    EXPECT_NEAR(b.v[3], 0, 0.01);
    // Beyond the capacity by more than 20 %: no plane, the block is cleared.
    const double too_much[3] = {0, 300, 0};
    ASSERT_EQ(Calc_Grenzzustand(2, too_much, &b), 1);
    EXPECT_EQ(b.v[4], 0);
    EXPECT_EQ(Release_Grenzzustand_Querschnitt(), 1);
    EXPECT_EQ(Release_Grenzzustand_Querschnitt(), 0);
    Free_Querschnitt(q);
}

TEST(LimitStates, PointValuesStopAtTheBlocksEnd) {
    Querschnitt* q = New_Querschnitt(1, 0);
    Spannungsdehnungslinie* c = Add_Steel(q, 235);
    Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(1, c);
    Add_Querschnittsgruppe(q, g);
    for (int i = 0; i < 300; ++i) {
        Querschnittsknoten* n = New_Querschnittsknoten(i + 1, 0.001 * i, 0);
        Add_Querschnittsknoten(q, n);
        Add_Punkt_To_Gruppe(g, n, 1e-4);
    }
    struct {
        Grenzzustand_Block b;
        double after = -7;
    } guarded;
    const double plane[4] = {0, 0.5, 0, 0};
    ASSERT_EQ(Calc_Grenzzustand_Punktwerte(q, plane, &guarded.b), 1);
    EXPECT_EQ(guarded.b.v[GZ_DEHNUNG + 255], 0.5);
    EXPECT_NEAR(guarded.b.v[GZ_SPANNUNG + 255], 0.5 * 210000, 1e-6);
    EXPECT_EQ(guarded.after, -7);
    Free_Querschnitt(q);
}

}  // namespace
