// The DIN 18800 path's limits of the parts a weld joins, family by family:
// a fillet weld's throat above 0.7 t of the profile's part (its flange, web,
// a bar, a tube's wall) fails the case and is named; a partial penetration
// deeper than a tube's wall takes the wall and says so; a tube's wall
// beyond its d/t needs the shell buckling check.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "profiles/geschweisster_anschluss.h"
#include "support/global_state.h"
#include "weldcheck/din_check.h"
#include "weldcheck/weld_check.h"
#include "weldcheck/weld_fixture.h"

namespace test_din_tube_limits {
namespace {

const testutil::Global_Reset reset_din(Reset_Anschluss_State);

// A typed-in profile of the family, S235 on a t_p plate, gamma_M 1.1, its
// welds at their full lengths.
GeschweissterAnschluss Typed(int family, double h, double b, double t, double s, double t_p) {
    GeschweissterAnschluss r;
    Init_Geschweisster_Anschluss(&r);
    r.family = family;
    r.h = r.h2 = h, r.b = r.b2 = b, r.t = r.t2 = t, r.s = r.s2 = s;
    r.grades.grade = r.grades.weld_grade = 5;  // S235
    r.load[ANSCHLUSS_GAMMA_M] = 1.1;
    r.t_p = t_p;
    r.end_crater = ANSCHLUSS_FULL_LENGTH;
    return r;
}

GeschweissterAnschluss All_Round(GeschweissterAnschluss r, double a) {
    r.weld_kind = ANSCHLUSS_WELD_ALL_ROUND;
    r.a_w = a;
    return r;
}

// The welds at the positions of the lengths l (mm, 0: none), throat a.
GeschweissterAnschluss By_Position(GeschweissterAnschluss r, std::initializer_list<double> l, double a = 1.0) {
    r.weld_kind = ANSCHLUSS_WELDS_BY_POSITION;
    int k = 0;
    for (double length : l) r.a_pos[k] = length > 0 ? a : 0.0, r.l_pos[k++] = length;
    return r;
}

}  // namespace

// DIN 18800-1 element 519, a <= 0.7 t of every part a fillet weld joins,
// with the throat checks on: the throat is named with the part, its 0.7 t
// and thickness, and the case is not verified, whatever the family; a
// throat of 0.7 t passes. (A tube's wall was judged and not named, the case
// verified; a rectangular tube's wall was not judged at all.) The plates
// are thick enough for every throat, the least throats sqrt(t_p) - 0.5 met.
TEST(DinTubeLimits, ThroatAboveItsPartIsNamedInEveryFamily) {
    const struct {
        const char* what;
        GeschweissterAnschluss r;
        const char* part;  // as named
        double t;          // of the part (a round bar's diameter)
        const char* weld;  // the first weld beyond it
    } cases[] = {
        {"CHS 168.3 x 4", All_Round(Typed(ANSCHLUSS_CHS, 168.3, 168.3, 4, 4, 10), 0), "Wand", 4, "aw"},
        {"RHS 200 x 100 x 4", All_Round(Typed(ANSCHLUSS_RHS, 200, 100, 4, 4, 10), 0), "Wand", 4, "aw"},
        {"RHS by position", By_Position(Typed(ANSCHLUSS_RHS, 200, 100, 4, 4, 10), {100, 200, 200, 100}), "Wand",
         4, "aw1"},
        {"RHS, the walls along its height", By_Position(Typed(ANSCHLUSS_RHS, 200, 100, 4, 4, 10), {0, 200, 200, 0}),
         "Wand", 4, "aw2"},
        {"flat bar 100 x 4", All_Round(Typed(ANSCHLUSS_FLAT, 100, 4, 4, 4, 10), 0), "Stahlprofil", 4, "aw"},
        {"tee 200 x 150 x 4", All_Round(Typed(ANSCHLUSS_TEE, 200, 150, 4, 4, 10), 0), "Flansch", 4, "aw"},
        {"angle by position", By_Position(Typed(ANSCHLUSS_ANGLE, 150, 100, 4, 4, 10), {150, 146, 96, 100}), "Flansch",
         4, "aw3"},
        {"channel, web 4", All_Round(Typed(ANSCHLUSS_CHANNEL, 200, 80, 10, 4, 10), 0), "Steg", 4, "aw"},
        {"round bar 20", All_Round(Typed(ANSCHLUSS_ROUND, 20, 20, 0, 0, 25), 0), "Stahlprofil", 20, "aw"},
    };
    for (const auto& c : cases) {
        for (const bool above : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (above ? ", above 0.7 t" : ", at 0.7 t"));
            GeschweissterAnschluss r = c.r;
            const double a = above ? 0.7 * c.t + 0.5 : 0.7 * c.t;
            if (r.weld_kind == ANSCHLUSS_WELD_ALL_ROUND) r.a_w = a;
            for (double& a_k : r.a_pos) a_k = a_k > 0 ? a : 0.0;
            r.load[ANSCHLUSS_N] = 10;
            ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
            EXPECT_EQ(Din_Throat_Limits_Broken(&r), above ? 1 : 0);
            char line[200];
            const bool round = r.family == ANSCHLUSS_ROUND;
            std::snprintf(line, sizeof line, "Zulässige Nahtdicke 0.7%c = %.2f mm überschritten! (%s, %s = %.1f mm, %c = %.1f mm)"_cp,
                          round ? 'd' : 't', 0.7 * c.t, c.part, c.weld, a, round ? 'd' : 't', c.t);
            EXPECT_EQ(Din_Printed(&r, 0).find(line) != std::string::npos, above) << line;
        }
    }
}

