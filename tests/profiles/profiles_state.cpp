// The profile layer's share of the reset before each test (see
// support/global_state.h): the thin-walled engine is the installed one, and
// the annex registry starts unread, as at start-up (a material block read by
// one test activates its annex, which is no state of the next). It is then
// activated at once, and the one-time notice of that first activation
// cleared, so that it does not fall into whichever test comes first and is
// counted with that test's own notices.
#include "codes/nad.h"
#include "platform/msgbox.h"
#include "profiles/profilmodell.h"
#include "support/global_state.h"

namespace {

void Reset_Profile_State() {
    Set_Profilmodell_Engine(Thinwall_Profilmodell_Engine());
    Reset_NAD_Registry();
    (void)Get_NAD_EC3();
    VEK_Clear_Recorded_Messages();
}

const testutil::Global_Reset reset_profiles(Reset_Profile_State);

}  // namespace
