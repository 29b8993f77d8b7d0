// The library cross-section record and its thin-walled model: catalogue
// profile by name (area, c/t, the kept model), tapered records, the text
// form, conversion and the standard shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalogue_fixture.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_switches.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/qimport.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_calc.h"

using namespace testutil;

namespace {

class ProfilquerschnittTest : public CatalogueTest {
protected:
    void SetUp() override {
        Init_Profil_DWQB_Switches();
        Invalidate_Profil_DWQB_Cache();
        DWQB_Option_Word = 0x1e;
    }
    void TearDown() override {
        DWQB_Option_Word = 0x1e;
        Reset_User_Sections();
    }
};

}  // namespace

TEST_F(ProfilquerschnittTest, Ipe300ByNameGivesCatalogueAreaAndCtAndIsKept) {
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    ASSERT_EQ(Set_Profilquerschnitt_By_Name(&r, 5, 100, "IPE300"), 1);
    EXPECT_GT(r.record_number, 0);
    // h 30, b 15, t_w 0.71, t_f 1.07 cm
    EXPECT_NEAR(r.start[0], 30.0, 1e-5);
    EXPECT_NEAR(r.start[6], 0.71, 1e-6);
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 53.81, 1e-5);   // the catalogue's A
    // Root radius r = 1.5 cm. Flange outstand (b/2 - t_w/2 - r)/t_f =
    // (7.5 - 0.355 - 1.5)/1.07 = 5.2757; web (h - 2 t_f - 2 r)/t_w =
    // (30 - 2.14 - 3)/0.71 = 35.0141.
    const Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
    ASSERT_EQ(s.n_lines, 5);
    const int codes[5] = {0, 0, 2, 0, 0};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(s.ct_code[i], codes[i]);
        EXPECT_NEAR(s.ct_ratio[i], i == 2 ? 24.86 / 0.71 : 5.645 / 1.07, 1e-5) << i;
    }
    EXPECT_EQ(s.mode, 2);
    // The model is centred: flange mid-lines at z = +-(30 - 1.07)/2.
    EXPECT_NEAR(s.node_z[0], -(30 - 1.07) / 2, 1e-5);
    EXPECT_NEAR(s.node_y[2], -7.5, 1e-6);

    // Same request again: nothing is built (a marker in the values survives).
    DWQB_Querschnittswerte[DWQB_QW_A] = -1;
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_EQ(DWQB_Querschnittswerte[DWQB_QW_A], -1);
    // After the invalidation, and after the engine computed a model of its
    // own, it is built anew.
    Invalidate_Profil_DWQB_Cache();
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 53.81, 1e-5);
    Calc_DWQB();
    DWQB_Querschnittswerte[DWQB_QW_A] = -1;
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 53.81, 1e-5);
    // A model put into the engine by a caller that computes it without
    // invalidating the kept key (one plate 10 x 1 cm) is not taken for the
    // profile: the request builds the profile again.
    Init_DWQB_Model();
    Add_DWQB_Node(1, 0, 0);
    Add_DWQB_Node(2, 0, 10);
    Add_DWQB_Line_Constant_T(1, 1, 2, 1);
    ASSERT_EQ(Calc_DWQB_Section(), 0);
    ASSERT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 10, 1e-9);
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 53.81, 1e-5);
    EXPECT_EQ(Count_DWQB_Lines(), 5);

    // Unknown name: default dimensions, record 0; the model fails.
    Set_Profilquerschnitt_By_Name(&r, 5, 100, "XYZ17");
    EXPECT_EQ(r.record_number, 0);
    EXPECT_EQ(r.start[0], 20.0);
    EXPECT_EQ(r.start[5], 1.0);
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 0);
    // A null name keeps IPE300 with zero dimensions and record 311.
    Set_Profilquerschnitt_By_Name(&r, 5, 100, nullptr);
    EXPECT_STREQ(r.name, "IPE300");
    EXPECT_EQ(r.record_number, 311);
    EXPECT_EQ(r.start[0], 0.0);
}