// A partial penetration from the tube's outer face ends at its bore: a
// throat typed deeper than the wall is checked as the wall, and the block
// says so (the rectangular tube's took the 6 mm of a 4 mm wall into its
// area). CHS 168.3 x 4, a 6: the annulus R = 84.15 .. 80.15 mm, A = pi (R²
// - r²). RHS 200 x 100 x 4, sharp, a 6: the walls 4 mm deep, the webs'
// stopping at the flanges' throats: 2 (100 4) + 2 (192 4) = 2336 mm².
TEST(DinTubeLimits, PartialPenetrationDeeperThanTheWallTakesTheWall) {
    const double R = 84.15, r_i = 80.15;
    const struct {
        const char* what;
        GeschweissterAnschluss r;
        double A;  // cm²
    } cases[] = {
        {"CHS 168.3 x 4", All_Round(Typed(ANSCHLUSS_CHS, 168.3, 168.3, 4, 4, 20), 6), M_PI * (R * R - r_i * r_i) / 100},
        {"RHS 200 x 100 x 4", All_Round(Typed(ANSCHLUSS_RHS, 200, 100, 4, 4, 20), 6), 23.36},
    };
    const std::string said = "   Umlaufende Naht: Nahtdicke a = 6.0 mm > t = 4.0 mm (Wand, nicht durchgeschweißt), gerechnet mit a = 4.0 mm"_cp;
    for (const auto& c : cases) {
        GeschweissterAnschluss r = c.r;
        r.partial_penetration = 1;
        r.load[ANSCHLUSS_N] = 100;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0) << c.what;
        EXPECT_NEAR(r.weld_values.A_w, c.A, 1e-9) << c.what;
        EXPECT_NE(Din_Printed(&r, 0).find(said), std::string::npos) << c.what;
        Weld_Notes notes[ANSCHLUSS_WELD_POSITIONS + 1];
        int numbers[ANSCHLUSS_WELD_POSITIONS + 1];
        Din_Weld_Notes(&r, notes, numbers);
        const Weld_Note* v = Weld_Note_Values(notes[0], WELD_RULE_THROAT_WALL);
        ASSERT_NE(v, nullptr) << c.what;
        EXPECT_EQ(v->v[0], 6.0);
        EXPECT_EQ(v->v[1], 4.0);
        // A throat within the wall is taken as it is, without a word.
        r.a_w = 4.0;
        ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0) << c.what;
        EXPECT_EQ(Din_Printed(&r, 0).find("gerechnet mit"), std::string::npos) << c.what;
    }
    // Welds by position take their own throats: the all-round throat the
    // record keeps is not theirs, and nothing is said of it.
    GeschweissterAnschluss p = By_Position(Typed(ANSCHLUSS_RHS, 200, 100, 4, 4, 20), {100, 200, 200, 100}, 3.0);
    p.partial_penetration = 1, p.a_w = 6, p.load[ANSCHLUSS_N] = 100;
    ASSERT_EQ(Calc_Anschluss_Querschnitt(&p), 0);
    EXPECT_EQ(Din_Printed(&p, 0).find("gerechnet mit"), std::string::npos);
    // The Eurocode check of the same tube with its throat limits switched
    // off takes the wall too, and notes it for the final result.
    SchweissnahtNachweis e;
    ASSERT_EQ(Typed_Profile_Record(&e, 9, 168.3, 4, 0, 0, 0, 0), 0);
    e.weld_kind = WELD_BUTT, e.a[0] = 6.0, e.number[0] = 1;
    e.no_throat_check = 1, e.check_field = 1, e.forces.N = 100e3;
    ASSERT_EQ(Calc_Weld_Check(&e, nullptr, 0, 0, 0, 0), 0);
    const Weld_Note* v = Weld_Note_Values(e.notes[0], WELD_RULE_THROAT_WALL);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->v[1], 4.0);
    EXPECT_NEAR(e.line_values[WELD_CHECK_VALUE_SIGMA_X], 100e3 / (M_PI * (R * R - r_i * r_i)), 1e-9);
}

