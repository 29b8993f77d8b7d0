// Collection lists of the print list: eleven lists (0 to 10) into which a
// report or the message service gathers lines, written out in one, two or
// three columns, as plain text lines in one of five styles, or framed.
//
// A line that holds only blanks (compared over at most 99 characters) is a
// blank line; a line that begins with "+" continues the one before (the
// text after the "+" is written). The lists live for the whole run; a list
// is used from Oli_List_Open until it is written, which closes it.
//
// Lines are never cut: a line of more than 299 characters or one holding a
// line break is refused with a message (oli_checks.h) and not added.
#ifndef PRINTLIST_OLI_COLLECT_H
#define PRINTLIST_OLI_COLLECT_H

#include <cstdio>

enum {
    OLI_COLLECT_LISTS = 11,
    OLI_COLLECT_LINES = 100,
    OLI_COLLECT_LINE_MAX = 299,
};

// Styles of Oli_Message_List for lists of one column.
enum {
    OLI_STYLE_PLAIN = 0,      // " text"
    OLI_STYLE_BULLET = 1,     // a raised "o" before each line
    OLI_STYLE_NUMBERED = 2,   // the line's number (0-based) before it
    OLI_STYLE_WARNING = 3,    // " >>> text !"
    OLI_STYLE_PARAGRAPH = 4,  // each line a small paragraph
};

// Opens list k (0..10; others: nothing): enabled, empty; its column mode
// stays. The _2Col and _3Col forms store the spacing values (first: the
// first tab stop, 0 for none; then the column spacings in characters) and
// set the column mode 2 or 3; refused when a value is not finite.
void Oli_List_Open(int k);
void Oli_List_Open_2Col(int k, double first, double spacing_2);
void Oli_List_Open_3Col(int k, double first, double spacing_2, double spacing_3);
// The enable word of list k; 0 for a list never opened or k outside 0..10.
int Oli_List_Is_Open(int k);
// Adds the formatted line to list k (nothing while it is not open; a
// refusal, told once, when it holds 100 lines). A line of blanks only
// (or empty) is a blank line. The widest line is kept for the frame's
// width: in column mode 2 from every second line with the two-column
// spacing added, in mode 3 from every third with the three-column spacing,
// else from every line.
void Oli_List_Add(int k, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Line i (taken within 0..99) of list k, or "?????" when the list is not
// open. Never null.
const char* Oli_List_Line(int k, int i);
// Text and blank lines of list k; 0 for k outside 0..10.
int Oli_List_Line_Count(int k);

// Writes list k in the style (column mode 1) or as a tabbed list (modes 2
// and 3) and closes it; the column mode goes back to 1. Nothing for a list
// that is not open; a null stream only closes it.
void Oli_Message_List(int k, int style, FILE* stream);
// Writes list k inside a frame drawn as a picture, 0.3 cm in from the left
// margin; width in cm (negative: the widest line times 0.18 cm). 0 when
// written; -1 for a null stream, a list that is not open or a width that is
// not a finite number (nothing written; a null stream still closes the
// list).
int Oli_List_Write(FILE* stream, int k, double width);
// The same with the smaller line pitch and every line a small paragraph.
int Oli_List_Write_Small(FILE* stream, int k, double width);

// Lets the message service write a message category into the print list
// through collection lists (dialogs/message_dialogs.h): open, add a line as
// it is, write framed. A line longer than a list line, or one holding line
// breaks, goes in as the line and its continuation lines, so nothing of a
// message is lost. The program's main and the tests' main install it at
// start-up.
void Install_Message_Print_List(void);

#endif
