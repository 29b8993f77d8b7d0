// Tables on scrollable view areas: 55 slots of row lists that put their rows,
// row icons and append line into an area, carry out the row action a click
// asked for, and offer a column menu (sort a column, fill it with a series).
//
// Clicks reach the table through click areas of the area, which can only
// store an int: the delete and duplicate requests therefore hold the 1-based
// number of the row clicked and the column request the number of the column.
// Every change of the row list forgets all pending requests, so a request can
// never name a row that is gone or has moved.
#include "dialogs/tables.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/cp850.h"
#include "base/dlist.h"
#include "base/vesk.h"
#include "dialogs/dialog_batch_internal.h"
#include "dialogs/scrollarea.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

#define TABLE_ALLOC(n) Mem_Malloc(__FILE__, __LINE__, "null", (n))
#define TABLE_CALLOC(n, s) Mem_Calloc(__FILE__, __LINE__, "null", (n), (s))
#define TABLE_FREE(p) Mem_Free(__FILE__, __LINE__, "null", (p))

const char *const DEFAULT_COLUMN_FORMAT = "%14.8f";
// Font word of the row buttons' tool tips: faintly shadowed.
const int TOOL_TIP_FONT = AREA_FONT_FAINT_SHADOW | 0x1006;

// Tree-view pictures of the row and column icons.
enum {
    ICON_DELETE = 0x7A01,
    ICON_DUPLICATE = 0x7A02,
    ICON_DUPLICATE_GREYED = 0x7A03,
    ICON_APPEND = 0x7A04,
    ICON_COLUMN = 0x7A05
};

Sheet_Table tables[SHEET_TABLE_COUNT];
bool first_definition_done = false;

// Colour indices of the icon palettes, made once.
int delete_palette[5], duplicate_palette[6], duplicate_greyed_palette[5], append_palette[3],
    column_palette[7];

// The table and column the column menu works on (set only while it runs).
Sheet_Table *current_table = nullptr;
Sheet_Table_Column *current_column = nullptr;

// Centre of the fill dialog; -1 until first used.
int fill_centre_x = -1, fill_centre_y = -1;

Sheet_Table *Used(int t) {
    if (t < 0 || t >= SHEET_TABLE_COUNT || !tables[t].defined) return nullptr;
    return &tables[t];
}

void Make_Palettes(void) {
    const int rgb_delete[5][3] = {{0, 0, 0}, {255, 255, 255}, {255, 255, 0}, {239, 195, 0},
                                  {224, 160, 64}};
    const int rgb_duplicate[6][3] = {{0, 0, 0},       {255, 255, 255}, {0, 0, 255},
                                     {255, 138, 138}, {187, 187, 187}, {255, 0, 0}};
    const int rgb_greyed[5][3] = {{208, 208, 208}, {240, 240, 240}, {64, 160, 192},
                                  {128, 192, 192}, {176, 176, 176}};
    const int rgb_append[3][3] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}};
    const int rgb_column[7][3] = {{0, 0, 0},       {255, 255, 255}, {0, 0, 255},  {0, 128, 128},
                                  {128, 128, 128}, {200, 200, 170}, {0, 160, 192}};
    for (int i = 0; i < 5; ++i)
        delete_palette[i] = Nearest_Color_Index(rgb_delete[i][0], rgb_delete[i][1], rgb_delete[i][2]);
    for (int i = 0; i < 6; ++i)
        duplicate_palette[i] =
            Nearest_RGB_Color(rgb_duplicate[i][0], rgb_duplicate[i][1], rgb_duplicate[i][2]);
    for (int i = 0; i < 5; ++i)
        duplicate_greyed_palette[i] =
            Nearest_Color_Index(rgb_greyed[i][0], rgb_greyed[i][1], rgb_greyed[i][2]);
    for (int i = 0; i < 3; ++i)
        append_palette[i] = Nearest_Color_Index(rgb_append[i][0], rgb_append[i][1], rgb_append[i][2]);
    for (int i = 0; i < 7; ++i)
        column_palette[i] = Nearest_Color_Index(rgb_column[i][0], rgb_column[i][1], rgb_column[i][2]);
}

// The icons' pictures, side by side in one shipped bitmap (left to right:
// delete 13, duplicate 17, duplicate greyed 17, append 35, column 27 pixels
// wide, all 16 high): a waste bin, two sheets, the same greyed, a new row
// with a plus, a column with the arrows of its sort.
void Give_Icons_Their_Pictures(void) {
    const char *const file = "TableIcons.bmp";
    Set_Tree_View_Picture(ICON_DELETE, file, 0, 0, 13, 16);
    Set_Tree_View_Picture(ICON_DUPLICATE, file, 13, 0, 17, 16);
    Set_Tree_View_Picture(ICON_DUPLICATE_GREYED, file, 30, 0, 17, 16);
    Set_Tree_View_Picture(ICON_APPEND, file, 47, 0, 35, 16);
    Set_Tree_View_Picture(ICON_COLUMN, file, 82, 0, 27, 16);
}

