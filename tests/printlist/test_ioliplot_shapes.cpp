// Text writers, labels, circles, arcs, sectors, slots, polygons with holes,
// dimension lines and axis symbols of pictures, byte for byte where the
// numbers are plain and by their telling lines where they are long.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"
#include "printlist/picture_capture.h"
#include "printlist/plotfile.h"

namespace test_ioliplot_shapes {
namespace {

const double PI = 3.14159265358979323846;

int Count_Prefix(const std::vector<std::string>& lines, const std::string& prefix) {
    int n = 0;
    for (const std::string& l : lines) n += l.rfind(prefix, 0) == 0;
    return n;
}

std::string Quoted(const std::string& text) { return "\xAE" + text + "\xAF"; }

// ---- texts -----------------------------------------------------------------------

TEST_F(PictureTest, PrintfTextsTakeTheirAlignmentCodesAndAnchors) {
    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    Oli_Text_At_Printf(1, 2, 4, 4, "%d", 1);
    Oli_Text_At_Printf(1, 2, 0, 3, "%s", "b");
    Oli_Text_At_Printf(1, 2, 1, 1, "c");
    Oli_Text_At_Printf(1, 2, 2, 1, "d");
    EXPECT_EQ(Take(), " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 210 " + Quoted("1") +
                          "\n"
                          " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 201 " +
                          Quoted("b") +
                          "\n"
                          " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 228 " +
                          Quoted("c") +
                          "\n"
                          " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 228 " +
                          Quoted("d") + "\n");
    const std::string t = "-text / 1 2 0 2 1 ";
    EXPECT_EQ(Plot_Entities(), t + "5 1.000000 2.000000 0.000000 1.2 0. 0.\n    " + Quoted("1") + "\n" +
                                   t + "1 1.000000 2.000000 0.000000 1.2 0. 0.\n    " + Quoted("b") + "\n" +
                                   t + "5 1.000000 2.000000 0.000000 1.2 0. 0.\n    " + Quoted("c") + "\n" +
                                   t + "9 1.000000 2.000000 0.000000 1.2 0. 0.\n    " + Quoted("d") + "\n");
}

TEST_F(PictureTest, TurnedPictureTurnsOnlyTheTurningWriters) {
    Open(0, 0, 10, 10, 1.0, 1.0, 0.5);
    Oli_Text_Box_Printf(1, 2, 4, 4, "%s", "x");
    EXPECT_EQ(Take(), " 9 1.000000 2.000000 1.000000 2.000000 210 " + Quoted("x") + "\n");
    Oli_Text_Rotated(0, 0, "r");
    EXPECT_EQ(Take(), " 14 -28.647890 0\n 3 0.000000 0.000000 " + Quoted("r") + "\n");
    Oli_Text_Plain(1, 2, "p");
    EXPECT_EQ(Take(), " 2 1.000000 2.000000 " + Quoted("p") + "\n");
}

TEST_F(PictureTest, FixedCodeBoxesAndLongTexts) {
    Open(0, 0, 10, 10, 2.0, 2.0);
    Open_Plot(0, 0, 10, 10);
    Oli_Text_Box(1, 1, "a");
    Oli_Text_Box_212(1, 1, "b");
    Oli_Text_Box_466(1, 1, "c");
    Oli_Text_Box_226(1, 1, "d");
    Oli_Text_Box_202(1, 1, "e");
    const std::string p = " 9 2.000000 2.000000 2.000000 2.000000 ";
    EXPECT_EQ(Take(), p + "210 " + Quoted("a") + "\n" + p + "212 " + Quoted("b") + "\n" + p + "466 " +
                          Quoted("c") + "\n" + p + "226 " + Quoted("d") + "\n" + p + "202 " +
                          Quoted("e") + "\n");
    std::vector<std::string> plot = Lines(Plot_Entities());
    ASSERT_EQ(plot.size(), 10u);
    EXPECT_EQ(plot[0], "-text / 1 2 0 2 1 5 1.000000 1.000000 0. 1.2 0. 0.");
    EXPECT_EQ(plot[2], "-text / 1 2 0 2 1 6 1.000000 1.000000 0. 1.2 0. 0.");
    EXPECT_EQ(plot[4], "-text / 1 2 0 2 1 5 1.000000 1.000000 90. 1.2 0. 0.");
    EXPECT_EQ(plot[6], "-text / 1 2 0 2 1 8 1.000000 1.000000 0. 1.2 0. 0.");
    EXPECT_EQ(plot[8], "-text / 1 2 0 2 1 2 1.000000 1.000000 0. 1.2 0. 0.");

    // A formatted text is cut to 255 characters; a text with a percent
    // sign handed in as text is never read as a format.
    std::string long_text(300, 'w');
    Oli_Text_At_Printf(0, 0, 4, 4, "%s", long_text.c_str());
    std::string out = Take();
    EXPECT_NE(out.find(Quoted(std::string(255, 'w'))), std::string::npos);
    Oli_Text_At(0, 0, "100 %s %n");
    EXPECT_NE(Take().find(Quoted("100 %s %n")), std::string::npos);
}

TEST_F(PictureTest, BoxedLabels) {
    Open(0, 0, 10, 10, 0.5, 0.5);
    Oli_Boxed_Text(0, 0, 0.5, "A");  // world height 1: as wide as high
    EXPECT_EQ(Take(), " 13 0.500000\n 30\n 20  0\n 24  -0.400000 0.400000 0.400000 -0.400000\n"
                      " 1  -0.400000 -0.400000 -0.400000 0.400000\n"
                      " 1  -0.400000 0.400000 0.400000 0.400000\n"
                      " 1  0.400000 0.400000 0.400000 -0.400000\n"
                      " 1  0.400000 -0.400000 -0.400000 -0.400000\n"
                      " 14 0.000000 0\n 10 0.000000 0.000000 0.000000 0.000000 210 " +
                          Quoted("A") + "\n 31\n");
    Oli_Boxed_Number(0, 0, 0.5, 1234567890);  // ten characters: eight times as wide
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[3], " 24  -3.200000 0.400000 3.200000 -0.400000");
    Oli_Boxed_Text_Scaled(0, 0, 0.5, 0.25, "");  // empty text: no width
    lines = Lines(Take());
    EXPECT_EQ(lines[0], " 4 2");
    EXPECT_EQ(lines[1], " 30");
    EXPECT_EQ(lines[3], " 24  0.000000 0.800000 0.000000 -0.800000");

