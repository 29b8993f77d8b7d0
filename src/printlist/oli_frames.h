// Frame escapes of print-list text lines: lines and rectangles drawn around
// table cells, written into the current text line (docs/printlist-viewer.md
// gives how the viewer draws them). Nothing for a null stream; a value
// that is not a finite number (or, for the rectangle's place, beyond 1 km)
// is refused with a message and nothing is written.
#ifndef PRINTLIST_OLI_FRAMES_H
#define PRINTLIST_OLI_FRAMES_H

#include <cstdio>

// " ╬{╬L 0 a b c d } ": a line from (a, b) to (c, d), the end clamped to
// 0..1.
void Oli_Frame_Left(FILE* stream, double a, double b, double c, double d);
// " ╬{╬L 0 -1 -1 v v }": the rule under the line, v clamped to 0..1.
void Oli_Frame_Line(FILE* stream, double v);
// Two rules, at v - 0.1 and v + 0.1 (v clamped to 0..1 first).
void Oli_Frame_Double(FILE* stream, double v);
// " ╬{╬R n x y a b } ": a rectangle frame of style n (65 or more, or below
// 0, counts as 0; with flag set 3840 is added), a and b clamped to 0..1 and
// ordered.
void Oli_Frame_Rect(FILE* stream, int flag, int n, double x, double y, double a, double b);
// " ╬{╬R n -1 -1 -1 -1} ": the end of the rectangle frame of style n.
void Oli_Frame_Rect_Off(FILE* stream, int flag, int n);

#endif
