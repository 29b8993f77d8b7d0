// Table sheets (see tablesheet.h): the sheet levels, opening, the passes of
// the event loop and closing.
#include "dialogs/tablesheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "dialogs/buttons.h"
#include "dialogs/dialog_batch_internal.h"
#include "dialogs/drawing.h"
#include "dialogs/fields.h"
#include "dialogs/fields_internal.h"
#include "dialogs/scrollarea.h"
#include "dialogs/tables.h"
#include "dialogs/valuecheck.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

struct Unit_Entry {
    double *address;
    double factor;
};

struct Int_Entry {
    int *address;
    double copy;
};

// What one open sheet keeps.
struct Sheet_Level {
    Table_Sheet_Descriptor *desc = nullptr;
    Table_Sheet_Page *pages = nullptr;
    int count = 0;
    bool help_sheet = false;
    int break_code = TABLE_SHEET_BREAK, ok_code = TABLE_SHEET_OK;
    int current = 0, previous = 0, shown = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the sheet as defined
    int corner_x = 0, corner_y = 0;      // its top left on the screen (the user may move it)
    int tab_x1 = 0, tab_y1 = 0, tab_x2 = 0, tab_y2 = 0;
    int register_id = 0;
    std::vector<int> tab_ids, table_ids, area_slots, escape_ids, row_menu;
    std::vector<Unit_Entry> units;
    std::deque<Int_Entry> ints;  // a deque: the working copies stay where they are
    int registered = 0;          // entries of the sheet-area registry made
};

Sheet_Level levels[TABLE_SHEET_MAX_LEVELS];
int depth = 0;
bool request_break = false, request_ok = false, request_refill = false;
int mouse_to_default = 1;
// Stored centres: one for the descriptor entries, one for the help sheet
// (-1: the screen centre).
int centre_x = -1, centre_y = -1;
int help_centre_x = -1, help_centre_y = -1;

Sheet_Level *Innermost(void) { return depth > 0 ? &levels[depth - 1] : nullptr; }

bool Valid_Page(const Sheet_Level *l, int page) { return l && page >= 0 && page < l->count; }

int Round_Half_Away(double v) { return static_cast<int>(v >= 0.0 ? v + 0.5 : v - 0.5); }

void Units_To_Storage(Sheet_Level *l) {
    for (const Unit_Entry &u : l->units)
        if (u.factor != 0.0) *u.address /= u.factor;
    l->units.clear();
}

void Ints_Back(Sheet_Level *l) {
    for (const Int_Entry &e : l->ints) *e.address = Round_Half_Away(e.copy);
}

int Leave_Checks(Sheet_Level *l) {
    for (int k = 0; k < l->count; ++k) {
        if (!l->pages[k].leave) continue;
        int r = l->pages[k].leave(l->table_ids[static_cast<size_t>(k)]);
        if (r != 0) return r;
    }
    return 0;
}

// The tab labels: the page's label (and its second label) in the tab, in
// the small font for descriptor sheets, black or grey for the help sheet.
void Tab_Labels(Sheet_Level *l) {
    for (int k = 0; k < l->count; ++k) {
        const Table_Sheet_Page &p = l->pages[k];
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (p.state == -2 || !VEK_Element_Rectangle(l->tab_ids[static_cast<size_t>(k)], &x1, &y1, &x2, &y2))
            continue;
        const int font = l->help_sheet ? RFONT_NORMAL : RFONT_SMALL;
        int w = RFont_Text_Width(font, p.label, -1);
        int x = p.label_dx >= 0 ? x1 + p.label_dx : (x1 + x2 + 1 - w) / 2;
        int y = p.label_dy >= 0 ? y1 + p.label_dy : y2 + p.label_dy;
        if (p.label2[0]) y -= 9;
        if (l->help_sheet) {
            int colour = p.state == 0 ? Field_Inactive_Color() : BLACK_CI;
            Draw_Text_Colored(x, y, p.label, font, colour);
            if (p.label2[0]) Draw_Text_Colored(x, y + 9, p.label2, RFONT_SMALL, colour);
        } else {
            Draw_Funny_Text_to_PS(x, y, p.label, font, 2);
            if (p.label2[0]) Draw_Funny_Text_to_PS(x, y + 9, p.label2, RFONT_SMALL, 2);
        }
    }
}

