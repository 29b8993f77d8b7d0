// The EN 1992 block of an annex parameter set: recommended values, the set
// based on the German standards, the "#EC2" text form, the check of the
// selector words, comparison and copy.
#include "codes/nad_ec2.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/nad_text.h"

static int g_edition = 1;

// One row of a four-column table of the block (situations, roughness classes).
static void Set_Four_Values(double* d, double a, double b, double c, double e) {
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

// The recommended partial factors and the strength coefficients of the materials.
static void Default_Safety_Factors(NAD_EC2_Block* b) {
    Set_Four_Values(b->gamma_c, 1.5, 1.5, 1.5, 1.2);
    Set_Four_Values(b->gamma_s, 1.15, 1.15, 1.15, 1.0);
    Set_Four_Values(b->gamma_c_bridge, 1.5, 1.5, 1.5, 1.2);
    Set_Four_Values(b->gamma_s_bridge, 1.15, 1.15, 1.15, 1.0);
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
}

// The recommended minimum reinforcement and the reduction factors of the ductility rules.
static void Default_Minimum_Reinforcement(NAD_EC2_Block* b) {
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
}

// The recommended values of shear, torsion, strut angles and joints between concretes.
static void Default_Shear_And_Torsion(NAD_EC2_Block* b) {
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
    Set_Four_Values(b->joint_c, 0.5, 0.4, 0.2, 0.05);
    Set_Four_Values(b->joint_mu, 0.9, 0.7, 0.6, 0.5);
    Set_Four_Values(b->joint_nu, 0.6, 0.6, 0.6, 0.6);
    b->rho_w_min = 0.08;
    b->cot_theta_f_tension = 1.0;
    b->cot_theta_f_compression = 1.2;
}

// The recommended values of cracks, fatigue, deflection limits, bar spacing and fire.
static void Default_Serviceability_And_Fire(NAD_EC2_Block* b) {
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
}

// The recommended bridge values and prestress factors.
static void Default_Bridge_Values(NAD_EC2_Block* b) {
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
}

// Which rule each choice takes by default.
static void Default_Selectors(NAD_EC2_Block* b) {
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

void Default_NAD_EC2(NAD_EC2_Block* b) {
    if (!b) return;
    std::memset(b, 0, sizeof *b);
    b->variant = 0;
    b->version = 1;
    set_labels(b);
    static const double c_min[12] = {0, 1.0, 1.5, 2.5, 2.5, 3.0, 3.5, 4.0, 4.5, 3.5, 4.0, 4.5};
    std::memcpy(b->c_min_dur, c_min, sizeof c_min);
    Default_Safety_Factors(b);
    Default_Minimum_Reinforcement(b);
    Default_Shear_And_Torsion(b);
    Default_Serviceability_And_Fire(b);
    Default_Bridge_Values(b);
    Default_Selectors(b);
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
    Set_Four_Values(b->gamma_c, 1.5, 1.5, 1.5, 1.3);
    Set_Four_Values(b->gamma_c_bridge, 1.5, 1.5, 1.5, 1.3);
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
        Set_Four_Values(b->joint_c, 2.4, 2.0, 1.4, 0);
        Set_Four_Values(b->joint_mu, 1.0, 0.7, 0.6, 0.5);
        Set_Four_Values(b->joint_nu, b->nu_shear, b->nu_shear, b->nu_shear, b->nu_shear);
    } else {
        Set_Four_Values(b->joint_c, 0.5, 0.4, 0.2, 0);
        Set_Four_Values(b->joint_mu, 0.9, 0.7, 0.6, 0.5);
        Set_Four_Values(b->joint_nu, 0.7, 0.5, 0.2, 0);
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

// ---- text form ----

int Write_NAD_EC2(FILE* f, const NAD_EC2_Block* b) {
    if (!f || !b) return 0;
    std::fprintf(f, " %d %d %d %d %d %d %d %d %d %lf %lf %lf %lf %lf\n", b->k2_mode, b->k4_mode,
                 b->as_min_beam_mode, b->v_min_mode, b->nu_mode, b->v_l_min_mode, b->nu_l_mode, b->nu1_mode,
                 b->rho_w_min_mode, b->dc_dev, b->dc_dur_st, b->dc_dur_add, b->gamma_F_fat, b->alpha_ct);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf\n", b->as_min_beam, b->rho_w_min, b->cot_theta_f_tension,
                 b->cot_theta_f_compression, b->k1_red, b->k2_red, b->k3_red, b->k4_red);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->k5_red, b->k6_red, b->nu_torsion, b->c_rd_c,
                 b->v_min, b->k1_shear, b->nu_shear, b->c_lrd_c, b->v_l_min, b->k_l1);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->nu_l_shear, b->cot_theta_min,
                 b->cot_theta_max, b->spare_value_2, b->nu1, b->alpha_cw, b->k_flange, b->k1_fatigue,
                 b->k3_crack, b->k4_crack);
    for (int i = 0; i < 4; ++i) std::fprintf(f, " %lf %lf", b->joint_c[i], b->joint_mu[i]);
    std::fputc('\n', f);
    for (double v : b->c_min_dur) std::fprintf(f, " %lf", v);
    std::fputc('\n', f);
    for (double v : b->dc_dur_gamma) std::fprintf(f, " %lf", v);
    std::fputc('\n', f);
    std::fprintf(f, " %d\n", 18);
    std::fprintf(f, " %d %lf %lf\n", b->nu1_l_mode, b->nu1_l, b->spare_value_1);
    std::fprintf(f, " %d %lf %d %lf\n", b->as_min_column_mode, b->as_min_column, b->as_vmin_wall_mode,
                 b->as_vmin_wall);
    std::fprintf(f, " %d %lf %d\n", b->conductivity_mode, b->conductivity_x, b->steel_class_fire);
    for (double v : b->K_system) std::fprintf(f, " %lf", v);
    std::fputc('\n', f);
    std::fprintf(f, " %lf %lf %lf\n", b->alpha_cc, b->alpha_cc_pl, b->alpha_ct_pl);
    std::fprintf(f, " %lf\n", b->k_p);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf\n", b->beta1, b->nu_l_torsion, b->k1_bar_spacing, b->beta2,
                 b->gamma_c_sls, b->gamma_s_sls, b->as_min_column_floor, b->as_min_beam_floor);
    for (int i = 0; i < 4; ++i) std::fprintf(f, " %lf %lf", b->gamma_c[i], b->gamma_s[i]);
    std::fputc('\n', f);
    std::fprintf(f, " %d %d\n", b->option_word, b->variant);
    for (double v : b->joint_nu) std::fprintf(f, " %lf", v);
    std::fputc('\n', f);
    std::fprintf(f, " %lf %lf\n", b->alpha_lcc, b->alpha_lct);
    std::fprintf(f, " %d %lf\n", b->hsc_class_fire, b->k_t_fire);
    std::fprintf(f, " %lf\n", b->gamma_cE);
    std::fprintf(f, " %lf\n", b->k_m_fire);
    std::fprintf(f, " %d %lf\n", b->lambda_lim_mode, b->lambda_lim_x);
    std::fprintf(f, " %lf\n", b->k_red_extra);
    std::fprintf(f, " %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->alpha_cc_bridge, b->alpha_ct_bridge,
                 b->c_rd_c_bridge, b->v_min_bridge, b->k1_shear_bridge, b->cot_theta_min_bridge,
                 b->cot_theta_max_bridge, b->alpha_cw_bridge, b->nu1_bridge, b->k1_fatigue_bridge,
                 b->as_min_column_bridge, b->as_min_column_floor_bridge);
    std::fprintf(f, " %d %d %d\n", b->as_min_column_mode_bridge, b->v_min_mode_bridge, b->nu1_mode_bridge);
    std::fprintf(f, " %lf  %lf  %lf  %lf %lf\n", b->k1_stress, b->k2_stress, b->k3_stress, b->k4_stress,
                 b->k5_stress);
    for (int i = 0; i < 4; ++i) std::fprintf(f, " %lf %lf", b->gamma_c_bridge[i], b->gamma_s_bridge[i]);
    std::fputc('\n', f);
    std::fprintf(f, " %lf %lf %lf %lf\n", b->r_sup_pre, b->r_inf_pre, b->r_sup_post, b->r_inf_post);
    std::fprintf(f, " %lf\n", b->theta0_denominator);
    return ferror(f) ? 0 : 1;
}

