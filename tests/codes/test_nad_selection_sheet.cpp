// The annex selection sheet as scripted sessions: a row clicked and OK
// activates that annex, abbrechen (and closing the window) the one active
// before; the annex editor started from the sheet adds an annex that is
// listed at once; the flags of the list and of Draw_EuroFlag.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "codes/nad.h"
#include "codes/nad_rules.h"
#include "codes/nad_selection_sheet.h"
#include "dialogs/snapshot.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "sheet_fixture.h"

namespace {

// The sheet opens at the screen centre (640, 512): its corners are
// (495, 367) and (785, 656). The list area's rows start at (507, 427),
// 25 pixels apart; the editor button of the head row is at (758, 409).
constexpr int kLeft = 495, kTop = 367, kRight = 785, kBottom = 656;

void Click_Row(int i) { VEK_Script_Click(kLeft + 100, kTop + 60 + 5 + 25 * i + 10); }
void Click_OK() { VEK_Script_Click(kLeft + 260, kTop + 270); }
void Click_Break() { VEK_Script_Click(kLeft + 26, kTop + 270); }

class SelectionSheet : public ::testing::Test {
protected:
    void SetUp() override {
        tree.User_Annex(1, 4, "Frankreich", 1.0);
        tree.User_Annex(2, 9, "Niederlande", 1.0);
        tree.User_Annex(3, 13, "Schweiz, Ausgabe Juni 2023", 1.05);
        Set_Active_NAD_By_Name("Deutschland");
        VEK_Clear_Recorded_Messages();
    }
    testutil::SheetTree tree;
};

TEST_F(SelectionSheet, ClickedRowAndOkActivatesThatAnnex) {
    Click_Row(4);  // the Swiss annex, highlighted at once
    Click_OK();
    NAD_Selection_Sheet();
    EXPECT_STREQ(Get_Active_NAD_Name(), "Schweiz, Ausgabe Juni 2023");
    EXPECT_EQ(Get_Active_NAD_Id(), 13);
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.05);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    // The last picture of the sheet: five rows with their flags, the
    // built-ins in blue, the long name shortened, the Swiss row framed.
    snapshot::Expect_Screen_Matches("nad_selection", kLeft, kTop, kRight, kBottom, "codes");
}

TEST_F(SelectionSheet, BreakAndCloseActivateTheAnnexActiveBefore) {
    for (const bool close : {false, true}) {
        Click_Row(2);
        if (close)
            VEK_Script_Close();
        else
            Click_Break();
        NAD_Selection_Sheet();
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
        EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.1);
        EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    }
    // An empty queue is a close request too: the sheet ends, nothing hangs.
    NAD_Selection_Sheet();
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
}

// Moved by the user (30, 20), the sheet opens there the next time.
TEST_F(SelectionSheet, TheSheetKeepsItsPlace) {
    Define_Call_Allways_Function([] { VEK_Set_Prop_Sheet_Displacement(30, 20); });
    Activate_Call_Allways_Function(1);
    Click_OK();
    NAD_Selection_Sheet();
    Activate_Call_Allways_Function(0);
    VEK_Script_Click(kLeft + 30 + 100, kTop + 20 + 60 + 5 + 25 * 2 + 10);
    VEK_Script_Click(kLeft + 30 + 260, kTop + 20 + 270);
    NAD_Selection_Sheet();
    EXPECT_STREQ(Get_Active_NAD_Name(), "Frankreich");
}

TEST_F(SelectionSheet, AnnexEditorAddsAnAnnexThatIsListedAtOnce) {
    // The editor (a fake tool) gets its path and the active name, and adds
    // user annex 4.
    tree.User_Annex(9, 2, "Daenemark", 1.2);
    const std::string exec = tree.dir.file("EXEC");
    std::filesystem::create_directories(exec);
    const std::string tool = exec + "/AnnexEdit";
    testutil::Write_File(tool, "#!/bin/sh\necho \"$@\" > \"$DRAM/editor_args\"\nmv \"$DRAM/NADS/9.NAD\" "
                               "\"$DRAM/NADS/4.NAD\"\n");
    chmod(tool.c_str(), 0755);
    testutil::ScopedEnv exec_env("EXEC", exec);
    VEK_Script_Click(762, 412);  // the editor button of the head row
    Click_Row(5);                // the new annex, at the end of the list
    Click_OK();
    NAD_Selection_Sheet();
    EXPECT_EQ(testutil::Read_File(tree.dir.file("DRAM/editor_args")), "Deutschland\n");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Daenemark");
    EXPECT_DOUBLE_EQ(Get_NAD_EC3()->ec3_1.gamma_M1, 1.2);
}

