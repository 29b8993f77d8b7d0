// The register pages of the main sheet and the record exchange around them.
#include "weldapp/shell_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "codes/sicherheit.h"
#include "dialogs/buttons.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "drawings/screen_primitives.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/screen.h"
#include "printlist/verdict.h"
#include "weldapp/din_anschluss.h"
#include "weldapp/endergebnis.h"
#include "weldapp/filed_record.h"
#include "weldapp/input_page.h"
#include "weldapp/last_schweissnaht.h"
#include "weldapp/lasttabelle.h"
#include "weldapp/print_schweissnaht.h"
#include "weldapp/schweissnaht.h"
#include "weldapp/services.h"

namespace {

int g_loadpick = -1;  // the import tool's presence, asked once per run
double g_tolerance = 0.0;  // the final result's tolerance (percent) the chart judges by

// Whether a utilisation fails the proof: above 1 and not within the final
// result's tolerance, as the print list's verdict judges it.
bool Fails(double u) { return Endergebnis_Fails(u, g_tolerance); }

// The chart's colours (palette entries of the screen, found again at every
// use: a new screen has a new palette).
struct Chart_Colours {
    int background, frame, red, white, black;
    int green[10];
};

Chart_Colours Chart() {
    Chart_Colours c;
    c.background = Nearest_RGB_Color(220, 220, 220);
    c.frame = Nearest_RGB_Color(120, 120, 120);
    c.red = Nearest_RGB_Color(255, 0, 0);
    c.white = Nearest_RGB_Color(255, 255, 255);
    c.black = Nearest_RGB_Color(0, 0, 0);
    static const int greens[10] = {89, 108, 128, 164, 187, 230, 187, 164, 128, 108};
    for (int i = 0; i < 10; i++) c.green[i] = Nearest_RGB_Color(0, greens[i], 0);
    return c;
}

void Line(int area, int x1, int y1, int x2, int y2) { Add_Line_to_Scrollable_Area(area, x1, y1, x2, y2, Chart().black); }

void Text(int area, int x, int y, const char* text, int font, int colour, int right = 0) {
    Add_Text_to_Scrollable_Area(area, x, y, text, font, colour, right);
}

// A utilisation as a whole percentage, right-aligned before the bar and
// clear of the scale line at x 347: one too wide for that ("2989940142%")
// with an exponent ("3e9%").
void Percentage(int area, int y, double u, int font) {
    std::string text = VEK_Number_Text(std::round(100.0 * u)) + "%";
    const int room = 392 - 347 - 4;
    // A bold text is a pixel wider than its font's measure.
    auto width = [&] { return RFont_Text_Width(font & RFONT_WORD_BITS, text.c_str(), -1) + (font ? 1 : 0); };
    for (int chars = 5; width() > room && chars > 1; --chars)
        text = VEK_Exponent_Text(100.0 * u, chars - 1) + "%";
    Text(area, 392, y, text.c_str(), font, Chart().black, 1);
}

// A sub-row of one load case: its label, the scale line, percentage and bar.
void Sub_Row(int area, int* y, const char* label, double u) {
    *y += 17;
    Text(area, 130, *y, label, 0x1000, Chart().black);
    Line(area, 347, *y - 20, 347, *y);
    Percentage(area, *y, u, 0);
    Draw_Utilisation_Bar(area, 400, *y, u);
}

// The chart's cases: what a case's row draws (its two utilisations) and the
// baseline of its first line. Only the rows in view are items of the area;
// the others are painted from these when they are scrolled into view, so
// that 50,000 cases cost no more items than 50.
struct Chart_Row {
    double u_sigma, u_w;
    int y;
    bool result;  // every check of the case has its result
};

struct Chart_State {
    int area = -1;
    std::vector<Chart_Row> rows;
    int first = 0, last = -1;  // the rows that are items (0-based)
    bool checked = true;       // false: no case carries a load, nothing was checked
};
Chart_State g_chart;

// The marker of the rows painted for a moment.
const int kChartPaintMarker = 0x7C4A57;

// Whether the row has its bar (a result) and its sub-rows below it.
bool Row_Has_Result(const Chart_Row& row) { return g_chart.checked && row.result; }
bool Row_Has_Parts(const Chart_Row& row) { return Row_Has_Result(row) && std::max(row.u_sigma, row.u_w) > 0.01; }

// The baseline of the row's last line.
int Row_Bottom(const Chart_Row& row) {
    int y = row.y;
    if (Row_Has_Parts(row)) y += 17 * ((row.u_sigma > 0.01) + (row.u_w > 0.01));
    return y;
}

// The items of case i (0-based) at its place.
void Put_Chart_Row(int area, const Chart_Row& row, int i) {
    const Chart_Colours c = Chart();
    int y = row.y;
    char label[48];
    std::snprintf(label, sizeof label, "Lastkombination %d", i + 1);
    Text(area, 120, y, label, 0x1000, c.black);
    Line(area, 347, y - 20, 347, y);
    if (Row_Has_Result(row)) {
        const double m = std::max(row.u_sigma, row.u_w);
        Percentage(area, y, m, 0x10000);
        Draw_Utilisation_Bar(area, 400, y, m);
        if (m > 0.01) {
            if (row.u_sigma > 0.01) Sub_Row(area, &y, "Querschnitt Träger"_cp, row.u_sigma);
            if (row.u_w > 0.01) Sub_Row(area, &y, "Schweißnähte"_cp, row.u_w);
        }
    } else if (g_chart.checked) {
        Draw_Utilisation_Bar(area, 400, y, -1.0);
    }
}

// The rows that reach into the content band from top down `height` pixels:
// a row reaches 25 pixels above its first baseline (its scale line and
// text) and 15 below its last one.
void Rows_In_View(int top, int height, int* first, int* last) {
    const std::vector<Chart_Row>& rows = g_chart.rows;
    auto below = [](const Chart_Row& row, int y) { return Row_Bottom(row) + 15 < y; };
    auto above = [](int y, const Chart_Row& row) { return y < row.y - 25; };
    *first = static_cast<int>(std::lower_bound(rows.begin(), rows.end(), top, below) - rows.begin());
    *last = static_cast<int>(std::upper_bound(rows.begin(), rows.end(), top + height, above) - rows.begin()) - 1;
}

// The painter of the cases' extent: the rows in view that are not items,
// through items that live only while it paints (inside the area's painter,
// whose viewport is the area).
void Paint_Chart_Rows(int x1, int y1, int x2, int y2, int area) {
    (void)x2;
    (void)y2;
    Scrollable_View_Area* a = Scrollable_View_Area_Record(area);
    if (!a || area != g_chart.area) return;
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int sx = vx1 + 120 - x1, sy = vy1 + 60 - y1;
    int first = 0, last = -1;
    Rows_In_View(sy, vy2 - vy1, &first, &last);
    Scrollable_Area_Item* keep_last = a->last_item;
    bool any = false;
    for (int i = first; i <= last; i++) {
        if (i >= g_chart.first && i <= g_chart.last) continue;
        if (!any) Add_Marker_to_Scrollable_Area(area, kChartPaintMarker);
        any = true;
        Put_Chart_Row(area, g_chart.rows[i], i);
    }
    if (!any) return;
    Draw_Scrollable_Area_Items_From(keep_last ? keep_last->next : a->first_item, vx1, vy1, vx2, vy2, sx, sy,
                                    a->background);
    Cut_Scrollable_Area_at_Marker(area, kChartPaintMarker);
}

}  // namespace