// A new unlinked node with a copy of size bytes of data; null when memory
// is short (nothing is then allocated).
Sheet_Table_Row *New_Row(const void *data, int size) {
    assert(data && size > 0);
    Sheet_Table_Row *row = static_cast<Sheet_Table_Row *>(TABLE_CALLOC(1, sizeof(Sheet_Table_Row)));
    if (!row) return nullptr;
    row->data = TABLE_ALLOC(static_cast<size_t>(size));
    if (!row->data) {
        TABLE_FREE(row);
        return nullptr;
    }
    std::memcpy(row->data, data, static_cast<size_t>(size));
    return row;
}

void Free_Row(Sheet_Table_Row *row) {
    if (!row) return;
    TABLE_FREE(row->data);
    TABLE_FREE(row);
}

void Forget_Requests(Sheet_Table *t) {
    t->delete_request = 0;
    t->duplicate_request = 0;
    t->append_request = 0;
}

// Every change of the rows forgets the requests (they name rows by number)
// and the index, and counts.
void Row_List_Changed(Sheet_Table *t) {
    Forget_Requests(t);
    t->index_valid = 0;
    ++t->change_count;
}

// The index of the rows by position; false when memory is short.
bool Make_Index(Sheet_Table *t) {
    if (t->index_valid) return true;
    TABLE_FREE(t->index);
    t->index = nullptr;
    if (t->row_count > 0) {
        t->index = static_cast<Sheet_Table_Row **>(
            TABLE_ALLOC(static_cast<size_t>(t->row_count) * sizeof(Sheet_Table_Row *)));
        if (!t->index) return false;
        int k = 0;
        for (Sheet_Table_Row *row = t->first_row; row && k < t->row_count; row = row->next) t->index[k++] = row;
    }
    t->index_valid = 1;
    return true;
}

// Links row after `after` (at the front when null).
void Link_After(Sheet_Table *t, Sheet_Table_Row *after, Sheet_Table_Row *row) {
    Dlist_Insert_After(t->first_row, t->last_row, after, row);
    ++t->row_count;
    Row_List_Changed(t);
}

void Unlink(Sheet_Table *t, Sheet_Table_Row *row) {
    Dlist_Unlink(t->first_row, t->last_row, row);
    if (t->cursor == row) t->cursor = nullptr;
    --t->row_count;
    Row_List_Changed(t);
}

// The row of 1-based number n, null when there is none.
Sheet_Table_Row *Row_Number(Sheet_Table *t, int n) {
    if (n < 1 || n > t->row_count) return nullptr;
    if (Make_Index(t)) return t->index[n - 1];
    Sheet_Table_Row *row = t->first_row;
    for (int k = 1; row && k < n; ++k) row = row->next;
    return row;
}

void Free_Rows(Sheet_Table *t) {
    Sheet_Table_Row *row = t->first_row;
    while (row) {
        Sheet_Table_Row *next = row->next;
        Free_Row(row);
        row = next;
    }
    t->first_row = t->last_row = t->cursor = nullptr;
    t->row_count = 0;
    Row_List_Changed(t);
}

bool Can_Grow(const Sheet_Table *t) { return t->row_limit == 0 || t->row_count < t->row_limit; }

// A column's double lies wholly inside the row record.
bool Column_Fits(const Sheet_Table *t, const Sheet_Table_Column *c) {
    return c->offset >= 0 && static_cast<size_t>(c->offset) + sizeof(double) <=
                                 static_cast<size_t>(t->row_size);
}

double Column_Value(const Sheet_Table_Row *row, const Sheet_Table_Column *c) {
    double v;
    std::memcpy(&v, static_cast<const char *>(row->data) + c->offset, sizeof v);
    return v;
}

void Set_Column_Value(Sheet_Table_Row *row, const Sheet_Table_Column *c, double v) {
    std::memcpy(static_cast<char *>(row->data) + c->offset, &v, sizeof v);
}


