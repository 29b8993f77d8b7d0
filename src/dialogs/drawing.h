// Screen drawing helpers: one screen view (origin, rotation and two scale
// factors) that turns world coordinates into pixels, and drawing at world
// positions with a current line width and style (lines, rectangles,
// circles, dots, filled bands and polygons, arrows, an axis cross,
// dimension lines, texts); a few text helpers in screen coordinates; the
// zoom animation of the pop-up choosers.
//
// World to screen: with c = cos angle, d = sin angle, dx = x - x0,
// dy = y - y0: X = (c dx + d dy) sx, Y = (c dy - d dx) sy; a negative scale
// mirrors its axis. Pixels are these values rounded half away from zero.
//
// Everything draws with the current foreground colour of the window library
// and leaves the current font as it found it. The state is one process-wide
// instance, used from the main thread only.
#ifndef DIALOGS_DRAWING_H
#define DIALOGS_DRAWING_H

// ---- view and state ---------------------------------------------------------

// Sets the view (start: origin 0, 0, angle 0, scales 1, 1).
void Set_Screen_View(double x0, double y0, double angle, double sx, double sy);
double Screen_View_Scale_X(void);
double Screen_View_Scale_Y(void);
// World to screen in place, unrounded. With only x given (y null) x becomes
// x sx, with only y given y becomes y sy: a single coordinate is a length.
void Screen_View_From_World(double *x, double *y);
// Screen to world in place; a null pointer counts as 0 and is not written.
void Screen_View_To_World(double *x, double *y);
// Length in pixels of the screen image of the segment.
double Screen_View_Distance(double x1, double y1, double x2, double y2);
// Line width in pixels (start 1; 0 draws no lines) and line style (start 0,
// solid; stored and handed to pxSLn).
void Set_Screen_Line_Width(int width);
void Set_Screen_Line_Style(int style);
int Screen_Line_Style(void);
// Load one of the three user fill patterns (pxSUFA) and return its result.
int Set_Fill_Pattern_Dots(void);
int Set_Fill_Pattern_Tiles(void);
int Set_Fill_Pattern_Stripes(void);

// ---- drawing at world positions ----------------------------------------------
//
// Lines follow the line rule: width 0 nothing, 1 a thin pxLine; 2 or 3 with
// a style other than solid that many thin lines one pixel apart, each with
// its dash pattern started afresh; otherwise pxTkLn of the width.

void Draw_World_Line(double x1, double y1, double x2, double y2);
// The four sides of the axis-parallel world rectangle (turned with the
// view), from corners or from centre and size.
void Draw_World_Rectangle(double x1, double y1, double x2, double y2);
void Draw_World_Rectangle_Centred(double xc, double yc, double w, double h);
// A filled pxRect between the screen images of two corners (never turned);
// the _Colour_Minus_1 form fills in the desktop colour -1 and puts the
// foreground colour back.
void Draw_World_Box(double x1, double y1, double x2, double y2);
void Draw_World_Box_Centred(double xc, double yc, double w, double h);
void Draw_World_Box_Colour_Minus_1(double x1, double y1, double x2, double y2);
// A point marker as big as the line width: a pixel up to a radius of 1,
// else a filled circle of 72 corners.
void Draw_World_Dot(double x, double y);
// Circle outline of 72 chords of 5 degrees; filled circle of 72 corners.
void Draw_World_Circle(double xc, double yc, double radius);
void Fill_World_Circle(double xc, double yc, double radius);
// The n - 1 segments of a polyline; a filled polygon of n points.
void Draw_World_Polyline(int n, const double x[], const double y[]);
void Fill_World_Polygon(int n, const double x[], const double y[]);
// The rectangle of the given world width centred on the segment, filled;
// with a pattern (16 rows for pxSUFA) filled with it, solid fill afterwards.
void Fill_World_Band(double x1, double y1, double x2, double y2, double width, const int *pattern);
// A line P1 -> P2 with its head at P2: head length and width are cut to the
// line's length; style 1 fills the head, any other draws its two barbs.
void Draw_World_Arrow(double x1, double y1, double x2, double y2, double head_length,
                      double head_width, int style);
// Two filled arrows of lx, ly screen pixels (at the drawing scale s) from
// the world point (x0, y0), turned by angle, with their labels.
void Draw_World_Axis_Cross(double x0, double y0, const char *label_x, const char *label_y,
                           double lx, double ly, double angle, double scale);
// A dimension line P1 - P2 with its extension lines `offset` pixels long
// and the vector-font text (and raised text) at its middle. Mode 0 measures
// along the screen's x direction, mode 1 along its y direction, any other
// along P1 P2.
void Draw_World_Dimension(int mode, double x1, double y1, double x2, double y2, const char *text,
                          const char *raised, double offset);
// The same labelled with the length of P1 P2 in metres: centimetres below
// 1 m ("12" with a raised "5" for 0.125), metres with two decimals above
// ("1.24" for 1.2375); nothing below 0.01.
void Draw_World_Length_Dimension(int mode, double x1, double y1, double x2, double y2,
                                 double offset);
// Texts at the screen image of (x, y) (the baseline) in the font word's
// font: bold draws a second copy one pixel to the right (_Bold always);
// _Right ends the text at the point; _Boxed places it with pxBTxt in a box
// from 5 pixels above to 5 below the point, by the vertical mode (0, 4,
// other) and horizontal mode (1, 4, other).
void Draw_World_Text(double x, double y, const char *text, int font, int bold);
void Draw_World_Text_Bold(double x, double y, const char *text, int font);
void Draw_World_Text_Right(double x, double y, const char *text, int font);
void Draw_World_Text_Plain(double x, double y, const char *text, int font);
void Draw_World_Text_Boxed(double x, double y, const char *text, int font, int vertical,
                           int horizontal);

// ---- texts in screen coordinates ----------------------------------------------

// Width in pixels of the text in the font (its flag 0x10000 cleared for the
// choice) + 3, + 2 more with the flag; 3 for a null text.
int Font_Text_Width(const char *text, int font);
// pxText at (x, y) in the font and colour; both are put back afterwards.
void Draw_Text_Colored(int x, int y, const char *text, int font, int colour);
// The same in the colour of a state: -6 for -1, -1 for 0, -9 otherwise.
void Draw_Text_By_State(int x, int y, const char *text, int font, int state);
// The background of `count` characters of a text at (x, y): pxRect from
// (x - 1, y + 3) to (x + 8 count, y - 10) in the colour; Clear_ fills it in
// the desktop colour -1 and puts the foreground colour back.
void Draw_Text_Background(int x, int y, double count, int colour);
void Clear_Text_Background(int x, int y, double count);

// ---- zoom animation -------------------------------------------------------------
//
// The weld application has a zoom animation of its own under this name, so
// the toolkit's lives in namespace dialogs.
namespace dialogs {
// Seven exclusive-or rectangles from the start rectangle (x1, y1, x2, y2)
// to the end rectangle (X1, Y1, X2, Y2), each drawn, shown for 10 ms and
// erased; colour and raster operation are put back.
void Animate_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2);
}  // namespace dialogs

#endif
