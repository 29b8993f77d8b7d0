// Picture state and block, graphic records and primitive writers, byte for
// byte: heads with and without captions, axis words, turned extents, the
// refusal of a scale of 0, the standard scale and its message, colours and
// their lightness, rectangles in pictures of every axis direction, frames,
// polygons and polylines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "platform/msgbox.h"
#include "printlist/ioliplot.h"
#include "printlist/picture_capture.h"
#include "printlist/plotfile.h"

namespace {

const double PI = 3.14159265358979323846;

// ---- picture block -----------------------------------------------------------

TEST_F(PictureTest, HeadWithoutCaptionsAndWithTheSecondLineOnly) {
    EXPECT_GT(Oli_Grafik_Begin(oli_, 0, 0, 10, 5, 2.0, 1.0, 0.0, nullptr), 0);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 20.000000 0.000000 5.000000\n");

    OliGrafik_Captions captions;
    std::memset(&captions, 0, sizeof captions);
    std::strcpy(captions.line[1], "Draufsicht");
    Oli_Grafik_Begin_Uniform(oli_, 0, 0, 10, 5, 1.0, 0.0, &captions);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 1 0\n Draufsicht\n 0 0 0\n-1\n"
                      "0.000000 10.000000 0.000000 5.000000\n");

    std::strcpy(captions.line[4], "Schnitt A-A");
    std::strcpy(captions.line[5], "M 1:10");
    Oli_Grafik_Begin(oli_, 0, 0, 10, 5, 1.0, 1.0, 0.0, &captions);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 1 0\n Draufsicht\n 0 1 1\n Schnitt A-A\n M 1:10\n-1\n"
                      "0.000000 10.000000 0.000000 5.000000\n");
}

TEST_F(PictureTest, AxisWordsFollowTheExtent) {
    const Oli_Picture_State* s = Oli_Get_Picture_State();
    Oli_Grafik_Begin_Plain(oli_, 0, 26, 15, 0, 1.0, 1.0);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 26.000000 0.000000\n");
    EXPECT_EQ(s->x_direction, 1);
    EXPECT_EQ(s->y_direction, 2);
    EXPECT_EQ(s->mirror_flag, 1);
    EXPECT_EQ(s->mirror_sign, -1.0);
    EXPECT_EQ(s->y_sum, 26.0);

    Oli_Grafik_Begin_Plain(oli_, 0, 0, 15, 26, 1.0, 1.0);
    EXPECT_EQ(s->x_direction, 1);
    EXPECT_EQ(s->y_direction, 0);
    EXPECT_EQ(s->mirror_flag, 0);
    EXPECT_EQ(s->mirror_sign, 1.0);

    Oli_Grafik_Begin_Plain(oli_, 15, 0, 0, 26, 1.0, 1.0);  // x runs down, y up
    EXPECT_EQ(s->x_direction, 3);
    EXPECT_EQ(s->y_direction, 0);
    EXPECT_EQ(s->mirror_sign, -1.0);

    Oli_Grafik_Begin_Plain(oli_, 15, 26, 0, 0, 1.0, 1.0);  // both run down
    EXPECT_EQ(s->x_direction, 3);
    EXPECT_EQ(s->y_direction, 2);
    EXPECT_EQ(s->mirror_flag, 1);
    EXPECT_EQ(s->mirror_sign, 1.0);
}

TEST_F(PictureTest, TurnedExtentKeepsTheCallersOrder) {
    // A quarter turn maps (x, y) to (y, -x).
    Oli_Grafik_Begin(oli_, 0, 0, 10, 5, 1.0, 1.0, PI / 2, nullptr);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 5.000000 -10.000000 0.000000\n");
    EXPECT_EQ(Oli_Get_Picture_State()->y_sum, -10.0);

    // A rotation that rounds to 0 leaves the extent alone, yet the writers
    // still turn their points by it.
    Oli_Grafik_Begin(oli_, 0, 0, 10, 5, 1.0, 1.0, 0.0004, nullptr);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 10.000000 0.000000 5.000000\n");
    Oli_Line(1, 0, 0, 1);
    EXPECT_EQ(Take(), " 1  1.000000 -0.000400 0.000400 1.000000\n");
}

