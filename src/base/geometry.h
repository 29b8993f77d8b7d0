// Plane geometry on point sets held as two parallel arrays of doubles, x[]
// and y[], with a signed count n beside them (0 or less: an empty set that
// no routine touches). Polygons are closed implicitly; a positive signed
// area means counter-clockwise order in a y-up frame; 1e100 and -1e100 stand
// for unbounded values.
//
//   geometry.cpp           world/drawing frame changes and direction angles
//   geometry_lines.cpp     points on lines, lines, circles and intersections
//   geometry_polygons.cpp  polygon operations and table interpolation
//   geometry_sections.cpp  area, centroid and moments of a polygon
//
// A line counts as vertical when |x2 - x1| < 1e-5; comparisons of computed
// positions are made on differences rounded with Round_To_Decimals, so that a
// point on an end of a segment, or beyond it by rounding only, is inside.
#ifndef BASE_GEOMETRY_H
#define BASE_GEOMETRY_H

// ---- frame changes and angles -------------------------------------------

// World to drawing frame, in place: shift by (-x0, -y0), turn by -a, scale
// by s. Nothing happens for n < 1.
void Transform_Points(double x[], double y[], int n, double x0, double y0, double a, double s);

// Drawing to world frame, in place; undoes Transform_Points with the same
// parameters. s must not be 0. Nothing happens for n < 1.
void Inverse_Transform_Points(double x[], double y[], int n, double x0, double y0, double a,
                              double s);

// Transform_Points in place, then every coordinate rounded half away from
// zero into ix[], iy[]. Nothing happens for n < 1.
void Transform_Points_Int(double x[], double y[], int n, double x0, double y0, double a, double s,
                          int ix[], int iy[]);

// Direction of P1->P2 in (-pi/2, 3pi/2]: pi/2 or 3pi/2 for a vertical line
// (3pi/2 also for two equal points). Cannot fail.
double Line_Angle(double x1, double y1, double x2, double y2);

// Direction of P1->P2 in [0, 2pi); the axis directions are exact constants.
double Line_Angle_2Pi(double x1, double y1, double x2, double y2);

// Angle between the directions P1->P2 and P3->P4 in [0, pi]. A line of zero
// length gives 0.
double Angle_Between_Lines(double x1, double y1, double x2, double y2, double x3, double y3,
                           double x4, double y4);

// Direction halfway between two directions in degrees, bisecting the
// smaller angle between them, in [0, 360). Any angle is taken as its
// direction (370 as 10, -90 as 270). NaN for an infinite argument.
double Mean_Direction_Deg(double a, double b);

// Mean_Direction_Deg for two angles in radians, the result in radians.
double Mean_Direction_Rad(double a, double b);

// a raised by whole turns until it is not negative (no upper reduction).
double Normalize_Angle_Rad(double a);

// ---- points, lines, circles and intersections -----------------------------

// The point at distance d along P1->P2 from P1 (from_end 0) or from P2,
// into *xo, *yo. Two equal points give the direction 3pi/2. Cannot fail.
void Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                      double *xo, double *yo);

// d > 0: the point d from P1 towards P2; d <= 0: |d| back from P2 towards P1.
// Returns 1 when |d| exceeds the segment's length (the point is still
// written, beyond the segment), else 0.
int Point_On_Segment_At(double x1, double y1, double x2, double y2, double d, double *xo,
                        double *yo);

// 1 when the line's y at x equals y after rounding the difference to the
// given decimals, else 0.
int Point_On_Line_Test(double x1, double y1, double x2, double y2, double x, double y,
                       int decimals);

// Moves the segment by d to the left of its direction, in place; returns y2.
double *Shift_Line_Parallel(double *x1, double *y1, double *x2, double *y2, double d);

// Perpendicular distance of (x, y) from the line P1P2 (from P1 when the two
// points coincide).
double Distance_Point_Line(double x, double y, double x1, double y1, double x2, double y2);

// 2 on the circle, 1 inside, 0 outside (5 decimals).
int Point_Circle_Relation(double x, double y, double r, double cx, double cy);

