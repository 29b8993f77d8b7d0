// The partial safety factors of a welded connection: refill from the active
// annex, clear/copy/compare, the input-file block and the print text.
//
// A factor outside 0.5 .. 3 (a cleared record, a material kind without
// annex values, a typed 0 or 1e300) would make every resistance infinite or
// absurd. Such a record is kept as it is, but its print text marks the
// factor as failed and Check_Safety_Factors reports it by name, so that no
// check built on it can end with "ok".
#include "codes/sicherheit.h"

#include <cmath>
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/textio.h"
#include "codes/nad.h"
#include "codes/input_ranges.h"
#include "codes/nad_file.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"

enum { SAFETY_BLOCK_VERSION = 2 };

// The nine annex factors of the record in their fixed order, from a
// constant table: every weld of every load case checks its factors.
static double* annex_factor(Sicherheitsbeiwerte_Record* r, int i) {
    using R = Sicherheitsbeiwerte_Record;
    static constexpr double R::*kSlots[9] = {&R::gamma_M0, &R::gamma_M1,    &R::gamma_M2, &R::gamma_M3,   &R::gamma_M4,
                                             &R::gamma_M5, &R::gamma_M6ser, &R::gamma_M7, &R::gamma_M3ser};
    return &(r->*kSlots[i]);
}

enum { FIELD_COUNT = 11 };

// Field i of the record in the order of the file block: the nine annex
// factors, then 9 gamma_Mser and 10 gamma_Mfi.
static double field_value(const Sicherheitsbeiwerte_Record* r, int field) {
    if (field == 9) return r->gamma_Mser;
    if (field == 10) return r->gamma_Mfi;
    return *annex_factor(const_cast<Sicherheitsbeiwerte_Record*>(r), field);
}

static void ec3_factors(const NAD_EC3_Block* b, double* out) {
    out[0] = b->ec3_1.gamma_M0;
    out[1] = b->ec3_1.gamma_M1;
    out[2] = b->ec3_1.gamma_M2;
    out[3] = b->ec3_8.gamma_M3;
    out[4] = b->ec3_8.gamma_M4;
    out[5] = b->ec3_8.gamma_M5;
    out[6] = b->ec3_8.gamma_M6ser;
    out[7] = b->ec3_8.gamma_M7;
    out[8] = b->ec3_8.gamma_M3ser;
}

void* Get_NAD_Safety_Factors(int kind, double* out) {
    if (kind == 0) {
        NAD_EC3_Block* b = Get_NAD_EC3();
        if (out && b) ec3_factors(b, out);
        return b;
    }
    if (kind == 2) {
        NAD_EC9_Block* b = Get_NAD_EC9();
        if (out && b) {
            out[0] = b->gamma_M0;
            out[1] = b->gamma_M1;
        }
        return b;
    }
    if (out)
        for (int i = 0; i < 9; ++i) out[i] = 0.0;
    return nullptr;
}

void Update_Safety_Factors_From_NAD(Sicherheitsbeiwerte_Record* r) {
    if (!r || !r->from_annex) return;
    double f[9] = {};
    if (r->kind == 0) {
        Get_NAD_Safety_Factors(0, f);
        for (int i = 0; i < 9; ++i) *annex_factor(r, i) = f[i];
    } else if (r->kind == 2) {
        Get_NAD_Safety_Factors(2, f);
        r->gamma_M0 = f[0];
        r->gamma_M1 = f[1];
    } else {
        for (int i = 0; i < 9; ++i) *annex_factor(r, i) = 0.0;
    }
    r->gamma_Mser = Get_NAD_Gamma_M_ser();
    r->gamma_Mfi = Get_NAD_Gamma_M_fi();
}

double Get_NAD_Gamma_M_ser() {
    const NAD_EC3_Block* b = Get_NAD_EC3();
    return b ? b->ec3_8.gamma_Mser : 0.0;
}

double Get_NAD_Gamma_M_fi() {
    const NAD_EC3_Block* b = Get_NAD_EC3();
    return b ? b->ec3_1.gamma_M_fi : 0.0;
}

void Clear_Safety_Factors(Sicherheitsbeiwerte_Record* r) {
    if (r) std::memset(r, 0, sizeof *r);
}

void Copy_Safety_Factors(const Sicherheitsbeiwerte_Record* src, Sicherheitsbeiwerte_Record* dst) {
    if (!dst) return;
    Clear_Safety_Factors(dst);
    if (src) *dst = *src;
}

int Safety_Factors_Equal(const Sicherheitsbeiwerte_Record* a, const Sicherheitsbeiwerte_Record* b) {
    if (!a || !b) return 0;
    if (a->from_annex != b->from_annex) return 0;
    for (int i = 0; i < FIELD_COUNT; ++i)
        if (!(std::fabs(field_value(a, i) - field_value(b, i)) <= 0.01)) return 0;
    return 1;
}

int Write_Safety_Factors(FILE* f, const Sicherheitsbeiwerte_Record* r) {
    if (!f || !r) return 1;
    if (fprintf(f, " %d\n", SAFETY_BLOCK_VERSION) < 0) return 1;
    if (fprintf(f, " %d\n", r->from_annex) < 0) return 1;
    for (int i = 0; i < FIELD_COUNT; ++i)
        if (fprintf(f, " %lf", field_value(r, i)) < 0) return 1;
    if (fprintf(f, "\n") < 0) return 1;
    return 0;
}

