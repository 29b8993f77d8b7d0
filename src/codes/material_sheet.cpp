// The material register: grade choice, own-values switch, name and the
// strengths and constants of a Materialparameter_Record as rows of a
// scrollable view area.
#include "codes/material_sheet.h"

#include <cstdio>
#include <cstring>

#include "base/cp850.h"
#include "codes/alguete.h"
#include "codes/input_ranges.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"

int material_ranges_shown = 0;

namespace {

// A symbol's index ("y,40": four characters of the small font) ends a
// character's width before the field's frame, the unit as far after it.
enum { X_SYMBOL = 172, X_FIELD = 222, X_UNIT = 287, NAME_VISIBLE = 25, ENTRY_SIZE = 24 };

// The choice lists, filled at every drawing.
char g_texts[ALUGUETE_ROWS][ENTRY_SIZE];
Choice_List_Entry g_entries[ALUGUETE_ROWS];
int g_never = 0;

// Copies a name without its trailing blanks.
void Entry_Text(int i, const char* name) {
    std::snprintf(g_texts[i], ENTRY_SIZE, "%s", name ? name : "");
    for (size_t n = std::strlen(g_texts[i]); n > 0 && g_texts[i][n - 1] == ' '; --n) g_texts[i][n - 1] = '\0';
    g_entries[i].text = g_texts[i];
}

// The list of the record's kind with its group colours; the entry count.
int Fill_List(int kind, bool active) {
    const int first = Screen_Black, second = Screen_Brown, separator = Screen_Grey130;
    if (kind == 2) {
        int colour = first;
        for (int i = 0; i < ALUGUETE_ROWS; ++i) {
            const unsigned handle = static_cast<unsigned>(i);
            if (i > 0 && std::strcmp(Get_Aluguete_Alloy(handle), Get_Aluguete_Alloy(handle - 1)) != 0)
                colour = colour == first ? second : first;
            Entry_Text(i, Get_Aluguete_Name(handle));
            g_entries[i].colour = active ? colour : Screen_Grey192;
        }
        return ALUGUETE_ROWS;
    }
    if (kind == 1) {
        Init_Grade_Names();
        for (int i = 0; i < STEEL_CHOICE_COUNT; ++i) {
            const char* name = Steel_Choice_Name(i);
            Entry_Text(i, name);
            const bool is_separator = name && std::strncmp(name, "---", 3) == 0;
            const int colour = is_separator ? separator : (i / 4) % 2 ? second : first;
            g_entries[i].colour = active ? colour : Screen_Grey192;
        }
        return STEEL_CHOICE_COUNT;
    }
    // The weld grade table: N/NL, W/Q and NH/NLH in the second colour.
    for (int i = 0; i < WELD_GRADE_COUNT; ++i) {
        Entry_Text(i, Weld_Grade_Table_Name(i));
        const bool group = (i >= 4 && i <= 7) || (i >= 12 && i <= 14) || (i >= 18 && i <= 21);
        g_entries[i].colour = active ? (group ? second : first) : Screen_Grey192;
    }
    return WELD_GRADE_COUNT;
}

struct Register {
    int area;
    int x;
    int text;  // text colour
    int unit;  // unit colour
    int* slot;
};

void Label(const Register& r, int y, const char* text) {
    Add_Text_to_Scrollable_Area(r.area, r.x, y, text, Screen_Font_Normal, r.text, 0);
}

void Symbol(const Register& r, int y, const char* symbol, const char* index) {
    Add_Text_to_Scrollable_Area(r.area, r.x + X_SYMBOL, y, symbol, Screen_Font_Normal, r.text, 0);
    Add_Text_to_Scrollable_Area(r.area, r.x + X_SYMBOL + 8, y + 2, index, Screen_Font_Small, r.text, 0);
}

// The values a field takes, those of the input's one table of ranges: what
// the material check accepts (strengths and modulus of at least 1 N/mm², a
// correlation factor of the table's kind), with upper ends no steel or
// aluminium reaches.
using Bounds = Input_Range;
constexpr Bounds kStrength = Input_Range_Of(RANGE_STRENGTH);
constexpr Bounds kModulus = Input_Range_Of(RANGE_MODULUS);
constexpr Bounds kBetaW = Input_Range_Of(RANGE_BETA_W);
constexpr Bounds kExpansion = Input_Range_Of(RANGE_EXPANSION);

// A value row: label, symbol with index, field, unit (none when null). A
// typed value outside the bounds is refused; the field keeps its value.
void Value_Row(const Register& r, int y, const char* label, const char* symbol, const char* index, double* value,
               const char* format, Bounds bounds, const char* unit, int colour, int* enabled,
               int unit_x = X_UNIT) {
    Label(r, y, label);
    Symbol(r, y, symbol, index);
    Add_Float_to_Scrollable_Area(r.area, r.x + X_FIELD, y, value, format, Screen_Font_Normal, colour, enabled);
    Set_Bounds_of_Last_Float(r.area, bounds.minimum, bounds.maximum);
    if (unit) Add_Text_to_Scrollable_Area(r.area, r.x + unit_x, y, unit, Screen_Font_Normal, r.unit, 0);
}

const char* const kStress = "N/mm²"_cp;

// The strengths by thickness range: three pairs with a gap after each.
int Range_Rows(const Register& r, Materialparameter_Record* m, int y, int step, int gap) {
    struct Pair {
        double* f_y;
        double* f_u;
        const char* y_index;
        const char* u_index;
    };
    const Pair pairs[3] = {{&m->f_y1, &m->f_u1, "y,40", "u,40"},
                           {&m->f_y2, &m->f_u2, "y,80", "u,80"},
                           {&m->f_y3, &m->f_u3, "y,ý"_cp, "u,ý"_cp}};
    for (const Pair& p : pairs) {
        Value_Row(r, y, "char. Streckgrenze", "f", p.y_index, p.f_y, "%6.1f", kStrength, kStress, r.text, r.slot);
        y += step;
        const int colour = *p.f_y - 0.001 > *p.f_u ? Screen_Red : r.text;
        Value_Row(r, y, "char. Zugfestigkeit", "f", p.u_index, p.f_u, "%6.1f", kStrength, kStress, colour, r.slot);
        y += step + 12 + gap;
    }
    return y;
}

// One pair for every thickness (and for aluminium f_o, f_u).
int Pair_Rows(const Register& r, Materialparameter_Record* m, int y, int step) {
    const bool aluminium = m->kind == 2;
    m->f_y2 = m->f_y3 = m->f_y = m->f_y1;
    m->f_u2 = m->f_u3 = m->f_u = m->f_u1;
    Value_Row(r, y, aluminium ? "0,2%-Dehngrenze" : "char. Streckgrenze", "f", aluminium ? "o" : "y", &m->f_y1,
              "%6.1f", kStrength, kStress, r.text, r.slot);
    y += step;
    const int colour = m->f_y - 0.001 > m->f_u ? Screen_Red : r.text;
    Value_Row(r, y, "char. Zugfestigkeit", "f", "u", &m->f_u1, "%6.1f", kStrength, kStress, colour, r.slot);
    return y + step;
}

}  // namespace

