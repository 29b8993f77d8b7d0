// plastic_axis: the fully plastic stress distribution of a section under a
// normal force and bending moments, for the compressed fractions alpha that
// the class 1 and 2 limits of the classification table take from it (the
// class 3 limit keeps the elastic stress ratio psi).
//
// The section is a set of polygons: the real outline of a rolled profile
// with its root fillets, toes and sloped flanges, or the plates of a welded
// one, each piece with the yield strength of its own plate. The plastic
// distribution is that of the section at its plastic moment resistance
// under the normal force: stress blocks of each piece's yield strength on
// either side of a straight neutral axis that carry the normal force and
// bending moments in the direction of the forces' own (both bending moments
// together: the axis is placed and turned until the blocks' moments point
// the way the forces' do). It is handed on as a linear field whose sign is
// that of the blocks, so that a part's compressed fraction is alpha = c_max
// / (c_max - c_other) of the field at its two ends.
//
// A part that lies on a principal axis through the centroid (the web of a
// double-T, a tee's stem) is not stressed by the moment about that axis
// (M_z) itself. It takes the worse of two distributions: the section's, in
// the direction of the forces as every other part, and that of N and M_y
// alone (Part_Plastic_Field), under a tension as under a compression: the
// turn of the axis that M_z brings compresses more of a web held in tension
// by N and M_y than those alone do. So M_z never makes its class better
// than it is without M_z, and no part is classed better than the forces'
// own direction gives. (The blocks of M_z held at its value and M_y raised to
// the most the section then takes lay far from that direction, and classed
// stems better than either.)
//
// Nothing carries over from one call to the next but scratch space and the
// last sections' polygons, kept so that a load case allocates nothing (one
// caller at a time).
#ifndef MEMBERCHECKS_PLASTIC_AXIS_H
#define MEMBERCHECKS_PLASTIC_AXIS_H

#include "profiles/catalogue_outline.h"
#include "profiles/stahlprofil.h"
#include "thinwall/section_work.h"

// A closed polygon of material (its first point not repeated): counted
// positive where its corners run counter-clockwise in (y, z) - the sense of
// y z' - y' z - negative where they run the other way (a hole). share: the
// yield strength of its plate over the section's.
struct Plastic_Ring {
    const Outline_Point* points;
    int n;
    double share;
};

// The plastic distribution of the rings for the normal force N (tension
// positive; N / f_y is the weighted area of the tension block less that of
// the compression block) and bending moments M (the integrals of sigma y
// and of sigma z about the coordinates' origin, where N acts; only their
// direction counts). plane gets the field g = plane[0] + plane[1] y +
// plane[2] z, positive in the tension block, negative in the compression
// block, its largest magnitude over the corners f_y. Without a moment, or
// with N beyond the plastic normal force of the rings, the section is one
// block: g is the constant f_y with the sign of N. 0 (plane untouched)
// without rings of area, for f_y not positive, or without N and moment;
// else 1. Never fails otherwise.
int Calc_Plastic_Plane(const Plastic_Ring* rings, int n, double N, const double M[2], double f_y, double plane[3]);

// The distribution of N and the moment along a part on the axis across e
// (the forces as Calc_Plastic_Plane has them, less the moment across the
// part, which does not stress it) into free; all zero where that is none
// (no N and no moment along the part).
void Calc_Part_Free_Plane(const Plastic_Ring* rings, int n, double N, const double M[2], const double e[2],
                          double f_y, double free[3]);

// The field a part of kind `kind` whose ends lie at (y[k], z[k]) takes its
// class 1 and 2 limits from, into g (as Calc_Plastic_Plane's plane): the
// section's distribution under the forces (design), or, for a part on a
// principal axis (free not null: Calc_Part_Free_Plane), the worse of the
// two (Part_More_Severe) whatever the sign of N. There a field within 1e-6
// f_y of zero at both ends (the neutral axis along the part: its stresses
// change sign across its thickness, not along it) is none: all zero.
void Part_Plastic_Field(int kind, const double y[2], const double z[2], const double design[3], const double* free,
                        double f_y, double g[3]);

// Whether the field b gives a part of kind `kind` (CT_OUTSTAND_TIP: its
// first end the free one, CT_OUTSTAND_ROOT, CT_INTERNAL of ct_limits) whose
// ends lie at (y[k], z[k]) smaller class 1 and 2 limits than the field a
// (both as Calc_Plastic_Plane's plane, positive in tension): 1, else 0 (also
// where neither compresses it).
int Part_More_Severe(int kind, const double y[2], const double z[2], const double a[3], const double b[3]);

// Whether a part whose ends lie at (y[k], z[k]) about the centroid lies on
// the axis through it across a principal direction of the second moments J
// = {integral y^2, integral z^2, integral y z} (both ends within 1e-6 size
// of that axis): 1 with that direction in e (a unit vector), else 0 (e
// untouched).
int Part_Axis(const double J[3], const double y[2], const double z[2], double size, double e[2]);

// The outline of a rolled profile: a catalogue profile of a family with a
// polygon outline (double-T, tee, channel, angle, zed, rectangular hollow
// section) from its catalogue record, or one typed in as rolled with its
// root radius; mm. 0 for a welded profile, a section the catalogue does not
// describe, or a null argument.
int Profile_Rolled_Outline(const Stahlprofil* profile, Catalogue_Outline* outline);
// The outline's lengths times factor (mm to the model's cm: 0.1).
void Scale_Outline(Catalogue_Outline* outline, double factor);
// The same for a converted library section (cm): a catalogue profile by the
// name in name_text (a turned one has none), a shape by its dimensions with
// rolled corners from its values.
int Model_Rolled_Outline(const Profil_Model_Descriptor* descriptor, const char* name_text, const float* values,
                         Catalogue_Outline* outline);

// The section whose blocks give alpha: the outline, when given and it fits
// the plates (turned and mirrored into their axes, its centroid on the
// origin and its faces on theirs), in bands where the plates' strengths
// differ, each with the share of the plates that hold most of it; else the
// plates themselves. The rings are the module's, kept until a later call
// asks for other plates (a few sections are kept). Their count; 0 without
// plates.
int Plastic_Section_Rings(const Plastic_Ring* plates, int n, const Catalogue_Outline* outline,
                          const Plastic_Ring** rings);

// The section of the standing thin-walled model (cm, about its centroid):
// the rolled outline (may be null) laid onto the model's lines between
// their faces as they meet, or those plates themselves, each with the share
// of its part (part_share null: all 1; shares entries). As
// Plastic_Section_Rings; 0 without a model.
int Model_Plastic_Rings(const double* part_share, int shares, const Catalogue_Outline* outline,
                        const Plastic_Ring** rings);

// The distribution for the standing thin-walled model and the forces of its
// last evaluation (Calc_Section_Stress_Extremes; their moments from its stresses
// and its second moments): N in kN (tension positive), f_y in kN/cm2 (of a
// part whose share is 1), the section as Model_Plastic_Rings has it. ends[i]
// gets the field at the two ends of part i (in the order and units of
// Get_Section_Point: sigma_a, sigma_b in N/mm2), scaled so that the larger
// of the two is f_y (both 0 where the part has no field), for every part
// below max; a part without ends gets NaN. Returns the number of parts written, 0
// (ends untouched) where no distribution is found.
int Calc_Model_Plastic_Part_Ends(double N, double f_y, double (*ends)[2], int max, const double* part_share = nullptr,
                                 const Catalogue_Outline* outline = nullptr);

#endif
