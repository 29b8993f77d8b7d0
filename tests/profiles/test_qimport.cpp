// User sections: the exchange file written and read back, VUVE.EIN, the
// model built from it, the sibling program's stand-in, the store file, the
// print text and the outline geometry; damaged files refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/profile_switches.h"
#include "profiles/profilquerschnitt.h"
#include "profiles/user_section_print.h"
#include "thinwall/dwqb.h"
#include "thinwall/engine_faults.h"
#include "user_section_fixture.h"

using namespace testutil;

namespace {

// Nodes (0,0), (10,0), (10,20); lines 1-2 of thickness 1 and 2-3 of 0.5:
// area 10*1 + 20*0.5 = 20 cm2.
const VUVE_Node kNodes[3] = {{1, 0, 0}, {2, 10, 0}, {3, 10, 20}};
const VUVE_Line kLines[2] = {{1, 1, 2, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {2, 2, 3, 0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0}};
const VUVE_Line_Model kModel = {"Winkel", 0, 3, 2, kNodes, kLines, nullptr};

const char kXprt[] =
    "\nOBJECT\n1 1000 1001\n\xAEWinkel                  \xAF\n\nNODES 3\n1 0 0\n2 10 0\n3 10 20\n"
    "\nLINES 2\n1 1 2 1\n2 2 3 0.5\n"
    "\nNEWLINES\n1 1 2 0 0 1 1 0 0 0 0 0 0 1 0 0 0\n2 2 3 0 0 0.5 0.5 0 0 0 0 0 0 1 0 0 0\n -1\n";

const char kVuveEin[] =
    "\n#Q000001\n 1 0 /\n 'Winkel                  ' /\n 3 /\n 1 0.000000 0.000000 /\n 2 10.000000 0.000000 /\n"
    " 3 10.000000 20.000000 /\n 2 /\n 1 1 2 1.000000 /\n 2 2 3 0.500000 /\n";

std::string Stream_Of(void (*print)(FILE*, const Sonderquerschnitt*, int), const Sonderquerschnitt* r, int mode) {
    FILE* f = std::tmpfile();
    print(f, r, mode);
    std::string s = Stream_All(f);
    std::fclose(f);
    return s;
}

}  // namespace

TEST_F(UserSectionTest, LineModelThroughExchangeFileVuveEinAndTheModel) {
    Sonderquerschnitt* s = Export_Line_Model(&kModel);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Read_File(dir.file("QX01XPRT.TMP")), kXprt);
    EXPECT_EQ(s->kind, 1);
    EXPECT_STREQ(s->name, "Winkel                  ");
    EXPECT_EQ(s->text_length, static_cast<int>(sizeof kXprt));
    EXPECT_EQ(Write_VUVE_EIN(), 0);
    EXPECT_EQ(Read_File(dir.file("QX01p_VUVE.EIN")), kVuveEin);

    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    Set_Profilquerschnitt_By_User_Section(&r, 5, 110, s);
    EXPECT_EQ(s->ref_count, 1);
    Invalidate_Profil_DWQB_Cache();
    ASSERT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 1);
    EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 20.0, 1e-9);
    EXPECT_EQ(DWQB_Tabellen.n_nodes, 3);
    EXPECT_EQ(DWQB_Tabellen.n_lines, 2);
    EXPECT_EQ(DWQB_Tabellen.line[1].a, 1);
    EXPECT_STREQ(Profil_DWQB_Store.section_name, "Winkel                  ");
    EXPECT_EQ(Profil_DWQB_Store.mode, 2);
    Release_Profilquerschnitt(&r);
    EXPECT_EQ(s->ref_count, 0);
    // Not in the list any more: the record cannot be modelled.
    Delete_Sonderquerschnitt(s);
    Set_Profilquerschnitt_By_User_Section(&r, 5, 110, nullptr);
    EXPECT_EQ(Setup_Profilquerschnitt_DWQB(&r, 0, nullptr, 2), 0);
}

TEST_F(UserSectionTest, EditRunsTheSiblingProgramAndTakesItsAnswer) {
    std::string answer = kXprt;
    answer.replace(answer.find("Winkel"), 7, "Antwort");
    Install_VUVE("#!/bin/sh\nprintf '%s|' \"$@\" > args.txt\ncp \"$2\" sent.txt\ncp \"$(dirname \"$0\")/answer.txt\" \"$2\"\n");
    Write_File(dir.file("EXEC/Q7-VUVE/answer.txt"), answer);
    Sonderquerschnitt* old = Export_Line_Model(&kModel);
    Profilquerschnitt r;
    Init_Profilquerschnitt(&r);
    Set_Profilquerschnitt_By_User_Section(&r, 5, 110, old);
    EXPECT_EQ(Edit_Profilquerschnitt_User_Section(&r), 1);
    EXPECT_EQ(Read_File(dir.file("args.txt")), "1|QX01XPRT.TMP|Q7-KLOV|0|");
    EXPECT_EQ(Read_File(dir.file("sent.txt")), kXprt);
    ASSERT_EQ(Count_Sonderquerschnitte(), 1);   // the old one is no longer held
    EXPECT_EQ(r.user_section, Get_Sonderquerschnitt_By_Index(1));
    EXPECT_STREQ(r.user_section->name, "Antwort                 ");
    EXPECT_EQ(r.user_section->ref_count, 1);
    EXPECT_NE(Read_File(dir.file("QX01p_VUVE.EIN")).find("'Antwort                 '"), std::string::npos);
    // Record of another type: nothing to edit.
    Profilquerschnitt other;
    Init_Profilquerschnitt(&other);
    EXPECT_EQ(Edit_Profilquerschnitt_User_Section(&other), 0);
    Release_Profilquerschnitt(&r);
}

