// section_invariants: the invariants of a general section.
#include "section/section_invariants.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/invariant.h"

namespace {

const char* const kModel = "general section";

// The elements of one list, sorted by address, so that a reference is looked
// up without walking the list once per referrer.
struct Members {
    std::vector<const void*> sorted;
    bool Has(const void* element) const { return std::binary_search(sorted.begin(), sorted.end(), element); }
};

Members List_Members(const PtrArr* list, const Querschnitt_Elementtyp* type, int max_intern,
                     std::vector<int>* interns) {
    WELD_INVARIANT(kModel, list, "the section has its four lists");
    WELD_INVARIANT(kModel, list->count >= 0 && list->count <= list->capacity, "list count within its capacity");
    WELD_INVARIANT(kModel, list->count == 0 || list->items, "a list with entries has its slots");
    Members m;
    m.sorted.reserve(static_cast<size_t>(list->count));
    for (int i = 0; i < list->count; ++i) {
        const auto* h = static_cast<const Querschnitt_Element*>(list->items[i]);
        WELD_INVARIANT(kModel, h, "no empty slot in a list");
        WELD_INVARIANT(kModel, h->type == type, "every element of its list's kind");
        WELD_INVARIANT(kModel, h->intern >= 1 && h->intern <= max_intern,
                       "internal number given out by the section");
        interns->push_back(h->intern);
        m.sorted.push_back(h);
    }
    std::sort(m.sorted.begin(), m.sorted.end());
    return m;
}

template <typename T>
const T* Item(const PtrArr* list, int i) {
    return static_cast<const T*>(list->items[i]);
}

void Check_Group(const Querschnittsgruppe* g, const Members& nodes, const Members& edges, const Members& curves) {
    WELD_INVARIANT(kModel, g->art >= QG_PUNKTE && g->art <= QG_LINIEN, "group kind known");
    WELD_INVARIANT(kModel, g->kurve && curves.Has(g->kurve), "group curve in the section");
    WELD_INVARIANT(kModel, std::isfinite(g->einstellung.gewicht), "group weight finite");
    if (g->art == QG_KREIS) {
        WELD_INVARIANT(kModel, g->mitte && nodes.Has(g->mitte), "disc centre in the section");
        WELD_INVARIANT(kModel, std::isfinite(g->radius), "disc radius finite");
        return;
    }
    WELD_INVARIANT(kModel, g->liste, "group has its member list");
    const PtrArr* list = g->liste;
    WELD_INVARIANT(kModel, list->count >= 0 && list->count <= list->capacity, "member count within its capacity");
    if (g->art == QG_FLAECHE) {
        for (int i = 0; i < list->count; ++i) {
            const auto* e = Item<Querschnittskante>(list, i);
            WELD_INVARIANT(kModel, e && edges.Has(e), "area edge in the section");
        }
        WELD_INVARIANT(kModel, Is_Flaeche_Outline_Closed(g), "area outline closed");
        return;
    }
    for (int i = 0; i < list->count; ++i) {
        const auto* entry = Item<Querschnittsgruppe_Eintrag>(list, i);
        WELD_INVARIANT(kModel, entry, "no empty member slot");
        WELD_INVARIANT(kModel, std::isfinite(entry->wert), "member area or thickness finite");
        if (g->art == QG_PUNKTE) WELD_INVARIANT(kModel, nodes.Has(entry->element), "point member in the section");
        else WELD_INVARIANT(kModel, edges.Has(entry->element), "line member in the section");
    }
}

}  // namespace

void Check_Querschnitt_Invariants(const Querschnitt* q) {
    if (!q) return;
    WELD_INVARIANT(kModel, q->header.type == &Querschnitt_Typ, "section of its kind");
    for (double v : q->lage) WELD_INVARIANT(kModel, std::isfinite(v), "placement finite");
    std::vector<int> interns;
    const Members nodes = List_Members(q->knoten, &Querschnittsknoten_Typ, q->max_intern, &interns);
    const Members edges = List_Members(q->kanten, &Querschnittskante_Typ, q->max_intern, &interns);
    const Members curves = List_Members(q->kurven, &Spannungsdehnungslinie_Typ, q->max_intern, &interns);
    List_Members(q->gruppen, &Querschnittsgruppe_Typ, q->max_intern, &interns);
    std::sort(interns.begin(), interns.end());
    WELD_INVARIANT(kModel, std::adjacent_find(interns.begin(), interns.end()) == interns.end(),
                   "internal numbers unique in the section");
    for (int i = 0; i < q->knoten->count; ++i) {
        const auto* n = Item<Querschnittsknoten>(q->knoten, i);
        WELD_INVARIANT(kModel, std::isfinite(n->y) && std::isfinite(n->z), "node coordinates finite");
    }
    for (int i = 0; i < q->kanten->count; ++i) {
        const auto* e = Item<Querschnittskante>(q->kanten, i);
        WELD_INVARIANT(kModel, nodes.Has(e->anf) && nodes.Has(e->end), "edge ends in the section");
        WELD_INVARIANT(kModel, std::isfinite(e->stich), "edge rise finite");
    }
    for (int i = 0; i < q->kurven->count; ++i) {
        const auto* c = Item<Spannungsdehnungslinie>(q->kurven, i);
        WELD_INVARIANT(kModel, c->segment_count >= 0 && c->segment_count <= SDL_SEGMENTE,
                       "curve segments within their capacity");
        WELD_INVARIANT(kModel, !c->bezug || curves.Has(c->bezug), "second curve in the section");
    }
    for (int i = 0; i < q->gruppen->count; ++i) Check_Group(Item<Querschnittsgruppe>(q->gruppen, i), nodes, edges, curves);
}
