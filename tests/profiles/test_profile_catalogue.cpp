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
    // Lost its first byte, the record's designation runs into its first
    // value (byte 15 is a 0 of the float 27.0).
    const std::string not_a_profile = damage + "Satz 1 ist kein Profil (Name nicht lesbar)";
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

// The 0-based number of the record of a designation in the shipped file.
long Shipped_Record(const std::string& name) {
    const std::string file = Read_File(WELD_PROFIL_FILE);
    std::string key = name;
    key.resize(16, ' ');
    for (size_t at = 0; at + 160 <= file.size(); at += 160)
        if (file.compare(at, 16, key) == 0) return static_cast<long>(at / 160);
    ADD_FAILURE() << name << " not in the profile file";
    return -1;
}

// The look-ups of the weld check (front to back) and of the section library
// (by bisection) for one designation: both refuse, or both find it.
void Expect_Refused_By_Both(const char* name, bool refused) {
    float v[35];
    char code[8];
    EXPECT_EQ(Get_Profile_Record(name) == nullptr, refused) << name;
    EXPECT_EQ(Get_Profil_Values(name, v, code) == 0, refused) << name;
}

// A record whose type letter (byte 159) is of no family was taken without
// its outline check: IPE 300 with its area doubled gave U 0.992 "Nachweis
// erbracht" instead of 1.042, 1/2 IPE 300 with I_1 and I_y doubled 0.687
// instead of 1.019, L 100 x 10 with I_2 and I_z doubled 0.853 instead of
// 1.167. Now every reader refuses it, the user is told which record and
// which byte, the connection's list says so; its neighbours stay usable.
// With its real letter the same values are named by the outline.
TEST_F(ProfileCatalogue, RecordOfNoFamilyIsRefusedAndNamed) {
    const struct {
        const char* name;
        char letter;
        int doubled[2];
    } records[] = {{"IPE300", 'D', {4, -1}}, {"1/2IPE300", 'T', {13, 9}}, {"L100X10", 'L', {18, 10}}};
    const std::string full = Read_File(WELD_PROFIL_FILE);
    for (const auto& r : records) {
        const long at = Shipped_Record(r.name);
        std::map<int, float> values = Shipped_Values(r.name);
        for (int i : r.doubled)
            if (i >= 0) values[i] *= 2;
        for (const char letter : {'X', ' ', '\0', '\xFF', r.letter}) {
            std::string damaged = full;
            damaged.replace(at * 160, 160, Profil_Record(r.name, letter, values));
            Write_File(tree.Data("PROFIL"), damaged);
            Reset_Profile_Catalogue();
            Reset_Profil_Library();
            VEK_Clear_Recorded_Messages();
            Expect_Refused_By_Both(r.name, true);
            Expect_Refused_By_Both("HE280A", false);
            Stahlprofil p{};
            p.kind = STAHLPROFIL_KIND_CATALOGUE;
            std::snprintf(p.name, sizeof p.name, "%-39s", r.name);
            const std::string why = Catalogue_Profile_Trouble(&p);
            ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << r.name << " " << int(letter);
            const std::string notice = VEK_Recorded_Messages()[0].lines.at(0);
            if (letter == r.letter) {
                // The outline's tests say which value and what it is to be.
                EXPECT_EQ(why.rfind("Profil \"" + std::string(r.name) + "\": Wert Nr. ", 0), 0u) << why;
                continue;
            }
            char byte[16];
            if (letter > ' ' && letter < 0x7F) std::snprintf(byte, sizeof byte, "0x%02X '%c'", letter, letter);
            else std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(letter));
            const std::string words = "Satz " + std::to_string(at + 1) + ", Byte 159: Typbuchstabe " + byte +
                                      " geh\x94rt zu keiner Profilfamilie";
            EXPECT_EQ(why, "Profil \"" + std::string(r.name) + "\": " + words);
            EXPECT_EQ(notice, "Profildatei PROFIL: Profil " + std::string(r.name) + ", " + words +
                                  " - das Profil wird nicht verwendet");
            FILE* list = std::tmpfile();
            EXPECT_EQ(Print_Catalogue_Profile_Trouble(&p, list), 1);
            EXPECT_TRUE(Stream_All(list).ends_with(" " + why + " " + Mark_Alert() + "\n"));
            std::fclose(list);
        }
    }
    // The profile manager's type codes 10 to 15 name no family: the letter
    // would stay an earlier record's.
    Reset_Profile_Catalogue();
    VEK_Clear_Recorded_Messages();
    tree.Install_Manager(ProfilData_Record(0, 1, "HE260A", "", To_ProfilData(Shipped_Values("HE260A"))) +
                         ProfilData_Record(12, 1, "HE280A", "", To_ProfilData(Shipped_Values("HE280A"))));
    EXPECT_NE(Get_Profile_Record("HE260A"), nullptr);
    EXPECT_EQ(Get_Profile_Record("HE280A"), nullptr);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Profildatei ProfilData.bin: Profil HE280A, Byte 0: Typcode "
                                                      "geh\x94rt zu keiner Profilfamilie - das Profil wird nicht verwendet");
}

