// Temporary bodies: every routine answers with its failure value until
// the real code lands.
#include "base/geometry.h"

void Transform_Points(double /*x*/[], double /*y*/[], int /*n*/, double /*x0*/, double /*y0*/, double /*a*/, double /*s*/) {}
void Inverse_Transform_Points(double /*x*/[], double /*y*/[], int /*n*/, double /*x0*/, double /*y0*/, double /*a*/, double /*s*/) {}
void Transform_Points_Int(double /*x*/[], double /*y*/[], int /*n*/, double /*x0*/, double /*y0*/, double /*a*/, double /*s*/, int /*ix*/[], int /*iy*/[]) {}
double Line_Angle(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) { return 0; }
double Line_Angle_2Pi(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) { return 0; }
double Angle_Between_Lines(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/) { return 0; }
double Mean_Direction_Deg(double /*a*/, double /*b*/) { return 0; }
double Mean_Direction_Rad(double /*a*/, double /*b*/) { return 0; }
double Normalize_Angle_Rad(double /*a*/) { return 0; }
void Point_Along_Line(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*d*/, int /*from_end*/, double */*xo*/, double */*yo*/) {}
int Point_On_Segment_At(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*d*/, double */*xo*/, double */*yo*/) { return 0; }
int Point_On_Line_Test(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x*/, double /*y*/, int /*decimals*/) { return 0; }
double * Shift_Line_Parallel(double */*x1*/, double */*y1*/, double */*x2*/, double */*y2*/, double /*d*/) { return nullptr; }
double Distance_Point_Line(double /*x*/, double /*y*/, double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) { return 0; }
int Point_Circle_Relation(double /*x*/, double /*y*/, double /*r*/, double /*cx*/, double /*cy*/) { return 0; }
int Circle_Lens(double /*r1*/, double /*r2*/, double /*d*/, double */*area*/, double */*width*/, double */*chord*/) { return 0; }
double Circle_Lens_Area(double /*r1*/, double /*r2*/, double /*d*/) { return 0; }
int Intersect_Infinite_Lines(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*xs*/, double */*ys*/) { return 0; }
int Intersect_Segments(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*xs*/, double */*ys*/) { return 0; }
int Intersect_Ray_Segment(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*xs*/, double */*ys*/) { return 0; }
int Intersect_Line_Segment(double */*xs*/, double */*ys*/, const double /*lx*/[], const double /*ly*/[], const double /*sx*/[], const double /*sy*/[]) { return 0; }
int Overlap_Collinear_Segments(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*xa*/, double */*ya*/, double */*xb*/, double */*yb*/) { return 0; }
int Intersect_Line_Circle(double /*cx*/, double /*cy*/, double /*r*/, const double /*lx*/[], const double /*ly*/[], double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Segment_Circle(double /*cx*/, double /*cy*/, double /*r*/, const double /*sx*/[], const double /*sy*/[], int /*keep_ends*/, double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Segment_Circle_All(double /*cx*/, double /*cy*/, double /*r*/, const double /*sx*/[], const double /*sy*/[], double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Ray_Circle(double /*cx*/, double /*cy*/, double /*r*/, const double /*sx*/[], const double /*sy*/[], double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Polyline_Circle_Alloc(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, double /*cx*/, double /*cy*/, double /*r*/, double **/*xo*/, double **/*yo*/) { return 0; }
int Intersect_Polyline_Circle(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, double /*cx*/, double /*cy*/, double /*r*/, double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Polyline_Line_Alloc(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, const double /*lx*/[], const double /*ly*/[], double **/*xo*/, double **/*yo*/) { return 0; }
int Intersect_Polyline_Line(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, const double /*lx*/[], const double /*ly*/[], double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Polyline_Segment_Alloc(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double **/*xo*/, double **/*yo*/) { return 0; }
int Intersect_Polyline_Segment(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*xo*/[], double /*yo*/[]) { return 0; }
int Intersect_Polylines_Alloc(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/, int /*m*/, const double /*bx*/[], const double /*by*/[], int /*closed_b*/, double **/*xo*/, double **/*yo*/) { return 0; }
void Orient_Polygon(int /*n*/, double /*x*/[], double /*y*/[], int /*flag*/) {}
void Orient_Polygon_CCW(int /*n*/, double /*x*/[], double /*y*/[]) {}
void Orient_Polygon_CW(int /*n*/, double /*x*/[], double /*y*/[]) {}
void Mirror_Polygon_Y(int /*n*/, const double /*x*/[], const double /*y*/[], double /*h*/, double /*xo*/[], double /*yo*/[]) {}
int Point_In_Polygon_Ray(int /*n*/, const double /*x*/[], const double /*y*/[], double /*px*/, double /*py*/) { return 0; }
int Polygon_Bounding_Box(int /*n*/, const double /*x*/[], const double /*y*/[], double */*xmin*/, double */*ymin*/, double */*xmax*/, double */*ymax*/) { return 0; }
double Extent_In_Direction(int /*n*/, const double /*x*/[], const double /*y*/[], double /*angle*/) { return 0; }
void Project_Points_On_Line(int /*n*/, double /*x*/[], double /*y*/[], double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) {}
int Regular_Polygon(double /*r*/, double /*xc*/, double /*yc*/, int /*n*/, double /*xo*/[], double /*yo*/[]) { return 0; }
double * Rectangle_Corners(double /*w*/, double /*h*/, double /*xc*/, double /*yc*/, double /*xo*/[], double /*yo*/[]) { return nullptr; }
int Scale_Polygon(int /*n*/, double /*x*/[], double /*y*/[], double /*factor*/) { return 0; }
int Grow_Polygon_Box(int /*n*/, double /*x*/[], double /*y*/[], double /*dx*/, double /*dy*/) { return 0; }
int Inflate_Polygon(int /*n*/, double /*x*/[], double /*y*/[], double /*d*/) { return 0; }
int Offset_Polygon_Edges(double /*x*/[], double /*y*/[], int /*n*/, double /*d*/) { return 0; }
int Drop_Reflex_Vertices(int /*n*/, double /*x*/[], double /*y*/[]) { return 0; }
int Drop_Duplicate_Vertices(int /*n*/, double /*x*/[], double /*y*/[]) { return 0; }
int Count_Self_Crossings(int /*n*/, const double /*x*/[], const double /*y*/[], int /*closed*/) { return 0; }
int Cut_Polygon_By_Line(int /*n*/, const double /*x*/[], const double /*y*/[], const double /*lx*/[], const double /*ly*/[], int */*count*/, double **/*xo*/, double **/*yo*/) { return 0; }
double Polygon_Length_Inside(int /*n*/, const double /*x*/[], const double /*y*/[], int /*m*/, const double /*bx*/[], const double /*by*/[]) { return 0; }
int Polygon_Overlap_Raster(int /*n*/, const double /*x*/[], const double /*y*/[], int /*m*/, const double /*bx*/[], const double /*by*/[], double */*area*/, double */*xs*/, double */*ys*/) { return 0; }
double Polygon_Overlap_Area(int /*n*/, const double /*x*/[], const double /*y*/[], int /*m*/, const double /*bx*/[], const double /*by*/[]) { return 0; }
double Interpolate_Table(const double */*table*/, int /*n*/, int /*stride*/, double /*x*/, int /*xcol*/, int /*ycol*/, int /*extend*/) { return 0; }
double Interpolate_Table_2D(const double */*table*/, int /*rows*/, int /*cols*/, double /*y*/, double /*x*/, int /*extend*/) { return 0; }
int Count_Integer_Digits(int /*v*/) { return 0; }
double Max_Of_Doubles(int /*n*/, const double /*v*/[]) { return 0; }
double Min_Of_Doubles(int /*n*/, const double /*v*/[]) { return 0; }
double Mirror_Value(double /*a*/, double /*b*/) { return 0; }
int Polygon_Centroid(int /*n*/, const double /*x*/[], const double /*y*/[], double */*xs*/, double */*ys*/) { return 0; }
Plane_Point Polygon_Centroid_Point(int /*n*/, const double /*x*/[], const double /*y*/[]) { return Plane_Point{0.0, 0.0}; }
double Polygon_Area(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Perimeter(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Moment_Sx(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Moment_Sy(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Inertia_Ix(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Inertia_Iy(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
double Polygon_Inertia_Ixy(int /*n*/, const double /*x*/[], const double /*y*/[]) { return 0; }
int Polygon_Equivalent_Rectangle(int /*n*/, double /*x*/[], double /*y*/[], double */*b*/, double */*h*/, double */*phi*/) { return 0; }
