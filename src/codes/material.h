// Material parameters of a plate or a profile of the weld program: the
// grade or the user's own strengths, the strengths by thickness range, the
// calculation values for the thickness last checked, the elastic constants
// and the correlation factor beta_w of the fillet-weld check; the program's
// own table of 26 structural steel grades; the refresh-and-check routine;
// the record's block in the input file and its print texts.
//
// Beside the record live the small services around the grade lists: the
// steel choice list of the material sheet, the maps between the 26-grade
// list and the steel catalogue, grade-family predicates, grade names in a
// ring of short-lived buffers, and the plate resistances with their print
// lines.
#ifndef CODES_MATERIAL_H
#define CODES_MATERIAL_H

#include <cstdio>

#include "codes/input_ranges.h"

enum {
    MATERIAL_NAME_SIZE = 26,    // 25 characters, blank-padded, and the terminator
    WELD_GRADE_COUNT = 26,      // grades 0..25 of the weld grade table
    WELD_GRADE_STAINLESS = 26,  // stainless steel with own strengths
    WELD_GRADE_NAME_SIZE = 16,
    STEEL_CHOICE_COUNT = 11,    // entries of the steel choice list (kind 1)
    STEEL_CHOICE_NAME_SIZE = 16
};

// kind: 0 weld grade table, 1 steel catalogue, 2 aluminium catalogue.
struct Materialparameter_Record {
    int grade;          // kind 0: 0..25, 26 stainless; kind 1: choice-list entry; kind 2: handle
    char name[MATERIAL_NAME_SIZE];
    int own_values;     // 1: the user gives the strengths
    double f_y1, f_u1;  // t <= 40 mm (aluminium: f_o, f_u)
    double f_y2, f_u2;  // 40 < t <= 80 mm
    double f_y3, f_u3;  // t > 80 mm
    double E;
    double beta_w;      // 0 for aluminium
    int effective_grade;
    int kind;
    double f_y, f_u;    // calculation values for the thickness last checked
    double G;           // E / 2.6
    double nu;
    double alpha_T;     // 10^-5 per K
};

// Every field 0, name 25 blanks, kind 0, then the steel constants (E 210000,
// G, nu 0.3, alpha_T 1.2, beta_w 0.8). Null does nothing.
void Clear_Material_Params(Materialparameter_Record* m);
// Cleared, then grade 0 (S235) of the weld grade table. Null does nothing.
void Default_Material_Params(Materialparameter_Record* m);
// Clears the target, then copies every field of the source when given. The
// source is never modified; a null target does nothing.
void Copy_Material_Params(const Materialparameter_Record* source, Materialparameter_Record* target);
// As Copy_Material_Params; with a source the calculation values then come
// from the thickness range of t.
void Init_Material_Params_For_Thickness(const Materialparameter_Record* source,
                                        Materialparameter_Record* target, double t);
// Refreshes the record for thickness t (mm) and checks it. A failed check
// writes a line ending in the failure marker into oli (when given), shows a
// message when show_messages is set, and makes the result 1; the record keeps
// the corrected values. prefix (null: empty) opens every message and line.
// 0 when everything held (also for a null record).
int Check_Material_Params(Materialparameter_Record* m, double t, FILE* oli, int show_messages,
                          const char* prefix);
// 1 when both are given and equal within 0.01, else 0.
int Material_Params_Equal(const Materialparameter_Record* a, const Materialparameter_Record* b);
// The range of the correlation factor beta_w that a steel material of its
// own values (or stainless steel) takes as given.
constexpr double MATERIAL_BETA_W_MIN = Input_Range_Of(RANGE_BETA_W).minimum;
constexpr double MATERIAL_BETA_W_MAX = Input_Range_Of(RANGE_BETA_W).maximum;