// Common area of two circles with radii r1, r2 and centres d apart, its
// width along the centre line (r1 + r2 - d, or the smaller diameter when
// one circle lies in the other) and its chord. Returns 1 when the circles
// meet, else 0 with all outputs 0. Outputs may be null.
int Circle_Lens(double r1, double r2, double d, double *area, double *width, double *chord);

// The area of Circle_Lens; 0 when the circles do not meet.
double Circle_Lens_Area(double r1, double r2, double d);

// Crossing of two infinite lines: 0 with the point; 1 when parallel, (0, 0).
int Intersect_Infinite_Lines(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double *xs, double *ys);

// 1 when the crossing of the two lines lies within both segments (5
// decimals), else 0; parallel segments give 0 with (0, 0).
int Intersect_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                       double x4, double y4, double *xs, double *ys);

// As Intersect_Segments with the first segment replaced by a long piece of
// the ray from P1 through P2.
int Intersect_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double *xs, double *ys);

// Line (lx, ly) against segment (sx, sy), containment at 8 decimals: 1 when
// the crossing lies inside the segment, 0 outside; parallel: 2 when
// collinear, else 0.
int Intersect_Line_Segment(double *xs, double *ys, const double lx[2], const double ly[2],
                           const double sx[2], const double sy[2]);

// Common x range (xa, xb) and y range (ya, yb) of two segments of one
// slope; 1 when they overlap, 0 when the slopes differ, the segments lie
// on two different lines or the ranges do not meet.
int Overlap_Collinear_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                               double x4, double y4, double *xa, double *ya, double *xb,
                               double *yb);

// Crossings of the infinite line (lx, ly) with the circle into xo[2],
// yo[2]: 0 when it misses, 1 when it touches (both outputs the touching
// point), 2 with both crossings (5 decimals decide). Outputs are written
// only for a count above 0.
int Intersect_Line_Circle(double cx, double cy, double r, const double lx[2], const double ly[2],
                          double xo[2], double yo[2]);

// The crossings of the line through the segment that lie within it (5
// decimals), counted 0..2, first into xo[0], yo[0]; a single one is also
// copied into xo[1], yo[1]. With keep_ends 0 a crossing on an end point of
// the segment is left out.
int Intersect_Segment_Circle(double cx, double cy, double r, const double sx[2],
                             const double sy[2], int keep_ends, double xo[2], double yo[2]);

// Intersect_Segment_Circle keeping crossings on the segment's end points.
int Intersect_Segment_Circle_All(double cx, double cy, double r, const double sx[2],
                                 const double sy[2], double xo[2], double yo[2]);

// The crossings of the ray from (sx[0], sy[0]) through (sx[1], sy[1]) with
// the circle, as Intersect_Segment_Circle_All on a piece of the ray long
// enough to leave any drawing.
int Intersect_Ray_Circle(double cx, double cy, double r, const double sx[2], const double sy[2],
                         double xo[2], double yo[2]);

// Crossings of a polyline with a circle, a line, a segment or a second
// polyline, in the order of the polyline's edges; each returns the count.
// The _Alloc forms resize *xo, *yo (null or ITools_ blocks) to the count
// found and free and null both when none is found; the caller owns them.
// The other forms write into the caller's arrays.

// All crossings of the n - 1 segments with the circle (closed is not used).
int Intersect_Polyline_Circle_Alloc(int n, const double x[], const double y[], int closed,
                                    double cx, double cy, double r, double **xo, double **yo);

// The same into arrays of 11: the walk stops once 10 or more points are
// collected, and a segment adds two.
int Intersect_Polyline_Circle(int n, const double x[], const double y[], int closed, double cx,
                              double cy, double r, double xo[], double yo[]);

// Crossings of the edges (with closed, the closing one too) with the
// infinite line (lx, ly), within the edge at 8 decimals; an edge lying on
// the line adds nothing, a crossing equal to the one before (6 decimals)
// is dropped.
int Intersect_Polyline_Line_Alloc(int n, const double x[], const double y[], int closed,
                                  const double lx[2], const double ly[2], double **xo,
                                  double **yo);

// The same into arrays of 10, duplicates compared at 5 decimals.
int Intersect_Polyline_Line(int n, const double x[], const double y[], int closed,
                            const double lx[2], const double ly[2], double xo[], double yo[]);

