// The generated profile file: same tables give the same bytes, its records
// are sorted and complete, and the section values of every double-T record
// agree with a closed-form recomputation from its own dimensions.
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "support/scoped_fifo.h"
#include "profiles/catalogue_plausibility.h"
#include "profiles/profil_file.h"
#include "profiles/profil_reader.h"

using namespace testutil;

namespace {

int Run_Generator(const std::string& tables, const std::string& out) {
    std::string command = std::string("'") + WELD_MKPROFIL + "' '" + tables + "' '" + out + "' 2>/dev/null";
    return std::system(command.c_str());
}

TEST(ProfilFile, GeneratorGivesTheSameBytesAgainAndRefusesBadTables) {
    TempDir dir;
    const std::string tables = std::string(WELD_SOURCE_DIR) + "/data/profiles";
    ASSERT_EQ(Run_Generator(tables, dir.file("a")), 0);
    ASSERT_EQ(Run_Generator(tables, dir.file("b")), 0);
    std::string built = Read_File(WELD_PROFIL_FILE);
    EXPECT_EQ(Read_File(dir.file("a")), built);
    EXPECT_EQ(Read_File(dir.file("b")), built);

    // A designation in small letters is refused and no file is left.
    std::filesystem::create_directories(dir.path() / "bad");
    Write_File(dir.file("bad/01_x.csv"), "name,type_letter,record,D_mm,t_mm,A_cm2,I_cm4,Wel_cm3,Wpl_cm3,It_cm4\n"
                                         "r10.2X1.0,K,1,10.2,1,0.289,0.03,0.06,0.08,0.06\n");
    EXPECT_NE(Run_Generator(dir.file("bad"), dir.file("c")), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("c")));
}

TEST(ProfilFile, RecordsAreSortedWholeAndNamedWithoutBlanks) {
    FILE* f = std::fopen(WELD_PROFIL_FILE, "rb");
    ASSERT_NE(f, nullptr);
    // 2364 names, 118 of them without published dimensions (data README).
    ASSERT_EQ(Profil_Record_Count(f), 2364 - 118);
    ProfilRecord r;
    std::string previous;
    int tubes = 0;
    for (long i = 0; Read_Profil_Record(f, i, &r); i++) {
        std::string name(r.name, std::strcspn(r.name, " "));
        EXPECT_EQ(std::string(r.name).find_first_not_of(' ', name.size()), std::string::npos) << name;
        EXPECT_LT(previous, name);
        EXPECT_EQ(std::string(r.code, 3), "   ");
        tubes += r.code[3] == 'K';
        previous = name;
    }
    EXPECT_EQ(tubes, 1237);
    EXPECT_FALSE(Read_Profil_Record(f, 2364 - 118, &r));
    EXPECT_FALSE(Read_Profil_Record(f, -1, &r));
    std::fclose(f);
}

// Area and I_y of a double-T section from h, b, t_w, t_f, root radius r1 and
// toe radius r2 (mm), flanges sloped by p with t_f taken at b/4 from the tip.
// The flange outstand of length c is integrated exactly (Simpson's rule is
// exact for the cubic); root fillets are spandrels of area (1 - pi/4) r^2
// with their centroid 0.2234 r from both faces, toe spandrels are taken off.
struct Closed_Form {
    double a_cm2, iy_cm4;
};
Closed_Form Double_T(double h, double b, double tw, double tf, double r1, double r2, double p) {
    const double pi = std::acos(-1.0), c = (b - tw) / 2, y = h / 2;
    auto t = [&](double x) { return tf + p * (x - b / 4); };  // x from the tip
    auto strip = [&](double x) { return (y * y * y - std::pow(y - t(x), 3)) / 3; };
    double flanges_a = 4 * c * (t(0) + t(c)) / 2;
    double flanges_i = 4 * c / 6 * (strip(0) + 4 * strip(c / 2) + strip(c));
    double a1 = (1 - pi / 4) * r1 * r1, a2 = (1 - pi / 4) * r2 * r2;
    double z1 = y - t(c) - 0.2234 * r1, z2 = y - t(0) + 0.2234 * r2;
    double a = flanges_a + h * tw + 4 * a1 - 4 * a2;
    double iy = flanges_i + tw * h * h * h / 12 + 4 * (a1 * z1 * z1 + 0.007542 * std::pow(r1, 4)) - 4 * a2 * z2 * z2;
    return {a / 100, iy / 1e4};
}

