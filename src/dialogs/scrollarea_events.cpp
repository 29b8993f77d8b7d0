// The event loop of the scrollable view areas: one user action per call of
// Edit_Scrollable_View_Area, with the hover wait, the short keys, the hit
// test of the items, in-place field editing with chaining to the next field,
// the drop-down lists and the multi-line editor; and the animated scroll.
//
// Everything writes straight into the variables the items are bound to and
// calls the item's check function after a change.  Every wait ends when the
// event source runs dry (the window library then reports a close request and
// the mouse off the screen), so no loop here can hang.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/cp850.h"
#include "base/stored_text.h"
#include "base/vesk.h"
#include "dialogs/dialog_draw_internal.h"
#include "dialogs/print_font_signs.h"
#include "dialogs/scrollarea.h"
#include "dialogs/scrollarea_internal.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

// The area's screen rectangle and scroll origin as the library has them.
struct Frame {
    int x1, y1, x2, y2, sx, sy;
};

Frame Screen_Frame(Scrollable_View_Area *a) {
    Frame f;
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    f.x1 = a->x1 + dx;
    f.y1 = a->y1 + dy;
    f.x2 = a->x2 + dx;
    f.y2 = a->y2 + dy;
    f.sx = 0;
    f.sy = 0;
    Inquire_Scrollable_Area_PS(a->sheet_area_id, &f.sx, &f.sy);
    return f;
}

void Repaint(Scrollable_View_Area *a) {
    if (a->active == 1) Change_Activity_PS(a->sheet_area_id, 1);
}

void Wait_Release(void) {
    while (M_LEFT) {
        if (Get_Mouse_Event() == VEK_MSG_CLOSE) break;
    }
}

int Any_Short_Key_Switch(void) {
    int b, o, h, j;
    Inquire_Scrollable_Area_Short_Keys(&b, &o, &h, &j);
    return b || o || h || j;
}

bool Is_Short_Key(int key) {
    int b, o, h, j;
    Inquire_Scrollable_Area_Short_Keys(&b, &o, &h, &j);
    return (key == VEK_KEY_ESC && b) || (key == VEK_KEY_ENTER && o) || (key == VEK_KEY_F1 && h);
}

// ---- hover wait -----------------------------------------------------------

