// plastic_axis: where the plastic neutral axis of a section lies under a
// normal force, for the compressed fractions alpha that the class 1 and 2
// limits of the classification table take from the plastic stress
// distribution (the class 3 limit keeps the elastic stress ratio psi).
//
// The section is a set of quadrilaterals (the plates, or the pieces of its
// thin-walled model) with the elastic stress at their corners, tension
// positive. The plastic distribution keeps the direction of the elastic
// zero line and moves it: every stress gets the same shift delta, and the
// stress blocks sign(sigma + delta) f_y carry the normal force. The parts'
// end stresses plus delta then have their zero where the plastic axis
// crosses them, so the usual alpha = c_max / (c_max - c_other) of those
// shifted values is the plastic alpha. Pure computations, no state.
#ifndef MEMBERCHECKS_PLASTIC_AXIS_H
#define MEMBERCHECKS_PLASTIC_AXIS_H

// Corners in order round the quadrilateral (a triangle may repeat one).
struct Stress_Quad {
    double y[4], z[4];
    double sigma[4];
};

// The shift delta (in the stresses' unit) for which the quads' area in
// tension less their area in compression is area_balance = N / f_y (tension
// positive; beyond the total area the section is wholly in tension or
// compression and delta puts every corner on that side). 0 when there are no
// quads of area or the stresses do not vary over them (N alone: the
// distribution stays uniform and the elastic alpha holds), else 1. Never
// fails otherwise; *delta is written only on success.
int Calc_Plastic_Axis_Shift(const Stress_Quad* quads, int n, double area_balance, double* delta);

// The shift of the standing thin-walled model after the stresses of its last
// evaluation (Calc_Section_Stress_Extremes): N in kN (tension positive), f_y
// in kN/cm2, delta in kN/cm2. The model's lines give a quad per tenth of
// every line between its two plate faces. Same result as above.
int Calc_Model_Plastic_Axis_Shift(double N, double f_y, double* delta);

// The classification table classifies a part by the stresses that act on
// it: the web of an I section by N and M_y, whatever M_z does. The plastic
// axis above is one for the whole section, and a bending moment that leaves
// a part's own stresses as they are (M_z for the web on the z axis) still
// moves it: with M_z added the web of an I lost compressed width and passed
// a class its N and M_y do not give. So a part that one of the two
// principal bending moments does not stress is classified once more under
// the plastic blocks of the forces without that moment; the larger
// utilisation holds, and no moment added to a part can improve its class.
//
// One part's class 1 and 2 utilisations (U[0], U[1]) under its end stresses
// s_a, s_b (N/mm2, tension positive) of a plastic distribution; false when
// they do not compress it.
typedef bool (*Plastic_Part_Utilisation)(void* context, int part, double s_a, double s_b, double U[2]);
// The largest such utilisations of the outstands and of the internal parts
// (and tubes), per class 1 and 2.
struct Own_Stress_Utilisations {
    double outstand[2], internal[2];
};
// forces: the eight of the stress services (Calc_Section_Stress_Extremes)
// that the standing model was evaluated for last; f_y the strength of the
// plastic blocks in kN/cm2. Evaluates the model for the forces without
// each principal moment in turn and puts the stresses of the given forces
// back before it returns. Writes *out (zeros when no part qualifies) and
// returns how often a part was classified again; 0 without a model, without
// a moment to leave out, or for a model that keeps its bending as a
// resultant (round sections).
int Calc_Own_Stress_Utilisations(const double forces[8], double f_y, Plastic_Part_Utilisation part_utilisation,
                                 void* context, Own_Stress_Utilisations* out);

#endif
