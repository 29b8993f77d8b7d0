// The two page builders of the weld program's connection input page: the
// plate rows (thickness, width, length of a Blech_Record, optionally its
// material register) and the safety-factor rows "Materialsicherheit" of a
// Sicherheitsbeiwerte_Record.
//
// Page contract (the weld program's input page, and any page like it):
// call a builder while the page's scrollable view area is being filled,
// after clearing it and with the screen colours and fonts of
// Init_Screen_Colors set. A builder only adds items from *y down and moves
// *y below its last row; it keeps no state between calls. Its fields edit
// the caller's record in place (the record must outlive the page's items);
// the caller takes the values over (and runs its data checks) after the
// sheet's edit and builds the page anew after every event. Whether a field
// can be edited is decided by the shared table of enable flags
// (Next_Register_Field_Flag), of which each builder takes its flags as
// described below; the caller resets that table before it builds the
// register. A value typed outside its range (any negative value) is
// refused with a message, and the field keeps the value it had.
#ifndef CODES_BLECH_PAGES_H
#define CODES_BLECH_PAGES_H

#include "codes/blech.h"
#include "codes/sicherheit.h"

// Rows of Draw_Plate_Sheet.
enum { PLATE_ROW_MATERIAL = 0x01, PLATE_ROW_LENGTH = 0x10, PLATE_ROW_WIDTH = 0x20, PLATE_ROW_THICKNESS = 0x40 };

// The plate rows at (x, *y), in the order thickness (64), width (32),
// length (16), each "%6.1f" in mm with its symbol t, b or l and the
// subscript text (for instance "p") in the small font; then, with bit 1,
// the plate's material register (Draw_Material_Sheet with the same context
// and the rows bits). One enable flag is taken before the rows (1 when
// enabled) and one after them. word1 and word2 are handed to the material
// register. Nothing for a null plate or y.
void Draw_Plate_Sheet(Blech_Record* plate, int area, int x, int* y, int step, int word1, int word2, int enabled,
                      int colour, int rows, const char* subscript);

// The heading "Materialsicherheit" with the check box "genormt)" on the
// record's from_annex flag, then one row per factor that the mask selects
// (0: all but gamma_M5; the weld program passes 6: gamma_M0 and gamma_M2):
// label, gamma with its subscript, a "%6.2f" field. layout 0 is compact
// with short labels, above 0 long labels with dotted leaders, below 0 short
// labels in the wide columns. The factors can be edited only while the
// page is enabled and the record does not follow the annex; they are shown
// in blue when not editable in a layout other than 0. Enable flags: one for
// the heading (enabled), one for the rows (enabled and own values), one at
// the end (enabled). Returns the new y (also stored in *y); y unchanged and
// result 0 for a null record or y.
int Draw_Safety_Factors_Sheet(Sicherheitsbeiwerte_Record* factors, int area, int x, int* y, int step, int word1,
                              int word2, int enabled, int mask, int layout);

#endif
