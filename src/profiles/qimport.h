// qimport: user cross-sections of the sibling cross-section program and the
// files through which they travel.
//
// Every user section is a Sonderquerschnitt holding the whole exchange text
// the sibling program handed back, its kind and name, and a count of the
// library cross-section records that hold it. All of them stand in one list
// for the whole run; the 1-based place in that list is the section's number
// in VUVE.EIN ("#Q%06d"), in the store file ("@SYNC%d@") and in the input
// file of a library cross-section record.
//
// Files: the exchange file (default "XPRT.TMP", one section's text), VUVE.EIN
// (all sections in list-directed form, read by the model builder) and the
// store file (ending ".GRQ"). The exchange and store files are named from
// the first four characters of the path prefix; a prefix shorter than that
// names no file, and every operation on such a file then fails.
//
// Readers of the kept text go line by line: a line is never scanned beyond
// its "\n", and a block that announces more lines than the text holds is
// malformed. Nothing here is re-entrant; the text cursor serves one walk at
// a time.
#ifndef PROFILES_QIMPORT_H
#define PROFILES_QIMPORT_H

#include <cstdint>
#include <cstdio>

enum {
    SONDER_NAME_SIZE = 28,
    SONDER_NAME_WIDTH = 24,        // characters of a name in the exchange text
    QIMPORT_NAME_LIMIT = 99,       // characters kept of a settable file name
    QIMPORT_LINE_SIZE = 256,       // longest line a block reader looks at
    VUVE_MAX_ITEMS = 100,          // nodes or lines of one section in VUVE.EIN
};

struct Sonderquerschnitt {
    int32_t kind;            // 1 thin-walled, 2 thick-walled, 0 unreadable
    int32_t text_length;     // bytes of text including its NUL; 0 without text
    int32_t ref_count;       // holders
    int32_t print_mark;      // 1 when chosen for the print list
    char name[SONDER_NAME_SIZE];
    char* text;              // owned, NUL-terminated, or null
    Sonderquerschnitt* previous;
    Sonderquerschnitt* next;
};

// ---- the list ----

// Appends an empty record (kind 0, no text, count 0). Null when memory fails.
Sonderquerschnitt* New_Sonderquerschnitt(void);
// Appends a copy (kind, length, name, text; count and mark 0). Null for null
// or when memory fails.
Sonderquerschnitt* Copy_Sonderquerschnitt(const Sonderquerschnitt* record);
// Unlinks and frees the record and its text; null does nothing.
void Delete_Sonderquerschnitt(Sonderquerschnitt* record);
// Deletes every record whose reference count is 0.
void Purge_Sonderquerschnitte(void);
void Ref_Sonderquerschnitt(Sonderquerschnitt* record, int delta);
// 0 when kind, text length, name and text bytes agree, else 1.
int Compare_Sonderquerschnitt(const Sonderquerschnitt* a, const Sonderquerschnitt* b);
// The first other record equal to this one takes its count and this one is
// deleted; returns the survivor (null stays null).
Sonderquerschnitt* Merge_Sonderquerschnitt(Sonderquerschnitt* record);
// 1-based place, 0 when not in the list.
int Get_Sonderquerschnitt_Index(const Sonderquerschnitt* record);
// Record at the 1-based place, null outside the list.
Sonderquerschnitt* Get_Sonderquerschnitt_By_Index(int place);
int Count_Sonderquerschnitte(void);
int Get_Sonderquerschnitt_Kind(const Sonderquerschnitt* record);
const char* Get_Sonderquerschnitt_Name(const Sonderquerschnitt* record);
// Sets the name (24 characters, blank-filled) and overwrites the «» field
// behind the "OBJECT" line of the text in its own width. 1 when the text was
// changed, else 0.
int Rename_Sonderquerschnitt(Sonderquerschnitt* record, const char* name);
void Clear_Print_Marks(void);
void Mark_For_Print(Sonderquerschnitt* record);

// ---- text access ----

// Finds the first line (never the text's first line) that begins with
// keyword; with count, reads "%d" right behind the keyword. 1 with the
// cursor on the following line, else 0 (cursor unchanged).
int Find_Text_Block(const Sonderquerschnitt* record, const char* keyword, int* count);
// The line at the cursor (a pointer into the text, running to its "\n") and
// the cursor moved behind it; null at the end of the text.
const char* Next_Text_Line(void);
// Copies the next line without its line end (at most size - 1 bytes) into
// buffer. 1, or 0 at the end of the text (buffer empty).
int Next_Text_Line_Copy(char* buffer, int size);
// Value of a 4-character key in the "VALUES" block. 1 when read, else 0.
int Get_Sonderquerschnitt_Value(const Sonderquerschnitt* record, const char* key, double* out);

