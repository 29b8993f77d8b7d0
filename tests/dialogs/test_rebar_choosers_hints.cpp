// Reinforcing-bar formulas worked out by hand and the bar-area dialog as a
// scripted session; the image button choosers; the program hints page.
// Snapshots of the dialog, a chooser and the hints page.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "area_session.h"
#include "base/cp850.h"
#include "base/vesk.h"
#include "dialogs/choosers.h"
#include "dialogs/fields.h"
#include "dialogs/hints_page.h"
#include "dialogs/rebar.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "snapshot.h"
#include "support/testutil.h"

namespace {
const double QUARTER_PI = 0.7853981633974483;
}

TEST(Rebar, Formulas) {
    EXPECT_DOUBLE_EQ(Next_Smaller_Bar_Diameter(0.032), 0.028);
    EXPECT_DOUBLE_EQ(Next_Smaller_Bar_Diameter(0.0061), 0.006);
    EXPECT_DOUBLE_EQ(Next_Smaller_Bar_Diameter(0.006), -1.0);
    EXPECT_DOUBLE_EQ(Next_Smaller_Bar_Diameter(0.1), 0.032);
    EXPECT_DOUBLE_EQ(Bar_Centre_Distance(0.03, 0.01, 1, 0.02), 0.05);
    EXPECT_DOUBLE_EQ(Bar_Centre_Distance(0.03, 0.01, 2, 0.02), 0.06);
    // 4.52 cm² of 12 mm bars (1.131 cm² each): 3.996, so 4.
    EXPECT_EQ(Bars_for_Area(4.52e-4, 0.012), 4);
    EXPECT_EQ(Bars_for_Area_Rest(4.52e-4, 0.012, 2.0, 2.26e-4), 1);  // 2.26 / (2 x 1.131)
    EXPECT_EQ(Bars_for_Area_Rest(4.52e-4, 0.012, 0.0, 0.0), 0);
    // 1.131 cm² / 5.65 cm² per m = 20.02 cm: 20; / 6.0: 18.85 cm: 18.5.
    EXPECT_DOUBLE_EQ(Bar_Spacing_for_Area(5.65e-4, 0.012), 0.20);
    EXPECT_DOUBLE_EQ(Bar_Spacing_for_Area(6.0e-4, 0.012), 0.185);
    EXPECT_DOUBLE_EQ(Bar_Spacing_for_Area(-5e-9, 0.012), 0.0);
    // 4 bars need pi d² >= 3 cm²: 10 mm (3.14 cm²), not 8 mm (2.01 cm²).
    EXPECT_EQ(Smallest_Diameter_for_Area(3e-4, 4, 1.0), 2);
    EXPECT_EQ(Smallest_Diameter_for_Area(1.0, 4, 1.0), -1);
    // 10 cm² from 2 bars on of 16 to 25 mm: 2 x 25 mm = 9.82 cm² is short,
    // 3 x 25 mm = 14.73 cm² the first that reaches (3 x 20 mm: 9.42).
    int n = 0, i = 0;
    EXPECT_EQ(Bars_and_Diameter_for_Area(1e-3, 2, 5, 7, 1.0, &n, &i), 3);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(i, 7);
    // Arguments with which no pair could ever be found are refused.
    n = i = -7;
    EXPECT_EQ(Bars_and_Diameter_for_Area(1e-3, 2, 7, 5, 1.0, &n, &i), -1);
    EXPECT_EQ(Bars_and_Diameter_for_Area(1e-3, 2, 5, 7, 0.5, &n, &i), -1);
    EXPECT_EQ(Bars_and_Diameter_for_Area(std::nan(""), 2, 5, 7, 1.0, &n, &i), -1);
    EXPECT_EQ(n, -7);
    EXPECT_DOUBLE_EQ(Bar_Area(3, 0.02), 0.000942);
    EXPECT_NEAR(Bundle_Area(2, 3, 0.02), 2 * QUARTER_PI * 3 * 4e-4, 1e-15);
    EXPECT_DOUBLE_EQ(Bundle_Area(-2, 3, 0.02), 0.0);
    EXPECT_DOUBLE_EQ(Bar_Spacing_Rounded(1e-3, 0.02), 0.314159);
    EXPECT_EQ(Bars_over_Length(1.0, 2.0), 2);
    EXPECT_EQ(Bars_over_Length(10.0, 0.2), 51);
    EXPECT_EQ(Bar_Gaps_in_Width(0.5, 0.05, 0.1, 0.02), 3);  // 0.38 / 0.12
    EXPECT_EQ(Bar_Gaps_in_Width(0.2, 0.05, 0.1, 0.02), 0);
    EXPECT_NEAR(Bar_Chord_on_Circle(6, 0.1), 0.1, 1e-15);
    EXPECT_DOUBLE_EQ(Bar_Chord_on_Circle(0, 0.1), 1e10);
    EXPECT_DOUBLE_EQ(Bar_Spacing_over_Length(5, 2.0), 0.5);
    EXPECT_DOUBLE_EQ(Bar_Spacing_over_Length(1, 2.0), 1e10);
    EXPECT_EQ(Bars_on_Circle(0.1, 0.2), 12);  // pi / asin(0.25) = 12.43
    EXPECT_EQ(Bars_on_Circle(1.0, 0.2), 0);   // no chord that long: no number
}

