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

#include <cmath>
#include <filesystem>
#include <string>

#include "codes/nad.h"
#include "dialogs/snapshot.h"
#include "support/testutil.h"
#include "weldapp/batch_desktop.h"
#include "weldapp/editing_loop.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

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
        return Run(id + " 0 1 1", true, "VEK_SCRIPT='" + dir.file("script.txt") + "'");
    }
    void Expect_Page(const std::string& name) {
        snapshot::Expect_Png_Matches(dir.file(name + ".png"), name, "weldapp");
    }
    bool Said(const std::string& box) const { return err.find(box) != std::string::npos; }
    // The example HE 280 A with n load combinations, written by the
    // examples' generator.
    void Generate(int n) {
        const std::string cmd = "DATA='" + dir.file("data") + "' '" + WELD_BINARY_DIR + "/bin/make_input' he280a " +
                                std::to_string(n) + " '" + project + "/A001_01.INP' 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
};

// Places on the example HE 280 A page (all-round weld).
constexpr int kPlateThickness[2] = {246, 228};
constexpr int kThroatTop[2] = {270, 512};
constexpr int kThroatAll[2] = {570, 512};
constexpr int kProfileName[2] = {120, 387};

}  // namespace

namespace {

// The record of an input file, and the file written again from it (as the
// file `again`).
std::string Read_And_Write_Again(const std::string& file, testutil::Record* rec, const std::string& again) {
    FILE* f = std::fopen(file.c_str(), "r");
    EXPECT_TRUE(f) << file;
    if (!f) return "";
    EXPECT_EQ(Read_Schweissnaht(f, &rec->r), 0) << file;
    std::fclose(f);
    FILE* w = std::fopen(again.c_str(), "w");
    EXPECT_TRUE(w);
    if (!w) return "";
    EXPECT_EQ(Write_Schweissnaht(w, &rec->r), 0);
    std::fclose(w);
    return testutil::Read_File(again);
}

// Content places of the load-case page: row k's field of column i (0 N,
// 1 My, 2 Vz, 3 Mz, 4 Vy, 5 Mx, 6 the name), and the line that appends a
// row after row k.
constexpr int kLoadColumn[7] = {97, 179, 261, 343, 425, 507, 589};
int Load_Row(int k) { return 140 + 22 * (k - 1); }
int Append_After(int k) { return 133 + 22 * (k - 1) + 22; }

}  // namespace

