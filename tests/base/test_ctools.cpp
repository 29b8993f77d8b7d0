// Plane and polygon tools: worked numbers, orientation independence, the
// refusals, and the two mended faults (a scale with no usable space, offsets
// of polygons with many vertices).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/ctools.h"

namespace {

const double kHalfDiag = 0.35355339059327373;  // 0.5 / sqrt(2)

TEST(CtoolsLine, YAtXAndSegmentTest) {
    double y = -1.0;
    EXPECT_EQ(Line_Y_At_X(0, 0, 10, 5, 12, &y), 0);  // beyond the segment
    EXPECT_DOUBLE_EQ(y, 6.0);
    EXPECT_EQ(Line_Y_At_X(0, 0, 10, 5, 4, &y), 1);
    EXPECT_DOUBLE_EQ(y, 2.0);
    EXPECT_EQ(Line_Y_At_X(10, 5, 0, 0, 10, &y), 1);  // an end point is on the segment
    EXPECT_DOUBLE_EQ(y, 5.0);
    // Vertical line: the mean at its abscissa, nothing elsewhere.
    EXPECT_EQ(Line_Y_At_X(2, 1, 2, 3, 2, &y), 1);
    EXPECT_DOUBLE_EQ(y, 2.0);
    y = 7.0;
    EXPECT_EQ(Line_Y_At_X(2, 1, 2, 3, 5, &y), 0);
    EXPECT_DOUBLE_EQ(y, 0.0);
}

TEST(CtoolsLine, InterpolateBetweenSegments) {
    // Segment 1 at t = 0: y = x; segment 2 at t = 10: y = x + 10.
    double x = 2.0, y = 0.0;
    EXPECT_EQ(Interpolate_Between_Segments(0, 0, 4, 0, 4, 10, 0, 4, 10, 14, 5, &y, &x, 1), 1);
    EXPECT_DOUBLE_EQ(y, 7.0);
    // The other way round: given y = 7, find x on both, interpolate.
    x = -1.0;
    y = 3.0;
    EXPECT_EQ(Interpolate_Between_Segments(0, 0, 4, 0, 4, 10, 0, 4, 10, 14, 5, &y, &x, 2), 0);
    EXPECT_DOUBLE_EQ(x, -1.0);  // y = 3 is not on segment 2: nothing written
    // t outside [t1, t2]: value written, result 0.
    x = 2.0;
    EXPECT_EQ(Interpolate_Between_Segments(0, 0, 4, 0, 4, 10, 0, 4, 10, 14, 20, &y, &x, 1), 0);
    EXPECT_DOUBLE_EQ(y, 22.0);
}

TEST(CtoolsNumbers, SmallHelpers) {
    EXPECT_EQ(Sqr(-3.0), 9.0);
    EXPECT_EQ(Cube(-2.0), -8.0);
    EXPECT_EQ(Sign_Tol(-2e-6), -1.0);
    EXPECT_EQ(Sign_Tol(5e-7), 0.0);
    EXPECT_EQ(Sign_Tol(2e-6), 1.0);
    EXPECT_DOUBLE_EQ(Point_Distance(1, 1, 4, 5), 5.0);
    EXPECT_EQ(Point_Distance(1, 1, 1, 1), 0.0);
    double a = 1, b = 2;
    EXPECT_EQ(Swap_Values(&a, &b), &a);
    EXPECT_EQ(a, 2.0);
    EXPECT_EQ(b, 1.0);
    // 0.444.. of a step and more rounds up.
    EXPECT_DOUBLE_EQ(Round_To_Step(12.5, 5), 15.0);
    EXPECT_DOUBLE_EQ(Round_To_Step(12.1, 5), 10.0);
    EXPECT_DOUBLE_EQ(Round_To_Step(-12.5, 5), -15.0);
    EXPECT_DOUBLE_EQ(Round_To_Step(2.45, 0), 3.0);  // 0.45 of a step rounds up
    EXPECT_DOUBLE_EQ(Round_To_Step(2.4, 0), 2.0);
    EXPECT_DOUBLE_EQ(Round_To_Step(2.45, 0.1), 2.5);
}

TEST(CtoolsNumbers, QuadraticAndSimpson) {
    double x1, x2;
    EXPECT_EQ(Quadratic_Roots(-5, 6, &x1, &x2), 0);
    EXPECT_DOUBLE_EQ(x1, 3.0);
    EXPECT_DOUBLE_EQ(x2, 2.0);
    EXPECT_EQ(Quadratic_Roots(0, 1, &x1, &x2), 1);
    EXPECT_EQ(x1, 0.0);
    EXPECT_EQ(x2, 0.0);
    // x² on [0, 2] with 5 values is exact: 8/3.
    const double sq[] = {0, 0.25, 1, 2.25, 4};
    EXPECT_NEAR(Simpson_Integral(0, 2, 5, sq), 8.0 / 3.0, 1e-12);
    // 6 values: the last one is left out, 4 intervals over [a, b].
    const double six[] = {1, 1, 1, 1, 1, 99};
    EXPECT_DOUBLE_EQ(Simpson_Integral(0, 4, 6, six), 4.0);
    EXPECT_EQ(Simpson_Integral(1, 1, 5, sq), 0.0);
    EXPECT_EQ(Simpson_Integral(0, 1, 0, sq), 0.0);
    EXPECT_EQ(Simpson_Integral(0, 1, 1, six + 5), 99.0);
    EXPECT_EQ(Simpson_Integral(0, 1, 2, sq + 3), 3.125);
}

TEST(CtoolsScale, RoundScalesAndExactFactor) {
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(120, 50, 10, 10, 0), 100.0 / 1200.0);
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(231, 50, 100, 100, 0), 100.0 / 235.0);
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(1.8, 0.5, 10, 10, 0), 5.0);
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(1.8, 0.5, 10, 10, 1), 100.0 / 18.0);
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(2.6, 0.5, 10, 10, 0), 100.0 / 30.0);
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(3.1, 0.5, 10, 10, 0), 100.0 / 35.0);
    // A space with one usable extent: only that one decides.
    EXPECT_DOUBLE_EQ(Calc_Drawing_Scale(50, 1000, 10, 0.5, 0), 100.0 / 500.0);
}