TEST_F(PictureTest, ScaleOfZeroIsRefusedWithoutWriting) {
    Open(0, 0, 10, 10, 2.0, 2.0);
    const Oli_Picture_State before = *Oli_Get_Picture_State();
    EXPECT_EQ(Oli_Grafik_Begin(oli_, 0, 0, 10, 10, 0.0, 1.0, 0.0, nullptr), OLI_GRAFIK_NO_SCALE);
    EXPECT_EQ(Oli_Grafik_Begin_Uniform(oli_, 0, 0, 10, 10, 0.0, 0.0, nullptr), OLI_GRAFIK_NO_SCALE);
    EXPECT_EQ(Oli_Grafik_Begin_Plain(oli_, 0, 0, 10, 10, 1.0, NAN), OLI_GRAFIK_NO_SCALE);
    EXPECT_EQ(Take(), "");
    EXPECT_EQ(Oli_Get_Picture_State()->scale_x, before.scale_x);
    EXPECT_EQ(Oli_Get_Picture_State()->small_length, before.small_length);
    EXPECT_EQ(Oli_Get_Picture_State()->small_length, 0.15);
}

TEST_F(PictureTest, NullStreamKeepsTheStateAndWritesNothing) {
    EXPECT_EQ(Oli_Grafik_Begin(nullptr, 0, 8, 4, 0, 0.5, 0.25, 0.0, nullptr), 0);
    EXPECT_EQ(Oli_Get_Picture_State()->scale_y, 0.25);
    EXPECT_EQ(Oli_Get_Picture_State()->y_direction, 2);
    Oli_Line(0, 0, 1, 1);  // no stream, nothing to fail
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, TextAngleIsMirroredAndReducedByWholeTurns) {
    Open(0, 0, 10, 10);
    Oli_Set_Text_Angle(7.0);
    EXPECT_DOUBLE_EQ(Oli_Get_Text_Angle(), 7.0 - 2 * PI);
    Oli_Set_Text_Angle(20.0);
    EXPECT_NEAR(Oli_Get_Text_Angle(), 20.0 - 6 * PI, 1e-12);
    Oli_Set_Text_Angle(1e30);  // far angles end too, within one turn
    EXPECT_GT(Oli_Get_Text_Angle(), 0.0);
    EXPECT_LE(Oli_Get_Text_Angle(), 2 * PI);
    Oli_Set_Text_Angle(2 * PI);  // not above a whole turn: kept
    EXPECT_DOUBLE_EQ(Oli_Get_Text_Angle(), 2 * PI);
    Open(0, 10, 10, 0);  // mirror sign -1
    Oli_Set_Text_Angle(7.0);
    EXPECT_DOUBLE_EQ(Oli_Get_Text_Angle(), -7.0);
    // No number, or an endless one: the angle before stays, and the text
    // record after it carries no "nan".
    for (double bad : {NAN, INFINITY, -INFINITY}) {
        Oli_Set_Text_Angle(bad);
        EXPECT_DOUBLE_EQ(Oli_Get_Text_Angle(), -7.0);
    }
    Take();
    Oli_Text_At(1, 1, "A");
    EXPECT_EQ(Take().find("nan"), std::string::npos);
}

TEST_F(PictureTest, WorldToPaperAndBack) {
    Open(0, 0, 10, 10, 0.5, 0.25, PI / 2);
    double px = 0, py = 0;
    Oli_World_To_Paper(2.0, 4.0, &px, &py);  // turned to (4, -2)
    EXPECT_NEAR(px, 2.0, 1e-12);
    EXPECT_NEAR(py, -0.5, 1e-12);
    Oli_World_To_Paper(2.0, 4.0, nullptr, &py);
    Oli_World_To_Paper(2.0, 4.0, &px, nullptr);
    double ax = 0, ay = 0;
    Oli_Paper_To_World_Length(1.0, &ax, &ay);
    EXPECT_EQ(ax, 2.0);
    EXPECT_EQ(ay, 4.0);
}

