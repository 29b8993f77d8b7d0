// Event waits, mouse state, keys, inline editors, menus and the mouse-move
// restriction, all driven by the script queue.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/sheets.h"

class Input : public ::testing::Test {
protected:
    // The rest of the start state comes from the reset before each test.
    void SetUp() override { Init_Mouse_Move_Restriction(0, 0, 1279, 1023); }
};

TEST_F(Input, ClickIsDownThenUpAndReleaseLoopsEnd)
{
    VEK_Script_Click(40, 50);
    VEKMessage m;
    InitVEKMessage(&m);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_LEFT_DOWN | VEK_MASK_LEFT_UP, &m), VEK_MSG_LEFT_DOWN);
    EXPECT_EQ(m.button, 1);
    EXPECT_EQ(M_XPOS, 40);
    EXPECT_EQ(M_YPOS, 50);
    EXPECT_EQ(M_LEFT, 1);
    // "wait until the left button is up" ends without a further event
    int guard = 0;
    while (M_LEFT && guard++ < 10) Get_Mouse_Event();
    EXPECT_EQ(M_LEFT, 0);
    EXPECT_EQ(guard, 1);
}

// Each mask ends the wait at exactly the events it names: the area's hover
// wait without keys passes a right click by and ends at a wheel turn, and a
// waiting key is not for it; with the key and right-button bits it ends at
// those.
TEST_F(Input, MasksEndTheWaitAtTheEventsTheyName)
{
    const int hover = VEK_WAIT_HOVER & ~VEK_MASK_KEY;
    VEK_Script_Click(5, 6, 2);
    VEK_Script_Wheel(-1);
    EXPECT_EQ(GetVEKMessage(hover, nullptr), VEK_MSG_WHEEL);
    EXPECT_EQ(M_RIGHT, 1);  // went down unseen; comes up at the next wait
    VEK_Script_Key(VEK_KEY_ESC);
    EXPECT_EQ(GetVEKMessage(hover, nullptr), VEK_MSG_CLOSE);
    EXPECT_EQ(M_RIGHT, 0);
    EXPECT_EQ(hitkey(), VEK_KEY_ESC);
    EXPECT_EQ(GetVEKMessage(hover | VEK_MASK_KEY, nullptr), VEK_MSG_KEY);
    getkey();
    VEK_Script_Click(5, 6, 2);
    EXPECT_EQ(GetVEKMessage(hover | VEK_MASK_KEY | VEK_MASK_RIGHT_DOWN, nullptr), VEK_MSG_RIGHT_DOWN);
    // The editor's mask sees presses of both buttons, not moves.
    VEK_Script_Move(70, 80);
    VEK_Script_Click(71, 81);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_EDITOR, nullptr), VEK_MSG_LEFT_DOWN);
    EXPECT_EQ(M_XPOS, 71);
    // The left-up mask waits for the left button to come up ...
    EXPECT_EQ(GetVEKMessage(VEK_MASK_LEFT_UP, nullptr), VEK_MSG_LEFT_UP);
    EXPECT_EQ(M_LEFT, 0);
    // ... and returns at once, taking nothing, when it is up already.
    VEK_Script_Click(1, 2);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_LEFT_UP, nullptr), VEK_MSG_NONE);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    // A press the program fakes in M_LEFT comes up at the next wait and
    // does not swallow the user's next click.
    VEK_Script_Clear();
    M_LEFT = 1;
    VEK_Script_Click(9, 9);
    EXPECT_EQ(Get_Mouse_Event(), VEK_MSG_LEFT_UP);
    EXPECT_EQ(Get_Mouse_Event(), VEK_MSG_LEFT_DOWN);
    EXPECT_EQ(M_XPOS, 9);
}

