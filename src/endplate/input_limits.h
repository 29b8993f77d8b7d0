// What the end-plate library accepts from its files and its callers before
// it computes: the messages that refuse a value and name it, the plausible
// range of a partial factor, and the reading of one whole number field of
// a record's text form.
//
// A refusal shows one message box whose first line is the library's
// "Lesefehler !!!" or "Datenfehler !!!" and whose second line names the
// value and why it was refused; without a window (batch mode) it shows
// none and writes nowhere, and the caller finds the two lines with
// Endplate_Last_Refusal.
#ifndef ENDPLATE_INPUT_LIMITS_H
#define ENDPLATE_INPUT_LIMITS_H

#include <cstdio>

// Partial factors outside this range are no partial factors: a factor of
// 1e-300 would make every resistance astronomic.
constexpr double PARTIAL_FACTOR_MIN = 0.5;
constexpr double PARTIAL_FACTOR_MAX = 3.0;

// The lines of the last refusal (line 0 its head, 1 its detail); "" for
// another line or when there was none since the last clearing.
const char *Endplate_Last_Refusal(int line);
void Endplate_Clear_Refusal(void);

// "Datenfehler !!!" with the detail as its second line; returns 103.
int Endplate_Data_Error(const char *format, ...) __attribute__((format(printf, 1, 2)));
// "Lesefehler !!!" with the detail as its second line; returns 101.
int Endplate_Read_Error(const char *format, ...) __attribute__((format(printf, 1, 2)));

// 1 when gamma_M lies within PARTIAL_FACTOR_MIN .. PARTIAL_FACTOR_MAX;
// else 0 after the data error that names the factor (and `where` it was
// given, may be null). Never writes "nan": a value that is no number is
// named as such.
int Partial_Factor_Usable(double gamma_M, const char *where);
// The same without a message, for callers that report on their own.
int Partial_Factor_Plausible(double gamma_M);

// One number of a record's text form: its name for the messages, its
// range and whether it must be a whole number (an int).
struct Field_Limits {
    const char *name;
    double lo, hi;
    bool whole;
};
enum { FIELDS_MAX = 8 };

// Reads the n (at most FIELDS_MAX) numbers of one record, each a word of
// its own, into values, and checks them against their limits. Returns 0;
// 101 after the read error naming `record` and the field when a word is
// missing or no number; 103 after the data error naming them when a number
// has other characters behind it, is no whole number where one is due, does
// not fit an int (it is never wrapped), lies outside its range, is no
// finite decimal number ("inf", "nan", hexadecimal) or is a number that a
// float cannot keep (too small: it would be read as 0). Every word is read
// before the first is judged, so that a cut record is a read error. values
// are written only on success.
int Read_Fields(FILE *f, const char *record, const Field_Limits *fields, int n, double *values);

#endif
