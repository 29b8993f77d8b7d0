// Field widgets and the field drawing transform: text widths with markup
// and the width rule, the items each adder puts into the field area and the
// widths it returns (worked out from the raster font: 8 pixels a character
// less 3 in font 0, 6 less 1 in the small font), edit texts by state, the
// ranged doubles' bounds, the shown ints, the value bands, and the world-to-screen
// transform with its rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "area_session.h"
#include "base/cp850.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tablesheet.h"
#include "platform/font.h"
#include "platform/msgbox.h"
#include "platform/screen.h"

namespace test_fields {
namespace {

class Fields : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        slot = Open_Area_Sheet("Felder", 10, 10, 600, 400, 0, 100);
        Begin_Field_Area(slot);
    }
    void TearDown() override { End_Area_Session(); }
    // The items added since the last call.
    std::vector<const Scrollable_Area_Item*> Items() {
        std::vector<const Scrollable_Area_Item*> v;
        const Scrollable_Area_Item* it = seen ? seen->next : Scrollable_View_Area_Record(slot)->first_item;
        for (; it; it = it->next) {
            v.push_back(it);
            seen = it;
        }
        return v;
    }
    int slot = -1;
    const Scrollable_Area_Item* seen = nullptr;
};

int on = 1, off = 0, read_only = -1;

}  // namespace

TEST_F(Fields, TextWidthsWithMarkup) {
    Pop_RFont(RFONT_NORMAL);
    // head + content of a B escape + tail: three times 8 x 4 - 3.
    EXPECT_EQ(Field_Text_Width("head\xCE" "Bword\xCErtail"), 3 * 29);
    EXPECT_EQ(Field_Text_Width("headwordtail"), 8 * 12 - 3);
    // The text ends after an escape closed at its end or by one character.
    EXPECT_EQ(Field_Text_Width("ab\xCE" "Bcd\xCEr"), 2 * 13);
    EXPECT_EQ(Field_Text_Width("ab\xCE" "Bcd\xCErX"), 2 * 13 + 5);
    // A colour escape counts what follows its first blank; others nothing.
    EXPECT_EQ(Field_Text_Width("\xCE" "C12 rot\xCErX"), 21 + 5);
    EXPECT_EQ(Field_Text_Width("\xCE" "Xweg\xCErX"), 5);
    EXPECT_EQ(Field_Text_Width(nullptr), 0);
    Push_RFont();
    // The width rule: + 3, + 2 more with a style flag; empty 0 (2).
    EXPECT_EQ(Field_Text_Width_in_Font("ab", RFONT_NORMAL), 13 + 3);
    EXPECT_EQ(Field_Text_Width_in_Font("ab", 0x11000), 13 + 5);
    EXPECT_EQ(Field_Text_Width_in_Font("ab", 0x1002), 11 + 3);
    EXPECT_EQ(Field_Text_Width_in_Font("", RFONT_NORMAL), 0);
    EXPECT_EQ(Field_Text_Width_in_Font("", 0x21000), 2);
    // Five characters: 37 + 3 = 40 pixels, five whole 8-pixel cells + 33.
    const char texts[2][8] = {"S235", "S460JR"};
    EXPECT_EQ(Choice_Field_Width(texts[0], 8, 1, RFONT_NORMAL), 4 * 8 + 33);
    EXPECT_EQ(Choice_Field_Width(texts[0], 8, 2, RFONT_NORMAL), 6 * 8 + 33);
    EXPECT_EQ(Choice_Field_Width(texts[0], 8, 0, RFONT_NORMAL), 33);
}