// Puts the page into its area anew.
void Refill(Sheet_Level *l, int page) {
    const size_t k = static_cast<size_t>(page);
    const int slot = l->area_slots[k];
    if (slot < 0) return;
    Table_Sheet_Page &p = l->pages[page];
    Clear_Scrollable_View_Area(slot);
    Begin_Field_Area(slot);
    if (p.fill) p.fill(slot, l->table_ids[k]);
    if (l->row_menu[k] && l->table_ids[k] >= 0) Fill_Table_Area(l->table_ids[k]);
    if (p.scroll_x > 0 || p.scroll_y > 0) {
        // Where the user left the page the last time, as the pixel origin
        // it was (the library clamps it to the content).
        if (Scrollable_View_Area *a = Scrollable_View_Area_Record(slot)) {
            a->scroll_x = std::max(p.scroll_x, 0);
            a->scroll_y = std::max(p.scroll_y, 0);
        }
    }
    p.scroll_x = p.scroll_y = -1;
    Set_Scrollable_Area_Activity(slot, 1);
    Update_Scrollable_View_Area(slot);
    Change_Activity_PS(l->escape_ids[k], 1);
}

// Takes the page off the screen: its area and escape area inactive, its
// place in the sheet's colour.
void Hide_Page(Sheet_Level *l, int page) {
    const size_t k = static_cast<size_t>(page);
    const int slot = l->area_slots[k];
    if (slot < 0) return;
    Set_Scrollable_Area_Activity(slot, 0);
    Change_Activity_PS(l->escape_ids[k], -1);
    int x1, y1, x2, y2;
    if (VEK_Element_Rectangle(l->escape_ids[k], &x1, &y1, &x2, &y2)) {
        int kept = pxQFgc();
        pxFgc(-1);
        pxRect(x1 - 2, y1 - 2, x2 + 19, y2 + 19);
        pxFgc(kept);
    }
}

// Opening: geometry, register, level, page areas, buttons. Returns the
// level, null when no sheet could be defined.
struct Sheet_Setup {
    Table_Sheet_Descriptor *desc;
    Table_Sheet_Page *pages;
    int count;
    bool register_sheet;
    bool help_sheet;
    int type;
    int *cx, *cy;
};

// The frame of a sheet: its mode, the heights of title, button row and tab
// strip, and its corners on the screen.
struct Sheet_Frame {
    int mode;
    bool full, strip;
    int title_h, button_h, tab_h;
    int x1, y1, x2, y2;
};

// The frame of the sheet about its centre (the screen's centre the first
// time), kept within the screen; the whole screen for the full-screen modes.
Sheet_Frame Sheet_Geometry(const Sheet_Setup &s) {
    Table_Sheet_Descriptor *d = s.desc;
    Sheet_Frame fr{};
    fr.mode = s.help_sheet ? 0 : d->mode;
    fr.full = fr.mode == TABLE_SHEET_FULL_SCREEN || fr.mode == TABLE_SHEET_FULL_SCREEN_NEXT;
    const int W = NPIXEL_X, H = NPIXEL_Y;
    fr.title_h = fr.full ? 0 : 33;
    fr.button_h = fr.mode == TABLE_SHEET_NO_BUTTONS || fr.full ? 0 : 27;
    bool labels = false;
    for (int k = 0; k < s.count; ++k) labels = labels || (s.pages[k].state != -2 && s.pages[k].label[0]);
    fr.strip = s.register_sheet && (s.help_sheet || labels || d->register_bitmap[0]);
    fr.tab_h = fr.strip ? (d->tab_height > 0 ? d->tab_height : 30) : 0;
    fr.x1 = 0, fr.y1 = 0, fr.x2 = W - 1, fr.y2 = H - 1;
    if (fr.full) return fr;
    int h = std::min(d->content_height, H - 33 - d->margin_top - d->margin_bottom - 27 - 30) + fr.button_h +
            d->margin_top + fr.title_h + d->margin_bottom + fr.tab_h;
    int w = std::min(d->content_width, W - d->margin_left - d->margin_right - 15) + d->margin_left +
            d->margin_right;
    if (*s.cx < 0) {
        *s.cx = W / 2;
        *s.cy = H / 2;
    }
    fr.x1 = *s.cx - w / 2;
    fr.y1 = *s.cy - h / 2;
    fr.x2 = fr.x1 + w - 1;
    fr.y2 = fr.y1 + h - 1;
    Check_Prop_Sheet_Frames(&fr.x1, &fr.y1, &fr.x2, &fr.y2);
    return fr;
}

