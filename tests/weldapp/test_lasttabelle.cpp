// The load-case table as scripted sessions of the load-case page: display
// units, editing values and names (refusals keep the old value), the row
// icons, sorting, the page's actions (text file, clearing), a table of 5000
// rows scrolled and edited with a cost per pass that does not grow with the
// rows, the function the import uses, and a snapshot of the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/snapshot.h"
#include "load_page.h"
#include "support/testutil.h"
#include "weldapp/control_words.h"

namespace test_lasttabelle {
namespace {

using testutil::Case;
using testutil::Last_Message;
using testutil::Load_Page;

// N 12 kN, My 3.5 kNm, Mz 1.2 kNm, Vy -0.8 kN, Vz 2.5 kN, Mx 0.4 kNm.
const Lastfall REFERENCE = Case("LK 1", 12000.0, 3.5e6, 1.2e6, -800.0, 2500.0, 4e5);

// The table shows N, My, Vz, Mz, Vy, Mx in the unit pair of the code: kN
// and kNm (1e-3, 1e-6), kN and kNcm (1e-3, 1e-4), N and Nm (1, 1e-3), N and
// Nmm (from a file only).
TEST(Load_Table, ShowsTheForcesInTheUnitOfTheRecord) {
    struct Expect {
        int unit;
        double N, My, Vz, Mz, Vy, Mx;
    };
    const Expect cases[] = {
        {0, 12.0, 3.5, 2.5, 1.2, -0.8, 0.4},
        {1, 12.0, 350.0, 2.5, 120.0, -0.8, 40.0},
        {2, 12000.0, 3500.0, 2500.0, 1200.0, -800.0, 400.0},
        {3, 12000.0, 3.5e6, 2500.0, 1.2e6, -800.0, 4e5},
    };
    for (const Expect& e : cases) {
        Load_Page page;
        page.Set_Cases({REFERENCE}, e.unit);
        page.Pass();
        const Lasttabelle_Zeile* row = page.Row(1);
        ASSERT_NE(row, nullptr);
        EXPECT_DOUBLE_EQ(row->forces.N, e.N) << e.unit;
        EXPECT_DOUBLE_EQ(row->forces.M_y, e.My) << e.unit;
        EXPECT_DOUBLE_EQ(row->forces.V_z, e.Vz) << e.unit;
        EXPECT_DOUBLE_EQ(row->forces.M_z, e.Mz) << e.unit;
        EXPECT_DOUBLE_EQ(row->forces.V_y, e.Vy) << e.unit;
        EXPECT_DOUBLE_EQ(row->forces.M_x, e.Mx) << e.unit;
        EXPECT_EQ(std::string(row->name), "LK 1" + std::string(36, ' '));
    }
}

// A change of the unit takes effect at the next pass; the record keeps the
// physical values, so the table shows a thousand times the kN/kNm numbers.
TEST(Load_Table, UnitChangeKeepsThePhysicalValues) {
    Load_Page page;
    page.Set_Cases({REFERENCE}, 0);
    page.Pass();
    page.record.r.load_unit = 2;
    page.Pass();
    EXPECT_DOUBLE_EQ(page.Row(1)->forces.N, 12000.0);
    EXPECT_DOUBLE_EQ(page.Row(1)->forces.M_y, 3500.0);
    EXPECT_EQ(Store_Lasttabelle(&page.record.r) >= 0, true);
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.N, 12000.0);
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.M_y, 3.5e6);
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.V_z, 2500.0);
}

TEST(Load_Table, TypedValuesGoIntoTheRecordInNAndNmm) {
    Load_Page page;
    page.Set_Cases({REFERENCE, Case("LK 2", 0, 0, 0, 0, 0, 0)}, 1);
    page.Pass();
    page.Click_Field(2, 1);  // My of row 2, in kNcm
    VEK_Script_Type("7,5", 0);  // the German decimal comma
    EXPECT_EQ(page.Event(), -1);
    EXPECT_DOUBLE_EQ(page.record.r.loads[1].forces.M_y, 75000.0);  // 7.5 kNcm = 75000 Nmm
    page.Pass();
    page.Click_Field(2, 1);
    VEK_Script_Type("1.000,5", 0);  // a thousands separator: refused
    EXPECT_EQ(page.Event(), -1);
    EXPECT_NE(Last_Message().find("keine Zahl"), std::string::npos);
    EXPECT_DOUBLE_EQ(page.record.r.loads[1].forces.M_y, 75000.0);
    page.Pass();
    page.Click_Field(2, 6);
    VEK_Script_Type("Wind links", 0);
    EXPECT_EQ(page.Event(), -1);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"LK 1", "Wind links"}));
    // The record is current after every event: an evaluation sees the edits.
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.N, 12000.0);
}

