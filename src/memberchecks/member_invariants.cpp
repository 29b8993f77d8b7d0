// member_invariants: the invariants the member checks leave behind.
#include "memberchecks/member_invariants.h"

#include "profiles/profile_invariants.h"

void Check_Member_Check_Invariants(void) {
    Check_Member_Settings_Invariants();
    Check_Profile_Invariants();
}
