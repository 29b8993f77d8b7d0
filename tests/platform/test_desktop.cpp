// Desktop services of the stand-in: environment entries, the current object,
// file copy and search, tools started from EXEC, the virtual clock and the
// clipboard.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/posix.h"
#include "support/testutil.h"

using testutil::ScopedEnv;
using testutil::TempDir;

TEST(Desktop, EnvironmentEntriesComeFromTheProcess)
{
    ScopedEnv exec("EXEC", "/opt/vek/exec");
    ScopedEnv temp("TEMP", "");
    ScopedEnv data("DATA", std::nullopt);
    ASSERT_NE(VEKGetEnv("EXEC"), nullptr);
    EXPECT_STREQ(VEKGetEnv("EXEC"), "/opt/vek/exec");
    EXPECT_EQ(VEKGetEnv("TEMP"), nullptr);  // empty counts as unset
    EXPECT_EQ(VEKGetEnv("DATA"), nullptr);
    EXPECT_EQ(VEKGetEnv(nullptr), nullptr);
}

TEST(Desktop, UserStringIsBoundedAndReportsMissingKeys)
{
    ScopedEnv set("VEK_USER_UseSheetOkShortKey", "1234567890");
    char buf[6] = "xxxxx";
    EXPECT_EQ(VEKGetUserString("UseSheetOkShortKey", buf, sizeof buf), 1);
    EXPECT_STREQ(buf, "12345");
    char other[8] = "keep";
    EXPECT_EQ(VEKGetUserString("UseSheetHelpShortKey", other, sizeof other), 0);
    EXPECT_STREQ(other, "keep");
}

TEST(Desktop, CurrentObjectDefaultsAndOverrides)
{
    {
        ScopedEnv a("VEK_APPLICATION_NUMBER", std::nullopt);
        ScopedEnv p("VEK_PRIVAT_DATAPATH", std::nullopt);
        ScopedEnv d("DRAM", "/home/u/dram");
        ScopedEnv b("VEK_BASICNAME", std::nullopt);
        EXPECT_EQ(CurOb_Application_Number(), 156);
        EXPECT_STREQ(CurOb_Privat_Datapath(), "/home/u/dram");
        EXPECT_EQ(CurOb_Basicname(), nullptr);
        EXPECT_NE(CurOb_Programname(), nullptr);
    }
    {
        ScopedEnv a("VEK_APPLICATION_NUMBER", "166");
        ScopedEnv p("VEK_PRIVAT_DATAPATH", "/priv");
        ScopedEnv b("VEK_BASICNAME", "BT01");
        EXPECT_EQ(CurOb_Application_Number(), 166);
        EXPECT_STREQ(CurOb_Privat_Datapath(), "/priv");
        EXPECT_STREQ(CurOb_Basicname(), "BT01");
    }
    ScopedEnv bad("VEK_APPLICATION_NUMBER", "15x");
    EXPECT_EQ(CurOb_Application_Number(), 156);  // not a number: the default
}

TEST(Desktop, CopyFileKeepsBytesAndHonoursTheFlag)
{
    TempDir t;
    std::string bytes("a\r\nb\0c\xAE", 7);
    testutil::Write_File(t.file("src.txt"), bytes);
    std::string win_src = t.str() + "\\src.txt";  // the program's separator
    EXPECT_EQ(VEKCopyFile(win_src.c_str(), t.file("dst.txt").c_str(), 0), 1);
    EXPECT_EQ(testutil::Read_File(t.file("dst.txt")), bytes);
    testutil::Write_File(t.file("dst.txt"), "old");
    EXPECT_EQ(VEKCopyFile(t.file("src.txt").c_str(), t.file("dst.txt").c_str(), 1), 0);
    EXPECT_EQ(testutil::Read_File(t.file("dst.txt")), "old");
    EXPECT_EQ(VEKCopyFile(t.file("none").c_str(), t.file("dst.txt").c_str(), 0), 0);
    EXPECT_EQ(testutil::Read_File(t.file("dst.txt")), "old");
    EXPECT_EQ(VEKRemoveFile(t.file("dst.txt").c_str()), 0);
    EXPECT_EQ(VEKRemoveFile(t.file("dst.txt").c_str()), -1);
    testutil::Write_File(t.file("leer.txt"), "");  // an empty file copies too
    EXPECT_EQ(VEKCopyFile(t.file("leer.txt").c_str(), t.file("dst.txt").c_str(), 0), 1);
    EXPECT_EQ(_access(t.file("dst.txt").c_str(), 0), 0);
    EXPECT_EQ(testutil::Read_File(t.file("dst.txt")), "");
}

