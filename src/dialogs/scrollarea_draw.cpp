// Painting of the scrollable view areas: background and frame, the looks of
// every item kind, the text layout of multi-line edit fields and tool tips.
//
// Every painter leaves the foreground colour, the viewport, the drawing
// buffer and the font as it found them, because the window library calls
// the area callback in the middle of other drawing.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/vesk.h"
#include "dialogs/dialog_draw_internal.h"
#include "dialogs/scrollarea.h"
#include "dialogs/scrollarea_internal.h"
#include "platform/field_number.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/oli_layout.h"
#include "platform/screen.h"

namespace {

int grey_ci = -1, black_ci = -1, white_ci = -1;
int caret_ci = -1, selection_ci = -1, length_bar_ci = -1, line_bar_ci = -1;

bool tip_shown = false;
int tip_x1, tip_y1, tip_x2, tip_y2;

// The painters' colours, looked up afresh at every paint: a palette made
// again (a new screen) must not leave them naming entries it no longer has.
void Make_Colours(void) {
    grey_ci = Nearest_Color_Index(190, 190, 190);
    black_ci = Nearest_Color_Index(0, 0, 0);
    white_ci = Nearest_Color_Index(255, 255, 255);
    caret_ci = Nearest_RGB_Color(0, 0, 255);
    selection_ci = Nearest_RGB_Color(153, 180, 209);
    length_bar_ci = Nearest_RGB_Color(255, 140, 140);
    line_bar_ci = Nearest_RGB_Color(88, 199, 143);
}

// Rectangles meet (both inclusive, any corner order).
bool Meets(int ax1, int ay1, int ax2, int ay2, int bx1, int by1, int bx2, int by2) {
    if (ax1 > ax2) std::swap(ax1, ax2);
    if (ay1 > ay2) std::swap(ay1, ay2);
    return ax1 <= bx2 && ax2 >= bx1 && ay1 <= by2 && ay2 >= by1;
}

// A text in a style: 1 bold (twice, the second 1 pixel right); 2 and 3 a
// soft shadow in a mix of background and colour, then the text.
void Styled_Text(int x, int y, const char *text, int font, int colour, int style, int background) {
    if (!text) return;
    Pop_RFont(font);
    if (style == 2 || style == 3) {
        int br, bg, bb, cr, cg, cb;
        pxQCR(background, &br, &bg, &bb);
        pxQCR(colour, &cr, &cg, &cb);
        double f = style == 2 ? 0.65 : 0.9;
        pxFgc(Nearest_RGB_Color(static_cast<int>(br * f + cr * (1 - f)),
                                static_cast<int>(bg * f + cg * (1 - f)),
                                static_cast<int>(bb * f + cb * (1 - f))));
        pxText(x + 1, y, text, -1);
    }
    pxFgc(colour);
    pxText(x, y, text, -1);
    if (style == 1) pxText(x + 1, y, text, -1);
    Push_RFont();
}

// The built-in marks (any small marks of the documented size serve).
void Check_Mark(int x, int y, bool on, int colour) {
    // Box x - 20 .. x - 8, y - 10 .. y + 2.
    pxFgc(white_ci);
    pxRect(x - 19, y - 9, x - 9, y + 1);
    pxFgc(colour);
    Draw_Rect_Outline(x - 20, y - 10, x - 8, y + 2);
    if (on) {
        pxLine(x - 17, y - 4, x - 15, y - 2);
        pxLine(x - 17, y - 3, x - 15, y - 1);
        pxLine(x - 15, y - 2, x - 11, y - 7);
        pxLine(x - 15, y - 1, x - 11, y - 6);
    }
}

void Radio_Mark(int x, int y, bool on, int colour) {
    // Circle in x - 20 .. x - 9, y - 10 .. y + 1.
    static const int ring[14] = {12, 12, 0x0F0, 0x30C, 0x402, 0x402, 0x801, 0x801,
                                 0x801, 0x801, 0x402, 0x402, 0x30C, 0x0F0};
    static const int inside[14] = {12, 12, 0, 0x0F0, 0x3FC, 0x3FC, 0x7FE, 0x7FE,
                                   0x7FE, 0x7FE, 0x3FC, 0x3FC, 0x0F0, 0};
    static const int dot[14] = {12, 12, 0, 0, 0, 0, 0x0F0, 0x1F8, 0x1F8, 0x0F0, 0, 0, 0, 0};
    // 12 bits wide: the left pixel is bit 15.
    auto shifted = [](const int *m, int *out) {
        out[0] = m[0];
        out[1] = m[1];
        for (int i = 0; i < 12; i++) out[2 + i] = m[2 + i] << 4;
    };
    int buf[14];
    pxFgc(white_ci);
    shifted(inside, buf);
    pxMask(x - 20, y - 10, buf);
    pxFgc(colour);
    shifted(ring, buf);
    pxMask(x - 20, y - 10, buf);
    if (on) {
        shifted(dot, buf);
        pxMask(x - 20, y - 10, buf);
    }
}

void Arrow_Mark(int x, int y, int colour) {
    // 13 x 13 down arrow at x .. x + 12, y .. y + 12.
    pxFgc(colour);
    for (int k = 0; k < 5; k++) pxLine(x + 2 + k, y + 4 + k, x + 10 - k, y + 4 + k);
}

void Draw_Field_Box(int x, int y, int w, int extra, bool enabled) {
    if (enabled) {
        pxFgc(white_ci);
        pxRect(x - 6, y - 13, x + w + 6 + extra, y + 5);
    }
}

// A rotated text item, and its bold double one pixel beside it.
void Draw_Rotated_Text(const Scrollable_Area_Item *it, int x, int y) {
    if (!it->text) return;
    Pop_RFont(it->font);
    pxFgc(it->colour);
    int rot = it->y2;
    pxBTxt(x, y, x, y, it->text, -1, PX_ALIGN_BASELINE | PX_ALIGN_LEFT | rot);
    if (it->x2 == 1) {
        int bx = x, by = y;
        if (rot == PX_TURN_180) bx = x - 1;
        else if (rot == PX_TURN_270) by = y + 1;
        else if (rot == PX_TURN_90) by = y - 1;
        else bx = x + 1;
        pxBTxt(bx, by, bx, by, it->text, -1, PX_ALIGN_BASELINE | PX_ALIGN_LEFT | rot);
    }
    Push_RFont();
}

// A check box or radio button: its text and its mark, greyed when disabled.
void Draw_Check_Item(const Scrollable_Area_Item *it, int x, int y, int background) {
    bool enabled = Item_Enabled(it);
    int colour = enabled ? it->colour : grey_ci;
    if (it->text) Styled_Text(x, y, it->text, it->font, colour, it->x2, background);
    bool on = it->variable && (it->kind == AREA_ITEM_CHECK_BOX ? *it->variable != 0
                                                               : *it->variable == it->aux);
    int image = on ? it->image_on : it->image_off;
    if (image) Draw_TreeViewImage(image, x - 13, y - 3, colour);
    else if (it->kind == AREA_ITEM_CHECK_BOX) Check_Mark(x, y, on, colour);
    else Radio_Mark(x, y, on, colour);
}

// A double or one-line text field: the shown value in its box (or the
// disabled text), framed.
void Draw_Text_Field(const Scrollable_Area_Item *it, int x, int y, int background) {
    bool enabled = Item_Enabled(it);
    std::string shown;
    if (it->kind == AREA_ITEM_DOUBLE) shown = Double_Field_Text(it);
    else if (it->text) shown.assign(it->text, strnlen(it->text, static_cast<size_t>(std::max(it->y2, 0))));
    Pop_RFont(it->font);
    int w = 0;
    pxQTxX(shown.c_str(), -1, nullptr, &w);
    Push_RFont();
    w = Even_Width(w);
    Draw_Field_Box(x, y, w, 0, enabled);
    if (!enabled && it->text2) {
        Pop_RFont(RFONT_NORMAL);
        pxFgc(it->colour);
        pxText(x, y, it->text2, -1);
        Push_RFont();
    } else {
        Styled_Text(x, y, shown.c_str(), it->font, it->colour, it->x2, background);
    }
    Dotted_Frame(x - 7, y - 13, x + w + 7, y + 5, enabled ? black_ci : grey_ci);
}

// A drop-down field: the chosen entry in its box, framed, with the arrow.
void Draw_Choice_Field(const Scrollable_Area_Item *it, int x, int y, int background) {
    bool enabled = Item_Enabled(it);
    int w = Even_Width(it->aux);
    Draw_Field_Box(x, y, w, 18, enabled);
    int sel = it->variable ? *it->variable : 0;
    if (it->entries && sel >= 0 && sel < it->count && it->entries[sel].text) {
        int vx1, vy1, vx2, vy2;
        pxQVwp(&vx1, &vy1, &vx2, &vy2);
        pxView(std::max(vx1, x - 6), vy1, std::min(vx2, x + w + 6), vy2);
        Styled_Text(x, y, it->entries[sel].text, it->font, it->entries[sel].colour, it->x2,
                    background);
        pxView(vx1, vy1, vx2, vy2);
    }
    Dotted_Frame(x - 7, y - 13, x + w + 25, y + 5, enabled ? black_ci : grey_ci);
    Arrow_Mark(x + w + 10, y - 10, enabled ? black_ci : grey_ci);
}

// An image choice: the chosen cell of the bitmap (its greyed column when
// disabled) in a dotted frame with the arrow; nothing when it lies outside
// the area (ax1, ay1)-(ax2, ay2).
void Draw_Image_Choice_Field(const Scrollable_Area_Item *it, int x, int y, int ax1, int ay1, int ax2,
                             int ay2) {
    bool enabled = Item_Enabled(it);
    int fw = Even_Width(it->x2 + 20), fh = Even_Width(it->y2 + 5);
    if (!Meets(x, y, x + fw + 11, y + fh, ax1, ay1, ax2, ay2)) return;
    int sel = it->variable ? *it->variable : 0;
    int srcx = enabled ? 0 : 2 * it->x2;
    int srcy = it->aux + sel * it->y2;
    pxDrawPartialTransparentDIB(it->text, srcx, srcy, srcx + it->x2 - 1, srcy + it->y2 - 1,
                                x + 3, y + 3, x + 3 + it->x2 - 1, y + 3 + it->y2 - 1, 201, -1,
                                -1, -1, -1);
    Dotted_Frame(x, y, x + fw, y + fh, enabled ? black_ci : grey_ci);
    Arrow_Mark(x + fw - 14, y + fh / 2 - 6, enabled ? black_ci : grey_ci);
}

// Whether an item lies wholly outside the visible rectangle, so that
// drawing it (clipped to nothing) can be left out: the one-line kinds reach
// from 16 pixels above their line to 8 below it and start at most 25 pixels
// left of their position; the kinds with a rectangle are tested on it.
// Long lists of rows stay quick to paint this way.
bool Outside(const Scrollable_Area_Item *it, int x, int y, int ax1, int ay1, int ax2, int ay2, int sx,
             int sy) {
    switch (it->kind) {
    case AREA_ITEM_CHECK_BOX:
    case AREA_ITEM_RADIO_BUTTON:
    case AREA_ITEM_CLICK_TEXT:
    case AREA_ITEM_DOUBLE:
    case AREA_ITEM_EDIT_TEXT:
    case AREA_ITEM_CHOICE_LIST:
        return y + 8 < ay1 || y - 16 > ay2 || x - 25 > ax2;
    case AREA_ITEM_BITMAP_BUTTON:
    case AREA_ITEM_EDIT_FIELD:
        return !Meets(x, y, ax1 + it->x2 - sx, ay1 + it->y2 - sy, ax1, ay1, ax2, ay2);
    case AREA_ITEM_PICTURE:
        return !it->aux && !Meets(x, y, ax1 + it->x2 - sx, ay1 + it->y2 - sy, ax1, ay1, ax2, ay2);
    default:
        return false;
    }
}

void Draw_Item(const Scrollable_Area_Item *it, int ax1, int ay1, int ax2, int ay2, int sx, int sy,
               int background) {
    int x = ax1 + it->x1 - sx, y = ay1 + it->y1 - sy;
    if (Outside(it, x, y, ax1, ay1, ax2, ay2, sx, sy)) return;
    switch (it->kind) {
    case AREA_ITEM_TEXT:
        if (y < ay1 || y > ay2 + 12 || x >= ax2) return;
        Styled_Text(x, y, it->text, it->font, it->colour, it->x2, background);
        break;
    case AREA_ITEM_LINE: {
        int x2 = ax1 + it->x2 - sx, y2 = ay1 + it->y2 - sy;
        if (!Meets(x, y, x2, y2, ax1, ay1, ax2, ay2)) return;
        pxFgc(it->colour);
        pxLine(x, y, x2, y2);
        break;
    }
    case AREA_ITEM_PICTURE: {
        int px1 = x, py1 = y, px2 = ax1 + it->x2 - sx, py2 = ay1 + it->y2 - sy;
        if (it->aux) {  // fixed: does not scroll
            px1 = ax1 + it->x1;
            py1 = ay1 + it->y1;
            px2 = ax1 + it->x2;
            py2 = ay1 + it->y2;
        }
        int r = -1, g = -1, b = -1;
        if (it->count >= 0) pxQCR(it->count, &r, &g, &b);
        pxDrawTransparentDIB(it->text, px1, py1, px2, py2, 201, -1, r, g, b);
        break;
    }
    case AREA_ITEM_USER_DRAWN:
        if (it->draw) it->draw(x, y, ax1 + it->x2 - sx, ay1 + it->y2 - sy, it->user_value);
        break;
    case AREA_ITEM_MASK: {
        if (!it->mask) return;
        if (!Meets(x, y, x + it->mask[0] - 1, y + it->mask[1] - 1, ax1, ay1, ax2, ay2)) return;
        pxFgc(it->colour);
        pxMask(x, y, it->mask);
        break;
    }
    case AREA_ITEM_ROTATED_TEXT:
        Draw_Rotated_Text(it, x, y);
        break;
    case AREA_ITEM_CHECK_BOX:
    case AREA_ITEM_RADIO_BUTTON:
        Draw_Check_Item(it, x, y, background);
        break;
    case AREA_ITEM_CLICK_TEXT: {
        Pop_RFont(it->font);
        int w = 0;
        pxQTxX(it->text, -1, nullptr, &w);
        Push_RFont();
        if (it->click_target && *it->click_target == it->click_value) {
            pxFgc(it->count);
            pxRect(x - 2, y - 10, x + w + 4, y + 3);
        }
        Styled_Text(x, y, it->text, it->font, it->colour, it->x2, background);
        break;
    }
    case AREA_ITEM_DOUBLE:
    case AREA_ITEM_EDIT_TEXT:
        Draw_Text_Field(it, x, y, background);
        break;
    case AREA_ITEM_RECTANGLE: {
        int x2 = ax1 + it->x2 - sx, y2 = ay1 + it->y2 - sy;
        if (!Meets(x, y, x2, y2, ax1, ay1, ax2, ay2)) return;
        pxFgc(it->colour);
        pxRect(x, y, x2, y2);
        break;
    }
    case AREA_ITEM_CHOICE_LIST:
        Draw_Choice_Field(it, x, y, background);
        break;
    case AREA_ITEM_IMAGE_CHOICE:
        Draw_Image_Choice_Field(it, x, y, ax1, ay1, ax2, ay2);
        break;
    case AREA_ITEM_BITMAP_BUTTON:
        Draw_Bitmap_Button_Look(it, x, y, Item_Enabled(it) ? 1 : 0);
        break;
    case AREA_ITEM_EDIT_FIELD: {
        int x2 = ax1 + it->x2 - sx, y2 = ay1 + it->y2 - sy;
        pxFgc(it->count);
        pxRect(x, y, x2, y2);
        if (it->aux) Dotted_Frame(x, y, x2, y2, Item_Enabled(it) ? black_ci : grey_ci);
        Layout_Edit_Field_Text(const_cast<Scrollable_Area_Item *>(it), x, y, x2, y2);
        break;
    }
    case AREA_ITEM_TREE_VIEW_IMAGE: {
        int x2 = ax1 + it->x2 - sx, y2 = ay1 + it->y2 - sy;
        if (!Meets(x, y, x2, y2, ax1, ay1, ax2, ay2)) return;
        Draw_TreeViewImage(it->image_id, (x + x2) / 2, (y + y2) / 2, it->colour);
        break;
    }
    default:  // click areas and markers have nothing to show
        break;
    }
}

}  // namespace

