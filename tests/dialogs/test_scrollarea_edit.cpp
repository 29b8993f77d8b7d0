// Multi-line edit fields (layout, line table, the inline editor with paste
// and typed keys), the animated scroll, the framed text field and the clock
// deadline.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

class EditField : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        VEK_Script_Clear();
        Init_Prop_Sheets();
        Undefine_All_Scrollable_View_Areas();
        Init_Screen_Colors();
        Define_Prop_Sheet(0, 0, 639, 479, 0, 0, "Test", 0, 0);
        slot = Define_Scrollable_View_Area(0, 0, 600, 400, 0, 0);
        Add_Escape_Area_to_PS(0, 0, 600, 400, 100);
        Activate_Prop_Sheet();
    }
    void TearDown() override {
        Undefine_All_Scrollable_View_Areas();
        Exit_Prop_Sheets();
        VEK_Script_Clear();
    }
    Edit_Field_State *Add(char *buf, int max, int x2 = 130) {
        Add_Edit_Field_to_Scrollable_Area(slot, 10, 10, x2, 200, buf, max, BLACK_CI, WHITE_CI, 1,
                                          &Screen_Flag_On);
        Edit_Field_State *st = Scrollable_View_Area_Record(slot)->last_item->editor;
        Update_Scrollable_View_Area(slot);
        return st;
    }
    int slot = -1;
};

TEST_F(EditField, LineTableGrowsFourfold) {
    std::string text;
    for (int i = 0; i < 60; i++) text += "a\n";
    std::vector<char> buf(text.begin(), text.end());
    buf.push_back('\0');
    Edit_Field_State *st = Add(buf.data(), 500, 300);
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->capacity, 200);
    EXPECT_EQ(st->line_count, 61);  // 60 lines and the empty end
    EXPECT_EQ(st->visible_lines, (200 - 10 - 22) / 14);
}

TEST_F(EditField, LongWordBreaksAtWidthAndBlankStaysOnItsLine) {
    // Usable width 100; font 0x1003 advances 7: 14 characters fit (96).
    char word[] = "aaaaaaaaaaaaaaaaaaaa";
    Edit_Field_State *st = Add(word, 100);
    ASSERT_GE(st->line_count, 3);
    EXPECT_EQ(st->lines[1] - st->lines[0], 14);
    Clear_Scrollable_View_Area(slot);
    char words[] = "abc defghijklmnopq";
    st = Add(words, 100);
    EXPECT_EQ(st->lines[1] - words, 4);
}

TEST_F(EditField, EditorTypesPastesAndEndsOnClickOutside) {
    char buf[101] = {0};
    std::memset(buf, 'x', 90);
    Add(buf, 100, 500);
    VEKSetClipboardText(std::string(6000, 'z').c_str(), 0);
    VEK_Script_Click(20, 20);       // into the field: the sheet reports the area
    VEK_Script_Key(0x177);          // Ctrl+Home: to the text start
    VEK_Script_Key(0x16);           // paste: only 10 fit
    VEK_Script_Key('Q');            // full: dropped
    VEK_Script_Click(590, 390);     // outside the field: the editor ends
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_EQ(std::strlen(buf), 100u);
    EXPECT_EQ(std::string(buf, 10), std::string(10, 'z'));
    EXPECT_EQ(buf[10], 'x');
    // Backspace at the end and a typed character.
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    char small[21] = "ab";
    Add(small, 20, 500);
    VEK_Script_Click(400, 150);     // below the text: cursor after the last character
    VEK_Script_Key(8);
    VEK_Script_Key('c');
    VEK_Script_Key(0x0d);           // Enter is stored as a line feed
    VEK_Script_Click(590, 390);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_STREQ(small, "ac\n");
}

TEST_F(EditField, AnimatedScrollBringsRectangleIntoView) {
    Undefine_All_Scrollable_View_Areas();
    int s = Define_Scrollable_View_Area(0, 0, 217, 117, 0, 1);  // visible 200 x 117
    Add_Rectangle_to_Scrollable_Area(s, 0, 0, 10, 1000, BLACK_CI);
    Update_Scrollable_View_Area(s);
    long long t0 = VEK_Clock_ms();
    Scroll_Scrollable_Area_to(s, 0, 500, 10, 550);
    int x = -1, y = -1;
    Inquire_Scrollable_View_Area_Origin(s, &x, &y);
    EXPECT_EQ(y, 550 - 117);  // the rectangle's bottom on the view's bottom
    EXPECT_EQ(VEK_Clock_ms() - t0, 300);  // ten steps of 30 ms
    // Already visible: nothing moves.
    Scroll_Scrollable_Area_to(s, 0, 460, 10, 500);
    Inquire_Scrollable_View_Area_Origin(s, &x, &y);
    EXPECT_EQ(y, 433);
}

TEST(ValueCheck, FramedTextFieldAndClock) {
    pxInitScreen(200, 100);
    pxFgc(GREEN_CI);
    pxRect(0, 0, 199, 99);
    pxFgc(RED_CI);
    Draw_Framed_Text_Field(10, 10, 100, 30, "Text", 209, 0, 0x1000, BLACK_CI, -10000);
    EXPECT_EQ(pxGetPixel(50, 12), GREEN_CI);  // no fill: background as it was
    bool ink = false;
    for (int y = 10; y <= 30; y++)
        for (int x = 10; x <= 60; x++) ink = ink || pxGetPixel(x, y) == BLACK_CI;
    EXPECT_TRUE(ink);
    EXPECT_EQ(pxQFgc(), RED_CI);  // colour restored
    Draw_Framed_Text_Field(110, 10, 190, 30, nullptr, 209, 1, 0x1000, BLACK_CI, WHITE_CI);
    EXPECT_EQ(pxGetPixel(150, 20), WHITE_CI);
    Start_Clock_Timeout(0);
    EXPECT_EQ(Clock_Timeout_Reached(), 1);
    Start_Clock_Timeout(1.0);
    EXPECT_EQ(Clock_Timeout_Reached(), 0);
    VEKSleep(1000);
    EXPECT_EQ(Clock_Timeout_Reached(), 1);
    EXPECT_EQ(Text_Width_in_Pixels(nullptr), 0);
    EXPECT_EQ(Text_Width_of_Length("abcdef", 3), 21);
}

}  // namespace