// A cell takes what was typed, every digit, or refuses it with a message
// naming what it takes: at most 1e15 N or Nmm (what the input file's reader
// and the check take) and the places of a hundredth of a newton (so that no
// case typed with a load counts as one without). 0.004 kN is 4 N, and stays
// 4 N through the input file.
TEST(Load_Table, CellsTakeWhatWasTypedOrRefuseIt) {
    const std::string outside = " liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von ";
    const struct {
        int unit, column;  // unit code; 0 N, 1 My
        const char* typed;
        double stored;     // N or Nmm; refused: the value kept
        std::string box;   // first two lines joined by "|"; empty: taken
    } cases[] = {
        {0, 0, "0.004", 4.0, ""},
        {0, 0, "1e9", 1e12, ""},
        {0, 0, "-1000000000000", -1e15, ""},
        {0, 0, "1e306", 12000.0, "Der Wert 1e+306" + outside + "-1e+12 bis 1e+12.|Der bisherige Wert 12.00 bleibt erhalten."},
        {0, 0, "0.000004", 12000.0,
         "Der Wert 4e-06 hat mehr Nachkommastellen, als das Feld aufnimmt.|Das Feld nimmt Werte von -1e+12 bis 1e+12 "
         "mit h\x94" "chstens 5 Nachkommastellen."},
        {0, 1, "2.00000001", 2000000.01, ""},
        {1, 1, "1e11", 1e15, ""},
        {1, 1, "1.5e11", 3.5e6, "Der Wert 1.5e+11" + outside + "-1e+11 bis 1e+11.|Der bisherige Wert 350.00 bleibt erhalten."},
        {2, 0, "12.25", 12.25, ""},
        {2, 0, "0.004", 12000.0,
         "Der Wert 0.004 hat mehr Nachkommastellen, als das Feld aufnimmt.|Das Feld nimmt Werte von -1e+15 bis 1e+15 "
         "mit h\x94" "chstens 2 Nachkommastellen."},
    };
    for (const auto& c : cases) {
        Load_Page page;
        page.Set_Cases({REFERENCE}, c.unit);
        page.Pass();
        page.Click_Field(1, c.column);
        VEK_Script_Type(c.typed, 0);
        EXPECT_EQ(page.Event(), -1);
        const Schnittkraefte& f = page.record.r.loads[0].forces;
        EXPECT_DOUBLE_EQ(c.column == 0 ? f.N : f.M_y, c.stored) << c.typed;
        std::string box = Last_Message();
        if (!box.empty()) box = box.substr(0, box.find('\n', box.find('\n') + 1)).replace(box.find('\n'), 1, "|");
        EXPECT_EQ(box, c.box) << c.typed;
        // Saved and read back: the input file holds what the table took.
        testutil::Record again;
        FILE* file = std::tmpfile();
        ASSERT_EQ(Write_Lasten(file, &page.record.r), 0);
        std::rewind(file);
        ASSERT_EQ(Read_Lasten(file, &again.r), 0);
        std::fclose(file);
        EXPECT_DOUBLE_EQ(again.r.loads[0].forces.N, f.N) << c.typed;
        EXPECT_DOUBLE_EQ(again.r.loads[0].forces.M_y, f.M_y) << c.typed;
    }
}