// Session 1: a new connection from an empty project. It opens without a
// box on the defaults of a new connection (HE280A from the catalogue, the
// annex's partial factors, a 35 mm plate, 5 mm welds, scale 1:5); then a
// 20 mm plate, a weld all round of 7 mm; three load cases typed into the
// table (kN, kNm); the chart evaluates, a
// comment is written in the print control's editor, the list is printed,
// "Ende" saves. The saved file reads back to what was entered and is
// written again byte for byte, and the list the window path wrote is the
// batch path's list of the saved file.
TEST(Sessions, NewConnectionFromAnEmptyProject) {
    Session s;
    s.Snapshot("new_connection_start")
        .Field(246, 211, "20")
        .Click(36, 490)     // "umlaufende Kehlnaht"
        .Field(270, 495, "7")
        .Field(420, 495, "7")
        .Field(570, 495, "7")
        .Snapshot("new_connection")
        .Tab(110);
    // N, My, Vz, Mz, Vy, Mx in kN and kNm, and the name.
    const char* rows[3][7] = {{"100", "50", "80", "", "", "", "LK 1"},
                              {"-200", "", "", "20", "30", "", "LK 2"},
                              {"", "-60", "-100", "", "", "5", "LK 3"}};
    for (int k = 1; k <= 3; ++k) {
        if (k > 1) s.Click(70, Append_After(k - 1));
        for (int i = 0; i < 7; ++i)
            if (rows[k - 1][i][0]) s.Field(kLoadColumn[i], Load_Row(k), rows[k - 1][i]);
    }
    s.Snapshot("loads_page").Tab(181);
    // Print control: the comment editor ("Vorbemerkungen" on the centred
    // sheet, the editor's field, "bestätigen"), then OK.
    s.Button(BUTTON_PRINT_CONTROL).Line("click 510 305").Line("click 400 450");
    for (char c : std::string("Halle 3")) s.Line("key " + std::to_string(static_cast<int>(c)));
    s.Line("click 904 371").Line("key 13");
    s.Button(BUTTON_PRINT).Button(BUTTON_END).Line("key 13");
    ASSERT_EQ(s.Run_Script("A001"), 1) << s.err;
    // The only box says where the printed pages are; nothing was refused.
    const std::string printed = "message box \"\": [Die Druckliste wurde als PDF-Datei geschrieben (";
    EXPECT_EQ(s.err.find("message box"), s.err.find(printed)) << s.err;
    EXPECT_NE(s.err.find(s.dir.file("temp/A001_01.pdf") + "] answer 1\n"), std::string::npos) << s.err;
    EXPECT_EQ(s.err.find("message box", s.err.find(printed) + 1), std::string::npos) << s.err;
    EXPECT_TRUE(fs::exists(s.dir.file("temp/A001_01.pdf")));
    testutil::Record saved;
    const std::string input = s.File("A001_01.INP");
    // The record, then the annex the file names behind it.
    EXPECT_EQ(Read_And_Write_Again(s.project + "/A001_01.INP", &saved, s.dir.file("again.INP")) + "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n",
              input);
    const SchweissnahtAnschluss& r = saved.r;
    EXPECT_EQ(r.naht.profile.kind, 1);
    EXPECT_EQ(std::string(r.naht.profile.name).substr(0, 7), "HE280A ");
    EXPECT_EQ(r.naht.profile.h, 270.0);
    EXPECT_EQ(r.naht.plate.t, 20.0);
    EXPECT_EQ(r.naht.all_round, 1);
    EXPECT_EQ(r.naht.weld_kind, 0);
    EXPECT_EQ(r.naht.a_w, 7.0);
    EXPECT_EQ(r.naht.a_w_fo, 7.0);
    EXPECT_EQ(r.naht.a_w_fu, 7.0);
    EXPECT_EQ(r.safety.from_annex, 1);
    EXPECT_EQ(r.safety.gamma_M2, 1.25);
    ASSERT_NE(r.print.vorbemerkungen, nullptr);
    EXPECT_STREQ(r.print.vorbemerkungen, "Halle 3");
    ASSERT_EQ(r.load_count, 3);
    // The table's kN and kNm in N and Nmm.
    const double want[3][6] = {{100e3, 50e6, 0, 0, 80e3, 0}, {-200e3, 0, 20e6, 30e3, 0, 0}, {0, -60e6, 0, 0, -100e3, 5e6}};
    for (int k = 0; k < 3; ++k) {
        const Lastfall& c = r.loads[k];
        const double got[6] = {c.forces.N, c.forces.M_y, c.forces.M_z, c.forces.V_y, c.forces.V_z, c.forces.M_x};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], want[k][i]) << k << " " << i;
        EXPECT_EQ(std::string(c.name), "LK " + std::to_string(k + 1));
    }
    // The batch path on the saved file writes the same list.
    Session batch;
    testutil::Write_File(batch.project + "/A001_01.INP", input);
    ASSERT_EQ(batch.Run("A001 0 1 1 -refresh"), 1) << batch.err;
    EXPECT_EQ(batch.File("A001_01.OLI"), s.File("A001_01.OLI"));
    EXPECT_NE(s.File("A001_01.OLI").find("Halle 3"), std::string::npos);
    s.Expect_Page("new_connection_start");
    s.Expect_Page("new_connection");
    s.Expect_Page("loads_page");
}

