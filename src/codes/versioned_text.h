// versioned_text: reader and writer of whitespace-separated data files that
// carry a data version and nested structure versions. A newer program reads
// an older file and takes defaults for what the file's version did not have
// yet; an older program refuses a newer file.
//
// Values are typed by one letter:
//   c  one character           d  double ("%e")          i  int
//   s  one word (no blanks)    t  a text of up to 255 characters, blanks
//                                 written as the byte 0x8C, the empty text
//                                 as the marker word "!º$%&/()=?"
// Lines that begin with '#' are comments and are skipped before every read.
// Numbers are decimal numbers standing as whole words: "nan", "inf", a
// hexadecimal form, a number beyond a double or an int, or one so small
// that it would read as 0, is a read error.
//
// The module keeps one current read file and one current write file and a
// stack of 20 versions (entry 0 the data version, one more per structure).
// Nothing here is re-entrant. Destinations of the word and text types hold
// VERSIONED_TEXT_SIZE bytes.
#ifndef CODES_VERSIONED_TEXT_H
#define CODES_VERSIONED_TEXT_H

#include <cstdio>

enum {
    VERSIONED_TEXT_SIZE = 256,  // a word or text value and its terminator
    VERSIONED_DEPTH = 20,       // room of the version stack
    VERSIONED_BLANK = 0x8C      // a blank inside a text value
};

// The marker word of an empty text.
extern const char* const Versioned_Empty_Text;

// ---- reading ----

// Makes file the read file, empties the version stack and reads the data
// version into its entry 0. 0 ok; 1 no version number; -1 the version is
// exactly -1; 2 newer than highest (the message "Alte Programmversion ->
// kann Daten nicht lesen!" is collected in message category 0).
int Begin_Versioned_Read(FILE* file, double highest);
// Reads a structure version and pushes it. 0 ok; 1 no number or the stack
// is full (nothing pushed); 2 newer than highest (pushed, message as above).
int Begin_Versioned_Structure(double highest);
// Pops one level; the data version (entry 0) is never popped.
void End_Versioned_Structure(void);
// The version of the current level / sets it.
double Current_Data_Version(void);
void Set_Current_Data_Version(double version);

// Reads one value of the type letter into destination. A value introduced
// after the current level's version is not in the file: c gives 0, s and t
// the empty text, d the default, i the default rounded half away from zero.
// 0 ok; 1 when nothing could be converted (destination unchanged) or the
// letter is unknown.
int Read_Versioned_Value(void* destination, char type, double introduced, double default_value);
// Reads past one value (see Read_Versioned_Value). 0 ok, 1 error.
int Skip_Versioned_Value(char type, double introduced);
int Skip_Current_Value(char type);
// A word (blanks decoded, the marker word gives an empty text); a value
// newer than the file gives a copy of the default, or the empty text. 0 ok,
// 1 when no word was left.
int Read_Versioned_Word(char* destination, double introduced, const char* default_text);
// A counted text: frees *text, then reads its length and that many raw
// characters into a new heap text (ITools_ family; null for a length below
// 1). A value newer than the file gives a copy of the default or null. 0
// ok; 1 when no length could be read or the file ends before the text
// does (*text then null).
int Read_Versioned_Counted_Text(char** text, double introduced, const char* default_text);
// The next int; 1 when none could be converted.
int Read_Current_Int(void);
// As Read_Current_Int, or the default rounded half away from zero for a
// value newer than the file.
int Read_Versioned_Int(double introduced, double default_value);
// The read file's position (-1 without one) / sets it from the start (0 ok).
long Tell_Read_Position(void);
int Seek_Read_Position(long offset);
// In place: 0x8C becomes a blank, a text of one blank becomes empty.
// Returns the new length (0 for null).
int Decode_Blanks(char* text);
// The current read and write files (null before the first Begin_).
FILE* Versioned_Read_File(void);
FILE* Versioned_Write_File(void);

// ---- writing ----

// Makes file the write file and writes the data version line. 0 ok, 1 for
// a null file or a write error.
int Begin_Versioned_Write(FILE* file, double version);
// " %lf # Strukturversionsnummer". 0 ok, 1 without write file or on error.
int Write_Structure_Version(double version);
// "# text"; line ends inside the text are written as blanks. 0 or 1.
int Write_Comment(const char* text);
// Writes the value by its letter. 0 ok; 1 without write file, on a write
// error, for an unknown letter, and for a value that would not read back as
// itself (a character or word that is blank or starts a comment, a word
// with white space, a text with control characters or the byte 0x8C, a
// text equal to the marker word): such a value is
// refused before anything is written.
int Write_Versioned_Value(const void* value, char type);
// A placeholder: c '*', d -1.0, i 0, s and t "***". 0 or 1.
int Write_Placeholder_Value(char type);
int Write_Line_End(void);
// The length as an int value, the raw characters, a line end (only the
// line end for a null or empty text). 0 ok; 1 without write file or on a
// write error.
int Write_Counted_Text(const char* const* text);
// In place: an empty text becomes one blank (the buffer needs two bytes),
// then every blank becomes 0x8C. Returns the length (0 for null).
int Encode_Blanks(char* text);

// Test support: no files, empty stack.
void Reset_Versioned_Text(void);

#endif
