// Pictures of one stored symbol: a drawing file of the viewer's symbol
// directory, named in a record 27 with the placeholder %FONT% for that
// directory.
#ifndef PRINTLIST_OLI_SYMBOL_PICTURE_H
#define PRINTLIST_OLI_SYMBOL_PICTURE_H

#include <cstdio>

// A picture of width x height cm holding the symbol, named after the
// prefix that Oli_Set_Table_Title stored; afterwards the writing position
// goes up 0.3 cm. Refused (nothing written, a message): a size that is not
// a finite number, negative or beyond 1 km, no name, a name of more than
// 255 characters or with a line break or « ». Nothing for a null stream.
void Oli_Picture_Symbol(FILE* stream, double width, double height, const char* name);
// The same without the prefix, framed by four lines.
void Oli_Framed_Symbol_Picture(FILE* stream, double width, double height, const char* name);

#endif
