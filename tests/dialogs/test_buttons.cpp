// Text buttons, bitmap buttons and tool tips: placement, the registry and
// its call-always function, hover looks that come and go (also when the
// mouse moves straight onto another button), tool tips of fields (at most
// five lines, none for an inactive field), the import buttons, and a tool
// tip shown on hover in a scripted table sheet, with a snapshot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "area_session.h"
#include "base/cp850.h"
#include "dialogs/buttons.h"
#include "dialogs/fields.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tablesheet.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "snapshot.h"
#include "support/testutil.h"

namespace {

// A sheet over the screen with one area at (40, 60)-(600, 400) registered
// as a sheet area, made the field area.
class Buttons : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        slot = Open_Area_Sheet("Knöpfe"_cp, 40, 60, 600, 400, 0, 100);
        escape = Add_Escape_Area_to_PS(40, 60, 600, 400, 100);
        Register_Sheet_Area(escape, slot, 40, 60, 600, 400, &sheet_x, &sheet_y);
        Begin_Field_Area(slot);
    }
    void TearDown() override {
        while (Registered_Sheet_Area_Count() > 0) Unregister_Sheet_Area();
        End_Area_Session();
    }
    // Screen position of content (x, y).
    void Mouse_At(int x, int y) {
        M_XPOS = 40 + x;
        M_YPOS = 60 + y;
    }
    std::vector<int> Screen() const { return std::vector<int>(pxScreenPixels(), pxScreenPixels() + 640 * 480); }
    int slot = -1, escape = 0;
    int sheet_x = 0, sheet_y = 0;
};

int on = 1, off = 0;

}  // namespace

// Mode 4 centres the button on x: width 101 gives a body of 100 pixels.
TEST_F(Buttons, TextButtonPlacement) {
    int chosen = 0;
    Add_Text_Button(slot, 200.0, 100.0, 101.0, 4, 4, "Berechnen", 7, &chosen, 1);
    int x1, x2, y1, y2, state;
    Get_Last_Field_Rectangle(&x1, &x2, &y1, &y2, &state);
    EXPECT_EQ(x1, 150);
    EXPECT_EQ(x2, 250);
    EXPECT_EQ(y1, 91);
    EXPECT_EQ(y2, 109);
    EXPECT_EQ(state, 1);
    Add_Framed_Text_Button(slot, 300.0, 100.0, 81.0, 2, 1, BLACK_CI, RED_CI, 0, "OK", 8, &chosen, 0);
    Get_Last_Field_Rectangle(&x1, &x2, &y1, &y2, &state);
    EXPECT_EQ(x1, 220);
    EXPECT_EQ(x2, 300);
    EXPECT_EQ(y1, 82);
    EXPECT_EQ(state, 0);
    // Without a registered area the hover-capable adders add nothing.
    Unregister_Sheet_Area();
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    Scrollable_Area_Item *last = a->last_item;
    Add_Text_Button(slot, 10.0, 10.0, 50.0, 0, 0, "x", 1, &chosen, 1);
    EXPECT_EQ(a->last_item, last);
}

// A hover look shows while the mouse is strictly inside the button and
// goes, also when the mouse moves straight onto the next button.
TEST_F(Buttons, HoverLooksComeAndGo) {
    int chosen = 0;
    Add_Framed_Text_Button(slot, 100.0, 100.0, 81.0, 0, 0, BLACK_CI, RED_CI, 0, "Eins", 1, &chosen, 1);
    Add_Framed_Text_Button(slot, 180.0, 100.0, 81.0, 0, 0, BLACK_CI, RED_CI, 0, "Zwei", 2, &chosen, 1);
    Update_Scrollable_View_Area(slot);
    const std::vector<int> plain = Screen();
    Mouse_At(120, 105);
    Draw_Table_Sheet_Button();
    const std::vector<int> first = Screen();
    EXPECT_NE(first, plain);  // "Eins" drawn bold
    Mouse_At(200, 105);       // straight onto "Zwei"
    Draw_Table_Sheet_Button();
    const std::vector<int> second = Screen();
    EXPECT_NE(second, first);
    // The first look is gone: its part of the screen is plain again.
    EXPECT_EQ(pxGetPixel(40 + 100 + 20, 60 + 100 + 14 - 4), plain[(60 + 100 + 10) * 640 + 40 + 120]);
    Mouse_At(300, 300);
    Draw_Table_Sheet_Button();
    EXPECT_EQ(Screen(), plain);
}

