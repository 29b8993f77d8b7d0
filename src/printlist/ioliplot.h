// Picture writer of the print list: the picture state and the "#SHOWGRAFIC"
// block, the numbered graphic records and the primitive writers (lines,
// rectangles, polygons, colours, dash patterns), dimension lines and axis
// symbols, the text writers of pictures and the circles, rings, arcs and
// slots.
//
// Every writer takes world coordinates (the caller's model units), turns
// them by the picture rotation and writes paper centimetres into the picture
// stream through Safe_Fprintf, so a null stream turns every record into a
// no-op while the state is still kept. While a plot file is open
// (plotfile.h) the same writers add the shape to it as entities.
//
// There is one picture state for the whole process; no writer is
// re-entrant. The element bracket (Oli_Element_Begin / Oli_Element_End)
// saves one level only: a writer that opens an element never calls another
// writer that opens one.
//
//   ioliplot.cpp          picture state, picture block, scale choice
//   ioliplot_records.cpp  graphic records, colours and primitive writers
//   ioliplot_dimension.cpp dimension lines and axis symbols
//   ioliplot_text.cpp     texts, boxed and circled labels
//   ioliplot_circles.cpp  circles, rings, arcs, sectors and slots
#ifndef PRINTLIST_IOLIPLOT_H
#define PRINTLIST_IOLIPLOT_H

#include <cstdio>
#include <string>
#include <vector>

#if defined(__GNUC__)
#define IOLIPLOT_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define IOLIPLOT_PRINTF(fmt_index, first_arg)
#endif

// Result of the picture openers when a scale of 0 would make the paper
// extent meaningless: nothing was written and the caller leaves the picture
// out.
#define OLI_GRAFIK_NO_SCALE (-1)

// Six caption lines of a picture: lines 0..2 stand above it, 3..5 below; a
// line whose first byte is 0 is absent.
struct OliGrafik_Captions {
    char line[6][80];
};

// The one picture state, shared by every picture writer.
struct Oli_Picture_State {
    FILE* stream;          // the open print list (null: records are no-ops)
    FILE* kept_stream;     // saved by Oli_Redirect_Output
    double scale_x;        // paper cm per world unit along x
    double scale_y;        // ... along y
    double scale_min;      // the smaller of the two
    double scale_max;      // the larger of the two
    double small_length;   // 0.3 cm of paper in world units
    double rotation;       // radians; points are turned by it before scaling
    double text_angle;     // radians
    int x_direction;       // 1: x extent runs upwards, 3: downwards
    int y_direction;       // 0: y extent runs upwards, 2: downwards
    int mirror_flag;       // 1 together with y_direction 2
    double mirror_sign;    // -1.0 when exactly one axis runs downwards
    double y_sum;          // y1 + y2 of the (turned) extent
    double box_xmin, box_ymin, box_xmax, box_ymax;  // world box drawn so far
    int color_mode;        // colour records written when not 0
    int fill_mode;         // 0: fills become pattern 0, filled polygons left out
    int list_version;      // print-list format word
    int dimension_style;   // OLI_DIM_* bits
    int stagger_flag;      // alternation of dimension texts that do not fit
    int line_rgb[3];
    double line_lightness; // percent
    int fill_rgb[3];
    double fill_lightness; // percent
    // One saved level of the element bracket.
    int saved_pen, saved_filling, saved_line_type, saved_font;
    double saved_text_angle, saved_rotation;
    // The bracket's watch: elements open now, and the elements opened inside
    // another, closed without being open, or left open when a picture began.
    int element_depth;
    int element_faults;
    // Height of the texts (cm, as the last " 13" record gave it) and its
    // saved level in the element bracket.
    double text_height;
    double saved_text_height;
};

// The single instance; never null. Writers outside this module read it and
// change it only through the named functions.
Oli_Picture_State* Oli_Get_Picture_State(void);
// Puts the whole picture state back to its start values (the switches,
// the dimension style and the element watch included). Never fails.
void Oli_Reset_Picture_State(void);
// How many elements were nested, closed without being open or left open
// since the last reset; writers never do any of these, so a test checks
// that it stays 0 (an element still open counts as well).
int Oli_Element_Faults(void);

// ---- picture state and the picture block --------------------------------

// Opens a picture: stores stream, scales, rotation; turns the extent when
// the rotation is not 0 at 3 decimals; derives the axis words; writes the
// head, the captions, "-1" and the paper extent. Returns the result of the
// last write (0 for a null stream), or OLI_GRAFIK_NO_SCALE when a scale is
// 0 or not a number: then nothing is written and the state is unchanged.
int Oli_Grafik_Begin(FILE* stream, double x1, double y1, double x2, double y2, double scale_x,
                     double scale_y, double rotation, const OliGrafik_Captions* captions);
