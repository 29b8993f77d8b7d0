// Load cases of a connection and their results: the case array owned by the
// connection record, the test for load, the removal of cases without load,
// the copy between two records, the load-case block of the input file, and
// the preparation of the weld check of one load case.
#ifndef WELDAPP_LAST_SCHWEISSNAHT_H
#define WELDAPP_LAST_SCHWEISSNAHT_H

#include <cstdio>

#include "base/schnittkraefte.h"

struct SchweissnahtAnschluss;
struct SchweissnahtNachweis;

enum {
    LASTFALL_NAME_SIZE = 48,    // 47 characters and the terminator
    LASTFALL_NAME_STORED = 40,  // characters of a name in the file
    LASTEN_BLOCK_VERSION = 2,
};

struct Lastfall {
    char name[LASTFALL_NAME_SIZE];
    Schnittkraefte forces;  // N, Nmm
};

// The order of the six forces in a row of the input file's load-case block,
// of the load table's columns and of a control-word text file.
inline constexpr double Schnittkraefte::*const LASTFALL_COLUMNS[6] = {
    &Schnittkraefte::N,   &Schnittkraefte::M_y, &Schnittkraefte::V_z,
    &Schnittkraefte::M_z, &Schnittkraefte::V_y, &Schnittkraefte::M_x,
};

// The results of a case: its forces (N, Nmm, copied before its checks) and
// the utilisations by index: U_sigma (-1 failed), U_c/t, U_w, and a last
// value copied back with U_sigma and U_w; the other slots stay 0.
enum { ERGEBNIS_U_SIGMA = 3, ERGEBNIS_U_CT = 4, ERGEBNIS_U_W = 5, LASTFALL_RESULTS = 7 };
struct LastfallErgebnis {
    Schnittkraefte forces;
    double value[LASTFALL_RESULTS];
};

// A new array of max(n, 1) blank cases (names " "), unit code 0; the old
// array is freed. Nothing for null. Out of memory: the program ends.
void Alloc_Lasten(SchweissnahtAnschluss* conn, int n);
// dst gets src's count, unit code, names and forces. Nothing for a null
// argument or src == dst.
void Copy_Lasten(const SchweissnahtAnschluss* src, SchweissnahtAnschluss* dst);
// 1 when one of the six forces of case i exceeds 0.001 in magnitude; 0
// otherwise and for an index outside the array.
int Lastfall_Has_Load(const SchweissnahtAnschluss* conn, int i);
// Removes the cases without load in one pass, keeping the order; when none
// has load the first stays alone. Nothing for null or an empty array.
void Drop_Empty_Lastfaelle(SchweissnahtAnschluss* conn);
// The load-case block. 0 ok; 1 for a null argument or an output error. The
// names in memory are cut at 40 characters and lose trailing blanks.
int Write_Lasten(FILE* f, SchweissnahtAnschluss* conn);
// 0 ok; 1 for a null argument, a newer block (version message), a short or
// bad read, or a count the rest of the file cannot hold. A name longer than
// 47 characters is cut. What was read before a failure stays.
int Read_Lasten(FILE* f, SchweissnahtAnschluss* conn);

// The load cases under the protocol heading, as a list (up to four cases)
// or a table; force columns no loaded case uses are left out. Extent 3
// leaves the names out of the list. Nothing without list or cases.
void Print_Lastfaelle(SchweissnahtAnschluss* conn, FILE* list, int extent);
// The table of forces and utilisations of all cases with its legend.
// Nothing without list.
void Print_Ergebnistabelle(SchweissnahtAnschluss* conn, FILE* list);

// The heading level of the evaluation's chapters; the evaluation sets it.
extern int Schweissnaht_Heading_Level;

// Fills the weld check record from the connection (its working copy: the
// weld table of an all-round weld is rebuilt from the profile) and the
// forces of the result entry, runs the weld check and stores U_w in the
// result entry (also when the check failed). Returns the check's result.
int Calc_Schweissnaht_Lastfall(SchweissnahtAnschluss* conn, LastfallErgebnis* result, FILE* list, int extent,
                               int sketches, int intermediate);

// The weld check of one load case is reached through this seam:
// Calc_Weld_Check from the start, a test's own check in tests. The function
// installed here is called with the filled record. Without one the check
// counts as not completed (result 1, U_w untouched). Returns the previous
// function.
typedef int (*Weld_Check_Function)(SchweissnahtNachweis* rec, FILE* list, int extent, int additional,
                                   int sketches, int intermediate);
Weld_Check_Function Set_Weld_Check_Seam(Weld_Check_Function check);

#endif
