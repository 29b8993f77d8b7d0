// Print control: the block of every version, the preface, and the head of
// the print list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "platform/msgbox.h"
#include "support/testutil.h"
#include "weldapp/oliprops.h"
#include "weldapp/program_context.h"

using testutil::Stream_With;

namespace {

struct Props {
    OliProps p{};
    Props() { Default_Print_Props(&p); }
    ~Props() { Default_Print_Props(&p); }
};

int Read_Block(const std::string& text, OliProps* p) {
    FILE* f = Stream_With(text);
    int result = Read_Print_Props(f, p);
    std::fclose(f);
    return result;
}

std::string Block(OliProps* p) {
    FILE* f = std::tmpfile();
    EXPECT_EQ(Write_Print_Props(f, p), 0);
    std::string text = testutil::Stream_All(f);
    std::fclose(f);
    return text;
}

}  // namespace

// Defaults for this program (156): tabular extent, governing case in
// detail. Each version adds its fields; the others keep their defaults.
TEST(PrintBlock, EveryVersionReads) {
    const std::string nine = " 0 1 0 0 2 7.500000 1 0 0";
    struct Case {
        int version;
        std::string rest;
        int zwischen, skizzen, detail, ohne, sonder;
        double toleranz;
        const char* preface;
    } cases[] = {
        {0, "\n", 1, 1, 1, 0, 0, 0.0, nullptr},
        {1, " 0\n", 0, 1, 1, 0, 0, 0.0, nullptr},
        {2, " 0 0\n", 0, 0, 1, 0, 0, 0.0, nullptr},
        {3, " 0 0 -7\n", 0, 0, -7, 0, 0, 0.0, nullptr},
        {4, " 0 0 -7 1\n", 0, 0, -7, 1, 0, 0.0, nullptr},
        {5, " 0 0 -7 1\n 3 a~b\n", 0, 0, -7, 1, 0, 0.0, "a b"},
        {6, " 0 0 -7 1 1\n 0\n", 0, 0, -7, 1, 1, 0.0, nullptr},
        {7, " 0 0 -7 1 1 4.000000\n 5 x\ny~z\n", 0, 0, -7, 1, 1, 4.0, "x\ny z"},
    };
    for (const Case& c : cases) {
        Props p;
        EXPECT_EQ(p.p.ergebnisumfang, 3);
        ASSERT_EQ(Read_Block(" " + std::to_string(c.version) + "\n" + nine + c.rest, &p.p), 0) << c.version;
        EXPECT_EQ(p.p.grafik, 0);
        EXPECT_EQ(p.p.zusatzinfo, 1);
        EXPECT_EQ(p.p.ergebnisumfang, 2);
        EXPECT_EQ(p.p.massstab, 7.5);
        EXPECT_EQ(p.p.na_parameter, 1);
        EXPECT_EQ(p.p.bemessungsgroessen, 0);
        EXPECT_EQ(p.p.zwischenergebnisse, c.zwischen) << c.version;
        EXPECT_EQ(p.p.skizzen, c.skizzen) << c.version;
        EXPECT_EQ(p.p.detailausgabe, c.detail) << c.version;
        EXPECT_EQ(p.p.ohne_nummerierung, c.ohne) << c.version;
        EXPECT_EQ(p.p.sonderschalter, c.sonder) << c.version;
        EXPECT_EQ(p.p.toleranz, c.toleranz) << c.version;
        EXPECT_STREQ(p.p.vorbemerkungen, c.preface) << c.version;
        // Written as version 7 and read again: the same block.
        const std::string written = Block(&p.p);
        Props back;
        ASSERT_EQ(Read_Block(written, &back.p), 0);
        EXPECT_EQ(Block(&back.p), written);
        EXPECT_STREQ(back.p.vorbemerkungen, c.preface);
    }
    // The preface "a b" is stored as its length and "a~b"; the record keeps
    // its blank.
    Props p;
    ASSERT_EQ(Read_Block(" 5\n" + nine + " 0 0 0 0\n 3 a~b\n", &p.p), 0);
    EXPECT_EQ(Block(&p.p), " 7\n 0 1 0 0 2 7.500000 1 0 0 0 0 0 0 0 0.000000\n 3 a~b\n");
    EXPECT_STREQ(p.p.vorbemerkungen, "a b");
}

