// The desktop tools as the program calls them, each played by a stand-in in
// EXEC: the component selection, the plan editor, the profile manager, the
// archive extractor; and the file-name check.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "base/cp850.h"
#include "endplate/endplate_print.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "profiles/profile_catalogue.h"
#include "support/scoped_fifo.h"
#include "weldapp/archive.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/partpick.h"
#include "weldapp/profile_manager.h"

using testutil::Read_File;
using testutil::Write_File;

namespace {

TEST(ComponentSelection, AnswerReadCutAndDeleted) {
    testutil::Desktop d;
    d.Tool("PartPick.exe", testutil::kPartPickTitle);
    const std::string long_name(45, 'N');
    Write_File(d.Temp("PartPick.exe.answer"), "4 5\r\n\xAE" + long_name + "\xAF\t\xAE" "s2\xAF\n\xAE" "Aktion\xAF \xAE" "C:\\P\\R1\xAF"
                                              " \xAE" "s5\xAF \xAE" "s6\xAF\n1\n\xAE" "C:\\P\\R1.7z\xAF\n");
    // The screen under the wait box is as before once the tool has closed.
    pxFgc(Nearest_RGB_Color(255, 0, 0));
    pxRect(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    const std::vector<int> before(pxScreenPixels(), pxScreenPixels() + NPIXEL_X * NPIXEL_Y);
    const VEKBauteil* c = Select_Component(3);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pxScreenPixels()));
    EXPECT_EQ(currentMouseCursor(), 0);
    EXPECT_EQ(d.Arguments("PartPick.exe"), "3\n");
    EXPECT_EQ(c->a, 4);
    EXPECT_EQ(c->b, 5);
    EXPECT_EQ(std::string(c->name), long_name.substr(0, 39));
    EXPECT_STREQ(c->last_action, "Aktion");
    EXPECT_STREQ(c->file_stem, "C:\\P\\R1");
    EXPECT_STREQ(c->s6, "s6");
    EXPECT_EQ(c->packed, 1);
    EXPECT_STREQ(c->archive, "C:\\P\\R1.7z");
    EXPECT_FALSE(std::filesystem::exists(d.Temp("PartPick.tmp")));
    // Unpacked: no archive, whatever the last selection had.
    Write_File(d.Temp("PartPick.exe.answer"), "0 0 \xAE" "B\xAF \xAE\xAF \xAE\xAF \xAE" "S\xAF \xAE\xAF \xAE\xAF 0\n");
    ASSERT_EQ(Select_Component(3), c);
    EXPECT_EQ(c->packed, 0);
    EXPECT_STREQ(c->archive, "");
    // Damaged: refused with a message, the last selection kept whole.
    Write_File(d.Temp("PartPick.exe.answer"), "0 0 \xAE" "X\xAF \xAE\xAF Stem\n");
    EXPECT_EQ(Select_Component(3), nullptr);
    EXPECT_STREQ(c->name, "B");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].title, "Lesefehler");
    // Cancelled: no answer, no message.
    std::filesystem::remove(d.Temp("PartPick.exe.answer"));
    EXPECT_EQ(Select_Component(3), nullptr);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 1u);
}

TEST(PlanEditor, StartedWithTheIdentifierAndWaitedFor) {
    testutil::Desktop d;
    EXPECT_EQ(Run_Plan_Editor_Default("K1"), 0);  // not installed
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Das VEK-Werkzeug", "- Linarium.exe -", "ist nicht installiert!",
                                        "Es wurden keine Daten übernommen."_cp}));
    d.Tool("Linarium.exe", "VEK - Planbearbeitung");
    EXPECT_EQ(Run_Plan_Editor_Default("K1"), 1);
    EXPECT_EQ(d.Arguments("Linarium.exe"), "K1\n");
    EXPECT_EQ(Run_Plan_Editor("K1", "-zwei"), 1);
    EXPECT_EQ(d.Arguments("Linarium.exe"), "K1\n-zwei\n");
    Write_File(d.Temp("Linarium.exe.exit"), "4\n");
    EXPECT_EQ(Run_Plan_Editor_Default("K1"), 0);
    EXPECT_EQ(VEK_Recorded_Messages().back().title, "Werkzeugfehler");
    testutil::ScopedEnv no_exec("EXEC", std::nullopt);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Run_Plan_Editor_Default("K1"), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

struct ManagerDesk : testutil::Desktop {
    ManagerDesk() { Reset_Profile_Catalogue(); }
    ~ManagerDesk() { Reset_Profile_Catalogue(); }
};

