// Section values of the one-part calculation against the closed forms of
// thin-walled theory (centre-line model, plates' own bending across their
// thickness neglected).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/dwqb_integrals.h"
#include "thinwall/dwqb_shapes.h"

namespace test_dwqb_sections {
namespace {

const double h = 20, b = 10, tf = 1.2, tw = 0.8, t = 0.6;

struct Expected {
    double a, iy, iz, it, iw, ym, zm;
};

struct Case {
    std::string name;
    std::function<void()> build;
    Expected e;
};

void Rect_Tube(double bb, double hh) { Build_Tube(bb, hh, t); }

Expected Tube(double bb, double hh) {
    const double a_m = bb * hh, perimeter = 2 * (bb + hh);
    return {perimeter * t,
            t * hh * hh * hh / 6 + bb * t * hh * hh / 2,
            t * bb * bb * bb / 6 + hh * t * bb * bb / 2,
            4 * a_m * a_m * t / perimeter + perimeter * t * t * t / 3,  // Bredt plus the open plates
            t * bb * bb * hh * hh * (hh - bb) * (hh - bb) / (24 * (bb + hh)),
            0,
            0};
}

std::vector<Case> Cases() {
    // Channel: web on y = 0, flanges towards +y; centroid at y_c.
    const double a_ch = 2 * b * tf + h * tw, yc_ch = b * b * tf / a_ch;
    const double e = 3 * b * b * tf / (6 * b * tf + h * tw);
    // Angle: legs along +y (length b) and +z (length h) from the corner.
    const double a_l = (b + h) * t, yc_l = b * b * t / (2 * a_l), zc_l = h * h * t / (2 * a_l);
    const double iz_i = 2 * tf * b * b * b / 12;
    return {
        {"I",
         [] { Build_I(h, b, tf, tw); },
         {2 * b * tf + h * tw, tw * h * h * h / 12 + b * tf * h * h / 2, iz_i, (2 * b * tf * tf * tf + h * tw * tw * tw) / 3,
          iz_i * h * h / 4, 0, 0}},
        {"channel",
         [] { Build_Channel(h, b, tf, tw); },
         {a_ch, tw * h * h * h / 12 + b * tf * h * h / 2, 2 * tf * b * b * b / 3 - a_ch * yc_ch * yc_ch,
          (2 * b * tf * tf * tf + h * tw * tw * tw) / 3,
          tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw), -e, 0}},
        {"angle",
         [] { Build_Angle(b, h, t); },
         {a_l, t * h * h * h / 3 - a_l * zc_l * zc_l, t * b * b * b / 3 - a_l * yc_l * yc_l, (b + h) * t * t * t / 3, 0, 0, 0}},
        {"square tube", [] { Rect_Tube(b, b); }, Tube(b, b)},
        {"rectangular tube", [] { Rect_Tube(b, h); }, Tube(b, h)},
        {"plate",
         [] { Build_Plate(h, t); },
         {h * t, 0, t * h * h * h / 12, h * t * t * t / 3, 0, h / 2, 0}},
    };
}

TEST(DwqbSections, ClosedFormsOfThinWalledTheory) {
    for (const Case& c : Cases()) {
        Init_DWQB_Model();
        c.build();
        ASSERT_EQ(Calc_DWQB_Section(), c.name == "plate" ? DWQB_STATUS_SINGULAR : 0) << c.name;
        const double* q = DWQB_Querschnittswerte;
        const double tol = 1e-9 * (1 + c.e.iy + c.e.iz);
        EXPECT_NEAR(q[DWQB_QW_A], c.e.a, 1e-12) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IY], c.e.iy, tol) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IZ], c.e.iz, tol) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IT], c.e.it, 1e-9 * (1 + c.e.it)) << c.name;
        EXPECT_NEAR(q[DWQB_QW_IW], c.e.iw, 1e-9 * (1 + c.e.iw)) << c.name;
        EXPECT_NEAR(q[DWQB_QW_YM], c.e.ym, 1e-9) << c.name;
        EXPECT_NEAR(q[DWQB_QW_ZM], c.e.zm, 1e-9) << c.name;
    }
}

TEST(DwqbSections, TwoCellBoxTorsionByBredt) {
    // Box 2b x h with a middle web, all walls t. By symmetry both cells carry
    // the same flow psi: psi (2b + 2h)/t - psi h/t = 2 b h, so psi =
    // 2 b h t / (2b + h) and I_T = 2 (2 b h) psi plus the open plates.
    Init_DWQB_Model();
    const double nodes[6][2] = {{-b, 0}, {0, 0}, {b, 0}, {b, h}, {0, h}, {-b, h}};
    for (int k = 0; k < 6; k++) Add_DWQB_Node(k + 1, nodes[k][0], nodes[k][1]);
    for (int k = 0; k < 6; k++) Add_DWQB_Line_Constant_T(k + 1, k + 1, (k + 1) % 6 + 1, t);
    Add_DWQB_Line_Constant_T(7, 2, 5, t);
    ASSERT_EQ(Calc_DWQB_Section(), 0);
    const double psi = 2 * b * h * t / (2 * b + h);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_IT], 4 * b * h * psi + (4 * b + 3 * h) * t * t * t / 3, 1e-9);
    EXPECT_EQ(DWQB_Anzahl_Zellen, 2);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_YM], 0, 1e-9);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_ZM], h / 2, 1e-9);
}

