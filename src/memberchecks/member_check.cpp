#include "memberchecks/member_check.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>

#include "codes/alguete.h"
#include "codes/stguete.h"
#include "memberchecks/plastic_axis.h"
#include "profiles/profil.h"
#include "profiles/profil_dwqb_model.h"
#include "profiles/section_stress.h"
#include "thinwall/ct_limits.h"
#include "thinwall/dwqb.h"
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

double Q(int k) { return DWQB_Querschnittswerte[k]; }

float Slot(const float* values, int k) { return values[k]; }

const char* P() { return Member_Check_Prefix; }

void Fill_Point(double* out, int index) {
    double y, z, s, t, v;
    if (!Get_Section_Point_Stress(index, &y, &z, &s, &t, &v)) return;
    out[0] = y, out[1] = z, out[2] = s, out[3] = t, out[4] = v;
}

// Class reached after a plastic method with utilisation U.
int Plastic_Class(int reached, double U, double sv_max, double f_yd, int check_flags) {
    int c = 0;
    if (U <= 0.999)
        c = sv_max > 1.001 * f_yd ? 1 : 0;
    else
        c = (check_flags & 4) ? 2 : 1;
    return std::max(reached, c);
}

const char* const tsv_reasons[] = {
    "%s\xCE" "bDer Querschnitt kann nicht nachgewiesen werden !!!\xCEr\n",
    "%s\xCE" "bDie Schubspannungen k\x94nnen vom Querschnitt nicht aufgenommen werden !!!\xCEr\n",
    "%s\xCE" "bDie Biegemomente k\x94nnen vom Querschnitt (mit Schub) nicht aufgenommen werden !!!\xCEr\n",
    "%s\xCE" "bDie Gurtbiegemomente k\x94nnen vom Querschnitt (mit Schub) nicht aufgenommen werden !!!\xCEr\n",
    "%s\xCE" "bDie Normalkraft kann vom Querschnitt (mit Schub und Gurtbiegung) nicht aufgenommen werden !!!\xCEr\n",
    "%s\xCE" "bDas y-Moment kann vom Querschnitt (mit Schub, Gurtbiegung und Normalkraft) nicht aufgenommen "
    "werden !!!\xCEr\n",
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
        if (k == 2) line = (work_kind == 1 || work_kind == 14 || work_kind == 15) ? 2 : 3;
        if (k > 2) line = k + 1;
        Out(tsv_reasons[line], P());
        any = true;
        if (first_only) break;
    }
    return any;
}

}  // namespace

