// Small helpers of the plane-geometry units, shared by geometry_lines.cpp
// (where they are defined) and geometry_polygons.cpp. Not for callers
// outside these units: their tolerances are the ones those units promise
// (vertical within 1e-5, positions compared after Round_To_Decimals).
#ifndef BASE_GEOMETRY_INTERNAL_H
#define BASE_GEOMETRY_INTERNAL_H

// p within [a, b] in either order, judged on differences rounded to the
// given decimals (a point on an end, or beyond it by rounding only, is in).
bool Geo_In_Range(double p, double a, double b, int decimals);

// (x, y) within the x range and the y range of the segment a-b.
bool Geo_In_Box(double x, double y, double xa, double ya, double xb, double yb, int decimals);

// Slope-form crossing of the lines P1P2 and P3P4 (slope 1e100 for a
// vertical line): 0 with the point in *xs, *ys; 1 when the slopes differ by
// less than 1e-5, with (0, 0).
int Geo_Slope_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double *xs, double *ys);

// Both coordinates equal at the given decimals.
bool Geo_Same_At(double x1, double y1, double x2, double y2, int decimals);

#endif
