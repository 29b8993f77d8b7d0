// The print tables of the EN 1995 block.
#include <cstdio>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "platform/oli_layout.h"

static int g_ec5_flag[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};

void Set_NAD_EC5_Print_Flags() {
    for (int& f : g_ec5_flag) f = 1;
    if (NAD_Rules_Listed()) {
        for (int k = 0; k < 9; ++k) g_ec5_flag[k] = NAD_Rule_Shown(5, k);
        return;
    }
    const int program = Find_Current_Application_NAD();
    if (NAD_All_Rules_Shown()) return;
    if (program == 220 || program == 242) {
        g_ec5_flag[7] = 0;
        g_ec5_flag[8] = program == 242;
    } else if (program >= 73 && program <= 76) {
        for (int k = 0; k < 9; ++k) g_ec5_flag[k] = k == 7;
    }
}

int NAD_EC5_Print_Flag(int k) { return k >= 0 && k < 9 ? g_ec5_flag[k] : 0; }

static const char kEnd[] = "#END_OF_TEXT\n";
static const char kRule[] = "0 0 0 0 0\n";

// The crack factor k_cr: the two constants or the four rules of the
// German annex.
static void crack_lines(FILE* f, int four, const char* lead) {
    if (four) {
        std::fputs(" k╬\\cr╬r = 2.0/fv,k   für Nadelholz\n"_cp, f);
        std::fputs(" k╬\\cr╬r = 0.67       für Laubholz\n"_cp, f);
        std::fputs(" k╬\\cr╬r = 2.5/fv,k   für Brettschichtholz\n"_cp, f);
        std::fputs(" k╬\\cr╬r = 1.0        sonst\n"_cp, f);
        return;
    }
    std::fprintf(f, "%sk╬\\cr╬r = 0.67   %s\n"_cp, lead, "für Voll- und Brettschichtholz"_cp);
    std::fprintf(f, "%sk╬\\cr╬r = 1.00   %s\n"_cp, lead, "sonst                         ");
}

static void crack_table(FILE* f, int four, const char* lead) {
    std::fputs("#SHOWTABLE\n0 1 2\n Rissfaktor\n", f);
    std::fputs(" Rissfaktor k╬\\cr╬r zur Festlegung der effektiven Querschnittsbreite\n"_cp, f);
    std::fputs(" bei der Ermittlung der Schubspannungen aus Querkraft\n", f);
    std::fputs("0 0 -1 -1 0\n", f);
    crack_lines(f, four, lead);
    std::fputs(kEnd, f);
}

// A line of the chapter table with one of two 29-character texts.
static void choice(FILE* f, const char* format, int on, const char* yes, const char* no) {
    std::fprintf(f, format, on ? yes : no);
}