    Oli_Circled_Number(0, 0, 0.5, 0.5, 7);
    lines = Lines(Take());
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[0], " 30");
    EXPECT_EQ(lines[1], " 38 0   0");
    EXPECT_EQ(lines[2], " 20  0");
    EXPECT_EQ(lines[3], " 4 2");
    // D = 1.52 x 1 x 1 x 1.5 = 2.28: the first circle point at 1.14 world.
    EXPECT_EQ(lines[4].rfind(" 18 32 0.570000 0.000000 ", 0), 0u);
    EXPECT_EQ(Count_Prefix(lines, " 1  "), 32);
    EXPECT_EQ(lines[38], " 10 0.000000 0.000000 0.000000 0.000000 210 " + Quoted("7"));
    EXPECT_EQ(lines[39], " 31");
}

// ---- circles and arcs ---------------------------------------------------------------

TEST_F(PictureTest, ArcsOnTheirGrid) {
    Open(0, 0, 10, 10);
    Oli_Arc(0, 0, 2, 30, 30);  // fine grid: chords to 33.75 .. 56.25 degrees, then 60
    std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], " 1  0.866025 0.500000 0.831470 0.555570");
    EXPECT_EQ(lines[4], " 1  0.634393 0.773010 0.555570 0.831470");
    EXPECT_EQ(lines[5], " 1  0.555570 0.831470 0.500000 0.866025");

    Oli_Arc(5, 5, 2, -90, 90);  // starts at 270 degrees, ends at 360
    lines = Lines(Take());
    EXPECT_EQ(lines.front().rfind(" 1  5.000000 4.000000 ", 0), 0u);
    EXPECT_EQ(lines.back().substr(lines.back().size() - 17), "6.000000 5.000000");

    Oli_Arc(5, 5, 2, 0, 360);  // coarse grid: 31 grid chords and the closing one
    lines = Lines(Take());
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[31], " 1  5.980785 4.804910 6.000000 5.000000");

    Open_Plot(0, 0, 10, 10);
    Oli_Arc(0, 0, 2, 0, 90);
    lines = Lines(Plot_Entities());
    EXPECT_EQ(lines.front(), "-opengroup");
    EXPECT_EQ(lines.back(), "-closegroup");
    EXPECT_EQ(Count_Prefix(lines, "-line "), (int)Lines(Take()).size());

    // Record 1 lines only, an empty group. The 16th grid angle, reached by
    // additions, lies just above 90 degrees and is left to the last chord.
    Oli_Arc_Lines(0, 0, 2, 0, 90);
    EXPECT_EQ(Plot_Entities(), "-opengroup\n-closegroup\n");
    EXPECT_EQ(Lines(Take()).size(), 16u);

    // Without a list stream the chords still reach the plot file and the
    // picture's box.
    Oli_Get_Picture_State()->stream = nullptr;
    Oli_Arc(20, 0, 2, 0, 90);
    EXPECT_EQ(Count_Prefix(Lines(Plot_Entities()), "-line "), 16);
    EXPECT_EQ(Oli_Get_Picture_State()->box_xmax, 21.0);
}

