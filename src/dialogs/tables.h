// Tables on scrollable view areas: lists of fixed-size row records shown one
// under the other in an area, with icons to delete and duplicate a row, a
// line to append one, optional row numbers and optional column icons with a
// column menu (sort, fill).
//
// The service owns the rows: each is a heap copy of the caller's record.  A
// table lives in one of 55 slots and is addressed by its slot number; every
// call taking a slot ignores a number outside 0..54 or a free slot and
// returns 0 or null.  All state is process-wide; nothing is re-entrant.
//
// A user's life: Define_Table_in_Scrollable_Area, Set_Table_Template_Row,
// Set_Table_Part_Offset, Append_Table_Row for each row; on every redraw
// Fill_Table_Area after the area was cleared; for an event in the area
// Edit_Table (2 means the rows changed: rebuild); finally read the rows with
// First_Table_Row / Next_Table_Row and Release_Table.
#ifndef DIALOGS_TABLES_H
#define DIALOGS_TABLES_H

enum { SHEET_TABLE_COUNT = 55 };

// Parts of a table that Set_Table_Part_Offset switches on.
enum { TABLE_PART_DELETE = 1, TABLE_PART_DUPLICATE = 2, TABLE_PART_APPEND = 3,
       TABLE_PART_NUMBER = 4 };

// Adds the items of one row to the area at positions relative to (x, y);
// called as function(1, area, x, y, row data) (mode 2: the items are only
// painted and removed at once, see Set_Table_Window_Mode).  Its result is
// not used.
typedef int (*Table_Row_Function)(int mode, int area, int x, int y, void *row);

// One row: its data (row size bytes, owned by the node) and the list links.
struct Sheet_Table_Row {
    void *data;
    Sheet_Table_Row *prev;
    Sheet_Table_Row *next;
};

// One column with an icon and a menu.
struct Sheet_Table_Column {
    char format[36];   // printf format of the column's values (at most 35 characters)
    int x, y;          // centre of the icon, content coordinates
    int extra;         // kept for the caller
    int offset;        // byte offset of the column's double inside a row record
    int sortable;      // "Spalte sortieren" offered
    int fillable;      // "Spalte belegen" offered
    Sheet_Table_Column *next;
};

// Offset of a shown part from the row's (or the append line's) position.
struct Sheet_Table_Part {
    int set;
    int dx, dy;
};

struct Sheet_Table {
    int defined;
    int area;            // slot of the scrollable view area
    int reserved;
    int row_count;
    int row_size;        // bytes of one row record
    int y;               // top of the first row, content coordinates
    int x, x2;           // left and right edge of the rows
    int row_height;
    int append_request;  // set to 1 by the append line's click area
    int row_limit;       // 0: none; else duplicate/append only below it
    Sheet_Table_Part part[4];  // delete, duplicate, append, row number
    // Requests are set by the click areas of the last fill.  A click area can
    // only store an int, so they hold 1-based row (column) numbers, 0 for none.
    int delete_request;
    int duplicate_request;
    Table_Row_Function row_function;
    Sheet_Table_Column *first_column, *last_column;
    int clicked_column;
    Sheet_Table_Row *template_row;  // standalone: neither linked nor counted
    Sheet_Table_Row *first_row, *last_row;
    Sheet_Table_Row *cursor;
    // Window mode (Set_Table_Window_Mode): only the rows in view are items
    // of the area, between two markers; the rows scrolled into view in
    // between are painted from their data.
    int windowed;
    int window_first, window_last;  // 1-based rows that are items now (0, -1: none)
    int change_count;               // changes of the row list made by the service
    Sheet_Table_Row **index;        // rows by position while index_valid
    int index_valid;
};

// The record of slot t for inspection, or null for a bad number.  A free
// slot's record is returned too (defined 0).
const Sheet_Table *Sheet_Table_Record(int t);

// Takes the first free slot for a table in the area and sets its fields (all
// others 0).  Returns the slot, -1 when all 55 are used (or row size < 1).
int Define_Table_in_Scrollable_Area(int area, int y, int x, int x2, int row_height, int row_size,
                                    Table_Row_Function function);
// Appends a copy of row size bytes of row.  Returns 1, 0 when nothing was
// appended (bad slot, null row, no memory: the table is unchanged).
int Append_Table_Row(int t, const void *row);
// Sets the template of appended rows (copied).  Returns 1, or 0 with the
// table unchanged.
int Set_Table_Template_Row(int t, const void *row);
// Shows part 1..4 at the offset; other part numbers are ignored.
void Set_Table_Part_Offset(int t, int part, int dx, int dy);
// Duplicating and appending are offered only while row count < n (0: always).
void Set_Table_Row_Limit(int t, int n);
// Puts the rows, icons, append line and column icons into the area.
void Fill_Table_Area(int t);
// Handles a click in the table: 0 not in the table (or no click), 1 handled
// without a change of rows, 2 rows were deleted, duplicated or appended.
int Edit_Table(int t);
// Row iteration: data of the first / next row, null at the end.
void *First_Table_Row(int t);
void *Next_Table_Row(int t);
// The data of row n (1-based), null when there is none.  Constant time
// once the row list has not changed since the last look-up.
void *Table_Row_Data(int t, int n);
// How often the service itself changed the row list (appended, deleted,
// duplicated rows, sorted or filled a column, freed the rows): a caller
// that keeps a copy of the rows compares it to know whether to copy anew.
int Table_Change_Count(int t);
// Window mode on (1) or off (0): Fill_Table_Area puts only the rows in
// view (and one row beside them) into the area as items, the table's
// extent as one painted item that draws the rows scrolled into view from
// their data, so that filling, drawing and clicking cost the same for 50
// rows as for 50000.  Edit_Table puts the rows in view into the area before
// it looks at a click.  The row function is called with mode 2 for a row
// that is only painted.
void Set_Table_Window_Mode(int t, int on);
// Number of rows; 0 for an unknown table.
int Table_Row_Count(int t);
// 1-based position of the row whose data is `row`; 0 when none.
int Table_Row_Number(int t, const void *row);
// Frees rows, template and columns, forgets every pending request, frees the slot.
void Release_Table(int t);
// Releases every defined table of the area.
void Undefine_Tables_of_Sheet(int area);
// Frees every row (template and columns stay); pending row requests are forgotten.
void Delete_All_Table_Rows(int t);
// Moves the table (and its columns) so that its rows start at (x, y).
void Move_Table(int t, int y, int x);
// Appends a column (flags bit 0 sortable, bit 1 fillable; null format
// "%14.8f", longer formats cut to 35 characters).  Returns it, null on failure.
Sheet_Table_Column *Add_Table_Column(int t, int x, int y, int extra, int flags,
                                     const char *format, int offset);

// Actions of the column menu; they work on the table and column whose icon
// was clicked and do nothing outside that menu.  They return 0.
int Sort_Table_Column_Ascending(void);
int Sort_Table_Column_Descending(void);
int Fill_Table_Column(void);

#endif