TEST(CtoolsScale, NoUsableSpaceGivesNoScale) {
    EXPECT_EQ(Calc_Drawing_Scale(10, 10, 0.999, 0.5, 1), 0.0);
    EXPECT_EQ(Calc_Drawing_Scale(10, 10, 0.0, 0.0, 0), 0.0);
    EXPECT_EQ(Calc_Drawing_Scale(0, 0, 10, 10, 1), 0.0);  // nothing to draw
    EXPECT_TRUE(std::isfinite(Calc_Drawing_Scale(0, 0, 10, 10, 0)));
}

TEST(CtoolsPolygon, PointInPolygonAndOnSegment) {
    const double x[] = {0, 4, 4, 0}, y[] = {0, 0, 4, 4};
    EXPECT_EQ(Point_In_Polygon(4, x, y, 2, 2, 0.01), 1);
    EXPECT_EQ(Point_In_Polygon(4, x, y, 4.005, 2, 0.01), 1);  // on the edge, within tol
    EXPECT_EQ(Point_In_Polygon(4, x, y, 4.05, 2, 0.01), 0);
    EXPECT_EQ(Point_In_Polygon(0, x, y, 2, 2, 0.01), 0);
    // On an edge 0.0005 before the vertex it runs into: on the boundary at
    // any tolerance, including tolerances below that distance.
    EXPECT_EQ(Point_In_Polygon(4, x, y, 0.0005, 4, 1e-4), 1);  // top edge, near (0, 4)
    EXPECT_EQ(Point_In_Polygon(4, x, y, 4, 3.9995, 1e-6), 1);  // right edge, near (4, 4)
    EXPECT_EQ(Point_In_Polygon(4, x, y, 4.0002, 3.9995, 1e-4), 0);  // 0.0002 off it
    const double lx[] = {0, 4, 4, 2, 0}, ly[] = {0, 0, 4, 1, 4};  // notch from above
    EXPECT_EQ(Point_In_Polygon(5, lx, ly, 2, 3, 1e-6), 0);
    EXPECT_EQ(Point_In_Polygon(5, lx, ly, 2, 0.5, 1e-6), 1);

    EXPECT_EQ(Points_Collinear(0, 0, 1, 1, 3, 3, 1e-6), 1);
    EXPECT_EQ(Points_Collinear(0, 0, 1, 1, 3, 3.001, 1e-6), 0);
    EXPECT_EQ(Points_Collinear(1, 0, 1, 5, 1, -2, 1e-6), 1);
    EXPECT_EQ(Points_Collinear(1, 0, 1, 5, 2, -2, 1e-6), 0);
    EXPECT_EQ(Point_On_Segment(0, 0, 4, 2, 2, 1, 1e-6), 1);
    EXPECT_EQ(Point_On_Segment(0, 0, 4, 2, 6, 3, 1e-6), 0);  // on the line, beyond
    EXPECT_EQ(Point_On_Segment(0, 0, 4, 2, 0, 0, 1e-6), 0);  // an end point is not inside
    EXPECT_EQ(Point_On_Segment(0, 0, 4, 2, 2, 1.1, 1e-6), 0);
}

