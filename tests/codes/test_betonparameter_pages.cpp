// The input pages of the concrete and reinforcing-steel grades: the range
// messages of a checked field, the free-definition sheets as scripted
// sessions (values in display units back in storage units, cancel leaves
// the starting grade), the grade fields by their entries, the sketch
// primitives by the items they make, and the head of a factor table.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/betonparameter_pages.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/tablesheet.h"
#include "dialogs/snapshot.h"
#include "dialogs/valuecheck.h"
#include "platform/input.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "sheet_fixture.h"

namespace {

using testutil::Area_Items;
using testutil::Area_Texts;

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}

int Count(int area, int kind) {
    int n = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area)) n += it->kind == kind;
    return n;
}

}  // namespace

// A name makes the range message (the difference rounded to the field's
// decimals first); the value is clamped either way.
TEST(ConcreteFields, CheckedFieldNotesAndClamps) {
    struct Case {
        double value;
        int d;
        double minimum, maximum;
        const char* name;
        double clamped;
        const char* note;
    } cases[] = {
        {1.23456, 2, 0.0, 1.23, "Beiwert", 1.23, nullptr},  // 0.00456 rounds to 0.00
        {2.0, 2, 0.0, 1.23, "Beiwert", 1.23, "^bHINWEIS: Beiwert darf den Wert 1.23 nicht \x81" "berschreiten.\n"},
        {-0.5, 1, 0.0, 5.0, "n", 0.0, "^bHINWEIS: n darf den Wert 0.0 nicht unterschreiten.\n"},
        {9.0, 2, 0.0, 5.0, nullptr, 5.0, nullptr},
        {3.0, 2, 0.0, 5.0, "n", 3.0, nullptr},
    };
    const int c = Open_Message_Category();
    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    for (const Case& k : cases) {
        const int before = Message_Category_Count(c);
        double v = k.value;
        EXPECT_EQ(Numeric_Field_Checked(0, 20, &v, 1.0, 6, k.d, k.minimum, k.maximum, k.name, 1), 6 * 8 + 15);
        EXPECT_DOUBLE_EQ(v, k.clamped) << k.value;
        if (k.note) {
            ASSERT_EQ(Message_Category_Count(c), before + 1) << k.value;
            EXPECT_STREQ(Message_Category_Line(c, before), k.note);
        } else {
            EXPECT_EQ(Message_Category_Count(c), before) << k.value;
        }
    }
}

// Label, 3 pixels, field, 3 pixels, unit: "Länge" is 5 x 8 - 3 + 3 = 40
// pixels by the width rule, the field (w = 6) 6 x 8 + 15 = 63 with its
// value 7 pixels in, "cm" 2 x 8 - 3 + 3 = 16.
TEST(ConcreteFields, LabelledFieldLaysOutLabelFieldAndUnit) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Feld"};
    Begin_Field_Area(host.area);
    double v = 2.5;
    EXPECT_EQ(Numeric_Field_Labelled(10, 30, "Länge"_cp, &v, 6, 2, "cm", 1), 40 + 3 + 63 + 3 + 16);
    const auto items = Area_Items(host.area);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->x1, 10);
    EXPECT_EQ(items[1]->value, &v);
    EXPECT_EQ(items[1]->x1, 10 + 40 + 3 + 7);
    EXPECT_STREQ(items[2]->text, "cm");
    EXPECT_EQ(items[2]->x1, 10 + 40 + 3 + 63 + 3);
    EXPECT_EQ(Numeric_Field_Labelled(10, 60, "Länge"_cp, &v, 6, 2, nullptr, 1), 40 + 3 + 63);
}

