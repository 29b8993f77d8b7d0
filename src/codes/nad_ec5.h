// The EN 1995 block of a national annex parameter set: partial factors,
// modification and deformation factors, deflection limits and the switches
// of the German national annex options: the record, its recommended values,
// its text form (section "#EC5" and the older annex list), comparison and
// copy.
#ifndef CODES_NAD_EC5_H
#define CODES_NAD_EC5_H

#include <cstdio>

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

// Writes the block text (layout 17). The block is never modified. 1, or 0
// for a null argument or a failed write.
int Write_NAD_EC5(FILE* f, const NAD_EC5_Block* b);
// Recommended values, then the text over them. no_search 0: the older list,
// whose part begins after the line " EC5 Parameter" (not found before
// "#NAD": recommended values). At the first value that does not convert the
// reading ends (the rest keeps its recommended values); otherwise options
// that the text's version lacks follow the variant. Returns 1 after a full
// read, 0 when the text broke off or its title was not found (or an argument
// is null).
int Read_NAD_EC5(FILE* f, NAD_EC5_Block* b, int no_search);
// 1 when the blocks differ (exactly), 0 when equal; blocks of version 9 or
// below always compare equal; version, flag_fi and gamma_M_fi are not
// compared. A null pointer differs.
int Compare_NAD_EC5(const NAD_EC5_Block* a, const NAD_EC5_Block* b);
// Copies every field but the version; nothing for a null pointer.
void Copy_NAD_EC5(NAD_EC5_Block* dst, const NAD_EC5_Block* src);
int NAD_EC5_Zero();

#endif
