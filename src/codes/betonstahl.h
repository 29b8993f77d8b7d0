// Reinforcing-steel grades, twin of the concrete grades (betonguete.h): the
// steels of DIN 1045 (7.88), the steels of the EN 1992-1-1 generation
// ("BSt 500 (A)" and "BSt 500 (B)", or "B500A" and "B500B"), the conversion
// of an old steel, the record's text form and the partial factor γs.
// Stresses and moduli in kN/m², strains as plain numbers.
#ifndef CODES_BETONSTAHL_H
#define CODES_BETONSTAHL_H

enum {
    BETONSTAHL_DIN_COUNT = 3,  // "BSt 220/340", "BSt 420 S", "BSt 500 S"
    BETONSTAHL_COUNT = 2,      // ductility classes A and B
    BETONSTAHL_NAME_SIZE = 56,
    BETONSTAHL_DIN_NAME_SIZE = 24
};

// A steel of DIN 1045 (7.88).
struct Betonstahl_DIN_Record {
    char name[BETONSTAHL_DIN_NAME_SIZE];
    double beta_S;    // yield strength
    double eps_s;     // strain limit
    double k_factor;  // the callers' factor of the steel
    double E_s;       // modulus
};

// A steel of the EN 1992-1-1 generation.
struct Betonstahl_Record {
    char name[BETONSTAHL_NAME_SIZE];
    double f_yk;    // characteristic yield strength
    double f_tk;    // characteristic tensile strength
    double eps_uk;  // characteristic strain at maximum force
    double E_s;
};

// Row min(index, 2) of the DIN table; a negative index gives row 0. Null
// record ignored.
void Get_Betonstahl_DIN(Betonstahl_DIN_Record* record, int index);
// The answer to a free definition, which DIN 1045 (7.88) does not allow: a
// notice on standard output and the record filled with "BSt 500 S".
// Returns 1.
int Free_Betonstahl_DIN(Betonstahl_DIN_Record* record);
int Betonstahl_Stub_One(void);

// For index 0 (class A) or 1 (class B) the steel with its name of the first
// list ("BSt 500 (A)", "BSt 500 (B)"): f_yk 500 MN/m², f_tk = k f_yk and
// eps_uk of EN 1992-1-1 Table C.1 (A: k 1.05, 2.5 %; B: k 1.08, 5 %), E_s
// 200 GN/m². Any other index leaves the record unchanged.
void Get_Betonstahl_Record(Betonstahl_Record* record, int index);
// The same with the names "B500A" and "B500B".
void Get_Betonstahl_Record_B500(Betonstahl_Record* record, int index);
// An old DIN steel (index clamped to 0..2): name "<name> (nicht mehr
// genormt!)", f_yk = beta_S, f_tk 340, 420 or 500 MN/m², eps_uk 0.005, E_s
// 210 GN/m².
void Betonstahl_From_DIN(Betonstahl_Record* record, int index);

// The text form (versioned text I/O, structure version 1.0) at the current
// write file. 0 ok, 1 at the first failed write.
int Write_Betonstahl_Record(const Betonstahl_Record* record);
// Reads the text form at the current read file (also the form written before
// structure versions). 0 ok; 1 when a value is missing or damaged or the
// structure is newer than 1.0: the record is then unchanged, the read file
// back where the record began, and the line of the damage reported.
int Read_Betonstahl_Record(Betonstahl_Record* record);

// 1.0 for situation code 1 (accidental), 1.15 for every other code.
double Gamma_s_DIN(int code);

#endif
