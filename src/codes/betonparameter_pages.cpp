// The input pages of the concrete and reinforcing-steel library (see the
// header).
#include "codes/betonparameter_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/rounding.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields.h"
#include "dialogs/messages.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/tablesheet.h"
#include "dialogs/valuecheck.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

// Enable words that the items read at every repaint.
int g_on = 1;
int g_off = 0;
int* Enabled(int state) { return state ? &g_on : &g_off; }

int Grey() { return Nearest_RGB_Color(198, 195, 198); }

// The field's text colour, grey for a disabled page.
int Text_Colour(int state) { return state ? Get_Field_Text_Color() : Grey(); }

void Make_Field_Area(int area) {
    if (Current_Field_Area() != area) Begin_Field_Area(area);
}

// The plain field: width w x 8 + 15, framed in the sheet's first pass.
int Plain_Field(int x, int y, double* value, int w, int d, int state) {
    const int area = Current_Field_Area();
    const int width = std::max(w, 1) * 8 + 15;
    if (area < 0 || !value) return width;
    char format[16];
    std::snprintf(format, sizeof format, "%%%d.%df", std::clamp(w, 1, 30), std::clamp(d, 0, 15));
    Add_Float_to_Scrollable_Area(area, x + 7, y, value, format, Current_Field_Font(), Text_Colour(state),
                                 Enabled(state));
    if (state == -1) {
        const int frame = Nearest_RGB_Color(220, 220, 220);
        const int x1 = x + 5, x2 = x + width + 2, y1 = y - 14, y2 = y + 5;
        Add_Line_to_Scrollable_Area(area, x1, y1, x2, y1, frame);
        Add_Line_to_Scrollable_Area(area, x2, y1, x2, y2, frame);
        Add_Line_to_Scrollable_Area(area, x2, y2, x1, y2, frame);
        Add_Line_to_Scrollable_Area(area, x1, y2, x1, y1, frame);
    }
    return width;
}

// Label or unit text; its width (0 for none).
int Label(int x, int y, const char* text, int state) {
    if (!text || !*text) return 0;
    return Add_Labelled_Text_Field(x, y, text, Enabled(state));
}

// A symbol with its subscript at x in the page's row.
void Symbol(int x, int y, const char* symbol, const char* subscript, int state) {
    Add_Field_Symbol(x, y, symbol, subscript, Enabled(state));
}

// Number text of a range message: the value with d decimals.
std::string Limit_Text(double value, int d) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(d, 0, 15), value);
    return text;
}

const char* const kMN = "MN/m²"_cp;

// The dry density of lightweight concrete the page takes, kg/m³.
constexpr double kDensityMin = 500.0, kDensityMax = 2200.0;
const char* const kPerMille = "\x89";

}  // namespace

// ---- numeric fields ----

int Numeric_Field(int x, int y, double* value, double factor, int w, int d, int state) {
    if (value && factor != 1.0) Register_Sheet_Unit_Value(value, factor);
    return Plain_Field(x, y, value, w, d, state);
}

int Numeric_Field_Labelled(int x, int y, const char* label, double* value, int w, int d, const char* unit,
                           int state) {
    int width = Label(x, y, label, state);
    width += 3 + Numeric_Field(x + width + 3, y, value, 1.0, w, d, state);
    if (unit && *unit) width += 3 + Label(x + width + 3, y, unit, state);
    return width;
}

int Numeric_Field_Checked(int x, int y, double* value, double factor, int w, int d, double minimum,
                          double maximum, const char* name, int state) {
    const int width = Numeric_Field(x, y, value, factor, w, d, state);
    if (!value || std::isnan(*value)) return width;
    if (name) {
        const char* word = nullptr;
        double limit = 0.0;
        if (Round_To_Decimals(*value - maximum, d) > 0.0) {
            word = "überschreiten"_cp;
            limit = maximum;
        } else if (Round_To_Decimals(*value - minimum, d) < 0.0) {
            word = "unterschreiten";
            limit = minimum;
        }
        if (word) Note_Message(-1, "%s darf den Wert %s nicht %s", name, Limit_Text(limit, d).c_str(), word);
    }
    *value = std::clamp(*value, std::min(minimum, maximum), std::max(minimum, maximum));
    return width;
}

