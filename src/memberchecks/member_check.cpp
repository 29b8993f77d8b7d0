#include "memberchecks/member_check.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>

#include "base/cp850.h"
#include "codes/alguete.h"
#include "codes/stguete.h"
#include "memberchecks/plastic_axis.h"
#include "memberchecks/work_plates.h"
#include "printlist/verdict.h"
#include "profiles/profil.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb.h"
#include "thinwall/dwqb_transfer.h"
#include "thinwall/engine_faults.h"
#include "thinwall/plastic_shear.h"
#include "thinwall/plo.h"

FILE* Member_Check_Stream = nullptr;
const char* Member_Check_Prefix = "   ";

void Member_Check_Printf(const char* format, ...) {
    if (!Member_Check_Stream) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(Member_Check_Stream, format, args);
    va_end(args);
}

namespace {

#define Out Member_Check_Printf

double Section_Value(int k) { return DWQB_Querschnittswerte[k]; }

float Slot(const float* values, int k) { return values[k]; }

void Fill_Point(double* out, int index) {
    double y, z, s, t, v;
    if (!Get_Section_Point_Stress(index, &y, &z, &s, &t, &v)) return;
    out[0] = y, out[1] = z, out[2] = s, out[3] = t, out[4] = v;
}

// Class reached after a plastic method with utilisation U. A plastic
// utilisation is used in place of the elastic one, so it needs a section
// that may develop its plastic resistance - class 2 at least - even where
// the elastic stresses stay below the strength: a class 3 section has only
// its elastic resistance, and the check by class falls back on it.
int Plastic_Class(int reached, double U, int check_flags) {
    const int c = U > 0.999 && (check_flags & MEMBER_CHECK_FULL_PLASTIC_CLASS_2) ? 2 : 1;
    return std::max(reached, c);
}

const char* const tsv_reasons[] = {
    "%s╬bDer Querschnitt kann nicht nachgewiesen werden !!!╬r\n"_cp,
    "%s╬bDie Schubspannungen k\x94nnen vom Querschnitt nicht aufgenommen werden !!!╬r\n"_cp,
    "%s╬bDie Biegemomente k\x94nnen vom Querschnitt (mit Schub) nicht aufgenommen werden !!!╬r\n"_cp,
    "%s╬bDie Gurtbiegemomente k\x94nnen vom Querschnitt (mit Schub) nicht aufgenommen werden !!!╬r\n"_cp,
    "%s╬bDie Normalkraft kann vom Querschnitt (mit Schub und Gurtbiegung) nicht aufgenommen werden !!!╬r\n"_cp,
    "%s╬bDas y-Moment kann vom Querschnitt (mit Schub, Gurtbiegung und Normalkraft) nicht aufgenommen "
    "werden !!!╬r\n"_cp,
};

// The reason lines of a partial-internal-forces result; returns whether any
// was printed.
bool Tsv_Reasons(uint32_t flags, int work_kind, bool first_only) {
    bool any = false;
    const uint32_t bits[5] = {0x10, 0x1, 0x2, 0x4, 0x8};
    for (int k = 0; k < 5; k++) {
        if (flags & bits[k]) continue;
        // Bit 0x2 reads as the bending moments for work kinds 1, 14 and 15,
        // as the flange moments otherwise; the later bits sit a line lower.
        int line = k;
        if (k == 2)
            line = (work_kind == TSV_KIND_CIRCLE || work_kind == TSV_KIND_ROUND_BAR || work_kind == TSV_KIND_RECTANGLE)
                       ? 2
                       : 3;
        if (k > 2) line = k + 1;
        Out(tsv_reasons[line], Member_Check_Prefix);
        any = true;
        if (first_only) break;
    }
    return any;
}

// What the steps of one check share: the call, what its selector and section
// say, and the results as they build up.
struct Check_State {
    const Member_Check_Input* in;
    Member_Check_Output* out;
    Stabnachweis_Ergebnis* record;
    int code;
    bool en, aluminium, fire, turned;
    const Check_Symbol_Set* sym;
    uint32_t grade;     // grade code, EN steel grades + 0x10000
    uint32_t options;   // the option word as the methods leave it
    uint32_t elastic;   // the elastic group that replaces a failed plastic method
    uint32_t flags;
    int catalogue;      // catalogue record number, 0 for a user section
    const char* name;   // the catalogue name behind the name text's lead
    double U_sigma, U_ct_int, U_ct_out, U_b;
};

// What the steps on the model share: the elastic extremes (MN/m²), the
// strengths, the El. 750 factors and what the plastic methods reached.
struct Model_State {
    double s_max, s_min, s_abs, t_max, sv_max;
    double f_y, E, f_y_red, ct_factor, f_yd;
    double k_N, k_1, k_2, k_B;
    double W_1a, W_1b, W_2a, W_2b;
    bool prepared750;
    int reached;        // section class reached: 0, 1 or 2
    double U_plastic;
    double forces[8];   // the forces of the stress evaluation (kN, kNcm)
    double f_rot[8];    // forces in kN, kNcm about the model's principal axes
    double yield[2];    // f_y and f_y,d in kN/cm²
    int32_t work_code;
};

// Steps 1 to 3: the selector's code and symbol set, the grade code, the
// record cleared and the option word derived.
Check_State Begin_Check(const Member_Check_Input& in, Member_Check_Output* out, Stabnachweis_Ergebnis* record) {
    Check_State s{};
    s.in = &in;
    s.out = out;
    s.record = record;
    const NachweisNorm* selector = in.selector;
    s.code = Get_Norm_Code(selector);
    s.en = s.code == 1 || s.code == 2;
    s.aluminium = s.code == 2;
    Current_Check_Symbols = s.en || (Get_Symbol_Set_Flag() & 1) ? &Check_Symbols_EN : &Check_Symbols_DIN;
    s.sym = Current_Check_Symbols;
    s.grade = static_cast<uint32_t>(in.descriptor->grade) & 0xFFFFu;
    if (s.en && !s.aluminium) s.grade += 0x10000u;
    if (record) {
        std::memset(record, 0, sizeof *record);
        record->class_slot = -1;
        record->selector[0] = selector ? selector->code : 0;
        record->selector[1] = selector ? selector->situation : 0;
    }
    if (int32_t* kept = Get_Kept_Check_Results()) kept[0] = kept[1] = 0;
    s.options = Derive_Check_Options(selector, in.descriptor, in.name_text, in.values, in.spatial);
    s.elastic = s.code == 1 ? uint32_t{OPT_MISES} : uint32_t{OPT_ELASTIC_ALL};
    s.fire = s.options & OPT_FIRE;
    s.catalogue = in.descriptor->family == PROFIL_FAMILY_USER ? 0 : in.descriptor->catalogue;
    s.name = in.name_text + 4;
    s.turned = s.catalogue >= 1 && in.name_text[0] == '-';
    return s;
}

// Step 4: the heading lines - the accidental combination and the forces.
void Print_Check_Header(const Check_State& s) {
    const Member_Check_Input& in = *s.in;
    const Check_Symbol_Set& sym = *s.sym;
    if (in.selector && (in.selector->situation & 0xFFFF))
        Out("%sau\xE1" "ergew\x94hnliche Kombination:  %s╬\\M╬r = %.2f\n"_cp, Member_Check_Prefix, "\xC0",
            in.gamma_M0);
    if (!in.spatial) {
        Out("%sSchnittgr\x94\xE1" "en:  N = %.2f kN,  %s = %.2f kN,  M = %.2f kNm\n", Member_Check_Prefix, in.N,
            sym.text[1], in.V_2, in.M_1);
        return;
    }
    Out("%sSchnittkr\x84" "fte:  N = %.2f kN,  %s╬\\\xC1╬r = %.2f kN,  %s╬\\\xD3╬r = %.2f kN\n"
        "%sMomente:  T = %.3f kNm,  M╬\\\xC1╬r = %.2f kNm,  M╬\\\xD3╬r = %.2f kNm\n"_cp,
        Member_Check_Prefix, in.N, sym.text[1], in.V_1, sym.text[1], in.V_2, Member_Check_Prefix, in.T_t + in.T_w,
        in.M_1, in.M_2);
    if (in.T_w != 0 || in.B != 0)
        Out("%sW\x94lbkrafttorsion:  %s = %.3f kNm,  %s = %.3f kNm,  %s = %.3f kNm╬/2╬r\n"_cp, Member_Check_Prefix,
            sym.text[2], in.T_t, sym.text[3], in.T_w, sym.text[4], in.B);
}

// Step 5: a section given by its values (area slot 20, moduli 22 and 23):
// the edge stresses of N and M_1 and, when asked, their elastic check.
void Check_By_Values(Check_State& s) {
    const Member_Check_Input& in = *s.in;
    Member_Check_Output& out = *s.out;
    const double A = Slot(in.values, WORK_SLOT_GIVEN_A), W_o = Slot(in.values, WORK_SLOT_GIVEN_W_TOP),
                 W_u = Slot(in.values, WORK_SLOT_GIVEN_W_BOTTOM);
    const double s_N = A != 0 ? in.N / A : 0;
    const double s_o = W_o != 0 ? s_N - std::fabs(1 / W_o) * in.M_1 : s_N;
    const double s_u = W_u != 0 ? s_N + std::fabs(1 / W_u) * in.M_1 : s_N;
    out.sigma_1 = 0.001 * s_o;
    out.sigma_2 = 0.001 * s_u;
    s.flags = MC_STRESSES;
    if (!(s.options & OPT_ELASTIC_ALL)) return;
    double f_y = s.aluminium ? Get_Aluguete_f0(s.grade) : Get_Stahlguete_fy(s.grade, 0);
    if (s.fire) f_y *= Slot(in.values, WORK_SLOT_FIRE_F_Y);
    s.flags = 0x2900;
    const double gov = std::max(std::fabs(out.sigma_1), std::fabs(out.sigma_2));
    const double f_d = f_y / in.gamma_M0;
    s.U_sigma = f_d > 0 ? gov / f_d : 0;
    out.sigma_gov = gov;
    Out("%sSpannungen (elast.):  %s╬\\o╬r = %.2f MN/m╬/2╬r,  %s╬\\u╬r = %.2f MN/m╬/2╬r"_cp, Member_Check_Prefix, "\xCC",
        out.sigma_1, "\xCC", out.sigma_2);
    Out(",  %s/%s╬\\R,d╬r = %.1f/%.1f = %.3f\n"_cp, "\xCC", "\xCC", gov, f_d, s.U_sigma);
}

// Step 6: the thin-walled model of the section in the mode the settings and
// the spatial flag ask for; false, with the flags and record set, when it
// cannot be built.
bool Build_Check_Model(Check_State& s) {
    const Member_Check_Input& in = *s.in;
    const int family_word = in.descriptor->family;
    const int mode = Get_Check_Mode() != 4096              ? Get_Check_Mode()
                     : !in.spatial                         ? 4
                     : family_word == PROFIL_FAMILY_ROUND ? 7
                                                           : 1;
    if (Setup_Profil_DWQB(in.descriptor, in.name_text, in.values, mode, in.vuve, in.messages) <= 0) return true;
    s.flags = MC_MODEL_FAILED;
    if (s.record) {
        s.record->options = s.options;
        s.record->final_options = s.options;
        s.record->flags = s.flags;
    }
    return false;
}

// Step 7: the elastic stress extremes of the model (and their points into
// the record), printed.
void Read_Model_Stresses(const Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    const double f[8] = {in.N, in.V_1, in.V_2, 100 * in.T_t, 100 * in.M_1, 100 * in.M_2, 100 * in.T_w, 10000 * in.B};
    std::memcpy(m.forces, f, sizeof f);
    Calc_Section_Stress_Extremes(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]);
    const Section_Stress_Extremes& e = Profil_DWQB_Extremes;
    m.s_max = 10 * e.sigma_max, m.s_min = 10 * e.sigma_min, m.s_abs = 10 * e.sigma_abs;
    m.t_max = 10 * e.tau_abs, m.sv_max = 10 * e.sv_abs;
    if (s.record) {
        const int idx[MC_POINTS] = {e.i_sigma_min, e.i_sigma_max, e.i_sigma_abs, e.i_tau_min,
                                    e.i_tau_max,   e.i_tau_abs,   e.i_sv_abs};
        for (int k = 0; k < MC_POINTS; k++) Fill_Point(s.record->points[k], idx[k]);
    }
    Out("%sNormalspannungen (elast.):  %s╬\\max╬r = %.2f MN/m╬/2╬r,  %s╬\\min╬r = %.2f "
        "MN/m╬/2╬r\n"_cp,
        Member_Check_Prefix, "\xCC", m.s_max, "\xCC", m.s_min);
    Out("%sextr. Spannungen (elast.):  %s = %.2f MN/m╬/2╬r,  %s = %.2f MN/m╬/2╬r,  %s╬\\v╬r = "
        "%.2f MN/m╬/2╬r\n"_cp,
        Member_Check_Prefix, "\xCC", m.s_abs, "\xD6", m.t_max, "\xCC", m.sv_max);
}

