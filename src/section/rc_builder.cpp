// rc_builder: reinforced-concrete section from arrays.
#include "section/rc_builder.h"

#include "base/invariant.h"
#include "section/section_internal.h"
#include "section/section_invariants.h"
#include "section/stress_strain.h"

const Spannungsdehnungslinie* Get_Builtin_Spannungsdehnungslinie(const char* name) {
    return Find_Builtin_Spannungsdehnungslinie(name);
}

// Adds a duplicate of curve (or of the built-in law of that name) to q.
static Spannungsdehnungslinie* Add_Kurve(Querschnitt* q, const Spannungsdehnungslinie* curve,
                                         const char* builtin) {
    if (!curve) curve = Find_Builtin_Spannungsdehnungslinie(builtin);
    Spannungsdehnungslinie* c = Dup_Spannungsdehnungslinie(curve);
    if (!c) return nullptr;
    // A new element of this section: numbered here and held by nobody yet
    // (the given curve may come from another section or the shared table).
    c->header.intern = 0;
    c->header.refcount = 0;
    if (!Add_Spannungsdehnungslinie(q, c)) {
        Free_Spannungsdehnungslinie(c);
        return nullptr;
    }
    return c;
}

static Querschnittsknoten* Add_Knoten(Querschnitt* q, int number, double y, double z) {
    Querschnittsknoten* k = New_Querschnittsknoten(number, y, z);
    if (k && !Add_Querschnittsknoten(q, k)) {
        Free_Querschnittsknoten(k);
        return nullptr;
    }
    return k;
}

static bool Add_Kante(Querschnitt* q, Querschnittsgruppe* area, int number, Querschnittsknoten* a,
                      Querschnittsknoten* b) {
    Querschnittskante* e = New_Querschnittskante(number, a, b, 0.0);
    if (!e) return false;
    if (!Add_Querschnittskante(q, e)) {
        Free_Querschnittskante(e);
        return false;
    }
    return Add_Kante_To_Flaeche(area, e) != 0;
}

static bool Add_Gruppe(Querschnitt* q, Querschnittsgruppe* g) {
    if (!g) return false;
    if (!Add_Querschnittsgruppe(q, g)) {
        Free_Querschnittsgruppe(g);
        return false;
    }
    return true;
}

static bool Build(Querschnitt* q, int n, const double* y, const double* z, int m, const double* by,
                  const double* bz, const double* ba, const Spannungsdehnungslinie* concrete,
                  const Spannungsdehnungslinie* steel) {
    Spannungsdehnungslinie* cc = Add_Kurve(q, concrete, "B25");
    Spannungsdehnungslinie* sc = cc ? Add_Kurve(q, steel, "BSt 500 SA") : nullptr;
    if (!sc) return false;
    if (n > 2) {
        Querschnittsgruppe* area = New_Querschnittsgruppe_Flaeche(1, cc);
        if (!Add_Gruppe(q, area)) return false;
        Querschnittsknoten* first = Add_Knoten(q, 1, y[0], z[0]);
        Querschnittsknoten* prev = first;
        if (!first) return false;
        for (int i = 1; i < n; ++i) {
            Querschnittsknoten* k = Add_Knoten(q, i + 1, y[i], z[i]);
            if (!k || !Add_Kante(q, area, i, prev, k)) return false;
            prev = k;
        }
        if (!Add_Kante(q, area, n, prev, first)) return false;
    }
    for (int j = 1; j <= m; ++j) {
        Querschnittsknoten* k = Add_Knoten(q, j, by[j - 1], bz[j - 1]);
        if (!k) return false;
        Querschnittsgruppe* g = New_Querschnittsgruppe_Punkte(j + 1, sc);
        if (!Add_Gruppe(q, g) || !Add_Punkt_To_Gruppe(g, k, ba[j - 1])) return false;
    }
    return true;
}

Querschnitt* Build_RC_Querschnitt(int number, int n, const double* y, const double* z, int m,
                                  const double* bar_y, const double* bar_z, const double* bar_area,
                                  const Spannungsdehnungslinie* concrete,
                                  const Spannungsdehnungslinie* steel) {
    if (n > 2 && (!y || !z || !concrete)) return nullptr;
    if (m > 0 && (!bar_y || !bar_z || !bar_area || !steel)) return nullptr;
    Querschnitt* q = New_Querschnitt(number, 0);
    if (!q) return nullptr;
    if (!Build(q, n, y, z, m, bar_y, bar_z, bar_area, concrete, steel)) {
        Free_Querschnitt_Erzwungen(q);
        return nullptr;
    }
    WELD_CHECK(Check_Querschnitt_Invariants(q));
    return q;
}
