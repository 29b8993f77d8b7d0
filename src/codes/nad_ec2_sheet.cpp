// The annex editor's sheet of the EN 1992 block: three chapters that open
// and close (EN 1992-1-1 buildings, EN 1992-1-2 fire, EN 1992-2 bridges),
// each a table of clause, parameter and explanation. A coefficient that the
// annex may give either as a constant or as the factor of its clause's
// formula is a mode row: two radio buttons on the mode word, the value field
// on the line of the chosen mode, and the formula's picture below.
#include <cstring>
#include <string>

#include "base/cp850.h"
#include "codes/nad_print.h"
#include "codes/nad_sheet.h"
#include "codes/nad_sheet_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/screen.h"

namespace {

enum { FONT_HEAD = 0x11000, FONT_PLAIN = 4096, FONT_SMALL = 4098 };
// Columns: clause, radio buttons, symbol, value fields, explanation. The
// raster font's small letters are 6 pixels wide, so the explanation band
// reaches to 446 for the longest explanations.
enum { X_CLAUSE = 10, X_RADIO = 55, X_SYMBOL = 67, X_VALUE_1 = 76, X_VALUE = 136, X_EXPLANATION = 206, X_RIGHT = 446 };
enum { ROW = 20, ROW_TWO = 26, ROW_PICTURE = 36 };

int g_buildings_open = 1, g_bridges_open = 1, g_fire_open = 0;
int g_refresh = 1;     // enables the chapter titles
int g_editable = 0;    // every field and radio button
int g_fixed = 0;       // fields shown but never editable
int g_reference_off = 0;
int g_row_colour = -1, g_title_colour = -1, g_line_colour = -1, g_white = -1;

struct Sheet {
    int area;
    int y;
    NAD_EC2_Block* b;
    bool national;
};

bool Flag(int k) { return NAD_EC2_Display_Flag(k) != 0; }

void Text(const Sheet& s, int x, int y, const char* text, int font = FONT_SMALL) {
    if (text && *text) Add_Text_to_Scrollable_Area(s.area, x, y, text, font, BLACK_CI, 0);
}

// A symbol with its index right after it (8 pixels a letter) and 2 lower
// in the small font.
void Symbol(const Sheet& s, int x, int y, const char* symbol, const char* index) {
    Text(s, x, y, symbol, FONT_PLAIN);
    Text(s, x + 8 * static_cast<int>(std::strlen(symbol)), y + 2, index);
}

// A label of the block's fixed fields, which need not end with a zero byte.
template <size_t N>
std::string Label(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

void Field(const Sheet& s, int x, int y, double* value, const char* format, int* enabled = &g_editable) {
    Add_Float_to_Scrollable_Area(s.area, x, y, value, format, FONT_PLAIN, BLACK_CI, enabled);
}

// An empty row of the given height (the bands only).
void Space(Sheet& s, int h) { s.y = Draw_NAD_EC2_Row(s.area, s.y, h, nullptr, nullptr, nullptr, FONT_PLAIN); }

// A clause row: the clause and one or two lines of explanation, the
// bands first (they would cover what lies in their columns). Returns the
// row's baseline.
int Clause(Sheet& s, const char* clause, const char* line1, const char* line2 = nullptr) {
    const int y = s.y;
    s.y = Draw_NAD_EC2_Row(s.area, y, line2 ? ROW_TWO : ROW, clause, nullptr, nullptr, FONT_PLAIN);
    Text(s, X_EXPLANATION, y, line1);
    Text(s, X_EXPLANATION, y + 11, line2);
    return y;
}

// A value row: symbol, field and explanation.
void Value(Sheet& s, const char* clause, const char* symbol, const char* index, double* value, const char* format,
           const char* line1 = nullptr, const char* line2 = nullptr, int x = X_VALUE) {
    const int y = Clause(s, clause, line1, line2);
    Symbol(s, X_SYMBOL, y, symbol, index);
    Field(s, x, y, value, format);
}

// Two radio buttons on the mode word: 1 the value itself, 2 the factor x of
// the clause's formula. The field stands on the line of the chosen mode;
// for a German annex a row marked "NA" shows "s. NA-DE" instead of it in
// mode 2. The formula's picture follows below.
struct Mode {
    const char* symbol;
    const char* index;
    int* mode;
    double* value;
    const char* format_constant;
    const char* format_factor;
    const char* picture;
    bool na = false;                              // the German annex gives its own rule
    const char* function = "= Funktion von x";
};

void Mode_Row(Sheet& s, const char* clause, const Mode& m) {
    const bool german = m.na && s.national && *m.mode == 2;
    int y = Clause(s, clause, german ? "(Fkt. wird ignoriert)" : "(Funktion wird ignoriert)");
    Add_Radio_Button_to_Scrollable_Area(s.area, X_RADIO, y, "", FONT_PLAIN, BLACK_CI, 1, m.mode, &g_editable);
    Symbol(s, X_SYMBOL, y, m.symbol, m.index);
    if (*m.mode == 1) Field(s, X_VALUE, y, m.value, m.format_constant);
    y = Clause(s, nullptr, m.function);
    Add_Radio_Button_to_Scrollable_Area(s.area, X_RADIO, y, "", FONT_PLAIN, BLACK_CI, 2, m.mode, &g_editable);
    Text(s, X_SYMBOL, y, " mit x =");
    if (german) Text(s, X_VALUE, y, "s. NA-DE", FONT_PLAIN);
    else if (*m.mode == 2) Field(s, X_VALUE, y, m.value, m.format_factor);
    y = s.y;
    Space(s, ROW_PICTURE);
    Add_Boxed_Text_to_Scrollable_Area(s.area, m.picture, X_EXPLANATION, y - 10, X_EXPLANATION + 176, y + 20, g_white);
}

// The four design situations of 2.4.2.4 (the first always, the others with
// the situations flag), gamma_c and gamma_s side by side.
void Situations(Sheet& s, double* gamma_c, double* gamma_s) {
    static const char* const kSituation[4] = {"ständig und vorübergehend"_cp, "Ermüdung"_cp, "Erdbeben",
                                              "außergewöhnlich"_cp};
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && !Flag(EC2_FLAG_SITUATIONS)) break;
        Field(s, X_VALUE_1, s.y, &gamma_c[i], "%5.2f");
        Field(s, X_VALUE, s.y, &gamma_s[i], "%5.2f");
        Clause(s, nullptr, kSituation[i]);
    }
}

