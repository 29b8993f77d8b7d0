// The table service as scripted sessions on a load-case-like table: the
// items a fill puts into the area, duplicating, deleting and appending rows
// through their icons, requests that outlive their rows, the row limit,
// arrow keys with scrolling, the column menu and the fill dialog.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "area_session.h"
#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace test_tables {
namespace {

struct Load {
    double N;
    double V;
    int number;
    int editable;
};

// One field per row (the value N, editable while the row's flag is set) and
// a plain text.
int Load_Row(int, int area, int x, int y, void *data) {
    Load *row = static_cast<Load *>(data);
    Add_Float_to_Scrollable_Area(area, x + 100, y + 15, &row->N, "%8.2f", RFONT_NORMAL, BLACK_CI,
                                 &row->editable);
    char text[32];
    std::snprintf(text, sizeof text, "LF %d", row->number);
    Add_Text_to_Scrollable_Area(area, x + 200, y + 15, text, RFONT_NORMAL, BLACK_CI, 0);
    return 0;
}

const int TOP = 30, LEFT = 10, RIGHT = 500, ROW = 22;

class Table : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        M_LEFT = 0;
        LAST_SHEET_EDIT_KEY = 0;
        slot = Open_Area_Sheet("Lastfälle"_cp, 0, 0, 600, Area_Height(), 1, 100);
        t = Define_Table_in_Scrollable_Area(slot, TOP, LEFT, RIGHT, ROW, sizeof(Load), Load_Row);
        ASSERT_GE(t, 0);
        Load blank{0.0, 0.0, 0, 1};
        Set_Table_Template_Row(t, &blank);
        Set_Table_Part_Offset(t, 4, 25, 15);
        Set_Table_Part_Offset(t, 1, 30, 3);
        Set_Table_Part_Offset(t, 2, 48, 3);
        Set_Table_Part_Offset(t, 3, 30, 3);
        for (int k = 1; k <= Row_Count(); ++k) {
            Load row{10.0 * k, -1.0 * k, k, 1};
            Append_Table_Row(t, &row);
        }
        Set_Table_Row_Limit(t, 10000);
        Refill();
    }
    void TearDown() override {
        for (int i = 0; i < SHEET_TABLE_COUNT; ++i) Release_Table(i);
        End_Area_Session();
        M_LEFT = 0;
    }
    virtual int Area_Height() const { return 400; }
    virtual int Row_Count() const { return 3; }

    void Refill() {
        Clear_Scrollable_View_Area(slot);
        Fill_Table_Area(t);
        Update_Scrollable_View_Area(slot);
    }
    // Screen point of content point (x, y).
    int Sx(int x) const {
        int ox = 0, oy = 0;
        Inquire_Scrollable_View_Area_Origin(slot, &ox, &oy);
        return x - ox;
    }
    int Sy(int y) const {
        int ox = 0, oy = 0;
        Inquire_Scrollable_View_Area_Origin(slot, &ox, &oy);
        return y - oy;
    }
    int Row_Top(int k) const { return TOP + (k - 1) * ROW; }
    // Clicks at a content point: the sheet reports the area, then the table
    // handles it.
    int Click_Table(int x, int y) {
        VEK_Script_Click(Sx(x), Sy(y));
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        return Edit_Table(t);
    }
    int Click_Delete(int k) { return Click_Table(LEFT + 30 + 7, Row_Top(k) + 3 + 8); }
    int Click_Duplicate(int k) { return Click_Table(LEFT + 48 + 9, Row_Top(k) + 3 + 8); }
    int Click_Append() { return Click_Table(LEFT + 30 + 17, Row_Top(Table_Row_Count(t) + 1) + 11); }
    std::vector<int> Numbers() {
        std::vector<int> out;
        for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t))
            out.push_back(static_cast<Load *>(p)->number);
        return out;
    }
    std::vector<double> Values() {
        std::vector<double> out;
        for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t))
            out.push_back(static_cast<Load *>(p)->N);
        return out;
    }
    int Count_Items(int kind) {
        int n = 0;
        for (Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item; it;
             it = it->next)
            if (it->kind == kind) ++n;
        return n;
    }
    int slot = -1;
    int t = -1;
};