void Connection_Record_to_Sheet(SchweissnahtAnschluss* record) { Record_to_Sheet(record); }

void Connection_Sheet_to_Record(SchweissnahtAnschluss* record) {
    Sheet_Switches_to_Record(record);
    Store_Lasttabelle(record);
}

void Refresh_Connection_Record(SchweissnahtAnschluss* record) {
    if (!record) return;
    Update_Safety_Factors_From_NAD(&record->safety);
    Apply_Sheet_to_Record(record);
}

void Show_Filed_Record(SchweissnahtAnschluss* record, int area, int dx, int dy, int x_max, int y_max) {
    if (!record || !Filed_Record_Waits()) return;
    for (int pass = 0; pass < 2; pass++) {
        Clear_Scrollable_View_Area(area);
        Draw_Input_Register(area, dx, dy, x_max, y_max);
        Refresh_Connection_Record(record);
    }
    Clear_Scrollable_View_Area(area);
    Note_Shown_Record(record);
}

void Draw_Input_Register(int area, int dx, int dy, int x_max, int y_max) {
    (void)y_max;
    Reset_Register_Field_Table();
    Add_Text_to_Scrollable_Area(area, x_max - 120, dy + 10, "Q7-KX417", Screen_Font_Normal, Screen_Black, 0);
    int y = dy + 20;
    Draw_Nachweis_Page(&Schweissnaht_Anschluss, area, dx + 30, &y, 22, 18, x_max - dx - 40, 1);
}