TEST_F(UserSectionTest, MissingSiblingProgramIsAnInstallationError) {
    Sonderquerschnitt* s = New_Sonderquerschnitt();
    EXPECT_EQ(Start_VUVE(1, s), nullptr);
    const auto& boxes = VEK_Recorded_Messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].lines, (std::vector<std::string>{"INSTALLATIONSFEHLER ?", std::string(21, '\xDF'),
                                                        "Das Programm Q7-VUVE", "ist nicht verfügbar."_cp}));
    // Cancelled: no exchange file comes back, the section is returned unchanged.
    Install_VUVE("#!/bin/sh\nexit 0\n");
    EXPECT_EQ(Start_VUVE(1, s), s);
    EXPECT_EQ(s->kind, 0);
}

// The exchange file was removed before the section was written into it,
// and the write was not checked: a section that could not be handed over
// left the old exchange file gone, and Q7-VUVE started without it (its
// answer replacing the section). Now the file is replaced whole, and when
// it can be neither written nor removed (here a folder stands under its
// name) the user is told which file and why and Q7-VUVE is not started.
TEST_F(UserSectionTest, ExchangeFileThatCannotBeWrittenKeepsTheToolFromStarting) {
    Install_VUVE("#!/bin/sh\ntouch started.txt\n");
    Sonderquerschnitt* s = Export_Line_Model(&kModel);
    ASSERT_NE(s, nullptr);
    const struct {
        int mask;             // 1 takes the section's kind: it is handed over
        const char* first;    // the box's first line
    } cases[] = {{1, "Die Austauschdatei kann nicht geschrieben werden:"},
                 {2, "Die alte Austauschdatei kann nicht entfernt werden:"}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir.file("QX01XPRT.TMP"));
        std::filesystem::create_directories(dir.file("QX01XPRT.TMP/inhalt"));
        VEK_Clear_Recorded_Messages();
        EXPECT_EQ(Start_VUVE(c.mask, s), s) << c.mask;
        EXPECT_FALSE(std::filesystem::exists(dir.file("started.txt"))) << c.mask;
        EXPECT_TRUE(std::filesystem::exists(dir.file("QX01XPRT.TMP/inhalt"))) << c.mask;
        EXPECT_STREQ(s->name, "Winkel                  ");
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << c.mask;
        const std::vector<std::string>& lines = VEK_Recorded_Messages()[0].lines;
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], c.first);
        EXPECT_EQ(lines[1], "QX01XPRT.TMP");
        EXPECT_EQ(lines[2], c.mask == 1 ? "Is a directory" : "Directory not empty");
        EXPECT_EQ(lines[3], "Q7-VUVE wird nicht gestartet.");
    }
    // An old exchange file is replaced whole by the section handed over.
    std::filesystem::remove_all(dir.file("QX01XPRT.TMP"));
    Write_File(dir.file("QX01XPRT.TMP"), "alt");
    EXPECT_EQ(Start_VUVE(1, s), s);
    EXPECT_TRUE(std::filesystem::exists(dir.file("started.txt")));
    EXPECT_EQ(Read_File(dir.file("QX01XPRT.TMP")), kXprt);
}

TEST_F(UserSectionTest, ExtendedVuveEinCarriesRadiansAndTheFemCode) {
    Install_VUVE("#!/bin/sh\nexit 0\n");
    Write_File(dir.file("EXEC/Q7-VUVE/Kantfeld.exe"), "#!/bin/sh\n");
    chmod(dir.file("EXEC/Q7-VUVE/Kantfeld.exe").c_str(), 0755);
    const std::string head =
        "\nOBJECT\n1 0 1\n\xAEX                       \xAF\n\nNODES 2\n1 0 0\n2 0 10\n\nLINES 1\n1 1 2 1\n"
        "\nNEWLINES\n1 1 2 0 0 1 2 0.5 3 0 0 0 0 1 90 180 0\n -1\n";
    // FEM values line -> code and the eight values written.
    const struct {
        const char* fem;
        const char* line;
    } cases[] = {
        {"", " 0 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 /\n"},
        {"FEMVALUES\n1 7\n", " 4 7.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 /\n"},
        {"FEMVALUES\n2 7 8\n", " 12 7.000000 8.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 /\n"},
        {"FEMVALUES\n10 1 2 3 4 5 6 7 8 9 10\n",
         " 44 1.000000 2.000000 5.000000 6.000000 7.000000 8.000000 9.000000 10.000000 /\n"},
    };
    for (const auto& c : cases) {
        Reset_User_Sections();
        With_Text(1, "X", head + c.fem);
        ASSERT_EQ(Write_VUVE_EIN(), 0);
        EXPECT_EQ(Read_File(dir.file("QX01p_VUVE.EIN")),
                  std::string("\n#Q000001\n 1 1 /\n 'X                       ' /\n 2 /\n 1 0.000000 0.000000 /\n"
                              " 2 0.000000 10.000000 /\n 1 /\n 1 1 2 1.000000 /\n 1 /\n"
                              " 3 1 1 2 1.000000 2.000000 0.500000 0.000000 0.000000 0.000000 0.000000 1.570796 3.141593 /\n") +
                      c.line)
            << c.fem;
    }
}

