// Concrete grades: the DIN 1045 (7.88) table, the class table of the EN
// 1992-1-1 generation, the derived values, the text form and the factor
// cache of the active annex (see the header for units and contracts).
//
// The strain columns of the class table are those of DIN 1045-1 Table 9,
// the generation whose classes the records name. The moduli follow the tangent-modulus relation 9.5 (f_ck + 8)^(1/3)
// GN/m² with its secant factor α_i, which the stored records were made with.
#include "codes/betonguete.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "base/rounding.h"
#include "codes/grade_text_internal.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/versioned_text.h"

namespace {

struct Din_Row {
    const char* name;
    double beta_WN, beta_R, tau011, tau012, tau02, tau1_good, tau1_moderate, E_b;
};

const Din_Row kDinRows[BETONGUETE_DIN_COUNT] = {
    {"B15", 15000, 10500, 250, 350, 1200, 1400, 700, 26000000},
    {"B25", 25000, 17500, 350, 500, 1800, 1800, 900, 30000000},
    {"B35", 35000, 23000, 400, 600, 2400, 2200, 1100, 34000000},
    {"B45", 45000, 27000, 500, 700, 2700, 2600, 1300, 37000000},
    {"B55", 55000, 30000, 550, 800, 3000, 3000, 1500, 39000000},
};

// One strength class; strains in ‰ as DIN 1045-1 Table 9 prints them (the
// classes of that generation reach C100/115 and carry the lightweight
// classes beside them).
struct Class_Row {
    const char* name;
    const char* lightweight_name;  // null: no lightweight class of this strength
    double f_ck;                   // kN/m²
    double eps_c1, eps_c1u, eps_c2, eps_c2u, n;
};

// The last row repeats n = 1.55 of C90/105, as the records were made with.
const Class_Row kClasses[BETONGUETE_COUNT] = {
    {"C12/15", "LC12/13", 12000, 1.8, 3.5, 2.0, 3.5, 2.0},
    {"C16/20", "LC16/18", 16000, 1.9, 3.5, 2.0, 3.5, 2.0},
    {"C20/25", "LC20/22", 20000, 2.1, 3.5, 2.0, 3.5, 2.0},
    {"C25/30", "LC25/28", 25000, 2.2, 3.5, 2.0, 3.5, 2.0},
    {"C30/37", "LC30/33", 30000, 2.3, 3.5, 2.0, 3.5, 2.0},
    {"C35/45", "LC35/38", 35000, 2.4, 3.5, 2.0, 3.5, 2.0},
    {"C40/50", "LC40/44", 40000, 2.5, 3.5, 2.0, 3.5, 2.0},
    {"C45/55", "LC45/50", 45000, 2.55, 3.5, 2.0, 3.5, 2.0},
    {"C50/60", "LC50/55", 50000, 2.6, 3.5, 2.0, 3.5, 2.0},
    {"C55/67", "LC55/60", 55000, 2.65, 3.4, 2.03, 3.1, 1.9},
    {"C60/75", "LC60/66", 60000, 2.7, 3.3, 2.06, 2.7, 1.8},
    {"C70/85", nullptr, 70000, 2.8, 3.2, 2.1, 2.5, 1.7},
    {"C80/95", nullptr, 80000, 2.9, 3.1, 2.14, 2.4, 1.6},
    {"C90/105", nullptr, 90000, 2.95, 3.0, 2.17, 2.3, 1.55},
    {"C100/115", nullptr, 100000, 3.0, 3.0, 2.2, 2.2, 1.55},
};

constexpr double kNormalDensity = 2200.0;
constexpr double kPermille = 0.001;
// The largest f_ck a stored record may hold: 1000 MN/m².
constexpr double kMaxStrength = 1e6;
// k of ε_lc1 = k f_lcm / (E_c η_E): lightweight aggregate with natural sand.
constexpr double kLightweightPeakFactor = 1.1;

int Din_Row_Index(int index) { return std::clamp(index, 0, BETONGUETE_DIN_COUNT - 1); }

void Fill_DIN_1045_Concrete(Betonguete_DIN_Record* r, int index) {
    const Din_Row& d = kDinRows[Din_Row_Index(index)];
    NAD_Copy_Name(r->name, sizeof r->name, d.name);
    r->beta_WN = d.beta_WN;
    r->beta_R = d.beta_R;
    r->tau011 = d.tau011;
    r->tau012 = d.tau012;
    r->tau02 = d.tau02;
    r->tau1_good = d.tau1_good;
    r->tau1_moderate = d.tau1_moderate;
    r->E_b = d.E_b;
}

// The density a lightweight relation uses: within 0 and that of
// normal-weight concrete.
double Light_Density(double density) { return std::clamp(density, 0.0, kNormalDensity); }

double Eta_E(double density) {
    const double ratio = Light_Density(density) / kNormalDensity;
    return ratio * ratio;
}

// f_ctm in MN/m² for f_ck in MN/m²: the power relation for the classes up
// to C50/60, the logarithmic one from C55/67 on.
double Tensile_Mean(double fck) {
    if (fck < 55.0) return 0.3 * std::pow(fck, 2.0 / 3.0);
    return 2.12 * std::log(1.0 + (fck + 8.0) / 10.0);
}

// EN 1992-1-1 Table 3.1, secant modulus in kN/m².
double Secant_Modulus_EC2(double fck) { return 22.0e6 * std::pow((fck + 8.0) / 10.0, 0.3); }

// ε_lc1 = ε_lcu1 (negative) of lightweight concrete, Table 11.3.1, with the
// tangent modulus 1.05 E_cm of normal-weight concrete.
double Lightweight_Peak_Strain(double fck, double density) {
    const double E = 1.05 * Secant_Modulus_EC2(fck) * Eta_E(density);
    return Guarded_Neg_Ratio(kLightweightPeakFactor, (fck + 8.0) * 1000.0, E);
}

// ε_cu2 of lightweight concrete: η1 times that of normal-weight concrete, not
// below ε_c2 (both negative).
double Lightweight_Ultimate(double eps_cu, double eps_c, double density) {
    return std::min(eps_cu * Eta1_Lightweight(density), eps_c);
}

void Derive_Peak_Strains(Betonguete_Record* r) {
    if (r->lightweight) {
        r->eps_c1 = r->eps_c1u = Lightweight_Peak_Strain(0.001 * r->f_ck, r->density);
    } else {
        Interpolate_Eps_c1(&r->eps_c1, &r->eps_c1u, r->f_ck);
    }
}

double Lightweight_Modulus_Factor(const Betonguete_Record* r) { return r->lightweight ? Eta_E(r->density) : 1.0; }

EC2_Factor_Cache g_cache;

}  // namespace

