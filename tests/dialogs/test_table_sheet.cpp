// Table sheets as scripted sessions: a register sheet whose first page holds
// a table of load cases (rows edited, appended, deleted, duplicated, moved
// through with the arrow keys and scrolled with the wheel), the register's
// page change and its refusal, pages without a tab, unit values converted on
// OK before the leave checks, a nested sheet, requests of page code, a
// thousands-row table, and one snapshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "dialogs/fields.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/tablesheet.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "snapshot.h"
#include "support/testutil.h"

namespace test_table_sheet {
namespace {

struct Load {
    double N;
    int number;
};

int on = 1;
int Load_Row(int, int area, int x, int y, void *data) {
    Load *row = static_cast<Load *>(data);
    Add_Float_to_Scrollable_Area(area, x + 100, y + 15, &row->N, "%8.2f", RFONT_NORMAL, BLACK_CI, &on);
    char text[32];
    std::snprintf(text, sizeof text, "LF %d", row->number);
    Add_Text_to_Scrollable_Area(area, x + 200, y + 15, text, RFONT_NORMAL, BLACK_CI, 0);
    return 0;
}

int initial_rows = 3;
void Start_Loads(int t) {
    Load blank{0.0, 0};
    Set_Table_Template_Row(t, &blank);
    Set_Table_Part_Offset(t, 4, 20, 15);
    Set_Table_Part_Offset(t, 1, 25, 2);
    Set_Table_Part_Offset(t, 2, 42, 2);
    Set_Table_Part_Offset(t, 3, 25, 2);
    for (int k = 1; k <= initial_rows; ++k) {
        Load row{10.0 * k, k};
        Append_Table_Row(t, &row);
    }
}

void Fill_Loads(int, int) { Add_Labelled_Text_Field(30, 12, "Lastfälle"_cp, &on); }

// The rows as the sheet leaves them (read by the leave check on OK).
std::vector<Load> taken;
int Take_Rows(int t) {
    taken.clear();
    for (void *r = First_Table_Row(t); r; r = Next_Table_Row(t)) taken.push_back(*static_cast<Load *>(r));
    return 0;
}

void Fill_Hints(int, int) { Add_Labelled_Text_Field(20, 30, "Hinweise", &on); }

int page_x = 0, page_y = 0, ok_x = 0, ok_y = 0, tab_y = 0, sheet_x1 = 0, sheet_y1 = 0;
void (*script)(void) = nullptr;
void Built(int x1, int y1, int x2, int y2) {
    sheet_x1 = x1;
    sheet_y1 = y1;
    page_x = x1 + 8;
    page_y = y1 + 33 + 8 + 30;
    tab_y = y1 + 33 + 8 + 15;
    ok_x = x2 - 8 - 23 + 5;
    ok_y = y2 - 29 + 5;
    if (script) script();
}

// Content position (x, y) of the table's page, the table starting at (30, 20).
void Click(int x, int y) { VEK_Script_Click(page_x + x, page_y + y); }
int Row_Top(int k) { return 20 + (k - 1) * 20; }

bool snap = false;
void Snapshot_Pass(int) {
    if (snap && VEK_Script_Pending() == 1) {
        snapshot::Expect_Screen_Matches("table_sheet", sheet_x1, sheet_y1, sheet_x1 + 515, sheet_y1 + 405);
        snap = false;
    }
}

class Table_Sheet : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        Init_Screen_Colors();
        Init_Mouse_Move_Restriction(0, 0, 639, 479);
        Init_Table_Sheet_Descriptor(&d);
        d.mode = TABLE_SHEET_CONFIRM;
        std::snprintf(d.title, sizeof d.title, "Belastung");
        d.content_height = 300;
        d.content_width = 500;
        d.built = Built;
        d.pass = Snapshot_Pass;
        Init_Table_Sheet_Pages(2, pages);
        std::snprintf(pages[0].label, sizeof pages[0].label, "Lastfälle"_cp);
        pages[0].fill = Fill_Loads;
        pages[0].start = Start_Loads;
        pages[0].leave = Take_Rows;
        pages[0].row_size = sizeof(Load);
        pages[0].row_function = Load_Row;
        pages[0].table_y = 20;
        pages[0].vslider = 1;
        std::snprintf(pages[1].label, sizeof pages[1].label, "Hinweise");
        pages[1].fill = Fill_Hints;
        initial_rows = 3;
        taken.clear();
        script = nullptr;
        snap = false;
    }
    Table_Sheet_Descriptor d;
    Table_Sheet_Page pages[2];
};

}  // namespace

