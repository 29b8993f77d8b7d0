// The pictures the program draws by file name: every name the sources
// draw is shipped in data/ with the size its callers cut from it, and a
// session through the register pages and the dialogs of the button bar
// draws every picture whole (no placeholder, no cut past a picture's edge:
// a scripted run names each such picture on stderr).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "platform/screen.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"

namespace {

namespace fs = std::filesystem;

// A name with "/" for the "\" of the sources.
std::string Slashed(std::string name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') out += name[i];
        else if (out.empty() || out.back() != '/') out += '/';
    }
    return out;
}

// What the callers need of each picture: the size of a picture item drawn
// pixel for pixel over its rectangle (exact), or the extent of the cuts
// taken from a strip of looks (at least).
struct Needed {
    int width, height;
    bool exact;
};

const std::map<std::string, Needed> kPictures = {
    // main screen: heads (0, 0)-(551, 47); bar looks at x up to 302 + 41,
    // y up to 165 + 36
    {"Buttons.bmp", {552, 202, false}},
    // load table: unit picture (x, y)-(x + 890, y + 65), sign convention
    // (570, 260)-(940, 630)
    {"EC3_schweisslasten.bmp", {891, 66, true}},
    {"EC3_schweisslasten_1.bmp", {891, 66, true}},
    {"EC3_schweisslasten_2.bmp", {891, 66, true}},
    {"EC3_schweisslasten_3.bmp", {891, 66, true}},
    {"EC3_schweisslasten_pic.bmp", {371, 371, true}},
    // import row: Q7 marks (dx + 120, yr - 12)-(dx + 175, yr + 4) and
    // (xl, y - 12)-(xl + 55, y + 2); buttons 51 wide, four looks, rows 0
    // (33 high), 36 and 76 (36 high)
    {"SniQ7.bmp", {56, 17, true}},
    {"RurQ7.bmp", {56, 15, true}},
    {"SniGrImportButton.bmp", {204, 112, false}},
    {"RurGrImportButton.bmp", {204, 112, false}},
    // the load-case table's icons, cut side by side from x 0 to 108
    {"TableIcons.bmp", {109, 16, true}},
    // explorer button 38 x 38 from row 250, four looks
    {"deskbuts.bmp", {152, 288, false}},
    // hints button 212 x 21, four looks
    {"but_hinweise_reaktivieren.bmp", {848, 21, false}},
    // small buttons beside labels (x - 20, y - 9)-(x - 7, y + 4); up-down
    // (x, y - 12)-(x + 15, y + 5); the file dialog's browse face 18 x 18
    {"act_but.bmp", {14, 14, true}},
    {"work_but.bmp", {14, 14, true}},
    {"updown_but.bmp", {16, 18, true}},
    {"expl_but.bmp", {18, 18, true}},
    // text button faces, stretched over the button
    {"textbuttonbg.bmp", {8, 19, false}},
    {"TextButtonBg.bmp", {8, 19, false}},
    {"TextButtonBg_ro.bmp", {8, 19, false}},
    {"TextButtonBgInaktive.bmp", {8, 19, false}},
    {"TextButtonBgInaktive_ro.bmp", {8, 19, false}},
    // comment editor: picture (14, 5)-(75, 70); three buttons 36 x 36 in
    // rows 0, 36, 72, four looks
    {"UComment.bmp", {62, 66, true}},
    {"Glory3.bmp", {144, 108, false}},
    // profile page: picture (bx, by)-(bx + 55, by + 48); button 50 x 24,
    // four looks
    {"bmp_t/Prof_ManagerS.bmp", {56, 49, true}},
    {"bmp_t/but_options.bmp", {200, 24, false}},
    // animations: 18 cells of 63 (63 f .. 63 f + 62); 12 cells of 84 from
    // (1 + 85 k, 1); 12 frames of 31 (31 f .. 31 f + 30, rows 0..61)
    {"Anima1.bmp", {1134, 63, false}},
    {"Anima2.bmp", {1020, 85, false}},
    {"animsandclock.bmp", {372, 62, false}},
    // end-plate load sheet: the section stretched over its panel
    {"lastko_I.bmp", {125, 123, false}},
    {"lastko_fe.bmp", {125, 123, false}},
    {"lastko_l.bmp", {125, 123, false}},
    {"lastko_m.bmp", {125, 123, false}},
    {"lastko_o.bmp", {125, 123, false}},
    {"lastko_re.bmp", {125, 123, false}},
    {"lastko_t.bmp", {125, 123, false}},
    {"lastko_u.bmp", {125, 123, false}},
    // annex selection: flags (0, 19 k)-(25, 19 k + 18), k up to 19; buttons
    // four looks of up to 42 wide, the lowest rows 598..638
    {"NAD/EuroFlags.bmp", {26, 380, false}},
    {"NAD/Buttons.bmp", {168, 639, false}},
    // annex editor, EN 1990: (0, 30)-(519, 1530) and the bridge tables
    // (0, y1)-(381, y2)
    {"NAD/NAD-Kbws.bmp", {520, 1501, true}},
    {"NAD/NAD_bridge_str_b.bmp", {382, 376, true}},
    {"NAD/NAD_bridge_ausser.bmp", {382, 401, true}},
    {"NAD/NAD_bridge_erdbeben.bmp", {382, 401, true}},
    {"NAD/NAD_bridge_gebrauch.bmp", {382, 376, true}},
    {"NAD/NAD_bridge_str_psi.bmp", {382, 401, true}},
    {"NAD/NAD_bridge_fuss_psi.bmp", {382, 242, true}},
    {"NAD/NAD_bridge_bahn_psi.bmp", {382, 865, true}},
    // EN 1992 formulas (206, y - 10)-(382, y + 20)
    {"NAD/NAD_Func1.bmp", {177, 31, true}},
    {"NAD/NAD_Func2a.bmp", {177, 31, true}},
    {"NAD/NAD_Func2b.bmp", {177, 31, true}},
    {"NAD/NAD_Func2c.bmp", {177, 31, true}},
    {"NAD/NAD_Func2d.bmp", {177, 31, true}},
    {"NAD/NAD_Func3a.bmp", {177, 31, true}},
    {"NAD/NAD_Func3b.bmp", {177, 31, true}},
    {"NAD/NAD_Func4.bmp", {177, 31, true}},
    {"NAD/NAD_Func5.bmp", {177, 31, true}},
    {"NAD/NAD_Func6.bmp", {177, 31, true}},
    {"NAD/NAD_Func7a.bmp", {177, 31, true}},
    {"NAD/NAD_Func7b.bmp", {177, 31, true}},
    {"NAD/NAD_Func8.bmp", {177, 31, true}},
    // EN 1995 bands (0, top)-(width, bottom), the widest 376, the lowest
    // down to 1049
    {"NAD/EC5BalmoNads.bmp", {377, 1050, false}},
    // concrete and reinforcing-steel pages: (x + 200, y)-(x + 420, y + 192)
    // and (x + 220, y)-(x + 436, y + 141)
    {"tools/bemop_fcd.bmp", {221, 193, true}},
    {"tools/bemop_fyk.bmp", {217, 142, true}},
};

