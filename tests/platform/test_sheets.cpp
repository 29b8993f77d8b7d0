// Scripted sessions on property sheets: buttons, tabs, escape areas, fields,
// scrollable areas with sliders, close requests and the call-sometimes hook.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/helpview.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"

class Sheets : public ::testing::Test {
protected:
    // The rest of the start state comes from the reset before each test.
    void SetUp() override
    {
        Init_Mouse_Move_Restriction(0, 0, 1279, 1023);
        Define_Prop_Sheet(100, 100, 500, 400, 1, 1, "Ausdrucksteuerung", 10, 1);
    }
};

TEST_F(Sheets, ButtonClickReturnsItsCodeAndMissesAreIgnored)
{
    int ok = Add_Single_Button_to_PS(460, 371, 1, 8, nullptr, SYMBOLIC_OK_RASTER, 0);
    Add_Single_Button_to_PS(114, 371, 1, 9, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    ASSERT_GT(ok, 0);
    EXPECT_EQ(Activate_Prop_Sheet(), 1);
    VEK_Script_Click(300, 200);  // nothing there
    VEK_Script_Click(470, 380);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(Edit_Prop_Sheet(), 9);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    Change_Activity_PS(ok, -1);
    EXPECT_EQ(ActivState_of_Button_PS(ok), -1);
    VEK_Script_Click(470, 380);  // greyed: not clickable
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
}

// A help button opens the help viewer at its topic: the stand-in names
// topic and file in a box (a button without topic the file alone), and
// the edit goes on.
TEST_F(Sheets, HelpButtonShowsItsTopicAndTheEditGoesOn)
{
    Init_Helpview("/hilfe", "WLDH_156.HLP");
    Add_Help_to_PS(200, 371, 1, 0, 0, "kx411_ausdruck");
    Add_Help_to_PS(250, 371, 1, 0, 0, "");
    Add_Single_Button_to_PS(460, 371, 1, 8, nullptr, SYMBOLIC_OK_RASTER, 0);
    Activate_Prop_Sheet();
    VEK_Clear_Recorded_Messages();
    VEK_Script_Click(210, 380);
    VEK_Script_Click(260, 380);
    VEK_Script_Click(470, 380);
    EXPECT_EQ(Edit_Prop_Sheet(), 8);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 2u);
    const char* const first[] = {"Hilfe zum Thema \"kx411_ausdruck\" (Hilfedatei WLDH_156.HLP)",
                                 "Hilfe (Hilfedatei WLDH_156.HLP)"};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(VEK_Recorded_Messages()[i].title, "Hilfe");
        EXPECT_EQ(VEK_Recorded_Messages()[i].lines,
                  (std::vector<std::string>{first[i], "Das Hilfeprogramm ist nicht Teil dieser Umgebung."}));
    }
    EXPECT_STREQ(VEK_Last_Help_Topic(), "");
}

TEST_F(Sheets, EmptyQueueReturnsTheCloseRequestAfterAskingTheHandler)
{
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
    static int asked = 0;
    asked = 0;
    // The handler says "no" once, then the scripted click decides.
    VEKSetCloseFct([]() { return ++asked == 1 ? 0 : 32768; });
    Add_Single_Button_to_PS(200, 200, 1, 5, "Weiter", nullptr, 0);
    VEK_Script_Close();
    VEK_Script_Click(205, 205);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(asked, 1);
    VEKSetCloseFct(nullptr);
}

