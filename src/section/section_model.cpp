// section_model: the general section object, its elements and its lists.
#include "section/section_model.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/vesk.h"

#define QS_ALLOC(n) Mem_Calloc(__FILE__, __LINE__, "null", 1, (n))
#define QS_FREE(p) Mem_Free(__FILE__, __LINE__, "null", (p))

const Querschnitt_Elementtyp Querschnitt_Typ = {"Querschnitt", "Q", 4};
const Querschnitt_Elementtyp Querschnittsknoten_Typ = {"Querschnittsknoten", "N", 1};
const Querschnitt_Elementtyp Querschnittskante_Typ = {"Querschnittskante", "E", 2};
const Querschnitt_Elementtyp Spannungsdehnungslinie_Typ = {"Spannungsdehnungslinie", "M", 0};
const Querschnitt_Elementtyp Querschnittsgruppe_Typ = {"Querschnittsgruppe", "G", 3};

// Defaults copied into every new section and group; nothing changes them.
static const unsigned int default_flags = 0;
static const Querschnittsgruppe_Einstellung default_einstellung = {0, 1.0};

static Querschnitt_Element* Header(void* element) {
    return static_cast<Querschnitt_Element*>(element);
}
static const Querschnitt_Element* Header(const void* element) {
    return static_cast<const Querschnitt_Element*>(element);
}

// ---- Element headers ----------------------------------------------------

void Init_Element(void* element, const Querschnitt_Elementtyp* type, int number, int references) {
    if (!element) return;
    Querschnitt_Element* h = Header(element);
    h->type = type;
    h->number = number;
    h->intern = 0;
    h->refcount = references;
}

void Copy_Element_Header(void* dest, const void* src) {
    if (dest && src) *Header(dest) = *Header(src);
}

void Set_Element_Intern_Nummer(void* element, int intern) {
    if (element) Header(element)->intern = intern;
}

void Element_Ref(void* element) {
    if (element) Header(element)->refcount++;
}

void Element_Unref(void* element) {
    if (element) Header(element)->refcount--;
}

int Get_Element_Refcount(const void* element) { return element ? Header(element)->refcount : 0; }
int Get_Element_Nummer(const void* element) { return element ? Header(element)->number : 0; }
int Get_Element_Intern_Nummer(const void* element) { return element ? Header(element)->intern : 0; }
const Querschnitt_Elementtyp* Get_Element_Typ(const void* element) {
    return element ? Header(element)->type : nullptr;
}

int Cmp_Element_Nummer(const void* element, const void* key) {
    return element && Header(element)->number == static_cast<int>(reinterpret_cast<intptr_t>(key));
}

int Cmp_Element_Intern_Nummer(const void* element, const void* key) {
    return element && Header(element)->intern == static_cast<int>(reinterpret_cast<intptr_t>(key));
}

int Cmp_Element_Identitaet(const void* element, const void* key) { return element == key; }

// ---- Section -------------------------------------------------------------

// Frees everything the section owns. Counts are left alone: a curve may refer
// to one freed before it, so touching a referent here would read freed memory.
// force also frees a static section (a failed creation or read never hands
// its object out, so nothing else can own it).
static void Free_Querschnitt_Lists(Querschnitt* q, int force) {
    if (!q || ((q->flags & QS_STATISCH) && !force)) return;
    if (q->gruppen) {
        for (int i = 0; i < q->gruppen->count; ++i) {
            auto* g = static_cast<Querschnittsgruppe*>(q->gruppen->items[i]);
            if (!g) continue;
            if (g->liste) {
                if (g->art == QG_PUNKTE || g->art == QG_LINIEN)
                    for (int k = 0; k < g->liste->count; ++k) QS_FREE(g->liste->items[k]);
                PtrArr_Destroy(g->liste);
            }
            QS_FREE(g);
        }
        PtrArr_Destroy(q->gruppen);
    }
    if (q->kurven) {
        for (int i = 0; i < q->kurven->count; ++i) {
            auto* c = static_cast<Spannungsdehnungslinie*>(q->kurven->items[i]);
            if (!c) continue;
            QS_FREE(c->name);
            QS_FREE(c);
        }
        PtrArr_Destroy(q->kurven);
    }
    PtrArr* plain[2] = {q->kanten, q->knoten};
    for (PtrArr* list : plain) {
        if (!list) continue;
        for (int i = 0; i < list->count; ++i) QS_FREE(list->items[i]);
        PtrArr_Destroy(list);
    }
    QS_FREE(q->huelle);
    QS_FREE(q);
}