// The input-file block (version 2). 0 on success, 1 on failure. The writer
// never modifies the record; the reader leaves a record it could not read
// partly filled. The reader refuses, and names, an own-values switch other
// than 0 or 1, a steel grade the weld grade table does not hold, a beta_w
// outside MATERIAL_BETA_W_MIN .. MATERIAL_BETA_W_MAX where the material
// takes it as given (own values of steel, stainless steel), an own modulus
// or expansion coefficient outside its range (input_ranges.h), a negative
// value, and a name longer than the record holds or holding the print
// list's markup escape; it leaves the stream on that value's line.
int Write_Material_Params(FILE* f, const Materialparameter_Record* m);
// The record as its block reads back: a material of the steel choice list
// (kind 1) as the weld grade table's (kind 0), an entry as the table's
// index of the same steel, without the calculation values f_y and f_u
// (the next Check_Material_Params sets them); every other record as it
// is. m must not be null.
Materialparameter_Record Material_Params_As_Filed(const Materialparameter_Record* m);
int Read_Material_Params(FILE* f, Materialparameter_Record* m);
// Why the last Read_Material_Params refused its block for such a value, as
// a line of the print list names it ("Korrelationsbeiwert β_w = 0 ungültig
// (nicht zwischen 0.5 und 1)"), and the same for the console in plain
// ASCII (Last_Input_Value_Refusal); empty after a block that read, was
// refused as damaged (a number that cannot be read), or after
// Clear_Material_Read_Refusal.
const char* Material_Read_Refusal(void);
const char* Material_Read_Refusal_Console(void);
void Clear_Material_Read_Refusal(void);
// Print texts of the material (flags: 0x2 beta_w, 0x4 E, 0x80 alpha_T).
void Print_Material_Params(const Materialparameter_Record* m, FILE* oli, int flags, int with_calc_values,
                           const char* subscript);
void Print_Steel_Params_By_Thickness(const Materialparameter_Record* m, FILE* oli, int flags,
                                     int with_calc_values, const char* subscript);

// The weld grade table's name of grade 0..25 (16 characters, blank-padded),
// null for any other grade.
const char* Weld_Grade_Table_Name(int grade);
// The steel choice list entry 0..10 (filled on first use), null otherwise.
const char* Steel_Choice_Name(int entry);
// The steel catalogue row (DIN family) named by choice-list entry 0..10; a
// separator resolves to the entry above it. -1 for any other entry.
int Steel_Choice_To_Stahlguete_Code(int entry);
// The weld grade table's index (kind 0) of the steel that choice-list entry
// 0..10 names, -1 for any other entry.
int Steel_Choice_To_Grade_Index(int entry);
// The choice-list entry (kind 1, the DIN 18800 list) of weld grade index
// 0..25: the entry of the same steel, or of the steel the catalogue takes
// for it (a weathering or hollow-section steel its base grade); where the
// list has none (S450, the S420 grades) the entry of the highest yield
// strength below it in the same delivery condition. -1 for any other index.
int Grade_Index_To_Steel_Choice(int grade);

// ---- grade lists, material print text, plate resistances ----

void Print_Material_Params_Text(const Materialparameter_Record* m, FILE* oli, int row_bits, int with_values,
                                const char* subscript);
// Catalogue row of a weld grade index, -1 when none; the caller adds the family.
int Grade_Index_To_Stahlguete_Code(int grade);
// Weld grade index 0..11 of a catalogue row, -1 for every other value.
int Stahlguete_Code_To_Grade_Index(int code);
// Fills the steel choice list once; later calls do nothing.
void Init_Grade_Names(void);
// A ring buffer with the trimmed name of weld grade index (kind 0, index < 26),
// else an empty ring buffer. Valid until ten further buffers were taken.
const char* Get_Weld_Grade_Name(int kind, int index);
// A ring buffer with the grade a steel material's print text names (the
// weld grade table's or the steel choice list's), trimmed; empty for own
// values, for aluminium and for a grade no list names.
const char* Steel_Grade_Name(const Materialparameter_Record* m);
int Is_Grade_S235(int grade);
int Is_Grade_S275(int grade);
int Is_Grade_S355(int grade);
int Is_Grade_S420(int grade);
int Is_Grade_S460(int grade);
int Is_Grade_Weathering(int grade);
double Weld_Grade_Value_Or_150(int kind, int grade, double value);
double Divide(double a, double b);
double Divide_Sqrt3(double a, double b);
// V_Rd in N of a plate of thickness t and height h (net h_net).
double Calc_Plate_Shear_Resistance(double f_y, double f_u, double t, double h, double h_net, double gamma_M0,
                                   double gamma_M2, FILE* oli, int level, const char* symbol);
// M_Rd = W_t * tau in Nmm with W_t = t h² / 6 and tau = f_y / (sqrt 3 gamma_M0);
// 0 when gamma_M0 or tau is not above 0.01. Printed in kNm at level above 0.
double Calc_Plate_Torsion_Resistance(double f_y, double t, double h, double gamma_M0, FILE* oli, int level,
                                     const char* symbol);
// N_t,Rd in N of a plate of width b (net b_net) and thickness t.
double Calc_Plate_Tension_Resistance(double f_y, double f_u, double t, double b, double b_net, double gamma_M0,
                                     double gamma_M2, FILE* oli, int level);

#endif
