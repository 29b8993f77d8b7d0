// dwqb_invariants: the invariants of the thin-walled model store, its last
// results and the general sections cached for it.
#include "thinwall/dwqb_invariants.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/invariant.h"
#include "section/section_invariants.h"
#include "thinwall/dwqb_internal.h"

namespace {

const char* const kModel = "thin-walled model";

// Walks a doubly linked list from its first record; the records in order.
// The back link checked at each step also ends a cycle (the invariant
// broken): the first record met twice would need the record before it met
// twice as well, or, being the first record, a back link.
template <typename Record>
std::vector<const Record*> Walk(const Record* first, const Record* last, const char* what) {
    std::vector<const Record*> seen;
    const Record* previous = nullptr;
    for (const Record* r = first; r; r = r->next) {
        WELD_INVARIANT(kModel, r->prev == previous, what);
        seen.push_back(r);
        previous = r;
    }
    WELD_INVARIANT(kModel, last == previous, what);
    return seen;
}

void Check_Store(void) {
    const auto nodes = Walk(dwqb_model.first_node, dwqb_model.last_node, "node list linked both ways");
    const auto lines = Walk(dwqb_model.first_line, dwqb_model.last_line, "line list linked both ways");
    std::vector<const DWQB_Knoten*> sorted(nodes);
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> uses(nodes.size(), 0);
    for (const DWQB_Knoten* n : nodes)
        WELD_INVARIANT(kModel, std::isfinite(n->y) && std::isfinite(n->z), "node coordinates finite");
    for (const DWQB_Linie* l : lines) {
        for (const DWQB_Knoten* end : {l->a, l->b}) {
            if (!end) continue;
            const auto at = std::lower_bound(sorted.begin(), sorted.end(), end);
            WELD_INVARIANT(kModel, at != sorted.end() && *at == end, "line ends are nodes of the model");
            ++uses[static_cast<size_t>(at - sorted.begin())];
        }
        WELD_INVARIANT(kModel, std::isfinite(l->t_a) && std::isfinite(l->t_b), "line thicknesses finite");
    }
    for (size_t i = 0; i < sorted.size(); ++i)
        WELD_INVARIANT(kModel, sorted[i]->use_count >= uses[i], "node use count covers the lines ending there");
    WELD_INVARIANT(kModel, DWQB_Anzahl_Zellen >= 0 && DWQB_Anzahl_Zellen <= 100, "cell count within capacity");
    WELD_INVARIANT(kModel, dwqb_work.n_cells >= 0 && dwqb_work.n_cells <= 100, "working cells within capacity");
    const DWQB_Tabellen_Record& t = DWQB_Tabellen;
    WELD_INVARIANT(kModel, t.n_nodes >= 0 && t.n_nodes <= 100 && t.n_lines >= 0 && t.n_lines <= 100,
                   "table snapshot within capacity");
    for (int i = 0; i < t.n_lines; ++i)
        WELD_INVARIANT(kModel, t.line[i].a >= -1 && t.line[i].a < t.n_nodes && t.line[i].b >= -1 &&
                                   t.line[i].b < t.n_nodes,
                       "table lines end at table nodes");
}

void Check_Results(void) {
    const DWQB_Teil* whole = DWQB_Aktueller_Teil;
    if (!whole) return;
    auto check_part = [&](const DWQB_Teil* part) {
        WELD_INVARIANT(kModel, part->n_members >= 0, "part member count not negative");
        WELD_INVARIANT(kModel, part->n_members == 0 || part->members, "part with members has them");
        for (int i = 0; i < part->n_members; ++i) {
            const void* member = part->members[i];
            WELD_INVARIANT(kModel, member, "part member present");
            const int32_t kind = DWQB_Member_Kind(member);
            WELD_INVARIANT(kModel, kind >= DWQB_MEMBER_LINE && kind <= DWQB_MEMBER_PART, "part member of a known kind");
            if (kind == DWQB_MEMBER_PART) continue;
            const auto* r = static_cast<const DWQB_Linienergebnis*>(member);
            WELD_INVARIANT(kModel, r->line && r->line->result == r, "line result and its line refer to each other");
        }
    };
    check_part(whole);
    for (int i = 0; i < whole->n_members; ++i)
        if (DWQB_Member_Kind(whole->members[i]) == DWQB_MEMBER_PART)
            check_part(static_cast<const DWQB_Teil*>(whole->members[i]));
}

void Check_Cached_Sections(void) {
    for (const Querschnitt* q : dwqb_cached_masque) {
        if (!q) continue;
        Check_Querschnitt_Invariants(q);
        for (int i = 0; i < Get_Spannungsdehnungslinien_Count(q); ++i) {
            const Spannungsdehnungslinie_Parameter& p = Get_Spannungsdehnungslinie(q, i)->p;
            for (double v : {p.betaD, p.betaZ, p.epsD, p.epsZ, p.epsu, p.epsV, p.exponent, p.steigung})
                WELD_INVARIANT("cached general section", std::isfinite(v), "curve parameters finite");
        }
    }
    WELD_INVARIANT(kModel, dwqb_masque_failed == 0 || dwqb_masque_failed == 1, "failure mark is a flag");
}

}  // namespace

void Check_DWQB_Invariants(void) {
    Check_Store();
    Check_Results();
    Check_Cached_Sections();
}
