// The area of a disc within a rectangle against the closed forms: the disc
// inside, cut by one side (a cap), by two sides, by four sides, a strip, a
// quarter, a rectangle inside the disc, and no common area.
#include <gtest/gtest.h>

#include <cmath>

#include "endplate/circle_area.h"

namespace {

// Closed forms, radius R about the origin.
double Cap(double R, double c) { return R * R * std::acos(c / R) - c * std::sqrt(R * R - c * c); }
// The part of the disc with y >= a and z >= b (a² + b² < R²): the integral
// of sqrt(R² - y²) - b from a to sqrt(R² - b²).
double Corner(double R, double a, double b) {
    const double y1 = std::sqrt(R * R - b * b);
    auto F = [R](double y) { return 0.5 * (y * std::sqrt(R * R - y * y) + R * R * std::asin(y / R)); };
    return F(y1) - F(a) - b * (y1 - a);
}

TEST(CircleInRectangle, AgainstTheClosedForms) {
    struct Case {
        const char* what;
        double R, y1, z1, y2, z2, area;
        int status;
    } cases[] = {
        {"inside", 1, -2, -2, 2, 2, M_PI, 1},
        {"inside, corners swapped", 2.5, 3, 3, -3, -3, M_PI * 6.25, 1},
        {"a quarter", 1, 0, 0, 2, 2, M_PI / 4, 0},
        {"a half", 1, -2, 0, 2, 2, M_PI / 2, 0},
        {"one side: the cap above z = 0.9", 1, -2, 0.9, 2, 2, Cap(1, 0.9), 0},
        {"one side, R 50: the disc less the cap beyond y = 30", 50, -60, -60, 30, 60, M_PI * 2500 - Cap(50, 30), 0},
        {"two sides: the disc less two caps, plus their overlap", 1, -0.5, -2, 2, 0.6,
         M_PI - Cap(1, 0.5) - Cap(1, 0.6) + Corner(1, 0.5, 0.6), 0},
        {"two sides meeting inside: a corner region", 1, 0.3, 0.4, 2, 2, Corner(1, 0.3, 0.4), 0},
        {"a strip", 1, -0.5, -2, 0.5, 2, 2 * (0.5 * std::sqrt(0.75) + std::asin(0.5)), 0},
        {"four sides: a square cut by the circle", 1, -0.8, -0.8, 0.8, 0.8, M_PI - 4 * Cap(1, 0.8), 0},
        {"a rectangle inside the disc", 1, -0.5, -0.5, 0.5, 0.5, 1.0, 0},
    };
    for (const Case& c : cases) {
        int status = 9;
        const double area = Calc_Circle_In_Rectangle_Area(c.R, c.y1, c.z1, c.y2, c.z2, &status);
        EXPECT_NEAR(area, c.area, 1e-12 * c.R * c.R) << c.what;
        EXPECT_EQ(status, c.status) << c.what;
    }
    // The values as published to four places.
    EXPECT_NEAR(Calc_Circle_In_Rectangle_Area(1, -0.5, -2, 0.5, 2, nullptr), 1.9132, 5e-5);
    EXPECT_NEAR(Calc_Circle_In_Rectangle_Area(1, -2, 0.9, 2, 2, nullptr), 0.0587, 5e-5);
}

TEST(CircleInRectangle, NoCommonArea) {
    struct Case {
        double R, y1, z1, y2, z2;
    } cases[] = {
        {1, 3, 3, 4, 4},          // outside the bounding square
        {1, 0.8, 0.8, 2, 2},      // in the square's corner, not in the disc
        {0, -1, -1, 1, 1},        // no disc
        {-2, -1, -1, 1, 1},
        {1, NAN, 0, 1, 1},
        {1, -1, -1, 1, -1},       // a rectangle without height
    };
    for (const Case& c : cases) {
        int status = 9;
        EXPECT_EQ(Calc_Circle_In_Rectangle_Area(c.R, c.y1, c.z1, c.y2, c.z2, &status), 0.0) << c.y1;
        EXPECT_EQ(status, -1) << c.y1;
    }
    Kreis_Stueck chain[KREIS_STUECK_MAX];
    EXPECT_EQ(Build_Circle_Rectangle_Pieces(1, 3, 3, 4, 4, chain), -1);
    EXPECT_EQ(Build_Circle_Rectangle_Pieces(1, -1, -1, 1, 1, chain), 0);
}

TEST(CircleInRectangle, ChainOfPieces) {
    // The quarter: the chord on z = 0, the arc, the chord on y = 0.
    Kreis_Stueck chain[KREIS_STUECK_MAX];
    ASSERT_EQ(Build_Circle_Rectangle_Pieces(1, 0, 0, 2, 2, chain), 3);
    int arcs = 0;
    for (int i = 0; i < 3; i++) arcs += chain[i].arc == 1;
    EXPECT_EQ(arcs, 1);
    EXPECT_EQ(chain[3].arc, -1);
    // The arc of a quarter circle: sagitta (1 - 1/2)^1/2 - 1.
    for (int i = 0; i < 3; i++)
        if (chain[i].arc == 1) {
            EXPECT_NEAR(chain[i].s, std::sqrt(0.5) - 1, 1e-12);
        }
    // The quadrant piece of a box cut at y = 0.5: from 0 to 60 degrees.
    Kreis_Stueck p;
    ASSERT_EQ(Build_Quadrant_Pieces(1, 0, 0.5, 0, 2, &p), 1);
    EXPECT_NEAR(p.y1, 0.5, 1e-12);
    EXPECT_NEAR(p.z1, std::sqrt(0.75), 1e-12);
    EXPECT_NEAR(p.y2, 0.0, 1e-12);
    EXPECT_EQ(Build_Quadrant_Pieces(1, 0.8, 2, 0.8, 2, &p), 0);
    EXPECT_EQ(p.arc, -1);
    // Two straight pieces that do not meet get the arc between them.
    Kreis_Stueck previous = {0, 0, 1, 0, 0, 0};
    Kreis_Stueck list[3] = {{0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, -1}, {}};
    ASSERT_EQ(Join_Arc_Piece(&previous, list, 1), 1);
    EXPECT_EQ(list[0].arc, 1);
    EXPECT_EQ(list[0].y1 * 10 + list[0].z2, 11.0);
    EXPECT_EQ(list[1].z1, 1.0);
    EXPECT_EQ(list[2].arc, -1);
    EXPECT_EQ(Join_Arc_Piece(&list[0], &list[1], 1), 0);
}

}  // namespace
