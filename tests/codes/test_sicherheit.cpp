// The partial safety factors: refill from the active annex, the input-file
// block of every version, the print text by mask, and the refusal of
// factors that would make every resistance infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "annex_fixture.h"
#include "codes/nad.h"
#include "codes/sicherheit.h"
#include "platform/msgbox.h"

namespace test_sicherheit {
namespace {

namespace fs = std::filesystem;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

class SafetyFactors : public ::testing::Test {
protected:
    void SetUp() override { VEK_Set_Batch_Mode(1); }
    void TearDown() override {
        VEK_Set_Batch_Mode(0);
        VEK_Clear_Recorded_Messages();
    }
    static Sicherheitsbeiwerte_Record Steel(double v) {
        Sicherheitsbeiwerte_Record r{};
        r.from_annex = 1;
        r.gamma_M0 = r.gamma_M1 = r.gamma_M2 = r.gamma_M3 = r.gamma_M4 = v;
        r.gamma_M5 = r.gamma_M6ser = r.gamma_M7 = r.gamma_M3ser = r.gamma_Mser = r.gamma_Mfi = v;
        return r;
    }

    testutil::AnnexTree annex;
};

TEST_F(SafetyFactors, GermanAnnexFillsTheNineFactors) {
    Sicherheitsbeiwerte_Record r = Steel(9.0);
    Update_Safety_Factors_From_NAD(&r);
    EXPECT_DOUBLE_EQ(r.gamma_M0, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(r.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(r.gamma_M3, 1.25);
    EXPECT_DOUBLE_EQ(r.gamma_M4, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_M5, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_M6ser, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_M7, 1.1);
    EXPECT_DOUBLE_EQ(r.gamma_M3ser, 1.1);
    EXPECT_DOUBLE_EQ(r.gamma_Mser, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_Mfi, 1.0);
    EXPECT_EQ(r.kind, 0);

    double out[9] = {};
    EXPECT_EQ(Get_NAD_Safety_Factors(0, out), Get_NAD_EC3());
    EXPECT_DOUBLE_EQ(out[1], 1.1);
    EXPECT_DOUBLE_EQ(out[8], 1.1);
}

TEST_F(SafetyFactors, AluminiumTakesTwoFactorsFromEN1999) {
    Sicherheitsbeiwerte_Record r = Steel(1.0);
    r.gamma_M2 = 1.25;
    r.gamma_Mser = r.gamma_Mfi = 7.0;
    r.kind = 2;
    Get_NAD_EC9()->gamma_M0 = 1.2;  // stands in for an annex with own values
    Get_NAD_EC9()->gamma_M1 = 1.3;
    Update_Safety_Factors_From_NAD(&r);
    EXPECT_DOUBLE_EQ(r.gamma_M0, 1.2);
    EXPECT_DOUBLE_EQ(r.gamma_M1, 1.3);
    EXPECT_DOUBLE_EQ(r.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(r.gamma_M3ser, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_Mser, 1.0);  // from the EN 1993 block
    EXPECT_DOUBLE_EQ(r.gamma_Mfi, 1.0);
    double out[9] = {5, 5, 5, 5, 5, 5, 5, 5, 5};
    EXPECT_EQ(Get_NAD_Safety_Factors(2, out), Get_NAD_EC9());
    EXPECT_DOUBLE_EQ(out[2], 5.0);
}

TEST_F(SafetyFactors, UnknownKindZeroesAndOwnValuesStay) {
    Sicherheitsbeiwerte_Record r = Steel(1.5);
    r.kind = 1;
    Update_Safety_Factors_From_NAD(&r);
    EXPECT_EQ(r.gamma_M0, 0.0);
    EXPECT_EQ(r.gamma_M3ser, 0.0);
    EXPECT_DOUBLE_EQ(r.gamma_Mser, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_Mfi, 1.0);
    double out[9] = {5, 5, 5, 5, 5, 5, 5, 5, 5};
    EXPECT_EQ(Get_NAD_Safety_Factors(1, out), nullptr);
    EXPECT_EQ(out[8], 0.0);

    Sicherheitsbeiwerte_Record own = Steel(1.5);
    own.from_annex = 0;
    Update_Safety_Factors_From_NAD(&own);
    EXPECT_DOUBLE_EQ(own.gamma_M1, 1.5);
    EXPECT_DOUBLE_EQ(own.gamma_Mser, 1.5);
    Update_Safety_Factors_From_NAD(nullptr);
}

TEST_F(SafetyFactors, BlockIsWrittenAsVersion2) {
    Sicherheitsbeiwerte_Record r = Steel(1.0);
    r.gamma_M1 = 1.1;
    r.gamma_M2 = 1.25;
    r.kind = 2;
    FILE* f = std::tmpfile();
    EXPECT_EQ(Write_Safety_Factors(f, &r), 0);
    EXPECT_EQ(testutil::Stream_Text(f),
              " 2\n 1\n 1.000000 1.100000 1.250000 1.000000 1.000000 1.000000 1.000000 1.000000 1.000000"
              " 1.000000 1.000000\n");
    std::fclose(f);
    EXPECT_EQ(Write_Safety_Factors(nullptr, &r), 1);
    EXPECT_EQ(Write_Safety_Factors(stdout, nullptr), 1);
}

TEST_F(SafetyFactors, EveryVersionReadsBack) {
    Sicherheitsbeiwerte_Record w = Steel(1.0);
    w.from_annex = 0;
    w.gamma_M2 = 1.3;
    w.gamma_Mser = 1.05;
    w.gamma_Mfi = 1.02;
    FILE* f = std::tmpfile();
    Write_Safety_Factors(f, &w);
    std::rewind(f);
    Sicherheitsbeiwerte_Record r{};
    EXPECT_EQ(Read_Safety_Factors(f, &r), 0);
    std::fclose(f);
    EXPECT_EQ(Safety_Factors_Equal(&r, &w), 1);
    EXPECT_DOUBLE_EQ(r.gamma_Mfi, 1.02);

    Sicherheitsbeiwerte_Record v0 = Steel(4.0);
    f = testutil::Stream_With(" 0\n 1\n 1 1.1 1.25 1.25 1 1 1 1.1 1.1\n");
    EXPECT_EQ(Read_Safety_Factors(f, &v0), 0);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(v0.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(v0.gamma_Mser, 4.0);
    EXPECT_DOUBLE_EQ(v0.gamma_Mfi, 4.0);

    Sicherheitsbeiwerte_Record v1 = Steel(4.0);
    f = testutil::Stream_With(" 1\r\n 1\r\n 1 1.1 1.25 1.25 1 1 1 1.1 1.1 1.05\r\n");
    EXPECT_EQ(Read_Safety_Factors(f, &v1), 0);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(v1.gamma_Mser, 1.05);
    EXPECT_DOUBLE_EQ(v1.gamma_Mfi, 4.0);

    Sicherheitsbeiwerte_Record shortr = Steel(4.0);
    f = testutil::Stream_With(" 2\n 1\n 1 1.1 1.25\n");
    EXPECT_EQ(Read_Safety_Factors(f, &shortr), 1);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(shortr.gamma_M2, 1.25);  // read before the failure
    EXPECT_DOUBLE_EQ(shortr.gamma_M3, 4.0);

    // A factor stored as "nan" or "inf" makes the block a damaged one.
    for (const char* line : {" 2\n 1\n nan 1.1 1.25 1.25 1 1 1 1.1 1.1 1.05 1\n",
                             " 2\n 1\n 1 1.1 1.25 1.25 1 1 1 1.1 1.1 1.05 inf\n"}) {
        Sicherheitsbeiwerte_Record bad = Steel(4.0);
        f = testutil::Stream_With(line);
        EXPECT_EQ(Read_Safety_Factors(f, &bad), 1) << line;
        std::fclose(f);
    }
}

TEST_F(SafetyFactors, NewerBlockFailsWithTheNewerFileMessage) {
    VEK_Set_Batch_Mode(0);
    VEK_Clear_Recorded_Messages();
    Sicherheitsbeiwerte_Record r = Steel(4.0);
    FILE* f = testutil::Stream_With(" 3\n 1\n 1 1 1 1 1 1 1 1 1 1 1 1\n");
    EXPECT_EQ(Read_Safety_Factors(f, &r), 1);
    std::fclose(f);
    EXPECT_DOUBLE_EQ(r.gamma_M0, 4.0);
    const auto& msgs = VEK_Recorded_Messages();
    ASSERT_EQ(msgs.size(), 1u);
    ASSERT_GE(msgs[0].lines.size(), 2u);
    EXPECT_EQ(msgs[0].lines[0], "!! ACHTUNG !!");
    EXPECT_EQ(msgs[0].lines[1], "Die Eingabedatei ist aktueller als die Programmversion");
}

TEST_F(SafetyFactors, ClearCopyCompare) {
    Sicherheitsbeiwerte_Record a = Steel(1.1), b{};
    a.kind = 2;
    Copy_Safety_Factors(&a, &b);
    EXPECT_EQ(b.kind, 2);
    EXPECT_EQ(Safety_Factors_Equal(&a, &b), 1);
    b.gamma_Mfi += 0.009;
    EXPECT_EQ(Safety_Factors_Equal(&a, &b), 1);
    b.gamma_Mfi += 0.002;
    EXPECT_EQ(Safety_Factors_Equal(&a, &b), 0);
    b = a;
    b.kind = 0;
    EXPECT_EQ(Safety_Factors_Equal(&a, &b), 1);
    b.from_annex = 0;
    EXPECT_EQ(Safety_Factors_Equal(&a, &b), 0);
    EXPECT_EQ(Safety_Factors_Equal(&a, nullptr), 0);
    Copy_Safety_Factors(nullptr, &b);
    EXPECT_EQ(b.gamma_M0, 0.0);
    EXPECT_EQ(b.from_annex, 0);
    Clear_Safety_Factors(&a);
    EXPECT_EQ(a.gamma_M2, 0.0);
    EXPECT_EQ(a.kind, 0);
}

TEST_F(SafetyFactors, PrintLinesByMask) {
    Sicherheitsbeiwerte_Record r = Steel(1.0);
    Update_Safety_Factors_From_NAD(&r);
    FILE* f = std::tmpfile();
    Print_Safety_Factors(&r, f, 6);
    std::string t = testutil::Stream_Text(f);
    std::fclose(f);
    EXPECT_NE(t.find("Beanspruchbarkeit von Querschnitten \xC0\xCE\\M0\xCEr = 1.00\n"), std::string::npos);
    EXPECT_NE(t.find("Beanspruchbarkeit von Schrauben, Schwei\xE1n\x84hten, Blechen auf Lochleibung "
                     "\xC0\xCE\\M2\xCEr = 1.25\n"),
              std::string::npos);
    EXPECT_EQ(Count(t, " = "), 2);

    f = std::tmpfile();
    Print_Safety_Factors(&r, f, 0);
    t = testutil::Stream_Text(f);
    std::fclose(f);
    EXPECT_EQ(Count(t, " = "), 10);
    EXPECT_EQ(t.find("Hohlprofilverbindungen"), std::string::npos);
    EXPECT_NE(t.find("Stabilit\x84tsversagen \xC0\xCE\\M1\xCEr = 1.10\n"), std::string::npos);
    EXPECT_EQ(t.find("unabh\x84ngig"), std::string::npos);

    f = std::tmpfile();
    r.from_annex = 0;
    Print_Safety_Factors(&r, f, 0x1000);
    t = testutil::Stream_Text(f);
    std::fclose(f);
    EXPECT_EQ(Count(t, " = "), 1);
    EXPECT_NE(t.find("Beanspruchbarkeit von Hohlprofilverbindungen \xC0\xCE\\M5\xCEr = 1.00\n"), std::string::npos);
    EXPECT_NE(t.find("\xCESSicherheitsbeiwerte unabh\x84ngig von den Vorgaben des Eurocodes\n"), std::string::npos);
}

TEST_F(SafetyFactors, OwnValuesPrintEveryLineInOrder) {
    Sicherheitsbeiwerte_Record r{};
    r.gamma_M0 = 1.0;
    r.gamma_M1 = 1.1;
    r.gamma_M2 = 1.25;
    r.gamma_M3 = 1.3;
    r.gamma_M4 = 1.01;
    r.gamma_M5 = 1.02;
    r.gamma_M6ser = 1.03;
    r.gamma_M7 = 1.15;
    r.gamma_M3ser = 1.12;
    r.gamma_Mser = 1.04;
    r.gamma_Mfi = 1.05;
    FILE* f = std::tmpfile();
    Print_Safety_Factors(&r, f, 0);
    const std::string t = testutil::Stream_Text(f);
    std::fclose(f);
    // Each line of the paragraph opens with the writer's blank.
    const std::string expected =
        " \xCESSicherheitsbeiwerte unabh\x84ngig von den Vorgaben des Eurocodes\n"
        " Beanspruchbarkeit von Querschnitten \xC0\xCE\\M0\xCEr = 1.00\n"
        " Beanspruchbarkeit von Bauteilen bei Stabilit\x84tsversagen \xC0\xCE\\M1\xCEr = 1.10\n"
        " Beanspruchbarkeit von Schrauben, Schwei\xE1n\x84hten, Blechen auf Lochleibung \xC0\xCE\\M2\xCEr = 1.25\n"
        " Gleitfestigkeit (Kategorie C) \xC0\xCE\\M3\xCEr = 1.30\n"
        " Gleitfestigkeit im GZG (Kategorie B) \xC0\xCE\\M3,ser\xCEr = 1.12\n"
        " Lochleibungsbeanspruchbarkeit von Injektionsschrauben \xC0\xCE\\M4\xCEr = 1.01\n"
        " Beanspruchbarkeit von Bolzen im GZG \xC0\xCE\\M6,ser\xCEr = 1.03\n"
        " Vorspannung hochfester Schrauben \xC0\xCE\\M7\xCEr = 1.15\n"
        " Gebrauchstauglichkeit \xC0\xCE\\M,ser\xCEr = 1.04\n"
        " Beanspruchbarkeit von Bauteilen im Brandfall \xC0\xCE\\M,fi\xCEr = 1.05\n";
    ASSERT_NE(t.find(" \xCES"), std::string::npos);
    EXPECT_EQ(t.substr(t.find(" \xCES")), expected);
}

TEST_F(SafetyFactors, ZeroFactorIsAFailedCheckAndKeptAsStored) {
    Sicherheitsbeiwerte_Record r{};  // a cleared record
    r.from_annex = 0;
    r.gamma_M0 = 1.0;
    FILE* f = std::tmpfile();
    Print_Safety_Factors(&r, f, 6);
    std::string t = testutil::Stream_Text(f);
    std::fclose(f);
    const std::string not_ok = "\xCE{C 1 230 0 0}\xCEHnicht ok !!\xCE{C 768}";
    EXPECT_NE(t.find("\xC0\xCE\\M2\xCEr = 0.00  " + not_ok + "\n"), std::string::npos);
    EXPECT_NE(t.find("\xC0\xCE\\M0\xCEr = 1.00\n"), std::string::npos);
    EXPECT_EQ(t.find("\xCEHok"), std::string::npos);  // no plain "ok" marker

    f = std::tmpfile();
    EXPECT_EQ(Check_Safety_Factors(&r, f, 6), 1);
    t = testutil::Stream_Text(f);
    std::fclose(f);
    // One line, for gamma_M2 only.
    EXPECT_TRUE(t.ends_with("Teilsicherheitsbeiwert \xC0\xCE\\M2\xCEr = 0.00 ung\x81ltig (nicht zwischen 0.5 und 3)  " +
                            not_ok + "\n"));
    EXPECT_EQ(Count(t, "Teilsicherheitsbeiwert"), 1);
    EXPECT_EQ(r.gamma_M2, 0.0);  // the stored value stays

    // Usable from 0.5 to 3: 1e-308 divides every resistance into overflow,
    // 1e300 into nothing.
    const struct {
        double gamma;
        int refused;
        const char* printed;  // its line's value and marker
    } cases[] = {{1.25, 0, "1.25\n"},      {0.5, 0, "0.50\n"},
                 {3.0, 0, "3.00\n"},       {-1.0, 1, "-1.00  "},
                 {NAN, 1, "keine Zahl  "}, {1e-308, 1, "0.00  "},
                 {0.49, 1, "0.49  "},       {3.01, 1, "3.01  "},
                 {1e300, 1, "1.00e+300  "}};
    for (const auto& c : cases) {
        r.gamma_M2 = c.gamma;
        EXPECT_EQ(Check_Safety_Factors(&r, nullptr, 6), c.refused) << c.gamma;
        f = std::tmpfile();
        Print_Safety_Factors(&r, f, 6);
        t = testutil::Stream_Text(f);
        std::fclose(f);
        EXPECT_NE(t.find("\xC0\xCE\\M2\xCEr = " + std::string(c.printed)), std::string::npos) << t;
    }
    r.gamma_M2 = NAN;
    r.gamma_M3 = 1.25;
    EXPECT_EQ(Check_Safety_Factors(&r, nullptr, 0x100), 0);  // gamma_M0 and gamma_M3 only

    r.gamma_M2 = 1.25;
    EXPECT_EQ(Safety_Utilisation_Valid(&r, 0.5), 1);
    EXPECT_EQ(Safety_Utilisation_Valid(&r, NAN), 0);
    r.gamma_M0 = 0.0;
    EXPECT_EQ(Safety_Utilisation_Valid(&r, 0.0), 0);
}

TEST_F(SafetyFactors, UnreadableAnnexLeavesANoteInThePrintList) {
    fs::remove(annex.dir.file("DATA/NAD/Deutschland.NAD"));
    testing::internal::CaptureStderr();
    Sicherheitsbeiwerte_Record r = Steel(9.0);
    Update_Safety_Factors_From_NAD(&r);
    testing::internal::GetCapturedStderr();
    EXPECT_DOUBLE_EQ(r.gamma_M1, 1.0);
    FILE* f = std::tmpfile();
    Print_Safety_Factors(&r, f, 6);
    const std::string t = testutil::Stream_Text(f);
    std::fclose(f);
    EXPECT_NE(t.find("HINWEIS: NAD \"Deutschland\" nicht lesbar - es gelten die EC-Standardparameter\n"),
              std::string::npos);
}

}  // namespace

}  // namespace test_sicherheit
