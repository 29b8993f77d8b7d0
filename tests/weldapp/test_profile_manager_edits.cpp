// What the profile manager changes in its file while the program waits for
// it is what the program uses once it returns: the page, the check and the
// list, with the manager's stand-in in EXEC (it rewrites ProfilData.bin as
// a user who edits a profile there) in a scripted run of the window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "profiles/catalogue_fixture.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/editing_manager.h"
#include "weldapp/profile_manager.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weld_check.h"

namespace {

// The bar's buttons: moved onto twice, then clicked (test_sessions.cpp).
std::string Bar_Button(int x) {
    const std::string at = std::to_string(x) + " 27\n";
    return "move " + at + "move " + at + "click " + at;
}
constexpr int kPrintButton = 959 + 135 + 21, kEndButton = 959 + 270 + 21;
constexpr int kManagerButton[2] = {150, 383};  // a new connection's page

}  // namespace

// SONDER1 taken from the manager with HE 300 B's values, then changed there
// to HE 300 M's and taken again: the page, the check and the list use HE
// 300 M's (h 340, b 310 mm). Before, the record read first stood for the
// whole run: the window's list checked HE 300 B under the name while the
// batch path checked the saved file with HE 300 M.
TEST(ProfileManagerEdits, AProfileChangedThereIsReadAgain) {
    Desktop d;
    testutil::Lay_Editing_Manager(d, "HE300B");
    testutil::Write_File(d.dir.file("temp/ProfilData.2"), testutil::Manager_File("HE300M"));
    testutil::Write_File(d.dir.file("temp/answer"), "SONDER1\n");
    const std::string manager = "click " + std::to_string(kManagerButton[0]) + " " + std::to_string(kManagerButton[1]) + "\n";
    // Both picks, then M_y 500 kNm in the load table's first row (its tab
    // at 110, 30; the field at 179, 140 of the page), the list printed, the
    // connection saved.
    testutil::Write_File(d.dir.file("script.txt"), manager + manager + "click 110 30\nclick 198 191\ntype 0 500\n" +
                                                       Bar_Button(kPrintButton) + Bar_Button(kEndButton) + "key 13\n");
    ASSERT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1) << d.err;
    EXPECT_EQ(testutil::Read_File(d.dir.file("temp/calls")), "2\n");
    EXPECT_EQ(testutil::Read_File(d.dir.file("data/ProfilData.bin")), testutil::Manager_File("HE300M"));
    testutil::Expect_Saved_As_HE300M(d);
    testutil::Record saved;
    {
        testutil::ScopedEnv data("DATA", d.dir.file("data")), exec("EXEC", d.dir.file("exec"));
        ASSERT_EQ(testutil::Read_With(Read_Schweissnaht, d.File("A001_01.INP"), &saved.r), 0);
    }
    EXPECT_EQ(saved.r.loads[0].forces.M_y, 500e6);
    // The window's list, its check of M_y among it, is the batch path's of
    // the saved file.
    const std::string window = d.File("A001_01.OLI");
    ASSERT_NE(window.find("Profil  SONDER1"), std::string::npos);
    EXPECT_EQ(testutil::Batch_List_Beside_Manager(d), window);
}

