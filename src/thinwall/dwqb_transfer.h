// dwqb_transfer: copies the line results of a computed model into the
// profile catalogue's store of line values: per line and per sample point
// the centre line and the two plate faces with the stress per unit of each
// internal force, and the plate-run data for the c/t classification. The
// store is owned by the profile catalogue (which clears it before every
// build); it lives here because this layer writes it.
#ifndef THINWALL_DWQB_TRANSFER_H
#define THINWALL_DWQB_TRANSFER_H

#include <cstdint>

enum { PROFIL_DWQB_LINES = 100, PROFIL_DWQB_POSITIONS = 33 * PROFIL_DWQB_LINES, PROFIL_DWQB_PLANES = 13 };

// Planes of the per-point store. Position of point k (0 .. 10, at 0.1 k L
// from the start node) of the line at snapshot position i: 33 i + 3 k, then
// + 1 for the face on the positive normal side (-dz, dy) / L, + 2 for the
// other face. Plane 4 is not written.
enum {
    PROFIL_PLANE_Y = 0, PROFIL_PLANE_Z = 1, PROFIL_PLANE_OMEGA = 2, PROFIL_PLANE_T = 3,
    PROFIL_PLANE_N = 5, PROFIL_PLANE_M1 = 6, PROFIL_PLANE_M2 = 7, PROFIL_PLANE_B = 8,
    PROFIL_PLANE_V1 = 9, PROFIL_PLANE_V2 = 10, PROFIL_PLANE_MX = 11, PROFIL_PLANE_MW = 12,
};

struct Profil_DWQB_Linienwerte_Record {
    // Header: principal angle, line count n, 11 n, the count of stress
    // points (33 n, and those the catalogue adds after the lines' own: a
    // sloped flange's root), centroid, shear centre, cos and sin of the
    // principal angle.
    double alpha;
    int32_t n, n11, n33;
    double y_c, z_c, y_m, z_m, cos_a, sin_a;
    double line_values[PROFIL_DWQB_LINES][3];      // cell torsion flow, omega at start and end
    double flows[PROFIL_DWQB_LINES][3][11];        // unit shear flows V_y, V_z, warping flow
    double planes[PROFIL_DWQB_PLANES][PROFIL_DWQB_POSITIONS];
    int32_t support_kind[PROFIL_DWQB_LINES];       // -2 when not transferred
    int32_t end_position[PROFIL_DWQB_LINES][2];
    double ratio[PROFIL_DWQB_LINES];               // c/t of the plate run
    double reduction[PROFIL_DWQB_LINES][2];
    double thickness[PROFIL_DWQB_LINES];           // t of the plate run (its mean), 0 when not transferred
};
extern Profil_DWQB_Linienwerte_Record Profil_DWQB_Linienwerte;

enum { DWQB_TRANSFER_MISSING_LINE = 10, DWQB_TRANSFER_MISSING_KIND = 11 };

// Copies the results of every line of the table snapshot: 0 when done (also
// for an empty list); 10 when a listed line is missing, the model has no
// lines, or the snapshot overflowed (then nothing is copied: a store with
// lines left out would look complete).
int Transfer_DWQB_Line_Results(void);
// Plate-run data of every listed line: 0 when done; 11 as above.
int Transfer_DWQB_Line_Kinds(void);

#endif