TEST_F(Sheets, CloseHandlerSayingYesEndsTheRun)
{
    EXPECT_EXIT(
        {
            VEKSetCloseFct([]() { return Answer_is_Yes(1) ? 32768 : 0; });
            Edit_Prop_Sheet();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Sheets, EscapeAreasAnswerClicksAndMouseMoves)
{
    Add_Escape_Area_to_PS(100, 100, 500, 400, 99);
    int bar = Add_Escape_Area_to_PS(110, 110, 300, 140, 1);
    Set_Escape_Area_to_MouseMoveEvent(bar);
    Add_Escape_Area_to_PS(110, 200, 490, 390, 100);
    VEK_Script_Move(120, 120);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
    VEK_Script_Click(400, 300);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);  // the later area lies on top
    VEK_Script_Click(105, 150);
    EXPECT_EQ(Edit_Prop_Sheet(), 99);
    VEK_Script_Move(400, 300);  // no mouse-move events for code 100
    VEK_Script_Click(120, 120);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
}

TEST_F(Sheets, ClickOutsideGivesItsCodeOnlyWhenSet)
{
    VEK_Script_Click(10, 10);
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
    Set_ClickOutsideEvent_to_PS(99);
    VEK_Script_Click(10, 10);
    EXPECT_EQ(Edit_Prop_Sheet(), 99);
}

TEST_F(Sheets, DisplacementMovesTheHitRectangles)
{
    Add_Single_Button_to_PS(200, 200, 1, 7, nullptr, nullptr, 0);
    VEK_Set_Prop_Sheet_Displacement(50, 10);
    int dx, dy;
    Prop_Sheet_Displacement(&dx, &dy);
    EXPECT_EQ(dx, 50);
    EXPECT_EQ(dy, 10);
    VEK_Script_Click(205, 215);  // the old place: nothing
    VEK_Script_Click(255, 215);
    EXPECT_EQ(Edit_Prop_Sheet(), 7);
}

TEST_F(Sheets, RegisterTabIsSelectedAndReturnsItsCode)
{
    int reg = Add_Register_to_PS(104, 106, 496, 396, 50);
    int t1 = Add_Member_to_Register(reg, 110, 200, 1, 10001);
    int t4 = Add_Member_to_Register(reg, 201, 290, 1, 10004);
    Set_Selected_Register_Member(t1);
    EXPECT_EQ(VEK_Selected_Register_Member(reg), t1);
    VEK_Script_Click(250, 120);
    EXPECT_EQ(Edit_Prop_Sheet(), 10004);
    EXPECT_EQ(VEK_Selected_Register_Member(reg), t4);
}

// A picture drawn under the tabs before the sheet is shown stays their
// face: the chosen tab framed twice over it, the other once, and choosing
// another tab brings the picture back where the double frame was.
TEST_F(Sheets, TabsOverAPictureKeepItAsTheirFace)
{
    for (int x = 110; x <= 290; ++x) {
        pxFgc(x % 2 ? RED_CI : BLUE_CI);
        pxLine(x, 106, x, 156);
    }
    int reg = Add_Register_to_PS(104, 106, 496, 396, 50);
    int t1 = Add_Member_to_Register(reg, 110, 200, 1, 10001);
    int t4 = Add_Member_to_Register(reg, 201, 290, 1, 10004);
    Set_Selected_Register_Member(t1);
    Activate_Prop_Sheet();
    EXPECT_EQ(pxGetPixel(151, 130), RED_CI);  // inside a tab: the picture
    EXPECT_EQ(pxGetPixel(111, 130), BLACK_CI);  // the chosen tab's inner frame
    EXPECT_EQ(pxGetPixel(202, 130), BLUE_CI);  // the other tab has one frame
    Set_Selected_Register_Member(t4);
    EXPECT_EQ(pxGetPixel(111, 130), RED_CI);
    EXPECT_EQ(pxGetPixel(202, 130), BLACK_CI);
}

TEST_F(Sheets, FieldsTakeTypedValuesAndListsTheClickedRow)
{
    double gamma = 1.0;
    int flag = 0, row = 0;
    int f = Add_Float_to_PS(300, 150, 8, "%.2f", 1, 21, &gamma);
    Add_Logical_Button_to_PS(300, 200, 1, 22, &flag, 0, 0, nullptr, nullptr);
    int list = Add_Stringlist_to_PS(120, 250, 1, 3, 8, 2, 2, &row);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, 0, "S235"), 1);
    EXPECT_EQ(Fill_Stringlist_of_PS(list, 0, "S355"), 2);
    EXPECT_STREQ(VEK_Stringlist_Row(list, 1), "S355");
    int x1, y1, x2, y2;
    ASSERT_EQ(VEK_Element_Rectangle(f, &x1, &y1, &x2, &y2), 1);
    VEK_Script_Click(x1 + 2, y1 + 2);
    VEK_Script_Type("1.25", 13);
    EXPECT_EQ(Edit_Prop_Sheet(), 21);
    EXPECT_DOUBLE_EQ(gamma, 1.25);
    VEK_Script_Click(305, 205);
    EXPECT_EQ(Edit_Prop_Sheet(), 22);
    EXPECT_EQ(flag, 1);
    VEK_Script_Click(130, 250 + 2 + 16 + 3);  // second row
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    EXPECT_EQ(row, 1);
    VEK_Script_Click(130, 250 + 2 + 32 + 1);  // the bottom edge, below the rows: the row stays
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    EXPECT_EQ(row, 1);
}