const char* Loads_Import_Source_Text(void) {
    static char text[128];
    std::snprintf(text, sizeof text, "%s",
                  "Schnittgrößenimport aus\nQ7-RAMO\xFD (2D-Rahmen)\nQ7-KLOV\xFD (3D-Stabtragwerk)\n"
                  "Q7-MERTO (Durchlaufträger)"_cp);
    return text;
}

void Draw_Loads_Register(int area, int dx, int dy, int x_max, int y_max) {
    (void)x_max;
    (void)y_max;
    if (g_loadpick < 0) g_loadpick = LoadPick_Available();
    Reset_Register_Field_Table();
    SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    static char units[3][12] = {"kN / kNm ", "kN / kNcm", "N / Nm   "};
    static Choice_List_Entry unit_entries[3] = {{0, units[0]}, {0, units[1]}, {0, units[2]}};
    const int y = dy + 20;
    // The raster font's 8 pixels a character: the label stands left enough
    // to end before the unit choice, and the clear button below clears it.
    Text(area, dx + 630, y + 5, "Kräfte / Momente in "_cp, Screen_Font_Normal, Screen_Black);
    // A unit the page does not offer (N and Nmm, from a file) is shown, not
    // replaced by the first one offered. The choice is as wide as its
    // longest entry, "kN / kNcm".
    if (r->load_unit >= 0 && r->load_unit <= 2)
        Add_Choice_List_to_Scrollable_Area(area, dx + 800, y + 5, unit_entries, Screen_Font_Normal, 9, 3, &r->load_unit,
                                           &Screen_Flag_On);
    else
        Text(area, dx + 800, y + 5, "N / Nmm", Screen_Font_Normal, Screen_Black);
    Text(area, dx + 10, y + 5, "Schnittgrößen bezogen auf die Querschnittsachsen"_cp, Screen_Font_Bold, Screen_Black);
    int table_y = y + 40;
    if (g_loadpick > 0) {
        const int yr = y + 42;
        const int white = Nearest_RGB_Color(255, 255, 255);
        // Each button follows its label, wherever the screen font's widths
        // end the label: a label never runs under a button.
        int x = dx + 10;
        auto label = [&](const char* text, int gap) {
            Text(area, x, yr, text, Screen_Font_Normal, Screen_Black);
            x += RFont_Text_Width(Screen_Font_Normal & RFONT_WORD_BITS, text, -1) + gap;
        };
        label("Schnittgrößen aus"_cp, 8);
        Add_Picture_to_Scrollable_Area(area, "SniQ7.bmp", x, yr - 12, x + 55, yr + 4, -1);
        x += 55 + 8;
        label("Bauteil importieren", 10);
        Add_Bitmap_Button_to_Scrollable_Area(area, x, yr - 17, 51, 33, "SniGrImportButton.bmp", 0, white, 0,
                                             Loads_Import_Source_Text(), 1, &Lasttabelle_Request.import_component,
                                             &Screen_Flag_On);
        x += 51 + 30;
        label("Schnittgrößen aus Text-Datei einlesen"_cp, 10);
        Add_Bitmap_Button_to_Scrollable_Area(area, x, yr - 23, 51, 36, "SniGrImportButton.bmp", 76, white, 0,
                                             "Schnittgrößen\naus Text-Datei\neinlesen"_cp, 1, &Lasttabelle_Request.read_text_file,
                                             &Screen_Flag_On);
        x += 51 + 30;
        label("Tabelle löschen"_cp, 10);
        Add_Bitmap_Button_to_Scrollable_Area(area, x, yr - 23, 51, 36, "SniGrImportButton.bmp", 36, white, 0,
                                             "Tabelle löschen"_cp, 1, &Lasttabelle_Request.clear_table, &Screen_Flag_On);
        table_y = yr + 28;
    } else {
        Lasttabelle_Request.import_component = Lasttabelle_Request.read_text_file = 0;
        Lasttabelle_Request.import_info = 0;
        // The button as wide as its text in the raster font (wider than the
        // 100 pixels of a narrower font), so that the text stands inside its
        // frame and on its background instead of over their edges.
        const char* clear = "Tabelle löschen"_cp;
        const int width = std::max(100, RFont_Text_Width(Screen_Font_Normal & RFONT_WORD_BITS, clear, -1) + 15);
        Add_Rectangle_to_Scrollable_Area(area, dx + 725, y + 16, dx + 750 + width, y + 35, Screen_Light_Yellow);
        Add_Text_Button(area, dx + 750, y + 30, width, 2, 0, clear, 1, &Lasttabelle_Request.clear_table, 1);
    }
    // The row numbers stand left of the table, right-aligned: room for
    // "10000:" in the raster font.
    Draw_Lasttabelle(r, area, dx + 45, &table_y);
    Update_Lasttabelle();
}