// ---- DIN 1045 (7.88) ----

void Get_Betonguete_DIN(Betonguete_DIN_Record* record, int index) {
    if (record) Fill_DIN_1045_Concrete(record, index);
}

int Free_Betonguete_DIN(Betonguete_DIN_Record* record) {
    std::printf("Freie Betondef. für %s nicht möglich!\nIntialiesierung mit %s."_cp, "DIN 1045 (7.88)", "B25");
    std::fflush(stdout);
    if (record) Fill_DIN_1045_Concrete(record, 1);
    return 1;
}

int Betonguete_Stub_One(void) { return 1; }

// ---- EN 1992-1-1 generation ----

void Get_Betonguete_Record(Betonguete_Record* record, int index, int lightweight, double density) {
    if (!record) return;
    record->lightweight = lightweight ? 1 : 0;
    record->density = record->lightweight ? density : kNormalDensity;
    if (index < 0 || index >= BETONGUETE_COUNT) return;
    const Class_Row& c = kClasses[index];
    NAD_Copy_Name(record->name, sizeof record->name, record->lightweight ? c.lightweight_name : c.name);
    record->f_ck = c.f_ck;
    record->alpha = record->lightweight ? 0.80 : 0.85;
    record->auto_E = 1;
    record->eps_c2 = -c.eps_c2 * kPermille;
    record->eps_c2u = -c.eps_c2u * kPermille;
    record->n_exp = c.n;
    if (record->lightweight) {
        record->eps_c1 = record->eps_c1u = Lightweight_Peak_Strain(0.001 * c.f_ck, record->density);
        record->eps_c2u = Lightweight_Ultimate(record->eps_c2u, record->eps_c2, record->density);
    } else {
        record->eps_c1 = -c.eps_c1 * kPermille;
        record->eps_c1u = -c.eps_c1u * kPermille;
    }
    record->E_cm = Get_E_cm(c.f_ck) * Lightweight_Modulus_Factor(record);
}

