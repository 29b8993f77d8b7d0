// The connection record and its input file: hand-written files of every
// weld-part version read into the expected record and written back, the
// refusals of damaged files, the weld layout and the save that keeps the
// old file when the disc is full or the new file would not read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/filenames.h"
#include "codes/annex_fixture.h"
#include "codes/nad.h"
#include "platform/msgbox.h"
#include "printlist/list_capture.h"
#include "profiles/profile_catalogue.h"
#include "printlist/verdict_lines.h"
#include "support/testutil.h"
#include "weldapp/program_context.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"

using testutil::Fixture;
using testutil::Read_File;
using testutil::Stream_With;

namespace {

using testutil::Record;

int Read_Text(const std::string& text, SchweissnahtAnschluss* r) {
    return testutil::Read_With(Read_Schweissnaht, text, r);
}

std::string Written(SchweissnahtAnschluss* r) { return testutil::Written_With(Write_Schweissnaht, r); }

std::string Fixture_Text(int version) { return Read_File(Fixture("weldapp/weld_part_v" + std::to_string(version) + ".inp")); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// What the fixtures hold, version by version (the weld-part table of the
// file layout: older versions lack fields that then take fixed values).
struct VersionExpect {
    int version;
    int shear_split, no_throat_check;
    double a_w_fo, a_w_fu;
    int short_welds, full_penetration;
};
const VersionExpect kVersions[] = {
    {0, 1, 0, 7.0, 7.0, 0, 0}, {1, 2, 1, 7.0, 7.0, 0, 0}, {2, 2, 1, 8.0, 9.0, 0, 0}, {3, 2, 1, 8.0, 9.0, 0, 0},
    {4, 2, 1, 8.0, 9.0, 0, 0}, {5, 2, 1, 8.0, 9.0, 1, 0}, {6, 2, 1, 8.0, 9.0, 1, 1},
};

void Expect_Record(const SchweissnahtAnschluss& r, const VersionExpect& e) {
    SCOPED_TRACE(e.version);
    EXPECT_EQ(r.section_check, 1);
    EXPECT_EQ(r.weld_method, 1);
    EXPECT_DOUBLE_EQ(r.gamma_M, 1.1);
    EXPECT_DOUBLE_EQ(r.safety.gamma_M2, 1.25);
    const Nahtbild& n = r.naht;
    EXPECT_EQ(n.uniform_grade, 1);
    EXPECT_EQ(n.profile.type, 4);
    EXPECT_DOUBLE_EQ(n.profile.h, 300.0);
    EXPECT_DOUBLE_EQ(n.plate.t, 20.0);
    EXPECT_EQ(n.weld_count, 3);
    const double throat[3] = {6, 5, 4}, length[3] = {200, 90, 250};
    const int number[3] = {1, 2, 4};
    for (int k = 0; k < NAHT_SLOTS; ++k) {
        // Slots behind the count are empty; the dropped rows (9s) of the
        // oldest versions never land in a slot.
        EXPECT_DOUBLE_EQ(n.throat[k], k < 3 ? throat[k] : 0.0) << k;
        EXPECT_DOUBLE_EQ(n.length[k], k < 3 ? length[k] : 0.0) << k;
        EXPECT_EQ(n.number[k], k < 3 ? number[k] : 0) << k;
    }
    EXPECT_DOUBLE_EQ(n.a_w, 7.0);
    EXPECT_EQ(n.weld_kind, 0);
    EXPECT_EQ(n.full_length, 1);
    EXPECT_DOUBLE_EQ(n.contact_fraction, 0.75);
    EXPECT_EQ(r.shear_split, e.shear_split);
    EXPECT_EQ(n.no_throat_check, e.no_throat_check);
    EXPECT_DOUBLE_EQ(n.a_w_fo, e.a_w_fo);
    EXPECT_DOUBLE_EQ(n.a_w_fu, e.a_w_fu);
    EXPECT_EQ(r.short_welds, e.short_welds);
    EXPECT_EQ(n.full_penetration, e.full_penetration);
    ASSERT_EQ(r.load_count, 2);
    EXPECT_STREQ(r.loads[0].name, "Stütze"_cp);
    EXPECT_STREQ(r.loads[1].name, "");
    EXPECT_DOUBLE_EQ(r.loads[0].forces.M_y, 2e7);
    EXPECT_DOUBLE_EQ(r.loads[0].forces.V_z, 5000.0);
    EXPECT_DOUBLE_EQ(r.loads[1].forces.M_x, 250000.0);
    EXPECT_EQ(r.load_unit, 1);
    EXPECT_EQ(r.print.ergebnisumfang, 3);
    EXPECT_DOUBLE_EQ(r.print.toleranz, 2.5);
}

}  // namespace

TEST(InputFile, EveryWeldPartVersionReadsWritesAndReadsBack) {
    for (const VersionExpect& e : kVersions) {
        Record first, second;
        ASSERT_EQ(Read_Text(Fixture_Text(e.version), &first.r), 0) << e.version;
        Expect_Record(first.r, e);
        const std::string written = Written(&first.r);
        ASSERT_EQ(Read_Text(written, &second.r), 0) << e.version;
        Expect_Record(second.r, e);
        EXPECT_EQ(Written(&second.r), written) << e.version;
    }
    // Files of the original program end their lines with CRLF.
    std::string crlf;
    for (char c : Fixture_Text(6)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Record r;
    ASSERT_EQ(Read_Text(crlf, &r.r), 0);
    Expect_Record(r.r, kVersions[6]);
}

TEST(InputFile, DamagedFilesAreRefusedWithoutBoxesInBatchMode) {
    testutil::AnnexTree annex;  // the file's annex is readable: its only boxes are the refusals'
    // and so is the profile file the defaults of a new connection take theirs from
    std::filesystem::copy_file(WELD_PROFIL_FILE, annex.dir.file("DATA/PROFIL"));
    Reset_Profile_Catalogue();
    const std::string v6 = Fixture_Text(6);
    const std::string newer_print = "!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\n"
                                    "Bitte aktualisieren Sie das Programm.";
    struct Case {
        const char* what;
        std::string text;
        int result;
        const char* message;  // box shown outside batch mode, null for none
    } cases[] = {
        {"weld count 21", Replace(v6, " 0 3\n", " 0 21\n"), 1, nullptr},
        {"weld count -1", Replace(v6, " 0 3\n", " 0 -1\n"), 1, nullptr},
        {"head version 1", Replace(v6, " 0\n 0 1 1 1", " 1\n 0 1 1 1"), 1, newer_print.c_str()},
        {"weld part 7", Replace(v6, " 6\n 1\n 2\n", " 7\n 1\n 2\n"), 1, newer_print.c_str()},
        {"newer print block", Replace(v6, " 7\n 1 0 1 1 3", " 8\n 1 0 1 1 3"), 1, newer_print.c_str()},
        {"load count beyond the file", Replace(v6, " 2\n 2\n St", " 2\n 2000000000\n St"), 1, nullptr},
        {"preface beyond the file", Replace(v6, "2.500000\n 0\n", "2.500000\n 100000 abc\n"), 1, nullptr},
        {"weld number too large", Replace(v6, "200.000000 1\n", "200.000000 99999999999\n"), 1, nullptr},
        {"throat nan", Replace(v6, " 6.000000 200", " nan 200"), 1, nullptr},
        {"cut short", v6.substr(0, v6.size() / 2), 1, nullptr},
        {"defaults asked for", " -1\n", 2, nullptr},
    };
    for (int batch = 0; batch <= 1; ++batch) {
        for (const Case& c : cases) {
            VEK_Set_Batch_Mode(batch);
            VEK_Clear_Recorded_Messages();
            Record r;
            EXPECT_EQ(Read_Text(c.text, &r.r), c.result) << c.what;
            const auto& boxes = VEK_Recorded_Messages();
            if (batch || !c.message) {
                EXPECT_TRUE(boxes.empty()) << c.what;
            } else {
                ASSERT_EQ(boxes.size(), 1u) << c.what;
                std::string shown;
                for (const auto& line : boxes[0].lines) shown += (shown.empty() ? "" : "\n") + line;
                EXPECT_EQ(shown, c.message) << c.what;
            }
        }
    }
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
}

TEST(InputFile, UProfileOfVersionTwoGetsTheOrientationNotice) {
    testutil::AnnexTree annex;
    std::string text = Replace(Fixture_Text(2), "\n 0 4 300.000000", "\n 0 12 300.000000");
    VEK_Clear_Recorded_Messages();
    Record r;
    EXPECT_EQ(Read_Text(text, &r.r), 0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Die Orientierung des U-Profils hat sich geändert"_cp);
}

// Partial and full penetration of butt welds on an I profile with 10 mm
// flanges and an 8 mm web (the thicknesses are reduced by max(0.2 t, 3 mm)
// while the throat check is on; welded from both sides: half of it).
TEST(WeldLayout, ButtWeldThroatsFollowThePlateThicknesses) {
    struct Case {
        const char* what;
        double t_fo;
        int full_penetration, no_throat_check;
        double throat0, throat1;  // 0 means the slot is not present
        double expect0, expect1;
    } cases[] = {
        {"both sides, check on: (10 - 3) / 2", 10, 0, 0, 9, 9, 3.5, 3.5},
        {"one side, check on: 10 - 3", 10, 0, 0, 9, 0, 7.0, 0.0},
        {"both sides, check off: 10 / 2", 10, 0, 1, 9, 9, 5.0, 5.0},
        {"one side, check off: 10", 10, 0, 1, 12, 0, 10.0, 0.0},
        {"20 mm flange, one side: 20 - 4", 20, 0, 0, 30, 0, 16.0, 0.0},
        {"full penetration: half the flange", 10, 1, 0, 2, 2, 5.0, 5.0},
        {"negative throat becomes 0", 10, 0, 0, -2, 0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        Nahtbild n{};
        Init_Profile(&n.profile);
        n.profile.type = 4;
        n.profile.h = 300;
        n.profile.t_w = 8;
        n.profile.b_fo = n.profile.b_fu = 200;
        n.profile.t_fo = n.profile.t_fu = c.t_fo;
        n.weld_kind = 2;
        n.full_penetration = c.full_penetration;
        n.no_throat_check = c.no_throat_check;
        n.throat[0] = c.throat0;
        n.throat[1] = c.throat1;
        n.length[0] = n.length[1] = 100;
        n.number[0] = 1;
        n.number[1] = 2;
        n.number[9] = 9;
        Update_Weld_Layout(&n, nullptr, 0);
        EXPECT_DOUBLE_EQ(n.throat[0], c.expect0) << c.what;
        EXPECT_DOUBLE_EQ(n.throat[1], c.expect1) << c.what;
        EXPECT_EQ(n.number[9], 0) << c.what;  // not all-round: slots 8..13 go
    }
    // A round tube is always welded all round; a rectangular tube with full
    // penetration gets its wall thicknesses.
    Nahtbild tube{};
    tube.profile.type = 9;
    Update_Weld_Layout(&tube, nullptr, 0);
    EXPECT_EQ(tube.all_round, 1);
    Nahtbild box{};
    box.profile.type = 8;
    box.profile.h = 200;
    box.profile.b_fo = 100;
    box.profile.t_fo = 12;
    box.profile.t_w = 6;
    box.weld_kind = 2;
    box.full_penetration = 1;
    Update_Weld_Layout(&box, nullptr, 0);
    EXPECT_DOUBLE_EQ(box.throat[0], 12.0);
    EXPECT_DOUBLE_EQ(box.throat[3], 12.0);
    EXPECT_DOUBLE_EQ(box.throat[1], 6.0);
    EXPECT_DOUBLE_EQ(box.throat[2], 6.0);
    // A face the profile does not number (a tee's lower flange) keeps its
    // throat for the profile that numbers it again; the numbered face of the
    // 10 mm flange, welded from one side, is cut to 10 - 3 = 7.
    Nahtbild tee{};
    Init_Profile(&tee.profile);
    tee.profile.type = PROFILTYP_T;
    tee.profile.h = 150, tee.profile.t_w = 8, tee.profile.b_fo = 150, tee.profile.t_fo = 10;
    tee.weld_kind = 2;
    for (int k : {WELD_FACE_TOP_OUTER, WELD_FACE_BOTTOM_OUTER}) tee.throat[k] = 12, tee.length[k] = 100;
    tee.number[WELD_FACE_TOP_OUTER] = 1;
    Update_Weld_Layout(&tee, nullptr, 0);
    EXPECT_DOUBLE_EQ(tee.throat[WELD_FACE_TOP_OUTER], 7.0);
    EXPECT_DOUBLE_EQ(tee.throat[WELD_FACE_BOTTOM_OUTER], 12.0);
}

TEST(Connection, CopyTakesInputsAndNotResults) {
    Record a, b;
    ASSERT_EQ(Read_Text(Fixture_Text(6), &a.r), 0);
    a.r.max_utilisation = 0.9;
    a.r.results[0].U_w.U = 0.9;
    Copy_Schweissnaht(&a.r, &b.r);
    Expect_Record(b.r, kVersions[6]);
    EXPECT_EQ(b.r.max_utilisation, 0.0);
    EXPECT_EQ(b.r.results[0].U_w.U, 0.0);
    Copy_Schweissnaht(&a.r, &a.r);  // nothing, nothing freed
    Expect_Record(a.r, kVersions[6]);
    Reset_Schweissnaht(nullptr);
}

namespace {

// A component in a temporary directory: the path prefix points into it.
struct Component {
    testutil::TempDir dir;
    Component() {
        const std::string id = dir.file("K1");
        const char* argv[] = {"schweissnaht", id.c_str(), "0", "3", "7"};
        EXPECT_EQ(Set_Program_Context(5, argv), 1);
        Reset_NAD_Registry();
    }
    ~Component() {
        Free_Schweissnaht(&Schweissnaht_Anschluss);
        Reset_NAD_Registry();
    }
    std::string Input() const { return dir.file("K1_03.INP"); }
};

}  // namespace

TEST(InputFile, AnnexEntryIsTakenOnlyBehindTheRecord) {
    Component c;
    // A preface line that begins with the keyword is text, not the entry.
    const std::string preface = "Hinweis\nACTIV_NADNAME\n\xAE" "EC-Standardparameter\xAF";
    std::string text = Replace(Fixture_Text(6), "2.500000\n 0\n",
                               "2.500000\n " + std::to_string(preface.size()) + " " + preface + "\n");
    testutil::Write_File(c.Input(), text + "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n");
    Load_Input_File();
    ASSERT_NE(Schweissnaht_Anschluss.print.vorbemerkungen, nullptr);
    EXPECT_EQ(std::string(Schweissnaht_Anschluss.print.vorbemerkungen), preface);
    // The name the project asks for is what goes back into the file.
    FILE* f = std::tmpfile();
    Write_ACTIV_NADNAME(f);
    EXPECT_EQ(testutil::Stream_All(f), "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n");
    std::fclose(f);
}

TEST(InputFile, SaveIsWholeOrKeepsTheOldFile) {
    Component c;
    const std::string old = Fixture_Text(6);
    testutil::Write_File(c.Input(), old);
    Load_Input_File();
    ASSERT_EQ(Schweissnaht_Anschluss.load_count, 2);
    {
        // A full disc: the first kilobyte goes, the rest does not.
        testutil::ScopedFileSizeLimit full(1024);
        EXPECT_EQ(Save_Input_File(), 0);
    }
    EXPECT_EQ(Read_File(c.Input()), old);
    EXPECT_EQ(Save_Input_File(), 1);
    Record back;
    FILE* f = std::fopen(c.Input().c_str(), "r");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Read_Schweissnaht(f, &back.r), 0);
    std::fclose(f);
    Expect_Record(back.r, kVersions[6]);
    EXPECT_NE(Read_File(c.Input()).find("\n\nACTIV_NADNAME\n"), std::string::npos);
}

// The boxes of a failed save, each as its lines; other boxes (the annex
// warnings of a bare test tree) left out.
std::vector<std::vector<std::string>> Save_Boxes() {
    std::vector<std::vector<std::string>> boxes;
    for (const auto& box : VEK_Recorded_Messages())
        if (!box.lines.empty() && box.lines[0].rfind("Die Eingabedaten ", 0) == 0) boxes.push_back(box.lines);
    return boxes;
}

// A record holding what its file cannot hold (an infinity, a NaN, a
// tolerance beyond the sheet's 10 %): the save wrote it ("inf"), the next
// run refused the file and took the defaults, and the whole input was lost.
// Now the new file is read back before it replaces the old one: the old
// file stays byte for byte, no temporary stays, the record is kept as it
// was, and the box names the file, the line and what stands there up to the
// refused value. A save that reads back leaves the record as the file gives
// it back (six decimals). A failed write names its cause (a full disc).
TEST(InputFile, SaveNeverReplacesAFileItsReaderRefuses) {
    Component c;
    const std::string old = Fixture_Text(6);
    testutil::Write_File(c.Input(), old);
    auto line_of = [&](const std::string& token) {
        const size_t at = old.find(token);
        EXPECT_NE(at, std::string::npos) << token;
        return std::to_string(1 + std::count(old.begin(), old.begin() + static_cast<long>(at), '\n'));
    };
    using R = SchweissnahtAnschluss;
    struct Case {
        const char* what;
        void (*damage)(R&);
        std::string reason;  // behind "Eingabedatei K1_03.INP: "
    } cases[] = {
        {"N of load case 1 infinite", [](R& r) { r.loads[0].forces.N = INFINITY; },
         "die neue Datei w\x84re nicht lesbar, Zeile " + line_of(" 100000.000000 20000000") + ": \xAEinf\xAF"},
        {"M_x of load case 2 no number", [](R& r) { r.loads[1].forces.M_x = NAN; },
         "die neue Datei w\x84re nicht lesbar, Zeile " + line_of(" -50000.000000") +
             ": \xAE... 0.000000 0.000000 1000000.000000 0.000000 nan\xAF"},
        {"throat of weld 1 no number", [](R& r) { r.naht.throat[0] = NAN; },
         "die neue Datei w\x84re nicht lesbar, Zeile " + line_of(" 6.000000 200.000000 1") + ": \xAEnan\xAF"},
        {"tolerance 12 %", [](R& r) { r.print.toleranz = 12.0; },
         "die neue Datei w\x84re nicht lesbar, Zeile " + line_of(" 1 0 1 1 3 5.000000") +
             ": Toleranz des Endergebnisses = 12 % ung\x81ltig (nicht zwischen 0 und 10 %)"},
        {"disc full: the first kilobyte goes, the rest does not", [](R&) {},
         "Gr\x94\xE1" "engrenze f\x81r Dateien erreicht"},
    };
    for (const Case& k : cases) {
        Load_Input_File();
        k.damage(Schweissnaht_Anschluss);
        const std::string record = Written(&Schweissnaht_Anschluss);
        VEK_Clear_Recorded_Messages();
        const bool full = k.damage == cases[4].damage;
        {
            std::optional<testutil::ScopedFileSizeLimit> limit;
            if (full) limit.emplace(1024);
            EXPECT_EQ(Save_Input_File(), COMPONENT_FILE_FAILED) << k.what;
        }
        EXPECT_TRUE(Read_File(c.Input()) == old) << k.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c.dir.path()), {}), 1) << k.what;
        EXPECT_TRUE(Written(&Schweissnaht_Anschluss) == record) << k.what;
        EXPECT_EQ(Save_Boxes(), (std::vector<std::vector<std::string>>{
                                    {"Die Eingabedaten konnten nicht gespeichert werden!",
                                     "Eingabedatei K1_03.INP: " + k.reason,
                                     full ? "Die bisherige Datei bleibt erhalten."
                                          : "Die bisherige Datei und die Eingaben bleiben erhalten."}}))
            << k.what;
    }
    Load_Input_File();
    Schweissnaht_Anschluss.loads[0].forces.N = 1.23456789;
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Save_Input_File(), COMPONENT_FILE_DONE);
    EXPECT_TRUE(Save_Boxes().empty());
    EXPECT_EQ(Schweissnaht_Anschluss.loads[0].forces.N, 1.234568);
}