// Oli_Grafik_Begin with one scale for both axes.
int Oli_Grafik_Begin_Uniform(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                             double rotation, const OliGrafik_Captions* captions);
// Oli_Grafik_Begin without captions and with rotation 0.
int Oli_Grafik_Begin_Plain(FILE* stream, double x1, double y1, double x2, double y2, double scale_x,
                           double scale_y);

// Writes the text-height record (" 13 <cm>") for the texts that follow;
// a height that is not a positive number writes nothing.
void Oli_Set_Text_Height(double height);

// Room for labels. Every text record of the current picture leaves the box
// it takes on paper (from its height, length, alignment and angle), and a
// writer may mark an area of its drawing as taken; a label writer asks
// before it places a text. The boxes are cleared by every opening.
//
// Marks the box of world corners (x1, y1), (x2, y2) as taken.
void Oli_Take_Area(double x1, double y1, double x2, double y2);
// 1 when the text, written at the world point with the printf writers'
// alignment (v, h) and without a turn, would stay inside the picture and
// meet no taken box; else 0.
int Oli_Label_Is_Free(double x, double y, int v, int h, const char* text);
// The covered area of a text of Oli_Text_Box (centred on the point) at the
// current text height.
double Oli_Box_Label_Covered(double x, double y, const char* text);
// 1 when the box of world corners (x1, y1), (x2, y2) lies inside the
// picture and meets no taken box.
int Oli_Area_Is_Free(double x1, double y1, double x2, double y2);
// How much of the taken boxes the text or the box would cover, cm² (0
// when free; a million when it would reach out of the picture): a label
// writer that finds no free place takes the least covered one.
double Oli_Label_Covered(double x, double y, int v, int h, const char* text);
// The same for the text at the given height (cm) instead of the current
// one: a writer that may set a label smaller where it finds no room.
double Oli_Label_Covered_At(double x, double y, int v, int h, double height, const char* text);
// Marks the box of such a text as taken (a writer that places its labels
// before it writes them).
void Oli_Take_Label(double x, double y, int v, int h, double height, const char* text);
// The box Oli_Label_Covered measures for such a text at the current text
// height: page cm from the picture's upper left corner, y down the page,
// as the taken boxes are kept ({x1, y1, x2, y2}).
void Oli_Label_Page_Box(double x, double y, int v, int h, const char* text, double box[4]);
double Oli_Area_Covered(double x1, double y1, double x2, double y2);
// The page box of the world box of corners (x1, y1), (x2, y2), as the
// taken boxes are kept ({x1, y1, x2, y2}, page cm from the picture's upper
// left corner, y down the page).
void Oli_Area_Page_Box(double x1, double y1, double x2, double y2, double box[4]);
// Oli_Area_Covered of the world box whose page box Oli_Area_Page_Box gave.
double Oli_Page_Box_Covered(const double box[4]);
// The box of the ink the viewer draws for a text of the given height (cm,
// the capitals' height) written by the printf writers at a point with the
// alignment (v, h) and no turn: paper cm from the point, x to the right and
// y up the page, as {left, bottom, right, top}; all 0 for a text without
// ink. The label boxes above are these boxes.
void Oli_Text_Ink_Box(const char* text, int v, int h, double height, double box[4]);
// The next opening keeps the boxes of the current picture: for a picture
// drawn on top of it, on the same place of the page (the boxes count from
// the picture's upper left corner). One opening only.
void Oli_Keep_Taken_Areas(void);
// The number of boxes taken so far, and the removal of those taken from
// `from` up to `to` (a writer that marks areas only while it places its own
// labels: the outline of a profile, where welds will be drawn).
size_t Oli_Taken_Count(void);
void Oli_Drop_Taken_Areas(size_t from, size_t to);
// With 1, every text record of the current picture gets a clear (white)
// background just larger than its ink, drawn right before it: labels on a
// hatched plate stay legible. Every opening switches it off.
void Oli_Set_Clear_Labels(int on);
// A white band of `half` paper cm on either side of the line from (x1, y1)
// to (x2, y2) (world) and beyond its ends, into the print list only (a plot file hatches its
// areas itself), then the fill pattern in force again: the gap a hatched
// area leaves around a line drawn on it later.
void Oli_Clear_Band(double x1, double y1, double x2, double y2, double half);