TEST(ProfilFile, AreaAndIyOfEveryDoubleTRecordFollowFromItsDimensions) {
    FILE* f = std::fopen(WELD_PROFIL_FILE, "rb");
    ASSERT_NE(f, nullptr);
    ProfilRecord r;
    int checked = 0;
    for (long i = 0; Read_Profil_Record(f, i, &r); i++) {
        if (r.code[3] != 'D') continue;
        std::string name(r.name, std::strcspn(r.name, " "));
        const float* v = r.values;
        // American shapes (W, S, HP 250 to 360): their root radius is only
        // estimated by the tables, so the closed form can only bound them.
        bool american = name[0] == 'W' || name[0] == 'S' || name.rfind("HP250", 0) == 0 ||
                        name.rfind("HP310", 0) == 0 || name.rfind("HP360", 0) == 0;
        double slope = name[0] == 'S' ? 1.0 / 6.0 : v[26] > 0 ? 0.14 : 0.0;
        Closed_Form cf = Double_T(10 * v[0], 10 * v[1], 10 * v[2], 10 * v[3], 10 * v[25], 10 * v[26], slope);
        double tolerance = american ? 0.05 : 0.01;
        EXPECT_NEAR(v[4] / cf.a_cm2, 1.0, tolerance) << name << " A " << v[4] << " closed form " << cf.a_cm2;
        EXPECT_NEAR(v[9] / cf.iy_cm4, 1.0, tolerance) << name << " I_y " << v[9] << " closed form " << cf.iy_cm4;
        checked++;
    }
    std::fclose(f);
    EXPECT_EQ(checked, 144 + 114 + 6 + 161);  // H, I, S and W records with dimensions
}

}  // namespace

// A record holding a value that is no number is unusable: every reader of
// the file refuses it (it would give "nan" in every check), names the
// profile and the value once per run (a box at the screen), and still finds
// the records around it.
TEST_F(CatalogueTest, RecordWithAValueThatIsNoNumberIsRefusedAndNamed) {
    std::map<int, float> damaged = Shipped_Values("HE280A");
    damaged[4] = std::nanf("");
    Write_File(tree.Data("PROFIL"), Profil_Record("HE260A", 'D', Shipped_Values("HE260A")) +
                                        Profil_Record("HE280A", 'D', damaged) +
                                        Profil_Record("HE300A", 'D', Shipped_Values("HE300A")));
    float v[35];
    char code[8];
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
        EXPECT_EQ(Get_Profil_Values("HE280A", v, code), 0);
        FILE* f = Open_Profil_File(std::getenv("DATA"));
        ASSERT_NE(f, nullptr);
        ProfilRecord r;
        EXPECT_EQ(Find_Profil_Record(f, "HE280A         ", &r), -1);
        EXPECT_EQ(Search_Profil_File("HE280A", f, 3, v, code), 0);
        EXPECT_EQ(Find_Profil_Record(f, "HE300A         ", &r), 2);
        std::fclose(f);
    }
    ASSERT_NE(Get_Profile_Record("HE260A"), nullptr);
    EXPECT_EQ(Get_Profil_Values("HE300A", v, code), 3);
    EXPECT_FLOAT_EQ(v[4], 112.5f);  // EN 10365: HE 300 A, A 112.5 cm²
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0),
              "Profildatei PROFIL: Profil HE280A, Wert Nr. 4 ist keine g\x81ltige Zahl - das Profil wird nicht verwendet");
}

