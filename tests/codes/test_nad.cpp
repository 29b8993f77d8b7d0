// The annex registry and annex files on a temporary DATA/DRAM tree: lazy
// activation, user annexes, the fallbacks and how they are reported, the
// "ACTIV_NADNAME" keyword, and the annex-file container.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/stat.h>

#include "codes/nad.h"
#include "codes/nad_file.h"
#include "platform/msgbox.h"
#include "support/testutil.h"

namespace {

namespace fs = std::filesystem;
using testutil::Read_File;
using testutil::ScopedEnv;
using testutil::TempDir;
using testutil::Write_File;

std::string Shipped(const std::string& name) { return Read_File(std::string(WELD_SOURCE_DIR) + "/data/NAD/" + name); }

// A user annex file with the given id, name and EN 1993 gamma_M1.
std::string User_Annex(int id, const std::string& name, double gamma_M1, int variant = 0) {
    char zo3[200];
    std::snprintf(zo3, sizeof zo3, " 4 1.0 %.2f 1.25 1.0 1.0 1.25 0 1.0\n 0.4 0.75 0 1.0 1 1.0\n", gamma_M1);
    return "NAD/Version 1\n\n " + std::to_string(id) + " \xAE" + name + "\xAF " + std::to_string(variant) +
           "\n\n\n#ZO3\n ZO3-1 Parameter\n" + zo3 +
           " ZO3-8 Parameter\n 4 1.3 1.0 1.0 1.0 1.1 1.1\n 3 1.2\n 1.0 1.15 1.15 1.35\n 1.0\n";
}

class NadRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "DATA" / "NAD");
        fs::create_directories(dir.path() / "DRAM" / "NADS");
        Write_File(dir.file("DATA/NAD/Standard.NAD"), Shipped("Standard.NAD"));
        Write_File(dir.file("DATA/NAD/Deutschland.NAD"), Shipped("Deutschland.NAD"));
        Reset_NAD_Registry();
        VEK_Set_Batch_Mode(1);
        VEK_Clear_Recorded_Messages();
    }
    void TearDown() override {
        VEK_Set_Batch_Mode(0);
        VEK_Clear_Recorded_Messages();
        Reset_NAD_Registry();
    }
    void User(int n, const std::string& text) { Write_File(dir.file("DRAM/NADS/" + std::to_string(n) + ".NAD"), text); }

    TempDir dir;
    ScopedEnv data{"DATA", dir.file("DATA")};
    ScopedEnv dram{"DRAM", dir.file("DRAM")};
};

TEST_F(NadRegistry, FreshProcessActivatesDeutschland) {
    const NAD_EC3_Block* b = Get_NAD_EC3();
    ASSERT_NE(b, nullptr);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M0, 1.0);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M2_acc, 1.15);
    EXPECT_EQ(b->variant, 1);  // from the head line: the national beta_w rule
    const NAD_Record* r = Get_Current_NAD_Record();
    EXPECT_EQ(r->id, 18);
    EXPECT_EQ(r->user, 0);
    EXPECT_STREQ(r->name, "Deutschland");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_STREQ(Get_Active_NAD_Display_Name(), "Deutschland");
    EXPECT_EQ(Get_Active_NAD_Id(), 18);
    EXPECT_EQ(NAD_Load_Failed(), 0);
    // The other blocks take the German values of the shipped file's
    // sections only once their readers exist; until then they keep
    // their recommended values.
    EXPECT_DOUBLE_EQ(Get_NAD_EC9()->gamma_M1, 1.1);
    EXPECT_EQ(Get_NAD_EC9()->variant, 1);
    EXPECT_EQ(Get_NAD_List()->count, 2);
}

TEST_F(NadRegistry, StandardSetLoadsItsOwnFile) {
    Set_Active_NAD_By_Name("EC-Standardparameter");
    const NAD_Record* r = Get_Current_NAD_Record();
    EXPECT_EQ(r->id, 19);
    EXPECT_STREQ(r->name, "EC-Standardparameter");  // from the file, not "EC-Standard"
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.0);
    EXPECT_EQ(Get_NAD_EC3()->variant, 0);
    EXPECT_STREQ(Get_Active_NAD_Display_Name(), "EC-Standardparameter");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
}

TEST_F(NadRegistry, UserAnnexSwitchesAndIsShownAsUserDefined) {
    User(1, User_Annex(42, "Meine Norm", 1.05, 3));
    Set_Active_NAD_By_Name("Meine Norm");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.05);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_8.gamma_M3, 1.3);
    EXPECT_EQ(Get_NAD_EC3()->variant, 3);
    EXPECT_EQ(Get_Current_NAD_Record()->user, 1);
    EXPECT_EQ(Get_Active_NAD_Id(), 42);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meine Norm");
    EXPECT_STREQ(Get_Active_NAD_Display_Name(), "Meine Norm (benutzerdefiniert)");
    // The active name itself may be handed back in.
    Set_Active_NAD_By_Name(Get_Active_NAD_Name());
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meine Norm");
    // And back: the annex file is read again, nothing is cached.
    Set_Active_NAD_By_Name("Deutschland");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.1);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
}

TEST_F(NadRegistry, GapsEndTheListAndFirstOfTwoNamesWins) {
    User(1, User_Annex(30, "Doppelt", 1.01));
    User(2, User_Annex(31, "Doppelt", 1.02));
    User(4, User_Annex(32, "Unerreichbar", 1.03));
    Scan_NAD_List();
    const NAD_List* l = Get_NAD_List();
    ASSERT_EQ(l->count, 4);
    EXPECT_STREQ(l->names[0], "EC-Standardparameter");
    EXPECT_STREQ(l->names[1], "Deutschland");
    EXPECT_EQ(l->file_numbers[3], 2);
    EXPECT_EQ(l->ids[3], 31);
    Set_Active_NAD_By_Name("Doppelt");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.01);
    testing::internal::CaptureStderr();
    Set_Active_NAD_By_Name("Unerreichbar");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_STREQ(NAD_Unknown_Name(), "Unerreichbar");
    EXPECT_NE(err.find("Unerreichbar"), std::string::npos);
}

