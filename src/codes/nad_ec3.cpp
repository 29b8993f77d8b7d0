// The EN 1993 block of an annex parameter set: recommended values, the
// German variant set, the "#ZO3" text form, copy and compare.
#include "codes/nad_ec3.h"

#include <cassert>
#include <cmath>
#include <cstring>

#include "base/textio.h"
#include "codes/nad_file.h"
#include "codes/nad_text.h"

static const double kTolerance = 0.0001;

static int differs(double a, double b) { return std::fabs(a - b) > kTolerance; }

void Default_NAD_EC3_1(NAD_EC3_1_Record* r) {
    if (!r) return;
    r->version = 4;
    r->gamma_M0 = 1.0;
    r->gamma_M1 = 1.0;
    r->gamma_M2 = 1.25;
    r->gamma_M0_acc = 1.0;
    r->gamma_M1_acc = 1.0;
    r->gamma_M2_acc = 1.25;
    r->apply_f_general = 0;
    r->gamma_M_fi = 1.0;
    r->lambda_LT0 = 0.4;
    r->beta = 0.75;
    r->f_given = 0;
    r->f = 1.0;
    r->kc_from_table = 1;
    r->k_c = 1.0;
}

void Default_NAD_EC3_8(NAD_EC3_8_Record* r) {
    if (!r) return;
    r->version = 4;
    r->gamma_M3 = 1.25;
    r->gamma_M4 = 1.0;
    r->gamma_M5 = 1.0;
    r->gamma_M6ser = 1.0;
    r->gamma_M7 = 1.1;
    r->gamma_M3ser = 1.1;
    r->shear_lag_note = 3;
    r->eta = 1.2;
    r->gamma_Mf_dt_low = 1.0;
    r->gamma_Mf_sl_low = 1.15;
    r->gamma_Mf_dt_high = 1.15;
    r->gamma_Mf_sl_high = 1.35;
    r->gamma_Mser = 1.0;
}

void Default_NAD_EC3(NAD_EC3_Block* b) {
    if (!b) return;
    b->variant = 0;
    Default_NAD_EC3_1(&b->ec3_1);
    Default_NAD_EC3_8(&b->ec3_8);
}

void Default_NAD_EC3_1_Variant1(NAD_EC3_1_Record* r) {
    if (!r) return;
    Default_NAD_EC3_1(r);
    r->gamma_M1 = 1.1;
    r->gamma_M2_acc = 1.15;
    r->apply_f_general = 1;
}

void Default_NAD_EC3_8_Variant1(NAD_EC3_8_Record* r) { Default_NAD_EC3_8(r); }

void Default_NAD_EC3_Variant1(NAD_EC3_Block* b) {
    if (!b) return;
    b->variant = 1;
    Default_NAD_EC3_1_Variant1(&b->ec3_1);
    Default_NAD_EC3_8_Variant1(&b->ec3_8);
}

void Set_NAD_EC3_Variant(NAD_EC3_Block* b, int variant) {
    if (b) b->variant = variant;
}

// The writer always writes the newest layout (4), whatever version the
// record was read from: a record read from an older text carries the
// recommended values where that text had none.
int Write_NAD_EC3_1(FILE* f, const NAD_EC3_1_Record* r) {
    if (!f || !r) return 0;
    fprintf(f, " %d", 4);
    fprintf(f, " %lf %lf %lf", r->gamma_M0, r->gamma_M1, r->gamma_M2);
    fprintf(f, " %lf %lf %lf", r->gamma_M0_acc, r->gamma_M1_acc, r->gamma_M2_acc);
    fprintf(f, " %d", r->apply_f_general);
    fprintf(f, " %lf\n", r->gamma_M_fi);
    fprintf(f, " %lf %lf %d %lf %d %lf\n", r->lambda_LT0, r->beta, r->f_given, r->f, r->kc_from_table,
            r->k_c);
    return ferror(f) ? 0 : 1;  // the stream's error flag keeps any failed write
}

int Write_NAD_EC3_8(FILE* f, const NAD_EC3_8_Record* r) {
    if (!f || !r) return 0;
    fprintf(f, " %d", 4);
    fprintf(f, " %lf %lf %lf %lf %lf %lf\n", r->gamma_M3, r->gamma_M4, r->gamma_M5, r->gamma_M6ser,
            r->gamma_M7, r->gamma_M3ser);
    fprintf(f, " %d %lf\n", r->shear_lag_note, r->eta);
    fprintf(f, " %lf %lf %lf %lf\n", r->gamma_Mf_dt_low, r->gamma_Mf_sl_low, r->gamma_Mf_dt_high,
            r->gamma_Mf_sl_high);
    fprintf(f, " %lf\n", r->gamma_Mser);
    return ferror(f) ? 0 : 1;
}

