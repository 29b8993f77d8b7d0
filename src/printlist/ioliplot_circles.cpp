// Circles, rings, arcs and slots of pictures (placeholder bodies).
#include "printlist/ioliplot.h"

void Oli_Filled_Circle(double, double, double) {}
void Oli_Filled_Circle_Round(double, double, double) {}
void Oli_Ring(double, double, double, double) {}
void Oli_Arc(double, double, double, double, double) {}
void Oli_Arc_Lines(double, double, double, double, double) {}
void Oli_Filled_Sector(double, double, double, double, double) {}
void Oli_Slot_Outline(double, double, double, double) {}
void Oli_Filled_Slot(double, double, double, double) {}
void Oli_Filled_Polygon_With_Holes(int, const double[], const double[], int, const int[], const double[], const double[], int, const double[], const double[], const double[]) {}