// A designation on two records was used silently (the first record, whatever
// its values); a record moved or one put in before the one used ended in
// the generic failure of the cross-section check in every load case, the
// record unnamed. Now a name on two records is refused and both records
// named, whether or not they agree (the readers would not agree on which to
// take); a file whose designations do not ascend, or with a record that is
// no profile, is damaged: the look-ups by bisection cannot be trusted in it,
// and every catalogue profile is refused with the record named. So is one
// whose designation the bisection would not compare as stored.
TEST_F(ProfileCatalogue, NameTwiceOrRecordsOutOfOrderAreNamedAndRefused) {
    const std::string full = Read_File(WELD_PROFIL_FILE);
    const long ipe = Shipped_Record("IPE300"), he = Shipped_Record("HE100A");
    const std::string ipe300 = full.substr(ipe * 160, 160), he100a = full.substr(he * 160, 160);
    std::map<int, float> stiffer = Shipped_Values("IPE300");
    stiffer[9] *= 1.5f;
    std::string moved = full;
    moved.erase(he * 160, 160);  // HE 100 A moved from its place to just after IPE 300
    moved.insert(ipe * 160, he100a);
    const std::string n = std::to_string(ipe + 1), after = std::to_string(ipe + 2);
    const std::string twice = "steht zweimal in der Profildatei PROFIL (Satz " + n + " und " + after + ")";
    const std::string damaged = "Profildatei PROFIL beschädigt: Satz "_cp;
    const struct {
        std::string file;
        std::string why;  // after "Profil \"IPE300\": "
        bool others;      // the other profiles stay usable
    } cases[] = {
        {full.substr(0, (ipe + 1) * 160) + Profil_Record("IPE300", 'D', stiffer) + full.substr((ipe + 1) * 160), twice,
         true},
        {full.substr(0, (ipe + 1) * 160) + ipe300 + full.substr((ipe + 1) * 160), twice, true},
        {moved, damaged + n + " \"HE100A\" steht nach Satz " + std::to_string(ipe) + " \"IPE300\", nicht nach Namen sortiert",
         false},
        {full.substr(0, (ipe - 2) * 160) + std::string(160, '\x07') + full.substr((ipe - 2) * 160),
         damaged + std::to_string(ipe - 1) + " ist kein Profil (Name nicht lesbar)", false},
        // In order as the look-up front to back reads it, but not as the
        // bisection compares.
        {full.substr(0, ipe * 160) + "Ipe300" + full.substr(ipe * 160 + 6),
         damaged + n + " ist kein Profil (Name \"Ipe300         \" klein geschrieben oder mit Leerzeichen)", false},
    };
    for (const auto& c : cases) {
        Write_File(tree.Data("PROFIL"), c.file);
        Reset_Profile_Catalogue();
        Reset_Profil_Library();
        VEK_Clear_Recorded_Messages();
        Stahlprofil p{};
        p.kind = STAHLPROFIL_KIND_CATALOGUE;
        std::snprintf(p.name, sizeof p.name, "%-39s", "IPE300");
        EXPECT_EQ(std::string(Catalogue_Profile_Trouble(&p)), "Profil \"IPE300\": " + c.why);
        Expect_Refused_By_Both("IPE300", true);
        Expect_Refused_By_Both("HE280A", !c.others);
        Expect_Refused_By_Both("W360X410X818", !c.others);
        EXPECT_EQ(VEK_Recorded_Messages().size(), 1u) << c.why;  // told once
    }
}