// Rows edited, appended, deleted, duplicated; an arrow key moves the edit to
// the row below. OK hands the rows to the leave check.
TEST_F(Table_Sheet, RowsAreEditedAddedAndDeleted) {
    script = [] {
        Click(30 + 104, Row_Top(2) + 11);   // N of row 2
        VEK_Script_Type("25.5", VEK_KEY_DOWN);   // and on to row 3
        VEK_Script_Type("7", 0);
        Click(30 + 30, Row_Top(4) + 8);     // the append line
        Click(30 + 30, Row_Top(1) + 8);     // delete row 1
        Click(30 + 48, Row_Top(1) + 8);     // duplicate the new row 1
        VEK_Script_Click(ok_x, ok_y);
    };
    snap = true;
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    EXPECT_FALSE(snap);
    ASSERT_EQ(taken.size(), 4u);
    EXPECT_DOUBLE_EQ(taken[0].N, 25.5);
    EXPECT_EQ(taken[0].number, 2);
    EXPECT_DOUBLE_EQ(taken[1].N, 25.5);  // its duplicate
    EXPECT_DOUBLE_EQ(taken[2].N, 7.0);
    EXPECT_EQ(taken[2].number, 3);
    EXPECT_EQ(taken[3].number, 0);  // appended from the template
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_EQ(d.last_page, 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
}

// The wheel scrolls the page; a click then edits the row under the mouse,
// and the page opens again where the user left it.
TEST_F(Table_Sheet, ScrolledRowsAreEditedWhereTheyShow) {
    initial_rows = 40;
    script = [] {
        VEK_Script_Move(page_x + 200, page_y + 100);
        VEK_Script_Wheel(-1);  // a tenth of the area's 299 pixels down: 29
        VEK_Script_Wheel(-1);
        Click(30 + 104, Row_Top(10) + 11 - 58);
        VEK_Script_Type("99", 0);
        VEK_Script_Click(ok_x, ok_y);
    };
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    ASSERT_EQ(taken.size(), 40u);
    EXPECT_DOUBLE_EQ(taken[9].N, 99.0);
    EXPECT_EQ(pages[0].scroll_y, 58);
}

// A tab click shows its page unless the register-change function refuses;
// a page of state -2 has no tab and is never shown.
int refuse = 0;
int Change(int, int) { return refuse; }
TEST_F(Table_Sheet, RegisterChangesAndItsRefusal) {
    d.register_change = Change;
    refuse = 1;
    script = [] {
        VEK_Script_Click(sheet_x1 + 8 + 250 + 20, tab_y);  // tab 2
        VEK_Script_Click(ok_x, ok_y);
    };
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    EXPECT_EQ(d.last_page, 0);
    refuse = 0;
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    EXPECT_EQ(d.last_page, 1);
    // Shown first the next time; a page without tab is skipped.
    pages[1].state = -2;
    d.last_page = 1;
    script = [] { VEK_Script_Click(ok_x, ok_y); };
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    EXPECT_EQ(d.last_page, 1);  // the last page: nothing follows it to skip to
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 0, pages), 0);
}

// On OK the unit values go back to storage units and the ints shown as
// doubles are rounded back, before the leave checks run; a refusing check
// keeps the sheet open.
double force = 12000.0;  // N, shown in kN
int count = 3;
double seen_by_check = 0.0;
int checks = 0;
void Fill_Units(int, int) {
    Register_Sheet_Unit_Value(&force, 0.001);
    double *shown = Register_Sheet_Int_Value(&count);
    if (shown && *shown == 3.0) *shown = 4.6;  // as an edit of the shown double would
}
int Check_Units(int) {
    seen_by_check = force;
    return ++checks == 1;  // refuses the first OK
}
TEST_F(Table_Sheet, UnitsAreConvertedBeforeTheLeaveChecks) {
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = Fill_Units;
    page.leave = Check_Units;
    d.content_height = 100;
    checks = 0;
    force = 12000.0;
    count = 3;
    script = [] {
        VEK_Script_Click(ok_x, ok_y);
        VEK_Script_Click(ok_x, ok_y);
    };
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 1);
    EXPECT_EQ(checks, 2);
    EXPECT_DOUBLE_EQ(seen_by_check, 12000.0);
    EXPECT_DOUBLE_EQ(force, 12000.0);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(Get_Registered_Int(&count), -99999999);  // the sheet is closed
}

