// Sheet buttons with a comment show it as a tool tip while the mouse is on
// them, as the main bar's buttons do; in the float auto mode a value typed
// over a float field goes into it without a click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "platform/tool_tip.h"

namespace {

// What the screen shows after each event of the edit that ends none.
struct Seen {
    int shown, x1, y1, x2, y2, corner;
};
std::vector<Seen> seen;
int Look(void)
{
    Seen s{VEK_Tool_Tip_Shown(), 0, 0, 0, 0, 0};
    VEK_Last_Tool_Tip(&s.x1, &s.y1, &s.x2, &s.y2);
    s.corner = pxGetPixel(s.x1, s.y1);
    seen.push_back(s);
    return 0;
}

class SheetTips : public ::testing::Test {
protected:
    void SetUp() override
    {
        Init_Mouse_Move_Restriction(0, 0, 1279, 1023);
        Define_Prop_Sheet(100, 100, 500, 400, 1, 1, "Belastung", 10, 1);
        seen.clear();
    }
    void TearDown() override { Set_CallSometimesFunc_to_PS(nullptr); }
};

// The box stands 20 pixels below the mouse, 10 pixels wider than the widest
// line (n characters of the normal font: 8 n - 3 pixels) and 5 pixels
// higher than its lines of 12 pixels: "und schließen" (13 characters) in
// two lines gives 470 .. 470 + 101 + 10, 400 .. 400 + 29; "abbrechen"
// (9) in one line 120 .. 199, 400 .. 417.
TEST_F(SheetTips, ShownOnTheButtonAndTakenAwayOffIt)
{
    const int ok = Add_Single_Button_to_PS(460, 371, 1, 8, nullptr, SYMBOLIC_OK_RASTER, 0);
    const int brk = Add_Single_Button_to_PS(114, 371, 1, 9, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    const int off = Add_Single_Button_to_PS(300, 371, -1, 7, "Hilfe", nullptr, 0);
    Set_Comment_to_Button_PS(ok, "\xFC" "bernehmen\nund schlie\xE1" "en");
    Set_Comment_to_Button_PS(brk, "abbrechen");
    Set_Comment_to_Button_PS(off, "inaktiv");
    Activate_Prop_Sheet();
    const int under_ok = pxGetPixel(470, 400), under_break = pxGetPixel(120, 400);
    Set_CallSometimesFunc_to_PS(Look);
    VEK_Script_Move(470, 380);  // onto OK
    VEK_Script_Move(472, 381);  // still on it: the same tip stays
    VEK_Script_Move(200, 300);  // off every button
    VEK_Script_Move(305, 380);  // an inactive button: no tip
    VEK_Script_Move(120, 380);  // onto break
    VEK_Script_Click(470, 380);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    const Seen want[] = {{1, 470, 400, 581, 429, BLACK_CI}, {1, 470, 400, 581, 429, BLACK_CI},
                         {0, 470, 400, 581, 429, under_ok}, {0, 470, 400, 581, 429, under_ok},
                         {1, 120, 400, 199, 417, BLACK_CI}};
    ASSERT_EQ(seen.size(), std::size(want));
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].shown, want[i].shown);
        EXPECT_EQ(seen[i].x1, want[i].x1);
        EXPECT_EQ(seen[i].y1, want[i].y1);
        EXPECT_EQ(seen[i].x2, want[i].x2);
        EXPECT_EQ(seen[i].y2, want[i].y2);
        EXPECT_EQ(seen[i].corner, want[i].corner);
    }
    // The click took the tip away: the screen is as before it.
    EXPECT_EQ(VEK_Tool_Tip_Shown(), 0);
    EXPECT_EQ(pxGetPixel(120, 400), under_break);
    // Without its comment the button shows nothing.
    Set_Comment_to_Button_PS(ok, nullptr);
    seen.clear();
    VEK_Script_Move(470, 380);
    VEK_Script_Click(470, 380);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].shown, 0);
}

// A value typed over the field goes into it in the auto mode and ends the
// edit with the field's code; without the mode (or beside the field) it
// waits for a click and the edit ends with the close request.
TEST_F(SheetTips, AutoModeTakesTypedValuesWithoutAClick)
{
    double gamma = 1.0;
    const int f = Add_Float_to_PS(300, 150, 8, "%.2f", 1, 21, &gamma);
    int x1, y1, x2, y2;
    ASSERT_EQ(VEK_Element_Rectangle(f, &x1, &y1, &x2, &y2), 1);
    Activate_Prop_Sheet();
    const struct {
        bool auto_mode;
        int x, y, code;
        double gamma;
    } cases[] = {
        {false, x1 + 2, y1 + 2, VEK_CLOSE_CODE, 1.0},
        {true, x2 + 20, y1 + 2, VEK_CLOSE_CODE, 1.0},
        {true, x1 + 2, y1 + 2, 21, 1.35},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.auto_mode * 1000 + c.x);
        if (c.auto_mode) Set_Prop_Sheet_Edit_Float_Auto_Mode();
        VEK_Script_Clear();
        VEK_Script_Move(c.x, c.y);
        VEK_Script_Type("1.35");
        EXPECT_EQ(Edit_Prop_Sheet(), c.code);
        EXPECT_DOUBLE_EQ(gamma, c.gamma);
        EXPECT_EQ(VEK_Script_Pending(), c.code == 21 ? 0 : 1);
    }
}

}  // namespace
