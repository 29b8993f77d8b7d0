// Factor tables: load-case combinations written as a table of formulas
// ("1.35╬/.╬r(Lf1+Lf2)+1.50╬/.╬r Lf3"), one row per combination, on top of
// the general table writer.
#ifndef PRINTLIST_OLI_FACTOR_TABLE_H
#define PRINTLIST_OLI_FACTOR_TABLE_H

#include <cstdio>

// One combination: its name (the caller's text, not owned), its design
// situation and the two factors of each load case.
struct OliFactorRow {
    const char* name;      // null: "???"
    int situation;
    double* factors1;      // n factors, 1.0 at start
    double* factors2;      // n factors, 1.0 at start
};

// The table: n load cases, m combinations. The arrays are blocks of the
// allocation wrappers (base/vesk.h), owned by the record.
struct OliFactorTable {
    int table_flag;        // not 0: the layout line gets its tail
    int hide_names;        // 1: no column "Bezeichnung"
    int hide_situation;    // 1: no column "Bemessungssit."
    int n;
    int* numbers;          // load-case numbers 1..n; -1 leaves a load case out
    int m;
    OliFactorRow* rows;
    const char* (*situation_name)(int code);      // null: "???"
    const char* (*load_case_name)(int index);     // null: "Lf<number>"
};

// Fills the record with the start values (names hidden, situations shown,
// load cases 1..n, every factor 1.0). 1, or 0 for a null record, a count
// below 0 or exhausted memory (the record then holds no blocks, counts 0).
int Init_Factor_Table(int n, int m, OliFactorTable* table);
// Frees the blocks of the record and sets its counts to 0; null is ignored.
void Free_Factor_Table(OliFactorTable* table);
// Row i of the formulas of the table written last, or "???" when there is
// no such row. Valid until the next Oli_Factor_Table.
const char* Factor_Table_Row(int i);
// Writes the table: columns "LK", optionally "Bezeichnung" and
// "Bemessungssit.", and "Faktorisierung". A factor that is not a finite
// number, a name or situation with a line break, or a record whose blocks
// are missing is refused with a message and nothing is written. Nothing
// for a null stream or no rows; the formulas are made in any case.
void Oli_Factor_Table(FILE* stream, const OliFactorTable* table);

#endif