// The next level for the defined sheet, its page tables sized.
Sheet_Level *Push_Level(const Sheet_Setup &s, const Sheet_Frame &fr) {
    Sheet_Level *l = &levels[depth++];
    *l = Sheet_Level{};
    l->desc = s.desc;
    l->pages = s.pages;
    l->count = s.count;
    l->help_sheet = s.help_sheet;
    l->break_code = s.help_sheet ? 1 : TABLE_SHEET_BREAK;
    l->ok_code = s.help_sheet ? 2 : TABLE_SHEET_OK;
    l->x1 = fr.x1;
    l->y1 = fr.y1;
    l->x2 = fr.x2;
    l->y2 = fr.y2;
    l->corner_x = fr.x1;
    l->corner_y = fr.y1;
    const size_t n = static_cast<size_t>(s.count);
    l->tab_ids.assign(n, 0);
    l->table_ids.assign(n, -1);
    l->area_slots.assign(n, -1);
    l->escape_ids.assign(n, 0);
    l->row_menu.assign(n, 0);
    return l;
}

// The tab strip over the content area: a tab per page (hidden pages get an
// empty one), the first page's selected.
void Add_Tab_Strip(Sheet_Level *l, const Sheet_Setup &s, const Sheet_Frame &fr, int cx1, int cy1, int cx2, int cy2,
                   int first) {
    Table_Sheet_Descriptor *d = s.desc;
    const int tab_h = fr.tab_h;
    l->tab_x1 = cx1;
    l->tab_y1 = cy1;
    l->tab_x2 = cx2;
    l->tab_y2 = cy1 + tab_h - 1;
    int visible = 0;
    for (int k = 0; k < s.count; ++k) visible += s.pages[k].state != -2;
    visible = std::max(visible, 1);
    const int tab_width = d->tab_width > 0 ? d->tab_width : (cx2 - cx1 + 1 - (visible - 1)) / visible;
    l->register_id = Add_Register_to_PS(cx1, cy1, cx2, cy2, tab_h);
    int x = cx1;
    for (int k = 0; k < s.count; ++k) {
        const Table_Sheet_Page &p = s.pages[k];
        if (p.state == -2) {
            l->tab_ids[static_cast<size_t>(k)] = Add_Member_to_Register(l->register_id, cx1, cx1, -1,
                                                                         TABLE_SHEET_TAB + k);
            continue;
        }
        const int active = s.help_sheet && p.state == 0 ? -1 : 1;
        l->tab_ids[static_cast<size_t>(k)] =
            Add_Member_to_Register(l->register_id, x, x + tab_width - 1, active, TABLE_SHEET_TAB + k);
        x += tab_width + 1;
    }
    Set_Selected_Register_Member(l->tab_ids[static_cast<size_t>(first)]);
    if (!s.help_sheet && !d->register_bitmap[0]) Tab_Labels(l);
}