TEST_F(Table, FillPutsRowsIconsNumbersAndAppendLineIntoTheArea) {
    // Per row: background, value, text, delete icon and click area, duplicate
    // icon and click area, number; then the append line.
    EXPECT_EQ(Count_Items(AREA_ITEM_RECTANGLE), 4);
    EXPECT_EQ(Count_Items(AREA_ITEM_CLICK_AREA), 7);
    EXPECT_EQ(Count_Items(AREA_ITEM_TREE_VIEW_IMAGE), 7);
    EXPECT_EQ(Count_Items(AREA_ITEM_DOUBLE), 3);
    Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item;
    ASSERT_EQ(it->kind, AREA_ITEM_RECTANGLE);
    EXPECT_EQ(it->y1, TOP - 6);  // the first row's background reaches 6 higher
    EXPECT_EQ(it->y2, TOP + ROW);
    int row = 0, click = 0;
    for (; it; it = it->next) {
        if (it->kind == AREA_ITEM_RECTANGLE && ++row == 4) {
            EXPECT_EQ(it->y1, Row_Top(4));  // append line
            EXPECT_EQ(it->y2, Row_Top(4) + ROW - 5);
        }
        if (it->kind == AREA_ITEM_CLICK_AREA) {
            ++click;
            EXPECT_EQ(it->aux, 18);
            const char *tip = click == 7 ? "neue Zeile anfügen"_cp
                              : click % 2 ? "Zeile löschen"_cp
                                          : "Zeile duplizieren";
            EXPECT_STREQ(it->text, tip);
        }
        if (it->kind == AREA_ITEM_TEXT && it->text && it->text[1] == ':') {
            EXPECT_EQ(it->y1 % ROW, (TOP + 15) % ROW);
            EXPECT_EQ(it->x1 + static_cast<int>(8 * std::strlen(it->text)) - 3, LEFT + 25);
        }
    }
    EXPECT_EQ(std::string("Zeile löschen"_cp), "Zeile l\x94schen");
}

// A column's icon opens a menu of what its flags allow; its tool tip says
// what that is (the load table's sort icons: "Spalte sortieren").
TEST_F(Table, ColumnIconsSayWhatTheirMenuOffers) {
    const struct {
        int flags;
        const char *tip;
    } columns[] = {{1, "Spalte sortieren"}, {2, "Spalte belegen"}, {3, "Spalte sortieren oder belegen"}};
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(Add_Table_Column(t, 200 + 40 * i, TOP - 15, 0, columns[i].flags, "%8.2f", offsetof(Load, N)),
                  nullptr);
    Refill();
    std::vector<std::string> tips;
    for (Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item; it; it = it->next)
        if (it->kind == AREA_ITEM_CLICK_AREA && it->y1 < TOP - 6) tips.push_back(it->text ? it->text : "");
    EXPECT_EQ(tips, (std::vector<std::string>{columns[0].tip, columns[1].tip, columns[2].tip}));
}