static void read_pairs(NAD_Text_Reader* r, double* a, double* b, int n) {
    for (int i = 0; i < n; ++i) {
        NAD_Read_Double(r, &a[i]);
        NAD_Read_Double(r, &b[i]);
    }
}

// The values every version has (the first four lines, the joints and the
// cover table) and the version number into *v; 0 when a value or the
// version does not convert.
static int read_ec2_base(NAD_Text_Reader& r, FILE* f, NAD_EC2_Block* b, int* v) {
    int* line1_ints[9] = {&b->k2_mode, &b->k4_mode, &b->as_min_beam_mode, &b->v_min_mode, &b->nu_mode,
                          &b->v_l_min_mode, &b->nu_l_mode, &b->nu1_mode, &b->rho_w_min_mode};
    for (int* p : line1_ints) NAD_Read_Int(&r, p);
    double* line1_doubles[5] = {&b->dc_dev, &b->dc_dur_st, &b->dc_dur_add, &b->gamma_F_fat, &b->alpha_ct};
    for (double* p : line1_doubles) NAD_Read_Double(&r, p);
    double* lines2_4[] = {&b->as_min_beam, &b->rho_w_min, &b->cot_theta_f_tension, &b->cot_theta_f_compression,
                          &b->k1_red, &b->k2_red, &b->k3_red, &b->k4_red, &b->k5_red, &b->k6_red,
                          &b->nu_torsion, &b->c_rd_c, &b->v_min, &b->k1_shear, &b->nu_shear, &b->c_lrd_c,
                          &b->v_l_min, &b->k_l1, &b->nu_l_shear, &b->cot_theta_min, &b->cot_theta_max};
    for (double* p : lines2_4) NAD_Read_Double(&r, p);
    // The place of spare_value_2 held other things in version 12; the token
    // is kept until the version tells what it is.
    char kept[64] = "";
    if (r.ok && std::fscanf(f, "%63s", kept) != 1) r.ok = 0;
    double* line4_rest[] = {&b->nu1, &b->alpha_cw, &b->k_flange, &b->k1_fatigue, &b->k3_crack, &b->k4_crack};
    for (double* p : line4_rest) NAD_Read_Double(&r, p);
    read_pairs(&r, b->joint_c, b->joint_mu, 4);
    NAD_Read_Doubles(&r, b->c_min_dur, 12);
    NAD_Read_Doubles(&r, b->dc_dur_gamma, 12);
    if (!NAD_Read_Int(&r, v)) return 0;
    if (*v != 12) {
        double x = 0;
        if (Parse_Double_Word(kept, &x) != 1) return 0;
        b->spare_value_2 = x;
    }
    return 1;
}