TEST(PrintBlock, Refusals) {
    const char* refused[] = {
        " 8\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 0 0\n",   // newer block
        " 7\n 0 1 0 0 2 7.5 1 0\n",                   // fewer than nine
        " 7\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 0\n 2000000000 ab\n",  // preface beyond the file
        " 7\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 0\n 5 ab\n",          // preface cut short
        // Scale and tolerance that are no numbers, or no decimal ones.
        " 7\n 0 1 0 0 2 nan 1 0 0 0 0 0 0 0 0\n 0\n",
        " 7\n 0 1 0 0 2 inf 1 0 0 0 0 0 0 0 0\n 0\n",
        " 7\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 -inf\n 0\n",
        " 7\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 0x1p3\n 0\n",
    };
    VEK_Clear_Recorded_Messages();
    VEK_Set_Batch_Mode(1);
    for (const char* text : refused) {
        Props p;
        EXPECT_EQ(Read_Block(text, &p.p), 1) << text;
    }
    VEK_Set_Batch_Mode(0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // Outside batch mode the newer block is refused with its message.
    Props p;
    EXPECT_EQ(Read_Block(refused[0], &p.p), 1);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"!! ACHTUNG !!", "Die Eingabedatei ist aktueller als die Programmversion",
                                        "Bitte aktualisieren Sie das Programm."}));
}

// The sheet takes a tolerance of the final result from 0 to 10 %: a file's
// 1e300 % would pass every failed check with its note. Such a file was read
// with the tolerance clamped, without a word; now it is damaged, as a file
// with any other value no input gives.
TEST(PrintBlock, ToleranceOutsideTheSheetsRangeIsDamage) {
    const std::pair<const char*, int> cases[] = {{"1e300", 1}, {"12", 1}, {"10.000001", 1}, {"-5", 1},
                                                 {"-0.000001", 1}, {"0", 0}, {"2.5", 0}, {"10", 0}};
    for (const auto& [text, result] : cases) {
        Props p;
        EXPECT_EQ(Read_Block(std::string(" 7\n 0 1 0 0 2 7.5 1 0 0 0 0 0 0 0 ") + text + "\n 0\n", &p.p), result)
            << text;
        if (result == 0) {
            EXPECT_EQ(p.p.toleranz, std::strtod(text, nullptr)) << text;
        }
    }
}

TEST(PrintBlock, CopyAndClamp) {
    Props a, b;
    a.p.toleranz = 3.0;
    a.p.vorbemerkungen = static_cast<char*>(std::calloc(4, 1));
    std::strcpy(a.p.vorbemerkungen, "abc");
    Copy_Print_Props(&a.p, &b.p);
    EXPECT_EQ(b.p.toleranz, 3.0);
    ASSERT_NE(b.p.vorbemerkungen, a.p.vorbemerkungen);
    EXPECT_STREQ(b.p.vorbemerkungen, "abc");
    Copy_Print_Props(&a.p, &a.p);
    EXPECT_STREQ(a.p.vorbemerkungen, "abc");
    double values[] = {-1.0, 4.5, 12.0};
    for (double& v : values) Clamp_Zero_Ten(&v);
    EXPECT_EQ(values[0], 0.0);
    EXPECT_EQ(values[1], 4.5);
    EXPECT_EQ(values[2], 10.0);
}