int Write_NAD_EC3(FILE* f, const NAD_EC3_Block* b) {
    if (!f || !b) return 0;
    return fputs(" ZO3-1 Parameter\n", f) >= 0 && Write_NAD_EC3_1(f, &b->ec3_1) &&
           fputs(" ZO3-8 Parameter\n", f) >= 0 && Write_NAD_EC3_8(f, &b->ec3_8);
}

// A factor that is no decimal number standing as a word, or not finite, is
// a read error, as in every other annex block: a "nan" or a hexadecimal
// "0x10" in the file must never reach a check or a print.
static int read_double(FILE* f, double* v) { return Scan_Double_Word(f, v) == 1; }
// A version or count that no int holds is a read error, never a wrapped
// value that would select another layout.
static int read_int(FILE* f, int* v) { return Scan_Int_Word(f, v) == 1; }

int Read_NAD_EC3_1(FILE* f, NAD_EC3_1_Record* r) {
    if (!r) return 1;
    Default_NAD_EC3_1(r);
    r->version = 0;
    if (!f) return 1;
    int v = 0;
    if (!read_int(f, &v)) return 1;
    r->version = v;
    if (!read_double(f, &r->gamma_M0) || !read_double(f, &r->gamma_M1) || !read_double(f, &r->gamma_M2))
        return 1;
    if (v > 0) {
        if (!read_double(f, &r->gamma_M0_acc) || !read_double(f, &r->gamma_M1_acc) ||
            !read_double(f, &r->gamma_M2_acc))
            return 1;
    }
    if (v > 1 && !read_int(f, &r->apply_f_general)) return 1;
    if (v > 2 && !read_double(f, &r->gamma_M_fi)) return 1;
    if (v > 3) {
        // A line broken off after any of its values is accepted: only the
        // end of the file before its first value and a damaged number count
        // as failure here.
        int* ints[2] = {&r->f_given, &r->kc_from_table};
        double* doubles[4] = {&r->lambda_LT0, &r->beta, &r->f, &r->k_c};
        const char order[] = "ddidid";  // the line's values in their order
        for (int i = 0, ni = 0, nd = 0; order[i]; i++) {
            const int got = order[i] == 'i' ? NAD_Read_Optional_Int(f, ints[ni++])
                                            : NAD_Read_Optional_Double(f, doubles[nd++]);
            if (got < 0 || (got == 0 && i == 0 && std::feof(f))) return 1;
            if (got == 0) break;
        }
    }
    return 0;
}

int Read_NAD_EC3_8(FILE* f, NAD_EC3_8_Record* r) {
    if (!r) return 1;
    Default_NAD_EC3_8(r);
    r->version = 0;
    if (!f) return 1;
    int v = 0;
    if (!read_int(f, &v)) return 1;
    if (!read_double(f, &r->gamma_M3) || !read_double(f, &r->gamma_M4) || !read_double(f, &r->gamma_M5) ||
        !read_double(f, &r->gamma_M6ser) || !read_double(f, &r->gamma_M7) || !read_double(f, &r->gamma_M3ser))
        return 1;
    if (v > 1 && (!read_int(f, &r->shear_lag_note) || !read_double(f, &r->eta))) return 1;
    if (v > 2 && (!read_double(f, &r->gamma_Mf_dt_low) || !read_double(f, &r->gamma_Mf_sl_low) ||
                  !read_double(f, &r->gamma_Mf_dt_high) || !read_double(f, &r->gamma_Mf_sl_high)))
        return 1;
    if (v > 3 && !read_double(f, &r->gamma_Mser)) return 1;
    r->version = v;
    return 0;
}

