// Weld resistance and stress checks of a weld group (EN 1993-1-8 4.5.3).
//
// Units are the group's (weldelem.h): N, Nmm, mm, forces per length N/mm
// and stresses N/mm² throughout, so that a force over a length is a force
// per length and a force per length over the throat a stress as they stand.
// The lines show forces per length in kN/cm and moments in kNm.
//
// A check never prints "ok" on a strength that rests on an unusable partial
// factor or correlation factor, nor on a utilisation that is not a number:
// such a check is refused and its line carries the red failure marker. A
// strength or resistance of 0 keeps its blue note, but the check counts as
// refused, so that no closing verdict can call the weld proven.
//
// The normal force per length is the largest at the root. A two-sided weld
// is two weld lines t2 apart: each takes N / 2, M_p / t2 as a couple and
// half of M_s over its own section modulus l² / 6. A one-sided weld has no
// partner: it carries the whole N (halving it would lean on a bearing
// contact at the far face that cannot take tension and that the group does
// not know of). A fully penetrated butt weld is the joint's own section,
// N / A ± M / W, so its worse face takes |N| + 6 |M_p| / t over the joint
// thickness t (t2, or the thinner part in line), whatever the signs.
//
// Across the throat N and V_s add on one face of the plate and oppose on the
// other, so the directional method takes them with their signs, for the weld
// that governs (see governing_weld). The simplified method's resultant does
// not depend on signs. A butt weld's throat lies in the cross-section of the
// abutting plate at every opening angle: N normal to it, V_s in it.
//
// With forces per length given, the directional method takes the caller's
// components; a given resultant larger than theirs is taken along the weld.
#include "weldcheck/weldres.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "base/cp850.h"
#include "base/rounding.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "codes/nad_file.h"
#include "codes/sicherheit.h"
#include "platform/format.h"
#include "printlist/oli_para.h"
#include "printlist/verdict.h"
#include "weldcheck/weldgroup_internal.h"

static const double PI = 3.14159265358979323846;


// ------------------------------------------------------------ strengths

double Weld_Tensile_Strength_At(const Materialparameter_Record* m, double t) {
    if (!m) return 0.0;
    Materialparameter_Record at;
    Init_Material_Params_For_Thickness(m, &at, t);
    // A national variant of the annex takes the weld's f_u of a part over
    // 40 mm as that of its grade up to 40 mm; a grade without a value at
    // the part's own thickness (a hollow-section grade over 40 mm) stays
    // without one.
    const NAD_EC3_Block* annex = Get_NAD_EC3();
    if (t > 40.001 && at.f_u > 0.0 && annex && annex->variant != 0) {
        Init_Material_Params_For_Thickness(m, &at, 40.0);
        if (at.f_u > 0.0) return at.f_u;
        Init_Material_Params_For_Thickness(m, &at, t);
    }
    return at.f_u;
}

double Weld_Plate_Tensile_Strength(const Blech_Record* p) { return Weld_Tensile_Strength_At(&p->material, p->t); }

// f_u of plate 1 or 2 of the group: as its caller gave it, else derived.
static double group_fu(const NahtGruppe* g, int plate) {
    if (g->strengths_given) return plate == 1 ? g->f_u_plate1 : g->f_u_plate2;
    return Weld_Plate_Tensile_Strength(plate == 1 ? &g->plate1 : &g->plate2);
}

// The weaker of two plates of strengths fu1, fu2 and correlation factors
// bw1, bw2.
static void weaker_plate(double fu1, double bw1, double fu2, double bw2, double* f_u, double* beta_w) {
    // The weaker part is found whatever the order of the plates; between
    // equal strengths the larger correlation factor (the lower weld
    // strength) is taken for the same reason. A strength that is not a
    // number governs, so that it cannot pass unnoticed behind the other
    // plate.
    const bool second = std::isnan(fu1) || std::isnan(fu2) ? std::isnan(fu2) : fu2 < fu1 || (fu2 == fu1 && bw2 > bw1);
    *f_u = second ? fu2 : fu1;
    *beta_w = second ? bw2 : bw1;
}

void Weld_Governing_Strength(const Blech_Record* p1, const Blech_Record* p2, double* f_u, double* beta_w) {
    double fu = 0.0, bw = 0.0;
    if (p1 && p2) {
        weaker_plate(Weld_Plate_Tensile_Strength(p1), p1->material.beta_w, Weld_Plate_Tensile_Strength(p2),
                     p2->material.beta_w, &fu, &bw);
    } else if (p1 || p2) {
        const Blech_Record* p = p1 ? p1 : p2;
        fu = Weld_Plate_Tensile_Strength(p);
        bw = p->material.beta_w;
    }
    if (f_u) *f_u = fu;
    if (beta_w) *beta_w = bw;
}

// Weld_Governing_Strength of the group's two plates.
static void group_governing_strength(const NahtGruppe* g, double* f_u, double* beta_w) {
    weaker_plate(group_fu(g, 1), g->plate1.material.beta_w, group_fu(g, 2), g->plate2.material.beta_w, f_u, beta_w);
}

void Weld_Invalid_Value_Line(FILE* f, const char* prefix, const char* symbol) {
    if (f)
        OLI_printf(f, "%s╬HFehler╬r: %s%s = keine gültige Zahl %s\n"_cp, Check_Line_Prefix, prefix ? prefix : "",
                   symbol, Mark_Not_Ok());
}

// The tensile strength fu and correlation factor of one plate; 1 when
// either is not a finite number.
static int plate_strength_invalid(const Blech_Record* p, double fu, const char* prefix, FILE* f) {
    int invalid = 0;
    if (!std::isfinite(fu)) {
        invalid = 1;
        Weld_Invalid_Value_Line(f, prefix, "f╬\\u╬r"_cp);
    }
    if (!std::isfinite(p->material.beta_w)) {
        invalid = 1;
        Weld_Invalid_Value_Line(f, prefix, "╗╬\\w╬r"_cp);
    }
    return invalid;
}

