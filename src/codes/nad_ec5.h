// The EN 1995 block of a national annex parameter set: partial factors,
// modification and deformation factors, deflection limits and the switches
// of the German national annex options. This module holds the record and
// its recommended values; the "#EC5" text form is read and written
// elsewhere, so a set without a reader keeps these values.
#ifndef CODES_NAD_EC5_H
#define CODES_NAD_EC5_H

struct NAD_EC5_Block {
    int variant;
    int version;  // 17 current
    int use_table_NA1;
    int use_NA11;
    double gamma_M_lvl;
    double gamma_M_particleboard;
    double gamma_M_hardboard;
    double gamma_M_mediumboard;
    double gamma_M_mdf;
    double gamma_M_softboard;
    double gamma_M_connections;
    double gamma_M_punched_plates;
    double gamma_M_steel;
    double gamma_M_gypsum;
    int use_table_NA4;
    int use_table_NA15;
    int threaded_rods_NA;
    int ltb_NA;
    int fasteners_simplified_NA;
    int table_NA1_index_b;
    int flag_fi;
    double gamma_M_solid;
    double gamma_M_glulam;
    double gamma_M_accidental;
    double gamma_M_fi;
    double k_mod[5][3];     // [load-duration class][service class]
    double k_def[3];
    double w_limit[3][2];   // [w_inst, w_fin, w_net,fin][normal, cantilever]
    int kcr_method;
    int wnetfin_combination;
    double kcr_solid;
    double kcr_other;
    int use_NA20;
    int use_NA21;
    int use_NA816;
    int use_NA7;
    double k_shape_factor;
    double k_shape_max;
    double nci_633_factor;
    double gamma_M_clt;
};

// Every field to its recommended value (variant 0, version 17). Null ignored.
void Default_NAD_EC5(NAD_EC5_Block* b);
void Set_NAD_EC5_Variant(NAD_EC5_Block* b, int variant);

#endif
