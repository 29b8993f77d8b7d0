// The input's one table of ranges as the input file's reader and the data
// import hold it: a value a field refuses when typed is refused in a file
// edited by hand, named with its line and range; files the program wrote
// all read; a catalogue profile with other dimensions in the file takes the
// catalogue's and says so.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "codes/annex_fixture.h"
#include "codes/input_ranges.h"
#include "platform/msgbox.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/profile_catalogue.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/exchange.h"
#include "weldapp/record_fixture.h"
#include "weldcheck/weldelem.h"

namespace test_input_ranges {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The text with its first `from` replaced; the test fails when it is absent.
std::string Replaced(const std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.substr(0, at) + to + text.substr(at + from.size());
}

std::string Example(const std::string& path) { return testutil::Read_File(kExamples + path); }
std::string Fixture(int version) {
    return testutil::Read_File(std::string(WELD_SOURCE_DIR) + "/tests/data/weldapp/weld_part_v" +
                               std::to_string(version) + ".inp");
}

const std::string kFlat = "flat_bar/C001_01.INP";

}  // namespace

// The table itself: the ranges the fields took before it was one table.
TEST(InputRanges, TableHoldsTheFieldsRanges) {
    const struct {
        Input_Range_Id id;
        double minimum, maximum;
    } cases[] = {{RANGE_PARTIAL_FACTOR, 0.5, 3},      {RANGE_STRENGTH, 1, 2000},       {RANGE_MODULUS, 1, 1e6},
                 {RANGE_BETA_W, 0.5, 1},              {RANGE_EXPANSION, 0, 100},       {RANGE_PLATE_THICKNESS, 1, 1000},
                 {RANGE_PLATE_EXTENT, 1, 1e5},        {RANGE_DIMENSION, 0, 1e4},       {RANGE_THROAT, 0, 200},
                 {RANGE_WELD_LENGTH, 0, 1e4},         {RANGE_CONTACT_SHARE, 0, 100},   {RANGE_LOAD, -1e15, 1e15},
                 {RANGE_SCALE, 0, 100},               {RANGE_TOLERANCE, 0, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(Input_Range_Of(c.id).minimum, c.minimum) << c.id;
        EXPECT_EQ(Input_Range_Of(c.id).maximum, c.maximum) << c.id;
        EXPECT_TRUE(Input_Range_Holds(c.id, c.minimum) && Input_Range_Holds(c.id, c.maximum)) << c.id;
        EXPECT_FALSE(Input_Range_Holds(c.id, std::nextafter(c.maximum, 1e300))) << c.id;
        EXPECT_FALSE(Input_Range_Holds(c.id, std::nextafter(c.minimum, -1e300))) << c.id;
        EXPECT_FALSE(Input_Range_Holds(c.id, std::nan(""))) << c.id;
    }
}

// Field by field, a value out of its range in an input file: the file is
// refused and the value named with its line, in the list's form (its
// index in the list's markup), the box's and the console's. The places
// after a block of varying length (the profile's material, the rows of an
// old weld part) come from the file's own versions.
TEST(InputRanges, ReaderNamesEachFieldWithItsLineAndRange) {
    const std::string own = " 0 1 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 ";
    const struct {
        std::string text, from, to;
        const char *list, *screen, *console;
    } cases[] = {
        {Example(kFlat), " 0 0 0 0 1.100000", " 1 0 0 0 3.5",
         "Zeile 2: Teilsicherheitsbeiwert \xC0\xCE\\M\xCEr = 3.5 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "Zeile 2: Teilsicherheitsbeiwert \xC0M = 3.5 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "line 2: gamma_M = 3.5 not between 0.5 and 3"},
        {Example(kFlat), " 1\n 1.000000 1.100000 1.250000", " 0\n 1.000000 1.100000 0.1",
         "Zeile 5: Teilsicherheitsbeiwert \xC0\xCE\\M2\xCEr = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "Zeile 5: Teilsicherheitsbeiwert \xC0M2 = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "line 5: gamma_M2 = 0.1 not between 0.5 and 3"},
        // Own strengths of the connection's, the profile's and the plate's
        // material (lines 9, 15, 23).
        {Example(kFlat), "\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 235.000000",
         "\n" + own + "0.5",
         "Zeile 9: Material: Streckgrenze f\xCE\\y1\xCEr = 0.5 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "Zeile 9: Material: Streckgrenze fy1 = 0.5 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "line 9: material f_y1 = 0.5 N/mm\xFD not between 1 and 2000 N/mm\xFD"},
        {Example(kFlat), "~~~~~~~\n 2\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 235.000000 360.000000",
         "~~~~~~~\n 2\n" + own + "235.000000 5000",
         "Zeile 15: Profil: Zugfestigkeit f\xCE\\u1\xCEr = 5000 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "Zeile 15: Profil: Zugfestigkeit fu1 = 5000 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "line 15: profile f_u1 = 5000 N/mm\xFD not between 1 and 2000 N/mm\xFD"},
        // Named as a field's box names a number: with an exponent from 1e7 on.
        {Example(kFlat), "~~~~~~~\n 2\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 235.000000 360.000000",
         "~~~~~~~\n 2\n" + own + "235.000000 50000000",
         "Zeile 15: Profil: Zugfestigkeit f\xCE\\u1\xCEr = 5e+07 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "Zeile 15: Profil: Zugfestigkeit fu1 = 5e+07 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "line 15: profile f_u1 = 5e+07 N/mm\xFD not between 1 and 2000 N/mm\xFD"},
        {Example(kFlat),
         " 35.000000 0.000000 0.000000\n 2\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000 "
         "235.000000 360.000000 215.000000 360.000000 215.000000",
         " 35.000000 0.000000 0.000000\n 2\n" + own + "235.000000 360.000000 215.000000 360.000000 0",
         "Zeile 23: Blech: Streckgrenze f\xCE\\y3\xCEr = 0 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "Zeile 23: Blech: Streckgrenze fy3 = 0 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 2000 N/mm\xFD)",
         "line 23: plate f_y3 = 0 N/mm\xFD not between 1 and 2000 N/mm\xFD"},
        // The typed-in profile's weld throat, and r_2 and the overhangs
        // behind its material (lines 12, 17, 18).
        {Example(kFlat), " 1 0.000000 0.000000 0.000000\n", " 1 0.000000 250 0.000000\n",
         "Zeile 12: Profil: a\xCE\\o\xCEr = 250 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "Zeile 12: Profil: ao = 250 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 12: profile a_o = 250 mm not between 0 and 200 mm"},
        {Example(kFlat), "\n 0.000000 0\n", "\n -2 0\n",
         "Zeile 17: Profil: r\xCE\\2\xCEr = -2 mm ung\x81ltig (nicht zwischen 0 und 10000 mm)",
         "Zeile 17: Profil: r2 = -2 mm ung\x81ltig (nicht zwischen 0 und 10000 mm)",
         "line 17: profile r_2 = -2 mm not between 0 and 10000 mm"},
        {Example(kFlat), "\n 0.000000 0.000000 0 0\n", "\n 0.000000 20000 0 0\n",
         "Zeile 18: Profil: b\xCE\\\x81u\xCEr = 20000 mm ung\x81ltig (nicht zwischen 0 und 10000 mm)",
         "Zeile 18: Profil: b\x81u = 20000 mm ung\x81ltig (nicht zwischen 0 und 10000 mm)",
         "line 18: profile b_ueu = 20000 mm not between 0 and 10000 mm"},
        {Example(kFlat), " 0 0 5.000000 5.000000 0 0", " 0 0 5.000000 300 0 0",
         "Zeile 30: Nahtdicke a\xCE\\fu\xCEr = 300 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "Zeile 30: Nahtdicke afu = 300 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 30: a_w,fu = 300 mm not between 0 and 200 mm"},
        // Weld part version 0: 20 rows and 10 dropped, no shear split.
        {Fixture(0), " 0.000000 0.000000 0\n 9.000000", " 300 0.000000 0\n 9.000000",
         "Zeile 45: Platz 20: Nahtdicke a\xCE\\w\xCEr = 300 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "Zeile 45: Platz 20: Nahtdicke aw = 300 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
         "line 45: slot 20: a_w = 300 mm not between 0 and 200 mm"},
        {Fixture(0), " 7.000000 0 1 0 0.750000\n", " 7.000000 0 1 0 2\n",
         "Zeile 56: Kontaktabtrag = 200 % ung\x81ltig (nicht zwischen 0 und 100 %)",
         "Zeile 56: Kontaktabtrag = 200 % ung\x81ltig (nicht zwischen 0 und 100 %)",
         "line 56: contact share = 200 % not between 0 and 100 %"},
        {Fixture(0), " -50000.000000 0.000000 0.000000 1000000.000000", " -50000.000000 0.000000 0.000000 5e15",
         "Zeile 62: Lastfall 2: M\xCE\\z\xCEr = 5e+15 Nmm ung\x81ltig (nicht zwischen -1e+15 und 1e+15 Nmm)",
         "Zeile 62: Lastfall 2: Mz = 5e+15 Nmm ung\x81ltig (nicht zwischen -1e+15 und 1e+15 Nmm)",
         "line 62: load case 2: M_z = 5e+15 Nmm not between -1e+15 and 1e+15 Nmm"},
        // Own factors the checks do not divide by are printed all the same:
        // held to the range (0 stays where an older block lacks one).
        {Example(kFlat), " 1\n 1.000000 1.100000 1.250000", " 0\n 1.000000 0.1 1.250000",
         "Zeile 5: Teilsicherheitsbeiwert \xC0\xCE\\M1\xCEr = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "Zeile 5: Teilsicherheitsbeiwert \xC0M1 = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)",
         "line 5: gamma_M1 = 0.1 not between 0.5 and 3"},
        {Example(kFlat), " 1\n 1.000000 1.100000 1.250000 1.250000", " 0\n 1.000000 1.100000 1.250000 -1.25",
         "Zeile 5: Teilsicherheitsbeiwert \xC0\xCE\\M3\xCEr = -1.25 ung\x81ltig", "Zeile 5: Teilsicherheitsbeiwert \xC0M3 = -1.25",
         "line 5: gamma_M3 = -1.25"},
        // The plate's width and length (0: not given).
        {Example(kFlat), " 35.000000 0.000000 0.000000", " 35.000000 -5 0.000000",
         "Zeile 21: Blechbreite b\xCE\\p\xCEr = -5 mm ung\x81ltig (nicht zwischen 1 und 100000 mm)",
         "Zeile 21: Blechbreite bp = -5 mm", "line 21: b_p = -5 mm not between 1 and 100000 mm"},
        {Example(kFlat), " 35.000000 0.000000 0.000000", " 35.000000 0.000000 0.1",
         "Zeile 21: Blechl\x84nge l\xCE\\p\xCEr = 0.1 mm ung\x81ltig", "Zeile 21: Blechl\x84nge lp = 0.1 mm", "line 21: l_p = 0.1 mm"},
        // An own modulus and expansion coefficient, as the material sheet
        // holds them.
        {Example(kFlat), "\n 0 0 0.000000 0.000000 0.800000 210000.000000", "\n 0 1 0.000000 0.000000 0.800000 2000000",
         "Zeile 9: E-Modul E = 2000000 N/mm\xFD ung\x81ltig (nicht zwischen 1 und 1000000 N/mm\xFD)",
         "Zeile 9: E-Modul E = 2000000 N/mm\xFD", "line 9: E = 2000000 N/mm\xFD not between 1 and 1000000 N/mm\xFD"},
        {Example(kFlat), "\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000",
         "\n 0 1 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 150",
         "Zeile 9: Temperaturkoeffizient \xBA\xCE\\T\xCEr = 150 ung\x81ltig (nicht zwischen 0 und 100)",
         "Zeile 9: Temperaturkoeffizient \xBAT = 150", "line 9: alpha_T = 150 not between 0 and 100"},
        // The print options' scale and tolerance, a switch and a choice.
        {Example(kFlat), " 1 0 1 1 1 5.000000", " 1 0 1 1 1 -1",
         "Zeile 41: Ma\xE1stab der Grafik = -1 ung\x81ltig (nicht zwischen 0 und 100)",
         "Zeile 41: Ma\xE1stab der Grafik = -1", "line 41: scale = -1 not between 0 and 100"},
        {Example(kFlat), " 1 1 1 1 1 0 0 0.000000\n", " 1 1 1 1 1 0 0 10.01\n",
         "Zeile 41: Toleranz des Endergebnisses = 10.01 % ung\x81ltig (nicht zwischen 0 und 10 %)",
         "Zeile 41: Toleranz des Endergebnisses = 10.01 %", "line 41: tolerance = 10.01 % not between 0 and 10 %"},
        {Example(kFlat), " 5.000000 0 0 0 0.000000", " 5.000000 7 0 0 0.000000",
         "Zeile 30: Nahtart = 7 ung\x81ltig (nicht zwischen 0 und 4)", "Zeile 30: Nahtart = 7",
         "line 30: weld kind = 7 not between 0 and 4"},
        {Example(kFlat), " 0 0 5.000000 5.000000 0 0", " 0 3 5.000000 5.000000 0 0",
         "Zeile 30: Querkraftaufteilung = 3 ung\x81ltig (nicht zwischen 0 und 2)", "Zeile 30: Querkraftaufteilung = 3",
         "line 30: shear split = 3 not between 0 and 2"},
        {Example(kFlat), " 0 1 200.000000 20.000000", " 0 99 200.000000 20.000000",
         "Zeile 12: Profil: Profiltyp = 99 ung\x81ltig (nicht zwischen 0 und 17)", "Zeile 12: Profil: Profiltyp = 99",
         "line 12: profile type = 99 not between 0 and 17"},
        // A typed IPE 300's root radius up to its flange outstand
        // (150 - 7.1) / 2 = 71.45 mm, less the 0.001 mm a face keeps: 71.5
        // and a typo 150 for 15 describe no section.
        {Example("he280a_end_plate/A001_01.INP"), " 1 5 270.000000 8.000000 280.000000 13.000000 280.000000 13.000000 1 24.000000",
         " 0 4 300 7.1 150 10.7 150 10.7 1 71.5",
         "Zeile 12: Profil: r\xCE\\1\xCEr = 71.5 mm ung\x81ltig (nicht zwischen 0 und 71.449 mm)",
         "Zeile 12: Profil: r1 = 71.5 mm", "line 12: profile r_1 = 71.5 mm not between 0 and 71.449 mm"},
        {Example("he280a_end_plate/A001_01.INP"), " 1 5 270.000000 8.000000 280.000000 13.000000 280.000000 13.000000 1 24.000000",
         " 0 4 300 7.1 150 10.7 150 10.7 1 150", "Zeile 12: Profil: r\xCE\\1\xCEr = 150 mm ung\x81ltig (nicht zwischen 0 und 71.449 mm)",
         "Zeile 12: Profil: r1 = 150 mm", "line 12: profile r_1 = 150 mm"},
        // Version 2: a_w,fo after the shear split.
        {Fixture(2), " 1 2 8.000000 9.000000", " 1 2 201 9.000000",
         "Zeile 56: Nahtdicke a\xCE\\fo\xCEr = 201", "Zeile 56: Nahtdicke afo = 201", "line 56: a_w,fo = 201"},
    };
    for (const auto& c : cases) {
        testutil::Record rec;
        EXPECT_EQ(testutil::Read_With(Read_Schweissnaht, Replaced(c.text, c.from, c.to), &rec.r), 1) << c.to;
        const Range_Refusals& refused = Schweissnaht_Read_Refusals();
        ASSERT_EQ(refused.named.size(), 1u) << c.to;
        EXPECT_EQ(refused.more, 0);
        EXPECT_EQ(refused.named[0].list.rfind(c.list, 0), 0u) << refused.named[0].list;
        EXPECT_EQ(refused.named[0].screen.rfind(c.screen, 0), 0u) << refused.named[0].screen;
        EXPECT_EQ(refused.named[0].console.rfind(c.console, 0), 0u) << refused.named[0].console;
    }
}

// What the program wrote reads: the shipped examples and every weld-part
// version's fixture, each within the ranges; a throat that the layout of a
// full-penetration butt weld takes from the profile (half of a 500 mm
// thick bar) is none of the user's and does not refuse the file.
TEST(InputRanges, FilesOfTheProgramRead) {
    std::vector<std::string> texts;
    for (const char* e : {"flat_bar/C001_01.INP", "he280a_end_plate/A001_01.INP", "rhs_160x80/B001_01.INP",
                          "din_he200a/D001_01.INP"})
        texts.push_back(Example(e));
    for (int v = 0; v <= 6; ++v) texts.push_back(Fixture(v));
    for (const std::string& text : texts) {
        testutil::Record rec;
        EXPECT_EQ(testutil::Read_With(Read_Schweissnaht, text, &rec.r), 0) << text.substr(0, 200);
        EXPECT_FALSE(Schweissnaht_Read_Refusals().any());
        EXPECT_EQ(Schweissnaht_Values_In_Range(&rec.r, NAHT_SLOTS), 1);
    }
    testutil::Record wide;
    ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, Example(kFlat), &wide.r), 0);
    wide.r.naht.profile.h = 1000.0;  // a flat bar 1000 x 500, welded through: its sides take half its thickness
    wide.r.naht.profile.t_w = 500.0;
    wide.r.naht.weld_kind = WELD_BUTT;
    wide.r.naht.all_round = wide.r.naht.full_penetration = 1;
    Update_Weld_Layout(&wide.r.naht, nullptr, 0);
    ASSERT_EQ(wide.r.naht.throat[WELD_FACE_SIDE_LEFT], 250.0);
    testutil::Record back;
    EXPECT_EQ(testutil::Read_With(Read_Schweissnaht, testutil::Written_With(Write_Schweissnaht, &wide.r), &back.r), 0);
}

