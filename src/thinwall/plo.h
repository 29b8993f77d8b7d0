// plo: the plastic limit load factor of a computed thin-walled section. The
// per-line records of unit-case resultants (DWQB_PLO_Linie) and their list,
// the shear shares of one line for given forces, the search for the common
// factor of the eight internal forces at which the section, with every
// line's yield strength reduced by its shear utilisation, is fully plastic,
// and the report of that limit state on the outline mesh.
//
// Forces (eight f64): N, V_y, V_z, first torsional moment, M_y, M_z, second
// torsional moment, bimoment; kN, cm. The general section works in m: moments
// go over times 0.01, the bimoment times 0.0001, stresses come back times
// 0.0001 (kN/m² to kN/cm²).
#ifndef THINWALL_PLO_H
#define THINWALL_PLO_H

#include <cstdint>
#include <cstdio>

#include "section/section_model.h"
#include "section/plane_solvers.h"
#include "thinwall/section_work.h"

struct DWQB_Linie;
struct DWQB_Schublinie;
struct DWQB_PLO_Block;
struct TSG_Table;
struct DWQB_OUTLINE_TRIANGULATION;
struct DWQB_OUTLINE_TRIANGULATION_NODE;

// One line (or one piece of an arc line): 21 eight-byte fields.
struct DWQB_PLO_Linie {
    int32_t number;
    int32_t kind;
    double y, z;                 // point of the record (centroid of the line area)
    double angle;                // direction of the line
    double vy_y, vz_y;           // unit cases V_y = 1, V_z = 1: y resultants
    double vy_z, vz_z;           // the same, z resultants
    double w_y, w_z;             // unit case 3 (warping torsion): y and z resultants
    double torsion_share;        // share of the section's St. Venant torsion
    double c_y, c_z;             // unit case 4 (circulatory flow): y and z resultants
    double area;                 // weight of the correction
    double inv_area_y, inv_area_z;
    double torsion_factor;       // 4 / (t (2A - t^2))
    double warping;              // warping value about the shear centre
    double t_mean;
    double length;
    DWQB_PLO_Block* sub;         // sub-records of an arc line, null for straight lines
};

// A block of records: records, count, capacity, then the records.
struct DWQB_PLO_Block {
    DWQB_PLO_Linie* records;
    int32_t count, capacity;
};

// The line list of a section: the block head, the cell count, the reference
// point (shear centre) and the 16 sums of the unit cases.
struct DWQB_PLO_Liste {
    DWQB_PLO_Block block;
    int32_t cells;
    double y0, z0;
    double sums[16];
};

// Line entry of the TSG table (72 bytes).
struct TSG_Eintrag {
    int32_t number;
    int32_t cleared;
    double y, z, angle;
    double vy_share, vz_share, torsion_share;
    double tau;                  // largest shear stress
    double u;                    // sqrt 3 tau / f, 0 when f is 0
};

// Fills the entry from the line record for the eight forces and strength f.
// 0 when an argument is null (the entry untouched), else 1.
int Transform_Forces(const double* forces, const DWQB_PLO_Linie* line, double f, TSG_Eintrag* out);

// ---- line list ---------------------------------------------------------------

// Builds or refreshes *list for the current section (capacity at least
// minimum); 1, or 0 for a null slot, no memory (slot then null) or a failed
// walk (the list stays in the slot).
int Build_DWQB_PLO_Liste(DWQB_PLO_Liste** list, int minimum);
// Frees every sub-record list and the list; null is ignored.
void Free_DWQB_PLO_Liste(DWQB_PLO_Liste* list);
// Frees the record's sub-record list and clears the pointer.
void Free_DWQB_PLO_Linie_Children(DWQB_PLO_Linie* record);
// Clears the record and fills it from the line; 0 for a null line.
int Fill_DWQB_PLO_Linie(const DWQB_Linie* line, DWQB_PLO_Linie* record);
// Sorts by line number; returns the count (0 for null).
int Sort_DWQB_PLO_Liste(DWQB_PLO_Liste* list);
int Cmp_DWQB_PLO_Linie(const void* a, const void* b);
// Adds a record (through its sub-records when it has any) to the sums and
// its area to *total.
void Sum_DWQB_PLO_Linie(DWQB_PLO_Liste* head, double* total, const DWQB_PLO_Linie* record, double y0, double z0);
// Shear-entry callback of the result walk: counts entries with a line into
// the int data.
int Count_DWQB_Lines_Callback(DWQB_Schublinie* entry, void* count);

// ---- limit load factor -------------------------------------------------------

// Material and analysis parameters: 0 unused, 1 f (kN/cm²), 2 E (kN/cm²),
// 3 eps_u (per mille), 4 hardening ratio, 5 residual stiffness value, 6
// target strain utilisation.
enum { PLO_PARAMETER = 7 };

