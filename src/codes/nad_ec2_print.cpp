// The print tables of the EN 1992 block: the EN 1992-1-1 table, the fire
// table of EN 1992-1-2 and the bridge table of EN 1992-2, cut down by the 33
// display flags.
#include <cstdio>
#include <initializer_list>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "platform/oli_layout.h"

static int g_flag[EC2_FLAG_COUNT];

// Flags by program number where the program's entry gives no rule strings.
struct Program_Flags {
    int program;
    int bridges_only;
    int flags[22];  // terminated by -1
};
static const Program_Flags kProgramFlags[] = {
    {58, 0, {EC2_FLAG_11_6, EC2_FLAG_6_2_2, EC2_FLAG_4_4_1, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_9_2_2,
             EC2_FLAG_9_2_1_1, EC2_FLAG_7_3_4, -1}},
    {56, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_9_6_2, EC2_FLAG_9_2_2,
             EC2_FLAG_7_3_4, EC2_FLAG_11_6, -1}},
    {50, 0, {EC2_FLAG_12_3_1, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_11_6,
             EC2_FLAG_12_6_3, EC2_FLAG_11_6_TORSION, EC2_FLAG_6_3_2, EC2_FLAG_6_2_2, EC2_FLAG_9_2_1_1,
             EC2_FLAG_7_3_4, EC2_FLAG_6_8, EC2_FLAG_6_2_5, EC2_FLAG_6_2_4, EC2_FLAG_FIRE_6_4_2_1, EC2_FLAG_FIRE,
             EC2_FLAG_9_6_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2, EC2_FLAG_BRIDGES, EC2_FLAG_FIRE_6_4_2_2, -1}},
    {32, 0, {EC2_FLAG_4_4_1, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
             EC2_FLAG_6_2_5, EC2_FLAG_11_6, EC2_FLAG_6_2_2, EC2_FLAG_5_5, EC2_FLAG_9_2_1_4, EC2_FLAG_9_2_1_2,
             EC2_FLAG_9_2_1_1, EC2_FLAG_8_2, EC2_FLAG_7_4_2, EC2_FLAG_FIRE_6_4_2_2, EC2_FLAG_FIRE, EC2_FLAG_9_2_2,
             -1}},
    {94, 0, {EC2_FLAG_5_8_3_1, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_9_6_2,
             EC2_FLAG_9_5_2, EC2_FLAG_7_3_4, -1}},
    {33, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
             EC2_FLAG_11_6, EC2_FLAG_11_6_TORSION, EC2_FLAG_6_3_2, EC2_FLAG_9_5_2, EC2_FLAG_FIRE_6_4_2_1,
             EC2_FLAG_FIRE, EC2_FLAG_9_2_2, -1}},
    {220, 0, {EC2_FLAG_5_8_6, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_9_2_1_1,
              EC2_FLAG_7_3_4, EC2_FLAG_6_8, EC2_FLAG_11_6, EC2_FLAG_6_2_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2, -1}},
    {121, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_9_2_2,
              EC2_FLAG_9_2_1_1, EC2_FLAG_7_3_4, EC2_FLAG_6_8, EC2_FLAG_11_6, -1}},
    {242, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
              EC2_FLAG_11_6, EC2_FLAG_11_6_TORSION, EC2_FLAG_6_3_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2,
              EC2_FLAG_9_2_1_1, -1}},
    {103, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
              EC2_FLAG_11_6, EC2_FLAG_9_6_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2, EC2_FLAG_9_2_1_1, -1}},
    {104, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
              EC2_FLAG_11_6, EC2_FLAG_11_6_TORSION, EC2_FLAG_6_3_2, EC2_FLAG_9_2_2, EC2_FLAG_9_2_1_1, -1}},
    {114, 1, {EC2_FLAG_6_2_2, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8, EC2_FLAG_6_3_2,
              EC2_FLAG_9_2_2, EC2_FLAG_9_2_1_1, -1}},
    {105, 0, {EC2_FLAG_6_2_2, EC2_FLAG_11_3_5, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8,
              EC2_FLAG_11_6, EC2_FLAG_11_6_TORSION, EC2_FLAG_6_3_2, EC2_FLAG_9_6_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2,
              EC2_FLAG_9_2_1_1, -1}},
    {115, 1, {EC2_FLAG_6_2_2, EC2_FLAG_3_1_6_2, EC2_FLAG_SITUATIONS, EC2_FLAG_7_3_4, EC2_FLAG_6_8, EC2_FLAG_6_3_2,
              EC2_FLAG_9_6_2, EC2_FLAG_9_5_2, EC2_FLAG_9_2_2, EC2_FLAG_9_2_1_1, -1}},
};

