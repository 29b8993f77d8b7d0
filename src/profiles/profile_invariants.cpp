// profile_invariants: the invariants of the profile catalogue's models.
#include "profiles/profile_invariants.h"

#include <cmath>

#include "base/invariant.h"
#include "profiles/profil_dwqb_model.h"
#include "thinwall/dwqb_invariants.h"

void Check_Profile_Invariants(void) {
    static const char* const model = "profile model store";
    const Profil_DWQB_Linienwerte& s = Profil_DWQB_Store;
    WELD_INVARIANT(model, s.n_lines >= 0 && s.n_lines <= PROFIL_STORE_LINES, "line count within capacity");
    WELD_INVARIANT(model, s.n_nodes >= 0, "node count not negative");
    for (int i = 0; i < s.n_lines; ++i) {
        WELD_INVARIANT(model, s.line_a[i] >= -1 && s.line_a[i] < s.n_nodes && s.line_b[i] >= -1 &&
                                  s.line_b[i] < s.n_nodes,
                       "lines end at nodes of the store");
        // A failed build (mode 0) leaves its lines as they came out.
        if (s.mode != 0)
            WELD_INVARIANT(model, std::isfinite(s.line_t[i]) && std::isfinite(s.ct_ratio[i]), "line values finite");
    }
    WELD_INVARIANT(model, std::isfinite(s.cos_angle) && std::fabs(s.cos_angle) <= 1.0, "angle cosine within -1..1");
    WELD_INVARIANT(model, std::isfinite(s.angle_legs[0]) && std::isfinite(s.angle_legs[1]), "angle legs finite");
    Check_Used_Profil_Table_Invariants();
    Check_DWQB_Invariants();
}
