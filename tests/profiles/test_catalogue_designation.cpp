// A catalogue record is held to what its designation states: another
// size's values under the name, however consistent among themselves, are
// refused and named by the value the name contradicts; the American shapes
// by their mass per metre. Every record of the shipped file is of its
// series and size.
#include <cmath>
#include <string>

#include "catalogue_fixture.h"
#include "profiles/catalogue_designation.h"

using namespace testutil;

namespace {

// Every designation of the shipped file names a series known here, of the
// record's own family: the rule holds for every series the catalogue ships
// (their records agree with it: CatalogueOutline.EveryShippedRecordAgrees...).
TEST(CatalogueDesignation, EveryShippedDesignationNamesItsSeries) {
    std::map<char, int> named;
    for (const Shipped& r : Shipped_Records()) {
        Designation_Statement s;
        ASSERT_EQ(Designation_Statement_Of(r.name.c_str(), &s), 1) << r.name;
        EXPECT_EQ(s.letter, r.letter) << r.name;
        named[s.letter]++;
    }
    EXPECT_EQ(named, (std::map<char, int>{{'D', 425}, {'K', 1237}, {'L', 109}, {'R', 390}, {'T', 42}, {'U', 43}}));
    Designation_Statement s;
    for (const char* none : {"DIL300", "HX1000R", "1/2IPBV320/305", "HE300C", "HE310B", "X300", "", "L100X", "IPE 3.00.0"})
        EXPECT_EQ(Designation_Statement_Of(none, &s), 0) << none;
    // Blanks and small letters aside; the older names of HE A, B, M.
    for (const char* same : {"he 300 b", "HEB 300", "IPB300"}) {
        ASSERT_EQ(Designation_Statement_Of(same, &s), 1) << same;
        EXPECT_EQ(s.stated[0].kind, STATED_H);
        EXPECT_DOUBLE_EQ(s.stated[0].value, 30);
    }
}

// A record of another size under a designation, across every series and
// between the series of one size: refused, named by the value the
// designation contradicts, with what it states (mm from the tables of EN
// 10365, EN 10056-1, EN 10210-2; the heavier one's value shown stored).
// Before, each passed: HE 300 B with HE 300 M's values gave a
// cross-section U of 0.504 "Nachweis erbracht" where the real one has 1.050.
TEST(CatalogueDesignation, AnotherSizesRecordUnderTheNameIsRefusedByName) {
    const struct {
        const char* name;
        const char* values_of;
        int value;
        double expected;  // cm, or the area of the stated mass (cm², within 2 %)
    } swaps[] = {
        {"HE300B", "HE300M", 0, 30},          // h 300 (HE 300 M 340)
        {"HE300A", "HE300AA", 0, 29},         // h 290 (AA 283)
        {"HE320B", "HE340AA", 0, 27.9 + 2 * 1.15},  // both 320 x 300; HE 320: 320 - 2 x 20.5 = 279 between
                                                    // the flanges, HE 340 AA's t_f 11.5
        {"HL1000B", "HE1000B", 1, 40},        // b 400 (HE 1000 B 300)
        {"IPE300", "IPEA300", 0, 30},         // h 300 (IPE A 297)
        {"IPEO300", "IPER300", 0, 30.4},      // h 304 (IPE R 306)
        {"IPEV400", "IPER400", 0, 40.8},      // h 408 (IPE R 407)
        {"IPE300", "I300", 1, 15},            // b 150 (I 300 125)
        {"1/2IPE300", "1/2IPB300", 1, 15},    // b 150 (half HE 300 B 300)
        {"U300", "U320", 0, 30},
        {"U50", "U50X25", 1, 3.8},            // U 50 x 38
        {"L100X10", "L100X12", 2, 1.0},
        {"L100X50X6", "L100X50X8", 2, 0.6},
        {"MSH100X100X5.0", "MSH100X100X5.6", 2, 0.5},
        {"MSH100X60X5.0", "MSH100X100X5.0", 1, 6},
        {"R88.9X5.0", "R88.9X5.6", 2, 0.5},
        {"R88.9X5.0", "R101.6X5.0", 0, 8.89},
        {"W310X310X97", "W310X310X107", 4, 97 / 0.785},
        {"C150X51X12.2", "C150X51X15.6", 4, 12.2 / 0.785},
        {"HP310X310X79", "HP310X310X93", 4, 79 / 0.785},
        {"HD400X400X1086", "HD400X400X990", 4, 1086 / 0.785},
        {"IPE750X137", "IPE750X147", 4, 137 / 0.785},
        // Equal masses, other sizes: by the nominal depth's band.
        {"W250X145X44.8", "W360X170X44.8", 0, -1},
        {"C230X64X22", "C180X54X22.0", 0, -1},
        {"S100X70X11.5", "S75X60X8.5", 0, -1},
        // Another family: named by the letter.
        {"L100X10", "MSH100X100X10.0", CATALOGUE_TYPE_LETTER, 'L'},
    };
    for (const auto& s : swaps) {
        const Shipped shipped = Shipped_By_Name(s.values_of);
        const std::array<float, 35>& v = shipped.v;
        const char letter = shipped.letter;
        ASSERT_EQ(Check_Profil_Outline(letter, v.data(), s.values_of).value, -1) << s.values_of;
        EXPECT_EQ(Profil_Outline_Agrees(letter, v.data(), s.name), 0) << s.name;
        const Catalogue_Disagreement d = Check_Profil_Outline(letter, v.data(), s.name);
        EXPECT_TRUE(d.by_designation) << s.name;
        EXPECT_EQ(d.value, s.value) << s.name << " <- " << s.values_of;
        if (s.value == 4) {
            EXPECT_NEAR(d.expected, s.expected, 0.02 * s.expected) << s.name;
        } else if (s.expected >= 0) {
            EXPECT_NEAR(d.expected, s.expected, 1e-6) << s.name;
        }
        // The profile manager's record of the same values (one place further
        // on from value 9).
        const std::array<float, 39> w = ProfilData_Values(Shipped_Values(s.values_of));
        EXPECT_EQ(ProfilData_Outline_Agrees(letter, 0, w.data(), s.name), 0) << s.name;
        EXPECT_EQ(ProfilData_Outline_Agrees(letter, 0, w.data(), "X1", s.name), 0) << s.name << " as alias";
    }
}

// The two bands loose enough for a value 10 % off to turn a verdict: an
// American channel's torsion constant (C 150 x 51 x 12.2, I_t 3.06 -> 3.37:
// U 1.051 "nicht" -> 0.991 "erbracht"; it passed in 9 of them) and a W
// shape's web (W 130 x 130 x 23.8, t_w 6.1 -> 6.71 mm: U 1.029 -> 0.987;
// 49 of them). Now each is refused in every record of the series, either
// way; the worked examples are named by the value, what the others give
// for it nearer the shipped value than the damaged one.
TEST(CatalogueDesignation, ChannelTorsionAndWShapeWebAreHeldToTheirSeries) {
    int judged = 0;
    for (const Shipped& r : Shipped_Records()) {
        const int index = r.name[0] == 'C' ? 23 : r.name[0] == 'W' ? 2 : -1;
        if (index < 0) continue;
        for (float factor : {1.1f, 0.9f}) {
            std::array<float, 35> v = r.v;
            v[index] *= factor;
            EXPECT_EQ(Profil_Outline_Agrees(r.letter, v.data(), r.name.c_str()), 0) << r.name << " x" << factor;
        }
        judged++;
    }
    EXPECT_EQ(judged, 22 + 161);
    // C 150 x 51 x 12.2 by hand: the plates' thin-walled sum (2 b t_f^3 +
    // (h - 2 t_f) t_w^3) / 3 = (2 x 4.88 x 0.871^3 + 13.458 x 0.508^3) / 3
    // = 2.738 cm4, which the channels' tables lie 10 to 18 % above; the
    // damaged 3.366 is named with at most 1.185 times it.
    const double plates = (2 * 4.88 * std::pow(0.871, 3) + (15.2 - 2 * 0.871) * std::pow(0.508, 3)) / 3;
    const struct {
        const char* name;
        int index;
        float damaged;
        double lo, hi;  // what the other values give
    } named[] = {{"C150X51X12.2", 23, 3.366f, 3.06, 1.185 * plates}, {"W130X130X23.8", 2, 0.671f, 0.61, 0.64}};
    for (const auto& n : named) {
        const Shipped shipped = Shipped_By_Name(n.name);
        std::array<float, 35> v = shipped.v;
        v[n.index] = n.damaged;
        const Catalogue_Disagreement d = Check_Profil_Outline(shipped.letter, v.data(), n.name);
        EXPECT_EQ(d.value, n.index) << n.name;
        EXPECT_FALSE(d.by_designation);
        EXPECT_GE(d.expected, n.lo) << n.name;
        EXPECT_LE(d.expected, n.hi) << n.name;
    }
}

// ProfilData.bin's root radius of a double-T was tied to nothing: HD 400 x
// 400 x 1086 with r_1 x 0.5 gave a weld U of 0.984 for 1.001. Value 29,
// where given, is PROFIL's value 27 (t_f + r_1 for parallel flanges) and
// ties it as there; a root radius of 0 or below is none a rolled series
// has, value 29 given or not. Every parallel-flange double-T of the
// catalogue, as the profile manager's record: r_1 x 0.5, x 2, 0, -1.
TEST(CatalogueDesignation, ProfilDataRootRadiusOfDoubleTIsTied) {
    int judged = 0;
    for (const Shipped& r : Shipped_Records()) {
        const std::array<float, 35>& v = r.v;
        if (r.letter != 'D' || !(v[25] > 0) || std::fabs(v[27] - v[3] - v[25]) > 1e-4) continue;
        std::map<int, float> profil;
        for (int k = 0; k < 35; k++) profil[k] = v[k];
        const std::array<float, 39> w = ProfilData_Values(profil);
        const char* name = r.name.c_str();
        ASSERT_EQ(ProfilData_Outline_Agrees('D', 0, w.data(), name), 1) << name;
        for (float factor : {0.5f, 2.0f, 0.0f, -1.0f}) {
            std::array<float, 39> damaged = w;
            damaged[26] *= factor;
            EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, damaged.data(), name), 0) << name << " x" << factor;
            damaged[29] = 0;  // not given
            if (factor <= 0) {
                EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, damaged.data(), name), 0) << name;
            }
        }
        judged++;
    }
    // H 144, IPE with IPE A, O, V and 750 60 (IPE R has no radii), W 161;
    // S and I have sloped flanges.
    EXPECT_EQ(judged, 144 + 60 + 161);
    // HD 400 x 400 x 1086 with r_1 halved: named, and the root radius of 15
    // mm its value 29 (t_f 125 + r_1 15 mm) gives.
    std::array<float, 39> hd = ProfilData_Values(Shipped_Values("HD400X400X1086"));
    hd[26] = 0.75f;
    const Catalogue_Disagreement d = Check_ProfilData_Outline('D', 0, hd.data(), "HD400X400X1086");
    EXPECT_EQ(d.value, 26);
    EXPECT_NEAR(d.expected, 1.5, 1e-4);
}

}  // namespace
