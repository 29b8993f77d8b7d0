// The input side of the concrete and reinforcing-steel library on the
// pages of a table sheet (dialogs/tablesheet.h): numeric fields with a
// display factor and range messages, the grade fields "Betongüte" and
// "Stahlgüte" over their picker lists (betonparameter.h), the parameter
// pages and the modal free-definition sheets, sketch primitives in the
// field area's world coordinates (dialogs/field_transform.h), and the head
// of a factor table.
//
// The fields go into the current field area (dialogs/fields.h); a page
// function that is handed an area makes it the field area first. A state
// word is 1 (editable), -1 (editable, the sheet's first pass: a light frame
// around the field) or 0 (the page disabled: grey, read-only). Nothing here
// is re-entrant.
#ifndef CODES_BETONPARAMETER_PAGES_H
#define CODES_BETONPARAMETER_PAGES_H

#include "codes/betonguete.h"
#include "codes/betonparameter.h"
#include "codes/betonstahl.h"

// ---- numeric fields ----

// An editable double at (x + 7, y), "%<w>.<d>f", w x 8 + 15 pixels wide (the
// width returned). A factor other than 1 shows the value multiplied by it
// while the innermost sheet is open (registered once; the sheet divides it
// back when it closes).
int Numeric_Field(int x, int y, double* value, double factor, int w, int d, int state);
// Label, 3 pixels, the field (factor 1), 3 pixels, the unit (null: none);
// the total width.
int Numeric_Field_Labelled(int x, int y, const char* label, double* value, int w, int d, const char* unit,
                           int state);
// The field, then, with a name: a value above the maximum (compared after
// rounding the difference to d decimals) is noted as "<name> darf den Wert
// <maximum> nicht überschreiten", one below the minimum as "... nicht
// unterschreiten" (Note_Message). Named or not, the value is then clamped to
// [minimum, maximum]. Returns the field's width.
int Numeric_Field_Checked(int x, int y, double* value, double factor, int w, int d, double minimum,
                          double maximum, const char* name, int state);
// An int shown as a double ("%<w>.0f") while the innermost sheet is open and
// written back rounded half away from zero when it closes; outside a sheet
// the field shows nothing (0).
int Int_Field(int x, int y, int* value, int w, int state);
int Int_Field_Labelled(int x, int y, const char* label, int* value, int w, const char* unit, int state);

// ---- grade fields and pages ----

// The concrete grade field in three forms, each over the picker list with
// the caller's selection (a separator chosen moves up to the entry above):
// the label "Betongüte" and, 75 pixels to the right, the selection alone;
// the selection at x with the parameter handling below it; and the label
// followed, 75 pixels to the right, by the latter. The parameter handling:
// for "frei" (id 20) with definition mode 0 the concrete page follows 23
// pixels below, else the link "-> Betonparameter definieren", whose click
// runs Edit_Free_Concrete on the record when the field is built next; a
// lightweight entry adds the row "Rohdichte"; with the list's
// lightweight_shown every entry but "frei" adds the row of alpha. With
// state 0 (the page disabled) label, selection and rows are grey and
// locked. The selection is the caller's; the record is the grade the caller
// made of it. Each returns the height taken below y.
int Concrete_Grade_Choice(int area, int x, int y, Grade_Pick_List* list, int* selection, int state);
int Concrete_Grade_Selection(int area, int x, int y, Betonguete_Record* record, Grade_Pick_List* list,
                             int* selection, int state);
int Concrete_Grade_Field(int area, int x, int y, Betonguete_Record* record, Grade_Pick_List* list,
                         int* selection, int state);
// The third form for steel: "Stahlgüte", id 5, "-> Stahlparameter
// definieren" and Edit_Free_Steel (no lightweight rows).
int Steel_Grade_Field(int area, int x, int y, Betonstahl_Record* record, Grade_Pick_List* list, int* selection,
                      int state);
// The parameter pages: labels at x, fields at x + 75, rows 23 pixels apart,
// stresses shown in MN/m², strains in per mille. Return 183 and 107.
int Concrete_Page(int area, int x, int y, Betonguete_Record* record);
int Steel_Page(int area, int x, int y, Betonstahl_Record* record);
// The modal sheets "Freie Definition des Betons" / "... des Stahls": the
// record is first set to the starting grade (C25/30 normal-weight; BSt 500
// (A)), the sheet edits a copy, OK copies it back. 0 when confirmed, 1 when
// cancelled (the record then holds the starting grade). Null: 1.
int Edit_Free_Concrete(Betonguete_Record* record);
int Edit_Free_Steel(Betonstahl_Record* record);

// ---- sketch primitives (model units, only while world drawing is on) ----

// A circle as 72 chords of 5 degrees.
void Draw_Circle(double x, double y, double r);
// The arc of radius r about (x, y) from angle a to b (radians) in chords of
// 5 degrees, the last one ending at b; nothing when b <= a.
void Draw_Ellipse(double x, double y, double r, double a, double b);
// The closed outline through n points.
void Draw_Polygon(int n, const double* xs, const double* ys);
// A filled disc of radius r: one rectangle item per pixel row.
void Draw_Rectangle(double x, double y, double r);
// The filled polygon through n points (at most 256) as a user-drawn item.
// The field layer holds one such polygon: the last one drawn is shown.
void Draw_Polyline(int n, const double* xs, const double* ys);
// A dimension line between two points with arrowheads of 5 pixels.
void Draw_Dimension(double x1, double y1, double x2, double y2);

// The head of a factor table above the base line y: symbols (with their
// subscripts) centred in their columns at y - 31, units at y - 15 in grey,
// both in the inactive grey when active is 0, and a rule at y - 9 from the
// table's left edge across all columns.
void Draw_Factor_List(const Factor_List* table, int y, int active);
// The same head over the rows of the table t of the table service
// (dialogs/tables.h), taken from its record: in its area (made the field
// area), the base line at its first row, the columns moved so that the
// table's left edge is the rows' left edge. Nothing for a table that is not
// defined.
void Draw_Factor_List_over_Table(const Factor_List* table, int t, int active);
// The head with a column of row labels (grey 128, 128, 128) left of the
// table's left edge: label i ends 3 pixels before the edge, on the line 14
// pixels below the top of row i (rows of row_height from y down); the rule
// reaches over the labels. Null labels are left out.
void Draw_Factor_List_with_Row_Labels(const Factor_List* table, int y, int active, const char* const* labels,
                                      int count, int row_height);

#endif