// The whole state of the picture writer that the records of a picture read
// and leave behind: the picture state, the label boxes taken (page cm, four
// per box) with the extent they are placed in and whether the next picture
// keeps them. A caller that writes the bytes of a picture it drew before
// from the same state puts the state that picture left behind.
struct Oli_Writer_State {
    Oli_Picture_State picture;
    std::vector<double> taken;
    double extent[4];
    bool keep;
};
void Oli_Get_Writer_State(Oli_Writer_State* out);
void Oli_Set_Writer_State(const Oli_Writer_State& in);
// Appends the state to *out as bytes, field by field, so that two states
// are equal when their bytes are.
void Oli_Append_Writer_State(const Oli_Writer_State& in, std::string* out);
// Whether the writer's state now is `in`: every field of it the same bytes
// (those Oli_Append_Writer_State writes), without copying the state.
bool Oli_Writer_State_Is(const Oli_Writer_State& in);

// Text angle := angle x mirror sign, reduced by whole turns above 2 pi; an
// angle that is not a finite number leaves the text angle as it was.
void Oli_Set_Text_Angle(double angle);
// The text angle in radians as stored.
double Oli_Get_Text_Angle(void);
// World point turned by the rotation and scaled; null outputs are skipped.
void Oli_World_To_Paper(double x, double y, double* px, double* py);
// A paper length as world lengths along x and y (both pointers required).
void Oli_Paper_To_World_Length(double length, double* along_x, double* along_y);
// Index 0..17 of the first standard scale 1:N with the picture fitting the
// paper, or -1 after a message (shown at once) when none fits. The message
// mode of the caller is left as it was.
int Oli_Find_Standard_Scale(double paper_width, double paper_height, double world_width,
                            double world_height);
// Sends the records to stream (null: nowhere) and keeps the stream in use
// for Oli_Restore_Output; one level only, a second call overwrites it.
void Oli_Redirect_Output(FILE* stream);
// Puts the kept stream back and returns it (null when none was kept).
FILE* Oli_Restore_Output(void);
// Empties the world box: minima 1e100, maxima -1e100.
void Oli_Reset_Bounding_Box(void);
// The world box drawn so far into the non-null pointers.
void Oli_Get_Bounding_Box(double* xmin, double* ymin, double* xmax, double* ymax);
// Colour records are written while the colour mode is not 0.
void Oli_Set_Color_Mode(int on);
int Oli_Get_Color_Mode(void);
// With the fill mode 0 every fill pattern is written as 0.
void Oli_Set_Fill_Mode(int on);
// The print-list format word (338 at start); below 335 the text writers
// take their older block forms.
void Oli_Set_List_Version(int version);
int Oli_Get_List_Version(void);

// ---- graphic records and primitive writers ------------------------------
// None of them can fail: with a null picture stream they write nothing and
// still keep the state (box, colours, element bracket); the caller's
// coordinates and arrays are never modified.

// Opens an element (" 30", and " 52" in colour mode) and saves the text
// angle, the rotation and, with a plot file open, its pen, filling, line
// type and font; Oli_Element_End closes it and puts all of them back.
void Oli_Element_Begin(void);
void Oli_Element_End(void);
// Fill pattern record (pattern 0 while the fill mode is off).
void Oli_Fill_Record(int pattern);
// Dash pattern record of line type 1..4; any other type is solid.
void Oli_Dash_Pattern(int line_type);
// Store the line or fill colour (packed as Pack_RGB, or components) or its
// lightness change in percent, and write the colour record in colour mode.
void Oli_Set_Line_Color(int packed);
void Oli_Set_Line_RGB(int r, int g, int b);
void Oli_Set_Line_Lightness(double percent);
void Oli_Set_Fill_Color(int packed);
void Oli_Set_Fill_RGB(int r, int g, int b);
void Oli_Set_Fill_Lightness(double percent);
// The colour control records 59, 60 and 61, in colour mode only.
void Oli_Color_Control_59(void);
void Oli_Color_Control_60(void);
void Oli_Color_Control_61(void);
// In colour mode: the fill group of value with the pattern, or a plain
// pattern 0 while the fill mode is off.
void Oli_Color_Fill_Group(int value, int pattern);

