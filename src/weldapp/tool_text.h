// Text helpers beside the tool calls: trimming and fitting texts into static
// buffers, the umlauts between the Windows and the DOS code page, small
// readers of text files, and the program-wide stop when memory runs out.
//
// The functions that return a text return one static buffer each (512
// bytes, at most 511 characters): the next call of the same function
// overwrites it, the caller copies what it keeps. None of them fails; a
// null text counts as an empty one.
#ifndef WELDAPP_TOOL_TEXT_H
#define WELDAPP_TOOL_TEXT_H

#include <cstdio>

enum { TOOL_TEXT_BUFFER = 512 };

// Copy without leading and trailing blanks (tabs stay), cut at 511.
const char* Trim_Both_Copy(const char* text);
// The first n characters of the text, blank-padded to exactly n (n is held
// within 0..511).
const char* Fit_String_Width(const char* text, int n);
// The next byte after blanks, tabs and line ends, or EOF (also for null).
int Next_Nonblank_Char(FILE* file);
// fgets that drops one trailing line end (LF or CRLF). Null for a null
// buffer or file, n below 1 or at the end of the file.
char* Read_Line_No_Newline(char* buffer, int n, FILE* file);
// Bytes of the file behind its current position (which it keeps); -1 when
// the stream cannot tell (a pipe). A reader holds a count from the file
// against it before it allocates for that count.
long Bytes_Left_In_File(FILE* file);
// Length without trailing blanks; 0 for null, empty or all blanks.
int Length_Without_Trailing_Blanks(const char* text);
// Every blank to "?" / every "?" to a blank, in place; the length (0 for
// null).
int Blanks_to_Question_Marks(char* text);
int Question_Marks_to_Blanks(char* text);
// Copy in which Ä ä Ö ö Ü ü ß move from the Windows to the DOS code page and
// back.
const char* Ansi_to_Dos_Umlauts(const char* text);
const char* Dos_to_Ansi_Umlauts(const char* text);
// Copy of a DOS text with those seven letters as HTML entities; no more
// characters are taken once 504 have been written.
const char* Umlauts_to_Html(const char* text);
// 1 for values of 0 or more, else -1.
int Sign_of(double value);

// Shows the three-line out-of-memory message (on the console in batch mode)
// and ends the program with exit code 0. Every failed allocation of the
// connection record, the load cases and the print driver ends here.
[[noreturn]] void Out_Of_Memory_Exit(void);

// Allocation of the weld application: zeroed count x size bytes through the
// tagged allocator, or the out-of-memory stop. Never returns null for a
// count above 0.
void* Weld_Calloc_Or_Exit(const char* file, int line, size_t count, size_t size);

#endif
