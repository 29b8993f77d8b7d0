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

// The grade fields by their entries.
TEST(GradeFields, RowsByTheChosenEntry) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Beton"};
    Grade_Pick_List* list = Make_Concrete_Pick_List(1, PICK_OPTION_DIN | PICK_OPTION_LIGHTWEIGHT |
                                                           PICK_OPTION_FREE | PICK_OPTION_SHOW_ALPHA);
    Betonguete_Record r{};
    Get_Betonguete_Record(&r, 3, 0, 2200.0);
    // The separator after B55 moves up to B55: no further rows but alpha.
    int selection = 5;
    EXPECT_EQ(Concrete_Grade_Field(host.area, 10, 30, &r, list, &selection), 23);
    EXPECT_EQ(selection, 4);
    auto texts = Area_Texts(host.area);
    EXPECT_TRUE(Has(texts, "Betong\x81te"));
    EXPECT_FALSE(Has(texts, "Rohdichte"));
    // LC12/13 (position 22): density and alpha.
    Clear_Scrollable_View_Area(host.area);
    selection = 22;
    EXPECT_EQ(Concrete_Grade_Field(host.area, 10, 30, &r, list, &selection), 46);
    EXPECT_TRUE(Has(Area_Texts(host.area), "Rohdichte"));
    // "frei": the link in definition mode 1, the page inline in mode 0.
    Clear_Scrollable_View_Area(host.area);
    selection = 34;
    Set_Definition_Mode(1);
    EXPECT_EQ(Concrete_Grade_Field(host.area, 10, 30, &r, list, &selection), 23);
    EXPECT_TRUE(Has(Area_Texts(host.area), "-> Betonparameter definieren"));
    Clear_Scrollable_View_Area(host.area);
    Set_Definition_Mode(0);
    EXPECT_EQ(Concrete_Grade_Field(host.area, 10, 30, &r, list, &selection), 23 + 183);
    EXPECT_TRUE(Has(Area_Texts(host.area), "E-Modul automatisch ermitteln"));
    Free_Pick_List(list);

    Grade_Pick_List* steel = Make_Steel_Pick_List(2);
    Betonstahl_Record s{};
    Clear_Scrollable_View_Area(host.area);
    selection = 7;
    Set_Definition_Mode(1);
    EXPECT_EQ(Steel_Grade_Field(host.area, 10, 30, &s, steel, &selection), 23);
    EXPECT_TRUE(Has(Area_Texts(host.area), "Stahlg\x81te"));
    EXPECT_TRUE(Has(Area_Texts(host.area), "-> Stahlparameter definieren"));
    Clear_Scrollable_View_Area(host.area);
    selection = 3;  // B500A: nothing more
    EXPECT_EQ(Steel_Grade_Field(host.area, 10, 30, &s, steel, &selection), 0);
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

// Two columns: each symbol centred in its 63 pixels at y - 31, the unit at
// y - 15, the rule at y - 9 from the left edge over both columns (2 x 68
// after the 8 pixels of the left margin).
TEST(FactorTable, Head) {
    testutil::Host_Sheet host{40, 40, 600, 440, "Faktoren"};
    Begin_Field_Area(host.area);
    Factor_List t;
    Init_Factor_List(&t, 0);
    Add_Factor_Row(&t, "Teilsicherheitsbeiwert", "k", "", "-", 6, 63, 5);
    Add_Factor_Row(&t, "Beiwert", "\xBA", "cc", "-", 6, 63, 5);
    Draw_Factor_List(&t, 100, 1);
    const auto items = Area_Items(host.area);
    ASSERT_GE(items.size(), 4u);
    const Scrollable_Area_Item* rule = items.back();
    EXPECT_EQ(rule->kind, AREA_ITEM_LINE);
    EXPECT_EQ(rule->y1, 91);
    EXPECT_EQ(rule->x1, 0);
    EXPECT_EQ(rule->x2, 8 + 2 * 68);
    // "k" (5 pixels wide: advance 8 less the space 3) from 8 + 31 - 5 / 2;
    // "-" likewise, 16 lower.
    EXPECT_STREQ(items[0]->text, "k");
    EXPECT_EQ(items[0]->x1, 8 + 31 - 2);
    EXPECT_EQ(items[0]->y1, 69);
    EXPECT_STREQ(items[1]->text, "-");
    EXPECT_EQ(items[1]->y1, 85);
    Free_Factor_List(&t);
}
