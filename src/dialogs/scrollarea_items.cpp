// Items of the scrollable view areas: one adder per kind, the setters of the
// last added item, and freeing.
//
// Every adder takes the slot first and does nothing for an invalid or free
// slot; it appends the item, fills it and raises the area's content extent
// (never lowers it).  An item whose allocation fails is simply not added:
// no dialog expects a result from an adder.
#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

#include "base/vesk.h"
#include "dialogs/scrollarea.h"
#include "dialogs/scrollarea_internal.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/screen.h"

namespace {

#define ITEM_ALLOC(n) Mem_Calloc(__FILE__, __LINE__, "null", 1, (n))
#define ITEM_STRDUP(s) ((s) ? Mem_Strdup(__FILE__, __LINE__, "null", (s)) : nullptr)
#define ITEM_FREE(p) Mem_Free(__FILE__, __LINE__, "null", (p))

void Grow(Scrollable_View_Area *a, int width, int height) {
    a->content_width = std::max(a->content_width, width);
    a->content_height = std::max(a->content_height, height);
}

// Style of a text item from its font word; the flags are removed.
int Take_Style(int *font, bool text_item) {
    int style = 0;
    if (*font & AREA_FONT_BOLD) style = 1;
    if (text_item && (*font & AREA_FONT_FAINT_SHADOW)) style = 3;
    if (text_item && (*font & AREA_FONT_SOFT_SHADOW)) style = 2;
    *font &= ~AREA_FONT_STYLES;
    return style;
}

// Raises the content extent to the item's lower right corner plus a margin;
// the corners may be given in either order.
void Grow_Past_Corners(Scrollable_View_Area *a, const Scrollable_Area_Item *it, int margin) {
    Grow(a, std::max(it->x1, it->x2) + margin, std::max(it->y1, it->y2) + margin);
}

// The set-up every text-bearing item shares: the style flags move from the
// font word into x2, the text (already copied by the caller where the item
// owns it, so the allocation is charged to the adder) and the position.
void Set_Text_Fields(Scrollable_Area_Item *it, int x, int y, char *text, int font, int colour,
                     bool text_item) {
    it->x2 = Take_Style(&font, text_item);
    it->font = font;
    it->colour = colour;
    it->text = text;
    it->x1 = x;
    it->y1 = y;
}

Scrollable_Area_Item *New_Item(int slot, int kind, Scrollable_View_Area **area) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return nullptr;
    Scrollable_Area_Item *item = Append_Scrollable_Area_Item(a);
    if (!item) return nullptr;
    item->kind = kind;
    *area = a;
    return item;
}

// An item placed by two corners (lines, rectangles, pictures, click areas).
Scrollable_Area_Item *New_Box_Item(int slot, int kind, int x1, int y1, int x2, int y2,
                                   Scrollable_View_Area **area) {
    Scrollable_Area_Item *item = New_Item(slot, kind, area);
    if (!item) return nullptr;
    item->x1 = x1;
    item->y1 = y1;
    item->x2 = x2;
    item->y2 = y2;
    return item;
}

Scrollable_Area_Item *Last_Of_Kind(int slot, int k1, int k2 = -1, int k3 = -1, int k4 = -1,
                                   int k5 = -1) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a || !a->last_item) return nullptr;
    int k = a->last_item->kind;
    return (k == k1 || k == k2 || k == k3 || k == k4 || k == k5) ? a->last_item : nullptr;
}

void Free_Item(Scrollable_Area_Item *item) {
    if (item->kind != AREA_ITEM_EDIT_TEXT && item->kind != AREA_ITEM_EDIT_FIELD)
        ITEM_FREE(item->text);
    ITEM_FREE(item->text2);
    ITEM_FREE(item->reason);
    ITEM_FREE(item->owned);
    if (item->kind == AREA_ITEM_EDIT_FIELD && item->editor) {
        ITEM_FREE(item->editor->lines);
        ITEM_FREE(item->editor);
    }
    ITEM_FREE(item);
}

// Frees a chain of items from item to its end.
void Free_Items_From(Scrollable_Area_Item *item) {
    while (item) {
        Scrollable_Area_Item *next = item->next;
        Free_Item(item);
        item = next;
    }
}

}  // namespace