TEST_F(UserSectionTest, BlocksThatPromiseMoreLinesThanTheTextHoldsAreMalformed) {
    // NODES announces 5 but two follow before LINES: the section ends with -1
    // instead of reading the LINES line and what follows as nodes.
    With_Text(1, "K", "\nOBJECT\n1 0 1\n\xAEK\xAF\nNODES 5\n1 0 0\n2 1 0\nLINES 1\n1 1 2 1");
    With_Text(2, "P", "\nPOLYS 0\n3\n1 0 0 0\n");
    ASSERT_EQ(Write_VUVE_EIN(), 0);
    EXPECT_EQ(Read_File(dir.file("QX01p_VUVE.EIN")),
              "\n#Q000001\n 1 0 /\n 'K                       ' /\n 5 /\n 1 0.000000 0.000000 /\n"
              " 2 1.000000 0.000000 /\n -1\n"
              "\n#Q000002\n 2 0 /\n 'P                       ' /\n 0 /\n 3 /\n 1 0.000000 0.000000 0.000000 /\n -1\n");
    // A block line at the very end of the text leaves no line to read.
    Sonderquerschnitt* s = With_Text(1, "E", "\nNODES 1");
    int n = 0;
    EXPECT_EQ(Find_Text_Block(s, "NODES", &n), 1);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(Next_Text_Line(), nullptr);
    EXPECT_EQ(Find_Text_Block(s, "NODE", nullptr), 1);   // a longer word matches its beginning
    Sonderquerschnitt* first = With_Text(1, "F", "LINES 3\nx\n");
    EXPECT_EQ(Find_Text_Block(first, "LINES", nullptr), 0);   // never the first line
}

