#include "memberchecks/member_print_blocks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "codes/stguete.h"
#include "memberchecks/member_check.h"
#include "memberchecks/work_plates.h"
#include "profiles/profil_dwqb_model.h"
#include "section/nchwdata.h"
#include "thinwall/dwqb.h"

FILE* Member_Print_Stream = nullptr;
const char* Member_Print_Prefix = "  ";

namespace {

double Section_Value(int k) { return DWQB_Querschnittswerte[k]; }

double Inv(double W) { return W != 0 ? 1 / std::fabs(W) : 0; }

int Build(const Profil_Model_Descriptor* d, const char* name_text, const float* values, int spatial, FILE* vuve,
          FILE* messages) {
    const int mode = Get_Check_Mode_Variant(d->family, spatial);
    return Setup_Profil_DWQB(d, name_text, values, mode, vuve, messages);
}

// The grade word the material tables take: the section's grade, marked for
// the steel tables of the European code.
int Material_Code(const NachweisNorm* selector, const Member_Hook_Section* s) {
    const int code = s ? s->grade & 0xFFFF : 0;
    return Get_Norm_Code(selector) == 1 ? code + 0x10000 : code;
}

const char* Code_Text(const NachweisNorm* selector) {
    if (!selector) return " (EN 1993)";
    switch (selector->code & 0xFFFF) {
    case 0: return " (DIN 18800)";
    case 1: return " (EN 1993)";
    case 2: return " (EN 1999)";
    default: return " (????" "?)";
    }
}


}  // namespace

int Calc_Member_Corner_Stresses(const NachweisNorm*, double N, double M_1, double M_2,
                                const Profil_Model_Descriptor* descriptor, const char* name_text, const float* values,
                                double* s_1, double* s_2, double* s_3, double* s_4, int spatial, FILE* vuve,
                                FILE* messages) {
    double* out[4] = {s_1, s_2, s_3, s_4};
    for (double* o : out)
        if (o) *o = 0;
    if (!descriptor || !values) return 0;
    if (descriptor->word1 != 2 && descriptor->word1 != 5 && descriptor->word1 != 8) return 0;
    double r[4];
    if (descriptor->family < 0) {
        const double A = values[WORK_SLOT_GIVEN_A];
        const double sN = A != 0 ? 0.001 * N / A : 0;
        const double so = sN - 0.001 * M_1 * Inv(values[WORK_SLOT_GIVEN_W_TOP]),
                     su = sN + 0.001 * M_1 * Inv(values[WORK_SLOT_GIVEN_W_BOTTOM]);
        r[0] = r[1] = su;
        r[2] = r[3] = so;
    } else {
        if (!name_text || Build(descriptor, name_text, values, spatial, vuve, messages) > 0) return 0;
        const double A = Section_Value(DWQB_QW_A);
        const double sN = A != 0 ? 10 * N / A : 0;   // kN/cm² times 10
        const double a1 = Inv(Section_Value(DWQB_QW_W1)), b1 = Inv(Section_Value(DWQB_QW_W1 + 1));
        const double a2 = Inv(Section_Value(DWQB_QW_W1 + 2)), b2 = Inv(Section_Value(DWQB_QW_W1 + 3));
        // M in kNm over W in cm³: times 1000 to MN/m²
        r[0] = sN + 1000 * (M_1 * b1 - M_2 * a2);
        r[1] = sN + 1000 * (M_1 * b1 + M_2 * b2);
        r[2] = sN + 1000 * (-M_1 * a1 + M_2 * b2);
        r[3] = sN + 1000 * (-M_1 * a1 - M_2 * a2);
    }
    for (int k = 0; k < 4; k++)
        if (out[k]) *out[k] = r[k];
    return 1;
}