bool Inside(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

// Whether an event ends the hover wait.
bool Hover_Ends(Scrollable_View_Area *a, int ev, const Frame &f) {
    // A waiting key is never taken here; the stand-in's wait returns it again
    // and again, so it ends the wait and stays for the caller.
    if (ev == VEK_MSG_CLOSE || ev == VEK_MSG_KEY) return true;
    // A time-out while the event source holds something for an editor, a
    // menu or a box: give way to it rather than wait on.
    if (ev == VEK_MSG_TIMEOUT || ev == VEK_MSG_TIMER) {
        int next = VEK_Script_Peek_Kind();
        if (next == VEK_EV_TYPE || next == VEK_EV_KEYS || next == VEK_EV_MENU || next == VEK_EV_ANSWER) return true;
    }
    if (a->stop_flag && *a->stop_flag) return true;
    if (M_LEFT) return true;
    int rx1 = f.x1, ry1 = f.y1, rx2 = f.x2, ry2 = f.y2;
    if (a->hover_rect_set) {
        rx1 = f.x1 + a->hover_x1 - f.sx;
        ry1 = f.y1 + a->hover_y1 - f.sy;
        rx2 = f.x1 + a->hover_x2 - f.sx;
        ry2 = f.y1 + a->hover_y2 - f.sy;
    }
    if (!Inside(M_XPOS, M_YPOS, rx1, ry1, rx2, ry2)) return true;
    if (ev == VEK_MSG_WHEEL) return true;
    if (getkeymask() == VEK_KEYMASK_SHIFT) return true;
    int key = hitkey();
    if (a->keys_end_hover && key != -1) return true;
    if (a->right_button_ends_hover && M_RIGHT) return true;
    if (key != -1 && Is_Short_Key(key)) return true;
    return false;
}

Scrollable_Area_Item *Hovered_Item(Scrollable_View_Area *a, const Frame &f) {
    for (Scrollable_Area_Item *it = a->first_item; it; it = it->next) {
        int x1 = f.x1 + it->x1 - f.sx, y1 = f.y1 + it->y1 - f.sy;
        int x2 = f.x1 + it->x2 - f.sx, y2 = f.y1 + it->y2 - f.sy;
        if (it->kind == AREA_ITEM_BITMAP_BUTTON && Item_Enabled(it) &&
            Inside(M_XPOS, M_YPOS, x1, y1, x2, y2))
            return it;
        if (it->kind == AREA_ITEM_CLICK_AREA && (it->aux || it->text) &&
            Inside(M_XPOS, M_YPOS, x1, y1, x2, y2))
            return it;
    }
    return nullptr;
}

// A wheel turn over the area scrolls it as its slider would, a tenth of its
// height per notch (away from the user: up), and shows it.
void Wheel_Scroll(Scrollable_View_Area *a, const Frame &f, int wheel) {
    if (!wheel || !a->vslider_id || !Inside(M_XPOS, M_YPOS, f.x1, f.y1, f.x2, f.y2)) return;
    const int slot = static_cast<int>(a - Scrollable_View_Area_Record(0));
    int dx = 0, dy = (wheel > 0 ? -1 : 1) * ((a->y2 - a->y1) / 10);
    Scroll_Scrollable_Area_by(slot, &dx, &dy);
    Update_Scrollable_View_Area(slot);
}

void Hover_Wait(Scrollable_View_Area *a) {
    VEKMessage m;
    InitVEKMessage(&m);
    if (a->stop_flag) m.timeout = 100;
    int mask = VEK_WAIT_HOVER;
    if (a->right_button_ends_hover) mask |= VEK_MASK_RIGHT_DOWN;
    if (!a->keys_end_hover && !Any_Short_Key_Switch()) mask &= ~VEK_MASK_KEY;
    if (a->stop_flag) mask |= VEK_MASK_TIMEOUT;
    for (;;) {
        int ev = GetVEKMessage(mask, &m);
        Frame f = Screen_Frame(a);
        if (ev == VEK_MSG_WHEEL) {
            Wheel_Scroll(a, f, m.wheel);
            M_SCROLL = 0;
            return;
        }
        if (Hover_Ends(a, ev, f)) return;
        Scrollable_Area_Item *it = Hovered_Item(a, f);
        if (!it) continue;
        int x = f.x1 + it->x1 - f.sx, y = f.y1 + it->y1 - f.sy;
        int vx1, vy1, vx2, vy2;
        pxQVwp(&vx1, &vy1, &vx2, &vy2);
        if (it->kind == AREA_ITEM_BITMAP_BUTTON) {
            pxView(f.x1, f.y1, f.x2, f.y2);
            Draw_Bitmap_Button_Look(it, x, y, 2);
            pxView(vx1, vy1, vx2, vy2);
            if (it->colour) setMouseCursor(it->colour);
            if (it->text2) Show_Tool_Tip(it->text2);
        } else {
            if (it->aux) setMouseCursor(it->aux);
            if (it->text) Show_Tool_Tip(it->text);
        }
        bool leave = false;
        int wheel = 0;
        for (;;) {
            ev = GetVEKMessage(mask, &m);
            f = Screen_Frame(a);
            if (ev == VEK_MSG_WHEEL) wheel = m.wheel;
            if (Hover_Ends(a, ev, f)) {
                leave = true;
                break;
            }
            if (Hovered_Item(a, f) != it) break;
        }
        if (it->kind == AREA_ITEM_BITMAP_BUTTON) {
            pxView(f.x1, f.y1, f.x2, f.y2);
            Draw_Bitmap_Button_Look(it, x, y, 1);
            pxView(vx1, vy1, vx2, vy2);
        }
        setMouseCursor(0);
        Hide_Tool_Tip();
        if (wheel) {
            Wheel_Scroll(a, f, wheel);
            M_SCROLL = 0;
        }
        if (leave) return;
    }
}

// ---- drop-down lists ------------------------------------------------------

// A list of `count` rows of height `row` below or above a field; the painter
// draws row i at its top left.  Returns the result of the list: 1 for Enter
// (stored), 0 otherwise; *selected changes only when a row is chosen.
struct List_Geometry {
    int x1, y1, x2, y2;  // list rectangle on the screen
    int rows_shown;
    int first;
};

// The thumb of a list's scroll bar: between the two 15-pixel arrow fields,
// at least 6 pixels long.
void Thumb(const List_Geometry &g, int count, int *top, int *bottom) {
    int span = g.y2 - g.y1 - 30;
    int thumb = std::max(6, span * g.rows_shown / count);
    *top = g.y1 + 15 + (span - thumb) * g.first / std::max(1, count - g.rows_shown);
    *bottom = *top + thumb;
}

void Arrow_Up_Down(int x, int y, bool down) {
    pxFgc(BLACK_CI);
    for (int k = 0; k < 5; k++) {
        int row = down ? y + 4 + k : y + 8 - k;
        pxLine(x + 2 + k, row, x + 10 - k, row);
    }
}

// A press on a list's scroll bar: an arrow scrolls a row at once and again
// every 100 ms while it is held; the track beside the thumb scrolls a page;
// the thumb follows the mouse until the button comes up.
template <class Repaint_List>
void Scroll_Bar_Click(List_Geometry &g, int count, Repaint_List repaint) {
    int range = count - g.rows_shown;
    int top = 0, bottom = 0;
    Thumb(g, count, &top, &bottom);
    int step = 0;
    if (M_YPOS < g.y1 + 15) step = -1;
    else if (M_YPOS > g.y2 - 15) step = 1;
    else if (M_YPOS < top) step = -g.rows_shown;
    else if (M_YPOS > bottom) step = g.rows_shown;
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 100;
    if (step != 0) {
        bool arrow = step == 1 || step == -1;
        g.first = std::clamp(g.first + step, 0, range);
        repaint();
        while (M_LEFT) {
            int ev = GetVEKMessage(VEK_WAIT_DRAG, &m);
            if (ev == VEK_MSG_CLOSE) break;
            if (arrow && M_LEFT && (ev == VEK_MSG_TIMEOUT || ev == VEK_MSG_TIMER)) {
                g.first = std::clamp(g.first + step, 0, range);
                repaint();
            }
        }
        return;
    }
    int grab = M_YPOS - top;
    int span = g.y2 - g.y1 - 30 - (bottom - top);
    while (M_LEFT) {
        int ev = GetVEKMessage(VEK_WAIT_DRAG, &m);
        if (ev == VEK_MSG_CLOSE) break;
        if (ev == VEK_MSG_MOVE && span > 0) {
            int at = std::clamp(M_YPOS - grab - (g.y1 + 15), 0, span);
            g.first = std::clamp((at * range + span / 2) / span, 0, range);
            repaint();
        }
    }
}

struct List_Colours {
    int background, selection, track;
};

// Paints a list: its rows from g.first with the current one marked, the
// scroll bar when not every row fits, and the dotted frame; then shows it.
template <class Painter>
void Paint_List(const List_Geometry &g, int row, int count, int current, const List_Colours &c,
                Painter &paint_row) {
    const bool bar = g.rows_shown < count;
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxFgc(c.background);
    pxRect(g.x1, g.y1, g.x2, g.y2);
    int right = bar ? g.x2 - 16 : g.x2 - 1;
    for (int i = 0; i < g.rows_shown; i++) {
        int r = g.first + i;
        int top = g.y1 + 3 + i * row;
        if (r == current) {
            pxFgc(c.selection);
            pxRect(g.x1 + 2, top, right, top + row - 1);
        }
        pxView(g.x1 + 1, g.y1 + 1, right, g.y2 - 1);
        paint_row(r, g.x1 + 7, top, r == current, c.background);
        pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    }
    if (bar) {
        pxFgc(c.track);
        pxRect(g.x2 - 15, g.y1 + 1, g.x2 - 1, g.y2 - 1);
        int top = 0, bottom = 0;
        Thumb(g, count, &top, &bottom);
        pxFgc(BLACK_CI);
        pxRect(g.x2 - 13, top, g.x2 - 3, bottom);
        Arrow_Up_Down(g.x2 - 14, g.y1 + 2, false);
        Arrow_Up_Down(g.x2 - 14, g.y2 - 14, true);
    }
    Dotted_Frame(g.x1, g.y1, g.x2, g.y2, BLACK_CI);
    pxFlsh();
}

// Runs an open list until a row is chosen (click or Enter) or the list is
// left; returns 0 either way: a list ends a chain of edits.
template <class Painter>
int Run_List(List_Geometry g, int row, int count, int *selected, Painter paint_row) {
    if (count <= 0 || !selected) return 0;
    int current = std::clamp(*selected, 0, count - 1);
    g.rows_shown = std::max(1, std::min(g.rows_shown, count));
    g.first = std::clamp(current - g.rows_shown / 2, 0, count - g.rows_shown);
    const bool bar = g.rows_shown < count;
    Save_Screen_Rectangle(g.x1, g.y1, g.x2, g.y2);
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    int mx = M_XPOS, my = M_YPOS;
    Pop_Mouse_Move_Restriction(g.x1, g.y1, g.x2, g.y2);
    List_Colours colours = {Nearest_RGB_Color(235, 255, 255), Nearest_RGB_Color(0, 80, 150),
                            Nearest_RGB_Color(201, 237, 237)};
    auto paint = [&]() { Paint_List(g, row, count, current, colours, paint_row); };
    paint();
    Init_Mouse_Position(g.x1 + 10, g.y1 + 3 + (current - g.first) * row + row / 2);
    bool done = false;
    while (!done) {
        VEKMessage m;
        InitVEKMessage(&m);
        int ev = GetVEKMessage(VEK_WAIT_LIST, &m);
        switch (ev) {
        case VEK_MSG_MOVE: {
            int i = (M_YPOS - g.y1 - 3) / row;
            if (M_YPOS >= g.y1 + 3 && i < g.rows_shown && M_XPOS >= g.x1 && M_XPOS <= g.x2)
                current = g.first + i;
            break;
        }
        case VEK_MSG_WHEEL:
            g.first = std::clamp(g.first + (m.wheel > 0 ? -1 : 1), 0, count - g.rows_shown);
            M_SCROLL = 0;
            break;
        case VEK_MSG_KEY: {
            int k = getkey();
            if (k == VEK_KEY_UP || k == VEK_KEY_DOWN) {
                current = std::clamp(current + (k == VEK_KEY_UP ? -1 : 1), 0, count - 1);
                if (current < g.first) g.first = current;
                if (current >= g.first + g.rows_shown) g.first = current - g.rows_shown + 1;
            } else if (k == VEK_KEY_ENTER) {
                // Chosen as by a click: the edit ends here, so that the
                // page shows what the choice changed before anything else
                // is edited (no next field opens behind it).
                *selected = current;
                done = true;
            } else {
                done = true;
            }
            break;
        }
        case VEK_MSG_LEFT_DOWN: {
            // The mouse state is held to the list; the press itself may lie
            // outside it (the window's pointer is not held). Such a press
            // closes the list and goes on to what lies under it (a register
            // tab, another field), as it would with the list closed.
            int px = M_XPOS, py = M_YPOS;
            VEK_Last_Press_Place(&px, &py);
            if (!Inside(px, py, g.x1, g.y1, g.x2, g.y2)) {
                VEK_Give_Back_Press();
                done = true;
                break;
            }
            if (bar && M_XPOS > g.x2 - 16) {
                Scroll_Bar_Click(g, count, [&]() { paint(); });
                break;
            }
            int i = (M_YPOS - g.y1 - 3) / row;
            if (M_YPOS >= g.y1 + 3 && i < g.rows_shown) current = g.first + i;
            *selected = current;
            done = true;
            break;
        }
        default:  // the user went away
            done = true;
            break;
        }
        if (!done) paint();
    }
    Restore_Screen_Rectangle(g.x1, g.y1, g.x2, g.y2);
    Push_Mouse_Move_Restriction();
    Init_Mouse_Position(mx, my);
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    return 0;
}

int Choice_List(Scrollable_Area_Item *it, int x, int y) {
    int w = Even_Width(it->aux);
    int height = it->count * 13 + 6;
    List_Geometry g;
    g.x1 = x - 7;
    g.x2 = g.x1 + Even_Width(w + 32);
    g.first = 0;
    // Below when it ends above the screen bottom less 30, else above when
    // it is less high than the field's distance from the top less 30; else
    // cut to the rows that fit on the larger side.
    if (y + 5 + height <= NPIXEL_Y - 30) {
        g.y1 = y + 5;
        g.rows_shown = it->count;
    } else if (height < y - 30) {
        g.y1 = y - 13 - height;
        g.rows_shown = it->count;
    } else {
        int below = NPIXEL_Y - y, above = y;
        g.rows_shown = std::max(1, (std::max(below, above) - 48) / 13);
        g.y1 = below >= above ? y + 5 : y - 13 - (g.rows_shown * 13 + 6);
    }
    g.y2 = g.y1 + g.rows_shown * 13 + 6;
    // The red arrow mark at the field's right end.
    pxFgc(RED_CI);
    for (int k = 0; k < 5; k++) pxLine(x + w + 12 + k, y - 6 + k, x + w + 20 - k, y - 6 + k);
    Choice_List_Entry *entries = it->entries;
    int font = it->font;
    return Run_List(g, 13, it->count, it->variable,
                    [entries, font](int r, int x0, int top, bool sel, int bg) {
                        if (!entries || !entries[r].text) return;
                        Pop_RFont(font);
                        pxFgc(sel ? bg : entries[r].colour);
                        pxText(x0, top + 10, entries[r].text, -1);
                        Push_RFont();
                    });
}

int Image_Choice_List(Scrollable_Area_Item *it, int x, int y, const Frame &f) {
    int r = it->y2 + 4;
    int height = it->count * r + 6;
    int width = Even_Width(it->x2 + 20);
    int fh = Even_Width(it->y2 + 5);
    int T = f.y1, B = f.y2;
    List_Geometry g;
    g.x1 = x;
    g.x2 = x + width;
    g.first = 0;
    if (height < B - y - fh - 7) {
        g.y1 = y + fh;
        g.rows_shown = it->count;
    } else if (height < y - T - 15) {
        g.y1 = y - height;
        g.rows_shown = it->count;
    } else if (B - y - fh >= y - T - 8) {
        g.rows_shown = std::max(1, (B - y - fh - 25) / r);
        g.y1 = y + fh;
    } else {
        g.rows_shown = std::max(1, (y - T - 33) / r);
        g.y1 = y - (g.rows_shown * r + 6);
    }
    if (it->count > 3 * g.rows_shown) {
        int room = (NPIXEL_Y - y - r - 10) / r;
        if (room > g.rows_shown) {
            g.rows_shown = std::min(room, it->count / 2);
            g.y1 = y + fh;
        }
    }
    g.y2 = g.y1 + g.rows_shown * r + 6;
    const char *file = it->text;
    int cw = it->x2, ch = it->y2, sy0 = it->aux;
    return Run_List(g, r, it->count, it->variable,
                    [file, cw, ch, sy0](int row, int x0, int top, bool, int) {
                        int sy = sy0 + row * ch;
                        pxDrawPartialTransparentDIB(file, 0, sy, cw - 1, sy + ch - 1, x0 - 4,
                                                    top + 2, x0 - 4 + cw - 1, top + 1 + ch, 201,
                                                    -1, -1, -1, -1);
                    });
}

// ---- the multi-line editor ------------------------------------------------

void Place_Cursor_From_Mouse(Edit_Field_State *st) {
    if (st->line_count == 0) {
        st->cursor = st->text;
        return;
    }
    int line = (M_YPOS - st->y1 - 7) / 14 + st->first_visible;
    int last = st->line_count - 1;
    if (line > last - 1 && last > 0) {  // below the last text line: the last character
        st->cursor = st->text + st->length;
        return;
    }
    line = std::clamp(line, 0, std::max(0, last));
    char *start = st->lines[line];
    char *end = line + 1 < st->line_count ? st->lines[line + 1] : st->text + st->length;
    int target = M_XPOS - st->x1 - 7;
    Pop_RFont(st->font);
    char *best = start;
    int best_d = 1 << 30;
    for (char *p = start; p <= end; p++) {
        if (p > start && p[-1] == '\n') break;
        int w = Edit_Field_Text_Width(start, static_cast<int>(p - start)) + (p > start ? 2 : 0);
        int d = std::abs(w - target);
        if (d < best_d) {
            best_d = d;
            best = p;
        }
    }
    Push_RFont();
    st->cursor = best;
}

void Repaint_Editor(Edit_Field_State *st) {
    Layout_Edit_Field_Text(st->item, st->x1, st->y1, st->x2, st->y2);
    Keep_Edit_Field_Cursor_Visible(st);
    Draw_Edit_Field_Caret(st);
    Draw_Edit_Field_Indicators(st);
}

void Delete_Selection(Edit_Field_State *st) {
    if (!st->selection_start || !st->selection_end || st->selection_start >= st->selection_end)
        return;
    assert(st->selection_start >= st->text && st->selection_end <= st->text + st->length);
    size_t n = static_cast<size_t>(st->selection_end - st->selection_start);
    size_t tail = std::strlen(st->selection_end);
    std::memmove(st->selection_start, st->selection_end, tail + 1);
    std::memset(st->selection_start + tail, 0, n);
    st->cursor = st->selection_start;
    st->length -= static_cast<int>(n);
    Clear_Edit_Field_Selection(st);
}

// The texts of the fields are stored as words with their blanks written as
// "~" (base/stored_text.h): a "~" typed would come back as a blank. True,
// after a box that names it, when `text` holds one; `kept` says what stays.
bool Refuse_Stored_Blank(const char *text, const char *kept) {
    if (!std::strchr(text, STORED_BLANK)) return false;
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\n%s\n%s", "Das Zeichen \"~\" kann nicht eingegeben werden:"_cp,
                       "in der Eingabedatei steht es für ein Leerzeichen und käme als Leerzeichen zurück."_cp, kept);
    return true;
}

