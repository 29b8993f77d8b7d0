// Composite symbols of pictures (annotated lines, levels and supports,
// arrows and loads, member loads, force diagrams, charts and value
// diagrams, dimension chains, hatched strips and bolts, leader labels),
// record by record where the numbers are plain, worked out by hand from
// their geometry, and their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/ptrarr.h"
#include "platform/msgbox.h"
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_annotated.h"
#include "printlist/ioliplot_arrows.h"
#include "printlist/ioliplot_charts.h"
#include "printlist/ioliplot_dimension_chain.h"
#include "printlist/ioliplot_force_diagram.h"
#include "printlist/ioliplot_hatch_bolts.h"
#include "printlist/ioliplot_labels.h"
#include "printlist/ioliplot_member_loads.h"
#include "printlist/ioliplot_supports.h"
#include "printlist/picture_capture.h"

namespace test_ioliplot_symbols {
namespace {

const double PI = 3.14159265358979323846;

std::string Q(const std::string& t) { return "\xAE" + t + "\xAF"; }

// Record 10 at a point (twice) with the code and text, after its angle.
std::string Text10(const std::string& point, int code, const std::string& text, const std::string& angle = "0.000000") {
    return " 14 " + angle + " 0\n 10 " + point + " " + point + " " + std::to_string(code) + " " + Q(text) + "\n";
}

int Count(const std::vector<std::string>& lines, const std::string& prefix) {
    int n = 0;
    for (const std::string& l : lines) n += l.rfind(prefix, 0) == 0;
    return n;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

// ---- annotated lines -------------------------------------------------------------

TEST_F(PictureTest, RebarLabelOfTwelveMillimetreBars) {
    Open(0, 0, 20, 20);
    // A bar of 10 along x, unit 1 cm: the line 1 beyond each end, ticks 6
    // above and 4.4 below, slashes of r = 1.5 x 0.4 sqrt 2 at 45 degrees
    // (0.6 along each axis), texts 1.6 and 4.8 above, 1.6 and 4 below the
    // middle (5, 0); the diameter sign at (5 - 8.48, 4.8 + 1.3).
    Oli_Rebar_Label(0, 0, 10, 0, 1.0, 2, 2, 15.0, 7.54, 0.03, 2.0, 3);
    EXPECT_EQ(Take(), " 30\n 4 1\n 38 0   0\n"
                      " 1  -1.000000 0.000000 11.000000 0.000000\n"
                      " 1  0.000000 6.000000 0.000000 -4.400000\n"
                      " 1  10.000000 6.000000 10.000000 -4.400000\n"
                      " 1  -0.600000 -0.600000 0.600000 0.600000\n"
                      " 1  9.400000 -0.600000 10.600000 0.600000\n"
                      " 13 2.100000\n 8 6\n" +
                          Text10("5.000000 1.600000", 210, " 7.54 cm\xFD") + " 27 -3.5 6.1 %FONT%\\DURCHM.OCM\n" +
                          Text10("5.000000 4.800000", 210, "   12/15.0") + " 13 1.800000\n" +
                          Text10("5.000000 -1.600000", 210, "C=3cm V=2") +
                          Text10("5.000000 -4.000000", 210, "BSt 500S Nr. 3") + " 31\n");
    // No bar number: the grade alone; index 10 of the diameters holds 0.
    Oli_Rebar_Label(0, 0, 10, 0, 1.0, 0, 10, 15.0, 7.54, 0.03, 2.0, 0);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_TRUE(Has(lines, " 10 5.000000 -4.000000 5.000000 -4.000000 210 " + Q("BSt 220/340")));
    EXPECT_TRUE(Has(lines, " 10 5.000000 4.800000 5.000000 4.800000 210 " + Q("   0/15.0")));
    // Shorter than 5 world units: nothing, not even the element.
    Oli_Rebar_Label(0, 0, 3, 4 - 1e-9, 1.0, 2, 2, 15.0, 7.54, 0.03, 2.0, 3);
    Oli_Rebar_Label(0, 0, 10, 0, 1.0, 3, 2, 15.0, 7.54, 0.03, 2.0, 3);
    Oli_Rebar_Label(0, 0, 10, 0, 1.0, 2, 12, 15.0, 7.54, 0.03, 2.0, 3);
    Oli_Rebar_Label(0, 0, 10, 0, -1.0, 2, 2, 15.0, 7.54, 0.03, 2.0, 3);
    Oli_Rebar_Label(0, 0, 10, NAN, 1.0, 2, 2, 15.0, 7.54, 0.03, 2.0, 3);
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, DimensionArrowsWithAndWithoutUpperText) {
    Open(0, 0, 20, 20);
    // Heads of 0.35 at 18 degrees: 0.332870 along, 0.108156 across.
    const std::string heads = " 1  0.332870 0.108156 0.000000 0.000000\n"
                              " 1  0.332870 -0.108156 0.000000 0.000000\n"
                              " 1  9.667130 -0.108156 10.000000 0.000000\n"
                              " 1  9.667130 0.108156 10.000000 0.000000\n";
    Oli_Dimension_Arrows(0, 0, 10, 0, "oben", "unten");
    EXPECT_EQ(Take(), " 30\n 6 0.017000\n 1  0.000000 0.000000 5.000000 0.000000\n"
                      " 1  5.000000 0.000000 10.000000 0.000000\n" +
                          heads + " 13 0.250000\n" + Text10("5.000000 0.200000", 210, "oben") +
                          Text10("5.000000 -0.200000", 210, "unten") + " 31\n");
    // No upper text: a gap of 3 x 0.25 / 4 = 0.1875 either side of the
    // middle, the lower text in it.
    Oli_Dimension_Arrows(0, 0, 10, 0, "", "abc");
    EXPECT_EQ(Take(), " 30\n 6 0.017000\n 1  0.000000 0.000000 4.812500 0.000000\n"
                      " 1  5.187500 0.000000 10.000000 0.000000\n" +
                          heads + " 13 0.250000\n" + Text10("5.000000 0.200000", 210, "") +
                          Text10("5.000000 0.000000", 210, "abc") + " 31\n");
}

TEST_F(PictureTest, SectionLineTicksArrowsAndLetters) {
    Open(0, 0, 20, 20);
    // s = 0.5: ticks of 1 up to A = (0, 1) and B = (10, 1); heads of
    // r = -0.26 at 120 and 60 degrees (0.13 across, 0.225167 down); the
    // letters t = 1.5 x 0.25 / 2.7 = 0.138889 beyond the tick ends.
    Oli_Section_Line(0, 0, 10, 0, 0.5, "A", "B");
    EXPECT_EQ(Take(), " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
                      " 1  0.000000 1.000000 0.000000 0.000000\n"
                      " 1  0.000000 0.000000 10.000000 0.000000\n"
                      " 1  10.000000 0.000000 10.000000 1.000000\n"
                      " 20  64\n 38 0   0\n"
                      " 18 3 0.000000 1.000000 0.130000 0.774833 -0.130000 0.774833 \n"
                      " 18 3 10.000000 1.000000 10.130000 0.774833 9.870000 0.774833 \n"
                      " 13 0.250000\n 8 6\n" +
                          Text10("0.000000 1.138889", 210, "A") + Text10("10.000000 1.138889", 210, "B") + " 31\n");
    // Without letters only the cut line; without fill mode no heads.
    Oli_Section_Line(0, 0, 10, 0, 0.5, nullptr, nullptr);
    EXPECT_EQ(Take(), " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
                      " 1  0.000000 0.000000 10.000000 0.000000\n 20  64\n 38 0   0\n 13 0.250000\n 8 6\n 31\n");
    Oli_Set_Fill_Mode(0);
    Oli_Section_Line(0, 0, 10, 0, -0.5, "A", nullptr);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 18 "), 0);
    EXPECT_TRUE(Has(lines, " 20  0"));
    // s < 0: the tick and the letter below the line.
    EXPECT_TRUE(Has(lines, " 1  0.000000 -1.000000 0.000000 0.000000"));
    EXPECT_TRUE(Has(lines, " 10 0.000000 -1.138889 0.000000 -1.138889 210 " + Q("A")));
}

// ---- levels, supports, clamped edges ----------------------------------------------------

TEST_F(PictureTest, LevelMarkersKeepTheirShapeUpright) {
    Open(0, 0, 10, 10);
    // The triangle (2, 3), (2.16, 3.22), (1.84, 3.22); the text 0.14 left
    // and 0.33 above the apex.
    Oli_Level_Marker(2, 3, "T", 1, 1.0);
    EXPECT_EQ(Take(), " 30\n 20  64\n 18 3 2.000000 3.000000 2.160000 3.220000 1.840000 3.220000 \n"
                      " 1  2.000000 3.000000 2.160000 3.220000\n"
                      " 1  2.160000 3.220000 1.840000 3.220000\n"
                      " 1  2.000000 3.000000 1.840000 3.220000\n"
                      " 13 0.240000\n 14 0.000000 0\n 3 1.860000 3.330000 " + Q("T") + "\n 31\n");
    // The water level: one element, the two lines 0.08 and 0.16 under the
    // apex.
    Oli_Water_Level_Marker(2, 3, "W", 1.0);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 30"), 1);
    EXPECT_EQ(Count(lines, " 31"), 1);
    EXPECT_EQ(lines[lines.size() - 3], " 1  1.840000 2.920000 2.160000 2.920000");
    EXPECT_EQ(lines[lines.size() - 2], " 1  1.900000 2.840000 2.100000 2.840000");
    // With fill mode off only the outline, whatever "filled" says.
    Oli_Set_Fill_Mode(0);
    Oli_Level_Marker(2, 3, "T", 1, 1.0);
    lines = Lines(Take());
    EXPECT_EQ(lines[1], " 20  0");
    EXPECT_EQ(Count(lines, " 18 "), 0);

    // A picture whose y runs down: the y offsets change sign, so the
    // triangle still points down on the page.
    Oli_Set_Fill_Mode(1);
    Open(0, 10, 10, 0);
    Oli_Level_Marker(2, 3, "T", 0, 1.0);
    lines = Lines(Take());
    EXPECT_EQ(lines[2], " 18 3 2.000000 3.000000 2.160000 2.780000 1.840000 2.780000 ");

    Oli_Level_Marker_Line(2, 3, 1.5, "oben", "seitlich", 11, 2.0);
    lines = Lines(Take());
    // Line from 0.17 x 2 left of the apex to 1.5 x 2 right of it.
    EXPECT_TRUE(Has(lines, " 1  1.660000 3.000000 5.000000 3.000000"));
    EXPECT_TRUE(Has(lines, " 16 0.100000"));
    EXPECT_TRUE(Has(lines, " 3 2.500000 2.800000 " + Q("seitlich")));
    Oli_Level_Marker_Line(2, 3, 1.5, "oben", "seitlich", 65, 2.0);
    Oli_Level_Marker(2, 3, "T", 0, -1.0);
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, SupportAndClampedEdge) {
    Open(0, 0, 10, 10);
    Oli_Support_Symbol(1, 1, 0.0, 64, 0, 1, 1.0);
    EXPECT_EQ(Take(), " 30\n 20  64\n 18 3 1.000000 1.000000 1.080000 0.850000 0.920000 0.850000 \n 6 0.015000\n"
                      " 1  1.000000 1.000000 1.080000 0.850000\n"
                      " 1  1.080000 0.850000 0.920000 0.850000\n"
                      " 1  1.000000 1.000000 0.920000 0.850000\n"
                      " 1  1.080000 0.810000 0.920000 0.810000\n 31\n");
    // Turned by 90 degrees about its apex; with the hinge: a white circle
    // of 0.065 and its outline.
    Oli_Support_Symbol(1, 1, 90.0, 0, 1, 0, 1.0);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[2], " 18 3 1.000000 1.000000 0.850000 0.920000 0.850000 1.080000 ");
    EXPECT_EQ(Count(lines, " 18 32 "), 1);
    EXPECT_EQ(Count(lines, " 1  "), 3 + 32);

    // Clamped edge: base from (1.15, 1) to (0.85, 1), six strokes from the
    // base up to the left, 0.05 apart.
    Oli_Clamped_Edge(1, 1, 0.0, 1.0);
    EXPECT_EQ(Take(), " 30\n 6 0.015000\n 1  1.150000 1.000000 0.850000 1.000000\n 4 1\n"
                      " 1  0.900000 1.000000 0.850000 1.100000\n"
                      " 1  0.950000 1.000000 0.900000 1.100000\n"
                      " 1  1.000000 1.000000 0.950000 1.100000\n"
                      " 1  1.050000 1.000000 1.000000 1.100000\n"
                      " 1  1.100000 1.000000 1.050000 1.100000\n"
                      " 1  1.150000 1.000000 1.100000 1.100000\n 31\n");
}

// ---- arrows and loads -----------------------------------------------------------------

TEST_F(PictureTest, ArrowStyles) {
    Open(-5, -5, 5, 5);
    // Tip (0, 0), L 3, h 1, w 0.5: head corners (-1, -+0.25), tail (-3, 0).
    const std::string shaft = " 1  -1.000000 0.000000 -3.000000 0.000000\n";
    const std::string expected[4] = {
        " 1  0.000000 0.000000 -3.000000 0.000000\n 1  0.000000 0.000000 -1.000000 -0.250000\n"
        " 1  0.000000 0.000000 -1.000000 0.250000\n",
        shaft + " 1  0.000000 0.000000 -1.000000 -0.250000\n 1  -1.000000 -0.250000 -1.000000 0.250000\n"
                " 1  0.000000 0.000000 -1.000000 0.250000\n",
        " 20  55\n" + shaft + " 18 3 0.000000 0.000000 -1.000000 -0.250000 -1.000000 0.250000 \n",
        "",
    };
    for (int style = 0; style < 4; style++) {
        Oli_Arrow(0, 0, 0.0, 3, 1, 0.5, style);
        EXPECT_EQ(Take(), " 30\n" + expected[style] + " 31\n") << style;
    }
    // Pointing up from the tip (1, 1): the tail at (1, -2).
    Oli_Arrow(1, 1, PI / 2, 3, 1, 0.5, OLI_ARROW_OPEN);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[1], " 1  1.000000 1.000000 1.000000 -2.000000");
    EXPECT_EQ(lines[2], " 1  1.000000 1.000000 1.250000 0.000000");
    // Between two points: the tip at the first.
    Oli_Arrow_Between(0, 0, 0, 3, 1, 0.5, OLI_ARROW_OPEN);
    lines = Lines(Take());
    EXPECT_EQ(lines[1], " 1  0.000000 0.000000 0.000000 3.000000");