Scrollable_Area_Item *Append_Scrollable_Area_Item(Scrollable_View_Area *area) {
    if (!area) return nullptr;
    auto *item = static_cast<Scrollable_Area_Item *>(ITEM_ALLOC(sizeof(Scrollable_Area_Item)));
    if (!item) return nullptr;
    if (area->last_item) area->last_item->next = item;
    else area->first_item = item;
    area->last_item = item;
    return item;
}

void Add_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font, int colour,
                                 int right) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_TEXT, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(text), font, colour, true);
    int w = Width_In_Font(text, it->font);
    if (right == 1) it->x1 = x - w;
    Grow(a, it->x1 + w + 10, y + 10);
}

void Add_Line_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int colour) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_LINE, x1, y1, x2, y2, &a);
    if (!it) return;
    it->colour = colour;
    Grow_Past_Corners(a, it, 10);
}

void Add_Picture_to_Scrollable_Area(int slot, const char *file, int x1, int y1, int x2, int y2,
                                    int transparent) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_PICTURE, x1, y1, x2, y2, &a);
    if (!it) return;
    it->text = ITEM_STRDUP(file);
    it->count = transparent;
    Grow_Past_Corners(a, it, 10);
}

void Add_Boxed_Text_to_Scrollable_Area(int slot, const char *file, int x1, int y1, int x2, int y2,
                                       int colour) {
    Add_Picture_to_Scrollable_Area(slot, file, x1, y1, x2, y2, colour);
}

void Fix_Last_Picture_of_Scrollable_Area(int slot) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_PICTURE)) it->aux = 1;
}

void Add_User_Drawn_Area_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2,
                                            int user_value, Area_Draw_Function callback) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_USER_DRAWN, x1, y1, x2, y2, &a);
    if (!it) return;
    it->user_value = user_value;
    it->draw = callback;
    Grow_Past_Corners(a, it, 10);
}

void Add_Mask_to_Scrollable_Area(int slot, int x, int y, const int *mask, int colour) {
    int w = mask ? mask[0] : 0, h = mask ? mask[1] : 0;
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it =
        New_Box_Item(slot, AREA_ITEM_MASK, x, y, x + w - 1, y + h - 1, &a);
    if (!it) return;
    it->mask = mask;
    it->colour = colour;
    Grow_Past_Corners(a, it, 10);
}

void Add_Rotated_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                         int colour, int angle) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_ROTATED_TEXT, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(text), font, colour, false);
    it->y2 = angle == 90    ? PX_TURN_90
             : angle == 180 ? PX_TURN_180
             : angle == 270 ? PX_TURN_270
                            : 0;
    int w = Width_In_Font(text, it->font);
    if (angle == 90 || angle == 180) Grow(a, x + 10, y + 10);
    else if (angle == 270) Grow(a, x + 10, y + w + 10);
    else Grow(a, x + w + 10, y + 10);
}

void Add_Check_Box_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                      int colour, int *value, int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_CHECK_BOX, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(text), font, colour, false);
    it->variable = value;
    it->enabled = enabled;
    Grow(a, x + Width_In_Font(text, it->font) + 10, y + 10);
}

void Add_Radio_Button_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                         int colour, int value, int *selector, int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_RADIO_BUTTON, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(text), font, colour, false);
    it->aux = value;
    it->variable = selector;
    it->enabled = enabled;
    Grow(a, x + Width_In_Font(text, it->font) + 10, y + 10);
}

void Add_Click_Text_to_Scrollable_Area(int slot, int x, int y, const char *text, int font,
                                       int colour, int right, int highlight, int value,
                                       int *target) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_CLICK_TEXT, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(text), font, colour, false);
    int w = Width_In_Font(text, it->font);
    if (right == 1) it->x1 = x - w;
    it->count = highlight;
    it->click_value = value;
    it->click_target = target;
    Grow(a, it->x1 + w + 10, y + 10);
}

void Add_Float_to_Scrollable_Area(int slot, int x, int y, double *value, const char *format,
                                  int font, int colour, int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_DOUBLE, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, ITEM_STRDUP(format ? format : "%g"), font & ~RFONT_WORD_FLAG, colour, false);
    it->value = value;
    it->enabled = enabled;
    const int shows = VEK_Format_Decimals(it->text);
    it->decimals = shows < 0 ? -1 : std::max(shows, a->float_decimals);
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, it->text ? it->text : "%g", 0.0);
    it->aux = static_cast<int>(std::strlen(buffer));
    Grow(a, x + Width_In_Font(Double_Field_Text(it).c_str(), it->font) + 10, y + 10);
}