void Gamma_Heads(Sheet& s, const char* clause, const char* line1, const char* line2) {
    Symbol(s, X_VALUE_1 + 6, s.y, "\xC0", "c");
    Symbol(s, X_VALUE + 6, s.y, "\xC0", "s");
    Clause(s, clause, line1, line2);
}

// The title bar of a chapter with its check box; an open chapter gets an
// empty row, the column heads and a line below them. Returns whether it is
// open.
bool Chapter(Sheet& s, const char* title, int* open) {
    Add_Rectangle_to_Scrollable_Area(s.area, 4, s.y - 13, X_RIGHT, s.y + 5, g_title_colour);
    Add_Check_Box_to_Scrollable_Area(s.area, 26, s.y, title, FONT_HEAD, BLACK_CI, open, &g_refresh);
    s.y += 25;
    if (!*open) return false;
    Space(s, 11);
    const int head = s.y;
    s.y = Draw_NAD_EC2_Row(s.area, s.y, 30, "Kapitel", nullptr, "Erläuterung"_cp, FONT_HEAD);
    // A little right of its column: the bold "Kapitel" reaches to x 64.
    Text(s, X_SYMBOL + 5, head, "Parameter", FONT_HEAD);
    Add_Line_to_Scrollable_Area(s.area, 4, head + 6, X_RIGHT, head + 6, g_line_colour);
    return true;
}

const Mode V_Min(NAD_EC2_Block* b) {
    return {"\xC7", "min", &b->v_min_mode, &b->v_min, "%5.3f", "%6.4f", "NAD\\NAD_Func2a.bmp"};
}

// C_Rd,c with "/gamma_c" behind its field.
void C_Rd_c(Sheet& s, const char* clause, double* value) {
    Symbol(s, X_SYMBOL, s.y, "C", "Rd,c");
    Field(s, 121, s.y, value, "%5.2f");
    Text(s, 170, s.y, "/\xC0", FONT_PLAIN);
    Text(s, 186, s.y + 2, "c");
    Clause(s, clause, "Beiwert zur Ermittlung des", "Querkraftwiderstandes");
}

// The floor of the column reinforcement: min A_s,min = value A_c.
void Min_Floor(Sheet& s, double* value) {
    Text(s, X_SYMBOL, s.y, "min");
    Symbol(s, X_SYMBOL + 21, s.y, "A", "s,min");
    Field(s, X_VALUE, s.y, value, "%5.3f");
    Symbol(s, 186, s.y, "A", "c");
}