// Session 2: the example HE 280 A opened; a load case's moment and the
// upper flange's throat typed and left with Escape (the old values stay),
// then typed again and confirmed, and saved with "Ende". The saved record
// is the example's with exactly these two values changed.
TEST(Sessions, ChangeCancelChangeAgainAndSave) {
    Session s;
    s.Add("he280a_end_plate", "A001");
    s.Tab(110)
        .Click(kLoadColumn[1] + 10, Load_Row(2) - 4)
        .Line("type 27 95")  // My of LK 2, Escape
        .Tab(39)
        .Click(kThroatTop[0] + 10, kThroatTop[1] - 4)
        .Line("type 27 8")  // a_w,fo, Escape
        .Snapshot("input_cancelled")
        .Tab(110)
        .Snapshot("loads_cancelled")
        .Field(kLoadColumn[1], Load_Row(2), "95")
        .Tab(39)
        .Field(kThroatTop[0], kThroatTop[1], "8")
        .Button(BUTTON_END)
        .Line("key 13");
    ASSERT_EQ(s.Run_Script("A001"), 1) << s.err;
    EXPECT_EQ(s.err.find("message box"), std::string::npos) << s.err;  // no box at all
    testutil::Record example, saved;
    std::string want = Read_And_Write_Again(kExamples + "he280a_end_plate/A001_01.INP", &example, s.dir.file("example.INP"));
    example.r.loads[1].forces.M_y = 95e6;  // 95 kNm
    example.r.naht.a_w_fo = 8.0;
    // The page built again keeps the example's profile class (5, "H") and
    // its web welds of 195.999999 mm, a micrometre within the web's
    // straight part h - 2 t_f - 2 r = 270 - 26 - 48.000002 mm.
    FILE* f = std::fopen(s.dir.file("want.INP").c_str(), "w");
    ASSERT_TRUE(f);
    EXPECT_EQ(Write_Schweissnaht(f, &example.r), 0);
    std::fclose(f);
    want = testutil::Read_File(s.dir.file("want.INP"));
    EXPECT_EQ(Read_And_Write_Again(s.project + "/A001_01.INP", &saved, s.dir.file("again.INP")), want);
    EXPECT_EQ(saved.r.loads[1].forces.M_y, 95e6);
    EXPECT_EQ(saved.r.naht.a_w_fo, 7.0 + 1.0);
    // The page and the table showed the old values after the Escape.
    snapshot::Expect_Png_Matches(s.dir.file("input_cancelled.png"), "input_he280a", "weldapp");
    s.Expect_Page("loads_cancelled");
}

// Session 3: the example with 5000 load combinations. The load-case page
// is paged down 101 times on its slider's track (938 pixels a page: row
// 4321's top, 128 + 4320 x 22, is then 430 pixels below the area's top);
// row 4321's N is typed, row 4322 deleted, and "Ende" saves (the list of
// the governing combination). The saved
// file holds 4999 cases, row 4321 with the new N, the others as they were.
// Each pass builds only the rows in view (bench/load_table_bench.cpp
// measures a pass and a keystroke against the rows).
TEST(Sessions, FiveThousandLoadCases) {
    Session s;
    s.Generate(5000);
    testutil::Record before;
    Read_And_Write_Again(s.project + "/A001_01.INP", &before, s.dir.file("before.INP"));
    ASSERT_EQ(before.r.load_count, 5000);
    // The list of the governing combination only, as such a connection is
    // printed (every combination in full would fill some 300 MB).
    before.r.print.ergebnisumfang = 4;
    FILE* f = std::fopen((s.project + "/A001_01.INP").c_str(), "w");
    ASSERT_TRUE(f);
    EXPECT_EQ(Write_Schweissnaht(f, &before.r), 0);
    std::fclose(f);
    s.Tab(110);
    for (int i = 0; i < 101; ++i) s.Line("click 1258 985");
    const int row_4321 = 128 + 4320 * 22 - 101 * 938;  // its top in the area
    s.Field(kLoadColumn[0], row_4321 + 12, "-17.5")
        .Snapshot("loads_row_4321")
        .Click(57, row_4321 + 5 + 22)  // row 4322's delete icon
        .Button(BUTTON_END)
        .Line("key 13");
    ASSERT_EQ(s.Run_Script("A001"), 1) << s.err;
    testutil::Record saved;
    Read_And_Write_Again(s.project + "/A001_01.INP", &saved, s.dir.file("again.INP"));
    ASSERT_EQ(saved.r.load_count, 4999);
    EXPECT_EQ(saved.r.loads[4320].forces.N, -17500.0);  // -17.5 kN
    EXPECT_EQ(std::string(saved.r.loads[4320].name), "LK 4321");
    EXPECT_EQ(std::string(saved.r.loads[4321].name), "LK 4323");
    for (int k : {0, 4319, 4322, 4998}) {
        const Lastfall& was = before.r.loads[k < 4321 ? k : k + 1];
        const Lastfall& is = saved.r.loads[k];
        EXPECT_EQ(std::string(is.name), std::string(was.name)) << k;
        EXPECT_EQ(is.forces.N, was.forces.N) << k;
        EXPECT_EQ(is.forces.M_y, was.forces.M_y) << k;
        EXPECT_EQ(is.forces.V_z, was.forces.V_z) << k;
    }
    s.Expect_Page("loads_row_4321");
}