// A name that no annex carries ("Standard" is only the file name of the
// standard set) is an input error: no other annex stands in for it, the
// record holds the recommended values (gamma_M1 1.0, not the German 1.1),
// the registry answers for the standard set, the project keeps its choice,
// and the checks are told by NAD_Unknown_Name.
TEST_F(NadRegistry, UnknownAnnexInBatchModeIsAnInputError) {
    for (const char* name : {"Standard", "Gibt es nicht"}) {
        SCOPED_TRACE(name);
        Set_Active_NAD_By_Name("Deutschland");
        EXPECT_STREQ(NAD_Unknown_Name(), "");
        testing::internal::CaptureStderr();
        Set_Active_NAD_By_Name(name);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_STREQ(NAD_Unknown_Name(), name);
        EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
        EXPECT_EQ(Get_Active_NAD_Id(), NAD_ID_STANDARD);
        EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.0);
        EXPECT_EQ(Get_NAD_EC3()->variant, 0);
        EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
        EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
        EXPECT_EQ(err, "NAD \"" + std::string(name) + "\" nicht gefunden: Nachweise werden nicht gef\x81hrt\n");
        FILE* f = std::tmpfile();
        EXPECT_EQ(Write_ACTIV_NADNAME(f), 1);
        std::rewind(f);
        EXPECT_EQ(testutil::Stream_All(f), "\n\nACTIV_NADNAME\n\xAE" + std::string(name) + "\xAF\n");
        std::fclose(f);
    }
    // Choosing an annex that exists ends the error.
    Set_Active_NAD_By_Name("Deutschland");
    EXPECT_STREQ(NAD_Unknown_Name(), "");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.1);
}

// In the window path the warning is the warning sheet (its session is a
// test of the selection sheet's): no box, and the name stays unknown when
// the sheet is just closed.
TEST_F(NadRegistry, UnknownAnnexInWindowPathWarnsThatNothingIsChecked) {
    VEK_Set_Batch_Mode(0);
    Set_Active_NAD_By_Name("Gibt es nicht");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
    EXPECT_STREQ(NAD_Unknown_Name(), "Gibt es nicht");
}

TEST_F(NadRegistry, LocalDefinitionsStandForDeutschlandSilently) {
    VEK_Set_Batch_Mode(0);
    Set_Active_NAD_By_Name("lokale Definitionen");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
    Set_Active_NAD_By_Name(nullptr);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
}

TEST_F(NadRegistry, ActivNadnameRoundTrip) {
    User(1, User_Annex(42, "Meine Norm", 1.05));
    Set_Active_NAD_By_Name("Meine Norm");
    const std::string path = dir.file("proj.INP");
    FILE* f = std::fopen(path.c_str(), "w");
    std::fputs("KOPF\n 1 2 3", f);
    EXPECT_EQ(Write_ACTIV_NADNAME_Entry(f), 1);
    std::fclose(f);
    EXPECT_EQ(Read_File(path), "KOPF\n 1 2 3\n\nACTIV_NADNAME\n\xAEMeine Norm\xAF\n");

    Set_Active_NAD_By_Name("Deutschland");
    f = std::fopen(path.c_str(), "r");
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meine Norm");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.05);
}

TEST_F(NadRegistry, ActivNadnameReadsCrlfFilesAndDefaultsSilently) {
    User(1, User_Annex(42, "Meine Norm", 1.05));
    const std::string path = dir.file("crlf.INP");
    Write_File(path, "KOPF\r\n\r\nACTIV_NADNAME\r\n  \xAEMeine Norm\xAF\r\n");
    FILE* f = std::fopen(path.c_str(), "r");
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Meine Norm");

    Write_File(path, "KOPF\nACTIV_NADNAME\nkein Name\n");
    VEK_Set_Batch_Mode(0);
    f = std::fopen(path.c_str(), "r");
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
}

TEST_F(NadRegistry, LongNamesAreMatchedWholeAndCutOnlyInFixedFields) {
    const std::string longname(90, 'L');
    User(1, User_Annex(50, longname, 1.07));
    User(2, User_Annex(51, longname.substr(0, 40), 1.08));  // same first 40 characters
    Set_Active_NAD_By_Name(longname.c_str());
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.07);
    EXPECT_EQ(std::string(Get_Current_NAD_Record()->name), longname.substr(0, 27));
    EXPECT_EQ(std::string(Get_Active_NAD_Name()), longname);
    const std::string shown = Get_Active_NAD_Display_Name();
    EXPECT_EQ(shown.size(), 63u);
    EXPECT_EQ(shown, longname.substr(0, 63));
    Set_Active_NAD_By_Name(longname.substr(0, 40).c_str());
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.08);

    // A name of 99 characters and more is cut at 99 everywhere it is read,
    // so writing and reading the project keeps the choice.
    Reset_NAD_Registry();
    const std::string huge(150, 'H');
    User(1, User_Annex(52, huge, 1.09));
    const std::string path = dir.file("long.INP");
    Write_File(path, "\n\nACTIV_NADNAME\n\xAE" + huge + "\xAF\n");
    FILE* f = std::fopen(path.c_str(), "r");
    Read_ACTIV_NADNAME(f);
    std::fclose(f);
    EXPECT_EQ(std::string(Get_Active_NAD_Name()), huge.substr(0, 99));
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.09);
}