// The coordinate texts come from a memo of the sequences written before:
// each text is the C library's "%lf" of every value after a blank, for
// values that differ only in the sign of zero, ties at the seventh decimal,
// huge and missing values, and again after thousands of other sequences
// have pushed it out of the memo.
TEST(CoordinateTexts, MemoKeepsTheBytesOfTheCLibrary) {
    const std::vector<std::vector<double>> cases = {
        {0.0, -0.0},         {-0.0, 0.0},     {0.0000005, 0.0000015, -0.0000025}, {1e300, -1e-300},
        {NAN, INFINITY},     {-INFINITY},     {8796093022208.5, 0.1 + 0.2},       {},
        {2.5, 2.5, 2.5, 2.5}, std::vector<double>(20, -1e300), std::vector<double>(300, 0.25)};
    auto expected = [](const std::vector<double>& v) {
        std::string t;
        char one[400];
        for (double x : v) t += ' ', t += (std::snprintf(one, sizeof one, "%lf", x), one);
        return t;
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& v : cases) {
            const std::string& f = ioliplot::Format_Values(v.data(), (int)v.size());
            EXPECT_EQ(f, expected(v));
            // One blank per value, the one it begins with: the chords find
            // their values by them.
            EXPECT_EQ(std::count(f.begin(), f.end(), ' '), static_cast<std::ptrdiff_t>(v.size()));
        }
        for (int k = 0; k < 20000; ++k) {  // others take every place of the memo
            const double w[2] = {k * 0.001, -k * 1.5};
            ASSERT_EQ(ioliplot::Format_Values(w, 2), expected({w[0], w[1]}));
        }
    }
}

// Arcs of other angles between two full circles do not change the circles'
// chords (the angles of the last arc are kept for the next one).
TEST_F(PictureTest, ArcsOfOtherAnglesBetweenTheSameCircle) {
    Open(0, 0, 10, 10);
    Oli_Arc(5, 5, 2, 0, 360);
    const std::string circle = Take();
    Oli_Arc(5, 5, 2, 30, 30);
    const std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], " 1  5.866025 5.500000 5.831470 5.555570");
    Oli_Arc(5, 5, 2, 0, 360);
    EXPECT_EQ(Take(), circle);
    Oli_Arc(6, 5, 2, 0, 360);  // the same angles at another place
    const std::vector<std::string> moved = Lines(Take());
    ASSERT_EQ(moved.size(), 32u);
    EXPECT_EQ(moved[31], " 1  6.980785 4.804910 7.000000 5.000000");
}

