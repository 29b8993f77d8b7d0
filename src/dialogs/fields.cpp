// Field widgets (see fields.h): the field-area state, the width rule, the
// adders, the int table's look-ups and the value bands.
#include "dialogs/fields.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/vesk.h"
#include "dialogs/field_transform.h"
#include "dialogs/fields_internal.h"
#include "dialogs/scrollarea.h"
#include "dialogs/shading.h"
#include "dialogs/valuecheck.h"
#include "platform/font.h"
#include "platform/format.h"
#include "platform/screen.h"

namespace {

const int STYLE_FLAGS = 0x70000;
const int BOLD = 0x10000;

struct Field_State {
    int area = -1;
    int font = RFONT_NORMAL;
    int text_colour = 0;
    int background = 0;
    int last[4] = {0, 0, 0, 0};  // left, right, top, bottom
    int last_state = 0;
};
Field_State field;

// The words handed to the area as the activity of editable and of
// read-only widgets; nothing ever writes them.
int editable_word = 1;
int read_only_word = 0;

struct Value_Bands {
    double start = 10.0, width = 20.0;
    int a[3] = {-1, -1, -1};
    int b[3] = {-1, -1, -1};
};
Value_Bands bands;

bool Is_On(const int *word) { return word && *word != 0; }

// Colour and activity word of a three-valued state.
void State_Look(const int *state, int *colour, int **word) {
    int s = state ? *state : 0;
    *colour = s == 1 || s == -1 ? field.text_colour : Field_Inactive_Color();
    *word = s == 1 ? &editable_word : &read_only_word;
}

int Round_Half_Away(double v) { return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5); }

// A widget's formatted text: at most 255 characters.
std::string Formatted(const char *format, va_list ap) {
    char text[256];
    VEK_Format_Bounded_V(text, sizeof text, format, ap);
    return text;
}

// Width of a text in a font word's font, flags cleared, without the rule's
// additions.
int Measured(const char *text, int font) {
    Pop_RFont(font & ~STYLE_FLAGS);
    int w = Field_Text_Width(text);
    Push_RFont();
    return w;
}

// Text width of a symbol (font 0x1000) or an index (small font): measured
// + base, + 2 with the bold flag; an empty text base - 3 (+ 2).
int Symbol_Part_Width(const char *text, int small, bool flag) {
    int w = Measured(text, small ? RFONT_SMALL : RFONT_NORMAL);
    int base = small ? 4 : 3;
    if (w == 0) return (small ? 1 : 0) + (flag ? 2 : 0);
    return w + base + (flag ? 2 : 0);
}

int Aligned_X(int x, int width, int horizontal) {
    if (horizontal == 1) return x - width;
    if (horizontal == 4) return x - Round_Half_Away(width / 2.0);
    return x;
}

int Aligned_Y(int y, int vertical) {
    return vertical == 0 ? y + 9 : vertical == 4 ? y + 5 : y;
}

void Add_Text(int x, int y, const char *text, int font, int colour) {
    Add_Text_to_Scrollable_Area(field.area, x, y, text, font, colour, 0);
}

// Symbol and lowered index at (x, y) in the given fonts; returns the width.
int Symbol_With_Index(int x, int y, const char *symbol, const char *index, int symbol_font,
                      int index_font, int colour, bool flag) {
    int w1 = Symbol_Part_Width(symbol, false, flag);
    Add_Text(x, y, symbol ? symbol : "", symbol_font, colour);
    if (!index || !*index) return w1;
    Add_Text(x + w1 + 1, y + 1, index, index_font, colour);
    return w1 + Symbol_Part_Width(index, true, flag);
}

// The fonts of a symbol and its index for the field font's flags.
void Symbol_Fonts(int *symbol_font, int *index_font) {
    bool bold = field.font & BOLD;
    *symbol_font = bold ? 0x11000 : RFONT_NORMAL;
    *index_font = bold ? 0x11002 : RFONT_SMALL;
    if (field.font & 0x20000) {
        *symbol_font |= 0x20000;
        *index_font |= 0x20000;
    }
    if (field.font & 0x40000) {
        *symbol_font |= 0x40000;
        *index_font |= 0x40000;
    }
}

void Init_Bands_If_Needed(const int *set) {
    if (*set == -1) Init_Value_Band_Colors();
}

int Band_Color(const int *set, int v) {
    if (v < bands.start + bands.width) return set[0];
    if (v < bands.start + 2.0 * bands.width) return set[1];
    return set[2];
}

}  // namespace