// At most five lines of at most 99 characters; no tip for a field in state
// 0; the tip goes when the mouse leaves the field.
TEST_F(Buttons, ToolTipsOfFields) {
    char text[16] = "Naht";
    Add_Field_Edit_Text(100, 100, text, 0, &off);
    Add_Tool_Tip_to_Last_Field("nie", 0, 0);
    Update_Scrollable_View_Area(slot);
    const std::vector<int> plain = Screen();
    Mouse_At(110, 95);
    Draw_Table_Sheet_Button();
    EXPECT_EQ(Screen(), plain);  // inactive: no tip
    Add_Field_Edit_Text(100, 200, text, 0, &on);
    Add_Tool_Tip_to_Last_Field("1\n2\n3\n4\n5\n6\n7", 1, 0);
    Mouse_At(110, 195);
    Draw_Table_Sheet_Button();
    // Five lines, 12 x 5 + 6 = 66 high, 5 below the field's bottom (205),
    // starting at its centre: the field of 4 characters is 8 x 4 - 3 + 16
    // = 45 wide, (100 + 145) / 2 = 122.
    const int left = 40 + 122, top = 60 + 205 + 5;
    EXPECT_EQ(pxGetPixel(left + 1, top + 1), WHITE_CI);
    EXPECT_EQ(pxGetPixel(left + 1, top + 65), WHITE_CI);
    EXPECT_NE(pxGetPixel(left + 1, top + 67), WHITE_CI);  // no sixth line
    Mouse_At(300, 300);
    Draw_Table_Sheet_Button();
    EXPECT_EQ(Screen(), plain);
}

// The registry holds 20 areas; the call-always function is on from the
// first registration to the last one's end.
TEST_F(Buttons, RegistryLimit) {
    int x = 0, y = 0;
    for (int i = 1; i < 25; ++i) Register_Sheet_Area(escape, slot, 0, 0, 10, 10, &x, &y);
    EXPECT_EQ(Registered_Sheet_Area_Count(), SHEET_AREA_REGISTRY);
}

// The import buttons: the component button is active only while the
// selection tool is there; the widths of their rows.
int tool_there = 0;
int Tool_There() { return tool_there; }
TEST_F(Buttons, ImportButtons) {
    int chosen = 0;
    Set_LoadPick_Test(Tool_There);
    tool_there = 0;
    // A label's width is 8 x its characters - 3 + 3: "Lagergrößen
    // importieren aus " (28), 21 further "Programmen ..." (14), the button 54.
    const int row = 8 * 28 + 21 + 8 * 14 + 54;
    EXPECT_EQ(Add_Import_from_Component_Button(10, 50, nullptr, 3, &chosen, &on), row);
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    ASSERT_EQ(a->last_item->kind, AREA_ITEM_BITMAP_BUTTON);
    EXPECT_EQ(*a->last_item->enabled, 0);
    tool_there = 1;
    Add_Import_from_Component_Button(10, 50, nullptr, 3, &chosen, &on);
    EXPECT_EQ(*a->last_item->enabled, 1);
    // "Lastkollektive importieren aus Datei ..." has 40 characters.
    EXPECT_EQ(Add_Import_from_File_Button(10, 100, nullptr, 4, &chosen, &on), 8 * 40 + 54);
    // ".... alle Lastkollektive löschen" has 32 characters.
    EXPECT_EQ(Add_Delete_All_Button(10, 150, "alle", 5, &chosen, &on), 8 * 32);
    Set_LoadPick_Test(nullptr);
}

// A tool tip shown on hover in a table sheet: the mouse moves onto the
// field, the tip shows (snapshot), the mouse leaves, the tip goes.
namespace {
char weld_name[13] = "Naht 1";
int taken = 0;
void Fill_Tip_Page(int area, int) {
    Add_Labelled_Text_Field(10, 30, "Bezeichnung", &on);
    Add_Field_Edit_Text_Padded(120, 30, weld_name, 12, &on);
    Add_Tool_Tip_to_Last_Field("Bezeichnung der Naht\nhöchstens 12 Zeichen"_cp, 1, 0);
    Add_Text_Button(area, 120.0, 70.0, 101.0, 0, 0, "Übernehmen"_cp, 1, &taken, 1);
}
int page_x = 0, page_y = 0, sheet_x1 = 0, sheet_y1 = 0;
bool tip_snapped = false, tip_gone = false;
std::vector<int> page_plain;
void Spy(void) {
    Draw_Table_Sheet_Button();
    if (M_XPOS == page_x + 140 && M_YPOS == page_y + 26 && !tip_snapped) {
        snapshot::Expect_Screen_Matches("tool_tip", sheet_x1, sheet_y1, sheet_x1 + 435, sheet_y1 + 175);
        tip_snapped = true;
    }
    if (M_XPOS == page_x + 250 && M_YPOS == page_y + 100 && tip_snapped)
        tip_gone = pxGetPixel(page_x + 150, page_y + 45) != WHITE_CI;
}
void Built(int x1, int y1, int, int) {
    sheet_x1 = x1;
    sheet_y1 = y1;
    page_x = x1 + 8;
    page_y = y1 + 41;
    Define_Call_Allways_Function(Spy);
    VEK_Script_Move(page_x + 140, page_y + 26);
    VEK_Script_Move(page_x + 250, page_y + 100);
}
}  // namespace

