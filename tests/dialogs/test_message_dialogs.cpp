// The message dialogs, the progress window and the wait box: the category
// dialog with "Diesen Hinweis nicht nochmal anzeigen" ticked and not ticked,
// an option of the caller, the message list's markup, the category written
// into the print list through the printlist's calls, the progress window
// advanced and closed before its end, the wait box with its animation, and
// batch mode, in which none of them opens. Snapshots of the three.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "area_session.h"
#include "base/cp850.h"
#include "dialogs/fields.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "snapshot.h"

namespace {

// A category of two lines; its dialog's geometry on a 640 x 480 screen, as
// the dialog is defined: the page is 16 per line + 50 (+ 20 with an option)
// high and the widest line or option (8 pixels a character + 3, the option
// 20 more for its box) + 40 wide; the sheet adds the slider (17), margins
// (8), the title row (33) and the button row (27) and is centred.
struct Dialog_Geometry {
    int page_width, x1, y1, x2, y2, option_x, option_y;
};
// option_length: characters of the option's text, 0 for none.
Dialog_Geometry Geometry(int option_length) {
    Dialog_Geometry g;
    const bool option = option_length > 0;
    // "HINWEIS: Die Naht ist kürzer als 30 mm." has 39 characters.
    const int line = 8 * 39 + 3, box = 8 * option_length + 3 + 20;
    const int widest = option ? std::max(line, box) : line;
    g.page_width = widest + 40;
    const int height = 2 * 16 + 50 + (option ? 20 : 0);
    const int w = g.page_width + 17 + 16, h = height + 27 + 8 + 33 + 8;
    g.x1 = 320 - w / 2;
    g.y1 = 240 - h / 2;
    g.x2 = g.x1 + w - 1;
    g.y2 = g.y1 + h - 1;
    g.option_x = g.x1 + 8 + (g.page_width - box + 1) / 2;
    g.option_y = g.y1 + 41 + 20 + 2 * 16 + 25;
    return g;
}

bool snapped = false;
int Snap_Dialog() {
    const Dialog_Geometry g = Geometry(37);  // "Diesen Hinweis nicht nochmal anzeigen"
    snapshot::Expect_Screen_Matches("message_dialog", g.x1, g.y1, g.x2, g.y2);
    snapped = true;
    return 0;  // the close request is not taken: the dialog goes on
}

class Message_Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        Init_Screen_Colors();
        Init_Mouse_Move_Restriction(0, 0, 639, 479);
        c = Open_Message_Category();
        Set_Message_Category_Title(c, "Hinweise zur Eingabe");
        Store_Message("%s", "^bHINWEIS: Die Naht ist kürzer als 30 mm."_cp);
        Store_Message("%s", "Bitte prüfen Sie die Eingabe."_cp);
    }
    int c = -1;
};

}  // namespace

// Ticking "Diesen Hinweis nicht nochmal anzeigen" gives 0; leaving it 1.
TEST_F(Message_Dialogs, DontShowAgainTickedOrNot) {
    const Dialog_Geometry g = Geometry(37);
    const int weiter_x = (g.x1 + g.x2) / 2 - 50 + 10, weiter_y = g.y2 - 29 + 5;
    VEK_Script_Click(g.option_x + 5, g.option_y - 4);
    VEKSetCloseFct(Snap_Dialog);
    VEK_Script_Close();
    VEK_Script_Click(weiter_x, weiter_y);
    snapped = false;
    EXPECT_EQ(Ask_Dont_Show_Again(), 0);
    EXPECT_TRUE(snapped);
    VEKSetCloseFct(nullptr);
    EXPECT_EQ(VEK_Script_Pending(), 0);
    VEK_Script_Click(weiter_x, weiter_y);
    EXPECT_EQ(Ask_Dont_Show_Again(), 1);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // The service disabled or a free category: nothing shown, 1.
    Disable_Messages();
    EXPECT_EQ(Ask_Dont_Show_Again(), 1);
    Enable_Messages();
    Close_Message_Category(c);
    EXPECT_EQ(Ask_Dont_Show_Again(), 1);
}

// The caller's option: 1 when ticked. Mode 4 of the service opens the
// dialog without option.
TEST_F(Message_Dialogs, OptionOfTheCallerAndTheDialogWithout) {
    const Dialog_Geometry g = Geometry(28);  // "Hinweise als Datei speichern"
    VEK_Script_Click(g.option_x + 5, g.option_y - 4);
    EXPECT_EQ(Show_Messages_With_Option("Hinweise als Datei speichern"), 1);
    EXPECT_EQ(Show_Messages_With_Option("Hinweise als Datei speichern"), 0);
    Show_Message_Category(c, MESSAGE_MODE_LIST);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}