TEST_F(Fields, TextsAndSymbols) {
    EXPECT_EQ(Add_Field_Text(10, 20, "Länge"_cp, &on), 8 * 5);
    EXPECT_EQ(Add_Field_Text_Small(10, 40, "abc", &off), 17 + 3);
    EXPECT_EQ(Add_Field_Text_Style_2(10, 60, "abc", &on), 21 + 5);
    EXPECT_EQ(Add_Field_Text_Small_Style_1(10, 80, "", &on), 2);
    EXPECT_EQ(Add_Field_Text_Printf(10, 100, "%d mm", 12), 8 * 5);
    std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0]->colour, Get_Field_Text_Color());
    EXPECT_EQ(items[1]->colour, Field_Inactive_Color());
    EXPECT_EQ(items[1]->font, 0x1002);
    EXPECT_EQ(items[2]->x2, 2);  // style 2
    EXPECT_STREQ(items[4]->text, "12 mm");
    // Right-aligned on x, 9 lower: "abc" is 24 wide by the rule.
    EXPECT_EQ(Add_Field_Text_Aligned(100, 50, "abc", 0, 1, &on), 24);
    items = Items();
    EXPECT_EQ(items[0]->x1, 76);
    EXPECT_EQ(items[0]->y1, 59);
    // Symbol "l" (5 + 3) and index "w" (5 + 4) at x + 8 + 1, y + 1.
    EXPECT_EQ(Add_Field_Symbol(10, 20, "l", "w", &on), 8 + 9);
    items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->x1, 19);
    EXPECT_EQ(items[1]->y1, 21);
    EXPECT_EQ(items[1]->font, 0x1002);
    // Bold: 2 more each.
    EXPECT_EQ(Add_Field_Symbol_Flagged(10, 20, "l", "w", &on), 10 + 11);
    EXPECT_EQ(Items()[0]->x2, 1);
    // W with subscript "pl" (11 + 3 + 1) and superscript "2" (5 + 3 - 1)
    // raised 5 at x + 23 - 1.
    EXPECT_EQ(Add_Field_Symbol_Sub_Super(10, 20, "W", "pl", "2", &on), 8 + 15 + 7);
    items = Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2]->x1, 10 + 23 - 1);
    EXPECT_EQ(items[2]->y1, 15);
    // A click text stores its value while active; none while not.
    int selector = 0;
    EXPECT_EQ(Add_Field_Click_Text(10, 200, "mehr", 4, &selector, &on), 32);
    items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->kind, AREA_ITEM_CLICK_AREA);
    EXPECT_EQ(items[1]->x2, 42);
    Add_Field_Click_Text(10, 220, "mehr", 4, &selector, &off);
    EXPECT_EQ(Items().size(), 1u);
}

TEST_F(Fields, InputWidgetsByState) {
    char name[8] = "ab";
    // Padded to 5 in place; width 8 x 5 - 3 + 16.
    EXPECT_EQ(Add_Field_Edit_Text_Padded(10, 20, name, 5, &on), 53);
    EXPECT_STREQ(name, "ab   ");
    const Scrollable_Area_Item* it = Items()[0];
    EXPECT_EQ(it->x1, 17);
    EXPECT_EQ(*it->enabled, 1);
    int x1, x2, y1, y2, state;
    Get_Last_Field_Rectangle(&x1, &x2, &y1, &y2, &state);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(x2, 63);
    EXPECT_EQ(y1, 7);
    EXPECT_EQ(y2, 25);
    // Read-only in the text colour; grey and read-only otherwise.
    Add_Field_Edit_Text(10, 40, name, 0, &read_only);
    it = Items()[0];
    EXPECT_EQ(it->colour, Get_Field_Text_Color());
    EXPECT_EQ(*it->enabled, 0);
    Add_Field_Edit_Text(10, 60, name, 0, &off);
    EXPECT_EQ(Items()[0]->colour, Field_Inactive_Color());
    char wide[16] = "Naht";
    EXPECT_EQ(Add_Field_Edit_Text_Visible(10, 80, wide, 8, 4, &on), 4 * 8 + 19);
    EXPECT_EQ(Items()[0]->y2, 4);  // visible length
    EXPECT_STREQ(wide, "Naht    ");
    // Radio buttons: bold when selected; width text + 20.
    int position = 2;
    EXPECT_EQ(Add_Field_Radio_Button(10, 100, "unten", 2, &position, &on), 40 + 20);
    EXPECT_EQ(Items()[0]->x2, 1);
    EXPECT_EQ(Add_Field_Radio_Button(10, 100, nullptr, 1, &position, &on), 13);
    EXPECT_EQ(Items()[0]->x2, 0);
    // A check box gets its white box only on the area's default background.
    int flag = 1;
    EXPECT_EQ(Add_Choice_Field(10, 120, "ja", &flag, &on), 16 + 20);
    EXPECT_EQ(Items()[0]->kind, AREA_ITEM_CHECK_BOX);
    Set_Field_Background_Color(Nearest_Color_Index(255, 251, 240));
    Add_Choice_Field(10, 140, "ja", &flag, &on);
    std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->kind, AREA_ITEM_RECTANGLE);
    EXPECT_EQ(items[0]->colour, WHITE_CI);
    EXPECT_EQ(Get_Field_Background_Color(), Nearest_Color_Index(255, 251, 240));
    // Read-only: the text once more as a plain text.
    Add_Choice_Field(10, 160, "ja", &flag, &read_only);
    EXPECT_EQ(Items().size(), 3u);
}