void Set_NAD_EC2_Display_Flags() {
    for (int& f : g_flag) f = 0;
    if (NAD_Rules_Listed()) {
        for (int k = 0; k < EC2_FLAG_COUNT; ++k) g_flag[k] = NAD_Rule_Shown(2, k);
        if (!g_flag[EC2_FLAG_BUILDINGS] && !g_flag[EC2_FLAG_BRIDGES]) g_flag[EC2_FLAG_BUILDINGS] = 1;
        return;
    }
    g_flag[EC2_FLAG_BUILDINGS] = g_flag[EC2_FLAG_3_1_6_1] = g_flag[EC2_FLAG_2_4_2_4] = 1;
    const int program = Find_Current_Application_NAD();
    for (const Program_Flags& p : kProgramFlags) {
        if (p.program != program && !(program == 54 && p.program == 50) && !(program == 84 && p.program == 33))
            continue;
        for (const int* k = p.flags; *k >= 0; ++k) g_flag[*k] = 1;
        if (p.bridges_only) {
            g_flag[EC2_FLAG_BUILDINGS] = 0;
            g_flag[EC2_FLAG_BRIDGES] = 1;
        }
        break;
    }
    if (NAD_All_Rules_Shown())
        for (int& f : g_flag) f = 1;
}

int NAD_EC2_Display_Flag(int k) { return k >= 0 && k < EC2_FLAG_COUNT ? g_flag[k] : 0; }

static int on(int k) { return g_flag[k]; }

static void rows(FILE* f, std::initializer_list<NAD_Table_Row> list) {
    NAD_Print_Rows(f, list.begin(), static_cast<int>(list.size()));
}

// The two forms of a coefficient: the stored value itself (mode 1) or the
// clause's formula with the value as its factor.
static NAD_Table_Row mode_cell(int mode, const char* constant, const char* formula, double value) {
    return {mode == 1 ? constant : formula, value};
}

// Rows of a German annex print "s. NA-DE" for a coefficient not given as a
// constant.
static NAD_Table_Row national_cell(int mode, int national, const char* constant, const char* german,
                                   const char* formula, double value) {
    if (mode == 1) return {constant, value};
    if (national) return {german, 0};
    return {formula, value};
}

static void minimum_column_rows(FILE* f, int mode, double value, double floor) {
    rows(f, {mode_cell(mode, " 9.5.2(2)     A╬\\s,min╬r = %-5.2lf        "_cp,
                       " 9.5.2(2)     A╬\\s,min╬r = %5.3lf N╬\\Ed╬r/f╬\\yd╬r"_cp, value)});
    if (floor > 0.0001) rows(f, {{"\n                     ‗ %-5.3lf A╬\\c╬r     "_cp, floor}});
    rows(f, {{"        Mindestbewehrung für Stützen [cm²]\n"_cp, 0}});
}

static const char* const kNuFormula = "(1 - f╬\\ck╬r/250)       "_cp;

// A strength reduction factor: the stored value alone (mode 1) or as the
// factor of the clause's formula.
static void nu_row(FILE* f, int mode, const char* lead, double value, const char* tail) {
    rows(f, {{lead, 0}, {"%-5.3lf", value}, {mode == 1 ? "                    " : kNuFormula, 0}, {tail, 0}});
}

// The lower bound of the shear resistance: a constant (mode 1) or the
// clause's expression with the value as its factor.
static NAD_Table_Row v_min_cell(int mode, double value) {
    return mode_cell(mode, "              Ã╬\\min╬r = %-5.3lf                  \n"_cp,
                     "              Ã╬\\min╬r = %6.4lf/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"_cp, value);
}

static void cot_theta_rows(FILE* f, double lowest, double highest) {
    rows(f, {{" 6.2.3(2)     min cot ░ = %-5.2lf             untere Grenze der Druckstrebenneigung\n"_cp, lowest},
             {"              max cot ░ = %-5.2lf             obere Grenze der Druckstrebenneigung\n"_cp, highest}});
}

