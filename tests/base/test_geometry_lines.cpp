// Lines, circles and intersections: crossing, parallel and touching cases,
// the rounding-tolerant range test at segment ends, lens areas worked by
// hand and the ownership rules of the allocating polyline routines.
#include <gtest/gtest.h>

#include <cmath>

#include "base/geometry.h"
#include "base/vesk.h"

namespace test_geometry_lines {
namespace {

const double PI = 3.14159265358979323846;

TEST(GeometryLines, PointsAlongLines) {
    double x, y;
    Point_Along_Line(1, 1, 4, 5, 10, 0, &x, &y);  // direction (0.6, 0.8)
    EXPECT_NEAR(x, 7.0, 1e-12);
    EXPECT_NEAR(y, 9.0, 1e-12);
    Point_Along_Line(1, 1, 4, 5, -5, 1, &x, &y);  // back from P2
    EXPECT_NEAR(x, 1.0, 1e-12);
    EXPECT_NEAR(y, 1.0, 1e-12);
    Point_Along_Line(2, 0, 2, -3, 1, 0, &x, &y);  // vertical, downward
    EXPECT_NEAR(x, 2.0, 1e-12);
    EXPECT_NEAR(y, -1.0, 1e-12);

    EXPECT_EQ(Point_On_Segment_At(0, 0, 3, 4, 2, &x, &y), 0);
    EXPECT_NEAR(x, 1.2, 1e-12);
    EXPECT_NEAR(y, 1.6, 1e-12);
    EXPECT_EQ(Point_On_Segment_At(0, 0, 3, 4, -1, &x, &y), 0);
    EXPECT_NEAR(x, 2.4, 1e-12);
    EXPECT_NEAR(y, 3.2, 1e-12);
    EXPECT_EQ(Point_On_Segment_At(0, 0, 3, 4, 6, &x, &y), 1);
    EXPECT_NEAR(x, 3.6, 1e-12);
}

TEST(GeometryLines, OnLineShiftAndDistance) {
    EXPECT_EQ(Point_On_Line_Test(0, 0, 2, 1, 4, 2.000004, 5), 1);
    EXPECT_EQ(Point_On_Line_Test(0, 0, 2, 1, 4, 2.00002, 5), 0);
    EXPECT_EQ(Point_On_Line_Test(3, 1, 3, 1, 7, 1, 5), 1);  // a point: y2
    EXPECT_EQ(Point_On_Line_Test(3, 1, 3, 2, 3, 1.5, 5), 0);  // vertical: 1e100

    double x1 = 0, y1 = 0, x2 = 4, y2 = 0;
    EXPECT_EQ(Shift_Line_Parallel(&x1, &y1, &x2, &y2, 2), &y2);
    EXPECT_NEAR(x1, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(y1, 2.0);  // to the left of +x is +y
    EXPECT_DOUBLE_EQ(y2, 2.0);
    x1 = 0, y1 = 0, x2 = 0, y2 = 3;
    Shift_Line_Parallel(&x1, &y1, &x2, &y2, 1);
    EXPECT_DOUBLE_EQ(x1, -1.0);
    EXPECT_DOUBLE_EQ(x2, -1.0);

    EXPECT_DOUBLE_EQ(Distance_Point_Line(0, 5, -1, -1, 1, 1), 5 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(Distance_Point_Line(10, 3, 0, 0, 1, 0), 3.0);  // beyond the points too
    EXPECT_DOUBLE_EQ(Distance_Point_Line(3, 4, 0, 0, 0, 0), 5.0);
}

TEST(GeometryLines, CirclesAndLenses) {
    EXPECT_EQ(Point_Circle_Relation(1, 0, 1, 0, 0), 2);
    EXPECT_EQ(Point_Circle_Relation(0.5, 0, 1, 0, 0), 1);
    EXPECT_EQ(Point_Circle_Relation(2, 0, 1, 0, 0), 0);
    EXPECT_EQ(Point_Circle_Relation(0, 1.000004, 1, 0, 0), 2);

    double a = -1, w = -1, c = -1;
    EXPECT_EQ(Circle_Lens(1, 1, 3, &a, &w, &c), 0);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(w, 0.0);
    EXPECT_EQ(c, 0.0);
    EXPECT_EQ(Circle_Lens(1, 3, 1, &a, &w, &c), 1);
    EXPECT_DOUBLE_EQ(a, PI);
    EXPECT_DOUBLE_EQ(w, 2.0);
    EXPECT_DOUBLE_EQ(c, 2.0);
    // Two unit circles one apart: chord sqrt(3), lens 2*(pi/3 - sqrt(3)/4).
    EXPECT_EQ(Circle_Lens(1, 1, 1, &a, &w, &c), 1);
    EXPECT_NEAR(c, std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(w, 1.0, 1e-12);
    EXPECT_NEAR(a, 2 * PI / 3 - std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(Circle_Lens_Area(1, 1, 1), a, 1e-15);
    EXPECT_EQ(Circle_Lens_Area(1, 1, 2.5), 0.0);
    // Radius 2 and 1, centres 2 apart: the small centre lies on the big
    // circle, not inside it beyond the chord; plain segment sum.
    EXPECT_EQ(Circle_Lens(2, 1, 2, &a, &w, &c), 1);
    double h = std::sqrt(15.0) / 4.0;  // half chord from Heron
    EXPECT_NEAR(c, 2 * h, 1e-12);
    double a1 = std::asin(h / 2), a2 = std::asin(h);
    EXPECT_NEAR(a, (2 * a1 - std::sin(2 * a1)) * 2 + (2 * a2 - std::sin(2 * a2)) / 2, 1e-12);
    // Radius 3 and 1, centres 2.5 apart: the small centre is inside the big
    // circle, so the small circle's larger part counts.
    EXPECT_EQ(Circle_Lens(3, 1, 2.5, &a, &w, &c), 1);
    double s = 3.25, cc = (4 / 2.5) * std::sqrt(s * (s - 2.5) * (s - 3) * (s - 1));
    double b1 = std::asin(cc / 6), b2 = std::asin(cc / 2);
    EXPECT_NEAR(c, cc, 1e-12);
    EXPECT_NEAR(a, (2 * b1 - std::sin(2 * b1)) * 4.5 + PI - (2 * b2 - std::sin(2 * b2)) / 2, 1e-12);
    EXPECT_NEAR(w, 3 + 1 - 2.5, 1e-12);  // along the centre line: from d - r2 to r1
    // Centre 2 inside circle 1 beyond the chord; the lens runs along the
    // centre line from d - r2 = 0.0674 to r1 = 0.7913, 0.7239 wide. Its area
    // by the closed form r1²·acos(p1) + r2²·acos(p2) - ½·sqrt(Heron product),
    // with p1 = (d² + r1² - r2²)/(2·d·r1), p2 = (d² + r2² - r1²)/(2·d·r2).
    const double r1 = 0.7913, r2 = 0.4640, d = 0.5314;
    EXPECT_EQ(Circle_Lens(r1, r2, d, &a, &w, &c), 1);
    EXPECT_NEAR(w, 0.7239, 1e-12);
    double p1 = (d * d + r1 * r1 - r2 * r2) / (2 * d * r1);
    double p2 = (d * d + r2 * r2 - r1 * r1) / (2 * d * r2);
    double heron = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
    EXPECT_NEAR(a, r1 * r1 * std::acos(p1) + r2 * r2 * std::acos(p2) - 0.5 * std::sqrt(heron),
                1e-12);
    EXPECT_NEAR(c, std::sqrt(heron) / d, 1e-12);
}

TEST(GeometryLines, LineCrossings) {
    double x = -1, y = -1;
    EXPECT_EQ(Intersect_Infinite_Lines(0, 0, 1, 1, 0, 2, 2, 0, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 1.0);
    EXPECT_EQ(Intersect_Infinite_Lines(0, 0, 1, 1, 0, 1, 1, 2, &x, &y), 1);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(Intersect_Infinite_Lines(3, 0, 3, 5, 0, 1, 1, 2, &x, &y), 0);  // first vertical
    EXPECT_DOUBLE_EQ(x, 3.0);
    EXPECT_DOUBLE_EQ(y, 4.0);
    EXPECT_EQ(Intersect_Infinite_Lines(0, 1, 1, 2, 3, 0, 3, 5, &x, &y), 0);  // second vertical
    EXPECT_DOUBLE_EQ(y, 4.0);
    EXPECT_EQ(Intersect_Infinite_Lines(3, 0, 3, 5, 4, 0, 4, 1, &x, &y), 1);

    EXPECT_EQ(Intersect_Segments(0, 0, 1, 1, 2, 0, 1, 1, &x, &y), 1);  // shared end point
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 1.0);
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 1, 3, 0, 2, 1, &x, &y), 0);
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 0, 0, 1, 1, 1, &x, &y), 0);
    EXPECT_EQ(x, 0.0);
    // Beyond the end by less than the rounding: still inside.
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 0, 1.000004, -1, 1.000004, 1, &x, &y), 1);
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 0, 1.00002, -1, 1.00002, 1, &x, &y), 0);

    EXPECT_EQ(Intersect_Ray_Segment(0, 0, 1, 0, 5000, -1, 5000, 1, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 5000.0);
    EXPECT_EQ(Intersect_Ray_Segment(0, 0, 1, 0, -5, -1, -5, 1, &x, &y), 0);  // behind
}

