// Frame changes and direction angles: hand-computed maps, round trips, the
// half-open angle ranges on both sides of the vertical, and empty sets.
#include <gtest/gtest.h>

#include <cmath>

#include "base/geometry.h"

namespace {

const double PI = 3.14159265358979323846;

TEST(GeometryFrames, ShiftTurnAndScale) {
    double x[] = {3, 5}, y[] = {4, 4};
    Transform_Points(x, y, 2, 1, 2, 0.0, 1.0);  // only a shift
    EXPECT_DOUBLE_EQ(x[0], 2.0);
    EXPECT_DOUBLE_EQ(y[0], 2.0);
    EXPECT_DOUBLE_EQ(x[1], 4.0);
    // Turned by a quarter: the world point above the origin lies on the x axis.
    double px[] = {7}, py[] = {3};
    Transform_Points(px, py, 1, 7, 2, PI / 2, 2.5);
    EXPECT_NEAR(px[0], 2.5, 1e-15);
    EXPECT_NEAR(py[0], 0.0, 1e-15);
    // 30 degrees, scale 2: (2, 0) about the origin -> (2 cos30, -2 sin30) * 2.
    double qx[] = {2}, qy[] = {0};
    Transform_Points(qx, qy, 1, 0, 0, PI / 6, 2.0);
    EXPECT_NEAR(qx[0], 2.0 * std::sqrt(3.0), 1e-14);
    EXPECT_NEAR(qy[0], -2.0, 1e-14);
}

TEST(GeometryFrames, InverseUndoesTransform) {
    double x[] = {0, 12.5, -3.25, 100}, y[] = {0, -7, 44.5, 1e-3};
    double ox[4], oy[4];
    for (int i = 0; i < 4; i++) {
        ox[i] = x[i];
        oy[i] = y[i];
    }
    Transform_Points(x, y, 4, 3.5, -1.25, 0.7, 0.04);
    EXPECT_NE(x[1], ox[1]);
    Inverse_Transform_Points(x, y, 4, 3.5, -1.25, 0.7, 0.04);
    for (int i = 0; i < 4; i++) {
        EXPECT_NEAR(x[i], ox[i], 1e-12);
        EXPECT_NEAR(y[i], oy[i], 1e-12);
    }
    // Drawing (1, 0) back into a world turned by 90 degrees at (5, 5), scale 2.
    double dx[] = {1}, dy[] = {0};
    Inverse_Transform_Points(dx, dy, 1, 5, 5, PI / 2, 2);
    EXPECT_NEAR(dx[0], 5.0, 1e-15);
    EXPECT_NEAR(dy[0], 5.5, 1e-15);
}

TEST(GeometryFrames, IntegerPixelsRoundHalfAwayFromZero) {
    double x[] = {2.5, -2.5, 0.49, -0.5}, y[] = {-1.5, 1.5, 2.4999, 7};
    int ix[4] = {9, 9, 9, 9}, iy[4] = {9, 9, 9, 9};
    Transform_Points_Int(x, y, 4, 0, 0, 0, 1, ix, iy);
    EXPECT_EQ(ix[0], 3);
    EXPECT_EQ(ix[1], -3);
    EXPECT_EQ(ix[2], 0);
    EXPECT_EQ(ix[3], -1);
    EXPECT_EQ(iy[0], -2);
    EXPECT_EQ(iy[1], 2);
    EXPECT_EQ(iy[2], 2);
    // Transformed doubles are left in place.
    double sx[] = {10}, sy[] = {10};
    Transform_Points_Int(sx, sy, 1, 4, 4, 0, 0.5, ix, iy);
    EXPECT_EQ(sx[0], 3.0);
    EXPECT_EQ(ix[0], 3);
}

TEST(GeometryFrames, EmptySetsTouchNothing) {
    double x[] = {1}, y[] = {2};
    int ix[] = {7}, iy[] = {8};
    for (int n : {0, -3}) {
        Transform_Points(x, y, n, 5, 5, 1, 3);
        Inverse_Transform_Points(x, y, n, 5, 5, 1, 3);
        Transform_Points_Int(x, y, n, 5, 5, 1, 3, ix, iy);
    }
    EXPECT_EQ(x[0], 1.0);
    EXPECT_EQ(y[0], 2.0);
    EXPECT_EQ(ix[0], 7);
    EXPECT_EQ(iy[0], 8);
}

TEST(GeometryAngles, LineAngleRange) {
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, 1, 1), PI / 4);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, -1, -1), 5 * PI / 4);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, -1, 1), 3 * PI / 4);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, 0, 1), PI / 2);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, 0, -1), 3 * PI / 2);
    EXPECT_DOUBLE_EQ(Line_Angle(2, 2, 2, 2), 3 * PI / 2);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, 1, -1), -PI / 4);
    // Just inside and just outside the vertical tolerance.
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, 0.9e-5, 1), PI / 2);
    EXPECT_NEAR(Line_Angle(0, 0, 1.1e-5, 1), PI / 2 - 1.1e-5, 1e-12);
    EXPECT_NEAR(Line_Angle(0, 0, -1.1e-5, 1), PI / 2 + 1.1e-5, 1e-12);
    EXPECT_NEAR(Line_Angle(0, 0, -1.1e-5, -1), 3 * PI / 2 - 1.1e-5, 1e-12);
    EXPECT_DOUBLE_EQ(Line_Angle(0, 0, -1, 0), PI);
}

