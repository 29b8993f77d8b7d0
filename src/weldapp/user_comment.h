// The user's free text: the sheet in which it is edited, and the writers
// that break it into lines of a fixed pixel width for the print list (and,
// without a caller here, for a scrollable area).
#ifndef WELDAPP_USER_COMMENT_H
#define WELDAPP_USER_COMMENT_H

#include <cstdio>

// Line width of the print writer in pixels; 600 at start. The print
// variants set it (with logo 600, without 675) and it stays for later calls.
extern int User_Comment_Line_Width;

// The modal sheet with the text (null: empty) under the title. On
// "bestätigen" it returns a new copy of the edited text and frees `text`
// (source-tagged allocation); on "abbrechen", Escape or the window's close
// it returns `text` unchanged. Texts longer than the field takes (the
// larger of 4 times the text's length and 5000 characters) cannot be typed.
// In batch mode nothing opens and `text` is returned.
char* Edit_User_Comment(char* text, const char* title);
// The help viewer the sheet's "Hilfe" button calls with the topic
// "USER_COMMENT"; the window path installs it. Without one the button does
// nothing.
void Set_User_Comment_Help(int (*help)(const char* topic));

// Writes the text into the open print list line by line: a line ends at a
// line end, or where the next character would make it wider than the line
// width (at a blank just there, else after the last blank before it, else
// at that character). An empty line is written as " \n". Nothing for a
// null list or text.
void Write_Wrapped_Text(FILE* file, const char* text);
// The text as a block of the print list with the user-comment symbol
// beside it (line width 600), or without it (675). Nothing for a null
// list, or a text that is null, empty, one blank or one line end.
void Print_User_Comment_with_Logo(FILE* file, const char* text);
void Print_User_Comment(FILE* file, const char* text);
// The same line breaking in the font and width given: every non-empty line
// becomes a text item of the area at (x, *y) in the colour, and *y goes on
// by `step` after every line, empty ones included.
void Add_Wrapped_Text_to_Area(int area, int x, int width, int* y, const char* text, int font, int colour,
                              int step);

// The sheet's place as at start-up, no help viewer (for tests).
void Reset_User_Comment(void);

#endif
