// The annex editor's sheet of the EN 1995 block: sections under titles
// that open and close them, most of them a picture of the sheet bitmap
// with the value fields laid over it, and the chapter table of EN 1995-1-1
// with the partial factors and the switches of the German annex.
#include <cstdint>

#include "base/cp850.h"
#include "codes/nad_print.h"
#include "codes/nad_sheet.h"
#include "codes/nad_sheet_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/desktop.h"
#include "platform/font.h"
#include "platform/posix.h"
#include "platform/screen.h"

namespace {

enum { FONT_TITLE = 0x11000, FONT_PLAIN = 0x1000, FONT_SMALL = 0x1002, FONT_NOTE = 0x41006 };

int g_row_colour = -1, g_bar_colour = -1;
int g_open[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};  // by chapter flag
int g_always = 1;
int g_editable = 0;
int g_kcr_editable = 0;  // the k_cr fields of the crack-factor section
int g_kcr_word = 0;      // the check box "k_cr nach NA-DE anwenden"
NAD_EC5_Block* g_block = nullptr;

// Band of the sheet bitmap per picture 1..9: top, bottom, width.
struct Band {
    int top, bottom, width;
};
const Band kBands[10] = {{0, 0, 0},       {0, 130, 368},   {142, 237, 368}, {244, 304, 368}, {310, 415, 368},
                         {418, 541, 368}, {540, 697, 376}, {700, 829, 376}, {832, 944, 376}, {940, 1049, 376}};

struct Sheet {
    int area;
    NAD_EC5_Block* b;
};

void Text(const Sheet& s, int x, int y, const char* text, int font) {
    Add_Text_to_Scrollable_Area(s.area, x, y, text, font, BLACK_CI, 0);
}

void Field(const Sheet& s, int x, int y, double* value, const char* format, int* enabled = &g_editable) {
    Add_Float_to_Scrollable_Area(s.area, x, y, value, format, FONT_PLAIN, BLACK_CI, enabled);
}

void Picture(const Sheet& s, int picture, int y1, int y2) {
    Add_User_Drawn_Area_to_Scrollable_Area(s.area, 16, y1, 410, y2, picture, Draw_NAD_EC5_Picture);
}

void* Kcr_Check(void* value) {
    NAD_EC5_kcr_Check(static_cast<int>(reinterpret_cast<intptr_t>(value)));
    return value;
}

// Sections 1 to 6, 8 and 0: content below the title at t.
void Section_Content(const Sheet& s, int chapter, int t) {
    NAD_EC5_Block* b = s.b;
    switch (chapter) {
    case 1:
        Picture(s, 5, t + 13, t + 153);
        Field(s, 201, t + 49, &b->gamma_M_solid, "%4.2f");
        Field(s, 201, t + 71, &b->gamma_M_glulam, "%4.2f");
        Field(s, 201, t + 125, &b->gamma_M_accidental, "%4.2f");
        Picture(s, 8, t + 148, t + 288);
        Field(s, 201, t + 183, &b->gamma_M_fi, "%4.2f");
        break;
    case 2:
        Text(s, 16, t + 25, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.1 (Ausschnitt):", FONT_NOTE);
        Picture(s, 1, t + 35, t + 175);
        for (int i = 0; i < 5; ++i)
            for (int c = 0; c < 3; ++c) Field(s, 94 + 54 * c, t + 86 + 18 * i, &b->k_mod[i][c], "%4.2f");
        Text(s, 16, t + 185, "nach DIN EN 1995-1-1-NA (Deutschland) Tab. NA.1 Index (b):", FONT_NOTE);
        Picture(s, 2, t + 195, t + 285);
        Add_Check_Box_to_Scrollable_Area(s.area, 38, t + 208, "                                   ", FONT_PLAIN,
                                         BLACK_CI, &b->table_NA1_index_b, &g_editable);
        break;
    case 3:
        Text(s, 16, t + 25, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.2 (Ausschnitt):", FONT_NOTE);
        Picture(s, 3, t + 35, t + 175);
        for (int c = 0; c < 3; ++c) Field(s, 92 + 54 * c, t + 87, &b->k_def[c], "%4.2f");
        break;
    case 4:
        Text(s, 16, t + 25, "gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2:"_cp, FONT_NOTE);
        Picture(s, 4, t + 35, t + 140);
        for (int i = 0; i < 3; ++i) {
            Field(s, 106, t + 90 + 21 * i, &b->w_limit[i][0], "%3.0f");
            Field(s, 170, t + 90 + 21 * i, &b->w_limit[i][1], "%3.0f");
        }
        break;
    case 5:
        Picture(s, 6, t + 10, t + 170);
        Add_Radio_Button_to_Scrollable_Area(s.area, 114, t + 73, "        ", FONT_PLAIN, BLACK_CI, 1, &b->kcr_method,
                                            &g_editable);
        Add_Radio_Button_to_Scrollable_Area(s.area, 114, t + 116, "        ", FONT_PLAIN, BLACK_CI, 2, &b->kcr_method,
                                            &g_editable);
        Field(s, 187, t + 72, &b->kcr_solid, "%4.2f", &g_kcr_editable);
        Field(s, 187, t + 90, &b->kcr_other, "%4.2f", &g_kcr_editable);
        break;
    case 8:
        Picture(s, 9, t + 10, t + 170);
        Field(s, 290, t + 90, &b->k_shape_factor, "%4.2f");
        Field(s, 290, t + 108, &b->k_shape_max, "%4.2f");
        break;
    case 6:
        Picture(s, 7, t + 10, t + 140);
        Add_Radio_Button_to_Scrollable_Area(s.area, 160, t + 94, "                  ", FONT_PLAIN, BLACK_CI, 1,
                                            &b->wnetfin_combination, &g_editable);
        Add_Radio_Button_to_Scrollable_Area(s.area, 160, t + 115, "                  ", FONT_PLAIN, BLACK_CI, 2,
                                            &b->wnetfin_combination, &g_editable);
        break;
    case 0:
        Text(s, 16, t + 25, "DIN EN 1995-1-1 Abschnitt 6.3.3:  Faktor gemäß NCI Zu 6.3.3(2)"_cp, FONT_NOTE);
        Text(s, 16, t + 45, "Faktor                   (nur für Brettschichtholz)"_cp, FONT_PLAIN);
        Field(s, 76, t + 45, &b->nci_633_factor, "%4.2f");
        break;
    default:
        break;
    }
}

// Heading rows (a chapter number and an explanation) and parameter rows.
int Heading_Row(const Sheet& s, int y, const char* chapter, const char* explanation) {
    NAD_EC5_Sheet_Row(s.area, y, 23, chapter, nullptr, nullptr, FONT_PLAIN);
    return NAD_EC5_Sheet_Row(s.area, y, 0, nullptr, nullptr, explanation, FONT_SMALL);
}

// A parameter row: shaded when it has a chapter text; a check box at x 62
// on the switch when one is given.
void Parameter_Row(const Sheet& s, int y, const char* chapter, const char* parameter, const char* explanation,
                   int* on = nullptr) {
    const bool shaded = chapter && *chapter;
    // A chapter text wider than its band ("Tab. 2.3") would run into the
    // parameter: it takes the small font.
    const bool wide = shaded && RFont_Text_Width(FONT_PLAIN, chapter, -1) > 56 - 10;
    NAD_EC5_Sheet_Row(s.area, y, shaded ? 18 : 0, chapter, nullptr, nullptr, wide ? FONT_SMALL : FONT_PLAIN);
    NAD_EC5_Sheet_Row(s.area, y, 0, nullptr, parameter, explanation, FONT_SMALL);
    if (on) Add_Check_Box_to_Scrollable_Area(s.area, 62, y, "", FONT_PLAIN, BLACK_CI, on, &g_editable);
}

// gamma_M of a material with its field at x 136.
void Gamma_Row(const Sheet& s, int y, const char* chapter, const char* material, double* value) {
    Parameter_Row(s, y, chapter, nullptr, material);
    Text(s, 67, y, "\xC0", FONT_PLAIN);
    Text(s, 75, y + 2, "M", FONT_SMALL);
    Field(s, 136, y, value, "%5.2f");
}

void Chapter_Table(const Sheet& s, int b0) {
    NAD_EC5_Block* b = s.b;
    NAD_EC5_Sheet_Row(s.area, b0 + 34, 11, nullptr, nullptr, nullptr, FONT_PLAIN);
    NAD_EC5_Sheet_Row(s.area, b0 + 45, 30, "Kapitel", nullptr, "Erläuterung"_cp, FONT_TITLE);
    // A little right of its column: the bold "Kapitel" reaches to x 64.
    Text(s, 72, b0 + 45, "Parameter", FONT_TITLE);
    Add_Line_to_Scrollable_Area(s.area, 4, b0 + 51, 382, b0 + 51, BLACK_CI);
    Heading_Row(s, b0 + 75, "2.3.1.2", "Zuordnung von Einwirkungen zu");
    Parameter_Row(s, b0 + 98, "(2)P", "Tabelle NA.1 anwenden", "Klassen der Lasteinwirkungsdauer", &b->use_table_NA1);
    Heading_Row(s, b0 + 121, "2.4.1", "Teilsicherheitsbeiwerte");
    struct Material {
        const char* name;
        double* value;
    };
    const Material materials[12] = {{"Vollholz", &b->gamma_M_solid},
                                    {"Brettschichtholz", &b->gamma_M_glulam},
                                    {"Brettsperrholz", &b->gamma_M_clt},
                                    {"LVL, Sperrholz, OSB", &b->gamma_M_lvl},
                                    {"Spanplatten", &b->gamma_M_particleboard},
                                    {"Harte Faserplatten", &b->gamma_M_hardboard},
                                    {"Mittelharte Faserplatten", &b->gamma_M_mediumboard},
                                    {"MDF-Faserplatten", &b->gamma_M_mdf},
                                    {"Weiche Faserplatten", &b->gamma_M_softboard},
                                    {"Verbindungen", &b->gamma_M_connections},
                                    {"Nagelplatten", &b->gamma_M_punched_plates},
                                    {"Außergewöhnliche Kombinationen"_cp, &b->gamma_M_accidental}};
    for (int i = 0; i < 12; ++i)
        Gamma_Row(s, b0 + 144 + 18 * i, i == 0 ? "Tab. 2.3" : nullptr, materials[i].name, materials[i].value);
    if (b->variant != 0) {
        g_kcr_word = b->kcr_method == 2 ? 1 : 0;
        Gamma_Row(s, b0 + 360, nullptr, "Stahl in Verbindungen", &b->gamma_M_steel);
        Gamma_Row(s, b0 + 378, nullptr, "Gipskarton, etc.", &b->gamma_M_gypsum);
        Heading_Row(s, b0 + 396, "3.1.3", "Modifikationsbeiwerte");
        Parameter_Row(s, b0 + 419, nullptr, "Tabelle NA.4 anwenden", nullptr, &b->use_table_NA4);
        Heading_Row(s, b0 + 437, "8.3.2", "fax, fhead für profilierte Nägel"_cp);
        Parameter_Row(s, b0 + 460, nullptr, "Tabelle NA.15 anwenden", nullptr, &b->use_table_NA15);
        Heading_Row(s, b0 + 478, "8.3.1.2", "Holz-Holz-Nagelverbindungen");
        Parameter_Row(s, b0 + 501, "(2)P", "NA.11 anwenden", "Einschlagtiefen > 4 d", &b->use_NA11);
        Heading_Row(s, b0 + 524, "6.1.7", "GZT: Schub");
        Text(s, 67, b0 + 545, "k", FONT_PLAIN);
        Parameter_Row(s, b0 + 547, "(2)", "   cr nach NA-DE anwenden", nullptr, &g_kcr_word);
        Set_Last_Item_Check_Function(s.area, Kcr_Check);
        Heading_Row(s, b0 + 565, "8.5.3", "Gewindestangen zulassen");
        Parameter_Row(s, b0 + 588, "(2)", "Gewindestangen nach NA-DE", nullptr, &b->threaded_rods_NA);
        Heading_Row(s, b0 + 606, "6.3.3", "Biegedrillknicknachweis");
        Parameter_Row(s, b0 + 629, "(7)", "Biegedrillknicken nach NA-DE", nullptr, &b->ltb_NA);
        Heading_Row(s, b0 + 647, "8.2.4", "Verbindungsmittel");
        Parameter_Row(s, b0 + 670, "(1)", "Vereinfachtes Verfahren nach NA-DE", nullptr, &b->fasteners_simplified_NA);
        Heading_Row(s, b0 + 688, "9.2.4.2", "Wandscheiben Verfahren A");
        Parameter_Row(s, b0 + 711, nullptr, "NA.20 anwenden", "Abminderung d. Tragfähigkeit"_cp, &b->use_NA20);
        Parameter_Row(s, b0 + 734, nullptr, "NA.21 anwenden", "Erhöhung d. Tragfähigkeit"_cp, &b->use_NA21);
        Parameter_Row(s, b0 + 757, nullptr, "NA.8.1.6 anwenden", "Zugverbindungen", &b->use_NA816);
        Parameter_Row(s, b0 + 780, nullptr, "NA.8.6 (NA.7) anwenden", "Bohrloch Stahlteil", &b->use_NA7);
    } else {
        Heading_Row(s, b0 + 360, "6.1.7", "GZT: Schub");
        const struct {
            int y;
            const char* chapter;
            const char* text;
            double* value;
        } rows[2] = {{b0 + 383, "(2)", "Voll- und Brettschichtholz", &b->kcr_solid},
                     {b0 + 401, nullptr, "Andere", &b->kcr_other}};
        for (const auto& row : rows) {
            Parameter_Row(s, row.y, row.chapter, nullptr, row.text);
            Text(s, 67, row.y, "k", FONT_PLAIN);
            Text(s, 75, row.y + 2, "cr", FONT_SMALL);
            Field(s, 136, row.y, row.value, "%5.2f");
        }
    }
}

const char* const kTitles[9] = {"Biegedrillknicken: Berechnung der bezogenen Kippschlankheit",
                                "Materialsicherheitsbeiwerte",
                                "Modifikationsbeiwerte",
                                "Verformungsbeiwerte",
                                "Verformungsgrenzwerte",
                                "Tragfähigkeit: Rissfaktor"_cp,
                                "Gebrauchstauglichkeit: 3. Teilnachweis"_cp,
                                "EN 1995-1-1 (Eurocode 5, Grundnorm)",
                                "Tragfähigkeit: Nachweis der Torsionsspannungen"_cp};
const int kHeights[9] = {65, 263, 310, 120, 165, 185, 160, 0, 140};

void Title(const Sheet& s, int chapter, int t) {
    Add_Rectangle_to_Scrollable_Area(s.area, 4, t - 13, 382, t + 6, g_bar_colour);
    Add_Check_Box_to_Scrollable_Area(s.area, 26, t, kTitles[chapter], FONT_TITLE, BLACK_CI, &g_open[chapter],
                                     &g_always);
}

}  // namespace

int NAD_EC5_Sheet_Row(int area, int y, int h, const char* chapter, const char* parameter, const char* explanation,
                      int font) {
    if (g_row_colour < 0) g_row_colour = Nearest_RGB_Color(234, 255, 251);
    const int drawn = h == 1 ? 2 : h;
    if (h > 0) {
        Add_Rectangle_to_Scrollable_Area(area, 4, y - 10, 56, y + drawn, g_row_colour);
        Add_Rectangle_to_Scrollable_Area(area, 200, y - 10, 382, y + drawn, g_row_colour);
    }
    const int x[3] = {10, 67, 206};
    const char* texts[3] = {chapter, parameter, explanation};
    for (int i = 0; i < 3; ++i)
        if (texts[i] && *texts[i]) Add_Text_to_Scrollable_Area(area, x[i], y, texts[i], font, BLACK_CI, 0);
    return h > 0 ? y + drawn : y + h;
}

void Draw_NAD_EC5_Picture(int x, int y, int, int, int picture) {
    if (picture < 1 || picture > 9) return;
    const Band& band = kBands[picture];
    const char* data = VEKGetEnv("DATA");
    char path[VEK_MAX_PATH + 1];
    const char* file = data ? VEK_Join_Path(path, sizeof path, data, "NAD\\EC5BalmoNads.bmp") : "NAD\\EC5BalmoNads.bmp";
    if (!file) return;
    pxDrawPartialTransparentDIB(file, 0, band.top, band.width, band.bottom, x, y, x + band.width,
                                y + band.bottom - band.top, 201, -1, 255, 251, 240);
}

void NAD_EC5_kcr_Check(int on) {
    if (g_block) g_block->kcr_method = on ? 2 : 1;
}

void NAD_EC5_Sheet(int area, NAD_EC5_Block* b, int editable) {
    if (!b) return;
    if (g_bar_colour < 0) {
        g_row_colour = Nearest_RGB_Color(234, 255, 251);
        g_bar_colour = Nearest_RGB_Color(205, 254, 244);
    }
    Set_NAD_EC5_Print_Flags();
    g_block = b;
    g_editable = editable ? 1 : 0;
    g_kcr_editable = g_editable && b->kcr_method == 1;
    Clear_Scrollable_View_Area(area);
    const Sheet s{area, b};
    int t = 20;
    if (NAD_EC5_Print_Flag(0)) {
        Text(s, 6, 20, "Parameter für alle morv-Stabwerksprogramme"_cp, 0x21004);
        t += 25;
    }
    static const int kOrder[9] = {1, 2, 3, 4, 5, 8, 6, 0, 7};
    for (int chapter : kOrder) {
        if (!NAD_EC5_Print_Flag(chapter)) continue;
        if (chapter == 7) {
            // The chapter table's title stands 15 pixels lower.
            const int b0 = t;
            Title(s, 7, b0 + 15);
            if (g_open[7]) Chapter_Table(s, b0);
            break;
        }
        Title(s, chapter, t);
        if (!g_open[chapter]) {
            t += 25;
            continue;
        }
        Section_Content(s, chapter, t);
        t += kHeights[chapter];
    }
    Update_Scrollable_View_Area(area);
}

void Reset_NAD_EC5_Sheet() {
    g_row_colour = g_bar_colour = -1;
    for (int& open : g_open) open = 1;
    g_always = 1;
    g_editable = g_kcr_editable = g_kcr_word = 0;
    g_block = nullptr;
}