void Free_Querschnitt_Erzwungen(Querschnitt* section) { Free_Querschnitt_Lists(section, 1); }

void Free_Querschnitt(Querschnitt* section) { Free_Querschnitt_Lists(section, 0); }

Querschnitt* New_Querschnitt(int number, int user_size) {
    if (user_size < 0) user_size = 0;
    auto* q = static_cast<Querschnitt*>(QS_ALLOC(sizeof(Querschnitt) + static_cast<size_t>(user_size)));
    if (!q) return nullptr;
    Init_Element(q, &Querschnitt_Typ, number, 0);
    q->flags = default_flags;
    q->user_size = user_size;
    q->knoten = PtrArr_Create(0);
    q->kanten = PtrArr_Create(0);
    q->kurven = PtrArr_Create(0);
    q->gruppen = PtrArr_Create(0);
    if (!q->knoten || !q->kanten || !q->kurven || !q->gruppen) {
        Free_Querschnitt_Lists(q, 1);
        return nullptr;
    }
    return q;
}

// ---- Nodes and edges -----------------------------------------------------

Querschnittsknoten* New_Querschnittsknoten(int number, double y, double z) {
    auto* n = static_cast<Querschnittsknoten*>(QS_ALLOC(sizeof(Querschnittsknoten)));
    if (!n) return nullptr;
    Init_Element(n, &Querschnittsknoten_Typ, number, 0);
    n->y = n->yt = y;
    n->z = n->zt = z;
    return n;
}

void Free_Querschnittsknoten(Querschnittsknoten* node) { QS_FREE(node); }

int Set_Querschnittsknoten_Koordinaten(Querschnittsknoten* node, double y, double z) {
    if (!node) return 0;
    node->y = y;
    node->z = z;
    return 1;
}

Querschnittskante* New_Querschnittskante(int number, Querschnittsknoten* start,
                                         Querschnittsknoten* end, double stich) {
    if (!start || !end) return nullptr;
    auto* e = static_cast<Querschnittskante*>(QS_ALLOC(sizeof(Querschnittskante)));
    if (!e) return nullptr;
    Init_Element(e, &Querschnittskante_Typ, number, 0);
    e->anf = start;
    e->end = end;
    Element_Ref(start);
    Element_Ref(end);
    Set_Querschnittskante_Stich(e, stich);
    return e;
}

void Free_Querschnittskante(Querschnittskante* edge) {
    if (!edge) return;
    Element_Unref(edge->anf);
    Element_Unref(edge->end);
    QS_FREE(edge);
}

int Set_Querschnittskante_Stich(Querschnittskante* edge, double stich) {
    if (!edge) return 0;
    edge->stich = stich;
    edge->bogen = stich != 0.0 ? 1 : 0;
    return 1;
}

// ---- Groups --------------------------------------------------------------

static Querschnittsgruppe* New_Gruppe(int number, int art, Spannungsdehnungslinie* curve) {
    if (!curve) return nullptr;
    auto* g = static_cast<Querschnittsgruppe*>(QS_ALLOC(sizeof(Querschnittsgruppe)));
    if (!g) return nullptr;
    Init_Element(g, &Querschnittsgruppe_Typ, number, 0);
    g->art = art;
    g->einstellung = default_einstellung;
    if (art != QG_KREIS) {
        g->liste = PtrArr_Create(0);
        if (!g->liste) {
            QS_FREE(g);
            return nullptr;
        }
    }
    g->kurve = curve;
    Element_Ref(curve);
    return g;
}

Querschnittsgruppe* New_Querschnittsgruppe_Punkte(int number, Spannungsdehnungslinie* curve) {
    return New_Gruppe(number, QG_PUNKTE, curve);
}
Querschnittsgruppe* New_Querschnittsgruppe_Flaeche(int number, Spannungsdehnungslinie* curve) {
    return New_Gruppe(number, QG_FLAECHE, curve);
}
Querschnittsgruppe* New_Querschnittsgruppe_Linien(int number, Spannungsdehnungslinie* curve) {
    return New_Gruppe(number, QG_LINIEN, curve);
}

Querschnittsgruppe* New_Querschnittsgruppe_Kreis(int number, Spannungsdehnungslinie* curve,
                                                 Querschnittsknoten* centre, double radius) {
    if (!curve || !centre) return nullptr;
    Querschnittsgruppe* g = New_Gruppe(number, QG_KREIS, curve);
    if (!g) return nullptr;
    g->mitte = centre;
    g->radius = radius;
    Element_Ref(centre);
    return g;
}

