// A connection sketch written the way the weld report writes one: a y-down
// picture in colour mode with a plot file opened on the same extent, an
// element with a filled plate, a polygon, a filled circle with its outline,
// a ring, a dimension line, the axes symbol and text labels, then the
// closing " -1" and the end of the plot file. Both files are compared byte
// for byte with golden files whose lines were checked one by one.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/vesk.h"
#include "printlist/ioliplot.h"
#include "printlist/plotfile.h"
#include "support/testutil.h"

namespace {

void Write_Sketch(FILE* oli, FILE* spf) {
    Oli_Set_Color_Mode(1);
    Oli_Set_Fill_Mode(1);
    Oli_Set_Dimension_Style(0);
    OliGrafik_Captions captions;
    std::memset(&captions, 0, sizeof captions);
    std::snprintf(captions.line[0], 80, "%s", "Schweißnahtanschluss"_cp);
    std::snprintf(captions.line[3], 80, "%s", "Maßstab 1:200"_cp);
    ASSERT_GT(Oli_Grafik_Begin(oli, -2.0, 22.0, 12.0, -2.0, 0.5, 0.5, 0.0, &captions), 0);
    PlotFile_Open_Color(spf, -2.0, 22.0, 12.0, -2.0, 0.5, 0.0, "Skizze Pos. %d", 7);

    Oli_Element_Begin();
    PlotFile_Set_Pen(2);
    PlotFile_Set_Filling(1);
    Oli_Fill_Record(3);
    Oli_Filled_Rect(0.0, 0.0, 10.0, 2.0);
    const double px[3] = {0.0, 4.0, 0.0}, py[3] = {2.0, 2.0, 6.0};
    Oli_Filled_Polygon(3, px, py);
    Oli_Filled_Circle(5.0, 10.0, 2.0);
    Oli_Arc(5.0, 10.0, 2.0, 0.0, 360.0);
    Oli_Ring(5.0, 16.0, 3.0, 2.0);
    Oli_Element_End();

    Oli_Dimension_Line_cm(0.0, -1.0, 10.0, -1.0, 0.2, 0);
    Oli_Axes_Symbol(-1.0, 21.0, "y", "z", 0.5, 0.0);
    Oli_Text_At_Printf(5.0, 1.0, 4, 4, "t = %.0f mm", 20.0);
    Oli_Text_Box_Printf(5.0, 12.0, 0, 3, "a = %d mm", 5);
    Safe_Fprintf(oli, " -1\n");
    PlotFile_Close();
}

TEST(PictureSketch, MatchesGoldenPrintListAndPlotFile) {
    testutil::TempDir dir;
    std::string oli_name = dir.file("SKIZZE_01.OLI"), spf_name = dir.file("SKIZ0007.SPF");
    FILE* oli = std::fopen(oli_name.c_str(), "wb");
    FILE* spf = std::fopen(spf_name.c_str(), "wb");
    ASSERT_TRUE(oli && spf);
    Write_Sketch(oli, spf);
    std::fclose(oli);  // the plot file closed its own stream
    EXPECT_EQ(PlotFile_Get_State()->stream, nullptr);
    EXPECT_EQ(testutil::Read_File(oli_name), testutil::Read_File(testutil::Fixture("pictures/sketch.OLI")));
    EXPECT_EQ(testutil::Read_File(spf_name), testutil::Read_File(testutil::Fixture("pictures/sketch.SPF")));
}

}  // namespace
