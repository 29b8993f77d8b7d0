// The weld-element library: one weld (NahtElement) and one weld with the two
// parts it joins, its design forces and its check results (NahtGruppe), and
// the check of a group to EN 1993-1-8 clause 4.5: detailing rules, then the
// resistance by weld kind, weld angle and packing plate.
//
// Units inside a group are those of the whole weld check: lengths mm, angles
// degrees, forces N, moments Nmm, forces per length N/mm, stresses N/mm², so
// that a stress is a force per length over the throat and no formula holds
// a factor of units. Other units exist only at the edges: the report's kN,
// kNm and kN/cm (Weld_kN, Weld_kNm, Weld_kN_per_cm) and the group record's
// file, which keeps moments in Nm and forces per length in N/m
// (Write_Weld_Group and Read_Weld_Group convert). Both records are plain
// values owned by the caller; a group only borrows its safety factors.
#ifndef WELDCHECK_WELDELEM_H
#define WELDCHECK_WELDELEM_H

#include <cstdio>

#include "base/schnittkraefte.h"
#include "codes/blech.h"
#include "codes/sicherheit.h"

// The report's units of a group's values: forces in kN, moments in kNm (the
// factors of the internal forces), forces per length in kN/cm.
inline double Weld_kN(double N) { return N * SCHNITTKRAEFTE_TO_KN.force; }
inline double Weld_kNm(double Nmm) { return Nmm * SCHNITTKRAEFTE_TO_KN.moment; }
inline double Weld_kN_per_cm(double N_per_mm) { return N_per_mm * 0.01; }

// A force, moment or force per length of a group counts as present beyond
// these magnitudes: a thousandth of a newton, of a newton metre and of a
// newton per metre.
inline constexpr double WELD_FORCE_ZERO = 0.001;      // N
inline constexpr double WELD_MOMENT_ZERO = 1.0;       // Nmm
inline constexpr double WELD_PER_LENGTH_ZERO = 1e-6;  // N/mm

// Weld kinds.
enum {
    WELD_FILLET = 0,  // "Kehlnaht"
    WELD_SLOT = 1,    // "Schlitznaht"
    WELD_BUTT = 2,    // "Stumpfnaht"
    WELD_PLUG = 3,    // "Lochschweißung"
    WELD_OTHER = 4    // "sonstige Naht"
};
// The name the report gives a weld kind (code page 850), "sonstige Naht"
// for a kind outside them. Never null.
const char* Weld_Kind_Name(int kind);

// Method bits of a group.
enum {
    WELD_METHOD_CALLER_RULES = 4,  // plate and throat rules done by the caller
    WELD_METHOD_DIRECTIONAL = 8,   // directional method, else simplified
    WELD_METHOD_NO_CHECK = 16,     // no resistance check
    WELD_METHOD_MIN_LENGTH = 32    // minimum length and eccentricity moment
};

// Force modes of a group.
enum { WELD_FORCES_GIVEN = 0, WELD_FORCE_PER_LENGTH_GIVEN = 1, WELD_STRESS_GIVEN = 2 };

// The sides of the plate a group's weld lies on: both, one (the left weld
// of a pair), the other one.
enum { WELD_TWO_SIDED = 0, WELD_ONE_SIDED = 1, WELD_ONE_SIDED_OTHER = 2 };

// Result flag bits of a group: the detailing rules failed, the resistance
// check refused the weld (with the first bit), the throat is thinner than
// the packing plate needs (U_max stays that of the weld itself).
enum { WELD_RESULT_DETAILING_FAILED = 1, WELD_RESULT_CHECK_REFUSED = 3, WELD_RESULT_PACKING_THROAT = 4 };

struct NahtElement {
    int kind;              // WELD_FILLET .. WELD_OTHER
    double a;              // throat (plug weld: its thickness), mm
    double e;              // penetration depth of a fillet weld, mm; 0 none
    double l_w;            // weld length, mm
    double angle;          // weld angle (butt weld: opening angle, 0 in line), degrees
    double d;              // hole or slot diameter, mm
    double l;              // hole or slot length, mm
    int full_penetration;  // butt weld fully penetrated
    int full_length;       // carried out over its full length (no 2a deduction)
};

