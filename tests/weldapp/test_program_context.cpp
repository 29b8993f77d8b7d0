// The command line, the position text of a component and the text helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/stored_text.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "support/testutil.h"
#include "weldapp/program_context.h"
#include "weldapp/tool_text.h"

TEST(ProgramContext, CommandLine) {
    const std::string long_id(261, 'K');
    struct Case {
        std::vector<const char*> argv;
        int ok;
        const char *input, *plot;
        int refresh;
    } cases[] = {
        {{"p", "ABCDEFGHIJ", "0", "3", "12"}, 1, "_03.INP", "ABCDEFGHIJ0012.SPF", 0},
        {{"p", "K", "1", "99", "9999", "-refresh"}, 1, "_99.INP", "K9999.SPF", 1},
        {{"p", "K", "1", "5", "1", "-refresh now"}, 1, "_05.INP", "K0001.SPF", 1},
        {{"p", "K", "1", "5", "1", "-refreshed"}, 1, "_05.INP", "K0001.SPF", 0},
        {{"p", "K", "1", "3"}, 0, nullptr, nullptr, 0},
        {{"p", "K", "1", "3x", "1"}, 0, nullptr, nullptr, 0},
        {{"p", "K", "1", "", "1"}, 0, nullptr, nullptr, 0},
        {{"p", "K", "x", "100", "1"}, 1, "_100.INP", "K0001.SPF", 0},
        {{"p", "K", "1", "3", "99999999999"}, 0, nullptr, nullptr, 0},
        {{"p", long_id.c_str(), "1", "3", "1"}, 0, nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        const int ok = Set_Program_Context(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(ok, c.ok) << c.argv[3];
        if (!ok) continue;
        EXPECT_STREQ(Kontext.input_name, c.input);
        EXPECT_STREQ(Kontext.plot_name, c.plot);
        EXPECT_EQ(Kontext.refresh, c.refresh);
        EXPECT_EQ(VEK_Batch_Mode(), c.refresh);
        EXPECT_STREQ(Get_File_Base(), c.argv[1]);
    }
    VEK_Set_Batch_Mode(0);
}

TEST(ProgramContext, UsageForABadCommandLine) {
    testutil::TempDir dir;
    const std::string out = dir.file("out");
    const int status = std::system((std::string(WELD_BINARY_DIR) + "/bin/schweissnaht K1 0 x 1 > " + out).c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(testutil::Read_File(out), std::string("usage: ") + WELD_BINARY_DIR +
                                            "/bin/schweissnaht Bauteilkennung Icon-Id File-Id Pos-Id\n");
}

// The file is named by the first four characters of the identifier (all
// of a shorter one) and "_NN.TXT", in the current directory.
TEST(ProgramContext, PositionText) {
    testutil::TempDir dir;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const char* argv[] = {"p", "AB", "0", "2", "0"};
    ASSERT_EQ(Set_Program_Context(5, argv), 1);
    struct Case {
        const char* identifier;
        const char* file;
        std::string content;
        int result;
        const char* number;
        std::string text;
    } cases[] = {
        {"WXYZ1234", "WXYZ_02.TXT", "123:St√ºtze Achse 4\n", 0, "123", "St√ºtze Achse 4"},
        {"AB", "AB_02.TXT", "1234567:T\n", 0, "123456", "T"},
        {"AB", "AB_02.TXT", "7\n", 0, "7", ""},
        {"AB", "AB_02.TXT", "x\r\n12\r\n" + std::string(60, 't') + "\r\n", 0, "12", std::string(50, 't')},
        {"AB", "AB_02.TXT", "x\n1234567890123\nText\n", 0, "123456", "Text"},
        {"AB", "AB_02.TXT", "x\n12\n", 1, "12", ""},
        {"AB", "AB_02.TXT", "", 1, "", ""},
        // The list's markup escape is printed as a blank ("A‚ï¨HB" printed
        // "AB" before), and a box says so.
        {"AB", "AB_02.TXT", "1.01:A\xCEHB\n", 0, "1.01", "A HB"},
    };
    for (const Case& c : cases) {
        testutil::Write_File(dir.file(c.file), c.content);
        EXPECT_EQ(Read_Code_and_Text_File(c.identifier), c.result) << c.content;
        EXPECT_STREQ(Position_Code, c.number) << c.content;
        EXPECT_EQ(std::string(Position_Text), c.text) << c.content;
        std::filesystem::remove(dir.file(c.file));
    }
    VEK_Clear_Recorded_Messages();
    Tell_Position_Text_Notice();
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(1), "einleitet: es wird als Leerzeichen gedruckt.");
    EXPECT_EQ(Read_Code_and_Text_File("AB"), 1);  // no file
    VEK_Clear_Recorded_Messages();
    Tell_Position_Text_Notice();
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // Letters the list's font draws as formula signs ("Fen\x88tre \xA3ltimo",
    // "FenÍtre ˙ltimo": an arrow and a Delta) are the desktop's text: they
    // stay, and the box names them; "\x82" (È) prints as it is.
    testutil::Write_File(dir.file("AB_02.TXT"), "1:Fen\x88tre \xA3ltimo \x82t\xA3\n");
    EXPECT_EQ(Read_Code_and_Text_File("AB"), 0);
    EXPECT_EQ(std::string(Position_Text), "Fen\x88tre \xA3ltimo \x82t\xA3");
    VEK_Clear_Recorded_Messages();
    Tell_Position_Text_Notice();
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Der Positionstext enth\x84lt \"\x88\" (Byte 0x88), \"\xA3\" (Byte 0xA3):",
                                        "der Ausdruck zeigt an ihrer Stelle Formelzeichen."}));
    std::filesystem::current_path(cwd);
}