// A missing annex file is as unreadable as an empty or damaged one: the
// recommended values (gamma_M1 1.0 where the German annex has 1.1) are not
// the annex's, so the checks resting on it are not carried out. Before, a
// missing file let them run ("Nachweis erbracht") while a damaged one did
// not.
TEST_F(NadRegistry, UnreadableAnnexIsReportedAndNotClaimed) {
    const struct {
        const char* text;  // null: no file
        const char* reason;
    } cases[] = {{nullptr, "nicht vorhanden"}, {"", ""}, {"NAD/Version 1\n\n 18 \xAE" "Deutschland\xAF 1\n\n\n#ZO3\n", ""}};
    for (const auto& c : cases) {
        Reset_NAD_Registry();
        fs::remove(dir.file("DATA/NAD/Deutschland.NAD"));
        if (c.text) Write_File(dir.file("DATA/NAD/Deutschland.NAD"), c.text);
        testing::internal::CaptureStderr();
        const NAD_EC3_Block* b = Get_NAD_EC3();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.0);  // recommended values kept
        EXPECT_EQ(NAD_Load_Failed(), 1);
        EXPECT_EQ(NAD_Load_Damaged(), 1) << c.reason;
        EXPECT_STREQ(NAD_Failed_Name(), "Deutschland");
        EXPECT_STREQ(NAD_Failure_Reason(), c.reason);
        EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
        EXPECT_STREQ(Get_Active_NAD_Display_Name(), "EC-Standardparameter");
        EXPECT_EQ(Get_Active_NAD_Id(), 19);
        EXPECT_EQ(err, "NAD \"Deutschland\" nicht lesbar: es gelten die EC-Standardparameter\n" +
                           (*c.reason ? "NAD \"Deutschland\": " + std::string(c.reason) + "\n" : std::string()));
    }
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    // The project keeps its choice for a run where the file is back.
    const std::string path = dir.file("p.INP");
    FILE* f = std::fopen(path.c_str(), "w");
    Write_ACTIV_NADNAME(f);
    std::fclose(f);
    EXPECT_EQ(Read_File(path), "\n\nACTIV_NADNAME\n\xAE" "Deutschland\xAF\n");
}

// A user annex file that cannot be read hides its name: the project's
// annex "Eigen" is in no annex that can be read. Before, it was reported as
// "nicht gefunden"; now as not readable, with the files that cannot be
// read, and the checks resting on it are not carried out.
TEST_F(NadRegistry, UnreadableUserAnnexIsNotReportedAsUnknown) {
    fs::create_directories(dir.file("DRAM/NADS/1.NAD"));          // no file to read
    User(2, "NAD/Version 1\n\n 44 kein Name\n");                     // no name in its head
    User(3, User_Annex(45, "Andere", 1.05));
    testing::internal::CaptureStderr();
    Set_Active_NAD_By_Name("Eigen");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_STREQ(NAD_Unknown_Name(), "");
    EXPECT_EQ(NAD_Load_Damaged(), 1);
    EXPECT_STREQ(NAD_Failed_Name(), "Eigen");
    EXPECT_STREQ(Get_Active_NAD_Name(), "EC-Standardparameter");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.0);
    EXPECT_EQ(err, "NAD \"Eigen\" nicht lesbar: es gelten die EC-Standardparameter\n"
                   "NAD \"Eigen\": nicht gefunden; nicht lesbar: 1.NAD (keine Datei), 2.NAD (kein Name)\n");
    // An annex that can be read is found as before; without unreadable
    // files a name in none is unknown.
    Set_Active_NAD_By_Name("Andere");
    EXPECT_EQ(NAD_Load_Damaged(), 0);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.05);
    fs::remove_all(dir.file("DRAM/NADS"));
    fs::create_directories(dir.file("DRAM/NADS"));
    testing::internal::CaptureStderr();
    Set_Active_NAD_By_Name("Eigen");
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ(NAD_Unknown_Name(), "Eigen");
    EXPECT_EQ(NAD_Load_Damaged(), 0);
    // Straight from a failed annex to an unknown one: no reason of the
    // failure is left behind.
    fs::create_directories(dir.file("DRAM/NADS/1.NAD"));
    testing::internal::CaptureStderr();
    Set_Active_NAD_By_Name("Eigen");
    EXPECT_STRNE(NAD_Failure_Reason(), "");
    fs::remove_all(dir.file("DRAM/NADS/1.NAD"));
    Set_Active_NAD_By_Name("Eigen");
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ(NAD_Unknown_Name(), "Eigen");
    EXPECT_STREQ(NAD_Failure_Reason(), "");
}

TEST_F(NadRegistry, NoAnnexFilesAtAllGiveStandardSetAndWindowMessage) {
    fs::remove_all(dir.file("DATA/NAD"));
    VEK_Set_Batch_Mode(0);
    const NAD_EC3_Block* b = Get_NAD_EC3();
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.0);
    EXPECT_DOUBLE_EQ(b->ec3_8.gamma_M3, 1.25);
    EXPECT_EQ(Get_Current_NAD_Record()->id, 19);
    EXPECT_STREQ(Get_Current_NAD_Record()->name, "EC-Standard");
    EXPECT_DOUBLE_EQ(Get_NAD_EC6()->gamma_M_accidental, 1.5);
    EXPECT_DOUBLE_EQ(Get_NAD_EC2()->gamma_c[3], 1.2);
    EXPECT_DOUBLE_EQ(Get_NAD_EC0()->gamma_building[0][0][0], 1.35);
    EXPECT_DOUBLE_EQ(Get_NAD_EC5()->gamma_M_lvl, 1.2);
    const auto& msgs = VEK_Recorded_Messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].kind, VEK_MSG_SHOW);  // a notice: it takes no scripted answer
    ASSERT_GE(msgs[0].lines.size(), 2u);
    EXPECT_EQ(msgs[0].lines[1], "Deutschland");
    // Choosing the standard set is not a failure: its values are in force.
    Set_Active_NAD_By_Name("EC-Standardparameter");
    EXPECT_EQ(NAD_Load_Failed(), 0);
    EXPECT_EQ(msgs.size(), 1u);
}

