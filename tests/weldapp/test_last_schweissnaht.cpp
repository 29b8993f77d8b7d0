// Load cases: the block of every version, names, dropping cases without
// load, tens of thousands of cases, and the weld check record of one case.
#include <algorithm>
#include <gtest/gtest.h>

#include <string>

#include "base/cp850.h"
#include "support/testutil.h"
#include "weldapp/record_fixture.h"
#include "weldapp/schweissnaht.h"
#include "weldcheck/weld_check_record.h"

using testutil::Stream_With;

namespace {

using testutil::Record;

int Read_Block(const std::string& text, SchweissnahtAnschluss* r) { return testutil::Read_With(Read_Lasten, text, r); }

std::string Block(SchweissnahtAnschluss* r) { return testutil::Written_With(Write_Lasten, r); }

void Set_Case(SchweissnahtAnschluss* r, int i, const char* name, double N, double My = 0) {
    std::snprintf(r->loads[i].name, LASTFALL_NAME_SIZE, "%s", name);
    r->loads[i].forces.N = N;
    r->loads[i].forces.M_y = My;
}

}  // namespace

TEST(LoadBlock, EveryVersionReads) {
    struct Case {
        const char* what;
        std::string text;
        int unit;
    } cases[] = {
        // Version 0: a number and a record per case that are dropped.
        {"version 0", " 0\n 5\n 2\n x 9 9 9 9 9 9\n y 9 9 9 9 9 9\n A~1 1.5 2 3 4 5 6\n B 0 0 0 0 0 0\n", 0},
        {"version 1", " 1\n 2\n A~1 1.5 2 3 4 5 6\n B 0 0 0 0 0 0\n", 0},
        {"version 2", " 2\n 2\n A~1 1.5 2 3 4 5 6\n B 0 0 0 0 0 0\n 2\n", 2},
        {"version 2 CRLF", " 2\r\n 2\r\n A~1\r\n 1.5 2 3 4 5 6\r\n B\r\n 0 0 0 0 0 0\r\n 2\r\n", 2},
    };
    for (const Case& c : cases) {
        Record r;
        r.r.load_unit = 3;
        ASSERT_EQ(Read_Block(c.text, &r.r), 0) << c.what;
        ASSERT_EQ(r.r.load_count, 2) << c.what;
        EXPECT_STREQ(r.r.loads[0].name, "A 1") << c.what;
        // The file order is N, My, Vz, then Mz, Vy, Mx.
        const Lastfall& a = r.r.loads[0];
        EXPECT_EQ(a.forces.N, 1.5);
        EXPECT_EQ(a.forces.M_y, 2.0);
        EXPECT_EQ(a.forces.V_z, 3.0);
        EXPECT_EQ(a.forces.M_z, 4.0);
        EXPECT_EQ(a.forces.V_y, 5.0);
        EXPECT_EQ(a.forces.M_x, 6.0);
        EXPECT_STREQ(r.r.loads[1].name, "B");
        EXPECT_EQ(r.r.load_unit, c.unit) << c.what;
        // Written as version 2 and read again: the same block.
        const std::string written = Block(&r.r);
        Record back;
        ASSERT_EQ(Read_Block(written, &back.r), 0) << c.what;
        EXPECT_EQ(Block(&back.r), written) << c.what;
    }
}

TEST(LoadBlock, RefusalsAndBoundedNames) {
    const char* refused[] = {
        " 3\n 1\n A 0 0 0 0 0 0\n 0\n",     // newer block
        " 2\n 2147483647\n A 0 0 0 0 0 0\n",  // a count the file cannot hold
        " 2\n 99999999999\n",                 // a count no int holds
        " 2\n 2\n A 0 0 0 0 0 0\n B 0 0\n",   // cut short
        " 2\n 1\n A 0 0 inf 0 0 0\n 0\n",     // no number
    };
    for (const char* text : refused) {
        Record r;
        EXPECT_EQ(Read_Block(text, &r.r), 1) << text;
    }
    // A hand-edited name longer than the 40 characters the file keeps, or
    // holding the list's markup escape, is refused by name (the second
    // case's), not cut or printed as markup; 40 characters are read.
    const struct {
        std::string name;
        const char* refusal;  // null: read
    } names[] = {
        {std::string(200, 'N'), "Lastfall 2: Name ist 200 Zeichen lang (h\x94" "chstens 40)"},
        {"X\xCE@9.~Fake", "Lastfall 2: Name enth\x84lt das Zeichen 0xCE, das im Ausdruck eine Formatierung einleitet"},
        {std::string(40, 'N'), nullptr},
    };
    Record r;
    for (const auto& c : names) {
        EXPECT_EQ(Read_Block(" 2\n 2\n A 0 0 0 0 0 0\n " + c.name + " 1 0 0 0 0 0\n 0\n", &r.r), c.refusal ? 1 : 0);
        EXPECT_EQ(Last_Input_Value_Refusal().list, c.refusal ? c.refusal : "");
    }
    EXPECT_EQ(std::string(r.r.loads[1].name), std::string(40, 'N'));
    EXPECT_EQ(r.r.loads[1].forces.N, 1.0);
    // A name of 45 characters is written with 40 and kept at 40.
    const std::string name45 = "Kombination " + std::string(33, 'k');
    Set_Case(&r.r, 0, name45.c_str(), 1.0);
    const std::string block = Block(&r.r);
    EXPECT_EQ(block.substr(0, 48), " 2\n 2\n Kombination~" + std::string(28, 'k') + "\n");
    EXPECT_EQ(std::string(r.r.loads[0].name), name45.substr(0, 40));
}

