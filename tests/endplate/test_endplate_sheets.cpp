// The load, steel grade and material sheets of the end-plate library as
// scripted sessions on the stand-in: clicks and typed values in, the record
// out, and one snapshot of each sheet compared with the picture checked in
// (tests/data/endplate, looked at).
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "endplate/endplate_services.h"
#include "endplate/endplate_sheets.h"
#include "platform/events.h"
#include "platform/png.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"

namespace {

// The screen within the rectangle against the checked-in picture: equal
// pixel for pixel (the stand-in draws deterministically).
void Expect_Snapshot(const char* name, int x1, int y1, int x2, int y2) {
    const std::string png = testutil::Test_Dir() + "/" + name + ".png";
    ASSERT_EQ(Screen_Write_PNG_Rect(png.c_str(), x1, y1, x2, y2), 1);
    cairo_surface_t* a = cairo_image_surface_create_from_png(png.c_str());
    cairo_surface_t* b = cairo_image_surface_create_from_png(testutil::Fixture(std::string("endplate/") + name + ".png").c_str());
    ASSERT_EQ(cairo_surface_status(b), CAIRO_STATUS_SUCCESS) << name;
    ASSERT_EQ(cairo_image_surface_get_width(a), cairo_image_surface_get_width(b)) << name;
    ASSERT_EQ(cairo_image_surface_get_height(a), cairo_image_surface_get_height(b)) << name;
    const int n = cairo_image_surface_get_stride(a) * cairo_image_surface_get_height(a);
    EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(a), cairo_image_surface_get_data(b), n), 0)
        << name << " differs from the checked-in picture (" << png << ")";
    cairo_surface_destroy(a);
    cairo_surface_destroy(b);
}

class Sheets : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = std::make_unique<testutil::ScopedEnv>("DATA", std::string(WELD_SOURCE_DIR) + "/data");
        Init_Geschweisster_Anschluss(&r_);
        const double load[8] = {1.1, -100, 50, 5, 2, 30, 7, 20};
        for (int i = 0; i < 8; i++) r_.load[i] = load[i];
        r_.weld_kind = 2;
    }
    // The sheet "Belastung" opens at the screen centre (640, 512): its top
    // left corner is (332, 339).
    static void Click(int dx, int dy) { VEK_Script_Click(332 + dx, 339 + dy); }
    GeschweissterAnschluss r_;
    std::unique_ptr<testutil::ScopedEnv> data_;
};

TEST_F(Sheets, LoadSheetOfAnISection) {
    r_.family = ANSCHLUSS_I;
    Click(340, 75);  // gamma_M
    VEK_Script_Type("1.35");
    Click(340, 125);  // N,d
    VEK_Script_Type("-300");
    Click(494, 125);  // M_x: inactive for an I section, the click goes nowhere
    Click(386, 295);  // contact share, "-" twice: 20 - 5 - 5
    Click(386, 295);
    Click(590, 325);  // OK
    ASSERT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 1);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_GAMMA_M], 1.35);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_N], -300);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_CONTACT], 10);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_M_X], 7);  // kept
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_V_Z], 50);
    Expect_Snapshot("belastung", 332, 339, 948, 685);
}

TEST_F(Sheets, LoadSheetTorsionAndBreak) {
    // A tube welded all round takes torsion: its field is active and kept.
    r_.family = ANSCHLUSS_CHS;
    Click(494, 125);
    VEK_Script_Type("2.5");
    Click(590, 325);
    ASSERT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 1);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_M_X], 2.5);
    // The same welded by position: inactive, M_x kept.
    r_.weld_kind = 1;
    Click(494, 125);
    Click(590, 325);
    ASSERT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 1);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_M_X], 2.5);
    // Break after typing: nothing changes.
    Click(340, 125);
    VEK_Script_Type("-999");
    Click(30, 325);
    EXPECT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 0);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_N], -100);
    // The contact share stops at 100 and at 0.
    r_.load[ANSCHLUSS_CONTACT] = 95;
    for (int i = 0; i < 3; i++) Click(386, 284);
    Click(590, 325);
    ASSERT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 1);
    EXPECT_DOUBLE_EQ(r_.load[ANSCHLUSS_CONTACT], 100);
    // No more events: the close request counts as break, no hang.
    r_.family = 9;
    EXPECT_EQ(Draw_Belastung_Page(r_.load, &r_.family), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_EQ(Draw_Belastung_Page(nullptr, &r_.family), 0);
}

