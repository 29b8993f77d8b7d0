// A broken profile model store is caught by the invariant check at the end
// of the profile engine's entry points.
#include <gtest/gtest.h>

#include "profiles/profil.h"
#include "profiles/profil_dwqb_model.h"
#include "support/invariant_death.h"

namespace {

TEST(ProfileInvariantsDeathTest, MoreStoreLinesThanItHoldsAreCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    const int32_t kept = Profil_DWQB_Store.n_lines;
    Profil_DWQB_Store.n_lines = PROFIL_STORE_LINES + 1;
    EXPECT_INVARIANT_BROKEN(Get_Profil_Family("HEA 200"), "profile model store", "line count within capacity");
    Profil_DWQB_Store.n_lines = kept;
}

}  // namespace
