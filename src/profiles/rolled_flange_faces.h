// rolled_flange_faces: where the straight faces of a rolled flange begin
// and end on the outline of its catalogue record (catalogue_outline.h).
//
// A rolled flange's inner face may slope (thinner at the tip), its toe is
// rounded into the tip's face and its root fillet into the web's; both
// roundings are true circles tangent to both faces. A weld that lies along
// a face lies on the straight part between them: these are its ends, so
// that the weld check, the weld drawings and the partial-penetration
// throats take one flange, the outline's.
//
// Each flange is seen from its tip: x from the tip's face towards the web,
// z from the flange's outer face into it; lengths in the outline's unit.
// Pure functions, no state.
#ifndef PROFILES_ROLLED_FLANGE_FACES_H
#define PROFILES_ROLLED_FLANGE_FACES_H

struct Catalogue_Outline;

struct Rolled_Flange_Faces {
    double slope;           // the inner face's rise per unit of x
    double tip;             // the tip's face runs from z = 0 to here
    double x_toe, z_toe;    // the inner face's straight part begins ...
    double x_root, z_root;  // ... and ends here
    double web;             // the web's face begins at this z
    double outstand;        // x of the web's face
    double r_toe, r_root;   // the radii of the two roundings (0: a sharp corner)
};

// The faces of the flanges of outline (a double-T, tee or channel, its
// flanges alike): 1 with *f set; 0 (*f untouched) for another family, a
// null argument, or dimensions that leave no flange at the tip or no
// straight inner face between the roundings.
int Outline_Flange_Faces(const Catalogue_Outline* outline, Rolled_Flange_Faces* f);

// A point of the toe's rounding (toe 1) or of the root fillet's (toe 0) in
// the faces' frame: fraction 0 at the rounding's end nearer the tip (on the
// tip's face, or on the inner face for the root fillet), 1 at its end
// nearer the web, the angle between in proportion. Never fails; a sharp
// corner gives its corner for every fraction.
void Flange_Rounding_Point(const Rolled_Flange_Faces* f, int toe, double fraction, double* x, double* z);

#endif