// The inputs every check of a group refuses when they are not finite or
// beyond any weld, in the order of their lines: the symbol, where the group
// holds the value, and its largest value (a length in mm, or a force,
// moment, force per length or stress).
namespace {
struct Input {
    const char* symbol;
    size_t at;  // offset of the value in NahtGruppe
    double largest;
};
constexpr double kMm = WELD_MAX_LENGTH, kF = WELD_MAX_FORCE;
constexpr Input kInputs[] = {
    {"a", offsetof(NahtGruppe, a), kMm},
    {"e", offsetof(NahtGruppe, e), kMm},
    {"l╬\\w╬r"_cp, offsetof(NahtGruppe, l_w), kMm},
    {"┌"_cp, offsetof(NahtGruppe, angle), kMm},
    {"d", offsetof(NahtGruppe, d), kMm},
    {"l", offsetof(NahtGruppe, l), kMm},
    {"t╬\\1╬r"_cp, offsetof(NahtGruppe, plate1.t), kMm},
    {"t╬\\2╬r"_cp, offsetof(NahtGruppe, plate2.t), kMm},
    {"t╬\\p╬r"_cp, offsetof(NahtGruppe, t_p), kMm},
    {"N╬\\Ed╬r"_cp, offsetof(NahtGruppe, N_Ed), kF},
    {"M╬\\p,Ed╬r"_cp, offsetof(NahtGruppe, M_p_Ed), kF},
    {"M╬\\s,Ed╬r"_cp, offsetof(NahtGruppe, M_s_Ed), kF},
    {"V╬\\p,Ed╬r"_cp, offsetof(NahtGruppe, V_p_Ed), kF},
    {"V╬\\s,Ed╬r"_cp, offsetof(NahtGruppe, V_s_Ed), kF},
    {"F╬\\Ed╬r(╠╬\\s╬r)"_cp, offsetof(NahtGruppe, F_sigma_perp), kF},
    {"F╬\\Ed╬r(Í╬\\s╬r)"_cp, offsetof(NahtGruppe, F_tau_perp), kF},
    {"F╬\\Ed╬r(Í╬\\p╬r)"_cp, offsetof(NahtGruppe, F_tau_par), kF},
    {"╠╬\\s╬r"_cp, offsetof(NahtGruppe, sigma_perp), kF},
    {"Í╬\\s╬r"_cp, offsetof(NahtGruppe, tau_perp), kF},
    {"Í╬\\p╬r"_cp, offsetof(NahtGruppe, tau_par), kF},
    {"F╬\\w,Ed╬r"_cp, offsetof(NahtGruppe, F_w_Ed), kF},
    {"╠╬\\w,Ed╬r"_cp, offsetof(NahtGruppe, sigma_w_Ed), kF},
    {"l╬\\eff╬r"_cp, offsetof(NahtGruppe, l_eff), kMm},
};
constexpr int kInputCount = sizeof kInputs / sizeof kInputs[0];

double Value(const NahtGruppe* g, const Input& in) {
    double v;
    std::memcpy(&v, reinterpret_cast<const char*>(g) + in.at, sizeof v);
    return v;
}

}  // namespace

int Weld_Group_Input_Invalid(const NahtGruppe* g, FILE* f) {
    if (!g) return 1;
    // The usual group has every input finite and within its bound: then
    // neither loop below has a line to write (the checks call this several
    // times per point). A sum of magnitudes is at least each of them, and
    // not a number or infinite when one of them is; only a group whose sums
    // exceed the bounds is looked at value by value.
    double sum[2] = {0.0, 0.0};  // lengths, forces
#pragma GCC unroll 23
    for (int i = 0; i < kInputCount; ++i) sum[kInputs[i].largest == kF] += std::fabs(Value(g, kInputs[i]));
    const bool usual = sum[0] <= kMm && sum[1] <= kF;
    int invalid = 0;
    for (int i = 0; i < kInputCount && !usual; ++i) {
        if (std::isfinite(Value(g, kInputs[i]))) continue;
        invalid = 1;
        Weld_Invalid_Value_Line(f, "", kInputs[i].symbol);
    }
    invalid |= plate_strength_invalid(&g->plate1, group_fu(g, 1), "Blech 1: ", f);
    invalid |= plate_strength_invalid(&g->plate2, group_fu(g, 2), "Blech 2: ", f);
    // Factors that follow the annex are refilled before use; own ones are
    // taken as they are. A number outside what an annex can hold is refused
    // where the strength is formed (strength_basis_usable).
    if (g->factors && !g->factors->from_annex && !std::isfinite(g->factors->gamma_M2)) {
        invalid = 1;
        Weld_Invalid_Value_Line(f, "", "└╬\\M2╬r"_cp);
    }
    if (invalid) return 1;
    // Finite but beyond any weld: the squares and quotients of the checks
    // could overflow.
    for (int i = 0; i < kInputCount && !usual; ++i) {
        if (std::fabs(Value(g, kInputs[i])) <= kInputs[i].largest) continue;
        invalid = 1;
        if (f) OLI_printf(f, "%s╬HFehler╬r: %s = zu groß %s\n"_cp, Check_Line_Prefix, kInputs[i].symbol, Mark_Not_Ok());
    }
    // A fully penetrated butt weld is as thick as the joint: without a
    // thickness it has no throat to carry anything.
    if (g->kind == WELD_BUTT && g->full_penetration && Butt_Joint_Thickness(g) <= 0.001) {
        invalid = 1;
        if (f)
            OLI_printf(f, "%s╬HFehler╬r: durchgeschweißte Stumpfnaht mit Blechdicke t = 0  ê  Nachweis nicht möglich %s\n"_cp,
                       Check_Line_Prefix, Mark_Not_Ok());
    }
    return invalid;
}

// Whether the joint of a butt weld, the group with its throat set to the
// joint's thickness, one-sided and fully penetrated, with the forces per
// length worked out for it, passes Weld_Group_Input_Invalid as the group
// did: every value that differs from the group's is within its bound and
// the joint has a thickness. A group found valid then needs no second look
// at what it shares with its joint.
static bool Joint_Inputs_As_Checked(const NahtGruppe* j) {
    const double lengths[] = {j->a, j->l_eff};
    const double forces[] = {j->F_sigma_perp, j->F_tau_perp, j->F_tau_par, j->sigma_perp,
                             j->tau_perp,     j->tau_par,    j->F_w_Ed,    j->sigma_w_Ed};
    for (double v : lengths)
        if (!(std::fabs(v) <= kMm)) return false;
    for (double v : forces)
        if (!(std::fabs(v) <= kF)) return false;
    return Butt_Joint_Thickness(j) > 0.001;
}

int Weld_Gamma_M2_Usable(double gamma_M2, FILE* f) {
    if (NAD_Factor_Usable(gamma_M2)) return 1;
    if (f)
        OLI_printf(f, "%sTeilsicherheitsbeiwert └╬\\M2╬r = %s ungültig (nicht zwischen %.1lf und %.0lf)  ê  Nachweis nicht möglich %s\n"_cp,
                   Check_Line_Prefix, NAD_Factor_Text(gamma_M2).c_str(), NAD_FACTOR_MIN, NAD_FACTOR_MAX, Mark_Not_Ok());
    return 0;
}

// Refreshes the factors from the annex when they follow it, then tells
// whether gamma_M2 and beta_w may carry a strength. An unusable one writes
// its failure line (red marker) when a list is given.
static bool strength_basis_usable(NahtGruppe* g, double beta_w, FILE* f) {
    if (g->factors && g->factors->from_annex) Update_Safety_Factors_From_NAD(g->factors);
    bool ok = true;
    if (!g->factors) {
        ok = false;
        if (f) OLI_printf(f, "%s╬HFehler╬r: └╬\\M2╬r fehlt %s\n"_cp, Check_Line_Prefix, Mark_Not_Ok());
    } else if (!Weld_Gamma_M2_Usable(g->factors->gamma_M2, f)) {
        ok = false;
    }
    if (!Usable_Weld_Factor(beta_w)) {
        ok = false;
        if (f) OLI_printf(f, "%s╬HFehler╬r: ╗╬\\w╬r = %.2lf %s\n"_cp, Check_Line_Prefix, beta_w, Mark_Not_Ok());
    }
    return ok;
}

static double gamma_M2(const NahtGruppe* g) { return g->factors ? g->factors->gamma_M2 : 0.0; }

