// The plate rows and the safety-factor rows of the weld program's input
// page.
#include "codes/blech_pages.h"

#include <algorithm>
#include <string>

#include "base/cp850.h"
#include "codes/input_ranges.h"
#include "codes/material_sheet.h"
#include "dialogs/scrollarea.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/font.h"

namespace {

// The value column of the long labels: the raster font's labels need 216
// pixels; 222 is the material register's column, so that plate and
// material fields stand one below the other.
enum { PLATE_COLUMN = 222 };

// Width in pixels of a text in a font word (a bold word draws one pixel
// wider).
int Width(const char* text, int font) {
    Pop_RFont(font & 0xFFFF);
    const int w = Text_Width_in_Pixels(text);
    Push_RFont();
    return w + ((font & AREA_FONT_BOLD) ? 1 : 0);
}

void Text(int area, int x, int y, const char* text, int font, int colour) {
    Add_Text_to_Scrollable_Area(area, x, y, text, font, colour, 0);
}

// The values the fields take, those of the input's one table of ranges
// (what the plate and factor checks accept, and the input file's reader).
using Bounds = Input_Range;
constexpr Bounds kPlateThickness = Input_Range_Of(RANGE_PLATE_THICKNESS);
constexpr Bounds kPlateExtent = Input_Range_Of(RANGE_PLATE_EXTENT);
constexpr Bounds kPartialFactor = Input_Range_Of(RANGE_PARTIAL_FACTOR);

// A "%6.1f" or "%6.2f" field that refuses a typed value outside its bounds
// (the field keeps its value).
void Field(int area, int x, int y, double* value, const char* format, int colour, int* slot, Bounds bounds) {
    Add_Float_to_Scrollable_Area(area, x, y, value, format, Screen_Font_Normal, colour, slot);
    Set_Bounds_of_Last_Float(area, bounds.minimum, bounds.maximum);
}

struct Factor_Row {
    double Sicherheitsbeiwerte_Record::*field;
    const char* subscript;
    int bits;
    bool not_with_mask_0;
    const char* long_label;
    const char* short_label;
};

const Factor_Row kFactorRows[11] = {
    {&Sicherheitsbeiwerte_Record::gamma_M0, "M0", 0x154, false, "Beanspruchbarkeit von Querschnitten", "Querschnitte"},
    {&Sicherheitsbeiwerte_Record::gamma_M1, "M1", 0x8, false, "Beanspruchbarkeit von Bauteilen bei Stabilitätsversagen"_cp,
     "Stabilität"_cp},
    {&Sicherheitsbeiwerte_Record::gamma_M2, "M2", 0x73, false, "Beanspruchbarkeit von Verbindungsmitteln",
     "Verbindungsmittel"},
    {&Sicherheitsbeiwerte_Record::gamma_M3, "M3", 0x100, false, "Gleitfestigkeit von Schraubverbindungen (Kategorie C)",
     "Schrauben (Kat. C)"},
    {&Sicherheitsbeiwerte_Record::gamma_M3ser, "M3,ser", 0x80, false,
     "Gleitfestigkeit von Schraubverbindungen im GZG (Kat. B)", "Schrauben (Kat. B)"},
    {&Sicherheitsbeiwerte_Record::gamma_M4, "M4", 0x20, false, "Lochleibungsbeanspruchbarkeit von Injektionsschrauben",
     "Injektionsschrauben"},
    {&Sicherheitsbeiwerte_Record::gamma_M6ser, "M6,ser", 0x40, false, "Beanspruchbarkeit von Bolzen im GZG", "Bolzen"},
    {&Sicherheitsbeiwerte_Record::gamma_M5, "M5", 0x1000, true, "Beanspruchbarkeit von Hohlprofilverbindungen", ""},
    {&Sicherheitsbeiwerte_Record::gamma_M7, "M7", 0x200, false, "Vorspannung hochfester Schrauben", "Vorspannung"},
    {&Sicherheitsbeiwerte_Record::gamma_Mser, "M,ser", 0x400, false, "Gebrauchstauglichkeit", "Gebrauchstauglichkeit"},
    {&Sicherheitsbeiwerte_Record::gamma_Mfi, "M,fi", 0x800, false, "Beanspruchbarkeit von Bauteilen im Brandfall",
     "Brandfall"},
};

bool Shown(const Factor_Row& row, int mask) { return mask == 0 ? !row.not_with_mask_0 : (mask & row.bits) != 0; }

// Dots from after the label to `right`, one every 8 pixels.
std::string Leader(int from, int right) {
    const int n = (right - from + 3) / 8;
    std::string dots;
    for (int i = 0; i < n; ++i) dots += i % 2 ? ' ' : '.';
    if (!dots.empty() && dots.back() == ' ') dots.pop_back();
    return dots;
}

}  // namespace

