// The program started without "-refresh" on a virtual display (Xvfb): its
// window shows the editing loop's input page; the close box asks whether
// the editing is to be given up, "N" goes on editing and "J" ends the run
// with exit code 0 and nothing saved; a "-refresh" run on the same display
// opens no window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/testutil.h"
#include "support/xvfb.h"

namespace test_window_start {
namespace {

const std::string kProgram = std::string(WELD_BINARY_DIR) + "/bin/schweissnaht";

// The window's capture holds a pixel of the colour in the rows y1..y2 of
// column x.
bool Column_Has(const std::string& png, int x, int y1, int y2, unsigned colour) {
    std::vector<unsigned> picture;
    int w = 0, h = 0;
    if (!testutil::Read_PNG_RGB(png, &picture, &w, &h) || x >= w || y2 >= h) return false;
    for (int y = y1; y <= y2; ++y)
        if (picture[static_cast<size_t>(y) * w + x] == colour) return true;
    return false;
}

// A desktop in the folder: its program, private and data folders (the
// annex files and the profile file of the build) and the project with the
// first example's input file, whose path is returned.
std::string Example_Desktop(const testutil::TempDir& dir) {
    namespace fs = std::filesystem;
    for (const char* d : {"exec", "dram", "data", "project"}) fs::create_directories(dir.file(d));
    fs::copy(std::string(WELD_SOURCE_DIR) + "/data/NAD", dir.file("data/NAD"), fs::copy_options::recursive);
    fs::copy_file(WELD_PROFIL_FILE, dir.file("data/PROFIL"));
    const std::string input = dir.file("project/A001_01.INP");
    fs::copy_file(std::string(WELD_SOURCE_DIR) + "/examples/he280a_end_plate/A001_01.INP", input);
    return input;
}

// The environment of the program in that desktop; with a display, the
// window on it at 800 x 600, captured into `png`.
std::vector<std::string> Example_Env(const testutil::TempDir& dir, const testutil::Xvfb* x, const std::string& png) {
    std::vector<std::string> env = {"EXEC=" + dir.file("exec"), "DRAM=" + dir.file("dram"), "DATA=" + dir.file("data"),
                                    testutil::kLeakSuppressions};
    if (x) env.insert(env.end(), {x->Env(), "VEK_SCREEN=800x600", "VEK_SCALE=", "VEK_WINDOW_PNG=" + png, "VEK_SCRIPT="});
    return env;
}

}  // namespace

TEST(WindowStart, EditingLoopAndTheCloseQuestion) {
    testutil::Xvfb x(1024, 768);
    if (!x.ok()) GTEST_SKIP() << "window test skipped: " << x.why();
    namespace fs = std::filesystem;
    testutil::TempDir dir;
    const std::string input = Example_Desktop(dir);
    const std::string before = testutil::Read_File(input);
    const std::string png = dir.file("window.png"), err = dir.file("err.txt");
    const std::vector<std::string> env = Example_Env(dir, &x, png);
    const pid_t pid =
        testutil::Spawn({kProgram, "A001", "0", "1", "1"}, env, dir.file("out.txt"), err, dir.file("project"));
    ASSERT_GT(pid, 0);
    // Without a position text the title is "Position : ".
    const unsigned long w = x.Find_Window("Position : ");
    ASSERT_NE(w, 0u) << testutil::Read_File(err);
    // The input page with the preview's grey box (224, 224, 224) right of
    // the middle.
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return Column_Has(png, 500, 100, 500, 0xE0E0E0u); }));
    std::string differs;
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return (differs = testutil::Window_Differs(x, w, png, 1)).empty(); }))
        << differs;
    for (const char* answer : {"n", "j"}) {
        x.Close_Window(w);
        // The question box with its title bar (10, 36, 106) in the middle.
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return Column_Has(png, 400, 240, 300, 0x0A246Au); })) << answer;
        EXPECT_EQ(x.Run(std::string("xdotool key ") + answer), 0);
        if (answer[0] == 'n') {
            EXPECT_TRUE(testutil::Wait_While_Working([&] { return !Column_Has(png, 400, 240, 300, 0x0A246Au); }));
        }
    }
    EXPECT_EQ(testutil::Wait_Exit_While_Working(pid), 0) << testutil::Read_File(err);
    EXPECT_EQ(testutil::Read_File(input), before);
    EXPECT_FALSE(fs::exists(dir.file("project/A001_01.OLI")));
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return x.Find_Window("Position : ", false) == 0; }));

    // The batch path never opens a window, even with a display.
    fs::remove(png);
    const pid_t batch = testutil::Spawn({kProgram, "A001", "0", "1", "1", "-refresh"}, env, dir.file("out.txt"), err,
                                        dir.file("project"));
    EXPECT_EQ(testutil::Wait_Exit_While_Working(batch), 1) << testutil::Read_File(err);
    EXPECT_FALSE(fs::exists(png));
    EXPECT_TRUE(fs::exists(dir.file("project/A001_01.OLI")));
}

