// Annex files "NAD/Version 1": the file container of one annex parameter
// set (version line, head line, one section per Eurocode), where the files
// live, loading and saving a set by number or by name, and the section-line
// search that the block readers share.
#ifndef CODES_NAD_FILE_H
#define CODES_NAD_FILE_H

#include <cstddef>
#include <cstdio>
#include <string>

#include "codes/input_ranges.h"

struct NAD_Record;

// Puts the recommended values into every block of the record but the
// EN 1991 tables (which come from their own files); head and tables are left
// as they are. Null is ignored.
void Default_NAD_Blocks(NAD_Record* r);
// Writes the whole record (all six sections). The record is not modified.
// 1, or 0 for a null argument or a failed write.
int Write_NAD_File(FILE* f, const NAD_Record* r);
// Reads an annex file over a record that holds recommended values.
// Returns 1 when read, 0 when the stream holds no annex file, its head a
// number that no int holds, or a section that breaks off before what it
// announces is read (each block reader reports it), a file in the writer's
// layout (its first section "#EC0") that lacks one of the six sections, or
// a file without any section: all of them are cut files.
int Read_NAD_File(FILE* f, NAD_Record* r);
// Writes user annex n under DRAM; with no record the file is deleted. The
// file is written under a temporary name beside it and takes the old file's
// place only when complete, so a failed save leaves the old annex intact.
// 1 when written or deleted; 0 when DRAM is not set, the path does not fit
// or any step failed.
int Save_NAD_File(int n, const NAD_Record* r);
// Loads user annex n (n > 0) or the built-in set of the name (n == 0) into
// the record. 1 loaded, 0 not (missing variable or file, not an annex file,
// a section cut short); the record is then unchanged.
int Load_NAD(int n, const char* name, NAD_Record* r);
// 1 when the last Load_NAD found its file but refused what it holds (cut
// short, damaged), 0 after a load that succeeded or found no file.
int NAD_Last_Load_Damaged();
// Why the last Load_NAD refused its file, when it can tell: a partial
// factor out of range ("gamma_M2 = 0.1 liegt nicht zwischen 0.5 und 3") or
// a file that is none ("keine Datei", "zu groß"); else "".
const char* NAD_Last_Load_Reason();

// Partial factors of an annex are taken within NAD_FACTOR_MIN ..
// NAD_FACTOR_MAX only: a factor outside divides every resistance into
// nonsense (0.1 makes a weld twelve times stronger, 1e300 prints 301
// digits) and comes from a damaged or mistyped file. The range is the one
// the input's fields and its file reader hold a partial factor to.
constexpr double NAD_FACTOR_MIN = Input_Range_Of(RANGE_PARTIAL_FACTOR).minimum;
constexpr double NAD_FACTOR_MAX = Input_Range_Of(RANGE_PARTIAL_FACTOR).maximum;
inline int NAD_Factor_Usable(double gamma) { return gamma >= NAD_FACTOR_MIN && gamma <= NAD_FACTOR_MAX; }
// A factor as the lists name it, usable or not: two decimals while that is
// a short text, a huge one in exponent form, a non-number in words.
std::string NAD_Factor_Text(double gamma);
// 1 when every partial factor of steel (EN 1993) and aluminium (EN 1999)
// in the record is usable; else 0, with the first one named in *reason
// (when given).
int Check_NAD_Factors(const NAD_Record* r, std::string* reason);
// The one-time conversion of the older combined annex file %DRAM%/NADs-EC2.DEF
// into %DRAM%/NADS/1.NAD, 2.NAD, ... (one per "#NAD" section, every block
// starting from its recommended values). The directory NADS appears only
// when every file was written; when one cannot be written the user is told
// (stderr in batch mode, a box otherwise), nothing is left behind and the
// conversion runs again at the next start. Without an older file the empty
// directory is made. Nothing happens when NADS exists.
void Safeguard_Proper_Version();
// Looks forward from the current position for a line beginning with title.
// 1 found (stream after that line; out gets the number after the title
// when one converts), 2 the stop keyword met, 0 end of file; in the last
// two cases the position is restored.
int Find_NAD_Section_Line(FILE* f, const char* title, const char* stop, int* out);

// Bounded copy of a name into a fixed field of size bytes: at most size - 1
// bytes, always terminated; a null source gives the empty text. Returns 1
// when the whole name fitted, 0 when it was cut.
int NAD_Copy_Name(char* dst, size_t size, const char* src);

#endif