TEST(GeometryLines, LineAgainstSegmentAndOverlap) {
    const double lx[] = {0, 1}, ly[] = {0, 1};
    const double sx[] = {0, 4}, sy[] = {2, 2};
    double x, y;
    EXPECT_EQ(Intersect_Line_Segment(&x, &y, lx, ly, sx, sy), 1);
    EXPECT_DOUBLE_EQ(x, 2.0);
    const double tx[] = {3, 4}, ty[] = {2, 2};
    EXPECT_EQ(Intersect_Line_Segment(&x, &y, lx, ly, tx, ty), 0);
    const double cx[] = {5, 7}, cy[] = {5, 7};
    EXPECT_EQ(Intersect_Line_Segment(&x, &y, lx, ly, cx, cy), 2);
    const double px[] = {5, 7}, py[] = {6, 8};
    EXPECT_EQ(Intersect_Line_Segment(&x, &y, lx, ly, px, py), 0);

    double xa, ya, xb, yb;
    EXPECT_EQ(Overlap_Collinear_Segments(0, 0, 4, 2, 6, 3, 2, 1, &xa, &ya, &xb, &yb), 1);
    EXPECT_DOUBLE_EQ(xa, 2.0);
    EXPECT_DOUBLE_EQ(xb, 4.0);
    EXPECT_DOUBLE_EQ(ya, 1.0);
    EXPECT_DOUBLE_EQ(yb, 2.0);
    EXPECT_EQ(Overlap_Collinear_Segments(0, 0, 1, 0, 2, 0, 3, 0, &xa, &ya, &xb, &yb), 0);
    EXPECT_EQ(Overlap_Collinear_Segments(0, 0, 1, 0, 0, 0, 1, 1, &xa, &ya, &xb, &yb), 0);
    // Parallel but on two lines: no overlap.
    EXPECT_EQ(Overlap_Collinear_Segments(0, 0, 2, 2, 0, 1, 2, 3, &xa, &ya, &xb, &yb), 0);
    // Touching at one end: a range of one point.
    EXPECT_EQ(Overlap_Collinear_Segments(0, 0, 1, 0, 1, 0, 3, 0, &xa, &ya, &xb, &yb), 1);
    EXPECT_EQ(xa, 1.0);
    EXPECT_EQ(xb, 1.0);
}