TEST_F(ProfilquerschnittTest, TaperedIAtStartMiddleAndEnd) {
    // I section h 40 -> 20 cm, b 20, t_w 1, t_f 2. The engine takes the area
    // from the plate outlines, so the web runs between the flanges' inner
    // faces: 2 b t_f + (h - 2 t_f) t_w = 80 + (h - 4).
    const double g_start[10] = {40, 20, 1, 2, 20, 20, 4, 4, 2, 2};
    const double g_end[10] = {20, 20, 1, 2, 20, 20, 4, 4, 2, 2};
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, 0, 1, g_start, g_end);
    const struct {
        double t, h, area;
    } cases[] = {{0, 40, 116}, {0.5, 30, 106}, {1, 20, 96}};
    for (const auto& c : cases) {
        Profil_Model_Descriptor d{};
        float v[PROFIL_MODEL_VALUE_COUNT] = {};
        char name[PROFIL_MODEL_NAME_SIZE] = "    ";
        ASSERT_EQ(Convert_Profilquerschnitt_At(&r, c.t, &d, v, name), 1);
        EXPECT_EQ(d.family, 1);
        EXPECT_EQ(v[20], c.h);
        EXPECT_EQ(v[21], 20.0f);
        EXPECT_EQ(v[22], 1.0f);
        EXPECT_EQ(v[23], 2.0f);
        ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, c.t, nullptr, 2), 1);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], c.area, 1e-9) << c.t;
        Profilquerschnitt at;
        Copy_Profilquerschnitt_At(&at, &r, c.t);
        EXPECT_EQ(at.start[0], c.h);
        EXPECT_EQ(at.end[0], c.h);
    }
    // Cutting to [0.5, 1] makes the start the middle section.
    Cut_Profilquerschnitt(&r, 0.5, 1);
    EXPECT_EQ(r.start[0], 30.0);
    EXPECT_EQ(r.end[0], 20.0);
}

TEST_F(ProfilquerschnittTest, ConversionOfShapes) {
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    Profil_Model_Descriptor d{};
    float v[PROFIL_MODEL_VALUE_COUNT] = {};
    char name[PROFIL_MODEL_NAME_SIZE] = "    ";
    // Generic set -> type slots -> model values, one row per shape.
    const double g[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const struct {
        int type, family;
        float values[8];
    } cases[] = {
        {0, 1, {1, 2, 3, 4}},         {1, 4, {1, 2, 3, 4}},       {2, 3, {1, 2, 3, 4}},
        {3, 2, {1, 2, 3, 4}},         {5, 6, {1, 2, 3, 4}},       {6, 7, {1, 0, 4}},
        {7, 8, {2, 4, 7, 0, 2, 4, 6, 1}},   // d = {t 4, web 3, B 2, H 1, c 7}
        {8, 9, {6, 10, 7, 8, 5, 9, 6, 1}},  // d = {1, 5, 6, 3, 9, 10, 7, 8}
        {9, 10, {5, 10, 7, 8, 5, 9, 6, 1}}, // d = {1, 5, 3, 9, 10, 7, 8}
        {10, 11, {1, 3}},             {11, 12, {3, 0}},           {12, 13, {1, 9, 10, 3, 5, 6}},
    };
    for (const auto& c : cases) {
        Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, c.type, 0, g, g);
        ASSERT_EQ(Convert_Profilquerschnitt(&r, 0, &d, v, name), 1);
        EXPECT_EQ(d.family, c.family) << c.type;
        for (int k = 0; k < 8; k++) EXPECT_EQ(v[20 + k], c.values[k]) << c.type << " " << k;
    }
    Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, 13, 0, g, g);
    EXPECT_EQ(Convert_Profilquerschnitt(&r, 0, &d, v, name), 0);
    // A turned profile by name hands "-   " and the name padded to 35.
    Set_Profilquerschnitt_By_Name(&r, 5, 100, "HEA200");
    r.turned = 1;
    ASSERT_EQ(Convert_Profilquerschnitt(&r, 0, &d, v, name), 1);
    EXPECT_EQ(std::string(name), "-   HEA200" + std::string(29, ' '));
    EXPECT_EQ(d.family, 0);
    EXPECT_EQ(d.catalogue, r.record_number);
}