static void chapter_table(FILE* f, const NAD_EC5_Block* b) {
    NAD_Print_Table_Head(f);
    choice(f, " 2.3.1.2(2)P  %s Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer\n", b->use_table_NA1,
           "Tabelle NA.1 anwenden        ", "Tabelle NA.1 nicht anwenden  ");
    std::fputs("\n 2.4.1                                      Teilsicherheitsbeiwerte\n", f);
    struct Material {
        const char* name;
        double value;
    };
    const Material materials[] = {{"Vollholz", b->gamma_M_solid},
                                  {"Brettschichtholz", b->gamma_M_glulam},
                                  {"Brettsperrholz", b->gamma_M_clt},
                                  {"LVL, Sperrholz, OSB", b->gamma_M_lvl},
                                  {"Spanplatten", b->gamma_M_particleboard},
                                  {"Harte Faserplatten", b->gamma_M_hardboard},
                                  {"Mittelharte Faserplatten", b->gamma_M_mediumboard},
                                  {"MDF-Faserplatten", b->gamma_M_mdf},
                                  {"Weiche Faserplatten", b->gamma_M_softboard},
                                  {"Verbindungen", b->gamma_M_connections},
                                  {"Nagelplatten", b->gamma_M_punched_plates},
                                  {"Stahl in Verbindungen", b->gamma_M_steel},
                                  {"Gipskarton, etc.", b->gamma_M_gypsum}};
    const int national = b->variant != 0;
    for (int i = 0; i < (national ? 13 : 11); ++i)
        std::fprintf(f, "%s\xC0╬\\M╬r = %.2lf%21s%s\n"_cp, i ? "              " : " Tab. 2.3     ", materials[i].value,
                     "", materials[i].name);
    if (!national) {
        std::fputs("\n\n", f);
        std::fputs(kEnd, f);
        crack_table(f, 0, " ");
        std::fputs("\n", f);
        std::fputs(kEnd, f);
        return;
    }
    choice(f, " 3.1.3        %s Modifikationsbeiwerte\n\n", b->use_table_NA4, "Tabelle NA.4 anwenden        ",
           "Tabelle NA.4 nicht anwenden  ");
    choice(f, " 8.3.2        %s f╬\\ax╬r, f╬\\head╬r für profilierte Nägel\n\n"_cp, b->use_table_NA15,
           "Tabelle NA.15 anwenden       ", "Tabelle NA.15 nicht anwenden ");
    choice(f, " 8.3.1.2      %s Einschlagtiefen > 4 d\n\n", b->use_NA11, "NA.11 anwenden               ",
           "NA.11 nicht anwenden         ");
    choice(f, " 8.5.3 (2)    %s Gewindestangen zulassen\n\n", b->threaded_rods_NA, "Gewindestangen nach NAD      ",
           "keine Gewindestangen         ");
    choice(f, " 6.3.3 (7)    %s Biegedrillknicknachweis\n\n", b->ltb_NA, "Biegedrillknicken nach NAD   ",
           "Biegedrillknicken nach EC 5  ");
    choice(f, " 8.2.4 (1)    %s Verbindungsmittel\n\n", b->fasteners_simplified_NA, "vereinfachtes Verf. nach NAD ",
           "Verfahren nach EC 5          ");
    choice(f, " 9.2.4.2      %s\n", b->use_NA20, "Abminderung der Tragf.        bei hor. Stoß und kurzen Tafeln"_cp,
           "Keine Abminderung der Tragf.");
    std::fputs(" (NA.20)  \n", f);
    choice(f, " 9.2.4.2      %s\n", b->use_NA21, "Erhöhung der char. Tragf.     bei Schwellenpressung um 20%"_cp,
           "Keine Erhöhung der char. Tragf."_cp);
    std::fputs(" (NA.21)  \n", f);
    choice(f, " 6.1          %s\n", b->use_NA816, "Abm. der Zugfestigkeit        bei sym. ausgeführten Zugverbindungen."_cp,
           "keine Abm. der Zugfestigkeit      bei sym. ausgeführten Zugverbindungen."_cp);
    std::fputs(" (NA.8.1.6)  \n", f);
    choice(f, " 8.6          %s\n", b->use_NA7, "Bohrlochdurchmesser bei       Stahlteilen um 1mm erhöhen"_cp,
           "keine Erhöhung des Bohrlochdurchmessers bei Stahlteilen"_cp);
    std::fputs(" (NA.7)  \n", f);
    std::fputs("\n", f);
    std::fputs(kEnd, f);
    if (!g_ec5_flag[5]) {
        crack_table(f, 1, "");
    }
    std::fputs("\n", f);
    std::fputs("\n", f);
    std::fputs(kEnd, f);
}