TEST(GeometryLines, CircleCrossings) {
    double xo[2], yo[2];
    const double l1x[] = {-5, 5}, l1y[] = {1, 1};
    EXPECT_EQ(Intersect_Line_Circle(0, 0, 1, l1x, l1y, xo, yo), 1);
    EXPECT_NEAR(xo[0], 0.0, 1e-12);
    EXPECT_NEAR(yo[0], 1.0, 1e-12);
    EXPECT_NEAR(xo[1], 0.0, 1e-12);
    EXPECT_NEAR(yo[1], 1.0, 1e-12);
    const double l0x[] = {-5, 5}, l0y[] = {0, 0};
    EXPECT_EQ(Intersect_Line_Circle(0, 0, 1, l0x, l0y, xo, yo), 2);
    EXPECT_NEAR(xo[0], 1.0, 1e-12);
    EXPECT_NEAR(xo[1], -1.0, 1e-12);
    EXPECT_NEAR(yo[0], 0.0, 1e-12);
    const double l2x[] = {-5, 5}, l2y[] = {2, 2};
    EXPECT_EQ(Intersect_Line_Circle(0, 0, 1, l2x, l2y, xo, yo), 0);
    const double vx[] = {3, 3}, vy[] = {0, 1};  // vertical through a circle at (3, 4), r 5
    EXPECT_EQ(Intersect_Line_Circle(3, 4, 5, vx, vy, xo, yo), 2);
    EXPECT_NEAR(xo[0], 3.0, 1e-12);
    EXPECT_NEAR(yo[0], 9.0, 1e-12);
    EXPECT_NEAR(yo[1], -1.0, 1e-12);

    // Segment from the centre outwards: one crossing.
    const double sx[] = {0, 3}, sy[] = {0, 0};
    EXPECT_EQ(Intersect_Segment_Circle(0, 0, 1, sx, sy, 0, xo, yo), 1);
    EXPECT_NEAR(xo[0], 1.0, 1e-12);
    // Segment ending on the circle: the end is dropped unless kept.
    const double ex[] = {0, 1}, ey[] = {0, 0};
    EXPECT_EQ(Intersect_Segment_Circle(0, 0, 1, ex, ey, 0, xo, yo), 0);
    EXPECT_EQ(Intersect_Segment_Circle(0, 0, 1, ex, ey, 1, xo, yo), 1);
    EXPECT_EQ(Intersect_Segment_Circle_All(0, 0, 1, ex, ey, xo, yo), 1);
    const double fx[] = {2, 3}, fy[] = {0, 0};
    EXPECT_EQ(Intersect_Segment_Circle_All(0, 0, 1, fx, fy, xo, yo), 0);
    // The ray from (2, 0) towards (3, 0) misses; towards (1, 0) it crosses twice.
    EXPECT_EQ(Intersect_Ray_Circle(0, 0, 1, fx, fy, xo, yo), 0);
    const double rx[] = {2, 1}, ry[] = {0, 0};
    EXPECT_EQ(Intersect_Ray_Circle(0, 0, 1, rx, ry, xo, yo), 2);
}

