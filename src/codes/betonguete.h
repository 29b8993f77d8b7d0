// Concrete grades of the desktop's concrete programs: the strength classes of
// DIN 1045 (7.88) ("B15" to "B55") and of the EN 1992-1-1 generation
// ("C12/15" to "C100/115", lightweight "LC12/13" to "LC60/66"), the grade
// record with its stress-strain parameters (DIN 1045-1 Table 9) and modulus,
// the derived values of EN 1992-1-1 (moduli, tensile strengths, the
// lightweight factors of 11.3), the time function of the compressive
// strength, the conversion of an old DIN grade, the record's text form and a
// cache of the partial factors of the active annex's EN 1992 block.
//
// Units: stresses and moduli in kN/m² (12000 is 12 MN/m²), densities in
// kg/m³, strains as plain numbers with compression negative (-0.0035 for
// -3.5 ‰). Nothing here is re-entrant: the factor cache is process-wide.
#ifndef CODES_BETONGUETE_H
#define CODES_BETONGUETE_H

#include <cstdint>

#include "codes/nad_ec2.h"

enum {
    BETONGUETE_DIN_COUNT = 5,     // "B15" .. "B55"
    BETONGUETE_COUNT = 15,        // "C12/15" .. "C100/115"
    BETONGUETE_LC_COUNT = 11,     // "LC12/13" .. "LC60/66"
    BETONGUETE_NAME_SIZE = 56,
    BETONGUETE_DIN_NAME_SIZE = 24
};

// A grade of DIN 1045 (7.88).
struct Betonguete_DIN_Record {
    char name[BETONGUETE_DIN_NAME_SIZE];
    double beta_WN;        // nominal strength
    double beta_R;         // calculation strength
    double tau011;         // shear-stress limit, slabs
    double tau012;         // shear-stress limit, beams
    double tau02;          // shear-stress limit
    double tau1_good;      // allowable bond stress, good bond conditions
    double tau1_moderate;  // allowable bond stress, moderate bond conditions
    double E_b;            // modulus of elasticity
};

// A grade of the EN 1992-1-1 generation.
struct Betonguete_Record {
    char name[BETONGUETE_NAME_SIZE];
    double f_ck;         // characteristic cylinder strength
    double alpha;        // reduction of the design strength: 0.85, lightweight 0.80
    double eps_c1;       // strain at peak stress (non-linear curve)
    double eps_c1u;      // ultimate strain of the non-linear curve
    double eps_c2;       // strain at the peak of the parabola-rectangle diagram
    double eps_c2u;      // ultimate strain of the parabola-rectangle diagram
    double n_exp;        // exponent of the parabola
    int32_t lightweight; // 1 lightweight aggregate concrete, 0 normal-weight
    double density;      // oven-dry density; 2200 for normal-weight concrete
    int32_t auto_E;      // 1: E_cm derived from f_ck (and density); 0: entered
    double E_cm;         // modulus of elasticity
};

// The values EN 1992-1-1 Table 3.1 derives from f_ck by its analytical
// relations, for lightweight concrete with the factors of 11.3 (Table
// 11.3.1). Above f_ck = 90 MN/m² the strain relations turn back (ε_cu2 would
// fall below ε_c2), so the strains keep their values of C90/105 there.
struct Betonkennwerte_Record {
    double f_ck;
    double f_cm;      // f_ck + 8 MN/m²
    double f_ctm;     // mean axial tensile strength (× η1)
    double f_ctk005;  // 5 % fractile, 0.7 f_ctm
    double f_ctk095;  // 95 % fractile, 1.3 f_ctm
    double E_cm;      // secant modulus 22 (f_cm / 10)^0.3 GN/m² (× η_E)
    double eps_c1;
    double eps_cu1;
    double eps_c2;
    double eps_cu2;
    double n_exp;
    double eps_c3;
    double eps_cu3;
    double eta1;      // 1 for normal-weight concrete
    double eta_E;     // (density / 2200)², 1 for normal-weight concrete
};

// The partial factors of the active annex's EN 1992 block by situation index
// k: 0 persistent/transient, 1 accidental, 2 earthquake, 3 fatigue, 4
// accidental again.
struct EC2_Factor_Cache {
    int variant;
    double gamma_c[5];
    double gamma_s[5];
    double gamma_c_sls;
    double gamma_s_sls;
    double alpha_cc;
    double alpha_lct;
    int valid;  // set by nothing: every access that asks refills the cache
};

// ---- DIN 1045 (7.88) ----