TEST(InputFile, UnreadableFileIsKeptBeforeTheFirstSave) {
    Component c;
    const std::string damaged = Replace(Fixture_Text(6), " 0 3\n", " 0 21\n");
    testutil::Write_File(c.Input(), damaged);
    VEK_Clear_Recorded_Messages();
    Load_Input_File();
    // Beside the annex warnings of a bare test tree, the read error box,
    // which names the count with its range.
    int read_error_boxes = 0;
    for (const auto& box : VEK_Recorded_Messages())
        read_error_boxes += box.title == "Lesefehler" && box.lines.size() == 5 &&
                            box.lines[0] == "Die Eingabedaten können nicht gelesen werden!"_cp &&
                            box.lines[2].find(": Anzahl der N\x84hte = 21 ung\x81ltig (nicht zwischen 0 und 20)") !=
                                std::string::npos;
    EXPECT_EQ(read_error_boxes, 1);
    EXPECT_EQ(Schweissnaht_Anschluss.print.massstab, 5.0);  // the defaults
    EXPECT_EQ(Save_Input_File(), 1);
    EXPECT_EQ(Read_File(c.Input() + ".bak"), damaged);
    EXPECT_NE(Read_File(c.Input()), damaged);
    // A missing file: at the screen the defaults of a new connection (the
    // twelve slots of HE280A, the annex's factors), silently (a batch run
    // ends: FailedRuns.InputThatCannotBeReadReplacesTheVerifiedList).
    std::remove(c.Input().c_str());
    VEK_Clear_Recorded_Messages();
    Load_Input_File();
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(Schweissnaht_Anschluss.naht.weld_count, 12);
    EXPECT_EQ(Schweissnaht_Anschluss.safety.from_annex, 1);
}