// Lines that come again with the same values (a weld's strength lines at
// every end point of every load case): formatted once and written again as
// they stand while their values and the prefix and sign texts are the same.
// A connection's points take turns between a few parts (a flange's and a
// web's joint, the plate): a few lines are kept, the oldest given up for a
// new one.
namespace {
class Kept_Line {
public:
    template <size_t N>
    __attribute__((format(printf, 3, 0))) const char* Text(const double (&values)[N], const char* format, ...) {
        static_assert(N <= kValues, "values of a kept line");
        const bool texts = Check_Line_Prefix && Report_Times_Sign;  // a null one is formatted each time
        if (texts)
            for (Slot& s : slots_)
                if (s.valid && s.n == N && std::memcmp(s.values, values, sizeof values) == 0 &&
                    s.prefix == Check_Line_Prefix && s.times == Report_Times_Sign)
                    return s.text.c_str();
        Slot& s = slots_[next_];
        s.valid = false;
        va_list ap;
        va_start(ap, format);
        const bool formatted = VEK_Format_String_V(s.text, format, ap);
        va_end(ap);
        if (!formatted) return "";
        if (!texts) return s.text.c_str();
        s.n = N;
        std::memcpy(s.values, values, sizeof values);
        s.prefix = Check_Line_Prefix;
        s.times = Report_Times_Sign;
        s.valid = true;
        next_ = (next_ + 1) % kSlots;
        return s.text.c_str();
    }

private:
    static constexpr size_t kValues = 5, kSlots = 4;
    struct Slot {
        bool valid = false;
        size_t n = 0;
        double values[kValues] = {};
        std::string prefix, times, text;
    };
    Slot slots_[kSlots];
    size_t next_ = 0;
};
}  // namespace

// The throat of a butt joint checked as a whole (a = t) where the weld's
// own throat is another: the formula lines with a name it, so that their
// numbers multiply out (0: the weld's own throat, named where the weld is).
static thread_local double g_joint_throat = 0.0;

// ",  a = t = 12.0 mm" on a formula line of a joint checked with another
// throat than the weld's, else nothing. The words are an argument of every
// such line, also where the kept line is written again: they are formatted
// once for each throat a connection's joints take turns with (a flange's
// and a web's), not at every point of every case (two formatted words a
// point cost a full-penetration connection 14 % of its time). The text
// stays valid until the next call.
static const char* joint_throat_words() {
    struct Words {
        double throat = 0.0;
        char text[48] = "";
    };
    constexpr size_t kKept = 4;
    thread_local Words kept[kKept];
    thread_local size_t next = 0;
    if (!(g_joint_throat > 0.0)) return "";
    for (const Words& w : kept)
        if (w.throat == g_joint_throat) return w.text;
    Words& w = kept[next];
    next = (next + 1) % kKept;
    std::snprintf(w.text, sizeof w.text, ",  a = t = %.1lf mm", g_joint_throat);
    w.throat = g_joint_throat;
    return w.text;
}

// Calc_Weld_Shear_Strength for a group whose inputs were found valid just
// before and have not changed since.
static int shear_strength(NahtGruppe* g, FILE* f, int print_level) {
    double fu = 0.0, bw = 0.0;
    group_governing_strength(g, &fu, &bw);
    if (!strength_basis_usable(g, bw, f)) {
        g->f_vw_d = 0.0;
        g->F_w_Rd = 0.0;
        return 1;
    }
    g->f_vw_d = fu * WELD_INV_SQRT3 / (bw * gamma_M2(g));
    g->F_w_Rd = g->f_vw_d * g->a;
    // The lines in one piece: the writer's cost is mostly per piece.
    if (f && print_level >= 2) {
        thread_local Kept_Line kept;
        const double values[] = {g->f_vw_d, fu, bw, Weld_kN_per_cm(g->F_w_Rd), g_joint_throat};
        OLI_printf(f, "%s",
                   kept.Text(values,
                             "%sScherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r%s└╬\\M2╬r) = %.2lf N/mm²,  "
                             "f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf\n"
                             "%sTragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r%sa = %.2lf kN/cm%s\n"_cp,
                             Check_Line_Prefix, Report_Times_Sign, g->f_vw_d, fu, bw, Check_Line_Prefix,
                             Report_Times_Sign, values[3], joint_throat_words()));
    } else if (f && print_level == 1) {
        OLI_printf(f,
                   "%sTragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r%sa = %.2lf kN/cm,  "
                   "f╬\\vw,d╬r = %.2lf N/mm²,  a = %.1lf mm\n"_cp,
                   Check_Line_Prefix, Report_Times_Sign, Weld_kN_per_cm(g->F_w_Rd), g->f_vw_d, g->a);
    }
    return g->F_w_Rd < -WELD_PER_LENGTH_ZERO ? 1 : 0;
}

int Calc_Weld_Shear_Strength(NahtGruppe* g, FILE* f, int print_level) {
    if (!g) return 1;
    if (Weld_Group_Input_Invalid(g, f)) {
        g->f_vw_d = 0.0;
        g->F_w_Rd = 0.0;
        return 1;
    }
    return shear_strength(g, f, print_level);
}

// ------------------------------------------------------------ forces

// Whether a force, a moment, a force per length or a stress counts as
// present.
static bool present_force(double N) { return std::fabs(N) > WELD_FORCE_ZERO; }
static bool present_moment(double Nmm) { return std::fabs(Nmm) > WELD_MOMENT_ZERO; }
static bool present_per_length(double F) { return std::fabs(F) > WELD_PER_LENGTH_ZERO; }
static bool present_stress(double sigma) { return std::fabs(sigma) > 0.001; }

