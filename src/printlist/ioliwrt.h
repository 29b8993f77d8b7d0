// Text writer of the print list: the page layout state (text width, margins,
// chapter counters, heading levels, bookmarks, stored positions), headings,
// one-line text writers, check lines, tabbed list lines and the table
// writers. Everything goes out through the paragraph writer (oli_para.h) and
// the layout library stand-in (platform/oli_layout.h); a text handed from
// one writer to another is written unchanged and never read again as a
// format. Every writer does nothing for a null stream.
#ifndef PRINTLIST_IOLIWRT_H
#define PRINTLIST_IOLIWRT_H

#include <cstddef>
#include <cstdio>

// The markup escape byte of print-list texts.
constexpr unsigned char OLI_MARKUP_ESCAPE = 0xCE;

#define OLI_MAX_LEVELS 6
#define OLI_POSITION_INDICES 10

// ---- writer state ----------------------------------------------------------

// Flags of Oli_Writer_Init: numbered headings put a blank (no tab, no
// hanging indent) between number and title; headings carry no number.
enum : int {
    OLI_WRITER_PLAIN_NUMBERS = 0x1,
    OLI_WRITER_NO_NUMBERING = 0x2,
};

// Starts the state for a new print list: counters 0, used levels
// min(levels, 6), level kinds and indent steps, bookmark level, switches
// from the OLI_WRITER_* flags. Cannot fail. Also frees the
// stored-position indices and resets the paragraph writer, so that nothing
// of an earlier list is carried into this one.
void Oli_Writer_Init(int levels, int kind, int flags);
// Level kinds 1 .. used levels := kinds[0 ..] (kinds must hold that
// many); all six indent steps recomputed (0.28 for kind 1, else 0.48).
void Oli_Set_Level_Kinds(const int kinds[]);
// Headings up to this level get a bookmark entry.
void Oli_Set_Bookmark_Depth(int depth);
// Bookmark levels are closed and opened for headings up to this level.
void Oli_Set_Bookmark_Max_Level(int level);
// Closes the open bookmark levels (one level-17 entry each); the last
// bookmark level is kept. Nothing for a null stream.
void Oli_Close_Bookmarks(FILE* stream);
// Chapter counters; a level outside 1..6 is taken as the nearer of them.
int Oli_Get_Chapter_Counter(int level);
void Oli_Set_Chapter_Counter(int level, int value);
void Oli_Next_Chapter_Counter(int level);
// The last heading number ("2.1."), or null while numbering is off.
const char* Oli_Get_Heading_Number(void);
void Oli_Numbering_Off(void);
void Oli_Numbering_On(void);
// Usable width of a line in cm (17.0 at start).
double Oli_Get_Text_Width(void);
void Oli_Set_Text_Width(double cm);
// Store the margin (as a float) in any case and hand both margins to the
// layout library; a null stream writes nothing.
void Oli_Set_Left_Margin(FILE* stream, double cm);
void Oli_Set_Right_Margin(FILE* stream, double cm);
float Oli_Get_Left_Margin(void);
float Oli_Get_Right_Margin(void);
// Characters of a line in the font (codes above 10 count as 96) at the
// current left margin, rounded half away from zero.
int Oli_Chars_Per_Line(int font_code);
int Oli_Chars_Per_Line_Current(void);
// Font code of text lines (7 at start).
void Oli_Set_Font_Code(int code);
int Oli_Get_Font_Code(void);
// Font code of tabbed list lines and column lists (7 at start).
void Oli_Set_Line_Font_Code(int code);
int Oli_Get_Line_Font_Code(void);
// While on, text lines drop the trailing zeros of decimal numbers.
void Oli_Set_Strip_Zeros(int on);
int Oli_Get_Strip_Zeros(void);
// Vertical moves by n lines of 0.38 cm, by cm, or to the top; space
// reserved for n lines (or small lines of 0.286 cm). Nothing for a null
// stream; nothing to fail.
void Oli_Move_Lines(FILE* stream, double n);
void Oli_Move_Y(FILE* stream, double cm);
void Oli_Y_To_Top(FILE* stream);
void Oli_Reserve_Lines(FILE* stream, double n);
void Oli_Reserve_Small_Lines(FILE* stream, double n);
// Lowest free index 0..9, stored through the layout library; -1 for a null
// stream or when all ten are in use (then a console line in verbose mode).
int Oli_Store_Y_Position(FILE* stream);
// Returns to a stored position and frees its index; an index that is not
// in use is only freed, one outside 0..9 or a null stream does nothing.
void Oli_Restore_Y_Position(FILE* stream, int index);
// The same without freeing the index.
void Oli_Return_To_Y_Position(FILE* stream, int index);
// Frees an index (outside 0..9: ignored) or all ten.
void Oli_Free_Position_Index(int index);
void Oli_Reset_Position_Indices(void);
// Hanging indent of numbered headings in cm, from the used levels and
// their indent steps.
double Oli_Hanging_Indent(void);

