// A catalogue record under a name of the user's own: its family and type are
// the record's (its type letter), on both roads; its values are held to their
// own dimensions as tightly as under a designation; a name longer than the
// profile file's key is refused, not taken for the record its first 15
// characters spell.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "platform/msgbox.h"
#include "profiles/profil_file.h"

using namespace testutil;

namespace {

using OwnNames = CatalogueTest;

struct Renamed {
    const char* record;  // a shipped designation
    const char* name;    // the name it stands under
    int type;            // the type the record gives (PROFILTYP_*)
    int family;          // PROFIL_FAMILY_*
};

// Every family's record under names whose first letter is another family's
// (FLANSCH a flat bar, SONDER1 an S shape, CHS1 a channel, RHS1 and IPE1 no
// tube), of none (XHE300B) or an EN spelling of another series (UB1): a
// name of no series leaves a double-T an I-Profil and a tee a half I; a
// designation names its own type (HE an H-Profil).
const Renamed RENAMED[] = {
    {"HE300B", "HE300B", PROFILTYP_H, PROFIL_FAMILY_I},    {"HE300B", "FLANSCH", PROFILTYP_I, PROFIL_FAMILY_I},
    {"HE300B", "SONDER1", PROFILTYP_I, PROFIL_FAMILY_I},   {"HE300B", "XHE300B", PROFILTYP_I, PROFIL_FAMILY_I},
    {"U200", "CHS1", PROFILTYP_U, PROFIL_FAMILY_U},        {"1/2IPE300", "KAPPE", PROFILTYP_HALB_I, PROFIL_FAMILY_T},
    {"L100X10", "RHS1", PROFILTYP_L, PROFIL_FAMILY_L},     {"MSH100X100X5.0", "UB1", PROFILTYP_RECHTECK, PROFIL_FAMILY_RHS},
    {"R88.9X5.0", "IPE1", PROFILTYP_ROHR, PROFIL_FAMILY_TUBE},
};

std::map<int, float> Map_Of(const std::array<float, 35>& v) {
    std::map<int, float> m;
    for (int i = 0; i < 35; i++) m[i] = v[i];
    return m;
}

}  // namespace

// Each record under each name, from PROFIL and from the manager's file: the
// record's family and type, and the record's own area (cm2 x 100) in the
// profile. Before, the PROFIL road took both from the name's first letter:
// FLANSCH made HE 300 B a flat bar (no catalogue profile), SONDER2 U 200's
// record a double-T, XHE300B no family at all.
TEST_F(OwnNames, TheRecordGivesItsFamilyAndTypeUnderAnyName) {
    std::map<std::string, std::string> profil;  // sorted by name, as the file must be
    std::string manager;
    for (const Renamed& r : RENAMED) {
        const Shipped s = Shipped_By_Name(r.record);
        const std::map<int, float> v = Map_Of(s.v);
        profil[r.name] = Profil_Record(r.name, s.letter, v);
        const int type_code = static_cast<int>(std::string("DUTLRK").find(s.letter));  // ProfilData.bin's
        manager += ProfilData_Record(type_code, 3, r.name, "", To_ProfilData(v));
    }
    std::string file;
    for (const auto& [name, record] : profil) file += record;
    Write_File(tree.Data("PROFIL"), file);
    for (int road = 0; road < 2; road++) {
        if (road == 1) {
            Reset_Profile_Catalogue();
            Reset_Profil_Library();
            tree.Install_Manager(manager);
        }
        for (const Renamed& r : RENAMED) {
            SCOPED_TRACE(std::string(r.record) + " as " + r.name + (road ? " from the manager's file" : ""));
            EXPECT_EQ(Get_Profil_Family(r.name), r.family);
            Stahlprofil p;
            Init_Profile(&p);
            Default_Material_Params(&p.material);
            ASSERT_EQ(Init_Profile_From_Name(&p, r.name), 0);
            EXPECT_EQ(p.type, r.type);
            EXPECT_NEAR(p.A, 100 * Shipped_By_Name(r.record).v[4], 1e-3 * p.A);
        }
    }
}