TEST_F(NadRegistry, SectionMissingFromTheFileKeepsTheStandardValues) {
    User(1, "NAD/Version 1\n\n 44 \xAEOhne ZO3\xAF 2\n\n\n#EC9\n 0\n 2\n");  // layout 0: no values
    Set_Active_NAD_By_Name("Ohne ZO3");
    EXPECT_EQ(NAD_Load_Failed(), 0);
    EXPECT_STREQ(Get_Active_NAD_Name(), "Ohne ZO3");
    const NAD_EC3_Block* b = Get_NAD_EC3();
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.0);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(b->ec3_8.gamma_M3, 1.25);
    EXPECT_EQ(b->ec3_1.version, 4);  // never read: the standard fill's version
    EXPECT_EQ(b->variant, 2);        // the head line's variant still reaches the block
}

TEST_F(NadRegistry, AnnexWithNegativeIdKeepsItsValuesAcrossQueries) {
    User(1, User_Annex(-3, "Negativ", 1.07));
    Set_Active_NAD_By_Name("Negativ");
    EXPECT_EQ(Get_Current_NAD_Record()->id, -3);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.07);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.07);  // a second query reads the same
    EXPECT_STREQ(Get_Current_NAD_Record()->name, "Negativ");
}

TEST_F(NadRegistry, CurrentRecordExportedAsEc2File) {
    const std::string base = dir.file("export");
    EXPECT_EQ(Write_NAD_EC2_File(base.c_str()), 1);
    const std::string text = Read_File(base + "_EC2.NAD");
    EXPECT_TRUE(text.starts_with("NAD/Version 1\n\n 18 \xAE" "Deutschland\xAF 1\n\n\n#"));
    EXPECT_NE(text.find("\n\n#ZO3\n ZO3-1 Parameter\n"
                        " 4 1.000000 1.100000 1.250000 1.000000 1.000000 1.150000 1 1.000000\n"),
              std::string::npos);
    EXPECT_EQ(Write_NAD_EC2_File(dir.file("no/such/dir/x").c_str()), 0);  // no window, a result
    EXPECT_FALSE(fs::exists(dir.file("no/such/dir/x_EC2.NAD")));
}

TEST_F(NadRegistry, MissingStandardFileGivesTheStandardFillsName) {
    fs::remove(dir.file("DATA/NAD/Standard.NAD"));
    Set_Active_NAD_By_Name("EC-Standardparameter");
    EXPECT_EQ(NAD_Load_Failed(), 0);  // its values are the ones in force
    EXPECT_STREQ(Get_Current_NAD_Record()->name, "EC-Standard");
    EXPECT_EQ(Get_Current_NAD_Record()->id, 19);
    EXPECT_STREQ(Get_Active_NAD_Display_Name(), "EC-Standardparameter");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.0);
}

// Without DRAM the scan says so on the console, once a process (so not
// when an earlier test of the process made it say so already).
TEST_F(NadRegistry, WithoutDramOnlyBuiltInsAreListed) {
    ScopedEnv no_dram("DRAM", std::nullopt);
    User(1, User_Annex(42, "Meine Norm", 1.05));
    testing::internal::CaptureStdout();
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(out.empty() || out == "Safeguard_Proper_Version: ERROR 1\n") << out;
    EXPECT_EQ(Get_NAD_List()->count, 2);
}

// ---- the annex-file container ----

class NadFile : public NadRegistry {};

// The shipped standard set is the golden file of the writer: each of its
// sections was checked line by line against the layouts of the blocks and
// their recommended values (see RecommendedSectionsAsTheirWritersGiveThem
// for the lines quoted whole).
NAD_Record Standard_Record() {
    NAD_Record r{};
    r.id = 19;
    std::snprintf(r.name, sizeof r.name, "%s", "EC-Standardparameter");
    r.variant = 0;
    Default_NAD_Blocks(&r);
    return r;
}

std::string Written(const NAD_Record& r, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "w");
    EXPECT_EQ(Write_NAD_File(f, &r), 1);
    std::fclose(f);
    return Read_File(path);
}

TEST_F(NadFile, StandardRecordIsWrittenAsTheGoldenFileAndReadsBackEqual) {
    const NAD_Record r = Standard_Record();
    const std::string path = dir.file("out.NAD");
    EXPECT_EQ(Written(r, path), Shipped("Standard.NAD"));
    // Read over a record that holds other values in every block: each block
    // must come from the file.
    NAD_Record back{};
    back.variant = 7;
    Default_NAD_EC2_For_Norm(1, &back.ec2);
    Default_NAD_EC3_Variant1(&back.ec3);
    for (auto& s : back.ec0.gamma_building)
        for (auto& a : s) a[0] = a[1] = 9;
    back.ec5.version = 17;
    back.ec5.gamma_M_clt = 9;
    Default_NAD_EC6_Variant1(&back.ec6);
    back.ec9.C = 9;
    FILE* f = std::fopen(path.c_str(), "r");
    ASSERT_EQ(Read_NAD_File(f, &back), 1);
    std::fclose(f);
    EXPECT_EQ(back.id, 19);
    EXPECT_EQ(back.variant, 0);
    EXPECT_EQ(Compare_NAD_EC0(&back.ec0, &r.ec0), 0);
    EXPECT_EQ(Compare_NAD_EC2(&back.ec2, &r.ec2), 0);
    EXPECT_EQ(NAD_EC3_Differs(&back.ec3, &r.ec3), 0);
    EXPECT_EQ(Compare_NAD_EC5(&back.ec5, &r.ec5), 0);
    EXPECT_EQ(Compare_NAD_EC6(&back.ec6, &r.ec6), 1);
    EXPECT_EQ(Compare_NAD_EC9(&back.ec9, &r.ec9), 1);
    EXPECT_EQ(back.ec0.version, 5);
    EXPECT_EQ(back.ec2.version, 18);
    EXPECT_EQ(back.ec5.version, 17);
    EXPECT_EQ(back.ec9.version, 4);
}

