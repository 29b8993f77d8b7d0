// profile_invariants: what must hold of the profile catalogue's global
// models after every public entry point of the profile engine
// (base/invariant.h): the thin-walled model it builds on (with the general
// sections cached for it), the store of the standing model's lines (counts
// within capacity, line ends among its nodes, finite values of a standing
// model) and the table of used profiles (count within capacity). A broken
// one ends the program.
#ifndef PROFILES_PROFILE_INVARIANTS_H
#define PROFILES_PROFILE_INVARIANTS_H

void Check_Profile_Invariants(void);

// The table of used profiles (profil), part of the above.
void Check_Used_Profil_Table_Invariants(void);

#endif