#include "profiles/catalogue_fixture.h"

// The weld grade table has strengths up to 80 mm (the MH/MLH grades up to
// 40 mm); a plate beyond its grade's range gets the line that says so and
// fails the input, whether or not profile and plate share one grade.
TEST(WeldLayout, EveryPlateIsCheckedForTheRangeOfItsThickness) {
    struct Case {
        int grade;  // of the weld grade table
        double t;
        const char* line;  // empty: none
    } const cases[] = {
        {2, 120, "Stahldicke t = 120.0 mm > 80 mm: Materialparameter überprüfen (ggf. vorgeben)  "_cp},
        {23, 50, "Stahlgüte S355 MH/MLH: keine Festigkeitswerte für t = 50.0 mm > 40 mm, Materialparameter vorgeben  "_cp},
        {2, 80, ""},
        {23, 40, ""},
    };
    for (const Case& c : cases) {
        for (int uniform : {0, 1}) {
            SCOPED_TRACE(std::to_string(c.grade) + ", t " + std::to_string(c.t) + (uniform ? ", one grade" : ""));
            Nahtbild n{};
            Init_Profile(&n.profile);
            n.profile.type = PROFILTYP_FLACH;
            n.profile.h = 100;
            n.profile.t_w = 10;
            n.uniform_grade = uniform;
            Default_Material_Params(&n.plate.material);
            n.plate.material.grade = c.grade;
            n.plate.t = c.t;
            Copy_Material_Params(&n.plate.material, &n.profile.material);
            ListCapture l;
            EXPECT_EQ(Update_Weld_Layout(&n, l.f(), 0), *c.line ? 1 : 0);
            const std::vector<std::string> lines = Text_Lines(l.Take());
            const long want = *c.line ? 1 : 0;
            EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(c.line) + NotOk()), want);
        }
    }
}

