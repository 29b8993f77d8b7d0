// Section integrals of a square, a triangle, an L and a rectangle against
// values worked by hand from the elementary shapes; the equivalent
// rectangle including the square and empty cases that once gave NaN.
#include <gtest/gtest.h>

#include <cmath>

#include "base/geometry.h"

namespace test_geometry_sections {
namespace {

const double PI = 3.14159265358979323846;

TEST(GeometrySections, UnitSquareBothOrders) {
    const double x[] = {0, 1, 1, 0}, y[] = {0, 0, 1, 1};
    EXPECT_DOUBLE_EQ(Polygon_Area(4, x, y), 1.0);
    EXPECT_DOUBLE_EQ(Polygon_Perimeter(4, x, y), 4.0);
    double xs, ys;
    EXPECT_EQ(Polygon_Centroid(4, x, y, &xs, &ys), 0);
    EXPECT_DOUBLE_EQ(xs, 0.5);
    EXPECT_DOUBLE_EQ(ys, 0.5);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sx(4, x, y), 0.5);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sy(4, x, y), 0.5);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ix(4, x, y), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Iy(4, x, y), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ixy(4, x, y), 0.25);

    const double cx[] = {0, 0, 1, 1}, cy[] = {0, 1, 1, 0};  // clockwise
    EXPECT_DOUBLE_EQ(Polygon_Area(4, cx, cy), 1.0);
    Plane_Point c = Polygon_Centroid_Point(4, cx, cy);
    EXPECT_DOUBLE_EQ(c.x, 0.5);
    EXPECT_DOUBLE_EQ(c.y, 0.5);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sx(4, cx, cy), -0.5);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sy(4, cx, cy), -0.5);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ix(4, cx, cy), -1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Iy(4, cx, cy), -1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ixy(4, cx, cy), -0.25);
}

TEST(GeometrySections, RightTriangle) {
    // Legs 3 on the axes: A 4.5, centroid (1, 1), I about a leg b*h^3/12,
    // product moment b^2*h^2/24.
    const double x[] = {0, 3, 0}, y[] = {0, 0, 3};
    EXPECT_DOUBLE_EQ(Polygon_Area(3, x, y), 4.5);
    EXPECT_DOUBLE_EQ(Polygon_Perimeter(3, x, y), 6.0 + 3.0 * std::sqrt(2.0));
    Plane_Point c = Polygon_Centroid_Point(3, x, y);
    EXPECT_DOUBLE_EQ(c.x, 1.0);
    EXPECT_DOUBLE_EQ(c.y, 1.0);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sx(3, x, y), 4.5);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ix(3, x, y), 6.75);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Iy(3, x, y), 6.75);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ixy(3, x, y), 3.375);
}

TEST(GeometrySections, AngleSection) {
    // Foot 3 x 1 plus leg 1 x 2 on top of it at the left.
    const double x[] = {0, 3, 3, 1, 1, 0}, y[] = {0, 0, 1, 1, 3, 3};
    EXPECT_DOUBLE_EQ(Polygon_Area(6, x, y), 5.0);
    Plane_Point c = Polygon_Centroid_Point(6, x, y);
    EXPECT_DOUBLE_EQ(c.x, 1.1);  // (4.5 * 1.5 + 2 * 0.5) / 5
    EXPECT_DOUBLE_EQ(c.y, 1.1);
    EXPECT_DOUBLE_EQ(Polygon_Moment_Sx(6, x, y), 5.5);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ix(6, x, y), 1.0 + 26.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Iy(6, x, y), 1.0 + 26.0 / 3.0);
    EXPECT_DOUBLE_EQ(Polygon_Inertia_Ixy(6, x, y), 2.25 + 2.0);

    // About the centroid: Ix = Iy = 217/60, Ixy = -1.8; principal moments
    // 65/12 and 109/60 on the axes at -45 degrees.
    double px[6], py[6];
    for (int i = 0; i < 6; i++) {
        px[i] = x[i];
        py[i] = y[i];
    }
    double b, h, phi;
    EXPECT_EQ(Polygon_Equivalent_Rectangle(6, px, py, &b, &h, &phi), 0);
    EXPECT_DOUBLE_EQ(phi, -PI / 4);
    double hh = std::sqrt(5.0 * std::sqrt((65.0 / 12.0) / (109.0 / 60.0)));
    EXPECT_NEAR(h, hh, 1e-12);
    EXPECT_NEAR(b, 5.0 / hh, 1e-12);
    EXPECT_NEAR(px[0], -1.1, 1e-12);  // left centred
    EXPECT_NEAR(py[4], 1.9, 1e-12);
}