TEST(CtoolsPolygon, MeasuresInEitherOrder) {
    // L: 3 wide, 1 thick foot, 3 high, 1 thick leg; area 5, centroid (1.1, 1.1).
    const double x[] = {0, 3, 3, 1, 1, 0}, y[] = {0, 0, 1, 1, 3, 3};
    double a, xc, yc, p;
    EXPECT_EQ(Polygon_Measures(6, x, y, &a, &xc, &yc, &p), 0);
    EXPECT_DOUBLE_EQ(a, 5.0);
    EXPECT_DOUBLE_EQ(xc, 1.1);
    EXPECT_DOUBLE_EQ(yc, 1.1);
    EXPECT_DOUBLE_EQ(p, 12.0);
    std::vector<double> cx(x, x + 6), cy(y, y + 6);
    std::reverse(cx.begin(), cx.end());
    std::reverse(cy.begin(), cy.end());
    EXPECT_EQ(Polygon_Measures(6, cx.data(), cy.data(), &a, &xc, &yc, nullptr), 0);
    EXPECT_DOUBLE_EQ(a, 5.0);
    EXPECT_DOUBLE_EQ(xc, 1.1);
    EXPECT_DOUBLE_EQ(yc, 1.1);
    EXPECT_EQ(cx[0], 0.0);  // input untouched
    EXPECT_EQ(cy[0], 3.0);
    // Two points: no area, the mean point, the closed walk.
    EXPECT_EQ(Polygon_Measures(2, x, y, &a, &xc, &yc, &p), 1);
    EXPECT_EQ(a, 0.0);
    EXPECT_DOUBLE_EQ(xc, 1.5);
    EXPECT_DOUBLE_EQ(p, 6.0);
    EXPECT_EQ(Polygon_Measures(0, x, y, &a, &xc, &yc, &p), 1);
    EXPECT_EQ(p, 0.0);
}

