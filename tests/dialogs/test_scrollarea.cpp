// Scrollable view areas as scripted sessions on the headless layer: the area
// table, item extents, the painter on the canvas, and one user session over
// a sheet with a check box, a radio pair, two double fields with a value
// check, a choice list and an action button.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <algorithm>

#include "area_session.h"
#include "base/cp850.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/oli_layout.h"
#include "platform/png.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"

namespace {

const int kAreaCode = 100;

class Area : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        slot = Open_Area_Sheet("Test", 20, 20, 600, 400, 0, kAreaCode);
    }
    void TearDown() override { End_Area_Session(); }
    int slot = -1;
};

TEST_F(Area, TwentySlotsThenTheConsoleLine) {
    Undefine_All_Scrollable_View_Areas();
    for (int i = 0; i < 20; i++) ASSERT_EQ(Define_Scrollable_View_Area(0, 0, 100, 100, 0, 0), i);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Define_Scrollable_View_Area(0, 0, 100, 100, 0, 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "maximale Anzahl Scrollable_View_Areas erreicht\n");
    // Slot 20 and a freed slot are ignored.
    Undefine_Scrollable_View_Area(3);
    Set_Scrollable_Area_Background(3, 7);
    Set_Scrollable_Area_Background(20, 7);
    EXPECT_EQ(Get_Scrollable_Area_Background(3), -1);
    EXPECT_EQ(Get_Scrollable_Area_Background(20), -1);
    EXPECT_EQ(Edit_Scrollable_View_Area(20), 0);
}

TEST_F(Area, SlidersTake17PixelsAndFollowTheContent) {
    int s = Define_Scrollable_View_Area(10, 10, 210, 110, 1, 1);
    int w = 0, h = 0;
    Inquire_Scrollable_View_Area_Size(s, &w, &h);
    EXPECT_EQ(w, 200 - 17);
    EXPECT_EQ(h, 100 - 17);
    Inquire_Scrollable_View_Area_Size(slot, &w, &h);
    EXPECT_EQ(w, 580);
    Scrollable_View_Area *a = Scrollable_View_Area_Record(s);
    // Content exactly as high as the view: the vertical slider stays inactive.
    Add_Rectangle_to_Scrollable_Area(s, 0, 0, 10, 83, BLACK_CI);
    Update_Scrollable_View_Area(s);
    EXPECT_EQ(ActivState_of_Button_PS(a->vslider_id), -1);
    Add_Rectangle_to_Scrollable_Area(s, 0, 0, 10, 84, BLACK_CI);
    Update_Scrollable_View_Area(s);
    EXPECT_EQ(ActivState_of_Button_PS(a->vslider_id), 1);
}