// The page areas: an escape area, a scrollable view and its row table per
// page that has content; all but the first inactive.
void Add_Page_Areas(Sheet_Level *l, const Sheet_Setup &s, const Sheet_Frame &fr, int cx1, int cy1, int cx2, int cy2,
                    int first) {
    const int mode = fr.mode, tab_h = fr.tab_h, x1 = fr.x1, y1 = fr.y1;
    for (int k = 0; k < s.count; ++k) {
        Table_Sheet_Page &p = s.pages[k];
        const size_t i = static_cast<size_t>(k);
        if (!p.fill) continue;
        int ax1 = cx1, ay1 = cy1 + tab_h, ax2 = cx2, ay2 = cy2;
        if (p.area_x >= 0 && p.area_y >= 0 && p.area_width > 0 && p.area_height > 0) {
            ax1 = x1 + p.area_x;
            ay1 = y1 + p.area_y;
            ax2 = ax1 + p.area_width;
            ay2 = ay1 + p.area_height;
        }
        l->escape_ids[i] = Add_Escape_Area_to_PS(ax1, ay1, ax2 - (p.vslider ? 17 : 0),
                                                 ay2 - (p.hslider ? 17 : 0), TABLE_SHEET_PAGE + k);
        Set_Escape_Area_to_MouseMoveEvent(l->escape_ids[i]);
        const int slot = Define_Scrollable_View_Area(ax1, ay1, ax2, ay2, p.hslider, p.vslider);
        l->area_slots[i] = slot;
        if (slot < 0) continue;
        if (mode != TABLE_SHEET_CONTINUE && mode != TABLE_SHEET_CONTINUE_OK) {
            Register_Sheet_Area(l->escape_ids[i], slot, ax1 - x1, ay1 - y1, ax2 - x1, ay2 - y1, &l->corner_x,
                                &l->corner_y);
            ++l->registered;
        }
        const int x2t = p.table_width > 0 ? p.table_x + p.table_width
                                          : (ax2 - ax1) - 10 - (p.vslider ? 17 : 0);
        l->table_ids[i] = p.row_size > 0 ? Define_Table_in_Scrollable_Area(slot, p.table_y, p.table_x, x2t, 20,
                                                                           p.row_size, p.row_function)
                                         : -1;
        l->row_menu[i] = l->table_ids[i] >= 0;
        if (p.start) p.start(l->table_ids[i]);
        if (k != first) {
            Set_Scrollable_Area_Activity(slot, 0);
            Change_Activity_PS(l->escape_ids[i], -1);
        }
    }
}

// The button row by mode; the default button (0 none).
int Add_Sheet_Buttons(const Sheet_Level *l, const Sheet_Setup &s, const Sheet_Frame &fr) {
    Table_Sheet_Descriptor *d = s.desc;
    const int mode = fr.mode, x1 = fr.x1, x2 = fr.x2, y2 = fr.y2;
    const int by = y2 - (mode == TABLE_SHEET_FULL_SCREEN_NEXT ? 37 : 29);
    const int middle = static_cast<int>(std::trunc((x1 + x2) / 2.0));
    int default_button = 0;
    if (mode == TABLE_SHEET_CONTINUE || mode == TABLE_SHEET_CONTINUE_OK || mode == TABLE_SHEET_FULL_SCREEN_NEXT) {
        default_button = Add_Single_Button_to_PS(middle - 50, by, 1,
                                                 mode == TABLE_SHEET_CONTINUE ? TABLE_SHEET_BREAK : TABLE_SHEET_OK,
                                                 "Weiter      ", nullptr, 0);
    } else if (mode == TABLE_SHEET_OK_ONLY) {
        default_button = Add_Single_Button_to_PS(x2 - d->margin_right - 23, by, 1, TABLE_SHEET_OK, nullptr,
                                                 SYMBOLIC_OK_RASTER, 0);
        Set_Comment_to_Button_PS(default_button, "bestätigen"_cp);
    } else if (mode != TABLE_SHEET_NO_BUTTONS && mode != TABLE_SHEET_FULL_SCREEN) {
        int brk = Add_Single_Button_to_PS(x1 + d->margin_left - 3, by, 1, l->break_code, nullptr,
                                          SYMBOLIC_BREAK_RASTER, 0);
        Set_Comment_to_Button_PS(brk, "abbrechen");
        if (s.help_sheet || d->help_key[0]) {
            int hx = d->status ? x1 + d->margin_left + 32 : middle - 23;
            int help = Add_Help_to_PS(hx, by, 1, 0, 0, d->help_key);
            Set_Comment_to_Button_PS(help, "Hilfe");
        }
        int ok = 0;
        if (mode != TABLE_SHEET_BREAK_HELP) {
            ok = Add_Single_Button_to_PS(x2 - d->margin_right - 23, by, 1, l->ok_code, nullptr, SYMBOLIC_OK_RASTER, 0);
            Set_Comment_to_Button_PS(ok, "bestätigen"_cp);
        }
        default_button = mode == TABLE_SHEET_CONFIRM ? ok : brk;
    }
    return default_button;
}