// Crossings of the edges with the segment P1P2 (5 decimals). A vertex on
// the segment is found from both its edges; for a closed polyline the last
// crossing is dropped when it is the first one again (5 decimals).
int Intersect_Polyline_Segment_Alloc(int n, const double x[], const double y[], int closed,
                                     double x1, double y1, double x2, double y2, double **xo,
                                     double **yo);

// The same into arrays of 10.
int Intersect_Polyline_Segment(int n, const double x[], const double y[], int closed, double x1,
                               double y1, double x2, double y2, double xo[], double yo[]);

// For each edge of the first polyline its crossings with the second, in
// order; a crossing equal to the last one collected (5 decimals) is
// dropped, so a vertex of the first lying on the second counts once.
int Intersect_Polylines_Alloc(int n, const double x[], const double y[], int closed, int m,
                              const double bx[], const double by[], int closed_b, double **xo,
                              double **yo);

// ---- polygon operations and table interpolation --------------------------

// Reverses the vertex order in place when the signed area is negative and
// bit 0 of flag is set, or positive and bit 0 clear.
void Orient_Polygon(int n, double x[], double y[], int flag);

// Orient_Polygon into counter-clockwise order (flag 1).
void Orient_Polygon_CCW(int n, double x[], double y[]);

// Orient_Polygon into clockwise order (flag 0).
void Orient_Polygon_CW(int n, double x[], double y[]);

// Copies with yo = h - y, then oriented counter-clockwise. x, y unchanged.
void Mirror_Polygon_Y(int n, const double x[], const double y[], double h, double xo[],
                      double yo[]);

// 2 on the boundary (within 1e-5), 1 inside, 0 outside (also for n < 1).
// A ray that runs through a vertex or along an edge of nearly its own
// direction is turned and the count repeated. The arrays are not changed.
int Point_In_Polygon_Ray(int n, const double x[], const double y[], double px, double py);

// Bounding box; for n < 1 the minima are 1e100 and the maxima -1e100.
// Returns 0.
int Polygon_Bounding_Box(int n, const double x[], const double y[], double *xmin, double *ymin,
                         double *xmax, double *ymax);

// Width of the point set along the direction angle; 2e100 for n < 1.
double Extent_In_Direction(int n, const double x[], const double y[], double angle);

// Moves every point perpendicularly onto the line through P1 and P2.
void Project_Points_On_Line(int n, double x[], double y[], double x1, double y1, double x2,
                            double y2);

// n corners of the regular polygon with the area of the circle of radius r
// about (xc, yc), corner 0 on the +x axis (one or two corners lie on the
// circle itself). Returns 0.
int Regular_Polygon(double r, double xc, double yc, int n, double xo[], double yo[]);

// The four corners of the w by h rectangle centred on (xc, yc),
// counter-clockwise from the lower left; returns yo.
double *Rectangle_Corners(double w, double h, double xc, double yc, double xo[4], double yo[4]);

// Scales the polygon about its centroid, in place. Returns 0.
int Scale_Polygon(int n, double x[], double y[], double factor);

// Moves every vertex away from the centroid by dx in x and dy in y. Returns 0.
int Grow_Polygon_Box(int n, double x[], double y[], double dx, double dy);

// Moves every vertex by |d| along the bisector of its corner, always
// outwards: of the two senses the one whose moved point lies outside the
// unchanged polygon is taken (the sign of d only says which is tried
// first). Fewer than 3 vertices or no area: unchanged. Returns 0.
int Inflate_Polygon(int n, double x[], double y[], double d);

// Moves the edges parallel by d to their left and intersects neighbouring
// edges anew, in place. A negative n takes the polygon as open (its end
// points move square to their edges); two vertices give the moved segment.
// Returns the number of vertices; with more than 99 the polygon is left
// unchanged, and a closed count n below 2 returns n + 1 unchanged.
int Offset_Polygon_Edges(double x[], double y[], int n, double d);

// Keeps only the vertices where the outline turns left or runs straight;
// returns the count kept.
int Drop_Reflex_Vertices(int n, double x[], double y[]);

// Drops a vertex equal to the following one (5 decimals; the last is
// compared with the first); returns the count kept.
int Drop_Duplicate_Vertices(int n, double x[], double y[]);

