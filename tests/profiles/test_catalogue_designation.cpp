// A catalogue record is held to what its designation states: another
// size's values under the name, however consistent among themselves, are
// refused and named by the value the name contradicts; the American shapes
// by their mass per metre. Every record of the shipped file is of its
// series and size.
#include <algorithm>
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
    // A size spelled otherwise than its table states the table's web (cm):
    // HE 300 B 11, C 180 x 54 x 22.0 10.6, I 80 3.9, U 300 10 mm.
    const std::pair<const char*, double> webs[] = {
        {"HEB 300", 1.1}, {"IPB300", 1.1}, {"C180X54X22", 1.06}, {"IPN80", 0.39}, {"UPN300", 1.0}, {"upn 300", 1.0}};
    for (const auto& [name, web] : webs) {
        ASSERT_EQ(Designation_Statement_Of(name, &s), 1) << name;
        const auto stated = std::find_if(s.stated, s.stated + s.count, [](const Stated_Range& r) { return r.kind == STATED_WEB; });
        ASSERT_NE(stated, s.stated + s.count) << name;
        EXPECT_NEAR(stated->value, web, 1e-12) << name;
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
        // Both 320 x 300: HE 320 B has 320 - 2 x 20.5 = 279 between the
        // flanges, HE 340 AA's t_f 11.5 leaves 297; the depth is HE 320 B's,
        // the flanges are not (t_f 20.5, and the web 11.5 for 8.5).
        {"HE320B", "HE340AA", 3, 2.05},
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
        // One pair of rolls: IPE 750 x 147 is 753 x 265 with a web of 13.2,
        // IPE 750 x 137 753 x 263 (within 1 %) with 11.5; its mass follows
        // its web.
        {"IPE750X137", "IPE750X147", 2, 1.15},
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
        const std::array<float, 39> w = As_ProfilData(v);
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

namespace {

// A user's own names, which name no series: "SONDER1" and "STUETZE-A" begin
// as the S shapes do, "CUSTOM" as the C channels, "XHE300B" spells a size
// after a letter of no series.
constexpr const char* UNKNOWN_NAMES[] = {"SONDER1", "STUETZE-A", "CUSTOM", "XHE300B", "W", "HP1"};

}  // namespace

// A name of no series is an unknown designation, held as loosely as its
// family. Before, the series was told by the name's first letters: HE 300
// B's record named "SONDER1" was refused as an S shape ("Wert Nr. 23 = 185
// passt nicht zu den Abmessungen (175.747)"), IPE 300's as "STUETZE-A", U
// 200's as "CUSTOM" (a C channel); 380 of the 425 double-T records under a
// name beginning with "S". Every published record, as PROFIL and as the
// profile manager's record, under its own designation and under one (the
// profile file's under each).
TEST(CatalogueDesignation, EveryPublishedRecordPassesUnderItsOwnAndAnUnknownName) {
    int judged = 0;
    for (const Shipped& r : Shipped_Records()) {
        const std::array<float, 39> w = As_ProfilData(r.v);
        EXPECT_EQ(Profil_Outline_Agrees(r.letter, r.v.data(), r.name.c_str()), 1) << r.name;
        EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, w.data(), r.name.c_str()), 1) << r.name;
        for (const char* name : UNKNOWN_NAMES) {
            Designation_Statement s;
            ASSERT_EQ(Designation_Statement_Of(name, &s), 0) << name;
            EXPECT_EQ(Profil_Outline_Agrees(r.letter, r.v.data(), name), 1) << r.name << " as " << name;
        }
        EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, w.data(), UNKNOWN_NAMES[0]), 1) << r.name;
        judged++;
    }
    EXPECT_EQ(judged, 2246);
}