// The print list's markup escape 0xCE ("╬"): in a text that reaches the
// list it would take the characters after it for a format and hide them
// ("A╬HB" printed as "AB"). True, after a box that names it, when `text`
// holds one; `kept` says what stays.
bool Refuse_Markup_Escape(const char *text, const char *kept) {
    if (!std::strchr(text, '\xCE')) return false;
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\n%s\n%s",
                       "Das Zeichen \"╬\" (Byte 0xCE) kann nicht eingegeben werden:"_cp,
                       "im Ausdruck leitet es eine Formatierung ein und verdeckte den Text danach."_cp, kept);
    return true;
}

// A character no text field takes ("~", "╬", the letters the print list's
// font draws as formula signs), or none.
bool Untakeable(char c) {
    return c == STORED_BLANK || c == '\xCE' || Print_Font_Redraws(static_cast<unsigned char>(c));
}

// The words of a text refused for its length, as the one-line fields say them.
std::string Too_Long_Words(int most) {
    return "Der Text ist zu lang: höchstens "_cp + std::to_string(most) + " Zeichen.";
}

// A text longer than its field is refused as the one-line fields refuse it:
// with a box, once an edit, naming the field's limit.
void Refuse_Length(Edit_Field_State *st, const char *what) {
    if (st->length_refused) return;
    st->length_refused = 1;
    PrintTitledMessage(VEK_REFUSAL_TITLE, "%s\n%s", Too_Long_Words(st->max_length).c_str(), what);
}

