// The annex print tables, the program rule tables that cut them down, and
// the standard names and references.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "annex_fixture.h"
#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_norm.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "codes/nad_sheet.h"
#include "dialogs/area_session.h"
#include "support/testutil.h"

namespace {

namespace fs = std::filesystem;
using testutil::ScopedEnv;
using testutil::Write_File;

// A factor row of the annex chapter: 14 blanks, the symbol padded to 11,
// " = ", the value padded to 5, 15 blanks and the meaning padded to 40.
std::string Factor_Row(const std::string& symbol, const char* value, const std::string& meaning) {
    return std::string(14, ' ') + symbol + std::string(11 - symbol.size(), ' ') + " = " + value + " " +
           std::string(15, ' ') + meaning + std::string(40 - meaning.size(), ' ') + "\n";
}

// The norm by value: clang 14 crashes binding a _cp literal to a
// const std::string& parameter.
std::string Table_Title(std::string norm, std::string annex = "EC-Standardparameter") {
    return "#SHOWTABLE\n0 0 1\n " + norm + ", NA " + annex + "\n0 0 -1 -1\n#END_OF_TEXT\n"
           "#SETYPOS\n256 -0.5\n#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n"
           " Kapitel      Wert                          Bedeutung\n";
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

template <class Fn>
std::string Printed(Fn print) {
    FILE* f = std::tmpfile();
    print(f);
    const std::string s = testutil::Stream_All(f);
    std::fclose(f);
    return s;
}

// A tree with EXEC for the program rule files; the rule table is read
// afresh in every test.
class NadPrint : public testutil::AnnexTest {
protected:
    void SetUp() override {
        fs::create_directories(annex.dir.path() / "EXEC");
        Reset_NAD_Rules();
        AnnexTest::SetUp();
    }
    void TearDown() override {
        Reset_NAD_Rules();
        AnnexTest::TearDown();
    }
    // A program directory with its rule file; the table is read again.
    void Rule_File(const std::string& dir, const std::string& name, const std::string& text) {
        fs::create_directories(annex.dir.path() / "EXEC" / dir);
        Write_File(annex.dir.file("EXEC/" + dir + "/" + name), text);
        Reset_NAD_Rules();
        Scan_Application_NADs();
    }
    ScopedEnv exec{"EXEC", annex.dir.file("EXEC")};
};

TEST_F(NadPrint, RuleStringsDecideWhichRulesAreShown) {
    Rule_File("Q7", "APP0156.DEF", "#NAME \xAEquer\xAF\n#NADS -1\n1 0 1101 1 1 1 1 1 1 1\n");
    Rule_File("Q8", "APP0000.DEF", "#NADS 8\n");  // number 0: never read
    ASSERT_EQ(Count_NAD_Application_Rules(), 1);
    EXPECT_STREQ(Get_NAD_Application_Rule(0)->name, "QUER");
    EXPECT_STREQ(Get_NAD_Application_Rule(0)->service, "Bauteil");
    EXPECT_EQ(Find_Current_Application_NAD(), 156);
    EXPECT_EQ(NAD_Rules_Listed(), 1);
    EXPECT_EQ(NAD_Part_Mask() & 7, 5);  // parts 0 and 2; the word "0" of part 1 is not kept
    const int shown[][3] = {{0, 0, 1}, {1, 5, 1}, {2, 0, 1}, {2, 1, 1}, {2, 2, 0}, {2, 3, 1}, {2, 4, 0}, {12, 0, 1}};
    for (const auto& [p, k, want] : shown) EXPECT_EQ(NAD_Rule_Shown(p, k), want) << p << " " << k;
    Rule_File("Q9", "APP0157.DEF", "#NADS 8\n#GROUP\nx\n\xAEGruppe\xAF\n");
    EXPECT_EQ(Count_NAD_Application_Rules(), 2);
    const NAD_Application_Rule* r = Get_NAD_Application_Rule(0)->program_number == 157 ? Get_NAD_Application_Rule(0)
                                                                                        : Get_NAD_Application_Rule(1);
    EXPECT_EQ(r->part_mask, 8);
    EXPECT_EQ(r->rules_listed, 0);
    EXPECT_STREQ(r->service, "Gruppe");
    EXPECT_STREQ(r->name, "Q9");
}

// "Deutschland": gamma_M0 1.00, gamma_M1 1.10, gamma_M2 1.25; accidental
// 1.00, 1.00, 1.15; factor f applied; lambda_LT,0 0.40, beta 0.75, k_c from
// Table 6.6; gamma_M,fi 1.00.
TEST_F(NadPrint, En1993TableOfDeutschlandWithAndWithoutARuleFile) {
    Use_Annex(1);
    const std::string m0 = "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"_cp;
    const std::string m1 = "              └╬\\M1╬r     = 1.10                Stabilitätsversagen                     \n"_cp;
    const std::string m1_acc = "              └╬\\M1╬r     = 1.00                Stabilitätsversagen                     \n"_cp;
    const std::string all = Printed(Print_NAD_EC3_1_Table);
    EXPECT_TRUE(all.starts_with("#SHOWTABLE\n0 0 1\n EN 1993-1-1 (EC 3, Hochbau), NA Deutschland\n0 0 -1 -1\n"
                                "#END_OF_TEXT\n"));
    // A list of const char*: clang 14 crashes on _cp literals in a list of std::string.
    const char* const lines[] = {
        m0.c_str(), m1.c_str(), "              └╬\\M2╬r     = 1.25                Bruchversagen infolge Zug               \n"_cp,
        "                                            Schweißnähten, Blechen auf Lochleibung\n"_cp,
        "              └╬\\M2╬r     = 1.15                Bruchversagen infolge Zug               \n"_cp,
        "              von ╝╬\\LT╬r ansetzen              Allgemeiner Fall\n"_cp,
        " 6.3.2.3(1)   ┼╬\\LT,0╬r = 0.40                  Schlankheitsgrad Gl. (6.57)\n"_cp,
        "              ╗ = 0.75                      Korrekturfaktor Gl. (6.57)\n"_cp,
        " 6.3.2.3(2)   Beiwert k╬\\c╬r aus Tabelle 6.6    Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"_cp,
        " EN 1993-1-2 (EC 3, Brandfall), NA Deutschland\n",
        "              └╬\\M,fi╬r   = 1.00                mechanisches Versagen                   \n"_cp};
    for (const char* line : lines) EXPECT_NE(all.find(line), std::string::npos) << line;

    // Eurocode part 3 of the running program: 6.1 shown, gamma_M2 hidden, heading of
    // bolts, accidental rows and the fire table.
    Rule_File("Q7", "APP0156.DEF", "#NADS -1\n1 1 1 1010100001 1 1 1 1 1 1\n");
    const std::string cut = Printed(Print_NAD_EC3_1_Table);
    const std::string table = "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n"
                              " Kapitel      Wert                          Bedeutung\n"
                              " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n"_cp +
                              m0 + m1 +
                              "              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n"_cp + m0 +
                              m1_acc + "#END_OF_TEXT\n";
    EXPECT_NE(cut.find(table), std::string::npos) << cut;
    EXPECT_NE(cut.find(" 2.3(1)       Brandfall"), std::string::npos);
    EXPECT_EQ(cut.find("M2"), std::string::npos);
}

// The chapter of all EN 1993 tables (without a rule file every table is
// shown) of a user annex whose EN 1993-1-8 factors all differ (the
// recommended values give gamma_M4 = gamma_M5 = gamma_M6,ser = 1.00, which
// a swap would not change): gamma_M3 1.21, gamma_M4 1.02, gamma_M5 1.05,
// gamma_M6,ser 1.07, gamma_M7 1.11, gamma_M3,ser 1.13; the rest the
// recommended values. Its head, then, after the EN 1993-1-1 table, the
// tables of EN 1993-1-8 (each factor in its row), -1-5, -1-9 and -6.
TEST_F(NadPrint, En1993ChapterOfAnAnnexWhoseFactorsAllDiffer) {
    std::string own = testutil::Read_File(std::string(WELD_SOURCE_DIR) + "/data/NAD/Standard.NAD");
    const std::string factors = " 4 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n";
    ASSERT_NE(own.find(factors), std::string::npos);
    own.replace(own.find(factors), factors.size(), " 4 1.21 1.02 1.05 1.07 1.11 1.13\n");
    own.replace(own.find("\xAE" "EC-Standardparameter\xAF"), 22, "\xAE" "Eigen\xAF");
    Write_File(annex.dir.file("DRAM/NADS/1.NAD"), own);
    Set_Active_NAD_By_Name("Eigen");
    const std::string chapter = Printed(Print_NAD_EC3);
    EXPECT_TRUE(chapter.starts_with("#SETFLAGS\n 896\n\n#SETMARGINS\n257 0 0\n#RESERVESPACE\n6\n"
                                    "#SHOWTABLE\n1 1 0\n Ausgewählte Bemessungsparameter des nationalen Anhangs\n"_cp
                                    " Eigen\n0 0 -1 -1\n#END_OF_TEXT\n#SETYPOS\n256 -0.5\n"
                                    "#SHOWTABLE\n0 0 1\n EN 1993-1-1 (EC 3, Hochbau), NA Eigen\n"))
        << chapter.substr(0, 400);
    const std::string gM3 = "\xC0\xCE\\M3\xCEr", gM3ser = "\xC0\xCE\\M3,ser\xCEr", gM4 = "\xC0\xCE\\M4\xCEr";
    const std::string gM6ser = "\xC0\xCE\\M6,ser\xCEr", gM7 = "\xC0\xCE\\M7\xCEr", gM5 = "\xC0\xCE\\M5\xCEr";
    std::string tail = Table_Title("EN 1993-1-8 (EC 3, Anschlüsse)"_cp, "Eigen");
    tail += " 2.2(2)                                     Teilsicherheitsbeiwerte für Anschlüsse\n"_cp;
    tail += Factor_Row(gM3, "1.21", "Gleitfestigkeit (Kat.C, GZT)") + Factor_Row(gM3ser, "1.13", "Gleitfestigkeit (Kat.B, GZG)");
    tail += Factor_Row(gM4, "1.02", "Injektionsschrauben") + Factor_Row(gM6ser, "1.07", "Bolzen (GZG)");
    tail += Factor_Row(gM7, "1.11", "Vorspannung hochfester Schrauben") + Factor_Row(gM5, "1.05", "Hohlprofile in Fachwerken");
    tail += "#END_OF_TEXT\n";
    tail += Table_Title("EN 1993-1-5 (EC 3, Plattenbeulen)", "Eigen");
    tail += " 3.1(1)       Anmerkung 3                   zur Berücksichtigung der Schubverzerrungen\n"_cp;
    tail += " 5.1(2)       \xC1 = 1.20                      Beiwert zur Berechnung des Schubbeulens\n"
            "#END_OF_TEXT\n";
    tail += Table_Title("EN 1993-1-9 (EC 3, Ermüdung)"_cp, "Eigen");
    tail += " 3(7)         Schadensfolgen                Teilsicherheitsbeiwert für Ermüdung\n"_cp;
    tail += "              niedrig        hoch           \n"
            "              \xC0\xCE\\Mf\xCEr = 1.00     \xC0\xCE\\Mf\xCEr = 1.15     Schadenstoleranz\n";
    tail += "              \xC0\xCE\\Mf\xCEr = 1.15     \xC0\xCE\\Mf\xCEr = 1.35     Versagen ohne Vorankündigung\n"_cp;
    tail += "#END_OF_TEXT\n";
    tail += Table_Title("EN 1993-6 (EC 3, Kranbahnen)", "Eigen");
    tail += " 7.5(1)       \xC0\xCE\\M,ser\xCEr  = 1.00                Teilsicherheitsbeiwert (GZG)\n"
            "#END_OF_TEXT\n";
    EXPECT_TRUE(chapter.ends_with(tail)) << chapter.substr(chapter.size() > tail.size() ? chapter.size() - tail.size() : 0);

    // The rule string of Eurocode 3: EN 1993-1-8 asked for but 6.1 not, and EN 1993-1-9:
    // the -1-8 table needs both, so only the -1-9 table follows.
    Rule_File("Q7", "APP0156.DEF", "#NADS -1\n1 1 1 0001000100 1 1 1 1 1 1\n");
    const std::string cut = Printed(Print_NAD_EC3);
    for (const char* norm : {"EN 1993-1-8", "EN 1993-1-5", "EN 1993-6"}) EXPECT_EQ(cut.find(norm), std::string::npos);
    EXPECT_NE(cut.find(" 3(7)         Schadensfolgen"), std::string::npos);
}

// The weld program's tables end with EN 1993-1-8, where its welds take
// gamma_M2 and beta_w from: the German annex gives gamma_M2 = 1.25 and
// beta_w 0.88 for S420 and 0.85 for S450 and S460 besides Table 4.1; the
// recommended values only Table 4.1. The chapter of all tables keeps its
// own EN 1993-1-8 table of the bolts' factors, without these rows.
TEST_F(NadPrint, WeldTablesListEn1993Part18) {
    const std::string head = Table_Title("EN 1993-1-8 (EC 3, Anschlüsse)"_cp, "Deutschland") +
                             " 2.2(2)                                     Teilsicherheitsbeiwert für Schweißnähte\n"_cp +
                             Factor_Row("\xC0\xCE\\M2\xCEr", "1.25", "Beanspruchbarkeit von Schweißnähten"_cp) +
                             " 4.5.3.2(6)   \xBB\xCE\\w\xCEr nach Tabelle 4.1           Korrelationsbeiwert für Kehlnähte\n"_cp;
    const std::string bw = "\xBB\xCE\\w\xCEr";
    Use_Annex(1);
    EXPECT_TRUE(Printed(Print_NAD_EC3_1_Table)
                    .ends_with("#END_OF_TEXT\n" + head + Factor_Row(bw, "0.88", "abweichend für S420"_cp) +
                               Factor_Row(bw, "0.85", "abweichend für S450 und S460"_cp) + "#END_OF_TEXT\n"))
        << Printed(Print_NAD_EC3_1_Table);
    Use_Annex(0);
    std::string standard = head;
    standard.replace(standard.find("Deutschland"), 11, "EC-Standardparameter");
    EXPECT_TRUE(Printed(Print_NAD_EC3_1_Table).ends_with("#END_OF_TEXT\n" + standard + "#END_OF_TEXT\n"));
    EXPECT_EQ(Count(Printed(Print_NAD_EC3), "Korrelationsbeiwert"), 0);
}

TEST_F(NadPrint, NormNamesAndReferences) {
    EXPECT_STREQ(Get_Norm_Name(29, 0, 0), "EN 1999-1-1 (EC 9)");
    EXPECT_STREQ(Get_Norm_Name(29, 1, 1), "EC 9-1-1 (3.14)");
    EXPECT_STREQ(Get_Norm_Name(14, 1, 0), "");
    EXPECT_STREQ(Get_Norm_Name(40, 0, 0), "");
    const char* first = Get_Norm_Name(13, 1, 0);
    EXPECT_STREQ(first, "EN 1993-1-8 (EC 3, Anschlüsse, 12.10)"_cp);
    Get_Norm_Name(11, 0, 1);
    EXPECT_STREQ(first, "EC 0");  // the buffer is shared
    Set_Norm_Edition_Flag(0);
    EXPECT_STREQ(Get_Norm_Name(2, 1, 1), "DIN-Fb 102 (3.09)");
    Norm_Reference_Table* out = nullptr;
    EXPECT_EQ(Get_Norm_References(1, &out), 3);
    EXPECT_STREQ((*out)[2],
                 "Erläuterungen zu DIN 1045-1, Heft 525, Deutscher Ausschuss für Stahlbeton, Beuth Verlag GmbH, 2010"_cp);
    Set_Norm_Edition_Flag(1);

    Use_Annex(1);
    EXPECT_EQ(Get_Norm_References(12, &out), 5);
    EXPECT_STREQ((*out)[4], "EN 1993-1-1/NA, Nationaler Anhang zur EN 1993-1-1, Ausgabe Dezember 2018");
    EXPECT_STREQ((*out)[3], "  EN 1993-1-1/A1, Ergänzungen zur EN 1993-1-1, Ausgabe Juli 2014"_cp);
    Use_Annex(0);
    EXPECT_EQ(Get_Norm_References(12, &out), 4);
    EXPECT_STREQ((*out)[4], "");
    Norm_Reference_Table* untouched = nullptr;
    EXPECT_EQ(Get_Norm_References(6, &untouched), 0);
    EXPECT_EQ(untouched, nullptr);
    EXPECT_EQ(Get_Norm_References(33, &out), 1);
    EXPECT_STREQ((*out)[0], "");
}

TEST_F(NadPrint, En1990TablesShowTheFactorAInsteadOfPsi1) {
    const std::string text = Printed(Print_NAD_EC0);
    // Both chapters without a rule entry, without the heading of the annexes.
    EXPECT_NE(text.find(" Lastfaktoren (Hochbau) des nationalen Anhangs\n EC-Standardparameter\n"), std::string::npos);
    EXPECT_NE(text.find(" Lastfaktoren (Brückenbau)"_cp), std::string::npos);
    EXPECT_EQ(text.find(" Nationale Anhänge zu den Eurocodes"_cp), std::string::npos);
    EXPECT_NE(text.find(" LM 71                               0.80   a    0.00\n"), std::string::npos);
    EXPECT_EQ(text.find("-0.10"), std::string::npos);
    EXPECT_NE(text.find(" \xCEHa \xCEr 0.80 wenn nur 1 Gleis belastet wird\n    0.70 wenn 2 Gleise"), std::string::npos);
    EXPECT_NE(text.find(" Wohn-, Büroräume                 A, B     0.70  0.50  0.30  0.30\n"_cp), std::string::npos);
    // 5, 6, 6 and 5 building rows, 12 rows in each bridge table.
    EXPECT_EQ(Count(text, " Vorspannung                        1.00  1.00\n"), 4);
    EXPECT_EQ(Count(text, " Erdbeben                           1.00  1.00\n"), 1);
    EXPECT_EQ(Count(text, " Temperatur                             1.50  0.00\n"), 1);  // persistent bridge situation
    Rule_File("Q7", "APP0156.DEF", "#NADS -1\n01 1 1 1 1 1 1 1 1 1\n");
    const std::string bridges = Printed(Print_NAD_EC0);
    EXPECT_EQ(bridges.find("(Hochbau)"), std::string::npos);
    EXPECT_TRUE(bridges.find(" Nationale Anhänge zu den Eurocodes"_cp) < bridges.find("(Brückenbau)"_cp));
}

TEST_F(NadPrint, En1992RowsOfTheGermanAnnex) {
    Use_Annex(1);
    const std::string text = Printed(Print_NAD_EC2);
    EXPECT_NE(text.find(" EN 1992-1-1 (EC 2, Hochbau), NA Deutschland\n"), std::string::npos);
    // Table 9.2.1.1 in formula mode: the German annex refers to itself.
    EXPECT_NE(text.find(" 9.2.1.1(1)   A╬\\s,min╬r s. NA-DE               Mindestbewehrung für Balken und Platten [cm²]\n"_cp),
              std::string::npos);
    EXPECT_EQ(text.find("0.0013 b"), std::string::npos);
    for (const char* end : {"verzahnte Fugen\n", " raue Fugen\n", " glatte Fugen\n", " sehr glatte Fugen\n"})
        EXPECT_NE(text.find(end), std::string::npos) << end;
    // gamma_c 1.30 of the accidental situation (fourth row).
    EXPECT_NE(text.find("              └╬\\c╬r = 1.30   └╬\\s╬r = 1.00         außergewöhnliche Bemessungssituation\n"_cp),
              std::string::npos);
    EXPECT_NE(text.find(" EN 1992-2 (EC 2, Betonbrücken)\n"_cp), std::string::npos);
    EXPECT_NE(text.find(" 5.2(6)       ░╬\\0╬r = 1/200                    Imperfektion"_cp), std::string::npos);
}

TEST_F(NadPrint, En1996And1999TablesFollowTheirRules) {
    const std::string full = Printed(Print_NAD_EC9);
    EXPECT_NE(full.find("              └╬\\M2╬r     = 1.25                Bruchversagen"_cp), std::string::npos);
    EXPECT_NE(full.find("              C       = 1.20                Konstante, ANMERKUNG 2"), std::string::npos);
    EXPECT_NE(full.find("└╬\\Mp,ser╬r = 1.00"_cp), std::string::npos);
    // Program 156 declares its parts without rule strings: EN 1996 shows
    // only the persistent row (all three only for programs 94 and 100).
    EXPECT_NE(Printed(Print_NAD_EC6).find("außergewöhnliche"_cp), std::string::npos);
    Rule_File("Q7", "APP0156.DEF", "#NADS 64\n");
    const std::string masonry = Printed(Print_NAD_EC6);
    EXPECT_NE(masonry.find("              └╬\\M╬r = 1.50                     - ständige"_cp), std::string::npos);
    EXPECT_EQ(masonry.find("außergewöhnliche"_cp), std::string::npos);
    Rule_File("Q7", "APP0156.DEF", "#NADS -1\n1 1 1 1 1 1 1 1 1 10\n");
    const std::string cut = Printed(Print_NAD_EC9);
    EXPECT_NE(cut.find("└╬\\M1╬r"_cp), std::string::npos);
    EXPECT_EQ(cut.find("└╬\\M2╬r"_cp), std::string::npos);
    EXPECT_NE(cut.find(" 6.2.1(5)"), std::string::npos);
    EXPECT_EQ(cut.find(" 8.1.1(2)"), std::string::npos);
}

TEST_F(NadPrint, En1995TablesOfBothAnnexes) {
    const std::string std_text = Printed(Print_NAD_EC5);
    for (const char* line : std::initializer_list<const char*>{
             " ständig und vorübergehend   Vollholz           1.30\n"_cp,
             " ständig    0.60  0.60  0.50\n"_cp, "\n sehr kurz  1.10  1.10  0.90\n#END_OF_TEXT\n",
             " w\xCE\\inst\xCEr         l/300    l/150\n",
             "k\xCE\\cr\xCEr = 0.67   für Voll- und Brettschichtholz\n"_cp,
             " Tab. 2.3     \xC0\xCE\\M\xCEr = 1.30                     Vollholz\n",
             "              \xC0\xCE\\M\xCEr = 1.25                     Nagelplatten\n\n\n#END_OF_TEXT\n",
             " k\xCE\\shape\xCEr = 1 + 0.15 h/b, jedoch maximal 2.00\n"})
        EXPECT_NE(std_text.find(line), std::string::npos) << line;
    EXPECT_EQ(std_text.find("Stahl in Verbindungen"), std::string::npos);
    Use_Annex(1);
    const std::string german = Printed(Print_NAD_EC5);
    for (const char* line : std::initializer_list<const char*>{
             "              \xC0\xCE\\M\xCEr = 1.30                     Gipskarton, etc.\n",
             " 9.2.4.2      Abminderung der Tragf.        bei hor. Stoß und kurzen Tafeln\n (NA.20)  \n"_cp,
             " 8.6          Bohrlochdurchmesser bei       Stahlteilen um 1mm erhöhen\n (NA.7)  \n\n#END_OF_TEXT\n"_cp,
             " k\xCE\\shape\xCEr = 1 + 0.05 h/b, jedoch maximal 1.30\n"})
        EXPECT_NE(german.find(line), std::string::npos) << line;
}

// The EN 1999 sheet: its value fields and the line of chapter 6.2, which
// moves up as rows are hidden (y 184 with all rows, 166 without gamma_M2,
// 83 without 6.1.3).
TEST_F(NadPrint, En1999SheetRowsFollowTheRules) {
    Begin_Area_Session(640, 480);
    const int slot = Open_Area_Sheet("EC9", 0, 0, 600, 460, 0, 100);
    NAD_EC9_Block b;
    Default_NAD_EC9(&b);
    const struct {
        const char* part9;
        int fields, y_6_2;
    } cases[] = {{"111", 10, 184}, {"101", 9, 166}, {"011", 1, 83}};
    for (const auto& c : cases) {
        Rule_File("Q7", "APP0156.DEF", std::string("#NADS -1\n1 1 1 1 1 1 1 1 1 ") + c.part9 + "\n");
        NAD_EC9_Sheet(slot, &b, 1);
        int fields = 0, y = -1;
        for (Scrollable_Area_Item* i = Scrollable_View_Area_Record(slot)->first_item; i; i = i->next) {
            fields += i->kind == AREA_ITEM_DOUBLE;
            if (i->kind == AREA_ITEM_TEXT && std::string(i->text) == "6.2") y = i->y1;
        }
        EXPECT_EQ(fields, c.fields) << c.part9;
        EXPECT_EQ(y, c.y_6_2) << c.part9;
    }
    NAD_EC6_Block m;
    Default_NAD_EC6(&m);
    NAD_EC6_Sheet(slot, &m, 0);
    EXPECT_NE(Scrollable_View_Area_Record(slot)->first_item, nullptr);
    End_Area_Session();
}

// The editor's display options: one program in the table (sheet 320 x 148
// around the screen centre 640, 512, choices from x 490, y 477, buttons
// abbrechen at 742, 566 and ok at 764, 566). The sheet opens at the same
// place every time, so the clicks of every opening below land on the same
// controls; only ok puts a choice in force.
TEST_F(NadPrint, DisplayOptionsTakeEffectOnlyAfterOkAndStayInPlace) {
    Rule_File("Q7", "APP0156.DEF", "#NADS 12\n");
    Begin_Area_Session(1280, 1024);
    const int all_rules_x = 490 + 30 - 10, all_rules_y = 477 + 20 - 4;
    const int optimise_x = 490 + 30 - 10, optimise_y = 477 + 38 - 4;
    const int entry_x = 490 + 50 - 10, entry_y = 477 + 58 - 4;
    EXPECT_EQ(NAD_Display_Options_Sheet(), 0);  // closed: nothing changes
    EXPECT_EQ(NAD_All_Rules_Shown(), 0);
    // "alle Regeln darstellen", then abbrechen: nothing changes.
    VEK_Script_Click(all_rules_x, all_rules_y);
    VEK_Script_Click(742, 566);
    EXPECT_EQ(NAD_Display_Options_Sheet(), 0);
    EXPECT_EQ(NAD_Part_Mask(), 12);
    EXPECT_EQ(Find_Current_Application_NAD(), 156);
    // Nor does the cancelled choice stay in the sheet: ok at once keeps the
    // program's entry.
    VEK_Script_Click(764, 566);
    EXPECT_EQ(NAD_Display_Options_Sheet(), 1);
    EXPECT_EQ(NAD_Part_Mask(), 12);
    EXPECT_EQ(NAD_All_Rules_Shown(), 0);
    EXPECT_EQ(Find_Current_Application_NAD(), 156);
    // The choice with ok puts it in force.
    VEK_Script_Click(all_rules_x, all_rules_y);
    VEK_Script_Click(764, 566);
    EXPECT_EQ(NAD_Display_Options_Sheet(), 1);
    EXPECT_EQ(NAD_Part_Mask(), NAD_ALL_PARTS_MASK);
    EXPECT_EQ(NAD_All_Rules_Shown(), 1);
    EXPECT_EQ(Find_Current_Application_NAD(), 0);
    // The fifth opening, still at its place to the pixel (ok clicked on its
    // lower right corner): back to the program's entry.
    VEK_Script_Click(optimise_x, optimise_y);
    VEK_Script_Click(entry_x, entry_y);
    VEK_Script_Click(769, 578);
    EXPECT_EQ(NAD_Display_Options_Sheet(), 1);
    EXPECT_EQ(NAD_Part_Mask(), 12);
    EXPECT_EQ(NAD_All_Rules_Shown(), 0);
    EXPECT_EQ(Find_Current_Application_NAD(), 156);
    End_Area_Session();
}

}  // namespace