TEST(GeometryLines, PolylineCrossingsIntoArrays) {
    // Open zigzag across the x axis: (0,-1) (1,1) (2,-1) (3,1).
    const double x[] = {0, 1, 2, 3}, y[] = {-1, 1, -1, 1};
    const double lx[] = {0, 1}, ly[] = {0, 0};
    double xo[11], yo[11];
    EXPECT_EQ(Intersect_Polyline_Line(4, x, y, 0, lx, ly, xo, yo), 3);
    EXPECT_DOUBLE_EQ(xo[0], 0.5);
    EXPECT_DOUBLE_EQ(xo[2], 2.5);
    EXPECT_EQ(Intersect_Polyline_Line(4, x, y, 1, lx, ly, xo, yo), 4);  // closing edge too
    EXPECT_EQ(Intersect_Polyline_Segment(4, x, y, 0, 0, 0, 2, 0, xo, yo), 2);
    EXPECT_DOUBLE_EQ(xo[1], 1.5);
    EXPECT_EQ(Intersect_Polyline_Circle(4, x, y, 0, 1, 1, 0.5, xo, yo), 2);  // around a vertex

    // A dense zigzag crosses far more often than 10 times: capped.
    double zx[40], zy[40];
    for (int i = 0; i < 40; i++) {
        zx[i] = i;
        zy[i] = (i % 2) ? 1 : -1;
    }
    double cx[11], cy[11];
    cx[10] = cy[10] = 123.0;
    EXPECT_EQ(Intersect_Polyline_Line(40, zx, zy, 0, lx, ly, xo, yo), 10);
    EXPECT_EQ(Intersect_Polyline_Segment(40, zx, zy, 0, 0, 0, 40, 0, xo, yo), 10);
    // A star in and out of the unit circle: 11 edges, one crossing each.
    double stx[12], sty[12];
    for (int i = 0; i < 12; i++) {
        double r = (i % 2) ? 2.0 : 0.5;
        stx[i] = r * std::cos(i * PI / 6);
        sty[i] = r * std::sin(i * PI / 6);
    }
    double *ax = nullptr, *ay = nullptr;
    EXPECT_EQ(Intersect_Polyline_Circle_Alloc(12, stx, sty, 0, 0, 0, 1, &ax, &ay), 11);
    ITools_Free(&ax);
    ITools_Free(&ay);
    EXPECT_EQ(Intersect_Polyline_Circle(12, stx, sty, 0, 0, 0, 1, cx, cy), 10);
    EXPECT_EQ(cx[10], 123.0);
    // The walk stops only between segments: 9 points, then a segment
    // through the circle adds two more, the eleventh slot included.
    double wx[9] = {0}, wy[9] = {0};
    for (int i = 1; i < 9; i++) {
        wx[i] = (i % 2) ? 2.0 : -2.0;
        wy[i] = 0.05 * i;
    }
    EXPECT_EQ(Intersect_Polyline_Circle(9, wx, wy, 0, 0, 0, 1, cx, cy), 11);
    EXPECT_NEAR(cx[10] * cx[10] + cy[10] * cy[10], 1.0, 1e-12);
    EXPECT_GT(cy[10], 0.25);  // a crossing of the sixth segment
    EXPECT_LT(cy[10], 0.3);
    EXPECT_EQ(Intersect_Polyline_Circle_Alloc(9, wx, wy, 0, 0, 0, 1, &ax, &ay), 15);
    ITools_Free(&ax);
    ITools_Free(&ay);
}

