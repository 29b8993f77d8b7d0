// Reading the numbers of an annex block's text: a reader that stops for
// good at the first value that does not convert, so every later field keeps
// what it held, as the block readers promise. Ints that no int holds and
// numbers that are not finite count as values that do not convert: an
// annex never hands out a wrapped selector or a "nan" factor.
#ifndef CODES_NAD_TEXT_H
#define CODES_NAD_TEXT_H

#include <cmath>
#include <cstdio>

#include "base/textio.h"

struct NAD_Text_Reader {
    FILE* f;
    int ok;  // 0 from the first failed conversion on
};

// Reads one double ("%lf") into *v; 0 (and *v untouched) once failed.
inline int NAD_Read_Double(NAD_Text_Reader* r, double* v) {
    double x = 0;
    if (r->ok && (std::fscanf(r->f, "%lf", &x) != 1 || !std::isfinite(x))) r->ok = 0;
    if (r->ok) *v = x;
    return r->ok;
}

// Reads one int (" %d") into *v; 0 (and *v untouched) once failed.
inline int NAD_Read_Int(NAD_Text_Reader* r, int* v) {
    int x = 0;
    if (r->ok && Scan_Int(r->f, 10, &x) != 1) r->ok = 0;
    if (r->ok) *v = x;
    return r->ok;
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