// Exchange sort of the current table by the current column's doubles: each
// row is compared with every row after it and the two are exchanged when
// out of order.  The exchanges run on an index of the rows' values, and the
// records are moved into their places once at the end (the nodes stay), so
// a table of thousands of rows sorts in a moment with the same order the
// exchanges give.  Nothing happens when memory is short.
void Sort_Current(bool ascending) {
    Sheet_Table *t = current_table;
    Sheet_Table_Column *c = current_column;
    if (!t || !c || !Column_Fits(t, c) || t->row_count < 2) return;
    const size_t size = static_cast<size_t>(t->row_size), n = static_cast<size_t>(t->row_count);
    std::vector<Sheet_Table_Row *> rows;
    std::vector<double> value;
    std::vector<size_t> order;
    std::vector<char> sorted;
    try {
        rows.reserve(n);
        value.reserve(n);
        order.resize(n);
        sorted.resize(size * n);
    } catch (...) {
        return;
    }
    for (Sheet_Table_Row *row = t->first_row; row; row = row->next) {
        rows.push_back(row);
        value.push_back(Column_Value(row, c));
    }
    for (size_t k = 0; k < n; ++k) order[k] = k;
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            const double va = value[order[a]], vb = value[order[b]];
            if (ascending ? vb < va : vb > va) std::swap(order[a], order[b]);
        }
    for (size_t k = 0; k < n; ++k) std::memcpy(&sorted[k * size], rows[order[k]]->data, size);
    for (size_t k = 0; k < n; ++k) std::memcpy(rows[k]->data, &sorted[k * size], size);
    ++t->change_count;
}

void Draw_Label(int x, int y, const char *text, int font) {
    Pop_RFont(font);
    int colour = pxQFgc();
    pxFgc(BLACK_CI);
    pxText(x, y, text, -1);
    pxFgc(colour);
    Push_RFont();
}

// Sets the column's values from the fill dialog's choice.
void Apply_Fill(Sheet_Table *t, Sheet_Table_Column *c, int mode, double first, double last,
                double start, double increment) {
    int k = 0;
    int number = 0;
    for (Sheet_Table_Row *row = t->first_row; row; row = row->next) {
        ++number;
        if (mode == 2) {
            if (number < first) continue;
            if (k > 0 && number > last) break;
        }
        Set_Column_Value(row, c, start + k * increment);
        ++k;
    }
}

// Acts on the first pending row request.  2 when the rows changed, else 0;
// requests that name no row (or an append without template) are dropped,
// and so is every request asked for by a press that is not a single click:
// the first click of a double click did what the click asks, and under the
// pointer now lies what that moved there (the next row, or the append line
// that moved up after the last row was deleted), or the same icon again.
int Do_Row_Request(Sheet_Table *t) {
    if (VEK_Press_Clicks() >= 2) {
        t->delete_request = t->duplicate_request = t->append_request = 0;
        return 0;
    }
    if (t->part[0].set && t->delete_request) {
        Sheet_Table_Row *row = Row_Number(t, t->delete_request);
        t->delete_request = 0;
        if (row) {
            Unlink(t, row);
            Free_Row(row);
            return 2;
        }
    }
    if (t->part[1].set && t->duplicate_request) {
        Sheet_Table_Row *row = Row_Number(t, t->duplicate_request);
        t->duplicate_request = 0;
        if (row && Can_Grow(t)) {
            Sheet_Table_Row *copy = New_Row(row->data, t->row_size);
            if (copy) {
                Link_After(t, row, copy);
                return 2;
            }
        }
    }
    if (t->part[2].set && t->append_request) {
        t->append_request = 0;
        if (t->template_row && Can_Grow(t)) {
            Sheet_Table_Row *row = New_Row(t->template_row->data, t->row_size);
            if (row) {
                Link_After(t, t->last_row, row);
                return 2;
            }
        }
    }
    return 0;
}

VEKMenuItem sort_menu[2] = {
    {"aufsteigend", " ", Sort_Table_Column_Ascending, nullptr, 0, 0, 1},
    {"absteigend", " ", Sort_Table_Column_Descending, nullptr, 0, 0, 1},
};
VEKMenuItem column_menu[2] = {
    {"Spalte sortieren", " ", nullptr, sort_menu, 2, 11, 1},
    {"Spalte belegen", " ", Fill_Table_Column, nullptr, 0, 0, 1},
};

// Runs the column menu for the clicked column.
void Run_Column_Menu(Sheet_Table *t, Sheet_Table_Column *c) {
    current_table = t;
    current_column = c;
    column_menu[0].enabled = c->sortable ? 1 : 0;
    column_menu[1].enabled = c->fillable ? 1 : 0;
    Menue_Manager(column_menu, 2, 16, M_XPOS, M_YPOS);
    t->clicked_column = 0;
    current_table = nullptr;
    current_column = nullptr;
    Update_Scrollable_View_Area(t->area);
}

}  // namespace

const Sheet_Table *Sheet_Table_Record(int t) {
    if (t < 0 || t >= SHEET_TABLE_COUNT) return nullptr;
    return &tables[t];
}