// The dialog: two 6 mm bars by the step button, three 14 mm bars typed,
// OK: round6(pi/4 x 0.006² x 2) = 0.000057 and round6(pi/4 x 0.014² x 3) =
// 0.000462. Cancelled the next time: -1, the counts kept.
TEST(Rebar_Dialog, CountsAddedUpAndCancelled) {
    pxInitScreen(640, 480);
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    const int x1 = 320 - 109, y1 = 240 - 165;
    VEK_Script_Click(x1 + 13 + 23 + 4, y1 + 42 + 3);  // up, row 6 mm
    VEK_Script_Click(x1 + 13 + 23 + 4, y1 + 42 + 3);
    VEK_Script_Click(x1 + 15, y1 + 42 + 4 * 25 + 5);  // 14 mm
    VEK_Script_Type("3", 0);
    VEK_Script_Click(x1 + 179 + 5, y1 + 302 + 5);
    double* counts = Bar_Area_Dialog_Counts();
    counts[8] = 0.0;
    const double total = Bar_Area_Dialog();
    EXPECT_NEAR(total, 0.000057 + 0.000462, 1e-12);
    EXPECT_DOUBLE_EQ(counts[0], 2.0);
    EXPECT_DOUBLE_EQ(counts[4], 3.0);
    VEK_Script_Click(x1 + 15, y1 + 42 + 5);
    VEK_Script_Type("2.7", 0);  // the field ("%2.0f") takes whole bars: refused
    VEK_Script_Key(VEK_KEY_ESC);
    testutil::ScopedEnv none("DATA", std::nullopt);
    EXPECT_DOUBLE_EQ(Bar_Area_Dialog(), -1.0);
    EXPECT_EQ(VEK_Recorded_Messages().back().lines.at(1), "Das Feld nimmt ganze Zahlen von 0 bis 99.");
    EXPECT_DOUBLE_EQ(counts[0], 2.0);
    EXPECT_DOUBLE_EQ(counts[4], 3.0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

// The same kind of session from a script file named by VEK_SCRIPT, as a
// whole run of the program would take it (in a child process, so that this
// one reads the entry only once): two 8 mm bars by the step button and one
// 20 mm bar typed: round6(pi/4 x 0.008² x 2) = 0.000101 and
// round6(pi/4 x 0.020²) = 0.000314.
TEST(Rebar_Dialog, DrivenByAScriptFile) {
    testutil::TempDir dir;
    // The sheet's corner is (211, 75); row k's field at (224, 117 + 25 k),
    // its up button at x 248; OK at (390, 377).
    testutil::Write_File(dir.file("bar.vks"),
                         "# Bew.flaeche Stabstahl\r\n"
                         "click 251 145\r\n"
                         "click 251 145\r\n"
                         "click 226 272\r\n"
                         "type 0 1\r\n"
                         "click 395 382\r\n");
    testutil::ScopedEnv script("VEK_SCRIPT", dir.file("bar.vks"));
    EXPECT_EXIT(
        {
            pxInitScreen(640, 480);
            VEK_Script_Clear();
            VEK_Script_Rearm_Environment();
            const double total = Bar_Area_Dialog();
            std::exit(std::fabs(total - 0.000415) < 1e-12 && VEK_Script_Pending() == 0 ? 5 : 6);
        },
        ::testing::ExitedWithCode(5), "");
}

// The dialog as shown: the snapshot is taken by the close handler while
// the dialog waits.
int Snap_Bar_Dialog() {
    snapshot::Expect_Screen_Matches("bar_area_dialog", 320 - 109, 240 - 165, 320 + 108, 240 + 164);
    return 0;
}
TEST(Rebar_Dialog, Snapshot) {
    pxInitScreen(640, 480);
    double* counts = Bar_Area_Dialog_Counts();
    counts[1] = 4.0;
    counts[6] = 2.0;
    VEKSetCloseFct(Snap_Bar_Dialog);
    VEK_Script_Close();
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_DOUBLE_EQ(Bar_Area_Dialog(), -1.0);
    VEKSetCloseFct(nullptr);
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    EXPECT_DOUBLE_EQ(Bar_Area_Dialog(), -1.0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bew.fl\x84" "che Stabstahl\n");
}

// ---- choosers --------------------------------------------------------------

namespace {
// A strip of three 24 x 24 images (red, green, blue) in the temporary dir.
std::string Strip(const testutil::TempDir& dir, bool column) {
    const std::string file = dir.file("strip.bmp");
    testutil::Write_File(file, testutil::Bmp24(column ? 24 : 72, column ? 72 : 24, [column](int x, int y) {
                             const int i = (column ? y : x) / 24;
                             return i == 0 ? 0xE00000u : i == 1 ? 0x00A000u : 0x0000E0u;
                         }));
    return file;
}
// Where the mouse is when the chooser starts waiting (the call-always
// function runs first thing in the wait).
int seen_x = -1, seen_y = -1;
void Note_Mouse(void) {
    if (seen_x >= 0) return;
    seen_x = M_XPOS;
    seen_y = M_YPOS;
}
const char* const tips[3] = {"I-Profil", "U-Profil", "Rohr"};
}  // namespace

int Snap_Row() {
    snapshot::Expect_Screen_Matches("chooser_row", 100, 100, 197, 155);
    return 0;
}
// "Profilform" (77 pixels) is narrower than the row (3 x 24 + 2 x 5 + 16 =
// 98): the buttons start 7 pixels in, below a title band of 12 + 12.
TEST(Choosers, RowChooserPicksAndRemembersTheMouse) {
    pxInitScreen(640, 480);
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    testutil::TempDir dir;
    const std::string strip = Strip(dir, false);
    VEKSetCloseFct(Snap_Row);
    VEK_Script_Close();
    VEK_Script_Click(100 + 7 + 2 * 29 + 5, 100 + 24 + 6);
    EXPECT_EQ(Choose_Image_Button_Row(90, 90, 100, 100, "Profilform", 24, 24, 3, tips, strip.c_str()), 3);
    VEKSetCloseFct(nullptr);
    // The second time the mouse starts where it was left, relative to the
    // sheet, and a click beside the buttons gives 99.
    Define_Call_Allways_Function(Note_Mouse);
    Activate_Call_Allways_Function(1);
    VEK_Script_Click(200 + 3, 150 + 3);
    EXPECT_EQ(Choose_Image_Button_Row(0, 0, 200, 150, "Profilform", 24, 24, 3, tips, strip.c_str()), 99);
    EXPECT_EQ(seen_x, 200 + 7 + 58 + 5);
    EXPECT_EQ(seen_y, 150 + 24 + 6);
    Activate_Call_Allways_Function(0);
    VEK_Script_Click(5, 5);  // outside the sheet
    EXPECT_EQ(Choose_Image_Button_Row(0, 0, 300, 300, "Profilform", 24, 24, 3, tips, strip.c_str()), 99);
    EXPECT_EQ(Choose_Image_Button_Row(0, 0, 300, 300, "Profilform", 24, 24, 0, nullptr, strip.c_str()), 99);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Choose_Image_Button_Row(0, 0, 300, 300, "Profilform", 24, 24, 3, tips, strip.c_str()), 99);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Profilform\n");
}

// The column chooser: as wide as the widest text beside a button (24 +
// 8 x 8 - 3 + 21 = 106), one button below the other every 29 pixels.
int Snap_Column() {
    snapshot::Expect_Screen_Matches("chooser_column", 100, 100, 205, 100 + 24 + 3 * 24 + 10 + 8 - 1);
    return 0;
}
TEST(Choosers, ColumnChooser) {
    pxInitScreen(640, 480);
    Init_Mouse_Move_Restriction(0, 0, 639, 479);
    testutil::TempDir dir;
    const std::string strip = Strip(dir, true);
    VEKSetCloseFct(Snap_Column);
    VEK_Script_Close();
    VEK_Script_Click(100 + 106 - 8 - 24 + 5, 100 + 24 + 29 + 5);
    EXPECT_EQ(Choose_Image_Button_List(90, 90, 100, 100, "Form", 24, 24, 3, tips, strip.c_str()), 2);
    VEKSetCloseFct(nullptr);
}

TEST(Choosers, VisualCheckButtonAndSwitchSet) {
    Define_Prop_Sheet(0, 0, 200, 100, 1, 0, "", 0, 0);
    const int id = Add_Visual_Check_Button(20, 30, 42);
    int x1, y1, x2, y2;
    ASSERT_EQ(VEK_Element_Rectangle(id, &x1, &y1, &x2, &y2), 1);
    EXPECT_EQ(x2 - x1 + 1, 35);
    EXPECT_EQ(y2 - y1 + 1, 20);
    Activate_Prop_Sheet();
    VEK_Script_Click(25, 35);
    EXPECT_EQ(Edit_Prop_Sheet(), 42);
    Undefine_Prop_Sheet();
    Switch_Bit_Set set;
    EXPECT_EQ(Init_Switch_Bit_Set(&set, 10, 3), 0);
    EXPECT_EQ(set.count, 10);
    EXPECT_EQ(set.value, 3);
    EXPECT_EQ(set.reserved, 0);
    ASSERT_NE(set.bits, nullptr);
    EXPECT_EQ(set.bits[0], 0);
    EXPECT_EQ(set.bits[1], 0);
    ITools_Free(&set.bits);
}

// ---- hints page ------------------------------------------------------------

namespace {
std::vector<std::string> Texts(int slot) {
    std::vector<std::string> v;
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(slot)->first_item; it; it = it->next)
        if (it->kind == AREA_ITEM_TEXT) v.emplace_back(it->text);
    return v;
}
const Scrollable_Area_Item* Button(int slot) {
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(slot)->first_item; it; it = it->next)
        if (it->kind == AREA_ITEM_BITMAP_BUTTON) return it;
    return nullptr;
}
}  // namespace

