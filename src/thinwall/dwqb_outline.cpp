// dwqb_outline: points and pieces of outline segments.
#include "thinwall/dwqb_outline.h"

bool DWQB_Segment_Active(const DWQB_Outline_Segment* segment) {
    return segment && (segment->flags & DWQB_SEG_PRESENT) && !(segment->flags & DWQB_SEG_EMPTY);
}

static double Along(double a, double b, double xi) { return ((b - a) * xi + (b + a)) / 2; }

void Calc_DWQB_Segment_Point(double xi, const DWQB_Outline_Segment* g, double* y, double* z) {
    double py = 0, pz = 0;
    if (!g) {
    } else if (!(g->flags & DWQB_SEG_CURVED)) {
        py = Along(g->y1, g->y2, xi);
        pz = Along(g->z1, g->z2, xi);
    } else if (g->owner) {
        Segment_Point(Along(g->s1, g->s2, xi), Along(g->u1, g->u2, xi), &g->owner->geo, &py, &pz);
    } else {
        DWQB_Segment_Geometrie arc;
        Set_Segment_Geometry(g->y1, g->z1, g->y2, g->z2, g->f, 0, 0, 0.001, &arc);
        Segment_Point(xi, 0, &arc, &py, &pz);
    }
    if (y) *y = py;
    if (z) *z = pz;
}

int Walk_DWQB_Segment_Pieces(const DWQB_Outline_Segment* g, int n, DWQB_Chord_Callback callback, void* user) {
    if (n < 1) n = 1;
    double y0, z0;
    Calc_DWQB_Segment_Point(-1, g, &y0, &z0);
    const bool owned = g->owner != nullptr;
    double p0 = owned ? g->s1 : -1;
    int result = 0;
    for (int k = 1; k <= n; k++) {
        const double xi = -1 + 2.0 * k / n;
        double y, z;
        Calc_DWQB_Segment_Point(xi, g, &y, &z);
        const double p = owned ? Along(g->s1, g->s2, xi) : xi;
        result = callback(y0, z0, y, z, p0, p, user);
        if (!result) return 0;
        y0 = y;
        z0 = z;
        p0 = p;
    }
    return result;
}

int Walk_DWQB_Segment(const DWQB_Outline_Segment* segment, int n, DWQB_Chord_Callback callback, void* user) {
    if (!segment || !callback) return 0;
    return Walk_DWQB_Segment_Pieces(segment, n, callback, user);
}
