// profile_switches: engine switches and model-cache invalidation of the
// profile catalogue.
#include "profiles/profile_switches.h"

#include <cstdint>
#include <cstring>

#include "base/invariant.h"
#include "profiles/profil.h"
#include "profiles/profile_invariants.h"
#include "thinwall/dwqb_calc.h"
#include "thinwall/tsv.h"

DWQB_Model_Key Profil_DWQB_Key;

void Invalidate_Profil_DWQB_Cache(void) {
    const int32_t marker = PROFIL_DWQB_NOT_BUILT;
    std::memcpy(Profil_DWQB_Key.data, &marker, sizeof marker);
}

void Init_Profil_DWQB_Switches(void) {
    WELD_CHECK_AT_EXIT(Check_Profile_Invariants());
    static bool done;
    if (done) return;
    done = true;
    DWQB_Erweitert = 1;
    DWQB_Alle_Linien = 1;
    Set_DWQB_Invalidate_Hook(Invalidate_Profil_DWQB_Cache);
    // The plate description of the plastic method looks catalogue profiles
    // up by name; building a profile's model joins with the cross-section record.
    static const TSV_Profil_Services services{Get_Profil_Family, Get_Profil_Values, nullptr};
    Set_TSV_Profil_Services(&services);
}