// A single weld's length in a file is held to its edge of the profile, as
// its field holds it: before, the reader took anything up to 10 m and a
// batch run checked more weld than the profile has room for. A length
// within 0.0001 mm of its edge, as files written before hold it, is the
// edge. The edges by hand: flat bar 200 x 20, end faces t = 20 mm and
// sides h = 200 mm; HE 280 A (catalogue: h 270, t_w 8, b 280, t_f 13, r
// 24) inner flange face (280 - 8) / 2 - 24 = 112 mm, web face 270 - 2 13 -
// 2 24 = 196 mm; MSH 160 x 80 x 6.3 (corner 1.5 t = 9.45 mm) short side
// 80 - 2 9.45 = 61.1 mm. Rows of the welds w1, w2, w4 from line 26.
TEST(InputRanges, WeldLengthUpToItsEdgeOfTheProfile) {
    testutil::CatalogueTree catalogue;
    const std::string flat = Example(kFlat), he = Example("he280a_end_plate/A001_01.INP"),
                      rhs = Example("rhs_160x80/B001_01.INP");
    const std::string he_single = Replaced(he, " 1 12\n", " 0 12\n"), rhs_single = Replaced(rhs, " 1 4\n", " 0 4\n");
    const std::string he_w2 = " 7.000000 112.000000 2", he_w4 = " 7.000000 196.000000 4";
    const std::string refused = " ung\x81ltig (nicht zwischen 0 und ";
    const struct {
        std::string text, from, to;
        int slot;
        double read;        // the length taken; NAN: the file is refused
        std::string named;  // the refusal's list form
    } cases[] = {
        {flat, " 6.000000 20.000000 1", " 6.000000 19.9 1", 0, 19.9, ""},
        {flat, " 6.000000 20.000000 1", " 6.000000 20.00005 1", 0, 20.0, ""},
        {flat, " 6.000000 20.000000 1", " 6.000000 19.99995 1", 0, 20.0, ""},
        {flat, " 6.000000 20.000000 1", " 6.000000 20.0002 1", 0, NAN,
         "Zeile 26: Nahtl\x84nge l\xCE\\w1\xCEr = 20.0002 mm" + refused + "20 mm)"},
        {flat, " 6.000000 200.000000 2", " 6.000000 200.5 2", 1, NAN,
         "Zeile 27: Nahtl\x84nge l\xCE\\w2\xCEr = 200.5 mm" + refused + "200 mm)"},
        // A slot without a weld number holds no weld: only the table's 10 m.
        {flat, " 6.000000 200.000000 2", " 6.000000 500 0", 1, 500.0, ""},
        {he_single, he_w2, " 7.000000 111.5 2", 1, 111.5, ""},
        {he_single, he_w2, " 7.000000 112.00008 2", 1, 112.0, ""},
        {he_single, he_w2, " 7.000000 112.1 2", 1, NAN,
         "Zeile 27: Nahtl\x84nge l\xCE\\w2\xCEr = 112.1 mm" + refused + "112 mm)"},
        {he_single, he_w4, " 7.000000 250 4", 2, NAN,
         "Zeile 28: Nahtl\x84nge l\xCE\\w4\xCEr = 250 mm" + refused + "196 mm)"},
        // The root radius with the noise of a file written before: the edge
        // is the catalogue's 196 mm all the same.
        {Replaced(he_single, " 1 24.000000", " 1 24.000001"), he_w4, " 7.000000 195.999999 4", 2, 196.0, ""},
        // An all-round weld's lengths are laid along the profile at the check.
        {he, he_w2, " 7.000000 150 2", 1, 150.0, ""},
        {rhs_single, " 5.000000 61.100000 1", " 5.000000 61.100000 1", 0, 61.1, ""},
        {rhs_single, " 5.000000 61.100000 1", " 5.000000 61.2 1", 0, NAN,
         "Zeile 26: Nahtl\x84nge l\xCE\\w1\xCEr = 61.2 mm" + refused + "61.1 mm)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        testutil::Record rec;
        const int result = testutil::Read_With(Read_Schweissnaht, Replaced(c.text, c.from, c.to), &rec.r);
        const Range_Refusals& refusals = Schweissnaht_Read_Refusals();
        if (!std::isnan(c.read)) {
            EXPECT_EQ(result, 0);
            EXPECT_FALSE(refusals.any());
            EXPECT_NEAR(rec.r.naht.length[c.slot], c.read, 1e-9);
            continue;
        }
        EXPECT_EQ(result, 1);
        ASSERT_EQ(refusals.named.size(), 1u);
        EXPECT_EQ(refusals.named[0].list, c.named);
    }
    // The page's field takes the same range.
    testutil::Record rec;
    ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, rhs_single, &rec.r), 0);
    EXPECT_EQ(Weld_Length_Range(Published_Weld_Edges(&rec.r.naht.profile), 0).maximum, 61.1);
    EXPECT_EQ(Weld_Length_Range(Published_Weld_Edges(&rec.r.naht.profile), 5).maximum, 10000.0);  // no face
}

