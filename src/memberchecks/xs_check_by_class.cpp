#include "memberchecks/xs_check_by_class.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/cp850.h"
#include "base/rounding.h"
#include "memberchecks/ct_check.h"
#include "memberchecks/member_check.h"
#include "memberchecks/outline_plastic.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "thinwall/tsv.h"

namespace {

// A value as printed with two decimals: a zero without its sign.
double Z(double x) { return Unsigned_Zero(x, 2); }

// Option bits of the elastic checks and of the plastic methods in the member
// check's final option word.
const uint32_t kElasticChecks = 0x31Cu;
const uint32_t kPlasticMethods = 0x1500001u | OPT_OUTLINE;

// A pair of equal 16-bit codes c as float, read the same by every design code.
float Code_Pair(int c) { return static_cast<float>(static_cast<double>(c) * 65536.0 + c + 0.1); }

void Tabs(const std::initializer_list<double> stops) {
    double p[4];
    int n = 0;
    for (double s : stops) p[n++] = s;
    OLI_Set_Tabs(0, nullptr, p, n);
}

// The verdict of a stress utilisation behind its value as computed (the
// list's tolerance counts; one the rule counts as 1 says so); a c/t ratio
// has its limit without one.
const char* Verdict(double u) { return Utilisation_Verdict_Computed(u); }

// A utilisation the check counts but does not judge on its own line: as
// computed, and where the rule counts it as 1 with the words that say so.
void Print_Counted(FILE* file, double u) {
    OLI_printf(file, "%s%s", Utilisation_Digits_Without_Tolerance(u), Counted_As_One_Verdict(u));
}

// The utilisation of an acting value within its limits, as the plastic
// method measures it: from the middle of the range towards the limit on
// the value's side. The rows give the middle and the quotient, so that the
// printed numbers give the printed utilisation. Starts a row of its own
// under the values.
void Range_Utilisation_Line(FILE* file, const char* U_name, const char* name, const char* mid_name,
                            const char* max_name, const char* min_name, double value, double max, double min,
                            const char* unit, double U) {
    const double mid = (max + min) / 2;
    const char* limit = value < mid ? min_name : max_name;
    OLI_printf(file, "\n ╬t%s = (%s + %s) / 2 = %.2lf %s"_cp, mid_name, max_name, min_name, Z(mid), unit);
    OLI_printf(file, "\n ╬t\x88  U╬\\%s╬r = (%s - %s) / (%s - %s) = "_cp, U_name, name, mid_name, limit, mid_name);
    Print_Counted(file, U);
}

// The bound of the real outline on the plates (of sloped flanges, or of a
// heavy section's parallel flanges): its utilisation beside the plates'
// own, the larger one going into the total; beyond 1 the load factor's,
// and the plates whose shear alone passes their shear resistance.
void Print_Outline_Bound(FILE* file, const Outline_Result& o) {
    OLI_printf(file, "%sProfilumriss: ╬t%s"_cp, Check_Line_Prefix,
               o.kind == OUTLINE_SLOPED ? "geneigte Flansche, Ausrundungen" : "Ausrundungen");
    OLI_printf(file, "  \x88  U = ");
    Print_Counted(file, o.U);
    if (o.U > 1) OLI_printf(file, " (aus Laststeigerung)");
    OLI_printf(file, " (Teilschnittgr\x94\xE1" "en: ");
    Print_Counted(file, o.U_plates);
    OLI_printf(file, ")\n");
    static const char* const names[OUTLINE_BANDS] = {"Obergurt", "Steg", "Untergurt"};
    const char* sep = "";
    for (int k = 0; k < OUTLINE_BANDS; k++) {
        if (!o.shear_spent[k]) continue;
        if (!*sep) OLI_printf(file, "%s ╬tSchub allein über der plastischen Schubtragfähigkeit: "_cp, Check_Line_Prefix);
        OLI_printf(file, "%s%s", sep, names[k]);
        sep = ", ";
    }
    if (*sep) OLI_printf(file, "\n");
}

// The main bending's normal force and moment with their limits and
// utilisations. Flanges overloaded by their own bending stop the method
// before it has the limits: then the forces alone.
void Main_Bending_Lines(FILE* file, const TSV_Ergebnis& t) {
    OLI_printf(file, "%sHauptbieg.: ╬t"_cp, Check_Line_Prefix);
    OLI_printf(file, "N = %.2lf kN", Z(t.N));
    if (!(t.flags & TSV_FLANGE_PASSED)) {
        OLI_printf(file, "\n ╬t"_cp);
        OLI_printf(file, "M╬\\y╬r = %.2lf kNm\n"_cp, Z(0.01 * t.M_y_r));
        return;
    }
    OLI_printf(file, ", ");
    OLI_printf(file, "Grenznormalkr\x84" "fte N╬\\max╬r = %.2lf kN, N╬\\min╬r = %.2lf kN"_cp, Z(t.N_max), Z(t.N_min));
    Range_Utilisation_Line(file, "N", "N", "N╬\\m╬r"_cp, "N╬\\max╬r"_cp, "N╬\\min╬r"_cp, t.N, t.N_max, t.N_min, "kN",
                           t.U_N);
    OLI_printf(file, "\n ╬t"_cp);
    OLI_printf(file, "M╬\\y╬r = %.2lf kNm"_cp, Z(0.01 * t.M_y_r));
    OLI_printf(file, ", ");
    if (std::fabs(t.M_max) <= 0.001 && std::fabs(t.M_min) <= 0.001) {
        // N takes the whole section (the plates' limit moments have
        // closed on 0): no further load can be taken, a fault only where
        // the axial force or the moment is beyond what the check passes
        // (the note beside a total that is ok).
        const bool passes = Utilisation_Passes(Round_Utilisation(std::max(t.U_N, t.U_My)));
        OLI_printf(file, "keine weitere Lastaufnahme m\x94glich %s", passes ? Mark_Note() : Mark_Alert());
    } else {
        OLI_printf(file, "Grenzmomente M╬\\y,max╬r = %.2lf kNm, M╬\\y,min╬r = %.2lf kNm"_cp, Z(0.01 * t.M_max),
                   Z(0.01 * t.M_min));
        Range_Utilisation_Line(file, "My", "M╬\\y╬r"_cp, "M╬\\y,m╬r"_cp, "M╬\\y,max╬r"_cp, "M╬\\y,min╬r"_cp,
                               0.01 * t.M_y_r, 0.01 * t.M_max, 0.01 * t.M_min, "kNm", t.U_My);
    }
    OLI_printf(file, "\n");
}

// The flange-by-flange values of the partial-internal-forces method (forces
// kN, moments kNcm printed in kNm, stresses from the utilisations).
void Flange_Road(FILE* file, const TSV_Ergebnis& t, const Outline_Result& o, double f_xd, double f_td, int level) {
    const char* P = Check_Line_Prefix;
    Tabs({10.0});
    if (level >= 2) {
        OLI_printf(file, "%szul. Normal-/Schubspannung: \xCC╬\\x,Rd╬r = %.1lf N/mm\xFD,  \xD6╬\\Rd╬r = %.1lf N/mm\xFD\n"_cp,
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
            // A utilisation the method did not form stands at -1: a flange
            // the section lacks (a tube's, say) is not listed for it.
            bool any = false;
            for (double x : {p.V, p.T, std::max(p.U_tau, 0.0), p.M, std::max(p.U_M, 0.0), p.N_max, p.N_min})
                if (std::fabs(x) > 0.001) any = true;
            if (!any) continue;
            OLI_printf(file, "%s%s: ╬t"_cp, P, p.head);
            OLI_printf(file, "Querkraft V╬\\%c╬r = %.2lf kN"_cp, p.key, Z(p.V));
            OLI_printf(file, ", ");
            OLI_printf(file, "Torsion T╬\\p%c╬r = %.2lf kNm"_cp, p.key, Z(0.01 * p.T));
            if (p.U_tau > 0.001) {
                OLI_printf(file, ", ");
                OLI_printf(file, "Schubspg. \xD6╬\\%c╬r = %.2lf N/mm\xFD"_cp, p.key, p.U_tau * f_td);
                OLI_printf(file, "  \x88  U╬\\\xD6,%c╬r = "_cp, p.key);
                Print_Counted(file, p.U_tau);
            }
            if (p.bending) {
                OLI_printf(file, "\n%s ╬t"_cp, P);
                OLI_printf(file, "Gurtbiegung M╬\\\xCC,%c╬r = %.2lf kNm"_cp, p.key, Z(0.01 * p.M));
                // A flange whose whole strength the shear takes has none
                // left for a bending moment on it; one whose moment is too
                // small to use any of its strength is not exhausted by it.
                const bool exhausted = p.rho <= 0 && std::fabs(p.M) > 0.001;
                if (exhausted) {
                    OLI_printf(file, ", ");
                    OLI_printf(file, "keine weitere Lastaufnahme m\x94glich %s", Mark_Alert());
                } else if (p.U_M > 0.001) {
                    OLI_printf(file, ", ");
                    OLI_printf(file, "Biegespannung \xCC╬\\%c╬r = %.2lf N/mm\xFD"_cp, p.key, p.rho * p.U_M * f_xd);
                    OLI_printf(file, "  \x88  U╬\\\xCC,%c╬r = "_cp, p.key);
                    Print_Counted(file, p.U_M);
                }
            }
            OLI_printf(file, "\n%s ╬t"_cp, P);
            OLI_printf(file, "Grenznormalkr\x84" "fte N╬\\max,%c╬r = %.2lf kN, N╬\\min,%c╬r = %.2lf kN"_cp, p.key,
                       Z(p.N_max), p.key, Z(p.N_min));
            OLI_printf(file, "\n");
        }
    }
    if (std::fabs(t.N) > 0.001 || std::fabs(t.M_y_r) > 0.001) Main_Bending_Lines(file, t);
    if (o.kind == OUTLINE_SLOPED || o.kind == OUTLINE_ROOTS) Print_Outline_Bound(file, o);
    OLI_printf(file, "%sGesamt (ggf. aus Laststeigerung): max U = %s", P, Utilisation_Digits(t.U));
    OLI_printf(file, "%s", Verdict(t.U));
    OLI_printf(file, "\n");
}

// What the steps of one check by class share: the call, the member check's
// records and results, and the utilisations as computed (the outputs count
// one just above 1 as 1; the lines show it with the rule that does).
struct Class_Check {
    const Profilquerschnitt* section;
    const int* options;
    int mode, check, level, circular_hollow;
    double gamma_M0;
    XS_Check_Forces f;
    FILE* file;
    bool heading;            // the heading was written
    Profil_Model_Descriptor descriptor;
    Section_Work_Record work;
    char name_text[PROFIL_MODEL_NAME_SIZE];
    Stabnachweis_Ergebnis r;
    Member_Check_Output out;
    uint32_t bits;
    bool two_walls, box_overhang;
    bool class4;             // beyond the class 3 limits: not covered by the check
    int missed_class;
    double missed_ct;
    bool flange_road;
    double U_sx, U_t, U_v, U_sig, ct_out, ct_in, ct_all, U_all;
    const Plastic_Outline* outline;  // the section's real outline, when it has one
    bool no_plastic_method;          // asked for a plastic check the section has none of
};

float* Values(Class_Check& c) { return reinterpret_cast<float*>(&c.work); }

// Step 1: the member check's data records of the section - the method
// (elastic, or the plastic one the section supports), the checks asked for
// and the spatial mode; false when the section cannot be converted.
bool Fill_Check_Records(Class_Check& c) {
    c.descriptor.word1 = -1;
    std::memcpy(c.name_text, "    ", 5);
    float* values = Values(c);
    if (Convert_Profilquerschnitt_At(c.section, 0.5, &c.descriptor, values, c.name_text) != 1) return false;
    c.descriptor.word1 = 2;
    int method = c.mode <= 0 ? 2 : 3;
    if (c.mode >= 1) {
        const int code = Check_TSV_Default(1, &c.descriptor, &c.work.head, c.name_text);
        if (code != 3) method = code;
        // No plates describe a hollow rectangle; the stress blocks of its
        // outline check it.
        if (method == 2 && c.outline && c.outline->kind == OUTLINE_HOLLOW) method = 6;
        c.no_plastic_method = method == 2;
    }
    values[WORK_SLOT_OPTION_1] = Code_Pair(method);
    values[WORK_SLOT_OPTION_2] = Code_Pair(c.options[9]);
    values[WORK_SLOT_OPTION_3] = Code_Pair(4 | (c.options[1] != 0) | 2 * (c.options[2] != 0));
    values[WORK_SLOT_OPTION_4] = Code_Pair(4096);
    return true;
}

// Step 2: the heading with the forces that are not zero, six to a line.
void Print_Class_Check_Heading(const Class_Check& c) {
    FILE* file = c.file;
    Tabs({1.5});
    OLI_printf(file, "%s%slastische%s f\x81r  ", Check_Line_Prefix, c.mode <= 0 ? "e" : "p",
               c.check == 1 ? "r Spannungsnachweis" : " Spannungen");
    const char* sep = "";
    int items = 0;
    auto item = [&](const char* format, const char* sub, double v) {
        if (std::fabs(v) <= 0.01) return;
        if (items == 6) {
            OLI_printf(file, "\n");
            sep = "╬t"_cp;
        }
        if (sub)
            OLI_printf(file, format, sep, sub, v);
        else
            OLI_printf(file, format, sep, v);
        sep = ", ";
        items++;
    };
    const XS_Check_Forces& f = c.f;
    item("%sN = %.2lf kN", nullptr, f.N);
    item("%sM╬\\%s╬r = %.2lf kNm"_cp, "y", f.M_y);
    item("%sV╬\\%s╬r = %.2lf kN"_cp, "z", f.V_z);
    item("%sM╬\\%s╬r = %.2lf kNm"_cp, "z", f.M_z);
    item("%sV╬\\%s╬r = %.2lf kN"_cp, "y", f.V_y);
    item("%sT╬\\t╬r = %.2lf kNm"_cp, nullptr, f.T_t);
    item("%sT╬\\\xD0╬r = %.2lf kNm"_cp, nullptr, f.T_w);
    item("%sB = %.2lf kNm\xFD", nullptr, f.B);
    OLI_printf(file, "\n");
}

// Step 3: the member check on the records (spatial, EN 1993-1-1); false,
// with the note under the heading, when it did not run.
bool Run_Member_Check(Class_Check& c) {
    static const NachweisNorm selector{1, 0};
    const XS_Check_Forces& f = c.f;
    Member_Check_Input in{};
    in.selector = &selector;
    in.N = f.N, in.V_1 = f.V_y, in.V_2 = f.V_z, in.T_t = f.T_t;
    in.M_1 = f.M_y, in.M_2 = f.M_z, in.T_w = f.T_w, in.B = f.B;
    in.descriptor = &c.descriptor;
    in.name_text = c.name_text;
    in.values = Values(c);
    in.gamma_M0 = in.gamma_M1 = c.gamma_M0;
    in.check_flags = 0;
    in.spatial = 1;
    in.outline = c.outline;
    c.bits = Check_Member(&in, &c.out, &c.r);
    if (c.bits & MC_STRESSES) return true;
    if (c.heading) OLI_printf(c.file, "%sNachweis wurde nicht gef\x81hrt\n", Check_Line_Prefix);
    return false;
}

// The c/t utilisation of the whole section: a flat bar modelled as two walls
// counts half, the outstands of a library Q24 not at all. A welded box of
// the weld program, handed as a Q24, has its overhangs on its real plates:
// an outstand past its web (b_üo/t_fo beyond 14 eps) is as much a part of
// its class as the flange between the webs.
double Ct_Total(const Class_Check& c) {
    return (c.two_walls ? 0.5 : 1.0) * std::max(c.out.ct_internal, c.box_overhang ? 0.0 : c.out.ct_outstand);
}

// Step 4: flat bars modelled as two walls and boxes with overhangs; a plastic
// result that misses the class it needs is checked again elastically.
bool Check_Needed_Class(Class_Check& c) {
    const double* s = c.section->start;
    const int type = c.section->type;
    c.two_walls = type == PQ_SHAPE_RHS &&
                  (std::fabs(20 * s[6] - 10 * s[1]) < 0.001 || std::fabs(20 * s[6] - 10 * s[0]) < 0.001);
    const bool welded_box = c.section->box_flange[0] > 0;
    c.box_overhang = !c.two_walls && type == PQ_SHAPE_Q24 && !welded_box && 10 * s[2] < 5 * s[6] + 10 * s[1] - 0.001;
    // A plastic result holds only for a section of the class it needs (the
    // c/t utilisation is formed for that class): a section that misses it
    // is checked elastically, with the c/t ratio that says why.
    const Stabnachweis_Ergebnis& r = c.r;
    if (c.mode >= 1 && (r.final_options & kPlasticMethods) && r.class_slot >= 0 && r.class_slot <= 1 &&
        !Utilisation_Ok(Round_Utilisation(Ct_Total(c)))) {
        c.missed_class = r.class_slot + 1;
        c.missed_ct = Round_Utilisation(Ct_Total(c));
        Values(c)[WORK_SLOT_OPTION_1] = Code_Pair(2);
        return Run_Member_Check(c);
    }
    return true;
}

// Steps 5 to 7: the utilisations rounded, zeroed where their output is not
// asked for or only stresses are, and written to the outputs.
void Set_Class_Check_Outputs(Class_Check& c, double* const out[XS_OUTPUTS]) {
    const Stabnachweis_Ergebnis& r = c.r;
    c.ct_out = c.out.ct_outstand, c.ct_in = c.out.ct_internal, c.ct_all = Ct_Total(c);
    if (c.two_walls) c.ct_out /= 2, c.ct_in /= 2;
    if (c.box_overhang) c.ct_out = 0;
    c.flange_road = r.final_options & OPT_TSV;
    c.U_sx = r.resistance[3], c.U_t = r.resistance[4];
    c.U_v = r.resistance[5];
    c.U_sig = r.U_stresses;
    c.U_all = Round_Utilisation(std::max({c.U_sig, c.ct_all, r.U_buckling}));
    if (!out[XS_OUT_U_SIGMA]) c.U_sig = 0;
    if (!out[XS_OUT_U_CT]) c.ct_out = c.ct_in = c.ct_all = 0;
    const Member_Check_Output& m = c.out;
    XS_Check_Result v{0, 0, 0, 0, 0, 0, 0, m.M_gr, 0, 0};
    if (c.check == 0) {
        c.U_all = c.U_sig = c.ct_all = 0;
    } else {
        v = {c.U_all,   Round_Utilisation(c.U_sig), Round_Utilisation(c.ct_all), std::max(m.sigma_1, m.sigma_2),
             std::min(m.sigma_1, m.sigma_2), m.tau_max, m.sigma_v_max, m.M_gr, c.U_sig, c.ct_all};
    }
    double* values[XS_OUTPUTS];
    XS_Result_Addresses(&v, values);
    for (int k = 0; k < XS_OUTPUTS; k++)
        if (out[k]) *out[k] = *values[k];
}

// The points of the extreme stresses (not for flat bars and hollow
// rectangles).
void Print_Stress_Points(const Class_Check& c) {
    const char* P = Check_Line_Prefix;
    const double (&pt)[MC_POINTS][5] = c.r.points;
    const char* line = "%s%s ╬tbei y = %.1lf mm, z = %.1lf mm: ╬t\xCC╬\\x╬r = %.2lf N/mm\xFD, \xD6 = "
                       "%.2lf N/mm\xFD, \xCC╬\\v╬r = %.2lf N/mm\xFD\n"_cp;
    auto point = [&](const char* what, const double* p, double tau_sign) {
        OLI_printf(c.file, line, P, what, 10 * p[0], 10 * p[1], 10 * p[2], 10 * tau_sign * p[3], 10 * p[4]);
    };
    if (std::fabs(pt[MC_PT_SMAX][2]) * 10 > 0.001) point("max \xCC╬\\x╬r"_cp, pt[MC_PT_SMAX], 1);
    if (std::fabs(pt[MC_PT_SMIN][2]) * 10 > 0.001) point("min \xCC╬\\x╬r"_cp, pt[MC_PT_SMIN], 1);
    const double a = std::fabs(pt[MC_PT_TMAX][3]), b = std::fabs(pt[MC_PT_TMIN][3]);
    if (a != b && std::max(a, b) * 10 > 0.001) {
        if (a > b)
            point("max \xD6", pt[MC_PT_TMAX], 1);
        else
            point("max \xD6", pt[MC_PT_TMIN], -1);
    }
    point("max \xCC╬\\v╬r"_cp, pt[MC_PT_SV], 1);
}

// The design strengths, then the normal, shear and comparison stresses
// against them with their verdicts.
void Print_Stress_Verdicts(const Class_Check& c) {
    FILE* file = c.file;
    const int level = c.level;
    const double (&pt)[MC_POINTS][5] = c.r.points;
    const double f_xd = 10 * c.r.resistance[0], f_td = 10 * c.r.resistance[1], f_vd = 10 * c.r.resistance[2];
    const double U_sx = c.U_sx, U_t = c.U_t;
    if (level >= 2) {
        OLI_printf(file, "zul. ");
        if (U_sx > 0.001) OLI_printf(file, "Normal-, ");
        if (U_t > 0.001) OLI_printf(file, "Schub-, ");
        OLI_printf(file, "Vergleichsspannung: ");
        if (U_sx > 0.001) OLI_printf(file, "\xCC╬\\x,Rd╬r = %.1lf N/mm\xFD,  "_cp, f_xd);
        if (U_t > 0.001) OLI_printf(file, "\xD6╬\\Rd╬r = %.1lf N/mm\xFD,  "_cp, f_td);
        OLI_printf(file, "\xCC╬\\v,Rd╬r = %.1lf N/mm\xFD\n"_cp, f_vd);
    }
    Tabs({8.0});
    OLI_printf(file, "%sNachweis: ", Check_Line_Prefix);
    bool before = false;
    if (level >= 2) {
        const double smax = 10 * std::max(std::fabs(pt[MC_PT_SMAX][2]), std::fabs(pt[MC_PT_SMIN][2]));
        const double tmax = 10 * std::max(std::fabs(pt[MC_PT_TMAX][3]), std::fabs(pt[MC_PT_TMIN][3]));
        if (U_sx > 0.001) {
            const Compared_Pair p = Utilisation_Pair_Of(smax, f_xd, 2, U_sx);
            OLI_printf(file,
                       "╬tmax |\xCC╬\\x╬r| = %.*lf N/mm\xFD  %s  \xCC╬\\x,Rd╬r = %.*lf N/mm\xFD  "
                       "\x88  U╬\\\xCCx╬r = %s%s\n"_cp,
                       p.value_places, p.value, p.sign, p.limit_places, p.limit, Utilisation_Digits(U_sx), Verdict(U_sx));
            before = true;
        }
        if (U_t > 0.001) {
            const Compared_Pair p = Utilisation_Pair_Of(tmax, f_td, 2, U_t);
            OLI_printf(file,
                       "╬tmax \xD6 = %.*lf N/mm\xFD  %s  \xD6╬\\Rd╬r = %.*lf N/mm\xFD  \x88  "
                       "U╬\\\xD6╬r = %s%s\n"_cp,
                       p.value_places, p.value, p.sign, p.limit_places, p.limit, Utilisation_Digits(U_t), Verdict(U_t));
            before = true;
        }
    }
    const double svp = 10 * pt[MC_PT_SV][4];
    const Compared_Pair p = Utilisation_Pair_Of(svp, f_vd, 2, c.U_v);
    OLI_printf(file,
               "╬t\xCC╬\\v╬r = %.*lf N/mm\xFD  %s  \xCC╬\\v,Rd╬r = %.*lf N/mm\xFD  \x88  "
               "U╬\\\xCC%s╬r = %s%s\n"_cp,
               p.value_places, p.value, p.sign, p.limit_places, p.limit, before ? "v" : "", Utilisation_Digits(c.U_v), Verdict(c.U_v));
    if (level >= 2 && (U_sx > 0.001 || U_t > 0.001))
        OLI_printf(file, "╬tGesamt: U╬\\\xCC╬r = %s%s\n"_cp, Utilisation_Digits(c.U_sig), Verdict(c.U_sig));
}

// The plastic check on the stress blocks of the outline (a hollow
// section): the strengths, shear and torsion against their resistances
// with the yield strength they leave the walls, the stress blocks' own
// utilisation and limit moment, and the verdict.
void Print_Outline_Road(const Class_Check& c) {
    FILE* file = c.file;
    const char* P = Check_Line_Prefix;
    const Outline_Result& o = c.r.outline;
    const Hollow_Shear& v = o.shear;
    const XS_Check_Forces& f = c.f;
    Tabs({10.0});
    if (c.level >= 2) {
        OLI_printf(file, "%szul. Normal-/Schubspannung: \xCC╬\\x,Rd╬r = %.1lf N/mm\xFD,  \xD6╬\\Rd╬r = %.1lf N/mm\xFD\n"_cp,
                   P, o.f_yd, v.tau_Rd);
        if (f.V_z != 0 || f.V_y != 0 || f.T_t != 0) {
            const char* T = f.T_t != 0 ? "T," : "";
            const char* sep = "";
            OLI_printf(file, "%sSchub: ╬t"_cp, P);
            if (f.V_z != 0) {
                OLI_printf(file, "V╬\\z╬r = %.2lf kN, V╬\\pl,%sz,Rd╬r = %.2lf kN"_cp, Z(f.V_z), T, v.V_pl_z);
                sep = ", ";
            }
            if (f.V_y != 0) {
                OLI_printf(file, "%sV╬\\y╬r = %.2lf kN, V╬\\pl,%sy,Rd╬r = %.2lf kN"_cp, sep, Z(f.V_y), T, v.V_pl_y);
                sep = ", ";
            }
            if (f.T_t != 0) OLI_printf(file, "%s\xD6╬\\t╬r = %.2lf N/mm\xFD"_cp, sep, v.tau_t);
            OLI_printf(file, "  \x88  U╬\\V╬r = "_cp);
            Print_Counted(file, v.U_V);
            if (v.U_V_raised) OLI_printf(file, " (aus Laststeigerung)");
            OLI_printf(file, "\n");
            // a reduction the printed strengths show
            if (o.f_yd - std::min(v.strength[OUTLINE_WEB], v.strength[OUTLINE_TOP]) >= 0.05)
                OLI_printf(file, "%s ╬tStreckgrenze f\x81r Schub abgemindert: Stege %.1lf N/mm\xFD, Gurte %.1lf N/mm\xFD\n"_cp, P,
                           v.strength[OUTLINE_WEB], v.strength[OUTLINE_TOP]);
        }
        OLI_printf(file, "%sUmriss: ╬tSpannungsbl\x94" "cke aus N, M╬\\y╬r, M╬\\z╬r  \x88  U╬\\NM╬r = "_cp, P);
        Print_Counted(file, o.U_NM);
        if (o.U_NM_raised) OLI_printf(file, " (aus Laststeigerung)");
        OLI_printf(file, ",  M╬\\pl,N,Q╬r = %.2lf kNm\n"_cp, o.M_pl_N);
    }
    const double tab = 8.0;
    OLI_Set_Tabs(0, nullptr, &tab, 1);
    const double U = c.U_sig;
    OLI_printf(file, "%sNachweis: ╬tU╬\\\xCC╬r = %s%s\n"_cp, P, Utilisation_Digits(U), Verdict(U));
}

// The elastic stress check: the extremes, their points and the verdicts; a
// class 4 section its stresses and that the check does not cover it.
void Print_Elastic_Check(const Class_Check& c) {
    FILE* file = c.file;
    const char* P = Check_Line_Prefix;
    const double (&pt)[MC_POINTS][5] = c.r.points;
    if (!(c.bits & MC_PLASTIC) && c.level >= 2) {
        OLI_printf(file, "%selastische Spannungen: ", P);
        OLI_printf(file, "max |\xCC╬\\x╬r| = %.2lf N/mm\xFD,  max \xD6 = %.2lf N/mm\xFD"_cp,
                   10 * std::max(std::fabs(pt[MC_PT_SMAX][2]), std::fabs(pt[MC_PT_SMIN][2])),
                   10 * std::max(std::fabs(pt[MC_PT_TMAX][3]), std::fabs(pt[MC_PT_TMIN][3])));
        OLI_printf(file, ",  max \xCC╬\\v╬r = %.2lf N/mm\xFD"_cp, 10 * pt[MC_PT_SV][4]);
        OLI_printf(file, "\n");
    }
    if (c.class4) {
        Print_Class_4_Not_Covered(file);
        return;
    }
    if (c.flange_road) {
        // The strengths the partial internal forces were checked against
        // (the elastic checks, which fill the record's, did not run).
        Flange_Road(file, c.r.tsv, c.r.outline, 10 * c.r.tsv.f_y, 10 * c.r.tsv.tau_R, c.level);
        return;
    }
    if (c.r.final_options & OPT_OUTLINE) {
        Print_Outline_Road(c);
        return;
    }
    Tabs({9.0, 35.0});
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() + 0.3);
    const int type = c.section->type;
    if (type != PQ_SHAPE_FLAT && type != PQ_SHAPE_RHS && c.level >= 2) Print_Stress_Points(c);
    OLI_Set_Para_Indent(OLI_Get_Para_Indent() - 0.3);
    Print_Stress_Verdicts(c);
}

