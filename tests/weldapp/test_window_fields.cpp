// The program's window on a virtual display (Xvfb), worked with xdotool as
// a person works it: a click into the plate thickness selects its "35.0"
// and 2, 0 replace it; "ipe 300" typed into the profile name is the
// catalogue's IPE300; Shift+Tab goes back to the field before; the pointer
// jumps onto "Ende" and clicks at once;
// "speichern und beenden" saves what the screen showed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"

namespace test_window_fields {
namespace {

const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";

using testutil::Pixel;

}  // namespace

TEST(WindowFields, TypedValuesAndNamesAndAClickAfterOneJumpAreTaken) {
    testutil::Xvfb x(1400, 1100);
    if (!x.ok()) GTEST_SKIP() << "window test skipped: " << x.why();
    ASSERT_EQ(x.Run("setxkbmap de"), 0) << "a German keyboard";
    namespace fs = std::filesystem;
    testutil::TempDir dir;
    for (const char* d : {"exec", "dram", "data", "temp", "project"}) fs::create_directories(dir.file(d));
    fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.file("data/NAD"), fs::copy_options::recursive);
    fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    for (const char* ext : {"_01.INP", "_01.TXT"})
        fs::copy_file(std::string(WELD_SOURCE_DIR) + "/examples/he280a_end_plate/A001" + ext,
                      dir.file(std::string("project/A001") + ext));
    const std::string png = dir.file("window.png"), err = dir.file("err.txt");
    const pid_t pid = testutil::Spawn({kProgram, "A001", "0", "1", "1"},
                                      {x.Env(), "EXEC=" + dir.file("exec"), "DRAM=" + dir.file("dram"),
                                       "DATA=" + dir.file("data"), "TEMP=" + dir.file("temp"),
                                       "VEK_SCREEN=1280x1024", "VEK_SCALE=", "VEK_WINDOW_PNG=" + png, "VEK_SCRIPT=",
                                       testutil::kLeakSuppressions},
                                      dir.file("out.txt"), err, dir.file("project"));
    ASSERT_GT(pid, 0);
    // The program does not outlive a test that an assertion stops.
    struct Ender {
        pid_t pid;
        ~Ender() {
            if (pid > 0) testutil::Wait_Exit(pid, 0);
        }
    } ender{pid};
    const unsigned long w = x.Find_Window("Position 1.01: .*");  // the position text of A001_01.TXT
    ASSERT_NE(w, 0u) << testutil::Read_File(err);
    const std::string at = "xdotool mousemove --window " + std::to_string(w) + " ";
    const unsigned page = 0xFFFBF0u, selected = 0x316AC5u, dialog = 0xD4D0C8u;
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, 560, 300) == page; }));
    // Each field: clicked, its text shown selected (the pixel below the
    // text's baseline, 4 left of the click, lies in the selection), typed
    // over, and left by a click on an empty place of the page.
    const struct {
        int x, y;          // the click into the field
        const char* typed;
    } fields[] = {{265, 279, "20"}, {139, 438, "ipe 300"}};
    for (const auto& f : fields) {
        EXPECT_EQ(x.Run(at + std::to_string(f.x) + " " + std::to_string(f.y) + " click 1"), 0);
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, f.x - 4, f.y + 5) == selected; })) << f.typed;
        EXPECT_EQ(x.Run(std::string("xdotool type --delay 30 '") + f.typed + "'"), 0);
        EXPECT_EQ(x.Run(at + "600 800 click 1"), 0);
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, f.x - 4, f.y + 5) != selected; })) << f.typed;
    }
    // Shift+Tab from the all-round weld's a_w,fu goes back to its a_w,fo,
    // whose text it selects (it went on to a_w before).
    const int fu[2] = {439, 563}, fo[2] = {289, 563};
    EXPECT_EQ(x.Run(at + std::to_string(fu[0]) + " " + std::to_string(fu[1]) + " click 1"), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, fu[0] - 4, fu[1] + 5) == selected; }));
    EXPECT_EQ(x.Run("xdotool type --delay 30 '6'"), 0);
    EXPECT_EQ(x.Run("xdotool key shift+Tab"), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, fo[0] - 4, fo[1] + 5) == selected; }));
    EXPECT_EQ(x.Run("xdotool type --delay 30 '8'"), 0);
    EXPECT_EQ(x.Run("xdotool key Return"), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, fo[0] - 4, fo[1] + 5) != selected; }));
    // From the middle of the page onto "Ende" in one jump, clicked at once.
    EXPECT_EQ(x.Run(at + "1250 27 click 1"), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Pixel(png, 600, 445) == dialog; }))
        << testutil::Read_File(err);
    EXPECT_EQ(x.Run(at + "748 566 click 1"), 0);  // its tick: "speichern und beenden"
    EXPECT_EQ(testutil::Wait_Exit_While_Working(pid), 1) << testutil::Read_File(err);  // saved
    ender.pid = -1;
    const std::string saved = testutil::Read_File(dir.file("project/A001_01.INP"));
    EXPECT_NE(saved.find("\n IPE300~"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n 20.000000 0.000000 0.000000\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("\n 35.000000 0.000000 0.000000\n"), std::string::npos);
    EXPECT_NE(saved.find(" 0.750000 0 0 8.000000 6.000000 0 0\n"), std::string::npos) << saved;  // a_w,fo, a_w,fu
}

}  // namespace test_window_fields
