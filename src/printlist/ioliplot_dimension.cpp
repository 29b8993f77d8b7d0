// Dimension lines and axis symbols of pictures (placeholder bodies).
#include "printlist/ioliplot.h"
#include "printlist/ioliplot_internal.h"

void Oli_Set_Dimension_Style(int style) { ioliplot::S().dimension_style = style; }
double Oli_Dimension_Line(double, double, double, double, double, const char*, const char*, double, int) { return 0.0; }
double Oli_Dimension_Line_cm(double, double, double, double, double, int) { return 0.0; }
double Oli_Dimension_Line_cm_Offset(double, double, double, double, double, double, int) { return 0.0; }
double Oli_Dimension_Line_Unit(int, double, double, double, double, double, double) { return 0.0; }
double Oli_Dimension_Line_Unit_Checked(double, double, double, double, double, double, int) { return 0.0; }
double Oli_Dimension_Line_m(double, double, double, double, double) { return 0.0; }
void Oli_Dimension_Chain_Projected(int, const double[], const double[], double, double, double, double, double) {}
void Oli_Axes_Symbol(double, double, const char*, const char*, double, double) {}
void Oli_Axis_Arrow(double, double, double, double, const char*) {}
