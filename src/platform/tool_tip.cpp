/* tool_tip.cpp -- the window library's tool tip box (see the header). */
#include "platform/tool_tip.h"

#include <cstring>

#include "platform/font.h"
#include "platform/input.h"
#include "platform/screen.h"

namespace {

struct Box {
    int x1, y1, x2, y2;
};

bool shown = false;  // a tip is on the screen, its box saved under it
bool drawn = false;  // a tip was drawn since the start
Box box = {0, 0, 0, 0};

/* Calls line(text, length, k) for the k-th line (from 1) of the tip. */
template <class Line>
void For_Lines(const char* tip, Line line) {
    for (int k = 1;; ++k) {
        const char* end = std::strchr(tip, '\n');
        line(tip, end ? static_cast<int>(end - tip) : static_cast<int>(std::strlen(tip)), k);
        if (!end) return;
        tip = end + 1;
    }
}

}  // namespace

void VEK_Hide_Tool_Tip(void)
{
    if (!shown) return;
    Restore_Screen_Rectangle(box.x1, box.y1, box.x2, box.y2);
    shown = false;
}

void VEK_Show_Tool_Tip(const char* text)
{
    VEK_Hide_Tool_Tip();
    if (!text) return;
    Pop_RFont(RFONT_NORMAL);
    int widest = 0, lines = 0;
    For_Lines(text, [&](const char* p, int n, int k) {
        int left = 0, right = 0;
        pxQTxX(p, n, &left, &right);
        if (right - left > widest) widest = right - left;
        lines = k;
    });
    const int height = lines * RFONT_HEIGHT + 5;
    Box b = {M_XPOS, M_YPOS + 20, M_XPOS + widest + 10, M_YPOS + 20 + height};
    if (b.x2 >= NPIXEL_X - 4) {
        b.x2 = NPIXEL_X - 5;
        b.x1 = b.x2 - (widest + 10);
    }
    if (b.y2 >= NPIXEL_Y - 4) {
        b.y2 = NPIXEL_Y - 5;
        b.y1 = b.y2 - height;
    }
    const int colour = pxQFgc();
    Save_Screen_Rectangle(b.x1, b.y1, b.x2, b.y2);
    pxFgc(Nearest_RGB_Color(255, 255, 255));
    pxRect(b.x1, b.y1, b.x2, b.y2);
    pxFgc(BLACK_CI);
    pxLine(b.x1, b.y1, b.x2, b.y1);
    pxLine(b.x2, b.y1, b.x2, b.y2);
    pxLine(b.x2, b.y2, b.x1, b.y2);
    pxLine(b.x1, b.y2, b.x1, b.y1);
    For_Lines(text, [&](const char* p, int n, int k) {
        if (n > 0) pxText(b.x1 + 5, b.y1 + k * RFONT_HEIGHT, p, n);
    });
    pxFgc(colour);
    Push_RFont();
    box = b;
    shown = drawn = true;
}

int VEK_Tool_Tip_Shown(void) { return shown ? 1 : 0; }

int VEK_Last_Tool_Tip(int* x1, int* y1, int* x2, int* y2)
{
    if (!drawn) return 0;
    if (x1) *x1 = box.x1;
    if (y1) *y1 = box.y1;
    if (x2) *x2 = box.x2;
    if (y2) *y2 = box.y2;
    return 1;
}

void VEK_Reset_Tool_Tip(void)
{
    shown = drawn = false;
    box = {0, 0, 0, 0};
}