// The c/t utilisations of the outstands, the internal parts and in total,
// under the class they were formed for.
void Print_Ct_Block(const Class_Check& c) {
    FILE* file = c.file;
    const char* P = Check_Line_Prefix;
    Tabs({10.0});
    const int cls = c.r.class_slot < 0 ? -1 : c.r.class_slot + 1;
    if (c.level == 1) {
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
        OLI_printf(file, "╬t"_cp);
        if (label) OLI_printf(file, "%s", label);
        OLI_printf(file, "Ausnutzung U╬\\c/t╬r"_cp);
        OLI_printf(file, " = %s", Utilisation_Digits_Without_Tolerance(u));
        Print_Utilisation_Verdict(file, u);
        OLI_printf(file, "\n");
    };
    if (c.ct_out > 0.01) part(c.circular_hollow ? nullptr : "einseitig gest\x81tzt: ", c.ct_out);
    if (c.ct_in > 0.01) part(c.circular_hollow ? nullptr : "beidseitig gest\x81tzt: ", c.ct_in);
    if (c.level >= 2 && c.ct_out > 0.01 && c.ct_in > 0.01 && c.ct_all > 0.01) part("gesamt: ", c.ct_all);
}

// The summary line of level 0: U_sigma and U_c/t with their verdicts.
void Print_Summary_Line(const Class_Check& c) {
    FILE* file = c.file;
    // a class 4 section has no stress utilisation of its own here
    const double U_sig = c.class4 ? 0.0 : c.U_sig, ct_all = c.ct_all;
    if (c.class4) Print_Class_4_Not_Covered(file);
    if (U_sig <= 0.001 && ct_all <= 0.001) return;
    OLI_printf(file, "%s", Check_Line_Prefix);
    if (U_sig > 0.001)
        OLI_printf(file, "U╬\\\xCC╬r = %s%s╬r"_cp, Utilisation_Digits(U_sig), Verdict(U_sig));
    if (U_sig > 0.001 && ct_all > 0.001) OLI_printf(file, ",  ");
    if (ct_all > 0.001) {
        OLI_printf(file, "U╬\\c/t╬r = %s"_cp, Utilisation_Digits_Without_Tolerance(ct_all));
        Print_Utilisation_Verdict(file, ct_all);
    }
    OLI_printf(file, "\n");
}