// Keys typed into a cell replace what it showed: "0.00" kN and 2, 5, Enter
// is 25 kN, 25000 N in the record (not 0.0025 kN); an empty name, kept
// padded to 40 blanks, takes what is typed.
TEST(Load_Table, KeysTypedIntoACellReplaceItsValue) {
    Load_Page page;
    page.Set_Cases({Case("", 0, 0, 0, 0, 0, 0)}, 0);  // kN and kNm
    page.Pass();
    page.Click_Field(1, 0);
    VEK_Script_Keys({'2', '5', VEK_KEY_ENTER});
    EXPECT_EQ(page.Event(), -1);
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.N, 25000.0);
    page.Pass();
    page.Click_Field(1, 6);
    VEK_Script_Keys({'W', 'i', 'n', 'd', VEK_KEY_ENTER});
    EXPECT_EQ(page.Event(), -1);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"Wind"}));
    EXPECT_EQ(std::strlen(page.record.r.loads[0].name), 40u);
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

// Letters in a number and a name longer than 40 characters are refused
// with a message; the value and the name stay as they were, nothing is cut.
TEST(Load_Table, BadInputKeepsTheOldValue) {
    Load_Page page;
    page.Set_Cases({REFERENCE}, 0);
    page.Pass();
    page.Click_Field(1, 0);
    VEK_Script_Type("zwölf"_cp, 0);
    EXPECT_EQ(page.Event(), -1);
    EXPECT_NE(Last_Message().find("ist keine Zahl"), std::string::npos);
    page.Pass();
    page.Click_Field(1, 6);
    VEK_Script_Type(std::string(41, 'x').c_str(), 0);
    EXPECT_EQ(page.Event(), -1);
    EXPECT_NE(Last_Message().find("40 Zeichen"), std::string::npos);
    page.Pass();
    EXPECT_DOUBLE_EQ(page.Row(1)->forces.N, 12.0);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"LK 1"}));
    EXPECT_DOUBLE_EQ(page.record.r.loads[0].forces.N, 12000.0);
    // Exactly 40 characters are taken.
    page.Click_Field(1, 6);
    VEK_Script_Type(std::string(40, 'y').c_str(), 0);
    page.Event();
    EXPECT_EQ(page.Names(), (std::vector<std::string>{std::string(40, 'y')}));
}

TEST(Load_Table, RowIconsDeleteDuplicateAndAppend) {
    Load_Page page;
    page.Set_Cases({Case("A", 1000, 0, 0, 0, 0, 0), Case("B", 2000, 0, 0, 0, 0, 0), Case("C", 3000, 0, 0, 0, 0, 0)},
                   0);
    page.Pass();
    page.Click_Icon(2, 1);
    EXPECT_EQ(page.Event(), 2);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"A", "C"}));
    page.Pass();
    page.Click_Icon(1, 2);
    EXPECT_EQ(page.Event(), 2);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"A", "A", "C"}));
    page.Pass();
    // The append line below the last row.
    VEK_Script_Click(page.Sx(testutil::TABLE_X + 20), page.Sy(Load_Page::Row_Top(4) + 5));
    EXPECT_EQ(page.Event(), 2);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"A", "A", "C", ""}));
    EXPECT_EQ(page.record.r.load_count, 4);
    EXPECT_DOUBLE_EQ(page.record.r.loads[2].forces.N, 3000.0);
    EXPECT_FALSE(Lastfall_Has_Load(&page.record.r, 3));
}

// The icon above a force column sorts the rows by it (the whole row moves).
TEST(Load_Table, ColumnIconSortsTheRows) {
    Load_Page page;
    page.Set_Cases({Case("A", 3000, 1, 0, 0, 0, 0), Case("B", -1000, 2, 0, 0, 0, 0), Case("C", 2000, 3, 0, 0, 0, 0)},
                   0);
    page.Pass();
    VEK_Script_Click(page.Sx(testutil::TABLE_X + 47 + 30), page.Sy(testutil::TABLE_Y - 14));
    VEK_Script_Menu(0);  // "Spalte sortieren"
    VEK_Script_Menu(1);  // "absteigend"
    EXPECT_EQ(page.Event(), -1);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_DOUBLE_EQ(page.record.r.loads[2].forces.N, -1000.0);
    EXPECT_DOUBLE_EQ(page.record.r.loads[2].forces.M_y, 2.0);
}