// 2.4.2.4 and 5.10.9: the partial factors of concrete and reinforcement by
// design situation, and the scatter of the prestressing force (bridges).
static void partial_factor_rows(FILE* f, const NAD_EC2_Block* b, int buildings) {
    const double* gc = buildings ? b->gamma_c : b->gamma_c_bridge;
    const double* gs = buildings ? b->gamma_s : b->gamma_s_bridge;
    std::fputs(" 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"_cp, f);
    static const char* const kSituation[4] = {"ständige und vorübergehende Bemessungssituation"_cp,
                                              "Bemessungssituation für Ermüdung"_cp,
                                              "Bemessungssituation für Erdbeben"_cp,
                                              "außergewöhnliche Bemessungssituation"_cp};
    for (int s = 0; s < 4; ++s)
        if (s == 0 || on(EC2_FLAG_SITUATIONS))
            std::fprintf(f, "              └╬\\c╬r = %-5.2lf  └╬\\s╬r = %-5.2lf        %s\n"_cp, gc[s], gs[s],
                         kSituation[s]);
    std::fprintf(f, " 2.4.2.4(2)   └╬\\c╬r = %-5.2lf  └╬\\s╬r = %-5.2lf        Grenzzustand der Gebrauchstauglichkeit\n"_cp,
                 b->gamma_c_sls, b->gamma_s_sls);
    if (!on(EC2_FLAG_BRIDGES)) return;
    std::fputs(" 5.10.9(1)P                                 Streuung der Vorspannkraft\n", f);
    std::fprintf(f, "              P╬\\sup╬r = %-5.2lf  P╬\\inf╬r = %-5.2lf    Sofortiger oder ohne Verbund\n"_cp,
                 b->r_sup_pre, b->r_inf_pre);
    std::fprintf(f, "              P╬\\sup╬r = %-5.2lf  P╬\\inf╬r = %-5.2lf    Nachträglicher Verbund\n"_cp,
                 b->r_sup_post, b->r_inf_post);
}

// 4.4.1: the minimum cover by exposure class and its additions.
static void cover_rows(FILE* f, const NAD_EC2_Block* b) {
    std::fputs(" 4.4.1.2(5)   Exp.Kl.  C╬\\min,dur╬r  úc╬\\dur,└╬r    Mindestbetondeckung in Abhängigkeit von der\n"_cp, f);
    for (int i = 0; i < 12; ++i) {
        const char* format =
            i == 0   ? "              %5s      %-5.2lf     %-5.2lf    Expositionsklasse C╬\\min,dur╬r [cm]\n"_cp
            : i == 1 ? " 4.4.1.2(6)   %5s      %-5.2lf     %-5.2lf    Mindestbetondeckung: additives Sicherheitselement úc╬\\dur,└╬r [cm]\n"_cp
                     : "              %5s      %-5.2lf     %-5.2lf    \n";
        std::fprintf(f, format, b->exposure_class_name[i], b->c_min_dur[i], b->dc_dur_gamma[i]);
    }
    rows(f, {
        {" 4.4.1.2(7)   úc╬\\dur,st╬r  = %-5.2lf             Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]\n"_cp,
         b->dc_dur_st},
        {" 4.4.1.2(8)   úc╬\\dur,add╬r = %-5.2lf             Mindestbetondeckung: Beton mit zusätzlichem Schutz [cm]\n"_cp,
         b->dc_dur_add},
        {" 4.4.1.3(1)P  úc╬\\dev╬r     = %-5.2lf             Vorhaltemaß für die Betondeckung [cm]\n"_cp, b->dc_dev},
    });
}

