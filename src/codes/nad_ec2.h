// The EN 1992 block of a national annex parameter set: the nationally
// determined parameters of EN 1992-1-1, -1-2 and -2. This module holds the
// record with its recommended values and the German-based set; the "#EC2"
// text form is read and written elsewhere, so a set without a reader keeps
// these values.
#ifndef CODES_NAD_EC2_H
#define CODES_NAD_EC2_H

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

#endif
