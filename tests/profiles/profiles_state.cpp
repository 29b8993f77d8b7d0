// The profile outlines' share of the reset before each test (see
// support/global_state.h): the thin-walled engine is the installed one.
#include "profiles/profilmodell.h"
#include "support/global_state.h"

namespace {

void Reset_Profile_State() { Set_Profilmodell_Engine(Thinwall_Profilmodell_Engine()); }

const testutil::Global_Reset reset_profiles(Reset_Profile_State);

}  // namespace
