// The final result of the cross-section and c/t checks where the rule
// "above 1 but below 1.001 counts as 1" applied, of a section whose web
// needs a closer check of its shear buckling, and of a DIN section whose
// plate needs its buckling check: its rows and its verdict.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp850.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "support/testutil.h"
#include "weldapp/endergebnis.h"
#include "weldapp/schweissnaht.h"

namespace {

// "  ~  1  ok" and the rule's note: the verdict of a value the rule counts.
std::string Counted() {
    const char* const note = "╬r (< 1.001 zählt als 1)"_cp;
    return std::string("  \xF7  1  ") + Mark_Ok() + note;
}

std::string Proven_By_The_Rule() {
    const char* const rule = "╬r  (Ausnutzung über 1 und unter 1.001 zählt als 1)\n"_cp;
    return std::string("\xCE" "B") + Line_Proof_Ok() + rule;
}

// The chapter "Endergebnis" of results set by hand (U_sigma, U_c/t, U_w of
// each case), the tolerance 0.
std::string Final_Result(const std::vector<std::vector<Ausnutzung>>& cases) {
    SchweissnahtAnschluss r{};
    Init_Schweissnaht(&r);
    Alloc_Lasten(&r, static_cast<int>(cases.size()));
    New_Schweissnaht_Results(&r);
    for (size_t i = 0; i < cases.size(); ++i) {
        LastfallErgebnis& e = r.results[i];
        e.U_sigma = cases[i][0], e.U_ct = cases[i][1], e.U_w = cases[i][2];
        e.point = -1;
    }
    r.print.ergebnisumfang = ERGEBNISUMFANG_STANDARD;
    const Endergebnis e = Summarise_Lastfaelle(&r);
    FILE* f = std::tmpfile();
    Print_Endergebnis(&r, e, nullptr, 0, f);
    OLI_End_Text(f);
    std::string text = testutil::Stream_All(f);
    std::fclose(f);
    Free_Schweissnaht(&r);
    return text;
}

}  // namespace

// Each row shows its maximum as computed with the rule where the rule
// counted it (1.0005), the verdict names the rule wherever it passed a
// case; of two cases the rule counts alike the larger as computed is the
// row's (Lk 1 on 1 itself, Lk 2 at 1.0005: Lk 2, in either order), and of
// two equal ones the first; a plain pass and a web that needs its shear
// buckling checked more closely keep their verdicts.
TEST(FinalResult, RowsAndVerdictOfTheRuleAndOfShearBuckling) {
    const Ausnutzung none{0.0, ERGEBNIS_NICHT_GEFUEHRT}, w = Ausnutzung_Gefuehrt(0.5);
    const Ausnutzung counted = Ausnutzung_Gerundet(1.0005), one = Ausnutzung_Gerundet(1.0);
    const Ausnutzung low = Ausnutzung_Gerundet(0.8);
    const char* const section = "╬tQuerschnitt╬tLk 2╬tU╬\\╠╬r = "_cp;
    const char* const section_1 = "╬tQuerschnitt╬tLk 1╬tU╬\\╠╬r = 1.000  \xF3  1  "_cp;
    const char* const ct = "╬tc/t-Verhältnis╬tLk 1╬tU╬\\c/t╬r = "_cp;
    const char* const buckling = "\n ╬HSchubbeulen (genauer Nachweis nötig):╬r╬tLk 2  "_cp;
    const char* const plate_buckling = "╬HBeulnachweis nach DIN 18800-3 nötig:╬r╬tLk 1  "_cp;
    const std::string proven = std::string("\xCE" "B") + Line_Proof_Ok() + "\n";
    const std::string failed = std::string("\xCE" "B") + Line_Proof_Failed() + "\n";
    const struct Case {
        const char* what;
        std::vector<std::vector<Ausnutzung>> cases;
        std::vector<std::string> lines;
        std::string absent;
    } cases[] = {
        {"section",
         {{low, none, w}, {counted, none, w}},
         {section + std::string("1.0005") + Counted() + "\n", Proven_By_The_Rule()},
         ""},
        {"the larger as computed, after 1 itself",
         {{one, none, w}, {counted, none, w}},
         {section + std::string("1.0005") + Counted() + "\n", Proven_By_The_Rule()},
         section_1},
        {"the larger as computed, before a smaller one",
         {{counted, none, w}, {Ausnutzung_Gerundet(1.0003), none, w}},
         {"╬tQuerschnitt╬tLk 1╬tU╬\\╠╬r = 1.0005"_cp + std::string(Counted()) + "\n", Proven_By_The_Rule()},
         "Lk 2╬tU"_cp},
        {"equal: the first case",
         {{low, none, w}, {one, none, w}, {one, none, w}},
         {section + std::string("1.000  \xF3  1  ") + Mark_Ok() + "\n", proven},
         "Lk 3╬tU"_cp},
        {"c/t", {{low, counted, w}}, {ct + std::string("1.0005") + Counted() + "\n", Proven_By_The_Rule()}, ""},
        {"plain", {{low, low, w}}, {proven}, "zählt"_cp},
        {"shear buckling", {{low, none, w}, {Ausnutzung_Schubbeulen(), none, w}},
         {buckling + std::string(Mark_Alert()) + "\n", failed}, "Berechnungsfehler"},
        // A DIN case whose plate needs its buckling checked keeps the
        // stress ratio its block printed: the section's maximum is its
        // 0.869, not the other case's 0.139; above 1 it fails the case.
        {"DIN plate buckling: its stresses count",
         {{Ausnutzung_Beulnachweis(0.869), none, w}, {Ausnutzung_Gerundet(0.139), none, w}},
         {"╬tQuerschnitt╬tLk 1╬tU╬\\╠╬r = 0.869"_cp, plate_buckling, failed}, "Nicht erfüllt"_cp},
        {"DIN plate buckling: stresses above 1",
         {{Ausnutzung_Beulnachweis(1.2), none, w}, {low, none, w}},
         {"╬tQuerschnitt╬tLk 1╬tU╬\\╠╬r = 1.200"_cp, "Nicht erfüllt in:╬r╬tLk 1  "_cp, plate_buckling, failed},
         "Lk 2╬tU"_cp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = Final_Result(c.cases);
        for (const std::string& line : c.lines) EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
        if (!c.absent.empty()) {
            EXPECT_EQ(text.find(c.absent), std::string::npos) << text;
        }
    }
}

// The overall maximum, which the result table and the chart mark among
// their values and whose case governs, is of the checks run: beside a DIN
// case whose plate needs its buckling check (its stresses at 0.869, the
// section's maximum) it is the other case's 0.139, not the larger 0.869.
TEST(FinalResult, TheOverallMaximumIsOfTheChecksRun) {
    SchweissnahtAnschluss r{};
    Init_Schweissnaht(&r);
    Alloc_Lasten(&r, 2);
    New_Schweissnaht_Results(&r);
    r.results[0].U_sigma = Ausnutzung_Beulnachweis(0.869);
    r.results[1].U_sigma = Ausnutzung_Gerundet(0.139);
    const Endergebnis e = Summarise_Lastfaelle(&r);
    EXPECT_EQ(e.sigma.load_case, 1);
    EXPECT_DOUBLE_EQ(e.sigma.U, 0.869);
    EXPECT_EQ(e.overall.load_case, 2);
    EXPECT_DOUBLE_EQ(e.overall.U, 0.139);
    EXPECT_EQ(e.plate_buckling, std::vector<int>{1});
    Free_Schweissnaht(&r);
}