// A page function opens a second sheet; closing it leaves the outer sheet
// as it was: its unit values still shown scaled (12 kN as
// 12000 N, not divided back by the inner sheet's close) and its ints still
// registered, while the inner sheet's own value (2.5 m shown as 2500 mm) is
// back in its unit. Requests of page code act as the buttons. Closing the
// outer sheet then divides its value back once: 12 again, not 0.012.
int inner_result = -1, outer_depth_seen = 0, outer_count = 3, count_seen = 0;
double outer_force = 12.0, inner_length = 2.5, force_seen = 0.0, length_seen = 0.0;
void Fill_Outer(int, int) {
    Register_Sheet_Unit_Value(&outer_force, 1000.0);
    Register_Sheet_Int_Value(&outer_count);
    if (inner_result != -1) return;
    Table_Sheet_Descriptor inner;
    Init_Table_Sheet_Descriptor(&inner);
    inner.mode = TABLE_SHEET_NO_BUTTONS;
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = [](int, int) {
        Register_Sheet_Unit_Value(&inner_length, 1000.0);
        Request_Sheet_OK();
    };
    inner.pending_code = 5;  // one pass, then the request ends it
    inner_result = Edit_Table_Wizard_Sheet(&inner, &page);
    outer_depth_seen = VEK_Prop_Sheet_Count();
    force_seen = outer_force;
    length_seen = inner_length;
    count_seen = Get_Registered_Int(&outer_count);
    Request_Sheet_Break();
}
TEST_F(Table_Sheet, NestedSheetsLeaveTheOuterOneAsItWas) {
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = Fill_Outer;
    inner_result = -1;
    outer_force = 12.0, inner_length = 2.5, outer_count = 3;
    d.pending_code = 7;
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 0);
    EXPECT_EQ(inner_result, 1);
    EXPECT_EQ(outer_depth_seen, 1);
    EXPECT_DOUBLE_EQ(force_seen, 12000.0);
    EXPECT_DOUBLE_EQ(length_seen, 2.5);
    EXPECT_EQ(count_seen, 3);
    EXPECT_DOUBLE_EQ(outer_force, 12.0);
    EXPECT_EQ(Get_Registered_Int(&outer_count), -99999999);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
}

// Thousands of rows stay quick: the same session of edits, arrow keys and
// scrolling on ten times the rows takes far less than a hundred times as
// long (no work per event grows faster than the rows; painting leaves out
// the rows off the screen).
TEST_F(Table_Sheet, ThousandsOfRowsStayResponsive) {
    script = [] {
        // Each round edits two rows (2 + 3 k and the one below) and scrolls
        // 58 pixels on.
        for (int k = 0; k < 10; ++k) {
            Click(30 + 104, Row_Top(2 + 3 * k) + 11 - 58 * k);
            VEK_Script_Type("1", VEK_KEY_DOWN);
            VEK_Script_Type("2", 0);
            VEK_Script_Move(page_x + 200, page_y + 100);
            VEK_Script_Wheel(-1);
            VEK_Script_Wheel(-1);
        }
        VEK_Script_Click(ok_x, ok_y);
    };
    auto session = [this](int rows) {
        initial_rows = rows;
        d.last_page = -1;
        pages[0].scroll_x = pages[0].scroll_y = -1;
        const double start = testutil::Cpu_Seconds();
        EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
        return testutil::Cpu_Seconds() - start;
    };
    // The best of three runs each, so that a busy machine does not decide
    // the ratio.
    session(500);  // once to warm up
    double small = session(500), large = session(5000);
    for (int k = 0; k < 2; ++k) {
        small = std::min(small, session(500));
        large = std::min(large, session(5000));
    }
    ASSERT_EQ(taken.size(), 5000u);
    for (int k = 0; k < 10; ++k) {
        EXPECT_DOUBLE_EQ(taken[static_cast<size_t>(1 + 3 * k)].N, 1.0) << k;
        EXPECT_DOUBLE_EQ(taken[static_cast<size_t>(2 + 3 * k)].N, 2.0) << k;
    }
    EXPECT_DOUBLE_EQ(taken[32].N, 330.0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_LT(large, 30.0 * small) << small << " s for 500 rows, " << large << " s for 5000";
    std::printf("61 events: %.3f s on 500 rows, %.3f s on 5000\n", small, large);
}

// The sheet with help: break 1, OK 2, the help button always; a page whose
// tab is inactive gives way to the next one when it is the first. The full
// screen sheet with "Weiter" fixes the window's size.
std::vector<int> filled;
void Fill_Page_0(int, int) { filled.push_back(0); }
void Fill_Page_1(int, int) { filled.push_back(1); }
int status_calls = 0;
void Status(char* text) {
    ++status_calls;
    std::snprintf(text, TABLE_SHEET_STATUS_SIZE, "Lastfall 1");
}
TEST(Help_Sheet, CodesHelpAndInactiveTabs) {
    pxInitScreen(640, 480);
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    Table_Sheet_Page pages[2];
    Init_Table_Sheet_Pages(2, pages);
    std::snprintf(pages[0].label, sizeof pages[0].label, "Eingabe");
    std::snprintf(pages[1].label, sizeof pages[1].label, "Ergebnis");
    pages[0].fill = Fill_Page_0;
    pages[1].fill = Fill_Page_1;
    pages[0].state = 0;
    filled.clear();
    status_calls = 0;
    // 300 x 200 content, margins 10: the sheet is 320 x 308, centred; OK
    // at its right end less 10 + 23, help in the middle... here left of
    // the status line: left + 10 + 32.
    const int x1 = 320 - 160, y1 = 240 - 154, x2 = x1 + 319, y2 = y1 + 307;
    VEK_Script_Click(x1 + 10 + 32 + 5, y2 - 29 + 5);  // help: the edit goes on
    VEK_Script_Click(x2 - 10 - 23 + 5, y2 - 29 + 5);  // OK
    EXPECT_EQ(Edit_Register_Sheet_with_Help(200, 300, "Nachweis", 2, pages, Status, "WLDH_156"), 1);
    EXPECT_STREQ(VEK_Last_Help_Topic(), "WLDH_156");
    ASSERT_FALSE(filled.empty());
    EXPECT_EQ(filled[0], 1);  // the first page's tab is inactive
    EXPECT_EQ(status_calls, 1);  // one pass: the help click does not end the edit
    VEK_Script_Click(x1 + 10 - 3 + 5, y2 - 29 + 5);  // break
    EXPECT_EQ(Edit_Register_Sheet_with_Help(200, 300, "Nachweis", 2, pages, nullptr, ""), 0);
    EXPECT_EQ(Edit_Register_Sheet_with_Help(200, 300, "Nachweis", 0, pages, nullptr, ""), 0);

    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_FULL_SCREEN_NEXT;
    VEK_Script_Click(320 - 50 + 10, 480 - 1 - 37 + 5);
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &pages[1]), 1);
    int w = 0, h = 0, mw = 0, mh = 0;
    VEK_Window_Min_Max_Size(&w, &h, &mw, &mh);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(mh, 480);
}