// Row 2 and the append line item by item: the row's background, the row
// function's items at the row's (x, y), the icons at their part offsets with
// click areas over them, the number right-aligned at its offset.
TEST_F(Table, SecondRowAndAppendLineLieAtTheirOffsets) {
    const int y = Row_Top(2), ya = Row_Top(4);
    struct Box {
        int kind, x1, y1, x2, y2;
    };
    const Box expected[] = {
        // row 2: items 8 .. 15 (8 a row)
        {AREA_ITEM_RECTANGLE, LEFT, y, RIGHT, y + ROW},
        {AREA_ITEM_DOUBLE, LEFT + 100, y + 15, -1, -1},
        {AREA_ITEM_TEXT, LEFT + 200, y + 15, -1, -1},
        {AREA_ITEM_TREE_VIEW_IMAGE, LEFT + 30, y + 3, LEFT + 44, y + 19},
        {AREA_ITEM_CLICK_AREA, LEFT + 30, y + 3, LEFT + 44, y + 19},
        {AREA_ITEM_TREE_VIEW_IMAGE, LEFT + 48, y + 3, LEFT + 66, y + 19},
        {AREA_ITEM_CLICK_AREA, LEFT + 48, y + 3, LEFT + 66, y + 19},
        {AREA_ITEM_TEXT, LEFT + 25 - (8 * 2 - 3), y + 15, -1, -1},  // "2:"
        // the append line: items 24 .. 26, the last ones
        {AREA_ITEM_RECTANGLE, LEFT, ya, RIGHT, ya + ROW - 5},
        {AREA_ITEM_TREE_VIEW_IMAGE, LEFT + 30, ya + 3, LEFT + 65, ya + 19},
        {AREA_ITEM_CLICK_AREA, LEFT + 30, ya + 3, LEFT + 65, ya + 19},
    };
    std::vector<Scrollable_Area_Item *> items;
    for (Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item; it;
         it = it->next)
        items.push_back(it);
    ASSERT_EQ(items.size(), 27u);
    const int index[] = {8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26};
    for (int i = 0; i < 11; ++i) {
        const Box &b = expected[i];
        const Scrollable_Area_Item *it = items[static_cast<size_t>(index[i])];
        EXPECT_EQ(it->kind, b.kind) << i;
        EXPECT_EQ(it->x1, b.x1) << i;
        EXPECT_EQ(it->y1, b.y1) << i;
        if (b.x2 >= 0) {
            EXPECT_EQ(it->x2, b.x2) << i;
            EXPECT_EQ(it->y2, b.y2) << i;
        }
        if (b.kind == AREA_ITEM_RECTANGLE) {
            EXPECT_EQ(it->colour, Nearest_RGB_Color(232, 232, 232));
        }
        if (b.kind == AREA_ITEM_CLICK_AREA) {
            EXPECT_EQ(it->aux, 18);        // hand cursor
            EXPECT_EQ(it->font, AREA_FONT_FAINT_SHADOW | 0x1006);  // tool tip font word, not below
            EXPECT_EQ(it->colour, BLACK_CI);
            EXPECT_EQ(it->count, 0);
        }
    }
    EXPECT_STREQ(items[15]->text, "2:");
    EXPECT_EQ(items[15]->font, RFONT_NORMAL);
    EXPECT_EQ(items[15]->colour, Nearest_RGB_Color(130, 130, 130));
}

TEST_F(Table, DuplicateDeleteAndAppendChangeTheRowsAndReturnTwo) {
    EXPECT_EQ(Click_Duplicate(2), 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(Table_Row_Count(t), 4);
    Refill();
    EXPECT_EQ(Click_Delete(1), 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 2, 3}));
    Refill();
    EXPECT_EQ(Click_Append(), 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 2, 3, 0}));  // the template's copy
    EXPECT_EQ(Table_Row_Count(t), 4);
    Refill();
    EXPECT_EQ(Click_Duplicate(4), 2);  // the copy of the last row is the last row
    EXPECT_EQ(Table_Row_Count(t), 5);
    void *last = nullptr;
    for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t)) last = p;
    EXPECT_EQ(Table_Row_Number(t, last), 5);
    EXPECT_EQ(Sheet_Table_Record(t)->last_row->data, last);
    EXPECT_EQ(M_LEFT, 0);
}

// A double click on a row's delete icon takes that row only: the second
// click lands on the row that moved up under the pointer and deletes
// nothing (the table took the click: 1); a single click after it deletes
// again. On the last row's icon the second click lands on the append line
// that moved up and appends nothing; on a duplicate icon it lands on the
// same icon and copies nothing more. A double click does what one does.
TEST_F(Table, TheSecondClickOfADoubleClickDoesNothingMore) {
    const int del = LEFT + 30 + 7, dup = LEFT + 48 + 9;
    const struct {
        int x, row, clicks, result;
        std::vector<int> left;
    } steps[] = {{del, 2, 1, 2, {1, 3}}, {del, 2, 2, 1, {1, 3}}, {del, 2, 1, 2, {1}},
                 {del, 2, 2, 1, {1}},    {dup, 1, 1, 2, {1, 1}}, {dup, 1, 2, 1, {1, 1}}};
    for (const auto& c : steps) {
        VEK_Script_Click(Sx(c.x), Sy(Row_Top(c.row) + 3 + 8), 1, c.clicks);
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        EXPECT_EQ(Edit_Table(t), c.result) << c.x << " " << c.row << " " << c.clicks;
        EXPECT_EQ(Numbers(), c.left) << c.x << " " << c.row << " " << c.clicks;
        Refill();
    }
}

