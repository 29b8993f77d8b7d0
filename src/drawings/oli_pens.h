// Pens of the print-list pictures: a table of 30 RGB pens, the pen and fill
// pattern numbers of the drawing roles, and four writers that put one
// coloured element into the picture open in the print list (a pen selection,
// a line, a disc with its outline, a ring or disc as a polygon).
//
// The table and the roles are single global instances. Init_Oli_Pens fills
// them at the start of every picture, so a role changed by Set_Oli_Pen_Roles
// lasts until the next picture. The writers go through the picture writer
// (printlist/ioliplot.h) and write nothing harmful without an open picture:
// every record to a null stream is dropped.
#ifndef DRAWINGS_OLI_PENS_H
#define DRAWINGS_OLI_PENS_H

#define OLI_PEN_COUNT 30

// One pen: r, g, b in 0..255; not in use while any component is negative.
struct Oli_Pen {
    int r, g, b;
};

// Pens 0..29. All black (0, 0, 0) until Init_Oli_Pens; pen 29 stays so.
extern Oli_Pen Oli_Pen_Table[OLI_PEN_COUNT];

// Drawing roles: pen numbers (_Pen) and fill patterns (_Pattern) that the
// pictures read instead of literal numbers.
extern int OliRole_Outline_Pen, OliRole_Profile_Pen, OliRole_Profile_Pattern, OliRole_Plate_Pen,
    OliRole_Plate_Pattern, OliRole_Fillet_Weld_Pen, OliRole_Other_Weld_Pen,
    OliRole_Weld_Section_Pen, OliRole_Annotation_Pen, OliRole_Highlight_Pen,
    OliRole_Stiffener_Pen, OliRole_Stiffener_Face_Pen, OliRole_Bolt_Pattern,
    OliRole_Current_Plate_Pen, OliRole_Current_Plate_Pattern;

// Fills the pen table (pens 0..19 with their colours, 20..28 not in use,
// 29 untouched) and gives every role its value. Cannot fail.
void Init_Oli_Pens(void);

// The pen and pattern of the plate just drawn, into the two current-plate
// roles. Cannot fail.
void Set_Oli_Pen_Roles(int pen, int pattern);

// The components of a pen into the non-null outputs, which are set to 0
// first. Returns 0, or 1 for a pen above 29 (a negative pen converts to
// one) or not in use.
int Get_Oli_Pen_RGB(unsigned pen, int *r, int *g, int *b);

// Makes the pen the picture's line colour (its colour record in colour
// mode). A pen above 29 or not in use changes nothing and writes nothing.
void Oli_Select_Pen(unsigned pen);

// The widest line pen of the print list (record 4): pens 1 to 6 draw
// 0.18 to 1.0 mm; a higher number has no width of its own and is drawn as
// thin as an outline.
enum { OLI_WIDEST_LINE_PEN = 6 };

// The line pen of a weld drawn as a line of its throat's whole millimetres
// (`whole`): at least pen 1 and at most the widest pen, so that a weld of
// 7 mm and more is drawn at the widest line, never thinner than the
// outline it lies on.
int Oli_Weld_Line_Pen(long whole);

// One element with a line from (x1, y1) to (x2, y2) in world coordinates:
// the pen's colour (when the pen is in use), the line width and the line.
// A negative pen or width, or a coordinate that is not a finite number of
// at most 10^9 in magnitude, writes nothing at all.
void Oli_Pen_Line(double x1, double y1, double x2, double y2, int pen, int width);

// One element with a disc of radius r about (x, y): with fill_pen >= 0 its
// colour, the fill pattern and the filled disc; with width >= 0 the line
// width and the colour of outline_pen; then always the full outline circle
// (in the colour and width current when width < 0). Coordinates or a radius
// that are not finite numbers of at most 10^9 write nothing.
void Oli_Pen_Filled_Circle(double x, double y, double r, int fill_pen, int fill_pattern, int width,
                           int outline_pen);

// One element with a ring between r_inner and r_outer (0 < r_inner < r_outer
// or r_outer < r_inner < 0), else a disc of radius r_outer, as a polygon of
// n corners from angle 0: the fill in fill_pen with the pattern and, when
// width and outline_pen are both >= 0, the outline of both circles in
// outline_pen with line width 2. Nothing is written for fill_pen < 0, for n
// outside 3..64, when width and outline_pen are both negative, or for
// values that are not finite numbers of at most 10^9.
void Oli_Pen_Filled_Ring(double x, double y, double r_outer, double r_inner, int n, int fill_pen,
                         int fill_pattern, int width, int outline_pen);

#endif