// Inside an open table sheet, where factors act: a field with factor 1000
// shows 0.0125 as 12.5 and stores 30 typed as 0.03 when the sheet closes;
// the labelled field has factor 1, so 7 typed stays 7 (not 0.007).
double unit_scaled = 0.0125, unit_labelled = 2.5, scaled_shown = 0.0;
void Fill_Unit_Fields(int, int) {
    Numeric_Field(10, 30, &unit_scaled, 1000.0, 8, 2, 1);
    Numeric_Field_Labelled(10, 60, "L\x84nge", &unit_labelled, 6, 2, "cm", 1);
    scaled_shown = unit_scaled;
}
void Type_Into_Unit_Fields(int x1, int y1, int x2, int y2) {
    const int px = x1 + 8, py = y1 + 33 + 8;  // the page's content origin
    VEK_Script_Click(px + 20, py + 26);       // the scaled field at 17
    VEK_Script_Type("30", 0);
    VEK_Script_Click(px + 63, py + 56);       // the labelled one at 10 + 40 + 3 + 7
    VEK_Script_Type("7", 0);
    VEK_Script_Click(x2 - 8 - 23 + 5, y2 - 29 + 5);  // OK
}
TEST(ConcreteFields, FactorsActInsideASheetAndTheLabelledFieldHasNone) {
    pxInitScreen(640, 480);
    Init_Screen_Colors();
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_CONFIRM;
    d.built = Type_Into_Unit_Fields;
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = Fill_Unit_Fields;
    ASSERT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 1);
    EXPECT_DOUBLE_EQ(unit_scaled, 0.03);
    EXPECT_DOUBLE_EQ(unit_labelled, 7.0);
    EXPECT_DOUBLE_EQ(scaled_shown, 30.0);  // the last fill: what was typed, shown
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

// The free-definition sheets, centred on the 640 x 480 screen: the concrete
// sheet's page (content 440 x 220) starts at (100, 133), the steel sheet's
// (470 x 170) at (85, 158); the fields lie 102 pixels right of the page's
// left edge.
class Free_Sheets : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        Init_Screen_Colors();
        Init_Mouse_Move_Restriction(0, 0, 639, 479);
    }
};

