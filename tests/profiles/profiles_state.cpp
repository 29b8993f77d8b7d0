// The profile layer's share of the reset before each test (see
// support/global_state.h): the thin-walled engine is the installed one, and
// the annex registry starts unread, as at start-up (a material block read by
// one test activates its annex, which is no state of the next). A test that
// reads a material block therefore activates the annex itself, from the
// annexes its fixture ships (catalogue_fixture.h), so no notice of a missing
// annex falls into whichever test happens to come first.
#include "codes/nad.h"
#include "profiles/profilmodell.h"
#include "support/global_state.h"

namespace {

void Reset_Profile_State() {
    Set_Profilmodell_Engine(Thinwall_Profilmodell_Engine());
    Reset_NAD_Registry();
}

const testutil::Global_Reset reset_profiles(Reset_Profile_State);

}  // namespace
