// Load cases of a connection and their results: the case array owned by the
// connection record, the test for load, the removal of cases without load,
// the copy between two records, the load-case block of the input file, and
// the preparation of the weld check of one load case.
#ifndef WELDAPP_LAST_SCHWEISSNAHT_H
#define WELDAPP_LAST_SCHWEISSNAHT_H

#include <cstdio>

#include "base/schnittkraefte.h"
#include "codes/input_ranges.h"
#include "weldcheck/weld_notes.h"

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

// The largest magnitude of a force (N) or moment (Nmm) of a load case: the
// stresses formed from a larger one could overflow, the check refuses it, and
// no value may enter the load cases that the input file's reader would not
// take back.
inline constexpr double LASTFALL_MAX_FORCE = Input_Range_Of(RANGE_LOAD).maximum;
static_assert(Input_Range_Of(RANGE_LOAD).minimum == -LASTFALL_MAX_FORCE, "a load's range is symmetric");

// The order of the six forces in a row of the input file's load-case block,
// of the load table's columns and of a control-word text file.
inline constexpr double Schnittkraefte::*const LASTFALL_COLUMNS[6] = {
    &Schnittkraefte::N,   &Schnittkraefte::M_y, &Schnittkraefte::V_z,
    &Schnittkraefte::M_z, &Schnittkraefte::V_y, &Schnittkraefte::M_x,
};

// What became of one check of a load case. The utilisation beside it is a
// number only for ERGEBNIS_GEFUEHRT, and for ERGEBNIS_BEULNACHWEIS where
// the DIN check's stresses stand beside the buckling check it lacks; a
// check that was refused or failed, or that does not cover the case, says
// so here and leaves its utilisation 0, so that no value ever stands for
// an error.
enum Ergebnis_Status {
    ERGEBNIS_NICHT_GEFUEHRT = 0,  // not run: switched off, or no load it must take
    ERGEBNIS_GEFUEHRT = 1,        // run; the utilisation is its result
    ERGEBNIS_FEHLER = 2,          // run and refused or failed: no utilisation
    // Run without fault, but the case lies outside what the check covers (a
    // class 4 section needs its effective section): no utilisation, and the
    // proof of the case is not complete.
    ERGEBNIS_NICHT_ABGEDECKT = 3,
    // Not run: the input check before the cases refused what the check
    // takes (the weld geometry); no utilisation, and the proof of the case
    // is not complete.
    ERGEBNIS_EINGABE_ABGELEHNT = 4,
    // Run without fault, but a plate of the section that carries shear lies
    // beyond its shear-buckling limit: the closer verification it needs is
    // not made here. No utilisation, and the proof of the case is not
    // complete (a case the check does not cover).
    ERGEBNIS_SCHUBBEULEN = 5,
    // Run without fault, but a plate of the section lies beyond DIN
    // 18800-1's limits of b/t: its buckling check by DIN 18800-3 is not
    // made here, and the proof of the case is not complete. The stresses
    // were checked and printed: their utilisation stands (stresses beyond
    // their limit fail the case whatever that buckling check would say).
    ERGEBNIS_BEULNACHWEIS = 6,
};

struct Ausnutzung {
    double U;    // 0 unless status is ERGEBNIS_GEFUEHRT (or ERGEBNIS_BEULNACHWEIS with its stresses')
    int status;  // Ergebnis_Status
    // U as computed, before a value just above 1 was counted as 1
    // (Round_Utilisation); 0 where not known.
    double computed = 0.0;
};

// The results of a case: its forces (N, Nmm, copied before its checks), the
// utilisations of the cross-section check (U_sigma, U_c/t) and of the weld
// check (U_w), and where U_w governs: the weld's number (0 for none, and for
// the one closed weld of a round section), the letter of the half of a
// split flange weld ('a', 'b', or 0) and its end point (-1 for none); the
// DIN check names instead the point of its governing weld stress (y, z in
// cm from the reference point of its list, at_yz set).
struct LastfallErgebnis {
    Schnittkraefte forces;
    Ausnutzung U_sigma, U_ct, U_w;
    int weld, point;
    char half;
    bool at_yz;
    double y, z;
    // The welds break a detailing limit that fails the case whatever its
    // utilisations (the DIN check's throat limits): the case is not
    // verified, and its utilisations still stand.
    bool limits_broken;
};