// f_ck typed as 30 MN/m² and eps_c2 as -2.2 per mille come back in kN/m²
// and as a plain strain; the derived modulus follows f_ck:
// E_cm = alpha_i 9500 (f_ck + 8)^(1/3) MN/m², alpha_i = 0.8 + (30 + 8)/440.
TEST_F(Free_Sheets, ConcreteValuesInDisplayUnitsAndCancel) {
    Betonguete_Record r{};
    const int px = 100 + 102 + 8, py = 133 - 4;
    VEK_Script_Click(px, py + 103);
    VEK_Script_Type("30");
    VEK_Script_Click(px, py + 126);
    VEK_Script_Type("-2.2");
    VEK_Script_Click(547 - 26, 387 - 24);  // OK
    EXPECT_EQ(Edit_Free_Concrete(&r), 0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_STREQ(r.name, "C25/30");
    EXPECT_NEAR(r.f_ck, 30000.0, 1e-9);
    EXPECT_NEAR(r.eps_c2, -0.0022, 1e-15);
    EXPECT_EQ(r.auto_E, 1);
    const double E = (0.8 + 38.0 / 440.0) * 9500.0 * std::cbrt(38.0);  // 28309.9 MN/m²
    EXPECT_NEAR(r.E_cm, 1000.0 * E, 1e-6);
    snapshot::Expect_Screen_Matches("free_concrete", 92, 92, 547, 387, "codes");

    // Break: the record holds the starting grade C25/30 (f_ck 25 MN/m²).
    VEK_Script_Click(px, py + 103);
    VEK_Script_Type("40");
    VEK_Script_Click(92 + 10, 387 - 24);  // break
    EXPECT_EQ(Edit_Free_Concrete(&r), 1);
    EXPECT_NEAR(r.f_ck, 25000.0, 1e-9);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_EQ(Edit_Free_Concrete(nullptr), 1);
}

// Confirmed without an edit, the sheet stores the starting grade C25/30 as
// it came: E_cm = alpha_i 9500 (25 + 8)^(1/3) MN/m², alpha_i = 0.8 +
// 33/440, that is 26,662,629 kN/m², not the value of the page's unit.
TEST_F(Free_Sheets, ConcreteConfirmedAsFilledKeepsItsUnits) {
    Betonguete_Record r{};
    VEK_Script_Click(547 - 26, 387 - 24);  // OK
    EXPECT_EQ(Edit_Free_Concrete(&r), 0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_NEAR(r.f_ck, 25000.0, 1e-9);
    const double E = (0.8 + 33.0 / 440.0) * 9500.0 * std::cbrt(33.0);  // 26662.6 MN/m²
    EXPECT_NEAR(r.E_cm, 1000.0 * E, 1e-6);
}

TEST_F(Free_Sheets, SteelValuesInDisplayUnits) {
    Betonstahl_Record r{};
    const int px = 85 + 102 + 8, py = 158 + 15 - 4;
    VEK_Script_Click(px, py + 23);
    VEK_Script_Type("550");
    VEK_Script_Click(px, py + 69);
    VEK_Script_Type("50");
    VEK_Script_Click(562 - 26, 362 - 24);  // OK
    EXPECT_EQ(Edit_Free_Steel(&r), 0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_STREQ(r.name, "BSt 500 (A)");
    EXPECT_NEAR(r.f_yk, 550000.0, 1e-9);
    EXPECT_NEAR(r.eps_uk, 0.05, 1e-15);
    EXPECT_NEAR(r.f_tk, 525000.0, 1e-9);  // class A: 1.05 x 500 MN/m², untouched
    snapshot::Expect_Screen_Matches("free_steel", 77, 117, 562, 362, "codes");
    // Batch mode: no sheet, the starting grade.
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Edit_Free_Steel(&r), 1);
    testing::internal::GetCapturedStderr();
    EXPECT_NEAR(r.f_yk, 500000.0, 1e-9);
}

// The three forms of the concrete grade field by their items: the label
// at x, the selection 75 pixels right of it (form 2 placed there itself),
// the rows of the parameter handling under the selection.
TEST(GradeFields, ThreeFormsAndTheirRows) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Beton"};
    Grade_Pick_List* list = Make_Concrete_Pick_List(1, PICK_OPTION_DIN | PICK_OPTION_LIGHTWEIGHT |
                                                           PICK_OPTION_FREE | PICK_OPTION_SHOW_ALPHA);
    Betonguete_Record r{};
    Get_Betonguete_Record(&r, 3, 0, 2200.0);
    enum { CHOICE, SELECTION, FIELD };
    struct Case {
        int form, selection, mode, height, moved_to;
        bool label;
        const char* row;  // a text under the selection ("" none) ...
        int row_y;        // ... on this line
    } cases[] = {
        {CHOICE, 22, 1, 0, 22, true, "", 0},                   // LC12/13: no rows
        {SELECTION, 22, 1, 46, 22, false, "Rohdichte", 53},    // density and alpha
        {FIELD, 22, 1, 46, 22, true, "Rohdichte", 53},
        {FIELD, 5, 1, 23, 4, true, "", 0},                     // separator -> B55: alpha only
        {FIELD, 34, 1, 23, 34, true, "-> Betonparameter definieren", 53},
        {CHOICE, 34, 1, 0, 34, true, "", 0},
        {FIELD, 34, 0, 23 + 183, 34, true, "Rohdichte", 53 + 57},  // the page inline, 23 lower
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form * 100 + c.selection);
        Clear_Scrollable_View_Area(host.area);
        Set_Definition_Mode(c.mode);
        int selection = c.selection;
        const int height = c.form == CHOICE    ? Concrete_Grade_Choice(host.area, 10, 30, list, &selection, 1)
                           : c.form == SELECTION ? Concrete_Grade_Selection(host.area, 85, 30, &r, list, &selection, 1)
                                                 : Concrete_Grade_Field(host.area, 10, 30, &r, list, &selection, 1);
        EXPECT_EQ(height, c.height);
        EXPECT_EQ(selection, c.moved_to);
        const Scrollable_Area_Item* label = nullptr;
        const Scrollable_Area_Item* choice = nullptr;
        const Scrollable_Area_Item* row = nullptr;
        for (const Scrollable_Area_Item* it : Area_Items(host.area)) {
            if (it->text && std::string(it->text) == "Betong\x81te") label = it;
            if (it->kind == AREA_ITEM_CHOICE_LIST) choice = choice ? choice : it;
            if (it->text && *c.row && std::string(it->text) == c.row && it->y1 == c.row_y) row = it;
        }
        EXPECT_EQ(label != nullptr, c.label);
        if (label) {
            EXPECT_EQ(label->x1, 10);
        }
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(choice->variable, &selection);
        if (*c.row) {
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->x1, 85);
        }
    }
    // Every form puts its selection at the same place.
    int xs[3] = {-1, -2, -3}, sel = 7;
    for (int form : {CHOICE, SELECTION, FIELD}) {
        Clear_Scrollable_View_Area(host.area);
        if (form == CHOICE) Concrete_Grade_Choice(host.area, 10, 30, list, &sel, 1);
        if (form == SELECTION) Concrete_Grade_Selection(host.area, 85, 30, &r, list, &sel, 1);
        if (form == FIELD) Concrete_Grade_Field(host.area, 10, 30, &r, list, &sel, 1);
        for (const Scrollable_Area_Item* it : Area_Items(host.area))
            if (it->kind == AREA_ITEM_CHOICE_LIST) xs[form] = it->x1;
    }
    EXPECT_EQ(xs[SELECTION], xs[CHOICE]);
    EXPECT_EQ(xs[FIELD], xs[CHOICE]);
    // The choice form of a disabled page: the label and every entry in the
    // inactive grey (198, 195, 198), the selection locked; on an enabled
    // page the entries keep the list's colours.
    const int grey = Nearest_RGB_Color(198, 195, 198);
    for (int state : {0, 1}) {
        Clear_Scrollable_View_Area(host.area);
        Concrete_Grade_Choice(host.area, 10, 30, list, &sel, state);
        for (const Scrollable_Area_Item* it : Area_Items(host.area)) {
            if (it->kind == AREA_ITEM_TEXT) {
                EXPECT_EQ(it->colour == grey, state == 0) << it->text;
            }
            if (it->kind != AREA_ITEM_CHOICE_LIST) continue;
            EXPECT_EQ(*it->enabled, state);
            for (int i = 0; i < it->count; ++i)
                EXPECT_EQ(it->entries[i].colour, state ? list->colours[i] : grey) << state << " " << i;
        }
    }

    // A disabled page: the label in the inactive grey, the selection and
    // the density locked; the label is in the text colour otherwise.
    for (int state : {0, 1}) {
        Clear_Scrollable_View_Area(host.area);
        sel = 22;
        Concrete_Grade_Field(host.area, 10, 30, &r, list, &sel, state);
        const auto items = Area_Items(host.area);
        EXPECT_EQ(items.front()->colour, state ? Get_Field_Text_Color() : Field_Inactive_Color());
        EXPECT_EQ(*testutil::Item_Of(host.area, &sel)->enabled, state);
        EXPECT_EQ(*testutil::Item_Of(host.area, &r.density)->enabled, state);
    }
    Free_Pick_List(list);

    Grade_Pick_List* steel = Make_Steel_Pick_List(2);
    Betonstahl_Record s{};
    Clear_Scrollable_View_Area(host.area);
    int selection = 7;
    Set_Definition_Mode(1);
    EXPECT_EQ(Steel_Grade_Field(host.area, 10, 30, &s, steel, &selection, 0), 23);
    EXPECT_TRUE(Has(Area_Texts(host.area), "Stahlg\x81te"));
    EXPECT_TRUE(Has(Area_Texts(host.area), "-> Stahlparameter definieren"));
    EXPECT_EQ(Area_Items(host.area).front()->colour, Field_Inactive_Color());
    Clear_Scrollable_View_Area(host.area);
    selection = 3;  // B500A: nothing more
    EXPECT_EQ(Steel_Grade_Field(host.area, 10, 30, &s, steel, &selection, 1), 0);
    Free_Pick_List(steel);
    Set_Definition_Mode(0);
}

