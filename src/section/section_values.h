// section_values: the stiffness-weighted values of a general section (area,
// centroid, second moments, principal axes, w-stiffness), integrated with the
// same kernels as the internal forces, and the section's mean pre-strain
// plane.
#ifndef SECTION_SECTION_VALUES_H
#define SECTION_SECTION_VALUES_H

#include "section/section_model.h"

// A, y_s, z_s, I_y, I_z, I_yz (about the origin), I_1, I_2, alpha, B_w.
enum {
    QW_A = 0, QW_YS = 1, QW_ZS = 2, QW_IY = 3, QW_IZ = 4, QW_IYZ = 5,
    QW_I1 = 6, QW_I2 = 7, QW_ALPHA = 8, QW_BW = 9, QW_ANZAHL = 10
};
struct Querschnittswerte {
    double v[QW_ANZAHL];
};

// Group selection bits and the word that selects every group.
enum : unsigned {
    QW_AUSWAHL_BETON = 0x1,
    QW_AUSWAHL_STAHL_FLAG = 0x2,
    QW_AUSWAHL_STAHL = 0x4,
    QW_AUSWAHL_ANDERE = 0x10000,
    QW_AUSWAHL_ALLE = 0xFFFFFFF,
};

// Stage 1: A and centroid; 2: also second moments and principal axes; 3 or
// more (0 or less: everything): also B_w. 0 for a null out (nothing written)
// or a null section (out cleared); 0 when a group failed (left out of the
// sums); else 1. The section's placement is the same afterwards.
int Calc_Querschnittswerte(Querschnitt* section, unsigned selection, int stage,
                           Querschnittswerte* out);
// Mean pre-strain plane of the selected groups, polar, w = 0: e0 = N / A
// and k = |(M_y, M_z)| / A with N, M_y, M_z the resultants of the curves'
// own pre-strain (each counted once, scaled by the pre-strain factor) and A
// the stiffness of the unit strain without it. 0 for a missing argument or a
// failed group.
int Calc_Eigendehnungsebene(Querschnitt* section, unsigned selection, double* out);

// Whether a group takes part for the selection word (curve and weight set).
int Is_Gruppe_Ausgewaehlt(const Querschnittsgruppe* group, unsigned selection);

#endif
