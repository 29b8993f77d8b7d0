// plastic_axis: the fully plastic stress distribution of a section under a
// normal force and bending moments, for the compressed fractions alpha that
// the class 1 and 2 limits of the classification table take from it (the
// class 3 limit keeps the elastic stress ratio psi).
//
// The section is a set of quadrilaterals (the plates, or the pieces of its
// thin-walled model) with the elastic stress of the forces at their
// corners, tension positive. The plastic distribution is that of the
// section at its plastic moment resistance under the normal force: stress
// blocks of the yield strength on either side of a straight neutral axis
// that carry the normal force and bending moments in the direction of the
// forces' own (both bending moments together: the axis is placed and
// turned until the blocks' moments point the way the forces' do). It is
// handed on as a linear field whose sign is that of the blocks, so that
// a part's compressed fraction is alpha = c_max / (c_max - c_other) of the
// field at its two ends. Nothing carries over from one call to the next
// but scratch space, kept so that a load case allocates nothing (one caller
// at a time).
#ifndef MEMBERCHECKS_PLASTIC_AXIS_H
#define MEMBERCHECKS_PLASTIC_AXIS_H

// Corners in order round the quadrilateral (a triangle may repeat one),
// with the elastic stresses there (read by the callers, not here).
struct Stress_Quad {
    double y[4], z[4];
    double sigma[4];
};

// The plastic distribution of the quads for the normal force N (tension
// positive; N / f_y is the area of the tension block less that of the
// compression block) and bending moments M (the integrals of sigma y and
// of sigma z about the coordinates' origin, where N acts; only their
// direction counts). plane gets the field g = plane[0] + plane[1] y +
// plane[2] z, positive in the tension block, negative in the compression
// block, its largest magnitude over the corners f_y. Without a moment, or
// with N beyond the plastic normal force of the quads, the section is one
// block: g is the constant f_y with the sign of N. 0 (plane untouched)
// without quads of area, for f_y not positive, or without N and moment;
// else 1. Never fails otherwise.
int Calc_Plastic_Plane(const Stress_Quad* quads, int n, double N, const double M[2], double f_y, double plane[3]);

// The same for the standing thin-walled model and the forces of its last
// evaluation (Calc_Section_Stress_Extremes; their moments from its stresses
// and its second moments): N in kN (tension positive), f_y in kN/cm2; the
// model's lines give a quad per tenth of every line between its two plate
// faces. ends[i] gets the field at the two ends of
// part i (in the order and units of Get_Section_Point: sigma_a, sigma_b in
// N/mm2), for every part below max; a part without ends gets NaN. Returns
// the number of parts written, 0 (ends untouched) where Calc_Plastic_Plane
// finds no distribution.
int Calc_Model_Plastic_Part_Ends(double N, double f_y, double (*ends)[2], int max);

#endif