// 6.2.3, members with shear reinforcement: the bounds of cot theta,
// alpha_cw (under its clause) and nu1.
void Shear_Reinforcement(Sheet& s, const char* clause, double* cot_min, double* cot_max, double* alpha_cw,
                         int* nu1_mode, double* nu1) {
    Clause(s, "6.2.3", "Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung");
    Text(s, X_SYMBOL, s.y, "min cot \xB0", FONT_PLAIN);
    Field(s, 148, s.y, cot_min, "%5.2f");
    Clause(s, "(2)", "untere Grenze");
    Text(s, X_SYMBOL, s.y, "max cot \xB0", FONT_PLAIN);
    Field(s, 148, s.y, cot_max, "%5.2f");
    Clause(s, nullptr, "obere Grenze");
    Value(s, clause, "\xBA", "cw", alpha_cw, "%5.2f", "Beiwert zur Berücksichtigung des"_cp,
          "Spannungszustands im Druckgurt");
    Mode_Row(s, nullptr, {"\xC7", "1", nu1_mode, nu1, "%5.3f", "%5.3f", "NAD\\NAD_Func7a.bmp"});
}

// 2.4.2.4, 3.1.6, 11.3.5 and 12.3.1: partial factors and the design strengths of
// normal, lightweight and plain concrete.
void Buildings_Materials(Sheet& s, bool buildings) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_2_4_2_4)) {
        Clause(s, "2.4.2.4", "Teilsicherheitsbeiwerte für"_cp, "Beton und Betonstahl");
        Gamma_Heads(s, "(1)", "im Grenzzustand der Tragfähigkeit"_cp, "Bemessungssituation:");
        Situations(s, b->gamma_c, b->gamma_s);
        Field(s, X_VALUE_1, s.y, &b->gamma_c_sls, "%5.2f");
        Field(s, X_VALUE, s.y, &b->gamma_s_sls, "%5.2f");
        Clause(s, "(2)", "im Grenzzustand der", "Gebrauchstauglichkeit"_cp);
    }
    if ((Flag(EC2_FLAG_3_1_6_1) || Flag(EC2_FLAG_3_1_6_2)) && buildings) {
        Clause(s, "3.1.6", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        if (Flag(EC2_FLAG_3_1_6_1))
            Value(s, "(1)P", "\xBA", "cc", &b->alpha_cc, "%5.2f", "Abminderungsbeiwert für die"_cp, "Betondruckfestigkeit");
        if (Flag(EC2_FLAG_3_1_6_2))
            Value(s, "(2)P", "\xBA", "ct", &b->alpha_ct, "%5.2f", "Abminderungsbeiwert für die"_cp, "Betonzugfestigkeit");
    }
    if (Flag(EC2_FLAG_11_3_5)) {
        Clause(s, "11.3.5", "Leichtbeton");
        Value(s, "(1)", "\xBA", "lcc", &b->alpha_lcc, "%5.2f", "Abminderungsbeiwert für die"_cp,
              "Betondruckfestigkeit bei Leichtbeton");
        Value(s, "(2)", "\xBA", "lct", &b->alpha_lct, "%5.2f", "Abminderungsbeiwert für die"_cp,
              "Betonzugfestigkeit bei Leichtbeton");
    }
    if (Flag(EC2_FLAG_12_3_1)) {
        Clause(s, "12.3.1", "Unbewehrter Beton");
        Value(s, "(1)", "\xBA", "cc,pl", &b->alpha_cc_pl, "%5.2f", "Betondruckfestigkeit bei",
              "unbewehrtem Beton");
        Value(s, nullptr, "\xBA", "ct,pl", &b->alpha_ct_pl, "%5.2f", "Betonzugfestigkeit bei", "unbewehrtem Beton");
    }
}

// 4.4.1: the concrete cover by exposure class and its additions.
void Buildings_Cover(Sheet& s) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_4_4_1)) {
        Clause(s, "4.4.1.2", "Mindestbetondeckung");
        Text(s, 60, s.y, "Exp.");
        Symbol(s, 94, s.y, "C", "min,dur");
        Symbol(s, 150, s.y, "\xA3" "c", "dur,\xC0");
        Clause(s, "(5)", "Mindestbetondeckung in Abhängig-"_cp, "keit von der Expositionsklasse [cm]");
        if (!g_reference_off) Clause(s, nullptr, "für die Anforderungsklasse S4"_cp, "(vgl. Tabelle 4.4N)");
        for (int i = 0; i < 12; ++i) {
            Text(s, 60, s.y, Label(b->exposure_class_name[i]).c_str());
            Field(s, 94, s.y, &b->c_min_dur[i], "%5.2f");
            Field(s, 150, s.y, &b->dc_dur_gamma[i], "%5.2f");
            s.y = Draw_NAD_EC2_Row(s.area, s.y, ROW, nullptr, nullptr, nullptr, FONT_PLAIN);
        }
        Clause(s, "(6)", "Mindestbetondeckung: additives", "Sicherheitselement [cm]");
        Value(s, "(7)", "\xA3" "c", "dur,st", &b->dc_dur_st, "%5.2f", "Verwendung von rostfreiem Stahl [cm]");
        Value(s, "(8)", "\xA3" "c", "dur,add", &b->dc_dur_add, "%5.2f", "Beton mit zusätzlichem Schutz [cm]"_cp);
        Clause(s, "4.4.1.3", "Vorhaltemaß"_cp);
        Value(s, "(1)P", "\xA3" "c", "dev", &b->dc_dev, "%5.2f", "Vorhaltemaß für die Betondeckung [cm]"_cp);
    }
}