// The normal force per length at the root and its formula line. L is the
// effective length, doubled for a two-sided weld. The result is
// the largest magnitude, |*n_const| + *n_var: *n_const is the part that
// keeps its sign along the weld (N, or the tension at the root of an
// eccentric one), *n_var the moments, which reach both signs (M_s at the two
// ends of the weld, M_p at the two faces).
static double normal_force(NahtGruppe* g, FILE* f, int print_level, double L, bool two_sided, double* n_const,
                           double* n_var) {
    *n_const = *n_var = 0.0;
    const double N = g->N_Ed, Mp = g->M_p_Ed, Ms = g->M_s_Ed;
    const double t2 = g->plate2.t;
    const bool full_butt = g->kind == WELD_BUTT && g->full_penetration;
    // Thickness of a fully penetrated joint: the thinner part in line.
    const double t_joint = Butt_Joint_Thickness(g);
    // Length of one weld: M_s is shared by both welds of a two-sided one.
    const double L_one = two_sided ? L / 2.0 : L;
    if (g->kind == WELD_SLOT || g->kind == WELD_PLUG) return 0.0;
    if (!present_force(N) && !present_moment(Mp) && !present_moment(Ms)) return 0.0;

    // Eccentricity of N for a one-sided weld.
    bool eccentric = false;
    double dMp = 0.0;
    if ((g->method & WELD_METHOD_MIN_LENGTH) && (g->method & WELD_METHOD_DIRECTIONAL) &&
        g->one_sided != WELD_TWO_SIDED && !full_butt) {
        dMp = N * t2 / 2.0 + (g->one_sided == WELD_ONE_SIDED ? -1.0 : 1.0) * Mp;
        eccentric = dMp > 0.001 && g->a >= 0.001;
        if (f && print_level >= 1) {
            if (dMp > 0.001)
                OLI_printf(f, "%sZusatzmoment aus Lastexzentrizität úM╬\\%s,Ed╬r = N╬\\Ed╬r%st╬\\2╬r/2 %s M╬\\%s,Ed╬r = %.2lf kNm\n"_cp,
                           Check_Line_Prefix, "p", Report_Times_Sign, g->one_sided == WELD_ONE_SIDED ? "-" : "+", "p",
                           Weld_kNm(dMp));
            else
                OLI_printf(f, "%sZusatzmoment aus Lastexzentrizität muss nicht berücksichtigt werden (kein Zug in der Nahtwurzel)\n"_cp,
                           Check_Line_Prefix);
        }
    }

    // Each moment's share only where the moment is present: a thickness of
    // 0 (not given) under N alone gives no 0/0.
    auto share = [](double M, double lever) { return present_moment(M) ? std::fabs(M) / lever : 0.0; };
    double F;
    if (full_butt) {
        F = (std::fabs(N) + 6.0 * share(Mp, t_joint) + 6.0 * share(Ms, L)) / L;
        *n_const = N / L;
    } else if (eccentric) {
        F = (std::fabs(N) + dMp / g->a + 6.0 * share(Ms, L)) / L;
        *n_const = (std::fabs(N) + dMp / g->a) / L;
    } else if (two_sided) {
        F = (std::fabs(N) + 2.0 * share(Mp, t2) + 6.0 * share(Ms, L_one)) / L;
        *n_const = N / L;
    } else {
        F = (std::fabs(N) + share(Mp, t2) + 6.0 * share(Ms, L)) / L;
        *n_const = N / L;
    }
    *n_var = std::max(0.0, F - std::fabs(*n_const));

    if (f && print_level >= 1) {
        const bool lone_N = present_force(N) && !present_moment(Mp) && !present_moment(Ms) && !eccentric;
        if (lone_N) {
            OLI_printf(f, "%sF╬\\N,Ed╬r = N╬\\Ed╬r / l╬\\eff╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix,
                       Unsigned_Zero(Weld_kN_per_cm(F), 2));
            return F;
        }
        std::string s = "(";
        bool first = true;
        auto term = [&](const char* text) {
            std::string t = text;
            if (first && t.rfind(" + ", 0) == 0) t = t.substr(3);
            s += t;
            first = false;
        };
        if (present_force(N)) term("N╬\\Ed╬r"_cp);
        char buf[160];
        if (eccentric) {
            std::snprintf(buf, sizeof buf, " + úM╬\\%s,Ed╬r/a"_cp, "p");
            term(buf);
        } else if (present_moment(Mp)) {
            if (full_butt)
                std::snprintf(buf, sizeof buf, " + M╬\\%s,Ed╬r%s6/t╬\\2╬r"_cp, "p", Report_Times_Sign);
            else if (two_sided)
                std::snprintf(buf, sizeof buf, " + 2%sM╬\\%s,Ed╬r/t╬\\2╬r"_cp, Report_Times_Sign, "p");
            else
                std::snprintf(buf, sizeof buf, " + M╬\\%s,Ed╬r/t╬\\2╬r"_cp, "p");
            term(buf);
        }
        if (present_moment(Ms)) {
            if (two_sided)
                std::snprintf(buf, sizeof buf, " + 2%sM╬\\%s,Ed╬r%s6/l╬\\eff╬r"_cp, Report_Times_Sign, "s",
                              Report_Times_Sign);
            else
                std::snprintf(buf, sizeof buf, " + M╬\\%s,Ed╬r%s6/l╬\\eff╬r"_cp, "s", Report_Times_Sign);
            term(buf);
        }
        s += ")";
        OLI_printf(f, "%sF╬\\N,Ed╬r = %s / l╬\\eff╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix, s.c_str(),
                   Unsigned_Zero(Weld_kN_per_cm(F), 2));
    }
    return F;
}

// One force component line: "name = a + b = value" or "name = 0".
static void component_line(FILE* f, const char* name_fmt, const char* sub, double value, const char* first,
                           const char* second) {
    OLI_printf(f, name_fmt, Check_Line_Prefix, sub);
    if (!present_per_length(value)) {
        OLI_printf(f, " = 0\n");
        return;
    }
    OLI_printf(f, " = ");
    if (first) OLI_printf(f, "%s", first);
    if (second && first) OLI_printf(f, "%s", second);
    else if (second) OLI_printf(f, "%s%s", second[1] == '-' ? "-" : "", second + 3);  // " + x" / " - x"
    OLI_printf(f, " = %.2lf kN/cm\n", Unsigned_Zero(Weld_kN_per_cm(value), 2));
}

// The signed normal force and shear across the weld of the weld that governs
// the directional method. Across the throat N and V_s add on one side of the
// plate and oppose on the other: a two-sided weld has both welds, the left
// one taking +V_s and the right one -V_s; a one-sided weld is the weld of its
// recorded side. Along a weld the moments (n_var) take both signs, so both
// ends are tried. The worse weld is the one with the larger utilisation of
// the two conditions (compared through beta_w; both strengths share
// f_u / gamma_M2); on a tie the left weld and the end with the larger force
// stay. At print level 1 and above one line names the weld with its two
// signed values, for a two-sided weld always, for a one-sided one when they
// differ from the magnitudes printed before.
static void governing_weld(const NahtGruppe* g, FILE* f, int print_level, double th, double n_const, double n_var,
                           double F_N, double F_Vs, double F_Vp, double* F_n, double* F_v) {
    double fu = 0.0, bw = 0.0;
    group_governing_strength(g, &fu, &bw);
    if (!Usable_Weld_Factor(bw)) bw = 1.0;
    const double sn = std::sin(th), cs = std::cos(th);
    const double v_signed = F_Vs * (g->V_s_Ed < 0.0 ? -1.0 : 1.0);
    // The end where the moments add to N (F_N itself, with the sign of N) and
    // the end where they take from it.
    const double sign = n_const < 0.0 ? -1.0 : 1.0;
    const double n_big = sign * F_N;
    const double n_small = sign * (std::fabs(n_const) - n_var);
    const int sides[2] = {1, -1};
    const int first_side = g->one_sided == WELD_ONE_SIDED_OTHER ? 1 : 0;
    const int last_side = g->one_sided == WELD_TWO_SIDED || g->one_sided == WELD_ONE_SIDED_OTHER ? 1 : 0;
    double best = -1.0;
    int best_side = first_side;
    for (int k = first_side; k <= last_side; ++k) {
        for (double n : {n_big, n_small}) {
            const double v = sides[k] * v_signed;
            const double sp = n * sn + v * cs, tp = n * cs - v * sn;
            const double score = std::max(std::sqrt(sp * sp + 3.0 * (tp * tp + F_Vp * F_Vp)) * bw, std::fabs(sp) / 0.9);
            if (score > best * (1.0 + 1e-12)) {
                best = score;
                best_side = k;
                *F_n = n;
                *F_v = v;
            }
        }
    }
    const bool two_welds = g->one_sided == WELD_TWO_SIDED;
    const bool as_printed = *F_n == F_N && *F_v == F_Vs;
    if (f && print_level >= 1 && (two_welds || !as_printed))
        OLI_printf(f, "%smaßgebend: %s Naht  ê  F╬\\N,Ed╬r = %.2lf kN/cm,  F╬\\Vs,Ed╬r = %.2lf kN/cm\n"_cp,
                   Check_Line_Prefix, best_side == 0 ? "linke" : "rechte", Unsigned_Zero(Weld_kN_per_cm(*F_n), 2),
                   Unsigned_Zero(Weld_kN_per_cm(*F_v), 2));
}

