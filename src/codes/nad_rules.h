// The program rule tables: which Eurocode parts, and which rules within
// them, the annex sheets and print tables of each program of the desktop
// show. The declarations stand in %EXEC%/<dir>/APP<nnnn>.DEF ("#NADS"); they
// are read once per process, the running program's entry is picked by its
// application number, and the printed annex chapters follow from the rule
// groups. Also the two edition switches of the standard names.
#ifndef CODES_NAD_RULES_H
#define CODES_NAD_RULES_H

#include <cstdio>

enum { NAD_RULES_MAX = 300, NAD_ALL_PARTS_MASK = 623 };

struct NAD_Application_Rule {
    char* name;       // "#NAME" or the directory name, upper case
    char* service;    // "#SERVICE" / "#GROUP" text, default "Bauteil"
    char* rules[10];  // rule string per Eurocode part 0..9, or null
    int part_mask;    // bit p: Eurocode part p used
    int program_number;
    int rules_listed;  // 1 rule strings read, 0 mask given as a number
};

// Reads the rule table once (a later call returns at once; without EXEC
// nothing is read and a later call tries again) and selects the running
// program's entry.
void Scan_Application_NADs();
// The running program's number; 0 when no entry fits.
int Find_Current_Application_NAD();
// 1 when rule k of Eurocode part p is shown: always without a selected
// entry, for p above 9 or a part without a rule string; else when k is
// within the string and its character there is not '0'.
int NAD_Rule_Shown(int p, int k);
// 1 when no entry is selected, else whether the entry listed rule strings.
int NAD_Rules_Listed();
// The part mask in force (623 when no entry fits).
int NAD_Part_Mask();
// 1 while all rules are shown (no entry fits the running program).
int NAD_All_Rules_Shown();

// Number of used rules of each group (constants in this program).
int Count_Used_EC2_Rules();
int Count_Used_EC3_Rules();
int Count_Used_EC5_Rules();
int Count_Used_EC6_Rules();
int Count_Used_EC9_Rules();
int Count_Used_Rules_988();

// The EN 1990 chapter when any group is used.
void Print_NAD_Bridge_Factors_If_Used(FILE* f);
// The chapters of the used groups: EN 1992, EN 1993, EN 1995, EN 1996 and
// EN 1999.
void Print_NAD_Parameters(FILE* f);

// Edition switch of the standard names (initially 1) and the reference
// switch of the reference lists (initially 0).
void Set_Norm_Edition_Flag(int on);
int Get_Norm_Edition_Flag();
void Set_Norm_Reference_Flag(int on);
int Get_Norm_Reference_Flag();

// The annex editor's choice of the program whose rules the sheets follow
// ("alle Regeln darstellen" or one entry of the table). 1 after ok (the
// choice is in force), 0 after abbrechen or when the window is closed.
int NAD_Display_Options_Sheet();

// Read-only view of the table (for tests and the display options).
const NAD_Application_Rule* Get_NAD_Application_Rule(int index);
int Count_NAD_Application_Rules();
// Forgets the table and the selection, as at process start (for tests).
void Reset_NAD_Rules();

#endif
