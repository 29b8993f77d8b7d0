// Plot file: the grey head line by line, the turned extent and origin shift,
// the setters' clamping, entity ids, mirrored y, closed-file behaviour and
// the single owner of the stream.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "printlist/ioliplot.h"
#include "printlist/picture_capture.h"
#include "printlist/plotfile.h"
#include "support/testutil.h"

namespace test_plotfile {
namespace {

const double PI = 3.14159265358979323846;

// Opens a plot file on a named file, closes it and reads it back.
class PlotFileTest : public PictureTest {
protected:
    std::string Name() const { return dir_.file("PLOT0001.SPF"); }
    FILE* Create() { return std::fopen(Name().c_str(), "wb"); }
    std::string Close_And_Read() {
        EXPECT_EQ(PlotFile_Close(), 0);
        return testutil::Read_File(Name());
    }
    testutil::TempDir dir_;
};

TEST_F(PlotFileTest, GreyHeadLineByLine) {
    Open(0, 0, 4, 2);
    PlotFile_Open_Grey(Create(), 0, 0, 4, 2, 0.25, 0.0, "%s %d", "Pos.", 12);
    std::vector<std::string> l = Lines(Close_And_Read());
    ASSERT_EQ(l.size(), 6u + 6u + 1u + 42u + 2u + 6u + 13u + 9u + 2u + 6u + 2u + 3u + 2u);
    EXPECT_EQ(l[0], "morv-Linarium (1.0)A");
    EXPECT_EQ(l[1], "Pos. 12");
    EXPECT_EQ(l[2], "1.000000 0.500000");
    EXPECT_EQ(l[3], "0");
    EXPECT_EQ(l[4], "");
    EXPECT_EQ(l[5], "*TABLES");
    EXPECT_EQ(l[6], "-colors 5");
    EXPECT_EQ(l[7], " 1 100 100 100");
    EXPECT_EQ(l[10], " 4  198 198 198");
    EXPECT_EQ(l[11], " 5  230 230 230");
    EXPECT_EQ(l[12], "-pens 43");
    EXPECT_EQ(l[13], " 0  0.180000 0");
    EXPECT_EQ(l[54], " 41  0.020000 5");
    EXPECT_EQ(l[55], " 42  0.0001 5");
    EXPECT_EQ(l[56], "");
    EXPECT_EQ(l[57], "-linetypes 5");
    EXPECT_EQ(l[58], "0 0 1");
    EXPECT_EQ(l[60], "2 2 0 3.0 1.0 0.5 1.0");
    EXPECT_EQ(l[62], "4 1 0 0.1 20.0");
    EXPECT_EQ(l[63], "-fonts 12");
    EXPECT_EQ(l[64], "  0 \xAE 0.18  normal  \xAF 0 0  1.800000 0.700000 3.000000 0.000000 1");
    EXPECT_EQ(l[73], "  9 \xAE 0.70  kursiv  \xAF 0 1  7.000000 0.700000 3.000000 15.000000 1");
    EXPECT_EQ(l[74], " 10 \xAE 1.0   normal  \xAF 0 1 10.000000 0.700000 3.000000 0.000000 1");
    EXPECT_EQ(l[75], " 11 \xAE 1.00  kursiv  \xAF 0 1 10.000000 0.700000 3.000000 15.000000 1");
    EXPECT_EQ(l[76], "-fillings 8");
    EXPECT_EQ(l[77], " 0 00.0 1 0 0.20000 2 0");
    EXPECT_EQ(l[82], " 5 00.0 1 0 0.20000 37 0");
    EXPECT_EQ(l[83], " 6 0.000000 1   0 1.000000 1 0");
    EXPECT_EQ(l[84], " 7 0.000000 1   0 10000.000000 1 4");
    EXPECT_EQ(l[85], "-coordinates 1");
    // The shift is minus the smallest corner: an extent from 0 gives -0.
    EXPECT_EQ(l[86], " 0 \xAE" "1:400\xAF 400 0 -0.000000 -0.000000 0 0.0 0.0 0 0.0 0.0");
    EXPECT_EQ(l[87], "-layers 5");
    EXPECT_EQ(l[90], " 2 \xAE" "Folie 3\xAF 1 1 " + std::string("«Vermaßung»"_cp));
    EXPECT_EQ(l[93], "*EOT");
    EXPECT_EQ(l[94], "");
    EXPECT_EQ(l[95], "*ENTITIES");
    EXPECT_EQ(l[96], "-setcoorsys 0");
    EXPECT_EQ(l[97], "-setlayer 0");
    EXPECT_EQ(l[98], "*EOI");
    EXPECT_EQ(l[99], "");
}

TEST_F(PlotFileTest, ColourHeadCountsTurnedExtentAndLongTitle) {
    Open(0, 0, 4, 2);
    std::string title(300, 't');
    // A quarter turn maps (x, y) to (y, -x): x from 2 to 7, y from -11 to -1.
    PlotFile_Open_Color(Create(), 1, 2, 11, 7, 0.5, PI / 2, "%s", title.c_str());
    std::vector<std::string> l = Lines(Close_And_Read());
    EXPECT_EQ(l[1], std::string(255, 't'));
    EXPECT_EQ(l[2], "2.500000 5.000000");
    EXPECT_EQ(l[6], "-colors 5");
    EXPECT_EQ(l[12], "-pens 42");
    EXPECT_EQ(l[55], "-linetypes 4");
    EXPECT_EQ(l[60], "-fonts 12");
    EXPECT_EQ(l[73], "-fillings 18");
    EXPECT_EQ(l[92], "-coordinates 1");
    EXPECT_EQ(l[93], " 0 \xAE" "1:200\xAF 200 0 -1.000000 5.500000 0 0.0 0.0 0 0.0 0.0");
}

TEST_F(PictureTest, SettersClampToTheTables) {
    EXPECT_EQ(PlotFile_Set_Pen(99), 41);
    EXPECT_EQ(PlotFile_Set_Pen(-2), 0);
    EXPECT_EQ(PlotFile_Set_Pen(13), 13);
    EXPECT_EQ(PlotFile_Set_Filling(-3), -1);
    EXPECT_EQ(PlotFile_Set_Filling(99), 17);
    EXPECT_EQ(PlotFile_Set_Linetype(9), 3);
    EXPECT_EQ(PlotFile_Set_Linetype(-9), 0);
    EXPECT_EQ(PlotFile_Set_Font(12), 11);
    EXPECT_EQ(PlotFile_Set_Font(-1), 0);
    PlotFile_Set_Layer(3);  // closed: nothing, nothing to fail

    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    EXPECT_EQ(PlotFile_Get_State()->filling, 0);  // the opening starts at 0
    PlotFile_Set_Layer(7);
    PlotFile_Set_Layer(-1);
    PlotFile_Set_Layer(2);
    EXPECT_EQ(Plot_Entities(), "-setlayer 4\n-setlayer 0\n-setlayer 2\n");

    PlotFile_Set_Filling(-3);  // no filling: no area entities
    Oli_Filled_Rect(0, 0, 1, 1);
    const double x[3] = {0, 1, 0}, y[3] = {0, 0, 1};
    Oli_Filled_Triangle(x, y);
    Oli_Filled_Frame(0, 0, 4, 4, 1, 1, 2, 2);
    EXPECT_EQ(Plot_Entities(), "");
    EXPECT_EQ(Lines(Take()).size(), 5u);  // the print list keeps its records
}

TEST_F(PictureTest, EntityIdsRunOnAndLoopsClose) {
    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    PlotFile_Set_Pen(3);
    PlotFile_Set_Linetype(2);
    Oli_Line(0, 0, 1, 2);
    Oli_Line(1, 2, 3, 4);
    const double x[3] = {0, 1, 0}, y[3] = {0, 0, 1};
    Oli_Filled_Triangle(x, y);
    EXPECT_EQ(Plot_Entities(), "-line @1 ( @1 0.000000 0.000000 ) #2 3 2 1 0.0\n"
                               "-point @2 1.000000 2.000000\n"
                               "-line @2 ( @3 1.000000 2.000000 ) #4 3 2 1 0.0\n"
                               "-point @4 3.000000 4.000000\n"
                               "-area / 0 0\n"
                               " 3 0 ( @3 ( @5 0.000000 0.000000 ) #6 3 0 1 0.0 )\n"
                               " 0 ( @4 ( @6 1.000000 0.000000 ) #7 3 0 1 0.0 )\n"
                               " 0 ( @5 ( @7 0.000000 1.000000 ) #5 3 0 1 0.0 )\n");
    Oli_Filled_Frame(0, 0, 4, 4, 1, 1, 2, 3);
    EXPECT_EQ(Plot_Entities(), "-area / 1 0\n"
                               " 4 0 ( @6 ( @8 0.000000 0.000000 ) #9 3 0 0 0.0 )\n"
                               " 0 ( @7 ( @9 0.000000 4.000000 ) #10 3 0 0 0.0 )\n"
                               " 0 ( @8 ( @10 4.000000 4.000000 ) #11 3 0 0 0.0 )\n"
                               " 0 ( @9 ( @11 4.0000 0.0000 ) #8 3 0 0 0.0 )\n"
                               " 4 0 ( @10 ( @12 1.000000 1.000000 ) #13 3 0 0 0.0 )\n"
                               " 0 ( @11 ( @13 1.000000 3.000000 ) #14 3 0 0 0.0 )\n"
                               " 0 ( @12 ( @14 2.000000 3.000000 ) #15 3 0 0 0.0 )\n"
                               " 0 ( @13 ( @15 2.000000 1.000000 ) #12 3 0 0 0.0 )\n");
}

TEST_F(PictureTest, YDownPictureMirrorsOnlyThePlotFile) {
    Open(0, 26, 15, 0, 2.0, 2.0);  // y sum 26
    Open_Plot(0, 26, 15, 0);
    Oli_Line(1, 2, 3, 4);
    EXPECT_EQ(Take(), " 1  2.000000 4.000000 6.000000 8.000000\n");
    EXPECT_EQ(Plot_Entities(), "-line @1 ( @1 1.000000 24.000000 ) #2 0 0 1 0.0\n"
                               "-point @2 3.000000 22.000000\n");
    Oli_Text_Box(1, 2, "M");
    EXPECT_EQ(Take(), " 9 2.000000 4.000000 2.000000 4.000000 210 \xAEM\xAF\n");
    EXPECT_EQ(Plot_Entities(), "-text / 1 2 0 2 1 5 1.000000 24.000000 0. 1.2 0. 0.\n    \xAEM\xAF\n");

    // Turned but unscaled coordinates: a quarter turn maps (1, 2) to (2, -1).
    Open(0, 0, 10, 10, 2.0, 2.0, PI / 2);
    Oli_Line(1, 2, 1, 2);
    EXPECT_EQ(Take(), " 1  4.000000 -2.000000 4.000000 -2.000000\n");
    EXPECT_EQ(Plot_Entities(), "-line @2 ( @3 2.000000 -1.000000 ) #4 0 0 1 0.0\n"
                               "-point @4 2.000000 -1.000000\n");
}

TEST_F(PictureTest, ElementBracketRestoresThePlotSettings) {
    Open(0, 0, 10, 10);
    Open_Plot(0, 0, 10, 10);
    PlotFile_Set_Pen(5);
    PlotFile_Set_Font(3);
    Oli_Dimension_Line_cm(0, 0, 5, 0, 0.2, 0);  // pen 1, line type 0, font 2 inside
    const PlotFile_State* s = PlotFile_Get_State();
    EXPECT_EQ(s->pen, 5);
    EXPECT_EQ(s->font, 3);
    std::string plot = Plot_Entities();
    EXPECT_NE(plot.find(") #2 1 0 1 0.0"), std::string::npos);
    EXPECT_NE(plot.find("-text / 1 2 2 2 1 5 "), std::string::npos);
}

TEST_F(PlotFileTest, OneOwnerClosesTheStreamOnce) {
    Open(0, 0, 10, 10);
    PlotFile_Open_Color(Create(), 0, 0, 10, 10, 1.0, 0.0, "x");
    Oli_Line(0, 0, 1, 1);
    EXPECT_EQ(PlotFile_Close(), 0);
    EXPECT_FALSE(PlotFile_Is_Open());
    EXPECT_EQ(PlotFile_Close(), 0);  // nothing left to close
    Oli_Line(0, 0, 1, 1);            // no plot file: only the print list
    std::string bytes = testutil::Read_File(Name());
    const std::string tail =
        "*ENTITIES\n-setcoorsys 0\n-setlayer 0\n"
        "-line @1 ( @1 0.000000 0.000000 ) #2 0 0 1 0.0\n-point @2 1.000000 1.000000\n*EOI\n\n";
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    PlotFile_Open_Color(nullptr, 0, 0, 10, 10, 1.0, 0.0, "x");  // stays closed
    EXPECT_FALSE(PlotFile_Is_Open());
    Oli_Filled_Circle(0, 0, 1);
    EXPECT_EQ(PlotFile_Close(), 0);
}

TEST_F(PlotFileTest, OpeningAnotherFinishesTheOneStillOpen) {
    Open(0, 0, 10, 10);
    PlotFile_Open_Color(Create(), 0, 0, 10, 10, 1.0, 0.0, "erste");
    Oli_Line(0, 0, 1, 1);
    std::string second = dir_.file("PLOT0002.SPF");
    PlotFile_Open_Grey(std::fopen(second.c_str(), "wb"), 0, 0, 10, 10, 1.0, 0.0, "zweite");
    // The first file is complete on disk: its end was written and flushed
    // by closing it, and no entity of the second went into it.
    const std::string first_tail =
        "-line @1 ( @1 0.000000 0.000000 ) #2 0 0 1 0.0\n-point @2 1.000000 1.000000\n*EOI\n\n";
    std::string first = testutil::Read_File(Name());
    ASSERT_GT(first.size(), first_tail.size());
    EXPECT_EQ(first.substr(first.size() - first_tail.size()), first_tail);

    Oli_Line(2, 2, 3, 3);  // the second file counts its ids from 1 again
    PlotFile_Open_Color(nullptr, 0, 0, 10, 10, 1.0, 0.0, "x");  // finishes the second, stays closed
    EXPECT_FALSE(PlotFile_Is_Open());
    std::vector<std::string> l = Lines(testutil::Read_File(second));
    ASSERT_GE(l.size(), 5u);
    EXPECT_EQ(l[1], "zweite");
    EXPECT_EQ(l[l.size() - 4], "-line @1 ( @1 2.000000 2.000000 ) #2 0 0 1 0.0");
    EXPECT_EQ(l[l.size() - 3], "-point @2 3.000000 3.000000");
    EXPECT_EQ(l[l.size() - 2], "*EOI");
    EXPECT_EQ(l[l.size() - 1], "");
    EXPECT_EQ(testutil::Read_File(Name()), first);  // nothing more reached the first
}

}  // namespace

}  // namespace test_plotfile
