// Stand-in of the desktop's print-list layout library.
//
// The print-list writers call these to place text on the page of an open
// print list and to show print-list tables in a sheet. Here every layout
// call writes one keyword block into the open stream (forms listed in
// docs/printlist-layout.md), so that a print list can be read back and
// compared byte for byte. `MT_String_Length` gives the visible length of a
// marked-up text, which decides column positions of tables.
#ifndef PLATFORM_OLI_LAYOUT_H
#define PLATFORM_OLI_LAYOUT_H

#include <cstdio>

// Mode words of OLI_setYPositionCM (a move from the current position, or
// a position from the top) and OLI_setMarginsCM.
enum : int {
    OLI_Y_RELATIVE = 1,
    OLI_Y_ABSOLUTE = 4,
    OLI_MARGINS_RELATIVE = 1,
};

// Bookmark levels with a fixed meaning: the empty entry after an older
// heading, the entry of a heading that opens a bookmark level, and the
// entry that closes one.
enum : int {
    OLI_BOOKMARK_AFTER_OLD_HEADING = 15,
    OLI_BOOKMARK_OPENS_LEVEL = 16,
    OLI_BOOKMARK_CLOSES_LEVEL = 17,
};

// Layout calls. Each takes the open print-list stream first; a null stream
// writes nothing and gives 0. The result is 1 when the block was written, 0
// when the stream refused it. Distances are in cm.
int OLI_setYPositionCM(FILE* stream, int mode, double cm);
int OLI_setMarginsCM(FILE* stream, int mode, double left_cm, double right_cm);
int OLI_reserveSpaceCM(FILE* stream, double cm);
int OLI_storeYPosition(FILE* stream, int index);
int OLI_restoreYPosition(FILE* stream, int index);
int OLI_setBookmark(FILE* stream, int level, const char* text);
int OLI_setFlags(FILE* stream, int flags);
int OLI_setLayout(FILE* stream, int value);
int OLI_setConvertionFlags(FILE* stream, int value);
int OLI_pushMargins(FILE* stream);
int OLI_popMargins(FILE* stream, int flags);
int OLI_resetMaxMargin(FILE* stream);

// Visible characters of a marked-up print-list text: the escape byte 0xCE
// with the byte after it, and each group from 0xCE '{' to its '}', count
// nothing. A null text counts 0.
int MT_String_Length(const char* text);

// A print-list table read back from a "#SHOWTABLE" block.
#define OLI_TABLE_MAX_TITLES 3
#define OLI_TABLE_COLOUR_COUNT 8

struct OLITable {
    int title_counts[OLI_TABLE_MAX_TITLES];  // lines in the three title groups
    int title_line_count;
    char** title_lines;     // title lines without their leading blank
    int layout[4];          // first four numbers of the layout line
    int column_count;       // fifth number of the layout line, 0 when missing
    double* column_positions;  // column_count values, or null
    int row_count;
    char** rows;            // text lines without their leading blank
};

// Reads the next "#SHOWTABLE" block from the stream's current position.
// Returns a new table (free it with deleteOLITable), or null when the
// stream is null, holds no such block, the block is damaged (a count or
// layout number that no int holds, more columns than the position line has
// characters, fewer title lines than announced before the next keyword
// line or the end) or memory is exhausted. After a title count that ran
// into a keyword line the stream stands at that line, so the next call
// reads the block that follows. Lines may end with LF or CRLF.
OLITable* readOLITableFromFILE(FILE* stream);

// Frees a table from readOLITableFromFILE; null is ignored.
void deleteOLITable(OLITable* table);

// Shows a table in a sheet. Headless: records title, table size and sheet
// record (read back with OLI_Last_Table_Sheet) and returns 1; a null table
// gives 0 and records nothing.
int OLITablePropSheet(const char* title, int mode, const OLITable* table, const int* sheet);

// Colour set of the table sheets: OLI_TABLE_COLOUR_COUNT ints. get copies
// the current set into colours and gives 1 (0 for a null pointer); set
// takes a new set (null is ignored).
int getOLITableColours(int* colours);
void setOLITableColours(const int* colours);

// What the last OLITablePropSheet call was given (for tests and scripted
// sessions). shown is 0 until a table was shown.
struct OLITableSheetRecord {
    int shown;
    char title[128];
    int mode;
    int title_line_count;
    int row_count;
    int column_count;
    int sheet[13];
};
const OLITableSheetRecord* OLI_Last_Table_Sheet(void);

// Draws the tree-view picture `image` of an area item centred at (x, y) on
// the screen. The layout library's picture set is not on this platform: a
// picture given a look by Set_Tree_View_Picture is drawn from its bitmap;
// any other, or one whose bitmap cannot be read, is an 11 x 11 pixel frame
// around the centre in the colour. Both are clipped to the viewport like
// every px call, and the foreground colour is kept. It cannot fail; the
// call is recorded.
void Draw_TreeViewImage(int image, int x, int y, int colour);

// Gives the tree-view picture `image` its look: the width x height pixels
// from (sx, sy) of the bitmap `file` (named as pxDrawTransparentDIB takes
// it), drawn pixel for pixel with its top left at (x - width / 2,
// y - height / 2) and grey 192, 192, 192 left out. A later call for the
// same picture replaces its look; at most 16 pictures have one.
void Set_Tree_View_Picture(int image, const char* file, int sx, int sy, int width, int height);

// The last Draw_TreeViewImage call and the number of calls so far (for
// tests and scripted sessions).
struct OLITreeViewImageRecord {
    int count;
    int image;
    int x;
    int y;
    int colour;
};
const OLITreeViewImageRecord* OLI_Last_Tree_View_Image(void);

#endif
