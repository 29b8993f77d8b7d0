// The annex editor's sheets of the EN 1990, EN 1992, EN 1993 and EN 1995
// blocks: which rows the rules and the block select, fields bound to the
// block, and a scripted edit of an EN 1993 partial factor on a copy of a
// user annex, cancelled (nothing changes) and confirmed (the annex file
// saved and read back equal). One snapshot per sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/nad_print.h"
#include "codes/nad_sheet.h"
#include "dialogs/snapshot.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "sheet_fixture.h"

namespace test_nad_sheets {
namespace {

using testutil::Area_Items;
using testutil::Area_Texts;
using testutil::Click_Item;
using testutil::Item_Of;

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

int Field_Count(int area) {
    int n = 0;
    for (const Scrollable_Area_Item* it : Area_Items(area)) n += it->kind == AREA_ITEM_DOUBLE;
    return n;
}

class AnnexSheets : public ::testing::Test {
protected:
    testutil::SheetTree tree;
};

// What the annex editor does with the EN 1993 sheet, as the tests drive
// it: the sheet edits a copy of user annex n; OK saves the copy as the
// annex file, break leaves everything as it was. 1 saved, 0 not.
int Edit_EC3_Annex(int n) {
    NAD_Record annex{};
    Default_NAD_Blocks(&annex);
    if (!Load_NAD(n, nullptr, &annex)) return 0;
    NAD_Record copy = annex;
    testutil::Host_Sheet host(100, 40, 700, 1000, "EN 1993");
    int y = 20;
    Draw_NAD_EC3_Sheet(host.area, &y, &copy.ec3, 1);
    Activate_Prop_Sheet();
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            Edit_Scrollable_View_Area(host.area);
            y = 20;
            Draw_NAD_EC3_Sheet(host.area, &y, &copy.ec3, 1);
        } else if (code == 2) {
            return Save_NAD_File(n, &copy);
        } else if (code == 3 || code == VEK_CLOSE_CODE || code == 0) {
            return 0;
        }
    }
}

TEST_F(AnnexSheets, EditingAPartialFactorCancelledAndConfirmed) {
    tree.User_Annex(1, 4, "Frankreich", 1.0);
    const std::string before = testutil::Read_File(tree.User_File(1));
    NAD_Record r{};
    Default_NAD_Blocks(&r);
    ASSERT_EQ(Load_NAD(1, nullptr, &r), 1);

    // Typed, then abbrechen: the file keeps every byte.
    {
        testutil::Host_Sheet probe(100, 40, 700, 1000, "EN 1993");
        int y = 20;
        Draw_NAD_EC3_Sheet(probe.area, &y, &r.ec3, 1);
        Click_Item(probe.area, &r.ec3.ec3_1.gamma_M1);
    }
    VEK_Script_Type("1.15");
    VEK_Script_Click(120, 982);  // abbrechen of the host sheet
    EXPECT_EQ(Edit_EC3_Annex(1), 0);
    EXPECT_EQ(testutil::Read_File(tree.User_File(1)), before);

    // Typed, then OK: the file is replaced, nothing else is left in the
    // folder, and it reads back as the copy that was edited.
    {
        testutil::Host_Sheet probe(100, 40, 700, 1000, "EN 1993");
        int y = 20;
        Draw_NAD_EC3_Sheet(probe.area, &y, &r.ec3, 1);
        Click_Item(probe.area, &r.ec3.ec3_1.gamma_M1);
    }
    VEK_Script_Type("1.15");
    VEK_Script_Click(670, 982);  // OK
    ASSERT_EQ(Edit_EC3_Annex(1), 1);
    NAD_Record back{};
    Default_NAD_Blocks(&back);
    ASSERT_EQ(Load_NAD(1, nullptr, &back), 1);
    EXPECT_DOUBLE_EQ(back.ec3.ec3_1.gamma_M1, 1.15);
    r.ec3.ec3_1.gamma_M1 = 1.15;
    EXPECT_EQ(NAD_EC3_Differs(&back.ec3, &r.ec3), 0);
    EXPECT_EQ(Compare_NAD_EC0(&back.ec0, &r.ec0), 0);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(tree.dir.file("DRAM/NADS"))) {
        ++files;
        EXPECT_EQ(e.path().filename(), "1.NAD");
    }
    EXPECT_EQ(files, 1);
    // Only the value typed changed in the file: " 4 1.00 1.00 ..." became
    // " 4 1.00 1.15 ...".
    const std::string after = testutil::Read_File(tree.User_File(1));
    EXPECT_EQ(after.size(), before.size());
    int changed = 0;
    for (size_t i = 0; i < std::min(after.size(), before.size()); ++i) changed += after[i] != before[i];
    EXPECT_EQ(changed, 2);  // "00" of 1.00 became "15"
}

