// The list of user grades that the steel and the aluminium grade modules
// each keep; not for other modules.
//
// Rows in use (count) of a capacity that grows by ten rows and is never
// shrunk; a row is found by its user code, and the row found last is tried
// first because dialogs ask for the same grade many times in a row.  The
// rows' own texts stay the modules' business.
#ifndef CODES_GRADE_LIST_INTERNAL_H
#define CODES_GRADE_LIST_INTERNAL_H

#include <cstddef>

#include "base/vesk.h"

template <typename Record>
struct Grade_List {
    Record* rows = nullptr;
    int count = 0;
    int capacity = 0;
    int last_found = -1;
};

// The user code of a code: its user number (low 15 bits) with the user bit.
inline unsigned int Grade_User_Code(unsigned int code) { return (code & 0x7fffu) | 0x8000u; }

// Index of the row with the code's user number, -1 when none.
template <typename Record>
int Grade_List_Find(Grade_List<Record>* list, unsigned int code) {
    const unsigned int wanted = Grade_User_Code(code);
    if (list->last_found >= 0 && list->last_found < list->count &&
        list->rows[list->last_found].code == wanted)
        return list->last_found;
    for (int i = 0; i < list->count; ++i) {
        if (list->rows[i].code == wanted) {
            list->last_found = i;
            return i;
        }
    }
    return -1;
}

// Index of a new row at the end, its contents left for the caller to set;
// -1 when the list cannot grow (the list is unchanged then).
template <typename Record>
int Grade_List_Append(Grade_List<Record>* list) {
    if (list->count >= list->capacity) {
        const int capacity = list->count + 10;
        void* grown = Mem_Realloc(__FILE__, __LINE__, "null", list->rows,
                                  sizeof(Record) * static_cast<size_t>(capacity));
        if (!grown) return -1;
        list->rows = static_cast<Record*>(grown);
        list->capacity = capacity;
    }
    return list->count++;
}

// Takes row i out, the later rows moving up one place; the caller has
// released its texts.
template <typename Record>
void Grade_List_Remove(Grade_List<Record>* list, int i) {
    --list->count;
    for (int k = i; k < list->count; ++k) list->rows[k] = list->rows[k + 1];
    list->last_found = -1;
}

#endif
