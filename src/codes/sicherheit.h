// The partial safety factors of a welded connection: a record that follows
// the active national annex unless the user gives own values, its refill
// from the annex, clear/copy/compare, its input-file block and print text.
#ifndef CODES_SICHERHEIT_H
#define CODES_SICHERHEIT_H

#include <cstdio>

struct NAD_EC3_Block;

struct Sicherheitsbeiwerte_Record {
    int from_annex;      // 1 follows the active annex; 0 own values
    double gamma_M0;
    double gamma_M1;
    double gamma_M2;
    double gamma_M3;
    double gamma_M4;
    double gamma_M5;
    double gamma_M6ser;
    double gamma_M7;
    double gamma_M3ser;
    double gamma_Mser;
    double gamma_Mfi;
    int kind;            // 0 steel, 2 aluminium; other: no annex values
};

// kind 0: the active EN 1993 block, out[0..8] get the nine annex factors;
// kind 2: the active EN 1999 block (as void*), out[0..1] get gamma_M0/M1;
// other kinds: null and out[0..8] = 0. out may be null.
void* Get_NAD_Safety_Factors(int kind, double* out);
// Refills a record that follows the annex; nothing for null or from_annex 0.
void Update_Safety_Factors_From_NAD(Sicherheitsbeiwerte_Record* r);
double Get_NAD_Gamma_M_ser();
double Get_NAD_Gamma_M_fi();

void Clear_Safety_Factors(Sicherheitsbeiwerte_Record* r);
void Copy_Safety_Factors(const Sicherheitsbeiwerte_Record* src, Sicherheitsbeiwerte_Record* dst);
// 1 when flags are equal and the eleven doubles agree within 0.01; 0 when
// not or when either is null. The kind is not compared.
int Safety_Factors_Equal(const Sicherheitsbeiwerte_Record* a, const Sicherheitsbeiwerte_Record* b);

// Input-file block, version 2. 0 on success, 1 on failure. The writer never
// modifies the record; the reader keeps what it read before a failure.
int Write_Safety_Factors(FILE* f, const Sicherheitsbeiwerte_Record* r);
int Read_Safety_Factors(FILE* f, Sicherheitsbeiwerte_Record* r);

// Print text of the factors chosen by mask (0: all but gamma_M5).
void Print_Safety_Factors(const Sicherheitsbeiwerte_Record* r, FILE* oli, int mask);

// Data check of the factors in use: 0 when every factor the mask selects
// (as Print_Safety_Factors does) is a number from 0.5 to 3 (what an annex
// can hold), else 1; with a print stream the failure line names the factor
// and ends with the red failure marker.
// The record is never modified.
int Check_Safety_Factors(const Sicherheitsbeiwerte_Record* r, FILE* oli, int mask);
// Utilisation check for the verdict of a check: 1 when u is a number and
// gamma_M0 and gamma_M2 are usable (as Check_Safety_Factors), i.e. an "ok"
// may be printed; 0 otherwise.
int Safety_Utilisation_Valid(const Sicherheitsbeiwerte_Record* r, double u);

#endif
