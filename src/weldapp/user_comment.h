// The user's free text in the print list: broken into lines of a fixed
// pixel width of the current font.
#ifndef WELDAPP_USER_COMMENT_H
#define WELDAPP_USER_COMMENT_H

#include <cstdio>

// Line width of the writer in pixels; 600 at start.
extern int User_Comment_Line_Width;

// Writes the text into the open print list line by line: a line ends at a
// line end or before the first character that would make it wider than the
// line width, after the last blank before that point when there is one. An
// empty line is written as " \n". Nothing for a null list or text.
void Write_Wrapped_Text(FILE* file, const char* text);

#endif