// 5.2 to 5.8.6: imperfections, redistribution, slenderness and creep.
void Buildings_Analysis(Sheet& s) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_5_2)) {
        Clause(s, "5.2", "Imperfektionen");
        Text(s, 112, s.y, "1/", FONT_PLAIN);
        Value(s, "(5)", "\xB0", "0", &b->theta0_denominator, "%5.0f", "Grundwert der Schiefstellung");
    }
    if (Flag(EC2_FLAG_5_5)) {
        Clause(s, "5.5", "Linear-elastische Berechnung mit", "begrenzter Umlagerung");
        Value(s, "(4)", "k", "1", &b->k1_red, "%5.2f");
        Mode_Row(s, nullptr, {"k", "2", &b->k2_mode, &b->k2_red, "%5.2f", "%5.2f", "NAD\\NAD_Func1.bmp"});
        Value(s, nullptr, "k", "3", &b->k3_red, "%5.2f");
        Mode_Row(s, nullptr, {"k", "4", &b->k4_mode, &b->k4_red, "%5.2f", "%5.2f", "NAD\\NAD_Func1.bmp"});
        Value(s, nullptr, "k", "5", &b->k5_red, "%5.2f");
        Value(s, nullptr, "k", "6", &b->k6_red, "%5.2f");
    }
    if (Flag(EC2_FLAG_5_8_3_1)) {
        Clause(s, "5.8.3.1", "Grenzwerte der Schlankheit für"_cp, "Einzeldruckglieder");
        if (s.national) {
            Symbol(s, X_SYMBOL, s.y, "\xC5", "lim");
            Text(s, X_VALUE, s.y, "s. NA-DE", FONT_PLAIN);
            Clause(s, "(1)", nullptr);
        } else {
            Mode_Row(s, "(1)", {"\xC5", "lim", &b->lambda_lim_mode, &b->lambda_lim_x, "%5.2f", "%5.2f",
                                "NAD\\NAD_Func8.bmp"});
        }
    }
    if (Flag(EC2_FLAG_5_8_6)) {
        Clause(s, "5.8.6", "Kriechen");
        Value(s, "(3)", "\xC0", "cE", &b->gamma_cE, "%5.2f", "Sicherheitsbeiwert für den E-Modul"_cp,
              "zur Berechnung von Formänderungen"_cp);
    }
}

