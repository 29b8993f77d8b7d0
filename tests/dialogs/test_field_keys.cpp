// Fields of a scroll area typed into key by key, as a person types: a
// click (or Tab from the field before) selects the field's text, so what
// is typed replaces it; the value stored is the value the field then shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "area_session.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
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

// A value wider than its field ("%6.1f" makes 6 characters) is cut only
// behind its decimal point: it shows as the text it would show in a field
// wide enough, never as another number (1234567 as "123456").
TEST_F(FieldKeys, WideValuesKeepTheirWholePart) {
    const struct {
        double value;
        const char* same_as;  // a format that prints the expected text uncut
        double same_value;
    } cases[] = {{1234567.0, "%9.1f", 1234567.0}, {-123456.0, "%9.1f", -123456.0}, {12345.6, "%5.0f.", 12345.0}};
    for (const auto& c : cases) {
        Clear_Scrollable_View_Area(slot);
        double v = c.value;
        Add_Number(50, &v);
        Update_Scrollable_View_Area(slot);
        const std::vector<int> shown = Field_Pixels(50);
        Clear_Scrollable_View_Area(slot);
        double w = c.same_value;
        Add_Number(50, &w, c.same_as);
        Update_Scrollable_View_Area(slot);
        EXPECT_TRUE(shown == Field_Pixels(50)) << c.value;
    }
}

// Tab goes on to the next field with its text selected: 7 replaces 35.0,
// 8 replaces 12.5.
TEST_F(FieldKeys, TabSelectsTheNextFieldsText) {
    double a = 35.0, b = 12.5;
    Add_Number(50, &a);
    Add_Number(80, &b);
    Update_Scrollable_View_Area(slot);
    EXPECT_EQ(Click_Into(50, {{'7', VEK_KEY_TAB}, {'8', VEK_KEY_ENTER}}), 1);
    EXPECT_DOUBLE_EQ(a, 7.0);
    EXPECT_DOUBLE_EQ(b, 8.0);
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

}  // namespace