    // A label at -pi/2 is taken at 3 pi/2: the tail up at (0, 3), the label
    // beyond it at (0, 3.5) with the codes (0, 4) = 202; never a format.
    Oli_Arrow_Label(0, 0, -PI / 2, 3, 1, 0.5, OLI_ARROW_OPEN, 0.3, "50%");
    EXPECT_EQ(Take(), " 30\n 1  0.000000 0.000000 0.000000 3.000000\n 1  0.000000 0.000000 -0.250000 1.000000\n"
                      " 1  0.000000 0.000000 0.250000 1.000000\n 13 0.300000\n 8 6\n" +
                          Text10("0.000000 3.500000", 202, "50%") + " 31\n");
    // A moment arrow is one element, its head drawn inside it.
    Oli_Moment_Arrow(0, 0, 2, 0, PI / 2, 0.5, 0.3, OLI_ARROW_FILLED, 0.25, "M");
    lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 30"), 1);
    EXPECT_EQ(Count(lines, " 31"), 1);
    EXPECT_EQ(Count(lines, " 18 3 "), 1);

    Oli_Arrow(0, 0, 0, -3, 1, 0.5, OLI_ARROW_OPEN);
    Oli_Arrow(0, 0, NAN, 3, 1, 0.5, OLI_ARROW_OPEN);
    Oli_Arrow_Label(0, 0, 0, 3, 1, 0.5, OLI_ARROW_OPEN, 0.3, std::string(256, 'x').c_str());
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, PointLoadsPointDownOnThePage) {
    Open(0, 0, 10, 10);
    // L 2, head of 0.3 long and wide, the label 1.5 heads beyond the tail.
    Oli_Load_Arrow_Vertical(0, 0, 2, "F");
    EXPECT_EQ(Take(), " 30\n 4 2\n 38 0   0\n 20  55\n 1  0.000000 0.300000 0.000000 2.000000\n"
                      " 18 3 0.000000 0.000000 0.150000 0.300000 -0.150000 0.300000 \n 13 0.220000\n 8 6\n" +
                          Text10("0.000000 2.450000", 210, "F") + " 31\n");
    Oli_Load_Arrow_Horizontal(0, 0, 2, "H");
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[4], " 1  0.300000 0.000000 2.000000 0.000000");
    EXPECT_EQ(lines[5], " 18 3 0.000000 0.000000 0.300000 0.150000 0.300000 -0.150000 ");
    EXPECT_EQ(lines[9], " 10 2.450000 0.000000 2.450000 0.000000 226 " + Q("H"));
    // y running down: the arrow is turned, still above its tip on the page.
    Open(0, 10, 10, 0);
    Oli_Load_Arrow_Vertical(0, 0, 2, "F");
    lines = Lines(Take());
    EXPECT_EQ(lines[4], " 1  0.000000 -0.300000 0.000000 -2.000000");
}