// A new connection: HE280A on a 35 mm plate; every slot the profile lists
// (the I family: twelve, of which the layout keeps 0..7 without all-round
// welding) gets a 5 mm throat; one load case; picture scale 5.
TEST(Connection, DefaultsOfANewConnection) {
    testutil::CatalogueTree tree;
    Record r;
    Default_Schweissnaht(&r.r);
    const Nahtbild& n = r.r.naht;
    EXPECT_STREQ(n.profile.name, "HE280A");
    EXPECT_DOUBLE_EQ(n.plate.t, 35.0);
    EXPECT_EQ(n.weld_count, 12);
    for (int k = 0; k < 12; ++k) EXPECT_DOUBLE_EQ(n.throat[k], 5.0) << k;
    for (int k = 0; k < 8; ++k) EXPECT_GT(n.number[k], 0) << k;
    for (int k = 8; k < 14; ++k) EXPECT_EQ(n.number[k], 0) << k;
    EXPECT_DOUBLE_EQ(n.a_w_fo, 5.0);
    EXPECT_DOUBLE_EQ(n.contact_fraction, 0.75);
    EXPECT_DOUBLE_EQ(r.r.gamma_M, 1.1);
    EXPECT_EQ(r.r.safety.from_annex, 1);
    EXPECT_EQ(r.r.load_count, 1);
    EXPECT_EQ(r.r.governing_case, -1);
    EXPECT_DOUBLE_EQ(r.r.print.massstab, 5.0);
}