TEST_F(NadFile, ShippedGermanSetKeepsEveryByteThroughReadAndWrite) {
    NAD_Record r = Standard_Record();
    ASSERT_EQ(Load_NAD(0, "Deutschland", &r), 1);
    EXPECT_EQ(Written(r, dir.file("de.NAD")), Shipped("Deutschland.NAD"));
    // A save of a user annex keeps every section too.
    EXPECT_EQ(Save_NAD_File(1, &r), 1);
    EXPECT_EQ(Read_File(dir.file("DRAM/NADS/1.NAD")), Shipped("Deutschland.NAD"));
}

// The body of one section of a shipped file, up to the next section.
std::string Section(const std::string& file, const std::string& key) {
    const std::string text = Shipped(file);
    const size_t from = text.find("\n\n" + key + "\n");
    if (from == std::string::npos) return "";
    const size_t body = from + key.size() + 3;
    const size_t to = text.find("\n\n#", body);
    return text.substr(body, to == std::string::npos ? std::string::npos : to - body);
}

TEST(ShippedAnnexFiles, HeadsAndSectionOrder) {
    const std::string s = Shipped("Standard.NAD"), d = Shipped("Deutschland.NAD");
    EXPECT_TRUE(s.starts_with("NAD/Version 1\n\n 19 \xAE" "EC-Standardparameter\xAF 0\n\n\n#EC0\n"));
    EXPECT_TRUE(d.starts_with("NAD/Version 1\n\n 18 \xAE" "Deutschland\xAF 1\n\n\n#EC0\n"));
    for (const std::string& text : {s, d}) {
        size_t last = 0;
        for (const char* key : {"\n\n#EC0\n", "\n\n#EC2\n", "\n\n#ZO3\n", "\n\n#EC5\n", "\n\n#EC6\n", "\n\n#EC9\n"}) {
            const size_t at = text.find(key);
            ASSERT_NE(at, std::string::npos) << key;
            EXPECT_GT(at, last);
            last = at;
        }
        EXPECT_EQ(text.find('\r'), std::string::npos);
    }
}

TEST(ShippedAnnexFiles, RecommendedSectionsAsTheirWritersGiveThem) {
    EXPECT_EQ(Section("Standard.NAD", "#EC9"),
              " 4\n 0\n 1.100000 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000 1.000000\n"
              " 1.200000\n");
    EXPECT_EQ(Section("Standard.NAD", "#EC6"), " 1\n 0\n 1.500000 1.500000 1.500000 1.000000\n");
    EXPECT_EQ(Section("Deutschland.NAD", "#EC6"), " 1\n 1\n 1.500000 1.300000 1.200000 1.000000\n");
    EXPECT_EQ(Section("Standard.NAD", "#EC5"),
              " 17\n 0\n 0\n 0 0.670000 0.670000 1.000000\n 0\n"
              " 1.300000 1.300000 1.200000 1.300000 1.300000 1.300000\n"
              " 1.300000 1.300000 1.300000 1.250000 1.000000\n 1.300000 1.300000\n 0\n 0\n 0\n 0 0\n"
              " 0 1.30 1.30 1.00\n 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n"
              " 0.50 0.55 0.65 0.70 0.90\n 0.60 0.80 2.00\n 300 200 300 150 100 150 1 0.67 1.00 1 1 1.00\n"
              " 0  \n 0  \n 0  \n 0  \n 0.150000 2.000000 1.000000\n 1.300000 \n");
    const std::string ec0 = Section("Standard.NAD", "#EC0");
    EXPECT_EQ(ec0.substr(0, 33), " 1.35 1.00\n 1.50 0.00\n 1.35 0.00\n");
    size_t line41 = 0;
    for (int i = 0; i < 40; ++i) line41 = ec0.find('\n', line41) + 1;
    EXPECT_EQ(ec0.substr(line41, 3), " 5\n");
    EXPECT_EQ(ec0.substr(ec0.rfind('\n') + 1),
              " 0.30 0.60 0.80 0.60 0.30 0.00 0.50 0.50 0.00 0.00 1.00 0.50");
    // The German EN 1992 set carries variant 1 inside the block and the
    // layout version 18 as its eighth line.
    const std::string ec2 = Section("Deutschland.NAD", "#EC2");
    EXPECT_NE(ec2.find("\n 18\n"), std::string::npos);
    EXPECT_NE(ec2.find("\n 0 1\n"), std::string::npos);
    EXPECT_NE(ec2.find(" 1.500000 1.150000 1.500000 1.150000 1.500000 1.150000 1.300000 1.000000\n"), std::string::npos);
    // The last five lines of the block: the three bridge selectors are
    // integers, then the stress factors (two blanks between the first four),
    // gamma_c/gamma_s of bridges, the r factors and theta0's denominator.
    const std::string tail = " 2 2 2\n 0.600000  0.450000  0.800000  1.000000 0.650000\n";
    const std::string r_theta = " 1.050000 0.950000 1.100000 0.900000\n 200.000000\n";
    EXPECT_TRUE(ec2.ends_with(tail + " 1.500000 1.150000 1.500000 1.150000 1.500000 1.150000 1.300000 1.000000\n" +
                              r_theta));
    EXPECT_TRUE(Section("Standard.NAD", "#EC2")
                    .ends_with(tail + " 1.500000 1.150000 1.500000 1.150000 1.500000 1.150000 1.200000 1.000000\n" +
                               r_theta));
}

