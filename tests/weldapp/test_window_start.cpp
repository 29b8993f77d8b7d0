// The program started without "-refresh" on a virtual display (Xvfb): its
// window shows the program's message and a click or the close box ends
// the run; a "-refresh" run on the same display opens no window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"

namespace {

const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";

}  // namespace

TEST(WindowStart, ShowsTheMessageAndEndsOnAClickOrTheCloseBox) {
    testutil::Xvfb x(1024, 768);
    if (!x.ok()) GTEST_SKIP() << "window test skipped: " << x.why();
    testutil::TempDir dir;
    for (const char* d : {"exec", "dram", "project"}) std::filesystem::create_directories(dir.file(d));
    const std::string png = dir.file("window.png"), err = dir.file("err.txt");
    const std::vector<std::string> env = {x.Env(),       "EXEC=" + dir.file("exec"), "DRAM=" + dir.file("dram"),
                                          "VEK_SCREEN=640x400", "VEK_SCALE=", "VEK_WINDOW_PNG=" + png,
                                          "VEK_SCRIPT=",        testutil::kLeakSuppressions};
    for (bool click : {true, false}) {
        std::filesystem::remove(png);
        const pid_t pid = testutil::Spawn({kProgram, "A001", "0", "1", "1"}, env, dir.file("out.txt"), err,
                                          dir.file("project"));
        ASSERT_GT(pid, 0);
        const unsigned long w = x.Find_Window("schweissnaht", 10000);
        ASSERT_NE(w, 0u) << testutil::Read_File(err);
        // The message box in the middle of the 640 x 400 screen: one line of
        // 45 characters, 8 x 45 - 3 + 2 x 20 = 397 pixels wide, 20 + 14 + 16
        // + 14 = 64 high, so from (121, 168); its title bar (10, 36, 106)
        // fills rows 170 to 187 inside the two-pixel frame, from x 123.
        std::vector<unsigned> picture;
        int pw = 0, ph = 0;
        ASSERT_TRUE(testutil::Wait_Until(
            [&] {
                return testutil::Read_PNG_RGB(png, &picture, &pw, &ph) && pw * ph == 640 * 400 &&
                       picture[170 * 640 + 320] == 0x0A246Au;
            },
            5000));
        EXPECT_EQ(picture[187 * 640 + 123], 0x0A246Au);
        EXPECT_NE(picture[187 * 640 + 122], 0x0A246Au);
        EXPECT_NE(picture[188 * 640 + 320], 0x0A246Au);
        EXPECT_NE(picture[169 * 640 + 320], 0x0A246Au);
        // A key is not for the message: the window stays as it is.
        EXPECT_EQ(x.Run("xdotool mousemove --window " + std::to_string(w) + " 5 5 type x"), 0);
        std::string differs;
        EXPECT_TRUE(
            testutil::Wait_Until([&] { return (differs = testutil::Window_Differs(x, w, png, 1)).empty(); }, 5000))
            << differs;
        if (click) EXPECT_EQ(x.Run("xdotool click 1"), 0);
        else x.Close_Window(w);
        EXPECT_EQ(testutil::Wait_Exit(pid, 10000), 0) << (click ? "click" : "close box") << testutil::Read_File(err);
        EXPECT_NE(testutil::Read_File(err).find("only the batch path (\"-refresh\") is available"), std::string::npos);
        // The server lets the window go when it sees the program's end.
        EXPECT_TRUE(testutil::Wait_Until([&] { return x.Find_Window("schweissnaht", 0) == 0; }, 5000));
    }
    // The batch path never opens a window, even with a display.
    std::filesystem::remove(png);
    const pid_t pid = testutil::Spawn({kProgram, "A001", "0", "1", "1", "-refresh"}, env, dir.file("out.txt"), err,
                                      dir.file("project"));
    EXPECT_EQ(testutil::Wait_Exit(pid, 20000), 1) << testutil::Read_File(err);
    EXPECT_FALSE(std::filesystem::exists(png));
    EXPECT_TRUE(std::filesystem::exists(dir.file("project/A001_01.OLI")));
}