// The values versions 1 to 12 added; an older text has its v_min and
// torsion factors brought to the present meaning.
static void read_ec2_versions_1_to_12(NAD_Text_Reader& r, NAD_EC2_Block* b, int v) {
    if (v >= 1) {
        NAD_Read_Int(&r, &b->nu1_l_mode);
        NAD_Read_Double(&r, &b->nu1_l);
        if (v == 12)
            NAD_Skip_Token(&r);
        else
            NAD_Read_Double(&r, &b->spare_value_1);
    }
    if (v >= 2) {
        NAD_Read_Int(&r, &b->as_min_column_mode);
        NAD_Read_Double(&r, &b->as_min_column);
        NAD_Read_Int(&r, &b->as_vmin_wall_mode);
        NAD_Read_Double(&r, &b->as_vmin_wall);
    }
    if (v >= 3) {
        NAD_Read_Int(&r, &b->conductivity_mode);
        NAD_Read_Double(&r, &b->conductivity_x);
        NAD_Read_Int(&r, &b->steel_class_fire);
    }
    if (v >= 4) NAD_Read_Doubles(&r, b->K_system, 5);
    if (v >= 5) {
        NAD_Read_Double(&r, &b->alpha_cc);
        NAD_Read_Double(&r, &b->alpha_cc_pl);
        NAD_Read_Double(&r, &b->alpha_ct_pl);
    }
    if (v >= 6) NAD_Read_Double(&r, &b->k_p);
    if (v >= 7) {
        double* line15[] = {&b->beta1, &b->nu_l_torsion, &b->k1_bar_spacing, &b->beta2};
        for (double* p : line15) NAD_Read_Double(&r, p);
        if (v == 12) {
            NAD_Skip_Token(&r);
            NAD_Skip_Token(&r);
        } else {
            NAD_Read_Double(&r, &b->gamma_c_sls);
            NAD_Read_Double(&r, &b->gamma_s_sls);
        }
        NAD_Read_Double(&r, &b->as_min_column_floor);
        NAD_Read_Double(&r, &b->as_min_beam_floor);
        read_pairs(&r, b->gamma_c, b->gamma_s, 4);
        NAD_Read_Int(&r, &b->option_word);
        NAD_Read_Int(&r, &b->variant);
        NAD_Read_Doubles(&r, b->joint_nu, 4);
        NAD_Read_Double(&r, &b->alpha_lcc);
        NAD_Read_Double(&r, &b->alpha_lct);
    } else if (r.ok) {
        // Older texts store v_min without gamma_c and one nu for shear and
        // torsion.
        b->v_min *= 1.5;
        b->nu_torsion = b->nu_shear;
        b->nu_l_torsion = b->nu_l_shear;
    }
    if (v >= 8) {
        NAD_Read_Int(&r, &b->hsc_class_fire);
        NAD_Read_Double(&r, &b->k_t_fire);
    }
    if (v >= 9) NAD_Read_Double(&r, &b->gamma_cE);
    if (v >= 10) NAD_Read_Double(&r, &b->k_m_fire);
    if (v >= 11) {
        NAD_Read_Int(&r, &b->lambda_lim_mode);
        NAD_Read_Double(&r, &b->lambda_lim_x);
    }
    if (v >= 12) NAD_Read_Double(&r, &b->k_red_extra);
}

