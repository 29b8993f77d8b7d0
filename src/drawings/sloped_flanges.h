// sloped_flanges: the faces of a catalogue profile's sloped flanges for the
// pictures of the profile with its welds, as the record's rolled outline
// has them, so that a picture shows the flanges where the weld check lays
// the welds on them.
#ifndef DRAWINGS_SLOPED_FLANGES_H
#define DRAWINGS_SLOPED_FLANGES_H

#include "profiles/rolled_flange_faces.h"

struct Stahlprofil;

// The faces of the flanges of p (mm, seen from a flange's tip: x towards
// the web, z from its outer face) where p is a catalogue double-T with
// equal flanges, tee or channel whose inner flange faces slope, its
// dimensions those of its record: 1 with *f set. 0 (*f untouched) for
// every other profile, whose pictures show the plates' faces; for a null
// argument as well. Kept from call to call under the record.
int Profile_Sloped_Flange_Faces(const Stahlprofil* p, Rolled_Flange_Faces* f);

// The ten points of such a flange the pictures draw, in the faces' frame,
// from the tip's face to the web's: where the tip's face ends, three points
// of the toe's rounding (at a quarter, half and three quarters of its
// angle), the straight inner face's two ends, three points of the root
// fillet and where the web's face begins; the five points of each rounded
// corner of a flange with parallel faces. Never fails.
enum { SLOPED_FLANGE_PICTURE_POINTS = 10 };
void Sloped_Flange_Picture_Points(const Rolled_Flange_Faces* f, double* x, double* z);

#endif
