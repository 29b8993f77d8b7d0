// Catalogue access: look-ups in PROFIL (exact designations only), the values
// handed to a Stahlprofil, damaged files, and the profile manager's database
// ProfilData.bin with its rotated names, bisection and alias search.
#include <cmath>
#include <cstdio>
#include <optional>

#include "base/cp850.h"
#include "catalogue_fixture.h"
#include "printlist/verdict.h"
#include "thinwall/dwqb.h"

using namespace testutil;

namespace {

using ProfileCatalogue = CatalogueTest;

TEST_F(ProfileCatalogue, He280aIsFoundTrimmedAndUpperCasedWithItsPublishedValues) {
    Katalogprofil* k = Get_Profile_Record(" he280a ");
    ASSERT_NE(k, nullptr);
    EXPECT_STREQ(k->name, "HE280A         ");
    EXPECT_EQ(k->type_letter, 'D');
    // EN 10365 / catalogue: h 270, b 280, t_w 8, t_f 13, r 24 mm, A 97.3 cm²,
    // I_y 13670 cm⁴, I_z 4763 cm⁴, W_pl,y 1112 cm³.
    const float expected[][2] = {{0, 27.0f}, {1, 28.0f}, {2, 0.8f}, {3, 1.3f}, {4, 97.3f},
                                 {9, 13670.0f}, {10, 4763.0f}, {16, 1112.0f}, {25, 2.4f}};
    for (const auto& e : expected) EXPECT_FLOAT_EQ(k->values[static_cast<int>(e[0])], e[1]) << e[0];
}

TEST_F(ProfileCatalogue, OnlyWholeDesignationsMatch) {
    // Prefixes of existing designations and near misses find nothing.
    for (const char* key : {"HE30", "HE280", "IPE", "L100X1", "R88.9X5", "", "   ", "HE280A X", "MSH260X260X17.50"})
        EXPECT_EQ(Get_Profile_Record(key), nullptr) << key;
    EXPECT_EQ(Get_Profile_Record(nullptr), nullptr);
    for (const char* key : {"HE300A", "ipe300", "L100X10", "MSH100X100X5.0", "R88.9X5.0", "1/2IPE300", "W920X310X313"})
        EXPECT_NE(Get_Profile_Record(key), nullptr) << key;
}

TEST_F(ProfileCatalogue, DamagedOrMissingFilesAreRefused) {
    std::string full = Read_File(tree.Data("PROFIL"));
    // Cut inside the last record: the records before it stay readable.
    Write_File(tree.Data("PROFIL"), full.substr(0, full.size() - 7));
    EXPECT_EQ(Get_Profile_Record("W920X310X313"), nullptr);
    EXPECT_NE(Get_Profile_Record("W920X310X289"), nullptr);
    for (std::string bytes : {std::string(), full.substr(0, 100), std::string(159, 'H')}) {
        Write_File(tree.Data("PROFIL"), bytes);
        EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr) << bytes.size();
    }
    std::filesystem::remove(tree.Data("PROFIL"));
    EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
    ScopedEnv no_data("DATA", std::nullopt);
    EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
}

