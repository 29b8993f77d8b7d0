// Multi-line edit fields (layout, line table, the inline editor with paste
// and typed keys), the animated scroll, the framed text field and the clock
// deadline.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "area_session.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"
#include "support/xvfb.h"

namespace {

class EditField : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        slot = Open_Area_Sheet("Test", 0, 0, 600, 400, 0, 100);
    }
    void TearDown() override { End_Area_Session(); }
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
    // Usable width 100; font RFONT_EDITOR advances 7: 14 characters fit (96).
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
    VEK_Script_Key(VEK_KEY_CTRL_HOME);          // Ctrl+Home: to the text start
    VEK_Script_Key(VEK_KEY_CTRL_V);           // paste: only 10 fit
    VEK_Script_Key('Q');            // full: dropped
    VEK_Script_Click(590, 390);     // outside the field: the editor ends
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_EQ(std::strlen(buf), 100u);
    EXPECT_EQ(std::string(buf, 10), std::string(10, 'z'));
    EXPECT_EQ(buf[10], 'x');
    // What did not fit is refused as the one-line fields refuse it, with a
    // box naming the limit, once an edit (the 'Q' after it has none).
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].title, VEK_REFUSAL_TITLE);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Der Text ist zu lang: h\x94" "chstens 100 Zeichen.",
                                        "Vom eingef\x81gten Text (mehr als 100 Zeichen) sind 10 \x81" "bernommen."}));
    // Backspace at the end and a typed character.
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    char small[21] = "ab";
    Add(small, 20, 500);
    VEK_Script_Click(400, 150);     // below the text: cursor after the last character
    VEK_Script_Key(VEK_KEY_BACKSPACE);
    VEK_Script_Key('c');
    VEK_Script_Key(VEK_KEY_ENTER);           // Enter is stored as a line feed
    VEK_Script_Click(590, 390);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_STREQ(small, "ac\n");
    // A "~" (the files' blank) typed or pasted is not taken, and a box
    // names it; the rest of a paste is.
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    char tilde[21] = "";
    Add(tilde, 20, 500);
    VEKSetClipboardText("b~c", 0);
    VEK_Script_Click(400, 150);
    for (int key : {(int)'a', (int)'~', (int)VEK_KEY_CTRL_V}) VEK_Script_Key(key);
    VEK_Script_Click(590, 390);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_STREQ(tilde, "abc");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Das Zeichen \"~\" kann nicht eingegeben werden:");
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines.at(2), "Der eingef\x81gte Text wird ohne dieses Zeichen \x81" "bernommen.");
    // So are the list's markup escape "\xCE" and a character without a code
    // page 850 byte (â‚¬), each with its box; the rest stays.
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    char marked[21] = "";
    Add(marked, 20, 500);
    VEKSetClipboardText("d\xCE" "e", 0);
    VEK_Script_Click(400, 150);
    for (int key : {(int)'a', 0xCE, VEK_KEY_FOREIGN + 0x20AC, (int)VEK_KEY_CTRL_V}) VEK_Script_Key(key);
    VEK_Script_Click(590, 390);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_STREQ(marked, "ade");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 3u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Das Zeichen \"\xCE\" (Byte 0xCE) kann nicht eingegeben werden:");
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines.at(0), "Das Zeichen U+20AC kann nicht eingegeben werden:");
    EXPECT_EQ(VEK_Recorded_Messages()[2].lines.at(2), "Der eingef\x81gte Text wird ohne dieses Zeichen \x81" "bernommen.");
    // So are the letters the print list's font draws as formula signs
    // ("\x88" = ê as an arrow, "\xA3" = ú as Delta, "\xFA" = · as a cube),
    // typed and pasted; "\x82" = é and "\xF8" = ° print as they are.
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    char signs[21] = "";
    Add(signs, 20, 500);
    VEKSetClipboardText("\xA3\xFAh\xF8", 0);
    VEK_Script_Click(400, 150);
    for (int key : {(int)'F', 0x88, 0x82, (int)VEK_KEY_CTRL_V}) VEK_Script_Key(key);
    VEK_Script_Click(590, 390);
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    Edit_Scrollable_View_Area(slot);
    EXPECT_STREQ(signs, "F\x82h\xF8");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0), "Das Zeichen \"\x88\" (Byte 0x88) kann nicht eingegeben werden:");
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines.at(0),
              "Die Zeichen \"\xA3\" (Byte 0xA3), \"\xFA\" (Byte 0xFA) k\x94nnen nicht eingegeben werden:");
    EXPECT_EQ(VEK_Recorded_Messages()[1].lines.at(3), "Der eingef\x81gte Text wird ohne dieses Zeichen \x81" "bernommen.");
}

