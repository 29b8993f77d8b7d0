// The print tables of the EN 1993 block.
#include <cstdio>

#include "base/cp850.h"
#include "codes/material.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "platform/oli_layout.h"

static int g_show[EC3_SWITCH_COUNT];

void Set_NAD_EC3_Print_Flags() {
    for (int& s : g_show) s = 0;
    if (NAD_Rules_Listed()) {
        for (int k = 0; k < EC3_SWITCH_COUNT; ++k) g_show[k] = NAD_Rule_Shown(3, k);
        return;
    }
    switch (Find_Current_Application_NAD()) {
    case 150:
        g_show[EC3_SHOW_1_8] = g_show[EC3_BOLTS_HEADING] = g_show[EC3_SHOW_GAMMA_M2] = g_show[EC3_SHOW_6_1] = 1;
        break;
    case 151:
        g_show[EC3_SHOW_LTB] = g_show[EC3_SHOW_ACCIDENTAL] = g_show[EC3_SHOW_GAMMA_M2] = g_show[EC3_SHOW_6_1] = 1;
        break;
    case 152:
    case 153:
        g_show[EC3_BOLTS_HEADING] = g_show[EC3_SHOW_GAMMA_M2] = g_show[EC3_SHOW_6_1] = 1;
        break;
    case 154:
        g_show[EC3_SHOW_1_5] = g_show[EC3_BOLTS_HEADING] = g_show[EC3_SHOW_GAMMA_M2] = g_show[EC3_SHOW_6_1] = 1;
        break;
    case 34:
    case 242:
        g_show[EC3_SHOW_ACCIDENTAL] = g_show[EC3_SHOW_6_1] = 1;
        break;
    default:
        break;
    }
    if (NAD_All_Rules_Shown())
        for (int& s : g_show) s = 1;
}

int NAD_EC3_Print_Flag(int k) { return k >= 0 && k < EC3_SWITCH_COUNT ? g_show[k] : 0; }

// The title block of a table: the standard's name and the annex.
static void title(FILE* f, int norm) {
    NAD_Print_Norm_Title(f, norm, 1);
    OLI_setYPositionCM(f, 1, -0.5);
    NAD_Print_Table_Head(f);
}

// The EN 1993-1-1 table and, with show_fire, the EN 1993-1-2 table.
static void print_ec3_1_tables(FILE* f) {
    Set_NAD_EC3_Print_Flags();
    const NAD_EC3_1_Record& r = Get_NAD_EC3()->ec3_1;
    title(f, 12);
    static const char* const kMeaning[3] = {"Querschnittsversagen", "Stabilitätsversagen"_cp,
                                            "Bruchversagen infolge Zug"};
    if (g_show[EC3_SHOW_6_1]) {
        std::fputs(g_show[EC3_BOLTS_HEADING]
                       ? " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n"_cp
                       : " 6.1(1)       ständige/vorüberg. Situation  Teilsicherheitsbeiwerte für Baustahl\n"_cp,
                   f);
        NAD_Print_Factor_Row(f, "M0", r.gamma_M0, kMeaning[0]);
        NAD_Print_Factor_Row(f, "M1", r.gamma_M1, kMeaning[1]);
        if (g_show[EC3_SHOW_GAMMA_M2]) {
            NAD_Print_Factor_Row(f, "M2", r.gamma_M2, kMeaning[2]);
            if (g_show[EC3_BOLTS_HEADING]) {
                std::fputs("                                            bzw. Beanspruchbarkeit von Schrauben,\n", f);
                std::fputs("                                            Schweißnähten, Blechen auf Lochleibung\n"_cp, f);
            }
        }
        if (g_show[EC3_SHOW_ACCIDENTAL]) {
            std::fputs("              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n"_cp, f);
            NAD_Print_Factor_Row(f, "M0", r.gamma_M0_acc, kMeaning[0]);
            NAD_Print_Factor_Row(f, "M1", r.gamma_M1_acc, kMeaning[1]);
            if (g_show[EC3_SHOW_GAMMA_M2]) NAD_Print_Factor_Row(f, "M2", r.gamma_M2_acc, kMeaning[2]);
        }
    }
    if (g_show[EC3_SHOW_LTB]) {
        std::fputs(" 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n", f);
        std::fputs(r.apply_f_general ? "              von \xBC╬\\LT╬r ansetzen              Allgemeiner Fall\n"_cp
                                     : "              von \xBC╬\\LT╬r nicht ansetzen        Allgemeiner Fall\n"_cp,
                   f);
        std::fprintf(f, " 6.3.2.3(1)   \xC5╬\\LT,0╬r = %-5.2lf                 Schlankheitsgrad Gl. (6.57)\n"_cp,
                     r.lambda_LT0);
        std::fprintf(f, "              \xBB = %-5.2lf                     Korrekturfaktor Gl. (6.57)\n", r.beta);
        if (r.f_given)
            std::fprintf(f, " 6.3.2.3(2)   Faktor f = %-5.2lf              Berechnung des Abminderungsfaktors \xBC╬\\LT╬r\n"_cp,
                         r.f);
        else if (r.kc_from_table)
            std::fputs(" 6.3.2.3(2)   Beiwert k╬\\c╬r aus Tabelle 6.6    Berechnung des Abminderungsfaktors \xBC╬\\LT╬r\n"_cp,
                       f);
        else
            std::fprintf(f, " 6.3.2.3(2)   Beiwert k╬\\c╬r = %-5.3lf            Berechnung des Abminderungsfaktor \xBC╬\\LT╬r\n"_cp,
                         r.k_c);
    }
    std::fputs("#END_OF_TEXT\n", f);
    if (g_show[EC3_SHOW_FIRE]) {
        title(f, 31);
        std::fputs(" 2.3(1)       Brandfall                     Teilsicherheitsbeiwert für\n"_cp, f);
        NAD_Print_Factor_Row(f, "M,fi", r.gamma_M_fi, "mechanisches Versagen");
        std::fputs("#END_OF_TEXT\n", f);
    }
}