// The force per length of a given throat stress (the simplified method's
// resultant). 1 when it cannot be formed.
static int force_of_given_stress(NahtGruppe* g, FILE* f, int print_level) {
    if (present_stress(g->sigma_w_Ed) && g->a < 0.001) {
        if (f && print_level >= 2)
            OLI_printf(f, "%sBemessungswert der auf die wirksame Nahtfläche einwirkenden resultierenden Kraft:\n"_cp,
                       Check_Line_Prefix);
        if (f)
            OLI_printf(f, "%swirksame Nahtdicke = 0  ê  Kraft nicht ermittelbar %s\n"_cp, Check_Line_Prefix,
                       Mark_Alert());
        g->F_w_Ed = g->F_w_Ed_result = 0.0;
        return 1;
    }
    g->F_w_Ed = g->F_w_Ed_result = g->sigma_w_Ed * g->a;
    if (f && print_level >= 2)
        OLI_printf(f, "%sBemessungswert der auf die wirksame Nahtfläche einwirkenden resultierenden Kraft:\n"_cp,
                   Check_Line_Prefix);
    if (f && print_level >= 1)
        OLI_printf(f, "%s%sF╬\\w,Ed╬r = ╠╬\\w,Ed╬r%sa = %.2lf kN/cm%s\n"_cp, Check_Line_Prefix,
                   print_level == 1 ? "resultierende Nahtkraft " : "", Report_Times_Sign, Weld_kN_per_cm(g->F_w_Ed),
                   joint_throat_words());
    return 0;
}

// A given force per length and its throat stress. 1 when it cannot act.
static int given_force_per_length(NahtGruppe* g, FILE* f, int print_level) {
    if (present_per_length(g->F_w_Ed) && g->a < 0.001) {
        if (f)
            OLI_printf(f, "%swirksame Nahtdicke = 0  ê  Kraft nicht wirksam %s\n"_cp, Check_Line_Prefix, Mark_Alert());
        g->F_w_Ed = g->F_w_Ed_result = 0.0;
        return 1;
    }
    g->sigma_w_Ed = g->a >= 0.001 ? g->F_w_Ed / g->a : 0.0;
    g->F_w_Ed_result = g->F_w_Ed;
    if (f && print_level >= 1 && g->l_w > 0.1) {
        OLI_printf(f, "%s%sF╬\\w,Ed╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix,
                   print_level == 1 ? "Nahtkraft "
                                    : "Bemessungswert der auf die wirksame Nahtfläche einwirkenden Kraft "_cp,
                   Weld_kN_per_cm(g->F_w_Ed));
    }
    return 0;
}

// The components on the throat of the normal force and the shear forces per
// length, with the lines of their formulas. n_const and n_var: the parts of
// F_N that keep their sign along the weld and that take both (normal_force).
static void throat_components(NahtGruppe* g, FILE* f, int print_level, double F_N, double F_Vs, double F_Vp,
                              double n_const, double n_var) {
    // The throat of a butt weld lies in the cross-section of the abutting
    // plate whatever the opening angle: N is normal to it, V_s in it.
    const double theta_deg = g->kind == WELD_BUTT ? 90.0 : g->angle / 2.0;
    const double th = theta_deg * PI / 180.0;
    double F_n = F_N, F_v = F_Vs;
    const bool signed_forces =
        (g->method & WELD_METHOD_DIRECTIONAL) && g->kind != WELD_BUTT && present_per_length(F_N) && present_per_length(F_Vs);
    if (signed_forces) governing_weld(g, f, print_level, th, n_const, n_var, F_N, F_Vs, F_Vp, &F_n, &F_v);
    g->F_sigma_perp = F_n * std::sin(th) + F_v * std::cos(th);
    g->F_tau_perp = F_n * std::cos(th) - F_v * std::sin(th);
    if (signed_forces) {
        // Opposite forces cancel on the throat; what the rounding of sin and
        // cos leaves of them is no force (and no "-0.00" in the report).
        const double rounding = 1e-12 * (std::fabs(F_n) + std::fabs(F_v));
        if (std::fabs(g->F_sigma_perp) <= rounding) g->F_sigma_perp = 0.0;
        if (std::fabs(g->F_tau_perp) <= rounding) g->F_tau_perp = 0.0;
    }
    g->F_tau_par = F_Vp;
    if (f && print_level >= 2)
        OLI_printf(f, "%sBemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = %.2lf°):\n"_cp,
                   Check_Line_Prefix, theta_deg);
    if (f && print_level >= 1) {
        char a_text[80], b_text[80];
        std::snprintf(b_text, sizeof b_text, " + F╬\\V%s,Ed╬r%scos(║)"_cp, "s", Report_Times_Sign);
        std::snprintf(a_text, sizeof a_text, "F╬\\N,Ed╬r%ssin(║)"_cp, Report_Times_Sign);
        component_line(f, "%sF╬\\Ed╬r(╠╬\\%s╬r)"_cp, "s", g->F_sigma_perp, present_per_length(F_N) ? a_text : nullptr,
                       present_per_length(F_Vs) ? b_text : nullptr);
        std::snprintf(b_text, sizeof b_text, " - F╬\\V%s,Ed╬r%ssin(║)"_cp, "s", Report_Times_Sign);
        std::snprintf(a_text, sizeof a_text, "F╬\\N,Ed╬r%scos(║)"_cp, Report_Times_Sign);
        component_line(f, "%sF╬\\Ed╬r(Í╬\\%s╬r)"_cp, "s", g->F_tau_perp, present_per_length(F_N) ? a_text : nullptr,
                       present_per_length(F_Vs) ? b_text : nullptr);
        if (present_per_length(F_Vp))
            OLI_printf(f, "%sF╬\\Ed╬r(Í╬\\%s╬r) = F╬\\V%s,Ed╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix, "p", "p",
                       Weld_kN_per_cm(F_Vp));
        else
            OLI_printf(f, "%sF╬\\Ed╬r(Í╬\\%s╬r) = 0\n"_cp, Check_Line_Prefix, "p");
    }
}

