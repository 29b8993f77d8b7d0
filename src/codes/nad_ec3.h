// The EN 1993 block of a national annex parameter set: the nationally
// determined parameters of EN 1993-1-1/-1-2 (ZO3-1 record) and of
// EN 1993-1-8/-1-5/-1-9/-6 (ZO3-8 record), their recommended values, their
// text form in the "#ZO3" section of an annex file, copy and compare.
#ifndef CODES_NAD_EC3_H
#define CODES_NAD_EC3_H

#include <cstdio>

struct NAD_EC3_1_Record {
    int version;          // layout version of the text form last read; 4 current
    double gamma_M0;      // 6.1(1) cross-sections
    double gamma_M1;      // 6.1(1) members, instability
    double gamma_M2;      // 6.1(1) fracture in tension; bolts, welds, bearing
    double gamma_M0_acc;  // accidental situation, as gamma_M0
    double gamma_M1_acc;
    double gamma_M2_acc;
    int apply_f_general;  // 6.3.2.2(2): 1 = modification factor f applied
    double gamma_M_fi;    // EN 1993-1-2 2.3(1)
    double lambda_LT0;    // 6.3.2.3(1)
    double beta;          // 6.3.2.3(1)
    int f_given;          // 6.3.2.3(2): 1 = f is the fixed value below
    double f;
    int kc_from_table;    // 6.3.2.3(2): 1 = k_c from Table 6.6
    double k_c;
};

struct NAD_EC3_8_Record {
    int version;             // layout version; 4 current
    double gamma_M3;         // slip resistance, category C, ULS
    double gamma_M4;         // injection bolts
    double gamma_M5;         // hollow-section joints in lattice girders
    double gamma_M6ser;      // pins at SLS
    double gamma_M7;         // preload of high-strength bolts
    double gamma_M3ser;      // slip resistance, category B, SLS
    int shear_lag_note;      // EN 1993-1-5 3.1(1): governing note number
    double eta;              // EN 1993-1-5 5.1(2)
    double gamma_Mf_dt_low;  // EN 1993-1-9 3(7)
    double gamma_Mf_sl_low;
    double gamma_Mf_dt_high;
    double gamma_Mf_sl_high;
    double gamma_Mser;       // EN 1993-6 7.5(1)
};

struct NAD_EC3_Block {
    int variant;  // 0 recommended values; non-zero marks a national variant
    NAD_EC3_1_Record ec3_1;
    NAD_EC3_8_Record ec3_8;
};

// Fill with the recommended values (variant 0, record versions 4). A null
// pointer is ignored. Cannot fail.
void Default_NAD_EC3(NAD_EC3_Block* b);
void Default_NAD_EC3_1(NAD_EC3_1_Record* r);
void Default_NAD_EC3_8(NAD_EC3_8_Record* r);

// The German variant set: variant 1; ZO3-1 differs from the recommended
// values in gamma_M1 (1.1), gamma_M2_acc (1.15) and apply_f_general (1).
void Default_NAD_EC3_Variant1(NAD_EC3_Block* b);
void Default_NAD_EC3_1_Variant1(NAD_EC3_1_Record* r);
void Default_NAD_EC3_8_Variant1(NAD_EC3_8_Record* r);

// Stores the variant word (null block ignored).
void Set_NAD_EC3_Variant(NAD_EC3_Block* b, int variant);

// Writes the body of section "#ZO3" (always layout version 4). A null
// stream or block writes nothing. The block is never modified. 1, or 0 for
// a null argument or when the stream holds a failed write.
int Write_NAD_EC3(FILE* f, const NAD_EC3_Block* b);
int Write_NAD_EC3_1(FILE* f, const NAD_EC3_1_Record* r);
int Write_NAD_EC3_8(FILE* f, const NAD_EC3_8_Record* r);

// Fills the block from the text at the stream position. layout non-zero:
// annex-file layout; 0: the older list layout (" ZO3 Parameter" or the
// oldest " ZO3-8 Parameter" form). Whatever cannot be read keeps its
// recommended value; record versions stay 0 for records not read. Returns 1
// when what the section announces was read whole (in the annex-file layout:
// the ZO3-1 record, and the ZO3-8 record when its title stands there), 0 when
// it broke off or a null argument was given.
int Read_NAD_EC3(FILE* f, NAD_EC3_Block* b, int layout);

// Read one record at the stream position: 0 on success, 1 on failure (also
// for a null record). Fields after a failure keep their recommended values.
int Read_NAD_EC3_1(FILE* f, NAD_EC3_1_Record* r);
int Read_NAD_EC3_8(FILE* f, NAD_EC3_8_Record* r);

// 1 when the blocks (records) differ beyond 0.0001, else 0. Records of an
// old version (ZO3-1 below 2, ZO3-8 below 1) compare equal.
int NAD_EC3_Differs(const NAD_EC3_Block* a, const NAD_EC3_Block* b);
int NAD_EC3_1_Differs(const NAD_EC3_1_Record* a, const NAD_EC3_1_Record* b);
int NAD_EC3_8_Differs(const NAD_EC3_8_Record* a, const NAD_EC3_8_Record* b);

// Copy every field but the version; the target block keeps its variant.
// Either pointer null: nothing happens.
void Copy_NAD_EC3(NAD_EC3_Block* dst, const NAD_EC3_Block* src);
void Copy_NAD_EC3_1(NAD_EC3_1_Record* dst, const NAD_EC3_1_Record* src);
void Copy_NAD_EC3_8(NAD_EC3_8_Record* dst, const NAD_EC3_8_Record* src);

// Three entry points the block's family keeps for callers of the library;
// they take nothing, do nothing and return 0.
int NAD_EC3_Reserved_Entry_1();
int NAD_EC3_Reserved_Entry_2();
int NAD_EC3_Reserved_Entry_3();

#endif