// "STAHLSORTE" opens at (507, 325), the material sheets at (487, 409) and
// (488, 409).
void Grade_Click(int dx, int dy) { VEK_Script_Click(507 + dx, 325 + dy); }

TEST_F(Sheets, SteelGradeSheetWithUserDefinedProfile) {
    Stahlsorte_Record& g = r_.grades;
    g.design_code = 0, g.grade = 14, g.weld_grade = 5;
    // The profile's more button is active (row "benutzerdefiniert"): its
    // material sheet stores E, f_y, f_y (t > 40).
    Grade_Click(205, 270);
    VEK_Script_Click(487 + 160, 409 + 62);
    VEK_Script_Type("205000");
    VEK_Script_Click(487 + 160, 409 + 97);
    VEK_Script_Type("275");
    VEK_Script_Click(487 + 160, 409 + 132);
    VEK_Script_Type("255");
    VEK_Script_Click(487 + 275, 409 + 189);  // OK of the material sheet
    // Under DIN 18800 the weld more button is active whatever the grade.
    Grade_Click(205, 300);
    VEK_Script_Click(488 + 130, 409 + 132);
    VEK_Script_Type("0.8");
    VEK_Script_Click(488 + 275, 409 + 188);
    Grade_Click(235, 356);  // OK
    ASSERT_EQ(Draw_Stahlsorte_Page(&g), 1);
    EXPECT_EQ(g.grade, 14);
    EXPECT_EQ(g.weld_grade, 5);
    EXPECT_EQ(g.design_code, 0);
    EXPECT_FLOAT_EQ(g.user_E, 205000);
    EXPECT_FLOAT_EQ(g.user_f_y_thick, 255);
    EXPECT_FLOAT_EQ(g.weld_alpha_w, 0.8f);
    // User-defined values become the grade's values.
    EXPECT_FLOAT_EQ(g.f_y, 275);
}

TEST_F(Sheets, SteelGradeSheetUnderEc3) {
    Stahlsorte_Record& g = r_.grades;
    g.design_code = 0, g.grade = 7, g.weld_grade = 5;
    // EC 3 (second row of the code list), then the profile grade S275
    // (row 1); OK: the welds take the profile's grade.
    Grade_Click(60, 65 + 2 + 16 + 8);
    Grade_Click(60, 150 + 2 + 16 + 8);
    Grade_Click(235, 356);
    ASSERT_EQ(Draw_Stahlsorte_Page(&g), 1);
    EXPECT_EQ(g.design_code, 1);
    EXPECT_EQ(g.grade, 6);
    EXPECT_EQ(g.weld_grade, 6);
    EXPECT_FLOAT_EQ(g.f_y, 275);  // the catalogue's S275 (St44)
    Expect_Snapshot("stahlsorte", 507, 325, 772, 699);
    // Switching the profile's user-defined button off selects the first
    // grade; break keeps everything.
    g.grade = 14;
    Grade_Click(59, 275);  // the on/off button: off
    Grade_Click(235, 356);
    ASSERT_EQ(Draw_Stahlsorte_Page(&g), 1);
    EXPECT_EQ(g.grade, 5);
    Grade_Click(60, 65 + 2 + 8);  // DIN
    Grade_Click(27, 356);         // break
    EXPECT_EQ(Draw_Stahlsorte_Page(&g), 0);
    EXPECT_EQ(g.design_code, 1);
}

TEST_F(Sheets, MaterialSheets) {
    Stahlsorte_Record& g = r_.grades;
    g.user_E = 210000, g.user_f_y = 235, g.user_f_y_thick = 215;
    VEK_Script_Click(487 + 160, 409 + 97);
    VEK_Script_Type("355");
    ASSERT_EQ(Draw_Material_Traeger_Page(&g), 0);  // nothing more: break
    EXPECT_FLOAT_EQ(g.user_f_y, 235);
    Expect_Snapshot("material_traeger", 487, 409, 792, 615);
    g.weld_E = 210000, g.weld_f_y = 240, g.weld_alpha_w = 0.95f;
    VEK_Script_Click(488 + 130, 409 + 97);
    VEK_Script_Type("360");
    VEK_Script_Click(488 + 275, 409 + 188);
    ASSERT_EQ(Draw_Material_Naht_Page(&g), 1);
    EXPECT_FLOAT_EQ(g.weld_f_y, 360);
    Expect_Snapshot("material_naht", 488, 409, 792, 614);
}

}  // namespace