TEST(Tool_Tip_Session, ShownOnHover) {
    testutil::ScopedEnv data("DATA", std::string(WELD_SOURCE_DIR) + "/data");  // the text button's faces
    pxInitScreen(640, 480);
    Init_Screen_Colors();
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_CONFIRM;
    std::snprintf(d.title, sizeof d.title, "Naht");
    d.content_height = 100;
    d.content_width = 420;
    d.built = Built;
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = Fill_Tip_Page;
    tip_snapped = tip_gone = false;
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 0);  // the events run out: break
    EXPECT_TRUE(tip_snapped);
    EXPECT_TRUE(tip_gone);
    EXPECT_EQ(Registered_Sheet_Area_Count(), 0);
}

// Bitmap click areas, radio buttons and check boxes: the bitmap chosen by
// state and activity, a click area only while active; the hover button only
// with a registered area; the explorer button's face, code and tip.
TEST_F(Buttons, BitmapButtonsByStateAndActivity) {
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    auto Last_Picture = [&] {
        std::string name;
        for (Scrollable_Area_Item *it = a->first_item; it; it = it->next)
            if (it->kind == AREA_ITEM_PICTURE && it->text) name = it->text;
        return name;
    };
    int selected = 2, ticked = 0;
    struct Case {
        int selected, ticked, *active;
        const char *radio, *box;
    } cases[] = {{2, 1, &on, "r_on", "c_on"}, {1, 0, &on, "r_off", "c_off"}, {2, 1, &off, "r_on_i", "c_on_i"},
                 {1, 0, &off, "r_off_i", "c_off_i"}};
    for (const Case &c : cases) {
        selected = c.selected;
        ticked = c.ticked;
        EXPECT_EQ(Add_Bitmap_Radio_Button(slot, 10, 50, 2, &selected, "r_on", "r_off", "r_on_i", "r_off_i", c.active),
                  *c.active);
        EXPECT_EQ(Last_Picture(), c.radio);
        EXPECT_EQ(Add_Bitmap_Check_Box(slot, 40, 50, &ticked, "c_on", "c_off", "c_on_i", "c_off_i", c.active),
                  *c.active);
        EXPECT_EQ(Last_Picture(), c.box);
    }
    // A click area of 30 x 20 from (100, 100) storing 7, only while active.
    int chosen = 0;
    Add_Bitmap_Click_Area(slot, 100, 100, 20, 30, 0, 0, "aktiv", "inaktiv", -1, 7, &chosen, 1);
    ASSERT_EQ(a->last_item->kind, AREA_ITEM_CLICK_AREA);
    EXPECT_EQ(a->last_item->click_value, 7);
    EXPECT_EQ(a->last_item->click_target, &chosen);
    EXPECT_EQ(Last_Picture(), "aktiv");
    Add_Bitmap_Click_Area(slot, 100, 100, 20, 30, 0, 0, "aktiv", "inaktiv", -1, 7, &chosen, 0);
    EXPECT_EQ(a->last_item->kind, AREA_ITEM_PICTURE);
    EXPECT_EQ(Last_Picture(), "inaktiv");
    Add_Bitmap_Hover_Button(slot, 200, 100, 20, 30, 0, 0, "h", "hi", "hh", "hhi", -1, 8, &chosen, 1);
    EXPECT_EQ(a->last_item->click_value, 8);
    Add_Explorer_Button(300, 100, 9, &chosen, &on);
    ASSERT_EQ(a->last_item->kind, AREA_ITEM_BITMAP_BUTTON);
    EXPECT_EQ(a->last_item->font, 9);
    EXPECT_STREQ(a->last_item->text2, "Aufruf Eplorer um Datei zu finden");
    Unregister_Sheet_Area();
    Scrollable_Area_Item *last = a->last_item;
    Add_Bitmap_Hover_Button(slot, 200, 150, 20, 30, 0, 0, "h", "hi", "hh", "hhi", -1, 8, &chosen, 1);
    EXPECT_EQ(a->last_item, last);
}
