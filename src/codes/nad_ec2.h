// The EN 1992 block of a national annex parameter set: the nationally
// determined parameters of EN 1992-1-1, -1-2 and -2: the record with its
// recommended values and the German-based set, its "#EC2" text form (layout
// version 18), the check of its selector words, comparison and copy.
#ifndef CODES_NAD_EC2_H
#define CODES_NAD_EC2_H

#include <cstdio>

struct NAD_EC2_Block {
    int variant;
    int version;
    char exposure_class_name[12][5];
    char surface_name[4][11];
    char situation_name[4][21];
    double c_min_dur[12];
    double dc_dur_gamma[12];
    double gamma_c[4];
    double gamma_s[4];
    double gamma_c_bridge[4];
    double gamma_s_bridge[4];
    double gamma_c_sls;
    double gamma_s_sls;
    double dc_dev;
    double dc_dur_st;
    double dc_dur_add;
    double alpha_cc;
    double alpha_ct;
    double alpha_cc_pl;
    double alpha_ct_pl;
    double alpha_lcc;
    double alpha_lct;
    double gamma_cE;
    double as_min_beam;
    double as_min_column;
    double as_vmin_wall;
    double as_min_beam_floor;
    double as_min_column_floor;
    double k1_red, k2_red, k3_red, k4_red, k5_red, k6_red;
    double k_red_extra;
    double c_rd_c;
    double v_min;
    double k1_shear;
    double nu_shear;
    double nu_torsion;
    double c_lrd_c;
    double v_l_min;
    double k_l1;
    double nu_l_shear;
    double nu_l_torsion;
    double cot_theta_min;
    double cot_theta_max;
    double nu1;
    double nu1_l;
    double alpha_cw;
    double k_flange;
    double joint_c[4];
    double joint_mu[4];
    double joint_nu[4];
    double rho_w_min;
    double cot_theta_f_tension;
    double cot_theta_f_compression;
    double k_p;
    double k3_crack;
    double k4_crack;
    double k1_fatigue;
    double gamma_F_fat;
    double K_system[5];
    double k1_bar_spacing;
    double beta1;
    double beta2;
    double theta0_denominator;
    double conductivity_x;
    double k_t_fire;
    double k_m_fire;
    double lambda_lim_x;
    double alpha_cc_bridge;
    double alpha_ct_bridge;
    double c_rd_c_bridge;
    double v_min_bridge;
    double k1_shear_bridge;
    double cot_theta_min_bridge;
    double cot_theta_max_bridge;
    double alpha_cw_bridge;
    double nu1_bridge;
    double k1_fatigue_bridge;
    double k1_stress, k2_stress, k3_stress, k4_stress, k5_stress;
    double as_min_column_bridge;
    double as_min_column_floor_bridge;
    double r_sup_pre;
    double r_sup_post;
    double r_inf_pre;
    double r_inf_post;
    int as_min_beam_mode;
    int as_min_column_mode;
    int as_vmin_wall_mode;
    int k2_mode;
    int k4_mode;
    int v_min_mode;
    int nu_mode;
    int v_l_min_mode;
    int nu_l_mode;
    int nu1_mode;
    int nu1_l_mode;
    int rho_w_min_mode;
    int conductivity_mode;
    int steel_class_fire;
    int hsc_class_fire;
    int lambda_lim_mode;
    int as_min_column_mode_bridge;
    int v_min_mode_bridge;
    int nu1_mode_bridge;
    double spare_value_1;
    double spare_value_2;
    int option_word;
};

// Recommended values of EN 1992 with variant 0 and version 1. Null ignored.
void Default_NAD_EC2(NAD_EC2_Block* b);
// Codes 4 and 21: as Default_NAD_EC2; any other code: the German-based set
// (the stress factors k1..k5 and the four r factors keep what b held).
void Default_NAD_EC2_For_Norm(int norm, NAD_EC2_Block* b);
// The process-wide edition switch of the joint coefficients (initially 1).
void Set_NAD_EC2_Edition(int edition);
int Get_NAD_EC2_Edition();
void Set_NAD_EC2_Variant(NAD_EC2_Block* b, int variant);

// Writes the block text (version 18) at the stream position. The block is
// never modified. 1, or 0 for a null argument or a failed write.
int Write_NAD_EC2(FILE* f, const NAD_EC2_Block* b);
// Recommended values, then a block text of any version over them. At the
// first value that does not convert the reading ends: what was read stays,
// the rest keeps the recommended values and version stays 0. After a full
// read version is the text's and the selector words are checked (not
// repaired). Returns 1 after a full read, 0 when the text broke off (or an
// argument is null).
int Read_NAD_EC2(FILE* f, NAD_EC2_Block* b);
// Counts the selector words outside their range and, with repair, sets them
// to their repair values. A national variant always gets k_t and k_m of
// fire design 1.0. A null block counts 0.
unsigned Check_NAD_EC2_Modes(NAD_EC2_Block* b, int repair);
// 0 equal, 1 different: variant, selector words and option word exactly,
// every factor but the spare values within 0.0001. A block never read
// (version below 1) equals every block; a null pointer differs.
int Compare_NAD_EC2(const NAD_EC2_Block* a, const NAD_EC2_Block* b);
// Copies everything Compare_NAD_EC2 compares, and the labels; the version
// and the spare values of dst stay. Nothing for a null pointer.
void Copy_NAD_EC2(NAD_EC2_Block* dst, const NAD_EC2_Block* src);
// The EN 1992 block of the built-in annex "Deutschland", loaded once per
// process (recommended values when it cannot be read). Null ignored.
void Get_Deutschland_NAD_EC2(NAD_EC2_Block* b);

#endif