// Row min(index, 4) of the DIN table; a negative index gives row 0. Null
// record ignored.
void Get_Betonguete_DIN(Betonguete_DIN_Record* record, int index);
// The answer to a free definition, which DIN 1045 (7.88) does not allow: a
// notice on standard output and the record filled with "B25". Returns 1.
int Free_Betonguete_DIN(Betonguete_DIN_Record* record);
int Betonguete_Stub_One(void);

// ---- EN 1992-1-1 generation ----

// Stores lightweight and the density (the given one for lightweight concrete,
// else 2200); for index 0..14 fills the grade of that row (lightweight rows
// 11..14 have no name). Nothing more for any other index. Null ignored.
void Get_Betonguete_Record(Betonguete_Record* record, int index, int lightweight, double density);
// Copies every field; the name bounded to its field.
void Copy_Betonguete_Record(Betonguete_Record* destination, const Betonguete_Record* source);
// eps_c1 and eps_c1u of normal-weight concrete interpolated linearly over the
// class table; the ends of the table hold outside it.
void Interpolate_Eps_c1(double* eps_c1, double* eps_c1u, double f_ck);
// An old DIN grade (index clamped to 0..4) as a record of the new generation:
// name "<name> (nicht mehr genormt!)", f_ck 0.78125 × beta_WN, E_cm = E_b.
void Betonguete_From_DIN(Betonguete_Record* record, int index);

// The text form (versioned text I/O, structure version 1.2) at the current
// write file. 0 ok, 1 at the first failed write.
int Write_Betonguete_Record(const Betonguete_Record* record);
// Reads the text form at the current read file (also the form written before
// structure versions). 0 ok. 1 when a value is missing or damaged (f_ck
// not within 0 .. 1000 MN/m², a lightweight density not above 0) or the
// structure is newer than 1.2: the record is then unchanged, the read file
// back where the record began, and the line of the damage reported. The
// strains eps_c1 and eps_c1u, not part of the text form, are derived from
// f_ck (and the density).
int Read_Betonguete_Record(Betonguete_Record* record);

// ---- Derived values ----

// Tangent modulus 9.5e6 × (0.001 f_ck + 8)^(1/3).
double Get_E_c0m(double f_ck);
// α_i × Get_E_c0m(f_ck), α_i = min(1, 0.8 + f_cm / 440), f_cm in MN/m².
double Get_E_cm(double f_ck);
// η1 = 0.4 + 0.6 density / 2200, at most 1 (lightweight concrete is never
// stronger in tension than normal-weight concrete).
double Eta1_Lightweight(double density);
// f_ctm rounded to one decimal in MN/m², times η1, in kN/m²: 0.3 f_ck^(2/3)
// below f_ck = 55 MN/m², 2.12 ln(1 + f_cm / 10) from there on.
double Get_f_lctm(double f_ck, double density);
// The same times 0.7: the 5 % fractile.
double Get_f_lctk005(double f_ck, double density);
// Every value of EN 1992-1-1 Table 3.1 (lightweight: 11.3) for f_ck; 1, or 0
// with a zeroed record for a null record or f_ck not above 0.
int Get_Betonkennwerte(double f_ck, int lightweight, double density, Betonkennwerte_Record* out);
// β_cc(t) = exp(s (1 - √(28 / t))) with s 0.38 (class 1, slow), 0.25
// (class 2, normal), 0.20 (class 3, rapid), 0.21 otherwise; for an age not
// above 0 (none given) 1.
double Beta_cc(double t, int cement_class);
// γc (1.3 for situation code 1, 1.0 for 4, else 1.5) times the
// high-strength factor max(1, 1 / (1.1 - f_ck / 500 MN/m²)).
double Gamma_c_High_Strength(double f_ck, int code);
// -(a × b) / c, 0 when |c| < 0.00001.
double Guarded_Neg_Ratio(double a, double b, double c);

// ---- Partial factors of the active annex ----

// Copies the factors of Get_NAD_EC2 into the cache; returns that block.
const NAD_EC2_Block* Refresh_EC2_Factor_Cache(void);
// The cache, refilled unless valid. Never null.
const EC2_Factor_Cache* Get_EC2_Factor_Cache(void);
int Get_EC2_Cached_Variant(void);
// Cached γc or γs of index k (no refill); k outside 0..4 counts as 0.
double EC2_Gamma_c(int k);
double EC2_Gamma_s(int k);
// value × alpha_cc / γc(k), refilling the cache unless valid; 0 when γc is
// not above 0.
double EC2_Design_Strength(double value, int k);

// Test support: the cache empty.
void Reset_EC2_Factor_Cache(void);

#endif