// r + 256 g + 65536 b with each component clamped to 0..255.
int Pack_RGB(int r, int g, int b);
// The components into the non-null pointers; returns b, or the packed value
// when b is null.
int Unpack_RGB(int packed, int* r, int* g, int* b);
// Lightness of the colour changed by percent, in place; results lie in
// 0..255. Black stays black.
void Scale_RGB_Lightness(int* r, int* g, int* b, double percent);
// Colour index of the window library for the packed colour made lighter
// (or darker) by percent.
int Lighten_Packed_Color(int packed, double percent);
int Darken_Packed_Color(int packed, double percent);

// A line, rectangle outlines and filled rectangles between two corners or
// about a centre, in world coordinates.
void Oli_Line(double x1, double y1, double x2, double y2);
void Oli_Rect_Outline(double x1, double y1, double x2, double y2);
void Oli_Rect_Outline_Centered(double cx, double cy, double width, double height);
void Oli_Filled_Rect(double x1, double y1, double x2, double y2);
void Oli_Filled_Rect_Centered(double cx, double cy, double width, double height);
// Filled rectangle (x1, y1)-(x2, y2) with the rectangular hole
// (x3, y3)-(x4, y4).
void Oli_Filled_Frame(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4);
// Record 18 of n points; the caller's arrays are never modified.
void Oli_Polygon_Record(int n, const double x[], const double y[]);
// Record 18 of three and of n points.
void Oli_Filled_Triangle(const double x[3], const double y[3]);
void Oli_Filled_Polygon(int n, const double x[], const double y[]);
// n >= 2: closed outline; n <= -2: open chain of |n| points; else nothing.
void Oli_Polyline(int n, const double x[], const double y[]);
// A bar of the paper width about the line; with outline its edges too.
void Oli_Thick_Line(double x1, double y1, double x2, double y2, double width, int outline);
// qsort comparisons of points (two doubles x, y) by x or y, descending or
// ascending; -1, 0 or 1.
int Oli_Compare_X_Desc(const void* a, const void* b);
int Oli_Compare_X_Asc(const void* a, const void* b);
int Oli_Compare_Y_Desc(const void* a, const void* b);
int Oli_Compare_Y_Asc(const void* a, const void* b);

// ---- dimension lines and axis symbols -----------------------------------

// Bits of the dimension style.
enum : int {
    OLI_DIM_NO_FIRST_END = 0x1,   // no extension line or mark at the first end
    OLI_DIM_NO_SECOND_END = 0x2,  // ... at the second end
    OLI_DIM_DOT_MARKS = 0x8,      // dots instead of oblique ticks
};

// Sets the OLI_DIM_* bits of every dimension that follows; cannot fail.
void Oli_Set_Dimension_Style(int style);
// A dimension of (x1, y1)-(x2, y2) with text height h: the main text and
// the small raised second text (null counts as ""); w is the text width
// in world units, mode 0 staggers a text wider than the length. Returns
// 2.0 or 3.2 after a staggered text, else 0.0 (also for a length below
// 0.01, when nothing but an empty element is written). Cannot fail; the
// texts are never modified or read as formats.
double Oli_Dimension_Line(double x1, double y1, double x2, double y2, double h, const char* main_text,
                          const char* second_text, double w, int mode);
// The same labelled with the length in whole cm and its first decimal as
// the second text; _Offset first shifts the line by e to its left.
double Oli_Dimension_Line_cm(double x1, double y1, double x2, double y2, double h, int mode);
double Oli_Dimension_Line_cm_Offset(double x1, double y1, double x2, double y2, double e, double h,
                                    int mode);
// The same labelled with the length as the tables print it: whole, or with
// its first decimal written out after a point ("147.4"), never raised (a
// raised decimal beside whole numbers reads as a power).
double Oli_Dimension_Line_Decimal(double x1, double y1, double x2, double y2, double h, int mode);
// The label of Oli_Dimension_Line_Decimal for a length, into text (size
// bytes): what a writer that keeps room for it measures.
void Oli_Dimension_Decimal_Text(double length, char* text, size_t size);
// Length in units u (u <= 0: in |u| with its first decimal); 0.0 without
// drawing for a unit of 0 (_Checked: for |u| below 1e-5).
double Oli_Dimension_Line_Unit(int mode, double x1, double y1, double x2, double y2, double h,
                               double u);
double Oli_Dimension_Line_Unit_Checked(double x1, double y1, double x2, double y2, double h,
                                       double u, int mode);
// A length in m labelled in cm (below 1 m) or m, halves as a raised "5";
// 0.0 without drawing for a length below 0.01.
double Oli_Dimension_Line_m(double x1, double y1, double x2, double y2, double h);
// The n points projected on the line (xa, ya)-(xb, yb), sorted along it,
// and a dimension in m (Oli_Dimension_Line_m) between each two neighbours
// 0.01 or more apart; nothing for n < 2. The
// caller's arrays are never modified.
void Oli_Dimension_Chain_Projected(int n, const double x[], const double y[], double xa, double ya,
                                   double xb, double yb, double h);
