// member_check: the member design check of one cross-section of the
// section library for one set of internal forces - elastic stresses (with
// the DIN 18800 relaxations El. 747, 749, 750), one plastic method, the c/t
// limits and flexural buckling - under DIN 18800, EN 1993-1-1 or
// EN 1999-1-1 as the selector says.
//
// Forces of Check_Member, in this order and unit: N [kN, tension
// positive], V_1, V_2 [kN], T_t [kNm], M_1, M_2 [kNm], T_w [kNm], B [kNm²],
// about the section's axes 1 and 2. The section model works in kN, kNcm,
// kNcm²: moments and torsions go to it times 100, the bimoment times 10000,
// and its stresses (kN/cm²) come back times 10 in MN/m².
//
// Report lines go to Member_Check_Stream (null: silent; nothing in the
// program sets it).
#ifndef MEMBERCHECKS_MEMBER_CHECK_H
#define MEMBERCHECKS_MEMBER_CHECK_H

#include <cstdint>
#include <cstdio>

#include "memberchecks/member_settings.h"
#include "memberchecks/outline_plastic.h"
#include "thinwall/plo.h"
#include "thinwall/tsv.h"
#include "thinwall/tsv_ex.h"

extern FILE* Member_Check_Stream;
extern const char* Member_Check_Prefix;   // three blanks
// A line of the member check into Member_Check_Stream; nothing while null.
void Member_Check_Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Result flags.
enum : uint32_t {
    MC_STRESSES = 0x100,
    MC_MODEL = 0x700,
    MC_ELASTIC_DONE = 0x800,
    MC_CT_DONE = 0x1000,
    MC_SIGMA_GOV = 0x2000,
    MC_PLASTIC = 0x4000,
    MC_NOT_VERIFIED = 0x8000,
    MC_BUCKLING_1 = 0x10000,
    MC_BUCKLING_2 = 0x20000,
    MC_METHOD_FAILED = 0x11008000,
    MC_MODEL_FAILED = 0x1F008000,
};

// Extreme points: sigma min, sigma max, |sigma|, tau min, tau max, |tau|,
// sigma_v; each y, z (cm, about the centroid), sigma, tau, sigma_v (kN/cm²).
enum { MC_PT_SMIN, MC_PT_SMAX, MC_PT_SABS, MC_PT_TMIN, MC_PT_TMAX, MC_PT_TABS, MC_PT_SV, MC_POINTS };

struct Stabnachweis_Ergebnis {
    uint32_t options;
    uint32_t final_options;
    uint32_t flags;
    int32_t class_slot;         // 2 elastic, 1 elastic-plastic, 0 plastic, -1 no c/t check
    uint32_t selector[2];
    TSV_Ergebnis tsv;
    TSV_EX_Ergebnis tsv_ex;
    double points[MC_POINTS][5];
    // f_y,d, tau_R,d, sigma_v,R,d (kN/cm²), U normal, U shear, U von Mises, U stresses
    double resistance[7];
    PLO_Ergebnis plo;           // the strain iteration's result when it ran
    Outline_Result outline;     // what the section's outline gave, when it took part
    double ct_internal, ct_outstand;
    double U_stresses, U_ct, U_buckling, U_overall;
};

// The inputs of one member check. The value array of a converted section:
// its lead block and the payload (slots 61..64 buckling lengths, 71 and 72
// fire factors): a whole Section_Work_Record, 74 floats.
// Bit of Member_Check_Input::check_flags: a plastic utilisation above 0.999
// counts as fully plastic (class 2 reached, not 1).
enum { MEMBER_CHECK_FULL_PLASTIC_CLASS_2 = 4 };

struct Member_Check_Input {
    const NachweisNorm* selector;
    double N, V_1, V_2, T_t, M_1, M_2, T_w, B;
    const Profil_Model_Descriptor* descriptor;
    const char* name_text;
    const float* values;
    double gamma_M0, gamma_M1;
    int check_flags;  // MEMBER_CHECK_* bits
    int spatial;
    FILE* vuve;
    FILE* messages;
    // The section's real outline, when it has one: it bounds the partial
    // internal forces of sloped flanges and carries the plastic check of a
    // hollow section (OPT_OUTLINE).
    const Plastic_Outline* outline = nullptr;
};

// The values the member check returns besides its flags (MN/m² and kNm as
// the forces above; utilisations plain).
struct Member_Check_Output {
    double sigma_1, sigma_2, tau_max, sigma_v_max, sigma_gov, M_gr;
    double ct_internal, ct_outstand, U_sigma, U_b;
};

// The check of one section for one set of forces: result flags; *output
// (all zero when the input is incomplete) and, when given, *record filled.
uint32_t Check_Member(const Member_Check_Input* input, Member_Check_Output* output, Stabnachweis_Ergebnis* record);
// The named forms below build the input record; a null output address is
// not written.
uint32_t Check_Member_Ext(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t, double M_1,
                          double M_2, double T_w, double B, const Profil_Model_Descriptor* descriptor,
                          const char* name_text, const float* values, double gamma, double* sigma_1,
                          double* sigma_2, double* tau_max, double* sigma_v_max, double* sigma_gov, double* M_gr,
                          double* ct_internal, double* ct_outstand, double* U_sigma, int check_flags, int spatial,
                          FILE* vuve, FILE* messages, Stabnachweis_Ergebnis* record);
uint32_t Check_Member_Without_Record(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t,
                                     double M_1, double M_2, double T_w, double B,
                                     const Profil_Model_Descriptor* descriptor, const char* name_text,
                                     const float* values, double gamma, double* sigma_1, double* sigma_2,
                                     double* tau_max, double* sigma_v_max, double* sigma_gov, double* M_gr,
                                     double* ct_internal, double* ct_outstand, double* U_sigma, int check_flags,
                                     int spatial, FILE* vuve, FILE* messages);
uint32_t Check_Member_Without_Tw(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t,
                                 double M_1, double M_2, double B, const Profil_Model_Descriptor* descriptor,
                                 const char* name_text, const float* values, double gamma, double* sigma_1,
                                 double* sigma_2, double* tau_max, double* sigma_v_max, double* sigma_gov,
                                 double* M_gr, double* ct_internal, double* ct_outstand, double* U_sigma,
                                 int check_flags, int spatial, FILE* vuve, FILE* messages);

// Flexural buckling of the member (compression negative) on the model that
// stands; adds MC_BUCKLING_1/2 to *flags and returns U_b.
struct Member_Buckling_Input {
    double N;
    int spatial;
    double gamma_M1;
    uint32_t grade;        // grade code as the check composed it
    int aluminium;
    int catalogue;         // catalogue record number, 0 for a user section
    int family;
    int turned;
    uint32_t options;
    const float* values;
};
double Calc_Member_Buckling(const Member_Buckling_Input* input, uint32_t* flags);

#endif