// 6.2 and 6.3, 11.6 and 12.6.3: shear and torsion of normal, lightweight and
// plain concrete, and the shear between web and flanges and in joints.
void Buildings_Shear(Sheet& s, bool buildings) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_6_2_2)) {
        Clause(s, "6.2.2", "Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung");
        if (buildings) {
            C_Rd_c(s, "(1)", &b->c_rd_c);
            Mode_Row(s, nullptr, V_Min(b));
            Value(s, nullptr, "k", "1", &b->k1_shear, "%5.2f");
        }
        Clause(s, "(6)", "Festigkeitsabminderungsbeiwert", "für Querkraft"_cp);
        Mode_Row(s, nullptr, {"\xC7", nullptr, &b->nu_mode, &b->nu_shear, "%5.3f", "%5.3f", "NAD\\NAD_Func2b.bmp"});
        if (Flag(EC2_FLAG_6_3_2)) {
            Clause(s, "6.3.2(4)", "für Torsion"_cp);
            Mode_Row(s, nullptr,
                     {"\xC7", nullptr, &b->nu_mode, &b->nu_torsion, "%5.3f", "%5.3f", "NAD\\NAD_Func2b.bmp"});
        }
    }
    if (Flag(EC2_FLAG_11_6)) {
        Clause(s, "11.6.1", "Querkraft bei Leichtbeton");
        Symbol(s, X_SYMBOL, s.y, "C", "lRd,c");
        Field(s, 121, s.y, &b->c_lrd_c, "%5.2f");
        Clause(s, "(1)", "Beiwert zur Ermittlung des", "Querkraftwiderstandes");
        Mode_Row(s, nullptr, {"\xC7", "l,min", &b->v_l_min_mode, &b->v_l_min, "%5.3f", "%6.4f", "NAD\\NAD_Func2c.bmp"});
        Value(s, nullptr, "k", "l1", &b->k_l1, "%5.2f");
        Clause(s, "(2)", "Festigkeitsabminderungsbeiwert", "für Querkraft"_cp);
        Mode_Row(s, nullptr, {"\xC7", "l", &b->nu_l_mode, &b->nu_l_shear, "%5.3f", "%5.3f", "NAD\\NAD_Func2d.bmp"});
    }
    if (Flag(EC2_FLAG_11_6_TORSION)) {
        Clause(s, nullptr, "bei Leichtbeton für Torsion"_cp);
        Mode_Row(s, nullptr, {"\xC7", "l", &b->nu_l_mode, &b->nu_l_torsion, "%5.3f", "%5.3f", "NAD\\NAD_Func2d.bmp"});
    }
    if (Flag(EC2_FLAG_12_6_3)) {
        Clause(s, "12.6.3", "Querkraftbemesung, Bauteile aus", "unbewehrtem Beton");
        Symbol(s, X_SYMBOL, s.y, "k", "p");
        if (s.national) Text(s, 121, s.y, "s. NA-DE", FONT_PLAIN);
        else Field(s, 121, s.y, &b->k_p, "%5.2f");
        Clause(s, "(2)", "Beiwert zur Ermittlung der", "Bemessungsspannung");
    }
    if (buildings && Flag(EC2_FLAG_6_2_2)) {
        Shear_Reinforcement(s, "(3)", &b->cot_theta_min, &b->cot_theta_max, &b->alpha_cw, &b->nu1_mode, &b->nu1);
    }
    if (Flag(EC2_FLAG_11_6)) {
        Clause(s, "11.6.2", "Leichtbeton: maximale", "Querkrafttragfähigkeit"_cp);
        Mode_Row(s, "(1)", {"\xC7", "1l", &b->nu1_l_mode, &b->nu1_l, "%5.3f", "%5.3f", "NAD\\NAD_Func7b.bmp"});
    }
    if (Flag(EC2_FLAG_6_2_4)) {
        Clause(s, "6.2.4", "Schubkräfte zwischen Balkensteg"_cp, "und Gurten (Plattenbalken, Doppel-T)");
        Value(s, "(4)", "cot \xB0", "f", &b->cot_theta_f_tension, "%5.2f", "Druckstrebenneigung für Zuggurte"_cp);
        Value(s, nullptr, "cot \xB0", "f", &b->cot_theta_f_compression, "%5.2f",
              "Druckstrebenneigung für Druckgurte"_cp);
        Value(s, "(6)", "k", nullptr, &b->k_flange, "%5.2f", "Beiwert für die aufnehmbare"_cp,
              "Zugspannung ohne Anschlussbewehrung");
    }
    if (Flag(EC2_FLAG_6_2_5)) {
        Clause(s, "6.2.5", "Schubkraftübertragung in Fugen"_cp);
        Text(s, 66, s.y, "c", FONT_PLAIN);
        Text(s, 114, s.y, "\xC6", FONT_PLAIN);
        Text(s, 162, s.y, "\xC7", FONT_PLAIN);
        Clause(s, "(1)", "Oberfläche der Fuge"_cp);
        for (int i = 0; i < 4; ++i) {
            const std::string label = Label(b->surface_name[i]);
            Field(s, 62, s.y, &b->joint_c[i], "%4.2f");
            Field(s, 110, s.y, &b->joint_mu[i], "%4.2f");
            Field(s, 158, s.y, &b->joint_nu[i], "%4.2f");
            Clause(s, nullptr, label.c_str());
        }
    }
}

// 6.8 to 8.2: fatigue, crack widths, deflection limits and bar spacing.
void Buildings_Serviceability(Sheet& s, bool buildings) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_6_8)) {
        Clause(s, "6.8.4", "Nachweis gegen Ermüdung für"_cp, "Beton- und Spannstahl");
        Value(s, "(1)", "\xC0", "F,fat", &b->gamma_F_fat, "%5.2f", "Sicherheitsbeiwert für die"_cp, "Einwirkungen");
        if (buildings) {
            Clause(s, "6.8.7", "Nachweis gegen Ermüdung unter"_cp, "Druckbeanspruchung");
            Value(s, "(1)", "k", "1", &b->k1_fatigue, "%5.2f", "Beiwert zur Ermittlung der", "Bemessungsfestigkeit");
        }
    }
    if (Flag(EC2_FLAG_7_3_4)) {
        Clause(s, "7.3.4", "Berechnung der Rissbreite");
        Value(s, "(3)", "k", "3", &b->k3_crack, "%5.3f", "Beiwerte zur Ermittlung des", "maximalen Rissabstands");
        Value(s, nullptr, "k", "4", &b->k4_crack, "%5.3f");
    }
    if (Flag(EC2_FLAG_7_4_2)) {
        Clause(s, "7.4.2", "Begrenzung der Verformungen", "ohne direkte Berechnung");
        Clause(s, "(2)", "Biegeschlankheit:", g_reference_off ? nullptr : "(vgl. Tabelle 7.4N)");
        static const char* const kSystem[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragträger"_cp};
        for (int i = 0; i < 5; ++i)
            Value(s, nullptr, "K", nullptr, &b->K_system[i], "%5.2f", kSystem[i], nullptr, 141);
    }
    if (Flag(EC2_FLAG_8_2)) {
        Clause(s, "8.2", "Stababstände von Betonstählen"_cp);
        Value(s, "(2)", "k", "1", &b->k1_bar_spacing, "%5.2f", "Beiwert für den lichten Abstand zw."_cp,
              "parellelen Einzelstählen od. Stahllagen"_cp);
    }
}