struct AreaLog {
    int calls = 0;
    int last_oy = -1;
};

static int Draw_Log(int, int, int, int, int, int oy, int extra, void* user)
{
    auto* log = static_cast<AreaLog*>(user);
    ++log->calls;
    log->last_oy = oy;
    EXPECT_EQ(extra, 0);
    return 0;
}

TEST_F(Sheets, ScrollableAreaOriginIsClampedAndSlidersScroll)
{
    AreaLog log;
    int area = Add_Scrollable_Area_to_PS(110, 110, 473, 300, 1, 0, 10, 10, Draw_Log, &log, 1);
    int vs = Add_VSlider_to_Scrollable_Area(area, 5, 10, -1, 0);
    ASSERT_GT(vs, 0);
    Activate_Prop_Sheet();
    EXPECT_EQ(log.calls, 1);
    Resize_Origin_of_Scrollable_Area_PS(area, 300, 1000);
    Set_Scrollable_Area_PS(area, 50, 5000);
    int ox, oy;
    Inquire_Scrollable_Area_PS(area, &ox, &oy);
    EXPECT_EQ(ox, 0);          // content narrower than the area
    EXPECT_EQ(oy, 1000 - 190);  // content height less visible height
    Set_Scrollable_Area_PS(area, 0, 0);
    Change_Activity_PS(area, 1);
    EXPECT_EQ(log.calls, 2);
    int x1, y1, x2, y2;
    VEK_Element_Rectangle(vs, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 474);
    VEK_Script_Click(x1 + 3, y2 - 3);  // lower half: a page down
    VEK_Script_Wheel(1);               // over nothing: ignored
    VEK_Script_Move(200, 200);
    VEK_Script_Wheel(1);  // up by a tenth
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
    Inquire_Scrollable_Area_PS(area, &ox, &oy);
    EXPECT_EQ(oy, 190 - 19);
    EXPECT_EQ(log.last_oy, 171);
    EXPECT_EQ(VEK_Scrollable_Area_Draw_Count(area), log.calls);
}

// A painter that adds to its own sheet and opens sheets of its own while it
// runs (a help page, say): the sheet's element list and the stack grow under
// the caller (one sheet to nine, so the storage moves), and the sheet being
// drawn or edited must still be the right one.
struct Opener {
    int calls = 0;
    int opens = 0;        // sheets to open at the next call
    bool add_button = false;
};

static int Draw_And_Open(int, int, int, int, int, int, int, void* user)
{
    auto* o = static_cast<Opener*>(user);
    ++o->calls;
    if (o->add_button) Add_Single_Button_to_PS(460, 371, 1, 8, nullptr, nullptr, 0);
    o->add_button = false;
    for (; o->opens > 0; --o->opens) Define_Prop_Sheet(0, 0, 50, 50, 0, 0, "Hilfe", 0, 0);
    return 0;
}

