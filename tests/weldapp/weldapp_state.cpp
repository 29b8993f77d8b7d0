// The weld program's share of the reset before each test (see
// support/global_state.h): the annex registry starts unread, as at start-up,
// so an annex activated by one test's input file is no state of the next.
#include "codes/nad.h"
#include "support/global_state.h"

namespace {

const testutil::Global_Reset reset_annexes(Reset_NAD_Registry);

}  // namespace