TEST_F(Area, ExtentsGrowNeverShrink) {
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    Add_Rectangle_to_Scrollable_Area(slot, 0, 0, 10, 100, BLACK_CI);
    Add_Text_to_Scrollable_Area(slot, 10, 95, "x", RFONT_NORMAL, BLACK_CI, 0);
    EXPECT_EQ(a->content_height, 105);
    Add_Text_to_Scrollable_Area(slot, 10, 80, "x", RFONT_NORMAL, BLACK_CI, 0);
    EXPECT_EQ(a->content_height, 105);
    // Right-aligned: a 6-character text (45 pixels) ending at 200 starts at 155.
    Add_Text_to_Scrollable_Area(slot, 200, 20, "abcdef", RFONT_NORMAL, BLACK_CI, 1);
    EXPECT_EQ(a->last_item->x1, 155);
    EXPECT_EQ(a->content_width, 210);
    // A choice list's selection outside its entries is reset when added.
    Choice_List_Entry e[3] = {{BLACK_CI, const_cast<char *>("a")}, {BLACK_CI, const_cast<char *>("b")},
                              {BLACK_CI, const_cast<char *>("c")}};
    int sel = 5;
    Add_Choice_List_to_Scrollable_Area(slot, 10, 200, e, RFONT_NORMAL, 10, 3, &sel, &Screen_Flag_On);
    EXPECT_EQ(sel, 0);
    EXPECT_EQ(a->last_item->aux, 80);
    // Visible length is bounded by the buffer's length; other kinds ignore it.
    char buf[11] = "0123456789";
    Add_Edit_Text_to_Scrollable_Area(slot, 10, 240, buf, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    Set_Visible_Length_of_Last_Edit_Text(slot, 25);
    EXPECT_EQ(a->last_item->y2, 10);
    Set_Visible_Length_of_Last_Edit_Text(slot, 4);
    EXPECT_EQ(a->last_item->y2, 4);
    Add_Line_to_Scrollable_Area(slot, 0, 0, 5, 5, BLACK_CI);
    Set_Visible_Length_of_Last_Edit_Text(slot, 1);
    Set_Last_Item_Check_Function(slot, Clamp_Not_Negative);
    EXPECT_EQ(a->last_item->check, nullptr);
    // Clearing frees the items and leaves the caller's buffer alone.
    Clear_Scrollable_View_Area(slot);
    EXPECT_EQ(a->first_item, nullptr);
    EXPECT_EQ(a->content_width, 0);
    EXPECT_STREQ(buf, "0123456789");
}

TEST_F(Area, ClampsCorrectInPlace) {
    double v = -0.5;
    EXPECT_EQ(Clamp_Zero_One(&v), &v);
    EXPECT_EQ(v, 0.0);
    v = 1.5;
    Clamp_Zero_One(&v);
    EXPECT_EQ(v, 1.0);
    v = 0.3;
    Clamp_Zero_One(&v);
    EXPECT_EQ(v, 0.3);
    v = -2;
    Make_Absolute(&v);
    EXPECT_EQ(v, 2.0);
    v = -0.0;
    Make_Absolute(&v);
    EXPECT_TRUE(std::signbit(v));
    v = 0.5;
    Clamp_Min_One(&v);
    EXPECT_EQ(v, 1.0);
    v = std::nan("");
    Clamp_Not_Negative(&v);
    EXPECT_TRUE(std::isnan(v));
}

TEST_F(Area, RingOfEnableFlagsWraps) {
    Reset_Register_Field_Table();
    int *first = Next_Register_Field_Flag(1);
    for (int i = 1; i < 1000; i++) Next_Register_Field_Flag(0);
    EXPECT_EQ(*first, 1);
    EXPECT_EQ(Next_Register_Field_Flag(0), first);
    EXPECT_EQ(*first, 0);
}

TEST_F(Area, PainterDrawsBackgroundAndSkipsInactiveArea) {
    Add_Text_to_Scrollable_Area(slot, 10, 30, "I", RFONT_NORMAL, RED_CI, 0);
    Update_Scrollable_View_Area(slot);
    int bg = Get_Scrollable_Area_Background(slot);
    EXPECT_EQ(bg, Nearest_Color_Index(255, 251, 240));
    EXPECT_EQ(pxGetPixel(25, 25), bg);
    // The "I" at content (10, 30): its stem at screen x 20 + 10 + 2.
    EXPECT_EQ(pxGetPixel(32, 50 - 4), RED_CI);
    // Text 13 pixels below the bottom is skipped, 12 is drawn.
    pxFgc(GREEN_CI);
    pxRect(0, 0, 639, 479);
    Scrollable_View_Area *a = Scrollable_View_Area_Record(slot);
    Set_Scrollable_Area_Activity(slot, 0);
    EXPECT_EQ(pxGetPixel(25, 25), GREEN_CI);  // an inactive area is not painted at all
    Draw_Scrollable_Area_Callback(20, 20, 600, 400, 0, 0, 0, a);
    EXPECT_EQ(pxGetPixel(25, 25), GREEN_CI);
    Set_Scrollable_Area_Activity(slot, 1);
    EXPECT_EQ(pxGetPixel(25, 25), bg);
}

TEST_F(Area, TreeViewPicturesAtTheirCentreAndAsCheckImages) {
    int on = 1;
    Add_Tree_View_Image_to_Scrollable_Area(slot, 7, 100, 100, 116, 110, RED_CI);
    Add_Check_Box_to_Scrollable_Area(slot, 50, 50, "an", RFONT_NORMAL, BLUE_CI, &on, &Screen_Flag_On);
    Set_Check_Images_of_Last_Item(slot, 11, 12);
    int before = OLI_Last_Tree_View_Image()->count;
    Update_Scrollable_View_Area(slot);
    const OLITreeViewImageRecord *r = OLI_Last_Tree_View_Image();
    EXPECT_EQ(r->count, before + 2);
    // The check box's image lies 13 left of and 3 above its text point.
    EXPECT_EQ(r->image, 11);
    EXPECT_EQ(r->x, 20 + 50 - 13);
    EXPECT_EQ(r->y, 20 + 50 - 3);
    EXPECT_EQ(r->colour, BLUE_CI);
    on = 0;
    Clear_Scrollable_View_Area(slot);
    Add_Check_Box_to_Scrollable_Area(slot, 50, 50, "an", RFONT_NORMAL, BLUE_CI, &on, &Screen_Flag_On);
    Set_Check_Images_of_Last_Item(slot, 11, 12);
    Add_Tree_View_Image_to_Scrollable_Area(slot, 7, 100, 100, 116, 110, RED_CI);
    Update_Scrollable_View_Area(slot);
    EXPECT_EQ(r->image, 7);  // the tree-view item at its centre
    EXPECT_EQ(r->x, 20 + 108);
    EXPECT_EQ(r->y, 20 + 105);
    EXPECT_EQ(r->colour, RED_CI);
    EXPECT_EQ(r->count, before + 4);
}

// Sheet coordinates of content (x, y) in the test area (no scrolling).
int Sx(int x) { return 20 + x; }
int Sy(int y) { return 20 + y; }

// Runs the sheet and, when it reports the area, the area's event loop.
int Step(int slot) {
    int code = Edit_Prop_Sheet();
    if (code != kAreaCode) return -1000 - code;
    return Edit_Scrollable_View_Area(slot);
}

TEST_F(Area, ScriptedSession) {
    int on = 0, kind = 1, pressed = 0, choice = 0, checks = 0;
    double first = 2.5, second = 1.0;
    static Choice_List_Entry entries[3] = {{BLACK_CI, const_cast<char *>("Kehlnaht")},
                                           {BLACK_CI, const_cast<char *>("Stumpfnaht")},
                                           {RED_CI, const_cast<char *>("Lochnaht")}};
    static int *seen_kind;
    seen_kind = &checks;
    Reset_Register_Field_Table();
    int *flag_first = Next_Register_Field_Flag(Screen_Flag_On);
    int *flag_second = Next_Register_Field_Flag(Screen_Flag_On);
    auto fill = [&]() {
        Clear_Scrollable_View_Area(slot);
        Add_Check_Box_to_Scrollable_Area(slot, 50, 50, "Schweißnähte"_cp, RFONT_NORMAL, Screen_Black, &on,
                                         &Screen_Flag_On);
        Add_Radio_Button_to_Scrollable_Area(slot, 50, 80, "Kehl", RFONT_NORMAL, Screen_Black, 1, &kind,
                                            &Screen_Flag_On);
        Add_Radio_Button_to_Scrollable_Area(slot, 150, 80, "Stumpf", RFONT_NORMAL, Screen_Black, 2,
                                            &kind, &Screen_Flag_On);
        Set_Last_Item_Check_Function(slot, [](void *v) -> void * {
            *seen_kind += static_cast<int>(reinterpret_cast<intptr_t>(v));
            return v;
        });
        Add_Float_to_Scrollable_Area(slot, 50, 120, &first, "%8.2f", RFONT_NORMAL, Screen_Black,
                                     flag_first);
        Set_Last_Item_Check_Function(slot, Clamp_Not_Negative);
        Add_Float_to_Scrollable_Area(slot, 200, 120, &second, "%8.2f", RFONT_NORMAL, Screen_Black,
                                     flag_second);
        Add_Choice_List_to_Scrollable_Area(slot, 50, 160, entries, RFONT_NORMAL, 12, 3, &choice,
                                           &Screen_Flag_On);
        Add_Action_Button(slot, 60, 220, &pressed, "Berechnen", 0);
        Update_Scrollable_View_Area(slot);
    };
    fill();
    // 1. The check box: 19 pixels left of its text toggles it, and the event
    // loop repaints the area at once (before the dialog's refill).
    const int area_id = Scrollable_View_Area_Record(slot)->sheet_area_id;
    int draws = VEK_Scrollable_Area_Draw_Count(area_id);
    VEK_Script_Click(Sx(50 - 19), Sy(50 - 4));
    EXPECT_EQ(Step(slot), 1);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(VEK_Scrollable_Area_Draw_Count(area_id), draws + 1);
    EXPECT_NE(pxGetPixel(Sx(50 - 15), Sy(50 - 2)), Get_Scrollable_Area_Background(slot));
    fill();
    VEK_Script_Click(Sx(50 - 21), Sy(50 - 4));  // 21 pixels left: nothing
    EXPECT_EQ(Step(slot), 0);
    EXPECT_EQ(on, 1);
    fill();
    // 2. The second radio button: its value goes into the selector, and its
    // check function hears the new value.
    VEK_Script_Click(Sx(150 - 10), Sy(80 - 4));
    EXPECT_EQ(Step(slot), 1);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(checks, 2);
    fill();
    // 3. The first double: a negative value is clamped; the edit moves on
    // to the second field, which takes 7.25 and ends the chain.
    VEK_Script_Click(Sx(50 + 5), Sy(120 - 4));
    VEK_Script_Type("-3.5", 1);
    VEK_Script_Type("7.25", 0);
    EXPECT_EQ(Step(slot), 1);
    EXPECT_EQ(first, 0.0);
    EXPECT_EQ(second, 7.25);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    fill();
    // 4. The choice list opens below the field; a click on the third row.
    VEK_Script_Click(Sx(50 + 10), Sy(160 - 4));
    VEK_Script_Click(Sx(50), Sy(160) + 5 + 3 + 2 * 13 + 6);
    EXPECT_EQ(Step(slot), 1);
    EXPECT_EQ(choice, 2);
    fill();
    // 5. The action button: the click is reported at the next refill, once.
    VEK_Script_Click(Sx(60 - 12), Sy(220));
    EXPECT_EQ(Step(slot), 1);
    EXPECT_EQ(pressed, 0);
    fill();
    EXPECT_EQ(pressed, 1);
    pressed = 0;
    fill();
    EXPECT_EQ(pressed, 0);
    // 6. A disabled field ignores clicks; its flag outlives the items.
    *flag_first = Screen_Flag_Off;
    fill();
    VEK_Script_Click(Sx(50 + 5), Sy(120 - 4));
    VEK_Script_Type("9", 0);
    EXPECT_EQ(Step(slot), 0);
    EXPECT_EQ(first, 0.0);
    VEK_Script_Clear();
    *flag_first = Screen_Flag_On;
    fill();
    // The repaint on the canvas: the checked box's mark, the red field texts.
    int bg = Get_Scrollable_Area_Background(slot);
    EXPECT_NE(pxGetPixel(Sx(50 - 15), Sy(50 - 2)), bg);  // the tick
    EXPECT_EQ(pxGetPixel(Sx(50 - 3), Sy(120 - 4)), WHITE_CI);  // the field box
    EXPECT_EQ(Screen_Write_PNG((testutil::Test_Dir() + "/scrollarea_session.png").c_str()), 1);
}

TEST_F(Area, HoverWaitEndsAtTheEdgeOfItsRegionAndPutsTheTipBack) {
    int pressed = 0;
    Add_Action_Button(slot, 60, 220, &pressed, "Berechnen", 0);
    Update_Scrollable_View_Area(slot);
    std::vector<int> before(pxScreenPixels(), pxScreenPixels() + 640 * 480);
    VEK_Script_Move(Sx(100), Sy(100));
    VEK_Script_Move(Sx(55), Sy(220));  // on the button: cursor 18 and its tip
    VEK_Script_Move(Sx(56), Sy(221));
    VEK_Script_Move(Sx(100), Sy(100));  // off the button: tip put back
    VEK_Script_Move(620, 10);           // out of the area: the wait ends
    VEK_Script_Move(Sx(10), Sy(10));
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(currentMouseCursor(), 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pxScreenPixels()));
    // A hover rectangle replaces the area as the watched region.
    VEK_Script_Clear();
    Set_Scrollable_Area_Hover_Rectangle(slot, 0, 0, 100, 100);
    VEK_Script_Move(Sx(50), Sy(50));
    VEK_Script_Move(Sx(150), Sy(50));
    VEK_Script_Move(Sx(50), Sy(50));
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    // The right button ends the wait only when the area says so.
    VEK_Script_Clear();
    VEK_Script_Click(Sx(50), Sy(50), 2);
    VEK_Script_Move(Sx(50), Sy(50));
    Set_Scrollable_Area_Right_Button_Hover_End(slot, 1);
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    VEK_Script_Clear();
    VEK_Input_Reset();
    Set_Scrollable_Area_Right_Button_Hover_End(slot, 0);
    VEK_Script_Click(Sx(50), Sy(50), 2);
    VEK_Script_Move(Sx(50), Sy(50));
    VEK_Script_Move(Sx(150), Sy(50));
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    // A stop flag that is set ends the wait at the next event.
    int stop = 1;
    Set_Scrollable_Area_Stop_Flag(slot, &stop);
    VEK_Script_Move(Sx(50), Sy(50));
    VEK_Script_Move(Sx(60), Sy(50));
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    // Unset, the wait times out every 100 ms while the mouse rests; an
    // event for an inline edit at the head gives way at once.
    VEK_Script_Clear();
    stop = 0;
    VEK_Script_Move(Sx(50), Sy(50));
    VEK_Script_Type("1", 0);
    long long t0 = VEK_Clock_ms();
    Wait_on_Scrollable_View_Area(slot);
    EXPECT_EQ(VEK_Clock_ms() - t0, 100);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    VEK_Script_Clear();
}