void Free_Querschnittsgruppe(Querschnittsgruppe* group) {
    if (!group) return;
    if (group->art == QG_KREIS) Element_Unref(group->mitte);
    if (group->liste) {
        for (int i = 0; i < group->liste->count; ++i) {
            void* item = group->liste->items[i];
            if (group->art == QG_FLAECHE) {
                Element_Unref(item);
            } else if (item) {
                Element_Unref(static_cast<Querschnittsgruppe_Eintrag*>(item)->element);
                QS_FREE(item);
            }
        }
        PtrArr_Destroy(group->liste);
    }
    Element_Unref(group->kurve);
    QS_FREE(group);
}

int Set_Gruppe_Spannungsdehnungslinie(Querschnittsgruppe* group, Spannungsdehnungslinie* curve) {
    if (!group || !curve) return 0;
    if (group->kurve == curve) return 1;
    Element_Unref(group->kurve);
    group->kurve = curve;
    Element_Ref(curve);
    return 1;
}

static Querschnittsgruppe_Eintrag* Add_Eintrag(Querschnittsgruppe* g, int art, void* element,
                                               double wert) {
    if (!g || !element || g->art != art || !g->liste) return nullptr;
    auto* m = static_cast<Querschnittsgruppe_Eintrag*>(QS_ALLOC(sizeof(Querschnittsgruppe_Eintrag)));
    if (!m) return nullptr;
    m->element = Header(element);
    m->wert = wert;
    const int n = g->liste->count;
    PtrArr_Set(g->liste, n, m);
    if (PtrArr_Get(g->liste, n) != m) {
        QS_FREE(m);
        return nullptr;
    }
    Element_Ref(element);
    return m;
}

Querschnittsgruppe_Eintrag* Add_Punkt_To_Gruppe(Querschnittsgruppe* group,
                                                Querschnittsknoten* node, double area) {
    return Add_Eintrag(group, QG_PUNKTE, node, area);
}

Querschnittsgruppe_Eintrag* Add_Linie_To_Gruppe(Querschnittsgruppe* group,
                                                Querschnittskante* edge, double thickness) {
    return Add_Eintrag(group, QG_LINIEN, edge, thickness);
}

int Add_Kante_To_Flaeche(Querschnittsgruppe* group, Querschnittskante* edge) {
    if (!group || !edge || group->art != QG_FLAECHE || !group->liste) return 0;
    const int n = group->liste->count;
    PtrArr_Set(group->liste, n, edge);
    if (PtrArr_Get(group->liste, n) != edge) return 0;
    Element_Ref(edge);
    return 1;
}

static int Member_Count(const Querschnittsgruppe* g, int art) {
    return g && g->art == art && g->liste ? g->liste->count : 0;
}
static void* Member(const Querschnittsgruppe* g, int art, int i) {
    return g && g->art == art && g->liste ? PtrArr_Get(g->liste, i) : nullptr;
}

int Get_Gruppe_Punkte_Count(const Querschnittsgruppe* group) { return Member_Count(group, QG_PUNKTE); }
Querschnittsgruppe_Eintrag* Get_Gruppe_Punkt(const Querschnittsgruppe* group, int i) {
    return static_cast<Querschnittsgruppe_Eintrag*>(Member(group, QG_PUNKTE, i));
}
int Get_Flaeche_Kanten_Count(const Querschnittsgruppe* group) { return Member_Count(group, QG_FLAECHE); }
Querschnittskante* Get_Flaeche_Kante(const Querschnittsgruppe* group, int i) {
    return static_cast<Querschnittskante*>(Member(group, QG_FLAECHE, i));
}
bool Is_Flaeche_Outline_Closed(const Querschnittsgruppe* group) {
    const int n = Get_Flaeche_Kanten_Count(group);
    std::vector<const Querschnittsknoten*> ends;
    ends.reserve(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const Querschnittskante* e = Get_Flaeche_Kante(group, i);
        if (!e) return false;
        ends.push_back(e->anf);
        ends.push_back(e->end);
    }
    std::sort(ends.begin(), ends.end());
    for (size_t i = 0; i < ends.size();) {
        size_t j = i;
        while (j < ends.size() && ends[j] == ends[i]) ++j;
        if ((j - i) % 2 != 0) return false;
        i = j;
    }
    return true;
}
int Get_Gruppe_Linien_Count(const Querschnittsgruppe* group) { return Member_Count(group, QG_LINIEN); }
Querschnittsgruppe_Eintrag* Get_Gruppe_Linie(const Querschnittsgruppe* group, int i) {
    return static_cast<Querschnittsgruppe_Eintrag*>(Member(group, QG_LINIEN, i));
}