// ---- store file ----

// Writes all records to the store file, whole or not at all: the old store
// stays byte for byte when a write fails. An empty list removes the store
// file (a regular file only). A store whose last reading failed is neither
// replaced nor removed. Returns 1 when written (or nothing to write), 0 on
// failure or refusal (message box; a line on stderr in batch mode), -1 when
// the number is negative and no prefix names the file.
int Write_GRQ_File(int number);
// Replaces the whole list by the records of the store file, taken whole or
// not at all. Refused (0, list unchanged) while any record is held. 1 when
// read, or when there is no store file (the list is then empty). 0 when the
// store cannot be read, is no regular file, is empty, holds no section or
// is cut or damaged anywhere: the list is then empty, the reason is said
// (Get_GRQ_Error; message box, or a line on stderr in batch mode) and that
// store is never written over until a reading of it succeeds. A store of
// CR LF lines is read as the same store of LF lines.
int Read_GRQ_File(int number);
// "path: reason" of the last reading that failed; empty after one that did not.
const char* Get_GRQ_Error(void);
void Set_GRQ_Extension(const char* extension);

// ---- exchange with the sibling program ----

struct VUVE_Node {
    int number;
    double y, z;
};
struct VUVE_Line {
    int number, start, end, type;
    double t1, t2, d3, d4, d5, d6, d7, d8, d9;   // d4, d5 angles in degrees
};
struct VUVE_Values {
    int count;
    double v[10];
};

struct VUVE_Section_Source {
    const char* name;
    int number;
    int node_count;
    int line_count;
    int (*node)(int index, VUVE_Node* out, void* context);
    int (*line)(int index, VUVE_Line* out, void* context);
    int (*values)(VUVE_Values* out, void* context);   // may be null
    void* context;
};

struct VUVE_Simple_Source {
    const char* name;
    int number;
    int node_count;
    int line_count;
    int (*node)(int index, int* number, double* y, double* z, void* context);
    int (*line)(int index, int* number, int* start, int* end, double* thickness, void* context);
    void* context;
};

struct VUVE_Line_Model {
    const char* name;
    int number;
    int node_count;
    int line_count;
    const VUVE_Node* nodes;
    const VUVE_Line* lines;
    const VUVE_Values* values;   // may be null
};

void Set_XPRT_Name(const char* name);
void Set_VUVE_EIN_Name(const char* name);
void Set_VUVE_Caller_Name(const char* name);
// Path of the exchange file into buffer; null when the prefix is too short.
const char* Get_XPRT_Path(char* buffer, int size);

// Runs Q7-VUVE on the section: hands its text over in the exchange file
// when the kind mask takes it (the file replaced whole, never removed
// first), else removes an old exchange file, and reads the answer back.
// Returns the section read back (the given one, or a new one appended to
// the list), the given section unchanged (or null) when Q7-VUVE left no
// exchange file or the exchange file could not be written or removed (the
// user is told which and why, and Q7-VUVE is not started), null after an
// installation error.
Sonderquerschnitt* Start_VUVE(int kind_mask, Sonderquerschnitt* section);
// An exchange file that is no regular file or larger than 64 MB is read as
// one that cannot be opened.
void Read_XPRT_File(Sonderquerschnitt* record);
// 0 when VUVE.EIN was written, EOF when it could not be (message box).
int Write_VUVE_EIN(void);
// VUVE.EIN under the path prefix; a reading mode opens only a regular file
// of at most 64 MB. Null otherwise.
FILE* Open_VUVE_EIN(const char* mode);
Sonderquerschnitt* Export_Section_To_VUVE(const VUVE_Section_Source* source);
Sonderquerschnitt* Export_Section_Source(const VUVE_Simple_Source* source);
Sonderquerschnitt* Export_Line_Model(const VUVE_Line_Model* model);
int Copy_Model_Node(int index, VUVE_Node* out, void* model);
int Copy_Model_Line(int index, VUVE_Line* out, void* model);
int Copy_Model_Values(VUVE_Values* out, void* model);
int VUVE_Extended_Installed(void);
int VUVE_Extended_Enabled(void);
void Enable_VUVE_Extensions(void);

// Test support: empties the list and restores every setting and cache.
void Reset_User_Sections(void);

#endif
