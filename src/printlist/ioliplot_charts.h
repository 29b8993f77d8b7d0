// Pictures of numbers: a chart with two value axes, arrowheads, axis
// titles, ticks with labels and an optional grid (the caller then draws its
// curves in value coordinates and closes the picture with Oli_Grafik_End),
// a quick picture of one curve with axes through the origin, and filled
// value diagrams in a box (a value over a position, such as a stress over
// the height of a section).
//
// Refusals (oli_checks.h): a value that is not a finite number, a size
// below zero, no points, margins as wide as the chart, more than 1000 ticks
// on an axis, a title without its end or of more than 99 characters, a
// text with a line break or « ».
#ifndef PRINTLIST_IOLIPLOT_CHARTS_H
#define PRINTLIST_IOLIPLOT_CHARTS_H

#include <cstdio>

// The axes of a chart.
struct OliChartAxes {
    double width, height;   // paper cm, 5.0 each
    double margin[4];       // cm: below, right, above, left; 0.5 each
    double xmin, xmax;      // 0, 100
    double ymin, ymax;      // 0, 100
    int x_orientation;      // 1: x grows to the right; other values reverse it (3 also moves the title)
    int y_orientation;      // 0: y grows upwards; other values reverse it (2 also moves the title)
    double x_step;          // tick step; 0 or below: no ticks; -1
    double y_step;          // -1
    int grid;               // not 0: grid lines at the ticks
    char x_title[100];      // at the end of the x axis
    char y_title[100];      // at the end of the y axis
};

// The defaults into the record (not null); returns it.
OliChartAxes* Oli_Chart_Axes_Init(OliChartAxes* axes);
// Opens the chart's picture and draws its axes. 0 when drawn; 1 when a
// range is empty or the record is refused (nothing written; the next
// Oli_Grafik_End and Oli_Quick_Curve_Picture then write nothing).
int Oli_Chart_Begin(FILE* stream, const OliChartAxes* axes);
// The end line " -1" of the picture, unless the last chart was not drawn.
void Oli_Grafik_End(void);
// A picture of width x height cm (1 cm added round it) of the curve through
// the n points, with the axes through the origin; x switch not 1 reverses
// x, y switch not 0 reverses y. Nothing after a chart that was not drawn.
void Oli_Quick_Curve_Picture(FILE* stream, int n, const double x[], const double y[], int x_switch, int y_switch,
                             double width, double height);
// A filled diagram of n values (2 to 100) over their positions in the box
// left, bottom, right, top of the open picture (world units), with value
// ticks, the title along the diagram and the caption under it; h is the
// text height. 1 when drawn, 0 when refused (too few or many points, the
// positions spanning less than 0.1, a box too small). The caller's arrays
// are never modified.
int Oli_Value_Diagram(double left, double bottom, double right, double top, const double positions[],
                      const double values[], int n, const char* title, const char* caption, double h);
// The same over n positions spaced evenly from first to last; the title
// stands upright in a text box.
int Oli_Value_Diagram_Equidistant(double left, double bottom, double right, double top, double first, double last,
                                  const double values[], int n, const char* title, const char* caption, double h);

#endif