TEST_F(Sheets, PaintersMayGrowTheSheetAndTheStackWhileTheyRun)
{
    Opener o, quiet;
    o.opens = 8;
    o.add_button = true;
    int area = Add_Scrollable_Area_to_PS(110, 110, 473, 300, 1, 0, 10, 10, Draw_And_Open, &o, 1);
    Add_Scrollable_Area_to_PS(110, 320, 200, 360, 1, 0, 10, 10, Draw_And_Open, &quiet, 1);
    EXPECT_EQ(Activate_Prop_Sheet(), 1);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 9);
    EXPECT_EQ(quiet.calls, 1);
    EXPECT_EQ(pxGetPixel(470, 380), BUTTON_CI);  // the painter's button is drawn too
    while (VEK_Prop_Sheet_Count() > 1) Undefine_Prop_Sheet();

    Resize_Origin_of_Scrollable_Area_PS(area, 300, 1000);
    Set_Scrollable_Area_PS(area, 0, 100);
    o.opens = 8;
    VEK_Script_Move(200, 200);
    VEK_Script_Wheel(1);  // up a tenth of 190: repaints, and the painter opens sheets
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 9);
    int ox, oy;
    Inquire_Scrollable_Area_PS(area, &ox, &oy);
    EXPECT_EQ(oy, 100 - 19);
    EXPECT_EQ(o.calls, 2);
    EXPECT_EQ(quiet.calls, 1);  // not under the mouse
}

static int sometimes_calls = 0;
static int Sometimes(void) { return ++sometimes_calls == 3 ? 77 : 0; }

TEST_F(Sheets, CallSometimesFunctionCanEndTheEdit)
{
    sometimes_calls = 0;
    Set_CallSometimesFunc_to_PS(Sometimes);
    VEK_Script_Move(1, 1);
    VEK_Script_Move(2, 2);
    VEK_Script_Move(3, 3);
    EXPECT_EQ(Edit_Prop_Sheet(), 77);
    Set_CallSometimesFunc_to_PS(nullptr);
}

TEST_F(Sheets, StackElementsBelongToTheirSheet)
{
    int outer = Add_Single_Button_to_PS(200, 200, 1, 5, nullptr, nullptr, 0);
    Define_Prop_Sheet(0, 0, 99, 99, 1, 1, nullptr, 11, 1);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 2);
    VEK_Script_Click(205, 205);  // the lower sheet is not edited
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
    EXPECT_EQ(Undefine_Prop_Sheet(), 1);
    VEK_Script_Click(205, 205);
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    EXPECT_EQ(ActivState_of_Button_PS(outer), 1);
    Undefine_Prop_Sheet();
    EXPECT_EQ(ActivState_of_Button_PS(outer), 0);  // gone with its sheet
    EXPECT_EQ(Edit_Prop_Sheet(), 0);
    EXPECT_EQ(Undefine_Prop_Sheet(), 0);
}