// A list line with escapes: a colour escape draws its text in the colour,
// a bold escape in style 2, any other escape drops its text; the pieces
// follow each other by their advance (8 pixels a character in font 0).
TEST(Message_List, MarkedUpLinePieces) {
    Begin_Area_Session(640, 480);
    const int slot = Open_Area_Sheet("Liste", 10, 10, 600, 400, 0, 1);
    Begin_Field_Area(slot);
    EXPECT_EQ(Draw_Marked_Up_Message_Line(15, 20, "a\xCE" "C12 rot\xCE" "B fett\xCExweg", RFONT_NORMAL), 15 + 72);
    std::vector<std::string> texts;
    std::vector<int> xs, colours, styles;
    for (const Scrollable_Area_Item* it = Scrollable_View_Area_Record(slot)->first_item; it; it = it->next) {
        texts.emplace_back(it->text);
        xs.push_back(it->x1);
        colours.push_back(it->colour);
        styles.push_back(it->x2);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "rot", " fett"}));
    EXPECT_EQ(xs, (std::vector<int>{15, 23, 47}));
    EXPECT_EQ(colours[1], 12);
    EXPECT_EQ(styles, (std::vector<int>{0, 0, 2}));
    End_Area_Session();
}

// The category into the print list: list 4 opened, each line as "╬b" + its
// text without its control pairs and the newline, written framed with
// width -1.
std::vector<std::string> print_calls;
void Open_List(int k) { print_calls.push_back("open " + std::to_string(k)); }
void Add_Line(int k, const char* line) { print_calls.push_back("add " + std::to_string(k) + " " + line); }
int Write_List(FILE*, int k, double width) {
    print_calls.push_back("write " + std::to_string(k) + " " + std::to_string(static_cast<int>(width)));
    return 0;
}
TEST_F(Message_Dialogs, CategoryIntoThePrintList) {
    EXPECT_EQ(Write_Messages_to_Print_List(nullptr), -1);  // no print list yet
    const Message_Print_List_Calls calls = {Open_List, Add_Line, Write_List};
    Set_Message_Print_List_Calls(&calls);
    print_calls.clear();
    EXPECT_EQ(Write_Messages_to_Print_List(stdout), 0);
    EXPECT_EQ(print_calls, (std::vector<std::string>{
                               "open 4", std::string("add 4 \xCE" "bHINWEIS: Die Naht ist k\x81rzer als 30 mm."),
                               std::string("add 4 \xCE" "bBitte pr\x81" "fen Sie die Eingabe."), "write 4 -1"}));
    Set_Message_Print_List_Calls(nullptr);
}

// The progress window: advanced, shown, and closed before its end.
TEST(Progress_Window, RecordStart) {
    Progress_Record r;
    r.width = 5;
    r.counter[3].maximum = 7;
    Init_Progress_Record(&r, 3);
    EXPECT_EQ(r.width, -1);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.counter[2].maximum, 0);
    EXPECT_EQ(r.counter[3].maximum, 7);  // beyond the count: left alone
}

