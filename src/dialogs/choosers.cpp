// Image button choosers, the visual-check button and switch bit sets (see
// choosers.h).
#include "dialogs/choosers.h"

#include <algorithm>
#include <cstring>

#include "base/vesk.h"
#include "dialogs/dialog_batch_internal.h"
#include "dialogs/drawing.h"
#include "dialogs/fields_internal.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sheets.h"

namespace {

// Where the mouse was left in each chooser, relative to its sheet (0: not
// yet).
struct Remembered {
    int x = 0, y = 0;
};
Remembered row_mouse, list_mouse;

struct Layout {
    int width = 0, height = 0;
    int title_x = 0;
    int button_x[64] = {};  // relative to the sheet; only the first n used
    int button_y[64] = {};
};

const char *Tip(const char *const *tips, int i) { return tips && tips[i] ? tips[i] : ""; }

int Run_Chooser(bool list, int click_x, int click_y, int sheet_x, int sheet_y, const char *title, int bw,
                int bh, int n, const char *const *tips, const char *bitmap, Remembered *mouse) {
    if (Dialog_Refused_In_Batch(title)) return 99;
    n = std::clamp(n, 0, 64);
    if (!title) title = "";
    Pop_RFont(RFONT_NORMAL);
    int left = 0, right = 0;
    pxQTxX(title, -1, &left, &right);
    const int tw = right - left, h0 = RFONT_HEIGHT + 12;
    Layout lay;
    if (!list) {
        const int content = n * bw + (n - 1) * 5;
        int first = 7;
        if (tw > content + 16) {
            lay.width = tw + 16;
            first = (tw + 16 - content) / 2 - 1;
            lay.title_x = 8;
        } else {
            lay.width = content + 16;
            lay.title_x = (lay.width - tw) / 2;
        }
        lay.height = h0 + bh + 8;
        for (int i = 0; i < n; ++i) {
            lay.button_x[i] = first + i * (bw + 5);
            lay.button_y[i] = h0;
        }
    } else {
        lay.width = std::max(tw + 16, bw + 16);
        for (int i = 0; i < n; ++i)
            lay.width = std::max(lay.width, bw + RFont_Text_Width(RFONT_NORMAL, Tip(tips, i), -1) + 21);
        lay.height = h0 + n * bh + (n - 1) * 5 + 8;
        lay.title_x = 8;
        for (int i = 0; i < n; ++i) {
            lay.button_x[i] = lay.width - 8 - bw;
            lay.button_y[i] = h0 + i * (bh + 5);
        }
    }
    int x1 = sheet_x, y1 = sheet_y, x2 = sheet_x + lay.width - 1, y2 = sheet_y + lay.height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    dialogs::Animate_Zoom_Rectangle(click_x, click_y, click_x + lay.width / 2, click_y + lay.height / 2, x1, y1, x2,
                                    y2);
    const int text_height = RFONT_HEIGHT;
    if (!list) Push_RFont();
    if (!Define_Prop_Sheet(x1, y1, x2, y2, 0, 0, "", n, 0)) {
        if (list) Push_RFont();
        return 99;
    }
    Draw_Funny_Text_to_PS(x1 + lay.title_x, y1 + text_height + 6, title, RFONT_NORMAL | 0x10000, 2);
    const VEKRaster face = {bw, bh, nullptr};
    for (int i = 0; i < n; ++i) {
        const int bx = x1 + lay.button_x[i], by = y1 + lay.button_y[i];
        int id = Add_Single_Button_to_PS(bx, by, 1, i + 1, nullptr, &face, 0);
        Change_Action_State_PS(id, 0);
        Reset_Button_Frame(id);
        Set_Comment_to_Button_PS(id, Tip(tips, i));
        // The button's piece of the strip becomes its face.
        pxFgc(BUTTON_CI);
        pxRect(bx, by, bx + bw - 1, by + bh - 1);
        const int sx = list ? 0 : i * bw, sy = list ? i * bh : 0;
        pxDrawPartialTransparentDIB(bitmap, sx, sy, sx + bw - 1, sy + bh - 1, bx, by, bx + bw - 1, by + bh - 1, 0, -1,
                                    192, 192, 192);
        Snap_Colored_Layout_of_Single_Button(id);
        if (list) {
            const int ty = y1 + h0 + 1 + i * (bh + 5) + (bh + text_height) / 2;
            Draw_Funny_Text_to_PS(x1 + 8, ty, Tip(tips, i), RFONT_NORMAL, 2);
        }
    }
    if (list) Push_RFont();
    const int escape = Add_Escape_Area_to_PS(x1, y1, x2, y2, 99);
    (void)escape;
    Set_ClickOutsideEvent_to_PS(99);
    if (mouse->x || mouse->y) msStCu(x1 + mouse->x, y1 + mouse->y);
    else if (n > 0) msStCu(x1 + lay.button_x[0] + bw / 2, y1 + lay.button_y[0] + bh / 2);
    Activate_Prop_Sheet();
    if (n < 1) pxDrawTransparentDIB(bitmap, x1 + 7, y1 + h0, x2 - 7, y2 - 8, 201, -1, 192, 192, 192);
    pxBuff(pxBuff(PX_BUFFER_QUERY));
    int code = Edit_Prop_Sheet();
    GetVEKMessage(VEK_MASK_LEFT_UP, nullptr);
    int mx = 0, my = 0;
    msStat(&mx, &my);
    mouse->x = mx - x1;
    mouse->y = my - y1;
    Undefine_Prop_Sheet();
    if (code == n + 1) return -1;
    if (code >= 1 && code <= n) return code;
    return 99;
}

// The visual-check face: a magnifying glass, 35 x 20 pixels.
const VEKRaster *Visual_Check_Face(void) {
    static unsigned char bits[20 * 5];
    static const VEKRaster face = {35, 20, bits};
    static bool made = false;
    if (!made) {
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 35; ++x) {
                const int dx = x - 14, dy = y - 8;
                const int r2 = dx * dx + dy * dy;
                const bool ring = r2 >= 25 && r2 <= 42;
                const bool handle = x >= 18 && x <= 23 && (y - 12 == x - 18 || y - 13 == x - 18);
                if (ring || handle) bits[y * 5 + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        made = true;
    }
    return &face;
}

}  // namespace

int Choose_Image_Button_Row(int click_x, int click_y, int sheet_x, int sheet_y, const char *title,
                            int button_width, int button_height, int n, const char *const *tips,
                            const char *bitmap) {
    return Run_Chooser(false, click_x, click_y, sheet_x, sheet_y, title, button_width, button_height, n, tips, bitmap,
                       &row_mouse);
}

int Choose_Image_Button_List(int click_x, int click_y, int sheet_x, int sheet_y, const char *title,
                             int button_width, int button_height, int n, const char *const *tips,
                             const char *bitmap) {
    return Run_Chooser(true, click_x, click_y, sheet_x, sheet_y, title, button_width, button_height, n, tips, bitmap,
                       &list_mouse);
}

int Add_Visual_Check_Button(int x, int y, int code) {
    int id = Add_Single_Button_to_PS(x, y, 1, code, nullptr, Visual_Check_Face(), 0);
    Reset_Button_Frame(id);
    Set_Comment_to_Button_PS(id, "optische Kontrolle");
    return id;
}

int Init_Switch_Bit_Set(Switch_Bit_Set *set, int count, int value) {
    if (!set) return 0;
    set->count = count;
    set->value = value;
    set->reserved = 0;
    set->bits = count >= 1 ? static_cast<unsigned char *>(
                                 ITools_Realloc(nullptr, static_cast<size_t>((count + 7) / 8), 1))
                           : nullptr;
    return 0;
}

void Reset_Choosers_State(void) {
    row_mouse = Remembered{};
    list_mouse = Remembered{};
}