// A closed sheet stays drawn until the page draws over it; the next sheet
// opened before that puts back what lay under it, nested sheets the upper
// first. One the page drew over in part is left as it stands.
TEST_F(Sheets, TheNextSheetPutsBackThePageUnderAClosedOne)
{
    pxFgc(BLUE_CI);
    pxRect(520, 180, 820, 340);  // the page
    const int page = BLUE_CI;
    Define_Prop_Sheet(550, 200, 750, 300, 1, 1, "Nachfrage", 11, 1);
    Define_Prop_Sheet(600, 240, 760, 320, 1, 1, nullptr, 11, 1);  // over it and past its edge
    Undefine_Prop_Sheet();
    Undefine_Prop_Sheet();
    EXPECT_NE(pxGetPixel(560, 210), page);  // still drawn
    EXPECT_NE(pxGetPixel(755, 310), page);
    Define_Prop_Sheet(620, 260, 800, 280, 1, 1, "DATEI", 11, 1);
    const int places[3][2] = {{560, 210}, {700, 250}, {755, 310}};
    for (const auto& at : places)
        EXPECT_EQ(pxGetPixel(at[0], at[1]), page) << at[0] << " " << at[1];
    Undefine_Prop_Sheet();
    Define_Prop_Sheet(550, 200, 750, 300, 1, 1, "Nachfrage", 11, 1);
    Undefine_Prop_Sheet();
    pxFgc(GREEN_CI);
    pxRect(540, 190, 600, 230);  // the page redrawn in part
    const int left = pxGetPixel(700, 250);
    Define_Prop_Sheet(900, 600, 1000, 700, 1, 1, nullptr, 11, 1);
    EXPECT_EQ(pxGetPixel(560, 210), GREEN_CI);
    EXPECT_EQ(pxGetPixel(700, 250), left);
    EXPECT_NE(left, page);
}

TEST_F(Sheets, FramesAreFittedToTheScreenBase)
{
    Set_Prop_Sheet_Screen_Base(2, 2, 1270, 1014);
    int x1 = -50, y1 = 900, x2 = 275, y2 = 1137;
    EXPECT_EQ(Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x1, 2);
    EXPECT_EQ(x2, 327);
    EXPECT_EQ(y2, 1014);
    EXPECT_EQ(y1, 1014 - 237);
    EXPECT_EQ(Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2), 0);
}

// Step buttons keep a count within its range; a typed value outside it is
// refused with the range in a box, one inside it is taken.
TEST_F(Sheets, SteppedFloatsStayWithinTheirRange)
{
    VEK_Clear_Recorded_Messages();
    double count = 98.0;
    int f = Add_Float_to_PS(200, 150, 2, "%2.0f", 1, 10, &count);
    EXPECT_EQ(Add_SingleStep_to_Float(f, 0.0, 1.0, 99.0), 1);
    EXPECT_EQ(Add_SingleStep_to_Float(f, 5.0, 1.0, 4.0), 0);
    int x1, y1, x2, y2;
    VEK_Element_Rectangle(f, &x1, &y1, &x2, &y2);
    Activate_Prop_Sheet();
    for (int k = 0; k < 2; ++k) VEK_Script_Click(x2 + 5, y1 + 2);  // up, twice
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_DOUBLE_EQ(count, 99.0);
    VEK_Script_Click(x2 + 5, y1 + 15);  // down
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_DOUBLE_EQ(count, 98.0);
    VEK_Script_Click(x1 + 2, y1 + 2);
    VEK_Script_Type("150", 13);
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_DOUBLE_EQ(count, 98.0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Der Wert 150 liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von 0 bis 99.",
                                        "Der bisherige Wert 98 bleibt erhalten."}));
    VEK_Script_Click(x1 + 2, y1 + 2);
    VEK_Script_Type("7", 13);
    EXPECT_EQ(Edit_Prop_Sheet(), 10);
    EXPECT_DOUBLE_EQ(count, 7.0);
}

// A button lying on an escape area takes the click; the area takes clicks
// beside it.  The window's OK button ends the edit with its code, by click
// and by Enter.
TEST_F(Sheets, ElementsOnEscapeAreasAndTheWindowsOkButton)
{
    Add_Single_Button_to_PS(200, 200, 1, 3, nullptr, nullptr, 0);
    Add_Escape_Area_to_PS(100, 100, 500, 400, 99);
    Set_Windows_OK_Button(2);
    Activate_Prop_Sheet();
    VEK_Script_Click(205, 205);
    EXPECT_EQ(Edit_Prop_Sheet(), 3);
    VEK_Script_Click(300, 300);
    EXPECT_EQ(Edit_Prop_Sheet(), 99);
    VEK_Script_Click(500 - 4 - 16, 110);  // "OK" at the title row's right end
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 2);
    Set_Windows_OK_Button(0);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), VEK_CLOSE_CODE);
}