TEST_F(Table, DeletingEveryRowLeavesAnEmptyList) {
    for (int k = 3; k >= 1; --k) {
        EXPECT_EQ(Click_Delete(k), 2);
        Refill();
    }
    EXPECT_EQ(Table_Row_Count(t), 0);
    EXPECT_EQ(Sheet_Table_Record(t)->first_row, nullptr);
    EXPECT_EQ(Sheet_Table_Record(t)->last_row, nullptr);
    EXPECT_EQ(First_Table_Row(t), nullptr);
    EXPECT_EQ(Click_Append(), 2);  // the append line moved up to the first row
    EXPECT_EQ(Numbers(), (std::vector<int>{0}));
}

TEST_F(Table, ClicksOutsideTheTableAndOnRowsWithoutIconsReturnZeroOrOne) {
    EXPECT_EQ(Click_Table(RIGHT + 20, Row_Top(2) + 5), 0);  // right of the rows
    EXPECT_EQ(Click_Table(LEFT + 5, TOP - 20), 0);          // above: no columns
    M_LEFT = 0;
    EXPECT_EQ(Click_Table(LEFT + 300, Row_Top(2) + 5), 1);  // in a row, nothing there
    EXPECT_EQ(Table_Row_Count(t), 3);
    EXPECT_EQ(M_LEFT, 0);
    // No click and nothing in the queue: not the table's.
    EXPECT_EQ(Edit_Table(t), 0);
    EXPECT_EQ(Edit_Table(-1), 0);
    EXPECT_EQ(Edit_Table(SHEET_TABLE_COUNT), 0);
}

TEST_F(Table, AppendWithoutTemplateIsIgnored) {
    Release_Table(t);
    t = Define_Table_in_Scrollable_Area(slot, TOP, LEFT, RIGHT, ROW, sizeof(Load), Load_Row);
    Set_Table_Part_Offset(t, 3, 30, 3);
    Load row{1, 2, 7, 1};
    Append_Table_Row(t, &row);
    Refill();
    EXPECT_EQ(Click_Append(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{7}));
    EXPECT_EQ(Sheet_Table_Record(t)->append_request, 0);
}

TEST_F(Table, TemplateIsACopyThatASecondCallReplaces) {
    Load other{1.5, 0, 42, 1};
    EXPECT_EQ(Set_Table_Template_Row(t, &other), 1);
    other.number = 43;  // the table holds its own copy
    EXPECT_EQ(Click_Append(), 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3, 42}));
    EXPECT_EQ(Table_Row_Count(t), 4);  // the template itself is not a row
    EXPECT_EQ(Set_Table_Template_Row(t, nullptr), 0);
}

TEST_F(Table, RequestsAreForgottenWhenTheirRowsGo) {
    // A dialog that runs the area's loop itself leaves the request pending.
    VEK_Script_Click(Sx(LEFT + 37), Sy(Row_Top(3) + 11));
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(Sheet_Table_Record(t)->delete_request, 3);
    Delete_All_Table_Rows(t);
    EXPECT_EQ(Sheet_Table_Record(t)->delete_request, 0);
    Load row{5, 5, 9, 1};
    Append_Table_Row(t, &row);
    Append_Table_Row(t, &row);
    Refill();
    // A click area left from an older fill still names row 3: its click
    // names no row now and changes nothing.
    Sheet_Table *record = const_cast<Sheet_Table *>(Sheet_Table_Record(t));
    Add_Click_Area_to_Scrollable_Area(slot, LEFT + 300, Row_Top(3) + 3, LEFT + 314,
                                      Row_Top(3) + 19, 3, &record->delete_request);
    EXPECT_EQ(Click_Table(LEFT + 307, Row_Top(3) + 11), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{9, 9}));
    EXPECT_EQ(Sheet_Table_Record(t)->delete_request, 0);

    // Released tables forget everything.
    VEK_Script_Click(Sx(LEFT + 57), Sy(Row_Top(1) + 11));
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_EQ(Sheet_Table_Record(t)->duplicate_request, 1);
    Release_Table(t);
    EXPECT_EQ(Sheet_Table_Record(t)->duplicate_request, 0);
    EXPECT_EQ(Sheet_Table_Record(t)->defined, 0);
    EXPECT_EQ(Table_Row_Count(t), 0);
}