// Every bitmap name written in the sources, as a quoted literal.
std::set<std::string> Names_In_Sources() {
    const std::regex literal(R"re("([A-Za-z0-9_\\/-]+\.(bmp|BMP))")re");
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(std::string(WELD_SOURCE_DIR) + "/src")) {
        const std::string ext = e.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string text = testutil::Read_File(e.path().string());
        for (std::sregex_iterator m(text.begin(), text.end(), literal), end; m != end; ++m)
            names.insert(Slashed((*m)[1]));
    }
    return names;
}

}  // namespace

TEST(ShippedPictures, EveryNameTheSourcesDrawIsShippedInTheSizeCut) {
    const std::set<std::string> drawn = Names_In_Sources();
    for (const std::string& name : drawn) EXPECT_EQ(kPictures.count(name), 1u) << "not listed here: " << name;
    for (const auto& [name, need] : kPictures) EXPECT_EQ(drawn.count(name), 1u) << "no longer drawn: " << name;
    for (const auto& [name, need] : kPictures) {
        int w = 0, h = 0;
        ASSERT_EQ(pxQDIBSize((std::string(WELD_SOURCE_DIR) + "/data/" + name).c_str(), &w, &h), 1) << name;
        if (need.exact) {
            EXPECT_EQ(w, need.width) << name;
            EXPECT_EQ(h, need.height) << name;
        } else {
            EXPECT_GE(w, need.width) << name;
            EXPECT_GE(h, need.height) << name;
        }
    }
}

// The example HE 280 A with the import tool present: the input page, the
// load-case page with its import row, the information sheet and the file
// dialog of the text-file import, the chart; from the bar the annex
// selection, the print control with its comment editor, help, the plan
// editor (not installed: a message) and the end dialog. Preview and print
// draw no picture of their own and are left out.
TEST(ShippedPictures, PagesAndDialogsOfTheButtonBarDrawEveryPictureWhole) {
    Desktop d;
    d.Add("he280a_end_plate", "A001");
    const std::string tool = d.dir.file("exec/LoadPick.exe");
    testutil::Write_File(tool, "#!/bin/sh\nexit 0\n");
    chmod(tool.c_str(), 0755);
    const std::string shots = testutil::Test_Dir() + "/pictures_";
    const char* const kShots[] = {"input", "loads", "text_file_info", "file_dialog", "chart", "annex",
                                  "print_control", "comment_editor", "help", "plot", "end_dialog"};
    for (const char* name : kShots) fs::remove(shots + name + ".png");
    std::string script;
    auto shot = [&](const std::string& name) { script += "snapshot " + shots + name + ".png\n"; };
    auto line = [&](const std::string& text) { script += text + "\n"; };
    // A bar button is reached by two moves (the sheet's escape area, then
    // the bar's loop) and clicked.
    auto bar = [&](int offset) {
        const std::string at = std::to_string(959 + offset + 21) + " 27\n";
        script += "move " + at + "move " + at + "click " + at;
    };
    shot("input");
    line("click 110 30");
    shot("loads");
    // The text-file button.
    line("move 795 112\nclick 795 112");
    shot("text_file_info");
    line("key 13");
    shot("file_dialog");
    line("click 430 554\nanswer ok");  // its Break
    line("click 181 30");
    shot("chart");
    bar(-10);
    shot("annex");
    line("click 523 637");
    bar(45);
    shot("print_control");
    line("click 507 306");
    shot("comment_editor");
    line("click 832 378\nclick 457 785");  // the editor's confirm, the print control's Break
    bar(225);
    shot("help");
    bar(180);
    shot("plot");
    bar(270);
    shot("end_dialog");
    line("click 530 566\nclose\nanswer yes");
    testutil::Write_File(d.dir.file("script.txt"), script);
    EXPECT_EQ(d.Run("A001 0 1 1", true, "VEK_SCRIPT='" + d.dir.file("script.txt") + "'"), 0) << d.err;
    EXPECT_EQ(d.err.find("bitmap \""), std::string::npos) << d.err;
    // The session reached the bar's help after the dialogs had closed.
    EXPECT_NE(d.err.find("message box \"Hilfe\": [Hilfe zum Thema \"kx417_register5\""), std::string::npos) << d.err;
    for (const char* name : kShots) EXPECT_TRUE(fs::exists(shots + name + ".png")) << name;
}
