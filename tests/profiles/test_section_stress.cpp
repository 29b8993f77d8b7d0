// Stresses of the standing section model and the steel profile handed to
// the section library: shapes and dimensions in cm, the resultant bending of
// mode 7, the stress extremes of a typed I against the Navier formula.
#include <gtest/gtest.h>

#include <cmath>

#include "profiles/catalogue_fixture.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/profile_switches.h"
#include "profiles/section_stress.h"
#include "profiles/stahlprofil_library.h"
#include "thinwall/dwqb.h"

namespace {

using testutil::CatalogueTest;
// The library's option word is process-wide: each test leaves it as found.
class SectionLibrary : public CatalogueTest {
  protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        option_word = DWQB_Option_Word;
    }
    void TearDown() override {
        DWQB_Option_Word = option_word;
        Invalidate_Profil_DWQB_Cache();
        CatalogueTest::TearDown();
    }
    uint32_t option_word = 0;
};

Stahlprofil Typed(int type, double h, double tw, double bo, double to, double bu, double tu) {
    Stahlprofil p;
    Init_Profile(&p);
    p.kind = 0;
    p.type = type;
    p.h = h, p.t_w = tw, p.b_fo = bo, p.t_fo = to, p.b_fu = bu, p.t_fu = tu;
    Default_Material_Params(&p.material);
    return p;
}

TEST_F(SectionLibrary, ProfilesAreHandedInCentimetres) {
    struct Case {
        Stahlprofil p;
        int shape;
        double d[10];
    } cases[] = {
        {Typed(5, 300, 7.1, 150, 10.7, 150, 10.7), 0, {30, 15, 0.71, 1.07}},
        {Typed(5, 300, 7.1, 150, 10.7, 150.0001, 10.7), 12, {30, 0, 0.71, 0, 15, 15.00001, 0, 0, 1.07, 1.07}},
        {Typed(17, 100, 6, 50, 8, 0, 0), 2, {5.0, 10.0, 0.8, 0.6}},
    };
    for (const Case& c : cases) {
        const Profilquerschnitt* q = Setup_Stahlprofil_DWQB(&c.p, 0);
        ASSERT_NE(q, nullptr) << c.shape;
        Profilquerschnitt expected;
        Init_Profilquerschnitt(&expected);
        ASSERT_EQ(Set_Profilquerschnitt_By_Dimensions(&expected, q->grade, 100, c.shape, 0, c.d, c.d), 1);
        EXPECT_EQ(q->type, c.shape);
        for (int k = 0; k < 10; k++) EXPECT_NEAR(q->start[k], expected.start[k], 1e-9) << c.shape << " " << k;
    }
}

// The model of the profile is built once and taken as it stands while
// profile and option word stay (every load case of a connection); another
// profile, or the same one under another option word, is built anew. The
// option word decides whether the closed-form values of the shape stand in
// place of the computed ones.
TEST_F(SectionLibrary, ModelKeptPerProfileAndOptionWord) {
    const Stahlprofil p = Typed(5, 300, 7.1, 150, 10.7, 150, 10.7);
    Profilquerschnitt* q = Setup_Stahlprofil_DWQB(&p, 0);
    ASSERT_NE(q, nullptr);
    const uint32_t built = DWQB_Model_Generation;
    EXPECT_TRUE(DWQB_Optionen & DWQB_OPT_GIVEN_VALUES);  // 0x1E01E asks for them
    for (int i = 0; i < 3; i++) ASSERT_EQ(Setup_Stahlprofil_DWQB(&p, 0), q);
    EXPECT_EQ(DWQB_Model_Generation, built);

    const Stahlprofil deeper = Typed(5, 320, 7.1, 150, 10.7, 150, 10.7);
    ASSERT_NE(Setup_Stahlprofil_DWQB(&deeper, 0), nullptr);
    EXPECT_NE(DWQB_Model_Generation, built);
    const double hi = 32 - 2 * 1.07;  // A = b h - (b - t_w) h_i in cm
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 15 * 32 - (15 - 0.71) * hi, 1e-3);

    const uint32_t deeper_built = DWQB_Model_Generation;
    DWQB_Option_Word = 0x1E;  // the same section without the closed-form values
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(q, 0.5, nullptr, 2), 1);
    EXPECT_NE(DWQB_Model_Generation, deeper_built);
    EXPECT_FALSE(DWQB_Optionen & DWQB_OPT_GIVEN_VALUES);
}

TEST_F(SectionLibrary, StressExtremesOfATypedI) {
    // The library asks for the complete section values: those of the plates
    // themselves, A = b h - (b - t_w) h_i, I_y = (b h^3 - (b - t_w) h_i^3)/12
    // with h_i = h - 2 t_f; the outer faces lie at +-h/2.
    const double h = 30, b = 15, tw = 0.71, tf = 1.07, hi = h - 2 * tf;
    const double A = b * h - (b - tw) * hi, I = (b * h * h * h - (b - tw) * hi * hi * hi) / 12;
    const Stahlprofil p = Typed(5, 300, 7.1, 150, 10.7, 150, 10.7);
    double s = 0, t = 0, v = 0, at = 0;
    ASSERT_EQ(Calc_Profile_Stress_Extremes(&p, 50, 20, 0, 0, 0, 0, 0, 0, &s, &t, &v, &at), 0);
    EXPECT_NEAR(s, 10 * (50 / A + 2000 / I * h / 2), 1e-4);
    EXPECT_NEAR(v, s, 1e-9);  // no shear
    EXPECT_EQ(t, 0);
    // No force at all: nothing is built, all outputs 0.
    EXPECT_EQ(Calc_Profile_Stress_Extremes(&p, 0, 0, 0, 0, 0, 0, 0, 0.0005, &s, &t, &v, nullptr), 0);
    EXPECT_EQ(s, 0);

    // Mode 7 bends about the resultant: (1, 1) as (sqrt 2, 0).
    Profil_DWQB_Store.mode = 7;
    Calc_Section_Stress_Extremes(0, 0, 0, 0, 100, 100, 0, 0);
    const Section_Stress_Extremes a = Profil_DWQB_Extremes;
    Calc_Section_Stress_Extremes(0, 0, 0, 0, 100 * std::sqrt(2.0), 0, 0, 0);
    EXPECT_NEAR(a.sigma_max, Profil_DWQB_Extremes.sigma_max, 1e-12);
    EXPECT_NEAR(a.sigma_min, Profil_DWQB_Extremes.sigma_min, 1e-12);
    EXPECT_EQ(Get_Section_Point(-1, nullptr, nullptr, nullptr), CT_NO_PART);

    // A flat bar 100 x 10 has no plates: its stress points are the corners
    // with the stresses of its section moduli.
    const Stahlprofil bar = Typed(1, 100, 10, 0, 0, 0, 0);
    ASSERT_EQ(Calc_Profile_Stress_Extremes(&bar, 50, 2, 0, 0, 0, 0, 0, 0, &s, &t, &v, &at), 0);
    EXPECT_NEAR(s, 10 * (50.0 / 10 + 200 * 6 / (1.0 * 10 * 10)), 1e-4);  // N/A + M/(t h²/6)
    EXPECT_NEAR(v, s, 1e-9);
    EXPECT_EQ(Get_Section_Point(Get_Section_Part_Count(), nullptr, nullptr, nullptr), CT_NO_PART);
}

}  // namespace