// A run looks its profile up a dozen times and more (15 on the Eurocode
// road of the example, 17 on DIN's), and each look-up judged the record
// anew, some 250,000 instructions each. A record is judged once per
// process: the same bytes under the same name take the judgement they had,
// on both roads; a record with another value, or the same values under
// another name, is judged again; a refused record stays refused, told once.
TEST_F(CatalogueTest, ARecordIsJudgedOncePerRun) {
    // Records of their own in this process, whatever other tests (or this
    // one, repeated) have judged: a warping constant a few millionths off.
    static int round = 0;
    const float own = 1 + 4e-6f * static_cast<float>(++round);
    std::map<int, float> he280a = Shipped_Values("HE280A"), thick = Shipped_Values("HE300B");
    he280a[24] *= own;
    thick[24] *= own;
    thick[2] *= 1.1f;  // its web 10 % thick: refused under its name
    Write_File(tree.Data("PROFIL"), Profil_Record("HE280A", 'D', he280a) + Profil_Record("HE300B", 'D', thick));
    float v[35];
    char code[8];
    const long before = Profil_Records_Judged();
    for (int k = 0; k < 15; k++) {
        ASSERT_NE(Get_Profile_Record("HE280A"), nullptr);
        EXPECT_EQ(Get_Profil_Values("HE280A", v, code), 1);
        EXPECT_EQ(Get_Profile_Record("HE300B"), nullptr);
    }
    EXPECT_EQ(Profil_Records_Judged() - before, 2);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_NE(VEK_Recorded_Messages()[0].lines.at(0).find("Profil HE300B, Wert Nr. 2 = 1.21"), std::string::npos);
    // The same values under the manager's layout are another record.
    const std::array<float, 39> w = ProfilData_Values(he280a);
    float copy[39];
    for (int k = 0; k < 3; k++) {
        std::copy(w.begin(), w.end(), copy);
        EXPECT_EQ(Profil_Record_Plausible("HE280A", 'D', 0, copy, 39), 1);
        std::copy(w.begin(), w.end(), copy);
        EXPECT_EQ(Profil_Record_Plausible("SONDER1", 'D', 0, copy, 39), 1);
        std::copy(w.begin(), w.end(), copy);
        copy[4] *= 1.1f;  // its area 10 % high
        EXPECT_EQ(Profil_Record_Plausible("HE280A", 'D', 0, copy, 39), 0);
        EXPECT_TRUE(std::isnan(copy[4]));
    }
    EXPECT_EQ(Profil_Records_Judged() - before, 5);
}

// The warping constant the generator works out for a channel without a
// published one. Its method is held to the published I_w of UPN 100, 120
// and 140 (410, 900, 1800 cm6, given to three figures: 1.5 %) by generating
// those rows with the value left out; the small channels, whose tables give no I_w, are held to a separate
// sectorial integration (a script, not this program) over the centre line
// of their outline with the flanges sloped 8 % (t = t_f + 0.08 (x - b/2), x
// from the tip): U 40x20 2.20, U 50x25 7.99, U 60 21.86 cm6. The formula of
// parallel flanges of nominal thickness gives 2.47, 9.05 and 25.11.
TEST(ProfilFile, WarpingConstantOfChannelsFollowsTheSlopedFlanges) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "u");
    Write_File(dir.file("u/11_u.csv"),
               "name,type_letter,record,h_mm,b_mm,tw_mm,tf_mm,r1_mm,r2_mm,flange_slope_pct,A_cm2,Iw_cm6\n"
               "U100,U,1,100,50,6,8.5,8.5,4.5,8,13.5,\n"
               "U120,U,2,120,55,7,9,9,4.5,8,17,\n"
               "U140,U,3,140,60,7,10,10,5,8,20.4,\n");
    ASSERT_EQ(Run_Generator(dir.file("u"), dir.file("PROFIL")), 0);
    struct Row {
        const char* file;
        const char* name;
        double iw;
    } rows[] = {{"PROFIL", "U100", 410},      {"PROFIL", "U120", 900}, {"PROFIL", "U140", 1800},
                {nullptr, "U40X20", 2.20},    {nullptr, "U50X25", 7.99}, {nullptr, "U60", 21.86}};
    for (const Row& w : rows) {
        FILE* f = std::fopen(w.file ? dir.file(w.file).c_str() : WELD_PROFIL_FILE, "rb");
        ASSERT_NE(f, nullptr);
        char key[16];
        Profil_Key(w.name, key);
        ProfilRecord r;
        ASSERT_GE(Find_Profil_Record(f, key, &r), 0) << w.name;
        std::fclose(f);
        EXPECT_NEAR(r.values[24], w.iw, (w.file ? 0.015 : 0.002) * w.iw) << w.name;
    }
}