int Print_Member_Section_Values(const NachweisNorm* selector, int, const Profil_Model_Descriptor* descriptor,
                                const float* values, const char* name_text, int spatial) {
    FILE* f = Member_Print_Stream;
    if (!f || !descriptor || !values || !name_text) return 0;
    const int code = Get_Norm_Code(selector);
    Current_Check_Symbols = code != 0 || (Get_Symbol_Set_Flag() & 1) ? &Check_Symbols_EN : &Check_Symbols_DIN;
    const char* P = Member_Print_Prefix;
    if (descriptor->family >= 0) {
        const int mode = Get_Check_Mode() == 4096 && spatial && descriptor->family == PROFIL_FAMILY_ROUND
                             ? 7
                             : Get_Check_Mode_Variant(descriptor->family, spatial);
        const int r = Setup_Profil_DWQB(descriptor, name_text, values, mode, nullptr, nullptr);
        if (r > 0) return r;
    }
    std::fprintf(f, " %s", P);
    if (descriptor->family < 0)
        return std::fprintf(f,
                            "Allgemeiner Querschnitt:  A = %.1f cm╬/2╬r,  W╬\\o╬r = %.1f cm╬/3╬r,  "
                            "W╬\\u╬r = %.1f cm╬/3╬r\n"_cp,
                            1e4 * values[WORK_SLOT_GIVEN_A], 1e6 * std::fabs(values[WORK_SLOT_GIVEN_W_TOP]),
                            1e6 * std::fabs(values[WORK_SLOT_GIVEN_W_BOTTOM]));
    if (descriptor->family == PROFIL_FAMILY_USER) {
        std::fprintf(f, "Benutzerdefinierter Querschnitt aus Q7-VUVE: %.27s\n", Profil_DWQB_Store.section_name);
    } else if (descriptor->catalogue > 0) {
        char name[36];
        std::snprintf(name, sizeof name, "%.35s", name_text + 4);
        for (int k = static_cast<int>(std::strlen(name)) - 1; k >= 0 && name[k] == ' '; k--) name[k] = 0;
        const char* trimmed = name;
        while (*trimmed == ' ') trimmed++;
        std::fprintf(f, "Profil %s", trimmed);
        if (spatial && name_text[0] == '-') std::fprintf(f, " (90\xF8 gedreht)");
        if (!spatial) std::fprintf(f, ", Biegung um die %s-Achse", name_text[0] == '-' ? "z" : "y");
        std::fprintf(f, "\n");
    } else {
        static const char* const shapes[15] = {"?????", "I-Querschnitt", "T-Querschnitt", "U-Querschnitt",
                                               "M-Querschnitt", "L-Querschnitt", "Z-Querschnitt", "Rohr",
                                               "doppeltsymm. Kasten", "Pi-Querschnitt", "einfachsymm. Kasten",
                                               "Flacheisen", "Rundstahl", "allg. I-Querschnitt",
                                               "gedrehter I-Querschnitt"};
        const int fam = descriptor->family;
        if (spatial) {
            const int shown = fam == 12 ? 13 : fam == 13 ? 11 : fam == 11 ? 12 : fam;
            std::fprintf(f, "Querschnitts-Typ S%d", shown);
        } else {
            static const int plane[15] = {0, 1, 2, 3, 2, 5, 6, 8, 6, 4, 5, 9, 10, 3, 7};
            std::fprintf(f, "Querschnitts-Typ %d", fam >= 0 && fam <= 14 ? plane[fam] : fam);
        }
        std::fprintf(f, ":  %s\n %sQuerschnittsgeometrie:  ", fam >= 0 && fam <= 14 ? shapes[fam] : "?????", P);
        const float* v = values + 20;
        if ((fam >= 1 && fam <= 6) || fam == 14)
            std::fprintf(f, "h = %.1f cm,  s = %.1f cm,  b = %.1f cm,  t = %.1f cm", v[0], v[2], v[1], v[3]);
        else if (fam == 7)
            std::fprintf(f, "r╬\\a╬r = %.1f cm,  r╬\\i╬r = %.1f cm"_cp, v[0] / 2, v[0] / 2 - v[2]);
        else if (fam == 11)
            std::fprintf(f, "h = %.1f cm,  b = %.1f cm", v[0], v[1]);
        else if (fam == 12)
            std::fprintf(f, "d = %.1f cm", v[0]);
        else
            std::fprintf(f, "?????");
        std::fprintf(f, "\n");
        if (fam == 0) return 1;
    }
    std::fprintf(f, " %sQuerschnittswerte:  ", P);
    if (!spatial)
        return std::fprintf(f, "A = %.1f cm╬/2╬r,  I╬\\m╬r = %.1f cm╬/4╬r\n"_cp, Section_Value(DWQB_QW_A),
                            Section_Value(DWQB_QW_IY));
    std::fprintf(f,
                 "A = %.1f cm╬/2╬r,  I╬\\m╬r = %.1f cm╬/4╬r,  I╬\\n╬r = %.1f cm╬/4╬r,  "
                 "I╬\\mn╬r = %.1f cm╬/4╬r\n"_cp,
                 Section_Value(DWQB_QW_A), Section_Value(DWQB_QW_IY), Section_Value(DWQB_QW_IZ), Section_Value(DWQB_QW_IYZ));
    if (std::fabs(Section_Value(DWQB_QW_ALPHA)) > 0.001)
        std::fprintf(f,
                     " %sQuerschnittswerte (Hauptachsen):  I╬\\%s╬r = %.1f cm╬/4╬r,  I╬\\%s╬r = %.1f "
                     "cm╬/4╬r,  %s = %.2f \xF8\n"_cp,
                     P, "\xC1", Section_Value(DWQB_QW_I1), "\xD3", Section_Value(DWQB_QW_I2), "\xBA", Section_Value(DWQB_QW_ALPHA) * 57.29577951308232);
    return std::fprintf(f,
                        " %sQuerschnittswerte (Torsion):  I╬\\T╬r = %.2f cm╬/4╬r,  I╬\\w╬r = %.2f "
                        "cm╬/6╬r\n"_cp,
                        P, Section_Value(DWQB_QW_IT), Section_Value(DWQB_QW_IW));
}