TEST(Progress_Window, AdvancedAndClosedEarly) {
    pxInitScreen(640, 480);
    Init_Screen_Colors();
    Progress_Record r;
    Init_Progress_Record(&r, 2);
    std::snprintf(r.title, sizeof r.title, "Berechnung");
    r.width = 400;
    std::snprintf(r.counter[0].label, sizeof r.counter[0].label, "Lastfälle"_cp);
    r.counter[0].maximum = 10;
    std::snprintf(r.counter[1].label, sizeof r.counter[1].label, "Schweißnähte"_cp);
    Open_Progress_Window(&r);
    EXPECT_EQ(Progress_Window_Is_Open(), 1);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 1);
    for (int k = 0; k < 3; ++k) Step_Progress(0);
    Step_Progress_Text(0, "Lastfall 4");
    Step_Progress(1);  // does not count: stays 0
    Step_Progress(7);  // no such counter
    Set_Progress_Value(5, 3);
    EXPECT_EQ(Progress_Value(0), 4);
    EXPECT_EQ(Progress_Value(1), 0);
    EXPECT_EQ(Progress_Value(5), -1);
    // 2 counters: 2 x 48 + 31 + 42 = 169 high, 400 + 14 wide, centred.
    snapshot::Expect_Screen_Matches("progress_window", 320 - 207, 240 - 84, 320 - 207 + 413, 240 - 84 + 168);
    // A new text redraws the window; drawing it again changes nothing, nor
    // does a counter that is not there.
    auto Shown = [] { return std::vector<int>(pxScreenPixels(), pxScreenPixels() + 640 * 480); };
    const std::vector<int> before = Shown();
    Set_Progress_Text(0, "Lastfall 9");
    const std::vector<int> after = Shown();
    EXPECT_NE(after, before);
    Draw_Progress_Area();
    Set_Progress_Text(7, "Lastfall 1");
    EXPECT_EQ(Shown(), after);
    Set_Progress_Maximum(0, 5);
    EXPECT_EQ(Progress_Value(0), 0);
    Reset_Progress(0);
    Step_Progress(0);
    EXPECT_EQ(Progress_Value(0), 0);
    Close_Progress_Window();  // before the end: the user stopped the run
    EXPECT_EQ(Progress_Window_Is_Open(), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    // With the display switched off nothing opens.
    Disable_Progress_Window();
    Open_Progress_Window(&r);
    EXPECT_EQ(Progress_Window_Is_Open(), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    Enable_Progress_Window();
}

// The wait box: the box with its animation started at the screen centre
// less (48, 62), the text in the band under "Bitte etwas Geduld"; closing
// stops the animation and gives the screen back.
int started_x = 0, started_y = 0, stops = 0;
int Start_Anim(int x, int y) {
    started_x = x;
    started_y = y;
    return 1;
}
int Stop_Anim() { return ++stops; }
TEST(Wait_Box, ShownUpdatedAndClosed) {
    pxInitScreen(640, 480);
    Init_Screen_Colors();
    Set_Waiting_Animation(Start_Anim, Stop_Anim);
    stops = 0;
    const std::vector<int> before(pxScreenPixels(), pxScreenPixels() + 640 * 480);
    Update_Wait_Box("nichts");  // not shown yet: nothing happens
    EXPECT_EQ(Wait_Box_Is_Shown(), 0);
    Wait_Box_Printf("Lastfall %d von %d", 3, 10);
    EXPECT_EQ(Wait_Box_Is_Shown(), 1);
    EXPECT_EQ(started_x, 320 - 48);
    EXPECT_EQ(started_y, 240 - 62);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].kind, VEK_MSG_SHOW);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines[6], "................... Bitte etwas Geduld ...................");
    Update_Wait_Box("Lastfall %d von %d", 4, 10);
    EXPECT_EQ(VEK_Recorded_Messages().size(), 1u);  // the box stays, only the band changes
    // The box of the window library: 8 lines without title (16 x 8 + 28 =
    // 156 high), the widest of 58 characters (8 x 58 - 3 + 40 = 501 wide),
    // in the middle of the screen.
    snapshot::Expect_Screen_Matches("wait_box", 69, 162, 69 + 500, 162 + 155);
    Close_Wait_Box();
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(Wait_Box_Is_Shown(), 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pxScreenPixels()));
}

// Batch mode: every entry returns its default at once and its text goes to
// stderr; no box, sheet or window opens and no event is taken.
TEST_F(Message_Dialogs, BatchModeShowsNothing) {
    VEK_Set_Batch_Mode(1);
    VEK_Script_Click(10, 10);
    Progress_Record r;
    Init_Progress_Record(&r, 1);
    std::snprintf(r.title, sizeof r.title, "Berechnung");
    testing::internal::CaptureStderr();
    EXPECT_EQ(Ask_Dont_Show_Again(), 1);
    EXPECT_EQ(Show_Messages_With_Option("x"), 0);
    Open_Progress_Window(&r);
    Step_Progress(0);
    Close_Progress_Window();
    Wait_Box_Printf("Lastfall %d", 1);
    Close_Wait_Box();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, std::string("Hinweise zur Eingabe\nHINWEIS: Die Naht ist k\x81rzer als 30 mm.\n"
                               "Bitte pr\x81" "fen Sie die Eingabe.\n") +
                       "Hinweise zur Eingabe\nHINWEIS: Die Naht ist k\x81rzer als 30 mm.\n"
                       "Bitte pr\x81" "fen Sie die Eingabe.\nBerechnung\nLastfall 1\n");
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
}