TEST(CtoolsPolygon, MeasuresOfSmallAndFlatPolygons) {
    // Right triangle with legs 0.001 and 0.00038 (a 1 by 0.38 mm gusset in
    // metres): area 0.001 * 0.00038 / 2 = 1.9e-7, centroid at a third of
    // each leg. Clockwise, so the order is turned as well.
    const double tx[] = {5, 5, 5.001}, ty[] = {2, 2.00038, 2};
    double a, xc, yc;
    EXPECT_EQ(Polygon_Measures(3, tx, ty, &a, &xc, &yc, nullptr), 0);
    EXPECT_NEAR(a, 1.9e-7, 1.9e-7 * 1e-9);
    EXPECT_NEAR(xc, 5 + 0.001 / 3, 1e-12);
    EXPECT_NEAR(yc, 2 + 0.00038 / 3, 1e-12);
    // Three points on one line far from the origin: no area, the mean point.
    const double lx[] = {1e4, 1e4 + 1, 1e4 + 2}, ly[] = {-3e4, -3e4 + 3, -3e4 + 6};
    EXPECT_EQ(Polygon_Measures(3, lx, ly, &a, &xc, &yc, nullptr), 1);
    EXPECT_EQ(a, 0.0);
    EXPECT_DOUBLE_EQ(xc, 1e4 + 1);
    EXPECT_DOUBLE_EQ(yc, -3e4 + 3);
}

TEST(CtoolsOffset, SquareCornersMoveAlongTheDiagonal) {
    for (int order = 0; order < 2; order++) {
        std::vector<double> x = {0, 1, 1, 0}, y = {0, 0, 1, 1};
        if (order) {
            std::reverse(x.begin(), x.end());
            std::reverse(y.begin(), y.end());
        }
        ASSERT_EQ(Offset_Polygon(4, x.data(), y.data(), 0.5), 0);
        for (int i = 0; i < 4; i++) {
            double ex = (x[i] < 0.5) ? -kHalfDiag : 1.0 + kHalfDiag;
            double ey = (y[i] < 0.5) ? -kHalfDiag : 1.0 + kHalfDiag;
            EXPECT_NEAR(x[i], ex, 1e-12) << "order " << order << " vertex " << i;
            EXPECT_NEAR(y[i], ey, 1e-12) << "order " << order << " vertex " << i;
        }
    }
    // A negative distance shrinks.
    std::vector<double> x = {0, 1, 1, 0}, y = {0, 0, 1, 1};
    ASSERT_EQ(Offset_Polygon(4, x.data(), y.data(), -0.5), 0);
    EXPECT_NEAR(x[0], kHalfDiag, 1e-12);
    EXPECT_NEAR(y[2], 1.0 - kHalfDiag, 1e-12);
}