TEST_F(Input, PressIsHeldThroughMovesUntilItsRelease)
{
    VEK_Script_Press(10, 10);
    VEK_Script_Move(30, 10);
    VEK_Script_Move(40, 12);
    VEK_Script_Release();
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 50;
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_EDITOR, &m), VEK_MSG_LEFT_DOWN);
    // the drag mask: moves and the release, every 50 ms
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_DRAG, &m), VEK_MSG_MOVE);
    EXPECT_EQ(M_LEFT, 1);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_DRAG, &m), VEK_MSG_MOVE);
    EXPECT_EQ(M_XPOS, 40);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_DRAG, &m), VEK_MSG_LEFT_UP);
    EXPECT_EQ(M_LEFT, 0);
    // A script file says the same.
    VEKScriptEvent e;
    ASSERT_EQ(VEK_Script_Parse_Line("press 3 4 2", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_PRESS);
    EXPECT_EQ(e.button, 2);
    ASSERT_EQ(VEK_Script_Parse_Line("release", &e), 1);
    EXPECT_EQ(e.kind, VEK_EV_RELEASE);
    EXPECT_EQ(e.button, 1);
    EXPECT_EQ(VEK_Script_Parse_Line("release x", &e), -1);
}

TEST_F(Input, ModifierChangeIsReportedOnce)
{
    VEK_Script_Move(1, 1);
    VEK_Set_Key_Mask(1);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_HOVER, nullptr), VEK_MSG_KEYMASK);
    EXPECT_EQ(getkeymask(), 1);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_HOVER, nullptr), VEK_MSG_MOVE);
    VEK_Set_Key_Mask(0);
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_HOVER & ~VEK_MASK_KEYMASK, nullptr), VEK_MSG_CLOSE);  // not asked for
}

TEST_F(Input, EventsOutsideTheMaskOnlyUpdateTheState)
{
    VEK_Script_Move(10, 10);
    VEK_Script_Move(20, 30);
    VEK_Script_Click(7, 8, 2);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_RIGHT_DOWN, nullptr), VEK_MSG_RIGHT_DOWN);
    EXPECT_EQ(M_RIGHT, 1);
    EXPECT_EQ(M_XPOS, 7);
}

TEST_F(Input, EmptyQueueGivesCloseOrABoundedTimeOut)
{
    M_XPOS = 100;
    M_LEFT = 1;
    EXPECT_EQ(GetVEKMessage(VEK_MASK_LEFT_DOWN, nullptr), VEK_MSG_CLOSE);
    EXPECT_EQ(M_XPOS, -1);  // the user has gone
    EXPECT_EQ(M_LEFT, 0);
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 100;
    long long t0 = VEK_Clock_ms();
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_BAR, &m), VEK_MSG_TIMEOUT);
    EXPECT_EQ(VEK_Clock_ms() - t0, 100);
    m.timeout = 1000000;  // bounded
    GetVEKMessage(VEK_WAIT_BAR, &m);
    EXPECT_EQ(VEK_Clock_ms() - t0, 100 + VEK_MAX_TIMEOUT_MS);
    // While the timer events are on, the time-out comes as a timer tick.
    int old = VEKSetTimer(1);
    m.timeout = 100;
    EXPECT_EQ(GetVEKMessage(VEK_WAIT_BAR, &m), VEK_MSG_TIMER);
    VEKSetTimer(old);
}

TEST_F(Input, EditorEventsAreNotTakenByWaits)
{
    VEK_Script_Type("5", 1);
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 100;
    EXPECT_EQ(GetVEKMessage(VEK_MASK_MOVE | VEK_MASK_TIMEOUT, &m), VEK_MSG_TIMEOUT);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_MOVE, &m), VEK_MSG_CLOSE);
    EXPECT_EQ(VEK_Script_Pending(), 1);
}

TEST_F(Input, KeysWaitUntilGetkeyTakesThem)
{
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(getkey(), -1);
    VEK_Script_Key(VEK_KEY_UP);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_KEY, nullptr), VEK_MSG_KEY);
    EXPECT_EQ(hitkey(), VEK_KEY_UP);
    EXPECT_EQ(hitkey(), VEK_KEY_UP);
    EXPECT_EQ(getkey(), VEK_KEY_UP);
    EXPECT_EQ(hitkey(), -1);
    EXPECT_EQ(getkeymask(), 0);
}

TEST_F(Input, WheelSetsScrollUnlessSwitchedOff)
{
    M_SCROLL = 0;
    VEK_Script_Wheel(-1);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_WHEEL, nullptr), VEK_MSG_WHEEL);
    EXPECT_EQ(M_SCROLL, -1);
    M_SCROLL = 0;
    int old = Set_MouseWheel_Activity(0);
    VEK_Script_Wheel(1);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_WHEEL, nullptr), VEK_MSG_CLOSE);
    EXPECT_EQ(M_SCROLL, 0);
    Set_MouseWheel_Activity(old);
}