int Print_Material_Short(const NachweisNorm* selector, void* context) {
    FILE* f = Member_Print_Stream;
    if (!f) return 0;
    Profil_Model_Descriptor* d = nullptr;
    float* values = nullptr;
    Member_Hook_Section* s = nullptr;
    Call_Querschnitt_Hook(context, &d, &values, &s);
    const double t = s ? 10 * s->dimensions[0] : 0;
    const bool alu = Get_Norm_Code(selector) == 2;
    const int code = Material_Code(selector, s);
    return std::fprintf(f, " %sMaterial%s:  %s %s,  d = %.1f mm,  f╬\\y,k╬r = %.0f MN/m╬/2╬r\n"_cp,
                        Member_Print_Prefix, Code_Text(selector), alu ? "Aluminium" : "Stahl",
                        Get_Material_Name(selector, code), t, Get_Material_Strength(selector, code, t));
}

int Print_Material(const NachweisNorm* selector, void* context, int) {
    FILE* f = Member_Print_Stream;
    if (!f) return 0;
    Profil_Model_Descriptor* d = nullptr;
    float* values = nullptr;
    Member_Hook_Section* s = nullptr;
    Call_Querschnitt_Hook(context, &d, &values, &s);
    const char* P = Member_Print_Prefix;
    const bool alu = Get_Norm_Code(selector) == 2;
    const int code = Material_Code(selector, s);
    const double t = s ? 10 * s->t_max : 0;
    const double f_yk = Get_Material_Strength(selector, code, t);
    const uint32_t o = s ? s->options : 0;
    std::fprintf(f, " %sMaterial%s:  %s %s,  t╬\\max╬r = %.0f mm"_cp, P, Code_Text(selector), alu ? "Aluminium" : "Stahl",
                 Get_Material_Name(selector, code), t);
    int r;
    if ((o & OPT_FIRE) && values) {
        const double k = values[WORK_SLOT_FIRE_F_Y];
        r = std::fprintf(f,
                         "\n %sBrandfall:  T╬\\fi╬r = %.2f \xF8" "C,  f╬\\y,k,fi╬r = f╬\\y,k╬r * k╬\\y,fi╬r = %.0f * "
                         "%.4f MN/m╬/2╬r = %.2f MN/m╬/2╬r\n"_cp,
                         P, s->fire_temperature, f_yk, k, f_yk * k);
    } else {
        r = std::fprintf(f, ",  f╬\\y,k╬r = %.0f MN/m╬/2╬r\n"_cp, f_yk);
    }
    if ((o & OPT_INTERACTION) && d && values && d->section_kind >= 1 && d->section_kind <= 5) {
        static const char* const cases[5] = {
            "  Biegung um y-Achse - doppeltsymmetrische I-Profile", "  Biegung um y-Achse - einfachsymmetrisch",
            "  Biegung um y-Achse - doppeltsymmetrisch", "  Biegung um z-Achse - doppeltsymmetrisch",
            "  Biegung um y- und z-Achse - Kreisring"};
        static const char* const lines[5] = {
            "A = %.1f cm╬/2╬r,  h╬\\S╬r = %.1f cm,  s = %.1f cm,  W╬\\pl╬r = %.1f cm╬/3╬r"_cp,
            ("A╬\\1╬r = %.1f cm╬/2╬r,  A╬\\2╬r = %.1f cm╬/2╬r,  A╬\\3╬r = %.1f cm╬/2╬r,  "
             "h╬\\S╬r = %.1f cm"_cp),
            "A = %.1f cm╬/2╬r,  A╬\\S╬r = %.1f cm╬/2╬r,  h╬\\S╬r = %.1f cm"_cp,
            "A╬\\G╬r = %.1f cm╬/2╬r,  A╬\\S╬r = %.1f cm╬/2╬r,  b = %.1f cm"_cp,
            "d╬\\M╬r = %.1f cm,  t = %.1f cm"_cp};
        const int k = d->section_kind - 1;
        std::fprintf(f, " %sInteraktionsbedingung %d:%s\n %sInteraktionswerte:  ", P, d->section_kind, cases[k], P);
        // The format is one of the constant texts above, never data.
        std::fprintf(f, lines[k], values[0], values[1], values[2], values[3]);
        std::fprintf(f, "\n");
        const double a = values[WORK_SLOT_SHAPE_FACTOR_Y], b = values[WORK_SLOT_SHAPE_FACTOR_Z];
        if (b > 0)
            r = std::fprintf(f, " %sPlastische Formbeiwerte:  %s╬\\pl,%s╬r = %.3f,  %s╬\\pl,%s╬r = %.3f\n"_cp, P, "\xBA",
                             "y", a, "\xBA", "z", b);
        else
            r = std::fprintf(f, " %sPlastischer Formbeiwert:  %s╬\\pl╬r = %.3f\n"_cp, P, "\xBA", a);
    }
    Work_Plates w;
    if ((o & OPT_TSV) && Read_Work_Plates(d, values, &w)) {
        if (w.kind == TSV_KIND_ONE_FLANGE || w.kind == TSV_KIND_TWO_FLANGES) {
            const int plates = w.present(0) + w.present(1) + w.present(2);
            r = std::fprintf(f,
                             " %s%d-Blech Querschnitt, Bezugspunkt ist Mittelpunkt Steg, Hauptachsendrehwinkel %s = "
                             "%.2f \xF8:\n",
                             P, plates, "\xBA", Section_Value(DWQB_QW_ALPHA) * 57.29577951308232);
            if (w.present(0))
                r = std::fprintf(f,
                                 " %s b╬\\o╬r = %.2f cm,  t╬\\o╬r = %.2f cm,  y╬\\o╬r = %.2f cm,  "
                                 "z╬\\o╬r = %.2f cm\n"_cp,
                                 P, w.b[0], w.t[0], w.y[0] - w.y_r, w.z[0] - w.z_r);
            if (w.present(1))
                r = std::fprintf(f, " %s h╬\\s╬r = %.2f cm,  t╬\\s╬r = %.2f cm\n"_cp, P, w.b[1], w.t[1]);
            if (w.present(2))
                r = std::fprintf(f,
                                 " %s b╬\\u╬r = %.2f cm,  t╬\\u╬r = %.2f cm,  y╬\\u╬r = %.2f cm,  "
                                 "z╬\\u╬r = %.2f cm\n"_cp,
                                 P, w.b[2], w.t[2], w.y[2] - w.y_r, w.z[2] - w.z_r);
        } else if (w.kind == TSV_KIND_CIRCLE) {
            r = std::fprintf(f, " %sKreisring-Querschnitt:  d╬\\a╬r = %.2f cm,  d╬\\i╬r = %.2f cm\n"_cp, P, w.b[1],
                             w.b[1] - 2 * w.t[1]);
        } else if (w.kind == TSV_KIND_ROUND_BAR) {
            r = std::fprintf(f, " %sRundstahl-Querschnitt:  d = %.2f cm\n", P, w.b[1]);
        } else if (w.kind == TSV_KIND_RECTANGLE) {
            r = std::fprintf(f, " %sFlachstahl-Querschnitt:  h = %.2f cm,  b = %.2f cm\n", P, w.b[1], w.t[1]);
        }
    }
    return r;
}