// A result of the check: U with ERGEBNIS_GEFUEHRT, or ERGEBNIS_FEHLER and 0
// for a U that is no number.
Ausnutzung Ausnutzung_Gefuehrt(double U);
// The same for a utilisation as computed: U as Round_Utilisation counts it,
// the computed value kept beside it.
Ausnutzung Ausnutzung_Gerundet(double computed);
// The utilisation as its lines show it: U, or the value as computed where
// the rule counted it as 1.
double Ausnutzung_Berechnet(const Ausnutzung& u);
// The failure of a check: ERGEBNIS_FEHLER with 0.
Ausnutzung Ausnutzung_Fehler(void);
// A check that does not cover the case: ERGEBNIS_NICHT_ABGEDECKT with 0.
Ausnutzung Ausnutzung_Nicht_Abgedeckt(void);
// A section whose shear buckling needs a closer check: ERGEBNIS_SCHUBBEULEN
// with 0.
Ausnutzung Ausnutzung_Schubbeulen(void);
// A section whose plate needs a buckling check by DIN 18800-3:
// ERGEBNIS_BEULNACHWEIS with 0; with the utilisation of its stresses as
// computed, that utilisation as Ausnutzung_Gerundet keeps it (0 for one
// that is no number).
Ausnutzung Ausnutzung_Beulnachweis(void);
Ausnutzung Ausnutzung_Beulnachweis(double computed);
// 1 when the utilisation is a number the final result counts: a check
// run (ERGEBNIS_GEFUEHRT), or the DIN check's stresses beside a missing
// buckling check (ERGEBNIS_BEULNACHWEIS with its value).
int Ausnutzung_Steht(const Ausnutzung& u);
// 1 when no check of the case failed.
int Lastfall_Hat_Ergebnis(const LastfallErgebnis* result);
// 1 when a check of the case does not cover it (its proof is incomplete,
// though nothing failed): a class 4 section, or one whose shear buckling
// or (DIN 18800) plate buckling needs a closer check.
int Lastfall_Nicht_Abgedeckt(const LastfallErgebnis* result);
// The notes of the welds (every detailing limit a weld breaks, with its
// values), by weld number 1..WELD_NOTE_NUMBERS, index 0 for the weld all
// round of the DIN check: gathered over every load case of the last
// evaluation, the first values of each rule kept. Cleared by each
// evaluation.
enum { WELD_NOTE_NUMBERS = 20 };
const Weld_Notes* Weld_Notes_By_Number(void);
void Clear_Weld_Notes(void);
// Adds the notes of weld `number` (a half's number counts as its weld's);
// a number outside 0..WELD_NOTE_NUMBERS is left out.
void Add_Weld_Notes(int number, const Weld_Notes& notes);

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

// Fills the weld check record from the connection (its working copy: the
// weld table of an all-round weld is rebuilt from the profile) and the
// forces of the result entry, runs the weld check and stores U_w in the
// result entry (also when the check failed). With a list the check stands
// under the heading "Nachweis der Schweißnähte" of level heading_level.
// Returns the check's result.
int Calc_Schweissnaht_Lastfall(SchweissnahtAnschluss* conn, LastfallErgebnis* result, FILE* list, int extent,
                               int sketches, int intermediate, int heading_level);

// The weld check of one load case is reached through this seam:
// Calc_Weld_Check from the start, a test's own check in tests. The function
// installed here is called with the filled record and answers as
// Calc_Weld_Check does: its result, U_w and U_w_status (only a status
// WELD_CHECK_DONE gives the case its U_w). Without one the check counts as
// not completed (result 1, U_w untouched). Returns the previous function.
typedef int (*Weld_Check_Function)(SchweissnahtNachweis* rec, FILE* list, int extent, int additional,
                                   int sketches, int intermediate);
Weld_Check_Function Set_Weld_Check_Seam(Weld_Check_Function check);

#endif