// The profile manager's database did not look for a designation on two
// records: a second "HE300B" with HE 300 M's values before the genuine one
// was used silently (cross-section U 0.504 "Nachweis erbracht" for 1.050).
// Now it is refused as in PROFIL, by name or alias, blanks aside, and told
// once; a record of another size under the name is refused in both files,
// named by the value its designation contradicts. A file changed after a
// look-up is surveyed again.
TEST_F(ProfileCatalogue, NameTwiceInTheManagersFileOrAnotherSizeUnderTheNameIsRefused) {
    const std::map<int, float> he300b = To_ProfilData(Shipped_Values("HE300B")),
                               he300m = To_ProfilData(Shipped_Values("HE300M")),
                               he280a = To_ProfilData(Shipped_Values("HE280A")),
                               he320b = To_ProfilData(Shipped_Values("HE320B"));
    const std::string twice = "steht zweimal in der Profildatei ProfilData.bin (Satz 2 und 3)";
    const std::string box = "Profildatei ProfilData.bin: Profil HE300B steht zweimal in der Datei (Satz 2 und 3) - das "
                            "Profil wird nicht verwendet";
    const std::string by_name = "Wert Nr. 0 = 34 passt nicht zur Bezeichnung (30)";
    const struct {
        std::string file;
        std::string why;     // after "Profil \"HE300B\": "
        std::string notice;  // the one box
    } cases[] = {
        // The bisection's first look (record 2) found the one before.
        {ProfilData_Record(0, 1, "HE280A", "", he280a) + ProfilData_Record(0, 2, "HE300B", "", he300m) +
             ProfilData_Record(0, 3, "HE300B", "", he300b) + ProfilData_Record(0, 4, "HE320B", "", he320b),
         twice, box},
        {ProfilData_Record(0, 1, "HE280A", "", he280a) + ProfilData_Record(0, 2, "HE300B", "", he300b) +
             ProfilData_Record(0, 3, "HE300B", "", he300b),
         twice, box},
        {ProfilData_Record(0, 1, "HE280A", "", he280a) + ProfilData_Record(0, 2, "HE300B", "", he300b) +
             ProfilData_Record(0, 3, "X1", "HE 300 B", he300m),
         twice, box},
        {ProfilData_Record(0, 1, "HE280A", "", he280a) + ProfilData_Record(0, 2, "HE300B", "", he300m), by_name,
         "Profildatei ProfilData.bin: Profil HE300B, " + by_name + " - das Profil wird nicht verwendet"},
    };
    for (const auto& c : cases) {
        Reset_Profile_Catalogue();
        tree.Install_Manager(c.file);
        VEK_Clear_Recorded_Messages();
        Stahlprofil p{};
        p.kind = STAHLPROFIL_KIND_CATALOGUE;
        std::snprintf(p.name, sizeof p.name, "%-39s", "HE300B");
        EXPECT_EQ(std::string(Catalogue_Profile_Trouble(&p)), "Profil \"HE300B\": " + c.why);
        float v[35];
        char code[8];
        EXPECT_EQ(Get_Profil_Values("he 300 b", v, code), 0);
        EXPECT_NE(Get_Profile_Record("HE280A"), nullptr);
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.why;
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), c.notice);
    }
    // PROFIL: HE 300 M's record named HE300B in place of the genuine one,
    // and L 100 x 10 holding the hollow section 100 x 100 x 10's record.
    const std::string full = Read_File(WELD_PROFIL_FILE);
    const long b = Shipped_Record("HE300B"), l = Shipped_Record("L100X10");
    std::string swapped = full;
    swapped.replace(b * 160, 160, Profil_Record("HE300B", 'D', Shipped_Values("HE300M")));
    swapped.replace(l * 160, 160, Profil_Record("L100X10", 'R', Shipped_Values("MSH100X100X10.0")));
    Reset_Profile_Catalogue();
    Write_File(tree.Data("PROFIL"), swapped);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Get_Profile_Record("HE300B"), nullptr);
    EXPECT_EQ(Get_Profile_Record("L100X10"), nullptr);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0),
              "Profildatei PROFIL: Profil HE300B, " + by_name + " - das Profil wird nicht verwendet");
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines.at(0),
              "Profildatei PROFIL: Profil L100X10, Satz " + std::to_string(l + 1) +
                  ", Byte 159: Typbuchstabe R passt nicht zur Bezeichnung (L) - das Profil wird nicht verwendet");
    // The same file with IPE 300 on two records, written after a look-up.
    const long ipe = Shipped_Record("IPE300");
    EXPECT_NE(Get_Profile_Record("IPE300"), nullptr);
    Write_File(tree.Data("PROFIL"), swapped.substr(0, (ipe + 1) * 160) + swapped.substr(ipe * 160));
    EXPECT_EQ(Get_Profile_Record("IPE300"), nullptr);
    EXPECT_NE(Get_Profile_Record("HE280A"), nullptr);
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
    // The profile manager's database: PROFIL holds no radius below 0 (a
    // record with one is refused).
    std::map<int, float> x1 = To_ProfilData(Sharp_Section('D', 20, 10, 1, 1.5));
    x1[27] = -0.1f;
    tree.Install_Manager(ProfilData_Record(0, 0, "X1", "", x1));
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
    last[27] = 0.3f;  // a toe radius, small enough for the sharp section's values
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
    EXPECT_FLOAT_EQ(k->values[26], 0.3f);  // value 27
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
    // A type code past the ten known ones (12) names no family, not the
    // family of the record read into the buffer before it.
    const std::string unknown = ProfilData_Record(12, 0, "X1", "", {});
    FILE* f = Stream_With(rec + unknown + bad + rec.substr(0, 150));
    ProfilDataEintrag r{};
    ASSERT_EQ(Read_ProfilData_Record(f, &r), 1);
    EXPECT_STREQ(r.name, "\x24");
    EXPECT_EQ(r.type_letter, 'R');
    ASSERT_EQ(Read_ProfilData_Record(f, &r), 1);
    EXPECT_EQ(r.type_letter, 0);
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
