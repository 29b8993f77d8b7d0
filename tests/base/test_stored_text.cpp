// Stored-text helpers, version check and error boxes (recorded, none in
// batch mode), guillemet fields, position files, error table and the
// picture page.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/stored_text.h"
#include "platform/msgbox.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "support/testutil.h"

using testutil::Stream_All;
using testutil::Stream_With;

namespace {

// Clears the recorded boxes and leaves batch mode off again.
struct Boxes {
    explicit Boxes(int batch) {
        VEK_Clear_Recorded_Messages();
        VEK_Set_Batch_Mode(batch);
    }
    ~Boxes() {
        VEK_Set_Batch_Mode(0);
        VEK_Clear_Recorded_Messages();
    }
};

}  // namespace

TEST(StoredTextVersion, NewerFileIsRefusedWithItsBox) {
    Boxes boxes(0);
    EXPECT_EQ(Check_File_Version(4, 4, 0), 1);
    EXPECT_EQ(Check_File_Version(5, 4, 2), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(Check_File_Version(5, 4, 0), 0);
    EXPECT_EQ(Check_File_Version(5, 4, 1), 0);
    const auto& shown = VEK_Recorded_Messages();
    ASSERT_EQ(shown.size(), 2u);
    const std::vector<std::string> input = {"!! ACHTUNG !!",
                                            "Die Eingabedatei ist aktueller als die Programmversion",
                                            "Bitte aktualisieren Sie das Programm."};
    const std::vector<std::string> import = {"!! ACHTUNG !!",
                                             "Die Importdatei ist aktueller als die Programmversion",
                                             "Bitte fordern Sie eine neue Programmversion an."};
    EXPECT_EQ(shown[0].lines, input);
    EXPECT_EQ(shown[0].kind, VEK_MSG_PRINT);
    EXPECT_EQ(shown[1].lines, import);
}

TEST(StoredTextVersion, BatchModeShowsNoBox) {
    Boxes boxes(1);
    EXPECT_EQ(Check_File_Version(5, 4, 0), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Read_Error_Message(), 101);
    EXPECT_EQ(Write_Error_Message(), 102);
    EXPECT_EQ(Data_Error_Message(), 103);
    Show_Message_Text("Profil unbekannt");
    const std::string console = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    EXPECT_EQ(console, "Lesefehler !!!\nSchreibfehler !!!\nDatenfehler !!!\nProfil unbekannt\n");
}

TEST(StoredTextVersion, ErrorBoxesInteractively) {
    Boxes boxes(0);
    EXPECT_EQ(Read_Error_Message(), 101);
    EXPECT_EQ(Write_Error_Message(), 102);
    EXPECT_EQ(Data_Error_Message(), 103);
    Show_Message_Text("100% sicher");  // the text is never a format
    const auto& shown = VEK_Recorded_Messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].lines, std::vector<std::string>{"Lesefehler !!!"});
    EXPECT_EQ(shown[0].kind, VEK_MSG_DRAW);
    EXPECT_EQ(shown[1].lines, std::vector<std::string>{"Schreibfehler !!!"});
    EXPECT_EQ(shown[2].lines, std::vector<std::string>{"Datenfehler !!!"});
    EXPECT_EQ(shown[3].lines, std::vector<std::string>{"100% sicher"});
}

TEST(StoredText, TildesBlanksPaddingAndCase) {
    char t[] = "~~~";
    EXPECT_EQ(Tilde_To_Blank(t), 0);
    EXPECT_STREQ(t, "   ");
    char u[] = "HEA~200";
    EXPECT_EQ(Tilde_To_Blank(u), 1);
    EXPECT_STREQ(u, "HEA 200");
    char e[] = "";
    EXPECT_EQ(Tilde_To_Blank(e), 0);
    EXPECT_EQ(Blank_To_Tilde(u), 1);
    EXPECT_STREQ(u, "HEA~200");

    char a[] = "  ab ";
    EXPECT_EQ(Trim_Blanks(a), 1);
    EXPECT_STREQ(a, "ab");
    char blanks[] = "   ";
    EXPECT_EQ(Trim_Blanks(blanks), 1);
    EXPECT_STREQ(blanks, "");
    EXPECT_EQ(Trim_Blanks(blanks), 0);
    char tab[] = "\tx ";
    Trim_Blanks(tab);
    EXPECT_STREQ(tab, "\tx");

    char abc[] = "  a b  c ";
    EXPECT_EQ(Remove_Blanks(abc), 1);
    EXPECT_STREQ(abc, "abc");
    char none[] = "   ";
    EXPECT_EQ(Remove_Blanks(none), 0);

    char pad[16] = "abcdef";
    Pad_Blank(pad, 5);
    EXPECT_STREQ(pad, "abcd");
    char grow[16] = "ab";
    Pad_Blank(grow, 6);
    EXPECT_STREQ(grow, "ab   ");
    Pad_Blank(nullptr, 3);

    std::string mixed = "stütze s235"_cp;
    Upper_Case(mixed.data());
    EXPECT_EQ(mixed, "ST\x81TZE S235");  // the umlaut stays as it is
}

