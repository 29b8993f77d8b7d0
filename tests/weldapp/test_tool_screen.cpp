// Screen helpers of the tool module on the headless screen.
#include <gtest/gtest.h>

#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"
#include "support/testutil.h"
#include "weldapp/tool_screen.h"

TEST(ToolScreen, PointNearSegment) {
    // A horizontal segment (0,0)-(100,0) and one at 45 degrees; tolerance 3.
    struct Case {
        int x0, y0, x1, y1, px, py, near;
    } cases[] = {
        {0, 0, 100, 0, 50, 3, 1},  {0, 0, 100, 0, 50, 4, 0},   {0, 0, 100, 0, 103, 0, 1},
        {0, 0, 100, 0, 104, 0, 0}, {0, 0, 100, 100, 52, 48, 1},  // distance 4 / sqrt 2 = 2.83
        {0, 0, 100, 100, 53, 47, 0},                               // 6 / sqrt 2 = 4.24
        {5, 5, 5, 5, 5, 5, 0},                                     // no length
    };
    for (const Case& c : cases)
        EXPECT_EQ(Point_Near_Segment(c.x0, c.y0, c.x1, c.y1, c.px, c.py), c.near) << c.px << "," << c.py;
    Set_Hit_Tolerance(10);
    EXPECT_EQ(Point_Near_Segment(0, 0, 100, 0, 50, 10), 1);
    Set_Hit_Tolerance(3);
}

TEST(ToolScreen, ProgressBarsAndSavedRectangle) {
    const int empty = Nearest_Color_Index(235, 245, 225), full = Nearest_Color_Index(32, 96, 192);
    int slots[6];
    for (int i = 0; i < 6; ++i) slots[i] = Open_Progress_Bar(10, 20 + 20 * i, 100, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(slots[i], i);
    EXPECT_EQ(Open_Progress_Bar(10, 200, 100, 0), -1);  // a seventh
    EXPECT_EQ(pxGetPixel(50, 20), empty);
    Set_Progress_Bar(0, 0.5);  // 50 px filled: row 0 in the first colour
    EXPECT_EQ(pxGetPixel(40, 20), full);
    EXPECT_EQ(pxGetPixel(70, 20), empty);
    Set_Progress_Bar(0, 0.2);
    EXPECT_EQ(pxGetPixel(40, 20), empty);
    for (int i = 0; i < 6; ++i) Close_Progress_Bar(i);
    EXPECT_EQ(Open_Progress_Bar(10, 20, 100, 0), 0);
    Close_Progress_Bar(0);
    // A framed bar stands on the panel of a sheet (face colour, black frame
    // from (290, 290) to (360, 318)) and puts back what was under it.
    const int before = pxGetPixel(300, 300);
    const int slot = Open_Progress_Bar(300, 300, 50, 1);
    EXPECT_NE(pxGetPixel(300, 300), before);
    EXPECT_EQ(pxGetPixel(290, 290), BLACK_CI);
    EXPECT_EQ(pxGetPixel(360, 318), BLACK_CI);
    EXPECT_EQ(pxGetPixel(295, 295), MENUE_CI);
    EXPECT_EQ(pxGetPixel(365, 305), GetVEKColor(-1));  // the cleared margin right of the panel
    Close_Progress_Bar(slot);
    EXPECT_EQ(pxGetPixel(300, 300), before);
}

TEST(ToolScreen, ViewerNeedsExecAndTheTool) {
    testutil::TempDir dir;
    {
        testutil::ScopedEnv exec("EXEC", std::nullopt);
        VEK_Clear_Recorded_Messages();
        Show_Picture_in_Viewer("bild.bmp");
        ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
        EXPECT_EQ(VEK_Recorded_Messages()[0].title, "Installationsfehler");
    }
    testutil::ScopedEnv exec("EXEC", dir.str());
    VEK_Clear_Recorded_Messages();
    Show_Picture_in_Viewer("bild.bmp");
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    EXPECT_EQ(VEK_Recorded_Messages()[0].lines.at(1), "- BILDSCHAU -");
}

TEST(ToolScreen, RubberRectangleAndPictureSheet) {
    // Without events the button is up: the rectangle ends at once where the
    // mouse is, and nothing stays drawn.
    const int before = pxGetPixel(20, 20);
    int x = -5, y = -5;
    Drag_Rubber_Rectangle(20, 20, &x, &y);
    EXPECT_EQ(x, M_XPOS);
    EXPECT_EQ(y, M_YPOS);
    EXPECT_EQ(pxGetPixel(20, 20), before);
    // While the rectangle follows a held button the cursor is hidden; it is
    // shown again at the end.
    static int hidden_seen;
    hidden_seen = 0;
    Define_Call_Allways_Function([] { hidden_seen += msVisi(VEK_CURSOR_QUERY) == 0; });
    Activate_Call_Allways_Function(1);
    VEK_Script_Press(30, 30);
    VEK_Script_Move(60, 50);
    VEK_Script_Release();
    Drag_Rubber_Rectangle(20, 20, &x, &y);
    Activate_Call_Allways_Function(0);
    EXPECT_EQ(x, 60);
    EXPECT_EQ(y, 50);
    EXPECT_GT(hidden_seen, 0);
    EXPECT_EQ(msVisi(VEK_CURSOR_QUERY), 1);
    EXPECT_EQ(pxGetPixel(40, 20), before);
    const int sheets = VEK_Prop_Sheet_Count();
    Show_Picture_Sheet("Bild", "missing.bmp", 100, 50);
    EXPECT_EQ(VEK_Prop_Sheet_Count(), sheets);
}
