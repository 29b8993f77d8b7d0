// Temporary bodies until the real code lands.
#include "base/geometry.h"

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