int Int_Field(int x, int y, int* value, int w, int state) {
    double* shadow = Register_Sheet_Int_Value(value);
    if (!shadow) return 0;
    return Plain_Field(x, y, shadow, w, 0, state);
}

int Int_Field_Labelled(int x, int y, const char* label, int* value, int w, const char* unit, int state) {
    int width = Label(x, y, label, state);
    width += 3 + Int_Field(x + width + 3, y, value, w, state);
    if (unit && *unit) width += 3 + Label(x + width + 3, y, unit, state);
    return width;
}

// ---- pages ----

namespace {

// A parameter row of the pages: symbol and subscript at x, the field at x +
// 75, the unit 3 pixels after the field. The texts follow the page's state,
// the field its own (a derived value is locked on an editable page).
void Parameter_Row(int x, int y, const char* symbol, const char* subscript, double* value, double factor, int d,
                   const char* unit, int state, int field_state) {
    Symbol(x, y, symbol, subscript, state);
    const int w = Numeric_Field(x + 75, y, value, factor, 8, d, field_state);
    if (unit) Label(x + 75 + w + 3, y, unit, state);
}

// The concrete page in a state: a disabled page greys its texts and locks
// its fields.
int Concrete_Page_In(int area, int x, int y, Betonguete_Record* record, int state) {
    if (!record) return 183;
    Make_Field_Area(area);
    const int fx = x + 75;
    Add_Boxed_Text_to_Scrollable_Area(area, "tools\\bemop_fcd.bmp", x + 200, y, x + 420, y + 192,
                                      Nearest_RGB_Color(239, 253, 238));
    Label(x, y + 57, "Rohdichte", state);
    Add_Field_Float_with_Range(fx, y + 57, &record->density, kDensityMin, kDensityMax, Enabled(state));
    Label(fx + 82, y + 57, "kg/m\xFA", state);
    Parameter_Row(x, y + 80, "\xBA", "c", &record->alpha, 1.0, 3, nullptr, state, state);
    Parameter_Row(x, y + 103, "f", "ck", &record->f_ck, 0.001, 2, kMN, state, state);
    Parameter_Row(x, y + 126, "\xBE", "c2", &record->eps_c2, 1000.0, 3, kPerMille, state, state);
    Parameter_Row(x, y + 149, "\xBE", "c2u", &record->eps_c2u, 1000.0, 3, kPerMille, state, state);
    Parameter_Row(x, y + 172, "n", "c", &record->n_exp, 1.0, 2, nullptr, state, state);
    // While the modulus is derived it follows the strength shown (both in
    // MN/m² on the page). Its field registers it further down: registered
    // first, it is in the page's unit already when the first fill derives
    // it, and is not scaled a second time.
    Register_Sheet_Unit_Value(&record->E_cm, 0.001);
    if (record->auto_E) record->E_cm = Get_E_cm(1000.0 * record->f_ck) * 0.001;
    Parameter_Row(x, y + 195, "E", "cm", &record->E_cm, 0.001, 2, kMN, state, record->auto_E ? 0 : state);
    // The box's mark stands 14 pixels left of its position, 15 pixels after
    // the unit.
    const int box = fx + 8 * 8 + 15 + 3 + Field_Text_Width_in_Font(kMN, Current_Field_Font()) + 15 + 14;
    Add_Check_Box_to_Scrollable_Area(area, box, y + 195, "E-Modul automatisch ermitteln", Current_Field_Font(),
                                     Text_Colour(state), &record->auto_E, Enabled(state));
    return 183;
}

int Steel_Page_In(int area, int x, int y, Betonstahl_Record* record, int state) {
    if (!record) return 107;
    Make_Field_Area(area);
    Add_Boxed_Text_to_Scrollable_Area(area, "tools\\bemop_fyk.bmp", x + 220, y, x + 436, y + 141,
                                      Nearest_RGB_Color(239, 253, 238));
    Parameter_Row(x, y + 23, "f", "yk", &record->f_yk, 0.001, 2, kMN, state, state);
    Parameter_Row(x, y + 46, "f", "tk", &record->f_tk, 0.001, 2, kMN, state, state);
    Parameter_Row(x, y + 69, "\xBE", "su", &record->eps_uk, 1000.0, 3, kPerMille, state, state);
    Parameter_Row(x, y + 92, "E", "s", &record->E_s, 0.001, 2, kMN, state, state);
    return 107;
}

}  // namespace

