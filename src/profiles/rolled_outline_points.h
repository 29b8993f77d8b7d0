// rolled_outline_points: the stress points of a catalogue record's section
// model held to the record's rolled outline.
//
// A record stands on plates (PROFIL's) or on the profile manager's outline;
// either way the section is the rolled one its dimensions and radii make
// (catalogue_outline.h): rounded toes and corners, flat outer faces. The
// plates' square toes and corners, and a channel's tapered flange on its
// parallel mid-line, put points outside it; a rounded toe holds its extreme
// fibre between the points at its ends. Both roads are held to the one
// outline, so that one record gives one stress check.
//
// The points live in the line-value record of the section engine
// (dwqb_transfer.h); single-threaded, as that record.
#ifndef PROFILES_ROLLED_OUTLINE_POINTS_H
#define PROFILES_ROLLED_OUTLINE_POINTS_H

// How a model built in its builder's frame was placed: moved by (-cy, -cz)
// and turned a quarter when `turned`, then, with a reference, moved by
// (ref[0], ref[1]) and turned by ref[2], as the model itself.
struct Model_Placement {
    double cy, cz;
    bool turned;
    bool reference;
    double ref[3];
};

// Adds a stress point at (y, z) after the others: the normal stress of its
// own place (none where the line it lies on carries none), the shear,
// torsion and warping of the point `like`. False when the record is full.
bool Add_Point_Like(int like, double y, double z);

// Holds the points of the placed model to a rolled outline (a catalogue
// record's, or a shape typed in with its rolled radii): a face point
// outside it moves to the nearest place on it, with the normal stress of
// that place; every outward corner of the outline becomes a point: a square
// corner with its normal stress alone (the shear stress of a free convex
// corner is none), the corners of the polygon of a rounded toe or corner,
// 11.25 degrees apart, with the shear and torsion of the line's point
// nearest to it as well. inside[2 n] are points of the material in the
// builder's frame (the plates' mid-points), which tell how the outline
// stands there. False when the outline makes no polygon or does not fit the
// model (nothing changed).
struct Catalogue_Outline;
bool Fit_Points_To_Rolled_Outline(const Catalogue_Outline& outline, const double* inside, int n,
                                  const Model_Placement& placement);

#endif
