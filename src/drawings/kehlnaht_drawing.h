// The scaled drawing of the fillet-weld connection of the welded-connection
// library ("Maßstäbliche Darstellung Kehlnahtanschluss"): a true-to-scale
// front view of the end of the welded profile on its end plate, with the
// fillet welds along its edges and the labels "aw1" to "aw8" (or one "aw"
// for a weld all round).
//
// With the library's output stream (Anschluss_Plot_File) set, the drawing
// is written as one print-list picture into that stream; with a null stream
// it is drawn with the window library's pixel calls into a box of the
// screen. What it draws is the geometry of the profile end
// (profiles/kehlnaht_geometry.h), which the section evaluation of the DIN
// check works out for itself: the drawing leaves nothing for it.
//
// World coordinates are mm: x across the profile, y from the lower outer
// face of the profile (0) to its top (H); corners are written with two
// decimals. The drawing and its members share library globals and are not
// re-entrant.
#ifndef DRAWINGS_KEHLNAHT_DRAWING_H
#define DRAWINGS_KEHLNAHT_DRAWING_H

#include <cstdio>

#include "profiles/geschweisster_anschluss.h"
#include "profiles/kehlnaht_geometry.h"

// The weld data the drawing works with, by weld position 1..8 (index 0 is
// not used): length and throat in mm; a position carries a weld when both
// exceed 0.001. The drawing fills them from the record before it draws
// (for a weld all round: the edge lengths of the profile and throat 3.0);
// the band writers below read them.
struct Kehlnaht_Weld_Data {
    double l[ANSCHLUSS_WELD_POSITIONS + 1];
    double a[ANSCHLUSS_WELD_POSITIONS + 1];
    int all_round;
};
extern Kehlnaht_Weld_Data Kehlnaht_Welds;

// Screen colours of the drawing, worked out on the first drawing of the run:
// (235, 245, 225), (166, 202, 240), (0, 0, 192), (224, 224, 224),
// (95, 136, 175), (192, 199, 160), (100, 150, 225), (255, 0, 0).
extern int Anschluss_Colours[8];

// Draws the connection of the record. dx, dy move the screen origin (x0,
// y0); right, bottom are the edges of the screen box; mode 1 moves the box
// down by 5 pixels and shows the profile's title, mode 2 frames the box in
// the first colour instead of the sixth. family is the record's family code
// + 1 (KEHLNAHT_*; 0 or above 8: the page frame only); catalogue 1 with
// name: a catalogue profile, looked up in the profile file first.
//
// On entry the record's second dimension set (h2 .. r2) receives h .. r;
// nothing else of the record is changed. A catalogue profile that the
// profile file does not hold, or dimensions that are not finite numbers of
// 0 to 10^6 mm with a height and a width of 0.001 mm or more, end the
// drawing before any text is written. Degenerate outlines are reported by
// the polygon offset (polyverg.h) and the drawing goes on.
void Draw_Kehlnahtanschluss(GeschweissterAnschluss *record, int dx, int dy, int right, int bottom,
                            int mode, int x0, int y0, int family, int catalogue, const char *name);

// ---- weld marks and outlines of the drawing ------------------------------

// Screen: three lines beside an edge from (x, y), pixel step d (+1 or -1)
// choosing the side, each conversion truncated toward zero; nothing when l
// or a is 0.001 or less. _H: a horizontal edge of length l x s pixels at
// offsets 2, 3, 4 d; _V: a vertical edge. _Edge: mode 1 a vertical edge at
// offsets 3, 4, 5 d; mode 0 a horizontal one at 2, 3, 4 d; -1 the middle
// 0.9 l pixels (in x) of a shallow edge; other modes the middle 0.9 l (in y)
// of a steep edge. An oblique edge that gives no direction (x2 = x1 for -1,
// y2 = y1 otherwise) draws nothing.
void Draw_Weld_Marks_H(double a, double l, double s, int x, int y, int d);
void Draw_Weld_Marks_V(double a, double l, double s, int x, int y, int d);
void Draw_Weld_Marks_Edge(int mode, double a, double l, int x1, int y1, int x2, int y2, int d);

// Plot text: " 21 0", "20 44", "18 5" and the five corners of a band of
// thickness t at the signed offset o beside the edge (the side g = sign of
// o, + for o = 0): dir 0 a horizontal edge at y1 from x1 to x2, 1 a vertical
// edge at x1 from y1 to y2, -1 the middle 0.9 l of a shallow edge (in x),
// other dirs the middle 0.9 l of a steep one (in y). A band whose corners
// are not finite (an oblique edge without a direction) is not written.
void Plot_Weld_Band_Edge(FILE *f, double l, int dir, double x1, double x2, double y1, double y2,
                         double t, double o);
// " 21 0", "20 44", and while position 1 carries a weld the band from
// (xa, ya) to (xb, yb) at offset o of thickness t (dir 1: below the line,
// others: left of it).
void Plot_Weld_Band_Pos1(FILE *f, double xa, double ya, double xb, double yb, double t, double o,
                         int dir);
// " 21 0", "20 44" and the bands of all welded positions around an I
// section (1..8) or a T section (1..5), each of its position's length,
// centred on its face, from half a thickness to one and a half thicknesses
// off it.
void Plot_Weld_Bands_I(FILE *f, double x1, double x2, double x3, double x4, double x5, double x6,
                       double y1, double y2, double y3, double y4, double y5, double y6, double tv,
                       double th);
void Plot_Weld_Bands_T(FILE *f, double x1, double x2, double x3, double x4, double x5, double x6,
                       double y1, double y2, double y3, double y4, double y5, double y6, double tv,
                       double th);
// " 21 1", " 4 3" and the 20 corners of an I section (12 of a T section)
// whose root fillets are cut at their 45-degree point c; X = s x, Y =
// s (y - y0).
void Plot_Outline_I(FILE *f, double x1, double x2, double x3, double x4, double x5, double x6,
                    double y1, double y2, double y3, double y4, double y5, double y6, double c,
                    double y0, double s);
void Plot_Outline_T(FILE *f, double x1, double x2, double x3, double x4, double x5, double x6,
                    double y1, double y2, double y3, double y4, double y5, double y6, double c,
                    double y0, double s);

// Everything of the drawing as at the start of the run (colours to be
// worked out again, weld data zero). For tests.
void Reset_Kehlnaht_Drawing(void);

#endif