int Print_Elastic_Check(void* context, const Nachweisdaten* record) {
    FILE* f = Member_Print_Stream;
    if (!f || !record) return 0;
    const uint32_t code = Get_Check_Flags_Of_Data(record);
    const double gamma = record->n_f64 > 0 && record->block ? static_cast<const double*>(record->block)[0] : 0;
    int r = std::fprintf(f,
                         (code & 0xFFFF) == 1 ? " %sElastischer Nachweis (EN 1993-1-1 6.2.1(5)):  %s╬\\M╬r = %.2f"_cp
                                              : " %sElastischer Nachweis (El. 747):  %s╬\\M╬r = %.2f"_cp,
                         Member_Print_Prefix, "\xC0", gamma);
    Profil_Model_Descriptor* d = nullptr;
    float* values = nullptr;
    Member_Hook_Section* s = nullptr;
    Call_Querschnitt_Hook(context, &d, &values, &s);
    const uint32_t o = s ? s->options : 0;
    if (o & 0x31C) {
        std::fprintf(f, ",  Ausnutzung aus ");
        const char* sep = "";
        if (o & OPT_NORMAL) std::fprintf(f, "%s\xCC", sep), sep = ", ";
        if (o & OPT_SHEAR) std::fprintf(f, "%s\xD6", sep), sep = ", ";
        if (o & OPT_MISES) std::fprintf(f, "%s%s╬\\v╬r"_cp, sep, "\xCC");
    }
    r = std::fprintf(f, "\n");
    return r;
}

