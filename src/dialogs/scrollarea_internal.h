// Helpers shared by the files of the scrollable view areas; not for other
// modules.
#ifndef DIALOGS_SCROLLAREA_INTERNAL_H
#define DIALOGS_SCROLLAREA_INTERNAL_H

#include "dialogs/scrollarea.h"

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