// Circles and arcs drawn again write their kept records: the same bytes and
// the same box, and new records when a centre, a diameter, an angle, the
// rotation or a scale differs, or a plot file is open.
TEST_F(PictureTest, KeptCirclesAndArcsFollowWhatDecidesTheirBytes) {
    Oli_Picture_State* s = Oli_Get_Picture_State();
    auto box = [&] {
        char text[96];
        std::snprintf(text, sizeof text, "%g %g %g %g", s->box_xmin, s->box_xmax, s->box_ymin, s->box_ymax);
        return std::string(text);
    };
    // Draws the circle and the arc into a picture (scales, rotation) with
    // the box set to (1 2 1 2): the first lines of both records and the box.
    auto draw = [&](double cx, double d, double start, double sweep, double sx, double rot) {
        Open(0, 0, 10, 10, sx, 1.0, rot);
        s->box_xmin = 1, s->box_xmax = 2, s->box_ymin = 1, s->box_ymax = 2;
        Oli_Filled_Circle(cx, 5, d);
        Oli_Arc(cx, 5, d, start, sweep);
        const std::vector<std::string> lines = Lines(Take());
        return lines.size() < 2 ? std::string("?") : lines[0].substr(0, 40) + "|" + lines[1] + "|" + box();
    };
    // cos, sin of pi/16: 0.980785, 0.195090; the circle's box reaches the
    // whole diameter from the centre (Oli_Filled_Circle), over the box's
    // upper corner only.
    const std::string first = " 18 32 6.000000 5.000000 5.980785 5.1950|"
                              " 1  6.000000 5.000000 5.980785 5.195090|1 7 1 7";
    // Arcs alone extend the box by their chord points: a quarter circle.
    auto arc_box = [&](double start, double sweep) {
        Open(0, 0, 10, 10);
        s->box_xmin = 9, s->box_xmax = 9, s->box_ymin = 9, s->box_ymax = 9;
        Oli_Arc(5, 5, 2, start, sweep);
        Take();
        return box();
    };
    for (int again = 0; again < 2; again++) {
        SCOPED_TRACE(again);
        EXPECT_EQ(draw(5, 2, 0, 360, 1.0, 0.0), first);
        EXPECT_EQ(draw(6, 2, 0, 360, 1.0, 0.0), " 18 32 7.000000 5.000000 6.980785 5.1950|"
                                                " 1  7.000000 5.000000 6.980785 5.195090|1 8 1 7");
        EXPECT_EQ(draw(5, 4, 0, 360, 1.0, 0.0), " 18 32 7.000000 5.000000 6.961571 5.3901|"
                                                " 1  7.000000 5.000000 6.961571 5.390181|1 9 1 9");
        // 90 degrees: the fine grid, pi/32 apart (0.995185, 0.098017).
        EXPECT_EQ(draw(5, 2, 0, 90, 1.0, 0.0), " 18 32 6.000000 5.000000 5.980785 5.1950|"
                                               " 1  6.000000 5.000000 5.995185 5.098017|1 7 1 7");
        EXPECT_EQ(draw(5, 2, 0, 360, 2.0, 0.0), " 18 32 12.000000 5.000000 11.961571 5.19|"
                                                " 1  12.000000 5.000000 11.961571 5.195090|1 7 1 7");
        // Turned by 90 degrees: (x, y) to (y, -x), the arc point by point, the
        // circle about its turned centre.
        EXPECT_EQ(draw(5, 2, 0, 360, 1.0, PI / 2), " 18 32 6.000000 -5.000000 5.980785 -4.80|"
                                                   " 1  5.000000 -6.000000 5.195090 -5.980785|1 7 1 7");
        EXPECT_EQ(arc_box(0, 90), "5 9 5 9");
        EXPECT_EQ(arc_box(180, 90), "4 9 4 9");
        EXPECT_EQ(arc_box(NAN, 90), "9 9 9 9");
    }
    // A plot file open: its records written, the list's bytes the same.
    Open(0, 0, 10, 10);
    Oli_Arc(5, 5, 2, 0, 360);
    const std::string arc = Take();
    Open_Plot(0, 0, 10, 10);
    Oli_Arc(5, 5, 2, 0, 360);
    Oli_Filled_Circle(5, 5, 2);
    const std::string list = Take();
    EXPECT_EQ(list.substr(0, arc.size()), arc);
    EXPECT_EQ(list.substr(arc.size(), 30), " 18 32 6.000000 5.000000 5.980");
    const std::vector<std::string> plot = Lines(Plot_Entities());
    EXPECT_EQ(Count_Prefix(plot, "-line"), 32);
    EXPECT_EQ(Count_Prefix(plot, "-area"), 1);
}