// 9.2 to 9.6: minimum reinforcement and the anchorage at end supports.
void Buildings_Detailing(Sheet& s, bool buildings) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_9_2_1_1)) {
        Clause(s, "9.2.1.1", "Mindestbewehrung für Balken [cm²]"_cp);
        Mode_Row(s, "(1)", {"A", "s,min", &b->as_min_beam_mode, &b->as_min_beam, "%5.2f", "%5.2f",
                            "NAD\\NAD_Func5.bmp", true});
    }
    if (Flag(EC2_FLAG_9_2_1_2)) {
        Clause(s, "9.2.1.2", "Mindeststützmomente an gelenkigen"_cp, "Endauflagern");
        Value(s, "(1)", "\xBB", "1", &b->beta1, "%5.3f", "Anteil des größten Feldmoments"_cp);
    }
    if (Flag(EC2_FLAG_9_2_1_4)) {
        Clause(s, "9.2.1.4", "Verankerung der unteren Bewehrung", "an Endauflagern");
        Value(s, "(1)", "\xBB", "2", &b->beta2, "%5.3f", "Mindestanteil der Feldbewehrung");
    }
    if (Flag(EC2_FLAG_9_2_2)) {
        Clause(s, "9.2.2", "Querkraftbewehrung");
        Mode_Row(s, "(5)", {"\xCB", "w,min", &b->rho_w_min_mode, &b->rho_w_min, "%5.3f", "%5.3f",
                            "NAD\\NAD_Func6.bmp", true});
    }
    if (Flag(EC2_FLAG_9_5_2) && buildings) {
        Clause(s, "9.5.2", "Mindestbewehrung für Stützen [cm²]"_cp);
        Mode_Row(s, "(2)", {"A", "s,min", &b->as_min_column_mode, &b->as_min_column, "%5.2f", "%5.3f",
                            "NAD\\NAD_Func3a.bmp"});
        Min_Floor(s, &b->as_min_column_floor);
        Clause(s, nullptr, "Mindestwert");
    }
    if (Flag(EC2_FLAG_9_6_2)) {
        Clause(s, "9.6.2", "Vertikale Mindestbewehrung", "für Wände [cm²]"_cp);
        Mode_Row(s, "(1)", {"A", "s,vmin", &b->as_vmin_wall_mode, &b->as_vmin_wall, "%5.2f", "%5.3f",
                            "NAD\\NAD_Func3b.bmp", true});
    }
}

void Buildings(Sheet& s) {
    const bool buildings = Flag(EC2_FLAG_BUILDINGS);
    Buildings_Materials(s, buildings);
    Buildings_Cover(s);
    Buildings_Analysis(s);
    Buildings_Shear(s, buildings);
    Buildings_Serviceability(s, buildings);
    Buildings_Detailing(s, buildings);
}

