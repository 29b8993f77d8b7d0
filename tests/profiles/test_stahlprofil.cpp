// The steel profile record's own operations (type from a name, families, HE
// names, comparison, thickness extremes, flange synchronisation) and its
// input-file block: round trips of every block version, the renumbering of
// the oldest versions, the profile-manager notices, refusals and names.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/input_ranges.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "profiles/catalogue_fixture.h"
#include "profiles/geschweisster_anschluss.h"
#include "profiles/kehlnaht_geometry.h"
#include "profiles/stahlprofil.h"
#include "support/global_state.h"
#include "support/testutil.h"

namespace {

using testutil::CatalogueTest;

// The notices are shown once per run; every test is a run of its own.
const testutil::Global_Reset reset_notices(Reset_Profile_Notices);

using testutil::Typed_Profile;

std::string Material_Block(const Materialparameter_Record& m) {
    FILE* f = std::tmpfile();
    Write_Material_Params(f, &m);
    std::string s = testutil::Stream_All(f);
    std::fclose(f);
    return s;
}

TEST(StahlprofilRecord, TypeFromNameAndFamilies) {
    struct Row {
        const char* name;
        int type_in, result, type_out;
    } rows[] = {
        {"HE300B", 0, 1, 5},   {"IPE300", 0, 1, 4},   {"IPE300", 13, 1, 13}, {"IPE300", 8, 0, 8},
        {"U200", 0, 1, 12},    {"L100X10", 0, 1, 3},  {"", 0, 0, 0},
    };
    for (const Row& w : rows) {
        int type = w.type_in;
        EXPECT_EQ(Get_Profile_Type_From_Name(w.name, &type), w.result) << w.name;
        EXPECT_EQ(type, w.type_out) << w.name;
    }
    struct Family {
        int representative, type, result;
    } families[] = {{9, 8, 1}, {11, 15, 1}, {6, 6, 0}, {12, 6, 1}, {4, 13, 1}, {4, 16, 0}, {16, 16, 1}};
    for (const Family& w : families)
        EXPECT_EQ(Is_Profile_Type_Family(w.representative, w.type), w.result) << w.representative << " " << w.type;
}

// The welded connection's family codes of the profile types 0 .. 17, the
// type each code stands for, and the drawing's families (code + 1).
TEST(StahlprofilRecord, ConnectionFamiliesOfTheTypes) {
    const int family[18] = {-1, 6, 7, 4, 0, 0, 2, 0, 1, 5, 0, 3, 2, 0, -1, 3, -1, -1};
    const int type_of_family[8] = {4, 8, 12, 11, 3, 9, 1, 2};
    for (int type = 0; type < 18; type++) EXPECT_EQ(Anschluss_Family_Of_Profile_Type(type), family[type]) << type;
    for (int code = 0; code < 8; code++) {
        EXPECT_EQ(Profile_Type_Of_Anschluss_Family(code), type_of_family[code]) << code;
        EXPECT_EQ(Kehlnaht_Family(code), code + 1) << code;
    }
    EXPECT_EQ(Profile_Type_Of_Anschluss_Family(8), 4);
    for (int code : {-1, 8}) EXPECT_EQ(Kehlnaht_Family(code), 0) << code;
}

// The class names the input page lists show every byte as a letter of
// the screen font, "½I-Profil" its ½ too, none as the box of a byte
// without a glyph.
TEST(StahlprofilRecord, TypeNamesHaveAGlyphForEveryByte) {
    const unsigned char* box = RFont_Glyph(0x01);
    for (int type = 0; type < STAHLPROFIL_TYPE_COUNT; ++type)
        for (const char* c = Get_Profile_Type_Name(type); *c; ++c)
            EXPECT_NE(RFont_Glyph(static_cast<unsigned char>(*c)), box) << type << " byte " << (*c & 0xFF);
}

TEST(StahlprofilRecord, HENamesComparisonAndThicknesses) {
    struct Name {
        const char* in;
        const char* out;
    } names[] = {{"HEA280", "HE280A"}, {"HEM 300", "HE 300M"}, {"HE280A", "HE280A"}, {"hea280", "HE280A"},
                 {"IPE300", "IPE300"}};
    for (const Name& w : names) {
        char name[40];
        Copy_Trimmed(w.in, name, sizeof name, 0);
        Normalize_HE_Profile_Name(name);
        EXPECT_STREQ(name, w.out) << w.in;
    }

    Stahlprofil a = Typed_Profile(4, 300, 7, 150, 10), b = a;
    a.r_1 = 15;  // radii count only for rolled profiles
    EXPECT_EQ(Compare_Profiles(&a, &b), 1);
    b.h += 0.01;  // a difference of exactly 0.01 is equal
    EXPECT_EQ(Compare_Profiles(&a, &b), 1);
    b.h += 0.01;
    EXPECT_EQ(Compare_Profiles(&a, &b), 0);
    b = a;
    a.rolled = b.rolled = 1;
    a.a_o = 4;  // throats count only for welded ones
    EXPECT_EQ(Compare_Profiles(&a, &b), 1);
    Copy_Trimmed("IPE300", a.name, sizeof a.name, 0);
    std::memcpy(b.name, a.name, sizeof a.name);
    b.name[20] = 'Q';  // what lies behind the name's end is no part of it
    EXPECT_EQ(Compare_Profiles(&a, &b), 1);
    a.kind = b.kind = 2;
    a.h = 1;
    Copy_Trimmed("X", a.name, sizeof a.name, 0);
    EXPECT_EQ(Compare_Profiles(&a, &b), 1);
    EXPECT_EQ(Compare_Profiles(&a, nullptr), 0);

    struct Thickness {
        Stahlprofil p;
        double max, min;
    } rows[] = {
        {Typed_Profile(1, 100, 20, 0, 0), 20, 20}, {Typed_Profile(2, 30, 0, 0, 0), 30, 30},   {Typed_Profile(3, 100, 8, 80, 12), 12, 8},
        {Typed_Profile(4, 300, 7, 150, 11), 14, 7}, {Typed_Profile(9, 100, 5, 0, 0), 5, 5},  {Typed_Profile(18, 1, 1, 1, 1), 0, 0},
    };
    rows[3].p.t_fu = 14;
    for (const Thickness& w : rows) {
        EXPECT_EQ(Get_Profile_Max_Dimension(&w.p), w.max) << w.p.type;
        EXPECT_EQ(Get_Profile_Min_Dimension(&w.p), w.min) << w.p.type;
    }

    Stahlprofil s = Typed_Profile(4, 300, 7, 150, 10);
    s.b_fu = 100;
    s.a_o = 5;
    Sync_Symmetric_Profile_Flanges(&s);
    EXPECT_EQ(s.b_fu, 150);
    EXPECT_EQ(s.a_u, 5);
    s = Typed_Profile(17, 100, 6, 50, 9);
    Sync_Symmetric_Profile_Flanges(&s);
    EXPECT_EQ(s.t_fo, 6);
}

class ProfileBlock : public CatalogueTest {
protected:
    // A block of the given version: line 2, the name line from version 1,
    // the material block, then the fields the version holds.
    static std::string Block(int version, const std::string& line2, const std::string& name, const std::string& tail) {
        Materialparameter_Record m;
        Default_Material_Params(&m);
        std::string s = " " + std::to_string(version) + "\n" + line2 + "\n";
        if (version >= 1) s += " " + name + "\n";
        return s + Material_Block(m) + tail;
    }
    static int Read(const std::string& bytes, Stahlprofil* p) {
        FILE* f = testutil::Stream_With(bytes);
        int r = Read_Profile(f, p);
        std::fclose(f);
        return r;
    }
};

TEST_F(ProfileBlock, CurrentVersionRoundTrips) {
    Stahlprofil p = Typed_Profile(16, 400, 10, 200, 15);
    p.b_fu = 220;
    p.t_fu = 20;
    p.b_ueo = 20;
    p.b_ueu = 30;
    p.weld_kind_top = 1;
    p.a_o = 4.25;
    p.r_2 = 3;
    p.hot_finished = 1;
    Copy_Trimmed("L 100 X 10", p.name, sizeof p.name, 0);  // held without padding
    Default_Material_Params(&p.material);
    FILE* f = std::tmpfile();
    ASSERT_EQ(Write_Profile(f, &p), 0);
    std::string bytes = testutil::Stream_All(f);
    std::fclose(f);
    EXPECT_EQ(bytes.substr(0, bytes.find(Material_Block(p.material))),
              " 10\n 0 16 400.000000 10.000000 200.000000 15.000000 220.000000 20.000000 0 0.000000 4.250000 0.000000\n"
              " L~100~X~10\n");
    EXPECT_STREQ(p.name, "L 100 X 10");  // the record's name is kept
    Stahlprofil q;
    ASSERT_EQ(Read(bytes, &q), 0);
    Pad_Blank(p.name, 40);
    EXPECT_EQ(Compare_Profiles(&p, &q), 1);
    EXPECT_EQ(q.hot_finished, 1);
    EXPECT_EQ(q.r_2, 3);
    EXPECT_EQ(std::strlen(q.name), 39u);

    // Every prefix of the block that ends before a field is a failure.
    for (size_t cut : {bytes.find(" L~"), bytes.size() - 3}) {
        Stahlprofil r;
        EXPECT_EQ(Read(bytes.substr(0, cut), &r), 1) << cut;
    }
    EXPECT_EQ(Write_Profile(nullptr, &p), 1);
    EXPECT_EQ(Read_Profile(nullptr, &q), 1);
}

TEST_F(ProfileBlock, OlderVersions) {
    const std::string dims = " 0 5 300 7 150 10 150 10 0 0 4 4";
    struct Row {
        int version;
        std::string tail;
        int type, weld_top;
        double b_ueo, r_2;
    } rows[] = {
        {0, "", 6, 0, 0, 0},                           // old numbering: 5 was the channel
        {1, "", 6, 0, 0, 0},
        {2, "", 5, 0, 0, 0},
        {3, " 2.5\n", 5, 0, 0, 2.5},
        {4, " 2.5 0\n", 5, 0, 0, 2.5},
        {5, " 2.5 0\n 7 8\n", 5, 0, 7, 2.5},
        {6, " 2.5 0\n 7 8 1 0\n", 5, 1, 7, 2.5},
        {9, " 2.5 0\n 7 8 1 0\n", 5, 1, 7, 2.5},
        {10, " 2.5 0\n 7 8 1 0\n 1\n", 5, 1, 7, 2.5},
    };
    for (const Row& w : rows) {
        Stahlprofil p;
        ASSERT_EQ(Read(Block(w.version, dims, "~", w.tail), &p), 0) << w.version;
        EXPECT_EQ(p.type, w.type) << w.version;
        EXPECT_EQ(p.weld_kind_top, w.weld_top) << w.version;
        EXPECT_EQ(p.b_ueo, w.b_ueo) << w.version;
        EXPECT_EQ(p.r_2, w.r_2) << w.version;
        EXPECT_EQ(p.hot_finished, w.version >= 10 ? 1 : 0) << w.version;
        EXPECT_EQ(p.a_o, 4) << w.version;
    }
    // The flat bar keeps its number in the old numbering.
    Stahlprofil p;
    ASSERT_EQ(Read(Block(1, " 0 1 100 10 0 0 0 0 1 0 0 0", "~", ""), &p), 0);
    EXPECT_EQ(p.type, 1);
    // A newer block is refused before any field is read, with the version box.
    EXPECT_EQ(Read(Block(11, dims, "~", " 2.5 0\n 7 8 1 0\n 1\n"), &p), 1);
    EXPECT_EQ(p.type, 0);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 1u);
    VEK_Clear_Recorded_Messages();
    // A catalogue profile of the oldest files comes from the catalogue.
    ASSERT_EQ(Read(Block(1, " 1 0 0 0 0 0 0 0 0 0 0 0", "HE280A", ""), &p), 0);
    EXPECT_EQ(p.kind, 1);
    EXPECT_EQ(p.type, 5);
    EXPECT_NEAR(p.h, 270, 1e-4);
    EXPECT_NEAR(p.A, 9730, 0.01);  // the catalogue's published 97.3 cm2
    // ... and one it does not know stays without a type.
    ASSERT_EQ(Read(Block(1, " 1 3 0 0 0 0 0 0 0 0 0 0", "NOSUCH9", ""), &p), 0);
    EXPECT_EQ(p.kind, 1);
    EXPECT_EQ(p.type, 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST_F(ProfileBlock, LongNameAndNonFiniteMeasuresRefused) {
    // A name longer than the 39 characters the record holds is refused with
    // its length, not cut; 39 are read.
    Stahlprofil p;
    EXPECT_EQ(Read(Block(10, " 0 1 100 10 0 0 0 0 1 0 0 0", std::string(60, 'X'), " 0 0\n 0 0 0 0\n 0\n"), &p), 1);
    EXPECT_EQ(Last_Input_Value_Refusal().list, "Profilname ist 60 Zeichen lang (h\x94" "chstens 39)");
    ASSERT_EQ(Read(Block(10, " 0 1 100 10 0 0 0 0 1 0 0 0", std::string(39, 'X'), " 0 0\n 0 0 0 0\n 0\n"), &p), 0);
    EXPECT_EQ(std::string(p.name), std::string(39, 'X'));
    EXPECT_EQ(p.material.grade, 0);
    EXPECT_EQ(Read(Block(10, " 0 1 nan 10 0 0 0 0 1 0 0 0", "~", " 0 0\n 0 0 0 0\n 0\n"), &p), 1);
    EXPECT_EQ(Read(Block(10, " 0 1 100 10 0 0 0 0 1 0 0 0", "~", " inf 0\n 0 0 0 0\n 0\n"), &p), 1);
    // ... also in the material block.
    std::string bytes = Block(10, " 0 1 100 10 0 0 0 0 1 0 0 0", "~", " 0 0\n 0 0 0 0\n 0\n");
    bytes.replace(bytes.find("210000.000000"), 13, "inf");
    EXPECT_EQ(Read(bytes, &p), 1);
}

TEST_F(ProfileBlock, ManagerNoticesOncePerRunAndNeverInBatch) {
    const std::string cat = " 1 5 270 8 280 13 280 13 1 24 0 0";
    const std::string v4 = Block(4, cat, "HE280A", " 0 1\n");  // stored with the manager
    Stahlprofil p;
    for (int i = 0; i < 2; i++) {
        ASSERT_EQ(Read(v4, &p), 0);
        EXPECT_EQ(p.kind, 0);  // shown with its dimensions
        EXPECT_EQ(p.manager_flag, 0);
        EXPECT_NEAR(p.h, 270, 1e-9);
    }
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(1), "Der neue Profilmanager ist nicht verf\x81gbar.");

    VEK_Clear_Recorded_Messages();
    Reset_Profile_Notices();
    VEK_Set_Batch_Mode(1);
    ASSERT_EQ(Read(v4, &p), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    VEK_Set_Batch_Mode(0);

    // With the manager present, an old catalogue block asks for a look.
    Reset_Profile_Catalogue();
    tree.Install_Manager(testutil::ProfilData_Record(1, 3, "HE280A", "", {{0, 27.0f}}));
    Reset_Profile_Notices();
    const std::string v3 = Block(3, cat, "HE280A", " 0\n");
    for (int i = 0; i < 2; i++) {
        ASSERT_EQ(Read(v3, &p), 0);
        EXPECT_EQ(p.kind, 1);
        EXPECT_EQ(p.manager_flag, 1);
    }
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "!! Der neue Profilmanager ist verf\x81gbar !!");
}

}  // namespace

