// vesk: the allocation family that every heap block of the library code goes
// through, and the small general tools of the maker's programs.
//
// Two allocation families live here:
//   - Mem_*: thin pass-throughs to the C library that carry the caller's source
//     file, line and a tag ("null" at every call site). They never report,
//     never stop; a null result is the caller's business.
//   - ITools_*: the older family with a configurable slack added to every
//     block, a count of live blocks and a hard stop (Stop_Speichermangel)
//     when memory runs out.
//
// Beside them: a guarded formatted write (Safe_Fprintf), a verbose console
// trace, run-time timers, a word list joined into German text, German number
// words, date-like tokens, string replacement in a text file, a stack of
// periodic callbacks of the window library and a test for the sibling
// cross-section program. All state is process-wide and unguarded.
#ifndef BASE_VESK_H
#define BASE_VESK_H

#include <cstddef>
#include <cstdio>

#if defined(__GNUC__)
#define VESK_PRINTF(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define VESK_PRINTF(fmt_index, first_arg)
#endif

// ---- Tagged allocation ---------------------------------------------------

// malloc of size; null when the C library has none. Never reports.
void* Mem_Malloc(const char* file, int line, const char* tag, size_t size);
// calloc of count x size; null on failure.
void* Mem_Calloc(const char* file, int line, const char* tag, size_t count, size_t size);
// realloc; null on failure, the old block then stays valid and unchanged.
void* Mem_Realloc(const char* file, int line, const char* tag, void* block, size_t size);
// Heap copy of text; null on failure or for a null text.
char* Mem_Strdup(const char* file, int line, const char* tag, const char* text);
// free; a null block is allowed.
void Mem_Free(const char* file, int line, const char* tag, void* block);

// ---- Counted allocation with slack and stop ------------------------------

// Reallocates block to slack + size bytes (zeroed entirely when zero is set);
// a total of 0 gives null and leaves block alone. Stops the program when
// memory runs out. A block created from null is counted.
void* ITools_Realloc(void* block, size_t size, int zero);
// New zeroed, counted block of slack + size bytes; null for a total of 0.
void* ITools_Calloc(size_t size);
// (Re)allocates a rows x columns matrix of doubles in one block: a table of
// row pointers followed by the rows. Null when rows or columns is below 1
// (block left untouched). Row pointers are refreshed after every move.
double** ITools_Alloc_Matrix(void* block, int rows, int columns);
// Counted heap copy of text; null (without a stop) when the copy fails.
char* ITools_Strdup(const char* text);
// Resizes *block to slack + n doubles and copies the first n values of
// source into it (n >= 1 and source given). Stops when memory runs out.
void ITools_Copy_Doubles(int n, double** block, const double* source);
// pointer_to_block is the address of a block pointer of any type (double**,
// char*, ...): a non-null block is freed, uncounted and the pointer nulled.
void ITools_Free(void* pointer_to_block);
// Sets the slack (negative values become 0); returns the value stored.
int ITools_Set_Slack(int n);
int ITools_Block_Count(void);
void ITools_Reset_Block_Count(void);
// Stops as Stop_Speichermangel when block is null.
void Check_Speicher(const void* block);
// Reports "Speicher nicht aussreichend!" through the installed report and
// ends the program with exit code 0. The text always reaches stderr before
// the end (written here unless the report says it already went there).
// Never returns, never re-enters the report.
[[noreturn]] void Stop_Speichermangel(void);
// The report of the stop. The message service lives in a higher layer and
// installs it at start-up; the report returns non-zero when it wrote the
// text to stderr itself. Null (the default) reports on stderr only.
typedef int (*Memory_Stop_Report_Func)(const char* text);
void Set_Memory_Stop_Report(Memory_Stop_Report_Func report);

// ---- Output helpers ------------------------------------------------------

// vfprintf into stream and its result; 0 and nothing written for null.
int Safe_Fprintf(FILE* stream, const char* format, ...) VESK_PRINTF(2, 3);
// lead, then each of the n values as " %lf", then tail: the bytes of
// Safe_Fprintf with that format, written without the printf machinery,
// which the many points of the print-list pictures would spend most of a
// run in. 0 and nothing written for a null stream; negative on a failed
// write.
int Safe_Write_Fixed(FILE* stream, const char* lead, const double* values, int n, const char* tail);
// The bytes snprintf gives for "%lf" of v, terminated, into out (size
// bytes): exact in millionths for every value below 2^43 in magnitude,
// the C library itself for larger ones and for infinities and NaN.
// Returns the length, or -1 when size was too small.
int Format_Fixed6(char* out, size_t size, double v);
void Set_Verbose(int flag);
// printf + flush while the verbose flag is set; returns the count, else 0.
int Verbose_Printf(const char* format, ...) VESK_PRINTF(1, 2);

// ---- Run-time timers (slots 0..99; others are ignored) -------------------

void Set_Runtime_Measurement(int flag);
void Start_Runtime_Timer(int slot);
void Print_Runtime(int slot, const char* label);

// ---- Word list: "a, b und c" in one static text of at most 299 chars ----

void Clear_Word_List(void);
void Append_Word(const char* word);
const char* Append_Last_Word(const char* word);
void Append_Number_Item(int number);
const char* Append_Last_Number_Item(int number);
const char* Get_Word_List(void);
// "1 bis 4, 7 und 9" for 1, 2, 3, 4, 7, 9; an empty text for n below 1.
const char* Number_List_With_Ranges(int n, const int* numbers);

// ---- German number words (static buffers, valid until the next call) -----

const char* Number_Word_1_19(int n, int final_flag);
const char* Tens_Word(int n);
const char* Number_Word_1_99(int n, int final_flag);
const char* Number_Word_1_999(int n, int final_flag);
const char* Number_Word_1_999999(int n);
const char* Number_Word_1_999999999(int n);
const char* Number_Word_Full(unsigned int n);
const char* Number_Word_Capital(unsigned int n);
const char* Count_Word(int n);

// ---- Date-like tokens ----------------------------------------------------

// Reads the last blank-separated token of text as "%d%c%d%c%4s". Numbers not
// found (or beyond an int) are 0; the characters default to "???". four
// needs 5 bytes.
void Parse_Date_Token(const char* text, int* first, int* second, char* four);
// By the second number, then the first, then the four characters.
int Compare_Date_Tokens(const char* a, const char* b);

// ---- Files and texts -----------------------------------------------------

// Replaces every occurrence of old_text by new_text in the file (lines of any
// length). The file is replaced only when the new copy was written
// completely. Returns the number of replacements, 0 when nothing was changed.
int File_Replace_String(const char* file_name, const char* old_text, const char* new_text);
// Removes trailing blanks, also those before a final newline (which then goes
// with them); returns the index of the last character kept, -1 when none.
int Trim_Trailing_Blanks(char* text);
// 1 when "<EXEC>\Q7-VUVE\Q.exe" exists; worked out once and cached.
int Check_Q7_Quer_Program(void);

// ---- Periodic callbacks of the window library ----------------------------

// The window library calls the installed function now and then while a
// sheet is edited.
typedef int (*CallSometimes_Func)(void);
void Push_CallSometimes_Func(CallSometimes_Func func);
void Pop_CallSometimes_Func(void);
void Suspend_CallSometimes(void);
void Resume_CallSometimes(void);
void Clear_CallSometimes(void);

#endif
