// Temporary bodies until the real code lands.
#include "base/geometry.h"

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