int Concrete_Page(int area, int x, int y, Betonguete_Record* record) {
    return Concrete_Page_In(area, x, y, record, 1);
}

int Steel_Page(int area, int x, int y, Betonstahl_Record* record) { return Steel_Page_In(area, x, y, record, 1); }

// ---- free-definition sheets ----

namespace {

Betonguete_Record g_concrete;
Betonstahl_Record g_steel;
Betonguete_Record* g_concrete_caller = nullptr;
Betonstahl_Record* g_steel_caller = nullptr;

void Fill_Concrete(int area, int) { Concrete_Page(area, 20, 0, &g_concrete); }
void Fill_Steel(int area, int) { Steel_Page(area, 20, 15, &g_steel); }

// One-page sheet of the given size around the page function; 1 on OK.
int Run_Free_Sheet(const char* title, const char* page_label, int height, int width,
                   void (*fill)(int area, int table)) {
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    d.mode = TABLE_SHEET_CONFIRM;
    std::snprintf(d.title, sizeof d.title, "%s", title);
    d.content_height = height;
    d.content_width = width;
    Table_Sheet_Page page;
    Init_Table_Sheet_Pages(1, &page);
    std::snprintf(page.label, sizeof page.label, "%s", page_label);
    page.fill = fill;
    return Edit_Table_Wizard_Sheet(&d, &page);
}

}  // namespace

int Edit_Free_Concrete(Betonguete_Record* record) {
    if (!record) return 1;
    Betonguete_Record* outer = g_concrete_caller;
    const Betonguete_Record outer_copy = g_concrete;
    Get_Betonguete_Record(record, 3, 0, 2200.0);
    Copy_Betonguete_Record(&g_concrete, record);
    g_concrete_caller = record;
    const int ok = Run_Free_Sheet("Freie Definition des Betons", "Betonparameter", 220, 440, Fill_Concrete);
    if (ok == 1) Copy_Betonguete_Record(record, &g_concrete);
    g_concrete_caller = outer;
    g_concrete = outer_copy;
    return ok == 1 ? 0 : 1;
}

int Edit_Free_Steel(Betonstahl_Record* record) {
    if (!record) return 1;
    Betonstahl_Record* outer = g_steel_caller;
    const Betonstahl_Record outer_copy = g_steel;
    Get_Betonstahl_Record(record, 0);
    g_steel = *record;
    g_steel_caller = record;
    const int ok = Run_Free_Sheet("Freie Definition des Stahls", "Stahlparameter", 170, 470, Fill_Steel);
    if (ok == 1) *record = g_steel;
    g_steel_caller = outer;
    g_steel = outer_copy;
    return ok == 1 ? 0 : 1;
}

// ---- grade fields ----