Sheet_Level *Open_Sheet(const Sheet_Setup &s) {
    if (depth >= TABLE_SHEET_MAX_LEVELS) return nullptr;
    Table_Sheet_Descriptor *d = s.desc;
    const Sheet_Frame fr = Sheet_Geometry(s);
    const int mode = fr.mode, W = NPIXEL_X, H = NPIXEL_Y;
    const int x1 = fr.x1, y1 = fr.y1, x2 = fr.x2, y2 = fr.y2;
    if (mode == TABLE_SHEET_FULL_SCREEN) {
        Set_NoFrameFlag_to_Next_PropSheet();
        Pop_Mouse_Move_Restriction(0, 0, W - 1, H - 1);
        Set_Prop_Sheet_Screen_Base(2, 2, W - 10, H - 10);
    } else if (mode == TABLE_SHEET_FULL_SCREEN_NEXT) {
        VEKSetMinMaxSize(W, H, W, H);
    }
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, d->title, s.type, 1)) return nullptr;
    Sheet_Level *l = Push_Level(s, fr);
    const int cx1 = x1 + d->margin_left, cy1 = y1 + fr.title_h + d->margin_top;
    const int cx2 = x2 - d->margin_right, cy2 = y2 - fr.button_h - d->margin_bottom;
    int first = 0;
    if (s.register_sheet) {
        first = Valid_Page(l, d->last_page) ? d->last_page : 0;
        while (first + 1 < s.count && s.pages[first].state == -2) ++first;
    }
    if (fr.strip) Add_Tab_Strip(l, s, fr, cx1, cy1, cx2, cy2, first);
    l->current = l->previous = first;
    Add_Page_Areas(l, s, fr, cx1, cy1, cx2, cy2, first);
    const int default_button = Add_Sheet_Buttons(l, s, fr);
    const bool strip = fr.strip;
    if (d->built) d->built(x1, y1, x2, y2);
    Activate_Prop_Sheet();
    if (mode == TABLE_SHEET_FULL_SCREEN_NEXT) {
        // The whole window in the menu colour, the elements drawn again on it.
        pxFgc(MENUE_CI);
        pxRect(0, 0, W - 1, H - 1);
        Activate_Prop_Sheet();
    }
    if (strip && d->register_bitmap[0])
        pxDrawTransparentDIB(d->register_bitmap, l->tab_x1, l->tab_y1, l->tab_x2, l->tab_y2, 201, -1, 192, 192, 192);
    if (strip && s.help_sheet) Tab_Labels(l);
    if (default_button && mouse_to_default) Move_Mouse_Cursor_to_Button_of_PS(default_button);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    l->corner_x = x1 + dx;
    l->corner_y = y1 + dy;
    return l;
}