void Print_NAD_EC5(FILE* f) {
    if (!f) return;
    const NAD_EC5_Block* b = Get_NAD_EC5();
    Set_NAD_EC5_Print_Flags();
    OLI_setFlags(f, 0x380);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    OLI_reserveSpaceCM(f, 6.0);
    const int* flag = g_ec5_flag;
    int heading = 0;
    for (int k = 0; k < 8; ++k) heading |= flag[k];
    if (heading) {
        std::fputs("#SHOWTABLE\n1 3 0\n Ausgewählte Nachweisparameter des nationalen Anhangs\n"_cp, f);
        std::fprintf(f, " %s\n \n DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n%s", Get_Active_NAD_Name(), kRule);
        OLI_setYPositionCM(f, 1, -0.5);
        if (flag[0]) OLI_storeYPosition(f, 4);
    }
    if (flag[1] && heading) {
        std::fputs("#SHOWTABLE\n0 1 0\n Materialsicherheitsbeiwerte\n1 0 -1 -1 2\n 27 45\n", f);
        std::fputs(" Bemessungssituation         Holzart            Wert\n", f);
        std::fprintf(f, " ständig und vorübergehend   Vollholz           %.2f\n"_cp, b->gamma_M_solid);
        std::fprintf(f, "                             Brettschichtholz   %.2f\n", b->gamma_M_glulam);
        std::fprintf(f, " außergewöhnlich             alle Arten         %.2f\n"_cp, b->gamma_M_accidental);
        std::fprintf(f, " Brandschutz                 alle Arten         %.2f\n", b->gamma_M_fi);
        std::fputs(kEnd, f);
        if (flag[0]) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 1, 11.0, 0.0);
        }
    }
    static const char* const kClasses[5] = {" ständig    "_cp, " lange      ", " mittel     ", " kurz       ",
                                            " sehr kurz  "};
    if (flag[2]) {
        std::fputs("#SHOWTABLE\n0 1 0\n Modifikationsbeiwerte\n2 0 -1 -1 1\n 10\n", f);
        std::fputs("            Nutzungsklasse\n KLED        1     2     3\n", f);
        for (int i = 0; i < 5; ++i)
            std::fprintf(f, "%s%.2f  %.2f  %.2f\n", kClasses[i], b->k_mod[i][0], b->k_mod[i][1], b->k_mod[i][2]);
        std::fputs(kEnd, f);
    }
    if (flag[3]) {
        std::fputs("#SHOWTABLE\n0 1 0\n Verformungsbeiwerte\n2 0 -1 -1 1\n 10\n", f);
        std::fputs("            Nutzungsklasse\n KLED        1     2     3\n", f);
        std::fprintf(f, " k╬\\def╬r =     %.2f  %.2f  %.2f\n"_cp, b->k_def[0], b->k_def[1], b->k_def[2]);
        std::fputs(kEnd, f);
    }
    if (flag[4]) {
        std::fputs("#SHOWTABLE\n0 1 1\n Verformungsgrenzwerte\n gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n"_cp, f);
        std::fputs("1 0 -1 -1 1\n 10\n Nachweis     normal    Kragarm\n", f);
        std::fprintf(f, " w╬\\inst╬r         l/%3.0f    l/%3.0f\n"_cp, b->w_limit[0][0], b->w_limit[0][1]);
        std::fprintf(f, " w╬\\fin╬r          l/%3.0f    l/%3.0f\n"_cp, b->w_limit[1][0], b->w_limit[1][1]);
        std::fprintf(f, " w╬\\net,fin╬r      l/%3.0f    l/%3.0f\n"_cp, b->w_limit[2][0], b->w_limit[2][1]);
        std::fputs(kEnd, f);
        if (flag[0]) {
            OLI_setMarginsCM(f, 1, 0.0, 0.0);
            OLI_setYPositionCM(f, 1, -6.2);
        }
    }
    if (flag[5]) crack_table(f, b->kcr_method != 1, "");
    if (flag[8]) {
        std::fputs("#SHOWTABLE\n0 2 0\n Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n", f);
        std::fprintf(f, " k╬\\shape╬r = 1 + %.2f h/b, jedoch maximal %.2f\n%s"_cp, b->k_shape_factor, b->k_shape_max,
                     kRule);
    }
    if (flag[6]) {
        std::fputs("#SHOWTABLE\n0 3 1\n Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n", f);
        std::fputs(" w╬\\net,fin╬r = w╬\\inst╬r + w╬\\creep╬r - w╬\\c╬r   mit w╬\\inst╬r aus\n"_cp, f);
        if (b->wnetfin_combination == 1)
            std::fputs(" charakteristischer Kombination\n gemäß EC5 (7.2) (2.2)...(2.5)\n"_cp, f);
        else
            std::fputs(" quasiständiger Kombination\n gemäß NAD Deutschland Änderung A1, (NA.A1)\n"_cp, f);
        std::fputs(kRule, f);
    }
    if (flag[0]) {
        std::fputs("#SHOWTABLE\n0 2 0\n Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur für Brettschichtholz):\n"_cp,
                   f);
        std::fprintf(f, " Faktor gemäß NCI Zu 6.3.3(2) = %.2f\n%s"_cp, b->nci_633_factor, kRule);
    }
    if (flag[7]) chapter_table(f, b);
}
