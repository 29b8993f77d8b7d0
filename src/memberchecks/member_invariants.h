// member_invariants: what must hold after every public entry point of the
// member checks (base/invariant.h). The checks keep no model of their own
// beyond their settings (a factor above 0, the keep switch a flag); they
// work on the profile catalogue's models, whose invariants are checked with
// them. A broken one ends the program.
#ifndef MEMBERCHECKS_MEMBER_INVARIANTS_H
#define MEMBERCHECKS_MEMBER_INVARIANTS_H

void Check_Member_Check_Invariants(void);

// The settings part of the above (member_settings).
void Check_Member_Settings_Invariants(void);

#endif