TEST_F(PictureTest, LineAndTrapezoidLoads) {
    Open(-1, -1, 5, 5);
    // 5 arrows a cm at scale 1 over 1: n = 5, six arrows 0.2 apart, each
    // turned down with L 1, head 0.15 long and wide.
    Oli_Line_Load(0, 0, 1, 0, 1.0, 0.2, "q");
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 30"), 1);
    EXPECT_EQ(Count(lines, " 18 3 "), 6);
    const std::vector<std::string> first = {" 30", " 4 2", " 38 0   0", " 20  55", " 13 0.200000", " 8 6", " 20  55",
                                            " 1  0.000000 0.150000 0.000000 1.000000",
                                            " 18 3 0.000000 0.000000 -0.075000 0.150000 0.075000 0.150000 "};
    for (size_t i = 0; i < first.size(); i++) EXPECT_EQ(lines[i], first[i]) << i;
    EXPECT_TRUE(Has(lines, " 1  0.600000 0.150000 0.600000 1.000000"));
    // The lines through tips and tails, the white box of 0.15 x 0.26 at
    // (0.5, 0.5) and the label in it.
    const size_t end = lines.size();
    EXPECT_EQ(lines[end - 7], " 1  0.000000 0.000000 1.000000 0.000000");
    EXPECT_EQ(lines[end - 6], " 1  0.000000 1.000000 1.000000 1.000000");
    EXPECT_EQ(lines[end - 5], " 20  0");
    EXPECT_EQ(lines[end - 4], " 24  0.425000 0.630000 0.575000 0.370000");
    EXPECT_EQ(lines[end - 2], " 10 0.500000 0.500000 0.500000 0.500000 210 " + Q("q"));
    EXPECT_EQ(lines[end - 1], " 31");

    // A short load still gets three arrows; a vertical one nothing.
    Oli_Line_Load(0, 0, 0.1, 0, 1.0, 0.2, "q");
    EXPECT_EQ(Count(Lines(Take()), " 18 3 "), 3);
    Oli_Line_Load(0, 0, 0, 4, 1.0, 0.2, "q");
    EXPECT_EQ(Take(), "");

    // Trapezoid over 4: one arrow per 2 cm, n = 2: lengths 1, 1.5, 2; the
    // tail line from (0, 1) to (4, 2); the label at half of 0 + 1 + 1.5 x
    // 0.5 over the line (the running length after the last arrow, 2.5).
    Oli_Trapezoid_Load(0, 0, 4, 0, 1.0, 2.0, 0.2, "q");
    lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 18 3 "), 3);
    EXPECT_TRUE(Has(lines, " 1  2.000000 0.225000 2.000000 1.500000"));
    EXPECT_TRUE(Has(lines, " 1  0.000000 1.000000 4.000000 2.000000"));
    EXPECT_TRUE(Has(lines, " 10 2.000000 1.250000 2.000000 1.250000 210 " + Q("q")));

    // More than 1000 arrows are refused.
    Oli_Line_Load(0, 0, 201, 0, 1.0, 0.2, "q");
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, MemberLoadsInAYDownFrame) {
    Open(0, -5, 15, 5, 0.01, 0.01);
    // Member from (100, 100) to (1100, 100), drawn at y = -1 cm; 0.005 x
    // 1000 = 5 stations 200 apart; ordinates 50 along global y: the load
    // line at y = -(100 - 50), above the member on the page; each arrow
    // from it down onto the member, head 17.5 long and 40 wide.
    Oli_Member_Load_Y(100, 100, 1100, 100, 50, 50);
    std::vector<std::string> lines = Lines(Take());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 1  1.000000 -1.000000 11.000000 -1.000000");
    EXPECT_EQ(lines[1], " 1  1.000000 -0.500000 11.000000 -0.500000");
    EXPECT_EQ(Count(lines, " 30"), 6);
    const std::vector<std::string> arrow = {" 30", " 1  3.000000 -1.000000 3.000000 -0.500000",
                                            " 1  3.000000 -1.000000 2.800000 -0.825000",
                                            " 1  3.000000 -1.000000 3.200000 -0.825000", " 31"};
    for (size_t i = 0; i < arrow.size(); i++) EXPECT_EQ(lines[7 + i], arrow[i]) << i;

    // A member shorter than one station spacing: one station, an arrow at
    // each end. Axial: 600 / 300 = 2 stations, arrows of one spacing that
    // end at the member's end.
    Oli_Member_Load_X(100, 100, 150, 100, 20, 20);
    EXPECT_EQ(Count(Lines(Take()), " 30"), 2);
    Oli_Member_Load_Axial(100, 100, 700, 100, 1, 1);
    lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 30"), 2);
    EXPECT_TRUE(Has(lines, " 1  7.000000 -1.000000 4.000000 -1.000000"));
    EXPECT_FALSE(Has(lines, " 1  10.000000 -1.000000 7.000000 -1.000000"));
    // Perpendicular to a member along x: the load line moved by -q up the
    // drawn page, like global y.
    Oli_Member_Load_Perpendicular(100, 100, 1100, 100, 50, 50);
    lines = Lines(Take());
    EXPECT_EQ(lines[1], " 1  1.000000 -0.500000 11.000000 -0.500000");

    Oli_Member_Load_Y(100, 100, 1e7, 100, 50, 50);
    Oli_Member_Load_Y(100, NAN, 1100, 100, 50, 50);
    EXPECT_EQ(Take(), "");
}

