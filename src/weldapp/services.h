// Services of the weld connection application that the library calls:
// reading the «» chunks of text blocks, keyword lines with a number, the
// test for the internal-force selection tool, and the waiting animation of
// the wait box.
#ifndef WELDAPP_SERVICES_H
#define WELDAPP_SERVICES_H

#include <cstdio>

enum { GUILLEMET_STRING_MAX = 255 };  // characters; the buffer needs 256 bytes

// Skips blanks, tabs and line ends; -1 when the next byte is not « (it is
// consumed). Else stores the bytes up to » or end of file in buffer (at
// least 256 bytes), terminates them and returns their number; after 255
// bytes it stops and returns 255, the rest staying in the stream.
int Read_Guillemet_String(FILE* stream, char* buffer);

// 1 when "LoadPick.exe" lies executable in the desktop's "EXEC" directory;
// 0 when the entry is not set or the file is not there. No other effect.
int LoadPick_Available(void);

// Starts the waiting animation at (x, y) (negative x or y: screen centre
// less 41 in both directions) in a second thread. A running animation is
// stopped first. Returns 1 when the thread started, -1 when not.
int Start_Waiting_Animation(int x, int y);

// Stops a running animation and waits for its thread to end. 1 when one was
// running, else 0.
int Stop_Waiting_Animation(void);

// Rewinds file and reads lines until one starts with keyword (lines compared
// on their first 510 characters). 0 when none does (the file is then at its
// end). Else 1 with the file behind that line, and, when out is given and
// "%d" reads a number right after the keyword, the number stored in *out
// (left unchanged otherwise).
int Find_Keyword_Int(const char* keyword, FILE* file, int* out);

#endif
