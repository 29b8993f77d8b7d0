// ct_limits: limiting width-to-thickness ratios (c/t) of plate parts for the
// cross-section classes 1, 2 and 3, per part and for a whole section. Three
// rule sets, chosen by the low 16 bits of the code: 0 the older German steel
// rules (epsilon from 240), 1 the Eurocode steel rules with the buckling
// factors k_sigma of the plate-buckling part (epsilon from 235), 2 aluminium
// (epsilon from 250, the beta limits of its class table); any other code
// follows rule set 1. Stresses and strengths in N/mm2, tension positive.
#ifndef THINWALL_CT_LIMITS_H
#define THINWALL_CT_LIMITS_H

#include <cstdint>

enum {
    CT_RULES_DIN = 0,
    CT_RULES_EN = 1,
    CT_RULES_ALUMINIUM = 2,
};

enum : int32_t {
    CT_NO_CHECK = -2,
    CT_TUBE = -1,
    CT_OUTSTAND_TIP = 0,      // first stress at the free edge
    CT_OUTSTAND_ROOT = 1,     // first stress at the supported edge
    CT_INTERNAL = 2,
};

enum : int32_t {
    CT_RAISED_EPS3 = 0x1,     // class 3 with the stress below the reference stress
    CT_FULLY_COMPRESSED = 0x2,
    CT_EPS_FACTOR = 0x4,
    CT_PLASTIC_ENDS = 0x8,    // class 1 and 2 limits from the plastic distribution (a part: its stresses are the
                              // blocks', whose compressed fraction is taken however small)
    CT_ALU_CLASS_B = 0x1000,
    CT_ALU_WELDED = 0x2000,
};

struct Ct_Grenzwert_Eingabe {
    int32_t code;
    int32_t flags;            // CT_* flag bits
    int32_t kind;             // CT_NO_CHECK .. CT_INTERNAL
    double f_y;               // <= 0: no epsilon from the strength
    double E;                 // <= 0: no correction
    double sigma_ref;         // <= 0: none
    double sigma_1, sigma_2;  // stresses at the two edges
    double unused;
    double eps_factor;        // read with CT_EPS_FACTOR
};

struct Ct_Grenzwerte {
    double eps, eps_3;        // epsilon, and that of the class 3 limit
    double alpha, psi;        // compressed share, stress ratio
    double k_sigma;
    double ct[3];             // limits of classes 1, 2, 3 (0: none)
};

struct Ct_Klassifizierung {
    int32_t code;
    int32_t flags;
    double f_y, E, sigma_ref, eps_factor;
    const void* model;        // profile model whose c/t parts count; null: the current one
    // Per part (part_count entries, in the order of the part services; null:
    // none): the yield strength of the part's own thickness (0: f_y; the
    // reference stress then in proportion), and with CT_PLASTIC_ENDS (steel
    // rules) the part's end stresses (N/mm2, tension positive, in the order
    // of the services' sigma_1, sigma_2) in the plastic stress distribution.
    int32_t part_count;
    const double* part_f_y;
    const double (*plastic_ends)[2];
};

struct Ct_Ausnutzung {
    double outstand[3];       // largest utilisation per class over the outstands
    double internal[3];       // over the internal parts and tubes
    double overall[3];        // over all parts
    double unused[2];
    double raised_squared;    // largest squared class 3 utilisation held only by the raised epsilon
    double eps[3];            // epsilon (class 3: epsilon_3) of the part that gave the overall value
};

// 0 for a missing input (the output, when given, holds its initial values:
// 1 for epsilon, epsilon_3, alpha, psi, 0 for k_sigma and the limits), else 1.
int Calc_Ct_Grenzwerte(const Ct_Grenzwert_Eingabe* input, Ct_Grenzwerte* output);

// The c/t parts of a profile model, as the profile catalogue keeps them; it
// installs these services. Without them a section has no parts.
struct Ct_Part_Services {
    int (*count)(const void* model);
    double (*ct)(const void* model, int index);
    // the part's kind (CT_*) and its end stresses in N/mm2
    int (*point)(const void* model, int index, double* factor, double* sigma_1, double* sigma_2);
    // An angle's two leg ratios (each leg's outer width over its thickness,
    // h/t and b/t) with the section's axial stress N/A, its smallest (most
    // compressive) and its largest stress, N/mm2; 0 when the section is no
    // angle. May be null: then no section is an angle.
    int (*angle)(const void* model, double legs[2], double* sigma_axial, double* sigma_min, double* sigma_max);
};
const Ct_Part_Services* Set_Ct_Part_Services(const Ct_Part_Services* services);

// The angle rule of the steel class table for an angle in compression:
// condition 1, the larger leg ratio max(h/t, b/t), against 15 eps and
// condition 2, their mean (b + h)/2t, against 11.5 eps. They are class 3
// limits; as a class 1 or 2 section meets the class 3 limits too, they are
// the limits of classes 1 and 2 as well, with epsilon unraised there (the
// raised epsilon_3 serves class 3 only). The legs themselves stay outstands
// of their own limits, under their own stresses.
struct Ct_Winkel {
    double ratio[2];            // the two conditions' ratios
    Ct_Grenzwerte limits[2];    // their limits per class
};
// in: code, flags, f_y, E, sigma_ref and eps_factor as for a part (kind not
// read); sigma_1 the axial stress N/A, sigma_2 the section's smallest stress
// (tension positive), which decides the raised epsilon_3; sigma_max the
// section's largest stress. 1 when the rule applies: steel rules other than
// the older German ones, two positive leg ratios, an axial compression
// above 1e-5 f_y and the whole section in compression (sigma_max not above
// 1e-5 f_y in tension); else 0 (out cleared).
int Calc_Ct_Winkel(const Ct_Grenzwert_Eingabe* in, const double legs[2], double sigma_max, Ct_Winkel* out);

// Clears the result and classifies every part; 0 when the result or the
// input is missing, else 1. The class 3 limit takes its stress ratio from
// the parts' elastic stresses; with CT_PLASTIC_ENDS and a steel rule set
// the class 1 and 2 limits take alpha from the part's plastic end stresses,
// the compressed fraction of the part under the plastic stress blocks
// (without them, from the elastic stresses as well). Each part takes
// epsilon from its own yield strength where one is given. An angle in
// compression adds its two conditions (Calc_Ct_Winkel) to the outstands,
// with the higher yield strength of its legs.
int Calc_Querschnittsklasse(const Ct_Klassifizierung* input, Ct_Ausnutzung* result);

#endif
