// The image button bar as scripted mouse sessions: drawing of the looks,
// hovering with tool tips, clicks, leaving the bar, the border pixel rule,
// pop-down panels and the timer setting on every way out.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dialogs/buttonbar.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "support/testutil.h"

namespace {

using RGB = std::tuple<int, int, int>;

// Looks of the test bitmap: each button column is 10 wide, looks lie at
// rows 0 (normal), 10 (hover), 20 (inactive), 30 (pressed).  Column c, look
// l has the colour (51 (l + 1), 102 c, 51), exact in the palette; pixel (0, 0) of every look is
// the transparent grey.
RGB Look_Colour(int column, int look) { return {51 * (look + 1), 102 * column, 51}; }

std::string Test_Bitmap() {
    return testutil::Bmp24(20, 40, [](int x, int y) -> unsigned {
        RGB c = (x % 10 == 0 && y % 10 == 0) ? RGB{192, 192, 192} : Look_Colour(x / 10, y / 10);
        return static_cast<unsigned>(std::get<0>(c)) << 16 |
               static_cast<unsigned>(std::get<1>(c)) << 8 | static_cast<unsigned>(std::get<2>(c));
    });
}

RGB Pixel(int x, int y) {
    int r = -1, g = -1, b = -1;
    pxQCR(pxGetPixel(x, y), &r, &g, &b);
    return {r, g, b};
}

std::vector<int> Snapshot() { return {pxScreenPixels(), pxScreenPixels() + 400 * 300}; }

// Pixels that differ from `before` outside the 10 x 10 button at (bx, by).
int Changed_Outside(const std::vector<int> &before, int bx, int by) {
    std::vector<int> now = Snapshot();
    int n = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (before[y * 400 + x] != now[y * 400 + x] &&
                !(x >= bx && x <= bx + 9 && y >= by && y <= by + 9))
                ++n;
    return n;
}

Image_Button Make_Button(int column, int offset_x, int offset_y, int code, const char *tip) {
    Image_Button b{};
    b.width = 10;
    b.height = 10;
    b.normal_x = b.hover_x = b.inactive_x = b.pressed_x = column * 10;
    b.normal_y = 0;
    b.hover_y = 10;
    b.inactive_y = 20;
    b.pressed_y = 30;
    b.offset_x = offset_x;
    b.offset_y = offset_y;
    b.state = 1;
    b.code = code;
    b.tip = const_cast<char *>(tip);
    return b;
}

class ButtonBar : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(400, 300);
        VEK_Script_Clear();
        VEKSetTimer(0);
        Set_Image_Button_Erase_Mode(1);
        bitmap = dir.file("Buttons.bmp");
        testutil::Write_File(bitmap, Test_Bitmap());
        buttons[0] = Make_Button(0, 5, 5, 3, "drucken");
        buttons[1] = Make_Button(1, 25, 5, 7, "Ende\nProgramm verlassen");
        bar = {2, 100, 50, 150, 70, bitmap.data(), buttons};
        Draw_Image_Button_Bar(&bar);
    }
    void TearDown() override {
        VEK_Script_Clear();
        VEKSetTimer(0);
    }
    // Screen position of button i's top-left pixel.
    int Left(int i) const { return bar.x + buttons[i].offset_x; }
    int Top(int i) const { return bar.y + buttons[i].offset_y; }

    testutil::TempDir dir;
    std::string bitmap;
    Image_Button buttons[2];
    Image_Button_Bar bar{};
};

TEST_F(ButtonBar, PlainLooksAndInactiveButtonsAndTransparentCorner) {
    EXPECT_EQ(Pixel(Left(0) + 3, Top(0) + 3), Look_Colour(0, 0));
    EXPECT_EQ(Pixel(Left(1) + 3, Top(1) + 3), Look_Colour(1, 0));
    // The grey corner is left out: the erased desktop colour shows.
    int r, g, b;
    pxQCR(GetVEKColor(-1), &r, &g, &b);
    EXPECT_EQ(Pixel(Left(0), Top(0)), RGB(r, g, b));

    buttons[1].state = 0;
    Draw_Image_Button_Bar(&bar);
    EXPECT_EQ(Pixel(Left(1) + 3, Top(1) + 3), Look_Colour(1, 2));
    // Every drawing path keeps an inactive button inactive.
    Draw_Image_Button(bar.x, bar.y, &buttons[1], bar.bitmap, IMAGE_BUTTON_HOVER);
    EXPECT_EQ(Pixel(Left(1) + 3, Top(1) + 3), Look_Colour(1, 2));
    Draw_Image_Button(bar.x, bar.y, &buttons[0], bar.bitmap, IMAGE_BUTTON_PRESSED);
    EXPECT_EQ(Pixel(Left(0) + 3, Top(0) + 3), Look_Colour(0, 3));
}