namespace {

// Clicks on the links, noticed when the field is built next.
int g_concrete_link = 0;
int g_steel_link = 0;

// The selection field over the list (a separator moved up first); the
// entry's id and kind.
void Grade_Selection(int x, int y, Grade_Pick_List* list, int* selection, int state, int* id, int* flags) {
    *id = -1;
    *flags = 0;
    if (!list || !selection || list->count < 1) return;
    if (*selection < 0 || *selection >= list->count) *selection = 0;
    while (*selection > 0 && (list->flags[*selection] & PICK_SEPARATOR)) --*selection;
    Add_Shaded_Fixed_Width_Field(x, y, list->names, list->colours, list->stride, list->count, selection,
                                 Enabled(state));
    Get_Pick_Entry(list, *selection, id, flags);
}

void Link(int x, int y, const char* text, int* clicked, int state) {
    const int colour = Get_Field_Text_Color();
    Set_Field_Text_Color(Nearest_RGB_Color(0, 0, 255));
    Add_Field_Click_Text(x, y, text, 1, clicked, Enabled(state));
    Set_Field_Text_Color(colour);
}

}  // namespace

int Concrete_Grade_Choice(int area, int x, int y, Grade_Pick_List* list, int* selection, int state) {
    Make_Field_Area(area);
    Label(x, y, "Betongüte"_cp, state);
    int id = -1, flags = 0;
    Grade_Selection(x + 75, y, list, selection, state, &id, &flags);
    return 0;
}

int Concrete_Grade_Selection(int area, int x, int y, Betonguete_Record* record, Grade_Pick_List* list,
                             int* selection, int state) {
    Make_Field_Area(area);
    if (g_concrete_link) {
        g_concrete_link = 0;
        if (record && state) Edit_Free_Concrete(record);
    }
    int id = -1, flags = 0;
    Grade_Selection(x, y, list, selection, state, &id, &flags);
    if (id == PICK_FREE_CONCRETE_ID) {
        if (Get_Definition_Mode() == 0) return 23 + Concrete_Page_In(area, x, y + 23, record, state);
        Link(x, y + 23, "-> Betonparameter definieren", &g_concrete_link, state);
        return 23;
    }
    int height = 0;
    if (!record) return height;
    if (flags & PICK_LIGHTWEIGHT) {
        height += 23;
        Label(x, y + height, "Rohdichte", state);
        Add_Field_Float_with_Range(x + 75, y + height, &record->density, kDensityMin, kDensityMax, Enabled(state));
        Label(x + 75 + 82, y + height, "kg/m\xFA", state);
    }
    if (list && list->lightweight_shown && id >= 0) {
        height += 23;
        Symbol(x, y + height, "\xBA", "c", state);
        Numeric_Field(x + 75, y + height, &record->alpha, 1.0, 8, 3, state);
    }
    return height;
}

int Concrete_Grade_Field(int area, int x, int y, Betonguete_Record* record, Grade_Pick_List* list,
                         int* selection, int state) {
    Make_Field_Area(area);
    Label(x, y, "Betongüte"_cp, state);
    return Concrete_Grade_Selection(area, x + 75, y, record, list, selection, state);
}

int Steel_Grade_Field(int area, int x, int y, Betonstahl_Record* record, Grade_Pick_List* list, int* selection,
                      int state) {
    Make_Field_Area(area);
    if (g_steel_link) {
        g_steel_link = 0;
        if (record && state) Edit_Free_Steel(record);
    }
    Label(x, y, "Stahlgüte"_cp, state);
    int id = -1, flags = 0;
    Grade_Selection(x + 75, y, list, selection, state, &id, &flags);
    if (id != PICK_FREE_STEEL_ID) return 0;
    if (Get_Definition_Mode() == 0) return 23 + Steel_Page_In(area, x + 75, y + 23, record, state);
    Link(x + 75, y + 23, "-> Stahlparameter definieren", &g_steel_link, state);
    return 23;
}

// ---- sketch primitives ----

namespace {

constexpr double kStep = 0.0872664626;  // 5 degrees

void Chord(double x, double y, double r, double a, double b) {
    Add_World_Line_to_Field_Area(x + r * std::cos(a), y + r * std::sin(a), x + r * std::cos(b),
                                 y + r * std::sin(b));
}

std::vector<int> g_polygon_x, g_polygon_y;

}  // namespace

