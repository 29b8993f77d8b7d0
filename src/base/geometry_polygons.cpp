// Temporary bodies until the real code lands.
#include "base/geometry.h"

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