TEST(StoredText, GuillemetFields) {
    char buffer[101];
    FILE* f = Stream_With("\xAE\xAF");
    EXPECT_EQ(Read_Guillemet_Field(f, buffer), 1);
    fclose(f);
    f = Stream_With("  \xAEStahl S235\xAF\n\xAE" "b\xAF");
    EXPECT_EQ(Read_Guillemet_Field(f, buffer), 0);
    EXPECT_STREQ(buffer, "Stahl S235");
    EXPECT_EQ(Read_Guillemet_Field(f, buffer), 0);
    EXPECT_STREQ(buffer, "b");
    EXPECT_EQ(Read_Guillemet_Field(f, buffer), 1);
    fclose(f);
    f = Stream_With("\xAE" + std::string(150, 'x') + "\xAF");
    EXPECT_EQ(Read_Guillemet_Field(f, buffer), 0);
    EXPECT_EQ(strlen(buffer), 100u);
    fclose(f);
    EXPECT_EQ(Read_Guillemet_Field(nullptr, buffer), 1);

    f = tmpfile();
    EXPECT_EQ(Write_Guillemet_Line(f, "S 355"), 0);
    EXPECT_EQ(Stream_All(f), "\xAES 355\xAF\n");
    fclose(f);
    EXPECT_EQ(Write_Guillemet_Line(nullptr, "x"), 1);
}

TEST(StoredText, PositionFiles) {
    testutil::TempDir dir;
    const std::string path = dir.file("BT01_01.TXT");
    testutil::Write_File(path, "12:Stütze links\n"_cp);
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "12");
    EXPECT_STREQ(Position_Text, "St\x81tze links");

    testutil::Write_File(path, "1234567:" + std::string(60, 't') + "\r\n");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "123456");
    EXPECT_EQ(strlen(Position_Text), 50u);

    testutil::Write_File(path, "7");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "7");
    EXPECT_STREQ(Position_Text, "");

    testutil::Write_File(path, "Kopf\r\n4.2\r\nTr\x84ger\r\n");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "4.2");
    EXPECT_STREQ(Position_Text, "Tr\x84ger");

    // A carriage return without its line feed ends the code or the text.
    testutil::Write_File(path, "4.2\rB:Tr\x84ger\rRest");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "4.2");
    EXPECT_STREQ(Position_Text, "Tr\x84ger");

    // Lines longer than their fields are cut, never read on as the next line.
    testutil::Write_File(path, "Kopf\n123456789012345\nTr\x84ger\n");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "123456");
    EXPECT_STREQ(Position_Text, "Tr\x84ger");
    testutil::Write_File(path, "1:" + std::string(148, 't') + "\n");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 0);
    EXPECT_STREQ(Position_Code, "1");
    EXPECT_EQ(std::string(Position_Text), std::string(50, 't'));

    testutil::Write_File(path, "Kopf\n4.3\n");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 1);
    EXPECT_STREQ(Position_Code, "4.3");
    EXPECT_STREQ(Position_Text, "");

    testutil::Write_File(path, "");
    EXPECT_EQ(Read_Code_and_Text_Path(path.c_str()), 1);
    EXPECT_EQ(Read_Code_and_Text_Path(dir.file("missing.TXT").c_str()), 1);
    EXPECT_STREQ(Position_Code, "");
}