void Draw_Material_Sheet(Materialparameter_Record* m, int area, int x, int* y, int step, int group_gap, int,
                         int active, int colour, int flags) {
    if (!m || !y) return;
    const Register r{area, x, active ? colour : Screen_Grey192, active ? Screen_Grey160 : Screen_Grey192,
                     Next_Register_Field_Flag(active ? 1 : 0)};
    const bool aluminium = m->kind == 2;
    int row = *y;
    const int count = Fill_List(m->kind, active != 0);
    const int width = aluminium ? 16 : 12;
    Label(r, row, aluminium ? "Legierung" : "Stahlsorte");
    Add_Choice_List_to_Scrollable_Area(area, x + X_FIELD, row, g_entries, Screen_Font_Normal, width, count, &m->grade,
                                       r.slot);
    // The check box a character's width clear of the drop-down's frame.
    Add_Check_Box_to_Scrollable_Area(area, x + X_FIELD + 8 * width + 60, row, "Vorgabe", Screen_Font_Normal, r.text,
                                     &m->own_values, r.slot);
    row += step;
    Label(r, row, "Kennung");
    Add_Edit_Text_to_Scrollable_Area(area, x + X_FIELD, row, m->name, Screen_Font_Normal, r.text, r.slot);
    Set_Visible_Length_of_Last_Edit_Text(area, NAME_VISIBLE);
    row += step;
    if (m->own_values) {
        if (!aluminium && material_ranges_shown && m->grade < WELD_GRADE_STAINLESS)
            row = Range_Rows(r, m, row, step, group_gap);
        else
            row = Pair_Rows(r, m, row, step);
    }
    // The table's constants are not the user's to change: shown only, and a
    // click on one says how they become the user's.
    int* own = m->own_values ? r.slot : &g_never;
    const auto say_why = [&] {
        if (active && !m->own_values)
            Set_Disabled_Reason_of_Last_Item(area, "Der Wert folgt der gewählten Sorte, solange \"Vorgabe\" nicht angehakt ist.\n"
                                                   "Für eigene Werte \"Vorgabe\" anhaken."_cp);
    };
    if (flags & MATERIAL_ROW_E) {
        Value_Row(r, row, "E-Modul", "E", nullptr, &m->E, "%8.1f", kModulus, kStress, r.text, own,
                  X_UNIT + 16);
        say_why();
        row += step;
    }
    if (flags & MATERIAL_ROW_BETA_W) {
        Value_Row(r, row, "Korrelationsbeiwert", "\xBB", "w", &m->beta_w, "%6.2f", kBetaW, nullptr,
                  r.text, own);
        say_why();
        row += step;
    }
    if (flags & MATERIAL_ROW_ALPHA_T) {
        Value_Row(r, row, "Temperaturkoeffizient", "\xBA", "T", &m->alpha_T, "%6.2f", kExpansion, "10   1/K",
                  r.text, own);
        say_why();
        Add_Text_to_Scrollable_Area(area, x + X_UNIT + 16, row - 5, "-5", Screen_Font_Small, r.unit, 0);
        row += step;
    }
    *y = row;
}

void Draw_Material_Sheet_Locked(Materialparameter_Record* m, int area, int x, int* y, int step, int group_gap,
                                int unused, int active, int colour, int flags) {
    const int before = material_ranges_shown;
    material_ranges_shown = 1;
    Draw_Material_Sheet(m, area, x, y, step, group_gap, unused, active, colour, flags);
    material_ranges_shown = before;
}

void Draw_Material_Shown_Row(int area, int x, int* y, int step, const char* label, const char* symbol,
                             const char* index, double* value, const char* format) {
    if (!y || !value) return;
    const Register r{area, x, Screen_Blue, Screen_Grey160, &g_never};
    Label(r, *y, label);
    Symbol(r, *y, symbol, index);
    Add_Float_to_Scrollable_Area(area, x + X_FIELD, *y, value, format, Screen_Font_Normal, Screen_Blue, &g_never);
    *y += step;
}
