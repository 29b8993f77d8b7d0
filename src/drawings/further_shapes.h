// Further members of the shape family of the connection pictures, for the
// drawings of bolted parts: rotations of one, four and six world points,
// six- and sixteen-cornered marks (a bolt seen end on), closed polygons,
// rectangles and bands (plates), a shank with a chamfered end and the side
// view of a six-cornered head or nut, the pixel twins of the quadrant weld
// triangle and the quarter-ellipse points, and the height of the print-list
// picture of the profile.
//
// Conventions of shape_routines.h: print members (XS_Plot_) work in world
// doubles and write one element (record 30 ... 31) of the open picture;
// screen members (XS_Screen_) work in pixels and give the foreground colour
// back as they found it. A pen, fill pen, line width or colour below 0 leaves
// that part out where a member says so. A print shape whose corners are not
// finite numbers of at most 10^9 writes nothing, so no record holds "nan".
// Nothing is reported.
#ifndef DRAWINGS_FURTHER_SHAPES_H
#define DRAWINGS_FURTHER_SHAPES_H

// One point, four and six points turned about (cx, cy) in place, with the
// snap table of the rotations (shape_routines.h). The _Ret form returns x.
void XS_Plot_Rotate_Point(double *x, double *y, double cx, double cy, double angle);
double *XS_Plot_Rotate_Point_Ret(double *x, double *y, double cx, double cy, double angle);
void XS_Plot_Rotate_4_Points(double x[4], double y[4], double cx, double cy, double angle);
void XS_Plot_Rotate_6_Points(double x[6], double y[6], double cx, double cy, double angle);

// Marks of 6 (hexagon) or 16 corners on radius r about (x, y); corner k at
// (x + r sin(k phi), y + r cos(k phi)). In one element: with fill_pen >= 0
// the pen, the fill record of the pattern, the filled polygon and line
// width 1; with line_pen >= 0 (and line_width >= 0: that width and the line
// pen first) the closed outline. A radius below 0.1 writes nothing; the
// round mark draws only above 0.1.
void XS_Plot_Hexagon(int fill_pen, int fill_pattern, int line_width, double x, double y, double r,
                     int line_pen);
void XS_Plot_Circle16(int fill_pen, int fill_pattern, int line_width, double x, double y, double r,
                      int line_pen);
void XS_Plot_Round_Mark(double x, double y, double r, int fill_pen, int fill_pattern, int line_width,
                        int line_pen);
// Pixel twins: offsets rounded by Round_To_Pixel, drawn as a filled polygon
// (fill colour, line width, line colour); a radius below 1 draws nothing.
void XS_Screen_Hexagon(int x, int y, int r, int fill_colour, int line_width, int line_colour);
void XS_Screen_Circle16(int x, int y, int r, int fill_colour, int line_width, int line_colour);

// A closed polygon, an axis-parallel rectangle (x1, y1), (x1, y2), (x2, y2),
// (x2, y1), and a band of width (dx, dy) along the segment (x1, y1)-(x2, y2).
// With fill_pen >= 0 one element of the pen, the fill record and the filled
// area; with line_width and line_pen >= 0 then the closed edges as line
// elements of that pen and width, each of its own after it (elements do not
// nest). A polygon of fewer than 1 corner writes nothing.
void XS_Plot_Polygon(int n, const double x[], const double y[], int fill_pen, int fill_pattern,
                     int line_width, int line_pen);
void XS_Plot_Rectangle(double x1, double y1, double x2, double y2, int fill_pen, int fill_pattern,
                       int line_width, int line_pen);
void XS_Plot_Band(double x1, double y1, double x2, double y2, double dx, double dy, int fill_pen,
                  int fill_pattern, int line_width, int line_pen);
void XS_Screen_Polygon(int n, const int x[], const int y[], int fill_colour, int line_width,
                       int line_colour);
void XS_Screen_Rectangle(int x1, int y1, int x2, int y2, int fill_colour, int line_width,
                         int line_colour);

// A strip of width w from y to y + h about x whose far end stands out by
// 0.15 w with 45-degree chamfers (a bolt's shank end); modes 0 and 2 turn it
// a quarter turn about (x, y). Filled in the fill pen, outlined in the
// outline pen (OliRole_Outline_Pen for outline_flag >= 0, else the fill
// pen). The screen twin uses integer proportions and draws with width 1.
void XS_Plot_Capped_Strip(int mode, int fill_pen, int fill_pattern, double x, double y, double w,
                          double h, int outline_flag);
void XS_Screen_Capped_Strip(int x, int y, int w, int h, int mode, int fill_colour, int outline_flag,
                            int outline_colour);

// The side view of a six-cornered head or nut of width w standing on the
// base line y: lower chamfer a, straight part b, upper chamfer c (heights
// towards -y), eight corners; modes 0 and 2 turn it a quarter turn about
// (x, y). The print member adds the visible edges of the body (at x -+ w/4)
// as lines. The rotated screen form turns the corners by angle + 3 pi/2.
void XS_Plot_Hex_Side_View(int mode, int fill_pen, int fill_pattern, double x, double y, double b,
                           double c, double a, double w, int outline_flag);
void XS_Screen_Hex_Side_View(int x, int y, int b, int c, int a, int w, int mode, int fill_colour,
                             int outline_flag, int outline_colour);
void XS_Screen_Hex_Side_View_Rotated(int x, int y, int b, int c, int a, int w, double angle,
                                     int fill_colour, int outline_flag, int outline_colour);

// XS_Screen_Weld_Triangle with start quadrant x pi/2 and sweep pi/2;
// quadrants outside 0..3 draw nothing.
void XS_Screen_Weld_Triangle_Quadrant(int x, int y, int leg, int quadrant, int fill_colour,
                                      int line_width, int line_colour);
// XS_Plot_Arc_Points in pixels, each offset rounded by Round_To_Pixel.
void XS_Screen_Arc_Points(int x0, int y0, int rx, int ry, int xs[], int ys[], int first_step,
                          int n, int direction);

// XS_Plot_Height_cm := height truncated toward zero; a height that is not a
// number within 1..1000 cm leaves it as it is.
void XS_Plot_Set_Height(double height);

#endif