TEST_F(UserSectionTest, VuveEinReaderTakesOneHundredNodesAndRefusesMore) {
    // A square ring of side 25 with a node every 1 cm: 100 nodes, 100 lines
    // of thickness 0.1, area 100 * 1 * 0.1 = 10 cm2.
    auto ring = [](int nodes, int lines) {
        std::string s = "\n#Q000001\n 1 0 /\n 'Ring' /\n " + std::to_string(nodes) + " /\n";
        for (int i = 0; i < nodes; i++) {
            const int side = i / 25, k = i % 25;
            const int y = side == 0 ? k : side == 1 ? 25 : side == 2 ? 25 - k : 0;
            const int z = side == 0 ? 0 : side == 1 ? k : side == 2 ? 25 : 25 - k;
            s += " " + std::to_string(i + 1) + " " + std::to_string(y) + ".0 " + std::to_string(z) + ".0 /\n";
        }
        s += " " + std::to_string(lines) + " /\n";
        for (int i = 0; i < lines; i++)
            s += " " + std::to_string(i + 1) + " " + std::to_string(i + 1) + " " + std::to_string(i % 100 + 1 == 100 ? 1 : i % 100 + 2) + " 0.1 /\n";
        return s;
    };
    Profil_Model_Descriptor d{};
    d.family = PROFIL_FAMILY_USER;
    const float values[PROFIL_MODEL_VALUE_COUNT] = {};
    const struct {
        int nodes, lines;
        int result;
        const char* message;
    } cases[] = {
        {100, 100, 0, ""},
        {101, 100, 1, " Es sind zuviele Knoten im Q7-VUVE-Profil vorhanden.\n"},
        {100, 101, 1, " Es sind zuviele Kanten im Q7-VUVE-Profil vorhanden.\n"},
    };
    for (const auto& c : cases) {
        FILE* vuve = Stream_With(ring(c.nodes, c.lines));
        FILE* messages = std::tmpfile();
        Invalidate_Profil_DWQB_Cache();
        EXPECT_EQ(Setup_Profil_DWQB_Model(nullptr, &d, "    #Q000001", values, 2, vuve, messages) > 0, c.result == 1);
        EXPECT_EQ(Stream_All(messages), c.message);
        if (c.result == 0) {
            EXPECT_NEAR(DWQB_Querschnittswerte[DWQB_QW_A], 10.0, 1e-6);   // thickness read as float32
        }
        EXPECT_EQ(Profil_DWQB_Store.mode, c.result == 0 ? 2 : 0);
        std::fclose(vuve);
        std::fclose(messages);
    }
    // Without a message stream the refusal goes to the program with the
    // engines' faults; the model writes nothing itself.
    {
        FILE* vuve = Stream_With(ring(101, 100));
        Clear_Engine_Faults();
        Invalidate_Profil_DWQB_Cache();
        testing::internal::CaptureStderr();
        EXPECT_EQ(Setup_Profil_DWQB_Model(nullptr, &d, "    #Q000001", values, 2, vuve, nullptr), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_EQ(Count_Engine_Faults(), 1);
        EXPECT_EQ(Engine_Fault_Code_At(0), ENGINE_FAULT_USER_SECTION);
        EXPECT_STREQ(Engine_Fault_Text_At(0), " Es sind zuviele Knoten im Q7-VUVE-Profil vorhanden.\n");
        Clear_Engine_Faults();
        std::fclose(vuve);
    }
    // A line naming a node that is not there, a short line, a missing block,
    // a coordinate and a thickness beyond single precision (infinite).
    for (const char* bad : {"\n#Q000001\n 1 /\n 'A' /\n 2 /\n 1 0 0 /\n 2 1 0 /\n 1 /\n 1 1 3 0.1 /\n",
                            "\n#Q000001\n 1 /\n 'A' /\n 2 /\n 1 0 1e39 /\n 2 1 0 /\n 1 /\n 1 1 2 0.1 /\n",
                            "\n#Q000001\n 1 /\n 'A' /\n 2 /\n 1 0 0 /\n 2 1 0 /\n 1 /\n 1 1 2 1e39 /\n",
                            "\n#Q000001\n 1 /\n 'A' /\n 2 /\n 1 0 0 /\n 2 1 /\n",
                            "\n#Q000002\n 1 /\n"}) {
        FILE* vuve = Stream_With(bad);
        Invalidate_Profil_DWQB_Cache();
        EXPECT_EQ(Setup_Profil_DWQB_Model(nullptr, &d, "    #Q000001", values, 2, vuve, nullptr), 1) << bad;
        std::fclose(vuve);
    }
}

// The older exporter: NODES and LINES only, the thickness as its callback
// gives it; a name of 30 characters cut to 24, number 0 written as 1000
// and 1001. A failing callback gives no record.
TEST_F(UserSectionTest, OlderExporterWritesNodesAndLinesOnly) {
    struct Plate {
        bool fail_line;
    } plate{false};
    VUVE_Simple_Source src{"Blech 300x12 mit Steife 80x8", 0, 2, 1,
                           [](int i, int* number, double* y, double* z, void*) {
                               *number = i + 1;
                               *y = i * 12.5;
                               *z = i ? -3.0 : 0.0;
                               return 1;
                           },
                           [](int, int* number, int* start, int* end, double* t, void* c) {
                               *number = 1, *start = 1, *end = 2, *t = 0.8;
                               return static_cast<Plate*>(c)->fail_line ? 0 : 1;
                           },
                           &plate};
    Sonderquerschnitt* s = Export_Section_Source(&src);
    ASSERT_NE(s, nullptr);
    const std::string text =
        "\nOBJECT\n1 1000 1001\n\xAE" "Blech 300x12 mit Steife \xAF\n\nNODES 2\n1 0 0\n2 12.5 -3\n\nLINES 1\n1 1 2 0.8\n";
    EXPECT_EQ(Read_File(dir.file("QX01XPRT.TMP")), text);
    EXPECT_EQ(s->kind, 1);
    EXPECT_STREQ(s->name, "Blech 300x12 mit Steife ");
    EXPECT_EQ(s->text_length, static_cast<int>(text.size()) + 1);
    plate.fail_line = true;
    EXPECT_EQ(Export_Section_Source(&src), nullptr);
    src.line_count = 0;
    EXPECT_EQ(Export_Section_Source(&src), nullptr);
}

TEST_F(UserSectionTest, DamagedExchangeFilesLeaveTheRecordEmpty) {
    for (const char* bad : {"\nOBJEKT\n1 0 1\n\xAE" "123456789012345678901234\xAF\n",
                            "\nOBJECT\n1 0\n\xAE" "123456789012345678901234\xAF\n",
                            "\nOBJECT\n1 0 1\n\xAE" "12345678901234567890123\xAF\n", ""}) {
        Write_File(dir.file("QX01XPRT.TMP"), bad);
        Sonderquerschnitt* s = New_Sonderquerschnitt();
        Read_XPRT_File(s);
        EXPECT_EQ(s->kind, 0) << bad;
        EXPECT_EQ(s->text, nullptr);
        EXPECT_EQ(s->text_length, 0);
        EXPECT_STREQ(s->name, "");
    }
    // A FIFO in place of the exchange file or of VUVE.EIN is not opened: it
    // would wait for a writer for ever.
    std::filesystem::remove(dir.file("QX01XPRT.TMP"));
    ASSERT_EQ(mkfifo(dir.file("QX01XPRT.TMP").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(dir.file("QX01p_VUVE.EIN").c_str(), 0600), 0);
    Sonderquerschnitt* s = New_Sonderquerschnitt();
    Read_XPRT_File(s);
    EXPECT_EQ(s->text, nullptr);
    EXPECT_EQ(Open_VUVE_EIN("r"), nullptr);
}

TEST_F(UserSectionTest, StoreFileRoundTripAndRefusals) {
    const std::string texts[3] = {"\nOBJECT\n1 0 1\n\xAE" "A\xAF\n\n@SYNC2@\n\nNODES 0\n", "\n", "\r\nline\r\n@x"};
    for (int i = 0; i < 3; i++) With_Text(i + 1, i == 1 ? "" : "Name", texts[i]);
    ASSERT_EQ(Write_GRQ_File(-1), 1);
    const std::string file = Read_File(dir.file("QX01.GRQ"));
    EXPECT_EQ(file.substr(0, 30), "BALMO-VUVE-ConversionFile V.1\n");
    const std::string record1 = "\n@SYNC1@\n1 37 \xAEName                    \xAF\nOBJECT";   // 36 bytes and the NUL
    EXPECT_EQ(file.substr(30, record1.size()), record1);

    // Held records keep pointers into the list: no reload while one is held.
    Get_Sonderquerschnitt_By_Index(2)->ref_count = 1;
    EXPECT_EQ(Read_GRQ_File(-1), 0);
    EXPECT_EQ(Count_Sonderquerschnitte(), 3);
    Get_Sonderquerschnitt_By_Index(2)->ref_count = 0;

    ASSERT_EQ(Read_GRQ_File(-1), 1) << Get_GRQ_Error();
    ASSERT_EQ(Count_Sonderquerschnitte(), 3);
    for (int i = 0; i < 3; i++) {
        const Sonderquerschnitt* r = Get_Sonderquerschnitt_By_Index(i + 1);
        EXPECT_EQ(r->kind, i + 1);
        EXPECT_EQ(std::string(r->text), texts[i]);
        EXPECT_EQ(r->text_length, static_cast<int>(texts[i].size()) + 1);
        EXPECT_EQ(r->ref_count, 0);
    }

    // The same store with CR LF line ends, as the desktop writes it: the
    // same sections, each line end one byte of the text.
    std::string crlf;
    for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Write_File(dir.file("QX01.GRQ"), crlf);
    ASSERT_EQ(Read_GRQ_File(-1), 1) << Get_GRQ_Error();
    ASSERT_EQ(Count_Sonderquerschnitte(), 3);
    EXPECT_EQ(std::string(Get_Sonderquerschnitt_By_Index(3)->text), texts[2]);

    // A damaged second record refuses the whole store: a 23-character name,
    // a text length beyond the end of the file, a text longer than its
    // length, a length beyond any int. A record of length 0 is one without text, as written for one.
    const std::string first = file.substr(0, file.find("\n@SYNC2@\n2 "));   // the first text holds "@SYNC2@" too
    const struct {
        std::string second;
        int result, count;
        const char* why;
    } seconds[] = {
        {"\n@SYNC2@\n1 3 \xAE" "12345678901234567890123\xAF\nab\n", 0, 0, "Querschnitt 2: Name nicht 24 Zeichen lang"},
        {"\n@SYNC2@\n1 500 \xAE" "123456789012345678901234\xAF\nab\n", 0, 0, "Querschnitt 2: abgeschnitten"},
        {"\n@SYNC2@\n1 2 \xAE" "123456789012345678901234\xAF\nab\n", 0, 0, "Querschnitt 2: l\x84nger als angegeben"},
        {"\n@SYNC2@\n1 2222222222 \xAE" "123456789012345678901234\xAF\nab\n", 0, 0,
         "Querschnitt 2: Art und L\x84nge fehlen"},
        // A terminator inside the name (the next save ended the name there
        // and dropped the rest), or the list's markup escape.
        {std::string("\n@SYNC2@\n1 0 \xAE" "1234567890\0" "2345678901234\xAF\n", 40), 0, 0,
         "Querschnitt 2: Name mit einem Nullzeichen"},
        {"\n@SYNC2@\n1 0 \xAE" "A\xCE" "HB56789012345678901234\xAF\n", 0, 0,
         "Querschnitt 2: Name mit dem Zeichen \"\xCE\" (im Ausdruck eine Formatierung)"},
        {"\n@SYNC2@\n1 0 \xAE" "123456789012345678901234\xAF\n", 1, 2, ""},
    };
    VEK_Set_Batch_Mode(1);
    for (const auto& c : seconds) {
        Reset_User_Sections();
        Write_File(dir.file("QX01.GRQ"), first + c.second);
        EXPECT_EQ(Read_GRQ_File(-1), c.result) << c.second;
        EXPECT_EQ(Count_Sonderquerschnitte(), c.count) << c.second;
        EXPECT_EQ(Get_GRQ_Error(), c.result ? std::string() : std::string("QX01.GRQ: ") + c.why);
    }
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(Get_Sonderquerschnitt_By_Index(2)->text, nullptr);
    EXPECT_EQ(Get_Sonderquerschnitt_By_Index(2)->text_length, 0);
    // An empty list removes the store file.
    Reset_User_Sections();
    EXPECT_EQ(Write_GRQ_File(-1), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("QX01.GRQ")));
    Set_File_Base("QX");
    EXPECT_EQ(Write_GRQ_File(-1), -1);
}

// A store that could not be read was taken for an empty list, and the next
// save removed it (or wrote the new sections over the old ones). The load
// says why it failed; no save replaces or removes that store until it reads.
TEST_F(UserSectionTest, StoreThatCannotBeReadIsNeverWrittenOver) {
    const std::string good = "BALMO-VUVE-ConversionFile V.1\n\n@SYNC1@\n1 10 \xAE" "Alt                     \xAF"
                             "\nNODES 0\n\n";
    const std::string store = dir.file("QX01.GRQ");
    struct Case {
        const char* what;
        void (*make)(const std::string& path, const std::string& good);
        const char* why;
    };
    std::vector<Case> cases = {
        {"empty", [](const std::string& p, const std::string&) { Write_File(p, ""); }, "leer"},
        {"cut in its text", [](const std::string& p, const std::string& g) { Write_File(p, g.substr(0, 75)); },
         "Querschnitt 1: abgeschnitten"},
        {"its head only", [](const std::string& p, const std::string& g) { Write_File(p, g.substr(0, 30)); },
         "enth\x84lt keinen Querschnitt"},
        {"no store", [](const std::string& p, const std::string&) { Write_File(p, "GRQ\n"); },
         "keine Datei importierter Querschnitte (Kopfzeile fehlt)"},
        {"a directory", [](const std::string& p, const std::string&) { std::filesystem::create_directory(p); },
         "ein Verzeichnis"},
        {"a FIFO", [](const std::string& p, const std::string&) { mkfifo(p.c_str(), 0600); },
         "keine gew\x94hnliche Datei"},
        {"a link to nothing", [](const std::string& p, const std::string&) { symlink("gone/QX01.GRQ", p.c_str()); },
         "No such file or directory"},
    };
    if (geteuid() != 0)  // the superuser reads every file
        cases.push_back({"not readable",
                         [](const std::string& p, const std::string& g) {
                             Write_File(p, g);
                             chmod(p.c_str(), 0200);
                         },
                         "Permission denied"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(store);
        c.make(store, good);
        const auto kind = std::filesystem::symlink_status(store).type();
        const std::string bytes = kind == std::filesystem::file_type::regular ? Read_File(store) : "";
        Reset_User_Sections();
        VEK_Clear_Recorded_Messages();
        EXPECT_EQ(Load_User_Sections(), 0);
        EXPECT_EQ(Get_GRQ_Error(), std::string("QX01.GRQ: ") + c.why);
        EXPECT_EQ(Count_Sonderquerschnitte(), 0);
        // A new section, then the save: refused, the store as it was.
        With_Text(1, "Neu", "\nNODES 0\n");
        EXPECT_EQ(Save_User_Sections(), 0);
        Purge_Sonderquerschnitte();
        EXPECT_EQ(Save_User_Sections(), 0);   // an empty list removes no store either
        EXPECT_EQ(std::filesystem::symlink_status(store).type(), kind);
        if (kind == std::filesystem::file_type::regular) {
            EXPECT_EQ(Read_File(store), bytes);
        }
        const auto& boxes = VEK_Recorded_Messages();
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[0].lines, (std::vector<std::string>{"Die aus Q7-VUVE importierten",
                                                            "Querschnitte können nicht gelesen werden:"_cp,
                                                            std::string("QX01.GRQ: ") + c.why,
                                                            "Die Datei wird nicht überschrieben."_cp}));
        EXPECT_EQ(boxes[1].lines.at(1), "Querschnitte werden nicht gesichert:");
    }
    // Mended, it is read and written again; a missing store is an empty list.
    std::filesystem::remove_all(store);
    Write_File(store, good);
    EXPECT_EQ(Load_User_Sections(), 1);
    EXPECT_EQ(Get_GRQ_Error(), std::string());
    EXPECT_EQ(Count_Sonderquerschnitte(), 1);
    EXPECT_EQ(Save_User_Sections(), 1);
    EXPECT_FALSE(std::filesystem::exists(store));   // nothing held: purged, and the empty list removes it
    EXPECT_EQ(Load_User_Sections(), 1);
    // In batch mode the refusals are lines on stderr, never a box.
    Write_File(store, "");
    VEK_Clear_Recorded_Messages();
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Load_User_Sections(), 0);
    With_Text(1, "Neu", "\nNODES 0\n")->ref_count = 1;
    EXPECT_EQ(Save_User_Sections(), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(err, "user sections not read: QX01.GRQ: leer; the store file is kept\n"
                   "user sections not saved: QX01.GRQ: leer; the store file is kept\n");
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(Read_File(store), "");
}

// The store was deleted before the new one was written: a save that failed
// on the way (a full disc) left the user without any store. It is replaced
// only by a complete file; the failure is said (on stderr in batch mode).
TEST_F(UserSectionTest, FailedStoreSaveKeepsTheOldStore) {
    With_Text(1, "Alt", "\nNODES 0\n");
    ASSERT_EQ(Write_GRQ_File(-1), 1);
    const std::string old_store = Read_File(dir.file("QX01.GRQ"));
    With_Text(2, "Neu", std::string(4000, 'x') + "\n");
    VEK_Set_Batch_Mode(1);
    {
        testutil::ScopedFileSizeLimit disc(old_store.size() + 100);
        EXPECT_EQ(Write_GRQ_File(-1), 0);
    }
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(Read_File(dir.file("QX01.GRQ")), old_store);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files.push_back(e.path().filename());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"EXEC", "QX01.GRQ"}));
}