struct NahtGruppe {
    // the nine fields of NahtElement, same order and widths
    int kind;
    double a;
    double e;
    double l_w;
    double angle;
    double d;
    double l;
    int full_penetration;
    int full_length;

    int one_sided;  // WELD_TWO_SIDED, WELD_ONE_SIDED or WELD_ONE_SIDED_OTHER
    Blech_Record plate1;
    Blech_Record plate2;
    int packing;    // joined through a packing plate
    double t_p;     // packing-plate thickness, mm
    int method;     // WELD_METHOD_* bits
    int force_mode; // WELD_FORCES_GIVEN ..

    double N_Ed;    // N
    double M_p_Ed;  // Nmm, over the thickness direction (divided by t2)
    double M_s_Ed;  // Nmm, along the weld (6 / l_eff)
    double V_p_Ed;  // N, along the weld
    double V_s_Ed;  // N, across the weld

    double F_sigma_perp;  // force components per length on the throat, N/mm
    double F_tau_perp;
    double F_tau_par;
    double sigma_perp;    // stresses on the throat, N/mm²
    double tau_perp;
    double tau_par;
    double F_w_Ed;        // N/mm: given (mode 1) or the resultant
    double sigma_w_Ed;    // N/mm²: given (mode 2) or F_w_Ed / a

    int strength_table;   // input chapter: strengths by thickness range
    int check;            // compute utilisations and write check lines
    int summary;          // write the closing block
    int skip_detailing;   // do not run Check_Weld_Group_Detailing

    Sicherheitsbeiwerte_Record* factors;  // borrowed; gamma_M2 is used
    double l_eff;         // effective length, mm, set by the checks
    int result_flags;     // WELD_RESULT_* bits

    // The plates' tensile strengths at their thicknesses, N/mm², as a
    // caller that checks the same plates many times derived them once
    // (Weld_Plate_Tensile_Strength); while strengths_given is 0 every check
    // derives them from the plates. A caller that changes a plate's
    // material or thickness gives its strength anew.
    int strengths_given;
    double f_u_plate1, f_u_plate2;

    // results
    double sigma_1_w_Ed;
    double sigma_2_w_Ed;
    double f_1w_d;
    double f_2w_d;
    double F_w_Ed_result;  // N/mm
    double F_w_Rd;         // N/mm
    double f_vw_d;
    double A_w;            // plug welds, mm²
    double U_max;
    // U_max as computed, before a value just above 1 was counted as 1
    // (Round_Utilisation): its lines show it with the rule.
    double U_max_computed;
};

// kind 0, a, e, l_w, d, l = 0, angle 90, both flags 0. Null is ignored.
void Clear_Weld(NahtElement* w);
// The weld part as Clear_Weld, both plates cleared, every other field 0 and
// the factors pointer null. Null is ignored.
void Clear_Weld_Group(NahtGruppe* g);

// Checks the group: detailing (unless skipped), then the resistance by weld
// kind. Returns 0 when the check was carried out, whatever the utilisation;
// 1 when detailing or the resistance check refused the weld (U_max is then
// -1). An input that is not a finite number refuses the group before any
// rule runs, with a red line naming it. A check whose partial factor is unusable, whose strength or
// resistance is 0 or whose utilisation is not a number counts as refused, as
// does a weld of kind 4 when utilisations are asked for, so none of them can
// end in "ok" or "Nachweis erbracht". With method bit 16 no resistance is
// checked; the closing block then judges the detailing rules alone. A
// packing plate whose throat is too thin makes the verdict red, sets
// WELD_RESULT_PACKING_THROAT and returns 1, but leaves U_max that of the
// weld itself. f null writes
// nothing; print_level 0 result lines, 1 formulas, 2 headings and strength
// data; prefix is the subscript written after "U" (null: empty).
int Check_Weld_Group(NahtGruppe* g, FILE* f, int print_level, int show_message, const char* prefix);

// Whether a partial factor gamma_M2 can divide a weld strength: a number
// within 0.5 .. 3, what an annex can hold (0.1 would make every weld ten
// times stronger). An unusable one writes the line "Teilsicherheitsbeiwert
// gamma_M2 = ... ungültig (nicht zwischen 0.5 und 3)  →  Nachweis nicht
// möglich" with the red failure marker when a list is given. 1 when
// usable.
int Weld_Gamma_M2_Usable(double gamma_M2, FILE* f);

#endif