TEST(Desktop, WildcardSearchSeparatesFilesAndDirectories)
{
    TempDir t;
    for (const char* n : {"APP0156.DEF", "app0200.def", "APPX.TXT", "OTHER.DEF"})
        testutil::Write_File(t.file(n), "x");
    mkdir(t.file("APPDIR.DEF").c_str(), 0755);
    std::string pattern = t.str() + "\\APP*.DEF";
    DOSFindRecord r;
    std::vector<std::string> found;
    for (int rc = DOSFindFirstFile(pattern.c_str(), &r); rc == 0; rc = DOSFindNext(&r))
        found.push_back(r.name);
    DOSFindClose(&r);
    EXPECT_EQ(found, (std::vector<std::string>{"APP0156.DEF", "app0200.def"}));

    std::vector<std::string> dirs;
    std::string all = t.str() + "/*.*";
    for (int rc = DOSFindFirstDirectory(all.c_str(), &r); rc == 0; rc = DOSFindNext(&r))
        dirs.push_back(r.name);
    DOSFindClose(&r);
    EXPECT_EQ(dirs, (std::vector<std::string>{"APPDIR.DEF"}));

    EXPECT_EQ(DOSFindFirstFile((t.str() + "/nothing*").c_str(), &r), -1);
    DOSFindClose(&r);
    DOSFindClose(&r);  // closing twice is harmless
    EXPECT_EQ(DOSFindFirstFile((t.str() + "/missing/*.*").c_str(), &r), -1);
}

// A fake tool in EXEC: writes its arguments to a file and ends with code 7.
static void write_tool(const std::string& path, const std::string& body)
{
    testutil::Write_File(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
}

TEST(Desktop, SpawnRunsTheToolWithoutAShell)
{
    TempDir t;
    ScopedEnv exec("EXEC", t.str());
    write_tool(t.file("Tool.exe"), "printf '%s|' \"$@\" > \"$1.out\"\nexit 7\n");
    std::string out = t.file("args");
    std::string path = t.str() + "\\Tool.exe";
    // An argument with shell characters arrives unchanged.
    const char* argv[] = {path.c_str(), out.c_str(), "a b;echo x", "$(id)", nullptr};
    EXPECT_EQ(VEKSpawnv(0, path.c_str(), argv), 7);
    EXPECT_EQ(testutil::Read_File(out + ".out"), out + "|a b;echo x|$(id)|");

    // A bare name is looked up in EXEC.
    const char* argv2[] = {"Tool.exe", out.c_str(), nullptr};
    EXPECT_EQ(VEKSpawnv(0, "Tool.exe", argv2), 7);
    EXPECT_EQ(VEKSpawnv(0, (t.str() + "/missing.exe").c_str(), argv2), -1);
}

TEST(Desktop, WindowOfAStartedToolIsFollowedUntilItEnds)
{
    TempDir t;
    ScopedEnv exec("EXEC", t.str());
    // The tool runs until its stop file appears.
    write_tool(t.file("LoadPick.exe"),
               "while [ ! -f \"" + t.file("stop") + "\" ]; do sleep 0.01; done\n");
    testutil::Write_File(t.file("LoadPick.exe.title"), "VEK - Schnittgr\xF6\xDF" "enauswahl\r\n");
    const char* title = "VEK - Schnittgr\xF6\xDF" "enauswahl";
    EXPECT_EQ(FindVEKWindow(title, 26), 0);
    const char* argv[] = {"LoadPick.exe", nullptr};
    int id = VEKSpawnv(2, "LoadPick.exe", argv);
    ASSERT_GT(id, 0);
    EXPECT_NE(FindVEKWindow(title, 26), 0);
    EXPECT_EQ(FindVEKWindow("VEK - Bauteilauswahl", 20), 0);
    EXPECT_EQ(CheckVEKProcess(id, nullptr), 0);
    testutil::Write_File(t.file("stop"), "");
    int polls = 0;
    while (FindVEKWindow(title, 26) && polls < 100000) ++polls;
    EXPECT_EQ(FindVEKWindow(title, 26), 0);
    EXPECT_EQ(CheckVEKProcess(id, nullptr), 1);
}

TEST(Desktop, VirtualClockAdvancesWithoutSleeping)
{
    long long t0 = VEK_Clock_ms();
    VEKSleep(300);
    Wait_Seconds(0.05);
    VEKSleep(-5);
    EXPECT_EQ(VEK_Clock_ms() - t0, 350);
    unsigned int tick = GetTickCount();
    Sleep(120);
    EXPECT_EQ(GetTickCount() - tick, 120u);
    int old = VEKSetTimer(1);
    EXPECT_EQ(VEKSetTimer(old), 1);
}

TEST(Desktop, ClipboardRoundTripIsBounded)
{
    VEKSetClipboardText("Schwei\xE1naht", 0);
    char buf[5000];
    EXPECT_EQ(VEKGetClipboardText(buf, sizeof buf), 11);
    EXPECT_STREQ(buf, "Schwei\xE1naht");
    char small[4];
    EXPECT_EQ(VEKGetClipboardText(small, sizeof small), 3);
    EXPECT_STREQ(small, "Sch");
    VEKSetClipboardText(nullptr, 0);
    EXPECT_EQ(VEKGetClipboardText(buf, sizeof buf), 0);
}
