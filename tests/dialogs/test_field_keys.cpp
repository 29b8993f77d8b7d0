// Fields of a scroll area typed into key by key, as a person types: a
// click (or Tab from the field before) selects the field's text, so what
// is typed replaces it; the value stored is the value the field then shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "area_session.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/msgbox.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"

namespace {

class FieldKeys : public ::testing::Test {
protected:
    void SetUp() override {
        Begin_Area_Session(640, 480);
        slot = Open_Area_Sheet("Test", 0, 0, 600, 400, 0, 100);
    }
    void TearDown() override { End_Area_Session(); }
    // A double field at content (100, y); the area starts at the screen's
    // corner and is not scrolled, so content and screen agree.
    void Add_Number(int y, double* value, const char* format = "%6.1f") {
        Add_Float_to_Scrollable_Area(slot, 100, y, value, format, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    }
    // A click into the field at content (100, y), the keys of each edit
    // after it, and the area's handling of them; 1 when a field edit ran.
    int Click_Into(int y, const std::vector<std::vector<int>>& edits) {
        VEK_Script_Click(102, y - 4);
        for (const std::vector<int>& keys : edits) VEK_Script_Keys(keys);
        EXPECT_EQ(Edit_Prop_Sheet(), 100);
        return Edit_Scrollable_View_Area(slot);
    }
    // The screen's pixels of the field at content (100, y).
    static std::vector<int> Field_Pixels(int y) {
        std::vector<int> pixels;
        for (int py = y - 13; py <= y + 5; ++py)
            for (int px = 93; px <= 170; ++px) pixels.push_back(pxGetPixel(px, py));
        return pixels;
    }
    int slot = -1;
};

// "35.0", then 2, 0 and Enter: 20 is stored (not 35.020), and the field
// shows what a field holding 20 shows.  "0.00", then 2, 5: 25 (not 0.0025).
TEST_F(FieldKeys, TypingIntoANumberReplacesItAndTheFieldShowsTheValueStored) {
    const struct {
        const char* format;
        double before;
        std::vector<int> keys;
        double after;
    } cases[] = {
        {"%6.1f", 35.0, {'2', '0', VEK_KEY_ENTER}, 20.0},
        {"%8.2f", 0.0, {'2', '5', VEK_KEY_ENTER}, 25.0},
        // End, three Backspaces leave "3" of "35.0"; 2 and 5 make "325"
        {"%6.1f", 35.0, {VEK_KEY_END, VEK_KEY_BACKSPACE, VEK_KEY_BACKSPACE, VEK_KEY_BACKSPACE, '2', '5', VEK_KEY_ENTER},
         325.0},
    };
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(slot);
        double v = c.before;
        Add_Number(50, &v, c.format);
        Update_Scrollable_View_Area(slot);
        EXPECT_EQ(Click_Into(50, {c.keys}), 1);
        EXPECT_DOUBLE_EQ(v, c.after) << c.format << " " << c.before;
        const std::vector<int> shown = Field_Pixels(50);
        // The same field holding the expected value from the start.
        Clear_Scrollable_View_Area(slot);
        double expected = c.after;
        Add_Number(50, &expected, c.format);
        Update_Scrollable_View_Area(slot);
        EXPECT_TRUE(shown == Field_Pixels(50)) << c.format << " " << c.after;
        EXPECT_EQ(VEK_Script_Pending(), 0);
    }
}

// A value wider than the room its field has (the format's width, "%6.1f"
// makes 6 characters, unless the room is set, as for a table's cell of 8)
// is never drawn over what follows the field: it shows rounded to the
// places that fit (the trailing zeros beyond the format's place dropped),
// never cut to another number (12345.6 as "12345."); a whole part that does
// not fit, or a value that would read as zero, shows with an exponent and
// the digits that fit. A field keeping six places (as the input page's do)
// shows 6.123456 as 6.1235 and a file's 111.999999 as 112.0.
TEST_F(FieldKeys, WideValuesShowWithinTheirRoom) {
    const struct {
        double value;
        int room, keeps;
        const char* same_as;  // a format that prints the expected text (or is it)
        double same_value;
    } cases[] = {{1234567.0, 0, -1, "1.23e6", 0},
                 {-123456.0, 0, -1, "-1.2e5", 0},
                 {12345.6, 0, -1, "%6.0f", 12345.6},
                 {6.123456, 0, 6, "%6.4f", 6.123456},
                 {111.999999, 0, 6, "%6.1f", 112.0},
                 {0.0004, 4, 6, "  4e-4", 0},  // a share of 0.0004 % in a room of 4: never "0.000"
                 {1e9, 8, -1, "   1e9", 0},
                 {-123456.78, 8, -1, "%7.0f", -123456.78},
                 {4.5e-7, 8, -1, "4.5e-7", 0},
                 {12345.6, 8, -1, "%7.1f", 12345.6}};
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(slot);
        Set_Scrollable_Area_Float_Decimals(slot, c.keeps);
        double v = c.value;
        Add_Number(50, &v);
        Set_Room_of_Last_Float(slot, c.room);
        Update_Scrollable_View_Area(slot);
        const std::vector<int> shown = Field_Pixels(50);
        Clear_Scrollable_View_Area(slot);
        Set_Scrollable_Area_Float_Decimals(slot, -1);
        double w = c.same_value;
        Add_Number(50, &w, c.same_as);
        Update_Scrollable_View_Area(slot);
        EXPECT_TRUE(shown == Field_Pixels(50)) << c.value;
    }
}