TEST(LoadCases, DroppingCasesWithoutLoad) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, double>> cases;  // name, N
        std::vector<const char*> kept;
    } cases[] = {
        {"first empty", {{"A", 0}, {"B", 1}, {"C", 2}, {"D", 3}}, {"B", "C", "D"}},
        {"all empty", {{"A", 0}, {"B", 0}, {"C", 0}}, {"A"}},
        {"0.001 N is no load, 0.0011 is", {{"A", 0.001}, {"B", 0.0011}, {"C", -0.001}}, {"B"}},
        {"gaps", {{"A", 5}, {"B", 0}, {"C", 0}, {"D", 4}, {"E", 0}}, {"A", "D"}},
    };
    for (const Case& c : cases) {
        Record r;
        Alloc_Lasten(&r.r, static_cast<int>(c.cases.size()));
        for (size_t i = 0; i < c.cases.size(); ++i) Set_Case(&r.r, static_cast<int>(i), c.cases[i].first, c.cases[i].second);
        Drop_Empty_Lastfaelle(&r.r);
        ASSERT_EQ(r.r.load_count, static_cast<int>(c.kept.size())) << c.what;
        for (size_t i = 0; i < c.kept.size(); ++i) EXPECT_STREQ(r.r.loads[i].name, c.kept[i]) << c.what;
    }
    // Copying a record's cases onto themselves changes nothing.
    Record r;
    Alloc_Lasten(&r.r, 2);
    Set_Case(&r.r, 1, "B", 7.0);
    Copy_Lasten(&r.r, &r.r);
    ASSERT_EQ(r.r.load_count, 2);
    EXPECT_STREQ(r.r.loads[1].name, "B");
    EXPECT_EQ(r.r.loads[1].forces.N, 7.0);
}

TEST(LoadCases, TwentyThousandCasesRoundTripInLinearTime) {
    auto run = [](int n) {
        Record r;
        Alloc_Lasten(&r.r, n);
        for (int i = 0; i < n; ++i) Set_Case(&r.r, i, ("LK " + std::to_string(i)).c_str(), i % 2 ? 1000.0 * i : 0.0, 5e6);
        r.r.loads[0].forces.M_y = 0;  // case 0 carries nothing
        const double start = testutil::Cpu_Seconds();
        const std::string block = Block(&r.r);
        Record back;
        EXPECT_EQ(Read_Block(block, &back.r), 0);
        EXPECT_EQ(back.r.load_count, n);
        EXPECT_EQ(Block(&back.r), block);
        Drop_Empty_Lastfaelle(&back.r);
        EXPECT_EQ(back.r.load_count, n - 1);
        EXPECT_STREQ(back.r.loads[n - 2].name, ("LK " + std::to_string(n - 1)).c_str());
        return testutil::Cpu_Seconds() - start;
    };
    // Best of three runs each, so that a busy machine does not decide the ratio.
    double small = run(5000), large = run(20000);
    for (int i = 0; i < 2; ++i) {
        small = std::min(small, run(5000));
        large = std::min(large, run(20000));
    }
    // Four times the cases: well below sixteen times the time.
    EXPECT_LT(large, 10 * small + 0.05);
}

namespace {

// The answer of a stand-in check: its result, U_w and status.
struct Check_Answer {
    int result, status;
    double U;
} g_answer;
int Answering_Check(SchweissnahtNachweis* rec, FILE*, int, int, int, int) {
    rec->U_w = g_answer.U;
    rec->U_w_status = g_answer.status;
    return g_answer.result;
}

SchweissnahtNachweis g_seen;
int Capture_Check(SchweissnahtNachweis* rec, FILE*, int, int additional, int, int) {
    g_seen = *rec;
    rec->U_w = 0.5 + additional;
    rec->U_w_status = WELD_CHECK_DONE;
    return 0;
}

}  // namespace

