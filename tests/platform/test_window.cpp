// The real window of the stand-in screen: the keyboard's mapping, when a
// run may open a window, and a program with a window on a virtual display
// (Xvfb), clicked and typed at with xdotool, captured and closed.
#include <gtest/gtest.h>

#include <SDL2/SDL_keycode.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/display_sdl.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "support/testutil.h"
#include "support/xvfb.h"

TEST(WindowKeys, KeysThatTypeNoCharacterGiveTheirCodes) {
    const struct {
        int sym, mod, code;
    } cases[] = {
        {SDLK_RETURN, 0, 0x0D},   {SDLK_KP_ENTER, KMOD_NUM, 0x0D}, {SDLK_BACKSPACE, 0, 0x08},
        {SDLK_TAB, 0, 0x09},      {SDLK_TAB, KMOD_LSHIFT, 0x10F},  {SDLK_ESCAPE, 0, 0x1B},
        {SDLK_a, KMOD_LCTRL, 0x01}, {SDLK_v, KMOD_RCTRL, 0x16},    {SDLK_x, KMOD_LCTRL, 0x18},
        {SDLK_F1, 0, 0x13B},      {SDLK_F10, 0, 0x144},            {SDLK_F12, 0, 0x186},
        {SDLK_HOME, 0, 0x147},    {SDLK_HOME, KMOD_LCTRL, 0x177},  {SDLK_END, KMOD_LCTRL, 0x175},
        {SDLK_UP, 0, 0x148},      {SDLK_DOWN, 0, 0x150},           {SDLK_PAGEUP, 0, 0x149},
        {SDLK_PAGEDOWN, 0, 0x151}, {SDLK_LEFT, 0, 0x14B},          {SDLK_RIGHT, 0, 0x14D},
        {SDLK_DELETE, 0, 0x153},
        // the keypad without Num Lock: cursor keys; with it the digit is typed text
        {SDLK_KP_8, 0, 0x148},    {SDLK_KP_1, 0, 0x14F},           {SDLK_KP_8, KMOD_NUM, 0},
        // characters come as typed text, not as keys
        {SDLK_a, 0, 0},           {SDLK_a, KMOD_LSHIFT, 0},        {SDLK_SPACE, 0, 0},
        {SDLK_LSHIFT, KMOD_LSHIFT, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(VEK_Key_Code(c.sym, c.mod), c.code) << c.sym << " mod " << c.mod;
}

TEST(WindowKeys, TypedTextBecomesCodePage850) {
    char out[32];
    // äöüÄÖÜß § ° µ ² ³ of a German keyboard; € has no byte and is left out,
    // so is a control character and a cut sequence.
    EXPECT_EQ(VEK_Cp850_From_Utf8("äöüÄÖÜß§°µ²³", out, sizeof out), 12);
    EXPECT_EQ(std::string(out), "\x84\x94\x81\x8E\x99\x9A\xE1\xF5\xF8\xE6\xFD\xFC");
    EXPECT_EQ(VEK_Cp850_From_Utf8("a€b\x01" "c\xC3", out, sizeof out), 3);
    EXPECT_EQ(std::string(out), "abc");
    EXPECT_EQ(VEK_Cp850_From_Utf8("Ärger", out, 3), 2);  // cut to the buffer
    EXPECT_EQ(std::string(out), "\x8Er");
    // As keys, a character without a byte comes as itself, for the editor
    // to refuse by name: € is U+20AC, 𝄞 U+1D11E; a control character and a
    // cut sequence stay out.
    int keys[8];
    ASSERT_EQ(VEK_Keys_From_Utf8("a€\x01" "ä𝄞\xC3", keys, 8), 4);
    EXPECT_EQ(std::vector<int>(keys, keys + 4),
              (std::vector<int>{'a', VEK_KEY_FOREIGN + 0x20AC, 0x84, VEK_KEY_FOREIGN + 0x1D11E}));
}

TEST(WindowStart, HeadlessUnlessDisplayWithoutScriptOrBatch) {
    {
        testutil::ScopedEnv no_x("DISPLAY", std::nullopt), no_wayland("WAYLAND_DISPLAY", std::nullopt);
        EXPECT_EQ(Init_Grafik_Mode(), 0);
    }
    {
        testutil::ScopedEnv x("DISPLAY", ":1"), script("VEK_SCRIPT", "/nonexistent/script");
        EXPECT_EQ(Init_Grafik_Mode(), 0);
    }
    {
        testutil::ScopedEnv x("DISPLAY", ":1"), script("VEK_SCRIPT", std::nullopt);
        VEK_Set_Batch_Mode(1);
        EXPECT_EQ(Init_Grafik_Mode(), 0);
        VEK_Set_Batch_Mode(0);
    }
    EXPECT_EQ(VEK_Display_Active(), 0);
}

namespace {

const std::string kProbe = std::string(WELD_BINARY_DIR) + "/bin/window_probe";

// The numbers of the log lines of one kind ("key", "press", ...), each line
// as its numbers joined by blanks.
std::vector<std::string> Lines_Of(const std::string& log, const std::string& kind) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(kind + " ", 0) == 0) lines.push_back(line.substr(kind.size() + 1));
    return lines;
}

}  // namespace