void Fire(Sheet& s) {
    NAD_EC2_Block* b = s.b;
    Clause(s, "3.2.3", "Betonstahl");
    Add_Radio_Button_to_Scrollable_Area(s.area, X_VALUE_1 + 20, s.y, "N", FONT_PLAIN, BLACK_CI, 0, &b->steel_class_fire,
                                        &g_editable);
    Add_Radio_Button_to_Scrollable_Area(s.area, X_VALUE + 20, s.y, "X", FONT_PLAIN, BLACK_CI, 1, &b->steel_class_fire,
                                        &g_editable);
    Clause(s, "(5)", "Betonstahl-Klasse");
    Clause(s, "3.3.3", "thermische Leitfähigkeit des Betons"_cp);
    int y = Clause(s, "(1)", nullptr);
    Add_Radio_Button_to_Scrollable_Area(s.area, X_RADIO, y, "", FONT_PLAIN, BLACK_CI, 1, &b->conductivity_mode,
                                        &g_editable);
    Symbol(s, X_SYMBOL, y, "\xC5", "c");
    Text(s, X_SYMBOL + 24, y, "=  Grenzwert", FONT_PLAIN);
    y = Clause(s, nullptr, "= Funkt. von x");
    Add_Radio_Button_to_Scrollable_Area(s.area, X_RADIO, y, "", FONT_PLAIN, BLACK_CI, 2, &b->conductivity_mode,
                                        &g_editable);
    Text(s, X_SYMBOL, y, " mit x =");
    if (b->conductivity_mode == 2) Field(s, X_VALUE, y, &b->conductivity_x, "%5.3f");
    y = s.y;
    Space(s, ROW_PICTURE);
    Add_Boxed_Text_to_Scrollable_Area(s.area, "NAD\\NAD_Func4.bmp", X_EXPLANATION, y - 10, X_EXPLANATION + 176, y + 20,
                                      g_white);
    Clause(s, "6.1", "Hochfester Beton");
    for (int k = 1; k <= 3; ++k)
        Add_Radio_Button_to_Scrollable_Area(s.area, X_VALUE_1 + 20 + 40 * (k - 1), s.y, k == 1 ? "1" : k == 2 ? "2" : "3",
                                            FONT_PLAIN, BLACK_CI, k, &b->hsc_class_fire, &g_editable);
    Clause(s, "(5)", "Beton-Klasse für hochfesten Beton"_cp);
    // A German annex fixes both factors to 1.0 (set again after every build).
    int* fixed_or_editable = s.national ? &g_fixed : &g_editable;
    if (Flag(EC2_FLAG_FIRE_6_4_2_1)) {
        Clause(s, "6.4.2.1", "Stützen und Wände"_cp);
        Symbol(s, X_SYMBOL, s.y, "k", nullptr);
        Field(s, X_VALUE, s.y, &b->k_t_fire, "%5.3f", fixed_or_editable);
        Clause(s, "(3)", "Beiwert für die"_cp, "Querschnittsreduktion"_cp);
    }
    if (Flag(EC2_FLAG_FIRE_6_4_2_2)) {
        Clause(s, "6.4.2.2", "Balken und Platten");
        Symbol(s, X_SYMBOL, s.y, "k", "m");
        Field(s, X_VALUE, s.y, &b->k_m_fire, "%5.3f", fixed_or_editable);
        Clause(s, "(2)", "Beiwert für die"_cp, "Momententragfähigkeit"_cp);
    }
}

void Bridges(Sheet& s) {
    NAD_EC2_Block* b = s.b;
    if (Flag(EC2_FLAG_2_4_2_4)) {
        Clause(s, "2.4.2.4", "Teilsicherheitsbeiwerte für"_cp, "Beton und Betonstahl nach Tab. 2.1DE");
        Gamma_Heads(s, "(1)", "im Grenzzustand der Tragfähigkeit"_cp, "Bemessungssituation:");
        Situations(s, b->gamma_c_bridge, b->gamma_s_bridge);
        Clause(s, "5.10.9", "Streuung der Vorspannkraft");
        Symbol(s, X_VALUE_1 + 6, s.y, "r", "sup");
        Symbol(s, X_VALUE + 6, s.y, "r", "inf");
        Clause(s, "(1)P", nullptr);
        Field(s, X_VALUE_1, s.y, &b->r_sup_pre, "%5.2f");
        Field(s, X_VALUE, s.y, &b->r_inf_pre, "%5.2f");
        Clause(s, nullptr, "sofortiger oder ohne Verbund");
        if (Flag(EC2_FLAG_SITUATIONS)) {
            Field(s, X_VALUE_1, s.y, &b->r_sup_post, "%5.2f");
            Field(s, X_VALUE, s.y, &b->r_inf_post, "%5.2f");
            Clause(s, nullptr, "Nachträglicher Verbund"_cp);
        }
    }
    if (Flag(EC2_FLAG_3_1_6_1) || Flag(EC2_FLAG_3_1_6_2)) {
        Clause(s, "3.1.6", "Bemessungswerte der Betondruck-", "und Betonzugfestigkeit");
        if (Flag(EC2_FLAG_3_1_6_1))
            Value(s, "(101)P", "\xBA", "cc", &b->alpha_cc_bridge, "%5.2f", "Abminderungsbeiwert für die"_cp,
                  "Betondruckfestigkeit");
        if (Flag(EC2_FLAG_3_1_6_2))
            Value(s, "(102)P", "\xBA", "ct", &b->alpha_ct_bridge, "%5.2f", "Abminderungsbeiwert für die"_cp,
                  "Betonzugfestigkeit");
    }
    if (Flag(EC2_FLAG_6_2_2)) {
        Clause(s, "6.2.2", "Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung");
        C_Rd_c(s, "(101)", &b->c_rd_c_bridge);
        Mode_Row(s, nullptr, {"\xC7", "min", &b->v_min_mode_bridge, &b->v_min_bridge, "%5.3f", "%6.4f",
                              "NAD\\NAD_Func2a.bmp"});
        Value(s, nullptr, "k", "1", &b->k1_shear_bridge, "%5.2f");
        Shear_Reinforcement(s, "(103)", &b->cot_theta_min_bridge, &b->cot_theta_max_bridge, &b->alpha_cw_bridge,
                            &b->nu1_mode_bridge, &b->nu1_bridge);
    }
    if (Flag(EC2_FLAG_6_8)) {
        Clause(s, "6.8.7", "Nachweis gegen Ermüdung unter"_cp, "Druckbeanspruchung");
        Value(s, "(101)", "k", "1", &b->k1_fatigue_bridge, "%5.2f", "Beiwert zur Ermittlung der",
              "Bemessungsfestigkeit");
    }
    if (Flag(EC2_FLAG_3_1_6_1)) {
        Clause(s, "7.2", "Begrenzung der Spannungen");
        Value(s, "(102)", "k", "1", &b->k1_stress, "%5.2f", "zulässige Betondruckspannung"_cp);
        Value(s, "(3)", "k", "2", &b->k2_stress, "%5.2f", "Betondruckspannung für lineares"_cp, "Kriechen");
        Value(s, "(5)", "k", "3", &b->k3_stress, "%5.2f", "Stahlspannung");
        Value(s, nullptr, "k", "4", &b->k4_stress, "%5.2f", "Stahlspannung für indirekte"_cp, "Einwirkungen");
        Value(s, nullptr, "k", "5", &b->k5_stress, "%5.2f", "Spannstahlspannung");
    }
    if (Flag(EC2_FLAG_9_5_2)) {
        Clause(s, "9.5.2", "Mindestbewehrung für Stützen [cm²]"_cp);
        Mode_Row(s, "(2)", {"A", "s,min", &b->as_min_column_mode_bridge, &b->as_min_column_bridge, "%5.2f", "%5.3f",
                            "NAD\\NAD_Func3a.bmp"});
        Min_Floor(s, &b->as_min_column_floor_bridge);
        Clause(s, nullptr, "Mindestwert");
    }
}

}  // namespace

