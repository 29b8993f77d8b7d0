// Print and file helpers of the connection library: utilisation lines,
// names, the profile file's names, the title block of other connection
// types, symbol pictures and the result sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/filenames.h"
#include "endplate/endplate_print.h"
#include "endplate/endplate_services.h"
#include "platform/oli_layout.h"
#include "printlist/oli_para.h"
#include "support/testutil.h"

namespace {

std::string Written(void (*write)(FILE*)) {
    FILE* f = std::tmpfile();
    write(f);
    std::string s = testutil::Stream_Text(f);
    std::fclose(f);
    return s;
}

TEST(EndplatePrint, UtilisationLines) {
    EXPECT_EQ(Written([](FILE* f) { Print_Maximale_Ausnutzung(f, 1.0f); }),
              " \n ╬bMaximale Ausnutzung  1.000  \xF3  1   \x88  Nachweis erfüllt.\n"_cp);
    EXPECT_EQ(Written([](FILE* f) { Print_Maximale_Ausnutzung(f, 1.2f); }),
              " \n ╬bMaximale Ausnutzung  1.200  >  1   \x88  Nachweis ╬_nicht erfüllt╬r╬B !\n"_cp);
    // A utilisation that is no number is a failed check, not "nan".
    EXPECT_EQ(Written([](FILE* f) { Print_Maximale_Ausnutzung(f, NAN); }).find("999.999  >  1"), 26u);
    EXPECT_EQ(Print_Maximale_Ausnutzung(nullptr, 0.5f), 1);
    EXPECT_EQ(Written([](FILE* f) { Print_Ausnutzung_Symbol(f, "w", 'a', 0.25f); }), " ==> \xD5╬\\w╬r(a)= 0.250"_cp);
    // Static for the lambdas, so set again on every run of the test.
    static float max;
    max = 0.7f;
    EXPECT_EQ(Written([](FILE* f) { Print_Ausnutzung_Ratio(f, &max, 3.0f, 6.0f); }),
              " ╬b==> ╬bAusnutzung = 0.500 < 1╬r\n"_cp);
    EXPECT_FLOAT_EQ(max, 0.7f);  // a smaller ratio leaves the maximum
    Written([](FILE* f) { Print_Ausnutzung_Ratio(f, &max, 9.0f, 10.0f); });
    EXPECT_FLOAT_EQ(max, 0.9f);
    EXPECT_NE(Written([](FILE* f) { Print_Ausnutzung_Ratio(f, &max, 1.0f, 0.0f); }).find("999.999 >"), std::string::npos);
    // A force of -20 against a resistance of 10 is twice the resistance.
    max = 0.7f;
    EXPECT_EQ(Written([](FILE* f) { Print_Ausnutzung_Ratio(f, &max, -20.0f, 10.0f); }),
              " ╬b==> ╬bAusnutzung = 2.000 > 1╬r\n"_cp);
    EXPECT_FLOAT_EQ(max, 2.0f);
    EXPECT_EQ(Written([](FILE* f) { Print_Maximale_Ausnutzung(f, -1.5f); }),
              " \n ╬bMaximale Ausnutzung  1.500  >  1   \x88  Nachweis ╬_nicht erfüllt╬r╬B !\n"_cp);
}

TEST(EndplatePrint, Names) {
    char name[17];
    Pad_Name16(name, "IPE");
    EXPECT_EQ(std::string(name), "IPE             ");
    Pad_Name16(name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(std::string(name), "ABCDEFGHIJKLMNOP");
    char five[6];
    Pad_Name(five, nullptr, 5);
    EXPECT_EQ(std::string(five), "     ");
    EXPECT_EQ(Upper_Name_Not_After("he200a", "HE200A"), 1);
    EXPECT_EQ(Upper_Name_Not_After("HE200A", "HE200"), 0);
    EXPECT_EQ(Upper_Name_Not_After("HE20", "HE200A"), 1);
    EXPECT_EQ(Upper_Name_Not_After("ipe300", "IPE270"), 0);
    EXPECT_EQ(Upper_Name_Not_After("", "X"), 1);
    EXPECT_EQ(Upper_Name_Not_After("A", ""), 0);
    EXPECT_EQ(Upper_Name_Not_After("\xE1", "Z"), 0);  // bytes compare unsigned

    FILE* f = testutil::Stream_With(" «HE300A»\n«A NAME LONGER THAN 16»\n«»"_cp);
    char read[17];
    ASSERT_EQ(Read_Quoted_Name16(f, read), 0);
    EXPECT_STREQ(read, "HE300A");
    ASSERT_EQ(Read_Quoted_Name16(f, read), 0);
    EXPECT_STREQ(read, "A NAME LONGER TH");
    std::fclose(f);
    EXPECT_EQ(Read_Quoted_Name16(nullptr, read), 1);
    FILE* out = std::tmpfile();
    ASSERT_EQ(Write_Quoted_Name(out, "U300"), 0);
    EXPECT_EQ(testutil::Stream_Text(out), "«U300»\n"_cp);
    std::fclose(out);
    EXPECT_EQ(Write_Quoted_Name(nullptr, "U300"), 1);

    // Record 2 of a profile file: its first 16 bytes up to the blank.
    std::string records(320, ' ');
    std::memcpy(&records[160], "IPE300", 6);
    FILE* p = testutil::Stream_With(records);
    Read_Profile_Name_At(p, 2, read);
    EXPECT_STREQ(read, "IPE300");
    Read_Profile_Name_At(p, 3, read);
    EXPECT_STREQ(read, "");
    Read_Profile_Name_At(p, 0, read);
    EXPECT_STREQ(read, "");
    std::fclose(p);

    // The profile manager's choice, when there is a manager.
    std::strcpy(read, "keep");
    EXPECT_EQ(Select_Profile_Name(read), 1);
    EXPECT_STREQ(read, "keep");
    Endplate_Services s = {};
    s.select_profile = [](int mode) -> const char* { return mode == 1 ? "HE200A" : nullptr; };
    Set_Endplate_Services(&s);
    ASSERT_EQ(Select_Profile_Name(read), 0);
    EXPECT_EQ(std::string(read), "HE200A          ");
}

TEST(EndplatePrint, TitleBlockOfOtherTypesAndSymbolPictures) {
    OLI_Reset_Writer();
    FILE* f = std::tmpfile();
    Titelblatt_Info info = {};
    info.title = "Stirnplatte";
    info.type = TITEL_NO_FASTENERS;
    info.picture_width = 6, info.picture_height = 4;
    info.grade_name = "S235";
    info.bolt_size_name = "M20", info.bolt_class_name = "8.8";
    info.gamma_M = 1.1f;
    EXPECT_EQ(Print_Titelblatt(f, &info), 0);
    std::string s = testutil::Stream_Text(f);
    // Type 5: the grade without a fastener; the symbol file by type number.
    EXPECT_NE(s.find(" Stahlsorte S235,  \xC0╬\\M╬r = 1.10\n"_cp), std::string::npos) << s;
    EXPECT_EQ(s.find("Schraube"), std::string::npos);
    EXPECT_NE(s.find("27 0 4.0 %FONT%\\WLDH_005.OCM\n"), std::string::npos);
    std::fclose(f);
    f = std::tmpfile();
    info.type = 9;
    info.checks_table = 1, info.checks_text = "(Fortsetzung)";
    EXPECT_EQ(Print_Titelblatt(f, &info), 1);
    s = testutil::Stream_Text(f);
    EXPECT_NE(s.find("  Schraube M20,  FK 8.8\n"), std::string::npos);
    EXPECT_NE(s.find("#SHOWTABLE\n 1 0 0\n Nachweise (Fortsetzung)\n0 0 -1 -1\n"), std::string::npos);
    std::fclose(f);
    EXPECT_EQ(Print_Titelblatt(nullptr, &info), 0);

    f = std::tmpfile();
    Oli_Symbol_Picture_Before_Table(f, "SYM.OCM", 5, 3, 0.5, 1, [](FILE* o, void*) { std::fputs(" row\n", o); }, nullptr);
    s = testutil::Stream_Text(f);
    EXPECT_NE(s.find("\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 4.5 0 3.0\n27 0 3.0 %FONT%\\SYM.OCM\n-1\n"), std::string::npos) << s;
    EXPECT_NE(s.find("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n row\n#END_OF_TEXT\n"), std::string::npos);
    std::fclose(f);
    // Beside the text: the full width, the text's table opened again after.
    f = std::tmpfile();
    Oli_Symbol_Picture_Beside_Text(f, "SYM.OCM", 5, 3, 2, 0.5, 1);
    s = testutil::Stream_Text(f);
    EXPECT_EQ(s.rfind("#END_OF_TEXT\n", 0), 0u) << s;
    EXPECT_NE(s.find("\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 5.0 0 3.0\n27 0 3.0 %FONT%\\SYM.OCM\n-1\n"), std::string::npos) << s;
    EXPECT_EQ(s.substr(s.size() - 27), "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n");
    std::fclose(f);
}

TEST(EndplatePrint, ResultSheet) {
    // A null stream shows nothing: the record of the last sheet shown (by
    // whatever ran before) stays as it was.
    const OLITableSheetRecord before = *OLI_Last_Table_Sheet();
    Show_Ergebnisse_Table(nullptr);
    EXPECT_EQ(std::memcmp(&before, OLI_Last_Table_Sheet(), sizeof before), 0);
    testutil::TempDir dir;
    Set_File_Base((dir.str() + "/E").c_str());
    FILE* t = Open_Table_File("_01.TAB");
    ASSERT_NE(t, nullptr);
    std::fputs(" Schraube 1: 12.5 kN\n Schraube 2: 7.1 kN\n", t);
    Show_Ergebnisse_Table(t);
    const OLITableSheetRecord* r = OLI_Last_Table_Sheet();
    EXPECT_EQ(r->shown, 1);
    EXPECT_STREQ(r->title, "Ergebnisse");
    EXPECT_EQ(r->row_count, 2);
    EXPECT_EQ(r->sheet[0], 0x300);
    EXPECT_EQ(r->sheet[3], 1280 - 12);
    std::fclose(t);
    Set_File_Base("");
}

}  // namespace