TEST(GeometryLines, PolylineCrossingsAllocated) {
    const long blocks = ITools_Block_Count();
    const double sq_x[] = {0, 2, 2, 0}, sq_y[] = {0, 0, 2, 2};
    const double lx[] = {1, 1}, ly[] = {-1, 3};
    double *xo = nullptr, *yo = nullptr;
    ASSERT_EQ(Intersect_Polyline_Line_Alloc(4, sq_x, sq_y, 1, lx, ly, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(xo[0], 1.0);
    EXPECT_DOUBLE_EQ(yo[0], 0.0);
    EXPECT_DOUBLE_EQ(yo[1], 2.0);
    // None found: both blocks are given back and nulled.
    const double fx[] = {5, 5}, fy[] = {0, 1};
    EXPECT_EQ(Intersect_Polyline_Line_Alloc(4, sq_x, sq_y, 1, fx, fy, &xo, &yo), 0);
    EXPECT_EQ(xo, nullptr);
    EXPECT_EQ(yo, nullptr);

    // A segment through two opposite corners of the closed square: the
    // start corner met again by the closing edge is dropped.
    ASSERT_EQ(Intersect_Polyline_Segment_Alloc(4, sq_x, sq_y, 1, 0, 0, 2, 2, &xo, &yo), 3);
    EXPECT_DOUBLE_EQ(xo[0], 0.0);
    EXPECT_DOUBLE_EQ(xo[1], 2.0);
    EXPECT_DOUBLE_EQ(xo[2], 2.0);

    ASSERT_EQ(Intersect_Polyline_Circle_Alloc(4, sq_x, sq_y, 0, 0, 0, 1, &xo, &yo), 1);
    EXPECT_NEAR(xo[0], 1.0, 1e-12);

    // Two squares overlapping at a corner: their outlines cross twice.
    const double bx[] = {1, 3, 3, 1}, by[] = {1, 1, 3, 3};
    ASSERT_EQ(Intersect_Polylines_Alloc(4, sq_x, sq_y, 1, 4, bx, by, 1, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(xo[0], 2.0);
    EXPECT_DOUBLE_EQ(yo[0], 1.0);
    EXPECT_DOUBLE_EQ(xo[1], 1.0);
    EXPECT_DOUBLE_EQ(yo[1], 2.0);

    // A segment entering the quadrilateral at its first vertex and ending
    // inside: one crossing, though edge 0 and the closing edge each compute
    // the vertex in their own rounding (0.30999999999999994 against 0.31).
    const double qx[] = {0.31, 5.1, 4.7, 0.2}, qy[] = {0.7, 0.3, 4.9, 4.1};
    const double s1x = 0.31 - 0.5, s1y = 0.7 - 1.5, s2x = 0.31 + 0.5, s2y = 0.7 + 1.5;
    ASSERT_EQ(Intersect_Polyline_Segment_Alloc(4, qx, qy, 1, s1x, s1y, s2x, s2y, &xo, &yo), 1);
    EXPECT_NEAR(xo[0], 0.31, 1e-12);
    EXPECT_NEAR(yo[0], 0.7, 1e-12);
    const double segx[] = {s1x, s2x}, segy[] = {s1y, s2y};
    EXPECT_EQ(Intersect_Polylines_Alloc(4, qx, qy, 1, 2, segx, segy, 0, &xo, &yo), 1);
    ITools_Free(&xo);
    ITools_Free(&yo);
    EXPECT_EQ(ITools_Block_Count(), blocks);
}

}  // namespace

}  // namespace test_geometry_lines