// The bridge values of versions 15 to 18, or their defaults for an older
// text (several of them only for a national block).
static void read_ec2_bridge(NAD_Text_Reader& r, NAD_EC2_Block* b, int v) {
    if (v >= 15) {
        double* line25[] = {&b->alpha_cc_bridge,      &b->alpha_ct_bridge,      &b->c_rd_c_bridge,
                            &b->v_min_bridge,         &b->k1_shear_bridge,      &b->cot_theta_min_bridge,
                            &b->cot_theta_max_bridge, &b->alpha_cw_bridge,      &b->nu1_bridge,
                            &b->k1_fatigue_bridge,    &b->as_min_column_bridge, &b->as_min_column_floor_bridge};
        for (double* p : line25) NAD_Read_Double(&r, p);
        NAD_Read_Int(&r, &b->as_min_column_mode_bridge);
        NAD_Read_Int(&r, &b->v_min_mode_bridge);
        NAD_Read_Int(&r, &b->nu1_mode_bridge);
    } else if (b->variant != 0) {
        b->alpha_cc_bridge = 0.85;
        b->alpha_ct_bridge = 1.0;
        b->c_rd_c_bridge = 0.15;
        b->v_min_bridge = 0.0525;
        b->k1_shear_bridge = 0.12;
        b->cot_theta_min_bridge = 1.0;
        b->cot_theta_max_bridge = 1.75;
        b->alpha_cw_bridge = 1.0;
        b->nu1_bridge = 0.75;
        b->k1_fatigue_bridge = 1.0;
        b->as_min_column_bridge = 0.15;
        b->as_min_column_floor_bridge = 0.003;
        b->as_min_column_mode_bridge = 2;
        b->v_min_mode_bridge = 2;
        b->nu1_mode_bridge = 1;
    }
    if (v >= 16) {
        double* line27[] = {&b->k1_stress, &b->k2_stress, &b->k3_stress, &b->k4_stress, &b->k5_stress};
        for (double* p : line27) NAD_Read_Double(&r, p);
    } else if (b->variant != 0) {
        b->k1_stress = 0.6;
        b->k2_stress = 0.45;
        b->k3_stress = 0.8;
        b->k4_stress = 1.0;
        b->k5_stress = 0.65;
    }
    if (v >= 17) {
        read_pairs(&r, b->gamma_c_bridge, b->gamma_s_bridge, 4);
        NAD_Read_Double(&r, &b->r_sup_pre);
        NAD_Read_Double(&r, &b->r_inf_pre);
        NAD_Read_Double(&r, &b->r_sup_post);
        NAD_Read_Double(&r, &b->r_inf_post);
    } else {
        Set_Four_Values(b->gamma_c_bridge, 1.5, 1.5, 1.5, b->variant ? 1.3 : 1.2);
        Set_Four_Values(b->gamma_s_bridge, 1.15, 1.15, 1.15, 1.0);
        if (b->variant) {
            b->r_sup_pre = 1.05;
            b->r_sup_post = 1.10;
            b->r_inf_pre = 0.95;
            b->r_inf_post = 0.90;
        } else {
            b->r_sup_pre = b->r_sup_post = b->r_inf_pre = 1.0;
        }
    }
    if (v >= 18) NAD_Read_Double(&r, &b->theta0_denominator);
}