// ---- force diagram ----------------------------------------------------------------------

TEST_F(PictureTest, ForceDiagramOrdinatesLabelsAndSignCircles) {
    Open(-1, -3, 11, 3);
    OliForceDiagram d;
    Oli_Force_Diagram_Init(&d, 3);
    EXPECT_EQ(d.fill_pattern, 11);
    EXPECT_EQ(d.second_switch, 2);
    d.x2 = 10.0;
    const double pos[3] = {0, 5, 12}, val[3] = {1, -2, 1};  // the last beyond the member: at its end
    for (int i = 0; i < 3; i++) d.positions[i] = pos[i], d.values[i] = val[i];
    d.decimals = 1;
    Oli_Force_Diagram_Draw(&d);
    std::vector<std::string> lines = Lines(Take());
    // Side 1: positive values to the right of the member direction (down
    // here); labels 0.3 beyond their ordinates.
    EXPECT_EQ(lines[0], " 38 0   0");
    EXPECT_EQ(lines[1], " 4 1");
    EXPECT_EQ(lines[2], " 20  11");
    EXPECT_EQ(lines[3], " 18 5 0.000000 -1.000000 5.000000 2.000000 10.000000 -1.000000 10.000000 0.000000 "
                        "0.000000 0.000000 ");
    EXPECT_EQ(lines[9], " 1  0.000000 0.000000 0.000000 -1.000000");
    EXPECT_EQ(lines[10], " 9 0.000000 -1.300000 0.000000 -1.300000 210 " + Q("1.0"));
    // The first station turns (the diagram falls after it): a circle with
    // "+" in the middle of its ordinate; the second "-"; the last none.
    EXPECT_TRUE(Has(lines, " 9 0.000000 -0.500000 0.000000 -0.500000 210 " + Q("+")));
    EXPECT_TRUE(Has(lines, " 9 5.000000 2.300000 5.000000 2.300000 210 " + Q("-2.0")));
    EXPECT_TRUE(Has(lines, " 9 5.000000 1.000000 5.000000 1.000000 210 " + Q("-")));
    EXPECT_TRUE(Has(lines, " 9 10.000000 -1.300000 10.000000 -1.300000 210 " + Q("1.0")));
    EXPECT_EQ(Count(lines, " 18 32 "), 2);
    const size_t n = lines.size();
    EXPECT_EQ(lines[n - 5], " 4 3");
    EXPECT_EQ(lines[n - 4], " 1  0.000000 0.000000 10.000000 0.000000");
    EXPECT_EQ(lines[n - 2], " 38 2 0.1 0.1 0");
    EXPECT_EQ(lines[n - 1], " 1  0.000000 -0.100000 10.000000 -0.100000");

    // A copy owns arrays of its own; one station: its label, no circle.
    OliForceDiagram c;
    Oli_Force_Diagram_Init(&c, 0);
    Oli_Force_Diagram_Copy(&c, &d);
    EXPECT_NE(c.values, d.values);
    EXPECT_EQ(c.values[1], -2.0);
    c.n = 1, c.decimals = 0, c.values[0] = 12.4;
    Oli_Force_Diagram_Draw(&c);
    lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 18 32 "), 0);
    EXPECT_TRUE(Has(lines, " 9 0.000000 -12.700000 0.000000 -12.700000 210 " + Q("12")));
    // Shorter than 1 mm on paper: nothing; decimals beyond 10: refused.
    c.x2 = 0.009;
    Oli_Force_Diagram_Draw(&c);
    c.x2 = 10.0, c.decimals = 11;
    Oli_Force_Diagram_Draw(&c);
    c.decimals = 1, c.values[0] = NAN;
    Oli_Force_Diagram_Draw(&c);
    EXPECT_EQ(Take(), "");
    OliForceDiagram empty;
    Oli_Force_Diagram_Init(&empty, 0);
    Oli_Force_Diagram_Copy(&c, &empty);
    EXPECT_EQ(c.values, nullptr);
    Oli_Force_Diagram_Free(&c);
    Oli_Force_Diagram_Free(&d);
    EXPECT_EQ(d.positions, nullptr);
}

