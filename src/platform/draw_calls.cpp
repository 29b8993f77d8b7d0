// Drawing calls of the window library in the forms the connection pictures
// use, built on the headless screen's own calls.
#include "platform/draw_calls.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/font.h"
#include "platform/screen.h"

void pxQFgc(int *colour) {
    if (colour) *colour = pxQFgc();
}

void pxMask(int x1, int y1, int x2, int y2, const unsigned char *rows, int mode) {
    (void)mode;  // every stamping mode leaves the clear bits alone here
    if (!rows) return;
    int left = x1 < x2 ? x1 : x2, top = y1 < y2 ? y1 : y2;
    int width = (x1 < x2 ? x2 - x1 : x1 - x2) + 1, height = (y1 < y2 ? y2 - y1 : y1 - y2) + 1;
    if (height > 64) return;
    if (width > 8) width = 8;
    // The screen's own mask: width, height, then one int per row.
    std::vector<int> mask(2 + height);
    mask[0] = width;
    mask[1] = height;
    for (int r = 0; r < height; r++) mask[2 + r] = rows[r];
    pxMask(left, top, mask.data());
}

// Quarter turns 0..3 of an angle in degrees, rounded to the nearest.
static int Quarter_Turns(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double q = std::fmod(std::round(std::fmod(degrees, 360.0) / 90.0), 4.0);
    return ((int)q + 4) % 4;
}

void Draw_Line_Box_Text(int x, int y, int size, int margin, double angle, const char *text,
                        int text_colour, int background, int frame) {
    if (!text || !text[0]) return;
    int font = size < 12 ? 0x1002 : 0x1000;
    int length = (int)std::strlen(text);
    const RFontMetrics *m = RFont_Metrics(font);
    int along = RFont_Text_Width(font, text, length), across = m->ascent + m->descent;
    int quarter = Quarter_Turns(angle);
    int w = (quarter % 2 ? across : along) + 2 * margin;
    int h = (quarter % 2 ? along : across) + 2 * margin;
    int bx1 = x - w / 2, by1 = y - h / 2, bx2 = bx1 + w - 1, by2 = by1 + h - 1;

    int kept = pxQFgc();
    Pop_RFont(font);
    if (background >= 0) {
        pxFgc(background);
        pxRect(bx1, by1, bx2, by2);
    }
    pxFgc(text_colour);
    if (frame) {
        // Solid whatever the dash style of the caller's lines.
        pxTkLn(bx1, by1, bx2, by1, 1);
        pxTkLn(bx2, by1, bx2, by2, 1);
        pxTkLn(bx2, by2, bx1, by2, 1);
        pxTkLn(bx1, by2, bx1, by1, 1);
    }
    // Centred both ways in the box inside the margin, turned by 0x100 per
    // quarter turn.
    static const int TURN[4] = {0, 0x100, 0x200, 0x400};
    pxBTxt(bx1 + margin, by1 + margin, bx2 - margin, by2 - margin, text, length, 0xC0 | TURN[quarter]);
    Push_RFont();
    pxFgc(kept);
}