// Sections of the published tables that the catalogue does not ship, under
// designations of its series: the bands of the shapes named by nominal
// sizes follow what a group of one pair of rolls allows, not the spread of
// the shipped records. Before, HD 400 x 1299 was refused ("Wert Nr. 0 = 60
// passt nicht zur Bezeichnung (57.2)": 600 deep, 1.5 times its name) and HP
// 220 x 57.2 by its 188 mm between the flanges (0.85 of 220). Each record
// is made of its outline (the closed forms' values); its area gives the
// stated mass by hand, A = 2 b t_f + (h - 2 t_f) t_w + (4 - pi) r^2, times
// 0.785 kg/m per cm2.
TEST(CatalogueDesignation, PublishedSectionsBeyondTheShippedOnesPassUnderTheirNames) {
    const double pi = std::acos(-1.0);
    const struct {
        const char* name;
        double h, b, t_w, t_f, r;  // mm, EN 10365
        double mass;               // kg/m
    } sections[] = {
        {"HD400X400X1299", 600, 476, 100, 140, 15, 1299},
        {"HP220X220X57.2", 210, 224.5, 11, 11, 18, 57.2},
        {"HP220X225X57.2", 210, 224.5, 11, 11, 18, 57.2},
        {"HP400X400X122", 348, 390, 14, 14, 15, 122},
        {"HD260X260X54.1", 244, 260, 6.5, 9.5, 24, 54.1},
        {"HD320X300X74.2", 301, 300, 8, 11, 27, 74.2},
    };
    for (const auto& s : sections) {
        const double area_mm2 = 2 * s.b * s.t_f + (s.h - 2 * s.t_f) * s.t_w + (4 - pi) * s.r * s.r;
        ASSERT_NEAR(area_mm2 / 100 * 0.785 / s.mass, 1.0, 0.005) << s.name;
        const std::map<int, float> values = Rounded_Section('D', s.h / 10, s.b / 10, s.t_w / 10, s.t_f / 10, s.r / 10, 0);
        std::array<float, 35> v{};
        for (const auto& [i, x] : values) v[i] = x;
        for (const char* name : {s.name, "SONDER1"})
            EXPECT_EQ(Profil_Outline_Agrees('D', v.data(), name), 1)
                << name << ": " << Check_Profil_Outline('D', v.data(), name).value;
    }
}

// A size of the tables is held to its published web, flanges and root
// radius. A web 5 % thicker passed in 52 double-T records (HE AA and M, HP,
// HD, W: HE 200 M with t_w 15.75 for 15.0 turned U 1.025 into 0.978), a
// root radius halved in a profile manager's record without value 29 in 56
// (C 150 x 51 x 19.3 with r_1 6 for 12 mm: U_w 1.032 into 0.992), a near
// twin's record under the name in 9 pairs (W 310 x 310 x 97 holding HE 320
// A's: shear 0.881 into 0.957). Now every double-T and channel record with
// a published size, either road: the web 5 % off either way and the root
// radius halved or doubled are refused; no record passes under the name of
// another size within 10 % of its area whose depth, width, web or flanges
// differ by more than 1 % (those within are the same rolled sections under
// their European and American names: HD 400 x 400 x 1086 and W 360 x 410 x
// 1086, their sizes converted from inches).
TEST(CatalogueDesignation, APublishedSizeHoldsItsWebRootAndName) {
    const std::vector<Shipped> records = Shipped_Records();
    int sizes = 0;
    for (const Shipped& r : records) {
        if (r.letter != 'D' && r.letter != 'U') continue;
        const char* name = r.name.c_str();
        for (float factor : {1.05f, 0.95f}) {
            std::array<float, 35> v = r.v;
            v[2] *= factor;
            EXPECT_EQ(Profil_Outline_Agrees(r.letter, v.data(), name), 0) << name << " t_w x" << factor;
            std::array<float, 39> w = As_ProfilData(r.v);
            w[2] *= factor;
            EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, w.data(), name), 0) << name << " t_w x" << factor;
        }
        for (float factor : {0.5f, 2.0f}) {
            std::array<float, 39> w = As_ProfilData(r.v);
            w[29] = 0;  // no value 29 to tie the radius
            w[26] *= factor;
            if (w[26] > 0) {
                EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, w.data(), name), 0) << name << " r_1 x" << factor;
            }
        }
        sizes++;
        for (const Shipped& other : records) {
            if (&other == &r || other.letter != r.letter || std::fabs(other.v[4] / r.v[4] - 1) > 0.1) continue;
            bool same = true;
            for (int k = 0; k < 4; k++) same = same && std::fabs(other.v[k] / r.v[k] - 1) <= 0.01;
            if (!same) {
                EXPECT_EQ(Profil_Outline_Agrees(r.letter, other.v.data(), name), 0) << other.name << " as " << name;
            }
        }
    }
    EXPECT_EQ(sizes, 425 + 43);
    // Named with the published value, by hand from EN 10365 and the ASTM A6
    // tables: one of each series where a slip passed.
    const struct {
        const char* name;
        const char* values_of;
        int index;
        float value;     // the damaged value (cm), where values_of is the name's own record
        bool profil;     // else the manager's record without value 29
        int named;
        double expected; // cm
    } cases[] = {
        {"HE200M", "HE200M", 2, 1.575f, true, 2, 1.5},
        {"HE200M", "HE200M", 2, 1.575f, false, 2, 1.5},
        {"HE220AA", "HE220AA", 2, 0.63f, true, 2, 0.6},
        {"HP200X200X43", "HP200X200X43", 2, 0.945f, true, 2, 0.9},
        {"HD400X400X1086", "HD400X400X1086", 2, 8.19f, true, 2, 7.8},
        {"W310X310X97", "W310X310X97", 2, 0.94145f, true, 2, 0.991},
        {"C150X51X19.3", "C150X51X19.3", 25, 0.6f, false, 26, 1.2},
        {"W310X310X97", "W310X310X97", 25, 0.755f, false, 26, 1.51},
        // HE 320 A: h 310, b 300, t_w 9; W 310 x 310 x 97: 307, 305, 9.91.
        {"W310X310X97", "HE320A", -1, 0, true, 1, 30.5},
    };
    for (const auto& c : cases) {
        const Shipped s = Shipped_By_Name(c.values_of);
        std::array<float, 35> v = s.v;
        if (c.index >= 0) v[c.index] = c.value;
        Catalogue_Disagreement d;
        if (c.profil) {
            d = Check_Profil_Outline(s.letter, v.data(), c.name);
        } else {
            std::array<float, 39> w = As_ProfilData(v);
            w[29] = 0;
            d = Check_ProfilData_Outline(s.letter, 0, w.data(), c.name);
        }
        EXPECT_EQ(d.value, c.named) << c.name;
        EXPECT_NEAR(d.expected, c.expected, 0.002 * c.expected) << c.name;
    }
}