TEST_F(Area, RefillKeepsTheUsersScrollPosition) {
    Undefine_All_Scrollable_View_Areas();
    int s = Define_Scrollable_View_Area(20, 20, 220, 120, 0, 1);
    for (int i = 0; i < 30; i++) Add_Text_to_Scrollable_Area(s, 10, 20 + 20 * i, "Zeile", RFONT_NORMAL, BLACK_CI, 0);
    Update_Scrollable_View_Area(s);
    Scrollable_View_Area *a = Scrollable_View_Area_Record(s);
    Set_Scrollable_Area_PS(a->sheet_area_id, 0, 120);  // the user scrolls
    Clear_Scrollable_View_Area(s);
    EXPECT_EQ(a->scroll_y, 120);
    for (int i = 0; i < 30; i++) Add_Text_to_Scrollable_Area(s, 10, 20 + 20 * i, "Zeile", RFONT_NORMAL, BLACK_CI, 0);
    Update_Scrollable_View_Area(s);
    int x = -1, y = -1;
    Inquire_Scrollable_View_Area_Origin(s, &x, &y);
    EXPECT_EQ(y, 120);
    // Scrolling by changes the record only, clamped to the content.
    int dx = 5, dy = 10000;
    Scroll_Scrollable_Area_by(s, &dx, &dy);
    EXPECT_EQ(dx, 0);  // no horizontal slider
    EXPECT_EQ(a->scroll_y, a->content_height - (a->y2 - a->y1));
    EXPECT_EQ(dy, a->scroll_y - 120);
    Inquire_Scrollable_View_Area_Origin(s, &x, &y);
    EXPECT_EQ(y, 120);
    double fx = -1, fy = -1;
    Get_Scrollable_Area_Scroll_Fraction(s, &fx, &fy);
    EXPECT_EQ(fx, 0.0);
    EXPECT_EQ(fy, 1.0);
}

