// The weld check record: everything the weld check of one load case needs
// (partial factor, plate, weld kind and angle, the welded profile, up to 20
// welds with throat, length and number, the method switches and the six
// internal forces) and what it gives back (the weld utilisation and its
// result arrays). The application fills one per load case; the weld check
// reads it and writes its results into it.
#ifndef WELDCHECK_WELD_CHECK_RECORD_H
#define WELDCHECK_WELD_CHECK_RECORD_H

#include <cstdio>

#include "base/schnittkraefte.h"
#include "codes/blech.h"
#include "profiles/stahlprofil.h"
#include "weldcheck/weld_notes.h"

enum { WELD_CHECK_WELDS = 20, WELD_CHECK_LINE_VALUES = 14 };

// The right half of a flange weld split at the web axis carries its weld's
// number plus this; the number it is listed under is its weld's.
enum { WELD_HALF_NUMBER_OFFSET = 20 };
inline int Weld_Base_Number(int n) { return n > WELD_HALF_NUMBER_OFFSET ? n - WELD_HALF_NUMBER_OFFSET : n; }

// How the shear forces are split between the welds: the welds along y take
// V_y and those along z V_z (conventional), by the welds' own stiffnesses,
// or in step with the normal force (consistent with N and M, the outer
// flange welds of the I family and the tee split at the web axis).
enum { WELD_SHEAR_SPLIT_CONVENTIONAL = 0, WELD_SHEAR_SPLIT_STIFFNESS = 1, WELD_SHEAR_SPLIT_CONSISTENT = 2 };
// The record's method: the directional method (else the simplified one).
enum { WELD_CHECK_DIRECTIONAL = 1 };
// What U_w is: nothing yet (the record as initialised), the check's result,
// or no result, the check having refused the case (its line says why; U_w
// then reads -1). The check sets it as it returns; a reader of the record
// takes the status, never a value of U_w, for the answer.
enum { WELD_CHECK_NOT_RUN = 0, WELD_CHECK_DONE = 1, WELD_CHECK_REFUSED = 2 };
// The values of the governing point in line_values, in this order.
enum {
    WELD_CHECK_VALUE_SIGMA_PERP, WELD_CHECK_VALUE_TAU_PERP, WELD_CHECK_VALUE_TAU_PAR,
    WELD_CHECK_VALUE_SIGMA_1, WELD_CHECK_VALUE_F_1, WELD_CHECK_VALUE_SIGMA_2, WELD_CHECK_VALUE_F_2,
    WELD_CHECK_VALUE_SIGMA_X, WELD_CHECK_VALUE_TAU_Y, WELD_CHECK_VALUE_TAU_Z,
    WELD_CHECK_VALUE_F_W_ED, WELD_CHECK_VALUE_F_W_RD,
    // A fully penetrated butt weld: the point's equivalent stress and the
    // design yield strength f_y / gamma_M0 of the weaker part it joins
    // (0 for every other weld).
    WELD_CHECK_VALUE_SIGMA_V, WELD_CHECK_VALUE_F_Y_D
};
static_assert(WELD_CHECK_VALUE_F_Y_D + 1 == WELD_CHECK_LINE_VALUES, "one value of the governing point each");
// What a fully penetrated butt weld's utilisation comes from: the weld's
// own check (EN 1993-1-8 4.5.3), or the resistance of the weaker part it
// joins (4.7.1: such a weld is as strong as that part, no stronger).
enum { WELD_GOVERNS_WELD = 0, WELD_GOVERNS_WEAKER_PART = 1 };
// The weaker of the two parts a fully penetrated butt weld joins.
enum { WELD_PART_NONE = 0, WELD_PART_PLATE = 1, WELD_PART_PROFILE = 2 };

