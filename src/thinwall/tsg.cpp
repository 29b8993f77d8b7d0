// tsg: leaf arithmetic of the plastic line list and the TSG table.
#include "thinwall/tsg.h"

#include "base/invariant.h"
#include "base/vesk.h"
#include "thinwall/dwqb_invariants.h"

static bool Usable(const DWQB_PLO_Block* sub) { return sub && sub->count >= 2; }

int Count_DWQB_PLO_Leaves(const DWQB_PLO_Block* sub) {
    if (!Usable(sub)) return 1;
    int n = 0;
    for (int i = 0; i < sub->count; i++) n += Count_DWQB_PLO_Leaves(sub->records[i].sub);
    return n;
}

int Get_DWQB_PLO_Liste_Count(const DWQB_PLO_Liste* list, int per_leaf) {
    if (!list) return 0;
    if (!per_leaf) return list->block.count;
    int n = 0;
    for (int i = 0; i < list->block.count; i++) n += Count_DWQB_PLO_Leaves(list->block.records[i].sub);
    return n;
}

const DWQB_PLO_Linie* Get_DWQB_PLO_Linie_Leaf(const DWQB_PLO_Linie* record, int n, int* first) {
    if (first) *first = 0;
    if (!record || !Usable(record->sub) || n < 0 || n >= Count_DWQB_PLO_Leaves(record->sub)) return record;
    int start = 0;
    for (int i = 0; i < record->sub->count; i++) {
        const DWQB_PLO_Linie* r = &record->sub->records[i];
        const int k = Count_DWQB_PLO_Leaves(r->sub);
        if (n < start + k) {
            int inner = 0;
            const DWQB_PLO_Linie* leaf = Get_DWQB_PLO_Linie_Leaf(r, n - start, &inner);
            if (first) *first = start + inner;
            return leaf;
        }
        start += k;
    }
    return record;
}

const DWQB_PLO_Linie* Get_DWQB_PLO_Liste_Record(const DWQB_PLO_Liste* list, int n, int per_leaf, int* top,
                                                int* sub) {
    if (top) *top = n;
    if (sub) *sub = -1;
    if (!list) return nullptr;
    if (!per_leaf) return n >= 0 && n < list->block.count ? &list->block.records[n] : nullptr;
    int start = 0;
    for (int i = 0; i < list->block.count && n >= 0; i++) {
        const DWQB_PLO_Linie* r = &list->block.records[i];
        const int k = Count_DWQB_PLO_Leaves(r->sub);
        if (n < start + k) {
            if (top) *top = i;
            if (sub) *sub = Usable(r->sub) ? n - start : (r->sub && r->sub->count == 1 ? 0 : -1);
            return Get_DWQB_PLO_Linie_Leaf(r, n - start, nullptr);
        }
        start += k;
    }
    return nullptr;
}

const DWQB_PLO_Linie* Get_DWQB_PLO_Liste_Record_2(const DWQB_PLO_Liste* list, int n, int per_leaf, int* top,
                                                  int* sub) {
    return Get_DWQB_PLO_Liste_Record(list, n, per_leaf, top, sub);
}

int Transform_Forces_TSG(const double* forces, const DWQB_PLO_Linie* record, double strength, TSG_Eintrag* out) {
    return Transform_Forces(forces, record, strength, out);
}

void Free_TSG_Table(TSG_Table* table) {
    if (table) Mem_Free(__FILE__, __LINE__, "tsg", table);
}

int Build_TSG_Table(const double* F, const DWQB_PLO_Liste* list, double strength, TSG_Table** slot, int minimum,
                    int per_leaf) {
    WELD_CHECK_AT_EXIT(Check_DWQB_Invariants());
    if (!slot) return 0;
    if (!F || !list) return 0;
    const int n = Get_DWQB_PLO_Liste_Count(list, per_leaf);
    const int need = n > minimum ? n : minimum;
    TSG_Table* t = *slot;
    if (!t || t->capacity < need) {
        Free_TSG_Table(t);
        *slot = nullptr;
        void* block = Mem_Malloc(__FILE__, __LINE__, "tsg", sizeof(TSG_Table) + static_cast<size_t>(need) * sizeof(TSG_Eintrag));
        if (!block) return 0;
        t = static_cast<TSG_Table*>(block);
        t->entries = reinterpret_cast<TSG_Eintrag*>(t + 1);
        t->capacity = need;
        *slot = t;
    }
    t->count = n;
    t->tag = list->cells;
    for (int i = 0; i < n; i++) {
        const DWQB_PLO_Linie* r = Get_DWQB_PLO_Liste_Record(list, i, per_leaf, nullptr, nullptr);
        if (!r || !Transform_Forces(F, r, strength, &t->entries[i])) return 0;
    }
    t->u_max = 0;
    t->residual_vy = -F[1];
    t->residual_vz = -F[2];
    t->reserved = 0;
    t->residual_torsion = -(F[3] + F[6]);
    for (int i = 0; i < n; i++) {
        const TSG_Eintrag& e = t->entries[i];
        if (e.u > t->u_max) t->u_max = e.u;
        t->residual_vy += e.vy_share;
        t->residual_vz += e.vz_share;
        t->residual_torsion += e.vz_share * (e.y - list->y0) + e.torsion_share - e.vy_share * (e.z - list->z0);
    }
    return 1;
}