// Without the editor (or without EXEC) its button says so in a box, as
// the desktop's other tools do, and the list is read again.
TEST_F(SelectionSheet, AnnexEditorMissingIsNamedInABox) {
    const std::string exec = tree.dir.file("EXEC");
    std::filesystem::create_directories(exec);
    const struct {
        std::optional<std::string> exec;
        std::vector<std::string> lines;
    } cases[] = {{exec, {"Das VEK-Werkzeug", "- AnnexEdit -", "ist nicht installiert!"}},
                 {std::nullopt, {"Das EXEC-Verzeichnis", "ist nicht ermittelbar!"}}};
    for (const auto& c : cases) {
        testutil::ScopedEnv exec_env("EXEC", c.exec);
        VEK_Clear_Recorded_Messages();
        VEK_Script_Click(762, 412);
        Click_OK();
        NAD_Selection_Sheet();
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
        EXPECT_EQ(VEK_Recorded_Messages()[0].lines, c.lines);
        EXPECT_EQ(VEK_Script_Pending(), 0);
        EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    }
}

TEST_F(SelectionSheet, BatchModeOpensNothing) {
    VEK_Set_Batch_Mode(1);
    Click_Row(2);
    Click_OK();
    testing::internal::CaptureStderr();
    NAD_Selection_Entry();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Nationale Anwendungsdokumente\n");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Deutschland");
    EXPECT_EQ(VEK_Script_Pending(), 2);
    EXPECT_EQ(VEK_Batch_Fault_Count(), 0);
    VEK_Set_Batch_Mode(0);
}

// The further entry points forward: the selection (here in batch mode, so
// only its title), the active name, the bridge factors and the active flag
// give what the functions they forward to give; the stubs do nothing.
TEST_F(SelectionSheet, EntryPointsForward) {
    VEK_Set_Batch_Mode(1);
    testing::internal::CaptureStderr();
    Open_NAD_Selection();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Nationale Anwendungsdokumente\n");
    VEK_Set_Batch_Mode(0);
    auto Text = [](auto write) {
        FILE* f = std::tmpfile();
        write(f);
        std::string s = testutil::Stream_Text(f);
        std::fclose(f);
        return s;
    };
    const std::string name = Text([](FILE* f) { Write_ACTIV_NADNAME(f); });
    EXPECT_NE(name.find("Deutschland"), std::string::npos) << name;
    EXPECT_EQ(Text([](FILE* f) { Write_ACTIV_NADNAME_Entry_2(f); }), name);
    const std::string bridge = Text([](FILE* f) { Print_NAD_Bridge_Factors_If_Used(f); });
    EXPECT_EQ(Text([](FILE* f) { Print_NAD_Bridge_Factors_Entry(f); }), bridge);
    EXPECT_EQ(Text([](FILE* f) { Print_NAD_Bridge_Factors_Entry_2(f); }), bridge);
    pxFgc(WHITE_CI);
    pxRect(0, 0, 200, 100);
    Draw_Active_NAD_Flag(10, 10);
    Draw_Active_NAD_Flag_Entry_2(100, 10);
    int differing = 0, coloured = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            differing += pxGetPixel(x, y) != pxGetPixel(x + 90, y);
            coloured += pxGetPixel(x, y) != WHITE_CI;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(coloured, 100);  // a flag was drawn
    NAD_Stub_Empty(4);
    EXPECT_EQ(NAD_Stub_Zero(), 0);
}

