// The print table of the EN 1990 block: load factors for buildings and for
// bridges, two tables side by side.
#include <cstdio>

#include "base/cp850.h"
#include "codes/nad.h"
#include "codes/nad_print.h"
#include "codes/nad_rules.h"
#include "platform/oli_layout.h"

static const char* const kBuildingActions[7] = {
    "ständige Lasten"_cp, "veränderliche Lasten"_cp, "Flüssigkeitsdruck/Maschinenlasten"_cp, "Zwang",
    "Vorspannung", "außergewöhnliche Einwirkungen"_cp, "Erdbeben"};
static const char* const kSituations[4] = {
    "  der ständigen und vorübergehenden Bemessungssituation\n"_cp, "  der außergewöhnlichen Bemessungssituation\n"_cp,
    "  der Erdbebenbemessungssituation\n", "  der Gebrauchstauglichkeits- und Ermüdungsnachweise\n"_cp};
static const char* const kBuildingRows[12][2] = {
    {"Wohn-, Büroräume"_cp, "A, B"},
    {"Versammlungs-, Verkaufsräume"_cp, "C, D"},
    {"Lagerräume"_cp, "  E "},
    {"Fahrzeuge bis 30 kN", "  F "},
    {"Fahrzeuge bis 160 kN", "  G "},
    {"Dächer"_cp, "  H "},
    {"Schnee/Eis bis 1000 m ü.NN"_cp, ""},
    {"Schnee/Eis über 1000 m ü.NN"_cp, ""},
    {"Wind", ""},
    {"Temperatur", ""},
    {"Baugrundsetzungen", ""},
    {"sonstige Einwirkungen", ""}};
static const char* const kBridgeActions[15] = {"ständige Lasten"_cp,
                                               "Vorspannung linear",
                                               "Vorspannung nichtlinear",
                                               "Vorspannung lokal",
                                               "Setzung linear",
                                               "Setzung nichtlinear",
                                               "Straßenverkehr"_cp,
                                               "Fußgängerverkehr"_cp,
                                               "Schienenverkehr Lastgruppe 11 bis 31",
                                               "Schienenverkehr Lastgr. 16, 17, SW/2",
                                               "veränderliche Lasten"_cp,
                                               "Bauausführung"_cp,
                                               "Temperatur",
                                               "außergwöhnliche Einwirkungen"_cp,
                                               "Erdbeben"};
static const char* const kRoadRows[14] = {"gr1a Doppelachse",
                                          "gr1a Gleichmäßig verteilte Last"_cp,
                                          "gr1a Geh- und Radwegbelastung",
                                          "gr1b (Einzelachse)",
                                          "gr2 (Horizontalkräfte"_cp,
                                          "gr3 (Gehwegbelastung)",
                                          "gr4 (LM4 - Menschengedränge)"_cp,
                                          "gr5 (LM5 - Spezialfahrzeuge)",
                                          "Wind ständige Bemessungssituation"_cp,
                                          "Temperatur",
                                          "Baugrundsetzungen",
                                          "Temperaturlasten",
                                          "Schneelasten (Bauzeit)",
                                          "Lasten aus Bauausführung"_cp};
static const char* const kFootRows[7] = {"gr1╬\\ ╬r"_cp,   "Q╬\\fwk╬r"_cp, "gr2╬\\ ╬r"_cp,
                                         "F╬\\wk╬r"_cp,    "T╬\\k╬r"_cp,      "Q╬\\Sn,k╬r"_cp,
                                         "Q╬\\c╬r"_cp};
// Railway rows 0 to 25; rows 8 and 25 take two lines.
static const char* const kRailRows[26] = {"LM 71",
                                          "SW/0",
                                          "SW/2",
                                          "Unbeladener Zug",
                                          "HSLM",
                                          "Seitenstoä"_cp,
                                          "Lasten auf Dienstwege",
                                          "Betriebslastenzug",
                                          "Horizontaler Erddruck infolge",
                                          "Aerodynamische Einwirkungen",
                                          "gr11 (LM 71 + SW/0)",
                                          "gr12 (LM 71 + SW/0)",
                                          "gr13 (Bremsen/Anfahren)",
                                          "gr14 (Zentrifugalkraft/Seitenstoß)"_cp,
                                          "gr15 (unbeladener Zug)",
                                          "gr16 (SW/2)",
                                          "gr17 (SW/2)",
                                          "gr21 (LM 71 +SW/0)",
                                          "gr22 (LM 71 +SW/0)",
                                          "gr23 (Bremsen/Anfahren)",
                                          "gr24 (Zentrifugalkraft/Seitenstoß)"_cp,
                                          "gr26 (SW/2)",
                                          "gr27 (SW/2)",
                                          "gr31 (LM 71 +SW/0)",
                                          "Aerodynamische Einwirkungen",
                                          "Allgemeine Lasten aus"};

static const char kEnd[] = "#END_OF_TEXT\n";
static const char kNameBlock[] = "0 0 -1 -1\n";

