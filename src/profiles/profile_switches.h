// profile_switches: what the profile catalogue settles about the thin-walled
// engine below it: the engine switches for the rest of the run and the
// invalidation of the catalogue's cached model after every calculation.
#ifndef PROFILES_PROFILE_SWITCHES_H
#define PROFILES_PROFILE_SWITCHES_H

#include "thinwall/dwqb.h"

// The key of the model the catalogue built last; its first word is the
// marker 99999 when no model counts as built.
extern DWQB_Model_Key Profil_DWQB_Key;
enum { PROFIL_DWQB_NOT_BUILT = 99999 };

// Marks the last built model as not built, so that the next build compares
// unequal and builds again. Installed into the engine's invalidation hook.
void Invalidate_Profil_DWQB_Cache(void);
// First call: both engine switches on (several-part calculation, exact
// mode), the invalidation hook and the catalogue look-ups of the plastic
// plate description installed; later calls do nothing.
void Init_Profil_DWQB_Switches(void);

#endif