int Define_Table_in_Scrollable_Area(int area, int y, int x, int x2, int row_height, int row_size,
                                    Table_Row_Function function) {
    if (!first_definition_done) {
        std::memset(tables, 0, sizeof tables);
        Make_Palettes();
        Give_Icons_Their_Pictures();
        first_definition_done = true;
    }
    if (row_size < 1) return -1;
    for (int t = 0; t < SHEET_TABLE_COUNT; ++t) {
        if (tables[t].defined) continue;
        Sheet_Table *s = &tables[t];
        *s = Sheet_Table{};
        s->defined = 1;
        s->area = area;
        s->y = y;
        s->x = x;
        s->x2 = x2;
        s->row_height = row_height;
        s->row_size = row_size;
        s->row_function = function;
        return t;
    }
    return -1;
}

int Append_Table_Row(int t, const void *row) {
    Sheet_Table *s = Used(t);
    if (!s || !row) return 0;
    Sheet_Table_Row *node = New_Row(row, s->row_size);
    if (!node) return 0;
    Link_After(s, s->last_row, node);
    return 1;
}

int Set_Table_Template_Row(int t, const void *row) {
    Sheet_Table *s = Used(t);
    if (!s || !row) return 0;
    if (!s->template_row) {
        s->template_row = New_Row(row, s->row_size);
        return s->template_row ? 1 : 0;
    }
    std::memmove(s->template_row->data, row, static_cast<size_t>(s->row_size));
    return 1;
}

void Set_Table_Part_Offset(int t, int part, int dx, int dy) {
    Sheet_Table *s = Used(t);
    if (!s || part < 1 || part > 4) return;
    s->part[part - 1] = {1, dx, dy};
}

void Set_Table_Row_Limit(int t, int n) {
    if (Sheet_Table *s = Used(t)) s->row_limit = n;
}