TEST_F(Input, ShortEditFloatStoresOnlyFiniteNumbersAndSaysSo)
{
    VEK_Clear_Recorded_Messages();
    double v = 4.0;
    VEK_Script_Type(" 5.5 ", 9);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 9);
    EXPECT_DOUBLE_EQ(v, 5.5);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 9);
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // The German decimal comma (the number pad's decimal key) is the point.
    for (auto [typed, stored] : {std::pair{"25,5", 25.5}, {"-0,75", -0.75}, {" 7,0 ", 7.0}}) {
        VEK_Script_Type(typed, 1);
        EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 1) << typed;
        EXPECT_DOUBLE_EQ(v, stored) << typed;
    }
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
    // Not a number, letters, not finite, or a thousands separator beside
    // the decimal mark (which one is which cannot be told): the value is
    // kept and a box says why; the edit still ends with its key.
    for (const char* bad : {"1.000,5", "1,000.5", "2,5,0", "12abc", "nan", ""}) {
        VEK_Clear_Recorded_Messages();
        VEK_Script_Type(bad, 1);
        EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 1) << bad;
        EXPECT_DOUBLE_EQ(v, 7.0) << bad;
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u) << bad;
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
                  (std::vector<std::string>{"Die Eingabe \"" + std::string(bad) + "\" ist keine Zahl.",
                                            "Der bisherige Wert bleibt erhalten."}));
    }
    VEK_Script_Type("-1e3", 0);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 0);
    EXPECT_DOUBLE_EQ(v, -1000.0);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 0);  // nothing typed
    EXPECT_DOUBLE_EQ(v, -1000.0);
    // Sixteen significant digits: no double holds the number typed.
    VEK_Clear_Recorded_Messages();
    VEK_Script_Type("1000000000.000001", 0);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 0);
    EXPECT_DOUBLE_EQ(v, -1000.0);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(0),
              "Die Eingabe \"1000000000.000001\" hat mehr als 15 g\x81ltige Ziffern: so genau wird kein Wert gespeichert.");
}

TEST_F(Input, ArrowKeysAndEscapeEndTheChainOfEditsAndLeaveTheKey)
{
    // Up and Down leave the field for another row: the edit is taken, the
    // chain ends (0) and the key waits for the table service.
    double v = 0.0;
    char text[8] = "";
    VEK_Script_Type("2.5", VEK_KEY_DOWN);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 0);
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 336);
    VEK_Script_Type("ab", VEK_KEY_UP);
    EXPECT_EQ(Short_Edit_Text(0, 0, text, 5, 0), 0);
    EXPECT_STREQ(text, "ab");
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, 328);
    VEK_Script_Type("x", 13);  // Enter moves on to the next field
    EXPECT_EQ(Short_Edit_Text(0, 0, text, 5, 0), 13);
    // Escape keeps the old value and text, as in the window, and ends the
    // chain with its key left.
    VEK_Script_Type("7", VEK_KEY_ESC);
    EXPECT_EQ(Short_Edit_Float(0, 0, "%.1f", &v), 0);
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_EQ(LAST_SHEET_EDIT_KEY, VEK_KEY_ESC);
    VEK_Script_Type("yz", VEK_KEY_ESC);
    EXPECT_EQ(Short_Edit_Text(0, 0, text, 5, 0), 0);
    EXPECT_STREQ(text, "x");
}