static void partial_factor_head(FILE* f, int width) {
    std::fprintf(f, " %-*s  \xC0╬\\Fsup╬r \xC0╬\\Finf╬r\n"_cp, width, "Einwirkungsart");
}

static void psi_head(FILE* f, int width) {
    std::fprintf(f, " %-*s   \xB8╬\\0╬r    \xB8╬\\1╬r    \xB8╬\\2╬r \n"_cp, width, "Einwirkung");
}

static void partial_factor_table(FILE* f, int s, const double (*gamma)[2], const char* const* labels,
                                 const int* actions, int count, int bridge) {
    std::fputs("#SHOWTABLE\n0 1 1\n", f);
    std::fputs(" ╬HTeilsicherheitsfaktoren für Einwirkungen\n"_cp, f);
    std::fputs(kSituations[s], f);
    std::fputs(bridge ? "1 0 -1 -1 2\n 38 44\n" : "1 0 -1 -1 2\n 34 40\n", f);
    partial_factor_head(f, bridge ? 37 : 33);
    for (int i = 0; i < count; ++i)
        std::fprintf(f, " %-*s %5.2lf %5.2lf\n", bridge ? 37 : 33, labels[actions[i]], gamma[actions[i]][0],
                     gamma[actions[i]][1]);
    std::fputs(kEnd, f);
}

// The four situations' tables, two side by side in two rows: the second of
// each row starts at the stored height, `beside` cm from the left.
template <int N>
static void situation_tables(FILE* f, const double (*gamma)[N][2], const char* const* labels,
                             const int* const* actions, const int* count, int bridge, double beside) {
    for (int s = 0; s < 4; ++s) {
        if (s == 1 || s == 3) {
            OLI_restoreYPosition(f, 4);
            OLI_setMarginsCM(f, 0x10001, beside, 0.0);
        } else if (s == 2) {
            OLI_setYPositionCM(f, 4, 0.0);
            OLI_setMarginsCM(f, 1, 0.0, 0.0);
            OLI_reserveSpaceCM(f, 5.0);
            OLI_storeYPosition(f, 4);
        }
        partial_factor_table(f, s, gamma[s], labels, actions[s], count[s], bridge);
    }
}

static void building_chapter(FILE* f, const NAD_EC0_Block* b) {
    OLI_setFlags(f, 0x380);
    OLI_reserveSpaceCM(f, 6.0);
    std::fputs("#SHOWTABLE\n1 1 0\n Lastfaktoren (Hochbau) des nationalen Anhangs\n", f);
    std::fprintf(f, " %s\n%s%s", Get_Active_NAD_Name(), kNameBlock, kEnd);
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_storeYPosition(f, 4);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    static const int kPersistent[] = {0, 1, 2, 3, 4}, kAccidental[] = {0, 1, 2, 3, 4, 5},
                     kSeismic[] = {0, 1, 2, 3, 4, 6};
    static const int* const kActions[4] = {kPersistent, kAccidental, kSeismic, kPersistent};
    static const int kCount[4] = {5, 6, 6, 5};
    situation_tables(f, b->gamma_building, kBuildingActions, kActions, kCount, 0, 9.5);
    OLI_setYPositionCM(f, 4, 0.0);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    OLI_reserveSpaceCM(f, 8.0);

    std::fputs("#SHOWTABLE\n0 1 1\n ╬HKombinationsbeiwerte\n"_cp, f);
    std::fputs(" Die Werte in der \xB8╬\\2E╬r-Spalte sind die \xB8╬\\2╬r-Werte für die Erdbebenbemessungssituation\n"_cp,
               f);
    std::fputs("1 0 -1 -1 4\n 30 41 47 53\n", f);
    std::fprintf(f, " %-30s %-10s  \xB8╬\\0╬r    \xB8╬\\1╬r    \xB8╬\\2╬r    \xB8╬\\2E╬r \n"_cp,
                 "Einwirkung", "Kategorie");
    for (int i = 0; i < 12; ++i)
        std::fprintf(f, " %-30s   %-5s   %5.2lf %5.2lf %5.2lf %5.2lf\n", kBuildingRows[i][0], kBuildingRows[i][1],
                     b->psi_building[i][0], b->psi_building[i][1], b->psi_building[i][2], b->psi_building[i][3]);
    std::fputs(kEnd, f);
    std::fputs("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", f);
    std::fputs(" ╬HAnmerkung:╬r Flüssigkeitsdruck/Maschinenlasten, Zwang sowie Baugrundsetzungen, sonstige Einwirkungen\n"_cp,
               f);
    std::fputs("            sind nicht Teil der EN 1990 (Eurocode).\n", f);
    std::fputs(kEnd, f);
    OLI_resetMaxMargin(f);
}

static void psi_rows(FILE* f, int width, const char* const* labels, const double (*psi)[3], int count) {
    for (int i = 0; i < count; ++i)
        std::fprintf(f, " %-*s %5.2lf %5.2lf %5.2lf\n", width, labels[i], psi[i][0], psi[i][1], psi[i][2]);
}

