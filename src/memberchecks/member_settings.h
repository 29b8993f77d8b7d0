// member_settings: the process-wide settings of the member design check
// (calculation mode, check factor, symbol-set flag, kept results), the
// design-code selector, the option word the check derives from its section
// data, the material services by design code and the buckling curves.
//
// Design codes (low half of the selector's code word): 0 DIN 18800 (steel
// grades of the DIN family), 1 EN 1993-1-1 (EN family), 2 EN 1999-1-1
// (aluminium); any other value counts as 0. Single-threaded state.
#ifndef MEMBERCHECKS_MEMBER_SETTINGS_H
#define MEMBERCHECKS_MEMBER_SETTINGS_H

#include <cstdint>

#include "thinwall/section_work.h"

struct Nachweisdaten;
struct Nachweisdaten_Traeger;

enum : uint32_t {
    NORM_NO_FIRST_BUCKLING = 0x10000,
    NORM_NO_SECTION_OPTIONS = 0x20000,
    NORM_NO_BUCKLING_OPTIONS = 0x40000,
    NORM_FIRE_PERMITTED = 0x10000,   // situation word
};

struct NachweisNorm {
    uint32_t code;        // design code and the NORM_NO_* bits
    uint32_t situation;   // low half: accidental combination; NORM_FIRE_PERMITTED
};

// Option word of the member check.
enum : uint32_t {
    OPT_INTERACTION = 0x1,
    OPT_NORMAL = 0x4,
    OPT_SHEAR = 0x8,
    OPT_MISES = 0x10,
    OPT_EL747 = 0x20,
    OPT_EL749 = 0x40,
    OPT_EL750 = 0x80,
    OPT_ELASTIC_ALL = 0x3FC,
    OPT_FIRE = 0x400,
    OPT_CT = 0x1000,
    OPT_BUCKLING_1 = 0x10000,
    OPT_BUCKLING_2 = 0x20000,
    OPT_BUCKLING_3 = 0x40000,
    OPT_TSV = 0x100000,
    OPT_NO_LIMIT_125 = 0x200000,
    OPT_STRAIN = 0x400000,
    OPT_TSV_LINES = 0x1000000,
    OPT_OUTLINE = 0x2000000,    // plastic stress blocks of the section's outline (method code 6)
};

// Slenderness, shear, St. Venant torsion, warping torsion, bimoment.
struct Check_Symbol_Set {
    const char* text[5];
};
extern const Check_Symbol_Set Check_Symbols_EN, Check_Symbols_DIN;
extern const Check_Symbol_Set* Current_Check_Symbols;

// Design code of a selector (0 for none or an unknown code).
int Get_Norm_Code(const NachweisNorm* selector);

int Set_Check_Mode(int mode);   // invalidates the kept model when it changes
int Get_Check_Mode(void);
int Get_Check_Mode_Variant(int family, int spatial);
double Get_Check_Factor(void);
double Set_Check_Factor(double value);
int Set_Symbol_Set_Flag(int value);
int Get_Symbol_Set_Flag(void);
int Set_Keep_Check_Results(int on);
int Get_Keep_Check_Results(void);
int32_t* Get_Kept_Check_Results(void);

uint32_t Get_Check_Option_Flags(const NachweisNorm* selector, uint32_t flags);
uint32_t Get_Check_Option_Flags_By_Kind(int code, uint32_t flags);
double Get_Material_Strength(const NachweisNorm* selector, int grade, double t);
double Get_Material_E(const NachweisNorm* selector, int grade, double* G);
const char* Get_Material_Name(const NachweisNorm* selector, int grade);

// values: the section's value array (at least its lead block and the
// payload slots up to 72).
uint32_t Derive_Check_Options(const NachweisNorm* selector, const Profil_Model_Descriptor* descriptor,
                              const char* name_text, const float* values, int spatial);
// Curve 0..4 (a0 .. d) or -1; t in mm, rolled >= 1 for a catalogue section.
int Get_Buckling_Curve(int z_axis, int grade, int family, double h_b, double t, int rolled);

uint32_t Get_Check_Flags_Of_Data(const Nachweisdaten* record);
uint32_t Get_Check_Flags_Of_Owner(const Nachweisdaten_Traeger* owner);
// code word in [0], situation word in [1]; returns words.
uint32_t* Get_Check_Flags_Of_Data_Ex(const Nachweisdaten* record, uint32_t* words);
uint32_t* Get_Check_Flags_Of_Owner_Ex(const Nachweisdaten_Traeger* owner, uint32_t* words);

#endif