void Draw_Utilisation_Bar(int area, int x, int y, double value) {
    const Chart_Colours c = Chart();
    Add_Rectangle_to_Scrollable_Area(area, x, y - 9, x + 100, y, c.background);
    Add_Line_to_Scrollable_Area(area, x - 1, y - 9, x + 101, y - 9, c.frame);
    Add_Line_to_Scrollable_Area(area, x - 1, y, x + 101, y, c.frame);
    Add_Line_to_Scrollable_Area(area, x - 1, y - 9, x - 1, y, c.frame);
    Add_Line_to_Scrollable_Area(area, x + 101, y - 9, x + 101, y, c.frame);
    // A bar is green as long as its utilisation passes, also within the
    // tolerance; the bar then stops at its frame.
    if (value >= 0.0 && !Fails(value)) {
        const int length = std::min(100, Round_To_Pixel(100.0 * value));
        for (int row = 0; row < 10; row++) Add_Line_to_Scrollable_Area(area, x, y - 9 + row, x + length, y - 9 + row, c.green[row]);
    } else {
        Add_Rectangle_to_Scrollable_Area(area, x, y - 8, x + 100, y - 1, c.red);
        Text(area, x + 2, y - 2, "xxxxxxxxxxxx", 0x1000, c.white);
    }
}

// Why the proof of a case its checks do not cover is incomplete, in the
// words of the list's final result.
static std::string Not_Covered_Reason(const SchweissnahtAnschluss* conn, const LastfallErgebnis& e) {
    if (e.U_sigma.status == ERGEBNIS_SCHUBBEULEN) return "Schubbeulen (genauer Nachweis nötig)"_cp;
    if (e.U_sigma.status == ERGEBNIS_BEULNACHWEIS)
        return "Beulnachweis nach "_cp + std::string(Din_Buckling_Standard_Of(conn)) + " nötig"_cp;
    return "Querschnittsklasse 4 (nicht abgedeckt)";
}