// Reads a block text of any version 0..18; returns 0 at the first value that
// does not convert (the block then holds what was read so far over the
// recommended values, with version 0).
static int read_ec2_text(FILE* f, NAD_EC2_Block* b) {
    NAD_Text_Reader r{f, 1};
    int v = 0;
    if (!read_ec2_base(r, f, b, &v)) return 0;
    read_ec2_versions_1_to_12(r, b, v);
    if (!r.ok) return 0;
    if (v <= 13) b->gamma_c_sls = b->gamma_s_sls = 1.0;
    read_ec2_bridge(r, b, v);
    if (!r.ok) return 0;
    b->version = v;
    return 1;
}

int Read_NAD_EC2(FILE* f, NAD_EC2_Block* b) {
    if (!f || !b) return 0;
    Default_NAD_EC2(b);
    b->version = 0;
    const int read = read_ec2_text(f, b);
    // A national block takes k_t and k_m of 1.0 also when its text broke
    // off: a save writes such a block whole, and the whole text read back
    // sets them, so a second save would change what the first one wrote.
    // With repair off nothing else of the block changes.
    (void)Check_NAD_EC2_Modes(b, 0);
    if (!read) {
        if (NAD_Verbose()) std::printf(" EC2:              (failed)");
        return 0;
    }
    if (NAD_Verbose()) std::printf(" EC2: version=%2d  (ok)\n", b->version);
    return 1;
}

// Every selector word with its valid range and repair value.
struct Mode_Rule {
    int NAD_EC2_Block::*word;
    int low, high, repair;
};
static const Mode_Rule kModeRules[] = {
    {&NAD_EC2_Block::k2_mode, 1, 2, 2},
    {&NAD_EC2_Block::k4_mode, 1, 2, 2},
    {&NAD_EC2_Block::as_min_beam_mode, 1, 2, 2},
    {&NAD_EC2_Block::as_min_column_mode, 1, 2, 2},
    {&NAD_EC2_Block::as_min_column_mode_bridge, 1, 2, 2},
    {&NAD_EC2_Block::as_vmin_wall_mode, 1, 2, 2},
    {&NAD_EC2_Block::v_min_mode, 1, 2, 2},
    {&NAD_EC2_Block::v_min_mode_bridge, 1, 2, 2},
    {&NAD_EC2_Block::nu_mode, 1, 2, 2},
    {&NAD_EC2_Block::v_l_min_mode, 1, 2, 2},
    {&NAD_EC2_Block::nu_l_mode, 1, 2, 2},
    {&NAD_EC2_Block::nu1_mode_bridge, 1, 2, 2},
    {&NAD_EC2_Block::nu1_mode, 1, 2, 2},
    {&NAD_EC2_Block::nu1_l_mode, 1, 2, 2},
    {&NAD_EC2_Block::rho_w_min_mode, 1, 2, 2},
    {&NAD_EC2_Block::lambda_lim_mode, 1, 2, 2},
    {&NAD_EC2_Block::steel_class_fire, 0, 1, 0},
    {&NAD_EC2_Block::option_word, 0, 2, 1},
    {&NAD_EC2_Block::hsc_class_fire, 1, 3, 1},
};