// Session 6: the preview of an unsaved change. The example saved with its
// list and plot file; the plate changed from 35 to 20 mm; "Vorschau" shows
// the pages of a list of its own in the temporary directory (with the
// 20 mm), the next page, closed with Escape; the window closed without
// saving: the input file, the list and the plot file are those of before,
// byte for byte.
TEST(Sessions, PreviewLeavesTheSavedFilesAlone) {
    Session s;
    s.Add("he280a_end_plate", "A001");
    ASSERT_EQ(s.Run("A001 0 1 1 -refresh"), 1) << s.err;
    const std::string saved[3] = {s.File("A001_01.INP"), s.File("A001_01.OLI"), s.File("A0010001.SPF")};
    ASSERT_FALSE(saved[2].empty());
    s.Field(kPlateThickness[0], kPlateThickness[1], "20")
        .Button(BUTTON_PREVIEW)
        .Snapshot("preview_page1")
        .Line("key 0x151")
        .Snapshot("preview_page2")
        .Line("key 27")
        .Line("close")
        .Line("answer yes");
    EXPECT_EQ(s.Run_Script("A001"), 0) << s.err;
    EXPECT_EQ(s.File("A001_01.INP"), saved[0]);
    EXPECT_EQ(s.File("A001_01.OLI"), saved[1]);
    EXPECT_EQ(s.File("A0010001.SPF"), saved[2]);
    const std::string plate = "Platte: Dicke t\xCE\\p\xCEr = ";
    EXPECT_NE(saved[1].find(plate + "35.0 mm"), std::string::npos);
    EXPECT_NE(testutil::Read_File(s.dir.file("temp/A001_01.OLI")).find(plate + "20.0 mm"), std::string::npos);
    // The viewer showed two different pages (their text is the renderer's,
    // looked at, not compared).
    EXPECT_NE(testutil::Read_File(s.dir.file("preview_page1.png")), testutil::Read_File(s.dir.file("preview_page2.png")));
}

// Session 7: the preview of the example as it was opened is the list the
// batch path writes of its input file, byte for byte: the page holds the
// catalogue's single-precision values of HE 280 A, the file six decimals,
// and a label placed by a difference in the seventh digit moved.
TEST(Sessions, PreviewIsTheListOfTheSavedInput) {
    Session s;
    s.Add("he280a_end_plate", "A001");
    s.Button(BUTTON_PREVIEW).Line("key 27").Line("close").Line("answer yes");
    EXPECT_EQ(s.Run_Script("A001"), 0) << s.err;
    const std::string preview = testutil::Read_File(s.dir.file("temp/A001_01.OLI"));
    ASSERT_FALSE(preview.empty());
    ASSERT_EQ(s.Run("A001 0 1 1 -refresh"), 1) << s.err;
    EXPECT_TRUE(s.File("A001_01.OLI") == preview);
}