// A catalogue profile whose record cannot be had: the file missing, no
// file to read, DATA unset, the manager's database missing, or the record
// refused for its values. Before, a missing file was said nowhere. The user
// is told once per run and file, and the input check gets the reason for
// its line; a designation the file merely lacks gives none (the input page
// names it where it is typed).
TEST_F(ProfileCatalogue, ProfileWithoutItsRecordSaysWhy) {
    Stahlprofil he{};
    he.kind = STAHLPROFIL_KIND_CATALOGUE;
    std::snprintf(he.name, sizeof he.name, "%-39s", "HE280A");
    std::map<int, float> damaged = Shipped_Values("HE280A");
    damaged[13] *= 2;  // I_1
    const std::string refused = Profil_Record("HE280A", 'D', damaged);
    const std::string he280a = Profil_Record("HE280A", 'D', Shipped_Values("HE280A"));
    const std::string he300a = Profil_Record("HE300A", 'D', Shipped_Values("HE300A"));
    const std::string damage = "Profildatei PROFIL beschädigt: "_cp;
    const std::string cut_short = damage + "1 Byte, keine ganze Zahl von Sätzen zu 160 Bytes"_cp;
    const std::string one_more = damage + "161 Bytes, keine ganze Zahl von Sätzen zu 160 Bytes"_cp;
    // Shifted by a byte, the record's type letter is the blank before it.
    const std::string not_a_profile = damage + "Satz 1 ist kein Profil";
    const std::string unused = " - die Katalogprofile werden nicht verwendet";
    const std::string cut_short_notice = cut_short + unused, one_more_notice = one_more + unused,
                      not_a_profile_notice = not_a_profile + unused;
    const struct {
        std::string profil;  // "" none, "/" a folder, else the bytes
        bool data, manager;
        const char* why;     // after "Profil \"HE280A\": "
        const char* notice;  // the one box, "" none; null: why is the text's start
    } cases[] = {
        {"", true, false, "Profildatei PROFIL nicht vorhanden",
         "Profildatei PROFIL nicht vorhanden - die Katalogprofile werden nicht verwendet"},
        {"/", true, false, "Profildatei PROFIL nicht lesbar (keine Datei)",
         "Profildatei PROFIL nicht lesbar (keine Datei) - die Katalogprofile werden nicht verwendet"},
        {"", false, false, "Profildatei PROFIL nicht vorhanden (DATA nicht gesetzt)",
         "Profildatei PROFIL nicht vorhanden (DATA nicht gesetzt) - die Katalogprofile werden nicht verwendet"},
        {"", true, true, "Profildatei ProfilData.bin nicht vorhanden",
         "Profildatei ProfilData.bin nicht vorhanden - die Katalogprofile werden nicht verwendet"},
        // What the outline gives is the concern of the outline's tests.
        {refused, true, false, "Wert Nr. 13 = 27340 passt nicht zu den Abmessungen (", nullptr},
        // A file that lacks the designation, one of a single byte, one with
        // a byte put in front, one with its first byte lost: each named
        // (before, the first said nothing and the others were taken for it).
        {he300a, true, false, "nicht in der Profildatei PROFIL",
         "Profil \"HE280A\": nicht in der Profildatei PROFIL - das Profil wird nicht verwendet"},
        {"H", true, false, cut_short.c_str(), cut_short_notice.c_str()},
        {" " + he280a, true, false, one_more.c_str(), one_more_notice.c_str()},
        {he280a.substr(1) + he300a.substr(0, 1), true, false, not_a_profile.c_str(), not_a_profile_notice.c_str()},
        {he280a, true, false, "", ""},
    };
    for (const auto& c : cases) {
        Reset_Profile_Catalogue();
        std::filesystem::remove_all(tree.Data("PROFIL"));
        if (c.profil == "/") std::filesystem::create_directory(tree.Data("PROFIL"));
        else if (!c.profil.empty()) Write_File(tree.Data("PROFIL"), c.profil);
        if (c.manager) {
            tree.Install_Manager("");
            std::filesystem::remove(tree.Data("ProfilData.bin"));
        }
        ScopedEnv data("DATA", c.data ? std::optional<std::string>(tree.Data("")) : std::nullopt);
        VEK_Clear_Recorded_Messages();
        const std::string line = *c.why ? "Profil \"HE280A\": " + std::string(c.why) : "";
        for (int round = 0; round < 2; ++round) {
            const std::string why = Catalogue_Profile_Trouble(&he);
            if (c.notice) {
                EXPECT_EQ(why, line) << c.why;
            } else {
                EXPECT_EQ(why.rfind(line, 0), 0u) << why;
            }
            FILE* f = std::tmpfile();
            EXPECT_EQ(Print_Catalogue_Profile_Trouble(&he, f), *c.why ? 1 : 0);
            const std::string printed = Stream_All(f);
            if (*c.why) {
                EXPECT_TRUE(printed.ends_with(" " + why + " " + Mark_Alert() + "\n")) << printed;
            } else {
                EXPECT_EQ(printed, "");
            }
            std::fclose(f);
        }
        // Said once, however often it is looked up.
        if (c.notice && *c.notice) {
            ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.why;
            EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), c.notice);
        } else if (c.notice) {
            EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
        }
    }
    Stahlprofil typed = he;
    typed.kind = STAHLPROFIL_KIND_DIMENSIONS;
    EXPECT_STREQ(Catalogue_Profile_Trouble(&typed), "");
}