// Step 8: yield strength (by the model's thickest wall), elastic modulus and
// design strength, reduced for fire.
void Set_Strength(const Check_State& s, Model_State& m) {
    const double t_max_mm = 10 * Section_Value(DWQB_QW_T_MAX);
    m.f_y = s.aluminium ? Get_Aluguete_f0(s.grade) : Get_Stahlguete_fy(s.grade, t_max_mm);
    m.E = s.aluminium ? Get_Aluguete_E(s.grade, nullptr) : Get_Stahlguete_E(s.grade, nullptr);
    m.f_y_red = s.fire ? m.f_y * Slot(s.in->values, WORK_SLOT_FIRE_F_Y) : m.f_y;
    m.ct_factor = s.fire ? 0.85 : 1.0;
    m.f_yd = m.f_y_red / s.in->gamma_M0;
    if (s.record) s.record->options = s.options;
}

// Step 9: the stress factors of El. 750 (plastic moduli, capped at 1.25 W
// under DIN); drops the option where the section does not qualify.
void Prepare_El750(Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    const double A = Section_Value(DWQB_QW_A);
    m.k_N = A > 0 ? 10000 / A : 0;
    m.W_1a = Section_Value(DWQB_QW_W1), m.W_1b = Section_Value(DWQB_QW_W1 + 1);
    m.W_2a = Section_Value(DWQB_QW_W1 + 2), m.W_2b = Section_Value(DWQB_QW_W1 + 3);
    if (!(s.options & OPT_EL750)) return;
    if (in.descriptor->catalogue < 1) s.options &= ~uint32_t{OPT_EL750};
    const double W_1 = std::min(std::fabs(m.W_1a), std::fabs(m.W_1b));
    const double W_2 = std::min(std::fabs(m.W_2a), std::fabs(m.W_2b));
    const double e1 = s.en ? Section_Value(DWQB_QW_WPL_Y) : std::min(1.25 * W_1, Section_Value(DWQB_QW_WPL_Y));
    const double e2 = s.en ? Section_Value(DWQB_QW_WPL_Z) : std::min(1.25 * W_2, Section_Value(DWQB_QW_WPL_Z));
    bool ok = e1 > 0 && Get_Profil_Family(s.name) == PROFIL_FAMILY_I;
    if (ok) m.k_1 = 1e6 / e1;
    if (in.spatial) {
        ok = ok && e2 > 0;
        if (e2 > 0) m.k_2 = 1e6 / e2;
        const double I_w = Section_Value(DWQB_QW_IW);
        const double omega =
            std::min(std::fabs(Section_Value(DWQB_QW_OMEGA1)), std::fabs(Section_Value(DWQB_QW_OMEGA2)));
        m.k_B = I_w > 0 && omega > 0 ? 1e8 * omega / I_w : 0;
    }
    if (!ok) s.options &= ~uint32_t{OPT_EL750};
    m.prepared750 = s.options & OPT_EL750;
}