// The sketch primitives by their items: chords of 5 degrees, the last arc
// chord ending at b, one rectangle per pixel row of a disc, a closed
// outline, a line with two strokes at each end; nothing with drawing off.
TEST(Sketch, ItemsOfThePrimitives) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Skizze"};
    Begin_Field_Area(host.area);
    Set_Field_World_Mapping(-100, -100, 0, 10);  // 1 model unit = 10 pixels
    struct Case {
        void (*draw)();
        int lines, rectangles, user;
    } cases[] = {
        {[] { Draw_Circle(0, 0, 5); }, 72, 0, 0},
        {[] { Draw_Ellipse(0, 0, 5, 0, M_PI / 2); }, 18, 0, 0},
        {[] { Draw_Ellipse(0, 0, 5, 0, 0.1); }, 2, 0, 0},  // 5 degrees, then to 5.73
        {[] { Draw_Ellipse(0, 0, 5, 1, 1); }, 0, 0, 0},
        {[] { Draw_Rectangle(0, 0, 0.3); }, 0, 7, 0},  // radius 3 pixels: rows -3 .. 3
        {[] {
             const double x[] = {0, 4, 0}, y[] = {0, 0, 3};
             Draw_Polygon(3, x, y);
         },
         3, 0, 0},
        {[] {
             const double x[] = {0, 4, 0}, y[] = {0, 0, 3};
             Draw_Polyline(3, x, y);
         },
         0, 0, 1},
        {[] { Draw_Dimension(0, 0, 10, 0); }, 5, 0, 0},
    };
    for (int drawing : {1, 0}) {
        Set_Field_World_Drawing(drawing);
        int k = 0;
        for (const Case& c : cases) {
            Clear_Scrollable_View_Area(host.area);
            c.draw();
            EXPECT_EQ(Count(host.area, AREA_ITEM_LINE), drawing ? c.lines : 0) << k;
            EXPECT_EQ(Count(host.area, AREA_ITEM_RECTANGLE), drawing ? c.rectangles : 0) << k;
            EXPECT_EQ(Count(host.area, AREA_ITEM_USER_DRAWN), drawing ? c.user : 0) << k;
            k++;
        }
    }
    Set_Field_World_Drawing(1);
    // The arc's ends lie on the circle: (105, 100) and (100, 105) pixels.
    Clear_Scrollable_View_Area(host.area);
    Draw_Ellipse(0, 0, 5, 0, M_PI / 2);
    const auto items = Area_Items(host.area);
    EXPECT_EQ(items.front()->x1, 150);
    EXPECT_EQ(items.front()->y1, 100);
    EXPECT_EQ(items.back()->x2, 100);
    EXPECT_EQ(items.back()->y2, 150);
}