// Each column's icon sorts by that column's force: N, M_y, V_z, M_z, V_y,
// M_x from the left (the input file's order). Only the sorted force differs
// between the rows, so a column that read another force would leave them.
TEST(Load_Table, EachColumnIconSortsByItsForce) {
    double Schnittkraefte::*const columns[6] = {&Schnittkraefte::N,   &Schnittkraefte::M_y, &Schnittkraefte::V_z,
                                                &Schnittkraefte::M_z, &Schnittkraefte::V_y, &Schnittkraefte::M_x};
    for (int c = 0; c < 6; ++c) {
        Load_Page page;
        std::vector<Lastfall> cases = {Case("A", 0, 0, 0, 0, 0, 0), Case("B", 0, 0, 0, 0, 0, 0),
                                       Case("C", 0, 0, 0, 0, 0, 0)};
        const double value[3] = {1.0, 3.0, 2.0};  // in N and Nmm; unit code 3 shows them so
        for (int i = 0; i < 3; ++i) cases[i].forces.*columns[c] = value[i];
        page.Set_Cases(cases, 3);
        page.Pass();
        VEK_Script_Click(page.Sx(testutil::TABLE_X + 47 + 82 * c + 30), page.Sy(testutil::TABLE_Y - 14));
        VEK_Script_Menu(0);  // "Spalte sortieren"
        VEK_Script_Menu(1);  // "absteigend"
        EXPECT_EQ(page.Event(), -1) << c;
        EXPECT_EQ(page.Names(), (std::vector<std::string>{"B", "C", "A"})) << c;
        EXPECT_EQ(page.record.r.loads[0].forces.*columns[c], 3.0) << c;
    }
}

// Clearing the table asks first, "Nein" the default: no answer, or "Nein",
// keeps every case. "Ja" shows the one blank row at once (what the record
// holds, and the chart shows) and, leaving the page, gives one case with a
// blank name and no load.
TEST(Load_Table, ClearingAsksFirstAndLeavesOneBlankCase) {
    Load_Page page;
    page.Set_Cases({REFERENCE, REFERENCE}, 0);
    page.Pass();
    for (int answer : {-1, 0, 1}) {
        VEK_Clear_Recorded_Messages();
        if (answer >= 0) VEK_Script_Answer(answer);
        Lasttabelle_Request.clear_table = 1;
        EXPECT_EQ(Edit_Lasttabelle(), -1);
        EXPECT_EQ(Lasttabelle_Request.clear_table, 0);
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
        EXPECT_EQ(VEK_Recorded_Messages()[0].kind, VEK_MSG_QUESTION);
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
                  (std::vector<std::string>{"Sollen alle Lastf\x84lle der Tabelle gel\x94scht werden?",
                                            "(Anzahl der Lastf\x84lle: 2)"}));
        if (answer == 1) {
            EXPECT_EQ(Table_Row_Count(Lasttabelle_Table_Id()), 1);
            ASSERT_TRUE(page.Row(1));
            EXPECT_EQ(page.Row(1)->forces.N, 0.0);
        }
        page.Pass();
        if (answer == 1) break;
        EXPECT_EQ(page.record.r.load_count, 2) << answer;
        EXPECT_EQ(page.Names(), (std::vector<std::string>{"LK 1", "LK 1"}));
    }
    EXPECT_GE(Store_Lasttabelle(&page.record.r), 0);
    EXPECT_EQ(page.record.r.load_count, 1);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{""}));
    EXPECT_FALSE(Lastfall_Has_Load(&page.record.r, 0));
    // Without a table there is nothing to store.
    EXPECT_EQ(Store_Lasttabelle(&page.record.r), -1);
}

struct Question {
    int kind, width, height;
};
std::vector<Question> questions;
int Answer_Ok(int kind, int width, int height, const char*, void*, Lasttabelle_Text_Callback) {
    questions.push_back({kind, width, height});
    return 1;
}

// The file dialog's field and Enter: the path typed and the file opened.
void Choose_File(const std::string& path) {
    VEK_Script_Click(640 - 215 + 20, 512 - 62 + 65);
    VEK_Script_Type(path.c_str(), 0);
    VEK_Script_Key(VEK_KEY_ENTER);
}

