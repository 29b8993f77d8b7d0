// Pointer array: growth rule, zeroed slots, out-of-range access, insertion,
// removal, sorting with null items and the three searches.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/ptrarr.h"

namespace {

struct Named {
    const char* name;
};

int By_Name(const void* a, const void* b) {
    return std::strcmp(static_cast<const Named*>(a)->name, static_cast<const Named*>(b)->name);
}

// Slot comparison: both arguments point at item pointers.
int Slot_By_Int(const void* pa, const void* pb) {
    const int x = **static_cast<int* const*>(pa);
    const int y = **static_cast<int* const*>(pb);
    return (x > y) - (x < y);
}

int Has_Name(const void* item, const void* key) {
    return item && std::strcmp(static_cast<const Named*>(item)->name, static_cast<const char*>(key)) == 0;
}

std::string Names(const PtrArr* a) {
    std::string s;
    for (int i = 0; i < PtrArr_Count(a); ++i) {
        const Named* n = static_cast<const Named*>(PtrArr_Get(a, i));
        s += n ? n->name : "-";
    }
    return s;
}

}  // namespace

TEST(PtrArr, CreateGivesZeroedSlotsOrNone) {
    PtrArr* a = PtrArr_Create(4);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(PtrArr_Count(a), 0);
    EXPECT_EQ(PtrArr_Capacity(a), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a->items[i], nullptr);
    PtrArr_Destroy(a);

    PtrArr* empty = PtrArr_Create(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->items, nullptr);
    EXPECT_EQ(PtrArr_Capacity(empty), 0);
    PtrArr_Destroy(empty);
}

TEST(PtrArr, GetOutOfRangeIsNull) {
    PtrArr a;
    ASSERT_EQ(PtrArr_Init(&a, 3), 1);
    int x = 1;
    PtrArr_Set(&a, 0, &x);
    EXPECT_EQ(PtrArr_Get(&a, 0), &x);
    EXPECT_EQ(PtrArr_Get(&a, 1), nullptr);   // i == count
    EXPECT_EQ(PtrArr_Get(&a, -1), nullptr);
    PtrArr_Reset(&a);
    EXPECT_EQ(a.items, nullptr);
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 0);
}

TEST(PtrArr, SetBeyondEndGrowsByRule) {
    PtrArr a;
    PtrArr_Init(&a, 0);
    int first = 1, second = 2;
    // Capacity 0, index 5: max(6, 10) = 10; items 0..4 are null.
    EXPECT_EQ(PtrArr_Set(&a, 5, &first), nullptr);
    EXPECT_EQ(PtrArr_Capacity(&a), 10);
    EXPECT_EQ(PtrArr_Count(&a), 6);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(PtrArr_Get(&a, i), nullptr);
    for (int i = 6; i < 10; ++i) EXPECT_EQ(a.items[i], nullptr);
    // Setting the same slot again hands back the first item.
    EXPECT_EQ(PtrArr_Set(&a, 5, &second), &first);
    EXPECT_EQ(PtrArr_Get(&a, 5), &second);
    // Negative index: no effect.
    EXPECT_EQ(PtrArr_Set(&a, -1, &first), nullptr);
    EXPECT_EQ(PtrArr_Count(&a), 6);
    PtrArr_Reset(&a);

    // Capacity 20: storing at 25 grows to 30, storing at 35 grows to 36.
    PtrArr_Init(&a, 20);
    PtrArr_Set(&a, 25, &first);
    EXPECT_EQ(PtrArr_Capacity(&a), 30);
    for (int i = 20; i < 30; ++i) {
        if (i != 25) {
            EXPECT_EQ(a.items[i], nullptr) << i;
        }
    }
    // From 30, storing at 35 takes capacity + 10 = 40.
    PtrArr_Set(&a, 35, &first);
    EXPECT_EQ(PtrArr_Capacity(&a), 40);
    PtrArr_Reset(&a);
    PtrArr_Init(&a, 20);
    PtrArr_Set(&a, 35, &first);
    EXPECT_EQ(PtrArr_Capacity(&a), 36);
    EXPECT_EQ(PtrArr_Count(&a), 36);
    // A store inside the capacity does not grow.
    PtrArr_Set(&a, 0, &second);
    EXPECT_EQ(PtrArr_Capacity(&a), 36);
    PtrArr_Reset(&a);
}

TEST(PtrArr, InsertMovesItemsUpAndGrowsFullArray) {
    Named A{"A"}, B{"B"}, C{"C"}, X{"X"};
    PtrArr a;
    PtrArr_Init(&a, 3);
    PtrArr_Set(&a, 0, &A);
    PtrArr_Set(&a, 1, &B);
    EXPECT_EQ(PtrArr_Insert(&a, 0, &X), &X);
    EXPECT_EQ(Names(&a), "XAB");
    EXPECT_EQ(PtrArr_Capacity(&a), 3);
    // Full array of capacity 3: the insert first grows to 13.
    EXPECT_EQ(PtrArr_Insert(&a, 1, &C), &C);
    EXPECT_EQ(PtrArr_Capacity(&a), 13);
    EXPECT_EQ(Names(&a), "XCAB");
    // At or beyond count: stored there like PtrArr_Set.
    EXPECT_EQ(PtrArr_Insert(&a, 6, &A), &A);
    EXPECT_EQ(Names(&a), "XCAB--A");
    EXPECT_EQ(PtrArr_Insert(&a, -1, &A), nullptr);
    EXPECT_EQ(PtrArr_Count(&a), 7);
    PtrArr_Reset(&a);
}