TEST_F(UserSectionTest, ListOperations) {
    Sonderquerschnitt* a = With_Text(1, "A", "\nOBJECT\n1 0 1\n\xAE" "abcdefgh\xAF\n\nVALUES\n.A__ 12.5\n");
    Sonderquerschnitt* copy = Copy_Sonderquerschnitt(a);
    EXPECT_EQ(Compare_Sonderquerschnitt(a, copy), 0);
    a->ref_count = 2;
    EXPECT_EQ(Merge_Sonderquerschnitt(copy), a);
    EXPECT_EQ(Count_Sonderquerschnitte(), 1);
    EXPECT_EQ(a->ref_count, 2);
    double v = 0;
    EXPECT_EQ(Get_Sonderquerschnitt_Value(a, ".A__", &v), 1);
    EXPECT_EQ(v, 12.5);
    Sonderquerschnitt* b = With_Text(1, "B", "\nx\n.A__ 3\n");
    EXPECT_EQ(Get_Sonderquerschnitt_Value(b, ".A__", &v), 0);
    // A 30-character name: 24 in the field, the text's «» keeps its width of 8.
    EXPECT_EQ(Rename_Sonderquerschnitt(a, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"), 1);
    EXPECT_STREQ(a->name, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(std::string(a->text).substr(14, 10), "\xAE" "ABCDEFGH\xAF");
    EXPECT_EQ(Rename_Sonderquerschnitt(b, "C"), 0);
    EXPECT_EQ(Get_Sonderquerschnitt_Index(b), 2);
    EXPECT_EQ(Get_Sonderquerschnitt_By_Index(3), nullptr);
    Purge_Sonderquerschnitte();
    EXPECT_EQ(Count_Sonderquerschnitte(), 1);
    EXPECT_EQ(Get_Sonderquerschnitt_By_Index(1), a);
}

TEST_F(UserSectionTest, PrintOfAThinWalledSection) {
    // Nodes (0,0), (5,0), (5,15), plates 1 cm: W = 6, H = 16, margin
    // s = sqrt(22^2/4 + 48) - 11 = 2, W' = 8, H' = 18, W'/H' = 0.44 <= 7/9:
    // paper 9 cm high and 9 * 8/18 = 4 cm wide, unit u = 10 * 8/4 = 20,
    // size number 9 * 4 * 1710 = 61560, table margin 5.5.
    Sonderquerschnitt* s = With_Text(1, "Winkel",
                                     "\nOBJECT\n1 0 1\n\xAEWinkel                  \xAF\n\nNODES 3\n1 0 0\n2 5 0\n3 5 15\n"
                                     "\nLINES 2\n1 1 2 1\n2 2 3 1\n");
    const std::string expected = std::string(
        "#SETFLAGS\n 4295\n\n#SETYPOS\n768 1\n#SHOWGRAFIC\n1 0 1\n Sonderquerschnitt: Winkel                  \n") +
        " importiert aus dem Programm ╬H╬_Q7-VUVE╬r,  Typ: dünnwandig\n"_cp +
        "0 0 0\n61560\n65.000000 -15.000000 165.000000 -15.000000\n20 11\n"
        "18 4\n0.00 5.00  0.00 -5.00  50.00 -5.00  50.00 5.00\n"
        "18 4\n45.00 0.00  55.00 0.00  55.00 150.00  45.00 150.00\n"
        " 7 3\n 20 0\n 21 1\n 23 1 0\n"
        " 6 0.01\n 1 0.000000 5.000000 0.000000 -5.000000\n 1 0.000000 -5.000000 50.000000 -5.000000\n"
        " 1 50.000000 -5.000000 50.000000 5.000000\n 1 50.000000 5.000000 0.000000 5.000000\n"
        " 6 0.03\n 1 0.000000 0.000000 50.000000 0.000000\n 4 1\n 9 25.000000 0.000000 25.000000 0.000000 210 \xAE" "1 \xAF\n"
        " 6 0.01\n 1 45.000000 0.000000 55.000000 0.000000\n 1 55.000000 0.000000 55.000000 150.000000\n"
        " 1 55.000000 150.000000 45.000000 150.000000\n 1 45.000000 150.000000 45.000000 0.000000\n"
        " 6 0.03\n 1 50.000000 0.000000 50.000000 150.000000\n 4 1\n 9 50.000000 75.000000 50.000000 75.000000 210 \xAE" "2 \xAF\n"
        " 7 2\n 34 0.000000 0.000000 Global_Node_Mask\n 9 -4.000000 -2.000000 -4.000000 -2.000000 210 \xAE 1  \xAF\n"
        " 34 50.000000 0.000000 Global_Node_Mask\n 9 46.000000 -2.000000 46.000000 -2.000000 210 \xAE 2  \xAF\n"
        " 34 50.000000 150.000000 Global_Node_Mask\n 9 46.000000 148.000000 46.000000 148.000000 210 \xAE 3  \xAF\n"
        "-1\n\n#SETMARGINS\n257 5.500000 0\n#SETYPOS\n1024 1\n#SETYPOS\n256 1.0\n" +
        "#SHOWTABLE\n 0 1 0\n ╬H╬_Punktkoordinaten╬r\n 1 1 -1 -1 1\n 5.4\n   Nr.      y       z\n    -      mm      mm\n"
        " ╬b   1╬r      0.0     0.0\n ╬b   2╬r     50.0     0.0\n ╬b   3╬r     50.0   150.0\n#END_OF_TEXT\n"_cp +
        "#SHOWTABLE\n 0 1 0\n ╬H╬_Linienelemente╬r\n 1 1 -1 -1 1\n 5.4\n   Nr.  PktA PktE Dicke\n    -     -    -    mm\n"
        " ╬b   1╬r     1    2   10.0\n ╬b   2╬r     2    3   10.0\n#END_OF_TEXT\n"_cp +
        "#SETMARGINS\n257 0 0\n#SETYPOS\n4 0\n";
    EXPECT_EQ(Stream_Of(Print_Thin_Walled_Section, s, 0), expected);
    // Without title: "0 0 0" for the caption and no "#SETYPOS 256" line.
    const std::string untitled = Stream_Of(Print_Thin_Walled_Section, s, USER_PRINT_NO_TITLE);
    EXPECT_EQ(untitled.rfind("#SETFLAGS\n 4295\n\n#SETYPOS\n768 1\n#SHOWGRAFIC\n0 0 0\n0 0 0\n61560\n", 0), 0u);
    EXPECT_EQ(untitled.find("256 1.0"), std::string::npos);
    // Values mode without NEWLINES falls back to the picture and tables.
    EXPECT_EQ(Stream_Of(Print_User_Section_By_Mode, s, USER_PRINT_VALUES), expected);

    // Nothing for a line to an unknown node, a section without extent, or no nodes.
    for (const char* bad : {"\nNODES 2\n1 0 0\n2 5 0\nLINES 1\n1 1 3 1\n", "\nNODES 1\n1 0 0\nLINES 0\n",
                            "\nNODES 2\n1 0 0\n2 0 0\nLINES 1\n1 1 2 0\n", "\nNODES 0\nLINES 0\n"}) {
        Sonderquerschnitt* b = With_Text(1, "B", bad);
        EXPECT_EQ(Stream_Of(Print_Thin_Walled_Section, b, 0), "") << bad;
    }
}

TEST_F(UserSectionTest, PrintOfAThickWalledSection) {
    Sonderquerschnitt* s = With_Text(2, "Dick", "\nx\nVALUES\n.A__ 12.5\n.ALF 0.5\n.W1- -3\n");
    FILE* f = std::tmpfile();
    Print_Thick_Walled_Section(f, s);
    EXPECT_EQ(Stream_All(f), std::string("#SHOWTABLE\n1 0 1\n Sonderquerschnitt: Dick                    \n") +
                                 " importiert aus dem Programm ╬H╬_Q7-VUVE╬r,  Typ: dickwandig (ohne Abbildung)\n"_cp +
                                 " 1 0 -1 -1 0\n Kennwerte\n" +
                                 "     Querschnittsfläche         A   =        12.50 cm╬/2╬r\n"_cp +
                                 "     Hauptachsenwinkel          \xBA   =         0.50 \xF8\n" +
                                 "     Widerstandsmoment          W┴- =         3.00 cm╬/3╬r\n"_cp + "#END_OF_TEXT\n");
    std::fclose(f);
}

TEST_F(UserSectionTest, LineAndPolygonGeometry) {
    Sonderquerschnitt* s = With_Text(1, "L", "\nNODES 2\n1 0 0\n2 10 0\nLINES 1\n1 1 2 2\n");
    ASSERT_EQ(Load_Line_Model(s), 1);
    const double corners[4][2] = {{10, -1}, {10, 1}, {0, 1}, {0, -1}};
    for (int c = 1; c <= 4; c++) {
        int flag = 0;
        double p[3], d[3];
        ASSERT_EQ(Get_Line_Corner(s, 0, c, 0, &flag, p, d), 1);
        EXPECT_EQ(p[1], corners[c - 1][0]);
        EXPECT_EQ(p[2], corners[c - 1][1]);
    }
    double n[3];
    ASSERT_EQ(Get_Line_Side_Normal(s, 0, 2, 0, n), 1);   // left of +y is +z
    EXPECT_EQ(n[2], 1.0);
    EXPECT_EQ(Get_Line_Side_Count(s, 1), 0);

    // Polygon 0: a square, counter-clockwise. Its corner at (0,0) is
    // convex with the bisector (-1, -1)/sqrt(2); the edge (0,0)-(10,0) has
    // the right normal (0, -1).
    // Polygon 1: the same square with its first edge a half circle (bulge
    // 0.5: s = 5, k = 0, centre (5,0), theta = pi, N = int(5 pi) = 15 points
    // at steps of -pi/16). Polygon 2: bulge 0.01 on a chord of 1 gives
    // theta = 2 atan2(1, 24.99) = 0.08 and the minimum of 3 points.
    Sonderquerschnitt* sq = With_Text(2, "Q",
                                      "\nPOLYS 2\n4\n1 0 0 0\n2 10 0 0\n3 10 10 0\n4 0 10 0\n"
                                      "4\n1 0 0 0.5\n2 10 0 0\n3 10 10 0\n4 0 10 0\n2\n1 0 0 0.01\n2 1 0 0\n");
    ASSERT_EQ(Load_Polygon_Model(sq), 3);
    EXPECT_EQ(Get_Polygon_Point_Count(sq, 0), 4);
    EXPECT_EQ(Get_Polygon_Point_Count(sq, 1), 19);
    EXPECT_EQ(Get_Polygon_Point_Count(sq, 2), 5);
    int convex = 9;
    double p[3], d[3];
    ASSERT_EQ(Get_Polygon_Corner(sq, 0, 4, 0, &convex, p, d), 1);   // the count stands for point 0
    EXPECT_EQ(convex, 1);
    EXPECT_NEAR(d[1], -std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(d[2], -std::sqrt(0.5), 1e-15);
    ASSERT_EQ(Get_Polygon_Edge_Normal(sq, 0, 0, 0, n), 1);
    EXPECT_EQ(n[1], 0.0);
    EXPECT_EQ(n[2], -1.0);
    EXPECT_EQ(Get_Polygon_Edge_Normal(sq, 0, 4, 0, n), 0);
    ASSERT_EQ(Get_Polygon_Corner(sq, 1, 2, 0, &convex, p, d), 1);
    EXPECT_NEAR(p[1], 5 - 5 * std::cos(2 * M_PI / 16), 1e-12);
    EXPECT_NEAR(p[2], 5 * std::sin(2 * M_PI / 16), 1e-12);

    // A straight corner has no bisector; 150 polygons are cut to 100.
    std::string many = "\nPOLYS 150\n3\n1 0 0 0\n2 5 0 0\n3 10 0 0\n";
    for (int i = 0; i < 150; i++) many += "0\n";
    Sonderquerschnitt* m = With_Text(2, "M", many);
    ASSERT_EQ(Load_Polygon_Model(m), 100);
    ASSERT_EQ(Get_Polygon_Corner(m, 0, 1, 0, &convex, p, d), 1);
    EXPECT_EQ(convex, 0);
}

TEST_F(UserSectionTest, FilesThatCannotBeWrittenAreSaid) {
    With_Text(1, "A", "\nNODES 0\n");
    Set_VUVE_EIN_Name("nodir/VUVE.EIN");
    Set_GRQ_Extension("nodir/.GRQ");
    EXPECT_EQ(Write_VUVE_EIN(), EOF);
    EXPECT_EQ(Write_GRQ_File(-1), 0);
    const auto& boxes = VEK_Recorded_Messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].lines, (std::vector<std::string>{"Dateieröffnungsfehler:"_cp, "", "Die Querschnittsdatei kann",
                                                        "nicht erzeugt werden!"}));
    // The store file's message holds the Windows code page's ö (0xF6).
    EXPECT_EQ(boxes[1].lines, (std::vector<std::string>{"Dateier\xF6" "ffnungsfehler:", "Die aus Q7-VUVE importierten",
                                                        "Querschnitte k\xF6nnen nicht", "gesichert werden!"}));
}