TEST(GeometrySections, SmallAngleFarFromTheOrigin) {
    // A 0.24 wide angle of thickness 0.06 with its corner at (7477, -5926):
    // foot 0.24 x 0.06 (centre +0.12, +0.03), leg 0.06 x 0.18 above it
    // (centre +0.03, +0.15). The moments about the frame's axes follow from
    // the two rectangles by the parallel-axis rule.
    const double X = 7477, Y = -5926;
    const double x[] = {X, X + 0.24, X + 0.24, X + 0.06, X + 0.06, X};
    const double y[] = {Y, Y, Y + 0.06, Y + 0.06, Y + 0.24, Y + 0.24};
    const double a1 = 0.24 * 0.06, a2 = 0.06 * 0.18, a = a1 + a2;
    const double y1 = Y + 0.03, y2 = Y + 0.15, x1 = X + 0.12, x2 = X + 0.03;
    const double rel = 1e-10;  // the decimal corners themselves are rounded
    EXPECT_NEAR(Polygon_Area(6, x, y), a, a * rel);
    Plane_Point c = Polygon_Centroid_Point(6, x, y);
    EXPECT_NEAR(c.x, (a1 * x1 + a2 * x2) / a, 0.24 * rel);
    EXPECT_NEAR(c.y, (a1 * y1 + a2 * y2) / a, 0.24 * rel);
    double sx = a1 * y1 + a2 * y2, sy = a1 * x1 + a2 * x2;
    EXPECT_NEAR(Polygon_Moment_Sx(6, x, y), sx, std::fabs(sx) * rel);
    EXPECT_NEAR(Polygon_Moment_Sy(6, x, y), sy, sy * rel);
    double ix = a1 * (y1 * y1 + 0.06 * 0.06 / 12) + a2 * (y2 * y2 + 0.18 * 0.18 / 12);
    double iy = a1 * (x1 * x1 + 0.24 * 0.24 / 12) + a2 * (x2 * x2 + 0.06 * 0.06 / 12);
    double ixy = a1 * x1 * y1 + a2 * x2 * y2;  // each rectangle's own product moment is 0
    EXPECT_NEAR(Polygon_Inertia_Ix(6, x, y), ix, ix * rel);
    EXPECT_NEAR(Polygon_Inertia_Iy(6, x, y), iy, iy * rel);
    EXPECT_NEAR(Polygon_Inertia_Ixy(6, x, y), ixy, std::fabs(ixy) * rel);
}

TEST(GeometrySections, EquivalentRectangle) {
    double x[] = {0, 4, 4, 0}, y[] = {0, 0, 2, 2};
    double b, h, phi;
    EXPECT_EQ(Polygon_Equivalent_Rectangle(4, x, y, &b, &h, &phi), 0);
    EXPECT_NEAR(phi, 0.0, 1e-15);
    EXPECT_NEAR(b, 4.0, 1e-12);
    EXPECT_NEAR(h, 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(x[0], -2.0);
    EXPECT_DOUBLE_EQ(y[0], -1.0);
    EXPECT_DOUBLE_EQ(x[2], 2.0);
    EXPECT_DOUBLE_EQ(y[2], 1.0);
    // Upright: the height is the longer side.
    double ux[] = {0, 1, 1, 0}, uy[] = {0, 0, 3, 3};
    Polygon_Equivalent_Rectangle(4, ux, uy, &b, &h, &phi);
    EXPECT_NEAR(b, 1.0, 1e-12);
    EXPECT_NEAR(h, 3.0, 1e-12);
}

TEST(GeometrySections, SquareAndEmptyGiveNumbersNotNaN) {
    double x[] = {1, 4, 4, 1}, y[] = {1, 1, 4, 4};
    double b = -1, h = -1, phi = -1;
    EXPECT_EQ(Polygon_Equivalent_Rectangle(4, x, y, &b, &h, &phi), 0);
    EXPECT_EQ(phi, 0.0);
    EXPECT_DOUBLE_EQ(b, 3.0);
    EXPECT_DOUBLE_EQ(h, 3.0);
    EXPECT_DOUBLE_EQ(x[0], -1.5);
    // An octagon: equal principal moments too.
    double ox[8], oy[8];
    for (int i = 0; i < 8; i++) {
        ox[i] = std::cos(i * PI / 4 + 0.3);
        oy[i] = std::sin(i * PI / 4 + 0.3);
    }
    double area = Polygon_Area(8, ox, oy);
    EXPECT_EQ(Polygon_Equivalent_Rectangle(8, ox, oy, &b, &h, &phi), 0);
    EXPECT_FALSE(std::isnan(phi));
    EXPECT_NEAR(b, std::sqrt(area), 1e-9);
    EXPECT_NEAR(h, std::sqrt(area), 1e-9);

    EXPECT_EQ(Polygon_Equivalent_Rectangle(0, x, y, &b, &h, &phi), 0);
    EXPECT_EQ(b, 0.0);
    EXPECT_EQ(h, 0.0);
    EXPECT_EQ(phi, 0.0);
    // A flat polygon keeps its points rather than taking NaN.
    double fx[] = {0, 1, 2}, fy[] = {0, 1, 2};
    EXPECT_EQ(Polygon_Equivalent_Rectangle(3, fx, fy, &b, &h, &phi), 0);
    EXPECT_EQ(fx[1], 1.0);
    EXPECT_EQ(b, 0.0);
}

TEST(GeometrySections, EmptyPolygon) {
    const double x[] = {1}, y[] = {1};
    EXPECT_EQ(Polygon_Area(0, x, y), 0.0);
    EXPECT_EQ(Polygon_Perimeter(-1, x, y), 0.0);
    EXPECT_EQ(Polygon_Inertia_Ixy(0, x, y), 0.0);
    Plane_Point c = Polygon_Centroid_Point(0, x, y);
    EXPECT_TRUE(std::isnan(c.x));
    EXPECT_TRUE(std::isnan(c.y));
}

}  // namespace

}  // namespace test_geometry_sections