// ---- charts and value diagrams ------------------------------------------------------------

TEST_F(PictureTest, ChartAxesTitlesAndTicks) {
    OliChartAxes a;
    Oli_Chart_Axes_Init(&a);
    std::snprintf(a.x_title, sizeof a.x_title, "%s", "x");
    std::snprintf(a.y_title, sizeof a.y_title, "%s", "y");
    // 4 cm for 100 units each way: 0.04 cm per unit, the margins 12.5
    // units, 0.1 cm = 2.5 units for heads and title distances.
    EXPECT_EQ(Oli_Chart_Begin(oli_, &a), 0);
    Oli_Grafik_End();
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-0.500000 4.500000 -0.500000 4.500000\n"
                      " 13 0.250000\n 16 2.000000\n 38 0   0\n"
                      " 1  0.000000 0.000000 4.000000 0.000000\n"
                      " 18 3 4.200000 0.000000 4.000000 -0.100000 4.000000 0.100000 \n" +
                          Text10("4.300000 0.000000", 209, "x") + " 4 2\n 13 0.250000\n 38 0   0\n"
                          " 1  0.000000 0.000000 0.000000 4.000000\n"
                          " 18 3 0.000000 4.200000 -0.100000 4.000000 0.100000 4.000000 \n" +
                          Text10("0.000000 4.250000", 226, "y") + " -1\n");
    // Steps 25 (no decimals), 0.5 (one) and 0.05 (two); the labels of the
    // positive side below the x axis.
    a.x_step = 25.0;
    Oli_Chart_Begin(oli_, &a);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 10 "), 2 + 3);
    EXPECT_TRUE(Has(lines, " 10 1.000000 -0.200000 1.000000 -0.200000 202 " + Q("25")));
    EXPECT_TRUE(Has(lines, " 1  1.000000 -0.100000 1.000000 0.100000"));
    a.xmax = 1.0, a.x_step = 0.5;
    Oli_Chart_Begin(oli_, &a);
    lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 10 "), 2 + 1);
    EXPECT_TRUE(Has(lines, " 10 2.000000 -0.200000 2.000000 -0.200000 202 " + Q("0.5")));
    a.x_step = 0.05, a.grid = 1;
    Oli_Chart_Begin(oli_, &a);
    lines = Lines(Take());
    EXPECT_TRUE(Has(lines, " 10 0.200000 -0.200000 0.200000 -0.200000 202 " + Q("0.05")));
    EXPECT_EQ(Count(lines, " 38 2 0.03 0.05 0"), 19);

    // An empty range: nothing, and the end and a quick curve write nothing.
    a.xmax = a.xmin;
    EXPECT_EQ(Oli_Chart_Begin(oli_, &a), 1);
    Oli_Grafik_End();
    const double x[2] = {0, 1}, y[2] = {0, 1};
    Oli_Quick_Curve_Picture(oli_, 2, x, y, 1, 0, 2, 2);
    EXPECT_EQ(Take(), "");
    Oli_Chart_Axes_Init(&a);
    a.x_step = 0.001;  // 100000 ticks
    EXPECT_EQ(Oli_Chart_Begin(oli_, &a), 1);
    Oli_Chart_Axes_Init(&a);
    a.margin[1] = 5.0;
    EXPECT_EQ(Oli_Chart_Begin(oli_, &a), 1);
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, QuickCurveWithAxesThroughTheOrigin) {
    OliChartAxes a;
    Oli_Chart_Axes_Init(&a);
    Oli_Chart_Begin(nullptr, &a);  // a drawn chart lets the quick curve draw
    const double x[3] = {1, 2, 3}, y[3] = {1, 4, 9};
    Oli_Quick_Curve_Picture(oli_, 3, x, y, 1, 0, 3, 9);
    EXPECT_EQ(Take(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-1.000000 4.000000 -1.000000 10.000000\n"
                      " 1  0.000000 0.000000 3.000000 0.000000\n"
                      " 1  0.000000 0.000000 0.000000 9.000000\n"
                      " 1  1.000000 1.000000 2.000000 4.000000\n"
                      " 1  2.000000 4.000000 3.000000 9.000000\n -1\n");
    Oli_Quick_Curve_Picture(oli_, 3, x, y, 3, 2, 3, 9);
    EXPECT_EQ(Lines(Take())[4], "4.000000 -1.000000 10.000000 -1.000000");
    Oli_Quick_Curve_Picture(oli_, 0, x, y, 1, 0, 3, 9);
    const double zero[2] = {0, 0};
    Oli_Quick_Curve_Picture(oli_, 2, zero, y, 1, 0, 3, 9);
    EXPECT_EQ(Take(), "");
}

TEST_F(PictureTest, ValueDiagramAreaTicksAndTitle) {
    Open(0, 0, 10, 10);
    // Label column h - 0.04 = 0.5: the values 0..2 over 4 cm (2 cm per
    // unit), the positions 0..2 over 2 cm; zero line at the left edge. Tick
    // step (1 + 0.0001): one tick, "1", at 0.5 + 2.0002, its label 0.06 +
    // 0.4 h + 0.02 above the far end; the title 0.8 h + 0.04 left of the
    // diagram, turned by 90 degrees.
    const double p[3] = {0, 1, 2}, v[3] = {0, 1, 2};
    EXPECT_EQ(Oli_Value_Diagram(0, 0, 4.5, 2, p, v, 3, "T", "", 0.54), 1);
    EXPECT_EQ(Take(), " 30\n 20  11\n 6 0.015000\n"
                      " 18 5 0.500000 0.000000 0.500000 0.000000 2.500000 1.000000 4.500000 2.000000 0.500000 2.000000 \n"
                      " 1  0.500000 0.000000 0.500000 0.000000\n"
                      " 1  0.500000 0.000000 2.500000 1.000000\n"
                      " 1  2.500000 1.000000 4.500000 2.000000\n"
                      " 1  4.500000 2.000000 0.500000 2.000000\n"
                      " 1  0.500000 0.000000 0.500000 2.000000\n"
                      " 6 0.040000\n 1  0.500000 0.000000 0.500000 2.000000\n"
                      " 6 0.010000\n 8 6\n 13 0.432000\n"
                      " 1  2.500200 1.940000 2.500200 2.060000\n" +
                          Text10("2.500200 2.296000", 210, "1") + " 7 7\n 20  0\n 23 1 0\n 13 0.540000\n" +
                          Text10("0.028000 1.000000", 210, "T", "90.000000") + " 31\n");
    // A constant diagram closes on the zero line; the caller's values stay.
    double c[3] = {2, 2, 2};
    EXPECT_EQ(Oli_Value_Diagram(0, 0, 4.5, 2, p, c, 3, "T", "", 0.54), 1);
    EXPECT_EQ(c[0], 2.0);
    EXPECT_EQ(Lines(Take())[3], " 18 5 0.500000 0.000000 0.500000 0.000000 4.500000 1.000000 0.500000 2.000000 "
                                "0.500000 2.000000 ");
    // Equidistant positions; the title upright in a box, the caption under
    // the diagram.
    EXPECT_EQ(Oli_Value_Diagram_Equidistant(0, 0, 4.5, 3, 0, 2, v, 3, "T", "C", 0.54), 1);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[3].rfind(" 18 5 0.500000 0.702000 ", 0), 0u) << lines[3];
    EXPECT_TRUE(Has(lines, " 9 0.028000 1.851000 0.028000 1.851000 466 " + Q("T")));
    EXPECT_TRUE(Has(lines, " 9 2.500000 0.189000 2.500000 0.189000 210 " + Q("C")));

    std::vector<double> many(101, 1.0);
    EXPECT_EQ(Oli_Value_Diagram(0, 0, 4.5, 2, many.data(), many.data(), 101, "T", "", 0.54), 0);
    const double close[3] = {0, 0.04, 0.08};
    EXPECT_EQ(Oli_Value_Diagram(0, 0, 4.5, 2, close, v, 3, "T", "", 0.54), 0);
    EXPECT_EQ(Oli_Value_Diagram(0, 0, 0.55, 2, p, v, 3, "T", "", 0.54), 0);
    EXPECT_EQ(Take(), "");
}

