// The weld part of a weld group: NahtGruppe starts with the nine fields of
// NahtElement, and the group's file, print and check code hands that part
// to the element functions and takes it back.  Not for other modules.
#ifndef WELDCHECK_WELDGROUP_INTERNAL_H
#define WELDCHECK_WELDGROUP_INTERNAL_H

#include "weldcheck/weldelem.h"

// The weld part of a group as an element.
inline NahtElement Group_Weld(const NahtGruppe* g) {
    NahtElement w;
    w.kind = g->kind;
    w.a = g->a;
    w.e = g->e;
    w.l_w = g->l_w;
    w.angle = g->angle;
    w.d = g->d;
    w.l = g->l;
    w.full_penetration = g->full_penetration;
    w.full_length = g->full_length;
    return w;
}

// Puts an element into the weld part of a group; the rest of the group is
// left alone.
inline void Set_Group_Weld(NahtGruppe* g, const NahtElement* w) {
    g->kind = w->kind;
    g->a = w->a;
    g->e = w->e;
    g->l_w = w->l_w;
    g->angle = w->angle;
    g->d = w->d;
    g->l = w->l;
    g->full_penetration = w->full_penetration;
    g->full_length = w->full_length;
}

#endif