class StandardScaleTest : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        Set_Message_Console(0);
        Enable_Messages();
        VEK_Clear_Recorded_Messages();
    }
};

TEST_F(StandardScaleTest, FirstScaleThatFitsAndTheMessageWhenNoneDoes) {
    EXPECT_EQ(Oli_Find_Standard_Scale(10, 10, 1, 1), 2);  // r = 0.1 is not above 1/10
    EXPECT_EQ(Oli_Find_Standard_Scale(17, 25, 0.1, 0.1), 0);
    EXPECT_EQ(Oli_Find_Standard_Scale(17, 10, 1, 0.05), 1);  // r = 0.17: above 1/10, not 1/5
    EXPECT_EQ(Oli_Find_Standard_Scale(15, 15, 10, 10), 4);   // r = 0.015: first above is 1/75
    EXPECT_EQ(Oli_Find_Standard_Scale(15, 15, 150, 150), 17);  // r = 0.001 is not above 1/1000
    EXPECT_TRUE(VEK_Recorded_Messages().empty());

    Set_Message_Mode(MESSAGE_MODE_COLLECT);
    EXPECT_EQ(Oli_Find_Standard_Scale(15, 15, 1000, 10), -1);
    // The caller's mode is left as it was.
    EXPECT_EQ(Get_Message_Mode(), MESSAGE_MODE_COLLECT);
    ASSERT_EQ(VEK_Recorded_Messages().size(), 1u);
    const VEKRecordedMessage& box = VEK_Recorded_Messages()[0];
    ASSERT_EQ(box.lines.size(), 2u);
    EXPECT_EQ(box.lines[0], "Benötigter Maßstab für Darstellung in der Druckliste zu klein!"_cp);
    EXPECT_EQ(box.lines[1], "  -> Geometriedaten überprüfen und korrigieren."_cp);
    Set_Message_Mode(MESSAGE_MODE_BOX);
}

TEST_F(PictureTest, BoundingBoxRedirectionAndSwitches) {
    Open(0, 0, 10, 10);
    Oli_Reset_Bounding_Box();
    double xmin, ymin, xmax, ymax;
    Oli_Get_Bounding_Box(&xmin, &ymin, &xmax, &ymax);
    EXPECT_EQ(xmin, 1e100);
    EXPECT_EQ(xmax, -1e100);
    Oli_Filled_Circle(2, 3, 1);  // the whole diameter on each side
    Oli_Line(-4, 0, 0, 9);
    Oli_Get_Bounding_Box(&xmin, nullptr, &xmax, nullptr);
    Oli_Get_Bounding_Box(nullptr, &ymin, nullptr, &ymax);
    EXPECT_EQ(xmin, -4.0);
    EXPECT_EQ(ymin, 0.0);
    EXPECT_EQ(xmax, 3.0);
    EXPECT_EQ(ymax, 9.0);
    Take();

    FILE* other = std::tmpfile();
    Oli_Redirect_Output(other);
    Oli_Fill_Record(2);
    EXPECT_EQ(Oli_Restore_Output(), oli_);
    Oli_Fill_Record(4);
    EXPECT_EQ(Take_Stream(other), " 20  2\n");
    std::fclose(other);
    EXPECT_EQ(Take(), " 20  4\n");

    EXPECT_EQ(Oli_Get_List_Version(), 338);
    Oli_Set_List_Version(334);
    EXPECT_EQ(Oli_Get_List_Version(), 334);
    Oli_Set_List_Version(338);
    Oli_Set_Color_Mode(1);
    EXPECT_EQ(Oli_Get_Color_Mode(), 1);
}

// ---- graphic records -----------------------------------------------------------

