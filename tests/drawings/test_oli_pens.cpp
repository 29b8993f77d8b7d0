// Pens of the print-list pictures: the pen table and roles, and the records
// of the pen writers, worked out by hand from the picture formats (a line
// record " 1  x1 y1 x2 y2" in paper cm = world x scale, the polygon record
// " 18 n x y ... \n", the colour record "50 r g b", the width record " 4 w").
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawings/oli_pens.h"
#include "printlist/picture_capture.h"

namespace {

class PenTest : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        Init_Oli_Pens();
        Oli_Set_Color_Mode(1);
    }
};

const std::string BEGIN = " 30\n 52\n", END = " 31\n 53\n";

TEST(OliPens, TableAndRoles) {
    Init_Oli_Pens();
    struct Row {
        int r, g, b;
    };
    // The colours of pens 0..19 as the report's pictures use them.
    const Row want[20] = {{0, 0, 0},     {255, 255, 255}, {110, 110, 110}, {255, 100, 100},
                          {255, 50, 50}, {125, 125, 255}, {30, 30, 255},   {30, 30, 150},
                          {100, 255, 100}, {0, 98, 0},    {30, 150, 30},   {255, 255, 100},
                          {255, 255, 50}, {128, 64, 0},   {128, 128, 0},   {224, 224, 224},
                          {72, 69, 126}, {233, 233, 233}, {165, 75, 165},  {171, 12, 36}};
    for (unsigned pen = 0; pen < 32; pen++) {
        int r = 7, g = 7, b = 7;
        int result = Get_Oli_Pen_RGB(pen, &r, &g, &b);
        if (pen < 20)
            EXPECT_EQ(std::vector<int>({result, r, g, b}),
                      std::vector<int>({0, want[pen].r, want[pen].g, want[pen].b}))
                << pen;
        else if (pen == 29)  // never touched: black
            EXPECT_EQ(std::vector<int>({result, r, g, b}), std::vector<int>({0, 0, 0, 0}));
        else  // 20..28 not in use, 30 and above out of range
            EXPECT_EQ(std::vector<int>({result, r, g, b}), std::vector<int>({1, 0, 0, 0})) << pen;
    }
    EXPECT_EQ(Get_Oli_Pen_RGB((unsigned)-1, nullptr, nullptr, nullptr), 1);

    EXPECT_EQ(std::vector<int>({OliRole_Outline_Pen, OliRole_Profile_Pen, OliRole_Profile_Pattern,
                                OliRole_Plate_Pen, OliRole_Plate_Pattern, OliRole_Fillet_Weld_Pen,
                                OliRole_Other_Weld_Pen, OliRole_Weld_Section_Pen,
                                OliRole_Annotation_Pen, OliRole_Highlight_Pen,
                                OliRole_Stiffener_Pen, OliRole_Stiffener_Face_Pen,
                                OliRole_Bolt_Pattern, OliRole_Current_Plate_Pen,
                                OliRole_Current_Plate_Pattern}),
              std::vector<int>({0, 5, 34, 16, 43, 6, 13, 2, 10, 4, 17, 15, 59, 1, 0}));
    Set_Oli_Pen_Roles(OliRole_Plate_Pen, OliRole_Plate_Pattern);
    EXPECT_EQ(OliRole_Current_Plate_Pen * 100 + OliRole_Current_Plate_Pattern, 1643);
    Init_Oli_Pens();  // the next picture starts from the defaults again
    EXPECT_EQ(OliRole_Current_Plate_Pen * 100 + OliRole_Current_Plate_Pattern, 100);
}

TEST_F(PenTest, SelectPenAndPenLine) {
    Open(0, 0, 100, 100, 0.5, 0.5);
    struct Case {
        int pen;
        std::string records;
    } selects[] = {{13, "50 128 64 0\n"}, {19, "50 171 12 36\n"}, {-1, ""}, {30, ""}, {25, ""}};
    for (const Case& c : selects) {
        Oli_Select_Pen((unsigned)c.pen);
        EXPECT_EQ(Take(), c.records) << c.pen;
    }

    // (10, 20)-(30, 40) at 0.5 cm per unit.
    const std::string line = " 1  5.000000 10.000000 15.000000 20.000000\n";
    struct LineCase {
        int pen, width;
        double x1;
        std::string records;
    } lines[] = {
        {6, 3, 10.0, BEGIN + "50 30 30 255\n 4 3\n" + line + END},
        {25, 1, 10.0, BEGIN + " 4 1\n" + line + END},  // pen not in use: no colour
        {-1, 1, 10.0, ""},
        {6, -1, 10.0, ""},
        {6, 1, NAN, ""},  // a damaged coordinate writes nothing
    };
    for (const LineCase& c : lines) {
        Oli_Pen_Line(c.x1, 20.0, 30.0, 40.0, c.pen, c.width);
        EXPECT_EQ(Take(), c.records) << c.pen << " " << c.width;
    }
    Oli_Set_Color_Mode(0);
    Oli_Pen_Line(10.0, 20.0, 30.0, 40.0, 6, 3);
    EXPECT_EQ(Take(), " 30\n 4 3\n" + line + " 31\n");
}

