// The area of the part of a disc (radius R about the origin, a bar of round
// section, say) that lies inside an axis-parallel rectangle, found by
// tracing the boundary of the common region as a closed chain of pieces,
// each a straight chord or an arc of at most a quarter circle.
#ifndef ENDPLATE_CIRCLE_AREA_H
#define ENDPLATE_CIRCLE_AREA_H

enum { KREIS_STUECK_MAX = 16 };  // pieces a chain can hold

// One piece of the boundary, in counter-clockwise order around the region.
struct Kreis_Stueck {
    double y1, z1;   // start point
    double y2, z2;   // end point
    double s;        // arc: (R² - (c/2)²)^1/2 - R with c the chord, 0 for a straight piece
    int arc;         // 1 arc, 0 straight, -1 none
};

// The common area of the disc and the rectangle with the opposite corners
// (y1, z1), (y2, z2) in any order. status (may be null): -1 no common area
// (result 0), also for a radius not above 0 or values that are not finite;
// 1 the disc lies wholly inside (result pi R²); 0 partial.
double Calc_Circle_In_Rectangle_Area(double R, double y1, double z1, double y2, double z2, int *status);

// The chain of the common region into chain (KREIS_STUECK_MAX pieces, the
// last piece written followed by one of arc flag -1):
// -1 when the rectangle lies outside the disc's bounding square, 0 when it
// contains that square, else the number of pieces (0 pieces of a partial
// overlap cannot occur; a rectangle meeting the square but not the disc
// gives -1).
int Build_Circle_Rectangle_Pieces(double R, double y1, double z1, double y2, double z2,
                                  Kreis_Stueck *chain);

// The arc of the first quadrant (y, z >= 0) of the circle that lies inside
// the box [y_lo, y_hi] x [z_lo, z_hi], counter-clockwise, into piece (arc
// flag -1 when there is none). Returns 1 for an arc, else 0. The other
// quadrants are served by calling it with mirrored bounds.
int Build_Quadrant_Pieces(double R, double y_lo, double y_hi, double z_lo, double z_hi,
                          Kreis_Stueck *piece);

// When neither piece is an arc and the end of previous differs from the
// start of list[0], shifts the list (ended by a piece of arc flag -1, with
// room for one more) by one, puts an arc from that end to that start at its
// head and returns 1; else 0.
int Join_Arc_Piece(Kreis_Stueck *previous, Kreis_Stueck *list, double R);

#endif