// Under a name of no series a record's values tie to its dimensions as
// tightly as under its designation: HE 300 B's web 10 % thick (A 1.9 % under
// its outline) passed under SONDER1 or WERK1 by the loosest bound of every
// American row at once (V_z 422.5 kN: 0.957 for 1.049); S 100 x 70 x 11.5's
// I_y and I_1 5 % high passed at the S band's edge (2.4 % over its outline)
// under its own name too, as did HE 300 B's I_y 3 % high alone (I_1 = I_y,
// and W_y h/2 = 1678 x 15 = 25170 cm4 = I_1 by hand), and its I_y 1 % high
// beside I_1, which it equals within 0.5 %. Each is named by a value it
// changed (PROFIL's order), both roads.
TEST(OwnNameTies, AValueThatBreaksItsTiesIsRefusedUnderAnyName) {
    const struct {
        const char* record;
        std::vector<std::pair<int, float>> changed;  // value index, factor
        std::vector<int> named;                      // the value named is one of these
    } rows[] = {{"HE300B", {{2, 1.10f}}, {2}},           {"HE300B", {{9, 1.03f}}, {9, 13}},
                {"S100X70X11.5", {{9, 1.05f}, {13, 1.05f}}, {9, 13}}, {"HE300B", {{16, 1.04f}}, {16, 17}},
                {"U200", {{14, 1.05f}}, {14}},          {"HE300B", {{9, 1.01f}}, {9, 13}}};
    for (const auto& row : rows) {
        Shipped s = Shipped_By_Name(row.record);
        for (const auto& [index, factor] : row.changed) s.v[index] *= factor;
        const std::array<float, 39> w = ProfilData_Values(Map_Of(s.v));
        for (const char* name : {row.record, "SONDER1", "WERK1"}) {
            SCOPED_TRACE(std::string(row.record) + " as " + name + " value " + std::to_string(row.changed[0].first));
            EXPECT_EQ(Profil_Outline_Agrees(s.letter, s.v.data(), name), 0);
            EXPECT_EQ(ProfilData_Outline_Agrees(s.letter, 0, w.data(), name), 0);
            const int named = Check_Profil_Outline(s.letter, s.v.data(), name).value;
            EXPECT_NE(std::find(row.named.begin(), row.named.end(), named), row.named.end()) << named;
        }
    }
}

// Every double-T of the shipped file with its web 10 % thick, and every
// record of every family with its first principal moment and the moment it
// is (I_y; an angle's I_u alone) 5 % high, is refused under a name of no
// series. Before, 129 of the 425 double-T records passed with the web, 3
// (S 100 x 70 x 11.5 also under its own name) with the moments.
TEST(OwnNameTies, EveryFamilyIsHeldUnderANameOfNoSeries) {
    std::map<char, int> passed, judged;
    for (Shipped s : Shipped_Records()) {
        ASSERT_EQ(Profil_Outline_Agrees(s.letter, s.v.data(), "SONDER1"), 1) << s.name;
        judged[s.letter]++;
        Shipped web = s, moments = s;
        web.v[2] *= 1.10f;
        moments.v[13] *= 1.05f;
        if (s.letter != 'L') moments.v[9] *= 1.05f;
        if (s.letter == 'D' && Profil_Outline_Agrees(s.letter, web.v.data(), "SONDER1")) passed['W']++;
        if (Profil_Outline_Agrees(s.letter, moments.v.data(), "SONDER1")) passed[s.letter]++;
    }
    EXPECT_EQ(judged, (std::map<char, int>{{'D', 425}, {'K', 1237}, {'L', 109}, {'R', 390}, {'T', 42}, {'U', 43}}));
    EXPECT_TRUE(passed.empty()) << passed.begin()->first << " " << passed.begin()->second;
}