// ---- dimension chains -----------------------------------------------------------------------

TEST_F(PictureTest, DimensionChainsProjectSortAndFree) {
    Open(-10, -10, 40, 40);
    PtrArr list = {nullptr, 0, 0};
    // A point alone is kept; "cm" with u = 0 draws nothing and frees both.
    EXPECT_EQ(Oli_Dimension_Point_Add(&list, 10, 1), 1);
    EXPECT_EQ(Oli_Dimension_Chain(&list, "mm", 2, 5.0, 0.2, 1.0, 0), 0.0);
    EXPECT_EQ(PtrArr_Count(&list), 1);
    Oli_Dimension_Point_Add(&list, 0, 3);
    EXPECT_EQ(Oli_Dimension_Chain_cm(&list, "cm", 0, 0, 0, 0.2, 0.0, 0), 0.0);
    EXPECT_EQ(PtrArr_Count(&list), 0);
    EXPECT_EQ(Take(), "");
    // Three points of one x in orientation 0: nothing drawn, all freed.
    for (int i = 0; i < 3; i++) Oli_Dimension_Point_Add(&list, 4, i);
    EXPECT_EQ(Oli_Dimension_Chain(&list, "mm", 0, 5.0, 0.2, 1.0, 0), 0.0);
    EXPECT_EQ(PtrArr_Count(&list), 0);
    EXPECT_EQ(Take(), "");

    // Points 25, 0, 10 on y = 5, ascending: the two links drawn by the
    // writer of the unit, as their own calls draw them.
    for (double x : {25.0, 0.0, 10.0}) Oli_Dimension_Point_Add(&list, x, -3.0);
    Oli_Dimension_Chain(&list, "mm", 2, 5.0, 0.2, 1.0, 0);
    const std::string chain = Take();
    Oli_Dimension_Line_cm(0, 5, 10, 5, 0.2, 0);
    Oli_Dimension_Line_cm(10, 5, 25, 5, 0.2, 0);
    EXPECT_EQ(chain, Take());
    // Along a line at 90 degrees through (7, 0): the points projected onto
    // x = 7 and sorted along it; "CM" is no "cm" and takes the metres.
    Oli_Dimension_Point_Add(&list, 3, 2);
    Oli_Dimension_Point_Add(&list, -1, 0.5);
    Oli_Dimension_Chain_cm(&list, "CM", 7, 0, PI / 2, 0.2, 1.0, 0);
    const std::string turned = Take();
    Oli_Dimension_Line_m(7, 0.5, 7, 2, 0.2);
    EXPECT_EQ(turned, Take());
    EXPECT_EQ(Oli_Dimension_Point_Add(&list, NAN, 0), 0);
    EXPECT_EQ(PtrArr_Count(&list), 0);
    PtrArr_Reset(&list);
}

