// The final result of an evaluation: for each check (cross-section,
// welds, c/t ratio) its governing utilisation with the load case and, for
// the welds, the weld and end point where it governs; the load cases that
// fail or have no result; the notes of the checks about every detailing
// limit a weld breaks; and the verdict. Computed from the load-case results
// alone (their statuses, never a value standing for an error; the stresses
// of a DIN case that lacks its buckling check count), once per
// evaluation, in time linear in the number of cases.
#ifndef WELDAPP_ENDERGEBNIS_H
#define WELDAPP_ENDERGEBNIS_H

#include <cstdio>
#include <string>
#include <vector>

#include "weldapp/schweissnaht.h"

// The largest utilisation of one check over the load cases: U (0 when the
// check gave none above 0) and where: the 1-based load case (0 none), the
// weld number (0 none) and end point (-1 none) for the welds.
struct Endergebnis_Maximum {
    double U = 0.0;
    int load_case = 0;
    int weld = 0, point = -1;
    char half = 0;  // 'a', 'b': the half of a split flange weld
    bool at_yz = false;  // the DIN check's point of the governing stress
    double y = 0.0, z = 0.0;
    double computed = 0.0;  // U as its lines show it (Ausnutzung_Berechnet), 0 where not known
};

struct Endergebnis {
    Endergebnis_Maximum sigma, ct, w;
    // The larger of U_sigma and U_w over the cases in their order (of two
    // the rule counts as 1 alike the larger as computed; the first case
    // keeps a tie): the maximum the chart and the tabular forms take, with
    // its case.
    Endergebnis_Maximum overall;
    std::vector<int> failing;         // 1-based cases with a utilisation that fails (beyond the tolerance)
    std::vector<int> without_result;  // 1-based cases where a check failed or was refused
    std::vector<int> not_covered;     // 1-based cases a check does not cover (class 4 sections)
    std::vector<int> shear_buckling;  // 1-based cases whose section's shear buckling needs a closer check
    std::vector<int> plate_buckling;  // 1-based cases whose plates need DIN 18800-3's buckling check
    bool weld_input_refused = false;  // the welds were not checked: their geometry was refused
    // Why, where it was not their geometry (Din_Welds_Refused: the DIN check
    // has no alpha_w for their material); null: their geometry.
    const char* weld_refusal = nullptr;
    // A case passed only because the rule of Round_Utilisation counted a
    // utilisation just above 1 as 1 (the maxima may stand in other cases).
    bool counted_as_one = false;
};

// What the cases and the final result name when the input check refused
// the weld geometry (a weld longer than its face).
const char* Refused_Weld_Input_Text(void);

// The final result of the record's load cases (conn->results, load_count
// entries) with the print control's tolerance. Never fails; an empty
// result for a null record or no results.
Endergebnis Summarise_Lastfaelle(const SchweissnahtAnschluss* conn);

// A utilisation that fails the verdict: above 1 and not within the user's
// tolerance (percent) of the final result. The chart judges by it too.
bool Endergebnis_Fails(double u, double tolerance);

// A tolerance in percent, or its limit 1 + tolerance/100, with the digits
// it has: "5", "2.5", "1.05", "1.025".
std::string Endergebnis_Digits(double v);

// The governing case the evaluation hands on (the tabular forms show it in
// detail, the chart names it): the first case without a result, else the
// case of the overall maximum; -1 for none.
int Endergebnis_Governing_Case(const Endergebnis& e);

// The notes of one rule as the final result words them, without its
// markup of tabs and markers: one line a text, the welds with that text
// before it ("Nähte 1 bis 4: Nahtdicke a = ..."). notes[0..count] by weld
// number as for Print_Endergebnis; empty for null notes.
std::vector<std::string> Weld_Note_Lines(const Weld_Notes* notes, int count, int rule);

// The room (cm) the rows of Print_Endergebnis take for e and the notes, so
// that the final result is kept whole on one page.
double Endergebnis_Height_CM(const Endergebnis& e, const Weld_Notes* notes, int count);

// Writes the chapter "Endergebnis": the maximum of each check with its
// load case and place, the failing cases, those without result, those
// not covered and those whose shear buckling needs a closer check, the refused weld geometry in place of the welds' maximum,
// the notes of the welds (by number, notes[0..count], 0 the DIN check's weld
// all round: every detailing limit a weld breaks, welds with the same rule
// and numbers in one row), the verdict at every result extent, and the
// annex's warning when a note names what it is about. input_error: an input was refused or
// a case failed, which fails the verdict. Nothing without a list.
void Print_Endergebnis(const SchweissnahtAnschluss* conn, const Endergebnis& e, const Weld_Notes* notes, int count,
                       FILE* list);

#endif
