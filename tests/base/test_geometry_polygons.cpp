// Polygon operations and table interpolation: orientation, point tests on
// all three answers, clipping by a line, offsets and cleaning, overlap
// measures against hand values, and tables read inside and outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/geometry.h"
#include "base/vesk.h"

namespace test_geometry_polygons {
namespace {

const double PI = 3.14159265358979323846;

TEST(GeometryPolygons, OrientationAndMirror) {
    double x[] = {0, 0, 1, 1}, y[] = {0, 1, 1, 0};  // clockwise
    Orient_Polygon(4, x, y, 1);
    EXPECT_EQ(x[0], 1.0);  // reversed
    EXPECT_EQ(y[0], 0.0);
    EXPECT_GT(Polygon_Moment_Sx(4, x, y), 0.0);  // now counter-clockwise
    double before[4] = {x[0], x[1], x[2], x[3]};
    Orient_Polygon_CCW(4, x, y);
    for (int i = 0; i < 4; i++) EXPECT_EQ(x[i], before[i]);
    Orient_Polygon_CW(4, x, y);
    EXPECT_LT(Polygon_Moment_Sx(4, x, y), 0.0);
    double fx[] = {0, 1, 2}, fy[] = {0, 1, 2};  // no area: untouched
    Orient_Polygon(3, fx, fy, 0);
    EXPECT_EQ(fx[0], 0.0);

    // Mirroring a counter-clockwise triangle flips it; the copy is turned back.
    const double tx[] = {0, 4, 0}, ty[] = {0, 0, 3};
    double mx[3], my[3];
    Mirror_Polygon_Y(3, tx, ty, 10, mx, my);
    double area = 0;
    for (int i = 0; i < 3; i++) {
        int j = (i + 1) % 3;
        area += mx[i] * my[j] - mx[j] * my[i];
    }
    EXPECT_DOUBLE_EQ(area / 2, 6.0);
    EXPECT_EQ(ty[2], 3.0);
    std::vector<double> ys(my, my + 3);
    std::sort(ys.begin(), ys.end());
    EXPECT_EQ(ys[0], 7.0);
    EXPECT_EQ(ys[2], 10.0);
}

TEST(GeometryPolygons, PointInPolygonByRay) {
    const double x[] = {0, 1, 1, 0}, y[] = {0, 0, 1, 1};
    EXPECT_EQ(Point_In_Polygon_Ray(4, x, y, 0.5, 0.5), 1);
    EXPECT_EQ(Point_In_Polygon_Ray(4, x, y, 2, 2), 0);
    EXPECT_EQ(Point_In_Polygon_Ray(4, x, y, 0.5, 0), 2);
    EXPECT_EQ(Point_In_Polygon_Ray(4, x, y, 1, 1), 2);  // a corner
    EXPECT_EQ(Point_In_Polygon_Ray(0, x, y, 0.5, 0.5), 0);
    // The first ray from (0.25, 0.25) to (2, 2) runs through the corner of
    // a diamond notch; the test retries with a steeper ray.
    const double ux[] = {0, 4, 4, 2, 1, 0}, uy[] = {0, 0, 4, 1, 1, 4};
    EXPECT_EQ(Point_In_Polygon_Ray(6, ux, uy, 0.5, 0.5), 1);
    EXPECT_EQ(Point_In_Polygon_Ray(6, ux, uy, 2, 3), 0);  // in the notch
    EXPECT_EQ(Point_In_Polygon_Ray(6, ux, uy, 3.5, 2), 1);
    // The first ray, (20, 18) to (80, 80), has the slope 62/60 = 1.033333
    // and the edge (35, 33.50001)-(23, 21.09999) the slope 12.40002/12 =
    // 1.033335: parallel within 1e-5, yet the ray crosses it (at x = 23 the
    // ray is at 21.1, above the edge; at x = 35 at 33.5, below it). The
    // point lies outside: its distance from the edge (15, 5)-(23, 21.09999)
    // is (8 * 13 - 16.09999 * 5) / |(8, 16.09999)| = 23.50005 / 17.97803 =
    // 1.31, on the side away from every other vertex.
    const double kx[] = {23, 15, 40, 40, 39, 35}, ky[] = {21.09999, 5, 10, 38, 40, 33.50001};
    EXPECT_EQ(Point_In_Polygon_Ray(6, kx, ky, 20, 18), 0);
    EXPECT_EQ(Point_In_Polygon_Ray(6, kx, ky, 30, 20), 1);
    // All-negative coordinates.
    const double nx[] = {-10, -8, -8, -10}, ny[] = {-10, -10, -8, -8};
    EXPECT_EQ(Point_In_Polygon_Ray(4, nx, ny, -9, -9), 1);
    EXPECT_EQ(Point_In_Polygon_Ray(4, nx, ny, -7, -9), 0);
}

TEST(GeometryPolygons, BoxExtentAndProjection) {
    const double x[] = {1, 5, 3}, y[] = {-2, 0, 4};
    double a, b, c, d;
    EXPECT_EQ(Polygon_Bounding_Box(3, x, y, &a, &b, &c, &d), 0);
    EXPECT_EQ(a, 1.0);
    EXPECT_EQ(b, -2.0);
    EXPECT_EQ(c, 5.0);
    EXPECT_EQ(d, 4.0);
    Polygon_Bounding_Box(0, x, y, &a, &b, &c, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(d, -1e100);
    EXPECT_DOUBLE_EQ(Extent_In_Direction(3, x, y, 0), 4.0);
    EXPECT_NEAR(Extent_In_Direction(3, x, y, PI / 2), 6.0, 1e-12);
    const double sx[] = {0, 1, 1, 0}, sy[] = {0, 0, 1, 1};
    EXPECT_NEAR(Extent_In_Direction(4, sx, sy, PI / 4), std::sqrt(2.0), 1e-12);
    EXPECT_EQ(Extent_In_Direction(0, sx, sy, 0), 2e100);

    double px[] = {3, -1}, py[] = {1, 5};
    Project_Points_On_Line(2, px, py, 0, 0, 2, 2);
    EXPECT_NEAR(px[0], 2.0, 1e-12);
    EXPECT_NEAR(py[0], 2.0, 1e-12);
    EXPECT_NEAR(px[1], 2.0, 1e-12);
    double vx[] = {7}, vy[] = {3};
    Project_Points_On_Line(1, vx, vy, 2, 0, 2, 9);  // vertical line x = 2
    EXPECT_NEAR(vx[0], 2.0, 1e-12);
    EXPECT_NEAR(vy[0], 3.0, 1e-12);
}

TEST(GeometryPolygons, MadeAndChangedPolygons) {
    double x[8], y[8];
    Regular_Polygon(1, 2, 3, 4, x, y);
    EXPECT_NEAR(Polygon_Area(4, x, y), PI, 1e-12);
    EXPECT_NEAR(y[0], 3.0, 1e-12);  // corner 0 on the +x axis
    EXPECT_NEAR(x[0], 2.0 + std::sqrt(PI / 2), 1e-12);
    Regular_Polygon(2, 0, 0, 6, x, y);
    EXPECT_NEAR(Polygon_Area(6, x, y), 4 * PI, 1e-12);

    double rx[4], ry[4];
    EXPECT_EQ(Rectangle_Corners(4, 2, 1, 1, rx, ry), ry);
    EXPECT_EQ(rx[0], -1.0);
    EXPECT_EQ(ry[0], 0.0);
    EXPECT_EQ(rx[2], 3.0);
    EXPECT_EQ(ry[2], 2.0);
    EXPECT_EQ(rx[3], -1.0);

    Scale_Polygon(4, rx, ry, 0.5);  // about (1, 1)
    EXPECT_DOUBLE_EQ(rx[0], 0.0);
    EXPECT_DOUBLE_EQ(ry[0], 0.5);
    EXPECT_DOUBLE_EQ(rx[2], 2.0);

    double gx4[] = {0, 2, 2, 0}, gy4[] = {0, 0, 2, 2};
    Grow_Polygon_Box(4, gx4, gy4, 1, 0.5);
    EXPECT_EQ(gx4[0], -1.0);
    EXPECT_EQ(gy4[0], -0.5);
    EXPECT_EQ(gx4[2], 3.0);
    EXPECT_EQ(gy4[2], 2.5);

    double ix[] = {0, 2, 2, 0}, iy[] = {0, 0, 2, 2};
    Inflate_Polygon(4, ix, iy, std::sqrt(2.0));
    EXPECT_NEAR(ix[0], -1.0, 1e-12);
    EXPECT_NEAR(iy[0], -1.0, 1e-12);
    EXPECT_NEAR(ix[2], 3.0, 1e-12);
    EXPECT_NEAR(iy[2], 3.0, 1e-12);
    // The move is outwards whatever the sign: a negative distance grows too.
    Inflate_Polygon(4, ix, iy, -std::sqrt(2.0));
    EXPECT_NEAR(ix[0], -2.0, 1e-12);
    EXPECT_NEAR(iy[0], -2.0, 1e-12);
    EXPECT_NEAR(ix[1], 4.0, 1e-12);
    EXPECT_NEAR(iy[1], -2.0, 1e-12);
}

TEST(GeometryPolygons, OffsetEdges) {
    // Counter-clockwise square: moving edges to their left shrinks it.
    double x[] = {0, 4, 4, 0}, y[] = {0, 0, 4, 4};
    EXPECT_EQ(Offset_Polygon_Edges(x, y, 4, 1), 4);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(y[0], 1.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
    EXPECT_NEAR(y[2], 3.0, 1e-12);
    // A straight vertex moves with its edges.
    double sx[] = {0, 2, 4, 4, 0}, sy[] = {0, 0, 0, 4, 4};
    Offset_Polygon_Edges(sx, sy, 5, -1);
    EXPECT_NEAR(sx[1], 2.0, 1e-12);
    EXPECT_NEAR(sy[1], -1.0, 1e-12);
    EXPECT_NEAR(sx[0], -1.0, 1e-12);
    // Open polyline: the ends move square to their edges.
    double ox[] = {0, 4, 4}, oy[] = {0, 0, 4};
    EXPECT_EQ(Offset_Polygon_Edges(ox, oy, -3, 1), 3);
    EXPECT_NEAR(ox[0], 0.0, 1e-12);
    EXPECT_NEAR(oy[0], 1.0, 1e-12);
    EXPECT_NEAR(ox[1], 3.0, 1e-12);
    EXPECT_NEAR(oy[1], 1.0, 1e-12);
    EXPECT_NEAR(ox[2], 3.0, 1e-12);
    EXPECT_NEAR(oy[2], 4.0, 1e-12);
    // Two vertices: the moved segment.
    double tx[] = {0, 0}, ty[] = {0, 3};
    EXPECT_EQ(Offset_Polygon_Edges(tx, ty, 2, 2), 2);
    EXPECT_NEAR(tx[0], -2.0, 1e-12);
    EXPECT_NEAR(tx[1], -2.0, 1e-12);
    EXPECT_NEAR(ty[1], 3.0, 1e-12);
    // Too many or too few: unchanged.
    std::vector<double> bx(100), by(100);
    for (int i = 0; i < 100; i++) {
        bx[i] = std::cos(i * 2 * PI / 100);
        by[i] = std::sin(i * 2 * PI / 100);
    }
    std::vector<double> keep = bx;
    EXPECT_EQ(Offset_Polygon_Edges(bx.data(), by.data(), 100, 1), 100);
    EXPECT_EQ(bx, keep);
    double one_x[] = {5}, one_y[] = {5};
    EXPECT_EQ(Offset_Polygon_Edges(one_x, one_y, 1, 1), 2);
    EXPECT_EQ(one_x[0], 5.0);
}

TEST(GeometryPolygons, CleaningAndSelfCrossings) {
    double x[] = {0, 0, 1, 1}, y[] = {0, 0, 0, 1};
    EXPECT_EQ(Drop_Duplicate_Vertices(4, x, y), 3);
    EXPECT_EQ(x[1], 1.0);
    EXPECT_EQ(y[2], 1.0);
    double cx[] = {0, 1, 1, 0.000001}, cy[] = {0, 0, 1, 0.000004};  // last equals first at 5 decimals
    EXPECT_EQ(Drop_Duplicate_Vertices(4, cx, cy), 3);
    double px[] = {2, 2, 2}, py[] = {3, 3, 3};
    EXPECT_EQ(Drop_Duplicate_Vertices(3, px, py), 1);

    // Arrow head with one reflex vertex at (2, 1).
    double rx[] = {0, 4, 4, 2, 0}, ry[] = {0, 0, 4, 1, 4};
    EXPECT_EQ(Drop_Reflex_Vertices(5, rx, ry), 4);
    EXPECT_EQ(rx[3], 0.0);
    EXPECT_EQ(ry[3], 4.0);
    double lx[] = {0, 1, 2, 2, 0}, ly[] = {0, 0, 0, 2, 2};  // straight vertex kept
    EXPECT_EQ(Drop_Reflex_Vertices(5, lx, ly), 5);

    const double bx[] = {0, 1, 1, 0}, by[] = {0, 1, 0, 1};
    EXPECT_EQ(Count_Self_Crossings(4, bx, by, 1), 1);
    EXPECT_EQ(Count_Self_Crossings(4, bx, by, 0), 1);
    const double sx[] = {0, 1, 1, 0}, sy[] = {0, 0, 1, 1};
    EXPECT_EQ(Count_Self_Crossings(4, sx, sy, 1), 0);
    // A star of five points drawn in one stroke crosses itself five times.
    double stx[5], sty[5];
    for (int i = 0; i < 5; i++) {
        stx[i] = std::cos(PI / 2 + i * 4 * PI / 5);
        sty[i] = std::sin(PI / 2 + i * 4 * PI / 5);
    }
    EXPECT_EQ(Count_Self_Crossings(5, stx, sty, 1), 5);
}

TEST(GeometryPolygons, CutByLine) {
    const long blocks = ITools_Block_Count();
    const double x[] = {0, 1, 1, 0}, y[] = {0, 0, 1, 1};
    const double lx[] = {0.5, 0.5}, ly[] = {-1, 2};
    double *xo = nullptr, *yo = nullptr;
    int count = -1;
    EXPECT_EQ(Cut_Polygon_By_Line(4, x, y, lx, ly, &count, &xo, &yo), 1);
    ASSERT_EQ(count, 4);
    const double ex[] = {0, 0.5, 0.5, 0}, ey[] = {0, 0, 1, 1};
    for (int i = 0; i < 4; i++) {
        EXPECT_DOUBLE_EQ(xo[i], ex[i]) << i;
        EXPECT_DOUBLE_EQ(yo[i], ey[i]) << i;
    }
    // The other direction keeps the right half.
    const double rx[] = {0.5, 0.5}, ry[] = {2, -1};
    EXPECT_EQ(Cut_Polygon_By_Line(4, x, y, rx, ry, &count, &xo, &yo), 1);
    ASSERT_EQ(count, 4);
    EXPECT_DOUBLE_EQ(xo[0], 0.5);
    EXPECT_DOUBLE_EQ(xo[1], 1.0);
    // A line missing the polygon.
    const double mx[] = {5, 5}, my[] = {0, 1};
    EXPECT_EQ(Cut_Polygon_By_Line(4, x, y, mx, my, &count, &xo, &yo), 0);
    EXPECT_EQ(count, 4);  // all of it lies left of x = 5 going up
    // A saw whose five tips touch the line: each tip is written twice, as
    // the crossing of both its edges, so 11 vertices give 16 points.
    const double kx[] = {0, 8, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    const double ky[] = {0, 0, 2, 1, 2, 1, 2, 1, 2, 1, 2};
    const double hx[] = {10, -1}, hy[] = {2, 2};  // leftwards: keeps the part below
    EXPECT_EQ(Cut_Polygon_By_Line(11, kx, ky, hx, hy, &count, &xo, &yo), 1);
    ASSERT_EQ(count, 16);
    EXPECT_EQ(xo[15], 0.0);  // the last tip, from the closing edge
    EXPECT_EQ(yo[15], 2.0);
    ITools_Free(&xo);
    ITools_Free(&yo);
    EXPECT_EQ(ITools_Block_Count(), blocks);
}

TEST(GeometryPolygons, LengthInsideAndOverlap) {
    const double ax[] = {0, 2, 2, 0}, ay[] = {0, 0, 2, 2};
    const double bx[] = {1, 3, 3, 1}, by[] = {1, 1, 3, 3};
    // Of A's outline, the pieces (2,1)-(2,2) and (2,2)-(1,2) lie in B.
    EXPECT_NEAR(Polygon_Length_Inside(4, ax, ay, 4, bx, by), 2.0, 1e-9);
    const double cx[] = {0.5, 1.5, 1.5, 0.5}, cy[] = {0.5, 0.5, 1.5, 1.5};
    EXPECT_NEAR(Polygon_Length_Inside(4, cx, cy, 4, ax, ay), 4.0, 1e-9);
    EXPECT_NEAR(Polygon_Length_Inside(4, ax, ay, 4, cx, cy), 0.0, 1e-9);

    double area, xs, ys;
    const double dx[] = {0.5, 1.5, 1.5, 0.5}, dy[] = {0, 0, 2, 2};
    EXPECT_EQ(Polygon_Overlap_Raster(4, ax, ay, 4, dx, dy, &area, &xs, &ys), 1);
    EXPECT_NEAR(area, 2.0, 1e-9);
    EXPECT_NEAR(xs, 1.0, 1e-9);
    EXPECT_NEAR(ys, 1.0, 1e-9);
    const double ex[] = {1, 2, 2, 1}, ey[] = {0, 0, 1, 1};
    const double fx[] = {0, 1.5, 1.5, 0}, fy[] = {0, 0, 1, 1};
    EXPECT_NEAR(Polygon_Overlap_Area(4, ex, ey, 4, fx, fy), 0.5, 1e-9);
    const double gx[] = {5, 6, 6}, gy[] = {5, 5, 6};
    EXPECT_EQ(Polygon_Overlap_Raster(4, ax, ay, 3, gx, gy, &area, &xs, &ys), 0);
    EXPECT_EQ(area, 0.0);
    const double flat_x[] = {0, 1}, flat_y[] = {0, 0};
    EXPECT_EQ(Polygon_Overlap_Raster(2, flat_x, flat_y, 2, flat_x, flat_y, &area, &xs, &ys), 0);
    EXPECT_EQ(xs, -2e100);
    EXPECT_EQ(ys, -2e100);
}

TEST(GeometryPolygons, TableInterpolation) {
    const double t[] = {0, 0, 1, 10};
    EXPECT_DOUBLE_EQ(Interpolate_Table(t, 2, 2, 0.5, 0, 1, 0), 5.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(t, 2, 2, 2, 0, 1, 0), 10.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(t, 2, 2, 2, 0, 1, 1), 20.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(t, 2, 2, -1, 0, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(t, 2, 2, -1, 0, 1, 1), -10.0);
    // Descending abscissae, stride 3, values in column 2.
    const double d[] = {30, 9, 3, 20, 9, 2, 10, 9, 1};
    EXPECT_DOUBLE_EQ(Interpolate_Table(d, 3, 3, 25, 0, 2, 0), 2.5);
    EXPECT_DOUBLE_EQ(Interpolate_Table(d, 3, 3, 40, 0, 2, 0), 3.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(d, 3, 3, 5, 0, 2, 1), 0.5);
    EXPECT_DOUBLE_EQ(Interpolate_Table(d, 3, 3, 15, 0, 1, 0), 9.0);  // flat column
    // A step (two equal abscissae, different values).
    const double s[] = {0, 0, 1, 1, 1, 2};
    EXPECT_EQ(Interpolate_Table(s, 3, 2, 1, 0, 1, 0), 1.0);  // first pair bracketing 1
    const double st[] = {1, 1, 1, 2};
    EXPECT_EQ(Interpolate_Table(st, 2, 2, 1, 0, 1, 0), 1e100);
    EXPECT_EQ(Interpolate_Table(t, 0, 2, 1, 0, 1, 0), 0.0);

    // 2D: x across the top (0, 10), y down the side (0, 1).
    const double g[] = {0, 0, 10,   //
                        0, 0, 100,  //
                        1, 10, 200};
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(g, 3, 3, 0.5, 5, 0), (5 + 150) / 2.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(g, 3, 3, 0, 20, 0), 100.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(g, 3, 3, 0, 20, 1), 200.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(g, 3, 3, 2, 0, 1), 20.0);
}

TEST(GeometryPolygons, SmallNumbers) {
    EXPECT_EQ(Count_Integer_Digits(0), 1);
    EXPECT_EQ(Count_Integer_Digits(9), 1);
    EXPECT_EQ(Count_Integer_Digits(10), 2);
    EXPECT_EQ(Count_Integer_Digits(99999), 5);
    EXPECT_EQ(Count_Integer_Digits(100000), 6);
    EXPECT_EQ(Count_Integer_Digits(-500), 1);
    EXPECT_EQ(Count_Integer_Digits(999999995), 9);  // nine nines and a five
    EXPECT_EQ(Count_Integer_Digits(999999999), 9);
    EXPECT_EQ(Count_Integer_Digits(1000000000), 10);
    EXPECT_EQ(Count_Integer_Digits(2147483647), 10);
    const double v[] = {3, -7, 12.5, 0};
    EXPECT_EQ(Max_Of_Doubles(4, v), 12.5);
    EXPECT_EQ(Min_Of_Doubles(4, v), -7.0);
    EXPECT_EQ(Max_Of_Doubles(0, v), -1e100);
    EXPECT_EQ(Min_Of_Doubles(0, v), 1e100);
    EXPECT_EQ(Mirror_Value(3, 5), 7.0);
}

}  // namespace

}  // namespace test_geometry_polygons