TEST_F(ButtonBar, EraseModeOffKeepsWhatLiesUnderTransparentPixels) {
    Set_Image_Button_Erase_Mode(0);
    pxFgc(RED_CI);
    pxRect(Left(0), Top(0), Left(0) + 9, Top(0) + 9);
    Draw_Image_Button_Bar(&bar);
    EXPECT_EQ(pxGetPixel(Left(0), Top(0)), RED_CI);
    EXPECT_EQ(Pixel(Left(0) + 1, Top(0) + 1), Look_Colour(0, 0));
}

TEST_F(ButtonBar, HoverShowsToolTipAtRestAndLeavingReturnsZero) {
    int mx = Left(1) + 4, my = Top(1) + 4;
    Init_Mouse_Position(mx, my);
    std::vector<int> before = Snapshot();
    VEK_Script_Move(mx, my);          // enters: hover look
    VEK_Script_Move(mx + 1, my);      // moved: no tip
    VEK_Script_Move(mx + 1, my);      // at rest: the tip shows here
    VEK_Script_Move(mx + 1, my + 1);  // moved again: no second tip
    VEKSetTimer(1);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);  // the script ends: the mouse leaves
    EXPECT_EQ(VEKTimerActive(), 1);            // given back as it was
    int x1, y1, x2, y2;
    ASSERT_EQ(Last_Image_Button_Tool_Tip(&x1, &y1, &x2, &y2), 1);
    // Two lines in font 0 (height 12); the wider one, 18 characters, is
    // 8 x 18 - 3 = 141 pixels.
    EXPECT_EQ(x1, mx + 1);
    EXPECT_EQ(y1, my + 20);
    EXPECT_EQ(x2, x1 + 141 + 10);
    EXPECT_EQ(y2, y1 + 2 * 12 + 5);
    // Tip put back and the button plain: the screen is as before.
    EXPECT_TRUE(before == Snapshot());
}

TEST_F(ButtonBar, ToolTipAtTheScreenEdgeMovesInsideAndEmptyTipDrawsSmallBox) {
    bar.x = 360;
    bar.x2 = 399;
    bar.y = 270;
    bar.y2 = 299;
    Draw_Image_Button_Bar(&bar);
    int mx = Left(0) + 4, my = Top(0) + 4;
    Init_Mouse_Position(mx, my);
    VEK_Script_Move(mx, my);
    VEK_Script_Move(mx, my);   // rest: tip shows
    VEK_Script_Click(mx, my);  // press: tip hidden, code returned
    std::vector<int> before = Snapshot();
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 3);
    int x1, y1, x2, y2;
    ASSERT_EQ(Last_Image_Button_Tool_Tip(&x1, &y1, &x2, &y2), 1);
    // "drucken": 7 characters, 53 pixels; one line.
    EXPECT_EQ(x2, 400 - 5);
    EXPECT_EQ(x1, x2 - (53 + 10));
    EXPECT_EQ(y2, 300 - 5);
    EXPECT_EQ(y1, y2 - (12 + 5));
    // Only the button itself differs from the screen before the run.
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);

    VEK_Script_Clear();
    buttons[0].tip = const_cast<char *>("");
    bar.x = 100;
    bar.x2 = 150;
    bar.y = 50;
    bar.y2 = 70;
    mx = Left(0) + 4;
    my = Top(0) + 4;
    Init_Mouse_Position(mx, my);
    VEK_Script_Move(mx, my);
    VEK_Script_Move(mx, my);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    ASSERT_EQ(Last_Image_Button_Tool_Tip(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, mx);
    EXPECT_EQ(x2 - x1, 10);
    EXPECT_EQ(y2 - y1, 12 + 5);
}