// Tab goes on to the next field with its text selected, Shift+Tab back to
// the one before: from the second, 7 replaces 12.5, 8 the first's 35.0 and
// 9 (Tab, Tab) the third's 2.0; Shift+Tab from the first field ends there.
TEST_F(FieldKeys, TabSelectsTheNextFieldsTextShiftTabTheOneBefore) {
    double a = 35.0, b = 12.5, c = 2.0;
    Add_Number(50, &a);
    Add_Number(80, &b);
    Add_Number(110, &c);
    Update_Scrollable_View_Area(slot);
    EXPECT_EQ(Click_Into(80, {{'7', VEK_KEY_BACKTAB}, {'8', VEK_KEY_TAB}, {VEK_KEY_TAB}, {'9', VEK_KEY_BACKTAB},
                              {VEK_KEY_BACKTAB}, {VEK_KEY_BACKTAB}}),
              1);
    EXPECT_DOUBLE_EQ(a, 8.0);
    EXPECT_DOUBLE_EQ(b, 7.0);
    EXPECT_DOUBLE_EQ(c, 9.0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

// An empty name padded with blanks to its 40 characters, as a record keeps
// it: what is typed is taken (not dropped for want of room), and the name
// stays padded to 40.
TEST_F(FieldKeys, TypingIntoAnEmptyPaddedTextTakesTheCharacters) {
    char name[41];
    std::memset(name, ' ', 40);
    name[40] = '\0';
    Add_Edit_Text_to_Scrollable_Area(slot, 100, 50, name, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    Set_Visible_Length_of_Last_Edit_Text(slot, 20);
    Update_Scrollable_View_Area(slot);
    EXPECT_EQ(Click_Into(50, {{'I', 'P', 'E', ' ', '3', '0', '0', VEK_KEY_ENTER}}), 1);
    EXPECT_EQ(std::string(name), "IPE 300" + std::string(33, ' '));
}

// Lines of the last message box, joined by "|".
std::string Last_Box();

// A text field's text is stored as a word with its blanks written as "~":
// a "~" typed is refused with a box that names it, and the text stays; the
// chain of edits ends there. A text without one is taken.
TEST_F(FieldKeys, ATypedTildeIsRefusedAndNamed) {
    char name[13] = "Wind        ", next[5] = "    ";
    Add_Edit_Text_to_Scrollable_Area(slot, 100, 50, name, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    Add_Edit_Text_to_Scrollable_Area(slot, 100, 80, next, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
    Update_Scrollable_View_Area(slot);
    const std::vector<int> wind_sog = {'W', 'i', 'n', 'd', '~', 'S', 'o', 'g', VEK_KEY_TAB};
    EXPECT_EQ(Click_Into(50, {wind_sog, {'x', VEK_KEY_ENTER}}), 1);
    EXPECT_STREQ(name, "Wind        ");
    EXPECT_STREQ(next, "    ");
    EXPECT_EQ(Last_Box(), "Das Zeichen \"~\" kann nicht eingegeben werden:|in der Eingabedatei steht es f\x81r ein "
                          "Leerzeichen und k\x84me als Leerzeichen zur\x81" "ck.|Der bisherige Text bleibt erhalten.");
    VEK_Script_Clear();
    VEK_Clear_Recorded_Messages();
    EXPECT_EQ(Click_Into(50, {{'W', 'i', 'n', 'd', ' ', 'S', 'o', 'g', VEK_KEY_ENTER}}), 1);
    EXPECT_STREQ(name, "Wind Sog    ");
    EXPECT_TRUE(VEK_Recorded_Messages().empty());
}


// A character code page 850 has no byte for ("â‚¬", which the window hands
// over as VEK_KEY_FOREIGN + U+20AC) was dropped unseen ("5â‚¬x" kept as
// "5x"): refused with a box that names it, the rest typed stays. The
// print list's markup escape "â•¬" (0xCE) would hide what follows it in the
// list: the text is refused with a box, as "~" is.
TEST_F(FieldKeys, ForeignCharacterAndMarkupEscapeAreRefusedAndNamed) {
    // The letters of code page 850 the print font draws otherwise, from the
    // font's table of glyphs in docs/printlist-viewer.md: all its bytes but
    // 0xF8 (°) and 0xFD (²), which code page 850 has alike: four letters
    // before 0xB0, 27 more from 0xB0 to 0xFA.
    const std::string kSignLetters = "\x88 \x89 \x8C \xA3 und 27 weitere Zeichen der Bytes 0xB0 bis 0xFA";
    const struct {
        std::vector<int> keys;
        const char* kept;  // the field afterwards
        std::string box;
    } cases[] = {
        {{'5', VEK_KEY_FOREIGN + 0x20AC, 'x', VEK_KEY_ENTER}, "5x          ",
         "Das Zeichen U+20AC kann nicht eingegeben werden:|der Zeichensatz der Eingabedaten (Codepage 850) hat es "
         "nicht.|Der Text bleibt ohne dieses Zeichen."},
        {{'A', 0xCE, 'H', 'B', VEK_KEY_ENTER}, "Wind        ",
         "Das Zeichen \"\xCE\" (Byte 0xCE) kann nicht eingegeben werden:|im Ausdruck leitet es eine Formatierung ein und verdeckte "
         "den Text danach.|Der bisherige Text bleibt erhalten."},
        // "Fen\x88tre \xA3" ("Fenêtre ú"): the list's font draws 0x88 as an
        // arrow and 0xA3 as Delta; the box names both and every such letter.
        {{'F', 'e', 'n', 0x88, 't', 'r', 'e', ' ', 0xA3, VEK_KEY_ENTER}, "Wind        ",
         "Die Zeichen \"\x88\" (Byte 0x88), \"\xA3\" (Byte 0xA3) k\x94nnen nicht eingegeben werden:|der Ausdruck "
         "zeigt an ihrer Stelle Formelzeichen.|Nicht eingegeben werden k\x94nnen: " + kSignLetters +
             "|Der bisherige Text bleibt erhalten."},
    };
    for (const auto& c : cases) {
        char name[13] = "Wind        ";
        Clear_Scrollable_View_Area(slot);
        Add_Edit_Text_to_Scrollable_Area(slot, 100, 50, name, RFONT_NORMAL, BLACK_CI, &Screen_Flag_On);
        Update_Scrollable_View_Area(slot);
        VEK_Script_Clear();
        VEK_Clear_Recorded_Messages();
        Click_Into(50, {c.keys});
        EXPECT_STREQ(name, c.kept);
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
        EXPECT_EQ(Last_Box(), c.box);
    }
}

std::string Last_Box() {
    const auto& boxes = VEK_Recorded_Messages();
    std::string text;
    for (size_t i = 0; !boxes.empty() && i < boxes.back().lines.size(); ++i)
        text += (i ? "|" : "") + boxes.back().lines[i];
    return text;
}

int checks_seen = 0;
void* Count_Check(void* value) {
    ++checks_seen;
    return value;
}

// What a field takes is checked before a value is stored: a value outside
// its bounds, or with more decimal places than the field keeps (those of its
// format unless it keeps more), is refused with a message naming the range
// and the places and the value kept; the check function never sees it, and
// the chain of edits ends there (the next field's keys stay unread). Nothing
// is rounded. A bound counts as the field can name it: to within single
// precision (a catalogue's 56.45 read as a float is 56.45), else rounded to
// the field's places towards the inside (56.45 in a field of one place:
// 56.4).
TEST_F(FieldKeys, ValuesTheFieldDoesNotTakeAreRefusedBeforeTheyAreStored) {
    const std::string kept = "|Der bisherige Wert 75.0 bleibt erhalten.", outside = " liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von ";
    const double catalogue = static_cast<float>(56.45);  // 56.4500007629...
    const struct {
        double minimum, maximum;
        int decimals;  // -1: the format's (one)
        std::vector<int> keys;
        double after;
        std::string box;  // empty: taken, no box
    } cases[] = {
        {0, 100, -1, {'1', '5', '0', VEK_KEY_TAB}, 75, "Der Wert 150" + outside + "0 bis 100." + kept},
        {0, 100, -1, {'-', '0', '.', '4', VEK_KEY_TAB}, 75, "Der Wert -0.4" + outside + "0 bis 100." + kept},
        {1, INFINITY, -1, {'0', VEK_KEY_TAB}, 75, "Der Wert 0 ist nicht zul\x84" "ssig: er darf nicht kleiner als 1 sein." + kept},
        {-INFINITY, 3, -1, {'4', VEK_KEY_TAB}, 75, "Der Wert 4 ist nicht zul\x84" "ssig: er darf nicht gr\x94\xE1" "er als 3 sein." + kept},
        {0, 100, -1, {'1', '0', '0', VEK_KEY_TAB}, 100, ""},
        {0, 100, -1, {'5', '0', ',', '5', VEK_KEY_TAB}, 50.5, ""},
        {0, 100, -1, {'5', '0', '.', '2', '5', VEK_KEY_TAB}, 75,
         "Der Wert 50.25 hat mehr Nachkommastellen, als das Feld aufnimmt.|Das Feld nimmt Werte von 0 bis 100 mit h\x94" "chstens einer Nachkommastelle." + kept},
        {0, 100, 4, {'5', '0', '.', '2', '5', VEK_KEY_TAB}, 50.25, ""},
        {0, 56.45, -1, {'5', '6', '.', '5', VEK_KEY_TAB}, 75, "Der Wert 56.5" + outside + "0 bis 56.4." + kept},
        {0, catalogue, 6, {'5', '6', '.', '4', '5', VEK_KEY_TAB}, 56.45, ""},
        {0, catalogue, 6, {'5', '6', '.', '4', '6', VEK_KEY_TAB}, 75, "Der Wert 56.46" + outside + "0 bis 56.45." + kept},
        {0, 56.4537, 2, {'5', '6', '.', '4', '6', VEK_KEY_TAB}, 75, "Der Wert 56.46" + outside + "0 bis 56.45." + kept},
    };
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(slot);
        VEK_Clear_Recorded_Messages();
        double v = 75.0, next = 12.5;
        Add_Number(50, &v);
        Set_Bounds_of_Last_Float(slot, c.minimum, c.maximum);
        if (c.decimals >= 0) Set_Decimals_of_Last_Float(slot, c.decimals);
        Set_Last_Item_Check_Function(slot, Count_Check);
        Add_Number(80, &next);
        Update_Scrollable_View_Area(slot);
        checks_seen = 0;
        EXPECT_EQ(Click_Into(50, {c.keys, {'8', VEK_KEY_ENTER}}), 1);
        EXPECT_EQ(v, c.after) << c.after;
        EXPECT_EQ(Last_Box(), c.box);
        EXPECT_EQ(checks_seen, c.box.empty() ? 1 : 0);
        EXPECT_DOUBLE_EQ(next, c.box.empty() ? 8.0 : 12.5);
        EXPECT_EQ(VEK_Script_Pending(), c.box.empty() ? 0 : 1);
        VEK_Script_Clear();
    }
}

// A field shows a value with the decimal places it has, at least those of
// its format and at most those the field keeps: what was typed is what it
// shows. Digits past single precision are no part of a value as shown.
TEST_F(FieldKeys, AFieldShowsTheDigitsItKeeps) {
    const struct {
        const char* format;
        int decimals;
        double value;
        const char* shows;  // the format that shows it uncut
    } cases[] = {
        {"%6.1f", 6, 4.26, "%6.2f"},
        {"%6.2f", 6, 1.255, "%6.3f"},
        {"%3.0f", 4, 50.5, "%3.1f"},
        {"%8.2f", 5, 0.004, "%8.3f"},
        {"%6.1f", 6, 35.0, "%6.1f"},
        {"%6.1f", 6, static_cast<float>(56.45), "%6.2f"},
        {"%6.1f", 6, 111.99999904632568, "%6.1f"},  // a catalogue's 112 less a float's last digit
        {"%6.1f", 2, 1.0 / 3.0, "%6.2f"},           // a computed value: the places kept
    };
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(slot);
        double v = c.value;
        Add_Number(50, &v, c.format);
        Set_Decimals_of_Last_Float(slot, c.decimals);
        Update_Scrollable_View_Area(slot);
        const std::vector<int> shown = Field_Pixels(50);
        Clear_Scrollable_View_Area(slot);
        double w = c.value;
        Add_Number(50, &w, c.shows);
        Update_Scrollable_View_Area(slot);
        EXPECT_TRUE(shown == Field_Pixels(50)) << c.value;
    }
}

// Enter confirms a field and ends the chain (the page takes what was typed
// at once); Tab goes on, past a drop-down list, which only a click opens:
// the keys after it never reach the list.
TEST_F(FieldKeys, EnterConfirmsAndTabPassesLists) {
    static char first[] = "Kehlnaht", second[] = "Stumpfnaht";
    Choice_List_Entry entries[2] = {{BLACK_CI, first}, {BLACK_CI, second}};
    double a = 1.0, b = 2.0;
    int kind = 0;
    Add_Number(50, &a);
    Add_Choice_List_to_Scrollable_Area(slot, 100, 80, entries, RFONT_NORMAL, 10, 2, &kind, &Screen_Flag_On);
    Add_Number(110, &b);
    Update_Scrollable_View_Area(slot);
    EXPECT_EQ(Click_Into(50, {{'7', VEK_KEY_ENTER}, {'9', VEK_KEY_ENTER}}), 1);
    EXPECT_DOUBLE_EQ(a, 7.0);
    EXPECT_DOUBLE_EQ(b, 2.0);
    EXPECT_EQ(VEK_Script_Pending(), 1);
    VEK_Script_Clear();
    VEK_Script_Click(102, 46);
    VEK_Script_Keys({'8', VEK_KEY_TAB});
    VEK_Script_Keys({'9', VEK_KEY_ENTER});
    VEK_Script_Key(VEK_KEY_DOWN);
    VEK_Script_Key(VEK_KEY_ENTER);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_DOUBLE_EQ(a, 8.0);
    EXPECT_DOUBLE_EQ(b, 9.0);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 0);  // the keys: nothing of the area's
    EXPECT_EQ(kind, 0);
}

// A click outside an open list closes it without choosing and counts for
// what it hits: the row the mouse lit is not taken, the field below is
// edited at once. The hand moves down in steps, slower than the program:
// each move and the click come while the open list waits for them (and the
// mouse state is held to the list, the pointer is not).
TEST_F(FieldKeys, AClickOutsideAnOpenListCountsAtOnce) {
    static char first[] = "Kehlnaht", second[] = "Stumpfnaht";
    Choice_List_Entry entries[2] = {{BLACK_CI, first}, {BLACK_CI, second}};
    double b = 2.0;
    int kind = 0;
    Add_Choice_List_to_Scrollable_Area(slot, 100, 50, entries, RFONT_NORMAL, 10, 2, &kind, &Screen_Flag_On);
    Add_Number(200, &b);
    Update_Scrollable_View_Area(slot);
    VEK_Script_Set_Hand_Pace(1);
    VEK_Script_Click(102, 46);             // opens the list below the field
    for (int y = 50 + 5 + 3 + 13 + 6; y < 196; y += 12) VEK_Script_Move(110, y);  // from its second row down
    VEK_Script_Click(102, 196);            // the number field
    VEK_Script_Type("4", 0);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(VEK_Script_Peek_Kind(), VEK_EV_CLICK);
    EXPECT_EQ(Edit_Prop_Sheet(), 100);
    EXPECT_EQ(Edit_Scrollable_View_Area(slot), 1);
    EXPECT_DOUBLE_EQ(b, 4.0);
    EXPECT_EQ(VEK_Script_Pending(), 0);
}

}  // namespace
