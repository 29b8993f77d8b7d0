// The Eurocode blocks of an annex set: the German values of the shipped
// annex "Deutschland", texts of older layouts and the values they leave,
// the tolerance of the comparisons, and the EN 1991 table files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "annex_fixture.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/nad_old.h"
#include "platform/msgbox.h"
#include "support/testutil.h"

namespace {

namespace fs = std::filesystem;
using testutil::Read_File;
using testutil::Write_File;

// The first n lines of a text.
std::string Lines(const std::string& text, int n) {
    size_t at = 0;
    for (int i = 0; i < n && at != std::string::npos; ++i) at = text.find('\n', at) + 1;
    return text.substr(0, at);
}

// Line i (0-based) replaced.
std::string Replace_Line(const std::string& text, int i, const std::string& line) {
    size_t from = 0;
    for (int k = 0; k < i; ++k) from = text.find('\n', from) + 1;
    return text.substr(0, from) + line + text.substr(text.find('\n', from));
}

template <class Block>
std::string Text_Of(int (*write)(FILE*, const Block*), const Block& b) {
    FILE* f = std::tmpfile();
    write(f, &b);
    const std::string s = testutil::Stream_All(f);
    std::fclose(f);
    return s;
}

template <class Fn>
void With_Stream(const std::string& text, Fn fn) {
    FILE* f = testutil::Stream_With(text);
    fn(f);
    std::fclose(f);
}

class NadBlocks : public testutil::AnnexTest {};

// The values of the German annex, from its national annexes (EN 1992-1-1/NA:
// gamma_c 1.3 accidental, alpha_cc 0.85, C_Rd,c 0.15, k1 0.12, nu 0.75,
// cot theta 1/tan 60 deg .. 3.0, k4 of crack spacing 1/3.6; EN 1993-1-1/NA:
// gamma_M1 1.1; EN 1995-1-1/NA options on and k_shape 1 + 0.05 h/b <= 1.3;
// EN 1996-1-1/NA gamma_M 1.5/1.3/1.2).
TEST_F(NadBlocks, ShippedGermanAnnexGivesItsOwnValuesInEveryBlock) {
    Use_Annex(1);
    const NAD_EC2_Block& c = *Get_NAD_EC2();
    EXPECT_EQ(c.variant, 1);
    EXPECT_EQ(c.version, 18);
    const std::pair<double, double> ec2[] = {
        {c.gamma_c[3], 1.3},     {c.dc_dev, 1.5},       {c.alpha_cc, 0.85},       {c.c_rd_c, 0.15},
        {c.k1_shear, 0.12},      {c.nu_shear, 0.75},    {c.cot_theta_min, 0.57735}, {c.cot_theta_max, 3.0},
        {c.k4_crack, 0.277778},  {c.joint_c[0], 2.4},   {c.lambda_lim_x, 16.0},   {c.c_min_dur[2], 1.0},
        {c.dc_dur_gamma[6], 1.0}, {c.k_t_fire, 1.0},    {c.gamma_c_bridge[3], 1.3}};
    for (const auto& [got, want] : ec2) EXPECT_NEAR(got, want, 1e-6);
    EXPECT_EQ(c.k2_mode, 1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M2_acc, 1.15);
    const NAD_EC5_Block& t = *Get_NAD_EC5();
    EXPECT_EQ(t.variant, 1);
    EXPECT_EQ(t.use_NA20 + t.use_NA21 + t.use_NA816 + t.use_NA7, 4);
    EXPECT_DOUBLE_EQ(t.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(t.k_shape_max, 1.3);
    const NAD_EC6_Block& m = *Get_NAD_EC6();
    EXPECT_EQ(m.variant, 1);
    EXPECT_DOUBLE_EQ(m.gamma_M_accidental, 1.3);
    EXPECT_DOUBLE_EQ(m.gamma_M_seismic, 1.2);
    EXPECT_EQ(Get_NAD_EC9()->variant, 1);
    EXPECT_EQ(Get_NAD_EC0()->version, 5);  // read from the file, not the recommended fill (0)
}

// Every factor of the EN 1990 block distinct (two decimals, as written),
// through the file and back.
TEST_F(NadBlocks, DistinctEn1990FactorsReadBackInTheirPlaces) {
    NAD_Record r{}, back{};
    Default_NAD_Blocks(&r);  // an annex never holds a partial factor of 0
    r.id = 3;
    double* first = &r.ec0.gamma_building[0][0][0];
    const int count = int(&r.ec0.a_tracks[2] - first) + 1;
    ASSERT_EQ(count, 383);
    for (int i = 0; i < count; ++i) first[i] = (i % 300) / 100.0 + (i >= 300 ? 5 : 0);
    Default_NAD_EC0(&back.ec0);
    const std::string path = annex.dir.file("ec0.NAD");
    FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_EQ(Write_NAD_File(f, &r), 1);
    std::fclose(f);
    f = std::fopen(path.c_str(), "r");
    ASSERT_EQ(Read_NAD_File(f, &back), 1);
    std::fclose(f);
    // Every value where it was written (each is i % 300 / 100, plus 5 from
    // 300 on: two decimals survive the text exactly).
    const double* read = &back.ec0.gamma_building[0][0][0];
    for (int i = 0; i < count; ++i) EXPECT_DOUBLE_EQ(read[i], (i % 300) / 100.0 + (i >= 300 ? 5 : 0)) << i;
    EXPECT_DOUBLE_EQ(back.ec0.psi_building[11][3], 1.03);     // index 56 + 47
    EXPECT_DOUBLE_EQ(back.ec0.a_tracks[2], 5 + 82 / 100.0);  // index 382
}

TEST_F(NadBlocks, OlderEn1990LayoutsLeaveWhatTheyDoNotHold) {
    NAD_EC0_Block std_block;
    Default_NAD_EC0(&std_block);
    const std::string building = Lines(Text_Of(Write_NAD_EC0, std_block), 40);
    // Layout 3: 14 bridge pairs per situation s, pair k = (s + (k+1)/100, 0).
    std::string layout3 = building + " 3\n";
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 14; ++k) layout3 += " " + std::to_string(s + (k + 1) / 100.0) + " 0\n";
    NAD_EC0_Block b = std_block;
    b.psi_building[0][3] = 0.77;
    With_Stream(layout3, [&](FILE* f) { Read_NAD_EC0(f, &b, 1); });
    EXPECT_EQ(b.version, 3);
    for (int s = 0; s < 4; ++s) {
        EXPECT_DOUBLE_EQ(b.gamma_bridge[s][6][0], s + 0.07);
        EXPECT_DOUBLE_EQ(b.gamma_bridge[s][7][0], s + 0.07);  // pedestrians as road traffic
        EXPECT_DOUBLE_EQ(b.gamma_bridge[s][8][0], s + 0.08);
        EXPECT_DOUBLE_EQ(b.gamma_bridge[s][14][0], s + 0.14);
    }
    EXPECT_DOUBLE_EQ(b.psi_building[0][3], 0.77);
    // Buildings only: the bridge part stays, version 2.
    b = std_block;
    b.gamma_bridge[0][0][0] = 9;
    With_Stream(building, [&](FILE* f) { Read_NAD_EC0(f, &b, 1); });
    EXPECT_EQ(b.version, 2);
    EXPECT_DOUBLE_EQ(b.gamma_bridge[0][0][0], 9);
    // The older list: title number 0 means only the persistent building
    // pairs precede the psi lines.
    std::string old = "#NAD\n 4 \xAE" "A\xAF\n Lastfaktoren 0\n";
    for (int k = 0; k < 7; ++k) old += " 1.1 0.9\n";
    for (int k = 0; k < 12; ++k) old += " 0.1 0.2 0.3\n";
    b = std_block;
    With_Stream(old, [&](FILE* f) {
        std::fgets(std::string(80, ' ').data(), 80, f);
        Read_NAD_EC0(f, &b, 0);
    });
    EXPECT_DOUBLE_EQ(b.gamma_building[0][6][1], 0.9);
    EXPECT_DOUBLE_EQ(b.gamma_building[1][0][0], 1.0);
    EXPECT_DOUBLE_EQ(b.psi_building[11][2], 0.3);
    // No title before the next annex: nothing changes.
    b = std_block;
    With_Stream("#NAD\n 4 \xAE" "A\xAF\n 1.9 1.9\n#NAD\n Lastfaktoren 1\n", [&](FILE* f) {
        std::fgets(std::string(80, ' ').data(), 80, f);
        const long at = std::ftell(f);
        Read_NAD_EC0(f, &b, 0);
        EXPECT_EQ(std::ftell(f), at);
    });
    EXPECT_EQ(Compare_NAD_EC0(&b, &std_block), 0);
}

TEST_F(NadBlocks, OlderEn1992VersionsGetTheirStatedValues) {
    NAD_EC2_Block german;
    Default_NAD_EC2_For_Norm(1, &german);
    german.variant = 1;
    german.nu_torsion = 0.9;
    german.v_min = 0.035;
    const std::string text = Text_Of(Write_NAD_EC2, german);
    NAD_EC2_Block b;
    // Version 0: lines 1 to 7 and the number.
    With_Stream(Replace_Line(Lines(text, 8), 7, " 0"), [&](FILE* f) { Read_NAD_EC2(f, &b); });
    EXPECT_EQ(b.version, 0);
    EXPECT_DOUBLE_EQ(b.v_min, 0.035 * 1.5);
    EXPECT_DOUBLE_EQ(b.nu_torsion, 0.75);  // nu of shear
    EXPECT_DOUBLE_EQ(b.nu1_l, 0.5);        // recommended: not in this layout
    EXPECT_EQ(b.variant, 0);
    // Version 12: serviceability factors end as 1.0 whatever stands there.
    german.gamma_c_sls = 1.4;
    german.k_t_fire = 1.1;
    With_Stream(Replace_Line(Lines(Text_Of(Write_NAD_EC2, german), 24), 7, " 12"),
                [&](FILE* f) { Read_NAD_EC2(f, &b); });
    EXPECT_EQ(b.version, 12);
    EXPECT_DOUBLE_EQ(b.gamma_c_sls, 1.0);
    EXPECT_DOUBLE_EQ(b.spare_value_2, 0);
    EXPECT_DOUBLE_EQ(b.k_t_fire, 1.0);  // national variant
    // Version 14 of a national annex: the German bridge values.
    With_Stream(Replace_Line(Lines(Text_Of(Write_NAD_EC2, german), 24), 7, " 14"),
                [&](FILE* f) { Read_NAD_EC2(f, &b); });
    EXPECT_EQ(b.version, 14);
    EXPECT_DOUBLE_EQ(b.cot_theta_max_bridge, 1.75);
    EXPECT_DOUBLE_EQ(b.as_min_column_floor_bridge, 0.003);
    EXPECT_EQ(b.nu1_mode_bridge, 1);
    EXPECT_DOUBLE_EQ(b.k2_stress, 0.45);
    EXPECT_DOUBLE_EQ(b.gamma_c_bridge[3], 1.3);
    EXPECT_DOUBLE_EQ(b.r_sup_post, 1.10);
    // A text that ends inside line 3.
    With_Stream(Lines(text, 2) + " 0.7 0.8 0.6", [&](FILE* f) { Read_NAD_EC2(f, &b); });
    EXPECT_EQ(b.version, 0);
    EXPECT_DOUBLE_EQ(b.k1_red, 0.64);     // read
    EXPECT_DOUBLE_EQ(b.c_rd_c, 0.18);     // recommended
    b.hsc_class_fire = 4;
    EXPECT_EQ(Check_NAD_EC2_Modes(&b, 0), 1u);
    EXPECT_EQ(b.hsc_class_fire, 4);
    EXPECT_EQ(Check_NAD_EC2_Modes(&b, 1), 1u);
    EXPECT_EQ(b.hsc_class_fire, 1);
}

// Whatever a section held, a second save must write the bytes of the first.
// Each case is a section as its writer gives it, cut after a number of
// lines (0: whole).
TEST_F(NadBlocks, SectionsSaveTheSameBytesTwice) {
    NAD_EC2_Block ec2;
    Default_NAD_EC2(&ec2);
    ec2.variant = 1;  // national, inside the block
    ec2.k_t_fire = 0.5;
    NAD_EC5_Block ec5;
    Default_NAD_EC5(&ec5);
    // Finer values in the lines that are read (13 and 20).
    const std::string fine_ec5 =
        Replace_Line(Replace_Line(Text_Of(Write_NAD_EC5, ec5), 12, " 0 1.304 1.30 1.001"), 17,
                     " 300 200 300 150 100 150 1 0.671 1.00 1 1 1.00");
    struct Case {
        const char* key;
        std::string body;
        int lines;
        std::function<void(const NAD_Record&)> check;
    };
    const Case cases[] = {
        // Cut behind k_t (line 20): the German annex to EN 1992-1-2 fixes k_t
        // and k_m at 1.0, as a whole national block reads them.
        {"#EC2", Text_Of(Write_NAD_EC2, ec2), 20,
         [](const NAD_Record& r) {
             EXPECT_EQ(r.ec2.version, 0);
             EXPECT_EQ(r.ec2.variant, 1);
             EXPECT_DOUBLE_EQ(r.ec2.k_t_fire, 1.0);
             EXPECT_DOUBLE_EQ(r.ec2.k_m_fire, 1.0);
         }},
        // Values finer than the two decimals they are saved with: their full
        // copies for older readers (lines 4, 6 and 7) must say what the
        // two-decimal copies read back as, not 1.304.
        {"#EC5", fine_ec5, 0,
         [](const NAD_Record& r) {
             EXPECT_DOUBLE_EQ(r.ec5.gamma_M_solid, 1.304);
             EXPECT_DOUBLE_EQ(r.ec5.gamma_M_accidental, 1.001);
             EXPECT_DOUBLE_EQ(r.ec5.kcr_solid, 0.671);
         }},
    };
    for (const Case& c : cases) {
        const std::string file = "NAD/Version 1\n\n 3 \xAE" "Eigener Satz\xAF 0\n\n\n" + std::string(c.key) + "\n" +
                                 (c.lines ? Lines(c.body, c.lines) : c.body);
        NAD_Record first{}, again{};
        Default_NAD_Blocks(&first);
        if (c.lines) {
            // A file cut inside a section is refused whole; the block reader
            // still takes what the cut block holds (as the conversion of the
            // older annex list does), and that block is saved.
            With_Stream(file, [&](FILE* f) { EXPECT_EQ(Read_NAD_File(f, &first), 0); });
            Default_NAD_Blocks(&first);
            With_Stream(Lines(c.body, c.lines), [&](FILE* f) { EXPECT_EQ(Read_NAD_EC2(f, &first.ec2), 0); });
        } else {
            With_Stream(file, [&](FILE* f) { ASSERT_EQ(Read_NAD_File(f, &first), 1); });
        }
        c.check(first);
        const std::string written = Text_Of(Write_NAD_File, first);
        Default_NAD_Blocks(&again);
        With_Stream(written, [&](FILE* f) { ASSERT_EQ(Read_NAD_File(f, &again), 1); });
        EXPECT_EQ(Text_Of(Write_NAD_File, again), written) << c.key;
    }
}

TEST_F(NadBlocks, OlderEn1995VersionsFollowTheVariant) {
    NAD_EC5_Block std_block;
    Default_NAD_EC5(&std_block);
    const std::string text = Text_Of(Write_NAD_EC5, std_block);
    NAD_EC5_Block b;
    for (int variant : {0, 1}) {
        const std::string v10 = Replace_Line(Replace_Line(Lines(text, 18), 0, " 10"), 1, " " + std::to_string(variant));
        With_Stream(v10, [&](FILE* f) { Read_NAD_EC5(f, &b, 1); });
        EXPECT_EQ(b.version, 10);
        EXPECT_EQ(b.use_NA20 + b.use_NA21 + b.use_NA816 + b.use_NA7, 4 * variant);
        EXPECT_DOUBLE_EQ(b.k_shape_factor, variant ? 0.05 : 0.15);
        EXPECT_DOUBLE_EQ(b.k_shape_max, variant ? 1.3 : 2.0);
    }
    // Version 6: gamma_M of solid timber only from the later line.
    const std::string v6 = Replace_Line(Replace_Line(Lines(text, 12), 0, " 6"), 5,
                                        " 9.9 9.9 1.2 1.3 1.3 1.3");
    With_Stream(v6, [&](FILE* f) { Read_NAD_EC5(f, &b, 1); });
    EXPECT_DOUBLE_EQ(b.gamma_M_solid, 1.3);
    EXPECT_DOUBLE_EQ(b.k_mod[4][2], 0.9);
    // Versions of 9 or less compare equal whatever they hold.
    NAD_EC5_Block other = b;
    other.gamma_M_lvl = 2;
    EXPECT_EQ(Compare_NAD_EC5(&b, &other), 0);
    b.version = other.version = 17;
    EXPECT_EQ(Compare_NAD_EC5(&b, &other), 1);
    other = b;
    other.gamma_M_fi = 3;
    EXPECT_EQ(Compare_NAD_EC5(&b, &other), 0);
}

TEST_F(NadBlocks, ShortEn1996And1999SectionsKeepRecommendedValues) {
    struct Case {
        const char* text;
        std::function<void(const NAD_EC6_Block&, const NAD_EC9_Block&)> check;
    };
    const Case cases[] = {
        {" 1\n 1\n 1.4\n",
         [](const NAD_EC6_Block& m, const NAD_EC9_Block& a) {
             EXPECT_EQ(m.variant, 1);
             EXPECT_DOUBLE_EQ(m.gamma_M_persistent, 1.4);
             EXPECT_DOUBLE_EQ(m.gamma_M_accidental, 1.5);  // never 0
             EXPECT_DOUBLE_EQ(m.gamma_M_ser, 1.0);
             EXPECT_EQ(a.version, 1);
             EXPECT_DOUBLE_EQ(a.gamma_M0, 1.4);
             EXPECT_DOUBLE_EQ(a.gamma_M1, 1.4);
             EXPECT_DOUBLE_EQ(a.gamma_M2, 1.25);
         }},
        {" 1 0 1.2 1.3 1.4",
         [](const NAD_EC6_Block&, const NAD_EC9_Block& a) {
             EXPECT_DOUBLE_EQ(a.gamma_M1, 1.2);
             EXPECT_DOUBLE_EQ(a.gamma_M2, 1.3);
             EXPECT_DOUBLE_EQ(a.gamma_Mp, 1.4);
             EXPECT_DOUBLE_EQ(a.gamma_Mw, 1.25);
         }},
        {" 0 3 2.0",
         [](const NAD_EC6_Block& m, const NAD_EC9_Block& a) {
             EXPECT_DOUBLE_EQ(m.gamma_M_persistent, 1.5);
             EXPECT_EQ(a.version, 0);
             EXPECT_EQ(a.variant, 3);
             EXPECT_DOUBLE_EQ(a.gamma_M0, 1.1);
         }},
    };
    for (const Case& c : cases) {
        NAD_EC6_Block m;
        NAD_EC9_Block a;
        With_Stream(c.text, [&](FILE* f) { Read_NAD_EC6(f, &m); });
        With_Stream(c.text, [&](FILE* f) { Read_NAD_EC9(f, &a); });
        c.check(m, a);
    }
    NAD_EC9_Block a, b;
    Default_NAD_EC9(&a);
    b = a;
    b.C += 0.0001;
    b.version = 1;
    EXPECT_EQ(Compare_NAD_EC9(&a, &b), 1);
    b.C += 0.00001;
    EXPECT_EQ(Compare_NAD_EC9(&a, &b), 0);
    NAD_EC0_Block x, y;
    Default_NAD_EC0(&x);
    y = x;
    y.a_tracks[1] += 0.0001;
    y.version = 5;
    EXPECT_EQ(Compare_NAD_EC0(&x, &y), 0);
    y.a_tracks[1] += 0.00001;
    EXPECT_EQ(Compare_NAD_EC0(&x, &y), 1);
}

// The EN 1991 tables: definitions of tables 3 and 5 (numbers 0 and 11 define
// nothing), user sets found by their whole name.
TEST_F(NadBlocks, En1991TablesFromTheirFiles) {
    Write_File(annex.dir.file("DATA/NAD/WUSL-Tabs.def"),
               "#TAB0\nx\ny\n1 1 1 1 2 2 2 2 1 1 t\n"
               "#TAB3\nSchnee\nZonen\n10 20 0 0 110 70 1 1\n2 3 tab3\n"
               "#TAB11\nx\ny\n1 1 1 1 2 2 2 2 1 1 t\n"
               "#TAB5\nWind\r\nZonen\r\n0 0 0 0 10 10 0 0 1 1 tab5\r\n");
    Write_File(annex.dir.file("DATA/NAD/WUSL-Tabs.val"),
               "#NAD\nEC-Standardparameter\n0\n\n~TAB3\nEmpfehlung\n 1 2\n 3 4\n 5 6\n\n~TAB5\nE\n 0.5\n"
               "#NAD\nDeutschland\n1\n\n~DATA\n1 4 5\n~TAB3\nDIN\n 1.5 2 3 4 5 6\n");
    Write_File(annex.dir.file("DRAM/WUSL-NADs.def"),
               "#NAD\nNordsee\n0\n\n~TAB3\nfalsch\n 9 9 9 9 9 9\n"
               "#NAD\nNord\n0\n\n~TAB3\nrichtig\n 7 7 7 7 7 8\n~TAB99\n 12 0 1 2 3 4 5 6 7 8 9 10 11 12\n");
    Reset_NAD_Registry();
    Use_Annex(1);
    const NAD_EC1_Block* b = Get_NAD_EC1();
    ASSERT_TRUE(b->tables[2] && b->tables[4]);
    EXPECT_EQ(b->tables[0], nullptr);
    const WUSL_Table& t3 = *b->tables[2];
    EXPECT_STREQ(t3.caption, "Schnee");
    EXPECT_EQ(t3.width, 100);
    EXPECT_EQ(t3.height, 50);
    EXPECT_STREQ(t3.source, "DIN");
    EXPECT_DOUBLE_EQ(t3.values[0], 1.5);
    EXPECT_DOUBLE_EQ(t3.values[2 * 1 + 1], 4);  // row 1, column 1
    EXPECT_STREQ(b->tables[4]->source, "E");    // Deutschland leaves it: the standard set's
    EXPECT_EQ(b->data1, 4);
    EXPECT_EQ(b->variant, 2);

    NAD_EC1_Block user{};
    user.tables[2] = static_cast<WUSL_Table*>(std::calloc(1, sizeof(WUSL_Table)));
    user.tables[2]->columns = 2;
    user.tables[2]->rows = 3;
    user.tables[2]->values = static_cast<double*>(std::calloc(6, sizeof(double)));
    EXPECT_EQ(Load_WUSL_Annex(1, "Nord", &user), 1);
    EXPECT_STREQ(user.tables[2]->source, "richtig");
    EXPECT_DOUBLE_EQ(user.tables[2]->values[5], 8);
    EXPECT_EQ(user.options[9], 10);  // twelve given, ten kept
    Set_WUSL_Variant(&user, 3);
    EXPECT_EQ(user.variant, 2);
    // Written and read back to three decimals.
    user.tables[2]->values[1] = 1.23404;
    EXPECT_EQ(Write_WUSL_Annex(0, "Eigen", &user), 1);
    NAD_EC1_Block back{};
    Copy_WUSL_Tables(&back, &user);  // no tables defined: nothing but the words
    EXPECT_EQ(back.options[9], 10);
    back.tables[2] = static_cast<WUSL_Table*>(std::calloc(1, sizeof(WUSL_Table)));
    *back.tables[2] = WUSL_Table{nullptr, nullptr, nullptr, nullptr, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 static_cast<double*>(std::calloc(6, sizeof(double)))};
    EXPECT_EQ(Load_WUSL_Annex(1, "Eigen", &back), 1);
    EXPECT_DOUBLE_EQ(back.tables[2]->values[1], 1.234);
    EXPECT_EQ(Compare_WUSL_Tables(&back, &user), 0);
    back.tables[2]->values[5] += 0.00011;
    EXPECT_EQ(Compare_WUSL_Tables(&back, &user), 1);
    Free_WUSL_Tables(&user);
    Free_WUSL_Tables(&back);
    EXPECT_EQ(back.tables[2], nullptr);
}

}  // namespace