TEST(CtoolsOffset, UnequalEdgesAndRepeatedClosingPoint) {
    // Right angle with edges 2 and 1: the bisector is still the diagonal.
    std::vector<double> x = {0, 2, 2, 0}, y = {0, 0, 1, 1};
    ASSERT_EQ(Offset_Polygon(4, x.data(), y.data(), 1.0), 0);
    EXPECT_NEAR(x[0], -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(y[0], -std::sqrt(0.5), 1e-12);
    // The closing point repeated moves with the first.
    std::vector<double> cx = {0, 1, 1, 0, 0}, cy = {0, 0, 1, 1, 0};
    ASSERT_EQ(Offset_Polygon(5, cx.data(), cy.data(), 0.5), 0);
    EXPECT_NEAR(cx[4], -kHalfDiag, 1e-12);
    EXPECT_NEAR(cy[4], -kHalfDiag, 1e-12);
    EXPECT_EQ(cx[0], cx[4]);
}

TEST(CtoolsOffset, ManyVerticesAreOffsetToo) {
    // 60-gon of radius 10: every vertex moves radially by the distance.
    const int n = 60;
    std::vector<double> x(n), y(n);
    for (int i = 0; i < n; i++) {
        x[i] = 10 * std::cos(2 * M_PI * i / n);
        y[i] = 10 * std::sin(2 * M_PI * i / n);
    }
    ASSERT_EQ(Offset_Polygon(n, x.data(), y.data(), 1.0), 0);
    for (int i = 0; i < n; i++) EXPECT_NEAR(std::hypot(x[i], y[i]), 11.0, 1e-9) << i;
    std::vector<double> x51(51), y51(51);
    for (int i = 0; i < 51; i++) {
        x51[i] = std::cos(2 * M_PI * i / 51);
        y51[i] = std::sin(2 * M_PI * i / 51);
    }
    EXPECT_EQ(Offset_Polygon(51, x51.data(), y51.data(), 0.5), 0);
    EXPECT_NEAR(std::hypot(x51[7], y51[7]), 1.5, 1e-9);
}

TEST(CtoolsOffset, RefusalsLeaveArraysAlone) {
    std::vector<double> x = {0, 1, 2}, y = {0, 1, 2};  // no area
    EXPECT_EQ(Offset_Polygon(3, x.data(), y.data(), 1.0), 1);
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(Offset_Polygon(0, x.data(), y.data(), 1.0), 1);
    std::vector<double> px = {1, 1, 1}, py = {2, 2, 2};
    EXPECT_EQ(Offset_Polygon(3, px.data(), py.data(), 1.0), 1);
}

TEST(CtoolsCrossing, LinesAndSegments) {
    double x = -1, y = -1;
    EXPECT_EQ(Intersect_Lines(0, 0, 1, 0, 2, 0, 2, 1, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 2.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    EXPECT_EQ(Intersect_Lines(0, 0, 1, 1, 0, 1, 1, 2, &x, &y), 1);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);

    EXPECT_EQ(Segment_Crossing_Point(0, 0, 2, 2, 0, 2, 2, 0, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 1.0);
    x = y = 9;
    EXPECT_EQ(Segment_Crossing_Point(0, 0, 1, 0, 2, -1, 2, 1, &x, &y), -1);  // lines cross at x 2
    EXPECT_EQ(x, 9.0);
    EXPECT_EQ(Segment_Crossing_Point(0, 0, 1, 0, 0, 1, 1, 1, &x, &y), 1);
    EXPECT_EQ(x, 0.0);
    // Touching at an end point counts as crossing within the segment.
    EXPECT_EQ(Segment_Crossing_Point(0, 0, 1, 0, 1, 0, 1, 3, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 1.0);

    EXPECT_EQ(Segments_Cross(0, 0, 2, 2, 0, 2, 2, 0), 1);
    EXPECT_EQ(Segments_Cross(0, 0, 1, 0, 1, 0, 1, 3), 0);  // touching is not crossing
    EXPECT_EQ(Segments_Cross(0, 0, 1, 0, 0, 1, 1, 1), 0);
    EXPECT_EQ(Segments_Cross(0, 0, 1, 1, 5, 0, 6, -1), 0);
}

TEST(CtoolsCrossing, DistancesAndCircles) {
    EXPECT_DOUBLE_EQ(Point_Segment_Distance(0, 0, 4, 0, 2, 3), 3.0);
    EXPECT_DOUBLE_EQ(Point_Segment_Distance(0, 0, 4, 0, 7, 4), 5.0);  // beyond the end
    EXPECT_DOUBLE_EQ(Point_Segment_Distance(1, 1, 1, 1, 4, 5), 5.0);
    double x, y;
    EXPECT_EQ(Intersect_Circles(0, 0, 5, 8, 0, 5, 1, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 4.0);
    EXPECT_DOUBLE_EQ(y, 3.0);
    EXPECT_EQ(Intersect_Circles(0, 0, 5, 8, 0, 5, 0, &x, &y), 0);
    EXPECT_DOUBLE_EQ(y, -3.0);
    EXPECT_EQ(Intersect_Circles(0, 0, 1, 2, 0, 1, 0, &x, &y), 0);  // touching
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    EXPECT_EQ(Intersect_Circles(0, 0, 1, 6, 4, 1, 0, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 3.0);  // half the centre difference
    EXPECT_DOUBLE_EQ(y, 2.0);
    EXPECT_EQ(Intersect_Circles(1, 1, 1, 1, 1, 2, 0, &x, &y), 1);
}

TEST(CtoolsCommonArea, ContainedCrossedAndApart) {
    double xs[16], ys[16];
    int n = -1;
    const double ax[] = {0, 4, 4, 0}, ay[] = {0, 0, 4, 4};
    const double bx[] = {1, 1, 2, 2}, by[] = {1, 2, 2, 1};  // inside, clockwise
    ASSERT_EQ(Intersect_Polygons(ax, ay, 4, bx, by, 4, xs, ys, &n, 16), 0);
    ASSERT_EQ(n, 4);
    double a;
    Polygon_Measures(n, xs, ys, &a, nullptr, nullptr, nullptr);
    EXPECT_DOUBLE_EQ(a, 1.0);
    ASSERT_EQ(Intersect_Polygons(bx, by, 4, ax, ay, 4, xs, ys, &n, 16), 0);
    EXPECT_EQ(n, 4);
    // Two bars in a cross: no vertex of either lies in the other.
    const double hx[] = {-3, 3, 3, -3}, hy[] = {-1, -1, 1, 1};
    const double vx[] = {-1, 1, 1, -1}, vy[] = {-3, -3, 3, 3};
    ASSERT_EQ(Intersect_Polygons(hx, hy, 4, vx, vy, 4, xs, ys, &n, 16), 0);
    ASSERT_EQ(n, 4);
    double xc, yc;
    Polygon_Measures(n, xs, ys, &a, &xc, &yc, nullptr);
    EXPECT_NEAR(a, 4.0, 1e-12);
    EXPECT_NEAR(xc, 0.0, 1e-12);
    // Overlapping corners: the square [2,4]x[2,4] is shared.
    const double cx[] = {2, 6, 6, 2}, cy[] = {2, 2, 6, 6};
    ASSERT_EQ(Intersect_Polygons(ax, ay, 4, cx, cy, 4, xs, ys, &n, 16), 0);
    Polygon_Measures(n, xs, ys, &a, &xc, &yc, nullptr);
    EXPECT_NEAR(a, 4.0, 1e-12);
    EXPECT_NEAR(xc, 3.0, 1e-12);
    EXPECT_NEAR(yc, 3.0, 1e-12);
    // Apart: empty; too small an output: refused.
    const double fx[] = {10, 11, 11}, fy[] = {10, 10, 11};
    ASSERT_EQ(Intersect_Polygons(ax, ay, 4, fx, fy, 3, xs, ys, &n, 16), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(Intersect_Polygons(ax, ay, 4, bx, by, 4, xs, ys, &n, 3), 1);
    EXPECT_EQ(n, 0);
}

// Common areas of non-convex pairs and the degenerate meetings. Each
// expected area and centroid is summed by hand from the rectangles the
// common area splits into.
struct Common_Case {
    const char *what;
    std::vector<double> ax, ay, bx, by;
    int count;  // points of the answer (-1: not checked)
    double area, xc, yc;
};

// L: foot [0,4]x[0,1], leg [0,1]x[1,4]. U: base [0,3]x[0,1], prongs
// [0,1]x[1,3] and [2,3]x[1,3].
const std::vector<double> kLx = {0, 4, 4, 1, 1, 0}, kLy = {0, 0, 1, 1, 4, 4};
const std::vector<double> kUx = {0, 3, 3, 2, 2, 1, 1, 0}, kUy = {0, 0, 3, 3, 1, 1, 3, 3};

std::vector<double> Shifted(const std::vector<double> &v, double d) {
    std::vector<double> r(v);
    for (double &x : r) x += d;
    return r;
}

TEST(CtoolsCommonArea, NonConvexPairsAndDegenerateMeetings) {
    const Common_Case cases[] = {
        // L and the same L moved by (0.5, 0.5): [0.5,4]x[0.5,1] (1.75 at
        // (2.25, 0.75)) and [0.5,1]x[1,4] (1.5 at (0.75, 2.5)).
        {"two L", kLx, kLy, Shifted(kLx, 0.5), Shifted(kLy, 0.5), 6, 3.25,
         (1.75 * 2.25 + 1.5 * 0.75) / 3.25, (1.75 * 0.75 + 1.5 * 2.5) / 3.25},
        // U and an upside-down U (legs [-0.5,0.5] and [2.5,3.5] from y 2 to
        // 3, bar [-0.5,3.5]x[3,4]): two parts [0,0.5]x[2,3] and [2.5,3]x[2,3],
        // 0.5 each; the bar only touches the prongs' tops.
        {"two U", kUx, kUy, {-0.5, 0.5, 0.5, 2.5, 2.5, 3.5, 3.5, -0.5},
         {2, 2, 3, 3, 2, 2, 4, 4}, 10, 1.0, 1.5, 2.5},
        // A bar across the U's notch, its corners all in the prongs: only
        // [0.5,1]x[2,2.5] and [2,2.5]x[2,2.5] are common.
        {"bar over notch", kUx, kUy, {0.5, 2.5, 2.5, 0.5}, {2, 2, 2.5, 2.5}, 10, 0.5, 1.5, 2.25},
        // The square [-1,2]x[0,2] shares part of the L's bottom edge, both
        // running the same way: [0,2]x[0,1] (2 at (1, 0.5)) and [0,1]x[1,2]
        // (1 at (0.5, 1.5)).
        {"shared edge inside", kLx, kLy, {-1, 2, 2, -1}, {0, 0, 2, 2}, 6, 3.0, 2.5 / 3, 2.5 / 3},
        // The square [1,2]x[1,2] in the L's inner corner: two edges shared
        // from outside, no common area.
        {"shared edges outside", kLx, kLy, {1, 2, 2, 1}, {1, 1, 2, 2}, 0, 0, 0, 0},
        {"touching corner", kLx, kLy, {4, 5, 5, 4}, {1, 1, 2, 2}, 0, 0, 0, 0},
        {"apart", kLx, kLy, Shifted(kLx, 10), kLy, 0, 0, 0, 0},
        // The square [2,3]x[0.25,0.75] inside the foot, in either role.
        {"inside", kLx, kLy, {2, 3, 3, 2}, {0.25, 0.25, 0.75, 0.75}, 4, 0.5, 2.5, 0.5},
        {"around", {2, 3, 3, 2}, {0.25, 0.25, 0.75, 0.75}, kLx, kLy, 4, 0.5, 2.5, 0.5},
        // The same L twice, the second clockwise: 4 at (2, 0.5) and 3 at
        // (0.5, 2.5).
        {"same L", kLx, kLy, {0, 1, 1, 4, 4, 0}, {4, 4, 1, 1, 0, 0}, 6, 7.0, 9.5 / 7, 9.5 / 7},
    };
    for (const Common_Case &c : cases) {
        double xs[32], ys[32];
        int n = -1;
        ASSERT_EQ(Intersect_Polygons(c.ax.data(), c.ay.data(), (int)c.ax.size(), c.bx.data(),
                                     c.by.data(), (int)c.bx.size(), xs, ys, &n, 32),
                  0)
            << c.what;
        EXPECT_EQ(n, c.count) << c.what;
        if (c.area == 0.0) continue;
        double a, xc, yc;
        EXPECT_EQ(Polygon_Measures(n, xs, ys, &a, &xc, &yc, nullptr), 0) << c.what;
        EXPECT_NEAR(a, c.area, 1e-12) << c.what;
        EXPECT_NEAR(xc, c.xc, 1e-12) << c.what;
        EXPECT_NEAR(yc, c.yc, 1e-12) << c.what;
    }
    // The two parts of the two U do not fit into 9 points: refused, empty.
    double xs[9], ys[9];
    int n = -1;
    EXPECT_EQ(Intersect_Polygons(kUx.data(), kUy.data(), 8, cases[1].bx.data(),
                                 cases[1].by.data(), 8, xs, ys, &n, 9),
              1);
    EXPECT_EQ(n, 0);
}

}  // namespace
