// A broken connection record is caught by the invariant check at the end of
// the weld application's entry points.
#include <gtest/gtest.h>

#include <cstdio>

#include "record_fixture.h"
#include "support/invariant_death.h"

namespace {

TEST(ConnectionInvariantsDeathTest, AGoverningCaseBeyondTheLoadCasesIsCaught) {
    SKIP_WITHOUT_INVARIANT_CHECKS();
    testutil::Record record;
    record.r.governing_case = record.r.load_count + 1;
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_INVARIANT_BROKEN(Write_Schweissnaht(f, &record.r), "connection record",
                            "governing case one of the load cases");
    std::fclose(f);
    record.r.governing_case = -1;
}

}  // namespace