TEST_F(ProfileCatalogue, SelectionLoadsTheProfileInMillimetres) {
    Profilauswahl s;
    EXPECT_EQ(Init_Profile_Selection(&s), 0);  // no manager in EXEC
    Set_Profile_By_Name(&s, "  L100X50X6 ");
    ASSERT_NE(s.record, nullptr);
    EXPECT_EQ(std::string(s.name), "L100X50X6" + std::string(30, ' '));
    Stahlprofil p{};
    Load_Profile_Values(&s, &p);
    // Published: A 8.73 cm², e_y 1.042 cm, e_z 3.49 cm, tan alpha 0.26,
    // I_u 95.11, I_v 9.857 cm⁴, r1 9, r2 4.5 mm.
    double alpha = std::atan(0.26) * 180 / std::acos(-1.0);
    EXPECT_EQ(p.rolled, 1);
    EXPECT_NEAR(p.h, 100, 1e-4);
    EXPECT_NEAR(p.b_fo, 50, 1e-4);
    EXPECT_NEAR(p.t_fu, 6, 1e-4);
    EXPECT_NEAR(p.A, 873, 1e-3);
    EXPECT_NEAR(p.y_s, -10.42, 1e-4);
    EXPECT_NEAR(p.z_s, 100 - 34.9, 1e-4);
    EXPECT_NEAR(p.alpha, alpha, 1e-4);
    EXPECT_NEAR(p.I_yz, -std::sin(2 * alpha * std::acos(-1.0) / 180) * (95.11 - 9.857) / 2 * 1e4, 1.0);
    EXPECT_NEAR(p.r_1, 9, 1e-5);
    EXPECT_NEAR(p.r_2, 4.5, 1e-5);

    // Unknown names keep the old name and give "???" with zero values.
    Set_Profile_By_Name(&s, "XY1");
    EXPECT_EQ(s.record, nullptr);
    EXPECT_EQ(std::string(s.name), "L100X50X6" + std::string(30, ' '));
    Profilauswahl unknown;
    Init_Profile_Selection(&unknown);
    std::strcpy(unknown.name, "NOPE");
    Load_Profile_Values(&unknown, &p);
    EXPECT_EQ(std::string(p.name), "???" + std::string(36, ' '));
    EXPECT_EQ(p.A, 0.0);
    EXPECT_EQ(p.rolled, 0);
}

TEST_F(ProfileCatalogue, ASelectionKeepsItsOwnProfileAfterAnotherLookUp) {
    Profilauswahl a, b;
    Init_Profile_Selection(&a);
    Init_Profile_Selection(&b);
    Set_Profile_By_Name(&a, "HE280A");
    Set_Profile_By_Name(&b, "IPE300");
    Stahlprofil p{};
    Load_Profile_Values(&a, &p);
    EXPECT_NEAR(p.A, 9730, 1e-2);   // HE 280 A, not the IPE 300 looked up last
    EXPECT_NEAR(p.h, 270, 1e-4);
    Load_Profile_Values(&b, &p);
    EXPECT_NEAR(p.A, 5381, 1e-2);
}

TEST_F(ProfileCatalogue, ProfileWithoutRootRadiusTakesTheFlangeThickness) {
    std::map<int, float> x1 = Sharp_Section('D', 20, 10, 1, 1.5);
    x1[26] = -0.1f;
    Write_File(tree.Data("PROFIL"), Profil_Record("X1", 'D', x1));
    Profilauswahl s;
    Init_Profile_Selection(&s);
    Set_Profile_By_Name(&s, "X1");
    Stahlprofil p{};
    Load_Profile_Values(&s, &p);
    EXPECT_NEAR(p.r_1, 15, 1e-5);
    EXPECT_EQ(p.r_2, 0.0);
}

