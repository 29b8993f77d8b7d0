// The weld check's working state is checked when the check leaves; a report
// order longer than the welds is caught.
#include <gtest/gtest.h>

#include <memory>

#include "support/invariant_death.h"
#include "weldcheck/weld_check_internal.h"

namespace {

TEST(WeldCheckInvariantsDeathTest, AReportOrderBeyondTheWeldsIsCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    SchweissnahtNachweis record{};
    Init_Weld_Check_Record(&record);
    record.governing_slot = record.governing_point = -1;
    auto work = std::make_unique<WeldCheckWork>();
    work->r = &record;
    work->n_order = WELD_CHECK_WELDS + 1;
    EXPECT_INVARIANT_BROKEN(Check_Weld_Check_Invariants(work.get()), "weld check", "report order within capacity");
}

}  // namespace