void Draw_Utilisation_Chart(int area) {
    const SchweissnahtAnschluss* r = &Schweissnaht_Anschluss;
    const Chart_Colours c = Chart();
    g_tolerance = r->print.toleranz;
    Text(area, 370, 50, "Ausnutzung", 0x11000, c.black);
    Line(area, 120, 60, 570, 60);
    Line(area, 347, 35, 347, 60);
    // Every case's place first (the rows differ in height); then the cases
    // as a painted extent with the rows in view as items.
    g_chart.area = area;
    g_chart.rows.clear();
    // Without a load no case is checked (the list says so): no case gets a
    // bar, the total no percentage, and the chart names why.
    g_chart.checked = false;
    for (int i = 0; i < r->load_count && !g_chart.checked; i++) g_chart.checked = Lastfall_Has_Load(r, i) != 0;
    if (r->results && r->load_count > 0) g_chart.rows.reserve(static_cast<size_t>(r->load_count));
    int y = 80, last = 60;
    bool any_result = false, complete = r->results && r->load_count > 0;
    int not_covered = 0;  // the first case a check does not cover (1-based)
    for (int i = 0; i < r->load_count && r->results; i++) {
        const LastfallErgebnis& e = r->results[i];
        if (!not_covered && Lastfall_Nicht_Abgedeckt(&e)) not_covered = i + 1;
        // A case not covered has no bar of its own: its cross-section bar
        // would be missing and the weld bar alone could look green.
        const bool result = Lastfall_Hat_Ergebnis(&e) && !Lastfall_Nicht_Abgedeckt(&e);
        any_result = any_result || result;
        complete = complete && result;
        const Chart_Row row = {e.U_sigma.U, e.U_w.U, y, result};
        g_chart.rows.push_back(row);
        last = y = Row_Bottom(row);
        y += 20;
    }
    g_chart.first = 0, g_chart.last = -1;
    if (!g_chart.rows.empty()) {
        Add_User_Drawn_Area_to_Scrollable_Area(area, 120, 60, 570, last, area, Paint_Chart_Rows);
        int ox = 0, oy = 0, width = 0, height = 0;
        Inquire_Scrollable_View_Area_Origin(area, &ox, &oy);
        Inquire_Scrollable_View_Area_Size(area, &width, &height);
        Rows_In_View(oy, height, &g_chart.first, &g_chart.last);
        for (int i = g_chart.first; i <= g_chart.last; i++) Put_Chart_Row(area, g_chart.rows[i], i);
    }
    y = last;
    Line(area, 120, y + 20, 570, y + 20);
    Line(area, 347, y - 5, 347, y + 20);
    Text(area, 120, y + 40, "Gesamt", 0x11000, c.black);
    Line(area, 347, y + 15, 347, y + 40);
    if (!g_chart.checked) {
        Text(area, 120, y + 90, "keine Belastung vorhanden: Nachweise werden nicht geführt"_cp, 0x11000, c.black);
        return;
    }
    // The total of the cases that have a result; its bar is red while a
    // case has none.
    if (any_result) Percentage(area, y + 40, r->max_utilisation, 0x11000);
    Draw_Utilisation_Bar(area, 400, y + 40, complete ? r->max_utilisation : -1.0);
    // A c/t ratio beyond its limit fails the proof as the list says.
    const double governing = std::max(r->max_utilisation, r->max_ct_utilisation);
    if (complete && !Fails(governing) && !r->input_error && !not_covered) {
        // The verdict of the list, with the tolerance it took.
        std::string verdict = "Nachweis erbracht";
        if (!Utilisation_Ok(governing)) verdict += " (" + Endergebnis_Digits(g_tolerance) + "% Toleranz)";
        Text(area, 120, y + 90, verdict.c_str(), 0x11000, Nearest_RGB_Color(4, 2, 252));
    } else {
        Text(area, 120, y + 90, "Tragfähigkeit nicht gewährleistet (s. Druckliste) !!"_cp, 0x11000, c.red);
        // The verdict says why: bars of cases whose input was refused can
        // all look green.
        char why[320];
        std::snprintf(why, sizeof why, "%s", Evaluation_Refusal_Reason());
        // A class 4 section's c/t ratio is beyond its limit because it is
        // class 4: the class is named first.
        if (!why[0] && Fails(r->max_utilisation))
            std::snprintf(why, sizeof why, "Ausnutzung %.0lf%% in Lastkombination %d", 100.0 * r->max_utilisation,
                          r->governing_case);
        else if (!why[0] && not_covered)
            std::snprintf(why, sizeof why, "%s in Lastkombination %d", Not_Covered_Reason(r, r->results[not_covered - 1]).c_str(),
                          not_covered);
        else if (!why[0] && Fails(r->max_ct_utilisation))
            std::snprintf(why, sizeof why, "c/t-Verhältnis: Ausnutzung %.0lf%%"_cp, 100.0 * r->max_ct_utilisation);
        if (why[0]) {
            char line[340];
            std::snprintf(line, sizeof line, "Grund: %s", why);
            Text(area, 120, y + 110, line, 0x1000, c.red);
        }
    }
}

void Reset_Shell_Pages(void) {
    g_loadpick = -1;
    g_tolerance = 0.0;
    g_chart = Chart_State{};
}