namespace {

// One annex of the older combined file (or a project's record): the EN 1992
// block with the given variant, the EN 1993 block of the older list with
// gamma_M1 and variant, the EN 1995 block, and the load factors with the
// persistent gamma of permanent loads first.
std::string Old_Annex(int variant, double gamma_M1, double gamma_G) {
    NAD_EC2_Block c;
    Default_NAD_EC2(&c);
    c.variant = variant;
    NAD_EC5_Block t;
    Default_NAD_EC5(&t);
    char zo3[160];
    std::snprintf(zo3, sizeof zo3, " ZO3 Parameter\n %d\n ZO3-1 Parameter\n 4 1.0 %.2f 1.25 1.0 1.0 1.25 0 1.0\n"
                  " 0.4 0.75 0 1.0 1 1.0\n", variant, gamma_M1);
    std::string factors = " Lastfaktoren 0\n " + std::to_string(gamma_G) + " 1.0 1.5 0 1.35 0 1.0 0 1.0 1.0 0 0 0 0\n";
    for (int i = 0; i < 12; ++i) factors += " 0.7 0.5 0.3\n";
    return Text_Of(Write_NAD_EC2, c) + zo3 + " EC5 Parameter\n" + Text_Of(Write_NAD_EC5, t) + factors;
}

class NadOldList : public testutil::AnnexTest {
protected:
    void SetUp() override {
        Free_NAD_Old_List();
        AnnexTest::SetUp();
    }
    void TearDown() override {
        Free_NAD_Old_List();
        AnnexTest::TearDown();
    }
    const char* Project(const std::string& record) {
        With_Stream("Kopf\nACTIV_NAD_EC2\n" + record, [](FILE* f) { EXPECT_EQ(Read_ACTIV_NAD_EC2(f), 1); });
        return Get_NAD_EC2_Name();
    }
};

TEST_F(NadOldList, ProjectRecordsAreMatchedAgainstTheCombinedFile) {
    Write_File(annex.dir.file("DRAM/NADs-EC2.DEF"), "#NAD\n 5 \xAE" "Eigen\xAF\n" + Old_Annex(0, 1.05, 1.35) +
                                                        "#NAD\n 18 \xAE" "Deutschland\xAF\n" + Old_Annex(1, 1.1, 1.35));
    EXPECT_STREQ(Get_NAD_EC2_Name(), "Deutschland");
    // The same values as "Eigen", also when the factors differ by 0.0001.
    EXPECT_STREQ(Project(Old_Annex(0, 1.05, 1.3501)), "Eigen");
    // One load factor 0.001 away: the project's own record, kept once.
    EXPECT_STREQ(Project(Old_Annex(0, 1.05, 1.351)), "lokale Definitionen");
    EXPECT_STREQ(Project(Old_Annex(0, 1.05, 1.351)), "lokale Definitionen");
    EXPECT_STREQ(NAD_Old_Replacement_Note(), "");
    With_Stream("ohne Schluesselwort\n", [](FILE* f) { EXPECT_EQ(Read_ACTIV_NAD_EC2(f), 0); });
}

TEST_F(NadOldList, ReplacedNationalValuesAreNoted) {
    Write_File(annex.dir.file("DRAM/NADs-EC2.DEF"), "#NAD\n 18 \xAE" "Deutschland\xAF\n" + Old_Annex(1, 1.1, 1.35));
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    // A national record with gamma_M1 1.2 still takes the listed national
    // annex (gamma_M1 1.1), as older versions did, but not silently.
    EXPECT_STREQ(Project(Old_Annex(1, 1.2, 1.35)), "Deutschland");
    const std::string err = testing::internal::GetCapturedStderr();
    VEK_Set_Batch_Mode(0);
    EXPECT_NE(err.find("\"Deutschland\" ab"), std::string::npos) << err;
    const std::string note =
        "Die im Projekt gespeicherten Anhangswerte weichen vom nationalen Anhang \"Deutschland\" ab; es gelten die "
        "Werte dieses Anhangs.";
    EXPECT_EQ(err, note + "\n");
    FILE* f = std::tmpfile();
    Print_NAD_Old_Replacement_Note(f);
    std::rewind(f);
    std::string printed(512, '\0');
    printed.resize(std::fread(printed.data(), 1, printed.size(), f));
    std::fclose(f);
    EXPECT_EQ(printed, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n " + note + "\n#END_OF_TEXT\n");
}

}  // namespace

// Appending a set to the user values file is a save like any other: the
// old sets and the new one form a new file, and a write that fails (a full
// disc) leaves the old file byte for byte, with no temporary beside it.
TEST_F(NadBlocks, AppendedSetReplacesTheFileOnlyWhenComplete) {
    const std::string path = annex.dir.file("DRAM/WUSL-NADs.def");
    const std::string old_sets = "#NAD\nNord\n0\n\n~TAB99\n 1 0 7\n\n";
    Write_File(path, old_sets);
    NAD_EC1_Block b{};
    b.options[0] = 3;
    const std::string set = "#NAD\nSued\n0\n\n~DATA\n1 0 0\n\n~TAB99\n 10 0 3 0 0 0 0 0 0 0 0 0\n\n";
    {
        testutil::ScopedFileSizeLimit disc(old_sets.size() + set.size() - 1);
        EXPECT_EQ(Write_WUSL_Annex(1, "Sued", &b), 0);
    }
    EXPECT_EQ(testutil::Read_File(path), old_sets);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(annex.dir.file("DRAM")),
                            std::filesystem::directory_iterator()),
              2);  // the values file and the annex directory, nothing else
    EXPECT_EQ(Write_WUSL_Annex(1, "Sued", &b), 1);
    EXPECT_EQ(testutil::Read_File(path), old_sets + set);
}