// A snapped button keeps the pixels that were under it as its face; labels
// and lines given before the activation are drawn over the sheet, and what
// the program drew onto the sheet before it stays.
TEST_F(Sheets, SnappedFacesAndDrawingsOnTheSheet)
{
    pxInitScreen(640, 480);
    int b = Add_Single_Button_to_PS(120, 120, 1, 1, nullptr, nullptr, 0);
    pxFgc(RED_CI);
    pxRect(120, 120, 154, 139);
    Snap_Colored_Layout_of_Single_Button(b);
    Draw_Funny_Text_to_PS(200, 200, "I", 0x1000, 2);
    Draw_Special_Text_to_PS(250, 200, "I\xCE\\I\xCEr", 0x1000, 2);
    Draw_Funny_Line_to_PS(1, 300, 250, 340, 250);
    pxFgc(GREEN_CI);
    pxRect(150, 150, 400, 300);
    Activate_Prop_Sheet();
    EXPECT_EQ(pxGetPixel(160, 160), GREEN_CI);
    EXPECT_EQ(pxGetPixel(121, 121), RED_CI);
    EXPECT_EQ(pxGetPixel(154, 139), RED_CI);
    const int text = GetVEKColor(-6);
    EXPECT_EQ(pxGetPixel(200 + 2, 200 - 7), text);  // the top of the "I"
    EXPECT_EQ(pxGetPixel(250 + 2, 200 - 7), text);
    // the lowered "I" of the small font starts 8 pixels right, 3 down
    EXPECT_EQ(pxGetPixel(250 + 8 + 2, 200 + 3 - 7), text);
    EXPECT_EQ(pxGetPixel(320, 250), GetVEKColor(-15));
    EXPECT_EQ(pxGetPixel(320, 251), GetVEKColor(-2));
}

// A label tied to an on/off button takes the button's activity: its colour
// while active, the other one while greyed, redrawn at once on the shown
// sheet; a label given inside the button starts right of it.  A sheet
// activated again is painted afresh.
TEST_F(Sheets, LabelsTiedToAButtonAndTheFramePaintedAtDefinition)
{
    pxInitScreen(640, 480);
    Define_Prop_Sheet(100, 100, 400, 300, 1, 1, "Stahl", 20, 1);
    EXPECT_EQ(pxGetPixel(200, 200), MENUE_CI);  // painted when defined
    int flag = 0;
    int b = Add_Logical_Button_to_PS(120, 150, 1, 12, &flag, 0, 0, SYMBOLIC_YES_RASTER, SYMBOLIC_NO_RASTER);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, 140, 165, "I", 0x1000, BLACK_CI, DGREY_CI);
    Add_Aligned_Connected_Text_to_Button_of_PS(0, 300, 165, "I", 0x1000, BLACK_CI, DGREY_CI);  // no button
    pxFgc(GREEN_CI);
    pxRect(300, 200, 320, 220);  // a panel before the activation
    Activate_Prop_Sheet();
    EXPECT_EQ(pxGetPixel(310, 210), GREEN_CI);
    // the button is 27 wide (120..146): the "I" starts at 150, its stem at 152
    EXPECT_EQ(pxGetPixel(152, 165 - 4), BLACK_CI);
    EXPECT_EQ(pxGetPixel(302, 165 - 4), MENUE_CI);
    Change_Activity_PS(b, -1);
    EXPECT_EQ(pxGetPixel(152, 165 - 4), DGREY_CI);
    Change_Activity_PS(b, 1);
    EXPECT_EQ(pxGetPixel(152, 165 - 4), BLACK_CI);
    Activate_Prop_Sheet();
    EXPECT_EQ(pxGetPixel(310, 210), MENUE_CI);
    EXPECT_EQ(pxGetPixel(152, 165 - 4), BLACK_CI);
}