// The head's three writers on one table of two columns whose left edge is
// 100: columns at 108 and 176, each 63 wide with a gap of 5, so the rule
// reaches 100 + 8 + 2 x 68 = 244. "k" (one character of font 0: 8 - 3 = 5
// pixels) stands centred from 108 + 31 - 5 / 2 = 137, the unit "-" 16 lower.
TEST(FactorTable, HeadsOfItsThreeWriters) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Faktoren"};
    Begin_Field_Area(host.area);
    Factor_List t;
    Init_Factor_List(&t, 0);
    t.left = 100;
    Add_Factor_Row(&t, "Teilsicherheitsbeiwert", "k", "", "-", 6, 63, 5);
    Add_Factor_Row(&t, "Beiwert", "\xBA", "cc", "-", 6, 63, 5);
    // The rows of a table service table at x 40, y 150: the head moves
    // by 40 - 100 = -60 and stands on the rows' top.
    const int rows = Define_Table_in_Scrollable_Area(host.area, 150, 40, 400, 23, 8, nullptr);
    ASSERT_GE(rows, 0);
    const char* const labels[] = {"LK 1", nullptr, "Lastfall 3"};
    const int grey128 = Nearest_RGB_Color(128, 128, 128);
    struct Case {
        void (*draw)(const Factor_List*, int);
        int k_x, k_y, rule_x1, rule_x2, rule_y;
    } cases[] = {
        {[](const Factor_List* f, int) { Draw_Factor_List(f, 100, 1); }, 137, 69, 100, 244, 91},
        {[](const Factor_List* f, int table) { Draw_Factor_List_over_Table(f, table, 1); }, 77, 119, 40, 184, 141},
        // "Lastfall 3" (10 x 8 - 3 = 77 pixels) ends at 97: the rule starts at 20.
        {[](const Factor_List* f, int) {
             const char* const l[] = {"LK 1", nullptr, "Lastfall 3"};
             Draw_Factor_List_with_Row_Labels(f, 100, 1, l, 3, 23);
         },
         137, 69, 20, 244, 91},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule_x1);
        Clear_Scrollable_View_Area(host.area);
        c.draw(&t, rows);
        const auto items = Area_Items(host.area);
        const Scrollable_Area_Item* k = nullptr;
        const Scrollable_Area_Item* unit = nullptr;
        for (const Scrollable_Area_Item* it : items) {
            if (it->text && std::string(it->text) == "k") k = it;
            if (it->text && std::string(it->text) == "-") unit = unit ? unit : it;
        }
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->x1, c.k_x);
        EXPECT_EQ(k->y1, c.k_y);
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->y1, c.k_y + 16);
        EXPECT_EQ(unit->colour, Nearest_RGB_Color(160, 160, 164));
        const Scrollable_Area_Item* rule = items.back();
        EXPECT_EQ(rule->kind, AREA_ITEM_LINE);
        EXPECT_EQ(rule->x1, c.rule_x1);
        EXPECT_EQ(rule->x2, c.rule_x2);
        EXPECT_EQ(rule->y1, c.rule_y);
    }
    // The labels: "LK 1" (29 pixels) from 97 - 29 = 68 on the first row's
    // line 114, the third 2 x 23 lower, in grey 128; the inactive grey when
    // the head is disabled.
    for (int active : {1, 0}) {
        Clear_Scrollable_View_Area(host.area);
        Draw_Factor_List_with_Row_Labels(&t, 100, active, labels, 3, 23);
        const auto items = Area_Items(host.area);
        ASSERT_GE(items.size(), 2u);
        EXPECT_STREQ(items[0]->text, "LK 1");
        EXPECT_EQ(items[0]->x1, 68);
        EXPECT_EQ(items[0]->y1, 114);
        EXPECT_STREQ(items[1]->text, "Lastfall 3");
        EXPECT_EQ(items[1]->x1, 20);
        EXPECT_EQ(items[1]->y1, 160);
        EXPECT_EQ(items[0]->colour, active ? grey128 : Field_Inactive_Color());
    }
    Release_Table(rows);
    Clear_Scrollable_View_Area(host.area);
    Draw_Factor_List_over_Table(&t, rows, 1);  // released: nothing
    EXPECT_TRUE(Area_Items(host.area).empty());
    Free_Factor_List(&t);
}