// The slope of sloped flanges, by the name and by the standards. U 300 (EN
// 10365: h 300, b 100, t_w 10, t_f 16, r_1 16, r_2 8 mm) is sloped 8 %, I
// 300 (h 300, b 125, t_w 10.8, t_f 16.2, r_1 10.8, r_2 6.5) 14 %. A record
// of their dimensions whose values are those of another standard's slope
// (5 %, 1:6) is such a section under a name of its own, and refused under
// U 300's or I 300's, named by value 27 with what the name's slope gives:
// t_f + r_1 + slope x run, the run from where t_f stands to where the root
// fillet begins, for U 300 100 - 10 - 16 - 50 = 24 mm (33.92 mm), for I 300
// (125 - 10.8) / 2 - 10.8 - 125 / 4 = 15.05 mm (29.107 mm). A slope of
// 6.5 %, which no standard gives, is refused under any name. Before, a band
// of the slope ten times wider passed every test.
TEST(CatalogueDesignation, ASlopedFlangeIsHeldToItsStandard) {
    ASSERT_NEAR(Shipped_By_Name("U300").v[27], (16 + 16 + 0.08 * 24) / 10, 1e-5);
    ASSERT_NEAR(Shipped_By_Name("I300").v[27], (16.2 + 10.8 + 0.14 * 15.05) / 10, 1e-5);
    const auto record = [](char letter, double b, double t_w, double t_f, double r_1, double r_2, double slope) {
        std::array<float, 35> v{};
        for (const auto& [i, x] : Rounded_Section(letter, 30, b, t_w, t_f, r_1, r_2, slope)) v[i] = x;
        return v;
    };
    const struct {
        char letter;
        const char* name;
        std::array<float, 35> own, other;
        double expected;  // value 27, cm
    } cases[] = {
        {'U', "U300", record('U', 10, 1, 1.6, 1.6, 0.8, 0.08), record('U', 10, 1, 1.6, 1.6, 0.8, 0.05), 3.392},
        {'U', "UPN300", record('U', 10, 1, 1.6, 1.6, 0.8, 0.08), record('U', 10, 1, 1.6, 1.6, 0.8, 0.05), 3.392},
        {'D', "I300", record('D', 12.5, 1.08, 1.62, 1.08, 0.65, 0.14), record('D', 12.5, 1.08, 1.62, 1.08, 0.65, 1.0 / 6),
         2.9107},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Profil_Outline_Agrees(c.letter, c.own.data(), c.name), 1) << c.name;
        EXPECT_EQ(Profil_Outline_Agrees(c.letter, c.other.data(), "SONDER1"), 1) << c.name;
        const Catalogue_Disagreement d = Check_Profil_Outline(c.letter, c.other.data(), c.name);
        EXPECT_EQ(d.value, 27) << c.name;
        EXPECT_TRUE(d.by_designation) << c.name;
        EXPECT_NEAR(d.expected, c.expected, 1e-6) << c.name;
    }
    const std::array<float, 35> none = record('U', 10, 1, 1.6, 1.6, 0.8, 0.065);
    for (const char* name : {"U300", "SONDER1"}) EXPECT_EQ(Profil_Outline_Agrees('U', none.data(), name), 0) << name;
}