void Add_Rectangle_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int colour) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_RECTANGLE, x1, y1, x2, y2, &a);
    if (!it) return;
    it->colour = colour;
    Grow_Past_Corners(a, it, 0);
}

void Add_Click_Area_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, int value,
                                       int *target) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_CLICK_AREA, x1, y1, x2, y2, &a);
    if (!it) return;
    it->click_value = value;
    it->click_target = target;
    Grow(a, x2 + 10, y1 + 10);
}

void Set_Click_Area_Mode(int slot, int cursor_shape) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_CLICK_AREA)) it->aux = cursor_shape;
}

void Set_Tool_Tip_of_Last_Click_Area(int slot, const char *text, int font, int colour,
                                     int below) {
    Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_CLICK_AREA);
    if (!it) return;
    ITEM_FREE(it->text);
    it->text = ITEM_STRDUP(text);
    it->font = font & ~AREA_FONT_BOLD;
    it->colour = colour;
    it->count = (font & AREA_FONT_BOLD ? 1 : 0) + (below == 1 ? 16 : 0);
}

void Add_Marker_to_Scrollable_Area(int slot, int id) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_MARKER, &a);
    if (it) it->aux = id;
}

void Cut_Scrollable_Area_at_Marker(int slot, int id) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    Scrollable_Area_Item *prev = nullptr, *it = a->first_item;
    while (it && !(it->kind == AREA_ITEM_MARKER && it->aux == id)) {
        prev = it;
        it = it->next;
    }
    if (!it) return;
    if (prev) prev->next = nullptr;
    else a->first_item = nullptr;
    a->last_item = prev;
    Free_Items_From(it);
}

void Add_Tree_View_Image_to_Scrollable_Area(int slot, int image, int x1, int y1, int x2, int y2,
                                            int colour) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it =
        New_Box_Item(slot, AREA_ITEM_TREE_VIEW_IMAGE, x1, y1, x2, y2, &a);
    if (!it) return;
    it->image_id = image;
    it->colour = colour;
    Grow_Past_Corners(a, it, 10);
}

void Add_Edit_Text_to_Scrollable_Area(int slot, int x, int y, char *text, int font, int colour,
                                      int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_EDIT_TEXT, &a);
    if (!it) return;
    Set_Text_Fields(it, x, y, text, font & ~RFONT_WORD_FLAG, colour, false);
    it->aux = text ? static_cast<int>(std::strlen(text)) : 0;
    it->y2 = it->aux;  // visible length
    it->enabled = enabled;
    Grow(a, x + Width_In_Font(text, it->font) + 10, y + 10);
}

void Set_Visible_Length_of_Last_Edit_Text(int slot, int n) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_EDIT_TEXT))
        it->y2 = std::max(0, std::min(n, it->aux));
}

void Add_Choice_List_to_Scrollable_Area(int slot, int x, int y, Choice_List_Entry *entries,
                                        int font, int width, int count, int *selected,
                                        int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_CHOICE_LIST, &a);
    if (!it) return;
    it->x2 = Take_Style(&font, false);
    it->font = font;
    it->x1 = x;
    it->y1 = y;
    it->entries = entries;
    const RFontMetrics *m = RFont_Metrics(0);
    it->aux = width * (m->space + m->width);
    it->count = count;
    it->variable = selected;
    it->enabled = enabled;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    Grow(a, x + it->aux + 10, y + 10);
}

void Give_Entries_to_Last_Choice_List(int slot) {
    Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_CHOICE_LIST);
    if (it) it->owned = it->entries;
}

void Add_Image_Choice_to_Scrollable_Area(int slot, int x, int y, const char *file,
                                         int cell_width, int cell_height, int count,
                                         int source_y, int *selected, int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Item(slot, AREA_ITEM_IMAGE_CHOICE, &a);
    if (!it) return;
    it->x1 = x;
    it->y1 = y;
    it->x2 = cell_width;  // sizes, not corners, for this kind
    it->y2 = cell_height;
    it->text = ITEM_STRDUP(file);
    it->count = count;
    it->aux = source_y;
    it->variable = selected;
    it->enabled = enabled;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    Grow(a, x + cell_width + 31, y + cell_height + 16);
}