// Under a name of no series the area is all that ties the web to the
// record: a web 5 % thick passed wherever its area stayed within the
// rows' bands of the whole family (European 1.1 %, W 1.4 % under the
// outline). It is held to the spread of the series' own records now
// (European -0.58 %, W -0.81 %, a margin of 0.1 % and the stored area's
// rounding). By hand, A = 2 b t_f + (h - 2 t_f) t_w + (4 - pi) r^2 (mm):
//  HE 200 AA (186, 200, 5.5, 8, r 18): 3200 + 170 x 5.5 + 278.12 = 4413.12
//   (stored 44.1 cm2, -0.07 %); t_w 5.775: 4459.87, stored -1.12 %; the web
//   the stored area gives, (4410 - 3200 - 278.12) / 170 = 5.482;
//  HE 300 AA (283, 300, 7.5, 10.5, r 27): 6300 + 262 x 7.5 + 625.78 =
//   8890.78 (88.9, -0.01 %); t_w 7.875: 8989.03, -1.10 %; web 7.497;
//  W 250 x 250 x 73 (254, 254, 8.64, 14.2, r 12.7): 7213.6 + 225.6 x 8.64
//   + 138.45 = 9301.24 (92.9, -0.12 %); t_w 9.072: 9398.69, -1.16 %; web
//   (9290 - 7213.6 - 138.45) / 225.6 = 8.590.
// Each web 5 % thick is refused under SONDER1, named t_w with the web its
// area gives, both roads; the honest record passes.
TEST(OwnNameTies, AWebFivePerCentThickIsToldByTheArea) {
    const struct {
        const char* record;
        float web;  // cm, what the stored area gives
    } rows[] = {{"HE200AA", 0.5482f}, {"HE300AA", 0.7497f}, {"W250X250X73", 0.8590f}};
    for (const auto& row : rows) {
        for (const auto& [factor, agrees] : {std::pair{1.0f, 1}, {1.05f, 0}}) {
            Shipped s = Shipped_By_Name(row.record);
            s.v[2] *= factor;
            const std::array<float, 39> w = ProfilData_Values(Map_Of(s.v));
            SCOPED_TRACE(std::string(row.record) + " t_w x" + std::to_string(factor));
            EXPECT_EQ(Profil_Outline_Agrees('D', s.v.data(), "SONDER1"), agrees);
            EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, w.data(), "SONDER1"), agrees);
            if (agrees) continue;
            const Catalogue_Disagreement d = Check_Profil_Outline('D', s.v.data(), "SONDER1");
            EXPECT_EQ(d.value, 2);
            EXPECT_NEAR(d.expected, row.web, 0.002);
        }
    }
}

