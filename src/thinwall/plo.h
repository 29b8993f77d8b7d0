// plo: records of the plastic load factor of line models: the per-line
// record of unit-case resultants (DWQB_PLO_Linie) and the line entry of the
// TSG table that Transform_Forces fills from it.
#ifndef THINWALL_PLO_H
#define THINWALL_PLO_H

#include <cstdint>

struct DWQB_PLO_Unterliste;

// One line (or one piece of an arc line): 21 eight-byte fields.
struct DWQB_PLO_Linie {
    int32_t number;
    int32_t kind;
    double y, z;                 // point of the record (centroid of the line area)
    double angle;                // direction of the line
    double vy_y, vz_y;           // unit cases V_y = 1, V_z = 1: y resultants
    double vy_z, vz_z;           // the same, z resultants
    double w_y, w_z;             // unit case 3 (warping torsion): y and z resultants
    double torsion_share;        // share of the section's St. Venant torsion
    double c_y, c_z;             // unit case 4 (circulatory flow): y and z resultants
    double area;                 // weight of the correction
    double inv_area_y, inv_area_z;
    double torsion_factor;       // 4 / (t (2A - t^2))
    double warping;              // warping value about the shear centre
    double t_mean;
    double length;
    DWQB_PLO_Unterliste* pieces; // sub-records of an arc line, null for straight lines
};

// Line entry of the TSG table (72 bytes).
struct TSG_Eintrag {
    int32_t number;
    int32_t cleared;
    double y, z, angle;
    double vy_share, vz_share, torsion_share;
    double tau;                  // largest shear stress
    double u;                    // sqrt 3 tau / f, 0 when f is 0
};

// Fills the entry from the line record for the eight forces (N, V_y, V_z,
// M_xp, M_y, M_z, M_xs, M_omega) and strength f. 0 when an argument is null
// (the entry untouched), else 1.
int Transform_Forces(const double* forces, const DWQB_PLO_Linie* line, double f, TSG_Eintrag* out);

#endif