int Field_Colour(int active) { return active ? field.text_colour : Field_Inactive_Color(); }

// ---- set-up and accessors -----------------------------------------------------

void Begin_Field_Area(int slot) {
    field.area = slot;
    field.font = RFONT_NORMAL;
    field.text_colour = Nearest_Color_Index(0, 0, 0);
    field.background = Nearest_Color_Index(255, 255, 255);
    Clear_Button_Tables();
    Take_Hover_Context(slot);
}

int Current_Field_Area(void) { return field.area; }
int Current_Field_Font(void) { return field.font; }
void Set_Field_Font(int font) { field.font = font; }
void Set_Field_Text_Color(int colour) { field.text_colour = colour; }
int Get_Field_Text_Color(void) { return field.text_colour; }
void Set_Field_Background_Color(int colour) { field.background = colour; }
int Get_Field_Background_Color(void) { return field.background; }
int Field_Inactive_Color(void) { return Nearest_RGB_Color(198, 195, 198); }

int Field_Text_Width(const char *text) {
    if (!text) return 0;
    const std::string s = text;
    const char ESC = '\xCE';
    if (s.find(ESC) == std::string::npos) return Text_Width_in_Pixels(text);
    auto width = [](const std::string &piece) { return Text_Width_in_Pixels(piece.c_str()); };
    int total = 0;
    size_t pos = 0;
    for (;;) {
        size_t esc = s.find(ESC, pos);
        if (esc == std::string::npos) {
            total += width(s.substr(pos));
            break;
        }
        total += width(s.substr(pos, esc - pos));
        if (esc + 1 >= s.size()) break;
        const char code = s[esc + 1];
        size_t close = s.find(ESC, esc + 2);
        std::string content = s.substr(esc + 2, close == std::string::npos ? std::string::npos : close - esc - 2);
        if (code == 'C' || code == 'c') {
            size_t blank = content.find(' ');
            if (blank != std::string::npos && blank + 1 < content.size()) total += width(content.substr(blank + 1));
        } else if (code == 'B' || code == 'b') {
            if (content.size() >= 2) total += width(content);
        }
        // Two characters must follow the closing byte: its code and more text.
        if (close == std::string::npos || s.size() - (close + 1) < 2) break;
        pos = close + 2;
    }
    return total;
}

int Field_Text_Width_in_Font(const char *text, int font) {
    const bool flag = (font & STYLE_FLAGS) != 0;
    int w = Measured(text, font);
    if (w == 0) return flag ? 2 : 0;
    return w + 3 + (flag ? 2 : 0);
}

int Choice_Field_Width(const char *texts, int stride, int count, int font) {
    if (count < 1 || !texts) return 33;
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, Field_Text_Width_in_Font(texts + static_cast<size_t>(i) * stride, font));
    return static_cast<int>(widest * 0.125) * 8 + 33;
}

void Get_Last_Field_Rectangle(int *x1, int *x2, int *y1, int *y2, int *state) {
    if (x1) *x1 = field.last[0];
    if (x2) *x2 = field.last[1];
    if (y1) *y1 = field.last[2];
    if (y2) *y2 = field.last[3];
    if (state) *state = field.last_state;
}

void Set_Last_Field_Rectangle(int x1, int x2, int y1, int y2, int state) {
    field.last[0] = x1;
    field.last[1] = x2;
    field.last[2] = y1;
    field.last[3] = y2;
    field.last_state = state;
}

// ---- texts and symbols ------------------------------------------------------------

int Add_Labelled_Text_Field(int x, int y, const char *text, int *active) {
    Add_Text(x, y, text, field.font, Field_Colour(Is_On(active)));
    return Field_Text_Width_in_Font(text, field.font);
}

int Add_Field_Text(int x, int y, const char *text, int *active) {
    if (field.area < 0) return 0;
    return Add_Labelled_Text_Field(x, y, text, active);
}

int Add_Field_Text_Printf(int x, int y, const char *format, ...) {
    if (field.area < 0 || !format) return 0;
    va_list ap;
    va_start(ap, format);
    const std::string text = Formatted(format, ap);
    va_end(ap);
    return Add_Labelled_Text_Field(x, y, text.c_str(), &editable_word);
}

// A style-2 text: its width in the field font without flags + 5, 2 empty.
static int Style_2_Text(int x, int y, const char *text, int colour) {
    Add_Text(x, y, text, field.font | 0x20000, colour);
    int w = Measured(text, field.font);
    return w == 0 ? 2 : w + 5;
}

