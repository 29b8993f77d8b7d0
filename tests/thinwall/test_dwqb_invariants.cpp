// A broken thin-walled model is caught by the invariant check at the end of
// the engine's entry points.
#include <gtest/gtest.h>

#include "dwqb_shapes.h"
#include "support/invariant_death.h"

namespace {

// A line whose start is a node outside the model's node list.
TEST(DwqbInvariantsDeathTest, ALineEndOutsideTheModelIsCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    Init_DWQB_Model();
    Build_Channel(20, 10, 1, 0.6);
    DWQB_Knoten stray{};
    DWQB_Linie* line = First_DWQB_Line();
    DWQB_Knoten* kept = line->a;
    line->a = &stray;
    EXPECT_INVARIANT_BROKEN(Fill_DWQB_Tabellen(), "thin-walled model", "line ends are nodes of the model");
    line->a = kept;
    Init_DWQB_Model();
}

}  // namespace
