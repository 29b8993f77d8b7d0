// Version text of a program of the desktop, read from the file "VERSION" in
// the program's directory under the desktop's "EXEC" directory.
#ifndef PRINTLIST_VERSION_FILE_H
#define PRINTLIST_VERSION_FILE_H

// The first line of EXEC/<directory>/VERSION (at most 255 characters, line
// end cut), in one static buffer that the next call overwrites. Each "<" in
// a later line puts the two characters after it over the last two
// characters of the text. Null when "EXEC" is not set (or empty) or the
// file cannot be opened.
char* Read_Program_Version_File(const char* directory);

#endif