TEST_F(ButtonBar, ClickReturnsCodeAndRedrawsPlainLook) {
    Init_Mouse_Position(Left(0) + 4, Top(0) + 4);
    VEK_Script_Move(Left(0) + 4, Top(0) + 4);
    VEK_Script_Click(Left(0) + 4, Top(0) + 4);
    VEK_Script_Move(Left(1) + 4, Top(1) + 4);  // not read: the click ends the loop
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 3);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(Pixel(Left(0) + 3, Top(0) + 3), Look_Colour(0, 0));
    EXPECT_EQ(VEKTimerActive(), 0);
}

TEST_F(ButtonBar, ReleaseOutsideThePressedButtonStillReturnsItsCode) {
    int mx = Left(1) + 4, my = Top(1) + 4;
    Init_Mouse_Position(mx, my);
    VEK_Script_Move(mx, my);
    VEK_Script_Press(mx, my);
    VEK_Script_Move(bar.x2 + 30, bar.y2 + 30);  // dragged off the button and the bar
    VEK_Script_Release();
    VEK_Script_Move(Left(0) + 4, Top(0) + 4);  // never read
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 7);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(Pixel(Left(1) + 3, Top(1) + 3), Look_Colour(1, 0));  // plain again
    EXPECT_EQ(VEKTimerActive(), 0);
}

TEST_F(ButtonBar, ClickAwayFromButtonsOrOnInactiveButtonReturnsZero) {
    Init_Mouse_Position(bar.x + 1, bar.y + 1);
    VEK_Script_Click(bar.x + 1, bar.y + 1);  // on the bar, no button
    VEK_Script_Move(Left(0) + 4, Top(0) + 4);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(VEK_Script_Pending(), 1);

    VEK_Script_Clear();
    buttons[1].state = 0;
    Draw_Image_Button_Bar(&bar);
    Init_Mouse_Position(Left(1) + 4, Top(1) + 4);
    VEK_Script_Move(Left(1) + 4, Top(1) + 4);
    VEK_Script_Click(Left(1) + 4, Top(1) + 4);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(Pixel(Left(1) + 3, Top(1) + 3), Look_Colour(1, 2));  // never hovered
}

TEST_F(ButtonBar, LeavingTheBarReturnsZeroAtTheNextPass) {
    Init_Mouse_Position(bar.x + 1, bar.y + 1);
    VEK_Script_Move(bar.x2 + 5, bar.y + 1);
    VEK_Script_Click(Left(0) + 4, Top(0) + 4);  // never read
    VEKSetTimer(1);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(VEKTimerActive(), 1);
}

TEST_F(ButtonBar, BorderPixelDoesNotEnterButKeepsAHoveredButton) {
    // On the left border pixel: not entered, so the click hits nothing.
    Init_Mouse_Position(Left(0), Top(0) + 4);
    VEK_Script_Move(Left(0), Top(0) + 4);
    VEK_Script_Click(Left(0), Top(0) + 4);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);

    // Entered one pixel inside, then on the border: still the button.
    VEK_Script_Clear();
    Init_Mouse_Position(Left(0) + 1, Top(0) + 4);
    VEK_Script_Move(Left(0) + 1, Top(0) + 4);
    VEK_Script_Move(Left(0), Top(0) + 4);
    VEK_Script_Click(Left(0), Top(0) + 4);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 3);
}

// A click whose press brings the mouse onto a button (one jump of the
// pointer, no motion before it on the button) counts: whether the bar's
// loop takes the press itself, or the caller's wait took it (as the main
// sheet's escape area does) or took the one move before it.
TEST_F(ButtonBar, ClickRightAfterOneJumpOfThePointerCounts) {
    const int bx = Left(1) + 4, by = Top(1) + 4;
    const struct {
        bool move_first;    // one move onto the button before the click
        bool caller_takes;  // the caller's wait takes the first event
    } cases[] = {{false, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        VEK_Script_Clear();
        Init_Mouse_Position(bar.x + 1, bar.y + 1);  // on the bar, on no button
        if (c.move_first) VEK_Script_Move(bx, by);
        VEK_Script_Click(bx, by);
        if (c.caller_takes) GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_MOVE, nullptr);
        EXPECT_EQ(Run_Image_Button_Bar(&bar), 7) << c.move_first << c.caller_takes;
        EXPECT_EQ(M_LEFT, 0);
        EXPECT_EQ(Pixel(bx, by), Look_Colour(1, 0));  // plain again
    }
}

