// Object heads and parameter blocks of the desktop's exchange files.
//
// Every exchange object and every keyed result record carries its data in
// two generic pieces: a head that names the object (type, number, id, name,
// optional head text) and a parameter block that holds any number of ints,
// doubles and strings by position. What a position means is known only to
// the programs that exchange the object; this module stores, copies, reads
// and writes the values without interpreting them.
//
// Invariants of a VEKParamBlock: an array is null exactly when its count is
// 0; the block owns its arrays and every string in them (a string slot may be
// null); growth is zero-filled. All memory goes through the Mem_ family.
#ifndef BASE_VEKPARAM_H
#define BASE_VEKPARAM_H

#include <cstdio>

struct VEKObjectHead {
    int type;    // written in hexadecimal
    int nr;      // number within the type (end-of-block object: block index)
    int id;
    char* name;  // owned (Mem_Strdup) or null; at most 199 characters, no byte 0xAF
    char* text;  // owned (C library heap, as Read_Text_Block returns it) or null
};

struct VEKParamBlock {
    int nInt;
    int nDouble;
    int nString;
    int* ints;
    double* doubles;
    char** strings;  // each slot an owned copy or null; at most 99 characters
};

// Longest name and parameter string the reader keeps (buffers of 200 and 100).
enum { VEK_HEAD_NAME_SIZE = 200, VEK_PARAM_STRING_SIZE = 100 };

/* ---- heads ---- */

// Zeroes every field (nothing is freed). 1, or 0 for null.
int Init_VEK_Object_Head(VEKObjectHead* head);
// Sets type, nr and id and replaces the name by a copy (null clears it).
// 1, or 0 for a null head or a failed copy (the old name is then gone).
int Set_VEK_Object_Head(int type, int nr, int id, const char* name, VEKObjectHead* head);
// Frees the old head text and takes over the given heap text (C heap).
// 1, or 0 for a null head (the text is then not taken over).
int Set_VEK_Object_Head_Text(char* text, VEKObjectHead* head);
// Frees name and text; the fields keep their (now dangling) values.
void Free_VEK_Object_Head(VEKObjectHead* head);
// Writes the head line and, with a text, the text block and "#EOC".
// 1 on success, 0 for a null argument, a failed write or a head that
// VEK_Object_Head_Writable refuses (nothing is written then).
int Write_VEK_Object_Head(FILE* stream, const VEKObjectHead* head);
// Zeroes the head (it must own nothing) and reads one head from the stream.
// 1 on success; 0 on failure or a null argument (what was read stays in the
// head for the caller to free). A name longer than 199 characters or without
// its closing », and a number that does not fit an int, are failures.
int Read_VEK_Object_Head(FILE* stream, VEKObjectHead* head);

/* ---- parameter blocks ---- */

// Zeroes counts and arrays (nothing is freed). 1, or 0 for null.
int Init_VEK_Param_Block(VEKParamBlock* block);
// Gives each array its new count (negative as 0). 1, or 0 when an allocation
// fails: arrays handled before the failing one keep their new size, the
// failing one and those after it their old size.
int Resize_VEK_Param_Block(VEKParamBlock* block, int nInt, int nDouble, int nString);
// Frees all arrays and strings and zeroes the block. Null is allowed.
void Free_VEK_Param_Block(VEKParamBlock* block);
// Sets ints and doubles to 0 and frees every string; counts are kept.
void Clear_VEK_Param_Block(VEKParamBlock* block);
// 1 when any value is non-zero or any string slot is set, else 0 (also null).
int VEK_Param_Block_Is_Set(const VEKParamBlock* block);
// Makes the target an exact copy of the source (null empties the target).
// 1, or 0 when an allocation fails (the target then holds a partial copy).
int Copy_VEK_Param_Block(VEKParamBlock* target, const VEKParamBlock* source);
// Writes the count line, the int line, the double line and one «» line per
// string. 1, or 0 for a null argument, a failed write or a block that
// VEK_Param_Block_Writable refuses (nothing is written then).
int Write_VEK_Param_Block(FILE* stream, const VEKParamBlock* block);
// Reads a block (the block must own nothing). A negative count argument means
// that count is not in the file. Flag bit 0 sizes the block by the file's
// counts, otherwise by the arguments. Negative counts, counts that the rest
// of the file cannot hold, numbers that do not fit an int and strings longer
// than 99 characters or without their closing » are refused. 1 on success,
// 0 on failure (what was read stays in the block for the caller to free).
int Read_VEK_Param_Block(FILE* stream, int nInt, int nDouble, int nString, VEKParamBlock* block,
                         int flags);
// Copies the first n values of each kind out; missing positions come from
// the defaults at the same position, else 0, 0.0 or an empty string. Strings
// are the block's own pointers. A null output or n below 1 skips that kind.
// 1, or 0 for a null block.
int Get_VEK_Param_Values(const VEKParamBlock* block, int* ints, const int* int_defaults, int nInt,
                         double* doubles, const double* double_defaults, int nDouble,
                         char** strings, char* const* string_defaults, int nString);
// Stores values by optional source and target position lists, growing the
// block as needed (never shrinking). 1, or 0 when growth or a string copy
// fails (the remaining entries are still stored after a failed copy).
int Set_VEK_Param_Values(VEKParamBlock* block,
                         const int* ints, const int* int_sources, int nInt, const int* int_targets,
                         const double* doubles, const int* double_sources, int nDouble,
                         const int* double_targets,
                         char* const* strings, const int* string_sources, int nString,
                         const int* string_targets);
// Int i; 0 when the block, its array or position i is missing.
int Get_VEK_Param_Int(const VEKParamBlock* block, int i);
// Double i; 0.0 when missing.
double Get_VEK_Param_Double(const VEKParamBlock* block, int i);
// String slot i as stored (null for an empty slot); a pointer to an empty
// string when the block, its array or position i is missing.
char* Get_VEK_Param_String(const VEKParamBlock* block, int i);

/* ---- shared with the exchange-object reader and writer ---- */

// 1 when the head can be written so that it reads back as it is: a name of
// at most 199 characters without », a head text that a text block can carry
// (Text_Block_Writable); 0 otherwise or for null.
int VEK_Object_Head_Writable(const VEKObjectHead* head);
// 1 when every string of the block has at most 99 characters and no »;
// 0 otherwise or for null.
int VEK_Param_Block_Writable(const VEKParamBlock* block);

// Moves the stream behind the next line that begins with keyword: 1. Gives 0
// at the end of the file, at a line that begins with "#VAZ_" (a block line,
// or an end line of another part of an object) and, with stop_at_head, at an
// object head line ("0x..."); the stream then stands at that line's start.
// An end line that is missing means the object is damaged, and what stands
// behind it must stay readable. stop_at_head is for searches where no head
// line can stand before the end line (behind a text block, behind class
// data of a parameter block).
int Find_VEK_End_Line(FILE* stream, const char* keyword, int stop_at_head);

// Reads a text block as Read_Text_Block does. *complete is set to 0 when the
// block announced more bytes than its chunks held (a cut block) or a length
// that is negative or no int holds; the character at which the reading
// stopped is then given back, so that the line holding it (normally the end
// line) is seen whole. When no block
// stands there at all the stream is left where it was and the result is
// null with *complete 1. The text (C heap) or null.
char* Read_VEK_Text_Block(FILE* stream, int* complete);

#endif