void Close_Sheet(Sheet_Level *l, const Sheet_Setup &s) {
    Units_To_Storage(l);
    Ints_Back(l);
    l->ints.clear();
    for (int k = 0; k < l->count; ++k) {
        const int slot = l->area_slots[static_cast<size_t>(k)];
        if (slot < 0) continue;
        Inquire_Scrollable_View_Area_Origin(slot, &l->pages[k].scroll_x, &l->pages[k].scroll_y);
        Undefine_Tables_of_Sheet(slot);
        Undefine_Scrollable_View_Area(slot);
    }
    for (int i = 0; i < l->registered; ++i) Unregister_Sheet_Area();
    if (l->desc->exit) l->desc->exit();
    l->desc->last_page = l->current;
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    *s.cx = (l->x1 + l->x2) / 2 + dx;
    *s.cy = (l->y1 + l->y2) / 2 + dy;
    Undefine_Prop_Sheet();
    if (!s.help_sheet && l->desc->mode == TABLE_SHEET_FULL_SCREEN) {
        Push_Mouse_Move_Restriction();
        Set_Prop_Sheet_Screen_Base(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    }
    *l = Sheet_Level{};
    --depth;
    request_break = request_ok = request_refill = false;
}

// The status line between the buttons.
void Status_Line(Sheet_Level *l) {
    if (!l->desc->status) return;
    char text[TABLE_SHEET_STATUS_SIZE] = "";
    l->desc->status(text);
    text[TABLE_SHEET_STATUS_SIZE - 1] = '\0';
    const Table_Sheet_Descriptor *d = l->desc;
    Draw_Framed_Text_Field(l->x1 + d->margin_left + 62, l->y2 - 29, l->x2 - d->margin_right - 31, l->y2 - 10, text,
                           209, 1, RFONT_NORMAL, BLACK_CI, BUTTON_CI);
}

// The help sheet: tabs follow their pages' states; a shown page whose tab
// went inactive gives way to the previous one (the second for the first).
void Follow_Tab_States(Sheet_Level *l) {
    for (int k = 0; k < l->count; ++k)
        if (l->pages[k].state != -2 && l->tab_ids[static_cast<size_t>(k)])
            Change_Activity_PS(l->tab_ids[static_cast<size_t>(k)], l->pages[k].state == 0 ? -1 : 1);
    if (l->pages[l->current].state != 0) return;
    int target = l->current == 0 ? 1 : l->previous;
    if (!Valid_Page(l, target) || target == l->current) target = l->current == 0 ? 1 : 0;
    if (!Valid_Page(l, target)) return;
    l->previous = l->current;
    l->current = target;
    if (l->tab_ids[static_cast<size_t>(target)]) Set_Selected_Register_Member(l->tab_ids[static_cast<size_t>(target)]);
}

int Run_Sheet(const Sheet_Setup &s) {
    Sheet_Level *l = Open_Sheet(s);
    if (!l) return 0;
    Table_Sheet_Descriptor *d = l->desc;
    for (;;) {
        Status_Line(l);
        if (l->help_sheet) Follow_Tab_States(l);
        if (l->current != l->shown) {
            if (l->shown >= 0) Hide_Page(l, l->shown);
            l->shown = l->current;
            if (l->help_sheet && l->register_id) Tab_Labels(l);
        }
        Refill(l, l->shown);
        if (request_refill) {
            request_refill = false;
            Refill(l, l->shown);
        }
        if (d->pass) d->pass(l->previous);
        int code;
        if (d->pending_code >= 0) {
            code = d->pending_code;
            d->pending_code = -1;
        } else {
            code = Edit_Prop_Sheet();
        }
        int dx = 0, dy = 0;
        Prop_Sheet_Displacement(&dx, &dy);
        l->corner_x = l->x1 + dx;
        l->corner_y = l->y1 + dy;
        // The window closing, or nothing left to read, leaves as a break.
        if (code == VEK_CLOSE_CODE || code == 0) code = l->break_code;
        for (int round = 0; round < 2; ++round) {
            if (code == l->break_code) {
                if (d->on_break && d->on_break()) break;
                Close_Sheet(l, s);
                return 0;
            }
            if (code == l->ok_code) {
                if (Leave_Sheet_Level() == 0 && !(d->may_close && d->may_close())) {
                    Close_Sheet(l, s);
                    return 1;
                }
                break;
            }
            if (round == 0) {
                int handled = 0;
                if (d->event) {
                    Set_Sheet_Hook_Activity(0);
                    handled = d->event(code);
                    Set_Sheet_Hook_Activity(1);
                }
                if (!handled && code >= TABLE_SHEET_PAGE && code < TABLE_SHEET_PAGE + l->count) {
                    const size_t k = static_cast<size_t>(code - TABLE_SHEET_PAGE);
                    if (Edit_Table(l->table_ids[k]) == 0) Edit_Scrollable_View_Area(l->area_slots[k]);
                } else if (!handled && code >= TABLE_SHEET_TAB && code < TABLE_SHEET_TAB + l->count) {
                    Select_Register(code - TABLE_SHEET_TAB);
                }
            }
            // A request of the page code acts as its button.
            if (request_break) code = l->break_code;
            else if (request_ok) code = l->ok_code;
            else break;
            request_break = request_ok = false;
        }
    }
}

}  // namespace