TEST_F(Fields, FixedWidthFieldsAndChoiceLists) {
    char texts[4][6] = {"S235", "----", "S355", "S460"};
    int flags[4] = {0, FIELD_CHOICE_SEPARATOR, 0, 0};
    int selection = 1;
    Field_Choice_List list = {0, 0, 4, 6, texts[0], nullptr, flags, nullptr};
    // The separator row gives way to the row above; width 4 cells + 33.
    EXPECT_EQ(Add_Choice_List_Field(10, 20, &list, &selection, &on), 4 * 8 + 33);
    EXPECT_EQ(selection, 0);
    const Scrollable_Area_Item* it = Items()[0];
    EXPECT_EQ(it->kind, AREA_ITEM_CHOICE_LIST);
    EXPECT_EQ(it->entries[2].text, texts[2]);
    EXPECT_EQ(it->entries[2].colour, Get_Field_Text_Color());
    // Read-only: a frame strip first, the text colour 40 % lighter: RGB 0,
    // 88, 176 has lightness 0.3451, saturation 1 and hue 7/12; times 1.4 the
    // lightness is 0.4831, which gives 0, 123, 246.
    Set_Field_Text_Color(Nearest_RGB_Color(0, 88, 176));
    Add_Shaded_Fixed_Width_Field(10, 40, texts[0], nullptr, 6, 4, &selection, &read_only);
    std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->colour, Nearest_RGB_Color(220, 220, 220));
    EXPECT_EQ(items[1]->entries[0].colour, Nearest_RGB_Color(0, 123, 246));
    EXPECT_EQ(Add_Shaded_Fixed_Width_Field(10, 60, texts[0], nullptr, 1, 4, &selection, &on), 0);
    EXPECT_EQ(Add_Shaded_Fixed_Width_Field(10, 60, texts[0], nullptr, 6, 0, &selection, &on), 0);
}

// A ranged field is a "%8.1f" double at x + 7 that carries the bounds it
// was given (the refusal itself: test_field_sheet.cpp, test_field_keys.cpp).
TEST_F(Fields, RangedFieldCarriesItsOwnBounds) {
    double a = 1000.0, b = 0.5;
    EXPECT_EQ(Add_Field_Float_with_Range(10, 20, &a, 500.0, 2200.0, &on), 79);
    EXPECT_EQ(Add_Field_Float_with_Range(10, 40, &b, 0.0, 1.0, &on), 79);
    const std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->x1, 17);
    EXPECT_STREQ(items[0]->text, "%8.1f");
    EXPECT_EQ(items[0]->bounded, 1);
    EXPECT_EQ(items[0]->minimum, 500.0);
    EXPECT_EQ(items[0]->maximum, 2200.0);
    EXPECT_EQ(items[1]->maximum, 1.0);
}

// Ints shown as doubles by an open sheet: set and read through the table;
// unknown addresses give -99999999.
int shown_int = 3, read_back = 0;
double* shown_copy = nullptr;
void Fill_Int_Page(int, int) {
    shown_copy = Register_Sheet_Int_Value(&shown_int);
    Set_Registered_Int(&shown_int, 7);
    read_back = Get_Registered_Int(&shown_int);
    Request_Sheet_OK();
}
TEST(Shown_Ints, SetAndReadWhileTheSheetIsOpen) {
    int other = 5;
    Set_Registered_Int(&other, 9);
    EXPECT_EQ(other, 5);
    EXPECT_EQ(Get_Registered_Int(&other), -99999999);
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_NO_BUTTONS;
    d.pending_code = 3;
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    page.fill = Fill_Int_Page;
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 1);
    EXPECT_EQ(read_back, 7);
    EXPECT_EQ(shown_int, 7);
}

