// The preview of the connection on the input page: a box beside the plate
// and profile rows with the profile's cross-section and its welds, drawn
// whenever the page's area is painted. The page sizes the box and fixes
// the scale at every build; the painter draws the frame, lets the drawing
// service draw the profile (and the seam of an all-round weld) and draws
// single welds itself as thick lines on the profile's faces, each with its
// weld number. A weld is drawn or not: its throat is not drawn to size.
#ifndef WELDAPP_CONNECTION_PREVIEW_H
#define WELDAPP_CONNECTION_PREVIEW_H

struct Nahtbild;

// The preview's size and scale, shared by the page builder and the painter.
struct Connection_Preview {
    int margin;    // 15: the frame lies this far outside the painted box
    int width;     // W of the painted box, pixels
    int height;    // H
    double scale;  // pixels per mm; 0 when the profile has no usable extents
};
extern Connection_Preview Preview_Box;

// The sizing of the page build for a page width: W = half - 60 - 2 margin
// and H = min(half, 260) - 60 - 2 margin with half = width - width / 2,
// then Calc_Preview_Scale with margin 15.
void Size_Connection_Preview(int page_width, const Nahtbild* naht);
// Stores margin, W and H, then fits the profile of the weld part: with
// both extents of at least 1 mm the scale is the smaller of W and H per
// extent and the box shrinks to the profile (truncated); else the scale is
// 0 and the box keeps its size.
void Calc_Preview_Scale(int margin, int width, int height, const Nahtbild* naht);

// The painter of the preview item: the item's box in screen pixels and the
// weld part to show (its profile's section values are computed; nothing
// else changes). The butt-weld choice of the input page picks the weld
// colour. Nothing for a null weld part.
void Draw_Schweissnaht_Skizze(int x1, int y1, int x2, int y2, Nahtbild* naht);
// The same painter under its second name.
void Draw_Schweissnaht_Skizze_Entry(int x1, int y1, int x2, int y2, Nahtbild* naht);

#endif