TEST(GeometryAngles, FullTurnAngle) {
    EXPECT_DOUBLE_EQ(Line_Angle_2Pi(0, 0, 1, -1), 7 * PI / 4);
    EXPECT_EQ(Line_Angle_2Pi(0, 0, 1, 0.000001), 0.0);
    EXPECT_EQ(Line_Angle_2Pi(0, 0, -3, 0.000001), PI);
    EXPECT_EQ(Line_Angle_2Pi(0, 0, 0, 2), PI / 2);
    EXPECT_EQ(Line_Angle_2Pi(0, 0, 0, -2), 3 * PI / 2);
    EXPECT_DOUBLE_EQ(Line_Angle_2Pi(0, 0, -1, -1), 5 * PI / 4);
}

TEST(GeometryAngles, BetweenLinesAndMeanDirections) {
    EXPECT_DOUBLE_EQ(Angle_Between_Lines(0, 0, 1, 0, 5, 5, 5, 9), PI / 2);
    EXPECT_DOUBLE_EQ(Angle_Between_Lines(0, 0, 1, 1, 0, 0, -2, -2), PI);
    EXPECT_EQ(Angle_Between_Lines(0, 0, 1, 1, 3, 3, 5, 5), 0.0);
    EXPECT_EQ(Angle_Between_Lines(0, 0, 0, 0, 3, 3, 5, 5), 0.0);  // no direction

    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(10, 350), 0.0);
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(350, 10), 0.0);
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(10, 80), 45.0);
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(-90, 0), 315.0);
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(0, 180), 90.0);  // exactly a half turn: no flip
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(-0.0004, 90), 45.0 - 0.0002);  // not negative at 3 decimals
    EXPECT_NEAR(Mean_Direction_Rad(10 * PI / 180, 350 * PI / 180), 0.0, 1e-12);
    EXPECT_NEAR(Mean_Direction_Rad(-PI / 2, 0), 315 * PI / 180, 1e-12);
    // A whole turn or more names the same direction: 370 is 10, 380 is 20,
    // 720 is 0; the mean bisects the smaller angle as for reduced values.
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(10, 370), 10.0);
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(350, 380), 5.0);  // 350 and 20
    EXPECT_DOUBLE_EQ(Mean_Direction_Deg(720, 90), 45.0);
    EXPECT_NEAR(Mean_Direction_Rad(2 * PI + 0.1, 0.1), 0.1, 1e-12);

    EXPECT_DOUBLE_EQ(Normalize_Angle_Rad(-PI / 2), 3 * PI / 2);
    EXPECT_DOUBLE_EQ(Normalize_Angle_Rad(7.0), 7.0);  // no upper reduction
    EXPECT_DOUBLE_EQ(Normalize_Angle_Rad(-0.00004), -0.00004);
    EXPECT_NEAR(Normalize_Angle_Rad(-1e9), std::fmod(-1e9, 2 * PI) + 2 * PI, 1e-6);
}

}  // namespace
