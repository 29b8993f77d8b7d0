// A typed-in rolled section of each class with values of its own in every
// field its rows show (an H: h 300, t_w 8, top 280 x 13, bottom 200 x 10,
// r 24), for the tests that build connections of every class.
#ifndef TESTS_WELDAPP_TYPED_PROFILE_H
#define TESTS_WELDAPP_TYPED_PROFILE_H

#include <cstdio>

#include "profiles/stahlprofil.h"

namespace testutil {

// p becomes a typed-in rolled profile of class `type` (its material kept).
inline void Set_Typed_Profile(Stahlprofil* p, int type) {
    p->kind = STAHLPROFIL_KIND_DIMENSIONS, p->type = type, p->rolled = 1;
    if (type == PROFILTYP_ROHR || type == PROFILTYP_RECHTECK) p->hot_finished = 1;
    p->b_fo = p->t_fo = p->b_fu = p->t_fu = p->r_1 = p->r_2 = 0;
    switch (type) {
    case PROFILTYP_FLACH: p->h = 200, p->t_w = 20; break;
    case PROFILTYP_RUND: p->h = 60; break;
    case PROFILTYP_ROHR: p->h = 168.3, p->t_w = 8; break;
    case PROFILTYP_L: p->h = 100, p->t_w = 11, p->b_fo = 80, p->t_fo = 9, p->r_1 = 12, p->r_2 = 6; break;
    case PROFILTYP_C:
    case PROFILTYP_U: p->h = 200, p->t_w = 8.5, p->b_fo = 75, p->t_fo = 11.5, p->r_1 = 11, p->r_2 = 5.5; break;
    case PROFILTYP_RECHTECK: p->h = 200, p->b_fo = 100, p->t_fo = 8, p->t_w = 6, p->r_1 = 12, p->r_2 = 8; break;
    case PROFILTYP_T:
    case PROFILTYP_HALB_I: p->h = 150, p->t_w = 9.5, p->b_fo = 150, p->t_fo = 14, p->r_1 = 13; break;
    case PROFILTYP_Z: p->h = 200, p->t_w = 8, p->b_fo = 80, p->t_fo = 11, p->r_1 = 10, p->r_2 = 5; break;
    default: p->h = 300, p->t_w = 8, p->b_fo = 280, p->t_fo = 13, p->b_fu = 200, p->t_fu = 10, p->r_1 = 24; break;
    }
    if (type == PROFILTYP_T) p->r_2 = 7;
    std::snprintf(p->name, sizeof p->name, "%-*s", static_cast<int>(sizeof p->name) - 1, "");
}

}  // namespace testutil

#endif