void Insert_Char(Edit_Field_State *st, char c) {
    Delete_Selection(st);
    assert(st->cursor >= st->text && st->cursor <= st->text + st->length);
    if (st->length >= st->max_length) {
        Refuse_Length(st, "Das Zeichen wird nicht angefügt."_cp);
        return;
    }
    size_t tail = std::strlen(st->cursor);
    std::memmove(st->cursor + 1, st->cursor, tail + 1);
    *st->cursor++ = c;
    st->length++;
}

void Move_Lines(Edit_Field_State *st, int lines) {
    Relayout_Edit_Field(st, st->x2 - st->x1 - 20);
    int line = Edit_Field_Cursor_Line(st);
    int target = std::clamp(line + lines, 0, std::max(0, st->line_count - 2));
    Pop_RFont(st->font);
    int old_w = Edit_Field_Text_Width(st->lines[line], static_cast<int>(st->cursor - st->lines[line]));
    char *p = st->lines[target];
    char *end = target + 1 < st->line_count ? st->lines[target + 1] : st->text + st->length;
    while (p < end && Edit_Field_Text_Width(st->lines[target], static_cast<int>(p - st->lines[target])) + 2 < old_w &&
           *p != '\n')
        p++;
    Push_RFont();
    st->cursor = p;
}

// A press inside the editor: the cursor goes under the mouse; while the
// button is held, a move of more than 5 pixels starts a selection from the
// press position to the cursor, scrolling a line per 50 ms while the mouse
// is above or below the text.  A press without drag, or an empty
// selection, clears the selection.
void Drag_Select(Edit_Field_State *st) {
    Clear_Edit_Field_Selection(st);
    Place_Cursor_From_Mouse(st);
    Repaint_Editor(st);
    char *anchor = st->cursor;
    int px = M_XPOS, py = M_YPOS;
    bool dragging = false;
    VEKMessage m;
    InitVEKMessage(&m);
    m.timeout = 50;
    while (M_LEFT) {
        int ev = GetVEKMessage(VEK_WAIT_DRAG, &m);
        if (ev == VEK_MSG_CLOSE || !M_LEFT) break;
        if (!dragging && std::abs(M_XPOS - px) <= 5 && std::abs(M_YPOS - py) <= 5) continue;
        dragging = true;
        if (M_YPOS < st->y1 && st->first_visible > 0) {
            st->first_visible--;
        } else if (M_YPOS > st->y2 &&
                   st->first_visible + st->visible_lines < st->line_count - 1) {
            st->first_visible++;
        }
        Layout_Edit_Field_Text(st->item, st->x1, st->y1, st->x2, st->y2);
        Place_Cursor_From_Mouse(st);
        st->selection_start = std::min(anchor, st->cursor);
        st->selection_end = std::max(anchor, st->cursor);
        Repaint_Editor(st);
    }
    if (!dragging || st->selection_start == st->selection_end) Clear_Edit_Field_Selection(st);
}

// Ctrl C copies the selection to the clipboard, Ctrl X moves it there.
void Editor_Copy(Edit_Field_State *st, int k) {
    if (st->selection_start && st->selection_end && st->selection_start < st->selection_end) {
        std::string copy(st->selection_start, st->selection_end);
        VEKSetClipboardText(copy.c_str(), 0);
        if (k == VEK_KEY_CTRL_X) Delete_Selection(st);
    }
}

