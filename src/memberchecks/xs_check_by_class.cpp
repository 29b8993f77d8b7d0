#include "memberchecks/xs_check_by_class.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "memberchecks/ct_check.h"
#include "memberchecks/member_check.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "thinwall/tsv.h"

namespace {

// Option bits of the elastic checks and of the plastic methods in the member
// check's final option word.
const uint32_t kElasticChecks = 0x31Cu;
const uint32_t kPlasticMethods = 0x1500001u;

// A pair of equal 16-bit codes c as float, read the same by every design code.
float Code_Pair(int c) { return static_cast<float>(static_cast<double>(c) * 65536.0 + c + 0.1); }

void Tabs(const std::initializer_list<double> stops) {
    double p[4];
    int n = 0;
    for (double s : stops) p[n++] = s;
    OLI_Set_Tabs(0, nullptr, p, n);
}

const char* Verdict(double u) { return Mark_Utilisation(u); }

// The flange-by-flange values of the partial-internal-forces method (forces
// kN, moments kNcm printed in kNm, stresses from the utilisations).
void Flange_Road(FILE* file, const TSV_Ergebnis& t, double f_xd, double f_td, int level) {
    const char* P = Check_Line_Prefix;
    Tabs({10.0});
    if (level >= 2) {
        OLI_printf(file, "%szul. Normal-/Schubspannung: \xCC\xCE\\x,Rd\xCEr = %.1lf N/mm\xFD,  \xD6\xCE\\Rd\xCEr = %.1lf N/mm\xFD\n",
                   P, f_xd, f_td);
        struct Part {
            const char* head;
            char key;
            double V, T, U_tau, M, U_M, rho, N_max, N_min;
            bool bending;
        } parts[3] = {
            {"Obergurt", 'O', t.V_o, t.M_xp_o, t.U_tau_o, t.M_Sa_o, t.U_MS_o, t.rho_o, t.N_o_max, t.N_o_min, true},
            {"Untergurt", 'U', t.V_u, t.M_xp_u, t.U_tau_u, t.M_Sa_u, t.U_MS_u, t.rho_u, t.N_u_max, t.N_u_min, true},
            {"Steg", 'S', t.V_s, t.M_xp_s, t.U_tau_s, 0, 0, t.rho_s, t.N_s_max, t.N_s_min, false},
        };
        for (const Part& p : parts) {
            bool any = false;
            for (double x : {p.V, p.T, p.U_tau, p.M, p.U_M, p.N_max, p.N_min})
                if (std::fabs(x) > 0.001) any = true;
            if (!any) continue;
            OLI_printf(file, "%s%s: \xCEt", P, p.head);
            OLI_printf(file, "Querkraft V\xCE\\%c\xCEr = %.2lf kN", p.key, p.V);
            OLI_printf(file, ", ");
            OLI_printf(file, "Torsion T\xCE\\p%c\xCEr = %.2lf kNm", p.key, 0.01 * p.T);
            if (p.U_tau > 0.001) {
                OLI_printf(file, ", ");
                OLI_printf(file, "Schubspg. \xD6\xCE\\%c\xCEr = %.2lf N/mm\xFD", p.key, p.U_tau * f_td);
                OLI_printf(file, "  \x88  U\xCE\\\xD6,%c\xCEr = %.3lf", p.key, Round_Utilisation(p.U_tau));
            }
            if (p.bending) {
                OLI_printf(file, "\n%s \xCEt", P);
                OLI_printf(file, "Gurtbiegung M\xCE\\\xCC,%c\xCEr = %.2lf kNm", p.key, 0.01 * p.M);
                // A flange without a bending moment has its whole capacity
                // left: it is not reported as exhausted.
                if (p.U_M > 0.001 || std::fabs(p.M) > 0.001) OLI_printf(file, ", ");
                if (p.U_M > 0.001) {
                    OLI_printf(file, "Biegespannung \xCC\xCE\\%c\xCEr = %.2lf N/mm\xFD", p.key, p.rho * p.U_M * f_xd);
                    OLI_printf(file, "  \x88  U\xCE\\\xCC,%c\xCEr = %.3lf", p.key, Round_Utilisation(p.U_M));
                } else if (std::fabs(p.M) > 0.001) {
                    OLI_printf(file, "keine weitere Lastaufnahme m\x94glich %s", Mark_Alert());
                }
            }
            OLI_printf(file, "\n%s \xCEt", P);
            OLI_printf(file, "Grenznormalkr\x84" "fte N\xCE\\max,%c\xCEr = %.2lf kN, N\xCE\\min,%c\xCEr = %.2lf kN", p.key,
                       p.N_max, p.key, p.N_min);
            OLI_printf(file, "\n");
        }
    }
    if (std::fabs(t.N) > 0.001 || std::fabs(t.M_y_r) > 0.001) {
        OLI_printf(file, "%sHauptbieg.: \xCEt", P);
        OLI_printf(file, "N = %.2lf kN", t.N);
        OLI_printf(file, ", ");
        OLI_printf(file, "Grenznormalkr\x84" "fte N\xCE\\max\xCEr = %.2lf kN, N\xCE\\min\xCEr = %.2lf kN", t.N_max, t.N_min);
        OLI_printf(file, "  \x88  U\xCE\\N\xCEr = %.3lf", Round_Utilisation(t.U_N));
        OLI_printf(file, "\n \xCEt");
        OLI_printf(file, "M\xCE\\y\xCEr = %.2lf kNm", 0.01 * t.M_y_r);
        OLI_printf(file, ", ");
        if (std::fabs(t.M_max) <= 0.001 && std::fabs(t.M_min) <= 0.001) {
            OLI_printf(file, "keine weitere Lastaufnahme m\x94glich %s", Mark_Alert());
        } else {
            OLI_printf(file, "Grenzmomente M\xCE\\y,max\xCEr = %.2lf kNm, M\xCE\\y,min\xCEr = %.2lf kNm", 0.01 * t.M_max,
                       0.01 * t.M_min);
            OLI_printf(file, "  \x88  U\xCE\\My\xCEr = %.3lf", Round_Utilisation(t.U_My));
        }
        OLI_printf(file, "\n");
    }
    const double U = Round_Utilisation(t.U);
    OLI_printf(file, "%sGesamt (ggf. aus Laststeigerung): max U = %.3lf", P, U);
    OLI_printf(file, "  %s  1  %s", Limit_Compare_Symbol(U, 1), Verdict(U));
    OLI_printf(file, "\n");
}

}  // namespace

