// Helpers shared by the files of the scrollable view areas; not for other
// modules.
#ifndef DIALOGS_SCROLLAREA_INTERNAL_H
#define DIALOGS_SCROLLAREA_INTERNAL_H

#include <string>

#include "dialogs/scrollarea.h"
#include "platform/font.h"

// A defined or merely reserved slot's record, else null.
Scrollable_View_Area *Used_Area(int slot);

// A slot holding a sheet area (defined, not merely reserved), else null.
Scrollable_View_Area *Placed_Area(int slot);

// An item is enabled while its flag is set and non-zero.
inline bool Item_Enabled(const Scrollable_Area_Item *it) {
    return it->enabled && *it->enabled != 0;
}

// Field widths are kept even.
inline int Even_Width(int w) { return (w + 1) / 2 * 2; }

// Width of the first n characters (-1: all) of a text in a font word, the
// style flags ignored; 0 for null.
inline int Width_In_Font(const char *text, int font, int n = -1) {
    if (!text) return 0;
    return RFont_Text_Width(font & RFONT_WORD_BITS, text, n);
}

// The value of a double field as shown: in its format's width with the
// decimal places the value has, at least the format's and at most those the
// field keeps (field_number.h); `in_room`: a value wider than the field's
// room with an exponent and the digits that fit.
std::string Double_Field_Text(const Scrollable_Area_Item *it, bool in_room = true);
// The same text and the format of one conversion that prints it (for the
// field's inline editor).
std::string Double_Field_Format(const Scrollable_Area_Item *it);

// The line table entry holding the editor's cursor (0 for an empty table).
int Edit_Field_Cursor_Line(const Edit_Field_State *state);

// Draws a bitmap button's look (0 disabled, 1 normal, 2 hover, 3 pressed)
// at the screen position (x, y).
void Draw_Bitmap_Button_Look(const Scrollable_Area_Item *item, int x, int y, int look);

// The multi-line editor running now (null when none): the text painters use
// its font word to pick the fixed 8-pixel width of font 0.
void Set_Active_Edit_Field(const Edit_Field_State *state);

// Lays out a multi-line field's text into its line table for the usable
// width, without painting.
void Relayout_Edit_Field(Edit_Field_State *state, int usable);

#endif