static void railway_table(FILE* f, const double (*psi)[3]) {
    std::fputs("#SHOWTABLE\n0 1 0\n ╬HKombinationsbeiwerte Eisenbahnbrücken\n"_cp, f);
    std::fputs("1 0 -1 -1 3\n 35 41 47\n", f);
    psi_head(f, 34);
    // The letter a stands where psi1 of these rows would be: the factor a
    // of the loaded tracks applies.
    for (int i = 0; i < 26; ++i) {
        if (i <= 1 || i == 8)
            std::fprintf(f, " %-34s %5.2lf   a   %5.2lf\n", kRailRows[i], psi[i][0], psi[i][2]);
        else
            std::fprintf(f, " %-34s %5.2lf %5.2lf %5.2lf\n", kRailRows[i], psi[i][0], psi[i][1], psi[i][2]);
        if (i == 8) std::fprintf(f, " %-34s\n", "Überschreitung der Verkehrslasten"_cp);
        if (i == 25) std::fprintf(f, " %-34s\n", "Instandhaltung für Dienstgehwege"_cp);
    }
    const char* const wide[5] = {"F╬\\wk╬r   "_cp, "F╬\\W╬/**   ╬r"_cp, "T╬\\k╬r   "_cp,
                                 "Q╬\\Sn,k╬r (Bauausführung)   "_cp, "Q╬\\c╬r   "_cp};
    for (int i = 26; i < 31; ++i)
        std::fprintf(f, " %-*s %5.2lf %5.2lf %5.2lf\n", i == 27 ? 40 : 38, wide[i - 26], psi[i][0], psi[i][1],
                     psi[i][2]);
    std::fputs(kEnd, f);
}

static void bridge_chapter(FILE* f, const NAD_EC0_Block* b) {
    OLI_setFlags(f, 0x380);
    OLI_reserveSpaceCM(f, 6.0);
    if (!NAD_All_Rules_Shown())
        std::fprintf(f, "#SHOWTABLE\n1 0 0\n%s%s%s", " Nationale Anhänge zu den Eurocodes\n"_cp, kNameBlock, kEnd);
    std::fputs("#SHOWTABLE\n1 1 0\n Lastfaktoren (Brückenbau) des nationalen Anhangs\n"_cp, f);
    std::fprintf(f, " %s\n%s%s", Get_Active_NAD_Name(), kNameBlock, kEnd);
    OLI_setYPositionCM(f, 1, -0.5);
    OLI_storeYPosition(f, 4);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    // Construction loads, accidental actions and earthquake are held but
    // never printed.
    static const int kShown[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
    static const int* const kActions[4] = {kShown, kShown, kShown, kShown};
    static const int kCount[4] = {12, 12, 12, 12};
    situation_tables(f, b->gamma_bridge, kBridgeActions, kActions, kCount, 1, 9.0);
    OLI_setYPositionCM(f, 4, 0.0);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    OLI_storeYPosition(f, 4);
    OLI_reserveSpaceCM(f, 11.0);
    std::fputs("#SHOWTABLE\n0 1 0\n ╬HKombinationsbeiwerte Straßenbrücken\n"_cp, f);
    std::fputs("1 0 -1 -1 3\n 34 40 46\n", f);
    psi_head(f, 33);
    psi_rows(f, 33, kRoadRows, b->psi_road_bridge, 14);
    std::fputs(kEnd, f);
    std::fputs("#SHOWTABLE\n0 1 0\n ╬HKombinationsbeiwerte Fußgängerbrücken\n"_cp, f);
    std::fputs("1 0 -1 -1 3\n 34 40 46\n", f);
    psi_head(f, 33);
    psi_rows(f, 37, kFootRows, b->psi_footbridge, 7);
    std::fputs(kEnd, f);
    OLI_restoreYPosition(f, 4);
    OLI_setMarginsCM(f, 0x10001, 9.0, 0.0);
    OLI_reserveSpaceCM(f, 12.0);
    railway_table(f, b->psi_railway_bridge);
    std::fputs("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", f);
    std::fprintf(f, " ╬Ha ╬r %4.2lf wenn nur 1 Gleis belastet wird\n"_cp, b->a_tracks[0]);
    std::fprintf(f, "    %4.2lf wenn 2 Gleise gleichzeitg belastet werden\n", b->a_tracks[1]);
    std::fprintf(f, "    %4.2lf wenn 3 oder mehrere Gleise gleichzeitig\n", b->a_tracks[2]);
    std::fputs("    belastet werden\n", f);
    std::fputs(kEnd, f);
    OLI_setMarginsCM(f, 1, 0.0, 0.0);
    OLI_resetMaxMargin(f);
}

void Print_NAD_EC0(FILE* f) {
    if (!f) return;
    const NAD_EC0_Block* b = Get_NAD_EC0();
    if (NAD_Rule_Shown(0, 0)) building_chapter(f, b);
    if (NAD_Rule_Shown(0, 1)) bridge_chapter(f, b);
}