// A text file's cases are appended in the table's display unit, without
// conversion; a file without cases (or a cancelled dialog) leaves the table
// and says so.
TEST(Load_Table, TextFileCasesAreAppended) {
    testutil::TempDir dir;
    const std::string file = dir.file("lasten.txt");
    testutil::Write_File(file, "#S Lasten aus Rahmen\r\n1 2 3 4 5 6 LK 1\r\n7;8;9;10;11;12\r\n#E\r\n");
    Load_Page page;
    questions.clear();
    Lasttabelle_Services services{};
    services.question_sheet = Answer_Ok;
    Set_Lasttabelle_Services(&services);
    page.Set_Cases({REFERENCE}, 0);
    page.Pass();
    Lasttabelle_Request.read_text_file = 1;
    Choose_File(file);
    EXPECT_EQ(Edit_Lasttabelle(), -1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].kind, 1);
    EXPECT_EQ(questions[0].width, 390);
    EXPECT_EQ(questions[0].height, 210);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"LK 1", "LK 1", ""}));
    const Lastfall& c = page.record.r.loads[1];
    EXPECT_DOUBLE_EQ(c.forces.N, 1000.0);
    EXPECT_DOUBLE_EQ(c.forces.M_y, 2e6);
    EXPECT_DOUBLE_EQ(c.forces.V_z, 3000.0);
    EXPECT_DOUBLE_EQ(c.forces.M_z, 4e6);
    EXPECT_DOUBLE_EQ(c.forces.V_y, 5000.0);
    EXPECT_DOUBLE_EQ(c.forces.M_x, 6e6);
    EXPECT_DOUBLE_EQ(page.record.r.loads[2].forces.M_x, 12e6);

    // A value no cell takes refuses the file: 2e12 kN is 2e15 N, 2e9 kNm
    // 2e15 Nmm (named with the seven digits a file's number has).
    const struct {
        const char* line;
        const char* said;
    } refused[] = {{"0 0 0 0 0 0 LK A\n2e12 0 0 0 0 0 LK B\n", "in Kombination 2 (LK B) ist N = 2e+12 kN."},
                   {"0 2e9 0 0 0 0 LK C\n", "in Kombination 1 (LK C) ist My = 2e+09 kNm."}};
    for (const auto& r : refused) {
        testutil::Write_File(file, std::string("#S\n") + r.line);
        page.Pass();
        Lasttabelle_Request.read_text_file = 1;
        Choose_File(file);
        EXPECT_EQ(Edit_Lasttabelle(), -1);
        EXPECT_EQ(Last_Message(), "Die Datei wird nicht eingelesen: " + std::string(r.said) +
                                      "\nEine Kraft darf h\x94" "chstens 1e+12 kN, ein Moment h\x94" "chstens 1e+09 kNm "
                                      "betragen.\nDie Lastfalltabelle bleibt unver\x84ndert.\n");
        EXPECT_EQ(page.record.r.load_count, 3);
    }
    testutil::Write_File(file, "#E\n1 2 3 4 5 6\n");
    page.Pass();
    Lasttabelle_Request.read_text_file = 1;
    Choose_File(file);
    EXPECT_EQ(Edit_Lasttabelle(), -1);
    EXPECT_EQ(Last_Message(), "Es wurden keine Schnittgrößenkombinationen eingelesen.\n"
                              "Bitte überprüfen Sie das Dateiformat.\n"_cp);
    page.Pass();
    VEK_Clear_Recorded_Messages();
    Lasttabelle_Request.read_text_file = 1;
    VEK_Script_Key(VEK_KEY_ESC);  // Break of the file dialog
    EXPECT_EQ(Edit_Lasttabelle(), -1);
    EXPECT_NE(Last_Message().find("keine Schnitt"), std::string::npos);
    EXPECT_EQ(page.record.r.load_count, 3);
}

