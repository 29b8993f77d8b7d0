// The stand-in of the profile manager: the families of the shipped profile
// file, the picker as a scripted session, and the program taking a profile
// from the tool in a whole run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/profile_picker.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

namespace {

std::vector<Profile_Family> Families(const char* filter) {
    std::vector<Profile_Family> families;
    FILE* f = std::fopen(WELD_PROFIL_FILE, "rb");
    EXPECT_NE(f, nullptr);
    if (!f) return families;
    Read_Profile_Families(f, filter, &families);
    std::fclose(f);
    return families;
}

const Profile_Family* Named(const std::vector<Profile_Family>& families, const std::string& name) {
    for (const Profile_Family& f : families)
        if (f.name == name) return &f;
    return nullptr;
}

// The picker's rows on its 600 x 640 screen: 18 pixels from y 58, the
// families from x 10, the sizes from x 200.
int Row_Y(int row) { return 58 + 18 * row + 9; }

// A new connection in the program with the stand-in installed as
// "PROFILE": the manager button beside the page's profile picture starts
// it (the picker's events in picker_script), "Ende" (moved onto twice) and
// Enter save; the saved input file read into saved.
void Pick_In_The_Program(Desktop& d, const std::string& picker_script, testutil::Record* saved) {
    std::filesystem::copy_file(WELD_STANDIN_PROFILE, d.dir.file("exec/PROFILE"));
    testutil::Write_File(d.dir.file("exec/PROFILE.title"), "VEK - Profilmanager\n");
    testutil::Write_File(d.dir.file("temp/PROFILE.script"), picker_script);
    testutil::Write_File(d.dir.file("script.txt"), "move 150 383\nclick 150 383\nmove 1250 27\nmove 1250 27\n"
                                                   "click 1250 27\nkey 13\n");
    ASSERT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 1) << d.err;
    FILE* f = std::fopen((d.project + "/A001_01.INP").c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Read_Schweissnaht(f, &saved->r), 0);
    std::fclose(f);
}

}  // namespace

// The published HE ... A series has 24 sizes from HE 100 A to HE 1000 A,
// ordered by their depth (not by their bytes, which put HE1000A first);
// IPE and the tee cut "1/2 IPE" are families of their own; a filter of
// type letters keeps only theirs (L: the angles alone).
TEST(ProfilePicker, FamiliesOfTheProfileFile) {
    const std::vector<Profile_Family> all = Families(nullptr);
    const Profile_Family* hea = Named(all, "HE ... A");
    ASSERT_NE(hea, nullptr);
    EXPECT_EQ(hea->type, 'D');
    ASSERT_EQ(hea->sizes.size(), 24u);
    EXPECT_EQ(hea->sizes.front(), "HE100A");
    EXPECT_EQ(hea->sizes[9], "HE280A");
    EXPECT_EQ(hea->sizes.back(), "HE1000A");
    ASSERT_NE(Named(all, "IPE"), nullptr);
    EXPECT_EQ(Named(all, "IPE")->sizes.front(), "IPE80");
    ASSERT_NE(Named(all, "1/2 IPE"), nullptr);
    EXPECT_EQ(Named(all, "1/2 IPE")->type, 'T');
    const std::vector<Profile_Family> angles = Families("L");
    ASSERT_EQ(angles.size(), 1u);
    EXPECT_EQ(angles[0].name, "L");
}

// Scripted sessions of the picker: a family and a size clicked and taken;
// the preset chosen first and taken with Enter; a second click on the
// chosen size takes it; Escape and a run without events take nothing.
TEST(ProfilePicker, ChoosingAndCancelling) {
    const std::vector<Profile_Family> all = Families(nullptr);
    // IPE is the twelfth family: HD, four HE, four HL, HP, I, IPE.
    ASSERT_EQ(all[11].name, "IPE");
    ASSERT_EQ(all[11].sizes[10], "IPE300");
    struct Case {
        const char* preset;
        std::vector<std::pair<int, int>> clicks;  // (x, row)
        std::vector<int> keys;
        const char* taken;
    } cases[] = {
        {nullptr, {{50, 11}, {300, 10}, {450, 40}}, {}, "IPE300"},   // "übernehmen" below the lists
        {"HE~280~A", {}, {VEK_KEY_DOWN, VEK_KEY_ENTER}, "HE300A"},
        {nullptr, {{50, 11}, {300, 10}, {300, 10}}, {}, "IPE300"},
        {"HE280A", {}, {VEK_KEY_ESC}, ""},
        {"HE280A", {}, {}, ""},
    };
    for (const Case& c : cases) {
        pxInitScreen(600, 640);
        VEK_Script_Clear();
        for (auto [x, row] : c.clicks) VEK_Script_Click(x, row == 40 ? 640 - 20 : Row_Y(row));
        for (int k : c.keys) VEK_Script_Key(k);
        EXPECT_EQ(Run_Profile_Picker(all, c.preset), c.taken) << (c.preset ? c.preset : "-");
    }
}

// The program with the stand-in installed as "PROFILE": the input page's
// manager button starts it, the user picks IPE 300 in it, "Ende" saves:
// the input file holds IPE300 from the catalogue.
TEST(ProfilePicker, TheProgramTakesTheProfileFromTheTool) {
    Desktop d;
    testutil::Record saved;
    ASSERT_NO_FATAL_FAILURE(Pick_In_The_Program(
        d, "click 50 " + std::to_string(Row_Y(11)) + "\nclick 300 " + std::to_string(Row_Y(10)) + "\nkey 13\n",
        &saved));
    EXPECT_EQ(std::string(saved.r.naht.profile.name).substr(0, 7), "IPE300 ");
    EXPECT_EQ(saved.r.naht.profile.h, 300.0);
    EXPECT_FALSE(std::filesystem::exists(d.dir.file("temp/PROFIL")));
}

// The stand-in opens at the connection's profile, HE 280 A of a new
// connection, though the older manager's command line names none: Down
// goes on to the next size of the series, HE 300 A, which Enter takes.
TEST(ProfilePicker, OpensAtTheConnectionsProfile) {
    Desktop d;
    testutil::Record saved;
    ASSERT_NO_FATAL_FAILURE(Pick_In_The_Program(d, "key 0x150\nkey 13\n", &saved));
    EXPECT_EQ(std::string(saved.r.naht.profile.name).substr(0, 7), "HE300A ");
}
