// work_plates: the plates of the partial-internal-forces method as a
// profile's work record holds them, and the plastic values of such plates
// taken whole, for the report's part resistances and for the check that
// bounds the plates by the section's real outline.
#ifndef MEMBERCHECKS_WORK_PLATES_H
#define MEMBERCHECKS_WORK_PLATES_H

#include "thinwall/section_work.h"

// The plates (cm): reference point (web centre), the centres of top flange,
// web and bottom flange, then b_o, t_o, h_s, t_s, b_u, t_u. Circles keep the
// outer diameter and wall, a solid rectangle its two sides in h_s and t_s.
// Beside them the shear areas the steel rules give (cm², 0 where the plates'
// own count): the web's, the part of it that lies in the flanges, and the
// flanges' together.
struct Work_Plates {
    int kind;
    double y_r, z_r, y[3], z[3], b[3], t[3];  // 0 top flange, 1 web, 2 bottom flange
    double A_v_web, A_v_web_in_flanges, A_v_flanges;
    bool present(int k) const { return b[k] > 0 && t[k] > 0; }
};

// The plates of a filled work record (values from its head); false for
// null values or a record not filled.
bool Read_Work_Plates(const Profil_Model_Descriptor* d, float* values, Work_Plates* w);

// The present plates as rectangles (from, to along the axis, width) across
// z, for M_y, and across y, for M_z: the flanges lie, the web stands. Their
// count, at most 3.
int Work_Plate_Rectangles(const Work_Plates& w, double across_z[3][3], double across_y[3][3]);

// Plastic moment over f of rectangles (from, to along the axis, width),
// about the axis that halves their area.
double Plastic_Modulus(const double (*r)[3], int n);

#endif
