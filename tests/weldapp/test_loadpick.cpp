// Internal forces from another component: LoadPick's answer read into the
// result store, and the load-case page's import run end to end with the
// stand-in tools (component selection, LoadPick reading a stand-in result
// file of 6,000 results, the archive extractor), value by value.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>
#include <regex>
#include <string>
#include <sys/wait.h>

#include "base/cp850.h"
#include "base/vekexport.h"
#include "platform/desktop.h"
#include "support/scoped_fifo.h"
#include "weldapp/desktop_fixture.h"
#include "weldapp/loadpick.h"
#include "weldapp/record_fixture.h"

using testutil::Read_File;
using testutil::Write_File;

namespace {

int Read_Answer(const std::string& text, int cuts = 0) {
    FILE* f = testutil::Stream_With(text);
    const int n = Read_LoadPick_Answer(f, cuts);
    std::fclose(f);
    return n;
}

const std::string kTwoResults =
    "V:1\n2 6\n1 2 3 4 5 6\n7 0.5 \xAE" "Stab 1\xAF \xAE\xAF\n-1 -2 -3 -4 -5 -6\n8 1.5 \xAE" "a\xAF \xAE" "b\xAF\n";

TEST(LoadPickAnswer, ResultsTextsAndInfo) {
    const std::string info = "2 Info\n\xAE" "K1\xAF \xAE" "i2\xAF \xAE\xAF \xAE" "i4\xAF \xAE" "i5\xAF\n"
                             "\xAE" "K2\xAF \xAE\xAF \xAE\xAF \xAE\xAF \xAE" "z\xAF\n";
    ASSERT_EQ(Read_Answer(kTwoResults + info), 2);
    float v[6];
    ASSERT_EQ(Get_CutResult_Values(1, v), 1);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(v[k], -(k + 1.0f));
    EXPECT_EQ(Get_CutResult_Id(0), 7);
    EXPECT_EQ(Get_CutResult_Value(1), 1.5f);
    EXPECT_STREQ(Get_CutResult_Text1(0), "Stab 1");
    EXPECT_EQ(Get_CutResult_Text2(0), nullptr);  // «» gives no text
    EXPECT_STREQ(Get_CutResult_Text2(1), "b");
    EXPECT_STREQ(Get_CutResult_Info1(0), "K1");
    EXPECT_STREQ(Get_CutResult_Info4(0), "i4");
    EXPECT_EQ(Get_CutResult_Info3(0), nullptr);
    EXPECT_STREQ(Get_CutResult_Info5(1), "z");
    EXPECT_EQ(Get_CutResult_Id(2), 0);  // out of range
    // A last info text of 255 characters could only be taken cut: it stays
    // null (found by fuzzing).
    const std::string long_info = "2 Info\n\xAE" "K1\xAF \xAE\xAF \xAE\xAF \xAE\xAF \xAE\xAF\n\xAE\xAF \xAE\xAF \xAE\xAF \xAE\xAF \xAE" +
                                  std::string(255, 'x') + "\xAF\n";
    ASSERT_EQ(Read_Answer(kTwoResults + long_info), 2);
    EXPECT_STREQ(Get_CutResult_Info1(0), "K1");
    EXPECT_EQ(Get_CutResult_Info5(1), nullptr);
    // An "Info" count that differs from n: the results stand, no info.
    ASSERT_EQ(Read_Answer(kTwoResults + "3 Info\n\xAE" "K1\xAF"), 2);
    EXPECT_EQ(Get_CutResult_Info1(0), nullptr);
    Release_Cut_Results();
    EXPECT_EQ(Get_CutResult_Id(0), 0);
    EXPECT_EQ(Get_CutResult_Count(), 0);
}

TEST(LoadPickAnswer, DamagedAnswersAreRefused) {
    const std::string long_text(255, 'x');
    const struct {
        const char* why;
        std::string text;
    } cases[] = {
        {"no version", "2 6\n1 2 3 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n"},
        {"no results", "V:1\n0 6\n"},
        {"no values", "V:1\n1 0\n7 0.5 \xAE\xAF \xAE\xAF\n"},
        {"more results than the table holds", "V:1\n10001 6\n"},
        {"more results than the file holds", "V:1\n900 6\n1 2 3 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n"},
        {"text without guillemet", "V:1\n1 6\n1 2 3 4 5 6\n7 0.5 Stab \xAE\xAF\n"},
        {"a text of 255 characters", "V:1\n1 6\n1 2 3 4 5 6\n7 0.5 \xAE" + long_text + "\xAF \xAE\xAF\n"},
        {"a value that is no number", "V:1\n1 6\n1 2 nan 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n"},
        {"a value beyond float", "V:1\n1 6\n1 2 1e39 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n"},
        {"cut short", "V:1\n2 6\n1 2 3 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n1 2 3\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read_Answer(c.text), 0) << c.why;
        EXPECT_EQ(Get_CutResult_Count(), 0) << c.why;
    }
    // A text of 254 characters is the longest taken.
    ASSERT_EQ(Read_Answer("V:1\n1 6\n1 2 3 4 5 6\n7 0.5 \xAE" + long_text.substr(1) + "\xAF \xAE\xAF\n"), 1);
    EXPECT_EQ(std::strlen(Get_CutResult_Text1(0)), 254u);
}

TEST(LoadPickAnswer, MultiCutAnswer) {
    // Two cuts announced, but no exchange objects behind them.
    const std::string text = "V:1\nMULTICUT 7\n2\nRESULTS\n1 0\n1 2 3 4 5 6 7 8 9 10 11 12\n3 0 \xAE\xAF \xAE\xAF\n";
    EXPECT_EQ(Read_Answer(text, 2), 0);  // the objects cannot be read
    EXPECT_EQ(Read_Answer(text, 3), 0);  // not the number of cuts asked for
    testing::internal::CaptureStdout();
    EXPECT_EQ(Import_BeamCutMultiResults_Pick(1, 2, 3, 4, 11, nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
}

// Two cuts, each an exchange object of its own, with one and two results
// of 6 x 2 = 12 values each; no "Info" section.
TEST(LoadPickAnswer, MultiCutAnswerWithTwoCuts) {
    const std::string text =
        "V:1\nMULTICUT 7\n2\n"
        "\n0x3 1 \xAE" "Schnitt 1\xAF 11 0\n0\n0 0 0\n"
        "\n0x3 2 \xAE" "Schnitt 2\xAF 12 0\n0\n0 0 0\n"
        "RESULTS\n1 2\n"
        "1 2 3 4 5 6 7 8 9 10 11 12\n4 0.25 \xAE" "a\xAF \xAE\xAF\n"
        "-1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12\n5 0.5 \xAE\xAF \xAE" "b\xAF\n"
        "0.5 0 0 0 0 0 0 0 0 0 0 12.5\n6 0.75 \xAE\xAF \xAE\xAF\n";
    ASSERT_EQ(Read_Answer(text, 2), 3);
    EXPECT_EQ(Get_CutResult_Value_Count(), 12);
    EXPECT_EQ(Get_Cut_Result_Count(0), 1);
    EXPECT_EQ(Get_Cut_Result_Count(1), 2);
    EXPECT_EQ(Get_Cut_Result_Count(2), 0);
    const struct {
        int k, nr, id;
        const char* name;
    } cuts[] = {{0, 1, 11, "Schnitt 1"}, {1, 2, 12, "Schnitt 2"}};
    for (const auto& c : cuts) {
        const VEKExportObject* o = Get_Cut_ExportObject(c.k);
        ASSERT_NE(o, nullptr) << c.k;
        EXPECT_EQ(o->head.type, 3);
        EXPECT_EQ(o->head.nr, c.nr);
        EXPECT_EQ(o->head.id, c.id);
        EXPECT_STREQ(o->head.name, c.name);
    }
    EXPECT_EQ(Get_Cut_ExportObject(2), nullptr);
    EXPECT_EQ(Get_Cut_ExportObject(-1), nullptr);
    float v[12];
    ASSERT_EQ(Get_CutResult_Values(2, v), 1);
    EXPECT_EQ(v[0], 0.5f);
    EXPECT_EQ(v[11], 12.5f);
    EXPECT_EQ(Get_CutResult_Id(1), 5);
    EXPECT_EQ(Get_CutResult_Value(2), 0.75f);
    EXPECT_STREQ(Get_CutResult_Text1(0), "a");
    EXPECT_STREQ(Get_CutResult_Text2(1), "b");
    EXPECT_EQ(Get_CutResult_Info1(0), nullptr);
    Release_Cut_Results();
    EXPECT_EQ(Get_Cut_ExportObject(0), nullptr);
    EXPECT_EQ(Get_Cut_Result_Count(1), 0);
}

// ---- the import from a component ----

// The stand-in result file of a frame component: three members with two
// sections each and 1,000 load cases, every value an exact binary fraction
// so that float and double agree.
double Value(int member, int section, int lc, int k) {
    switch (k) {
        case 0: return (lc - 500) * 0.25 + member;      // N
        case 1: return lc * 0.5;                        // Vy
        case 2: return -lc * 0.125 + section;           // Vz
        case 3: return lc * 0.0625;                     // Mx
        case 4: return (1000 - lc) * 0.75;              // My
        default: return -section * lc * 0.25;           // Mz
    }
}

std::string Result_File(int cases) {
    std::string text = "EX2 Rahmen R1\n";
    char line[200];
    for (int m = 1; m <= 3; ++m)
        for (int s = 1; s <= 2; ++s)
            for (int lc = 1; lc <= cases; ++lc) {
                std::snprintf(line, sizeof line, "R %d %d %d %.10g %.10g %.10g %.10g %.10g %.10g\n", m, s, lc,
                              Value(m, s, lc, 0), Value(m, s, lc, 1), Value(m, s, lc, 2), Value(m, s, lc, 3),
                              Value(m, s, lc, 4), Value(m, s, lc, 5));
                text += line;
            }
    return text;
}

struct ImportDesk : testutil::Desktop {
    ImportDesk() {
        Tool("PartPick.exe", testutil::kPartPickTitle);
        Tool("LoadPick.exe", testutil::kLoadPickTitle, WELD_STANDIN_LOADPICK);
        Init_Schweissnaht(&Schweissnaht_Anschluss);
    }
    void Component(const std::string& stem, const std::string& archive = "") {
        Write_File(Temp("PartPick.exe.answer"),
                   "0 0\n\xAERahmen R1\xAF \xAE\xAF \xAE" "Export 3.1\xAF \xAE" + stem + "\xAF \xAE\xAF \xAE\xAF\n" +
                       (archive.empty() ? "0\n" : "1 \xAE" + archive + "\xAF\n"));
    }
    std::string Record_Bytes() { return testutil::Written_With(Write_Schweissnaht, &Schweissnaht_Anschluss); }
    std::string Protocol() { return Read_File(dir.file("K1_03.EXP")); }
    // A FIFO or a folder as the tool's answer (the stand-in links it in).
    void Answer_No_File(const std::string& tool, bool fifo) {
        std::filesystem::remove(Temp(tool + ".answer"));
        if (fifo) no_file = std::make_unique<testutil::ScopedFifo>(Temp(tool + ".answer"));
        else std::filesystem::create_directory(Temp(tool + ".answer"));
    }
    std::unique_ptr<testutil::ScopedFifo> no_file;
};

TEST(LoadPickImport, ThousandLoadCasesValueByValue) {
    ImportDesk d;
    Write_File(d.dir.file("R1.EX2"), Result_File(1000));
    d.Component(d.dir.file("R1"));
    Write_File(d.Temp("LoadPick.sel"), "pick 2 1 1 1000\n");
    SchweissnahtAnschluss& r = Schweissnaht_Anschluss;
    ASSERT_EQ(Import_Component_Loads(&r), 1000);
    EXPECT_EQ(d.Arguments("LoadPick"), d.dir.file("R1") + ".EX2\n10000\n4159\n1\n58\n");
    EXPECT_EQ(d.Arguments("PartPick.exe"), "3\n");
    // The one blank case of a new record is taken by the first import.
    ASSERT_EQ(r.load_count, 1000);
    for (int i = 0; i < 1000; ++i) {
        const Lastfall& c = r.loads[i];
        const int lc = i + 1;
        char name[48];
        std::snprintf(name, sizeof name, "Import Lk %-30d", lc);
        ASSERT_STREQ(c.name, name);
        ASSERT_EQ(c.forces.N, Value(2, 1, lc, 0) * 1000.0) << lc;
        ASSERT_EQ(c.forces.V_y, Value(2, 1, lc, 1) * 1000.0) << lc;
        ASSERT_EQ(c.forces.V_z, Value(2, 1, lc, 2) * 1000.0) << lc;
        ASSERT_EQ(c.forces.M_x, Value(2, 1, lc, 3) * 1e6) << lc;
        ASSERT_EQ(c.forces.M_y, Value(2, 1, lc, 4) * 1e6) << lc;
        ASSERT_EQ(c.forces.M_z, Value(2, 1, lc, 5) * 1e6) << lc;
    }
    EXPECT_TRUE(std::regex_match(Read_File(d.dir.file("K1_03.EXP")),
                                 std::regex("VEK-Export-Bauteil: Rahmen R1 \\(letzte Aktion: Export 3.1\\)\n"
                                            "Kontrollpunkt: Stab 2 / Schnitt 1\n"
                                            "Import erfolgreich: [0-3][0-9]\\.[01][0-9]\\.[0-9][0-9] "
                                            "[0-2][0-9]:[0-5][0-9]\n-{22}\n")));
    EXPECT_EQ(Get_CutResult_Count(), 0);  // the store is released
    EXPECT_FALSE(std::filesystem::exists(d.Temp("PartPick.tmp")));
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

TEST(LoadPickImport, EmptyRowsAtTheTopAreFilledTheRestAppended) {
    ImportDesk d;
    Write_File(d.dir.file("R1.EX2"), Result_File(3));
    d.Component(d.dir.file("R1"));
    Write_File(d.Temp("LoadPick.sel"), "pick 1 2 1 2\n");
    SchweissnahtAnschluss& r = Schweissnaht_Anschluss;
    Alloc_Lasten(&r, 3);
    r.load_unit = 1;        // kN / kNcm
    r.loads[0].forces.M_y = 90.0;   // 0.009 kNcm: empty in the table's units
    r.loads[1].forces.N = 5000.0;  // 5 kN: the first row with load
    ASSERT_EQ(Import_Component_Loads(&r), 2);
    ASSERT_EQ(r.load_count, 4);
    EXPECT_STREQ(r.loads[0].name, "Import Lk 1                             ");
    EXPECT_EQ(r.loads[1].forces.N, 5000.0);
    EXPECT_EQ(r.loads[2].forces.N, 0.0);
    EXPECT_STREQ(r.loads[3].name, "Import Lk 2                             ");
    // My of lc 2 at member 1: (1000 - 2) * 0.75 = 748.5 kNm, shown as
    // 74850 kNcm and held as 7.485e8 Nmm.
    EXPECT_EQ(r.loads[3].forces.M_y, 748.5e6);
    EXPECT_EQ(r.loads[3].forces.M_y * 1e-4, 74850.0);
    // With N and Nmm as the table's unit the forces still arrive in N: 1 kN
    // of LoadPick is 1000 N, never 1 N.
    r.load_unit = 3;
    Alloc_Lasten(&r, 1);
    r.load_unit = 3;
    ASSERT_EQ(Import_Component_Loads(&r), 2);
    EXPECT_EQ(r.loads[0].forces.V_y, 500.0);  // lc 1: 0.5 kN
}

TEST(LoadPickImport, PackedComponentFromItsArchive) {
    ImportDesk d;
    d.Tool("7za", "7za", WELD_STANDIN_7ZA);
    const std::string ex2 = Result_File(2);
    Write_File(d.dir.file("R1.7z"), "STANDIN-7Z\nF 3 proj/README\nabc\nF " + std::to_string(ex2.size()) +
                                        " proj/AAAA.EX2\n" + ex2);
    d.Component("unused", d.dir.file("R1.7z"));
    Write_File(d.Temp("LoadPick.sel"), "pick 3 2 1 2\n");
    ASSERT_EQ(Import_Component_Loads(&Schweissnaht_Anschluss), 2);
    EXPECT_EQ(Schweissnaht_Anschluss.loads[1].forces.N, Value(3, 2, 2, 0) * 1000.0);
    EXPECT_EQ(d.Arguments("LoadPick").substr(0, d.Temp("AAAA.EX2").size()), d.Temp("AAAA.EX2"));
    EXPECT_FALSE(std::filesystem::exists(d.Temp("AAAA.EX2")));  // removed after LoadPick closed
}

TEST(LoadPickImport, FailuresLeaveTheTableAndTheProtocolAsTheyWere) {
    const struct {
        const char* why;
        const char* title;  // of the box shown, "" for none
        void (*setup)(ImportDesk&);
        const char* reason = "";  // the box's last line, if given
    } cases[] = {
        {"LoadPick not installed", "Installationsproblem",
         [](ImportDesk& d) { std::filesystem::remove(d.Exec("LoadPick.exe")); }},
        {"LoadPick ends with an error", "Werkzeugfehler",
         [](ImportDesk& d) { Write_File(d.Temp("LoadPick.sel"), "fail 3\n"); }},
        {"the user cancels; an old answer lies in TEMP", "",
         [](ImportDesk& d) {
             Write_File(d.Temp("LoadPick.sel"), "cancel\n");
             Write_File(d.Temp("LoadPick.res"), kTwoResults);
         }},
        {"no component chosen", "", [](ImportDesk& d) { std::filesystem::remove(d.Temp("PartPick.exe.answer")); }},
        {"a damaged answer of the component selection", "Lesefehler",
         [](ImportDesk& d) { Write_File(d.Temp("PartPick.exe.answer"), "0 0\n\xAE" "R1\xAF Rest\n"); }},
        {"a damaged answer of LoadPick", "Lesefehler",
         [](ImportDesk& d) {
             d.Tool("LoadPick.exe", testutil::kLoadPickTitle);
             Write_File(d.Temp("LoadPick.exe.answer"), "V:1\n2 6\n1 2 3\n");
         }},
        // Answers that are no file: refused at once, never waited for.
        {"the component selection answers with a FIFO", "Lesefehler",
         [](ImportDesk& d) { d.Answer_No_File("PartPick.exe", true); }, "PartPick.tmp: keine Datei"},
        {"the component selection answers with a folder", "Lesefehler",
         [](ImportDesk& d) { d.Answer_No_File("PartPick.exe", false); }, "PartPick.tmp: keine Datei"},
        {"LoadPick answers with a FIFO", "Lesefehler",
         [](ImportDesk& d) {
             d.Tool("LoadPick.exe", testutil::kLoadPickTitle);
             d.Answer_No_File("LoadPick.exe", true);
         },
         "LoadPick.res: keine Datei"},
        {"LoadPick answers with a folder", "Lesefehler",
         [](ImportDesk& d) {
             d.Tool("LoadPick.exe", testutil::kLoadPickTitle);
             d.Answer_No_File("LoadPick.exe", false);
         },
         "LoadPick.res: keine Datei"},
        // Sound, but more than the load table holds: its count, in the
        // words of the text-file reader, not "nicht lesbar".
        {"more results than the load table holds", "Schnittgrößenimport",
         [](ImportDesk& d) {
             d.Tool("LoadPick.exe", testutil::kLoadPickTitle);
             Write_File(d.Temp("LoadPick.exe.answer"), "V:1\n10001 6\n1 2 3 4 5 6\n7 0.5 \xAE\xAF \xAE\xAF\n");
         },
         "10001 Kombinationen, h\x94" "chstens 10000 k\x94" "nnen eingelesen werden"},
        {"results of other than six values", "Schnittgrößenimport",
         [](ImportDesk& d) {
             d.Tool("LoadPick.exe", testutil::kLoadPickTitle);
             Write_File(d.Temp("LoadPick.exe.answer"), "V:1\n1 5\n1 2 3 4 5\n7 0.5 \xAE\xAF \xAE\xAF\n");
         }},
        {"the archive holds a path out of its folder", "Schnittgrößenimport",
         [](ImportDesk& d) {
             d.Tool("7za", "7za", WELD_STANDIN_7ZA);
             Write_File(d.dir.file("R1.7z"), "STANDIN-7Z\nF 3 ../../AAAA.EX2\nabc\n");
             d.Component("unused", d.dir.file("R1.7z"));
         }},
        {"the extractor is missing", "Schnittgrößenimport",
         [](ImportDesk& d) {
             Write_File(d.dir.file("R1.7z"), "STANDIN-7Z\n");
             d.Component("unused", d.dir.file("R1.7z"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ImportDesk d;
        Write_File(d.dir.file("R1.EX2"), Result_File(2));
        d.Component(d.dir.file("R1"));
        Write_File(d.Temp("LoadPick.sel"), "pick 1 1 1 2\n");
        Alloc_Lasten(&Schweissnaht_Anschluss, 2);
        Schweissnaht_Anschluss.loads[1].forces.N = 1234.0;
        const std::string before = d.Record_Bytes();
        c.setup(d);
        EXPECT_EQ(Import_Component_Loads(&Schweissnaht_Anschluss), 0);
        EXPECT_EQ(d.Record_Bytes(), before);
        EXPECT_FALSE(std::filesystem::exists(d.dir.file("K1_03.EXP")));
        if (d.no_file) {
            EXPECT_FALSE(d.no_file->Waited());
        }
        const auto& boxes = VEK_Recorded_Messages();
        if (*c.title) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].title, std::string(c.title) == "Schnittgrößenimport" ? "Schnittgrößenimport"_cp : c.title);
            if (*c.reason) {
                EXPECT_NE(std::find(boxes[0].lines.begin(), boxes[0].lines.end(), c.reason), boxes[0].lines.end());
            }
        } else {
            EXPECT_TRUE(boxes.empty());
        }
    }
}

TEST(LoadPickImport, AToolAlreadyOpenIsNotStartedAgain) {
    ImportDesk d;
    Write_File(d.Exec("busy"), "#!/bin/sh\nexec sleep 30\n");
    chmod(d.Exec("busy").c_str(), 0755);
    Write_File(d.Exec("busy.title"), testutil::kLoadPickTitle + "\n");
    const char* argv[] = {"busy", nullptr};
    const int pid = VEKSpawnv(2, d.Exec("busy").c_str(), argv);
    ASSERT_GT(pid, 0);
    Write_File(d.dir.file("R1.EX2"), Result_File(2));
    d.Component(d.dir.file("R1"));
    Write_File(d.Temp("LoadPick.sel"), "pick 1 1 1 2\n");
    EXPECT_EQ(Import_Component_Loads(&Schweissnaht_Anschluss), 0);
    kill(pid, SIGKILL);
    EXPECT_FALSE(std::filesystem::exists(d.Temp("LoadPick.args")));
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Das VEK-Werkzeug zur Auswahl von Schnittgrößen-"_cp,
                                        "sätzen ist bereits aktiv. Bitte schließen Sie"_cp,
                                        "das Fenster und versuchen es erneut."}));
    // The same component again: asked, and taken on yes.
    while (FindVEKWindow(testutil::kLoadPickTitle.c_str(), 26)) {
    }
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Import_BeamCutResults_Pick(10000, 4159, 1, 58), 2);
    ASSERT_FALSE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines, (std::vector<std::string>{"Gleiches Bauteil", "(Rahmen R1)", "wie zuvor?"}));
    EXPECT_STREQ(Get_LoadPick_Component_Stem(), d.dir.file("R1").c_str());
}

}  // namespace