// A catalogue profile whose dimensions in the file are not the
// catalogue's (HE 280 A with h 540 or 135 mm in its block): before, the
// cross-section check took the catalogue and the welds lay on the file's
// section, U_w 0.290 "Nachweis erbracht" for 540 mm without a word. Now the
// catalogue's are taken and the list says so: apart from the notice the
// list and the plot file are those of the file as the program wrote it
// (the welds' maximum U_w = 0.552 in load case 5, weld 11). A height of
// 1e308 mm is named as such (it was printed with all its 309 digits).
TEST(InputRanges, CatalogueProfileTakesTheCatalogueDimensions) {
    Desktop plain;
    plain.Add("he280a_end_plate", "A001");
    ASSERT_EQ(plain.Run("A001 0 1 1 -refresh"), 1) << plain.err;
    const std::string list = plain.File("A001_01.OLI"), plot = plain.File("A0010001.SPF");
    ASSERT_NE(list.find("Schwei\xE1n\x84hte\xCEtLk 5, Naht 11, Pkt. 1\xCEtU\xCE\\w\xCEr = 0.552  <  1"), std::string::npos);
    const struct {
        const char *file, *named;
    } heights[] = {{"540.000000", "540.0"}, {"135.000000", "135.0"}, {"1e308", "1e+308"}};
    for (const auto& [file, h] : heights) {
        Desktop d;
        d.Add("he280a_end_plate", "A001");
        testutil::Write_File(d.project + "/A001_01.INP", Replaced(d.File("A001_01.INP"), " 1 5 270.000000 8.000000",
                                                                  std::string(" 1 5 ") + file + " 8.000000"));
        ASSERT_EQ(d.Run("A001 0 1 1 -refresh"), 1) << d.err;
        const std::string notice = std::string(" \xCEHHinweis\xCEr: Profil HE280A: die Abmessungen der Eingabedatei weichen "
                                               "vom Profilkatalog ab, es gelten die des Katalogs:\n Zeile 12: h = ") +
                                   h + " mm statt 270.0 mm\n";
        const std::string edited = d.File("A001_01.OLI");
        const size_t at = edited.find(notice);
        ASSERT_NE(at, std::string::npos) << edited.substr(0, 600);
        // From the input's protocol on, after the notice, the lists agree,
        // but for the identity of their input files that closes each.
        const std::string protocol = "\xCE@1. Eingabeprotokoll";
        ASSERT_GT(edited.find(protocol), at);
        auto body = [&](const std::string& l) { return l.substr(l.find(protocol), l.rfind("#SOURCE\n") - l.find(protocol)); };
        EXPECT_TRUE(body(edited) == body(list)) << h;
        EXPECT_EQ(d.File("A0010001.SPF"), plot) << h;
        EXPECT_EQ(d.err, std::string("A001_01.INP: profile HE280A: dimensions differ from the catalogue (line 12: h = ") +
                             h + " mm, catalogue 270.0 mm); the catalogue's are taken\n");
    }
}

