// The program's window path as a person works it, driven by script files
// (VEK_SCRIPT) through the built program: each session asserts the files
// it leaves, the message boxes it met (a scripted run writes them to its
// console) and the pages it showed (snapshots compared with the images in
// tests/data/weldapp, each looked at before it was checked in).
//
// Screen places on the 1280 x 1024 screen: the working area starts at
// (9, 55), so an item the page puts at (x, y) is at (x + 9, y + 55); a
// field is clicked 10 pixels right of its start and 4 above its baseline.
// The register's tabs: input page (39, 30), load cases (110, 30), chart
// (181, 30). The button bar starts at x 959; a button is reached by moving
// onto it twice (the sheet's escape, then the bar's own loop) and clicked.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "codes/nad.h"
#include "dialogs/snapshot.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/editing_loop.h"
#include "weldapp/record_fixture.h"

namespace fs = std::filesystem;

namespace {

// The bar's buttons by code: their offsets in the bar.
int Bar_X(int button) {
    switch (button) {
    case BUTTON_ANNEX: return 959 - 10 + 21;
    case BUTTON_PRINT_CONTROL: return 959 + 45 + 21;
    case BUTTON_PREVIEW: return 959 + 90 + 21;
    case BUTTON_PRINT: return 959 + 135 + 21;
    case BUTTON_PLOT: return 959 + 180 + 21;
    case BUTTON_HELP: return 959 + 225 + 21;
    default: return 959 + 270 + 21;  // "Ende"
    }
}

// A desktop with a project and a script being written for one run.
struct Session : Desktop {
    std::string script;

    // A field of the working area at page position (x, y): clicked, typed.
    Session& Field(int x, int y, const std::string& text) {
        script += "click " + std::to_string(x + 19) + " " + std::to_string(y + 51) + "\ntype 0 " + text + "\n";
        return *this;
    }
    // A click on a page position (a radio button, a check box, a button).
    Session& Click(int x, int y) {
        script += "click " + std::to_string(x + 9) + " " + std::to_string(y + 55) + "\n";
        return *this;
    }
    Session& Button(int button) {
        const std::string at = std::to_string(Bar_X(button)) + " 27\n";
        script += "move " + at + "move " + at + "click " + at;
        return *this;
    }
    Session& Tab(int x) {
        script += "click " + std::to_string(x) + " 30\n";
        return *this;
    }
    Session& Line(const std::string& line) {
        script += line + "\n";
        return *this;
    }
    Session& Snapshot(const std::string& name) { return Line("snapshot " + dir.file(name + ".png")); }
    // Runs the component with the script; the exit code.
    int Run_Script(const std::string& id) {
        testutil::Write_File(dir.file("script.txt"), script);
        return Run(id + " 0 1 1", true, "VEK_SCRIPT='" + dir.file("script.txt") + "' EXEC='" + dir.file("exec") + "'");
    }
    void Expect_Page(const std::string& name) {
        snapshot::Expect_Png_Matches(dir.file(name + ".png"), name, "weldapp");
    }
    bool Said(const std::string& box) const { return err.find(box) != std::string::npos; }
};

// Places on the example HE 280 A page (all-round weld).
constexpr int kPlateThickness[2] = {230, 194};
constexpr int kThroatTop[2] = {270, 478};
constexpr int kThroatAll[2] = {570, 478};
constexpr int kProfileName[2] = {120, 353};

}  // namespace

// Session 5: closing with unsaved changes. The close box asks; "no" goes on
// editing with the change kept (saved with "Ende"), "yes" ends with exit
// code 0 and the input file as it was.
TEST(Sessions, ClosingWithUnsavedChanges) {
    for (bool give_up : {true, false}) {
        Session s;
        s.Add("he280a_end_plate", "A001");
        const std::string before = s.File("A001_01.INP");
        s.Field(kPlateThickness[0], kPlateThickness[1], "30").Line("close");
        if (give_up) {
            s.Line("answer yes");
        } else {
            s.Line("answer no").Button(BUTTON_END).Snapshot("end_dialog").Line("key 13");
        }
        const int code = s.Run_Script("A001");
        EXPECT_TRUE(s.Said("message box \"\": [Aktuelle Bearbeitung abbrechen?] answer " + std::string(give_up ? "1" : "0")))
            << s.err;
        if (give_up) {
            EXPECT_EQ(code, 0) << s.err;
            EXPECT_EQ(s.File("A001_01.INP"), before);
            EXPECT_FALSE(s.Exists("A001_01.OLI"));
            continue;
        }
        EXPECT_EQ(code, 1) << s.err;
        testutil::Record saved;
        FILE* f = std::fopen((s.project + "/A001_01.INP").c_str(), "r");
        ASSERT_TRUE(f);
        EXPECT_EQ(Read_Schweissnaht(f, &saved.r), 0);
        std::fclose(f);
        EXPECT_EQ(saved.r.naht.plate.t, 30.0);
        EXPECT_TRUE(s.Exists("A001_01.OLI"));
        s.Expect_Page("end_dialog");
    }
}

// Session 4 (the pages without the load-case table): letters in a number,
// a throat far above what the plate allows, an emptied profile name. Each
// gets its message, the field keeps its old value; closing gives the work
// up and nothing is saved.
TEST(Sessions, BadInputOnThePages) {
    Session s;
    s.Add("he280a_end_plate", "A001");
    const std::string before = s.File("A001_01.INP");
    s.Field(kPlateThickness[0], kPlateThickness[1], "abc")
        .Line("answer ok")
        .Field(kThroatAll[0], kThroatAll[1], "30")
        .Field(kProfileName[0], kProfileName[1], "")
        .Line("answer ok")
        .Snapshot("input_refused")
        .Line("close")
        .Line("answer yes");
    EXPECT_EQ(s.Run_Script("A001"), 0) << s.err;
    EXPECT_TRUE(s.Said("[Die Eingabe \"abc\" ist keine Zahl.] [Der bisherige Wert bleibt erhalten.]")) << s.err;
    EXPECT_TRUE(s.Said("[Gew\x84hlter Profiltyp ist in der Bibliothek nicht vorhanden.]")) << s.err;
    EXPECT_EQ(s.File("A001_01.INP"), before);
    // The page shows the old thickness, the old name and the new throat.
    s.Expect_Page("input_refused");
}