namespace {

// Markers around the rows that are items in window mode.
int Window_Start_Marker(int t) { return 0x7A7000 + 2 * t; }
int Window_End_Marker(int t) { return 0x7A7001 + 2 * t; }
const int PAINT_MARKER = 0x7A7FFF;

// The rows (1-based, first..last) whose band meets the area's visible rows
// at scroll origin oy, widened by `margin` rows; last < first for none.
void Rows_In_View(const Sheet_Table *s, int oy, int height, int margin, int *first, int *last) {
    *first = 1;
    *last = 0;
    if (s->row_count < 1 || s->row_height < 1) return;
    const int top = oy - s->y, bottom = oy + height - s->y + 6;
    int a = (top >= 0 ? top / s->row_height : -((-top + s->row_height - 1) / s->row_height)) + 1 - margin;
    int b = (bottom >= 0 ? bottom / s->row_height : -1) + 1 + margin;
    *first = std::max(a, 1);
    *last = std::min(b, s->row_count);
}

// The items of row k: its band, the caller's items, the row icons, its
// number.  Mode 1 for items that stay, 2 for items only painted.
void Put_Row(Sheet_Table *s, int k, Sheet_Table_Row *row, int mode, int row_grey, int number_grey) {
    const int area = s->area;
    const Sheet_Table_Part &del = s->part[0], &dup = s->part[1], &num = s->part[3];
    int y = s->y + (k - 1) * s->row_height;
    Add_Rectangle_to_Scrollable_Area(area, s->x, k == 1 ? y - 6 : y, s->x2, y + s->row_height, row_grey);
    if (s->row_function) s->row_function(mode, area, s->x, y, row->data);
    if (del.set) {
        int x1 = s->x + del.dx, y1 = y + del.dy;
        Add_Tree_View_Image_to_Scrollable_Area(area, ICON_DELETE, x1, y1, x1 + 14, y1 + 16, 0);
        Add_Click_Area_to_Scrollable_Area(area, x1, y1, x1 + 14, y1 + 16, k, &s->delete_request);
        Set_Click_Area_Mode(area, VEK_CURSOR_HAND);
        Set_Tool_Tip_of_Last_Click_Area(area, "Zeile löschen"_cp, TOOL_TIP_FONT, BLACK_CI, 0);
    }
    if (dup.set) {
        int x1 = s->x + dup.dx, y1 = y + dup.dy;
        if (!Can_Grow(s)) {
            Add_Tree_View_Image_to_Scrollable_Area(area, ICON_DUPLICATE_GREYED, x1, y1, x1 + 18, y1 + 16, 0);
        } else {
            Add_Tree_View_Image_to_Scrollable_Area(area, ICON_DUPLICATE, x1, y1, x1 + 18, y1 + 16, 0);
            Add_Click_Area_to_Scrollable_Area(area, x1, y1, x1 + 18, y1 + 16, k, &s->duplicate_request);
            Set_Click_Area_Mode(area, VEK_CURSOR_HAND);
            Set_Tool_Tip_of_Last_Click_Area(area, "Zeile duplizieren", TOOL_TIP_FONT, BLACK_CI, 0);
        }
    }
    if (num.set) {
        char text[16];
        std::snprintf(text, sizeof text, "%d:", k);
        Add_Text_to_Scrollable_Area(area, s->x + num.dx, y + num.dy, text, RFONT_NORMAL, number_grey, 1);
    }
}

// Looked up at every use: the screen's palette may have been set up again
// since the first table was defined.
int Row_Grey() { return Nearest_RGB_Color(232, 232, 232); }
int Number_Grey() { return Nearest_RGB_Color(130, 130, 130); }

// Puts the rows first..last between the window markers at the end of the
// area's items.
void Put_Window(Sheet_Table *s, int t, int first, int last) {
    Add_Marker_to_Scrollable_Area(s->area, Window_Start_Marker(t));
    const int grey = Row_Grey(), number_grey = Number_Grey();
    for (int k = first; k <= last; ++k)
        if (Sheet_Table_Row *row = Row_Number(s, k)) Put_Row(s, k, row, 1, grey, number_grey);
    Add_Marker_to_Scrollable_Area(s->area, Window_End_Marker(t));
    s->window_first = first;
    s->window_last = last;
}

// The rows in view of the area now.
void Current_View(const Sheet_Table *s, int margin, int *first, int *last) {
    int ox = 0, oy = 0, width = 0, height = 0;
    Inquire_Scrollable_View_Area_Origin(s->area, &ox, &oy);
    Inquire_Scrollable_View_Area_Size(s->area, &width, &height);
    Rows_In_View(s, oy, height, margin, first, last);
}

// Takes the rows between the window markers out of the area and, when
// `first` <= `last`, puts those rows in their place, so that the area's
// other items keep their order (put false: nothing in their place).
// Nothing when the markers are not there (the area was cleared since).
void Replace_Window(Sheet_Table *s, int t, bool put, int first, int last) {
    Scrollable_View_Area *a = Scrollable_View_Area_Record(s->area);
    if (!a) return;
    Scrollable_Area_Item *end = nullptr;
    bool started = false;
    for (Scrollable_Area_Item *it = a->first_item; it; it = it->next) {
        if (it->kind != AREA_ITEM_MARKER) continue;
        if (it->aux == Window_Start_Marker(t)) started = true;
        if (started && it->aux == Window_End_Marker(t)) {
            end = it;
            break;
        }
    }
    if (!end) return;
    Scrollable_Area_Item *tail = end->next, *tail_last = a->last_item;
    end->next = nullptr;
    a->last_item = end;
    Cut_Scrollable_Area_at_Marker(s->area, Window_Start_Marker(t));
    if (put) Put_Window(s, t, first, last);
    if (tail) {
        if (a->last_item) a->last_item->next = tail;
        else a->first_item = tail;
        a->last_item = tail_last;
    }
}

// Puts the rows in view in place of those that are items now.
void Refresh_Window(Sheet_Table *s, int t) {
    int first = 0, last = 0;
    Current_View(s, 1, &first, &last);
    if (first == s->window_first && last == s->window_last) return;
    Replace_Window(s, t, true, first, last);
}

// The painter of a windowed table: draws the rows in view that are not
// items from their data, through items that live only while it paints.
// It is called inside the area's painter, whose viewport is the area.
void Paint_Table_Rows(int x1, int y1, int x2, int y2, int t) {
    (void)x2;
    (void)y2;
    Sheet_Table *s = Used(t);
    if (!s || !s->windowed) return;
    Scrollable_View_Area *a = Scrollable_View_Area_Record(s->area);
    if (!a) return;
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int sx = vx1 + s->x - x1, sy = vy1 + (s->y - 6) - y1;
    int first = 0, last = 0;
    Rows_In_View(s, sy, vy2 - vy1, 0, &first, &last);
    Scrollable_Area_Item *keep_last = a->last_item;
    bool any = false;
    const int grey = Row_Grey(), number_grey = Number_Grey();
    for (int k = first; k <= last; ++k) {
        if (k >= s->window_first && k <= s->window_last) continue;
        Sheet_Table_Row *row = Row_Number(s, k);
        if (!row) continue;
        if (!any) Add_Marker_to_Scrollable_Area(s->area, PAINT_MARKER);
        any = true;
        Put_Row(s, k, row, 2, grey, number_grey);
    }
    if (!any) return;
    Scrollable_Area_Item *marker = keep_last ? keep_last->next : a->first_item;
    Draw_Scrollable_Area_Items_From(marker, vx1, vy1, vx2, vy2, sx, sy, a->background);
    Cut_Scrollable_Area_at_Marker(s->area, PAINT_MARKER);
}

}  // namespace