// The resultant force per length and the throat stress; the simplified
// method's formula line.
static void resultant_force(NahtGruppe* g, FILE* f, int print_level) {
    g->F_w_Ed = std::sqrt(g->F_sigma_perp * g->F_sigma_perp + g->F_tau_perp * g->F_tau_perp +
                          g->F_tau_par * g->F_tau_par);
    g->F_w_Ed_result = g->F_w_Ed;
    g->sigma_w_Ed = g->a >= 0.001 ? g->F_w_Ed / g->a : 0.0;
    if (!(g->method & WELD_METHOD_DIRECTIONAL)) {
        if (f && print_level >= 2)
            OLI_printf(f, "%sBemessungswert der auf die wirksame Nahtfläche einwirkenden resultierenden Kraft:\n"_cp,
                       Check_Line_Prefix);
        if (f && print_level >= 1) {
            if (g->kind == WELD_SLOT)
                OLI_printf(f, "%sF╬\\w,Ed╬r = (F╬\\Ed╬r(Í╬\\%s╬r)² + F╬\\Ed╬r(Í╬\\%s╬r)²)╬/1/2╬r"_cp, Check_Line_Prefix,
                           "s", "p");
            else
                OLI_printf(f, "%sF╬\\w,Ed╬r = (F╬\\Ed╬r(╠╬\\%s╬r)² + F╬\\Ed╬r(Í╬\\%s╬r)² + F╬\\Ed╬r(Í╬\\%s╬r)²)╬/1/2╬r"_cp,
                           Check_Line_Prefix, "s", "s", "p");
            OLI_printf(f, " = %.2lf kN/cm\n", Weld_kN_per_cm(g->F_w_Ed));
        }
    }
}

// The forces per length of N, M and V given. 1 when they cannot be formed.
static int forces_of_actions(NahtGruppe* g, FILE* f, int print_level) {
    if (g->l_eff < 0.001) {
        if (f)
            OLI_printf(f, "%swirksame Nahtlänge = 0  ê  Kräfte nicht ermittelbar %s\n"_cp, Check_Line_Prefix,
                       Mark_Alert());
        return 1;
    }
    const bool full_butt = g->kind == WELD_BUTT && g->full_penetration;
    const bool carries_normal = g->kind != WELD_SLOT && g->kind != WELD_PLUG;
    // A moment over the thickness direction needs the thickness it acts over
    // (for a fully penetrated joint in line the thinner part).
    const double t_moment = full_butt ? Butt_Joint_Thickness(g) : g->plate2.t;
    if (carries_normal && present_moment(g->M_p_Ed) && t_moment <= 0.001) {
        if (f)
            OLI_printf(f, "%sBlechdicke t╬\\2╬r = 0  ê  Kräfte nicht ermittelbar %s\n"_cp, Check_Line_Prefix,
                       Mark_Alert());
        return 1;
    }
    // Slot and plug welds are one-sided whatever the flag says.
    const bool two_sided = g->one_sided == WELD_TWO_SIDED && !full_butt && carries_normal;
    double l_eff = g->l_eff;
    if (two_sided) {
        // Reckoned as two welds; the group's own l_eff stays as it is, so a
        // second check of the same group does not double it again.
        l_eff *= 2.0;
        if (f && print_level >= 1)
            OLI_printf(f, "%sbezogen auf 2 Nähte  ê  l╬\\eff╬r = %.1lf mm\n"_cp, Check_Line_Prefix, l_eff);
    }

    if (f && print_level >= 2 && carries_normal &&
        (present_force(g->N_Ed) || present_moment(g->M_p_Ed) || present_moment(g->M_s_Ed)))
        OLI_printf(f, "%sBemessungswerte der %smaximalen Kräfte:\n"_cp, Check_Line_Prefix,
                   full_butt ? "" : "im Wurzelpunkt wirkenden ");
    double n_const = 0.0, n_var = 0.0;
    const double F_N = normal_force(g, f, print_level, l_eff, two_sided, &n_const, &n_var);
    const double F_Vp = std::fabs(g->V_p_Ed) / l_eff;
    const double F_Vs = std::fabs(g->V_s_Ed) / l_eff;
    if (f && print_level >= 1) {
        if (present_force(g->V_p_Ed))
            OLI_printf(f, "%sF╬\\V%s,Ed╬r = V╬\\%s,Ed╬r / l╬\\eff╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix, "p", "p",
                       Weld_kN_per_cm(F_Vp));
        if (present_force(g->V_s_Ed))
            OLI_printf(f, "%sF╬\\V%s,Ed╬r = V╬\\%s,Ed╬r / l╬\\eff╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix, "s", "s",
                       Weld_kN_per_cm(F_Vs));
    }
    throat_components(g, f, print_level, F_N, F_Vs, F_Vp, n_const, n_var);
    resultant_force(g, f, print_level);
    return 0;
}

// Calc_Weld_Forces for a group whose inputs were found valid just before
// and have not changed since.
static int weld_forces(NahtGruppe* g, FILE* f, int print_level) {
    if (g->force_mode == WELD_STRESS_GIVEN) return force_of_given_stress(g, f, print_level);
    if (g->force_mode == WELD_FORCE_PER_LENGTH_GIVEN) return given_force_per_length(g, f, print_level);
    return forces_of_actions(g, f, print_level);
}

int Calc_Weld_Forces(NahtGruppe* g, FILE* f, int print_level) {
    if (!g || Weld_Group_Input_Invalid(g, f)) return 1;
    return weld_forces(g, f, print_level);
}

// ------------------------------------------------------------ verdicts

// The values of a result line that are not finite numbers (an overflow of
// extreme inputs): 1 after the failure line naming the first of them, so
// that neither "nan" nor "inf" is written and no "ok" follows.
struct Named_Value {
    const char* symbol;
    double value;
};
static int result_not_finite(FILE* f, std::initializer_list<Named_Value> values) {
    for (const Named_Value& v : values) {
        if (std::isfinite(v.value)) continue;
        Weld_Invalid_Value_Line(f, "", v.symbol);
        return 1;
    }
    return 0;
}

// U_max takes the utilisation as it counts (Round_Utilisation) when it is
// the larger, and keeps it as computed beside it.
static void raise_group(NahtGruppe* g, double computed) {
    const double U = Round_Utilisation(computed);
    if (U > g->U_max || (U == g->U_max && computed > g->U_max_computed)) g->U_max = U, g->U_max_computed = computed;
}

double Weld_Group_Computed_U(const NahtGruppe* g) {
    if (!g) return 0.0;
    return Utilisation_As_Computed(g->U_max, g->U_max_computed);
}

// Writes the tail of a result line: "U<sub> = u" and its verdict, the
// utilisation as computed, so that a value the rule counts as 1 says so;
// U_max takes the larger value. U is finite (see result_not_finite).
// Its arguments: prefix, Utilisation_Digits(U), Utilisation_Verdict_Computed(U).
#define UTILISATION_TAIL_FORMAT "  ê  U╬\\%s╬r = %s%s\n"
static int utilisation_tail(NahtGruppe* g, FILE* f, const char* prefix, double U) {
    if (f) OLI_printf(f, UTILISATION_TAIL_FORMAT ""_cp, prefix, Utilisation_Digits(U), Utilisation_Verdict_Computed(U));
    raise_group(g, U);
    return 0;
}

