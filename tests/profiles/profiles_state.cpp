// The profile outlines' share of the reset before each test (see
// support/global_state.h): the thin-walled engine is the installed one, and
// the annex registry is active before the test begins. The first use of the
// annex in a process shows its one-time notice (the test environment has no
// annex files): without this it fell into whichever test came first and was
// counted with that test's own notices.
#include "codes/nad.h"
#include "platform/msgbox.h"
#include "profiles/profilmodell.h"
#include "support/global_state.h"

namespace {

void Reset_Profile_State() {
    Set_Profilmodell_Engine(Thinwall_Profilmodell_Engine());
    (void)Get_NAD_EC3();
    VEK_Clear_Recorded_Messages();
}

const testutil::Global_Reset reset_profiles(Reset_Profile_State);

}  // namespace