// Step 10: the edge stresses, the largest shear and comparison stress into
// the outputs; a plane interaction check starts from class 1.
void Set_Stress_Outputs(Check_State& s, Model_State& m) {
    Member_Check_Output& out = *s.out;
    m.reached = 0;
    if (s.in->spatial) {
        out.sigma_1 = m.s_max;
        out.sigma_2 = m.s_min;
    } else {
        const bool top_max = (m.s_min - m.s_max) * s.in->M_1 >= 0;
        out.sigma_1 = top_max ? m.s_max : m.s_min;
        out.sigma_2 = top_max ? m.s_min : m.s_max;
        m.reached = s.options & OPT_INTERACTION ? 1 : 0;
    }
    out.tau_max = m.t_max;
    out.sigma_v_max = m.sv_max;
    s.flags = MC_MODEL;
    m.U_plastic = 0;
}

// Step 11: the plane interaction of the section's plastic values (slots 0
// to 5); on failure the elastic group replaces it and the reason is printed.
void Check_Interaction(Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    double v[6];
    for (int k = 0; k < 6; k++) v[k] = Slot(in.values, WORK_SLOT_RESISTANCE + k);
    v[4] /= in.gamma_M0;
    double M_gr = 0, U = 0, pair[2] = {0, 0};
    int32_t exceeded = 0;
    const int r = Calc_Plast_Widerstand_Schub(in.selector ? static_cast<int32_t>(in.selector->code) : 0, in.N, in.M_1,
                                              in.V_2, v, in.descriptor->section_kind, &M_gr, &exceeded, &U, pair);
    if (r == 0) {
        s.out->M_gr = M_gr;
        // the interaction sets the class afresh rather than raising it
        m.reached = Plastic_Class(0, U, in.check_flags);
        s.flags = 0x4F00;
        m.U_plastic = U;
        Out("%sAusnutzung aus Interaktion:  M╬\\gr╬r = %.2f kNm  %s  U╬\\%s╬r = %.3f\n"_cp, Member_Check_Prefix, M_gr,
            "\x88", "\xCC", U);
        return;
    }
    s.options = (s.options & ~uint32_t{OPT_INTERACTION | OPT_EL750}) | s.elastic;
    s.flags = 0x11008700;
    m.reached = 0;
    Out("%s╬bFehler╬r in Interaktion:  "_cp, Member_Check_Prefix);
    switch (r) {
    case 1: Out("N / N╬\\pl╬r = %.2f > %.2f"_cp, pair[0], pair[1]); break;
    case 2: Out("%s / %s╬\\pl╬r = %.2f > %.2f"_cp, s.sym->text[1], s.sym->text[1], pair[0], pair[1]); break;
    case 3: Out("N╬\\0╬r / N╬\\pl╬r = %.2f > %.2f"_cp, pair[0], pair[1]); break;
    case 4: Out("M / M╬\\pl╬r = %.2f > %.2f"_cp, pair[0], pair[1]); break;
    default: Out("unbekannter Fehler !!!"); break;
    }
    Out("\n");
}

// The forces of the plastic methods: kN and kNcm about the principal axes of
// the model; the yield strengths in kN/cm².
void Set_Plastic_Forces(const Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    const double f[8] = {in.N, in.V_1, in.V_2, 100 * in.T_t, 100 * in.M_1, 100 * in.M_2, 100 * in.T_w, 10000 * in.B};
    std::memcpy(m.f_rot, f, sizeof f);
    double* r = m.f_rot;
    if (Profil_DWQB_Store.mode != 1)
        Rotate_Forces_To_Section(&r[0], &r[1], &r[2], &r[3], &r[4], &r[5], &r[6], &r[7], Section_Value(DWQB_QW_ALPHA),
                                 Profil_DWQB_Store.mode);
    m.yield[0] = m.f_y_red * 0.1;
    m.yield[1] = m.f_yd * 0.1;
    m.work_code = reinterpret_cast<const NachweisDatenKopf*>(in.values)->code;
}