void Set_Table_Window_Mode(int t, int on) {
    if (Sheet_Table *s = Used(t)) s->windowed = on ? 1 : 0;
}

void *Table_Row_Data(int t, int n) {
    Sheet_Table *s = Used(t);
    if (!s) return nullptr;
    Sheet_Table_Row *row = Row_Number(s, n);
    return row ? row->data : nullptr;
}

int Table_Change_Count(int t) {
    Sheet_Table *s = Used(t);
    return s ? s->change_count : 0;
}

void Fill_Table_Area(int t) {
    Sheet_Table *s = Used(t);
    if (!s) return;
    const int area = s->area;
    const int row_grey = Row_Grey(), number_grey = Number_Grey();
    const Sheet_Table_Part &app = s->part[2];
    if (s->windowed) {
        const int bottom = s->y + std::max(s->row_count, 1) * s->row_height;
        Add_User_Drawn_Area_to_Scrollable_Area(area, s->x, s->y - 6, s->x2, bottom, t, Paint_Table_Rows);
        int first = 0, last = 0;
        Current_View(s, 1, &first, &last);
        Put_Window(s, t, first, last);
    } else {
        int k = 1;
        for (Sheet_Table_Row *row = s->first_row; row; row = row->next, ++k)
            Put_Row(s, k, row, 1, row_grey, number_grey);
    }
    int y = s->y + s->row_count * s->row_height;
    if (app.set && Can_Grow(s)) {
        Add_Rectangle_to_Scrollable_Area(area, s->x, y, s->x2, y + s->row_height - 5, row_grey);
        int x1 = s->x + app.dx, y1 = y + app.dy;
        Add_Tree_View_Image_to_Scrollable_Area(area, ICON_APPEND, x1, y1, x1 + 35, y1 + 16, 0);
        Add_Click_Area_to_Scrollable_Area(area, x1, y1, x1 + 35, y1 + 16, 1, &s->append_request);
        Set_Click_Area_Mode(area, VEK_CURSOR_HAND);
        Set_Tool_Tip_of_Last_Click_Area(area, "neue Zeile anfügen"_cp, TOOL_TIP_FONT, BLACK_CI, 0);
    }
    int n = 1;
    for (Sheet_Table_Column *c = s->first_column; c; c = c->next, ++n) {
        Add_Tree_View_Image_to_Scrollable_Area(area, ICON_COLUMN, c->x - 14, c->y - 8, c->x + 14,
                                               c->y + 8, 0);
        Add_Click_Area_to_Scrollable_Area(area, c->x - 14, c->y - 8, c->x + 14, c->y + 8, n,
                                          &s->clicked_column);
        Set_Click_Area_Mode(area, VEK_CURSOR_HAND);
        // What the column's menu offers.
        const char *tip = c->sortable && c->fillable ? "Spalte sortieren oder belegen"
                          : c->sortable              ? "Spalte sortieren"
                          : c->fillable              ? "Spalte belegen"
                                                     : nullptr;
        if (tip) Set_Tool_Tip_of_Last_Click_Area(area, tip, TOOL_TIP_FONT, BLACK_CI, 0);
    }
}

int Edit_Table(int t) {
    Sheet_Table *s = Used(t);
    if (!s) return 0;
    if (!M_LEFT) {
        Wait_on_Scrollable_View_Area(s->area);
        if (!M_LEFT) return 0;
    }
    do {
        int width = 0, height = 0, sx = 0, sy = 0, ox = 0, oy = 0;
        Inquire_Scrollable_View_Area_Size(s->area, &width, &height);
        Inquire_Scrollable_View_Area_Screen_Origin(s->area, &sx, &sy);
        Inquire_Scrollable_View_Area_Origin(s->area, &ox, &oy);
        int left = sx + s->x - ox, right = sx + s->x2 - ox;
        int top = sy - oy + s->y - (s->first_column ? 25 : 0);
        int bottom = sy - oy + s->y + (s->row_count + (s->part[2].set ? 1 : 0)) * s->row_height;
        if (M_XPOS < left || M_XPOS > right || M_YPOS < top || M_YPOS > bottom) return 0;
        if (s->windowed) Refresh_Window(s, t);

        LAST_SHEET_EDIT_KEY = 0;
        if (Edit_Scrollable_View_Area(s->area) == 0) {
            while (M_LEFT) {
                if (Get_Mouse_Event() == VEK_MSG_CLOSE) break;
            }
            return 1;
        }
        if (Do_Row_Request(s) == 2) return 2;
        if (s->first_column && s->clicked_column) {
            int n = s->clicked_column;
            Sheet_Table_Column *c = s->first_column;
            for (int k = 1; c && k < n; ++k) c = c->next;
            s->clicked_column = 0;
            if (c) {
                Run_Column_Menu(s, c);
                return 1;
            }
        }
        int key = LAST_SHEET_EDIT_KEY;
        LAST_SHEET_EDIT_KEY = 0;
        if (key == VEK_KEY_UP) {
            M_YPOS -= s->row_height;
            M_LEFT = 1;
            if (M_YPOS < sy + 9 && oy >= 1) {
                int dx = 0, dy = -s->row_height;
                Scroll_Scrollable_Area_by(s->area, &dx, &dy);
                M_YPOS -= dy;
                Update_Scrollable_View_Area(s->area);
            }
        } else if (key == VEK_KEY_DOWN) {
            M_YPOS += s->row_height;
            M_LEFT = 1;
            if (M_YPOS > sy + height - s->row_height + 10) {
                int dx = 0, dy = s->row_height;
                Scroll_Scrollable_Area_by(s->area, &dx, &dy);
                M_YPOS -= dy;
                Update_Scrollable_View_Area(s->area);
            }
        } else {
            return 1;
        }
    } while (M_LEFT);
    return 1;
}