// A circular tube's wall beyond DIN 18800-1's d/t is a shell: its ratio is
// named d/t and its buckling check is DIN 18800-4's. CHS 500 x 4 under N
// -776.78 kN: A = pi (500² - 492²) / 4, sigma_1 = N / A = 124.6 N/mm²,
// grenz(d/t) = 70 (240 / f_y,k) f_y,k / (gamma_M sigma_1) = 122.5 for the
// uniform compression (psi = 1), d/t = 125.
TEST(DinTubeLimits, TubeBeyondItsDtNeedsTheShellCheck) {
    GeschweissterAnschluss r = All_Round(Typed(ANSCHLUSS_CHS, 500, 500, 4, 4, 20), 4);
    r.load[ANSCHLUSS_N] = -776.78;
    ASSERT_EQ(Calc_Anschluss_Querschnitt(&r), 0);
    const double sigma = 776.78e3 / (M_PI * (500.0 * 500 - 492.0 * 492) / 4), limit = 70 * 240 / (1.1 * sigma);
    EXPECT_EQ(r.plate_buckling.kind, ANSCHLUSS_PLATE_TUBE);
    EXPECT_NEAR(r.plate_buckling.b_t, 125.0, 1e-5);  // of the engine's single precision
    EXPECT_NEAR(r.plate_buckling.limit, limit, 1e-6 * limit);
    EXPECT_EQ(Din_Plate_Buckling_Check_Needed(&r), 1);
    char line[200];
    std::snprintf(line, sizeof line,
                  "   d/t = 125.0 > grenz(d/t) = %.1f nach DIN 18800-1, Kreiszylinderschale unter Druck \xCC╬\\1╬r = %.1f N/mm"_cp,
                  limit, sigma);
    const std::string text = Din_Printed(&r, 1);
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_NE(text.find("Beulsicherheitsnachweis nach DIN 18800-4 erforderlich!"), std::string::npos);
    EXPECT_EQ(text.find("18800-3"), std::string::npos);
    EXPECT_EQ(text.find("Plattenstreifen"), std::string::npos);
}

}  // namespace test_din_tube_limits
