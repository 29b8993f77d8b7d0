// Drawing steps that several dialog modules repeat (tool tip boxes, mark
// boxes, dotted focus frames); not for other modules.
#ifndef DIALOGS_DIALOG_DRAW_INTERNAL_H
#define DIALOGS_DIALOG_DRAW_INTERNAL_H

#include "platform/screen.h"

// Calls side(ax, ay, bx, by) for the four sides of a rectangle, clockwise
// from (x1, y1).  Always this order, so that a dash pattern runs on around
// the corners the same way wherever a frame is drawn.
template <class T, class Side>
inline void For_Rect_Sides(T x1, T y1, T x2, T y2, Side side) {
    side(x1, y1, x2, y1);
    side(x2, y1, x2, y2);
    side(x2, y2, x1, y2);
    side(x1, y2, x1, y1);
}

// The four sides of a rectangle in the current colour and dash style.
inline void Draw_Rect_Outline(int x1, int y1, int x2, int y2) { For_Rect_Sides(x1, y1, x2, y2, pxLine); }

// A filled box with a one-pixel frame, as tool tips are drawn; the frame
// colour is left current.
inline void Draw_Framed_Box(int x1, int y1, int x2, int y2, int fill, int frame) {
    pxFgc(fill);
    pxRect(x1, y1, x2, y2);
    pxFgc(frame);
    Draw_Rect_Outline(x1, y1, x2, y2);
}

// A frame of every second pixel in a colour (focus and selection marks);
// the dash style is put back, the colour is left current.
inline void Dotted_Frame(int x1, int y1, int x2, int y2, int colour) {
    int style = pxQSLn();
    pxFgc(colour);
    pxSLn(PX_LINE_DOTTED);
    Draw_Rect_Outline(x1, y1, x2, y2);
    pxSLn(style);
}

#endif