TEST_F(PictureTest, FillDashAndElementRecords) {
    Open(0, 0, 10, 10);
    Oli_Fill_Record(44);
    Oli_Set_Fill_Mode(0);
    Oli_Fill_Record(44);
    Oli_Set_Fill_Mode(1);
    Oli_Dash_Pattern(7);
    Oli_Dash_Pattern(-1);
    Oli_Dash_Pattern(1);
    Oli_Dash_Pattern(3);
    Oli_Dash_Pattern(4);
    EXPECT_EQ(Take(), " 20  44\n 20  0\n 38 0   0\n 38 0   0\n 38 2 0.1 0.1 0\n"
                      " 38 4 0.28 0.05 0.04 0.05 0\n 38 2 0.01 0.28 0\n");

    Oli_Element_Begin();
    Oli_Set_Text_Angle(1.0);
    Oli_Get_Picture_State()->rotation = 0.5;
    Oli_Element_End();
    EXPECT_EQ(Take(), " 30\n 31\n");
    EXPECT_EQ(Oli_Get_Text_Angle(), 0.0);
    EXPECT_EQ(Oli_Get_Picture_State()->rotation, 0.0);
    Oli_Set_Color_Mode(1);
    Oli_Element_Begin();
    Oli_Element_End();
    EXPECT_EQ(Take(), " 30\n 52\n 31\n 53\n");
}

// The watch on the element bracket counts an element opened inside
// another, one closed that is not open, and one left open when the next
// picture begins; the writers never do any of these, and every test ends
// with the count checked. This test makes the faults and puts the watch
// back.
TEST_F(PictureTest, ElementWatchCountsNestedAndUnbalancedElements) {
    Open(0, 0, 10, 10);
    Oli_Element_Begin();
    Oli_Element_End();
    EXPECT_EQ(Oli_Element_Faults(), 0);
    Oli_Element_Begin();
    EXPECT_EQ(Oli_Element_Faults(), 1);  // still open
    Oli_Element_Begin();
    Oli_Element_End();
    Oli_Element_End();
    EXPECT_EQ(Oli_Element_Faults(), 1);  // nested
    Oli_Element_End();
    EXPECT_EQ(Oli_Element_Faults(), 2);  // closed when none is open
    Oli_Element_Begin();
    Open(0, 0, 10, 10);
    EXPECT_EQ(Oli_Element_Faults(), 3);  // left open by the picture before
    Take();
    Oli_Reset_Picture_State();
    EXPECT_EQ(Oli_Element_Faults(), 0);
}

// Room for labels: the texts of the picture and the areas marked as taken
// are in the way of a label, and so is the picture's edge; the picture
// drawn on top of another on the same place keeps the other's boxes when
// asked. Extent 0..10 x 0..10 cm at 1 cm per unit, labels 0.3 cm high:
// the font size 0.3 / 0.72 cm = 11.811 pt, 2048 units of the font, each
// 0.0057671 pt; a digit's advance 1303 units = 7.51 pt, set as 8 pt; the
// ink of "8" from 139 to 1163 units of its origin, of "1" from 225.
TEST_F(PictureTest, LabelsKeepClearOfTextsMarksAndTheEdge) {
    Open(0, 0, 10, 10);
    // Centred: the ink of "88" (16 pt) from 5 cm + (-8 pt + 0.8016 pt) =
    // 4.746057 to 5 cm + (-8 + 8 + 6.7071) pt = 5.236613, and the gap of
    // 0.03 beyond it; "1" set on the left of its point at x has its ink
    // from x + 1.2976 pt = x + 0.045776.
    Oli_Text_Box_Printf(5, 5, 4, 4, "%s", "88");
    EXPECT_EQ(Oli_Label_Is_Free(5.2, 5, 4, 3, "1"), 0);    // 5.245: within the gap
    EXPECT_EQ(Oli_Label_Is_Free(5.23, 5, 4, 3, "1"), 1);   // 5.275: clear of it by the gap
    EXPECT_EQ(Oli_Label_Is_Free(9.9, 5, 4, 3, "1"), 0);     // reaches beyond the edge
    Oli_Take_Area(2, 2, 3, 3);
    EXPECT_EQ(Oli_Area_Is_Free(2.5, 2.5, 2.6, 2.6), 0);
    EXPECT_EQ(Oli_Area_Is_Free(3.1, 2.5, 3.2, 2.6), 1);
    EXPECT_GT(Oli_Area_Covered(1.9, 1.9, 3.1, 3.1), Oli_Area_Covered(2.9, 2.9, 3.1, 3.1));
    EXPECT_EQ(Oli_Area_Covered(-1, 0, 1, 1), 1e6);
    // A new picture forgets them, unless it is drawn on top of this one.
    Oli_Keep_Taken_Areas();
    Open(10, 0, 0, 10);  // the same place, its x running to the left
    EXPECT_EQ(Oli_Area_Is_Free(7.5, 2.5, 7.6, 2.6), 0);  // (2.5, 2.5) of the picture below
    Open(0, 0, 10, 10);
    EXPECT_EQ(Oli_Area_Is_Free(2.5, 2.5, 2.6, 2.6), 1);
    Take();
}