// ---- hatched strips and bolts ------------------------------------------------------------

TEST_F(PictureTest, HatchedStripAndBolts) {
    Open(-5, -5, 5, 5);
    Oli_Hatched_Strip(0, 0, 4, 0, 1.0, 0);
    EXPECT_EQ(Take(), " 30\n 6 0.000000\n 38 2 0.01 0.55 0\n 20  45\n"
                      " 18 4 0.000000 0.000000 4.000000 0.000000 4.000000 -1.000000 0.000000 -1.000000 \n 31\n");
    // Side 4: the element without area; with a plot file the hatch goes
    // there as lines and the area stays out of it.
    Oli_Hatched_Strip(0, 0, 4, 0, 1.0, 4);
    EXPECT_EQ(Take(), " 30\n 6 0.000000\n 38 2 0.01 0.55 0\n 20  45\n 31\n");
    Open_Plot(-5, -5, 5, 5);
    Oli_Hatched_Strip(0, 0, 4, 0, 1.0, 1);
    const std::string plot = Plot_Entities();
    EXPECT_NE(plot.find("-line "), std::string::npos);
    EXPECT_EQ(plot.find("-area"), std::string::npos);
    EXPECT_NE(Take().find(" 18 4 "), std::string::npos);
    PlotFile_Close();

    // The nut: a hexagon of 0.433 a and a / 4, the axis cross 0.8 a.
    Oli_Bolt_Symbol(nullptr, 2, 2.0, 0, 0, 0);
    EXPECT_EQ(Take(), " 30\n 6 0.020000\n 20  43\n"
                      " 18 6 0.866000 -0.500000 0.000000 -1.000000 -0.866000 -0.500000 -0.866000 0.500000 0.000000 "
                      "1.000000 0.866000 0.500000 \n 6 0.015000\n 38 0   0\n"
                      " 1  -1.600000 0.000000 1.600000 0.000000\n 1  0.000000 -1.600000 0.000000 1.600000\n 31\n");
    Oli_Bolt_Symbol(nullptr, 8, 2.0, 0, 0, 0);
    EXPECT_EQ(Take(), " 30\n 6 0.020000\n 31\n");
    // Side view without fill mode: no layers, still the axis.
    Oli_Set_Fill_Mode(0);
    Oli_Bolt_Symbol(nullptr, 0, 2.0, 0, 0, 0);
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(Count(lines, " 18 "), 0);
    EXPECT_EQ(Count(lines, " 20  0"), 4);
    EXPECT_TRUE(Has(lines, " 1  -7.000000 0.000000 -2.000000 0.000000"));
    Oli_Set_Fill_Mode(1);
    // End view with its mark; elevation with its hook.
    Oli_Bolt_Symbol(nullptr, 6, 1.0, 0, 0, 0);
    lines = Lines(Take());
    EXPECT_TRUE(Has(lines, " 1  0.426000 0.426000 0.546000 0.246000"));
    EXPECT_EQ(Count(lines, " 18 32 "), 1);
    Oli_Bolt_Symbol(nullptr, 4, 2.0, 0, 0, 1.0);
    lines = Lines(Take());
    EXPECT_TRUE(Has(lines, " 1  2.000000 1.000000 2.240000 0.760000"));
    Oli_Bolt_Symbol(nullptr, 4, -2.0, 0, 0, 1.0);
    Oli_Hatched_Strip(0, 0, 4, 0, -1.0, 0);
    EXPECT_EQ(Take(), "");
}