int Read_Safety_Factors(FILE* f, Sicherheitsbeiwerte_Record* r) {
    if (!f || !r) return 1;
    int v = 0;
    if (Scan_Int_Word(f, &v) != 1) return 1;
    if (!Check_File_Version(v, SAFETY_BLOCK_VERSION, 0)) return 1;
    if (Scan_Int_Word(f, &r->from_annex) != 1 ||
        !Input_Value_Holds(RANGE_SWITCH, r->from_annex, "Teilsicherheitsbeiwerte: genormt", nullptr,
                           "partial factors: from the annex"))
        return 1;
    // Decimal numbers only: a factor stored as "nan", "inf" or with a damaged
    // byte is a damaged file, refused here rather than carried into every
    // check that divides by it.
    for (int i = 0; i < 9; ++i)
        if (Scan_Double_Word(f, annex_factor(r, i)) != 1) return 1;
    if (v >= 1 && Scan_Double_Word(f, &r->gamma_Mser) != 1) return 1;
    if (v >= 2 && Scan_Double_Word(f, &r->gamma_Mfi) != 1) return 1;
    return 0;
}

// One print line: its text, which field, the factor's subscript (for the
// line of a failed check) and the mask bits that select it.
struct FactorLine {
    const char* format;
    int field;  // 0..8 annex factor, 9 gamma_Mser, 10 gamma_Mfi
    const char* subscript;
    bool in_mask0;
    int bits;
};

// The value goes in as its text (NAD_Factor_Text), the last "%s" takes the
// failure marker of a factor that no check may divide by; it is empty for a
// usable factor, so the line keeps its bytes.
static const FactorLine kLines[] = {
    {"%sBeanspruchbarkeit von Querschnitten └╬\\M0╬r = %s%s\n"_cp, 0, "M0", true, 0x154},
    {"%sBeanspruchbarkeit von Bauteilen bei Stabilitätsversagen └╬\\M1╬r = %s%s\n"_cp, 1, "M1", true, 0x8},
    {"%sBeanspruchbarkeit von Schrauben, Schweißnähten, Blechen auf Lochleibung └╬\\M2╬r = %s%s\n"_cp, 2,
     "M2", true, 0x73},
    {"%sGleitfestigkeit (Kategorie C) └╬\\M3╬r = %s%s\n"_cp, 3, "M3", true, 0x100},
    {"%sGleitfestigkeit im GZG (Kategorie B) └╬\\M3,ser╬r = %s%s\n"_cp, 8, "M3,ser", true, 0x80},
    {"%sLochleibungsbeanspruchbarkeit von Injektionsschrauben └╬\\M4╬r = %s%s\n"_cp, 4, "M4", true, 0x20},
    {"%sBeanspruchbarkeit von Bolzen im GZG └╬\\M6,ser╬r = %s%s\n"_cp, 6, "M6,ser", true, 0x40},
    {"%sBeanspruchbarkeit von Hohlprofilverbindungen └╬\\M5╬r = %s%s\n"_cp, 5, "M5", false, 0x1000},
    {"%sVorspannung hochfester Schrauben └╬\\M7╬r = %s%s\n"_cp, 7, "M7", true, 0x200},
    {"%sGebrauchstauglichkeit └╬\\M,ser╬r = %s%s\n"_cp, 9, "M,ser", true, 0x400},
    {"%sBeanspruchbarkeit von Bauteilen im Brandfall └╬\\M,fi╬r = %s%s\n"_cp, 10, "M,fi", true, 0x800},
};

static bool selected(const FactorLine& l, int mask) { return mask == 0 ? l.in_mask0 : (mask & l.bits) != 0; }

// A factor outside 0.5 .. 3 divides every resistance into nonsense or
// overflow (a 1e-308 of a damaged file made the resistance infinite and
// every utilisation 0, a 1e300 printed 301 digits): not usable, like 0 and
// a non-number.
static bool usable(double gamma) { return NAD_Factor_Usable(gamma) != 0; }

void Print_Safety_Factors(const Sicherheitsbeiwerte_Record* r, FILE* oli, int mask) {
    if (!r || !oli) return;
    const char* prefix = "";
    if (NAD_Load_Failed() && r->from_annex)
        OLI_printf(oli, "%sHINWEIS: NAD \"%s\" nicht lesbar - es gelten die EC-Standardparameter\n", prefix,
                   NAD_Failed_Name());
    if (!r->from_annex)
        OLI_printf(oli, "%s╬SSicherheitsbeiwerte unabhängig von den Vorgaben des Eurocodes\n"_cp, prefix);
    for (const FactorLine& l : kLines) {
        if (!selected(l, mask)) continue;
        const double v = field_value(r, l.field);
        const std::string marker = usable(v) ? std::string() : std::string("  ") + Mark_Not_Ok();
        OLI_printf(oli, l.format, prefix, NAD_Factor_Text(v).c_str(), marker.c_str());
    }
}

int Check_Safety_Factors(const Sicherheitsbeiwerte_Record* r, FILE* oli, int mask) {
    if (!r) return 1;
    int failed = 0;
    for (const FactorLine& l : kLines) {
        if (!selected(l, mask)) continue;
        const double v = field_value(r, l.field);
        if (usable(v)) continue;
        failed = 1;
        if (oli)
            OLI_printf(oli, "%sTeilsicherheitsbeiwert └╬\\%s╬r = %s ungültig (nicht zwischen 0.5 und 3)  %s\n"_cp,
                       "", l.subscript, NAD_Factor_Text(v).c_str(), Mark_Not_Ok());
    }
    return failed;
}

int Safety_Utilisation_Valid(const Sicherheitsbeiwerte_Record* r, double u) {
    if (!r || std::isnan(u)) return 0;
    return usable(r->gamma_M0) && usable(r->gamma_M2);
}