struct SchweissnahtNachweis {
    double gamma_M2;
    // The joined parts' partial factor, for the resistance of a fully
    // penetrated butt weld's weaker part; 0 or less: the active annex's.
    double gamma_M0;
    Blech_Record plate;
    double weld_angle;        // degrees between the fusion faces
    int weld_kind;            // 0 fillet, 1 slot, 2 butt, 3 plug, 4 other
    int full_penetration;
    int deduct_craters;       // 1: lengths reduced by the end craters (2 a)
    int neglect_short;        // short pieces of an all-round weld neglected
    Stahlprofil profile;
    double a[WELD_CHECK_WELDS];   // throats, mm
    double l[WELD_CHECK_WELDS];   // lengths, mm (0.1 or less: the default length)
    int number[WELD_CHECK_WELDS]; // weld number, 0 or less: no weld
    int all_round;
    int shear_split;          // WELD_SHEAR_SPLIT_*
    int no_length_check;
    int no_throat_check;
    int full_treatment;       // 0 allows the symmetric shortcut of the I family
    double contact_share;     // share of N carried by contact, 0..1
    int check_field;          // positive: welds, checked; negative selects the line mode
    int method;               // WELD_CHECK_DIRECTIONAL, else simplified
    Schnittkraefte forces;    // N, Nmm
    double U_w;               // largest utilisation, -1 on refusal
    // U_w as computed at its point, where a value just above 1 was counted
    // as 1 (Round_Utilisation); read only beside a U_w of 1.
    double U_w_computed;
    int U_w_status;           // WELD_CHECK_NOT_RUN, _DONE or _REFUSED
    double U_position[WELD_CHECK_WELDS];         // largest utilisation of each position's points
    double line_values[WELD_CHECK_LINE_VALUES];  // the governing point's (WELD_CHECK_VALUE_*; N/mm², F N/mm)
    int governing_slot;       // weld position and end point of U_w; -1 without a valid result
    int governing_point;
    // At the governing point of a fully penetrated butt weld: which check
    // gave U_w (WELD_GOVERNS_*), the weaker part (WELD_PART_*) and its
    // thickness (mm). WELD_GOVERNS_WELD and WELD_PART_NONE otherwise.
    int governing_check;
    int weaker_part;
    double weaker_t;
    // The detailing limits each position breaks, with their values, set by
    // the check: those it refuses the weld for and those it notes only (too
    // short to count, a throat beside the annex's limits).
    Weld_Notes notes[WELD_CHECK_WELDS];
};

// Weld angle 90, the plate cleared, the profile initialised, every other
// field 0. Returns 0 (also for null, which is ignored).
int Init_Weld_Check_Record(SchweissnahtNachweis* record);
// U_w as its lines show it: U_w, or the value as computed where the rule of
// Round_Utilisation counted it as 1. Never fails; null gives 0.
double Weld_Check_Computed_U(const SchweissnahtNachweis* record);
// Checks one weld of throat a and length l (mm) under the force (the
// simplified method: the design force per length, N/mm) with the record's
// settings and raises U_w to its utilisation (never lowers it). 1
// when the check reports a fault or the record carries no profile, else 0
// (also for a null record). A fault makes U_w_status WELD_CHECK_REFUSED,
// which a later weld does not undo; a weld checked makes a status not yet
// refused WELD_CHECK_DONE.
int Check_Single_Weld_Element(SchweissnahtNachweis* record, double a, double l, double force,
                              const Materialparameter_Record* material, FILE* list, int print_level);
// Fills the record with the fixed test case of the weld check: a catalogue
// HE400A on a 24 mm end plate of the default steel, gamma_M2 of the active
// annex, weld angle 90, the directional method, the five welds of the left
// half and the outer flange faces (throats 10, 10, 5, 10, 10 mm, numbered
// 1 to 5) and the forces N = -1190 kN, M_y = 225 kNm, M_z = -26 kNm, V_y =
// -180 kN, V_z = 370 kN. Returns the result of the plate's data check (0
// when it held); 1 for a null record. The catalogue is read from the DATA
// directory.
int Test_Weld_Check(SchweissnahtNachweis* record);
// An evaluation needs a profile: 1 with the description-error line (when a
// list is given) for a record whose profile is of type 0 and computable
// here, else 0.
int Refuse_Weld_Check_Without_Profile(const SchweissnahtNachweis* record, FILE* list, const char* prefix);

#endif
