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

// The steel of the weld grade table whose strengths are the record's own:
// it has no grade values to follow. Under DIN 18800 it keeps its number
// in a record of DIN's list, which has no entry for it.
bool Stainless(const Materialparameter_Record* m) {
    return (m->kind == 0 || m->kind == 1) && m->grade == WELD_GRADE_STAINLESS;
}

// Where the list of the record's kind shows stainless steel: after the
// weld grade table's grades, at its own number; after DIN's list, as the
// entry that follows it.
int Stainless_Entry(int kind) { return kind == 1 ? STEEL_CHOICE_COUNT : WELD_GRADE_STAINLESS; }

// A stainless record of DIN's list is chosen through an entry of the
// register's own (the list's index is not the record's number): the value
// the choice holds and the one it was drawn with, per record. A steel
// picked there is the record's grade when the register is drawn next.
struct Shown_Choice {
    const Materialparameter_Record* m;
    int value, shown;
};
Shown_Choice g_choices[4];
int g_next_choice = 0;

// The grade the user picked for m in its last drawing, taken into it; the
// choice forgotten.
void Take_Picked_Grade(Materialparameter_Record* m) {
    for (Shown_Choice& c : g_choices) {
        if (c.m != m) continue;
        if (c.value != c.shown) m->grade = c.value == Stainless_Entry(1) ? WELD_GRADE_STAINLESS : c.value;
        c = Shown_Choice{};
    }
}

// Stainless steel as the last entry of the list of the kind; the count.
int Stainless_List_Entry(int kind, bool active) {
    const int at = Stainless_Entry(kind);
    Entry_Text(at, "Edelstahl");
    g_entries[at].colour = active ? Screen_Black : Screen_Grey192;
    return at + 1;
}

// The list of the record's kind with its group colours; the entry count.
// Stainless steel, which the table keeps after its grades, is listed when
// the record holds it: a value a file holds is shown, not replaced by the
// first grade (it is not offered for another record).
int Fill_List(int kind, bool active, bool stainless) {
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
        return stainless ? Stainless_List_Entry(1, active) : STEEL_CHOICE_COUNT;
    }
    // The weld grade table: N/NL, W/Q and NH/NLH in the second colour.
    for (int i = 0; i < WELD_GRADE_COUNT; ++i) {
        Entry_Text(i, Weld_Grade_Table_Name(i));
        const bool group = (i >= 4 && i <= 7) || (i >= 12 && i <= 14) || (i >= 18 && i <= 21);
        g_entries[i].colour = active ? (group ? second : first) : Screen_Grey192;
    }
    return stainless ? Stainless_List_Entry(0, active) : WELD_GRADE_COUNT;
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

// How the register last showed each record (the few of a page): with own
// strengths or not, and the pair it showed them as. Own strengths whose
// ranges hold values of their own, as a file gave them, are shown by range
// (one pair would make them one); those of a grade whose "Vorgabe" was just
// ticked, and the ranges that still hold the pair the register showed (the
// user has just typed the first), follow the pair.
struct Shown_Pair {
    const Materialparameter_Record* m;
    bool own, pair;
    double f_y, f_u;
};
Shown_Pair g_pairs[4];
int g_next_pair = 0;

const Shown_Pair* Pair_Shown_For(const Materialparameter_Record* m) {
    for (const Shown_Pair& p : g_pairs)
        if (p.m == m) return &p;
    return nullptr;
}

// What the register showed of m now.
void Note_Shown_Pair(const Materialparameter_Record* m, bool own, bool pair) {
    Shown_Pair* p = const_cast<Shown_Pair*>(Pair_Shown_For(m));
    if (!p) p = &g_pairs[g_next_pair++ % 4];
    *p = Shown_Pair{m, own, pair, m->f_y1, m->f_u1};
}

// Own steel strengths shown as one pair (see Shown_Pair). Ranges below 1
// N/mm² hold no strength (the check refuses them): the pair fills them.
bool Shown_As_Pair(const Materialparameter_Record* m) {
    if (m->f_y2 == m->f_y1 && m->f_y3 == m->f_y1 && m->f_u2 == m->f_u1 && m->f_u3 == m->f_u1) return true;
    if (m->f_y2 < 1.0 && m->f_y3 < 1.0) return true;
    const Shown_Pair* p = Pair_Shown_For(m);
    if (!p) return false;
    if (!p->own) return true;
    return p->pair && m->f_y2 == p->f_y && m->f_y3 == p->f_y && m->f_u2 == p->f_u && m->f_u3 == p->f_u;
}

// One pair for every thickness (and for aluminium f_o, f_u). Stainless
// steel is checked with its first range at every thickness: the others are
// left as they stand.
int Pair_Rows(const Register& r, Materialparameter_Record* m, int y, int step) {
    const bool aluminium = m->kind == 2;
    if (!Stainless(m)) {
        m->f_y2 = m->f_y3 = m->f_y1;
        m->f_u2 = m->f_u3 = m->f_u1;
    }
    m->f_y = m->f_y1;
    m->f_u = m->f_u1;
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
    Take_Picked_Grade(m);
    const bool stainless = Stainless(m);
    const int count = Fill_List(m->kind, active != 0, stainless);
    const int width = aluminium ? 16 : 12;
    int* grade = &m->grade;
    if (stainless && m->kind == 1) {
        Shown_Choice& c = g_choices[g_next_choice++ % 4];
        c = Shown_Choice{m, Stainless_Entry(1), Stainless_Entry(1)};
        grade = &c.value;
    }
    Label(r, row, aluminium ? "Legierung" : "Stahlsorte");
    Add_Choice_List_to_Scrollable_Area(area, x + X_FIELD, row, g_entries, Screen_Font_Normal, width, count, grade,
                                       r.slot);
    // The check box a character's width clear of the drop-down's frame.
    Add_Check_Box_to_Scrollable_Area(area, x + X_FIELD + 8 * width + 60, row, "Vorgabe", Screen_Font_Normal, r.text,
                                     &m->own_values, r.slot);
    row += step;
    Label(r, row, "Kennung");
    Add_Edit_Text_to_Scrollable_Area(area, x + X_FIELD, row, m->name, Screen_Font_Normal, r.text, r.slot);
    Set_Visible_Length_of_Last_Edit_Text(area, NAME_VISIBLE);
    row += step;
    // Own strengths that differ by thickness range are shown by range
    // wherever the register stands: one pair would make them one.
    const bool own_strengths = m->own_values || stainless;
    bool pair = false;
    if (own_strengths) {
        pair = aluminium || stainless || (!material_ranges_shown && Shown_As_Pair(m));
        row = pair ? Pair_Rows(r, m, row, step) : Range_Rows(r, m, row, step, group_gap);
    }
    Note_Shown_Pair(m, own_strengths, pair);
    // The table's constants are not the user's to change: shown only, and a
    // click on one says how they become the user's. Stainless steel's are
    // its own, as its strengths are.
    int* own = own_strengths ? r.slot : &g_never;
    const auto say_why = [&] {
        if (active && !own_strengths)
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

void Forget_Material_Sheet_Pairs(void) {
    for (Shown_Pair& p : g_pairs) p = Shown_Pair{};
    g_next_pair = 0;
    for (Shown_Choice& c : g_choices) c = Shown_Choice{};
    g_next_choice = 0;
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