// One sheet with the three forms of the grade field (the third also on a
// disabled page, its label grey) and the two companion heads, for a person
// to look at: tests/data/codes/concrete_forms.png.
TEST(GradeFields, SheetWithTheFormsAndTheHeads) {
    testutil::Host_Sheet host{20, 20, 780, 420, "Betonparameter"};
    Grade_Pick_List* list = Make_Concrete_Pick_List(1, PICK_OPTION_DIN | PICK_OPTION_LIGHTWEIGHT |
                                                           PICK_OPTION_FREE | PICK_OPTION_SHOW_ALPHA);
    Betonguete_Record r{};
    Get_Betonguete_Record(&r, 3, 0, 2200.0);
    int choice = 8, lightweight = 22, free = 34, din = 1;
    Set_Definition_Mode(1);
    Concrete_Grade_Choice(host.area, 10, 30, list, &choice, 1);
    Concrete_Grade_Selection(host.area, 85, 70, &r, list, &lightweight, 1);
    Concrete_Grade_Field(host.area, 10, 150, &r, list, &free, 1);
    Concrete_Grade_Field(host.area, 10, 210, &r, list, &din, 0);
    Factor_List t;
    Init_Factor_List(&t, 0);
    t.left = 480;
    Add_Factor_Row(&t, "Teilsicherheitsbeiwert", "\xC0", "M0", "-", 6, 63, 5);
    Add_Factor_Row(&t, "Beiwert", "k", "", "-", 6, 63, 5);
    Add_Factor_Row(&t, "Festigkeit", "f", "ck", "MN/m\xFD", 6, 63, 5);
    const char* const labels[] = {"Grundkombination", "Erdbeben"};
    Draw_Factor_List_with_Row_Labels(&t, 70, 1, labels, 2, 23);
    const int rows = Define_Table_in_Scrollable_Area(host.area, 230, 420, 700, 23, 8, nullptr);
    ASSERT_GE(rows, 0);
    Draw_Factor_List_over_Table(&t, rows, 1);
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("concrete_forms", 20, 20, 780, 420, "codes");
    Release_Table(rows);
    Free_Factor_List(&t);
    Free_Pick_List(list);
    Set_Definition_Mode(0);
}