int Add_Field_Text_Style_2(int x, int y, const char *text, int *active) {
    if (field.area < 0) return 0;
    return Style_2_Text(x, y, text, Field_Colour(Is_On(active)));
}

int Add_Field_Text_Style_2_Printf(int x, int y, const char *format, ...) {
    if (field.area < 0 || !format) return 0;
    va_list ap;
    va_start(ap, format);
    const std::string text = Formatted(format, ap);
    va_end(ap);
    return Style_2_Text(x, y, text.c_str(), field.text_colour);
}

int Add_Field_Text_Small(int x, int y, const char *text, int *active) {
    if (field.area < 0) return 0;
    const int font = field.font | 2;
    Add_Text(x, y, text, font, Field_Colour(Is_On(active)));
    return Field_Text_Width_in_Font(text, font);
}

int Add_Field_Text_Small_Style_1(int x, int y, const char *text, int *active) {
    if (field.area < 0) return 0;
    Add_Text(x, y, text, field.font | 0x10002, Field_Colour(Is_On(active)));
    int w = Measured(text, RFONT_SMALL);
    return w == 0 ? 2 : w + 5;
}

int Add_Field_Text_Aligned(int x, int y, const char *text, int vertical, int horizontal,
                           int *active) {
    if (field.area < 0) return 0;
    int w = Field_Text_Width_in_Font(text, field.font);
    Add_Text(Aligned_X(x, w, horizontal), Aligned_Y(y, vertical), text, field.font,
             Field_Colour(Is_On(active)));
    return w;
}

int Add_Field_Text_Centred(int y, const char *text, int *active) {
    if (field.area < 0) return 0;
    int x1 = 0, x2 = 0;
    if (!Registry_X_Range(field.area, &x1, &x2)) {
        int height = 0;
        Inquire_Scrollable_View_Area_Size(field.area, &x2, &height);
    }
    int w = Field_Text_Width_in_Font(text, field.font);
    Add_Text((x1 + x2) / 2 - Round_Half_Away(w / 2.0), y, text, field.font, Field_Colour(Is_On(active)));
    return w;
}

int Add_Field_Click_Text(int x, int y, const char *text, int value, int *selector, int *active) {
    int w = Add_Labelled_Text_Field(x, y, text, active);
    if (Is_On(active)) {
        Add_Click_Area_to_Scrollable_Area(field.area, x, y - 10, x + w, y, value, selector);
        Set_Click_Area_Mode(field.area, 18);
    }
    return w;
}

int Add_Field_Click_Text_Checked(int x, int y, const char *text, int value, int *selector,
                                 int *active) {
    if (field.area < 0) return 0;
    return Add_Field_Click_Text(x, y, text, value, selector, active);
}

int Add_Field_Symbol(int x, int y, const char *symbol, const char *index, int *active) {
    const bool flag = field.font & BOLD;
    return Symbol_With_Index(x, y, symbol, index, flag ? 0x11000 : RFONT_NORMAL,
                             flag ? 0x11002 : RFONT_SMALL, Field_Colour(Is_On(active)), flag);
}

int Add_Field_Symbol_Checked(int x, int y, const char *symbol, const char *index, int *active) {
    if (field.area < 0) return 0;
    return Add_Field_Symbol(x, y, symbol, index, active);
}

int Add_Field_Symbol_Flagged(int x, int y, const char *symbol, const char *index, int *active) {
    const int kept = field.font;
    field.font |= BOLD;
    int w = Add_Field_Symbol(x, y, symbol, index, active);
    field.font = kept;
    return w;
}

int Add_Field_Symbol_Aligned(int x, int y, const char *symbol, const char *index, int vertical,
                             int horizontal, int *active) {
    if (field.area < 0) return 0;
    const bool flag = field.font & BOLD;
    int symbol_font, index_font;
    Symbol_Fonts(&symbol_font, &index_font);
    int w1 = Symbol_Part_Width(symbol, false, flag);
    int w = w1 + (index && *index ? Symbol_Part_Width(index, true, flag) : 0);
    int xa = Aligned_X(x, w, horizontal), ya = Aligned_Y(y, vertical);
    return Symbol_With_Index(xa, ya, symbol, index, symbol_font, index_font,
                             Field_Colour(Is_On(active)), flag);
}

int Add_Field_Symbol_Aligned_Args(int x, int y, const char *symbol, const char *index,
                                  int vertical, int horizontal, int *active) {
    return Add_Field_Symbol_Aligned(x, y, symbol, index, vertical, horizontal, active);
}