// A plastic method that gave its utilisation U and limit moment (kNcm):
// the class, the flags and the outputs it sets.
void Take_Plastic_Result(Check_State& s, Model_State& m, double U, double M_limit) {
    m.reached = Plastic_Class(m.reached, U, s.in->check_flags);
    s.flags |= 0x4800;
    s.out->M_gr = std::fabs(M_limit) * 0.01;
    m.U_plastic = U;
}

// A plastic method that failed: the elastic group replaces its option bits.
void Drop_Plastic_Method(Check_State& s, uint32_t method) {
    s.flags |= MC_METHOD_FAILED;
    s.options = (s.options & ~(method | uint32_t{OPT_EL750})) | s.elastic;
}

// Step 12: the strain iteration - the limit load factor of the model with
// the work record's option word, tolerance (slot 44), ultimate strain and
// hardening (45, 46) and target strain utilisation (47).
void Run_Strain_Iteration(Check_State& s, Model_State& m) {
    const float* values = s.in->values;
    float work_copy[74];
    std::memcpy(work_copy, values, sizeof work_copy);
    NachweisDatenKopf* work = reinterpret_cast<NachweisDatenKopf*>(work_copy);
    const Stahlguete_Record* row = s.aluminium ? nullptr : Get_Stahlguete_Record(s.grade);
    const double E_row = row ? row->E : m.E;
    const double parameters[PLO_PARAMETER] = {
        m.f_y_red * 0.1, m.f_yd * 0.1, E_row * 0.1, Slot(values, 45), Slot(values, 46), 0.0, Slot(values, 47)};
    PLO_Ergebnis result{};
    PLO_Linienergebnis* lines = nullptr;
    const int r = Calc_DWQB_PLO_Section_Work(m.f_rot, parameters, nullptr, work, 0, &result,
                                             Member_Check_Stream ? &lines : nullptr);
    if (r == 0) {
        Drop_Plastic_Method(s, OPT_STRAIN);
        Out("%s╬bUnbekannter Fehler╬r im Verfahren der Dehnungsiteration !!!\n"_cp, Member_Check_Prefix);
    } else {
        if (s.record) s.record->plo = result;
        if (Member_Check_Stream)
            Print_DWQB_PLO_Result(Member_Check_Stream, 0, Member_Check_Prefix, m.f_rot, &result, lines);
        if (result.status & PLO_STATUS_FACTORS) {
            Take_Plastic_Result(s, m, result.U, result.My);
            if (result.U > 990000) Record_Engine_Fault(ENGINE_FAULT_UTILISATION, "  pl: U > 0.99e6\n");
        }
    }
    if (lines) Free_DWQB_PLO_Result_List(lines);
}

// Step 13: the partial internal forces on the line model.
void Run_Tsv_Lines(Check_State& s, Model_State& m) {
    TSV_EX_Steuerung control{};
    control.flags = static_cast<uint32_t>(m.work_code);
    control.alpha = Section_Value(DWQB_QW_ALPHA);
    control.y_s = Section_Value(DWQB_QW_YC);
    control.z_s = Section_Value(DWQB_QW_ZC);
    control.y_M = Section_Value(DWQB_QW_YM);
    control.z_M = Section_Value(DWQB_QW_ZM);
    control.L = 100.0;
    TSV_EX_Ergebnis result{};
    TSV_EX_Linienliste* lines = nullptr;
    const int r = Calc_TSV_EX(m.f_rot, m.yield, &control, &result, Member_Check_Stream ? &lines : nullptr);
    if (r == 0) {
        Drop_Plastic_Method(s, OPT_TSV_LINES);
        Out("%s╬bUnbekannter Fehler╬r im Teilschnittgr\x94\xE1" "en-Verfahren !!!\n"_cp, Member_Check_Prefix);
    } else {
        if (s.record) s.record->tsv_ex = result;
        if (Member_Check_Stream)
            Print_TSV_EX_Result(Member_Check_Stream, 0, Member_Check_Prefix, m.f_rot, &result, lines);
        if (result.flags & WORK_CODE_FILLED) {
            const double U = result.d[TSV_EX_U_PL];
            Take_Plastic_Result(s, m, U, result.d[TSV_EX_MY]);
            if (U > 990000) Record_Engine_Fault(ENGINE_FAULT_UTILISATION, "  pl: U > 0.99e6\n");
        }
    }
    if (lines) Free_TSV_EX_Linienliste(lines);
}

// The plates of the partial internal forces stand for sloped flanges by
// their nominal thickness, which overstates the flanges' tips, and for
// parallel flanges with a web plate that reaches into them, which on heavy
// sections counts more than the root fillets add; the stress blocks of the
// real outline bound the utilisation from below. Parallel flanges whose
// plates stay clearly inside the outline need no bound. Each band keeps the
// yield strength the steel rules leave it under the shear forces and the
// torsion of the load (Calc_Open_Shear), not what the method left its plate
// at the shear forces it split among the flanges: a flange whose own share
// passed its shear resistance stopped the method before that (its shear
// check says so) and left the band with none, and the bound's utilisation
// jumped where the shear passed. Beyond 1 the bound is the reciprocal of
// the load factor on all the forces together: at the acting forces a band
// the torsion or the shear uses up sent it without limit
// (Calc_Open_Outline_Utilisation). f: the method's forces (kN, kNcm).
void Bound_By_Outline(Check_State& s, const Model_State& m, const double f[8], TSV_Ergebnis* result,
                      float* work) {
    const Plastic_Outline* o = s.in->outline;
    if (!o || (o->kind != OUTLINE_SLOPED && o->kind != OUTLINE_ROOTS)) return;
    Work_Plates w;
    if (!Read_Work_Plates(s.in->descriptor, work, &w)) return;
    if (o->kind == OUTLINE_ROOTS) {
        double across_z[3][3], across_y[3][3], A = 0;
        const int n = Work_Plate_Rectangles(w, across_z, across_y);
        for (int k = 0; k < n; k++) A += (across_z[k][1] - across_z[k][0]) * across_z[k][2];
        if (!Plates_Reach_Outline(o, 100 * A, 1000 * Plastic_Modulus(across_z, n))) return;
    }
    // the plates lie as the bands (the web stands): b across them, t their
    // thickness, in mm
    Open_Plates plates{};
    for (int k = 0; k < OUTLINE_BANDS; k++) plates.b[k] = 10 * w.b[k], plates.t[k] = 10 * w.t[k];
    plates.A_v_web = 100 * w.A_v_web, plates.A_v_web_in_flanges = 100 * w.A_v_web_in_flanges;
    plates.A_v_flanges = 100 * w.A_v_flanges;
    Open_Shear shear;
    if (!Calc_Open_Shear(o, &plates, m.f_yd, f[1], f[2], 0.01 * f[3], &shear)) return;
    const double U =
        Calc_Open_Outline_Utilisation(o, &plates, m.f_yd, f[1], f[2], 0.01 * f[3], 1000 * f[0], 1e4 * f[4], 1e4 * f[5]);
    Out("%sAusnutzung des Profilumrisses (%s):  U = %.3f\n", Member_Check_Prefix,
        o->kind == OUTLINE_SLOPED ? "geneigte Flansche, Ausrundungen" : "Ausrundungen", U);
    if (s.record) {
        s.record->outline = Outline_Result{};
        s.record->outline.kind = o->kind;
        s.record->outline.U = U;
        s.record->outline.U_plates = result->U;
        s.record->outline.f_yd = m.f_yd;
        for (int k = 0; k < OUTLINE_BANDS; k++) s.record->outline.shear_spent[k] = shear.u[k] >= 1;
    }
    if (!(U > result->U)) return;
    result->U = U;
    if (s.record) s.record->tsv.U = U;
}