TEST_F(ProfilquerschnittTest, StandardShapes) {
    // A round tube D 20, t 1: 16 nodes on the mid-line circle of radius 9.5,
    // c/t = D/t = 20 on every line, area close to pi (D - t) t = 59.69.
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    const double tube[10] = {20, 20, 1, 1, 20, 20, 2, 2, 1, 1};
    Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, 6, 0, tube, tube);
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 1);
    ASSERT_EQ(Profil_DWQB_Store.n_nodes, 16);
    for (int i = 0; i < 16; i++) {
        EXPECT_NEAR(std::hypot(Profil_DWQB_Store.node_y[i], Profil_DWQB_Store.node_z[i]), 9.5, 1e-5);
        EXPECT_EQ(Profil_DWQB_Store.ct_ratio[i], 20.0);
        EXPECT_EQ(Profil_DWQB_Store.ct_code[i], CT_ROUND);
    }
    // 16 chords of the circle: 16 * 2 * 9.5 sin(pi/16) * 1.
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 16 * 2 * 9.5 * std::sin(M_PI / 16), 1e-9);

    // A turned I section (family 14 from a by-values caller is the turned
    // I): its web runs horizontally about the centre.
    Profil_Model_Descriptor d{};
    d.family = 1;
    float v[PROFIL_MODEL_VALUE_COUNT] = {};
    v[20] = 20;
    v[21] = 10;
    v[22] = 1;
    v[23] = 1;
    Invalidate_Profil_DWQB_Cache();
    ASSERT_EQ(Setup_Profil_DWQB(&d, "-   x", v, 2, nullptr, nullptr), 0);
    // Web from node 2 to node 5: (y, z) = (-(z - c_z), y - c_y); before the
    // turn node 2 is (-5, 0.5 - 20) and node 5 (-5, -0.5), centre (-5, -10).
    EXPECT_NEAR(Profil_DWQB_Store.node_y[1], 9.5, 1e-6);
    EXPECT_NEAR(Profil_DWQB_Store.node_y[4], -9.5, 1e-6);
    EXPECT_NEAR(Profil_DWQB_Store.node_z[1], 0, 1e-6);
    EXPECT_NEAR(Profil_DWQB_Store.node_z[4], 0, 1e-6);
    // Area 2 * 10 * 1 + (20 - 2 * 1) * 1 = 38 either way.
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 38, 1e-9);

    // A Z section of width slot b = 6 and web 1 is modelled 2 b - t_w = 11 wide.
    const double z[10] = {20, 6, 1, 1, 6, 6, 2, 2, 1, 1};
    Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, 5, 0, z, z);
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 1);
    EXPECT_NEAR(Profil_DWQB_Store.node_y[3] - Profil_DWQB_Store.node_y[0], -11, 1e-6);
    // A key equal to that of a failed build answers 1 without building.
    const double bad[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, 0, 0, bad, bad);
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 0);
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 0);
    EXPECT_EQ(Profil_DWQB_Store.mode, 0);
    // A catalogue name without a record is no section, not the shape its
    // first letters spell: no model stands.
    Profil_Model_Descriptor by_name{};
    Invalidate_Profil_DWQB_Cache();
    EXPECT_EQ(Setup_Profil_DWQB(&by_name, "    HE301A", v, 2, nullptr, nullptr), 1);
    EXPECT_EQ(Profil_DWQB_Store.mode, 0);
    EXPECT_EQ(Profil_DWQB_Store.n_lines, 0);
}

TEST_F(ProfilquerschnittTest, TextFormRoundTrip) {
    Sonderquerschnitt* first = New_Sonderquerschnitt();
    Sonderquerschnitt* second = New_Sonderquerschnitt();
    (void)first;
    Profilquerschnitt r, back;
    Init_Profilquerschnitt(&r);
    Init_Profilquerschnitt(&back);
    Set_Profilquerschnitt_By_User_Section(&r, 0x10002, 110, second);
    r.start[3] = 1.25;
    FILE* f = std::tmpfile();
    ASSERT_EQ(Write_Profilquerschnitt(f, &r), 1);
    EXPECT_EQ(Stream_Text(f),
              "999 65538 110\n 0 5 32 0 0 311 0 0 0 7319\n"
              " 180.000000 1.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
              " 0.000000 0.000000 0.000000 1.250000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
              " 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
              "\xAEIPE300\xAF\n2\n");
    std::rewind(f);
    ASSERT_EQ(Read_Profilquerschnitt(f, &back), 1);
    EXPECT_EQ(back.type, 999);
    EXPECT_EQ(back.grade, 0x10002);
    EXPECT_EQ(back.start[3], 1.25);
    EXPECT_EQ(back.user_section, second);
    EXPECT_EQ(second->ref_count, 2);
    std::fclose(f);
    // A position that names no section fails for a user section; so does a
    // short record.
    const std::string ones = " 1 1 1 1 1 1 1 1 1 1\n";
    for (const std::string& bad : {"999 5 110\n 0 5 32 0 0 311 0 0 0 7319\n" + ones + ones + ones + "\xAEQ\xAF\n7\n",
                                   std::string("999 5")}) {
        FILE* g = Stream_With(bad);
        EXPECT_EQ(Read_Profilquerschnitt(g, &back), 0);
        std::fclose(g);
    }
    EXPECT_EQ(back.user_section, second);
    Release_Profilquerschnitt(&r);
    Release_Profilquerschnitt(&back);
    EXPECT_EQ(second->ref_count, 0);
}

