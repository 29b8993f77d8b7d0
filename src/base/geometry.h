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

// Direction halfway between two directions, bisecting the smaller angle
// between them: in degrees and in radians.
double Mean_Direction_Deg(double a, double b);
double Mean_Direction_Rad(double a, double b);

// a raised by whole turns until it is not negative (no upper reduction).
double Normalize_Angle_Rad(double a);

// ---- points, lines, circles and intersections -----------------------------

// The point at distance d along P1->P2 from P1 (from_end 0) or from P2.
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

// Common area, width and chord of two circles with centres d apart; 1 when
// they meet, else 0 with all outputs 0. Outputs may be null.
int Circle_Lens(double r1, double r2, double d, double *area, double *width, double *chord);
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

// Crossings of a line (or segment, ray) with a circle into xo[2], yo[2]:
// the count 0..2 (touching: 1 with both outputs the touching point).
int Intersect_Line_Circle(double cx, double cy, double r, const double lx[2], const double ly[2],
                          double xo[2], double yo[2]);
int Intersect_Segment_Circle(double cx, double cy, double r, const double sx[2],
                             const double sy[2], int keep_ends, double xo[2], double yo[2]);
int Intersect_Segment_Circle_All(double cx, double cy, double r, const double sx[2],
                                 const double sy[2], double xo[2], double yo[2]);
int Intersect_Ray_Circle(double cx, double cy, double r, const double sx[2], const double sy[2],
                         double xo[2], double yo[2]);

// Crossings of a polyline with a circle, a line, a segment or a second
// polyline. The _Alloc forms resize *xo, *yo (null or ITools_ blocks) to the
// count found and free both when none is found; the caller owns them. The
// other forms write at most 10 points, except Intersect_Polyline_Circle:
// its walk stops once 10 or more points are collected and a segment adds
// two, so its arrays must take 11.
int Intersect_Polyline_Circle_Alloc(int n, const double x[], const double y[], int closed,
                                    double cx, double cy, double r, double **xo, double **yo);
int Intersect_Polyline_Circle(int n, const double x[], const double y[], int closed, double cx,
                              double cy, double r, double xo[], double yo[]);
int Intersect_Polyline_Line_Alloc(int n, const double x[], const double y[], int closed,
                                  const double lx[2], const double ly[2], double **xo,
                                  double **yo);
int Intersect_Polyline_Line(int n, const double x[], const double y[], int closed,
                            const double lx[2], const double ly[2], double xo[], double yo[]);
int Intersect_Polyline_Segment_Alloc(int n, const double x[], const double y[], int closed,
                                     double x1, double y1, double x2, double y2, double **xo,
                                     double **yo);
int Intersect_Polyline_Segment(int n, const double x[], const double y[], int closed, double x1,
                               double y1, double x2, double y2, double xo[], double yo[]);
int Intersect_Polylines_Alloc(int n, const double x[], const double y[], int closed, int m,
                              const double bx[], const double by[], int closed_b, double **xo,
                              double **yo);

// ---- polygon operations and table interpolation --------------------------

// Reverses the vertex order in place when the signed area is negative and
// bit 0 of flag is set, or positive and bit 0 clear.
void Orient_Polygon(int n, double x[], double y[], int flag);
void Orient_Polygon_CCW(int n, double x[], double y[]);
void Orient_Polygon_CW(int n, double x[], double y[]);

// Copies with yo = h - y, then oriented counter-clockwise. x, y unchanged.
void Mirror_Polygon_Y(int n, const double x[], const double y[], double h, double xo[],
                      double yo[]);

// 2 on the boundary, 1 inside, 0 outside (also for n < 1).
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

// Overlap area of two polygons by sampling a grid, with the centre of the
// sampled overlap; 1 when the area is positive, else 0.
int Polygon_Overlap_Raster(int n, const double x[], const double y[], int m, const double bx[],
                           const double by[], double *area, double *xs, double *ys);
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

// Decimal digits of the integer part, at least 1.
int Count_Integer_Digits(int v);

// Maximum (-1e100 for n < 1) and minimum (1e100 for n < 1).
double Max_Of_Doubles(int n, const double v[]);
double Min_Of_Doubles(int n, const double v[]);

// 2b - a.
double Mirror_Value(double a, double b);

// ---- section integrals ----------------------------------------------------

// A point returned by value.
struct Plane_Point {
    double x;
    double y;
};

// Centroid of the closed polygon; NaN for n < 1, infinite or NaN for a zero
// area. Always returns 0.
int Polygon_Centroid(int n, const double x[], const double y[], double *xs, double *ys);
Plane_Point Polygon_Centroid_Point(int n, const double x[], const double y[]);

// |area|, perimeter, first moments (∫y dA, ∫x dA), second moments (∫y² dA,
// ∫x² dA) and product moment (∫xy dA) about the frame's axes. The moments
// are signed: a clockwise polygon gives them negated. 0 for n < 1.
double Polygon_Area(int n, const double x[], const double y[]);
double Polygon_Perimeter(int n, const double x[], const double y[]);
double Polygon_Moment_Sx(int n, const double x[], const double y[]);
double Polygon_Moment_Sy(int n, const double x[], const double y[]);
double Polygon_Inertia_Ix(int n, const double x[], const double y[]);
double Polygon_Inertia_Iy(int n, const double x[], const double y[]);
double Polygon_Inertia_Ixy(int n, const double x[], const double y[]);

// Rectangle b by h of the same area whose side ratio matches the principal
// moments, and the principal-axis angle phi in [-pi/4, pi/4]. The arrays are
// left shifted to the centroid. Equal principal moments without a product
// moment give phi 0 and b = h = sqrt(area); n < 1 gives zeros. Returns 0.
int Polygon_Equivalent_Rectangle(int n, double x[], double y[], double *b, double *h,
                                 double *phi);

#endif