// ---- internal ----------------------------------------------------------------------

int Table_Sheet_Depth(void) { return depth; }

double *Sheet_Int_Working_Copy(int *variable) {
    if (!variable) return nullptr;
    for (int i = depth - 1; i >= 0; --i)
        for (Int_Entry &e : levels[i].ints)
            if (e.address == variable) return &e.copy;
    return nullptr;
}

// ---- entries ------------------------------------------------------------------------

void Init_Table_Sheet_Descriptor(Table_Sheet_Descriptor *d) {
    if (!d) return;
    *d = Table_Sheet_Descriptor{};
    d->sheet_type = 40;
    d->content_height = 150;
    d->content_width = 200;
    d->margin_top = d->margin_bottom = d->margin_left = d->margin_right = 8;
    d->last_page = -1;
    d->pending_code = -1;
}

void Init_Table_Sheet_Pages(int count, Table_Sheet_Page *pages) {
    if (!pages) return;
    for (int k = 0; k < count; ++k) {
        Table_Sheet_Page &p = pages[k];
        p = Table_Sheet_Page{};
        p.state = 1;
        p.label_dx = -9;
        p.label_dy = -6;
        p.area_x = p.area_y = p.area_width = p.area_height = -1;
        p.scroll_x = p.scroll_y = -1;
        p.table_width = -1;
        p.table_x = 30;
        p.table_y = 10;
    }
}

int Edit_Table_Wizard_Sheet(Table_Sheet_Descriptor *descriptor, Table_Sheet_Page *page) {
    if (!descriptor || !page) return 0;
    if (Dialog_Refused_In_Batch(descriptor->title)) return 0;
    return Run_Sheet(Sheet_Setup{descriptor, page, 1, false, false, 105 + descriptor->sheet_type, &centre_x,
                                 &centre_y});
}

int Edit_Register_Table_Sheet(Table_Sheet_Descriptor *descriptor, int count, Table_Sheet_Page *pages) {
    if (!descriptor || !pages || count < 1) return 0;
    if (Dialog_Refused_In_Batch(descriptor->title)) return 0;
    return Run_Sheet(Sheet_Setup{descriptor, pages, count, true, false, 100 + 5 * count + descriptor->sheet_type,
                                 &centre_x, &centre_y});
}

