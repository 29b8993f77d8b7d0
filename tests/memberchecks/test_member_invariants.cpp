// A broken model below the member checks is caught by the invariant check
// at the end of their entry points.
#include <gtest/gtest.h>

#include "memberchecks/profile_section_model.h"
#include "profiles/profil_dwqb_model.h"
#include "support/invariant_death.h"

namespace {

TEST(MemberInvariantsDeathTest, ANegativeStoreNodeCountIsCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    const int32_t kept = Profil_DWQB_Store.n_nodes;
    Profil_DWQB_Store.n_nodes = -1;
    EXPECT_INVARIANT_BROKEN(Build_Section_Model_Checked(nullptr, nullptr, nullptr, 0, 0, nullptr),
                            "profile model store", "node count not negative");
    Profil_DWQB_Store.n_nodes = kept;
}

}  // namespace