// A project's annex that cannot be found: the warning sheet (centred,
// 300 x 224) says so; its picture button opens the selection sheet, where
// an annex that exists is chosen, and the checks can be made again.
TEST_F(SelectionSheet, WarningSheetOffersTheSelection) {
    VEK_Script_Click(640 - 150 + 10 + 190, 512 - 112 + 40 + 140);  // the picture button
    Click_Row(2);
    Click_OK();
    Set_Active_NAD_By_Name("Belgien");
    EXPECT_STREQ(NAD_Unknown_Name(), "");
    EXPECT_STREQ(Get_Active_NAD_Name(), "Frankreich");
    EXPECT_EQ(VEK_Recorded_Messages().size(), 0u);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), 0);
    // OK of the title row ends the warning: the name stays unknown.
    VEK_Script_Key(0x0D);
    Set_Active_NAD_By_Name("Belgien");
    EXPECT_STREQ(NAD_Unknown_Name(), "Belgien");
    snapshot::Expect_Screen_Matches("nad_warning", 490, 400, 790, 624, "codes");
}

// The list alone, in an area of a sheet of the test: the rows' texts and
// colours, and a pick taken over at the next fill.
TEST_F(SelectionSheet, ListRowsAndPick) {
    testutil::Host_Sheet host(400, 300, 700, 600, "Liste");
    Scan_NAD_List();
    Draw_NAD_Selection_List(host.area);
    // 26 characters are 8 x 26 - 3 = 205 pixels wide, above the row's 180;
    // 19 characters and "..." are 173.
    const std::vector<std::string> want = {"EC-Standardparameter", "Deutschland", "Frankreich", "Niederlande",
                                           "Schweiz, Ausgabe Ju..."};
    EXPECT_EQ(testutil::Area_Texts(host.area), want);
    int blue = 0, black = 0;
    for (const Scrollable_Area_Item* it : testutil::Area_Items(host.area))
        if (it->kind == AREA_ITEM_TEXT) (it->colour == BLACK_CI ? black : blue)++;
    EXPECT_EQ(blue, 2);
    EXPECT_EQ(black, 3);
    // A click on the third row picks "Frankreich"; the next fill makes it
    // the active name (not yet activated).
    Activate_Prop_Sheet();
    VEK_Script_Click(401 + 10 + 100, 300 + 30 + 5 + 50 + 10);
    EXPECT_EQ(Edit_Prop_Sheet(), 1);
    EXPECT_EQ(Edit_Scrollable_View_Area(host.area), 1);
    Draw_NAD_Selection_List(host.area);
    EXPECT_STREQ(Get_Requested_NAD_Name(), "Frankreich");
    EXPECT_EQ(Get_Active_NAD_Id(), NAD_ID_DEUTSCHLAND);
}

// Flag k of the bitmap: the German flag's three stripes, a number above 19
// drawing flag 17, and nothing from the list callback without DATA.
TEST_F(SelectionSheet, Flags) {
    pxFgc(WHITE_CI);
    pxRect(0, 0, 200, 100);
    Draw_EuroFlag(10, 10, 34, 28, 201, 18);
    int r, g, b;
    // Black, red (221, 0, 0) and gold (255, 206, 0), each the nearest colour
    // of the screen's 6 x 6 x 6 cube (steps of 51): 221 and 206 go to 204.
    const int expected[3][3] = {{0, 0, 0}, {204, 0, 0}, {255, 204, 0}};
    for (int stripe = 0; stripe < 3; ++stripe) {
        pxQCR(pxGetPixel(22, 10 + 3 + 6 * stripe), &r, &g, &b);
        EXPECT_EQ(r, expected[stripe][0]);
        EXPECT_EQ(g, expected[stripe][1]);
        EXPECT_EQ(b, expected[stripe][2]);
    }
    Draw_EuroFlag(50, 10, 74, 28, 201, 25);
    Draw_EuroFlag(90, 10, 114, 28, 201, 17);
    for (int y = 10; y <= 28; ++y)
        for (int x = 0; x <= 24; ++x) ASSERT_EQ(pxGetPixel(50 + x, y), pxGetPixel(90 + x, y)) << x << "," << y;
    {
        testutil::ScopedEnv no_data("DATA", "");
        Draw_NAD_List_Flag(130, 10, 160, 40, 18);
        EXPECT_EQ(pxGetPixel(140, 20), WHITE_CI);
    }
    Draw_NAD_List_Flag(130, 10, 160, 40, 18);
    EXPECT_EQ(pxGetPixel(140, 12), BLACK_CI);
}

}  // namespace