enum : int32_t { PLO_OPT_NO_WARPING = 0x1, PLO_OPT_INTERACTION = 0x2, PLO_OPT_WARPING = 0x4 };
struct PLO_Optionen {
    int32_t word;
    int32_t unused0;
    double angle;            // axes of the given forces (rad)
    double y, z;             // point of action of the forces (cm)
    double y2, z2;           // second point, carried
    double tol;
    double L;                // length of the warping criterion (cm)
    double unused8;
};

enum : int32_t {
    PLO_STATUS_TRIAL = 0x1,
    PLO_STATUS_LIMIT = 0x10,
    PLO_STATUS_NO_NORMAL = 0x1000,
    PLO_STATUS_NO_SHEAR = 0x2000,
    PLO_STATUS_NO_WARPING = 0x10000,
    PLO_STATUS_INTERACTION = 0x20000,
    PLO_STATUS_FACTORS = 0x1000000,
};

struct PLO_Ergebnis {
    int32_t status;
    int32_t unused0;
    double f_tau, f_sigma, f_min;
    double U;                // utilisation; -1.0 not computed
    double plane[4];         // polar limit strain plane
    double na_angle, na_y, na_z;
    double N, Vy, Vz, Mt1, My, Mz, Mt2, B;
};

struct PLO_Linienergebnis_Eintrag {
    int32_t number;
    int32_t kind;            // 1 weld seam line
    TSG_Eintrag entry;
    double area;
};
struct PLO_Linienergebnis {
    PLO_Linienergebnis_Eintrag* items;
    int32_t count, capacity;
};

// forces, parameters and result must be given; options may be null (the
// defaults), slot may be null. 1 on success, else 0 (U stays -1.0 when the
// failure came before the limit state).
int Calc_DWQB_PLO(const double* forces, const double* parameters, const PLO_Optionen* options,
                  PLO_Ergebnis* result, PLO_Linienergebnis** slot);
// One trial for shear factor lambda with the forces in the section's axes.
int Calc_DWQB_PLO_Lastfaktor(const double* forces, const double* parameters, double lambda, int warping,
                             const TSG_Table* table, double rho, Grenzdehnung_Ergebnis* result, int flags,
                             int32_t* status);
// The cached general section for parameters 1 to 5 (p points at five
// values) with every line's curve reduced for lambda; null when there is none.
Querschnitt* Get_DWQB_PLO_TSG_Querschnitt(const double* p, const TSG_Table* table, double lambda);
void Free_DWQB_PLO_Result_List(PLO_Linienergebnis* list);
PLO_Linienergebnis_Eintrag* Find_DWQB_PLO_Result_Linie(const PLO_Linienergebnis* list, int number);
int Calc_DWQB_PLO_Section_Work(const double* forces, const double* parameters, const void* unused,
                               NachweisDatenKopf* head, int unused2, PLO_Ergebnis* result,
                               PLO_Linienergebnis** slot);

// ---- node values and report -------------------------------------------------

// Strain (per mille) and sigma, tau, von Mises (kN/cm²) of the limit state at
// a mesh node. 0 with zeros for a missing argument or a failed evaluation.
int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result(const DWQB_OUTLINE_TRIANGULATION_NODE* node,
                                                    const Querschnitt* section, const Querschnittsgruppe* group,
                                                    const PLO_Ergebnis* result, const PLO_Linienergebnis* list,
                                                    double* strain, double* stresses);
int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_Current(const DWQB_OUTLINE_TRIANGULATION_NODE* node,
                                                            const PLO_Ergebnis* result,
                                                            const PLO_Linienergebnis* list, double* strain,
                                                            double* stresses);
// Extremes over all nodes, the nodes of a line position, of a line number.
// 1 when every node was evaluated.
int Calc_DWQB_OUTLINE_TRIANGULATION_NODE_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh,
                                                           const PLO_Ergebnis* result,
                                                           const PLO_Linienergebnis* list, double* e_min,
                                                           double* e_max, double* s_min, double* s_max);
int Calc_DWQB_OUTLINE_TRIANGULATION_LINE_POS_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh, int position,
                                                               const PLO_Ergebnis* result,
                                                               const PLO_Linienergebnis* list, double* e_min,
                                                               double* e_max, double* s_min, double* s_max);
int Calc_DWQB_OUTLINE_TRIANGULATION_LINE_NR_PLO_Result_MinMax(const DWQB_OUTLINE_TRIANGULATION* mesh, int number,
                                                              const PLO_Ergebnis* result,
                                                              const PLO_Linienergebnis* list, double* e_min,
                                                              double* e_max, double* s_min, double* s_max);
// 0 (nothing written) without a file or result, else 1.
int Print_DWQB_PLO_Result(FILE* file, const void* unused, const char* prefix, const double* forces,
                          const PLO_Ergebnis* result, const PLO_Linienergebnis* list);

#endif