int Draw_NAD_EC2_Row(int area, int y, int height, const char* clause, const char* parameter, const char* explanation,
                     int font) {
    if (g_row_colour < 0) g_row_colour = Nearest_RGB_Color(234, 255, 251);
    if (height) {
        Add_Rectangle_to_Scrollable_Area(area, 4, y - 5, 56, y + height, g_row_colour);
        Add_Rectangle_to_Scrollable_Area(area, 200, y - 5, X_RIGHT, y + height, g_row_colour);
    }
    const int x[3] = {X_CLAUSE, X_SYMBOL, X_EXPLANATION};
    const char* texts[3] = {clause, parameter, explanation};
    for (int i = 0; i < 3; ++i)
        if (texts[i] && *texts[i]) Add_Text_to_Scrollable_Area(area, x[i], y, texts[i], font, BLACK_CI, 0);
    return y + height;
}

void NAD_EC2_Sheet(int area, NAD_EC2_Block* b, int reference_texts_off) {
    if (!b) return;
    Set_NAD_EC2_Display_Flags();
    if (g_title_colour < 0) {
        g_row_colour = Nearest_RGB_Color(234, 255, 251);
        g_title_colour = Nearest_RGB_Color(205, 254, 244);
        g_line_colour = Nearest_RGB_Color(130, 130, 130);
        g_white = Nearest_RGB_Color(255, 255, 255);
    }
    g_reference_off = reference_texts_off ? 1 : 0;
    g_editable = 1;
    Clear_Scrollable_View_Area(area);
    Sheet s{area, 20, b, b->variant != 0};
    if (Chapter(s, "EN 1992-1-1 (Eurocode 2, Hochbau)", &g_buildings_open)) Buildings(s);
    if (Flag(EC2_FLAG_FIRE) && Chapter(s, "EN 1992-1-2 (Eurocode 2, Brandfall)", &g_fire_open)) Fire(s);
    if (Flag(EC2_FLAG_BRIDGES) && Chapter(s, "EN 1992-2 (Eurocode 2, Betonbrücken)"_cp, &g_bridges_open)) Bridges(s);
    Update_Scrollable_View_Area(area);
    if (b->variant != 0) b->k_t_fire = b->k_m_fire = 1.0;
}

void Reset_NAD_EC2_Sheet() {
    g_buildings_open = g_bridges_open = 1;
    g_fire_open = 0;
    g_refresh = 1;
    g_editable = 1;
    g_reference_off = 0;
    g_row_colour = g_title_colour = g_line_colour = g_white = -1;
}