int Read_NAD_EC3(FILE* f, NAD_EC3_Block* b, int layout) {
    if (!f || !b) return 0;
    b->variant = 0;
    Default_NAD_EC3_1(&b->ec3_1);
    Default_NAD_EC3_8(&b->ec3_8);
    b->ec3_1.version = 0;
    b->ec3_8.version = 0;
    if (!layout) {
        if (Find_NAD_Section_Line(f, " ZO3 Parameter", "#NAD", nullptr) == 1) {
            if (!read_int(f, &b->variant)) return 0;
        } else if (Find_NAD_Section_Line(f, " ZO3-8 Parameter", "#NAD", nullptr) == 1) {
            // The oldest layout: variant, ZO3-1 record, then up to six of the
            // EN 1993-1-8 factors; the ZO3-8 record keeps version 0.
            if (!read_int(f, &b->variant)) return 0;
            if (Read_NAD_EC3_1(f, &b->ec3_1)) return 0;
            double* slots[6] = {&b->ec3_8.gamma_M3,    &b->ec3_8.gamma_M4, &b->ec3_8.gamma_M5,
                                &b->ec3_8.gamma_M6ser, &b->ec3_8.gamma_M7, &b->ec3_8.gamma_M3ser};
            for (double* s : slots) {
                const int got = NAD_Read_Optional_Double(f, s);
                if (got < 0) return 0;
                if (got == 0) break;
            }
            return 1;
        } else {
            return 0;
        }
    }
    // The section holds its ZO3-1 record; a ZO3-8 record whose title stands
    // there must be whole too, while a section without that title keeps the
    // recommended ZO3-8 values.
    if (Find_NAD_Section_Line(f, " ZO3-1 Parameter", "#NAD", nullptr) != 1) return 0;
    if (Read_NAD_EC3_1(f, &b->ec3_1)) return 0;
    if (Find_NAD_Section_Line(f, " ZO3-8 Parameter", "#NAD", nullptr) != 1) return 1;
    return Read_NAD_EC3_8(f, &b->ec3_8) == 0;
}

int NAD_EC3_1_Differs(const NAD_EC3_1_Record* a, const NAD_EC3_1_Record* b) {
    if (!a || !b) return 1;
    if (a->version < 2 || b->version < 2) return 0;
    return differs(a->gamma_M0, b->gamma_M0) || differs(a->gamma_M1, b->gamma_M1) ||
           differs(a->gamma_M2, b->gamma_M2) || differs(a->gamma_M0_acc, b->gamma_M0_acc) ||
           differs(a->gamma_M1_acc, b->gamma_M1_acc) || differs(a->gamma_M2_acc, b->gamma_M2_acc) ||
           a->apply_f_general != b->apply_f_general || differs(a->gamma_M_fi, b->gamma_M_fi) ||
           differs(a->lambda_LT0, b->lambda_LT0) || differs(a->beta, b->beta) || a->f_given != b->f_given ||
           differs(a->f, b->f) || a->kc_from_table != b->kc_from_table || differs(a->k_c, b->k_c);
}

int NAD_EC3_8_Differs(const NAD_EC3_8_Record* a, const NAD_EC3_8_Record* b) {
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    return differs(a->gamma_M3, b->gamma_M3) || differs(a->gamma_M4, b->gamma_M4) ||
           differs(a->gamma_M5, b->gamma_M5) || differs(a->gamma_M6ser, b->gamma_M6ser) ||
           differs(a->gamma_M7, b->gamma_M7) || differs(a->gamma_M3ser, b->gamma_M3ser) ||
           a->shear_lag_note != b->shear_lag_note || differs(a->eta, b->eta) ||
           differs(a->gamma_Mf_dt_low, b->gamma_Mf_dt_low) || differs(a->gamma_Mf_sl_low, b->gamma_Mf_sl_low) ||
           differs(a->gamma_Mf_dt_high, b->gamma_Mf_dt_high) ||
           differs(a->gamma_Mf_sl_high, b->gamma_Mf_sl_high) || differs(a->gamma_Mser, b->gamma_Mser);
}

int NAD_EC3_Differs(const NAD_EC3_Block* a, const NAD_EC3_Block* b) {
    if (!a || !b) return 1;
    return NAD_EC3_1_Differs(&a->ec3_1, &b->ec3_1) || a->variant != b->variant ||
           NAD_EC3_8_Differs(&a->ec3_8, &b->ec3_8);
}

void Copy_NAD_EC3_1(NAD_EC3_1_Record* dst, const NAD_EC3_1_Record* src) {
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

void Copy_NAD_EC3_8(NAD_EC3_8_Record* dst, const NAD_EC3_8_Record* src) {
    if (!dst || !src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

void Copy_NAD_EC3(NAD_EC3_Block* dst, const NAD_EC3_Block* src) {
    if (!dst || !src) return;
    Copy_NAD_EC3_1(&dst->ec3_1, &src->ec3_1);
    Copy_NAD_EC3_8(&dst->ec3_8, &src->ec3_8);
}

int NAD_EC3_Reserved_Entry_1() { return 0; }
int NAD_EC3_Reserved_Entry_2() { return 0; }
int NAD_EC3_Reserved_Entry_3() { return 0; }
