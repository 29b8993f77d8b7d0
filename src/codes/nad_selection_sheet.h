// The sheet on which the user chooses the active national annex: every
// annex of the annex list with its flag, the built-in ones in blue; from the
// sheet the separate annex editor can be started, after which the list is
// read again. Beside it the flag drawing of an annex number and the small
// entry points through which the weld program and the end-plate library
// reach the annex system.
#ifndef CODES_NAD_SELECTION_SHEET_H
#define CODES_NAD_SELECTION_SHEET_H

#include <cstdio>

// Runs the modal selection sheet. It always ends with an activation: OK
// activates the annex last clicked, abbrechen (and the window's close
// request) the annex that was active when the sheet opened. The sheet keeps
// its centre between openings (the screen centre the first time). In batch
// mode no sheet opens: the title goes to stderr and nothing changes.
void NAD_Selection_Sheet();
// The warning that the annex a project names cannot be found: the name,
// that the checks are not carried out until an annex that exists is
// chosen, and a button that opens the selection sheet (run after the
// warning closes). OK or closing the window just ends it. The sheet keeps
// its centre between showings. Nothing in batch mode.
void NAD_Warning_Sheet(const char* requested);
// Fills the list area (a scrollable view area) of the selection sheet: one
// row per annex with flag and name (shortened with "..." for display when
// wider than 180 pixels), the active annex framed white, and a click area
// per row that picks it; a pick is taken over as the active name at the next
// fill. Nothing for an invalid area.
void Draw_NAD_Selection_List(int area);
// Draw callback of one list row: flag `id` of "%DATA%\NAD\EuroFlags.bmp"
// at (x1, y1), 25 x 19 pixels. Nothing without DATA.
void Draw_NAD_List_Flag(int x1, int y1, int x2, int y2, int id);
// Draws flag k of "NAD\EuroFlags.bmp" into the rectangle with the drawing
// mode `value` (201 stretches it over the rectangle); a k above 19 draws
// flag 17. Cannot fail (a missing bitmap is drawn as the stand-in's
// placeholder).
void Draw_EuroFlag(int x1, int y1, int x2, int y2, int value, int k);

// Entry points: both run NAD_Selection_Sheet.
void NAD_Selection_Entry();
void Open_NAD_Selection();
// Both forward to Print_NAD_Bridge_Factors_If_Used.
void Print_NAD_Bridge_Factors_Entry(FILE* f);
void Print_NAD_Bridge_Factors_Entry_2(FILE* f);

// Forgets the remembered centres, the pending pick and the colours, as at
// process start (for tests).
void Reset_NAD_Selection_Sheet();

#endif