// Three records sorted by name; the middle one named by its alias as well.
std::string Three_Records() {
    std::map<int, float> last = To_ProfilData(Sharp_Section('U', 30, 10, 1, 1.5));
    last[27] = 0.8f;  // a toe radius
    std::map<int, float> zed = To_ProfilData(Sharp_Section('Z', 20, 3, 1, 0.8));
    zed[12] = 50.0f, zed[13] = 70.0f;  // values nobody reads, stored in tenths
    return ProfilData_Record(0, 3, "AA100", "", To_ProfilData(Sharp_Section('D', 10, 5, 0.5, 0.8))) +
           ProfilData_Record(6, 5, "Mm200", "Alias-Z", zed) +
           ProfilData_Record(1, 0, "ZZ300", "Last", last);
}

TEST_F(ProfileCatalogue, ManagerDatabaseIsSearchedByBisectionAndAlias) {
    tree.Install_Manager(Three_Records());
    ASSERT_EQ(Is_Profile_Manager_Available(), 1);
    // The middle record by bisection, with the corrections of the reader.
    ProfilDataEintrag* m = Find_Profile("mm200");
    ASSERT_NE(m, nullptr);
    EXPECT_STREQ(m->name, "Mm200");
    EXPECT_STREQ(m->alias, "Alias-Z");
    EXPECT_EQ(m->type_letter, 'Z');
    EXPECT_EQ(m->code, 7);
    EXPECT_EQ(m->flag7 * 1000 + m->flag6 * 100 + m->field3 * 10 + m->field0, 1105);  // 0xC5
    EXPECT_FLOAT_EQ(m->values[1], 5.0f);  // Z: 2 * 3 - 1
    EXPECT_FLOAT_EQ(m->values[12], 5.0f);
    EXPECT_FLOAT_EQ(m->values[13], 7.0f);
    EXPECT_EQ(Find_Profile("MM200"), m);       // from the cache now
    EXPECT_EQ(Find_Profile("alias-z"), m);
    // First by name; last through the catalogue record.
    ProfilDataEintrag* first = Find_Profile("AA100");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->alias, nullptr);
    Katalogprofil* k = Get_Profile_Record("ZZ300");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->type_letter, 'U');
    EXPECT_STREQ(k->name, "Last");
    EXPECT_FLOAT_EQ(k->values[0], 30.0f);
    EXPECT_FLOAT_EQ(k->values[9], To_ProfilData(Sharp_Section('U', 30, 10, 1, 1.5))[10]);  // value 10 of the database
    EXPECT_FLOAT_EQ(k->values[26], 0.8f);  // value 27
    ASSERT_NE(Get_Profile_Record("aa100"), nullptr);
    EXPECT_STREQ(Get_Profile_Record("aa100")->name, "neues Profil   ");
    // With the manager present, PROFIL is not asked.
    EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
}

TEST_F(ProfileCatalogue, AliasOfTheFirstOfTwoRecordsIsFoundByTheScan) {
    tree.Install_Manager(ProfilData_Record(0, 7, "B1", "Wanted", {}) + ProfilData_Record(0, 1, "C2", "", {}));
    ProfilDataEintrag* r = Load_Profile_from_ProfilData("WANTED");
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r->name, "B1");
    Free_ProfilData_Eintrag(r);
    EXPECT_EQ(Load_Profile_from_ProfilData("C3"), nullptr);
}