namespace {

// The exchange file of the example HE 280 A with the numbers of the
// import in the window issue edited: own gamma_M2 0.10, a plate of 0.5 mm,
// a_w 500 mm, a contact share of 150 % and N = -2e15 N in load case 1.
std::string Edited_Exchange() {
    std::string text = Example("he280a_end_plate/A001_01.INP");
    text = Replaced(text, " 1\n 1.000000 1.100000 1.250000", " 0\n 1.000000 1.100000 0.10");
    text = Replaced(text, " 35.000000 0.000000 0.000000", " 0.5 0.000000 0.000000");
    text = Replaced(text, " 7.000000 0 0 0 0.750000", " 500 0 0 0 1.5");
    return Replaced(text, " -450000.000000 60000000.000000", " -2e15 60000000.000000");
}

}  // namespace

// "Daten importieren" of an edited export: before, every value was taken
// and shown with "Die Daten wurden erfolgreich importiert." (and a_w =
// 500 mm ended "Nachweis erbracht"). The import obeys the fields' ranges:
// nothing is taken, the record stays byte for byte, and one box names each
// value refused with its range. The unedited export still imports.
TEST(InputRanges, ImportRefusesValuesOutOfRangeAndKeepsThePage) {
    testutil::Desktop d;
    Default_Schweissnaht(&Schweissnaht_Anschluss);
    const std::string before = testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss);
    testutil::Write_File(d.Temp("Q7-NAXIT#export.dat"), Edited_Exchange());
    Import_Schweissnaht_TEMP();
    ASSERT_FALSE(VEK_Recorded_Messages().empty());
    const auto& box = VEK_Recorded_Messages().back();
    EXPECT_EQ(box.title, "Eingabefehler");
    EXPECT_EQ(box.lines,
              (Lines{"Die Daten werden nicht importiert: Werte au\xE1" "erhalb ihres Bereichs:",
                     "Zeile 5: Teilsicherheitsbeiwert \xC0M2 = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)",
                     "Zeile 21: Blechdicke tp = 0.5 mm ung\x81ltig (nicht zwischen 1 und 1000 mm)",
                     "Zeile 38: Nahtdicke aw = 500 mm ung\x81ltig (nicht zwischen 0 und 200 mm)",
                     "Zeile 38: Kontaktabtrag = 150 % ung\x81ltig (nicht zwischen 0 und 100 %)",
                     "Zeile 42: Lastfall 1: N = -2e+15 N ung\x81ltig (nicht zwischen -1e+15 und 1e+15 N)",
                     "Der bisherige Datenzustand bleibt erhalten."}));
    EXPECT_EQ(testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss), before);
    testutil::Write_File(d.Temp("Q7-NAXIT#export.dat"), Example("he280a_end_plate/A001_01.INP"));
    Import_Schweissnaht_TEMP();
    EXPECT_EQ(VEK_Recorded_Messages().back().lines, Lines{"Die Daten wurden erfolgreich importiert."});
    EXPECT_EQ(Schweissnaht_Anschluss.naht.a_w, 7.0);
    // A "Kennung" of 70 characters (the record holds 25) was imported cut
    // to 25 as "erfolgreich importiert": refused by name, the page kept.
    const std::string imported = testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss);
    testutil::Write_File(d.Temp("Q7-NAXIT#export.dat"),
                         Replaced(Example("he280a_end_plate/A001_01.INP"), "\n ~~~~~~~~~~~~~~~~~~~~~~~~~\n 10\n",
                                  "\n " + std::string(70, 'K') + "\n 10\n"));
    Import_Schweissnaht_TEMP();
    EXPECT_EQ(VEK_Recorded_Messages().back().lines,
              (Lines{"Die Daten werden nicht importiert: Werte au\xE1" "erhalb ihres Bereichs:",
                     "Zeile 10: Kennung des Werkstoffs ist 70 Zeichen lang (h\x94" "chstens 25)",
                     "Der bisherige Datenzustand bleibt erhalten."}));
    EXPECT_EQ(testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss), imported);
}