// Two axis arrows of paper length size at (x0, y0) turned by angle, with
// their labels (null: empty); one element, cannot fail.
void Oli_Axes_Symbol(double x0, double y0, const char* label1, const char* label2, double size,
                     double angle);
// The same with each label on the side of its arm (or beyond its tip) that
// meets nothing taken or written in the picture, the usual side while it is
// free: a label beside the outline of a profile would lie under its weld.
void Oli_Axes_Symbol_Free(double x0, double y0, const char* label1, const char* label2, double size,
                          double angle);
// One axis arrow of paper length size in the direction angle, with its
// label (null: empty); one element, cannot fail.
void Oli_Axis_Arrow(double x0, double y0, double size, double angle, const char* label);

// ---- text writers of pictures ---------------------------------------------
// Each returns the result of its last write (Safe_Fprintf: negative for a
// refused write, 0 for a null stream); texts are written unchanged between
// 0xAE and 0xAF and never read as a format; a null text counts as "".

// Record 3 at the turned point with the text angle.
int Oli_Text_Rotated(double x, double y, const char* text);
// Record 10 at the turned point, centred (code 210).
int Oli_Text_At(double x, double y, const char* text);
// Formatted (cut to 255 characters), aligned by the vertical code v
// (0, 4, other) and horizontal code h (1, 4, other): record 10 at the
// turned point or record 9 at the point as given.
int Oli_Text_At_Printf(double x, double y, int v, int h, const char* format, ...)
    IOLIPLOT_PRINTF(5, 6);
int Oli_Text_Box_Printf(double x, double y, int v, int h, const char* format, ...)
    IOLIPLOT_PRINTF(5, 6);
// Record 2 at the point as given, unturned.
int Oli_Text_Plain(double x, double y, const char* text);
// Record 9 with the alignment code the name gives (Oli_Text_Box: 210).
int Oli_Text_Box_212(double x, double y, const char* text);
int Oli_Text_Box(double x, double y, const char* text);
int Oli_Text_Box_466(double x, double y, const char* text);
int Oli_Text_Box_226(double x, double y, const char* text);
int Oli_Text_Box_202(double x, double y, const char* text);
// The text (or number) centred in a white outlined box, one element; h is
// the text height in paper cm (Oli_Boxed_Text_Scaled: divided by scale).
int Oli_Boxed_Text(double x, double y, double h, const char* text);
int Oli_Boxed_Number(double x, double y, double h, int number);
int Oli_Boxed_Text_Scaled(double x, double y, double h, double scale, const char* text);
// The text (or number) centred in a white outlined circle, one element.
int Oli_Circled_Text(double x, double y, double h, double scale, const char* text);
int Oli_Circled_Number(double x, double y, double h, double scale, int number);

// ---- circles, rings, arcs and slots ----------------------------------------
// Like the primitive writers: no failure, nothing written for a null
// stream, the caller's values never modified. d are diameters.

// A filled circle as a 32-point polygon (Oli_Filled_Circle_Round: round
// on paper whatever the two scales).
void Oli_Filled_Circle(double cx, double cy, double d);
void Oli_Filled_Circle_Round(double cx, double cy, double d);
// A filled ring between the two diameters.
void Oli_Ring(double cx, double cy, double d_outer, double d_inner);
// An arc from start over sweep, angles in degrees, as line records of its
// chords (Oli_Arc_Lines: kept circular on paper when the two scales
// differ); nothing for an angle that is not finite.
void Oli_Arc(double cx, double cy, double d, double start, double sweep);
void Oli_Arc_Lines(double cx, double cy, double d, double start, double sweep);
// A filled sector of the circle, angles in degrees.
void Oli_Filled_Sector(double cx, double cy, double d, double start, double sweep);
// A slot (rectangle with round ends along its longer side) about a centre:
// its outline, or filled.
void Oli_Slot_Outline(double cx, double cy, double width, double height);
void Oli_Filled_Slot(double cx, double cy, double width, double height);
// The caller's outer points are never modified.
void Oli_Filled_Polygon_With_Holes(int n, const double x[], const double y[], int holes,
                                   const int counts[], const double hx[], const double hy[],
                                   int circles, const double cx[], const double cy[],
                                   const double areas[]);

#endif