TEST_F(AnnexSheets, EC3SheetRowsFieldsAndSwitches) {
    testutil::Host_Sheet host(100, 40, 700, 1000, "EN 1993");
    NAD_EC3_Block b{};
    Default_NAD_EC3_Variant1(&b);
    b.ec3_1.f_given = 0;
    b.ec3_1.kc_from_table = 1;
    int y = 20;
    Draw_NAD_EC3_Sheet(host.area, &y, &b, 1);
    const auto texts = Area_Texts(host.area);
    for (const char* t : {"Kapitel", "Parameter", "Allgemeines", "Querschnittsversagen", "Bruchversagen infolge Zug",
                          "Schlankheitsgrad Gl. (6.57)", "Materialsicherheit (Brandfall)", "Bolzen (GZG)",
                          "Anmerkungen", "Schadenstoleranz", "Materialsicherheit (GZG)"})
        EXPECT_TRUE(Has(texts, t)) << t;
    // Every value of both records has its field: 6 + 4 + 1 of EN 1993-1-1/-1-2,
    // 6 + 1 + 4 + 1 of the others.
    EXPECT_EQ(Field_Count(host.area), 23);
    EXPECT_GT(y, 20);
    // f is editable only while given, k_c only while not from Table 6.6.
    EXPECT_EQ(*Item_Of(host.area, &b.ec3_1.f)->enabled, 0);
    EXPECT_EQ(*Item_Of(host.area, &b.ec3_1.k_c)->enabled, 0);
    EXPECT_EQ(*Item_Of(host.area, &b.ec3_1.gamma_M0)->enabled, 1);
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("nad_ec3_sheet", 100, 40, 700, 1000, "codes");

    // Ticking "Faktor f vorgeben" and choosing "k_c vorgeben" opens both.
    Click_Item(host.area, &b.ec3_1.f_given);
    Click_Item(host.area, &b.ec3_1.kc_from_table, 0);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(Edit_Prop_Sheet(), 1);
        EXPECT_EQ(Edit_Scrollable_View_Area(host.area), 1);
        y = 20;
        Draw_NAD_EC3_Sheet(host.area, &y, &b, 1);
    }
    EXPECT_EQ(b.ec3_1.f_given, 1);
    EXPECT_EQ(b.ec3_1.kc_from_table, 0);
    EXPECT_EQ(*Item_Of(host.area, &b.ec3_1.f)->enabled, 1);
    EXPECT_EQ(*Item_Of(host.area, &b.ec3_1.k_c)->enabled, 1);
    // Not editable: every field and switch is locked.
    y = 20;
    Draw_NAD_EC3_Sheet(host.area, &y, &b, 0);
    for (const Scrollable_Area_Item* it : Area_Items(host.area))
        if (it->kind == AREA_ITEM_DOUBLE || it->kind == AREA_ITEM_RADIO_BUTTON) {
            EXPECT_EQ(*it->enabled, 0);
        }
}

TEST_F(AnnexSheets, EC0SheetSectionsAndEditableWord) {
    testutil::Host_Sheet host(50, 20, 640, 1000, "EN 1990");
    NAD_EC0_Block b{};
    Default_NAD_EC0(&b);
    NAD_EC0_Sheet(host.area, &b, 0);
    // Buildings: 5 + 6 + 6 + 5 pairs and 12 rows of four psi; bridges:
    // 12 + 13 + 13 + 12 pairs, 14 + 7 rows of three psi, 31 railway rows of
    // which three lack psi1, and three factors a.
    const int buildings = 2 * (5 + 6 + 6 + 5) + 4 * 12;
    const int bridges = 2 * (12 + 13 + 13 + 12) + 3 * (14 + 7 + 31) - 3 + 3;
    EXPECT_EQ(Field_Count(host.area), buildings + bridges);
    const Scrollable_Area_Item* field = Item_Of(host.area, &b.psi_railway_bridge[9][1]);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->x1, 281);
    EXPECT_EQ(field->y1, 1541 + 2530);
    EXPECT_EQ(Item_Of(host.area, &b.psi_railway_bridge[8][1]), nullptr);
    EXPECT_EQ(Item_Of(host.area, &b.gamma_bridge[0][11][0]), nullptr);
    // Every field points at the one word: editable after the next call.
    EXPECT_EQ(*field->enabled, 0);
    NAD_EC0_Sheet(host.area, &b, 1);
    // The call rebuilds the items: look the field up again.
    field = Item_Of(host.area, &b.psi_railway_bridge[9][1]);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(*field->enabled, 1);
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("nad_ec0_sheet", 50, 20, 640, 1000, "codes");
    // The buildings section closed: the bridges follow 30 pixels down.
    const auto items = Area_Items(host.area);
    const auto box = std::find_if(items.begin(), items.end(),
                                  [](const Scrollable_Area_Item* it) { return it->kind == AREA_ITEM_CHECK_BOX; });
    ASSERT_NE(box, items.end());
    Click_Item(host.area, (*box)->variable);
    ASSERT_EQ(Edit_Prop_Sheet(), 1);
    Edit_Scrollable_View_Area(host.area);
    NAD_EC0_Sheet(host.area, &b, 1);
    EXPECT_EQ(Item_Of(host.area, &b.psi_building[0][0]), nullptr);
    EXPECT_EQ(Item_Of(host.area, &b.gamma_bridge[0][0][0])->y1, 30 + 123);
}