// Ctrl V: the whole clipboard up to a byte more than the field could ever
// hold, in place of the selection. What does not fit is refused with a box,
// as typed characters are, never cut without a word.
void Editor_Paste(Edit_Field_State *st) {
    Delete_Selection(st);
    std::vector<char> buf(static_cast<size_t>(st->max_length) + 2, 0);
    const int n = VEKGetClipboardText(buf.data(), static_cast<int>(buf.size()));
    const char *without = "Der eingefügte Text wird ohne dieses Zeichen übernommen."_cp;
    Refuse_Stored_Blank(buf.data(), without);
    Refuse_Markup_Escape(buf.data(), without);
    Refuse_Print_Font_Signs(buf.data(), static_cast<size_t>(n), without);
    int pasted = 0, taken = 0;
    for (int i = 0; i < n; i++) {
        if (Untakeable(buf[i])) continue;
        pasted++;
        if (st->length >= st->max_length) continue;
        Insert_Char(st, buf[i]);
        taken++;
    }
    if (taken < pasted) {
        const std::string count =
            n > st->max_length ? "mehr als " + std::to_string(st->max_length) : std::to_string(pasted);
        const std::string what = "Vom eingefügten Text ("_cp + count + " Zeichen) sind " + std::to_string(taken) +
                                 " übernommen."_cp;
        st->length_refused = 0;
        Refuse_Length(st, what.c_str());
    }
}

// Home and End: to the start of the cursor's line, or before the line end
// or the blank the line was broken at; the last line of a text without a
// line end ends with the text.
void Editor_Line_End(Edit_Field_State *st, int k) {
    Relayout_Edit_Field(st, st->x2 - st->x1 - 20);
    int line = Edit_Field_Cursor_Line(st);
    if (k == VEK_KEY_HOME) {
        st->cursor = st->lines[line];
    } else if (line + 1 < st->line_count) {
        char *end = st->lines[line + 1];
        const bool text_end = *end == '\0' && (end == st->lines[line] || end[-1] != '\n');
        st->cursor = text_end ? end : std::max(st->lines[line], end - 1);
    }
}

// Backspace and Delete: the selection, else the character before or after
// the cursor.
void Editor_Delete(Edit_Field_State *st, int k) {
    if (st->selection_start && st->selection_start < st->selection_end) {
        Delete_Selection(st);
    } else if (k == VEK_KEY_BACKSPACE && st->cursor > st->text) {
        std::memmove(st->cursor - 1, st->cursor, std::strlen(st->cursor) + 1);
        st->cursor--;
        st->length--;
    } else if (k == VEK_KEY_DELETE && st->cursor < st->text + st->length) {
        std::memmove(st->cursor, st->cursor + 1, std::strlen(st->cursor + 1) + 1);
        st->length--;
    }
}

// A typed character (Enter as a line break); the signs the stored text or
// the print font cannot hold, and foreign keys, are refused with a box.
void Editor_Typed(Edit_Field_State *st, int k) {
    if (k == VEK_KEY_ENTER) Insert_Char(st, '\n');
    else if (k == STORED_BLANK) Refuse_Stored_Blank("~", "Der Text bleibt, wie er war.");
    else if (k == 0xCE) Refuse_Markup_Escape("\xCE", "Der Text bleibt, wie er war.");
    else if (k >= 0x80 && k <= 0xff && Print_Font_Redraws(static_cast<unsigned char>(k))) {
        const char typed = static_cast<char>(k);
        Refuse_Print_Font_Signs(&typed, 1, "Der Text bleibt, wie er war.");
    }
    else if (VEK_Refuse_Foreign_Key(k, "Der Text bleibt, wie er war.")) return;
    else if (k >= 0x20 && k <= 0xff) Insert_Char(st, static_cast<char>(k));
}

// A key in the multi-line editor: copy, cut, paste and select all with
// Ctrl, cursor movement, deletion, and the characters typed (Enter as a line
// break), none of them past the field's length limit.
void Editor_Key(Edit_Field_State *st, int k) {
    char *tail_end = st->text + st->length;
    switch (k) {
    case VEK_KEY_CTRL_C: case VEK_KEY_CTRL_X: Editor_Copy(st, k); break;
    case VEK_KEY_CTRL_V: Editor_Paste(st); break;
    case VEK_KEY_CTRL_A:
        st->selection_start = st->text;
        st->selection_end = tail_end;
        st->cursor = tail_end;
        break;
    case VEK_KEY_LEFT: Clear_Edit_Field_Selection(st); if (st->cursor > st->text) st->cursor--; break;
    case VEK_KEY_RIGHT: Clear_Edit_Field_Selection(st); if (st->cursor < tail_end) st->cursor++; break;
    case VEK_KEY_UP: Clear_Edit_Field_Selection(st); Move_Lines(st, -1); break;
    case VEK_KEY_DOWN: Clear_Edit_Field_Selection(st); Move_Lines(st, 1); break;
    case VEK_KEY_PGUP: Clear_Edit_Field_Selection(st); Move_Lines(st, -std::max(1, st->visible_lines)); break;
    case VEK_KEY_PGDN: Clear_Edit_Field_Selection(st); Move_Lines(st, std::max(1, st->visible_lines)); break;
    case VEK_KEY_HOME: case VEK_KEY_END: Editor_Line_End(st, k); break;
    case VEK_KEY_CTRL_HOME: st->cursor = st->text; break;
    case VEK_KEY_CTRL_END: st->cursor = tail_end; break;
    case VEK_KEY_BACKSPACE: case VEK_KEY_DELETE: Editor_Delete(st, k); break;
    default: Editor_Typed(st, k); break;
    }
}

// While a multi-line field has the keyboard, the area's buttons under the
// mouse still show their hover look and tool tip; they go before the
// editor draws again (a tip keeps the screen under it to put back).
struct Editor_Hover {
    Scrollable_View_Area *a;
    Scrollable_Area_Item *shown = nullptr;

    void Look(int look) {
        if (shown->kind != AREA_ITEM_BITMAP_BUTTON) return;
        const Frame f = Screen_Frame(a);
        int vx1, vy1, vx2, vy2;
        pxQVwp(&vx1, &vy1, &vx2, &vy2);
        pxView(f.x1, f.y1, f.x2, f.y2);
        Draw_Bitmap_Button_Look(shown, f.x1 + shown->x1 - f.sx, f.y1 + shown->y1 - f.sy, look);
        pxView(vx1, vy1, vx2, vy2);
    }
    void Leave() {
        if (!shown) return;
        Hide_Tool_Tip();
        Look(1);
        setMouseCursor(0);
        shown = nullptr;
    }
    void Follow() {
        Scrollable_Area_Item *it = Hovered_Item(a, Screen_Frame(a));
        if (it == shown) return;
        Leave();
        if (!it) return;
        shown = it;
        Look(2);
        const char *tip = it->kind == AREA_ITEM_BITMAP_BUTTON ? it->text2 : it->text;
        if (tip) Show_Tool_Tip(tip);
    }
};