uint32_t Calc_XS_Check_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                                int circular_hollow, double N, double M_y, double M_z, double V_y, double V_z,
                                double T_t, double T_w, double B, double* out1, double* out2, double* out3,
                                double* out4, double* out5, double* out6, double* out7, double* out8, FILE* file,
                                int level) {
    if (!section || !options) return 0;
    const char* P = Check_Line_Prefix;
    const int mode = options[0];

    // 1. the data records
    Profil_Model_Descriptor descriptor{};
    descriptor.word1 = -1;
    Section_Work_Record work{};
    float* values = reinterpret_cast<float*>(&work);
    char name_text[PROFIL_MODEL_NAME_SIZE] = "    ";
    const bool converted = Convert_Profilquerschnitt_At(section, 0.5, &descriptor, values, name_text) == 1;
    if (converted) {
        descriptor.word1 = 2;
        int method = mode <= 0 ? 2 : 3;
        if (mode >= 1) {
            const int c = Check_TSV_Default(1, &descriptor, &work.head, name_text);
            if (c != 3) method = c;
        }
        values[16] = Code_Pair(method);
        values[17] = Code_Pair(options[9]);
        values[18] = Code_Pair(4 | (options[1] != 0) | 2 * (options[2] != 0));
        values[19] = Code_Pair(4096);
    }

    // 2. heading
    const bool heading = file && level >= 1;
    if (heading) {
        Tabs({1.5});
        OLI_printf(file, "%s%slastische%s f\x81r  ", P, mode <= 0 ? "e" : "p",
                   check == 1 ? "r Spannungsnachweis" : " Spannungen");
        const char* sep = "";
        int items = 0;
        auto item = [&](const char* format, const char* sub, double v) {
            if (std::fabs(v) <= 0.01) return;
            if (items == 6) {
                OLI_printf(file, "\n");
                sep = "\xCEt";
            }
            if (sub)
                OLI_printf(file, format, sep, sub, v);
            else
                OLI_printf(file, format, sep, v);
            sep = ", ";
            items++;
        };
        item("%sN = %.2lf kN", nullptr, N);
        item("%sM\xCE\\%s\xCEr = %.2lf kNm", "y", M_y);
        item("%sV\xCE\\%s\xCEr = %.2lf kN", "z", V_z);
        item("%sM\xCE\\%s\xCEr = %.2lf kNm", "z", M_z);
        item("%sV\xCE\\%s\xCEr = %.2lf kN", "y", V_y);
        item("%sT\xCE\\t\xCEr = %.2lf kNm", nullptr, T_t);
        item("%sT\xCE\\\xD0\xCEr = %.2lf kNm", nullptr, T_w);
        item("%sB = %.2lf kNm\xFD", nullptr, B);
        OLI_printf(file, "\n");
    }
    // A section that could not be converted has no data for the check: it
    // is not run on unset records.
    if (!converted) {
        if (heading) OLI_printf(file, "%sNachweis wurde nicht gef\x81hrt\n", P);
        return 0;
    }

    // 3. the member check
    NachweisNorm selector{1, 0};
    Stabnachweis_Ergebnis r{};
    double s1 = 0, s2 = 0, tau = 0, sv = 0, gov = 0, M_gr = 0, ct_i = 0, ct_o = 0, U_s = 0;
    auto run = [&]() {
        return Check_Member_Ext(&selector, N, V_y, V_z, T_t, M_y, M_z, T_w, B, &descriptor, name_text, values,
                                gamma_M0, &s1, &s2, &tau, &sv, &gov, &M_gr, &ct_i, &ct_o, &U_s, 0, 1, nullptr,
                                nullptr, &r);
    };
    uint32_t bits = run();
    if (!(bits & MC_STRESSES)) {
        if (heading) OLI_printf(file, "%sNachweis wurde nicht gef\x81hrt\n", P);
        return 0;
    }
    // 4. c/t of flat bars modelled as two walls, and of boxes
    const double* s = section->start;
    const bool two_walls = section->type == 1 && (std::fabs(20 * s[6] - 10 * s[1]) < 0.001 ||
                                                  std::fabs(20 * s[6] - 10 * s[0]) < 0.001);
    const bool box_overhang = !two_walls && section->type == 9 && 10 * s[2] < 5 * s[6] + 10 * s[1] - 0.001;
    auto ct_total = [&]() { return (two_walls ? 0.5 : 1.0) * std::max(ct_i, box_overhang ? 0.0 : ct_o); };
    // A plastic result holds only for a section of the class it needs (the
    // c/t utilisation is formed for that class): a section that misses it
    // is checked elastically, with the c/t ratio that says why.
    int missed_class = 0;
    double missed_ct = 0;
    if (mode >= 1 && (r.final_options & kPlasticMethods) && r.class_slot >= 0 && r.class_slot <= 1 &&
        !Utilisation_Ok(Round_Utilisation(ct_total()))) {
        missed_class = r.class_slot + 1;
        missed_ct = Round_Utilisation(ct_total());
        values[16] = Code_Pair(2);
        bits = run();
        if (!(bits & MC_STRESSES)) {
            if (heading) OLI_printf(file, "%sNachweis wurde nicht gef\x81hrt\n", P);
            return 0;
        }
    }
    // 9. A plastic check that fell back on the elastic checks still answers
    // the plastic request: the caller takes it as done, not as an error.
    const uint32_t result =
        mode >= 1 && !(bits & MC_PLASTIC) && (r.final_options & kElasticChecks) ? bits | MC_PLASTIC : bits;
    double ct_out = ct_o, ct_in = ct_i, ct_all = ct_total();
    if (two_walls) ct_out /= 2, ct_in /= 2;
    if (box_overhang) ct_out = 0;
    // 5. rounding
    const bool flange_road = r.final_options & OPT_TSV;
    double U_sx = Round_Utilisation(r.resistance[3]), U_t = Round_Utilisation(r.resistance[4]);
    double U_v = Round_Utilisation(r.resistance[5]);
    double U_sig = Round_Utilisation(r.U_stresses);
    ct_out = Round_Utilisation(ct_out), ct_in = Round_Utilisation(ct_in), ct_all = Round_Utilisation(ct_all);
    double U_all = Round_Utilisation(std::max({U_sig, ct_all, r.U_buckling}));
    // 6. null outputs and stresses only
    if (!out2) U_sig = 0;
    if (!out3) ct_out = ct_in = ct_all = 0;
    double s_hi = std::max(s1, s2), s_lo = std::min(s1, s2);
    if (check == 0) U_all = U_sig = ct_all = s_hi = s_lo = tau = sv = 0;
    // 7. outputs
    if (out1) *out1 = U_all;
    if (out2) *out2 = U_sig;
    if (out3) *out3 = ct_all;
    if (out4) *out4 = s_hi;
    if (out5) *out5 = s_lo;
    if (out6) *out6 = tau;
    if (out7) *out7 = sv;
    if (out8) *out8 = M_gr;
    if (!file) return result;

    // 8. text
    if (bits & MC_NOT_VERIFIED) {
        OLI_printf(file, "%sDer Querschnitt kann nicht nachgewiesen werden %s\n", P, Mark_Alert());
        return result;
    }
    if (mode != 0 && !(r.final_options & kPlasticMethods)) {
        if (missed_class)
            OLI_printf(file, "%sc/t-Verh\x84ltnis bzgl. Q-Klasse %d: U\xCE\\c/t\xCEr = %.3lf  %s  1  %s\xCEr\n", P,
                       missed_class, missed_ct, Limit_Compare_Symbol(missed_ct, 1), Verdict(missed_ct));
        OLI_printf(file, "%sDer Querschnitt kann plastisch nicht nachgewiesen werden", P);
        const bool elastic = r.final_options & kElasticChecks;
        if (elastic) OLI_printf(file, " %s", Mark_Alert());
        OLI_printf(file, "\n");
        if (!elastic) return result;
    }
    if (check == 0) {
        OLI_printf(file, "%s", P);
        if (bits & MC_PLASTIC) {
            if (level >= 1) OLI_printf(file, "plastisches Grenzmoment: ");
            OLI_printf(file, "M\xCE\\pl,N,Q\xCEr = %.2lf kNm\n", M_gr);
        }
        return result;
    }
    const double (&pt)[MC_POINTS][5] = r.points;
    const double f_xd = 10 * r.resistance[0], f_td = 10 * r.resistance[1], f_vd = 10 * r.resistance[2];
    if (level >= 1) {
        if (!(bits & MC_PLASTIC) && level >= 2) {
            OLI_printf(file, "%selastische Spannungen: ", P);
            OLI_printf(file, "max |\xCC\xCE\\x\xCEr| = %.2lf N/mm\xFD,  max \xD6 = %.2lf N/mm\xFD",
                       10 * std::max(std::fabs(pt[MC_PT_SMAX][2]), std::fabs(pt[MC_PT_SMIN][2])),
                       10 * std::max(std::fabs(pt[MC_PT_TMAX][3]), std::fabs(pt[MC_PT_TMIN][3])));
            OLI_printf(file, ",  max \xCC\xCE\\v\xCEr = %.2lf N/mm\xFD", 10 * pt[MC_PT_SV][4]);
            OLI_printf(file, "\n");
        }
        if (!flange_road) {
            const char* line = "%s%s \xCEt" "bei y = %.1lf mm, z = %.1lf mm: \xCEt\xCC\xCE\\x\xCEr = %.2lf N/mm\xFD, \xD6 = "
                               "%.2lf N/mm\xFD, \xCC\xCE\\v\xCEr = %.2lf N/mm\xFD\n";
            Tabs({9.0, 35.0});
            OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 0.3);
            if (section->type != 10 && section->type != 1 && level >= 2) {
                auto point = [&](const char* what, const double* p, double tau_sign) {
                    OLI_printf(file, line, P, what, 10 * p[0], 10 * p[1], 10 * p[2], 10 * tau_sign * p[3], 10 * p[4]);
                };
                if (std::fabs(pt[MC_PT_SMAX][2]) * 10 > 0.001) point("max \xCC\xCE\\x\xCEr", pt[MC_PT_SMAX], 1);
                if (std::fabs(pt[MC_PT_SMIN][2]) * 10 > 0.001) point("min \xCC\xCE\\x\xCEr", pt[MC_PT_SMIN], 1);
                const double a = std::fabs(pt[MC_PT_TMAX][3]), b = std::fabs(pt[MC_PT_TMIN][3]);
                if (a != b && std::max(a, b) * 10 > 0.001) {
                    if (a > b)
                        point("max \xD6", pt[MC_PT_TMAX], 1);
                    else
                        point("max \xD6", pt[MC_PT_TMIN], -1);
                }
                point("max \xCC\xCE\\v\xCEr", pt[MC_PT_SV], 1);
            }
            OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
            if (level >= 2) {
                OLI_printf(file, "zul. ");
                if (U_sx > 0.001) OLI_printf(file, "Normal-, ");
                if (U_t > 0.001) OLI_printf(file, "Schub-, ");
                OLI_printf(file, "Vergleichsspannung: ");
                if (U_sx > 0.001) OLI_printf(file, "\xCC\xCE\\x,Rd\xCEr = %.1lf N/mm\xFD,  ", f_xd);
                if (U_t > 0.001) OLI_printf(file, "\xD6\xCE\\Rd\xCEr = %.1lf N/mm\xFD,  ", f_td);
                OLI_printf(file, "\xCC\xCE\\v,Rd\xCEr = %.1lf N/mm\xFD\n", f_vd);
            }
            Tabs({8.0});
            OLI_printf(file, "%sNachweis: ", P);
            bool before = false;
            if (level >= 2) {
                const double smax = 10 * std::max(std::fabs(pt[MC_PT_SMAX][2]), std::fabs(pt[MC_PT_SMIN][2]));
                const double tmax = 10 * std::max(std::fabs(pt[MC_PT_TMAX][3]), std::fabs(pt[MC_PT_TMIN][3]));
                if (U_sx > 0.001) {
                    OLI_printf(file,
                               "\xCEtmax |\xCC\xCE\\x\xCEr| = %.2lf N/mm\xFD  %s  \xCC\xCE\\x,Rd\xCEr = %.2lf N/mm\xFD  "
                               "\x88  U\xCE\\\xCCx\xCEr = %.3lf  %s  1  %s\n",
                               smax, Limit_Compare_Symbol(smax, f_xd), f_xd, U_sx, Limit_Compare_Symbol(U_sx, 1),
                               Verdict(U_sx));
                    before = true;
                }
                if (U_t > 0.001) {
                    OLI_printf(file,
                               "\xCEtmax \xD6 = %.2lf N/mm\xFD  %s  \xD6\xCE\\Rd\xCEr = %.2lf N/mm\xFD  \x88  "
                               "U\xCE\\\xD6\xCEr = %.3lf  %s  1  %s\n",
                               tmax, Limit_Compare_Symbol(tmax, f_td), f_td, U_t, Limit_Compare_Symbol(U_t, 1),
                               Verdict(U_t));
                    before = true;
                }
            }
            const double svp = 10 * pt[MC_PT_SV][4];
            OLI_printf(file,
                       "\xCEt\xCC\xCE\\v\xCEr = %.2lf N/mm\xFD  %s  \xCC\xCE\\v,Rd\xCEr = %.2lf N/mm\xFD  \x88  "
                       "U\xCE\\\xCC%s\xCEr = %.3lf  %s  1  %s\n",
                       svp, Limit_Compare_Symbol(svp, f_vd), f_vd, before ? "v" : "", U_v, Limit_Compare_Symbol(U_v, 1),
                       Verdict(U_v));
            if (level >= 2 && (U_sx > 0.001 || U_t > 0.001))
                OLI_printf(file, "\xCEtGesamt: U\xCE\\\xCC\xCEr = %.3lf  %s  1  %s\n", U_sig,
                           Limit_Compare_Symbol(U_sig, 1), Verdict(U_sig));
        } else {
            Flange_Road(file, r.tsv, f_xd, f_td, level);
        }
        // c/t block
        if (ct_in > 0.01 || ct_out > 0.01) {
            Tabs({10.0});
            const int cls = r.class_slot < 0 ? -1 : r.class_slot + 1;
            if (level == 1) {
                OLI_printf(file, "%sc/t-Verh\x84ltnis", P);
                OLI_printf(file, ": ");
            } else {
                OLI_Add_Para_Offset(0.3);
                OLI_printf(file, "%sc/t-Verh\x84ltnis", P);
                if (cls < 0)
                    OLI_printf(file, ": ");
                else
                    OLI_printf(file, " bzgl. Q-Klasse %d:\n", cls);
            }
            auto part = [&](const char* label, double u) {
                OLI_printf(file, "\xCEt");
                if (label) OLI_printf(file, "%s", label);
                OLI_printf(file, "Ausnutzung U\xCE\\" "c/t\xCEr");
                OLI_printf(file, " = %.3lf", u);
                Print_Utilisation_Verdict(file, u);
                OLI_printf(file, "\n");
            };
            if (ct_out > 0.01) part(circular_hollow ? nullptr : "einseitig gest\x81tzt: ", ct_out);
            if (ct_in > 0.01) part(circular_hollow ? nullptr : "beidseitig gest\x81tzt: ", ct_in);
            if (level >= 2 && ct_out > 0.01 && ct_in > 0.01 && ct_all > 0.01) part("gesamt: ", ct_all);
        }
    } else if (U_sig > 0.001 || ct_all > 0.001) {
        OLI_printf(file, "%s", P);
        if (U_sig > 0.001)
            OLI_printf(file, "U\xCE\\\xCC\xCEr = %.3lf  %s  1  %s\xCEr", U_sig, Limit_Compare_Symbol(U_sig, 1), Verdict(U_sig));
        if (U_sig > 0.001 && ct_all > 0.001) OLI_printf(file, ",  ");
        if (ct_all > 0.001)
            OLI_printf(file, "U\xCE\\" "c/t\xCEr = %.3lf  %s  1  %s\xCEr", ct_all, Limit_Compare_Symbol(ct_all, 1),
                       Verdict(ct_all));
        OLI_printf(file, "\n");
    }
    OLI_End_Tabs();
    return result;
}