// Number of crossings between the polygon's edges (shared vertices of
// neighbouring edges are not counted).
int Count_Self_Crossings(int n, const double x[], const double y[], int closed);

// The part of the polygon left of the directed line into *xo, *yo (resized
// ITools_ blocks of at least n + 2 points and never fewer than written; the
// caller owns them), *count points.
// Returns 1 when the line crosses the polygon, else 0.
int Cut_Polygon_By_Line(int n, const double x[], const double y[], const double lx[2],
                        const double ly[2], int *count, double **xo, double **yo);

// Length of the outline of polygon (x, y) lying inside polygon (bx, by).
double Polygon_Length_Inside(int n, const double x[], const double y[], int m, const double bx[],
                             const double by[]);

// Overlap area of two polygons by sampling the centres of a grid over
// their joint box (100 cells along the shorter side, at most 200 along
// the longer), with the mean of the sampled centres in *xs, *ys; 1 when the
// area is positive, else 0 with area 0 and xs = ys = -2e100.
int Polygon_Overlap_Raster(int n, const double x[], const double y[], int m, const double bx[],
                           const double by[], double *area, double *xs, double *ys);

// The area of Polygon_Overlap_Raster, 0 when there is none.
double Polygon_Overlap_Area(int n, const double x[], const double y[], int m, const double bx[],
                            const double by[]);

// Linear interpolation in a row-major table of n rows of stride doubles,
// abscissae in column xcol (ascending or descending), values in ycol. Outside
// the table the end pair is extended with extend set, else the end value is
// held. 0 for n < 1.
double Interpolate_Table(const double *table, int n, int stride, double x, int xcol, int ycol,
                         int extend);

// Bilinear interpolation in a rows by cols table whose first row (from its
// second entry) holds the x abscissae and whose first column (from its second
// entry) the y abscissae.
double Interpolate_Table_2D(const double *table, int rows, int cols, double y, double x,
                            int extend);

// Decimal digits of v, at least 1; a negative v gives 1.
int Count_Integer_Digits(int v);

// The largest of the n values; -1e100 for n < 1.
double Max_Of_Doubles(int n, const double v[]);

// The smallest of the n values; 1e100 for n < 1.
double Min_Of_Doubles(int n, const double v[]);

// 2b - a.
double Mirror_Value(double a, double b);

// ---- section integrals ----------------------------------------------------

// A point returned by value.
struct Plane_Point {
    double x;
    double y;
};

// Centroid of the closed polygon into *xs, *ys; NaN for n < 1, infinite or
// NaN for a zero area. Always returns 0.
int Polygon_Centroid(int n, const double x[], const double y[], double *xs, double *ys);

// The centroid of Polygon_Centroid as a point.
Plane_Point Polygon_Centroid_Point(int n, const double x[], const double y[]);

// The integrals below are taken about a vertex of the polygon and shifted
// to the frame's axes, so a small polygon far from the origin keeps its
// digits. The moments are signed: a clockwise polygon gives them negated.
// Each gives 0 for n < 1 and never fails.

// |area|.
double Polygon_Area(int n, const double x[], const double y[]);

// Length of the outline, the closing edge included.
double Polygon_Perimeter(int n, const double x[], const double y[]);

// First moment about the x axis, ∫y dA.
double Polygon_Moment_Sx(int n, const double x[], const double y[]);

// First moment about the y axis, ∫x dA.
double Polygon_Moment_Sy(int n, const double x[], const double y[]);

// Second moment about the x axis, ∫y² dA.
double Polygon_Inertia_Ix(int n, const double x[], const double y[]);

// Second moment about the y axis, ∫x² dA.
double Polygon_Inertia_Iy(int n, const double x[], const double y[]);

// Product moment about the frame's axes, ∫xy dA.
double Polygon_Inertia_Ixy(int n, const double x[], const double y[]);

// Rectangle b by h of the same area whose side ratio matches the principal
// moments, and the principal-axis angle phi in [-pi/4, pi/4]. The arrays are
// left shifted to the centroid. Equal principal moments without a product
// moment give phi 0 and b = h = sqrt(area); n < 1 gives zeros. Returns 0.
int Polygon_Equivalent_Rectangle(int n, double x[], double y[], double *b, double *h,
                                 double *phi);

#endif