// A designation typed with blanks or in small letters finds its entry
// (the file's keys hold no blanks), and the selection keeps the key's form,
// so the input file stores one spelling. Published depths: IPE 300 300 mm,
// HE 280 A 270 mm, L 100 x 10 100 mm.
TEST_F(ProfileCatalogue, TypedSpellingsFindTheEntryAndKeepItsStoredForm) {
    const struct {
        const char* typed;
        const char* kept;
        double h;
    } cases[] = {{"IPE 300", "IPE300", 300}, {"ipe 300", "IPE300", 300}, {"HE 280 A", "HE280A", 270},
                 {" l 100 x 10 ", "L100X10", 100}};
    for (const auto& c : cases) {
        Profilauswahl s;
        Init_Profile_Selection(&s);
        Set_Profile_By_Name(&s, c.typed);
        ASSERT_NE(s.record, nullptr) << c.typed;
        EXPECT_EQ(std::string(s.name), c.kept + std::string(39 - std::strlen(c.kept), ' '));
        Stahlprofil p{};
        Load_Profile_Values(&s, &p);
        EXPECT_NEAR(p.h, c.h, 1e-4) << c.typed;
        EXPECT_EQ(std::string(p.name, std::strlen(c.kept)), c.kept);
    }
    // Sixteen characters without their blanks are no designation.
    EXPECT_EQ(Get_Profile_Record("MSH 260 X 260 X 17.50"), nullptr);
}

// The manager's database: its stored name, found through other blanks.
TEST_F(ProfileCatalogue, ManagerNamesAreFoundThroughOtherBlanks) {
    tree.Install_Manager(Three_Records());
    Profilauswahl s;
    Init_Profile_Selection(&s);
    Set_Profile_By_Name(&s, "mm 200");
    ASSERT_NE(s.record, nullptr);
    EXPECT_EQ(std::string(s.name, 6), "Mm200 ");
    EXPECT_EQ(Find_Profile("alias - z"), Find_Profile("Mm200"));
}

TEST_F(ProfileCatalogue, RecordReaderUndoesTheRotationAndRefusesBadLengths) {
    // k = 3: a stored 0x21 reads back as 0x24.
    std::string rec = ProfilData_Record(4, 3, "", "", {});
    rec[1] = 1;
    rec[5] = '\x21';
    // Name and alias longer than the 39 text bytes: corrupt, matches nothing.
    std::string bad = ProfilData_Record(0, 0, std::string(30, 'A'), "", {});
    bad[2] = 10;
    FILE* f = Stream_With(rec + bad + rec.substr(0, 150));
    ProfilDataEintrag r{};
    ASSERT_EQ(Read_ProfilData_Record(f, &r), 1);
    EXPECT_STREQ(r.name, "\x24");
    EXPECT_EQ(r.type_letter, 'R');
    ASSERT_EQ(Read_ProfilData_Record(f, &r), 1);
    EXPECT_EQ(r.name, nullptr);
    EXPECT_EQ(r.alias, nullptr);
    EXPECT_EQ(Read_ProfilData_Record(f, &r), 0);  // short record
    std::fclose(f);

    tree.Install_Manager(bad + bad);
    EXPECT_EQ(Find_Profile(std::string(30, 'A').c_str()), nullptr);
    Write_File(tree.Data("ProfilData.bin"), "");
    EXPECT_EQ(Find_Profile("X"), nullptr);
}

TEST_F(ProfileCatalogue, ManagerSwitchesAndKeptArguments) {
    EXPECT_EQ(Is_Profile_Manager_Available(), 0);  // switched off
    const int32_t services = *DWQB_Service_Switches[0];
    *DWQB_Service_Switches[0] = 0;
    Enable_Profile_Manager();
    EXPECT_EQ(DWQB_Erweitert, 1);  // the engine's profile services with it
    *DWQB_Service_Switches[0] = services;
    EXPECT_EQ(Is_Profile_Manager_Available(), 0);  // not in EXEC
    EXPECT_EQ(Is_Kantfeld_Present(), 0);
    Set_Profile_Manager_Default("L 100 X 10");
    EXPECT_STREQ(Get_Profile_Manager_Default(), "L~100~X~10");
    Set_Profile_Manager_Default(nullptr);
    EXPECT_EQ(Get_Profile_Manager_Default(), nullptr);
    Set_Profile_Manager_Filter("DU");
    EXPECT_STREQ(Get_Profile_Manager_Filter(), "DU");
}

}  // namespace