int Set_Gruppe_Punkt_Flaeche(Querschnittsgruppe_Eintrag* member, double area) {
    if (!member) return 0;
    member->wert = area;
    return 1;
}

int Set_Querschnittskreis_Radius(Querschnittsgruppe* group, double radius) {
    if (!group || group->art != QG_KREIS) return 0;
    group->radius = radius;
    return 1;
}

// ---- The typed lists -----------------------------------------------------

static int List_Add(Querschnitt* q, PtrArr* list, void* element) {
    if (!q || !list || !element) return 0;
    Querschnitt_Element* h = Header(element);
    if (h->intern < 1)
        h->intern = ++q->max_intern;
    else if (h->intern > q->max_intern)
        q->max_intern = h->intern;
    const int n = list->count;
    PtrArr_Set(list, n, element);
    return PtrArr_Get(list, n) == element ? 1 : 0;
}

static int List_Index(const PtrArr* list, const void* element) {
    if (!list || !element) return -1;
    for (int i = 0; i < list->count; ++i)
        if (list->items[i] == element) return i;
    return -1;
}

static void* List_Find(const PtrArr* list, int key, PtrArr_Predicate predicate) {
    if (!list) return nullptr;
    return PtrArr_Find(list, reinterpret_cast<const void*>(static_cast<intptr_t>(key)), predicate,
                       nullptr);
}

#define QS_TYPED_LIST(Type, field, AddName, RemoveName, CountName, IndexName, GetName, FindName, \
                      FindInternName)                                                           \
    int AddName(Querschnitt* section, Type* element) {                                         \
        return section ? List_Add(section, section->field, element) : 0;                       \
    }                                                                                           \
    Type* RemoveName(Querschnitt* section, int i) {                                             \
        return section && section->field                                                        \
                   ? static_cast<Type*>(PtrArr_Remove_At(section->field, i))                    \
                   : nullptr;                                                                   \
    }                                                                                           \
    int CountName(const Querschnitt* section) {                                                 \
        return section && section->field ? PtrArr_Count(section->field) : 0;                    \
    }                                                                                           \
    int IndexName(const Querschnitt* section, const Type* element) {                            \
        return section ? List_Index(section->field, element) : -1;                              \
    }                                                                                           \
    Type* GetName(const Querschnitt* section, int i) {                                          \
        return section && section->field ? static_cast<Type*>(PtrArr_Get(section->field, i))    \
                                         : nullptr;                                             \
    }                                                                                           \
    Type* FindName(const Querschnitt* section, int number) {                                    \
        return section ? static_cast<Type*>(List_Find(section->field, number, Cmp_Element_Nummer)) \
                       : nullptr;                                                               \
    }                                                                                           \
    Type* FindInternName(const Querschnitt* section, int intern) {                              \
        return section ? static_cast<Type*>(                                                    \
                             List_Find(section->field, intern, Cmp_Element_Intern_Nummer))      \
                       : nullptr;                                                               \
    }

QS_TYPED_LIST(Querschnittsknoten, knoten, Add_Querschnittsknoten, Remove_Querschnittsknoten_At,
              Get_Querschnittsknoten_Count, Index_Of_Querschnittsknoten, Get_Querschnittsknoten,
              Find_Querschnittsknoten_Nummer, Find_Querschnittsknoten_Intern)
QS_TYPED_LIST(Querschnittskante, kanten, Add_Querschnittskante, Remove_Querschnittskante_At,
              Get_Querschnittskanten_Count, Index_Of_Querschnittskante, Get_Querschnittskante,
              Find_Querschnittskante_Nummer, Find_Querschnittskante_Intern)
QS_TYPED_LIST(Spannungsdehnungslinie, kurven, Add_Spannungsdehnungslinie,
              Remove_Spannungsdehnungslinie_At, Get_Spannungsdehnungslinien_Count,
              Index_Of_Spannungsdehnungslinie, Get_Spannungsdehnungslinie,
              Find_Spannungsdehnungslinie_Nummer, Find_Spannungsdehnungslinie_Intern)
QS_TYPED_LIST(Querschnittsgruppe, gruppen, Add_Querschnittsgruppe, Remove_Querschnittsgruppe_At,
              Get_Querschnittsgruppen_Count, Index_Of_Querschnittsgruppe, Get_Querschnittsgruppe,
              Find_Querschnittsgruppe_Nummer, Find_Querschnittsgruppe_Intern)