int Add_Field_Symbol_Sub_Super(int x, int y, const char *symbol, const char *subscript,
                               const char *superscript, int *active) {
    if (field.area < 0) return 0;
    const bool flag = field.font & BOLD;
    const int colour = Field_Colour(Is_On(active));
    const int small = flag ? 0x11002 : RFONT_SMALL;
    int total = Symbol_Part_Width(symbol, false, flag);
    Add_Text(x, y, symbol ? symbol : "", flag ? 0x11000 : RFONT_NORMAL, colour);
    const bool has_sub = subscript && *subscript;
    if (has_sub) {
        Add_Text(x + total + 1, y + 1, subscript, small, colour);
        total += Field_Text_Width_in_Font(subscript, small) + 1;
    }
    if (superscript && *superscript) {
        const int s = has_sub ? 1 : 0;
        Add_Text(x + total - s, y - 5, superscript, small, colour);
        total += Field_Text_Width_in_Font(superscript, small) - s;
    }
    return total;
}

// ---- input widgets ------------------------------------------------------------

int Add_Field_Float_with_Range(int x, int y, double *value, double minimum, double maximum, int *active) {
    if (field.area < 0) return 0;
    char format[16];
    std::snprintf(format, sizeof format, "%%%d.%df", 8, 1);
    Add_Float_to_Scrollable_Area(field.area, x + 7, y, value, format, field.font & STYLE_FLAGS,
                                 Field_Colour(Is_On(active)), active);
    Set_Bounds_of_Last_Float(field.area, minimum, maximum);
    return 79;
}

int Add_Field_Edit_Text(int x, int y, char *text, int, int *state) {
    if (field.area < 0) return 0;
    int colour;
    int *word;
    State_Look(state, &colour, &word);
    Add_Edit_Text_to_Scrollable_Area(field.area, x + 7, y, text, 0, colour, word);
    int n = text ? static_cast<int>(std::strlen(text)) : 0;
    int w = n == 0 ? 13 : RFont_Text_Width(RFONT_NORMAL, text, n) + 16;
    Set_Last_Field_Rectangle(x, x + w, y - 13, y + 5, state ? *state : 0);
    return w;
}

int Add_Field_Edit_Text_Padded(int x, int y, char *text, int n, int *state) {
    if (field.area < 0) return 0;
    if (text && n >= 0) {
        std::string kept = text;
        std::snprintf(text, static_cast<size_t>(n) + 1, "%-*.*s", n, n, kept.c_str());
    }
    return Add_Field_Edit_Text(x, y, text, n, state);
}

int Add_Field_Edit_Text_Visible(int x, int y, char *text, int n, int v, int *state) {
    if (field.area < 0) return 0;
    Add_Field_Edit_Text_Padded(x, y, text, std::max(n, v), state);
    Set_Visible_Length_of_Last_Edit_Text(field.area, v);
    return v * 8 + 19;
}

int Add_Field_Radio_Button(int x, int y, const char *text, int value, int *selector, int *state) {
    if (field.area < 0) return 0;
    int colour;
    int *word;
    State_Look(state, &colour, &word);
    const bool on = selector && *selector == value && Is_On(state);
    Add_Radio_Button_to_Scrollable_Area(field.area, x + 20, y, text ? text : "",
                                        field.font | (on ? BOLD : 0), colour, value, selector, state);
    int w = !text || !*text ? 13 : Field_Text_Width_in_Font(text, field.font) + 20;
    Set_Last_Field_Rectangle(x, x + w, y - 13, y + 5, state ? *state : 0);
    return w;
}

int Add_Choice_Field(int x, int y, const char *text, int *variable, int *state) {
    if (field.area < 0) return 0;
    const int s = state ? *state : 0;
    int colour;
    int *word;
    State_Look(state, &colour, &word);
    const bool box = (s == 1 || s == -1) && field.background == Nearest_Color_Index(255, 251, 240);
    const int font = field.font | (Is_On(variable) && s != 0 ? BOLD : 0);
    const int kept = field.background;
    if (box) {
        field.background = Nearest_RGB_Color(255, 255, 255);
        Add_World_Filled_Rectangle(x, y, x + 10, y - 10);
    }
    Add_Check_Box_to_Scrollable_Area(field.area, x + 20, y, text, font, colour, variable, word);
    if (s == -1) Add_Text(x + 20, y, text, font, colour);
    field.background = kept;
    int w = !text || !*text ? 13 : Field_Text_Width_in_Font(text, field.font) + 20;
    Set_Last_Field_Rectangle(x, x + w, y - 13, y + 5, s);
    return w;
}