TEST(WindowOnDisplay, ShowsTheScreenAndWorksKeysMouseFieldMenusAndBoxes) {
    testutil::Xvfb x(1024, 768);
    if (!x.ok()) GTEST_SKIP() << "window test skipped: " << x.why();
    ASSERT_EQ(x.Run("setxkbmap de"), 0) << "a German keyboard";
    testutil::TempDir dir;
    const std::string log = dir.file("log.txt"), png = dir.file("probe.png"), err = dir.file("err.txt");
    // A screen of 320 x 200 shown twice as large.
    const pid_t pid = testutil::Spawn({kProbe, log},
                                      {x.Env(), "VEK_SCREEN=320x200", "VEK_SCALE=2", "VEK_WINDOW_PNG=" + png,
                                       "VEK_SCRIPT=", testutil::kLeakSuppressions},
                                      dir.file("out.txt"), err);
    ASSERT_GT(pid, 0);
    const unsigned long w = x.Find_Window("window probe");
    ASSERT_NE(w, 0u) << testutil::Read_File(err);
    // Mouse events during the probe's first wait would be taken by it.
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return !Lines_Of(testutil::Read_File(log), "timeout").empty(); }));
    const std::string at = "mousemove --window " + std::to_string(w);
    // Window pixel (41, 61) is screen pixel (20, 30); the wheel's buttons 4 and 5.
    EXPECT_EQ(x.Run("xdotool " + at + " 41 61 click 1 " + at + " 101 81 click 3 click 4 click 5"), 0);
    EXPECT_EQ(x.Run("xdotool type 'Aäöü ÄÖÜß§°µ²³€'"), 0);
    EXPECT_EQ(x.Run("xdotool key Return BackSpace Escape Up F1 ctrl+c Delete shift+Tab KP_Enter"), 0);
    ASSERT_TRUE(testutil::Wait_While_Working([&] { return Lines_Of(testutil::Read_File(log), "key").size() >= 23; }))
        << testutil::Read_File(log);
    // The window shows what the stand-in's own picture of the screen shows.
    std::string differs;
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return (differs = testutil::Window_Differs(x, w, png, 2)).empty(); }))
        << differs;
    // F2 edits "abc", which the editor starts with selected: x ä y typed
    // replace it, Backspace takes the y, Home goes to the start, Z is
    // inserted there, Enter ends the edit.
    EXPECT_EQ(x.Run("xdotool key F2 type 'xäy'"), 0);
    EXPECT_EQ(x.Run("xdotool key BackSpace Home type Z"), 0);
    EXPECT_EQ(x.Run("xdotool key Return"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return !Lines_Of(testutil::Read_File(log), "edit").empty(); }));
    EXPECT_EQ(Lines_Of(testutil::Read_File(log), "edit"), std::vector<std::string>{"13 13 90 120 132"});
    // F3: the menu at the mouse, screen (50, 40): the keys go down past the
    // greyed "zwei" to "drei", whose sub-menu opens; down twice to "b".
    // Again, a click on the first row (rows 18 high from y 42) chooses "eins".
    EXPECT_EQ(x.Run("xdotool key F3 Down Down Return Down Down Return"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return Lines_Of(testutil::Read_File(log), "menu").size() == 1; }));
    EXPECT_EQ(x.Run("xdotool key F3 " + at + " 120 100 click 1"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return Lines_Of(testutil::Read_File(log), "menu").size() == 2; }));
    EXPECT_EQ(Lines_Of(testutil::Read_File(log), "menu"), (std::vector<std::string>{"2 2 0", "0 0 0"}));
    // F4: the table of 0x80 to 0xFF, 16 cells of 16 pixels a row, at the
    // mouse (60, 50): "ä" 0x84 is the fifth cell of the first row, centre
    // (60 + 2 + 4 x 16 + 8, 50 + 2 + 8) = (134, 60).
    EXPECT_EQ(x.Run("xdotool key F4 " + at + " 268 120 click 1"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return !Lines_Of(testutil::Read_File(log), "special").empty(); }));
    EXPECT_EQ(Lines_Of(testutil::Read_File(log), "special"), std::vector<std::string>{"132 0 0"});
    // The close box asks "Fenster schliessen?" in a box in the middle of the
    // 320 x 200 screen: 260 wide (the least), 20 + 14 + 16 + 14 + 23 + 12 =
    // 99 high, from (30, 50); its title bar from row 52; "Ja" and "Nein"
    // 80 wide, 12 apart, centred: x 74 to 153 and 166 to 245, rows 114 to
    // 136.  "Nein" goes on; Enter takes the default, yes.
    auto box_shown = [&](bool shown) {
        std::vector<unsigned> picture;
        int pw = 0, ph = 0;
        return testutil::Read_PNG_RGB(png, &picture, &pw, &ph) && pw == 320 &&
               (picture[52 * 320 + 160] == 0x0A246Au) == shown &&
               (differs = testutil::Window_Differs(x, w, png, 2)).empty();
    };
    x.Close_Window(w);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return box_shown(true); })) << differs;
    EXPECT_EQ(x.Run("xdotool " + at + " 410 250 click 1"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return !Lines_Of(testutil::Read_File(log), "answer").empty(); }));
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return box_shown(false); })) << differs;
    // A blank (typed on from a field, say) leaves the box standing: N
    // answers it, and the third time Enter takes the default, yes.
    x.Close_Window(w);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return box_shown(true); })) << differs;
    EXPECT_EQ(x.Run("xdotool key space n"), 0);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return Lines_Of(testutil::Read_File(log), "answer").size() == 2; }));
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return box_shown(false); })) << differs;
    x.Close_Window(w);
    EXPECT_TRUE(testutil::Wait_While_Working([&] { return box_shown(true); })) << differs;
    EXPECT_EQ(x.Run("xdotool key Return"), 0);
    EXPECT_EQ(testutil::Wait_Exit_While_Working(pid), 0) << testutil::Read_File(err);

    const std::string text = testutil::Read_File(log);
    // The 200 ms time-out ran on the stand-in's clock and on the real one.
    EXPECT_EQ(Lines_Of(text, "timeout"), std::vector<std::string>{"1 1 1"});
    EXPECT_EQ(Lines_Of(text, "press"), (std::vector<std::string>{"1 20 30", "2 50 40"})) << text;
    EXPECT_EQ(Lines_Of(text, "wheel"), (std::vector<std::string>{"1 0 0", "-1 0 0"}));
    // Code page 850: A ä ö ü blank Ä Ö Ü ß § ° µ ² ³, € as U+20AC; then Enter,
    // Backspace, Escape, Up, F1, Ctrl+C (with the Ctrl bit), Delete,
    // Shift+Tab, the keypad's Enter; F2, F3, F3, F4 (the keys of the edit,
    // the menu and the table are theirs).
    const int codes[] = {0x41, 0x84, 0x94, 0x81, 0x20, 0x8E, 0x99, 0x9A, 0xE1, 0xF5, 0xF8, 0xE6,
                         0xFD, 0xFC, VEK_KEY_FOREIGN + 0x20AC, 0x0D, 0x08, 0x1B, 0x148, 0x13B, 0x03, 0x153, 0x10F, 0x0D, 0x13C,
                         0x13D, 0x13D, 0x13E};
    std::vector<std::string> keys = Lines_Of(text, "key");
    ASSERT_EQ(keys.size(), std::size(codes)) << text;
    for (size_t i = 0; i < keys.size(); ++i) {
        int code = -1, mask = -1;
        std::sscanf(keys[i].c_str(), "%d %d", &code, &mask);
        EXPECT_EQ(code, codes[i]) << i;
        if (code == 0x03) {
            EXPECT_EQ(mask & 2, 2);
        }
    }
    EXPECT_EQ(Lines_Of(text, "close").size(), 3u);
    EXPECT_EQ(Lines_Of(text, "answer"), (std::vector<std::string>{"0 0 0", "0 0 0", "1 0 0"}));
}