// Typed into without a click, the editor starts with the caret at the
// text's end: on the text's last line, not the one below it (a caret of
// the editor font's advance 7 after n characters stands at x1 + 7 + 7 n,
// line k's rows from y1 + 6 + 14 k). End on the last line goes behind its
// last character. Escape ends the editor, by keyboard or after a click,
// and fires the area's break action.
TEST_F(EditField, TypedWithoutClickCaretOnTheLastLineEscapeBreaks) {
    int broke = 0;
    Set_Break_Key_Action_of_Scrollable_Area(slot, 7, &broke);
    char buf[21] = "ab";
    Add(buf, 20, 500);
    const std::string shot = testutil::Test_Dir() + "/editor_caret.png";
    VEK_Script_Key('c');
    VEK_Script_Snapshot(shot.c_str());
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Type_Into_Scrollable_Area(slot), 1);
    EXPECT_EQ(broke, 7);
    EXPECT_STREQ(buf, "abc");
    const int caret_x = 10 + 7 + 7 * 3;
    EXPECT_NE(testutil::Pixel(shot, caret_x, 10 + 6 + 5), 0xFFFFFFu);  // line 0
    EXPECT_EQ(testutil::Pixel(shot, caret_x, 10 + 6 + 14 + 7), 0xFFFFFFu);  // line 1 stays white
    broke = 0;
    Clear_Scrollable_View_Area(slot);
    char two[21] = "ab\ncd";
    Add(two, 20, 500);
    for (int key : {(int)VEK_KEY_HOME, (int)VEK_KEY_END, (int)'e'}) VEK_Script_Key(key);
    VEK_Script_Click(590, 390);  // outside: the editor ends, the press left to the caller
    EXPECT_EQ(Type_Into_Scrollable_Area(slot), 0);
    EXPECT_STREQ(two, "ab\ncde");
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(broke, 0);
    VEK_Script_Clear();
    Clear_Scrollable_View_Area(slot);
    Add(two, 20, 500);
    VEK_Script_Click(20, 20);
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(broke, 7);
}

TEST_F(EditField, DraggingSelectsAndCtrlXCutsTheSelection) {
    // Font RFONT_EDITOR advances 7 pixels (extent 7 n - 2); text starts at x1 + 7.
    // The boundary after n characters lies at x1 + 7 + extent(n) + 2.
    char buf[21] = "abcdefghij";
    Add(buf, 20, 500);
    auto at = [](int n) { return 10 + 7 + (7 * n - 2) + 2; };
    VEK_Script_Click(at(2), 20);  // into the field: the editor starts
    VEK_Script_Press(at(2), 20);  // press at the boundary after "ab"
    VEK_Script_Move(at(6), 21);   // drag beyond 5 pixels to after "abcdef"
    VEK_Script_Release();
    VEK_Script_Key(VEK_KEY_CTRL_X);         // Ctrl+X
    VEK_Script_Press(at(1), 20);  // a press without drag clears the selection
    VEK_Script_Move(at(1) + 3, 22);
    VEK_Script_Release();
    VEK_Script_Key(VEK_KEY_CTRL_X);         // nothing selected: nothing cut
    VEK_Script_Click(590, 390);   // outside: the editor ends
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_STREQ(buf, "abghij");
    char clip[16] = {0};
    VEKGetClipboardText(clip, sizeof clip);
    EXPECT_STREQ(clip, "cdef");
    EXPECT_EQ(VEK_Script_Pending(), 0);
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

// A drop-down list of 30 entries (396 pixels high) under a field 300
// pixels above the screen bottom.
class Long_List : public ::testing::Test {
protected:
    void Open(int screen_height, int field_y) {
        Begin_Area_Session(800, screen_height);
        VEK_Input_Reset();
        slot = Open_Area_Sheet("Test", 0, 0, 790, screen_height - 10, 0, 100);
        for (int i = 0; i < 30; i++) {
            names[i] = "Eintrag " + std::to_string(i);
            entries[i] = {BLACK_CI, names[i].data()};
        }
        Add_Choice_List_to_Scrollable_Area(slot, 50, field_y, entries, RFONT_NORMAL, 12, 30, &choice,
                                           &Screen_Flag_On);
        Update_Scrollable_View_Area(slot);
        VEK_Script_Click(60, field_y - 4);  // on the field: the list opens
    }
    void TearDown() override { End_Area_Session(); }
    int Run() {
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        return Edit_Scrollable_View_Area(slot);
    }
    int slot = -1;
    int choice = 0;
    std::string names[30];
    Choice_List_Entry entries[30];
};

TEST_F(Long_List, OpensAboveAFieldMoreThan426PixelsDown) {
    Open(1024, 724);
    // Above: from 724 - 13 - 396 = 315; rows from 318, 13 pixels each.
    VEK_Script_Click(60, 318 + 5 * 13 + 6);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 5);
}

TEST_F(Long_List, At426PixelsDownItIsCutAt427ItOpensWhole) {
    Open(726, 426);  // 300 below; above is cut to (426 - 48) / 13 = 29 rows from 30
    VEK_Script_Click(60, 33 + 28 * 13 + 6);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 28);
    TearDown();
    Open(727, 427);  // all 30 rows above, from 427 - 13 - 396 = 18
    VEK_Script_Click(60, 21 + 29 * 13 + 6);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 29);
}