// The centroid of a typed-in profile from its dimensions alone, whether or
// not the section model is there to give it (this test runs without it),
// from the top left corner: y_s negative.
TEST(StahlprofilRecord, CentroidOfTypedProfilesWithoutTheSectionModel) {
    const struct {
        int type;
        double h, t_w, b, t_f, z_s, y_s;
    } cases[] = {
        {PROFILTYP_FLACH, 100, 10, 0, 0, 50, -5},
        {PROFILTYP_RECHTECK, 200, 8, 100, 8, 100, -50},
        {PROFILTYP_I, 300, 8, 150, 12, 150, -75},
        // Flange 200 x 15 over a web 185 x 10: (3000 * 7.5 + 1850 * 107.5) / 4850.
        {PROFILTYP_T, 200, 10, 200, 15, (3000 * 7.5 + 1850 * 107.5) / 4850, -100},
    };
    for (const auto& c : cases) {
        Stahlprofil p = Typed_Profile(c.type, c.h, c.t_w, c.b, c.t_f);
        p.a_o = p.a_u = 0;
        Default_Material_Params(&p.material);
        EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 0) << c.type;
        EXPECT_NEAR(p.z_s, c.z_s, 0.01) << c.type;
        EXPECT_NEAR(p.y_s, c.y_s, 0.01) << c.type;
    }
}