// The head of the list: reserved space, contents entry, and the program
// line from the version file of "Q7-KX417" whose characters 7 and 8 carry
// the short code ("KG" for application 156 in this family's table).
TEST(PrintList, HeadOfTheList) {
    testutil::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Q7-KX417");
    testutil::ScopedEnv exec("EXEC", dir.str());
    const std::string id = dir.file("K1");
    const char* argv[] = {"schweissnaht", id.c_str(), "0", "4", "1"};
    ASSERT_EQ(Set_Program_Context(5, argv), 1);
    const std::string tail_of = "#STOREYPOS\n1\n#SETMARGINS\n257 13.000000 0\n#SHOWTABLE\n0 0 0\n0 0 -1 -1\n \xCES";
    const std::string end = "\n#END_OF_TEXT\n#RESTOREYPOS\n1\n#SETMARGINS\n257 0 0\n";
    struct Case {
        const char *number, *text, *version;
        double reserved;
        std::string expect;
    } cases[] = {
        {"12", "Träger"_cp, "Programm 1.23\n", 16.0,
         "#RESERVESPACE\n16\n#CONTENTS\n POS. 12: Tr\x84ger\n" + tail_of + "PrograKG 1.23" + end},
        {"", "Träger"_cp, "Version\n", 6.0, "#RESERVESPACE\n6\n#CONTENTS\n Tr\x84ger\n" + tail_of + "Version" + end},
        {"", "", nullptr, 6.0, "#RESERVESPACE\n6\n#CONTENTS\n\n"},
        {"7", "", nullptr, 6.0, "#RESERVESPACE\n6\n#CONTENTS\n POS. 7\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir.path() / "Q7-KX417" / "VERSION");
        if (c.version) testutil::Write_File(dir.file("Q7-KX417/VERSION"), c.version);
        FILE* list = Open_Print_List(c.number, c.text, 1, c.reserved, 0);
        ASSERT_NE(list, nullptr);
        Close_Print_List(list);
        EXPECT_EQ(testutil::Read_File(dir.file("K1_04.OLI")), c.expect) << c.text;
    }
    Close_Print_List(nullptr);
}

TEST(PrintList, ItemsAndSymbolPictures) {
    FILE* f = std::tmpfile();
    Print_Symbol_Picture(f, "Naht", 3.0, 2.0);
    Print_Symbol_Picture(f, "Naht", 0.5, 2.0);  // too small: nothing
    Print_Symbol_Picture(f, "", 3.0, 2.0);
    EXPECT_EQ(testutil::Stream_All(f),
              "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 3.000000 0 2.000000\n27 0 2.000000 %FONT%\\Naht.ocm\n-1\n");
    std::fclose(f);
}

#include "printlist/oli_para.h"
#include "printlist/verdict.h"

// The table helpers: the paragraph text they leave (markup escape 0xCE,
// "u" underline on, "r" reset).
TEST(PrintList, TableValueHelpers) {
    const std::string red = Color_Red_Begin(), end = Color_End();
    struct Case {
        void (*print)(FILE*, double, double);
        double maximum, u;
        std::string text;
    } cases[] = {
        {Print_Utilisation_3, 0.8, 0.8, " \xCEu  0.800\xCEr"},
        {Print_Utilisation_3, 1.2, 0.5, "   0.500"},
        {Print_Utilisation_3, 1.2, 1.2, " " + red + "\xCEu  1.200\xCEr" + end},
        {Print_Utilisation_3, 1.0, 0.0, "   ---  "},
        {Print_Utilisation_3, 1.0, -1.0, "  " + red + "Fehler" + end},
        {Print_Utilisation_3, -2.0, 0.25, "   0.250"},
        {Print_Value_2_Marked, 2.0, 2.0, " \xCEu   2.00\xCEr"},
        {Print_Value_2_Marked, 2.0, 0.0, "    --- "},
    };
    for (const Case& c : cases) {
        FILE* f = std::tmpfile();
        OLI_Reset_Writer();
        c.print(f, c.maximum, c.u);
        OLI_End_Text(f);
        const std::string all = testutil::Stream_All(f);
        EXPECT_NE(all.find(c.text), std::string::npos) << c.text << "\n" << all;
        std::fclose(f);
    }
    EXPECT_EQ(Set_Sheet_Label_Width(1), 80);
    EXPECT_EQ(Set_Sheet_Label_Width(2), 30);
    EXPECT_EQ(Set_Sheet_Label_Width(7), 110);
    testutil::TempDir dir;
    testutil::Write_File(dir.file("a.txt"), "x\r\ny\n");
    EXPECT_EQ(Copy_Text_File(dir.file("a.txt").c_str(), dir.file("b.txt").c_str()), 0);
    EXPECT_EQ(testutil::Read_File(dir.file("b.txt")), "x\r\ny\n");
    EXPECT_EQ(Copy_Text_File(dir.file("none").c_str(), dir.file("c.txt").c_str()), 1);
    EXPECT_EQ(std::string(Get_File_Directory(dir.file("a.txt").c_str())), dir.str() + "/");
}