int Edit_Register_Sheet_with_Help(int content_height, int content_width, const char *title, int count,
                                  Table_Sheet_Page *pages, void (*status)(char *text), const char *help_key) {
    if (!pages || count < 1) return 0;
    if (Dialog_Refused_In_Batch(title)) return 0;
    Table_Sheet_Descriptor d;
    Init_Table_Sheet_Descriptor(&d);
    std::snprintf(d.title, sizeof d.title, "%s", title ? title : "");
    std::snprintf(d.help_key, sizeof d.help_key, "%s", help_key ? help_key : "");
    d.content_height = content_height;
    d.content_width = content_width;
    const int margin = count == 1 ? 7 : 10;
    d.margin_top = d.margin_bottom = d.margin_left = d.margin_right = margin;
    d.status = status;
    return Run_Sheet(Sheet_Setup{&d, pages, count, true, true, 140, &help_centre_x, &help_centre_y});
}

int Leave_Sheet_Level(void) {
    Sheet_Level *l = Innermost();
    if (!l) return 0;
    Units_To_Storage(l);
    Ints_Back(l);
    l->ints.clear();
    return Leave_Checks(l);
}

int Leave_All_Sheet_Levels(void) {
    for (int i = depth - 1; i >= 0; --i) {
        Units_To_Storage(&levels[i]);
        Ints_Back(&levels[i]);
        int r = Leave_Checks(&levels[i]);
        if (r != 0) return r;
    }
    return 0;
}

void Set_Register_Page_State(int page, int state) {
    Sheet_Level *l = Innermost();
    if (Valid_Page(l, page)) l->pages[page].state = state;
}

int Get_Register_Page_State(int page) {
    Sheet_Level *l = Innermost();
    return Valid_Page(l, page) ? l->pages[page].state : -2;
}

void Select_Register(int page) {
    Sheet_Level *l = Innermost();
    if (!Valid_Page(l, page) || page == l->current || l->pages[page].state == -2) return;
    const size_t old_tab = static_cast<size_t>(l->current), new_tab = static_cast<size_t>(page);
    if (l->tab_ids[new_tab]) Set_Selected_Register_Member(l->tab_ids[new_tab]);
    if (l->desc->register_change && l->desc->register_change(l->current, page)) {
        if (l->tab_ids[old_tab]) Set_Selected_Register_Member(l->tab_ids[old_tab]);
        return;
    }
    l->previous = l->current;
    l->current = page;
}

int Previous_Register(void) {
    Sheet_Level *l = Innermost();
    return l ? l->previous : 0;
}

void Set_Register_Row_Menu(int page, int flag) {
    Sheet_Level *l = Innermost();
    if (Valid_Page(l, page)) l->row_menu[static_cast<size_t>(page)] = flag;
}

void Get_Sheet_Position(int *x, int *y) {
    Sheet_Level *l = Innermost();
    if (x) *x = l ? l->corner_x : 0;
    if (y) *y = l ? l->corner_y : 0;
}

void Request_Sheet_Break(void) { request_break = true; }
void Request_Sheet_OK(void) { request_ok = true; }
void Request_Page_Refill(void) { request_refill = true; }

void Set_Mouse_to_Default_Button(int flag) { mouse_to_default = flag; }
void Mouse_to_Default_Button_On(void) { mouse_to_default = 1; }
void Mouse_to_Default_Button_Off(void) { mouse_to_default = 0; }

void Register_Sheet_Unit_Value(double *value, double factor) {
    Sheet_Level *l = Innermost();
    if (!l || !value) return;
    for (const Unit_Entry &u : l->units)
        if (u.address == value) return;
    l->units.push_back(Unit_Entry{value, factor});
    *value *= factor;
}

double *Register_Sheet_Int_Value(int *variable) {
    Sheet_Level *l = Innermost();
    if (!l || !variable) return nullptr;
    for (Int_Entry &e : l->ints)
        if (e.address == variable) return &e.copy;
    l->ints.push_back(Int_Entry{variable, static_cast<double>(*variable)});
    return &l->ints.back().copy;
}

void Reset_Table_Sheet_State(void) {
    for (Sheet_Level &l : levels) l = Sheet_Level{};
    depth = 0;
    request_break = request_ok = request_refill = false;
    mouse_to_default = 1;
    centre_x = centre_y = help_centre_x = help_centre_y = -1;
}
