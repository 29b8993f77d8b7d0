// Recommended values of the EN 1995 block.
#include "codes/nad_ec5.h"

#include <cstring>

static const double kKmod[5][3] = {
    {0.60, 0.60, 0.50}, {0.70, 0.70, 0.55}, {0.80, 0.80, 0.65}, {0.90, 0.90, 0.70}, {1.10, 1.10, 0.90},
};
static const double kWLimit[3][2] = {{300, 150}, {200, 100}, {300, 150}};

void Default_NAD_EC5(NAD_EC5_Block* b) {
    if (!b) return;
    std::memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 17;
    b->gamma_M_lvl = 1.20;
    b->gamma_M_particleboard = 1.30;
    b->gamma_M_hardboard = 1.30;
    b->gamma_M_mediumboard = 1.30;
    b->gamma_M_mdf = 1.30;
    b->gamma_M_softboard = 1.30;
    b->gamma_M_connections = 1.30;
    b->gamma_M_punched_plates = 1.25;
    b->gamma_M_steel = 1.30;
    b->gamma_M_gypsum = 1.30;
    b->flag_fi = 1;
    b->gamma_M_solid = 1.30;
    b->gamma_M_glulam = 1.30;
    b->gamma_M_accidental = 1.00;
    b->gamma_M_fi = 1.00;
    std::memcpy(b->k_mod, kKmod, sizeof kKmod);
    b->k_def[0] = 0.60;
    b->k_def[1] = 0.80;
    b->k_def[2] = 2.00;
    std::memcpy(b->w_limit, kWLimit, sizeof kWLimit);
    b->kcr_method = 1;
    b->wnetfin_combination = 1;
    b->kcr_solid = 0.67;
    b->kcr_other = 1.00;
    b->k_shape_factor = 0.15;
    b->k_shape_max = 2.00;
    b->nci_633_factor = 1.00;
    b->gamma_M_clt = 1.30;
}

void Set_NAD_EC5_Variant(NAD_EC5_Block* b, int variant) {
    if (b) b->variant = variant;
}