// A size of its series with one dimension off and every value of the record
// following it (a section of its own: it passes under a name of its own)
// is refused under its designation and named by that dimension, with the
// size the designation gives, on both roads, for every family the
// designation judges. The sizes are the published ones (mm: EN 10365, EN
// 10056-1, EN 10210-2, EN 10055, ASTM A6). A range that binds two values,
// the depth between the flanges h - 2 t_f, named the depth before: HE 300 B
// with flanges 1.5 % thicker gave "Wert Nr. 0 = 30 passt nicht zur
// Bezeichnung (30.057)", where t_f, 19.285 mm for 19, was off; a beam
// named by its mass was named by its area, which follows the dimension.
TEST(CatalogueDesignation, ADimensionOffIsNamedWithTheSizeOfTheDesignation) {
    const struct {
        const char* name;
        // mm; 0 where no table states it (or the record's values are not
        // those of its outline: IPE 750 x 137's flanges), the wall in t_w
        double h, b, t_w, t_f, r_1;
    } sizes[] = {
        {"HE300B", 300, 300, 11, 19, 27},        {"HE300A", 290, 300, 8.5, 14, 27},
        {"HE300AA", 283, 300, 7.5, 10.5, 27},    {"HE300M", 340, 310, 21, 39, 27},
        {"HL1000B", 1000, 400, 19, 36.1, 30},    {"IPE300", 300, 150, 7.1, 10.7, 15},
        {"IPEA300", 297, 150, 6.1, 9.2, 15},     {"IPEO300", 304, 152, 8, 12.7, 15},
        {"IPER300", 306, 147, 8.5, 13.7, 0},     {"IPEV400", 408, 182, 10.6, 17.5, 21},
        {"I300", 300, 125, 10.8, 16.2, 10.8},    {"IPN300", 300, 125, 10.8, 16.2, 10.8},
        {"U300", 300, 100, 10, 16, 16},          {"U320", 320, 100, 14, 17.5, 17.5},
        {"1/2IPE300", 150, 150, 7.1, 10.7, 15},  {"1/2I300", 150, 125, 10.8, 16.2, 10.8},
        {"1/2IPB300", 150, 300, 11, 19, 27},
        {"L100X10", 100, 100, 10, 0, 0},         {"L150X100X10", 150, 100, 10, 0, 0},
        {"MSH100X100X5.0", 100, 100, 5, 0, 0},   {"R88.9X5.0", 88.9, 0, 5, 0, 0},
        {"W310X310X97", 307, 305, 9.91, 15.4, 0}, {"S100X70X11.5", 102, 67.6, 4.9, 7.44, 0},
        {"HP310X310X79", 300, 305, 11, 11, 0},   {"HD400X400X1086", 569, 454, 78, 125, 15},
        {"C150X51X12.2", 152, 48.8, 5.08, 8.71, 0}, {"IPE750X137", 753, 263, 11.5, 0, 0},
    };
    int named = 0;
    for (const auto& s : sizes) {
        const Shipped r = Shipped_By_Name(s.name);
        const bool wall = r.letter == 'L' || r.letter == 'R' || r.letter == 'K';
        const std::pair<int, double> stated[] = {{0, s.h}, {1, s.b}, {2, s.t_w}, {3, s.t_f}, {25, s.r_1}};
        for (const auto& [index, mm] : stated) {
            if (mm == 0) continue;
            ASSERT_NEAR(r.v[index], mm / 10, 1e-5) << s.name << " value " << index;
            // Dimensions are held within 1 %, a root radius within 5 %.
            for (float factor : index == 25 ? std::array<float, 2>{0.9f, 1.1f} : std::array<float, 2>{0.98f, 1.02f}) {
                const std::array<float, 35> v = Resized(r, index, factor);
                SCOPED_TRACE(std::string(s.name) + " value " + std::to_string(index) + " x" + std::to_string(factor));
                ASSERT_EQ(Profil_Outline_Agrees(r.letter, v.data(), "SONDER1"), 1);
                const std::array<float, 39> w = As_ProfilData(v);
                const Catalogue_Disagreement d[2] = {Check_Profil_Outline(r.letter, v.data(), s.name),
                                                     Check_ProfilData_Outline(r.letter, 0, w.data(), s.name)};
                for (int road = 0; road < 2; road++) {
                    EXPECT_TRUE(d[road].by_designation) << road;
                    // A wall is one size in both places; a tube's diameter both its depth and width.
                    const int at = road && index == 25 ? 26 : index;
                    const bool same = d[road].value == at || (wall && index == 2 && d[road].value == 3) ||
                                      (r.letter == 'K' && index == 0 && d[road].value == 1);
                    EXPECT_TRUE(same) << road << ": " << d[road].value;
                    EXPECT_NEAR(d[road].expected, mm / 10, 1e-9) << road;
                    EXPECT_NEAR(d[road].stored, v[index], 1e-9) << road;
                }
                named++;
            }
        }
    }
    // Families the file does not ship, each a section of its outline (cm):
    // the tee T 100 of EN 10055 (100 x 100 x 11, r 11 and 5.5), a zed of DIN
    // 1027 (Z 100: 100 deep, flanges 55, web 6.5, flanges 8), the flat bar FL
    // 100 x 10 (h its thickness) and the round bar RD 20 of EN 10058 and
    // 10060, by the sizes their names spell.
    const struct {
        const char* name;
        Catalogue_Outline o;
        int values;  // h, and b where the name states it
    } shapes[] = {{"T100", {'T', 10, 10, 1.1, 1.1, 1.1, 0.55, 0, 0}, 2},
                  {"Z100", {'Z', 10, 5.5, 0.65, 0.8, 0.8, 0.45, 0, 0}, 1},
                  {"FL100X10", {'F', 1.0, 10, 0, 0, 0, 0, 0, 0}, 2},
                  {"RD20", {'O', 2.0, 2.0, 0, 0, 0, 0, 0, 0}, 1}};
    for (const auto& s : shapes) {
        ASSERT_EQ(Profil_Outline_Agrees(s.o.letter, Of_Outline(s.o).data(), s.name), 1) << s.name;
        for (int index = 0; index < s.values; index++)
            for (double factor : {0.98, 1.02}) {
                Catalogue_Outline o = s.o;
                (index == 0 ? o.h : o.b) *= factor;
                if (o.letter == 'O') o.b = o.h;
                const std::array<float, 35> v = Of_Outline(o);
                SCOPED_TRACE(std::string(s.name) + " value " + std::to_string(index) + " x" + std::to_string(factor));
                EXPECT_EQ(Profil_Outline_Agrees(o.letter, v.data(), "SONDER1"), 1);
                const Catalogue_Disagreement d = Check_Profil_Outline(o.letter, v.data(), s.name);
                EXPECT_TRUE(d.by_designation);
                EXPECT_EQ(d.value, index);
                EXPECT_NEAR(d.expected, index == 0 ? s.o.h : s.o.b, 1e-9);
                named++;
            }
    }
    EXPECT_EQ(named, 2 * (119 + 6));  // the dimensions of the sizes and of the shapes, each both ways
    // The notice as the user reads it, through the profile file: HE 300 B's t_f 1.5 % off.
    CatalogueTree tree;
    const Shipped he300b = Shipped_By_Name("HE300B");
    const std::array<float, 35> thick = Resized(he300b, 3, 1.015f);
    std::map<int, float> values;
    for (int i = 0; i < 35; i++) values[i] = thick[i];
    const std::vector<Shipped> all = Shipped_Records();
    const auto at = std::find_if(all.begin(), all.end(), [](const Shipped& x) { return x.name == "HE300B"; });
    std::string file = Read_File(WELD_PROFIL_FILE);
    file.replace(static_cast<size_t>(at - all.begin()) * 160, 160, Profil_Record("HE300B", 'D', values));
    Write_File(tree.Data("PROFIL"), file);
    EXPECT_EQ(Get_Profile_Record("HE300B"), nullptr);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Profildatei PROFIL: Profil HE300B, Wert Nr. 3 = 1.9285 passt "
                                                      "nicht zur Bezeichnung (1.9) - das Profil wird nicht verwendet");
}