void *First_Table_Row(int t) {
    Sheet_Table *s = Used(t);
    if (!s) return nullptr;
    s->cursor = s->first_row;
    return s->cursor ? s->cursor->data : nullptr;
}

void *Next_Table_Row(int t) {
    Sheet_Table *s = Used(t);
    if (!s || !s->cursor) return nullptr;
    s->cursor = s->cursor->next;
    return s->cursor ? s->cursor->data : nullptr;
}

int Table_Row_Count(int t) {
    Sheet_Table *s = Used(t);
    return s ? s->row_count : 0;
}

int Table_Row_Number(int t, const void *row) {
    Sheet_Table *s = Used(t);
    if (!s || !row) return 0;
    int k = 1;
    for (Sheet_Table_Row *r = s->first_row; r; r = r->next, ++k)
        if (r->data == row) return k;
    return 0;
}

void Release_Table(int t) {
    Sheet_Table *s = Used(t);
    if (!s) return;
    // The rows' fields must not outlive the rows they are bound to.
    if (s->windowed) Replace_Window(s, t, false, 1, 0);
    Free_Rows(s);
    TABLE_FREE(s->index);
    Free_Row(s->template_row);
    Sheet_Table_Column *c = s->first_column;
    while (c) {
        Sheet_Table_Column *next = c->next;
        TABLE_FREE(c);
        c = next;
    }
    if (current_table == s) {
        current_table = nullptr;
        current_column = nullptr;
    }
    *s = Sheet_Table{};
}

void Undefine_Tables_of_Sheet(int area) {
    for (int t = 0; t < SHEET_TABLE_COUNT; ++t)
        if (tables[t].defined && tables[t].area == area) Release_Table(t);
}

void Delete_All_Table_Rows(int t) {
    if (Sheet_Table *s = Used(t)) Free_Rows(s);
}

void Move_Table(int t, int y, int x) {
    Sheet_Table *s = Used(t);
    if (!s) return;
    int dx = x - s->x, dy = y - s->y;
    s->x2 += dx;
    for (Sheet_Table_Column *c = s->first_column; c; c = c->next) {
        c->x += dx;
        c->y += dy;
    }
    s->y = y;
    s->x = x;
}

Sheet_Table_Column *Add_Table_Column(int t, int x, int y, int extra, int flags,
                                     const char *format, int offset) {
    Sheet_Table *s = Used(t);
    if (!s) return nullptr;
    Sheet_Table_Column probe{};
    probe.offset = offset;
    if (!Column_Fits(s, &probe)) return nullptr;
    if (format && !VEK_Format_Takes_One(format, "eEfFgG")) format = nullptr;
    Sheet_Table_Column *c =
        static_cast<Sheet_Table_Column *>(TABLE_CALLOC(1, sizeof(Sheet_Table_Column)));
    if (!c) return nullptr;
    std::snprintf(c->format, sizeof c->format, "%s", format ? format : DEFAULT_COLUMN_FORMAT);
    if (!VEK_Format_Takes_One(c->format, "eEfFgG"))  // cut inside the conversion
        std::snprintf(c->format, sizeof c->format, "%s", DEFAULT_COLUMN_FORMAT);
    c->x = x;
    c->y = y;
    c->extra = extra;
    c->offset = offset;
    c->sortable = flags & 1;
    c->fillable = (flags >> 1) & 1;
    if (s->last_column) s->last_column->next = c;
    else s->first_column = c;
    s->last_column = c;
    return c;
}

int Sort_Table_Column_Ascending(void) {
    Sort_Current(true);
    return 0;
}