// Session 5: closing with unsaved changes. The close box asks and says that
// unsaved edits are lost; "yes" ends with exit code 0 and the input file as
// it was; "no", and the box left with its default (Enter's answer), go on
// editing with the change kept (saved with "Ende").
TEST(Sessions, ClosingWithUnsavedChanges) {
    for (const char* answer : {"answer yes", "answer no", ""}) {
        Session s;
        s.Add("he280a_end_plate", "A001");
        const std::string before = s.File("A001_01.INP");
        s.Field(kPlateThickness[0], kPlateThickness[1], "30").Line("close").Line(answer);
        const bool give_up = std::string(answer) == "answer yes";
        if (!give_up) s.Button(BUTTON_END).Snapshot("end_dialog").Line("key 13");
        const int code = s.Run_Script("A001");
        EXPECT_TRUE(s.Said("message box \"\": [Aktuelle Bearbeitung abbrechen?] [Nicht gespeicherte \x8E"
                           "nderungen gehen dabei verloren.] answer " + std::string(give_up ? "1" : "0")))
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

// Session 4: letters in a number, a throat far above what the plate allows
// (taken; the evaluation judges it), an emptied profile name: each refusal
// gets its message and the field keeps its old value. The load-case table
// cleared: the printed list says that there is no load. Closing gives the
// work up and nothing is saved.
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
        .Tab(110)
        .Click(791, 44)            // "Tabelle löschen"
        .Line("answer yes")        // its question: the loads go
        .Line("move 700 500")
        .Button(BUTTON_PRINT)
        .Line("close")
        .Line("answer yes");
    EXPECT_EQ(s.Run_Script("A001"), 0) << s.err;
    // No load case left: the printed list says so, and the input file keeps
    // them; the component's own list is not written without saving.
    EXPECT_NE(testutil::Read_File(s.dir.file("temp/A001_01.OLI")).find("keine Belastung vorhanden"), std::string::npos);
    EXPECT_TRUE(fs::exists(s.dir.file("temp/A001_01.pdf")));
    EXPECT_FALSE(s.Exists("A001_01.OLI"));
    EXPECT_TRUE(s.Said("[Die Eingabe \"abc\" ist keine Zahl.] [Der bisherige Wert bleibt erhalten.]")) << s.err;
    EXPECT_TRUE(s.Said("[Gew\x84hlter Profiltyp ist in der Bibliothek nicht vorhanden.]")) << s.err;
    EXPECT_EQ(s.File("A001_01.INP"), before);
    // The page shows the old thickness, the old name and the new throat.
    s.Expect_Page("input_refused");
}

namespace {

// A connection of the defaults with a profile typed in by its dimensions,
// its single welds 5 mm (slots of the profile) or all round, written as
// the component's input file with the program's own writer.
void Write_Typed_Profile(const std::string& file, int type, double h, double t_w, double b, double t_f,
                         int all_round, int butt) {
    testutil::Record rec;
    SchweissnahtAnschluss& r = rec.r;
    Default_Schweissnaht(&r);
    Nahtbild& n = r.naht;
    Stahlprofil& p = n.profile;
    const Materialparameter_Record grade = p.material;
    Init_Profile(&p);
    p.material = grade;
    p.kind = 0, p.type = type, p.h = h, p.t_w = t_w, p.b_fo = p.b_fu = b, p.t_fo = p.t_fu = t_f;
    p.rolled = 1, p.r_1 = t_w;
    n.all_round = all_round;
    n.weld_kind = butt ? 2 : 0;
    n.full_penetration = all_round && butt;
    n.a_w = n.a_w_fo = n.a_w_fu = 5.0;
    const int count = Get_Profile_Plate_Elements(&p, n.length, n.number);
    n.weld_count = count > 0 ? count : 0;
    for (int k = 0; k < n.weld_count; ++k) n.throat[k] = 5.0;
    Update_Weld_Layout(&n, nullptr, 0);
    FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_TRUE(f);
    EXPECT_EQ(Write_Schweissnaht(f, &r), 0);
    std::fclose(f);
}

}  // namespace

// The input page of every profile family with its preview: the three
// examples (HE 280 A all round, a rectangular hollow section all round,
// a flat bar with single welds) and typed-in profiles: an angle, a channel
// with butt welds, a tee and a Z with single welds, a tube all round and a
// round bar with a full-penetration butt weld.
TEST(Sessions, InputPageOfEveryProfileFamily) {
    struct Page {
        const char* name;
        const char* example;  // or a typed profile:
        int type;
        double h, t_w, b, t_f;
        int all_round, butt;
    } pages[] = {
        {"input_he280a", "he280a_end_plate", 0, 0, 0, 0, 0, 0, 0},
        {"input_rhs", "rhs_160x80", 0, 0, 0, 0, 0, 0, 0},
        {"input_flat_bar", "flat_bar", 0, 0, 0, 0, 0, 0, 0},
        {"input_angle", nullptr, 3, 120, 10, 80, 10, 0, 0},
        {"input_channel", nullptr, 12, 200, 8.5, 75, 11.5, 0, 1},
        {"input_tee", nullptr, 11, 120, 10, 120, 12, 0, 0},
        {"input_z", nullptr, 14, 160, 8, 70, 10, 0, 0},
        {"input_tube", nullptr, 9, 168.3, 8, 0, 0, 1, 0},
        {"input_round_bar", nullptr, 2, 60, 0, 0, 0, 1, 1},
    };
    for (const Page& page : pages) {
        Session s;
        std::string id = "A001";
        if (page.example) {
            id = std::string(page.example) == "rhs_160x80" ? "B001" : std::string(page.example) == "flat_bar" ? "C001" : "A001";
            s.Add(page.example, id);
        } else {
            testutil::ScopedEnv data("DATA", s.dir.file("data"));
            Write_Typed_Profile(s.project + "/A001_01.INP", page.type, page.h, page.t_w, page.b, page.t_f,
                                page.all_round, page.butt);
        }
        s.Snapshot(page.name);
        EXPECT_EQ(s.Run_Script(id), 0) << page.name << s.err;
        // The only box: the question when the script ends (the window closed).
        EXPECT_EQ(s.err, kScriptEndsTheRun) << page.name;
        s.Expect_Page(page.name);
    }
}

// The buttons of the main sheet and the register: help in each state (a
// box names the topic), the chart (which evaluates), preview with more than
// ten load cases (the question once: Break writes nothing, the second
// preview is not asked and its viewer is closed with Escape), print (the
// PDF in TEMP), plot (the plan editor gets the component), the annex, the
// data exchange through TEMP, and "Ende".
TEST(Sessions, ButtonsOfTheMainSheet) {
    Session s;
    s.Generate(12);
    const std::string editor = s.dir.file("exec/Linarium.exe");
    testutil::Write_File(editor, "#!/bin/sh\necho \"$@\" > \"$TEMP/linarium.args\"\n");
    fs::permissions(editor, fs::perms::owner_all);
    s.Button(BUTTON_HELP)
        .Tab(110)
        .Button(BUTTON_HELP)
        .Tab(181)
        .Snapshot("chart")
        .Button(BUTTON_HELP)
        .Button(BUTTON_PREVIEW)
        .Snapshot("many_loadcases")
        .Line("key 27")
        .Button(BUTTON_PREVIEW)
        .Line("key 27")  // the viewer closed
        .Button(BUTTON_PRINT)
        .Button(BUTTON_PLOT)
        .Button(BUTTON_ANNEX)
        .Line("key 27")  // the annex selection sheet left as it was
        .Tab(39)
        .Click(35, 142)   // "Daten exportieren"
        .Click(225, 142)  // "Daten importieren"
        .Button(BUTTON_END)
        .Line("key 13");
    EXPECT_EQ(s.Run_Script("A001"), 1) << s.err;
    // Each help names its topic in a box: the help viewer is not here.
    for (const char* topic : {"kx417_register1", "kx417_register4", "kx417_register5"})
        EXPECT_TRUE(s.Said(std::string("message box \"Hilfe\": [Hilfe zum Thema \"") + topic +
                           "\" (Hilfedatei WLDH_156.HLP)] [Das Hilfeprogramm ist nicht Teil dieser Umgebung.] answer 1"))
            << topic << s.err;
    EXPECT_TRUE(s.Exists("A001_01.OLI"));
    EXPECT_TRUE(fs::exists(s.dir.file("temp/A001_01.pdf")));
    EXPECT_EQ(testutil::Read_File(s.dir.file("temp/linarium.args")), "A001\n");
    EXPECT_TRUE(fs::exists(s.dir.file("temp/Q7-NAXIT#export.dat")));
    EXPECT_TRUE(s.Said("[Die Daten wurden erfolgreich exportiert.]")) << s.err;
    EXPECT_TRUE(s.Said("[Die Daten wurden erfolgreich importiert.]")) << s.err;
    s.Expect_Page("chart");
    s.Expect_Page("many_loadcases");
}

// A new connection of a channel welded on one side, as the user who found
// it worked it: profile "u140", a_w1 3, l_w2 20, then "u160". l_w2 came back
// as U 160's full 41.5 without a word and was saved so; now what was typed
// stays where it fits. A load-case name "Wind~Sog" came back from the file
// as "Wind Sog" (the files store a blank as "~"): the field refuses it with a
// box that names it, and "Wind Sog" typed then is stored and read back. The
// lengths are the catalogue's to the digit: U 160's outer flange 65 and
// web 160 (they were 65.000001 and the like); its web inside lies between
// the root fillets of its flanges sloped 8 %, t_f at b / 2 from the tip:
// 160 - 2 (10.5 + 0.08 (65 - 7.5 - 10.5 - 32.5) + 10.5 sqrt(1 + 0.08^2)) =
// 115.6129 (the plates' face 118, which the check cuts to it).
TEST(Sessions, AnotherProfileAndATildeOfANewConnection) {
    Session s;
    s.Field(265, 370, "u140")
        .Field(124, 593, "3")  // a_w1
        .Field(523, 593, "20")  // l_w2
        .Field(265, 370, "u160")
        .Tab(110)
        .Field(kLoadColumn[6], Load_Row(1), "Wind~Sog")
        .Field(kLoadColumn[6], Load_Row(1), "Wind Sog")
        .Button(BUTTON_END)
        .Line("key 13");
    ASSERT_EQ(s.Run_Script("A001"), 1) << s.err;
    EXPECT_EQ(s.err,
              "message box \"Eingabefehler\": [Das Zeichen \"~\" kann nicht eingegeben werden:] [in der Eingabedatei "
              "steht es f\x81r ein Leerzeichen und k\x84me als Leerzeichen zur\x81" "ck.] [Der bisherige Text bleibt "
              "erhalten.] answer 1\n");
    testutil::Record saved;
    const std::string input = s.File("A001_01.INP");
    EXPECT_EQ(Read_And_Write_Again(s.project + "/A001_01.INP", &saved, s.dir.file("again.INP")) +
                  "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n",
              input);
    const Nahtbild& n = saved.r.naht;
    EXPECT_EQ(std::string(n.profile.name, 5), "U160 ");
    // By weld number: throat and length.
    const double web = 160 - 2 * (10.5 + 0.08 * (65 - 7.5 - 10.5 - 32.5) + 10.5 * std::sqrt(1 + 0.08 * 0.08));
    const double want[4][2] = {{3.0, 65.0}, {5.0, 20.0}, {5.0, 160.0}, {5.0, web}};
    for (int number = 1; number <= 4; ++number) {
        int k = 0;
        while (k < NAHT_SLOTS && n.number[k] != number) ++k;
        ASSERT_LT(k, NAHT_SLOTS) << number;
        EXPECT_EQ(n.throat[k], want[number - 1][0]) << number;
        if (number < 4) EXPECT_EQ(n.length[k], want[number - 1][1]) << number;
        else EXPECT_NEAR(n.length[k], web, 1e-4);
    }
    EXPECT_NE(input.find("\n 5.000000 160.000000 3\n"), std::string::npos) << input;
    EXPECT_NE(input.find("\n 5.000000 115.6129"), std::string::npos) << input;
    EXPECT_EQ(std::string(saved.r.loads[0].name), "Wind Sog");
}