unsigned Check_NAD_EC2_Modes(NAD_EC2_Block* b, int repair) {
    if (!b) return 0;
    if (b->variant != 0) b->k_t_fire = b->k_m_fire = 1.0;
    unsigned count = 0;
    for (const Mode_Rule& m : kModeRules) {
        int& w = b->*m.word;
        if (w < m.low || w > m.high) {
            ++count;
            if (repair) w = m.repair;
        }
    }
    return count;
}

// The ints and doubles that compare and copy take: every field but the
// labels, the version and the two spare values.
template <class Fn>
static void each_value(const NAD_EC2_Block* a, NAD_EC2_Block* b, Fn& fn) {
    for (const Mode_Rule& m : kModeRules) fn.i(a->*m.word, b->*m.word);
    fn.i(a->variant, b->variant);
    fn.i(a->conductivity_mode, b->conductivity_mode);
    // The doubles lie between c_min_dur and r_inf_post, then none until the
    // spare values; walk them as the fields they are.
    double NAD_EC2_Block::*const single[] = {
        &NAD_EC2_Block::gamma_c_sls, &NAD_EC2_Block::gamma_s_sls, &NAD_EC2_Block::dc_dev,
        &NAD_EC2_Block::dc_dur_st, &NAD_EC2_Block::dc_dur_add, &NAD_EC2_Block::alpha_cc,
        &NAD_EC2_Block::alpha_ct, &NAD_EC2_Block::alpha_cc_pl, &NAD_EC2_Block::alpha_ct_pl,
        &NAD_EC2_Block::alpha_lcc, &NAD_EC2_Block::alpha_lct, &NAD_EC2_Block::gamma_cE,
        &NAD_EC2_Block::as_min_beam, &NAD_EC2_Block::as_min_column, &NAD_EC2_Block::as_vmin_wall,
        &NAD_EC2_Block::as_min_beam_floor, &NAD_EC2_Block::as_min_column_floor, &NAD_EC2_Block::k1_red,
        &NAD_EC2_Block::k2_red, &NAD_EC2_Block::k3_red, &NAD_EC2_Block::k4_red, &NAD_EC2_Block::k5_red,
        &NAD_EC2_Block::k6_red, &NAD_EC2_Block::k_red_extra, &NAD_EC2_Block::c_rd_c, &NAD_EC2_Block::v_min,
        &NAD_EC2_Block::k1_shear, &NAD_EC2_Block::nu_shear, &NAD_EC2_Block::nu_torsion,
        &NAD_EC2_Block::c_lrd_c, &NAD_EC2_Block::v_l_min, &NAD_EC2_Block::k_l1, &NAD_EC2_Block::nu_l_shear,
        &NAD_EC2_Block::nu_l_torsion, &NAD_EC2_Block::cot_theta_min, &NAD_EC2_Block::cot_theta_max,
        &NAD_EC2_Block::nu1, &NAD_EC2_Block::nu1_l, &NAD_EC2_Block::alpha_cw, &NAD_EC2_Block::k_flange,
        &NAD_EC2_Block::rho_w_min, &NAD_EC2_Block::cot_theta_f_tension,
        &NAD_EC2_Block::cot_theta_f_compression, &NAD_EC2_Block::k_p, &NAD_EC2_Block::k3_crack,
        &NAD_EC2_Block::k4_crack, &NAD_EC2_Block::k1_fatigue, &NAD_EC2_Block::gamma_F_fat,
        &NAD_EC2_Block::k1_bar_spacing, &NAD_EC2_Block::beta1, &NAD_EC2_Block::beta2,
        &NAD_EC2_Block::theta0_denominator, &NAD_EC2_Block::conductivity_x, &NAD_EC2_Block::k_t_fire,
        &NAD_EC2_Block::k_m_fire, &NAD_EC2_Block::lambda_lim_x, &NAD_EC2_Block::alpha_cc_bridge,
        &NAD_EC2_Block::alpha_ct_bridge, &NAD_EC2_Block::c_rd_c_bridge, &NAD_EC2_Block::v_min_bridge,
        &NAD_EC2_Block::k1_shear_bridge, &NAD_EC2_Block::cot_theta_min_bridge,
        &NAD_EC2_Block::cot_theta_max_bridge, &NAD_EC2_Block::alpha_cw_bridge, &NAD_EC2_Block::nu1_bridge,
        &NAD_EC2_Block::k1_fatigue_bridge, &NAD_EC2_Block::k1_stress, &NAD_EC2_Block::k2_stress,
        &NAD_EC2_Block::k3_stress, &NAD_EC2_Block::k4_stress, &NAD_EC2_Block::k5_stress,
        &NAD_EC2_Block::as_min_column_bridge, &NAD_EC2_Block::as_min_column_floor_bridge,
        &NAD_EC2_Block::r_sup_pre, &NAD_EC2_Block::r_sup_post, &NAD_EC2_Block::r_inf_pre,
        &NAD_EC2_Block::r_inf_post};
    for (auto m : single) fn.d(a->*m, b->*m);
    for (int i = 0; i < 12; ++i) fn.d(a->c_min_dur[i], b->c_min_dur[i]);
    for (int i = 0; i < 12; ++i) fn.d(a->dc_dur_gamma[i], b->dc_dur_gamma[i]);
    for (int i = 0; i < 4; ++i) {
        fn.d(a->gamma_c[i], b->gamma_c[i]);
        fn.d(a->gamma_s[i], b->gamma_s[i]);
        fn.d(a->gamma_c_bridge[i], b->gamma_c_bridge[i]);
        fn.d(a->gamma_s_bridge[i], b->gamma_s_bridge[i]);
        fn.d(a->joint_c[i], b->joint_c[i]);
        fn.d(a->joint_mu[i], b->joint_mu[i]);
        fn.d(a->joint_nu[i], b->joint_nu[i]);
    }
    for (int i = 0; i < 5; ++i) fn.d(a->K_system[i], b->K_system[i]);
}

