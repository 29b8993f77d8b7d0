// The material register, the plate page and the safety-factor page as the
// weld program's input page uses them: rows by their switches, fields
// bound to the records, values typed in scripted sessions (a refused value
// keeps the old one), enable flags and colours. One snapshot per page.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/cp850.h"
#include "codes/blech_pages.h"
#include "codes/material_sheet.h"
#include "dialogs/scrollarea.h"
#include "dialogs/snapshot.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/sheets.h"
#include "sheet_fixture.h"

namespace test_material_pages {
namespace {

using testutil::Area_Texts;
using testutil::Click_Item;
using testutil::Item_Of;

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
        if (t == text) return true;
    return false;
}

// A page of the test: the builder fills the area anew before every event,
// as the weld program's input page does; the edit runs until OK, break or
// the end of the script. Returns the code that ended it.
int Run_Page(const testutil::Host_Sheet& host, const std::function<void()>& build) {
    for (;;) {
        Clear_Scrollable_View_Area(host.area);
        build();
        Update_Scrollable_View_Area(host.area);
        const int code = Edit_Prop_Sheet();
        if (code != 1) return code;
        Edit_Scrollable_View_Area(host.area);
    }
}

std::string Last_Message() {
    const auto& msgs = VEK_Recorded_Messages();
    std::string text;
    if (!msgs.empty())
        for (const std::string& line : msgs.back().lines) text += line;
    return text;
}

class Pages : public ::testing::Test {
protected:
    void SetUp() override {
        Clear_Plate(&plate);
        Default_Material_Params(&plate.material);
        plate.t = 20;
        Clear_Safety_Factors(&factors);
        factors.gamma_M0 = 1.0;
        factors.gamma_M2 = 1.25;
    }
    // The plate page of the weld program: thickness and its material.
    void Plate_Page() {
        int y = 30;
        Draw_Plate_Sheet(&plate, host.area, 10, &y, 22, 0, 0, 1, Screen_Black, 67, "p");
    }
    void Factor_Page(int enabled = 1) {
        int y = 30;
        Draw_Safety_Factors_Sheet(&factors, host.area, 10, &y, 22, 0, 0, enabled, 6, 1);
    }
    Blech_Record plate;
    Sicherheitsbeiwerte_Record factors;
    testutil::Host_Sheet host{200, 150, 760, 560, "Eingabe"};
};

// A plate of 0 mm (the plate check refuses anything under 1 mm) is refused
// as it is typed: the message names the range, the field keeps 12.5.
TEST_F(Pages, PlateThicknessTypedAndAZeroRefused) {
    Plate_Page();
    Activate_Prop_Sheet();
    Click_Item(host.area, &plate.t);
    VEK_Script_Type("12.5");
    Click_Item(host.area, &plate.t);
    VEK_Script_Type("0");
    host.Click_OK();
    EXPECT_EQ(Run_Page(host, [&] { Plate_Page(); }), 2);
    EXPECT_DOUBLE_EQ(plate.t, 12.5);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(Last_Message(), "Der Wert 0 liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von 1 bis 1000."
                              "Der bisherige Wert 12.5 bleibt erhalten.");
    snapshot::Expect_Screen_Matches("plate_page", 200, 150, 760, 560, "codes");
}

TEST_F(Pages, PlateRowsByBits) {
    int y = 30;
    Draw_Plate_Sheet(&plate, host.area, 10, &y, 22, 0, 0, 1, Screen_Black, PLATE_ROW_THICKNESS | PLATE_ROW_MATERIAL,
                     "p");
    auto texts = Area_Texts(host.area);
    EXPECT_TRUE(Has(texts, "Blechdicke"));
    EXPECT_TRUE(Has(texts, "Stahlsorte"));
    EXPECT_FALSE(Has(texts, "Blechbreite"));
    EXPECT_FALSE(Has(texts, "Blechl\x84nge"));
    EXPECT_EQ(y, 30 + 3 * 22);  // thickness, grade, name
    Clear_Scrollable_View_Area(host.area);
    y = 30;
    Draw_Plate_Sheet(&plate, host.area, 10, &y, 22, 0, 0, 0, Screen_Black, 0x70, "p");
    texts = Area_Texts(host.area);
    EXPECT_TRUE(Has(texts, "Blechbreite"));
    EXPECT_TRUE(Has(texts, "Blechl\x84nge"));
    EXPECT_EQ(y, 30 + 3 * 22);
    // A disabled page: every field bound to a flag that holds 0, grey text.
    EXPECT_EQ(*Item_Of(host.area, &plate.l)->enabled, 0);
    EXPECT_EQ(Item_Of(host.area, &plate.l)->colour, Screen_Grey192);
}

TEST_F(Pages, SafetyFactorsTypedAndFollowingTheAnnex) {
    Factor_Page();
    const auto texts = Area_Texts(host.area);
    EXPECT_TRUE(Has(texts, "Materialsicherheit"));
    EXPECT_TRUE(Has(texts, "Beanspruchbarkeit von Querschnitten"));
    EXPECT_TRUE(Has(texts, "Beanspruchbarkeit von Verbindungsmitteln"));
    EXPECT_FALSE(Has(texts, "Beanspruchbarkeit von Bauteilen bei Stabilit\x84tsversagen"));
    EXPECT_TRUE(Has(texts, "genormt)"));
    EXPECT_EQ(*Item_Of(host.area, &factors.gamma_M0)->enabled, 1);
    Activate_Prop_Sheet();
    Click_Item(host.area, &factors.gamma_M2);
    VEK_Script_Type("1.3");
    Click_Item(host.area, &factors.gamma_M0);
    VEK_Script_Type("-1.1");
    host.Click_OK();
    EXPECT_EQ(Run_Page(host, [&] { Factor_Page(); }), 2);
    EXPECT_DOUBLE_EQ(factors.gamma_M2, 1.3);
    EXPECT_DOUBLE_EQ(factors.gamma_M0, 1.0);
    EXPECT_NE(Last_Message().find("Der Wert -1.1"), std::string::npos);
    snapshot::Expect_Screen_Matches("safety_factor_page", 200, 150, 760, 560, "codes");

    // Following the annex: shown in blue, not editable.
    factors.from_annex = 1;
    Clear_Scrollable_View_Area(host.area);
    Factor_Page();
    const Scrollable_Area_Item* field = Item_Of(host.area, &factors.gamma_M0);
    EXPECT_EQ(*field->enabled, 0);
    EXPECT_EQ(field->colour, Screen_Blue);
}

TEST_F(Pages, DisabledSafetyFactorPage) {
    Factor_Page(0);
    const Scrollable_Area_Item* box = Item_Of(host.area, &factors.from_annex);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(*box->enabled, 0);
    EXPECT_EQ(box->colour, Screen_Grey192);
    EXPECT_EQ(*Item_Of(host.area, &factors.gamma_M2)->enabled, 0);
    EXPECT_EQ(Item_Of(host.area, &factors.gamma_M2)->colour, Screen_Blue);
    for (const Scrollable_Area_Item* it : testutil::Area_Items(host.area))
        if (it->kind == AREA_ITEM_TEXT && std::string(it->text) == "Materialsicherheit") {
            EXPECT_EQ(it->colour, Screen_Black);
        }
    // Layout 0 with mask 0: every factor but gamma_M5, short labels, black.
    Clear_Scrollable_View_Area(host.area);
    int y = 30;
    EXPECT_EQ(Draw_Safety_Factors_Sheet(&factors, host.area, 10, &y, 22, 0, 0, 0, 0, 0), 30 + 22 + 5 + 10 * 22);
    EXPECT_EQ(Item_Of(host.area, &factors.gamma_M5), nullptr);
    EXPECT_EQ(Item_Of(host.area, &factors.gamma_Mfi)->colour, Screen_Black);
    EXPECT_TRUE(Has(Area_Texts(host.area), "Brandfall"));
}

TEST_F(Pages, MaterialRegisterRowsAndCopies) {
    Materialparameter_Record m;
    Default_Material_Params(&m);
    m.own_values = 1;
    m.f_y1 = 300, m.f_u1 = 420;
    m.f_y2 = m.f_u2 = m.f_y3 = m.f_u3 = 0;
    int y = 30;
    Draw_Material_Sheet(&m, host.area, 10, &y, 22, 4, 0, 1, Screen_Black, 0x86);
    // Grade, name, one pair, E, beta_w, alpha_T.
    EXPECT_EQ(y, 30 + 7 * 22);
    EXPECT_DOUBLE_EQ(m.f_y2, 300);
    EXPECT_DOUBLE_EQ(m.f_u3, 420);
    EXPECT_DOUBLE_EQ(m.f_y, 300);
    EXPECT_DOUBLE_EQ(m.f_u, 420);
    EXPECT_EQ(*Item_Of(host.area, &m.E)->enabled, 1);
    // Locked: three pairs with a gap of 12 + 4 after each; the switch is
    // back afterwards.
    Clear_Scrollable_View_Area(host.area);
    y = 30;
    Draw_Material_Sheet_Locked(&m, host.area, 10, &y, 22, 4, 0, 1, Screen_Black, 0);
    EXPECT_EQ(y, 30 + 2 * 22 + 3 * (2 * 22 + 12 + 4));
    EXPECT_EQ(material_ranges_shown, 0);
    EXPECT_TRUE(Has(Area_Texts(host.area), "u,80"));
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("material_register", 200, 150, 760, 560, "codes");

    // Without own values the strengths are not shown and E cannot be changed.
    m.own_values = 0;
    Clear_Scrollable_View_Area(host.area);
    y = 30;
    Draw_Material_Sheet(&m, host.area, 10, &y, 22, 4, 0, 1, Screen_Black, 0x4);
    EXPECT_EQ(y, 30 + 3 * 22);
    EXPECT_EQ(*Item_Of(host.area, &m.E)->enabled, 0);
}

TEST_F(Pages, AluminiumWarningAndGradesOutsideTheList) {
    Materialparameter_Record m;
    Default_Material_Params(&m);
    m.kind = 2;
    m.own_values = 1;
    m.f_y1 = 200, m.f_u1 = 190;
    int y = 30;
    Draw_Material_Sheet(&m, host.area, 10, &y, 22, 0, 0, 1, Screen_Black, 0);
    EXPECT_TRUE(Has(Area_Texts(host.area), "Legierung"));
    EXPECT_TRUE(Has(Area_Texts(host.area), "0,2%-Dehngrenze"));
    EXPECT_EQ(Item_Of(host.area, &m.f_u1)->colour, Screen_Red);
    EXPECT_EQ(Item_Of(host.area, &m.f_y1)->colour, Screen_Black);
    // Stainless steel (26 of the weld grade table) is a grade a file holds:
    // shown as "Edelstahl", kept (in a record of DIN's list too).
    const struct {
        int kind, grade, kept;
    } outside[5] = {{0, 26, 26}, {0, 30, 0}, {1, 11, 0}, {1, 26, 26}, {0, 27, 0}};
    for (const auto& c : outside) {
        m.kind = c.kind;
        m.grade = c.grade;
        Clear_Scrollable_View_Area(host.area);
        y = 30;
        Draw_Material_Sheet(&m, host.area, 10, &y, 22, 0, 0, 1, Screen_Black, 0);
        EXPECT_EQ(m.grade, c.kept) << c.kind << " " << c.grade;
        // The grade's choice shows the entry its value stands at.
        const Scrollable_Area_Item* choice = nullptr;
        for (const Scrollable_Area_Item* it : Area_Items(host.area))
            if (it->kind == AREA_ITEM_CHOICE_LIST && !choice) choice = it;
        ASSERT_NE(choice, nullptr);
        ASSERT_LT(*choice->variable, choice->count);
        EXPECT_EQ(std::string(choice->entries[*choice->variable].text) == "Edelstahl", c.kept == 26)
            << c.kind << " " << c.grade;
    }
}

// beta_w of 0 would divide the weld resistance by zero, above 1 no grade
// has one: both are refused, 0.5 .. 1 taken.
TEST_F(Pages, BetaWOutsideItsRangeIsRefused) {
    plate.material.own_values = 1;
    const struct {
        const char* typed;
        double after;
        std::string box;
    } cases[] = {
        {"0", 0.8, "Der Wert 0 liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von 0.5 bis 1."},
        {"1.2", 0.8, "Der Wert 1.2 liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von 0.5 bis 1."},
        {"0.9", 0.9, ""},
    };
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(host.area);
        VEK_Clear_Recorded_Messages();
        plate.material.beta_w = 0.8;
        Plate_Page();
        Activate_Prop_Sheet();
        Click_Item(host.area, &plate.material.beta_w);
        VEK_Script_Type(c.typed);
        host.Click_OK();
        EXPECT_EQ(Run_Page(host, [&] { Plate_Page(); }), 2);
        EXPECT_DOUBLE_EQ(plate.material.beta_w, c.after) << c.typed;
        EXPECT_EQ(Last_Message(), c.box.empty() ? "" : c.box + "Der bisherige Wert 0.80 bleibt erhalten.");
    }
}

}  // namespace

}  // namespace test_material_pages