// The plastic check of a hollow section on the stress blocks of its
// outline: the walls' yield strength reduced for shear and torsion, the
// utilisation the larger of that of N and the moments and that of the
// shear; the limit moment about y under N.
void Run_Outline(Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    Hollow_Shear shear;
    if (!Calc_Hollow_Shear(in.outline, m.f_yd, in.V_1, in.V_2, in.T_t, &shear)) {
        Drop_Plastic_Method(s, OPT_OUTLINE);
        Out("%s╬bKein Umriss des Querschnitts f\x81r die plastischen Spannungsbl\x94"
            "cke !!!\n"_cp,
            Member_Check_Prefix);
        Out("%s╬bDer Nachweis wird elastisch gef\x81hrt !!!\n"_cp, Member_Check_Prefix);
        return;
    }
    const double* f = m.f_rot;
    const double U_NM = Calc_Hollow_Outline_Utilisation(in.outline, m.f_yd, in.V_1, in.V_2, in.T_t, 1000 * f[0],
                                                        1e4 * f[4], 1e4 * f[5]);
    const double U = std::max(U_NM, shear.U_V);
    const double M_pl_N = Calc_Outline_Moment_Y(in.outline, shear.strength, 1000 * f[0]) / 1e6;
    const bool raised = U_NM > 1 && U_NM != Calc_Outline_Utilisation(in.outline, shear.strength, 1000 * f[0],
                                                                      1e4 * f[4], 1e4 * f[5]);
    if (s.record) s.record->outline = Outline_Result{OUTLINE_HOLLOW, U, 0, U_NM, m.f_yd, M_pl_N, shear, raised, {0, 0, 0}};
    Out("%sAusnutzung aus den plastischen Spannungsbl\x94" "cken des Umrisses:  U = %.3f\n", Member_Check_Prefix, U);
    Take_Plastic_Result(s, m, U, 100 * M_pl_N);
}

// Step 14: the partial internal forces of I-type sections, the moments
// reduced by the shape factors above 1.25 unless told not to.
void Run_Tsv_I(Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    const float* values = in.values;
    double f[8];
    std::memcpy(f, m.f_rot, sizeof f);
    if (!(s.options & OPT_NO_LIMIT_125)) {
        const double alpha_y = Slot(values, WORK_SLOT_SHAPE_FACTOR_Y), alpha_z = Slot(values, WORK_SLOT_SHAPE_FACTOR_Z);
        if (alpha_y > 1.25) f[4] *= 0.8 * alpha_y;
        if (alpha_z > 1.25) f[5] *= 0.8 * alpha_z, f[7] *= 0.8 * alpha_z;
    }
    TSV_Ergebnis result{};
    float work_copy[74];
    std::memcpy(work_copy, values, sizeof work_copy);
    NachweisDatenKopf* work = reinterpret_cast<NachweisDatenKopf*>(work_copy);
    const int work_kind = work->code & WORK_CODE_KIND_MASK;
    const int r = Prepare_TSV_Querschnitt(f, m.yield, in.descriptor, work, in.name_text, &result);
    const bool valid = r != 0 && (result.flags & WORK_CODE_FILLED);
    if (r != 0) {
        if (s.record) s.record->tsv = result;
        if (Member_Check_Stream) Print_TSV_Result(Member_Check_Stream, 0, Member_Check_Prefix, &result);
    }
    if (!valid) {
        Drop_Plastic_Method(s, OPT_TSV);
        if (r == 0 || !Tsv_Reasons(result.flags, work_kind, true))
            Out("%s╬bUnbekannter Fehler╬r in Teilschnittgr\x94\xE1" "enverfahren !!!\n"_cp, Member_Check_Prefix);
        Out("%s╬bDer Nachweis wird elastisch gef\x81hrt !!!\n"_cp, Member_Check_Prefix);
        return;
    }
    Bound_By_Outline(s, m, f, &result, work_copy);
    Take_Plastic_Result(s, m, result.U, in.M_1 >= 0 ? result.M_max : result.M_min);
    Tsv_Reasons(result.flags, work_kind, false);
}

// The von Mises utilisation against sigma_v,R,d (raised by El. 749 where the
// normal stresses allow, by the check factor for aluminium); 0 where El. 747
// lets the check go. Clears the El. 747 / 749 bits that do not apply.
double Mises_Utilisation(Check_State& s, const Model_State& m, double tau_Rd, double* sv_Rd) {
    const Member_Check_Input& in = *s.in;
    if ((s.options & OPT_EL747) && !(m.s_abs > 0.5 * m.f_yd && m.t_max > 0.5 * tau_Rd)) {
        s.options &= ~uint32_t{OPT_EL749};
        return 0;
    }
    if (s.options & OPT_EL749) {
        bool raise;
        if (!in.spatial) {
            raise = m.s_abs <= 0.8 * m.f_yd;
        } else {
            const double s_N = 0.001 * m.k_N * in.N;
            raise = m.W_1a != 0 && m.W_1b != 0 && m.W_2a != 0 && m.W_2b != 0;
            for (double sigma : {s_N + 1000 * in.M_1 / m.W_1a, s_N + 1000 * in.M_1 / m.W_1b,
                                 s_N - 1000 * in.M_2 / m.W_2a, s_N - 1000 * in.M_2 / m.W_2b})
                raise = raise && std::fabs(sigma) <= 0.8 * m.f_yd;
        }
        if (raise)
            *sv_Rd = 1.1 * m.f_yd;
        else
            s.options &= ~uint32_t{OPT_EL749};
    }
    if (s.aluminium) *sv_Rd *= std::sqrt(Get_Check_Factor());
    s.options &= ~uint32_t{OPT_EL747};
    return *sv_Rd > 0 ? m.sv_max / *sv_Rd : 0;
}