// A list that is not its input's (the input file changed after the list
// was written: a save cut off before its list stood) is said at the
// window's start in a box, which Enter closes; a list of the input as it
// stands opens no box. Before, the window opened on the changed input and
// nothing said that the list beside it, "Nachweis erbracht", was another
// input's.
TEST(WindowStart, AListNotOfItsInputIsSaidInABox) {
    testutil::Xvfb x(1024, 768);
    if (!x.ok()) GTEST_SKIP() << "window test skipped: " << x.why();
    for (const bool changed : {true, false}) {
        SCOPED_TRACE(changed ? "input changed after the list" : "the list of the input");
        testutil::TempDir dir;
        const std::string input = Example_Desktop(dir);
        const std::string png = dir.file("window.png"), err = dir.file("err.txt");
        const pid_t batch = testutil::Spawn({kProgram, "A001", "0", "1", "1", "-refresh"}, Example_Env(dir, nullptr, ""),
                                            dir.file("out.txt"), err, dir.file("project"));
        ASSERT_EQ(testutil::Wait_Exit_While_Working(batch), 1) << testutil::Read_File(err);
        if (changed) {
            std::string bytes = testutil::Read_File(input);
            const size_t plate = bytes.find("\n 35.000000 0.000000 0.000000\n");
            ASSERT_NE(plate, std::string::npos);
            bytes.replace(plate + 2, 2, "20");
            testutil::Write_File(input, bytes);
        }
        const pid_t pid = testutil::Spawn({kProgram, "A001", "0", "1", "1"}, Example_Env(dir, &x, png),
                                          dir.file("out.txt"), err, dir.file("project"));
        ASSERT_GT(pid, 0);
        const unsigned long w = x.Find_Window("Position : ");
        ASSERT_NE(w, 0u) << testutil::Read_File(err);
        // A box's title bar (10, 36, 106) across the middle of the screen.
        auto box = [&] { return Column_Has(png, 400, 150, 450, 0x0A246Au); };
        if (changed) {
            ASSERT_TRUE(testutil::Wait_While_Working(box));
            EXPECT_EQ(x.Run("xdotool key Return"), 0);
            EXPECT_TRUE(testutil::Wait_While_Working([&] { return !box(); }));
        }
        // The input page, with the preview's grey box right of the middle.
        ASSERT_TRUE(testutil::Wait_While_Working([&] { return Column_Has(png, 500, 100, 500, 0xE0E0E0u); }));
        EXPECT_FALSE(box());
        x.Close_Window(w);
        ASSERT_TRUE(testutil::Wait_While_Working(box));  // the close question
        EXPECT_EQ(x.Run("xdotool key j"), 0);
        EXPECT_EQ(testutil::Wait_Exit_While_Working(pid), 0) << testutil::Read_File(err);
    }
}

}  // namespace test_window_start