// The outline of each family against closed forms and published values
// (cm): exact for the bars, tubes and elliptical sections and for sharp
// corners (the sections of catalogue_fixture.h); with root and toe radii and
// sloped flanges within the rounding of the tables (HE 280 A and L 100 x 10
// of EN 10365 and EN 10056-1, U 100 of EN 10365, SHS 100 x 100 x 5 of
// EN 10210-2).
TEST(CatalogueOutline, SectionValuesOfEveryFamily) {
    const double pi = std::acos(-1.0);
    const auto sharp = [](char letter, double h, double b, double tw, double tf) {
        const std::map<int, float> v = Sharp_Section(letter, h, b, tw, tf);
        return std::array<double, 3>{v.at(4), v.at(9), v.at(10)};
    };
    const struct {
        Catalogue_Outline o;
        std::array<double, 3> a_iy_iz;
        double tolerance;
    } cases[] = {
        {{'F', 2, 10, 0, 0, 0, 0, 0, 0}, {20, 10 * 8 / 12.0, 2 * 1000 / 12.0}, 1e-12},
        {{'O', 4, 0, 0, 0, 0, 0, 0, 0}, {4 * pi, 4 * pi, 4 * pi}, 1e-12},
        // D 10, t 1: pi/4 (100 - 64), pi/64 (10^4 - 8^4).
        {{'K', 10, 10, 1, 1, 0, 0, 0, 0}, {9 * pi, 92.25 * pi, 92.25 * pi}, 1e-12},
        // Semi-axes 10 upright and 5 across, t 1: pi (50 - 9 * 4),
        // pi/4 (5 * 10^3 - 4 * 9^3), pi/4 (10 * 5^3 - 9 * 4^3).
        {{'E', 20, 10, 1, 0, 0, 0, 0, 0}, {14 * pi, 521 * pi, 168.5 * pi}, 1e-12},
        {{'D', 20, 10, 1, 1.5, 0, 0, 0, 0}, sharp('D', 20, 10, 1, 1.5), 1e-6},  // stored as float
        {{'U', 30, 10, 1, 1.5, 0, 0, 0, 0}, sharp('U', 30, 10, 1, 1.5), 1e-6},
        {{'T', 3, 3, 0.4, 0.4, 0, 0, 0, 0}, sharp('T', 3, 3, 0.4, 0.4), 1e-6},
        {{'D', 27, 28, 0.8, 1.3, 2.4, 0, 0, 7}, {97.3, 13670, 4763}, 0.005},
        {{'L', 10, 10, 1, 1, 1.2, 0.6, 0, 0}, {19.2, 176.7, 176.7}, 0.005},
        {{'U', 10, 5, 0.6, 0.85, 0.85, 0.45, 0.08, 2.5}, {13.5, 206, 29.3}, 0.01},
        {{'R', 10, 10, 0.5, 0.5, 0.75, 0.5, 0, 0}, {18.73, 279.4, 279.4}, 0.002},
        // Zed 20 high, flanges 3 wide (5 from tip to tip), t_w 1, t_f 0.8.
        {{'Z', 20, 5, 1, 0.8, 0, 0, 0, 0}, sharp('Z', 20, 3, 1, 0.8), 1e-6},
    };
    for (const auto& c : cases) {
        double v[3] = {};
        ASSERT_EQ(Catalogue_Outline_Values(&c.o, &v[0], &v[1], &v[2]), 1) << c.o.letter;
        for (int k = 0; k < 3; k++)
            EXPECT_NEAR(v[k] / c.a_iy_iz[k], 1.0, c.tolerance) << c.o.letter << " " << c.o.h << " value " << k;
    }
    // No outline: an unknown family, a zed whose flanges meet, a web as wide
    // as the flange, walls that meet.
    double a, iy, iz;
    for (const Catalogue_Outline& o : {Catalogue_Outline{'X', 10, 5, 1, 1, 0, 0, 0, 0},
                                       Catalogue_Outline{'Z', 10, 5, 1, 5, 0, 0, 0, 0},
                                       Catalogue_Outline{'D', 20, 1, 1, 1, 0, 0, 0, 0},
                                       Catalogue_Outline{'R', 10, 10, 5, 5, 0, 0, 0, 0}})
        EXPECT_EQ(Catalogue_Outline_Values(&o, &a, &iy, &iz), 0) << o.letter;
}

