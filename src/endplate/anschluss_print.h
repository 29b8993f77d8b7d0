// The print-out of a welded end-plate connection of the library: the
// contents entry, the title block with its sketch and material lines, the
// data block (profile, end plate, internal forces, weld sizes), the check
// block of the profile end and its welds, the EN 1993 annex chapter and the
// scaled drawing of the fillet-weld connection; and the steel grade lists
// of the library's sheets.
#ifndef ENDPLATE_ANSCHLUSS_PRINT_H
#define ENDPLATE_ANSCHLUSS_PRINT_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"

enum {
    GRADE_LIST_ROWS = 9,     // catalogue grades of the lists
    GRADE_ID_FIRST = 5,      // "S235 (St37)"
    GRADE_ID_LAST = 13,      // "S460 M/ML"
    GRADE_ID_USER = 14,      // own values ("benutzerdefiniert", list row 9)
};

// Appends the nine catalogue grades to a string list of the current sheet
// (colour BLACK_CI) and returns the row of the grade id (0 when the id is
// not among them).
int Fill_Steel_Grade_List(int list_id, int grade_id);
// The grade id of a list row; 5 for a row outside 0..8.
int Steel_Grade_By_Index(int index);

// The data block of the record into the open table of the print list.
// Values that are not finite numbers are written as 0.
void Print_Anschlussdaten(FILE *list, GeschweissterAnschluss *record);

// The whole print list of the connection. 1 when the print list cannot be
// opened (nothing is written), else 0. The section evaluation and the
// profile block are the program's services (endplate_services.h); without
// them, or for a record whose dimensions or forces are not usable, the
// checks table says that the proof cannot be made.
int Print_Stirnplattenanschluss(GeschweissterAnschluss *record);
// The same; 0 when the print list cannot be opened, else the result of
// closing it (0, or EOF).
int Print_Stirnplattenanschluss_Status(GeschweissterAnschluss *record);

// 1. The annex print chapters count their rules with it.
int Return_One(void);

// The name of the library's error table file, under the path prefix.
extern const char *const Anschluss_Error_File_Name;

#endif