TEST_F(NadFile, OtherVersionNumberOnlyZO3AndReversedSections) {
    NAD_Record r{};
    Default_NAD_EC3(&r.ec3);
    Default_NAD_EC9(&r.ec9);
    const std::string path = dir.file("v2.NAD");
    // The EN 1999 and EN 1996 sections of layout 0 hold no values.
    Write_File(path, "NAD/Version 2\r\n\r\n 7 \xAEV2\xAF 0\r\n\r\n#EC9\r\n 0\r\n 0\r\n\r\n#ZO3\r\n ZO3-1 Parameter\r\n"
                     " 4 1.0 1.15 1.3 1.0 1.0 1.25 0 1.0\r\n 0.4 0.75 0 1.0 1 1.0\r\n\r\n#EC6\r\n 0\r\n 0\r\n");
    FILE* f = std::fopen(path.c_str(), "r");
    EXPECT_EQ(Read_NAD_File(f, &r), 1);
    std::fclose(f);
    EXPECT_EQ(r.id, 7);
    EXPECT_STREQ(r.name, "V2");
    EXPECT_DOUBLE_EQ(r.ec3.ec3_1.gamma_M1, 1.15);
    EXPECT_DOUBLE_EQ(r.ec3.ec3_1.gamma_M2, 1.3);
    EXPECT_DOUBLE_EQ(r.ec3.ec3_8.gamma_M7, 1.1);  // no ZO3-8 record: recommended
    EXPECT_DOUBLE_EQ(r.ec9.gamma_M1, 1.1);
}

// An annex file cut at any line is unreadable: before, inside or between its
// sections it was taken with the recommended values of everything it lost
// under its own name. Load_NAD then leaves the caller's record as it was,
// also when sections before the cut had been read.
TEST_F(NadFile, FileCutAtAnyLineIsUnreadable) {
    const std::string whole = Shipped("Deutschland.NAD");
    int line = 0;
    for (size_t end = whole.find('\n'); end != std::string::npos; end = whole.find('\n', end + 1)) {
        ++line;
        const std::string cut = whole.substr(0, end + 1);
        const bool complete = whole.find_first_not_of('\n', end + 1) == std::string::npos;
        NAD_Record r{};
        Default_NAD_Blocks(&r);
        FILE* f = testutil::Stream_With(cut);
        EXPECT_EQ(Read_NAD_File(f, &r), complete ? 1 : 0) << "cut after line " << line;
        std::fclose(f);
    }
    EXPECT_GT(line, 200);
    // Cut inside the ZO3-8 record, behind the ZO3-1 record (gamma_M1 1.1).
    User(1, whole.substr(0, whole.find(" ZO3-8 Parameter") + 20));
    NAD_Record r{};
    Default_NAD_Blocks(&r);
    r.user = -1;
    r.ec3.ec3_1.gamma_M1 = 0.5;  // a value no file holds
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    EXPECT_EQ(r.user, -1);
    EXPECT_DOUBLE_EQ(r.ec3.ec3_1.gamma_M1, 0.5);
    EXPECT_EQ(r.name[0], '\0');
}

TEST_F(NadFile, NotAnAnnexFileLoadsNothing) {
    User(1, "Irgendein Text\n 5 \xAEX\xAF 0\n");
    NAD_Record r{};
    r.user = -1;
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    EXPECT_EQ(r.user, -1);
    EXPECT_EQ(Load_NAD(2, nullptr, &r), 0);  // no such file
    ScopedEnv no_data("DATA", std::nullopt);
    EXPECT_EQ(Load_NAD(0, "Deutschland", &r), 0);
}

TEST_F(NadFile, SaveWritesAndDeletesUserAnnex) {
    NAD_Record r{};
    r.id = 60;
    std::snprintf(r.name, sizeof r.name, "%s", "Gesichert");
    r.variant = 2;
    Default_NAD_Blocks(&r);  // an annex never holds a partial factor of 0
    Default_NAD_EC3_Variant1(&r.ec3);
    EXPECT_EQ(Save_NAD_File(1, &r), 1);
    NAD_Record back{};
    Default_NAD_EC3(&back.ec3);
    ASSERT_EQ(Load_NAD(1, nullptr, &back), 1);
    EXPECT_EQ(back.id, 60);
    EXPECT_EQ(back.user, 1);
    EXPECT_EQ(back.ec3.variant, 2);
    EXPECT_DOUBLE_EQ(back.ec3.ec3_1.gamma_M1, 1.1);
    EXPECT_EQ(Save_NAD_File(1, nullptr), 1);
    EXPECT_FALSE(fs::exists(dir.file("DRAM/NADS/1.NAD")));
    EXPECT_EQ(Save_NAD_File(1, nullptr), 0);  // nothing to delete
}