// A section short of the class its plastic resistance needs is checked
// elastically, as its class allows: the list says so with the c/t ratio
// that decides it, without an alarm - nothing failed. The check asks class
// 2 of a plastic result, so the class named is 3; a class 4 section has its
// own note with the elastic check instead.
void Print_Checked_Elastically(const Class_Check& c) {
    if (c.class4) return;
    OLI_printf(c.file, "%sQuerschnitt in Klasse %d", Check_Line_Prefix, c.missed_class + 1);
    OLI_printf(c.file, " (c/t bzgl. Q-Klasse %d: U╬\\c/t╬r = %s  %s  1): elastischer Nachweis\n"_cp,
               c.missed_class, Utilisation_Digits_As_Kept_With(c.missed_ct, 0.0), Limit_Compare_Symbol(c.missed_ct, 1));
}

// Step 8: the text - refusals, the plastic note, the limit moment when only
// stresses are asked for, else the stress check and the c/t block.
void Print_Class_Check_Text(const Class_Check& c) {
    FILE* file = c.file;
    const char* P = Check_Line_Prefix;
    const Stabnachweis_Ergebnis& r = c.r;
    if (c.bits & MC_NOT_VERIFIED) {
        OLI_printf(file, "%sDer Querschnitt kann nicht nachgewiesen werden %s\n", P, Mark_Alert());
        return;
    }
    if (c.mode != 0 && !(r.final_options & kPlasticMethods) && c.no_plastic_method && !c.missed_class &&
        (r.final_options & kElasticChecks)) {
        Print_Elastic_Only_Note(file);
    } else if (c.mode != 0 && !(r.final_options & kPlasticMethods)) {
        const bool elastic = r.final_options & kElasticChecks;
        if (c.missed_class && elastic) {
            Print_Checked_Elastically(c);
        } else {
            OLI_printf(file, "%sDer Querschnitt kann plastisch nicht nachgewiesen werden", P);
            if (elastic) OLI_printf(file, " %s", Mark_Alert());
            OLI_printf(file, "\n");
        }
        if (!elastic) return;
    }
    if (c.check == 0) {
        OLI_printf(file, "%s", P);
        if (c.bits & MC_PLASTIC) {
            if (c.level >= 1) OLI_printf(file, "plastisches Grenzmoment: ");
            OLI_printf(file, "M╬\\pl,N,Q╬r = %.2lf kNm\n"_cp, c.out.M_gr);
        }
        return;
    }
    if (c.level >= 1) {
        Print_Elastic_Check(c);
        if (c.ct_in > 0.01 || c.ct_out > 0.01) Print_Ct_Block(c);
    } else if (c.U_sig > 0.001 || c.ct_all > 0.001 || c.class4) {
        Print_Summary_Line(c);
    }
    OLI_End_Tabs();
}

}  // namespace