// The current version written as the writer writes it: a file of 20,000
// load cases reads and is written back byte for byte.
TEST(InputFile, TwentyThousandLoadCasesWriteBackByteForByte) {
    std::string cases = " 2\n 20000\n";
    for (int i = 0; i < 20000; ++i) {
        std::string name = "LK~" + std::to_string(i);
        name.resize(40, '~');
        char forces[128];
        std::snprintf(forces, sizeof forces, " %d.000000 %d.500000 0.000000 0.000000 -%d.250000 1.000000\n", i,
                      2 * i, i);
        cases += " " + name + "\n" + forces;
    }
    cases += " 3\n";
    const std::string v6 = Fixture_Text(6);
    const size_t from = v6.find(" 2\n 2\n St"), to = v6.find(" 7\n 1 0 1 1 3");
    const std::string text = v6.substr(0, from) + cases + v6.substr(to);
    Record r;
    ASSERT_EQ(Read_Text(text, &r.r), 0);
    ASSERT_EQ(r.r.load_count, 20000);
    EXPECT_STREQ(r.r.loads[19999].name, "LK 19999");
    EXPECT_EQ(r.r.loads[19999].forces.V_y, -19999.25);
    EXPECT_EQ(r.r.load_unit, 3);
    EXPECT_TRUE(Written(&r.r) == text);
    Record fixture;
    ASSERT_EQ(Read_Text(v6, &fixture.r), 0);
    EXPECT_TRUE(Written(&fixture.r) == v6);
}