void Add_Bitmap_Button_to_Scrollable_Area(int slot, int x, int y, int width, int height,
                                          const char *file, int source_y, int transparent,
                                          int cursor_shape, const char *tool_tip, int value,
                                          int *target, int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it =
        New_Box_Item(slot, AREA_ITEM_BITMAP_BUTTON, x, y, x + width - 1, y + height - 1, &a);
    if (!it) return;
    it->text = ITEM_STRDUP(file);
    it->text2 = ITEM_STRDUP(tool_tip);
    it->aux = source_y;
    it->count = transparent;
    it->colour = cursor_shape;
    it->font = value;
    it->variable = target;
    it->enabled = enabled;
    Grow_Past_Corners(a, it, 0);
}

void Add_Edit_Field_to_Scrollable_Area(int slot, int x1, int y1, int x2, int y2, char *text,
                                       int max_length, int text_colour, int background, int frame,
                                       int *enabled) {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *it = New_Box_Item(slot, AREA_ITEM_EDIT_FIELD, x1, y1, x2, y2, &a);
    if (!it) return;
    it->text = text;
    it->colour = text_colour;
    it->count = background;
    it->aux = frame;
    it->enabled = enabled;
    auto *st = static_cast<Edit_Field_State *>(ITEM_ALLOC(sizeof(Edit_Field_State)));
    if (st) {
        st->capacity = 50;
        st->lines = static_cast<char **>(ITEM_ALLOC(sizeof(char *) * 50));
        if (!st->lines) st->capacity = 0;
        st->font = RFONT_EDITOR;
        st->background = background;
        st->text_colour = text_colour;
        st->max_length = max_length;
        st->length = text ? static_cast<int>(std::strlen(text)) : 0;
        st->text = text;
        st->cursor = text;
        st->item = it;
    }
    it->editor = st;
    Grow(a, x2 + 4, y2 + 4);
}

void Set_Font_of_Last_Edit_Field(int slot, int font) {
    Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_EDIT_FIELD);
    if (it && it->editor) it->editor->font = font;
}

void Set_Last_Item_Check_Function(int slot, Value_Check_Function function) {
    if (Scrollable_Area_Item *it =
            Last_Of_Kind(slot, AREA_ITEM_CHECK_BOX, AREA_ITEM_RADIO_BUTTON, AREA_ITEM_DOUBLE,
                         AREA_ITEM_CHOICE_LIST, AREA_ITEM_IMAGE_CHOICE))
        it->check = function;
}

void Set_Bounds_of_Last_Float(int slot, double minimum, double maximum) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_DOUBLE)) {
        it->minimum = minimum;
        it->maximum = maximum;
        it->bounded = 1;
    }
}

void Set_Decimals_of_Last_Float(int slot, int decimals) {
    Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_DOUBLE);
    if (it && it->decimals >= 0) it->decimals = std::max(decimals, VEK_Format_Decimals(it->text));
}

void Set_Scrollable_Area_Float_Decimals(int slot, int decimals) {
    if (Scrollable_View_Area *a = Used_Area(slot)) a->float_decimals = decimals < 0 ? -1 : decimals;
}

void Set_Room_of_Last_Float(int slot, int characters) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_DOUBLE)) it->room = std::max(characters, 0);
}

void Set_Check_Images_of_Last_Item(int slot, int image_on, int image_off) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_CHECK_BOX, AREA_ITEM_RADIO_BUTTON)) {
        it->image_on = image_on;
        it->image_off = image_off;
    }
}

void Set_Disabled_Text_of_Last_Item(int slot, const char *text) {
    if (Scrollable_Area_Item *it = Last_Of_Kind(slot, AREA_ITEM_DOUBLE, AREA_ITEM_EDIT_TEXT)) {
        ITEM_FREE(it->text2);
        it->text2 = ITEM_STRDUP(text);
    }
}

void Set_Disabled_Reason_of_Last_Item(int slot, const char *text) {
    if (Scrollable_Area_Item *it =
            Last_Of_Kind(slot, AREA_ITEM_DOUBLE, AREA_ITEM_EDIT_TEXT, AREA_ITEM_CHOICE_LIST)) {
        ITEM_FREE(it->reason);
        it->reason = ITEM_STRDUP(text);
    }
}

void Free_Scrollable_Area_Items(int slot) {
    Scrollable_View_Area *a = Used_Area(slot);
    if (!a) return;
    Free_Items_From(a->first_item);
    a->first_item = nullptr;
    a->last_item = nullptr;
    a->content_width = 0;
    a->content_height = 0;
}