// Every value a record gives, as the outline has it, against the published
// tables (cm): EN 10365 for HE 280 A, IPE 300 and UPN 100 (8 % flanges, t_f
// at b/2), EN 10056-1 for L 100 x 10 and L 150 x 100 x 10, EN 10210-2 for
// SHS 100 x 100 x 5 (r_o = 1.5 t, r_i = t), within 2 %, or a range of the
// outline (the torsion constant of a double-T between the producers' and
// the design tables' formulas, moduli between the sharp and the rounded
// extreme fibre) that holds the published value. The principal
// moduli of L 100 x 10 by hand from its sharp corners: the major axis is the
// leg bisector, the tips h / sqrt 2 = 7.071 from it, I_u / 7.071 = 39.70;
// the heel e sqrt 2 = 3.988 from the minor axis, I_v / 3.988 = 18.22.
TEST(CatalogueOutline, EveryValueAgreesWithThePublishedTables) {
    using Q = std::pair<const char*, double>;
    const struct {
        Catalogue_Outline o;
        std::vector<Q> published;
    } cases[] = {
        {{'D', 27, 28, 0.8, 1.3, 2.4, 0, 0, 7},
         {{"A", 97.3}, {"e_y", 14}, {"e_z", 13.5}, {"tan", 0}, {"I_y", 13670}, {"I_z", 4763}, {"I_1", 13670},
          {"I_2", 4763}, {"W_1_top", 1013}, {"W_1_bottom", 1013}, {"W_2_left", 340.2}, {"W_pl_y", 1112},
          {"W_pl_z", 518.1}, {"I_t", 62.1}, {"I_w", 785000}}},
        {{'D', 30, 15, 0.71, 1.07, 1.5, 0, 0, 3.75},
         {{"A", 53.81}, {"I_y", 8356}, {"I_z", 603.8}, {"W_1_top", 557.1}, {"W_2_right", 80.5}, {"W_pl_y", 628.4},
          {"W_pl_z", 125.2}, {"I_t", 20.12}, {"I_w", 126000}}},
        {{'U', 10, 5, 0.6, 0.85, 0.85, 0.45, 0.08, 2.5},
         {{"A", 13.5}, {"e_y", 1.55}, {"e_z", 5}, {"I_y", 206}, {"I_z", 29.3}, {"W_1_top", 41.2},
          {"W_2_right", 8.49}, {"W_pl_y", 49}, {"W_pl_z", 16.2}, {"I_t", 2.81}, {"I_w", 410}}},
        {{'L', 10, 10, 1, 1, 1.2, 0.6, 0, 0},
         {{"A", 19.2}, {"e_y", 2.82}, {"e_z", 2.82}, {"tan", 1}, {"I_y", 176.7}, {"I_1", 280.7}, {"I_2", 72.65},
          {"W_1_top", 39.70}, {"W_1_bottom", 39.70}, {"W_2_left", 18.22}, {"I_t", 6.97}}},
        {{'L', 15, 10, 1, 1, 1.2, 0.6, 0, 0},
         {{"A", 24.2}, {"e_y", 2.34}, {"e_z", 4.81}, {"tan", 0.438}, {"I_y", 553}, {"I_z", 199}, {"I_1", 637},
          {"I_2", 114}, {"I_t", 8.63}}},
        {{'R', 10, 10, 0.5, 0.5, 0.75, 0.5, 0, 0},
         {{"A", 18.73}, {"I_y", 279.4}, {"W_1_top", 55.89}, {"W_2_left", 55.89}, {"W_pl_y", 66.36}, {"I_t", 439.4}}},
    };
    for (const auto& c : cases) {
        Catalogue_Section s;
        ASSERT_EQ(Catalogue_Outline_Section(&c.o, &s), 1) << c.o.letter << c.o.h;
        const std::map<std::string, std::pair<double, double>> outline = {
            {"A", {s.A, s.A}},                  {"e_y", {s.e_y, s.e_y}},
            {"e_z", {s.e_z, s.e_z}},            {"tan", {s.tan_alpha, s.tan_alpha}},
            {"I_y", {s.I_y, s.I_y}},            {"I_z", {s.I_z, s.I_z}},
            {"I_1", {s.I_1, s.I_1}},            {"I_2", {s.I_2, s.I_2}},
            {"W_1_top", {s.W_1_top[0], s.W_1_top[1]}},    {"W_1_bottom", {s.W_1_bottom[0], s.W_1_bottom[1]}},
            {"W_2_left", {s.W_2_left[0], s.W_2_left[1]}}, {"W_2_right", {s.W_2_right[0], s.W_2_right[1]}},
            {"W_pl_y", {s.W_pl_y, s.W_pl_y}},   {"W_pl_z", {s.W_pl_z, s.W_pl_z}},
            {"I_t", {s.I_t[0], s.I_t[1]}},      {"I_w", {s.I_w[0], s.I_w[1]}}};
        for (const auto& [what, value] : c.published) {
            const auto [lo, hi] = outline.at(what);
            // The closed forms of a channel's and an angle's torsion and
            // warping constants count their fillets and sloped flanges
            // more fully than the tables, which lie up to 15 % under them
            // (the judgement's band of each family holds how far).
            const bool under = (c.o.letter == 'U' || c.o.letter == 'L') && std::string(what).rfind("I_", 0) == 0 &&
                               (what[2] == 't' || what[2] == 'w');
            EXPECT_GE(value, std::min(lo * (under ? 0.85 : 0.98), lo - 0.01)) << c.o.letter << c.o.h << " " << what;
            EXPECT_LE(value, std::max(hi * 1.02, hi + 0.01)) << c.o.letter << c.o.h << " " << what;
        }
    }
}