void Copy_Betonguete_Record(Betonguete_Record* destination, const Betonguete_Record* source) {
    if (!destination || !source || destination == source) return;
    Betonguete_Record copy = *source;
    copy.name[sizeof copy.name - 1] = '\0';
    *destination = copy;
}

void Interpolate_Eps_c1(double* eps_c1, double* eps_c1u, double f_ck) {
    const Class_Row* lo = &kClasses[0];
    const Class_Row* hi = lo;
    if (f_ck > kClasses[0].f_ck) {
        hi = lo = &kClasses[BETONGUETE_COUNT - 1];
        for (int j = 1; j < BETONGUETE_COUNT; ++j) {
            if (f_ck <= kClasses[j].f_ck) {
                lo = &kClasses[j - 1];
                hi = &kClasses[j];
                break;
            }
        }
    }
    const double t = hi == lo ? 0.0 : (f_ck - lo->f_ck) / (hi->f_ck - lo->f_ck);
    if (eps_c1) *eps_c1 = -(lo->eps_c1 + t * (hi->eps_c1 - lo->eps_c1)) * kPermille;
    if (eps_c1u) *eps_c1u = -(lo->eps_c1u + t * (hi->eps_c1u - lo->eps_c1u)) * kPermille;
}

void Betonguete_From_DIN(Betonguete_Record* record, int index) {
    if (!record) return;
    const Din_Row& d = kDinRows[Din_Row_Index(index)];
    char name[BETONGUETE_NAME_SIZE];
    std::snprintf(name, sizeof name, "%s (nicht mehr genormt!)", d.name);
    NAD_Copy_Name(record->name, sizeof record->name, name);
    record->f_ck = 0.78125 * d.beta_WN;
    record->alpha = 0.85;
    Interpolate_Eps_c1(&record->eps_c1, &record->eps_c1u, record->f_ck);
    record->lightweight = 0;
    record->auto_E = 1;
    record->eps_c2 = -0.002;
    record->eps_c2u = -0.0035;
    record->n_exp = 2.0;
    record->density = kNormalDensity;
    record->E_cm = d.E_b;
}

// ---- Text form ----

int Write_Betonguete_Record(const Betonguete_Record* record) {
    if (!record) return 1;
    char name[BETONGUETE_NAME_SIZE];
    std::memcpy(name, record->name, sizeof name);
    name[sizeof name - 1] = '\0';
    const double reserved = 0.0;
    if (Write_Structure_Version(1.2) || Write_Versioned_Value(name, 't') ||
        Write_Versioned_Value(&record->f_ck, 'd') || Write_Versioned_Value(&record->alpha, 'd') ||
        Write_Versioned_Value(&record->eps_c2, 'd') || Write_Versioned_Value(&record->eps_c2u, 'd') ||
        Write_Versioned_Value(&record->n_exp, 'd') || Write_Versioned_Value(&record->lightweight, 'i') ||
        Write_Versioned_Value(&record->density, 'd') || Write_Versioned_Value(&reserved, 'd') ||
        Write_Versioned_Value(&record->auto_E, 'i') || Write_Versioned_Value(&record->E_cm, 'd'))
        return 1;
    return Write_Line_End();
}