// 5000 rows: only the rows in view are fields of the page, scrolled rows
// are painted, and a row far down is edited and deleted as any other.
TEST(Load_Table, FiveThousandRowsScrollEditAndDelete) {
    Load_Page page;
    std::vector<Lastfall> cases;
    for (int i = 0; i < 5000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "LK %d", i + 1);
        cases.push_back(Case(name, 1000.0 * (i + 1), 0, 0, 0, 0, 0));
    }
    page.Set_Cases(cases, 0);
    page.Pass();
    const int items = page.Item_Count();
    EXPECT_LT(items, 500);
    Scroll_Scrollable_Area_to(page.area, 0, Load_Page::Row_Top(4321) - 100, 900, Load_Page::Row_Top(4321) + 100);
    EXPECT_GT(page.Scroll_Y(), Load_Page::Row_Top(4250));
    page.Click_Field(4321, 0);
    VEK_Script_Type("-17.5", 0);
    EXPECT_EQ(page.Event(), -1);
    EXPECT_DOUBLE_EQ(page.record.r.loads[4320].forces.N, -17500.0);
    EXPECT_DOUBLE_EQ(page.record.r.loads[4319].forces.N, 4320000.0);
    page.Pass();
    EXPECT_LT(page.Item_Count(), 500);
    page.Click_Icon(4321, 1);
    EXPECT_EQ(page.Event(), 2);
    EXPECT_EQ(page.record.r.load_count, 4999);
    EXPECT_EQ(page.Names()[4320], "LK 4322");
    EXPECT_EQ(page.Names()[4998], "LK 5000");
}

// The import's entry: cases fill the unloaded cases at the top, the rest is
// appended; the page's table is built anew from the record.
TEST(Load_Table, ImportPutsCasesThroughTheTable) {
    Load_Page page;
    page.Set_Cases({Case("", 0, 0, 0, 0, 0, 0), Case("A", 5, 0, 0, 0, 0, 0)}, 0);
    page.Pass();
    const Lastfall imported[2] = {Case("Import Lk 1", 1, 0, 0, 0, 0, 0), Case("Import Lk 2", 2, 0, 0, 0, 0, 0)};
    EXPECT_EQ(Put_Lastfaelle_to_Lasttabelle(&page.record.r, imported, 2, LASTTABELLE_FILL_EMPTY), 3);
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"Import Lk 1", "A", "Import Lk 2"}));
    page.Pass();
    EXPECT_DOUBLE_EQ(page.Row(3)->forces.N, 0.002);
    EXPECT_EQ(Put_Lastfaelle_to_Lasttabelle(&page.record.r, imported, 1, LASTTABELLE_REPLACE), 1);
    std::vector<Lastfall> many(LASTTABELLE_MAX_ROWS, imported[0]);
    EXPECT_EQ(Put_Lastfaelle_to_Lasttabelle(&page.record.r, many.data(), LASTTABELLE_MAX_ROWS, LASTTABELLE_APPEND), -1);
    EXPECT_EQ(page.record.r.load_count, 1);
}

// The sign convention stands at (570, 260) while the table is short, else
// 20 below the table's append line (rows of 22 from 70); where the area's
// first view (660 high) would cut it there, 20 below that view.
TEST(Load_Table, SignPictureIsNeverCutByTheFirstView) {
    const struct {
        int rows, top;
    } cases[] = {{3, 260}, {8, 70 + 9 * 22 + 20}, {12, 660 + 20}, {40, 70 + 41 * 22 + 20}};
    for (const auto& c : cases) {
        Load_Page page;
        page.Set_Cases(std::vector<Lastfall>(static_cast<size_t>(c.rows), REFERENCE), 0);
        page.Pass();
        int width = 0, height = 0;
        Inquire_Scrollable_View_Area_Size(page.area, &width, &height);
        ASSERT_EQ(height, 660);
        const Scrollable_Area_Item* sign = nullptr;
        for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(page.area)->first_item; it; it = it->next)
            if (it->kind == AREA_ITEM_PICTURE && std::string(it->text) == "EC3_schweisslasten_pic.bmp") sign = it;
        ASSERT_NE(sign, nullptr) << c.rows;
        EXPECT_EQ(sign->y1, c.top) << c.rows;
        EXPECT_EQ(sign->y2 - sign->y1, 370) << c.rows;
    }
}

TEST(Load_Table, Snapshot) {
    Load_Page page;
    page.Set_Cases({REFERENCE, Case("Wind", -4500, 0, 2.25e6, 1250, 0, 0), Case("", 0, 0, 0, 0, 0, 0)}, 0);
    page.Pass();
    snapshot::Expect_Screen_Matches("weldapp_load_table", 0, 40, 999, 259);
}

}  // namespace

}  // namespace test_lasttabelle