// ---- leader labels and bold text --------------------------------------------------------

TEST_F(PictureTest, LeaderLabelsAndBoldText) {
    Open(-5, -5, 5, 5);
    // "ab" (trailing blanks dropped): the shoulder to E = (1 + 0.2 + 2 x
    // 0.2, 1); the point is nearer P2, so the leader ends there and the
    // text stands behind the shoulder's start (codes 2, 3).
    Oli_Leader_Label(0, 0, 1, 1, 0.2, "%s  ", "ab");
    EXPECT_EQ(Take(), " 30\n 4 1\n 38 0   0\n 1  0.000000 0.000000 1.000000 1.000000\n"
                      " 1  1.000000 1.000000 1.600000 1.000000\n" +
                          Text10("1.120000 1.040000", 225, "ab") + " 31\n");
    // The point to the right, beyond E: the leader to E, the text before
    // it (codes 2, 1).
    Oli_Leader_Label(3, 0, 1, 1, 0.2, "ab");
    std::vector<std::string> lines = Lines(Take());
    EXPECT_EQ(lines[3], " 1  3.000000 0.000000 1.600000 1.000000");
    EXPECT_EQ(lines[6], " 10 1.480000 1.040000 1.480000 1.040000 228 " + Q("ab"));

    // The flag form: E = (1 + 0.82 x 0.2 x 4, 1), the triangle at x = 1 +
    // 0.96 x 0.2 x 2.
    Oli_Leader_Label_Flag(0, 0, 1, 1, 0, 0.2, "ab");
    EXPECT_EQ(Take(), " 30\n 4 1\n 38 0   0\n 13 0.200000\n 1  0.000000 0.000000 1.000000 1.000000\n"
                      " 1  1.000000 1.000000 1.656000 1.000000\n" +
                          Text10("1.020000 1.040000", 225, "ab") +
                          " 20  1\n 18 3 1.384000 1.040000 1.584000 1.040000 1.384000 1.240000 \n 4 2\n"
                          " 1  1.384000 1.040000 1.584000 1.040000\n"
                          " 1  1.584000 1.040000 1.384000 1.240000\n"
                          " 1  1.384000 1.040000 1.384000 1.240000\n 31\n");
    Oli_Leader_Label_Flag(0, 0, 1, 1, 1, 0.2, "ab");
    EXPECT_EQ(Count(Lines(Take()), " 18 "), 0);

    // Bold: four record-2 texts 0.01 cm apart, nothing else.
    Oli_Bold_Text(2, 3, "B");
    EXPECT_EQ(Take(), " 2 2.000000 3.000000 " + Q("B") + "\n 2 2.010000 3.000000 " + Q("B") + "\n 2 2.000000 3.010000 " +
                          Q("B") + "\n 2 2.010000 3.010000 " + Q("B") + "\n");

    Oli_Leader_Label(0, 0, 1, 1, 0.2, "%s", std::string(256, 'x').c_str());
    Oli_Leader_Label(0, 0, 1, 1, -0.2, "ab");
    Oli_Bold_Text(2, 3, "a\nb");
    EXPECT_EQ(Take(), "");
}

// Every writer of a symbol refuses while no picture with a usable scale
// is open, and says which.
TEST(SymbolRefusal, NoPictureNoSymbol) {
    Oli_Grafik_Begin_Plain(nullptr, 0, 0, 1, 1, 1e-9, 1e-9);
    VEK_Clear_Recorded_Messages();
    Oli_Arrow(0, 0, 0, 1, 0.1, 0.1, 0);
    ASSERT_FALSE(VEK_Recorded_Messages().empty());
    const std::string box = VEK_Recorded_Messages().back().lines.front();
    EXPECT_NE(box.find("Oli_Arrow nicht geschrieben"), std::string::npos) << box;
    EXPECT_NE(box.find("Bild"), std::string::npos) << box;
}

}  // namespace

}  // namespace test_ioliplot_symbols
