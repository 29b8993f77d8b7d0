// Shape routines of the connection pictures: rotations, weld and corner
// triangles as print-list and plot-file records worked out by hand, the
// quarter-ellipse points, and the screen twins read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "dialogs/valuecheck.h"
#include "drawings/oli_pens.h"
#include "drawings/shape_routines.h"
#include "platform/screen.h"
#include "printlist/picture_capture.h"

namespace test_shape_routines {
namespace {

const std::string BEGIN = " 30\n 52\n", END = " 31\n 53\n";

// The line element of an edge as Oli_Pen_Line writes it in black.
std::string Edge(const std::string& from_to, int width) {
    return BEGIN + "50 0 0 0\n 4 " + std::to_string(width) + "\n 1  " + from_to + "\n" + END;
}

TEST(ShapeRoutines, RotationsSnapRightAngles) {
    // (6, 7) turned about (5, 7): x' = 5 + cos a, y' = 7 - sin a.
    struct Case {
        double angle, x, y;
        bool exact;
    } cases[] = {
        {M_PI / 2, 5.0, 6.0, true},  {1.5712, 5.0, 6.0, true},    {M_PI, 4.0, 7.0, true},
        {3 * M_PI / 2, 5.0, 8.0, true}, {0.0005, 6.0, 7.0, true}, {-M_PI / 2, 5.0, 8.0, false},
        {0.3, 5.0 + 0.955336489125606, 7.0 - 0.29552020666134, false},
    };
    for (const Case& c : cases) {
        double x[1] = {6.0}, y[1] = {7.0};
        XS_Plot_Rotate_Points(x, y, 1, 5.0, 7.0, c.angle);
        if (c.exact) {
            EXPECT_EQ(x[0], c.x) << c.angle;
            EXPECT_EQ(y[0], c.y) << c.angle;
        } else {
            EXPECT_NEAR(x[0], c.x, 1e-12) << c.angle;
            EXPECT_NEAR(y[0], c.y, 1e-12) << c.angle;
        }
    }
    double x[2] = {6.0, 1.0}, y[2] = {7.0, 2.0};
    XS_Plot_Rotate_Points(x, y, 0, 5.0, 7.0, 1.0);
    XS_Plot_Rotate_Points(x, y, 2, 5.0, 7.0, NAN);
    EXPECT_EQ(std::vector<double>({x[0], y[0], x[1], y[1]}), std::vector<double>({6, 7, 1, 2}));

    // Pixels: (110, 100) about (100, 100) by 0.3 is (109.553, 97.045),
    // rounded with 5/9 to (110, 97); by -pi/2 (100, 110).
    int px[4] = {110, 110, 110, 110}, py[4] = {100, 100, 100, 100};
    XS_Screen_Rotate_Point(100, 100, &px[0], &py[0], 0.3);
    XS_Screen_Rotate_Points(100, 100, &px[1], &py[1], 1, -M_PI / 2);
    XS_Screen_Rotate_4_Points(100, 100, px, py, 0.0);  // unchanged
    // (110, 100) by asin 0.054: (109.985, 99.46); 99.46 + 5/9 truncates to
    // 100 where rounding half up would give 99.
    XS_Screen_Rotate_Points(100, 100, &px[3], &py[3], 1, std::asin(0.054));
    EXPECT_EQ(std::vector<int>({px[0], py[0], px[1], py[1], px[3], py[3]}),
              std::vector<int>({110, 97, 100, 110, 110, 100}));
}

TEST(ShapeRoutines, QuarterEllipsePoints) {
    // step pi/8; k = 5, 6, 7 at 112.5, 135, 157.5 degrees; reversed.
    const double s = 3.826834323650898, m = 7.0710678118654755, l = 9.238795325112868;
    double xs[3], ys[3];
    XS_Plot_Arc_Points(0, 0, 10, 10, xs, ys, 4, 3, -1);
    const double want[2][6] = {{s, m, l, l, m, s}, {l, m, s, s, m, l}};
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(xs[i], want[0][i], 1e-12);
        EXPECT_NEAR(ys[i], want[0][3 + i], 1e-12);
    }
    XS_Plot_Arc_Points(0, 0, 10, 10, xs, ys, 4, 3, 0);
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(xs[i], want[1][i], 1e-12);
        EXPECT_NEAR(ys[i], want[1][3 + i], 1e-12);
    }
    // Ellipse radii 4 and 2 about (1, 1), first quadrant's middle point at
    // 45 degrees: (1 + 4 sin, 1 - 2 cos). n 0 changes nothing.
    XS_Plot_Arc_Points(1, 1, 4, 2, xs, ys, 0, 1, 1);
    XS_Plot_Arc_Points(1, 1, 4, 2, xs + 1, ys + 1, 0, 0, 1);
    EXPECT_NEAR(xs[0], 1 + 4 * 0.7071067811865476, 1e-12);
    EXPECT_NEAR(ys[0], 1 - 2 * 0.7071067811865476, 1e-12);
    EXPECT_NEAR(xs[1], m, 1e-12);
}

