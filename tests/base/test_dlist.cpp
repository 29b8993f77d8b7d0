// The shared doubly linked list: both link directions and both ends after
// every operation, for records that call their back link `prev` and for the
// older ones that call it `previous`.
#include "base/dlist.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Item {
    char name;
    Item* prev;
    Item* next;
};

struct Old_Item {
    char name;
    Old_Item* previous;
    Old_Item* next;
};

// The names forwards, "|", the names backwards; "!" where a back link or an
// end does not fit.
template <class T>
std::string Walk(T* first, T* last) {
    std::string out;
    T* before = nullptr;
    for (T* p = first; p; before = p, p = p->next) {
        if (Dlist_Prev(p) != before) out += '!';
        out += p->name;
    }
    if (before != last) out += '!';
    out += '|';
    for (T* p = last; p; p = Dlist_Prev(p)) out += p->name;
    return out;
}

template <class T>
void Run_Operations() {
    T a{'a', nullptr, nullptr}, b{'b', nullptr, nullptr}, c{'c', nullptr, nullptr}, d{'d', nullptr, nullptr};
    T* first = nullptr;
    T* last = nullptr;
    EXPECT_EQ(Walk(first, last), "|");
    Dlist_Append(first, last, &b);
    EXPECT_EQ(Walk(first, last), "b|b");
    Dlist_Insert_After(first, last, static_cast<T*>(nullptr), &a);  // at the front
    Dlist_Append(first, last, &d);
    Dlist_Insert_After(first, last, &b, &c);                          // in the middle
    EXPECT_EQ(Walk(first, last), "abcd|dcba");

    const struct {
        T* item;
        const char* left;
    } removals[] = {{&c, "abd|dba"}, {&a, "bd|db"}, {&d, "b|b"}, {&b, "|"}};
    for (const auto& r : removals) {
        Dlist_Unlink(first, last, r.item);
        EXPECT_EQ(Walk(first, last), r.left) << r.item->name;
    }

    // A record taken out already, or never linked, leaves the list alone.
    Dlist_Append(first, last, &a);
    Dlist_Append(first, last, &b);
    T stray{'x', nullptr, nullptr};
    Dlist_Unlink(first, last, &stray);
    EXPECT_EQ(Walk(first, last), "ab|ba");

    // Splicing moves a whole list behind the end and empties it.
    T* other_first = nullptr;
    T* other_last = nullptr;
    Dlist_Splice(first, last, other_first, other_last);
    EXPECT_EQ(Walk(first, last), "ab|ba");
    Dlist_Append(other_first, other_last, &c);
    Dlist_Append(other_first, other_last, &d);
    Dlist_Splice(first, last, other_first, other_last);
    EXPECT_EQ(Walk(first, last), "abcd|dcba");
    EXPECT_EQ(other_first, nullptr);
    EXPECT_EQ(other_last, nullptr);
    T* empty_first = nullptr;
    T* empty_last = nullptr;
    Dlist_Splice(empty_first, empty_last, first, last);
    EXPECT_EQ(Walk(empty_first, empty_last), "abcd|dcba");
}

TEST(Dlist, OperationsKeepBothDirectionsAndEnds) {
    Run_Operations<Item>();
    Run_Operations<Old_Item>();
}

}  // namespace