void Draw_Circle(double x, double y, double r) {
    for (int k = 0; k < 72; k++) Chord(x, y, r, k * kStep, (k + 1) * kStep);
}

void Draw_Ellipse(double x, double y, double r, double a, double b) {
    if (!(b > a) || !std::isfinite(a) || !std::isfinite(b)) return;
    const int chords = static_cast<int>(std::ceil((b - a) / kStep - 1e-9));
    for (int k = 0; k < chords; k++) Chord(x, y, r, a + k * kStep, std::min(a + (k + 1) * kStep, b));
}

void Draw_Polygon(int n, const double* xs, const double* ys) {
    if (n < 2 || !xs || !ys) return;
    for (int i = 0; i < n; i++) {
        const int j = (i + 1) % n;
        if (n == 2 && j == 0) break;
        Add_World_Line_to_Field_Area(xs[i], ys[i], xs[j], ys[j]);
    }
}

void Draw_Rectangle(double x, double y, double r) {
    const int area = Current_Field_Area();
    if (area < 0 || Get_Field_World_Drawing() != 1 || !(r > 0)) return;
    double cx = x, cy = y;
    World_to_Screen_Point(&cx, &cy);
    const double pr = World_Length_on_Screen(x, y, x + r, y);
    // A disc larger than any screen is no sketch.
    if (!std::isfinite(pr) || !std::isfinite(cx) || !std::isfinite(cy) || pr > 4096) return;
    const int R = static_cast<int>(std::lround(pr));
    const int icx = static_cast<int>(std::lround(cx)), icy = static_cast<int>(std::lround(cy));
    for (int dy = -R; dy <= R; dy++) {
        const int hw = static_cast<int>(std::lround(std::sqrt(static_cast<double>(R) * R - dy * dy)));
        Add_Rectangle_to_Scrollable_Area(area, icx - hw, icy + dy, icx + hw, icy + dy, Get_Field_Text_Color());
    }
}

void Draw_Polyline(int n, const double* xs, const double* ys) {
    const int area = Current_Field_Area();
    if (area < 0 || Get_Field_World_Drawing() != 1 || n < 2 || n > 256 || !xs || !ys) return;
    std::vector<double> sx(xs, xs + n), sy(ys, ys + n);
    for (int i = 0; i < n; i++) World_to_Screen_Point(&sx[i], &sy[i]);
    const double x1 = *std::min_element(sx.begin(), sx.end()), y1 = *std::min_element(sy.begin(), sy.end());
    const double x2 = *std::max_element(sx.begin(), sx.end()), y2 = *std::max_element(sy.begin(), sy.end());
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    g_polygon_x.assign(n, 0);
    g_polygon_y.assign(n, 0);
    const long left = std::lround(x1), top = std::lround(y1);
    for (int i = 0; i < n; i++) {
        g_polygon_x[i] = static_cast<int>(std::lround(sx[i]) - left);
        g_polygon_y[i] = static_cast<int>(std::lround(sy[i]) - top);
    }
    Set_Field_Polygon(n, g_polygon_x.data(), g_polygon_y.data());
    Add_User_Drawn_Area_to_Scrollable_Area(area, static_cast<int>(left), static_cast<int>(top),
                                           static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)), 0,
                                           Draw_Polyline_Callback);
}