// The same in the program's own calls, a file changed between two picks:
// what was read before the manager ran (the record, the values the section
// library took, a selection's record, what the check worked out of the
// rolled outline of a profile it was given) is read again once it has
// returned, answered or not, and what the manager left is told as any
// file: a profile it removed is missing, and so is one of a file it cut
// short.
// SONDER1 is a channel 300 x 100 x 10 x 16 (r 16 and 8) sloped 8 %, then
// the same sloped 5 %, its values those of each outline: the profile record
// is the same in both but for its section values, and the check, given the
// first record, lays its inner flange welds on the second's faces. By hand
// (PageWeldLengths): the face (c - r_1 - r_2) k + (r_1 + r_2) s, c = 90:
// 8 % 68.1309 mm, 5 % 67.2824 mm.
TEST(ProfileManagerEdits, WhatWasReadIsReadAgainOnceTheManagerReturns) {
    testutil::Desktop d;
    namespace fs = std::filesystem;
    fs::create_directories(d.dir.file("DATA"));
    fs::copy_file(WELD_PROFIL_FILE, d.dir.file("DATA/PROFIL"));
    fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", d.dir.file("DATA/NAD"), fs::copy_options::recursive);
    testutil::ScopedEnv data("DATA", d.dir.file("DATA"));
    const auto channel = [](double slope) {
        return testutil::ProfilData_Record(1, 2, "SONDER1", "",
                                           testutil::To_ProfilData(testutil::Rounded_Section('U', 30, 10, 1, 1.6, 1.6, 0.8, slope)));
    };
    const std::string he280a =
        testutil::ProfilData_Record(0, 3, "HE280A", "", testutil::To_ProfilData(testutil::Shipped_Values("HE280A")));
    testutil::Write_File(d.dir.file("DATA/ProfilData.bin"), he280a + channel(0.08));
    testutil::Write_File(d.Temp("ProfilData.1"), he280a + channel(0.05));
    testutil::Write_File(d.Temp("ProfilData.2"), he280a);
    testutil::Write_File(d.Temp("ProfilData.3"), he280a.substr(0, 150));
    testutil::Install_Editing_Manager(d.dir.file("EXEC"));
    Reset_Profile_Catalogue();
    Reset_Profil_Library();
    Enable_Profile_Manager();
    const double k8 = std::sqrt(1 + 0.08 * 0.08), k5 = std::sqrt(1 + 0.05 * 0.05);
    const double face8 = (90 - 24) * k8 + 24 * 0.08, face5 = (90 - 24) * k5 + 24 * 0.05;
    EXPECT_NEAR(face8, 68.1309, 5e-5);
    EXPECT_NEAR(face5, 67.2824, 5e-5);
    Stahlprofil sloped8;
    Init_Profile(&sloped8);
    ASSERT_EQ(Init_Profile_From_Name(&sloped8, "SONDER1"), 0);
    Profilauswahl selection;
    Init_Profile_Selection(&selection);
    Set_Profile_By_Name(&selection, "SONDER1");
    ASSERT_NE(selection.record, nullptr);
    float v[PROFIL_VALUES];
    char code[PROFIL_CODE_SIZE];
    ASSERT_GE(Get_Profil_Values("SONDER1", v, code), 1);
    const float area8 = v[4];
    double faces[STAHLPROFIL_EDGES] = {};
    ASSERT_EQ(Weld_Check_Rolled_Face_Lengths(&sloped8, faces), 3);
    EXPECT_NEAR(faces[1], face8, 2e-3);

    // The manager rewrites its file, then the user picks SONDER1 again.
    testutil::Write_File(d.Temp("answer"), "SONDER1\n");
    ASSERT_STREQ(Select_Profile_from_Manager(1), "SONDER1");
    ASSERT_EQ(testutil::Read_File(d.dir.file("DATA/ProfilData.bin")), he280a + channel(0.05));
    ASSERT_GE(Get_Profil_Values("SONDER1", v, code), 1);
    EXPECT_NE(v[4], area8);
    Stahlprofil loaded;
    Init_Profile(&loaded);
    Load_Profile_Values(&selection, &loaded);
    EXPECT_EQ(loaded.A, 100.0 * v[4]);
    EXPECT_NE(loaded.A, sloped8.A);
    ASSERT_EQ(Weld_Check_Rolled_Face_Lengths(&sloped8, faces), 3);
    EXPECT_NEAR(faces[1], face5, 2e-3);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    // Cancelled after the manager removed SONDER1: missing, and told so.
    fs::remove(d.Temp("answer"));
    EXPECT_EQ(Select_Profile_from_Manager(1), nullptr);
    EXPECT_EQ(Get_Profile_Record("SONDER1"), nullptr);
    Stahlprofil missing = sloped8;
    EXPECT_EQ(std::string(Catalogue_Profile_Trouble(&missing)),
              "Profil \"SONDER1\": nicht in der Profildatei ProfilData.bin");
    EXPECT_EQ(Weld_Check_Rolled_Face_Lengths(&sloped8, faces), 0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    // Cut short within its first record: HE 280 A, read before, is no
    // longer there either.
    EXPECT_EQ(Select_Profile_from_Manager(1), nullptr);
    Stahlprofil he280a_profile;
    Init_Profile(&he280a_profile);
    he280a_profile.kind = STAHLPROFIL_KIND_CATALOGUE;
    std::snprintf(he280a_profile.name, sizeof he280a_profile.name, "%-39s", "HE280A");
    EXPECT_EQ(std::string(Catalogue_Profile_Trouble(&he280a_profile)),
              "Profil \"HE280A\": nicht in der Profildatei ProfilData.bin");
    EXPECT_EQ(Get_Profil_Values("HE280A", v, code), 0);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 2u);
    Reset_Profile_Catalogue();
    Reset_Profil_Library();
}

// The manager removed the connection's own profile and the user cancelled:
// the page names it and keeps it as it was, and the check names it
// missing, as for a file's profile the catalogue lacks; before, the record
// read first stood for it unseen.
TEST(ProfileManagerEdits, TheProfileShownRemovedThereIsNamed) {
    Desktop d;
    testutil::Lay_Editing_Manager(d, "HE300B");
    testutil::Write_File(d.dir.file("temp/ProfilData.1"), testutil::Manager_File("HE300B").substr(200));
    testutil::Write_File(d.dir.file("script.txt"), "click " + std::to_string(kManagerButton[0]) + " " +
                                                       std::to_string(kManagerButton[1]) + "\n");
    ASSERT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 0) << d.err;
    EXPECT_EQ(d.err, "message box \"Eingabefehler\": [Das Profil \"HE280A\" ist in der Bibliothek nicht vorhanden.] [Es "
                     "bleibt das Profil \"HE280A\".] answer 1\nmessage box \"\": [Profil \"HE280A\": nicht in der "
                     "Profildatei ProfilData.bin - das Profil wird nicht verwendet] answer 1\n" + kScriptEndsTheRun);
}