TEST_F(Table, RowLimitGreysDuplicatesAndHidesTheAppendLine) {
    Set_Table_Row_Limit(t, 3);
    Refill();
    EXPECT_EQ(Count_Items(AREA_ITEM_CLICK_AREA), 3);  // delete icons only
    int greyed = 0;
    for (Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item; it;
         it = it->next)
        if (it->kind == AREA_ITEM_TREE_VIEW_IMAGE && it->x2 - it->x1 == 18) ++greyed;
    EXPECT_EQ(greyed, 3);
    EXPECT_EQ(Count_Items(AREA_ITEM_RECTANGLE), 3);
    EXPECT_EQ(Click_Duplicate(1), 1);
    EXPECT_EQ(Table_Row_Count(t), 3);
    Set_Table_Row_Limit(t, 4);
    Refill();
    EXPECT_EQ(Count_Items(AREA_ITEM_CLICK_AREA), 7);
}

TEST_F(Table, SlotsRangesAndRowNumbers) {
    EXPECT_EQ(Table_Row_Number(t, nullptr), 0);
    void *second = nullptr;
    First_Table_Row(t);
    second = Next_Table_Row(t);
    EXPECT_EQ(Table_Row_Number(t, second), 2);
    Load other{0, 0, 0, 0};
    EXPECT_EQ(Table_Row_Number(t, &other), 0);
    EXPECT_EQ(Append_Table_Row(99, &other), 0);
    EXPECT_EQ(First_Table_Row(-1), nullptr);
    std::vector<int> taken;
    int s;
    while ((s = Define_Table_in_Scrollable_Area(slot, 0, 0, 10, 10, 8, nullptr)) >= 0)
        taken.push_back(s);
    EXPECT_EQ(taken.size(), SHEET_TABLE_COUNT - 1u);
    Undefine_Tables_of_Sheet(slot);
    EXPECT_EQ(Sheet_Table_Record(t)->defined, 0);
    EXPECT_EQ(Define_Table_in_Scrollable_Area(slot, 0, 0, 10, 10, 8, nullptr), 0);
}

TEST_F(Table, MoveTableShiftsRowsAndColumns) {
    Sheet_Table_Column *c = Add_Table_Column(t, 200, 15, 0, 1, "%8.2f", offsetof(Load, N));
    ASSERT_NE(c, nullptr);
    Move_Table(t, 50, 20);
    EXPECT_EQ(Sheet_Table_Record(t)->x2, RIGHT + 10);
    EXPECT_EQ(c->x, 210);
    EXPECT_EQ(c->y, 35);
    // Refused columns: a double outside the row record or a format that
    // would read more than one double.
    EXPECT_EQ(Add_Table_Column(t, 0, 0, 0, 1, nullptr, sizeof(Load) - 4), nullptr);
    EXPECT_EQ(Add_Table_Column(t, 0, 0, 0, 1, nullptr, -1), nullptr);
    Sheet_Table_Column *d = Add_Table_Column(t, 0, 0, 0, 3, "%s%n", offsetof(Load, V));
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(d->format, "%14.8f");
    EXPECT_EQ(d->sortable, 1);
    EXPECT_EQ(d->fillable, 1);
}

// A table taller than its area: arrow keys after an edit move to the next
// row and scroll.
class Scrolled_Table : public Table {
protected:
    int Area_Height() const override { return 100; }
    int Row_Count() const override { return 10; }
};

// Only rows up to `last` take edits, so that an edit ends there instead of
// going on to the next row's field.
void Editable_Up_To(int t, int last) {
    int k = 1;
    for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t), ++k)
        static_cast<Load *>(p)->editable = k <= last;
}