class TrianglePicture : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        Init_Oli_Pens();
        Oli_Set_Color_Mode(1);
    }
};

TEST_F(TrianglePicture, WeldTriangleRecordsAndPlotEntities) {
    // y-down picture of 20 x 20 at 0.5 cm per mm with a plot file on it.
    Open(0, 20, 20, 0, 0.5, 0.5);
    Open_Plot(0, 20, 20, 0, 0.5);
    // Quadrant 0, leg 2 at (4, 6): (4, 6), (6, 6), (4, 4); paper = world / 2.
    XS_Plot_Weld_Triangle_Quadrant(4, 6, 2, 0, 2, 1, 0);
    // The filled triangle is one element; its edges follow as elements of
    // their own (elements do not nest).
    EXPECT_EQ(Take(), BEGIN + "50 110 110 110\n 20  64\n" +
                          " 18 3 2.000000 3.000000 3.000000 3.000000 2.000000 2.000000 \n" + END +
                          Edge("2.000000 3.000000 3.000000 3.000000", 1) +
                          Edge("2.000000 3.000000 2.000000 2.000000", 1) +
                          Edge("3.000000 3.000000 2.000000 2.000000", 1));
    // Plot file, y mirrored as 20 - y: the area, then the three edges.
    EXPECT_EQ(Plot_Entities(),
              "-area / 0 0\n"
              " 3 0 ( @1 ( @1 4.000000 14.000000 ) #2 0 0 1 0.0 )\n"
              " 0 ( @2 ( @2 6.000000 14.000000 ) #3 0 0 1 0.0 )\n"
              " 0 ( @3 ( @3 4.000000 16.000000 ) #1 0 0 1 0.0 )\n"
              "-line @4 ( @4 4.000000 14.000000 ) #5 0 0 1 0.0\n-point @5 6.000000 14.000000\n"
              "-line @5 ( @6 4.000000 14.000000 ) #7 0 0 1 0.0\n-point @7 4.000000 16.000000\n"
              "-line @6 ( @8 6.000000 14.000000 ) #9 0 0 1 0.0\n-point @9 4.000000 16.000000\n");

    struct Case {
        double leg;
        int quadrant, width, line_pen;
        std::string records;
    } cases[] = {
        // Quadrant 2 at (4, 6): legs along -x and +y: (2, 6), (4, 8).
        {2, 2, -1, 0,
         BEGIN + "50 110 110 110\n 20  64\n 18 3 2.000000 3.000000 1.000000 3.000000 2.000000 4.000000 \n" + END},
        // Quadrant 3, leg 6 at (4, 6): legs along +y and +x: (4, 12), (10, 6).
        {6, 3, 2, -1,
         BEGIN + "50 110 110 110\n 20  64\n 18 3 2.000000 3.000000 2.000000 6.000000 5.000000 3.000000 \n" + END},
        {6, 4, 1, 0, ""},
        {6, -1, 1, 0, ""},
        {0.0005, 0, 1, 0, ""},
        {NAN, 0, 1, 0, ""},
    };
    for (const Case& c : cases) {
        XS_Plot_Weld_Triangle_Quadrant(4, 6, c.leg, c.quadrant, 2, c.width, c.line_pen);
        EXPECT_EQ(Take(), c.records) << c.leg << " " << c.quadrant;
    }
    Plot_Entities();

    // Start 45 degrees, sweep 90: corners at 45 and 135 degrees, leg 2 from
    // (10, 10): (10 + sqrt 2, 10 - sqrt 2), (10 - sqrt 2, 10 - sqrt 2).
    XS_Plot_Weld_Triangle(10, 10, 2, M_PI / 4, M_PI / 2, 2, -1, 0);
    EXPECT_EQ(Take(), BEGIN + "50 110 110 110\n 20  64\n" +
                          " 18 3 5.000000 5.000000 5.707107 4.292893 4.292893 4.292893 \n" + END);
}