// ---- headings, text lines, check lines ----------------------------------------
// All of them format printf-style into at most 255 characters and write the
// result unchanged; none reports a failure (the paragraph writer's results
// are not passed on).

// A numbered heading of the level with bookmark bookkeeping; level 0 is a
// plain title without counter or bookmark. Nothing at all for a null
// stream or a level below 0.
void Oli_Heading(FILE* stream, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The same, its bookmark entry at the given bookmark level and no
// bookmark levels closed or opened.
void Oli_Heading_Bookmark(FILE* stream, int level, int bookmark_level, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// The same without bookmark entry.
void Oli_Heading_Simple(FILE* stream, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
// Oli_Heading that writes no heading: counters, used levels, bookmarks and
// the move after a level-1 heading as for a written one.
void Oli_Heading_Silent(FILE* stream, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The heading writer the four above call: counters and used levels always
// change; with a stream the margins, moves, bookmark and the heading
// paragraph follow (older forms below list version 335). The title (null:
// "") is never read as a format.
void Oli_Chapter_Heading(FILE* stream, int level, const char* title, int with_bookmark, int bookmark_level);
// The heading of a list of a version below 335, which Oli_Chapter_Heading
// takes instead: the number and title as text records of a small picture.
// Counters change as for Oli_Chapter_Heading; a null stream writes nothing.
void Oli_Chapter_Heading_Old(FILE* stream, int level, const char* title, int with_bookmark, int bookmark_level);

// One text line in the text font (trailing zeros dropped while switched
// on; the bytes 0xFD and 0xFA become superscript 2 and 3); an empty text
// gives a line holding only the blank. Nothing for a null stream.
void Oli_Text_Line(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Oli_Text_Line of the text; with ok 0 the failure mark at the right edge.
void Oli_Text_Line_Check(FILE* stream, const char* text, int ok);
// One paragraph in font mode 3; nothing while the paragraph output switch
// is off or for a null stream. Oli_Text_Small writes whatever the switch
// and leaves it as it was.
void Oli_Text_Paragraph(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Oli_Text_Small(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// One paragraph in font mode 5; nothing for a null stream.
void Oli_Text_Big(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The first line of the program's version file (else "NAME Version: ???")
// as a small paragraph at the right edge; the left margin is put back.
void Oli_Version_Line(FILE* stream, const char* program_name);
// The text at one tab stop (position in cm) in the text font, as its own
// paragraph; nothing for a null stream.
void Oli_Text_At_Tab(FILE* stream, double position, const char* text);
void Oli_Text_At_Tab_Printf(FILE* stream, double position, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Comparison signs at a number of decimals: '=', '>' or '<'; with a
// tolerance also the approximately-equal byte 0xF7.
char Compare_Sign_Tol(double a, double b, int decimals, double tolerance);
char Compare_Sign(double a, double b, int decimals);
// "value sign limit [unit]" with an optional named second part; one static
// buffer, overwritten by the next call.
const char* Compare_Text_Tol(double a, double b, int decimals, double tolerance, int mode, const char* name,
                             const char* unit);
// "value sign limit", plus the named limit when the operator's check fails,
// into out (out_size bytes, always terminated, cut when too small). Returns
// out.
char* Compare_Text_Op(const char* name, double a, const char* op, double b, int decimals, char* out,
                      size_t out_size);
// Writes a check line; 1 when the check is met, 0 when it failed.
int Oli_Check_Line(FILE* stream, const char* before, double value, const char* op, double limit, int decimals,
                   const char* after, const char* when_met, const char* when_failed);

// Length without trailing blanks; 0 for null.
int Trimmed_Length(const char* text);
// Whether the markup switch (e.g. "╬b"_cp) is open at place, a pointer
// into text (the text before place is looked at).
int Markup_Is_Open(const char* text, const char* markup_switch, const char* place);
int Markup_Is_Subscript_Open(const char* text, const char* place);
int Markup_Is_Superscript_Open(const char* text, const char* place);
int Markup_Is_Underscore_Open(const char* text, const char* place);
int Markup_Is_Bold_Open(const char* text, const char* place);
int Markup_Is_S_Open(const char* text, const char* place);
// Replaces each pattern by the replacement and reopens the switches open
// there; the text (size bytes) holds at most size - 1 characters after it.
void Replace_With_Markup(char* text, const char* pattern, const char* replacement, size_t size);

// Tabbed list lines. None can fail; the caller's arrays and texts are
// never modified, and texts are never read as formats (only format_a and
// format_b are, each with its one double).
//
// Starts a list of n cells per line with tab stops at the positions (a
// first position that rounds to 0 puts the first cell at the margin,
// without a tab); n <= 0 with such a first position, or null positions,
// switches the list off.
void Oli_List_Tabs(int n, const double positions[]);
void Oli_List_Tabs_2(double x1, double x2);
void Oli_List_Tabs_3(double x1, double x2, double x3);
// The next cell of the active list (the last one ends the line); nothing
// while no list is active.
void Oli_List_Cell(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Three cells: two texts and a formatted third.
void Oli_List_Row_3(FILE* stream, const char* cell1, const char* cell2, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
// Three cells, the third "a sign b" with the caller's number formats.
void Oli_List_Compare_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a,
                          char sign, const char* format_b, double b);
// As Oli_List_Compare_Row; with ok 0 the numbers bold, the remark after
// them and the failure mark at the right edge.
void Oli_List_Check_Row(FILE* stream, const char* cell1, const char* cell2, const char* format_a, double a,
                        char sign, const char* format_b, double b, int ok, const char* remark);
// Space of n lines before the next paragraph.
void Oli_List_Space(FILE* stream, double n);
// Ends the list's paragraph and clears the list state.
void Oli_List_End(FILE* stream);

// ---- table writers -----------------------------------------------------------

// Option flags of the general table writer.
enum : int {
    OLI_TABLE_NO_THIRD_HEAD = 0x1,  // no third head line (the head texts)
    OLI_TABLE_NO_MOVE = 0x4,        // no move of 0.1 cm before the table
    OLI_TABLE_LAYOUT_TAIL = 0x8,    // " 0 0 0 0 0 0 0 2" ends the layout line
    OLI_TABLE_LONG_FLAGS = 0x40,    // long-table list flags before, normal ones after
    OLI_TABLE_NORMAL_FLAGS = 0x400, // normal list flags before the table
};

// List flags (OLI_setFlags) set around a general table.
enum : int {
    OLI_LIST_FLAGS_LONG_TABLE = 0x280,
    OLI_LIST_FLAGS_NORMAL = 0x380,
};

// Bit of a column flag word of the table options: the column is shown in
// this table (when its record's visible word is set too).
enum : int { OLI_COLUMN_SHOWN = 0x1 };

// One column of the general table writer. With a second head row a title
// "Group=Title" puts Group over the column in the second head row and
// Title in the first; a title that begins with "=" joins its column to the
// group of the column before it. Without a second head row the title is
// written as it is.
struct OliTableColumn {
    char title[101];     // column title
    char head[76];       // head text (third head line), default "Nr"
    char type[5];        // "TXT", "CHAR", "GEW", "ZZ" or a unit text
    int width;           // characters, default 4
    double start;        // first running number of a "ZZ" column (0: 1)
    int decimals;        // -1: as the number needs
    double factor;       // values are multiplied by it, default 1.0
    int underline;       // "ZZ": underlined numbers
    int frame;           // frame line after each row of this column
    int reserved[3];
    int visible;         // default 1
};

// One cell of the general table writer, by column type: text for "TXT"
// and "CHAR", value for numbers, count/bar/bundle for "GEW". A cell with a
// remark name adds its remark to the table remarks (Table_Remark_Add).
struct OliTableCell {
    const char* text;
    double value;
    int count;
    int bar_code;        // 0..11
    int bundle;
    int remark_key;
    const char* remark_name;  // null: no remark
    const char* remark_text;
};

// Title lines of a table: counts of the three groups and their lines.
struct OliTableTitle {
    int counts[3];
    const char* const* lines;
};

// The option words of Oli_Table.
struct OliTableOptions {
    int flags;           // OLI_TABLE_* bits
    int* column_flags;   // one word per column, OLI_COLUMN_SHOWN
    int note_count;      // no note texts pass through Oli_Table: unused
    int start_number;    // first running number of "ZZ" columns (0: theirs)
    int mark;            // row count for the long-table flags; -1: the table mark
    int second_head;     // not 0: a second head row is written
    int reserved;
};

// Row of the listing table: name, unit and one value per column. A row
// whose unit is a column type ("TXT", "CHAR", "GEW", "ZZ") takes its cells
// from cells (null: empty cells) and numbers its "ZZ" cells 1, 2, ...
struct OliSimpleRow {
    const char* name;
    const char* unit;
    const double* values;
    int decimals;
    const OliTableCell* cells;
};

// 0 for a column whose type begins with "TXT" or "GEW" or is "CHAR" or
// "ZZ", else 1 (also for null).
int Column_Type_Invalid(const OliTableColumn* column);
// Grows *columns to count records with the defaults and remembers the
// array as the one Oli_Table writes with; returns the array. A count below
// 1 changes nothing and returns *columns; exhausted memory returns null
// with *columns unchanged.
OliTableColumn* Oli_Init_Columns(int count, OliTableColumn** columns);
// Frees *columns and sets it to null; null is ignored.
void Oli_Free_Columns(OliTableColumn** columns);
// Records of the array Oli_Init_Columns grew last (0 once it was freed).
int Oli_Columns_Allocated(void);
// The default options: flags 0, one OLI_COLUMN_SHOWN per column, mark -1.
// 1, or 0 for null options or exhausted memory (options then hold no array).
int Oli_Init_Table_Options(OliTableOptions* options, int columns);
// Frees the column flags of options; null is ignored.
void Oli_Free_Table_Options(OliTableOptions* options);
// Adds a remark (name cut to 9, text to 199 characters). 1 added, 0 when
// an entry with the same key or name exists (the list is then unchanged).
int Table_Remark_Add(int key, const char* name, const char* text);
int Table_Remark_Count(void);
// Empties the remark list and frees it.
void Table_Remarks_Clear(void);

// Writes a general table: columns x rows cells (row by row), the column
// flags (null: all shown), the records, title lines, OLI_TABLE_* flags and
// the note lines; start_number (not 0) restarts the "ZZ" columns, mark
// (not -1) replaces the table mark for this table, second_head asks for
// the second head row. The note lines follow the table, then the collected
// table remarks ("name text"), after which the remark list is empty. 0
// written (or nothing to write: null stream, no column, no row); -1 when
// fewer column records were allocated than columns asked for, and then
// nothing is written. Neither cells nor column records are modified.
int OliTabelle(FILE* stream, int columns, int rows, const OliTableCell* cells, const int* column_flags,
               const OliTableColumn* column_records, const OliTableTitle* title, int flags, int note_count,
               const char* const* notes, int start_number, int mark, int second_head);
// OliTabelle over the column array that Oli_Init_Columns grew last, with
// the words of the options (defaults made and freed when options is null;
// nothing is written when they cannot be made). Without a grown array it
// is refused as OliTabelle refuses too few column records.
void Oli_Table(FILE* stream, int columns, int rows, const OliTableCell* cells, const OliTableOptions* options);
// The listing table: row name, unit, then the values; columns placed from
// the visible lengths of names, units and cell texts. Nothing for a null
// stream, no row, no column or no rows. The rows are never modified.
void Oli_Simple_Table(FILE* stream, int rows, int columns, const OliSimpleRow* row_records);
// Cell text of value `column` of a listing-table row by the column type
// (null: the row's unit), as Oli_Format_Table_Cell gives it; width 0 gives
// the text as long as it needs, decimals -1 the row's. Returns out (always
// terminated, cut to out_size - 1); the row is never modified.
char* Oli_Format_Cell(const char* type, const OliSimpleRow* row, int column, const double* values, int width,
                      int decimals, char* out, size_t out_size);
// Cell text of row `row` of a general-table column, padded to the column
// width. Returns out (always terminated, cut to out_size - 1).
char* Oli_Format_Table_Cell(const OliTableColumn* column, int row, const OliTableCell* cell, char* out,
                            size_t out_size);
// Visible length with sub- and superscript characters counting 0.8,
// rounded; 0 for null.
int Visible_Length_Sub_Sup(const char* text);
// The row count from which OliTabelle sets the long-table list flags (100
// at start).
void Oli_Set_Table_Mark(int mark);
// Copies at most 99 characters into one static title buffer and returns
// it; null gives "". Each call overwrites the previous title.
const char* Oli_Set_Table_Title(const char* text);
// The title stored last ("" before any), never null.
const char* Oli_Get_Table_Title(void);

// ---- pages -------------------------------------------------------------------

// Opens the component's print list (file base + Print_List_Suffix) for
// writing, starts a clean writer and writes the contents head. The stream or
// null.
FILE* Open_Contents_Page(const char* number, const char* text, int no_new_page);

#endif