TEST_F(Scrolled_Table, UpArrowEditsTheRowAboveAndScrolls) {
    Editable_Up_To(t, 2);
    int dx = 0, dy = 44;
    Scroll_Scrollable_Area_by(slot, &dx, &dy);
    Update_Scrollable_View_Area(slot);
    ASSERT_EQ(dy, 44);
    // Row 2's value is at content y 67, screen y 23; a row up lies within
    // 9 pixels of the top: the area scrolls up by a row first.
    VEK_Script_Click(Sx(LEFT + 110), Sy(Row_Top(2) + 15));
    VEK_Script_Type("5", 328);
    VEK_Script_Type("9", 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Table(t), 1);
    std::vector<double> v = Values();
    EXPECT_DOUBLE_EQ(v[0], 9.0);
    EXPECT_DOUBLE_EQ(v[1], 5.0);
    EXPECT_DOUBLE_EQ(v[2], 30.0);
    int ox = 0, oy = 0;
    Inquire_Scrollable_View_Area_Origin(slot, &ox, &oy);
    EXPECT_EQ(oy, 22);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_EQ(Table_Row_Count(t), 10);
}

// With every row taking edits, the arrow key still ends the edit of its
// row: the next edit is the row above, not the next field of the chain.
TEST_F(Scrolled_Table, UpArrowEndsTheChainWhenEveryRowIsEditable) {
    Editable_Up_To(t, 10);
    VEK_Script_Click(Sx(LEFT + 110), Sy(Row_Top(3) + 15));
    VEK_Script_Type("5", 328);
    VEK_Script_Type("9", 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Table(t), 1);
    std::vector<double> v = Values();
    EXPECT_DOUBLE_EQ(v[1], 9.0);
    EXPECT_DOUBLE_EQ(v[2], 5.0);
    EXPECT_DOUBLE_EQ(v[3], 40.0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

TEST_F(Scrolled_Table, DownArrowMovesToTheRowBelowAndScrollsNearTheBottom) {
    Editable_Up_To(t, 3);
    // Row 3's value sits at screen y 89 of a 100-pixel area: a row down
    // lies beyond 100 - 22 + 10, so the area scrolls down by a row; row 4
    // takes no edits, so the click there ends the session.
    VEK_Script_Click(Sx(LEFT + 110), Sy(Row_Top(3) + 15));
    VEK_Script_Type("5", 336);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Table(t), 1);
    std::vector<double> v = Values();
    EXPECT_DOUBLE_EQ(v[2], 5.0);
    EXPECT_DOUBLE_EQ(v[3], 40.0);
    int ox = 0, oy = 0;
    Inquire_Scrollable_View_Area_Origin(slot, &ox, &oy);
    EXPECT_EQ(oy, 22);
    // The mouse was moved back by the step scrolled: onto row 4's value.
    EXPECT_EQ(M_YPOS, Sy(Row_Top(4) + 15) - 8);
}

TEST_F(Scrolled_Table, OtherKeyEndingAnEditReturnsOne) {
    Editable_Up_To(t, 1);
    VEK_Script_Click(Sx(LEFT + 110), Sy(Row_Top(1) + 15));
    VEK_Script_Type("7", 13);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Table(t), 1);
    EXPECT_DOUBLE_EQ(Values()[0], 7.0);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 0);  // taken by the table
}

// Columns: the icon opens the menu; sorting and filling.
class Column_Table : public Table {
protected:
    void SetUp() override {
        Table::SetUp();
        // Values 30, 10, 20 with numbers 1, 2, 3.
        double values[3] = {30, 10, 20};
        int k = 0;
        for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t))
            static_cast<Load *>(p)->N = values[k++];
        column = Add_Table_Column(t, 200, TOP - 15, 0, 3, "%8.2f", offsetof(Load, N));
        Refill();
    }
    // Clicks the column icon; the menu choices and dialog events follow.
    void Start_Column_Click() { VEK_Script_Click(Sx(200), Sy(TOP - 15)); }
    int Finish_Column_Click() {
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        return Edit_Table(t);
    }
    // Screen corner of the fill dialog (centred on the 640 x 480 screen).
    const int X1 = 320 - 163, Y1 = 240 - 119;
    void Click_At(int x, int y) { VEK_Script_Click(X1 + x, Y1 + y); }
    Sheet_Table_Column *column = nullptr;
};

