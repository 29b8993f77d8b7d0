// Plot file of the plan editor: a text file with a head (title, paper size,
// tables of colours, pens, line types, fonts, fillings, the coordinate system
// and layers) and a list of entities (lines, areas, texts, groups).
//
// One plot file is open at a time; its state is a process-wide single
// instance. The picture writers (ioliplot.h) add an entity for every shape
// they draw while the plot stream is set. Entity coordinates are world
// coordinates turned by the picture rotation but not scaled; when the
// picture's y axis runs downwards they are written mirrored (y sum - y), so
// the entity writers below take turned, unmirrored coordinates.
//
// The plot file owns its stream from the opening on: PlotFile_Close writes
// the end, closes the stream and forgets it, so the caller never closes it.
#ifndef PRINTLIST_PLOTFILE_H
#define PRINTLIST_PLOTFILE_H

#include <cstdio>

#if defined(__GNUC__)
#define PLOTFILE_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define PLOTFILE_PRINTF(fmt_index, first_arg)
#endif

#define PLOTFILE_TITLE_SIZE 256  // 255 characters and the terminator

struct PlotFile_State {
    FILE* stream;       // null while no plot file is open
    double scale;       // paper per world unit
    int colors;         // colours beyond colour 0
    int pen;
    int filling;        // -1: no filling, no area entities
    int line_type;
    int font;
    int point_id;
    int element_id;
};

// The single instance; never null.
PlotFile_State* PlotFile_Get_State(void);

// Head writer: title, the origin shift (x0, y0) in world units and the
// paper width and height; writes head, tables and "*EOT", sets both id
// counters to 1.
typedef void (*PlotFile_Head_Writer)(FILE* stream, const char* title, double x0, double y0,
                                     double width, double height);

// Opens the plot file on stream (which it then owns, see PlotFile_Close):
// the title is formatted and cut to 255 characters, the turned extent gives
// the head; pen, filling, line type and font start at 0. A null stream
// leaves the plot file closed. A plot file still open on another stream is
// first finished and closed as by PlotFile_Close.
void PlotFile_Open_Color(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                         double angle, const char* title_format, ...) PLOTFILE_PRINTF(8, 9);
void PlotFile_Open_Grey(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                        double angle, const char* title_format, ...) PLOTFILE_PRINTF(8, 9);
// The same with a ready title (used unchanged, cut to 255 characters) and
// the head writer passed in.
void PlotFile_Begin_Entities(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                             double angle, const char* title, PlotFile_Head_Writer writer);
// The head writers of the colour and the grey form (PlotFile_Head_Writer).
void PlotFile_Write_Tables_Color(FILE* stream, const char* title, double x0, double y0, double width,
                                 double height);
void PlotFile_Write_Tables_Grey(FILE* stream, const char* title, double x0, double y0, double width,
                                double height);

// Setters clamp and return the value stored.
int PlotFile_Set_Pen(int pen);
int PlotFile_Set_Filling(int filling);
int PlotFile_Set_Linetype(int type);
int PlotFile_Set_Font(int font);
// "-setlayer %d" with the layer clamped to 0..4; nothing while closed.
void PlotFile_Set_Layer(int layer);
// Writes "*EOI" and an empty line, closes the stream and forgets it. 0 when
// every write reached the file and it closed cleanly, or when no plot file
// was open (so a second call does nothing); EOF when a write or the close
// failed, so that the caller can drop an incomplete file.
int PlotFile_Close(void);

// ---- entities (nothing while closed) ---------------------------------------

// 1 while a plot file is open.
int PlotFile_Is_Open(void);
// Line entity between two turned world points.
void PlotFile_Line(double x1, double y1, double x2, double y2);
// Area of n edges leading from point to point and back to the first; form
// 1 is the polygon form, 0 the rectangle form (its last edge with four
// decimals). Nothing when the filling is negative.
void PlotFile_Area(int n, const double x[], const double y[], int polygon_form);
// Rectangle area with at most one rectangular hole (x3, y3)-(x4, y4).
void PlotFile_Frame_Area(double x1, double y1, double x2, double y2, int hole, double x3, double y3,
                         double x4, double y4);
// Area with polygonal and circular holes; counts[i] points per polygonal
// hole, following one another in hx, hy; circle centres and radii.
void PlotFile_Holes_Area(int n, const double x[], const double y[], int holes, const int counts[],
                         const double hx[], const double hy[], int circles, const double cx[],
                         const double cy[], const double radii[]);
// Circle area of two arc edges inside a group; nothing for a negative filling.
void PlotFile_Circle(double cx, double cy, double r);
void PlotFile_Ring(double cx, double cy, double r_outer, double r_inner);
// Text at (x, y), anchor 1..9. angle_text null: "%lf" of degrees;
// otherwise the fixed field ("0." or "90.").
void PlotFile_Text(double x, double y, int anchor, double degrees, const char* angle_text,
                   const char* text);
// Opens and closes a group entity; the entities between belong to it.
void PlotFile_Open_Group(void);
void PlotFile_Close_Group(void);

#endif