// The import of a catalogue profile with other dimensions: taken with the
// catalogue's, and a box "Hinweis" says so after the import's own.
TEST(InputRanges, ImportOfOtherCatalogueDimensionsSaysSo) {
    testutil::Desktop d;
    testutil::AnnexTree data;
    fs::copy_file(WELD_PROFIL_FILE, data.dir.file("DATA/PROFIL"));
    Reset_Profile_Catalogue();
    Default_Schweissnaht(&Schweissnaht_Anschluss);
    testutil::Write_File(d.Temp("Q7-NAXIT#export.dat"), Replaced(Example("he280a_end_plate/A001_01.INP"),
                                                                 " 280.000000 13.000000 280.000000 13.000000",
                                                                 " 280.000000 26.000000 280.000000 13.000000"));
    Import_Schweissnaht_TEMP();
    const auto& boxes = VEK_Recorded_Messages();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[boxes.size() - 2].lines, Lines{"Die Daten wurden erfolgreich importiert."});
    EXPECT_EQ(boxes.back().title, "Hinweis");
    EXPECT_EQ(boxes.back().lines,
              (Lines{"Die Abmessungen des Profils HE280A in der Eingabedatei weichen vom Profilkatalog ab:",
                     "Zeile 12: tfo = 26.0 mm statt 13.0 mm",
                     "Es gelten die Abmessungen des Katalogs; die N\x84hte liegen an seinem Querschnitt."}));
    EXPECT_NEAR(Schweissnaht_Anschluss.naht.profile.t_fo, 13.0, 1e-5);  // the catalogue's single precision
}