TEST_F(NadFile, FailedSavesAndWritesAreReportedAndLoseNothing) {
    NAD_Record r{};
    r.id = 61;
    std::snprintf(r.name, sizeof r.name, "%s", "Neu");
    Default_NAD_EC3(&r.ec3);
    const std::string older = User_Annex(60, "Alt", 1.05);
    User(1, older);
    {
        // A disc that takes only part of the annex: the older annex stays
        // whole, and no temporary file is left beside it.
        testutil::ScopedFileSizeLimit full(100);
        EXPECT_EQ(Save_NAD_File(1, &r), 0);
        EXPECT_EQ(Write_NAD_EC2_File(dir.file("export").c_str()), 0);
    }
    EXPECT_EQ(Read_File(dir.file("DRAM/NADS/1.NAD")), older);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "DRAM" / "NADS"), {}), 1);
    EXPECT_FALSE(fs::exists(dir.file("export_EC2.NAD")));
    {
        ScopedEnv no_dram("DRAM", std::nullopt);
        EXPECT_EQ(Save_NAD_File(1, &r), 0);
    }
    fs::remove_all(dir.path() / "DRAM" / "NADS");
    EXPECT_EQ(Save_NAD_File(1, &r), 0);  // the annex directory is missing

    FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::setvbuf(full, nullptr, _IONBF, 0);
    EXPECT_EQ(Write_NAD_File(full, &r), 0);
    EXPECT_EQ(Write_ACTIV_NADNAME(full), 0);
    std::fclose(full);
    // A name that would not read back as itself is not written.
    NAD_Record odd = r;
    for (const char* name : {"zwei\nZeilen", "mit \xAF Ende"}) {
        std::snprintf(odd.name, sizeof odd.name, "%s", name);
        FILE* out = std::tmpfile();
        EXPECT_EQ(Write_NAD_File(out, &odd), 0) << name;
        std::fclose(out);
    }
    EXPECT_EQ(Write_ACTIV_NADNAME(nullptr), 0);
}

// A name never closed on its head line would take the sections behind it
// into the name (and a save would write a "#EC0" line inside it).
TEST_F(NadFile, HeadNumbersThatNoIntHoldsOrAnOpenNameMakeNoAnnex) {
    for (const char* head : {"NAD/Version 2147483648\n\n 5 \xAEX\xAF 0\n",
                             "NAD/Version 1\n\n 99999999999 \xAEX\xAF 0\n",
                             "NAD/Version 1\n\n 5 \xAEX\xAF 4294967297\n",
                             "NAD/Version 1\n\n 3 \xAE" "Eigener Satz 0\n\n#EC0\n 1.35 1.00\n\xAF 0\n"}) {
        NAD_Record r{};
        FILE* f = testutil::Stream_With(head);
        EXPECT_EQ(Read_NAD_File(f, &r), 0) << head;
        std::fclose(f);
    }
}

// Numbers are decimal words, finite, in range; partial factors of steel
// and aluminium lie within 0.5 .. 3. Before, "0x10" read as 16, "0x0.cp0"
// as 0.75 and "1e-400" as 0 for gamma_M2 of the German set.
TEST_F(NadFile, DamagedNumbersAndAbsurdFactorsMakeNoAnnex) {
    const std::string german = Shipped("Deutschland.NAD");
    const std::string line = " 4 1.000000 1.100000 1.250000 1.000000";
    const size_t at = german.find(line);
    ASSERT_NE(at, std::string::npos);
    const struct {
        std::string gamma_M2;
        int loaded;
        std::string reason;
    } cases[] = {
        {"1.40", 1, ""},
        {"0x10", 0, ""},
        {"0x0.cp0", 0, ""},
        {"1e-400", 0, ""},
        {"1.25x", 0, ""},
        {"nan", 0, ""},
        {"0.1", 0, "gamma_M2 = 0.1 liegt nicht zwischen 0.5 und 3"},
        {"1e300", 0, "gamma_M2 = 1e+300 liegt nicht zwischen 0.5 und 3"},
    };
    for (const auto& c : cases) {
        User(1, german.substr(0, at) + " 4 1.000000 1.100000 " + c.gamma_M2 + " 1.000000" +
                    german.substr(at + line.size()));
        NAD_Record r{};
        Default_NAD_Blocks(&r);
        EXPECT_EQ(Load_NAD(1, nullptr, &r), c.loaded) << c.gamma_M2;
        EXPECT_EQ(NAD_Last_Load_Damaged(), 1 - c.loaded) << c.gamma_M2;
        EXPECT_EQ(r.ec3.ec3_1.gamma_M2, c.loaded ? 1.40 : 1.25) << c.gamma_M2;
        EXPECT_EQ(NAD_Last_Load_Reason(), c.reason) << c.gamma_M2;
    }
    // Aluminium's factors too, and a damaged id in the head.
    const size_t ec9 = german.find(" 1.100000 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000");
    ASSERT_NE(ec9, std::string::npos);
    User(1, german.substr(0, ec9) + " 1.100000 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 30.0" +
                german.substr(ec9 + 72));
    NAD_Record r{};
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    EXPECT_STREQ(NAD_Last_Load_Reason(), "gamma_Ma (EN 1999) = 30 liegt nicht zwischen 0.5 und 3");
    User(1, "NAD/Version 1\n\n 0x12 \xAE" "X\xAF 1\n" + german.substr(german.find("\n\n\n#EC0")));
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    // A directory or a FIFO in the file's place: refused at once, never
    // waited for.
    fs::remove(dir.file("DRAM/NADS/1.NAD"));
    ASSERT_EQ(mkfifo(dir.file("DRAM/NADS/1.NAD").c_str(), 0600), 0);
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    EXPECT_EQ(NAD_Last_Load_Damaged(), 1);
    EXPECT_STREQ(NAD_Last_Load_Reason(), "keine Datei");
    fs::remove(dir.file("DRAM/NADS/1.NAD"));
    fs::create_directory(dir.file("DRAM/NADS/1.NAD"));
    EXPECT_EQ(Load_NAD(1, nullptr, &r), 0);
    EXPECT_EQ(NAD_Last_Load_Damaged(), 1);
}