// The line of the elastic utilisations and the relaxations used.
void Print_Elastic_Line(const Check_State& s, const Model_State& m, const double U[3], double tau_Rd, double sv_Rd) {
    const uint32_t options = s.options;
    Out("%s", Member_Check_Prefix);
    const char* sep = "";
    if (options & OPT_NORMAL) {
        Out("%s%s/%s╬\\R,d╬r = %.1f/%.1f = %.3f"_cp, sep, "\xCC", "\xCC", U[0] * m.f_yd, m.f_yd, U[0]);
        sep = ",  ";
    }
    if (options & OPT_SHEAR) {
        Out("%s%s/%s╬\\R,d╬r = %.1f/%.1f = %.3f"_cp, sep, "\xD6", "\xD6", U[1] * tau_Rd, tau_Rd, U[1]);
        sep = ",  ";
    }
    if (options & OPT_MISES) {
        if (!(options & OPT_EL747))
            Out("%s%s╬\\v╬r/%s╬\\vR,d╬r = %.1f/%.1f = %.3f"_cp, sep, "\xCC", "\xCC", m.sv_max, sv_Rd, U[2]);
        else
            Out("  (El. 747)");
    }
    if (options & OPT_EL749) Out("  (El. 749)");
    if (options & OPT_EL750) Out("  (El. 750)");
    Out("\n");
}

// Step 15: the elastic checks of normal, shear and von Mises stress, El. 750
// taken where it helps; U_sigma the largest with the plastic utilisation.
void Check_Elastic(Check_State& s, Model_State& m) {
    const Member_Check_Input& in = *s.in;
    double U_N = 0, U_tau = 0, U_v = 0, sv_Rd = m.f_yd;
    const double tau_Rd = m.f_yd * 0.5773502691896258;
    double U_N750 = 0, U_v750 = 0;
    if (s.options & OPT_NORMAL) {
        U_N = m.f_yd > 0 ? m.s_abs / m.f_yd : 0;
        if (s.options & OPT_EL750) {
            double s750 = std::fabs(m.k_1 * in.M_1) + (in.spatial ? std::fabs(m.k_2 * in.M_2) : 0) +
                          std::fabs(m.k_N * in.N);
            s750 *= 0.001;
            if (in.B != 0) s750 += std::fabs(m.k_B * in.B) * 0.001;
            U_N750 = s750 / m.f_yd;
            U_v750 = std::sqrt(s750 * s750 + 3 * m.t_max * m.t_max) / m.f_yd;
            s.options &= ~uint32_t{OPT_EL750};
        }
    }
    if (s.options & OPT_SHEAR) U_tau = tau_Rd > 0 ? m.t_max / tau_Rd : 0;
    const double U_m = std::max(m.U_plastic, U_tau);
    if (s.options & OPT_MISES) U_v = Mises_Utilisation(s, m, tau_Rd, &sv_Rd);
    if (m.prepared750 && ((U_N > 1 && U_N750 < U_N) || (U_v > 1 && U_v750 < U_v))) {
        s.options = (s.options | OPT_EL750) & ~uint32_t{OPT_EL747};
        U_N = U_N750;
        U_v = U_v750;
        sv_Rd = m.f_yd;
        if (m.reached == 0) m.reached = 1;
    }
    s.U_sigma = std::max({U_N, U_v, U_m});
    s.flags |= MC_ELASTIC_DONE;
    if (s.record) {
        const double r9[7] = {m.f_yd / 10, tau_Rd / 10, sv_Rd / 10, U_N, U_tau, U_v, s.U_sigma};
        std::memcpy(s.record->resistance, r9, sizeof r9);
    }
    const double U[3] = {U_N, U_tau, U_v};
    Print_Elastic_Line(s, m, U, tau_Rd, sv_Rd);
}

// The yield strength of each part of the model by its own thickness (0
// where the model gives none, or for aluminium, whose strength the grade
// alone decides); the count of parts.
int Part_Strengths(const Check_State& s, double* f_y, int max) {
    const int parts = std::min(Get_Section_Part_Count(), max);
    for (int i = 0; i < parts; i++) {
        const double t = 10 * Get_Section_Part_Thickness(i);
        f_y[i] = !s.aluminium && t > 0 ? Get_Stahlguete_fy(s.grade, t) : 0;
    }
    return parts;
}

// The plastic end stresses of the parts for the class 1 and 2 limits (see
// Check_Ct); false where no distribution is found.
bool Model_Plastic_Ends(const Check_State& s, const Model_State& m, int parts, const double* part_f_y,
                        double (*ends)[2]) {
    double share[PROFIL_DWQB_LINES];
    for (int i = 0; i < parts; i++) share[i] = part_f_y[i] > 0 && m.f_y > 0 ? part_f_y[i] / m.f_y : 1.0;
    Catalogue_Outline outline{};
    const bool rolled = Model_Rolled_Outline(s.in->descriptor, s.in->name_text, s.in->values, &outline) != 0;
    return Calc_Model_Plastic_Part_Ends(s.in->N, 0.1 * m.f_yd, ends, parts, share, rolled ? &outline : nullptr) > 0;
}

// A part beyond its class 3 limit even where a compression below f_y
// raises it is class 4 (the steel table's classes read from the top), not
// of the class 1 or 2 (slot 0, 1) a plastic result needs, whatever the
// limits of the plastic blocks say: an outstand's class 3 limit of the
// elastic stress ratio can lie below them, compressed wholly before its
// first yield, its tip in tension only at the plastic resistance. Its
// class 3 utilisation then stands for the class asked in *out.
void Class_3_From_The_Top(int slot, Ct_Ausnutzung* out) {
    for (double* group : {out->internal, out->outstand})
        if (!Utilisation_Ok(Round_Utilisation(group[2])) && Utilisation_Ok(Round_Utilisation(group[slot])))
            group[slot] = group[2];
}