TEST(PtrArr, RemoveClosesGapAndNullsVacatedSlot) {
    Named A{"A"}, B{"B"}, C{"C"};
    PtrArr a;
    PtrArr_Init(&a, 5);
    PtrArr_Set(&a, 0, &A);
    PtrArr_Set(&a, 1, &B);
    PtrArr_Set(&a, 2, &C);
    EXPECT_EQ(PtrArr_Remove_At(&a, 0), &A);
    EXPECT_EQ(Names(&a), "BC");
    EXPECT_EQ(a.items[2], nullptr);
    // Index count: nothing changes.
    EXPECT_EQ(PtrArr_Remove_At(&a, 2), nullptr);
    EXPECT_EQ(PtrArr_Remove_At(&a, -1), nullptr);
    EXPECT_EQ(Names(&a), "BC");
    // The last item: its slot is nulled; the table never shrinks.
    EXPECT_EQ(PtrArr_Remove_At(&a, 1), &C);
    EXPECT_EQ(a.items[1], nullptr);
    EXPECT_EQ(PtrArr_Count(&a), 1);
    EXPECT_EQ(PtrArr_Capacity(&a), 5);
    PtrArr_Reset(&a);
}

TEST(PtrArr, ResizeCutsCountAndFreesAtZero) {
    int v[5] = {};
    PtrArr a;
    PtrArr_Init(&a, 0);
    for (int i = 0; i < 5; ++i) PtrArr_Set(&a, i, &v[i]);
    EXPECT_EQ(PtrArr_Resize(&a, 2), 1);
    EXPECT_EQ(PtrArr_Count(&a), 2);
    EXPECT_EQ(PtrArr_Capacity(&a), 2);
    EXPECT_EQ(PtrArr_Get(&a, 1), &v[1]);
    EXPECT_EQ(PtrArr_Resize(&a, 6), 1);
    EXPECT_EQ(PtrArr_Count(&a), 2);
    for (int i = 2; i < 6; ++i) EXPECT_EQ(a.items[i], nullptr);
    EXPECT_EQ(PtrArr_Resize(&a, 0), 1);
    EXPECT_EQ(a.items, nullptr);
    EXPECT_EQ(PtrArr_Count(&a), 0);
    EXPECT_EQ(PtrArr_Capacity(&a), 0);
}

TEST(PtrArr, SortPutsNullItemsLast) {
    Named A{"A"}, B{"B"}, C{"C"};
    PtrArr a;
    PtrArr_Init(&a, 0);
    PtrArr_Set(&a, 1, &C);  // slot 0 stays null
    PtrArr_Set(&a, 2, &A);
    PtrArr_Set(&a, 4, &B);  // slot 3 stays null
    EXPECT_EQ(Names(&a), "-CA-B");
    PtrArr_Sort(&a, By_Name);
    EXPECT_EQ(Names(&a), "ABC--");
    PtrArr_Reset(&a);
}

TEST(PtrArr, FindGivesIndexOrCount) {
    Named A{"A"}, B{"B"};
    PtrArr a;
    PtrArr_Init(&a, 0);
    int index = 99;
    EXPECT_EQ(PtrArr_Find(&a, "A", Has_Name, &index), nullptr);
    EXPECT_EQ(index, 0);
    PtrArr_Set(&a, 0, &A);
    PtrArr_Set(&a, 2, &B);
    EXPECT_EQ(PtrArr_Find(&a, "B", Has_Name, &index), &B);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(PtrArr_Find(&a, "Z", Has_Name, &index), nullptr);
    EXPECT_EQ(index, 3);
    PtrArr_Reset(&a);
}

TEST(PtrArr, FindCmpAndBinarySearch) {
    int v[5] = {10, 20, 30, 40, 50};
    PtrArr a;
    PtrArr_Init(&a, 0);
    int index = -5;
    int key = 30;
    EXPECT_EQ(PtrArr_Binary_Search(&a, &key, Slot_By_Int, &index), nullptr);
    EXPECT_EQ(index, 0);
    for (int i = 0; i < 5; ++i) PtrArr_Set(&a, i, &v[i]);

    EXPECT_EQ(PtrArr_Find_Cmp(&a, &key, Slot_By_Int, &index), &v[2]);
    EXPECT_EQ(index, 2);
    key = 35;
    EXPECT_EQ(PtrArr_Find_Cmp(&a, &key, Slot_By_Int, &index), nullptr);
    EXPECT_EQ(index, 5);

    struct Case {
        int key;
        int expect_found;  // index of the item, -1 when not found
        int expect_index;
    } cases[] = {
        {5, -1, 0}, {10, 0, 0}, {20, 1, 1}, {25, -1, 2}, {30, 2, 2},
        {40, 3, 3}, {45, -1, 4}, {50, 4, 4}, {55, -1, 5},
    };
    for (const Case& c : cases) {
        key = c.key;
        void* item = PtrArr_Binary_Search(&a, &key, Slot_By_Int, &index);
        if (c.expect_found < 0) {
            EXPECT_EQ(item, nullptr) << c.key;
        } else {
            EXPECT_EQ(item, &v[c.expect_found]) << c.key;
        }
        EXPECT_EQ(index, c.expect_index) << c.key;
    }
    PtrArr_Reset(&a);
}
