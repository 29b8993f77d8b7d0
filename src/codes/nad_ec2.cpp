// Recommended values of the EN 1992 block and the set based on the German
// standards.
#include "codes/nad_ec2.h"

#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "codes/nad_file.h"

static int g_edition = 1;

static void set4(double* d, double a, double b, double c, double e) {
    d[0] = a;
    d[1] = b;
    d[2] = c;
    d[3] = e;
}


static void set_labels(NAD_EC2_Block* b) {
    static const char* const exposure[12] = {"---", "X0 ", "XC1", "XC2", "XC3", "XC4",
                                             "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};
    static const char* const surface[4] = {"verzahnt", "rau", "glatt", "sehr glatt"};
    static const char* const situation[4] = {"ständig/veränderlich"_cp, "Ermüdung"_cp, "Erdbeben"_cp,
                                             "außergewöhnlich"_cp};
    for (int i = 0; i < 12; ++i) NAD_Copy_Name(b->exposure_class_name[i], sizeof b->exposure_class_name[i], exposure[i]);
    for (int i = 0; i < 4; ++i) NAD_Copy_Name(b->surface_name[i], sizeof b->surface_name[i], surface[i]);
    for (int i = 0; i < 4; ++i) NAD_Copy_Name(b->situation_name[i], sizeof b->situation_name[i], situation[i]);
}

void Default_NAD_EC2(NAD_EC2_Block* b) {
    if (!b) return;
    std::memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 1;
    set_labels(b);
    static const double c_min[12] = {0, 1.0, 1.5, 2.5, 2.5, 3.0, 3.5, 4.0, 4.5, 3.5, 4.0, 4.5};
    std::memcpy(b->c_min_dur, c_min, sizeof c_min);
    set4(b->gamma_c, 1.5, 1.5, 1.5, 1.2);
    set4(b->gamma_s, 1.15, 1.15, 1.15, 1.0);
    set4(b->gamma_c_bridge, 1.5, 1.5, 1.5, 1.2);
    set4(b->gamma_s_bridge, 1.15, 1.15, 1.15, 1.0);
    b->gamma_c_sls = 1.0;
    b->gamma_s_sls = 1.0;
    b->dc_dev = 1.0;
    b->alpha_cc = 1.0;
    b->alpha_ct = 1.0;
    b->alpha_cc_pl = 0.8;
    b->alpha_ct_pl = 0.8;
    b->alpha_lcc = 0.85;
    b->alpha_lct = 0.85;
    b->gamma_cE = 1.2;
    b->as_min_beam = 0.26;
    b->as_min_column = 0.10;
    b->as_vmin_wall = 0.002;
    b->as_min_beam_floor = 0.0013;
    b->as_min_column_floor = 0.002;
    b->k1_red = 0.44;
    b->k2_red = 1.25;
    b->k3_red = 0.54;
    b->k4_red = 1.25;
    b->k5_red = 0.7;
    b->k6_red = 0.8;
    b->k_red_extra = 0.7;
    b->c_rd_c = 0.18;
    b->v_min = 0.0525;
    b->k1_shear = 0.15;
    b->nu_shear = 0.6;
    b->nu_torsion = 0.6;
    b->c_lrd_c = 0.15;
    b->v_l_min = 0.042;
    b->k_l1 = 0.15;
    b->nu_l_shear = 0.5;
    b->nu_l_torsion = 0.5;
    b->cot_theta_min = 1.0;
    b->cot_theta_max = 2.5;
    b->nu1 = 0.6;
    b->nu1_l = 0.5;
    b->alpha_cw = 1.0;
    b->k_flange = 0.4;
    set4(b->joint_c, 0.5, 0.4, 0.2, 0.05);
    set4(b->joint_mu, 0.9, 0.7, 0.6, 0.5);
    set4(b->joint_nu, 0.6, 0.6, 0.6, 0.6);
    b->rho_w_min = 0.08;
    b->cot_theta_f_tension = 1.0;
    b->cot_theta_f_compression = 1.2;
    b->k_p = 1.5;
    b->k3_crack = 3.4;
    b->k4_crack = 0.425;
    b->k1_fatigue = 0.85;
    b->gamma_F_fat = 1.0;
    static const double K[5] = {1.0, 1.3, 1.5, 1.2, 0.4};
    std::memcpy(b->K_system, K, sizeof K);
    b->k1_bar_spacing = 1.0;
    b->beta1 = 0.15;
    b->beta2 = 0.25;
    b->theta0_denominator = 200;
    b->conductivity_x = 0.5;
    b->k_t_fire = 1.1;
    b->k_m_fire = 0.95;
    b->lambda_lim_x = 10.78;
    b->alpha_cc_bridge = 0.85;
    b->alpha_ct_bridge = 1.0;
    b->c_rd_c_bridge = 0.18;
    b->v_min_bridge = 0.0525;
    b->k1_shear_bridge = 0.15;
    b->cot_theta_min_bridge = 1.0;
    b->cot_theta_max_bridge = 2.5;
    b->alpha_cw_bridge = 1.0;
    b->nu1_bridge = 0.6;
    b->k1_fatigue_bridge = 0.85;
    b->k1_stress = 0.6;
    b->k2_stress = 0.45;
    b->k3_stress = 0.8;
    b->k4_stress = 1.0;
    b->k5_stress = 0.65;
    b->as_min_column_bridge = 0.10;
    b->as_min_column_floor_bridge = 0.002;
    b->r_sup_pre = 1.05;
    b->r_sup_post = 1.10;
    b->r_inf_pre = 0.95;
    b->r_inf_post = 0.90;
    b->as_min_beam_mode = 2;
    b->as_min_column_mode = 2;
    b->as_vmin_wall_mode = 2;
    b->k2_mode = 2;
    b->k4_mode = 2;
    b->v_min_mode = 2;
    b->nu_mode = 2;
    b->v_l_min_mode = 2;
    b->nu_l_mode = 2;
    b->nu1_mode = 2;
    b->nu1_l_mode = 2;
    b->rho_w_min_mode = 2;
    b->conductivity_mode = 1;
    b->steel_class_fire = 0;
    b->hsc_class_fire = 1;
    b->lambda_lim_mode = 2;
    b->as_min_column_mode_bridge = 2;
    b->v_min_mode_bridge = 2;
    b->nu1_mode_bridge = 2;
}

void Default_NAD_EC2_For_Norm(int norm, NAD_EC2_Block* b) {
    if (!b) return;
    if (norm == 4 || norm == 21) {
        Default_NAD_EC2(b);
        return;
    }
    // Start from the recommended values for the fields the German set does
    // not name, but keep the stress factors and the r factors of b.
    const double k_stress[5] = {b->k1_stress, b->k2_stress, b->k3_stress, b->k4_stress, b->k5_stress};
    const double r[4] = {b->r_sup_pre, b->r_sup_post, b->r_inf_pre, b->r_inf_post};
    Default_NAD_EC2(b);
    b->k1_stress = k_stress[0];
    b->k2_stress = k_stress[1];
    b->k3_stress = k_stress[2];
    b->k4_stress = k_stress[3];
    b->k5_stress = k_stress[4];
    b->r_sup_pre = r[0];
    b->r_sup_post = r[1];
    b->r_inf_pre = r[2];
    b->r_inf_post = r[3];

    static const double c_min[12] = {0, 0, 1.0, 2.0, 2.0, 2.5, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0};
    static const double dc_g[12] = {0, 0, 0, 0, 0, 0, 1.0, 0.5, 0, 1.0, 0.5, 0};
    std::memcpy(b->c_min_dur, c_min, sizeof c_min);
    std::memcpy(b->dc_dur_gamma, dc_g, sizeof dc_g);
    set4(b->gamma_c, 1.5, 1.5, 1.5, 1.3);
    set4(b->gamma_c_bridge, 1.5, 1.5, 1.5, 1.3);
    b->dc_dev = 1.5;
    b->alpha_cc = 0.85;
    b->alpha_ct = 1.0;
    b->alpha_cc_pl = 0.85;
    b->alpha_ct_pl = 1.0;
    b->alpha_lcc = 0.75;
    b->alpha_lct = 1.0;
    b->gamma_cE = 1.5;
    b->as_min_beam = 1.0;
    b->as_min_column = 0.15;
    b->as_vmin_wall = 0.0015;
    b->as_min_beam_floor = 0;
    b->as_min_column_floor = 0;
    b->k1_red = 0.64;
    b->k2_red = 0.8;
    b->k3_red = 0.72;
    b->k4_red = 0.8;
    b->k5_red = 0.7;
    b->k6_red = 0.85;
    b->k_red_extra = 0.8;
    b->k2_mode = 1;
    b->k4_mode = 1;
    b->c_rd_c = 0.15;
    b->v_min = 0;
    b->k1_shear = 0.12;
    b->c_lrd_c = 0.15;
    b->v_l_min = 0;
    b->k_l1 = 0.12;
    b->nu_shear = b->nu_torsion = b->nu_l_shear = b->nu_l_torsion = b->nu1 = b->nu1_l = 0.75;
    b->cot_theta_min = 0.5773503;
    b->cot_theta_max = 3.0;
    b->k_flange = 0;
    if (g_edition == 1) {
        set4(b->joint_c, 2.4, 2.0, 1.4, 0);
        set4(b->joint_mu, 1.0, 0.7, 0.6, 0.5);
        set4(b->joint_nu, b->nu_shear, b->nu_shear, b->nu_shear, b->nu_shear);
    } else {
        set4(b->joint_c, 0.5, 0.4, 0.2, 0);
        set4(b->joint_mu, 0.9, 0.7, 0.6, 0.5);
        set4(b->joint_nu, 0.7, 0.5, 0.2, 0);
    }
    b->rho_w_min = 0.16;
    b->k_p = 1.0;
    b->k3_crack = 0;
    b->k4_crack = 1 / 3.6;
    b->k1_fatigue = 1.0;
    b->gamma_F_fat = 1.0;
    static const double K[5] = {1.0, 0.8, 0.6, 0.7, 2.4};
    std::memcpy(b->K_system, K, sizeof K);
    b->beta1 = 0.25;
    b->beta2 = 0.25;
    b->conductivity_x = 0;
    b->k_t_fire = 1.0;
    b->k_m_fire = 1.0;
    b->lambda_lim_x = 16.0;
    b->alpha_cc_bridge = b->alpha_cc;
    b->alpha_ct_bridge = b->alpha_ct;
    b->c_rd_c_bridge = b->c_rd_c;
    b->v_min_bridge = b->v_min;
    b->k1_shear_bridge = b->k1_shear;
    b->cot_theta_min_bridge = b->cot_theta_min;
    b->cot_theta_max_bridge = b->cot_theta_max;
    b->alpha_cw_bridge = b->alpha_cw;
    b->nu1_bridge = b->nu1;
    b->k1_fatigue_bridge = 1.0;
    b->as_min_column_bridge = b->as_min_column;
    b->as_min_column_floor_bridge = b->as_min_column_floor;
    b->v_min_mode_bridge = b->v_min_mode;
    b->nu1_mode_bridge = b->nu1_mode;
    b->as_min_column_mode_bridge = b->as_min_column_mode;
}

void Set_NAD_EC2_Edition(int edition) { g_edition = edition; }
int Get_NAD_EC2_Edition() { return g_edition; }

void Set_NAD_EC2_Variant(NAD_EC2_Block* b, int variant) {
    if (b) b->variant = variant;
}