// The records whose web 5 % thick moves the area by less than the
// European row's band (1.1 % under the outline) and more than the own
// series' spread that a name of no series is held to (European 0.68 %, W
// 0.92 %, beside the stored area's rounding): that spread alone refuses
// them. By hand, A = 2 b t_f + (h - 2 t_f) t_w + (4 - pi) r^2 (mm), stored
// against it: HE 220 AA (205, 220, 6, 8.5, r 18; 51.5 cm2) -1.01 %, HE 220
// M (240, 226, 15.5, 26, r 18; 149.4) -0.99 %, HE 240 AA (224, 240, 6.5, 9,
// r 21; 60.4) -1.06 %, HE 260 AA (244, 260, 6.5, 9.5, r 24; 69.0) -1.01 %,
// HD 400 x 400 x 314 (399, 401, 24.9, 39.6, r 15; 399.2) -0.98 %, W 310 x 310
// x 253 (356, 320, 24.4, 39.6, r 15.3; 323) -1.03 %. With the spread three
// times as wide all six passed under SONDER1.
TEST(OwnNameTies, AWebFivePerCentThickIsToldByItsSeriesOwnSpread) {
    const struct {
        const char* record;
        double h, b, t_w, t_f, r;  // mm
    } rows[] = {{"HE220AA", 205, 220, 6, 8.5, 18},       {"HE220M", 240, 226, 15.5, 26, 18},
                {"HE240AA", 224, 240, 6.5, 9, 21},       {"HE260AA", 244, 260, 6.5, 9.5, 24},
                {"HD400X400X314", 399, 401, 24.9, 39.6, 15}, {"W310X310X253", 356, 320, 24.4, 39.6, 15.3}};
    for (const auto& row : rows) {
        Shipped s = Shipped_By_Name(row.record);
        const double t_w = 1.05 * row.t_w;
        const double A = (2 * row.b * row.t_f + (row.h - 2 * row.t_f) * t_w + (4 - M_PI) * row.r * row.r) / 100;
        EXPECT_GT(s.v[4] / A - 1, -0.011) << row.record;
        EXPECT_LT(s.v[4] / A - 1, -0.0095) << row.record;
        s.v[2] = static_cast<float>(t_w / 10);
        const std::array<float, 39> w = ProfilData_Values(Map_Of(s.v));
        EXPECT_EQ(Profil_Outline_Agrees('D', s.v.data(), "SONDER1"), 0) << row.record;
        EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, w.data(), "SONDER1"), 0) << row.record;
    }
}

// A tee's elastic moduli lie within 2.8 % under its outline's (1/2 I 500's
// -2.27 % and the margin), and each is its second moment over the distance
// of its extreme fibre within 1.4 % (catalogue_ties.h): a modulus 2.5 % low
// is refused by that tie alone. By hand for 1/2 I 300 (the record's own
// values): W_1 = I_y / (h - e_z) at the flange, I_y / e_z at the stem's tip,
// W_2 = I_z / (b / 2). Every tee of the file, each modulus 2.5 % low, under
// its designation and SONDER1, both roads; with the tie three times as wide
// 148 such judgements passed.
TEST(OwnNameTies, ATeesModulusIsItsMomentOverItsFibre) {
    const Shipped half = Shipped_By_Name("1/2I300");
    const double h = half.v[0], b = half.v[1], e_z = half.v[6], I_y = half.v[9], I_z = half.v[10];
    const std::pair<int, double> by_hand[] = {{14, I_y / (h - e_z)}, {15, I_y / e_z}, {19, I_z / (b / 2)}, {20, I_z / (b / 2)}};
    for (const auto& [index, W] : by_hand) {
        Shipped s = half;
        EXPECT_NEAR(s.v[index], W, 0.005 * W) << index;
        s.v[index] *= 0.975f;
        const Catalogue_Disagreement d = Check_Profil_Outline('T', s.v.data(), "1/2I300");
        EXPECT_EQ(d.value, index);
        EXPECT_NEAR(d.expected, W, 0.005 * W) << index;
    }
    int tees = 0;
    for (const Shipped& r : Shipped_Records()) {
        if (r.letter != 'T') continue;
        tees++;
        for (int index : {14, 15, 19, 20}) {
            Shipped s = r;
            s.v[index] *= 0.975f;
            const std::array<float, 39> w = ProfilData_Values(Map_Of(s.v));
            for (const char* name : {r.name.c_str(), "SONDER1"}) {
                EXPECT_EQ(Profil_Outline_Agrees('T', s.v.data(), name), 0) << r.name << " as " << name << " " << index;
                EXPECT_EQ(ProfilData_Outline_Agrees('T', 2, w.data(), name), 0) << r.name << " as " << name << " " << index;
            }
        }
    }
    EXPECT_EQ(tees, 42);
}