// Labels on a hatched plate: with clear labels each text gets a white box
// before it and the fill pattern in force after it (the one before an
// element once the element is closed); a new picture switches them off.
// "88" centred at (5, 5), 0.3 cm high (as above): its ink from -7.1984
// to 6.7071 pt of the point (-0.253943 to 0.236613 cm), from 1520 units
// above the baseline to 29 below it, the baseline 1901 - 2384 / 2 = 709
// units below the point (the line's middle): 811 units = 0.164998 cm
// above the point to 738 units = 0.150146 cm below it; and 0.04 of white
// around: x from 4.706057 to 5.276613, y from 5.204998 down to 4.809854.
// Areas taken for a while are given back.
TEST_F(PictureTest, ClearLabelsAndAreasTakenForAWhile) {
    Open(0, 0, 10, 10);
    Oli_Fill_Record(43);
    Oli_Set_Clear_Labels(1);
    Oli_Element_Begin();
    Oli_Fill_Record(55);
    Oli_Element_End();
    Take();
    Oli_Text_Box_Printf(5, 5, 4, 4, "%s", "88");
    EXPECT_EQ(Take(), " 20  0\n 18 4 4.706057 5.204998 5.276613 5.204998 5.276613 4.809854 4.706057 4.809854 \n"
                      " 20  43\n 9 5.000000 5.000000 5.000000 5.000000 210 \xAE" "88\xAF\n");
    Oli_Text_Box_Printf(5, 5, 4, 4, "%s", " ");  // a blank takes no box
    EXPECT_EQ(Take(), " 9 5.000000 5.000000 5.000000 5.000000 210 \xAE \xAF\n");
    Open(0, 0, 10, 10);
    Oli_Text_Box_Printf(5, 5, 4, 4, "%s", "88");
    EXPECT_EQ(Take(), " 9 5.000000 5.000000 5.000000 5.000000 210 \xAE" "88\xAF\n");
    const size_t from = Oli_Taken_Count();
    Oli_Take_Area(2, 2, 3, 3);
    Oli_Take_Area(6, 6, 7, 7);
    EXPECT_EQ(Oli_Area_Is_Free(2.5, 2.5, 2.6, 2.6), 0);
    Oli_Drop_Taken_Areas(from, from + 1);
    EXPECT_EQ(Oli_Area_Is_Free(2.5, 2.5, 2.6, 2.6), 1);
    EXPECT_EQ(Oli_Area_Is_Free(6.5, 6.5, 6.6, 6.6), 0);
    EXPECT_EQ(Oli_Label_Is_Free(5, 5, 4, 4, "1"), 0);  // the text's box stays taken
    Take();
}

