// Temporary bodies: every routine answers with its failure value until
// the real code lands.
#include "base/ctools.h"

int Line_Y_At_X(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x*/, double */*y*/) { return 0; }
int Interpolate_Between_Segments(double /*t1*/, double /*xa1*/, double /*xb1*/, double /*ya1*/, double /*yb1*/, double /*t2*/, double /*xa2*/, double /*xb2*/, double /*ya2*/, double /*yb2*/, double /*t*/, double */*y*/, double */*x*/, int /*mode*/) { return 0; }
double Sqr(double /*x*/) { return 0; }
double Cube(double /*x*/) { return 0; }
double Sign_Tol(double /*x*/) { return 0; }
double Point_Distance(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) { return 0; }
double * Swap_Values(double */*a*/, double */*b*/) { return nullptr; }
double Round_To_Step(double /*x*/, double /*step*/) { return 0; }
double Calc_Drawing_Scale(double /*w*/, double /*h*/, double /*W*/, double /*H*/, int /*exact*/) { return 0; }
int Quadratic_Roots(double /*p*/, double /*q*/, double */*x1*/, double */*x2*/) { return 0; }
double Simpson_Integral(double /*a*/, double /*b*/, int /*n*/, const double */*values*/) { return 0; }
int Point_In_Polygon(int /*n*/, const double */*xs*/, const double */*ys*/, double /*px*/, double /*py*/, double /*tol*/) { return 0; }
int Points_Collinear(double /*x0*/, double /*y0*/, double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*tol*/) { return 0; }
int Point_On_Segment(double /*x0*/, double /*y0*/, double /*x1*/, double /*y1*/, double /*px*/, double /*py*/, double /*tol*/) { return 0; }
int Polygon_Measures(int /*n*/, const double */*xs*/, const double */*ys*/, double */*area*/, double */*xc*/, double */*yc*/, double */*perimeter*/) { return 0; }
int Offset_Polygon(int /*n*/, double */*xs*/, double */*ys*/, double /*d*/) { return 0; }
int Intersect_Lines(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*x*/, double */*y*/) { return 0; }
int Segment_Crossing_Point(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/, double */*x*/, double */*y*/) { return 0; }
double Point_Segment_Distance(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*px*/, double /*py*/) { return 0; }
int Intersect_Circles(double /*x1*/, double /*y1*/, double /*r1*/, double /*x2*/, double /*y2*/, double /*r2*/, int /*side*/, double */*x*/, double */*y*/) { return 0; }
int Segments_Cross(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/, double /*x3*/, double /*y3*/, double /*x4*/, double /*y4*/) { return 0; }
int Intersect_Polygons(const double */*xa*/, const double */*ya*/, int /*na*/, const double */*xb*/, const double */*yb*/, int /*nb*/, double */*xs*/, double */*ys*/, int */*count*/, int /*maxcount*/) { return 0; }
