// connection_invariants: the invariants of the connection record.
#include "weldapp/connection_invariants.h"

#include <cmath>

#include "base/invariant.h"
#include "memberchecks/member_invariants.h"

void Check_Schweissnaht_Invariants(const SchweissnahtAnschluss* r) {
    static const char* const model = "connection record";
    if (r) {
        WELD_INVARIANT(model, r->naht.weld_count >= 0 && r->naht.weld_count <= NAHT_SLOTS,
                       "welds within their slots");
        WELD_INVARIANT(model, r->load_count >= 0 && (r->load_count == 0 || r->loads),
                       "load cases present for their count");
        WELD_INVARIANT(model, r->governing_case == -1 || (r->governing_case >= 1 && r->governing_case <= r->load_count),
                       "governing case one of the load cases");
        WELD_INVARIANT(model, std::isfinite(r->max_utilisation) && std::isfinite(r->max_ct_utilisation),
                       "maximum utilisations finite");
    }
    Check_Member_Check_Invariants();
}