// The full circle of diameter 2 about (5, 10) in the connection sketch's
// picture: its 32-point polygon and the 32 chords of its outline, lines that
// were checked one by one in that sketch's golden file.
void Sketch_Circle(std::string* polygon, std::string* chords) {
    std::vector<std::string> sketch = Lines(testutil::Read_File(testutil::Fixture("pictures/sketch.OLI")));
    size_t at = 0;
    while (at < sketch.size() && sketch[at].rfind(" 18 32 ", 0) != 0) at++;
    ASSERT_LT(at + 32, sketch.size());
    *polygon = sketch[at] + "\n";
    for (size_t i = at + 1; i <= at + 32; i++) *chords += sketch[i] + "\n";
}

TEST_F(PenTest, FilledCircleWithOutline) {
    std::string polygon, chords;
    Sketch_Circle(&polygon, &chords);
    Open(-2.0, 22.0, 12.0, -2.0, 0.5, 0.5);
    Oli_Pen_Filled_Circle(5.0, 10.0, 1.0, 5, 34, 2, 0);
    EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  34\n" + polygon + " 4 2\n50 0 0 0\n" + chords + END);
    // No fill: width and outline colour, then the outline.
    Oli_Pen_Filled_Circle(5.0, 10.0, 1.0, -1, 34, 2, 0);
    EXPECT_EQ(Take(), BEGIN + " 4 2\n50 0 0 0\n" + chords + END);
    // Width -1: the outline is still written, in the colour and width current.
    Oli_Pen_Filled_Circle(5.0, 10.0, 1.0, 13, 64, -1, 0);
    EXPECT_EQ(Take(), BEGIN + "50 128 64 0\n 20  64\n" + polygon + chords + END);
    // A radius that is finite but whose diameter is not.
    Oli_Pen_Filled_Circle(5.0, 10.0, -1e308, 13, 64, 1, 0);
    EXPECT_EQ(Take(), "");
}

TEST_F(PenTest, FilledRingAsPolygon) {
    Open(0, 0, 40, 40);
    Open_Plot(0, 0, 40, 40);
    // n = 4 about (10, 20), radii 2 and 1: outer corners at 0, 90, 180, 270
    // degrees; point 4 closes the outer circle, 5 starts the inner one at 0
    // degrees, 9 - k is inner corner k, so the inner circle runs backwards.
    Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 1.0, 4, 5, 34, 0, 0);
    auto L = [](const char* a, const char* b) {
        return std::string(" 1  ") + a + " " + b + "\n";
    };
    const char *o0 = "12.000000 20.000000", *o1 = "10.000000 22.000000", *o2 = "8.000000 20.000000",
               *o3 = "10.000000 18.000000", *i0 = "11.000000 20.000000",
               *i1 = "10.000000 21.000000", *i2 = "9.000000 20.000000", *i3 = "10.000000 19.000000";
    std::string polygon = std::string(" 18 10 ") + o0 + " " + o1 + " " + o2 + " " + o3 + " " + o0 +
                          " " + i0 + " " + i3 + " " + i2 + " " + i1 + " " + i0 + " \n";
    EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  34\n" + polygon + "50 0 0 0\n 4 2\n" +
                          L(o0, o1) + L(o1, o2) + L(o2, o3) + L(o3, o0) + L(i0, i3) + L(i3, i2) +
                          L(i2, i1) + L(i1, i0) + L(i0, i0) + END);
    // The plot file: one area of the ten points (ids 1..10), then the lines.
    std::vector<std::string> plot = Lines(Plot_Entities());
    ASSERT_EQ(plot.size(), 1u + 10u + 2u * 9u);
    EXPECT_EQ(plot[0], "-area / 0 0");
    EXPECT_EQ(plot[1], " 10 0 ( @1 ( @1 12.000000 20.000000 ) #2 0 0 1 0.0 )");
    EXPECT_EQ(plot[10], " 0 ( @10 ( @10 11.000000 20.000000 ) #1 0 0 1 0.0 )");
    EXPECT_EQ(plot[11], "-line @11 ( @11 12.000000 20.000000 ) #12 0 0 1 0.0");
    EXPECT_EQ(plot[12], "-point @12 10.000000 22.000000");

    // r_inner 0: a disc of the four outer corners, outlined by four lines;
    // width -1 with an outline pen: the fill alone.
    Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 0.0, 4, 5, 34, 0, 0);
    std::string disc = std::string(" 18 4 ") + o0 + " " + o1 + " " + o2 + " " + o3 + " \n";
    EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  34\n" + disc + "50 0 0 0\n 4 2\n" + L(o0, o1) +
                          L(o1, o2) + L(o2, o3) + L(o3, o0) + END);
    Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 0.0, 4, 5, 34, -1, 0);
    EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  34\n" + disc + END);

    // Refused: too many corners, too few to enclose anything, no fill, no
    // outline switch at all, a radius that is not a number.
    for (int n : {65, 2, 0, -3}) Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 1.0, n, 5, 34, 0, 0);
    Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 1.0, 4, -1, 34, 0, 0);
    Oli_Pen_Filled_Ring(10.0, 20.0, 2.0, 1.0, 4, 5, 34, -1, -1);
    Oli_Pen_Filled_Ring(10.0, 20.0, NAN, 1.0, 4, 5, 34, 0, 0);
    EXPECT_EQ(Take(), "");
    Plot_Entities();
}

}  // namespace
