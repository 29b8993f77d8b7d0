// What a designation states is held: the sizes and walls a name spells
// out or its series' table gives within 1 % (never beyond half a unit of
// the last digit written), an HP pile's web as thick as its flanges; and the
// shipped file ties to the outlines of its own dimensions.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue_fixture.h"
#include "profiles/catalogue_ties.h"

using namespace testutil;

namespace {

// The sizes a name spells (mm): "L150X100X10" 150, 100, 10.
std::vector<double> Spelled_Sizes(const std::string& name) {
    std::vector<double> sizes;
    for (size_t at = name.find_first_of("0123456789"); at != std::string::npos && at < name.size();) {
        char* end = nullptr;
        sizes.push_back(std::strtod(name.c_str() + at, &end));
        at = static_cast<size_t>(end - name.c_str()) + 1;
    }
    return sizes;
}

}  // namespace

// Every angle, hollow section and tube of the shipped file holds what its
// name spells (legs, sides or diameter, and wall, mm / 10), and the same
// section 3 % larger or smaller in any one of them, its values all moved
// with its outline, is refused under the name on both roads, named by the
// value and the name's size (under a name of its own such a record is the
// section it is: AWallIsHeldToOnePerCentWhateverTheNameWrites). Before, a wall was held to half a unit of its
// last digit: L 40 x 40 x 4 with t 4.48 mm passed (N 75.28 kN: 0.936 for
// the honest section's 1.040), every angle's wall +3 % but 5 (L 20 x 3 up
// to +10 %), 80 tubes' walls of one or two millimetres +3 %.
TEST(CatalogueStatedSizes, EveryWallAndSizeANameSpellsHolds) {
    std::map<char, int> held;
    for (const Shipped& r : Shipped_Records()) {
        if (r.letter != 'L' && r.letter != 'R' && r.letter != 'K') continue;
        const std::vector<double> n = Spelled_Sizes(r.name);
        // An angle's longer leg is h; a square section and a tube spell one side.
        const double h = n.size() == 3 ? std::max(n[0], n[1]) : n[0], b = n.size() == 3 ? std::min(n[0], n[1]) : n[0];
        const std::pair<int, double> stated[] = {{0, h / 10}, {1, b / 10}, {2, n.back() / 10}};
        for (const auto& [index, size] : stated) {
            ASSERT_NEAR(r.v[index], size, 1e-6 * size) << r.name;
            if (r.letter == 'K' && index == 1) continue;
            for (float factor : {0.97f, 1.03f}) {
                const std::array<float, 35> v = Resized(r, index, factor);
                SCOPED_TRACE(r.name + " value " + std::to_string(index) + " x" + std::to_string(factor));
                EXPECT_EQ(Profil_Outline_Agrees(r.letter, v.data(), r.name.c_str()), 0);
                EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, As_ProfilData(v).data(), r.name.c_str()), 0);
                if (factor < 1) continue;
                const Catalogue_Disagreement d = Check_Profil_Outline(r.letter, v.data(), r.name.c_str());
                EXPECT_TRUE(d.by_designation);
                EXPECT_TRUE(d.value == index || (index == 2 && d.value == 3) || (r.letter == 'K' && d.value == 1));
                EXPECT_NEAR(d.expected, size, 1e-6 * size);
            }
        }
        held[r.letter]++;
    }
    EXPECT_EQ(held, (std::map<char, int>{{'K', 1237}, {'L', 109}, {'R', 390}}));
}