// Step 17: the c/t utilisations of the model's parts for the class reached,
// each part with the epsilon of its own thickness's yield strength (alpha
// of the plastic stress blocks for classes 1 and 2 under EN 1993),
// printed with the table they come from.
void Check_Ct(Check_State& s, const Model_State& m) {
    const Member_Check_Input& in = *s.in;
    int kind = 1;
    if (s.aluminium) {
        const bool b = Is_Aluguete_Class_B(s.grade);
        kind = s.catalogue > 0 ? (b ? 0x1001 : 1) : (b ? 0x3001 : 0x2001);
    }
    if (s.fire) kind = (kind & ~0xF) | 5;
    Install_Section_Part_Services();
    double part_f_y[PROFIL_DWQB_LINES];
    double ends[PROFIL_DWQB_LINES][2];
    Ct_Klassifizierung ct_in{};
    ct_in.code = in.selector ? static_cast<int32_t>(in.selector->code) : 0;
    ct_in.flags = kind;
    ct_in.f_y = m.f_y;
    ct_in.E = m.E;
    ct_in.sigma_ref = m.f_yd;
    ct_in.eps_factor = m.ct_factor;
    ct_in.model = nullptr;
    ct_in.part_count = Part_Strengths(s, part_f_y, PROFIL_DWQB_LINES);
    ct_in.part_f_y = part_f_y;
    Ct_Ausnutzung ct_out{};
    const int slot = m.reached == 2 ? 0 : m.reached == 1 ? 1 : 2;
    // The class 1 and 2 limits take alpha from the section at its plastic
    // moment resistance under N: the blocks of the design strength, each
    // part's in proportion to its own, that carry N and both moments in
    // their direction on the section's real outline. Only their
    // utilisations are read when the class reached is 1 or 2.
    if (slot < 2 && s.en && !s.aluminium && Model_Plastic_Ends(s, m, ct_in.part_count, part_f_y, ends)) {
        ct_in.flags |= CT_PLASTIC_ENDS;
        ct_in.plastic_ends = ends;
    }
    double eps = 1;
    if (Calc_Querschnittsklasse(&ct_in, &ct_out)) {
        if (slot < 2 && s.en && !s.aluminium) Class_3_From_The_Top(slot, &ct_out);
        s.U_ct_int = ct_out.internal[slot];
        s.U_ct_out = ct_out.outstand[slot];
        eps = ct_out.eps[slot];
    }
    s.flags |= MC_CT_DONE;
    if (s.record) s.record->class_slot = slot;
    const char* const u = s.sym->text[0];
    if (!s.en)
        Out("%sAusnutzung %s (DIN 18800, Tab. %s, %s = %.3f):  %s╬\\o-o╬r = %.3f,  %s╬\\--o╬r = %.3f\n"_cp,
            Member_Check_Prefix, u,
            m.reached == 0   ? "12-14"
            : m.reached == 1 ? "15"
                             : "18",
            "\xBE", eps, u, s.U_ct_int, u, s.U_ct_out);
    else
        Out("%sAusnutzung %s (%s, cl%d, %s = %.3f):  %s╬\\o-o╬r = %.3f,  %s╬\\--o╬r = %.3f\n"_cp, Member_Check_Prefix,
            u, s.aluminium ? "EN 1999-1-1, Tab. 6.2" : "EN 1993-1-1, Tab. 5.2", 3 - m.reached, "\xBE", eps, u,
            s.U_ct_int, u, s.U_ct_out);
}

// A round section's model is a polygon whose outer fibre reaches the circle
// at its vertices only: bending whose extreme fibres fall between two of them
// was checked up to 1 - cos(180/n) short (1.9 % for 16 sides). A circle has
// the same stresses whatever the direction of the loads, so a spatial check
// turns the moments and shear forces together until the extreme fibres,
// across the moment's vector, lie on the vertex nearest to them. Returns
// the angle to turn the loads by (radians, counter-clockwise from y to z);
// 0 for any other section or without a moment.
double Round_Section_Turn(const Member_Check_Input& in) {
    const int parts = Get_Section_Part_Count();
    if (!in.spatial || parts <= 0 || std::hypot(in.M_1, in.M_2) < 1e-9) return 0;
    for (int i = 0; i < parts; i++)
        if (Get_Section_Point(i, nullptr, nullptr, nullptr) != CT_ROUND) return 0;
    const double m = std::hypot(in.M_1, in.M_2), u_y = -in.M_2 / m, u_z = in.M_1 / m;
    double r_max = 0, best = -1, turn = 0;
    const int n = Get_Section_Point_Count();
    for (int i = 0; i < n; i++) {
        double y = 0, z = 0;
        if (Get_Section_Point_Stress(i, &y, &z, nullptr, nullptr, nullptr)) r_max = std::max(r_max, std::hypot(y, z));
    }
    for (int i = 0; i < n; i++) {
        double y = 0, z = 0;
        if (!Get_Section_Point_Stress(i, &y, &z, nullptr, nullptr, nullptr)) continue;
        const double r = std::hypot(y, z);
        if (r < r_max * (1 - 1e-9)) continue;
        // either extreme fibre may go to the vertex
        const double dot = (u_y * y + u_z * z) / r, cross = (u_y * z - u_z * y) / r;
        if (std::fabs(dot) > best) best = std::fabs(dot), turn = std::atan2(dot < 0 ? -cross : cross, std::fabs(dot));
    }
    return turn;
}

// Turns the pair (a, b) counter-clockwise by the angle.
void Turn(double* a, double* b, double angle) {
    const double c = std::cos(angle), s = std::sin(angle), x = *a, y = *b;
    *a = c * x - s * y;
    *b = s * x + c * y;
}

// Steps 7 to 17 on the model that stands.
void Check_Model(Check_State& s) {
    Model_State m{};
    Read_Model_Stresses(s, m);
    Set_Strength(s, m);
    Prepare_El750(s, m);
    Set_Stress_Outputs(s, m);
    if (!s.in->spatial && (s.options & OPT_INTERACTION)) Check_Interaction(s, m);
    Set_Plastic_Forces(s, m);
    if (s.options & OPT_STRAIN) Run_Strain_Iteration(s, m);
    if (s.options & OPT_TSV_LINES) Run_Tsv_Lines(s, m);
    if (s.options & OPT_TSV) Run_Tsv_I(s, m);
    if (s.options & OPT_OUTLINE) Run_Outline(s, m);
    if (s.options & OPT_ELASTIC_ALL)
        Check_Elastic(s, m);
    else if (s.flags & MC_ELASTIC_DONE)
        s.U_sigma = m.U_plastic;
    s.out->U_sigma = s.U_sigma;
    // 16. governing stress
    if (!(s.options & (OPT_INTERACTION | OPT_TSV | OPT_STRAIN | OPT_TSV_LINES | OPT_OUTLINE))) {
        s.flags |= MC_SIGMA_GOV;
        s.out->sigma_gov = s.U_sigma * m.f_yd;
    }
    if (s.options & OPT_CT) Check_Ct(s, m);
}