// The overlap a box covers, summed over the taken areas near it, whichever
// cells of the picture's grid the boxes span: a row of 40 squares of 0.1
// across the picture, each in the way with its gap of 0.03 around it, and a
// strip across the whole width. Extent 0..10 x 0..10 cm at 1 cm per unit.
TEST_F(PictureTest, CoveredAreaSumsEveryTakenAreaNearTheBox) {
    Open(0, 0, 10, 10);
    for (int j = 0; j < 40; ++j) Oli_Take_Area(0.2 * j, 5.0, 0.2 * j + 0.1, 5.1);
    Oli_Take_Area(0.5, 8.0, 9.5, 8.1);
    // x 0.95 .. 2.05 meets squares 5 to 9 with their whole reach (0.16 wide)
    // and square 10 from 1.97 (0.08 wide); the height met is 0.04 each.
    EXPECT_NEAR(Oli_Area_Covered(0.95, 4.98, 2.05, 5.02), 5 * 0.16 * 0.04 + 0.08 * 0.04, 1e-12);
    // Within one square's reach only: 0.02 x 0.02.
    EXPECT_NEAR(Oli_Area_Covered(0.21, 5.01, 0.23, 5.03), 0.02 * 0.02, 1e-12);
    // The strip, met in the middle: 0.1 x (8.05 - 7.97 -> from 7.99) = 0.06.
    EXPECT_NEAR(Oli_Area_Covered(4.9, 7.99, 5.0, 8.05), 0.1 * 0.06, 1e-12);
    // The strip and the squares at once, from edge to edge of the picture
    // (the first square's reach cut at the left edge: 0.13 wide).
    EXPECT_NEAR(Oli_Area_Covered(0.0, 5.06, 10.0, 8.02), (0.13 + 39 * 0.16) * 0.07 + 9.06 * 0.05, 1e-9);
    EXPECT_EQ(Oli_Area_Covered(0.0, 6.0, 10.0, 7.0), 0.0);
    Take();
}

TEST_F(PictureTest, ColourRecordsAndGroups) {
    Open(0, 0, 10, 10);
    Oli_Set_Line_RGB(10, 20, 30);  // colour mode off: stored only
    Oli_Color_Control_59();
    Oli_Color_Fill_Group(7, 3);
    EXPECT_EQ(Take(), "");
    Oli_Set_Color_Mode(1);
    Oli_Set_Line_Lightness(0.0);  // rewrites from the stored colour
    Oli_Set_Line_Color(Pack_RGB(255, 0, 0));
    Oli_Set_Line_Lightness(-50.0);
    Oli_Set_Fill_RGB(300, -4, 0);  // stored and written unclamped
    Oli_Set_Fill_Color(Pack_RGB(0, 0, 255));
    Oli_Set_Fill_Lightness(0.0);
    EXPECT_EQ(Take(), "50 10 20 30\n50 255 0 0\n50 128 0 0\n51 300 -4 0\n51 0 0 255\n51 0 0 255\n");
    // Each slot from its own colour and lightness, again and in turn:
    // red at three quarters of its lightness is 0.75 * 255 = 191.25.
    Oli_Set_Line_Lightness(-50.0);
    Oli_Set_Fill_Lightness(0.0);
    Oli_Set_Line_Lightness(-50.0);
    Oli_Set_Line_Lightness(-25.0);
    Oli_Set_Line_RGB(255, 0, 0);
    Oli_Set_Line_RGB(0, 0, 255);
    Oli_Set_Fill_Color(Pack_RGB(0, 0, 255));
    EXPECT_EQ(Take(), "50 128 0 0\n51 0 0 255\n50 128 0 0\n50 191 0 0\n50 191 0 0\n50 0 0 191\n51 0 0 255\n");
    Oli_Set_Line_Lightness(0.0);
    Take();

    Oli_Color_Control_59();
    Oli_Color_Control_60();
    Oli_Color_Control_61();
    Oli_Color_Fill_Group(7, 3);
    Oli_Set_Fill_Mode(0);
    Oli_Color_Fill_Group(7, 3);
    EXPECT_EQ(Take(), "59\n60\n61\n61\n62 7\n59\n 20  3\n60\n20 0\n");
}