int Read_Betonguete_Record(Betonguete_Record* record) {
    if (!record) return 1;
    Grade_Text_Read in("Betongüte"_cp, 1.2);
    Betonguete_Record r = *record;
    double reserved = 0.0;
    if (!in.Begin(r.name, sizeof r.name) || !in.Number(&r.f_ck, "f_ck") || !in.Number(&r.alpha, "alpha") ||
        !in.Number(&r.eps_c2, "eps_c2") || !in.Number(&r.eps_c2u, "eps_c2u") || !in.Number(&r.n_exp, "n") ||
        !in.Switch(&r.lightweight, "Leichtbeton", Grade_Text_Always, 0) || !in.Number(&r.density, "Rohdichte") ||
        !in.Number(&reserved, "Reserve"))
        return in.Refuse();
    // No strength, or one far beyond any concrete, is damage: every value
    // derived from it would be meaningless or overflow.
    if (!(r.f_ck > 0.0 && r.f_ck <= kMaxStrength)) return in.Refuse("f_ck");
    if (!r.lightweight) r.density = kNormalDensity;
    if (!(r.density > 0.0)) return in.Refuse("Rohdichte");
    if (!in.Switch(&r.auto_E, "E-Modul automatisch", 1.2, 1)) return in.Refuse();
    const double E_default = Get_E_cm(r.f_ck) * Lightweight_Modulus_Factor(&r);
    if (!in.Number(&r.E_cm, "E_cm", 1.1, E_default)) return in.Refuse();
    in.End();
    Derive_Peak_Strains(&r);
    *record = r;
    return 0;
}

// ---- Derived values ----

double Get_E_c0m(double f_ck) { return 9.5e6 * std::cbrt(0.001 * f_ck + 8.0); }

double Get_E_cm(double f_ck) {
    const double f_cm = 0.001 * f_ck + 8.0;
    const double alpha_i = std::min(1.0, 0.8 + f_cm / 440.0);
    return alpha_i * 9.5e6 * std::cbrt(f_cm);
}

double Eta1_Lightweight(double density) { return 0.4 + 0.6 * Light_Density(density) / kNormalDensity; }

double Get_f_lctm(double f_ck, double density) {
    const double f_ctm = Round_To_Decimals(Tensile_Mean(0.001 * Round_To_Decimals(f_ck, 0)), 1);
    return f_ctm * Eta1_Lightweight(density) * 1000.0;
}

double Get_f_lctk005(double f_ck, double density) { return 0.7 * Get_f_lctm(f_ck, density); }

int Get_Betonkennwerte(double f_ck, int lightweight, double density, Betonkennwerte_Record* out) {
    if (!out) return 0;
    *out = Betonkennwerte_Record{};
    if (!(f_ck > 0.0) || !std::isfinite(f_ck) || (lightweight && !(density > 0.0))) return 0;
    const double fck = 0.001 * f_ck;
    // The strain relations end at C90/105.
    const double fs = std::min(fck, 90.0);
    const double high = fs > 50.0 ? std::pow((90.0 - fs) / 100.0, 4.0) : 0.0;
    out->f_ck = f_ck;
    out->f_cm = f_ck + 8000.0;
    out->eta1 = lightweight ? Eta1_Lightweight(density) : 1.0;
    out->eta_E = lightweight ? Eta_E(density) : 1.0;
    // Table 3.1 takes the logarithmic relation from just above C50/60 on
    // (Tensile_Mean keeps the power one up to C55/67, as DIN 1045-1 prints).
    const double f_ctm_en = fck <= 50.0 ? 0.3 * std::pow(fck, 2.0 / 3.0) : 2.12 * std::log(1.0 + (fck + 8.0) / 10.0);
    const double f_ctm = f_ctm_en * 1000.0 * out->eta1;
    out->f_ctm = f_ctm;
    out->f_ctk005 = 0.7 * f_ctm;
    out->f_ctk095 = 1.3 * f_ctm;
    out->E_cm = Secant_Modulus_EC2(fck) * out->eta_E;
    const double eps_c1 = std::min(0.7 * std::pow(fck + 8.0, 0.31), 2.8);
    const double eps_cu1 = fs < 50.0 ? 3.5 : 2.8 + 27.0 * std::pow((98.0 - (fs + 8.0)) / 100.0, 4.0);
    out->eps_c1 = -eps_c1 * kPermille;
    out->eps_cu1 = -eps_cu1 * kPermille;
    out->eps_c2 = -(fs > 50.0 ? 2.0 + 0.085 * std::pow(fs - 50.0, 0.53) : 2.0) * kPermille;
    out->eps_cu2 = -(fs > 50.0 ? 2.6 + 35.0 * high : 3.5) * kPermille;
    out->n_exp = fs > 50.0 ? 1.4 + 23.4 * high : 2.0;
    out->eps_c3 = -(fs > 50.0 ? 1.75 + 0.55 * (fs - 50.0) / 40.0 : 1.75) * kPermille;
    out->eps_cu3 = out->eps_cu2;
    if (lightweight) {
        out->eps_c1 = out->eps_cu1 = Lightweight_Peak_Strain(fck, density);
        out->eps_cu2 = Lightweight_Ultimate(out->eps_cu2, out->eps_c2, density);
        out->eps_cu3 = Lightweight_Ultimate(out->eps_cu3, out->eps_c3, density);
    }
    return 1;
}