TEST_F(TrianglePicture, CornerTriangleRecords) {
    Open(0, 0, 40, 40);
    // Mode 2, w 4, h 3 at (10, 10): (10, 10), (14, 10), (14, 7); fill pen 5,
    // edges of line pen 0 with width 1.
    XS_Plot_Corner_Triangle(2, 5, 0, 10, 10, 4, 3, 0.0);
    EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  64\n" +
                          " 18 3 10.000000 10.000000 14.000000 10.000000 14.000000 7.000000 \n" + END +
                          Edge("10.000000 10.000000 14.000000 10.000000", 1) +
                          Edge("10.000000 10.000000 14.000000 7.000000", 1) +
                          Edge("14.000000 10.000000 14.000000 7.000000", 1));
    // Mode 1 turned by pi/2 about (10, 10): (14, 10) -> (10, 6) and
    // (14, 13) -> (13, 6), by x' = 10 + dy, y' = 10 - dx. Mode 0 and the
    // other modes point to -x. Line pen -1 leaves the edges out.
    struct Case {
        int mode;
        double angle;
        std::string polygon;
    } cases[] = {
        {1, M_PI / 2, "10.000000 10.000000 10.000000 6.000000 13.000000 6.000000"},
        {0, 0.0, "10.000000 10.000000 6.000000 10.000000 6.000000 13.000000"},
        {7, 0.0, "10.000000 10.000000 6.000000 10.000000 6.000000 7.000000"},
    };
    for (const Case& c : cases) {
        XS_Plot_Corner_Triangle(c.mode, 5, -1, 10, 10, 4, 3, c.angle);
        EXPECT_EQ(Take(), BEGIN + "50 125 125 255\n 20  64\n 18 3 " + c.polygon + " \n" + END) << c.mode;
    }
    XS_Plot_Corner_Triangle(1, 5, 0, 10, 10, 4, 3, NAN);
    XS_Plot_Corner_Triangle(1, 5, 0, 10, 1e308, 4, 1e308, 0.0);  // y + h overflows
    EXPECT_EQ(Take(), "");
}

TEST(ShapeRoutines, ScreenTrianglesAndLine) {
    pxInitScreen(200, 160);
    Init_Screen_Colors();
    const int bg = pxGetPixel(0, 0);
    pxFgc(BLUE_CI);
    // Weld triangle (50, 50), (60, 50), (50, 40): inside where
    // (x - 50) + (50 - y) < 10.
    XS_Screen_Weld_Triangle(50, 50, 10, 0.0, M_PI / 2, RED_CI, -1, BLACK_CI);
    // With an outline: (80, 50), (80, 40) and (70, 50) at start pi/2.
    XS_Screen_Weld_Triangle(80, 50, 10, M_PI / 2, M_PI / 2, -1, 1, BLACK_CI);
    // Corner triangle mode 0: (100, 100), (80, 115), (100, 115); turned by
    // pi/2: (100, 100), (115, 120), (115, 100).
    XS_Screen_Corner_Triangle(100, 100, 20, 15, 0.0, 0, GREEN_CI, BLACK_CI);
    XS_Screen_Corner_Triangle(100, 100, 20, 15, M_PI / 2, 0, YELLOW_CI, BLACK_CI);
    XS_Screen_Line(10, 150, 60, 150, RED_CI, -1);
    XS_Screen_Line(10, 140, 60, 140, -1, 1);
    XS_Screen_Line(10, 130, 60, 130, CYAN_CI, 3);
    struct Pixel {
        int x, y, colour;
    } pixels[] = {
        {52, 47, RED_CI},   {58, 42, bg},        {60, 50, RED_CI},      // fill only
        {77, 47, bg},       {75, 50, BLACK_CI},  {80, 45, BLACK_CI},    // outline only
        {97, 112, GREEN_CI}, {85, 103, bg},      {90, 115, BLACK_CI},
        {112, 103, YELLOW_CI}, {105, 100, BLACK_CI}, {118, 105, bg},
        {30, 150, bg},      {30, 140, bg},       {30, 129, CYAN_CI},   {30, 131, CYAN_CI},
    };
    for (const Pixel& p : pixels) EXPECT_EQ(pxGetPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_EQ(pxQFgc(), BLUE_CI);
}

}  // namespace

}  // namespace test_shape_routines
