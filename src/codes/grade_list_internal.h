// The list of user grades that the steel and the aluminium grade modules
// each keep; not for other modules.
//
// Rows in use (count) of a capacity that grows by ten rows and is never
// shrunk; a row is found by its user code, and the row found last is tried
// first because dialogs ask for the same grade many times in a row.  User
// rows own heap copies of their texts; which texts a row has, and which of
// them are the catalogue's shared static texts, stay the modules' business:
// they hand in how to copy and how to release a row.
#ifndef CODES_GRADE_LIST_INTERNAL_H
#define CODES_GRADE_LIST_INTERNAL_H

#include <cstddef>
#include <initializer_list>

#include "base/vesk.h"

// The text of a grade that names no row, shared by the catalogues' default
// rows and user rows without a text; never released.
inline constexpr char Grade_Unknown_Text[] = "?????";

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

// The row with the code's user number, null when none.
template <typename Record>
Record* Grade_List_Lookup(Grade_List<Record>* list, unsigned int code) {
    const int i = Grade_List_Find(list, code);
    return i < 0 ? nullptr : &list->rows[i];
}

// The row at index, fallback for any other index.
template <typename Record>
const Record* Grade_List_Row(const Grade_List<Record>* list, int index, const Record* fallback) {
    if (index < 0 || index >= list->count) return fallback;
    return &list->rows[index];
}

// A heap copy of a row's text; unknown for a null text or when the copy
// fails, so a row never holds a null text.
inline const char* Grade_Text_Copy(const char* text, const char* unknown) {
    const char* copy = Mem_Strdup(__FILE__, __LINE__, "null", text ? text : unknown);
    return copy ? copy : unknown;
}

// Frees a heap text of a row; null and the catalogue's static texts are
// left alone.
inline void Grade_Text_Release(const char* text, std::initializer_list<const char*> statics) {
    if (!text) return;
    for (const char* s : statics)
        if (text == s) return;
    Mem_Free(__FILE__, __LINE__, "null", const_cast<char*>(text));
}

// Adds or replaces the user row of record->code with make(record), whose
// texts make copies; the replaced row's texts go to release. Returns the
// stored user code, 0 for a null record or when the list cannot grow (the
// list is then unchanged).
template <typename Record, typename Make, typename Release>
unsigned int Grade_List_Set(Grade_List<Record>* list, const Record* record, Make make, Release release) {
    if (!record) return 0;
    // The record may be a row of the list itself and the array may move, so
    // it is taken by value first.
    const Record given = *record;
    const unsigned int code = Grade_User_Code(given.code);
    int i = Grade_List_Find(list, code);
    if (i < 0) {
        i = Grade_List_Append(list);
        if (i < 0) return 0;
        list->rows[i] = Record{};  // no texts to release
    }
    const Record old = list->rows[i];
    list->rows[i] = make(given);
    list->rows[i].code = code;
    release(old);
    list->last_found = i;
    return code;
}

// Releases the texts of the row with the code's user number and takes it
// out (the others keep their order). 1 when it was found, else 0.
template <typename Record, typename Release>
int Grade_List_Delete(Grade_List<Record>* list, unsigned int code, Release release) {
    if (list->count < 1) return 0;
    const int i = Grade_List_Find(list, code);
    if (i < 0) return 0;
    release(list->rows[i]);
    Grade_List_Remove(list, i);
    return 1;
}

// Releases every row's texts and empties the list; the array stays.
template <typename Record, typename Release>
void Grade_List_Clear(Grade_List<Record>* list, Release release) {
    for (int i = 0; i < list->count; ++i) release(list->rows[i]);
    list->count = 0;
    list->last_found = -1;
}

#endif
