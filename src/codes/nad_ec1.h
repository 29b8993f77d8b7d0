// The EN 1991 table block of a national annex parameter set: up to ten
// numeric tables whose shape is defined once for all annexes in the
// definitions file "WUSL-Tabs.def" (DATA), and whose values each annex set
// supplies in a values file ("WUSL-Tabs.val" under DATA for the built-in
// sets, "WUSL-NADs.def" under DRAM for user annexes). The block owns its
// table records, texts and values.
#ifndef CODES_NAD_EC1_H
#define CODES_NAD_EC1_H

#include <cstdio>

struct WUSL_Table {
    char* caption;
    char* subcaption;
    char* source;  // origin of the values; null until values were read
    char* tag;
    int columns;
    int rows;
    int present;   // 1 when values were read or copied
    int x1, y1, p1, r1;
    int width, height, p2, r2;
    double* values;  // columns x rows, row-major
};

struct NAD_EC1_Block {
    int variant;
    int data1;
    int data2;
    int options[10];
    WUSL_Table* tables[10];
    int unused;
};

// Reads the definitions file into the block's tables (earlier tables are
// released first). Returns the number of complete tables; 0 and the block
// unchanged when the file cannot be opened or DATA is not set. A missing
// line, a failed conversion, a size of no table or a failed allocation ends
// the reading.
int Read_WUSL_Table_Defs(NAD_EC1_Block* b);
// data1 = data2 = 2, then the set "EC-Standardparameter" of the built-in
// values file.
void Load_WUSL_Standard(NAD_EC1_Block* b);
// The named set from the user values file (user non-zero) or the built-in
// one. Returns the result of Find_WUSL_Annex.
int Load_WUSL_Annex(int user, const char* name, NAD_EC1_Block* b);
// Reads every section of the values file whose name line is exactly the
// name (a later section overrides an earlier one). 0 when the file cannot
// be opened, else 1.
int Find_WUSL_Annex(const char* path, const char* name, NAD_EC1_Block* b);
// Reads one set's records up to the next "#NAD" line, which is left for the
// caller.
void Read_WUSL_Tables(FILE* f, NAD_EC1_Block* b);
// Annex variant 0: variant 1 and table 8 without values; else variant 2 and
// table 9 without values.
void Set_WUSL_Variant(NAD_EC1_Block* b, int variant);
// Writes one set to the user values file under DRAM: behind the sets the
// file holds (append non-zero) or as the whole file. Either way a new file
// takes the old one's place only when complete: a failed write leaves the
// old file as it was. 1 written, 0 not (no DRAM, no block, a failed write).
int Write_WUSL_Annex(int append, const char* name, NAD_EC1_Block* b);
// Writes the records of one set. 1, or 0 for a null argument or a failed
// write.
int Write_WUSL_Values(FILE* f, const NAD_EC1_Block* b);
// 0 equal, 1 different (present tables, values within 0.0001, options,
// data1, data2); a null block differs.
int Compare_WUSL_Tables(const NAD_EC1_Block* a, const NAD_EC1_Block* b);
// Copies values and integers into the tables dst defines; nothing for null.
void Copy_WUSL_Tables(NAD_EC1_Block* dst, const NAD_EC1_Block* src);
// Releases every table with its texts and values; the pointers become null.
void Free_WUSL_Tables(NAD_EC1_Block* b);
int WUSL_Stub_Zero();

#endif