TEST(Value_Bands, LimitsAndColours) {
    Reset_Value_Bands();
    EXPECT_EQ(Value_Band_Limit(2), 50);
    Set_Value_Band_Start(5.0);
    Set_Value_Band_Width(2.5);
    EXPECT_EQ(Value_Band_Limit(3), 12);
    EXPECT_EQ(Value_Band_Color(7), BLACK_CI);
    EXPECT_EQ(Value_Band_Color(8), Nearest_Color_Index(132, 97, 66));
    EXPECT_EQ(Value_Band_Color(10), Nearest_Color_Index(64, 128, 192));
    Set_Value_Band_Color_B(7, RED_CI);
    EXPECT_EQ(Value_Band_Color_B(100), RED_CI);
    EXPECT_EQ(Value_Band_Color_B(0), BLACK_CI);
    Reset_Value_Bands();
}

// The transform: the start setting maps a point to itself; a quarter turn
// maps (1, 0) to (0, -1); pixels are rounded half away from zero; with
// drawing off only filled rectangles are added.
TEST_F(Fields, WorldToScreenTransform) {
    double x = 12.25, y = -3.5;
    World_to_Screen_Point(&x, &y);
    Screen_to_World_Point(&x, &y);
    EXPECT_DOUBLE_EQ(x, 12.25);
    EXPECT_DOUBLE_EQ(y, -3.5);
    Set_Field_World_Mapping(0.0, 0.0, std::acos(0.0), 1.0);
    x = 1.0;
    y = 0.0;
    World_to_Screen_Point(&x, &y);
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_NEAR(y, -1.0, 1e-15);
    Set_Field_World_Mapping(10.0, 20.0, 0.0, 2.0);
    EXPECT_DOUBLE_EQ(World_Length_on_Screen(0.0, 0.0, 3.0, 4.0), 10.0);
    Set_Field_World_Mapping(0.0, 0.0, 0.0, 1.0);
    Add_World_Line_to_Field_Area(-2.5, 2.5, 2.4, -2.4);
    const Scrollable_Area_Item* line = Items()[0];
    EXPECT_EQ(line->x1, -3);
    EXPECT_EQ(line->y1, 3);
    EXPECT_EQ(line->x2, 2);
    EXPECT_EQ(line->y2, -2);
    Set_Field_World_Drawing(0);
    Add_World_Rectangle_to_Field_Area(0, 0, 10, 10);
    Add_World_Filled_Rectangle(0, 0, 10, 10);
    std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]->kind, AREA_ITEM_RECTANGLE);
    Set_Field_World_Drawing(1);
    // Underlined and boxed texts: the text's width + 4 (+ 6).
    EXPECT_EQ(Add_Underlined_Field_Text(10, 30, "abc", &on), 24 + 4);
    EXPECT_EQ(Add_Boxed_Field_Text(10, 50, "abc", &on), 24 + 6);
}

// The polygon callback draws the stored corners moved to the item each
// time without moving them: a second repaint draws the same pixels.
TEST_F(Fields, PolygonCallbackDrawsInPlaceEveryTime) {
    const int xs[3] = {0, 20, 0}, ys[3] = {0, 0, 20};
    Set_Field_Polygon(3, xs, ys);
    Set_Field_Background_Color(RED_CI);
    pxInitScreen(640, 480);
    Draw_Polyline_Callback(100, 100, 120, 100, 0);
    const std::vector<int> once(pxScreenPixels(), pxScreenPixels() + 640 * 480);
    pxInitScreen(640, 480);
    Draw_Polyline_Callback(100, 100, 120, 100, 0);
    Draw_Polyline_Callback(100, 100, 120, 100, 0);
    EXPECT_EQ(std::vector<int>(pxScreenPixels(), pxScreenPixels() + 640 * 480), once);
    EXPECT_EQ(xs[1], 20);
    EXPECT_EQ(pxGetPixel(105, 105), RED_CI);
    Set_Field_Polygon(0, nullptr, nullptr);
}

