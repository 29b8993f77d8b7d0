// tsg: the part tree of the plastic line list (records with sub-records,
// leaves counted depth first) and the TSG table: for given forces one entry
// per record with the shear and torsion shares its line carries, its largest
// shear stress and shear utilisation, and the residuals of those shares
// against the applied forces.
#ifndef THINWALL_TSG_H
#define THINWALL_TSG_H

#include <cstdint>

#include "thinwall/plo.h"

// One allocation: the head, then capacity entries.
struct TSG_Table {
    TSG_Eintrag* entries;
    int32_t count, capacity;
    int32_t tag;             // the line list's cell count
    double u_max;            // largest utilisation, at least 0
    double residual_vy, residual_vz, reserved, residual_torsion;
};

// 1, or 0 for a null slot (the slot untouched also for null forces or list),
// no memory (slot null) or a missing record (table stays).
int Build_TSG_Table(const double* forces, const DWQB_PLO_Liste* list, double strength, TSG_Table** slot,
                    int minimum, int per_leaf);
void Free_TSG_Table(TSG_Table* table);
int Count_DWQB_PLO_Leaves(const DWQB_PLO_Block* sub);
int Get_DWQB_PLO_Liste_Count(const DWQB_PLO_Liste* list, int per_leaf);
const DWQB_PLO_Linie* Get_DWQB_PLO_Linie_Leaf(const DWQB_PLO_Linie* record, int n, int* first);
const DWQB_PLO_Linie* Get_DWQB_PLO_Liste_Record(const DWQB_PLO_Liste* list, int n, int per_leaf, int* top,
                                                int* sub);
const DWQB_PLO_Linie* Get_DWQB_PLO_Liste_Record_2(const DWQB_PLO_Liste* list, int n, int per_leaf, int* top,
                                                  int* sub);
int Transform_Forces_TSG(const double* forces, const DWQB_PLO_Linie* record, double strength, TSG_Eintrag* out);

#endif