// Escape ended a multi-line editor: the area's break-key action, whatever
// the short-key setting (Escape has no other use in the editor). 1 when
// it fired.
int Escape_From_Editor(Scrollable_View_Area *a) {
    if (!a->break_target) return 0;
    *a->break_target = a->break_value;
    return 1;
}

// Edits a multi-line field of the area shown in f until a press outside it
// (left in M_LEFT for the caller), Escape or the close request: the caret
// under the mouse that pressed into it, or, typed into without a click, at
// the text's end. 1 when Escape ended it and fired the area's break-key
// action (Escape_From_Editor), else 0.
int Run_Edit_Field(Scrollable_View_Area *a, Scrollable_Area_Item *it, const Frame &f, bool clicked) {
    Edit_Field_State *st = it->editor;
    if (!st || !it->text) return 0;
    const int x1 = f.x1 + it->x1 - f.sx, y1 = f.y1 + it->y1 - f.sy;
    const int x2 = f.x1 + it->x2 - f.sx, y2 = f.y1 + it->y2 - f.sy;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(std::max(x1, f.x1), std::max(y1, f.y1), std::min(x2, f.x2), std::min(y2, f.y2));
    st->background = it->count;
    st->text_colour = it->colour;
    st->text = it->text;
    st->item = it;
    st->length = static_cast<int>(std::strlen(it->text));
    st->length_refused = 0;
    Set_Active_Edit_Field(st);
    Pop_RFont(st->font);
    Layout_Edit_Field_Text(it, x1, y1, x2, y2);
    if (clicked) Place_Cursor_From_Mouse(st);
    else st->cursor = st->text + st->length;
    Keep_Edit_Field_Cursor_Visible(st);
    Draw_Edit_Field_Caret(st);
    Draw_Edit_Field_Indicators(st);
    GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
    int escaped = 0;
    Editor_Hover hover{a};
    for (;;) {
        VEKMessage m;
        InitVEKMessage(&m);
        int ev = GetVEKMessage(static_cast<int>(VEK_WAIT_EDITOR) | VEK_MASK_MOVE, &m);
        if (ev == VEK_MSG_MOVE) {
            hover.Follow();
            continue;
        }
        hover.Leave();
        if (ev == VEK_MSG_CLOSE) break;  // the user went away: as a click outside
        if (ev == VEK_MSG_WHEEL || M_SCROLL) {
            int w = M_SCROLL ? M_SCROLL : m.wheel;
            if (w < 0 && st->first_visible + st->visible_lines < st->line_count - 2) {
                st->first_visible++;
                Move_Lines(st, 1);
            } else if (w > 0 && st->first_visible > 0) {
                st->first_visible--;
                Move_Lines(st, -1);
            }
            M_SCROLL = 0;
        } else if (ev == VEK_MSG_LEFT_DOWN) {
            if (!Inside(M_XPOS, M_YPOS, x1, y1, x2, y2)) break;
            Drag_Select(st);
        } else if (ev == VEK_MSG_RIGHT_DOWN) {
            VEKMenuItem menu[1] = {{"Sonderzeichen", "_SPEC", nullptr, nullptr, 0, 0, 1}};
            Wait_Release();
            if (Menue_Manager(menu, 1, 0, M_XPOS, M_YPOS) == 0) {
                int c = Get_UserSelected_SpecialCharacter();
                if (c >= 0) Insert_Char(st, static_cast<char>(c));
            }
        } else if (ev == VEK_MSG_KEY) {
            const int key = getkey();
            if (key == VEK_KEY_ESC) {
                escaped = 1;
                break;
            }
            Editor_Key(st, key);
        }
        Repaint_Editor(st);
    }
    Hide_Edit_Field_Caret(st);
    st->first_visible = 0;
    Clear_Edit_Field_Selection(st);
    Layout_Edit_Field_Text(it, x1, y1, x2, y2);
    Push_RFont();
    Set_Active_Edit_Field(nullptr);
    pxView(vx1, vy1, vx2, vy2);
    return escaped ? Escape_From_Editor(a) : 0;
}

// ---- field editing --------------------------------------------------------

// Pixel width used for hit tests and scrolling of a field kind.
int Field_Width(const Scrollable_Area_Item *it, bool for_scroll) {
    switch (it->kind) {
    case AREA_ITEM_CHOICE_LIST: return it->aux + 18;
    case AREA_ITEM_IMAGE_CHOICE: return it->x2 + 20;
    case AREA_ITEM_EDIT_TEXT: return (Width_In_Font("X", it->font) + 1) * it->y2;
    default: {
        int w = Width_In_Font(Double_Field_Text(it).c_str(), it->font);
        return for_scroll ? Even_Width(w + 2) : w;
    }
    }
}

bool Is_Field(const Scrollable_Area_Item *it) {
    return it->kind == AREA_ITEM_DOUBLE || it->kind == AREA_ITEM_EDIT_TEXT ||
           it->kind == AREA_ITEM_CHOICE_LIST || it->kind == AREA_ITEM_IMAGE_CHOICE;
}

// Edits a double field: its editor starts with the value as the field
// shows it; what is typed goes into the field's value only when the field
// takes it (its bounds and decimal places, field_number.h; then the check
// function sees it); a refused value ends the chain.  Returns the edit's
// result.
int Edit_Double(Scrollable_Area_Item *it, int x, int y) {
    if (!it->value) return 0;
    double typed = *it->value;
    const int result = Short_Edit_Float(x - 8, y - 14, Double_Field_Format(it).c_str(), &typed);
    if (std::memcmp(&typed, it->value, sizeof typed) != 0) {
        const double any = HUGE_VAL;
        const VEK_Number_Rule rule = {it->bounded ? it->minimum : -any, it->bounded ? it->maximum : any,
                                      it->decimals};
        std::string kept = Double_Field_Text(it, false);
        kept.erase(0, std::min(kept.size(), kept.find_first_not_of(' ')));
        if (!VEK_Take_Typed_Number(rule, typed, kept)) return 0;
        *it->value = typed;
    }
    if (it->check) it->check(it->value);
    return result;
}