// The same import as a person makes it in the window: the example's page,
// "Daten importieren" of the edited export, then "Daten exportieren". The
// box names the five values; the export that follows is the page's own
// connection, byte for byte the input file it was loaded from (the profile
// name padded to its 39 characters, as every record read holds it).
TEST(InputRanges, ImportSessionInTheWindow) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    testutil::Write_File(d.dir.file("temp/Q7-NAXIT#export.dat"), Edited_Exchange());
    // The exchange buttons at page places (35, 142) and (225, 142); the
    // working area starts at (9, 55).
    testutil::Write_File(d.dir.file("script.txt"), "click 234 197\nclick 44 197\n");
    EXPECT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 0) << d.err;
    EXPECT_NE(d.err.find("message box \"Eingabefehler\": [Die Daten werden nicht importiert: Werte au\xE1" "erhalb ihres "
                         "Bereichs:] [Zeile 5: Teilsicherheitsbeiwert \xC0M2 = 0.1 ung\x81ltig (nicht zwischen 0.5 und 3)] "
                         "[Zeile 21: Blechdicke tp = 0.5 mm ung\x81ltig (nicht zwischen 1 und 1000 mm)] [Zeile 38: Nahtdicke "
                         "aw = 500 mm ung\x81ltig (nicht zwischen 0 und 200 mm)] [Zeile 38: Kontaktabtrag = 150 % ung\x81ltig "
                         "(nicht zwischen 0 und 100 %)] [Zeile 42: Lastfall 1: N = -2e+15 N ung\x81ltig (nicht zwischen "
                         "-1e+15 und 1e+15 N)] [Der bisherige Datenzustand bleibt erhalten.]"),
              std::string::npos)
        << d.err;
    EXPECT_NE(d.err.find("[Die Daten wurden erfolgreich exportiert.]"), std::string::npos) << d.err;
    EXPECT_EQ(testutil::Read_File(d.dir.file("temp/Q7-NAXIT#export.dat")),
              Replaced(d.File("A001_01.INP"), " HE280A\n", " HE280A" + std::string(33, '~') + "\n"));
}

// A hand-edited input file opened in the window: the "Lesefehler" box names
// each value out of range before it says that the defaults take over.
TEST(InputRanges, WindowNamesTheValuesOfARefusedFile) {
    Desktop d;
    d.Add("flat_bar", "C001");
    testutil::Write_File(d.project + "/C001_01.INP",
                         Replaced(d.File("C001_01.INP"), " 35.000000 0.000000 0.000000", " 1e300 0.000000 0.000000"));
    testutil::Write_File(d.dir.file("script.txt"), "");
    EXPECT_EQ(d.Run("C001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 0) << d.err;
    EXPECT_NE(d.err.find("message box \"Lesefehler\": [Die Eingabedaten k\x94nnen nicht gelesen werden!] [Werte "
                         "au\xE1" "erhalb ihres Bereichs:] [Zeile 21: Blechdicke tp = 1e+300 mm ung\x81ltig (nicht zwischen 1 "
                         "und 1000 mm)] [Der Datenzustand wird auf] [voreingestellte Werte gesetzt!]"),
              std::string::npos)
        << d.err;
}

}  // namespace test_input_ranges
