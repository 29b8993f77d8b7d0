// dlist: the doubly linked list of records that carry their own links.
//
// A record type T links itself through two fields: `next` and `prev` (the
// older records call the second `previous`). A list is the pair of its first
// and last record, kept wherever its owner keeps them (a model's fields, a
// module's statics); every function takes both ends by reference and keeps
// them right, so no owner writes its own linking. Null ends: the empty list.
// The functions neither allocate nor free, and count nothing: an owner that
// keeps a count adds or subtracts one itself.
#ifndef BASE_DLIST_H
#define BASE_DLIST_H

template <class T>
T*& Dlist_Prev(T* item) {
    if constexpr (requires { item->prev; }) return item->prev;
    else return item->previous;
}

// Links item after `after`; at the front when after is null.
template <class T>
void Dlist_Insert_After(T*& first, T*& last, T* after, T* item) {
    Dlist_Prev(item) = after;
    item->next = after ? after->next : first;
    if (item->next) Dlist_Prev(item->next) = item;
    else last = item;
    if (after) after->next = item;
    else first = item;
}

template <class T>
void Dlist_Append(T*& first, T*& last, T* item) {
    Dlist_Prev(item) = last;
    item->next = nullptr;
    if (last) last->next = item;
    else first = item;
    last = item;
}

// Takes item out of the list; its own links stay as they were. A record
// with no predecessor that is not the first (one never linked, or already
// taken out) leaves the list's ends alone.
template <class T>
void Dlist_Unlink(T*& first, T*& last, T* item) {
    T* prev = Dlist_Prev(item);
    if (prev) prev->next = item->next;
    else if (first == item) first = item->next;
    if (item->next) Dlist_Prev(item->next) = prev;
    else if (last == item) last = prev;
}

// Appends the whole list (other_first … other_last) and leaves it empty.
template <class T>
void Dlist_Splice(T*& first, T*& last, T*& other_first, T*& other_last) {
    if (!other_first) return;
    Dlist_Prev(other_first) = last;
    if (last) last->next = other_first;
    else first = other_first;
    last = other_last;
    other_first = other_last = nullptr;
}

#endif
