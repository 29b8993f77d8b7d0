// nchwdata: check-data record, section hook table, sign transfer.
#include "section/nchwdata.h"

#include <cmath>

#include "base/vesk.h"

Querschnitt_Hook_Slot Querschnitt_Hooks_1[QS_HOOKS_1];
Querschnitt_Hook_Slot Querschnitt_Hooks_2[QS_HOOKS_2];
Querschnitt_Hook_Slot Querschnitt_Hooks_3[QS_HOOKS_3];

Nachweisdaten* New_Nachweisdaten(int key, int n_f64, int n_i32, Nachweisdaten_Parent_Func parent_fn) {
    if (n_f64 < 0) n_f64 = 0;
    if (n_i32 < 0) n_i32 = 0;
    const int* parent = parent_fn ? parent_fn(key) : nullptr;
    const int extra = parent && parent[2] > 0 ? parent[2] : 0;
    auto* r = static_cast<Nachweisdaten*>(Mem_Calloc(__FILE__, __LINE__, "null", 1, sizeof(Nachweisdaten)));
    if (!r) return nullptr;
    const size_t words = static_cast<size_t>(extra) + static_cast<size_t>(n_i32) + 2 * static_cast<size_t>(n_f64);
    r->block = Mem_Calloc(__FILE__, __LINE__, "null", words > 0 ? words : 1, sizeof(int));
    if (!r->block) {
        Mem_Free(__FILE__, __LINE__, "null", r);
        return nullptr;
    }
    r->key = key;
    r->n_f64 = n_f64;
    r->n_i32 = n_i32;
    r->i32 = reinterpret_cast<int*>(static_cast<double*>(r->block) + n_f64);
    r->extra = r->i32 + n_i32;
    r->parent = parent;
    return r;
}

void Free_Nachweisdaten(Nachweisdaten* record) {
    if (!record) return;
    Mem_Free(__FILE__, __LINE__, "null", record->block);
    Mem_Free(__FILE__, __LINE__, "null", record);
}

double* Get_Nachweisdaten_F64(Nachweisdaten* record) {
    return record ? static_cast<double*>(record->block) : nullptr;
}

Nachweisdaten* Get_Nachweisdaten(const Nachweisdaten_Traeger* owner) {
    return owner ? owner->nachweisdaten : nullptr;
}

const int* Get_Nachweisdaten_Parent(const Nachweisdaten_Traeger* owner) {
    const Nachweisdaten* r = Get_Nachweisdaten(owner);
    return r ? r->parent : nullptr;
}

int Get_Nachweisdaten_Key(const Nachweisdaten_Traeger* owner) {
    const Nachweisdaten* r = Get_Nachweisdaten(owner);
    return r ? r->key : 0;
}

int Call_Querschnitt_Hook(void* a, void* b, void* c, void* d) {
    Querschnitt_Hook_Slot slot = Querschnitt_Hooks_3[QS_HOOKS_3 - 1];
    if (!slot) return 0;
    return reinterpret_cast<Querschnitt_Hook_Func>(slot)(a, b, c, d);
}

void Reset_Querschnitt_Hooks(void) {
    for (auto& s : Querschnitt_Hooks_1) s = nullptr;
    for (auto& s : Querschnitt_Hooks_2) s = nullptr;
    for (auto& s : Querschnitt_Hooks_3) s = nullptr;
}

double Sign_Transfer(double a, double b) { return b >= 0 ? std::fabs(a) : -std::fabs(a); }