int Calc_Stress_Ratios(uint32_t options, const double* limits, const double* stresses, double* results) {
    if (!limits || !stresses || !results) return 0;
    for (int k = 0; k < 7; k++) results[k] = 0;
    const double s_min = stresses[0], s_max = stresses[1], tau = stresses[2], sv = stresses[3];
    if ((options & 0x104) && limits[0] > 0 && s_min < 0) results[0] = -s_min / limits[0];
    if ((options & 0x204) && limits[1] > 0 && s_max > 0) results[1] = s_max / limits[1];
    if ((options & OPT_SHEAR) && limits[2] > 0) results[2] = std::fabs(tau) / limits[2];
    if ((options & OPT_MISES) && limits[3] > 0) results[3] = sv / limits[3];
    int best = 0;
    for (int k = 1; k < 4; k++)
        if (results[k] > results[best]) best = k;
    results[4] = std::max(results[0], results[1]);
    results[5] = results[best];
    results[6] = stresses[4 + best];
    return 1;
}

int Calc_Plate_Stress_State(const double* input, const double*, double* results) {
    if (!input || !results) return 0;
    const double a = input[0], b = input[1], t = input[2];
    const double half = 0.5 * std::sqrt((a - b) * (a - b) + 4 * t * t);
    results[0] = (a + b) / 2 + half;
    results[1] = (a + b) / 2 - half;
    results[2] = std::atan2(2 * t, a - b) * 28.64788975654116;
    results[3] = std::sqrt(a * a + b * b - a * b + 3 * t * t);
    return 1;
}

int Calc_Plate_Stress_State_Grade(const double* plate, const double* input, double* results) {
    if (!plate || !input || !results) return 0;
    Calc_Plate_Stress_State(input, nullptr, results);
    return Get_Stahlguete_Festigkeit(static_cast<unsigned>(plate[0]), 10 * plate[1], 1.0, results + 4) ? 1 : 0;
}