uint32_t Check_Member(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t, double M_1,
                      double M_2, double T_w, double B, const Profil_Model_Descriptor* descriptor,
                      const char* name_text, const float* values, double gamma_M0, double* sigma_1, double* sigma_2,
                      double* tau_max_out, double* sigma_v_out, double* sigma_gov_out, double* M_gr_out,
                      double* ct_internal_out, double* ct_outstand_out, double* U_sigma_out, double gamma_M1,
                      double* U_b_out, int check_flags, int spatial, FILE* vuve, FILE* messages,
                      Stabnachweis_Ergebnis* record) {
    double scratch[10];
    double* outs[10] = {sigma_1, sigma_2, tau_max_out, sigma_v_out, sigma_gov_out, M_gr_out, ct_internal_out,
                        ct_outstand_out, U_sigma_out, U_b_out};
    for (int k = 0; k < 10; k++) {
        if (!outs[k]) outs[k] = &scratch[k];
        *outs[k] = 0;
    }
    if (!descriptor || !values || !name_text) return 0;

    // 1. selector and symbols
    const int code = Get_Norm_Code(selector);
    const bool en = code == 1 || code == 2, aluminium = code == 2;
    Current_Check_Symbols = en || (Get_Symbol_Set_Flag() & 1) ? &Check_Symbols_EN : &Check_Symbols_DIN;
    const Check_Symbol_Set& sym = *Current_Check_Symbols;
    uint32_t grade = static_cast<uint32_t>(descriptor->grade) & 0xFFFFu;
    if (en && !aluminium) grade += 0x10000u;

    // 2. record
    if (record) {
        std::memset(record, 0, sizeof *record);
        record->class_slot = -1;
        record->selector[0] = selector ? selector->code : 0;
        record->selector[1] = selector ? selector->situation : 0;
    }
    if (int32_t* kept = Get_Kept_Check_Results()) kept[0] = kept[1] = 0;

    // 3. options
    uint32_t options = Derive_Check_Options(selector, descriptor, name_text, values, spatial);
    const uint32_t elastic = code == 1 ? uint32_t{OPT_MISES} : uint32_t{OPT_ELASTIC_ALL};

    // 4. header
    if (selector && (selector->situation & 0xFFFF))
        Out("%sau\xE1" "ergew\x94hnliche Kombination:  %s\xCE\\M\xCEr = %.2f\n", P(), "\xC0", gamma_M0);
    if (!spatial) {
        Out("%sSchnittgr\x94\xE1" "en:  N = %.2f kN,  %s = %.2f kN,  M = %.2f kNm\n", P(), N, sym.text[1], V_2, M_1);
    } else {
        Out("%sSchnittkr\x84" "fte:  N = %.2f kN,  %s\xCE\\\xC1\xCEr = %.2f kN,  %s\xCE\\\xD3\xCEr = %.2f kN\n"
            "%sMomente:  T = %.3f kNm,  M\xCE\\\xC1\xCEr = %.2f kNm,  M\xCE\\\xD3\xCEr = %.2f kNm\n",
            P(), N, sym.text[1], V_1, sym.text[1], V_2, P(), T_t + T_w, M_1, M_2);
        if (T_w != 0 || B != 0)
            Out("%sW\x94lbkrafttorsion:  %s = %.3f kNm,  %s = %.3f kNm,  %s = %.3f kNm\xCE/2\xCEr\n", P(),
                sym.text[2], T_t, sym.text[3], T_w, sym.text[4], B);
    }

    uint32_t flags = 0;
    double U_sigma = 0, U_ct_int = 0, U_ct_out = 0, U_b = 0;
    const bool fire = options & OPT_FIRE;
    const int family_word = descriptor->family;
    const int catalogue = family_word == PROFIL_USER_SECTION ? 0 : descriptor->catalogue;
    const char* name = name_text + 4;
    const bool turned = catalogue >= 1 && name_text[0] == '-';

    if (family_word < 0) {
        // 5. route A: a section given by its values
        const double A = Slot(values, 20), W_o = Slot(values, 22), W_u = Slot(values, 23);
        const double s_N = A != 0 ? N / A : 0;
        const double s_o = W_o != 0 ? s_N - std::fabs(1 / W_o) * M_1 : s_N;
        const double s_u = W_u != 0 ? s_N + std::fabs(1 / W_u) * M_1 : s_N;
        *outs[0] = 0.001 * s_o;
        *outs[1] = 0.001 * s_u;
        flags = MC_STRESSES;
        if (options & OPT_ELASTIC_ALL) {
            double f_y = aluminium ? Get_Aluguete_f0(grade) : Get_Stahlguete_fy(grade, 0);
            if (fire) f_y *= Slot(values, 71);
            flags = 0x2900;
            const double gov = std::max(std::fabs(*outs[0]), std::fabs(*outs[1]));
            const double f_d = f_y / gamma_M0;
            U_sigma = f_d > 0 ? gov / f_d : 0;
            *outs[4] = gov;
            Out("%sSpannungen (elast.):  %s\xCE\\o\xCEr = %.2f MN/m\xCE/2\xCEr,  %s\xCE\\u\xCEr = %.2f MN/m\xCE/2\xCEr", P(),
                "\xCC", *outs[0], "\xCC", *outs[1]);
            Out(",  %s/%s\xCE\\R,d\xCEr = %.1f/%.1f = %.3f\n", "\xCC", "\xCC", gov, f_d, U_sigma);
        }
    } else {
        // 6. route B: the model
        const int mode = Get_Check_Mode() != 4096 ? Get_Check_Mode()
                         : !spatial                ? 4
                         : family_word == 12       ? 7
                                                   : 1;
        if (Setup_Profil_DWQB(descriptor, name_text, values, mode, vuve, messages) > 0) {
            flags = MC_MODEL_FAILED;
            if (record) {
                record->options = options;
                record->final_options = options;
                record->flags = flags;
            }
            return flags;
        }
        // 7. stresses
        Calc_Section_Stress_Extremes(N, V_1, V_2, 100 * T_t, 100 * M_1, 100 * M_2, 100 * T_w, 10000 * B);
        const Section_Stress_Extremes& e = Profil_DWQB_Extremes;
        const double s_max = 10 * e.sigma_max, s_min = 10 * e.sigma_min, s_abs = 10 * e.sigma_abs;
        const double t_max = 10 * e.tau_abs, sv_max = 10 * e.sv_abs;
        if (record) {
            const int idx[MC_POINTS] = {e.i_sigma_min, e.i_sigma_max, e.i_sigma_abs, e.i_tau_min,
                                        e.i_tau_max,   e.i_tau_abs,   e.i_sv_abs};
            for (int k = 0; k < MC_POINTS; k++) Fill_Point(record->points[k], idx[k]);
        }
        Out("%sNormalspannungen (elast.):  %s\xCE\\max\xCEr = %.2f MN/m\xCE/2\xCEr,  %s\xCE\\min\xCEr = %.2f "
            "MN/m\xCE/2\xCEr\n",
            P(), "\xCC", s_max, "\xCC", s_min);
        Out("%sextr. Spannungen (elast.):  %s = %.2f MN/m\xCE/2\xCEr,  %s = %.2f MN/m\xCE/2\xCEr,  %s\xCE\\v\xCEr = "
            "%.2f MN/m\xCE/2\xCEr\n",
            P(), "\xCC", s_abs, "\xD6", t_max, "\xCC", sv_max);
        // 8. strength
        const double t_max_mm = 10 * Q(DWQB_QW_T_MAX);
        const double f_y = aluminium ? Get_Aluguete_f0(grade) : Get_Stahlguete_fy(grade, t_max_mm);
        const double E = aluminium ? Get_Aluguete_E(grade, nullptr) : Get_Stahlguete_E(grade, nullptr);
        const double f_y_red = fire ? f_y * Slot(values, 71) : f_y;
        const double ct_factor = fire ? 0.85 : 1.0;
        const double f_yd = f_y_red / gamma_M0;
        if (record) record->options = options;
        // 9. El. 750 preparation
        const double A = Q(DWQB_QW_A);
        const double k_N = A > 0 ? 10000 / A : 0;
        double k_1 = 0, k_2 = 0, k_B = 0;
        const double W_1a = Q(DWQB_QW_W1), W_1b = Q(DWQB_QW_W1 + 1), W_2a = Q(DWQB_QW_W1 + 2),
                     W_2b = Q(DWQB_QW_W1 + 3);
        bool prepared750 = false;
        if (options & OPT_EL750) {
            if (descriptor->catalogue < 1) options &= ~uint32_t{OPT_EL750};
            const double W_1 = std::min(std::fabs(W_1a), std::fabs(W_1b));
            const double W_2 = std::min(std::fabs(W_2a), std::fabs(W_2b));
            const double e1 = en ? Q(DWQB_QW_WPL_Y) : std::min(1.25 * W_1, Q(DWQB_QW_WPL_Y));
            const double e2 = en ? Q(DWQB_QW_WPL_Z) : std::min(1.25 * W_2, Q(DWQB_QW_WPL_Z));
            bool ok = e1 > 0 && Get_Profil_Family(name) == 1;
            if (ok) k_1 = 1e6 / e1;
            if (spatial) {
                ok = ok && e2 > 0;
                if (e2 > 0) k_2 = 1e6 / e2;
                const double I_w = Q(DWQB_QW_IW);
                const double omega = std::min(std::fabs(Q(DWQB_QW_OMEGA1)), std::fabs(Q(DWQB_QW_OMEGA2)));
                k_B = I_w > 0 && omega > 0 ? 1e8 * omega / I_w : 0;
            }
            if (!ok) options &= ~uint32_t{OPT_EL750};
            prepared750 = options & OPT_EL750;
        }
        // 10. stress outputs
        int reached = 0;
        if (spatial) {
            *outs[0] = s_max;
            *outs[1] = s_min;
        } else {
            const bool top_max = (s_min - s_max) * M_1 >= 0;
            *outs[0] = top_max ? s_max : s_min;
            *outs[1] = top_max ? s_min : s_max;
            reached = options & OPT_INTERACTION ? 1 : 0;
        }
        *outs[2] = t_max;
        *outs[3] = sv_max;
        flags = MC_MODEL;
        double U_plastic = 0;
        // 11. interaction
        if (!spatial && (options & OPT_INTERACTION)) {
            double v[6];
            for (int k = 0; k < 6; k++) v[k] = Slot(values, k);
            v[4] /= gamma_M0;
            double M_gr = 0, U = 0, pair[2] = {0, 0};
            int32_t exceeded = 0;
            const int r = Calc_Plast_Widerstand_Schub(selector ? static_cast<int32_t>(selector->code) : 0, N, M_1, V_2,
                                                      v, descriptor->section_kind, &M_gr, &exceeded, &U, pair);
            if (r == 0) {
                *outs[5] = M_gr;
                // the interaction sets the class afresh rather than raising it
                reached = Plastic_Class(0, U, sv_max, f_yd, check_flags);
                flags = 0x4F00;
                U_plastic = U;
                Out("%sAusnutzung aus Interaktion:  M\xCE\\gr\xCEr = %.2f kNm  %s  U\xCE\\%s\xCEr = %.3f\n", P(), M_gr,
                    "\x88", "\xCC", U);
            } else {
                options = (options & ~uint32_t{OPT_INTERACTION | OPT_EL750}) | elastic;
                flags = 0x11008700;
                reached = 0;
                Out("%s\xCE" "bFehler\xCEr in Interaktion:  ", P());
                switch (r) {
                case 1: Out("N / N\xCE\\pl\xCEr = %.2f > %.2f", pair[0], pair[1]); break;
                case 2:
                    Out("%s / %s\xCE\\pl\xCEr = %.2f > %.2f", sym.text[1], sym.text[1], pair[0], pair[1]);
                    break;
                case 3: Out("N\xCE\\0\xCEr / N\xCE\\pl\xCEr = %.2f > %.2f", pair[0], pair[1]); break;
                case 4: Out("M / M\xCE\\pl\xCEr = %.2f > %.2f", pair[0], pair[1]); break;
                default: Out("unbekannter Fehler !!!"); break;
                }
                Out("\n");
            }
        }
        // The plastic methods take the forces in kN and kNcm about the
        // principal axes of the model.
        double f_rot[8] = {N, V_1, V_2, 100 * T_t, 100 * M_1, 100 * M_2, 100 * T_w, 10000 * B};
        if (Profil_DWQB_Store.mode != 1)
            Rotate_Forces_To_Section(&f_rot[0], &f_rot[1], &f_rot[2], &f_rot[3], &f_rot[4], &f_rot[5], &f_rot[6],
                                     &f_rot[7], Q(DWQB_QW_ALPHA), Profil_DWQB_Store.mode);
        const double yield[2] = {f_y_red * 0.1, f_yd * 0.1};
        const int32_t work_code = reinterpret_cast<const NachweisDatenKopf*>(values)->code;
        // 12. strain iteration: the limit load factor of the model with the
        // work record's option word, tolerance (slot 44), ultimate strain and
        // hardening (45, 46) and target strain utilisation (47).
        if (options & OPT_STRAIN) {
            float work_copy[74];
            std::memcpy(work_copy, values, sizeof work_copy);
            NachweisDatenKopf* work = reinterpret_cast<NachweisDatenKopf*>(work_copy);
            const Stahlguete_Record* row = aluminium ? nullptr : Get_Stahlguete_Record(grade);
            const double E_row = row ? row->E : E;
            const double parameters[PLO_PARAMETER] = {
                f_y_red * 0.1, f_yd * 0.1, E_row * 0.1, Slot(values, 45), Slot(values, 46), 0.0, Slot(values, 47)};
            PLO_Ergebnis result{};
            PLO_Linienergebnis* lines = nullptr;
            const int r = Calc_DWQB_PLO_Section_Work(f_rot, parameters, nullptr, work, 0, &result,
                                                     Member_Check_Stream ? &lines : nullptr);
            if (r == 0) {
                flags |= MC_METHOD_FAILED;
                options = (options & ~uint32_t{OPT_STRAIN | OPT_EL750}) | elastic;
                Out("%s\xCE" "bUnbekannter Fehler\xCEr im Verfahren der Dehnungsiteration !!!\n", P());
            } else {
                if (record) record->plo = result;
                if (Member_Check_Stream) Print_DWQB_PLO_Result(Member_Check_Stream, 0, P(), f_rot, &result, lines);
                if (result.status & PLO_STATUS_FACTORS) {
                    reached = Plastic_Class(reached, result.U, sv_max, f_yd, check_flags);
                    flags |= 0x4800;
                    *outs[5] = std::fabs(result.My) * 0.01;
                    U_plastic = result.U;
                    if (result.U > 990000) std::printf("  pl: U > 0.99e6\n");
                }
            }
            if (lines) Free_DWQB_PLO_Result_List(lines);
        }
        // 13. partial internal forces on the line model
        if (options & OPT_TSV_LINES) {
            TSV_EX_Steuerung control{};
            control.flags = static_cast<uint32_t>(work_code);
            control.alpha = Q(DWQB_QW_ALPHA);
            control.y_s = Q(DWQB_QW_YC);
            control.z_s = Q(DWQB_QW_ZC);
            control.y_M = Q(DWQB_QW_YM);
            control.z_M = Q(DWQB_QW_ZM);
            control.L = 100.0;
            TSV_EX_Ergebnis result{};
            TSV_EX_Linienliste* lines = nullptr;
            const int r = Calc_TSV_EX(f_rot, yield, &control, &result, Member_Check_Stream ? &lines : nullptr);
            if (r == 0) {
                flags |= MC_METHOD_FAILED;
                options = (options & ~uint32_t{OPT_TSV_LINES | OPT_EL750}) | elastic;
                Out("%s\xCE" "bUnbekannter Fehler\xCEr im Teilschnittgr\x94\xE1" "en-Verfahren !!!\n", P());
            } else {
                if (record) record->tsv_ex = result;
                if (Member_Check_Stream) Print_TSV_EX_Result(Member_Check_Stream, 0, P(), f_rot, &result, lines);
                if (result.flags & WORK_CODE_FILLED) {
                    const double U = result.d[TSV_EX_U_PL];
                    reached = Plastic_Class(reached, U, sv_max, f_yd, check_flags);
                    flags |= 0x4800;
                    *outs[5] = std::fabs(result.d[TSV_EX_MY]) * 0.01;
                    U_plastic = U;
                    if (U > 990000) std::printf("  pl: U > 0.99e6\n");
                }
            }
            if (lines) Free_TSV_EX_Linienliste(lines);
        }
        // 14. partial internal forces of I-type sections
        if (options & OPT_TSV) {
            double f[8];
            std::memcpy(f, f_rot, sizeof f);
            if (!(options & OPT_NO_LIMIT_125)) {
                if (Slot(values, 56) > 1.25) f[4] *= 0.8 * Slot(values, 56);
                if (Slot(values, 57) > 1.25) f[5] *= 0.8 * Slot(values, 57), f[7] *= 0.8 * Slot(values, 57);
            }
            TSV_Ergebnis result{};
            float work_copy[74];
            std::memcpy(work_copy, values, sizeof work_copy);
            NachweisDatenKopf* work = reinterpret_cast<NachweisDatenKopf*>(work_copy);
            const int work_kind = work->code & WORK_CODE_KIND_MASK;
            const int r = Prepare_TSV_Querschnitt(f, yield, descriptor, work, name_text, &result);
            const bool valid = r != 0 && (result.flags & WORK_CODE_FILLED);
            if (r != 0) {
                if (record) record->tsv = result;
                if (Member_Check_Stream) Print_TSV_Result(Member_Check_Stream, 0, P(), &result);
            }
            if (!valid) {
                flags |= MC_METHOD_FAILED;
                options = (options & ~uint32_t{OPT_TSV | OPT_EL750}) | elastic;
                if (r == 0 || !Tsv_Reasons(result.flags, work_kind, true))
                    Out("%s\xCE" "bUnbekannter Fehler\xCEr in Teilschnittgr\x94\xE1" "enverfahren !!!\n", P());
                Out("%s\xCE" "bDer Nachweis wird elastisch gef\x81hrt !!!\n", P());
            } else {
                reached = Plastic_Class(reached, result.U, sv_max, f_yd, check_flags);
                flags |= 0x4800;
                *outs[5] = std::fabs(M_1 >= 0 ? result.M_max : result.M_min) * 0.01;
                U_plastic = result.U;
                Tsv_Reasons(result.flags, work_kind, false);
            }
        }
        // 15. elastic checks
        double U_N = 0, U_tau = 0, U_v = 0, sv_Rd = f_yd;
        const double tau_Rd = f_yd * 0.5773502691896258;
        if (options & OPT_ELASTIC_ALL) {
            double U_N750 = 0, U_v750 = 0;
            if (options & OPT_NORMAL) {
                U_N = f_yd > 0 ? s_abs / f_yd : 0;
                if (options & OPT_EL750) {
                    double s750 = std::fabs(k_1 * M_1) + (spatial ? std::fabs(k_2 * M_2) : 0) + std::fabs(k_N * N);
                    s750 *= 0.001;
                    if (B != 0) s750 += std::fabs(k_B * B) * 0.001;
                    U_N750 = s750 / f_yd;
                    U_v750 = std::sqrt(s750 * s750 + 3 * t_max * t_max) / f_yd;
                    options &= ~uint32_t{OPT_EL750};
                }
            }
            if (options & OPT_SHEAR) U_tau = tau_Rd > 0 ? t_max / tau_Rd : 0;
            const double U_m = std::max(U_plastic, U_tau);
            if (options & OPT_MISES) {
                if (!(options & OPT_EL747) || (s_abs > 0.5 * f_yd && t_max > 0.5 * tau_Rd)) {
                    if (options & OPT_EL749) {
                        bool raise;
                        if (!spatial) {
                            raise = s_abs <= 0.8 * f_yd;
                        } else {
                            const double s_N = 0.001 * k_N * N;
                            raise = W_1a != 0 && W_1b != 0 && W_2a != 0 && W_2b != 0;
                            for (double s : {s_N + 1000 * M_1 / W_1a, s_N + 1000 * M_1 / W_1b,
                                             s_N - 1000 * M_2 / W_2a, s_N - 1000 * M_2 / W_2b})
                                raise = raise && std::fabs(s) <= 0.8 * f_yd;
                        }
                        if (raise)
                            sv_Rd = 1.1 * f_yd;
                        else
                            options &= ~uint32_t{OPT_EL749};
                    }
                    if (aluminium) sv_Rd *= std::sqrt(Get_Check_Factor());
                    options &= ~uint32_t{OPT_EL747};
                    U_v = sv_Rd > 0 ? sv_max / sv_Rd : 0;
                } else {
                    options &= ~uint32_t{OPT_EL749};
                    U_v = 0;
                }
            }
            if (prepared750 && ((U_N > 1 && U_N750 < U_N) || (U_v > 1 && U_v750 < U_v))) {
                options = (options | OPT_EL750) & ~uint32_t{OPT_EL747};
                U_N = U_N750;
                U_v = U_v750;
                sv_Rd = f_yd;
                if (reached == 0) reached = 1;
            }
            U_sigma = std::max({U_N, U_v, U_m});
            flags |= MC_ELASTIC_DONE;
            if (record) {
                const double r9[7] = {f_yd / 10, tau_Rd / 10, sv_Rd / 10, U_N, U_tau, U_v, U_sigma};
                std::memcpy(record->resistance, r9, sizeof r9);
            }
            Out("%s", P());
            const char* sep = "";
            if (options & OPT_NORMAL) {
                Out("%s%s/%s\xCE\\R,d\xCEr = %.1f/%.1f = %.3f", sep, "\xCC", "\xCC", U_N * f_yd, f_yd, U_N);
                sep = ",  ";
            }
            if (options & OPT_SHEAR) {
                Out("%s%s/%s\xCE\\R,d\xCEr = %.1f/%.1f = %.3f", sep, "\xD6", "\xD6", U_tau * tau_Rd, tau_Rd, U_tau);
                sep = ",  ";
            }
            if (options & OPT_MISES) {
                if (!(options & OPT_EL747))
                    Out("%s%s\xCE\\v\xCEr/%s\xCE\\vR,d\xCEr = %.1f/%.1f = %.3f", sep, "\xCC", "\xCC", sv_max, sv_Rd, U_v);
                else
                    Out("  (El. 747)");
            }
            if (options & OPT_EL749) Out("  (El. 749)");
            if (options & OPT_EL750) Out("  (El. 750)");
            Out("\n");
        } else if (flags & MC_ELASTIC_DONE) {
            U_sigma = U_plastic;
        }
        *outs[8] = U_sigma;
        // 16. governing stress
        if (!(options & (OPT_INTERACTION | OPT_TSV | OPT_STRAIN | OPT_TSV_LINES))) {
            flags |= MC_SIGMA_GOV;
            *outs[4] = U_sigma * f_yd;
        }
        // 17. c/t
        if (options & OPT_CT) {
            int kind = 1;
            if (aluminium) {
                const bool b = Is_Aluguete_Class_B(grade);
                kind = catalogue > 0 ? (b ? 0x1001 : 1) : (b ? 0x3001 : 0x2001);
            }
            if (fire) kind = (kind & ~0xF) | 5;
            Install_Section_Part_Services();
            Ct_Klassifizierung in{};
            in.code = selector ? static_cast<int32_t>(selector->code) : 0;
            in.flags = kind;
            in.f_y = f_y;
            in.E = E;
            in.sigma_ref = f_yd;
            in.eps_factor = ct_factor;
            in.model = nullptr;
            Ct_Ausnutzung out{};
            const int slot = reached == 2 ? 0 : reached == 1 ? 1 : 2;
            // The class 1 and 2 limits take alpha from the plastic stress
            // blocks that carry N at the design strength; the stresses of
            // the parts are those of the evaluation above. Only their
            // utilisations are read when the class reached is 1 or 2.
            double shift = 0;
            if (slot < 2 && en && !aluminium && Calc_Model_Plastic_Axis_Shift(N, 0.1 * f_yd, &shift)) {
                in.flags |= CT_PLASTIC_SHIFT;
                in.plastic_shift = 10 * shift;
            }
            double eps = 1;
            if (Calc_Querschnittsklasse(&in, &out)) {
                U_ct_int = out.internal[slot];
                U_ct_out = out.outstand[slot];
                eps = out.eps[slot];
            }
            flags |= MC_CT_DONE;
            if (record) record->class_slot = slot;
            if (!en)
                Out("%sAusnutzung %s (DIN 18800, Tab. %s, %s = %.3f):  %s\xCE\\o-o\xCEr = %.3f,  %s\xCE\\--o\xCEr = "
                    "%.3f\n",
                    P(), sym.text[0], reached == 0 ? "12-14" : reached == 1 ? "15" : "18", "\xBE", eps, sym.text[0],
                    U_ct_int, sym.text[0], U_ct_out);
            else
                Out("%sAusnutzung %s (%s, cl%d, %s = %.3f):  %s\xCE\\o-o\xCEr = %.3f,  %s\xCE\\--o\xCEr = %.3f\n", P(),
                    sym.text[0], aluminium ? "EN 1999-1-1, Tab. 6.2" : "EN 1993-1-1, Tab. 5.2", 3 - reached, "\xBE",
                    eps, sym.text[0], U_ct_int, sym.text[0], U_ct_out);
        }
    }
    // 18. buckling
    if (options & (OPT_BUCKLING_1 | OPT_BUCKLING_2 | OPT_BUCKLING_3)) {
        Member_Buckling_Input b{};
        b.N = N;
        b.spatial = spatial;
        b.gamma_M1 = gamma_M1;
        b.grade = grade;
        b.aluminium = aluminium;
        b.catalogue = catalogue;
        b.family = catalogue >= 1 ? Get_Profil_Family(name) : family_word;
        b.turned = turned;
        b.options = options;
        b.values = values;
        U_b = Calc_Member_Buckling(&b, &flags);
    }
    *outs[6] = U_ct_int;
    *outs[7] = U_ct_out;
    *outs[9] = U_b;
    // 19. end
    if (record) {
        record->final_options = options;
        record->flags = flags;
        record->ct_internal = U_ct_int;
        record->ct_outstand = U_ct_out;
        record->U_stresses = U_sigma;
        record->U_ct = std::max(U_ct_int, U_ct_out);
        record->U_buckling = U_b;
        record->U_overall = std::max({U_sigma, record->U_ct, U_b});
    }
    return flags;
}

uint32_t Check_Member_Ext(const NachweisNorm* selector, double N, double V_1, double V_2, double T_t, double M_1,
                          double M_2, double T_w, double B, const Profil_Model_Descriptor* descriptor,
                          const char* name_text, const float* values, double gamma, double* sigma_1,
                          double* sigma_2, double* tau_max, double* sigma_v_max, double* sigma_gov, double* M_gr,
                          double* ct_internal, double* ct_outstand, double* U_sigma, int check_flags, int spatial,
                          FILE* vuve, FILE* messages, Stabnachweis_Ergebnis* record) {
    double U_b = 0;
    return Check_Member(selector, N, V_1, V_2, T_t, M_1, M_2, T_w, B, descriptor, name_text, values, gamma, sigma_1,
                        sigma_2, tau_max, sigma_v_max, sigma_gov, M_gr, ct_internal, ct_outstand, U_sigma, gamma,
                        &U_b, check_flags, spatial, vuve, messages, record);
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