TEST_F(NadFile, SectionLineSearchRestoresPositionUnlessFound) {
    const std::string path = dir.file("s.txt");
    Write_File(path, "erste\n Titel 12\nzweite\n#NAD 2\n Anderer\n");
    FILE* f = std::fopen(path.c_str(), "r");
    int n = 0;
    EXPECT_EQ(Find_NAD_Section_Line(f, " Titel", "#NAD", &n), 1);
    EXPECT_EQ(n, 12);
    const long after = std::ftell(f);
    EXPECT_EQ(Find_NAD_Section_Line(f, " Anderer", "#NAD", nullptr), 2);
    EXPECT_EQ(std::ftell(f), after);
    EXPECT_EQ(Find_NAD_Section_Line(f, " Fehlt", "#XYZ", nullptr), 0);
    EXPECT_EQ(std::ftell(f), after);
    std::fclose(f);
}

// An older combined annex file: three annexes; the first carries EN 1992
// values in the unversioned layout with the cover deviation 1.5 and an
// EN 1995 part, the second the EN 1992 values with deviation 1.0 and an
// EN 1993 part with gamma_M1 1.1, the third nothing but its head.
std::string Old_Combined_File() {
    const std::string ec2 =
        " 1 1 2 2 2 2 2 2 2 1.5 0 0 1 1\n 0.26 0.08 1 1.2 0.44 1.25 0.54 1.25\n"
        " 0.7 0.8 0.6 0.18 0.035 0.15 0.6 0.15 0.042 0.15\n 0.5 1 2.5 0 0.6 1 0.4 0.85 3.4 0.425\n"
        " 0.5 0.9 0.4 0.7 0.2 0.6 0.05 0.5\n 0 1 1.5 2.5 2.5 3 3.5 4 4.5 3.5 4 4.5\n 0 0 0 0 0 0 0 0 0 0 0 0\n 0\n";
    return "#NAD\n 5 \xAE" "Erstes\xAF\n" + ec2 + " EC5 Parameter\n 2 1 1 0 0.67 0.67 1.0 1\n" +
           "#NAD\n 6 \xAE" "Zweites\xAF\n" + std::regex_replace(ec2, std::regex(" 1.5 0 0"), " 1.0 0 0") +
           " ZO3 Parameter\n 0\n ZO3-1 Parameter\n 4 1.0 1.1 1.25 1.0 1.0 1.25 0 1.0\n"
           " 0.4 0.75 0 1.0 1 1.0\n" +
           "#NAD\n 7 \xAE" "Drittes\xAF\n";
}

TEST_F(NadFile, OlderCombinedFileIsConvertedIntoStandardFilledAnnexes) {
    Write_File(dir.file("DRAM/NADs-EC2.DEF"), Old_Combined_File());
    fs::remove_all(dir.file("DRAM/NADS"));
    Scan_NAD_List();
    ASSERT_EQ(Get_NAD_List()->count, 5);
    EXPECT_STREQ(Get_NAD_List()->names[2], "Erstes");
    EXPECT_STREQ(Get_NAD_List()->names[4], "Drittes");
    EXPECT_FALSE(fs::exists(dir.file("DRAM/NADS/4.NAD")));
    NAD_Record r[3];
    for (int n = 1; n <= 3; ++n) {
        r[n - 1] = Standard_Record();
        ASSERT_EQ(Load_NAD(n, nullptr, &r[n - 1]), 1) << n;
        // Blocks the older file does not hold keep the recommended values,
        // never zeros.
        EXPECT_DOUBLE_EQ(r[n - 1].ec6.gamma_M_persistent, 1.5) << n;
        EXPECT_DOUBLE_EQ(r[n - 1].ec9.gamma_M2, 1.25) << n;
        EXPECT_DOUBLE_EQ(r[n - 1].ec0.gamma_building[0][1][0], 1.5) << n;
    }
    EXPECT_DOUBLE_EQ(r[0].ec2.dc_dev, 1.5);
    EXPECT_DOUBLE_EQ(r[0].ec2.v_min, 0.035 * 1.5);  // the unversioned layout stores it without gamma_c
    EXPECT_EQ(r[0].ec5.use_NA11, 1);
    EXPECT_DOUBLE_EQ(r[1].ec3.ec3_1.gamma_M1, 1.1);
    // Nothing of an annex carries over into the next one.
    EXPECT_DOUBLE_EQ(r[1].ec2.dc_dev, 1.0);
    EXPECT_EQ(r[1].ec5.use_NA11, 0);
    EXPECT_DOUBLE_EQ(r[2].ec3.ec3_1.gamma_M1, 1.0);
    EXPECT_TRUE(fs::exists(dir.file("DRAM/NADs-EC2.DEF")));
    // Done once: a changed older file is not read again.
    Write_File(dir.file("DRAM/NADs-EC2.DEF"), "#NAD\n 9 \xAE" "Anders\xAF\n");
    Scan_NAD_List();
    EXPECT_EQ(Get_NAD_List()->count, 5);
}

TEST_F(NadFile, FailedConversionLeavesNoMarkerAndIsReported) {
    Write_File(dir.file("DRAM/NADs-EC2.DEF"), Old_Combined_File());
    fs::remove_all(dir.file("DRAM/NADS"));
    {
        testutil::ScopedFileSizeLimit full(100);
        testing::internal::CaptureStderr();
        Scan_NAD_List();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("NADs-EC2.DEF: Anhang 1 \"Erstes\" nicht geschrieben"), std::string::npos) << err;
    }
    EXPECT_FALSE(fs::exists(dir.file("DRAM/NADS")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "DRAM"), {}), 1);  // no temporary left
    EXPECT_EQ(Get_NAD_List()->count, 2);
    // The next start converts it.
    Scan_NAD_List();
    EXPECT_EQ(Get_NAD_List()->count, 5);
    // Without an older file the empty directory is made.
    fs::remove_all(dir.file("DRAM"));
    fs::create_directories(dir.file("DRAM"));
    Scan_NAD_List();
    EXPECT_TRUE(fs::is_directory(dir.file("DRAM/NADS")));
}

}  // namespace
