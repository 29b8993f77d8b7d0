// Plane and polygon tools: lines and segments given by their end points, a
// drawing scale picked from a series of round values, quadratic roots, a
// Simpson integral, polygon measures and orientation, point-in-polygon, the
// parallel offset of a closed polygon and the common area of two polygons.
//
// Points are passed as separate x and y values or as two parallel arrays of
// doubles with a signed count (0 or less is an empty set; polygons are closed
// implicitly). Coordinates closer than 1e-6 count as equal throughout this
// module; the polygon routines of geometry.h use their own 1e-5 rules and the
// two groups are deliberately kept apart.
#ifndef BASE_CTOOLS_H
#define BASE_CTOOLS_H

// y at abscissa x on the line through (x1, y1) and (x2, y2), stored in *y.
// Returns 1 when x lies between x1 and x2 (with a tolerance relative to the
// value found), else 0; a vertical line hit away from its abscissa stores 0
// and returns 0. y must not be null.
int Line_Y_At_X(double x1, double y1, double x2, double y2, double x, double *y);

// Value at parameter t between two segments standing for the parameters t1
// and t2 (segment k from (xak, yak) to (xbk, ybk)). Mode 1 evaluates the given
// *x on both segments and writes the interpolated *y; any other mode
// evaluates *y and writes *x. The output is written only when the value lies
// on both segments; the result is then 1 when t lies between t1 and t2, else
// 0. On any failure nothing is written and the result is 0.
int Interpolate_Between_Segments(double t1, double xa1, double xb1, double ya1, double yb1,
                                 double t2, double xa2, double xb2, double ya2, double yb2,
                                 double t, double *y, double *x, int mode);

// x·x. Cannot fail.
double Sqr(double x);

// x·x·x. Cannot fail.
double Cube(double x);

// -1.0 below -1e-6, 1.0 above 1e-6, else 0.0.
double Sign_Tol(double x);

// Distance of the two points; 0.0 when the squared distance is not positive.
double Point_Distance(double x1, double y1, double x2, double y2);

// Exchanges *a and *b and returns a. Both must be valid.
double *Swap_Values(double *a, double *b);

// sign(x) times a whole multiple of step near |x| (step 0 counts as 1): the
// magnitude is rounded up from 0.444.. of a step on.
double Round_To_Step(double x, double step);

// Drawing factor 100/n of the scale 1:n that fits a picture of w by h into a
// space of W by H (space extents of 0.999 or less are skipped). With exact 0
// n is raised to the next round scale (1, 2, 3, 4, 5, 10, 15, 20, 25, 30,
// then multiples of 5). Returns 0.0 ("no scale") when neither extent of the
// space is usable, and with exact set also for a picture of no size (the
// round series then gives 1:1); callers draw nothing for 0.0.
double Calc_Drawing_Scale(double w, double h, double W, double H, int exact);

// Roots of x² + p·x + q = 0 into *x1 (the larger) and *x2. Returns 0 with
// the roots, or 1 with both set to 0 when there is no real root.
int Quadratic_Roots(double p, double q, double *x1, double *x2);

// Integral over [a, b] of n equally spaced values by Simpson's rule (an odd
// last value beyond an even number of intervals is left out). 0 for a = b or
// n < 1; the single value for n = 1; the mean of both for n = 2.
double Simpson_Integral(double a, double b, int n, const double *values);

// 1 when (px, py) lies inside the closed polygon or within tol of its
// boundary, else 0 (also for n < 1). The arrays are never modified.
int Point_In_Polygon(int n, const double *xs, const double *ys, double px, double py,
                     double tol);

// 1 when the three points lie on one line (slopes compared within tol·0.01,
// coordinates within tol taken as equal), else 0.
int Points_Collinear(double x0, double y0, double x1, double y1, double x2, double y2, double tol);

// 1 when (px, py) lies on the segment from (x0, y0) to (x1, y1), farther than
// tol from both ends, else 0.
int Point_On_Segment(double x0, double y0, double x1, double y1, double px, double py,
                     double tol);

// Measures of the closed polygon: |area|, centroid (xc, yc) and perimeter
// including the closing edge, each output optional (may be null). Works on
// copies; the input is never modified. Returns 0 on success; 1 for fewer
// than 3 points or a zero area (within 1e-10 of the square of the larger
// box side, so the judgement does not depend on the units), with the area
// 0, the centroid the mean of the points given (0, 0 for none) and the
// perimeter of the points given.
int Polygon_Measures(int n, const double *xs, const double *ys, double *area, double *xc,
                     double *yc, double *perimeter);

// Moves every vertex of the closed polygon by d along the bisector of its
// corner, outward for d > 0 whatever the point order, in place. Returns 0 on
// success; 1 (arrays unchanged) for no vertex, a zero area or a degenerate
// corner. Any number of vertices is accepted.
int Offset_Polygon(int n, double *xs, double *ys, double d);

// Crossing of the line through points 1 and 2 with the line through points
// 3 and 4: 0 with the point, 1 when parallel (point set to 0, 0).
int Intersect_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double *x, double *y);

// Crossing of the segments 1-2 and 3-4: 0 with the point when it lies within
// both segments; -1 when the lines cross outside (point not written); 1 when
// parallel (point 0, 0).
int Segment_Crossing_Point(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4, double *x, double *y);

// Distance of (px, py) from the segment 1-2. Cannot fail.
double Point_Segment_Distance(double x1, double y1, double x2, double y2, double px, double py);

// One crossing of two circles, on the left of the line from centre 1 to
// centre 2 when side is set, else on the right. Returns 0 with the point;
// 1 when the centres coincide or the circles do not meet (the outputs then
// hold half the centre difference).
int Intersect_Circles(double x1, double y1, double r1, double x2, double y2, double r2, int side,
                      double *x, double *y);

// 1 when the two segments cross properly (strictly inside both), else 0.
int Segments_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4);

// The common area of the closed simple polygons A and B (either point
// order, convex or not) as a polygon of at most maxcount points in xs, ys
// with *count points, counter-clockwise. A polygon lying in the other
// within 0.01 (its vertices and every stretch of its outline) is the answer
// itself. Outlines that only touch (at a point or along shared edges) have
// no common area. A common area in several parts is given as one point
// list: each part closed by repeating its first point, the parts after the
// first reached from and left back to the first point along one line, so
// area and moments are those of the parts. Returns 0 on success (count 0
// when there is no common area); 1 when an argument is unusable or the
// answer needs more than maxcount points (count 0 then). Inputs are never
// modified.
int Intersect_Polygons(const double *xa, const double *ya, int na, const double *xb,
                       const double *yb, int nb, double *xs, double *ys, int *count,
                       int maxcount);

#endif