// Sections that once passed, by hand: L 40 x 40 x 4 (EN 10056-1, A 3.08 cm2)
// under N 75.28 kN is 75.28 / (3.08 x 23.5) = 1.040; its wall of 4.48 mm
// (+12 %) with every value of that outline gave 0.936 "Nachweis erbracht".
// L 150 x 100 x 10 with 10.49 mm, SHS 100 x 100 x 4 (a name without the
// decimal) with 4.45 and CHS 168.3 x 8 with 8.45 passed alike. A wall
// within 1 % passes, whether the name writes the decimal or not; beyond it
// (4.05 for 4) the record is refused, named "Wert Nr. 2 = 0.405 passt nicht
// zur Bezeichnung (0.4)". Flat bars and round bars by their names (EN
// 10058 FL 100 x 10, width and thickness in either order; EN 10060 RD 20):
// their thickness and diameter likewise.
TEST(CatalogueStatedSizes, AWallIsHeldToOnePerCentWhateverTheNameWrites) {
    EXPECT_NEAR(75.28 / (3.08 * 23.5), 1.040, 0.0005);
    const struct {
        const char* record;
        const char* name;
        float wall;  // mm
        bool agrees;
    } cases[] = {
        {"L40X4", "L40X4", 4.48f, false},         {"L40X4", "L40X4", 4.05f, false},
        {"L40X4", "L40X4", 4.03f, true},          {"L150X100X10", "L150X100X10", 10.49f, false},
        {"L150X100X10", "L150X100X10", 10.09f, true},
        {"MSH100X100X4.0", "MSH100X100X4", 4.45f, false}, {"MSH100X100X4.0", "MSH100X100X4", 4.0f, true},
        {"MSH100X100X4.0", "MSH100X100X4.0", 4.45f, false},
        {"R168.3X8.0", "R168.3X8", 8.45f, false}, {"R168.3X8.0", "R168.3X8", 8.07f, true},
    };
    for (const auto& c : cases) {
        const Shipped r = Shipped_By_Name(c.record);
        const std::array<float, 35> v = Resized(r, 2, c.wall / (10 * r.v[2]));
        SCOPED_TRACE(std::string(c.name) + " t " + std::to_string(c.wall));
        EXPECT_EQ(Profil_Outline_Agrees(r.letter, v.data(), c.name), c.agrees);
        EXPECT_EQ(ProfilData_Outline_Agrees(r.letter, 0, As_ProfilData(v).data(), c.name), c.agrees);
        EXPECT_EQ(Profil_Outline_Agrees(r.letter, v.data(), "SONDER1"), 1);
        if (c.agrees) continue;
        const Catalogue_Disagreement d = Check_Profil_Outline(r.letter, v.data(), c.name);
        EXPECT_TRUE(d.by_designation);
        EXPECT_EQ(d.value == 3 ? 2 : d.value, 2);
        EXPECT_NEAR(d.stored, c.wall / 10, 1e-6);
        EXPECT_NEAR(d.expected, r.v[2], 1e-6);
    }
    // Flat 100 x 10 (h its thickness) and round bar 20 (cm).
    const struct {
        const char* name;
        Catalogue_Outline o;
        bool agrees;
    } bars[] = {
        {"FL100X10", {'F', 1.0, 10, 0, 0, 0, 0, 0, 0}, true},   {"FL10X100", {'F', 1.0, 10, 0, 0, 0, 0, 0, 0}, true},
        {"FL100X10", {'F', 1.03, 10, 0, 0, 0, 0, 0, 0}, false}, {"FL100X10", {'F', 1.0, 10.3, 0, 0, 0, 0, 0, 0}, false},
        {"RD20", {'O', 2.0, 2.0, 0, 0, 0, 0, 0, 0}, true},      {"RD20", {'O', 2.06, 2.06, 0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& bar : bars) {
        const std::array<float, 35> v = Of_Outline(bar.o);
        EXPECT_EQ(Profil_Outline_Agrees(bar.o.letter, v.data(), "SONDER1"), 1) << bar.name;
        EXPECT_EQ(Profil_Outline_Agrees(bar.o.letter, v.data(), bar.name), bar.agrees) << bar.name << " " << bar.o.h;
        EXPECT_EQ(ProfilData_Outline_Agrees(bar.o.letter, 0, As_ProfilData(v).data(), bar.name), bar.agrees)
            << bar.name;
    }
}

// Every HP pile's web is as thick as its flanges. HP 220 x 57.2 of EN
// 10365 (h 210, b 224.5, t_w = t_f = 11, r 18 mm), which the file does not
// hold, passes under its name; with a web of 12.1 and flanges of 10.7 mm
// (its values those of that outline, its mass 1.1 % over) it passed by its
// mass, depth and width (V_z 290.2 kN: 0.951 for 1.040) and is refused now,
// named by its web with what its flanges allow: 1.024 x 10.7 = 10.96 mm.
// Under a name of its own it is the section it is. The piles of the file
// pass (HP 250 x 250 x 62: 10.5 and 10.7 mm, the widest).
TEST(CatalogueStatedSizes, AnHPPilesWebIsAsThickAsItsFlanges) {
    const struct {
        float t_w, t_f;
        bool agrees;
    } piles[] = {{1.1f, 1.1f, true}, {1.21f, 1.07f, false}, {1.07f, 1.12f, false}};
    for (const auto& p : piles) {
        const std::array<float, 35> v = Of_Outline({'D', 21.0, 22.45, p.t_w, p.t_f, 1.8, 0, 0, 0});
        SCOPED_TRACE("t_w " + std::to_string(p.t_w) + " t_f " + std::to_string(p.t_f));
        EXPECT_EQ(Profil_Outline_Agrees('D', v.data(), "HP220X220X57.2"), p.agrees);
        EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, As_ProfilData(v).data(), "HP220X220X57.2"), p.agrees);
        EXPECT_EQ(Profil_Outline_Agrees('D', v.data(), "SONDER1"), 1);
        if (p.agrees) continue;
        const Catalogue_Disagreement d = Check_Profil_Outline('D', v.data(), "HP220X220X57.2");
        EXPECT_TRUE(d.by_designation);
        EXPECT_EQ(d.value, 2);
        EXPECT_NEAR(d.expected, p.t_f * (p.t_w > p.t_f ? 1.024 : 0.976), 1e-6);
    }
    for (const Shipped& r : Shipped_Records()) {
        if (r.name.rfind("HP", 0) != 0) continue;
        EXPECT_EQ(Profil_Outline_Agrees('D', r.v.data(), r.name.c_str()), 1) << r.name;
    }
}