// Without a field area the adders add nothing and return 0, but a labelled
// text and a symbol report their widths.
TEST(Fields_Without_Area, AddNothing) {
    Begin_Field_Area(-1);
    char text[4] = "ab";
    EXPECT_EQ(Add_Field_Text(0, 0, "abc", &on), 0);
    EXPECT_EQ(Add_Labelled_Text_Field(0, 0, "abc", &on), 24);
    EXPECT_EQ(Add_Field_Symbol(0, 0, "l", nullptr, &on), 8);
    EXPECT_EQ(Add_Field_Symbol_Checked(0, 0, "l", nullptr, &on), 0);
    EXPECT_EQ(Add_Field_Edit_Text(0, 0, text, 0, &on), 0);
    EXPECT_EQ(Add_Field_Float_with_Range(0, 0, nullptr, 0.0, 1.0, &on), 0);
    EXPECT_EQ(Add_Underlined_Field_Text(0, 0, "abc", &on), 0);
}

// The rest of the field area's set-up and adders: the area and font made
// current, a formatted text in style 2, a text centred on the area (no
// registry entry: 590 wide from its left 10), the checked click text,
// symbols placed by modes, the band colour sets and the world scale.
TEST_F(Fields, AreaFontCentredTextsAlignedSymbolsAndBands) {
    EXPECT_EQ(Current_Field_Area(), slot);
    EXPECT_EQ(Current_Field_Font(), 0x1000);
    Set_Field_Font(0x1001);
    EXPECT_EQ(Current_Field_Font(), 0x1001);
    Set_Field_Font(0x1000);
    // "12 mm" in style 2: its width in the field font + 5.
    EXPECT_EQ(Add_Field_Text_Style_2_Printf(10, 20, "%d mm", 12), 8 * 5 - 3 + 5);
    std::vector<const Scrollable_Area_Item*> items = Items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_STREQ(items[0]->text, "12 mm");
    EXPECT_EQ(items[0]->x2, 2);
    Add_Field_Text_Centred(40, "abc", &on);
    items = Items();
    ASSERT_EQ(items.size(), 1u);
    const int left = items[0]->x1, width = 8 * 3 - 3;
    EXPECT_LE(std::abs(left + width / 2 - (600 - 10) / 2), 2) << left;
    int selector = 0;
    EXPECT_EQ(Add_Field_Click_Text_Checked(10, 60, "mehr", 4, &selector, &on), 32);
    EXPECT_EQ(Items().size(), 2u);
    // "l" with index "w" centred on x = 100 (width 17: x - 9, the half
    // rounded away from zero) and 9 lower (mode 0).
    EXPECT_EQ(Add_Field_Symbol_Aligned(100, 80, "l", "w", 0, 4, &on), 17);
    items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->x1, 100 - 9);
    EXPECT_EQ(items[0]->y1, 89);
    EXPECT_EQ(Add_Field_Symbol_Aligned_Args(100, 80, "l", "w", 0, 4, &on), 17);
    EXPECT_EQ(Items()[0]->x1, 100 - 9);
    Begin_Field_Area(-1);
    EXPECT_EQ(Add_Field_Click_Text_Checked(10, 60, "mehr", 4, &selector, &on), 0);
    Begin_Field_Area(slot);
    // Set A after Init (bands from 10, 20 wide): black below 30, then the
    // nearest to 132, 97, 66 below 50; a slot of 2 or more sets the third.
    Reset_Value_Bands();
    Init_Value_Band_Colors();
    EXPECT_EQ(Value_Band_Color(15), BLACK_CI);
    EXPECT_EQ(Value_Band_Color(35), Nearest_Color_Index(132, 97, 66));
    Set_Value_Band_Color(5, RED_CI);
    EXPECT_EQ(Value_Band_Color(100), RED_CI);
    Set_Value_Band_Color(0, GREEN_CI);
    EXPECT_EQ(Value_Band_Color(15), GREEN_CI);
    Init_Value_Band_Colors();
    Reset_Value_Bands();
    Set_Field_World_Mapping(0, 0, 0, 2.5);
    EXPECT_EQ(Get_Field_World_Scale(), 2.5);
    Set_Field_World_Mapping(0, 0, 0, 1);
}

}  // namespace test_fields