// Edits one field in place; returns the edit's result (0 ends a chain).
int Edit_Field(Scrollable_View_Area *a, Scrollable_Area_Item *it) {
    Frame f = Screen_Frame(a);
    int x = f.x1 + it->x1 - f.sx, y = f.y1 + it->y1 - f.sy;
    int result = 0;
    switch (it->kind) {
    case AREA_ITEM_DOUBLE:
        result = Edit_Double(it, x, y);
        break;
    case AREA_ITEM_EDIT_TEXT: {
        if (!it->text) return 0;
        int max = it->aux;
        // The editor writes up to the visible length (or the scroll length
        // max) and a terminator into the copy: the adders keep it within.
        assert(max >= 0 && it->y2 >= 0 && it->y2 <= max);
        std::vector<char> copy(static_cast<size_t>(max) + 1, '\0');
        std::strncpy(copy.data(), it->text, static_cast<size_t>(max));
        if (it->y2 < max) Set_Short_Edit_Text_Scrollmode(max);
        result = Short_Edit_Text(x - 8, y - 14, copy.data(), it->y2, 0);
        copy[static_cast<size_t>(max)] = '\0';
        if (std::strcmp(copy.data(), it->text) != 0 &&
            (Refuse_Stored_Blank(copy.data(), "Der bisherige Text bleibt erhalten.") ||
             Refuse_Markup_Escape(copy.data(), "Der bisherige Text bleibt erhalten.") ||
             Refuse_Print_Font_Signs(copy.data(), std::strlen(copy.data()),
                                     "Der bisherige Text bleibt erhalten."))) {
            result = 0;
            break;
        }
        std::memcpy(it->text, copy.data(), std::strlen(copy.data()) + 1);
        break;
    }
    case AREA_ITEM_CHOICE_LIST:
        result = Choice_List(it, x, y);
        if (it->check && it->variable)
            it->check(reinterpret_cast<void *>(static_cast<intptr_t>(*it->variable)));
        break;
    case AREA_ITEM_IMAGE_CHOICE:
        result = Image_Choice_List(it, x, y, f);
        if (it->check && it->variable)
            it->check(reinterpret_cast<void *>(static_cast<intptr_t>(*it->variable)));
        break;
    default: break;
    }
    M_XPOS = x;
    M_YPOS = y - 8;
    return result;
}

// Scrolls so that the field is wholly visible; true when the origin moved.
void Scroll_To_Field(Scrollable_View_Area *a, Scrollable_Area_Item *it) {
    Frame f = Screen_Frame(a);
    int sx = f.sx, sy = f.sy;
    int w = Field_Width(it, true);
    int vw = a->x2 - a->x1, vh = a->y2 - a->y1;
    if (it->x1 - sx < 9) sx = it->x1 - 9;
    if (it->y1 - sy < 13) sy = it->y1 - 13;
    if (it->x1 + w + 5 - sx >= vw) sx = it->x1 + w + 6 - vw;
    if (it->y1 + 4 - sy >= vh) sy = it->y1 + 5 - vh;
    sx = std::max(sx, 0);
    sy = std::max(sy, 0);
    if (sx != f.sx || sy != f.sy) {
        a->scroll_x = sx;
        a->scroll_y = sy;
        Set_Scrollable_Area_PS(a->sheet_area_id, sx, sy);
        if (a->vslider_id)
            Change_Activity_PS(a->vslider_id, a->content_height > vh ? 1 : -1);
        if (a->hslider_id)
            Change_Activity_PS(a->hslider_id, a->content_width > vw ? 1 : -1);
    }
    Repaint(a);
}

// The short key waiting at the head of the queue, when its switch is on and
// the area has a target for it: the value goes into the target and the key
// is taken.  1 when it fired, else 0 (the key stays).
int Run_Short_Key(Scrollable_View_Area *a) {
    if (!Any_Short_Key_Switch()) return 0;
    int key = hitkey();
    if (key == -1) return 0;
    int b, o, h, j;
    Inquire_Scrollable_Area_Short_Keys(&b, &o, &h, &j);
    int value = 0;
    int *target = nullptr;
    if (key == VEK_KEY_ESC && b) {
        value = a->break_value;
        target = a->break_target;
    } else if (key == VEK_KEY_ENTER && o) {
        value = a->ok_value;
        target = a->ok_target;
    } else if (key == VEK_KEY_F1 && h) {
        value = a->help_value;
        target = a->help_target;
    }
    if (!target) return 0;
    *target = value;
    getkey();
    return 1;
}

// A click takes back what the click texts stored: 1 when one was set.
int Clear_Click_Texts(Scrollable_View_Area *a) {
    int cleared = 0;
    for (Scrollable_Area_Item *it = a->first_item; it; it = it->next)
        if (it->kind == AREA_ITEM_CLICK_TEXT && it->click_target && *it->click_target != 0) {
            *it->click_target = 0;
            cleared = 1;
        }
    return cleared;
}

// A click at (mx, my) on a check box, radio button, bitmap button, click
// text or click area at screen position (x, y): true when it hit the item,
// whose bound variable then holds the new value (and whose check function
// has seen it).
bool Click_Value_Item(Scrollable_Area_Item *it, const Frame &f, int x, int y, int mx, int my) {
    switch (it->kind) {
    case AREA_ITEM_CHECK_BOX:
    case AREA_ITEM_RADIO_BUTTON: {
        if (!Item_Enabled(it)) return false;
        int right = (it->text && *it->text) ? x + Width_In_Font(it->text, it->font) : x - 9;
        if (!(mx >= x - 20 && my >= y - 10 && my <= y + 2 && mx <= right)) return false;
        int v = 0;
        if (it->variable) {
            if (it->kind == AREA_ITEM_CHECK_BOX) *it->variable = *it->variable ? 0 : 1;
            else *it->variable = it->aux;
            v = *it->variable;
        }
        if (it->check) it->check(reinterpret_cast<void *>(static_cast<intptr_t>(v)));
        return true;
    }
    case AREA_ITEM_BITMAP_BUTTON: {
        int x2 = f.x1 + it->x2 - f.sx, y2 = f.y1 + it->y2 - f.sy;
        if (!Item_Enabled(it) || !Inside(mx, my, x, y, x2, y2)) return false;
        int vx1, vy1, vx2, vy2;
        pxQVwp(&vx1, &vy1, &vx2, &vy2);
        pxView(f.x1, f.y1, f.x2, f.y2);
        Draw_Bitmap_Button_Look(it, x, y, 3);
        Wait_Release();
        Draw_Bitmap_Button_Look(it, x, y, 1);
        pxView(vx1, vy1, vx2, vy2);
        if (it->variable) *it->variable = it->font;
        return true;
    }
    case AREA_ITEM_CLICK_TEXT: {
        int w = Width_In_Font(it->text, it->font);
        if (!(mx >= x - 2 && my >= y - 9 && my <= y + 2 && mx <= x + w + 2)) return false;
        if (it->click_target) *it->click_target = static_cast<int>(it->click_value);
        return true;
    }
    case AREA_ITEM_CLICK_AREA: {
        int x2 = f.x1 + it->x2 - f.sx, y2 = f.y1 + it->y2 - f.sy;
        if (!Inside(mx, my, std::min(x, x2), std::min(y, y2), std::max(x, x2), std::max(y, y2)))
            return false;
        if (it->click_target) *it->click_target = static_cast<int>(it->click_value);
        return true;
    }
    default:
        return false;
    }
}