// A text longer than the field takes is refused whole, with the limit in
// a box; nothing is cut.
TEST_F(Input, ShortEditTextRefusesTextsLongerThanTheVisibleOrScrollLength)
{
    VEK_Clear_Recorded_Messages();
    char text[6] = "abc";
    VEK_Script_Type("123456789", 1);
    EXPECT_EQ(Short_Edit_Text(0, 0, text, 5, 0), 1);
    EXPECT_STREQ(text, "abc");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines,
              (std::vector<std::string>{"Der Text ist zu lang: h\x94" "chstens 5 Zeichen.",
                                        "Der bisherige Text bleibt erhalten."}));
    VEK_Script_Type("12345", 1);
    Short_Edit_Text(0, 0, text, 5, 0);
    EXPECT_STREQ(text, "12345");
    char wide[10] = "";
    Set_Short_Edit_Text_Scrollmode(8);
    VEK_Script_Type("12345678", 0);
    Short_Edit_Text(0, 0, wide, 3, 0);
    EXPECT_STREQ(wide, "12345678");
    // the scroll length was used up
    VEK_Script_Type("abcd", 0);
    Short_Edit_Text(0, 0, wide, 3, 0);
    EXPECT_STREQ(wide, "12345678");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 2u);
}

// Keys typed into an inline edit, as at the window: the edit starts with
// its whole text selected, so the first character replaces it; the other
// keys edit at the caret.  Texts in a field of 6 (the third case padded
// with blanks to the field's size, as records keep names).
TEST_F(Input, KeysEditTheSelectedTextAtTheCaret)
{
    const int BS = VEK_KEY_BACKSPACE, DEL = VEK_KEY_DELETE, L = VEK_KEY_LEFT, R = VEK_KEY_RIGHT,
              HOME = VEK_KEY_HOME, END = VEK_KEY_END, ENTER = VEK_KEY_ENTER, ESC = VEK_KEY_ESC;
    const struct {
        const char* before;
        std::vector<int> keys;
        const char* after;
        int result;
    } cases[] = {
        {"abcd", {'x', 'y', ENTER}, "xy", ENTER},                  // typing replaces the selection
        {"abcd", {HOME, 'X', END, 'Y', VEK_KEY_TAB}, "XabcdY", VEK_KEY_TAB},
        {"      ", {'I', 'P', 'E', ENTER}, "IPE   ", ENTER},         // padding is no text; padded again
        {"abcd", {L, 'X', ENTER}, "Xabcd", ENTER},                 // Left: to the selection's start
        {"abcd", {R, L, L, BS, ENTER}, "acd", ENTER},              // Backspace before the caret
        {"abcd", {HOME, R, DEL, ENTER}, "acd", ENTER},             // Delete at the caret
        {"abcd", {DEL, 'q', ENTER}, "q", ENTER},                   // Delete takes the selection
        {"abcd", {END, 'e', 'f', 'g', ENTER}, "abcdef", ENTER},    // g would make 7: refused
        {"abcd", {'Z', ESC}, "abcd", 0},                           // Escape keeps the old text
        {"abcd", {END, 'e'}, "abcde", 0},                          // keys ran out: kept, chain ends
    };
    for (const auto& c : cases) {
        VEK_Clear_Recorded_Messages();
        char text[7];
        std::snprintf(text, sizeof text, "%s", c.before);
        VEK_Script_Keys(c.keys);
        EXPECT_EQ(Short_Edit_Text(0, 0, text, 6, 0), c.result) << c.before << " -> " << c.after;
        EXPECT_STREQ(text, c.after);
        EXPECT_EQ(VEK_Recorded_Messages().size(), std::strcmp(c.after, "abcdef") ? 0u : 1u) << c.after;
        EXPECT_EQ(VEK_Script_Pending(), 0);
    }
    // The path field of the file dialog: 260 blanks, and a path typed into it.
    char path[261];
    std::memset(path, ' ', 260);
    path[260] = '\0';
    Set_Short_Edit_Text_Scrollmode(260);
    VEK_Script_Keys({'C', ':', '\\', 'a', ENTER});
    EXPECT_EQ(Short_Edit_Text(0, 0, path, 45, 0), ENTER);
    EXPECT_EQ(std::string(path), "C:\\a" + std::string(256, ' '));
}