int Add_Shaded_Fixed_Width_Field(int x, int y, const char *texts, const int *colours, int stride,
                                 int count, int *selection, int *state) {
    const int s = state ? *state : 0;
    int colour = field.text_colour, frame = -1;
    int *word = &read_only_word;
    if (s == -1) {
        colour = Shade_Color(field.text_colour, 40.0);
        frame = Nearest_RGB_Color(220, 220, 220);
    } else if (s == 1) {
        word = &editable_word;
    } else {
        colour = Field_Inactive_Color();
    }
    if (field.area < 0 || count < 1 || stride < 2 || !texts) return 0;
    if (frame >= 0) {
        field.background = frame;
        Add_World_Filled_Rectangle(x, y + 5, x - 1, y - 13);
    }
    auto *pairs = static_cast<Choice_List_Entry *>(
        Mem_Calloc(__FILE__, __LINE__, "null", static_cast<size_t>(count), sizeof(Choice_List_Entry)));
    if (!pairs) return 0;
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        char *text = const_cast<char *>(texts + static_cast<size_t>(i) * stride);
        pairs[i].text = text;
        // A greyed field shows every entry grey: an entry in its own colour
        // would look as if it could be chosen.
        pairs[i].colour = colours && (s == 1 || s == -1) ? colours[i] : colour;
        widest = std::max(widest, Field_Text_Width_in_Font(text, field.font));
    }
    const int chars = static_cast<int>(widest * 0.125);
    Add_Choice_List_to_Scrollable_Area(field.area, x + 7, y, pairs, field.font, chars, count, selection,
                                       word);
    Give_Entries_to_Last_Choice_List(field.area);
    Scrollable_View_Area *a = Scrollable_View_Area_Record(field.area);
    if (!a || !a->last_item || a->last_item->entries != pairs) Mem_Free(__FILE__, __LINE__, "null", pairs);
    const int w = chars * 8 + 33;
    Set_Last_Field_Rectangle(x, x + w, y - 13, y + 5, s);
    return w;
}

int Add_Choice_List_Field(int x, int y, Field_Choice_List *list, int *selection, int *state) {
    if (!list) return 0;
    if (selection && list->entry_flags) {
        while (*selection > 0 && *selection < list->count &&
               (list->entry_flags[*selection] & FIELD_CHOICE_SEPARATOR))
            --*selection;
    }
    return Add_Shaded_Fixed_Width_Field(x, y, list->texts, list->colours, list->stride, list->count,
                                        selection, state);
}

// ---- int table -------------------------------------------------------------------

void Set_Registered_Int(int *variable, int value) {
    double *copy = Sheet_Int_Working_Copy(variable);
    if (!copy) return;
    *variable = value;
    *copy = value;
}

int Get_Registered_Int(int *variable) {
    return Sheet_Int_Working_Copy(variable) ? *variable : -99999999;
}

// ---- value bands -----------------------------------------------------------------

void Reset_Value_Bands(void) {
    bands.start = 10.0;
    bands.width = 20.0;
}

void Set_Value_Band_Start(double start) { bands.start = start; }
void Set_Value_Band_Width(double width) { bands.width = width; }

int Value_Band_Limit(int i) { return static_cast<int>(i * bands.width + bands.start); }

void Init_Value_Band_Colors(void) {
    bands.a[0] = BLACK_CI;
    bands.a[1] = Nearest_Color_Index(132, 97, 66);
    bands.a[2] = Nearest_Color_Index(64, 128, 192);
    bands.b[0] = BLACK_CI;
    bands.b[1] = Nearest_Color_Index(100, 72, 49);
    bands.b[2] = Nearest_Color_Index(0, 0, 150);
}

void Set_Value_Band_Color(int slot, int colour) {
    Init_Bands_If_Needed(bands.a);
    bands.a[std::clamp(slot, 0, 2)] = colour;
}

void Set_Value_Band_Color_B(int slot, int colour) {
    Init_Bands_If_Needed(bands.b);
    bands.b[std::clamp(slot, 0, 2)] = colour;
}

int Value_Band_Color(int v) {
    Init_Bands_If_Needed(bands.a);
    return Band_Color(bands.a, v);
}

int Value_Band_Color_B(int v) {
    Init_Bands_If_Needed(bands.b);
    return Band_Color(bands.b, v);
}

void Reset_Fields_State(void) {
    field = Field_State{};
    bands = Value_Bands{};
}