TEST_F(Column_Table, ColumnIconSortsAscendingAndDescending) {
    EXPECT_EQ(Count_Items(AREA_ITEM_CLICK_AREA), 8);
    Start_Column_Click();
    VEK_Script_Menu(0);  // "Spalte sortieren"
    VEK_Script_Menu(0);  // "aufsteigend"
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 3, 1}));
    const std::vector<VEKRecordedMenuEntry>& sort = VEK_Last_Menu();  // the sub-menu opened last
    ASSERT_EQ(sort.size(), 2u);
    EXPECT_EQ(sort[0].text, "aufsteigend");
    EXPECT_EQ(sort[1].text, "absteigend");
    EXPECT_EQ(Sheet_Table_Record(t)->clicked_column, 0);
    Start_Column_Click();
    VEK_Script_Menu(0);
    VEK_Script_Menu(1);  // "absteigend"
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3, 2}));
    // The menu's functions do nothing outside the menu.
    EXPECT_EQ(Sort_Table_Column_Ascending(), 0);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3, 2}));
}

// An exchange sort: each row is compared with every row after it and the
// records are swapped, so rows of equal value can change their order.
TEST_F(Column_Table, SortIsAnExchangeSortOfTheRecords) {
    double values[3] = {20, 10, 20};
    int k = 0;
    for (void *p = First_Table_Row(t); p; p = Next_Table_Row(t))
        static_cast<Load *>(p)->N = values[k++];
    Load fourth{10, 0, 4, 1};
    Append_Table_Row(t, &fourth);
    Refill();
    const Sheet_Table_Row *first_node = Sheet_Table_Record(t)->first_row;
    void *first_data = first_node->data;
    Start_Column_Click();
    VEK_Script_Menu(0);
    VEK_Script_Menu(0);  // ascending
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{10, 10, 20, 20}));
    EXPECT_EQ(Numbers(), (std::vector<int>{2, 4, 3, 1}));  // 3 now before 1
    // The nodes and their data blocks stay; only the bytes moved.
    EXPECT_EQ(Sheet_Table_Record(t)->first_row, first_node);
    EXPECT_EQ(First_Table_Row(t), first_data);
}

TEST_F(Column_Table, NotSortableColumnOffersNoSorting) {
    column->sortable = 0;
    Start_Column_Click();
    VEK_Script_Menu(0);
    VEK_Script_Menu(0);
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3}));
    // The column menu as shown: sorting greyed, filling offered.
    const std::vector<VEKRecordedMenuEntry>& menu = VEK_Last_Menu();
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].text, "Spalte sortieren");
    EXPECT_EQ(menu[0].enabled, 0);
    EXPECT_EQ(menu[1].text, "Spalte belegen");
    EXPECT_EQ(menu[1].enabled, 1);
    VEK_Script_Clear();
}

TEST_F(Column_Table, FillWholeColumnWithStartAndIncrement) {
    Start_Column_Click();
    VEK_Script_Menu(1);  // "Spalte belegen"
    Click_At(200, 140);  // start value
    VEK_Script_Type("10", 0);
    Click_At(200, 172);  // increment
    VEK_Script_Type("2.5", 0);
    Click_At(288, 213);  // OK
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{10.0, 12.5, 15.0}));
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
}

// A row field ("%5.0f") takes whole rows: 2.6 is refused, not taken as the
// 3 it would show, so the fill starts where the dialog says it does.
TEST_F(Column_Table, FillRowRangeStartsAtTheRowTheFieldShows) {
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(115, 80);  // "Zeilenausschnitt"
    Click_At(95, 100);  // first row
    VEK_Script_Type("2.6", 0);
    Click_At(95, 100);
    VEK_Script_Type("3", 0);
    Click_At(200, 140);
    VEK_Script_Type("7", 0);
    Click_At(288, 213);
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{30.0, 10.0, 7.0}));
}

TEST_F(Column_Table, LastRowBelowFirstPullsFirstDownAndTheFirstRowIsAlwaysFilled) {
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(115, 80);
    Click_At(95, 100);
    VEK_Script_Type("2", 0);
    Click_At(242, 100);  // last row: below the first pulls it down to 1
    VEK_Script_Type("1", 0);
    Click_At(200, 140);
    VEK_Script_Type("4", 0);
    Click_At(200, 172);
    VEK_Script_Type("1", 0);
    Click_At(288, 213);
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{4.0, 10.0, 20.0}));
}