TEST(ColourTools, PackUnpackAndLightness) {
    EXPECT_EQ(Pack_RGB(300, -5, 128), 255 + 128 * 65536);
    int r = -1, g = -1, b = -1;
    EXPECT_EQ(Unpack_RGB(Pack_RGB(1, 2, 3), &r, &g, &b), 3);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 2);
    EXPECT_EQ(Unpack_RGB(Pack_RGB(1, 2, 3), nullptr, nullptr, nullptr), Pack_RGB(1, 2, 3));

    auto scaled = [](int r, int g, int b, double p) {
        Scale_RGB_Lightness(&r, &g, &b, p);
        return std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b);
    };
    EXPECT_EQ(scaled(10, 20, 30, 0.0), "10 20 30");
    EXPECT_EQ(scaled(0, 0, 0, 50.0), "0 0 0");
    EXPECT_EQ(scaled(100, 100, 100, 10.0), "110 110 110");
    // Pure red is hue 0 like any other red: it lightens and darkens too.
    EXPECT_EQ(scaled(255, 0, 0, 0.0), "255 0 0");
    EXPECT_EQ(scaled(255, 0, 0, 50.0), "255 128 128");
    EXPECT_EQ(scaled(255, 0, 0, -50.0), "128 0 0");
    EXPECT_EQ(scaled(0, 0, 255, -50.0), "0 0 128");
    // A lightness raised above 1 stays inside 0..255.
    EXPECT_EQ(scaled(200, 100, 50, 150.0), "255 255 255");
    EXPECT_EQ(scaled(200, 100, 50, -100.0), "0 0 0");
    int lighter = Lighten_Packed_Color(Pack_RGB(255, 0, 0), 50.0);
    int darker = Darken_Packed_Color(Pack_RGB(255, 0, 0), 50.0);
    EXPECT_GE(lighter, 0);
    EXPECT_GE(darker, 0);
    EXPECT_NE(lighter, darker);
}

// ---- lines, rectangles, polygons ---------------------------------------------

TEST_F(PictureTest, FilledRectangleIsOrderedAfterTheAxes) {
    Open(0, 0, 10, 10);
    Oli_Filled_Rect(2, 1, 0, 3);
    EXPECT_EQ(Take(), " 24  0.000000 3.000000 2.000000 1.000000\n");
    Open(0, 10, 10, 0);  // y runs downwards
    Oli_Filled_Rect(2, 1, 0, 3);
    EXPECT_EQ(Take(), " 24  0.000000 1.000000 2.000000 3.000000\n");
    Open(10, 0, 0, 10, 0.5, 2.0);  // x runs downwards
    Oli_Filled_Rect(2, 1, 0, 3);
    EXPECT_EQ(Take(), " 24  1.000000 6.000000 0.000000 2.000000\n");
    Oli_Filled_Rect_Centered(1, 2, 2, 2);
    EXPECT_EQ(Take(), " 24  1.000000 6.000000 0.000000 2.000000\n");
    Oli_Rect_Outline_Centered(1, 2, 2, 2);
    EXPECT_EQ(Take(), " 1  0.000000 2.000000 0.000000 6.000000\n"
                      " 1  0.000000 6.000000 1.000000 6.000000\n"
                      " 1  1.000000 6.000000 1.000000 2.000000\n"
                      " 1  1.000000 2.000000 0.000000 2.000000\n");
}

TEST_F(PictureTest, FrameWritesItsHoleInEveryDirection) {
    Open(0, 0, 10, 10);
    Oli_Filled_Frame(0, 0, 10, 10, 2, 2, 8, 8);
    EXPECT_EQ(Take(), " 24  0.000000 10.000000 10.000000 0.000000\n 20  0\n"
                      " 24  2.000000 8.000000 8.000000 2.000000\n");
    Open(0, 10, 10, 0);  // y down: the outer corners come out in falling y
    Oli_Filled_Frame(0, 0, 10, 10, 8, 8, 2, 2);
    EXPECT_EQ(Take(), " 24  0.000000 0.000000 10.000000 10.000000\n 20  0\n"
                      " 24  2.000000 8.000000 8.000000 2.000000\n");
    Oli_Filled_Frame(0, 0, 10, 10, 2, 2, 12, 8);  // not inside: no hole
    Oli_Set_Fill_Mode(0);
    Oli_Filled_Frame(0, 0, 10, 10, 0, 2, 8, 8);
    EXPECT_EQ(Take(), " 24  0.000000 0.000000 10.000000 10.000000\n 20  0\n"
                      " 24  0.000000 0.000000 10.000000 10.000000\n 20  0\n");
}