TEST_F(Area, ShortKeysNeedTheirSettingAndTarget) {
    // No settings: the key stays in the queue.
    Undefine_All_Scrollable_View_Areas();
    Reset_Scrollable_Area_Settings();
    {
        testutil::ScopedEnv none("VEK_USER_UseSheetBreakShortKey", std::nullopt);
        slot = Define_Scrollable_View_Area(20, 20, 600, 400, 0, 0);
    }
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_EQ(hitkey(), VEK_KEY_ESC);
    VEK_Script_Clear();
    // Break and help switched on ("1"), OK given as no integer: off.
    Undefine_All_Scrollable_View_Areas();
    Reset_Scrollable_Area_Settings();
    {
        testutil::ScopedEnv brk("VEK_USER_UseSheetBreakShortKey", "1");
        testutil::ScopedEnv ok("VEK_USER_UseSheetOkShortKey", "ja");
        testutil::ScopedEnv help("VEK_USER_UseSheetHelpShortKey", "2");
        slot = Define_Scrollable_View_Area(20, 20, 600, 400, 0, 0);
    }
    int b = -1, o = -1, h = -1, j = -1;
    Inquire_Scrollable_Area_Short_Keys(&b, &o, &h, &j);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(o, 0);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(j, 0);
    // Esc without a break target: 0 and the key stays.
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_EQ(hitkey(), VEK_KEY_ESC);
    // With a target the pair fires and the key is taken.
    int action = 0;
    Set_Break_Key_Action_of_Scrollable_Area(slot, 3, &action);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(action, 3);
    EXPECT_EQ(hitkey(), -1);
    // Enter with its switch off does nothing; F1 fires its own pair.
    Set_OK_Key_Action_of_Scrollable_Area(slot, 4, &action);
    Set_Help_Key_Action_of_Scrollable_Area(slot, 5, &action);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    EXPECT_EQ(getkey(), VEK_KEY_ENTER);
    VEK_Script_Key(VEK_KEY_F1);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(action, 5);
    // A held modifier (getkeymask 1) ends the call with 0 before any key.
    VEK_Script_Key(VEK_KEY_ESC);
    VEK_Set_Key_Mask(1);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);
    VEK_Set_Key_Mask(0);
    EXPECT_EQ(hitkey(), VEK_KEY_ESC);
    VEK_Script_Clear();
    Undefine_All_Scrollable_View_Areas();
    Reset_Scrollable_Area_Settings();
}

}  // namespace
