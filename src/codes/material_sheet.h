// The material register: the rows of a page through which the user chooses
// the grade of a plate or profile, switches to own values and edits them.
// Every field is bound straight to the caller's Materialparameter_Record;
// the caller runs Check_Material_Params after an edit and draws the page
// anew.
//
// Page contract (callers such as the weld program's input page): call the
// register while the page's scrollable view area is being filled, after
// clearing it; the register only adds items below *y and moves *y below
// its last row, keeps no state of its own between calls apart from the
// switch below, the records it showed with one pair of own strengths
// (Forget_Material_Sheet_Pairs) and the shared table of enable flags
// (Next_Register_Field_Flag: one flag is taken per call), and needs the
// screen colours and fonts of Init_Screen_Colors. The record must outlive
// the page's items. Columns from x: label, symbol at x + 172, field at
// x + 216, unit at x + 281. A value typed outside its range (negative, or
// beta_w outside 0.5 .. 1) is refused with a message and the field keeps its
// value.
#ifndef CODES_MATERIAL_SHEET_H
#define CODES_MATERIAL_SHEET_H

#include "codes/material.h"

// Option rows of the register.
enum { MATERIAL_ROW_BETA_W = 0x2, MATERIAL_ROW_E = 0x4, MATERIAL_ROW_ALPHA_T = 0x80 };

// 1: own steel values are edited per thickness range (three pairs); 0 (the
// start): one pair for every thickness.
extern int material_ranges_shown;

// Appends the rows at (x, *y) and sets *y below the last one: the grade
// choice ("Stahlsorte", or "Legierung" for aluminium; a grade outside the
// list of its kind is set to 0) with the check box "Vorgabe" for own
// values, the name ("Kennung"), with own values (and for stainless steel,
// grade 26 of the weld grade table, whose strengths are its own; the list
// shows it as "Edelstahl" where the record holds it, after the weld grade
// table's grades or after DIN's list) the strengths, then
// the rows that `flags` selects. `step` is the row height, `group_gap` the
// extra gap after each thickness-range pair; `unused` is not read. With
// active 0 every item is shown inactive (grey, not editable); colour is the
// text colour of an active register. Without own values the strengths are
// not shown. With own values and no ranges shown the pair is copied into
// the other two ranges and into the calculation values, unless those hold
// other values than the pair the register showed last (a file's ranges):
// the rows are then those of the ranges. Stainless steel shows one pair,
// its first range (the one its checks take), and keeps the others; its
// modulus and beta_w are its own too. Nothing for a null record or y.
void Draw_Material_Sheet(Materialparameter_Record* m, int area, int x, int* y, int step, int group_gap,
                         int unused, int active, int colour, int flags);
// Forgets which records the register showed with one pair of own
// strengths (their ranges then show as they stand), and a steel picked for
// a stainless record of DIN's list that no drawing has taken yet.
void Forget_Material_Sheet_Pairs(void);
// The same with material_ranges_shown 1 for this call (restored after it).
void Draw_Material_Sheet_Locked(Materialparameter_Record* m, int area, int x, int* y, int step, int group_gap,
                                int unused, int active, int colour, int flags);

// A row in the register's columns for a value the register's record does
// not hold but the check takes from it (the DIN weld factor alpha_w of a
// grade, say): label, symbol with index, and the value in format, shown in
// blue and not editable; *y moves one step down. The value must outlive
// the page's items. Nothing for a null y or value.
void Draw_Material_Shown_Row(int area, int x, int* y, int step, const char* label, const char* symbol,
                             const char* index, double* value, const char* format);

#endif