// 5.5: the factors of the permitted redistribution.
static void redistribution_rows(FILE* f, const NAD_EC2_Block* b) {
    rows(f, {
        {" 5.5(4)       k╬\\1╬r = %-5.2lf                    Umlagerung: Beiwerte zur Ermittlung des erlaubten\n"_cp,
         b->k1_red},
        mode_cell(b->k2_mode, "              k╬\\2╬r = %-5.2lf                    "_cp,
                  "              k╬\\2╬r = %-5.2lf(0.6+0.0014/¥╬\\cu2╬r)   "_cp, b->k2_red),
        {"            Umlagerungsverhältnisses\n"_cp, 0},
        {"              k╬\\3╬r = %-5.2lf                                \n"_cp, b->k3_red},
        mode_cell(b->k4_mode, "              k╬\\4╬r = %-5.2lf                    "_cp,
                  "              k╬\\4╬r = %-5.2lf(0.6+0.0014/¥╬\\cu2╬r)   "_cp, b->k4_red),
        {"            \n", 0},
        {"              k╬\\5╬r = %-5.2lf                                \n"_cp, b->k5_red},
        {"              k╬\\6╬r = %-5.2lf                                \n"_cp, b->k6_red},
    });
}

// 6.2.2 to 6.2.5 and 6.3.2: shear and torsion - the resistance without shear
// reinforcement, the strength reductions, the strut angles, the flange
// joints and the roughness of joints.
static void shear_rows(FILE* f, const NAD_EC2_Block* b, int buildings) {
    const int shear = on(EC2_FLAG_6_2_2);
    if (shear && buildings) {
        rows(f, {
            {" 6.2.2(1)     C╬\\Rd,c╬r = %5.2lf / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"_cp,
             b->c_rd_c},
            v_min_cell(b->v_min_mode, b->v_min),
            {"              k╬\\1╬r = %-5.2lf                    \n"_cp, b->k1_shear},
        });
    }
    if (shear) {
        nu_row(f, b->nu_mode, " 6.2.2(6)     Ã╬\\V╬r = "_cp, b->nu_shear,
               "Festigkeitsabminderungsbeiwert für Querkraft\n"_cp);
    }
    if (on(EC2_FLAG_6_3_2)) {
        nu_row(f, b->nu_mode, " 6.3.2(4)     Ã╬\\T╬r = "_cp, b->nu_torsion,
               "Festigkeitsabminderungsbeiwert für Torsion\n"_cp);
    }
    if (shear && buildings) {
        cot_theta_rows(f, b->cot_theta_min, b->cot_theta_max);
        rows(f, {
            {" 6.2.3(3)     Ó╬\\cw╬r = %-5.2lf                   Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"_cp,
             b->alpha_cw},
        });
        nu_row(f, b->nu1_mode, "              Ã╬\\1╬r = "_cp, b->nu1,
               "Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"_cp);
    }
    if (shear && on(EC2_FLAG_6_2_4)) {
        rows(f, {
            {" 6.2.4(4)     cot ░╬\\fz╬r = %-5.2lf               Anschlüsse: Druckstrebenneigung für Zuggurte\n"_cp,
             b->cot_theta_f_tension},
            {"              cot ░╬\\fd╬r = %-5.2lf               Anschlüsse: Druckstrebenneigung für Druckgurte\n"_cp,
             b->cot_theta_f_compression},
            {" 6.2.4(6)     k = %-5.2lf                     Anschlüsse: Beiwert für die aufnehmbare Zugspannung ohne\n"_cp,
             b->k_flange},
            {"                                                        Anschlussbewehrung\n", 0},
        });
    }
    if (shear && on(EC2_FLAG_6_2_5))
        for (int i = 0; i < 4; ++i)
            std::fprintf(f,
                         i == 0 ? " 6.2.5(1)     c = %-4.2lf, ã = %-4.2lf, Ã = %-4.2lf  Fugen: Rauhigkeitsbeiwerte für %se Fugen\n"_cp
                                : "              c = %-4.2lf, ã = %-4.2lf, Ã = %-4.2lf         %se Fugen\n"_cp,
                         b->joint_c[i], b->joint_mu[i], b->joint_nu[i], b->surface_name[i]);
}

