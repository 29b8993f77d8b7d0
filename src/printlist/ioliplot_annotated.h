// Annotated lines of print-list drawings, placed along a straight line
// between two world points: the label of a row of reinforcing bars, a
// dimension line with open arrowheads and one or two texts, and a section
// cut line with viewing arrows and section letters. Each is one element.
//
// Refused with a message (oli_checks.h): no picture open, a point or size
// that is not a finite number or reaches beyond 1 km of paper, a negative
// size, a grade index outside 0..2 or a diameter index outside 0..11, a
// text of more than 255 characters or with a line break or « ».
#ifndef PRINTLIST_IOLIPLOT_ANNOTATED_H
#define PRINTLIST_IOLIPLOT_ANNOTATED_H

// A row of bars from P1 to P2 (nothing when shorter than 5 world units)
// with its ticks, slashes and labels: area (cm²), diameter sign, diameter
// and spacing (cm), cover (m, shown in cm) and v, grade and bar number (1
// or more: shown). u is the unit size in cm of paper.
void Oli_Rebar_Label(double x1, double y1, double x2, double y2, double u, int grade, int diameter, double spacing,
                     double area, double cover, double v, int bar_number);
// A dimension line with open arrowheads, the upper text above it and the
// lower text below it (in a gap of the line when the upper text is empty).
void Oli_Dimension_Arrows(double x1, double y1, double x2, double y2, const char* upper, const char* lower);
// A section cut line; with a letter at an end, a tick of 2 s cm, a viewing
// arrow (fill mode) and the letter there; the sign of s chooses the side.
void Oli_Section_Line(double x1, double y1, double x2, double y2, double s, const char* first, const char* second);

#endif