TEST(ToolText, Helpers) {
    EXPECT_STREQ(Trim_Both_Copy("  a b  "), "a b");
    EXPECT_STREQ(Trim_Both_Copy("   "), "");
    EXPECT_STREQ(Trim_Both_Copy("\ta "), "\ta");
    EXPECT_STREQ(Fit_String_Width("abc", 5), "abc  ");
    EXPECT_STREQ(Fit_String_Width("abcdefg", 3), "abc");
    EXPECT_EQ(std::string(Trim_Both_Copy(std::string(600, 'x').c_str())).size(), 511u);
    EXPECT_EQ(Length_Without_Trailing_Blanks("ab  "), 2);
    EXPECT_EQ(Length_Without_Trailing_Blanks("   "), 0);
    char text[] = "a b?c";
    EXPECT_EQ(Blanks_to_Question_Marks(text), 5);
    EXPECT_STREQ(text, "a?b?c");
    Question_Marks_to_Blanks(text);
    EXPECT_STREQ(text, "a b c");
    EXPECT_STREQ(Ansi_to_Dos_Umlauts("\xC4\xE4\xD6\xF6\xDC\xFC\xDF"), "\x8E\x84\x99\x94\x9A\x81\xE1");
    EXPECT_STREQ(Dos_to_Ansi_Umlauts("\x8E\x84\x99\x94\x9A\x81\xE1"), "\xC4\xE4\xD6\xF6\xDC\xFC\xDF");
    EXPECT_STREQ(Umlauts_to_Html("Gr\xE1\x94\xE1" "e"), "Gr&szlig;&ouml;&szlig;e");
    EXPECT_EQ(std::string(Umlauts_to_Html(std::string(600, '\x84').c_str())).size(), 504u);
    EXPECT_EQ(Sign_of(0.0), 1);
    EXPECT_EQ(Sign_of(-0.5), -1);
    FILE* f = testutil::Stream_With(" \t\r\nx line\r\nlast");
    EXPECT_EQ(Next_Nonblank_Char(f), 'x');
    char line[32];
    EXPECT_STREQ(Read_Line_No_Newline(line, sizeof line, f), " line");
    EXPECT_STREQ(Read_Line_No_Newline(line, sizeof line, f), "last");
    EXPECT_EQ(Read_Line_No_Newline(line, sizeof line, f), nullptr);
    std::fclose(f);
}

TEST(ToolText, OutOfMemoryEndsWithCodeZero) {
    VEK_Set_Batch_Mode(1);
    EXPECT_EXIT(Out_Of_Memory_Exit(), testing::ExitedWithCode(0), "Sitzung mu\xE1 leider abgebrochen");
    VEK_Set_Batch_Mode(0);
}

// A confirmed close ends the run with code 0 (nothing saved); "no" goes on.
TEST(ProgramContext, CloseRequestAsksAndEndsWithCodeZero) {
    VEKSetCloseFct(Close_Request_Callback);
    VEK_Script_Answer(0);
    EXPECT_EQ(VEK_Close_Request(), 0);
    ASSERT_FALSE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(VEK_Recorded_Messages().back().lines.at(0), "Aktuelle Bearbeitung abbrechen?");
    VEK_Script_Answer(1);
    EXPECT_EXIT(VEK_Close_Request(), testing::ExitedWithCode(0), "");
}