TEST_F(PictureTest, ArcsOfFarOrMissingAnglesEnd) {
    Open(0, 0, 10, 10);
    Oli_Arc(0, 0, 2, -1e30, 90);  // lifting by single turns would never end
    EXPECT_FALSE(Take().empty());
    Oli_Filled_Sector(0, 0, 2, 0, -1e30);
    EXPECT_FALSE(Take().empty());
    Oli_Arc(0, 0, 2, NAN, 90);
    Oli_Filled_Sector(0, 0, 2, 0, INFINITY);
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, ArcLinesStayCircularOnPaper) {
    Open(0, 0, 10, 10, 2.0, 1.0);
    Oli_Arc_Lines(1, 1, 2, 0, 30);
    std::vector<std::string> lines = Lines(Take());
    // Offsets scaled by the x scale on both axes around the scaled centre.
    EXPECT_EQ(lines.front().rfind(" 1  4.000000 1.000000 ", 0), 0u);
    EXPECT_EQ(lines.back().substr(lines.back().size() - 17), "3.732051 2.000000");
}

TEST_F(PictureTest, CirclesRingsAndTheirPlotAreas) {
    Open(0, 10, 10, 0);  // y down
    Open_Plot(0, 10, 10, 0);
    Oli_Filled_Circle(2, 3, 2);
    std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind(" 18 32 3.000000 3.000000 2.980785 3.195090 ", 0), 0u);
    EXPECT_NE(lines[0].back(), ' ');
    EXPECT_EQ(Plot_Entities(), "-opengroup\n-area / 0 0\n"
                               " 2 0 ( @1 ( @1 2.000000 6.000000 ) #2 0 0 0 1.000000 )\n"
                               " 0 ( @2 ( @2 2.000000 8.000000 ) #1 0 0 0 1.000000 )\n"
                               "-closegroup\n");

    Oli_Filled_Circle_Round(0, 0, 2);
    Oli_Ring(5, 5, 4, 2);
    lines = Lines(Take());
    EXPECT_EQ(lines[0].rfind(" 18 32 1.000000 0.000000 ", 0), 0u);
    std::istringstream ring(lines[1]);
    std::string word;
    std::vector<std::string> words;
    while (ring >> word) words.push_back(word);
    ASSERT_EQ(words.size(), 2u + 132u);
    EXPECT_EQ(words[1], "66");
    EXPECT_EQ(words[2] + " " + words[3], "7.000000 5.000000");    // outer loop starts
    EXPECT_EQ(words[66] + " " + words[67], "7.000000 5.000000");  // ... and ends there
    EXPECT_EQ(words[68] + " " + words[69], "6.000000 5.000000");  // then the inner loop

    PlotFile_Set_Filling(-1);  // no filling: no plot area, same record
    Oli_Filled_Circle(2, 3, 2);
    Oli_Ring(0, 0, 4, 2);
    EXPECT_EQ(Lines(Take()).size(), 2u);
    std::vector<std::string> plot = Lines(Plot_Entities());
    EXPECT_EQ(Count_Prefix(plot, "-area / 1 0"), 1);  // the ring before the switch
    EXPECT_EQ(Count_Prefix(plot, "-area"), 2);
}

TEST_F(PictureTest, SectorsAndSlots) {
    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    Oli_Filled_Sector(0, 0, 2, 0, 90);
    std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 1u);
    // Centre, start, the grid angles up to and with 90 degrees, the end.
    EXPECT_EQ(lines[0].rfind(" 18 11 0.000000 0.000000 1.000000 0.000000 0.980785 0.195090 ", 0), 0u);
    EXPECT_EQ(Plot_Entities(), "-opengroup\n-closegroup\n");

    Oli_Filled_Slot(0, 0, 4, 2);
    Oli_Filled_Slot(0, 0, 2, 4);
    lines = Lines(Take());
    EXPECT_EQ(lines[0].rfind(" 18 32 ", 0), 0u);
    EXPECT_EQ(lines[1].rfind(" 18 34 ", 0), 0u);
    EXPECT_EQ(Plot_Entities(), "");

    Oli_Slot_Outline(0, 0, 4, 2);
    lines = Lines(Take());
    ASSERT_EQ(lines.size(), 34u);  // 16 chords per half circle, 2 sides
    EXPECT_EQ(lines[0], " 1  1.000000 -1.000000 1.195090 -0.980785");
    EXPECT_EQ(lines[16], " 1  1.000000 1.000000 -1.000000 1.000000");
}

