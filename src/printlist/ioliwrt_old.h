// Older block forms of the one-line and paragraph text writers, written
// instead of the paragraph forms when the print list's version word
// (Oli_Get_List_Version) is below 335. Each takes the text as the newer
// writer has prepared it and writes it unchanged, never as a format; a null
// stream writes nothing.
#ifndef PRINTLIST_IOLIWRT_OLD_H
#define PRINTLIST_IOLIWRT_OLD_H

#include <cstdio>

// The version word from which on the paragraph forms are written.
#define OLI_LIST_VERSION_PARAGRAPHS 335

// "#SHOWTABLE" block of one text line, then the move back up.
void Oli_Text_Line_Old(FILE* stream, const char* text);
// "#SHOWTABLE" block holding only a title, small (Oli_Text_Paragraph) or
// big (Oli_Text_Big), then the move back up.
void Oli_Text_Paragraph_Old(FILE* stream, const char* text);
void Oli_Text_Big_Old(FILE* stream, const char* text);

#endif