TEST(DwqbSections, GivenWarpingConstantScalesTheOrdinates) {
    // A given I_w four times the computed one doubles every ordinate.
    double extremes[2][2];
    for (int given = 0; given < 2; given++) {
        Init_DWQB_Model();
        Cases()[1].build();
        if (given) {
            DWQB_Optionen = DWQB_OPT_GIVEN_IW;
            DWQB_Querschnittswerte[DWQB_QW_IW] = 4 * Cases()[1].e.iw;
        }
        ASSERT_EQ(Calc_DWQB_Section(), 0);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_IW], (given ? 4 : 1) * Cases()[1].e.iw, 1e-6);
        extremes[given][0] = DWQB_Querschnittswerte[DWQB_QW_OMEGA1];
        extremes[given][1] = DWQB_Querschnittswerte[DWQB_QW_OMEGA2];
    }
    EXPECT_NEAR(extremes[1][0], 2 * extremes[0][0], 1e-9);
    EXPECT_NEAR(extremes[1][1], 2 * extremes[0][1], 1e-9);
    EXPECT_LT(extremes[0][0], 0);
}

TEST(DwqbSections, UnitStressCoefficientsAtTheFlangeTipOfAnI) {
    // sigma = N/A + M_y z / I_y - M_z y / I_z at the top right flange tip.
    Init_DWQB_Model();
    Cases()[0].build();
    ASSERT_EQ(Calc_DWQB_Section(), 0);
    double c[3];
    EXPECT_EQ(Calc_DWQB_Point_Coefficients(c, b / 2, h / 2), 1);
    EXPECT_NEAR(c[0], 1 / Cases()[0].e.a, 1e-12);
    EXPECT_NEAR(c[1], (h / 2) / Cases()[0].e.iy, 1e-12);
    EXPECT_NEAR(c[2], -(b / 2) / Cases()[0].e.iz, 1e-12);
}

TEST(DwqbSections, PlasticModuliOfAnI) {
    // Centre-line model: flanges b t_f at +-h/2 and the web of height h.
    Init_DWQB_Model();
    Cases()[0].build();
    ASSERT_EQ(Calc_DWQB_Section(), 0);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_WPL_Y], b * tf * h + tw * h * h / 4, 1e-9);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_WPL_Z], tf * b * b / 2, 1e-9);
}

TEST(DwqbSections, SinglePlateExactModeAndSingularStatus) {
    // 20 x 1 plate along y: I_y is 0 thin-walled and 20/12 with the plate's
    // own rectangle; a principal moment below 1e-4 is reported at once and
    // stays.
    const struct {
        uint32_t options;
        double iy;
        int status;
    } cases[] = {{0, 0, DWQB_STATUS_SINGULAR}, {DWQB_OPT_EXACT, 20.0 / 12, 0}};
    for (const auto& c : cases) {
        Init_DWQB_Model();
        Add_DWQB_Node(1, 0, 0);
        Add_DWQB_Node(2, 20, 0);
        Add_DWQB_Line_Constant_T(1, 1, 2, 1);
        DWQB_Optionen = c.options;
        EXPECT_EQ(Calc_DWQB_Section(), c.status);
        EXPECT_EQ(Calc_DWQB_Section(), c.status);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_IY], c.iy, 1e-12);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_IZ], 20.0 * 20 * 20 / 12, 1e-9);
        EXPECT_EQ(DWQB_Status, c.status);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_WPL_Z], 20.0 * 20 / 4, 1e-9);
    }
}

TEST(DwqbSections, RefusedModels) {
    const struct {
        int status;
        std::function<void()> build;
    } cases[] = {
        {DWQB_STATUS_EMPTY, [] { Add_DWQB_Node(1, 0, 0); }},
        {DWQB_STATUS_ZERO_LENGTH,
         [] {
             Add_DWQB_Node(1, 0, 0);
             Add_DWQB_Node(2, 0, 0);
             Add_DWQB_Line_Constant_T(1, 1, 2, 1);
         }},
        {DWQB_STATUS_THICKNESS,
         [] {
             Add_DWQB_Node(1, 0, 0);
             Add_DWQB_Node(2, 1, 0);
             Add_DWQB_Line(1, 0, 1, 2, nullptr);
         }},
        {DWQB_STATUS_NOT_CONNECTED,
         [] {
             for (int k = 1; k <= 4; k++) Add_DWQB_Node(k, k, k % 2);
             Add_DWQB_Line_Constant_T(1, 1, 2, 1);
             Add_DWQB_Line_Constant_T(2, 3, 4, 1);
         }},
        {DWQB_STATUS_UNKNOWN_NODE,
         [] {
             Add_DWQB_Node(1, 0, 0);
             Add_DWQB_Line_Constant_T(1, 1, 2, 1);
         }},
    };
    for (const auto& c : cases) {
        Init_DWQB_Model();
        c.build();
        EXPECT_EQ(Calc_DWQB_Section(), c.status);
    }
}

}  // namespace

}  // namespace test_dwqb_sections
