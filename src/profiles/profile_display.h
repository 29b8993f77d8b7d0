// Display helpers of the profile catalogue: the four-arc approximation of an
// ellipse (elliptic hollow sections), the ruler transform of the profile
// screen drawings, the drawing of a flat or round bar of the profile
// manager's catalogue on screen and into a print-list picture, the shared
// screen colours of the profile drawings, and a text helper.
//
// Module state (one instance each, single-threaded): the ruler transform and
// the screen style.
#ifndef PROFILES_PROFILE_DISPLAY_H
#define PROFILES_PROFILE_DISPLAY_H

#include <cstdio>

#include "profiles/profile_catalogue.h"

enum {
    PROFILE_COLOUR_DEFAULT = 0x40000000,  // a colour word that stands for the default
    APOSTROPHE_TEXT_LIMIT = 511,
};

// The ellipse x²/a² + y²/b² = 1 (a along x, b along y, both > 0) replaced by
// four tangent circular arcs meeting at the junction (x, y) on the ellipse:
// gives y, x, b − y and a − x (the offsets of the junction from the axis
// ends, which are the sagittas of the arcs' halves). The junction is found by
// secant steps on the tangency residual, at most 100 of them; the search
// stops when the residuals of the pair or the step become negligible
// (relative 1e-12) and at once on a residual that is not a number, then
// keeping the better of the last two trials. Null outputs are skipped.
void Calc_Four_Arc_Ellipse(double* y, double* x, double* b_minus_y, double a, double b, double* a_minus_x);

// The ruler transform: scale in pixels per cm, the world x of the left edge,
// the world y of the top edge and that corner's pixel.
void Set_Ruler_Transform(float scale, float left, float top, int screen_x, int screen_y);
int World_To_Ruler_X(double x);     // round((x − left)·scale + screen x)
int World_To_Ruler_Y(double y);     // round((top − y)·scale + screen y)
double Ruler_To_World_X(int pixel); // (pixel − screen x)/scale + left
double Ruler_To_World_Y(int pixel); // top − (pixel − screen y)/scale

// Screen style shared by the profile drawings; colours are palette indices
// or PROFILE_COLOUR_DEFAULT.
struct Profile_Screen_Style {
    int fill;          // default: nearest of RGB 129, 157, 186
    int line;          // default: black
    int rulers;        // 1: draw rulers (default)
    int ruler_colour_1; // default RGB 237, 228, 203
    int ruler_colour_2; // default RGB 168, 137, 57
};
enum { PROFILE_FILL_COLOUR, PROFILE_LINE_COLOUR, PROFILE_RULER_COLOUR_1, PROFILE_RULER_COLOUR_2 };
Profile_Screen_Style* Profile_Screen_Style_State(void);
// The palette index of a style colour (PROFILE_*_COLOUR), defaults resolved.
int Profile_Screen_Colour(int which);
// Draws the rulers around a drawing (viewport 20 pixels beyond it) with the
// current ruler transform, when the style's switch is on.
void Draw_Profile_Rulers(int x1, int y1, int x2, int y2);

// Screen drawing of a catalogue record of letter 'F' (rectangle of width
// value 1 and height value 0) or 'O' (circle of diameter value 0, 60 points)
// fitted into the pixel box; nothing for other letters, a null record or a
// degenerate outline or box.
void Draw_Profile_Preview(const ProfilDataEintrag* record, int x1, int y1, int x2, int y2);
// The same outline as picture records (box in cm on paper): a filled
// polygon in colour 79, 133, 162 and its black edges. Returns file; writes
// nothing for a null file or where the screen drawing draws nothing.
FILE* Plot_Profile_Preview(FILE* file, const ProfilDataEintrag* record, double x1, double y1, double x2, double y2);

// A copy of text (at most 511 bytes) in a static buffer with every
// apostrophe replaced by the byte 0xB4; overwritten by the next call. Null
// gives an empty text.
const char* Replace_Apostrophes(const char* text);

#endif
