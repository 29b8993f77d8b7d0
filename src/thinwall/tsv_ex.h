// tsv_ex: the partial-internal-forces check of general thin-walled line
// models. The computation is done by a component attached through the hook
// table of the model store (dwqb.h); this module fills its control record
// from the current model, hands it forces and yield record, and prints what
// comes back. Without an attached component every call reports "not
// computed" (result 0, U_pl = -1).
//
// Forces as in tsv.h (N, V_y, V_z, M_xp, M_y, M_z, M_xs, M_omega in kN and
// kNcm); the yield record's second value is f_y and the hook parameter.
#ifndef THINWALL_TSV_EX_H
#define THINWALL_TSV_EX_H

#include <cstdint>
#include <cstdio>

#include "thinwall/section_work.h"

// One line as the attached component reports it: 22 eight-byte slots; the
// ones not named here belong to the component.
struct TSV_EX_Linie {
    int32_t number;
    int32_t kind;            // 1 weld line, else a plate line
    double component1[3];
    double angle;            // radians
    double V_y, V_z;         // kN
    double T;                // kNcm
    double component8;
    double U_tau;
    double y_s, z_s;         // cm
    double w_s;              // cm2
    double t, b;             // cm
    double N;                // kN
    double M_y, M_z;         // kNcm
    double U_sigma;
    double U;
    double component20;
    int32_t sub_index;       // < 0 not split; 0, 1, ... print as a, b, ...
    int32_t component21;
};

struct TSV_EX_Linienliste {
    TSV_EX_Linie* lines;     // owned
    int32_t count;
    int32_t capacity;
};

enum : uint32_t {
    TSV_EX_NO_WARPING = 0x1,
    TSV_EX_ALWAYS_WARPING = 0x4,
};

struct TSV_EX_Steuerung {
    uint32_t flags;          // TSV_EX_* and the profile's work code
    int32_t word;
    double alpha, y_s, z_s, y_M, z_M;
    double L;                // member length for the warping criterion (100.0)
    double extra;
};

enum : uint32_t {
    TSV_EX_FORCES_GIVEN = 0x10,
    TSV_EX_WARPING_OPEN = 0x10000,   // warping equilibrium not met in the limit state
    TSV_EX_FACTOR = 0x1000000,       // load factor present
};

// d[0] f_pl, d[1] U_pl, d[9] bimoment of the limit state, d[11], d[12] V_y,
// V_z and d[14], d[15] M_y, M_z in the section's y-z directions.
struct TSV_EX_Ergebnis {
    uint32_t flags;
    double d[18];
};
enum { TSV_EX_F_PL = 0, TSV_EX_U_PL = 1, TSV_EX_B = 9, TSV_EX_VY = 11, TSV_EX_VZ = 12, TSV_EX_MY = 14, TSV_EX_MZ = 15 };

// Settings of the two work-record set-ups: the option word, and the doubles
// of which the set-up of the load factor takes the second to fifth.
struct TSV_EX_Einstellungen {
    int32_t option;
    int32_t unused;
    double values[5];
};

// The evaluate operation's result (non-zero: computed); 0 when the result,
// the forces or the yield record is missing or no hook object is had.
int Calc_TSV_EX(const double* forces, const double* yield, const TSV_EX_Steuerung* control, TSV_EX_Ergebnis* result,
                TSV_EX_Linienliste** lines);
int Calc_TSV_EX_Work(const double* forces, const double* yield, const Profil_Model_Descriptor* profile,
                     NachweisDatenKopf* work, int unused, TSV_EX_Ergebnis* result, TSV_EX_Linienliste** lines);
// Computes the line list of the current model and prints it; 1 when printed.
int Print_TSV_EX_Linien(FILE* stream, int unused, const char* prefix);
// 0 for a null stream or result, else 1.
int Print_TSV_EX_Result(FILE* stream, int unused, const char* prefix, const double* forces,
                        const TSV_EX_Ergebnis* result, const TSV_EX_Linienliste* lines);

// Creates the head when list is null and grows the array to needed records
// (new records not cleared, the count unchanged); null when memory runs out
// (a given list is then unchanged).
TSV_EX_Linienliste* New_TSV_EX_Linienliste(TSV_EX_Linienliste* list, int needed);
void Free_TSV_EX_Linienliste(TSV_EX_Linienliste* list);
TSV_EX_Linie* Find_TSV_EX_Linie(const TSV_EX_Linienliste* list, int number);

// 0 when the several-part calculation is off or an argument is missing; 1
// for a user section; 0 for flat and round bars; 1 otherwise.
int Is_TSV_EX_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name);
// 2 when not applicable; else fills the record for the method and returns 5.
int Setup_TSV_EX_Work(const TSV_EX_Einstellungen* settings, const Profil_Model_Descriptor* profile,
                      NachweisDatenKopf* work, const char* name);
int Is_PLO_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name);
// 2 when not applicable; else fills the record for the plastic load factor
// and returns 4.
int Setup_PLO_Work(const TSV_EX_Einstellungen* settings, const Profil_Model_Descriptor* profile,
                   NachweisDatenKopf* work, const char* name);

#endif