TEST_F(AnnexSheets, EC2SheetModeRowsAndGermanAnnex) {
    testutil::Host_Sheet host(50, 20, 560, 1000, "EN 1992");
    NAD_EC2_Block b{};
    Default_NAD_EC2(&b);
    b.k2_mode = 1;
    NAD_EC2_Sheet(host.area, &b, 0);
    const auto texts = Area_Texts(host.area);
    for (const char* t : {"EN 1992-1-1 (Eurocode 2, Hochbau)", "2.4.2.4", "(Funktion wird ignoriert)",
                          "= Funktion von x", "Biegeschlankheit:", "(vgl. Tabelle 7.4N)"})
        EXPECT_TRUE(Has(texts, t)) << t;
    // Mode 1: the field on the first line of the k2 row; mode 2 on the second.
    const int line1 = Item_Of(host.area, &b.k2_red)->y1;
    b.k2_mode = 2;
    NAD_EC2_Sheet(host.area, &b, 0);
    EXPECT_EQ(Item_Of(host.area, &b.k2_red)->y1, line1 + 20);  // one row of 20 lower
    NAD_EC2_Sheet(host.area, &b, 1);
    EXPECT_FALSE(Has(Area_Texts(host.area), "(vgl. Tabelle 7.4N)"));
    // A German annex: "s. NA-DE" in mode 2 of the rows marked NA, and k_t, k_m
    // of fire design 1.0 after the build.
    b.variant = 1;
    b.rho_w_min_mode = 2;
    b.k_t_fire = 0.7;
    b.k_m_fire = 0.8;
    NAD_EC2_Sheet(host.area, &b, 0);
    EXPECT_TRUE(Has(Area_Texts(host.area), "s. NA-DE"));
    EXPECT_EQ(Item_Of(host.area, &b.rho_w_min), nullptr);
    EXPECT_DOUBLE_EQ(b.k_t_fire, 1.0);
    EXPECT_DOUBLE_EQ(b.k_m_fire, 1.0);
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("nad_ec2_sheet", 50, 20, 560, 1000, "codes");
    EXPECT_EQ(Draw_NAD_EC2_Row(host.area, 40, 0, "x", nullptr, nullptr, 4096), 40);
}

TEST_F(AnnexSheets, EC5SheetSectionsTableAndCrackSwitch) {
    testutil::Host_Sheet host(40, 10, 620, 1010, "EN 1995");
    NAD_EC5_Block b{};
    Default_NAD_EC5(&b);
    Set_NAD_EC5_Variant(&b, 1);
    b.kcr_method = 1;
    NAD_EC5_Sheet(host.area, &b, 1);
    const auto texts = Area_Texts(host.area);
    for (const char* t : {"Parameter für alle morv-Stabwerksprogramme"_cp, "Kapitel", "Tabelle NA.1 anwenden",
                          "Stahl in Verbindungen", "NA.8.6 (NA.7) anwenden"})
        EXPECT_TRUE(Has(texts, t)) << t;
    // With kcr_method 1 the k_cr fields of the crack section can be edited.
    EXPECT_EQ(*Item_Of(host.area, &b.kcr_solid)->enabled, 1);
    // The snapshot shows the end of the sheet: the last pictures and the
    // chapter table with the switches of the German annex.
    Set_Scrollable_Area_Scroll_Fraction(host.area, -1, 1.0);
    Update_Scrollable_View_Area(host.area);
    Activate_Prop_Sheet();
    snapshot::Expect_Screen_Matches("nad_ec5_sheet", 40, 10, 620, 1010, "codes");
    // The k_cr switch of the German table sets kcr_method 2.
    NAD_EC5_kcr_Check(1);
    EXPECT_EQ(b.kcr_method, 2);
    NAD_EC5_kcr_Check(0);
    EXPECT_EQ(b.kcr_method, 1);
    EXPECT_EQ(NAD_EC5_Sheet_Row(host.area, 50, 1, "a", nullptr, nullptr, 0x1000), 52);
    EXPECT_EQ(NAD_EC5_Sheet_Row(host.area, 50, 0, "a", nullptr, nullptr, 0x1000), 50);
}

// Pictures outside 1..9 draw nothing; picture 1 is the top band of the
// bitmap (the stand-in's placeholder where the bitmap is not shipped).
TEST_F(AnnexSheets, EC5PictureNumbers) {
    pxFgc(WHITE_CI);
    pxRect(0, 0, 400, 200);
    Draw_NAD_EC5_Picture(10, 10, 0, 0, 0);
    Draw_NAD_EC5_Picture(10, 10, 0, 0, 10);
    EXPECT_EQ(pxGetPixel(20, 20), WHITE_CI);
    Draw_NAD_EC5_Picture(10, 10, 0, 0, 1);
    EXPECT_NE(pxGetPixel(20, 20), WHITE_CI);
    EXPECT_EQ(pxGetPixel(20, 10 + 131 + 2), WHITE_CI);  // 130 rows high
}

}  // namespace

}  // namespace test_nad_sheets