int Sort_Table_Column_Descending(void) {
    Sort_Current(false);
    return 0;
}

int Fill_Table_Column(void) {
    Sheet_Table *t = current_table;
    Sheet_Table_Column *c = current_column;
    if (!t || !c || !Column_Fits(t, c)) return 0;
    if (Dialog_Refused_In_Batch("Tabellenspalte belegen")) return 0;
    if (fill_centre_x < 0) {
        fill_centre_x = NPIXEL_X / 2;
        fill_centre_y = NPIXEL_Y / 2;
    }
    int x1 = fill_centre_x - 163, y1 = fill_centre_y - 119;
    int x2 = x1 + 326, y2 = y1 + 238;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Tabellenspalte belegen", 11, 1)) return 0;
    fill_centre_x = (x1 + x2) / 2;
    fill_centre_y = (y1 + y2) / 2;

    int mode = 1;
    int whole = 1, part = 0;  // the two radio buttons of the mode selector
    double first = 1.0, last = 1000.0, start = 1.0, increment = 0.0;
    char probe[64];
    std::snprintf(probe, sizeof probe, c->format, 1.0);
    int width = static_cast<int>(std::strlen(probe));

    int whole_id = Add_Logical_Button_to_PS(x1 + 110, y1 + 50, 1, 3, &whole, 0, 0, nullptr, nullptr);
    int part_id = Add_Logical_Button_to_PS(x1 + 110, y1 + 67, 1, 3, &part, 0, 0, nullptr, nullptr);
    int first_id = Add_Float_to_PS(x1 + 90, y1 + 91, 5, "%5.0f", -1, 4, &first);
    int last_id = Add_Float_to_PS(x1 + 237, y1 + 91, 5, "%5.0f", -1, 5, &last);
    Add_Float_to_PS(x1 + 197, y1 + 133, width, c->format, 1, 0, &start);
    Add_Float_to_PS(x1 + 197, y1 + 165, width, c->format, 1, 0, &increment);
    Add_Single_Button_to_PS(x1 + 19, y1 + 210, 1, 2, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 152, y1 + 210, 1, 0, 0, "");
    Add_Single_Button_to_PS(x1 + 285, y1 + 210, 1, 1, nullptr, SYMBOLIC_OK_RASTER, 0);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();

    int buffer = pxBuff(PX_BUFFER_QUERY);
    Activate_Prop_Sheet();
    pxBuff(buffer);
    Draw_Label(x1 + 21, y1 + 60, "anwenden auf", RFONT_NORMAL);
    Draw_Label(x1 + 128, y1 + 61, "gesamte Spalte", RFONT_NORMAL);
    Draw_Label(x1 + 128, y1 + 78, "Zeilenausschnitt", RFONT_NORMAL);
    Draw_Label(x1 + 21, y1 + 104, "erste Zeile", RFONT_NORMAL);
    Draw_Label(x1 + 168, y1 + 104, "letzte Zeile", RFONT_NORMAL);
    Draw_Label(x1 + 21, y1 + 141, "Startwert", RFONT_NORMAL);
    Draw_Label(x1 + 22, y1 + 153, "(für erste Zeile)"_cp, RFONT_SMALL);
    Draw_Label(x1 + 21, y1 + 173, "Inkrement", RFONT_NORMAL);
    Draw_Label(x1 + 22, y1 + 185, "(Zuwachs für jede weitere Zeile)"_cp, RFONT_SMALL);
    msStCu(x1 + 27, y1 + 218);

    int code;
    for (;;) {
        code = Edit_Prop_Sheet();
        if (code == 1 || code == 2) break;
        // The window closing (or nothing left to read) leaves as a break.
        if (code == VEK_CLOSE_CODE || code == 0) {
            code = 2;
            break;
        }
        if (code == 3) {
            if (mode == 1 && part) mode = 2;
            else if (mode == 2 && whole) mode = 1;
            whole = mode == 1;
            part = mode == 2;
            Change_Activity_PS(whole_id, 1);
            Change_Activity_PS(part_id, 1);
            Change_Activity_PS(first_id, mode == 2 ? 1 : -1);
            Change_Activity_PS(last_id, mode == 2 ? 1 : -1);
        } else if (code == 4 && first > last) {
            last = first;
            Change_Activity_PS(last_id, 1);
        } else if (code == 5 && first > last) {
            first = last;
            Change_Activity_PS(first_id, 1);
        }
    }
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    fill_centre_x += dx;
    fill_centre_y += dy;
    Undefine_Prop_Sheet();
    if (code == 1) {
        Apply_Fill(t, c, mode, first, last, start, increment);
        ++t->change_count;
    }
    return 0;
}
