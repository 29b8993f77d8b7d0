// Screen picture of the profile end with its welds: the cross-section of a
// steel profile filled and outlined in whole pixels, the weld marks of a
// section welded from plates, and (second pass) the outer contour again in
// the colour of an all-round weld. The input page's preview draws it.
//
// The record is read only; the profile it names gets its section values
// computed (nothing else of it changes). Nothing is reported: a section
// that cannot be described is not drawn. The outline lives in static
// scratch arrays that every call overwrites; not re-entrant.
#ifndef DRAWINGS_XS_WELD_SCREEN_H
#define DRAWINGS_XS_WELD_SCREEN_H

struct Stahlprofil;
struct Blech_Record;

// Options of one drawing, in this order; Init_XS_Screen_Options sets the
// values in brackets.
struct XSScreenOptions {
    int x, y;                // (0, 0) top left of the box, or the reference point with a scale
    int x2, y2;              // (0, 0) bottom right of the box (fitted drawing)
    double scale;            // (0) pixels per mm; below 0.001 the section is fitted into the box
    int fill_colour;         // (-1) area of the section; -1 none
    int line_width;          // (0) outline width in pixels
    int line_colour;         // (-1) outline and weld outlines; -1 none
    int background_colour;   // (-1) holes; below 0 the screen's panel colour
    int mirror_vertical;     // (0) asymmetric shapes flipped top to bottom
    int mirror_horizontal;   // (0) flat bar and angle flipped left to right
    int show_axes;           // (0) principal axes, "S" and "M"
    Stahlprofil* profile;    // (null) the section
    int stiffener_mode;      // (0) web stiffeners of an I section: 1 one side, other values both
    Blech_Record* stiffener_plate;  // (null)
    double stiffener_weld;   // (0) throat of the stiffener welds, mm
    int insert_mode;         // (0) > 0: an insert plate between the flanges of an I section
    Blech_Record* insert_plate;     // (null)
    double insert_weld;      // (0) mm; <= 0.001: 1.5 x the weld offsets; below -0.001: none
    int insert_end;          // (0) 0: the upper end of a short insert moves down
    double angle;            // (0) degrees, counter-clockwise on the screen
};

// Sets every field to its value above. Null does nothing.
void Init_XS_Screen_Options(XSScreenOptions* options);

// Draws the section of options->profile. Pass bit 1 writes the leg numbers
// of an angle, bit 2 leaves out holes and inner outlines (the contour of an
// all-round weld). Nothing is drawn for a null record or profile, a section
// its calculation refuses, a type outside 1..17, or (fitted) an extent
// below 1 mm. The foreground colour is given back as it was found.
void Draw_XS_Weld_Screen(const XSScreenOptions* options, int pass);

// The outline of the last drawing (for tests): the number of outer points
// and their pixels, and the same of the inner contour (0 when none).
int XS_Screen_Outline(const int** xs, const int** ys);
int XS_Screen_Inner_Outline(const int** xs, const int** ys);

#endif