std::string Double_Field_Format(const Scrollable_Area_Item *it) {
    const char *format = it->text ? it->text : "%g";
    const int least = VEK_Format_Decimals(format);
    if (least < 0 || !it->value) return format;
    return VEK_Format_With_Decimals(format, VEK_Shown_Decimals(*it->value, least, it->decimals));
}

namespace {

// text right-aligned in `width` (as it is when it is as wide or wider).
std::string Right_Aligned(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

// v in at most `room` characters with an exponent (VEK_Exponent_Text),
// padded to `width`.
std::string Exponent_Text(double v, int room, int width) { return Right_Aligned(VEK_Exponent_Text(v, room), width); }

// The room a field has for its value: the room set for it, else the width
// its format gives ("%6.1f": 6), which the sheets' layouts leave for it
// before the next item (a unit, a label); 0 (as much as it needs) for a
// format without a width.
int Field_Room(const Scrollable_Area_Item *it) {
    if (it->room > 0) return it->room;
    size_t start = 0, end = 0;
    if (!it->text || VEK_Next_Conversion(it->text, 0, &start, &end) != 1) return 0;
    const char *p = it->text + start + 1;
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') ++p;
    return std::atoi(p);
}

// v in `room` characters as a person reads it: rounded to the most places
// from `most` down that fit (the trailing zeros beyond `least` dropped), a
// value that no longer reads as itself (a small one as zero) with an
// exponent; right-aligned in `width`.
std::string Fitted_Text(double v, int room, int least, int most, int width) {
    std::string text;
    for (int d = most; d >= 0 && std::isfinite(v); --d) {
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, "%.*f", d, v);
        text = buffer;
        if (static_cast<int>(text.size()) > room) continue;
        if (v != 0.0 && std::strtod(text.c_str(), nullptr) == 0.0) break;
        for (int k = d; k > std::max(least, 0) && text.back() == '0'; --k) text.pop_back();
        if (text.back() == '.') text.pop_back();
        return Right_Aligned(std::move(text), width);
    }
    return Exponent_Text(v, room, width);
}

}  // namespace

