// The load-case table of the load-case page: one row per load case with
// the six internal forces in the unit pair the user chose and the case's
// name, built from the connection record, edited on the dialog toolkit's
// table service (add, duplicate, delete rows; sort a force column; scroll)
// and stored back into the record; and the actions of the page's buttons
// (import from a component, the information about the last import, a
// control-word text file, clearing the table).
//
// The record holds forces in N and moments in Nmm; a row holds them in the
// display unit of the record's unit code (0 kN/kNm, 1 kN/kNcm, 2 N/Nm,
// other N/Nmm). The table lives from one pass of the page to the next. Each
// pass hands the table's edits to the record (only the rows that can have
// been edited since the last pass: those put into the page as fields), so
// a pass costs the same for 50 and for 50000 load cases; a change of the
// rows as a whole (rows added, duplicated, deleted, sorted, a file read, the
// table cleared) is stored as a whole. A change of the unit code builds the
// table anew in the new unit, so values keep their physical meaning.
//
// Whoever replaces the record's load cases while the page shows a table
// (an import, say) goes through Put_Lastfaelle_to_Lasttabelle, or calls
// Store_Lasttabelle first; a record whose load-case array or count changed
// behind the table's back is taken as it is at the next pass (the table is
// built anew from it).
#ifndef WELDAPP_LASTTABELLE_H
#define WELDAPP_LASTTABELLE_H

#include "weldapp/last_schweissnaht.h"

struct SchweissnahtAnschluss;

enum {
    LASTTABELLE_MAX_ROWS = 10000,     // most rows the user can add; most cases of one file read
    LASTTABELLE_NAME = 40,            // characters of a name in a row
    LASTTABELLE_ROW_HEIGHT = 22,
    LASTTABELLE_CELL_ROOM = 8,        // characters a force's cell shows (a wider value: with an exponent)
};

// What a force's cell takes (column 0 .. 5 in the order of LASTFALL_COLUMNS,
// unit code as the record's): the factor from the cell's unit to N or Nmm,
// and the decimal places it keeps, those of a hundredth of a newton (or
// newton-millimetre). So a value the table takes is one the input file keeps
// (six places of N and Nmm), and never so small that its case would count
// as one without load. Each cell takes at most LASTFALL_MAX_FORCE in N or
// Nmm.
double Lasttabelle_Column_Factor(int unit, int column);
int Lasttabelle_Column_Decimals(int unit, int column);
// 1 when each of the six is a number of at most LASTFALL_MAX_FORCE (N, Nmm)
// in magnitude: what the table and the input file take; else 0.
int Lasttabelle_Forces_Storable(const Schnittkraefte& forces);

// One row of the table: the name padded with blanks to 40 characters, then
// the forces in the display unit (the columns in the order of
// LASTFALL_COLUMNS). It has the size of a Lastfall.
struct Lasttabelle_Zeile {
    char name[LASTFALL_NAME_SIZE];
    Schnittkraefte forces;
};

// The requests of the page's buttons: a button sets its int to 1, and
// Edit_Lasttabelle carries out the first one set, in this order, and
// clears it.
struct Lasttabelle_Requests {
    int import_component;  // "Schnittgrößen aus Bauteil importieren"
    int import_info;       // the information about the last import
    int read_text_file;    // "Schnittgrößen aus Text-Datei einlesen"
    int clear_table;       // "Tabelle löschen"
};
extern Lasttabelle_Requests Lasttabelle_Request;

// The services of the shell and of the import that the actions use; the
// window path installs them at start-up (tests install their own). A
// missing service: its action does nothing, except the question sheet,
// without which the text-file read asks for its file at once.
typedef void (*Lasttabelle_Text_Callback)(int area, int x, int* y, void* user_data);
struct Lasttabelle_Services {
    // The question sheet (kind, width, height, help key, user data, text
    // callback): 1 for OK, 0 for Break.
    int (*question_sheet)(int kind, int width, int height, const char* help_key, void* user_data,
                          Lasttabelle_Text_Callback text);
    // The import from a component into the record (its load cases stored
    // from the table beforehand): the number of cases taken, 0 for none.
    int (*import_component)(SchweissnahtAnschluss* record);
    // The lines of the import protocol and their text callback.
    int (*count_protocol_lines)(void);
    Lasttabelle_Text_Callback protocol_text;
};
// Copies the services; null removes them all.
void Set_Lasttabelle_Services(const Lasttabelle_Services* services);

// The page's pass: the unit picture and the sign-convention picture at
// (x, *y) of the area, the previous pass's edits into the record, and the
// table for the record 70 pixels below *y (built anew when there is none,
// when the unit code changed or the record's cases were replaced behind the
// table's back).
void Draw_Lasttabelle(SchweissnahtAnschluss* record, int area, int x, int* y);
// Puts the built table into the page's area and makes it the page's table.
void Update_Lasttabelle(void);
// Replaces *cases (freed) by count = max(rows, 1) load cases made from the
// table's rows, converted from the unit the table was built in to N and
// Nmm, names padded with blanks to 40 characters. A table without rows
// gives one case with a blank name and no load. Out of memory: the program
// ends. Nothing for an unknown table or null pointers.
void Lasttabelle_to_Record(int table, int* count, Lastfall** cases);
// Stores the page's table into the record and removes it (before every
// evaluation, print, save and export). Returns the table's id, or -1 when
// the page has no table (the record is unchanged then).
int Store_Lasttabelle(SchweissnahtAnschluss* record);
// The row function of the table: six "%8.2f" fields and the name field.
// Returns 1.
int Draw_Lasttabelle_Row(int mode, int area, int x, int y, void* row);
// The action handler of the page's working area: 0 when the page has no
// table or the event was not the table's, -1 when an action ran or the
// table handled the event (draw the page again), 2 when rows were added,
// duplicated or deleted.
int Edit_Lasttabelle(void);

// How Put_Lastfaelle_to_Lasttabelle places the cases.
enum {
    LASTTABELLE_APPEND = 0,      // after the existing cases
    LASTTABELLE_FILL_EMPTY = 1,  // into the cases without load at the top first, the rest appended
    LASTTABELLE_REPLACE = 2,     // instead of all existing cases
};
// Puts n load cases (N and Nmm, the record's field order) into the
// record's load cases, through the page's table while it shows one (the
// table is built anew at the next pass). The results are cleared when the
// count changes. Returns the record's new count, or -1 with nothing changed
// for a null argument, n < 1, or more than 10000 cases afterwards. Out of
// memory: the program ends.
int Put_Lastfaelle_to_Lasttabelle(SchweissnahtAnschluss* record, const Lastfall* cases, int n, int mode);

// The page's state as at start-up: no table (the built one released), no
// requests, no services (for tests).
void Reset_Lasttabelle(void);
// The id of the table built last, -1 for none (for tests).
int Lasttabelle_Table_Id(void);

#endif
