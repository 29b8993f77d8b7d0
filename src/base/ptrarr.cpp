// ptrarr: growable array of untyped pointers (see ptrarr.h).
//
// All memory comes from the tagged allocation family. Only allocation can
// fail; every growing operation then returns its failure value and leaves the
// array exactly as it was. No message is written.
#include "base/ptrarr.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

#include "base/vesk.h"

static const char kSource[] = "p:/src/veklib/ptrarr.cpp";

// Comparison of the running PtrArr_Sort; process-wide for the qsort call.
static PtrArr_Item_Compare sort_compare = nullptr;

// Reallocates the slot table to n > 0 slots, zeroes the new ones and cuts the
// count to n. 1, or 0 with the array unchanged when the allocation fails.
static int resize_table(PtrArr* array, int n) {
    assert(n > 0);
    void** items = static_cast<void**>(
        Mem_Realloc(kSource, __LINE__, "null", array->items, sizeof(void*) * static_cast<size_t>(n)));
    if (!items) return 0;
    for (int i = array->capacity; i < n; ++i) items[i] = nullptr;
    array->items = items;
    array->capacity = n;
    if (array->count > n) array->count = n;
    return 1;
}

// Makes slot target available: grows to max(target + 1, capacity + 10) when
// target is at or beyond the capacity. 1, or 0 when the growth failed.
static int ensure_slot(PtrArr* array, int target) {
    if (target < array->capacity) return 1;
    int n = array->capacity + 10;
    if (target + 1 > n) n = target + 1;
    return resize_table(array, n);
}

PtrArr* PtrArr_Create(int capacity) {
    PtrArr* array = static_cast<PtrArr*>(Mem_Malloc(kSource, __LINE__, "null", sizeof(PtrArr)));
    if (!array) return nullptr;
    if (!PtrArr_Init(array, capacity)) {
        Mem_Free(kSource, __LINE__, "null", array);
        return nullptr;
    }
    return array;
}

int PtrArr_Init(PtrArr* array, int capacity) {
    assert(array);
    array->items = nullptr;
    array->count = 0;
    array->capacity = 0;
    if (capacity < 1) return 1;
    return resize_table(array, capacity);
}

void PtrArr_Reset(PtrArr* array) {
    assert(array);
    Mem_Free(kSource, __LINE__, "null", array->items);
    array->items = nullptr;
    array->count = 0;
    array->capacity = 0;
}

void PtrArr_Destroy(PtrArr* array) {
    if (!array) return;
    PtrArr_Reset(array);
    Mem_Free(kSource, __LINE__, "null", array);
}

int PtrArr_Resize(PtrArr* array, int n) {
    assert(array);
    if (n < 1) {
        PtrArr_Reset(array);
        return 1;
    }
    return resize_table(array, n);
}

int PtrArr_Count(const PtrArr* array) {
    assert(array);
    return array->count;
}

int PtrArr_Capacity(const PtrArr* array) {
    assert(array);
    return array->capacity;
}

void* PtrArr_Get(const PtrArr* array, int i) {
    assert(array);
    if (i < 0 || i >= array->count) return nullptr;
    return array->items[i];
}

void* PtrArr_Set(PtrArr* array, int i, void* item) {
    assert(array);
    if (i < 0) return nullptr;
    if (!ensure_slot(array, i)) return nullptr;
    void* old = nullptr;
    if (i < array->count) old = array->items[i];
    else array->count = i + 1;
    array->items[i] = item;
    return old;
}

void* PtrArr_Insert(PtrArr* array, int i, void* item) {
    assert(array);
    if (i < 0) return nullptr;
    if (i >= array->count) {
        if (!ensure_slot(array, i)) return nullptr;
        array->items[i] = item;
        array->count = i + 1;
        return item;
    }
    if (!ensure_slot(array, array->count)) return nullptr;
    std::memmove(array->items + i + 1, array->items + i,
                 sizeof(void*) * static_cast<size_t>(array->count - i));
    array->items[i] = item;
    array->count++;
    return item;
}

void* PtrArr_Remove_At(PtrArr* array, int i) {
    assert(array);
    if (i < 0 || i >= array->count) return nullptr;
    void* item = array->items[i];
    std::memmove(array->items + i, array->items + i + 1,
                 sizeof(void*) * static_cast<size_t>(array->count - i - 1));
    array->count--;
    array->items[array->count] = nullptr;
    return item;
}

// qsort adapter: receives pointers to two slots. Null items sort last.
static int PtrArr_Sort_Compare(const void* a, const void* b) {
    const void* x = *static_cast<void* const*>(a);
    const void* y = *static_cast<void* const*>(b);
    if (!x && !y) return 0;
    if (!x) return 1;
    if (!y) return -1;
    return sort_compare(x, y);
}

void PtrArr_Sort(PtrArr* array, PtrArr_Item_Compare compare) {
    assert(array && compare);
    if (array->count < 2) return;
    PtrArr_Item_Compare saved = sort_compare;
    sort_compare = compare;
    std::qsort(array->items, static_cast<size_t>(array->count), sizeof(void*), PtrArr_Sort_Compare);
    sort_compare = saved;
}

void* PtrArr_Find(const PtrArr* array, const void* key, PtrArr_Predicate predicate, int* index) {
    assert(array && predicate);
    for (int i = 0; i < array->count; ++i) {
        if (predicate(array->items[i], key)) {
            if (index) *index = i;
            return array->items[i];
        }
    }
    if (index) *index = array->count;
    return nullptr;
}

void* PtrArr_Find_Cmp(const PtrArr* array, const void* key, PtrArr_Slot_Compare compare, int* index) {
    assert(array && compare);
    for (int i = 0; i < array->count; ++i) {
        if (compare(&array->items[i], &key) == 0) {
            if (index) *index = i;
            return array->items[i];
        }
    }
    if (index) *index = array->count;
    return nullptr;
}

void* PtrArr_Binary_Search(const PtrArr* array, const void* key, PtrArr_Slot_Compare compare,
                           int* index) {
    assert(array && compare);
    int found = 0;
    void* item = nullptr;
    const int n = array->count;
    if (n == 0) {
        found = 0;
    } else {
        int c = compare(&array->items[n - 1], &key);
        if (c < 0) {
            found = n;
        } else if (c == 0) {
            found = n - 1;
            item = array->items[n - 1];
        } else {
            c = compare(&array->items[0], &key);
            if (c == 0) {
                item = array->items[0];
            } else if (c < 0) {
                int lo = 0, hi = n;
                while (lo < hi) {
                    int mid = (lo + hi) / 2;
                    c = compare(&array->items[mid], &key);
                    if (c == 0) {
                        lo = mid;
                        item = array->items[mid];
                        break;
                    }
                    if (c < 0) lo = mid + 1;
                    else hi = mid;
                }
                found = lo;
            }
        }
    }
    if (index) *index = found;
    return item;
}