TEST_F(ProfilquerschnittTest, ProfileManagerRecordIsBuiltFromItsOutline) {
    // A double-T of the profile manager with parallel flanges, the values
    // of IPE 300: h 30, b 15, t_w 0.71, t_f 1.07, r_1 1.5, A 53.81, I_y 8356,
    // I_z 603.8 (the database keeps them one place further on than the
    // catalogue values). Its outline gives six nodes and five lines; after
    // centring the web runs along y = 0 from z = -(30 - 1.07)/2 to
    // +(30 - 1.07)/2.
    tree.Install_Manager(ProfilData_Record(0, 2, "IPE300", "", To_ProfilData(Shipped_Values("IPE300"))));
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    Set_Profilquerschnitt_By_Name(&r, 5, 100, "IPE300");
    EXPECT_EQ(r.record_number, PROFIL_FROM_MANAGER);
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 53.81, 1e-5);
    ASSERT_EQ(DWQB_Tabellen.n_nodes, 6);
    ASSERT_EQ(DWQB_Tabellen.n_lines, 5);
    const DWQB_Tabellen_Linie& web = DWQB_Tabellen.line[2];
    const DWQB_Tabellen_Knoten &a = DWQB_Tabellen.node[web.a + 1], &b = DWQB_Tabellen.node[web.b + 1];
    EXPECT_NEAR(a.y, 0, 1e-5);
    EXPECT_NEAR(b.y, 0, 1e-5);
    EXPECT_NEAR(std::fabs(a.z - b.z), 30 - 1.07, 1e-5);
    EXPECT_NEAR(web.t, 0.71, 1e-6);
}

TEST_F(ProfilquerschnittTest, BarsGetTheirValuesWithoutALineModel) {
    // Flat bar 10 x 2 cm: A = 20, I = 2 * 10^3/12 = 166.667, W = I/5; a round
    // bar of diameter 4: A = 4 pi, I = pi 4^4/64 = 4 pi. Modes 1 and 2 become
    // 5 and 6; a reference point (1, 2) moves the centroid there.
    const double flat[10] = {10, 10, 2, 2, 10, 4, 2, 2, 2, 2};
    const double round[10] = {40, 40, 4, 4, 40, 16, 8, 8, 4, 4};
    const double reference[3] = {1, 2, 0};
    const struct {
        int type;
        const double* g;
        int mode, stored;
        const double* reference;
        double area, inertia, y_c;
    } cases[] = {
        {10, flat, 2, 6, nullptr, 20, 2000.0 / 12, 0},
        {10, flat, 1, 5, reference, 20, 2000.0 / 12, 1},
        {11, round, 7, 7, nullptr, 4 * M_PI, 4 * M_PI, 0},
    };
    for (const auto& c : cases) {
        Profilquerschnitt r;
        Init_Profilquerschnitt(&r);
        Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, c.type, 0, c.g, c.g);
        ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, c.reference, c.mode), 1);
        EXPECT_EQ(Profil_DWQB_Store.mode, c.stored);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], c.area, 1e-5);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_I1], c.inertia, 1e-4);
        EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_YC], c.y_c, 1e-12);
    }
}

TEST_F(ProfilquerschnittTest, AnAngleKeepsItsLegRatiosForTheAngleRule) {
    // The angle rule of the c/t classification needs the legs as outer width
    // over thickness, whatever builds the model: h/t and b/t.
    //  - L 100 x 10 of the profile manager (type code 3, letter L), built
    //    from its outline model of two lines: 10 and 10;
    //  - an angle typed in, h 10, b 15, t 1 cm (standard shape 4): 10 and 15;
    //  - an I typed in (shape 0) is no angle: 0 and 0.
    tree.Install_Manager(ProfilData_Record(3, 2, "L100X10", "", To_ProfilData(Shipped_Values("L100X10"))));
    const double angle[10] = {10, 15, 1, 1, 0, 0, 0, 0, 0, 0}, beam[10] = {30, 15, 0.71, 1.07, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* name;
        const double* typed;  // null: by name
        int shape, lines;
        double h_t, b_t;
    } const cases[] = {{"L100X10", nullptr, 0, 2, 10, 10}, {"angle", angle, 4, 2, 10, 15}, {"I", beam, 0, 5, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Profilquerschnitt r;
        Init_Profilquerschnitt(&r);
        if (!c.typed) {
            ASSERT_EQ(Set_Profilquerschnitt_By_Name(&r, 5, 100, c.name), 1);
            EXPECT_EQ(r.record_number, PROFIL_FROM_MANAGER);
        } else {
            ASSERT_EQ(Set_Profilquerschnitt_By_Dimensions(&r, 5, 100, c.shape, 0, c.typed, c.typed), 1);
        }
        ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0.5, nullptr, 2), 1);
        EXPECT_EQ(DWQB_Tabellen.n_lines, c.lines);
        // the standard shapes list their lines in the store, the outline not
        EXPECT_EQ(Profil_DWQB_Store.n_lines, c.typed ? c.lines : 0);
        EXPECT_NEAR(Profil_DWQB_Store.angle_legs[0], c.h_t, 1e-6);
        EXPECT_NEAR(Profil_DWQB_Store.angle_legs[1], c.b_t, 1e-6);
        Release_Profilquerschnitt(&r);
    }
}
