// Records and shapes shared by the composite symbols of pictures (annotated
// lines, supports, arrows, loads, diagrams, charts, hatches, bolts and
// labels); not for callers outside the picture writer.
//
// The records go into the picture stream through Safe_Fprintf, like every
// other graphic record, so a null stream writes nothing.
#ifndef PRINTLIST_IOLIPLOT_SYMBOLS_INTERNAL_H
#define PRINTLIST_IOLIPLOT_SYMBOLS_INTERNAL_H

#include "printlist/ioliplot.h"

namespace ioliplot {

// " 4 <pen>": pen of the following lines.
void Pen_Record(int pen);
// " 6 <cm>": line width of the following lines.
void Line_Width_Record(double cm);
// " 7 <class>": text size class of the following texts.
void Text_Class_Record(int size_class);
// " 8 <style>": text style of the following texts.
void Text_Style_Record(int style);
// " 13 <cm>": height of the following texts.
void Height_Record(double cm);
// " 16 <length>": the length value of the following texts.
void Text_Length_Record(double length);
// " 23 <a> <b>": the text mode pair.
void Text_Mode_Record(int a, int b);
// " 38 <count> <lengths> 0": a dash pattern of its own.
void Dash_Record(int count, const char* lengths);

// An arrow in its own frame (tip at the origin, pointing along +x; head
// corners at (-h, -+w/2), tail at (-L, 0)) turned by angle and moved to the
// tip; style 0 open, 1 outlined head, 2 filled head (pattern 55), any
// other nothing. No element bracket: the caller's symbol is the element.
void Arrow_Shape(double tip_x, double tip_y, double angle, double L, double h, double w, int style);

// The paper offset (a, b) cm of a symbol scaled by z, as world offsets:
// a·z/sx and b·z/sy, each negated when its axis runs against the paper
// when `upright` (the symbol keeps its shape upright on the page).
void Paper_Offset(double a, double b, double z, bool upright, double* dx, double* dy);

}  // namespace ioliplot

#endif