void Draw_Dimension(double x1, double y1, double x2, double y2) {
    Add_World_Line_to_Field_Area(x1, y1, x2, y2);
    double ax = x1, ay = y1, bx = x2, by = y2;
    World_to_Screen_Point(&ax, &ay);
    World_to_Screen_Point(&bx, &by);
    const double length = std::hypot(bx - ax, by - ay);
    if (!(length > 0) || !std::isfinite(length)) return;
    const double ux = (bx - ax) / length, uy = (by - ay) / length;
    // Two strokes of 5 pixels at 30 degrees to the line at each end.
    const double c = std::cos(0.5235987756), s = std::sin(0.5235987756);
    for (int end = 0; end < 2; end++) {
        const double px = end ? bx : ax, py = end ? by : ay;
        const double dx = end ? -ux : ux, dy = end ? -uy : uy;
        for (int side = -1; side <= 1; side += 2) {
            double hx = px + 5.0 * (c * dx - side * s * dy), hy = py + 5.0 * (side * s * dx + c * dy);
            double tx = px, ty = py;
            Screen_to_World_Point(&hx, &hy);
            Screen_to_World_Point(&tx, &ty);
            Add_World_Line_to_Field_Area(tx, ty, hx, hy);
        }
    }
}

// ---- factor table head ----

namespace {

// The head of the columns moved right by dx into the area, the rule from
// rule_left (before the move) to the right end of the last column.
void Factor_Head(int area, const Factor_List* table, int dx, int y, int active, int rule_left) {
    const int grey = Grey();
    int* on = Enabled(active);
    const int colour = Get_Field_Text_Color();
    int right = table->left;
    for (int i = 0; i < table->count; i++) {
        const Factor_Column& c = table->columns[i];
        const int centre = c.x + dx + c.width / 2;
        if (c.subscript[0]) {
            Add_Field_Symbol_Aligned(centre, y - 31, c.symbol, c.subscript, 1, 4, on);
        } else {
            Pop_RFont(0x1000);
            const int w = Text_Width_in_Pixels(c.symbol);
            Push_RFont();
            Add_Text_to_Scrollable_Area(area, centre - w / 2, y - 31, c.symbol, 0x11000, active ? colour : grey, 0);
        }
        Pop_RFont(0x1000);
        const int uw = Text_Width_in_Pixels(c.unit);
        Push_RFont();
        Add_Text_to_Scrollable_Area(area, centre - uw / 2, y - 15, c.unit, 0x1000,
                                    active ? Nearest_RGB_Color(160, 160, 164) : grey, 0);
        right = std::max(right, c.x + c.width + c.gap);
    }
    Add_Line_to_Scrollable_Area(area, rule_left + dx, y - 9, right + dx, y - 9, active ? colour : grey);
}

bool Has_Columns(const Factor_List* table) { return table && table->count > 0 && table->columns; }

}  // namespace

void Draw_Factor_List(const Factor_List* table, int y, int active) {
    const int area = Current_Field_Area();
    if (area < 0 || !Has_Columns(table)) return;
    Factor_Head(area, table, 0, y, active, table->left);
}

void Draw_Factor_List_over_Table(const Factor_List* table, int t, int active) {
    const Sheet_Table* rows = Sheet_Table_Record(t);
    if (!rows || !rows->defined || rows->area < 0 || !Has_Columns(table)) return;
    Make_Field_Area(rows->area);
    Factor_Head(rows->area, table, rows->x - table->left, rows->y, active, table->left);
}

void Draw_Factor_List_with_Row_Labels(const Factor_List* table, int y, int active, const char* const* labels,
                                      int count, int row_height) {
    const int area = Current_Field_Area();
    if (area < 0 || !Has_Columns(table)) return;
    const int colour = active ? Nearest_RGB_Color(128, 128, 128) : Grey();
    int widest = 0;
    Pop_RFont(0x1000);
    for (int i = 0; labels && i < count; i++) {
        if (!labels[i]) continue;
        const int w = Text_Width_in_Pixels(labels[i]);
        widest = std::max(widest, w);
        // Each label ends 3 pixels before the table's left edge, its line
        // 14 pixels below its row's top (the text reaches 13 above it).
        Add_Text_to_Scrollable_Area(area, table->left - 3 - w, y + 14 + i * row_height, labels[i], 0x1000, colour,
                                    0);
    }
    Push_RFont();
    Factor_Head(area, table, 0, y, active, table->left - (widest ? widest + 3 : 0));
}