TEST(ProfileManager, OlderAndNewerManager) {
    ManagerDesk d;
    d.Tool("PROFILE", "VEK - Profilmanager");
    Write_File(d.Temp("PROFILE.answer"), "  HE 280 A  \r\nRest\n");
    // The newer one switched on but not installed: the older with TRANSFER.
    Enable_Profile_Manager();
    Set_Profile_Manager_Default("IPE 300");
    const char* name = Select_Profile_from_Manager(1);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "HE 280 A");
    EXPECT_EQ(d.Arguments("PROFILE"), "TRANSFER\n");
    EXPECT_FALSE(std::filesystem::exists(d.Temp("PROFIL")));
    // Installed: preset (blanks as ~) and filter go with it.
    Reset_Profile_Catalogue();
    d.Tool("ProfDesk", "VEK - Profilmanager 2.0");
    Write_File(d.Exec("ProfDesk.exe"), "");
    chmod(d.Exec("ProfDesk.exe").c_str(), 0755);
    Enable_Profile_Manager();
    Set_Profile_Manager_Default("IPE 300");
    Set_Profile_Manager_Filter("IH");
    Write_File(d.Temp("ProfDesk.answer"), "IPE 330\n");
    const char* chosen = Select_Profile_from_Manager(1);
    ASSERT_NE(chosen, nullptr);
    EXPECT_STREQ(chosen, "IPE 330");
    EXPECT_EQ(d.Arguments("ProfDesk"), "TRANSFER\nDEFAULT=IPE~300\nFILTER=IH\n");
    // Cancelled: null, the caller keeps its profile.
    std::filesystem::remove(d.Temp("ProfDesk.answer"));
    EXPECT_EQ(Select_Profile_from_Manager(1), nullptr);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // An answer that is no file: null at once, and a box says why.
    for (bool fifo : {true, false}) {
        std::optional<testutil::ScopedFifo> pipe;
        if (fifo) pipe.emplace(d.Temp("ProfDesk.answer"));
        else std::filesystem::create_directory(d.Temp("ProfDesk.answer"));
        EXPECT_EQ(Select_Profile_from_Manager(1), nullptr);
        EXPECT_FALSE(pipe && pipe->Waited());
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines.back(), "PROFIL: keine Datei");
        std::filesystem::remove(d.Temp("ProfDesk.answer"));
        VEK_Clear_Recorded_Messages();
    }
    // Mode 0 starts the older manager alone and does not wait.
    EXPECT_EQ(Select_Profile_from_Manager(0), nullptr);
    while (FindVEKWindow("VEK - Profilmanager", 19)) {
    }
    EXPECT_EQ(d.Arguments("PROFILE"), "");
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

// The end-plate library's profile button runs the manager the application
// installed at start-up (as the program's main does): the chosen name comes
// back padded to the library's 16 characters; a cancel changes nothing.
TEST(ProfileManager, EndplateProfileButtonRunsIt) {
    ManagerDesk d;
    d.Tool("PROFILE", "VEK - Profilmanager");
    Write_File(d.Temp("PROFILE.answer"), "HE 280 A\n");
    char name[17] = "IPE 300";
    EXPECT_EQ(Select_Profile_Name(name), 0);
    EXPECT_STREQ(name, "HE 280 A        ");
    EXPECT_EQ(d.Arguments("PROFILE"), "TRANSFER\n");
    std::filesystem::remove(d.Temp("PROFILE.answer"));
    EXPECT_EQ(Select_Profile_Name(name), 1);
    EXPECT_STREQ(name, "HE 280 A        ");
}

// ---- archives and file names ----

struct ArchiveDesk : testutil::Desktop {
    ArchiveDesk() {
        Tool("7za", "7za", WELD_STANDIN_7ZA);
        std::filesystem::create_directories(dir.path() / "out");
    }
    std::string Out() const { return dir.file("out"); }
};

TEST(Archive, MemberExtractedReplacingTheOldFile) {
    ArchiveDesk d;
    Write_File(d.dir.file("a.7z"), "STANDIN-7Z\nF 5 x/y/AAAA.EX2\nneu!\n\n");
    Write_File(d.Out() + "/AAAA.EX2", "alt\n");
    EXPECT_EQ(Extract_From_Archive(d.dir.file("a.7z").c_str(), "AAAA.EX2", d.Out().c_str()), ARCHIVE_OK);
    EXPECT_EQ(Read_File(d.Out() + "/AAAA.EX2"), "neu!\n");
    EXPECT_TRUE(std::filesystem::exists(d.Temp("7zprot.txt")));
    // Only the member and the protocol: the private folder is gone.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(d.dir.path() / "TEMP")) files += e.is_regular_file() ? 1 : 100;
    EXPECT_EQ(files, 1);
}