// The main screen's bar: seven buttons of 42 x 37 whose looks lie in one
// column of "Buttons.bmp" (missing here: the placeholder is drawn).
TEST(MainScreenBar, EveryButtonReturnsItsCodeAndTheFirstShowsItsTip) {
    pxInitScreen(1280, 1024);
    VEK_Script_Clear();
    struct Row {
        int column, offset_x, code;
        const char *tip;
    } rows[7] = {{302, -10, 8, "nationaler Anhang zum EC"}, {259, 45, 1, "Druckeinstellung"},
                 {216, 90, 2, "Vorschau"},  {1, 135, 3, "drucken"},
                 {44, 180, 4, "plotten"},   {130, 225, 6, "Hilfe"},
                 {173, 270, 7, "Ende"}};
    Image_Button b[7];
    for (int i = 0; i < 7; ++i) {
        b[i] = Image_Button{42, 37, rows[i].column, 51, rows[i].column, 89, rows[i].column, 127,
                            rows[i].column, 165, rows[i].offset_x, 6, 1, rows[i].code,
                            const_cast<char *>(rows[i].tip), nullptr};
    }
    char name[] = "Buttons.bmp";
    Image_Button_Bar bar{7, 1280 - 321, 3, 1280 - 6, 42, name, b};
    Draw_Image_Button_Bar(&bar);
    for (int i = 0; i < 7; ++i) {
        int mx = bar.x + rows[i].offset_x + 21, my = bar.y + 6 + 18;
        Init_Mouse_Position(mx, my);
        VEK_Script_Move(mx, my);
        VEK_Script_Move(mx, my);
        VEK_Script_Click(mx, my);
        VEKSetTimer(i % 2);
        EXPECT_EQ(Run_Image_Button_Bar(&bar), rows[i].code) << rows[i].tip;
        EXPECT_EQ(VEKTimerActive(), i % 2);
        int x1, y1, x2, y2;
        ASSERT_EQ(Last_Image_Button_Tool_Tip(&x1, &y1, &x2, &y2), 1);
        int width = 8 * static_cast<int>(std::string(rows[i].tip).size()) - 3;
        if (mx + width + 10 < 1280 - 4) {
            EXPECT_EQ(x1, mx) << rows[i].tip;
            EXPECT_EQ(x2, mx + width + 10) << rows[i].tip;
        } else {
            EXPECT_EQ(x2, 1280 - 5) << rows[i].tip;
        }
        EXPECT_EQ(y1, my + 20);
    }
    VEK_Script_Clear();
    VEKSetTimer(0);
}

// Pop-down panels: a button whose sub-bar lies below the main bar.
class SubBar : public ButtonBar {
protected:
    void SetUp() override {
        ButtonBar::SetUp();
        sub_buttons[0] = Make_Button(0, 2, 2, 21, "erste");
        sub_buttons[1] = Make_Button(1, 16, 2, 22, nullptr);
        // Sub-bar in screen coordinates, 20 pixels below the main bar's
        // bottom; the panel around it reaches 7 beyond each side.
        sub = {2, Left(0) - 2, 90, Left(0) + 28, 104, bitmap.data(), sub_buttons};
        buttons[0].sub_bar = &sub;
    }
    Image_Button sub_buttons[2];
    Image_Button_Bar sub{};
};

TEST_F(SubBar, MovingStraightDownIntoThePanelAndClickingReturnsItsCode) {
    std::vector<int> before = Snapshot();
    int mx = Left(0) + 4;
    Init_Mouse_Position(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 4);  // enter the button
    VEK_Script_Move(mx, Top(0) + 5);  // first event of the hover: the panel opens
    VEK_Script_Move(mx, 80);          // down, between bar and panel
    int sx = sub.x + sub_buttons[0].offset_x + 4, sy = sub.y + sub_buttons[0].offset_y + 4;
    VEK_Script_Move(sx, sy);          // into the sub-bar: its own loop
    VEK_Script_Move(sx, sy);          // hover the sub button
    VEK_Script_Click(sx, sy);
    VEKSetTimer(0);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 21);
    EXPECT_EQ(VEKTimerActive(), 0);  // given back by the inner and the outer loop
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);  // panel put back
}

