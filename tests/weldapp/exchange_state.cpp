// The exchange's share of the reset before each test (see
// support/global_state.h): no import has run yet (the version check speaks
// of the input file again), no sheet exchange is installed, and the tool
// calls remember no result or component.
#include "support/global_state.h"
#include "weldapp/exchange.h"
#include "weldapp/loadpick.h"
#include "weldapp/partpick.h"
#include "weldapp/schweissnaht.h"

namespace {

void Reset_Exchange(void) {
    Schweissnaht_Import_Mode = 0;
    Set_Connection_Sheet_Exchange(nullptr, nullptr, nullptr);
    Reset_LoadPick();
    Reset_PartPick();
}

const testutil::Global_Reset reset_exchange(Reset_Exchange);

}  // namespace