void Print_Elastic_Only_Note(FILE* file) {
    OLI_printf(file, "%sF\x81r diesen Querschnitt gibt es keinen plastischen Nachweis; er wird elastisch nachgewiesen.\n",
               Check_Line_Prefix);
}

void Print_Class_4_Not_Covered(FILE* file) {
    OLI_printf(file, "%sQuerschnittsklasse 4: Nachweis mit wirksamem Querschnitt nach EC 3-1-5 nicht abgedeckt %s\n",
               Check_Line_Prefix, Mark_Alert());
}

void XS_Result_Addresses(XS_Check_Result* r, double* out[XS_OUTPUTS]) {
    out[XS_OUT_TOTAL] = &r->U_total;
    out[XS_OUT_U_SIGMA] = &r->U_sigma;
    out[XS_OUT_U_CT] = &r->U_ct;
    out[XS_OUT_SIGMA_MAX] = &r->sigma_max;
    out[XS_OUT_SIGMA_MIN] = &r->sigma_min;
    out[XS_OUT_TAU] = &r->tau;
    out[XS_OUT_SIGMA_V] = &r->sigma_v;
    out[XS_OUT_M_PL] = &r->M_pl;
    out[XS_OUT_U_SIGMA_COMPUTED] = &r->U_sigma_computed;
    out[XS_OUT_U_CT_COMPUTED] = &r->U_ct_computed;
}