// 6.8, 7.3.4, 7.4.2 and 8.2: fatigue, cracks, slenderness limits of
// deflection and bar spacing.
static void serviceability_rows(FILE* f, const NAD_EC2_Block* b, int buildings) {
    if (on(EC2_FLAG_6_8)) {
        rows(f, {{" 6.8.4(1)     └╬\\F,fat╬r = %-5.2lf                Ermüdung: Sicherheitsbeiwert für die Einwirkungen\n"_cp,
                  b->gamma_F_fat}});
        if (buildings) {
            rows(f, {
                {" 6.8.7(1)     k╬\\1╬r = %-5.2lf                    Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"_cp,
                 b->k1_fatigue},
                {"                                                      Betons\n", 0},
            });
        }
    }
    if (on(EC2_FLAG_7_3_4)) {
        rows(f, {
            {" 7.3.4(3)     k╬\\3╬r = %-5.2lf                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"_cp,
             b->k3_crack},
            {"                                                   abgeschlossenem Rissbild\n", 0},
            {"              k╬\\4╬r = %-5.3lf                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"_cp,
             b->k4_crack},
            {"                                                   abgeschlossenem Rissbild\n", 0},
        });
    }
    if (on(EC2_FLAG_7_4_2)) {
        static const char* const kSystem[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragträger"_cp};
        for (int i = 0; i < 5; ++i) {
            const char* format =
                i == 0   ? " 7.4.2(2)     K╬\\%-11.11s╬r = %-5.2lf          Verformungen ohne direkte Berechnung (Biegeschlankheit):\n"_cp
                : i == 1 ? "              K╬\\%-11.11s╬r = %-5.2lf          Beiwert zur Berücksichtigung des statischen Systems\n"_cp
                         : "              K╬\\%-11.11s╬r = %-5.2lf\n"_cp;
            std::fprintf(f, format, kSystem[i], b->K_system[i]);
        }
    }
    if (on(EC2_FLAG_8_2)) {
        rows(f, {
            {" 8.2(2)       k╬\\1╬r = %-5.2lf                    Stababstände: Beiwert für den lichten Abstand zwischen\n"_cp,
             b->k1_bar_spacing},
            {"                                                          parallelen Betonstählen oder Stahllagen\n"_cp, 0},
        });
    }
}

// 9.2 to 9.6: minimum reinforcement and the anchorage at end supports.
static void detailing_rows(FILE* f, const NAD_EC2_Block* b, int buildings, int national) {
    if (on(EC2_FLAG_9_2_1_1)) {
        if (b->as_min_beam_mode == 1) {
            rows(f, {{" 9.2.1.1(1)   A╬\\s,min╬r = %-5.2lf cm²            "_cp, b->as_min_beam}});
        } else if (national) {
            rows(f, {{" 9.2.1.1(1)   A╬\\s,min╬r s. NA-DE               "_cp, 0}});
        } else {
            rows(f, {{" 9.2.1.1(1)   A╬\\s,min╬r = %5.2lf f╬\\ctm╬r/f╬\\yk╬r b╬\\t╬r d\n"_cp, b->as_min_beam},
                     {"                     ‗ 0.0013 b╬\\t╬r d          "_cp, 0}});
        }
        rows(f, {{"Mindestbewehrung für Balken und Platten [cm²]\n"_cp, 0}});
    }
    if (on(EC2_FLAG_9_2_1_2)) {
        rows(f, {
            {" 9.2.1.2(1)   ╗╬\\1╬r = %-5.2lf                    Mindeststützmomente an gelenkigen Endauflagern:\n"_cp,
             b->beta1},
            {"                                            Anteil des größten Feldmoments am Stützmoment\n"_cp, 0},
        });
    }
    if (on(EC2_FLAG_9_2_1_4)) {
        rows(f, {
            {" 9.2.1.4(1)   ╗╬\\2╬r = %-5.2lf                    Verankerung der unteren Bewehrung an Endauflagern:\n"_cp,
             b->beta2},
            {"                                            Mindestanteil der größten Feldbewehrung an der unteren Bew.\n"_cp,
             0},
        });
    }
    if (on(EC2_FLAG_9_2_2)) {
        rows(f, {
            national_cell(b->rho_w_min_mode, national, " 9.2.2(5)     ╦╬\\w,min╬r = %-5.3lf                "_cp,
                          " 9.2.2(5)     ╦╬\\w,min╬r s. NA-DE               "_cp,
                          " 9.2.2(5)     ╦╬\\w,min╬r = %5.3lf f╬\\ck╬r╬/1/2╬r / f╬\\yk╬r   "_cp, b->rho_w_min),
            {"Mindestbewehrungsgrad der Querkraftbewehrung\n", 0},
        });
    }
    if (on(EC2_FLAG_9_5_2) && buildings)
        minimum_column_rows(f, b->as_min_column_mode, b->as_min_column, b->as_min_column_floor);
    if (on(EC2_FLAG_9_6_2)) {
        rows(f, {
            national_cell(b->as_vmin_wall_mode, national, " 9.6.2(1)     A╬\\s,vmin╬r = %-5.2lf               "_cp,
                          " 9.6.2(1)     A╬\\s,vmin╬r s. NA-DE              "_cp,
                          " 9.6.2(1)     A╬\\s,vmin╬r = %5.3lf A╬\\c╬r            "_cp, b->as_vmin_wall),
            {"Vertikale Mindestbewehrung für Wände [cm²]\n"_cp, 0},
        });
    }
}

// 11.3.5 and 11.6: lightweight aggregate concrete.
static void lightweight_rows(FILE* f, const NAD_EC2_Block* b) {
    if (on(EC2_FLAG_11_3_5)) {
        rows(f, {
            {" 11.3.5(1)    Ó╬\\lcc╬r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
             b->alpha_lcc},
            {" 11.3.5(2)    Ó╬\\lct╬r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
             b->alpha_lct},
        });
    }
    if (on(EC2_FLAG_11_6)) {
        rows(f, {
            {" 11.6.1(1)    C╬\\lRd,c╬r = %4.2lf / └╬\\c╬r            Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes\n"_cp,
             b->c_lrd_c},
            mode_cell(b->v_l_min_mode, "              Ã╬\\l,min╬r = %-5.3lf                "_cp,
                      "              Ã╬\\l,min╬r = %6.4lf k╬/3/2╬r f╬\\lck╬r╬/1/2╬r  "_cp, b->v_l_min),
            {"             \n", 0},
            {"              k╬\\l1╬r = %4.2lf                                 \n"_cp, b->k_l1},
            mode_cell(b->nu_l_mode, " 11.6.1(2)    Ã╬\\l╬r = %-5.3lf ┴╬\\1╬r                 "_cp,
                      " 11.6.1(2)    Ã╬\\l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250)  "_cp, b->nu_l_shear),
            {"Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft\n"_cp, 0},
        });
    }
    if (on(EC2_FLAG_11_6_TORSION)) {
        rows(f, {
            mode_cell(b->nu_l_mode, "              Ã╬\\l╬r = %-5.3lf ┴╬\\1╬r                 "_cp,
                      "              Ã╬\\l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250)  "_cp, b->nu_l_torsion),
            {"Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion\n"_cp, 0},
        });
    }
    if (on(EC2_FLAG_11_6)) {
        rows(f, {
            mode_cell(b->nu1_l_mode, " 11.6.2(1)    Ã╬\\1l╬r = %-5.3lf ┴╬\\1╬r                "_cp,
                      " 11.6.2(1)    Ã╬\\1l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250) "_cp, b->nu1_l),
            {"Leichtbeton: Beiwert zur Ermittlung der maximalen\n", 0},
            {"                                                         Querkrafttragfähigkeit\n"_cp, 0},
        });
    }
}

// 12.3.1 and 12.6.3: plain concrete.
static void plain_concrete_rows(FILE* f, const NAD_EC2_Block* b, int national) {
    if (on(EC2_FLAG_12_3_1)) {
        rows(f, {
            {" 12.3.1(1)    Ó╬\\cc,pl╬r = %-5.2lf                unbew.Beton: Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
             b->alpha_cc_pl},
            {"              Ó╬\\ct,pl╬r = %-5.2lf                unbew.Beton: Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
             b->alpha_ct_pl},
        });
    }
    if (on(EC2_FLAG_12_6_3)) {
        rows(f, {
            national ? NAD_Table_Row{" 12.6.3(2)    k╬\\p╬r s. NA-DE                   unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"_cp, 0}
                     : NAD_Table_Row{" 12.6.3(2)    k╬\\p╬r = %-5.2lf                    unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"_cp,
                                     b->k_p},
            {"                                                         bei der Querkraftbemessung\n", 0},
        });
    }
}

void Print_NAD_EC2_Table(FILE* f) {
    if (!f) return;
    const NAD_EC2_Block* b = Get_NAD_EC2();
    Set_NAD_EC2_Display_Flags();
    NAD_Print_Norm_Title(f, 4, 1);
    OLI_setYPositionCM(f, 1, -0.5);
    NAD_Print_Table_Head(f);
    const int buildings = on(EC2_FLAG_BUILDINGS), national = b->variant != 0;
    if (on(EC2_FLAG_2_4_2_4)) partial_factor_rows(f, b, buildings);
    if (on(EC2_FLAG_3_1_6_1) && buildings)
        rows(f, {{" 3.1.6(1)P    Ó╬\\cc╬r = %-5.2lf                   Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                  b->alpha_cc}});
    if (on(EC2_FLAG_3_1_6_2) && buildings)
        rows(f, {{" 3.1.6(2)P    Ó╬\\ct╬r = %-5.2lf                   Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                  b->alpha_ct}});
    if (on(EC2_FLAG_4_4_1)) cover_rows(f, b);
    if (on(EC2_FLAG_5_2))
        rows(f, {{" 5.2(6)       ░╬\\0╬r = 1/%-5.0lf                  Imperfektion: Grundwert der Schiefstellung\n"_cp,
                  b->theta0_denominator}});
    if (on(EC2_FLAG_5_5)) redistribution_rows(f, b);
    if (on(EC2_FLAG_5_8_3_1)) {
        rows(f, {
            national_cell(b->lambda_lim_mode, national, " 5.8.3.1(1)   ┼╬\\lim╬r = %-5.2lf                  "_cp,
                          " 5.8.3.1(1)   ┼╬\\lim╬r s. NA-DE                 "_cp,
                          " 5.8.3.1(1)   ┼╬\\lim╬r = %-5.2lf / n╬/1/2╬r           "_cp, b->lambda_lim_x),
            {"Grenzwert der Schlankheit für Einzeldruckglieder\n"_cp, 0},
        });
    }
    if (on(EC2_FLAG_5_8_6)) {
        rows(f, {
            {" 5.8.6(3)     └╬\\cE╬r = %-5.2lf                   Teilsicherheitsbeiwert für den E-Modul beim Nachweis\n"_cp,
             b->gamma_cE},
            {"                                            der Knicksicherheit (Th. II. O. im Zust. 2)\n", 0},
        });
    }
    shear_rows(f, b, buildings);
    serviceability_rows(f, b, buildings);
    detailing_rows(f, b, buildings, national);
    lightweight_rows(f, b);
    plain_concrete_rows(f, b, national);
    std::fputs("#END_OF_TEXT\n", f);
}

static void fire_table(FILE* f, const NAD_EC2_Block* b) {
    OLI_reserveSpaceCM(f, 4.0);
    NAD_Print_Norm_Title(f, 10, 0);
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    NAD_Print_Table_Head(f);
    std::fprintf(f, " 3.2.3(5)     Klasse %16s       Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n",
                 b->steel_class_fire == 1 ? "X (Tabelle 3.2b)" : "N (Tabelle 3.2a)");
    std::fputs("                                            beziehung bei erhöhten Temperaturen\n"_cp, f);
    if (b->conductivity_mode == 1) {
        std::fputs(" 3.3.3(1)     ┼╬\\c╬r = ┼╬\\co╬r oder ┼╬\\cu╬r             "_cp, f);
        std::fputs("thermische Leitfähigkeit des Betons\n"_cp, f);
        std::fputs("              s. Bemessungsoptionen         ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"_cp,
                   f);
    } else {
        std::fprintf(f, " 3.3.3(1)     ┼╬\\c╬r = ┼╬\\cu╬r + %5.3lf (┼╬\\co╬r-┼╬\\cu╬r)    "_cp, b->conductivity_x);
        std::fputs("thermische Leitfähigkeit des Betons\n"_cp, f);
        std::fputs("                                            ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"_cp,
                   f);
    }
    std::fprintf(f, " 6.1(5)       Klasse %1d (Tabelle 6.1N)       hochfester Beton: Beton-Klasse zur Beschreibung der\n",
                 b->hsc_class_fire);
    std::fputs("                                                              Festigkeitsreduktion\n", f);
    if (on(EC2_FLAG_FIRE_6_4_2_1))
        std::fprintf(f, " 6.4.2.1(3)   k = %-5.3lf                     hochfester Beton: Beiwert für die Querschnittsreduktion\n"_cp,
                     b->k_t_fire);
    if (on(EC2_FLAG_FIRE_6_4_2_2)) {
        std::fprintf(f, " 6.4.2.2(2)   k╬\\m╬r = %-5.3lf                    hochfester Beton: Beiwert für die Momententragfähigkeit\n"_cp,
                     b->k_m_fire);
        std::fputs("                                                              bei Brandbeanspruchung in der Zugzone\n", f);
    }
    std::fputs("#END_OF_TEXT\n", f);
}

void Print_NAD_EC2_Bridge_Table(FILE* f) {
    if (!f || !on(EC2_FLAG_BRIDGES)) return;
    const NAD_EC2_Block* b = Get_NAD_EC2();
    OLI_reserveSpaceCM(f, 4.0);
    NAD_Print_Norm_Title(f, 21, 0);
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    NAD_Print_Table_Head(f);
    if (on(EC2_FLAG_3_1_6_1))
        std::fprintf(f, " 3.1.6(101)P  Ó╬\\cc╬r = %-5.2lf                   Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                     b->alpha_cc_bridge);
    if (on(EC2_FLAG_3_1_6_2))
        std::fprintf(f, " 3.1.6(102)P  Ó╬\\ct╬r = %-5.2lf                   Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                     b->alpha_ct_bridge);
    if (on(EC2_FLAG_6_2_2)) {
        rows(f, {
            {" 6.2.2(101)   C╬\\Rd,c╬r = %5.2lf / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"_cp,
             b->c_rd_c_bridge},
            v_min_cell(b->v_min_mode_bridge, b->v_min_bridge),
            {"              k╬\\1╬r = %-5.2lf                    \n"_cp, b->k1_shear_bridge},
        });
        cot_theta_rows(f, b->cot_theta_min_bridge, b->cot_theta_max_bridge);
        rows(f, {{" 6.2.3(103)   Ó╬\\cw╬r = %-5.2lf                   Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"_cp,
                  b->alpha_cw_bridge}});
        nu_row(f, b->nu1_mode_bridge, "              Ã╬\\1╬r = "_cp, b->nu1_bridge,
               "Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"_cp);
    }
    if (on(EC2_FLAG_6_8)) {
        std::fprintf(f, " 6.8.7(101)   k╬\\1╬r = %-5.2lf                    Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"_cp,
                     b->k1_fatigue_bridge);
        std::fputs("                                                      Betons\n", f);
    }
    if (on(EC2_FLAG_3_1_6_1)) {
        std::fprintf(f, " 7.2(102)     k╬\\1╬r = %-5.2lf                    Beiwert zur Ermittlung der zul. Betondruckspannung\n"_cp,
                     b->k1_stress);
        std::fprintf(f, " 7.2(3)       k╬\\2╬r = %-5.2lf                    Beiwert zur Ermittlung der Betondruckspannung für\n"_cp,
                     b->k2_stress);
        std::fputs("                                                        lineares Kriechen\n", f);
        std::fprintf(f, " 7.2(3)       k╬\\3╬r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung\n"_cp,
                     b->k3_stress);
        std::fprintf(f, " 7.2(3)       k╬\\4╬r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung für\n"_cp,
                     b->k4_stress);
        std::fputs("                                                        indirekte Einwirkungen\n", f);
        std::fprintf(f, " 7.2(3)       k╬\\5╬r = %-5.2lf                    Beiwert zur Ermittlung der Spannstahlspannung\n"_cp,
                     b->k5_stress);
    }
    if (on(EC2_FLAG_9_5_2))
        minimum_column_rows(f, b->as_min_column_mode_bridge, b->as_min_column_bridge, b->as_min_column_floor_bridge);
    std::fputs("#END_OF_TEXT\n", f);
}

void Print_NAD_EC2(FILE* f) {
    if (!f) return;
    OLI_setFlags(f, 0x380);
    OLI_reserveSpaceCM(f, 6.0);
    NAD_Print_Chapter_Title(f);
    OLI_setYPositionCM(f, 1, -0.5);
    Set_NAD_EC2_Display_Flags();
    Print_NAD_EC2_Table(f);
    if (on(EC2_FLAG_FIRE)) fire_table(f, Get_NAD_EC2());
    if (on(EC2_FLAG_BRIDGES)) Print_NAD_EC2_Bridge_Table(f);
}