// Page code steers the innermost sheet: its corner, the tabs' states, the
// leave checks run on demand (the rows handed over without closing), a
// change of page with the page it came from, a refill and OK on request.
int steer_calls = 0, corner_x = -1, corner_y = -1, state_set = -9, state_none = -9, leave_result = -9;
int previous_seen = -9;
void Fill_Steering(int, int) {
    if (steer_calls++) return;
    Get_Sheet_Position(&corner_x, &corner_y);
    Set_Register_Page_State(1, 0);
    state_set = Get_Register_Page_State(1);
    state_none = Get_Register_Page_State(7);
    Set_Register_Page_State(1, 1);
    Set_Register_Row_Menu(0, 1);
    leave_result = Leave_Sheet_Level();
    Select_Register(1);
    previous_seen = Previous_Register();
    Request_Page_Refill();
}
TEST_F(Table_Sheet, PageCodeSteersTheSheet) {
    steer_calls = 0;
    pages[0].fill = Fill_Steering;
    pages[1].fill = [](int, int) { Request_Sheet_OK(); };
    d.pending_code = 5;
    script = [] { Click(400, 200); };  // one more event after the change of page
    Mouse_to_Default_Button_Off();
    EXPECT_EQ(Edit_Register_Table_Sheet(&d, 2, pages), 1);
    EXPECT_EQ(corner_x, sheet_x1);
    EXPECT_EQ(corner_y, sheet_y1);
    EXPECT_EQ(state_set, 0);
    EXPECT_EQ(state_none, -2);
    EXPECT_EQ(leave_result, 0);
    EXPECT_EQ(taken.size(), 3u);  // the leave check saw the rows
    EXPECT_EQ(previous_seen, 0);
    EXPECT_EQ(d.last_page, 1);
    Mouse_to_Default_Button_On();
    // Without an open sheet the helpers do nothing.
    int x = 5, y = 5;
    Get_Sheet_Position(&x, &y);
    EXPECT_EQ(x + y, 0);
    EXPECT_EQ(Leave_All_Sheet_Levels(), 0);
    EXPECT_EQ(Get_Register_Page_State(0), -2);
}

}  // namespace test_table_sheet