void Draw_Plate_Sheet(Blech_Record* plate, int area, int x, int* y, int step, int word1, int word2, int enabled,
                      int colour, int rows, const char* subscript) {
    if (!plate || !y) return;
    int* slot = Next_Register_Field_Flag(enabled ? 1 : 0);
    const int text = enabled ? colour : Screen_Grey192;
    const int unit = enabled ? Screen_Grey160 : Screen_Grey192;
    struct Dimension {
        int bit;
        const char* label;
        const char* symbol;
        int subscript_dx;
        double* value;
        Bounds bounds;
    };
    const Dimension dimensions[3] = {{PLATE_ROW_THICKNESS, "Blechdicke", "t", 6, &plate->t, kPlateThickness},
                                     {PLATE_ROW_WIDTH, "Blechbreite", "b", 8, &plate->b, kPlateExtent},
                                     {PLATE_ROW_LENGTH, "Blechlänge"_cp, "l", 4, &plate->l, kPlateExtent}};
    for (const Dimension& d : dimensions) {
        if (!(rows & d.bit)) continue;
        Text(area, x, *y, d.label, Screen_Font_Normal, text);
        Text(area, x + PLATE_COLUMN - 30, *y, d.symbol, Screen_Font_Normal, text);
        if (subscript)
            Text(area, x + PLATE_COLUMN - 30 + d.subscript_dx, *y + 2, subscript, Screen_Font_Small, text);
        Field(area, x + PLATE_COLUMN, *y, d.value, "%6.1f", text, slot, d.bounds);
        Text(area, x + PLATE_COLUMN + 65, *y, "mm", Screen_Font_Normal, unit);
        *y += step;
    }
    if (rows & PLATE_ROW_MATERIAL)
        Draw_Material_Sheet(&plate->material, area, x, y, step, word1, word2, enabled, colour, rows);
    Next_Register_Field_Flag(enabled ? 1 : 0);
}

int Draw_Safety_Factors_Sheet(Sicherheitsbeiwerte_Record* factors, int area, int x, int* y, int step, int, int,
                              int enabled, int mask, int layout) {
    if (!factors || !y) return 0;
    // Columns of symbol, field and the empty text behind it.
    int symbol, value, end;
    if (layout == 0) {
        symbol = 165, value = 200, end = 265;
    } else if (mask == 0 || (mask & 0x128)) {
        symbol = layout > 0 && (mask == 0 || (mask & 0x480)) ? 335 : 350, value = 385, end = 450;
    } else {
        symbol = layout > 0 && (mask & 0x480) ? 310 : 325, value = 360, end = 425;
    }
    // The raster font's labels are wider than the columns allow for: the
    // columns move right until the widest label shown (and its leader) fits.
    int widest = 0;
    for (const Factor_Row& row : kFactorRows)
        if (Shown(row, mask)) widest = std::max(widest, Width(layout > 0 ? row.long_label : row.short_label, 0x1000));
    const int shift = std::max(0, widest + (layout > 0 ? 34 : 10) - symbol);
    symbol += shift, value += shift, end += shift;

    int* heading_slot = Next_Register_Field_Flag(enabled ? 1 : 0);
    const int switch_colour = enabled ? Screen_Black : Screen_Grey192;
    Text(area, x, *y, "Materialsicherheit", Screen_Font_Bold, Screen_Black);
    int heading_end = x + Width("Materialsicherheit", Screen_Font_Bold);
    int paren = x + 110;
    if (CurOb_Application_Number() == 145) {
        const int at = std::max(x + 106, heading_end + 8);
        Text(area, at, *y, "für Anschlüsse"_cp, Screen_Font_Bold, Screen_Black);
        heading_end = at + Width("für Anschlüsse"_cp, Screen_Font_Bold);
        paren += 92;
    }
    paren = std::max(paren, heading_end + 8);
    Text(area, paren, *y, "(", Screen_Font_Normal, switch_colour);
    Add_Check_Box_to_Scrollable_Area(area, paren + 27, *y, "genormt)", Screen_Font_Normal, switch_colour,
                                     &factors->from_annex, heading_slot);
    *y += step + (layout == 0 ? 5 : 0);

    const bool editable = enabled && !factors->from_annex;
    int* row_slot = Next_Register_Field_Flag(editable ? 1 : 0);
    const int colour = editable || layout == 0 ? Screen_Black : Screen_Blue;
    for (const Factor_Row& row : kFactorRows) {
        if (!Shown(row, mask)) continue;
        const char* label = layout > 0 ? row.long_label : row.short_label;
        Text(area, x, *y, label, Screen_Font_Normal, colour);
        if (layout > 0) {
            const std::string dots = Leader(x + Width(label, 0x1000) + 8, x + symbol - 10);
            if (!dots.empty()) Add_Text_to_Scrollable_Area(area, x + symbol - 10, *y, dots.c_str(), Screen_Font_Normal,
                                                           Screen_Grey130, 1);
        }
        Text(area, x + symbol, *y, "\xC0", Screen_Font_Normal, colour);
        Text(area, x + symbol + 8, *y + 2, row.subscript, Screen_Font_Small, colour);
        Field(area, x + value, *y, &(factors->*row.field), "%6.2f", colour, row_slot, kPartialFactor);
        if (enabled && factors->from_annex)
            Set_Disabled_Reason_of_Last_Item(area, "Die Teilsicherheitsbeiwerte folgen dem nationalen Anhang, "
                                                   "solange \"genormt\" angehakt ist.\n"
                                                   "Für eigene Werte den Haken bei \"genormt\" entfernen."_cp);
        Text(area, x + end, *y, "", Screen_Font_Normal, colour);
        *y += step;
    }
    Next_Register_Field_Flag(enabled ? 1 : 0);
    return *y;
}
