// The data side of the input pages of the concrete and reinforcing-steel
// library (betonguete.h, betonstahl.h): the grade picker lists, the
// definition-mode word of the grade fields, the columns of a factor table,
// and the skipping step and current files of the versioned text files.
//
// Picker lists and factor tables are heap records of the ITools_ family;
// their owner frees them with their free function. Nothing here is
// re-entrant.
#ifndef CODES_BETONPARAMETER_H
#define CODES_BETONPARAMETER_H

#include <cstdint>
#include <cstdio>

// Entry kind bits of a picker entry.
enum {
    PICK_DIN_CONCRETE = 1,
    PICK_LIGHTWEIGHT = 2,
    PICK_FREE_CONCRETE = 4,
    PICK_DIN_STEEL = 16,
    PICK_FREE_STEEL = 32,
    PICK_SEPARATOR = 0x1000
};

// Option bits of the concrete list.
enum {
    PICK_OPTION_DIN = 1,
    PICK_OPTION_LIGHTWEIGHT = 2,
    PICK_OPTION_FREE = 4,
    PICK_OPTION_SHOW_ALPHA = 8
};

enum { PICK_CONCRETE_STRIDE = 9, PICK_STEEL_STRIDE = 13, PICK_FREE_CONCRETE_ID = 20, PICK_FREE_STEEL_ID = 5 };

// A grade picker: count names of stride characters each (terminated) with a
// colour index, kind bits and grade id per entry (-1 for a separator).
struct Grade_Pick_List {
    int32_t mode;               // the caller's list mode
    int32_t lightweight_shown;  // concrete: 1 when the option bit 8 was given
    int32_t count;
    int32_t stride;
    char* names;
    int32_t* colours;
    int32_t* flags;
    int32_t* ids;
};

// The concrete list: with option bit 1 the DIN 1045 (7.88) grades (ids 0..4);
// with a non-zero mode then the fifteen classes "C12/15" .. "C100/115" (ids
// 5..19), with option bit 2 the lightweight classes (ids 5..15), with option
// bit 4 "frei" (id 20), each group after a separator. Mode 0 gives at most
// the DIN grades. Never null (stops the program when memory runs out).
Grade_Pick_List* Make_Concrete_Pick_List(int mode, int options);
// The steel list: the DIN 1045 (7.88) steels (ids 0..2); with a non-zero mode
// also, after separators, the two classes (ids 3, 4; "B500A"/"B500B" for
// mode 2) and "frei" (id 5).
Grade_Pick_List* Make_Steel_Pick_List(int mode);
// The first position whose id is id and, with a non-zero mask, whose kind
// shares a bit with mask; 0 when none (or for a null list).
int Find_Pick_Position(const Grade_Pick_List* list, int id, int mask);
// The id and kind of the entry at position: for a separator those of the
// nearest entry above it that is none; id -1 and kind 0 outside the list.
// Null outputs are skipped.
void Get_Pick_Entry(const Grade_Pick_List* list, int position, int* id, int* flags);
// Frees the arrays and the list; null ignored.
void Free_Pick_List(Grade_Pick_List* list);

// The definition mode of the grade fields: 0 shows the parameters of a free
// definition inline, any other value a link to the free-definition sheet.
void Set_Definition_Mode(int mode);
int Get_Definition_Mode(void);

// One column of a factor table (200 bytes).
struct Factor_Column {
    char name[101];      // long name, default "Welcher Faktor ?"
    char symbol[51];     // default "???"
    char subscript[11];
    char unit[20];       // default "???"
    int32_t x;           // left edge
    int32_t layout;      // 6
    int32_t width;       // 63
    int32_t gap;         // 5
};

struct Factor_List {
    int32_t count;
    int32_t flag_1;   // 1
    int32_t flag_2;   // 1
    int32_t selected; // -1: none
    int32_t left;     // left edge of the table
    Factor_Column* columns;
};

// n default columns at x = 0, 68, 136, ... (none for n below 1). Init takes
// the record as uninitialised; Reset frees the columns it held first. Null
// ignored.
void Init_Factor_List(Factor_List* table, int n);
void Reset_Factor_List(Factor_List* table, int n);
// Frees the columns; the list is then empty. Null ignored.
void Free_Factor_List(Factor_List* table);
// The sum of width and gap over all columns: the table's width.
int Factor_List_Height(const Factor_List* table);
// Appends a column (texts cut to 100, 50, 10 and 19 characters; null texts
// empty) at x = left + 8 + the widths and gaps of the columns before it.
// Returns the new count, 0 for a null table.
int Add_Factor_Row(Factor_List* table, const char* name, const char* symbol, const char* subscript,
                   const char* unit, int layout, int width, int gap);

// Skips blanks, control characters and comment lines ('#' to the end of its
// line); the first other character is put back. Null ignored.
void Skip_Comment_Lines(FILE* file);
// The current read and write files of the versioned text files (null before
// the first).
FILE* Get_Text_Read_File(void);
FILE* Get_Text_Write_File(void);

#endif