// Whether a click at (mx, my) lies on the field `it` at screen position
// (x, y), enabled or not; a field scrolled above the area's top rows does
// not count.
bool Click_At_Field(const Scrollable_Area_Item *it, const Frame &f, int x, int y, int mx, int my) {
    if (it->kind == AREA_ITEM_IMAGE_CHOICE)
        return mx >= x && mx <= x + it->x2 + 20 && my >= y && my <= y + it->y2 + 5;
    return mx >= x - 6 && my >= y - 13 && my <= y + 5 && it->y1 - f.sy > 11 && y + 2 < f.y2 &&
           mx <= x + Field_Width(it, false) + 6;
}

// Whether a click hits the enabled field `it`.
bool Click_On_Field(const Scrollable_Area_Item *it, const Frame &f, int x, int y, int mx, int my) {
    return Item_Enabled(it) && Click_At_Field(it, f, x, y, mx, my);
}

// A click on a disabled field that says why it takes nothing: its reason in
// a box. True when it was said.
bool Say_Why_Not_Editable(const Scrollable_Area_Item *it, const Frame &f, int x, int y, int mx, int my) {
    if (!it->reason || Item_Enabled(it) || !Click_At_Field(it, f, x, y, mx, my)) return false;
    Wait_Release();
    PrintTitledMessage("Hinweis", "%s", it->reason);
    return true;
}

// Whether an edit that ended with `result` goes on to the next field: Tab
// (or another key that moves on) does; 0 and Enter, which confirms what
// was typed so that the page takes it at once, end the chain.
bool Moves_On(int result) { return result != 0 && result != VEK_KEY_ENTER; }

// A field that a chain of edits may enter: a number or a text.  A list is
// opened only by a click, so that no key changes a choice the person does
// not see open.
bool Chain_Field(const Scrollable_Area_Item *it) {
    return (it->kind == AREA_ITEM_DOUBLE || it->kind == AREA_ITEM_EDIT_TEXT) && Item_Enabled(it);
}

// The field a chain of edits goes on to from `at`: the next one, or with
// Shift+Tab the one before; null at the list's end.
Scrollable_Area_Item *Chain_Step(Scrollable_View_Area *a, Scrollable_Area_Item *at, int result) {
    if (result != VEK_KEY_BACKTAB) {
        for (Scrollable_Area_Item *next = at->next; next; next = next->next)
            if (Chain_Field(next)) return next;
        return nullptr;
    }
    Scrollable_Area_Item *before = nullptr;
    for (Scrollable_Area_Item *it = a->first_item; it && it != at; it = it->next)
        if (Chain_Field(it)) before = it;
    return before;
}

// Edits the field and, while an edit moves on, the next enabled number or
// text fields after it (Shift+Tab: before it), each scrolled into view
// first.
void Edit_Field_Chain(Scrollable_View_Area *a, Scrollable_Area_Item *it) {
    Wait_Release();
    while (hitkey() != -1) getkey();
    int r = Edit_Field(a, it);
    for (Scrollable_Area_Item *at = it; Moves_On(r) && (at = Chain_Step(a, at, r)) != nullptr;) {
        Scroll_To_Field(a, at);
        r = Edit_Field(a, at);
    }
    Repaint(a);
}

}  // namespace

// ---------------------------------------------------------------------------

void Wait_on_Scrollable_View_Area(int slot) {
    if (Scrollable_View_Area *a = Placed_Area(slot)) Hover_Wait(a);
}

int Edit_Scrollable_View_Area(int slot) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return 0;
    if (!M_LEFT) Hover_Wait(a);
    if (getkeymask() == VEK_KEYMASK_SHIFT) return 0;
    if (!M_LEFT) return Run_Short_Key(a);
    Frame f = Screen_Frame(a);
    int result = Clear_Click_Texts(a);
    int mx = M_XPOS, my = M_YPOS;
    for (Scrollable_Area_Item *it = a->first_item; it; it = it->next) {
        int x = f.x1 + it->x1 - f.sx, y = f.y1 + it->y1 - f.sy;
        if (it->kind == AREA_ITEM_EDIT_FIELD) {
            int x2 = f.x1 + it->x2 - f.sx, y2 = f.y1 + it->y2 - f.sy;
            if (!Inside(mx, my, x, y, x2, y2)) continue;
            return Run_Edit_Field(a, it, f, true);
        }
        if (Is_Field(it)) {
            if (Say_Why_Not_Editable(it, f, x, y, mx, my)) return 0;
            if (!Click_On_Field(it, f, x, y, mx, my)) continue;
            Edit_Field_Chain(a, it);
            return 1;
        }
        if (Click_Value_Item(it, f, x, y, mx, my)) {
            Repaint(a);
            result = 1;
            break;
        }
    }
    Wait_Release();
    return result;
}

int Type_Into_Scrollable_Area(int slot) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return 0;
    const Frame f = Screen_Frame(a);
    for (Scrollable_Area_Item *it = a->first_item; it; it = it->next) {
        if (it->kind == AREA_ITEM_EDIT_FIELD) return Run_Edit_Field(a, it, f, false);
    }
    return 0;
}

void Scroll_Scrollable_Area_to(int slot, int x1, int y1, int x2, int y2) {
    Scrollable_View_Area *a = Placed_Area(slot);
    if (!a) return;
    int W = a->x2 - a->x1, H = a->y2 - a->y1;
    int CW = a->content_width, CH = a->content_height;
    int sx = 0, sy = 0;
    Inquire_Scrollable_Area_PS(a->sheet_area_id, &sx, &sy);
    int tx = std::max(x1, 0), ty = std::max(y1, 0);
    int b = std::min(y2, CH);
    bool step3 = true;
    if (sx <= tx) {
        int r = std::min(x2, CW);
        if (sx + W < r) {
            if (r - tx < W) tx = r - W;
        } else if (sy <= ty) {
            if (b <= sy + H) return;  // already visible
            if (r - tx < W) tx = r - W;
        } else {
            if (r - tx < W) tx = r - W;
            else step3 = false;
        }
    }
    if (step3 && b - ty < H && sy <= ty) ty = b - H;
    tx = std::max(tx, 0);
    ty = std::max(ty, 0);
    tx = std::min(tx, CW - W);
    ty = std::min(ty, CH - H);
    for (int k = 1; k <= 10; k++) {
        a->scroll_x = sx + k * (tx - sx) / 10;
        a->scroll_y = sy + k * (ty - sy) / 10;
        Update_Scrollable_View_Area(slot);
        VEKSleep(30);
    }
}
