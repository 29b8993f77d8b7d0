// A field sheet as a person uses it: a one-page table sheet whose page holds
// a text, a number, a check box, radio buttons, a drop-down and a read-only
// text, driven by scripted clicks, typed values and keys. The values taken,
// the result of the sheet, refused input with its messages, cancelling,
// batch mode and one snapshot of the sheet.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "dialogs/fields.h"
#include "dialogs/tablesheet.h"
#include "dialogs/valuecheck.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "snapshot.h"

namespace test_field_sheet {
namespace {

// The record the sheet edits (a copy of the caller's, as a dialog works).
struct Weld_Input {
    char name[13];
    double length;
    int all_round;
    int position;
    int grade;
    char code[9];
};

Weld_Input edited;
int on = 1, read_only = -1;
const char grades[3][8] = {"S235", "S355", "S460"};

// The page, in content coordinates of the page area.
void Fill_Weld_Page(int, int) {
    Add_Labelled_Text_Field(10, 25, "Bezeichnung", &on);
    Add_Field_Edit_Text_Padded(120, 25, edited.name, 12, &on);
    int w = Add_Field_Symbol(10, 55, "l", "w", &on);
    Add_Labelled_Text_Field(10 + w, 55, "[mm]", &on);
    Add_Field_Float_with_Range(120, 55, &edited.length, 500.0, 2200.0, &on);
    Add_Choice_Field(10, 85, "umlaufende Naht", &edited.all_round, &on);
    Add_Field_Radio_Button(10, 115, "oben", 1, &edited.position, &on);
    Add_Field_Radio_Button(110, 115, "unten", 2, &edited.position, &on);
    Add_Labelled_Text_Field(10, 145, "Güte"_cp, &on);
    Add_Shaded_Fixed_Width_Field(120, 145, grades[0], nullptr, 8, 3, &edited.grade, &on);
    Add_Labelled_Text_Field(10, 175, "Norm", &on);
    Add_Field_Edit_Text(120, 175, edited.code, 0, &read_only);
}

// The page area's content origin on the screen, known once the sheet is
// built: the events are scripted from there.
int page_x = 0, page_y = 0, ok_x = 0, ok_y = 0, break_x = 0, break_y = 0;
void Sheet_Built(int x1, int y1, int x2, int y2) {
    page_x = x1 + 8;
    page_y = y1 + 33 + 8;
    ok_x = x2 - 8 - 23 + 5;
    ok_y = y2 - 29 + 5;
    break_x = x1 + 8 - 3 + 5;
    break_y = ok_y;
}

// A click at content position (x, y) of the page.
void Click(int x, int y) { VEK_Script_Click(page_x + x, page_y + y); }

// The session's events, queued when the sheet is built.
void (*script)(void) = nullptr;
void Built_Then_Script(int x1, int y1, int x2, int y2) {
    Sheet_Built(x1, y1, x2, y2);
    if (script) script();
}

// A snapshot when only the closing click is left.
bool snap = false;
int sheet_x1 = 0, sheet_y1 = 0;
void Snapshot_Before_Close(int) {
    if (snap && VEK_Script_Pending() == 1) {
        snapshot::Expect_Screen_Matches("field_sheet", sheet_x1, sheet_y1, sheet_x1 + 415, sheet_y1 + 275);
        snap = false;
    }
}

class Field_Sheet : public ::testing::Test {
protected:
    void SetUp() override {
        pxInitScreen(640, 480);
        Init_Screen_Colors();
        Init_Mouse_Move_Restriction(0, 0, 639, 479);
        edited = Weld_Input{"Naht 1", 1000.0, 0, 1, 0, "EN 1993"};
        Init_Table_Sheet_Descriptor(&d);
        d.mode = TABLE_SHEET_CONFIRM;
        std::snprintf(d.title, sizeof d.title, "Schweißnaht"_cp);
        d.content_height = 200;
        d.content_width = 400;
        d.built = Built_Then_Script;
        d.pass = Snapshot_Before_Close;
        Init_Table_Sheet_Pages(1, &page);
        page.fill = Fill_Weld_Page;
        script = nullptr;
        snap = false;
    }
    Table_Sheet_Descriptor d;
    Table_Sheet_Page page;
};

const std::vector<VEKRecordedMessage>& Boxes() { return VEK_Recorded_Messages(); }

}  // namespace

// Text, number, check box, radio button and drop-down edited; OK takes it.
TEST_F(Field_Sheet, EditedValuesAreTakenOnOk) {
    script = [] {
        Click(131, 21);
        VEK_Script_Type("Naht A", 0);
        Click(131, 51);
        VEK_Script_Type("1200", 0);
        Click(15, 80);            // the check box, left of its text
        Click(115, 110);          // "unten"
        Click(131, 141);          // the drop-down: one row down, taken
        VEK_Script_Key(VEK_KEY_DOWN);
        VEK_Script_Key(VEK_KEY_ENTER);
        Click(131, 171);          // read-only: no editor takes a text
        VEK_Script_Click(ok_x, ok_y);
    };
    snap = true;
    sheet_x1 = 320 - 208;
    sheet_y1 = 240 - 138;
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 1);
    EXPECT_FALSE(snap) << "no snapshot was taken";
    EXPECT_STREQ(edited.name, "Naht A      ");  // padded to the field's 12
    EXPECT_DOUBLE_EQ(edited.length, 1200.0);
    EXPECT_EQ(edited.all_round, 1);
    EXPECT_EQ(edited.position, 2);
    EXPECT_EQ(edited.grade, 1);
    EXPECT_STREQ(edited.code, "EN 1993");
    EXPECT_EQ(VEK_Script_Pending(), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
}

// Letters in the number, a number outside 500..2200 and a text longer than
// its field are each refused with a message; the old value stays and
// nothing is cut.
TEST_F(Field_Sheet, BadInputKeepsTheOldValueAndSaysWhy) {
    script = [] {
        Click(131, 51);
        VEK_Script_Type("12abc", 0);
        Click(131, 51);
        VEK_Script_Type("100", 0);
        Click(131, 51);
        VEK_Script_Type("3000", 0);
        Click(131, 21);
        VEK_Script_Type("Naht am Steg oben", 0);
        VEK_Script_Click(ok_x, ok_y);
    };
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 1);
    EXPECT_DOUBLE_EQ(edited.length, 1000.0);
    EXPECT_STREQ(edited.name, "Naht 1      ");
    ASSERT_EQ(Boxes().size(), 4u);
    EXPECT_EQ(Boxes()[0].lines, (std::vector<std::string>{"Die Eingabe \"12abc\" ist keine Zahl.",
                                                          "Der bisherige Wert bleibt erhalten."}));
    for (const char* typed : {"100", "3000"})
        EXPECT_EQ(Boxes()[typed[0] == '1' ? 1 : 2].lines,
                  (std::vector<std::string>{"Der Wert " + std::string(typed) +
                                                " liegt au\xE1" "erhalb des zul\x84" "ssigen Bereichs von 500 bis 2200.",
                                            "Der bisherige Wert 1000.0 bleibt erhalten."}));
    EXPECT_EQ(Boxes()[3].lines, (std::vector<std::string>{"Der Text ist zu lang: h\x94" "chstens 12 Zeichen.",
                                                          "Der bisherige Text bleibt erhalten."}));
}

// Break leaves with 0: the caller drops the copy it let the sheet edit. So
// does the window's close request.
TEST_F(Field_Sheet, CancelledByBreakOrClose) {
    script = [] {
        Click(15, 80);
        VEK_Script_Click(break_x, break_y);
    };
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 0);
    EXPECT_EQ(edited.all_round, 1);  // edited in the copy, which the caller drops
    script = [] { VEK_Script_Close(); };
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 0);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
}

// In batch mode the sheet does not open: its title goes to stderr and the
// result is break, without waiting for anything.
TEST_F(Field_Sheet, BatchModeReturnsBreakAtOnce) {
    VEK_Set_Batch_Mode(1);
    VEK_Script_Click(10, 10);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Edit_Table_Wizard_Sheet(&d, &page), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Schwei\xE1naht\n");
    EXPECT_EQ(VEK_Script_Pending(), 1);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
}

}  // namespace test_field_sheet