// Every record of the shipped file agrees with its outline within the
// tolerance of its series, in every value it gives, and without its
// designation within those of any series of its family. The widest honest
// deviations are the American beams and channels (up to 3 %, S 100 x 70 x
// 11.5, C 230 x 64 x 22): their tables take the root radius from the
// design distance k and leave out the toe radii.
TEST(CatalogueOutline, EveryShippedRecordAgreesWithItsDimensions) {
    FILE* f = std::fopen(WELD_PROFIL_FILE, "rb");
    ASSERT_NE(f, nullptr);
    std::map<char, int> judged;
    ProfilRecord r;
    for (long i = 0; Read_Profil_Record(f, i, &r); i++) {
        const Catalogue_Disagreement d = Check_Profil_Outline(r.code[3], r.values, r.name);
        EXPECT_EQ(d.value, -1) << r.name << " value " << d.value << " " << d.stored << " outline " << d.expected;
        EXPECT_EQ(Profil_Outline_Agrees(r.code[3], r.values), 1) << r.name;
        EXPECT_TRUE(std::isfinite(r.values[4])) << r.name;
        judged[r.code[3]]++;
    }
    std::fclose(f);
    EXPECT_EQ(judged, (std::map<char, int>{{'D', 425}, {'K', 1237}, {'L', 109}, {'R', 390}, {'T', 42}, {'U', 43}}));
}