int Weld_Resistance_Result(NahtGruppe* g, FILE* f, const char* prefix) {
    if (result_not_finite(f, {{"F╬\\w,Ed╬r"_cp, g->F_w_Ed}, {"F╬\\w,Rd╬r"_cp, g->F_w_Rd}})) return 1;
    if (g->F_w_Rd < -WELD_PER_LENGTH_ZERO) {
        if (f) OLI_printf(f, "%s╬HFehler╬r: F╬\\w,Rd╬r < 0 %s\n"_cp, Check_Line_Prefix, Mark_Alert());
        return 1;
    }
    if (g->F_w_Rd <= WELD_PER_LENGTH_ZERO) {
        // No resistance, no proof: the note, then the check counts as refused.
        if (f)
            OLI_printf(f, "%sF╬\\w,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp, Check_Line_Prefix, Mark_Note());
        return 1;
    }
    const double U = g->F_w_Ed / g->F_w_Rd;
    if (result_not_finite(f, {{"U", U}})) return 1;
    // The line and its utilisation tail in one piece: a line at every end
    // point of every load case.
    if (f) {
        const Compared_Pair p = Utilisation_Pair(Weld_kN_per_cm(g->F_w_Ed), Weld_kN_per_cm(g->F_w_Rd), 2);
        OLI_printf(f, "%sF╬\\w,Ed╬r = %.*lf kN/cm  %s  F╬\\w,Rd╬r = %.*lf kN/cm" UTILISATION_TAIL_FORMAT ""_cp,
                   Check_Line_Prefix, p.value_places, p.value, p.sign, p.limit_places, p.limit, prefix, Utilisation_Digits(U),
                   Utilisation_Verdict_Computed(U));
    }
    raise_group(g, U);
    return 0;
}

// One condition of the directional method; 1 when refused.
static int condition_result(NahtGruppe* g, FILE* f, const char* prefix, int n, double sigma, double strength) {
    if (result_not_finite(f, {{n == 1 ? "╠╬\\1,w,Ed╬r"_cp : "╠╬\\2,w,Ed╬r"_cp, sigma},
                              {n == 1 ? "f╬\\1w,d╬r"_cp : "f╬\\2w,d╬r"_cp, strength}}))
        return 1;
    if (strength < -0.001) {
        if (f) OLI_printf(f, "%s╬HFehler╬r: f╬\\%dw,d╬r < 0 %s\n"_cp, Check_Line_Prefix, n, Mark_Alert());
        return 1;
    }
    if (std::fabs(strength) <= 0.001) {
        // No strength, no proof: the note, then the check counts as refused.
        if (f)
            OLI_printf(f, "%sf╬\\%dw,d╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp, Check_Line_Prefix, n,
                       Mark_Note());
        return 1;
    }
    double U = sigma / strength;
    if (result_not_finite(f, {{"U", U}})) return 1;
    if (f) {
        const Compared_Pair p = Utilisation_Pair(sigma, strength, 2);
        OLI_printf(f, "%s╠╬\\%d,w,Ed╬r = %.*lf N/mm²  %s  f╬\\%dw,d╬r = %.*lf N/mm²"_cp, Check_Line_Prefix, n, p.value_places, p.value, p.sign,
                   n, p.limit_places, p.limit);
    }
    return utilisation_tail(g, f, prefix, U);
}

// ------------------------------------------------------------ checks

// Simplified method: F_w,Ed against F_w,Rd.
static int check_simplified(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    if (g->check && weld_forces(g, f, print_level)) return 1;
    if (!g->check) {
        const int r = Calc_Weld_Shear_Strength(g, f, print_level);
        if (r == 0 && f && print_level == 0)
            OLI_printf(f, "%sTragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = %.2lf kN/cm\n"_cp, Check_Line_Prefix,
                       Weld_kN_per_cm(g->F_w_Rd));
        return r;
    }
    if (Calc_Weld_Shear_Strength(g, f, print_level) && g->F_w_Rd >= -WELD_PER_LENGTH_ZERO) return 1;  // unusable factors
    if (g->F_w_Ed < -WELD_PER_LENGTH_ZERO) {
        if (f) OLI_printf(f, "%s╬HFehler╬r: F╬\\w,Ed╬r < 0 %s\n"_cp, Check_Line_Prefix, Mark_Alert());
        return 1;
    }
    return Weld_Resistance_Result(g, f, prefix);
}

// The lines of the two design strengths of a weld: f_1w,d = f_u/(beta_w
// gamma_M2), against which condition 1 holds the combined stress, and
// f_2w,d = 0.9 f_u/gamma_M2, against which condition 2 holds the normal
// stress alone.
static void f_1w_d_line(NahtGruppe* g, FILE* f, int print_level, double fu, double bw) {
    OLI_printf(f, "%sTragfähigkeit einer Schweißnaht (Bed.1):  "_cp, Check_Line_Prefix);
    OLI_printf(f, "f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r%s└╬\\M2╬r) = %.2lf N/mm²"_cp, Report_Times_Sign, g->f_1w_d);
    if (print_level >= 2) OLI_printf(f, ",  f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp, fu, bw);
    OLI_printf(f, "\n");
}

static void f_2w_d_line(NahtGruppe* g, FILE* f, int print_level, double fu) {
    OLI_printf(f, "%sf╬\\2w,d╬r = 0.9%sf╬\\u╬r / └╬\\M2╬r = %.2lf N/mm²"_cp, Check_Line_Prefix, Report_Times_Sign,
               g->f_2w_d);
    if (print_level >= 2) OLI_printf(f, ",  f╬\\u╬r = %.1lf N/mm²"_cp, fu);
    OLI_printf(f, "\n");
}

// Directional method: the stresses on the throat against f_1w,d and f_2w,d.
static int check_directional(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    if (g->check) {
        if (g->force_mode == WELD_FORCES_GIVEN || g->force_mode == WELD_FORCE_PER_LENGTH_GIVEN) {
            if (weld_forces(g, f, print_level)) return 1;
            double F_s = g->F_sigma_perp, F_t = g->F_tau_perp, F_p = g->F_tau_par;
            // With forces per length given, the caller's components set the
            // stresses. A given resultant larger than theirs (a resultant
            // alone, typically) has no direction: it is taken along the weld,
            // where it weighs most in condition 1. The components stay as
            // the caller gave them.
            if (g->force_mode == WELD_FORCE_PER_LENGTH_GIVEN &&
                std::fabs(g->F_w_Ed) > std::sqrt(F_s * F_s + F_t * F_t + F_p * F_p) + WELD_PER_LENGTH_ZERO) {
                F_s = F_t = 0.0;
                F_p = std::fabs(g->F_w_Ed);
            }
            if (g->a < 0.001) {
                if (f)
                    OLI_printf(f, "%swirksame Nahtdicke = 0  ê  Spannungen nicht ermittelbar %s\n"_cp,
                               Check_Line_Prefix, Mark_Alert());
                return 1;
            }
            g->sigma_perp = F_s / g->a;
            g->tau_perp = F_t / g->a;
            g->tau_par = F_p / g->a;
            if (f && print_level >= 2)
                OLI_printf(f, "%sBemessungswerte der auf die wirksame Nahtfläche einwirkenden Spannungen:\n"_cp,
                           Check_Line_Prefix);
            if (f && print_level >= 1) {
                OLI_printf(f, "%s╠╬\\%s╬r = F╬\\Ed╬r(╠╬\\%s╬r)/a = %.2lf N/mm²,"_cp, Check_Line_Prefix, "s", "s",
                           Unsigned_Zero(g->sigma_perp, 2));
                OLI_printf(f, "  Í╬\\%s╬r = F╬\\Ed╬r(Í╬\\%s╬r)/a = %.2lf N/mm²,"_cp, "s", "s",
                           Unsigned_Zero(g->tau_perp, 2));
                OLI_printf(f, "  Í╬\\%s╬r = F╬\\Ed╬r(Í╬\\%s╬r)/a = %.2lf N/mm²\n"_cp, "p", "p",
                           Unsigned_Zero(g->tau_par, 2));
            }
        }
    }
    double fu = 0.0, bw = 0.0;
    group_governing_strength(g, &fu, &bw);
    if (!strength_basis_usable(g, bw, f)) return 1;
    g->f_1w_d = fu / (bw * gamma_M2(g));
    g->f_2w_d = 0.9 * fu / gamma_M2(g);

    if (!g->check) {
        if (!f) return 0;
        if (print_level == 0) {
            OLI_printf(f, "%sTragfähigkeiten einer Schweißnaht:"_cp, Check_Line_Prefix);
            OLI_printf(f, "  f╬\\1w,d╬r = %.2lf N/mm²"_cp, g->f_1w_d);
            OLI_printf(f, ", f╬\\2w,d╬r = %.2lf N/mm²"_cp, g->f_2w_d);
            OLI_printf(f, "\n");
        } else {
            f_1w_d_line(g, f, print_level, fu, bw);
            f_2w_d_line(g, f, print_level, fu);
        }
        return 0;
    }

    g->sigma_1_w_Ed = std::sqrt(g->sigma_perp * g->sigma_perp +
                                3.0 * (g->tau_perp * g->tau_perp + g->tau_par * g->tau_par));
    g->sigma_2_w_Ed = std::fabs(g->sigma_perp);
    if (f && print_level >= 2) OLI_printf(f, "%sBedingung 1:\n", Check_Line_Prefix);
    if (f && print_level >= 1) {
        OLI_printf(f, "%s╠╬\\1,w,Ed╬r = (╠╬\\%s╬r² + 3%s(Í╬\\%s╬r² + Í╬\\%s╬r²))╬/1/2╬r = %.2lf N/mm²\n"_cp,
                   Check_Line_Prefix, "s", Report_Times_Sign, "s", "p", g->sigma_1_w_Ed);
        f_1w_d_line(g, f, print_level, fu, bw);
    }
    if (condition_result(g, f, prefix, 1, g->sigma_1_w_Ed, g->f_1w_d)) return 1;
    if (f && print_level >= 2) OLI_printf(f, "%sBedingung 2:\n", Check_Line_Prefix);
    if (f && print_level >= 1) {
        OLI_printf(f, "%s╠╬\\2,w,Ed╬r = |╠╬\\%s╬r| = %.2lf N/mm²\n"_cp, Check_Line_Prefix, "s", g->sigma_2_w_Ed);
        f_2w_d_line(g, f, print_level, fu);
    }
    return condition_result(g, f, prefix, 2, g->sigma_2_w_Ed, g->f_2w_d);
}

// A check of a group with an input that is not a finite number is refused
// with U_max -1, after the lines naming the inputs.
static int refuse_invalid_input(NahtGruppe* g, FILE* f) {
    if (!Weld_Group_Input_Invalid(g, f)) return 0;
    g->U_max = -1.0;
    return 1;
}

// The two methods begin with the forces of the group as it was checked: no
// second look at its inputs.
int Check_Weld_Directional_Checked(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    if (!prefix) prefix = "";
    if (g->method & WELD_METHOD_DIRECTIONAL) return check_directional(g, f, print_level, prefix);
    return check_simplified(g, f, print_level, prefix);
}

int Check_Weld_Directional(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    if (!g) return 1;
    if (refuse_invalid_input(g, f)) return 1;
    return Check_Weld_Directional_Checked(g, f, print_level, prefix);
}

// The butt-weld check of a group whose inputs are valid (checked = the
// caller found them so just before, the group unchanged since) or are to
// be checked first.
static int butt_weld(NahtGruppe* g, FILE* f, int print_level, const char* prefix, bool checked) {
    if (!g) return 1;
    if (!prefix) prefix = "";
    if (!checked && refuse_invalid_input(g, f)) return 1;
    const double t = Butt_Joint_Thickness(g);
    if (!g->full_penetration) {
        const bool counts_full = g->one_sided ? std::fabs(g->a - t) <= 0.001 : std::fabs(g->a - t / 2.0) <= 0.001;
        if (!counts_full) return Check_Weld_Directional_Checked(g, f, print_level, prefix);
        if (f && print_level >= 2)
            OLI_printf(f, "%sDie Naht ist durchgeschweißt (a = %.1lf mm)\n"_cp, Check_Line_Prefix, g->a);
    }
    // The whole joint carries the load: a = t, one-sided, and the forces of
    // a fully penetrated weld (no halving of N at a root). The joint is
    // checked as a group of its own: the caller's weld keeps its inputs
    // throughout and takes the results. The joint's throat is one of the
    // group's thicknesses: the joint is as valid as the group.
    NahtGruppe joint = *g;
    joint.a = t;
    joint.one_sided = WELD_ONE_SIDED;
    joint.full_penetration = 1;
    // Named on the formula lines where it is not the throat the connection's
    // list gives the weld (as printed).
    g_joint_throat = (g->method & WELD_METHOD_CALLER_RULES) && std::fabs(t - g->a) >= 0.05 ? t : 0.0;
    int result = 0;
    if (joint.method & WELD_METHOD_DIRECTIONAL) {
        result = Check_Weld_Directional_Checked(&joint, f, print_level, prefix);
    } else if (joint.check && weld_forces(&joint, f, print_level)) {
        joint.U_max = 1000.0;
    } else {
        // The joint is the group as it was checked but for its throat, its
        // penetration and the forces just worked out for it: it is looked
        // at again only where one of those could refuse it.
        const int strength = Joint_Inputs_As_Checked(&joint) ? shear_strength(&joint, f, print_level)
                                                              : Calc_Weld_Shear_Strength(&joint, f, print_level);
        if (strength && joint.F_w_Rd >= -WELD_PER_LENGTH_ZERO) result = 1;  // unusable factors
        else if (joint.check && (joint.F_w_Ed > WELD_PER_LENGTH_ZERO || joint.F_w_Rd <= WELD_PER_LENGTH_ZERO))
            result = Weld_Resistance_Result(&joint, f, prefix);  // also refuses a zero resistance
    }
    g_joint_throat = 0.0;
    joint.a = g->a;
    joint.one_sided = g->one_sided;
    joint.full_penetration = g->full_penetration;
    *g = joint;
    return result;
}

int Check_Butt_Weld(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    return butt_weld(g, f, print_level, prefix, false);
}

int Check_Butt_Weld_Checked(NahtGruppe* g, FILE* f, int print_level, const char* prefix) {
    return butt_weld(g, f, print_level, prefix, true);
}
