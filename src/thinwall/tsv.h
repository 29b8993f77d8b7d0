// tsv: the plastic cross-section check by partial internal forces for
// sections of at most three plates (top flange, bottom flange, web), and the
// same check in closed form for circular tubes, round bars and solid
// rectangles.
//
// Forces are eight doubles N, V_y, V_z, M_xp (St. Venant torsion), M_y, M_z,
// M_xs (warping torsion), M_omega (bimoment) about the centroid and the
// principal axes of the current thin-walled model; V, M_xs and M_omega refer
// to the shear centre. Units are the caller's (here kN, cm, kN/cm2, kNcm).
// The yield record holds two strengths; the design value, the second, is
// the one used.
//
// A failed evaluation leaves the overall U at 0: callers must test the flag
// TSV_FILLED before reading U.
#ifndef THINWALL_TSV_H
#define THINWALL_TSV_H

#include <cstdint>
#include <cstdio>

#include "thinwall/section_work.h"

enum {
    TSV_KIND_CIRCLE = 1,
    TSV_KIND_ONE_FLANGE = 2,
    TSV_KIND_TWO_FLANGES = 3,
    TSV_KIND_ROUND_BAR = 14,
    TSV_KIND_RECTANGLE = 15,
};

struct TSV_Querschnitt {
    int32_t number;            // 20 bits used
    int32_t kind;              // TSV_KIND_*
    double alpha;              // principal-axis angle of the model, radians
    double y_s, z_s;           // centroid
    double y_M, z_M;           // shear centre
    double y_r, z_r;           // reference point (the web centre)
    double y_o, z_o, b_o, t_o; // top flange: centre, width, thickness
    double y_u, z_u, b_u, t_u; // bottom flange
    double y_w, z_w, h_s, t_s; // web: centre, height, thickness; circles:
                               // outer diameter and wall; rectangle: the sides
    // Shear areas of the steel rules where they differ from the plates' own
    // (0: the plates' own areas): the web's for a shear force along it, the
    // part of that area which lies in the flanges (their strength falls with
    // the web's shear), and the flanges' together for a shear force along
    // them (taken only where smaller than the plates').
    double A_v_s, A_v_sf, A_v_f;
};

enum : uint32_t {
    TSV_SHEAR_PASSED = 0x1,
    TSV_FLANGE_PASSED = 0x2,
    TSV_NORMAL_PASSED = 0x4,
    TSV_MOMENT_PASSED = 0x8,
    TSV_ALL_PASSED = 0xF,
    TSV_PARTIAL_FORCES = 0x10,
    TSV_RECTANGLE = 0x80000,
    TSV_TOP_FLANGE = 0x100000,
    TSV_BOTTOM_FLANGE = 0x200000,
    TSV_WEB = 0x400000,
    TSV_CIRCLE = 0x800000,
    TSV_FILLED = 0x1000000,    // U holds the overall utilisation
};

struct TSV_Ergebnis {
    uint32_t flags;
    double V_o, V_u, V_s;
    double M_xp_o, M_xp_u, M_xp_s;
    double M_Sa_o, M_Sa_u;
    double N, M_y_r, M_y_s;
    double N_o_min, N_o_max, N_u_min, N_u_max, N_s_min, N_s_max, N_min, N_max;
    double M_min, M_max, M_s_min, M_s_max;
    double f_y, tau_R;
    double rho_o, rho_u, rho_s;    // rho_s starts at -1 like the utilisations
    double U_tau, U_tau_o, U_tau_u, U_tau_s;
    double U_MS, U_MS_o, U_MS_u;
    double U_N, U_My;
    double U;
};

// One evaluation. 0 without a result record (error flag 1); else 1. The
// error flag (may be null) gets 1 when the yield or section record is
// missing or a stage failed, 0 when the evaluation completed. The result
// holds what was computed up to a failing stage; its flags tell how far.
int Eval_TSV(const double* forces, const double* yield, const TSV_Querschnitt* section, TSV_Ergebnis* result,
             int* error);

struct TSV_Residual_Context {
    TSV_Ergebnis* result;
    const double* forces;      // unscaled
    const double* yield;
    const TSV_Querschnitt* section;
    double target;
};
// U(lambda F) - target; 10.0 with the error flag 1 when no U can be had.
double Eval_TSV_Residual(void* context, int* error, double lambda);

// Evaluation with the load-factor search. 0 without a result record (nothing
// touched), else 1; the flags tell what was computed.
int Calc_TSV(const double* forces, const double* yield, const TSV_Querschnitt* section, TSV_Ergebnis* result);

// Builds the section record from the work record (kind and number from its
// code word, plates from its payload) and the current model's section values,
// and returns Calc_TSV's result. 0 for a missing work record or result.
int Prepare_TSV_Querschnitt(const double* forces, const double* yield, const Profil_Model_Descriptor* profile,
                            NachweisDatenKopf* work, const char* name, TSV_Ergebnis* result);

// The report lines of a result; a null prefix is the empty text. 0 for a
// null stream or result, else 1.
int Print_TSV_Result(FILE* stream, int unused, const char* prefix, const TSV_Ergebnis* result);

// ---- plate description of a profile -------------------------------------

enum { TSV_OPT_ALTERNATIVE = 0x1, TSV_OPT_REFINED_I = 0x2 };

// Services of the profile catalogue the description needs; the catalogue
// installs them. Without them no catalogue profile can be described and no
// model can be built (the shape factors then stay 0).
struct TSV_Profil_Services {
    int (*family)(const char* name);                           // family code of a catalogue name
    int (*values)(const char* name, float* values, char* code);  // catalogue values, their record number
    // builds and computes the model of the section as the current one; > 0 failure
    int (*build_model)(const Profil_Model_Descriptor* profile, const char* name, NachweisDatenKopf* work);
};
const TSV_Profil_Services* Set_TSV_Profil_Services(const TSV_Profil_Services* services);

// Describes the profile as plates in its work record and computes its
// plastic shape factors with the method itself. name is the name text of
// the converted section: the orientation character ("-" turned, else a
// blank), three blanks, the catalogue name. 2 when it cannot be
// described, else 3 (also when the model or the factors could not be had).
int Setup_TSV_Profil(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work, const char* name,
                     int options);
// 2 when the work record, the name or the profile record is missing, else
// Setup_TSV_Profil.
int Setup_TSV_Profil_Opt(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work,
                         const char* name, int options);
int Check_TSV_Default(int number, const Profil_Model_Descriptor* profile, NachweisDatenKopf* work, const char* name);
// 1 when the profile's family or type is one the description knows, else 0.
// The answer goes by family and option only; it may differ from the set-up
// for parametric T (type 2, accepted by the set-up with option 0x1 too) and
// Z shapes (type 6, refused by the set-up with option 0x1).
int Is_TSV_Applicable(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name,
                      int options);
int Is_TSV_Applicable_Default(const Profil_Model_Descriptor* profile, const NachweisDatenKopf* work, const char* name);

#endif
