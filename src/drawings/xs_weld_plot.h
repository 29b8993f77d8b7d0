// The print-list picture of the connected profile's cross-section with its
// welds: the profile area in its colour, its outline (rounded root and tip
// corners of a rolled section, sharp corners with the step of the weld leg of
// a welded one), the fillet welds as small triangles with the joint lines of
// the plates, optional dimension lines and an optional axis cross with the
// centroid mark "S" and the shear-centre mark "M".
//
// Draw_XS_Weld_Plot either opens a picture of its own in the print list (with
// a scale it chooses to fit the profile into a picture XS_Plot_Height_cm
// high) or draws one element into a picture the caller holds open. World
// coordinates are millimetres with y growing downward from the top of the
// profile; paper lengths (margins, marks) are turned into millimetres with
// the picture's scale.
//
// The outline is built in two global point lists (outer and inner contour),
// so the drawing is not reentrant. The profile and the option record are
// read, never changed. The pens and roles of oli_pens.h must have been set
// by Init_Oli_Pens before the first picture.
//
// Weld data come from the profile record itself: the weld throats a_o, a_u
// and the weld kinds of the top and bottom flange (0 fillet), through
// Calc_Profile_Weld_Offsets; nothing of the connection record is needed.
// A catalogue profile whose flanges slope is drawn as its record's rolled
// outline has it (sloped_flanges.h), in the family's number of points.
#ifndef DRAWINGS_XS_WELD_PLOT_H
#define DRAWINGS_XS_WELD_PLOT_H

#include <cstdio>
#include <vector>

#include "codes/blech.h"
#include "profiles/stahlprofil.h"

// Bits of the mode argument.
enum : int {
    XS_PLOT_LEG_LABELS = 1,    // an angle labels its legs "1" and "2"
    XS_PLOT_OUTER_ONLY = 2,    // inner contours and inner walls not outlined
};

// Options of one picture; cleared by Init_XS_Plot_Options, then filled by
// the caller. The callers of the weld program set x_ref, y_ref, mm_per_cm,
// fill_pen, line_width, line_pen, flip_y, profile and angle_deg.
struct XSPlotOptions {
    double x_ref;      // reference point of the profile, world mm
    double y_ref;      // the top of the profile is drawn at y_ref (y downward)
    double spare_1;    // cleared, not read
    double spare_2;    // cleared, not read
    double mm_per_cm;  // >= 1e-8: draw into the caller's open picture of this scale
    int fill_pen;      // pen of the profile area; negative: no area
    int line_width;    // width of the outline lines
    int line_pen;      // pen of the outline
    int flip_y;        // mirror about the horizontal through y_ref
    int flip_x;        // mirror about the vertical through x_ref
    const Stahlprofil* profile;  // not owned
    int doubler_count;                   // above 0: doubler plates on the web faces
    const Blech_Record* doubler_plate;   // null: none
    int doubler_weld_kind;               // 2: default weld = thickness, else thickness/sqrt 2
    double doubler_weld;                 // mm; below 0.1: the default
    int stiffener_count;                 // stiffener plates beside the web; 0: none
    const Blech_Record* stiffener_plate; // null: none
    double stiffener_weld;               // mm; 0.001 or less: 1.5 x the weld offsets
    int stiffener_at_top;                // a short stiffener hangs from the top flange
    double angle_deg;                    // rotation, anticlockwise on paper
};

// Height in whole cm of a picture of its own; starts at 5.
extern int XS_Plot_Height_cm;

// The paper margin on every side of a picture of its own without dimension
// lines, cm: room beside a weld at a flange tip for a two-digit number in
// its box (0.1 cm from the line to the box, 0.51 cm its width, and the gap
// labels keep).
inline constexpr double XS_PLOT_OWN_MARGIN_CM = 0.65;

// Width and height in mm of the profile as a picture of its own draws it
// (before its margins of XS_PLOT_OWN_MARGIN_CM on every side without
// dimension lines).
void XS_Plot_Extent(const Stahlprofil* p, double* w, double* h);

// The paper margins, cm, beyond the profile's extent of the picture of its
// own that Draw_XS_Weld_Plot (opts, list, mode, marks, dimensions) opens:
// left, top, right, bottom. XS_PLOT_OWN_MARGIN_CM on every side without
// dimension lines (1.0 cm, 0.4 cm below, with them), wider where a mark and
// the room for its letter, or the axis cross with its letters, would stand
// outside them (the shear centre of a small channel beyond its web).
// Returns the picture's mm per cm, 0 when it would draw nothing (margins
// unchanged).
double XS_Plot_Own_Margins(const XSPlotOptions* opts, int marks, int dimensions, double margins[4]);

// The box, world mm (left, top, right, bottom, y down the page), that the
// marks (1..3) of the profile of opts take in the caller's picture of
// opts->mm_per_cm with the room for their letters: a caller's window that
// holds it holds every mark. 0 (box unchanged) when no mark would be drawn.
int XS_Plot_Marks_Box(const XSPlotOptions* opts, int marks, double box[4]);