TEST_F(PictureTest, PolygonWithHolesKeepsTheCallersPoints) {
    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    const double x[4] = {0, 4, 4, 0}, y[4] = {0, 0, 4, 4};
    const int counts[1] = {3};
    const double hx[3] = {1, 2, 1}, hy[3] = {1, 1, 2};
    const double cx[1] = {3}, cy[1] = {3}, areas[1] = {PI * 0.25};
    Oli_Filled_Polygon_With_Holes(4, x, y, 1, counts, hx, hy, 1, cx, cy, areas);
    std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], " 18 4 0.000000 0.000000 4.000000 0.000000 4.000000 4.000000 0.000000 4.000000 ");
    EXPECT_EQ(lines[1], " 20  0");
    EXPECT_EQ(lines[2], " 18 3 1.000000 1.000000 2.000000 1.000000 1.000000 2.000000 ");
    EXPECT_EQ(lines[3].rfind(" 18 32 3.500000 3.000000 ", 0), 0u);
    EXPECT_NE(lines[3].back(), ' ');
    std::vector<std::string> plot = Lines(Plot_Entities());
    ASSERT_EQ(plot.size(), 1u + 4u + 3u + 2u);
    EXPECT_EQ(plot[0], "-area / 2 0");
    EXPECT_EQ(plot[4], " 0 ( @4 ( @4 0.000000 4.000000 ) #1 0 0 0 0.0 )");
    EXPECT_EQ(plot[5], " 3 0 ( @5 ( @5 1.000000 1.000000 ) #6 0 0 0 0.0 )");
    EXPECT_EQ(plot[7], " 0 ( @7 ( @7 1.000000 2.000000 ) #5 0 0 0 0.0 )");
    EXPECT_EQ(plot[8], " 2 0 ( @8 ( @8 3.000000 3.500000 ) #9 0 0 0 0.500000 )");

    Open(0, 0, 10, 10, 1.0, 1.0, 0.7);
    double wx[4] = {0.1, 4, 4, 0.3}, wy[4] = {0.2, 0.1, 4, 4};
    const double kx[4] = {0.1, 4, 4, 0.3}, ky[4] = {0.2, 0.1, 4, 4};
    Oli_Filled_Polygon_With_Holes(4, wx, wy, 0, nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr);
    EXPECT_EQ(std::memcmp(wx, kx, sizeof wx), 0);
    EXPECT_EQ(std::memcmp(wy, ky, sizeof wy), 0);
}

// ---- dimension lines -------------------------------------------------------------

// The main and second texts of one dimension, in order.
std::vector<std::string> Texts(const std::string& out) {
    std::vector<std::string> texts;
    size_t at = 0;
    while ((at = out.find('\xAE', at)) != std::string::npos) {
        size_t end = out.find('\xAF', at);
        texts.push_back(out.substr(at + 1, end - at - 1));
        at = end;
    }
    return texts;
}

TEST_F(PictureTest, DimensionInCentimetres) {
    Open(0, 0, 100, 100, 0.1, 0.1);
    EXPECT_EQ(Oli_Dimension_Line_cm(0, 0, 12.46, 0, 0.2, 0), 0.0);
    std::string out = Take();
    EXPECT_EQ(Texts(out), (std::vector<std::string>{"12", "5"}));
    std::vector<std::string> lines = Lines(out);
    EXPECT_EQ(lines[0], " 30");
    EXPECT_EQ(lines[1], " 4 1");
    EXPECT_EQ(lines[2], " 38 0   0");
    EXPECT_EQ(lines[3], " 1  -0.200000 0.000000 1.446000 0.000000");  // 2 beyond each end
    EXPECT_EQ(lines[4], " 1  0.000000 0.800000 0.000000 -0.400000");  // extension line
    EXPECT_EQ(lines[6], " 1  -0.120000 -0.120000 0.120000 0.120000");  // tick
    EXPECT_EQ(lines[8], " 13 0.420000");
    EXPECT_EQ(lines[9], " 8 6");
    EXPECT_EQ(lines[11], " 10 0.623000 0.320000 0.623000 0.320000 210 " + Quoted("12"));
    EXPECT_EQ(lines[12], " 13 0.315000");
    EXPECT_EQ(lines.back(), " 31");

    Oli_Dimension_Line_cm(0, 0, 12.02, 0, 0.2, 0);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"12", " "}));
    EXPECT_EQ(Oli_Dimension_Line_cm(0, 0, 0.004, 0, 0.2, 0), 0.0);
    EXPECT_EQ(Take(), " 30\n 31\n");

    Oli_Dimension_Line_cm_Offset(0, 0, 10, 0, 3, 0.2, 0);  // moved to the left of its direction
    lines = Lines(Take());
    EXPECT_EQ(lines[3], " 1  -0.200000 0.300000 1.200000 0.300000");
}

