// member_print_blocks: report blocks and helper computations beside the
// member design check - corner stresses of a section, the section values,
// material and elastic-check lines, stress ratios and plane stress states.
// They write to Member_Print_Stream (null at start; a caller sets it before
// any print block). Blocks that need the section of the current check take
// it from the section hook (Call_Querschnitt_Hook) as a Member_Hook_Section.
#ifndef MEMBERCHECKS_MEMBER_PRINT_BLOCKS_H
#define MEMBERCHECKS_MEMBER_PRINT_BLOCKS_H

#include <cstdint>
#include <cstdio>

#include "memberchecks/member_settings.h"

struct Nachweisdaten;

extern FILE* Member_Print_Stream;
extern const char* Member_Print_Prefix;   // two blanks

// What the section hook answers: (context, &descriptor, &values, &section).
struct Member_Hook_Section {
    int32_t grade;            // grade handle
    uint32_t options;         // option word of the check
    double dimensions[4];     // first: a plate thickness in cm
    double t_max;             // cm
    double fire_temperature;  // °C, with the fire option
};

// Corner stresses (MN/m²) of the section under N [kN], M_1, M_2 [kNm]; 1, or
// 0 when the descriptor's first word is not 2, 5 or 8 or the model fails.
int Calc_Member_Corner_Stresses(const NachweisNorm* selector, double N, double M_1, double M_2,
                                const Profil_Model_Descriptor* descriptor, const char* name_text, const float* values,
                                double* s_1, double* s_2, double* s_3, double* s_4, int spatial, FILE* vuve,
                                FILE* messages);
int Print_Member_Section_Values(const NachweisNorm* selector, int unused, const Profil_Model_Descriptor* descriptor,
                                const float* values, const char* name_text, int spatial);
int Print_Material_Short(const NachweisNorm* selector, void* context);
// The material line of the hook's section (with the fire line when its
// option word has the fire option), and for the interaction method its case
// and values and the plastic shape factors.
int Print_Material(const NachweisNorm* selector, void* context, int flag);
int Print_Elastic_Check(void* context, const Nachweisdaten* record);
// The heading of the check the record and the hook's section call for (fire
// line, elastic or plastic method, limits of the plastic moments) and the
// buckling lengths.
int Print_Plastic_Check(void* context, const Nachweisdaten* record);
// Stress record: sigma_min, sigma_max, tau, sigma_v and the points of each.
// Results: the four ratios, the largest two, the point of the largest.
int Calc_Stress_Ratios(uint32_t options, const double* limits, const double* stresses, double* results);
// Plane stress state (sigma_a, sigma_b, tau): results 0, 1 principal
// stresses, 2 direction (degrees), 3 von Mises.
int Calc_Plate_Stress_State(const double* input, const double* section, double* results);
// The same with the grade's design strength (plate: grade code, thickness
// cm) in results 4 to 7.
int Calc_Plate_Stress_State_Grade(const double* plate, const double* input, double* results);

#endif