// Every record of the shipped file against the outline of its own
// dimensions (either place of a sloped flange's t_f, the nearer): area,
// centroid, second moments and elastic moduli (between the sharp corner's
// fibre and the rounded toe's) within the spread of its tables, %: the
// European tables within their three or four figures and the fillets'
// approximations, the American ones (whose root radius comes from the
// design distance k) wider, centroids to their two decimals of a cm. U 80's
// table put its centroid at 1.42 cm for the 1.452 of its outline (-2.2 %;
// its W_el,z of 6.38 gives 1.46): the file holds 1.45, and the old record
// is refused on both roads (named by its W_el,z at the back, 19.4 / 1.42).
TEST(CatalogueStatedSizes, TheShippedFileTiesToItsOutlines) {
    struct Spread {
        double A, e, I, W;
    };
    const std::map<std::string, Spread> spread = {
        {"D", {0.6, 0.1, 1.0, 1.0}}, {"DW", {1.0, 0.1, 2.0, 1.5}}, {"DS", {2.0, 0.1, 3.0, 2.0}},
        {"DHP", {2.0, 0.1, 2.5, 2.5}}, {"T", {0.5, 0.5, 2.0, 2.5}}, {"U", {1.0, 0.5, 1.0, 1.0}},
        {"UC", {1.5, 1.0, 2.5, 2.5}}, {"L", {0.5, 0.6, 2.0, 2.0}}, {"R", {0.1, 0.1, 0.1, 0.1}},
        {"K", {0.1, 0.1, 0.1, 0.1}}};
    for (const Shipped& r : Shipped_Records()) {
        std::string series(1, r.letter);
        if (r.name[0] == 'W' || r.name[0] == 'S' || r.name[0] == 'C') series += r.name[0];
        if (r.name.rfind("HP", 0) == 0) series += "HP";
        const Spread& s = spread.at(series);
        const catalogue::Record record =
            catalogue::Make_Record(r.letter, 0, nullptr, r.v.data(), catalogue::PROFIL_LAYOUT, catalogue::PROFIL_COUNT);
        Catalogue_Outline outlines[2];
        const int n = catalogue::Record_Outlines(record, outlines);
        // value index, its share, and the outline's {least, most} of it
        std::map<int, double> off;
        for (int k = 0; k < n; k++) {
            Catalogue_Section o{};
            ASSERT_EQ(Catalogue_Outline_Section(&outlines[k], &o), 1) << r.name;
            const std::tuple<int, double, double, double> values[] = {
                {4, s.A, o.A, o.A},       {6, s.e, o.e_z, o.e_z},   {7, s.e, o.e_y, o.e_y},   {9, s.I, o.I_y, o.I_y},
                {10, s.I, o.I_z, o.I_z},  {13, s.I, o.I_1, o.I_1},  {18, s.I, o.I_2, o.I_2},
                {14, s.W, o.W_1_top[0], o.W_1_top[1]},       {15, s.W, o.W_1_bottom[0], o.W_1_bottom[1]},
                {19, s.W, o.W_2_left[0], o.W_2_left[1]},     {20, s.W, o.W_2_right[0], o.W_2_right[1]}};
            for (const auto& [i, share, a, b] : values) {
                const double lo = std::min(a, b), hi = std::max(a, b), x = r.v[i];
                const double by = x < lo ? (lo - x) / lo : x > hi ? (x - hi) / hi : 0;
                off[i] = k == 0 ? by / share : std::min(off[i], by / share);
            }
        }
        for (const auto& [i, part] : off) EXPECT_LE(100 * part, 1.0) << r.name << " value " << i;
    }
    // U 80 as its table had it: e_y 1.42 and W_el,z at the back 19.4 / 1.42.
    Shipped u80 = Shipped_By_Name("U80");
    ASSERT_NEAR(u80.v[7], 1.45, 1e-6);
    u80.v[7] = 1.42f;
    u80.v[19] = 19.4f / 1.42f;
    EXPECT_EQ(Profil_Outline_Agrees('U', u80.v.data(), "U80"), 0);
    EXPECT_EQ(Profil_Outline_Agrees('U', u80.v.data(), "SONDER1"), 0);
    EXPECT_EQ(ProfilData_Outline_Agrees('U', 0, As_ProfilData(u80.v).data(), "U80"), 0);
}