namespace {

// The plastic resistances of the plates and of the whole section (kN, kNm)
// for design strength f (kN/cm²): shear as the mean stress over the plate,
// torsion as the partial-internal-forces check takes it (tau_R (2b - t) t² / 4),
// the plate's own bending f t b² / 4. The web carries V_z; a flange's share
// k of V_y is the other flange's distance from it over their spacing.
int Print_Part_Resistances(FILE* f, const char* P, const Work_Plates& w, double fy) {
    const double tau = fy * 0.5773502691896258;
    double V[3], Mxp[3], Npl[3], Mpl[3], it[3], it_sum = 0;
    for (int k = 0; k < 3; k++) {
        const double b = w.present(k) ? w.b[k] : 0, t = w.present(k) ? w.t[k] : 0;
        V[k] = tau * b * t, Mxp[k] = tau * (2 * b - t) * t * t / 4 / 100, Npl[k] = fy * b * t;
        Mpl[k] = fy * t * b * b / 4 / 100, it[k] = b * t * t * t, it_sum += it[k];
    }
    double rz[3][3], ry[3][3];
    const int n = Work_Plate_Rectangles(w, rz, ry);
    std::fprintf(f,
                 " %s V╬\\pl╬r = %.1f kN,  M╬\\pl,xp╬r = %.2f kNm,  N╬\\pl╬r = %.1f kN,  "
                 "M╬\\y,pl╬r = %.2f kNm,  M╬\\z,pl╬r = %.2f kNm\n"_cp,
                 P, V[1], Mxp[0] + Mxp[1] + Mxp[2], Npl[0] + Npl[1] + Npl[2], fy * Plastic_Modulus(rz, n) / 100,
                 fy * Plastic_Modulus(ry, n) / 100);
    int r = std::fprintf(f, " %s plastische Grenzschnittgr\x94\xE1" "en der Querschnittsteile in KN,m:\n", P);
    const double spacing = w.z[2] - w.z[0];
    const bool both = w.present(0) && w.present(2) && spacing != 0;
    for (int k : {0, 1, 2}) {
        if (!w.present(k)) continue;
        const double ratio = it_sum > 0 ? it[k] / it_sum : 0;
        if (k == 1) {
            r = std::fprintf(f,
                             " %s  V╬\\pl,s╬r = %.1f,  M╬\\pl,xp,s╬r = %.2f,  N╬\\pl,s╬r = %.1f,  "
                             "M╬\\pl,s╬r = %.2f,  I╬\\T,s╬r/I╬\\T╬r = %.2f\n"_cp,
                             P, V[k], Mxp[k], Npl[k], Mpl[k], ratio);
            continue;
        }
        const double k_share = !both ? 1.0 : (k == 0 ? w.z[2] - w.z_r : w.z_r - w.z[0]) / spacing;
        r = std::fprintf(f,
                         k == 0 ? " %s  V╬\\pl,o╬r = %.1f,  M╬\\pl,xp,o╬r = %.2f,  N╬\\pl,o╬r = %.1f,  "
                                  "M╬\\pl,o╬r = %.2f,  I╬\\T,o╬r/I╬\\T╬r = %.2f,  %s╬\\o╬r = %.2f\n"_cp
                                : " %s  V╬\\pl,u╬r = %.1f,  M╬\\pl,xp,u╬r = %.2f,  N╬\\pl,u╬r = %.1f,  "
                                  "M╬\\pl,u╬r = %.2f,  I╬\\T,u╬r/I╬\\T╬r = %.2f,  %s╬\\u╬r = %.2f\n"_cp,
                         P, V[k], Mxp[k], Npl[k], Mpl[k], ratio, "k", k_share);
    }
    return r;
}

}  // namespace