TEST_F(PictureTest, PolygonRecordLeavesTheCallersPointsAlone) {
    Open(0, 0, 10, 10, 1.0, 1.0, 0.3);
    const double x0[4] = {0.1, 0.7, 1.3, 0.3}, y0[4] = {0.2, 0.9, 0.4, 1.1};
    double x[4], y[4];
    std::memcpy(x, x0, sizeof x);
    std::memcpy(y, y0, sizeof y);
    Oli_Polygon_Record(4, x, y);
    EXPECT_EQ(std::memcmp(x, x0, sizeof x), 0);
    EXPECT_EQ(std::memcmp(y, y0, sizeof y), 0);
    std::string record = Take();
    EXPECT_EQ(record.rfind(" 18 4 ", 0), 0u);
    EXPECT_EQ(record.substr(record.size() - 2), " \n");

    Open(0, 0, 10, 10, 2.0, 1.0);
    const double tx[3] = {0, 1, 0}, ty[3] = {0, 0, 1};
    Oli_Filled_Triangle(tx, ty);
    Oli_Filled_Polygon(3, tx, ty);
    Oli_Set_Fill_Mode(0);
    Oli_Filled_Polygon(3, tx, ty);  // left out without filling
    const std::string tri = " 18 3 0.000000 0.000000 2.000000 0.000000 0.000000 1.000000 \n";
    EXPECT_EQ(Take(), tri + tri);
}

TEST_F(PictureTest, PolylineCountsAndThickLine) {
    Open(0, 0, 10, 10);
    const double x[3] = {0, 1, 1}, y[3] = {0, 0, 1};
    Oli_Polyline(-2, x, y);
    EXPECT_EQ(Take(), " 1  0.000000 0.000000 1.000000 0.000000\n");
    Oli_Polyline(2, x, y);
    EXPECT_EQ(Take(), " 1  0.000000 0.000000 1.000000 0.000000\n"
                      " 1  0.000000 0.000000 1.000000 0.000000\n");
    Oli_Polyline(3, x, y);
    EXPECT_EQ(Take(), " 1  0.000000 0.000000 1.000000 0.000000\n"
                      " 1  1.000000 0.000000 1.000000 1.000000\n"
                      " 1  0.000000 0.000000 1.000000 1.000000\n");
    Oli_Polyline(1, x, y);
    Oli_Polyline(0, x, y);
    Oli_Polyline(-1, x, y);
    EXPECT_EQ(Take(), "");

    Oli_Thick_Line(0, 0, 10, 0, 2, 0);
    EXPECT_EQ(Take(), " 18 4 0.000000 -1.000000 10.000000 -1.000000 10.000000 1.000000 "
                      "0.000000 1.000000 \n");
    Oli_Set_Fill_Mode(0);
    Oli_Thick_Line(0, 1, 4, 1, 1, 1);  // outline only
    EXPECT_EQ(Take(), " 1  0.000000 0.500000 4.000000 0.500000\n"
                      " 1  4.000000 0.500000 4.000000 1.500000\n"
                      " 1  4.000000 1.500000 0.000000 1.500000\n"
                      " 1  0.000000 0.500000 0.000000 1.500000\n");
}

TEST(PictureComparators, SortPairsByEitherCoordinate) {
    double pairs[3][2] = {{1, 9}, {3, 7}, {2, 8}};
    std::qsort(pairs, 3, sizeof pairs[0], Oli_Compare_X_Desc);
    EXPECT_EQ(pairs[0][0], 3);
    EXPECT_EQ(pairs[2][0], 1);
    std::qsort(pairs, 3, sizeof pairs[0], Oli_Compare_X_Asc);
    EXPECT_EQ(pairs[0][0], 1);
    std::qsort(pairs, 3, sizeof pairs[0], Oli_Compare_Y_Asc);
    EXPECT_EQ(pairs[0][1], 7);
    std::qsort(pairs, 3, sizeof pairs[0], Oli_Compare_Y_Desc);
    EXPECT_EQ(pairs[0][1], 9);
    double a[2] = {1, 1}, b[2] = {1, 1};
    EXPECT_EQ(Oli_Compare_X_Asc(a, b), 0);
}

}  // namespace
