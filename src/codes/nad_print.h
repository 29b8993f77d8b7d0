// The print-list tables of the annex blocks: each prints the current
// annex's block under the active annex's name, cut down to the chapters that
// the running program's rule table (or, without rule strings, its program
// number) selects. Every table is a sequence of "#SHOWTABLE" blocks of the
// print list with the layout calls that place them.
#ifndef CODES_NAD_PRINT_H
#define CODES_NAD_PRINT_H

#include <cstdio>

// EN 1990: load factors for buildings and bridges.
void Print_NAD_EC0(FILE* f);

// EN 1992: the 33 display flags (by rule position), the chapter, the
// EN 1992-1-1 table and the EN 1992-2 table.
enum {
    EC2_FLAG_2_4_2_4, EC2_FLAG_SITUATIONS, EC2_FLAG_3_1_6_1, EC2_FLAG_3_1_6_2, EC2_FLAG_11_3_5,
    EC2_FLAG_12_3_1, EC2_FLAG_4_4_1, EC2_FLAG_5_5, EC2_FLAG_5_8_3_1, EC2_FLAG_5_8_6, EC2_FLAG_6_2_2,
    EC2_FLAG_6_3_2, EC2_FLAG_11_6_TORSION, EC2_FLAG_12_6_3, EC2_FLAG_11_6, EC2_FLAG_6_2_4, EC2_FLAG_6_2_5,
    EC2_FLAG_6_8, EC2_FLAG_7_3_4, EC2_FLAG_7_4_2, EC2_FLAG_8_2, EC2_FLAG_9_2_1_1, EC2_FLAG_9_2_1_2,
    EC2_FLAG_9_2_1_4, EC2_FLAG_9_2_2, EC2_FLAG_9_5_2, EC2_FLAG_9_6_2, EC2_FLAG_FIRE, EC2_FLAG_FIRE_6_4_2_1,
    EC2_FLAG_FIRE_6_4_2_2, EC2_FLAG_BUILDINGS, EC2_FLAG_BRIDGES, EC2_FLAG_5_2, EC2_FLAG_COUNT
};
void Set_NAD_EC2_Display_Flags();
// The flag at rule position k (0 outside 0..32).
int NAD_EC2_Display_Flag(int k);
void Print_NAD_EC2(FILE* f);
void Print_NAD_EC2_Table(FILE* f);
void Print_NAD_EC2_Bridge_Table(FILE* f);

// EN 1993: the ten switches, the tables the weld program prints (the
// EN 1993-1-1 table, with show_fire the EN 1993-1-2 table, and with
// show_1_8 the EN 1993-1-8 values of its welds: gamma_M2 and beta_w), and
// the whole chapter (the EN 1993-1-1/-1-2 tables, then those of EN 1993-1-8
// with the factors of bolted connections, -1-5, -1-9 and -6).
enum {
    EC3_SHOW_6_1, EC3_SHOW_GAMMA_M2, EC3_BOLTS_HEADING, EC3_SHOW_1_8, EC3_SHOW_ACCIDENTAL, EC3_SHOW_LTB,
    EC3_SHOW_1_5, EC3_SHOW_1_9, EC3_SHOW_6, EC3_SHOW_FIRE, EC3_SWITCH_COUNT
};
void Set_NAD_EC3_Print_Flags();
int NAD_EC3_Print_Flag(int k);
void Print_NAD_EC3_1_Table(FILE* f);
void Print_NAD_EC3(FILE* f);

// EN 1995: the nine chapter flags (rule positions of part 5) and the tables.
void Set_NAD_EC5_Print_Flags();
int NAD_EC5_Print_Flag(int k);
void Print_NAD_EC5(FILE* f);

// EN 1996 and EN 1999 tables, and the flags they (and the sheets) follow:
// EN 1996 A chapters 2.4.3 and 2.4.4, B the accidental and seismic rows;
// EN 1999 A chapter 6.1.3, B gamma_M2, C chapter 8.1.1.
void NAD_EC6_Visibility(int* a, int* b);
void NAD_EC9_Visibility(int* a, int* b, int* c);
void Print_NAD_EC6(FILE* f);
void Print_NAD_EC9(FILE* f);

// Shared blocks: the column head of a parameter table ("Kapitel Wert
// Bedeutung"), the chapter title with the active annex's name, the title of
// a table with the standard's name (optionally followed by the annex), and a
// factor row of gamma with its subscript.
void NAD_Print_Table_Head(FILE* f);
void NAD_Print_Chapter_Title(FILE* f);
void NAD_Print_Norm_Title(FILE* f, int norm, int with_annex);
void NAD_Print_Factor_Row(FILE* f, const char* subscript, double value, const char* meaning);

// One row (or piece of a row) of a parameter table: a format that takes the
// value, or a text without a conversion, printed as it stands.
struct NAD_Table_Row {
    const char* format;
    double value;
};
// Prints the rows in their order.
void NAD_Print_Rows(FILE* f, const NAD_Table_Row* rows, int count);

#endif