// A typed radius or flange weld fits up to what the other dimensions leave
// it, by family (each face keeps 0.001 mm), worked out by hand from the
// faces; beyond that the section is refused ("Fehler bei der
// Querschnittsbeschreibung") instead of computed without the radius.
TEST(StahlprofilRecord, TypedRadiusFitsUpToWhatTheSectionLeaves) {
    const double e = 0.001;
    const struct {
        const char* what;
        int type;
        double h, t_w, b, t_f, r_1, r_2;
        double Stahlprofil::*member;
        double largest;
        int rolled;
    } cases[] = {
        // IPE 300: the outstand (150 - 7.1) / 2 = 71.45 governs the clear web (300 - 21.4) / 2 = 139.3.
        {"IPE 300 r", PROFILTYP_I, 300, 7.1, 150, 10.7, 15, 0, &Stahlprofil::r_1, (150 - 7.1) / 2 - e, 1},
        // A wide short H: the clear web (100 - 40) / 2 = 30 governs the outstand 145.
        {"H r", PROFILTYP_H, 100, 10, 300, 20, 10, 0, &Stahlprofil::r_1, (100 - 40 - e) / 2, 1},
        // Tee 100 x 100 x 10: the stem below the flange 100 - 10 = 90 and the
        // outstand (100 - 10) / 2 = 45, which takes the toe radius 3 beside the
        // root radius (before, the toe was left out: r_1 up to 45).
        {"T r1", PROFILTYP_T, 100, 10, 100, 10, 5, 3, &Stahlprofil::r_1, 45 - 3 - e, 1},
        {"T r2", PROFILTYP_T, 100, 10, 100, 10, 5, 3, &Stahlprofil::r_2, 10 - e, 1},
        // T 100 x 100 x 11 (EN 10055), r_2 10: the outstand 44.5 leaves r_1 34.5
        // (r_1 40 with r_2 10 was taken), and r_2 the smaller of t_f and 44.5 - r_1.
        {"T 100 r1", PROFILTYP_T, 100, 11, 100, 11, 40, 10, &Stahlprofil::r_1, 44.5 - 10 - e, 1},
        {"T 100 r2", PROFILTYP_T, 100, 11, 100, 11, 40, 3, &Stahlprofil::r_2, 44.5 - 40 - e, 1},
        {"half I r1", PROFILTYP_HALB_I, 150, 7.1, 150, 10.7, 15, 0, &Stahlprofil::r_1, (150 - 7.1) / 2 - e, 1},
        // Half I 300 (b 125, t_w 10.8, r_2 6.5): the outstand 57.1 less the toe.
        {"half I 300 r1", PROFILTYP_HALB_I, 150, 10.8, 125, 16.2, 10.8, 6.5, &Stahlprofil::r_1, 57.1 - 6.5 - e, 1},
        // L 100 x 10, r_2 6: each leg 100 - 10 - r_1 - 6; the toe t - r_2.
        {"L r1", PROFILTYP_L, 100, 10, 100, 10, 12, 6, &Stahlprofil::r_1, 100 - 10 - 6 - e, 1},
        {"L r2", PROFILTYP_L, 100, 10, 100, 10, 12, 6, &Stahlprofil::r_2, 10 - e, 1},
        // U 140 (h 140, t_w 7, b 60, t_f 10, r_2 5): the flange 60 - 7 - r_1 - 5, the web (140 - 20) / 2.
        {"U r1", PROFILTYP_U, 140, 7, 60, 10, 10, 5, &Stahlprofil::r_1, 60 - 7 - 5 - e, 1},
        {"U r2", PROFILTYP_U, 140, 7, 60, 10, 10, 5, &Stahlprofil::r_2, 10 - e, 1},
        {"C r1", PROFILTYP_C, 140, 7, 60, 10, 10, 5, &Stahlprofil::r_1, 60 - 7 - 5 - e, 1},
        // Z 200 wide over the tips: each flange (200 - 10) / 2 - r_1 - r_2 (r_2 8).
        {"Z r1", PROFILTYP_Z, 200, 10, 200, 10, 10, 8, &Stahlprofil::r_1, 95 - 8 - e, 1},
        // RHS 200 x 100 x 8: the outer radius up to half the narrow side,
        // the inner one up to half the narrow side's clear width 84.
        {"RHS outer", PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 4, &Stahlprofil::r_1, 50 - e / 2, 1},
        {"RHS inner", PROFILTYP_RECHTECK, 200, 8, 100, 8, 12, 4, &Stahlprofil::r_2, 42 - e / 2, 1},
        // A welded I section's flange weld: its leg a sqrt 2 up to the outstand.
        {"welded I a_o", PROFILTYP_I, 300, 8, 150, 12, 0, 0, &Stahlprofil::a_o, (71 - e) / std::sqrt(2.0), 0},
    };
    for (const auto& c : cases) {
        Stahlprofil p = Typed_Profile(c.type, c.h, c.t_w, c.b, c.t_f);
        Default_Material_Params(&p.material);
        p.rolled = c.rolled;
        p.r_1 = c.r_1, p.r_2 = c.r_2, p.a_o = p.a_u = c.rolled ? 0 : 4;
        EXPECT_NEAR(Profile_Largest_Fitting(&p, c.member), c.largest, 1e-6) << c.what;
        p.*c.member = c.largest - 0.01;
        EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 0) << c.what;
        p.*c.member = c.largest + 0.01;
        EXPECT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 1) << c.what;
        EXPECT_EQ(p.A, 0.0) << c.what;  // no values of another section stand for it
    }
    // IPE 300 with r = 71.4: 0.05 mm of each flange's underside stays for a
    // weld, the web between the fillets 300 - 2 x 10.7 - 2 x 71.4 = 135.8.
    Stahlprofil p = Typed_Profile(PROFILTYP_I, 300, 7.1, 150, 10.7);
    Default_Material_Params(&p.material);
    p.rolled = 1, p.r_1 = 71.4;
    ASSERT_EQ(Calc_Profile_Cross_Section(&p, nullptr, 0, ""), 0);
    EXPECT_NEAR(p.h_w, 135.8, 1e-9);
    EXPECT_NEAR(p.c_o, 0.05, 1e-9);
    // Dimensions that describe no section leave no radius to fit.
    p.t_w = 200;
    EXPECT_EQ(Profile_Largest_Fitting(&p, &Stahlprofil::r_1), -1);
}
