// Text I/O shared by all of the system's own text files (input files, annex
// files, exchange files, print lists): 8-bit code page 850 texts read and
// written with the C library's streams. Names between « (0xAE) and » (0xAF),
// strings between other delimiters, keyword lines, whole lines, trimming and
// padding, and text blocks that carry free text of any length in chunks of
// at most 100 bytes. Also the stdio table that hands the program's stream
// functions to the window library, so both work on the same streams.
//
// Readers accept lines ended by LF or CRLF. Nothing here is thread-safe.
#ifndef BASE_TEXTIO_H
#define BASE_TEXTIO_H

#include <cstdio>

enum {
    GUILLEMET_OPEN = 0xAE,   // «
    GUILLEMET_CLOSE = 0xAF,  // »
    GUILLEMET_NAME_SIZE = 100,
    TEXT_BLOCK_CHUNK = 100,
    GUILLEMET_STRING_MAX = 255,  // characters; the buffer needs 256 bytes
};

// Hands the program's stdio table to the window library. Call once at
// start-up, before the library opens any file.
void Set_VEK_Stdio_Table(void);

// The next character that is not a blank, tab, CR or newline, or EOF.
int Fgetc_Skip_Blanks(FILE* stream);

// Skips white space; when « follows, reads up to » into buffer (100 bytes)
// and returns the length. A name of 100 or more characters gives its first
// 99 and 99 (the stream then stands behind the 100th). Anything else: empty
// buffer and 0, that character consumed.
int Read_Guillemet_Name(FILE* stream, char* buffer);

// Parses one int at the start of text as "%d" (base 10) or "%i" (base 0:
// "0x" hexadecimal, a leading 0 octal) would, without skipping white space.
// A hexadecimal number stands for the 32 bits of the int (0xffffffff is -1),
// as "0x%x" writes them. Returns 1 with *value set; 0 when no number stands
// there; INT_TOO_LARGE when the number does not fit the int (it is never
// wrapped; *value is untouched). *end, when not null, is set behind what was
// taken (to text when no number stands there).
int Parse_Int(const char* text, int base, int* value, const char** end);

// Reads one int from the stream as " %d" (base 10) or " %i" (base 0) does:
// white space is skipped, the number's characters are taken and the first
// character behind them is left in the stream. Returns 1 with *value set;
// 0 when no number stands there; EOF at the end of the file; INT_TOO_LARGE
// when the number does not fit the int (its digits are consumed).
int Scan_Int(FILE* stream, int base, int* value);

enum { INT_TOO_LARGE = -2 };

// Parses one decimal number at the start of text, without skipping white
// space: an optional sign, digits with an optional decimal point, an
// optional exponent ("e" or "E", optional sign, digits). Nothing else is a
// number: no hexadecimal form, no "inf" or "nan", no digits of a name ("0X1"
// gives 0 with *end at the "X"). Returns 1 with *value set; 0 when no number
// stands there; NUMBER_OUT_OF_RANGE when its value is beyond any double
// (never taken as infinite) or so small that a double would hold it as 0
// although its digits are not all 0 ("1e-400"); *value is then untouched.
// *end, when not null, is set behind what was taken (to text when no number
// stands there).
int Parse_Double(const char* text, double* value, const char** end);

// Reads one decimal number from the stream as Parse_Double takes it, after
// white space: the number's characters are taken and the first character
// behind them is left in the stream. Returns 1 with *value set (always a
// finite number); 0 when no number stands there (what looked like its start
// is consumed: a lone sign, and "1e" or "1e+" without exponent digits, where
// Parse_Double takes the "1"); EOF at the end of the file;
// NUMBER_OUT_OF_RANGE when Parse_Double would say so (its characters are
// consumed). The numbers of the system's own files are read with it, so a
// damaged byte in a number ends the number instead of changing its value.
int Scan_Double(FILE* stream, double* value);

enum { NUMBER_TOO_LARGE = INT_TOO_LARGE, NUMBER_OUT_OF_RANGE = NUMBER_TOO_LARGE };

// The readers of files whose values stand apart as words (annex files,
// keyword texts): as Scan_Double and Scan_Int (base 10), but the number
// must be the whole word: white space or the end of the file follows it.
// A number with anything glued to it ("0x10", "0x0.cp0", "1.5kN", "12,5",
// "1e") is no number: 0, with the word consumed up to the next white space
// (the stream then stands there), *value untouched. Other results as
// there.
int Scan_Double_Word(FILE* stream, double* value);
int Scan_Int_Word(FILE* stream, int* value);

// Skips white space and tells whether what follows could begin a decimal
// number (a digit, a sign or a point): 1, that character left in the
// stream; 0 for anything else and at the end of the file. A reader of a
// list that may end early asks it first, so that a damaged number is told
// from the end of the list.
int Number_Follows(FILE* stream);