// Steps 6 to 17: the checks on the thin-walled model (a round one with its
// loads turned, and the points of the record turned back); false when the
// model cannot be built.
bool Check_On_Model(Check_State& s) {
    if (!Build_Check_Model(s)) return false;
    const Member_Check_Input* given = s.in;
    Member_Check_Input turned = *given;
    const double turn = Round_Section_Turn(turned);
    if (turn != 0) {
        Turn(&turned.V_1, &turned.V_2, turn);
        Turn(&turned.M_1, &turned.M_2, turn);
        s.in = &turned;
    }
    Check_Model(s);
    s.in = given;
    if (turn != 0 && s.record)
        for (double* point : s.record->points) Turn(&point[0], &point[1], -turn);
    return true;
}

// Step 18: flexural buckling of the member on the model that stands.
void Check_Buckling(Check_State& s) {
    const Member_Check_Input& in = *s.in;
    Member_Buckling_Input b{};
    b.N = in.N;
    b.spatial = in.spatial;
    b.gamma_M1 = in.gamma_M1;
    b.grade = s.grade;
    b.aluminium = s.aluminium;
    b.catalogue = s.catalogue;
    b.family = s.catalogue >= 1 ? Get_Profil_Family(s.name) : in.descriptor->family;
    b.turned = s.turned;
    b.options = s.options;
    b.values = in.values;
    s.U_b = Calc_Member_Buckling(&b, &s.flags);
}

// Step 19: the utilisations into the outputs and the record.
void Finish_Check(const Check_State& s) {
    s.out->ct_internal = s.U_ct_int;
    s.out->ct_outstand = s.U_ct_out;
    s.out->U_b = s.U_b;
    Stabnachweis_Ergebnis* record = s.record;
    if (!record) return;
    record->final_options = s.options;
    record->flags = s.flags;
    record->ct_internal = s.U_ct_int;
    record->ct_outstand = s.U_ct_out;
    record->U_stresses = s.U_sigma;
    record->U_ct = std::max(s.U_ct_int, s.U_ct_out);
    record->U_buckling = s.U_b;
    record->U_overall = std::max({s.U_sigma, record->U_ct, s.U_b});
}

// Copies an output value to the caller's address when there is one.
void Store_Output(double* address, double value) {
    if (address) *address = value;
}

}  // namespace

uint32_t Check_Member(const Member_Check_Input* input, Member_Check_Output* output, Stabnachweis_Ergebnis* record) {
    // The engines' faults of the whole check go out when it ends.
    const Engine_Call engine_call;
    Member_Check_Output scratch;
    Member_Check_Output* out = output ? output : &scratch;
    *out = Member_Check_Output{};
    if (!input || !input->descriptor || !input->values || !input->name_text) return 0;
    Check_State s = Begin_Check(*input, out, record);
    Print_Check_Header(s);
    if (input->descriptor->family < 0)
        Check_By_Values(s);
    else if (!Check_On_Model(s))
        return s.flags;
    if (s.options & (OPT_BUCKLING_1 | OPT_BUCKLING_2 | OPT_BUCKLING_3)) Check_Buckling(s);
    Finish_Check(s);
    return s.flags;
}

uint32_t Check_Member_Ext(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t, double M_1,
                          double M_2, double T_w, double B, const Profil_Model_Descriptor* descriptor,
                          const char* name_text, const float* values, double gamma, double* sigma_1,
                          double* sigma_2, double* tau_max, double* sigma_v_max, double* sigma_gov, double* M_gr,
                          double* ct_internal, double* ct_outstand, double* U_sigma, int check_flags, int spatial,
                          FILE* vuve, FILE* messages, Stabnachweis_Ergebnis* record) {
    const Member_Check_Input input{selector, N, V_1, V_2, T_t, M_1, M_2, T_w, B, descriptor, name_text, values,
                                   gamma, gamma, check_flags, spatial, vuve, messages};
    Member_Check_Output out;
    const uint32_t flags = Check_Member(&input, &out, record);
    Store_Output(sigma_1, out.sigma_1);
    Store_Output(sigma_2, out.sigma_2);
    Store_Output(tau_max, out.tau_max);
    Store_Output(sigma_v_max, out.sigma_v_max);
    Store_Output(sigma_gov, out.sigma_gov);
    Store_Output(M_gr, out.M_gr);
    Store_Output(ct_internal, out.ct_internal);
    Store_Output(ct_outstand, out.ct_outstand);
    Store_Output(U_sigma, out.U_sigma);
    return flags;
}

uint32_t Check_Member_Without_Record(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t,
                                     double M_1, double M_2, double T_w, double B,
                                     const Profil_Model_Descriptor* descriptor, const char* name_text,
                                     const float* values, double gamma, double* sigma_1, double* sigma_2,
                                     double* tau_max, double* sigma_v_max, double* sigma_gov, double* M_gr,
                                     double* ct_internal, double* ct_outstand, double* U_sigma, int check_flags,
                                     int spatial, FILE* vuve, FILE* messages) {
    return Check_Member_Ext(selector, N, V_1, V_2, T_t, M_1, M_2, T_w, B, descriptor, name_text, values, gamma,
                            sigma_1, sigma_2, tau_max, sigma_v_max, sigma_gov, M_gr, ct_internal, ct_outstand,
                            U_sigma, check_flags, spatial, vuve, messages, nullptr);
}

uint32_t Check_Member_Without_Tw(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t,
                                 double M_1, double M_2, double B, const Profil_Model_Descriptor* descriptor,
                                 const char* name_text, const float* values, double gamma, double* sigma_1,
                                 double* sigma_2, double* tau_max, double* sigma_v_max, double* sigma_gov,
                                 double* M_gr, double* ct_internal, double* ct_outstand, double* U_sigma,
                                 int check_flags, int spatial, FILE* vuve, FILE* messages) {
    return Check_Member_Without_Record(selector, N, V_1, V_2, T_t, M_1, M_2, 0, B, descriptor, name_text, values,
                                       gamma, sigma_1, sigma_2, tau_max, sigma_v_max, sigma_gov, M_gr, ct_internal,
                                       ct_outstand, U_sigma, check_flags, spatial, vuve, messages);
}