// Published sections of EN 10365 that the shipped file lacks, with the
// torsion constant of the producers' formula on their dimensions,
// 2/3 (b - 0.63 t_f) t_f^3 + 1/3 (h - 2 t_f) t_w^3 + 2 (t_w/t_f) (0.145 + 0.1
// r/t_f) D^4 with D = ((r + t_w/2)^2 + (r + t_f)^2 - r^2) / (2 r + t_f): HP
// 220 x 57.2 (h 210, b 224.5, t 11, r 18: D = 2.275 cm, 19.306 + 8.341 +
// 16.534 = 44.18 cm4) was refused ("Wert Nr. 24 = 44.1816 passt nicht zu den
// Abmessungen (42.0123)", the HP row's 0.879 to 0.951 of the American
// tables). And the tee cut from IPE 300 with half the beam's published 20.12
// cm4, 10.06, was refused in PROFIL ("Wert Nr. 23 = 10.06 passt nicht zu den
// Abmessungen (7.85094)", the thin-walled sum without fillets, 15 x 1.07^3 /
// 3 + 14.465 x 0.71^3 / 3 = 7.851), taken from the manager's file; twice the
// producers' value, and under the thin sum, is refused on both roads.
TEST(OwnNameTies, PublishedTorsionConstantsOfPilesAndTeesPassOnBothRoads) {
    const auto producers = [](double h, double b, double t_w, double t_f, double r) {
        const double D = ((r + t_w / 2) * (r + t_w / 2) + (r + t_f) * (r + t_f) - r * r) / (2 * r + t_f);
        return 2.0 / 3 * (b - 0.63 * t_f) * t_f * t_f * t_f + (h - 2 * t_f) * t_w * t_w * t_w / 3 +
               2 * (t_w / t_f) * (0.145 + 0.1 * r / t_f) * D * D * D * D;
    };
    EXPECT_NEAR(producers(21.0, 22.45, 1.1, 1.1, 1.8), 44.18, 0.005);
    EXPECT_NEAR(producers(30.0, 15.0, 0.71, 1.07, 1.5) / 2, 10.06, 0.005);
    // h, b, t, r (cm); A, I_y, I_z, W_pl,y, W_pl,z, I_w as the producers'
    // tables give them (cm units); W_el = I / (h/2) and I / (b/2).
    const struct {
        const char* name;
        float h, b, t, r, A, I_y, I_z, W_pl_y, W_pl_z, I_w;
    } piles[] = {
        {"HP220X220X57.2", 21.0f, 22.45f, 1.1f, 1.8f, 72.85f, 5729.3f, 2079.3f, 613.65f, 285.54f, 205370},
        {"HP260X260X75", 24.9f, 26.5f, 1.2f, 2.4f, 95.54f, 10646.1f, 3732.5f, 958.51f, 435.07f, 522642},
        {"HP320X320X88.5", 30.3f, 30.4f, 1.2f, 2.7f, 112.70f, 18742.7f, 5633.6f, 1378.6f, 572.07f, 1189534},
    };
    for (const auto& p : piles) {
        const float I_t = static_cast<float>(producers(p.h, p.b, p.t, p.t, p.r)), W_y = p.I_y / (p.h / 2),
                    W_z = p.I_z / (p.b / 2);
        std::map<int, float> v = {{0, p.h},    {1, p.b},     {2, p.t},     {3, p.t},     {4, p.A},      {6, p.h / 2},
                                  {7, p.b / 2}, {9, p.I_y},  {10, p.I_z},  {13, p.I_y},  {14, W_y},     {15, W_y},
                                  {16, p.W_pl_y}, {17, p.W_pl_y}, {18, p.I_z}, {19, W_z},   {20, W_z},   {21, p.W_pl_z},
                                  {22, p.W_pl_z}, {23, I_t},  {24, p.I_w},  {25, p.r},    {27, p.t + p.r}};
        std::array<float, 35> x{};
        for (const auto& [i, value] : v) x[i] = value;
        const std::array<float, 39> w = ProfilData_Values(v);
        for (const char* name : {p.name, "SONDER1"}) {
            EXPECT_EQ(Profil_Outline_Agrees('D', x.data(), name), 1)
                << name << ": value " << Check_Profil_Outline('D', x.data(), name).value;
            EXPECT_EQ(ProfilData_Outline_Agrees('D', 0, w.data(), name), 1) << name;
        }
    }
    const Shipped tee = Shipped_By_Name("1/2IPE300");
    for (const auto& [I_t, agrees] : {std::pair{10.06f, 1}, {7.851f, 1}, {9.0f, 1}, {20.12f, 0}, {7.5f, 0}}) {
        Shipped t = tee;
        t.v[23] = I_t;
        const std::array<float, 39> w = ProfilData_Values(Map_Of(t.v));
        for (const char* name : {"1/2IPE300", "SONDER1"}) {
            EXPECT_EQ(Profil_Outline_Agrees('T', t.v.data(), name), agrees) << name << " I_t " << I_t;
            EXPECT_EQ(ProfilData_Outline_Agrees('T', 2, w.data(), name), agrees) << name << " I_t " << I_t;
        }
    }
}

