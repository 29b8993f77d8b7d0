// Reading the numbers of an annex block's text: a reader that stops for
// good at the first value that does not convert, so every later field keeps
// what it held, as the block readers promise. A value is a decimal number
// standing as a whole word: "0x10", "0x0.cp0", "1e-400", ints that no int
// holds and numbers that are not finite count as values that do not
// convert: an annex never hands out a wrapped selector, a hexadecimal
// factor or a "nan".
#ifndef CODES_NAD_TEXT_H
#define CODES_NAD_TEXT_H

#include <cmath>
#include <cstdio>

#include "base/textio.h"

struct NAD_Text_Reader {
    FILE* f;
    int ok;  // 0 from the first failed conversion on
};

// Reads one double into *v; 0 (and *v untouched) once failed.
inline int NAD_Read_Double(NAD_Text_Reader* r, double* v) {
    if (r->ok && Scan_Double_Word(r->f, v) != 1) r->ok = 0;
    return r->ok;
}

// Reads one int into *v; 0 (and *v untouched) once failed.
inline int NAD_Read_Int(NAD_Text_Reader* r, int* v) {
    if (r->ok && Scan_Int_Word(r->f, v) != 1) r->ok = 0;
    return r->ok;
}

// The next value of a list that may end early: 1 read into *v; 0 the list
// ends here (no number follows: a title, a keyword, the end of the file;
// only white space is taken); -1 a damaged number.
inline int NAD_Read_Optional_Double(FILE* f, double* v) {
    if (!Number_Follows(f)) return 0;
    return Scan_Double_Word(f, v) == 1 ? 1 : -1;
}
inline int NAD_Read_Optional_Int(FILE* f, int* v) {
    if (!Number_Follows(f)) return 0;
    return Scan_Int_Word(f, v) == 1 ? 1 : -1;
}

// Reads n doubles in a row.
inline int NAD_Read_Doubles(NAD_Text_Reader* r, double* v, int n) {
    for (int i = 0; i < n; ++i) NAD_Read_Double(r, &v[i]);
    return r->ok;
}

// Reads and drops one whitespace-separated token of at most 63 bytes (the
// rest of a longer one stays for the next read); 0 at the end of the file.
inline int NAD_Skip_Token(NAD_Text_Reader* r) {
    char token[64];
    if (r->ok && std::fscanf(r->f, "%63s", token) != 1) r->ok = 0;
    return r->ok;
}

#endif