// Sets every field to 0 (pointers null). Null is ignored.
void Init_XS_Plot_Options(XSPlotOptions* opts);

// Draws the profile of opts and returns the world mm per paper cm of the
// picture: the scale it chose for a picture of its own, or the caller's
// mm_per_cm. With a picture of its own it returns 0 and writes nothing for a
// null list, a profile type outside 1..17 or an extent below 1 mm. With the
// caller's picture the records go to that picture's stream (list is not
// used) and a type outside 1..17 draws nothing. marks: 0 none, 1 axis cross
// labelled "y"/"z", 2 larger cross without labels, 3 a filled dot; 1..3 add
// "S" and, when the shear centre lies off the centroid, "M". dimensions not
// 0: dimension lines and wider margins. Marks and dimension lines of a
// profile turned in the caller's picture are left out. Damaged dimensions
// (zero, negative, not numbers) never put "nan" or "inf" into the list: a
// shape whose points are not usable is left out.
double Draw_XS_Weld_Plot(XSPlotOptions* opts, FILE* list, int mode, int marks, int dimensions);

// Whether the world point (x, y) lies within the profile's area as the last
// Draw_XS_Weld_Plot drew it (its outer contour less a hollow section's cell;
// on the outline counts as outside): the writer of a picture drawn on top
// keeps its labels off the profile. 0 before any drawing and after one that
// drew nothing.
int XS_Plot_Inside(double x, double y);

// Marks the outline's edges of the last Draw_XS_Weld_Plot as taken in the
// current picture (pieces of 0.2 cm, 0.06 cm on either side), as the marks
// keep their letters off them: called while that picture is still the
// current one, so that a picture drawn on top that keeps its boxes
// (Oli_Keep_Taken_Areas) keeps its labels off the profile's outline where
// no weld line lies (a rolled section's rounded corners). Nothing before
// any drawing or after one that drew nothing.
void XS_Plot_Take_Outline(void);

// Points (x, y pairs, world mm of the next picture Draw_XS_Weld_Plot draws)
// where a caller will draw marks of its own on top (the weld check's end
// points): the letters of the axis cross and of "S" and "M" keep
// clear of each (0.1 cm). Read by the next drawing only, then forgotten; at most
// 64 points are kept, a null list or a count below 1 keeps none.
void XS_Plot_Keep_Marks_Clear(const double* xy, int count);

// The boxes of the letters the marks of the last Draw_XS_Weld_Plot wrote
// (the axis cross's "y" and "z", "S", "M"): page cm from the picture's
// upper left corner, y down the page, four numbers a box, as the picture
// writer keeps its texts' boxes. A picture drawn on top in the same place
// keeps its own texts off them: a point number over the "S" reads as
// neither. Empty before any drawing and after one without marks.
const std::vector<double>& XS_Plot_Mark_Letters(void);

// Clears the ground of the dimension lines that Draw_XS_Weld_Plot (opts,
// list, mode, marks, 1) draws into the caller's open picture: a white band
// along each dimension line and its extension lines, so that a hatched
// area drawn before (the plate behind the profile) is interrupted around
// them. Called before the profile is drawn, so that the profile covers the
// bands where a dimension crosses it. Nothing for a picture of its own
// (mm_per_cm below 1e-8), a turned profile or a type outside 1..17.
void XS_Plot_Dimension_Ground(const XSPlotOptions* opts, int marks);

// The single welds of the connection sketch, drawn into the caller's open
// picture in which Draw_XS_Weld_Plot has just drawn the profile with the
// same options (opts->x_ref, y_ref, mm_per_cm, profile): each slot k below
// `slots` with a number above 0 and a throat and length above 0.01 mm
// becomes a line of its length along its face, centred on the free part of
// the face, in `pen` with the width class round(a + 0.01) (at most the widest line pen), and is labelled
// with its number outside the profile, where the label meets no text, no
// mark and no face already in the picture nor another number on its line
// of text (the middle of the line, else a quarter or two fifths of its
// length to either side, and further places; all numbers smaller in a
// sketch too small for them; else the least covered). Faces by family: flat bar and rectangular
// tube 0 top, 3 bottom, 1 left, 2 right; I family 0/3 outer faces of the
// top/bottom flange, 1/5 and 4/7 their inner faces left/right of the web,
// 2/6 the web faces; T and half I the upper half of that; channels (web on
// the left) 2/6 outer/inner web face, 0/3 outer and 1/4 inner faces of the
// top/bottom flange; Z the same with 2/6 the left/right web face; the angle
// (leg h up at the left, leg b along the bottom) 0 the outer and 1 the inner
// face of leg b, 2 the outer and 6 the inner face of leg h. A catalogue
// profile whose flanges slope (drawn as rolled) has its inner flange faces
// and its web's face as rolled: the straight parts between the toes'
// roundings and the root fillets, no weld drawn longer. Round sections have
// only the all-round weld. Returns the number of welds drawn.
int XS_Plot_Sketch_Welds(const XSPlotOptions* opts, const int number[], const double throat[],
                         const double length[], int slots, int pen);

#endif