std::string Double_Field_Text(const Scrollable_Area_Item *it, bool in_room) {
    if (!it->value || !it->text) return std::string();
    const std::string format = Double_Field_Format(it);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::snprintf(nullptr, 0, format.c_str(), *it->value);
    std::string shown(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::snprintf(shown.data(), shown.size() + 1, format.c_str(), *it->value);
#pragma GCC diagnostic pop
    // Longer than the format's width while its whole part fits: zeros that
    // end the fraction go (they change no value), never another digit.
    const size_t field = static_cast<size_t>(std::max(it->aux, 0));
    const size_t point = shown.find('.');
    if (shown.find_first_of("eE") == std::string::npos && point < field && shown.size() > field) {
        while (shown.size() > field && shown.back() == '0') shown.pop_back();
        if (shown.back() == '.') shown.pop_back();
    }
    const size_t first = std::min(shown.size(), shown.find_first_not_of(' '));
    const int room = in_room ? Field_Room(it) : 0;
    // Wider than the room the field has: what fits, never over what follows.
    if (room > 0 && static_cast<int>(shown.size() - first) > room) {
        const int least = std::max(VEK_Format_Decimals(it->text), 0);
        const int most = point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
        if (shown.find_first_of("eE") == std::string::npos) return Fitted_Text(*it->value, room, least, most, it->aux);
        return Exponent_Text(*it->value, room, it->aux);
    }
    // A value too small for the places the field shows is no zero.
    if (*it->value != 0.0 && std::isfinite(*it->value) && std::strtod(shown.c_str(), nullptr) == 0.0)
        return Exponent_Text(*it->value, room > 0 ? room : std::max(it->aux, 8), it->aux);
    return shown;
}

std::string Float_Field_Shown_Text(double v, const char *format, int decimals) {
    std::string text = format ? format : "%g";
    Scrollable_Area_Item it{};
    it.kind = AREA_ITEM_DOUBLE;
    it.text = text.data();
    it.value = &v;
    const int shows = VEK_Format_Decimals(it.text);
    it.decimals = shows < 0 ? -1 : std::max(shows, decimals);
    char buffer[256];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    if (VEK_Format_Takes_One(it.text, "eEfFgG")) std::snprintf(buffer, sizeof buffer, it.text, 0.0);
    else buffer[0] = '\0';
#pragma GCC diagnostic pop
    it.aux = static_cast<int>(std::strlen(buffer));
    const std::string shown = Double_Field_Text(&it);
    return shown.substr(std::min(shown.size(), shown.find_first_not_of(' ')));
}

// Looks of a bitmap button: 0 disabled, 1 normal, 2 hover, 3 pressed.
void Draw_Bitmap_Button_Look(const Scrollable_Area_Item *it, int x, int y, int look) {
    int w = it->x2 - it->x1 + 1, h = it->y2 - it->y1 + 1;
    int sx = look * w, sy = it->aux;
    int r = -1, g = -1, b = -1;
    if (it->count >= 0) pxQCR(it->count, &r, &g, &b);
    pxDrawPartialTransparentDIB(it->text, sx, sy, sx + w - 1, sy + h - 1, x, y, x + w - 1,
                                y + h - 1, 201, -1, r, g, b);
}

int Draw_Scrollable_Area_Callback(int x1, int y1, int x2, int y2, int scroll_x, int scroll_y,
                                  int extra, void *area) {
    (void)extra;
    auto *a = static_cast<Scrollable_View_Area *>(area);
    if (!a || a->active != 1) return 0;
    Draw_Scrollable_Area_Items(x1, y1, x2, y2, scroll_x, scroll_y, a);
    return 1;
}

void Draw_Scrollable_Area_Items_From(const Scrollable_Area_Item *first, int x1, int y1, int x2, int y2,
                                     int scroll_x, int scroll_y, int background) {
    Make_Colours();
    for (const Scrollable_Area_Item *it = first; it; it = it->next)
        Draw_Item(it, x1, y1, x2, y2, scroll_x, scroll_y, background);
}

void Draw_Scrollable_Area_Items(int x1, int y1, int x2, int y2, int scroll_x, int scroll_y,
                                Scrollable_View_Area *area) {
    if (!area) return;
    Make_Colours();
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    int buffer = pxBuff(PX_BUFFER_QUERY);
    if (area->frame) Draw_Funny_Area_to_PS(4, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 0);
    pxView(x1, y1, x2, y2);
    pxFgc(area->background);
    pxRect(x1, y1, x2, y2);
    for (Scrollable_Area_Item *it = area->first_item; it; it = it->next)
        Draw_Item(it, x1, y1, x2, y2, scroll_x, scroll_y, area->background);
    pxBuff(buffer);
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
}

// ---- multi-line edit fields -------------------------------------------------

namespace {

const Edit_Field_State *active_editor = nullptr;

}  // namespace

void Set_Active_Edit_Field(const Edit_Field_State *state) { active_editor = state; }

int Edit_Field_Text_Width(const char *text, int n) {
    int l = 0, r = 0;
    Edit_Field_Text_Extent(text, n, &l, &r);
    return r - l;
}

void Edit_Field_Text_Extent(const char *text, int n, int *left, int *right) {
    int l = 0, r = 0;
    if (text && n > 0) {
        if (active_editor && active_editor->font == 0) r = 8 * n - 3;
        else pxQTxX(text, n, &l, &r);
    }
    if (left) *left = l;
    if (right) *right = r;
}

// Lays out the text into the line table (growing it fourfold when full).
void Relayout_Edit_Field(Edit_Field_State *st, int usable) {
    if (!st || !st->text) return;
    st->line_count = 0;
    char *p = st->text;
    auto push = [st](char *start) {
        if (st->line_count >= st->capacity) {
            int cap = st->capacity > 0 ? st->capacity * 4 : 50;
            auto **grown = static_cast<char **>(
                Mem_Calloc(__FILE__, __LINE__, "null", static_cast<size_t>(cap), sizeof(char *)));
            if (!grown) return false;
            if (st->lines) std::memcpy(grown, st->lines, sizeof(char *) * st->capacity);
            Mem_Free(__FILE__, __LINE__, "null", st->lines);
            st->lines = grown;
            st->capacity = cap;
        }
        st->lines[st->line_count++] = start;
        return true;
    };
    Pop_RFont(st->font);
    while (*p) {
        if (!push(p)) break;
        char *q = p;
        char *last_blank = nullptr;
        while (*q && *q != '\n') {
            if (Edit_Field_Text_Width(p, static_cast<int>(q - p + 1)) > usable && q > p) break;
            if (*q == ' ') last_blank = q;
            q++;
        }
        if (*q == '\n') {
            p = q + 1;
        } else if (*q == '\0') {
            p = q;
        } else {
            p = last_blank ? last_blank + 1 : q;
        }
    }
    push(p);  // the end of the text as a last, empty line
    Push_RFont();
    st->length = static_cast<int>(std::strlen(st->text));
}

void Layout_Edit_Field_Text(Scrollable_Area_Item *item, int x1, int y1, int x2, int y2) {
    if (!item || !item->editor || !item->text) return;
    Make_Colours();
    Edit_Field_State *st = item->editor;
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    int fg = pxQFgc();
    pxView(std::max(vx1, x1 + 1), std::max(vy1, y1 + 1), std::min(vx2, x2 - 1),
           std::min(vy2, y2 - 1));
    pxFgc(item->count);
    pxRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    st->x1 = x1;
    st->y1 = y1;
    st->x2 = x2;
    st->y2 = y2;
    st->visible_lines = (y2 - y1 - 22) / 14;
    Relayout_Edit_Field(st, x2 - x1 - 20);
    Pop_RFont(st->font);
    for (int line = st->first_visible;
         line < st->line_count - 1 && line < st->first_visible + st->visible_lines + 1; line++) {
        char *start = st->lines[line], *end = st->lines[line + 1];
        int n = static_cast<int>(end - start);
        while (n > 0 && start[n - 1] == '\n') n--;
        int base = y1 + 16 + 14 * (line - st->first_visible);
        if (st->selection_start && st->selection_end && st->selection_start < st->selection_end) {
            char *s = std::max(st->selection_start, start), *e = std::min(st->selection_end, end);
            if (s < e) {
                int a = Edit_Field_Text_Width(start, static_cast<int>(s - start));
                int b = Edit_Field_Text_Width(start, static_cast<int>(e - start));
                pxFgc(selection_ci);
                pxRect(x1 + 7 + a, base - 10, x1 + 7 + b + 2, base + 3);
            }
        }
        pxFgc(item->colour);
        pxText(x1 + 7, base, start, n);
    }
    Push_RFont();
    st->caret_drawn = 0;
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
}

int Edit_Field_Cursor_Line(const Edit_Field_State *st) {
    int line = 0;
    for (int i = 0; i < st->line_count; i++)
        if (st->lines[i] <= st->cursor) line = i;
    // The layout's last entry marks the text's end: a line of its own only
    // after a line end (or in an empty text); otherwise the caret at the
    // end stands behind the last character of the line before.
    const int last = st->line_count - 1;
    if (line == last && last > 0 && st->lines[last] > st->text && st->lines[last][-1] != '\n') line = last - 1;
    return line;
}

namespace {

void Caret_Line(Edit_Field_State *st, int colour) {
    if (!st || !st->cursor || st->line_count == 0) return;
    int line = Edit_Field_Cursor_Line(st);
    if (line < st->first_visible || line > st->first_visible + st->visible_lines) return;
    Pop_RFont(st->font);
    int n = static_cast<int>(st->cursor - st->lines[line]);
    int x = st->x1 + Edit_Field_Text_Width(st->lines[line], n) + (n > 0 ? 2 : 0) + 7;
    Push_RFont();
    int y = st->y1 + 16 + 14 * (line - st->first_visible);
    int fg = pxQFgc();
    pxFgc(colour);
    pxLine(x, y - 10, x, y + 4);
    pxFgc(fg);
}

}  // namespace

void Draw_Edit_Field_Caret(Edit_Field_State *state) {
    Make_Colours();
    Caret_Line(state, caret_ci);
    if (state) state->caret_drawn = 1;
}

void Hide_Edit_Field_Caret(Edit_Field_State *state) {
    if (!state) return;
    Caret_Line(state, state->background);
    state->caret_drawn = 0;
}

void Clear_Edit_Field_Selection(Edit_Field_State *state) {
    if (!state) return;
    state->selection_start = nullptr;
    state->selection_end = nullptr;
}

void Keep_Edit_Field_Cursor_Visible(Edit_Field_State *state) {
    if (!state || !state->item || state->line_count == 0) return;
    int line = Edit_Field_Cursor_Line(state);
    int first = state->first_visible;
    if (line < first) first = line;
    else if (line > first + state->visible_lines) first = line - state->visible_lines;
    if (first != state->first_visible) {
        state->first_visible = first;
        Layout_Edit_Field_Text(state->item, state->x1, state->y1, state->x2, state->y2);
    }
}

void Draw_Edit_Field_Indicators(Edit_Field_State *state) {
    if (!state || state->max_length <= 0) return;
    Make_Colours();
    int fg = pxQFgc();
    int len = static_cast<int>(static_cast<double>(state->length) / state->max_length *
                               (state->x2 - state->x1 - 7));
    pxFgc(length_bar_ci);
    if (len > 0) pxLine(state->x1 + 2, state->y2 - 2, state->x1 + 2 + len, state->y2 - 2);
    if (state->line_count > state->visible_lines && state->line_count > 1) {
        double span = state->y2 - state->y1 - 4;
        int a = state->y1 + 2 + static_cast<int>(state->first_visible * span / (state->line_count - 1));
        int b = state->y1 + 2 +
                static_cast<int>((state->first_visible + state->visible_lines + 1) * span /
                                 (state->line_count - 1));
        pxFgc(line_bar_ci);
        pxRect(state->x2 - 3, a, state->x2 - 2, std::min(b, state->y2 - 2));
    }
    pxFgc(fg);
}

// ---- tool tips ----------------------------------------------------------------

void Show_Tool_Tip(const char *text) {
    if (!text) return;
    Make_Colours();
    Hide_Tool_Tip();
    Pop_RFont(RFONT_NORMAL);
    std::vector<std::string> lines;
    std::string cur;
    for (const char *p = text; *p; p++) {
        if (*p == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += *p;
        }
    }
    lines.push_back(cur);
    int widest = 0;
    for (const std::string &l : lines) {
        int a = 0, b = 0;
        pxQTxX(l.c_str(), -1, &a, &b);
        widest = std::max(widest, b - a);
    }
    int h = static_cast<int>(lines.size()) * RFONT_HEIGHT + 5;
    int x1 = M_XPOS, y1 = M_YPOS + 20, x2 = x1 + widest + 10, y2 = y1 + h;
    if (x2 >= NPIXEL_X - 8) {
        x2 = NPIXEL_X - 9;
        x1 = x2 - widest - 10;
    }
    if (y2 >= NPIXEL_Y - 8) {
        y2 = NPIXEL_Y - 9;
        y1 = y2 - h;
    }
    Save_Screen_Rectangle(x1, y1, x2, y2);
    tip_x1 = x1;
    tip_y1 = y1;
    tip_x2 = x2;
    tip_y2 = y2;
    tip_shown = true;
    int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Draw_Framed_Box(x1, y1, x2, y2, white_ci, black_ci);
    for (size_t i = 0; i < lines.size(); i++)
        pxText(x1 + 5, y1 + static_cast<int>(i + 1) * RFONT_HEIGHT, lines[i].c_str(), -1);
    pxView(vx1, vy1, vx2, vy2);
    pxFgc(fg);
    Push_RFont();
}

void Hide_Tool_Tip(void) {
    if (!tip_shown) return;
    Restore_Screen_Rectangle(tip_x1, tip_y1, tip_x2, tip_y2);
    tip_shown = false;
}
