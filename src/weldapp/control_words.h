// Control-word text files: plain text files organised by '#' control
// lines, whose blocks carry numbers separated by blanks or semicolons. The
// load-case table reads its load combinations from the block "#S" (six
// numbers per combination, optionally followed by its name). Beside the
// reader: the small file dialog that asks for the file, the help texts of
// the information sheets shown before an import, and a few members of the
// family that no path of this program calls.
//
// Reading rules (one block, chosen by its letter):
//   - "#" in the first column and the letter in the second open a block;
//     the rest of that line is free text. Every control line ends the block
//     being read; lines before the first control line and blocks of other
//     letters are skipped.
//   - Data lines: tokens separated by runs of blanks or semicolons (a tab is
//     no separator); a comma is the decimal point. A token is read as a
//     single-precision decimal number, which may carry a unit ("12kN" gives
//     12).
//   - A damaged file is refused whole (no group, count 0), never read up to
//     the damage: a token that is no such number ("N", "nan", "inf",
//     "0x10", "1e", a number beyond a float or one that a float holds as
//     0), or a last group left incomplete. Ctrlword_Read_Refusal names the
//     line and the token.
//   - So is a block of more groups than the caller has room for (never its
//     first groups as if they were all): Ctrlword_Read_Refusal names both
//     counts.
//   - The numbers fill groups of n values in reading order, across lines.
//     When a group is complete and names are wanted, the rest of its line,
//     without its leading blanks and semicolons, is the group's name (cut
//     to the name size - 1 characters, the lines of cut names said by
//     Ctrlword_Cut_Names and a box of the dialog's read); numbers after it
//     are not read. A name holding the print list's markup escape (0xCE)
//     refuses the file: it would hide the name's rest in the list.
//   - Lines end with LF or CRLF and may be of any length.
#ifndef WELDAPP_CONTROL_WORDS_H
#define WELDAPP_CONTROL_WORDS_H

#include <cstdio>
#include <string>

enum {
    CTRLWORD_MAX_VALUES = 20,    // values per group at most
    CTRLWORD_FILE_NAME = 260,    // characters of the dialog's file name
};

// The file dialog "DATEI ÖFFNEN ZUM LESEN" (mode 0, the file opened with
// "r") or "... SCHREIBEN" (mode 1, "w"): a field with the last file name,
// a browse button to the desktop's file chooser, Break and OK. Returns the
// open file, or null after Break, the window's close, or a file that cannot
// be opened (a message box names it). The last name, the chooser's
// directory and the sheet's place are kept for the next call.
FILE* Open_File_Dialog(int mode);
// The dialog's state as at start-up: no last name, the chooser at "C:\",
// the sheet in the screen centre (for tests).
void Reset_Ctrlword_Dialog(void);

// Asks for a file with Open_File_Dialog(0) and reads the block of `letter`
// (see the rules above): group g goes to values[g * stride ...], its name
// (when names is not null and name_size > 0) to names + g * name_size, an
// unnamed group gets an empty name. Results: 1 when the dialog was
// cancelled (count untouched); 0 with count untouched for n outside
// 1 .. 20 or stride below n; 0 with count 0 when max_groups * n <= n;
// else the number of groups read goes to *count and the result is 1 when it
// is at least 1, 0 when no group was read or the file was refused (damaged,
// or more than max_groups groups).
int Read_Ctrlword_Values(double* values, int* count, int n, int stride, int max_groups, char* names, int name_size,
                         char letter);
// A refused file is named in a message box with the line and the token,
// or with its count of groups.
// The same from an open file, read from its start, without the dialog; the
// file stays open. For a null file 0, count untouched.
int Read_Ctrlword_Values_From(FILE* file, double* values, int* count, int n, int stride, int max_groups, char* names,
                              int name_size, char letter);

// The one wording of a refusal for size, for every reader of combinations:
// "10001 Kombinationen, höchstens 10000 können eingelesen werden". Never
// fails.
std::string Too_Many_Combinations_Text(long count, int most);

// Why the last read of a block refused its file ("Zeile 7: \"1e39\" ist
// keine Zahl", "10001 Kombinationen, höchstens 10000 können eingelesen
// werden"); "" after a read that refused nothing.
const char* Ctrlword_Read_Refusal(void);
// The lines whose names the last read cut to their field ("Zeile 3, 7"; at
// most ten named, "und 2 weitere"); "" when none was cut.
const char* Ctrlword_Cut_Names(void);

// Text callbacks of the information sheets before an import from a
// component and before a text-file read; info points at three ints {cuts,
// values per combination, maximum combinations}. They add their lines to
// the area from *y on at x and leave *y on the last line. Nothing unless
// info is given and its first int is above 0.
void Import_Help_Text(int area, int x, int* y, void* info);
void Textfile_Help_Text(int area, int x, int* y, void* info);

// ---- members of the family without a caller in this program ----

// Reads the block of `letter` from the file's current position with the
// reading rules (no names, no dialog): value k of each row goes to col1,
// col2, col3 for k = 0, 1, 2 (a null column is skipped), further values
// are dropped. At the control line after the block the file is set back to
// that line's start, so the next block can be read. *count gets the rows
// read; 1 when at least one was read, else 0 (also for a null file, n
// outside 1 .. 20, max_rows below 1, or a block refused as damaged or of
// more than max_rows rows, count 0).
int Read_Ctrlword_Columns(FILE* file, double* col1, double* col2, double* col3, int n, int* count, int max_rows,
                          char letter);
// Writes "#keyword", then per row the n (1 .. 3) values " %f" of a1, a2, a3
// and a line end, then an empty line. 1 done; 0 for a null file or keyword,
// n outside 1 .. 3, a missing column, a failed write, or no rows (then only
// the keyword line and the empty line are written).
int Write_Ctrlword_Block(FILE* file, const double* a1, const double* a2, const double* a3, int n, int rows,
                         const char* keyword);
// Asks for a file name with the dialog of Open_File_Dialog(1) and writes
// the commented control-word template of a ring (or, without hole,
// circular) section in cm: outline, reinforcement circle, and with a hole
// above 0.01 the hole and its reinforcement circle; each circle of `points`
// points (32 when below 1). The file is written whole under a temporary
// name beside it and replaces an old one only then. 1 written; 0 when no
// file was chosen or the writing failed (a message names the file; an old
// file stays as it was).
int Write_Ring_Section_Template(double outer_radius, double hole_radius, double cover_outside, double cover_inside,
                                int line_reinforcement, int points);
// Message "Lesen z.Zt. nicht möglich"; returns 0.
int Read_Not_Possible(void);
// Reads up to min(n, 255) characters of the current line (the line end is
// taken, a CR dropped) into a static buffer and cuts its trailing blanks.
// Null for a null file or a file at its end.
const char* Read_Padded_Line(FILE* file, int n);

#endif
