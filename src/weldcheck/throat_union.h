// The throats of partial-penetration butt welds as the steel holds them:
// each throat is the band of its depth behind the face its weld lies on (a
// convex polygon); where the bands of two faces meet, the steel there is
// counted once, with the throat that comes first; and a band that reaches
// past the part's real outline (a rounded toe, a tube's rounded corner)
// counts only within it.
//
// The integrals are exact for polygons: the plane is cut into vertical
// strips at every corner and crossing, in which every edge is a straight
// piece that crosses no other, so that each piece of a strip between two
// edges lies wholly in or out of each throat and of the outline.
// Pure functions, any consistent unit.
#ifndef WELDCHECK_THROAT_UNION_H
#define WELDCHECK_THROAT_UNION_H

enum { THROAT_CORNERS = 4 };

// A throat: a convex polygon of n corners (3 to THROAT_CORNERS), either
// way round.
struct Throat_Polygon {
    int n;
    double y[THROAT_CORNERS], z[THROAT_CORNERS];
};

// A closed ring of the outline the throats are held to (its first corner
// not repeated): a point lies in the steel where a ray from it crosses the
// rings an odd number of times, so that an outer contour with its holes
// (a tube's bore) is one outline.
struct Throat_Ring {
    const double* y;
    const double* z;
    int n;
};

// The integrals over a throat's share: area, first moments (y, z) and
// second moments (y², z², y z) about the origin.
struct Throat_Sums {
    double A, S_y, S_z, I_yy, I_zz, I_yz;
};

// The share of each of the n throats: the part of throat i that lies in
// the outline (the n_rings rings; none: everywhere) and in none of the
// throats 0 .. i-1. shares[i] for every i; a throat of fewer than 3
// corners, or null throats, gives nothing.
void Throat_Shares(const Throat_Polygon* throats, int n, const Throat_Ring* rings, int n_rings, Throat_Sums* shares);

// The rectangle of a throat a deep behind the face from (y0, z0) to
// (y1, z1), on the side of the unit normal (n_y, n_z).
Throat_Polygon Throat_Behind(double y0, double z0, double y1, double z1, double n_y, double n_z, double a);

#endif