TEST_F(PictureTest, NarrowDimensionsStaggerTheirTexts) {
    Open(0, 0, 100, 100, 1.0, 1.0);
    EXPECT_EQ(Oli_Dimension_Line_cm(0, 0, 0.5, 0, 0.2, 0), 0.0);  // "0" is 0.4 wide: it fits
    Take();
    EXPECT_EQ(Oli_Dimension_Line(0, 0, 0.5, 0, 0.2, "12", "", 0.8, 0), 2.0);
    EXPECT_EQ(Oli_Dimension_Line(0, 0, 0.5, 0, 0.2, "12", "", 0.8, 0), 3.2);
    EXPECT_EQ(Oli_Dimension_Line(0, 0, 0.5, 0, 0.2, "12", "", 0.8, 0), 2.0);
    EXPECT_EQ(Oli_Dimension_Line(0, 0, 5.0, 0, 0.2, "12", "", 0.8, 0), 0.0);  // fits: resets
    EXPECT_EQ(Oli_Dimension_Line(0, 0, 0.5, 0, 0.2, "12", "", 0.8, 0), 2.0);
    std::vector<std::string> lines = Lines(Take());
    // The first staggered text stands 2.8 x 2h above the middle, the second 4.0 x 2h.
    EXPECT_EQ(Count_Prefix(lines, " 10 0.250000 1.120000 "), 3);
    EXPECT_EQ(Count_Prefix(lines, " 10 0.250000 1.600000 "), 1);
    EXPECT_EQ(Oli_Get_Picture_State()->stagger_flag, 1);
    Open(0, 0, 100, 100, 1.0, 1.0);  // every opening resets the alternation
    EXPECT_EQ(Oli_Get_Picture_State()->stagger_flag, 0);
}

TEST_F(PictureTest, DimensionStylesAndMirroredPictures) {
    Open(0, 0, 100, 100, 1.0, 1.0);
    Oli_Set_Dimension_Style(OLI_DIM_NO_FIRST_END | OLI_DIM_NO_SECOND_END);
    Oli_Dimension_Line(0, 0, 5, 0, 0.2, "5", "", 0.1, 0);
    EXPECT_EQ(Count_Prefix(Lines(Take()), " 1  "), 1);
    Oli_Set_Dimension_Style(OLI_DIM_DOT_MARKS);
    Oli_Dimension_Line(0, 0, 5, 0, 0.2, "5", "", 0.1, 0);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count_Prefix(lines, " 18 32 0.037500 0.000000 "), 1);  // dot of 0.075 cm
    EXPECT_EQ(Count_Prefix(lines, " 1  "), 1 + 2 + 64);
    Oli_Set_Dimension_Style(0);

    Oli_Dimension_Line(0, 0, 5, 0, 0.2, "5", "", 0.1, 0);
    lines = Lines(Take());
    EXPECT_EQ(lines[6], " 1  -0.120000 -0.120000 0.120000 0.120000");
    EXPECT_EQ(lines[10], " 14 0.000000 0");
    Open(0, 100, 100, 0, 1.0, 1.0);  // y down: ticks lean the other way, text half a turn
    Oli_Dimension_Line(0, 0, 5, 0, 0.2, "5", "", 0.1, 0);
    lines = Lines(Take());
    EXPECT_EQ(lines[6], " 1  -0.120000 0.120000 0.120000 -0.120000");
    EXPECT_EQ(lines[10], " 14 -180.000000 0");
    EXPECT_EQ(Oli_Get_Text_Angle(), 0.0);  // restored by the element end
}