TEST(Hints_Page, CountsVerbsAndReactivation) {
    Begin_Area_Session(640, 480);
    const int slot = Open_Area_Sheet("Hinweise", 20, 20, 500, 400, 0, 100);
    int hints[4] = {1, 1, 1, 1};
    Fill_Program_Hints_Page(slot, hints, 480.0);
    std::vector<std::string> texts = Texts(slot);
    EXPECT_EQ(texts[0], "Von insgesamt vier m\x94glichen Programmhinweisen ist");
    EXPECT_EQ(texts[1], "keiner");
    EXPECT_EQ(*Button(slot)->enabled, 0);  // nothing to switch on: greyed
    EXPECT_STREQ(Button(slot)->text2, "0 Hinweis wieder aktivieren");
    Clear_Scrollable_View_Area(slot);
    hints[2] = 0;
    Fill_Program_Hints_Page(slot, hints, 480.0);
    EXPECT_EQ(Texts(slot)[0], "Von insgesamt vier m\x94glichen Programmhinweisen ist");
    EXPECT_STREQ(Button(slot)->text2, "1 Hinweis wieder aktivieren");
    Clear_Scrollable_View_Area(slot);
    hints[0] = hints[3] = 0;
    Fill_Program_Hints_Page(slot, hints, 480.0);
    texts = Texts(slot);
    EXPECT_EQ(texts[0], "Von insgesamt vier m\x94glichen Programmhinweisen sind");
    EXPECT_EQ(texts[1], "drei");
    EXPECT_STREQ(Button(slot)->text2, "3 Hinweise wieder aktivieren");
    EXPECT_EQ(*Button(slot)->enabled, 1);
    // Centred: the head line of 51 characters is 8 x 51 wide.
    EXPECT_EQ(Scrollable_View_Area_Record(slot)->first_item->x1, (480 - 8 * 51 + 1) / 2);
    Update_Scrollable_View_Area(slot);
    snapshot::Expect_Screen_Matches("hints_page", 20, 20, 500, 400);
    // The button stores its value; the next fill switches all on.
    *Button(slot)->variable = Button(slot)->font;
    Clear_Scrollable_View_Area(slot);
    Fill_Program_Hints_Page(slot, hints, 480.0);
    EXPECT_EQ(hints[0] + hints[1] + hints[2] + hints[3], 4);
    EXPECT_EQ(Texts(slot)[1], "keiner");
    End_Area_Session();
}