uint32_t Check_XS_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                           int circular_hollow, const XS_Check_Forces* forces, double* const out[XS_OUTPUTS],
                           FILE* file, int level) {
    if (!section || !options || !forces || !out) return 0;
    Class_Check c{};
    c.section = section;
    c.options = options;
    c.mode = options[0];
    c.check = check;
    c.level = level;
    c.circular_hollow = circular_hollow;
    c.gamma_M0 = gamma_M0;
    c.f = *forces;
    c.file = file;
    c.outline = Get_Section_Outline(section);
    const bool converted = Fill_Check_Records(c);
    c.heading = file && level >= 1;
    if (c.heading) Print_Class_Check_Heading(c);
    // A section that could not be converted has no data for the check: it
    // is not run on unset records.
    if (!converted) {
        if (c.heading) OLI_printf(file, "%sNachweis wurde nicht gef\x81hrt\n", Check_Line_Prefix);
        return 0;
    }
    if (!Run_Member_Check(c) || !Check_Needed_Class(c)) return 0;
    // 9. A plastic check that fell back on the elastic checks still answers
    // the plastic request: the caller takes it as done, not as an error.
    const uint32_t result = c.mode >= 1 && !(c.bits & MC_PLASTIC) && (c.r.final_options & kElasticChecks)
                                ? c.bits | MC_PLASTIC
                                : c.bits;
    Set_Class_Check_Outputs(c, out);
    // The stresses are those of the gross section; a section beyond the class
    // 3 limits needs the effective one, which this check does not have.
    c.class4 = c.check == 1 && !(c.bits & MC_NOT_VERIFIED) && c.r.class_slot == 2 &&
               !Utilisation_Ok(Round_Utilisation(Ct_Total(c)));
    if (file) Print_Class_Check_Text(c);
    return c.class4 ? result | MC_NOT_VERIFIED | XS_CLASS_4_NOT_COVERED : result;
}

uint32_t Calc_XS_Check_By_Class(const Profilquerschnitt* section, const int* options, int check, double gamma_M0,
                                int circular_hollow, double N, double M_y, double M_z, double V_y, double V_z,
                                double T_t, double T_w, double B, double* out1, double* out2, double* out3,
                                double* out4, double* out5, double* out6, double* out7, double* out8, FILE* file,
                                int level) {
    const XS_Check_Forces forces{N, M_y, M_z, V_y, V_z, T_t, T_w, B};
    double* const out[XS_OUTPUTS] = {out1, out2, out3, out4, out5, out6, out7, out8};
    return Check_XS_By_Class(section, options, check, gamma_M0, circular_hollow, &forces, out, file, level);
}