// Numbers typed key by key (a click into "35.0" and 2, 0 is 20: see
// tests/dialogs/test_field_keys.cpp): the value stored is the value the
// field shows afterwards, printed with the field's format; an edit that
// changes nothing keeps every digit of the value.
TEST_F(Input, KeysTypedIntoANumberReplaceItAndAreStoredAsTyped)
{
    const int ENTER = VEK_KEY_ENTER;
    const struct {
        const char* format;
        double before;
        std::vector<int> keys;
        double after;
    } cases[] = {
        {"%6.1f mm", 12.5, {VEK_KEY_END, '7', ENTER}, 12.57},   // no digit rounded away
        {"%6.1f", 20.0, {'2', '0', '.', '0', '4', ENTER}, 20.04},
        {"%6.1f", 35.04, {ENTER}, 35.04},                       // nothing typed: every digit kept
        {"%6.1f", 35.04, {VEK_KEY_END, VEK_KEY_BACKSPACE, '0', ENTER}, 35.0},  // "35.0" typed
        {"%.3g", 7.0, {'1', '2', '3', '4', '5', ENTER}, 12345.0},
        {"%6.1f", -1.0, {'-', '0', ENTER}, 0.0},  // "-0" is stored as 0
    };
    for (const auto& c : cases) {
        double v = c.before;
        VEK_Script_Keys(c.keys);
        EXPECT_EQ(Short_Edit_Float(0, 0, c.format, &v), ENTER) << c.format << " " << c.before;
        EXPECT_DOUBLE_EQ(v, c.after) << c.format << " " << c.before;
        EXPECT_FALSE(std::signbit(v));
    }
}

// The call-always function of the sheets runs after every event a wait
// takes, with the mouse where that event left it.
static int always_x = -2;
static void Note_Mouse(void) { always_x = M_XPOS; }

TEST_F(Input, WaitsRunTheCallAlwaysFunctionAfterTheirEvent)
{
    Define_Call_Allways_Function(Note_Mouse);
    Activate_Call_Allways_Function(1);
    VEK_Script_Move(77, 5);
    EXPECT_EQ(GetVEKMessage(VEK_MASK_MOVE, nullptr), VEK_MSG_MOVE);
    EXPECT_EQ(always_x, 77);
    Activate_Call_Allways_Function(0);
    VEK_Script_Move(78, 5);
    GetVEKMessage(VEK_MASK_MOVE, nullptr);
    EXPECT_EQ(always_x, 77);
}

static int sort_calls;
static int Sort_Up(void) { ++sort_calls; return 1; }

TEST_F(Input, MenusFollowScriptedChoices)
{
    sort_calls = 0;
    VEKMenuItem sub[2] = {{"aufsteigend", " ", Sort_Up, nullptr, 0, 0, 1},
                          {"absteigend", " ", nullptr, nullptr, 0, 0, 1}};
    VEKMenuItem menu[2] = {{"Spalte sortieren", " ", nullptr, sub, 2, 11, 1},
                           {"Spalte belegen", " ", Sort_Up, nullptr, 0, 0, 0}};
    VEK_Script_Menu(0);
    VEK_Script_Menu(0);
    EXPECT_EQ(Menue_Manager(menu, 2, 16, 0, 0), 0);
    EXPECT_EQ(sort_calls, 1);
    VEK_Script_Menu(1);  // greyed
    EXPECT_EQ(Menue_Manager(menu, 2, 16, 0, 0), -1);
    EXPECT_EQ(sort_calls, 1);
    EXPECT_EQ(Menue_Manager(menu, 2, 16, 0, 0), -1);  // nothing chosen
    VEK_Script_Menu(0xE1);
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 0xE1);
    EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);
}

TEST_F(Input, MouseRestrictionStackHasTheLibrarysInvertedNames)
{
    Pop_Mouse_Move_Restriction(100, 100, 200, 150);  // sets
    VEK_Script_Click(500, 20);
    GetVEKMessage(VEK_MASK_LEFT_DOWN, nullptr);
    EXPECT_EQ(M_XPOS, 200);
    EXPECT_EQ(M_YPOS, 100);
    Pop_Mouse_Move_Restriction(0, 0, 10, 10);
    Push_Mouse_Move_Restriction();  // back to 100..200
    int x1, y1, x2, y2;
    Inquire_Mouse_Move_Restriction(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 100);
    EXPECT_EQ(y2, 150);
    Push_Mouse_Move_Restriction();
    Push_Mouse_Move_Restriction();  // empty stack keeps the base
    Inquire_Mouse_Move_Restriction(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, 1279);
    setMouseCursor(6);
    EXPECT_EQ(currentMouseCursor(), 6);
    setMouseCursor(0);
}