// The same for a whole text (a token already cut from its line, a command
// line argument): leading and trailing white space is allowed, nothing
// else. 1 with *value set; 0 when the text is no such number;
// NUMBER_OUT_OF_RANGE / INT_TOO_LARGE as above.
int Parse_Double_Word(const char* text, double* value);
int Parse_Int_Word(const char* text, int* value);

// Writes «text» (null as «»). 0 on success, 1 for a null stream or a failed
// write.
int Write_Guillemet_String(FILE* stream, const char* text);

// Skips blanks, tabs and line ends; -1 when the next byte is not « (it is
// consumed). Else stores the bytes up to » or end of file in buffer (at
// least 256 bytes), terminates them and returns their number; after 255
// bytes it stops and returns 255, the rest staying in the stream.
int Read_Guillemet_String(FILE* stream, char* buffer);

// Reads the next non-white character; when it is open_char, reads up to
// close_char or end of file, storing at most size - 1 characters (the rest
// is read and dropped). Returns the length stored; empty buffer and 0 when
// the first character differs; -1 for a null stream or buffer or size < 1.
int Read_Delimited_String(FILE* stream, char* buffer, int size, int open_char, int close_char);

// Writes open_char, text (nothing for null), close_char. 0 on success, 1 for
// a null stream or a failed write.
int Write_Delimited_String(FILE* stream, const char* text, int open_char, int close_char);

// In place: flag 2 removes trailing, flag 1 leading white space. Returns the
// new length; 0 for null or empty.
int Trim_String(char* text, int flags);

// Copies at most size - 1 characters of source (null as empty) into target,
// trims by flags 1 and 2, and with flag 4 pads with blanks to exactly
// size - 1 characters. Returns the length; 0 and target untouched for a null
// target or size below 1.
int Copy_Trimmed(const char* source, char* target, int size, int flags);

// Optionally rewinds, then reads line by line until a line begins with the
// keyword (its first 100 characters at most). 1 with the stream at the start
// of the next line; 0 at end of file, for a null stream or a null or empty
// keyword.
int Find_Keyword_Line(FILE* stream, const char* keyword, int rewind_first);

// Rewinds file and reads lines until one starts with keyword (lines compared
// on their first 510 characters). 0 when none does (the file is then at its
// end). Else 1 with the file behind that line, and, when out is given and
// "%d" reads a number right after the keyword, the number stored in *out
// (left unchanged otherwise; also when it does not fit an int).
int Find_Keyword_Int(const char* keyword, FILE* file, int* out);

// Reads up to and including the next newline (or to end of file).
void Skip_Rest_Of_Line(FILE* stream);

enum { READ_LINE_EOF = 0 };  // result of Read_Line when no line was left

// Reads one line without its line end (LF or CRLF), storing at most size - 1
// characters and dropping the rest of a longer line. Returns the number of
// characters stored plus 1 (1 for an empty line); READ_LINE_EOF (0) with an
// empty buffer when no line was left or the stream is null; -1 for a null
// buffer or size below 1.
int Read_Line(FILE* stream, char* buffer, int size);

// 1 when a text block can carry the text (null included): it holds neither
// byte 1 (the newline of a chunk) nor 0xAF (the end of a chunk); else 0.
// Writers of records that hold a text block ask this before they write
// anything, so that a refused text never leaves half a record behind.
int Text_Block_Writable(const char* text);

// Writes the text block of text: "TXB<length>\n", then per chunk of at most
// 100 bytes «chunk»\n with every newline written as byte 1. A null or empty
// text is written as "TXB0\n". Returns 1 on success; 0 for a null stream, a
// failed write, or a text that Text_Block_Writable refuses (nothing is
// written then).
int Write_Text_Block(FILE* stream, const char* text);

// Reads a text block into a new heap string (malloc; the caller frees it).
// Null when no block stands there, its length is 0 or less or does not fit
// an int, its chunks hold fewer bytes than it announces (a cut block), or
// memory runs short. The text never grows beyond the announced length.
char* Read_Text_Block(FILE* stream);

// New zeroed block (calloc) of n + 1 bytes holding the first n characters
// of text; for a null text a block holding a newline and a terminator. Null
// when memory runs short or n is negative.
char* Dup_String_N(const char* text, int n);

// strlen + 1, or 0 for null.
int String_Size(const char* text);

// free when the pointer is not null.
void Free_If_Set(void* pointer);

// In place: with strip, removes print-list markup (escape 0xCE and the
// character after it; groups 0xCE { ... } whole); with translate, maps every
// byte from code page 850 to Windows code page 1252. Returns the text when
// only stripping was asked, a pointer to its terminating zero when it was
// translated, null for a null text.
char* Strip_Markup_To_Ansi(char* text, int strip, int translate);

#endif