TEST(Archive, RefusalsTouchNothing) {
    ArchiveDesk d;
    Write_File(d.dir.file("good.7z"), "STANDIN-7Z\nF 3 AAAA.EX2\nabc");
    Write_File(d.dir.file("up.7z"), "STANDIN-7Z\nF 3 AAAA.EX2\nabcF 3 ../../evil\nabc");
    Write_File(d.dir.file("abs.7z"), "STANDIN-7Z\nF 3 /etc/evil\nabc");
    Write_File(d.dir.file("bad.7z"), "STANDIN-7Z\nF 99 AAAA.EX2\nabc");
    Write_File(d.Out() + "/AAAA.EX2", "alt\n");
    const std::string out = d.Out();
    const struct {
        std::string archive, member, target;
        int code;
    } cases[] = {
        {d.dir.file("none.7z"), "AAAA.EX2", out, ARCHIVE_NOT_READABLE},
        {d.dir.file("good.7z"), "AAAA.EX2", d.dir.file("missing"), ARCHIVE_TARGET_LOCKED},
        {d.dir.file("up.7z"), "AAAA.EX2", out, ARCHIVE_UNSAFE},
        {d.dir.file("abs.7z"), "AAAA.EX2", out, ARCHIVE_UNSAFE},
        {d.dir.file("good.7z"), "../AAAA.EX2", out, ARCHIVE_UNSAFE},
        {d.dir.file("bad.7z"), "AAAA.EX2", out, ARCHIVE_FAILED},
        {d.dir.file("good.7z"), "OTHER.EX2", out, ARCHIVE_FAILED},
        {d.dir.file("good.7z"), "AAAA.EX2", out + "/" + std::string(300, 'd'), ARCHIVE_TARGET_LOCKED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Extract_From_Archive(c.archive.c_str(), c.member.c_str(), c.target.c_str()), c.code) << c.archive
                                                                                                      << c.member;
        EXPECT_EQ(Read_File(out + "/AAAA.EX2"), "alt\n");
    }
    EXPECT_FALSE(std::filesystem::exists(d.dir.path() / "evil"));
    {
        testutil::ScopedEnv no_temp("TEMP", std::nullopt);
        EXPECT_EQ(Extract_From_Archive(d.dir.file("good.7z").c_str(), "AAAA.EX2", out.c_str()), ARCHIVE_NO_TEMP);
    }
    testutil::ScopedEnv no_exec("EXEC", std::nullopt);
    EXPECT_EQ(Extract_From_Archive(d.dir.file("good.7z").c_str(), "AAAA.EX2", out.c_str()), ARCHIVE_NO_EXEC);
}

TEST(Archive, ListingPaths) {
    const struct {
        const char* listing;
        int safe;
    } cases[] = {
        {"--\nPath = ../outside.7z\n----------\nPath = a/b.txt\nPath = c\r\n", 1},
        {"----------\nPath = a/../../b\n", 0},
        {"----------\nPath = a\\..\\..\\b\n", 0},
        {"----------\nPath = ..\n", 0},
        {"----------\nPath = \\\\server\\x\n", 0},
        {"----------\nPath = C:x\n", 0},
        {"----------\nPath = a..b/..c\n", 1},
        {"no entries at all\n", 1},
    };
    for (const auto& c : cases) {
        FILE* f = testutil::Stream_With(c.listing);
        EXPECT_EQ(Check_Archive_Listing(f), c.safe) << c.listing;
        std::fclose(f);
    }
}

TEST(FileName, CharactersTheDesktopRefuses) {
    EXPECT_EQ(Check_File_Name("a.b", 1), 1);
    EXPECT_EQ(Check_File_Name("", 1), 1);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(Check_File_Name("a|b", 0), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    for (const char* bad : {"a\\b", "a/b", "c:", "*", "?", "\"x\"", "<", ">"}) EXPECT_EQ(Check_File_Name(bad, 0), 0) << bad;
    EXPECT_EQ(Check_File_Name("..", 1), 0);
    EXPECT_EQ(Check_File_Name("x?", 1), 0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[0], "Eine Datei darf weder '.' noch '..' heißen!"_cp);
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines[0], "Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"_cp);
}

}  // namespace