double Beta_cc(double t, int cement_class) {
    if (!(t > 0.0)) return 1.0;
    const double s = cement_class == 1 ? 0.38 : cement_class == 2 ? 0.25 : cement_class == 3 ? 0.20 : 0.21;
    return std::exp(s * (1.0 - std::sqrt(28.0 / t)));
}

double Gamma_c_High_Strength(double f_ck, int code) {
    const double gamma = code == 1 ? 1.3 : code == 4 ? 1.0 : 1.5;
    return gamma * std::max(1.0, 1.0 / (1.1 - 0.000002 * f_ck));
}

double Guarded_Neg_Ratio(double a, double b, double c) {
    if (c > -0.00001 && c < 0.00001) return 0.0;
    return -(a * b) / c;
}

// ---- Partial factors of the active annex ----

const NAD_EC2_Block* Refresh_EC2_Factor_Cache(void) {
    const NAD_EC2_Block* b = Get_NAD_EC2();
    // The block's situations: 0 persistent/transient, 1 fatigue, 2
    // earthquake, 3 accidental.
    static const int kSituation[5] = {0, 3, 2, 1, 3};
    g_cache.variant = b->variant;
    for (int k = 0; k < 5; ++k) {
        g_cache.gamma_c[k] = b->gamma_c[kSituation[k]];
        g_cache.gamma_s[k] = b->gamma_s[kSituation[k]];
    }
    g_cache.gamma_c_sls = b->gamma_c_sls;
    g_cache.gamma_s_sls = b->gamma_s_sls;
    g_cache.alpha_cc = b->alpha_cc;
    g_cache.alpha_lct = b->alpha_lct;
    return b;
}

const EC2_Factor_Cache* Get_EC2_Factor_Cache(void) {
    if (!g_cache.valid) Refresh_EC2_Factor_Cache();
    return &g_cache;
}

int Get_EC2_Cached_Variant(void) { return Get_EC2_Factor_Cache()->variant; }

static int Situation(int k) { return k >= 0 && k < 5 ? k : 0; }

double EC2_Gamma_c(int k) { return g_cache.gamma_c[Situation(k)]; }

double EC2_Gamma_s(int k) { return g_cache.gamma_s[Situation(k)]; }

double EC2_Design_Strength(double value, int k) {
    const EC2_Factor_Cache* c = Get_EC2_Factor_Cache();
    const double gamma = c->gamma_c[Situation(k)];
    if (!(gamma > 0.0)) return 0.0;
    return value * c->alpha_cc / gamma;
}

void Reset_EC2_Factor_Cache(void) { g_cache = EC2_Factor_Cache{}; }