// beta_w of a weld grade (the weld grade table's index) as the material
// record gives it under the active annex.
static double beta_w_of(int grade) {
    Materialparameter_Record m;
    Clear_Material_Params(&m);
    m.kind = 0;
    m.grade = grade;
    Check_Material_Params(&m, 10.0, nullptr, 0, "");
    return m.beta_w;
}

// The annex values a weld takes from EN 1993-1-8: its partial factor and
// the correlation factor beta_w of Table 4.1, which a national variant
// changes for the higher grades.
static void print_weld_table(FILE* f) {
    const NAD_EC3_Block* b = Get_NAD_EC3();
    title(f, 13);
    std::fputs(" 2.2(2)                                     Teilsicherheitsbeiwert für Schweißnähte\n"_cp, f);
    NAD_Print_Factor_Row(f, "M2", b->ec3_1.gamma_M2, "Beanspruchbarkeit von Schweißnähten"_cp);
    std::fputs(" 4.5.3.2(6)   \xBB╬\\w╬r nach Tabelle 4.1           Korrelationsbeiwert für Kehlnähte\n"_cp, f);
    if (b->variant != 0) {
        static const struct {
            int grade;  // a weld grade of the group
            const char* meaning;
        } kNational[] = {{6, "abweichend für S420"_cp}, {3, "abweichend für S450 und S460"_cp}};  // S420 N/NL, S450
        for (const auto& row : kNational)
            std::fprintf(f, "              %-11.11s = %-5.2lf               %-40s\n", "\xBB╬\\w╬r"_cp,
                         beta_w_of(row.grade), row.meaning);
    }
    std::fputs("#END_OF_TEXT\n", f);
}

void Print_NAD_EC3_1_Table(FILE* f) {
    if (!f) return;
    print_ec3_1_tables(f);
    if (g_show[EC3_SHOW_1_8]) print_weld_table(f);
}

void Print_NAD_EC3(FILE* f) {
    if (!f) return;
    OLI_setFlags(f, 896);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    OLI_reserveSpaceCM(f, 6.0);
    NAD_Print_Chapter_Title(f);
    OLI_setYPositionCM(f, 1, -0.5);
    print_ec3_1_tables(f);
    const NAD_EC3_8_Record& r = Get_NAD_EC3()->ec3_8;
    if (g_show[EC3_SHOW_6_1] && g_show[EC3_SHOW_1_8]) {
        title(f, 13);
        std::fputs(" 2.2(2)                                     Teilsicherheitsbeiwerte für Anschlüsse\n"_cp, f);
        NAD_Print_Factor_Row(f, "M3", r.gamma_M3, "Gleitfestigkeit (Kat.C, GZT)");
        NAD_Print_Factor_Row(f, "M3,ser", r.gamma_M3ser, "Gleitfestigkeit (Kat.B, GZG)");
        NAD_Print_Factor_Row(f, "M4", r.gamma_M4, "Injektionsschrauben");
        NAD_Print_Factor_Row(f, "M6,ser", r.gamma_M6ser, "Bolzen (GZG)");
        NAD_Print_Factor_Row(f, "M7", r.gamma_M7, "Vorspannung hochfester Schrauben");
        NAD_Print_Factor_Row(f, "M5", r.gamma_M5, "Hohlprofile in Fachwerken");
        std::fputs("#END_OF_TEXT\n", f);
    }
    if (g_show[EC3_SHOW_1_5]) {
        title(f, 24);
        std::fprintf(f, " 3.1(1)       Anmerkung %d                   zur Berücksichtigung der Schubverzerrungen\n"_cp,
                     r.shear_lag_note);
        std::fprintf(f, " 5.1(2)       \xC1 = %-5.2lf                     Beiwert zur Berechnung des Schubbeulens\n", r.eta);
        std::fputs("#END_OF_TEXT\n", f);
    }
    if (g_show[EC3_SHOW_1_9]) {
        title(f, 26);
        std::fputs(" 3(7)         Schadensfolgen                Teilsicherheitsbeiwert für Ermüdung\n"_cp, f);
        std::fputs("              niedrig        hoch           \n", f);
        std::fprintf(f, "              \xC0╬\\Mf╬r = %-5.2lf    \xC0╬\\Mf╬r = %-5.2lf    Schadenstoleranz\n"_cp,
                     r.gamma_Mf_dt_low, r.gamma_Mf_dt_high);
        std::fprintf(f, "              \xC0╬\\Mf╬r = %-5.2lf    \xC0╬\\Mf╬r = %-5.2lf    Versagen ohne Vorankündigung\n"_cp,
                     r.gamma_Mf_sl_low, r.gamma_Mf_sl_high);
        std::fputs("#END_OF_TEXT\n", f);
    }
    if (g_show[EC3_SHOW_6]) {
        title(f, 27);
        std::fprintf(f, " 7.5(1)       \xC0╬\\M,ser╬r  = %-5.2lf               Teilsicherheitsbeiwert (GZG)\n"_cp,
                     r.gamma_Mser);
        std::fputs("#END_OF_TEXT\n", f);
    }
}
