// Field drawing transform: dialogs that show a small drawing inside the
// field area (fields.h) give its geometry in world coordinates of their own
// and let these calls turn it into line and rectangle items of the field
// area. The transform is a uniform scale, a shift of the origin and a
// rotation, one process-wide setting. The draw callback of a filled polygon
// in a user-drawn item lives here too.
//
// World to screen of (x, y), with u = x scale - origin x and
// v = y scale - origin y: X = cos r u + sin r v, Y = cos r v - sin r u.
// Pixels are rounded half away from zero.
#ifndef DIALOGS_FIELD_TRANSFORM_H
#define DIALOGS_FIELD_TRANSFORM_H

// Origin, rotation (radians) and scale (start: 0, 0, 0, 1).
void Set_Field_World_Mapping(double origin_x, double origin_y, double rotation, double scale);
double Get_Field_World_Scale(void);
// The whole setting (null pointers skipped).
void Get_Field_World_Mapping(double *origin_x, double *origin_y, double *rotation, double *scale);
// 1 (the start): world lines become items; anything else: they are computed
// and dropped (filled rectangles are added all the same).
void Set_Field_World_Drawing(int flag);
int Get_Field_World_Drawing(void);
// World to screen and back, in place (unrounded); null pointers count as 0
// and are not written.
void World_to_Screen_Point(double *x, double *y);
void Screen_to_World_Point(double *x, double *y);
// Length of the screen image of the segment.
double World_Length_on_Screen(double x1, double y1, double x2, double y2);
// A line item in the field text colour (only while drawing is on).
void Add_World_Line_to_Field_Area(double x1, double y1, double x2, double y2);
// Four such lines around the world rectangle.
void Add_World_Rectangle_to_Field_Area(double x1, double y1, double x2, double y2);
// A filled rectangle item in the field background colour, whatever the
// drawing switch.
void Add_World_Filled_Rectangle(double x1, double y1, double x2, double y2);
// A labelled text underlined by a world line 3 pixels below it: the text's
// width + 4; 0 without a field area.
int Add_Underlined_Field_Text(int x, int y, const char *text, int *active);
// A labelled text on a box of the background colour: the text's width + 6;
// 0 without a field area.
int Add_Boxed_Field_Text(int x, int y, const char *text, int *active);

// The polygon of Draw_Polyline_Callback: n corners in pixels relative to the
// item's top left (the arrays are the caller's and must outlive the item).
void Set_Field_Polygon(int n, const int *xs, const int *ys);
// Draw callback of a user-drawn item (Area_Draw_Function): fills the stored
// polygon moved to the item's top left (x1, y1) in the field background
// colour and draws the line (x1, y1)-(x2, y2) in it. The stored corners are
// never changed, so every repaint draws the polygon at the same place.
void Draw_Polyline_Callback(int x1, int y1, int x2, int y2, int user_value);

#endif