// Every value a check or a picture takes from a record, of a record of each
// family, times 1.5 and times 0.7: the record is refused and the value named
// (first, or beside the first when the record cannot tell the two apart: a
// big section hardly feels its fillets, so that its root radius and value 27
// explain it alike). An angle's second leg thickness (value 3) was taken
// unchecked: x 1.5 gave U_c/t 0.648 instead of 0.778. Where the value is
// named first, what the other values give for it lies nearer to its
// shipped value than the damaged one (a range's end for a value the tables
// give in a range).
TEST(CatalogueOutline, EveryValueTheChecksTakeIsHeldToTheOthers) {
    const struct {
        const char* name;
        char letter;
    } records[] = {{"HE280A", 'D'}, {"I200", 'D'}, {"1/2IPE300", 'T'}, {"U100", 'U'}, {"C200X57X17.1", 'U'},
                   {"L100X10", 'L'}, {"L150X100X10", 'L'}, {"MSH120X80X6.3", 'R'}, {"R88.9X5.0", 'K'}};
    const int taken[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
    for (const auto& [name, letter] : records) {
        const std::map<int, float> shipped = Shipped_Values(name);
        float values[35];
        for (int i = 0; i < 35; i++) values[i] = shipped.at(i);
        ASSERT_EQ(Check_Profil_Outline(letter, values).value, -1) << name;
        for (int index : taken) {
            if (values[index] == 0) continue;  // a value the family has not
            for (float factor : {1.5f, 0.7f}) {
                float damaged[35];
                std::copy(values, values + 35, damaged);
                damaged[index] *= factor;
                EXPECT_EQ(Profil_Outline_Agrees(letter, damaged), 0) << name << " value " << index << " x" << factor;
                const Catalogue_Disagreement d = Check_Profil_Outline(letter, damaged);
                EXPECT_TRUE(d.value == index || d.also[0] == index || d.also[1] == index)
                    << name << " value " << index << " x" << factor << ": named " << d.value << ", " << d.also[0]
                    << ", " << d.also[1];
                if (d.value != index) continue;
                EXPECT_NEAR(d.stored, damaged[index], 1e-6 * std::fabs(damaged[index]));
                EXPECT_LT(std::fabs(d.expected - values[index]), std::fabs(damaged[index] - values[index]))
                    << name << " value " << index << " x" << factor << ": " << d.expected;
            }
        }
    }
}

// Each value is held as closely as the tables agree with the outline (the
// measured spread and its margin, catalogue_bands.cpp): damage the
// former 5 % took without a word is refused and named, with what the other
// values give for it. IPE 300 (h 300, b 150, t_w 7.1, t_f 10.7, r 15 mm,
// I_t 20.12 cm4), by hand in cm: the producers' formula 2/3 (b - 0.63 t_f)
// t_f^3 + (h - 2 t_f) t_w^3 / 3 + 2 (t_w / t_f) (0.145 + 0.1 r / t_f) D^4,
// D = ((r + t_w / 2)^2 + (r + t_f)^2 - r^2) / (2 r + t_f) = 1.91546, gives
// 11.6999 + 3.3238 + 5.0948 = 20.1185; the design tables' 2/3 b t_f^3 +
// (h - 2 t_f) t_w^3 / 3 + 2 alpha D^4 - 0.42 t_f^4 with alpha = 0.181815
// gives 12.2504 + 3.3238 + 4.8950 - 0.5505 = 19.9187. The double-T band of
// 0.9925 to 1.0026 of that range: 19.7693 to 20.1708. Before, +10 % turned
// U 1.042 into 0.990, "Nachweis erbracht"; HE 300 B with its web 10 %
// thicker, 1.050 into 1.000 (its A +1.9 %, within the former 5 %). A
// torsion constant of 0 and a root radius below 0 were taken as none.
TEST(CatalogueOutline, ValuesAreHeldAsCloselyAsTheTablesAgree) {
    const struct {
        const char* name;
        int index;
        float factor, value;  // damaged: shipped * factor, or value where factor is 0
        double lo, hi;        // what the other values give for it
    } cases[] = {
        {"IPE300", 23, 1.1f, 0, 20.1708 - 1e-3, 20.1708 + 1e-3},
        {"IPE300", 23, 0.9f, 0, 19.7693 - 1e-3, 19.7693 + 1e-3},
        {"IPE300", 23, 0, 0, 19.7693 - 1e-3, 19.7693 + 1e-3},
        {"IPE300", 23, 0, -20.12f, 19.7693 - 1e-3, 19.7693 + 1e-3},
        // The web of HE 300 B is 11 mm; solved from the record's values.
        {"HE300B", 2, 1.1f, 0, 1.1 * 0.995, 1.1 * 1.005},
        {"HE300B", 2, 0.9f, 0, 1.1 * 0.995, 1.1 * 1.005},
        // L 100 x 10: r_1 12, r_2 6 mm, the toe radius half the root's.
        {"L100X10", 25, 0, -1.2f, 1.2 - 1e-6, 1.2 + 1e-6},
        {"L100X10", 26, 0, -0.6f, 0.6 - 1e-6, 0.6 + 1e-6},
    };
    for (const auto& c : cases) {
        const std::map<int, float> shipped = Shipped_Values(c.name);
        float values[35];
        for (int i = 0; i < 35; i++) values[i] = shipped.at(i);
        const char letter = c.name[0] == 'L' ? 'L' : 'D';
        values[c.index] = c.factor != 0 ? values[c.index] * c.factor : c.value;
        EXPECT_EQ(Profil_Outline_Agrees(letter, values, c.name), 0) << c.name << " " << c.index;
        const Catalogue_Disagreement d = Check_Profil_Outline(letter, values, c.name);
        EXPECT_EQ(d.value, c.index) << c.name << " " << c.index;
        EXPECT_GE(d.expected, c.lo) << c.name << " " << c.index;
        EXPECT_LE(d.expected, c.hi) << c.name << " " << c.index;
    }
    // A torsion constant 10 % high, in every double-T series the tables
    // give one for; the HP piles of the American tables are held more
    // loosely (their published values lie down to 0.879 of the formulas).
    for (const char* name : {"HE100A", "HE300B", "HE500M", "HE360AA", "HD400X400X314", "HL1000B", "IPE80", "IPE300",
                             "IPE600", "IPEA300", "IPEO400", "IPEV500", "I200", "IPN300", "W310X310X97",
                             "W360X410X818", "S310X125X52"}) {
        const std::map<int, float> shipped = Shipped_Values(name);
        float values[35];
        for (int i = 0; i < 35; i++) values[i] = shipped.at(i);
        values[23] *= 1.1f;
        EXPECT_EQ(Check_Profil_Outline('D', values, name).value, 23) << name;
    }
    // The series is the designation's: the values of an American beam
    // under a European name are held to the European tables.
    const std::map<int, float> s100 = Shipped_Values("S100X70X11.5");
    float values[35];
    for (int i = 0; i < 35; i++) values[i] = s100.at(i);
    EXPECT_EQ(Profil_Outline_Agrees('D', values, "S100X70X11.5"), 1);
    EXPECT_EQ(Profil_Outline_Agrees('D', values, nullptr), 1);
    EXPECT_EQ(Profil_Outline_Agrees('D', values, "I100"), 0);
}

// HE 280 A with one value damaged: every reader of the catalogue refuses the
// record and names it once, with the value that disagrees and what the
// dimensions give (for a range its nearer end); its neighbours stay usable.
// The values the checks take beside A and I_y were used unchecked: I_1 or
// I_2 doubled, e_y halved made a failing connection pass. What the outline
// gives, independently: A and I_y the closed form of this file (Double_T,
// 97.26 and 13 670), I_1 = I_y and I_2 = I_z of the published table (4763),
// e_y = b/2 = 14 and e_z = h/2 = 13.5 by symmetry, tan alpha 0, W_el,y =
// 1013 and W_pl,y = 1112 of the table; for I_t and I_w the upper end of the
// range, above the table's 62.1 and 785 000 but well below the doubled value.
TEST_F(CatalogueTest, RecordThatDisagreesWithItsDimensionsIsRefusedAndNamed) {
    const Closed_Form he280a = Double_T(270, 280, 8, 13, 24, 0, 0);
    const struct {
        int index;
        float factor, plus;  // the damaged value: shipped value * factor + plus
        double outline_lo, outline_hi;
    } cases[] = {{9, 2, 0, he280a.iy_cm4 * 0.9995, he280a.iy_cm4 * 1.0005},
                 {4, 2, 0, he280a.a_cm2 * 0.9995, he280a.a_cm2 * 1.0005},
                 {13, 2, 0, he280a.iy_cm4 * 0.9995, he280a.iy_cm4 * 1.0005},
                 {18, 2, 0, 4763 * 0.999, 4763 * 1.001},
                 {7, 0.5, 0, 14, 14},
                 {6, 0.5, 0, 13.5, 13.5},
                 {8, 1, 0.3f, 0, 0},
                 {14, 2, 0, 1013 * 0.995, 1013 * 1.005},
                 {16, 2, 0, 1112 * 0.99, 1112 * 1.01},
                 {23, 2, 0, 62.1, 62.1 * 1.2},
                 {24, 2, 0, 785000, 785000 * 1.1}};
    for (const auto& c : cases) {
        std::map<int, float> damaged = Shipped_Values("HE280A");
        damaged[c.index] = damaged[c.index] * c.factor + c.plus;
        Write_File(tree.Data("PROFIL"), Profil_Record("HE260A", 'D', Shipped_Values("HE260A")) +
                                            Profil_Record("HE280A", 'D', damaged));
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
        float v[35];
        char code[8], name[16] = "HE280A";
        double out1, out2;
        EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr) << c.index;
        EXPECT_EQ(Get_Profil_Values("HE280A", v, code), 0);
        EXPECT_EQ(Read_Profil_from_File('D', name, sizeof name, &out1, &out2, nullptr, nullptr, nullptr), 0);
        EXPECT_NE(Get_Profile_Record("HE260A"), nullptr);
        // The notice, then the end-plate reader's own "not found" box.
        ASSERT_EQ(VEK_Recorded_Messages().size(), 2u) << c.index;
        const std::string line = VEK_Recorded_Messages()[0].lines.at(0);
        int named = -1;
        double stored = 0, outline = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "Profildatei PROFIL: Profil HE280A, Wert Nr. %d = %lf passt nicht zu den "
                                            "Abmessungen (%lf) - das Profil wird nicht verwendet",
                              &named, &stored, &outline),
                  3)
            << line;
        EXPECT_EQ(named, c.index);
        EXPECT_NEAR(stored, damaged[c.index], 1e-5 * std::fabs(damaged[c.index]));
        EXPECT_GE(outline, c.outline_lo - 1e-9) << line;
        EXPECT_LE(outline, c.outline_hi + 1e-9) << line;
    }
    // The profile manager's record: values one place further on.
    std::map<int, float> damaged = To_ProfilData(Shipped_Values("HE280A"));
    damaged[10] *= 2;
    Reset_Profile_Catalogue();
    tree.Install_Manager(ProfilData_Record(0, 2, "HE280A", "", damaged));
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0).rfind("Profildatei ProfilData.bin: Profil HE280A, Wert Nr. 10 = 27340 passt", 0),
              0u);
}

// The profile file and the manager's database are found by name in the
// data directory: a FIFO or a folder standing there is refused at once
// (a FIFO would otherwise hold every look-up until some writer came).
TEST(ProfilFile, NoFileUnderTheNameIsRefusedWithoutWaiting) {
    testutil::TempDir dir;
    {
        testutil::ScopedFifo fifo(dir.file("PROFIL"));
        ASSERT_TRUE(fifo.Made());
        EXPECT_EQ(Open_Profil_File(dir.str().c_str()), nullptr);
        EXPECT_FALSE(fifo.Waited());
    }
    std::filesystem::create_directory(dir.file("PROFIL"));
    EXPECT_EQ(Open_Profil_File(dir.str().c_str()), nullptr);
}