TEST(StoredText, ErrorTableIntoFileSheetAndPrintList) {
    testutil::TempDir dir;
    Set_File_Base((dir.str() + "/BT01").c_str());
    FILE* errors = Open_Error_Table_File("_01.ERR");
    ASSERT_NE(errors, nullptr);
    EXPECT_EQ(Write_Error_Line(errors, 7, "Naht 1: a zu klein"), 7);
    EXPECT_EQ(Write_Error_Line(nullptr, 8, "x"), 8);
    Write_Error_Line(errors, 0, "Naht 2: l < 30 mm");
    const std::string table = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n Naht 1: a zu klein\n Naht 2: l < 30 mm\n";
    fflush(errors);
    EXPECT_EQ(testutil::Read_File(dir.file("BT01_01.ERR")), table);

    FILE* list = tmpfile();
    EXPECT_EQ(Append_Error_Table(list, errors), 0);
    EXPECT_EQ(Stream_All(list), table + "#END_OF_TEXT\n");
    fclose(list);
    list = tmpfile();
    EXPECT_EQ(Append_Proof_Failed_Text(list, errors), 0);
    EXPECT_EQ(Stream_All(list), " \xCE" "bDer Nachweis kann nicht gef\x81hrt werden ==>\xCE" "r\n#END_OF_TEXT\n" +
                                 table + "#END_OF_TEXT\n");
    fclose(list);
    EXPECT_EQ(Append_Error_Table(nullptr, errors), 1);
    EXPECT_EQ(Append_Proof_Failed_Text(nullptr, errors), 1);

    Show_Error_Table(errors);
    fflush(errors);
    EXPECT_EQ(testutil::Read_File(dir.file("BT01_01.ERR")), table + "#END_OF_TEXT\n");
    const OLITableSheetRecord* sheet = OLI_Last_Table_Sheet();
    ASSERT_EQ(sheet->shown, 1);
    EXPECT_STREQ(sheet->title, "Fehlermeldungen");
    EXPECT_EQ(sheet->row_count, 2);
    const int w = NPIXEL_X, h = NPIXEL_Y;
    const int head[7] = {512, 5, 5, w - 12, h - 12, (w - 7) / 2, (h - 7) / 2};
    for (int i = 0; i < 7; i++) EXPECT_EQ(sheet->sheet[i], head[i]) << i;
    int colours[OLI_TABLE_COLOUR_COUNT];
    ASSERT_EQ(getOLITableColours(colours), 1);
    EXPECT_EQ(colours[0], Nearest_Color_Index(240, 240, 240));
    EXPECT_EQ(colours[1], colours[0]);
    EXPECT_EQ(colours[4], BUTTON_CI);
    fclose(errors);
    Set_File_Base("");
}

TEST(StoredText, CopiesIntoAFullListReportTheirFailure) {
    FILE* full = fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    setvbuf(full, nullptr, _IONBF, 0);
    FILE* errors = testutil::Stream_With(" Naht 1\n");
    EXPECT_EQ(Append_Error_Table(full, errors), 1);
    EXPECT_EQ(Append_Proof_Failed_Text(full, errors), 1);
    EXPECT_EQ(Append_Proof_Failed_Text(full, nullptr), 1);
    fclose(errors);
    fclose(full);
}

TEST(StoredText, PicturePage) {
    // The picture page: the framed field, then the bitmap of the picture
    // directory when there is one, else the drawing file (not painted by
    // the stand-in), and the name at the lower right.
    testutil::TempDir pictures;
    std::string bmp(54 + 8 * 2, '\0');  // 2 x 2, 24 bits, all red
    const unsigned char head[54] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                    2,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0};
    for (int i = 0; i < 54; i++) bmp[i] = (char)head[i];
    for (int row = 0; row < 2; row++)
        for (int x = 0; x < 2; x++) bmp[54 + row * 8 + x * 3 + 2] = (char)0xFF;
    testutil::Write_File(pictures.file("Anschluss.BMP"), bmp);
    testutil::ScopedEnv data("DATA", pictures.str());
    snprintf(Picture_Directory, sizeof Picture_Directory, "%s", pictures.str().c_str());
    pxInitScreen(0, 0);
    const int w = NPIXEL_X, h = NPIXEL_Y;
    const int field = Nearest_Color_Index(235, 245, 225);
    Show_Picture_Page("Fehlt", 10, 50);
    EXPECT_EQ(pxGetPixel(7, 42), field);
    EXPECT_EQ(pxGetPixel(w / 2, h / 2), field);  // no bitmap: the field stays
    EXPECT_NE(pxGetPixel(6, 41), field);
    const int grey = Nearest_Color_Index(170, 170, 170);
    int grey_pixels = 0;
    for (int y = h - 30; y < h; y++)
        for (int x = w - 71; x < w; x++) grey_pixels += pxGetPixel(x, y) == grey;
    EXPECT_GT(grey_pixels, 0);
    Show_Picture_Page("Anschluss", 10, 50);
    EXPECT_EQ(pxGetPixel(w / 2, h / 2), Nearest_Color_Index(255, 0, 0));
    Picture_Directory[0] = '\0';

    // Names too long for a path are bounded, never overrun.
    snprintf(Picture_Directory, sizeof Picture_Directory, "%s", std::string(250, 'd').c_str());
    Show_Picture_Page(std::string(400, 'n').c_str(), 10, 50);
    Picture_Directory[0] = '\0';
}