TEST_F(SubBar, MovingUpOffTheButtonClosesThePanel) {
    std::vector<int> before = Snapshot();
    int mx = Left(0) + 4;
    Init_Mouse_Position(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 5);   // panel opens
    VEK_Script_Move(mx, bar.y + 1);    // up, off the button but in the bar
    VEK_Script_Move(bar.x2 + 20, 10);  // out of the bar
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);
}

TEST_F(SubBar, LeavingUpwardsOnTheOpeningEventClosesThePanelAtOnce) {
    std::vector<int> before = Snapshot();
    int mx = Left(0) + 4;
    Init_Mouse_Position(mx, Top(0) + 4);
    long flushes = pxFlushCount();
    VEK_Script_Move(mx, Top(0) + 4);  // enter the button
    VEK_Script_Move(mx, bar.y + 1);   // first event: up off the button, opens and closes
    VEK_Script_Move(mx, 80);          // below the bar: the outer loop ends here
    VEK_Script_Click(mx, 80);         // never read: no panel left to take it
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(pxFlushCount() - flushes, 4);  // it was rolled down once
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);
}

TEST_F(SubBar, PanelClosesWhenTheSecondRunsOutBelowTheButton) {
    int mx = Left(0) + 4;
    std::vector<int> before = Snapshot();
    Init_Mouse_Position(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 5);  // panel opens, deadline in 1 s
    VEK_Script_Move(mx, 80);          // down between bar and panel: stays open
    VEK_Script_Type("", 0);           // an editor's event: every wait times out (100 ms)
    long long t0 = VEK_Clock_ms();
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    long long waited = VEK_Clock_ms() - t0;
    EXPECT_GE(waited, 1000);  // not before the second was over
    EXPECT_LT(waited, 1500);
    EXPECT_EQ(VEK_Script_Pending(), 1);  // the editor's event is left alone
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);
}

TEST_F(SubBar, PanelRollsDownInFourShownSteps) {
    int mx = Left(0) + 4;
    Init_Mouse_Position(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 4);
    VEK_Script_Move(mx, Top(0) + 5);  // panel opens
    VEK_Script_Move(mx, 80);          // down: stays open
    VEK_Script_Move(mx, 75);          // up again: closes
    long flushes = pxFlushCount();
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(pxFlushCount() - flushes, 4);
}

// Pressed as the mouse came onto it (the caller's wait took the press):
// the panel opens and stays as after a click, until a click off the button.
TEST_F(SubBar, PressThatArrivedWithTheMouseOpensThePanel) {
    int mx = Left(0) + 4, my = Top(0) + 4;
    Init_Mouse_Position(bar.x + 1, bar.y + 1);
    VEK_Script_Click(mx, my);
    GetVEKMessage(VEK_MASK_LEFT_DOWN, nullptr);
    VEK_Script_Move(mx, bar.y + 1);    // up off the button: stays open after a click
    VEK_Script_Move(sub.x2 + 6, 80);
    int sx = sub.x + sub_buttons[1].offset_x + 4, sy = sub.y + sub_buttons[1].offset_y + 4;
    VEK_Script_Move(sx, sy);
    VEK_Script_Click(sx, sy);
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 22);
}

TEST_F(SubBar, ClickedButtonKeepsItsPanelOpenUntilAClickOffTheButton) {
    int mx = Left(0) + 4, my = Top(0) + 4;
    std::vector<int> before = Snapshot();
    Init_Mouse_Position(mx, my);
    VEK_Script_Move(mx, my);
    VEK_Script_Click(mx, my);       // panel opens on this event; the click marks the button
    VEK_Script_Move(mx, bar.y + 1); // up off the button: stays open after a click
    VEK_Script_Move(sub.x2 + 6, 80);  // sideways to the panel's edge: still open
    VEK_Script_Click(mx, bar.y + 1);  // a click off the button closes it
    VEK_Script_Move(bar.x2 + 20, 10);  // never read: the click ends the loop
    EXPECT_EQ(Run_Image_Button_Bar(&bar), 0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(Changed_Outside(before, Left(0), Top(0)), 0);
}

}  // namespace
