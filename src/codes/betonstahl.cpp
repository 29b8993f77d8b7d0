// Reinforcing-steel grades: the DIN 1045 (7.88) table, the two ductility
// classes of the EN 1992-1-1 generation and the record's text form (see the
// header).
#include "codes/betonstahl.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "codes/grade_text_internal.h"
#include "codes/nad_file.h"
#include "codes/versioned_text.h"

namespace {

struct Din_Row {
    const char* name;
    double beta_S, eps_s, k_factor, E_s, f_tk;  // f_tk: the tensile strength of a converted steel
};

const Din_Row kDinRows[BETONSTAHL_DIN_COUNT] = {
    {"BSt 220/340", 220000, 0.005, 1.01, 2.1e8, 340000},
    {"BSt 420 S", 420000, 0.005, 1.3, 2.1e8, 420000},
    {"BSt 500 S", 500000, 0.005, 1.4, 2.1e8, 500000},
};

// The ductility classes: minimum (f_t / f_y)_k and ε_uk of EN 1992-1-1
// Table C.1.
struct Class_Row {
    const char* name;
    const char* b500_name;
    double k, eps_uk;
};

const Class_Row kClasses[BETONSTAHL_COUNT] = {
    {"BSt 500 (A)", "B500A", 1.05, 0.025},
    {"BSt 500 (B)", "B500B", 1.08, 0.05},
};

constexpr double kFyk = 500000.0;
constexpr double kEs = 2e8;

int Din_Row_Index(int index) { return std::clamp(index, 0, BETONSTAHL_DIN_COUNT - 1); }

void Fill_DIN_1045_Rebar(Betonstahl_DIN_Record* r, int index) {
    const Din_Row& d = kDinRows[Din_Row_Index(index)];
    NAD_Copy_Name(r->name, sizeof r->name, d.name);
    r->beta_S = d.beta_S;
    r->eps_s = d.eps_s;
    r->k_factor = d.k_factor;
    r->E_s = d.E_s;
}

void Fill_Class(Betonstahl_Record* r, int index, bool b500_name) {
    if (!r || index < 0 || index >= BETONSTAHL_COUNT) return;
    const Class_Row& c = kClasses[index];
    NAD_Copy_Name(r->name, sizeof r->name, b500_name ? c.b500_name : c.name);
    r->f_yk = kFyk;
    r->f_tk = kFyk * c.k;
    r->eps_uk = c.eps_uk;
    r->E_s = kEs;
}

}  // namespace

void Get_Betonstahl_DIN(Betonstahl_DIN_Record* record, int index) {
    if (record) Fill_DIN_1045_Rebar(record, index);
}

int Free_Betonstahl_DIN(Betonstahl_DIN_Record* record) {
    std::printf("Freie Stahldef. für %s nicht möglich!\nIntialiesierung mit %s."_cp, "DIN 1045 (7.88)", "BSt 500 S");
    std::fflush(stdout);
    if (record) Fill_DIN_1045_Rebar(record, 2);
    return 1;
}

int Betonstahl_Stub_One(void) { return 1; }

void Get_Betonstahl_Record(Betonstahl_Record* record, int index) { Fill_Class(record, index, false); }

void Get_Betonstahl_Record_B500(Betonstahl_Record* record, int index) { Fill_Class(record, index, true); }

void Betonstahl_From_DIN(Betonstahl_Record* record, int index) {
    if (!record) return;
    const Din_Row& d = kDinRows[Din_Row_Index(index)];
    char name[BETONSTAHL_NAME_SIZE];
    std::snprintf(name, sizeof name, "%s (nicht mehr genormt!)", d.name);
    NAD_Copy_Name(record->name, sizeof record->name, name);
    record->f_yk = d.beta_S;
    record->f_tk = d.f_tk;
    record->eps_uk = 0.005;
    record->E_s = 2.1e8;
}

int Write_Betonstahl_Record(const Betonstahl_Record* record) {
    if (!record) return 1;
    char name[BETONSTAHL_NAME_SIZE];
    std::memcpy(name, record->name, sizeof name);
    name[sizeof name - 1] = '\0';
    const double reserved = 0.0;
    if (Write_Structure_Version(1.0) || Write_Versioned_Value(name, 't') ||
        Write_Versioned_Value(&record->f_yk, 'd') || Write_Versioned_Value(&record->f_tk, 'd') ||
        Write_Versioned_Value(&record->eps_uk, 'd') || Write_Versioned_Value(&record->E_s, 'd') ||
        Write_Versioned_Value(&reserved, 'd'))
        return 1;
    return Write_Line_End();
}

int Read_Betonstahl_Record(Betonstahl_Record* record) {
    if (!record) return 1;
    Grade_Text_Read in("Betonstahl", 1.0);
    Betonstahl_Record r = *record;
    double reserved = 0.0;
    if (!in.Begin(r.name, sizeof r.name) || !in.Number(&r.f_yk, "f_yk") || !in.Number(&r.f_tk, "f_tk") ||
        !in.Number(&r.eps_uk, "eps_uk") || !in.Number(&r.E_s, "E_s") || !in.Number(&reserved, "Reserve"))
        return in.Refuse();
    in.End();
    *record = r;
    return 0;
}

double Gamma_s_DIN(int code) { return code == 1 ? 1.0 : 1.15; }
