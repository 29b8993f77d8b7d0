// ptrarr: a growable array of untyped pointers.
//
// The array stores, finds, inserts, removes and sorts items but never owns
// them: destroying it frees only its slot table. Slots between count and
// capacity are null wherever the array itself filled or vacated them, so a
// store beyond the count exposes null items in between. A store at or beyond
// the capacity grows the table to the larger of index + 1 and capacity + 10.
// Every operation takes a valid array; a null array is outside the contract.
#ifndef BASE_PTRARR_H
#define BASE_PTRARR_H

struct PtrArr {
    void** items;  // capacity slots, null when capacity is 0
    int count;     // slots in use, 0 <= count <= capacity
    int capacity;  // allocated slots
};

// New array with count 0 and capacity zeroed slots (none below 1); null when
// an allocation fails (nothing is left allocated).
PtrArr* PtrArr_Create(int capacity);
// Initialises array in place; 1, or 0 when the slots could not be allocated
// (the array is then empty but valid).
int PtrArr_Init(PtrArr* array, int capacity);
// Frees the slot table and zeroes the fields; the array stays usable.
void PtrArr_Reset(PtrArr* array);
// PtrArr_Reset, then frees the array itself. The items are not touched.
void PtrArr_Destroy(PtrArr* array);
// Reallocates to n slots (n below 1: frees them); new slots are zeroed, count
// is cut to n. 1, or 0 when the allocation fails (array unchanged).
int PtrArr_Resize(PtrArr* array, int n);
int PtrArr_Count(const PtrArr* array);
int PtrArr_Capacity(const PtrArr* array);
// Item i; null for i < 0 or i >= count.
void* PtrArr_Get(const PtrArr* array, int i);
// Stores item at i and returns the item that was there; null when i was at or
// beyond count (count becomes i + 1), or without effect when i < 0 or the
// growth fails.
void* PtrArr_Set(PtrArr* array, int i, void* item);
// Inserts item at i, moving i..count-1 up one slot; i at or beyond count acts
// as PtrArr_Set. Returns item, null when i < 0 or the growth fails.
void* PtrArr_Insert(PtrArr* array, int i, void* item);
// Removes item i and closes the gap (the vacated slot is nulled); returns the
// removed item, null and nothing changed when i is out of range.
void* PtrArr_Remove_At(PtrArr* array, int i);

// Comparison of two items themselves (not of pointers to them).
typedef int (*PtrArr_Item_Compare)(const void* a, const void* b);
// Predicate: non-zero when item matches key.
typedef int (*PtrArr_Predicate)(const void* item, const void* key);
// Comparison of a pointer to an item slot with a pointer to the key.
typedef int (*PtrArr_Slot_Compare)(const void* pointer_to_item, const void* pointer_to_key);

// Sorts items 0..count-1 (not stable, not re-entrant); null items go last.
void PtrArr_Sort(PtrArr* array, PtrArr_Item_Compare compare);
// First item for which predicate(item, key) is non-zero, its index in *index;
// else null and *index = count. index may be null.
void* PtrArr_Find(const PtrArr* array, const void* key, PtrArr_Predicate predicate, int* index);
// First item for which compare(&item, &key) is 0; else null, *index = count.
void* PtrArr_Find_Cmp(const PtrArr* array, const void* key, PtrArr_Slot_Compare compare, int* index);
// Binary search in an array sorted ascending by compare(&item, &key); the
// item found and its index, else null and the index where key would go.
void* PtrArr_Binary_Search(const PtrArr* array, const void* key, PtrArr_Slot_Compare compare,
                           int* index);

#endif
