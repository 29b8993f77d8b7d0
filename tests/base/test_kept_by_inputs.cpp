// A value kept with the bytes of its inputs: taken over for the same bytes,
// worked out again for any other, slot by slot.
#include <gtest/gtest.h>

#include "base/kept_by_inputs.h"

// Each row changes one input of the first call (an int, a double, an
// element of the array, the array's length) or none; the second call must
// find the value of the first exactly when nothing changed.
TEST(KeptByInputs, TakesTheValueOverOnlyForTheSameBytes) {
    const struct {
        int n;
        double d;
        int array[3];
        size_t used;
        bool kept;
    } second[] = {
        {2, 0.5, {7, 8, 9}, 3, true},  {3, 0.5, {7, 8, 9}, 3, false}, {2, -0.5, {7, 8, 9}, 3, false},
        {2, 0.5, {7, 8, 1}, 3, false}, {2, 0.5, {7, 8, 9}, 2, false},
    };
    for (const auto& c : second) {
        Kept_By_Inputs<int> kept;
        const int first[3] = {7, 8, 9};
        bool fresh = false;
        kept.At(0, &fresh, 2, 0.5, Inputs_Of(first, 3)) = 42;
        EXPECT_TRUE(fresh);
        const int& v = kept.At(0, &fresh, c.n, c.d, Inputs_Of(c.array, c.used));
        EXPECT_EQ(fresh, !c.kept) << c.n << " " << c.d << " " << c.array[2] << " " << c.used;
        if (c.kept) {
            EXPECT_EQ(v, 42);
        }
    }
    // -0 and 0 differ in their bytes: worked out again, never taken over.
    Kept_By_Inputs<int> zero;
    bool fresh = false;
    zero.At(0, &fresh, 0.0);
    zero.At(0, &fresh, -0.0);
    EXPECT_TRUE(fresh);
}

// A position's slot keeps its own value whatever the others are asked; in
// turn, the slot taken last is the one least recently filled.
TEST(KeptByInputs, SlotsAreIndependentAndTakenInTurn) {
    Kept_By_Inputs<int, 3> kept;
    bool fresh = false;
    kept.At(0, &fresh, 1) = 10;
    kept.At(1, &fresh, 2) = 20;
    EXPECT_EQ(kept.At(0, &fresh, 1), 10);
    EXPECT_FALSE(fresh);
    kept.At(1, &fresh, 1);  // slot 1 with slot 0's inputs: its own, afresh
    EXPECT_TRUE(fresh);

    Kept_By_Inputs<int, 2> turn;
    turn.Take(&fresh, 1) = 10;  // slot 0
    turn.Take(&fresh, 2) = 20;  // slot 1
    EXPECT_EQ(turn.Take(&fresh, 1), 10);
    EXPECT_FALSE(fresh);
    turn.Take(&fresh, 3) = 30;  // slot 0 again, in turn: 1 goes, 2 stays
    EXPECT_TRUE(fresh);
    EXPECT_EQ(turn.Take(&fresh, 2), 20);
    EXPECT_FALSE(fresh);
    turn.Take(&fresh, 1);
    EXPECT_TRUE(fresh);
}