int Compare_NAD_EC2(const NAD_EC2_Block* a, const NAD_EC2_Block* b) {
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    struct {
        int differ = 0;
        void i(int x, int y) { differ |= x != y; }
        void d(double x, double y) { differ |= std::fabs(x - y) > 0.0001; }
    } cmp;
    each_value(a, const_cast<NAD_EC2_Block*>(b), cmp);
    return cmp.differ;
}

void Copy_NAD_EC2(NAD_EC2_Block* dst, const NAD_EC2_Block* src) {
    if (!dst || !src) return;
    struct {
        void i(int x, int& y) { y = x; }
        void d(double x, double& y) { y = x; }
    } copy;
    each_value(src, dst, copy);
    std::memcpy(dst->exposure_class_name, src->exposure_class_name, sizeof dst->exposure_class_name);
    std::memcpy(dst->surface_name, src->surface_name, sizeof dst->surface_name);
    std::memcpy(dst->situation_name, src->situation_name, sizeof dst->situation_name);
}

void Get_Deutschland_NAD_EC2(NAD_EC2_Block* b) {
    static NAD_Record deutschland;
    static int done = 0;
    if (!b) return;
    if (!done) {
        Default_NAD_EC2(&deutschland.ec2);
        Load_NAD(0, "Deutschland", &deutschland);
        done = 1;
    }
    Copy_NAD_EC2(b, &deutschland.ec2);
}