TEST_F(PictureTest, DimensionLabelsInMetresAndUnits) {
    Open(0, 0, 10, 10, 10.0, 10.0);
    Oli_Dimension_Line_m(0, 0, 2.349, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"2.35"}));
    Oli_Dimension_Line_m(0, 0, 2.347, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"2.34", "5"}));
    Oli_Dimension_Line_m(0, 0, 0.123, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"12", "5"}));
    Oli_Dimension_Line_m(0, 0, 0.128, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"13"}));
    EXPECT_EQ(Oli_Dimension_Line_m(0, 0, 0.004, 0, 0.2), 0.0);
    EXPECT_EQ(Take(), "");

    Open(0, 0, 2000, 2000, 0.01, 0.01);
    Oli_Dimension_Line_Unit(0, 0, 0, 125, 0, 0.2, 10);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"12", "5"}));
    Oli_Dimension_Line_Unit(0, 0, 0, 128, 0, 0.2, 10);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"13"}));
    Oli_Dimension_Line_Unit(0, 0, 0, 1234, 0, 0.2, 10);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"1.23", "5"}));
    // A negative unit asks for the first decimal; the length stays positive.
    Oli_Dimension_Line_Unit(0, 0, 0, 123, 0, 0.2, -10);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"12", "3"}));
    EXPECT_EQ(Oli_Dimension_Line_Unit(0, 0, 0, 123, 0, 0.2, 0.0), 0.0);
    EXPECT_EQ(Oli_Dimension_Line_Unit(0, 0, 0, 123, 0, 0.2, NAN), 0.0);
    EXPECT_EQ(Oli_Dimension_Line_Unit_Checked(0, 0, 123, 0, 0.2, 1e-6, 0), 0.0);
    EXPECT_EQ(Take(), "");
    Oli_Dimension_Line_Unit_Checked(0, 0, 120, 0, 0.2, 10, 0);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"12"}));
}

TEST_F(PictureTest, DimensionLabelsBeyondTheRangeOfInt) {
    // Lengths whose whole part does not fit an int keep all their digits.
    Open(0, 0, 1e13, 1e13, 1e-12, 1e-12);
    Oli_Dimension_Line_cm(0, 0, 5e12, 0, 0.2, 0);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"5000000000000", " "}));
    Oli_Dimension_Line_Unit(0, 0, 0, 3e11, 0, 0.2, 1e-4);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"30000000000000.00"}));
    Oli_Dimension_Line_m(0, 0, 4.5e10, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"45000000000.00"}));
    // Only the checked form refuses units below 1e-5; a small unit measures.
    Open(0, 0, 10, 10, 1.0, 1.0);
    Oli_Dimension_Line_Unit(0, 0, 0, 0.02, 0, 0.2, 1e-6);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"200.00"}));
}

TEST_F(PictureTest, ProjectedDimensionChain) {
    Open(0, 0, 10, 10, 1.0, 1.0);
    const double x[4] = {0, 3, 1, 3.004}, y[4] = {0, 1, -1, 2};
    Oli_Dimension_Chain_Projected(4, x, y, 0, 0, 10, 0, 0.2);
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"1.00", "2.00"}));
    Oli_Dimension_Chain_Projected(3, x, y, 0, 10, 0, 0, 0.2);  // projected on a falling vertical
    EXPECT_EQ(Texts(Take()), (std::vector<std::string>{"1.00", "1.00"}));
}

TEST_F(PictureTest, AxisSymbols) {
    Open(0, 0, 10, 10, 1.0, 1.0);
    Oli_Axis_Arrow(2, 3, 1, 0, "x");
    EXPECT_EQ(Take(), " 30\n 4 4\n 38 0   0\n 20  55\n 13 0.250000\n 8 6\n"
                      " 1  2.000000 3.000000 2.900000 3.000000\n"
                      " 18 3 3.000000 3.000000 2.800000 3.100000 2.800000 2.900000 \n"
                      " 14 0.000000 0\n 10 3.200000 3.000000 3.200000 3.000000 210 " +
                          Quoted("x") +
                          "\n"
                          " 1  2.000000 2.900000 2.000000 3.100000\n 31\n");
    Oli_Set_Fill_Mode(0);
    Oli_Axes_Symbol(0, 0, "y", "z", 0.5, 0);
    std::vector<std::string> lines = Lines(Take());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3], " 20  0");
    EXPECT_EQ(lines[4], " 13 0.187500");
    EXPECT_EQ(lines[6], " 1  0.000000 0.000000 0.450000 0.000000");
    EXPECT_EQ(lines[7], " 9 0.500000 -0.150000 0.500000 -0.150000 210 " + Quoted("y"));
    EXPECT_EQ(lines[9], " 9 -0.150000 0.500000 -0.150000 0.500000 210 " + Quoted("z"));
}

}  // namespace

}  // namespace test_ioliplot_shapes