int Print_Plastic_Check(void* context, const Nachweisdaten* record) {
    FILE* f = Member_Print_Stream;
    if (!f || !record) return 0;
    Profil_Model_Descriptor* d = nullptr;
    float* values = nullptr;
    Member_Hook_Section* s = nullptr;
    Call_Querschnitt_Hook(context, &d, &values, &s);
    const char* P = Member_Print_Prefix;
    uint32_t words[2];
    Get_Check_Flags_Of_Data_Ex(record, words);
    const NachweisNorm selector{words[0], words[1]};
    const int code = Get_Norm_Code(&selector);
    Current_Check_Symbols = code != 0 || (Get_Symbol_Set_Flag() & 1) ? &Check_Symbols_EN : &Check_Symbols_DIN;
    const uint32_t o = d && values ? Derive_Check_Options(&selector, d, "    ", values, 1) : (s ? s->options : 0);
    const double gamma = record->n_f64 > 0 && record->block ? static_cast<const double*>(record->block)[0] : 1.0;
    const int grade = Material_Code(&selector, s);
    const double f_y = Get_Material_Strength(&selector, grade, s ? 10 * s->t_max : 0);
    const double f_yd = gamma > 0 ? f_y / gamma : 0;
    if ((o & OPT_FIRE) && values && s)
        std::fprintf(f,
                     " %sBrandfall:  T╬\\fi╬r = %.2f \xF8" "C,  f╬\\y,k,fi╬r = f╬\\y,k╬r * k╬\\y,fi╬r = %.0f * "
                     "%.4f MN/m╬/2╬r = %.2f MN/m╬/2╬r\n"_cp,
                     P, s->fire_temperature, f_y, values[WORK_SLOT_FIRE_F_Y], f_y * values[WORK_SLOT_FIRE_F_Y]);
    int r;
    if (o & OPT_INTERACTION) {
        std::fprintf(f, code == 0 ? " %sPlastischer Nachweis (El. 757):  Interaktion %d"
                                  : " %sPlastischer Nachweis (EN 1993-1-1 6.2.1(6)):  Interaktion %d",
                     P, d ? d->section_kind : 0);
        r = std::fprintf(f, ",  %s╬\\M╬r = %.2f,  %s╬\\S,d╬r = %.1f MN/m╬/2╬r\n"_cp, "\xC0", gamma, "\xCC", f_yd);
    } else if (o & OPT_STRAIN) {
        std::fprintf(f, " %sPlastischer Querschnittsnachweis: Dehnungsiteration, ohne Iteration der Schubausnutzung", P);
        r = std::fprintf(f, ":\n %s %s╬\\M╬r = %.2f,  f╬\\y,d╬r = %.2f MN/m╬/2╬r,  %s╬\\R,d╬r = %.2f MN/m╬/2╬r\n"_cp,
                         P, "\xC0", gamma, f_yd, "\xCC", f_yd);
    } else if (o & (OPT_TSV | OPT_TSV_LINES)) {
        std::fprintf(f, o & OPT_TSV ? " %sPlastischer Querschnittsnachweis: Teilschnittgr\x94\xE1" "enverfahren"
                                    : " %sPlastischer Querschnittsnachweis: erweitertes Teilschnittgr\x94\xE1" "enverfahren",
                     P);
        std::fprintf(f, "%s\n", (o & OPT_NO_LIMIT_125) ? " ohne Umlagerung" : " mit Umlagerung");
        r = std::fprintf(f, (o & OPT_NO_LIMIT_125) ? " %s Keine Begrenzung der Grenzbiegemomente.\n"
                                                   : " %s Keine Begrenzung der Grenzbiegemomente nach Element 755.\n",
                         P);
        Work_Plates w;
        if ((o & OPT_TSV) && Read_Work_Plates(d, values, &w) &&
            (w.kind == TSV_KIND_ONE_FLANGE || w.kind == TSV_KIND_TWO_FLANGES))
            r = Print_Part_Resistances(f, P, w, f_yd / 10);
    } else if (code == 1) {
        r = std::fprintf(f, " %sElastischer Nachweis (EN 1993-1-1 6.2.1(5)):  %s╬\\M╬r = %.2f\n"_cp, P, "\xC0", gamma);
    } else if (code == 2) {
        r = std::fprintf(f, " %sElastischer Nachweis (EN 1999-1-1 6.2.1(5)):  %s╬\\M╬r = %.2f,  C = %.2f\n"_cp, P, "\xC0",
                         gamma, Get_Check_Factor());
    } else {
        r = std::fprintf(f, " %sElastischer Nachweis (El. 747):  %s╬\\M╬r = %.2f\n"_cp, P, "\xC0", gamma);
    }
    if (values) {
        for (int c = 0; c < 2; c++) {
            if (!(o & (c == 0 ? OPT_BUCKLING_1 : OPT_BUCKLING_2))) continue;
            const double beta = values[61 + 2 * c], L = values[62 + 2 * c];
            std::fprintf(f, " %sKnicken um die %s-Achse", P, c == 0 ? "\xC1" : "\xD3");
            r = std::fprintf(f, ":  L╬\\cr╬r = %s * L = %.2f * %.0f cm = %.0f cm\n"_cp, "\xBB", beta, 100 * L,
                             beta * 100 * L);
        }
    }
    return r;
}