// The profile file compares 15 characters. A record whose designation fills
// all 16 bytes was found by its first 15 (MYCOLUMN1234567 took
// MYCOLUMN1234567X's HE 300 M values), and a name of 16 characters found the
// record its first 15 spell (in the name library, and the model built by its
// first letter, M, as a hollow section, printed the engine's topology fault).
// Both are refused now and said; a designation of 15 characters is found.
TEST_F(OwnNames, ANameThatDoesNotFitTheKeyIsRefusedAndSaid) {
    const std::map<int, float> b = Shipped_Values("HE300B");
    // Profil_Record pads to 16 bytes: the 16-character name fills them.
    Write_File(tree.Data("PROFIL"), Profil_Record("MYBEAM123456789", 'D', b) +
                                        Profil_Record("MYCOLUMN1234567X", 'D', Shipped_Values("HE300M")));
    float values[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    const std::string longer = "Bezeichnung mit 16 Zeichen, die Profildatei PROFIL unterscheidet 15";
    VEK_Clear_Recorded_Messages();
    for (const auto& [name, said] : {std::pair<std::string, std::string>{"MYCOLUMN1234567", "Satz 2 \"MYCOLUMN1234567X\": "
                                                                           "die Bezeichnung hat 16 Zeichen, die "
                                                                           "Profildatei unterscheidet 15"},
                                     {"MYCOLUMN1234567X", longer}, {"MYBEAM123456789X", longer}}) {
        EXPECT_EQ(Get_Profile_Record(name.c_str()), nullptr) << name;
        EXPECT_EQ(Get_Profil_Values(name.c_str(), values, code), 0) << name;
        Stahlprofil p;
        Init_Profile(&p);
        p.kind = STAHLPROFIL_KIND_CATALOGUE;
        std::snprintf(p.name, sizeof p.name, "%s", name.c_str());
        EXPECT_EQ(std::string(Catalogue_Profile_Trouble(&p)), "Profil \"" + name + "\": " + said);
    }
    // A name longer than the key is said in a box as a name the file lacks.
    std::vector<std::string> boxes;
    for (const VEKRecordedMessage& m : VEK_Recorded_Messages()) boxes.push_back(m.lines.at(0));
    for (const char* name : {"MYCOLUMN1234567X", "MYBEAM123456789X"})
        EXPECT_NE(std::find(boxes.begin(), boxes.end(),
                            "Profil \"" + std::string(name) + "\": " + longer + " - das Profil wird nicht verwendet"),
                  boxes.end())
            << name;
    EXPECT_NE(Get_Profile_Record("MYBEAM123456789"), nullptr);
    EXPECT_EQ(Get_Profil_Values("MYBEAM123456789", values, code), 1);
    EXPECT_FLOAT_EQ(values[4], b.at(4));
}
