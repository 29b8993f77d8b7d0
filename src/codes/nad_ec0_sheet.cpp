// The annex editor's sheet of the EN 1990 factors: the partial factors for
// actions and the combination factors of buildings and of bridges. The
// tables' labels and grid are pictures (bitmap files of the data directory);
// the sheet lays the number fields over them at fixed places, rows 22
// pixels apart.
#include "base/cp850.h"
#include "codes/nad_rules.h"
#include "codes/nad_sheet.h"
#include "codes/nad_sheet_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/screen.h"

namespace {

// Every number field of the sheet points at this word: the fields can be
// edited only while the latest call asked for editable fields.
int g_editable = 0;
int g_buildings_open = 1, g_bridges_open = 1;
int g_check_box_word = 1;

enum { ROW = 22, X_SUP = 262, X_INF = 321 };
const int kPsiColumn[4] = {231, 281, 331, 381};

struct Fields {
    int area;
    int white;
};

void Number(const Fields& s, int x, int y, double* value, const char* format) {
    Add_Float_to_Scrollable_Area(s.area, x, y, value, format, 0, BLACK_CI, &g_editable);
}

// gamma,sup and gamma,inf of one action.
void Gamma_Pair(const Fields& s, int y, double* pair) {
    Number(s, X_SUP, y, &pair[0], "%5.2f");
    Number(s, X_INF, y, &pair[1], "%5.2f");
}

// Actions from .. to of a situation, one row each from y.
void Gamma_Rows(const Fields& s, int y, double (*actions)[2], int from, int to) {
    for (int a = from; a <= to; ++a, y += ROW) Gamma_Pair(s, y, actions[a]);
}

// The psi columns of one row (column 1 left out when skip_psi1).
void Psi_Row(const Fields& s, int y, double* psi, int columns, bool skip_psi1 = false) {
    for (int c = 0; c < columns; ++c)
        if (!(c == 1 && skip_psi1)) Number(s, kPsiColumn[c], y, &psi[c], "%4.2f");
}

// A section head: the bar, the check box that opens and closes the section
// and its title, d pixels down.
void Heading(const Fields& s, int d, int frame, const char* title, int* open) {
    Add_Rectangle_to_Scrollable_Area(s.area, 10, d + 14, 350, d + 33, frame);
    Add_Check_Box_to_Scrollable_Area(s.area, 35, d + 28, "                         ", 0, BLACK_CI, open,
                                     &g_check_box_word);
    Add_Text_to_Scrollable_Area(s.area, 35, d + 29, title, 0x11004, BLACK_CI, 0);
}

void Buildings(const Fields& s, NAD_EC0_Block* b) {
    Add_Boxed_Text_to_Scrollable_Area(s.area, "NAD\\NAD-Kbws.bmp", 0, 30, 519, 1530, s.white);
    Gamma_Rows(s, 124, b->gamma_building[0], 0, 4);
    Gamma_Rows(s, 369, b->gamma_building[1], 0, 5);
    Gamma_Rows(s, 613, b->gamma_building[2], 0, 4);
    Gamma_Pair(s, 745, b->gamma_building[2][6]);
    Gamma_Rows(s, 861, b->gamma_building[3], 0, 4);
    for (int k = 0; k < 12; ++k) {
        const int gap = k < 3 ? 0 : k < 6 ? 1 : 2;
        Psi_Row(s, 1113 + ROW * (k + gap), b->psi_building[k], 4);
    }
}

void Bridges(const Fields& s, int d, NAD_EC0_Block* b) {
    struct Picture {
        const char* file;
        int y1, y2;
    };
    static const Picture pictures[7] = {
        {"NAD\\NAD_bridge_str_b.bmp", 29, 404},         {"NAD\\NAD_bridge_ausser.bmp", 415, 815},
        {"NAD\\NAD_bridge_erdbeben.bmp", 823, 1223},    {"NAD\\NAD_bridge_gebrauch.bmp", 1231, 1606},
        {"NAD\\NAD_bridge_str_psi.bmp", 1617, 2017},    {"NAD\\NAD_bridge_fuss_psi.bmp", 2005, 2246},
        {"NAD\\NAD_bridge_bahn_psi.bmp", 2239, 3103}};
    auto picture = [&](int i) {
        Add_Boxed_Text_to_Scrollable_Area(s.area, pictures[i].file, 0, d + pictures[i].y1, 381, d + pictures[i].y2,
                                          s.white);
    };
    // Action 11 has a field in no situation, 13 only in the accidental and
    // 14 only in the seismic situation.
    picture(0);
    Gamma_Rows(s, d + 123, b->gamma_bridge[0], 0, 10);
    Gamma_Pair(s, d + 387, b->gamma_bridge[0][12]);
    picture(1);
    Gamma_Rows(s, d + 509, b->gamma_bridge[1], 0, 10);
    Gamma_Pair(s, d + 773, b->gamma_bridge[1][12]);
    Gamma_Pair(s, d + 795, b->gamma_bridge[1][13]);
    picture(2);
    Gamma_Rows(s, d + 917, b->gamma_bridge[2], 0, 10);
    Gamma_Pair(s, d + 1181, b->gamma_bridge[2][12]);
    Gamma_Pair(s, d + 1203, b->gamma_bridge[2][14]);
    picture(3);
    Gamma_Rows(s, d + 1325, b->gamma_bridge[3], 0, 10);
    Gamma_Pair(s, d + 1589, b->gamma_bridge[3][12]);
    picture(4);
    for (int k = 0; k < 14; ++k) Psi_Row(s, d + 1692 + ROW * k, b->psi_road_bridge[k], 3);
    picture(5);
    for (int k = 0; k < 7; ++k) Psi_Row(s, d + 2080 + ROW * k, b->psi_footbridge[k], 3);
    picture(6);
    // Rows 0, 1 and 8 have no psi1; 40 pixels lie between rows 8 and 9.
    for (int k = 0; k < 31; ++k) {
        const int y = k <= 8 ? 2314 + ROW * k : 2530 + ROW * (k - 9);
        Psi_Row(s, d + y, b->psi_railway_bridge[k], 3, k == 0 || k == 1 || k == 8);
    }
    for (int t = 0; t < 3; ++t) Number(s, 281, d + 3044 + ROW * t, &b->a_tracks[t], "%4.2f");
}

}  // namespace

void NAD_EC0_Sheet(int area, NAD_EC0_Block* b, int editable) {
    if (!b) return;
    g_editable = editable ? 1 : 0;
    Clear_Scrollable_View_Area(area);
    const int frame = Nearest_RGB_Color(83, 217, 190);
    const Fields s{area, Nearest_RGB_Color(255, 255, 255)};
    int d = 0;
    if (NAD_Rule_Shown(0, 0)) {
        Heading(s, 0, frame, "Faktoren für den Hochbau"_cp, &g_buildings_open);
        if (g_buildings_open) {
            Buildings(s, b);
            d = 1541;
        } else {
            d = 30;
        }
    }
    if (NAD_Rule_Shown(0, 1)) {
        Heading(s, d, frame, "Faktoren für den Brückenbau"_cp, &g_bridges_open);
        if (g_bridges_open) Bridges(s, d, b);
    }
    Update_Scrollable_View_Area(area);
}

void Reset_NAD_EC0_Sheet() {
    g_editable = 0;
    g_buildings_open = g_bridges_open = 1;
    g_check_box_word = 1;
}
