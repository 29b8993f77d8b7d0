// File names of a component. Every file of a component lies beside the
// others under one path prefix (the component identifier the desktop passes
// to the program), and is named prefix + suffix by plain concatenation. This
// module keeps that prefix, joins names to it, opens, tests, removes, copies
// and renames such files, makes temporary files in the desktop's "TEMP"
// directory, keeps a small table of temporary streams and reads lines of
// numbers.
//
// A joined name holds at most 260 characters; a join that would reach 261
// is refused, never cut. A null name counts as an empty one everywhere.
// Nothing here is thread-safe: the prefix, the join buffer and the stream
// table are process-wide.
#ifndef BASE_FILENAMES_H
#define BASE_FILENAMES_H

#include <cstdio>

enum { FILE_BASE_MAX = 260 };  // characters of the prefix and of any joined name

// Stores the first 260 characters of the prefix (null stores an empty one)
// and derives the prefix directory. Returns the stored prefix. Never fails.
const char* Set_File_Base(const char* prefix);

// The stored prefix (empty before Set_File_Base).
const char* Get_File_Base(void);

// The prefix up to its last backslash (or last slash); without one, up to
// and including its last colon; without either, the current directory
// (empty when it cannot be determined).
const char* Get_File_Base_Directory(void);

// Writes prefix + name into buffer. Returns buffer, or null when the joined
// name needs size or more characters (the buffer then holds its first
// size - 1 characters, terminated) or buffer is null.
char* Make_Base_Path(char* buffer, const char* name, int size);

// prefix + name in a static buffer shared with Exists_Base and Remove_Base
// (each call overwrites it). Null when the joined name would reach 261
// characters.
char* Base_Path(const char* name);

// fopen of prefix + name. Null when the name is too long or the open fails.
// A mode that only reads ("r", "rb") opens a regular file of at most
// VEK_READ_CAP_DATA bytes only (VEK_Open_Reading, platform/posix.h); errno
// then tells why not: ENOENT or ENOTDIR missing, EISDIR or ENODEV no file,
// EFBIG too large, any other unreadable.
FILE* Fopen_Base(const char* name, const char* mode);

// 1 when prefix + name exists, else 0 (also for a name that is too long).
int Exists_Base(const char* name);

// Removes prefix + name: 0 when removed, 1 when not (also when too long).
int Remove_Base(const char* name);

// Copies prefix + source to prefix + target with the desktop's copy call
// (flag passed through). 1 when the copy was done, else 0.
int Copy_Base_File(const char* source, const char* target, int flag);

// Removes every file matching prefix + pattern (wildcards * and ? in the
// name part). Returns the number of files really removed; -1 when the
// pattern is too long.
int Remove_Base_Files(const char* pattern);

// Renames prefix + old to prefix + new: 1 on success, 0 on failure.
int Rename_Base(const char* old_name, const char* new_name);

// Creates a new empty file with a unique name in the desktop's "TEMP"
// directory (the system's temporary directory when that is not set or not
// usable) and writes its full name into buffer (size bytes). The file is
// kept, so the name cannot be taken by anyone else. Returns buffer, or null
// for a null buffer, a buffer too small, or when no file could be created.
char* Make_Temp_File_Name(char* buffer, int size);

// Opens a new temporary file with mode in the first free of 5 slots.
// Null when all slots are in use, no file could be made or it does not open.
FILE* Open_Temp_Stream(const char* mode);

// Closes a stream of the table, frees its slot and removes its file. 1 when
// the close succeeded; 0 when the stream is not in the table or the close
// failed (the file is removed in both cases of a table stream).
int Close_Temp_Stream(FILE* stream);

// Reads one line (at most 199 characters, the rest dropped) and parses up
// to n numbers from it; values not read are 0. 1 when a line was read, 0 at
// end of file or for a null stream (then all n values are 0); INT_TOO_LARGE
// (textio.h) when the parsing stopped at a number its type cannot hold (it
// and the values after it are 0, never a wrapped or infinite value).
// Doubles are decimal numbers only (Parse_Double: no "inf", "nan" or hex).
int Read_Line_Doubles(FILE* stream, double* values, int n);
int Read_Line_Ints(FILE* stream, int* values, int n);  // decimal, 0x hex, 0 octal

// Reads up to n numbers across lines; the values not read are 0. Returns the
// number read; 0 and nothing touched for a null stream, array or n below 1.
// A number that does not fit its type ends the reading as a bad number does;
// doubles are decimal numbers only, as Scan_Double reads them.
int Read_Doubles(FILE* stream, double* values, int n);
int Read_Ints(FILE* stream, int* values, int n);

#endif