TEST(WeldCheckPreparation, RecordOfOneLoadCase) {
    Weld_Check_Function old = Set_Weld_Check_Seam(Capture_Check);
    struct Case {
        const char* what;
        int type, all_round, shear_split;
        double length0;
        std::vector<std::tuple<int, double, double, int>> expect;  // slot, a, l, number
    } cases[] = {
        {"I profile, shear split 2: slot 0 in two halves", 4, 0, 2, 200, {{0, 6, 100, 1}, {12, 6, 100, 21}, {3, 4, 80, 8}, {13, 4, 80, 28}}},
        {"T profile, shear split 2: slot 0 in two halves", 11, 0, 2, 200, {{0, 6, 100, 1}, {12, 6, 100, 21}}},
        {"all round, shear split 2: the faces whole", 4, 1, 2, 200, {{0, 5, 0, 1}, {12, 0, 0, 0}, {13, 0, 0, 0}}},
        {"single weld of 0.005 mm passes no throat", 4, 0, 0, 0.005, {{0, 0, 0.005, 1}, {3, 4, 160, 8}}},
        {"all round: by flange, lengths 0", 4, 1, 0, 200, {{0, 5, 0, 1}, {1, 5, 0, 2}, {5, 5, 0, 3}, {2, 3, 0, 4}, {3, 4, 0, 8}, {7, 4, 0, 7}}},
        {"round tube: one weld of the all-round throat", 9, 1, 0, 0, {{0, 3, 0, 1}, {1, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        Record r;
        Nahtbild& n = r.r.naht;
        n.profile.type = c.type;
        n.profile.h = 300;
        n.profile.t_w = 10;
        n.profile.b_fo = n.profile.b_fu = 200;
        n.profile.t_fo = n.profile.t_fu = 16;
        n.all_round = c.all_round;
        n.a_w = 3;
        n.a_w_fo = 5;
        n.a_w_fu = 4;
        n.number[0] = 1;
        n.throat[0] = 6;
        n.length[0] = c.length0;
        n.number[3] = 8;
        n.throat[3] = 4;
        n.length[3] = 160;
        n.weld_count = 4;
        r.r.shear_split = c.shear_split;
        r.r.safety.gamma_M2 = 1.25;
        r.r.print.zusatzinfo = 1;
        LastfallErgebnis result{};
        result.forces.N = 1000;
        result.forces.M_x = 2000;
        EXPECT_EQ(Calc_Schweissnaht_Lastfall(&r.r, &result, nullptr, 1, 1, 1, 2), 0) << c.what;
        EXPECT_EQ(result.U_w.U, 1.5) << c.what;
        EXPECT_EQ(result.U_w.status, ERGEBNIS_GEFUEHRT) << c.what;
        EXPECT_EQ(g_seen.gamma_M2, 1.25);
        EXPECT_EQ(g_seen.forces.N, 1000);
        EXPECT_EQ(g_seen.forces.M_x, 2000);
        EXPECT_EQ(g_seen.full_treatment, 1);
        EXPECT_EQ(g_seen.check_field, 1);
        EXPECT_EQ(g_seen.deduct_craters, 1);
        for (auto [slot, a, l, number] : c.expect) {
            EXPECT_DOUBLE_EQ(g_seen.a[slot], a) << c.what << " slot " << slot;
            EXPECT_DOUBLE_EQ(g_seen.l[slot], l) << c.what << " slot " << slot;
            EXPECT_EQ(g_seen.number[slot], number) << c.what << " slot " << slot;
        }
    }
    // Without the weld check the case counts as not checked.
    Set_Weld_Check_Seam(nullptr);
    Record r;
    LastfallErgebnis result{};
    EXPECT_NE(Calc_Schweissnaht_Lastfall(&r.r, &result, nullptr, 0, 0, 0, 2), 0);
    Set_Weld_Check_Seam(old);
}

// The case takes the check's status, never a value of U_w: only a check that
// returned 0 and named its result done gives the case its U_w.
TEST(WeldCheckPreparation, CaseResultFollowsTheCheckStatus) {
    Weld_Check_Function old = Set_Weld_Check_Seam(Answering_Check);
    const struct {
        Check_Answer answer;
        int status;
        double U;
    } rows[] = {
        {{0, WELD_CHECK_DONE, 0.7}, ERGEBNIS_GEFUEHRT, 0.7},
        {{0, WELD_CHECK_DONE, 0.0}, ERGEBNIS_GEFUEHRT, 0.0},
        {{0, WELD_CHECK_REFUSED, 0.7}, ERGEBNIS_FEHLER, 0.0},
        {{0, WELD_CHECK_NOT_RUN, 0.7}, ERGEBNIS_FEHLER, 0.0},
        {{1, WELD_CHECK_DONE, 0.7}, ERGEBNIS_FEHLER, 0.0},
        {{1, WELD_CHECK_REFUSED, -1.0}, ERGEBNIS_FEHLER, 0.0},
    };
    for (const auto& row : rows) {
        g_answer = row.answer;
        Record r;
        LastfallErgebnis result{};
        result.forces.N = 1000;
        EXPECT_EQ(Calc_Schweissnaht_Lastfall(&r.r, &result, nullptr, 0, 0, 0, 2), row.answer.result);
        EXPECT_EQ(result.U_w.status, row.status) << row.answer.status << " " << row.answer.result;
        EXPECT_EQ(result.U_w.U, row.U);
    }
    Set_Weld_Check_Seam(old);
}