TEST_F(Long_List, FittingNeitherSideIsCutOnTheLargerWithAScrollBar) {
    Open(700, 400);  // 300 below, 400 above: (400 - 48) / 13 = 27 rows above
    // The list spans 30 .. 387 and x 43 .. 171; its down arrow lies at the
    // bottom of the 15-pixel bar on the right.
    VEK_Script_Click(60, 33 + 2 * 13 + 6);  // row 2
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 2);
    VEK_Script_Click(60, 400 - 4);
    VEK_Script_Click(171 - 8, 387 - 5);  // down arrow: one row further
    VEK_Script_Click(60, 33 + 6);        // the first row shown is now row 1
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 1);
    // A click outside the list ends it without choosing and stays for what
    // lies under it.
    VEK_Script_Click(60, 400 - 4);
    VEK_Script_Click(400, 600);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(choice, 1);
    EXPECT_EQ(VEK_Script_Pending(), 1);
}

// A row chosen with the keys (Down, Enter) is taken as a click takes it:
// the edit ends there, so that the page shows what the choice changed; the
// number field after the list is not opened (the typed value stays unused).
TEST(Choice_List_Keys, EnterChoosesAndEndsTheEdit) {
    Begin_Area_Session(800, 600);
    VEK_Input_Reset();
    const int slot = Open_Area_Sheet("Test", 0, 0, 790, 590, 0, 100);
    std::string names[2] = {"Kehlnaht", "Stumpfnaht"};
    Choice_List_Entry entries[2] = {{BLACK_CI, names[0].data()}, {BLACK_CI, names[1].data()}};
    int choice = 0;
    double next = 75.0;
    Add_Choice_List_to_Scrollable_Area(slot, 50, 100, entries, RFONT_NORMAL, 10, 2, &choice, &Screen_Flag_On);
    Add_Float_to_Scrollable_Area(slot, 300, 100, &next, "%3.0f", RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    Update_Scrollable_View_Area(slot);
    VEK_Script_Click(60, 96);
    VEK_Script_Move(60, 108 + 6);  // the pointer on the open list's first row (keys typed ahead are dropped)
    VEK_Script_Key(VEK_KEY_DOWN);
    VEK_Script_Key(VEK_KEY_ENTER);
    VEK_Script_Type("5", 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(choice, 1);
    EXPECT_EQ(next, 75.0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    End_Area_Session();
}

TEST(ValueCheck, FramedTextFieldAndClock) {
    pxInitScreen(200, 100);
    pxFgc(GREEN_CI);
    pxRect(0, 0, 199, 99);
    pxFgc(RED_CI);
    Draw_Framed_Text_Field(10, 10, 100, 30, "Text", 209, 0, RFONT_NORMAL, BLACK_CI, DRAW_NO_COLOUR);
    EXPECT_EQ(pxGetPixel(50, 12), GREEN_CI);  // no fill: background as it was
    bool ink = false;
    for (int y = 10; y <= 30; y++)
        for (int x = 10; x <= 60; x++) ink = ink || pxGetPixel(x, y) == BLACK_CI;
    EXPECT_TRUE(ink);
    EXPECT_EQ(pxQFgc(), RED_CI);  // colour restored
    Draw_Framed_Text_Field(110, 10, 190, 30, nullptr, 209, 1, RFONT_NORMAL, BLACK_CI, WHITE_CI);
    EXPECT_EQ(pxGetPixel(150, 20), WHITE_CI);
    Start_Clock_Timeout(0);
    EXPECT_EQ(Clock_Timeout_Reached(), 1);
    Start_Clock_Timeout(1.0);
    EXPECT_EQ(Clock_Timeout_Reached(), 0);
    VEKSleep(1000);
    EXPECT_EQ(Clock_Timeout_Reached(), 1);
    // The deadline falls exactly on its millisecond whatever the clock
    // reads when it is set. Summed as seconds in doubles it was missed at
    // clock readings like this one, where now + 1 s in milliseconds lands
    // below now in seconds + 1.0.
    long long now = VEK_Clock_ms();
    long long bad = now;
    while (bad < now + 100000 && !((double)(bad + 1000) * 0.001 < (double)bad * 0.001 + 1.0)) ++bad;
    ASSERT_LT(bad, now + 100000);
    VEK_Advance_Clock(bad - now);
    Start_Clock_Timeout(1.0);
    VEKSleep(999);
    EXPECT_EQ(Clock_Timeout_Reached(), 0) << VEK_Clock_ms();
    VEKSleep(1);
    EXPECT_EQ(Clock_Timeout_Reached(), 1) << VEK_Clock_ms();
    EXPECT_EQ(Text_Width_in_Pixels(nullptr), 0);
    EXPECT_EQ(Text_Width_of_Length("abcdef", 3), 21);
}

}  // namespace