TEST_F(Column_Table, RowRangeBeyondTheRowsOrBreakChangesNothing) {
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(115, 80);
    Click_At(95, 100);
    VEK_Script_Type("5", 0);
    Click_At(200, 140);
    VEK_Script_Type("7", 0);
    Click_At(288, 213);
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{30.0, 10.0, 20.0}));

    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(200, 140);
    VEK_Script_Type("7", 0);
    Click_At(22, 213);  // break
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{30.0, 10.0, 20.0}));

    // Row fields are inactive while the whole column is chosen.
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(95, 100);
    VEK_Script_Type("2", 0);  // not taken by the inactive field: the dialog
    Click_At(288, 213);       // sees nothing for it and leaves as a break
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(VEK_Script_Pending(), 2);
    EXPECT_EQ(Values(), (std::vector<double>{30.0, 10.0, 20.0}));
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
    VEK_Script_Clear();
}

// The fill dialog opens where the user last moved it: its stored centre
// follows the sheet's displacement.
int pending_dx = 0, pending_dy = 0;
bool displacement_armed = false;
void Displace_Fill_Dialog() {
    if (displacement_armed && VEK_Prop_Sheet_Count() == 2) {
        VEK_Set_Prop_Sheet_Displacement(pending_dx, pending_dy);
        displacement_armed = false;
    }
}

TEST_F(Column_Table, FillDialogReopensWhereItWasMoved) {
    Define_Call_Allways_Function(Displace_Fill_Dialog);
    Activate_Call_Allways_Function(1);
    // First opening, moved by (40, 20) and left with the break button at
    // its moved place.
    pending_dx = 40;
    pending_dy = 20;
    displacement_armed = true;
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(22 + 40, 213 + 20);
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    // Second opening centred 40, 20 further; moved back by (-40, -20) so its
    // elements lie where the first opening's did (and the centre returns).
    pending_dx = -40;
    pending_dy = -20;
    displacement_armed = true;
    Start_Column_Click();
    VEK_Script_Menu(1);
    Click_At(200, 140);
    VEK_Script_Type("3", 0);
    Click_At(288, 213);
    EXPECT_EQ(Finish_Column_Click(), 1);
    Activate_Call_Allways_Function(0);
    Define_Call_Allways_Function(nullptr);
    EXPECT_EQ(Values(), (std::vector<double>{3.0, 3.0, 3.0}));
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
}

// In batch mode the fill dialog does not open: its title goes to stderr
// and the column stays.
TEST_F(Column_Table, FillDialogInBatchModeChangesNothing) {
    const std::vector<double> before = Values();
    Start_Column_Click();
    VEK_Script_Menu(1);
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Finish_Column_Click(), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tabellenspalte belegen\n");
    VEK_Set_Batch_Mode(0);
    EXPECT_EQ(Values(), before);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
}

TEST_F(Column_Table, ColumnsWidenTheTableBy25PixelsUpwards) {
    // The column icon and its click area close the fill, centred on the column.
    Scrollable_Area_Item *icon = nullptr, *click = nullptr;
    for (Scrollable_Area_Item *it = Scrollable_View_Area_Record(slot)->first_item; it;
         it = it->next) {
        icon = click;
        click = it;
    }
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->kind, AREA_ITEM_TREE_VIEW_IMAGE);
    EXPECT_EQ(click->kind, AREA_ITEM_CLICK_AREA);
    for (Scrollable_Area_Item *it : {icon, click}) {
        EXPECT_EQ(it->x1, 200 - 14);
        EXPECT_EQ(it->y1, TOP - 15 - 8);
        EXPECT_EQ(it->x2, 200 + 14);
        EXPECT_EQ(it->y2, TOP - 15 + 8);
    }
    EXPECT_EQ(click->aux, 18);
    EXPECT_EQ(Click_Table(LEFT + 300, TOP - 24), 1);
    EXPECT_EQ(Click_Table(LEFT + 300, TOP - 26), 0);
    M_LEFT = 0;
}

}  // namespace

}  // namespace test_tables
